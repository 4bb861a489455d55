// Division, square root, normalisation and the scaled float-to-16s
// products: Div, DivC, DivCRev, Sqrt, Normalize, MulC_32f16s_Sfs,
// MulC_Low_32f16s.
//
// Div takes the divisor first (Div(a, b) is b / a; Div_I(a, sd) is sd / a).
// Integer quotients are formed in floating point (single precision for 8u
// and 16s, double for 32s and 16sc), rounded to nearest, ties to even, and
// saturated; a zero divisor writes the destination's extreme by the sign of
// the dividend (0 for a zero dividend) and returns the warning 6 after all
// elements. Floating Div writes +-inf or the negative quiet NaN for a zero
// (or NaN) divisor, also with warning 6.
//
// Checks: null pointers (-8), then len < 1 (-6), then the constant where it
// can be invalid (-10 for a zero DivC constant). Departures: DivC on 32f and
// 64f tests its constant (zero or NaN: -10) before everything else;
// DivCRev_32f with a zero or NaN constant is the zero fill of the
// destination (its checks only), DivCRev_16u with constant 0 writes zeros
// (nothing for len < 1; null destination -8).
//
// Floating-point environment: every member that converts to integers sets
// the SIMD rounding field to nearest, and every division masks the
// exceptions, for the call only (MxcsrGuard restores the caller's register).
// Sqrt_32f masks the invalid operation; Normalize on integers restores the
// register with its invalid-operation flag cleared; Sqrt_64s also sets the
// x87 unit to 64-bit precision and nearest. MulC_Low_32f16s converts in the
// caller's rounding mode.
#include <cfloat>
#include <cmath>

#include "arith/call.h"
#include "arith/divide.h"
#include "frame/dispatch.h"
#include "frame/fpenv.h"

