// Kernel table of the floating magnitudes and phases. Complex sources are
// interleaved pairs (re, im); split sources are two arrays. Every kernel
// processes n elements; the exports check the arguments (see polar.cpp).
#pragma once

#include <cstddef>

#include "zors.h"

namespace zors {

struct PolarKernels {
    // sqrt(re^2 + im^2): single precision below 1.5 ulp, double precision
    // within two ulps, both with a wider path at the ends of the range.
    void (*mag_32fc)(const Zor32fc*, Zor32f*, std::size_t);
    void (*mag_32f)(const Zor32f*, const Zor32f*, Zor32f*, std::size_t);
    void (*mag_64fc)(const Zor64fc*, Zor64f*, std::size_t);
    void (*mag_64f)(const Zor64f*, const Zor64f*, Zor64f*, std::size_t);
    // atan2(im, re): single precision within one ulp, double precision
    // within two.
    void (*phase_32fc)(const Zor32fc*, Zor32f*, std::size_t);
    void (*phase_32f)(const Zor32f*, const Zor32f*, Zor32f*, std::size_t);
    void (*phase_64fc)(const Zor64fc*, Zor64f*, std::size_t);
    void (*phase_64f)(const Zor64f*, const Zor64f*, Zor64f*, std::size_t);
    // (m cos p, m sin p) from double-precision sine and cosine; the
    // rounding field must be round-to-nearest.
    void (*polar_32fc)(const Zor32f*, const Zor32f*, Zor32fc*, std::size_t);
    void (*polar_32f)(const Zor32f*, const Zor32f*, Zor32f*, Zor32f*, std::size_t);
    void (*polar_64fc)(const Zor64f*, const Zor64f*, Zor64fc*, std::size_t);
    void (*polar_64f)(const Zor64f*, const Zor64f*, Zor64f*, Zor64f*, std::size_t);
};

}  // namespace zors
