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
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/ref/scale_ref.h"

namespace zref {

using ld = long double;

inline ld round_by(ld v, int rnd_mode) { return rnd_mode == 1 ? std::nearbyint(v) : std::trunc(v); }
inline ld scaled(ld x, std::int64_t sf, std::int64_t lo, std::int64_t hi) { return std::ldexp(x, static_cast<int>(-std::clamp(sf, lo, hi))); }

// Saturates a rounded value (no NaN) to D.
template <class D>
D sat(ld v) {
    const ld lo = static_cast<ld>(std::numeric_limits<D>::min()), hi = static_cast<ld>(std::numeric_limits<D>::max());
    return v <= lo ? std::numeric_limits<D>::min() : (v >= hi ? std::numeric_limits<D>::max() : static_cast<D>(v));
}

inline std::int32_t get24s(const std::uint8_t* p) { return ((p[0] + 256 * p[1] + 65536 * p[2]) ^ 0x800000) - 0x800000; }
inline std::uint32_t get24u(const std::uint8_t* p) { return p[0] + 256u * p[1] + 65536u * p[2]; }

// ---- binary16 ----

// The value of a binary16 pattern (inf and NaN included).
inline ld f16_value(std::uint16_t h) {
    const int e = (h >> 10) & 31, m = h & 1023;
    const ld v = e == 31 ? (m ? NAN : INFINITY) : e == 0 ? std::ldexp(static_cast<ld>(m), -24) : std::ldexp(static_cast<ld>(1024 + m), e - 25);
    return h >> 15 ? -v : v;
}

// The single-precision bits of a binary16 pattern (NaN: the fraction moved
// to the top of the single fraction).
inline std::uint32_t f16_to_f32_bits(std::uint16_t h) {
    if (((h >> 10) & 31) == 31 && (h & 1023)) return ((h & 0x8000u) << 16) | 0x7F800000u | ((h & 1023u) << 13);
    return std::bit_cast<std::uint32_t>(static_cast<float>(f16_value(h)));
}

// The binary16 pattern of a real value (not NaN): rounded to nearest (ties
// to the even pattern) or toward zero; magnitudes of 65536 and more give
// infinity in both modes (rounding nearest also from 65520 on).
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
    int h = static_cast<int>(std::upper_bound(mags.begin(), mags.end(), a) - mags.begin()) - 1;  // largest <= a
    if (nearest && mags[h] != a) {
        const ld below = a - mags[h], above = mags[h + 1] - a;
        if (above < below || (above == below && (h & 1))) ++h;
    }
    return static_cast<std::uint16_t>(sign | h);
}

// ---- floating point to integer ----

// The single-precision product x * 2^-sf of the float-to-integer conversions:
// the factor is exact from 2^-149 to 2^127 and 0 or infinity beyond, so an
// infinite x with a zero factor and a zero x with an infinite factor give the
// processor's default NaN (sign bit set on x86).
inline ld f32_product(float x, std::int64_t sf) {
    if (std::isnan(x)) return std::signbit(x) ? -NAN : NAN;
    if (sf >= 150) return std::isinf(x) ? -NAN : 0.0L;
    if (sf <= -128) return x == 0 ? -NAN : (x > 0 ? INFINITY : -INFINITY);
    return std::ldexp(static_cast<ld>(x), static_cast<int>(-sf));
}

// zorsConvert_32f{8s,8u,16s,16u}_Sfs: NaN gives the maximum (0 for 16u).
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
    return y > 2147483520.0L ? INT32_MAX : sat<std::int32_t>(round_by(y, rnd_mode));
}

// zorsConvert_64f32s_Sfs: exact scaling, NaN gives the minimum.
inline std::int32_t f64_to_s32(double x, int rnd_mode, std::int64_t sf) {
    return std::isnan(x) ? INT32_MIN : sat<std::int32_t>(round_by(scaled(x, sf, -20000, 20000), rnd_mode));
}

// zorsConvert_32f24{s,u}_Sfs: factor limited to -127..127, nearest even,
// NaN gives the lower limit.
inline std::int32_t f32_to_24(float x, bool is_signed, std::int64_t sf) {
    const ld lo = is_signed ? -8388608.0L : 0.0L, hi = is_signed ? 8388607.0L : 16777215.0L;
    return static_cast<std::int32_t>(std::isnan(x) ? lo : std::clamp(std::nearbyint(scaled(x, sf, -127, 127)), lo, hi));
}

// zorsConvert_16f16s_Sfs: infinities and NaNs saturate by their sign.
inline std::int16_t f16_to_s16(std::uint16_t h, int rnd_mode, std::int64_t sf) {
    const ld v = f16_value(h);
    if (!std::isfinite(v)) return (h & 0x8000) ? INT16_MIN : INT16_MAX;
    return sat<std::int16_t>(round_by(scaled(v, sf, -20000, 20000), rnd_mode));
}

// ---- integer sources ----

// Integer narrowing with the scale rule and a limited factor, saturated to
// [lo, hi].
inline std::int64_t int_scaled(std::int64_t x, std::int64_t sf, std::int64_t sf_lo, std::int64_t sf_hi, std::int64_t lo, std::int64_t hi) {
    return std::clamp(scale_sat<std::int64_t>(static_cast<ld>(x), static_cast<std::int32_t>(std::clamp(sf, sf_lo, sf_hi))), lo, hi);
}

// Integer times 2^-sf with the factor limited to [sf_lo, sf_hi], rounded
// once to D (after rounding x itself to D, as the conversion does).
template <class D>
D int_to_float_scaled(std::int64_t x, std::int64_t sf, std::int64_t sf_lo, std::int64_t sf_hi) {
    return static_cast<D>(scaled(static_cast<D>(x), sf, sf_lo, sf_hi));
}

}  // namespace zref
