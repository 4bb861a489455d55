// Convolution, cyclic convolution, autocorrelation and cross-correlation of
// every type against long-double sums by the definitions, on both sides of
// every path threshold, with thread teams, scaling, zero regions and the
// check order.
#include <omp.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/common.h"
#include "tests/ref/conv_ref.h"

namespace {

using zref::cl;

template <class T> struct cplx_of : std::false_type {};
template <> struct cplx_of<Zor32fc> : std::true_type {};
template <> struct cplx_of<Zor64fc> : std::true_type {};

enum class Norm { none, a, b };

// One descriptor per element type; the 16-bit kind scales, the others ignore
// the scale factor. acorr_fft / xcorr_fft: where the transform paths start.
#define CORR_KIND(K, S, TT, EPS, AFFT, XFFT)                                                              \
    struct K {                                                                                              \
        using T = TT;                                                                                       \
        static constexpr const char* name = #S;                                                             \
        static constexpr bool integer = false;                                                              \
        static constexpr long double eps = EPS;                                                             \
        static constexpr int acorr_fft = AFFT, xcorr_fft = XFFT;                                            \
        static ZorStatus xcorr(const T* a, int la, const T* b, int lb, T* y, int n, int low, int) {         \
            return zorsCrossCorr_##S(a, la, b, lb, y, n, low);                                              \
        }                                                                                                   \
        static ZorStatus acorr(Norm m, const T* x, int l, T* y, int n, int) {                               \
            return m == Norm::none ? zorsAutoCorr_##S(x, l, y, n)                                           \
                 : m == Norm::a    ? zorsAutoCorr_NormA_##S(x, l, y, n)                                     \
                                   : zorsAutoCorr_NormB_##S(x, l, y, n);                                    \
        }                                                                                                   \
        static ZorStatus conv(const T* a, int la, const T* b, int lb, T* y, int sf);                        \
    };
CORR_KIND(K32f, 32f, Zor32f, 1.19e-7L, 700, 383)
CORR_KIND(K64f, 64f, Zor64f, 2.22e-16L, 700, 511)
CORR_KIND(K32fc, 32fc, Zor32fc, 1.19e-7L, 176, 255)
CORR_KIND(K64fc, 64fc, Zor64fc, 2.22e-16L, 96, 511)
#undef CORR_KIND
// The 16-bit kind: single-precision computation, scaled results.
struct K16s {
    using T = Zor16s;
    static constexpr const char* name = "16s";
    static constexpr bool integer = true;
    static constexpr long double eps = 1.19e-7L;
    static constexpr int acorr_fft = 700, xcorr_fft = 383;
    static ZorStatus xcorr(const T* a, int la, const T* b, int lb, T* y, int n, int low, int sf) {
        return zorsCrossCorr_16s_Sfs(a, la, b, lb, y, n, low, sf);
    }
    static ZorStatus acorr(Norm m, const T* x, int l, T* y, int n, int sf) {
        return m == Norm::none ? zorsAutoCorr_16s_Sfs(x, l, y, n, sf)
             : m == Norm::a    ? zorsAutoCorr_NormA_16s_Sfs(x, l, y, n, sf)
                               : zorsAutoCorr_NormB_16s_Sfs(x, l, y, n, sf);
    }
    static ZorStatus conv(const T* a, int la, const T* b, int lb, T* y, int sf) { return zorsConv_16s_Sfs(a, la, b, lb, y, sf); }
};
ZorStatus K32f::conv(const T* a, int la, const T* b, int lb, T* y, int) { return zorsConv_32f(a, la, b, lb, y); }
ZorStatus K64f::conv(const T* a, int la, const T* b, int lb, T* y, int) { return zorsConv_64f(a, la, b, lb, y); }

struct KindName {
    template <class K> static std::string GetName(int) { return K::name; }
};

template <class T>
cl to_cl(T v) {
    if constexpr (cplx_of<T>::value) return cl(v.re, v.im);
    else return cl(static_cast<long double>(v), 0);
}
template <class T>
T from_cl(cl v) {
    if constexpr (cplx_of<T>::value) return T{static_cast<decltype(T{}.re)>(v.real()), static_cast<decltype(T{}.re)>(v.imag())};
    else return static_cast<T>(v.real());
}

// Random data: floating values in ±1 (complex: both parts), 16-bit in ±100.
template <class K>
std::vector<typename K::T> draw(zt::Rng& g, int n) {
    using T = typename K::T;
    std::vector<T> v(n);
    auto u = [&] { return static_cast<long double>(g.bits() % 2000001) / 1e6L - 1; };
    for (auto& x : v) {
        if constexpr (K::integer) x = static_cast<T>(g.bits() % 201) - 100;
        else x = from_cl<T>(cl(u(), cplx_of<T>::value ? u() : 0));
    }
    return v;
}
template <class T>
std::vector<cl> wide(const std::vector<T>& v) {
    std::vector<cl> w(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) w[i] = to_cl(v[i]);
    return w;
}
long double norm2(const std::vector<cl>& v) {
    long double s = 0;
    for (const cl& x : v) s += std::norm(x);
    return std::sqrt(s);
}

long double round_even(long double v) {
    const long double f = std::floor(v), d = v - f;
    return d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0) ? f + 1 : f;
}

