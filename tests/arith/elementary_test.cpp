// Elementary functions: floating forms against long double references over
// dense sweeps of their domains and the special values (maximum ulp error
// asserted, every dispatch level giving the same bits), the logarithms'
// classification and warnings, the integer forms against threshold and
// extended-precision models (exhaustive for 16-bit inputs), SumLn and the
// floating-point environment.
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tests/arg_checks.h"
#include "tests/common.h"
#include "tests/ref/ulp_ref.h"

namespace {

using ld = long double;

template <class T> T from_bits(std::uint64_t b) {
    T v;
    if constexpr (sizeof(T) == 4) { std::uint32_t u = static_cast<std::uint32_t>(b); std::memcpy(&v, &u, 4); }
    else std::memcpy(&v, &b, 8);
    return v;
}
template <class T> auto to_bits(T v) {
    std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t> u;
    std::memcpy(&u, &v, sizeof u);
    return u;
}

// Inputs: random bit patterns of every exponent, uniform points of the
// interesting interval, neighbours of the given edges, and the specials.
template <class S>
std::vector<S> sweep(double lo, double hi, std::initializer_list<double> edges, int count) {
    zt::Rng rng(2024);
    std::vector<S> v;
    for (int i = 0; i < count; ++i) {
        S x = rng.any<S>();
        if (std::isnan(x)) x = S(i);
        v.push_back(x);
        v.push_back(static_cast<S>(lo + (hi - lo) * ((rng.bits() >> 11) * 0x1p-53)));
    }
    for (double e : edges) {
        S x = static_cast<S>(e);
        for (int k = 0; k < 40; ++k) { v.push_back(x); x = std::nextafter(x, S(INFINITY)); }
        x = static_cast<S>(e);
        for (int k = 0; k < 40; ++k) { v.push_back(x); x = std::nextafter(x, -S(INFINITY)); }
    }
    const S L = std::numeric_limits<S>::max(), D = std::numeric_limits<S>::denorm_min(), N = std::numeric_limits<S>::min();
    for (S s : {S(0), -S(0), S(INFINITY), -S(INFINITY), S(NAN), L, -L, D, -D, N, -N, N - D, S(1), S(-1), S(0.5), S(2)}) v.push_back(s);
    return v;
}

// A floating member: its out-of-place and in-place exports, the reference,
// the input interval and edges.
template <class S, class D>
struct FloatCase {
    const char* name;
    ZorStatus (*fn)(const S*, D*, int);
    ZorStatus (*fn_i)(D*, int);
    ld (*ref)(ld);
    double lo, hi;
    std::initializer_list<double> edges;
};

ld ref_exp(ld x) { return std::exp(x); }
ld ref_ln(ld x) { return x < 0 || std::signbit(x) ? NAN : (x == 0 ? -INFINITY : std::log(x)); }
ld ref_atan(ld x) { return std::atan(x); }
ld ref_cbrt(ld x) { return std::cbrt(x); }

template <class S, class D>
void check_accuracy(const FloatCase<S, D>& c) {
    SCOPED_TRACE(c.name);
    const std::vector<S> in = sweep<S>(c.lo, c.hi, c.edges, 60000);
    const int n = static_cast<int>(in.size());
    std::vector<D> base;
    zt::for_each_isa([&](zors::Isa) {
        std::vector<D> out(n);
        c.fn(in.data(), out.data(), n);
        double worst = 0;
        S where = 0;
        for (int i = 0; i < n; ++i) {
            ld r = c.ref(static_cast<ld>(in[i]));
            // A signalling NaN or +inf argument of ln gives +inf; quiet NaNs stay NaN.
            const double e = zref::ulp_error(out[i], r);
            if (e > worst) { worst = e; where = in[i]; }
        }
        EXPECT_LE(worst, 1.0) << "at " << std::hexfloat << static_cast<double>(where);
        // Levels with fused multiply-add may differ from the baseline in the
        // last place, never by more than one unit.
        if (base.empty()) base = out;
        for (int i = 0; i < n; ++i)
            if (!(std::isnan(out[i]) && std::isnan(base[i])))
                ASSERT_LE(zref::ulp_error(out[i], static_cast<ld>(base[i])), 1.0) << "levels at " << static_cast<double>(in[i]);
        if constexpr (std::is_same_v<S, D>) {
            if (c.fn_i) {
                std::vector<D> io(in.begin(), in.end());
                c.fn_i(io.data(), n);
                EXPECT_EQ(std::memcmp(io.data(), out.data(), n * sizeof(D)), 0) << "in place";
            }
        }
        // Every length of the head and tail gives the same elements.
        for (int len = 1; len <= 19; ++len) {
            std::vector<D> part(len);
            c.fn(in.data() + 3, part.data(), len);
            EXPECT_EQ(std::memcmp(part.data(), out.data() + 3, len * sizeof(D)), 0) << "len " << len;
        }
    });
}

TEST(Elementary, FloatingAccuracy) {
    check_accuracy<Zor32f, Zor32f>({"Exp_32f", zorsExp_32f, zorsExp_32f_I, ref_exp, -104, 89, {88.72283, -87.33654, -103.27893, 0}});
    check_accuracy<Zor64f, Zor64f>({"Exp_64f", zorsExp_64f, zorsExp_64f_I, ref_exp, -746, 710, {709.782712893384, -708.3964185322641, -745.1332191019411, 0}});
    check_accuracy<Zor32f, Zor64f>({"Exp_32f64f", zorsExp_32f64f, nullptr, ref_exp, -746, 710, {709.78271, -745.13321}});
    check_accuracy<Zor32f, Zor32f>({"Ln_32f", zorsLn_32f, zorsLn_32f_I, ref_ln, 0, 4, {1, 0.70710677, 1.4142135}});
    check_accuracy<Zor64f, Zor64f>({"Ln_64f", zorsLn_64f, zorsLn_64f_I, ref_ln, 0, 4, {1, 0.7071067811865476, 1.4142135623730951}});
    check_accuracy<Zor64f, Zor32f>({"Ln_64f32f", zorsLn_64f32f, nullptr, ref_ln, 0, 4, {1, 1e-310}});
    check_accuracy<Zor32f, Zor32f>({"Arctan_32f", zorsArctan_32f, zorsArctan_32f_I, ref_atan, -20, 20, {0.25, 1, 4, 1.03125}});
    check_accuracy<Zor64f, Zor64f>({"Arctan_64f", zorsArctan_64f, zorsArctan_64f_I, ref_atan, -20, 20, {0.25, 1, 4, 0x1p60, 1.03125}});
    check_accuracy<Zor32f, Zor32f>({"Cubrt_32f", zorsCubrt_32f, nullptr, ref_cbrt, -1000, 1000, {1, 8, 1e-40}});
}

// The classification of the logarithms by the element's bits and the
// warning reported: 8 when a negative element occurs, else 7 for a zero.
template <class T>
void check_ln_classes(ZorStatus (*ln)(const T*, T*, int)) {
    using U = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
    const U sign = U{1} << (8 * sizeof(T) - 1);
    const U exp_all = sizeof(T) == 4 ? U(0x7F800000u) : U(0x7FF0000000000000ull);
    const U quiet = sizeof(T) == 4 ? U(0x00400000u) : U(0x0008000000000000ull);
    const U neg_nan = sign | exp_all | quiet;
    const T pinf = T(INFINITY);
    struct Row { std::vector<U> in; std::vector<U> out; ZorStatus st; };
    const U one = to_bits(T(1)), zero = 0, qnan = exp_all | quiet | 5, snan = exp_all | 3, inf = to_bits(pinf);
    const U minf = to_bits(-pinf);
    const std::vector<Row> rows = {
        {{one}, {zero}, zorStsNoErr},
        {{zero}, {minf}, zorStsLnZeroArg},
        {{to_bits(T(-1))}, {neg_nan}, zorStsLnNegArg},
        {{sign}, {neg_nan}, zorStsLnNegArg},                       // -0
        {{sign | qnan}, {neg_nan}, zorStsLnNegArg},                // negative NaN
        {{minf}, {neg_nan}, zorStsLnNegArg},
        {{qnan}, {qnan}, zorStsNoErr},
        {{snan}, {inf}, zorStsNoErr},
        {{inf}, {inf}, zorStsNoErr},
        {{zero, to_bits(T(-2)), one}, {minf, neg_nan, zero}, zorStsLnNegArg},
        {{to_bits(T(-2)), zero}, {neg_nan, minf}, zorStsLnNegArg},
        {{one, one, one, one, one, one, one, one, one, zero}, {zero, zero, zero, zero, zero, zero, zero, zero, zero, minf}, zorStsLnZeroArg},
    };
    for (const Row& r : rows) {
        const int n = static_cast<int>(r.in.size());
        std::vector<T> in(n), out(n);
        for (int i = 0; i < n; ++i) in[i] = from_bits<T>(r.in[i]);
        EXPECT_EQ(ln(in.data(), out.data(), n), r.st);
        for (int i = 0; i < n; ++i) {
            if ((r.out[i] & exp_all) == exp_all && (r.out[i] & ~sign & ~exp_all) != 0 && !(r.out[i] & sign))
                EXPECT_TRUE(std::isnan(out[i]) && !std::signbit(out[i])) << "element " << i;
            else
                EXPECT_EQ(to_bits(out[i]), r.out[i]) << "element " << i << " of " << n;
        }
    }
}

TEST(Elementary, LogarithmClasses) {
    check_ln_classes<Zor32f>(zorsLn_32f);
    check_ln_classes<Zor64f>(zorsLn_64f);
    Zor32f x[3] = {0.f, -1.f, -0.f}, y[3];
    EXPECT_EQ(zorsLn_32f(x, y, 1), zorStsLnZeroArg);
    EXPECT_EQ(zorsLn_32f(x + 1, y, 1), zorStsLnNegArg);
    EXPECT_EQ(to_bits(y[0]), 0xFFC00000u);
    EXPECT_EQ(zorsLn_32f_I(x + 2, 1), zorStsLnNegArg);
    Zor64f d[2] = {0.0, -3.0};
    Zor32f f[2];
    EXPECT_EQ(zorsLn_64f32f(d, f, 2), zorStsLnNegArg);
    EXPECT_EQ(to_bits(f[1]), 0xFFC00000u);
    EXPECT_TRUE(std::isinf(f[0]) && f[0] < 0);
}

TEST(Elementary, SpecialValues) {
    struct Row { const char* name; std::function<void(const double*, double*, int)> f; double in, out; };
    using Fn = std::function<void(const double*, double*, int)>;
    auto f32 = [](ZorStatus (*fn)(const Zor32f*, Zor32f*, int)) -> Fn {
        return [fn](const double* a, double* b, int n) {
            std::vector<Zor32f> x(a, a + n), y(n);
            fn(x.data(), y.data(), n);
            for (int i = 0; i < n; ++i) b[i] = y[i];
        };
    };
    auto f64 = [](ZorStatus (*fn)(const Zor64f*, Zor64f*, int)) -> Fn { return [fn](const double* a, double* b, int n) { fn(a, b, n); }; };
    const double pi2 = 1.5707963267948966;
    const std::vector<Row> rows = {
        {"exp32 0", f32(zorsExp_32f), 0.0, 1.0}, {"exp32 -0", f32(zorsExp_32f), -0.0, 1.0},
        {"exp32 inf", f32(zorsExp_32f), INFINITY, INFINITY}, {"exp32 -inf", f32(zorsExp_32f), -INFINITY, 0.0},
        {"exp32 89", f32(zorsExp_32f), 89.0, INFINITY}, {"exp32 -104", f32(zorsExp_32f), -104.0, 0.0},
        {"exp64 inf", f64(zorsExp_64f), INFINITY, INFINITY}, {"exp64 -inf", f64(zorsExp_64f), -INFINITY, 0.0},
        {"exp64 710", f64(zorsExp_64f), 710.0, INFINITY}, {"exp64 -746", f64(zorsExp_64f), -746.0, 0.0},
        {"exp64 1e300", f64(zorsExp_64f), 1e300, INFINITY}, {"exp64 -1e300", f64(zorsExp_64f), -1e300, 0.0},
        {"exp64 tiny", f64(zorsExp_64f), 1e-300, 1.0},
        {"atan32 inf", f32(zorsArctan_32f), INFINITY, static_cast<float>(pi2)},
        {"atan32 -inf", f32(zorsArctan_32f), -INFINITY, -static_cast<float>(pi2)},
        {"atan64 inf", f64(zorsArctan_64f), INFINITY, pi2}, {"atan64 -inf", f64(zorsArctan_64f), -INFINITY, -pi2},
        {"atan64 -0", f64(zorsArctan_64f), -0.0, -0.0}, {"atan64 1e308", f64(zorsArctan_64f), 1e308, pi2},
        {"atan64 1", f64(zorsArctan_64f), 1.0, 0.7853981633974483},
        {"cbrt -27", f32(zorsCubrt_32f), -27.0, -3.0}, {"cbrt -0", f32(zorsCubrt_32f), -0.0, -0.0},
        {"cbrt -inf", f32(zorsCubrt_32f), -INFINITY, -INFINITY},
    };
    for (const Row& r : rows) {
        double y = 12345;
        r.f(&r.in, &y, 1);
        EXPECT_EQ(to_bits(y), to_bits(r.out)) << r.name << ": " << y;
    }
    for (const Fn& f : {f32(zorsExp_32f), f64(zorsExp_64f), f32(zorsArctan_32f), f64(zorsArctan_64f), f32(zorsCubrt_32f)}) {
        const double nan = NAN;
        double y = 0;
        f(&nan, &y, 1);
        EXPECT_TRUE(std::isnan(y));
    }
}

// Integer exponentials and logarithms: the nearest integer to the scaled
// value, found for the logarithms by comparing with the rounding thresholds
// e^((k + 1/2) * 2^sf) (10^(...) / 10 for 10Log10), for the exponential
// from an extended-precision value.
ld ref_nearest(ld v) {
    return std::nearbyint(v);
}
template <class D>
D sat(ld v) {
    if (!(v == v)) return 0;
    if (v <= static_cast<ld>(std::numeric_limits<D>::min())) return std::numeric_limits<D>::min();
    if (v >= static_cast<ld>(std::numeric_limits<D>::max())) return std::numeric_limits<D>::max();
    return static_cast<D>(v);
}
// The k for which x lies between the thresholds around k (of the function g
// applied to the scaled value).
template <class D>
D log_by_thresholds(ld x, int sf, bool ten) {
    auto inv = [&](ld y) { return ten ? std::pow(10.0L, std::ldexp(y, sf) / 10) : std::exp(std::ldexp(y, sf)); };
    ld k = std::floor(std::ldexp(ten ? 10 * std::log10(x) : std::log(x), -sf));
    if (std::isinf(k) || std::fabs(k) > 1e30L) return sat<D>(k);
    while (x >= inv(k + 0.5L)) k += 1;
    while (x < inv(k - 0.5L)) k -= 1;
    return sat<D>(k);
}

TEST(Elementary, IntegerLogarithms) {
    // Exhaustive over 16-bit sources.
    std::vector<Zor16s> in(65536), out(65536);
    for (int i = 0; i < 65536; ++i) in[i] = static_cast<Zor16s>(i - 32768);
    for (int sf : {0, 1, 3, -1, -4, -12, 16}) {
        EXPECT_EQ(zorsLn_16s_Sfs(in.data(), out.data(), 65536, sf), zorStsLnNegArg);
        for (int i = 0; i < 65536; ++i) {
            const Zor16s want = in[i] <= 0 ? 0 : log_by_thresholds<Zor16s>(in[i], sf, false);
            ASSERT_EQ(out[i], want) << "x " << in[i] << " sf " << sf;
        }
    }
    // 32-bit sources around every threshold and at the extremes.
    std::vector<Zor32s> x;
    for (int k = 0; k <= 22; ++k) {
        const ld t = std::exp(k + 0.5L);
        for (int d = -2; d <= 2; ++d) if (t + d < 2147483647.0L && t + d >= 1) x.push_back(static_cast<Zor32s>(std::floor(t) + d));
    }
    for (int k = 0; k <= 94; ++k) {
        const ld t = std::pow(10.0L, (k + 0.5L) / 10);
        for (int d = -2; d <= 2; ++d) if (t + d < 2147483647.0L && t + d >= 1) x.push_back(static_cast<Zor32s>(std::floor(t) + d));
    }
    for (Zor32s v : {1, 2, 3, 2147483647, 268337, 268338, 56234, 56235}) x.push_back(v);
    const int n = static_cast<int>(x.size());
    for (int sf : {0, 1, -1, -8, -20, 5, 40}) {
        std::vector<Zor32s> y(n), t(n);
        std::vector<Zor16s> h(n);
        EXPECT_EQ(zorsLn_32s_Sfs(x.data(), y.data(), n, sf), zorStsNoErr);
        EXPECT_EQ(zors10Log10_32s_Sfs(x.data(), t.data(), n, sf), zorStsNoErr);
        EXPECT_EQ(zorsLn_32s16s_Sfs(x.data(), h.data(), n, sf), zorStsNoErr);
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(y[i], log_by_thresholds<Zor32s>(x[i], sf, false)) << x[i] << " sf " << sf;
            EXPECT_EQ(t[i], log_by_thresholds<Zor32s>(x[i], sf, true)) << x[i] << " sf " << sf;
            EXPECT_EQ(h[i], log_by_thresholds<Zor16s>(x[i], sf, false)) << x[i] << " sf " << sf;
        }
    }
    Zor32s e[4] = {268337, 268338, 56234, 56235}, r[4];
    zorsLn_32s_Sfs(e, r, 2, 0);
    EXPECT_EQ(r[0], 12);
    EXPECT_EQ(r[1], 13);
    zors10Log10_32s_Sfs(e + 2, r + 2, 2, 0);
    EXPECT_EQ(r[2], 47);
    EXPECT_EQ(r[3], 48);
    // Zero and negative elements: the warnings, 0 from Ln.
    Zor32s z[3] = {0, 5, -5};
    EXPECT_EQ(zorsLn_32s_Sfs(z, r, 2, 0), zorStsLnZeroArg);
    EXPECT_EQ(r[0], 0);
    EXPECT_EQ(zorsLn_32s_ISfs(z, 3, 0), zorStsLnNegArg);
    EXPECT_EQ(z[0], 0);
    EXPECT_EQ(z[1], 2);
    EXPECT_EQ(z[2], 0);
    Zor32s w[2] = {0, 100};
    EXPECT_EQ(zors10Log10_32s_ISfs(w, 2, 0), zorStsLnZeroArg);
    EXPECT_EQ(w[1], 20);
    Zor16s s[2] = {-1, 7};
    EXPECT_EQ(zorsLn_16s_ISfs(s, 2, -2), zorStsLnNegArg);
    EXPECT_EQ(s[1], 8);  // 4 ln 7 = 7.78
}

