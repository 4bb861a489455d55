// Trellis decoder support against a straightforward reference: point metrics
// from the absolute coordinates of the candidate points, the 4-D table by
// scanning its pair lists, add-compare-select by collecting the transitions
// into each state, and the normalisation by a minimum search. Ties are
// provoked on purpose.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/arg_checks.h"
#include "tests/common.h"

namespace {

std::int32_t floor_div(std::int32_t a, std::int32_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The point-metric table of one received point, from absolute coordinates.
struct PointRef {
    std::int32_t cx, cy;
    std::uint32_t table[8];
    bool written[8];
};

PointRef point_ref(Zor16sc p, const Zor8u* label, int num_states) {
    PointRef r{};
    // Largest odd multiple of 128 not above the coordinate.
    auto corner = [](std::int32_t v) { return floor_div(v - 128, 256) * 256 + 128; };
    r.cx = corner(p.re);
    r.cy = corner(p.im);
    const std::int32_t col = ((r.cx - 128) / 256 % 4 + 4 + 2) % 4;  // independent of floor: mod 4 only
    const std::int32_t row = ((r.cy - 128) / 256 % 4 + 4 + 2) % 4;
    auto dist = [&](std::int32_t px, std::int32_t py) {
        const std::int64_t dx = px - p.re, dy = py - p.im;
        return static_cast<std::uint32_t>((dx * dx) >> 4) + static_cast<std::uint32_t>((dy * dy) >> 4);
    };
    const unsigned mask = num_states == 16 ? 3 : 7;
    auto put = [&](int dr, int dc, std::uint32_t d, std::uint32_t num) {
        const unsigned s = label[4 * ((row + dr + 4) % 4) + (col + dc + 4) % 4] & mask;
        r.table[s] = d + (num << 16);
        r.written[s] = true;
    };
    const std::int32_t X = r.cx, Y = r.cy;
    put(0, 0, dist(X, Y), 0);
    put(0, 1, dist(X + 256, Y), 1);
    put(1, 1, dist(X + 256, Y + 256), 2);
    put(1, 0, dist(X, Y + 256), 3);
    if (num_states == 16) return r;
    struct Alt { int dr, dc; std::int32_t ax, ay, bx, by; };
    const Alt alts[4] = {{2, 0, X, Y + 512, X + 512, Y},
                         {2, 1, X + 256, Y + 512, X - 256, Y},
                         {-1, 1, X + 512, Y + 256, X, Y - 256},
                         {-1, 0, X + 256, Y - 256, X - 256, Y + 256}};
    for (int j = 0; j < 4; ++j) {
        const std::uint32_t da = dist(alts[j].ax, alts[j].ay), db = dist(alts[j].bx, alts[j].by);
        if (da < db) put(alts[j].dr, alts[j].dc, da, 4 + j);
        else put(alts[j].dr, alts[j].dc, db, 8 + j);
    }
    return r;
}

TEST(Trellis, PointMetricsFromCandidateCoordinates) {
    zt::Rng rng(21);
    std::vector<Zor16s> coords = {128, 127, -129, -128, 0, -1, 255, 256, 383, 384, -32768, 32767, -32640, 32640};
    for (int i = 0; i < 60; ++i) coords.push_back(rng.any<Zor16s>());
    for (int ns : {16, 32, 64, 8}) {
        for (int trial = 0; trial < 3; ++trial) {
            Zor8u label[16];
            for (int i = 0; i < 16; ++i) label[i] = static_cast<Zor8u>(trial == 0 ? (i * 5 + i / 4) & 7 : rng.bits());
            for (Zor16s re : coords) {
                for (Zor16s im : {coords[0], coords[2], coords[trial + 5], re}) {
                    const Zor16sc p{re, im};
                    Zor16sc base{1, 1};
                    Zor32u out[8];
                    std::fill(out, out + 8, 0xDEADBEEFu);
                    ASSERT_EQ(zorsGetVarPointDV_16sc(&p, &base, out, label, ns), zorStsNoErr);
                    const PointRef r = point_ref(p, label, ns);
                    ASSERT_EQ(base.re, static_cast<Zor16s>(r.cx));
                    ASSERT_EQ(base.im, static_cast<Zor16s>(r.cy));
                    for (int s = 0; s < 8; ++s)
                        ASSERT_EQ(out[s], r.written[s] ? r.table[s] : 0xDEADBEEFu)
                            << "subset " << s << " point (" << re << ", " << im << ") states " << ns;
                }
            }
        }
    }
    // Offsets at the cell edges: 127 has corner -128 and offset 255; 128 is a grid point.
    const Zor8u label[16] = {0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 0, 1, 6, 7, 4, 5};
    const Zor16sc p{127, 128};
    Zor16sc base;
    Zor32u out[8];
    ASSERT_EQ(zorsGetVarPointDV_16sc(&p, &base, out, label, 32), zorStsNoErr);
    EXPECT_EQ(base.re, -128);
    EXPECT_EQ(base.im, 128);
    // Corner (-128, 128) sits in column 1, row 2: candidate 0 at distance 255^2 >> 4.
    EXPECT_EQ(out[label[4 * 2 + 1]], (255u * 255u) >> 4);
}

// A tie between the two candidates of a label cell records the second.
TEST(Trellis, PointMetricTieTakesTheSecondCandidate) {
    const Zor8u label[16] = {0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 0, 1, 6, 7, 4, 5};
    // Offsets (128, 128): (0, +512) and (+512, 0) are equally far.
    const Zor16sc p{256, 256};
    Zor16sc base;
    Zor32u out[8] = {};
    ASSERT_EQ(zorsGetVarPointDV_16sc(&p, &base, out, label, 64), zorStsNoErr);
    const PointRef r = point_ref(p, label, 64);
    for (int s = 0; s < 8; ++s) EXPECT_EQ(out[s], r.table[s]) << s;
    bool saw_second = false;
    for (int s = 0; s < 8; ++s) saw_second |= (out[s] >> 16) == 8;
    EXPECT_TRUE(saw_second);
}

// The 4-D table by scanning each index's pair list.
std::vector<Zor32u> table_ref(const Zor32u* pm, int ns, int x) {
    struct P { int a, b; };
    const int count = ns == 16 ? 8 : (ns == 32 ? 16 : 32);
    const int mask = ns == 16 ? 3 : 7;
    std::vector<Zor32u> out(count);
    for (int i = 0; i < count; ++i) {
        std::vector<P> list;
        auto base_pairs = [&](int t, int half) {
            list.push_back({t >> 2, (t + (t >> 2)) & 3});
            list.push_back({((t >> 2) + half) & mask, (((t + (t >> 2)) & 3) + half) & mask});
        };
        if (ns == 16) {
            base_pairs(i ^ x, 2);
        } else if (ns == 32) {
            const int t = i >= 8 ? (i ^ x) + 16 : (i ^ x);
            base_pairs(t ^ 8, 4);
            base_pairs(t, 4);
        } else {
            base_pairs(i ^ x, 4);
        }
        std::uint32_t best = 0xFFFFFFFF, info = 0;
        for (const P& p : list) {
            const std::uint32_t f = pm[p.a & mask], s = pm[8 + (p.b & mask)];
            const std::uint32_t sum = (f & 0xFFFF) + (s & 0xFFFF);
            if (sum < best) {
                best = sum;
                info = ((f >> 16) & 0xFF) | (((s >> 16) & 0xFF) << 8);
            }
        }
        out[i] = info | ((best & 0xFFFF) << 16);
    }
    return out;
}

TEST(Trellis, SymbolTableTakesTheBestPairAndKeepsTheEarlierOnTies) {
    zt::Rng rng(8);
    for (int ns : {16, 32, 64, 7}) {
        for (int x : {0, 1, 5, 7}) {
            for (int trial = 0; trial < 20; ++trial) {
                Zor32u pm[16];
                for (int j = 0; j < 16; ++j) {
                    // Small distances so that ties are frequent; numbers 0..11.
                    const std::uint32_t d = trial < 10 ? rng.bits() % 4 : rng.bits() % 16000;
                    pm[j] = d | (static_cast<std::uint32_t>(rng.bits() % 12) << 16);
                }
                const auto want = table_ref(pm, ns, x);
                std::vector<Zor32u> got(32, 0xABABABABu);
                ASSERT_EQ(zorsBuildSymblTableDV4D_16sc(pm, got.data(), ns, x), zorStsNoErr);
                for (std::size_t i = 0; i < want.size(); ++i) ASSERT_EQ(got[i], want[i]) << "entry " << i << " states " << ns << " xor " << x;
                for (std::size_t i = want.size(); i < 32; ++i) ASSERT_EQ(got[i], 0xABABABABu);
            }
        }
    }
}

// Add-compare-select: for every new state, the first of the smallest
// candidates over the transitions into it in (state, transition) order.
struct AcsRef {
    std::vector<Zor16u> metric;
    std::vector<Zor32u> survivor;
};

constexpr int kFixed[4][8] = {{0, 4, 9, 13, 2, 6, 11, 15}, {16, 20, 25, 29, 18, 22, 27, 31},
                              {1, 5, 8, 12, 3, 7, 10, 14}, {17, 21, 24, 28, 19, 23, 26, 30}};

AcsRef acs_ref(const std::vector<Zor16u>& path, const std::vector<Zor8u>& next, const std::vector<Zor16s>& subsets,
               std::vector<Zor16u> metric, std::vector<Zor32u> survivor, int ns, int offset) {
    const int T = ns == 16 ? 4 : (ns == 32 ? 8 : 16);
    auto next_of = [&](int s, int k) { return (ns == 32 && s < 4) ? kFixed[s][k] : next[T * s + k]; };
    for (int target = 0; target < ns; ++target) {
        bool have = false;
        std::uint32_t best = 0, surv = 0;
        for (int s = 0; s < ns; ++s) {
            for (int k = 0; k < T; ++k) {
                if (next_of(s, k) != target) continue;
                const int sub = 2 * k + (s & 1);
                const std::uint32_t c = path[s] + static_cast<Zor16u>(subsets[2 * sub + 1]);
                const bool fixed = ns == 32 && s < 4;
                if (fixed || (!have && c < metric[target]) || (have && c < best)) {
                    have = true;
                    best = c;
                    surv = static_cast<Zor16u>(subsets[2 * sub]) | (static_cast<std::uint32_t>(s) << 16);
                }
            }
        }
        if (have) {
            metric[target] = static_cast<Zor16u>(best);
            survivor[offset + target] = surv;
        }
    }
    return {metric, survivor};
}

TEST(Trellis, AddCompareSelectKeepsTheEarliestOfEqualCandidates) {
    zt::Rng rng(4);
    for (int ns : {16, 32, 64, 24}) {
        const int T = ns == 16 ? 4 : (ns == 32 ? 8 : 16);
        for (int trial = 0; trial < 15; ++trial) {
            std::vector<Zor16u> path(ns);
            std::vector<Zor8u> next(static_cast<std::size_t>(T) * ns);
            std::vector<Zor16s> subsets(64);
            for (auto& v : path) v = static_cast<Zor16u>(rng.bits() % (trial < 8 ? 3 : 2000));
            for (auto& v : next) v = static_cast<Zor8u>(rng.bits() % ns);
            for (int i = 0; i < 32; ++i) {
                subsets[2 * i] = static_cast<Zor16s>(rng.bits() & 0x0B0B);
                subsets[2 * i + 1] = static_cast<Zor16s>(rng.bits() % (trial < 8 ? 3 : 3000));
            }
            std::vector<Zor16u> metric(ns, 65535);
            if (ns == 32) for (auto& v : metric) v = static_cast<Zor16u>(rng.bits());  // not read
            const int offset = 3 * ns;
            std::vector<Zor32u> survivor(5 * ns, 0x12345678u);
            const AcsRef want = acs_ref(path, next, subsets, metric, survivor, ns, offset);
            ASSERT_EQ(zorsCalcStatesDV_16sc(path.data(), next.data(), metric.data(), subsets.data(), survivor.data(), ns, offset), zorStsNoErr);
            EXPECT_EQ(metric, want.metric) << "states " << ns << " trial " << trial;
            EXPECT_EQ(survivor, want.survivor) << "states " << ns << " trial " << trial;
        }
    }
}

TEST(Trellis, NormalisationReportsTheLowestMinimalState) {
    zt::Rng rng(6);
    for (int ns : {16, 32, 64, 8, 0}) {
        const int n = ns == 16 ? 16 : (ns == 32 ? 32 : 64);
        for (int trial = 0; trial < 20; ++trial) {
            std::vector<Zor16u> metric(70, 4321), path(70, 999);
            for (int j = 0; j < n; ++j) metric[j] = static_cast<Zor16u>(100 + rng.bits() % (trial < 10 ? 3 : 5000));
            const auto it = std::min_element(metric.begin(), metric.begin() + n);
            const Zor16u min = *it;
            const int where = static_cast<int>(it - metric.begin());
            std::vector<Zor16u> want_path = path, before = metric;
            for (int j = 0; j < n; ++j) want_path[j] = static_cast<Zor16u>(before[j] - min);
            Zor16u got_min = 0;
            Zor8u got_state = 0;
            ASSERT_EQ(zorsUpdatePathMetricsDV_16u(metric.data(), &got_min, &got_state, path.data(), ns), zorStsNoErr);
            EXPECT_EQ(got_min, min);
            EXPECT_EQ(got_state, where);
            EXPECT_EQ(path, want_path);
            for (int j = 0; j < 70; ++j) ASSERT_EQ(metric[j], j < n ? 65535 : 4321) << j;
        }
    }
}

TEST(Trellis, OnlyPointersAreChecked) {
    Zor16sc p{1, 2}, base{7, 7};
    Zor32u vp[16] = {}, sub[32] = {}, surv[64] = {};
    Zor8u label[16] = {}, next[64 * 16] = {}, state = 9;
    Zor16u path[64] = {}, metric[64] = {}, min = 5;
    const Zor16s* subs = reinterpret_cast<const Zor16s*>(sub);
    for (int ns : {16, 0, -5}) {
        EXPECT_EQ(zorsGetVarPointDV_16sc(nullptr, &base, vp, label, ns), zorStsNullPtrErr);
        EXPECT_EQ(zorsGetVarPointDV_16sc(&p, nullptr, vp, label, ns), zorStsNullPtrErr);
        EXPECT_EQ(zorsGetVarPointDV_16sc(&p, &base, nullptr, label, ns), zorStsNullPtrErr);
        EXPECT_EQ(zorsGetVarPointDV_16sc(&p, &base, vp, nullptr, ns), zorStsNullPtrErr);
        EXPECT_EQ(zorsBuildSymblTableDV4D_16sc(nullptr, sub, ns, 0), zorStsNullPtrErr);
        EXPECT_EQ(zorsBuildSymblTableDV4D_16sc(vp, nullptr, ns, 0), zorStsNullPtrErr);
        EXPECT_EQ(zorsCalcStatesDV_16sc(nullptr, next, metric, subs, surv, ns, 0), zorStsNullPtrErr);
        EXPECT_EQ(zorsCalcStatesDV_16sc(path, nullptr, metric, subs, surv, ns, 0), zorStsNullPtrErr);
        EXPECT_EQ(zorsCalcStatesDV_16sc(path, next, nullptr, subs, surv, ns, 0), zorStsNullPtrErr);
        EXPECT_EQ(zorsCalcStatesDV_16sc(path, next, metric, nullptr, surv, ns, 0), zorStsNullPtrErr);
        EXPECT_EQ(zorsCalcStatesDV_16sc(path, next, metric, subs, nullptr, ns, 0), zorStsNullPtrErr);
        EXPECT_EQ(zorsUpdatePathMetricsDV_16u(nullptr, &min, &state, path, ns), zorStsNullPtrErr);
        EXPECT_EQ(zorsUpdatePathMetricsDV_16u(metric, nullptr, &state, path, ns), zorStsNullPtrErr);
        EXPECT_EQ(zorsUpdatePathMetricsDV_16u(metric, &min, nullptr, path, ns), zorStsNullPtrErr);
        EXPECT_EQ(zorsUpdatePathMetricsDV_16u(metric, &min, &state, nullptr, ns), zorStsNullPtrErr);
    }
    EXPECT_EQ(base.re, 7);
    EXPECT_EQ(min, 5);
    EXPECT_EQ(state, 9);
    for (Zor32u v : vp) EXPECT_EQ(v, 0u);
    for (Zor32u v : sub) EXPECT_EQ(v, 0u);
    for (Zor16u v : metric) EXPECT_EQ(v, 0u);
    // Any state count is accepted; fewer than one state does nothing.
    EXPECT_EQ(zorsCalcStatesDV_16sc(path, next, metric, subs, surv, -3, 0), zorStsNoErr);
    for (Zor16u v : metric) EXPECT_EQ(v, 0u);
}

// The tables read subset indices from the low bits of i XOR subsetXor only:
// an xor word with high bits set (the sums of its shifted halves leave the
// 32-bit range) builds the table of its low five bits.
TEST(Trellis, SymbolTableUsesTheLowBitsOfAnyXorWord) {
    zt::Rng rng(77);
    Zor32u vp[16];
    for (Zor32u& v : vp) v = static_cast<Zor32u>(rng.bits() & 0x00FF7FFF);
    for (int ns : {16, 32, 64}) {
        for (int x : {0x7FFFFFFF, static_cast<int>(0x80000000u), -1, 0x7FFFFFE5, -27}) {
            Zor32u got[32], want[32];
            std::memset(got, 0, sizeof got);
            std::memset(want, 0, sizeof want);
            ASSERT_EQ(zorsBuildSymblTableDV4D_16sc(vp, got, ns, x), zorStsNoErr);
            ASSERT_EQ(zorsBuildSymblTableDV4D_16sc(vp, want, ns, x & 31), zorStsNoErr);
            for (int i = 0; i < 32; ++i) EXPECT_EQ(got[i], want[i]) << "states " << ns << ", xor " << x << ", entry " << i;
        }
    }
}

}  // namespace
