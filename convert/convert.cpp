// Type conversions: zorsConvert_<from><to>[_Sfs].
//
// Every member checks pSrc and pDst (-8), then len < 1 (-6); rounding modes
// and scale factors are never rejected. rndMode 1 rounds to nearest, ties to
// even; every other value rounds toward zero.
//
// - Widenings are exact. 32s32f and 64f32f (and the int-to-float rounding of
//   32s32f_Sfs) round in the caller's current mode.
// - Integer narrowings follow the library's scale rule (round to nearest,
//   ties to even, saturate), in 32-bit lanes of the dispatched kernels, the
//   factor limited to -15..31 for 32s16s_Sfs and -31..31 for the 24-bit
//   destinations (a larger left shift saturates anyway; factors above 31 act
//   as 31).
// - Integer to float: value times 2^-scaleFactor in the destination
//   precision, the factor limited so that it stays a normal number: -112..126
//   for 16s32f_Sfs, -127..126 for 32s32f_Sfs, -1023..1022 for the doubles.
// - Single to integer (8s, 8u, 16s, 16u, 32s): the rounding field is set
//   from rndMode for the call; y = x * 2^-scaleFactor in single precision,
//   the factor exact while representable and 0 or infinity beyond (so
//   inf * 0 and 0 * inf are NaN); then the saturation and NaN rules of each
//   destination (see convert.simd.cpp).
// - 64f32s: x * 2^-scaleFactor in double precision by exact binary scaling,
//   limited to the 32-bit range (NaN gives the minimum), rounded with the
//   rounding field set from rndMode. (The same values as the x87 sequence
//   that the 32-bit build could use: the double product is exact wherever
//   the result is not 0 or saturated.)
// - 32f24s, 32f24u: the product in double precision, factor limited to
//   -127..127, saturated (NaN gives the lower limit), rounded to nearest with
//   ties to even whatever the rounding mode.
// - binary16: 16f32f is exact; 32f16f and 16s16f round to 11 significant bits
//   (fewer for binary16 subnormals) by rndMode, and magnitudes of 65536 or
//   more give infinity; 16f16s_Sfs decodes exactly, scales, rounds by rndMode
//   and saturates, infinities and NaNs by their sign. These are computed in
//   integer arithmetic and do not depend on the rounding field.
#include <bit>
#include <cstdint>

#include "convert/convert.h"
#include "frame/check.h"
#include "frame/dispatch.h"
#include "frame/fpenv.h"
#include "frame/scale.h"
#include "frame/types.h"

namespace zors {

ZORS_ISA_TABLE(ConvertKernels, convert_kernels)

namespace {

constexpr std::uint32_t kFlagPrecision = 0x0020;

constexpr std::int32_t clamp_sf(std::int32_t sf, std::int32_t lo, std::int32_t hi) {
    return sf < lo ? lo : (sf > hi ? hi : sf);
}

// 2^k in single precision: exact for -149 <= k <= 127, 0 below, inf above.
float pow2f(std::int64_t k) {
    if (k > 127) return std::bit_cast<float>(0x7F800000u);
    if (k < -149) return 0.0f;
    if (k >= -126) return std::bit_cast<float>(static_cast<std::uint32_t>(k + 127) << 23);
    return std::bit_cast<float>(std::uint32_t{1} << (k + 149));
}

// 2^k in double precision for -1022 <= k <= 1023.
double pow2d(std::int32_t k) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

std::size_t count(int len) { return static_cast<std::size_t>(len); }

// Sets the rounding field from rndMode for the guard's lifetime.
void set_rounding(MxcsrGuard& g, ZorRoundMode mode) {
    g.set_rounding(mode == zorRndNear ? MxcsrGuard::kRoundNearest : MxcsrGuard::kRoundZero);
    g.clear_flags(MxcsrGuard::kFlagInvalid | kFlagPrecision);
}

template <class S, class D>
ZorStatus run(const S* src, D* dst, int len, void (*kernel)(const S*, D*, std::size_t)) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    kernel(src, dst, count(len));
    return zorStsNoErr;
}

template <class S, class D, class F>
ZorStatus run_scaled(const S* src, D* dst, int len, void (*kernel)(const S*, D*, std::size_t, F), F factor) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    kernel(src, dst, count(len), factor);
    return zorStsNoErr;
}

// Single precision to integer under the rounding field of rndMode.
template <class D>
ZorStatus from_f32(const Zor32f* src, D* dst, int len, ZorRoundMode mode, int sf,
                   void (*kernel)(const Zor32f*, D*, std::size_t, float)) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    MxcsrGuard guard;
    set_rounding(guard, mode);
    kernel(src, dst, count(len), pow2f(-static_cast<std::int64_t>(sf)));
    return zorStsNoErr;
}

