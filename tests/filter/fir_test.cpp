// FIR states of every type against the long-double reference: chained block,
// in-place and one-sample calls on both paths and on thread teams, delay
// lines, sizes, identifiers, check order, integer taps and tie rules.
#include <omp.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/common.h"
#include "tests/filter/fir_kinds.h"
#include "tests/ref/fir_ref.h"

namespace {

using namespace firk;
using cld = std::complex<long double>;

template <class K>
class Fir : public testing::Test {};
using Kinds = testing::Types<F32, F32c, F32_16s, F32c_16sc, I32_16s, I32c_16sc, F64, F64c, F64_32f, F64c_32fc,
                             F64_32s, F64c_32sc, F64_16s, F64c_16sc>;
TYPED_TEST_SUITE(Fir, Kinds, firk::KindName);

template <class T> constexpr bool int_data = std::is_integral_v<part_t<T>>;
template <class T> constexpr long double eps = sizeof(part_t<T>) == 4 ? 1.19e-7L : 2.22e-16L;

// Random samples: floats in ±1, 16-bit in ±2000, 32-bit in ±10^6.
template <class T>
T draw(zt::Rng& g) {
    using P = part_t<T>;
    auto one = [&]() -> long double {
        const long double u = static_cast<long double>(g.bits() % 2000001) / 1e6L - 1;
        if constexpr (std::is_integral_v<P>) return std::round(u * (sizeof(P) == 2 ? 2000 : 1000000));
        else return u;
    };
    return from_cl<T>(cld{one(), is_cplx<T>::value ? one() : 0});
}
template <class T>
std::vector<T> draws(zt::Rng& g, int n) {
    std::vector<T> v(n);
    for (auto& x : v) x = draw<T>(g);
    return v;
}

long double round_even(long double v) {
    const long double f = std::floor(v), d = v - f;
    return d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0) ? f + 1 : f;
}
template <class P>
long double sat(long double v) {
    return std::clamp<long double>(v, std::numeric_limits<P>::min(), std::numeric_limits<P>::max());
}

// One output against the reference value `want` (mag: sum of |h||x|).
// Floating data: within a rounding bound; integer data: the rounded, scaled
// reference within one unit (exactly, for integer taps).
template <class K>
testing::AssertionResult near(const typename K::Data& got, cld want, long double mag, int sf) {
    using D = typename K::Data;
    using P = part_t<D>;
    const long double tol = 300 * eps<typename K::Tap> * mag;
    const cld g = cl(got);
    for (int c = 0; c < 2; ++c) {
        const long double gv = c ? g.imag() : g.real(), wv = c ? want.imag() : want.real();
        if constexpr (int_data<D>) {
            const long double e = sat<P>(round_even(std::ldexp(wv, -sf)));
            const long double slack = K::int_taps ? 0 : 1 + std::ldexp(tol, -sf);
            if (std::fabs(gv - e) > slack) return testing::AssertionFailure() << gv << " for " << e << " (" << wv << ")";
        } else if (std::fabs(gv - wv) > tol + eps<D> * std::fabs(wv)) {
            return testing::AssertionFailure() << gv << " for " << wv << " (bound " << tol << ")";
        }
    }
    return testing::AssertionSuccess();
}

// The identifier word of state kind k.
constexpr std::uint32_t kind_word(int k) { return 0x46490000u | (0x30u + k / 10) << 8 | (0x30u + k % 10); }

// Samples as long double complex values.
template <class T>
std::vector<cld> cls(const std::vector<T>& v) {
    std::vector<cld> r;
    for (auto& e : v) r.push_back(cl(e));
    return r;
}

template <class K>
std::vector<typename K::Tap> make_taps(zt::Rng& g, int len) {
    std::vector<typename K::Tap> h = draws<typename K::Tap>(g, len);
    const long double s = 1.0L / len;
    for (auto& v : h) v = from_cl<typename K::Tap>(cl(v) * s);
    return h;
}

// A state's taps as the filter uses them (the integer-tap states quantise).
template <class K>
std::vector<cld> taps_of(const typename K::State* s, int len) {
    std::vector<typename K::Tap> h(len);
    EXPECT_EQ(K::get_taps(s, h.data()), zorStsNoErr);
    return cls(h);
}

