// Sum, Mean, StdDev, Norm, NormDiff and DotProd against exact integer and
// long-double reference models, at every dispatch level.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "tests/common.h"
#include "tests/ref/scale_ref.h"
#include "tests/ref/stats_ref.h"
#include "tests/arg_checks.h"
#include "zors.h"

namespace {

using zref::Cld;

// Scale factors to sweep: every value from -40 to 70 and the extremes.
std::vector<int> scale_factors() {
    std::vector<int> v;
    for (int s = -40; s <= 70; ++s) v.push_back(s);
    v.push_back(INT_MIN);
    v.push_back(INT_MAX);
    v.push_back(100);
    v.push_back(-100);
    return v;
}

// Source patterns for 16-bit data: random, both saturation edges, small.
enum class Pattern { Random, Min, Max, Small };
constexpr Pattern kPatterns[] = {Pattern::Random, Pattern::Min, Pattern::Max, Pattern::Small};

void fill16(Zor16s* p, int n, Pattern pat, zt::Rng& rng) {
    for (int i = 0; i < n; ++i) {
        switch (pat) {
        case Pattern::Random: p[i] = rng.any<Zor16s>(); break;
        case Pattern::Min: p[i] = INT16_MIN; break;
        case Pattern::Max: p[i] = INT16_MAX; break;
        case Pattern::Small: p[i] = static_cast<Zor16s>(static_cast<int>(rng.bits() % 7) - 3); break;
        }
    }
}

template <class T>
void fill16(T* p, int n, Pattern pat, zt::Rng& rng) {
    if constexpr (std::is_same_v<T, Zor16sc>) fill16(&p->re, 2 * n, pat, rng);
    else fill16(p, n, pat, rng);
}

// Lengths for the long-running sweeps (the scale sweep multiplies them).
std::vector<int> short_lengths() { return {1, 2, 3, 7, 15, 16, 17, 31, 33, 64, 65, 70, 129, 1000}; }

// Uniform values in [lo, hi).
template <class P>
P uniform(zt::Rng& rng, double lo, double hi) {
    return static_cast<P>(lo + (hi - lo) * static_cast<double>(rng.bits() >> 11) * 0x1p-53);
}

template <class T>
void fill_float(T* p, int n, zt::Rng& rng, double lo, double hi) {
    for (int i = 0; i < n; ++i) {
        if constexpr (zref::is_cplx<T>::value) {
            p[i].re = uniform<decltype(p[i].re)>(rng, lo, hi);
            p[i].im = uniform<decltype(p[i].im)>(rng, lo, hi);
        } else {
            p[i] = uniform<T>(rng, lo, hi);
        }
    }
}

TEST(Reductions, ArgumentChecks) {
    ZT_CHECKS(zorsSum_32f, 1); ZT_CHECKS(zorsSum_32fc, 1); ZT_CHECKS(zorsSum_64f, 1); ZT_CHECKS(zorsSum_64fc, 1);
    ZT_CHECKS(zorsSum_16s_Sfs, 1); ZT_CHECKS(zorsSum_16sc_Sfs, 1); ZT_CHECKS(zorsSum_16s32s_Sfs, 1);
    ZT_CHECKS(zorsSum_16sc32sc_Sfs, 1); ZT_CHECKS(zorsSum_32s_Sfs, 1);
    ZT_CHECKS(zorsMean_32f, 1); ZT_CHECKS(zorsMean_32fc, 1); ZT_CHECKS(zorsMean_64f, 1); ZT_CHECKS(zorsMean_64fc, 1);
    ZT_CHECKS(zorsMean_16s_Sfs, 1); ZT_CHECKS(zorsMean_16sc_Sfs, 1);
    ZT_CHECKS(zorsStdDev_32f, 2); ZT_CHECKS(zorsStdDev_64f, 2); ZT_CHECKS(zorsStdDev_16s32s_Sfs, 2);
    ZT_CHECKS(zorsStdDev_16s_Sfs, 2);
    ZT_CHECKS(zorsNorm_Inf_32f, 1); ZT_CHECKS(zorsNorm_Inf_64f, 1); ZT_CHECKS(zorsNorm_Inf_16s32f, 1);
    ZT_CHECKS(zorsNorm_Inf_16s32s_Sfs, 1); ZT_CHECKS(zorsNorm_Inf_32fc32f, 1); ZT_CHECKS(zorsNorm_Inf_64fc64f, 1);
    ZT_CHECKS(zorsNorm_L1_32f, 1); ZT_CHECKS(zorsNorm_L1_64f, 1); ZT_CHECKS(zorsNorm_L1_16s32f, 1);
    ZT_CHECKS(zorsNorm_L1_16s32s_Sfs, 1); ZT_CHECKS(zorsNorm_L1_32fc64f, 1); ZT_CHECKS(zorsNorm_L1_64fc64f, 1);
    ZT_CHECKS(zorsNorm_L2_32f, 1); ZT_CHECKS(zorsNorm_L2_64f, 1); ZT_CHECKS(zorsNorm_L2_16s32f, 1);
    ZT_CHECKS(zorsNorm_L2_16s32s_Sfs, 1); ZT_CHECKS(zorsNorm_L2_32fc64f, 1); ZT_CHECKS(zorsNorm_L2_64fc64f, 1);
    ZT_CHECKS(zorsNormDiff_Inf_32f, 1); ZT_CHECKS(zorsNormDiff_Inf_64f, 1); ZT_CHECKS(zorsNormDiff_Inf_16s32f, 1);
    ZT_CHECKS(zorsNormDiff_Inf_16s32s_Sfs, 1); ZT_CHECKS(zorsNormDiff_Inf_32fc32f, 1);
    ZT_CHECKS(zorsNormDiff_Inf_64fc64f, 1);
    ZT_CHECKS(zorsNormDiff_L1_32f, 1); ZT_CHECKS(zorsNormDiff_L1_64f, 1); ZT_CHECKS(zorsNormDiff_L1_16s32f, 1);
    ZT_CHECKS(zorsNormDiff_L1_16s32s_Sfs, 1); ZT_CHECKS(zorsNormDiff_L1_32fc64f, 1);
    ZT_CHECKS(zorsNormDiff_L1_64fc64f, 1);
    ZT_CHECKS(zorsNormDiff_L2_32f, 1); ZT_CHECKS(zorsNormDiff_L2_64f, 1); ZT_CHECKS(zorsNormDiff_L2_16s32f, 1);
    ZT_CHECKS(zorsNormDiff_L2_16s32s_Sfs, 1); ZT_CHECKS(zorsNormDiff_L2_32fc64f, 1);
    ZT_CHECKS(zorsNormDiff_L2_64fc64f, 1);
    ZT_CHECKS(zorsDotProd_32f, 1); ZT_CHECKS(zorsDotProd_32fc, 1); ZT_CHECKS(zorsDotProd_32f32fc, 1);
    ZT_CHECKS(zorsDotProd_32f64f, 1); ZT_CHECKS(zorsDotProd_32fc64fc, 1); ZT_CHECKS(zorsDotProd_32f32fc64fc, 1);
    ZT_CHECKS(zorsDotProd_64f, 1); ZT_CHECKS(zorsDotProd_64fc, 1); ZT_CHECKS(zorsDotProd_64f64fc, 1);
    ZT_CHECKS(zorsDotProd_16s64s, 1); ZT_CHECKS(zorsDotProd_16sc64sc, 1); ZT_CHECKS(zorsDotProd_16s16sc64sc, 1);
    ZT_CHECKS(zorsDotProd_16s32f, 1); ZT_CHECKS(zorsDotProd_16sc32fc, 1); ZT_CHECKS(zorsDotProd_16s16sc32fc, 1);
    ZT_CHECKS(zorsDotProd_16s_Sfs, 1); ZT_CHECKS(zorsDotProd_16sc_Sfs, 1); ZT_CHECKS(zorsDotProd_16s16sc_Sfs, 1);
    ZT_CHECKS(zorsDotProd_16s32s_Sfs, 1); ZT_CHECKS(zorsDotProd_16sc32sc_Sfs, 1);
    ZT_CHECKS(zorsDotProd_16s16sc32sc_Sfs, 1); ZT_CHECKS(zorsDotProd_32s_Sfs, 1); ZT_CHECKS(zorsDotProd_32sc_Sfs, 1);
    ZT_CHECKS(zorsDotProd_32s32sc_Sfs, 1); ZT_CHECKS(zorsDotProd_16s32s32s_Sfs, 1);
}

// ---------------------------------------------------------------- integer sums

template <class T>
Cld exact_sum(const T* p, int n) {
    Cld s;
    for (int i = 0; i < n; ++i) { s.re += zref::re(p[i]); s.im += zref::im(p[i]); }
    return s;
}

template <class D, class R>
void expect_parts(const D& got, const R& want_re, const R& want_im) {
    if constexpr (zref::is_cplx<D>::value) {
        EXPECT_EQ(got.re, want_re);
        EXPECT_EQ(got.im, want_im);
    } else {
        (void)want_im;
        EXPECT_EQ(got, want_re);
    }
}

template <class T, class D>
void check_int_sum(ZorStatus (*f)(const T*, int, D*, int), bool mean) {
    zt::Rng rng(101);
    SCOPED_TRACE(rng.seed());
    using P = zref::part_t<D>;
    zt::for_each_isa([&](zors::Isa) {
        for (Pattern pat : kPatterns) {
            for (int len : short_lengths()) {
                zt::Guarded<T> src(len, zref::skew<T>(3));
                fill16(src.data(), len, pat, rng);
                const Cld s = exact_sum(src.data(), len);
                for (int sf : scale_factors()) {
                    zt::Guarded<D> dst(1, zref::skew<D>(1));
                    ASSERT_EQ(f(src.data(), len, dst.data(), sf), zorStsNoErr);
                    P want_re, want_im;
                    if (mean) {
                        auto mean_ref = [&](long double v) -> P {
                            if (sf >= 16) return 0;
                            if (sf < -14) return v > 0 ? INT16_MAX : (v < 0 ? INT16_MIN : 0);
                            return zref::scale_sat<P>(v / len, sf);
                        };
                        want_re = mean_ref(s.re);
                        want_im = mean_ref(s.im);
                    } else {
                        want_re = zref::scale_sat<P>(s.re, sf);
                        want_im = zref::scale_sat<P>(s.im, sf);
                    }
                    SCOPED_TRACE(testing::Message() << "len " << len << " sf " << sf);
                    expect_parts(dst[0], want_re, want_im);
                    EXPECT_TRUE(dst.guards_intact());
                }
            }
        }
    });
}

TEST(Sum, IntegerExactEveryScale) {
    check_int_sum(zorsSum_16s_Sfs, false);
    check_int_sum(zorsSum_16sc_Sfs, false);
    check_int_sum(zorsSum_16s32s_Sfs, false);
    check_int_sum(zorsSum_16sc32sc_Sfs, false);
}

TEST(Mean, IntegerEveryScale) {
    check_int_sum(zorsMean_16s_Sfs, true);
    check_int_sum(zorsMean_16sc_Sfs, true);
}

TEST(Sum, Int32ExactEveryScale) {
    zt::Rng rng(7);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (int len : short_lengths()) {
            for (int kind = 0; kind < 3; ++kind) {
                std::vector<Zor32s> v(len);
                for (auto& x : v) x = kind == 0 ? rng.any<Zor32s>() : (kind == 1 ? INT32_MIN : INT32_MAX);
                const long double s = exact_sum(v.data(), len).re;
                for (int sf : scale_factors()) {
                    Zor32s got = 0;
                    ASSERT_EQ(zorsSum_32s_Sfs(v.data(), len, &got, sf), zorStsNoErr);
                    EXPECT_EQ(got, zref::scale_sat<Zor32s>(s, sf)) << "len " << len << " sf " << sf;
                }
            }
        }
    });
}