ZorStatus f64_s32(const Zor64f* src, Zor32s* dst, int len, ZorRoundMode mode, int sf) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    // Two normal factors cover every factor that can leave a result that is
    // neither 0 nor saturated; both scale in the same direction.
    const std::int32_t s = clamp_sf(sf, -2044, 2044), s1 = s / 2, s2 = s - s1;
    MxcsrGuard guard;
    set_rounding(guard, mode);
    convert_kernels().f64_s32(src, dst, count(len), pow2d(-s1), pow2d(-s2));
    return zorStsNoErr;
}

// Integer narrowings: the factor limited to lo..hi, then the kernel.
template <class S, class D>
ZorStatus narrow(const S* src, D* dst, int len, int sf, std::int32_t lo, std::int32_t hi,
                 void (*kernel)(const S*, D*, std::size_t, std::int32_t)) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    kernel(src, dst, count(len), clamp_sf(sf, lo, hi));
    return zorStsNoErr;
}

// One binary16 value M * 2^E times 2^-sf, rounded by `nearest` (else toward
// zero) and saturated; infinities and NaNs saturate by their sign.
Zor16s f16_to_s16(std::uint16_t h, bool nearest, std::int32_t sf) {
    const bool neg = (h & 0x8000) != 0;
    const int e = (h >> 10) & 0x1F;
    const std::int64_t m = h & 0x3FF;
    if (e == 0x1F) return neg ? INT16_MIN : INT16_MAX;
    const std::int64_t sig = e ? (m | 0x400) : m;
    const int shift = sf - (e ? e - 25 : -24);  // right shift of the significand
    if (nearest || shift <= 0) return scale_sat<Zor16s>(neg ? -sig : sig, shift);
    const std::int64_t q = shift >= 63 ? 0 : sig >> shift;  // magnitude toward zero
    return saturate<Zor16s>(neg ? -q : q);
}

ZorStatus f16_s16(const Zor16s* src, Zor16s* dst, int len, ZorRoundMode mode, int sf) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    // Beyond +-64 every nonzero value is 0 or saturated either way.
    const std::int32_t s = clamp_sf(sf, -64, 64);
    for (int i = 0; i < len; ++i) dst[i] = f16_to_s16(static_cast<std::uint16_t>(src[i]), mode == zorRndNear, s);
    return zorStsNoErr;
}

template <class S>
ZorStatus to_f16(const S* src, Zor16s* dst, int len, ZorRoundMode mode,
                 void (*kernel)(const S*, std::uint16_t*, std::size_t, bool)) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    kernel(src, reinterpret_cast<std::uint16_t*>(dst), count(len), mode == zorRndNear);
    return zorStsNoErr;
}

const ConvertKernels& k() { return convert_kernels(); }

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsConvert_8s16s(const Zor8s* pSrc, Zor16s* pDst, int len) { return run(pSrc, pDst, len, k().s8_s16); }
ZorStatus zorsConvert_16s32s(const Zor16s* pSrc, Zor32s* pDst, int len) { return run(pSrc, pDst, len, k().s16_s32); }
ZorStatus zorsConvert_8s32f(const Zor8s* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().s8_f32); }
ZorStatus zorsConvert_8u32f(const Zor8u* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().u8_f32); }
ZorStatus zorsConvert_16s32f(const Zor16s* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().s16_f32); }
ZorStatus zorsConvert_16u32f(const Zor16u* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().u16_f32); }
ZorStatus zorsConvert_32s64f(const Zor32s* pSrc, Zor64f* pDst, int len) { return run(pSrc, pDst, len, k().s32_f64); }
ZorStatus zorsConvert_32f64f(const Zor32f* pSrc, Zor64f* pDst, int len) { return run(pSrc, pDst, len, k().f32_f64); }
ZorStatus zorsConvert_24s32s(const Zor8u* pSrc, Zor32s* pDst, int len) { return run(pSrc, pDst, len, k().s24_s32); }
ZorStatus zorsConvert_24u32u(const Zor8u* pSrc, Zor32u* pDst, int len) { return run(pSrc, pDst, len, k().u24_u32); }
ZorStatus zorsConvert_24s32f(const Zor8u* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().s24_f32); }
ZorStatus zorsConvert_24u32f(const Zor8u* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().u24_f32); }

ZorStatus zorsConvert_32s32f(const Zor32s* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().s32_f32); }
ZorStatus zorsConvert_64f32f(const Zor64f* pSrc, Zor32f* pDst, int len) { return run(pSrc, pDst, len, k().f64_f32); }