namespace zors {

ZORS_ISA_TABLE(DivideKernels, divide_kernels)

namespace {

int kernel(DivideId id, const ElemArgs& x) { return divide_kernels().fn[id](x); }

// Nearest rounding and masked exceptions for the call.
struct NearestMasked {
    MxcsrGuard guard;
    NearestMasked() {
        guard.mask(MxcsrGuard::kMaskAll);
        guard.set_rounding(MxcsrGuard::kRoundNearest);
    }
};

template <class T>
bool is_zero(T v) {
    if constexpr (is_complex_v<T>) return v.re == 0 && v.im == 0;
    else return v == 0;
}

// dividend / divisor element-wise.
template <DivideId K, class T>
ZorStatus div(const T* divisor, const T* dividend, T* d, int len, int sf = 0) {
    ZORS_CHECK(nonnull(divisor, dividend, d), positive(len));
    NearestMasked env;
    return kernel(K, elem_args(dividend, divisor, d, count(len), sf));
}

// src / val; a zero constant fails with -10 after the other checks.
template <DivideId K, class T>
ZorStatus div_c(const T* src, T val, T* d, int len, int sf = 0) {
    ZORS_CHECK(nonnull(src, d), positive(len), require(!is_zero(val), zorStsDivByZeroErr));
    NearestMasked env;
    ElemArgs x = elem_args(src, nullptr, d, count(len), sf);
    put_constant(x.c, val);
    return kernel(K, x);
}

// Floating DivC: the constant is tested first (zero or NaN: -10), then the
// elements are multiplied by its reciprocal in the element precision.
template <DivideId K, class T>
ZorStatus div_c_real(const T* src, T val, T* d, int len) {
    ZORS_CHECK(require(!(val == 0 || std::isnan(val)), zorStsDivByZeroErr), nonnull(src, d), positive(len));
    ElemArgs x = elem_args(src, nullptr, d, count(len), 0);
    put_constant(x.c, static_cast<T>(T(1) / val));
    return kernel(K, x);
}

ZorStatus div_c_rev_32f(const Zor32f* src, Zor32f val, Zor32f* d, int len) {
    if (val == 0 || std::isnan(val)) return zero_fill(d, len);
    ZORS_CHECK(nonnull(src, d), positive(len));
    NearestMasked env;
    ElemArgs x = elem_args(src, nullptr, d, count(len), 0);
    put_constant(x.c, val);
    return kernel(k_divcrev_32f, x);
}

ZorStatus div_c_rev_16u(const Zor16u* src, Zor16u val, Zor16u* d, int len) {
    if (val == 0) {
        ZORS_CHECK(nonnull(d));
        return len < 1 ? zorStsNoErr : zero_fill(d, len);
    }
    ZORS_CHECK(nonnull(src, d), positive(len));
    NearestMasked env;
    ElemArgs x = elem_args(src, nullptr, d, count(len), 0);
    put_constant(x.c, val);
    return kernel(k_divcrev_16u, x);
}

// Roots of integers and of doubles: nearest rounding for the call; the
// extended-precision 64s root also fixes the x87 precision and rounding.
template <DivideId K, class T>
ZorStatus sqrt_int(const T* src, T* d, int len, int sf = 0) {
    ZORS_CHECK(nonnull(src, d), positive(len));
    NearestMasked env;
    if constexpr (std::is_same_v<T, Zor64s>) {
        ExtendedPrecision x87;
        return kernel(K, elem_args(src, nullptr, d, count(len), sf));
    } else {
        return kernel(K, elem_args(src, nullptr, d, count(len), sf));
    }
}

// Floating roots: the invalid operation is masked and its flag cleared for
// the call; the caller's register comes back unchanged.
template <DivideId K, class T>
ZorStatus sqrt_float(const T* src, T* d, int len) {
    ZORS_CHECK(nonnull(src, d), positive(len));
    MxcsrGuard guard;
    guard.mask(MxcsrGuard::kMaskInvalid);
    guard.clear_flags(MxcsrGuard::kFlagInvalid);
    return kernel(K, elem_args(src, nullptr, d, count(len), 0));
}

// Floating Normalize: a divisor below the smallest normal of R in magnitude,
// or NaN, fails with -10; otherwise (src - vSub) * (1 / vDiv).
template <DivideId K, class T, class R>
ZorStatus normalize(const T* src, T* d, int len, T sub, R div) {
    ZORS_CHECK(nonnull(src, d), positive(len),
               require(!(std::fabs(div) < std::numeric_limits<R>::min() || std::isnan(div)), zorStsDivByZeroErr));
    ElemArgs x = elem_args(src, nullptr, d, count(len), 0);
    put_constant(x.c, sub);
    put_constant(x.c2, static_cast<R>(R(1) / div));
    return kernel(K, x);
}

// Integer Normalize: vDiv = 0 fails with -10; the factor 2^-sf / vDiv is
// formed in double and used in single precision. The caller's register is
// restored with the invalid-operation flag cleared.
template <DivideId K, class T>
ZorStatus normalize_int(const T* src, T* d, int len, T sub, int div, int sf) {
    ZORS_CHECK(nonnull(src, d), positive(len), require(div != 0, zorStsDivByZeroErr));
    MxcsrGuard guard;
    guard.clear_on_restore(MxcsrGuard::kFlagInvalid);
    guard.mask(MxcsrGuard::kMaskAll);
    guard.set_rounding(MxcsrGuard::kRoundNearest);
    const int e = sf > 2000 ? -2000 : (sf < -2000 ? 2000 : -sf);
    ElemArgs x = elem_args(src, nullptr, d, count(len), sf);
    put_constant(x.c, sub);
    put_constant(x.c2, static_cast<float>(std::ldexp(1.0, e) / div));
    return kernel(K, x);
}

// pSrc * val * 2^-sf to 16s, the factor limited to -127..126 and applied to
// val exactly; rounded to nearest for the call.
ZorStatus mulc_32f16s(const Zor32f* src, Zor32f val, Zor16s* d, int len, int sf) {
    ZORS_CHECK(nonnull(src, d), positive(len));
    MxcsrGuard guard;
    guard.set_rounding(MxcsrGuard::kRoundNearest);
    const int e = sf > 126 ? -126 : (sf < -127 ? 127 : -sf);
    ElemArgs x = elem_args(src, nullptr, d, count(len), sf);
    put_constant(x.c, static_cast<Zor32f>(val * std::ldexp(1.0f, e)));
    return kernel(k_mulc_32f16s, x);
}

ZorStatus mulc_low_32f16s(const Zor32f* src, Zor32f val, Zor16s* d, int len) {
    ZORS_CHECK(nonnull(src, d), positive(len));
    ElemArgs x = elem_args(src, nullptr, d, count(len), 0);
    put_constant(x.c, val);
    return kernel(k_mulc_low_32f16s, x);
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsDiv_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor) { return div<k_div_8u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsDiv_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor) { return div<k_div_8u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsDiv_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor) { return div<k_div_16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsDiv_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor) { return div<k_div_16s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsDiv_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor) { return div<k_div_16sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsDiv_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor) { return div<k_div_16sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsDiv_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor) { return div<k_div_32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsDiv_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor) { return div<k_div_32s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsDiv_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len) { return div<k_div_32f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsDiv_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return div<k_div_32f>(pSrc, pSrcDst, pSrcDst, len); }
ZorStatus zorsDiv_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len) { return div<k_div_32fc>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsDiv_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len) { return div<k_div_32fc>(pSrc, pSrcDst, pSrcDst, len); }
ZorStatus zorsDiv_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len) { return div<k_div_64f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsDiv_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len) { return div<k_div_64f>(pSrc, pSrcDst, pSrcDst, len); }
ZorStatus zorsDiv_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len) { return div<k_div_64fc>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsDiv_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len) { return div<k_div_64fc>(pSrc, pSrcDst, pSrcDst, len); }