// Sums longer than one 65536-element stretch of 32-bit partial sums.
TEST(Sum, LongVectorsStayExact) {
    const int len = 140000;
    std::vector<Zor16s> v(len, INT16_MIN);
    v[70000] = INT16_MAX;
    const long double s = exact_sum(v.data(), len).re;
    zt::for_each_isa([&](zors::Isa) {
        for (int sf : {0, 1, 17, 33, -1}) {
            Zor32s got = 0;
            ASSERT_EQ(zorsSum_16s32s_Sfs(v.data(), len, &got, sf), zorStsNoErr);
            EXPECT_EQ(got, zref::scale_sat<Zor32s>(s, sf)) << sf;
        }
        Zor32s l1 = 0;
        ASSERT_EQ(zorsNorm_L1_16s32s_Sfs(v.data(), 65537, &l1, 0), zorStsNoErr);
        EXPECT_EQ(l1, INT32_MAX);
    });
}

TEST(Sum, DocumentedCases) {
    const Zor16s a[] = {32767, 1};
    Zor16s r = 0;
    zorsSum_16s_Sfs(a, 2, &r, 0);
    EXPECT_EQ(r, 32767);
    zorsSum_16s_Sfs(a, 2, &r, 1);
    EXPECT_EQ(r, 16384);
    const Zor16s three[] = {1, 2}, one[] = {1};
    zorsSum_16s_Sfs(three, 2, &r, 1);
    EXPECT_EQ(r, 2);
    zorsSum_16s_Sfs(one, 1, &r, 1);
    EXPECT_EQ(r, 0);
    const Zor16s big[] = {30000, 30000};
    for (int sf : {16, 20, 40}) {
        zorsMean_16s_Sfs(big, 2, &r, sf);
        EXPECT_EQ(r, 0) << sf;
    }
}

