// Division, square roots, normalisation and the float-to-16s products.
#include <complex>
#include <xmmintrin.h>

#include "tests/arith/arith_harness.h"

namespace {

using zref::ld;

#define VV_S(f) [](auto* a, auto* b, auto* d, int n, int sf) { return f(a, b, d, n, sf); }
#define VV(f) [](auto* a, auto* b, auto* d, int n, int) { return f(a, b, d, n); }
#define VI_S(f) [](auto* a, auto* sd, int n, int sf) { return f(a, sd, n, sf); }
#define VI(f) [](auto* a, auto* sd, int n, int) { return f(a, sd, n); }
#define VC_S(f) [](auto* a, auto v, auto* d, int n, int sf) { return f(a, v, d, n, sf); }
#define VC(f) [](auto* a, auto v, auto* d, int n, int) { return f(a, v, d, n); }
#define CI_S(f) [](auto v, auto* sd, int n, int sf) { return f(v, sd, n, sf); }
#define CI(f) [](auto v, auto* sd, int n, int) { return f(v, sd, n); }

// Div(a, b) is b / a: the first operand is the divisor.
struct ZeroDivisor {
    template <class T> bool operator()(const T& divisor, const T&) const {
        if constexpr (zref::is_cplx<T>::value) return divisor.re == 0 && divisor.im == 0;
        else return !(divisor != 0);
    }
};

TEST(ArithDivide, IntegerQuotients) {
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsDiv_8u_Sfs), [](Zor8u a, Zor8u b, int sf) { return zref::divided<Zor8u, float>(b, a, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsDiv_16s_Sfs), [](Zor16s a, Zor16s b, int sf) { return zref::divided<Zor16s, float>(b, a, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsDiv_32s_Sfs), [](Zor32s a, Zor32s b, int sf) { return zref::divided<Zor32s, double>(b, a, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
    at::check_inplace<Zor8u, Zor8u>(VV_S(zorsDiv_8u_Sfs), VI_S(zorsDiv_8u_ISfs));
    at::check_inplace<Zor16s, Zor16s>(VV_S(zorsDiv_16s_Sfs), VI_S(zorsDiv_16s_ISfs));
    at::check_inplace<Zor32s, Zor32s>(VV_S(zorsDiv_32s_Sfs), VI_S(zorsDiv_32s_ISfs));
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
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsDiv_16sc_Sfs), [](Zor16sc a, Zor16sc b, int sf) { return cdiv_16sc(a, b, sf); }, true, ZeroDivisor{}, zorStsDivByZero);
    at::check_inplace<Zor16sc, Zor16sc>(VV_S(zorsDiv_16sc_Sfs), VI_S(zorsDiv_16sc_ISfs));
    auto nonzero = [](Zor16sc v) { return v.re != 0 || v.im != 0; };
    at::check_vc<Zor16sc, Zor16sc, Zor16sc>(VC_S(zorsDivC_16sc_Sfs), [](Zor16sc a, Zor16sc v, int sf) { return cdiv_16sc(v, a, sf); }, true, nonzero);
    at::check_vc_inplace<Zor16sc, Zor16sc>(VC_S(zorsDivC_16sc_Sfs), CI_S(zorsDivC_16sc_ISfs));
}

TEST(ArithDivide, IntegerConstantQuotients) {
    auto nonzero = [](auto v) { return v != 0; };
    at::check_vc<Zor8u, Zor8u, Zor8u>(VC_S(zorsDivC_8u_Sfs), [](Zor8u a, Zor8u v, int sf) { return zref::divided<Zor8u, float>(a, v, sf); }, true, nonzero);
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsDivC_16s_Sfs), [](Zor16s a, Zor16s v, int sf) { return zref::divided<Zor16s, float>(a, v, sf); }, true, nonzero);
    at::check_vc_inplace<Zor8u, Zor8u>(VC_S(zorsDivC_8u_Sfs), CI_S(zorsDivC_8u_ISfs));
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsDivC_16s_Sfs), CI_S(zorsDivC_16s_ISfs));
}

// Floating Div: IEEE quotients; a zero or NaN divisor gives +-inf by the
// sign of the dividend and the negative quiet NaN for a zero or NaN one.
struct ZeroNorm {
    template <class C> bool operator()(const C& a, const C&) const { return double(a.re) * a.re + double(a.im) * a.im == 0; }
};

