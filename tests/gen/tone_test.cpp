// Tone and triangle generators against their closed forms in long double,
// the returned phase and chaining of blocks, the fast hint's blocks, the Q15
// forms with the continuation of their states, and the check order.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/common.h"

namespace {

using ld = long double;
const ld kPi = 3.141592653589793238462643383279502884L;
const double kTwoPi = 6.283185307179586;

ld tone_at(ld magn, ld f, ld phase, int n, bool sine) {
    const ld x = 2 * kPi * f * n + phase;
    return magn * (sine ? std::sin(x) : std::cos(x));
}

// The triangle falls from +1 at phase 0 to -1 at pi + h and rises back.
ld triangle_at(ld magn, ld f, ld h, ld phase, ld k) {
    ld x = std::fmod(2 * kPi * f * k + phase, 2 * kPi);
    if (x < 0) x += 2 * kPi;
    const ld y = x < kPi + h ? 1 - 2 * x / (kPi + h) : -1 + 2 * (x - kPi - h) / (kPi - h);
    return magn * y;
}

// The phase a direct call returns: reduced, then a single-precision value.
double next_phase(double f, int len, double phase) {
    ld p = std::fmod(2 * kPi * f * len + phase, 2 * kPi);
    return static_cast<float>(p);
}

// A returned phase: a single-precision number in [0, 2pi), at the expected
// angle (up to the rounding of the double computation, modulo 2pi).
void expect_phase(double got, double want) {
    EXPECT_TRUE(got >= 0 && got < kTwoPi) << got;
    EXPECT_EQ(static_cast<double>(static_cast<float>(got)), got);
    const double d = std::fabs(got - want);
    EXPECT_LE(std::fmin(d, kTwoPi - d), 2e-6 * (1 + want)) << got << " vs " << want;
}

// A direct generator of one data type as doubles: out[2n] (and out[2n+1]
// for complex data) for the given parameters.
struct ToneForm {
    const char* name;
    bool complex;
    bool integer;
    double tol;  // relative to magn, on top of the output rounding
    std::function<ZorStatus(std::vector<double>&, int, double, double, double*, ZorHintAlgorithm)> run;
};

template <class T, class M, class F>
ToneForm tone_form(const char* name, ZorStatus (*f)(T*, int, M, F, F*, ZorHintAlgorithm), double tol) {
    constexpr bool cplx = sizeof(T) == 2 * sizeof(M);
    return {name, cplx, std::is_integral_v<M>, tol,
            [f](std::vector<double>& out, int len, double magn, double freq, double* phase, ZorHintAlgorithm hint) {
                std::vector<T> y(len);
                F p = static_cast<F>(*phase);
                const ZorStatus st = f(y.data(), len, static_cast<M>(magn), static_cast<F>(freq), &p, hint);
                *phase = p;
                out.assign(len * (cplx ? 2 : 1), 0);
                const M* parts = reinterpret_cast<const M*>(y.data());
                for (int i = 0; i < len * (cplx ? 2 : 1); ++i) out[i] = parts[i];
                return st;
            }};
}

std::vector<ToneForm> tone_forms() {
    return {tone_form("Tone_32f", zorsTone_Direct_32f, 1e-6), tone_form("Tone_32fc", zorsTone_Direct_32fc, 1e-6),
            tone_form("Tone_64f", zorsTone_Direct_64f, 1e-11), tone_form("Tone_64fc", zorsTone_Direct_64fc, 1e-11),
            tone_form("Tone_16s", zorsTone_Direct_16s, 1e-6), tone_form("Tone_16sc", zorsTone_Direct_16sc, 1e-6)};
}

TEST(Tone, ClosedForm) {
    struct Params { double magn, freq, phase; int len; };
    const std::vector<Params> params = {{1, 0.1, 0, 1}, {1, 0.1, 0, 2}, {3, 0.01, 1, 3}, {2.5, 0.25, 6.2, 5},
                                        {1000, 0.0007, 3, 300}, {12000, 0.4999, 0.5, 257}, {7, 0, 2, 40},
                                        {1, 0.123456, 4.5, 1000}};
    for (const ToneForm& form : tone_forms()) {
        SCOPED_TRACE(form.name);
        for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintAccurate, zorAlgHintFast}) {
            for (const Params& p : params) {
                std::vector<double> out;
                double phase = p.phase;
                ASSERT_EQ(form.run(out, p.len, p.magn, p.freq, &phase, hint), zorStsNoErr);
                const bool single = std::string(form.name).find("64f") == std::string::npos;
                const double f = single ? static_cast<float>(p.freq) : p.freq;
                const double ph = single ? static_cast<float>(p.phase) : p.phase;
                // The fast path of single precision and integers: a float recurrence of <= 1024 steps.
                const double tol = (hint == zorAlgHintFast && single ? 2e-4 : form.tol) * p.magn * (1 + p.len / 100.0) +
                                   (form.integer ? 0.5 : 0) + (single ? 6e-8 * p.magn : 0);
                for (int n = 0; n < p.len; ++n) {
                    for (int k = 0; k < (form.complex ? 2 : 1); ++k) {
                        const ld want = tone_at(p.magn, f, ph, n, k == 1);
                        ASSERT_NEAR(out[n * (form.complex ? 2 : 1) + k], static_cast<double>(want), tol)
                            << "n " << n << " part " << k << " len " << p.len << " freq " << p.freq << " hint " << hint;
                    }
                }
                expect_phase(phase, next_phase(f, p.len, ph));
            }
        }
    }
}