// ------------------------------------------------------------ float sums

// The long-double sum and the sum of magnitudes of a real or complex vector.
template <class T>
void exact_float_sum(const T* p, int n, Cld& s, long double& abs_re, long double& abs_im) {
    s = exact_sum(p, n);
    abs_re = abs_im = 0;
    for (int i = 0; i < n; ++i) { abs_re += std::fabs(zref::re(p[i])); abs_im += std::fabs(zref::im(p[i])); }
}

template <class T, class F>
void check_float_sum(F call, bool fast, bool mean) {
    using P = zref::part_t<T>;
    zt::Rng rng(55);
    SCOPED_TRACE(rng.seed());
    for (double lo : {0.5, -1.0}) {
        for (int len : zt::test_lengths()) {
            zt::Guarded<T> src(len, zref::skew<T>(1));
            fill_float(src.data(), len, rng, lo, 1.0);
            Cld s;
            long double ar, ai;
            exact_float_sum(src.data(), len, s, ar, ai);
            const long double u = std::is_same_v<P, float> && fast ? zref::kU32 : zref::kU64;
            const int lanes = fast ? 16 : 8;
            std::vector<T> per_isa;
            zt::for_each_isa([&](zors::Isa) {
                zt::Guarded<T> dst(1, zref::skew<T>(3));
                ASSERT_EQ(call(src.data(), len, dst.data()), zorStsNoErr);
                EXPECT_TRUE(dst.guards_intact());
                const long double div = mean ? len : 1;
                const long double err_re = zref::sum_bound(ar, len, lanes, u) / div + zref::store_bound<P>(s.re / div);
                const long double err_im = zref::sum_bound(ai, len, lanes, u) / div + zref::store_bound<P>(s.im / div);
                SCOPED_TRACE(testing::Message() << "len " << len << " lo " << lo);
                EXPECT_NEAR(zref::re(dst[0]), s.re / div, err_re);
                EXPECT_NEAR(zref::im(dst[0]), s.im / div, err_im);
                per_isa.push_back(dst[0]);
            });
            for (const T& v : per_isa) EXPECT_TRUE(zt::same_bits(v, per_isa[0])) << "level-dependent result";
        }
    }
}

