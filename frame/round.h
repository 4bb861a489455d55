// Rounding of floating values to integers that does not depend on the
// processor's rounding mode.
#pragma once

#include <cmath>

#include "frame/level.h"

namespace zors {
ZORS_LEVEL_BEGIN

// v rounded to the nearest integer, ties to even (|v| < 2^52 for double,
// any finite value for long double below its own integer range).
template <class F>
inline F round_half_even(F v) noexcept {
    const F r = std::floor(v), frac = v - r;
    if (frac > F(0.5)) return r + F(1);
    if (frac < F(0.5)) return r;
    return std::fmod(r, F(2)) != 0 ? r + F(1) : r;
}

ZORS_LEVEL_END
}  // namespace zors
