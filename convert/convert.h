// Kernel table of the type conversions. Every kernel converts n elements;
// the exports check the arguments, set the processor's rounding field where
// the result depends on it, and build the scaling factors (see convert.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

#include "zors.h"

namespace zors {

struct ConvertKernels {
    // Exact widenings, and the two conversions rounded in the caller's mode.
    void (*s8_s16)(const Zor8s*, Zor16s*, std::size_t);
    void (*s16_s32)(const Zor16s*, Zor32s*, std::size_t);
    void (*s8_f32)(const Zor8s*, Zor32f*, std::size_t);
    void (*u8_f32)(const Zor8u*, Zor32f*, std::size_t);
    void (*s16_f32)(const Zor16s*, Zor32f*, std::size_t);
    void (*u16_f32)(const Zor16u*, Zor32f*, std::size_t);
    void (*s32_f64)(const Zor32s*, Zor64f*, std::size_t);
    void (*f32_f64)(const Zor32f*, Zor64f*, std::size_t);
    void (*s32_f32)(const Zor32s*, Zor32f*, std::size_t);
    void (*f64_f32)(const Zor64f*, Zor32f*, std::size_t);

    // Packed 24-bit sources (3 bytes per element).
    void (*s24_s32)(const Zor8u*, Zor32s*, std::size_t);
    void (*u24_u32)(const Zor8u*, Zor32u*, std::size_t);
    void (*s24_f32)(const Zor8u*, Zor32f*, std::size_t);
    void (*u24_f32)(const Zor8u*, Zor32f*, std::size_t);

    // Integer times a power-of-two factor in the destination precision.
    void (*s16_f32_scaled)(const Zor16s*, Zor32f*, std::size_t, float);
    void (*s32_f32_scaled)(const Zor32s*, Zor32f*, std::size_t, float);
    void (*s16_f64_scaled)(const Zor16s*, Zor64f*, std::size_t, double);
    void (*s32_f64_scaled)(const Zor32s*, Zor64f*, std::size_t, double);

    // Single precision times `factor`, converted with the current rounding
    // field and saturated by the rules of each destination.
    void (*f32_s8)(const Zor32f*, Zor8s*, std::size_t, float);
    void (*f32_u8)(const Zor32f*, Zor8u*, std::size_t, float);
    void (*f32_s16)(const Zor32f*, Zor16s*, std::size_t, float);
    void (*f32_u16)(const Zor32f*, Zor16u*, std::size_t, float);
    void (*f32_s32)(const Zor32f*, Zor32s*, std::size_t, float);
    // Double precision times f1 then f2 (each a power of two), limited to the
    // 32-bit range and converted with the current rounding field.
    void (*f64_s32)(const Zor64f*, Zor32s*, std::size_t, double, double);
    // Times `factor` in double precision, rounded to nearest (ties to even)
    // without the rounding field, saturated and stored in 3 bytes.
    void (*f32_s24)(const Zor32f*, Zor8u*, std::size_t, double);
    void (*f32_u24)(const Zor32f*, Zor8u*, std::size_t, double);

    // Integer narrowings by the scale rule: r * 2^-sf rounded to nearest,
    // ties to even, saturated; sf already limited to -31..31 (-15..31 for
    // 16s). The 24-bit results are stored in 3 bytes, low byte first.
    void (*s32_s16)(const Zor32s*, Zor16s*, std::size_t, std::int32_t sf);
    void (*s32_s24)(const Zor32s*, Zor8u*, std::size_t, std::int32_t sf);
    void (*u32_u24)(const Zor32u*, Zor8u*, std::size_t, std::int32_t sf);

    // binary16. `nearest` selects ties-to-even, otherwise toward zero.
    void (*f16_f32)(const std::uint16_t*, Zor32f*, std::size_t);
    void (*f32_f16)(const Zor32f*, std::uint16_t*, std::size_t, bool nearest);
    void (*s16_f16)(const Zor16s*, std::uint16_t*, std::size_t, bool nearest);
};

}  // namespace zors