TEST(Tone, FastHintRestartsEachBlock) {
    // Far into a long vector the error stays that of one block.
    std::vector<Zor32f> y(20000);
    float phase = 1.0f;
    ASSERT_EQ(zorsTone_Direct_32f(y.data(), 20000, 1.0f, 0.0123f, &phase, zorAlgHintFast), zorStsNoErr);
    double worst = 0;
    for (int n = 0; n < 20000; ++n)
        worst = std::max(worst, std::fabs(y[n] - static_cast<double>(tone_at(1, 0.0123f, 1.0f, n, false))));
    EXPECT_LT(worst, 1e-4);
    // And the first samples of every block are the direct cosines.
    for (int b = 0; b < 20000; b += 1024)
        EXPECT_NEAR(y[b], static_cast<double>(tone_at(1, 0.0123f, 1.0f, b, false)), 1e-6) << "block " << b;
}

TEST(Tone, ChainedBlocks) {
    for (double f : {0.01, 0.2, 0.3333, 0.49}) {
        std::vector<Zor64f> whole(200), a(100), b(100);
        double p0 = 0.3, p1 = 0.3;
        zorsTone_Direct_64f(whole.data(), 200, 2.0, f, &p0, zorAlgHintNone);
        zorsTone_Direct_64f(a.data(), 100, 2.0, f, &p1, zorAlgHintNone);
        zorsTone_Direct_64f(b.data(), 100, 2.0, f, &p1, zorAlgHintNone);
        EXPECT_EQ(p0, p1);
        for (int n = 0; n < 100; ++n) {
            EXPECT_EQ(a[n], whole[n]);
            EXPECT_NEAR(b[n], whole[100 + n], 1e-6) << "f " << f;  // the returned phase is a float
        }
    }
    // rFreq 0: a constant magn*cos(phase), phase returned unchanged.
    std::vector<Zor32f> c(50);
    float ph = 2.0f;
    zorsTone_Direct_32f(c.data(), 50, 3.0f, 0.0f, &ph, zorAlgHintNone);
    for (float v : c) EXPECT_NEAR(v, 3 * std::cos(2.0), 1e-6);
    EXPECT_EQ(ph, 2.0f);
}

