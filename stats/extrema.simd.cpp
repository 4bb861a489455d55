// Wide bodies of the extrema, compiled once per dispatch level. The running
// extremes are kept in a fixed number of lanes (a 64-byte block of
// elements) started from the first element, so every level visits the same
// comparisons; integer results are exact and floating ones are the same
// values on every level.
#include "frame/isa.h"

#include <cstddef>
#include <cstdint>

#include "stats/extrema.h"

namespace zors::ZORS_ISA {
namespace {

template <class T>
inline constexpr int kLanes = 64 / sizeof(T) < 8 ? 8 : 64 / sizeof(T);

template <class T> inline T greater(T a, T b) { return a > b ? a : b; }
template <class T> inline T smaller(T a, T b) { return a < b ? a : b; }

template <class T, bool Min, bool Max>
void extremes(const T* __restrict x, std::size_t n, T* mn, T* mx) {
    constexpr int L = kLanes<T>;
    T lo[L], hi[L];
    for (int j = 0; j < L; ++j) lo[j] = hi[j] = x[0];
    std::size_t i = 0;
    for (; i + L <= n; i += L)
        for (int j = 0; j < L; ++j) {
            // The new element first: a NaN in it leaves the lane alone.
            if constexpr (Min) lo[j] = smaller(x[i + j], lo[j]);
            if constexpr (Max) hi[j] = greater(x[i + j], hi[j]);
        }
    for (int j = 0; i < n; ++i, ++j) {
        if constexpr (Min) lo[j] = smaller(x[i], lo[j]);
        if constexpr (Max) hi[j] = greater(x[i], hi[j]);
    }
    T a = lo[0], b = hi[0];
    for (int j = 1; j < L; ++j) {
        a = smaller(lo[j], a);
        b = greater(hi[j], b);
    }
    if constexpr (Min) *mn = a;
    if constexpr (Max) *mx = b;
}

template <class T> void min_max(const T* x, std::size_t n, T* mn, T* mx) { extremes<T, true, true>(x, n, mn, mx); }
template <class T> void max_only(const T* x, std::size_t n, T* mx) { extremes<T, false, true>(x, n, nullptr, mx); }
template <class T> void min_only(const T* x, std::size_t n, T* mn) { extremes<T, true, false>(x, n, mn, nullptr); }

// Tests a block at a time for any equal element, then finds it.
template <class T>
std::size_t find(const T* __restrict x, std::size_t n, T v) {
    constexpr int L = kLanes<T>;
    std::size_t i = 0;
    for (; i + L <= n; i += L) {
        bool hit = false;
        for (int j = 0; j < L; ++j) hit |= x[i + j] == v;
        if (hit) break;
    }
    for (; i < n; ++i)
        if (x[i] == v) return i;
    return n;
}

template <class T>
void max_every(const T* __restrict s, T* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) d[i] = greater(s[i], d[i]);
}

template <class T>
void min_every(const T* __restrict s, T* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) d[i] = smaller(s[i], d[i]);
}

template <class T>
constexpr ScanOps<T> scan_ops() {
    return {min_max<T>, max_only<T>, min_only<T>, find<T>, max_every<T>, min_every<T>};
}

std::uint32_t max_abs_32s(const Zor32s* __restrict x, std::size_t n) {
    constexpr int L = 16;
    std::uint32_t m[L] = {};
    std::size_t i = 0;
    auto mag = [](Zor32s v) {
        const std::uint32_t u = static_cast<std::uint32_t>(v);
        return v < 0 ? 0u - u : u;
    };
    for (; i + L <= n; i += L)
        for (int j = 0; j < L; ++j) m[j] = greater(mag(x[i + j]), m[j]);
    for (int j = 0; i < n; ++i, ++j) m[j] = greater(mag(x[i]), m[j]);
    std::uint32_t r = 0;
    for (int j = 0; j < L; ++j) r = greater(m[j], r);
    return r;
}

// U is the word of the floating type; Exp its exponent mask.
template <class U, U Exp>
U max_finite(const U* __restrict x, std::size_t n, bool* nonfinite) {
    constexpr int L = 16;
    constexpr U kMag = ~(U{1} << (8 * sizeof(U) - 1));
    U m[L] = {}, bad[L] = {};
    std::size_t i = 0;
    auto step = [](U& mj, U& bj, U v) {
        const U a = v & kMag;
        const bool finite = a < Exp;
        mj = finite && a > mj ? a : mj;
        bj |= finite ? U{0} : U{1};
    };
    for (; i + L <= n; i += L)
        for (int j = 0; j < L; ++j) step(m[j], bad[j], x[i + j]);
    for (int j = 0; i < n; ++i, ++j) step(m[j], bad[j], x[i]);
    U r = 0, b = 0;
    for (int j = 0; j < L; ++j) {
        r = greater(m[j], r);
        b |= bad[j];
    }
    *nonfinite = b != 0;
    return r;
}

}  // namespace

extern const ExtremaKernels extrema_kernels = {
    scan_ops<Zor8u>(), scan_ops<Zor16s>(), scan_ops<Zor16u>(), scan_ops<Zor32s>(),
    scan_ops<Zor32u>(), scan_ops<float>(), scan_ops<double>(),
    max_abs_32s,
    max_finite<std::uint32_t, 0x7F800000u>,
    max_finite<std::uint64_t, 0x7FF0000000000000ull>,
};

}  // namespace zors::ZORS_ISA
