// Extrema, MaxOrder, sorting and nearest-entry search against sequential
// reference scans, at every dispatch level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/arg_checks.h"
#include "tests/common.h"
#include "tests/ref/stats_ref.h"
#include "zors.h"

namespace {

TEST(Extrema, ArgumentChecks) {
    ZT_CHECKS(zorsMax_16s, 1); ZT_CHECKS(zorsMax_32f, 1); ZT_CHECKS(zorsMax_64f, 1);
    ZT_CHECKS(zorsMin_16s, 1); ZT_CHECKS(zorsMin_32f, 1); ZT_CHECKS(zorsMin_64f, 1);
    ZT_CHECKS(zorsMinMax_8u, 1); ZT_CHECKS(zorsMinMax_16s, 1); ZT_CHECKS(zorsMinMax_16u, 1);
    ZT_CHECKS(zorsMinMax_32s, 1); ZT_CHECKS(zorsMinMax_32u, 1); ZT_CHECKS(zorsMinMax_32f, 1);
    ZT_CHECKS(zorsMinMax_64f, 1);
    ZT_CHECKS(zorsMinMaxIndx_8u, 1); ZT_CHECKS(zorsMinMaxIndx_16s, 1); ZT_CHECKS(zorsMinMaxIndx_16u, 1);
    ZT_CHECKS(zorsMinMaxIndx_32s, 1); ZT_CHECKS(zorsMinMaxIndx_32u, 1); ZT_CHECKS(zorsMinMaxIndx_32f, 1);
    ZT_CHECKS(zorsMinMaxIndx_64f, 1);
    ZT_CHECKS(zorsMaxEvery_16s_I, 1); ZT_CHECKS(zorsMaxEvery_32s_I, 1); ZT_CHECKS(zorsMaxEvery_32f_I, 1);
    ZT_CHECKS(zorsMinEvery_16s_I, 1); ZT_CHECKS(zorsMinEvery_32s_I, 1); ZT_CHECKS(zorsMinEvery_32f_I, 1);
    ZT_CHECKS(zorsSortAscend_8u_I, 1); ZT_CHECKS(zorsSortAscend_16s_I, 1); ZT_CHECKS(zorsSortAscend_32s_I, 1);
    ZT_CHECKS(zorsSortAscend_32f_I, 1); ZT_CHECKS(zorsSortAscend_64f_I, 1);
    ZT_CHECKS(zorsSortDescend_8u_I, 1); ZT_CHECKS(zorsSortDescend_16s_I, 1); ZT_CHECKS(zorsSortDescend_32s_I, 1);
    ZT_CHECKS(zorsSortDescend_32f_I, 1); ZT_CHECKS(zorsSortDescend_64f_I, 1);
    ZT_CHECKS(zorsFindNearestOne_16u, 1);
    ZT_CHECKS(zorsFindNearest_16u, 1);
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
};

// Every form must report the very element (bits included) and the first
// index that the sequential scan keeps.
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
                if (!f.max) continue;
                ASSERT_EQ(f.min(x, len, &v[0]), zorStsNoErr);
                ASSERT_EQ(f.max(x, len, &v[1]), zorStsNoErr);
                expect(false);
                ASSERT_EQ(f.min_indx(x, len, &v[0], &idx[0]), zorStsNoErr);
                ASSERT_EQ(f.max_indx(x, len, &v[1], &idx[1]), zorStsNoErr);
                expect(true);
            }
        }
    });
}