TEST(Tone, Checks) {
    Zor32f y[4] = {};
    const Zor32f keep[4] = {};
    float ph = 0;
    float two_pi = static_cast<float>(kTwoPi);
    struct Row { Zor32f* dst; int len; float magn, freq; float* phase; float phase_value; ZorStatus st; };
    const std::vector<Row> rows = {
        {y, 4, 1, 0.1f, nullptr, 0, zorStsNullPtrErr},
        {nullptr, 0, 0, 0.7f, &ph, 9, zorStsToneMagnErr},
        {y, 4, -1, 0.1f, &ph, 0, zorStsToneMagnErr},
        {nullptr, 0, 1, 0.5f, &ph, 9, zorStsToneFreqErr},
        {y, 4, 1, -0.1f, &ph, 0, zorStsToneFreqErr},
        {y, 4, 1, NAN, &ph, 0, zorStsToneFreqErr},
        {nullptr, 0, 1, 0.1f, &ph, two_pi, zorStsTonePhaseErr},
        {y, 4, 1, 0.1f, &ph, -0.001f, zorStsTonePhaseErr},
        {y, 4, 1, 0.1f, &ph, NAN, zorStsTonePhaseErr},
        {nullptr, 4, 1, 0.1f, &ph, 0, zorStsNullPtrErr},
        {y, 0, 1, 0.1f, &ph, 0, zorStsSizeErr},
    };
    for (const Row& r : rows) {
        ph = r.phase_value;
        EXPECT_EQ(zorsTone_Direct_32f(r.dst, r.len, r.magn, r.freq, r.phase, zorAlgHintNone), r.st);
        EXPECT_EQ(std::memcmp(y, keep, sizeof y), 0);
        if (r.phase) EXPECT_TRUE(std::memcmp(&ph, &r.phase_value, sizeof ph) == 0);
    }
    Zor16s s[2];
    EXPECT_EQ(zorsTone_Direct_16s(s, 2, 0, 0.1f, &ph, zorAlgHintNone), zorStsToneMagnErr);
    double dp = kTwoPi;
    Zor64fc z[2];
    EXPECT_EQ(zorsTone_Direct_64fc(z, 2, 1.0, 0.1, &dp, zorAlgHintNone), zorStsTonePhaseErr);
}

// Triangle: every data type against the closed form.
TEST(Triangle, ClosedForm) {
    struct Params { double magn, freq, asym, phase; int len; };
    const std::vector<Params> params = {{1, 0.1, 0, 0, 30}, {5, 0.03, 1.0, 2.0, 100}, {100, 0.2, -2.5, 5, 64},
                                        {1000, 0.011, -3.14, 0.1, 300}, {2, 0.4, 3.1, 6.1, 50}, {3, 0, 0.5, 1, 5}};
    for (const Params& p : params) {
        const float f32 = static_cast<float>(p.freq), a32 = static_cast<float>(p.asym), p32 = static_cast<float>(p.phase);
        std::vector<Zor64f> d(p.len);
        std::vector<Zor64fc> dc(p.len);
        std::vector<Zor32f> s(p.len);
        std::vector<Zor32fc> sc(p.len);
        std::vector<Zor16s> i(p.len);
        std::vector<Zor16sc> ic(p.len);
        double ph64 = p.phase, ph64c = p.phase;
        float ph32 = p32, ph32c = p32, ph16 = p32, ph16c = p32;
        ASSERT_EQ(zorsTriangle_Direct_64f(d.data(), p.len, p.magn, p.freq, p.asym, &ph64), zorStsNoErr);
        ASSERT_EQ(zorsTriangle_Direct_64fc(dc.data(), p.len, p.magn, p.freq, p.asym, &ph64c), zorStsNoErr);
        ASSERT_EQ(zorsTriangle_Direct_32f(s.data(), p.len, static_cast<float>(p.magn), f32, a32, &ph32), zorStsNoErr);
        ASSERT_EQ(zorsTriangle_Direct_32fc(sc.data(), p.len, static_cast<float>(p.magn), f32, a32, &ph32c), zorStsNoErr);
        ASSERT_EQ(zorsTriangle_Direct_16s(i.data(), p.len, static_cast<Zor16s>(p.magn), f32, a32, &ph16), zorStsNoErr);
        ASSERT_EQ(zorsTriangle_Direct_16sc(ic.data(), p.len, static_cast<Zor16s>(p.magn), f32, a32, &ph16c), zorStsNoErr);
        for (int n = 0; n < p.len; ++n) {
            const double w64 = static_cast<double>(triangle_at(p.magn, p.freq, p.asym, p.phase, n));
            const double w32 = static_cast<double>(triangle_at(p.magn, f32, a32, p32, n));
            const double q32 = static_cast<double>(triangle_at(p.magn, f32, a32, p32 - kPi / 2, n));
            EXPECT_NEAR(d[n], w64, 1e-12 * p.magn) << n;
            EXPECT_NEAR(dc[n].re, w64, 1e-12 * p.magn) << n;
            EXPECT_NEAR(s[n], w32, 1e-6 * p.magn) << n;
            EXPECT_NEAR(sc[n].re, w32, 1e-6 * p.magn) << n;
            EXPECT_NEAR(sc[n].im, q32, 1e-6 * p.magn) << n;
            EXPECT_NEAR(i[n], w32, 0.5 + 1e-6 * p.magn) << n;
            EXPECT_NEAR(ic[n].re, w32, 0.5 + 1e-6 * p.magn) << n;
        }
        expect_phase(ph64, next_phase(p.freq, p.len, p.phase));
        expect_phase(ph32, next_phase(f32, p.len, p32));
    }
    // Symmetric triangle: +1 at phase 0, the minimum -1 at phase pi.
    Zor64f y[9];
    double ph = 0;
    zorsTriangle_Direct_64f(y, 9, 1.0, 0.125, 0.0, &ph);
    EXPECT_EQ(y[0], 1.0);
    EXPECT_NEAR(y[4], -1.0, 1e-15);
    EXPECT_NEAR(y[2], 0.0, 1e-15);
    EXPECT_NEAR(y[6], 0.0, 1e-15);
}