TEST(Elementary, IntegerExponentials) {
    std::vector<Zor16s> in(65536), out(65536);
    for (int i = 0; i < 65536; ++i) in[i] = static_cast<Zor16s>(i - 32768);
    for (int sf : {0, 1, 4, -1, -3, 15, 30}) {
        EXPECT_EQ(zorsExp_16s_Sfs(in.data(), out.data(), 65536, sf), zorStsNoErr);
        for (int i = 0; i < 65536; ++i)
            ASSERT_EQ(out[i], sat<Zor16s>(ref_nearest(std::ldexp(std::exp(static_cast<ld>(in[i])), -sf)))) << in[i] << " sf " << sf;
    }
    const std::vector<Zor32s> x32 = {-2147483647 - 1, -100, -1, 0, 1, 2, 10, 20, 21, 22, 30, 2147483647};
    std::vector<Zor32s> y32(x32.size());
    for (int sf : {0, 2, -5, 31}) {
        zorsExp_32s_Sfs(x32.data(), y32.data(), static_cast<int>(x32.size()), sf);
        for (std::size_t i = 0; i < x32.size(); ++i)
            EXPECT_EQ(y32[i], sat<Zor32s>(ref_nearest(std::ldexp(std::exp(static_cast<ld>(x32[i])), -sf)))) << x32[i];
    }
    Zor32s a[3] = {21, 22, 1};
    zorsExp_32s_ISfs(a, 3, 0);
    EXPECT_EQ(a[0], 1318815734);
    EXPECT_EQ(a[1], 2147483647);
    EXPECT_EQ(a[2], 3);
    Zor64s b[4] = {43, 44, -1, 0};
    zorsExp_64s_ISfs(b, 4, 0);
    // e^43 = 4727839468229346561.47: beyond 2^62 the extended-precision value
    // decides the last unit.
    EXPECT_GE(b[0], 4727839468229346561LL);
    EXPECT_LE(b[0], 4727839468229346562LL);
    EXPECT_EQ(b[1], std::numeric_limits<Zor64s>::max());
    EXPECT_EQ(b[2], 0);
    EXPECT_EQ(b[3], 1);
    Zor64s c[2] = {10, 0}, d[2];
    zorsExp_64s_Sfs(c, d, 2, 1);
    EXPECT_EQ(d[0], 11013);  // 22026.47 / 2
    EXPECT_EQ(d[1], 0);      // one half, to even
    Zor16s s[2] = {10, 11};
    zorsExp_16s_ISfs(s, 2, 0);
    EXPECT_EQ(s[0], 22026);
    EXPECT_EQ(s[1], 32767);
}

