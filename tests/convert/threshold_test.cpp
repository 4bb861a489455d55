// Thresholds against reference rules: exact comparisons for real data and
// 16-bit complex data (long double scaling, rounded to nearest even),
// long-double magnitudes and phases with ulp bounds for floating complex
// data, and the in-place forms against the out-of-place ones.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "frame/types.h"
#include "tests/arg_checks.h"
#include "tests/common.h"

namespace {

using zors::is_complex_v;
using zors::part_t;

template <class T>
std::vector<T> real_data(zt::Rng& rng, T level, int n) {
    std::vector<T> v;
    v.push_back(level);  // an element equal to the level
    if constexpr (std::is_floating_point_v<T>) {
        v.insert(v.end(), {T(0), T(-0.0), std::numeric_limits<T>::quiet_NaN(), std::numeric_limits<T>::infinity(),
                           -std::numeric_limits<T>::infinity(), std::nextafter(level, T(1e30)),
                           std::nextafter(level, T(-1e30))});
        while (static_cast<int>(v.size()) < n) v.push_back(static_cast<T>((static_cast<int>(rng.bits() % 2001) - 1000) / 10.0));
    } else {
        v.insert(v.end(), {std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), T(0),
                           static_cast<T>(static_cast<long long>(level) + 1), static_cast<T>(static_cast<long long>(level) - 1)});
        while (static_cast<int>(v.size()) < n) v.push_back(rng.any<T>());
    }
    return v;
}

// Real members of one type, and a reference applying the documented rule.
template <class T>
struct RealMembers {
    ZorStatus (*lt)(const T*, T*, int, T);
    ZorStatus (*lt_i)(T*, int, T);
    ZorStatus (*gt)(const T*, T*, int, T);
    ZorStatus (*gt_i)(T*, int, T);
    ZorStatus (*by_op)(const T*, T*, int, T, ZorCmpOp);
    ZorStatus (*by_op_i)(T*, int, T, ZorCmpOp);
    ZorStatus (*ltval)(const T*, T*, int, T, T);
    ZorStatus (*ltval_i)(T*, int, T, T);
    ZorStatus (*gtval)(const T*, T*, int, T, T);
    ZorStatus (*gtval_i)(T*, int, T, T);
    ZorStatus (*both)(const T*, T*, int, T, T, T, T);
    ZorStatus (*both_i)(T*, int, T, T, T, T);
};

// Runs one out-of-place member and its in-place twin and checks both
// against `expect(x)` bit for bit.
template <class T, class F, class FI, class E>
void check_pair(const std::vector<T>& x, F f, FI fi, E expect) {
    const int n = static_cast<int>(x.size());
    std::vector<T> y(x.size()), z = x;
    ASSERT_EQ(f(x.data(), y.data(), n), zorStsNoErr);
    ASSERT_EQ(fi(z.data(), n), zorStsNoErr);
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(zt::same_bits(y[i], expect(x[i]))) << "element " << i << " = " << +x[i];
        ASSERT_TRUE(zt::same_bits(z[i], expect(x[i]))) << "in place, element " << i;
    }
}

