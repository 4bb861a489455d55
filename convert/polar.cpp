// Magnitude, power spectrum, phase and polar form: Magnitude, MagSquared,
// PowerSpectr, Phase, CartToPolar and PolarToCart.
//
// Checks: any null pointer (-8), then len < 1 (-6); no warning. CartToPolar
// is Magnitude into pDstMagn followed by Phase into pDstPhase, each with its
// own checks, and returns the Magnitude status when it is not 0, else the
// Phase status (so the phases are written even when pDstMagn is null).
//
// Floating members (see polar.simd.cpp for the kernels): single-precision
// phases are within one ulp and magnitudes below 1.5 ulp, double-precision
// phases and magnitudes within two ulps; power spectra are re^2 + im^2 formed in double precision
// and rounded once. 16-bit sources convert exactly to single precision and
// take the single-precision kernels (the magnitude and power from the exact
// integer sum of squares).
//
// Integer members, by the scale-factor rule (round to nearest, ties to
// even, saturate):
// - Magnitude_16sc_Sfs, _32sc_Sfs, _16s_Sfs: sqrt(re^2 + im^2) * 2^-sf
//   rounded exactly (integer square root of the exact sum of squares).
// - MagSquared_32sc32s_Sfs, PowerSpectr_16sc_Sfs, _16s_Sfs: the exact sum
//   of squares, scaled.
// - Phase_16sc_Sfs, _16s_Sfs: zeros for factors of 2 and above; for -28 to
//   1 the single-precision phase times 2^-sf; below -28 the phase in
//   extended precision. Phase_32sc_Sfs: the double-precision phase.
//
// Phase and PolarToCart clear the invalid-operation and underflow flags of
// the SIMD control register that they may raise, and round to nearest for
// the call; the caller's other flags and modes are kept. PolarToCart runs
// in double precision lanes: single results are rounded once from it
// (half an ulp), double results are within two ulps of the magnitude.
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "convert/polar.h"
#include "frame/check.h"
#include "frame/dispatch.h"
#include "frame/fpenv.h"
#include "frame/round.h"
#include "frame/scale.h"
#include "frame/types.h"

