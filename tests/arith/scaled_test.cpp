// Integer members of the element-wise arithmetic against the exact model.
#include "tests/arith/arith_harness.h"

namespace {

using zref::Op;

// Reference: the exact result of a op b (or b op a) into D.
#define REF(D, op) [](auto a, auto b, int sf) { return zref::scaled<D>(Op::op, a, b, sf); }
#define REV(D, op) [](auto a, auto b, int sf) { return zref::scaled<D>(Op::op, b, a, sf); }

TEST(ArithScaled, AddSubMul) {
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsAdd_8u_Sfs), VI_S(zorsAdd_8u_ISfs), REF(Zor8u, add));
    at::check_vv<Zor8u, Zor8u, Zor16u>(VV(zorsAdd_8u16u), nullptr, REF(Zor16u, add), false);
    at::check_vv<Zor16u, Zor16u, Zor16u>(VV(zorsAdd_16u), nullptr, REF(Zor16u, add), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV(zorsAdd_16s), VI(zorsAdd_16s_I), REF(Zor16s, add), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsAdd_16s_Sfs), VI_S(zorsAdd_16s_ISfs), REF(Zor16s, add));
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsAdd_16sc_Sfs), VI_S(zorsAdd_16sc_ISfs), REF(Zor16sc, add));
    at::check_vv<Zor32u, Zor32u, Zor32u>(VV(zorsAdd_32u), nullptr, REF(Zor32u, add), false);
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsAdd_32s_Sfs), VI_S(zorsAdd_32s_ISfs), REF(Zor32s, add));
    at::check_vv<Zor32sc, Zor32sc, Zor32sc>(VV_S(zorsAdd_32sc_Sfs), VI_S(zorsAdd_32sc_ISfs), REF(Zor32sc, add));
    // Sub(a, b) is b - a; Sub_I(a, sd) is sd - a.
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsSub_8u_Sfs), VI_S(zorsSub_8u_ISfs), REV(Zor8u, sub));
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV(zorsSub_16s), VI(zorsSub_16s_I), REV(Zor16s, sub), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsSub_16s_Sfs), VI_S(zorsSub_16s_ISfs), REV(Zor16s, sub));
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsSub_16sc_Sfs), VI_S(zorsSub_16sc_ISfs), REV(Zor16sc, sub));
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsSub_32s_Sfs), VI_S(zorsSub_32s_ISfs), REV(Zor32s, sub));
    at::check_vv<Zor32sc, Zor32sc, Zor32sc>(VV_S(zorsSub_32sc_Sfs), VI_S(zorsSub_32sc_ISfs), REV(Zor32sc, sub));
    at::check_vv<Zor8u, Zor8u, Zor8u>(VV_S(zorsMul_8u_Sfs), VI_S(zorsMul_8u_ISfs), REF(Zor8u, mul));
    at::check_vv<Zor8u, Zor8u, Zor16u>(VV(zorsMul_8u16u), nullptr, REF(Zor16u, mul), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV(zorsMul_16s), VI(zorsMul_16s_I), REF(Zor16s, mul), false);
    at::check_vv<Zor16s, Zor16s, Zor16s>(VV_S(zorsMul_16s_Sfs), VI_S(zorsMul_16s_ISfs), REF(Zor16s, mul));
    at::check_vv<Zor16s, Zor16s, Zor32s>(VV_S(zorsMul_16s32s_Sfs), nullptr, REF(Zor32s, mul));
    at::check_vv<Zor16u, Zor16s, Zor16s>(VV_S(zorsMul_16u16s_Sfs), nullptr, REF(Zor16s, mul));
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(VV_S(zorsMul_16sc_Sfs), VI_S(zorsMul_16sc_ISfs), REF(Zor16sc, mul));
    at::check_vv<Zor32s, Zor32s, Zor32s>(VV_S(zorsMul_32s_Sfs), VI_S(zorsMul_32s_ISfs), REF(Zor32s, mul));
    at::check_vv<Zor32s, Zor32sc, Zor32sc>(VV_S(zorsMul_32s32sc_Sfs), VI_S(zorsMul_32s32sc_ISfs), REF(Zor32sc, mul));
    at::check_vv<Zor32sc, Zor32sc, Zor32sc>(VV_S(zorsMul_32sc_Sfs), VI_S(zorsMul_32sc_ISfs), REF(Zor32sc, mul));
}

// The products whose parts are all -32768 reach 2^31 exactly.
TEST(ArithScaled, ComplexProductCorner) {
    const Zor16sc m{-32768, -32768};
    for (int sf : at::all_factors()) {
        const Zor16sc w = zref::scaled<Zor16sc>(Op::mul, m, m, sf);
        Zor16sc d{1, 1}, s{1, 1}, q = m;
        ASSERT_EQ(zorsMul_16sc_Sfs(&m, &m, &d, 1, sf), zorStsNoErr);
        ASSERT_EQ(zorsMulC_16sc_Sfs(&m, m, &s, 1, sf), zorStsNoErr);
        ASSERT_EQ(zorsSqr_16sc_ISfs(&q, 1, sf), zorStsNoErr);
        EXPECT_TRUE(at::same(d, w) && at::same(s, w) && at::same(q, w)) << sf;
    }
}

