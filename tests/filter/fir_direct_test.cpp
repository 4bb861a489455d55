// FIR direct forms against the long-double reference: block, in-place and
// one-sample calls continuing each other through the caller's delay array,
// the index, the integer scaling rules, ties and the check order.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/common.h"
#include "tests/filter/fir_kinds.h"
#include "tests/ref/fir_ref.h"

namespace {

using cld = std::complex<long double>;
using firk::cl;
using firk::from_cl;
using firk::part_t;

// out: 0 narrowed floating data, 1 ties away (floating taps, integer data),
// 2 ties to even (integer taps). Exponent of the output scale: see expo().
#define DK_COMMON(K, T, D, OUT, TAPAMP)                                                                  \
    using Tap = T;                                                                                         \
    using Data = D;                                                                                        \
    static constexpr const char* name = #K;                                                                \
    static constexpr int out = OUT;                                                                        \
    static constexpr long double tap_amp = TAPAMP;

#define DK_FLOAT(K, BLK, ONE, T, D)                                                                        \
    struct K {                                                                                             \
        DK_COMMON(K, T, D, 0, 0)                                                                           \
        static ZorStatus block(const D* x, D* y, int n, const T* h, int l, int, D* d, int* i, int) { return BLK(x, y, n, h, l, d, i); } \
        static ZorStatus block_i(D* p, int n, const T* h, int l, int, D* d, int* i, int) { return BLK##_I(p, n, h, l, d, i); } \
        static ZorStatus one(D x, D* y, const T* h, int l, int, D* d, int* i, int) { return ONE(x, y, h, l, d, i); } \
        static ZorStatus one_i(D* p, const T* h, int l, int, D* d, int* i, int) { return ONE##_I(p, h, l, d, i); } \
    };
#define DK_SCALED(K, N, T, D, OUT, AMP)                                                                    \
    struct K {                                                                                             \
        DK_COMMON(K, T, D, OUT, AMP)                                                                       \
        static ZorStatus block(const D* x, D* y, int n, const T* h, int l, int, D* d, int* i, int sf) { return zorsFIR##N##_Sfs(x, y, n, h, l, d, i, sf); } \
        static ZorStatus block_i(D* p, int n, const T* h, int l, int, D* d, int* i, int sf) { return zorsFIR##N##_ISfs(p, n, h, l, d, i, sf); } \
        static ZorStatus one(D x, D* y, const T* h, int l, int, D* d, int* i, int sf) { return zorsFIROne##N##_Sfs(x, y, h, l, d, i, sf); } \
        static ZorStatus one_i(D* p, const T* h, int l, int, D* d, int* i, int sf) { return zorsFIROne##N##_ISfs(p, h, l, d, i, sf); } \
    };
#define DK_INT(K, N, T, D)                                                                                 \
    struct K {                                                                                             \
        DK_COMMON(K, T, D, 3, 20000)                                                                       \
        static ZorStatus block(const D* x, D* y, int n, const T* h, int l, int tf, D* d, int* i, int sf) { return zorsFIR##N##_Sfs(x, y, n, h, l, tf, d, i, sf); } \
        static ZorStatus block_i(D* p, int n, const T* h, int l, int tf, D* d, int* i, int sf) { return zorsFIR##N##_ISfs(p, n, h, l, tf, d, i, sf); } \
        static ZorStatus one(D x, D* y, const T* h, int l, int tf, D* d, int* i, int sf) { return zorsFIROne##N##_Sfs(x, y, h, l, tf, d, i, sf); } \
        static ZorStatus one_i(D* p, const T* h, int l, int tf, D* d, int* i, int sf) { return zorsFIROne##N##_ISfs(p, h, l, tf, d, i, sf); } \
    };

DK_FLOAT(D32f, zorsFIR_Direct_32f, zorsFIROne_Direct_32f, Zor32f, Zor32f)
DK_FLOAT(D32fc, zorsFIR_Direct_32fc, zorsFIROne_Direct_32fc, Zor32fc, Zor32fc)
DK_FLOAT(D64f, zorsFIR_Direct_64f, zorsFIROne_Direct_64f, Zor64f, Zor64f)
DK_FLOAT(D64fc, zorsFIR_Direct_64fc, zorsFIROne_Direct_64fc, Zor64fc, Zor64fc)
DK_FLOAT(D64f_32f, zorsFIR64f_Direct_32f, zorsFIROne64f_Direct_32f, Zor64f, Zor32f)
DK_FLOAT(D64fc_32fc, zorsFIR64fc_Direct_32fc, zorsFIROne64fc_Direct_32fc, Zor64fc, Zor32fc)
DK_SCALED(DQ15, _Direct_16s, Zor16s, Zor16s, 2, 8000)
DK_SCALED(D32f_16s, 32f_Direct_16s, Zor32f, Zor16s, 1, 0)
DK_SCALED(D32fc_16sc, 32fc_Direct_16sc, Zor32fc, Zor16sc, 1, 0)
DK_SCALED(D64f_16s, 64f_Direct_16s, Zor64f, Zor16s, 1, 0)
DK_SCALED(D64fc_16sc, 64fc_Direct_16sc, Zor64fc, Zor16sc, 1, 0)
DK_SCALED(D64f_32s, 64f_Direct_32s, Zor64f, Zor32s, 1, 0)
DK_SCALED(D64fc_32sc, 64fc_Direct_32sc, Zor64fc, Zor32sc, 1, 0)
DK_INT(D32s, 32s_Direct_16s, Zor32s, Zor16s)
DK_INT(D32sc, 32sc_Direct_16sc, Zor32sc, Zor16sc)

template <class K>
class FirDirect : public testing::Test {};
using Kinds = testing::Types<D32f, D32fc, D64f, D64fc, D64f_32f, D64fc_32fc, DQ15, D32f_16s, D32fc_16sc, D64f_16s,
                             D64fc_16sc, D64f_32s, D64fc_32sc, D32s, D32sc>;
TYPED_TEST_SUITE(FirDirect, Kinds, firk::KindName);


// Values in ±amp (integers when amp > 0, floats in ±1 otherwise).
template <class T>
T draw(zt::Rng& g, long double amp) {
    auto one = [&]() -> long double {
        const long double u = static_cast<long double>(g.bits() % 2000001) / 1e6L - 1;
        return amp > 0 ? std::round(u * amp) : u;
    };
    return from_cl<T>(cld{one(), firk::is_cplx<T>::value ? one() : 0});
}

long double round_tie(long double v, bool even) {
    if (!even) return v < 0 ? -std::floor(-v + 0.5L) : std::floor(v + 0.5L);
    const long double f = std::floor(v), d = v - f;
    return d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0) ? f + 1 : f;
}

// The output scale exponent: value * 2^-e.
template <class K>
int expo(int sf, int tf) {
    if constexpr (K::out == 2) return sf + 15;
    else if constexpr (K::out == 3) return -std::clamp(tf - sf, -31, 31);
    else return sf;
}

template <class K>
testing::AssertionResult near(const typename K::Data& got, cld want, long double mag, int e) {
    using P = part_t<typename K::Data>;
    const cld g = cl(got);
    for (int c = 0; c < 2; ++c) {
        const long double gv = c ? g.imag() : g.real(), wv = c ? want.imag() : want.real();
        long double expect = wv, tol;
        if constexpr (std::is_integral_v<P>) {
            expect = std::clamp<long double>(round_tie(std::ldexp(wv, -e), K::out >= 2),
                                             std::numeric_limits<P>::min(), std::numeric_limits<P>::max());
            tol = K::out >= 2 ? 0 : 1;  // floating sums may round a near-tie either way
        } else {
            tol = (sizeof(P) == 4 ? 1.2e-7L : 4.5e-16L) * (std::fabs(wv) + 16 * mag);
        }
        if (std::fabs(gv - expect) > tol) return testing::AssertionFailure() << gv << " for " << expect;
    }
    return testing::AssertionSuccess();
}

// Block, one-sample and in-place calls continue each other through the
// caller's array; the index ends at the sample count modulo tapsLen.
TYPED_TEST(FirDirect, ChainedCallsMatchReference) {
    using K = TypeParam;
    using D = typename K::Data;
    using T = typename K::Tap;
    constexpr bool int_out = std::is_integral_v<part_t<D>>;
    for (int len : {1, 4, 13, 40}) {
        for (int sf : int_out ? std::vector<int>{-2, 0, 3} : std::vector<int>{0}) {
            const int tf = K::out == 3 ? (len % 3) - 1 : 0;
            SCOPED_TRACE(testing::Message() << "taps " << len << ", sf " << sf << ", tf " << tf);
            zt::Rng g(len * 7 + sf);
            std::vector<T> h(len);
            for (auto& v : h) v = draw<T>(g, K::tap_amp);
            if constexpr (!std::is_integral_v<part_t<T>>)
                for (auto& v : h) v = from_cl<T>(cl(v) * (int_out ? 3.0L / len : 1.0L));
            std::vector<D> dly(2 * len, D{});
            int idx = 0;
            std::vector<D> x, y;
            for (int c : {5, 0, -9, 0, 20}) {  // block, one sample, in place, one sample in place, block
                const int n = c == 0 ? 1 : std::abs(c);
                std::vector<D> in(n), out(n);
                for (auto& v : in) v = draw<D>(g, int_out ? (sizeof(part_t<D>) == 2 ? 2000 : 100000) : 0);
                if (c > 0) ASSERT_EQ(K::block(in.data(), out.data(), n, h.data(), len, tf, dly.data(), &idx, sf), zorStsNoErr);
                else if (c < 0) {
                    out = in;
                    ASSERT_EQ(K::block_i(out.data(), n, h.data(), len, tf, dly.data(), &idx, sf), zorStsNoErr);
                } else if (x.size() % 2 == 0) {
                    ASSERT_EQ(K::one(in[0], out.data(), h.data(), len, tf, dly.data(), &idx, sf), zorStsNoErr);
                } else {
                    out = in;
                    ASSERT_EQ(K::one_i(out.data(), h.data(), len, tf, dly.data(), &idx, sf), zorStsNoErr);
                }
                x.insert(x.end(), in.begin(), in.end());
                y.insert(y.end(), out.begin(), out.end());
            }
            EXPECT_EQ(idx, static_cast<int>(x.size()) % len);
            std::vector<cld> hs, xs;
            for (auto& v : h) hs.push_back(cl(v));
            for (auto& v : x) xs.push_back(cl(v));
            const auto want = zref::fir(hs, {}, xs);
            for (std::size_t i = 0; i < y.size(); ++i)
                ASSERT_TRUE(near<K>(y[i], want.y[i], want.mag[i], expo<K>(sf, tf))) << "output " << i;
        }
    }
}

// Check order; an index outside [0, tapsLen) is refused before anything is
// written.
TYPED_TEST(FirDirect, ArgumentChecks) {
    using K = TypeParam;
    using D = typename K::Data;
    using T = typename K::Tap;
    T h[3] = {};
    D x[4] = {}, y[4], dly[6];
    std::memset(y, 0x5A, sizeof y);
    std::memset(dly, 0x5A, sizeof dly);
    int idx = 0;
    EXPECT_EQ(K::block(nullptr, y, 4, h, 3, 0, dly, &idx, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::block(x, nullptr, 4, h, 3, 0, dly, &idx, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::block(x, y, 0, h, 3, 0, dly, &idx, 0), zorStsSizeErr);
    EXPECT_EQ(K::block(x, y, 4, nullptr, 3, 0, dly, &idx, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::block(x, y, 0, nullptr, 3, 0, dly, &idx, 0), K::out == 2 ? zorStsNullPtrErr : zorStsSizeErr);
    EXPECT_EQ(K::block(x, y, 4, h, 0, 0, dly, &idx, 0), zorStsFIRLenErr);
    EXPECT_EQ(K::block(x, y, 4, h, 0, 0, nullptr, &idx, 0), K::out == 2 ? zorStsNullPtrErr : zorStsFIRLenErr);
    EXPECT_EQ(K::block(x, y, 4, h, 3, 0, dly, nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::block_i(nullptr, 4, h, 3, 0, dly, &idx, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::one(x[0], nullptr, h, 3, 0, dly, &idx, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::one(x[0], y, h, 0, 0, dly, &idx, 0), zorStsFIRLenErr);
    EXPECT_EQ(K::one_i(nullptr, h, 3, 0, dly, &idx, 0), zorStsNullPtrErr);
    for (int bad : {3, -1, 1 << 30}) {
        idx = bad;
        EXPECT_EQ(K::block(x, y, 4, h, 3, 0, dly, &idx, 0), zorStsDlyLineIndexErr);
        EXPECT_EQ(K::one(x[0], y, h, 3, 0, dly, &idx, 0), zorStsDlyLineIndexErr);
        EXPECT_EQ(idx, bad);
    }
    for (std::size_t i = 0; i < sizeof y; ++i) EXPECT_EQ(reinterpret_cast<unsigned char*>(y)[i], 0x5A);
    for (std::size_t i = 0; i < sizeof dly; ++i) EXPECT_EQ(reinterpret_cast<unsigned char*>(dly)[i], 0x5A);
}

// Floating taps with integer data round ties away from zero.
TEST(FirDirectRounding, TiesAwayFromZero) {
    const Zor32f h32 = 0.5f;
    const Zor64f h64 = 0.5;
    Zor16s dly16[2] = {}, y16;
    Zor32s dly32[2] = {}, y32;
    int idx = 0;
    for (Zor16s x : {5, -5, 7}) {
        ASSERT_EQ(zorsFIROne32f_Direct_16s_Sfs(x, &y16, &h32, 1, dly16, &idx, 0), zorStsNoErr);
        EXPECT_EQ(y16, x == 7 ? 4 : x / 2 + (x > 0 ? 1 : -1));
        ASSERT_EQ(zorsFIROne64f_Direct_16s_Sfs(x, &y16, &h64, 1, dly16, &idx, 0), zorStsNoErr);
        EXPECT_EQ(y16, x == 7 ? 4 : x / 2 + (x > 0 ? 1 : -1));
        ASSERT_EQ(zorsFIROne64f_Direct_32s_Sfs(x, &y32, &h64, 1, dly32, &idx, 0), zorStsNoErr);
        EXPECT_EQ(y32, x == 7 ? 4 : x / 2 + (x > 0 ? 1 : -1));
    }
}

}  // namespace
