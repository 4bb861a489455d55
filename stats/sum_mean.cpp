// Sum, Mean and StdDev.
//
// Checks: a null source or result pointer (-8), then len < 1 (-6; len < 2
// for the standard deviations). No warnings.
//
// Accumulation: 16-bit and 32-bit integer sources sum exactly in 64 bits.
// Single precision with the fast hint (1) sums in single-precision lanes over
// stretches of 32768 elements, each stretch carried into double lanes; with
// any other hint, and for double sources, eight interleaved double partial
// sums. Complex vectors sum both parts the same way.
//
// Integer results: the sums follow the general scale rule (round to nearest,
// ties to even, saturate). The 16-bit means give 0 for factors of 16 and
// above, the saturated sign for factors below -14, and otherwise round
// S * 2^-sf / len (in double) to nearest even. The standard deviation uses
// v = (n*S2 - S1^2) / (n*(n-1)) in double, 0 when rounding makes it negative,
// and scales and rounds sqrt(v) to nearest even.
#include <cmath>
#include <cstddef>

#include "frame/check.h"
#include "frame/scale.h"
#include "stats/finish.h"

namespace zors {
namespace {

// The double total of a floating vector.
template <class T>
Total<double> float_total(const T* src, int len, bool fast) {
    const ReduceKernels& k = reduce_kernels();
    const std::size_t n = parts<T>(len);
    const auto* x = as_parts(src);
    if constexpr (std::is_same_v<part_t<T>, float>) {
        if (fast) {
            constexpr int L = lanes_of<float>;
            double total[L];
            k.sum_32f_fast(x, n, parts<T>(static_cast<int>(kFastStretch)), total);
            return fold_total<T, double>(total, L);
        }
        double lanes[lanes_of<double>];
        k.sum_32f(x, n, lanes);
        return fold_total<T, double>(lanes, lanes_of<double>);
    } else {
        double lanes[lanes_of<double>];
        k.sum_64f(x, n, lanes);
        return fold_total<T, double>(lanes, lanes_of<double>);
    }
}

// The exact total of an integer vector.
template <class T>
Total<Zor64s> int_total(const T* src, int len) {
    const ReduceKernels& k = reduce_kernels();
    Zor64s lanes[lanes_of<Zor64s>] = {};
    if constexpr (std::is_same_v<part_t<T>, Zor16s>) k.sum_16s(as_parts(src), parts<T>(len), lanes);
    else k.sum_32s(as_parts(src), parts<T>(len), lanes);
    return fold_total<T, Zor64s>(lanes, lanes_of<Zor64s>);
}

template <class T>
ZorStatus sum_float(const T* src, int len, T* dst, int hint) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    store(dst, float_total(src, len, hint == zorAlgHintFast));
    return zorStsNoErr;
}

template <class T>
ZorStatus mean_float(const T* src, int len, T* dst, int hint) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    Total<double> t = float_total(src, len, hint == zorAlgHintFast);
    t.re /= len;
    t.im /= len;
    store(dst, t);
    return zorStsNoErr;
}

template <class T, class D>
ZorStatus sum_int(const T* src, int len, D* dst, int sf) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    const Total<Zor64s> t = int_total(src, len);
    using P = part_t<D>;
    store(dst, Total<P>{scale_sat<P>(t.re, sf), scale_sat<P>(t.im, sf)});
    return zorStsNoErr;
}

Zor16s mean_16s(Zor64s sum, int len, int sf) {
    if (sf >= 16) return 0;
    if (sf < -14) return sum > 0 ? INT16_MAX : (sum < 0 ? INT16_MIN : 0);
    return round_sat<Zor16s>(scale_pow2(static_cast<double>(sum), sf) / len);
}

template <class T>
ZorStatus mean_int(const T* src, int len, T* dst, int sf) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    const Total<Zor64s> t = int_total(src, len);
    store(dst, Total<Zor16s>{mean_16s(t.re, len, sf), mean_16s(t.im, len, sf)});
    return zorStsNoErr;
}

// The sample variance from the sum and the sum of squares; 0 when rounding
// makes it negative.
double variance(int len, double s1, double s2) {
    const double n = len;
    const double v = (n * s2 - s1 * s1) / (n * (n - 1.0));
    return v < 0.0 ? 0.0 : v;
}

template <class T>
double variance_float(const T* x, int len, bool fast) {
    const ReduceKernels& k = reduce_kernels();
    const auto n = static_cast<std::size_t>(len);
    if constexpr (std::is_same_v<T, float>) {
        if (fast) {
            constexpr int L = moment_lanes_of<float>;
            double s1[L], s2[L];
            k.moments_32f_fast(x, n, kFastStretch, s1, s2);
            return variance(len, fold(s1, L), fold(s2, L));
        }
    }
    constexpr int L = moment_lanes_of<double>;
    double s1[L] = {}, s2[L] = {};
    if constexpr (std::is_same_v<T, float>) k.moments_32f(x, n, s1, s2);
    else k.moments_64f(x, n, s1, s2);
    return variance(len, fold(s1, L), fold(s2, L));
}

