// Kernel list of the element-wise arithmetic (Add, Sub, Mul and their
// constant and reversed forms, Sqr, Abs, AddProduct). Each entry is
// X(id, kernel): the id names the kernel for the exports, the kernel is the
// template instance the wide body compiles for it.
//
// Scaled integer kernels: scaled<Op, Shape, A, B, D, W, RBits[, Halve]>
// forms the exact result in W (|r| <= 2^RBits) and applies the scale rule.
#pragma once

#include "arith/kernel.h"

#define ZORS_ARITH_KERNELS(X)                                                        \
    /* 8u: sums in 9 bits, differences in 8, products in 16 */                       \
    X(add_8u, scaled<Add, Shape::vv, Zor8u, Zor8u, Zor8u, std::int32_t, 9>)             \
    X(addc_8u, scaled<Add, Shape::vc, Zor8u, Zor8u, Zor8u, std::int32_t, 9>)            \
    X(sub_8u, scaled<Sub, Shape::vv, Zor8u, Zor8u, Zor8u, std::int32_t, 8>)             \
    X(subc_8u, scaled<Sub, Shape::vc, Zor8u, Zor8u, Zor8u, std::int32_t, 8>)            \
    X(subcrev_8u, scaled<Sub, Shape::cv, Zor8u, Zor8u, Zor8u, std::int32_t, 8>)         \
    X(mul_8u, scaled<Mul, Shape::vv, Zor8u, Zor8u, Zor8u, std::int32_t, 16>)            \
    X(mulc_8u, scaled<Mul, Shape::vc, Zor8u, Zor8u, Zor8u, std::int32_t, 16>)           \
    /* 16s: sums and differences in 17 bits, products in 31 */                        \
    X(add_16s, scaled<Add, Shape::vv, Zor16s, Zor16s, Zor16s, std::int32_t, 16>)        \
    X(addc_16s, scaled<Add, Shape::vc, Zor16s, Zor16s, Zor16s, std::int32_t, 16>)       \
    X(sub_16s, scaled<Sub, Shape::vv, Zor16s, Zor16s, Zor16s, std::int32_t, 16>)        \
    X(subc_16s, scaled<Sub, Shape::vc, Zor16s, Zor16s, Zor16s, std::int32_t, 16>)       \
    X(subcrev_16s, scaled<Sub, Shape::cv, Zor16s, Zor16s, Zor16s, std::int32_t, 16>)    \
    X(mul_16s, scaled<Mul, Shape::vv, Zor16s, Zor16s, Zor16s, std::int32_t, 30>)        \
    X(mulc_16s, scaled<Mul, Shape::vc, Zor16s, Zor16s, Zor16s, std::int32_t, 30>)       \
    /* 32s: sums in 33 bits, products in 63 */                                         \
    X(add_32s, scaled<Add, Shape::vv, Zor32s, Zor32s, Zor32s, std::int64_t, 32>)        \
    X(addc_32s, scaled<Add, Shape::vc, Zor32s, Zor32s, Zor32s, std::int64_t, 32>)       \
    X(sub_32s, scaled<Sub, Shape::vv, Zor32s, Zor32s, Zor32s, std::int64_t, 32>)        \
    X(subc_32s, scaled<Sub, Shape::vc, Zor32s, Zor32s, Zor32s, std::int64_t, 32>)       \
    X(subcrev_32s, scaled<Sub, Shape::cv, Zor32s, Zor32s, Zor32s, std::int64_t, 32>)    \
    X(mul_32s, scaled<Mul, Shape::vv, Zor32s, Zor32s, Zor32s, std::int64_t, 62>)        \
    X(mulc_32s, scaled<Mul, Shape::vc, Zor32s, Zor32s, Zor32s, std::int64_t, 62>)       \
    /* complex integers with a constant; vector sums use the real kernels */          \
    X(addc_16sc, scaled<Add, Shape::vc, Zor16sc, Zor16sc, Zor16sc, std::int32_t, 16>)   \
    X(subc_16sc, scaled<Sub, Shape::vc, Zor16sc, Zor16sc, Zor16sc, std::int32_t, 16>)   \
    X(subcrev_16sc, scaled<Sub, Shape::cv, Zor16sc, Zor16sc, Zor16sc, std::int32_t, 16>) \
    X(mul_16sc, scaled<Mul, Shape::vv, Zor16sc, Zor16sc, Zor16sc, std::int32_t, 31, true>) \
    X(mulc_16sc, scaled<Mul, Shape::vc, Zor16sc, Zor16sc, Zor16sc, std::int32_t, 31, true>) \
    X(addc_32sc, scaled<Add, Shape::vc, Zor32sc, Zor32sc, Zor32sc, std::int64_t, 32>)   \
    X(subc_32sc, scaled<Sub, Shape::vc, Zor32sc, Zor32sc, Zor32sc, std::int64_t, 32>)   \
    X(subcrev_32sc, scaled<Sub, Shape::cv, Zor32sc, Zor32sc, Zor32sc, std::int64_t, 32>) \
    X(mul_32s32sc, scaled<Mul, Shape::vv, Zor32s, Zor32sc, Zor32sc, std::int64_t, 62>)  \
    /* mixed and widening integer forms */                                             \
    X(mul_16u16s, scaled<Mul, Shape::vv, Zor16u, Zor16s, Zor16s, std::int64_t, 31>)     \
    X(mul_16s32s, scaled<Mul, Shape::vv, Zor16s, Zor16s, Zor32s, std::int64_t, 30>)     \
    X(mul_16u, scaled<Mul, Shape::vv, Zor16u, Zor16u, Zor16u, std::int64_t, 32>)        \
    X(add_16u, scaled<Add, Shape::vv, Zor16u, Zor16u, Zor16u, std::int32_t, 17>)        \
    X(add_32u, scaled<Add, Shape::vv, Zor32u, Zor32u, Zor32u, std::int64_t, 33>)        \
    X(add_8u16u, scaled<Add, Shape::vv, Zor8u, Zor8u, Zor16u, std::int32_t, 9>)         \
    X(mul_8u16u, scaled<Mul, Shape::vv, Zor8u, Zor8u, Zor16u, std::int32_t, 16>)        \
    /* AddProduct_16s writes zeros above 30 (its sum can exceed 2^30 slightly) */      \
    X(addproduct_16s, scaled<Mul, Shape::acc, Zor16s, Zor16s, Zor16s, std::int32_t, 30>) \
    X(addproduct_16s32s, scaled<Mul, Shape::acc, Zor16s, Zor16s, Zor32s, std::int64_t, 32>) \
    /* floating point */                                                               \
    X(add_32f, floating<Add, Shape::vv, Zor32f, Zor32f, Zor32f>)                        \
    X(addc_32f, floating<Add, Shape::vc, Zor32f, Zor32f, Zor32f>)                       \
    X(sub_32f, floating<Sub, Shape::vv, Zor32f, Zor32f, Zor32f>)                        \
    X(subc_32f, floating<Sub, Shape::vc, Zor32f, Zor32f, Zor32f>)                       \
    X(subcrev_32f, floating<Sub, Shape::cv, Zor32f, Zor32f, Zor32f>)                    \
    X(mul_32f, floating<Mul, Shape::vv, Zor32f, Zor32f, Zor32f>)                        \
    X(mulc_32f, floating<Mul, Shape::vc, Zor32f, Zor32f, Zor32f>)                       \
    X(add_64f, floating<Add, Shape::vv, Zor64f, Zor64f, Zor64f>)                        \
    X(addc_64f, floating<Add, Shape::vc, Zor64f, Zor64f, Zor64f>)                       \
    X(sub_64f, floating<Sub, Shape::vv, Zor64f, Zor64f, Zor64f>)                        \
    X(subc_64f, floating<Sub, Shape::vc, Zor64f, Zor64f, Zor64f>)                       \
    X(subcrev_64f, floating<Sub, Shape::cv, Zor64f, Zor64f, Zor64f>)                    \
    X(mul_64f, floating<Mul, Shape::vv, Zor64f, Zor64f, Zor64f>)                        \
    X(mulc_64f, floating<Mul, Shape::vc, Zor64f, Zor64f, Zor64f>)                       \
    X(add_32fc, floating<Add, Shape::vv, Zor32fc, Zor32fc, Zor32fc>)                    \
    X(addc_32fc, floating<Add, Shape::vc, Zor32fc, Zor32fc, Zor32fc>)                   \
    X(sub_32fc, floating<Sub, Shape::vv, Zor32fc, Zor32fc, Zor32fc>)                    \
    X(subc_32fc, floating<Sub, Shape::vc, Zor32fc, Zor32fc, Zor32fc>)                   \
    X(subcrev_32fc, floating<Sub, Shape::cv, Zor32fc, Zor32fc, Zor32fc>)                \
    X(mul_32fc, floating<Mul, Shape::vv, Zor32fc, Zor32fc, Zor32fc>)                    \
    X(mulc_32fc, floating<Mul, Shape::vc, Zor32fc, Zor32fc, Zor32fc>)                   \
    X(add_64fc, floating<Add, Shape::vv, Zor64fc, Zor64fc, Zor64fc>)                    \
    X(addc_64fc, floating<Add, Shape::vc, Zor64fc, Zor64fc, Zor64fc>)                   \
    X(sub_64fc, floating<Sub, Shape::vv, Zor64fc, Zor64fc, Zor64fc>)                    \
    X(subc_64fc, floating<Sub, Shape::vc, Zor64fc, Zor64fc, Zor64fc>)                   \
    X(subcrev_64fc, floating<Sub, Shape::cv, Zor64fc, Zor64fc, Zor64fc>)                \
    X(mul_64fc, floating<Mul, Shape::vv, Zor64fc, Zor64fc, Zor64fc>)                    \
    X(mulc_64fc, floating<Mul, Shape::vc, Zor64fc, Zor64fc, Zor64fc>)                   \
    X(add_16s32f, floating<Add, Shape::vv, Zor16s, Zor16s, Zor32f>)                     \
    X(sub_16s32f, floating<Sub, Shape::vv, Zor16s, Zor16s, Zor32f>)                     \
    X(mul_16s32f, floating<Mul, Shape::vv, Zor16s, Zor16s, Zor32f>)                     \
    X(addproduct_32f, floating<Mul, Shape::acc, Zor32f, Zor32f, Zor32f>)                \
    X(addproduct_64f, floating<Mul, Shape::acc, Zor64f, Zor64f, Zor64f>)                \
    X(addproduct_32fc, floating<Mul, Shape::acc, Zor32fc, Zor32fc, Zor32fc>)            \
    X(addproduct_64fc, floating<Mul, Shape::acc, Zor64fc, Zor64fc, Zor64fc>)            \
    /* absolute value */                                                               \
    X(abs_16s, absolute<Zor16s>)                                                       \
    X(abs_32s, absolute<Zor32s>)                                                       \
    X(abs_32f, absolute<Zor32f>)                                                       \
    X(abs_64f, absolute<Zor64f>)

namespace zors {

enum ArithId : int {
#define ZORS_ARITH_ID(id, ...) k_##id,
    ZORS_ARITH_KERNELS(ZORS_ARITH_ID)
#undef ZORS_ARITH_ID
    kArithCount
};

using ArithKernels = ElemTable<kArithCount>;

}  // namespace zors
