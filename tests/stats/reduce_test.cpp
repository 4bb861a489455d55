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
#include "tests/stats/stats_checks.h"
#include "zors.h"

namespace {

using zref::Cld;

TEST(Reductions, ArgumentChecks) {
    ZT_CHECKS_ALL(1, zorsSum_32f, zorsSum_32fc, zorsSum_64f, zorsSum_64fc, zorsSum_16s_Sfs, zorsSum_16sc_Sfs,
                  zorsSum_16s32s_Sfs, zorsSum_16sc32sc_Sfs, zorsSum_32s_Sfs, zorsMean_32f, zorsMean_32fc,
                  zorsMean_64f, zorsMean_64fc, zorsMean_16s_Sfs, zorsMean_16sc_Sfs, zorsNorm_Inf_32f,
                  zorsNorm_Inf_64f, zorsNorm_Inf_16s32f, zorsNorm_Inf_16s32s_Sfs, zorsNorm_Inf_32fc32f,
                  zorsNorm_Inf_64fc64f, zorsNorm_L1_32f, zorsNorm_L1_64f, zorsNorm_L1_16s32f, zorsNorm_L1_16s32s_Sfs,
                  zorsNorm_L1_32fc64f, zorsNorm_L1_64fc64f, zorsNorm_L2_32f, zorsNorm_L2_64f, zorsNorm_L2_16s32f,
                  zorsNorm_L2_16s32s_Sfs, zorsNorm_L2_32fc64f, zorsNorm_L2_64fc64f, zorsNormDiff_Inf_32f,
                  zorsNormDiff_Inf_64f, zorsNormDiff_Inf_16s32f, zorsNormDiff_Inf_16s32s_Sfs,
                  zorsNormDiff_Inf_32fc32f, zorsNormDiff_Inf_64fc64f, zorsNormDiff_L1_32f, zorsNormDiff_L1_64f,
                  zorsNormDiff_L1_16s32f, zorsNormDiff_L1_16s32s_Sfs, zorsNormDiff_L1_32fc64f,
                  zorsNormDiff_L1_64fc64f, zorsNormDiff_L2_32f, zorsNormDiff_L2_64f, zorsNormDiff_L2_16s32f,
                  zorsNormDiff_L2_16s32s_Sfs, zorsNormDiff_L2_32fc64f, zorsNormDiff_L2_64fc64f, zorsDotProd_32f,
                  zorsDotProd_32fc, zorsDotProd_32f32fc, zorsDotProd_32f64f, zorsDotProd_32fc64fc,
                  zorsDotProd_32f32fc64fc, zorsDotProd_64f, zorsDotProd_64fc, zorsDotProd_64f64fc,
                  zorsDotProd_16s64s, zorsDotProd_16sc64sc, zorsDotProd_16s16sc64sc, zorsDotProd_16s32f,
                  zorsDotProd_16sc32fc, zorsDotProd_16s16sc32fc, zorsDotProd_16s_Sfs, zorsDotProd_16sc_Sfs,
                  zorsDotProd_16s16sc_Sfs, zorsDotProd_16s32s_Sfs, zorsDotProd_16sc32sc_Sfs,
                  zorsDotProd_16s16sc32sc_Sfs, zorsDotProd_32s_Sfs, zorsDotProd_32sc_Sfs, zorsDotProd_32s32sc_Sfs,
                  zorsDotProd_16s32s32s_Sfs);
    ZT_CHECKS_ALL(2, zorsStdDev_32f, zorsStdDev_64f, zorsStdDev_16s32s_Sfs, zorsStdDev_16s_Sfs);
}

// Every export seen as f(a, b, len, dst, extra...): the one-vector forms
// ignore b, and the hinted ones take g_hint.
ZorHintAlgorithm g_hint = zorAlgHintNone;
template <auto F> struct Un;
template <class A, class D, class... R, ZorStatus (*F)(const A*, int, D*, R...)>
    requires(!(std::is_same_v<R, ZorHintAlgorithm> || ...))
struct Un<F> {
    static ZorStatus call(const A* a, const A*, int n, D* d, R... r) { return F(a, n, d, r...); }
};
template <class A, class D, ZorStatus (*F)(const A*, int, D*, ZorHintAlgorithm)>
struct Un<F> {
    static ZorStatus call(const A* a, const A*, int n, D* d) { return F(a, n, d, g_hint); }
};

// The exact sum of a[i] * b[i], no conjugation (b null: of a[i]).
template <class A, class B>
Cld exact_dot(const A* a, int n, const B* b) {
    Cld s;
    for (int i = 0; i < n; ++i) {
        const Cld p = b ? zref::product(a[i], b[i]) : Cld{zref::re(a[i]), zref::im(a[i])};
        s.re += p.re;
        s.im += p.im;
    }
    return s;
}

// Integer parts of `bits` bits: random, all at the negative edge, all at the
// positive edge but one negative, or small (-3..3: many cancellations).
enum class Pattern { Random, Min, Max, Small };

template <class T>
void fill_int(T* p, int n, zt::Rng& rng, int bits, Pattern pat) {
    using P = zref::part_t<T>;
    auto* q = reinterpret_cast<P*>(p);
    const int count = n * (zref::is_cplx_v<T> ? 2 : 1);
    const std::int64_t top = std::int64_t{1} << (bits - 1);
    for (int i = 0; i < count; ++i) {
        const std::uint64_t r = rng.bits();
        std::int64_t v = static_cast<std::int64_t>(r % (2 * static_cast<std::uint64_t>(top))) - top;
        if (pat == Pattern::Min || (pat == Pattern::Max && count > 2 && i == count / 2)) v = -top;
        else if (pat == Pattern::Max) v = top - 1;
        else if (pat == Pattern::Small) v = static_cast<std::int64_t>(r % 7) - 3;
        q[i] = static_cast<P>(v);
    }
}

// Scale factors: every value from -40 to 70 and the extremes.
std::vector<int> scale_factors() {
    std::vector<int> v{INT_MIN, INT_MAX, 100, -100};
    for (int s = -40; s <= 70; ++s) v.push_back(s);
    return v;
}

// Exact integer results: f(a, b, len, dst[, sf]) against want(stat(a, b,
// len).part, sf, len) for every pattern, length and factor, at every level.
template <class A, class B, class D, class... R, class Stat, class Want>
void check_exact(ZorStatus (*f)(const A*, const B*, int, D*, R...), int bits, Stat stat, Want want,
                 int min_len = 1) {
    static_assert(sizeof...(R) <= 1);
    const std::vector<int> sfs = sizeof...(R) ? scale_factors() : std::vector<int>{0};
    zt::Rng rng(101);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (Pattern pat : {Pattern::Random, Pattern::Min, Pattern::Max, Pattern::Small}) {
            for (int len : {1, 2, 3, 7, 15, 16, 17, 31, 33, 64, 65, 70, 129, 1000}) {
                if (len < min_len) continue;
                zt::Guarded<A> a(len, zref::skew<A>(3));
                zt::Guarded<B> b(len, zref::skew<B>(1));
                fill_int(a.data(), len, rng, bits, pat);
                fill_int(b.data(), len, rng, bits, pat == Pattern::Min ? Pattern::Max : pat);
                const Cld s = stat(a.data(), b.data(), len);
                zt::Guarded<D> dst(1, zref::skew<D>(1));
                for (int sf : sfs) {
                    ASSERT_EQ(f(a.data(), b.data(), len, dst.data(), R(sf)...), zorStsNoErr);
                    EXPECT_EQ(zref::re(dst[0]), want(s.re, sf, len)) << "len " << len << " sf " << sf << " " << int(pat);
                    if constexpr (zref::is_cplx_v<D>)
                        EXPECT_EQ(zref::im(dst[0]), want(s.im, sf, len)) << "len " << len << " sf " << sf << " " << int(pat);
                    EXPECT_TRUE(dst.guards_intact());
                }
            }
        }
    });
}

