// Reference models for the statistics tests: element values and exact sums
// in long double (its 64-bit significand holds every 16-bit product sum and
// every 32-bit x 32-bit product exactly), and error bounds for sums computed
// with a given unit roundoff.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "zors.h"

namespace zref {

// Complex element types and their component type.
template <class T> inline constexpr bool is_cplx_v = requires(T t) { t.re; t.im; };
template <class T> struct part { using type = T; };
template <class T> requires is_cplx_v<T> struct part<T> { using type = decltype(T::re); };
template <class T> using part_t = typename part<T>::type;

// A misalignment of k elements' alignment units: never a valid vector
// alignment for odd k, always a valid element alignment.
template <class T> constexpr int skew(int k) { return k * static_cast<int>(alignof(T)); }

template <class T> long double re(const T& v) {
    if constexpr (is_cplx_v<T>) return static_cast<long double>(v.re);
    else return static_cast<long double>(v);
}
template <class T> long double im(const T& v) {
    if constexpr (is_cplx_v<T>) return static_cast<long double>(v.im);
    else return 0.0L;
}

struct Cld {
    long double re = 0, im = 0;
};

// The exact product of two real or complex elements, no conjugation.
template <class A, class B>
Cld product(const A& a, const B& b) {
    return {re(a) * re(b) - im(a) * im(b), im(a) * re(b) + re(a) * im(b)};
}

// Bound on the error of a sum of n terms whose magnitudes add up to `abs_sum`,
// accumulated in `lanes` partial sums with unit roundoff u and the partial
// sums then added: each term passes through at most n/lanes + lanes + 1
// roundings.
inline long double sum_bound(long double abs_sum, long double n, int lanes, long double u) {
    return (n / lanes + lanes + 2) * u * abs_sum;
}

inline constexpr long double kU32 = 0x1p-24L;
inline constexpr long double kU64 = 0x1p-53L;

// The error of storing v in T: v's relative rounding plus the smallest
// subnormal.
template <class T>
long double store_bound(long double v) {
    return std::fabs(v) * (std::is_same_v<T, float> ? kU32 : kU64) + std::numeric_limits<T>::denorm_min();
}

}  // namespace zref
