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
// copied. sf scales integer products by 2^-sf before rounding.
template <class T, class W>
void apply(const T* src, T* dst, int len, W&& weight, Rounding rounding, int sf = 0) {
    using P = part_t<T>;
    constexpr int np = gen::parts_v<T>;
    const P* s = gen::parts(src);
    P* d = gen::parts(dst);
    const double scale = std::ldexp(1.0, sf > 2000 ? -2000 : (sf < -2000 ? 2000 : -sf));
    const int half = len / 2;
    for (int n = 0; n < half; ++n) {
        const double w = weight(n) * scale;
        const int m = len - 1 - n;
        for (int k = 0; k < np; ++k) {
            d[n * np + k] = gen::to_part<P>(static_cast<double>(s[n * np + k]) * w, rounding);
            d[m * np + k] = gen::to_part<P>(static_cast<double>(s[m * np + k]) * w, rounding);
        }
    }
    if (len & 1)
        for (int k = 0; k < np; ++k)
            d[half * np + k] = sf == 0 ? s[half * np + k]
                                       : gen::to_part<P>(static_cast<double>(s[half * np + k]) * scale, rounding);
}

// cos(n*theta) for n = 0, 1, ... by rotation, restarted every 16 steps.
class Cosines {
public:
    explicit Cosines(double theta) : theta_(theta), c1_(std::cos(theta)), s1_(std::sin(theta)) {}
    // The cosine of the next angle, starting with n = 0.
    double next() {
        if ((n_ & 15) == 0) {
            c_ = std::cos(theta_ * n_);
            s_ = std::sin(theta_ * n_);
        } else {
            const double c = c_ * c1_ - s_ * s1_;
            s_ = s_ * c1_ + c_ * s1_;
            c_ = c;
        }
        ++n_;
        return c_;
    }

private:
    double theta_, c1_, s1_, c_ = 1, s_ = 0;
    int n_ = 0;
};

// The ends of a three-element Hann or Blackman window are exactly zero.
constexpr double zero_weight(int) { return 0.0; }

template <class T>
ZorStatus bartlett(const T* src, T* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), at_least(len, 3));
    const double step = 2.0 / (len - 1);
    double w = 0;
    apply(src, dst, len, [&](int) { const double v = w; w += step; return v; }, Rounding::even);
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
    Cosines c(gen::kTwoPi / (len - 1));
    apply(src, dst, len, [&](int) { return a - b * c.next(); }, Rounding::even);
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
    Cosines c(gen::kTwoPi / (len - 1));
    const double a0 = (alpha + 1) * 0.5, a2 = alpha * 0.5;
    apply(src, dst, len, [&](int) {
        const double x = c.next();
        return a0 - 0.5 * x - a2 * (2 * x * x - 1);
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

// Kaiser with beta = alpha*(N-1)/2; `fine` selects the accurate I0 and the
// limit 38, otherwise the handbook I0 and the limit 308.
template <class T>
ZorStatus kaiser(const T* src, T* dst, int len, double alpha, bool fine) {
    const double limit = fine ? 38.0 : 308.0;
    ZORS_CHECK(nonnull(src, dst), positive(len),
               require(!(std::fabs(alpha) * (len - 1) * 0.5 > limit), zorStsHugeWinErr));
    double (*i0)(double) = fine ? i0_accurate : i0_handbook;
    const double r = 1 / i0(alpha * (len - 1) * 0.5);
    const double nm1 = len - 1;
    apply(src, dst, len, [&](int n) { return i0(alpha * std::sqrt(n * (nm1 - n))) * r; }, Rounding::away);
    return zorStsNoErr;
}

template <class T>
constexpr bool fine_kaiser() { return std::is_same_v<part_t<T>, float>; }

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
    ZorStatus zorsWinKaiser_##S(const T* pSrc, T* pDst, int len, float alpha) { return kaiser(pSrc, pDst, len, alpha, fine_kaiser<T>()); } \
    ZorStatus zorsWinKaiser_##S##_I(T* pSrcDst, int len, float alpha) { return kaiser<T>(pSrcDst, pSrcDst, len, alpha, fine_kaiser<T>()); }

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

ZorStatus zorsWinKaiserQ15_16s(const Zor16s* pSrc, Zor16s* pDst, int len, int alphaQ15) { return kaiser(pSrc, pDst, len, q15(alphaQ15), false); }
ZorStatus zorsWinKaiserQ15_16s_I(Zor16s* pSrcDst, int len, int alphaQ15) { return kaiser<Zor16s>(pSrcDst, pSrcDst, len, q15(alphaQ15), false); }
ZorStatus zorsWinKaiserQ15_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, int alphaQ15) { return kaiser(pSrc, pDst, len, q15(alphaQ15), false); }
ZorStatus zorsWinKaiserQ15_16sc_I(Zor16sc* pSrcDst, int len, int alphaQ15) { return kaiser<Zor16sc>(pSrcDst, pSrcDst, len, q15(alphaQ15), false); }