TEST(Elementary, IntegerCubeRoot) {
    std::vector<Zor32s> x;
    for (int k = -1290; k <= 1290; ++k) {
        const long long c = 1LL * k * k * k;
        for (int d = -1; d <= 1; ++d) if (c + d >= -2147483648LL && c + d <= 2147483647LL) x.push_back(static_cast<Zor32s>(c + d));
    }
    zt::Rng rng(7);
    for (int i = 0; i < 20000; ++i) x.push_back(rng.any<Zor32s>());
    const int n = static_cast<int>(x.size());
    std::vector<Zor16s> y(n);
    for (int sf : {0, 1, -4, -12, 3}) {
        ASSERT_EQ(zorsCubrt_32s16s_Sfs(x.data(), y.data(), n, sf), zorStsNoErr);
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(y[i], sat<Zor16s>(ref_nearest(std::ldexp(std::cbrt(static_cast<ld>(x[i])), -sf)))) << x[i] << " sf " << sf;
    }
    Zor32s big = 2147483647;
    Zor16s r;
    zorsCubrt_32s16s_Sfs(&big, &r, 1, -4);
    EXPECT_EQ(r, 20643);  // 1290.16 * 16
    zorsCubrt_32s16s_Sfs(&big, &r, 1, -5);
    EXPECT_EQ(r, 32767);
}