template <class T>
T fdiv(T divisor, T dividend) {
    if (!(divisor != 0)) {
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
    at::check_vv<Zor32f, Zor32f, Zor32f>(VV(zorsDiv_32f), [](Zor32f a, Zor32f b, int) { return fdiv(a, b); }, false, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor64f, Zor64f, Zor64f>(VV(zorsDiv_64f), [](Zor64f a, Zor64f b, int) { return fdiv(a, b); }, false, ZeroDivisor{}, zorStsDivByZero);
    at::check_vv<Zor32fc, Zor32fc, Zor32fc>(VV(zorsDiv_32fc), [](Zor32fc a, Zor32fc b, int) { return fcdiv(a, b); }, false, ZeroNorm{}, zorStsDivByZero);
    at::check_vv<Zor64fc, Zor64fc, Zor64fc>(VV(zorsDiv_64fc), [](Zor64fc a, Zor64fc b, int) { return fcdiv(a, b); }, false, ZeroNorm{}, zorStsDivByZero);
    at::check_inplace<Zor32f, Zor32f>(VV(zorsDiv_32f), VI(zorsDiv_32f_I), false);
    at::check_inplace<Zor64f, Zor64f>(VV(zorsDiv_64f), VI(zorsDiv_64f_I), false);
    at::check_inplace<Zor32fc, Zor32fc>(VV(zorsDiv_32fc), VI(zorsDiv_32fc_I), false);
    at::check_inplace<Zor64fc, Zor64fc>(VV(zorsDiv_64fc), VI(zorsDiv_64fc_I), false);
    // The NaN of 0 / 0 is the negative quiet NaN.
    const Zor32f z = 0;
    Zor32f q = 1;
    ASSERT_EQ(zorsDiv_32f(&z, &z, &q, 1), zorStsDivByZero);
    std::uint32_t bits;
    std::memcpy(&bits, &q, 4);
    EXPECT_EQ(bits, 0xFFC00000u);
    const Zor64f zd = 0;
    Zor64f qd = 1;
    ASSERT_EQ(zorsDiv_64f(&zd, &zd, &qd, 1), zorStsDivByZero);
    std::uint64_t dbits;
    std::memcpy(&dbits, &qd, 8);
    EXPECT_EQ(dbits, 0xFFF8000000000000ull);
}

// DivC multiplies by the reciprocal formed once in the element precision.
TEST(ArithDivide, FloatConstantQuotients) {
    auto usable = [](auto v) { return v == v && v != 0; };
    at::check_vc<Zor32f, Zor32f, Zor32f>(VC(zorsDivC_32f), [](Zor32f a, Zor32f v, int) { return a * (1.0f / v); }, false, usable);
    at::check_vc<Zor64f, Zor64f, Zor64f>(VC(zorsDivC_64f), [](Zor64f a, Zor64f v, int) { return a * (1.0 / v); }, false, usable);
    auto cusable = [](auto v) { return v.re != 0 || v.im != 0; };
    at::check_vc<Zor32fc, Zor32fc, Zor32fc>(VC(zorsDivC_32fc), [](Zor32fc a, Zor32fc v, int) { return fcdiv(v, a); }, false, cusable);
    at::check_vc<Zor64fc, Zor64fc, Zor64fc>(VC(zorsDivC_64fc), [](Zor64fc a, Zor64fc v, int) { return fcdiv(v, a); }, false, cusable);
    at::check_vc_inplace<Zor32fc, Zor32fc>(VC(zorsDivC_32fc), CI(zorsDivC_32fc_I), false);
    at::check_vc_inplace<Zor64fc, Zor64fc>(VC(zorsDivC_64fc), CI(zorsDivC_64fc_I), false);
    zt::Rng rng(77);
    for (int len : {1, 9, 40}) {
        zt::Guarded<Zor32f> a(len), d(len);
        at::fill(a.data(), len, rng);
        std::vector<Zor32f> want(a.data(), a.data() + len);
        for (auto& w : want) w = w * (1.0f / 3.0f);
        ASSERT_EQ(zorsDivC_32f_I(3.0f, a.data(), len), zorStsNoErr);
        for (int i = 0; i < len; ++i) ASSERT_TRUE(at::same(a[i], want[i]));
    }
}

// DivCRev: val / src; 16u rounds to nearest (65535 and warning 6 for a zero
// element); a zero constant writes zeros.
TEST(ArithDivide, ReversedQuotients) {
    zt::Rng rng(88);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<Zor16u> a(len, 1 * alignof(Zor16u)), d(len, 2 * alignof(Zor16u));
            at::fill(a.data(), len, rng);
            const Zor16u val = at::pick<Zor16u>(rng);
            bool zero = false;
            for (int i = 0; i < len; ++i) zero = zero || a[i] == 0;
            ASSERT_EQ(zorsDivCRev_16u(a.data(), val, d.data(), len), val != 0 && zero ? zorStsDivByZero : zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                const Zor16u w = val == 0 ? 0 : (a[i] == 0 ? 65535 : Zor16u(std::nearbyint(float(val) / float(a[i]))));
                ASSERT_EQ(d[i], w) << "val " << val << " src " << a[i];
            }
            ASSERT_TRUE(d.guards_intact());
            zt::Guarded<Zor32f> f(len, 3 * alignof(Zor32f)), g(len, 1 * alignof(Zor32f));
            at::fill(f.data(), len, rng);
            const Zor32f fv = at::pick<Zor32f>(rng);
            ASSERT_EQ(zorsDivCRev_32f(f.data(), fv, g.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i)
                ASSERT_TRUE(at::same(g[i], (fv == 0 || fv != fv) ? 0.0f : fv / f[i])) << fv << " / " << f[i];
            ASSERT_EQ(zorsDivCRev_32f_I(fv, f.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) ASSERT_TRUE(at::same(f[i], g[i]));
        }
    });
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
    const Zor16s zero[3] = {0, 0, 0}, dividend[3] = {5, 0, -5};
    Zor16s q[3];
    ASSERT_EQ(zorsDiv_16s_Sfs(zero, dividend, q, 3, 0), zorStsDivByZero);
    EXPECT_EQ(q[0], 32767);
    EXPECT_EQ(q[1], 0);
    EXPECT_EQ(q[2], -32768);
    const Zor8u z8 = 0, n8 = 3;
    Zor8u q8;
    ASSERT_EQ(zorsDiv_8u_Sfs(&z8, &n8, &q8, 1, 5), zorStsDivByZero);
    EXPECT_EQ(q8, 255);
    // Ties to even: 5 / 2 = 2.5 gives 2, 7 / 2 = 3.5 gives 4.
    const Zor16s two[2] = {2, 2}, odd[2] = {5, 7};
    ASSERT_EQ(zorsDiv_16s_Sfs(two, odd, q, 2, 0), zorStsNoErr);
    EXPECT_EQ(q[0], 2);
    EXPECT_EQ(q[1], 4);
    EXPECT_EQ(zorsDivC_32f(nullptr, 0.0f, nullptr, 0), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_64f_I(std::nan(""), nullptr, 0), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_16s_Sfs(nullptr, 0, nullptr, 1, 0), zorStsNullPtrErr);
    Zor16s s = 4;
    EXPECT_EQ(zorsDivC_16s_ISfs(0, &s, 0, 0), zorStsSizeErr);
    EXPECT_EQ(zorsDivC_16s_ISfs(0, &s, 1, 0), zorStsDivByZeroErr);
    EXPECT_EQ(s, 4);
    EXPECT_EQ(zorsDivC_32fc(nullptr, Zor32fc{0, 0}, nullptr, 1), zorStsNullPtrErr);
    Zor32fc c{1, 1};
    EXPECT_EQ(zorsDivC_32fc_I(Zor32fc{0, 0}, &c, 1), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_16sc_ISfs(Zor16sc{0, 0}, reinterpret_cast<Zor16sc*>(&s), 1, 0), zorStsDivByZeroErr);
}

// Integer roots against sqrt in long double, rounded to nearest even.
template <class T>
void check_int_sqrt(ZorStatus (*f)(const T*, T*, int, int), ZorStatus (*fi)(T*, int, int), bool warns) {
    zt::Rng rng(66);
    zt::for_each_isa([&](zors::Isa) {
        for (int sf : at::all_factors())
            for (int len : at::short_lengths()) {
                zt::Guarded<T> a(len, 1 * alignof(T)), d(len, 2 * alignof(T));
                at::fill(a.data(), len, rng);
                bool neg = false;
                for (int i = 0; i < len; ++i) neg = neg || a[i] < 0;
                const ZorStatus want_st = warns && neg ? zorStsSqrtNegArg : zorStsNoErr;
                ASSERT_EQ(f(a.data(), d.data(), len, sf), want_st);
                for (int i = 0; i < len; ++i)
                    ASSERT_EQ(d[i], zref::sqrt_scaled<T>(ld(a[i]), sf)) << "x " << a[i] << " sf " << sf;
                ASSERT_TRUE(d.guards_intact());
                ASSERT_EQ(fi(a.data(), len, sf), want_st);
                for (int i = 0; i < len; ++i) ASSERT_EQ(a[i], d[i]);
            }
    });
}

TEST(ArithDivide, IntegerRoots) {
    check_int_sqrt<Zor8u>(zorsSqrt_8u_Sfs, zorsSqrt_8u_ISfs, false);
    check_int_sqrt<Zor16u>(zorsSqrt_16u_Sfs, zorsSqrt_16u_ISfs, false);
    check_int_sqrt<Zor16s>(zorsSqrt_16s_Sfs, zorsSqrt_16s_ISfs, true);
    check_int_sqrt<Zor64s>(zorsSqrt_64s_Sfs, zorsSqrt_64s_ISfs, true);
    // Every 16s value at factor 0 (the estimate-and-correct range).
    std::vector<Zor16s> all(65536), root(65536);
    for (int i = 0; i < 65536; ++i) all[i] = Zor16s(i - 32768);
    ASSERT_EQ(zorsSqrt_16s_Sfs(all.data(), root.data(), 65536, 0), zorStsSqrtNegArg);
    for (int i = 0; i < 65536; ++i) ASSERT_EQ(root[i], zref::sqrt_scaled<Zor16s>(all[i], 0)) << all[i];
    const Zor16s x[5] = {-4, 4, 5, 6, 7};
    Zor16s r[5];
    ASSERT_EQ(zorsSqrt_16s_Sfs(x, r, 5, 0), zorStsSqrtNegArg);
    const Zor16s want[5] = {0, 2, 2, 2, 3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r[i], want[i]) << x[i];
    // Ties at positive factors go to even: sqrt(9) / 2 = 1.5 gives 2, sqrt(25) / 2 = 2.5 gives 2.
    const Zor16u t[2] = {9, 25};
    Zor16u tr[2];
    ASSERT_EQ(zorsSqrt_16u_Sfs(t, tr, 2, 1), zorStsNoErr);
    EXPECT_EQ(tr[0], 2);
    EXPECT_EQ(tr[1], 2);
}

TEST(ArithDivide, ComplexIntegerRoots) {
    zt::Rng rng(44);
    for (int sf : at::all_factors()) {
        const int len = 70;
        zt::Guarded<Zor16sc> a(len), d(len);
        at::fill(a.data(), len, rng);
        ASSERT_EQ(zorsSqrt_16sc_Sfs(a.data(), d.data(), len, sf), zorStsNoErr);
        for (int i = 0; i < len; ++i) {
            const std::complex<ld> w = std::sqrt(std::complex<ld>(a[i].re, a[i].im));
            auto part = [&](ld v) {
                const ld s = std::nearbyint(std::ldexp(v, sf > 200 ? -200 : (sf < -200 ? 200 : -sf)));
                return Zor16s(s > 32767 ? 32767 : (s < -32768 ? -32768 : s));
            };
            ASSERT_EQ(d[i].re, part(w.real())) << a[i].re << "," << a[i].im << " sf " << sf;
            ASSERT_EQ(d[i].im, part(w.imag())) << a[i].re << "," << a[i].im << " sf " << sf;
        }
        ASSERT_EQ(zorsSqrt_16sc_ISfs(a.data(), len, sf), zorStsNoErr);
        for (int i = 0; i < len; ++i) ASSERT_TRUE(zt::same_bits(a[i], d[i]));
    }
}

// Floating roots are correctly rounded; 32f warns for any set sign bit
// (-0 included), 64f for values below zero; the complex roots never warn.
TEST(ArithDivide, FloatRoots) {
    zt::Rng rng(22);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<Zor32f> a(len, 1 * alignof(Zor32f)), d(len, 2 * alignof(Zor32f));
            zt::Guarded<Zor64f> b(len, 3 * alignof(Zor64f)), e(len, 4 * alignof(Zor64f));
            at::fill(a.data(), len, rng);
            at::fill(b.data(), len, rng);
            bool sign = false, neg = false;
            for (int i = 0; i < len; ++i) {
                sign = sign || std::signbit(a[i]);
                neg = neg || b[i] < 0;
            }
            ASSERT_EQ(zorsSqrt_32f(a.data(), d.data(), len), sign ? zorStsSqrtNegArg : zorStsNoErr);
            ASSERT_EQ(zorsSqrt_64f(b.data(), e.data(), len), neg ? zorStsSqrtNegArg : zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                ASSERT_TRUE(at::same(d[i], std::sqrt(a[i]))) << a[i];
                ASSERT_TRUE(at::same(e[i], std::sqrt(b[i]))) << b[i];
            }
            ASSERT_TRUE(d.guards_intact() && e.guards_intact());
            ASSERT_EQ(zorsSqrt_32f_I(a.data(), len), sign ? zorStsSqrtNegArg : zorStsNoErr);
            ASSERT_EQ(zorsSqrt_64f_I(b.data(), len), neg ? zorStsSqrtNegArg : zorStsNoErr);
            for (int i = 0; i < len; ++i) ASSERT_TRUE(at::same(a[i], d[i]) && at::same(b[i], e[i]));
        }
    });
    const Zor32f mz = -0.0f;
    Zor32f r;
    EXPECT_EQ(zorsSqrt_32f(&mz, &r, 1), zorStsSqrtNegArg);
    const Zor32fc c[3] = {{-4, 0}, {0, 2}, {3, -4}};
    Zor32fc cr[3];
    ASSERT_EQ(zorsSqrt_32fc(c, cr, 3), zorStsNoErr);
    const std::complex<double> want[3] = {{0, 2}, {1, 1}, {2, -1}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(cr[i].re, want[i].real(), 1e-6);
        EXPECT_NEAR(cr[i].im, want[i].imag(), 1e-6);
    }
    Zor32fc ci[3] = {{-4, 0}, {0, 2}, {3, -4}};
    ASSERT_EQ(zorsSqrt_32fc_I(ci, 3), zorStsNoErr);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(at::same(ci[i], cr[i]));
    Zor64fc dc[3] = {{-4, 0}, {0, 2}, {3, -4}}, dr[3];
    ASSERT_EQ(zorsSqrt_64fc(dc, dr, 3), zorStsNoErr);
    ASSERT_EQ(zorsSqrt_64fc_I(dc, 3), zorStsNoErr);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(at::same(dc[i], dr[i]));
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(dc[i].re, want[i].real(), 1e-15);
        EXPECT_NEAR(dc[i].im, want[i].imag(), 1e-15);
    }
}

