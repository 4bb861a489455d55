// Windows: Bartlett, Hann, Hamming, Blackman (free alpha, the classical
// alpha -0.16 and the optimal alpha -0.25/cos^2(pi/(N-1))), Kaiser; for 16s,
// 16sc, 32f, 32fc, 64f and 64fc data, out of place and in place, with Q15
// parameters for the integer Blackman and Kaiser forms.
//
// pDst[n] = pSrc[n] * w[n], a complex element multiplied by the real weight
// in both parts. Each weight is formed once in double and serves the pair n
// and N-1-n; for odd N the middle element is copied unchanged. The cosines
// of the cosine windows come from a rotation by theta = 2*pi/(N-1), started
// again from directly evaluated cosines every 64 steps so that its error
// stays at the rounding of double precision. The 32f products are formed in
// double and rounded once; integer products are rounded to nearest (ties to
// even for the cosine windows, halves away from zero for Kaiser) and
// saturated.
//
// Checks: null pointers (-8), then len < 3 (-6); BlackmanOpt tests len < 4
// (-6) before anything else; Kaiser: null (-8), len < 1 (-6), then
// |alpha|*(N-1)/2 above 38 (32f data) or 308 (other data) gives -39.
#include <cmath>

#include "arith/elementary.h"
#include "frame/check.h"
#include "gen/gen.h"

namespace zors {
namespace {

using gen::Rounding;

// Applies the weights w(n), n < N/2, to both ends; the middle of an odd N is
// copied. fill(n0, m, w) writes the weights n0 .. n0+m-1 to w. sf scales
// integer products by 2^-sf before rounding.
template <class T, class Fill>
void apply(const T* src, T* dst, int len, Fill&& fill, Rounding rounding, int sf = 0) {
    using P = part_t<T>;
    constexpr int np = gen::parts_v<T>;
    const P* s = gen::parts(src);
    P* d = gen::parts(dst);
    const double scale = std::ldexp(1.0, sf > 2000 ? -2000 : (sf < -2000 ? 2000 : -sf));
    const int half = len / 2;
    // The weights of a block first, then the two ends in plain loops.
    constexpr int kBlock = 256;
    double w[kBlock];
    for (int n0 = 0; n0 < half; n0 += kBlock) {
        const int m = half - n0 < kBlock ? half - n0 : kBlock;
        fill(n0, m, w);
        if (scale != 1.0)
            for (int i = 0; i < m; ++i) w[i] *= scale;
        const P* sf0 = s + n0 * np;
        P* df0 = d + n0 * np;
        for (int i = 0; i < m; ++i)
            for (int k = 0; k < np; ++k) df0[i * np + k] = gen::to_part<P>(static_cast<double>(sf0[i * np + k]) * w[i], rounding);
        const P* sb0 = s + (len - 1 - n0) * np;
        P* db0 = d + (len - 1 - n0) * np;
        for (int i = 0; i < m; ++i)
            for (int k = 0; k < np; ++k) db0[-i * np + k] = gen::to_part<P>(static_cast<double>(sb0[-i * np + k]) * w[i], rounding);
    }
    if (len & 1)
        for (int k = 0; k < np; ++k)
            d[half * np + k] = sf == 0 ? s[half * np + k]
                                       : gen::to_part<P>(static_cast<double>(s[half * np + k]) * scale, rounding);
}

// cos(n*theta) for n = 0, 1, ...: every 64 angles cos and sin are evaluated
// directly, and the angles in between rotate that pair by k*theta from a
// table of cos(k*theta) and sin(k*theta), k < 64, so that no error
// accumulates and the weights of a run are independent of one another.
class Cosines {
public:
    // Angles n*theta for n < count.
    Cosines(double theta, int count) : theta_(theta) {
        const int k_end = count < kRun ? count : kRun;
        for (int k = 0; k < k_end; ++k) {
            cos_[k] = std::cos(theta * k);
            sin_[k] = std::sin(theta * k);
        }
    }
    // The cosines of the next m angles, starting with n = 0.
    void fill(double* out, int m) {
        for (int i = 0; i < m;) {
            const int k0 = n_ % kRun;
            if (k0 == 0) {
                c0_ = std::cos(theta_ * n_);
                s0_ = std::sin(theta_ * n_);
            }
            const int run = m - i < kRun - k0 ? m - i : kRun - k0;
            for (int k = 0; k < run; ++k) out[i + k] = c0_ * cos_[k0 + k] - s0_ * sin_[k0 + k];
            i += run;
            n_ += run;
        }
    }

private:
    static constexpr int kRun = 64;
    double theta_, c0_ = 1, s0_ = 0;
    int n_ = 0;
    double cos_[kRun], sin_[kRun];
};

// The ends of a three-element Hann or Blackman window are exactly zero.
void zero_weight(int, int m, double* w) {
    for (int i = 0; i < m; ++i) w[i] = 0;
}

template <class T>
ZorStatus bartlett(const T* src, T* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), at_least(len, 3));
    const double step = 2.0 / (len - 1);
    double acc = 0;
    apply(src, dst, len, [&](int, int m, double* w) {
        for (int i = 0; i < m; ++i, acc += step) w[i] = acc;
    }, Rounding::even);
    return zorStsNoErr;
}

