// Integer members of the element-wise arithmetic against the exact model.
#include "tests/arith/arith_harness.h"

namespace {

using zref::Op;

#define VV_S(f) [](auto* a, auto* b, auto* d, int n, int sf) { return f(a, b, d, n, sf); }
#define VV(f) [](auto* a, auto* b, auto* d, int n, int) { return f(a, b, d, n); }
#define VI_S(f) [](auto* a, auto* sd, int n, int sf) { return f(a, sd, n, sf); }
#define VI(f) [](auto* a, auto* sd, int n, int) { return f(a, sd, n); }
#define VC_S(f) [](auto* a, auto v, auto* d, int n, int sf) { return f(a, v, d, n, sf); }
#define CI_S(f) [](auto v, auto* sd, int n, int sf) { return f(v, sd, n, sf); }
#define CI(f) [](auto v, auto* sd, int n, int) { return f(v, sd, n); }
// Reference: the exact result of a op b (or b op a) into D.
#define REF(D, op) [](auto a, auto b, int sf) { return zref::scaled<D>(Op::op, a, b, sf); }
#define REV(D, op) [](auto a, auto b, int sf) { return zref::scaled<D>(Op::op, b, a, sf); }

TEST(ArithScaled, Add) {
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsAdd_8u_Sfs), REF(Zor8u, add));
    at::check_vv<Zor8u, Zor8u, Zor16u>(VV(zorsAdd_8u16u), REF(Zor16u, add), false);
    at::check_vv<Zor16u, Zor16u, Zor16u>(VV(zorsAdd_16u), REF(Zor16u, add), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV(zorsAdd_16s), REF(Zor16s, add), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsAdd_16s_Sfs), REF(Zor16s, add));
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsAdd_16sc_Sfs), REF(Zor16sc, add));
    at::check_vv<Zor32u, Zor32u, Zor32u>(VV(zorsAdd_32u), REF(Zor32u, add), false);
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsAdd_32s_Sfs), REF(Zor32s, add));
    at::check_vv<Zor32sc, Zor32sc, Zor32sc>(VV_S(zorsAdd_32sc_Sfs), REF(Zor32sc, add));
}

TEST(ArithScaled, AddInPlace) {
    at::check_inplace<Zor8u, Zor8u>(VV_S(zorsAdd_8u_Sfs), VI_S(zorsAdd_8u_ISfs));
    at::check_inplace<Zor16s, Zor16s>(VV(zorsAdd_16s), VI(zorsAdd_16s_I), false);
    at::check_inplace<Zor16s, Zor16s>(VV_S(zorsAdd_16s_Sfs), VI_S(zorsAdd_16s_ISfs));
    at::check_inplace<Zor16sc, Zor16sc>(VV_S(zorsAdd_16sc_Sfs), VI_S(zorsAdd_16sc_ISfs));
    at::check_inplace<Zor32s, Zor32s>(VV_S(zorsAdd_32s_Sfs), VI_S(zorsAdd_32s_ISfs));
    at::check_inplace<Zor32sc, Zor32sc>(VV_S(zorsAdd_32sc_Sfs), VI_S(zorsAdd_32sc_ISfs));
}

// Sub(a, b) is b - a; Sub_I(a, sd) is sd - a.
TEST(ArithScaled, Sub) {
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsSub_8u_Sfs), REV(Zor8u, sub));
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV(zorsSub_16s), REV(Zor16s, sub), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsSub_16s_Sfs), REV(Zor16s, sub));
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsSub_16sc_Sfs), REV(Zor16sc, sub));
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsSub_32s_Sfs), REV(Zor32s, sub));
    at::check_vv<Zor32sc, Zor32sc, Zor32sc>(VV_S(zorsSub_32sc_Sfs), REV(Zor32sc, sub));
    at::check_inplace<Zor8u, Zor8u>(VV_S(zorsSub_8u_Sfs), VI_S(zorsSub_8u_ISfs));
    at::check_inplace<Zor16s, Zor16s>(VV(zorsSub_16s), VI(zorsSub_16s_I), false);
    at::check_inplace<Zor16s, Zor16s>(VV_S(zorsSub_16s_Sfs), VI_S(zorsSub_16s_ISfs));
    at::check_inplace<Zor16sc, Zor16sc>(VV_S(zorsSub_16sc_Sfs), VI_S(zorsSub_16sc_ISfs));
    at::check_inplace<Zor32s, Zor32s>(VV_S(zorsSub_32s_Sfs), VI_S(zorsSub_32s_ISfs));
    at::check_inplace<Zor32sc, Zor32sc>(VV_S(zorsSub_32sc_Sfs), VI_S(zorsSub_32sc_ISfs));
}