template <class T>
void check_real(const RealMembers<T>& m, T level, T level2) {
    zt::Rng rng(11);
    const auto x = real_data<T>(rng, level, 300);
    const T v1 = static_cast<T>(7), v2 = static_cast<T>(-9);
    auto bind = [](auto f, auto... a) {
        return [=](const T* s, T* d, int n) { return f(s, d, n, a...); };
    };
    auto bind_i = [](auto f, auto... a) {
        return [=](T* s, int n) { return f(s, n, a...); };
    };
    auto lt = [&](T v) { return v <= level ? level : v; };
    auto gt = [&](T v) { return v >= level ? level : v; };
    if (m.lt) check_pair(x, bind(m.lt, level), bind_i(m.lt_i, level), lt);
    if (m.gt) check_pair(x, bind(m.gt, level), bind_i(m.gt_i, level), gt);
    if (m.by_op) {
        for (int op : {0, 1, 2, 3, 5, -1}) check_pair(x, bind(m.by_op, level, ZorCmpOp(op)), bind_i(m.by_op_i, level, ZorCmpOp(op)), lt);
        check_pair(x, bind(m.by_op, level, zorCmpGreater), bind_i(m.by_op_i, level, zorCmpGreater), gt);
    }
    if (m.ltval) check_pair(x, bind(m.ltval, level, v1), bind_i(m.ltval_i, level, v1), [&](T v) { return v < level ? v1 : v; });
    if (m.gtval) check_pair(x, bind(m.gtval, level, v1), bind_i(m.gtval_i, level, v1), [&](T v) { return v > level ? v1 : v; });
    if (m.both) {
        for (T hi : {level2, level}) {  // equal levels replace all but the level itself
            check_pair(x, bind(m.both, level, v1, hi, v2), bind_i(m.both_i, level, v1, hi, v2),
                       [&](T v) { return v < level ? v1 : (v > hi ? v2 : v); });
        }
        std::vector<T> y(4, T(3));
        const std::vector<T> y0 = y;
        if (level2 > level) EXPECT_EQ(m.both(x.data(), y.data(), 4, level2, v1, level, v2), zorStsThreshBoundsErr);
        if (level2 > level) EXPECT_EQ(m.both_i(y.data(), 4, level2, v1, level, v2), zorStsThreshBoundsErr);
        EXPECT_EQ(std::memcmp(y.data(), y0.data(), sizeof(T) * 4), 0);
    }
}