// a - b*cos(n*theta): Hann (0.5, 0.5) and Hamming (0.54, 0.46).
template <class T>
ZorStatus raised_cosine(const T* src, T* dst, int len, double a, double b, bool zero_ends) {
    ZORS_CHECK(nonnull(src, dst), at_least(len, 3));
    if (len == 3 && zero_ends) {
        apply(src, dst, len, zero_weight, Rounding::even);
        return zorStsNoErr;
    }
    Cosines c(gen::kTwoPi / (len - 1), len / 2);
    apply(src, dst, len, [&](int, int m, double* w) {
        c.fill(w, m);
        for (int i = 0; i < m; ++i) w[i] = a - b * w[i];
    }, Rounding::even);
    return zorStsNoErr;
}

// (alpha + 1)/2 - cos(n*theta)/2 - (alpha/2)*cos(2*n*theta), the double
// angle from cos(2x) = 2*cos(x)^2 - 1. sf scales the 16s products.
template <class T>
ZorStatus blackman(const T* src, T* dst, int len, double alpha, int sf = 0) {
    ZORS_CHECK(nonnull(src, dst), at_least(len, 3));
    if (len == 3) {
        apply(src, dst, len, zero_weight, Rounding::even, sf);
        return zorStsNoErr;
    }
    Cosines c(gen::kTwoPi / (len - 1), len / 2);
    const double a0 = (alpha + 1) * 0.5, a2 = alpha * 0.5;
    apply(src, dst, len, [&](int, int m, double* w) {
        c.fill(w, m);
        for (int i = 0; i < m; ++i) w[i] = a0 - 0.5 * w[i] - a2 * (2 * w[i] * w[i] - 1);
    }, Rounding::even, sf);
    return zorStsNoErr;
}

// The optimal alpha in the element's parameter precision.
template <class T>
auto optimal_alpha(int len) {
    const double c = std::cos(gen::kPi / (len - 1));
    const double a = -0.25 / (c * c);
    if constexpr (std::is_same_v<part_t<T>, double>) return a;
    else return static_cast<float>(a);
}

template <class T>
ZorStatus blackman_opt(const T* src, T* dst, int len) {
    ZORS_CHECK(at_least(len, 4));
    return blackman(src, dst, len, static_cast<double>(optimal_alpha<T>(len)));
}

// The modified Bessel function I0 in two evaluations: the accurate one of
// the floating windows and the classical handbook fit of the integer ones.
double exp_of(double x) { return elem::exp(x); }