TEST(Triangle, Checks) {
    Zor64f y[2] = {5, 5};
    double ph = 0;
    struct Row { Zor64f* dst; int len; double magn, freq, asym; double* phase; double pv; ZorStatus st; };
    const std::vector<Row> rows = {
        {y, 2, 1, 0.1, 0, nullptr, 0, zorStsNullPtrErr},
        {nullptr, 0, 0, 0.5, 9, &ph, 9, zorStsTrnglMagnErr},
        {nullptr, 0, 1, 0.5, 9, &ph, 9, zorStsTrnglFreqErr},
        {nullptr, 0, 1, NAN, 9, &ph, 9, zorStsTrnglFreqErr},
        {nullptr, 0, 1, 0.1, 3.141592653589793, &ph, 9, zorStsTrnglAsymErr},
        {nullptr, 0, 1, 0.1, -3.2, &ph, 9, zorStsTrnglAsymErr},
        {nullptr, 0, 1, 0.1, NAN, &ph, 9, zorStsTrnglAsymErr},
        {nullptr, 0, 1, 0.1, -3.141592653589793, &ph, kTwoPi, zorStsTrnglPhaseErr},
        {nullptr, 0, 1, 0.1, 0, &ph, 0, zorStsNullPtrErr},
        {y, 0, 1, 0.1, 0, &ph, 0, zorStsSizeErr},
    };
    for (const Row& r : rows) {
        ph = r.pv;
        EXPECT_EQ(zorsTriangle_Direct_64f(r.dst, r.len, r.magn, r.freq, r.asym, r.phase), r.st);
        EXPECT_EQ(y[0], 5.0);
        EXPECT_EQ(ph, r.pv);
    }
}

// Q15 tone: each sample magn*cos(2pi f k + phase) rounded half away from
// zero; the state continues across calls.
Zor16s q15_tone(int magn, int f, int phase, long k) {
    const ld v = magn * std::cos(2 * kPi * (f / 32768.0L) * k + phase / 32768.0L);
    return static_cast<Zor16s>(std::fmax(-32768.0L, std::fmin(32767.0L, std::round(v))));
}