// Hint 3 stands for an unknown hint (the largest value the C++ enum holds).
TEST(Sum, FloatWithinAccumulatorBound) {
    for (int hint : {0, 1, 2, 3}) {
        SCOPED_TRACE(hint);
        const auto h = static_cast<ZorHintAlgorithm>(hint);
        check_float_sum<Zor32f>([h](auto* s, int n, auto* d) { return zorsSum_32f(s, n, d, h); }, hint == 1, false);
        check_float_sum<Zor32fc>([h](auto* s, int n, auto* d) { return zorsSum_32fc(s, n, d, h); }, hint == 1, false);
        check_float_sum<Zor32f>([h](auto* s, int n, auto* d) { return zorsMean_32f(s, n, d, h); }, hint == 1, true);
        check_float_sum<Zor32fc>([h](auto* s, int n, auto* d) { return zorsMean_32fc(s, n, d, h); }, hint == 1, true);
    }
    check_float_sum<Zor64f>(zorsSum_64f, false, false);
    check_float_sum<Zor64fc>(zorsSum_64fc, false, false);
    check_float_sum<Zor64f>(zorsMean_64f, false, true);
    check_float_sum<Zor64fc>(zorsMean_64fc, false, true);
}

// A large first element followed by ones: single-precision partial sums
// lose the ones that land on the large one's partial sum; double ones keep
// them. Only the fast hint may lose them.
TEST(Sum, FastHintTradesAccuracy) {
    const int len = 16 * 64 + 1;
    std::vector<Zor32f> v(len, 1.0f);
    v[0] = 16777216.0f;
    std::vector<Zor32fc> c(len, Zor32fc{1.0f, 1.0f});
    c[0] = Zor32fc{16777216.0f, 16777216.0f};
    const float exact = 16777216.0f + (len - 1);
    zt::for_each_isa([&](zors::Isa) {
        for (int hint : {0, 2, 3, 1}) {
            Zor32f s = 0;
            Zor32fc sc{};
            ASSERT_EQ(zorsSum_32f(v.data(), len, &s, static_cast<ZorHintAlgorithm>(hint)), zorStsNoErr);
            ASSERT_EQ(zorsSum_32fc(c.data(), len, &sc, static_cast<ZorHintAlgorithm>(hint)), zorStsNoErr);
            if (hint == 1) {
                EXPECT_LT(s, exact);
                EXPECT_LT(sc.re, exact);
                EXPECT_EQ(sc.re, sc.im);
            } else {
                EXPECT_EQ(s, exact) << hint;
                EXPECT_EQ(sc.re, exact) << hint;
                EXPECT_EQ(sc.im, exact) << hint;
            }
        }
    });
}

// The fast path carries its single-precision partial sums into double every
// 32768 elements: after a large first element, the ones of the first
// stretch that share its partial sum are lost, but every one of the second
// stretch counts again (the totals are rounded to float, hence the slack).
TEST(Sum, FastHintCarriesEveryStretch) {
    const int stretch = 32768;
    std::vector<Zor32f> v(2 * stretch, 1.0f);
    v[0] = 16777216.0f;
    zt::for_each_isa([&](zors::Isa) {
        Zor32f one = 0, two = 0;
        ASSERT_EQ(zorsSum_32f(v.data(), stretch, &one, zorAlgHintFast), zorStsNoErr);
        ASSERT_EQ(zorsSum_32f(v.data(), 2 * stretch, &two, zorAlgHintFast), zorStsNoErr);
        EXPECT_LT(one, 16777216.0f + (stretch - 1));  // the first stretch did lose ones
        EXPECT_NEAR(two - one, stretch, 2.0f);
    });
}

// ------------------------------------------------------- standard deviation

TEST(StdDev, IntegerEveryScale) {
    zt::Rng rng(3);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (Pattern pat : kPatterns) {
            for (int len : short_lengths()) {
                if (len < 2) continue;
                std::vector<Zor16s> v(len);
                fill16(v.data(), len, pat, rng);
                if (pat == Pattern::Max) v[len / 2] = INT16_MIN;  // a spread at the edges
                std::int64_t s1 = 0, s2 = 0;
                for (Zor16s x : v) { s1 += x; s2 += std::int64_t{x} * x; }
                const double n = len;
                double var = (n * static_cast<double>(s2) - static_cast<double>(s1) * static_cast<double>(s1)) /
                             (n * (n - 1));
                if (var < 0) var = 0;
                const long double sd = std::sqrt(var);
                for (int sf : scale_factors()) {
                    Zor32s got32 = -1;
                    Zor16s got16 = -1;
                    ASSERT_EQ(zorsStdDev_16s32s_Sfs(v.data(), len, &got32, sf), zorStsNoErr);
                    ASSERT_EQ(zorsStdDev_16s_Sfs(v.data(), len, &got16, sf), zorStsNoErr);
                    const Zor32s want = zref::scale_sat<Zor32s>(sd, sf);
                    EXPECT_EQ(got32, want) << "len " << len << " sf " << sf;
                    EXPECT_EQ(got16, want > 32767 ? 32767 : want) << "len " << len << " sf " << sf;
                }
            }
        }
    });
}

