// Division, square roots, normalisation and the float-to-16s products.
#include <complex>
#include <xmmintrin.h>

#include "tests/arith/arith_harness.h"

namespace {

using zref::ld;


// Div(a, b) is b / a: the first operand is the divisor.
struct ZeroDivisor {
    template <class T> bool operator()(const T& divisor, const T&) const {
        if constexpr (zref::is_cplx<T>::value) return divisor.re == 0 && divisor.im == 0;
        else return divisor == 0 || divisor != divisor;
    }
};

TEST(ArithDivide, IntegerQuotients) {
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsDiv_8u_Sfs), VI_S(zorsDiv_8u_ISfs), [](Zor8u a, Zor8u b, int sf) { return zref::divided<Zor8u, float>(b, a, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsDiv_16s_Sfs), VI_S(zorsDiv_16s_ISfs), [](Zor16s a, Zor16s b, int sf) { return zref::divided<Zor16s, float>(b, a, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsDiv_32s_Sfs), VI_S(zorsDiv_32s_ISfs), [](Zor32s a, Zor32s b, int sf) { return zref::divided<Zor32s, double>(b, a, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
}

// b * conj(a) / |a|^2 * 2^-sf in double, rounded per part; a zero divisor
// saturates each part by the sign of the dividend's part.
Zor16sc cdiv_16sc(Zor16sc a, Zor16sc b, int sf) {
    const double m = double(a.re) * a.re + double(a.im) * a.im;
    const double re = double(b.re) * a.re + double(b.im) * a.im, im = double(b.im) * a.re - double(b.re) * a.im;
    if (m == 0) return Zor16sc{zref::divided<Zor16s, double>(b.re, 0, sf), zref::divided<Zor16s, double>(b.im, 0, sf)};
    return Zor16sc{zref::divided<Zor16s, double>(re, m, sf), zref::divided<Zor16s, double>(im, m, sf)};
}

TEST(ArithDivide, ComplexIntegerQuotients) {
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsDiv_16sc_Sfs), VI_S(zorsDiv_16sc_ISfs), [](Zor16sc a, Zor16sc b, int sf) { return cdiv_16sc(a, b, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
    auto nonzero = [](Zor16sc v) { return v.re != 0 || v.im != 0; };
    at::check_vc<Zor16sc, Zor16sc, Zor16sc>(VC_S(zorsDivC_16sc_Sfs), CI_S(zorsDivC_16sc_ISfs), [](Zor16sc a, Zor16sc v, int sf) { return cdiv_16sc(v, a, sf); }, true, nonzero);
}

TEST(ArithDivide, IntegerConstantQuotients) {
    auto nonzero = [](auto v) { return v != 0; };
    at::check_vc<Zor8u, Zor8u, Zor8u>(VC_S(zorsDivC_8u_Sfs), CI_S(zorsDivC_8u_ISfs), [](Zor8u a, Zor8u v, int sf) { return zref::divided<Zor8u, float>(a, v, sf); }, true, nonzero);
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsDivC_16s_Sfs), CI_S(zorsDivC_16s_ISfs), [](Zor16s a, Zor16s v, int sf) { return zref::divided<Zor16s, float>(a, v, sf); }, true, nonzero);
}

// Floating Div: IEEE quotients; a zero or NaN divisor gives +-inf by the
// sign of the dividend and the negative quiet NaN for a zero or NaN one.
struct ZeroNorm {
    template <class C> bool operator()(const C& a, const C&) const { return double(a.re) * a.re + double(a.im) * a.im == 0; }
};

template <class T>
T fdiv(T divisor, T dividend) {
    if (divisor == 0 || divisor != divisor) {
        if (dividend > 0) return std::numeric_limits<T>::infinity();
        if (dividend < 0) return -std::numeric_limits<T>::infinity();
        return -std::numeric_limits<T>::quiet_NaN();
    }
    return dividend / divisor;
}

template <class C>
C fcdiv(C divisor, C dividend) {
    using P = zref::part_of<C>;
    const double br = divisor.re, bi = divisor.im, ar = dividend.re, ai = dividend.im;
    const double m = br * br + bi * bi;
    if (m == 0) return C{fdiv<P>(0, dividend.re), fdiv<P>(0, dividend.im)};
    return C{P((ar * br + ai * bi) * (1 / m)), P((ai * br - ar * bi) * (1 / m))};
}

TEST(ArithDivide, FloatQuotients) {
    at::check_vv<Zor32f, Zor32f, Zor32f>(VV(zorsDiv_32f), VI(zorsDiv_32f_I), [](Zor32f a, Zor32f b, int) { return fdiv(a, b); }, false, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor64f, Zor64f, Zor64f>(VV(zorsDiv_64f), VI(zorsDiv_64f_I), [](Zor64f a, Zor64f b, int) { return fdiv(a, b); }, false, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor32fc, Zor32fc, Zor32fc>(VV(zorsDiv_32fc), VI(zorsDiv_32fc_I), [](Zor32fc a, Zor32fc b, int) { return fcdiv(a, b); }, false, ZeroNorm{}, zorStsDivByZero);
    at::check_vv<Zor64fc, Zor64fc, Zor64fc>(VV(zorsDiv_64fc), VI(zorsDiv_64fc_I), [](Zor64fc a, Zor64fc b, int) { return fcdiv(a, b); }, false, ZeroNorm{}, zorStsDivByZero);
    // The NaN of 0 / 0 is the negative quiet NaN.
    auto nan_bits = [](auto f, auto zero, auto bits) {
        decltype(zero) q = 1;
        EXPECT_EQ(f(&zero, &zero, &q, 1), zorStsDivByZero);
        std::memcpy(&bits, &q, sizeof bits);
        return bits;
    };
    EXPECT_EQ(nan_bits(zorsDiv_32f, Zor32f(0), std::uint32_t{}), 0xFFC00000u);
    EXPECT_EQ(nan_bits(zorsDiv_64f, Zor64f(0), std::uint64_t{}), 0xFFF8000000000000ull);
}

// Every class of divisor against every class of dividend, bits compared. A
// divisor equal to zero or NaN gives +inf, -inf or the negative quiet NaN by
// the dividend and warning 6; other divisors give the IEEE quotient (an
// infinite quotient of infinities is the processor's default NaN, which is
// the negative quiet NaN too; a NaN dividend passes through). The complex
// forms give the same per part for a divisor of magnitude zero.
TEST(ArithDivide, SpecialOperandTable) {
    // Outcomes: P +inf, M -inf, N negative quiet NaN, z +0, Z -0, q +3.75,
    // Q -3.75, D the dividend itself (its NaN passed through).
    constexpr int kDividends = 8, kDivisors = 8;
    const double dividends[kDividends] = {0.0, -0.0, 7.5, -7.5, INFINITY, -INFINITY, NAN, -NAN};
    const double divisors[kDivisors] = {0.0, -0.0, NAN, -NAN, 2.0, -2.0, INFINITY, -INFINITY};
    const char* const outcome[kDivisors] = {
        // +0 -0 +x -x +i -i +n -n      dividend
        "NNPMPMNN",  // +0
        "NNPMPMNN",  // -0
        "NNPMPMNN",  // +NaN
        "NNPMPMNN",  // -NaN
        "zZqQPMDD",  // 2
        "ZzQqMPDD",  // -2
        "zZzZNNDD",  // +inf
        "ZzZzNNDD",  // -inf
    };
    auto expected = [&](auto zero, char c, int dividend) {
        using T = decltype(zero);
        using U = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        const U neg_nan = sizeof(T) == 4 ? U(0xFFC00000u) : U(0xFFF8000000000000ull);
        T v{};
        switch (c) {
        case 'P': v = std::numeric_limits<T>::infinity(); break;
        case 'M': v = -std::numeric_limits<T>::infinity(); break;
        case 'N': std::memcpy(&v, &neg_nan, sizeof v); break;
        case 'z': v = T(0); break;
        case 'Z': v = -T(0); break;
        case 'q': v = T(3.75); break;
        case 'Q': v = T(-3.75); break;
        default: v = T(dividends[dividend]); break;
        }
        return v;
    };
    // Real forms: all pairs in one vector, rotated so that every pair meets
    // the head, the packed body and the tail; then every pair alone.
    auto real = [&](auto zero, auto div, auto div_i) {
        using T = decltype(zero);
        constexpr int n = kDividends * kDivisors;
        for (int rot = 0; rot < n; ++rot) {
            const int len = rot == 0 ? n : 1 + (rot * 7) % n;
            zt::Guarded<T> a(n, (rot % 3) * sizeof(T)), b(n, (rot % 2) * sizeof(T)), d(n, (rot % 5) * sizeof(T));
            std::vector<T> want(n);
            bool warn = false;
            for (int i = 0; i < len; ++i) {
                const int k = (i + rot) % n, r = k / kDividends, c = k % kDividends;
                a[i] = T(divisors[r]);
                b[i] = T(dividends[c]);
                want[i] = expected(zero, outcome[r][c], c);
                warn = warn || r < 4;
            }
            const ZorStatus st = warn ? zorStsDivByZero : zorStsNoErr;
            ASSERT_EQ(div(a.data(), b.data(), d.data(), len), st) << "rotation " << rot;
            for (int i = 0; i < len; ++i) {
                const int k = (i + rot) % n;
                ASSERT_TRUE(zt::same_bits(d[i], want[i]))
                    << dividends[k % kDividends] << " / " << divisors[k / kDividends] << " gave " << d[i];
            }
            ASSERT_TRUE(d.guards_intact());
            ASSERT_EQ(div_i(a.data(), b.data(), len), st) << "in place, rotation " << rot;
            for (int i = 0; i < len; ++i) ASSERT_TRUE(zt::same_bits(b[i], want[i])) << "in place, rotation " << rot << " i " << i;
        }
    };
    // Complex forms: each part of the dividend from the classes above, the
    // divisor any signed zero.
    auto complex = [&](auto zero, auto div, auto div_i) {
        using C = decltype(zero);
        using P = zref::part_of<C>;
        constexpr int n = kDividends * kDividends * 4;
        zt::Guarded<C> a(n, sizeof(P)), b(n), d(n, 3 * sizeof(P));
        std::vector<C> want(n);
        for (int i = 0; i < n; ++i) {
            const int re = i % kDividends, im = (i / kDividends) % kDividends, z = i / (kDividends * kDividends);
            a[i] = C{P(z & 1 ? -0.0 : 0.0), P(z & 2 ? -0.0 : 0.0)};
            b[i] = C{P(dividends[re]), P(dividends[im])};
            want[i] = C{expected(P(0), outcome[0][re], re), expected(P(0), outcome[0][im], im)};
        }
        for (int len : {n, 1, 7, 35}) {
            ASSERT_EQ(div(a.data(), b.data(), d.data(), len), zorStsDivByZero);
            for (int i = 0; i < len; ++i)
                ASSERT_TRUE(zt::same_bits(d[i].re, want[i].re) && zt::same_bits(d[i].im, want[i].im))
                    << "(" << b[i].re << ", " << b[i].im << ") / 0 gave (" << d[i].re << ", " << d[i].im << ")";
            ASSERT_TRUE(d.guards_intact());
        }
        ASSERT_EQ(div_i(a.data(), b.data(), n), zorStsDivByZero);
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(zt::same_bits(b[i].re, want[i].re) && zt::same_bits(b[i].im, want[i].im)) << "in place, i " << i;
    };
    zt::for_each_isa([&](zors::Isa) {
        real(Zor32f{}, zorsDiv_32f, zorsDiv_32f_I);
        real(Zor64f{}, zorsDiv_64f, zorsDiv_64f_I);
        complex(Zor32fc{}, zorsDiv_32fc, zorsDiv_32fc_I);
        complex(Zor64fc{}, zorsDiv_64fc, zorsDiv_64fc_I);
    });
}

// DivC multiplies by the reciprocal formed once in the element precision.
TEST(ArithDivide, FloatConstantQuotients) {
    auto usable = [](auto v) { return v == v && v != 0; };
    at::check_vc<Zor32f, Zor32f, Zor32f>(VC(zorsDivC_32f), CI(zorsDivC_32f_I), [](Zor32f a, Zor32f v, int) { return a * (1.0f / v); }, false, usable);
    at::check_vc<Zor64f, Zor64f, Zor64f>(VC(zorsDivC_64f), CI(zorsDivC_64f_I), [](Zor64f a, Zor64f v, int) { return a * (1.0 / v); }, false, usable);
    auto cusable = [](auto v) { return v.re != 0 || v.im != 0; };
    at::check_vc<Zor32fc, Zor32fc, Zor32fc>(VC(zorsDivC_32fc), CI(zorsDivC_32fc_I), [](Zor32fc a, Zor32fc v, int) { return fcdiv(v, a); }, false, cusable);
    at::check_vc<Zor64fc, Zor64fc, Zor64fc>(VC(zorsDivC_64fc), CI(zorsDivC_64fc_I), [](Zor64fc a, Zor64fc v, int) { return fcdiv(v, a); }, false, cusable);
}

// DivCRev: val / src; 16u rounds to nearest (65535 and warning 6 for a zero
// element); a zero constant writes zeros.
TEST(ArithDivide, ReversedQuotients) {
    at::check_vc<Zor16u, Zor16u, Zor16u>(VC(zorsDivCRev_16u), CI(zorsDivCRev_16u_I), [](Zor16u a, Zor16u v, int) {
        return v == 0 ? Zor16u(0) : (a == 0 ? Zor16u(65535) : Zor16u(std::nearbyint(float(v) / float(a))));
    }, false);
    at::check_vc<Zor32f, Zor32f, Zor32f>(VC(zorsDivCRev_32f), CI(zorsDivCRev_32f_I), [](Zor32f a, Zor32f v, int) {
        return (v == 0 || v != v) ? 0.0f : v / a;
    }, false);
    // A zero constant: the zero fill with its own checks, the source unread.
    Zor16u d16[3] = {1, 2, 3};
    EXPECT_EQ(zorsDivCRev_16u(nullptr, 0, d16, 3), zorStsNoErr);
    EXPECT_EQ(d16[0] | d16[1] | d16[2], 0);
    EXPECT_EQ(zorsDivCRev_16u(nullptr, 0, d16, 0), zorStsNoErr);
    EXPECT_EQ(zorsDivCRev_16u(nullptr, 0, nullptr, 3), zorStsNullPtrErr);
    Zor16u s16 = 0;
    EXPECT_EQ(zorsDivCRev_16u_I(7, &s16, 1), zorStsDivByZero);
    EXPECT_EQ(s16, 65535);
    Zor32f d32[2] = {1, 2};
    EXPECT_EQ(zorsDivCRev_32f(nullptr, std::nanf(""), d32, 2), zorStsNoErr);
    EXPECT_EQ(d32[0], 0.0f);
    EXPECT_EQ(zorsDivCRev_32f(nullptr, 0.0f, d32, 0), zorStsSizeErr);
    EXPECT_EQ(zorsDivCRev_32f(nullptr, 0.0f, nullptr, 2), zorStsNullPtrErr);
}

TEST(ArithDivide, StatedValues) {
    // Zero divisors by the sign of the dividend; ties to even: 5 / 2 gives 2, 7 / 2 gives 4.
    const Zor16s divisor[5] = {0, 0, 0, 2, 2}, dividend[5] = {5, 0, -5, 5, 7}, want[5] = {32767, 0, -32768, 2, 4};
    Zor16s q[5];
    ASSERT_EQ(zorsDiv_16s_Sfs(divisor, dividend, q, 5, 0), zorStsDivByZero);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(q[i], want[i]) << i;
    const Zor8u z8 = 0, n8 = 3;
    Zor8u q8;
    ASSERT_EQ(zorsDiv_8u_Sfs(&z8, &n8, &q8, 1, 5), zorStsDivByZero);
    EXPECT_EQ(q8, 255);
    // The integer and complex constants are tested after the length.
    Zor16s s = 4;
    EXPECT_EQ(zorsDivC_16s_ISfs(0, &s, 0, 0), zorStsSizeErr);
    EXPECT_EQ(zorsDivC_16s_ISfs(0, &s, 1, 0), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_16sc_ISfs(Zor16sc{0, 0}, reinterpret_cast<Zor16sc*>(&s), 1, 0), zorStsDivByZeroErr);
    EXPECT_EQ(s, 4);
    Zor32fc c{1, 1};
    EXPECT_EQ(zorsDivC_32fc_I(Zor32fc{0, 0}, &c, 1), zorStsDivByZeroErr);
}

// Roots: integer ones against sqrt in long double rounded to nearest even,
// the floating ones correctly rounded. 16s and 64s warn for a negative
// element, 32f for any set sign bit (-0 included), 64f for values below zero;
// the complex roots never warn.
struct Negative {
    template <class T> bool operator()(const T& a, const T&) const { return a < 0; }
};
struct SignBit {
    template <class T> bool operator()(const T& a, const T&) const { return std::signbit(a); }
};

TEST(ArithDivide, Roots) {
    auto root = [](auto a, auto, int sf) { return zref::sqrt_scaled<decltype(a)>(ld(a), sf); };
    at::check_vv<Zor8u, Zor8u, Zor8u>(ONE_S(zorsSqrt_8u_Sfs), ONE_IS(zorsSqrt_8u_ISfs), root);
    at::check_vv<Zor16u, Zor16u, Zor16u>(ONE_S(zorsSqrt_16u_Sfs), ONE_IS(zorsSqrt_16u_ISfs), root);
    at::check_vv<Zor16s, Zor16s, Zor16s>(ONE_S(zorsSqrt_16s_Sfs), ONE_IS(zorsSqrt_16s_ISfs), root, true, Negative{}, zorStsSqrtNegArg);
    at::check_vv<Zor64s, Zor64s, Zor64s>(ONE_S(zorsSqrt_64s_Sfs), ONE_IS(zorsSqrt_64s_ISfs), root, true, Negative{}, zorStsSqrtNegArg);
    auto froot = [](auto a, auto, int) { return std::sqrt(a); };
    at::check_vv<Zor32f, Zor32f, Zor32f>(ONE(zorsSqrt_32f), ONE_I(zorsSqrt_32f_I), froot, false, SignBit{}, zorStsSqrtNegArg);
    at::check_vv<Zor64f, Zor64f, Zor64f>(ONE(zorsSqrt_64f), ONE_I(zorsSqrt_64f_I), froot, false, Negative{}, zorStsSqrtNegArg);
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(ONE_S(zorsSqrt_16sc_Sfs), ONE_IS(zorsSqrt_16sc_ISfs), [](Zor16sc a, Zor16sc, int sf) {
        const std::complex<ld> w = std::sqrt(std::complex<ld>(a.re, a.im));
        auto part = [&](ld v) {
            const ld s = std::nearbyint(std::ldexp(v, sf > 200 ? -200 : (sf < -200 ? 200 : -sf)));
            return Zor16s(s > 32767 ? 32767 : (s < -32768 ? -32768 : s));
        };
        return Zor16sc{part(w.real()), part(w.imag())};
    });
    // Every 16s value at factor 0 (the estimate-and-correct range).
    std::vector<Zor16s> all(65536), r(65536);
    for (int i = 0; i < 65536; ++i) all[i] = Zor16s(i - 32768);
    ASSERT_EQ(zorsSqrt_16s_Sfs(all.data(), r.data(), 65536, 0), zorStsSqrtNegArg);
    for (int i = 0; i < 65536; ++i) ASSERT_EQ(r[i], zref::sqrt_scaled<Zor16s>(all[i], 0)) << all[i];
    // Complex floating roots: principal roots, in place the same.
    const Zor32fc c[3] = {{-4, 0}, {0, 2}, {3, -4}};
    Zor32fc cr[3], ci[3] = {c[0], c[1], c[2]};
    Zor64fc dc[3] = {{-4, 0}, {0, 2}, {3, -4}}, dr[3];
    ASSERT_EQ(zorsSqrt_32fc(c, cr, 3), zorStsNoErr);
    ASSERT_EQ(zorsSqrt_32fc_I(ci, 3), zorStsNoErr);
    ASSERT_EQ(zorsSqrt_64fc(dc, dr, 3), zorStsNoErr);
    ASSERT_EQ(zorsSqrt_64fc_I(dc, 3), zorStsNoErr);
    const std::complex<double> want[3] = {{0, 2}, {1, 1}, {2, -1}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(at::same(ci[i], cr[i]) && at::same(dc[i], dr[i]));
        EXPECT_NEAR(cr[i].re, want[i].real(), 1e-6);
        EXPECT_NEAR(cr[i].im, want[i].imag(), 1e-6);
        EXPECT_NEAR(dc[i].re, want[i].real(), 1e-15);
        EXPECT_NEAR(dc[i].im, want[i].imag(), 1e-15);
    }
}

// The caller's SIMD control register survives every member that changes it;
// the results are those of round to nearest, ties to even.
TEST(ArithDivide, ControlRegisterRestored) {
    const unsigned saved = _mm_getcsr();
    const unsigned mode = (saved & ~0x603Fu) | 0x6000u;  // round toward zero, no flags
    _mm_setcsr(mode);
    const Zor32f f[3] = {2.5f, -1.0f, 3.5f};
    const Zor16s a[2] = {5, 7}, two[2] = {2, 2};
    const Zor64s big = 99;
    Zor16s s[3], t[3], u[3];
    Zor32f r[3];
    Zor64s br;
    EXPECT_EQ(zorsMulC_32f16s_Sfs(f, 1.0f, s, 3, 0), zorStsNoErr);
    EXPECT_EQ(zorsSqrt_32f(f, r, 3), zorStsSqrtNegArg);
    EXPECT_EQ(zorsDiv_16s_Sfs(two, a, t, 2, 0), zorStsNoErr);
    EXPECT_EQ(zorsNormalize_16s_Sfs(a, u, 2, 0, 2, 0), zorStsNoErr);
    EXPECT_EQ(zorsSqrt_64s_Sfs(&big, &br, 1, 0), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr(), mode);
    EXPECT_TRUE(s[0] == 2 && s[2] == 4 && t[0] == 2 && t[1] == 4 && u[0] == 2 && u[1] == 4 && br == 10);
    // MulC_Low converts in the caller's mode: toward zero here.
    EXPECT_EQ(zorsMulC_Low_32f16s(f, 1.0f, s, 3), zorStsNoErr);
    EXPECT_TRUE(s[0] == 2 && s[2] == 3);
    // Normalize on integers clears the invalid-operation flag it may raise.
    _mm_setcsr(saved | 0x0001u);
    EXPECT_EQ(zorsNormalize_16s_Sfs(a, s, 2, 0, 2, 0), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr() & 0x0001u, 0u);
    _mm_setcsr(saved);
}

TEST(ArithDivide, Normalize) {
    auto norm = [](auto div) { return [div](auto a, auto sub, int) { return decltype(a){(a - sub) * (1 / div)}; }; };
    auto cnorm = [](auto div) { return [div](auto a, auto sub, int) { return decltype(a){(a.re - sub.re) * (1 / div), (a.im - sub.im) * (1 / div)}; }; };
    at::check_vc<Zor32f, Zor32f, Zor32f>([](auto* a, auto v, auto* d, int n, int) { return zorsNormalize_32f(a, d, n, v, 0.375f); }, nullptr, norm(0.375f), false);
    at::check_vc<Zor64f, Zor64f, Zor64f>([](auto* a, auto v, auto* d, int n, int) { return zorsNormalize_64f(a, d, n, v, 0.75); }, nullptr, norm(0.75), false);
    at::check_vc<Zor32fc, Zor32fc, Zor32fc>([](auto* a, auto v, auto* d, int n, int) { return zorsNormalize_32fc(a, d, n, v, 5.0f); }, nullptr, cnorm(5.0f), false);
    at::check_vc<Zor64fc, Zor64fc, Zor64fc>([](auto* a, auto v, auto* d, int n, int) { return zorsNormalize_64fc(a, d, n, v, -3.0); }, nullptr, cnorm(-3.0), false);
    zt::Rng rng(12);
    zt::for_each_isa([&](zors::Isa) {
        // 16s: the difference saturated to 16 bits, times 2^-sf / vDiv in single precision.
        for (int sf : at::all_factors())
            for (int div : {1, -1, 3, -7, 65536, INT32_MIN}) {
                const int len = 33;
                zt::Guarded<Zor16s> a(len, 1 * alignof(Zor16s)), d(len, 2 * alignof(Zor16s));
                at::fill(a.data(), len, rng);
                const Zor16s sub = at::pick<Zor16s>(rng);
                ASSERT_EQ(zorsNormalize_16s_Sfs(a.data(), d.data(), len, sub, div, sf), zorStsNoErr);
                const float k = float(std::ldexp(1.0, sf > 2000 ? -2000 : (sf < -2000 ? 2000 : -sf)) / div);
                for (int i = 0; i < len; ++i) {
                    const int diff = std::clamp(int(a[i]) - sub, -32768, 32767);
                    const float q = float(diff) * k;
                    const Zor16s w = q != q ? 0 : (q >= 32767 ? 32767 : (q <= -32768 ? -32768 : Zor16s(std::nearbyint(q))));
                    ASSERT_EQ(d[i], w) << "sf " << sf << " div " << div << " x " << a[i] << " sub " << sub;
                }
            }
    });
    Zor32f d[2];
    const Zor32f s[2] = {1, 2};
    EXPECT_EQ(zorsNormalize_32f(s, d, 2, 0, 1e-39f), zorStsDivByZeroErr);
    EXPECT_EQ(zorsNormalize_32f(s, d, 2, 0, -std::nanf("")), zorStsDivByZeroErr);
    EXPECT_EQ(zorsNormalize_32f(s, d, 2, 0, std::ldexp(1.0f, -126)), zorStsNoErr);
    EXPECT_EQ(zorsNormalize_32f(s, d, 0, 0, 0), zorStsSizeErr);
    Zor64f dd[1];
    const Zor64f ds[1] = {1};
    EXPECT_EQ(zorsNormalize_64f(ds, dd, 1, 0, 1e-310), zorStsDivByZeroErr);
    EXPECT_EQ(zorsNormalize_64f(ds, dd, 1, 0, 1e-300), zorStsNoErr);
    Zor16sc c[1] = {{1, 1}};
    EXPECT_EQ(zorsNormalize_16sc_Sfs(c, c, 1, Zor16sc{0, 0}, 0, 0), zorStsDivByZeroErr);
    EXPECT_EQ(zorsNormalize_16sc_Sfs(nullptr, c, 1, Zor16sc{0, 0}, 0, 0), zorStsNullPtrErr);
}

// MulC_32f16s_Sfs: src * (val * 2^-sf) with the factor limited to -127..126,
// limited to -32768..32767 (NaN to 32767), rounded to nearest even.
// MulC_Low_32f16s: the 32-bit conversion saturated (-32768 from 2^31 on and NaN).
TEST(ArithDivide, FloatTo16s) {
    auto finite = [](Zor32f v) { return std::isfinite(v); };
    at::check_vc<Zor32f, Zor32f, Zor16s>(VC_S(zorsMulC_32f16s_Sfs), nullptr, [](Zor32f a, Zor32f val, int sf) {
        const Zor32f p = a * (val * std::ldexp(1.0f, -std::clamp(sf, -127, 126)));
        return !(p <= 32767) ? Zor16s(32767) : (p <= -32768 ? Zor16s(-32768) : Zor16s(std::nearbyint(p)));
    }, true, finite);
    at::check_vc<Zor32f, Zor32f, Zor16s>(VC(zorsMulC_Low_32f16s), nullptr, [](Zor32f a, Zor32f val, int) {
        const Zor32f q = a * val;
        const ld r = std::nearbyint(ld(q));
        return (q != q || std::fabs(r) >= 2147483648.0L) ? Zor16s(-32768) : Zor16s(std::clamp<ld>(r, -32768, 32767));
    }, false, finite);
    const Zor32f three = 3.0f;
    Zor16s r;
    ASSERT_EQ(zorsMulC_32f16s_Sfs(&three, 1.0f, &r, 1, 1), zorStsNoErr);
    EXPECT_EQ(r, 2);
}

}  // namespace
