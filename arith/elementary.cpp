// Elementary functions: Exp, Ln, 10Log10, SumLn, Cubrt, Arctan.
//
// Floating forms run the vector kernels of elementary.simd.cpp with nearest
// rounding and every exception masked; the caller's SIMD control and status
// register is restored on return, so flags the computation raised (invalid
// operation and underflow among them) do not reach the caller. They are
// accurate to 1 ulp and IEEE at the special values: e^x is +inf above the
// range and 0 below it, atan(+-inf) = +-pi/2, cbrt keeps +-0, +-inf, NaN.
//
// The logarithms classify each element by its bits: sign set gives the
// negative quiet NaN (a negative element), +0 gives -inf (a zero element),
// +inf and signalling NaNs give +inf, quiet NaNs stay. They return 8 when a
// negative element occurred, else 7 when a zero one did, after writing
// every element.
//
// Integer forms evaluate f(x) * 2^-scaleFactor in extended precision (x87
// unit at 64-bit precision for the call), round to nearest, ties to even,
// and saturate. Ln and 10Log10 of a zero or negative element return the
// warnings; Ln writes 0 for such elements, 10Log10 the type's minimum (the
// saturated -inf).
//
// SumLn: blocks of 1024 elements whose frexp fractions are multiplied in
// double (renormalised every 32 factors) while their exponents are summed;
// each block adds ln(product) + exponents*ln2. The scan stops at the first
// negative element (NaN, status 8), quiet NaN (NaN, status 0) or zero (-inf,
// status 7); the 16s32f form writes 0 for the zero and negative cases.
//
// Checks: null pointers (-8), then len < 1 (-6); the scale factor is never
// rejected.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "arith/call.h"
#include "arith/elementary.h"
#include "frame/dispatch.h"
#include "frame/fpenv.h"
#include "gen/gen.h"

namespace zors {

ZORS_ISA_TABLE(ElementaryKernels, elementary_kernels)

namespace {

// Nearest rounding and masked exceptions for the call; the caller's register
// (flags included) comes back on return.
struct FloatEnv {
    MxcsrGuard guard;
    FloatEnv() {
        guard.mask(MxcsrGuard::kMaskAll);
        guard.set_rounding(MxcsrGuard::kRoundNearest);
    }
};

template <class S, class D>
ZorStatus floating(ElementaryId id, const S* src, D* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    FloatEnv env;
    return elementary_kernels().fn[id](elem_args(src, nullptr, dst, count(len), 0));
}

// v * 2^-sf rounded to nearest, ties to even, and saturated to D.
template <class D>
D scaled(long double v, int sf) {
    constexpr long double lo = static_cast<long double>(std::numeric_limits<D>::min());
    constexpr long double hi = static_cast<long double>(std::numeric_limits<D>::max());
    const int e = sf > 20000 ? 20000 : (sf < -20000 ? -20000 : sf);
    v = std::ldexp(v, -e);
    if (!(v == v)) return D(0);
    if (v <= lo) return std::numeric_limits<D>::min();
    if (v >= hi) return std::numeric_limits<D>::max();
    const long double f = std::floor(v);
    const long double d = v - f;
    long double r = f;
    if (d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0)) r = f + 1;
    if (r >= hi) return std::numeric_limits<D>::max();
    return static_cast<D>(r);
}

template <class S, class D>
ZorStatus int_exp(const S* src, D* dst, int len, int sf) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    ExtendedPrecision env;
    for (int n = 0; n < len; ++n) dst[n] = scaled<D>(std::exp(static_cast<long double>(src[n])), sf);
    return zorStsNoErr;
}

// ln x (or 10*log10 x) scaled; zero and negative elements give the warnings
// and write `bad`.
template <class S, class D>
ZorStatus int_log(const S* src, D* dst, int len, int sf, bool ten_log10) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    ExtendedPrecision env;
    const D bad = ten_log10 ? std::numeric_limits<D>::min() : D(0);
    bool neg = false, zero = false;
    for (int n = 0; n < len; ++n) {
        const S v = src[n];
        if (v <= 0) {
            (v < 0 ? neg : zero) = true;
            dst[n] = bad;
            continue;
        }
        const long double x = static_cast<long double>(v);
        dst[n] = scaled<D>(ten_log10 ? 10 * std::log10(x) : std::log(x), sf);
    }
    return neg ? zorStsLnNegArg : (zero ? zorStsLnZeroArg : zorStsNoErr);
}

// Sign bit, zero and quiet NaN of a floating element; integers by value.
template <class S>
bool sign_set(S v) {
    if constexpr (std::is_integral_v<S>) return v < 0;
    else return std::signbit(v);
}

template <class S, class D>
ZorStatus sum_ln(const S* src, int len, D* sum) {
    ZORS_CHECK(nonnull(src, sum), positive(len));
    FloatEnv env;
    constexpr bool integer = std::is_integral_v<S>;
    constexpr double kLn2 = 0.6931471805599453;
    double total = 0;
    for (int b = 0; b < len; b += 1024) {
        const int end = len - b < 1024 ? len : b + 1024;
        double product = 1;
        long exps = 0;
        for (int n = b; n < end; ++n) {
            const S v = src[n];
            if (sign_set(v)) {
                *sum = integer ? D(0) : D(-NAN);
                return zorStsLnNegArg;
            }
            if (v != v) {
                *sum = static_cast<D>(v);
                return zorStsNoErr;
            }
            if (v == 0) {
                *sum = integer ? D(0) : D(-INFINITY);
                return zorStsLnZeroArg;
            }
            int e;
            product *= std::frexp(static_cast<double>(v), &e);
            exps += e;
            if (((n - b) & 31) == 31) {
                product = std::frexp(product, &e);
                exps += e;
            }
        }
        total += elem::ln(product) + static_cast<double>(exps) * kLn2;
    }
    *sum = static_cast<D>(total);
    return zorStsNoErr;
}

