// Random generators against a reference model of the combined generator
// (first values and a value far into the stream, the returned seed), the
// continuation of the state forms, the Gaussian polar method, and the ramp
// and Jaehne test vectors against their definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/arg_checks.h"
#include "tests/common.h"

namespace {

// The combined generator written from its definition: a linear congruential
// sequence plus a subtract-with-borrow sequence with lag 3.
struct Model {
    std::uint32_t x = 1131199209, s[3], borrow = 1;  // s[0] most recent; borrow 1 means c = -1
    explicit Model(std::uint32_t seed) {
        s[0] = seed;
        s[1] = seed * 69069u + 1013904243u;
        s[2] = s[1] * 69069u + 1013904243u;
    }
    std::int32_t next() {
        x = x * 69069u + 1013904243u;
        std::int64_t t = static_cast<std::int64_t>(s[1]) - static_cast<std::int64_t>(s[2]) - borrow;
        std::uint32_t u = static_cast<std::uint32_t>(t);
        if (u >= 0x80000000u) {
            borrow = 1;
            u -= 18;
        } else {
            borrow = 0;
        }
        s[2] = s[1];
        s[1] = s[0];
        s[0] = u;
        return static_cast<std::int32_t>(u + x);
    }
};

double uniform_of(std::int32_t r, double lo, double hi) { return r * ((hi - lo) * 2.3283064365387e-10) + (lo + hi) * 0.5; }

TEST(Random, UniformStream) {
    for (std::uint32_t seed : {0u, 1u, 12345u, 0xFFFFFFFFu, 0x80000000u}) {
        const int len = 200001;
        std::vector<Zor64f> y(len);
        unsigned int s = seed;
        ASSERT_EQ(zorsRandUniform_Direct_64f(y.data(), len, -3.0, 5.0, &s), zorStsNoErr);
        Model m(seed);
        for (int i = 0; i < len; ++i) {
            const double want = uniform_of(m.next(), -3.0, 5.0);
            if (i < 64 || i == len - 1) ASSERT_EQ(y[i], want) << "seed " << seed << " i " << i;
            else if (y[i] != want) FAIL() << "seed " << seed << " i " << i;
        }
        EXPECT_EQ(s, m.s[0]) << "returned seed";
        // Every value in [low, high).
        for (double v : y) ASSERT_TRUE(v >= -3.0 && v < 5.0);
    }
}

TEST(Random, UniformTypes) {
    const int len = 1000;
    unsigned a = 77, b = 77, c = 77;
    std::vector<Zor32f> f(len);
    std::vector<Zor16s> h(len);
    ASSERT_EQ(zorsRandUniform_Direct_32f(f.data(), len, -1.5f, 2.25f, &a), zorStsNoErr);
    ASSERT_EQ(zorsRandUniform_Direct_16s(h.data(), len, -32768, 32767, &b), zorStsNoErr);
    Model m1(77), m2(77);
    for (int i = 0; i < len; ++i) {
        EXPECT_EQ(f[i], static_cast<Zor32f>(uniform_of(m1.next(), -1.5, 2.25)));
        EXPECT_EQ(h[i], static_cast<Zor16s>(std::trunc(uniform_of(m2.next(), -32768, 32767))));
    }
    EXPECT_EQ(a, b);
    // low == high gives the constant; the state forms continue the direct sequence.
    std::vector<Zor16s> k(10);
    zorsRandUniform_Direct_16s(k.data(), 10, 9, 9, &c);
    for (Zor16s v : k) EXPECT_EQ(v, 9);

    ZorsRandUniState_32f* s32 = nullptr;
    ASSERT_EQ(zorsRandUniformInitAlloc_32f(&s32, -1.5f, 2.25f, 77), zorStsNoErr);
    std::vector<Zor32f> g(len);
    ASSERT_EQ(zorsRandUniform_32f(g.data(), 333, s32), zorStsNoErr);
    ASSERT_EQ(zorsRandUniform_32f(g.data() + 333, len - 333, s32), zorStsNoErr);
    EXPECT_EQ(g, f);
    EXPECT_EQ(zorsRandUniformFree_32f(s32), zorStsNoErr);

    int size = 0;
    ASSERT_EQ(zorsRandUniformGetSize_16s(&size), zorStsNoErr);
    EXPECT_EQ(size, 56);
    std::vector<unsigned char> mem(size);
    auto* st = reinterpret_cast<ZorsRandUniState_16s*>(mem.data());
    ASSERT_EQ(zorsRandUniformInit_16s(st, -32768, 32767, 77), zorStsNoErr);
    std::vector<Zor16s> h2(len);
    zorsRandUniform_16s(h2.data(), 1, st);
    zorsRandUniform_16s(h2.data() + 1, len - 1, st);
    EXPECT_EQ(h2, h);

    ZorsRandUniState_8u* s8 = nullptr;
    ASSERT_EQ(zorsRandUniformInitAlloc_8u(&s8, 10, 200, 5), zorStsNoErr);
    std::vector<Zor8u> u(len);
    zorsRandUniform_8u(u.data(), len, s8);
    Model m3(5);
    for (int i = 0; i < len; ++i) EXPECT_EQ(u[i], static_cast<Zor8u>(std::trunc(uniform_of(m3.next(), 10, 200))));
    EXPECT_EQ(zorsRandUniformFree_8u(s8), zorStsNoErr);
}

// The polar method from the model's outputs.
struct GaussModel {
    Model m;
    bool held = false;
    double spare = 0;
    explicit GaussModel(std::uint32_t seed) : m(seed) {}
    double next() {
        if (held) { held = false; return spare; }
        double u, v, s;
        do {
            u = m.next() * 4.656612873077e-10;
            v = m.next() * 4.656612873077e-10;
            s = u * u + v * v;
        } while (s >= 1 || s == 0);
        const double f = std::sqrt(-2 * std::log(s) / s);
        held = true;
        spare = v * f;
        return u * f;
    }
};

TEST(Random, GaussianStream) {
    const int len = 100001;
    std::vector<Zor64f> y(len);
    unsigned s = 2024;
    ASSERT_EQ(zorsRandGauss_Direct_64f(y.data(), len, 3.0, 0.5, &s), zorStsNoErr);
    GaussModel g(2024);
    double sum = 0, sq = 0;
    for (int i = 0; i < len; ++i) {
        const double want = g.next() * 0.5 + 3.0;
        ASSERT_NEAR(y[i], want, 1e-13) << i;
        sum += y[i];
        sq += (y[i] - 3.0) * (y[i] - 3.0);
    }
    EXPECT_EQ(s, g.m.s[0]);
    EXPECT_NEAR(sum / len, 3.0, 0.01);
    EXPECT_NEAR(std::sqrt(sq / len), 0.5, 0.01);

    // The state forms carry the spare deviate across calls.
    std::vector<Zor32f> d(101), e(101);
    unsigned s2 = 9;
    zorsRandGauss_Direct_32f(d.data(), 101, -1.0f, 2.0f, &s2);
    ZorsRandGaussState_32f* st = nullptr;
    ASSERT_EQ(zorsRandGaussInitAlloc_32f(&st, -1.0f, 2.0f, 9), zorStsNoErr);
    for (int at = 0, len2 = 1; at < 101; at += len2, len2 += 2) zorsRandGauss_32f(e.data() + at, std::min(len2, 101 - at), st);
    EXPECT_EQ(d, e);
    EXPECT_EQ(zorsRandGaussFree_32f(st), zorStsNoErr);

    int size = 0;
    ASSERT_EQ(zorsRandGaussGetSize_16s(&size), zorStsNoErr);
    EXPECT_EQ(size, 72);
    std::vector<unsigned char> mem(size);
    auto* gs = reinterpret_cast<ZorsRandGaussState_16s*>(mem.data());
    ASSERT_EQ(zorsRandGaussInit_16s(gs, 100, 3000, 4), zorStsNoErr);
    std::vector<Zor16s> h(51), k(51);
    zorsRandGauss_16s(h.data(), 25, gs);
    zorsRandGauss_16s(h.data() + 25, 26, gs);
    unsigned s3 = 4;
    zorsRandGauss_Direct_16s(k.data(), 51, 100, 3000, &s3);
    EXPECT_EQ(h, k);
    GaussModel g2(4);
    for (int i = 0; i < 51; ++i) EXPECT_NEAR(h[i], g2.next() * 3000 + 100, 0.5 + 1e-9) << i;
    // 8u: rounded and saturated at 0 and 255.
    ZorsRandGaussState_8u* s8 = nullptr;
    ASSERT_EQ(zorsRandGaussInitAlloc_8u(&s8, 128, 200, 1), zorStsNoErr);
    std::vector<Zor8u> b(2000);
    zorsRandGauss_8u(b.data(), 2000, s8);
    GaussModel g3(1);
    for (int i = 0; i < 2000; ++i) {
        const double v = g3.next() * 200 + 128;
        EXPECT_NEAR(b[i], std::fmin(255.0, std::fmax(0.0, v)), 0.5 + 1e-9) << i;
    }
    EXPECT_EQ(zorsRandGaussFree_8u(s8), zorStsNoErr);
}

TEST(Random, Checks) {
    ZT_CHECKS(zorsRandUniform_Direct_32f, 1); ZT_CHECKS(zorsRandUniform_Direct_64f, 1); ZT_CHECKS(zorsRandUniform_Direct_16s, 1);
    ZT_CHECKS(zorsRandGauss_Direct_32f, 1); ZT_CHECKS(zorsRandGauss_Direct_64f, 1); ZT_CHECKS(zorsRandGauss_Direct_16s, 1);
    ZorsRandUniState_16s* u = nullptr;
    ZorsRandGaussState_16s* g = nullptr;
    EXPECT_EQ(zorsRandUniformInitAlloc_16s(nullptr, 0, 1, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsRandGaussInitAlloc_16s(nullptr, 0, 1, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsRandUniformInit_16s(nullptr, 0, 1, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsRandGaussInit_16s(nullptr, 0, 1, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsRandUniformGetSize_16s(nullptr), zorStsNullPtrErr);
    ASSERT_EQ(zorsRandUniformInitAlloc_16s(&u, 0, 1, 0), zorStsNoErr);
    ASSERT_EQ(zorsRandGaussInitAlloc_16s(&g, 0, 1, 0), zorStsNoErr);
    Zor16s y[4] = {7, 7, 7, 7};
    EXPECT_EQ(zorsRandUniform_16s(nullptr, 4, u), zorStsNullPtrErr);
    EXPECT_EQ(zorsRandUniform_16s(y, 4, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsRandUniform_16s(y, 0, u), zorStsSizeErr);
    // A state of another kind is rejected by generation and Free.
    EXPECT_EQ(zorsRandUniform_16s(y, 4, reinterpret_cast<ZorsRandUniState_16s*>(g)), zorStsContextMatchErr);
    EXPECT_EQ(zorsRandGauss_16s(y, 4, reinterpret_cast<ZorsRandGaussState_16s*>(u)), zorStsContextMatchErr);
    EXPECT_EQ(zorsRandUniform_8u(reinterpret_cast<Zor8u*>(y), 4, reinterpret_cast<ZorsRandUniState_8u*>(u)), zorStsContextMatchErr);
    EXPECT_EQ(zorsRandUniform_32f(reinterpret_cast<Zor32f*>(y), 2, reinterpret_cast<ZorsRandUniState_32f*>(u)), zorStsContextMatchErr);
    EXPECT_EQ(zorsRandGaussFree_16s(reinterpret_cast<ZorsRandGaussState_16s*>(u)), zorStsContextMatchErr);
    EXPECT_EQ(zorsRandUniformFree_32f(reinterpret_cast<ZorsRandUniState_32f*>(u)), zorStsContextMatchErr);
    EXPECT_EQ(zorsRandUniformFree_16s(nullptr), zorStsNullPtrErr);
    EXPECT_EQ(y[0], 7);
    EXPECT_EQ(zorsRandUniformFree_16s(u), zorStsNoErr);
    EXPECT_EQ(zorsRandGaussFree_16s(g), zorStsNoErr);
}

// Ramp: offset + slope*n in single precision, integers rounded half away
// from zero and saturated.
template <class T>
void check_ramp(ZorStatus (*f)(T*, int, float, float)) {
    struct P { float offset, slope; };
    for (const P& p : {P{0, 1}, P{-2.5f, 0}, P{2.5f, 0}, P{-100.5f, 1.25f}, P{32767, 1}, P{1e9f, -3e7f}, P{0.5f, -0.5f}}) {
        const int len = 70;
        std::vector<T> y(len);
        ASSERT_EQ(f(y.data(), len, p.offset, p.slope), zorStsNoErr);
        for (int n = 0; n < len; ++n) {
            const float v = static_cast<float>(n) * p.slope + p.offset;
            if constexpr (std::is_floating_point_v<T>) {
                EXPECT_EQ(y[n], static_cast<T>(v));
            } else {
                const double r = v > 0 ? std::floor(static_cast<double>(v) + 0.5) : std::ceil(static_cast<double>(v) - 0.5);
                const double c = std::fmin(std::fmax(r, static_cast<double>(std::numeric_limits<T>::min())), static_cast<double>(std::numeric_limits<T>::max()));
                EXPECT_EQ(static_cast<double>(y[n]), c) << "n " << n << " offset " << p.offset;
            }
        }
    }
}

// Jaehne: magn*sin(pi/2*n^2/len).
template <class T>
void check_jaehne(ZorStatus (*f)(T*, int, T), T magn) {
    for (int len : {1, 2, 7, 100, 1001}) {
        std::vector<T> y(len);
        ASSERT_EQ(f(y.data(), len, magn), zorStsNoErr);
        for (int n = 0; n < len; ++n) {
            const long double v = static_cast<long double>(magn) * std::sin(1.5707963267948966192313216916L * n * n / len);
            const double tol = std::is_integral_v<T> ? 0.5 + 1e-6 : std::fabs(static_cast<double>(v)) * 1e-6 + 1e-9 * static_cast<double>(magn);
            if constexpr (std::is_unsigned_v<T>) {
                if (v < 0) { EXPECT_EQ(y[n], T(0)); continue; }
            }
            EXPECT_NEAR(static_cast<double>(y[n]), static_cast<double>(v), tol) << "len " << len << " n " << n;
        }
        EXPECT_EQ(y[0], T(0));
    }
    T z[5];
    ASSERT_EQ(f(z, 5, T(0)), zorStsNoErr);
    for (T v : z) EXPECT_EQ(v, T(0));
}

TEST(TestVectors, RampAndJaehne) {
    check_ramp<Zor8u>(zorsVectorRamp_8u); check_ramp<Zor8s>(zorsVectorRamp_8s);
    check_ramp<Zor16u>(zorsVectorRamp_16u); check_ramp<Zor16s>(zorsVectorRamp_16s);
    check_ramp<Zor32u>(zorsVectorRamp_32u); check_ramp<Zor32s>(zorsVectorRamp_32s);
    check_ramp<Zor32f>(zorsVectorRamp_32f); check_ramp<Zor64f>(zorsVectorRamp_64f);
    check_jaehne<Zor8u>(zorsVectorJaehne_8u, 200); check_jaehne<Zor8s>(zorsVectorJaehne_8s, 127);
    check_jaehne<Zor16u>(zorsVectorJaehne_16u, 60000); check_jaehne<Zor16s>(zorsVectorJaehne_16s, 32767);
    check_jaehne<Zor32u>(zorsVectorJaehne_32u, 4000000000u); check_jaehne<Zor32s>(zorsVectorJaehne_32s, 2147483647);
    check_jaehne<Zor32f>(zorsVectorJaehne_32f, 3.5f); check_jaehne<Zor64f>(zorsVectorJaehne_64f, 1e10);
    Zor16s s[3];
    zorsVectorRamp_16s(s, 3, 32767.0f, 1.0f);
    EXPECT_EQ(s[0], 32767);
    EXPECT_EQ(s[2], 32767);
    EXPECT_EQ(zorsVectorJaehne_16s(s, 3, -1), zorStsMagnNegErr);
    EXPECT_EQ(zorsVectorJaehne_64f(nullptr, 3, -1.0), zorStsNullPtrErr);
    EXPECT_EQ(zorsVectorJaehne_32f(reinterpret_cast<Zor32f*>(s), 0, -1.0f), zorStsSizeErr);
    ZT_CHECKS(zorsVectorRamp_8u, 1); ZT_CHECKS(zorsVectorRamp_64f, 1); ZT_CHECKS(zorsVectorRamp_32u, 1);
    ZT_CHECKS(zorsVectorJaehne_8u, 1); ZT_CHECKS(zorsVectorJaehne_64f, 1); ZT_CHECKS(zorsVectorJaehne_32s, 1);
}

}  // namespace
