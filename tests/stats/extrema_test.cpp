// Extrema, MaxOrder, sorting and nearest-entry search against sequential
// reference scans, at every dispatch level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/common.h"
#include "tests/ref/stats_ref.h"
#include "tests/stats/stats_checks.h"
#include "zors.h"

namespace {

TEST(Extrema, ArgumentChecks) {
    ZT_CHECKS_ALL(1, zorsMax_16s, zorsMax_32f, zorsMax_64f, zorsMin_16s, zorsMin_32f, zorsMin_64f, zorsMinMax_8u,
                  zorsMinMax_16s, zorsMinMax_16u, zorsMinMax_32s, zorsMinMax_32u, zorsMinMax_32f, zorsMinMax_64f,
                  zorsMinMaxIndx_8u, zorsMinMaxIndx_16s, zorsMinMaxIndx_16u, zorsMinMaxIndx_32s, zorsMinMaxIndx_32u,
                  zorsMinMaxIndx_32f, zorsMinMaxIndx_64f, zorsMaxEvery_16s_I, zorsMaxEvery_32s_I, zorsMaxEvery_32f_I,
                  zorsMinEvery_16s_I, zorsMinEvery_32s_I, zorsMinEvery_32f_I, zorsSortAscend_8u_I,
                  zorsSortAscend_16s_I, zorsSortAscend_32s_I, zorsSortAscend_32f_I, zorsSortAscend_64f_I,
                  zorsSortDescend_8u_I, zorsSortDescend_16s_I, zorsSortDescend_32s_I, zorsSortDescend_32f_I,
                  zorsSortDescend_64f_I, zorsFindNearestOne_16u, zorsFindNearest_16u);
}

// MaxIndx and MinIndx accept a null index; MaxOrder tests len first;
// FindNearest also rejects a table length below 1. Outputs stay untouched.
TEST(Extrema, SpecialCheckOrders) {
    const Zor32f src[] = {1.0f, 5.0f, 5.0f};
    Zor32f v = -7.0f;
    ASSERT_EQ(zorsMaxIndx_32f(src, 3, &v, nullptr), zorStsNoErr);
    EXPECT_EQ(v, 5.0f);
    ASSERT_EQ(zorsMinIndx_32f(src, 3, &v, nullptr), zorStsNoErr);
    EXPECT_EQ(v, 1.0f);
    v = -7.0f;
    int idx = -7, order = -7;
    Zor16u out = 77;
    const Zor16u table[] = {10, 20}, vals[] = {15};
    const struct { ZorStatus got, want; } cases[] = {
        {zorsMaxIndx_32f(nullptr, 3, &v, &idx), zorStsNullPtrErr},
        {zorsMaxIndx_32f(src, 3, nullptr, &idx), zorStsNullPtrErr},
        {zorsMinIndx_32f(nullptr, 0, &v, nullptr), zorStsNullPtrErr},
        {zorsMinIndx_32f(src, 0, &v, nullptr), zorStsSizeErr},
        {zorsMaxIndx_16s(nullptr, 1, nullptr, nullptr), zorStsNullPtrErr},
        {zorsMaxIndx_64f(nullptr, -1, nullptr, &idx), zorStsNullPtrErr},
        {zorsMaxOrder_16s(nullptr, 0, nullptr), zorStsSizeErr},
        {zorsMaxOrder_32s(nullptr, -3, &order), zorStsSizeErr},
        {zorsMaxOrder_32f(nullptr, 1, &order), zorStsNullPtrErr},
        {zorsMaxOrder_64f(reinterpret_cast<const Zor64f*>(src), 1, nullptr), zorStsNullPtrErr},
        {zorsFindNearest_16u(vals, &out, &idx, 1, table, 0), zorStsSizeErr},
        {zorsFindNearest_16u(vals, &out, &idx, 0, table, 2), zorStsSizeErr},
        {zorsFindNearestOne_16u(15, &out, &idx, table, 0), zorStsSizeErr}};
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << "case " << (&c - cases);
    EXPECT_TRUE(v == -7.0f && idx == -7 && order == -7 && out == 77);
}

// The sequential definition: start at element 0, take an element only when
// it compares strictly greater (smaller).
template <class T>
int ref_index(const T* x, int n, bool max) {
    int k = 0;
    for (int i = 1; i < n; ++i)
        if (max ? x[i] > x[k] : x[i] < x[k]) k = i;
    return k;
}

// Data with many ties; floating vectors also get signed zeros, infinities,
// subnormals and NaN of either sign.
template <class T>
void fill_scan(T* p, int n, zt::Rng& rng, int variant) {
    using L = std::numeric_limits<T>;
    for (int i = 0; i < n; ++i) {
        const std::uint64_t r = rng.bits();
        if constexpr (std::is_floating_point_v<T>) {
            const T pool[] = {T(0), -T(0), T(1.5), T(-2.25), L::infinity(), -L::infinity(), L::quiet_NaN(),
                              L::denorm_min(), -L::quiet_NaN()};
            if (variant == 0) p[i] = static_cast<T>(static_cast<double>(static_cast<std::int64_t>(r % 2001) - 1000) / 8);
            else p[i] = pool[r % (variant == 1 ? 4 : 9)];  // variant 1: zeros and ties only
        } else {
            if (variant == 0) p[i] = rng.any<T>();
            else if (variant == 1) p[i] = static_cast<T>(r % 3);
            else p[i] = r % 2 ? L::max() : L::min();
        }
    }
}

template <class T>
struct Scans {
    ZorStatus (*min_max)(const T*, int, T*, T*);
    ZorStatus (*min_max_indx)(const T*, int, T*, int*, T*, int*);
    ZorStatus (*min)(const T*, int, T*);
    ZorStatus (*max)(const T*, int, T*);
    ZorStatus (*min_indx)(const T*, int, T*, int*);
    ZorStatus (*max_indx)(const T*, int, T*, int*);
    ZorStatus (*every[2])(const T*, T*, int);  // MinEvery, MaxEvery
};

// Every form must report the very element (bits included) and the first
// index that the sequential scan keeps; MinEvery and MaxEvery change an
// element only for a strictly smaller (greater) source element.
template <class T>
void check_scans(const Scans<T>& f) {
    zt::Rng rng(2024);
    SCOPED_TRACE(rng.seed());
    std::vector<int> lengths = zt::test_lengths();
    lengths.push_back(5000);
    zt::for_each_isa([&](zors::Isa) {
        for (int variant = 0; variant < 3; ++variant) {
            for (int len : lengths) {
                zt::Guarded<T> src(len, zref::skew<T>(1 + len % 3));
                const T* x = src.data();
                fill_scan(src.data(), len, rng, variant);
                const int want[2] = {ref_index(x, len, false), ref_index(x, len, true)};
                SCOPED_TRACE(testing::Message() << "len " << len << " variant " << variant);
                T v[2];
                int idx[2];
                auto reset = [&] { std::memset(v, 0x5A, sizeof v); idx[0] = idx[1] = -1; };
                auto expect = [&](bool indexed) {
                    for (int k = 0; k < 2; ++k) {
                        EXPECT_TRUE(zt::same_bits(v[k], x[want[k]])) << (k ? "max" : "min");
                        if (indexed) EXPECT_EQ(idx[k], want[k]) << (k ? "max" : "min");
                    }
                    reset();
                };
                reset();
                ASSERT_EQ(f.min_max(x, len, &v[0], &v[1]), zorStsNoErr);
                expect(false);
                ASSERT_EQ(f.min_max_indx(x, len, &v[0], &idx[0], &v[1], &idx[1]), zorStsNoErr);
                expect(true);
                if (f.max) {
                    ASSERT_EQ(f.min(x, len, &v[0]), zorStsNoErr);
                    ASSERT_EQ(f.max(x, len, &v[1]), zorStsNoErr);
                    expect(false);
                    ASSERT_EQ(f.min_indx(x, len, &v[0], &idx[0]), zorStsNoErr);
                    ASSERT_EQ(f.max_indx(x, len, &v[1], &idx[1]), zorStsNoErr);
                    expect(true);
                }
                for (int k = 0; k < 2 && f.every[0]; ++k) {
                    zt::Guarded<T> d(len, zref::skew<T>(3));
                    fill_scan(d.data(), len, rng, variant);
                    const std::vector<T> d0(d.data(), d.data() + len);
                    ASSERT_EQ(f.every[k](x, d.data(), len), zorStsNoErr);
                    for (int i = 0; i < len; ++i) {
                        const bool take = k ? x[i] > d0[i] : x[i] < d0[i];
                        EXPECT_TRUE(zt::same_bits(d[i], take ? x[i] : d0[i])) << (k ? "max" : "min") << " at " << i;
                    }
                    EXPECT_TRUE(d.guards_intact());
                }
            }
        }
    });
}

TEST(Extrema, MatchSequentialScanAndEveryElement) {
    check_scans<Zor8u>({zorsMinMax_8u, zorsMinMaxIndx_8u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor16u>({zorsMinMax_16u, zorsMinMaxIndx_16u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor32s>({zorsMinMax_32s, zorsMinMaxIndx_32s, nullptr, nullptr, nullptr, nullptr,
                         {zorsMinEvery_32s_I, zorsMaxEvery_32s_I}});
    check_scans<Zor32u>({zorsMinMax_32u, zorsMinMaxIndx_32u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor16s>({zorsMinMax_16s, zorsMinMaxIndx_16s, zorsMin_16s, zorsMax_16s, zorsMinIndx_16s, zorsMaxIndx_16s,
                         {zorsMinEvery_16s_I, zorsMaxEvery_16s_I}});
    check_scans<Zor32f>({zorsMinMax_32f, zorsMinMaxIndx_32f, zorsMin_32f, zorsMax_32f, zorsMinIndx_32f, zorsMaxIndx_32f,
                         {zorsMinEvery_32f_I, zorsMaxEvery_32f_I}});
    check_scans<Zor64f>({zorsMinMax_64f, zorsMinMaxIndx_64f, zorsMin_64f, zorsMax_64f, zorsMinIndx_64f, zorsMaxIndx_64f});
    // The first of equal extremes.
    const Zor16s a[] = {1, 5, 5};
    Zor16s v = 0;
    int i = -1;
    ASSERT_EQ(zorsMaxIndx_16s(a, 3, &v, &i), zorStsNoErr);
    EXPECT_TRUE(v == 5 && i == 1);
}

// Integers: the bit length of the largest magnitude (16 for -32768 in 16s).
// Floats: the exponent of the largest finite magnitude (from frexp for
// normal numbers; subnormals and zero have the exponent field 0), with a
// warning after writing when any element is infinite or NaN.
template <class T>
void check_order(ZorStatus (*f)(const T*, int, int*)) {
    using L = std::numeric_limits<T>;
    zt::Rng rng(37);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            for (int variant = 0; variant < (L::is_integer ? 12 : 4); ++variant) {
                std::vector<T> x(len);
                for (T& v : x) {
                    if constexpr (L::is_integer) v = static_cast<T>(variant == 11 ? 0 : rng.any<T>() >> (variant * 3 % L::digits));
                    else v = variant % 4 == 1 ? L::denorm_min() * static_cast<T>(rng.bits() % 5)
                                              : std::ldexp(static_cast<T>(1 + (rng.bits() % 1000) / 1000.0),
                                                           static_cast<int>(rng.bits() % 80) - 40) * (rng.bits() % 2 ? 1 : -1);
                }
                const bool warn = !L::is_integer && variant % 4 >= 2;
                if (warn) x[rng.bits() % len] = variant % 4 == 2 ? L::infinity() : -L::quiet_NaN();
                if (L::is_integer && variant == 0) x[len / 2] = L::min();
                long double m = 0;
                for (T v : x) m = std::fabs(static_cast<long double>(v)) > m && std::isfinite(v) ? std::fabs(static_cast<long double>(v)) : m;
                int want = 0;
                if (L::is_integer) while (std::ldexp(1.0L, want) <= m) ++want;
                else if (m >= L::min()) std::frexp(m, &want);
                else want = L::min_exponent - 1;
                int got = 12345;
                EXPECT_EQ(f(x.data(), len, &got), warn ? zorStsNanArg : zorStsNoErr) << len;
                EXPECT_EQ(got, want) << "len " << len << " variant " << variant;
            }
        }
    });
}

TEST(MaxOrder, BitLengthOrExponent) {
    check_order(zorsMaxOrder_16s);
    check_order(zorsMaxOrder_32s);
    check_order(zorsMaxOrder_32f);
    check_order(zorsMaxOrder_64f);
}

// The order the sort must produce: NaN with the sign bit set first, then by
// value with -0 before +0, then NaN with the sign bit clear; descending is
// the reverse.
template <class T>
bool before(T a, T b) {
    if constexpr (std::is_floating_point_v<T>) {
        auto rank = [](T v) { return v != v ? (std::signbit(v) ? 0 : 2) : 1; };
        if (rank(a) != rank(b)) return rank(a) < rank(b);
        if (a == b) return std::signbit(a) && !std::signbit(b);
    }
    return a < b;
}

template <class T>
void check_sort(ZorStatus (*asc)(T*, int), ZorStatus (*desc)(T*, int)) {
    zt::Rng rng(77);
    SCOPED_TRACE(rng.seed());
    std::vector<int> lengths = zt::test_lengths();
    for (int n : {255, 256, 257, 20000}) lengths.push_back(n);  // around the radix sort's threshold
    for (int variant = 0; variant < 4; ++variant) {
        for (int len : lengths) {
            zt::Guarded<T> buf(len, zref::skew<T>(1));
            fill_scan(buf.data(), len, rng, variant % 3);
            if (variant == 3) std::fill(buf.data(), buf.data() + len, buf[0]);  // one key only
            const std::vector<T> in(buf.data(), buf.data() + len);
            std::vector<T> want = in;
            std::stable_sort(want.begin(), want.end(), before<T>);
            for (bool ascending : {true, false}) {
                std::copy(in.begin(), in.end(), buf.data());
                ASSERT_EQ((ascending ? asc : desc)(buf.data(), len), zorStsNoErr);
                EXPECT_TRUE(buf.guards_intact());
                for (int i = 0; i < len; ++i)
                    ASSERT_TRUE(zt::same_bits(buf[ascending ? i : len - 1 - i], want[i]))
                        << "len " << len << " variant " << variant << " at " << i << (ascending ? " asc" : " desc");
            }
        }
    }
}

TEST(Sort, MatchesReferenceOrder) {
    check_sort(zorsSortAscend_8u_I, zorsSortDescend_8u_I);
    check_sort(zorsSortAscend_16s_I, zorsSortDescend_16s_I);
    check_sort(zorsSortAscend_32s_I, zorsSortDescend_32s_I);
    check_sort(zorsSortAscend_32f_I, zorsSortDescend_32f_I);
    check_sort(zorsSortAscend_64f_I, zorsSortDescend_64f_I);
}

// Brute force over a table of distinct ascending entries: the nearest, the
// lower index on a tie; the documented table {10, 20} first.
TEST(FindNearest, MatchesBruteForce) {
    zt::Rng rng(99);
    SCOPED_TRACE(rng.seed());
    for (int tbl_len : {0, 1, 2, 3, 5, 16, 17, 100}) {
        std::vector<Zor16u> table;
        if (tbl_len == 0) table = {10, 20};
        while (static_cast<int>(table.size()) < tbl_len) {
            const Zor16u v = static_cast<Zor16u>(rng.bits() % (tbl_len < 5 ? 100 : 65536));
            if (std::find(table.begin(), table.end(), v) == table.end()) table.push_back(v);
        }
        std::sort(table.begin(), table.end());
        const int tn = static_cast<int>(table.size());
        std::vector<Zor16u> vals = {0, 65535, 32768};
        for (int i = 0; i < tn; ++i) {
            for (int d = -2; d <= 2; ++d) vals.push_back(static_cast<Zor16u>(table[i] + d));
            if (i + 1 < tn) vals.push_back(static_cast<Zor16u>((table[i] + table[i + 1]) / 2));
        }
        const int n = static_cast<int>(vals.size());
        zt::Guarded<Zor16u> out(n, zref::skew<Zor16u>(1));
        zt::Guarded<int> idx(n, zref::skew<int>(3));
        ASSERT_EQ(zorsFindNearest_16u(vals.data(), out.data(), idx.data(), n, table.data(), tn), zorStsNoErr);
        EXPECT_TRUE(out.guards_intact() && idx.guards_intact());
        for (int k = 0; k < n; ++k) {
            int want = 0;
            for (int i = 1; i < tn; ++i)
                if (std::abs(vals[k] - table[i]) < std::abs(vals[k] - table[want])) want = i;
            Zor16u one = 0;
            int one_idx = -1;
            ASSERT_EQ(zorsFindNearestOne_16u(vals[k], &one, &one_idx, table.data(), tn), zorStsNoErr);
            EXPECT_TRUE(idx[k] == want && out[k] == table[want] && one_idx == want && one == table[want])
                << "value " << vals[k] << " table " << tn << " want " << want;
        }
    }
}

}  // namespace
