// FIR design: the ideal taps against their closed forms, symmetry, the
// normalisations, the frequency responses of designed filters for every
// window (pass-band flatness, stop-band level), and the checks.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <functional>
#include <vector>

#include "tests/common.h"

namespace {

using ld = long double;
const ld kPi = 3.141592653589793238462643383279502884L;

enum class Kind { low, high, pass, stop };

ZorStatus design(Kind k, double f1, double f2, double* taps, int len, int win, int normal) {
    const ZorWinType w = static_cast<ZorWinType>(win);
    switch (k) {
    case Kind::low: return zorsFIRGenLowpass_64f(f1, taps, len, w, normal);
    case Kind::high: return zorsFIRGenHighpass_64f(f1, taps, len, w, normal);
    case Kind::pass: return zorsFIRGenBandpass_64f(f1, f2, taps, len, w, normal);
    case Kind::stop: return zorsFIRGenBandstop_64f(f1, f2, taps, len, w, normal);
    }
    return zorStsNoErr;
}

// The ideal response at distance d from the centre (d = 0 the centre).
ld ideal(Kind k, ld f1, ld f2, ld d, int len) {
    const bool odd = len % 2 == 1;
    auto lp = [&](ld f) { return d == 0 ? 2 * f : std::sin(2 * kPi * f * d) / (kPi * d); };
    switch (k) {
    case Kind::low: return lp(f1);
    case Kind::high:
        if (odd) return d == 0 ? 1 - 2 * f1 : -lp(f1);
        return std::cos(2 * kPi * f1 * d) / (kPi * d);
    case Kind::pass: return lp(f2) - lp(f1);
    case Kind::stop:
        if (odd) return d == 0 ? 1 - 2 * (f2 - f1) : lp(f1) - lp(f2);
        {
            const int kk = static_cast<int>(d + 0.5L);
            return ((kk % 2 ? 1 : -1) + std::sin(2 * kPi * f1 * d) - std::sin(2 * kPi * f2 * d)) / (kPi * d);
        }
    }
    return 0;
}

TEST(FIRDesign, IdealTaps) {
    struct Row { Kind k; double f1, f2; };
    const std::vector<Row> rows = {{Kind::low, 0.25, 0}, {Kind::low, 0.1, 0}, {Kind::low, 0.5, 0}, {Kind::low, 0.3, 0},
                                   {Kind::high, 0.2, 0}, {Kind::high, 0.4, 0}, {Kind::high, 0.5, 0},
                                   {Kind::pass, 0.1, 0.3}, {Kind::pass, 0.05, 0.5}, {Kind::stop, 0.2, 0.35},
                                   {Kind::stop, 0.01, 0.49}};
    for (const Row& r : rows) {
        for (int len : {5, 6, 7, 8, 31, 64, 101}) {
            std::vector<double> t(len);
            ASSERT_EQ(design(r.k, r.f1, r.f2, t.data(), len, 4, 0), zorStsNoErr);
            const int half = len / 2;
            const bool odd = len % 2 == 1;
            for (int i = 0; i < len; ++i) {
                const int j = i < half ? i : len - 1 - i;  // the mirrored lower-half tap
                const ld d = odd ? half - j : half - j - 0.5L;
                ld want = ideal(r.k, r.f1, r.f2, d, len);
                if (r.k == Kind::high && !odd && i >= half) want = -want;
                ASSERT_NEAR(t[i], static_cast<double>(want), 1e-12) << "kind " << static_cast<int>(r.k) << " len " << len << " tap " << i;
            }
        }
    }
    double t[5];
    ASSERT_EQ(zorsFIRGenLowpass_64f(0.25, t, 5, static_cast<ZorWinType>(4), 0), zorStsNoErr);
    const double want[5] = {0, 1 / 3.141592653589793, 0.5, 1 / 3.141592653589793, 0};
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(t[i], want[i], 1e-15);
    ASSERT_EQ(zorsFIRGenLowpass_64f(0.5, t, 5, static_cast<ZorWinType>(-1), 0), zorStsNoErr);
    EXPECT_EQ(t[2], 1.0);
    for (int i : {0, 1, 3, 4}) EXPECT_NEAR(t[i], 0.0, 1e-16);
}

// The windowed taps: the ideal ones times the window of the design type.
TEST(FIRDesign, WindowsApplied) {
    for (int win : {0, 1, 2, 3}) {
        for (int len : {5, 32, 33}) {
            std::vector<double> rect(len), got(len), w(len, 1.0);
            ASSERT_EQ(zorsFIRGenBandpass_64f(0.1, 0.3, rect.data(), len, static_cast<ZorWinType>(7), 0), zorStsNoErr);
            ASSERT_EQ(zorsFIRGenBandpass_64f(0.1, 0.3, got.data(), len, static_cast<ZorWinType>(win), 0), zorStsNoErr);
            if (win == 0) zorsWinBartlett_64f_I(w.data(), len);
            if (win == 1) zorsWinBlackmanOpt_64f_I(w.data(), len);
            if (win == 2) zorsWinHamming_64f_I(w.data(), len);
            if (win == 3) zorsWinHann_64f_I(w.data(), len);
            for (int i = 0; i < len; ++i) EXPECT_NEAR(got[i], rect[i] * w[i < len / 2 ? i : len - 1 - i], 1e-15) << win << " " << i;
        }
    }
}

// |H(f)| of real taps.
ld response(const std::vector<double>& t, ld f) {
    std::complex<ld> s = 0;
    for (std::size_t n = 0; n < t.size(); ++n) s += static_cast<ld>(t[n]) * std::polar(1.0L, -2 * kPi * f * static_cast<ld>(n));
    return std::abs(s);
}

TEST(FIRDesign, FrequencyResponses) {
    // Per window: the stop-band level it reaches (dB) and the half-width of
    // its transition band in units of 1/len.
    struct Win { int type; double stop_db, width; double pass_dev; };
    const std::vector<Win> wins = {{4, -20, 1.0, 0.13}, {0, -25, 2.5, 0.1}, {3, -43, 3.2, 0.01}, {2, -50, 3.4, 0.01}, {1, -70, 6.0, 0.002}};
    struct Filt { Kind k; double f1, f2; };
    const std::vector<Filt> filts = {{Kind::low, 0.2, 0}, {Kind::high, 0.3, 0}, {Kind::pass, 0.15, 0.35}, {Kind::stop, 0.15, 0.35}};
    for (const Win& w : wins) {
        for (const Filt& fl : filts) {
            for (int len : {101, 100}) {
                if (fl.k == Kind::stop && len % 2 == 0) continue;  // an even bandstop has a zero at Nyquist
                std::vector<double> t(len);
                ASSERT_EQ(design(fl.k, fl.f1, fl.f2, t.data(), len, w.type, 1), zorStsNoErr);
                const double edge = w.width / len;
                for (int i = 0; i <= 200; ++i) {
                    const double f = 0.5 * i / 200;
                    const double d1 = std::fabs(f - fl.f1), d2 = fl.k >= Kind::pass ? std::fabs(f - fl.f2) : 1;
                    if (d1 < edge || d2 < edge) continue;
                    bool pass;
                    switch (fl.k) {
                    case Kind::low: pass = f < fl.f1; break;
                    case Kind::high: pass = f > fl.f1; break;
                    case Kind::pass: pass = f > fl.f1 && f < fl.f2; break;
                    default: pass = f < fl.f1 || f > fl.f2; break;
                    }
                    if (fl.k == Kind::high && len % 2 == 0 && f > 0.49) continue;
                    const double h = static_cast<double>(response(t, f));
                    if (pass) EXPECT_NEAR(h, 1.0, w.pass_dev) << "win " << w.type << " kind " << static_cast<int>(fl.k) << " len " << len << " f " << f;
                    else EXPECT_LT(20 * std::log10(h + 1e-300), w.stop_db) << "win " << w.type << " kind " << static_cast<int>(fl.k) << " len " << len << " f " << f;
                }
            }
        }
    }
}

TEST(FIRDesign, Normalisation) {
    for (int win : {0, 1, 2, 3, 9}) {
        for (int len : {5, 6, 21, 40}) {
            std::vector<double> t(len);
            ASSERT_EQ(zorsFIRGenLowpass_64f(0.13, t.data(), len, static_cast<ZorWinType>(win), 1), zorStsNoErr);
            ld s = 0;
            for (double v : t) s += v;
            EXPECT_NEAR(static_cast<double>(s), 1.0, 1e-13);
            ASSERT_EQ(zorsFIRGenBandstop_64f(0.1, 0.2, t.data(), len, static_cast<ZorWinType>(win), 1), zorStsNoErr);
            s = 0;
            for (double v : t) s += v;
            EXPECT_NEAR(static_cast<double>(s), 1.0, 1e-13);
            ASSERT_EQ(zorsFIRGenHighpass_64f(0.3, t.data(), len, static_cast<ZorWinType>(win), 1), zorStsNoErr);
            ld a = 0, plain = 0;
            for (int n = 0; n < len; ++n) { a += (n % 2 ? -1 : 1) * static_cast<ld>(t[n]); plain += t[n]; }
            EXPECT_NEAR(static_cast<double>(std::fabs(a)), 1.0, 1e-13) << len;
            for (int n = 0; n < len; ++n) EXPECT_EQ(t[len - 1 - n], len % 2 ? t[n] : -t[n]);
            if (len % 2 == 0) EXPECT_NEAR(static_cast<double>(plain), 0.0, 1e-15);
            ASSERT_EQ(zorsFIRGenBandpass_64f(0.1, 0.2, t.data(), len, static_cast<ZorWinType>(win), 1), zorStsNoErr);
            EXPECT_NEAR(static_cast<double>(response(t, 0.15)), 1.0, 1e-13);
        }
    }
}

TEST(FIRDesign, Checks) {
    std::vector<double> t(8, 7.0);
    struct Row { Kind k; double f1, f2; double* taps; int len; ZorStatus st; };
    const double nan = NAN;
    const std::vector<Row> rows = {
        {Kind::low, 0.2, 0, nullptr, 4, zorStsNullPtrErr}, {Kind::low, 0.2, 0, t.data(), 4, zorStsSizeErr},
        {Kind::low, 0.0, 0, t.data(), 8, zorStsSizeErr}, {Kind::low, 0.5000001, 0, t.data(), 8, zorStsSizeErr},
        {Kind::high, nan, 0, t.data(), 8, zorStsSizeErr}, {Kind::high, -0.1, 0, t.data(), 8, zorStsSizeErr},
        {Kind::pass, 0.2, 0.2, t.data(), 8, zorStsSizeErr}, {Kind::pass, 0.3, 0.2, t.data(), 8, zorStsSizeErr},
        {Kind::stop, 0.1, 0.6, t.data(), 8, zorStsSizeErr}, {Kind::stop, 0, 0.3, t.data(), 8, zorStsSizeErr},
        {Kind::stop, 0.1, nan, t.data(), 8, zorStsSizeErr}, {Kind::pass, 0.1, 0.3, nullptr, 8, zorStsNullPtrErr},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(design(r.k, r.f1, r.f2, r.taps, r.len, 2, 1), r.st);
        for (double v : t) EXPECT_EQ(v, 7.0);
    }
    EXPECT_EQ(design(Kind::low, 0.2, 0, t.data(), 5, 2, 1), zorStsNoErr);
    EXPECT_EQ(design(Kind::pass, 0.2, 0.5, t.data(), 5, -1, 0), zorStsNoErr);
}

}  // namespace
