// Wide bodies of the elementary functions, compiled once per dispatch level.
//
// Every function is a branch-free kernel over vectors (a vector whose
// lanes are all ordinary may take a shorter path of the same kernel).
// Exp and Ln of single precision work in single-precision vectors; the
// other single-precision members widen to double, evaluate shorter
// polynomials and round once. The tail is evaluated by the same vector code
// on a padded copy, so that every element gets the same result wherever it
// lies. Levels with fused multiply-add use it in the polynomials, the
// Newton steps and the final sums (results may then differ from the
// baseline level's in the last place). The exports set nearest rounding and
// mask the exceptions for the call.
//
// exp: x = k*ln2 + r with |r| <= ln2/2 (ln2 in two parts, the first exact
//   in k*ln2hi), e^r = 1 + r + r^2*P(r), P a near-minimax fit of degree 10
//   (double) or the Taylor polynomial of degree 5 (single precision),
//   scaled by 2^k in two steps so that overflow and gradual underflow
//   round once.
// ln: x = 2^e*m with m in [sqrt(1/2), sqrt(2)) (one integer subtraction of
//   the bits of sqrt(1/2) splits them), f = m - 1, s = f/(2 + f) (reciprocal
//   estimate and Newton steps where the level has one);
//   ln m = f - f^2/2 + s*(f^2/2 + R(s^2)), R a near-minimax fit of
//   2*atanh(s)/s - 2. Elements are classified by their bits: sign set gives
//   the negative quiet NaN (counted negative), +0 gives -inf (counted zero),
//   a quiet NaN is returned as it is, +inf and signalling NaNs give +inf.
// atan (double): t = |x|, or 1/t (as a sum of two doubles) beyond 1; below
//   1/4 the series of atan is used directly, above it the nearest c = k/16
//   and atan(t) = atan(c) + atan((t - c)/(1 + c*t)) with atan(c) in two
//   parts. atan (single): three ranges split at tan(pi/8) and tan(3pi/8),
//   one division, a near-minimax fit.
// cube root: a first guess from the exponent bits, five Newton steps.
#include "frame/isa.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "arith/elementary.h"
#include "frame/simd.h"

