// Floating-point members of the element-wise arithmetic: IEEE operations in
// the element precision, the observable shortcuts, special values.
#include "tests/arith/arith_harness.h"

namespace {


template <class T> T add(T a, T b) { return a + b; }
template <class T> T sub(T a, T b) { return a - b; }
template <class T> T mul(T a, T b) { return a * b; }
template <class C> C cadd(C a, C b) { return C{a.re + b.re, a.im + b.im}; }
template <class C> C csub(C a, C b) { return C{a.re - b.re, a.im - b.im}; }
template <class C> C cmul(C a, C b) { return C{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }


#define FLOAT_VV(Op, ref)                                                                                \
    at::check_vv<Zor32f, Zor32f, Zor32f>(VV(zors##Op##_32f), VI(zors##Op##_32f_I), ref, false);           \
    at::check_vv<Zor64f, Zor64f, Zor64f>(VV(zors##Op##_64f), VI(zors##Op##_64f_I), ref, false);

#define CPLX_VV(Op, ref)                                                                                 \
    at::check_vv<Zor32fc, Zor32fc, Zor32fc>(VV(zors##Op##_32fc), VI(zors##Op##_32fc_I), ref, false);      \
    at::check_vv<Zor64fc, Zor64fc, Zor64fc>(VV(zors##Op##_64fc), VI(zors##Op##_64fc_I), ref, false);

TEST(ArithFloat, TwoVectors) {
    FLOAT_VV(Add, W2(add)) FLOAT_VV(Sub, W2REV(sub)) FLOAT_VV(Mul, W2(mul))
    CPLX_VV(Add, W2(cadd)) CPLX_VV(Sub, W2REV(csub)) CPLX_VV(Mul, W2(cmul))
    // 16s operands converted to single precision first.
    auto f32 = [](auto fn) { return [fn](Zor16s a, Zor16s b, int) { return fn(Zor32f(a), Zor32f(b)); }; };
    at::check_vv<Zor16s, Zor16s, Zor32f>(VV(zorsAdd_16s32f), nullptr, f32(add<Zor32f>), false);
    at::check_vv<Zor16s, Zor16s, Zor32f>(VV(zorsSub_16s32f), nullptr, [](Zor16s a, Zor16s b, int) { return Zor32f(b) - Zor32f(a); }, false);
    at::check_vv<Zor16s, Zor16s, Zor32f>(VV(zorsMul_16s32f), nullptr, f32(mul<Zor32f>), false);
}

// AddC and SubC copy the source for a constant that compares equal to zero
// (NaN included); MulC copies for 1 or NaN and writes +0 for a zero constant.
template <class T> bool unordered_zero(T v) { return !(v < 0 || v > 0); }
template <class T> T addc(T a, T v) { return unordered_zero(v) ? a : a + v; }
template <class T> T subc(T a, T v) { return unordered_zero(v) ? a : a - v; }
template <class T> T mulc(T a, T v) { return !(v < 1 || v > 1) ? a : (v == 0 ? T(0) : a * v); }

#define FLOAT_VC(Op, T, ref) at::check_vc<T, T, T>(VC(zors##Op), CI(zors##Op##_I), ref, false);

TEST(ArithFloat, ConstantForms) {
    FLOAT_VC(AddC_32f, Zor32f, W2(addc)) FLOAT_VC(AddC_64f, Zor64f, W2(addc))
    FLOAT_VC(SubC_32f, Zor32f, W2(subc)) FLOAT_VC(SubC_64f, Zor64f, W2(subc))
    FLOAT_VC(SubCRev_32f, Zor32f, W2REV(sub)) FLOAT_VC(SubCRev_64f, Zor64f, W2REV(sub))
    FLOAT_VC(MulC_32f, Zor32f, W2(mulc)) FLOAT_VC(MulC_64f, Zor64f, W2(mulc))
    FLOAT_VC(AddC_32fc, Zor32fc, W2(cadd)) FLOAT_VC(AddC_64fc, Zor64fc, W2(cadd))
    FLOAT_VC(SubC_32fc, Zor32fc, W2(csub)) FLOAT_VC(SubC_64fc, Zor64fc, W2(csub))
    FLOAT_VC(SubCRev_32fc, Zor32fc, W2REV(csub)) FLOAT_VC(SubCRev_64fc, Zor64fc, W2REV(csub))
    FLOAT_VC(MulC_32fc, Zor32fc, W2(cmul)) FLOAT_VC(MulC_64fc, Zor64fc, W2(cmul))
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

#define SQR(T, f, sq) at::check_vv<T, T, T>(ONE(f), ONE_I(f##_I), [](T a, T, int) { return sq; }, false);

// Abs clears the sign bit of every value, NaN included: random bit patterns
// (negative NaNs among them), compared bit for bit.
template <class T, class U>
void check_abs(ZorStatus (*f)(const T*, T*, int), ZorStatus (*fi)(T*, int), U mask) {
    zt::Rng rng(9);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<T> a(len, 2 * alignof(T)), d(len, 1 * alignof(T));
            rng.fill(a.data(), len);
            std::vector<U> bits(len);
            std::memcpy(bits.data(), a.data(), len * sizeof(U));
            ASSERT_EQ(f(a.data(), d.data(), len), zorStsNoErr);
            ASSERT_TRUE(d.guards_intact());
            ASSERT_EQ(fi(a.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                U y;
                std::memcpy(&y, &d[i], sizeof(U));
                ASSERT_EQ(y, bits[i] & mask);
                ASSERT_TRUE(zt::same_bits(a[i], d[i]));
            }
        }
    });
}

TEST(ArithFloat, SqrAbs) {
    SQR(Zor32f, zorsSqr_32f, a * a) SQR(Zor64f, zorsSqr_64f, a * a)
    SQR(Zor32fc, zorsSqr_32fc, cmul(a, a)) SQR(Zor64fc, zorsSqr_64fc, cmul(a, a))
    check_abs<Zor32f>(zorsAbs_32f, zorsAbs_32f_I, 0x7FFFFFFFu);
    check_abs<Zor64f>(zorsAbs_64f, zorsAbs_64f_I, 0x7FFFFFFFFFFFFFFFull);
}

// AddProduct: the product rounded, then the sum, element by element; when
// the destination overlaps a source at an offset the result is the one of
// the element-by-element order.
template <class T, class Ref>
void check_addproduct(ZorStatus (*f)(const T*, const T*, T*, int), Ref ref) {
    at::check_acc<T, T>([f](auto* a, auto* b, auto* d, int n, int) { return f(a, b, d, n); },
                        [ref](T a, T b, T d, int) { return ref(a, b, d); }, false);
    zt::Rng rng(31);
    zt::for_each_isa([&](zors::Isa) {
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
