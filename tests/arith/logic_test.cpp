// Logical operations, shifts and byte swaps against per-bit definitions.
#include "tests/arith/arith_harness.h"

namespace {


template <class T> T band(T a, T b) { return T(a & b); }
template <class T> T bor(T a, T b) { return T(a | b); }
template <class T> T bxor(T a, T b) { return T(a ^ b); }

#define BITWISE(Op, S, fn)                                                                                  \
    at::check_vv<Zor##S, Zor##S, Zor##S>(VV(zors##Op##_##S), VI(zors##Op##_##S##_I), W2(fn), false);      \
    at::check_vc<Zor##S, Zor##S, Zor##S>(VC(zors##Op##C_##S), CI(zors##Op##C_##S##_I), W2(fn), false);
#define NOT(S) at::check_vv<Zor##S, Zor##S, Zor##S>(ONE(zorsNot_##S), ONE_I(zorsNot_##S##_I), [](auto a, auto, int) { return decltype(a)(~a); }, false);

TEST(ArithLogic, Bitwise) {
    BITWISE(And, 8u, band) BITWISE(And, 16u, band) BITWISE(And, 32u, band)
    BITWISE(Or, 8u, bor) BITWISE(Or, 16u, bor) BITWISE(Or, 32u, bor)
    BITWISE(Xor, 8u, bxor) BITWISE(Xor, 16u, bxor) BITWISE(Xor, 32u, bxor)
    NOT(8u) NOT(16u) NOT(32u)
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
}

// Byte swaps: 16u and 32u against the builtins, 24u byte by byte on random bits.
TEST(ArithLogic, SwapBytes) {
    at::check_vv<Zor16u, Zor16u, Zor16u>(ONE(zorsSwapBytes_16u), ONE_I(zorsSwapBytes_16u_I), [](Zor16u a, Zor16u, int) { return __builtin_bswap16(a); }, false);
    at::check_vv<Zor32u, Zor32u, Zor32u>(ONE(zorsSwapBytes_32u), ONE_I(zorsSwapBytes_32u_I), [](Zor32u a, Zor32u, int) { return __builtin_bswap32(a); }, false);
    zt::Rng rng(3);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<Zor8u> c(3 * len, 1), f(3 * len, 2);
            rng.fill(c.data(), 3 * len);
            ASSERT_EQ(zorsSwapBytes_24u(c.data(), f.data(), len), zorStsNoErr);
            for (int i = 0; i < 3 * len; ++i) ASSERT_EQ(f[i], c[i - i % 3 + 2 - i % 3]);
            ASSERT_TRUE(f.guards_intact());
            ASSERT_EQ(zorsSwapBytes_24u_I(c.data(), len), zorStsNoErr);
            for (int i = 0; i < 3 * len; ++i) ASSERT_EQ(c[i], f[i]);
            ASSERT_TRUE(c.guards_intact());
        }
    });
}

}  // namespace
