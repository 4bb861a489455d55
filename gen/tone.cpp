// Tone and triangle generators: the direct forms in 16s, 32f and 64f, real
// and complex, and the Q15 forms, direct and with a state that continues the
// waveform across calls.
//
// Tone: y[n] = magn*cos(2*pi*rFreq*n + phase) (complex: plus i*sin). The
// default method evaluates the first two samples directly and continues in
// double with y[n] = 2cos(w)*y[n-1] - y[n-2] for n = 2, 3, then with the
// step-two form y[n] = (4cos^2(w) - 2)*y[n-2] - y[n-4], which keeps two
// independent chains. The fast hint (single precision and integer data)
// restarts every 1024 samples from directly evaluated cosines, forms 16
// samples by the double recurrence and extends them in single precision
// four samples apart, y[n] = (2cos(4w))*y[n-4] - y[n-8]. Integer samples are
// rounded to nearest, ties to even, and saturated.
//
// Triangle: with h = asym and phi the phase reduced to [0, 2*pi), it falls
// linearly from +magn at phi = 0 to -magn at phi = pi + h and rises back to
// +magn at 2*pi. Each sample is evaluated from its own phase.
//
// The returned phase is 2*pi*rFreq*len + phase reduced to [0, 2*pi) and
// rounded to single precision (0 when the reduction leaves the interval).
//
// Q15 forms: parameters times 2^-15; every tone sample evaluated directly in
// double and rounded half away from zero; the states count the samples they
// have produced since Init.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "frame/check.h"
#include "frame/memory.h"
#include "gen/gen.h"

struct ZorsToneState_16s {
    std::uint32_t id;
    std::uint32_t reserved0;
    double magn, rfreq, phase;
    std::int32_t index;
    std::int32_t allocated;
    std::int32_t started;
    std::uint32_t reserved1;
};

struct ZorsTriangleState_16s {
    std::uint32_t id;
    std::uint32_t reserved0;
    double magn, rfreq, phase, asym;
    double work[10];
    std::int32_t index;
    std::int32_t allocated;
    std::int32_t started;
    std::uint32_t reserved1;
};

static_assert(sizeof(ZorsToneState_16s) == 48 && offsetof(ZorsToneState_16s, index) == 32);
static_assert(sizeof(ZorsTriangleState_16s) == 136 && offsetof(ZorsTriangleState_16s, index) == 120);