ZorStatus cbrt_int(const Zor32s* src, Zor16s* dst, int len, int sf) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    ExtendedPrecision env;
    for (int n = 0; n < len; ++n) dst[n] = scaled<Zor16s>(std::cbrt(static_cast<long double>(src[n])), sf);
    return zorStsNoErr;
}

}  // namespace

namespace elem {

// The baseline level's kernels with nearest rounding: the same bits on
// every processor and in every caller's mode, so that the Gaussian deviates
// and the Kaiser weights depend on neither.
double ln(double x) noexcept {
    FloatEnv env;
    double y = 0;
    sse2::elementary_kernels.fn[k_ln_64f](elem_args(&x, nullptr, &y, 1, 0));
    return y;
}

double exp(double x) noexcept {
    FloatEnv env;
    double y = 0;
    sse2::elementary_kernels.fn[k_exp_64f](elem_args(&x, nullptr, &y, 1, 0));
    return y;
}

}  // namespace elem
}  // namespace zors

using namespace zors;

ZorStatus zorsExp_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return floating(k_exp_32f, pSrc, pDst, len); }
ZorStatus zorsExp_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return floating(k_exp_64f, pSrc, pDst, len); }
ZorStatus zorsExp_32f64f(const Zor32f* pSrc, Zor64f* pDst, int len) { return floating(k_exp_32f64f, pSrc, pDst, len); }
ZorStatus zorsExp_32f_I(Zor32f* pSrcDst, int len) { return floating(k_exp_32f, pSrcDst, pSrcDst, len); }
ZorStatus zorsExp_64f_I(Zor64f* pSrcDst, int len) { return floating(k_exp_64f, pSrcDst, pSrcDst, len); }
ZorStatus zorsExp_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor) { return int_exp(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsExp_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor) { return int_exp(pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsExp_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, int scaleFactor) { return int_exp(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsExp_32s_ISfs(Zor32s* pSrcDst, int len, int scaleFactor) { return int_exp(pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsExp_64s_Sfs(const Zor64s* pSrc, Zor64s* pDst, int len, int scaleFactor) { return int_exp(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsExp_64s_ISfs(Zor64s* pSrcDst, int len, int scaleFactor) { return int_exp(pSrcDst, pSrcDst, len, scaleFactor); }

ZorStatus zorsLn_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return floating(k_ln_32f, pSrc, pDst, len); }
ZorStatus zorsLn_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return floating(k_ln_64f, pSrc, pDst, len); }
ZorStatus zorsLn_64f32f(const Zor64f* pSrc, Zor32f* pDst, int len) { return floating(k_ln_64f32f, pSrc, pDst, len); }
ZorStatus zorsLn_32f_I(Zor32f* pSrcDst, int len) { return floating(k_ln_32f, pSrcDst, pSrcDst, len); }
ZorStatus zorsLn_64f_I(Zor64f* pSrcDst, int len) { return floating(k_ln_64f, pSrcDst, pSrcDst, len); }
ZorStatus zorsLn_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor) { return int_log(pSrc, pDst, len, scaleFactor, false); }
ZorStatus zorsLn_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor) { return int_log(pSrcDst, pSrcDst, len, scaleFactor, false); }
ZorStatus zorsLn_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, int scaleFactor) { return int_log(pSrc, pDst, len, scaleFactor, false); }
ZorStatus zorsLn_32s_ISfs(Zor32s* pSrcDst, int len, int scaleFactor) { return int_log(pSrcDst, pSrcDst, len, scaleFactor, false); }
ZorStatus zorsLn_32s16s_Sfs(const Zor32s* pSrc, Zor16s* pDst, int len, int scaleFactor) { return int_log(pSrc, pDst, len, scaleFactor, false); }
ZorStatus zors10Log10_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, int scaleFactor) { return int_log(pSrc, pDst, len, scaleFactor, true); }
ZorStatus zors10Log10_32s_ISfs(Zor32s* pSrcDst, int len, int scaleFactor) { return int_log(pSrcDst, pSrcDst, len, scaleFactor, true); }

ZorStatus zorsSumLn_32f(const Zor32f* pSrc, int len, Zor32f* pSum) { return sum_ln(pSrc, len, pSum); }
ZorStatus zorsSumLn_64f(const Zor64f* pSrc, int len, Zor64f* pSum) { return sum_ln(pSrc, len, pSum); }
ZorStatus zorsSumLn_32f64f(const Zor32f* pSrc, int len, Zor64f* pSum) { return sum_ln(pSrc, len, pSum); }
ZorStatus zorsSumLn_16s32f(const Zor16s* pSrc, int len, Zor32f* pSum) { return sum_ln(pSrc, len, pSum); }

ZorStatus zorsCubrt_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return floating(k_cbrt_32f, pSrc, pDst, len); }
ZorStatus zorsCubrt_32s16s_Sfs(const Zor32s* pSrc, Zor16s* pDst, int len, int scaleFactor) { return cbrt_int(pSrc, pDst, len, scaleFactor); }

ZorStatus zorsArctan_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return floating(k_atan_32f, pSrc, pDst, len); }
ZorStatus zorsArctan_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return floating(k_atan_64f, pSrc, pDst, len); }
ZorStatus zorsArctan_32f_I(Zor32f* pSrcDst, int len) { return floating(k_atan_32f, pSrcDst, pSrcDst, len); }
ZorStatus zorsArctan_64f_I(Zor64f* pSrcDst, int len) { return floating(k_atan_64f, pSrcDst, pSrcDst, len); }