TEST(ArithScaled, Mul) {
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsMul_8u_Sfs), REF(Zor8u, mul));
    at::check_vv<Zor8u, Zor8u, Zor16u>(VV(zorsMul_8u16u), REF(Zor16u, mul), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV(zorsMul_16s), REF(Zor16s, mul), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsMul_16s_Sfs), REF(Zor16s, mul));
    at::check_vv<Zor16s, Zor16s, Zor32s>(VV_S(zorsMul_16s32s_Sfs), REF(Zor32s, mul));
    at::check_vv<Zor16u, Zor16s, Zor16s>(VV_S(zorsMul_16u16s_Sfs), REF(Zor16s, mul));
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsMul_16sc_Sfs), REF(Zor16sc, mul));
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsMul_32s_Sfs), REF(Zor32s, mul));
    at::check_vv<Zor32s, Zor32sc, Zor32sc>(VV_S(zorsMul_32s32sc_Sfs), REF(Zor32sc, mul));
    at::check_vv<Zor32sc, Zor32sc, Zor32sc>(VV_S(zorsMul_32sc_Sfs), REF(Zor32sc, mul));
}

TEST(ArithScaled, MulInPlace) {
    at::check_inplace<Zor8u, Zor8u>(VV_S(zorsMul_8u_Sfs), VI_S(zorsMul_8u_ISfs));
    at::check_inplace<Zor16s, Zor16s>(VV(zorsMul_16s), VI(zorsMul_16s_I), false);
    at::check_inplace<Zor16s, Zor16s>(VV_S(zorsMul_16s_Sfs), VI_S(zorsMul_16s_ISfs));
    at::check_inplace<Zor16sc, Zor16sc>(VV_S(zorsMul_16sc_Sfs), VI_S(zorsMul_16sc_ISfs));
    at::check_inplace<Zor32s, Zor32s>(VV_S(zorsMul_32s_Sfs), VI_S(zorsMul_32s_ISfs));
    at::check_inplace<Zor32s, Zor32sc>(VV_S(zorsMul_32s32sc_Sfs), VI_S(zorsMul_32s32sc_ISfs));
    at::check_inplace<Zor32sc, Zor32sc>(VV_S(zorsMul_32sc_Sfs), VI_S(zorsMul_32sc_ISfs));
}

// The products whose parts are all -32768 reach 2^31 exactly.
TEST(ArithScaled, ComplexProductCorner) {
    const Zor16sc m{-32768, -32768};
    for (int sf : at::all_factors()) {
        Zor16sc d{1, 1};
        ASSERT_EQ(zorsMul_16sc_Sfs(&m, &m, &d, 1, sf), zorStsNoErr);
        const Zor16sc w = zref::scaled<Zor16sc>(Op::mul, m, m, sf);
        EXPECT_EQ(d.re, w.re) << sf;
        EXPECT_EQ(d.im, w.im) << sf;
        Zor16sc s{1, 1};
        ASSERT_EQ(zorsMulC_16sc_Sfs(&m, m, &s, 1, sf), zorStsNoErr);
        EXPECT_TRUE(at::same(s, w)) << sf;
        Zor16sc q = m;
        ASSERT_EQ(zorsSqr_16sc_ISfs(&q, 1, sf), zorStsNoErr);
        EXPECT_TRUE(at::same(q, w)) << sf;
    }
}