TEST(Threshold, RealMembersFollowTheirRules) {
    const RealMembers<Zor16s> m16{zorsThreshold_LT_16s, zorsThreshold_LT_16s_I, zorsThreshold_GT_16s, zorsThreshold_GT_16s_I,
                                  zorsThreshold_16s, zorsThreshold_16s_I, zorsThreshold_LTVal_16s, zorsThreshold_LTVal_16s_I,
                                  zorsThreshold_GTVal_16s, zorsThreshold_GTVal_16s_I, zorsThreshold_LTValGTVal_16s, zorsThreshold_LTValGTVal_16s_I};
    const RealMembers<Zor32s> m32s{zorsThreshold_LT_32s, zorsThreshold_LT_32s_I, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    const RealMembers<Zor32f> m32{zorsThreshold_LT_32f, zorsThreshold_LT_32f_I, zorsThreshold_GT_32f, zorsThreshold_GT_32f_I,
                                  zorsThreshold_32f, zorsThreshold_32f_I, zorsThreshold_LTVal_32f, zorsThreshold_LTVal_32f_I,
                                  zorsThreshold_GTVal_32f, zorsThreshold_GTVal_32f_I, zorsThreshold_LTValGTVal_32f, zorsThreshold_LTValGTVal_32f_I};
    const RealMembers<Zor64f> m64{zorsThreshold_LT_64f, zorsThreshold_LT_64f_I, zorsThreshold_GT_64f, zorsThreshold_GT_64f_I,
                                  zorsThreshold_64f, zorsThreshold_64f_I, zorsThreshold_LTVal_64f, zorsThreshold_LTVal_64f_I,
                                  zorsThreshold_GTVal_64f, zorsThreshold_GTVal_64f_I, zorsThreshold_LTValGTVal_64f, zorsThreshold_LTValGTVal_64f_I};
    for (Zor16s level : {Zor16s(-100), Zor16s(0), Zor16s(1234), Zor16s(-32768)}) check_real(m16, level, Zor16s(20000));
    check_real(m16, Zor16s(32767), Zor16s(32767));
    for (Zor32s level : {-5, 0, 2147483647, -2147483647 - 1}) check_real(m32s, level, level);
    for (float level : {-3.5f, 0.0f, -0.0f, 42.25f}) check_real(m32, level, 50.0f);
    for (double level : {-3.5, 0.0, 42.25}) check_real(m64, level, 50.0);
    // The signed-zero rule: LT replaces an equal element by the level.
    const float mz = -0.0f;
    float out;
    ASSERT_EQ(zorsThreshold_LT_32f(&mz, &out, 1, 0.0f), zorStsNoErr);
    EXPECT_FALSE(std::signbit(out));
}

// Complex members of one type.
template <class C>
struct ComplexMembers {
    using P = part_t<C>;
    ZorStatus (*lt)(const C*, C*, int, P);
    ZorStatus (*lt_i)(C*, int, P);
    ZorStatus (*gt)(const C*, C*, int, P);
    ZorStatus (*gt_i)(C*, int, P);
    ZorStatus (*by_op)(const C*, C*, int, P, ZorCmpOp);
    ZorStatus (*by_op_i)(C*, int, P, ZorCmpOp);
    ZorStatus (*ltval)(const C*, C*, int, P, C);
    ZorStatus (*ltval_i)(C*, int, P, C);
    ZorStatus (*gtval)(const C*, C*, int, P, C);
    ZorStatus (*gtval_i)(C*, int, P, C);
};

long double round_even(long double v) { return std::nearbyintl(v); }

// The clamped element: z * level / |z|, in long double.
template <class C>
C clamp_ref(const C& z, long double level) {
    using P = part_t<C>;
    const long double m = std::hypot(static_cast<long double>(z.re), static_cast<long double>(z.im));
    const long double re = z.re * level / m, im = z.im * level / m;
    if constexpr (std::is_integral_v<P>) {
        auto sat = [](long double v) {
            v = round_even(v);
            return static_cast<P>(v > 32767 ? 32767 : (v < -32768 ? -32768 : v));
        };
        return C{sat(re), sat(im)};
    } else {
        return C{static_cast<P>(re), static_cast<P>(im)};
    }
}

template <class P>
bool close(P got, P want, int ulps) {
    if constexpr (std::is_integral_v<P>) return got == want;
    else return got == want || std::fabs(got - want) <= ulps * std::numeric_limits<P>::epsilon() * std::max<P>(std::fabs(want), P(1e-30)) + std::numeric_limits<P>::denorm_min();
}

template <class C>
void check_complex(const ComplexMembers<C>& m, part_t<C> level) {
    using P = part_t<C>;
    zt::Rng rng(5);
    std::vector<C> x = {C{0, 0}, C{3, 4}, C{P(-3), 4}, C{0, P(-7)}, C{static_cast<P>(level), 0}, C{0, static_cast<P>(level)}};
    while (x.size() < 400) {
        const P re = static_cast<P>(static_cast<int>(rng.bits() % 8001) - 4000);
        const P im = static_cast<P>(static_cast<int>(rng.bits() % 8001) - 4000);
        const long double mag = std::hypot(static_cast<long double>(re), static_cast<long double>(im));
        if (std::fabs(mag - level) > 1e-3L * (level + 1)) x.push_back(C{re, im});  // clear of the level
    }
    const int n = static_cast<int>(x.size());
    const long double l2 = static_cast<long double>(level) * level;
    auto m2 = [](const C& z) { return static_cast<long double>(z.re) * z.re + static_cast<long double>(z.im) * z.im; };
    auto ref_lt = [&](const C& z) { return m2(z) >= l2 ? z : (m2(z) == 0 ? C{static_cast<P>(level), 0} : clamp_ref(z, level)); };
    auto ref_gt = [&](const C& z) { return m2(z) > l2 ? clamp_ref(z, level) : z; };
    auto run = [&](auto f, auto fi, auto ref, auto... extra) {
        std::vector<C> y(x.size()), z = x;
        ASSERT_EQ(f(x.data(), y.data(), n, level, extra...), zorStsNoErr);
        ASSERT_EQ(fi(z.data(), n, level, extra...), zorStsNoErr);
        for (int i = 0; i < n; ++i) {
            const C want = ref(x[i]);
            ASSERT_TRUE(close(y[i].re, want.re, 2) && close(y[i].im, want.im, 2))
                << "element (" << +x[i].re << ", " << +x[i].im << ") gave (" << +y[i].re << ", " << +y[i].im << ") want (" << +want.re << ", " << +want.im << ")";
            ASSERT_TRUE(zt::same_bits(y[i], z[i])) << "in place, element " << i;
        }
    };
    run(m.lt, m.lt_i, ref_lt);
    run(m.gt, m.gt_i, ref_gt);
    for (int op : {0, 1, 3}) run(m.by_op, m.by_op_i, ref_lt, ZorCmpOp(op));
    run(m.by_op, m.by_op_i, ref_gt, zorCmpGreater);
    const C v{5, P(-6)};
    run(m.ltval, m.ltval_i, [&](const C& z) { return m2(z) < l2 ? v : z; }, v);
    run(m.gtval, m.gtval_i, [&](const C& z) { return m2(z) > l2 ? v : z; }, v);
    // A negative level is rejected before anything is written.
    std::vector<C> y(3, C{1, 1});
    const std::vector<C> y0 = y;
    EXPECT_EQ(m.lt(x.data(), y.data(), 3, P(-1)), zorStsThreshNegLevelErr);
    EXPECT_EQ(m.gt_i(y.data(), 3, P(-1)), zorStsThreshNegLevelErr);
    EXPECT_EQ(m.by_op(x.data(), y.data(), 3, P(-1), zorCmpGreater), zorStsThreshNegLevelErr);
    EXPECT_EQ(m.ltval(x.data(), y.data(), 3, P(-1), v), zorStsThreshNegLevelErr);
    EXPECT_EQ(m.gtval_i(y.data(), 3, P(-1), v), zorStsThreshNegLevelErr);
    EXPECT_EQ(std::memcmp(y.data(), y0.data(), sizeof(C) * 3), 0);
}

TEST(Threshold, ComplexMembersClampByMagnitudeAndKeepThePhase) {
    const ComplexMembers<Zor16sc> m16{zorsThreshold_LT_16sc, zorsThreshold_LT_16sc_I, zorsThreshold_GT_16sc, zorsThreshold_GT_16sc_I,
                                      zorsThreshold_16sc, zorsThreshold_16sc_I, zorsThreshold_LTVal_16sc, zorsThreshold_LTVal_16sc_I,
                                      zorsThreshold_GTVal_16sc, zorsThreshold_GTVal_16sc_I};
    const ComplexMembers<Zor32fc> m32{zorsThreshold_LT_32fc, zorsThreshold_LT_32fc_I, zorsThreshold_GT_32fc, zorsThreshold_GT_32fc_I,
                                      zorsThreshold_32fc, zorsThreshold_32fc_I, zorsThreshold_LTVal_32fc, zorsThreshold_LTVal_32fc_I,
                                      zorsThreshold_GTVal_32fc, zorsThreshold_GTVal_32fc_I};
    const ComplexMembers<Zor64fc> m64{zorsThreshold_LT_64fc, zorsThreshold_LT_64fc_I, zorsThreshold_GT_64fc, zorsThreshold_GT_64fc_I,
                                      zorsThreshold_64fc, zorsThreshold_64fc_I, zorsThreshold_LTVal_64fc, zorsThreshold_LTVal_64fc_I,
                                      zorsThreshold_GTVal_64fc, zorsThreshold_GTVal_64fc_I};
    for (Zor16s level : {Zor16s(0), Zor16s(2), Zor16s(10), Zor16s(2500), Zor16s(32767)}) check_complex(m16, level);
    for (float level : {0.0f, 2.0f, 10.0f, 2500.5f}) check_complex(m32, level);
    for (double level : {0.0, 2.0, 10.0, 2500.5}) check_complex(m64, level);
    // Documented examples: (0, 0) with level 2 gives (2, 0); (3, 4) with 10 gives (6, 8).
    const Zor16sc z[2] = {{0, 0}, {3, 4}};
    Zor16sc y[2];
    ASSERT_EQ(zorsThreshold_LT_16sc(z, y, 2, 2), zorStsNoErr);
    EXPECT_EQ(y[0].re, 2);
    EXPECT_EQ(y[0].im, 0);
    ASSERT_EQ(zorsThreshold_LT_16sc(z + 1, y, 1, 10), zorStsNoErr);
    EXPECT_EQ(y[0].re, 6);
    EXPECT_EQ(y[0].im, 8);
}

template <class T, class L>
void check_inv(ZorStatus (*f)(const T*, T*, int, L), ZorStatus (*fi)(T*, int, L)) {
    constexpr bool cplx = is_complex_v<T>;
    zt::Rng rng(3);
    for (L level : {L(0), L(0.5), L(3)}) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        std::vector<T> x;
        for (int i = 0; i < 300; ++i) {
            const L a = static_cast<L>((static_cast<int>(rng.bits() % 2001) - 1000) / 100.0);
            if constexpr (cplx) x.push_back(T{a, static_cast<L>((static_cast<int>(rng.bits() % 2001) - 1000) / 100.0)});
            else x.push_back(a);
        }
        if constexpr (cplx) x.push_back(T{0, 0});
        else x.insert(x.end(), {L(0), L(-0.0), L(0.25), L(-0.25), level, -level});
        const int n = static_cast<int>(x.size());
        std::vector<T> y(x.size()), z = x;
        const ZorStatus expected = level == 0 ? zorStsInvZero : zorStsNoErr;
        ASSERT_EQ(f(x.data(), y.data(), n, level), expected);
        ASSERT_EQ(fi(z.data(), n, level), expected);
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(zt::same_bits(y[i], z[i])) << "in place, element " << i;
            if constexpr (cplx) {
                const long double re = x[i].re, im = x[i].im, m2 = re * re + im * im;
                long double wr, wi;
                if (m2 == 0) {
                    wr = level == 0 ? INFINITY : 1.0L / level;
                    wi = 0;
                } else if (std::sqrt(m2) <= level) {
                    wr = re / std::sqrt(m2) / level;
                    wi = -im / std::sqrt(m2) / level;
                } else {
                    wr = re / m2;
                    wi = -im / m2;
                }
                ASSERT_TRUE(close<L>(y[i].re, static_cast<L>(wr), 4) && close<L>(y[i].im, static_cast<L>(wi), 4))
                    << "element (" << re << ", " << im << ")";
            } else {
                const L v = x[i];
                const L want = (level > 0 && std::fabs(v) <= level) ? (v < 0 ? -1 / level : 1 / level) : static_cast<L>(1.0L / v);
                ASSERT_TRUE(zt::same_bits(y[i], want)) << "element " << v << " gave " << y[i];
            }
        }
        std::vector<T> w(3, x[0]);
        const std::vector<T> w0 = w;
        EXPECT_EQ(f(x.data(), w.data(), 3, L(-1)), zorStsThreshNegLevelErr);
        EXPECT_EQ(fi(w.data(), 3, L(-1)), zorStsThreshNegLevelErr);
        EXPECT_EQ(std::memcmp(w.data(), w0.data(), sizeof(T) * 3), 0);
    }
}