// got against the reference `want`: floating kinds within `bound`; the 16-bit
// kind against the scaled, rounded (ties to even) and saturated reference,
// within `slack` units.
template <class K>
testing::AssertionResult close(typename K::T got, cl want, long double bound, int sf, int slack) {
    const cl g = to_cl(got);
    if constexpr (K::integer) {
        const long double e = std::clamp(round_even(std::ldexp(want.real(), -sf)), -32768.0L, 32767.0L);
        if (std::fabs(g.real() - e) > slack) return testing::AssertionFailure() << g.real() << " for " << e;
    } else if (std::abs(g - want) > bound) {
        return testing::AssertionFailure() << g << " for " << want << " (bound " << bound << ")";
    }
    return testing::AssertionSuccess();
}

// Error bound of a result element: direct sums and transforms of length n.
template <class K>
long double bound(long double mag, long double norms, std::int64_t n) {
    return K::eps * (16 * mag + 8 * std::log2(static_cast<long double>(n) + 1) * norms) + 1e-30L;
}

template <class K> class Conv : public testing::Test {};
using ConvKinds = testing::Types<K32f, K64f, K16s>;
TYPED_TEST_SUITE(Conv, ConvKinds, KindName);

template <class K> class Corr : public testing::Test {};
using CorrKinds = testing::Types<K32f, K64f, K32fc, K64fc, K16s>;
TYPED_TEST_SUITE(Corr, CorrKinds, KindName);

// Runs one convolution on guarded buffers and compares every output.
template <class K>
void check_conv(zt::Rng& g, int la, int lb, int offset) {
    using T = typename K::T;
    SCOPED_TRACE(testing::Message() << "lengths " << la << ", " << lb << ", seed " << g.seed());
    const auto a = draw<K>(g, la), b = draw<K>(g, lb);
    const int n = la + lb - 1, sf = K::integer ? 8 : 0;
    zt::Guarded<T> y(n, offset);
    ASSERT_EQ(K::conv(a.data(), la, b.data(), lb, y.data(), sf), zorStsNoErr);
    EXPECT_TRUE(y.guards_intact());
    const auto wa = wide(a), wb = wide(b);
    const auto want = zref::conv(wa, wb);
    const long double norms = norm2(wa) * norm2(wb);
    int bad = 0;
    for (int i = 0; i < n && bad < 5; ++i)
        if (!close<K>(y[i], want[i].v, bound<K>(want[i].mag, norms, 2 * n), sf, 1)) {
            ADD_FAILURE() << "y[" << i << "]: " << close<K>(y[i], want[i].v, bound<K>(want[i].mag, norms, 2 * n), sf, 1).message();
            ++bad;
        }
}

TYPED_TEST(Conv, MatchesDirectSumsOnEveryPath) {
    zt::Rng g(7);
    // direct (result < 256 or shorter < 32), chunked direct from 4096, one
    // transform (longer < 3 x shorter), blocks (with a team above 4096)
    const int cases[][2] = {{1, 1},     {2, 3},     {3, 2},     {200, 56},  {56, 200},  {224, 33},  {33, 224},
                            {157, 100}, {100, 157}, {300, 31},  {255, 1},   {128, 129}, {31, 500},  {299, 100},
                            {300, 100}, {4095, 31}, {4096, 31}, {4097, 31}, {9000, 17}, {4096, 64}, {4097, 64},
                            {1000, 999}, {5000, 300}, {64, 2000}, {8193, 1}};
    int offset = 0;
    for (const auto& c : cases) check_conv<TypeParam>(g, c[0], c[1], (offset++ % 3) * static_cast<int>(alignof(typename TypeParam::T)));
}