TEST(ArithScaled, ConstantForms) {
    at::check_vc<Zor8u, Zor8u, Zor8u>(VC_S(zorsAddC_8u_Sfs), REF(Zor8u, add));
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsAddC_16s_Sfs), REF(Zor16s, add));
    at::check_vc<Zor16sc, Zor16sc, Zor16sc>(VC_S(zorsAddC_16sc_Sfs), REF(Zor16sc, add));
    at::check_vc<Zor32s, Zor32s, Zor32s>(VC_S(zorsAddC_32s_Sfs), REF(Zor32s, add));
    at::check_vc<Zor32sc, Zor32sc, Zor32sc>(VC_S(zorsAddC_32sc_Sfs), REF(Zor32sc, add));
    at::check_vc<Zor8u, Zor8u, Zor8u>(VC_S(zorsSubC_8u_Sfs), REF(Zor8u, sub));
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsSubC_16s_Sfs), REF(Zor16s, sub));
    at::check_vc<Zor16sc, Zor16sc, Zor16sc>(VC_S(zorsSubC_16sc_Sfs), REF(Zor16sc, sub));
    at::check_vc<Zor32s, Zor32s, Zor32s>(VC_S(zorsSubC_32s_Sfs), REF(Zor32s, sub));
    at::check_vc<Zor32sc, Zor32sc, Zor32sc>(VC_S(zorsSubC_32sc_Sfs), REF(Zor32sc, sub));
    at::check_vc<Zor8u, Zor8u, Zor8u>(VC_S(zorsSubCRev_8u_Sfs), REV(Zor8u, sub));
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsSubCRev_16s_Sfs), REV(Zor16s, sub));
    at::check_vc<Zor16sc, Zor16sc, Zor16sc>(VC_S(zorsSubCRev_16sc_Sfs), REV(Zor16sc, sub));
    at::check_vc<Zor32s, Zor32s, Zor32s>(VC_S(zorsSubCRev_32s_Sfs), REV(Zor32s, sub));
    at::check_vc<Zor32sc, Zor32sc, Zor32sc>(VC_S(zorsSubCRev_32sc_Sfs), REV(Zor32sc, sub));
    at::check_vc<Zor8u, Zor8u, Zor8u>(VC_S(zorsMulC_8u_Sfs), REF(Zor8u, mul));
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsMulC_16s_Sfs), REF(Zor16s, mul));
    at::check_vc<Zor16sc, Zor16sc, Zor16sc>(VC_S(zorsMulC_16sc_Sfs), REF(Zor16sc, mul));
    at::check_vc<Zor32s, Zor32s, Zor32s>(VC_S(zorsMulC_32s_Sfs), REF(Zor32s, mul));
    at::check_vc<Zor32sc, Zor32sc, Zor32sc>(VC_S(zorsMulC_32sc_Sfs), REF(Zor32sc, mul));
}

TEST(ArithScaled, ConstantFormsInPlace) {
    at::check_vc_inplace<Zor8u, Zor8u>(VC_S(zorsAddC_8u_Sfs), CI_S(zorsAddC_8u_ISfs));
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsAddC_16s_Sfs), CI(zorsAddC_16s_I), false);
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsAddC_16s_Sfs), CI_S(zorsAddC_16s_ISfs));
    at::check_vc_inplace<Zor16sc, Zor16sc>(VC_S(zorsAddC_16sc_Sfs), CI_S(zorsAddC_16sc_ISfs));
    at::check_vc_inplace<Zor32s, Zor32s>(VC_S(zorsAddC_32s_Sfs), CI_S(zorsAddC_32s_ISfs));
    at::check_vc_inplace<Zor32sc, Zor32sc>(VC_S(zorsAddC_32sc_Sfs), CI_S(zorsAddC_32sc_ISfs));
    at::check_vc_inplace<Zor8u, Zor8u>(VC_S(zorsSubC_8u_Sfs), CI_S(zorsSubC_8u_ISfs));
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsSubC_16s_Sfs), CI(zorsSubC_16s_I), false);
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsSubC_16s_Sfs), CI_S(zorsSubC_16s_ISfs));
    at::check_vc_inplace<Zor16sc, Zor16sc>(VC_S(zorsSubC_16sc_Sfs), CI_S(zorsSubC_16sc_ISfs));
    at::check_vc_inplace<Zor32s, Zor32s>(VC_S(zorsSubC_32s_Sfs), CI_S(zorsSubC_32s_ISfs));
    at::check_vc_inplace<Zor32sc, Zor32sc>(VC_S(zorsSubC_32sc_Sfs), CI_S(zorsSubC_32sc_ISfs));
    at::check_vc_inplace<Zor8u, Zor8u>(VC_S(zorsSubCRev_8u_Sfs), CI_S(zorsSubCRev_8u_ISfs));
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsSubCRev_16s_Sfs), CI_S(zorsSubCRev_16s_ISfs));
    at::check_vc_inplace<Zor16sc, Zor16sc>(VC_S(zorsSubCRev_16sc_Sfs), CI_S(zorsSubCRev_16sc_ISfs));
    at::check_vc_inplace<Zor32s, Zor32s>(VC_S(zorsSubCRev_32s_Sfs), CI_S(zorsSubCRev_32s_ISfs));
    at::check_vc_inplace<Zor32sc, Zor32sc>(VC_S(zorsSubCRev_32sc_Sfs), CI_S(zorsSubCRev_32sc_ISfs));
    at::check_vc_inplace<Zor8u, Zor8u>(VC_S(zorsMulC_8u_Sfs), CI_S(zorsMulC_8u_ISfs));
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsMulC_16s_Sfs), CI(zorsMulC_16s_I), false);
    at::check_vc_inplace<Zor16s, Zor16s>(VC_S(zorsMulC_16s_Sfs), CI_S(zorsMulC_16s_ISfs));
    at::check_vc_inplace<Zor16sc, Zor16sc>(VC_S(zorsMulC_16sc_Sfs), CI_S(zorsMulC_16sc_ISfs));
    at::check_vc_inplace<Zor32s, Zor32s>(VC_S(zorsMulC_32s_Sfs), CI_S(zorsMulC_32s_ISfs));
    at::check_vc_inplace<Zor32sc, Zor32sc>(VC_S(zorsMulC_32sc_Sfs), CI_S(zorsMulC_32sc_ISfs));
}

