// G.711 companding against a reference built from the segment tables of the
// two laws: every linear input, every code, and the code conversions by
// their defining properties (transparency, sign, order, step bound).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "tests/arg_checks.h"
#include "tests/common.h"

namespace {

// One law's quantiser on non-negative 16-bit magnitudes: 128 intervals
// [lower, upper) with their reconstruction values, and the transmitted
// code of magnitude number n for each sign.
struct Law {
    std::int32_t lower[128], upper[128], recon[128];
    std::uint8_t pos_xor, neg_xor;

    // Magnitude number of the interval holding y >= 0 (the top one above).
    int number(std::int32_t y) const {
        for (int n = 0; n < 128; ++n)
            if (y >= lower[n] && y < upper[n]) return n;
        return 127;
    }
    std::uint8_t encode(std::int32_t x) const {
        // Negative samples are quantised as -x - 1 (one's complement).
        return x >= 0 ? static_cast<std::uint8_t>(number(x) ^ pos_xor)
                      : static_cast<std::uint8_t>(number(-x - 1) ^ neg_xor);
    }
    std::int32_t decode(std::uint8_t code) const {
        const bool pos = (code & 0x80) != 0;
        const int n = code ^ (pos ? pos_xor : neg_xor);
        return pos ? recon[n] : -recon[n];
    }
};

// A-law: 13-bit magnitudes, segment 0 from 0 and segment s >= 1 from 2^(s+4),
// 16 steps of 2^max(s, 1) each; 16-bit values are 8 times larger.
Law alaw() {
    Law l{};
    for (int n = 0; n < 128; ++n) {
        const int s = n >> 4, q = n & 15, step = 1 << std::max(s, 1), start = s == 0 ? 0 : 1 << (s + 4);
        l.lower[n] = 8 * (start + q * step);
        l.upper[n] = 8 * (start + (q + 1) * step);
        l.recon[n] = 8 * (start + q * step) + 4 * step;
    }
    l.pos_xor = 0xD5;
    l.neg_xor = 0x55;
    return l;
}

// mu-law: 14-bit magnitudes biased by 33, segment s from 2^(s+5) with 16
// steps of 2^(s+1); 16-bit values are 4 times larger.
Law mulaw() {
    Law l{};
    for (int n = 0; n < 128; ++n) {
        const int s = n >> 4, q = n & 15, step = 2 << s, start = 32 << s;
        l.lower[n] = 4 * (start + q * step - 33);
        l.upper[n] = 4 * (start + (q + 1) * step - 33);
        l.recon[n] = 4 * (start + q * step - 33) + 2 * step;
    }
    l.pos_xor = 0xFF;
    l.neg_xor = 0x7F;
    return l;
}

struct LawCase {
    const char* name;
    Law law;
    ZorStatus (*encode16)(const Zor16s*, Zor8u*, int);
    ZorStatus (*encode32)(const Zor32f*, Zor8u*, int);
    ZorStatus (*decode16)(const Zor8u*, Zor16s*, int);
    ZorStatus (*decode32)(const Zor8u*, Zor32f*, int);
};

std::vector<LawCase> laws() {
    return {{"A-law", alaw(), zorsLinToALaw_16s8u, zorsLinToALaw_32f8u, zorsALawToLin_8u16s, zorsALawToLin_8u32f},
            {"mu-law", mulaw(), zorsLinToMuLaw_16s8u, zorsLinToMuLaw_32f8u, zorsMuLawToLin_8u16s, zorsMuLawToLin_8u32f}};
}

std::vector<std::uint8_t> all_codes() {
    std::vector<std::uint8_t> c(256);
    for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(i);
    return c;
}

TEST(Companding, DecodersMatchSegmentTablesForEveryCode) {
    const auto codes = all_codes();
    for (const LawCase& lc : laws()) {
        SCOPED_TRACE(lc.name);
        std::vector<Zor16s> d16(256);
        std::vector<Zor32f> d32(256);
        ASSERT_EQ(lc.decode16(codes.data(), d16.data(), 256), zorStsNoErr);
        ASSERT_EQ(lc.decode32(codes.data(), d32.data(), 256), zorStsNoErr);
        for (int c = 0; c < 256; ++c) {
            ASSERT_EQ(d16[c], lc.law.decode(static_cast<std::uint8_t>(c))) << "code " << c;
            ASSERT_EQ(d32[c], std::ldexp(static_cast<float>(d16[c]), -15)) << "code " << c;
        }
    }
}

TEST(Companding, EncodersMatchSegmentTablesForEveryInput) {
    std::vector<Zor16s> x(65536);
    for (int i = 0; i < 65536; ++i) x[i] = static_cast<Zor16s>(i - 32768);
    for (const LawCase& lc : laws()) {
        SCOPED_TRACE(lc.name);
        std::vector<Zor8u> want(65536);
        for (int i = 0; i < 65536; ++i) want[i] = lc.law.encode(x[i]);
        zt::for_each_isa([&](zors::Isa) {
            std::vector<Zor8u> y(65536);
            ASSERT_EQ(lc.encode16(x.data(), y.data(), 65536), zorStsNoErr);
            for (int i = 0; i < 65536; ++i) ASSERT_EQ(y[i], want[i]) << "input " << x[i];
        });
    }
}

// v = x * 32768, saturated, rounded half away from zero; NaN as 0.
std::int32_t float_to_linear(float x) {
    if (std::isnan(x)) return 0;
    const long double v = static_cast<long double>(x) * 32768.0L;
    if (v > 32767.0L) return 32767;
    if (v < -32768.0L) return -32768;
    return static_cast<std::int32_t>(std::roundl(v));
}

TEST(Companding, FloatEncodersRoundHalfAwayAndSaturate) {
    std::vector<Zor32f> x;
    for (int i = -32800; i <= 32800; i += 1) {
        const float v = std::ldexp(static_cast<float>(i), -15), h = std::ldexp(static_cast<float>(i) + 0.5f, -15);
        x.insert(x.end(), {v, h, std::nextafter(h, 0.0f), std::nextafter(h, 10.0f)});
    }
    const float inf = std::numeric_limits<float>::infinity();
    x.insert(x.end(), {1.0f, 2.0f, -1.0f, -2.0f, inf, -inf, std::nanf(""), 0.49999997f / 32768, -0.0f, 1e-30f});
    const int n = static_cast<int>(x.size());
    for (const LawCase& lc : laws()) {
        SCOPED_TRACE(lc.name);
        std::vector<Zor8u> want(x.size());
        for (int i = 0; i < n; ++i) want[i] = lc.law.encode(float_to_linear(x[i]));
        zt::for_each_isa([&](zors::Isa) {
            std::vector<Zor8u> y(x.size());
            ASSERT_EQ(lc.encode32(x.data(), y.data(), n), zorStsNoErr);
            for (int i = 0; i < n; ++i) ASSERT_EQ(y[i], want[i]) << "input " << x[i];
        });
    }
}

TEST(Companding, KnownCodes) {
    struct Case { ZorStatus (*f)(const Zor16s*, Zor8u*, int); Zor16s x; Zor8u code; };
    const Case cases[] = {{zorsLinToALaw_16s8u, 0, 0xD5},     {zorsLinToALaw_16s8u, -1, 0x55},
                          {zorsLinToMuLaw_16s8u, 0, 0xFF},    {zorsLinToMuLaw_16s8u, -1, 0x7F},
                          {zorsLinToMuLaw_16s8u, 32767, 0x80}, {zorsLinToMuLaw_16s8u, -32768, 0x00}};
    for (const Case& c : cases) {
        Zor8u y = 0x33;
        ASSERT_EQ(c.f(&c.x, &y, 1), zorStsNoErr);
        EXPECT_EQ(y, c.code) << "input " << c.x;
    }
    const Zor8u a[2] = {0xD5, 0x55};
    Zor16s d[2];
    ASSERT_EQ(zorsALawToLin_8u16s(a, d, 2), zorStsNoErr);
    EXPECT_EQ(d[0], 8);
    EXPECT_EQ(d[1], -8);
    const Zor8u m0[1] = {0};
    ASSERT_EQ(zorsALawToLin_8u16s(m0, d, 1), zorStsNoErr);
    EXPECT_EQ(d[0], -5504);
    ASSERT_EQ(zorsMuLawToLin_8u16s(m0, d, 1), zorStsNoErr);
    EXPECT_EQ(d[0], -32124);
    const Zor32f big[2] = {1.0f, 2.0f};
    Zor8u y[2];
    const Zor16s top = 32767;
    Zor8u ytop;
    ASSERT_EQ(zorsLinToALaw_32f8u(big, y, 2), zorStsNoErr);
    ASSERT_EQ(zorsLinToALaw_16s8u(&top, &ytop, 1), zorStsNoErr);
    EXPECT_EQ(y[0], ytop);
    EXPECT_EQ(y[1], ytop);
}

TEST(Companding, EncodingADecodedValueGivesTheCodeBack) {
    const auto codes = all_codes();
    for (const LawCase& lc : laws()) {
        SCOPED_TRACE(lc.name);
        std::vector<Zor16s> d(256);
        std::vector<Zor8u> back(256);
        ASSERT_EQ(lc.decode16(codes.data(), d.data(), 256), zorStsNoErr);
        ASSERT_EQ(lc.encode16(d.data(), back.data(), 256), zorStsNoErr);
        for (int c = 0; c < 256; ++c) {
            // mu-law 0x7F decodes to 0, which is the positive zero 0xFF.
            const int expected = (lc.law.pos_xor == 0xFF && c == 0x7F) ? 0xFF : c;
            EXPECT_EQ(back[c], expected) << "code " << c;
        }
    }
}

TEST(Companding, CodeConversions) {
    const auto codes = all_codes();
    std::vector<Zor8u> a2u(256), u2a(256);
    ASSERT_EQ(zorsALawToMuLaw_8u(codes.data(), a2u.data(), 256), zorStsNoErr);
    ASSERT_EQ(zorsMuLawToALaw_8u(codes.data(), u2a.data(), 256), zorStsNoErr);
    const int spec[4] = {42, 43, 40, 41};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(a2u[c], spec[c]);
        EXPECT_EQ(u2a[c], spec[c]);
    }
    const Law A = alaw(), U = mulaw();
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(testing::Message() << "code " << c);
        // A -> mu -> A returns the code or a neighbour of the same sign.
        const int back = u2a[a2u[c]];
        EXPECT_EQ(back & 0x80, c & 0x80);
        EXPECT_LE(std::abs((back ^ 0x55) - (c ^ 0x55)), 1);
        // Signs are kept (mu-law 0x7F and 0xFF are both zero).
        const std::int32_t a = A.decode(static_cast<std::uint8_t>(c)), ua = U.decode(a2u[c]);
        const std::int32_t u = U.decode(static_cast<std::uint8_t>(c)), au = A.decode(u2a[c]);
        EXPECT_EQ(a < 0, ua < 0);
        EXPECT_EQ(c < 128, au < 0);
        // The converted value is within one step of the coarser law.
        const int na = c ^ (c & 0x80 ? 0xD5 : 0x55), nu = c ^ (c & 0x80 ? 0xFF : 0x7F);
        const std::int32_t step_a = A.upper[na] - A.lower[na];
        const std::int32_t step_u = U.upper[nu] - U.lower[nu];
        const int nua = a2u[c] ^ (a2u[c] & 0x80 ? 0xFF : 0x7F);
        const int nau = u2a[c] ^ (u2a[c] & 0x80 ? 0xD5 : 0x55);
        EXPECT_LE(std::abs(ua - a), std::max(step_a, U.upper[nua] - U.lower[nua]));
        EXPECT_LE(std::abs(au - u), std::max(step_u, A.upper[nau] - A.lower[nau]));
    }
    // Both conversions keep the order of magnitudes within each sign.
    for (int n = 1; n < 128; ++n) {
        EXPECT_GE(U.decode(a2u[n ^ 0xD5]), U.decode(a2u[(n - 1) ^ 0xD5])) << n;
        EXPECT_GE(A.decode(u2a[n ^ 0xFF]), A.decode(u2a[(n - 1) ^ 0xFF])) << n;
    }
}

