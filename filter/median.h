// Median filter kernels: compare-exchange networks run on rows of outputs.
#pragma once

#include <cstdint>

#include "frame/dispatch.h"
#include "frame/types.h"

namespace zors {

// Outputs (or groups of outputs) handled side by side by one network pass.
inline constexpr int kMedianLanes = 64;

// One block of the grouped median (mask m = 2h + 1, groups of B outputs):
// w holds the inputs x[i - h .. i + B·L + h) of the outputs x[i .. i + B·L)
// (L = kMedianLanes); `count` of them are written to out. `net` sorts the
// m - B + 1 inputs a group shares as far as values h - B + 1 .. h;
// `phases` (B·(L + h + 1) values) and `rows` ((m - B + 1)·L values) are work.
// The network runs on rows of L values, row k holding shared value k of
// every group: for every pair (a, b) in order, row a takes the lane-wise
// minimum of rows a and b and row b the maximum (b < a decides, so unordered
// values stay put).
template <class T>
using MedianGroupFn = void (*)(const T* w, int h, const std::int16_t* net, int pairs, T* phases, T* rows, T* out,
                               int count);

template <class T>
struct MedianFns {
    MedianGroupFn<T> group2, group4, group8;  // groups of 2, 4 and 8 outputs
};

struct MedianKernels {
    MedianFns<Zor32f> f32;
    MedianFns<Zor64f> f64;
    MedianFns<Zor16s> s16;
    MedianFns<Zor8u> u8;
    MedianFns<Zor32s> s32;
};

ZORS_ISA_TABLE(MedianKernels, median_kernels)

}  // namespace zors
