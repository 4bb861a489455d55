// Extrema, MaxOrder, sorting and nearest-entry search against sequential
// reference scans, at every dispatch level.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/common.h"
#include "tests/ref/stats_ref.h"
#include "tests/arg_checks.h"
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
// FindNearest also rejects a table length below 1.
TEST(Extrema, SpecialCheckOrders) {
    const Zor32f src[] = {1.0f, 5.0f, 5.0f};
    Zor32f v = -7.0f;
    int idx = -7;
    EXPECT_EQ(zorsMaxIndx_32f(src, 3, &v, nullptr), zorStsNoErr);
    EXPECT_EQ(v, 5.0f);
    v = -7.0f;
    EXPECT_EQ(zorsMinIndx_32f(src, 3, &v, nullptr), zorStsNoErr);
    EXPECT_EQ(v, 1.0f);
    v = -7.0f;
    EXPECT_EQ(zorsMaxIndx_32f(nullptr, 3, &v, &idx), zorStsNullPtrErr);
    EXPECT_EQ(zorsMaxIndx_32f(src, 3, nullptr, &idx), zorStsNullPtrErr);
    EXPECT_EQ(zorsMinIndx_32f(nullptr, 0, &v, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsMinIndx_32f(src, 0, &v, nullptr), zorStsSizeErr);
    EXPECT_EQ(zorsMaxIndx_16s(nullptr, 1, nullptr, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsMaxIndx_64f(nullptr, -1, nullptr, &idx), zorStsNullPtrErr);
    EXPECT_EQ(v, -7.0f);
    EXPECT_EQ(idx, -7);

    int order = -7;
    EXPECT_EQ(zorsMaxOrder_16s(nullptr, 0, nullptr), zorStsSizeErr);
    EXPECT_EQ(zorsMaxOrder_32s(nullptr, -3, &order), zorStsSizeErr);
    EXPECT_EQ(zorsMaxOrder_32f(nullptr, 1, &order), zorStsNullPtrErr);
    EXPECT_EQ(zorsMaxOrder_64f(reinterpret_cast<const Zor64f*>(src), 1, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(order, -7);

    const Zor16u table[] = {10, 20}, vals[] = {15};
    Zor16u out = 77;
    EXPECT_EQ(zorsFindNearest_16u(vals, &out, &idx, 1, table, 0), zorStsSizeErr);
    EXPECT_EQ(zorsFindNearest_16u(vals, &out, &idx, 0, table, 2), zorStsSizeErr);
    EXPECT_EQ(zorsFindNearestOne_16u(15, &out, &idx, table, 0), zorStsSizeErr);
    EXPECT_EQ(out, 77);
    EXPECT_EQ(idx, -7);
}

// ---------------------------------------------------------- reference scans

// The sequential definition: start at element 0, take an element only when
// it compares strictly greater (smaller).
template <class T>
int ref_index(const std::vector<T>& x, bool max) {
    int k = 0;
    for (int i = 1; i < static_cast<int>(x.size()); ++i)
        if (max ? x[i] > x[k] : x[i] < x[k]) k = i;
    return k;
}

// Data with many ties; floating vectors also get signed zeros, infinities
// and NaN in some positions.
template <class T>
void fill_scan(T* p, int n, zt::Rng& rng, int variant) {
    for (int i = 0; i < n; ++i) {
        const std::uint64_t r = rng.bits();
        if constexpr (std::is_floating_point_v<T>) {
            const T pool[] = {T(0), -T(0), T(1.5), T(-2.25), std::numeric_limits<T>::infinity(),
                              -std::numeric_limits<T>::infinity(), std::numeric_limits<T>::quiet_NaN(),
                              std::numeric_limits<T>::denorm_min()};
            if (variant == 0) p[i] = static_cast<T>(static_cast<double>(static_cast<std::int64_t>(r % 2001) - 1000) / 8);
            else if (variant == 1) p[i] = pool[r % 4];  // zeros and ties only
            else p[i] = pool[r % 8];
        } else {
            if (variant == 0) p[i] = rng.any<T>();
            else if (variant == 1) p[i] = static_cast<T>(r % 3);
            else p[i] = r % 2 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
        }
    }
}

template <class T>
struct Scans {
    ZorStatus (*min_max)(const T*, int, T*, T*);
    ZorStatus (*min_max_indx)(const T*, int, T*, int*, T*, int*);
    ZorStatus (*max)(const T*, int, T*);
    ZorStatus (*min)(const T*, int, T*);
    ZorStatus (*max_indx)(const T*, int, T*, int*);
    ZorStatus (*min_indx)(const T*, int, T*, int*);
};

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
                fill_scan(src.data(), len, rng, variant);
                const std::vector<T> x(src.data(), src.data() + len);
                const int imax = ref_index(x, true), imin = ref_index(x, false);
                SCOPED_TRACE(testing::Message() << "len " << len << " variant " << variant);
                T mn{}, mx{};
                int in = -1, ix = -1;
                ASSERT_EQ(f.min_max(src.data(), len, &mn, &mx), zorStsNoErr);
                EXPECT_TRUE(zt::same_bits(mn, x[imin]));
                EXPECT_TRUE(zt::same_bits(mx, x[imax]));
                ASSERT_EQ(f.min_max_indx(src.data(), len, &mn, &in, &mx, &ix), zorStsNoErr);
                EXPECT_EQ(in, imin);
                EXPECT_EQ(ix, imax);
                EXPECT_TRUE(zt::same_bits(mn, x[imin]));
                EXPECT_TRUE(zt::same_bits(mx, x[imax]));
                if (f.max) {
                    ASSERT_EQ(f.max(src.data(), len, &mx), zorStsNoErr);
                    ASSERT_EQ(f.min(src.data(), len, &mn), zorStsNoErr);
                    EXPECT_TRUE(zt::same_bits(mn, x[imin]));
                    EXPECT_TRUE(zt::same_bits(mx, x[imax]));
                    ASSERT_EQ(f.max_indx(src.data(), len, &mx, &ix), zorStsNoErr);
                    ASSERT_EQ(f.min_indx(src.data(), len, &mn, &in), zorStsNoErr);
                    EXPECT_EQ(in, imin);
                    EXPECT_EQ(ix, imax);
                    EXPECT_TRUE(zt::same_bits(mn, x[imin]));
                    EXPECT_TRUE(zt::same_bits(mx, x[imax]));
                }
                EXPECT_TRUE(src.guards_intact());
            }
        }
    });
}