ZorStatus zorsConvert_32s16s(const Zor32s* pSrc, Zor16s* pDst, int len) { return narrow(pSrc, pDst, len, 0, -15, 31, k().s32_s16); }
ZorStatus zorsConvert_32s16s_Sfs(const Zor32s* pSrc, Zor16s* pDst, int len, int scaleFactor) { return narrow(pSrc, pDst, len, scaleFactor, -15, 31, k().s32_s16); }
ZorStatus zorsConvert_32s24s_Sfs(const Zor32s* pSrc, Zor8u* pDst, int len, int scaleFactor) { return narrow(pSrc, pDst, len, scaleFactor, -31, 31, k().s32_s24); }
ZorStatus zorsConvert_32u24u_Sfs(const Zor32u* pSrc, Zor8u* pDst, int len, int scaleFactor) { return narrow(pSrc, pDst, len, scaleFactor, -31, 31, k().u32_u24); }

ZorStatus zorsConvert_16s32f_Sfs(const Zor16s* pSrc, Zor32f* pDst, int len, int scaleFactor) { return run_scaled(pSrc, pDst, len, k().s16_f32_scaled, pow2f(-clamp_sf(scaleFactor, -112, 126))); }
ZorStatus zorsConvert_32s32f_Sfs(const Zor32s* pSrc, Zor32f* pDst, int len, int scaleFactor) { return run_scaled(pSrc, pDst, len, k().s32_f32_scaled, pow2f(-clamp_sf(scaleFactor, -127, 126))); }
ZorStatus zorsConvert_16s64f_Sfs(const Zor16s* pSrc, Zor64f* pDst, int len, int scaleFactor) { return run_scaled(pSrc, pDst, len, k().s16_f64_scaled, pow2d(-clamp_sf(scaleFactor, -1023, 1022))); }
ZorStatus zorsConvert_32s64f_Sfs(const Zor32s* pSrc, Zor64f* pDst, int len, int scaleFactor) { return run_scaled(pSrc, pDst, len, k().s32_f64_scaled, pow2d(-clamp_sf(scaleFactor, -1023, 1022))); }

ZorStatus zorsConvert_32f8s_Sfs(const Zor32f* pSrc, Zor8s* pDst, int len, ZorRoundMode rndMode, int scaleFactor) { return from_f32(pSrc, pDst, len, rndMode, scaleFactor, k().f32_s8); }
ZorStatus zorsConvert_32f8u_Sfs(const Zor32f* pSrc, Zor8u* pDst, int len, ZorRoundMode rndMode, int scaleFactor) { return from_f32(pSrc, pDst, len, rndMode, scaleFactor, k().f32_u8); }
ZorStatus zorsConvert_32f16s_Sfs(const Zor32f* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode, int scaleFactor) { return from_f32(pSrc, pDst, len, rndMode, scaleFactor, k().f32_s16); }
ZorStatus zorsConvert_32f16u_Sfs(const Zor32f* pSrc, Zor16u* pDst, int len, ZorRoundMode rndMode, int scaleFactor) { return from_f32(pSrc, pDst, len, rndMode, scaleFactor, k().f32_u16); }
ZorStatus zorsConvert_32f32s_Sfs(const Zor32f* pSrc, Zor32s* pDst, int len, ZorRoundMode rndMode, int scaleFactor) { return from_f32(pSrc, pDst, len, rndMode, scaleFactor, k().f32_s32); }
ZorStatus zorsConvert_64f32s_Sfs(const Zor64f* pSrc, Zor32s* pDst, int len, ZorRoundMode rndMode, int scaleFactor) { return f64_s32(pSrc, pDst, len, rndMode, scaleFactor); }
ZorStatus zorsConvert_32f24s_Sfs(const Zor32f* pSrc, Zor8u* pDst, int len, int scaleFactor) { return run_scaled(pSrc, pDst, len, k().f32_s24, pow2d(-clamp_sf(scaleFactor, -127, 127))); }
ZorStatus zorsConvert_32f24u_Sfs(const Zor32f* pSrc, Zor8u* pDst, int len, int scaleFactor) { return run_scaled(pSrc, pDst, len, k().f32_u24, pow2d(-clamp_sf(scaleFactor, -127, 127))); }

ZorStatus zorsConvert_16f32f(const Zor16s* pSrc, Zor32f* pDst, int len) { return run(reinterpret_cast<const std::uint16_t*>(pSrc), pDst, len, k().f16_f32); }
ZorStatus zorsConvert_32f16f(const Zor32f* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode) { return to_f16(pSrc, pDst, len, rndMode, k().f32_f16); }
ZorStatus zorsConvert_16s16f(const Zor16s* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode) { return to_f16(pSrc, pDst, len, rndMode, k().s16_f16); }
ZorStatus zorsConvert_16f16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode, int scaleFactor) { return f16_s16(pSrc, pDst, len, rndMode, scaleFactor); }