TEST(Threshold, InverseWithLevel) {
    check_inv(zorsThreshold_LTInv_32f, zorsThreshold_LTInv_32f_I);
    check_inv(zorsThreshold_LTInv_64f, zorsThreshold_LTInv_64f_I);
    check_inv(zorsThreshold_LTInv_32fc, zorsThreshold_LTInv_32fc_I);
    check_inv(zorsThreshold_LTInv_64fc, zorsThreshold_LTInv_64fc_I);
    const float x[3] = {0.25f, -0.25f, 0.0f};
    float y[3];
    ASSERT_EQ(zorsThreshold_LTInv_32f(x, y, 2, 0.5f), zorStsNoErr);
    EXPECT_EQ(y[0], 2.0f);
    EXPECT_EQ(y[1], -2.0f);
    ASSERT_EQ(zorsThreshold_LTInv_32f(x, y, 3, 0.0f), zorStsInvZero);
    EXPECT_TRUE(std::isinf(y[2]));
    EXPECT_EQ(y[0], 4.0f);
}

// Magnitudes whose squares leave the component's range are still clamped
// and inverted correctly.
template <class C>
void check_extremes() {
    using P = part_t<C>;
    const P big = sizeof(P) == 4 ? P(1e30) : P(1e200), tiny = sizeof(P) == 4 ? P(1e-30) : P(1e-200);
    const C z[3] = {{big, big}, {tiny, -tiny}, {-big, 0}};
    C y[3];
    if constexpr (sizeof(P) == 4) {
        ASSERT_EQ(zorsThreshold_GT_32fc(z, y, 3, 2.0f), zorStsNoErr);
    } else {
        ASSERT_EQ(zorsThreshold_GT_64fc(z, y, 3, 2.0), zorStsNoErr);
    }
    const P r = std::sqrt(P(2));
    EXPECT_TRUE(close<P>(y[0].re, r, 2) && close<P>(y[0].im, r, 2)) << y[0].re << ", " << y[0].im;
    EXPECT_TRUE(zt::same_bits(y[1], z[1]));
    EXPECT_TRUE(close<P>(y[2].re, P(-2), 1) && y[2].im == 0);
    if constexpr (sizeof(P) == 4) {
        ASSERT_EQ(zorsThreshold_LTInv_32fc(z, y, 3, 0.0f), zorStsNoErr);
    } else {
        ASSERT_EQ(zorsThreshold_LTInv_64fc(z, y, 3, 0.0), zorStsNoErr);
    }
    EXPECT_TRUE(close<P>(y[0].re, P(0.5) / big, 2) && close<P>(y[0].im, P(-0.5) / big, 2)) << y[0].re;
    EXPECT_TRUE(close<P>(y[1].re, P(0.5) / tiny, 2) && close<P>(y[1].im, P(0.5) / tiny, 2)) << y[1].re;
    EXPECT_TRUE(close<P>(y[2].re, P(-1) / big, 1));
}