namespace zors {
namespace {

using gen::kPi;
using gen::kTwoPi;
using gen::Rounding;

constexpr std::uint32_t kToneId = gen::fourcc('Z', 'S', 'M', 'L');
constexpr std::uint32_t kTriangleId = gen::fourcc('[', 'S', 'M', 'L');

// Range checks that NaN fails.
constexpr bool in_range(double v, double lo, double hi) { return v >= lo && v < hi; }

// The phase at which the next block starts, as a single-precision number.
template <class F>
F next_phase(double rfreq, int len, double phase) {
    double p = kTwoPi * rfreq * len + phase;
    p = p - kTwoPi * std::floor(p * 0.15915494309189535);
    if (!in_range(p, 0, kTwoPi)) p = 0;
    float f = static_cast<float>(p);
    if (!in_range(f, 0, kTwoPi)) f = 0;
    return static_cast<F>(f);
}

// Writes sample n (the cosine part c and the sine part s of magn*e^(i*x)).
template <class T>
inline void put(T* dst, int n, double c, double s) {
    using P = part_t<T>;
    P* d = gen::parts(dst);
    if constexpr (is_complex_v<T>) {
        d[2 * n] = gen::to_part<P>(c, Rounding::even);
        d[2 * n + 1] = gen::to_part<P>(s, Rounding::even);
    } else {
        (void)s;
        d[n] = gen::to_part<P>(c, Rounding::even);
    }
}

// The default method over samples [0, len) of one part (cos for part 0, sin
// for part 1): direct start, then the recurrences in double.
template <class T>
void tone_recurrence(T* dst, int len, double magn, double w, double phase, int part) {
    using P = part_t<T>;
    constexpr int np = gen::parts_v<T>;
    P* d = gen::parts(dst) + part;
    auto f0 = [&](double x) { return part == 0 ? std::cos(x) : std::sin(x); };
    const double c2 = 2 * std::cos(w);
    const double c4 = c2 * c2 - 2;
    double y[4];
    y[0] = magn * f0(phase);
    if (len > 1) y[1] = magn * f0(w + phase);
    for (int n = 2; n < 4 && n < len; ++n) y[n] = c2 * y[n - 1] - y[n - 2];
    for (int n = 0; n < 4 && n < len; ++n) d[n * np] = gen::to_part<P>(y[n], Rounding::even);
    // Two chains, even and odd samples: a = y[n-4], b = y[n-2].
    double a0 = y[0], b0 = len > 2 ? y[2] : 0, a1 = len > 1 ? y[1] : 0, b1 = len > 3 ? y[3] : 0;
    int n = 4;
    for (; n + 1 < len; n += 2) {
        const double e = c4 * b0 - a0;
        const double o = c4 * b1 - a1;
        a0 = b0; b0 = e; a1 = b1; b1 = o;
        d[n * np] = gen::to_part<P>(e, Rounding::even);
        d[(n + 1) * np] = gen::to_part<P>(o, Rounding::even);
    }
    if (n < len) d[n * np] = gen::to_part<P>(c4 * b0 - a0, Rounding::even);
}

// The fast method: blocks of 1024 restarted from direct cosines, 16 samples
// by the double recurrence, the rest in single precision four samples apart.
template <class T>
void tone_fast(T* dst, int len, double magn, double w, double phase, int part) {
    using P = part_t<T>;
    constexpr int np = gen::parts_v<T>;
    constexpr int kBlock = 1024, kHead = 16;
    P* d = gen::parts(dst) + part;
    const double c2 = 2 * std::cos(w);
    const double c2x2 = c2 * c2 - 2;
    const float c8 = static_cast<float>(c2x2 * c2x2 - 2);  // 2cos(4w)
    float y[kBlock];
    for (int b = 0; b < len; b += kBlock) {
        const int m = len - b < kBlock ? len - b : kBlock;
        const double x0 = w * b + phase;
        double z0 = magn * (part == 0 ? std::cos(x0) : std::sin(x0));
        double z1 = magn * (part == 0 ? std::cos(x0 + w) : std::sin(x0 + w));
        y[0] = static_cast<float>(z0);
        if (m > 1) y[1] = static_cast<float>(z1);
        for (int n = 2; n < kHead && n < m; ++n) {
            const double z = c2 * z1 - z0;
            z0 = z1;
            z1 = z;
            y[n] = static_cast<float>(z);
        }
        for (int n = kHead; n < m; ++n) y[n] = c8 * y[n - 4] - y[n - 8];
        for (int n = 0; n < m; ++n) d[(b + n) * np] = gen::to_part<P>(y[n], Rounding::even);
    }
}

template <class T, class M, class F>
ZorStatus tone(T* dst, int len, M magn, F rfreq, F* pphase, ZorHintAlgorithm hint) {
    // The checks' arguments are all evaluated: the phase is read only once
    // its pointer has passed.
    ZORS_CHECK(nonnull(pphase));
    ZORS_CHECK(require(magn > 0, zorStsToneMagnErr), require(in_range(rfreq, 0, 0.5), zorStsToneFreqErr),
               require(in_range(*pphase, 0, kTwoPi), zorStsTonePhaseErr), nonnull(dst), positive(len));
    const double w = kTwoPi * static_cast<double>(rfreq);
    const double phase = *pphase;
    const bool fast = hint == zorAlgHintFast && !std::is_same_v<part_t<T>, double>;
    for (int part = 0; part < gen::parts_v<T>; ++part) {
        if (fast) tone_fast(dst, len, static_cast<double>(magn), w, phase, part);
        else tone_recurrence(dst, len, static_cast<double>(magn), w, phase, part);
    }
    *pphase = next_phase<F>(rfreq, len, phase);
    return zorStsNoErr;
}

// The triangle value at the reduced phase phi in [0, 2*pi).
inline double triangle_at(double phi, double h) {
    const double fall = kPi + h;
    if (phi < fall) return 1 - 2 * phi / fall;
    return -1 + 2 * (phi - fall) / (kPi - h);
}

inline double reduce(double p) {
    p = p - kTwoPi * std::floor(p * 0.15915494309189535);
    return in_range(p, 0, kTwoPi) ? p : 0;
}

// Samples k0 .. k0+len-1 of the triangle; the complex form's imaginary part
// is the same wave a quarter period later.
template <class T>
void triangle_fill(T* dst, int len, double magn, double rfreq, double h, double phase, double k0, Rounding r) {
    using P = part_t<T>;
    const double w = kTwoPi * rfreq;
    P* d = gen::parts(dst);
    for (int n = 0; n < len; ++n) {
        const double x = w * (k0 + n) + phase;
        if constexpr (is_complex_v<T>) {
            d[2 * n] = gen::to_part<P>(magn * triangle_at(reduce(x), h), r);
            d[2 * n + 1] = gen::to_part<P>(magn * triangle_at(reduce(x - 0.5 * kPi), h), r);
        } else {
            d[n] = gen::to_part<P>(magn * triangle_at(reduce(x), h), r);
        }
    }
}

template <class T, class M, class F>
ZorStatus triangle(T* dst, int len, M magn, F rfreq, F asym, F* pphase) {
    ZORS_CHECK(nonnull(pphase));
    ZORS_CHECK(require(magn > 0, zorStsTrnglMagnErr),
               require(in_range(rfreq, 0, 0.5), zorStsTrnglFreqErr),
               require(in_range(asym, -kPi, kPi), zorStsTrnglAsymErr),
               require(in_range(*pphase, 0, kTwoPi), zorStsTrnglPhaseErr), nonnull(dst), positive(len));
    triangle_fill(dst, len, static_cast<double>(magn), rfreq, asym, *pphase, 0, Rounding::even);
    *pphase = next_phase<F>(rfreq, len, *pphase);
    return zorStsNoErr;
}

// Q15 parameters.
double q15(std::int32_t v) { return v * (1.0 / 32768); }

ZorStatus tone_q15_checks(Zor16s magn, Zor16s rfreq, Zor32s phase) {
    return first_failure(require(magn >= 1, zorStsToneMagnErr), require(rfreq >= 0 && rfreq <= 16383, zorStsToneFreqErr),
                         require(phase >= 0 && phase <= 205886, zorStsTonePhaseErr));
}

ZorStatus triangle_q15_checks(Zor16s magn, Zor16s rfreq, Zor32s phase, Zor32s asym) {
    return first_failure(require(magn >= 1, zorStsTrnglMagnErr), require(rfreq >= 0 && rfreq <= 16383, zorStsTrnglFreqErr),
                         require(phase >= 0 && phase <= 205886, zorStsTrnglPhaseErr),
                         require(asym >= -102943 && asym <= 102943, zorStsTrnglAsymErr));
}

// Samples k0 .. k0+len-1 of the Q15 tone, each evaluated directly.
void tone_q15_fill(Zor16s* dst, int len, double magn, double rfreq, double phase, double k0) {
    const double w = kTwoPi * rfreq;
    for (int n = 0; n < len; ++n) {
        const double v = magn * std::cos(w * (k0 + n) + phase);
        dst[n] = gen::clamp_int<Zor16s>(std::trunc(v > 0 ? v + 0.5 : v - 0.5));
    }
}

// The state's sample count as the index of its next sample (the count is a
// 32-bit number that wraps).
double state_index(std::int32_t index) { return static_cast<double>(index); }
std::int32_t advance(std::int32_t index, int len) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(index) + static_cast<std::uint32_t>(len));
}

