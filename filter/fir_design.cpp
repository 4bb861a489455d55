// FIR design by the window method: lowpass, highpass, bandpass and bandstop
// taps in double precision, centred on (tapsLen - 1)/2.
//
// The lower half of the ideal response is formed from sines (or, for the
// even-length highpass, cosines) produced by the double-precision tone
// generator with a start phase that turns its cosine into the wanted
// function, divided by pi times the tap's distance from the centre (pi per
// step from pi, or from pi/2 for even lengths). The upper half is cleared,
// the window applied in place over all taps, the lower half and the centre
// optionally scaled to unit gain at the reference frequency (DC for lowpass
// and bandstop, Nyquist for highpass, the band centre for bandpass), and
// finally mirrored (negated for the antisymmetric even-length highpass).
//
// Checks: pTaps null (-8); tapsLen < 5, a frequency outside (0, 0.5] or
// NaN, or for bands rLowFreq >= rHighFreq (-6); the working buffers cannot
// be allocated (-8). Nothing is written on error.
#include <cmath>
#include <cstdint>

#include "frame/check.h"
#include "frame/memory.h"
#include "gen/gen.h"

namespace zors {
namespace {

using gen::kPi;
using gen::kTwoPi;

// Which function of the tap distance a tone produces.
enum class Wave { sin, neg_sin, cos };

// Fills out[k - 1] = wave(2*pi*f*d_k) for k = 1..half, d_k = k (odd) or
// k - 1/2 (even), by the tone generator; f = 0.5 uses the closed forms.
void wave_values(double f, Wave wave, bool odd, double* out, int half) {
    if (f >= 0.5) {
        for (int k = 1; k <= half; ++k) {
            const double d = odd ? k : k - 0.5;
            const double x = kPi * d;  // 2*pi*0.5*d
            out[k - 1] = wave == Wave::cos ? std::cos(x) : (wave == Wave::sin ? std::sin(x) : -std::sin(x));
        }
        return;
    }
    double phase;
    if (odd) {
        // cos(2*pi*f*n + phase) at n = 0.. is sin(2*pi*f*(n + 1)) or its negation.
        if (wave == Wave::sin) phase = f >= 0.25 ? kTwoPi * (f - 0.25) : kTwoPi * (f + 0.75);
        else phase = kTwoPi * (f + 0.25);
    } else {
        phase = wave == Wave::sin ? kPi * (f + 1.5) : (wave == Wave::neg_sin ? kPi * (f + 0.5) : kPi * f);
    }
    if (!(phase < kTwoPi)) phase -= kTwoPi;
    zorsTone_Direct_64f(out, half, 1.0, f, &phase, zorAlgHintAccurate);
}

// Window of the design type over all taps, in place.
void window(double* taps, int len, int type) {
    switch (type) {
    case zorWinBartlett: zorsWinBartlett_64f_I(taps, len); break;
    case zorWinBlackman: zorsWinBlackmanOpt_64f_I(taps, len); break;
    case zorWinHamming: zorsWinHamming_64f_I(taps, len); break;
    case zorWinHann: zorsWinHann_64f_I(taps, len); break;
    default: break;
    }
}

enum class Kind { lowpass, highpass, bandpass, bandstop };

bool bad_freq(double f) { return !(f > 0 && f <= 0.5); }

// Two working arrays of half + 1 doubles, released on every path.
struct Work {
    double* a = nullptr;
    double* b = nullptr;
    ~Work() {
        aligned_free(a);
        aligned_free(b);
    }
};

ZorStatus design(Kind kind, double f1, double f2, double* taps, int len, int type, int normal) {
    const bool band = kind == Kind::bandpass || kind == Kind::bandstop;
    ZORS_CHECK(nonnull(taps),
               require(!(len < 5 || bad_freq(f1) || (band && (bad_freq(f2) || !(f1 < f2)))), zorStsSizeErr));
    const int half = len / 2;
    const bool odd = (len & 1) != 0;
    Work w;
    const std::uint64_t bytes = sizeof(double) * (static_cast<std::uint64_t>(half) + 1);
    w.a = static_cast<double*>(aligned_alloc_bytes(bytes));
    if (band) w.b = static_cast<double*>(aligned_alloc_bytes(bytes));
    if (w.a == nullptr || (band && w.b == nullptr)) return zorStsNullPtrErr;

    // 1. The half response, tap half - k at distance d_k.
    double centre = 0;
    switch (kind) {
    case Kind::lowpass:
        wave_values(f1, Wave::sin, odd, w.a, half);
        centre = 2 * f1;
        break;
    case Kind::highpass:
        wave_values(f1, odd ? Wave::neg_sin : Wave::cos, odd, w.a, half);
        centre = 1 - 2 * f1;
        break;
    case Kind::bandpass:
        wave_values(f2, Wave::sin, odd, w.a, half);
        wave_values(f1, Wave::neg_sin, odd, w.b, half);
        centre = 2 * (f2 - f1);
        break;
    case Kind::bandstop:
        wave_values(f1, Wave::sin, odd, w.a, half);
        wave_values(f2, Wave::neg_sin, odd, w.b, half);
        centre = 1 - 2 * (f2 - f1);
        break;
    }
    double den = odd ? kPi : kPi / 2;
    for (int k = 1; k <= half; ++k, den += kPi) {
        double num = w.a[k - 1];
        if (band) num += w.b[k - 1];
        if (kind == Kind::bandstop && !odd) num += (k & 1) ? 1.0 : -1.0;
        taps[half - k] = num / den;
    }
    if (odd) taps[half] = centre;
    // 2. The upper half cleared, 3. the window over all taps.
    for (int i = (len + 1) / 2; i < len; ++i) taps[i] = 0;
    window(taps, len, type);
    // 4. Unit gain at the reference frequency.
    if (normal != 0) {
        double s = 0;
        const double fc = (f1 + f2) * 0.5;
        for (int k = 1; k <= half; ++k) {
            double c = 1;
            if (kind == Kind::highpass) c = (k & 1) ? -1.0 : 1.0;
            else if (kind == Kind::bandpass) c = std::cos(kTwoPi * fc * (odd ? k : k - 0.5));
            s += taps[half - k] * c;
        }
        s *= 2;
        if (odd) s += taps[half];  // the centre is at distance 0: c = 1
        const double g = 1 / std::fabs(s);
        for (int i = 0; i < half; ++i) taps[i] *= g;
        if (odd) taps[half] *= g;
    }
    // 5. The mirror.
    const bool anti = kind == Kind::highpass && !odd;
    for (int i = 0; i < half; ++i) taps[len - 1 - i] = anti ? -taps[i] : taps[i];
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsFIRGenLowpass_64f(Zor64f rFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal) { return design(Kind::lowpass, rFreq, 0, pTaps, tapsLen, winType, doNormal); }
ZorStatus zorsFIRGenHighpass_64f(Zor64f rFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal) { return design(Kind::highpass, rFreq, 0, pTaps, tapsLen, winType, doNormal); }
ZorStatus zorsFIRGenBandpass_64f(Zor64f rLowFreq, Zor64f rHighFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal) { return design(Kind::bandpass, rLowFreq, rHighFreq, pTaps, tapsLen, winType, doNormal); }
ZorStatus zorsFIRGenBandstop_64f(Zor64f rLowFreq, Zor64f rHighFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal) { return design(Kind::bandstop, rLowFreq, rHighFreq, pTaps, tapsLen, winType, doNormal); }