TYPED_TEST(Conv, WorkedExampleBothOrders) {
    using T = typename TypeParam::T;
    const T a[2] = {1, 2}, b[3] = {1, 1, 1};
    T y[4] = {}, z[4] = {};
    ASSERT_EQ(TypeParam::conv(a, 2, b, 3, y, 0), zorStsNoErr);
    ASSERT_EQ(TypeParam::conv(b, 3, a, 2, z, 0), zorStsNoErr);
    const T want[4] = {1, 3, 3, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(y[i], want[i]) << i;
        EXPECT_EQ(z[i], want[i]) << i;
    }
}

// The blocks are independent: any team size gives the same bits.
TYPED_TEST(Conv, TeamSizeDoesNotChangeResult) {
    using T = typename TypeParam::T;
    zt::Rng g(11);
    const int la = 20000, lb = 500, n = la + lb - 1;
    const auto a = draw<TypeParam>(g, la), b = draw<TypeParam>(g, lb);
    const int saved = omp_get_max_threads();
    std::vector<T> one(n), two(n), three(n);
    omp_set_num_threads(1);
    ASSERT_EQ(TypeParam::conv(a.data(), la, b.data(), lb, one.data(), 10), zorStsNoErr);
    omp_set_num_threads(2);
    ASSERT_EQ(TypeParam::conv(a.data(), la, b.data(), lb, two.data(), 10), zorStsNoErr);
    omp_set_num_threads(3);
    ASSERT_EQ(TypeParam::conv(b.data(), lb, a.data(), la, three.data(), 10), zorStsNoErr);
    omp_set_num_threads(saved);
    EXPECT_EQ(std::memcmp(one.data(), two.data(), sizeof(T) * n), 0);
    EXPECT_EQ(std::memcmp(one.data(), three.data(), sizeof(T) * n), 0);
    const auto wa = wide(a), wb = wide(b);
    const long double norms = norm2(wa) * norm2(wb);
    for (int i = 0; i < n; i += 97) {
        zref::Sum want;
        for (int j = std::max(0, i - la + 1); j < lb && j <= i; ++j) want.add(wb[j] * wa[i - j]);
        EXPECT_TRUE(close<TypeParam>(one[i], want.v, bound<TypeParam>(want.mag, norms, 2048), 10, 1)) << i;
    }
}

TYPED_TEST(Conv, ChecksInOrderAndOutputUntouched) {
    using T = typename TypeParam::T;
    const T a[4] = {1, 2, 3, 4};
    zt::Guarded<T> y(8);
    struct Case {
        const T *p, *q;
        T* r;
        int la, lb;
        ZorStatus want;
    } cases[] = {{nullptr, a, y.data(), 4, 4, zorStsNullPtrErr}, {a, nullptr, y.data(), 4, 4, zorStsNullPtrErr},
                 {a, a, nullptr, 4, 4, zorStsNullPtrErr},        {nullptr, a, y.data(), 0, 4, zorStsNullPtrErr},
                 {a, a, y.data(), 0, 4, zorStsSizeErr},          {a, a, y.data(), 4, 0, zorStsSizeErr},
                 {a, a, y.data(), -5, 4, zorStsSizeErr},         {a, a, y.data(), 4, -2147483647 - 1, zorStsSizeErr}};
    for (const Case& c : cases) EXPECT_EQ(TypeParam::conv(c.p, c.la, c.q, c.lb, c.r, 0), c.want);
    EXPECT_TRUE(y.untouched());
}

TEST(Conv16s, RoundsTiesToEvenAndSaturates) {
    // Direct-path sums are exact in single precision: scaling by 2 gives
    // exact halves, which go to the even neighbour.
    const Zor16s a[3] = {1, 2, 3}, b[2] = {1, 2};  // (1, 4, 7, 6)
    Zor16s y[4];
    ASSERT_EQ(zorsConv_16s_Sfs(a, 3, b, 2, y, 1), zorStsNoErr);
    const Zor16s half[4] = {0, 2, 4, 3};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(y[i], half[i]) << i;
    const Zor16s big[2] = {30000, -30000}, one[2] = {2, 1};  // (60000, -30000, -30000)
    Zor16s z[3];
    ASSERT_EQ(zorsConv_16s_Sfs(big, 2, one, 2, z, 0), zorStsNoErr);
    EXPECT_EQ(z[0], 32767);
    EXPECT_EQ(z[1], -30000);
    EXPECT_EQ(z[2], -30000);
    ASSERT_EQ(zorsConv_16s_Sfs(big, 2, one, 2, z, -1), zorStsNoErr);
    EXPECT_EQ(z[1], -32768);
}

