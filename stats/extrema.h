// Kernel table of the extrema (Max, Min, MinMax and their index forms,
// MaxEvery, MinEvery, MaxOrder).
#pragma once

#include <cstddef>
#include <cstdint>

#include "zors.h"

namespace zors {

// The scans of one element type. Floating types compare ordered: an
// element replaces the running extreme only when it compares strictly
// greater (smaller), so a NaN is passed over unless it is the first element.
template <class T>
struct ScanOps {
    void (*min_max)(const T*, std::size_t, T* mn, T* mx);  // len >= 1
    void (*max)(const T*, std::size_t, T* mx);
    void (*min)(const T*, std::size_t, T* mn);
    // The index of the first element equal to v, or n.
    std::size_t (*find)(const T*, std::size_t, T v);
    // d[i] = max(s[i], d[i]) and min; for floats d[i] stays unless s[i]
    // compares strictly greater (smaller).
    void (*max_every)(const T*, T*, std::size_t);
    void (*min_every)(const T*, T*, std::size_t);
};

struct ExtremaKernels {
    ScanOps<Zor8u> u8;
    ScanOps<Zor16s> s16;
    ScanOps<Zor16u> u16;
    ScanOps<Zor32s> s32;
    ScanOps<Zor32u> u32;
    ScanOps<float> f32;
    ScanOps<double> f64;
    // The largest |x| of 32-bit integers, as unsigned (|-2^31| = 2^31).
    std::uint32_t (*max_abs_32s)(const Zor32s*, std::size_t);
    // The largest magnitude bit pattern (sign cleared) among the finite
    // elements of a floating vector seen as words; *nonfinite is set when
    // any element is infinite or NaN.
    std::uint32_t (*max_finite_32f)(const std::uint32_t*, std::size_t, bool* nonfinite);
    std::uint64_t (*max_finite_64f)(const std::uint64_t*, std::size_t, bool* nonfinite);
};

}  // namespace zors