namespace zors {

ZORS_ISA_TABLE(PolarKernels, polar_kernels)

namespace {

using std::size_t;
constexpr std::uint32_t kFlagUnderflow = 0x0010;
constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();

size_t count(int len) { return static_cast<size_t>(len); }

// Clears the invalid and underflow flags that a kernel raises; rounds to
// nearest for the call.
struct FlagScope {
    MxcsrGuard guard;
    FlagScope() {
        guard.clear_on_restore(MxcsrGuard::kFlagInvalid | kFlagUnderflow);
        guard.set_rounding(MxcsrGuard::kRoundNearest);
    }
};

// A complex source as interleaved pairs or as two part arrays.
template <class P>
struct Pairs {
    const complex_t<P>* p;
    P re(size_t i) const { return p[i].re; }
    P im(size_t i) const { return p[i].im; }
};
template <class P>
struct Parts {
    const P* r;
    const P* m;
    P re(size_t i) const { return r[i]; }
    P im(size_t i) const { return m[i]; }
};

// ---- exact integer magnitudes --------------------------------------------

// floor(sqrt(n)).
std::uint64_t isqrt(std::uint64_t n) {
    std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    while (r > 0 && (r > 0xFFFFFFFFull || r * r > n)) --r;
    while (r < 0xFFFFFFFFull && (r + 1) * (r + 1) <= n) ++r;
    return r;
}

// sqrt(n) * 2^-sf rounded to nearest, ties to even; kHuge where every
// destination saturates. n <= 2^63.
std::int64_t scaled_sqrt(std::uint64_t n, std::int32_t sf) {
    if (n == 0) return 0;
    if (sf < 0) {
        if (sf < -31) return kHuge;
        const int shift = -2 * sf;
        if (n > (std::numeric_limits<std::uint64_t>::max() >> shift)) return kHuge;  // root >= 2^32
        n <<= shift;
        sf = 0;
    }
    const std::uint64_t k = isqrt(n);
    // sqrt(n) is an integer or irrational, so it is never half-way.
    if (sf == 0) return static_cast<std::int64_t>(k + (n > k * k + k ? 1 : 0));
    if (sf >= 33) return 0;  // sqrt(n) <= 2^31.5
    const std::uint64_t q = k >> sf;
    // Compare sqrt(n) with the half-way point (q + 1/2) * 2^sf = t.
    const std::uint64_t t = (2 * q + 1) << (sf - 1);
    if (t > 0xFFFFFFFFull) return static_cast<std::int64_t>(q);  // t^2 > n
    const std::uint64_t t2 = t * t;
    if (n > t2) return static_cast<std::int64_t>(q + 1);
    if (n == t2) return static_cast<std::int64_t>(q + (q & 1));
    return static_cast<std::int64_t>(q);
}

template <class P>
std::uint64_t sum_squares(P re, P im) {
    const auto a = static_cast<std::int64_t>(re), b = static_cast<std::int64_t>(im);
    return static_cast<std::uint64_t>(a * a) + static_cast<std::uint64_t>(b * b);
}

template <class D, class Src>
void mag_int(const Src& s, D* dst, int len, int sf) {
    for (size_t i = 0; i < count(len); ++i) dst[i] = saturate<D>(scaled_sqrt(sum_squares(s.re(i), s.im(i)), sf));
}

template <class D, class Src>
void power_int(const Src& s, D* dst, int len, int sf) {
    for (size_t i = 0; i < count(len); ++i) {
        const auto re = static_cast<std::int64_t>(s.re(i)), im = static_cast<std::int64_t>(s.im(i));
        dst[i] = scale_sat<D>(wide_add(re * re, im * im), sf);
    }
}

// ---- floating members from integer and floating sources ------------------

template <class D, class Src>
void mag_from_int(const Src& s, D* dst, int len) {
    for (size_t i = 0; i < count(len); ++i)
        dst[i] = static_cast<D>(std::sqrt(static_cast<double>(sum_squares(s.re(i), s.im(i)))));
}

template <class D, class Src>
void power_float(const Src& s, D* dst, int len) {
    for (size_t i = 0; i < count(len); ++i) {
        if constexpr (sizeof(D) == 4 && std::is_integral_v<decltype(s.re(0))>) {
            dst[i] = static_cast<D>(sum_squares(s.re(i), s.im(i)));
        } else {
            const double re = s.re(i), im = s.im(i);
            dst[i] = static_cast<D>(re * re + im * im);
        }
    }
}

// Single-precision phases of 16-bit data through the floating kernel, in
// blocks converted exactly; `sink(i0, n, phases)` consumes each block.
template <class Src, class Sink>
void phase_16(const Src& s, int len, Sink sink) {
    constexpr size_t kBlock = 256;
    Zor32f re[kBlock], im[kBlock], ph[kBlock];
    for (size_t i0 = 0; i0 < count(len); i0 += kBlock) {
        const size_t n = count(len) - i0 < kBlock ? count(len) - i0 : kBlock;
        for (size_t j = 0; j < n; ++j) {
            re[j] = s.re(i0 + j);
            im[j] = s.im(i0 + j);
        }
        polar_kernels().phase_32f(re, im, ph, n);
        sink(i0, n, ph);
    }
}

template <class Src>
ZorStatus phase_16_f32(const Src& s, Zor32f* dst, int len) {
    phase_16(s, len, [dst](size_t i0, size_t n, const Zor32f* ph) {
        for (size_t j = 0; j < n; ++j) dst[i0 + j] = ph[j];
    });
    return zorStsNoErr;
}

// An integral floating value as a 64-bit integer, limited to +-2^62 (every
// destination saturates far below).
template <class F>
std::int64_t clamp_to_int64(F v) {
    constexpr F lim = static_cast<F>(std::int64_t{1} << 62);
    return static_cast<std::int64_t>(v > lim ? lim : (v < -lim ? -lim : v));
}

template <class Src>
void phase_16_sfs(const Src& s, Zor16s* dst, int len, int sf) {
    if (sf >= 2) {  // |phase| / 4 < 1/2 everywhere
        for (size_t i = 0; i < count(len); ++i) dst[i] = 0;
        return;
    }
    if (sf >= -28) {
        const float factor = std::ldexp(1.0f, -sf);
        phase_16(s, len, [dst, factor](size_t i0, size_t n, const Zor32f* ph) {
            for (size_t j = 0; j < n; ++j)
                dst[i0 + j] = saturate<Zor16s>(static_cast<std::int64_t>(round_half_even(static_cast<double>(ph[j] * factor))));
        });
        return;
    }
    const int e = sf < -64 ? 64 : -sf;  // a nonzero phase saturates long before
    ExtendedPrecision x87;
    for (size_t i = 0; i < count(len); ++i) {
        const long double ph = std::atan2(static_cast<long double>(s.im(i)), static_cast<long double>(s.re(i)));
        dst[i] = saturate<Zor16s>(clamp_to_int64(round_half_even(std::ldexp(ph, e))));
    }
}

void phase_32sc_sfs(const Zor32sc* s, Zor32s* dst, int len, int sf) {
    const int e = sf < -64 ? 64 : (sf > 64 ? -64 : -sf);
    for (size_t i = 0; i < count(len); ++i) {
        const double ph = std::atan2(static_cast<double>(s[i].im), static_cast<double>(s[i].re));
        dst[i] = saturate<Zor32s>(clamp_to_int64(round_half_even(std::ldexp(ph, e))));
    }
}

// ---- checked entries -----------------------------------------------------

template <class... P>
ZorStatus checks(int len, const P*... p) {
    return first_failure(nonnull(p...), positive(len));
}

}  // namespace
}  // namespace zors

