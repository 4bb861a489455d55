// Sliding median: y[i] = median of x[i-h .. i+h] (h = (mask - 1) / 2) with
// the samples before the start taken as x[0] and after the end as
// x[len - 1]; every median uses input values, also in place. An even mask is
// reduced by one and the call returns warning 5 after filtering; a mask of 1
// or fewer than 3 samples leaves the data as they are.
//
// Masks 3 to 63: the middle values of an odd-even merge sort of the inputs
// that 2, 4 or 8 neighbouring outputs share, for 64 such groups at a time,
// on the dispatched kernels over a small copy of the input. Larger
// masks: a sorted window updated by one removal and one insertion per output
// (positions by counting), plus a ring of the window's input values. Masks
// above 9 work in an array allocated per call (-9 when it cannot be had,
// before anything is written).
//
// Checks, in order: null pointers (-8), then len < 1 or maskSize < 1 (-6).
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "filter/median.h"
#include "frame/check.h"
#include "frame/memory.h"
#include "frame/types.h"

namespace zors::median {
namespace {

// Masks up to this size use a network; larger ones the sorted window.
constexpr int kNetMax = 63;
constexpr int kNetPairsMax = 543;  // odd-even merge sort of 64 values

// A network for the middle values lo .. hi of m sorted values (m <= 64):
// the odd-even merge sort of the next power of two, without the comparators
// that touch the values past m (they would hold +inf and never move) and
// without those the wanted outputs do not depend on. Returns the number of
// pairs.
int build_network(int m, int lo, int hi, std::int16_t* net) {
    int n = 1;
    while (n < m) n *= 2;
    int count = 0;
    for (int p = 1; p < n; p *= 2)
        for (int k = p; k >= 1; k /= 2)
            for (int j = k % p; j + k < n; j += 2 * k)
                for (int i = 0; i < k && i + j + k < n; ++i)
                    if ((i + j) / (2 * p) == (i + j + k) / (2 * p) && i + j + k < m) {
                        net[2 * count] = static_cast<std::int16_t>(i + j);
                        net[2 * count + 1] = static_cast<std::int16_t>(i + j + k);
                        ++count;
                    }
    bool needed[64] = {};
    for (int v = lo; v <= hi; ++v) needed[v] = true;
    int kept = 0;  // kept pairs are gathered at the end, in order
    for (int c = count - 1; c >= 0; --c) {
        const int a = net[2 * c], b = net[2 * c + 1];
        if (!needed[a] && !needed[b]) continue;
        needed[a] = needed[b] = true;
        ++kept;
        net[2 * (count - kept)] = static_cast<std::int16_t>(a);
        net[2 * (count - kept) + 1] = static_cast<std::int16_t>(b);
    }
    std::memmove(net, net + 2 * (count - kept), sizeof(std::int16_t) * 2 * static_cast<std::size_t>(kept));
    return kept;
}

// x[i] with the index clamped to [0, len).
template <class T>
inline T at(const T* x, std::int64_t i, int len) {
    return x[i < 0 ? 0 : i >= len ? len - 1 : i];
}

// x[from .. from + count) with the indices clamped to [0, len).
template <class T>
inline void fetch(const T* x, int len, std::int64_t from, int count, T* dst) {
    int j = 0;
    for (; j < count && from + j < 0; ++j) dst[j] = x[0];
    const std::int64_t end = from + count < len ? from + count : len;
    if (from + j < end) {
        std::memcpy(dst + j, x + from + j, sizeof(T) * static_cast<std::size_t>(end - from - j));
        j = static_cast<int>(end - from);
    }
    for (; j < count; ++j) dst[j] = x[len - 1];
}

template <class T>
const MedianFns<T>& kernels() {
    const MedianKernels& k = median_kernels();
    if constexpr (std::is_same_v<T, Zor32f>) return k.f32;
    else if constexpr (std::is_same_v<T, Zor64f>) return k.f64;
    else if constexpr (std::is_same_v<T, Zor16s>) return k.s16;
    else if constexpr (std::is_same_v<T, Zor8u>) return k.u8;
    else return k.s32;
}

// Masks 3 to 63 (m = 2h + 1): blocks of B·L outputs in groups of B
// neighbours (B = 2, 4 from mask 7, 8 from mask 15), whose windows share m - B + 1
// inputs; one network over all groups of the block sorts those far enough
// for the dispatched kernel to finish each output from B values of them and
// its own B - 1 others. w holds the block's inputs x[i - h .. i + B·L + h);
// its last 2h carry over to the next block before the outputs overwrite
// their inputs.
template <class T>
void group_mask(T* x, int len, int m, int B, const std::int16_t* net, int pairs, T* rows, T* w, T* phases) {
    constexpr int L = kMedianLanes;
    const int h = (m - 1) / 2;
    const MedianFns<T>& k = kernels<T>();
    const MedianGroupFn<T> run = B == 2 ? k.group2 : B == 4 ? k.group4 : k.group8;
    fetch(x, len, -h, 2 * h, w);
    for (int i = 0; i < len; i += B * L) {
        const int b = len - i < B * L ? len - i : B * L;
        fetch(x, len, std::int64_t{i} + h, B * L, w + 2 * h);
        run(w, h, net, pairs, phases, rows, x + i, b);
        std::memmove(w, w + B * L, sizeof(T) * 2 * static_cast<std::size_t>(h));
    }
}

// Replaces one occurrence of `old` in the sorted s[0 .. m) by `nw`, keeping
// the order. Both positions come from branch-free counts (which vectorise);
// the values between them move by one place.
template <class T>
inline void replace(T* s, int m, T old, T nw) {
    int po = 0, pn = 0;
    for (int k = 0; k < m; ++k) {
        po += s[k] < old ? 1 : 0;
        pn += s[k] < nw ? 1 : 0;
    }
    if (po > m - 1) po = m - 1;  // only for unordered values (NaN)
    if (pn > po) {
        for (int k = po; k < pn - 1; ++k) s[k] = s[k + 1];
        s[pn - 1] = nw;
    } else {
        for (int k = po; k > pn; --k) s[k] = s[k - 1];
        s[pn] = nw;
    }
}

// Large masks: s (m values, sorted) and ring (m input values) in `work`.
template <class T>
void large_mask(T* x, int len, int m, T* work, int ring_len) {
    const int h = (m - 1) / 2;
    T* s = work;
    T* ring = work + ring_len;
    for (int k = 0; k < m; ++k) ring[k] = at(x, std::int64_t{k} - h, len);
    for (int k = 0; k < m; ++k) {  // insertion sort of the first window
        const T v = ring[k];
        int p = k;
        while (p > 0 && v < s[p - 1]) {
            s[p] = s[p - 1];
            --p;
        }
        s[p] = v;
    }
    int oldest = 0;  // ring position of x[i - h]
    for (int i = 0; i < len; ++i) {
        x[i] = s[h];
        if (i + 1 == len) break;
        const T nw = at(x, std::int64_t{i} + h + 1, len);
        replace(s, m, ring[oldest], nw);
        ring[oldest] = nw;
        oldest = oldest + 1 == m ? 0 : oldest + 1;
    }
}

// Filters x in place; `src` (when not x) is copied to x first, after the work
// array is obtained. Masks 3 to 9 work on the stack; larger ones in a work
// array allocated per call.
template <class T>
ZorStatus filter(const T* src, T* x, int len, int mask) {
    constexpr int L = kMedianLanes;
    const ZorStatus done = mask % 2 == 0 ? zorStsEvenMedianMaskSize : zorStsNoErr;
    const int m = mask % 2 == 0 ? mask - 1 : mask;
    const bool active = m > 1 && len >= 3;
    const bool net = m <= kNetMax;
    const int h = (m - 1) / 2, B = h >= 7 ? 8 : h >= 3 ? 4 : 2, core = m - B + 1;
    // group masks: rows (m - B + 1)·L, w B·L + 2h, phases B·(L + h + 1)
    const std::uint64_t m64 = static_cast<std::uint64_t>(m), h64 = static_cast<std::uint64_t>(h), b64 = static_cast<std::uint64_t>(B);
    const std::uint64_t group_len = (m64 - b64 + 1) * L + b64 * L + 2 * h64 + b64 * (L + h64 + 1);
    T* work = nullptr;
    int ring_len = 0;
    if (active && m > 9) {
        const std::uint64_t rounded = (static_cast<std::uint64_t>(m) + 7) / 8 * 8;
        const std::uint64_t bytes = net ? sizeof(T) * group_len + sizeof(std::int16_t) * 2 * kNetPairsMax + 64
                                        : sizeof(T) * 2 * rounded;
        work = static_cast<T*>(aligned_alloc_bytes(bytes));
        if (work == nullptr) return zorStsMemAllocErr;
        ring_len = static_cast<int>(rounded);
    }
    if (src != x) std::memmove(static_cast<void*>(x), src, sizeof(T) * static_cast<std::size_t>(len));
    if (active && !net) {
        large_mask(x, len, m, work, ring_len);
    } else if (active && m > 9) {
        T* rows = work;
        T* w = rows + static_cast<std::size_t>(core) * L;
        T* phases = w + B * L + 2 * h;
        auto* pairs = reinterpret_cast<std::int16_t*>(
            (reinterpret_cast<std::uintptr_t>(phases + B * (L + h + 1)) + 15) & ~std::uintptr_t{15});
        group_mask(x, len, m, B, pairs, build_network(core, h - B + 1, h, pairs), rows, w, phases);
    } else if (active) {  // at most 6 rows, 4·L + 8 inputs, 8-value networks
        alignas(64) T rows[6 * L];
        alignas(64) T w[4 * L + 8], phases[4 * (L + 5)];
        std::int16_t pairs[2 * 19];
        group_mask(x, len, m, B, pairs, build_network(core, h - B + 1, h, pairs), rows, w, phases);
    }
    aligned_free(work);
    return done;
}

}  // namespace
}  // namespace zors::median

using namespace zors;

#define MEDIAN_I(S, T)                                                                 \
    ZorStatus zorsFilterMedian_##S##_I(T* pSrcDst, int len, int maskSize) {            \
        ZORS_CHECK(nonnull(pSrcDst), positive(len), positive(maskSize));               \
        return median::filter<T>(pSrcDst, pSrcDst, len, maskSize);                     \
    }                                                                                  \
    ZorStatus zorsFilterMedian_##S(const T* pSrc, T* pDst, int len, int maskSize) {    \
        ZORS_CHECK(nonnull(pSrc, pDst), positive(len), positive(maskSize));            \
        return median::filter<T>(pSrc, pDst, len, maskSize);                           \
    }
MEDIAN_I(32f, Zor32f)
MEDIAN_I(64f, Zor64f)
MEDIAN_I(16s, Zor16s)
MEDIAN_I(8u, Zor8u)
MEDIAN_I(32s, Zor32s)
#undef MEDIAN_I
