// Magnitudes, power spectra and phases against long double with ulp bounds
// (floating members, every dispatch level, every length class), integer
// members against exact integer references, and the composite status rule
// of CartToPolar.
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>
#include <xmmintrin.h>

#include "tests/arg_checks.h"
#include "tests/common.h"
#include "tests/ref/scale_ref.h"

namespace {

// The complex type of a floating component.
template <class P> struct cplx_of;
template <> struct cplx_of<float> { using type = Zor32fc; };
template <> struct cplx_of<double> { using type = Zor64fc; };
template <class P> using complex_t_of = typename cplx_of<P>::type;

// Distance of got from the exact value in units of the last place of T at
// the exact value (subnormal spacing at the bottom).
template <class T>
long double ulps(T got, long double exact) {
    if (std::isnan(exact)) return std::isnan(got) ? 0 : 1e30L;
    if (std::isinf(exact)) return got == exact ? 0 : 1e30L;
    const int e = exact == 0 ? std::numeric_limits<T>::min_exponent : std::max(std::ilogb(exact) + 1, std::numeric_limits<T>::min_exponent);
    const long double ulp = std::ldexp(1.0L, e - std::numeric_limits<T>::digits);
    return std::fabs(static_cast<long double>(got) - exact) / ulp;
}

// Random components over a wide exponent range, with zeros, signed zeros,
// equal magnitudes and the range ends mixed in.
template <class P>
std::vector<P> components(zt::Rng& rng, int n, int max_exp) {
    std::vector<P> v(n);
    for (int i = 0; i < n; ++i) {
        const int kind = static_cast<int>(rng.bits() % 16);
        const long double mant = static_cast<long double>(rng.bits() % 1000000 + 1) / 1000000.0L;
        const int e = static_cast<int>(rng.bits() % (2 * max_exp + 1)) - max_exp;
        P x = static_cast<P>(std::ldexp(mant, kind < 8 ? e % 20 : e));
        if (kind == 8) x = 0;
        if (kind == 9) x = -P(0);
        if (kind == 10 && i > 0) x = v[i - 1];
        if (rng.bits() & 1) x = -x;
        v[i] = x;
    }
    return v;
}

struct FloatCase {
    const char* name;
    bool dbl;
    // Runs the member on n elements from split parts; returns the results.
    std::vector<long double> (*run)(const std::vector<long double>& re, const std::vector<long double>& im, int offset);
    long double (*exact)(long double re, long double im);
    long double bound;
};

template <class P, bool Complex, class F>
std::vector<long double> call_member(F f, const std::vector<long double>& re, const std::vector<long double>& im, int offset) {
    const int n = static_cast<int>(re.size());
    zt::Guarded<P> out(n, offset * static_cast<int>(sizeof(P)));
    if constexpr (Complex) {
        zt::Guarded<complex_t_of<P>> src(n, offset * static_cast<int>(sizeof(P)));
        for (int i = 0; i < n; ++i) src[i] = {static_cast<P>(re[i]), static_cast<P>(im[i])};
        EXPECT_EQ(f(src.data(), out.data(), n), zorStsNoErr);
    } else {
        zt::Guarded<P> r(n, offset * static_cast<int>(sizeof(P))), m(n, 0);
        for (int i = 0; i < n; ++i) {
            r[i] = static_cast<P>(re[i]);
            m[i] = static_cast<P>(im[i]);
        }
        EXPECT_EQ(f(r.data(), m.data(), out.data(), n), zorStsNoErr);
    }
    EXPECT_TRUE(out.guards_intact());
    std::vector<long double> v(n);
    for (int i = 0; i < n; ++i) v[i] = out[i];
    return v;
}

// Equal values, signed zeros told apart, any NaN equal to any NaN.
bool same_value(long double a, long double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

long double mag_exact(long double re, long double im) { return std::sqrt(re * re + im * im); }
long double phase_exact(long double re, long double im) { return std::atan2(im, re); }
long double power_exact(long double re, long double im) { return re * re + im * im; }

#define ZT_FLOAT_CASE(fn, P, cplx, exact, bound) \
    FloatCase{#fn, sizeof(P) == 8, [](const std::vector<long double>& r, const std::vector<long double>& m, int o) { return call_member<P, cplx>(fn, r, m, o); }, exact, bound}

std::vector<FloatCase> float_cases() {
    return {ZT_FLOAT_CASE(zorsMagnitude_32fc, float, true, mag_exact, 1.5),
            ZT_FLOAT_CASE(zorsMagnitude_32f, float, false, mag_exact, 1.5),
            ZT_FLOAT_CASE(zorsMagnitude_64fc, double, true, mag_exact, 2),
            ZT_FLOAT_CASE(zorsMagnitude_64f, double, false, mag_exact, 2),
            ZT_FLOAT_CASE(zorsPhase_32fc, float, true, phase_exact, 1),
            ZT_FLOAT_CASE(zorsPhase_32f, float, false, phase_exact, 1),
            ZT_FLOAT_CASE(zorsPhase_64fc, double, true, phase_exact, 2),
            ZT_FLOAT_CASE(zorsPhase_64f, double, false, phase_exact, 2),
            ZT_FLOAT_CASE(zorsPowerSpectr_32fc, float, true, power_exact, 0.5000001L),
            ZT_FLOAT_CASE(zorsPowerSpectr_32f, float, false, power_exact, 0.5000001L),
            ZT_FLOAT_CASE(zorsPowerSpectr_64fc, double, true, power_exact, 2),
            ZT_FLOAT_CASE(zorsPowerSpectr_64f, double, false, power_exact, 2)};
}

TEST(Polar, FloatingMembersWithinTheirUlpBounds) {
    for (const FloatCase& c : float_cases()) {
        SCOPED_TRACE(c.name);
        zt::Rng rng(99);
        const bool power = std::strstr(c.name, "Power") != nullptr;
        // Powers stay inside the range where squares are finite and normal.
        const int max_exp = power ? (c.dbl ? 400 : 50) : (c.dbl ? 1020 : 126);
        std::vector<long double> re, im;
        for (auto* part : {&re, &im}) {
            if (c.dbl) for (double v : components<double>(rng, 3000, max_exp)) part->push_back(v);
            else for (float v : components<float>(rng, 3000, max_exp)) part->push_back(v);
        }
        std::vector<std::vector<long double>> per_level;
        zt::for_each_isa([&](zors::Isa) {
            const auto got = c.run(re, im, 0);
            long double worst = 0;
            for (std::size_t i = 0; i < re.size(); ++i) {
                const long double exact = c.exact(re[i], im[i]);
                const long double u = c.dbl ? ulps<double>(static_cast<double>(got[i]), exact) : ulps<float>(static_cast<float>(got[i]), exact);
                worst = std::max(worst, u);
                ASSERT_LE(u, c.bound) << "element (" << re[i] << ", " << im[i] << ") gave " << got[i] << " exact " << exact;
            }
            per_level.push_back(got);
            // Every length class and misalignment gives the same values.
            for (int n : {1, 2, 3, 5, 7, 8, 9, 15, 16, 17, 31, 33, 70}) {
                for (int off : {0, 1}) {
                    const std::vector<long double> r(re.begin() + 5, re.begin() + 5 + n), m(im.begin() + 5, im.begin() + 5 + n);
                    const auto part = c.run(r, m, off);
                    for (int i = 0; i < n; ++i) ASSERT_TRUE(same_value(part[i], got[5 + i])) << "length " << n << " element " << i;
                }
            }
        });
        for (const auto& g : per_level)
            for (std::size_t i = 0; i < g.size(); ++i) ASSERT_TRUE(same_value(g[i], per_level[0][i])) << "levels differ at " << i;
    }
}

TEST(Polar, PhaseSpecialValuesFollowAtan2) {
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> vals = {0.0f, -0.0f, 1.0f, -1.0f, inf, -inf, nan, 1e-45f, -3e38f};
    std::vector<Zor32fc> z;
    for (float a : vals) for (float b : vals) z.push_back({a, b});
    const int n = static_cast<int>(z.size());
    std::vector<Zor32f> ph(z.size());
    std::vector<Zor64fc> zd(z.size());
    std::vector<Zor64f> phd(z.size());
    for (int i = 0; i < n; ++i) zd[i] = {z[i].re, z[i].im};
    ASSERT_EQ(zorsPhase_32fc(z.data(), ph.data(), n), zorStsNoErr);
    ASSERT_EQ(zorsPhase_64fc(zd.data(), phd.data(), n), zorStsNoErr);
    for (int i = 0; i < n; ++i) {
        const long double want = std::atan2(static_cast<long double>(z[i].im), static_cast<long double>(z[i].re));
        if (std::isnan(want)) {
            EXPECT_TRUE(std::isnan(ph[i]) && std::isnan(phd[i]));
        } else {
            EXPECT_TRUE(zt::same_bits(ph[i], static_cast<float>(want))) << z[i].re << ", " << z[i].im << " gave " << ph[i];
            EXPECT_TRUE(zt::same_bits(phd[i], static_cast<double>(want))) << z[i].re << ", " << z[i].im << " gave " << phd[i];
        }
    }
    const Zor32fc m1{-1, 0};
    float p;
    ASSERT_EQ(zorsPhase_32fc(&m1, &p, 1), zorStsNoErr);
    EXPECT_EQ(p, static_cast<float>(M_PI));
}

TEST(Polar, PhaseLeavesNoInvalidOrUnderflowFlag) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Zor32f re[4] = {nan, 1e-38f, 0.0f, 1.0f}, im[4] = {1.0f, 1e-38f, 0.0f, 1e-40f};
    Zor32f out[4];
    _mm_setcsr(_mm_getcsr() & ~0x3Fu);
    ASSERT_EQ(zorsPhase_32f(re, im, out, 4), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr() & 0x11u, 0u);
    Zor32fc c[4];
    ASSERT_EQ(zorsPolarToCart_32fc(re, im, c, 4), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr() & 0x11u, 0u);
}

// Integer members: an exact reference for the rounded, scaled square root.
// Integers below 2^64 are exact in long double, so comparisons of squares
// decide the rounding exactly.
template <class D>
D sqrt_ref(std::uint64_t n, int sf) {
    using L = std::numeric_limits<D>;
    if (n == 0) return 0;
    const long double root = std::sqrt(static_cast<long double>(n));
    const long double v = std::ldexp(root, -sf);
    if (v >= static_cast<long double>(L::max()) + 1) return L::max();
    long double r = std::floor(v);
    // Decide between r and r + 1 exactly: sqrt(n) against (r + 1/2) 2^sf.
    const long double half = std::ldexp(2 * r + 1, sf - 1);  // (r + 1/2) 2^sf
    const long double h2 = half * half;
    if (half >= 0x1p32L || static_cast<long double>(n) < h2) {
        // below the half-way point
    } else if (static_cast<long double>(n) > h2) {
        r += 1;
    } else if (std::fmod(r, 2.0L) != 0) {
        r += 1;
    }
    // The floor itself may be off by one where the root is an integer
    // multiple of 2^sf: recheck against the lower half-way point.
    if (r >= 1) {
        const long double lower = std::ldexp(2 * r - 1, sf - 1);
        if (lower < 0x1p32L && static_cast<long double>(n) < lower * lower) r -= 1;
    }
    return r > static_cast<long double>(L::max()) ? L::max() : static_cast<D>(r);
}

TEST(Polar, IntegerMagnitudesRoundExactly) {
    zt::Rng rng(17);
    std::vector<Zor16sc> z16 = {{3, 4}, {-32768, -32768}, {32767, 32767}, {0, 0}, {1, 0}, {0, -1}, {-32768, 0}, {6, 8}};
    while (z16.size() < 600) z16.push_back({rng.any<Zor16s>(), static_cast<Zor16s>(rng.any<Zor16s>() >> (rng.bits() % 15))});
    std::vector<Zor32sc> z32 = {{-2147483647 - 1, -2147483647 - 1}, {2147483647, 2147483647}, {3, 4}, {0, 0}, {46341, 0}};
    while (z32.size() < 600) z32.push_back({rng.any<Zor32s>() >> (rng.bits() % 31), rng.any<Zor32s>()});
    const int n16 = static_cast<int>(z16.size()), n32 = static_cast<int>(z32.size());
    std::vector<Zor16s> re(n16), im(n16);
    for (int i = 0; i < n16; ++i) { re[i] = z16[i].re; im[i] = z16[i].im; }
    for (int sf = -20; sf <= 40; ++sf) {
        SCOPED_TRACE(testing::Message() << "scale factor " << sf);
        std::vector<Zor16s> a(n16), b(n16);
        std::vector<Zor32s> c(n32);
        ASSERT_EQ(zorsMagnitude_16sc_Sfs(z16.data(), a.data(), n16, sf), zorStsNoErr);
        ASSERT_EQ(zorsMagnitude_16s_Sfs(re.data(), im.data(), b.data(), n16, sf), zorStsNoErr);
        ASSERT_EQ(zorsMagnitude_32sc_Sfs(z32.data(), c.data(), n32, sf), zorStsNoErr);
        for (int i = 0; i < n16; ++i) {
            const std::uint64_t n = static_cast<std::uint64_t>(std::int64_t{z16[i].re} * z16[i].re + std::int64_t{z16[i].im} * z16[i].im);
            ASSERT_EQ(a[i], sqrt_ref<Zor16s>(n, sf)) << z16[i].re << ", " << z16[i].im;
            ASSERT_EQ(b[i], a[i]);
        }
        for (int i = 0; i < n32; ++i) {
            const std::uint64_t n = static_cast<std::uint64_t>(std::int64_t{z32[i].re} * z32[i].re) + static_cast<std::uint64_t>(std::int64_t{z32[i].im} * z32[i].im);
            ASSERT_EQ(c[i], sqrt_ref<Zor32s>(n, sf)) << z32[i].re << ", " << z32[i].im;
        }
    }
    const Zor16sc p{3, 4};
    Zor16s m;
    ASSERT_EQ(zorsMagnitude_16sc_Sfs(&p, &m, 1, 0), zorStsNoErr);
    EXPECT_EQ(m, 5);
}

TEST(Polar, IntegerPowersAreExactSumsScaled) {
    zt::Rng rng(23);
    std::vector<Zor16sc> z16 = {{-32768, -32768}, {32767, -32768}, {0, 0}, {1, 1}, {181, 0}};
    while (z16.size() < 300) z16.push_back({rng.any<Zor16s>(), rng.any<Zor16s>()});
    std::vector<Zor32sc> z32 = {{-2147483647 - 1, -2147483647 - 1}, {0, 0}, {1, -1}};
    while (z32.size() < 300) z32.push_back({rng.any<Zor32s>(), rng.any<Zor32s>()});
    std::vector<Zor16s> re(z16.size()), im(z16.size());
    for (std::size_t i = 0; i < z16.size(); ++i) { re[i] = z16[i].re; im[i] = z16[i].im; }
    const int n = 300;
    for (int sf = -40; sf <= 70; ++sf) {
        std::vector<Zor16s> a(n), b(n);
        std::vector<Zor32s> c(n);
        ASSERT_EQ(zorsPowerSpectr_16sc_Sfs(z16.data(), a.data(), n, sf), zorStsNoErr);
        ASSERT_EQ(zorsPowerSpectr_16s_Sfs(re.data(), im.data(), b.data(), n, sf), zorStsNoErr);
        ASSERT_EQ(zorsMagSquared_32sc32s_Sfs(z32.data(), c.data(), n, sf), zorStsNoErr);
        for (int i = 0; i < n; ++i) {
            const long double p16 = static_cast<long double>(z16[i].re) * z16[i].re + static_cast<long double>(z16[i].im) * z16[i].im;
            const long double p32 = static_cast<long double>(z32[i].re) * z32[i].re + static_cast<long double>(z32[i].im) * z32[i].im;
            ASSERT_EQ(a[i], zref::scale_sat<Zor16s>(p16, sf)) << "sf " << sf;
            ASSERT_EQ(b[i], a[i]);
            ASSERT_EQ(c[i], zref::scale_sat<Zor32s>(p32, sf)) << "sf " << sf << " " << z32[i].re << ", " << z32[i].im;
        }
    }
}

TEST(Polar, IntegerSourcesToFloatingResults) {
    zt::Rng rng(31);
    std::vector<Zor16sc> z = {{-32768, -32768}, {0, 0}, {-1, 0}, {0, -32768}};
    while (z.size() < 500) z.push_back({rng.any<Zor16s>(), rng.any<Zor16s>()});
    const int n = static_cast<int>(z.size());
    std::vector<Zor16s> re(n), im(n);
    std::vector<Zor32fc> zf(n);
    for (int i = 0; i < n; ++i) { re[i] = z[i].re; im[i] = z[i].im; zf[i] = {static_cast<float>(z[i].re), static_cast<float>(z[i].im)}; }
    std::vector<Zor32f> mag(n), mag2(n), pw(n), pw2(n), ph(n), ph2(n), phf(n);
    ASSERT_EQ(zorsMagnitude_16sc32f(z.data(), mag.data(), n), zorStsNoErr);
    ASSERT_EQ(zorsMagnitude_16s32f(re.data(), im.data(), mag2.data(), n), zorStsNoErr);
    ASSERT_EQ(zorsPowerSpectr_16sc32f(z.data(), pw.data(), n), zorStsNoErr);
    ASSERT_EQ(zorsPowerSpectr_16s32f(re.data(), im.data(), pw2.data(), n), zorStsNoErr);
    ASSERT_EQ(zorsPhase_16sc32f(z.data(), ph.data(), n), zorStsNoErr);
    ASSERT_EQ(zorsPhase_16s32f(re.data(), im.data(), ph2.data(), n), zorStsNoErr);
    ASSERT_EQ(zorsPhase_32fc(zf.data(), phf.data(), n), zorStsNoErr);
    for (int i = 0; i < n; ++i) {
        const long double p = static_cast<long double>(z[i].re) * z[i].re + static_cast<long double>(z[i].im) * z[i].im;
        EXPECT_LE(ulps<float>(mag[i], std::sqrt(p)), 0.5000001L);
        EXPECT_LE(ulps<float>(pw[i], p), 0.5L);
        EXPECT_EQ(mag2[i], mag[i]);
        EXPECT_EQ(pw2[i], pw[i]);
        EXPECT_TRUE(zt::same_bits(ph[i], phf[i]));
        EXPECT_TRUE(zt::same_bits(ph2[i], phf[i]));
    }
}

TEST(Polar, IntegerPhasesScaleTheirPrecision) {
    zt::Rng rng(41);
    std::vector<Zor16sc> z = {{0, 1}, {-1, 0}, {-32768, -1}, {32767, 1}, {0, 0}, {-5, 5}};
    while (z.size() < 400) z.push_back({rng.any<Zor16s>(), rng.any<Zor16s>()});
    std::vector<Zor32sc> z32 = {{0, 1}, {-1, 0}, {-2147483647 - 1, -1}, {0, 0}};
    while (z32.size() < 400) z32.push_back({rng.any<Zor32s>(), rng.any<Zor32s>()});
    const int n = 400;
    std::vector<Zor16s> re(n), im(n);
    std::vector<Zor32f> fre(n), fim(n), fph(n);
    for (int i = 0; i < n; ++i) { re[i] = z[i].re; im[i] = z[i].im; fre[i] = re[i]; fim[i] = im[i]; }
    ASSERT_EQ(zorsPhase_32f(fre.data(), fim.data(), fph.data(), n), zorStsNoErr);
    for (int sf : {-2147483647 - 1, -100, -64, -63, -62, -61, -45, -41}) {
        std::vector<Zor16s> a(n);
        std::vector<Zor32s> c(n);
        ASSERT_EQ(zorsPhase_16sc_Sfs(z.data(), a.data(), n, sf), zorStsNoErr);
        ASSERT_EQ(zorsPhase_32sc_Sfs(z32.data(), c.data(), n, sf), zorStsNoErr);
        for (int i = 0; i < n; ++i) {
            // Far left shifts saturate every nonzero phase by its sign.
            const long double ph = std::atan2(static_cast<long double>(z[i].im), static_cast<long double>(z[i].re));
            const long double ph32 = std::atan2(static_cast<long double>(z32[i].im), static_cast<long double>(z32[i].re));
            ASSERT_EQ(a[i], ph > 0 ? 32767 : (ph < 0 ? -32768 : 0)) << sf;
            if (sf <= -63) ASSERT_EQ(c[i], ph32 > 0 ? 2147483647 : (ph32 < 0 ? -2147483647 - 1 : 0)) << sf;
        }
    }
    for (int sf = -40; sf <= 5; ++sf) {
        SCOPED_TRACE(testing::Message() << "scale factor " << sf);
        std::vector<Zor16s> a(n), b(n);
        std::vector<Zor32s> c(n);
        ASSERT_EQ(zorsPhase_16sc_Sfs(z.data(), a.data(), n, sf), zorStsNoErr);
        ASSERT_EQ(zorsPhase_16s_Sfs(re.data(), im.data(), b.data(), n, sf), zorStsNoErr);
        ASSERT_EQ(zorsPhase_32sc_Sfs(z32.data(), c.data(), n, sf), zorStsNoErr);
        for (int i = 0; i < n; ++i) {
            // The single-precision phase for -28..1, extended precision below.
            const long double ph = sf >= -28 ? static_cast<long double>(fph[i]) : std::atan2(static_cast<long double>(im[i]), static_cast<long double>(re[i]));
            const Zor16s want = sf >= 2 ? 0 : zref::scale_sat<Zor16s>(ph, sf);
            ASSERT_EQ(a[i], want) << re[i] << ", " << im[i];
            ASSERT_EQ(b[i], a[i]);
            const long double ph32 = std::atan2(static_cast<long double>(z32[i].im), static_cast<long double>(z32[i].re));
            const long double scaled = std::ldexp(ph32, -sf);
            const Zor32s w32 = zref::scale_sat<Zor32s>(ph32, sf);
            // Double-precision phase: equal, or one off where the scaled
            // value is within 2^-40 of a half-way point.
            if (c[i] != w32) {
                ASSERT_LE(std::fabs(std::fabs(scaled - std::floor(scaled)) - 0.5L), 0x1p-40L * std::fabs(scaled)) << z32[i].re << ", " << z32[i].im;
            }
        }
    }
    const Zor16sc j{0, 1};
    Zor16s out;
    ASSERT_EQ(zorsPhase_16sc_Sfs(&j, &out, 1, 0), zorStsNoErr);
    EXPECT_EQ(out, 2);
    ASSERT_EQ(zorsPhase_16sc_Sfs(&j, &out, 1, 2), zorStsNoErr);
    EXPECT_EQ(out, 0);
}

TEST(Polar, CartToPolarRunsBothHalvesWithTheirOwnChecks) {
    const Zor32fc z[3] = {{3, 4}, {-1, 0}, {0, -2}};
    Zor32f m[3], p[3], m0[3], p0[3];
    ASSERT_EQ(zorsMagnitude_32fc(z, m0, 3), zorStsNoErr);
    ASSERT_EQ(zorsPhase_32fc(z, p0, 3), zorStsNoErr);
    ASSERT_EQ(zorsCartToPolar_32fc(z, m, p, 3), zorStsNoErr);
    EXPECT_EQ(std::memcmp(m, m0, sizeof m), 0);
    EXPECT_EQ(std::memcmp(p, p0, sizeof p), 0);
    std::fill(p, p + 3, 9.0f);
    EXPECT_EQ(zorsCartToPolar_32fc(z, nullptr, p, 3), zorStsNullPtrErr);
    EXPECT_EQ(std::memcmp(p, p0, sizeof p), 0);  // phases written
    std::fill(m, m + 3, 9.0f);
    EXPECT_EQ(zorsCartToPolar_32fc(z, m, nullptr, 3), zorStsNullPtrErr);
    EXPECT_EQ(std::memcmp(m, m0, sizeof m), 0);
    EXPECT_EQ(zorsCartToPolar_32fc(z, m, p, 0), zorStsSizeErr);
    const Zor64f re[2] = {1, -2}, im[2] = {1, 0};
    Zor64f dm[2], dp[2];
    ASSERT_EQ(zorsCartToPolar_64f(re, im, dm, dp, 2), zorStsNoErr);
    EXPECT_EQ(dm[0], std::sqrt(2.0));
    EXPECT_EQ(dp[1], M_PI);
    EXPECT_EQ(zorsCartToPolar_64f(nullptr, im, dm, dp, 2), zorStsNullPtrErr);
    Zor64fc zc[2] = {{1, 1}, {-2, 0}};
    EXPECT_EQ(zorsCartToPolar_64fc(zc, dm, nullptr, 2), zorStsNullPtrErr);
    EXPECT_EQ(zorsCartToPolar_32f(nullptr, nullptr, m, p, 2), zorStsNullPtrErr);
}

TEST(Polar, PolarToCartAgainstLongDouble) {
    zt::Rng rng(51);
    const int n = 503;
    std::vector<float> m(n), p(n);
    std::vector<double> md(n), pd(n);
    for (int i = 0; i < n; ++i) {
        m[i] = static_cast<float>(rng.bits() % 100000) / 7.0f;
        p[i] = (static_cast<float>(rng.bits() % 200001) - 100000.0f) / 10000.0f;
        if (i % 50 == 7) p[i] *= 1e5f;   // beyond the reduced range
        if (i % 50 == 9) p[i] = static_cast<float>(M_PI_2 * (i % 9 - 4));  // near multiples of pi/2
        md[i] = m[i] * 1.0000001;
        pd[i] = p[i] * 0.9999999;
    }
    zt::for_each_isa([&](zors::Isa) {
        std::vector<float> re(n), im(n);
        std::vector<double> red(n), imd(n);
        std::vector<Zor32fc> c(n);
        std::vector<Zor64fc> cd(n);
        ASSERT_EQ(zorsPolarToCart_32f(m.data(), p.data(), re.data(), im.data(), n), zorStsNoErr);
        ASSERT_EQ(zorsPolarToCart_32fc(m.data(), p.data(), c.data(), n), zorStsNoErr);
        ASSERT_EQ(zorsPolarToCart_64f(md.data(), pd.data(), red.data(), imd.data(), n), zorStsNoErr);
        ASSERT_EQ(zorsPolarToCart_64fc(md.data(), pd.data(), cd.data(), n), zorStsNoErr);
        for (int i = 0; i < n; ++i) {
            // Single precision: the double-precision product rounded once.
            const long double wr = m[i] * std::cos(static_cast<long double>(p[i])), wi = m[i] * std::sin(static_cast<long double>(p[i]));
            ASSERT_LE(ulps<float>(re[i], wr), 0.5001L) << "phase " << p[i];
            ASSERT_LE(ulps<float>(im[i], wi), 0.5001L) << "phase " << p[i];
            EXPECT_EQ(c[i].re, re[i]);
            EXPECT_EQ(c[i].im, im[i]);
            const long double dr = md[i] * std::cos(static_cast<long double>(pd[i])), di = md[i] * std::sin(static_cast<long double>(pd[i]));
            EXPECT_LE(std::fabs(red[i] - dr), md[i] * 0x1p-51L);
            EXPECT_LE(std::fabs(imd[i] - di), md[i] * 0x1p-51L);
            EXPECT_EQ(cd[i].re, red[i]);
            EXPECT_EQ(cd[i].im, imd[i]);
        }
    });
    const float inf = std::numeric_limits<float>::infinity();
    const float ms[2] = {1, 2}, ps[2] = {inf, std::nanf("")};
    float re[2], im[2];
    ASSERT_EQ(zorsPolarToCart_32f(ms, ps, re, im, 2), zorStsNoErr);
    EXPECT_TRUE(std::isnan(re[0]) && std::isnan(im[1]));
}

TEST(Polar, ArgumentChecks) {
    ZT_CHECKS(zorsMagnitude_32fc, 1);
    ZT_CHECKS(zorsMagnitude_64fc, 1);
    ZT_CHECKS(zorsMagnitude_16sc32f, 1);
    ZT_CHECKS(zorsMagnitude_32f, 1);
    ZT_CHECKS(zorsMagnitude_64f, 1);
    ZT_CHECKS(zorsMagnitude_16s32f, 1);
    ZT_CHECKS(zorsMagnitude_16sc_Sfs, 1);
    ZT_CHECKS(zorsMagnitude_32sc_Sfs, 1);
    ZT_CHECKS(zorsMagnitude_16s_Sfs, 1);
    ZT_CHECKS(zorsMagSquared_32sc32s_Sfs, 1);
    ZT_CHECKS(zorsPowerSpectr_32fc, 1);
    ZT_CHECKS(zorsPowerSpectr_64fc, 1);
    ZT_CHECKS(zorsPowerSpectr_16sc32f, 1);
    ZT_CHECKS(zorsPowerSpectr_32f, 1);
    ZT_CHECKS(zorsPowerSpectr_64f, 1);
    ZT_CHECKS(zorsPowerSpectr_16s32f, 1);
    ZT_CHECKS(zorsPowerSpectr_16sc_Sfs, 1);
    ZT_CHECKS(zorsPowerSpectr_16s_Sfs, 1);
    ZT_CHECKS(zorsPhase_32fc, 1);
    ZT_CHECKS(zorsPhase_64fc, 1);
    ZT_CHECKS(zorsPhase_16sc32f, 1);
    ZT_CHECKS(zorsPhase_32f, 1);
    ZT_CHECKS(zorsPhase_64f, 1);
    ZT_CHECKS(zorsPhase_16s32f, 1);
    ZT_CHECKS(zorsPhase_16sc_Sfs, 1);
    ZT_CHECKS(zorsPhase_32sc_Sfs, 1);
    ZT_CHECKS(zorsPhase_16s_Sfs, 1);
    ZT_CHECKS(zorsPolarToCart_32fc, 1);
    ZT_CHECKS(zorsPolarToCart_64fc, 1);
    ZT_CHECKS(zorsPolarToCart_32f, 1);
    ZT_CHECKS(zorsPolarToCart_64f, 1);
}

}  // namespace
