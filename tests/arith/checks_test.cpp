// Argument checks of every arith member: null pointers (-8), then len < 1
// (-6), the departures of the family, and no output written on an error.
#include "tests/arith/arith_harness.h"

namespace {

using zt::Guarded;

struct Case {
    const char* name;
    bool len_first = false;
};

// Two vectors: f(a, b, d, len, extra...).
template <class A, class B, class D, class... X>
void bad(const Case& c, ZorStatus (*f)(const A*, const B*, D*, int, X...)) {
    Guarded<A> a(4);
    Guarded<B> b(4);
    Guarded<D> d(4);
    EXPECT_EQ(f(nullptr, b.data(), d.data(), 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(a.data(), nullptr, d.data(), 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(a.data(), b.data(), nullptr, 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(a.data(), b.data(), d.data(), 0, X{}...), zorStsSizeErr) << c.name;
    EXPECT_EQ(f(a.data(), b.data(), d.data(), -1, X{}...), zorStsSizeErr) << c.name;
    EXPECT_EQ(f(a.data(), b.data(), nullptr, 0, X{}...), c.len_first ? zorStsSizeErr : zorStsNullPtrErr) << c.name;
    EXPECT_TRUE(d.untouched() && a.untouched() && b.untouched()) << c.name;
}

// One vector in, one out (also the two-vector in-place forms): f(a, d, len, extra...).
template <class A, class D, class... X>
void bad(const Case& c, ZorStatus (*f)(const A*, D*, int, X...)) {
    Guarded<A> a(4);
    Guarded<D> d(4);
    EXPECT_EQ(f(nullptr, d.data(), 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(a.data(), nullptr, 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(a.data(), d.data(), 0, X{}...), zorStsSizeErr) << c.name;
    EXPECT_EQ(f(a.data(), d.data(), INT_MIN, X{}...), zorStsSizeErr) << c.name;
    EXPECT_EQ(f(a.data(), nullptr, 0, X{}...), c.len_first ? zorStsSizeErr : zorStsNullPtrErr) << c.name;
    EXPECT_TRUE(d.untouched() && a.untouched()) << c.name;
}

// In place, one vector: f(sd, len, extra...).
template <class D, class... X>
void bad(const Case& c, ZorStatus (*f)(D*, int, X...)) {
    Guarded<D> d(4);
    EXPECT_EQ(f(nullptr, 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(d.data(), 0, X{}...), zorStsSizeErr) << c.name;
    EXPECT_EQ(f(nullptr, 0, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_TRUE(d.untouched()) << c.name;
}

// Vector and constant: f(a, val, d, len, extra...).
template <class A, class C, class D, class... X>
void bad_c(const Case& c, ZorStatus (*f)(const A*, C, D*, int, X...), C val = C{}) {
    Guarded<A> a(4);
    Guarded<D> d(4);
    EXPECT_EQ(f(nullptr, val, d.data(), 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(a.data(), val, nullptr, 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(a.data(), val, d.data(), 0, X{}...), zorStsSizeErr) << c.name;
    EXPECT_EQ(f(a.data(), val, nullptr, 0, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_TRUE(d.untouched()) << c.name;
}

// Constant in place: f(val, sd, len, extra...).
template <class C, class D, class... X>
void bad_ci(const Case& c, ZorStatus (*f)(C, D*, int, X...), C val = C{}) {
    Guarded<D> d(4);
    EXPECT_EQ(f(val, nullptr, 4, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_EQ(f(val, d.data(), 0, X{}...), zorStsSizeErr) << c.name;
    EXPECT_EQ(f(val, nullptr, 0, X{}...), zorStsNullPtrErr) << c.name;
    EXPECT_TRUE(d.untouched()) << c.name;
}

#define BAD(f) bad(Case{#f}, f)
#define BAD_LEN_FIRST(f) bad(Case{#f, true}, f)
#define BAD_C(f, ...) bad_c(Case{#f}, f, ##__VA_ARGS__)
#define BAD_CI(f, ...) bad_ci(Case{#f}, f, ##__VA_ARGS__)

TEST(ArithChecks, AddSubMul) {
    BAD(zorsAdd_8u_Sfs); BAD(zorsAdd_8u_ISfs); BAD(zorsAdd_8u16u); BAD(zorsAdd_16u); BAD(zorsAdd_16s); BAD(zorsAdd_16s_I);
    BAD(zorsAdd_16s_Sfs); BAD(zorsAdd_16s_ISfs); BAD(zorsAdd_16s32f); BAD(zorsAdd_32u); BAD(zorsAdd_32s_Sfs);
    BAD(zorsAdd_32s_ISfs); BAD(zorsAdd_32f); BAD(zorsAdd_32f_I); BAD(zorsAdd_32fc); BAD(zorsAdd_32fc_I); BAD(zorsAdd_64f);
    BAD(zorsAdd_64f_I); BAD(zorsAdd_64fc); BAD(zorsAdd_64fc_I);
    BAD_LEN_FIRST(zorsAdd_16sc_Sfs); BAD_LEN_FIRST(zorsAdd_16sc_ISfs); BAD_LEN_FIRST(zorsAdd_32sc_Sfs); BAD_LEN_FIRST(zorsAdd_32sc_ISfs);
    BAD(zorsSub_8u_Sfs); BAD(zorsSub_8u_ISfs); BAD(zorsSub_16s); BAD(zorsSub_16s_I); BAD(zorsSub_16s_Sfs); BAD(zorsSub_16s_ISfs);
    BAD(zorsSub_16s32f); BAD(zorsSub_32s_Sfs); BAD(zorsSub_32s_ISfs); BAD(zorsSub_32f); BAD(zorsSub_32f_I); BAD(zorsSub_32fc);
    BAD(zorsSub_32fc_I); BAD(zorsSub_64f); BAD(zorsSub_64f_I); BAD(zorsSub_64fc); BAD(zorsSub_64fc_I);
    BAD_LEN_FIRST(zorsSub_16sc_Sfs); BAD_LEN_FIRST(zorsSub_16sc_ISfs); BAD_LEN_FIRST(zorsSub_32sc_Sfs); BAD_LEN_FIRST(zorsSub_32sc_ISfs);
    BAD(zorsMul_8u_Sfs); BAD(zorsMul_8u_ISfs); BAD(zorsMul_8u16u); BAD(zorsMul_16s); BAD(zorsMul_16s_I); BAD(zorsMul_16s_Sfs);
    BAD(zorsMul_16s_ISfs); BAD(zorsMul_16s32f); BAD(zorsMul_16s32s_Sfs); BAD(zorsMul_16u16s_Sfs); BAD(zorsMul_16sc_Sfs);
    BAD(zorsMul_16sc_ISfs); BAD(zorsMul_32s_Sfs); BAD(zorsMul_32s_ISfs); BAD(zorsMul_32s32sc_Sfs); BAD(zorsMul_32s32sc_ISfs);
    BAD(zorsMul_32sc_Sfs); BAD(zorsMul_32sc_ISfs); BAD(zorsMul_32f); BAD(zorsMul_32f_I); BAD(zorsMul_32fc); BAD(zorsMul_32fc_I);
    BAD(zorsMul_64f); BAD(zorsMul_64f_I); BAD(zorsMul_64fc); BAD(zorsMul_64fc_I);
}

TEST(ArithChecks, ConstantForms) {
    BAD_C(zorsAddC_8u_Sfs); BAD_CI(zorsAddC_8u_ISfs); BAD_CI(zorsAddC_16s_I); BAD_C(zorsAddC_16s_Sfs); BAD_CI(zorsAddC_16s_ISfs);
    BAD_C(zorsAddC_16sc_Sfs); BAD_CI(zorsAddC_16sc_ISfs); BAD_C(zorsAddC_32s_Sfs); BAD_CI(zorsAddC_32s_ISfs);
    BAD_C(zorsAddC_32sc_Sfs); BAD_CI(zorsAddC_32sc_ISfs); BAD_C(zorsAddC_32f); BAD_CI(zorsAddC_32f_I); BAD_C(zorsAddC_32fc);
    BAD_CI(zorsAddC_32fc_I); BAD_C(zorsAddC_64f); BAD_CI(zorsAddC_64f_I); BAD_C(zorsAddC_64fc); BAD_CI(zorsAddC_64fc_I);
    BAD_C(zorsSubC_8u_Sfs); BAD_CI(zorsSubC_8u_ISfs); BAD_CI(zorsSubC_16s_I); BAD_C(zorsSubC_16s_Sfs); BAD_CI(zorsSubC_16s_ISfs);
    BAD_C(zorsSubC_16sc_Sfs); BAD_CI(zorsSubC_16sc_ISfs); BAD_C(zorsSubC_32s_Sfs); BAD_CI(zorsSubC_32s_ISfs);
    BAD_C(zorsSubC_32sc_Sfs); BAD_CI(zorsSubC_32sc_ISfs); BAD_C(zorsSubC_32f); BAD_CI(zorsSubC_32f_I); BAD_C(zorsSubC_32fc);
    BAD_CI(zorsSubC_32fc_I); BAD_C(zorsSubC_64f); BAD_CI(zorsSubC_64f_I); BAD_C(zorsSubC_64fc); BAD_CI(zorsSubC_64fc_I);
    BAD_C(zorsSubCRev_8u_Sfs); BAD_CI(zorsSubCRev_8u_ISfs); BAD_C(zorsSubCRev_16s_Sfs); BAD_CI(zorsSubCRev_16s_ISfs);
    BAD_C(zorsSubCRev_16sc_Sfs); BAD_CI(zorsSubCRev_16sc_ISfs); BAD_C(zorsSubCRev_32s_Sfs); BAD_CI(zorsSubCRev_32s_ISfs);
    BAD_C(zorsSubCRev_32sc_Sfs); BAD_CI(zorsSubCRev_32sc_ISfs); BAD_C(zorsSubCRev_32f); BAD_CI(zorsSubCRev_32f_I);
    BAD_C(zorsSubCRev_32fc); BAD_CI(zorsSubCRev_32fc_I); BAD_C(zorsSubCRev_64f); BAD_CI(zorsSubCRev_64f_I);
    BAD_C(zorsSubCRev_64fc); BAD_CI(zorsSubCRev_64fc_I);
    BAD_C(zorsMulC_8u_Sfs); BAD_CI(zorsMulC_8u_ISfs); BAD_CI(zorsMulC_16s_I); BAD_C(zorsMulC_16s_Sfs); BAD_CI(zorsMulC_16s_ISfs);
    BAD_C(zorsMulC_16sc_Sfs); BAD_CI(zorsMulC_16sc_ISfs); BAD_C(zorsMulC_32s_Sfs); BAD_CI(zorsMulC_32s_ISfs);
    BAD_C(zorsMulC_32sc_Sfs); BAD_CI(zorsMulC_32sc_ISfs); BAD_C(zorsMulC_32f); BAD_CI(zorsMulC_32f_I); BAD_C(zorsMulC_32fc);
    BAD_CI(zorsMulC_32fc_I); BAD_C(zorsMulC_64f); BAD_CI(zorsMulC_64f_I); BAD_C(zorsMulC_64fc); BAD_CI(zorsMulC_64fc_I);
    BAD_C(zorsMulC_32f16s_Sfs); BAD_C(zorsMulC_Low_32f16s);
}

TEST(ArithChecks, OneVector) {
    BAD(zorsSqr_8u_Sfs); BAD(zorsSqr_8u_ISfs); BAD(zorsSqr_16u_Sfs); BAD(zorsSqr_16u_ISfs); BAD(zorsSqr_16s_Sfs);
    BAD(zorsSqr_16s_ISfs); BAD(zorsSqr_16sc_Sfs); BAD(zorsSqr_16sc_ISfs); BAD(zorsSqr_32f); BAD(zorsSqr_32f_I); BAD(zorsSqr_32fc);
    BAD(zorsSqr_32fc_I); BAD(zorsSqr_64f); BAD(zorsSqr_64f_I); BAD(zorsSqr_64fc); BAD(zorsSqr_64fc_I);
    BAD(zorsSqrt_8u_Sfs); BAD(zorsSqrt_8u_ISfs); BAD(zorsSqrt_16u_Sfs); BAD(zorsSqrt_16u_ISfs); BAD(zorsSqrt_16s_Sfs);
    BAD(zorsSqrt_16s_ISfs); BAD(zorsSqrt_16sc_Sfs); BAD(zorsSqrt_16sc_ISfs); BAD(zorsSqrt_64s_Sfs); BAD(zorsSqrt_64s_ISfs);
    BAD(zorsSqrt_32f); BAD(zorsSqrt_32f_I); BAD(zorsSqrt_32fc); BAD(zorsSqrt_32fc_I); BAD(zorsSqrt_64f); BAD(zorsSqrt_64f_I);
    BAD(zorsSqrt_64fc); BAD(zorsSqrt_64fc_I);
    BAD(zorsAbs_16s); BAD(zorsAbs_16s_I); BAD(zorsAbs_32s); BAD(zorsAbs_32s_I); BAD(zorsAbs_32f); BAD(zorsAbs_32f_I);
    BAD(zorsAbs_64f); BAD(zorsAbs_64f_I);
    BAD(zorsAddProduct_16s_Sfs); BAD(zorsAddProduct_16s32s_Sfs); BAD(zorsAddProduct_32s_Sfs); BAD(zorsAddProduct_32f);
    BAD(zorsAddProduct_32fc); BAD(zorsAddProduct_64f); BAD(zorsAddProduct_64fc);
    BAD(zorsNormalize_16s_Sfs); BAD(zorsNormalize_16sc_Sfs); BAD(zorsNormalize_32f); BAD(zorsNormalize_32fc);
    BAD(zorsNormalize_64f); BAD(zorsNormalize_64fc);
}

TEST(ArithChecks, Division) {
    BAD(zorsDiv_8u_Sfs); BAD(zorsDiv_8u_ISfs); BAD(zorsDiv_16s_Sfs); BAD(zorsDiv_16s_ISfs); BAD(zorsDiv_16sc_Sfs);
    BAD(zorsDiv_16sc_ISfs); BAD(zorsDiv_32s_Sfs); BAD(zorsDiv_32s_ISfs); BAD(zorsDiv_32f); BAD(zorsDiv_32f_I); BAD(zorsDiv_32fc);
    BAD(zorsDiv_32fc_I); BAD(zorsDiv_64f); BAD(zorsDiv_64f_I); BAD(zorsDiv_64fc); BAD(zorsDiv_64fc_I);
    // The constant is tested after the pointers and the length, except for
    // 32f and 64f where it comes first.
    BAD_C(zorsDivC_8u_Sfs); BAD_CI(zorsDivC_8u_ISfs); BAD_C(zorsDivC_16s_Sfs); BAD_CI(zorsDivC_16s_ISfs);
    BAD_C(zorsDivC_16sc_Sfs); BAD_CI(zorsDivC_16sc_ISfs); BAD_C(zorsDivC_32fc); BAD_CI(zorsDivC_32fc_I);
    BAD_C(zorsDivC_64fc); BAD_CI(zorsDivC_64fc_I);
    BAD_C(zorsDivC_32f, 2.0f); BAD_CI(zorsDivC_32f_I, 2.0f); BAD_C(zorsDivC_64f, 2.0); BAD_CI(zorsDivC_64f_I, 2.0);
    BAD_C(zorsDivCRev_16u, Zor16u{3}); BAD_CI(zorsDivCRev_16u_I, Zor16u{3}); BAD_C(zorsDivCRev_32f, 2.0f); BAD_CI(zorsDivCRev_32f_I, 2.0f);
    Guarded<Zor32f> d(4);
    EXPECT_EQ(zorsDivC_32f(nullptr, 0.0f, nullptr, -1), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_64f_I(std::nan(""), nullptr, 0), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_32f_I(0.0f, d.data(), 4), zorStsDivByZeroErr);
    EXPECT_TRUE(d.untouched());
}

TEST(ArithChecks, Logic) {
    BAD(zorsAnd_8u); BAD(zorsAnd_16u); BAD(zorsAnd_32u); BAD(zorsAnd_8u_I); BAD(zorsAnd_16u_I); BAD(zorsAnd_32u_I);
    BAD(zorsOr_8u); BAD(zorsOr_16u); BAD(zorsOr_32u); BAD(zorsOr_8u_I); BAD(zorsOr_16u_I); BAD(zorsOr_32u_I);
    BAD(zorsXor_8u); BAD(zorsXor_16u); BAD(zorsXor_32u); BAD(zorsXor_8u_I); BAD(zorsXor_16u_I); BAD(zorsXor_32u_I);
    BAD_C(zorsAndC_8u); BAD_C(zorsAndC_16u); BAD_C(zorsAndC_32u); BAD_CI(zorsAndC_8u_I); BAD_CI(zorsAndC_16u_I); BAD_CI(zorsAndC_32u_I);
    BAD_C(zorsOrC_8u); BAD_C(zorsOrC_16u); BAD_C(zorsOrC_32u); BAD_CI(zorsOrC_8u_I); BAD_CI(zorsOrC_16u_I); BAD_CI(zorsOrC_32u_I);
    BAD_C(zorsXorC_8u); BAD_C(zorsXorC_16u); BAD_C(zorsXorC_32u); BAD_CI(zorsXorC_8u_I); BAD_CI(zorsXorC_16u_I); BAD_CI(zorsXorC_32u_I);
    BAD(zorsNot_8u); BAD(zorsNot_16u); BAD(zorsNot_32u); BAD(zorsNot_8u_I); BAD(zorsNot_16u_I); BAD(zorsNot_32u_I);
    BAD_C(zorsLShiftC_8u); BAD_C(zorsLShiftC_16u); BAD_C(zorsLShiftC_16s); BAD_C(zorsLShiftC_32s);
    BAD_CI(zorsLShiftC_8u_I); BAD_CI(zorsLShiftC_16u_I); BAD_CI(zorsLShiftC_16s_I); BAD_CI(zorsLShiftC_32s_I);
    BAD_C(zorsRShiftC_8u); BAD_C(zorsRShiftC_16u); BAD_C(zorsRShiftC_16s); BAD_C(zorsRShiftC_32s);
    BAD_CI(zorsRShiftC_8u_I); BAD_CI(zorsRShiftC_16u_I); BAD_CI(zorsRShiftC_16s_I); BAD_CI(zorsRShiftC_32s_I);
    BAD(zorsSwapBytes_16u); BAD(zorsSwapBytes_24u); BAD(zorsSwapBytes_32u); BAD(zorsSwapBytes_16u_I); BAD(zorsSwapBytes_24u_I);
    BAD(zorsSwapBytes_32u_I);
}

}  // namespace