// The caller's SIMD control register survives every member that changes it.
TEST(ArithDivide, ControlRegisterRestored) {
    const unsigned saved = _mm_getcsr();
    const unsigned mode = (saved & ~0x603Fu) | 0x6000u;  // round toward zero, no flags
    _mm_setcsr(mode);
    const Zor32f f[3] = {2.5f, -1.0f, 3.5f};
    Zor16s s[3];
    EXPECT_EQ(zorsMulC_32f16s_Sfs(f, 1.0f, s, 3, 0), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr(), mode);
    EXPECT_EQ(s[0], 2);  // nearest, ties to even, whatever the caller's mode
    EXPECT_EQ(s[2], 4);
    Zor32f r[3];
    EXPECT_EQ(zorsSqrt_32f(f, r, 3), zorStsSqrtNegArg);
    EXPECT_EQ(_mm_getcsr(), mode);
    const Zor16s a[2] = {5, 7}, two[2] = {2, 2};
    EXPECT_EQ(zorsDiv_16s_Sfs(two, a, s, 2, 0), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr(), mode);
    EXPECT_EQ(s[0], 2);
    EXPECT_EQ(s[1], 4);
    EXPECT_EQ(zorsNormalize_16s_Sfs(a, s, 2, 0, 2, 0), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr(), mode);
    EXPECT_EQ(s[0], 2);
    EXPECT_EQ(s[1], 4);
    const Zor64s big = 99;
    Zor64s br;
    EXPECT_EQ(zorsSqrt_64s_Sfs(&big, &br, 1, 0), zorStsNoErr);
    EXPECT_EQ(br, 10);
    EXPECT_EQ(_mm_getcsr(), mode);
    // MulC_Low converts in the caller's mode: toward zero here.
    EXPECT_EQ(zorsMulC_Low_32f16s(f, 1.0f, s, 3), zorStsNoErr);
    EXPECT_EQ(s[0], 2);
    EXPECT_EQ(s[2], 3);
    _mm_setcsr(saved);
    // Normalize on integers clears the invalid-operation flag it may raise.
    _mm_setcsr(saved | 0x0001u);
    EXPECT_EQ(zorsNormalize_16s_Sfs(a, s, 2, 0, 2, 0), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr() & 0x0001u, 0u);
    _mm_setcsr(saved);
}

