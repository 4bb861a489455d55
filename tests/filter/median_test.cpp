// Sliding median of every type against a sort-based reference at every
// dispatch level: every mask up to 13 and a few large ones, odd and even,
// lengths across the edges and the block boundaries, in place and out of
// place, with many repeated values.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/common.h"
#include "tests/ref/conv_ref.h"

namespace {

#define MEDIAN_KIND(K, S, TT)                                                                                   \
    struct K {                                                                                                  \
        using T = TT;                                                                                           \
        static constexpr const char* name = #S;                                                                 \
        static ZorStatus in_place(T* p, int n, int m) { return zorsFilterMedian_##S##_I(p, n, m); }            \
        static ZorStatus copy(const T* s, T* d, int n, int m) { return zorsFilterMedian_##S(s, d, n, m); }     \
    };
MEDIAN_KIND(M32f, 32f, Zor32f)
MEDIAN_KIND(M64f, 64f, Zor64f)
MEDIAN_KIND(M16s, 16s, Zor16s)
MEDIAN_KIND(M8u, 8u, Zor8u)
MEDIAN_KIND(M32s, 32s, Zor32s)
#undef MEDIAN_KIND

struct KindName {
    template <class K> static std::string GetName(int) { return K::name; }
};
template <class K> class Median : public testing::Test {};
using Kinds = testing::Types<M32f, M64f, M16s, M8u, M32s>;
TYPED_TEST_SUITE(Median, Kinds, KindName);

// Values from a range of `spread` (small spreads repeat values often); signed
// types get negative values too.
template <class T>
std::vector<T> values(zt::Rng& g, int n, int spread) {
    std::vector<T> v(n);
    for (auto& x : v) {
        const long long r = static_cast<long long>(g.bits() % static_cast<unsigned>(spread));
        if constexpr (std::is_same_v<T, Zor8u>) x = static_cast<T>(r % 256);
        else if constexpr (std::is_floating_point_v<T>) x = static_cast<T>(r - spread / 2) * static_cast<T>(0.25);
        else x = static_cast<T>(r - spread / 2);
    }
    return v;
}

TYPED_TEST(Median, MatchesSortedWindows) {
    using K = TypeParam;
    using T = typename K::T;
    const int masks[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 31, 32, 33, 63, 64, 65, 101};
    const int lens[] = {1, 2, 3, 4, 5, 8, 9, 10, 17, 63, 64, 65, 100, 513, 1100};
    zt::for_each_isa([&](zors::Isa) {
        zt::Rng g(5);
        for (int mask : masks) {
            for (int len : lens) {
                for (int spread : {3, 1000}) {
                    SCOPED_TRACE(testing::Message() << "mask " << mask << ", len " << len << ", spread " << spread);
                    const auto x = values<T>(g, len, spread);
                    const auto want = zref::median(x, mask % 2 ? mask : mask - 1);
                    const ZorStatus st = mask % 2 ? zorStsNoErr : zorStsEvenMedianMaskSize;
                    zt::Guarded<T> a(len, alignof(T)), b(len, 2 * alignof(T));
                    std::copy(x.begin(), x.end(), a.data());
                    ASSERT_EQ(K::in_place(a.data(), len, mask), st);
                    ASSERT_EQ(K::copy(x.data(), b.data(), len, mask), st);
                    EXPECT_TRUE(a.guards_intact());
                    EXPECT_TRUE(b.guards_intact());
                    int bad = 0;
                    for (int i = 0; i < len && bad < 3; ++i) {
                        if (a[i] != want[i] || b[i] != want[i]) {
                            ADD_FAILURE() << "y[" << i << "] " << +a[i] << " / " << +b[i] << " for " << +want[i];
                            ++bad;
                        }
                    }
                }
            }
        }
    });
}

TYPED_TEST(Median, WorkedExamplesAndChecks) {
    using K = TypeParam;
    using T = typename K::T;
    T x[5] = {3, 1, 2, 5, 4};
    ASSERT_EQ(K::in_place(x, 5, 4), zorStsEvenMedianMaskSize);
    const T want[5] = {3, 2, 2, 4, 4};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(x[i], want[i]) << i;
    T two[2] = {9, 1};
    EXPECT_EQ(K::in_place(two, 2, 3), zorStsNoErr);
    EXPECT_EQ(two[0], 9);
    EXPECT_EQ(two[1], 1);

    zt::Guarded<T> d(5);
    EXPECT_EQ(K::in_place(nullptr, 5, 3), zorStsNullPtrErr);
    EXPECT_EQ(K::in_place(nullptr, 0, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::in_place(d.data(), 0, 3), zorStsSizeErr);
    EXPECT_EQ(K::in_place(d.data(), 5, 0), zorStsSizeErr);
    EXPECT_EQ(K::copy(nullptr, d.data(), 5, 3), zorStsNullPtrErr);
    EXPECT_EQ(K::copy(x, nullptr, 5, 3), zorStsNullPtrErr);
    EXPECT_EQ(K::copy(x, d.data(), -1, 3), zorStsSizeErr);
    EXPECT_EQ(K::copy(x, d.data(), 5, -7), zorStsSizeErr);
    // A work array beyond any 32-bit byte count: -9 before anything is
    // written.
    EXPECT_EQ(K::copy(x, d.data(), 5, 2147483647), zorStsMemAllocErr);
    EXPECT_TRUE(d.untouched());
}

}  // namespace