// SumLn against the sum of long double logarithms, and its early stops.
template <class S, class D>
void check_sum_ln(ZorStatus (*f)(const S*, int, D*), double tol) {
    zt::Rng rng(99);
    for (int len : {1, 2, 31, 32, 33, 1023, 1024, 1025, 2048, 5000}) {
        std::vector<S> x(len);
        ld want = 0;
        for (int i = 0; i < len; ++i) {
            if constexpr (std::is_integral_v<S>) x[i] = static_cast<S>(1 + rng.bits() % 32767);
            else x[i] = static_cast<S>(std::ldexp(1.0 + (rng.bits() >> 11) * 0x1p-53, static_cast<int>(rng.bits() % 200) - 100));
            want += std::log(static_cast<ld>(x[i]));
        }
        D got = 0;
        ASSERT_EQ(f(x.data(), len, &got), zorStsNoErr);
        EXPECT_NEAR(static_cast<double>(got), static_cast<double>(want), tol * (1 + std::fabs(static_cast<double>(want)))) << "len " << len;
    }
    // The scan stops at the first exceptional element.
    struct Row { std::vector<double> in; ZorStatus st; double out; };
    const bool integer = std::is_integral_v<S>;
    const std::vector<Row> rows = {
        {{1, 0, -1}, zorStsLnZeroArg, integer ? 0 : -INFINITY},
        {{-1, 0}, zorStsLnNegArg, integer ? 0 : NAN},
        {{2, 3, -0.0}, integer ? zorStsLnZeroArg : zorStsLnNegArg, integer ? 0 : NAN},
    };
    for (const Row& r : rows) {
        std::vector<S> x;
        for (double v : r.in) x.push_back(static_cast<S>(v));
        D got = 7;
        EXPECT_EQ(f(x.data(), static_cast<int>(x.size()), &got), r.st);
        if (std::isnan(r.out)) EXPECT_TRUE(std::isnan(got));
        else EXPECT_EQ(got, static_cast<D>(r.out));
    }
    if constexpr (!integer) {
        S x[3] = {2, S(NAN), -1};
        D got = 0;
        EXPECT_EQ(f(x, 3, &got), zorStsNoErr);
        EXPECT_TRUE(std::isnan(got));
    }
}