TEST(ArithDivide, Normalize) {
    zt::Rng rng(12);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<Zor32f> a(len, 1 * alignof(Zor32f)), d(len, 2 * alignof(Zor32f));
            zt::Guarded<Zor64fc> b(len, 3 * alignof(Zor64fc)), e(len, 4 * alignof(Zor64fc));
            at::fill(a.data(), len, rng);
            at::fill(b.data(), len, rng);
            const Zor32f sub = at::pick_finite<Zor32f>(rng), div = 0.375f;
            ASSERT_EQ(zorsNormalize_32f(a.data(), d.data(), len, sub, div), zorStsNoErr);
            for (int i = 0; i < len; ++i) ASSERT_TRUE(at::same(d[i], (a[i] - sub) * (1.0f / div)));
            zt::Guarded<Zor32fc> f(len, 1 * alignof(Zor32fc)), g(len, 2 * alignof(Zor32fc));
            at::fill(f.data(), len, rng);
            const Zor32fc fsub{0.5f, -8.0f};
            ASSERT_EQ(zorsNormalize_32fc(f.data(), g.data(), len, fsub, 5.0f), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                ASSERT_TRUE(at::same(g[i].re, (f[i].re - fsub.re) * (1.0f / 5.0f)));
                ASSERT_TRUE(at::same(g[i].im, (f[i].im - fsub.im) * (1.0f / 5.0f)));
            }
            const Zor64fc csub{1.5, -2.25};
            ASSERT_EQ(zorsNormalize_64fc(b.data(), e.data(), len, csub, -3.0), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                ASSERT_TRUE(at::same(e[i].re, (b[i].re - csub.re) * (1.0 / -3.0)));
                ASSERT_TRUE(at::same(e[i].im, (b[i].im - csub.im) * (1.0 / -3.0)));
            }
        }
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
    zt::Rng rng(5);
    zt::for_each_isa([&](zors::Isa) {
        for (int sf : at::all_factors())
            for (int len : at::short_lengths()) {
                zt::Guarded<Zor32f> a(len, 1 * alignof(Zor32f));
                zt::Guarded<Zor16s> d(len, 2 * alignof(Zor16s)), e(len, 3 * alignof(Zor16s));
                at::fill(a.data(), len, rng);
                const Zor32f val = at::pick_finite<Zor32f>(rng);
                ASSERT_EQ(zorsMulC_32f16s_Sfs(a.data(), val, d.data(), len, sf), zorStsNoErr);
                ASSERT_EQ(zorsMulC_Low_32f16s(a.data(), val, e.data(), len), zorStsNoErr);
                const int k = std::clamp(sf, -127, 126);
                const Zor32f v = val * std::ldexp(1.0f, -k);
                for (int i = 0; i < len; ++i) {
                    const Zor32f p = a[i] * v;
                    const Zor16s w = !(p <= 32767) ? 32767 : (p <= -32768 ? -32768 : Zor16s(std::nearbyint(p)));
                    ASSERT_EQ(d[i], w) << "sf " << sf << " x " << a[i] << " val " << val;
                    const Zor32f q = a[i] * val;
                    const ld r = std::nearbyint(ld(q));
                    const Zor16s lw = (q != q || std::fabs(r) >= 2147483648.0L) ? -32768 : Zor16s(std::clamp<ld>(r, -32768, 32767));
                    ASSERT_EQ(e[i], lw) << "x " << a[i] << " val " << val;
                }
                ASSERT_TRUE(d.guards_intact() && e.guards_intact());
            }
    });
    const Zor32f three = 3.0f;
    Zor16s r;
    ASSERT_EQ(zorsMulC_32f16s_Sfs(&three, 1.0f, &r, 1, 1), zorStsNoErr);
    EXPECT_EQ(r, 2);
}

}  // namespace