double i0_accurate(double x) {
    const double ax = std::fabs(x);
    if (ax < 4) {
        const double t = (x / 4) * (x / 4);
        return 0.9999999985 + t * (4.0000001935 + t * (3.9999959541 + t * (1.777809969 + t * (0.4443189384 +
               t * (0.0713758187 + t * (0.0075942968 + t * 0.0008267816))))));
    }
    const double u = 4 / ax;
    return exp_of(ax) / std::sqrt(ax) *
           (0.3989422809 + u * (0.0124667783 + u * (0.0017623668 + u * (0.00026 + u * (0.0022585672 +
            u * (-0.0128314822 + u * (0.0495811118 + u * (-0.1209940805 + u * (0.1895476618 +
            u * (-0.1867783276 + u * (0.1113315511 + u * (-0.0366694767 + u * 0.0051246015))))))))))));
}

double i0_handbook(double x) {
    const double ax = std::fabs(x);
    if (ax < 3.75) {
        const double t = (x / 3.75) * (x / 3.75);
        return 1 + t * (3.5156229 + t * (3.0899424 + t * (1.2067492 + t * (0.2659732 + t * (0.0360768 +
               t * 0.0045813)))));
    }
    const double u = 3.75 / ax;
    return exp_of(ax) / std::sqrt(ax) *
           (0.39894228 + u * (0.01328592 + u * (0.00225319 + u * (-0.00157565 + u * (0.00916281 +
            u * (-0.02057706 + u * (0.02635537 + u * (-0.01647633 + u * 0.00392377))))))));
}

// Kaiser with beta = alpha*(N-1)/2. Floating data use the accurate I0,
// integer data (and the Q15 forms) the handbook fit; the limit of beta is
// 38 for single-precision data and 308 otherwise.
template <class T>
ZorStatus kaiser(const T* src, T* dst, int len, double alpha) {
    using P = part_t<T>;
    const double limit = std::is_same_v<P, float> ? 38.0 : 308.0;
    ZORS_CHECK(nonnull(src, dst), positive(len),
               require(!(std::fabs(alpha) * (static_cast<double>(len) - 1) * 0.5 > limit), zorStsHugeWinErr));
    double (*i0)(double) = std::is_floating_point_v<P> ? i0_accurate : i0_handbook;
    const double r = 1 / i0(alpha * (len - 1) * 0.5);
    const double nm1 = len - 1;
    apply(src, dst, len, [&](int n0, int m, double* w) {
        for (int i = 0; i < m; ++i) {
            const double n = n0 + i;
            w[i] = i0(alpha * std::sqrt(n * (nm1 - n))) * r;
        }
    }, Rounding::away);
    return zorStsNoErr;
}


double q15(int v) { return v * (1.0 / 32768); }

// The Blackman alpha is a float for single precision and integer data.
template <class T>
using part_alpha_t = std::conditional_t<std::is_same_v<part_t<T>, double>, double, float>;

}  // namespace
}  // namespace zors

using namespace zors;

// One line per export: the window forms of the six data types.
#define ZORS_WIN_FORMS(S, T)                                                                                                \
    ZorStatus zorsWinBartlett_##S(const T* pSrc, T* pDst, int len) { return bartlett(pSrc, pDst, len); }                   \
    ZorStatus zorsWinBartlett_##S##_I(T* pSrcDst, int len) { return bartlett<T>(pSrcDst, pSrcDst, len); }                 \
    ZorStatus zorsWinHann_##S(const T* pSrc, T* pDst, int len) { return raised_cosine(pSrc, pDst, len, 0.5, 0.5, true); }  \
    ZorStatus zorsWinHann_##S##_I(T* pSrcDst, int len) { return raised_cosine<T>(pSrcDst, pSrcDst, len, 0.5, 0.5, true); } \
    ZorStatus zorsWinHamming_##S(const T* pSrc, T* pDst, int len) { return raised_cosine(pSrc, pDst, len, 0.54, 0.46, false); } \
    ZorStatus zorsWinHamming_##S##_I(T* pSrcDst, int len) { return raised_cosine<T>(pSrcDst, pSrcDst, len, 0.54, 0.46, false); } \
    ZorStatus zorsWinBlackmanStd_##S(const T* pSrc, T* pDst, int len) { return blackman(pSrc, pDst, len, static_cast<double>(static_cast<part_alpha_t<T>>(-0.16))); } \
    ZorStatus zorsWinBlackmanStd_##S##_I(T* pSrcDst, int len) { return blackman<T>(pSrcDst, pSrcDst, len, static_cast<double>(static_cast<part_alpha_t<T>>(-0.16))); } \
    ZorStatus zorsWinBlackmanOpt_##S(const T* pSrc, T* pDst, int len) { return blackman_opt(pSrc, pDst, len); }           \
    ZorStatus zorsWinBlackmanOpt_##S##_I(T* pSrcDst, int len) { return blackman_opt<T>(pSrcDst, pSrcDst, len); }         \
    ZorStatus zorsWinKaiser_##S(const T* pSrc, T* pDst, int len, float alpha) { return kaiser(pSrc, pDst, len, alpha); } \
    ZorStatus zorsWinKaiser_##S##_I(T* pSrcDst, int len, float alpha) { return kaiser<T>(pSrcDst, pSrcDst, len, alpha); }