// Working memory beyond any 32-bit byte count cannot be had: -9, nothing
// written, nothing read.
TEST(ConvMemory, UnobtainableWorkingMemoryWritesNothing) {
    const Zor16s x[4] = {1, 2, 3, 4};
    zt::Guarded<Zor16s> y(4);
    const int huge = 1 << 30;
    EXPECT_EQ(zorsConv_16s_Sfs(x, huge, x, huge, y.data(), 0), zorStsMemAllocErr);
    EXPECT_EQ(zorsAutoCorr_16s_Sfs(x, huge, y.data(), huge, 0), zorStsMemAllocErr);
    EXPECT_EQ(zorsCrossCorr_16s_Sfs(x, huge, x, huge, y.data(), huge, 0, 0), zorStsMemAllocErr);
    EXPECT_TRUE(y.untouched());
}

TYPED_TEST(Corr, AutoCorrelationAroundTheTransformThreshold) {
    using K = TypeParam;
    using T = typename K::T;
    zt::Rng g(21);
    const int t = K::acorr_fft;
    // (srcLen, dstLen): n = min of both on each side of the threshold, lags
    // past the end, short and long sources.
    const int cases[][2] = {{t - 1, t - 1}, {t, t}, {t + 37, t}, {t, t + 5}, {t - 1, 2 * t}, {2 * t, t - 1},
                            {1, 1},         {1, 5}, {10, 3},     {3, 10},    {1000, 40}};
    for (Norm m : {Norm::none, Norm::a, Norm::b}) {
        const int sf = !K::integer ? 0 : m == Norm::none ? 8 : -4;
        for (const auto& c : cases) {
            const int len = c[0], dst = c[1];
            SCOPED_TRACE(testing::Message() << "norm " << static_cast<int>(m) << ", srcLen " << len << ", dstLen " << dst);
            const auto x = draw<K>(g, len);
            zt::Guarded<T> y(dst, 3 * alignof(T));
            ASSERT_EQ(K::acorr(m, x.data(), len, y.data(), dst, sf), zorStsNoErr);
            EXPECT_TRUE(y.guards_intact());
            const auto w = wide(x);
            const long double norms = norm2(w) * norm2(w);
            int bad = 0;
            for (int k = 0; k < dst && bad < 5; ++k) {
                zref::Sum r = k < len ? zref::xcorr(w, w, k) : zref::Sum{};
                const long double div = m == Norm::a ? len : m == Norm::b && k < len ? len - k : 1;
                const auto ok = close<K>(y[k], r.v / div, bound<K>(r.mag, norms, 4 * len) / div, sf, 1);
                if (!ok) {
                    ADD_FAILURE() << "lag " << k << ": " << ok.message();
                    ++bad;
                }
                if (k >= len) {
                    EXPECT_EQ(to_cl(y[k]), cl(0, 0)) << "lag " << k;
                }
            }
        }
    }
}

