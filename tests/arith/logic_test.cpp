// Logical operations, shifts and byte swaps against per-bit definitions.
#include "tests/arith/arith_harness.h"

namespace {

#define VV(f) [=](auto* a, auto* b, auto* d, int n, int) { return f(a, b, d, n); }
#define VI(f) [=](auto* a, auto* sd, int n, int) { return f(a, sd, n); }
#define VC(f) [=](auto* a, auto v, auto* d, int n, int) { return f(a, v, d, n); }
#define CI(f) [=](auto v, auto* sd, int n, int) { return f(v, sd, n); }

template <class T> T band(T a, T b) { return T(a & b); }
template <class T> T bor(T a, T b) { return T(a | b); }
template <class T> T bxor(T a, T b) { return T(a ^ b); }
#define W2(fn) [](auto a, auto b, int) { return fn(a, b); }

template <class T>
void check_type(ZorStatus (*and_)(const T*, const T*, T*, int), ZorStatus (*or_)(const T*, const T*, T*, int),
                ZorStatus (*xor_)(const T*, const T*, T*, int), ZorStatus (*and_i)(const T*, T*, int),
                ZorStatus (*or_i)(const T*, T*, int), ZorStatus (*xor_i)(const T*, T*, int),
                ZorStatus (*andc)(const T*, T, T*, int), ZorStatus (*orc)(const T*, T, T*, int),
                ZorStatus (*xorc)(const T*, T, T*, int), ZorStatus (*andc_i)(T, T*, int),
                ZorStatus (*orc_i)(T, T*, int), ZorStatus (*xorc_i)(T, T*, int)) {
    at::check_vv<T, T, T>(VV(and_), W2(band), false);
    at::check_vv<T, T, T>(VV(or_), W2(bor), false);
    at::check_vv<T, T, T>(VV(xor_), W2(bxor), false);
    at::check_inplace<T, T>(VV(and_), VI(and_i), false);
    at::check_inplace<T, T>(VV(or_), VI(or_i), false);
    at::check_inplace<T, T>(VV(xor_), VI(xor_i), false);
    at::check_vc<T, T, T>(VC(andc), W2(band), false);
    at::check_vc<T, T, T>(VC(orc), W2(bor), false);
    at::check_vc<T, T, T>(VC(xorc), W2(bxor), false);
    at::check_vc_inplace<T, T>(VC(andc), CI(andc_i), false);
    at::check_vc_inplace<T, T>(VC(orc), CI(orc_i), false);
    at::check_vc_inplace<T, T>(VC(xorc), CI(xorc_i), false);
}

TEST(ArithLogic, Bitwise) {
    check_type<Zor8u>(zorsAnd_8u, zorsOr_8u, zorsXor_8u, zorsAnd_8u_I, zorsOr_8u_I, zorsXor_8u_I, zorsAndC_8u, zorsOrC_8u,
                      zorsXorC_8u, zorsAndC_8u_I, zorsOrC_8u_I, zorsXorC_8u_I);
    check_type<Zor16u>(zorsAnd_16u, zorsOr_16u, zorsXor_16u, zorsAnd_16u_I, zorsOr_16u_I, zorsXor_16u_I, zorsAndC_16u,
                       zorsOrC_16u, zorsXorC_16u, zorsAndC_16u_I, zorsOrC_16u_I, zorsXorC_16u_I);
    check_type<Zor32u>(zorsAnd_32u, zorsOr_32u, zorsXor_32u, zorsAnd_32u_I, zorsOr_32u_I, zorsXor_32u_I, zorsAndC_32u,
                       zorsOrC_32u, zorsXorC_32u, zorsAndC_32u_I, zorsOrC_32u_I, zorsXorC_32u_I);
}

TEST(ArithLogic, Not) {
    auto nt = [](auto f) { return [f](auto* a, auto*, auto* d, int n, int) { return f(a, d, n); }; };
    auto want = [](auto a, auto, int) { return decltype(a)(~a); };
    at::check_vv<Zor8u, Zor8u, Zor8u>(nt(zorsNot_8u), want, false);
    at::check_vv<Zor16u, Zor16u, Zor16u>(nt(zorsNot_16u), want, false);
    at::check_vv<Zor32u, Zor32u, Zor32u>(nt(zorsNot_32u), want, false);
    auto nt_i = [](auto f) { return [f](auto*, auto* sd, int n, int) { return f(sd, n); }; };
    auto nt_o = [](auto f) { return [f](auto*, auto* sd, auto* d, int n, int) { return f(sd, d, n); }; };
    at::check_inplace<Zor8u, Zor8u>(nt_o(zorsNot_8u), nt_i(zorsNot_8u_I), false);
    at::check_inplace<Zor16u, Zor16u>(nt_o(zorsNot_16u), nt_i(zorsNot_16u_I), false);
    at::check_inplace<Zor32u, Zor32u>(nt_o(zorsNot_32u), nt_i(zorsNot_32u_I), false);
    const Zor8u x = 0x0F;
    Zor8u y = 0;
    ASSERT_EQ(zorsNot_8u(&x, &y, 1), zorStsNoErr);
    EXPECT_EQ(y, 0xF0);
}

// Shifts by every count from 0 to past the width; the reference works on
// the value in 64 bits: left shifts drop what leaves the type, right shifts
// divide by 2^count rounding down (signed) or shift in zeros (unsigned).
template <class T>
T shifted(T v, int c, bool left) {
    constexpr int w = 8 * sizeof(T);
    if (left) return c >= w ? T(0) : T(static_cast<std::uint64_t>(v) << c);
    if (c >= w) return std::is_signed_v<T> && v < 0 ? T(-1) : T(0);
    if constexpr (std::is_signed_v<T>) return T(std::floor(std::ldexp(double(v), -c)));
    else return T(static_cast<std::uint64_t>(v) >> c);
}

template <class T>
void check_shift(ZorStatus (*f)(const T*, int, T*, int), ZorStatus (*fi)(int, T*, int), bool left) {
    zt::Rng rng(17);
    zt::for_each_isa([&](zors::Isa) {
        for (int c = 0; c <= 8 * int(sizeof(T)) + 9; ++c)
            for (int len : {1, 5, 16, 31, 33, 70, 129}) {
                zt::Guarded<T> a(len, 1 * alignof(T)), d(len, 2 * alignof(T));
                at::fill(a.data(), len, rng);
                ASSERT_EQ(f(a.data(), c, d.data(), len), zorStsNoErr);
                for (int i = 0; i < len; ++i) ASSERT_EQ(d[i], shifted(a[i], c, left)) << "count " << c << " v " << a[i];
                ASSERT_TRUE(d.guards_intact());
                ASSERT_EQ(fi(c, a.data(), len), zorStsNoErr);
                for (int i = 0; i < len; ++i) ASSERT_EQ(a[i], d[i]);
            }
        for (int c : {INT_MAX, 1 << 20}) {
            T v = T(-3), w = 0;
            ASSERT_EQ(f(&v, c, &w, 1), zorStsNoErr);
            ASSERT_EQ(w, shifted(v, 64, left));
        }
    });
    T v = 1, w = 7;
    EXPECT_EQ(f(&v, -1, &w, 1), zorStsShiftErr);
    EXPECT_EQ(fi(INT_MIN, &v, 1), zorStsShiftErr);
    EXPECT_EQ(w, 7);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(f(&v, -1, &w, 0), zorStsSizeErr);
    EXPECT_EQ(f(nullptr, -1, &w, 0), zorStsNullPtrErr);
}

TEST(ArithLogic, Shifts) {
    check_shift<Zor8u>(zorsLShiftC_8u, zorsLShiftC_8u_I, true);
    check_shift<Zor16u>(zorsLShiftC_16u, zorsLShiftC_16u_I, true);
    check_shift<Zor16s>(zorsLShiftC_16s, zorsLShiftC_16s_I, true);
    check_shift<Zor32s>(zorsLShiftC_32s, zorsLShiftC_32s_I, true);
    check_shift<Zor8u>(zorsRShiftC_8u, zorsRShiftC_8u_I, false);
    check_shift<Zor16u>(zorsRShiftC_16u, zorsRShiftC_16u_I, false);
    check_shift<Zor16s>(zorsRShiftC_16s, zorsRShiftC_16s_I, false);
    check_shift<Zor32s>(zorsRShiftC_32s, zorsRShiftC_32s_I, false);
}

TEST(ArithLogic, StatedShiftValues) {
    struct Row { const char* what; Zor16s v; int count; bool left; Zor16s want; };
    const Row rows[] = {
        {"-5 >> 1", -5, 1, false, -3}, {"-5 >> 16", -5, 16, false, -1}, {"5 >> 40", 5, 40, false, 0},
        {"0x4001 << 1", 0x4001, 1, true, Zor16s(0x8002)},
    };
    for (const Row& r : rows) {
        Zor16s d = 99;
        ASSERT_EQ((r.left ? zorsLShiftC_16s : zorsRShiftC_16s)(&r.v, r.count, &d, 1), zorStsNoErr) << r.what;
        EXPECT_EQ(d, r.want) << r.what;
    }
    const Zor16u u = 0x8000;
    Zor16u d = 5;
    ASSERT_EQ(zorsRShiftC_16u(&u, 15, &d, 1), zorStsNoErr);
    EXPECT_EQ(d, 1);
    ASSERT_EQ(zorsRShiftC_16u(&u, 16, &d, 1), zorStsNoErr);
    EXPECT_EQ(d, 0);
    const Zor8u b = 1;
    Zor8u e = 0;
    EXPECT_EQ(zorsLShiftC_8u(&b, -1, &e, 1), zorStsShiftErr);
}

TEST(ArithLogic, SwapBytes) {
    zt::Rng rng(3);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<Zor16u> a(len, 1 * alignof(Zor16u)), d(len, 2 * alignof(Zor16u));
            zt::Guarded<Zor32u> b(len, 3 * alignof(Zor32u)), e(len, 1 * alignof(Zor32u));
            zt::Guarded<Zor8u> c(3 * len, 1 * alignof(Zor8u)), f(3 * len, 2 * alignof(Zor8u));
            rng.fill(a.data(), len);
            rng.fill(b.data(), len);
            rng.fill(c.data(), 3 * len);
            ASSERT_EQ(zorsSwapBytes_16u(a.data(), d.data(), len), zorStsNoErr);
            ASSERT_EQ(zorsSwapBytes_32u(b.data(), e.data(), len), zorStsNoErr);
            ASSERT_EQ(zorsSwapBytes_24u(c.data(), f.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                const auto* pa = reinterpret_cast<const Zor8u*>(&a[i]);
                const auto* pd = reinterpret_cast<const Zor8u*>(&d[i]);
                ASSERT_TRUE(pd[0] == pa[1] && pd[1] == pa[0]);
                const auto* pb = reinterpret_cast<const Zor8u*>(&b[i]);
                const auto* pe = reinterpret_cast<const Zor8u*>(&e[i]);
                for (int k = 0; k < 4; ++k) ASSERT_EQ(pe[k], pb[3 - k]);
                for (int k = 0; k < 3; ++k) ASSERT_EQ(f[3 * i + k], c[3 * i + 2 - k]);
            }
            ASSERT_TRUE(d.guards_intact() && e.guards_intact() && f.guards_intact());
            ASSERT_EQ(zorsSwapBytes_16u_I(a.data(), len), zorStsNoErr);
            ASSERT_EQ(zorsSwapBytes_32u_I(b.data(), len), zorStsNoErr);
            ASSERT_EQ(zorsSwapBytes_24u_I(c.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) ASSERT_TRUE(a[i] == d[i] && b[i] == e[i]);
            for (int i = 0; i < 3 * len; ++i) ASSERT_EQ(c[i], f[i]);
            ASSERT_TRUE(c.guards_intact());
        }
    });
    const Zor8u s[3] = {1, 2, 3};
    Zor8u t[3];
    ASSERT_EQ(zorsSwapBytes_24u(s, t, 1), zorStsNoErr);
    EXPECT_TRUE(t[0] == 3 && t[1] == 2 && t[2] == 1);
}

}  // namespace
