// Argument checks of every arith member: null pointers (-8), then len < 1
// (-6), no output written on an error; the departures of the family by hand.
#include <string>

#include "tests/arg_checks.h"
#include "tests/arith/arith_harness.h"

namespace {

using zt::Guarded;

// The usual order for each member of a list.
template <class... F>
void usual(const char* names, F... f) {
    std::vector<std::string> name(1);
    int depth = 0;
    for (const char* c = names; *c; ++c) {
        depth += (*c == '(') - (*c == ')');
        if (*c == ',' && depth == 0) name.emplace_back();
        else name.back() += *c;
    }
    int i = 0;
    (zchk::expect_checks(name[i++].c_str(), f, 1), ...);
}
#define USUAL(...) usual(#__VA_ARGS__, __VA_ARGS__)
// Members whose constant is an int (or must be nonzero) with the constant fixed.
#define FIX_S(f, T, D, v) +[](const T* a, D* d, int n, int sf) { return f(a, v, d, n, sf); }
#define FIX(f, T, D, v) +[](const T* a, D* d, int n) { return f(a, v, d, n); }
#define FIX_I(f, D, v) +[](D* d, int n) { return f(v, d, n); }

TEST(ArithChecks, UsualOrder) {
    USUAL(zorsAdd_8u_Sfs, zorsAdd_8u_ISfs, zorsAdd_8u16u, zorsAdd_16u, zorsAdd_16s, zorsAdd_16s_I, zorsAdd_16s_Sfs,
          zorsAdd_16s_ISfs, zorsAdd_16s32f, zorsAdd_32u, zorsAdd_32s_Sfs, zorsAdd_32s_ISfs, zorsAdd_32f, zorsAdd_32f_I,
          zorsAdd_32fc, zorsAdd_32fc_I, zorsAdd_64f, zorsAdd_64f_I, zorsAdd_64fc, zorsAdd_64fc_I);
    USUAL(zorsSub_8u_Sfs, zorsSub_8u_ISfs, zorsSub_16s, zorsSub_16s_I, zorsSub_16s_Sfs, zorsSub_16s_ISfs, zorsSub_16s32f,
          zorsSub_32s_Sfs, zorsSub_32s_ISfs, zorsSub_32f, zorsSub_32f_I, zorsSub_32fc, zorsSub_32fc_I, zorsSub_64f,
          zorsSub_64f_I, zorsSub_64fc, zorsSub_64fc_I);
    USUAL(zorsMul_8u_Sfs, zorsMul_8u_ISfs, zorsMul_8u16u, zorsMul_16s, zorsMul_16s_I, zorsMul_16s_Sfs, zorsMul_16s_ISfs,
          zorsMul_16s32f, zorsMul_16s32s_Sfs, zorsMul_16u16s_Sfs, zorsMul_16sc_Sfs, zorsMul_16sc_ISfs, zorsMul_32s_Sfs,
          zorsMul_32s_ISfs, zorsMul_32s32sc_Sfs, zorsMul_32s32sc_ISfs, zorsMul_32sc_Sfs, zorsMul_32sc_ISfs, zorsMul_32f,
          zorsMul_32f_I, zorsMul_32fc, zorsMul_32fc_I, zorsMul_64f, zorsMul_64f_I, zorsMul_64fc, zorsMul_64fc_I);
    USUAL(zorsAddC_8u_Sfs, zorsAddC_8u_ISfs, zorsAddC_16s_I, zorsAddC_16s_Sfs, zorsAddC_16s_ISfs, zorsAddC_16sc_Sfs,
          zorsAddC_16sc_ISfs, zorsAddC_32s_ISfs, zorsAddC_32sc_Sfs, zorsAddC_32sc_ISfs, zorsAddC_32f, zorsAddC_32f_I,
          zorsAddC_32fc, zorsAddC_32fc_I, zorsAddC_64f, zorsAddC_64f_I, zorsAddC_64fc, zorsAddC_64fc_I);
    USUAL(zorsSubC_8u_Sfs, zorsSubC_8u_ISfs, zorsSubC_16s_I, zorsSubC_16s_Sfs, zorsSubC_16s_ISfs, zorsSubC_16sc_Sfs,
          zorsSubC_16sc_ISfs, zorsSubC_32s_ISfs, zorsSubC_32sc_Sfs, zorsSubC_32sc_ISfs, zorsSubC_32f, zorsSubC_32f_I,
          zorsSubC_32fc, zorsSubC_32fc_I, zorsSubC_64f, zorsSubC_64f_I, zorsSubC_64fc, zorsSubC_64fc_I);
    USUAL(zorsSubCRev_8u_Sfs, zorsSubCRev_8u_ISfs, zorsSubCRev_16s_Sfs, zorsSubCRev_16s_ISfs, zorsSubCRev_16sc_Sfs,
          zorsSubCRev_16sc_ISfs, zorsSubCRev_32s_ISfs, zorsSubCRev_32sc_Sfs, zorsSubCRev_32sc_ISfs, zorsSubCRev_32f,
          zorsSubCRev_32f_I, zorsSubCRev_32fc, zorsSubCRev_32fc_I, zorsSubCRev_64f, zorsSubCRev_64f_I, zorsSubCRev_64fc,
          zorsSubCRev_64fc_I);
    USUAL(zorsMulC_8u_Sfs, zorsMulC_8u_ISfs, zorsMulC_16s_I, zorsMulC_16s_Sfs, zorsMulC_16s_ISfs, zorsMulC_16sc_Sfs,
          zorsMulC_16sc_ISfs, zorsMulC_32s_ISfs, zorsMulC_32sc_Sfs, zorsMulC_32sc_ISfs, zorsMulC_32f, zorsMulC_32f_I,
          zorsMulC_32fc, zorsMulC_32fc_I, zorsMulC_64f, zorsMulC_64f_I, zorsMulC_64fc, zorsMulC_64fc_I,
          zorsMulC_32f16s_Sfs, zorsMulC_Low_32f16s);
    USUAL(FIX_S(zorsAddC_32s_Sfs, Zor32s, Zor32s, 3), FIX_S(zorsSubC_32s_Sfs, Zor32s, Zor32s, 3),
          FIX_S(zorsSubCRev_32s_Sfs, Zor32s, Zor32s, 3), FIX_S(zorsMulC_32s_Sfs, Zor32s, Zor32s, 3));
    USUAL(zorsSqr_8u_Sfs, zorsSqr_8u_ISfs, zorsSqr_16u_Sfs, zorsSqr_16u_ISfs, zorsSqr_16s_Sfs, zorsSqr_16s_ISfs,
          zorsSqr_16sc_Sfs, zorsSqr_16sc_ISfs, zorsSqr_32f, zorsSqr_32f_I, zorsSqr_32fc, zorsSqr_32fc_I, zorsSqr_64f,
          zorsSqr_64f_I, zorsSqr_64fc, zorsSqr_64fc_I);
    USUAL(zorsSqrt_8u_Sfs, zorsSqrt_8u_ISfs, zorsSqrt_16u_Sfs, zorsSqrt_16u_ISfs, zorsSqrt_16s_Sfs, zorsSqrt_16s_ISfs,
          zorsSqrt_16sc_Sfs, zorsSqrt_16sc_ISfs, zorsSqrt_64s_Sfs, zorsSqrt_64s_ISfs, zorsSqrt_32f, zorsSqrt_32f_I,
          zorsSqrt_32fc, zorsSqrt_32fc_I, zorsSqrt_64f, zorsSqrt_64f_I, zorsSqrt_64fc, zorsSqrt_64fc_I);
    USUAL(zorsAbs_16s, zorsAbs_16s_I, zorsAbs_32s, zorsAbs_32s_I, zorsAbs_32f, zorsAbs_32f_I, zorsAbs_64f, zorsAbs_64f_I,
          zorsAddProduct_16s_Sfs, zorsAddProduct_16s32s_Sfs, zorsAddProduct_32s_Sfs, zorsAddProduct_32f,
          zorsAddProduct_32fc, zorsAddProduct_64f, zorsAddProduct_64fc, zorsNormalize_16s_Sfs, zorsNormalize_16sc_Sfs,
          zorsNormalize_32f, zorsNormalize_32fc, zorsNormalize_64f, zorsNormalize_64fc);
    // The constant of the integer and complex quotients is tested last.
    USUAL(zorsDiv_8u_Sfs, zorsDiv_8u_ISfs, zorsDiv_16s_Sfs, zorsDiv_16s_ISfs, zorsDiv_16sc_Sfs, zorsDiv_16sc_ISfs,
          zorsDiv_32s_Sfs, zorsDiv_32s_ISfs, zorsDiv_32f, zorsDiv_32f_I, zorsDiv_32fc, zorsDiv_32fc_I, zorsDiv_64f,
          zorsDiv_64f_I, zorsDiv_64fc, zorsDiv_64fc_I, zorsDivC_8u_Sfs, zorsDivC_8u_ISfs, zorsDivC_16s_Sfs,
          zorsDivC_16s_ISfs, zorsDivC_16sc_Sfs, zorsDivC_16sc_ISfs, zorsDivC_32fc, zorsDivC_32fc_I, zorsDivC_64fc,
          zorsDivC_64fc_I);
    USUAL(zorsAnd_8u, zorsAnd_16u, zorsAnd_32u, zorsAnd_8u_I, zorsAnd_16u_I, zorsAnd_32u_I, zorsOr_8u, zorsOr_16u,
          zorsOr_32u, zorsOr_8u_I, zorsOr_16u_I, zorsOr_32u_I, zorsXor_8u, zorsXor_16u, zorsXor_32u, zorsXor_8u_I,
          zorsXor_16u_I, zorsXor_32u_I, zorsAndC_8u, zorsAndC_16u, zorsAndC_32u, zorsAndC_8u_I, zorsAndC_16u_I,
          zorsAndC_32u_I, zorsOrC_8u, zorsOrC_16u, zorsOrC_32u, zorsOrC_8u_I, zorsOrC_16u_I, zorsOrC_32u_I, zorsXorC_8u,
          zorsXorC_16u, zorsXorC_32u, zorsXorC_8u_I, zorsXorC_16u_I, zorsXorC_32u_I, zorsNot_8u, zorsNot_16u,
          zorsNot_32u, zorsNot_8u_I, zorsNot_16u_I, zorsNot_32u_I, zorsSwapBytes_16u, zorsSwapBytes_24u,
          zorsSwapBytes_32u, zorsSwapBytes_16u_I, zorsSwapBytes_24u_I, zorsSwapBytes_32u_I);
    USUAL(zorsLShiftC_8u_I, zorsLShiftC_16u_I, zorsLShiftC_16s_I, zorsLShiftC_32s_I, zorsRShiftC_8u_I, zorsRShiftC_16u_I,
          zorsRShiftC_16s_I, zorsRShiftC_32s_I, FIX(zorsLShiftC_8u, Zor8u, Zor8u, 1), FIX(zorsLShiftC_16u, Zor16u, Zor16u, 1),
          FIX(zorsLShiftC_16s, Zor16s, Zor16s, 1), FIX(zorsLShiftC_32s, Zor32s, Zor32s, 1),
          FIX(zorsRShiftC_8u, Zor8u, Zor8u, 1), FIX(zorsRShiftC_16u, Zor16u, Zor16u, 1),
          FIX(zorsRShiftC_16s, Zor16s, Zor16s, 1), FIX(zorsRShiftC_32s, Zor32s, Zor32s, 1));
    // Floating DivC and DivCRev with a usable constant (a zero one has its own order).
    USUAL(FIX(zorsDivC_32f, Zor32f, Zor32f, 2.0f), FIX_I(zorsDivC_32f_I, Zor32f, 2.0f), FIX(zorsDivC_64f, Zor64f, Zor64f, 2.0),
          FIX_I(zorsDivC_64f_I, Zor64f, 2.0), FIX(zorsDivCRev_16u, Zor16u, Zor16u, Zor16u{3}),
          FIX_I(zorsDivCRev_16u_I, Zor16u, Zor16u{3}), FIX(zorsDivCRev_32f, Zor32f, Zor32f, 2.0f),
          FIX_I(zorsDivCRev_32f_I, Zor32f, 2.0f));
}

// Complex integer Add and Sub test the length before the pointers.
template <class A, class B, class D>
void len_first(const char* name, ZorStatus (*f)(const A*, const B*, D*, int, int)) {
    Guarded<A> a(4);
    Guarded<B> b(4);
    Guarded<D> d(4);
    EXPECT_EQ(f(nullptr, b.data(), d.data(), 4, 0), zorStsNullPtrErr) << name;
    EXPECT_EQ(f(a.data(), nullptr, d.data(), 4, 0), zorStsNullPtrErr) << name;
    EXPECT_EQ(f(a.data(), b.data(), nullptr, 4, 0), zorStsNullPtrErr) << name;
    EXPECT_EQ(f(a.data(), b.data(), d.data(), -1, 0), zorStsSizeErr) << name;
    EXPECT_EQ(f(nullptr, nullptr, nullptr, 0, 0), zorStsSizeErr) << name;
    EXPECT_TRUE(d.untouched()) << name;
}
template <class A, class D>
void len_first(const char* name, ZorStatus (*f)(const A*, D*, int, int)) {
    Guarded<D> d(4);
    EXPECT_EQ(f(nullptr, d.data(), 4, 0), zorStsNullPtrErr) << name;
    EXPECT_EQ(f(d.data(), nullptr, 4, 0), zorStsNullPtrErr) << name;
    EXPECT_EQ(f(nullptr, nullptr, 0, 0), zorStsSizeErr) << name;
    EXPECT_TRUE(d.untouched()) << name;
}
#define LEN_FIRST(f) len_first(#f, f)

TEST(ArithChecks, Departures) {
    LEN_FIRST(zorsAdd_16sc_Sfs); LEN_FIRST(zorsAdd_16sc_ISfs); LEN_FIRST(zorsAdd_32sc_Sfs); LEN_FIRST(zorsAdd_32sc_ISfs);
    LEN_FIRST(zorsSub_16sc_Sfs); LEN_FIRST(zorsSub_16sc_ISfs); LEN_FIRST(zorsSub_32sc_Sfs); LEN_FIRST(zorsSub_32sc_ISfs);
    // Floating DivC tests the constant first.
    Guarded<Zor32f> d(4);
    EXPECT_EQ(zorsDivC_32f(nullptr, 0.0f, nullptr, -1), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_64f_I(std::nan(""), nullptr, 0), zorStsDivByZeroErr);
    EXPECT_EQ(zorsDivC_32f_I(0.0f, d.data(), 4), zorStsDivByZeroErr);
    EXPECT_TRUE(d.untouched());
}

}  // namespace