// A constant vector: 0 when the squares and sums are exact (a dyadic value);
// otherwise the one-pass formula's rounding leaves a tiny variance or a
// slightly negative one, which must give 0, never NaN.
TEST(StdDev, ConstantVector) {
    for (int len : {2, 3, 17, 100, 1001}) {
        for (double value : {-1.5, 0.1}) {
            const bool exact = value == -1.5;
            std::vector<Zor32f> f(len, static_cast<float>(value));
            std::vector<Zor64f> d(len, value);
            std::vector<Zor16s> s(len, -12345);
            zt::for_each_isa([&](zors::Isa) {
                for (int hint : {0, 1}) {
                    Zor32f rf = -1;
                    ASSERT_EQ(zorsStdDev_32f(f.data(), len, &rf, static_cast<ZorHintAlgorithm>(hint)), zorStsNoErr);
                    if (exact) EXPECT_EQ(rf, 0.0f) << len;
                    else EXPECT_TRUE(rf >= 0.0f && rf < 1e-3f) << len << " hint " << hint << ": " << rf;
                }
                Zor64f rd = -1;
                ASSERT_EQ(zorsStdDev_64f(d.data(), len, &rd), zorStsNoErr);
                if (exact) EXPECT_EQ(rd, 0.0) << len;
                else EXPECT_TRUE(rd >= 0.0 && rd < 1e-7) << len << ": " << rd;
                Zor32s rs = -1;
                ASSERT_EQ(zorsStdDev_16s32s_Sfs(s.data(), len, &rs, -20), zorStsNoErr);
                EXPECT_EQ(rs, 0) << len;
            });
        }
    }
}

template <class T, class F>
void check_float_stddev(F call, long double rel_tol) {
    zt::Rng rng(77);
    SCOPED_TRACE(rng.seed());
    for (int len : zt::test_lengths()) {
        if (len < 2) continue;
        std::vector<T> v(len);
        fill_float(v.data(), len, rng, -1.0, 1.0);
        long double mean = 0;
        for (T x : v) mean += x;
        mean /= len;
        long double ss = 0;
        for (T x : v) ss += (x - mean) * (x - mean);
        const long double want = std::sqrt(ss / (len - 1));
        zt::for_each_isa([&](zors::Isa) {
            T got = -1;
            ASSERT_EQ(call(v.data(), len, &got), zorStsNoErr);
            EXPECT_NEAR(got, want, want * rel_tol + 1e-30L) << "len " << len;
        });
    }
}

TEST(StdDev, FloatAgainstTwoPassLongDouble) {
    check_float_stddev<Zor32f>([](auto* s, int n, auto* d) { return zorsStdDev_32f(s, n, d, zorAlgHintNone); },
                               2 * zref::kU32);
    check_float_stddev<Zor32f>([](auto* s, int n, auto* d) { return zorsStdDev_32f(s, n, d, zorAlgHintFast); },
                               2e-4L);
    check_float_stddev<Zor64f>(zorsStdDev_64f, 1e-12L);
}

// ------------------------------------------------------------------- norms

enum class K { Inf, L1, L2 };

// The norm of a or of a - b in long double, from exact differences and
// magnitudes.
template <class T>
long double ref_norm(K kind, const T* a, const T* b, int n) {
    long double r = 0;
    for (int i = 0; i < n; ++i) {
        long double re = zref::re(a[i]), im = zref::im(a[i]);
        if (b) {
            re -= zref::re(b[i]);
            im -= zref::im(b[i]);
            if constexpr (std::is_same_v<T, Zor32f> || std::is_same_v<T, Zor32fc>) {
                re = static_cast<float>(re);  // the difference is formed in single precision
                im = static_cast<float>(im);
            } else if constexpr (!std::is_same_v<T, Zor16s>) {
                re = static_cast<double>(re);
                im = static_cast<double>(im);
            }
        }
        const long double sq = re * re + im * im, mag = std::sqrt(sq);
        if (kind == K::Inf) r = mag > r ? mag : r;
        else if (kind == K::L1) r += mag;
        else r += sq;
    }
    return kind == K::L2 ? std::sqrt(r) : r;
}

template <class T, class R>
using NormFn = ZorStatus (*)(const T*, int, R*);
template <class T, class R>
using NormDiffFn = ZorStatus (*)(const T*, const T*, int, R*);

// Runs the plain and the difference form on random data and compares with
// the reference within `rel` (relative, per unit of the accumulated
// magnitudes, times the lane count bound).
template <class T, class R>
void check_norm(K kind, NormFn<T, R> one, NormDiffFn<T, R> diff, long double u, int lanes) {
    zt::Rng rng(91);
    SCOPED_TRACE(rng.seed());
    for (int len : zt::test_lengths()) {
        zt::Guarded<T> a(len, zref::skew<T>(1)), b(len, zref::skew<T>(3));
        if constexpr (std::is_same_v<T, Zor16s>) {
            fill16(a.data(), len, Pattern::Random, rng);
            fill16(b.data(), len, Pattern::Random, rng);
        } else {
            fill_float(a.data(), len, rng, -2.0, 2.0);
            fill_float(b.data(), len, rng, -2.0, 2.0);
        }
        for (const T* second : {static_cast<const T*>(nullptr), static_cast<const T*>(b.data())}) {
            const long double want = ref_norm(kind, a.data(), second, len);
            // L2's bound applies to the sum of squares; its root halves it.
            const long double acc_bound =
                kind == K::Inf ? 0 : zref::sum_bound(kind == K::L2 ? want * want : want, len, lanes, u);
            const long double tol = (kind == K::L2 ? acc_bound / (2 * want + 1e-300L) : acc_bound) +
                                    2 * zref::store_bound<R>(want) + (kind == K::Inf ? want * 2 * u : 0);
            zt::for_each_isa([&](zors::Isa) {
                R got{};
                ASSERT_EQ(second ? diff(a.data(), second, len, &got) : one(a.data(), len, &got), zorStsNoErr);
                EXPECT_NEAR(got, want, tol) << "len " << len << (second ? " diff" : "");
            });
        }
    }
}