ZorStatus zorsDivC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor) { return div_c<k_divc_8u>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsDivC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor) { return div_c<k_divc_8u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ZorStatus zorsDivC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor) { return div_c<k_divc_16s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsDivC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor) { return div_c<k_divc_16s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ZorStatus zorsDivC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor) { return div_c<k_divc_16sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsDivC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor) { return div_c<k_divc_16sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ZorStatus zorsDivC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len) { return div_c_real<k_mulc_32f>(pSrc, val, pDst, len); }
ZorStatus zorsDivC_32f_I(Zor32f val, Zor32f* pSrcDst, int len) { return div_c_real<k_mulc_32f>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsDivC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len) { return div_c<k_divc_32fc>(pSrc, val, pDst, len); }
ZorStatus zorsDivC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len) { return div_c<k_divc_32fc>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsDivC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len) { return div_c_real<k_mulc_64f>(pSrc, val, pDst, len); }
ZorStatus zorsDivC_64f_I(Zor64f val, Zor64f* pSrcDst, int len) { return div_c_real<k_mulc_64f>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsDivC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len) { return div_c<k_divc_64fc>(pSrc, val, pDst, len); }
ZorStatus zorsDivC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len) { return div_c<k_divc_64fc>(pSrcDst, val, pSrcDst, len); }

ZorStatus zorsDivCRev_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len) { return div_c_rev_16u(pSrc, val, pDst, len); }
ZorStatus zorsDivCRev_16u_I(Zor16u val, Zor16u* pSrcDst, int len) { return div_c_rev_16u(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsDivCRev_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len) { return div_c_rev_32f(pSrc, val, pDst, len); }
ZorStatus zorsDivCRev_32f_I(Zor32f val, Zor32f* pSrcDst, int len) { return div_c_rev_32f(pSrcDst, val, pSrcDst, len); }

ZorStatus zorsSqrt_8u_Sfs(const Zor8u* pSrc, Zor8u* pDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_8u>(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqrt_8u_ISfs(Zor8u* pSrcDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_8u>(pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqrt_16u_Sfs(const Zor16u* pSrc, Zor16u* pDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_16u>(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqrt_16u_ISfs(Zor16u* pSrcDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_16u>(pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqrt_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_16s>(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqrt_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_16s>(pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqrt_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_16sc>(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqrt_16sc_ISfs(Zor16sc* pSrcDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_16sc>(pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqrt_64s_Sfs(const Zor64s* pSrc, Zor64s* pDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_64s>(pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqrt_64s_ISfs(Zor64s* pSrcDst, int len, int scaleFactor) { return sqrt_int<k_sqrt_64s>(pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqrt_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return sqrt_float<k_sqrt_32f>(pSrc, pDst, len); }
ZorStatus zorsSqrt_32f_I(Zor32f* pSrcDst, int len) { return sqrt_float<k_sqrt_32f>(pSrcDst, pSrcDst, len); }
ZorStatus zorsSqrt_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len) { return sqrt_float<k_sqrt_32fc>(pSrc, pDst, len); }
ZorStatus zorsSqrt_32fc_I(Zor32fc* pSrcDst, int len) { return sqrt_float<k_sqrt_32fc>(pSrcDst, pSrcDst, len); }
ZorStatus zorsSqrt_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return sqrt_float<k_sqrt_64f>(pSrc, pDst, len); }
ZorStatus zorsSqrt_64f_I(Zor64f* pSrcDst, int len) { return sqrt_float<k_sqrt_64f>(pSrcDst, pSrcDst, len); }
ZorStatus zorsSqrt_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len) { return sqrt_float<k_sqrt_64fc>(pSrc, pDst, len); }
ZorStatus zorsSqrt_64fc_I(Zor64fc* pSrcDst, int len) { return sqrt_float<k_sqrt_64fc>(pSrcDst, pSrcDst, len); }

ZorStatus zorsNormalize_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s vSub, int vDiv, int scaleFactor) { return normalize_int<k_normalize_16s>(pSrc, pDst, len, vSub, vDiv, scaleFactor); }
ZorStatus zorsNormalize_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16sc vSub, int vDiv, int scaleFactor) { return normalize_int<k_normalize_16sc>(pSrc, pDst, len, vSub, vDiv, scaleFactor); }
ZorStatus zorsNormalize_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f vSub, Zor32f vDiv) { return normalize<k_normalize_32f>(pSrc, pDst, len, vSub, vDiv); }
ZorStatus zorsNormalize_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32fc vSub, Zor32f vDiv) { return normalize<k_normalize_32fc>(pSrc, pDst, len, vSub, vDiv); }
ZorStatus zorsNormalize_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f vSub, Zor64f vDiv) { return normalize<k_normalize_64f>(pSrc, pDst, len, vSub, vDiv); }
ZorStatus zorsNormalize_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64fc vSub, Zor64f vDiv) { return normalize<k_normalize_64fc>(pSrc, pDst, len, vSub, vDiv); }

ZorStatus zorsMulC_32f16s_Sfs(const Zor32f* pSrc, Zor32f val, Zor16s* pDst, int len, int scaleFactor) { return mulc_32f16s(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsMulC_Low_32f16s(const Zor32f* pSrc, Zor32f val, Zor16s* pDst, int len) { return mulc_low_32f16s(pSrc, val, pDst, len); }