// Sqr is the exact square; the vector b of the harness is ignored.
TEST(ArithScaled, Sqr) {
    auto sq = [](auto f) { return [f](auto* a, auto*, auto* d, int n, int sf) { return f(a, d, n, sf); }; };
    auto want = [](auto a, auto, int sf) { return zref::scaled<decltype(a)>(Op::mul, a, a, sf); };
    at::check_vv<Zor8u, Zor8u, Zor8u>(sq(zorsSqr_8u_Sfs), want);
    at::check_vv<Zor16u, Zor16u, Zor16u>(sq(zorsSqr_16u_Sfs), want);
    at::check_vv<Zor16s, Zor16s, Zor16s>(sq(zorsSqr_16s_Sfs), want);
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(sq(zorsSqr_16sc_Sfs), want);
    auto sq_i = [](auto f) { return [f](auto*, auto* sd, int n, int sf) { return f(sd, n, sf); }; };
    auto sq_o = [](auto f) { return [f](auto*, auto* sd, auto* d, int n, int sf) { return f(sd, d, n, sf); }; };
    at::check_inplace<Zor8u, Zor8u>(sq_o(zorsSqr_8u_Sfs), sq_i(zorsSqr_8u_ISfs));
    at::check_inplace<Zor16u, Zor16u>(sq_o(zorsSqr_16u_Sfs), sq_i(zorsSqr_16u_ISfs));
    at::check_inplace<Zor16s, Zor16s>(sq_o(zorsSqr_16s_Sfs), sq_i(zorsSqr_16s_ISfs));
    at::check_inplace<Zor16sc, Zor16sc>(sq_o(zorsSqr_16sc_Sfs), sq_i(zorsSqr_16sc_ISfs));
}

// AddProduct: pSrcDst + pSrc1 * pSrc2, exact, then the scale rule; the 16s
// form writes zeros for every factor above 30.
template <class S, class D>
void check_addproduct(ZorStatus (*f)(const S*, const S*, D*, int, int), bool zeros_above_30) {
    zt::Rng rng(55);
    zt::for_each_isa([&](zors::Isa) {
        for (int sf : at::all_factors())
            for (int len : at::short_lengths()) {
                zt::Guarded<S> a(len, 1 * alignof(S)), b(len, 2 * alignof(S));
                zt::Guarded<D> d(len, 3 * alignof(D));
                at::fill(a.data(), len, rng);
                at::fill(b.data(), len, rng);
                at::fill(d.data(), len, rng);
                std::vector<D> before(d.data(), d.data() + len);
                ASSERT_EQ(f(a.data(), b.data(), d.data(), len, sf), zorStsNoErr);
                for (int i = 0; i < len; ++i) {
                    const long double r = static_cast<long double>(before[i]) + static_cast<long double>(a[i]) * b[i];
                    const D w = zeros_above_30 && sf > 30 ? D{0} : zref::scale_sat<D>(r, sf);
                    ASSERT_EQ(d[i], w) << "sf " << sf << " len " << len << " i " << i;
                }
                ASSERT_TRUE(d.guards_intact());
            }
    });
}

TEST(ArithScaled, AddProduct) {
    check_addproduct<Zor16s, Zor16s>(zorsAddProduct_16s_Sfs, true);
    check_addproduct<Zor16s, Zor32s>(zorsAddProduct_16s32s_Sfs, false);
    check_addproduct<Zor32s, Zor32s>(zorsAddProduct_32s_Sfs, false);
}