TEST(Norm, FloatingWithinAccumulatorBound) {
    const long double f = zref::kU32, d = zref::kU64;
    check_norm<Zor32f, Zor32f>(K::Inf, zorsNorm_Inf_32f, zorsNormDiff_Inf_32f, f, 16);
    check_norm<Zor32f, Zor32f>(K::L1, zorsNorm_L1_32f, zorsNormDiff_L1_32f, f, 16);
    check_norm<Zor32f, Zor32f>(K::L2, zorsNorm_L2_32f, zorsNormDiff_L2_32f, f, 16);
    check_norm<Zor64f, Zor64f>(K::Inf, zorsNorm_Inf_64f, zorsNormDiff_Inf_64f, d, 8);
    check_norm<Zor64f, Zor64f>(K::L1, zorsNorm_L1_64f, zorsNormDiff_L1_64f, d, 8);
    check_norm<Zor64f, Zor64f>(K::L2, zorsNorm_L2_64f, zorsNormDiff_L2_64f, d, 8);
    check_norm<Zor32fc, Zor32f>(K::Inf, zorsNorm_Inf_32fc32f, zorsNormDiff_Inf_32fc32f, f, 16);
    check_norm<Zor32fc, Zor64f>(K::L1, zorsNorm_L1_32fc64f, zorsNormDiff_L1_32fc64f, d, 8);
    check_norm<Zor32fc, Zor64f>(K::L2, zorsNorm_L2_32fc64f, zorsNormDiff_L2_32fc64f, d, 8);
    check_norm<Zor64fc, Zor64f>(K::Inf, zorsNorm_Inf_64fc64f, zorsNormDiff_Inf_64fc64f, d, 8);
    check_norm<Zor64fc, Zor64f>(K::L1, zorsNorm_L1_64fc64f, zorsNormDiff_L1_64fc64f, d, 8);
    check_norm<Zor64fc, Zor64f>(K::L2, zorsNorm_L2_64fc64f, zorsNormDiff_L2_64fc64f, d, 8);
    // 16s to 32f: exact accumulation, one rounding to single precision.
    check_norm<Zor16s, Zor32f>(K::Inf, zorsNorm_Inf_16s32f, zorsNormDiff_Inf_16s32f, 0, 8);
    check_norm<Zor16s, Zor32f>(K::L1, zorsNorm_L1_16s32f, zorsNormDiff_L1_16s32f, 0, 8);
    check_norm<Zor16s, Zor32f>(K::L2, zorsNorm_L2_16s32f, zorsNormDiff_L2_16s32f, zref::kU64, 8);
}

using NormSfs = ZorStatus (*)(const Zor16s*, int, Zor32s*, int);
using NormDiffSfs = ZorStatus (*)(const Zor16s*, const Zor16s*, int, Zor32s*, int);

// The truncating scale of the 16s32s norms: the exact norm (the root of the
// exact sum for L2, in double) times 2^-sf, truncated, limited to 2^31 - 1.
TEST(Norm, Integer16sTruncatesEveryScale) {
    struct Case { K kind; NormSfs one; NormDiffSfs diff; };
    const Case cases[] = {{K::Inf, zorsNorm_Inf_16s32s_Sfs, zorsNormDiff_Inf_16s32s_Sfs},
                          {K::L1, zorsNorm_L1_16s32s_Sfs, zorsNormDiff_L1_16s32s_Sfs},
                          {K::L2, zorsNorm_L2_16s32s_Sfs, zorsNormDiff_L2_16s32s_Sfs}};
    zt::Rng rng(13);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (Pattern pat : kPatterns) {
            for (int len : short_lengths()) {
                std::vector<Zor16s> a(len), b(len);
                fill16(a.data(), len, pat, rng);
                fill16(b.data(), len, pat == Pattern::Min ? Pattern::Max : Pattern::Random, rng);
                for (const Case& c : cases) {
                    for (bool use_diff : {false, true}) {
                        long double acc = 0;  // exact: max, sum of |d|, or sum of d^2
                        for (int i = 0; i < len; ++i) {
                            const long double d = static_cast<long double>(a[i]) - (use_diff ? b[i] : 0);
                            if (c.kind == K::Inf) acc = std::fabs(d) > acc ? std::fabs(d) : acc;
                            else if (c.kind == K::L1) acc += std::fabs(d);
                            else acc += d * d;
                        }
                        const long double base = c.kind == K::L2 ? std::sqrt(static_cast<double>(acc)) : acc;
                        for (int sf : scale_factors()) {
                            Zor32s got = -1;
                            ASSERT_EQ(use_diff ? c.diff(a.data(), b.data(), len, &got, sf)
                                               : c.one(a.data(), len, &got, sf),
                                      zorStsNoErr);
                            const long double scaled =
                                sf > 20000 ? 0 : (sf < -20000 ? (base > 0 ? INFINITY : 0) : std::ldexp(base, -sf));
                            EXPECT_EQ(got, zref::trunc_sat32(scaled))
                                << "kind " << int(c.kind) << " len " << len << " sf " << sf << " diff " << use_diff;
                        }
                    }
                }
            }
        }
    });
}

