// Inner loop of a Viterbi decoder for 4-D trellis-coded modem signals:
// GetVarPointDV (2-D point metrics), BuildSymblTableDV4D (4-D subset
// metrics), CalcStatesDV (add-compare-select) and UpdatePathMetricsDV
// (normalisation). Every member checks only its pointers (-8).
//
// numStates selects the form: 16, 32, and every other value the general one
// (8 subsets for the point metrics, 64 states for the symbol table and the
// normalisation, numStates states of 16 transitions for add-compare-select).
//
// Ties always keep the earlier candidate: the earlier pair of a 4-D list,
// the lower state (then the lower transition) in add-compare-select, the
// lower index of the minimum. In the point metrics the second of two
// alternative candidates wins a tie.
//
// Sums of distances and metrics are formed exactly and stored modulo 2^16;
// callers keep them small by the normalisation. Subset indices derived from
// subsetXor are taken modulo the subset count, and transitions to a state
// outside the table are ignored, so malformed tables never reach outside
// the caller's arrays.
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "frame/check.h"

namespace zors {
namespace {

// Cell corner and offset of one coordinate: d = (x + 128) mod 256 and
// c = x - d, the largest odd multiple of 128 not above x.
struct Split {
    std::int32_t corner;
    std::int32_t offset;
    std::int32_t index;  // grid row or column modulo 4
};

Split split(Zor16s x) {
    const std::int32_t d = (x & 255) ^ 128;
    const std::int32_t c = x - d;
    return {c, d, (((c - 128) >> 8) + 2) & 3};
}

// Per-coordinate distance terms: to the corner, one and two steps up, and
// one step down.
struct Terms {
    std::uint32_t at, up1, up2, down1;
};

Terms terms(std::int32_t d) {
    auto sq = [](std::int32_t v) { return static_cast<std::uint32_t>(v * v) >> 4; };
    return {sq(d), sq(256 - d), sq(512 - d), sq(d + 256)};
}

void var_point(const Zor16sc& p, Zor16sc* base, Zor32u* out, const Zor8u* label, int num_states) {
    const Split sx = split(p.re), sy = split(p.im);
    base->re = static_cast<Zor16s>(sx.corner);
    base->im = static_cast<Zor16s>(sy.corner);
    const Terms x = terms(sx.offset), y = terms(sy.offset);
    const bool eight = num_states != 16;
    const unsigned mask = eight ? 7u : 3u;
    const std::int32_t r = sy.index, k = sx.index;
    auto put = [&](std::int32_t row, std::int32_t col, std::uint32_t dist, std::uint32_t number) {
        const unsigned subset = label[4 * (row & 3) + (col & 3)] & mask;
        out[subset] = dist + (number << 16);
    };
    put(r, k, x.at + y.at, 0);
    put(r, k + 1, x.up1 + y.at, 1);
    put(r + 1, k + 1, x.up1 + y.up1, 2);
    put(r + 1, k, x.at + y.up1, 3);
    if (!eight) return;
    // Two candidates share each of the other label cells; the nearer one is
    // recorded, the second on a tie.
    auto pick = [&](std::int32_t row, std::int32_t col, std::uint32_t d1, std::uint32_t n1, std::uint32_t d2) {
        if (d1 < d2) put(row, col, d1, n1);
        else put(row, col, d2, n1 + 4);
    };
    pick(r + 2, k, x.at + y.up2, 4, x.up2 + y.at);
    pick(r + 2, k + 1, x.up1 + y.up2, 5, x.down1 + y.at);
    pick(r + 3, k + 1, x.up2 + y.up1, 6, x.at + y.down1);
    pick(r + 3, k, x.up1 + y.down1, 7, x.down1 + y.up1);
}

// The best of a list of (first subset, second subset) pairs; ties keep the
// earlier pair.
struct Pair {
    std::int32_t first, second;
};

template <int N>
Zor32u best_pair(const Zor32u* metric, const Pair (&pairs)[N], unsigned mask) {
    std::uint32_t best_sum = 0, info = 0;
    for (int j = 0; j < N; ++j) {
        const Zor32u a = metric[pairs[j].first & mask], b = metric[8 + (pairs[j].second & mask)];
        const std::uint32_t sum = (a & 0xFFFF) + (b & 0xFFFF);
        if (j == 0 || sum < best_sum) {
            best_sum = sum;
            info = ((a >> 16) & 0xFF) + (((b >> 16) & 0xFF) << 8);
        }
    }
    return info | (best_sum << 16);
}

// (a + b) AND m, the sum taken modulo 2^32 (any subsetXor is accepted).
inline int low_sum(int a, int b, unsigned m) {
    return static_cast<int>((static_cast<unsigned>(a) + static_cast<unsigned>(b)) & m);
}

void symbol_table(const Zor32u* metric, Zor32u* out, int num_states, int x) {
    if (num_states == 16) {
        for (int i = 0; i < 8; ++i) {
            const int t = i ^ x, h = t >> 2, l = low_sum(t, h, 3);
            const Pair pairs[2] = {{h, l}, {(h + 2) & 3, (l + 2) & 3}};
            out[i] = best_pair(metric, pairs, 3);
        }
    } else if (num_states == 32) {
        for (int i = 0; i < 16; ++i) {
            const int t = i >= 8 ? low_sum(i ^ x, 16, ~0u) : i ^ x, u = t ^ 8;
            const int uh = u >> 2, ul = low_sum(u, uh, 3), th = t >> 2, tl = low_sum(t, th, 3);
            const Pair pairs[4] = {{uh, ul}, {(uh + 4) & 7, ul + 4}, {th, tl}, {(th + 4) & 7, tl + 4}};
            out[i] = best_pair(metric, pairs, 7);
        }
    } else {
        for (int i = 0; i < 32; ++i) {
            const int t = i ^ x, h = t >> 2, l = low_sum(t, h, 3);
            const Pair pairs[2] = {{h, l}, {(h + 4) & 7, l + 4}};
            out[i] = best_pair(metric, pairs, 7);
        }
    }
}

// Transitions of states 0 to 3 of the 32-state code, which the 32-state
// form takes without reading the next-state table.
constexpr std::uint8_t kFixed32[4][8] = {
    {0, 4, 9, 13, 2, 6, 11, 15},
    {16, 20, 25, 29, 18, 22, 27, 31},
    {1, 5, 8, 12, 3, 7, 10, 14},
    {17, 21, 24, 28, 19, 23, 26, 30},
};

void calc_states(const Zor16u* path, const Zor8u* next, Zor16u* metric, const Zor16s* subsets,
                 Zor32u* survivor, int num_states, int offset) {
    const int transitions = num_states == 16 ? 4 : (num_states == 32 ? 8 : 16);
    auto info = [&](int subset) { return static_cast<Zor32u>(static_cast<Zor16u>(subsets[2 * subset])); };
    auto dist = [&](int subset) { return static_cast<std::uint32_t>(static_cast<Zor16u>(subsets[2 * subset + 1])); };
    int first = 0;
    if (num_states == 32) {
        // Every new metric is set from states 0 to 3, without comparison.
        for (int s : {0, 2, 1, 3}) {
            for (int k = 0; k < 8; ++k) {
                const int ns = kFixed32[s][k], subset = 2 * k + (s & 1);
                metric[ns] = static_cast<Zor16u>(path[s] + dist(subset));
                survivor[offset + ns] = info(subset) + (static_cast<Zor32u>(s) << 16);
            }
        }
        first = 4;
    }
    for (int s = first; s < num_states; ++s) {
        const std::uint32_t m = path[s];
        const int p = s & 1;
        const Zor8u* row = next + static_cast<std::ptrdiff_t>(transitions) * s;
        for (int k = 0; k < transitions; ++k) {
            const int ns = row[k];
            if (ns >= num_states) continue;
            const int subset = 2 * k + p;
            const std::uint32_t c = m + dist(subset);
            if (c < metric[ns]) {
                metric[ns] = static_cast<Zor16u>(c);
                survivor[offset + ns] = info(subset) + (static_cast<Zor32u>(s) << 16);
            }
        }
    }
}

void update_metrics(Zor16u* metric, Zor16u* min_metric, Zor8u* min_state, Zor16u* path, int num_states) {
    const int n = num_states == 16 ? 16 : (num_states == 32 ? 32 : 64);
    int best = 0;
    for (int j = 1; j < n; ++j) {
        if (metric[j] < metric[best]) best = j;
    }
    const Zor16u min = metric[best];
    *min_metric = min;
    *min_state = static_cast<Zor8u>(best);
    for (int j = 0; j < n; ++j) {
        path[j] = static_cast<Zor16u>(metric[j] - min);
        metric[j] = 65535;
    }
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsGetVarPointDV_16sc(const Zor16sc* pSrc, Zor16sc* pBasePoint, Zor32u* pVarPointValue, const Zor8u* pLabel, int numStates) {
    ZORS_CHECK(nonnull(pSrc, pBasePoint, pVarPointValue, pLabel));
    var_point(*pSrc, pBasePoint, pVarPointValue, pLabel, numStates);
    return zorStsNoErr;
}

ZorStatus zorsBuildSymblTableDV4D_16sc(const Zor32u* pVarPointValue, Zor32u* pSubsetValue, int numStates, int subsetXor) {
    ZORS_CHECK(nonnull(pVarPointValue, pSubsetValue));
    symbol_table(pVarPointValue, pSubsetValue, numStates, subsetXor);
    return zorStsNoErr;
}

ZorStatus zorsCalcStatesDV_16sc(const Zor16u* pPathMetric, const Zor8u* pNextState, Zor16u* pNewMetric, const Zor16s* pSubsetValue, Zor32u* pSurvivor, int numStates, int survivorOffset) {
    ZORS_CHECK(nonnull(pPathMetric, pNextState, pNewMetric, pSubsetValue, pSurvivor));
    calc_states(pPathMetric, pNextState, pNewMetric, pSubsetValue, pSurvivor, numStates, survivorOffset);
    return zorStsNoErr;
}

ZorStatus zorsUpdatePathMetricsDV_16u(Zor16u* pNewMetric, Zor16u* pMinMetric, Zor8u* pMinState, Zor16u* pPathMetric, int numStates) {
    ZORS_CHECK(nonnull(pNewMetric, pMinMetric, pMinState, pPathMetric));
    update_metrics(pNewMetric, pMinMetric, pMinState, pPathMetric, numStates);
    return zorStsNoErr;
}