enum class K { Inf, L1, L2 };

// The accumulated norm of a or of a - b (largest magnitude, sum of
// magnitudes, sum of squares) in long double; the difference is formed
// exactly for 16-bit sources and in the source precision otherwise.
template <class T>
long double ref_norm(K kind, const T* a, const T* b, int n) {
    long double r = 0;
    for (int i = 0; i < n; ++i) {
        long double re = zref::re(a[i]), im = zref::im(a[i]);
        if (b) {
            using P = zref::part_t<T>;
            using W = std::conditional_t<std::is_integral_v<P>, long double, P>;
            re = static_cast<W>(re - zref::re(b[i]));
            im = static_cast<W>(im - zref::im(b[i]));
        }
        const long double sq = re * re + im * im, mag = std::sqrt(sq);
        if (kind == K::Inf) r = mag > r ? mag : r;
        else r += kind == K::L1 ? mag : sq;
    }
    return r;
}

TEST(Reductions, IntegerExactEveryScale) {
    auto sum = [](const auto* a, const auto*, int n) { return exact_dot(a, n, decltype(a){}); };
    auto dot = [](const auto* a, const auto* b, int n) { return exact_dot(a, n, b); };
    auto s16 = [](long double s, int sf, int) -> long double { return zref::scale_sat<Zor16s>(s, sf); };
    auto s32 = [](long double s, int sf, int) -> long double { return zref::scale_sat<Zor32s>(s, sf); };
    check_exact(Un<zorsSum_16s_Sfs>::call, 16, sum, s16);
    check_exact(Un<zorsSum_16sc_Sfs>::call, 16, sum, s16);
    check_exact(Un<zorsSum_16s32s_Sfs>::call, 16, sum, s32);
    check_exact(Un<zorsSum_16sc32sc_Sfs>::call, 16, sum, s32);
    check_exact(Un<zorsSum_32s_Sfs>::call, 32, sum, s32);
    // 16-bit means: 0 for factors of 16 and above, the saturated sign below -14.
    auto mean = [](long double s, int sf, int n) -> long double {
        if (sf >= 16) return 0;
        if (sf < -14) return s > 0 ? INT16_MAX : (s < 0 ? INT16_MIN : 0);
        return zref::scale_sat<Zor16s>(s / n, sf);
    };
    check_exact(Un<zorsMean_16s_Sfs>::call, 16, sum, mean);
    check_exact(Un<zorsMean_16sc_Sfs>::call, 16, sum, mean);
    // StdDev: v = (n*S2 - S1^2) / (n*(n-1)) in double from exact sums, 0 when
    // negative; sqrt(v) scaled and rounded, the 16-bit result saturated.
    auto sd = [](const Zor16s* a, const Zor16s*, int n) {
        std::int64_t s1 = 0, s2 = 0;
        for (int i = 0; i < n; ++i) { s1 += a[i]; s2 += std::int64_t{a[i]} * a[i]; }
        const double dn = n, v = (dn * double(s2) - double(s1) * double(s1)) / (dn * (dn - 1));
        return Cld{std::sqrt(v < 0 ? 0.0 : v), 0};
    };
    auto sd16 = [](long double s, int sf, int) -> long double { return std::min(zref::scale_sat<Zor32s>(s, sf), 32767); };
    check_exact(Un<zorsStdDev_16s32s_Sfs>::call, 16, sd, s32, 2);
    check_exact(Un<zorsStdDev_16s_Sfs>::call, 16, sd, sd16, 2);
    // 16s32s norms truncate: the exact norm (L2: the root of the exact sum,
    // in double) times 2^-sf, truncated toward zero, limited to 2^31 - 1.
    auto trunc = [](long double s, int sf, int) -> long double {
        const long double v = sf > 20000 ? 0 : (sf < -20000 ? (s > 0 ? INFINITY : 0) : std::ldexp(s, -sf));
        return v >= 2147483647.0L ? 2147483647.0L : std::trunc(v);
    };
    using NormSfs = ZorStatus (*)(const Zor16s*, const Zor16s*, int, Zor32s*, int);
    const struct { K kind; bool diff; NormSfs f; } norms[] = {
        {K::Inf, false, Un<zorsNorm_Inf_16s32s_Sfs>::call}, {K::Inf, true, zorsNormDiff_Inf_16s32s_Sfs},
        {K::L1, false, Un<zorsNorm_L1_16s32s_Sfs>::call}, {K::L1, true, zorsNormDiff_L1_16s32s_Sfs},
        {K::L2, false, Un<zorsNorm_L2_16s32s_Sfs>::call}, {K::L2, true, zorsNormDiff_L2_16s32s_Sfs}};
    for (const auto& c : norms) {
        check_exact(c.f, 16, [&](const Zor16s* a, const Zor16s* b, int n) {
            const long double r = ref_norm(c.kind, a, c.diff ? b : nullptr, n);
            return Cld{c.kind == K::L2 ? std::sqrt(static_cast<double>(r)) : r, 0};
        }, trunc);
    }
    // Dot products of 16-bit sources: exact; 16-bit results limit the factor to 31.
    auto d16 = [](long double s, int sf, int) -> long double { return zref::scale_sat<Zor16s>(s, std::min(sf, 31)); };
    check_exact(zorsDotProd_16s_Sfs, 16, dot, d16);
    check_exact(zorsDotProd_16sc_Sfs, 16, dot, d16);
    check_exact(zorsDotProd_16s16sc_Sfs, 16, dot, d16);
    check_exact(zorsDotProd_16s32s_Sfs, 16, dot, s32);
    check_exact(zorsDotProd_16sc32sc_Sfs, 16, dot, s32);
    check_exact(zorsDotProd_16s16sc32sc_Sfs, 16, dot, s32);
    auto as_is = [](long double s, int, int) { return s; };
    auto single = [](long double s, int, int) -> long double { return static_cast<float>(s); };
    check_exact(zorsDotProd_16s64s, 16, dot, as_is);
    check_exact(zorsDotProd_16sc64sc, 16, dot, as_is);
    check_exact(zorsDotProd_16s16sc64sc, 16, dot, as_is);
    check_exact(zorsDotProd_16s32f, 16, dot, single);
    check_exact(zorsDotProd_16sc32fc, 16, dot, single);
    check_exact(zorsDotProd_16s16sc32fc, 16, dot, single);
    // 32-bit sources sum in double: operands below 2^20 keep every partial
    // sum exact; the factor is limited to -31..93, the result rounded to
    // nearest even and saturated.
    auto d32 = [](long double s, int sf, int) -> long double {
        return zref::scale_sat<Zor32s>(s, sf < -31 ? -31 : std::min(sf, 93));
    };
    check_exact(zorsDotProd_32s_Sfs, 20, dot, d32);
    check_exact(zorsDotProd_32sc_Sfs, 20, dot, d32);
    check_exact(zorsDotProd_32s32sc_Sfs, 20, dot, d32);
    check_exact(zorsDotProd_16s32s32s_Sfs, 16, dot, d32);
}