using namespace zors;

#define ZORS_RUN(check, ...) \
    do {                     \
        ZORS_CHECK(check);   \
        __VA_ARGS__;         \
        return zorStsNoErr;  \
    } while (0)

ZorStatus zorsMagnitude_32fc(const Zor32fc* pSrc, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), polar_kernels().mag_32fc(pSrc, pDst, count(len))); }
ZorStatus zorsMagnitude_64fc(const Zor64fc* pSrc, Zor64f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), polar_kernels().mag_64fc(pSrc, pDst, count(len))); }
ZorStatus zorsMagnitude_16sc32f(const Zor16sc* pSrc, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), mag_from_int(Pairs<Zor16s>{pSrc}, pDst, len)); }
ZorStatus zorsMagnitude_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), polar_kernels().mag_32f(pSrcRe, pSrcIm, pDst, count(len))); }
ZorStatus zorsMagnitude_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), polar_kernels().mag_64f(pSrcRe, pSrcIm, pDst, count(len))); }
ZorStatus zorsMagnitude_16s32f(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), mag_from_int(Parts<Zor16s>{pSrcRe, pSrcIm}, pDst, len)); }
ZorStatus zorsMagnitude_16sc_Sfs(const Zor16sc* pSrc, Zor16s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrc, pDst), mag_int(Pairs<Zor16s>{pSrc}, pDst, len, scaleFactor)); }
ZorStatus zorsMagnitude_32sc_Sfs(const Zor32sc* pSrc, Zor32s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrc, pDst), mag_int(Pairs<Zor32s>{pSrc}, pDst, len, scaleFactor)); }
ZorStatus zorsMagnitude_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), mag_int(Parts<Zor16s>{pSrcRe, pSrcIm}, pDst, len, scaleFactor)); }

ZorStatus zorsMagSquared_32sc32s_Sfs(const Zor32sc* pSrc, Zor32s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrc, pDst), power_int(Pairs<Zor32s>{pSrc}, pDst, len, scaleFactor)); }
ZorStatus zorsPowerSpectr_32fc(const Zor32fc* pSrc, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), power_float(Pairs<Zor32f>{pSrc}, pDst, len)); }
ZorStatus zorsPowerSpectr_64fc(const Zor64fc* pSrc, Zor64f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), power_float(Pairs<Zor64f>{pSrc}, pDst, len)); }
ZorStatus zorsPowerSpectr_16sc32f(const Zor16sc* pSrc, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), power_float(Pairs<Zor16s>{pSrc}, pDst, len)); }
ZorStatus zorsPowerSpectr_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), power_float(Parts<Zor32f>{pSrcRe, pSrcIm}, pDst, len)); }
ZorStatus zorsPowerSpectr_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), power_float(Parts<Zor64f>{pSrcRe, pSrcIm}, pDst, len)); }
ZorStatus zorsPowerSpectr_16s32f(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), power_float(Parts<Zor16s>{pSrcRe, pSrcIm}, pDst, len)); }
ZorStatus zorsPowerSpectr_16sc_Sfs(const Zor16sc* pSrc, Zor16s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrc, pDst), power_int(Pairs<Zor16s>{pSrc}, pDst, len, scaleFactor)); }
ZorStatus zorsPowerSpectr_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), power_int(Parts<Zor16s>{pSrcRe, pSrcIm}, pDst, len, scaleFactor)); }