TEST(Threshold, ComplexExtremes) {
    check_extremes<Zor32fc>();
    check_extremes<Zor64fc>();
}

TEST(Threshold, ArgumentChecks) {
    ZT_CHECKS(zorsThreshold_16s, 1);
    ZT_CHECKS(zorsThreshold_32fc_I, 1);
    ZT_CHECKS(zorsThreshold_64fc, 1);
    ZT_CHECKS(zorsThreshold_LT_16s, 1);
    ZT_CHECKS(zorsThreshold_LT_32s_I, 1);
    ZT_CHECKS(zorsThreshold_LT_32f, 1);
    ZT_CHECKS(zorsThreshold_LT_16sc, 1);
    ZT_CHECKS(zorsThreshold_GT_64f_I, 1);
    ZT_CHECKS(zorsThreshold_GT_32fc, 1);
    ZT_CHECKS(zorsThreshold_LTVal_16sc, 1);
    ZT_CHECKS(zorsThreshold_LTVal_64f_I, 1);
    ZT_CHECKS(zorsThreshold_GTVal_32f, 1);
    ZT_CHECKS(zorsThreshold_GTVal_64fc_I, 1);
    ZT_CHECKS(zorsThreshold_LTValGTVal_16s, 1);
    ZT_CHECKS(zorsThreshold_LTValGTVal_32f_I, 1);
    ZT_CHECKS(zorsThreshold_LTValGTVal_64f, 1);
    ZT_CHECKS(zorsThreshold_LTInv_32f, 1);
    ZT_CHECKS(zorsThreshold_LTInv_64fc_I, 1);
}

}  // namespace