// The 16s forms without a factor in place: the factor-0 form.
#define CONST_FORMS(Op, OP, REFM)                                                                          \
    at::check_vc<Zor8u, Zor8u, Zor8u>(VC_S(zors##Op##_8u_Sfs), CI_S(zors##Op##_8u_ISfs), REFM(Zor8u, OP));           \
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zors##Op##_16s_Sfs), CI_S(zors##Op##_16s_ISfs), REFM(Zor16s, OP));     \
    at::check_vc<Zor16sc, Zor16sc, Zor16sc>(VC_S(zors##Op##_16sc_Sfs), CI_S(zors##Op##_16sc_ISfs), REFM(Zor16sc, OP)); \
    at::check_vc<Zor32s, Zor32s, Zor32s>(VC_S(zors##Op##_32s_Sfs), CI_S(zors##Op##_32s_ISfs), REFM(Zor32s, OP));     \
    at::check_vc<Zor32sc, Zor32sc, Zor32sc>(VC_S(zors##Op##_32sc_Sfs), CI_S(zors##Op##_32sc_ISfs), REFM(Zor32sc, OP));

TEST(ArithScaled, ConstantForms) {
    CONST_FORMS(AddC, add, REF)
    CONST_FORMS(SubC, sub, REF)
    CONST_FORMS(SubCRev, sub, REV)
    CONST_FORMS(MulC, mul, REF)
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsAddC_16s_Sfs), CI(zorsAddC_16s_I), REF(Zor16s, add), false);
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsSubC_16s_Sfs), CI(zorsSubC_16s_I), REF(Zor16s, sub), false);
    at::check_vc<Zor16s, Zor16s, Zor16s>(VC_S(zorsMulC_16s_Sfs), CI(zorsMulC_16s_I), REF(Zor16s, mul), false);
}

// Sqr is the exact square, Abs the saturated magnitude; b is ignored.
TEST(ArithScaled, SqrAbs) {
    auto want = [](auto a, auto, int sf) { return zref::scaled<decltype(a)>(Op::mul, a, a, sf); };
    at::check_vv<Zor8u, Zor8u, Zor8u>(ONE_S(zorsSqr_8u_Sfs), ONE_IS(zorsSqr_8u_ISfs), want);
    at::check_vv<Zor16u, Zor16u, Zor16u>(ONE_S(zorsSqr_16u_Sfs), ONE_IS(zorsSqr_16u_ISfs), want);
    at::check_vv<Zor16s, Zor16s, Zor16s>(ONE_S(zorsSqr_16s_Sfs), ONE_IS(zorsSqr_16s_ISfs), want);
    at::check_vv<Zor16sc, Zor16sc, Zor16sc>(ONE_S(zorsSqr_16sc_Sfs), ONE_IS(zorsSqr_16sc_ISfs), want);
    auto mag = [](auto a, auto, int) {
        using T = decltype(a);
        return a == std::numeric_limits<T>::min() ? std::numeric_limits<T>::max() : T(a < 0 ? -a : a);
    };
    at::check_vv<Zor16s, Zor16s, Zor16s>(ONE(zorsAbs_16s), ONE_I(zorsAbs_16s_I), mag, false);
    at::check_vv<Zor32s, Zor32s, Zor32s>(ONE(zorsAbs_32s), ONE_I(zorsAbs_32s_I), mag, false);
}

// AddProduct: pSrcDst + pSrc1 * pSrc2, exact, then the scale rule; the 16s
// form writes zeros for every factor above 30.
TEST(ArithScaled, AddProduct) {
    auto want = [](bool zeros_above_30) {
        return [=](auto a, auto b, auto d, int sf) {
            return zeros_above_30 && sf > 30 ? decltype(d){0} : zref::scale_sat<decltype(d)>(zref::ld(d) + zref::ld(a) * b, sf);
        };
    };
    at::check_acc<Zor16s, Zor16s>(VV_S(zorsAddProduct_16s_Sfs), want(true), true);
    at::check_acc<Zor16s, Zor32s>(VV_S(zorsAddProduct_16s32s_Sfs), want(false), true);
    at::check_acc<Zor32s, Zor32s>(VV_S(zorsAddProduct_32s_Sfs), want(false), true);
}

// Values stated for the family, one row each.
TEST(ArithScaled, StatedValues) {
    struct Row { const char* what; ZorStatus (*f)(const Zor16s*, const Zor16s*, Zor16s*, int, int); Zor16s a, b; int sf; Zor16s want; };
    const Row rows[] = {
        {"1 + 2, factor 1", zorsAdd_16s_Sfs, 1, 2, 1, 2}, {"1 + 0, factor 1", zorsAdd_16s_Sfs, 1, 0, 1, 0},
        {"3 + 4, factor 1", zorsAdd_16s_Sfs, 3, 4, 1, 4}, {"1 + 4, factor 1", zorsAdd_16s_Sfs, 1, 4, 1, 2},
        {"-32768 + -32768", zorsAdd_16s_Sfs, -32768, -32768, 0, -32768}, {"factor 17", zorsAdd_16s_Sfs, 32767, 32767, 17, 0},
        {"factor -16, positive", zorsAdd_16s_Sfs, 1, 0, -16, 32767}, {"factor -16, negative", zorsAdd_16s_Sfs, -1, 0, -16, -32768},
        {"factor -16, zero", zorsAdd_16s_Sfs, 1, -1, -16, 0}, {"5 - 1", zorsSub_16s_Sfs, 1, 5, 0, 4},
        {"-5 * 1, factor 1", zorsMul_16s_Sfs, -5, 1, 1, -2}, {"-7 * 1, factor 1", zorsMul_16s_Sfs, -7, 1, 1, -4},
        {"10 * 1, factor 2", zorsMul_16s_Sfs, 10, 1, 2, 2}, {"6 * 1, factor 2", zorsMul_16s_Sfs, 6, 1, 2, 2},
    };
    for (const Row& r : rows) {
        Zor16s d = 12345;
        ASSERT_EQ(r.f(&r.a, &r.b, &d, 1, r.sf), zorStsNoErr) << r.what;
        EXPECT_EQ(d, r.want) << r.what;
    }
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
}

}  // namespace