TYPED_TEST(Corr, CrossCorrelationOverLagRanges) {
    using K = TypeParam;
    using T = typename K::T;
    zt::Rng g(31);
    const int t = K::xcorr_fft;
    // (len1, len2, lowLag, dstLen): all lags outside on either side, partial
    // and full overlap, the count of lags on each side of the threshold, and
    // ranges reaching past both ends on the transform path.
    const int cases[][4] = {{5, 7, -5, 3},        {5, 7, 7, 4},         {5, 7, -20, 5},      {5, 7, -8, 30},
                            {1, 1, 0, 1},         {1, 9, -3, 12},       {9, 1, -10, 12},     {500, 500, -100, t},
                            {500, 500, -100, t + 1}, {300, 900, -50, 3 * (t + 1)}, {900, 300, -950, 1300},
                            {400, 700, -450, 1200}, {64, 2000, -10, 1500}, {200, 200, -2147483647 - 1, 40},
                            {200, 200, 2147483647 - 100, 40}};
    const int sf = K::integer ? 8 : 0;
    for (const auto& c : cases) {
        const int l1 = c[0], l2 = c[1], low = c[2], dst = c[3];
        SCOPED_TRACE(testing::Message() << "len1 " << l1 << ", len2 " << l2 << ", lowLag " << low << ", dstLen " << dst);
        const auto a = draw<K>(g, l1), b = draw<K>(g, l2);
        zt::Guarded<T> y(dst, alignof(T));
        ASSERT_EQ(K::xcorr(a.data(), l1, b.data(), l2, y.data(), dst, low, sf), zorStsNoErr);
        EXPECT_TRUE(y.guards_intact());
        const auto wa = wide(a), wb = wide(b);
        const long double norms = norm2(wa) * norm2(wb);
        int bad = 0;
        for (int i = 0; i < dst && bad < 5; ++i) {
            const std::int64_t m = std::int64_t{low} + i;
            const zref::Sum r = zref::xcorr(wa, wb, m);
            const auto ok = close<K>(y[i], r.v, bound<K>(r.mag, norms, 2 * (l1 + l2)), sf, 1);
            if (!ok) {
                ADD_FAILURE() << "lag " << m << ": " << ok.message();
                ++bad;
            }
            if (m < -(l1 - 1) || m > l2 - 1) {
                EXPECT_EQ(to_cl(y[i]), cl(0, 0)) << "lag " << m;
            }
        }
    }
}

TYPED_TEST(Corr, WorkedCrossCorrelationExample) {
    using K = TypeParam;
    using T = typename K::T;
    const T x1[3] = {from_cl<T>(cl(1, 2)), from_cl<T>(cl(3, -1)), from_cl<T>(cl(2, 5))};
    const T x2[2] = {from_cl<T>(cl(4, 1)), from_cl<T>(cl(-2, 3))};
    T y[3];
    ASSERT_EQ(K::xcorr(x1, 3, x2, 2, y, 3, -3, 0), zorStsNoErr);
    EXPECT_EQ(to_cl(y[0]), cl(0, 0));
    EXPECT_EQ(to_cl(y[1]), std::conj(to_cl(x1[2])) * to_cl(x2[0]));  // r(-2)
}