TEST(ArithScaled, Abs) {
    auto ab = [](auto f) { return [f](auto* a, auto*, auto* d, int n, int) { return f(a, d, n); }; };
    auto want = [](auto a, auto, int) {
        using T = decltype(a);
        return a == std::numeric_limits<T>::min() ? std::numeric_limits<T>::max() : T(a < 0 ? -a : a);
    };
    at::check_vv<Zor16s, Zor16s, Zor16s>(ab(zorsAbs_16s), want, false);
    at::check_vv<Zor32s, Zor32s, Zor32s>(ab(zorsAbs_32s), want, false);
    auto ab_i = [](auto f) { return [f](auto*, auto* sd, int n, int) { return f(sd, n); }; };
    auto ab_o = [](auto f) { return [f](auto*, auto* sd, auto* d, int n, int) { return f(sd, d, n); }; };
    at::check_inplace<Zor16s, Zor16s>(ab_o(zorsAbs_16s), ab_i(zorsAbs_16s_I), false);
    at::check_inplace<Zor32s, Zor32s>(ab_o(zorsAbs_32s), ab_i(zorsAbs_32s_I), false);
}

// Values stated for the family, one row each.
TEST(ArithScaled, StatedValues) {
    struct Row { const char* what; ZorStatus (*f)(const Zor16s*, const Zor16s*, Zor16s*, int, int); Zor16s a, b; int sf; Zor16s want; };
    const Row rows[] = {
        {"1 + 2, factor 1", zorsAdd_16s_Sfs, 1, 2, 1, 2},
        {"1 + 0, factor 1", zorsAdd_16s_Sfs, 1, 0, 1, 0},
        {"3 + 4, factor 1", zorsAdd_16s_Sfs, 3, 4, 1, 4},
        {"1 + 4, factor 1", zorsAdd_16s_Sfs, 1, 4, 1, 2},
        {"-32768 + -32768", zorsAdd_16s_Sfs, -32768, -32768, 0, -32768},
        {"factor 17", zorsAdd_16s_Sfs, 32767, 32767, 17, 0},
        {"factor -16, positive", zorsAdd_16s_Sfs, 1, 0, -16, 32767},
        {"factor -16, negative", zorsAdd_16s_Sfs, -1, 0, -16, -32768},
        {"factor -16, zero", zorsAdd_16s_Sfs, 1, -1, -16, 0},
        {"5 - 1", zorsSub_16s_Sfs, 1, 5, 0, 4},
        {"-5 * 1, factor 1", zorsMul_16s_Sfs, -5, 1, 1, -2},
        {"-7 * 1, factor 1", zorsMul_16s_Sfs, -7, 1, 1, -4},
        {"10 * 1, factor 2", zorsMul_16s_Sfs, 10, 1, 2, 2},
        {"6 * 1, factor 2", zorsMul_16s_Sfs, 6, 1, 2, 2},
    };
    for (const Row& r : rows) {
        Zor16s d = 12345;
        ASSERT_EQ(r.f(&r.a, &r.b, &d, 1, r.sf), zorStsNoErr) << r.what;
        EXPECT_EQ(d, r.want) << r.what;
    }
    const Zor16s a = 1, b = 5;
    Zor16s d = 0;
    ASSERT_EQ(zorsSub_16s(&a, &b, &d, 1), zorStsNoErr);
    EXPECT_EQ(d, 4);
    const Zor16sc m{-32768, -32768};
    Zor16sc p{};
    ASSERT_EQ(zorsMul_16sc_Sfs(&m, &m, &p, 1, 16), zorStsNoErr);
    EXPECT_EQ(p.re, 0);
    EXPECT_EQ(p.im, 32767);
    const Zor32s x = INT32_MIN;
    Zor32s y = 5;
    ASSERT_EQ(zorsMul_32s_Sfs(&x, &x, &y, 1, 62), zorStsNoErr);
    EXPECT_EQ(y, 1);
    ASSERT_EQ(zorsMul_32s_Sfs(&x, &x, &y, 1, 63), zorStsNoErr);
    EXPECT_EQ(y, 0);
    Zor16s s[3] = {7, 7, 7};
    const Zor16s f[3] = {1, 2, 3}, g[3] = {3, 2, 1};
    ASSERT_EQ(zorsAddProduct_16s_Sfs(f, g, s, 3, 31), zorStsNoErr);
    EXPECT_EQ(s[0] | s[1] | s[2], 0);
    Zor16s ab = -32768;
    ASSERT_EQ(zorsAbs_16s_I(&ab, 1), zorStsNoErr);
    EXPECT_EQ(ab, 32767);
}

}  // namespace