// Block, one-sample and in-place calls in a row (lengths around the path and
// thread thresholds) must continue each other exactly like one long call.
template <class K>
void stream(int len, bool caller_memory, int sf) {
    using D = typename K::Data;
    SCOPED_TRACE(testing::Message() << "taps " << len << (caller_memory ? ", Init" : ", InitAlloc") << ", sf " << sf);
    zt::Rng g(len * 31 + sf);
    const auto h = make_taps<K>(g, len);
    const auto hist = draws<D>(g, len);
    typename K::State* s = nullptr;
    std::vector<Zor8u> mem;
    if (caller_memory) {
        int size = 0;
        ASSERT_EQ(K::size(len, &size), zorStsNoErr);
        mem.resize(size + 3);
        ASSERT_EQ(K::init(&s, h.data(), len, hist.data(), mem.data() + 3), zorStsNoErr);
    } else {
        ASSERT_EQ(K::init_alloc(&s, h.data(), len, hist.data()), zorStsNoErr);
    }
    const std::vector<int> calls = {1, 0, 7, -300, 1700, 0, -4500, 257, 0, 1};  // 0: one sample; < 0: in place
    std::vector<D> x, y;
    for (int c : calls) {
        const int n = c == 0 ? 1 : std::abs(c);
        auto in = draws<D>(g, n);
        std::vector<D> out(n);
        if (c == 0) ASSERT_EQ(K::one(in[0], out.data(), s, sf), zorStsNoErr);
        else if (c > 0) ASSERT_EQ(K::block(in.data(), out.data(), n, s, sf), zorStsNoErr);
        else {
            out = in;
            ASSERT_EQ(K::inplace(out.data(), n, s, sf), zorStsNoErr);
        }
        x.insert(x.end(), in.begin(), in.end());
        y.insert(y.end(), out.begin(), out.end());
    }
    const auto want = zref::fir(taps_of<K>(s, len), cls(hist), cls(x));
    for (std::size_t i = 0; i < y.size(); ++i) ASSERT_TRUE(near<K>(y[i], want.y[i], want.mag[i], sf)) << "output " << i;
    // The delay line holds the last inputs, newest first.
    std::vector<D> line(len);
    ASSERT_EQ(K::get_dly(s, line.data()), zorStsNoErr);
    for (int j = 0; j < len; ++j) ASSERT_TRUE(zt::same_bits(line[j], x[x.size() - 1 - j])) << "delay " << j;
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

TYPED_TEST(Fir, ChainedCallsMatchReference) {
    using K = TypeParam;
    const int sf = int_data<typename K::Data> ? 1 : 0;
    for (int len : {1, 5, 17, 64, 130}) stream<K>(len, false, sf);
    stream<K>(64, true, sf);
    zt::for_each_isa([&](zors::Isa) {
        stream<K>(33, false, int_data<typename K::Data> ? -1 : 0);
        stream<K>(70, false, sf);
    });
}

// Setting, reading and advancing the delay line (tapsLen 3, taps 1, 2, -1).
TYPED_TEST(Fir, DelayLineOrder) {
    using K = TypeParam;
    using D = typename K::Data;
    using T = typename K::Tap;
    const T h[3] = {from_cl<T>(1), from_cl<T>(2), from_cl<T>(-1)};
    const D d0[3] = {from_cl<D>(1), from_cl<D>(2), from_cl<D>(3)};
    typename K::State* s = nullptr;
    ASSERT_EQ(K::init_alloc(&s, h, 3, nullptr), zorStsNoErr);
    D d[3];
    ASSERT_EQ(K::get_dly(s, d), zorStsNoErr);
    for (auto& v : d) EXPECT_EQ(cl(v), cld{});
    ASSERT_EQ(K::set_dly(s, d0), zorStsNoErr);
    ASSERT_EQ(K::get_dly(s, d), zorStsNoErr);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(cl(d[j]), cl(d0[j]));
    D y;
    ASSERT_EQ(K::one(from_cl<D>(9), &y, s, 0), zorStsNoErr);
    EXPECT_EQ(cl(y), cl(9 * 1 + 1 * 2 + 2 * -1));
    ASSERT_EQ(K::get_dly(s, d), zorStsNoErr);
    EXPECT_EQ(cl(d[0]), cl(9));
    EXPECT_EQ(cl(d[1]), cl(1));
    EXPECT_EQ(cl(d[2]), cl(2));
    // A null line clears the history.
    ASSERT_EQ(K::set_dly(s, nullptr), zorStsNoErr);
    ASSERT_EQ(K::one(from_cl<D>(4), &y, s, 0), zorStsNoErr);
    EXPECT_EQ(cl(y), cl(4));
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

// The documented sizes, and a state built at every misalignment in a buffer
// of exactly that size stays inside it.
TYPED_TEST(Fir, SizesAndPlacement) {
    using K = TypeParam;
    const std::uint64_t t = static_cast<std::uint64_t>(std::max(1, omp_get_max_threads()));
    auto a16 = [](std::uint64_t v) { return (v + 15) / 16 * 16; };
    for (std::uint64_t l : {1, 2, 15, 64, 1000}) {
        std::uint64_t want;
        switch (K::kind) {
        case 1: case 5: want = 112 + a16(4 * l) + a16(12 * l + 16) + 4 * a16(4 * l) + 16 * t + 16368 + 16; break;
        case 2: case 6: want = 112 + a16(8 * l) + a16(24 * l + 32) + 12 * a16(8 * l) + 96 + 16 * t + 32752 + 16; break;
        case 9: want = 80 + a16(4 * l) + a16(2 * (3 * l + 4)) + a16(8 * l) + 16384 + 16; break;
        case 10: want = 80 + 16 * l + a16(8 * l) + a16(12 * l + 16) + 16384 + 16; break;
        case 14: case 18: case 22: case 26: want = 112 + 16 * l + a16(48 * l + 64) + 65536; break;
        default: want = 112 + a16(8 * l) + a16(24 * l + 32) + 16 * t + 32752 + 15; break;
        }
        int size = -1;
        ASSERT_EQ(K::size(static_cast<int>(l), &size), zorStsNoErr);
        EXPECT_EQ(static_cast<std::uint64_t>(size), want) << "taps " << l;
        for (int off : {0, 1, 8, 15}) {
            zt::Guarded<Zor8u> buf(size, off);
            zt::Rng g(static_cast<std::uint32_t>(l));
            const auto h = make_taps<K>(g, static_cast<int>(l));
            typename K::State* s = nullptr;
            ASSERT_EQ(K::init(&s, h.data(), static_cast<int>(l), nullptr, buf.data()), zorStsNoErr);
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(s) % 16, 0u);
            auto x = draws<typename K::Data>(g, 5000);
            ASSERT_EQ(K::inplace(x.data(), 5000, s, 0), zorStsNoErr);
            EXPECT_EQ(K::release(s), zorStsNoErr);
            EXPECT_TRUE(buf.guards_intact()) << "taps " << l << ", offset " << off;
        }
    }
    int size = 7;
    EXPECT_EQ(K::size(0, &size), zorStsFIRLenErr);
    EXPECT_EQ(K::size(1, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(size, 7);
}

// Identifier words: every other kind is refused by every function and leaves
// the state as it was; the multi-rate word of the type is accepted by all
// but the one-sample filter.
TYPED_TEST(Fir, IdentifierWords) {
    using K = TypeParam;
    using D = typename K::Data;
    zt::Rng g(5);
    const auto h = make_taps<K>(g, 8);
    typename K::State* s = nullptr;
    ASSERT_EQ(K::init_alloc(&s, h.data(), 8, nullptr), zorStsNoErr);
    std::uint32_t own;
    std::memcpy(&own, s, 4);
    EXPECT_EQ(own, kind_word(K::kind));
    auto x = draws<D>(g, 64);
    std::vector<D> y(64, D{}), line(8, D{});
    std::vector<typename K::Tap> taps(8);
    std::vector<std::uint32_t> foreign = {0, 4, 0x49493031u, kind_word(K::kind) ^ 0x01000000u};
    for (int k = 1; k <= 28; ++k)
        if (k != K::kind && k != K::kind + 2) foreign.push_back(kind_word(k));
    for (std::uint32_t id : foreign) {
        std::memcpy(s, &id, 4);
        const D before = y[0];
        EXPECT_EQ(K::block(x.data(), y.data(), 64, s, 0), zorStsContextMatchErr) << std::hex << id;
        EXPECT_EQ(K::inplace(x.data(), 64, s, 0), zorStsContextMatchErr);
        EXPECT_EQ(K::one(x[0], y.data(), s, 0), zorStsContextMatchErr);
        EXPECT_EQ(K::set_taps(h.data(), s), zorStsContextMatchErr);
        EXPECT_EQ(K::get_taps(s, taps.data()), zorStsContextMatchErr);
        EXPECT_EQ(K::set_dly(s, nullptr), zorStsContextMatchErr);
        EXPECT_EQ(K::get_dly(s, line.data()), zorStsContextMatchErr);
        EXPECT_EQ(K::release(s), zorStsContextMatchErr);
        EXPECT_TRUE(zt::same_bits(before, y[0]));
    }
    const std::uint32_t mr = kind_word(K::kind + 2);
    std::memcpy(s, &mr, 4);
    EXPECT_EQ(K::one(x[0], y.data(), s, 0), zorStsContextMatchErr);
    EXPECT_EQ(K::get_taps(s, taps.data()), zorStsNoErr);
    EXPECT_EQ(K::set_dly(s, nullptr), zorStsNoErr);
    std::memcpy(s, &own, 4);
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

// New taps replace the old ones (transform path included) and keep the
// history: the state then filters exactly like one made with them.
TYPED_TEST(Fir, SetTapsKeepsHistory) {
    using K = TypeParam;
    using D = typename K::Data;
    for (int len : {7, 100}) {
        zt::Rng g(len + 3);
        const auto a = make_taps<K>(g, len), b = make_taps<K>(g, len);
        const auto hist = draws<D>(g, len), x = draws<D>(g, 2000);
        typename K::State *s = nullptr, *t = nullptr;
        ASSERT_EQ(K::init_alloc(&s, a.data(), len, hist.data()), zorStsNoErr);
        ASSERT_EQ(K::init_alloc(&t, b.data(), len, hist.data()), zorStsNoErr);
        ASSERT_EQ(K::set_taps(b.data(), s), zorStsNoErr);
        EXPECT_EQ(taps_of<K>(s, len), taps_of<K>(t, len));
        std::vector<D> ys(2000), yt(2000);
        ASSERT_EQ(K::block(x.data(), ys.data(), 2000, s, 0), zorStsNoErr);
        ASSERT_EQ(K::block(x.data(), yt.data(), 2000, t, 0), zorStsNoErr);
        EXPECT_EQ(std::memcmp(ys.data(), yt.data(), sizeof(D) * 2000), 0) << "taps " << len;
        K::release(s);
        K::release(t);
    }
}

// Check order of every function; nothing written on failure.
TYPED_TEST(Fir, ArgumentChecks) {
    using K = TypeParam;
    using D = typename K::Data;
    using T = typename K::Tap;
    T h[4] = {};
    typename K::State* s = nullptr;
    D x[4] = {}, y[4];
    std::memset(y, 0x5A, sizeof y);
    Zor8u buf[64];
    EXPECT_EQ(K::init_alloc(nullptr, h, 4, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::init_alloc(&s, nullptr, 4, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::init_alloc(&s, h, 0, nullptr), zorStsFIRLenErr);
    EXPECT_EQ(K::init(&s, h, 4, nullptr, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::init(&s, h, -1, nullptr, buf), zorStsFIRLenErr);
    // A state far beyond the 32-bit byte counts: no memory, nothing stored.
    EXPECT_EQ(K::init_alloc(&s, h, 1 << 28, nullptr), zorStsMemAllocErr);
    EXPECT_EQ(s, nullptr);
    ASSERT_EQ(K::init_alloc(&s, h, 4, nullptr), zorStsNoErr);
    EXPECT_EQ(K::block(nullptr, y, 4, s, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::block(x, nullptr, 4, s, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::block(x, y, 4, nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::block(x, y, 0, s, 0), zorStsSizeErr);
    EXPECT_EQ(K::block(nullptr, y, 0, s, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::inplace(nullptr, 4, s, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::inplace(y, -5, s, 0), zorStsSizeErr);
    EXPECT_EQ(K::one(x[0], nullptr, s, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::one(x[0], y, nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::set_taps(nullptr, s), zorStsNullPtrErr);
    EXPECT_EQ(K::get_taps(s, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::get_dly(s, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::set_dly(nullptr, x), zorStsNullPtrErr);
    EXPECT_EQ(K::release(nullptr), zorStsNullPtrErr);
    for (auto& v : y) EXPECT_EQ(reinterpret_cast<const unsigned char*>(&v)[0], 0x5A);
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

// Integer results do not depend on the thread team or the dispatch level
// (direct path and overlap-save path, 5000-sample blocks).
TYPED_TEST(Fir, TeamsAndLevelsAgree) {
    using K = TypeParam;
    using D = typename K::Data;
    if constexpr (int_data<D>) {
        for (int len : {12, 100}) {
            zt::Rng g(len);
            const auto h = make_taps<K>(g, len);
            const auto x = draws<D>(g, 5000);
            auto run = [&](int threads) {
                typename K::State* s = nullptr;
                EXPECT_EQ(K::init_alloc(&s, h.data(), len, nullptr), zorStsNoErr);
                std::vector<D> y(5000);
                const int saved = omp_get_max_threads();
                omp_set_num_threads(threads);
                EXPECT_EQ(K::block(x.data(), y.data(), 5000, s, 0), zorStsNoErr);
                omp_set_num_threads(saved);
                K::release(s);
                return y;
            };
            const auto base = run(1);
            EXPECT_EQ(std::memcmp(base.data(), run(2).data(), sizeof(D) * 5000), 0) << "taps " << len;
            if (len == 12)  // below every type's transform threshold: the direct path
                zt::for_each_isa([&](zors::Isa) { EXPECT_EQ(std::memcmp(base.data(), run(1).data(), sizeof(D) * 5000), 0); });
        }
    }
}

// Integer taps: normalisation to 16 bits with the effective factor.
TEST(FirIntTaps, Normalisation) {
    struct Row {
        std::vector<Zor32s> taps;
        int factor;
        std::vector<Zor32s> stored;
        int eff;
    };
    const Row rows[] = {
        {{100, -32767, 5}, 2, {50, -16384, 2}, 3},
        {{100, 32766, -5}, 2, {100, 32766, -5}, 2},
        {{-32768, 3}, 0, {-16384, 1}, 1},
        {{1 << 20, -7}, -4, {16384, -1}, 2},
        {{0, 0}, 5, {0, 0}, 5},
    };
    for (const Row& r : rows) {
        ZorsFIRState32s_16s* s = nullptr;
        const int len = static_cast<int>(r.taps.size());
        ASSERT_EQ(zorsFIRInitAlloc32s_16s(&s, r.taps.data(), len, r.factor, nullptr), zorStsNoErr);
        std::vector<Zor32s> got(len);
        int eff = 0;
        ASSERT_EQ(zorsFIRGetTaps32s_16s(s, got.data(), &eff), zorStsNoErr);
        EXPECT_EQ(got, r.stored);
        EXPECT_EQ(eff, r.eff);
        zorsFIRFree32s_16s(s);
    }
    // Floating taps: the largest magnitude lands in [16383.5, 32767].
    struct FRow {
        float top;
        Zor32s stored;
        int factor;
    };
    for (const FRow& r : {FRow{1.0f, 16384, -14}, FRow{65535.0f, 16384, 2}, FRow{0.75f, 24576, -15}, FRow{32767.0f, 32767, 0}}) {
        const Zor32f h[2] = {0.25f, r.top};
        ZorsFIRState32s_16s* s = nullptr;
        ASSERT_EQ(zorsFIRInitAlloc32s_16s32f(&s, h, 2, nullptr), zorStsNoErr);
        Zor32s got[2];
        int eff = 0;
        ASSERT_EQ(zorsFIRGetTaps32s_16s(s, got, &eff), zorStsNoErr);
        EXPECT_EQ(got[1], r.stored) << r.top;
        EXPECT_EQ(eff, r.factor) << r.top;
        Zor32f back[2];
        ASSERT_EQ(zorsFIRGetTaps32s_16s32f(s, back), zorStsNoErr);
        EXPECT_EQ(back[1], std::ldexp(static_cast<float>(r.stored), r.factor));
        zorsFIRFree32s_16s(s);
    }
}

// Ties at exact halves and saturation, block and one-sample filters: one
// tap of 0.5, inputs 5, -5, 7 (halves) and extremes.
TEST(FirRounding, TiesAndSaturation) {
    const Zor32f h32[1] = {0.5f};
    const Zor64f h64[1] = {0.5};
    Zor16s x16[3] = {5, -5, 7}, y16[3], o16;
    Zor32s x32[3] = {5, -5, 7}, y32[3], o32;
    ZorsFIRState32f_16s* a = nullptr;
    ASSERT_EQ(zorsFIRInitAlloc32f_16s(&a, h32, 1, nullptr), zorStsNoErr);
    ASSERT_EQ(zorsFIR32f_16s_Sfs(x16, y16, 3, a, 0), zorStsNoErr);
    EXPECT_EQ(y16[0], 2);
    EXPECT_EQ(y16[1], -2);
    EXPECT_EQ(y16[2], 4);
    ASSERT_EQ(zorsFIROne32f_16s_Sfs(5, &o16, a, 0), zorStsNoErr);
    EXPECT_EQ(o16, 2);
    zorsFIRFree32f_16s(a);
    ZorsFIRState64f_16s* b = nullptr;
    ASSERT_EQ(zorsFIRInitAlloc64f_16s(&b, h64, 1, nullptr), zorStsNoErr);
    ASSERT_EQ(zorsFIR64f_16s_Sfs(x16, y16, 3, b, 0), zorStsNoErr);
    EXPECT_EQ(y16[0], 3);
    EXPECT_EQ(y16[1], -3);
    EXPECT_EQ(y16[2], 4);
    ASSERT_EQ(zorsFIROne64f_16s_Sfs(5, &o16, b, 0), zorStsNoErr);
    EXPECT_EQ(o16, 3);
    // Saturation: -65537 * 0.5 = -32768.5 and 65535 * 0.5 = 32767.5 (scale 2^-1 of 2x).
    Zor16s big[2] = {-32768, 32767}, out[2];
    ASSERT_EQ(zorsFIR64f_16s_Sfs(big, out, 2, b, -1), zorStsNoErr);
    EXPECT_EQ(out[0], -32768);
    EXPECT_EQ(out[1], 32767);
    zorsFIRFree64f_16s(b);
    ZorsFIRState64f_32s* c = nullptr;
    ASSERT_EQ(zorsFIRInitAlloc64f_32s(&c, h64, 1, nullptr), zorStsNoErr);
    ASSERT_EQ(zorsFIR64f_32s_Sfs(x32, y32, 3, c, 0), zorStsNoErr);
    EXPECT_EQ(y32[0], 2);  // block: ties to even
    EXPECT_EQ(y32[2], 4);
    ASSERT_EQ(zorsFIROne64f_32s_Sfs(5, &o32, c, 0), zorStsNoErr);
    EXPECT_EQ(o32, 3);  // one sample: ties away from zero
    zorsFIRFree64f_32s(c);
}

// A state built in caller memory filters like one from the library (which
// takes the transform path for long blocks) within rounding, and the
// transform path starts exactly above the transform length.
TEST(FirPaths, DirectAndTransformAgree) {
    zt::Rng g(9);
    std::vector<Zor32f> h(64), x(257), ya(257), yb(257);
    for (auto& v : h) v = static_cast<float>(static_cast<int>(g.bits() % 2001) - 1000) / 8000;
    for (auto& v : x) v = static_cast<float>(static_cast<int>(g.bits() % 2001) - 1000) / 1000;
    int size = 0;
    ASSERT_EQ(zorsFIRGetStateSize_32f(64, &size), zorStsNoErr);
    std::vector<Zor8u> mem(size);
    ZorsFIRState_32f *a = nullptr, *b = nullptr;
    ASSERT_EQ(zorsFIRInit_32f(&a, h.data(), 64, nullptr, mem.data()), zorStsNoErr);
    ASSERT_EQ(zorsFIRInitAlloc_32f(&b, h.data(), 64, nullptr), zorStsNoErr);
    for (int n : {256, 257}) {
        ASSERT_EQ(zorsFIR_32f(x.data(), ya.data(), n, a), zorStsNoErr);
        ASSERT_EQ(zorsFIR_32f(x.data(), yb.data(), n, b), zorStsNoErr);
        bool same = true;
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(ya[i], yb[i], 1e-5f) << "n " << n << ", output " << i;
            same = same && ya[i] == yb[i];
        }
        // 256 samples stay on the direct path in both; 257 take the transform.
        EXPECT_EQ(same, n == 256);
    }
    zorsFIRFree_32f(b);
}

// ---------------------------------------------------------------------------
// Multi-rate states and direct forms.

template <class K>
class FirMR : public testing::Test {};
TYPED_TEST_SUITE(FirMR, Kinds, firk::KindName);

// Factor pairs and phases for both engines (long filters by lanes, short
// ones by output), common factors, branches without taps, and 1/1.
struct MrCase {
    int len, up, up_phase, down, down_phase;
};
constexpr MrCase kMrCases[] = {
    {8, 1, 0, 4, 1}, {40, 1, 0, 4, 3}, {48, 3, 1, 2, 0}, {5, 3, 2, 7, 4},     {10, 3, 0, 1, 0},
    {30, 4, 1, 6, 5}, {2, 5, 3, 10, 0}, {7, 1, 0, 1, 0}, {120, 2, 1, 3, 2}, {60, 5, 2, 3, 1},
};

// Runs `calls` steps counts (negative: in place) through f(in, out, n,
// in_place), collecting inputs and outputs.
template <class D, class F>
void mr_calls(zt::Rng& g, const MrCase& c, const std::vector<int>& calls, std::vector<D>& x, std::vector<D>& y, F&& f) {
    for (int n : calls) {
        const int m = std::abs(n);
        auto in = draws<D>(g, m * c.down);
        std::vector<D> out(std::max(m * c.down, m * c.up));
        if (n < 0) std::copy(in.begin(), in.end(), out.begin());
        f(n < 0 ? out.data() : in.data(), out.data(), m, n < 0);
        x.insert(x.end(), in.begin(), in.end());
        y.insert(y.end(), out.begin(), out.begin() + m * c.up);
    }
}

// Chained block and in-place calls (above the thread thresholds, in place
// through the scratch chunks and through the input copy) equal the
// definition over the whole input; the delay line ends with the newest
// inputs. Taps and history come through SetTaps and SetDlyLine.
template <class K>
void mr_stream(const MrCase& c, bool caller_memory) {
    using D = typename K::Data;
    SCOPED_TRACE(testing::Message() << "taps " << c.len << ", " << c.up << "/" << c.down << ", phases " << c.up_phase
                                    << "/" << c.down_phase << (caller_memory ? ", Init" : ", InitAlloc"));
    zt::Rng g(c.len * 7 + c.up * 131 + c.down);
    const auto h = make_taps<K>(g, c.len), first = make_taps<K>(g, c.len);
    const int hl = (c.len - 1) / c.up + 1;
    const auto hist = draws<D>(g, hl);
    typename K::State* s = nullptr;
    std::vector<Zor8u> mem;
    if (caller_memory) {
        int size = 0;
        ASSERT_EQ(K::mr_size(c.len, c.up, c.down, &size), zorStsNoErr);
        mem.resize(size + 3);
        ASSERT_EQ(K::mr_init(&s, first.data(), c.len, c.up, c.up_phase, c.down, c.down_phase, nullptr, mem.data() + 3),
                  zorStsNoErr);
    } else {
        ASSERT_EQ(K::mr_init_alloc(&s, first.data(), c.len, c.up, c.up_phase, c.down, c.down_phase, nullptr), zorStsNoErr);
    }
    ASSERT_EQ(K::set_taps(h.data(), s), zorStsNoErr);
    ASSERT_EQ(K::set_dly(s, hist.data()), zorStsNoErr);
    const int sf = 1;
    std::vector<D> x, y;
    const std::vector<int> calls = {1, 3, 2000, -5, 17, c.up == 1 ? -4200 : -300, 1};
    mr_calls<D>(g, c, calls, x, y, [&](const D* in, D* out, int n, bool in_place) {
        ASSERT_EQ(in_place ? K::inplace(out, n, s, sf) : K::block(in, out, n, s, sf), zorStsNoErr);
    });
    const auto want = zref::fir_mr(taps_of<K>(s, c.len), cls(hist), cls(x), c.up, c.up_phase, c.down, c.down_phase);
    ASSERT_EQ(want.y.size(), y.size());
    for (std::size_t i = 0; i < y.size(); ++i) ASSERT_TRUE(near<K>(y[i], want.y[i], want.mag[i], sf)) << "output " << i;
    std::vector<D> line(hl + 2, draw<D>(g));
    const D guard = line[hl];
    ASSERT_EQ(K::get_dly(s, line.data()), zorStsNoErr);
    for (int j = 0; j < hl; ++j) ASSERT_TRUE(zt::same_bits(line[j], x[x.size() - 1 - j])) << "delay " << j;
    EXPECT_TRUE(zt::same_bits(line[hl], guard)) << "the delay line holds ceil(tapsLen/upFactor) samples";
    // Real floating taps with factors 1 and 1 give a single-rate state.
    const bool single = !K::int_taps && !is_cplx<typename K::Tap>::value && c.up == 1 && c.down == 1;
    std::uint32_t id;
    std::memcpy(&id, s, 4);
    EXPECT_EQ(id, kind_word(single ? K::kind : K::kind + 2));
    D one{};
    EXPECT_EQ(K::one(x[0], &one, s, 0), single ? zorStsNoErr : zorStsContextMatchErr);
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

// Every dispatch level for the real floating-tap types (whose long filters
// run the vector kernels of the multi-rate engine); the others once.
TYPED_TEST(FirMR, ChainedCallsMatchDefinition) {
    using K = TypeParam;
    const auto all = [](zors::Isa) {
        for (std::size_t i = 0; i < std::size(kMrCases); ++i) mr_stream<K>(kMrCases[i], i % 2 == 1);
    };
    if (!K::int_taps && !is_cplx<typename K::Tap>::value) zt::for_each_isa(all);
    else all(zors::Isa{});
}

// The direct forms against the same definition: chained calls, in place,
// and the caller's delay line (newest first) carried between them. Integer
// taps are given as integers with tapsFactor 0.
TYPED_TEST(FirMR, DirectFormsMatchDefinition) {
    using K = TypeParam;
    using D = typename K::Data;
    using T = typename K::Tap;
    for (const MrCase& c : kMrCases) {
        SCOPED_TRACE(testing::Message() << "taps " << c.len << ", " << c.up << "/" << c.down);
        zt::Rng g(c.len + 100 * c.up + 10000 * c.down);
        auto h = make_taps<K>(g, c.len);
        if (K::int_taps)
            for (auto& v : h) v = from_cl<T>(cld{std::round(cl(v).real() * c.len * 300), std::round(cl(v).imag() * c.len * 300)});
        const int hl = (c.len - 1) / c.up + 1, sf = K::int_taps ? 10 : 1;
        auto line = draws<D>(g, hl);
        const auto hist = line;
        std::vector<D> x, y;
        mr_calls<D>(g, c, {1, 3, 40, -5, 17, -30}, x, y, [&](const D* in, D* out, int n, bool in_place) {
            ASSERT_EQ(in_place ? K::mr_direct_i(out, n, h.data(), c.len, c.up, c.up_phase, c.down, c.down_phase,
                                                line.data(), sf)
                               : K::mr_direct(in, out, n, h.data(), c.len, c.up, c.up_phase, c.down, c.down_phase,
                                              line.data(), sf),
                      zorStsNoErr);
        });
        const auto want = zref::fir_mr(cls(h), cls(hist), cls(x), c.up, c.up_phase, c.down, c.down_phase);
        for (std::size_t i = 0; i < y.size(); ++i) ASSERT_TRUE(near<K>(y[i], want.y[i], want.mag[i], sf)) << "output " << i;
        for (int j = 0; j < hl; ++j) ASSERT_TRUE(zt::same_bits(line[j], x[x.size() - 1 - j])) << "delay " << j;
    }
}

// Every check in order, for construction, sizes and the direct forms;
// nothing written on failure.
TYPED_TEST(FirMR, ArgumentChecks) {
    using K = TypeParam;
    using D = typename K::Data;
    zt::Rng g(17);
    const auto h = make_taps<K>(g, 4);
    const auto x = draws<D>(g, 64);
    const D mark = draw<D>(g);
    std::vector<D> y(64, mark), line(4, mark);
    std::vector<Zor8u> mem(1 << 16);
    typename K::State* s = nullptr;
    int size = -1;
    const auto untouched = [&] {
        return s == nullptr && size == -1 &&
               std::all_of(y.begin(), y.end(), [&](const D& v) { return zt::same_bits(v, mark); }) &&
               std::all_of(line.begin(), line.end(), [&](const D& v) { return zt::same_bits(v, mark); });
    };
    struct Row {
        int len, up, up_phase, down, down_phase;
        ZorStatus want;
    };
    const Row rows[] = {
        {0, 0, 5, 0, 5, zorStsFIRLenErr},      {4, 0, 0, 1, 0, zorStsFIRMRFactorErr}, {4, 1, 0, 0, 3, zorStsFIRMRFactorErr},
        {4, 2, 2, 1, 0, zorStsFIRMRPhaseErr},  {4, 2, -1, 1, 0, zorStsFIRMRPhaseErr}, {4, 1, 0, 3, 3, zorStsFIRMRPhaseErr},
        {4, 1, 0, 3, -1, zorStsFIRMRPhaseErr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.len << " " << r.up << " " << r.up_phase << " " << r.down << " " << r.down_phase);
        EXPECT_EQ(K::mr_init_alloc(&s, h.data(), r.len, r.up, r.up_phase, r.down, r.down_phase, nullptr), r.want);
        EXPECT_EQ(K::mr_init(&s, h.data(), r.len, r.up, r.up_phase, r.down, r.down_phase, nullptr, mem.data()), r.want);
        EXPECT_EQ(K::mr_size(r.len, r.up, r.down, &size), r.want == zorStsFIRMRPhaseErr ? zorStsNoErr : r.want);
        size = -1;
        EXPECT_EQ(K::mr_direct(x.data(), y.data(), 4, h.data(), r.len, r.up, r.up_phase, r.down, r.down_phase, line.data(), 0), r.want);
        EXPECT_EQ(K::mr_direct_i(y.data(), 4, h.data(), r.len, r.up, r.up_phase, r.down, r.down_phase, line.data(), 0), r.want);
        EXPECT_TRUE(untouched());
    }
    // Pointers come first, then the step count (direct forms), then the rest.
    EXPECT_EQ(K::mr_init_alloc(nullptr, h.data(), 4, 1, 0, 2, 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_init_alloc(&s, nullptr, 0, 0, 0, 0, 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_init(&s, h.data(), 0, 1, 0, 2, 0, nullptr, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_size(0, 1, 1, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_direct(nullptr, y.data(), 0, h.data(), 4, 1, 0, 2, 0, line.data(), 0), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_direct(x.data(), y.data(), 0, nullptr, 0, 1, 0, 2, 0, line.data(), 0), zorStsSizeErr);
    EXPECT_EQ(K::mr_direct(x.data(), y.data(), 4, nullptr, 0, 1, 0, 2, 0, line.data(), 0), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_direct(x.data(), y.data(), 4, h.data(), 4, 1, 0, 2, 0, nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_direct_i(nullptr, 4, h.data(), 4, 1, 0, 2, 0, line.data(), 0), zorStsNullPtrErr);
    EXPECT_EQ(K::mr_direct_i(y.data(), -1, h.data(), 4, 1, 0, 2, 0, line.data(), 0), zorStsSizeErr);
    EXPECT_TRUE(untouched());
}

// Up-sampling by 2 with taps (1, 1) holds every sample for two outputs; an
// up-phase of 1 takes the first output from the delay line.
TEST(FirMRWorked, SampleAndHold) {
    const Zor32f h[] = {1, 1}, x[] = {1, 2, 3}, hist[] = {9};
    for (int phase : {0, 1}) {
        ZorsFIRState_32f* s = nullptr;
        ASSERT_EQ(zorsFIRMRInitAlloc_32f(&s, h, 2, 2, phase, 1, 0, hist), zorStsNoErr);
        Zor32f y[6];
        ASSERT_EQ(zorsFIR_32f(x, y, 3, s), zorStsNoErr);
        const std::vector<Zor32f> want = phase == 0 ? std::vector<Zor32f>{1, 1, 2, 2, 3, 3} : std::vector<Zor32f>{9, 1, 1, 2, 2, 3};
        EXPECT_EQ(std::vector<Zor32f>(y, y + 6), want) << "phase " << phase;
        zorsFIRFree_32f(s);
    }
}

}  // namespace