TEST(Companding, EveryLengthAndOffsetLeavesGuardsIntact) {
    zt::Rng rng(7);
    const Law A = alaw(), U = mulaw();
    zt::for_each_isa([&](zors::Isa) {
    for (int len : {1, 3, 15, 16, 17, 33, 64, 100}) {
        for (int off : {0, 1, 3}) {
            zt::Guarded<Zor16s> x(len, 2 * off);
            rng.fill(x.data(), len);
            zt::Guarded<Zor8u> a(len, off), u(len, off);
            ASSERT_EQ(zorsLinToALaw_16s8u(x.data(), a.data(), len), zorStsNoErr);
            ASSERT_EQ(zorsLinToMuLaw_16s8u(x.data(), u.data(), len), zorStsNoErr);
            EXPECT_TRUE(a.guards_intact() && u.guards_intact());
            for (int i = 0; i < len; ++i) {
                ASSERT_EQ(a[i], A.encode(x[i]));
                ASSERT_EQ(u[i], U.encode(x[i]));
            }
        }
    }
    });
}

TEST(Companding, ArgumentChecks) {
    ZT_CHECKS(zorsALawToLin_8u16s, 1);
    ZT_CHECKS(zorsMuLawToLin_8u16s, 1);
    ZT_CHECKS(zorsALawToLin_8u32f, 1);
    ZT_CHECKS(zorsMuLawToLin_8u32f, 1);
    ZT_CHECKS(zorsALawToMuLaw_8u, 1);
    ZT_CHECKS(zorsMuLawToALaw_8u, 1);
    ZT_CHECKS(zorsLinToALaw_16s8u, 1);
    ZT_CHECKS(zorsLinToMuLaw_16s8u, 1);
    ZT_CHECKS(zorsLinToALaw_32f8u, 1);
    ZT_CHECKS(zorsLinToMuLaw_32f8u, 1);
}

}  // namespace
