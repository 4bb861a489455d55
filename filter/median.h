// Median filter kernels: compare-exchange networks run on rows of outputs.
#pragma once

#include <cstdint>

#include "frame/dispatch.h"
#include "frame/types.h"

namespace zors {

// Outputs handled side by side by one network pass.
inline constexpr int kMedianLanes = 64;

// rows[k * kMedianLanes + j] is value k of output j's window. For every pair
// (a, b) of `net` in order, row a takes the lane-wise minimum of rows a and
// b and row b the maximum (b < a decides, so unordered values stay put).
template <class T>
using MedianRowsFn = void (*)(T* rows, const std::int16_t* net, int pairs);

struct MedianKernels {
    MedianRowsFn<Zor32f> f32;
    MedianRowsFn<Zor64f> f64;
    MedianRowsFn<Zor16s> s16;
    MedianRowsFn<Zor8u> u8;
    MedianRowsFn<Zor32s> s32;
};

ZORS_ISA_TABLE(MedianKernels, median_kernels)

}  // namespace zors