// Floating results: f(a, b, len, dst) at every level against ref(a, b, len)
// = {long-double value, accumulation error bound}, plus the rounding of the
// result; every level must give the same bits.
struct Want {
    Cld v;
    long double tol_re, tol_im;
};

template <class T>
void fill_float(T* p, int n, zt::Rng& rng, double lo) {
    using P = zref::part_t<T>;
    if constexpr (std::is_integral_v<P>) return fill_int(p, n, rng, 16, Pattern::Random);
    auto* q = reinterpret_cast<P*>(p);
    for (int i = 0; i < n * (zref::is_cplx_v<T> ? 2 : 1); ++i)
        q[i] = static_cast<P>(lo + (2.0 - lo) * static_cast<double>(rng.bits() >> 11) * 0x1p-53);
}

template <class A, class B, class D, class Ref>
void check_float(ZorStatus (*f)(const A*, const B*, int, D*), Ref ref, int min_len = 1) {
    using P = zref::part_t<D>;
    zt::Rng rng(55);
    SCOPED_TRACE(rng.seed());
    for (int len : zt::test_lengths()) {
        if (len < min_len) continue;
        const double lo = len % 2 ? 0.5 : -2.0;  // one sign or mixed signs
        zt::Guarded<A> a(len, zref::skew<A>(1));
        zt::Guarded<B> b(len, zref::skew<B>(3));
        fill_float(a.data(), len, rng, lo);
        fill_float(b.data(), len, rng, lo);
        const Want w = ref(a.data(), b.data(), len);
        std::vector<D> per_isa;
        zt::for_each_isa([&](zors::Isa) {
            zt::Guarded<D> dst(1, zref::skew<D>(3));
            ASSERT_EQ(f(a.data(), b.data(), len, dst.data()), zorStsNoErr);
            EXPECT_TRUE(dst.guards_intact());
            EXPECT_NEAR(zref::re(dst[0]), w.v.re, w.tol_re + 2 * zref::store_bound<P>(w.v.re)) << "len " << len;
            EXPECT_NEAR(zref::im(dst[0]), w.v.im, w.tol_im + 2 * zref::store_bound<P>(w.v.im)) << "len " << len;
            per_isa.push_back(dst[0]);
        });
        for (const D& v : per_isa) EXPECT_TRUE(zt::same_bits(v, per_isa[0])) << "level-dependent, len " << len;
    }
}

