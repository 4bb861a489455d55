// DCT against the long-double definition for every length 1..130 and a
// selection up to 2048, every hint (so every algorithm), both directions,
// in place and out of place, the 16-bit forms, sizes and checks.
#include <cstring>
#include <map>

#include "tests/common.h"
#include "transform/fft.h"
#include "zors.h"

namespace {

// The kinds as one table.
template <class T, class F, class I>
struct DctKind {
    using Elem = T;
    using Fwd = F;
    using Inv = I;
    static constexpr bool fixed = std::is_same_v<T, Zor16s>;
};
#define DCT_KIND(Name, T, Sfx, RunArgs, CallArgs)                                                                                        \
    struct Name : DctKind<T, ZorsDCTFwdSpec_##Sfx, ZorsDCTInvSpec_##Sfx> {                                                            \
        static constexpr const char* name = #Sfx;                                                                                    \
        static ZorStatus init(Fwd** p, int n, ZorHintAlgorithm h) { return zorsDCTFwdInitAlloc_##Sfx(p, n, h); }                    \
        static ZorStatus init(Inv** p, int n, ZorHintAlgorithm h) { return zorsDCTInvInitAlloc_##Sfx(p, n, h); }                    \
        static ZorStatus release(Fwd* p) { return zorsDCTFwdFree_##Sfx(p); }                                                        \
        static ZorStatus release(Inv* p) { return zorsDCTInvFree_##Sfx(p); }                                                        \
        static ZorStatus size(const Fwd* p, int* s) { return zorsDCTFwdGetBufSize_##Sfx(p, s); }                                     \
        static ZorStatus size(const Inv* p, int* s) { return zorsDCTInvGetBufSize_##Sfx(p, s); }                                     \
        static ZorStatus run(const T* x, T* y, const Fwd* s, Zor8u* b, [[maybe_unused]] int sf) { return zorsDCTFwd_##RunArgs; }    \
        static ZorStatus run(const T* x, T* y, const Inv* s, Zor8u* b, [[maybe_unused]] int sf) { return zorsDCTInv_##RunArgs; }    \
    };
DCT_KIND(D32f, Zor32f, 32f, 32f(x, y, s, b), )
DCT_KIND(D64f, Zor64f, 64f, 64f(x, y, s, b), )
DCT_KIND(D16s, Zor16s, 16s, 16s_Sfs(x, y, s, sf, b), )
#undef DCT_KIND

template <class F>
void for_each_kind(F&& f) {
    f.template operator()<D32f>(), f.template operator()<D64f>(), f.template operator()<D16s>();
}

// The orthonormal DCT-II (or DCT-III) from its definition, cos(π(2n+1)k/2N)
// from the exact integer (2n+1)k mod 4N.
std::vector<long double> reference(const std::vector<long double>& x, bool inv) {
    const std::size_t n = x.size();
    std::vector<long double> cosv(4 * n), y(n);
    for (std::size_t m = 0; m < 4 * n; ++m) cosv[m] = std::cos(3.141592653589793238462643383279502884L * static_cast<long double>(m) / (2.0L * n));
    const long double c0 = 1 / std::sqrt(static_cast<long double>(n)), ck = std::sqrt(2.0L / n);
    for (std::size_t o = 0; o < n; ++o) {
        long double acc = 0;
        for (std::size_t i = 0; i < n; ++i)
            acc += inv ? (i == 0 ? c0 : ck) * x[i] * cosv[((2 * o + 1) * i) % (4 * n)] : x[i] * cosv[((2 * i + 1) * o) % (4 * n)];
        y[o] = inv ? acc : acc * (o == 0 ? c0 : ck);
    }
    return y;
}

long double rel_rms(const std::vector<long double>& a, const std::vector<long double>& b) {
    long double num = 0, den = 0;
    for (std::size_t i = 0; i < a.size(); ++i) num += (a[i] - b[i]) * (a[i] - b[i]), den += b[i] * b[i];
    return den == 0 ? std::sqrt(num) : std::sqrt(num / den);
}

template <class T> long double eps() { return sizeof(T) == 4 ? 1.19e-7L : 2.22e-16L; }

std::map<std::string, std::pair<long double, int>>& worst() {
    static struct W : std::map<std::string, std::pair<long double, int>> {
        ~W() {
            for (const auto& [k, v] : *this) std::printf("[dct accuracy] %-16s worst %.3Lg x eps(1 + sqrt(log2 N)) at length %d\n", k.c_str(), v.first, v.second);
        }
    } w;
    return w;
}

template <class K>
void check(int n, ZorHintAlgorithm hint) {
    using T = typename K::Elem;
    SCOPED_TRACE(testing::Message() << K::name << " length " << n << " hint " << hint);
    std::mt19937 g(static_cast<unsigned>(n));
    std::vector<long double> x(static_cast<std::size_t>(n));
    for (auto& v : x) v = K::fixed ? static_cast<int>(g() % 2001) - 1000 : static_cast<long double>(static_cast<T>((g() % 100000) / 100000.0 - 0.5));
    typename K::Fwd* f = nullptr;
    typename K::Inv* i = nullptr;
    ASSERT_EQ(K::init(&f, n, hint), zorStsNoErr);
    ASSERT_EQ(K::init(&i, n, hint), zorStsNoErr);
    int fs = -1, is = -1;
    ASSERT_EQ(K::size(f, &fs), zorStsNoErr);
    ASSERT_EQ(K::size(i, &is), zorStsNoErr);
    EXPECT_EQ(fs, is);
    zt::Guarded<Zor8u> buf(fs + 15, 7);
    for (bool inv : {false, true}) {
        const std::vector<long double> want = reference(x, inv);
        for (int sf : K::fixed ? std::vector<int>{-1, 0, 2} : std::vector<int>{0}) {
            zt::Guarded<T> a(n, sizeof(T)), b(n, 3 * sizeof(T)), c(n, 2 * sizeof(T));  // misaligned by whole elements
            for (int j = 0; j < n; ++j) a[j] = c[j] = static_cast<T>(x[static_cast<std::size_t>(j)]);
            ASSERT_EQ(inv ? K::run(a.data(), b.data(), i, nullptr, sf) : K::run(a.data(), b.data(), f, nullptr, sf), zorStsNoErr);
            EXPECT_TRUE(b.guards_intact());
            ASSERT_EQ(inv ? K::run(c.data(), c.data(), i, buf.data(), sf) : K::run(c.data(), c.data(), f, buf.data(), sf), zorStsNoErr);
            for (int j = 0; j < n; ++j) ASSERT_EQ(c[j], b[j]) << "in place " << j;
            EXPECT_TRUE(buf.guards_intact());
            std::vector<long double> got(static_cast<std::size_t>(n));
            for (int j = 0; j < n; ++j) got[static_cast<std::size_t>(j)] = b[j];
            if constexpr (K::fixed) {
                const long double s = std::ldexp(1.0L, -sf);
                for (int j = 0; j < n; ++j) {
                    const long double e = std::clamp(want[static_cast<std::size_t>(j)] * s, -32768.0L, 32767.0L);
                    ASSERT_LE(std::fabs(got[static_cast<std::size_t>(j)] - e), 0.5L + 1e-3L * s * (1 + n / 64.0L)) << j << " sf " << sf;
                }
            } else {
                const long double b = eps<T>() * (1 + std::sqrt(std::log2(static_cast<long double>(n))));
                const long double e = rel_rms(got, want) / b;
                auto& w = worst()[std::string(K::name) + (inv ? " inverse" : " forward")];
                if (e >= w.first) w = {e, n};
                EXPECT_LE(e, 4.0L) << "inverse " << inv;
            }
        }
    }
    EXPECT_EQ(K::release(f), zorStsNoErr);
    EXPECT_EQ(K::release(i), zorStsNoErr);
}

TEST(Dct, EveryLengthTo130AndLongEveryHint) {
    for_each_kind([]<class K>() {
        for (ZorHintAlgorithm h : {zorAlgHintNone, zorAlgHintFast, zorAlgHintAccurate}) {
            for (int n = 1; n <= 130; ++n) check<K>(n, h);
            for (int n : {256, 500, 512, 513, 1000, 1024, 1100}) check<K>(n, h);
        }
    });
}

// Made for integer results (as the 16-bit forms make theirs), the
// FFT-based paths (Bluestein lengths, the power of two with the accurate
// hint) and their packed steps give the same bytes at every dispatch level.
TEST(Dct, SameBytesAtEveryLevel) {
    auto run = []<class K>() {
        using T = typename K::Elem;
        // the Bluestein and FFT paths, then the breadth-first recursion with
        // its leaves all scalar, split between vector and scalar, all vector
        const std::pair<int, ZorHintAlgorithm> cases[] = {{101, zorAlgHintAccurate}, {500, zorAlgHintAccurate}, {1000, zorAlgHintAccurate},
                                                          {1100, zorAlgHintAccurate}, {1024, zorAlgHintAccurate}, {16, zorAlgHintNone},
                                                          {32, zorAlgHintNone}, {128, zorAlgHintNone}, {2048, zorAlgHintFast}};
        for (const auto& c : cases) {
            const int n = c.first;
            const ZorHintAlgorithm hint = c.second;
            SCOPED_TRACE(testing::Message() << K::name << " length " << n << " hint " << hint);
            std::mt19937 g(static_cast<unsigned>(n));
            std::vector<T> x(static_cast<std::size_t>(n));
            for (auto& v : x) v = static_cast<T>((g() % 100000) / 100000.0 - 0.5);
            typename K::Fwd* f = nullptr;
            typename K::Inv* i = nullptr;
            {
                const zors::ExactFftScope exact;
                ASSERT_EQ(K::init(&f, n, hint), zorStsNoErr);
                ASSERT_EQ(K::init(&i, n, hint), zorStsNoErr);
            }
            for (bool inv : {false, true}) {
                std::vector<std::vector<T>> outs;
                zt::for_each_isa([&](zors::Isa) {
                    std::vector<T> y(static_cast<std::size_t>(n), T(7));
                    ASSERT_EQ(inv ? K::run(x.data(), y.data(), i, nullptr, 0) : K::run(x.data(), y.data(), f, nullptr, 0), zorStsNoErr);
                    outs.push_back(y);
                });
                for (std::size_t l = 1; l < outs.size(); ++l)
                    EXPECT_EQ(std::memcmp(outs[l].data(), outs[0].data(), outs[0].size() * sizeof(T)), 0) << "level " << l << " inverse " << inv;
            }
            EXPECT_EQ(K::release(f), zorStsNoErr);
            EXPECT_EQ(K::release(i), zorStsNoErr);
        }
    };
    run.template operator()<D32f>();
    run.template operator()<D64f>();
}

TEST(Dct, EdgeCases) {
    ZorsDCTFwdSpec_64f* s = nullptr;
    double y[2];
    const double two[2] = {3.0, 1.0};
    ASSERT_EQ(zorsDCTFwdInitAlloc_64f(&s, 2, zorAlgHintNone), zorStsNoErr);
    ASSERT_EQ(zorsDCTFwd_64f(two, y, s, nullptr), zorStsNoErr);
    EXPECT_NEAR(y[0], 4 / std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(y[1], 2 / std::sqrt(2.0), 1e-15);
    zorsDCTFwdFree_64f(s);
    // A constant gives c·√N at 0 and nothing else, on every path.
    for (int n : {8, 64, 100, 101, 1024}) {
        for (ZorHintAlgorithm h : {zorAlgHintNone, zorAlgHintAccurate}) {
            ZorsDCTFwdSpec_32f* f = nullptr;
            ASSERT_EQ(zorsDCTFwdInitAlloc_32f(&f, n, h), zorStsNoErr);
            std::vector<float> x(static_cast<std::size_t>(n), 0.25f), out(static_cast<std::size_t>(n));
            ASSERT_EQ(zorsDCTFwd_32f(x.data(), out.data(), f, nullptr), zorStsNoErr);
            EXPECT_NEAR(out[0], 0.25 * std::sqrt(n), 2e-6 * std::sqrt(n)) << n;
            for (int k = 1; k < n; ++k) EXPECT_NEAR(out[static_cast<std::size_t>(k)], 0, 2e-6) << n << " at " << k;
            zorsDCTFwdFree_32f(f);
        }
    }
    // Length 512 with hint 2 keeps the recursive algorithm: the same bits as hint 0.
    ZorsDCTFwdSpec_32f *a = nullptr, *b = nullptr;
    ASSERT_EQ(zorsDCTFwdInitAlloc_32f(&a, 512, zorAlgHintNone), zorStsNoErr);
    ASSERT_EQ(zorsDCTFwdInitAlloc_32f(&b, 512, zorAlgHintAccurate), zorStsNoErr);
    std::vector<float> x(512), ya(512), yb(512);
    for (int i = 0; i < 512; ++i) x[static_cast<std::size_t>(i)] = static_cast<float>(std::sin(i * 0.37));
    zorsDCTFwd_32f(x.data(), ya.data(), a, nullptr);
    zorsDCTFwd_32f(x.data(), yb.data(), b, nullptr);
    EXPECT_EQ(std::memcmp(ya.data(), yb.data(), sizeof(float) * 512), 0);
    zorsDCTFwdFree_32f(a);
    zorsDCTFwdFree_32f(b);
}

TEST(Dct, SizesAndChecks) {
    struct Row {
        int n;
        ZorHintAlgorithm h;
        int s32, s64;
    };
    // 1..8: none; recursive: len elements + 16; direct: the same.
    for (Row r : {Row{1, zorAlgHintNone, 0, 0}, Row{8, zorAlgHintNone, 0, 0}, Row{16, zorAlgHintNone, 80, 144}, Row{512, zorAlgHintAccurate, 2064, 4112},
                  Row{100, zorAlgHintNone, 416, 816}, Row{7, zorAlgHintNone, 44, 72}}) {
        ZorsDCTFwdSpec_32f* f = nullptr;
        ZorsDCTInvSpec_64f* d = nullptr;
        int s = -1;
        ASSERT_EQ(zorsDCTFwdInitAlloc_32f(&f, r.n, r.h), zorStsNoErr);
        ASSERT_EQ(zorsDCTInvInitAlloc_64f(&d, r.n, r.h), zorStsNoErr);
        zorsDCTFwdGetBufSize_32f(f, &s);
        EXPECT_EQ(s, r.s32) << r.n;
        zorsDCTInvGetBufSize_64f(d, &s);
        EXPECT_EQ(s, r.s64) << r.n;
        zorsDCTFwdFree_32f(f);
        zorsDCTInvFree_64f(d);
    }
    ZorsDCTFwdSpec_16s* h = nullptr;
    int s = -1;
    ASSERT_EQ(zorsDCTFwdInitAlloc_16s(&h, 16, zorAlgHintAccurate), zorStsNoErr);
    zorsDCTFwdGetBufSize_16s(h, &s);
    EXPECT_EQ(s, 4 * 16 + 16 + 80);
    zorsDCTFwdFree_16s(h);
    // Creation, identifiers (a forward object is no inverse one), order.
    for_each_kind([]<class K>() {
        using T = typename K::Elem;
        typename K::Fwd* f = nullptr;
        typename K::Inv* i = nullptr;
        EXPECT_EQ(K::init(static_cast<typename K::Fwd**>(nullptr), 0, zorAlgHintNone), zorStsNullPtrErr);
        EXPECT_EQ(K::init(&f, 0, zorAlgHintNone), zorStsSizeErr);
        EXPECT_EQ(K::init(&i, -1, zorAlgHintNone), zorStsSizeErr);
        EXPECT_EQ(f, nullptr);
        ASSERT_EQ(K::init(&f, 12, zorAlgHintNone), zorStsNoErr);
        ASSERT_EQ(K::init(&i, 12, zorAlgHintNone), zorStsNoErr);
        std::vector<T> x(12, T(1)), y(12, T(9));
        int sz = -3;
        const auto* fi = reinterpret_cast<const typename K::Inv*>(f);
        const auto* if_ = reinterpret_cast<const typename K::Fwd*>(i);
        EXPECT_EQ(K::run(x.data(), y.data(), fi, nullptr, 0), zorStsContextMatchErr);
        EXPECT_EQ(K::run(nullptr, y.data(), fi, nullptr, 0), zorStsContextMatchErr);
        EXPECT_EQ(K::run(x.data(), y.data(), if_, nullptr, 0), zorStsContextMatchErr);
        EXPECT_EQ(K::run(x.data(), y.data(), static_cast<const typename K::Fwd*>(nullptr), nullptr, 0), zorStsNullPtrErr);
        EXPECT_EQ(K::run(nullptr, y.data(), f, nullptr, 0), zorStsNullPtrErr);
        EXPECT_EQ(K::run(x.data(), nullptr, f, nullptr, 0), zorStsNullPtrErr);
        EXPECT_EQ(K::size(fi, &sz), zorStsContextMatchErr);
        EXPECT_EQ(K::size(f, nullptr), zorStsNullPtrErr);
        EXPECT_EQ(K::release(const_cast<typename K::Inv*>(fi)), zorStsContextMatchErr);
        EXPECT_EQ(K::release(static_cast<typename K::Fwd*>(nullptr)), zorStsNullPtrErr);
        EXPECT_EQ(sz, -3);
        EXPECT_TRUE(std::all_of(y.begin(), y.end(), [](T v) { return v == T(9); }));
        EXPECT_EQ(K::release(f), zorStsNoErr);
        EXPECT_EQ(K::release(i), zorStsNoErr);
    });
}

}  // namespace