ZORS_WIN_FORMS(16s, Zor16s)
ZORS_WIN_FORMS(16sc, Zor16sc)
ZORS_WIN_FORMS(32f, Zor32f)
ZORS_WIN_FORMS(32fc, Zor32fc)
ZORS_WIN_FORMS(64f, Zor64f)
ZORS_WIN_FORMS(64fc, Zor64fc)

#define ZORS_WIN_BLACKMAN(S, T, A)                                                                           \
    ZorStatus zorsWinBlackman_##S(const T* pSrc, T* pDst, int len, A alpha) { return blackman(pSrc, pDst, len, alpha); } \
    ZorStatus zorsWinBlackman_##S##_I(T* pSrcDst, int len, A alpha) { return blackman<T>(pSrcDst, pSrcDst, len, alpha); }
ZORS_WIN_BLACKMAN(16s, Zor16s, float)
ZORS_WIN_BLACKMAN(16sc, Zor16sc, float)
ZORS_WIN_BLACKMAN(32f, Zor32f, float)
ZORS_WIN_BLACKMAN(32fc, Zor32fc, float)
ZORS_WIN_BLACKMAN(64f, Zor64f, double)
ZORS_WIN_BLACKMAN(64fc, Zor64fc, double)

ZorStatus zorsWinBlackmanQ15_16s(const Zor16s* pSrc, Zor16s* pDst, int len, int alphaQ15) { return blackman(pSrc, pDst, len, q15(alphaQ15)); }
ZorStatus zorsWinBlackmanQ15_16s_I(Zor16s* pSrcDst, int len, int alphaQ15) { return blackman<Zor16s>(pSrcDst, pSrcDst, len, q15(alphaQ15)); }
ZorStatus zorsWinBlackmanQ15_16s_ISfs(Zor16s* pSrcDst, int len, int alphaQ15, int scaleFactor) { return blackman<Zor16s>(pSrcDst, pSrcDst, len, q15(alphaQ15), scaleFactor); }
ZorStatus zorsWinBlackmanQ15_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, int alphaQ15) { return blackman(pSrc, pDst, len, q15(alphaQ15)); }
ZorStatus zorsWinBlackmanQ15_16sc_I(Zor16sc* pSrcDst, int len, int alphaQ15) { return blackman<Zor16sc>(pSrcDst, pSrcDst, len, q15(alphaQ15)); }

ZorStatus zorsWinKaiserQ15_16s(const Zor16s* pSrc, Zor16s* pDst, int len, int alphaQ15) { return kaiser(pSrc, pDst, len, q15(alphaQ15)); }
ZorStatus zorsWinKaiserQ15_16s_I(Zor16s* pSrcDst, int len, int alphaQ15) { return kaiser<Zor16s>(pSrcDst, pSrcDst, len, q15(alphaQ15)); }
ZorStatus zorsWinKaiserQ15_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, int alphaQ15) { return kaiser(pSrc, pDst, len, q15(alphaQ15)); }
ZorStatus zorsWinKaiserQ15_16sc_I(Zor16sc* pSrcDst, int len, int alphaQ15) { return kaiser<Zor16sc>(pSrcDst, pSrcDst, len, q15(alphaQ15)); }