// Sums and means accumulated with unit roundoff u in `lanes` partial sums.
auto sum_ref(long double u, int lanes, bool mean) {
    return [=](const auto* a, const auto*, int n) {
        const Cld s = exact_dot(a, n, decltype(a){});
        long double ar = 0, ai = 0;
        for (int i = 0; i < n; ++i) { ar += std::fabs(zref::re(a[i])); ai += std::fabs(zref::im(a[i])); }
        const long double div = mean ? n : 1;
        return Want{{s.re / div, s.im / div}, zref::sum_bound(ar, n, lanes, u) / div,
                    zref::sum_bound(ai, n, lanes, u) / div};
    };
}

// The sample standard deviation by the two-pass definition.
auto sd_ref(long double rel) {
    return [=](const auto* a, const auto*, int n) {
        long double mean = 0, ss = 0;
        for (int i = 0; i < n; ++i) mean += a[i];
        mean /= n;
        for (int i = 0; i < n; ++i) ss += (a[i] - mean) * (a[i] - mean);
        const long double want = std::sqrt(ss / (n - 1));
        return Want{{want, 0}, want * rel + 1e-30L, 0};
    };
}

// Products and the in-element sum add two roundings per term.
auto dot_ref(long double u, int lanes) {
    return [=](const auto* a, const auto* b, int n) {
        long double mag = 0;  // the sum of the magnitudes of every product term
        for (int i = 0; i < n; ++i)
            mag += (std::fabs(zref::re(a[i])) + std::fabs(zref::im(a[i]))) *
                   (std::fabs(zref::re(b[i])) + std::fabs(zref::im(b[i])));
        const long double tol = zref::sum_bound(mag, n, lanes, u) + 3 * u * mag;
        return Want{exact_dot(a, n, b), tol, tol};
    };
}