template <class S>
ZorStatus state_free(S* s, std::uint32_t id) {
    ZORS_CHECK(nonnull(s));
    ZORS_CHECK(require(s->id == id, zorStsContextMatchErr));
    if (s->allocated == 1) {
        s->id = 0;
        aligned_free(s);
    }
    return zorStsNoErr;
}

void tone_init(ZorsToneState_16s* s, Zor16s magn, Zor16s rfreq, Zor32s phase) {
    *s = ZorsToneState_16s{kToneId, 0, static_cast<double>(magn), q15(rfreq), q15(phase), 0, 0, 0, 0};
}

void triangle_init(ZorsTriangleState_16s* s, Zor16s magn, Zor16s rfreq, Zor32s phase, Zor32s asym) {
    *s = ZorsTriangleState_16s{};
    s->id = kTriangleId;
    s->magn = magn;
    s->rfreq = q15(rfreq);
    s->phase = q15(phase);
    s->asym = q15(asym);
}

// A state in library memory, built by init and marked as allocated.
template <class S, class Init>
ZorStatus state_alloc(S** pp, Init&& init) {
    auto* s = static_cast<S*>(aligned_alloc_bytes(sizeof(S)));
    if (s == nullptr) return zorStsMemAllocErr;
    init(s);
    s->allocated = 1;
    *pp = s;
    return zorStsNoErr;
}