TEST(Extrema, MatchSequentialScan) {
    check_scans<Zor8u>({zorsMinMax_8u, zorsMinMaxIndx_8u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor16u>({zorsMinMax_16u, zorsMinMaxIndx_16u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor32s>({zorsMinMax_32s, zorsMinMaxIndx_32s, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor32u>({zorsMinMax_32u, zorsMinMaxIndx_32u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor16s>({zorsMinMax_16s, zorsMinMaxIndx_16s, zorsMin_16s, zorsMax_16s, zorsMinIndx_16s, zorsMaxIndx_16s});
    check_scans<Zor32f>({zorsMinMax_32f, zorsMinMaxIndx_32f, zorsMin_32f, zorsMax_32f, zorsMinIndx_32f, zorsMaxIndx_32f});
    check_scans<Zor64f>({zorsMinMax_64f, zorsMinMaxIndx_64f, zorsMin_64f, zorsMax_64f, zorsMinIndx_64f, zorsMaxIndx_64f});
    // The first of equal extremes.
    const Zor16s a[] = {1, 5, 5};
    Zor16s v = 0;
    int i = -1;
    ASSERT_EQ(zorsMaxIndx_16s(a, 3, &v, &i), zorStsNoErr);
    EXPECT_TRUE(v == 5 && i == 1);
}

// The destination changes only for a strictly greater (smaller) source element.
template <class T>
void check_every(ZorStatus (*fmax)(const T*, T*, int), ZorStatus (*fmin)(const T*, T*, int)) {
    zt::Rng rng(5);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (int variant = 0; variant < 3; ++variant) {
            for (int len : zt::test_lengths()) {
                zt::Guarded<T> s(len, zref::skew<T>(1)), d(len, zref::skew<T>(3));
                fill_scan(s.data(), len, rng, variant);
                fill_scan(d.data(), len, rng, variant);
                const std::vector<T> d0(d.data(), d.data() + len);
                for (bool is_max : {true, false}) {
                    std::copy(d0.begin(), d0.end(), d.data());
                    ASSERT_EQ((is_max ? fmax : fmin)(s.data(), d.data(), len), zorStsNoErr);
                    for (int i = 0; i < len; ++i) {
                        const bool take = is_max ? s[i] > d0[i] : s[i] < d0[i];
                        EXPECT_TRUE(zt::same_bits(d[i], take ? s[i] : d0[i])) << "len " << len << " at " << i;
                    }
                    EXPECT_TRUE(d.guards_intact());
                }
            }
        }
    });
}

TEST(Extrema, EveryElement) {
    check_every(zorsMaxEvery_16s_I, zorsMinEvery_16s_I);
    check_every(zorsMaxEvery_32s_I, zorsMinEvery_32s_I);
    check_every(zorsMaxEvery_32f_I, zorsMinEvery_32f_I);
}

// Integers: the smallest e with max|x| < 2^e, counted in long double.
TEST(MaxOrder, IntegerBitLength) {
    auto order = [](const auto& x) {
        long double m = 0;
        for (auto v : x) m = std::max(m, std::fabs(static_cast<long double>(v)));
        int e = 0;
        while (std::ldexp(1.0L, e) <= m) ++e;
        return e;
    };
    zt::Rng rng(31);
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            for (int shift = 0; shift < 32; shift += 3) {
                std::vector<Zor16s> a(len);
                std::vector<Zor32s> b(len);
                for (int i = 0; i < len; ++i) {
                    a[i] = static_cast<Zor16s>(rng.any<Zor16s>() >> (shift % 16));
                    b[i] = rng.any<Zor32s>() >> shift;
                }
                if (shift == 0 && len > 3) { a[len / 2] = INT16_MIN; b[len - 1] = INT32_MIN; }
                if (shift == 30) std::fill(a.begin(), a.end(), Zor16s{0});
                int oa = -1, ob = -1;
                ASSERT_EQ(zorsMaxOrder_16s(a.data(), len, &oa), zorStsNoErr);
                ASSERT_EQ(zorsMaxOrder_32s(b.data(), len, &ob), zorStsNoErr);
                EXPECT_EQ(oa, order(a)) << len;
                EXPECT_EQ(ob, order(b)) << len;
            }
        }
    });
}

// Floats: the exponent of the largest finite magnitude (from frexp for normal
// numbers; subnormals and zero have the exponent field 0), with a warning
// after writing when any element is infinite or NaN.
template <class T>
void check_float_order(ZorStatus (*f)(const T*, int, int*)) {
    zt::Rng rng(37);
    SCOPED_TRACE(rng.seed());
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            for (int variant = 0; variant < 4; ++variant) {
                std::vector<T> x(len);
                for (int i = 0; i < len; ++i) {
                    const int e = static_cast<int>(rng.bits() % 80) - 40;
                    x[i] = std::ldexp(static_cast<T>(1 + (rng.bits() % 1000) / 1000.0), e) * (rng.bits() % 2 ? 1 : -1);
                    if (variant == 1) x[i] = std::numeric_limits<T>::denorm_min() * static_cast<T>(rng.bits() % 5);
                }
                if (variant == 2) x[rng.bits() % len] = std::numeric_limits<T>::infinity();
                if (variant == 3) x[rng.bits() % len] = -std::numeric_limits<T>::quiet_NaN();
                T m = 0;
                for (T v : x) m = std::isfinite(v) && std::fabs(v) > m ? std::fabs(v) : m;
                int want = std::numeric_limits<T>::min_exponent - 1;
                if (m >= std::numeric_limits<T>::min()) std::frexp(m, &want);
                int got = 12345;
                EXPECT_EQ(f(x.data(), len, &got), variant >= 2 ? zorStsNanArg : zorStsNoErr) << len;
                EXPECT_EQ(got, want) << "len " << len << " variant " << variant;
            }
        }
    });
}

TEST(MaxOrder, FloatExponentAndWarning) {
    check_float_order(zorsMaxOrder_32f);
    check_float_order(zorsMaxOrder_64f);
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
