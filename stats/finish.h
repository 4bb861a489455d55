// Helpers shared by the generic sources of the reductions: folding the lanes
// that the kernels fill, and the roundings of the integer results. Included
// only by baseline code (never by a wide body).
#pragma once

#include <cmath>
#include <cstdint>

#include "frame/dispatch.h"
#include "frame/types.h"
#include "stats/reduce.h"

namespace zors {

ZORS_ISA_TABLE(ReduceKernels, reduce_kernels)

// A real or complex result in the accumulator's type.
template <class Acc>
struct Total {
    Acc re{};
    Acc im{};
};

// Lanes added pairwise: lane j meets lane j + w for w = count/2, count/4,
// ... down to `step`, so the total of all lanes (step 1), or of the even or
// the odd ones (step 2, `first` 0 or 1), ends in lane `first`. The depth is
// log2(count) additions rather than count. `count` is a power of two.
template <class Acc, class Sum = Acc>
inline Sum fold(const Acc* lanes, int count, int first = 0, int step = 1) {
    Sum t[64];
    for (int j = 0; j < count; ++j) t[j] = static_cast<Sum>(lanes[j]);
    for (int w = count / 2; w >= step; w /= 2)
        for (int j = 0; j < w; ++j) t[j] += t[j + w];
    return t[first];
}

// Rounds to the nearest integer, ties to even, whatever the caller's rounding
// mode; |v| below 2^52 (larger doubles are integers already).
inline double round_even(double v) {
    if (!(std::fabs(v) < 4503599627370496.0)) return v;
    const double f = std::floor(v);
    const double d = v - f;  // exact
    if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0.0)) return f + 1.0;
    return f;
}

// A double limited to the range of the integer type D, rounded to nearest
// even; NaN gives 0.
template <class D>
inline D round_sat(double v) {
    using DL = std::numeric_limits<D>;
    if (!(v == v)) return D{0};
    if (v <= static_cast<double>(DL::min())) return DL::min();
    if (v >= static_cast<double>(DL::max())) return DL::max();
    return static_cast<D>(round_even(v));
}

// v * 2^-sf for every 32-bit factor (beyond +-2000 the result has long
// underflowed to 0 or overflowed to infinity either way).
inline double scale_pow2(double v, int sf) {
    const int e = sf > 2000 ? 2000 : (sf < -2000 ? -2000 : sf);
    return std::ldexp(v, -e);
}

// Stores a total into a real or complex destination element.
template <class D, class Acc>
inline void store(D* dst, const Total<Acc>& t) {
    if constexpr (is_complex_v<D>) {
        dst->re = static_cast<part_t<D>>(t.re);
        dst->im = static_cast<part_t<D>>(t.im);
    } else {
        *dst = static_cast<D>(t.re);
    }
}

// The length of a vector of T counted in parts (2 per complex element).
template <class T>
inline std::size_t parts(int len) {
    return static_cast<std::size_t>(len) * (is_complex_v<T> ? 2 : 1);
}

// The part pointer of a real or complex vector.
template <class T>
inline const part_t<T>* as_parts(const T* p) {
    return reinterpret_cast<const part_t<T>*>(p);
}

// Folds position-ordered lanes into one total: real vectors add every lane,
// complex vectors (seen as parts) add the even lanes into re, the odd ones
// into im.
template <class T, class Sum, class Acc>
inline Total<Sum> fold_total(const Acc* lanes, int count) {
    Total<Sum> t;
    if constexpr (is_complex_v<T>) {
        t.re = fold<Acc, Sum>(lanes, count, 0, 2);
        t.im = fold<Acc, Sum>(lanes, count, 1, 2);
    } else {
        t.re = fold<Acc, Sum>(lanes, count);
    }
    return t;
}

}  // namespace zors