// Inf selects exactly (up to the magnitude's rounding); L2's bound applies
// to the sum of squares and its root halves it.
template <auto One, auto Diff>
void check_norm(K kind, long double u, int lanes) {
    for (bool diff : {false, true}) {
        auto ref = [=](const auto* a, const auto* b, int n) {
            const long double acc = ref_norm(kind, a, diff ? b : nullptr, n), want = kind == K::L2 ? std::sqrt(acc) : acc;
            const long double bound = kind == K::Inf ? want * 2 * u : zref::sum_bound(acc, n, lanes, u);
            return Want{{want, 0}, kind == K::L2 ? bound / (2 * want + 1e-300L) : bound, 0};
        };
        if (diff) check_float(Diff, ref);
        else check_float(Un<One>::call, ref);
    }
}

TEST(Reductions, FloatWithinAccumulatorBound) {
    const long double f = zref::kU32, d = zref::kU64;
    // Hint 3 stands for an unknown hint; only the fast one (1) sums in single precision.
    for (int h : {0, 1, 2, 3}) {
        SCOPED_TRACE(h);
        g_hint = static_cast<ZorHintAlgorithm>(h);
        const long double u = h == 1 ? f : d;
        const int lanes = h == 1 ? 32 : 8;
        check_float(Un<zorsSum_32f>::call, sum_ref(u, lanes, false));
        check_float(Un<zorsSum_32fc>::call, sum_ref(u, lanes, false));
        check_float(Un<zorsMean_32f>::call, sum_ref(u, lanes, true));
        check_float(Un<zorsMean_32fc>::call, sum_ref(u, lanes, true));
        check_float(Un<zorsStdDev_32f>::call, sd_ref(h == 1 ? 2e-4L : 2 * f), 2);
    }
    g_hint = zorAlgHintNone;
    check_float(Un<zorsSum_64f>::call, sum_ref(d, 8, false));
    check_float(Un<zorsSum_64fc>::call, sum_ref(d, 8, false));
    check_float(Un<zorsMean_64f>::call, sum_ref(d, 8, true));
    check_float(Un<zorsMean_64fc>::call, sum_ref(d, 8, true));
    check_float(Un<zorsStdDev_64f>::call, sd_ref(1e-12L), 2);
    check_float(zorsDotProd_32f, dot_ref(f, 32));
    check_float(zorsDotProd_32fc, dot_ref(f, 32));
    check_float(zorsDotProd_32f32fc, dot_ref(f, 32));
    check_float(zorsDotProd_32f64f, dot_ref(d, 8));
    check_float(zorsDotProd_32fc64fc, dot_ref(d, 8));
    check_float(zorsDotProd_32f32fc64fc, dot_ref(d, 8));
    check_float(zorsDotProd_64f, dot_ref(d, 8));
    check_float(zorsDotProd_64fc, dot_ref(d, 8));
    check_float(zorsDotProd_64f64fc, dot_ref(d, 8));
    check_norm<zorsNorm_Inf_32f, zorsNormDiff_Inf_32f>(K::Inf, f, 32);
    check_norm<zorsNorm_L1_32f, zorsNormDiff_L1_32f>(K::L1, f, 32);
    check_norm<zorsNorm_L2_32f, zorsNormDiff_L2_32f>(K::L2, f, 32);
    check_norm<zorsNorm_Inf_64f, zorsNormDiff_Inf_64f>(K::Inf, d, 8);
    check_norm<zorsNorm_L1_64f, zorsNormDiff_L1_64f>(K::L1, d, 8);
    check_norm<zorsNorm_L2_64f, zorsNormDiff_L2_64f>(K::L2, d, 8);
    check_norm<zorsNorm_Inf_32fc32f, zorsNormDiff_Inf_32fc32f>(K::Inf, f, 32);
    check_norm<zorsNorm_L1_32fc64f, zorsNormDiff_L1_32fc64f>(K::L1, d, 8);
    check_norm<zorsNorm_L2_32fc64f, zorsNormDiff_L2_32fc64f>(K::L2, d, 8);
    check_norm<zorsNorm_Inf_64fc64f, zorsNormDiff_Inf_64fc64f>(K::Inf, d, 8);
    check_norm<zorsNorm_L1_64fc64f, zorsNormDiff_L1_64fc64f>(K::L1, d, 8);
    check_norm<zorsNorm_L2_64fc64f, zorsNormDiff_L2_64fc64f>(K::L2, d, 8);
    // 16s to 32f: exact accumulation, one rounding to single precision.
    check_norm<zorsNorm_Inf_16s32f, zorsNormDiff_Inf_16s32f>(K::Inf, 0, 8);
    check_norm<zorsNorm_L1_16s32f, zorsNormDiff_L1_16s32f>(K::L1, 0, 8);
    check_norm<zorsNorm_L2_16s32f, zorsNormDiff_L2_16s32f>(K::L2, d, 8);
}