TEST(ToneQ15, DirectAndState) {
    int size = 0;
    ASSERT_EQ(zorsToneGetStateSizeQ15_16s(&size), zorStsNoErr);
    EXPECT_EQ(size, 48);
    struct Params { int magn, f, phase; };
    for (const Params& p : {Params{32767, 1000, 0}, Params{100, 16383, 205886}, Params{5000, 0, 51471}, Params{1, 3, 7}}) {
        std::vector<Zor16s> direct(300), pieces(300);
        ASSERT_EQ(zorsToneQ15_Direct_16s(direct.data(), 300, static_cast<Zor16s>(p.magn), static_cast<Zor16s>(p.f), p.phase), zorStsNoErr);
        for (int k = 0; k < 300; ++k) EXPECT_NEAR(direct[k], q15_tone(p.magn, p.f, p.phase, k), 1) << k;
        std::vector<unsigned char> mem(size);
        auto* st = reinterpret_cast<ZorsToneState_16s*>(mem.data());
        ASSERT_EQ(zorsToneInitQ15_16s(st, static_cast<Zor16s>(p.magn), static_cast<Zor16s>(p.f), p.phase), zorStsNoErr);
        int at = 0;
        for (int len : {1, 10, 10, 37, 242}) {
            ASSERT_EQ(zorsToneQ15_16s(pieces.data() + at, len, st), zorStsNoErr);
            at += len;
        }
        EXPECT_EQ(pieces, direct);
        EXPECT_EQ(zorsToneFree(st), zorStsNoErr);  // a caller-memory state: nothing released
    }
    ZorsToneState_16s* a = nullptr;
    ASSERT_EQ(zorsToneInitAllocQ15_16s(&a, 1000, 512, 0), zorStsNoErr);
    Zor16s x[20], y[20];
    zorsToneQ15_16s(x, 10, a);
    zorsToneQ15_16s(x + 10, 10, a);
    zorsToneQ15_Direct_16s(y, 20, 1000, 512, 0);
    EXPECT_EQ(std::memcmp(x, y, sizeof x), 0);
    EXPECT_EQ(zorsToneFree(a), zorStsNoErr);
}

