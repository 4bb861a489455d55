// Kernel list of division, square root, normalisation and the scaled
// float-to-16s products (see arith.h for the form of the list).
#pragma once

#include "arith/kernel.h"

#define ZORS_DIVIDE_KERNELS(X)                                             \
    /* integer quotients: dividend first, then divisor */                   \
    X(div_8u, int_div<Zor8u, float, Shape::vv>)                             \
    X(divc_8u, int_div<Zor8u, float, Shape::vc>)                            \
    X(div_16s, int_div<Zor16s, float, Shape::vv>)                           \
    X(divc_16s, int_div<Zor16s, float, Shape::vc>)                          \
    X(div_32s, int_div<Zor32s, double, Shape::vv>)                          \
    X(div_16sc, cplx_int_div<Shape::vv>)                                    \
    X(divc_16sc, cplx_int_div<Shape::vc>)                                   \
    X(divcrev_16u, rev_div_16u)                                             \
    /* floating quotients */                                                \
    X(div_32f, float_div<Zor32f, Shape::vv>)                                \
    X(div_64f, float_div<Zor64f, Shape::vv>)                                \
    X(div_32fc, float_div<Zor32fc, Shape::vv>)                              \
    X(div_64fc, float_div<Zor64fc, Shape::vv>)                              \
    X(divc_32fc, float_div<Zor32fc, Shape::vc>)                             \
    X(divc_64fc, float_div<Zor64fc, Shape::vc>)                             \
    X(mulc_32f, floating<Mul, Shape::vc, Zor32f, Zor32f, Zor32f>)           \
    X(mulc_64f, floating<Mul, Shape::vc, Zor64f, Zor64f, Zor64f>)           \
    X(divcrev_32f, rev_div_float)                                           \
    /* square roots */                                                      \
    X(sqrt_8u, int_sqrt<Zor8u>)                                             \
    X(sqrt_16u, int_sqrt<Zor16u>)                                           \
    X(sqrt_16s, int_sqrt<Zor16s>)                                           \
    X(sqrt_64s, int_sqrt<Zor64s>)                                           \
    X(sqrt_16sc, cplx_int_sqrt)                                             \
    X(sqrt_32f, float_sqrt<Zor32f>)                                         \
    X(sqrt_64f, float_sqrt<Zor64f>)                                         \
    X(sqrt_32fc, cplx_sqrt<Zor32fc>)                                        \
    X(sqrt_64fc, cplx_sqrt<Zor64fc>)                                        \
    /* normalisation: (src - c) * c2 */                                     \
    X(normalize_32f, normalize<Zor32f, Zor32f>)                             \
    X(normalize_64f, normalize<Zor64f, Zor64f>)                             \
    X(normalize_32fc, normalize<Zor32fc, Zor32f>)                           \
    X(normalize_64fc, normalize<Zor64fc, Zor64f>)                           \
    X(normalize_16s, normalize<Zor16s, float>)                              \
    X(normalize_16sc, normalize<Zor16sc, float>)                            \
    /* float times constant to 16s */                                       \
    X(mulc_32f16s, mulc_to_16s<true>)                                       \
    X(mulc_low_32f16s, mulc_to_16s<false>)

namespace zors {

enum DivideId : int {
#define ZORS_DIVIDE_ID(id, ...) k_##id,
    ZORS_DIVIDE_KERNELS(ZORS_DIVIDE_ID)
#undef ZORS_DIVIDE_ID
    kDivideCount
};

using DivideKernels = ElemTable<kDivideCount>;

}  // namespace zors
