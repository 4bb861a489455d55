// Distance in units in the last place between a floating result and a long
// double reference, with IEEE behaviour at the edges: a reference beyond the
// largest finite value counts against infinity as the next power of two,
// subnormal references use the subnormal spacing, and NaN matches only NaN.
#pragma once

#include <cmath>
#include <limits>

namespace zref {

template <class T>
double ulp_error(T got, long double ref) {
    using L = std::numeric_limits<T>;
    if (std::isnan(ref)) return std::isnan(got) ? 0.0 : INFINITY;
    if (std::isnan(got)) return INFINITY;
    const long double big = std::ldexp(1.0L, L::max_exponent);  // one past the largest finite
    long double g = got;
    if (std::isinf(got)) g = std::copysign(big, static_cast<long double>(got));
    long double r = ref;
    if (std::fabs(ref) >= big) {
        if (std::isinf(got) && std::signbit(got) == std::signbit(ref)) return 0.0;
        r = std::copysign(big, ref);
    }
    const int e = r == 0 ? L::min_exponent : std::ilogb(r) + 1;
    const int exp = (e < L::min_exponent ? L::min_exponent : e) - L::digits;
    return static_cast<double>(std::fabs(g - r) / std::ldexp(1.0L, exp));
}

}  // namespace zref