TYPED_TEST(Corr, ChecksInOrderAndOutputUntouched) {
    using K = TypeParam;
    using T = typename K::T;
    const T a[4] = {};
    zt::Guarded<T> y(8);
    T* d = y.data();
    EXPECT_EQ(K::acorr(Norm::none, nullptr, 4, d, 4, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::acorr(Norm::a, a, 4, nullptr, 0, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::acorr(Norm::b, a, 0, d, 4, 0), zorStsSizeErr);
    EXPECT_EQ(K::acorr(Norm::none, a, 4, d, 0, 0), zorStsSizeErr);
    EXPECT_EQ(K::xcorr(nullptr, 4, a, 4, d, 4, 0, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::xcorr(a, 4, nullptr, 4, d, 4, 0, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::xcorr(a, 4, a, 4, nullptr, 0, 0, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::xcorr(a, 0, a, 4, d, 4, 0, 0), zorStsSizeErr);
    EXPECT_EQ(K::xcorr(a, 4, a, -1, d, 4, 0, 0), zorStsSizeErr);
    EXPECT_EQ(K::xcorr(a, 4, a, 4, d, 0, 0, 0), zorStsSizeErr);
    EXPECT_TRUE(y.untouched());
}

// Which path ran is visible with small integer data: the direct sums are
// exact, the transforms leave rounding residue in some outputs.
template <class T>
bool all_integers(const std::vector<T>& v) {
    for (const T& x : v) {
        const cl c = to_cl(x);
        if (c.real() != std::round(c.real()) || c.imag() != std::round(c.imag())) return false;
    }
    return true;
}
template <class K>
std::vector<typename K::T> small_ints(zt::Rng& g, int n) {
    std::vector<typename K::T> v(n);
    auto one = [&] { return static_cast<long double>(static_cast<int>(g.bits() % 17) - 8) + 0; };
    for (auto& x : v) x = from_cl<typename K::T>(cl(one(), cplx_of<typename K::T>::value ? one() : 0));
    return v;
}

TYPED_TEST(Conv, PathsSwitchAtTheThresholds) {
    using K = TypeParam;
    if constexpr (!K::integer) {
        zt::Rng g(51);
        // (len1, len2, direct?)
        const int cases[][3] = {{200, 56, 1}, {224, 33, 0}, {157, 100, 0}, {300, 31, 1}, {5000, 31, 1}, {299, 100, 0}, {300, 100, 0}};
        for (const auto& c : cases) {
            const auto a = small_ints<K>(g, c[0]), b = small_ints<K>(g, c[1]);
            std::vector<typename K::T> y(c[0] + c[1] - 1);
            ASSERT_EQ(K::conv(a.data(), c[0], b.data(), c[1], y.data(), 0), zorStsNoErr);
            EXPECT_EQ(all_integers(y), c[2] == 1) << c[0] << " x " << c[1];
        }
    }
}

TYPED_TEST(Corr, PathsSwitchAtTheThresholds) {
    using K = TypeParam;
    if constexpr (!K::integer) {
        zt::Rng g(53);
        const int t = K::acorr_fft, u = K::xcorr_fft;
        for (int n : {t - 1, t}) {
            const auto x = small_ints<K>(g, n);
            std::vector<typename K::T> y(n);
            ASSERT_EQ(K::acorr(Norm::none, x.data(), n, y.data(), n, 0), zorStsNoErr);
            EXPECT_EQ(all_integers(y), n < t) << "autocorrelation of " << n;
        }
        for (int k : {u, u + 1}) {
            const auto a = small_ints<K>(g, 500), b = small_ints<K>(g, 500);
            std::vector<typename K::T> y(k);
            ASSERT_EQ(K::xcorr(a.data(), 500, b.data(), 500, y.data(), k, -100, 0), zorStsNoErr);
            EXPECT_EQ(all_integers(y), k <= u) << "cross-correlation of " << k << " lags";
        }
    }
}

TEST(ConvCyclic, AgainstTheDefinition) {
    zt::Rng g(41);
    for (int rep = 0; rep < 50; ++rep) {
        Zor32f a[8], b[8], y[8];
        Zor16s p[8], q[8], z[8];
        Zor32fc c[4], w[4];
        for (int i = 0; i < 8; ++i) {
            a[i] = static_cast<float>(g.bits() % 2001) / 1000.0f - 1;
            b[i] = static_cast<float>(g.bits() % 2001) / 1000.0f - 1;
            p[i] = static_cast<Zor16s>(static_cast<int>(g.bits() % 65536) - 32768);
            q[i] = static_cast<Zor16s>(static_cast<int>(g.bits() % 65536) - 32768);
        }
        for (int i = 0; i < 4; ++i) c[i] = Zor32fc{b[i], b[i + 4]};
        ASSERT_EQ(zorsConvCyclic8x8_32f(a, b, y), zorStsNoErr);
        ASSERT_EQ(zorsConvCyclic4x4_32f32fc(a, c, w), zorStsNoErr);
        const int sf = rep % 40 - 4;
        ASSERT_EQ(zorsConvCyclic8x8_16s_Sfs(p, q, z, sf), zorStsNoErr);
        for (int k = 0; k < 8; ++k) {
            long double s = 0, mag = 0;
            std::int64_t e = 0;
            for (int j = 0; j < 8; ++j) {
                s += static_cast<long double>(a[j]) * b[(k - j) & 7];
                mag += std::fabs(static_cast<long double>(a[j]) * b[(k - j) & 7]);
                e += std::int64_t{p[j]} * q[(k - j) & 7];
            }
            EXPECT_NEAR(y[k], s, 4e-7L * mag + 1e-30L) << k;
            const long double r = std::clamp(round_even(std::ldexp(static_cast<long double>(e), -sf)), -32768.0L, 32767.0L);
            EXPECT_EQ(z[k], r) << "k " << k << " sf " << sf;
        }
        for (int k = 0; k < 4; ++k) {
            cl s;
            long double mag = 0;
            for (int j = 0; j < 4; ++j) {
                s += static_cast<long double>(a[j]) * to_cl(c[(k - j) & 3]);
                mag += std::abs(static_cast<long double>(a[j]) * to_cl(c[(k - j) & 3]));
            }
            EXPECT_LE(std::abs(to_cl(w[k]) - s), 4e-7L * mag + 1e-30L) << k;
        }
    }
    // A unit impulse returns the other operand.
    const Zor32f x[8] = {1, -2, 3, -4, 5.5f, 6, 7, 8}, d[8] = {1};
    Zor32f y[8];
    ASSERT_EQ(zorsConvCyclic8x8_32f(x, d, y), zorStsNoErr);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(y[i], x[i]);
}

}  // namespace