TEST(Norm, DocumentedCases) {
    const Zor16s m[] = {-32768}, three[] = {3};
    Zor32s r = 0;
    zorsNorm_Inf_16s32s_Sfs(m, 1, &r, 0);
    EXPECT_EQ(r, 32768);
    zorsNorm_Inf_16s32s_Sfs(m, 1, &r, 1);
    EXPECT_EQ(r, 16384);
    zorsNorm_Inf_16s32s_Sfs(three, 1, &r, 1);
    EXPECT_EQ(r, 1);
    Zor32f f = 0;
    zorsNorm_Inf_16s32f(m, 1, &f);
    EXPECT_EQ(f, 32768.0f);
}

// ----------------------------------------------------------- dot products

template <class A, class B>
Cld exact_dot(const A* a, const B* b, int n) {
    Cld s;
    for (int i = 0; i < n; ++i) {
        const Cld p = zref::product(a[i], b[i]);
        s.re += p.re;
        s.im += p.im;
    }
    return s;
}

template <class T>
void fill_int(T* p, int n, zt::Rng& rng, int bits) {
    auto one = [&](auto& x) {
        using P = std::remove_reference_t<decltype(x)>;
        if (bits >= static_cast<int>(8 * sizeof(P))) x = rng.any<P>();
        else x = static_cast<P>(static_cast<std::int64_t>(rng.bits() % (std::uint64_t{1} << bits)) -
                                (std::int64_t{1} << (bits - 1)));
    };
    for (int i = 0; i < n; ++i) {
        if constexpr (zref::is_cplx<T>::value) { one(p[i].re); one(p[i].im); }
        else one(p[i]);
    }
}

// Every part set to -2^(bits - 1).
template <class T>
void fill_edge(T* p, int n, int bits) {
    using P = zref::part_t<T>;
    const P v = static_cast<P>(-(std::int64_t{1} << (bits - 1)));
    for (int i = 0; i < n; ++i) {
        if constexpr (zref::is_cplx<T>::value) p[i].re = p[i].im = v;
        else p[i] = v;
    }
}

// The scaled integer dot products; `want` maps the exact sum and the factor
// to the expected part.
template <class A, class B, class D, class Want>
void check_int_dot(ZorStatus (*f)(const A*, const B*, int, D*, int), int bits, Want want) {
    using P = zref::part_t<D>;
    zt::Rng rng(1234);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (int len : short_lengths()) {
            for (int edge = 0; edge < 2; ++edge) {
                zt::Guarded<A> a(len, zref::skew<A>(1));
                zt::Guarded<B> b(len, zref::skew<B>(3));
                fill_int(a.data(), len, rng, bits);
                fill_int(b.data(), len, rng, bits);
                if (edge) {  // every part at its most negative value
                    fill_edge(a.data(), len, bits);
                    fill_edge(b.data(), len, bits);
                }
                const Cld s = exact_dot(a.data(), b.data(), len);
                for (int sf : scale_factors()) {
                    zt::Guarded<D> dst(1, zref::skew<D>(1));
                    ASSERT_EQ(f(a.data(), b.data(), len, dst.data(), sf), zorStsNoErr);
                    SCOPED_TRACE(testing::Message() << "len " << len << " sf " << sf << " edge " << edge);
                    expect_parts(dst[0], static_cast<P>(want(s.re, sf)), static_cast<P>(want(s.im, sf)));
                    EXPECT_TRUE(dst.guards_intact());
                }
            }
        }
    });
}

TEST(DotProd, Integer16ExactEveryScale) {
    auto to16 = [](long double s, int sf) { return zref::scale_sat<Zor16s>(s, sf > 31 ? 31 : sf); };
    auto to32 = [](long double s, int sf) { return zref::scale_sat<Zor32s>(s, sf); };
    check_int_dot(zorsDotProd_16s_Sfs, 16, to16);
    check_int_dot(zorsDotProd_16sc_Sfs, 16, to16);
    check_int_dot(zorsDotProd_16s16sc_Sfs, 16, to16);
    check_int_dot(zorsDotProd_16s32s_Sfs, 16, to32);
    check_int_dot(zorsDotProd_16sc32sc_Sfs, 16, to32);
    check_int_dot(zorsDotProd_16s16sc32sc_Sfs, 16, to32);
}

// 32-bit sources sum in double: with operands below 2^20 every partial sum
// is an exact integer, so the result is the exact sum scaled by 2^-sf (sf
// limited to -31..93), clamped and rounded to nearest even.
TEST(DotProd, Integer32EveryScale) {
    auto want = [](long double s, int sf) {
        const int e = sf < -31 ? -31 : (sf > 93 ? 93 : sf);
        return zref::scale_sat<Zor32s>(s, e);
    };
    check_int_dot(zorsDotProd_32s_Sfs, 20, want);
    check_int_dot(zorsDotProd_32sc_Sfs, 20, want);
    check_int_dot(zorsDotProd_32s32sc_Sfs, 20, want);
    check_int_dot(zorsDotProd_16s32s32s_Sfs, 16, want);
}