template <class T>
ZorStatus stddev_float(const T* src, int len, T* dst, int hint) {
    ZORS_CHECK(nonnull(src, dst), at_least(len, 2));
    *dst = static_cast<T>(std::sqrt(variance_float(src, len, hint == zorAlgHintFast)));
    return zorStsNoErr;
}

// sqrt of the exact variance scaled by 2^-sf, rounded to nearest even,
// limited to `limit`.
template <class D>
ZorStatus stddev_16s(const Zor16s* src, int len, D* dst, int sf) {
    ZORS_CHECK(nonnull(src, dst), at_least(len, 2));
    const ReduceKernels& k = reduce_kernels();
    const auto n = static_cast<std::size_t>(len);
    Zor64s s1[lanes_of<Zor64s>] = {}, s2[lanes_of<Zor64s>] = {};
    k.sum_16s(src, n, s1);
    k.norm_16s.l2.one(src, n, s2);
    const double v = variance(len, static_cast<double>(fold(s1, lanes_of<Zor64s>)),
                              static_cast<double>(fold(s2, lanes_of<Zor64s>)));
    const Zor32s r = round_sat<Zor32s>(scale_pow2(std::sqrt(v), sf));
    *dst = static_cast<D>(r > std::numeric_limits<D>::max() ? std::numeric_limits<D>::max() : r);
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsSum_32f(const Zor32f* pSrc, int len, Zor32f* pSum, ZorHintAlgorithm hint) { return sum_float(pSrc, len, pSum, hint); }
ZorStatus zorsSum_32fc(const Zor32fc* pSrc, int len, Zor32fc* pSum, ZorHintAlgorithm hint) { return sum_float(pSrc, len, pSum, hint); }
ZorStatus zorsSum_64f(const Zor64f* pSrc, int len, Zor64f* pSum) { return sum_float(pSrc, len, pSum, zorAlgHintNone); }
ZorStatus zorsSum_64fc(const Zor64fc* pSrc, int len, Zor64fc* pSum) { return sum_float(pSrc, len, pSum, zorAlgHintNone); }
ZorStatus zorsSum_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pSum, int scaleFactor) { return sum_int(pSrc, len, pSum, scaleFactor); }
ZorStatus zorsSum_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc* pSum, int scaleFactor) { return sum_int(pSrc, len, pSum, scaleFactor); }
ZorStatus zorsSum_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pSum, int scaleFactor) { return sum_int(pSrc, len, pSum, scaleFactor); }
ZorStatus zorsSum_16sc32sc_Sfs(const Zor16sc* pSrc, int len, Zor32sc* pSum, int scaleFactor) { return sum_int(pSrc, len, pSum, scaleFactor); }
ZorStatus zorsSum_32s_Sfs(const Zor32s* pSrc, int len, Zor32s* pSum, int scaleFactor) { return sum_int(pSrc, len, pSum, scaleFactor); }

ZorStatus zorsMean_32f(const Zor32f* pSrc, int len, Zor32f* pMean, ZorHintAlgorithm hint) { return mean_float(pSrc, len, pMean, hint); }
ZorStatus zorsMean_32fc(const Zor32fc* pSrc, int len, Zor32fc* pMean, ZorHintAlgorithm hint) { return mean_float(pSrc, len, pMean, hint); }
ZorStatus zorsMean_64f(const Zor64f* pSrc, int len, Zor64f* pMean) { return mean_float(pSrc, len, pMean, zorAlgHintNone); }
ZorStatus zorsMean_64fc(const Zor64fc* pSrc, int len, Zor64fc* pMean) { return mean_float(pSrc, len, pMean, zorAlgHintNone); }
ZorStatus zorsMean_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pMean, int scaleFactor) { return mean_int(pSrc, len, pMean, scaleFactor); }
ZorStatus zorsMean_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc* pMean, int scaleFactor) { return mean_int(pSrc, len, pMean, scaleFactor); }

ZorStatus zorsStdDev_32f(const Zor32f* pSrc, int len, Zor32f* pStdDev, ZorHintAlgorithm hint) { return stddev_float(pSrc, len, pStdDev, hint); }
ZorStatus zorsStdDev_64f(const Zor64f* pSrc, int len, Zor64f* pStdDev) { return stddev_float(pSrc, len, pStdDev, zorAlgHintNone); }
ZorStatus zorsStdDev_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pStdDev, int scaleFactor) { return stddev_16s(pSrc, len, pStdDev, scaleFactor); }
ZorStatus zorsStdDev_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pStdDev, int scaleFactor) { return stddev_16s(pSrc, len, pStdDev, scaleFactor); }