ZorStatus zorsPhase_32fc(const Zor32fc* pSrc, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), FlagScope f; polar_kernels().phase_32fc(pSrc, pDst, count(len))); }
ZorStatus zorsPhase_64fc(const Zor64fc* pSrc, Zor64f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), FlagScope f; polar_kernels().phase_64fc(pSrc, pDst, count(len))); }
ZorStatus zorsPhase_16sc32f(const Zor16sc* pSrc, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrc, pDst), FlagScope f; phase_16_f32(Pairs<Zor16s>{pSrc}, pDst, len)); }
ZorStatus zorsPhase_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), FlagScope f; polar_kernels().phase_32f(pSrcRe, pSrcIm, pDst, count(len))); }
ZorStatus zorsPhase_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), FlagScope f; polar_kernels().phase_64f(pSrcRe, pSrcIm, pDst, count(len))); }
ZorStatus zorsPhase_16s32f(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor32f* pDst, int len) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), FlagScope f; phase_16_f32(Parts<Zor16s>{pSrcRe, pSrcIm}, pDst, len)); }
ZorStatus zorsPhase_16sc_Sfs(const Zor16sc* pSrc, Zor16s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrc, pDst), FlagScope f; phase_16_sfs(Pairs<Zor16s>{pSrc}, pDst, len, scaleFactor)); }
ZorStatus zorsPhase_32sc_Sfs(const Zor32sc* pSrc, Zor32s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrc, pDst), FlagScope f; phase_32sc_sfs(pSrc, pDst, len, scaleFactor)); }
ZorStatus zorsPhase_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDst, int len, int scaleFactor) { ZORS_RUN(checks(len, pSrcRe, pSrcIm, pDst), FlagScope f; phase_16_sfs(Parts<Zor16s>{pSrcRe, pSrcIm}, pDst, len, scaleFactor)); }

ZorStatus zorsCartToPolar_32fc(const Zor32fc* pSrc, Zor32f* pDstMagn, Zor32f* pDstPhase, int len) {
    const ZorStatus m = zorsMagnitude_32fc(pSrc, pDstMagn, len), p = zorsPhase_32fc(pSrc, pDstPhase, len);
    return m != zorStsNoErr ? m : p;
}
ZorStatus zorsCartToPolar_64fc(const Zor64fc* pSrc, Zor64f* pDstMagn, Zor64f* pDstPhase, int len) {
    const ZorStatus m = zorsMagnitude_64fc(pSrc, pDstMagn, len), p = zorsPhase_64fc(pSrc, pDstPhase, len);
    return m != zorStsNoErr ? m : p;
}
ZorStatus zorsCartToPolar_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstMagn, Zor32f* pDstPhase, int len) {
    const ZorStatus m = zorsMagnitude_32f(pSrcRe, pSrcIm, pDstMagn, len), p = zorsPhase_32f(pSrcRe, pSrcIm, pDstPhase, len);
    return m != zorStsNoErr ? m : p;
}
ZorStatus zorsCartToPolar_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstMagn, Zor64f* pDstPhase, int len) {
    const ZorStatus m = zorsMagnitude_64f(pSrcRe, pSrcIm, pDstMagn, len), p = zorsPhase_64f(pSrcRe, pSrcIm, pDstPhase, len);
    return m != zorStsNoErr ? m : p;
}

ZorStatus zorsPolarToCart_32fc(const Zor32f* pSrcMagn, const Zor32f* pSrcPhase, Zor32fc* pDst, int len) { ZORS_RUN(checks(len, pSrcMagn, pSrcPhase, pDst), FlagScope f; polar_kernels().polar_32fc(pSrcMagn, pSrcPhase, pDst, count(len))); }
ZorStatus zorsPolarToCart_64fc(const Zor64f* pSrcMagn, const Zor64f* pSrcPhase, Zor64fc* pDst, int len) { ZORS_RUN(checks(len, pSrcMagn, pSrcPhase, pDst), FlagScope f; polar_kernels().polar_64fc(pSrcMagn, pSrcPhase, pDst, count(len))); }
ZorStatus zorsPolarToCart_32f(const Zor32f* pSrcMagn, const Zor32f* pSrcPhase, Zor32f* pDstRe, Zor32f* pDstIm, int len) { ZORS_RUN(checks(len, pSrcMagn, pSrcPhase, pDstRe, pDstIm), FlagScope f; polar_kernels().polar_32f(pSrcMagn, pSrcPhase, pDstRe, pDstIm, count(len))); }
ZorStatus zorsPolarToCart_64f(const Zor64f* pSrcMagn, const Zor64f* pSrcPhase, Zor64f* pDstRe, Zor64f* pDstIm, int len) { ZORS_RUN(checks(len, pSrcMagn, pSrcPhase, pDstRe, pDstIm), FlagScope f; polar_kernels().polar_64f(pSrcMagn, pSrcPhase, pDstRe, pDstIm, count(len))); }
