// Kernel table of the reductions (Sum, Mean, StdDev, Norm, NormDiff, DotProd).
//
// Every kernel writes caller-provided lanes, each starting from zero:
// element i goes to lane i % lanes_of<Acc>, so a complex vector seen as 2n
// parts keeps its real parts in the even lanes and its imaginary parts in
// the odd ones. The lane count depends only on the accumulator type, never
// on the dispatch level, so every level adds the same numbers in the same
// order and floating results are identical on all of them. The callers fold
// the lanes pairwise (finish.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "zors.h"

namespace zors {

// Single precision: eight 4-lane vectors side by side (32 partial sums), so
// that one add does not wait for the previous one even where a register
// holds 16 of them. Double and integer: 8.
template <class Acc>
inline constexpr int lanes_of = std::is_same_v<Acc, float> ? 32 : 8;

// The standard deviation's sum and sum of squares: two interleaved double
// partial sums each, or single-precision lanes on the fast path.
template <class Acc>
inline constexpr int moment_lanes_of = std::is_same_v<Acc, float> ? 16 : 2;

// Elements accumulated in single precision before the fast paths carry the
// lanes into double.
inline constexpr std::size_t kFastStretch = 32768;

template <class T, class Acc> using UnaryFn = void (*)(const T*, std::size_t, Acc*);
// The fast single-precision sums: single-precision lanes over stretches of
// `stretch` elements, each stretch's lanes carried into the double lanes.
using StretchFn = void (*)(const float*, std::size_t, std::size_t, double*);
using StretchMomentsFn = void (*)(const float*, std::size_t, std::size_t, double*, double*);
template <class T, class Acc> using BinaryFn = void (*)(const T*, const T*, std::size_t, Acc*);
// Dot products: real lanes and imaginary lanes (the latter unused for real
// results and may then be null).
template <class A, class B, class Acc> using DotFn = void (*)(const A*, const B*, std::size_t, Acc*, Acc*);
// Sum and sum of squares side by side (standard deviation).
template <class T, class Acc> using MomentsFn = void (*)(const T*, std::size_t, Acc*, Acc*);

// One norm kind: of a vector and of the difference of two vectors.
template <class T, class Acc>
struct NormPair {
    UnaryFn<T, Acc> one;
    BinaryFn<T, Acc> diff;
};

// The three kinds for one source type; Inf takes the largest magnitude,
// L1 sums magnitudes, L2 sums squares (complex: re^2 + im^2).
template <class T, class AccInf, class AccL1, class AccL2>
struct NormSet {
    NormPair<T, AccInf> inf;
    NormPair<T, AccL1> l1;
    NormPair<T, AccL2> l2;
};

struct ReduceKernels {
    StretchFn sum_32f_fast;  // single-precision lanes, lanes_of<float> of them
    UnaryFn<float, double> sum_32f;
    UnaryFn<double, double> sum_64f;
    UnaryFn<Zor16s, Zor64s> sum_16s;
    UnaryFn<Zor32s, Zor64s> sum_32s;

    StretchMomentsFn moments_32f_fast;  // single-precision lanes, moment_lanes_of<float>
    MomentsFn<float, double> moments_32f;
    MomentsFn<double, double> moments_64f;

    NormSet<float, float, float, float> norm_32f;
    NormSet<double, double, double, double> norm_64f;
    NormSet<Zor16s, Zor32s, Zor64s, Zor64s> norm_16s;
    NormSet<Zor32fc, float, double, double> norm_32fc;
    NormSet<Zor64fc, double, double, double> norm_64fc;

    DotFn<float, float, float> dot_32f;
    DotFn<Zor32fc, Zor32fc, float> dot_32fc;
    DotFn<float, Zor32fc, float> dot_32f32fc;
    DotFn<float, float, double> dot_32f64f;
    DotFn<Zor32fc, Zor32fc, double> dot_32fc64fc;
    DotFn<float, Zor32fc, double> dot_32f32fc64fc;
    DotFn<double, double, double> dot_64f;
    DotFn<Zor64fc, Zor64fc, double> dot_64fc;
    DotFn<double, Zor64fc, double> dot_64f64fc;
    DotFn<Zor16s, Zor16s, Zor64s> dot_16s;
    DotFn<Zor16sc, Zor16sc, Zor64s> dot_16sc;
    DotFn<Zor16s, Zor16sc, Zor64s> dot_16s16sc;
    DotFn<Zor32s, Zor32s, double> dot_32s;
    DotFn<Zor32sc, Zor32sc, double> dot_32sc;
    DotFn<Zor32s, Zor32sc, double> dot_32s32sc;
    DotFn<Zor16s, Zor32s, double> dot_16s32s;
};

}  // namespace zors
