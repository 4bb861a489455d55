// Windows against their closed forms in long double for every data type,
// length class and placement; the exact middle element, the three-element
// cases, the integer rounding rules, Kaiser's limits and the check order.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/arg_checks.h"
#include "tests/common.h"

namespace {

using ld = long double;
const ld kPi = 3.141592653589793238462643383279502884L;

// Closed forms of the weights.
enum class Win { bartlett, hann, hamming, blackman, blackman_std, blackman_opt, kaiser };

// I0 by its power series.
ld bessel_i0(ld x) {
    ld term = 1, sum = 1;
    for (int k = 1; k < 500; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
        if (term < sum * 1e-21L) break;
    }
    return sum;
}

// `single`: the Blackman alphas the exports form are rounded to float.
ld weight(Win w, int n, int N, ld alpha, bool single = false) {
    if (N == 1) return 1;
    const ld x = 2 * kPi * n / (N - 1);
    switch (w) {
    case Win::bartlett: return n <= (N - 1) / 2.0L ? 2.0L * n / (N - 1) : 2 - 2.0L * n / (N - 1);
    case Win::hann: return 0.5L - 0.5L * std::cos(x);
    case Win::hamming: return 0.54L - 0.46L * std::cos(x);
    case Win::blackman_std: alpha = single ? -0.16f : -0.16L; [[fallthrough]];
    case Win::blackman_opt:
        if (w == Win::blackman_opt) alpha = -0.25L / (std::cos(kPi / (N - 1)) * std::cos(kPi / (N - 1)));
        if (w == Win::blackman_opt && single) alpha = static_cast<float>(alpha);
        [[fallthrough]];
    case Win::blackman: return (alpha + 1) / 2 - 0.5L * std::cos(x) - alpha / 2 * std::cos(2 * x);
    case Win::kaiser: return bessel_i0(alpha * std::sqrt(ld(n) * (N - 1 - n))) / bessel_i0(alpha * (N - 1) / 2);
    }
    return 0;
}

// One export pair of a window for one data type, with its parameter bound.
template <class T>
struct Member {
    std::string name;
    Win win;
    double alpha;
    std::function<ZorStatus(const T*, T*, int)> out;
    std::function<ZorStatus(T*, int)> in;
    double rel_tol;  // of the weight (Kaiser's I0 fits), 0 for the rounding of the type
    int sf = 0;
};

template <class T> struct part_of { using type = T; };
template <> struct part_of<Zor16sc> { using type = Zor16s; };
template <> struct part_of<Zor32fc> { using type = Zor32f; };
template <> struct part_of<Zor64fc> { using type = Zor64f; };
template <class T> constexpr int nparts = sizeof(T) / sizeof(typename part_of<T>::type);

#define PLAIN(W, S, T, win) \
    Member<T>{#W "_" #S, win, 0, zorsWin##W##_##S, zorsWin##W##_##S##_I, 0}
#define ALPHA(W, S, T, win, a, tol) \
    Member<T>{#W "_" #S, win, a, [](const T* s, T* d, int n) { return zorsWin##W##_##S(s, d, n, a); }, [](T* d, int n) { return zorsWin##W##_##S##_I(d, n, a); }, tol}
#define Q15(W, S, T, win, a, tol) \
    Member<T>{#W "Q15_" #S, win, (a) / 32768.0, [](const T* s, T* d, int n) { return zorsWin##W##Q15_##S(s, d, n, a); }, [](T* d, int n) { return zorsWin##W##Q15_##S##_I(d, n, a); }, tol}

template <class T>
std::vector<Member<T>> members_of();
#define MEMBERS(S, T, ktol)                                                                               \
    template <> std::vector<Member<T>> members_of<T>() {                                                  \
        return {PLAIN(Bartlett, S, T, Win::bartlett), PLAIN(Hann, S, T, Win::hann),                      \
                PLAIN(Hamming, S, T, Win::hamming), PLAIN(BlackmanStd, S, T, Win::blackman_std),          \
                PLAIN(BlackmanOpt, S, T, Win::blackman_opt), ALPHA(Blackman, S, T, Win::blackman, 0.25, 0), \
                ALPHA(Blackman, S, T, Win::blackman, -0.5, 0), ALPHA(Kaiser, S, T, Win::kaiser, 0.375f, ktol), \
                ALPHA(Kaiser, S, T, Win::kaiser, 0.0625f, ktol)};                                         \
    }
// Kaiser's I0 fits: 5.6e-6 relative near 4 for the floating types, 2e-7
// for the handbook fit of the integer ones; a weight is a ratio of two.
MEMBERS(32f, Zor32f, 1.2e-5)
MEMBERS(32fc, Zor32fc, 1.2e-5)
MEMBERS(64f, Zor64f, 1.2e-5)
MEMBERS(64fc, Zor64fc, 1.2e-5)
#define MEMBERS_16(S, T)                                                                                        \
    template <> std::vector<Member<T>> members_of<T>() {                                                        \
        return {PLAIN(Bartlett, S, T, Win::bartlett), PLAIN(Hann, S, T, Win::hann),                            \
                PLAIN(Hamming, S, T, Win::hamming), PLAIN(BlackmanStd, S, T, Win::blackman_std),                \
                PLAIN(BlackmanOpt, S, T, Win::blackman_opt), ALPHA(Blackman, S, T, Win::blackman, 0.25f, 0),    \
                ALPHA(Kaiser, S, T, Win::kaiser, 0.375f, 6e-7), Q15(Blackman, S, T, Win::blackman, -5243, 0),   \
                Q15(Kaiser, S, T, Win::kaiser, 12288, 6e-7)};                                                   \
    }
MEMBERS_16(16s, Zor16s)
MEMBERS_16(16sc, Zor16sc)

// Source values: random, with some at the type's extremes.
template <class P>
P sample(zt::Rng& rng) {
    if constexpr (std::is_integral_v<P>) return rng.any<P>();
    else return static_cast<P>(((rng.bits() >> 11) * 0x1p-53 - 0.5) * 2000);
}

template <class T>
void check_members() {
    using P = typename part_of<T>::type;
    constexpr int np = nparts<T>;
    std::vector<int> lens;
    for (int n = 3; n <= 40; ++n) lens.push_back(n);
    for (int n : {63, 64, 65, 128, 129, 1000, 1001}) lens.push_back(n);
    zt::Rng rng(31);
    for (const Member<T>& m : members_of<T>()) {
        SCOPED_TRACE(m.name);
        for (int N : lens) {
            if (m.win == Win::blackman_opt && N < 4) continue;
            zt::Guarded<T> src(N, 0), dst(N, static_cast<int>(sizeof(T)));  // misaligned by one element
            P* s = reinterpret_cast<P*>(src.data());
            for (int i = 0; i < N * np; ++i) s[i] = sample<P>(rng);
            const double limit = std::is_same_v<P, Zor32f> ? 38 : 308;
            if (m.win == Win::kaiser && std::fabs(m.alpha) * (N - 1) / 2 > limit) {
                ASSERT_EQ(m.out(src.data(), dst.data(), N), zorStsHugeWinErr) << "len " << N;
                EXPECT_TRUE(dst.untouched());
                continue;
            }
            ASSERT_EQ(m.out(src.data(), dst.data(), N), zorStsNoErr) << "len " << N;
            EXPECT_TRUE(dst.guards_intact());
            const P* d = reinterpret_cast<const P*>(dst.data());
            for (int n = 0; n < N; ++n) {
                const ld w = (N == 3 && m.win != Win::hamming && m.win != Win::kaiser) ? (n == 1 ? 1 : 0) : weight(m.win, n, N, m.alpha, !std::is_same_v<P, Zor64f>);
                for (int k = 0; k < np; ++k) {
                    const ld exact = static_cast<ld>(s[n * np + k]) * w;
                    const ld got = d[n * np + k];
                    if (N % 2 == 1 && n == N / 2) {
                        ASSERT_EQ(std::memcmp(&d[n * np + k], &s[n * np + k], sizeof(P)), 0) << "middle of " << N;
                        continue;
                    }
                    ld tol;
                    if constexpr (std::is_integral_v<P>) tol = 0.5L + std::fabs(exact) * m.rel_tol + 1e-7L;
                    // The product's rounding, plus the weight's: a few ulps of
                    // double (Bartlett sums its step: n of them).
                    else tol = std::fabs(exact) * (m.rel_tol + (sizeof(P) == 4 ? 6e-8L : 3e-16L)) +
                               std::fabs(static_cast<ld>(s[n * np + k])) * 2.3e-16L * (m.win == Win::bartlett ? n + 2 : 4);
                    if constexpr (std::is_integral_v<P>) {
                        if (exact >= 32767) { ASSERT_EQ(got, 32767); continue; }
                        if (exact <= -32768) { ASSERT_EQ(got, -32768); continue; }
                    }
                    ASSERT_LE(std::fabs(got - exact), tol) << "len " << N << " n " << n << " part " << k << " src " << static_cast<double>(s[n * np + k]);
                }
            }
            // In place gives the same bits.
            std::vector<T> io(src.data(), src.data() + N);
            ASSERT_EQ(m.in(io.data(), N), zorStsNoErr);
            ASSERT_EQ(std::memcmp(io.data(), dst.data(), N * sizeof(T)), 0) << "in place, len " << N;
        }
    }
}

TEST(Windows, ClosedForms) {
    check_members<Zor32f>();
    check_members<Zor32fc>();
    check_members<Zor64f>();
    check_members<Zor64fc>();
    check_members<Zor16s>();
    check_members<Zor16sc>();
}

TEST(Windows, ThreePointsAndSmallCases) {
    const Zor64f x[3] = {3.0, -7.0, 11.0};
    Zor64f y[3];
    for (auto f : {zorsWinBartlett_64f, zorsWinHann_64f, zorsWinBlackmanStd_64f}) {
        ASSERT_EQ(f(x, y, 3), zorStsNoErr);
        EXPECT_EQ(y[0], 0.0);
        EXPECT_EQ(y[1], -7.0);
        EXPECT_EQ(y[2], 0.0);
    }
    ASSERT_EQ(zorsWinBlackman_64f(x, y, 3, 0.7), zorStsNoErr);
    EXPECT_EQ(y[0], 0.0);
    ASSERT_EQ(zorsWinHamming_64f(x, y, 3), zorStsNoErr);
    EXPECT_NEAR(y[0], 0.08 * 3, 1e-15);
    EXPECT_EQ(y[1], -7.0);
    EXPECT_NEAR(y[2], 0.08 * 11, 1e-15);
    // Optimal Blackman of four points uses alpha = -1: 0.5*cos(2x) - 0.5*cos(x) at x = 0, 2pi/3.
    Zor64f four[4] = {1, 1, 1, 1}, b[4], r[4];
    ASSERT_EQ(zorsWinBlackmanOpt_64f(four, b, 4), zorStsNoErr);
    ASSERT_EQ(zorsWinBlackman_64f(four, r, 4, -1.0), zorStsNoErr);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(b[i], r[i], 1e-15);
    EXPECT_NEAR(b[1], 0.0, 1e-15);  // (alpha + 1)/2 - cos(2pi/3)/2 - (alpha/2) cos(4pi/3) with alpha = -1
    // Kaiser of one element copies it.
    Zor32f one = 5.5f, out = 0;
    ASSERT_EQ(zorsWinKaiser_32f(&one, &out, 1, 3.0f), zorStsNoErr);
    EXPECT_EQ(out, 5.5f);
    // Bartlett of five: weights 0, 0.5, 1; integer halves round to even.
    const Zor16s s[5] = {9, 3, 4, 5, 9};
    Zor16s d[5];
    ASSERT_EQ(zorsWinBartlett_16s(s, d, 5), zorStsNoErr);
    EXPECT_EQ(d[0], 0);
    EXPECT_EQ(d[1], 2);  // 1.5
    EXPECT_EQ(d[2], 4);
    EXPECT_EQ(d[3], 2);  // 2.5
    EXPECT_EQ(d[4], 0);
}

TEST(Windows, ScaledBlackmanQ15) {
    zt::Rng rng(5);
    for (int sf : {-2, 0, 1, 3, 16}) {
        std::vector<Zor16s> a(33), b(33);
        for (auto& v : a) v = rng.any<Zor16s>();
        b = a;
        ASSERT_EQ(zorsWinBlackmanQ15_16s_ISfs(b.data(), 33, -5243, sf), zorStsNoErr);
        for (int n = 0; n < 33; ++n) {
            const ld exact = std::ldexp(static_cast<ld>(a[n]) * (n == 16 ? 1 : weight(Win::blackman, n, 33, -5243 / 32768.0L)), -sf);
            const ld clamped = exact > 32767 ? 32767 : (exact < -32768 ? -32768 : exact);
            EXPECT_LE(std::fabs(b[n] - clamped), 0.5L + 1e-9L) << "sf " << sf << " n " << n;
        }
    }
}

TEST(Windows, KaiserLimits) {
    std::vector<Zor32f> f(700, 1.f), g(700);
    std::vector<Zor64f> d(700, 1.0), e(700);
    std::vector<Zor16s> s(700, 100), t(700);
    EXPECT_EQ(zorsWinKaiser_32f(f.data(), g.data(), 77, 1.0f), zorStsNoErr);
    EXPECT_EQ(zorsWinKaiser_32f(f.data(), g.data(), 78, 1.0f), zorStsHugeWinErr);
    EXPECT_EQ(zorsWinKaiser_32f(f.data(), g.data(), 78, -1.0f), zorStsHugeWinErr);
    EXPECT_EQ(zorsWinKaiser_32fc_I(reinterpret_cast<Zor32fc*>(f.data()), 78, 1.0f), zorStsHugeWinErr);
    EXPECT_EQ(zorsWinKaiser_64f(d.data(), e.data(), 617, 1.0f), zorStsNoErr);
    EXPECT_EQ(zorsWinKaiser_64f(d.data(), e.data(), 618, 1.0f), zorStsHugeWinErr);
    EXPECT_EQ(zorsWinKaiser_16s(s.data(), t.data(), 617, 1.0f), zorStsNoErr);
    EXPECT_EQ(zorsWinKaiser_16s(s.data(), t.data(), 618, 1.0f), zorStsHugeWinErr);
    EXPECT_EQ(zorsWinKaiserQ15_16s(s.data(), t.data(), 618, 32768), zorStsHugeWinErr);
    EXPECT_EQ(zorsWinKaiserQ15_16sc_I(reinterpret_cast<Zor16sc*>(s.data()), 309, 65536), zorStsNoErr);
    // The window at the limit is finite and peaks at 1 in the middle.
    ASSERT_EQ(zorsWinKaiser_64f(d.data(), e.data(), 617, 1.0f), zorStsNoErr);
    EXPECT_EQ(e[308], 1.0);
    EXPECT_NEAR(e[0], 1 / static_cast<double>(bessel_i0(308)), 1e-6 / static_cast<double>(bessel_i0(308)));
}

// The floating windows use the accurate I0 (1e-9 below 4), double data
// included; beta = 0.3*20/2 = 3 stays in the small-argument fit.
TEST(Windows, KaiserBesselAccuracy) {
    std::vector<Zor64f> x(21, 1.0), y(21);
    std::vector<Zor64fc> xc(21, Zor64fc{1.0, -2.0}), yc(21);
    ASSERT_EQ(zorsWinKaiser_64f(x.data(), y.data(), 21, 0.3f), zorStsNoErr);
    ASSERT_EQ(zorsWinKaiser_64fc(xc.data(), yc.data(), 21, 0.3f), zorStsNoErr);
    for (int n = 0; n < 21; ++n) {
        const double w = static_cast<double>(weight(Win::kaiser, n, 21, 0.3f));
        EXPECT_NEAR(y[n], w, 3e-9 * w) << n;
        EXPECT_NEAR(yc[n].im, -2 * w, 6e-9 * w) << n;
    }
}

TEST(Windows, ArgumentChecks) {
#define CHECKS_OF(S)                                                                                  \
    ZT_CHECKS(zorsWinBartlett_##S, 3); ZT_CHECKS(zorsWinBartlett_##S##_I, 3);                         \
    ZT_CHECKS(zorsWinHann_##S, 3); ZT_CHECKS(zorsWinHann_##S##_I, 3);                                 \
    ZT_CHECKS(zorsWinHamming_##S, 3); ZT_CHECKS(zorsWinHamming_##S##_I, 3);                           \
    ZT_CHECKS(zorsWinBlackmanStd_##S, 3); ZT_CHECKS(zorsWinBlackmanStd_##S##_I, 3);                   \
    ZT_CHECKS(zorsWinBlackman_##S, 3); ZT_CHECKS(zorsWinBlackman_##S##_I, 3);                         \
    ZT_CHECKS(zorsWinKaiser_##S, 1); ZT_CHECKS(zorsWinKaiser_##S##_I, 1);
    CHECKS_OF(16s) CHECKS_OF(16sc) CHECKS_OF(32f) CHECKS_OF(32fc) CHECKS_OF(64f) CHECKS_OF(64fc)
#undef CHECKS_OF
    ZT_CHECKS(zorsWinBlackmanQ15_16s, 3); ZT_CHECKS(zorsWinBlackmanQ15_16s_I, 3); ZT_CHECKS(zorsWinBlackmanQ15_16s_ISfs, 3);
    ZT_CHECKS(zorsWinBlackmanQ15_16sc, 3); ZT_CHECKS(zorsWinBlackmanQ15_16sc_I, 3);
    ZT_CHECKS(zorsWinKaiserQ15_16s, 1); ZT_CHECKS(zorsWinKaiserQ15_16s_I, 1); ZT_CHECKS(zorsWinKaiserQ15_16sc, 1);
    ZT_CHECKS(zorsWinKaiserQ15_16sc_I, 1);
    // BlackmanOpt tests the length first: -6 even with null pointers.
    Zor32f x[8] = {}, y[8] = {};
    EXPECT_EQ(zorsWinBlackmanOpt_32f(nullptr, nullptr, 3), zorStsSizeErr);
    EXPECT_EQ(zorsWinBlackmanOpt_64fc_I(nullptr, 3), zorStsSizeErr);
    EXPECT_EQ(zorsWinBlackmanOpt_32f(nullptr, y, 4), zorStsNullPtrErr);
    EXPECT_EQ(zorsWinBlackmanOpt_16s_I(nullptr, 4), zorStsNullPtrErr);
    EXPECT_EQ(zorsWinBlackmanOpt_32f(x, y, 4), zorStsNoErr);
    // Kaiser: pointers, then length, then size of the window.
    EXPECT_EQ(zorsWinKaiser_32f(nullptr, y, 0, 1e9f), zorStsNullPtrErr);
    EXPECT_EQ(zorsWinKaiser_32f(x, y, 0, 1e9f), zorStsSizeErr);
    const Zor32f keep = y[0];
    EXPECT_EQ(zorsWinKaiser_32f(x, y, 8, 1e9f), zorStsHugeWinErr);
    EXPECT_EQ(y[0], keep);
}

}  // namespace
