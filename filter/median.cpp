// Sliding median: y[i] = median of x[i-h .. i+h] (h = (mask - 1) / 2) with
// the samples before the start taken as x[0] and after the end as
// x[len - 1]; every median uses input values, also in place. An even mask is
// reduced by one and the call returns warning 5 after filtering; a mask of 1
// or fewer than 3 samples leaves the data as they are.
//
// Masks 3, 5, 7 and 9: fixed compare-exchange networks evaluated for a block
// of outputs at a time over a small copy of the input (no allocation).
// Larger masks: a sorted window updated by one removal and one insertion per
// output (positions by counting), plus a ring of the window's input values, in a work array
// allocated per call (-9 when it cannot be had, before anything is written).
//
// Checks, in order: null pointers (-8), then len < 1 or maskSize < 1 (-6).
#include <cstdint>
#include <cstring>

#include "frame/check.h"
#include "frame/memory.h"
#include "frame/types.h"

namespace zors::median {
namespace {

template <class T>
inline void cx(T& a, T& b) {
    const T lo = b < a ? b : a;
    const T hi = b < a ? a : b;
    a = lo;
    b = hi;
}

// The median of p[0 .. M-1]; p is scratch.
template <int M, class T>
inline T network(T* p) {
    if constexpr (M == 3) {
        cx(p[0], p[1]); cx(p[1], p[2]); cx(p[0], p[1]);
        return p[1];
    } else if constexpr (M == 5) {
        cx(p[0], p[1]); cx(p[3], p[4]); cx(p[0], p[3]);
        cx(p[1], p[4]); cx(p[1], p[2]); cx(p[2], p[3]);
        cx(p[1], p[2]);
        return p[2];
    } else if constexpr (M == 7) {
        cx(p[0], p[5]); cx(p[0], p[3]); cx(p[1], p[6]);
        cx(p[2], p[4]); cx(p[0], p[1]); cx(p[3], p[5]);
        cx(p[2], p[6]); cx(p[2], p[3]); cx(p[3], p[6]);
        cx(p[4], p[5]); cx(p[1], p[4]); cx(p[1], p[3]);
        cx(p[3], p[4]);
        return p[3];
    } else {
        static_assert(M == 9);
        cx(p[1], p[2]); cx(p[4], p[5]); cx(p[7], p[8]);
        cx(p[0], p[1]); cx(p[3], p[4]); cx(p[6], p[7]);
        cx(p[1], p[2]); cx(p[4], p[5]); cx(p[7], p[8]);
        cx(p[0], p[3]); cx(p[5], p[8]); cx(p[4], p[7]);
        cx(p[3], p[6]); cx(p[1], p[4]); cx(p[2], p[5]);
        cx(p[4], p[7]); cx(p[4], p[2]); cx(p[6], p[4]);
        cx(p[4], p[2]);
        return p[4];
    }
}

// x[i] with the index clamped to [0, len).
template <class T>
inline T at(const T* x, std::int64_t i, int len) {
    return x[i < 0 ? 0 : i >= len ? len - 1 : i];
}

constexpr int kBlock = 512;

// Small masks: w holds the input x[i-h .. i+B-1+h] of the current block; its
// last 2h values carry over to the next block before the block's outputs
// overwrite their inputs.
template <int M, class T>
void small_mask(T* x, int len) {
    constexpr int h = (M - 1) / 2;
    T w[kBlock + 2 * h];
    for (int j = 0; j < 2 * h; ++j) w[j] = at(x, std::int64_t{j} - h, len);
    for (int i = 0; i < len; i += kBlock) {
        const int b = len - i < kBlock ? len - i : kBlock;
        for (int j = 0; j < b; ++j) w[2 * h + j] = at(x, std::int64_t{i} + h + j, len);
        for (int j = 0; j < b; ++j) {
            T p[M];
            for (int k = 0; k < M; ++k) p[k] = w[j + k];
            x[i + j] = network<M>(p);
        }
        for (int j = 0; j < 2 * h; ++j) w[j] = w[b + j];
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
// array is obtained.
template <class T>
ZorStatus filter(const T* src, T* x, int len, int mask) {
    const ZorStatus done = mask % 2 == 0 ? zorStsEvenMedianMaskSize : zorStsNoErr;
    const int m = mask % 2 == 0 ? mask - 1 : mask;
    T* work = nullptr;
    int ring_len = 0;
    const bool active = m > 1 && len >= 3;
    if (active && m > 9) {
        const std::uint64_t rounded = (static_cast<std::uint64_t>(m) + 7) / 8 * 8;
        work = static_cast<T*>(aligned_alloc_bytes(2 * sizeof(T) * rounded));
        if (work == nullptr) return zorStsMemAllocErr;
        ring_len = static_cast<int>(rounded);
    }
    if (src != x) std::memmove(static_cast<void*>(x), src, sizeof(T) * static_cast<std::size_t>(len));
    if (active) {
        switch (m) {
            case 3: small_mask<3>(x, len); break;
            case 5: small_mask<5>(x, len); break;
            case 7: small_mask<7>(x, len); break;
            case 9: small_mask<9>(x, len); break;
            default: large_mask(x, len, m, work, ring_len); break;
        }
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