namespace zors::ZORS_ISA {
namespace {

using VD = vec<double>;
using VI = vec<std::int64_t>;
using VF = vec<float>;
using VI32 = vec<std::int32_t>;
constexpr std::size_t LD = lanes<double>;
constexpr std::size_t LF = lanes<float>;
// LD floats.
typedef float VFh __attribute__((vector_size(kVectorBytes / 2)));

inline VI as_i(VD v) { VI r; std::memcpy(&r, &v, sizeof r); return r; }
inline VD as_d(VI v) { VD r; std::memcpy(&r, &v, sizeof r); return r; }
inline VD splat(double x) { return VD{} + x; }
inline VI splat_i(std::int64_t x) { return VI{} + x; }
inline VD sel(VI mask, VD a, VD b) { return mask ? a : b; }
inline VI32 as_i(VF v) { VI32 r; std::memcpy(&r, &v, sizeof r); return r; }
inline VF as_f(VI32 v) { VF r; std::memcpy(&r, &v, sizeof r); return r; }
inline VF splat_f(float x) { return VF{} + x; }
inline VF sel(VI32 mask, VF a, VF b) { return mask ? a : b; }
inline VI sel_i(VI mask, VI a, VI b) { return mask ? a : b; }

// Integer lane arithmetic on bit patterns wraps (lanes of NaNs and other
// specials carry any bits; their results are discarded).
using VU = vec<std::uint64_t>;
using VU32 = vec<std::uint32_t>;
inline VI wsub(VI a, VI b) { return (VI)((VU)a - (VU)b); }
inline VI32 wsub(VI32 a, VI32 b) { return (VI32)((VU32)a - (VU32)b); }
inline VI wshl(VI a, int n) { return (VI)((VU)a << n); }
inline VI32 wshl(VI32 a, int n) { return (VI32)((VU32)a << n); }

// Whether any bit of the vector is set.
template <class V>
inline bool any(V m) {
#if defined(__AVX512F__)
    return _mm512_test_epi64_mask((__m512i)m, (__m512i)m) != 0;
#elif defined(__AVX2__)
    return !_mm256_testz_si256((__m256i)m, (__m256i)m);
#else
    return _mm_movemask_epi8((__m128i)m) != 0;
#endif
}

constexpr double kMagic = 6755399441055744.0;  // 1.5 * 2^52: adding it rounds to an integer
constexpr double kLn2Hi = 0x1.62e42fefa3000p-1;
constexpr double kLn2Lo = 0x1.3de6af278ece6p-42;
constexpr double kLog2e = 0x1.71547652b82fep+0;

// a*b + c, fused where the level has the instruction: polynomial values
// may then differ from the baseline level's in the last place.
template <class V>
inline V fmadd(V a, V b, V c) {
#if defined(__FMA__)
    using E = elem_t<V>;
    if constexpr (sizeof(V) == 64 && sizeof(E) == 8) return (V)_mm512_fmadd_pd((__m512d)a, (__m512d)b, (__m512d)c);
    else if constexpr (sizeof(V) == 64) return (V)_mm512_fmadd_ps((__m512)a, (__m512)b, (__m512)c);
    else if constexpr (sizeof(V) == 32 && sizeof(E) == 8) return (V)_mm256_fmadd_pd((__m256d)a, (__m256d)b, (__m256d)c);
    else if constexpr (sizeof(V) == 32) return (V)_mm256_fmadd_ps((__m256)a, (__m256)b, (__m256)c);
#endif
    return a * b + c;
}

// Horner's rule with the highest coefficient first.
template <std::size_t N>
inline VD horner(VD x, const double (&c)[N]) {
    VD p = splat(c[0]);
    for (std::size_t i = 1; i < N; ++i) p = fmadd(p, x, splat(c[i]));
    return p;
}

// 1/d to double precision: a first approximation (the level's reciprocal
// instruction, or a single-precision quotient) and two Newton steps; the
// baseline level divides.
inline VD recip(VD d) {
#if defined(__AVX512F__)
    VD y = (VD)_mm512_maskz_rcp14_pd(static_cast<__mmask8>(0xFF), (__m512d)d);
#elif defined(__AVX2__)
    VFh h = __builtin_convertvector(d, VFh);
    VD y = __builtin_convertvector(1.0f / h, VD);
#else
    return 1.0 / d;
#endif
#if defined(__AVX512F__) || defined(__AVX2__)
    for (int i = 0; i < 2; ++i) y = fmadd(y, fmadd(-d, y, splat(1.0)), y);
    return y;
#endif
}

// Loads LD elements as doubles, stores doubles as LD elements.
template <class S>
inline VD load_d(const S* p) {
    if constexpr (sizeof(S) == 8) return load(p);
    else {
        VFh h;
        std::memcpy(&h, p, sizeof h);
        return __builtin_convertvector(h, VD);
    }
}
template <class D>
inline void store_d(D* p, VD v) {
    if constexpr (sizeof(D) == 8) store(p, v);
    else {
        const VFh h = __builtin_convertvector(v, VFh);
        std::memcpy(p, &h, sizeof h);
    }
}

// Runs body(v, p) over the n elements of x (v the LD elements at p as
// doubles): two vectors per step, then one, then the tail padded with ones.
template <class S, class D, class Body>
void run(const ElemArgs& x, Body&& body) {
    const S* s = static_cast<const S*>(x.a);
    D* d = static_cast<D*>(x.d);
    std::size_t i = 0;
    for (; i + 2 * LD <= x.n; i += 2 * LD) {
        const VD a = body(load_d(s + i), s + i), b = body(load_d(s + i + LD), s + i + LD);
        store_d(d + i, a);
        store_d(d + i + LD, b);
    }
    for (; i + LD <= x.n; i += LD) store_d(d + i, body(load_d(s + i), s + i));
    if (i < x.n) {
        S in[LD];
        D out[LD];
        for (std::size_t j = 0; j < LD; ++j) in[j] = j < x.n - i ? s[i + j] : S(1);
        store_d(out, body(load_d(in), static_cast<const S*>(in)));
        for (std::size_t j = 0; i + j < x.n; ++j) d[i + j] = out[j];
    }
}

// Runs body(v) over the n floats of x in single-precision vectors: two per
// step, then one, then the tail padded with ones.
template <class Body>
void run_f(const ElemArgs& x, Body&& body) {
    const float* s = static_cast<const float*>(x.a);
    float* d = static_cast<float*>(x.d);
    std::size_t i = 0;
    for (; i + 2 * LF <= x.n; i += 2 * LF) {
        const VF a = body(load(s + i)), b = body(load(s + i + LF));
        store(d + i, a);
        store(d + i + LF, b);
    }
    for (; i + LF <= x.n; i += LF) store(d + i, body(load(s + i)));
    if (i < x.n) {
        float buf[LF];
        for (std::size_t j = 0; j < LF; ++j) buf[j] = j < x.n - i ? s[i + j] : 1.0f;
        store(buf, body(load(buf)));
        for (std::size_t j = 0; i + j < x.n; ++j) d[i + j] = buf[j];
    }
}

// 1/d to single precision: the level's reciprocal instruction and one
// Newton step; the baseline level divides.
inline VF recip_f(VF d) {
#if defined(__AVX512F__)
    const VF y = (VF)_mm512_maskz_rcp14_ps(static_cast<__mmask16>(0xFFFF), (__m512)d);
    return fmadd(y, fmadd(-d, y, splat_f(1.0f)), y);
#elif defined(__AVX2__)
    const VF y = (VF)_mm256_rcp_ps((__m256)d);
    return fmadd(y, fmadd(-d, y, splat_f(1.0f)), y);
#else
    return 1.0f / d;
#endif
}

template <std::size_t N>
inline VF horner_f(VF x, const float (&c)[N]) {
    VF p = splat_f(c[0]);
    for (std::size_t i = 1; i < N; ++i) p = fmadd(p, x, splat_f(c[i]));
    return p;
}

// ---- exponential -------------------------------------------------------

// Single precision throughout: k*ln2 in two parts (k*ln2hi exact), e^r by
// its Taylor polynomial of degree 7, the sum formed as r + (r^2*P - r_lo).
constexpr float kExpPolyF[] = {1.0f / 5040, 1.0f / 720, 1.0f / 120, 1.0f / 24, 1.0f / 6, 0.5f};

inline VF exp_core_f(VF x) {
    x = x < -104.0f ? splat_f(-104.0f) : x;
    x = x > 89.0f ? splat_f(89.0f) : x;
    constexpr float magic = 12582912.0f;  // 1.5 * 2^23
    const VF t = x * 0x1.715476p+0f + magic;
    const VF kf = t - magic;
    const VI32 k = wsub(as_i(t), as_i(splat_f(magic)));
    const VF rhi = x - kf * 0x1.62ep-1f, rlo = kf * 0x1.0bfbe8p-15f;
    const VF r = rhi - rlo;
    const VF q = rhi + (r * r * horner_f(r, kExpPolyF) - rlo);
    const VF y = 1.0f + q;
    const VI32 k1 = k >> 1;
    return (y * as_f(wshl(k1 + 127, 23))) * as_f(wshl(k - k1 + 127, 23));
}

// (e^r - 1 - r)/r^2: a near-minimax fit (Chebyshev interpolation) of
// degree 10.
constexpr double kExpPoly64[] = {2.0914898727175524e-09, 2.5105513541847086e-08, 2.755727313289604e-07,
                                 2.7557254685728803e-06, 2.480158732595111e-05, 0.0001984126987538548,
                                 0.0013888888888883633, 0.008333333333325973, 0.04166666666666667,
                                 0.1666666666666667, 0.5};

// 2^k for integers -1022 <= k <= 1023.
inline VD pow2(VI k) { return as_d(wshl(k + 1023, 52)); }

template <bool Edges = true>
inline VD exp_core(VD x) {
    // Beyond these limits the result is 0 or +inf.
    if constexpr (Edges) {
        x = x < -746.0 ? splat(-746.0) : x;
        x = x > 710.0 ? splat(710.0) : x;
    }
    const VD t = x * kLog2e + kMagic;
    const VD kd = t - kMagic;
    const VI k = wsub(as_i(t), as_i(splat(kMagic)));
    const VD rhi = x - kd * kLn2Hi, rlo = kd * kLn2Lo;
    const VD r = rhi - rlo;
    const VD y = 1.0 + (rhi + (r * r * horner(r, kExpPoly64) - rlo));
    if constexpr (!Edges) return y * pow2(k);
    const VI k1 = k >> 1;
    return (y * pow2(k1)) * pow2(k - k1);
}

// Whether every lane of x gives a normal result (one scaling suffices).
inline bool ordinary_exp(VD x) { return !any((x < -708.0) | (x > 709.0) | (x != x)); }

template <class S, class D>
int exp_kernel(const ElemArgs& x) {
    if constexpr (sizeof(S) == 4 && sizeof(D) == 4) run_f(x, exp_core_f);
    else run<S, D>(x, [](VD v, const S*) {
        return ordinary_exp(v) ? exp_core<false>(v) : exp_core(v);
    });
    return 0;
}

// ---- logarithm ---------------------------------------------------------

// (2*atanh(s) - 2s)/s^3 in z = s^2 over [0, 0.0295]: near-minimax fits of
// degree 6 (double) and 2 (single precision).
constexpr double kLnPoly64[] = {0.14616576421644387, 0.15331711346672997, 0.18182889433757515,
                                0.22222211130560726, 0.28571428626001427, 0.3999999999989945,
                                0.666666666666667};
constexpr double kLnPoly32[] = {0.29580046168312196, 0.3998877843365144, 0.6666668504478588};

// ln x for positive finite x (subnormals included).
template <bool Single, bool Subnormal = true>
inline VD ln_core(VD x) {
    VI sub = {};
    if constexpr (Subnormal) {
        sub = as_i(x) < 0x0010000000000000;
        x = sel(sub, x * 0x1p54, x);
    }
    // Measured from the bits of sqrt(1/2), the exponent field is e directly
    // and the rest, moved back, is m in [sqrt(1/2), sqrt(2)).
    constexpr std::int64_t kHalfSqrt2 = 0x3FE6A09E667F3BCD;
    const VI t = wsub(as_i(x), splat_i(kHalfSqrt2));
    const VI e = (t >> 52) + (sub & -54);
    const VD m = as_d((t & 0x000FFFFFFFFFFFFF) + kHalfSqrt2);
    const VD f = m - 1.0;
    const VD s = f * recip(2.0 + f);
    const VD z = s * s;
    const VD r = z * (Single ? horner(z, kLnPoly32) : horner(z, kLnPoly64));
    const VD hf = 0.5 * f * f;
    const VD ed = as_d(e + as_i(splat(kMagic))) - kMagic;
    return fmadd(ed, splat(kLn2Hi), f - (hf - fmadd(s, hf + r, ed * kLn2Lo)));
}

// Single precision throughout, the same formulation with the fit of degree 2.
constexpr float kLnPolyF[] = {0.29580046168312196f, 0.3998877843365144f, 0.6666668504478588f};

template <bool Subnormal = true>
inline VF ln_core_f(VF x) {
    VI32 sub = {};
    if constexpr (Subnormal) {
        sub = as_i(x) < 0x00800000;
        x = sel(sub, x * 0x1p23f, x);
    }
    constexpr std::int32_t kHalfSqrt2 = 0x3F3504F3;  // the exponent split as in ln_core
    const VI32 t = wsub(as_i(x), VI32{} + kHalfSqrt2);
    const VI32 e = (t >> 23) - (sub & 23);
    const VF m = as_f((t & 0x007FFFFF) + kHalfSqrt2);
    const VF f = m - 1.0f;
    const VF s = f * recip_f(2.0f + f);
    const VF z = s * s;
    const VF r = z * horner_f(z, kLnPolyF);
    const VF hf = 0.5f * f * f;
    const VF ef = __builtin_convertvector(e, VF);
    return fmadd(ef, splat_f(0x1.62ep-1f), f - (hf - fmadd(s, hf + r, ef * 0x1.0bfbe8p-15f)));
}

// Ln_32f on its own bits: the classes of ln_kernel below.
int ln_kernel_f(const ElemArgs& x) {
    VI32 neg = {}, zero = {};
    run_f(x, [&](VF v) {
        const VI32 b = as_i(v);
        // Positive normal numbers only: no class to look at.
        using U = vec<std::uint32_t>;
        if (!any((U)b - 0x00800000u >= 0x7F000000u)) return ln_core_f<false>(v);
        const VI32 is_neg = b < 0;
        const VI32 is_zero = b == 0;
        neg |= is_neg;
        zero |= is_zero;
        const VI32 snan = ((b & 0x7FC00000) == 0x7F800000) & ((b & 0x003FFFFF) != 0);
        const VI32 to_inf = (b == 0x7F800000) | snan;
        const VI32 qnan = (v != v) & ~snan;
        VF r = ln_core_f(v);
        r = sel(is_zero, splat_f(-INFINITY), r);
        r = sel(qnan, v, r);
        r = sel(to_inf, splat_f(INFINITY), r);
        return sel(is_neg, as_f(VI32{} + static_cast<std::int32_t>(0xFFC00000u)), r);
    });
    bool any_zero = false;
    for (std::size_t j = 0; j < LF; ++j) {
        if (neg[j]) return zorStsLnNegArg;
        if (zero[j]) any_zero = true;
    }
    return any_zero ? zorStsLnZeroArg : 0;
}

// Signalling NaNs among the LD source elements at p, by their own bits
// (widening a single-precision value quiets it).
template <class S>
inline VI signalling(VD v, const S* p) {
    if constexpr (sizeof(S) == 4) {
        typedef std::int32_t VIh __attribute__((vector_size(kVectorBytes / 2)));
        VIh h;
        std::memcpy(&h, p, sizeof h);
        const VI b = __builtin_convertvector(h, VI);
        return ((b & 0x7FC00000) == 0x7F800000) & ((b & 0x003FFFFF) != 0);
    } else {
        (void)p;
        const VI b = as_i(v);
        return ((b & 0x7FF8000000000000) == 0x7FF0000000000000) & ((b & 0x0007FFFFFFFFFFFF) != 0);
    }
}

template <class S, class D>
int ln_kernel(const ElemArgs& x) {
    if constexpr (sizeof(S) == 4 && sizeof(D) == 4) return ln_kernel_f(x);
    constexpr bool single = sizeof(D) == 4;
    VI neg = {}, zero = {};
    run<S, D>(x, [&](VD v, const S* p) {
        const VI b = as_i(v);
        using U = vec<std::uint64_t>;
        if (!any((U)b - 0x0010000000000000ull >= 0x7FE0000000000000ull)) return ln_core<single, false>(v);
        const VI is_neg = b < 0;
        const VI is_zero = b == 0;
        neg |= is_neg;
        zero |= is_zero;
        const VI snan = signalling(v, p);
        const VI to_inf = (b == 0x7FF0000000000000) | snan;
        const VI qnan = (v != v) & ~snan;
        VD r = ln_core<single>(v);
        r = sel(is_zero, splat(-INFINITY), r);
        r = sel(qnan, v, r);
        r = sel(to_inf, splat(INFINITY), r);
        return sel(is_neg, as_d(splat_i(static_cast<std::int64_t>(0xFFF8000000000000ull))), r);
    });
    bool any_zero = false;
    for (std::size_t j = 0; j < LD; ++j) {
        if (neg[j]) return zorStsLnNegArg;
        if (zero[j]) any_zero = true;
    }
    return any_zero ? zorStsLnZeroArg : 0;
}

// ---- arctangent --------------------------------------------------------

// atan(k/16) and pi/2 - atan(k/16), each as a rounded value and its error.
constexpr double kAtanHi[17] = {0x0.0p+0, 0x1.ff55bb72cfdeap-5, 0x1.fd5ba9aac2f6ep-4, 0x1.7b97b4bce5b02p-3, 0x1.f5b75f92c80ddp-3, 0x1.362773707ebccp-2, 0x1.6f61941e4def1p-2, 0x1.a64eec3cc23fdp-2, 0x1.dac670561bb4fp-2, 0x1.0657e94db30d0p-1, 0x1.1e00babdefeb4p-1, 0x1.345f01cce37bbp-1, 0x1.4978fa3269ee1p-1, 0x1.5d58987169b18p-1, 0x1.700a7c5784634p-1, 0x1.819d0b7158a4dp-1, 0x1.921fb54442d18p-1};
constexpr double kAtanLo[17] = {0x0.0p+0, -0x1.c934d86d23f1dp-60, -0x1.cd37686760c17p-59, 0x1.347b0b4f881cap-58, 0x1.8ab6e3cf7afbdp-57, -0x1.963a544b672d8p-57, -0x1.c63aae6f6e918p-56, -0x1.24dec1b50b7ffp-56, 0x1.a2b7f222f65e2p-56, -0x1.d5b495f6349e6p-56, -0x1.928df287a668fp-58, 0x1.1021137c71102p-55, 0x1.2419a87f2a458p-56, 0x1.0028e4bc5e7cap-57, -0x1.8c34d25aadef6p-56, -0x1.bf76229d3b917p-56, 0x1.1a62633145c07p-55};
constexpr double kCompHi[17] = {0x1.921fb54442d18p+0, 0x1.82250768ac529p+0, 0x1.7249faa996a21p+0, 0x1.62acbeaca61b8p+0, 0x1.5368c951e9cfdp+0, 0x1.4495d86823225p+0, 0x1.3647503caf55cp+0, 0x1.288bfa3512419p+0, 0x1.1b6e192ebbe44p+0, 0x1.0ef3c09d694b0p+0, 0x1.031f57e54adbep+0, 0x1.efe068bba2275p-1, 0x1.dac670561bb4fp-1, 0x1.c6e6d2171bf18p-1, 0x1.b434ee31013fdp-1, 0x1.a2a25f172cfe4p-1, 0x1.921fb54442d18p-1};
constexpr double kCompLo[17] = {0x1.1a62633145c07p-54, -0x1.e78c96d05afcbp-58, 0x1.a8cc1e7480c68p-54, 0x1.c6ac9f134fa91p-60, -0x1.96f47948a99f1p-54, 0x1.4d29adbab2a62p-54, 0x1.17e21d9a42c9ap-55, 0x1.8e684e7a2281bp-56, 0x1.b1b466a88828ep-54, 0x1.8fcf88aed2e80p-54, 0x1.338b4259c0270p-54, 0x1.24a3b2e61a70bp-55, 0x1.a2b7f222f65e2p-55, 0x1.f4ba8d3373e1bp-55, -0x1.0520d0701d877p-55, -0x1.d700509dad6cep-56, 0x1.1a62633145c07p-55};

// Series of (atan(v) - v)/v in z = v^2, for |v| <= 1/4.
constexpr double kAtanPoly64[] = {-1.0 / 27, 1.0 / 25, -1.0 / 23, 1.0 / 21, -1.0 / 19, 1.0 / 17, -1.0 / 15,
                                  1.0 / 13, -1.0 / 11, 1.0 / 9, -1.0 / 7, 1.0 / 5, -1.0 / 3};

inline VD gather(const double (&t)[17], VI k) {
    VD r;
    for (std::size_t j = 0; j < LD; ++j) r[j] = t[k[j]];
    return r;
}

// The upper 26 bits of a (Veltkamp's split).
inline VD upper(VD a) {
    const VD c = a * 134217729.0;
    return c - (c - a);
}

inline VD atan_core(VD x) {
    const VI sign = as_i(x) & static_cast<std::int64_t>(0x8000000000000000ull);
    const VD t = as_d(as_i(x) ^ sign);
    const VI inv = t > 1.0;
    const VD y = 1.0 / t;
    // The error of y: (1 - y*t)/t with y*t formed exactly (t kept below 2^60,
    // where the correction no longer matters).
    const VD tc = t > 0x1p60 ? splat(0x1p60) : t;
    const VD th = upper(tc), tl = tc - th, yh = upper(y), yl = y - yh;
    const VD p = y * tc;
    const VD pl = ((yh * th - p) + yh * tl + yl * th) + yl * tl;
    const VD ylo = ((1.0 - p) - pl) / tc;
    const VD u = sel(inv, y, t);
    const VD ulo = sel(inv, ylo, splat(0.0));
    VI k = wsub(as_i(u * 16.0 + kMagic), as_i(splat(kMagic)));
    k = sel_i(u < 0.25, splat_i(0), k);
    k = sel_i((k < 0) | (k > 16), splat_i(0), k);
    const VD kc = as_d(k + as_i(splat(kMagic))) - kMagic;
    const VD cc = kc * 0.0625;
    const VD v = ((u - cc) + ulo) / (1.0 + cc * u);
    const VD z = v * v;
    const VD a = v + v * z * horner(z, kAtanPoly64);
    const VD hi = sel(inv, gather(kCompHi, k), gather(kAtanHi, k));
    const VD lo = sel(inv, gather(kCompLo, k), gather(kAtanLo, k));
    const VD r = hi + sel(inv, lo - a, lo + a);
    return sel(x != x, x, as_d(as_i(r) | sign));
}

// For single-precision results, in double: t below tan(pi/8) directly,
// up to tan(3pi/8) as pi/4 + atan((t - 1)/(t + 1)), beyond it as
// pi/2 - atan(1/t); one division, the series over |v| <= tan(pi/8).
// (v - atan(v))/v^3 in z = v^2 over [0, tan^2(pi/8)], near-minimax of degree 5.
constexpr double kAtanPolyS[] = {-0.05048055010223574, 0.08624643784438366, -0.11071360682318138,
                                 0.14284150959481018, -0.19999977254347343, 0.33333333279242233};

inline VD atan_core_single(VD x) {
    const VI sign = as_i(x) & static_cast<std::int64_t>(0x8000000000000000ull);
    const VD t = as_d(as_i(x) ^ sign);
    const VI mid = t > 0.41421356237309503, far = t > 2.414213562373095;
    const VD num = sel(far, splat(-1.0), sel(mid, t - 1.0, t));
    const VD den = sel(far, t, sel(mid, t + 1.0, splat(1.0)));
    const VD base = sel(far, splat(1.5707963267948966), sel(mid, splat(0.7853981633974483), splat(0.0)));
    const VD v = num / den;
    const VD z = v * v;
    const VD r = base + (v - v * z * horner(z, kAtanPolyS));
    return sel(x != x, x, as_d(as_i(r) | sign));
}

template <class T>
int atan_kernel(const ElemArgs& x) {
    if constexpr (sizeof(T) == 4) run<T, T>(x, [](VD v, const T*) { return atan_core_single(v); });
    else run<T, T>(x, [](VD v, const T*) { return atan_core(v); });
    return 0;
}

// ---- cube root ---------------------------------------------------------

int cbrt_kernel(const ElemArgs& x) {
    run<Zor32f, Zor32f>(x, [](VD v, const Zor32f*) {
        const VI sign = as_i(v) & static_cast<std::int64_t>(0x8000000000000000ull);
        const VD a = as_d(as_i(v) ^ sign);
        VD y = as_d(as_i(a) / 3 + 0x2AA0000000000000);
        for (int i = 0; i < 5; ++i) y = (2.0 * y + a / (y * y)) * (1.0 / 3);
        const VI special = (a == 0.0) | (a == INFINITY) | (a != a);
        return sel(special, v, as_d(as_i(y) | sign));
    });
    return 0;
}

}  // namespace

extern const ElementaryKernels elementary_kernels = {{
#define ZORS_ELEMENTARY_ENTRY(id, ...) __VA_ARGS__,
    ZORS_ELEMENTARY_KERNELS(ZORS_ELEMENTARY_ENTRY)
#undef ZORS_ELEMENTARY_ENTRY
}};

}  // namespace zors::ZORS_ISA
