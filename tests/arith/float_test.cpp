// Floating-point members of the element-wise arithmetic: IEEE operations in
// the element precision, the observable shortcuts, special values.
#include "tests/arith/arith_harness.h"

namespace {

#define VV(f) [](auto* a, auto* b, auto* d, int n, int) { return f(a, b, d, n); }
#define VI(f) [](auto* a, auto* sd, int n, int) { return f(a, sd, n); }
#define VC(f) [](auto* a, auto v, auto* d, int n, int) { return f(a, v, d, n); }
#define CI(f) [](auto v, auto* sd, int n, int) { return f(v, sd, n); }

template <class T> T add(T a, T b) { return a + b; }
template <class T> T sub(T a, T b) { return a - b; }
template <class T> T mul(T a, T b) { return a * b; }
template <class C> C cadd(C a, C b) { return C{a.re + b.re, a.im + b.im}; }
template <class C> C csub(C a, C b) { return C{a.re - b.re, a.im - b.im}; }
template <class C> C cmul(C a, C b) { return C{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

#define W2(fn) [](auto a, auto b, int) { return fn(a, b); }
#define W2REV(fn) [](auto a, auto b, int) { return fn(b, a); }

TEST(ArithFloat, TwoVectors) {
    at::check_vv<Zor32f, Zor32f, Zor32f>(VV(zorsAdd_32f), W2(add), false);
    at::check_vv<Zor64f, Zor64f, Zor64f>(VV(zorsAdd_64f), W2(add), false);
    at::check_vv<Zor32fc, Zor32fc, Zor32fc>(VV(zorsAdd_32fc), W2(cadd), false);
    at::check_vv<Zor64fc, Zor64fc, Zor64fc>(VV(zorsAdd_64fc), W2(cadd), false);
    at::check_vv<Zor32f, Zor32f, Zor32f>(VV(zorsSub_32f), W2REV(sub), false);
    at::check_vv<Zor64f, Zor64f, Zor64f>(VV(zorsSub_64f), W2REV(sub), false);
    at::check_vv<Zor32fc, Zor32fc, Zor32fc>(VV(zorsSub_32fc), W2REV(csub), false);
    at::check_vv<Zor64fc, Zor64fc, Zor64fc>(VV(zorsSub_64fc), W2REV(csub), false);
    at::check_vv<Zor32f, Zor32f, Zor32f>(VV(zorsMul_32f), W2(mul), false);
    at::check_vv<Zor64f, Zor64f, Zor64f>(VV(zorsMul_64f), W2(mul), false);
    at::check_vv<Zor32fc, Zor32fc, Zor32fc>(VV(zorsMul_32fc), W2(cmul), false);
    at::check_vv<Zor64fc, Zor64fc, Zor64fc>(VV(zorsMul_64fc), W2(cmul), false);
    // 16s operands converted to single precision first.
    auto f32 = [](auto fn) { return [fn](Zor16s a, Zor16s b, int) { return fn(Zor32f(a), Zor32f(b)); }; };
    at::check_vv<Zor16s, Zor16s, Zor32f>(VV(zorsAdd_16s32f), f32(add<Zor32f>), false);
    at::check_vv<Zor16s, Zor16s, Zor32f>(VV(zorsSub_16s32f), [](Zor16s a, Zor16s b, int) { return Zor32f(b) - Zor32f(a); }, false);
    at::check_vv<Zor16s, Zor16s, Zor32f>(VV(zorsMul_16s32f), f32(mul<Zor32f>), false);
}

TEST(ArithFloat, TwoVectorsInPlace) {
    at::check_inplace<Zor32f, Zor32f>(VV(zorsAdd_32f), VI(zorsAdd_32f_I), false);
    at::check_inplace<Zor64f, Zor64f>(VV(zorsAdd_64f), VI(zorsAdd_64f_I), false);
    at::check_inplace<Zor32fc, Zor32fc>(VV(zorsAdd_32fc), VI(zorsAdd_32fc_I), false);
    at::check_inplace<Zor64fc, Zor64fc>(VV(zorsAdd_64fc), VI(zorsAdd_64fc_I), false);
    at::check_inplace<Zor32f, Zor32f>(VV(zorsSub_32f), VI(zorsSub_32f_I), false);
    at::check_inplace<Zor64f, Zor64f>(VV(zorsSub_64f), VI(zorsSub_64f_I), false);
    at::check_inplace<Zor32fc, Zor32fc>(VV(zorsSub_32fc), VI(zorsSub_32fc_I), false);
    at::check_inplace<Zor64fc, Zor64fc>(VV(zorsSub_64fc), VI(zorsSub_64fc_I), false);
    at::check_inplace<Zor32f, Zor32f>(VV(zorsMul_32f), VI(zorsMul_32f_I), false);
    at::check_inplace<Zor64f, Zor64f>(VV(zorsMul_64f), VI(zorsMul_64f_I), false);
    at::check_inplace<Zor32fc, Zor32fc>(VV(zorsMul_32fc), VI(zorsMul_32fc_I), false);
    at::check_inplace<Zor64fc, Zor64fc>(VV(zorsMul_64fc), VI(zorsMul_64fc_I), false);
}

// AddC and SubC copy the source for a constant that compares equal to zero
// (NaN included); MulC copies for 1 or NaN and writes +0 for a zero constant.
template <class T> bool unordered_zero(T v) { return !(v < 0 || v > 0); }
template <class T> T addc(T a, T v) { return unordered_zero(v) ? a : a + v; }
template <class T> T subc(T a, T v) { return unordered_zero(v) ? a : a - v; }
template <class T> T mulc(T a, T v) { return !(v < 1 || v > 1) ? a : (v == 0 ? T(0) : a * v); }

TEST(ArithFloat, ConstantForms) {
    at::check_vc<Zor32f, Zor32f, Zor32f>(VC(zorsAddC_32f), W2(addc), false);
    at::check_vc<Zor64f, Zor64f, Zor64f>(VC(zorsAddC_64f), W2(addc), false);
    at::check_vc<Zor32f, Zor32f, Zor32f>(VC(zorsSubC_32f), W2(subc), false);
    at::check_vc<Zor64f, Zor64f, Zor64f>(VC(zorsSubC_64f), W2(subc), false);
    at::check_vc<Zor32f, Zor32f, Zor32f>(VC(zorsSubCRev_32f), W2REV(sub), false);
    at::check_vc<Zor64f, Zor64f, Zor64f>(VC(zorsSubCRev_64f), W2REV(sub), false);
    at::check_vc<Zor32f, Zor32f, Zor32f>(VC(zorsMulC_32f), W2(mulc), false);
    at::check_vc<Zor64f, Zor64f, Zor64f>(VC(zorsMulC_64f), W2(mulc), false);
    at::check_vc<Zor32fc, Zor32fc, Zor32fc>(VC(zorsAddC_32fc), W2(cadd), false);
    at::check_vc<Zor64fc, Zor64fc, Zor64fc>(VC(zorsAddC_64fc), W2(cadd), false);
    at::check_vc<Zor32fc, Zor32fc, Zor32fc>(VC(zorsSubC_32fc), W2(csub), false);
    at::check_vc<Zor64fc, Zor64fc, Zor64fc>(VC(zorsSubC_64fc), W2(csub), false);
    at::check_vc<Zor32fc, Zor32fc, Zor32fc>(VC(zorsSubCRev_32fc), W2REV(csub), false);
    at::check_vc<Zor64fc, Zor64fc, Zor64fc>(VC(zorsSubCRev_64fc), W2REV(csub), false);
    at::check_vc<Zor32fc, Zor32fc, Zor32fc>(VC(zorsMulC_32fc), W2(cmul), false);
    at::check_vc<Zor64fc, Zor64fc, Zor64fc>(VC(zorsMulC_64fc), W2(cmul), false);
}

TEST(ArithFloat, ConstantFormsInPlace) {
    at::check_vc_inplace<Zor32f, Zor32f>(VC(zorsAddC_32f), CI(zorsAddC_32f_I), false);
    at::check_vc_inplace<Zor64f, Zor64f>(VC(zorsAddC_64f), CI(zorsAddC_64f_I), false);
    at::check_vc_inplace<Zor32fc, Zor32fc>(VC(zorsAddC_32fc), CI(zorsAddC_32fc_I), false);
    at::check_vc_inplace<Zor64fc, Zor64fc>(VC(zorsAddC_64fc), CI(zorsAddC_64fc_I), false);
    at::check_vc_inplace<Zor32f, Zor32f>(VC(zorsSubC_32f), CI(zorsSubC_32f_I), false);
    at::check_vc_inplace<Zor64f, Zor64f>(VC(zorsSubC_64f), CI(zorsSubC_64f_I), false);
    at::check_vc_inplace<Zor32fc, Zor32fc>(VC(zorsSubC_32fc), CI(zorsSubC_32fc_I), false);
    at::check_vc_inplace<Zor64fc, Zor64fc>(VC(zorsSubC_64fc), CI(zorsSubC_64fc_I), false);
    at::check_vc_inplace<Zor32f, Zor32f>(VC(zorsSubCRev_32f), CI(zorsSubCRev_32f_I), false);
    at::check_vc_inplace<Zor64f, Zor64f>(VC(zorsSubCRev_64f), CI(zorsSubCRev_64f_I), false);
    at::check_vc_inplace<Zor32fc, Zor32fc>(VC(zorsSubCRev_32fc), CI(zorsSubCRev_32fc_I), false);
    at::check_vc_inplace<Zor64fc, Zor64fc>(VC(zorsSubCRev_64fc), CI(zorsSubCRev_64fc_I), false);
    at::check_vc_inplace<Zor32f, Zor32f>(VC(zorsMulC_32f), CI(zorsMulC_32f_I), false);
    at::check_vc_inplace<Zor64f, Zor64f>(VC(zorsMulC_64f), CI(zorsMulC_64f_I), false);
    at::check_vc_inplace<Zor32fc, Zor32fc>(VC(zorsMulC_32fc), CI(zorsMulC_32fc_I), false);
    at::check_vc_inplace<Zor64fc, Zor64fc>(VC(zorsMulC_64fc), CI(zorsMulC_64fc_I), false);
}

// The shortcuts are visible on special sources: a NaN constant leaves the
// source as it is, MulC by 0 turns inf and NaN into +0, AddC by 0 keeps -0.
TEST(ArithFloat, ShortcutValues) {
    const Zor32f nan = std::numeric_limits<Zor32f>::quiet_NaN(), inf = INFINITY;
    const Zor32f src[4] = {inf, nan, -0.0f, 2.5f};
    Zor32f d[4];
    ASSERT_EQ(zorsAddC_32f(src, nan, d, 4), zorStsNoErr);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(zt::same_bits(d[i], src[i])) << i;
    ASSERT_EQ(zorsAddC_32f(src, 0.0f, d, 4), zorStsNoErr);
    EXPECT_TRUE(std::signbit(d[2]));
    ASSERT_EQ(zorsMulC_32f(src, 0.0f, d, 4), zorStsNoErr);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(zt::same_bits(d[i], 0.0f)) << i;
    ASSERT_EQ(zorsMulC_32f(src, -0.0f, d, 4), zorStsNoErr);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(zt::same_bits(d[i], 0.0f)) << i;
    const Zor64f dsrc[2] = {-INFINITY, 3.0};
    Zor64f dd[2];
    ASSERT_EQ(zorsMulC_64f(dsrc, std::nan(""), dd, 2), zorStsNoErr);
    EXPECT_TRUE(zt::same_bits(dd[0], dsrc[0]));
    EXPECT_EQ(dd[1], 3.0);
    ASSERT_EQ(zorsSubC_64f(dsrc, std::nan(""), dd, 2), zorStsNoErr);
    EXPECT_EQ(dd[1], 3.0);
    // In place with a zero constant writes nothing.
    Zor16s v[2] = {5, -5};
    ASSERT_EQ(zorsAddC_16s_I(0, v, 2), zorStsNoErr);
    ASSERT_EQ(zorsSubC_16s_I(0, v, 2), zorStsNoErr);
    EXPECT_EQ(v[0], 5);
    EXPECT_EQ(v[1], -5);
}

TEST(ArithFloat, SqrAbs) {
    auto sq = [](auto f) { return [f](auto* a, auto*, auto* d, int n, int) { return f(a, d, n); }; };
    at::check_vv<Zor32f, Zor32f, Zor32f>(sq(zorsSqr_32f), [](Zor32f a, Zor32f, int) { return a * a; }, false);
    at::check_vv<Zor64f, Zor64f, Zor64f>(sq(zorsSqr_64f), [](Zor64f a, Zor64f, int) { return a * a; }, false);
    at::check_vv<Zor32fc, Zor32fc, Zor32fc>(sq(zorsSqr_32fc), [](Zor32fc a, Zor32fc, int) { return cmul(a, a); }, false);
    at::check_vv<Zor64fc, Zor64fc, Zor64fc>(sq(zorsSqr_64fc), [](Zor64fc a, Zor64fc, int) { return cmul(a, a); }, false);
    // Abs clears the sign bit of every value, NaN included: compare bits.
    zt::Rng rng(9);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<Zor32f> a(len, 2 * alignof(Zor32f)), d(len, 1 * alignof(Zor32f));
            zt::Guarded<Zor64f> b(len, 4 * alignof(Zor64f)), e(len, 3 * alignof(Zor64f));
            rng.fill(a.data(), len);
            rng.fill(b.data(), len);
            ASSERT_EQ(zorsAbs_32f(a.data(), d.data(), len), zorStsNoErr);
            ASSERT_EQ(zorsAbs_64f(b.data(), e.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                std::uint32_t x, y;
                std::memcpy(&x, &a[i], 4);
                std::memcpy(&y, &d[i], 4);
                ASSERT_EQ(y, x & 0x7FFFFFFFu);
                std::uint64_t u, w;
                std::memcpy(&u, &b[i], 8);
                std::memcpy(&w, &e[i], 8);
                ASSERT_EQ(w, u & 0x7FFFFFFFFFFFFFFFull);
            }
            ASSERT_EQ(zorsAbs_32f_I(a.data(), len), zorStsNoErr);
            ASSERT_EQ(zorsAbs_64f_I(b.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                ASSERT_TRUE(zt::same_bits(a[i], d[i]));
                ASSERT_TRUE(zt::same_bits(b[i], e[i]));
            }
            ASSERT_TRUE(d.guards_intact() && e.guards_intact());
        }
    });
    auto sq_i = [](auto f) { return [f](auto*, auto* sd, int n, int) { return f(sd, n); }; };
    auto sq_o = [](auto f) { return [f](auto*, auto* sd, auto* d, int n, int) { return f(sd, d, n); }; };
    at::check_inplace<Zor32f, Zor32f>(sq_o(zorsSqr_32f), sq_i(zorsSqr_32f_I), false);
    at::check_inplace<Zor64f, Zor64f>(sq_o(zorsSqr_64f), sq_i(zorsSqr_64f_I), false);
    at::check_inplace<Zor32fc, Zor32fc>(sq_o(zorsSqr_32fc), sq_i(zorsSqr_32fc_I), false);
    at::check_inplace<Zor64fc, Zor64fc>(sq_o(zorsSqr_64fc), sq_i(zorsSqr_64fc_I), false);
}

// AddProduct: the product rounded, then the sum, element by element; when
// the destination overlaps a source at an offset the result is the one of
// the element-by-element order.
template <class T, class Ref>
void check_addproduct(ZorStatus (*f)(const T*, const T*, T*, int), Ref ref) {
    zt::Rng rng(31);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<T> a(len, 4 * alignof(T)), b(len, 0 * alignof(T)), d(len, 8 * alignof(T));
            at::fill(a.data(), len, rng);
            at::fill(b.data(), len, rng);
            at::fill(d.data(), len, rng);
            std::vector<T> want(d.data(), d.data() + len);
            for (int i = 0; i < len; ++i) want[i] = ref(a[i], b[i], want[i]);
            ASSERT_EQ(f(a.data(), b.data(), d.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) ASSERT_TRUE(at::same(d[i], want[i])) << "len " << len << " i " << i;
            ASSERT_TRUE(d.guards_intact());
        }
        // Overlap: the destination starts one element after the first source.
        const int len = 40;
        std::vector<T> buf(len + 1), b(len);
        for (auto& v : buf) v = at::pick_finite<T>(rng);
        for (auto& v : b) v = at::pick_finite<T>(rng);
        std::vector<T> want = buf;
        for (int i = 0; i < len; ++i) want[i + 1] = ref(want[i], b[i], want[i + 1]);
        ASSERT_EQ(f(buf.data(), b.data(), buf.data() + 1, len), zorStsNoErr);
        for (int i = 0; i <= len; ++i) ASSERT_TRUE(at::same(buf[i], want[i])) << "overlap i " << i;
    });
}

TEST(ArithFloat, AddProduct) {
    check_addproduct<Zor32f>(zorsAddProduct_32f, [](Zor32f a, Zor32f b, Zor32f d) { return d + a * b; });
    check_addproduct<Zor64f>(zorsAddProduct_64f, [](Zor64f a, Zor64f b, Zor64f d) { return d + a * b; });
    check_addproduct<Zor32fc>(zorsAddProduct_32fc, [](Zor32fc a, Zor32fc b, Zor32fc d) { return cadd(d, cmul(a, b)); });
    check_addproduct<Zor64fc>(zorsAddProduct_64fc, [](Zor64fc a, Zor64fc b, Zor64fc d) { return cadd(d, cmul(a, b)); });
}

}  // namespace