TEST(Elementary, SumLn) {
    check_sum_ln<Zor32f, Zor32f>(zorsSumLn_32f, 1e-6);
    check_sum_ln<Zor64f, Zor64f>(zorsSumLn_64f, 1e-13);
    check_sum_ln<Zor32f, Zor64f>(zorsSumLn_32f64f, 1e-13);
    check_sum_ln<Zor16s, Zor32f>(zorsSumLn_16s32f, 1e-6);
    // A long run of tiny fractions does not lose the product.
    std::vector<Zor64f> x(3000, 0.75);
    Zor64f s = 0;
    zorsSumLn_64f(x.data(), 3000, &s);
    EXPECT_NEAR(s, 3000 * std::log(0.75), 1e-10);
}

// The caller's rounding mode and exception masks come back, and the flags
// raised inside (invalid operation, underflow) do not.
TEST(Elementary, FloatingPointEnvironment) {
    const unsigned saved = _mm_getcsr();
    const unsigned mine = (saved & ~0x6000u & ~0x3Fu) | 0x6000u;  // round toward zero, no flags
    Zor32f x[4] = {-150.f, -1.f, 0.f, 1e30f}, y[4];
    Zor64f a[3] = {-800.0, -1.0, 1.0}, b[3];
    for (int k = 0; k < 3; ++k) {
        _mm_setcsr(mine);
        if (k == 0) zorsExp_32f(x, y, 4);
        if (k == 1) zorsLn_32f(x, y, 4);
        if (k == 2) { zorsExp_64f(a, b, 3); zorsLn_64f(a, b, 3); zorsArctan_64f(a, b, 3); }
        const unsigned after = _mm_getcsr();
        _mm_setcsr(saved);
        EXPECT_EQ(after, mine) << "member " << k;
    }
    // Results do not depend on the caller's rounding mode.
    Zor32f up[4], near[4];
    Zor32f in[4] = {0.1f, 1.7f, -3.3f, 20.0f};
    zorsExp_32f(in, near, 4);
    _mm_setcsr((saved & ~0x6000u) | 0x4000u);
    zorsExp_32f(in, up, 4);
    _mm_setcsr(saved);
    EXPECT_EQ(std::memcmp(up, near, sizeof up), 0);
}

