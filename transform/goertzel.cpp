// Goertzel: Goertz (32f, 32fc, 64fc, 16s_Sfs, 16sc_Sfs) evaluates the DTFT of
// len samples at one relative frequency, GoertzTwo (32fc, 64fc, 16sc_Sfs) at
// two in one pass.
//
// Checks: pSrc, pVal (and the frequency array) null (-8), len < 1 (-6), a
// relative frequency below 0, not below 1 or NaN (-27; the first frequency
// before the second).
//
// With ω = 2π·rFreq in double precision and (sin ω, cos ω) in extended
// precision, the recursion u0 = 2cos ω·u1 - u2 + x[n] runs in double
// precision and the result is e^{iω}·u1 - u2 = e^{iω·len}·Σ x[n]·e^{-iωn},
// the DFT bin k when rFreq = k/len. 16-bit results are scaled by the single-
// precision factor 2^-scaleFactor, rounded half away from zero and saturated.
#include <cmath>

#include "frame/check.h"
#include "frame/fpenv.h"
#include "frame/types.h"

namespace zors {
namespace {

struct Cd {
    double re, im;
};

template <class F>
ZorStatus freq_ok(F f) {
    return require(f >= F(0) && f < F(1), zorStsRelFreqErr);  // NaN fails both
}

template <class C> Cd load(const C& v) { return {static_cast<double>(v.re), static_cast<double>(v.im)}; }
inline Cd load(Zor32f v) { return {static_cast<double>(v), 0.0}; }
inline Cd load(Zor16s v) { return {static_cast<double>(v), 0.0}; }

// The recursions for nf frequencies over the same input.
template <class S, int NF>
void goertzel(const S* x, int len, const double* freq, Cd* out) {
    double c[NF], s[NF], k2[NF];
    Cd u1[NF], u2[NF];
    ExtendedPrecision x87;  // the coefficients come from long double
    for (int f = 0; f < NF; ++f) {
        const double w = 6.283185307179586 * freq[f];
        const long double lw = w;
        c[f] = static_cast<double>(std::cos(lw));
        s[f] = static_cast<double>(std::sin(lw));
        k2[f] = 2 * c[f];
        u1[f] = u2[f] = {0, 0};
    }
    for (int n = 0; n < len; ++n) {
        const Cd v = load(x[n]);
        for (int f = 0; f < NF; ++f) {
            const Cd u0 = {k2[f] * u1[f].re - u2[f].re + v.re, k2[f] * u1[f].im - u2[f].im + v.im};
            u2[f] = u1[f];
            u1[f] = u0;
        }
    }
    for (int f = 0; f < NF; ++f)
        out[f] = {c[f] * u1[f].re - s[f] * u1[f].im - u2[f].re, s[f] * u1[f].re + c[f] * u1[f].im - u2[f].im};
}

Zor16s round16(double v, float factor) {
    const double r = v * static_cast<double>(factor);
    if (std::isnan(r)) return 0;
    const double t = r > 0 ? std::trunc(r + 0.5) : std::trunc(r - 0.5);
    return t >= 32767 ? 32767 : t <= -32768 ? -32768 : static_cast<Zor16s>(t);
}

float sf_factor(int sf) { return sf > 0 ? 1.0f / std::ldexp(1.0f, sf) : std::ldexp(1.0f, -sf); }

template <class C> void store(C& d, Cd v, int) { d = {static_cast<part_t<C>>(v.re), static_cast<part_t<C>>(v.im)}; }
inline void store(Zor16sc& d, Cd v, int sf) { d = {round16(v.re, sf_factor(sf)), round16(v.im, sf_factor(sf))}; }

template <class S, class C, class F>
ZorStatus goertz(const S* src, int len, C* val, F freq, int sf = 0) {
    ZORS_CHECK(nonnull(src, val), positive(len), freq_ok(freq));
    const double f = static_cast<double>(freq);
    Cd r;
    goertzel<S, 1>(src, len, &f, &r);
    store(*val, r, sf);
    return zorStsNoErr;
}

template <class S, class C, class F>
ZorStatus goertz_two(const S* src, int len, C* val, const F* freq, int sf = 0) {
    ZORS_CHECK(nonnull(src, val, freq), positive(len));
    ZORS_CHECK(freq_ok(freq[0]), freq_ok(freq[1]));
    const double f[2] = {static_cast<double>(freq[0]), static_cast<double>(freq[1])};
    Cd r[2];
    goertzel<S, 2>(src, len, f, r);
    store(val[0], r[0], sf);
    store(val[1], r[1], sf);
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsGoertz_32f(const Zor32f* pSrc, int len, Zor32fc* pVal, Zor32f rFreq) { return goertz(pSrc, len, pVal, rFreq); }
ZorStatus zorsGoertz_32fc(const Zor32fc* pSrc, int len, Zor32fc* pVal, Zor32f rFreq) { return goertz(pSrc, len, pVal, rFreq); }
ZorStatus zorsGoertz_64fc(const Zor64fc* pSrc, int len, Zor64fc* pVal, Zor64f rFreq) { return goertz(pSrc, len, pVal, rFreq); }
ZorStatus zorsGoertz_16s_Sfs(const Zor16s* pSrc, int len, Zor16sc* pVal, Zor32f rFreq, int scaleFactor) { return goertz(pSrc, len, pVal, rFreq, scaleFactor); }
ZorStatus zorsGoertz_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc* pVal, Zor32f rFreq, int scaleFactor) { return goertz(pSrc, len, pVal, rFreq, scaleFactor); }
ZorStatus zorsGoertzTwo_32fc(const Zor32fc* pSrc, int len, Zor32fc pVal[2], const Zor32f rFreq[2]) { return goertz_two(pSrc, len, pVal, rFreq); }
ZorStatus zorsGoertzTwo_64fc(const Zor64fc* pSrc, int len, Zor64fc pVal[2], const Zor64f rFreq[2]) { return goertz_two(pSrc, len, pVal, rFreq); }
ZorStatus zorsGoertzTwo_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc pVal[2], const Zor32f rFreq[2], int scaleFactor) { return goertz_two(pSrc, len, pVal, rFreq, scaleFactor); }