// The fast hint sums in single-precision partial sums and carries them into
// double every 32768 elements: after a large first element, the ones that
// share its partial sum are lost in the first stretch, but every one of the
// second counts again. (The other hints keep them, see above.)
TEST(Sum, FastHintCarriesEveryStretch) {
    const int stretch = 32768;
    std::vector<Zor32f> v(2 * stretch, 1.0f);
    v[0] = 16777216.0f;
    zt::for_each_isa([&](zors::Isa) {
        Zor32f one = 0, two = 0;
        ASSERT_EQ(zorsSum_32f(v.data(), stretch, &one, zorAlgHintFast), zorStsNoErr);
        ASSERT_EQ(zorsSum_32f(v.data(), 2 * stretch, &two, zorAlgHintFast), zorStsNoErr);
        EXPECT_LT(one, 16777216.0f + (stretch - 1));
        EXPECT_NEAR(two - one, stretch, 2.0f);  // the totals are rounded to float
    });
}

// Without the fast hint a single-precision sum is eight interleaved double
// partial sums (element i in sum i % 8, each a chain of rounded additions),
// added pairwise at the end and rounded to single precision; the complex
// form does the same on its parts. Runs of elements whose additions are all
// exact may be added in another order, so the data here mix exact and
// inexact runs, zeros, subnormals and non-finite values across run ends:
// the result must be the chains' bits at every level.
float edge(int i, float small) {
    const std::uint32_t h = static_cast<std::uint32_t>(i % 2048) * 2654435761u;
    const float v = (1.5f + static_cast<float>(h >> 10) * 0x1p-23f) * ((i % 2048) % 3 ? 1.0f : small);
    return i < 2048 ? v : (i < 4096 ? -v : 0.0f);
}

TEST(Sum, EightInterleavedDoublePartialSums) {
    using Gen = float (*)(zt::Rng&, int i, int n);
    auto unit = [](zt::Rng& r) { return static_cast<float>(static_cast<double>(r.bits() >> 11) * 0x1p-52 - 1.0); };
    static decltype(unit) u = unit;
    const struct {
        const char* name;
        Gen gen;
    } cases[] = {
        {"uniform", [](zt::Rng& r, int, int) { return u(r); }},
        {"wide exponents", [](zt::Rng& r, int, int) { return std::ldexp(u(r), static_cast<int>(r.bits() % 60) - 30); }},
        {"zeros", [](zt::Rng& r, int i, int) { return i % 7 == 3 ? (i % 2 ? -0.0f : 0.0f) : u(r); }},
        {"zero runs", [](zt::Rng& r, int i, int) { return (i / 2048) % 2 ? 0.0f : u(r) * 1e-3f; }},
        // A coarse running sum meets fine elements, a fine one meets
        // elements that cancel in pairs, a coarse one is cancelled after
        // fine elements: a wrong order of the additions shows in the bits
        // that remain.
        {"large then fine", [](zt::Rng& r, int i, int n) { return i < n / 2 ? u(r) * 0x1p30f : u(r) * 0x1p-20f; }},
        {"fine then cancel", [](zt::Rng& r, int i, int) { return i < 2048 ? u(r) * 0x1p-20f : ((i / 8) % 2 ? -0x1p25f : 0x1p25f); }},
        {"coarse, fine, cancel", [](zt::Rng& r, int i, int) {
             return i < 2048 ? 0x1p22f : (i < 4096 ? u(r) * 0x1p-24f : (i < 6144 ? -0x1p22f : 0.0f));
         }},
        // Positive full-mantissa elements in [1.5, 2), every third one 2^-20
        // or 2^-22 times that (from the middle of a run on, a partial sum
        // needs 52 or 54 bits), then the same elements negated, leaving the
        // rounding errors of the first run.
        {"edge 52 bits", [](zt::Rng&, int i, int) { return edge(i, 0x1p-20f); }},
        {"edge 54 bits", [](zt::Rng&, int i, int) { return edge(i, 0x1p-22f); }},
        {"subnormal", [](zt::Rng& r, int, int) { return u(r) * 0x1p-130f; }},
        {"infinity", [](zt::Rng& r, int i, int n) { return i == n / 3 ? INFINITY : u(r); }},
        {"both infinities", [](zt::Rng& r, int i, int n) { return i == n / 3 ? INFINITY : (i == n - 1 ? -INFINITY : u(r)); }},
        {"nan", [](zt::Rng& r, int i, int n) { return i == n / 2 ? NAN : u(r); }},
    };
    for (const auto& c : cases) {
        for (int len : {1, 7, 31, 32, 33, 1000, 2048, 2049, 5000, 20000}) {
            zt::Rng rng(len);
            std::vector<Zor32f> x(len);
            for (int i = 0; i < len; ++i) x[i] = c.gen(rng, i, len);
            auto chains = [&](int first, int step) {
                double lane[8] = {};
                for (int i = first, j = 0; i < len; i += step, ++j) lane[j % 8] += static_cast<double>(x[i]);
                for (int w = 4; w >= 1; w /= 2)
                    for (int j = 0; j < w; ++j) lane[j] += lane[j + w];
                return lane[0];
            };
            // The complex view: parts 2k (re) and 2k + 1 (im) of the same data.
            const Zor32f want = static_cast<Zor32f>(chains(0, 1));
            double cl[8] = {};
            for (int i = 0; i < len - len % 2; ++i) cl[i % 8] += static_cast<double>(x[i]);
            const Zor32f want_re = static_cast<Zor32f>((cl[0] + cl[4]) + (cl[2] + cl[6]));
            const Zor32f want_im = static_cast<Zor32f>((cl[1] + cl[5]) + (cl[3] + cl[7]));
            zt::for_each_isa([&](zors::Isa) {
                Zor32f got = -1;
                Zor32fc cgot{-1, -1};
                ASSERT_EQ(zorsSum_32f(x.data(), len, &got, zorAlgHintNone), zorStsNoErr);
                EXPECT_TRUE(zt::same_bits(got, want)) << c.name << " len " << len << ": " << got << " want " << want;
                if (len >= 2) {
                    ASSERT_EQ(zorsSum_32fc(reinterpret_cast<const Zor32fc*>(x.data()), len / 2, &cgot, zorAlgHintAccurate),
                              zorStsNoErr);
                    EXPECT_TRUE(zt::same_bits(cgot.re, want_re) && zt::same_bits(cgot.im, want_im))
                        << c.name << " complex len " << len / 2;
                }
            });
        }
    }
}