TEST(Extrema, MatchSequentialScan) {
    check_scans<Zor8u>({zorsMinMax_8u, zorsMinMaxIndx_8u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor16u>({zorsMinMax_16u, zorsMinMaxIndx_16u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor32s>({zorsMinMax_32s, zorsMinMaxIndx_32s, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor32u>({zorsMinMax_32u, zorsMinMaxIndx_32u, nullptr, nullptr, nullptr, nullptr});
    check_scans<Zor16s>({zorsMinMax_16s, zorsMinMaxIndx_16s, zorsMax_16s, zorsMin_16s, zorsMaxIndx_16s, zorsMinIndx_16s});
    check_scans<Zor32f>({zorsMinMax_32f, zorsMinMaxIndx_32f, zorsMax_32f, zorsMin_32f, zorsMaxIndx_32f, zorsMinIndx_32f});
    check_scans<Zor64f>({zorsMinMax_64f, zorsMinMaxIndx_64f, zorsMax_64f, zorsMin_64f, zorsMaxIndx_64f, zorsMinIndx_64f});
}

TEST(Extrema, DocumentedCases) {
    const Zor16s a[] = {1, 5, 5};
    Zor16s v = 0;
    int i = -1;
    ASSERT_EQ(zorsMaxIndx_16s(a, 3, &v, &i), zorStsNoErr);
    EXPECT_EQ(v, 5);
    EXPECT_EQ(i, 1);
    const Zor32f c[] = {2.0f, 2.0f, 2.0f, 2.0f};
    Zor32f lo = 0, hi = 0;
    int ilo = -1, ihi = -1;
    ASSERT_EQ(zorsMinMaxIndx_32f(c, 4, &lo, &ilo, &hi, &ihi), zorStsNoErr);
    EXPECT_EQ(ilo, 0);
    EXPECT_EQ(ihi, 0);
}

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
                        // The destination changes only for a strictly greater
                        // (smaller) source element.
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

// ----------------------------------------------------------------- MaxOrder

// The smallest e with m < 2^e, counted in long double.
int ref_order(long double m) {
    int e = 0;
    while (std::ldexp(1.0L, e) <= m) ++e;
    return e;
}

// The exponent of the largest finite magnitude, from frexp for normal
// numbers; subnormals and zero have the exponent field 0.
template <class T>
int ref_float_order(const std::vector<T>& x, bool& nonfinite) {
    T m = 0;
    nonfinite = false;
    for (T v : x) {
        if (!std::isfinite(v)) { nonfinite = true; continue; }
        m = std::fabs(v) > m ? std::fabs(v) : m;
    }
    if (m < std::numeric_limits<T>::min()) return std::numeric_limits<T>::min_exponent - 1;
    int e = 0;
    std::frexp(m, &e);
    return e;
}

TEST(MaxOrder, IntegerBitLength) {
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
                long double ma = 0, mb = 0;
                for (int i = 0; i < len; ++i) {
                    ma = std::max(ma, std::fabs(static_cast<long double>(a[i])));
                    mb = std::max(mb, std::fabs(static_cast<long double>(b[i])));
                }
                int oa = -1, ob = -1;
                ASSERT_EQ(zorsMaxOrder_16s(a.data(), len, &oa), zorStsNoErr);
                ASSERT_EQ(zorsMaxOrder_32s(b.data(), len, &ob), zorStsNoErr);
                EXPECT_EQ(oa, ref_order(ma)) << len;
                EXPECT_EQ(ob, ref_order(mb)) << len;
            }
        }
    });
    const Zor16s zeros[] = {0, 0}, one[] = {1}, minv[] = {-32768}, mixed[] = {3, -4};
    int o = -1;
    zorsMaxOrder_16s(zeros, 2, &o);
    EXPECT_EQ(o, 0);
    zorsMaxOrder_16s(one, 1, &o);
    EXPECT_EQ(o, 1);
    zorsMaxOrder_16s(minv, 1, &o);
    EXPECT_EQ(o, 16);
    zorsMaxOrder_16s(mixed, 2, &o);
    EXPECT_EQ(o, 3);
}

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
                bool nonfinite = false;
                const int want = ref_float_order(x, nonfinite);
                int got = 12345;
                EXPECT_EQ(f(x.data(), len, &got), nonfinite ? zorStsNanArg : zorStsNoErr) << len;
                EXPECT_EQ(got, want) << "len " << len << " variant " << variant;
            }
        }
    });
}