TEST(DotProd, Integer32LargeOperandsWithinOneStep) {
    zt::Rng rng(9);
    std::vector<Zor32s> a(333), b(333);
    fill_int(a.data(), 333, rng, 32);
    fill_int(b.data(), 333, rng, 32);
    const long double s = exact_dot(a.data(), b.data(), 333).re;
    for (int sf : {40, 50, 62, 70, 93, 200}) {
        Zor32s got = 0;
        zorsDotProd_32s_Sfs(a.data(), b.data(), 333, &got, sf);
        const long double want = std::ldexp(s, -(sf > 93 ? 93 : sf));
        EXPECT_LE(std::fabs(got - want), 1.0L + std::fabs(want) * 1e-12L) << sf;
    }
    // -2^31 * -2^31 = 2^62 is exact in double: scaled by 2^-62 gives 1.
    const Zor32s m[] = {INT32_MIN};
    Zor32s got = 0;
    zorsDotProd_32s_Sfs(m, m, 1, &got, 62);
    EXPECT_EQ(got, 1);
    zorsDotProd_32s_Sfs(m, m, 1, &got, 63);
    EXPECT_EQ(got, 0);  // one half, ties to even
    zorsDotProd_32s_Sfs(m, m, 1, &got, -5);
    EXPECT_EQ(got, INT32_MAX);
}

template <class A, class B, class D>
void check_exact_dot(ZorStatus (*f)(const A*, const B*, int, D*)) {
    zt::Rng rng(4321);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            for (int edge = 0; edge < 2; ++edge) {
                std::vector<A> a(len);
                std::vector<B> b(len);
                fill_int(a.data(), len, rng, 16);
                fill_int(b.data(), len, rng, 16);
                if (edge) {
                    fill_edge(a.data(), len, 16);
                    fill_edge(b.data(), len, 16);
                }
                const Cld s = exact_dot(a.data(), b.data(), len);
                D got{};
                ASSERT_EQ(f(a.data(), b.data(), len, &got), zorStsNoErr);
                using P = zref::part_t<D>;
                expect_parts(got, static_cast<P>(s.re), static_cast<P>(s.im));
            }
        }
    });
}

TEST(DotProd, Integer16UnscaledExact) {
    check_exact_dot(zorsDotProd_16s64s);
    check_exact_dot(zorsDotProd_16sc64sc);
    check_exact_dot(zorsDotProd_16s16sc64sc);
    // Single-precision results: the exact sum rounded once.
    check_exact_dot(zorsDotProd_16s32f);
    check_exact_dot(zorsDotProd_16sc32fc);
    check_exact_dot(zorsDotProd_16s16sc32fc);
}

template <class A, class B, class D>
void check_float_dot(ZorStatus (*f)(const A*, const B*, int, D*), long double u, int lanes) {
    using P = zref::part_t<D>;
    zt::Rng rng(808);
    SCOPED_TRACE(rng.seed());
    for (int len : zt::test_lengths()) {
        zt::Guarded<A> a(len, zref::skew<A>(1));
        zt::Guarded<B> b(len, zref::skew<B>(3));
        fill_float(a.data(), len, rng, -1.0, 1.0);
        fill_float(b.data(), len, rng, -1.0, 1.0);
        const Cld s = exact_dot(a.data(), b.data(), len);
        long double mag = 0;  // sum of the magnitudes of every product term
        for (int i = 0; i < len; ++i)
            mag += (std::fabs(zref::re(a[i])) + std::fabs(zref::im(a[i]))) *
                   (std::fabs(zref::re(b[i])) + std::fabs(zref::im(b[i])));
        // Products and the in-element sum add two roundings per term.
        const long double tol_base = zref::sum_bound(mag, len, lanes, u) + 3 * u * mag;
        std::vector<D> per_isa;
        zt::for_each_isa([&](zors::Isa) {
            D got{};
            ASSERT_EQ(f(a.data(), b.data(), len, &got), zorStsNoErr);
            EXPECT_NEAR(zref::re(got), s.re, tol_base + zref::store_bound<P>(s.re)) << "len " << len;
            EXPECT_NEAR(zref::im(got), s.im, tol_base + zref::store_bound<P>(s.im)) << "len " << len;
            per_isa.push_back(got);
        });
        for (const D& v : per_isa) EXPECT_TRUE(zt::same_bits(v, per_isa[0])) << "level-dependent, len " << len;
    }
}

TEST(DotProd, FloatingWithinAccumulatorBound) {
    check_float_dot(zorsDotProd_32f, zref::kU32, 16);
    check_float_dot(zorsDotProd_32fc, zref::kU32, 16);
    check_float_dot(zorsDotProd_32f32fc, zref::kU32, 16);
    check_float_dot(zorsDotProd_32f64f, zref::kU64, 8);
    check_float_dot(zorsDotProd_32fc64fc, zref::kU64, 8);
    check_float_dot(zorsDotProd_32f32fc64fc, zref::kU64, 8);
    check_float_dot(zorsDotProd_64f, zref::kU64, 8);
    check_float_dot(zorsDotProd_64fc, zref::kU64, 8);
    check_float_dot(zorsDotProd_64f64fc, zref::kU64, 8);
}

TEST(DotProd, NoConjugation) {
    const Zor32fc j[] = {{0.0f, 1.0f}};
    Zor32fc r{};
    ASSERT_EQ(zorsDotProd_32fc(j, j, 1, &r), zorStsNoErr);
    EXPECT_EQ(r.re, -1.0f);
    EXPECT_EQ(r.im, 0.0f);
    const Zor16sc js[] = {{0, 1}, {3, -4}};
    Zor64sc rs{};
    ASSERT_EQ(zorsDotProd_16sc64sc(js, js, 2, &rs), zorStsNoErr);
    EXPECT_EQ(rs.re, -1 + 9 - 16);
    EXPECT_EQ(rs.im, -24);
}

}  // namespace
