// Reference models of the type conversions, written from the definitions in
// long double arithmetic (64-bit significand, wide exponent range): every
// product of a single or double by a power of two is exact there, and
// nearbyintl / truncl round to nearest (ties to even) / toward zero.
//
// The binary16 models decode from the fields with ldexp and encode by search
// in the ordered table of all finite binary16 magnitudes, so they share no
// bit tricks with the library.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "tests/ref/scale_ref.h"

namespace zref {

using ld = long double;

inline ld round_by(ld v, int rnd_mode) { return rnd_mode == 1 ? std::nearbyint(v) : std::trunc(v); }

// Saturates a rounded value (no NaN) to D.
template <class D>
D sat(ld v) {
    const ld lo = static_cast<ld>(std::numeric_limits<D>::min());
    const ld hi = static_cast<ld>(std::numeric_limits<D>::max());
    return v <= lo ? std::numeric_limits<D>::min() : (v >= hi ? std::numeric_limits<D>::max() : static_cast<D>(v));
}

// ---- 24-bit packing ------------------------------------------------------

inline std::int32_t get24s(const std::uint8_t* p) {
    std::int32_t v = p[0] + 256 * p[1] + 65536 * p[2];
    return v >= 8388608 ? v - 16777216 : v;
}
inline std::uint32_t get24u(const std::uint8_t* p) { return p[0] + 256u * p[1] + 65536u * p[2]; }

// ---- binary16 -------------------------------------------------------------

// The value of a finite binary16 pattern, or inf/NaN.
inline ld f16_value(std::uint16_t h) {
    const int sign = h >> 15, e = (h >> 10) & 31, m = h & 1023;
    ld v;
    if (e == 31) v = m ? std::numeric_limits<ld>::quiet_NaN() : std::numeric_limits<ld>::infinity();
    else if (e == 0) v = std::ldexp(static_cast<ld>(m), -24);
    else v = std::ldexp(static_cast<ld>(1024 + m), e - 25);
    return sign ? -v : v;
}

// The single-precision bits of a binary16 pattern (NaN: the fraction moved
// to the top of the single fraction, as the decoding defines).
inline std::uint32_t f16_to_f32_bits(std::uint16_t h) {
    const std::uint32_t sign = (h & 0x8000u) << 16;
    if (((h >> 10) & 31) == 31 && (h & 1023)) return sign | 0x7F800000u | ((h & 1023u) << 13);
    const float f = static_cast<float>(f16_value(h));
    std::uint32_t b;
    std::memcpy(&b, &f, 4);
    return b;
}

// The binary16 pattern of a real value: rounded to nearest (ties to the even
// pattern) or toward zero; magnitudes of 65536 and more give infinity in
// both modes; below, rounding nearest may also overflow to infinity (from
// 65520 on). NaN input is not handled here.
inline std::uint16_t f16_encode(ld v, bool nearest) {
    static const std::array<ld, 0x7C01> mags = [] {
        std::array<ld, 0x7C01> t{};
        for (int h = 0; h < 0x7C00; ++h) t[h] = f16_value(static_cast<std::uint16_t>(h));
        t[0x7C00] = 65536.0L;  // the next step above the largest finite value
        return t;
    }();
    const std::uint16_t sign = std::signbit(v) ? 0x8000 : 0;
    const ld a = std::fabs(v);
    if (a >= 65536.0L) return sign | 0x7C00;
    // Largest pattern with magnitude <= a.
    const int lo = static_cast<int>(std::upper_bound(mags.begin(), mags.end(), a) - mags.begin()) - 1;
    int h = lo;
    if (nearest && mags[lo] != a) {
        const ld below = a - mags[lo], above = mags[lo + 1] - a;
        if (above < below || (above == below && (lo & 1))) h = lo + 1;
    }
    return static_cast<std::uint16_t>(sign | h);
}

// ---- floating point to integer ---------------------------------------------

// The single-precision product x * 2^-sf of the float-to-integer conversions:
// the factor is exact from 2^-149 to 2^127 and 0 or infinity beyond, so an
// infinite x with a zero factor and a zero x with an infinite factor give the
// processor's default NaN (sign bit set on x86).
inline ld f32_product(float x, std::int64_t sf) {
    const ld nan_neg = -std::numeric_limits<ld>::quiet_NaN();
    if (std::isnan(x)) return std::signbit(x) ? nan_neg : std::numeric_limits<ld>::quiet_NaN();
    if (sf >= 150) return std::isinf(x) ? nan_neg : 0.0L;
    if (sf <= -128) return x == 0 ? nan_neg : (x > 0 ? INFINITY : -INFINITY);
    return std::ldexp(static_cast<ld>(x), static_cast<int>(-sf));
}

// zorsConvert_32f{8s,8u,16s,16u}_Sfs: NaN products take `nan_value`.
template <class D>
D f32_to_small(float x, int rnd_mode, std::int64_t sf) {
    const ld y = f32_product(x, sf);
    if (std::isnan(y)) return std::is_same_v<D, std::uint16_t> ? D{0} : std::numeric_limits<D>::max();
    return sat<D>(round_by(y, rnd_mode));
}

// zorsConvert_32f32s_Sfs: above 2147483520 or a NaN without sign gives the
// maximum; a NaN with its sign bit set gives the minimum.
inline std::int32_t f32_to_s32(float x, int rnd_mode, std::int64_t sf) {
    const ld y = f32_product(x, sf);
    if (std::isnan(y)) return std::signbit(y) ? INT32_MIN : INT32_MAX;
    if (y > 2147483520.0L) return INT32_MAX;
    return sat<std::int32_t>(round_by(y, rnd_mode));
}

// zorsConvert_64f32s_Sfs: exact scaling, NaN gives the minimum.
inline std::int32_t f64_to_s32(double x, int rnd_mode, std::int64_t sf) {
    if (std::isnan(x)) return INT32_MIN;
    const std::int64_t s = std::clamp<std::int64_t>(sf, -20000, 20000);
    return sat<std::int32_t>(round_by(std::ldexp(static_cast<ld>(x), static_cast<int>(-s)), rnd_mode));
}

// zorsConvert_32f24{s,u}_Sfs: factor limited to -127..127, nearest even,
// NaN gives the lower limit.
inline std::int32_t f32_to_24(float x, bool is_signed, std::int64_t sf) {
    const ld lo = is_signed ? -8388608.0L : 0.0L, hi = is_signed ? 8388607.0L : 16777215.0L;
    if (std::isnan(x)) return static_cast<std::int32_t>(lo);
    const ld v = std::nearbyint(std::ldexp(static_cast<ld>(x), static_cast<int>(-std::clamp<std::int64_t>(sf, -127, 127))));
    return static_cast<std::int32_t>(std::clamp(v, lo, hi));
}

// zorsConvert_16f16s_Sfs: infinities and NaNs saturate by their sign.
inline std::int16_t f16_to_s16(std::uint16_t h, int rnd_mode, std::int64_t sf) {
    const ld v = f16_value(h);
    if (!std::isfinite(v)) return (h & 0x8000) ? INT16_MIN : INT16_MAX;
    const std::int64_t s = std::clamp<std::int64_t>(sf, -20000, 20000);
    return sat<std::int16_t>(round_by(std::ldexp(v, static_cast<int>(-s)), rnd_mode));
}

// ---- integer conversions -------------------------------------------------

// Integer narrowing with the scale rule and a limited factor, saturated to
// [lo, hi].
inline std::int64_t int_scaled(std::int64_t x, std::int64_t sf, std::int64_t sf_lo, std::int64_t sf_hi,
                               std::int64_t lo, std::int64_t hi) {
    const auto s = static_cast<std::int32_t>(std::clamp(sf, sf_lo, sf_hi));
    const std::int64_t v = scale_sat<std::int64_t>(static_cast<ld>(x), s);
    return std::clamp(v, lo, hi);
}

// Integer times 2^-sf with the factor limited to [sf_lo, sf_hi], rounded
// once to the destination type D (after rounding x itself to D, as the
// conversion does).
template <class D>
D int_to_float_scaled(std::int64_t x, std::int64_t sf, std::int64_t sf_lo, std::int64_t sf_hi) {
    const D xd = static_cast<D>(x);
    return static_cast<D>(std::ldexp(static_cast<ld>(xd), static_cast<int>(-std::clamp(sf, sf_lo, sf_hi))));
}

}  // namespace zref
