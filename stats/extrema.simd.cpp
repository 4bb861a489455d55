// Wide bodies of the extrema, compiled once per dispatch level. The running
// extremes are kept in two registers of lanes started from the first
// element. The extreme values are exact selections, so they are the same on
// every level; the generic code settles which of equal zeros is reported
// and finds first occurrences.
#include "frame/isa.h"

#include <cstddef>
#include <cstdint>

#include "frame/simd_stats.h"
#include "stats/extrema.h"

namespace zors::ZORS_ISA {
namespace {

template <class T> inline T greater(T a, T b) { return a > b ? a : b; }
template <class T> inline T smaller(T a, T b) { return a < b ? a : b; }

template <class T, bool Min, bool Max>
void extremes(const T* __restrict x, std::size_t n, T* mn, T* mx) {
    using V = reg_t<T>;
    constexpr int L = reg_lanes<T>;
    V lo0 = broadcast<V>(x[0]), lo1 = lo0, hi0 = lo0, hi1 = lo0;
    std::size_t i = 0;
    for (; i + 2 * L <= n; i += 2 * L) {
        // The new elements first: a NaN among them leaves the lane alone.
        const V v0 = load<V>(x + i), v1 = load<V>(x + i + L);
        if constexpr (Min) { lo0 = select_smaller(v0, lo0); lo1 = select_smaller(v1, lo1); }
        if constexpr (Max) { hi0 = select_greater(v0, hi0); hi1 = select_greater(v1, hi1); }
    }
    T a = x[0], b = x[0];
    for (int j = 0; j < L; ++j) {
        a = smaller(static_cast<T>(lo0[j]), smaller(static_cast<T>(lo1[j]), a));
        b = greater(static_cast<T>(hi0[j]), greater(static_cast<T>(hi1[j]), b));
    }
    for (; i < n; ++i) {
        a = smaller(x[i], a);
        b = greater(x[i], b);
    }
    if constexpr (Min) *mn = a;
    if constexpr (Max) *mx = b;
}

template <class T> void min_max(const T* x, std::size_t n, T* mn, T* mx) { extremes<T, true, true>(x, n, mn, mx); }
template <class T> void max_only(const T* x, std::size_t n, T* mx) { extremes<T, false, true>(x, n, nullptr, mx); }
template <class T> void min_only(const T* x, std::size_t n, T* mn) { extremes<T, true, false>(x, n, mn, nullptr); }

// The first element equal to v: two registers compared per step, the
// lowest set lane of the comparison found from its byte signs.
template <class T>
std::size_t find(const T* __restrict x, std::size_t n, T v) {
    using V = reg_t<T>;
    constexpr int L = reg_lanes<T>;
    const V key = broadcast<V>(v);
    auto first = [](auto eq) { return static_cast<std::size_t>(__builtin_ctzll(byte_signs(eq))) / sizeof(T); };
    std::size_t i = 0;
    for (; i + 2 * L <= n; i += 2 * L) {
        const auto e0 = load<V>(x + i) == key, e1 = load<V>(x + i + L) == key;
        if (byte_signs(e0 | e1) != 0) return byte_signs(e0) != 0 ? i + first(e0) : i + L + first(e1);
    }
    if (i + L <= n) {
        const auto e = load<V>(x + i) == key;
        if (byte_signs(e) != 0) return i + first(e);
        i += L;
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
