// Stateless 16-bit IIR filters: the one-sample forms exactly against the
// integer reference, the block forms exactly against the single-precision
// state they are built on, and the check order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "tests/ref/iir_ref.h"
#include "zors.h"

namespace {

// Q-format taps: small numerators, feedback whose absolute sum stays below
// 0.9 (stable), the shift in the a0 slot. Cascades: six per section.
std::vector<Zor16s> q_taps(std::mt19937& g, int n, bool bq, int S) {
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    const int sections = bq ? n : 1, order = bq ? 2 : n;
    const double one = std::ldexp(1.0, S);
    std::vector<Zor16s> t;
    for (int s = 0; s < sections; ++s) {
        for (int k = 0; k <= order; ++k) t.push_back(static_cast<Zor16s>(std::lround(u(g) * std::min(one, 4096.0))));
        if (bq && t[t.size() - 3] == 0) t[t.size() - 3] = 1;
        t.push_back(static_cast<Zor16s>(S));
        for (int k = 1; k <= order; ++k) t.push_back(static_cast<Zor16s>(std::lround(u(g) * 0.9 / order * std::min(one, 16384.0))));
    }
    return t;
}

std::vector<Zor16s> samples(std::mt19937& g, int len, int amp) {
    std::uniform_int_distribution<int> u(-amp, amp);
    std::vector<Zor16s> x(len);
    for (auto& v : x) v = static_cast<Zor16s>(u(g));
    return x;
}

TEST(IirDirect, OneSampleFormsMatchTheIntegerRule) {
    std::mt19937 g(41);
    for (bool bq : {false, true}) {
        for (int n : bq ? std::vector<int>{1, 2, 4} : std::vector<int>{0, 1, 2, 3, 6}) {
            for (int S : {0, 1, 5, 12, 14}) {
                SCOPED_TRACE(testing::Message() << (bq ? "sections " : "order ") << n << ", S " << S);
                const auto t = q_taps(g, n, bq, S);
                const auto x = samples(g, 300, 32767);
                const int dl = bq ? 2 * n : n;
                std::vector<Zor32s> d(dl + 1, 0x1234567), dref(dl + 1, 0x1234567), di(dl + 1, 0x1234567);
                for (int i = 0; i < dl; ++i) d[i] = dref[i] = di[i] = (i * 7919) % 20001 - 10000;
                for (int i = 0; i < 300; ++i) {
                    Zor16s y = 0, yi = x[i];
                    const Zor16s want = bq ? zref::biquad_one(x[i], t.data(), n, dref.data())
                                           : zref::direct_one(x[i], t.data(), n, dref.data());
                    ASSERT_EQ(bq ? zorsIIROne_BiQuadDirect_16s(x[i], &y, t.data(), n, d.data())
                                 : zorsIIROne_Direct_16s(x[i], &y, t.data(), n, d.data()), zorStsNoErr);
                    ASSERT_EQ(bq ? zorsIIROne_BiQuadDirect_16s_I(&yi, t.data(), n, di.data())
                                 : zorsIIROne_Direct_16s_I(&yi, t.data(), n, di.data()), zorStsNoErr);
                    ASSERT_EQ(y, want) << "sample " << i;
                    ASSERT_EQ(yi, want) << "sample " << i;
                    ASSERT_EQ(0, std::memcmp(d.data(), dref.data(), sizeof(d[0]) * (dl + 1)));
                    ASSERT_EQ(0, std::memcmp(di.data(), dref.data(), sizeof(d[0]) * (dl + 1)));
                }
            }
        }
    }
}

TEST(IirDirect, RoundingTiesToEvenAndOrderZeroHalfUp) {
    struct Case {
        Zor16s b0, x;
        int order;
        Zor16s want;
    };
    // S = 1: accumulators 3 -> 2 and 1 -> 0 (ties to even), -1 -> 0, -3 -> -2;
    // order 0: 1 -> 1 and -1 -> 0 (half upward).
    for (const Case c : {Case{3, 1, 1, 2}, Case{1, 1, 1, 0}, Case{1, -1, 1, 0}, Case{3, -1, 1, -2}, Case{5, 1, 1, 2},
                         Case{1, 1, 0, 1}, Case{1, -1, 0, 0}, Case{3, 1, 0, 2}}) {
        const Zor16s t[4] = {c.b0, 0, 1, 0};  // b0, b1, S, a1 (order 1); b0, S (order 0)
        const Zor16s t0[2] = {c.b0, 1};
        Zor32s d[2] = {0, 0};
        Zor16s y = 99;
        ASSERT_EQ(zorsIIROne_Direct_16s(c.x, &y, c.order == 0 ? t0 : t, c.order, d), zorStsNoErr);
        EXPECT_EQ(y, c.want) << "b0 " << c.b0 << " x " << c.x << " order " << c.order;
    }
    // The delay line keeps the unsaturated output: y = 2x with x = 30000
    // saturates, then a1 = -1/2 feeds back the full 60000.
    const Zor16s t[4] = {2, 0, 0, 0};
    const Zor16s fb[4] = {2, 0, 1, -1};  // S = 1: y = x + y[n-1] / 2
    Zor32s d[1] = {0};
    Zor16s y = 0;
    ASSERT_EQ(zorsIIROne_Direct_16s(30000, &y, t, 1, d), zorStsNoErr);
    EXPECT_EQ(y, 32767);
    Zor32s e[1] = {0};
    std::int32_t dref[1] = {0};
    for (Zor16s x : {Zor16s{30000}, Zor16s{30000}, Zor16s{0}, Zor16s{0}}) {
        ASSERT_EQ(zorsIIROne_Direct_16s(x, &y, fb, 1, e), zorStsNoErr);
        EXPECT_EQ(y, zref::direct_one(x, fb, 1, dref));
        EXPECT_EQ(e[0], dref[0]);
    }
}

// The block forms: the single-precision state of the scaled taps, filtered
// as 16-bit data, the delay line written back at the accumulator's scale.
TEST(IirDirect, BlockFormsAreTheSingleFloatStateOfTheScaledTaps) {
    std::mt19937 g(43);
    for (bool bq : {false, true}) {
        for (int n : bq ? std::vector<int>{1, 3, 5} : std::vector<int>{0, 1, 4, 9}) {
            for (int len : {1, 8, 37, 1100}) {
                const int S = 13;
                SCOPED_TRACE(testing::Message() << (bq ? "sections " : "order ") << n << ", length " << len);
                auto t = q_taps(g, n, bq, S);
                if (bq) t[6 * (n - 1) + 3] = 14;  // each section has its own shift
                const auto x = samples(g, len, 12000);
                const int dl = bq ? 2 * n : n;
                std::vector<Zor32s> d(dl + 1), dref;
                for (int i = 0; i < dl; ++i) d[i] = (i * 104729) % 4000001 - 2000000;
                dref = d;
                // The state the block form is documented to build.
                std::vector<Zor32f> ft(t.size()), fd(dl + 1);
                const int groups = bq ? n : 1, per = bq ? 6 : 2 * n + 2, s_at = bq ? 3 : n + 1;
                for (int gi = 0; gi < groups; ++gi) {
                    const int Sg = t[gi * per + s_at];
                    for (int i = 0; i < per; ++i)
                        ft[gi * per + i] = i == s_at ? 1.0f : std::ldexp(static_cast<float>(t[gi * per + i]), -Sg);
                    const int dper = bq ? 2 : n;
                    for (int i = 0; i < dper; ++i) fd[gi * dper + i] = std::ldexp(static_cast<float>(d[gi * dper + i]), -Sg);
                }
                ZorsIIRState32f_16s* st = nullptr;
                ASSERT_EQ(bq ? zorsIIRInitAlloc32f_BiQuad_16s(&st, ft.data(), n, fd.data())
                             : zorsIIRInitAlloc32f_16s(&st, ft.data(), n, fd.data()), zorStsNoErr);
                std::vector<Zor16s> want(len), got(len), inplace(x);
                ASSERT_EQ(zorsIIR32f_16s_Sfs(x.data(), want.data(), len, st, 0), zorStsNoErr);
                ASSERT_EQ(zorsIIRGetDlyLine32f_16s(st, fd.data()), zorStsNoErr);
                EXPECT_EQ(zorsIIRFree32f_16s(st), zorStsNoErr);
                std::vector<Zor32s> di(d);
                ASSERT_EQ(bq ? zorsIIR_BiQuadDirect_16s(x.data(), got.data(), len, t.data(), n, d.data())
                             : zorsIIR_Direct_16s(x.data(), got.data(), len, t.data(), n, d.data()), zorStsNoErr);
                ASSERT_EQ(bq ? zorsIIR_BiQuadDirect_16s_I(inplace.data(), len, t.data(), n, di.data())
                             : zorsIIR_Direct_16s_I(inplace.data(), len, t.data(), n, di.data()), zorStsNoErr);
                ASSERT_EQ(want, got);
                ASSERT_EQ(want, inplace);
                ASSERT_EQ(d, di);
                for (int i = 0; i < dl; ++i) {
                    const int Sg = bq ? t[6 * (i / 2) + 3] : t[n + 1];
                    const double v = std::ldexp(static_cast<double>(fd[i]), Sg);
                    const double r = bq ? std::trunc(v) : std::nearbyint(v);
                    ASSERT_EQ(d[i], static_cast<Zor32s>(std::clamp(r, -2147483648.0, 2147483647.0))) << "delay " << i;
                }
                EXPECT_EQ(d[dl], dref[dl]) << "wrote past the delay line";
                // In the integer rule's neighbourhood: the one-sample forms.
                std::vector<Zor32s> d1 = dref;
                for (int i = 0; i < len; ++i) {
                    Zor16s y1;
                    ASSERT_EQ(bq ? zorsIIROne_BiQuadDirect_16s(x[i], &y1, t.data(), n, d1.data())
                                 : zorsIIROne_Direct_16s(x[i], &y1, t.data(), n, d1.data()), zorStsNoErr);
                    ASSERT_LE(std::abs(y1 - got[i]), 2 + n) << "sample " << i;
                }
            }
        }
    }
}

TEST(IirDirect, ChecksInOrderLeaveOutputsAlone) {
    Zor16s src[4] = {1, 2, 3, 4}, dst[4] = {7, 7, 7, 7};
    const Zor16s t[4] = {1, 1, 2, 1};       // order 1, S = 2
    const Zor16s tneg[4] = {1, 1, -1, 1};   // S < 0
    Zor32s d[2] = {5, 5};
    const Zor16s bq[12] = {1, 1, 1, 2, 0, 0, 1, 1, 1, -3, 0, 0};  // second section's S < 0
    // Arbitrary order, block: order, nulls, S, len.
    EXPECT_EQ(zorsIIR_Direct_16s(nullptr, dst, 0, t, -1, d), zorStsIIROrderErr);
    EXPECT_EQ(zorsIIR_Direct_16s(nullptr, dst, 4, t, 1, d), zorStsNullPtrErr);
    EXPECT_EQ(zorsIIR_Direct_16s(src, dst, 4, nullptr, 1, d), zorStsNullPtrErr);
    EXPECT_EQ(zorsIIR_Direct_16s(src, dst, 4, t, 1, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsIIR_Direct_16s(src, dst, 0, tneg, 1, d), zorStsScaleRangeErr);
    EXPECT_EQ(zorsIIR_Direct_16s(src, dst, 0, t, 1, d), zorStsSizeErr);
    EXPECT_EQ(zorsIIR_Direct_16s_I(nullptr, 4, t, 1, d), zorStsNullPtrErr);
    // Cascade, block: numBq, nulls, len, then each section's S.
    EXPECT_EQ(zorsIIR_BiQuadDirect_16s(src, dst, 4, bq, 0, d), zorStsIIROrderErr);
    EXPECT_EQ(zorsIIR_BiQuadDirect_16s(src, nullptr, 4, bq, 2, d), zorStsNullPtrErr);
    EXPECT_EQ(zorsIIR_BiQuadDirect_16s(src, dst, 0, bq, 2, d), zorStsSizeErr);
    Zor32s d4[4] = {5, 5, 5, 5};
    EXPECT_EQ(zorsIIR_BiQuadDirect_16s(src, dst, 4, bq, 2, d4), zorStsScaleRangeErr);
    for (Zor32s v : d4) EXPECT_EQ(v, 5);
    // One sample: order, nulls, S; in place checks its pointer first.
    EXPECT_EQ(zorsIIROne_Direct_16s(1, dst, t, -1, d), zorStsIIROrderErr);
    EXPECT_EQ(zorsIIROne_Direct_16s(1, nullptr, t, 1, d), zorStsNullPtrErr);
    EXPECT_EQ(zorsIIROne_Direct_16s(1, dst, tneg, 1, d), zorStsScaleRangeErr);
    EXPECT_EQ(zorsIIROne_Direct_16s_I(nullptr, t, -1, d), zorStsNullPtrErr);
    for (Zor16s v : dst) EXPECT_EQ(v, 7);
    EXPECT_EQ(d[0], 5);
    EXPECT_EQ(d[1], 5);
    // The one-sample cascade reaches the bad section after updating the
    // first one, and writes no output.
    EXPECT_EQ(zorsIIROne_BiQuadDirect_16s(100, dst, bq, 0, d4), zorStsIIROrderErr);
    EXPECT_EQ(zorsIIROne_BiQuadDirect_16s(100, dst, bq, 2, d4), zorStsScaleRangeErr);
    EXPECT_EQ(dst[0], 7);
    EXPECT_NE(d4[0], 5);
    EXPECT_EQ(d4[2], 5);
    EXPECT_EQ(d4[3], 5);
}

}  // namespace