// The next len samples of a state: fill(dst, len, first index); the first
// call after Init starts at index 0.
template <class S, class Fill>
ZorStatus state_generate(Zor16s* dst, int len, S* s, std::uint32_t id, Fill&& fill) {
    ZORS_CHECK(nonnull(dst, s), positive(len));
    ZORS_CHECK(require(s->id == id, zorStsContextMatchErr));
    const std::int32_t index = s->started ? s->index : 0;
    fill(dst, len, state_index(index));
    s->index = advance(index, len);
    s->started = 1;
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsTone_Direct_32f(Zor32f* pDst, int len, float magn, float rFreq, float* pPhase, ZorHintAlgorithm hint) { return tone(pDst, len, magn, rFreq, pPhase, hint); }
ZorStatus zorsTone_Direct_32fc(Zor32fc* pDst, int len, float magn, float rFreq, float* pPhase, ZorHintAlgorithm hint) { return tone(pDst, len, magn, rFreq, pPhase, hint); }
ZorStatus zorsTone_Direct_64f(Zor64f* pDst, int len, double magn, double rFreq, double* pPhase, ZorHintAlgorithm hint) { return tone(pDst, len, magn, rFreq, pPhase, hint); }
ZorStatus zorsTone_Direct_64fc(Zor64fc* pDst, int len, double magn, double rFreq, double* pPhase, ZorHintAlgorithm hint) { return tone(pDst, len, magn, rFreq, pPhase, hint); }
ZorStatus zorsTone_Direct_16s(Zor16s* pDst, int len, Zor16s magn, float rFreq, float* pPhase, ZorHintAlgorithm hint) { return tone(pDst, len, magn, rFreq, pPhase, hint); }
ZorStatus zorsTone_Direct_16sc(Zor16sc* pDst, int len, Zor16s magn, float rFreq, float* pPhase, ZorHintAlgorithm hint) { return tone(pDst, len, magn, rFreq, pPhase, hint); }

ZorStatus zorsTriangle_Direct_32f(Zor32f* pDst, int len, float magn, float rFreq, float asym, float* pPhase) { return triangle(pDst, len, magn, rFreq, asym, pPhase); }
ZorStatus zorsTriangle_Direct_32fc(Zor32fc* pDst, int len, float magn, float rFreq, float asym, float* pPhase) { return triangle(pDst, len, magn, rFreq, asym, pPhase); }
ZorStatus zorsTriangle_Direct_64f(Zor64f* pDst, int len, double magn, double rFreq, double asym, double* pPhase) { return triangle(pDst, len, magn, rFreq, asym, pPhase); }
ZorStatus zorsTriangle_Direct_64fc(Zor64fc* pDst, int len, double magn, double rFreq, double asym, double* pPhase) { return triangle(pDst, len, magn, rFreq, asym, pPhase); }
ZorStatus zorsTriangle_Direct_16s(Zor16s* pDst, int len, Zor16s magn, float rFreq, float asym, float* pPhase) { return triangle(pDst, len, magn, rFreq, asym, pPhase); }
ZorStatus zorsTriangle_Direct_16sc(Zor16sc* pDst, int len, Zor16s magn, float rFreq, float asym, float* pPhase) { return triangle(pDst, len, magn, rFreq, asym, pPhase); }

ZorStatus zorsToneQ15_Direct_16s(Zor16s* pDst, int len, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15) {
    ZORS_CHECK(nonnull(pDst), positive(len), tone_q15_checks(magn, rFreqQ15, phaseQ15));
    tone_q15_fill(pDst, len, magn, q15(rFreqQ15), q15(phaseQ15), 0);
    return zorStsNoErr;
}

ZorStatus zorsToneGetStateSizeQ15_16s(int* pStateSize) {
    ZORS_CHECK(nonnull(pStateSize));
    *pStateSize = static_cast<int>(sizeof(ZorsToneState_16s));
    return zorStsNoErr;
}

ZorStatus zorsToneInitQ15_16s(ZorsToneState_16s* pState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15) {
    ZORS_CHECK(nonnull(pState), tone_q15_checks(magn, rFreqQ15, phaseQ15));
    tone_init(pState, magn, rFreqQ15, phaseQ15);
    return zorStsNoErr;
}

ZorStatus zorsToneInitAllocQ15_16s(ZorsToneState_16s** ppState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15) {
    ZORS_CHECK(nonnull(ppState), tone_q15_checks(magn, rFreqQ15, phaseQ15));
    return state_alloc(ppState, [&](ZorsToneState_16s* s) { tone_init(s, magn, rFreqQ15, phaseQ15); });
}

ZorStatus zorsToneQ15_16s(Zor16s* pDst, int len, ZorsToneState_16s* pState) {
    return state_generate(pDst, len, pState, kToneId, [pState](Zor16s* d, int n, double k0) {
        tone_q15_fill(d, n, pState->magn, pState->rfreq, pState->phase, k0);
    });
}

ZorStatus zorsToneFree(ZorsToneState_16s* pState) { return state_free(pState, kToneId); }

ZorStatus zorsTriangleQ15_Direct_16s(Zor16s* pDst, int len, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15, Zor32s asymQ15) {
    ZORS_CHECK(nonnull(pDst), positive(len), triangle_q15_checks(magn, rFreqQ15, phaseQ15, asymQ15));
    triangle_fill(pDst, len, magn, q15(rFreqQ15), q15(asymQ15), q15(phaseQ15), 0, Rounding::away);
    return zorStsNoErr;
}

ZorStatus zorsTriangleGetStateSizeQ15_16s(int* pStateSize) {
    ZORS_CHECK(nonnull(pStateSize));
    *pStateSize = static_cast<int>(sizeof(ZorsTriangleState_16s));
    return zorStsNoErr;
}

ZorStatus zorsTriangleInitQ15_16s(ZorsTriangleState_16s* pState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15, Zor32s asymQ15) {
    ZORS_CHECK(nonnull(pState), triangle_q15_checks(magn, rFreqQ15, phaseQ15, asymQ15));
    triangle_init(pState, magn, rFreqQ15, phaseQ15, asymQ15);
    return zorStsNoErr;
}

ZorStatus zorsTriangleInitAllocQ15_16s(ZorsTriangleState_16s** ppState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15, Zor32s asymQ15) {
    ZORS_CHECK(nonnull(ppState), triangle_q15_checks(magn, rFreqQ15, phaseQ15, asymQ15));
    return state_alloc(ppState, [&](ZorsTriangleState_16s* s) { triangle_init(s, magn, rFreqQ15, phaseQ15, asymQ15); });
}

ZorStatus zorsTriangleQ15_16s(Zor16s* pDst, int len, ZorsTriangleState_16s* pState) {
    return state_generate(pDst, len, pState, kTriangleId, [pState](Zor16s* d, int n, double k0) {
        triangle_fill(d, n, pState->magn, pState->rfreq, pState->asym, pState->phase, k0, Rounding::away);
    });
}

ZorStatus zorsTriangleFree(ZorsTriangleState_16s* pState) { return state_free(pState, kTriangleId); }