TEST(Elementary, ArgumentChecks) {
    ZT_CHECKS(zorsExp_32f, 1); ZT_CHECKS(zorsExp_64f, 1); ZT_CHECKS(zorsExp_32f64f, 1); ZT_CHECKS(zorsExp_32f_I, 1);
    ZT_CHECKS(zorsExp_64f_I, 1); ZT_CHECKS(zorsExp_16s_Sfs, 1); ZT_CHECKS(zorsExp_16s_ISfs, 1); ZT_CHECKS(zorsExp_32s_Sfs, 1);
    ZT_CHECKS(zorsExp_32s_ISfs, 1); ZT_CHECKS(zorsExp_64s_Sfs, 1); ZT_CHECKS(zorsExp_64s_ISfs, 1);
    ZT_CHECKS(zorsLn_32f, 1); ZT_CHECKS(zorsLn_64f, 1); ZT_CHECKS(zorsLn_64f32f, 1); ZT_CHECKS(zorsLn_32f_I, 1);
    ZT_CHECKS(zorsLn_64f_I, 1); ZT_CHECKS(zorsLn_16s_Sfs, 1); ZT_CHECKS(zorsLn_32s_Sfs, 1); ZT_CHECKS(zorsLn_32s16s_Sfs, 1);
    ZT_CHECKS(zorsLn_16s_ISfs, 1); ZT_CHECKS(zorsLn_32s_ISfs, 1); ZT_CHECKS(zors10Log10_32s_Sfs, 1);
    ZT_CHECKS(zors10Log10_32s_ISfs, 1); ZT_CHECKS(zorsSumLn_32f, 1); ZT_CHECKS(zorsSumLn_64f, 1);
    ZT_CHECKS(zorsSumLn_32f64f, 1); ZT_CHECKS(zorsSumLn_16s32f, 1); ZT_CHECKS(zorsCubrt_32f, 1);
    ZT_CHECKS(zorsCubrt_32s16s_Sfs, 1); ZT_CHECKS(zorsArctan_32f, 1); ZT_CHECKS(zorsArctan_64f, 1);
    ZT_CHECKS(zorsArctan_32f_I, 1); ZT_CHECKS(zorsArctan_64f_I, 1);
}

}  // namespace