TEST(MaxOrder, FloatExponentAndWarning) {
    check_float_order(zorsMaxOrder_32f);
    check_float_order(zorsMaxOrder_64f);
    const Zor32f v[] = {0.75f, -3.0f, 1.0f};  // 3 < 2^2
    int o = 0;
    ASSERT_EQ(zorsMaxOrder_32f(v, 3, &o), zorStsNoErr);
    EXPECT_EQ(o, 2);
}

// ------------------------------------------------------------------ sorting

// The order the sort must produce: by value, -0 before +0.
template <class T>
bool before(T a, T b) {
    if (a < b) return true;
    if constexpr (std::is_floating_point_v<T>) {
        if (a == b) return std::signbit(a) && !std::signbit(b);
    }
    return false;
}

template <class T>
void check_sort(ZorStatus (*asc)(T*, int), ZorStatus (*desc)(T*, int)) {
    zt::Rng rng(77);
    SCOPED_TRACE(rng.seed());
    std::vector<int> lengths = zt::test_lengths();
    for (int n : {255, 256, 257, 20000}) lengths.push_back(n);
    for (int variant = 0; variant < 4; ++variant) {
        for (int len : lengths) {
            zt::Guarded<T> buf(len, zref::skew<T>(1));
            fill_scan(buf.data(), len, rng, variant % 3);
            if (variant == 3) std::fill(buf.data(), buf.data() + len, buf[0]);  // one key only
            std::vector<T> in(buf.data(), buf.data() + len);
            // NaN placement is free: compare the rest, and keep every NaN.
            std::vector<T> finite;
            int nans = 0;
            for (T v : in) {
                if (v != v) ++nans;
                else finite.push_back(v);
            }
            std::stable_sort(finite.begin(), finite.end(), before<T>);
            for (bool ascending : {true, false}) {
                std::copy(in.begin(), in.end(), buf.data());
                ASSERT_EQ((ascending ? asc : desc)(buf.data(), len), zorStsNoErr);
                EXPECT_TRUE(buf.guards_intact());
                std::vector<T> got_finite;
                int got_nans = 0;
                for (int i = 0; i < len; ++i) {
                    if (buf[i] != buf[i]) ++got_nans;
                    else got_finite.push_back(buf[i]);
                }
                ASSERT_EQ(got_nans, nans);
                if (!ascending) std::reverse(got_finite.begin(), got_finite.end());
                ASSERT_EQ(got_finite.size(), finite.size());
                for (std::size_t i = 0; i < finite.size(); ++i)
                    ASSERT_TRUE(zt::same_bits(got_finite[i], finite[i]))
                        << "len " << len << " variant " << variant << " at " << i << (ascending ? " asc" : " desc");
                // NaNs gather at the ends, never between numbers.
                int i = 0;
                while (i < len && buf[i] != buf[i]) ++i;
                int j = len - 1;
                while (j >= 0 && buf[j] != buf[j]) --j;
                for (int k = i; k <= j; ++k) ASSERT_TRUE(buf[k] == buf[k]) << "NaN inside at " << k;
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

// ------------------------------------------------------------ FindNearest

// Brute force over a table of distinct ascending entries: the nearest,
// the lower index on a tie.
int ref_nearest(Zor16u v, const std::vector<Zor16u>& t) {
    int best = 0;
    for (int i = 1; i < static_cast<int>(t.size()); ++i)
        if (std::abs(int(v) - int(t[i])) < std::abs(int(v) - int(t[best]))) best = i;
    return best;
}

TEST(FindNearest, MatchesBruteForce) {
    zt::Rng rng(99);
    SCOPED_TRACE(rng.seed());
    for (int tbl_len : {1, 2, 3, 5, 16, 17, 100}) {
        std::vector<Zor16u> table;
        while (static_cast<int>(table.size()) < tbl_len) {
            const Zor16u v = static_cast<Zor16u>(rng.bits() % (tbl_len < 5 ? 100 : 65536));
            if (std::find(table.begin(), table.end(), v) == table.end()) table.push_back(v);
        }
        std::sort(table.begin(), table.end());
        std::vector<Zor16u> vals;
        for (Zor16u t : table)
            for (int d = -2; d <= 2; ++d) vals.push_back(static_cast<Zor16u>(t + d));
        for (std::size_t i = 0; i + 1 < table.size(); ++i) vals.push_back(static_cast<Zor16u>((table[i] + table[i + 1]) / 2));
        for (Zor16u v : {Zor16u{0}, Zor16u{65535}, Zor16u{32768}}) vals.push_back(v);
        const int n = static_cast<int>(vals.size());
        zt::Guarded<Zor16u> out(n, zref::skew<Zor16u>(1));
        zt::Guarded<int> idx(n, zref::skew<int>(3));
        ASSERT_EQ(zorsFindNearest_16u(vals.data(), out.data(), idx.data(), n, table.data(), tbl_len), zorStsNoErr);
        EXPECT_TRUE(out.guards_intact());
        EXPECT_TRUE(idx.guards_intact());
        for (int k = 0; k < n; ++k) {
            const int want = ref_nearest(vals[k], table);
            EXPECT_EQ(idx[k], want) << "value " << vals[k] << " table " << tbl_len;
            EXPECT_EQ(out[k], table[want]);
            Zor16u one = 0;
            int one_idx = -1;
            ASSERT_EQ(zorsFindNearestOne_16u(vals[k], &one, &one_idx, table.data(), tbl_len), zorStsNoErr);
            EXPECT_EQ(one_idx, want);
            EXPECT_EQ(one, table[want]);
        }
    }
}

TEST(FindNearest, DocumentedCases) {
    const Zor16u table[] = {10, 20};
    struct Case { Zor16u in; Zor16u val; int index; };
    for (const Case& c : {Case{15, 10, 0}, Case{16, 20, 1}, Case{5, 10, 0}, Case{25, 20, 1}, Case{10, 10, 0},
                          Case{20, 20, 1}}) {
        Zor16u v = 0;
        int i = -1;
        ASSERT_EQ(zorsFindNearestOne_16u(c.in, &v, &i, table, 2), zorStsNoErr);
        EXPECT_EQ(v, c.val) << c.in;
        EXPECT_EQ(i, c.index) << c.in;
    }
}

}  // namespace
