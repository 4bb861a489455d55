// Hilbert transform against the analytic signal computed from its definition
// in long double, and Goertzel against the closed form e^{iω·len}·Σ x[n]·
// e^{-iωn}, for every kind, with the range checks and 16-bit rounding.
#include <cstring>

#include "tests/common.h"
#include "tests/ref/dft_ref.h"
#include "zors.h"

namespace {

using zref::cld;

long double sat16(long double v) { return v > 32767 ? 32767 : v < -32768 ? -32768 : v; }

// ---- Goertzel ----

// The kinds as one table: input element, output element, frequency type,
// and whether the input is complex and the result 16-bit.
template <class In, class Out, class F, bool Cplx, bool Fixed>
struct GKind {
    using I = In;
    using O = Out;
    using Freq = F;
    static constexpr bool cplx = Cplx, fixed = Fixed;
};
struct G32f : GKind<Zor32f, Zor32fc, Zor32f, false, false> {
    static ZorStatus one(const I* x, int n, O* v, Freq f, int) { return zorsGoertz_32f(x, n, v, f); }
};
struct G32fc : GKind<Zor32fc, Zor32fc, Zor32f, true, false> {
    static ZorStatus one(const I* x, int n, O* v, Freq f, int) { return zorsGoertz_32fc(x, n, v, f); }
    static ZorStatus two(const I* x, int n, O* v, const Freq* f, int) { return zorsGoertzTwo_32fc(x, n, v, f); }
};
struct G64fc : GKind<Zor64fc, Zor64fc, Zor64f, true, false> {
    static ZorStatus one(const I* x, int n, O* v, Freq f, int) { return zorsGoertz_64fc(x, n, v, f); }
    static ZorStatus two(const I* x, int n, O* v, const Freq* f, int) { return zorsGoertzTwo_64fc(x, n, v, f); }
};
struct G16s : GKind<Zor16s, Zor16sc, Zor32f, false, true> {
    static ZorStatus one(const I* x, int n, O* v, Freq f, int sf) { return zorsGoertz_16s_Sfs(x, n, v, f, sf); }
};
struct G16sc : GKind<Zor16sc, Zor16sc, Zor32f, true, true> {
    static ZorStatus one(const I* x, int n, O* v, Freq f, int sf) { return zorsGoertz_16sc_Sfs(x, n, v, f, sf); }
    static ZorStatus two(const I* x, int n, O* v, const Freq* f, int sf) { return zorsGoertzTwo_16sc_Sfs(x, n, v, f, sf); }
};

template <class F>
void for_each_goertz(F&& f) {
    f.template operator()<G32f>(), f.template operator()<G32fc>(), f.template operator()<G64fc>();
    f.template operator()<G16s>(), f.template operator()<G16sc>();
}

template <class K> cld in_value(const typename K::I& v) {
    if constexpr (K::cplx) return {static_cast<long double>(v.re), static_cast<long double>(v.im)};
    else return static_cast<long double>(v);
}
template <class K> void set_in(typename K::I& v, long double re, long double im) {
    if constexpr (K::cplx) v = {static_cast<decltype(v.re)>(re), static_cast<decltype(v.re)>(im)};
    else v = static_cast<typename K::I>(re);
}

// e^{iω·len}·Σ x[n]·e^{-iωn} with ω = 2π·f taken in double precision.
template <class K>
cld closed_form(const std::vector<typename K::I>& x, double f) {
    const long double w = static_cast<long double>(6.283185307179586 * f);
    cld acc = 0;
    for (std::size_t n = 0; n < x.size(); ++n) acc += in_value<K>(x[n]) * std::polar(1.0L, -w * static_cast<long double>(n));
    return acc * std::polar(1.0L, w * static_cast<long double>(x.size()));
}

// The 16-bit result: half away from zero, saturated.
Zor16s round_away(long double v) {
    const long double t = v > 0 ? std::floor(v + 0.5L) : std::ceil(v - 0.5L);
    return static_cast<Zor16s>(sat16(t));
}

template <class K>
testing::AssertionResult goertz_ok(typename K::O got, cld want, long double l1, std::size_t n, int sf) {
    if constexpr (K::fixed) {
        want *= std::ldexp(1.0L, -sf);
        const Zor16s er = round_away(want.real()), ei = round_away(want.imag());
        // The recursion's double-precision error can move a value across a
        // rounding boundary: one unit at most.
        if (std::abs(got.re - er) <= 1 && std::abs(got.im - ei) <= 1) return testing::AssertionSuccess();
        return testing::AssertionFailure() << got.re << "," << got.im << " for " << want;
    } else {
        const long double tol = l1 * (sizeof(got.re) == 4 ? 2e-7L : 1e-16L * static_cast<long double>(n * n + 4));
        const long double e = std::abs(cld(got.re, got.im) - want);
        if (e <= tol) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "error " << e << " tolerance " << tol;
    }
}

TEST(Goertzel, ClosedFormEveryKind) {
    for_each_goertz([]<class K>() {
        for (int n : {1, 2, 7, 31, 32, 33, 100, 1000}) {
            std::mt19937 g(static_cast<unsigned>(n));
            std::vector<typename K::I> x(static_cast<std::size_t>(n));
            long double l1 = 0;
            for (auto& v : x) {
                const long double a = K::fixed ? static_cast<int>(g() % 2001) - 1000 : (g() % 10000) / 10000.0L - 0.5L;
                const long double b = K::fixed ? static_cast<int>(g() % 2001) - 1000 : (g() % 10000) / 10000.0L - 0.5L;
                set_in<K>(v, a, b);
                l1 += std::abs(in_value<K>(v));
            }
            for (double f : {0.0, 1.0 / n, 3.0 / n, 0.123456, 0.25, 0.49, 0.5, 0.75, 0.999}) {
                if (f >= 1) continue;
                const auto fr = static_cast<typename K::Freq>(f);
                const cld want = closed_form<K>(x, static_cast<double>(fr));
                for (int sf : K::fixed ? std::vector<int>{-3, 0, 4, 31} : std::vector<int>{0}) {
                    typename K::O v{};
                    ASSERT_EQ(K::one(x.data(), n, &v, fr, sf), zorStsNoErr);
                    EXPECT_TRUE(goertz_ok<K>(v, want, l1, static_cast<std::size_t>(n), sf)) << n << " at " << f << " sf " << sf;
                    if constexpr (requires { K::two; }) {
                        const typename K::Freq fs[2] = {fr, static_cast<typename K::Freq>(0.3)};
                        typename K::O w[2] = {}, u{};
                        ASSERT_EQ(K::two(x.data(), n, w, fs, sf), zorStsNoErr);
                        ASSERT_EQ(K::one(x.data(), n, &u, fs[1], sf), zorStsNoErr);
                        EXPECT_EQ(std::memcmp(&w[0], &v, sizeof v), 0) << "first of two";
                        EXPECT_EQ(std::memcmp(&w[1], &u, sizeof u), 0) << "second of two";
                    }
                }
            }
        }
    });
}

TEST(Goertzel, DftBinAndSum) {
    // rFreq 0 gives the plain sum; rFreq k/len the DFT bin k.
    std::vector<Zor64fc> x(60);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = {std::sin(0.3 * i), std::cos(0.7 * i)};
    Zor64fc v{};
    ASSERT_EQ(zorsGoertz_64fc(x.data(), 60, &v, 0.0), zorStsNoErr);
    cld sum = 0;
    std::vector<cld> lx;
    for (auto e : x) sum += cld(e.re, e.im), lx.emplace_back(e.re, e.im);
    EXPECT_NEAR(v.re, static_cast<double>(sum.real()), 1e-12);
    EXPECT_NEAR(v.im, static_cast<double>(sum.imag()), 1e-12);
    const auto w = zref::roots(60, false);
    for (std::size_t k : {1, 7, 30, 59}) {
        ASSERT_EQ(zorsGoertz_64fc(x.data(), 60, &v, static_cast<double>(k) / 60), zorStsNoErr);
        const cld b = zref::dft_bin(lx, w, k);
        EXPECT_NEAR(v.re, static_cast<double>(b.real()), 1e-11) << k;
        EXPECT_NEAR(v.im, static_cast<double>(b.imag()), 1e-11) << k;
    }
}

TEST(Goertzel, Checks) {
    for_each_goertz([]<class K>() {
        std::vector<typename K::I> x(8);
        const typename K::O sentinel = {static_cast<decltype(sentinel.re)>(5), static_cast<decltype(sentinel.re)>(5)};
        typename K::O v = sentinel;
        using F = typename K::Freq;
        EXPECT_EQ(K::one(nullptr, 0, &v, F(2), 0), zorStsNullPtrErr);
        EXPECT_EQ(K::one(x.data(), 0, nullptr, F(2), 0), zorStsNullPtrErr);
        EXPECT_EQ(K::one(x.data(), 0, &v, F(2), 0), zorStsSizeErr);
        EXPECT_EQ(K::one(x.data(), -3, &v, F(0.5), 0), zorStsSizeErr);
        for (F f : {F(-0.0001), F(1.0), F(1.5), std::numeric_limits<F>::quiet_NaN(), -std::numeric_limits<F>::infinity()})
            EXPECT_EQ(K::one(x.data(), 8, &v, f, 0), zorStsRelFreqErr) << f;
        EXPECT_EQ(std::memcmp(&v, &sentinel, sizeof v), 0);
        EXPECT_EQ(K::one(x.data(), 8, &v, F(0.999), 0), zorStsNoErr);
        if constexpr (requires { K::two; }) {
            typename K::O w[2] = {sentinel, sentinel};
            const F good[2] = {F(0.1), F(0.2)}, bad1[2] = {F(1), F(0.2)}, bad2[2] = {F(0.1), F(-1)};
            EXPECT_EQ(K::two(x.data(), 8, w, nullptr, 0), zorStsNullPtrErr);
            EXPECT_EQ(K::two(x.data(), 8, nullptr, good, 0), zorStsNullPtrErr);
            EXPECT_EQ(K::two(nullptr, 8, w, good, 0), zorStsNullPtrErr);
            EXPECT_EQ(K::two(x.data(), 0, w, bad1, 0), zorStsSizeErr);
            EXPECT_EQ(K::two(x.data(), 8, w, bad1, 0), zorStsRelFreqErr);
            EXPECT_EQ(K::two(x.data(), 8, w, bad2, 0), zorStsRelFreqErr);
            EXPECT_EQ(std::memcmp(&w[0], &sentinel, sizeof sentinel), 0);
            EXPECT_EQ(std::memcmp(&w[1], &sentinel, sizeof sentinel), 0);
        }
    });
}

// ---- Hilbert ----

template <class In, class Out, class S, bool Sfs>
struct HKind {
    using I = In;
    using O = Out;
    using Spec = S;
    static constexpr bool sfs = Sfs;
};
struct H32f32fc : HKind<Zor32f, Zor32fc, ZorsHilbertSpec_32f32fc, false> {
    static constexpr std::uint32_t id = 0x4C4D5357;
    static ZorStatus init(Spec** p, int n, ZorHintAlgorithm h) { return zorsHilbertInitAlloc_32f32fc(p, n, h); }
    static ZorStatus release(Spec* p) { return zorsHilbertFree_32f32fc(p); }
    static ZorStatus run(const I* x, O* y, const Spec* s, int) { return zorsHilbert_32f32fc(x, y, s); }
};
struct H16s32fc : HKind<Zor16s, Zor32fc, ZorsHilbertSpec_16s32fc, false> {
    static constexpr std::uint32_t id = 0x4C4D5358;
    static ZorStatus init(Spec** p, int n, ZorHintAlgorithm h) { return zorsHilbertInitAlloc_16s32fc(p, n, h); }
    static ZorStatus release(Spec* p) { return zorsHilbertFree_16s32fc(p); }
    static ZorStatus run(const I* x, O* y, const Spec* s, int) { return zorsHilbert_16s32fc(x, y, s); }
};
struct H16s16sc : HKind<Zor16s, Zor16sc, ZorsHilbertSpec_16s16sc, true> {
    static constexpr std::uint32_t id = 0x4C4D5359;
    static ZorStatus init(Spec** p, int n, ZorHintAlgorithm h) { return zorsHilbertInitAlloc_16s16sc(p, n, h); }
    static ZorStatus release(Spec* p) { return zorsHilbertFree_16s16sc(p); }
    static ZorStatus run(const I* x, O* y, const Spec* s, int sf) { return zorsHilbert_16s16sc_Sfs(x, y, s, sf); }
};

template <class F>
void for_each_hilbert(F&& f) {
    f.template operator()<H32f32fc>(), f.template operator()<H16s32fc>(), f.template operator()<H16s16sc>();
}

// The analytic signal from its definition: X[0] and (even length) X[n/2]
// kept, X[1 .. ceil(n/2) - 1] doubled, the rest cleared.
std::vector<cld> analytic(const std::vector<cld>& x) {
    const std::size_t n = x.size();
    if (n <= 2) return x;
    std::vector<cld> X = zref::dft_any(x, false);
    for (std::size_t k = 1; k < n; ++k) X[k] = 2 * k < n ? 2.0L * X[k] : 2 * k == n ? X[k] : 0.0L;
    std::vector<cld> y = zref::dft_any(X, true);
    for (auto& v : y) v /= static_cast<long double>(n);
    return y;
}

TEST(Hilbert, AnalyticSignalEveryKind) {
    for_each_hilbert([]<class K>() {
        for (int n : {1, 2, 3, 4, 5, 8, 15, 16, 100, 101, 1000, 1001, 2049}) {
            SCOPED_TRACE(testing::Message() << K::id << " length " << n);
            std::mt19937 g(static_cast<unsigned>(n));
            std::vector<typename K::I> x(static_cast<std::size_t>(n));
            std::vector<cld> lx;
            for (auto& v : x) {
                v = std::is_same_v<typename K::I, Zor16s> ? static_cast<typename K::I>(static_cast<int>(g() % 20001) - 10000)
                                                          : static_cast<typename K::I>((g() % 10000) / 10000.0 - 0.5);
                lx.emplace_back(static_cast<long double>(v), 0.0L);
            }
            const std::vector<cld> want = analytic(lx);
            typename K::Spec* s = nullptr;
            ASSERT_EQ(K::init(&s, n, zorAlgHintNone), zorStsNoErr);
            for (int sf : K::sfs ? std::vector<int>{-1, 0, 3} : std::vector<int>{0}) {
                zt::Guarded<typename K::O> y(n, 8);
                ASSERT_EQ(K::run(x.data(), y.data(), s, sf), zorStsNoErr);
                EXPECT_TRUE(y.guards_intact());
                if constexpr (K::sfs) {
                    const long double f = std::ldexp(1.0L, -sf);
                    for (int i = 0; i < n; ++i) {
                        // lengths 1 and 2 truncate the scaled input; longer
                        // ones round the transform's result
                        const long double re = want[static_cast<std::size_t>(i)].real() * f, im = want[static_cast<std::size_t>(i)].imag() * f;
                        const long double er = n <= 2 ? sat16(std::trunc(re)) : sat16(re), ei = n <= 2 ? 0 : sat16(im);
                        ASSERT_LE(std::fabs(y[i].re - er), n <= 2 ? 0.0L : 1.5L) << i << " sf " << sf;
                        ASSERT_LE(std::fabs(y[i].im - ei), n <= 2 ? 0.0L : 1.5L) << i << " sf " << sf;
                    }
                } else {
                    std::vector<cld> got;
                    for (int i = 0; i < n; ++i) got.emplace_back(y[i].re, y[i].im);
                    EXPECT_LE(zref::rel_rms(got, want), 1.19e-7L * 8 * (1 + std::sqrt(std::log2(static_cast<long double>(n)))));
                    long double top = 0;
                    for (auto v : x) top = std::max(top, std::fabs(static_cast<long double>(v)));
                    for (int i = 0; i < n; ++i)
                        EXPECT_NEAR(y[i].re, static_cast<float>(x[static_cast<std::size_t>(i)]), 1e-6 * top * (1 + std::sqrt(std::log2(n)))) << "real part " << i;
                    if (n <= 2) for (int i = 0; i < n; ++i) EXPECT_EQ(y[i].im, 0.0f);
                }
            }
            ASSERT_EQ(K::release(s), zorStsNoErr);
        }
    });
}

TEST(Hilbert, CosineGivesSine) {
    for (int n : {64, 90, 101}) {
        ZorsHilbertSpec_32f32fc* s = nullptr;
        ASSERT_EQ(zorsHilbertInitAlloc_32f32fc(&s, n, zorAlgHintFast), zorStsNoErr);
        std::vector<Zor32f> x(static_cast<std::size_t>(n));
        std::vector<Zor32fc> y(static_cast<std::size_t>(n));
        const double w = 6.283185307179586 * 5 / n;
        for (int i = 0; i < n; ++i) x[static_cast<std::size_t>(i)] = static_cast<float>(std::cos(w * i));
        ASSERT_EQ(zorsHilbert_32f32fc(x.data(), y.data(), s), zorStsNoErr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(y[static_cast<std::size_t>(i)].im, std::sin(w * i), 2e-6) << n << " at " << i;
        zorsHilbertFree_32f32fc(s);
    }
}

TEST(Hilbert, Checks) {
    std::vector<std::pair<std::uint32_t, void*>> objs;
    for_each_hilbert([&]<class K>() {
        typename K::Spec* s = nullptr;
        EXPECT_EQ(K::init(nullptr, 0, zorAlgHintNone), zorStsNullPtrErr);
        EXPECT_EQ(K::init(&s, 0, zorAlgHintNone), zorStsSizeErr);
        EXPECT_EQ(K::init(&s, -5, zorAlgHintNone), zorStsSizeErr);
        EXPECT_EQ(s, nullptr);
        ASSERT_EQ(K::init(&s, 10, zorAlgHintNone), zorStsNoErr);
        objs.emplace_back(K::id, s);
    });
    ZorsDFTSpec_C_32fc* d = nullptr;
    ASSERT_EQ(zorsDFTInitAlloc_C_32fc(&d, 10, 2, zorAlgHintNone), zorStsNoErr);
    objs.emplace_back(13, d);
    for_each_hilbert([&]<class K>() {
        std::vector<typename K::I> x(10);
        std::vector<typename K::O> y(10);
        std::memset(static_cast<void*>(y.data()), 0x5A, sizeof(typename K::O) * 10);
        const auto before = y;
        for (auto [id, obj] : objs) {
            const auto* s = static_cast<const typename K::Spec*>(obj);
            EXPECT_EQ(K::run(nullptr, y.data(), s, 0), zorStsNullPtrErr);
            EXPECT_EQ(K::run(x.data(), nullptr, s, 0), zorStsNullPtrErr);
            if (id != K::id) {
                EXPECT_EQ(K::run(x.data(), y.data(), s, 0), zorStsContextMatchErr);
                EXPECT_EQ(K::release(const_cast<typename K::Spec*>(s)), zorStsContextMatchErr);
            }
        }
        EXPECT_EQ(K::run(x.data(), y.data(), nullptr, 0), zorStsNullPtrErr);
        EXPECT_EQ(K::release(nullptr), zorStsNullPtrErr);
        EXPECT_EQ(std::memcmp(y.data(), before.data(), sizeof(typename K::O) * 10), 0);
    });
    std::size_t i = 0;
    for_each_hilbert([&]<class K>() { EXPECT_EQ(K::release(static_cast<typename K::Spec*>(objs[i++].second)), zorStsNoErr); });
    zorsDFTFree_C_32fc(d);
}

}  // namespace
