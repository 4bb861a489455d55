// Up- and down-sampling of every type with phases carried across calls,
// pre-emphasis against exact references, the running updates against the
// recurrence, and the check order of all of them.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/common.h"

namespace {

#define SAMPLE_KIND(K, S, TT)                                                                                         \
    struct K {                                                                                                        \
        using T = TT;                                                                                                 \
        static constexpr const char* name = #S;                                                                       \
        static ZorStatus down(const T* x, int n, T* y, int* m, int f, int* p) { return zorsSampleDown_##S(x, n, y, m, f, p); } \
        static ZorStatus up(const T* x, int n, T* y, int* m, int f, int* p) { return zorsSampleUp_##S(x, n, y, m, f, p); } \
    };
SAMPLE_KIND(S32f, 32f, Zor32f)
SAMPLE_KIND(S32fc, 32fc, Zor32fc)
SAMPLE_KIND(S64f, 64f, Zor64f)
SAMPLE_KIND(S64fc, 64fc, Zor64fc)
SAMPLE_KIND(S16s, 16s, Zor16s)
SAMPLE_KIND(S16sc, 16sc, Zor16sc)
#undef SAMPLE_KIND

struct KindName {
    template <class K> static std::string GetName(int) { return K::name; }
};
template <class K> class Sample : public testing::Test {};
using Kinds = testing::Types<S32f, S32fc, S64f, S64fc, S16s, S16sc>;
TYPED_TEST_SUITE(Sample, Kinds, KindName);

// Distinct, recognisable samples: element i carries i + 1 in every part.
template <class T>
T tag(int i) {
    T v;
    std::memset(&v, 0, sizeof v);
    if constexpr (std::is_arithmetic_v<T>) v = static_cast<T>(i + 1);
    else v = T{static_cast<decltype(v.re)>(i + 1), static_cast<decltype(v.re)>(-(i + 1))};
    return v;
}
template <class T>
bool same(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }

// Chained down-sampling of a stream cut into pieces equals taking every
// factor-th sample of the whole stream from the starting phase.
TYPED_TEST(Sample, DownSamplingCarriesThePhase) {
    using K = TypeParam;
    using T = typename K::T;
    zt::Rng g(3);
    const int total = 400;
    std::vector<T> x(total);
    for (int i = 0; i < total; ++i) x[i] = tag<T>(i);
    for (int factor : {1, 2, 3, 5, 8, 13}) {
        for (int start = 0; start < factor; ++start) {
            SCOPED_TRACE(testing::Message() << "factor " << factor << ", phase " << start);
            std::vector<T> got;
            int phase = start, pos = 0;
            while (pos < total) {
                const int n = std::min<int>(total - pos, 1 + static_cast<int>(g.bits() % 17));
                zt::Guarded<T> y(n);
                int m = -1;
                ASSERT_EQ(K::down(x.data() + pos, n, y.data(), &m, factor, &phase), zorStsNoErr);
                ASSERT_GE(m, 0);
                ASSERT_LE(m, n);
                ASSERT_GE(phase, 0);
                ASSERT_LT(phase, std::max(factor, 1));
                EXPECT_TRUE(y.guards_intact());
                got.insert(got.end(), y.data(), y.data() + m);
                pos += n;
            }
            std::vector<T> want;
            for (int i = start; i < total; i += factor) want.push_back(x[i]);
            ASSERT_EQ(got.size(), want.size());
            for (std::size_t i = 0; i < want.size(); ++i) EXPECT_TRUE(same(got[i], want[i])) << i;
        }
    }
    // srcLen 10, factor 3: phase 1 gives x1, x4, x7 and phase 0; phase 2
    // gives x2, x5, x8 and phase 1.
    for (int p0 : {1, 2}) {
        T y[10];
        int m = 0, p = p0;
        ASSERT_EQ(K::down(x.data(), 10, y, &m, 3, &p), zorStsNoErr);
        EXPECT_EQ(m, 3);
        EXPECT_EQ(p, p0 - 1);
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(same(y[i], x[p0 + 3 * i]));
    }
}

TYPED_TEST(Sample, UpSamplingPlacesSamplesAtThePhase) {
    using K = TypeParam;
    using T = typename K::T;
    for (int factor : {1, 2, 3, 7}) {
        for (int phase = 0; phase < factor; ++phase) {
            for (int n : {1, 2, 9}) {
                std::vector<T> x(n);
                for (int i = 0; i < n; ++i) x[i] = tag<T>(i);
                zt::Guarded<T> y(n * factor, 3 * alignof(T));
                int m = -1, p = phase;
                ASSERT_EQ(K::up(x.data(), n, y.data(), &m, factor, &p), zorStsNoErr);
                EXPECT_EQ(m, n * factor);
                EXPECT_EQ(p, phase);
                EXPECT_TRUE(y.guards_intact());
                T zero;
                std::memset(&zero, 0, sizeof zero);
                for (int i = 0; i < n * factor; ++i)
                    EXPECT_TRUE(same(y[i], i % factor == phase ? x[i / factor] : zero)) << "factor " << factor << " i " << i;
            }
        }
    }
}

TYPED_TEST(Sample, ChecksInOrderAndOutputsUntouched) {
    using K = TypeParam;
    using T = typename K::T;
    const T x[4] = {};
    zt::Guarded<T> y(16);
    int m = 77;
    struct Case {
        bool null_src, null_dst, null_len, null_phase;
        int n, factor, phase;
        ZorStatus want;
    } cases[] = {{true, false, false, false, 4, 2, 0, zorStsNullPtrErr},  {false, true, false, false, 4, 2, 0, zorStsNullPtrErr},
                 {false, false, true, false, 4, 2, 0, zorStsNullPtrErr},  {false, false, false, true, 0, 0, 0, zorStsNullPtrErr},
                 {false, false, false, false, 0, 0, 9, zorStsSizeErr},     {false, false, false, false, 4, 0, 9, zorStsSampleFactorErr},
                 {false, false, false, false, 4, -3, 0, zorStsSampleFactorErr}, {false, false, false, false, 4, 2, 2, zorStsSamplePhaseErr},
                 {false, false, false, false, 4, 2, -1, zorStsSamplePhaseErr}, {false, false, false, false, 4, 1, 1, zorStsSamplePhaseErr}};
    for (const Case& c : cases) {
        for (bool upward : {false, true}) {
            int p = c.phase;
            const T* s = c.null_src ? nullptr : x;
            T* d = c.null_dst ? nullptr : y.data();
            int* pl = c.null_len ? nullptr : &m;
            int* pp = c.null_phase ? nullptr : &p;
            EXPECT_EQ(upward ? K::up(s, c.n, d, pl, c.factor, pp) : K::down(s, c.n, d, pl, c.factor, pp), c.want);
            EXPECT_EQ(p, c.phase);
        }
    }
    EXPECT_EQ(m, 77);
    EXPECT_TRUE(y.untouched());
}

// Pre-emphasis with values whose products and differences are exact in
// single precision, against the exact result (16-bit: saturated, then
// truncated toward zero).
TEST(Preemphasize, AgainstExactReference) {
    zt::Rng g(9);
    for (float val : {0.0f, 0.5f, 0.9375f, -0.75f, 1.0f, 1.5f}) {
        for (int len : {1, 2, 3, 17, 64, 1001}) {
            std::vector<Zor32f> f(len);
            std::vector<Zor16s> s(len);
            for (int i = 0; i < len; ++i) {
                s[i] = static_cast<Zor16s>(static_cast<int>(g.bits() % 65536) - 32768);
                f[i] = s[i] * 0.5f;
            }
            const auto f0 = f;
            const auto s0 = s;
            ASSERT_EQ(zorsPreemphasize_32f(f.data(), len, val), zorStsNoErr);
            ASSERT_EQ(zorsPreemphasize_16s(s.data(), len, val), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                const long double prev_f = i ? f0[i - 1] : 0, prev_s = i ? s0[i - 1] : 0;
                EXPECT_EQ(f[i], static_cast<long double>(f0[i]) - val * prev_f) << i;
                const long double e = std::trunc(std::clamp(s0[i] - val * prev_s, -32768.0L, 32767.0L));
                EXPECT_EQ(s[i], e) << "val " << val << " i " << i;
            }
        }
    }
    Zor16s edge[2] = {-32768, 32767};
    ASSERT_EQ(zorsPreemphasize_16s(edge, 2, 1.0f), zorStsNoErr);
    EXPECT_EQ(edge[0], -32768);
    EXPECT_EQ(edge[1], 32767);
    Zor32f one = 3;
    EXPECT_EQ(zorsPreemphasize_32f(nullptr, 1, 1), zorStsNullPtrErr);
    EXPECT_EQ(zorsPreemphasize_16s(nullptr, 0, 1), zorStsNullPtrErr);
    EXPECT_EQ(zorsPreemphasize_32f(&one, 0, 1), zorStsSizeErr);
    EXPECT_EQ(one, 3);
}

// The running updates against the recurrence in long double; alpha values
// keep every step exact, so the stored value is exact too.
TEST(Update, FollowsTheRecurrence) {
    zt::Rng g(13);
    for (bool power : {false, true}) {
        for (int alpha : {0, 1, -1, 2, 3}) {
            for (int shift : {-3, 0, 1, 7, 15, 16, 31, 40}) {
                for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintFast, zorAlgHintAccurate}) {
                    const int len = 1 + static_cast<int>(g.bits() % 24);
                    std::vector<Zor16s> x(len);
                    for (auto& v : x) v = static_cast<Zor16s>(static_cast<int>(g.bits() % 65536) - 32768);
                    const Zor32s start = static_cast<Zor32s>(static_cast<int>(g.bits() % 2001) - 1000);
                    const int s = std::clamp(shift, 0, power ? 31 : 15);
                    long double a = start;
                    for (Zor16s v : x) {
                        const std::int64_t in = power ? (std::int64_t{v} * v) >> s : std::int64_t{v} >> s;
                        a = alpha * a + (1 - alpha) * static_cast<long double>(in);
                    }
                    const long double want = std::clamp(std::trunc(a), -2147483648.0L, 2147483647.0L);
                    Zor32s acc = start;
                    ASSERT_EQ(power ? zorsUpdatePower_16s32s_I(x.data(), len, &acc, shift, static_cast<Zor16s>(alpha), hint)
                                    : zorsUpdateLinear_16s32s_I(x.data(), len, &acc, shift, static_cast<Zor16s>(alpha), hint),
                              zorStsNoErr);
                    EXPECT_EQ(acc, want) << "power " << power << " alpha " << alpha << " shift " << shift << " len " << len;
                }
            }
        }
    }
    // alpha 0: the accumulator ends as the last sample shifted right.
    const Zor16s x[3] = {100, -7, -1000};
    Zor32s acc = 12345;
    ASSERT_EQ(zorsUpdateLinear_16s32s_I(x, 3, &acc, 2, 0, zorAlgHintNone), zorStsNoErr);
    EXPECT_EQ(acc, -250);
    EXPECT_EQ(zorsUpdateLinear_16s32s_I(nullptr, 3, &acc, 2, 0, zorAlgHintNone), zorStsNullPtrErr);
    EXPECT_EQ(zorsUpdatePower_16s32s_I(x, 3, nullptr, 2, 0, zorAlgHintNone), zorStsNullPtrErr);
    EXPECT_EQ(zorsUpdatePower_16s32s_I(x, 0, &acc, 2, 0, zorAlgHintNone), zorStsSizeErr);
    EXPECT_EQ(acc, -250);
}

}  // namespace