// Sums longer than one 65536-element stretch of 32-bit partial sums stay
// exact; the L1 norm of 65537 x 32768 saturates.
TEST(Sum, LongVectorsStayExact) {
    std::vector<Zor16s> v(140000, INT16_MIN);
    v[70000] = INT16_MAX;
    const long double s = exact_dot(v.data(), 140000, decltype(v.data()){}).re;
    zt::for_each_isa([&](zors::Isa) {
        for (int sf : {0, 1, 17, 33, -1}) {
            Zor32s got = 0;
            ASSERT_EQ(zorsSum_16s32s_Sfs(v.data(), 140000, &got, sf), zorStsNoErr);
            EXPECT_EQ(got, zref::scale_sat<Zor32s>(s, sf)) << sf;
        }
        Zor32s l1 = 0;
        ASSERT_EQ(zorsNorm_L1_16s32s_Sfs(v.data(), 65537, &l1, 0), zorStsNoErr);
        EXPECT_EQ(l1, INT32_MAX);
    });
}

// A constant vector: 0 when the squares and sums are exact (a dyadic value);
// otherwise the one-pass formula may round to a tiny or a slightly negative
// variance, which must give 0, never NaN.
TEST(StdDev, ConstantVector) {
    for (int len : {2, 3, 17, 100, 1001}) {
        for (double value : {-1.5, 0.1}) {
            const std::vector<Zor32f> f(len, static_cast<float>(value));
            const std::vector<Zor64f> d(len, value);
            zt::for_each_isa([&](zors::Isa) {
                Zor32f rf[2] = {-1, -1};
                Zor64f rd = -1;
                ASSERT_EQ(zorsStdDev_32f(f.data(), len, &rf[0], zorAlgHintNone), zorStsNoErr);
                ASSERT_EQ(zorsStdDev_32f(f.data(), len, &rf[1], zorAlgHintFast), zorStsNoErr);
                ASSERT_EQ(zorsStdDev_64f(d.data(), len, &rd), zorStsNoErr);
                const double lim = value == -1.5 ? 0 : 1e-3;
                EXPECT_TRUE(rf[0] >= 0 && rf[0] <= lim && rf[1] >= 0 && rf[1] <= lim && rd >= 0 && rd <= lim * 1e-4)
                    << len << ": " << rf[0] << " " << rf[1] << " " << rd;
            });
        }
    }
}

