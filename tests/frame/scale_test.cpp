#include <vector>

#include "frame/scale.h"
#include "tests/common.h"
#include "tests/ref/scale_ref.h"

namespace {

// Scale factors: a dense band around every width used, and the extremes.
std::vector<std::int32_t> factors() {
    std::vector<std::int32_t> v;
    for (int s = -140; s <= 140; ++s) v.push_back(s);
    for (std::int32_t s : {INT32_MIN, INT32_MIN + 1, -100000, -16385, 16385, 100000, INT32_MAX - 1, INT32_MAX})
        v.push_back(s);
    return v;
}

// Exact results at every power-of-two boundary and the halfway points.
std::vector<std::int64_t> results() {
    std::vector<std::int64_t> v = {0, 1, -1, 2, -2, 3, -3, 5, -5, 6, -6, 7, -7, 10, -10,
                                   INT64_MAX, INT64_MIN, INT64_MAX - 1, INT64_MIN + 1};
    for (int k = 1; k < 63; ++k) {
        const std::int64_t p = std::int64_t{1} << k;
        for (std::int64_t d : {-1, 0, 1}) {
            v.push_back(p + d);
            v.push_back(-(p + d));
            v.push_back(p + (p >> 1) + d);  // halfway between multiples of 2^k
            v.push_back(-(p + (p >> 1) + d));
        }
    }
    zt::Rng rng(7);
    for (int i = 0; i < 200; ++i) v.push_back(static_cast<std::int64_t>(rng.bits()) >> (i % 60));
    return v;
}

template <class D>
void check_narrow(const std::vector<std::int32_t>& sfs, const std::vector<std::int64_t>& rs) {
    for (std::int32_t sf : sfs)
        for (std::int64_t r : rs) {
            const D got = zors::scale_sat<D>(r, sf);
            const D want = zref::scale_sat<D>(static_cast<long double>(r), sf);
            ASSERT_EQ(got, want) << "r=" << r << " sf=" << sf;
        }
}

TEST(ScaleRule, SixtyFourBitResultsEveryDestination) {
    const auto sfs = factors();
    const auto rs = results();
    check_narrow<Zor8u>(sfs, rs);
    check_narrow<Zor16s>(sfs, rs);
    check_narrow<Zor16u>(sfs, rs);
    check_narrow<Zor32s>(sfs, rs);
    check_narrow<Zor64s>(sfs, rs);
}

TEST(ScaleRule, WideResultsEveryDestination) {
    // Sums and differences of two 64-bit values reach 2^64 in magnitude.
    const auto sfs = factors();
    const auto rs = results();
    std::vector<std::pair<std::int64_t, std::int64_t>> pairs;
    for (std::size_t i = 0; i < rs.size(); i += 3)
        for (std::size_t j = 0; j < rs.size(); j += 17) pairs.push_back({rs[i], rs[j]});
    for (std::int32_t sf : sfs)
        for (auto [a, b] : pairs) {
            const long double sum = static_cast<long double>(a) + static_cast<long double>(b);
            const long double diff = static_cast<long double>(a) - static_cast<long double>(b);
            ASSERT_EQ(zors::scale_sat<Zor32s>(zors::wide_add(a, b), sf), zref::scale_sat<Zor32s>(sum, sf))
                << a << " + " << b << " sf=" << sf;
            ASSERT_EQ(zors::scale_sat<Zor32s>(zors::wide_sub(a, b), sf), zref::scale_sat<Zor32s>(diff, sf))
                << a << " - " << b << " sf=" << sf;
            ASSERT_EQ(zors::scale_sat<Zor16s>(zors::wide_sub(a, b), sf), zref::scale_sat<Zor16s>(diff, sf))
                << a << " - " << b << " sf=" << sf;
        }
}

TEST(ScaleRule, DocumentedExamples) {
    struct Case { std::int64_t r; int sf; Zor16s want16; Zor32s want32; };
    const Case cases[] = {
        {5, 1, 2, 2}, {7, 1, 4, 4}, {-5, 1, -2, -2}, {-7, 1, -4, -4}, {10, 2, 2, 2}, {6, 2, 2, 2},
        {-1, 1, 0, 0}, {3, 1, 2, 2}, {1, 1, 0, 0}, {-65536, 0, -32768, -65536}, {-65536, 17, 0, 0},
        {65535, 17, 0, 0}, {1, -16, 32767, 65536}, {-1, -16, -32768, -65536}, {0, -16, 0, 0},
        {std::int64_t{1} << 62, 62, 1, 1}, {std::int64_t{1} << 62, 63, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zors::scale_sat<Zor16s>(c.r, c.sf), c.want16) << c.r << " sf=" << c.sf;
        EXPECT_EQ(zors::scale_sat<Zor32s>(c.r, c.sf), c.want32) << c.r << " sf=" << c.sf;
    }
}

}  // namespace
