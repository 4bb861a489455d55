// Kernel list of the logical operations, shifts and byte swaps (see
// arith.h for the form of the list).
#pragma once

#include "arith/kernel.h"

#define ZORS_LOGIC_KERNELS(X)                        \
    /* two vectors: bytes of any element type */      \
    X(and_bytes, bitwise<And, Shape::vv, Zor8u>)      \
    X(or_bytes, bitwise<Or, Shape::vv, Zor8u>)        \
    X(xor_bytes, bitwise<Xor, Shape::vv, Zor8u>)      \
    /* vector and constant */                         \
    X(andc_8u, bitwise<And, Shape::vc, Zor8u>)        \
    X(andc_16u, bitwise<And, Shape::vc, Zor16u>)      \
    X(andc_32u, bitwise<And, Shape::vc, Zor32u>)      \
    X(orc_8u, bitwise<Or, Shape::vc, Zor8u>)          \
    X(orc_16u, bitwise<Or, Shape::vc, Zor16u>)        \
    X(orc_32u, bitwise<Or, Shape::vc, Zor32u>)        \
    X(xorc_8u, bitwise<Xor, Shape::vc, Zor8u>)        \
    X(xorc_16u, bitwise<Xor, Shape::vc, Zor16u>)      \
    X(xorc_32u, bitwise<Xor, Shape::vc, Zor32u>)      \
    /* shifts by a count below the width */           \
    X(lshift_8u, shift_left<Zor8u>)                   \
    X(lshift_16u, shift_left<Zor16u>)                 \
    X(lshift_32u, shift_left<Zor32u>)                 \
    X(rshift_8u, shift_right<Zor8u>)                  \
    X(rshift_16u, shift_right<Zor16u>)                \
    X(rshift_16s, shift_right<Zor16s>)                \
    X(rshift_32s, shift_right<Zor32s>)                \
    /* byte order */                                  \
    X(swap_16u, swap_bytes<Zor16u>)                   \
    X(swap_32u, swap_bytes<Zor32u>)                   \
    X(swap_24u, swap_bytes_24)

namespace zors {

enum LogicId : int {
#define ZORS_LOGIC_ID(id, ...) k_##id,
    ZORS_LOGIC_KERNELS(ZORS_LOGIC_ID)
#undef ZORS_LOGIC_ID
    kLogicCount
};

using LogicKernels = ElemTable<kLogicCount>;

}  // namespace zors