// Without the fast hint the sums and sums of squares run in two interleaved
// double partial sums each (element i in partial sum i % 2, added in that
// order, the two partial sums added at the end): the result is exactly the
// one-pass formula on those sums, at every level. The data mix magnitudes
// so that the order of the additions shows in the last bits.
TEST(StdDev, TwoInterleavedDoublePartialSums) {
    auto run = [](auto zero, auto stddev) {
        using T = decltype(zero);
        zt::Rng rng(77);
        for (int len : {2, 3, 4, 5, 16, 17, 33, 64, 70, 127, 1000, 4099}) {
            zt::Guarded<T> x(len, zref::skew<T>(1 + len % 3));
            for (int i = 0; i < len; ++i) {
                const double m = static_cast<double>(rng.bits() >> 11) * 0x1p-53 - 0.3;
                x[i] = static_cast<T>(std::ldexp(m, static_cast<int>(rng.bits() % 40) - 20));
            }
            double s1[2] = {0, 0}, s2[2] = {0, 0};
            for (int i = 0; i < len; ++i) {
                const double v = x[i];
                s1[i % 2] += v;
                s2[i % 2] += v * v;
            }
            const double n = len, a = s1[0] + s1[1], b = s2[0] + s2[1];
            const double var = (n * b - a * a) / (n * (n - 1.0));
            const T want = static_cast<T>(var < 0 ? 0.0 : std::sqrt(var));
            zt::for_each_isa([&](zors::Isa) {
                T got = -1;
                ASSERT_EQ(stddev(x.data(), len, &got), zorStsNoErr);
                EXPECT_TRUE(zt::same_bits(got, want)) << "len " << len << ": " << got << " want " << want;
            });
        }
    };
    run(Zor32f{}, [](const Zor32f* x, int n, Zor32f* d) { return zorsStdDev_32f(x, n, d, zorAlgHintNone); });
    run(Zor32f{}, [](const Zor32f* x, int n, Zor32f* d) { return zorsStdDev_32f(x, n, d, zorAlgHintAccurate); });
    run(Zor64f{}, [](const Zor64f* x, int n, Zor64f* d) { return zorsStdDev_64f(x, n, d); });
}

// Large 32-bit operands: the double sum is within one step of the exact one.
TEST(DotProd, Integer32LargeOperands) {
    zt::Rng rng(9);
    std::vector<Zor32s> a(333), b(333);
    fill_int(a.data(), 333, rng, 32, Pattern::Random);
    fill_int(b.data(), 333, rng, 32, Pattern::Random);
    const long double s = exact_dot(a.data(), 333, b.data()).re;
    for (int sf : {40, 50, 62, 70, 93, 200}) {
        Zor32s got = 0;
        ASSERT_EQ(zorsDotProd_32s_Sfs(a.data(), b.data(), 333, &got, sf), zorStsNoErr);
        const long double want = std::ldexp(s, -std::min(sf, 93));
        EXPECT_LE(std::fabs(got - want), 1.0L + std::fabs(want) * 1e-12L) << sf;
    }
}

// The documented examples: saturation, ties to even, |-32768| = 32768 (also
// scaled: 2^62 from -2^31 * -2^31 is exact in double), no conjugation.
TEST(Reductions, DocumentedCases) {
    const Zor16s a[] = {32767, 1}, b[] = {1, 2}, m[] = {-32768}, three[] = {3};
    const Zor32s m32[] = {INT32_MIN};
    Zor16s r = 0;
    Zor32s r32 = 0;
    const struct { ZorStatus st; int got, want; } cases[] = {
        {zorsSum_16s_Sfs(a, 2, &r, 0), r, 32767}, {zorsSum_16s_Sfs(a, 2, &r, 1), r, 16384},
        {zorsSum_16s_Sfs(b, 2, &r, 1), r, 2}, {zorsSum_16s_Sfs(b, 1, &r, 1), r, 0},
        {zorsNorm_Inf_16s32s_Sfs(m, 1, &r32, 0), r32, 32768}, {zorsNorm_Inf_16s32s_Sfs(m, 1, &r32, 1), r32, 16384},
        {zorsNorm_Inf_16s32s_Sfs(three, 1, &r32, 1), r32, 1}, {zorsDotProd_32s_Sfs(m32, m32, 1, &r32, 62), r32, 1},
        {zorsDotProd_32s_Sfs(m32, m32, 1, &r32, 63), r32, 0}, {zorsDotProd_32s_Sfs(m32, m32, 1, &r32, -5), r32, INT32_MAX}};
    for (const auto& c : cases) EXPECT_TRUE(c.st == zorStsNoErr && c.got == c.want) << "case " << (&c - cases);
    Zor32f f = 0;
    const Zor32fc j[] = {{0.0f, 1.0f}};
    Zor32fc rc{};
    ASSERT_EQ(zorsNorm_Inf_16s32f(m, 1, &f), zorStsNoErr);
    ASSERT_EQ(zorsDotProd_32fc(j, j, 1, &rc), zorStsNoErr);
    EXPECT_TRUE(f == 32768.0f && rc.re == -1.0f && rc.im == 0.0f);
}

}  // namespace
