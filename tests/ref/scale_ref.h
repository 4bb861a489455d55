// Reference model of the scale-factor rule in long double arithmetic: every
// integer of magnitude up to 2^64 is exact there, scaling by a power of two
// is exact, and nearbyintl rounds to nearest with ties to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zref {

template <class D>
D scale_sat(long double r, std::int32_t sf) {
    long double v = r;
    if (sf > 16000) v = 0;  // below one half whatever r is
    else if (sf < -16000) v = r > 0 ? INFINITY : (r < 0 ? -INFINITY : 0);
    else v = std::nearbyint(std::ldexp(r, -sf));
    const long double lo = static_cast<long double>(std::numeric_limits<D>::min());
    const long double hi = static_cast<long double>(std::numeric_limits<D>::max());
    if (v <= lo) return std::numeric_limits<D>::min();
    if (v >= hi) return std::numeric_limits<D>::max();
    return static_cast<D>(v);
}

}  // namespace zref