TEST(ToneQ15, Checks) {
    Zor16s y[4] = {9, 9, 9, 9};
    struct Row { Zor16s* d; int len, magn, f, phase; ZorStatus st; };
    for (const Row& r : {Row{nullptr, 4, 1, 1, 1, zorStsNullPtrErr}, Row{y, 0, 0, -1, -1, zorStsSizeErr},
                         Row{y, 4, 0, -1, -1, zorStsToneMagnErr}, Row{y, 4, 1, 16384, -1, zorStsToneFreqErr},
                         Row{y, 4, 1, -1, 0, zorStsToneFreqErr}, Row{y, 4, 1, 0, 205887, zorStsTonePhaseErr},
                         Row{y, 4, 1, 0, -1, zorStsTonePhaseErr}}) {
        EXPECT_EQ(zorsToneQ15_Direct_16s(r.d, r.len, static_cast<Zor16s>(r.magn), static_cast<Zor16s>(r.f), r.phase), r.st);
        EXPECT_EQ(y[0], 9);
    }
    ZorsToneState_16s* a = nullptr;
    EXPECT_EQ(zorsToneInitAllocQ15_16s(nullptr, 0, 1, 1), zorStsNullPtrErr);
    EXPECT_EQ(zorsToneInitAllocQ15_16s(&a, 0, 1, 1), zorStsToneMagnErr);
    EXPECT_EQ(zorsToneInitAllocQ15_16s(&a, 1, 1, 205887), zorStsTonePhaseErr);
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(zorsToneInitQ15_16s(nullptr, 1, 1, 1), zorStsNullPtrErr);
    // A foreign state: the triangle's, or zeros.
    std::vector<unsigned char> mem(136, 0);
    EXPECT_EQ(zorsToneQ15_16s(y, 4, reinterpret_cast<ZorsToneState_16s*>(mem.data())), zorStsContextMatchErr);
    EXPECT_EQ(zorsToneFree(reinterpret_cast<ZorsToneState_16s*>(mem.data())), zorStsContextMatchErr);
    ASSERT_EQ(zorsTriangleInitQ15_16s(reinterpret_cast<ZorsTriangleState_16s*>(mem.data()), 1, 1, 1, 1), zorStsNoErr);
    EXPECT_EQ(zorsToneQ15_16s(y, 4, reinterpret_cast<ZorsToneState_16s*>(mem.data())), zorStsContextMatchErr);
    EXPECT_EQ(zorsToneQ15_16s(nullptr, 4, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsToneQ15_16s(y, 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsToneFree(nullptr), zorStsNullPtrErr);
    EXPECT_EQ(y[0], 9);
}

TEST(TriangleQ15, DirectAndState) {
    int size = 0;
    ASSERT_EQ(zorsTriangleGetStateSizeQ15_16s(&size), zorStsNoErr);
    EXPECT_EQ(size, 136);
    struct Params { int magn, f, phase, asym; };
    for (const Params& p : {Params{32767, 1000, 0, 0}, Params{300, 5000, 100000, -102943}, Params{20, 7, 205886, 102943}}) {
        std::vector<Zor16s> direct(200), pieces(200);
        ASSERT_EQ(zorsTriangleQ15_Direct_16s(direct.data(), 200, static_cast<Zor16s>(p.magn), static_cast<Zor16s>(p.f), p.phase, p.asym), zorStsNoErr);
        for (int k = 0; k < 200; ++k)
            EXPECT_NEAR(direct[k], static_cast<double>(triangle_at(p.magn, p.f / 32768.0L, p.asym / 32768.0L, p.phase / 32768.0L, k)), 0.5 + 1e-6 * p.magn) << k;
        ZorsTriangleState_16s* st = nullptr;
        ASSERT_EQ(zorsTriangleInitAllocQ15_16s(&st, static_cast<Zor16s>(p.magn), static_cast<Zor16s>(p.f), p.phase, p.asym), zorStsNoErr);
        int at = 0;
        for (int len : {3, 97, 100}) {
            ASSERT_EQ(zorsTriangleQ15_16s(pieces.data() + at, len, st), zorStsNoErr);
            at += len;
        }
        EXPECT_EQ(pieces, direct);
        EXPECT_EQ(zorsTriangleFree(st), zorStsNoErr);
    }
    ZorsTriangleState_16s* st = nullptr;
    EXPECT_EQ(zorsTriangleInitAllocQ15_16s(&st, 0, 1, 1, 1), zorStsTrnglMagnErr);
    EXPECT_EQ(zorsTriangleInitAllocQ15_16s(&st, 1, 16384, 1, 1), zorStsTrnglFreqErr);
    EXPECT_EQ(zorsTriangleInitAllocQ15_16s(&st, 1, 1, 205887, 1), zorStsTrnglPhaseErr);
    EXPECT_EQ(zorsTriangleInitAllocQ15_16s(&st, 1, 1, 1, 102944), zorStsTrnglAsymErr);
    EXPECT_EQ(zorsTriangleInitAllocQ15_16s(&st, 1, 1, 1, -102944), zorStsTrnglAsymErr);
    EXPECT_EQ(st, nullptr);
    Zor16s y[2];
    EXPECT_EQ(zorsTriangleQ15_Direct_16s(y, 2, 1, 1, 1, 102944), zorStsTrnglAsymErr);
    std::vector<unsigned char> mem(136, 0);
    ASSERT_EQ(zorsToneInitQ15_16s(reinterpret_cast<ZorsToneState_16s*>(mem.data()), 1, 1, 1), zorStsNoErr);
    EXPECT_EQ(zorsTriangleQ15_16s(y, 2, reinterpret_cast<ZorsTriangleState_16s*>(mem.data())), zorStsContextMatchErr);
    EXPECT_EQ(zorsTriangleFree(reinterpret_cast<ZorsTriangleState_16s*>(mem.data())), zorStsContextMatchErr);
}

}  // namespace
