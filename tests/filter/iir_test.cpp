// IIR states: every type against the long-double reference, stream cuts,
// one-sample calls, delay lines, sizes and placement, identifiers and the
// argument checks, through one table of the fourteen state types.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

#include "tests/common.h"
#include "tests/ref/iir_ref.h"
#include "zors.h"

namespace {

using zref::CL;
using LD = long double;

// ---------------------------------------------------------------------------
// Element conversions between the library's types and complex long double.

template <class T> constexpr bool is_cx = std::is_class_v<T>;
template <class T> struct part_of { using type = T; };
template <> struct part_of<Zor16sc> { using type = Zor16s; };
template <> struct part_of<Zor32sc> { using type = Zor32s; };
template <> struct part_of<Zor32fc> { using type = Zor32f; };
template <> struct part_of<Zor64fc> { using type = Zor64f; };
template <class T> using part_t = typename part_of<T>::type;

template <class P> P make_part(LD v) {
    if constexpr (std::is_floating_point_v<P>) return static_cast<P>(v);
    else {
        const LD r = std::nearbyint(v);
        if (r >= static_cast<LD>(std::numeric_limits<P>::max())) return std::numeric_limits<P>::max();
        if (r <= static_cast<LD>(std::numeric_limits<P>::min())) return std::numeric_limits<P>::min();
        return static_cast<P>(r);
    }
}
template <class T> T make(CL v) {
    if constexpr (is_cx<T>) return T{make_part<part_t<T>>(v.real()), make_part<part_t<T>>(v.imag())};
    else return make_part<T>(v.real());
}
template <class T> CL val(T v) {
    if constexpr (is_cx<T>) return CL(static_cast<LD>(v.re), static_cast<LD>(v.im));
    else return CL(static_cast<LD>(v), 0);
}

// ---------------------------------------------------------------------------
// The table: one row per state type.

template <class Tap_, class Data_, class State_, int Arb_, bool Sfs_>
struct RowBase {
    using Tap = Tap_;
    using Data = Data_;
    using State = State_;
    static constexpr int arb = Arb_;
    static constexpr bool sfs = Sfs_;
    static constexpr bool cx = is_cx<Tap>;
    static constexpr bool single = std::is_same_v<part_t<Tap>, float>;
    static constexpr bool integer = !std::is_floating_point_v<part_t<Data>>;
};

#define IIR_ROW(Name, S, IS, IBQ, Tap, Data, State, Arb, Sfs, Blk, BlkI, One)                \
    struct Name : RowBase<Tap, Data, State, Arb, Sfs> {                                     \
        static constexpr const char* name = #S;                                             \
        static constexpr auto size = zorsIIRGetStateSize##IS;                               \
        static constexpr auto size_bq = zorsIIRGetStateSize##IBQ;                           \
        static constexpr auto alloc = zorsIIRInitAlloc##IS;                                 \
        static constexpr auto alloc_bq = zorsIIRInitAlloc##IBQ;                             \
        static constexpr auto init = zorsIIRInit##IS;                                       \
        static constexpr auto init_bq = zorsIIRInit##IBQ;                                   \
        static constexpr auto set_taps = zorsIIRSetTaps##IS;                                \
        static constexpr auto get_dly = zorsIIRGetDlyLine##S;                               \
        static constexpr auto set_dly = zorsIIRSetDlyLine##S;                               \
        static constexpr auto release = zorsIIRFree##S;                                     \
        static constexpr auto blk = Blk;                                                    \
        static constexpr auto blk_i = BlkI;                                                 \
        static constexpr auto one = One;                                                    \
    };

IIR_ROW(R32f, _32f, _32f, _BiQuad_32f, Zor32f, Zor32f, ZorsIIRState_32f, 1, false, zorsIIR_32f, zorsIIR_32f_I, zorsIIROne_32f)
IIR_ROW(R32fc, _32fc, _32fc, _BiQuad_32fc, Zor32fc, Zor32fc, ZorsIIRState_32fc, 3, false, zorsIIR_32fc, zorsIIR_32fc_I, zorsIIROne_32fc)
IIR_ROW(R32f16s, 32f_16s, 32f_16s, 32f_BiQuad_16s, Zor32f, Zor16s, ZorsIIRState32f_16s, 5, true, zorsIIR32f_16s_Sfs, zorsIIR32f_16s_ISfs, zorsIIROne32f_16s_Sfs)
IIR_ROW(R32fc16sc, 32fc_16sc, 32fc_16sc, 32fc_BiQuad_16sc, Zor32fc, Zor16sc, ZorsIIRState32fc_16sc, 7, true, zorsIIR32fc_16sc_Sfs, zorsIIR32fc_16sc_ISfs, zorsIIROne32fc_16sc_Sfs)
IIR_ROW(R32s16s, 32s_16s, 32s_16s32f, 32s_BiQuad_16s32f, Zor32f, Zor16s, ZorsIIRState32s_16s, 9, true, zorsIIR32s_16s_Sfs, zorsIIR32s_16s_ISfs, zorsIIROne32s_16s_Sfs)
IIR_ROW(R32sc16sc, 32sc_16sc, 32sc_16sc32fc, 32sc_BiQuad_16sc32fc, Zor32fc, Zor16sc, ZorsIIRState32sc_16sc, 11, true, zorsIIR32sc_16sc_Sfs, zorsIIR32sc_16sc_ISfs, zorsIIROne32sc_16sc_Sfs)
IIR_ROW(R64f, _64f, _64f, _BiQuad_64f, Zor64f, Zor64f, ZorsIIRState_64f, 13, false, zorsIIR_64f, zorsIIR_64f_I, zorsIIROne_64f)
IIR_ROW(R64fc, _64fc, _64fc, _BiQuad_64fc, Zor64fc, Zor64fc, ZorsIIRState_64fc, 15, false, zorsIIR_64fc, zorsIIR_64fc_I, zorsIIROne_64fc)
IIR_ROW(R64f32f, 64f_32f, 64f_32f, 64f_BiQuad_32f, Zor64f, Zor32f, ZorsIIRState64f_32f, 17, false, zorsIIR64f_32f, zorsIIR64f_32f_I, zorsIIROne64f_32f)
IIR_ROW(R64fc32fc, 64fc_32fc, 64fc_32fc, 64fc_BiQuad_32fc, Zor64fc, Zor32fc, ZorsIIRState64fc_32fc, 19, false, zorsIIR64fc_32fc, zorsIIR64fc_32fc_I, zorsIIROne64fc_32fc)
IIR_ROW(R64f32s, 64f_32s, 64f_32s, 64f_BiQuad_32s, Zor64f, Zor32s, ZorsIIRState64f_32s, 21, true, zorsIIR64f_32s_Sfs, zorsIIR64f_32s_ISfs, zorsIIROne64f_32s_Sfs)
IIR_ROW(R64fc32sc, 64fc_32sc, 64fc_32sc, 64fc_BiQuad_32sc, Zor64fc, Zor32sc, ZorsIIRState64fc_32sc, 23, true, zorsIIR64fc_32sc_Sfs, zorsIIR64fc_32sc_ISfs, zorsIIROne64fc_32sc_Sfs)
IIR_ROW(R64f16s, 64f_16s, 64f_16s, 64f_BiQuad_16s, Zor64f, Zor16s, ZorsIIRState64f_16s, 25, true, zorsIIR64f_16s_Sfs, zorsIIR64f_16s_ISfs, zorsIIROne64f_16s_Sfs)
IIR_ROW(R64fc16sc, 64fc_16sc, 64fc_16sc, 64fc_BiQuad_16sc, Zor64fc, Zor16sc, ZorsIIRState64fc_16sc, 27, true, zorsIIR64fc_16sc_Sfs, zorsIIR64fc_16sc_ISfs, zorsIIROne64fc_16sc_Sfs)
#undef IIR_ROW

// Block and one-sample calls with the scale factor where the type has one.
template <class R>
ZorStatus filt(const typename R::Data* s, typename R::Data* d, int len, typename R::State* st, int sf = 0) {
    if constexpr (R::sfs) return R::blk(s, d, len, st, sf);
    else return R::blk(s, d, len, st);
}
template <class R>
ZorStatus filt_i(typename R::Data* sd, int len, typename R::State* st, int sf = 0) {
    if constexpr (R::sfs) return R::blk_i(sd, len, st, sf);
    else return R::blk_i(sd, len, st);
}
template <class R>
ZorStatus filt_one(typename R::Data s, typename R::Data* d, typename R::State* st, int sf = 0) {
    if constexpr (R::sfs) return R::one(s, d, st, sf);
    else return R::one(s, d, st);
}

// ---------------------------------------------------------------------------
// Random stable filters.

// Monic polynomial with the given roots.
std::vector<CL> poly(const std::vector<CL>& roots) {
    std::vector<CL> p{CL(1)};
    for (const CL& r : roots) {
        std::vector<CL> q(p.size() + 1, CL(0));
        for (std::size_t i = 0; i < p.size(); ++i) {
            q[i] += p[i];
            q[i + 1] -= r * p[i];
        }
        p = q;
    }
    return p;
}

// Poles within `radius`; conjugate pairs for real filters.
std::vector<CL> stable_denominator(std::mt19937& g, int n, bool complex, LD radius) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<CL> roots;
    while (static_cast<int>(roots.size()) < n) {
        const CL z = std::polar<LD>(radius * std::sqrt(u(g)), 2 * 3.14159265358979L * u(g));
        if (complex) roots.push_back(z);
        else if (n - static_cast<int>(roots.size()) >= 2) {
            roots.push_back(z);
            roots.push_back(std::conj(z));
        } else {
            roots.push_back(CL(z.real(), 0));
        }
    }
    return poly(roots);
}

// Unnormalised taps: numerator and denominator times a gain a0 (complex
// for complex types). Cascades: six per section with b0 != 0.
template <class R>
std::vector<CL> random_taps(std::mt19937& g, int n, bool bq) {
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    auto rnd = [&] { return R::cx ? CL(u(g), u(g)) : CL(u(g), 0); };
    const CL a0 = R::cx ? CL(1.25, -0.5) : CL(-1.5, 0);
    std::vector<CL> t;
    const int sections = bq ? n : 1, order = bq ? 2 : n;
    for (int s = 0; s < sections; ++s) {
        std::vector<CL> a = stable_denominator(g, order, R::cx, order > 5 ? 0.7L : 0.85L);
        std::vector<CL> b(order + 1);
        for (auto& v : b) v = rnd() * LD(0.5);
        b[0] += R::cx ? CL(0.6, 0.2) : CL(0.6, 0);
        for (auto& v : b) t.push_back(v * a0);
        for (auto& v : a) t.push_back(v * a0);
    }
    // The reference filters with the taps the state is given.
    for (auto& v : t) v = val(make<typename R::Tap>(v));
    return t;
}

// Input amplitude and scale factor by data type.
template <class R> LD amplitude() {
    if constexpr (std::is_same_v<part_t<typename R::Data>, Zor16s>) return 3000;
    else if constexpr (std::is_same_v<part_t<typename R::Data>, Zor32s>) return 3.0e8L;
    else return 1;
}
template <class R> int scale_factor() { return R::integer ? 1 : 0; }

template <class R>
std::vector<typename R::Data> random_data(std::mt19937& g, int len) {
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<typename R::Data> v(len);
    for (auto& x : v) x = make<typename R::Data>(R::cx ? CL(u(g), u(g)) * amplitude<R>() : CL(u(g) * amplitude<R>(), 0));
    return v;
}

template <class T> std::vector<T> convert(const std::vector<CL>& v) {
    std::vector<T> r;
    for (const CL& c : v) r.push_back(make<T>(c));
    return r;
}

// A state from unnormalised taps (InitAlloc), released with the object.
template <class R>
struct Owned {
    typename R::State* st = nullptr;
    Owned(const std::vector<CL>& taps, int n, bool bq, const std::vector<CL>* dly = nullptr) {
        const auto t = convert<typename R::Tap>(taps);
        std::vector<typename R::Tap> d;
        if (dly) d = convert<typename R::Tap>(*dly);
        const auto* dp = dly ? d.data() : nullptr;
        EXPECT_EQ(bq ? R::alloc_bq(&st, t.data(), n, dp) : R::alloc(&st, t.data(), n, dp), zorStsNoErr);
    }
    ~Owned() {
        if (st) EXPECT_EQ(R::release(st), zorStsNoErr);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
};

// Relative tolerance of an output: rounding of the tap precision, or of a
// single-precision destination. The single-precision block scheme forms the
// feed-forward sums apart from the recursion, which loses about a bit more
// per order on filters with large internal gain.
template <class R> LD tolerance(int n = 0) {
    if constexpr (R::single) return 2e-5L * (n + 1);
    else if constexpr (std::is_same_v<part_t<typename R::Data>, float>) return 1e-6L;
    else return 1e-11L;
}

// Expected output from a reference value: integer data scaled, rounded and
// saturated.
template <class R> CL expected(CL ref, int sf) {
    if constexpr (R::integer) {
        const CL s = ref * std::ldexp(1.0L, -sf);
        return val(make<typename R::Data>(s));
    } else {
        return ref;
    }
}

template <class R>
void expect_close(const std::vector<typename R::Data>& got, const std::vector<CL>& ref, int sf, const char* what,
                  int n = 0) {
    LD peak = 0;
    for (const CL& v : ref) peak = std::max(peak, std::abs(expected<R>(v, sf)));
    const LD tol = tolerance<R>(n) * (peak + 1) + (R::integer ? 1 : 0);
    for (std::size_t i = 0; i < got.size(); ++i) {
        const LD e = std::abs(val(got[i]) - expected<R>(ref[i], sf));
        ASSERT_LE(e, tol) << what << " sample " << i << " of " << got.size();
    }
}

template <class R>
void expect_dly_close(typename R::State* st, const std::vector<CL>& ref, LD scale, const char* what, int n = 0) {
    std::vector<typename R::Tap> d(ref.size() + 1);
    ASSERT_EQ(R::get_dly(st, d.data()), zorStsNoErr);
    LD peak = 1;
    for (const CL& v : ref) peak = std::max(peak, std::abs(v));
    for (std::size_t i = 0; i < ref.size(); ++i)
        ASSERT_LE(std::abs(val(d[i]) - ref[i]), tolerance<R>(n) * 4 * (peak + scale)) << what << " delay " << i;
}

template <class R>
class Iir : public ::testing::Test {};
using Rows = ::testing::Types<R32f, R32fc, R32f16s, R32fc16sc, R32s16s, R32sc16sc, R64f, R64fc, R64f32f, R64fc32fc,
                              R64f32s, R64fc32sc, R64f16s, R64fc16sc>;
struct RowName {
    template <class R> static std::string GetName(int) { return R::name; }
};
TYPED_TEST_SUITE(Iir, Rows, RowName);

// Orders and section counts, and the lengths that exercise both paths of the
// single-precision block scheme and the chunk boundary.
constexpr int kOrders[] = {0, 1, 2, 3, 5, 8, 11};
constexpr int kSections[] = {1, 2, 3, 4, 5, 9};
std::vector<int> lengths_for(int n) {
    std::vector<int> v{1, 2, 3, 7};
    for (int m : {4 * n - 1, 4 * n, 4 * n + 1, 4 * n + 2, 4 * n + 5, 4 * n + 6})
        if (m > 0) v.push_back(m);
    for (int m : {1023, 1024, 1025, 2500}) v.push_back(m);
    return v;
}

// ---------------------------------------------------------------------------

TYPED_TEST(Iir, MatchesReferenceAtEveryLevel) {
    using R = TypeParam;
    std::mt19937 g(1234 + R::arb);
    for (bool bq : {false, true}) {
        for (int n : bq ? std::vector<int>(std::begin(kSections), std::end(kSections))
                        : std::vector<int>(std::begin(kOrders), std::end(kOrders))) {
            const auto taps = random_taps<R>(g, n, bq);
            const int dl = bq ? 2 * n : n;
            std::vector<CL> dly(dl);
            std::uniform_real_distribution<double> u(-1.0, 1.0);
            for (auto& v : dly) v = (R::cx ? CL(u(g), u(g)) : CL(u(g), 0)) * amplitude<R>() * LD(0.3);
            for (int len : lengths_for(n)) {
                SCOPED_TRACE(testing::Message() << (bq ? "sections " : "order ") << n << ", length " << len);
                const auto x = random_data<R>(g, len);
                std::vector<CL> xl;
                for (const auto& v : x) xl.push_back(val(v));
                const auto ref = bq ? zref::iir_cascade(taps, n, dly, xl) : zref::iir_direct(taps, n, dly, xl);
                const int sf = scale_factor<R>();
                std::vector<typename R::Data> base;
                zt::for_each_isa([&](zors::Isa) {
                    Owned<R> s(taps, n, bq, &dly);
                    zt::Guarded<typename R::Data> out(len, sizeof(part_t<typename R::Data>));
                    ASSERT_EQ(filt<R>(x.data(), out.data(), len, s.st, sf), zorStsNoErr);
                    ASSERT_TRUE(out.guards_intact());
                    std::vector<typename R::Data> y(out.data(), out.data() + len);
                    expect_close<R>(y, ref.y, sf, "block", bq ? 2 : n);
                    expect_dly_close<R>(s.st, ref.dly, amplitude<R>(), "block", bq ? 2 : n);
                    // Every level forms the same sums in the same order.
                    if (base.empty()) base = y;
                    else ASSERT_EQ(0, std::memcmp(base.data(), y.data(), sizeof(y[0]) * len));
                });
            }
        }
    }
}

TYPED_TEST(Iir, InPlaceAndOneSampleAgreeWithBlocks) {
    using R = TypeParam;
    std::mt19937 g(99 + R::arb);
    const int sf = scale_factor<R>();
    for (bool bq : {false, true}) {
        for (int n : {bq ? 3 : 5, bq ? 1 : 0}) {
            const auto taps = random_taps<R>(g, n, bq);
            for (int len : {1, 3, 4 * n + 1, 1500}) {
                SCOPED_TRACE(testing::Message() << (bq ? "sections " : "order ") << n << ", length " << len);
                const auto x = random_data<R>(g, len);
                Owned<R> a(taps, n, bq), b(taps, n, bq), c(taps, n, bq);
                std::vector<typename R::Data> ya(len), yb(x), yc(len), y1(1);
                ASSERT_EQ(filt<R>(x.data(), ya.data(), len, a.st, sf), zorStsNoErr);
                // In place: the same arithmetic, bit for bit.
                ASSERT_EQ(filt_i<R>(yb.data(), len, b.st, sf), zorStsNoErr);
                ASSERT_EQ(0, std::memcmp(ya.data(), yb.data(), sizeof(ya[0]) * len));
                // One sample at a time: the per-sample recursion; a block of
                // one is the same call.
                Owned<R> d(taps, n, bq);
                for (int i = 0; i < len; ++i) {
                    ASSERT_EQ(filt_one<R>(x[i], &yc[i], c.st, sf), zorStsNoErr);
                    ASSERT_EQ(filt<R>(&x[i], y1.data(), 1, d.st, sf), zorStsNoErr);
                    ASSERT_EQ(0, std::memcmp(&yc[i], y1.data(), sizeof(y1[0])));
                }
                // Where the block is documented to run the per-sample
                // recursion itself (double cascades and orders below 2; short
                // single-precision chunks), the results are identical.
                if (R::single ? len <= 4 * n : (bq || n < 2))
                    ASSERT_EQ(0, std::memcmp(ya.data(), yc.data(), sizeof(ya[0]) * len));
                std::vector<CL> ref;
                for (const auto& v : ya) ref.push_back(val(v) * std::ldexp(1.0L, sf));
                expect_close<R>(yc, ref, sf, "one sample vs block", bq ? 2 : n);
            }
        }
    }
}

TYPED_TEST(Iir, StreamCutAnywhereEqualsOneBlock) {
    using R = TypeParam;
    std::mt19937 g(7 + R::arb);
    const int sf = scale_factor<R>();
    for (bool bq : {false, true}) {
        const int n = bq ? 4 : 8;
        const auto taps = random_taps<R>(g, n, bq);
        const int len = 3000;
        const auto x = random_data<R>(g, len);
        std::vector<CL> xl;
        for (const auto& v : x) xl.push_back(val(v));
        const auto ref = bq ? zref::iir_cascade(taps, n, std::vector<CL>(2 * n), xl)
                            : zref::iir_direct(taps, n, std::vector<CL>(n), xl);
        for (const std::vector<int>& cuts : {std::vector<int>{1, 1, 2, 31, 32, 33, 1024, 1876},
                                             std::vector<int>{1023, 1, 1025, 951}, std::vector<int>{4 * n, 4 * n + 1, 2999 - 8 * n}}) {
            Owned<R> s(taps, n, bq);
            std::vector<typename R::Data> y(len);
            int at = 0;
            for (int c : cuts) {
                ASSERT_EQ(filt<R>(x.data() + at, y.data() + at, c, s.st, sf), zorStsNoErr);
                at += c;
            }
            ASSERT_EQ(at, len);
            expect_close<R>(y, ref.y, sf, "cut stream", bq ? 2 : n);
            expect_dly_close<R>(s.st, ref.dly, amplitude<R>(), "cut stream", bq ? 2 : n);
        }
    }
}

TYPED_TEST(Iir, DelayLineRoundTripsAndClears) {
    using R = TypeParam;
    std::mt19937 g(5 + R::arb);
    for (bool bq : {false, true}) {
        for (int n : {bq ? 1 : 0, 3}) {
            const auto taps = random_taps<R>(g, n, bq);
            const int dl = bq ? 2 * n : n;
            Owned<R> s(taps, n, bq);
            std::vector<typename R::Tap> in(dl + 1), out(dl + 2);
            std::uniform_real_distribution<double> u(-100.0, 100.0);
            for (auto& v : in) v = make<typename R::Tap>(CL(u(g), R::cx ? u(g) : 0));
            ASSERT_EQ(R::set_dly(s.st, in.data()), zorStsNoErr);
            const auto sentinel = make<typename R::Tap>(CL(-7, 0));
            std::fill(out.begin(), out.end(), sentinel);
            ASSERT_EQ(R::get_dly(s.st, out.data()), zorStsNoErr);
            ASSERT_EQ(0, std::memcmp(in.data(), out.data(), sizeof(in[0]) * dl));
            ASSERT_EQ(0, std::memcmp(&out[dl], &sentinel, sizeof sentinel)) << "wrote past the delay line";
            // The delay line drives the zero-input response exactly as the
            // reference's initial state does.
            std::vector<CL> dref;
            for (int i = 0; i < dl; ++i) dref.push_back(val(in[i]));
            const int len = 40;
            std::vector<typename R::Data> zeros(len, make<typename R::Data>(CL(0))), y(len);
            const auto ref = bq ? zref::iir_cascade(taps, n, dref, std::vector<CL>(len))
                                : zref::iir_direct(taps, n, dref, std::vector<CL>(len));
            ASSERT_EQ(filt<R>(zeros.data(), y.data(), len, s.st), zorStsNoErr);
            expect_close<R>(y, ref.y, 0, "zero-input response");
            // A null source clears the line.
            ASSERT_EQ(R::set_dly(s.st, nullptr), zorStsNoErr);
            ASSERT_EQ(R::get_dly(s.st, out.data()), zorStsNoErr);
            for (int i = 0; i < dl; ++i) ASSERT_EQ(val(out[i]), CL(0));
            ASSERT_EQ(filt<R>(zeros.data(), y.data(), len, s.st), zorStsNoErr);
            for (int i = 0; i < len; ++i) ASSERT_EQ(val(y[i]), CL(0));
        }
    }
}

// The documented sizes, for both kinds.
template <class R> std::uint64_t documented(bool bq, std::uint64_t n) {
    auto r16 = [](std::uint64_t v) { return v & ~std::uint64_t{15}; };
    if constexpr (!R::single) {
        if (!R::cx) return bq ? 16 * n + r16(40 * n + 15) + 64 : r16(8 * n + 23) + r16(16 * n + 23) + 64;
        return bq ? 112 * n + 64 : 48 * n + 96;
    } else {
        const std::uint64_t w = (R::cx ? 8192 : 4096) * (R::integer ? 2 : 1);
        if (!R::cx) return bq ? w + 160 * n + 104 + r16(20 * n + 15) + r16(8 * n + 15)
                              : w + 32 * n + 168 + r16(8 * n + 19) + r16(4 * n + 19);
        return bq ? w + 736 * n + 64 + r16(40 * n + 15) + r16(16 * n + 15)
                  : w + 128 * n + 432 + r16(16 * n + 23) + r16(8 * n + 23);
    }
}

TYPED_TEST(Iir, SizesAndPlacementInCallerMemory) {
    using R = TypeParam;
    std::mt19937 g(11 + R::arb);
    for (bool bq : {false, true}) {
        for (int n : {0, 1, 2, 3, 4, 7, 16, 33}) {
            if (bq && n == 0) continue;
            int size = -1;
            ASSERT_EQ(bq ? R::size_bq(n, &size) : R::size(n, &size), zorStsNoErr);
            ASSERT_EQ(static_cast<std::uint64_t>(size), documented<R>(bq, n)) << "n = " << n;
            const auto taps = random_taps<R>(g, n, bq);
            const auto t = convert<typename R::Tap>(taps);
            const auto x = random_data<R>(g, 300);
            std::vector<typename R::Data> want(300), got(300);
            {
                Owned<R> s(taps, n, bq);
                ASSERT_EQ(filt<R>(x.data(), want.data(), 300, s.st, scale_factor<R>()), zorStsNoErr);
            }
            // Every misalignment of a buffer of exactly the reported size:
            // the record at the next 16-byte boundary, nothing written
            // outside, the same filter as the allocated state, and Free
            // releases nothing.
            for (int off = 0; off < 16; off += 3) {
                std::vector<std::uint8_t> raw(size + 64 + 32, 0x5A);
                auto base = reinterpret_cast<std::uintptr_t>(raw.data());
                std::uint8_t* buf = raw.data() + ((32 - base % 16) % 16) + off;
                typename R::State* st = nullptr;
                ASSERT_EQ(bq ? R::init_bq(&st, t.data(), n, nullptr, buf) : R::init(&st, t.data(), n, nullptr, buf), zorStsNoErr);
                ASSERT_EQ(reinterpret_cast<std::uintptr_t>(st) % 16, 0u);
                ASSERT_LT(reinterpret_cast<std::uint8_t*>(st) - buf, 16);
                ASSERT_GE(reinterpret_cast<std::uint8_t*>(st), buf);
                std::uint32_t id;
                std::memcpy(&id, st, 4);
                const int kind = bq ? R::arb + 1 : R::arb;
                ASSERT_EQ(id, 0x49490000u | (std::uint32_t('0' + kind / 10) << 8) | std::uint32_t('0' + kind % 10));
                ASSERT_EQ(filt<R>(x.data(), got.data(), 300, st, scale_factor<R>()), zorStsNoErr);
                ASSERT_EQ(0, std::memcmp(want.data(), got.data(), sizeof(got[0]) * 300));
                ASSERT_EQ(R::release(st), zorStsNoErr);
                for (std::uint8_t* p = buf + size; p < raw.data() + raw.size(); ++p) ASSERT_EQ(*p, 0x5A);
                for (std::uint8_t* p = raw.data(); p < buf; ++p) ASSERT_EQ(*p, 0x5A);
            }
        }
    }
    int size = 7;
    EXPECT_EQ(R::size(0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(R::size(-1, &size), zorStsIIROrderErr);
    EXPECT_EQ(R::size_bq(0, &size), zorStsIIROrderErr);
    EXPECT_EQ(R::size_bq(-3, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(size, 7);
}

TYPED_TEST(Iir, NormalisationFailuresKeepTheStateUsable) {
    using R = TypeParam;
    std::mt19937 g(13 + R::arb);
    // Arbitrary order: a zero a0 from InitAlloc and Init (state built), and
    // from SetTaps (previous taps kept).
    auto taps = random_taps<R>(g, 3, false);
    auto bad = taps;
    bad[4] = CL(0);
    {
        const auto t = convert<typename R::Tap>(bad);
        typename R::State* st = nullptr;
        ASSERT_EQ(R::alloc(&st, t.data(), 3, nullptr), zorStsDivByZeroErr);
        ASSERT_NE(st, nullptr);
        const auto good = convert<typename R::Tap>(taps);
        ASSERT_EQ(R::set_taps(good.data(), st), zorStsNoErr);
        ASSERT_EQ(R::set_taps(t.data(), st), zorStsDivByZeroErr);
        const auto x = random_data<R>(g, 64);
        std::vector<typename R::Data> y(64);
        ASSERT_EQ(filt<R>(x.data(), y.data(), 64, st, scale_factor<R>()), zorStsNoErr);
        std::vector<CL> xl;
        for (const auto& v : x) xl.push_back(val(v));
        expect_close<R>(y, zref::iir_direct(taps, 3, std::vector<CL>(3), xl).y, scale_factor<R>(), "previous taps");
        EXPECT_EQ(R::release(st), zorStsNoErr);
        int size = 0;
        ASSERT_EQ(R::size(3, &size), zorStsNoErr);
        std::vector<std::uint8_t> buf(size);
        st = nullptr;
        EXPECT_EQ(R::init(&st, t.data(), 3, nullptr, buf.data()), zorStsDivByZeroErr);
        EXPECT_NE(st, nullptr);
    }
    // Cascade: a zero b0 in the second section; the first section's new taps
    // are in place, the rest keep the old ones.
    const auto old_taps = random_taps<R>(g, 3, true);
    auto new_taps = random_taps<R>(g, 3, true);
    Owned<R> s(old_taps, 3, true);
    auto broken = new_taps;
    broken[6] = CL(0);
    const auto tb = convert<typename R::Tap>(broken);
    ASSERT_EQ(R::set_taps(tb.data(), s.st), zorStsDivByZeroErr);
    auto mixed = old_taps;
    std::copy(new_taps.begin(), new_taps.begin() + 6, mixed.begin());
    const auto x = random_data<R>(g, 200);
    std::vector<CL> xl;
    for (const auto& v : x) xl.push_back(val(v));
    std::vector<typename R::Data> y(200);
    ASSERT_EQ(filt<R>(x.data(), y.data(), 200, s.st, scale_factor<R>()), zorStsNoErr);
    expect_close<R>(y, zref::iir_cascade(mixed, 3, std::vector<CL>(6), xl).y, scale_factor<R>(), "partly replaced");
    auto zero_a0 = new_taps;
    zero_a0[15] = CL(0);
    const auto ta = convert<typename R::Tap>(zero_a0);
    EXPECT_EQ(R::set_taps(ta.data(), s.st), zorStsDivByZeroErr);
}

TYPED_TEST(Iir, ArgumentChecksLeaveEverythingUntouched) {
    using R = TypeParam;
    std::mt19937 g(17 + R::arb);
    const auto taps = random_taps<R>(g, 2, false);
    const auto t = convert<typename R::Tap>(taps);
    Owned<R> s(taps, 2, false);
    std::vector<typename R::Tap> before(2), after(2);
    ASSERT_EQ(R::get_dly(s.st, before.data()), zorStsNoErr);
    typename R::Data src[4] = {}, dst[4];
    std::memset(dst, 0x3C, sizeof dst);
    const int sf = scale_factor<R>();
    EXPECT_EQ(filt<R>(nullptr, dst, 4, s.st, sf), zorStsNullPtrErr);
    EXPECT_EQ(filt<R>(src, nullptr, 4, s.st, sf), zorStsNullPtrErr);
    EXPECT_EQ(filt<R>(src, dst, 4, nullptr, sf), zorStsNullPtrErr);
    EXPECT_EQ(filt<R>(src, dst, 0, s.st, sf), zorStsSizeErr);
    EXPECT_EQ(filt<R>(src, dst, -5, nullptr, sf), zorStsNullPtrErr);
    EXPECT_EQ(filt_i<R>(nullptr, 4, s.st, sf), zorStsNullPtrErr);
    EXPECT_EQ(filt_i<R>(dst, 0, s.st, sf), zorStsSizeErr);
    EXPECT_EQ(filt_one<R>(src[0], nullptr, s.st, sf), zorStsNullPtrErr);
    EXPECT_EQ(filt_one<R>(src[0], dst, nullptr, sf), zorStsNullPtrErr);
    for (unsigned char c : std::vector<unsigned char>(reinterpret_cast<unsigned char*>(dst), reinterpret_cast<unsigned char*>(dst) + sizeof dst))
        ASSERT_EQ(c, 0x3C);
    ASSERT_EQ(R::get_dly(s.st, after.data()), zorStsNoErr);
    ASSERT_EQ(0, std::memcmp(before.data(), after.data(), sizeof(before[0]) * 2));

    typename R::State* st = reinterpret_cast<typename R::State*>(&dst);
    typename R::State* const mark = st;
    std::uint8_t buf[64];
    EXPECT_EQ(R::alloc(&st, nullptr, 2, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(R::alloc(nullptr, t.data(), 2, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(R::alloc(&st, t.data(), -1, nullptr), zorStsIIROrderErr);
    EXPECT_EQ(R::alloc_bq(&st, t.data(), 0, nullptr), zorStsIIROrderErr);
    EXPECT_EQ(R::init(&st, t.data(), 2, nullptr, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(R::init(&st, nullptr, -1, nullptr, buf), zorStsNullPtrErr);
    EXPECT_EQ(R::init(&st, t.data(), -1, nullptr, buf), zorStsIIROrderErr);
    EXPECT_EQ(R::init_bq(&st, t.data(), 0, nullptr, buf), zorStsIIROrderErr);
    EXPECT_EQ(st, mark);
    EXPECT_EQ(R::set_taps(nullptr, s.st), zorStsNullPtrErr);
    EXPECT_EQ(R::set_taps(t.data(), nullptr), zorStsNullPtrErr);
    EXPECT_EQ(R::get_dly(nullptr, after.data()), zorStsNullPtrErr);
    EXPECT_EQ(R::get_dly(s.st, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(R::set_dly(nullptr, after.data()), zorStsNullPtrErr);
    EXPECT_EQ(R::release(nullptr), zorStsNullPtrErr);
}

// ---------------------------------------------------------------------------
// Identifiers: one state of each of the 28 kinds; every function of a type
// refuses the kinds of every other type, same layout included.

struct AnyState {
    void* p;
    int kind;
};

template <class R>
void make_states(std::vector<AnyState>& v) {
    std::mt19937 g(3);
    for (bool bq : {false, true}) {
        const auto t = convert<typename R::Tap>(random_taps<R>(g, 2, bq));
        typename R::State* st = nullptr;
        EXPECT_EQ(bq ? R::alloc_bq(&st, t.data(), 2, nullptr) : R::alloc(&st, t.data(), 2, nullptr), zorStsNoErr);
        v.push_back({st, bq ? R::arb + 1 : R::arb});
    }
}

template <class R>
void free_states(const std::vector<AnyState>& v) {
    for (const AnyState& a : v)
        if (a.kind == R::arb || a.kind == R::arb + 1) EXPECT_EQ(R::release(static_cast<typename R::State*>(a.p)), zorStsNoErr);
}

// SetTaps of the complex single-precision types serves kinds 03, 04, 11, 12.
template <class R> bool set_taps_accepts(int kind) {
    if (kind == R::arb || kind == R::arb + 1) return true;
    if (R::arb == 3 || R::arb == 11) return kind == 3 || kind == 4 || kind == 11 || kind == 12;
    return false;
}

template <class R>
void expect_refused(const std::vector<AnyState>& all) {
    for (const AnyState& a : all) {
        if (a.kind == R::arb || a.kind == R::arb + 1) continue;
        SCOPED_TRACE(testing::Message() << R::name << " given kind " << a.kind);
        auto* st = static_cast<typename R::State*>(a.p);
        std::vector<std::uint8_t> probe(4096, 0x77);
        const std::vector<std::uint8_t> copy(static_cast<std::uint8_t*>(a.p), static_cast<std::uint8_t*>(a.p) + 48);
        auto* tp = reinterpret_cast<typename R::Tap*>(probe.data() + 512);
        auto* dp = reinterpret_cast<typename R::Data*>(probe.data() + 2048);
        const int sf = 0;
        EXPECT_EQ(R::get_dly(st, tp), zorStsContextMatchErr);
        EXPECT_EQ(R::set_dly(st, tp), zorStsContextMatchErr);
        EXPECT_EQ(R::set_dly(st, nullptr), zorStsContextMatchErr);
        EXPECT_EQ(filt<R>(dp, dp, 4, st, sf), zorStsContextMatchErr);
        EXPECT_EQ(filt_i<R>(dp, 4, st, sf), zorStsContextMatchErr);
        EXPECT_EQ(filt_one<R>(dp[0], dp, st, sf), zorStsContextMatchErr);
        EXPECT_EQ(R::release(st), zorStsContextMatchErr);
        if (!set_taps_accepts<R>(a.kind)) EXPECT_EQ(R::set_taps(tp, st), zorStsContextMatchErr);
        for (std::size_t i = 0; i < probe.size(); ++i) ASSERT_EQ(probe[i], 0x77);
        ASSERT_EQ(0, std::memcmp(copy.data(), a.p, 48));
    }
}

template <class... R>
struct AllRows {
    static void run() {
        std::vector<AnyState> all;
        (make_states<R>(all), ...);
        ASSERT_EQ(all.size(), 28u);
        (expect_refused<R>(all), ...);
        (free_states<R>(all), ...);
    }
};

TEST(IirKinds, EveryTypeRefusesEveryOtherKind) {
    AllRows<R32f, R32fc, R32f16s, R32fc16sc, R32s16s, R32sc16sc, R64f, R64fc, R64f32f, R64fc32fc, R64f32s, R64fc32sc,
            R64f16s, R64fc16sc>::run();
}

// SetTaps of complex single-precision taps serves both complex states.
TEST(IirKinds, ComplexSingleSetTapsServesBothComplexTypes) {
    std::mt19937 g(21);
    const auto taps = random_taps<R32fc>(g, 2, false);
    const auto t = convert<Zor32fc>(taps);
    Owned<R32fc> a(taps, 2, false);
    Owned<R32sc16sc> b(taps, 2, false);
    EXPECT_EQ(zorsIIRSetTaps_32fc(t.data(), reinterpret_cast<ZorsIIRState_32fc*>(b.st)), zorStsNoErr);
    EXPECT_EQ(zorsIIRSetTaps32sc_16sc32fc(t.data(), reinterpret_cast<ZorsIIRState32sc_16sc*>(a.st)), zorStsNoErr);
    std::vector<Zor32sc> it(6, Zor32sc{1, 0});
    EXPECT_EQ(zorsIIRSetTaps32sc_16sc(it.data(), reinterpret_cast<ZorsIIRState32sc_16sc*>(a.st), 0), zorStsNoErr);
    EXPECT_EQ(zorsIIRSetTaps32s_16s(reinterpret_cast<const Zor32s*>(it.data()),
                                    reinterpret_cast<ZorsIIRState32s_16s*>(a.st), 0), zorStsContextMatchErr);
}

// ---------------------------------------------------------------------------
// Integer taps stand for v * 2^-tapsFactor: the same state as the
// single-precision taps.

TEST(IirIntegerTaps, ScaledTapsBuildTheSingleFloatState) {
    std::mt19937 g(23);
    std::uniform_int_distribution<int> u(-3000, 3000);
    for (int tf : {-2, 0, 12}) {
        for (bool bq : {false, true}) {
            const int n = bq ? 2 : 3, count = bq ? 12 : 8;
            std::vector<Zor32s> it(count);
            std::vector<Zor32sc> ct(count);
            for (int i = 0; i < count; ++i) {
                it[i] = u(g);
                ct[i] = Zor32sc{u(g), u(g)};
            }
            it[bq ? 3 : n + 1] = 4096;
            ct[bq ? 3 : n + 1] = Zor32sc{4096, 100};
            it[0] = 1000;
            it[bq ? 6 : 1] = -900;
            if (bq) {
                it[9] = 4096;
                ct[9] = Zor32sc{4096, -7};
            }
            std::vector<Zor32f> ft(count);
            std::vector<Zor32fc> cft(count);
            for (int i = 0; i < count; ++i) {
                ft[i] = std::ldexp(static_cast<float>(it[i]), -tf);
                cft[i] = Zor32fc{std::ldexp(static_cast<float>(ct[i].re), -tf), std::ldexp(static_cast<float>(ct[i].im), -tf)};
            }
            ZorsIIRState32s_16s *a = nullptr, *b = nullptr;
            ZorsIIRState32sc_16sc *c = nullptr, *d = nullptr;
            int size = 0;
            ASSERT_EQ(bq ? zorsIIRGetStateSize32s_BiQuad_16s(n, &size) : zorsIIRGetStateSize32s_16s(n, &size), zorStsNoErr);
            std::vector<Zor8u> buf(size);
            ASSERT_EQ(bq ? zorsIIRInit32s_BiQuad_16s(&a, it.data(), n, tf, nullptr, buf.data())
                         : zorsIIRInit32s_16s(&a, it.data(), n, tf, nullptr, buf.data()), zorStsNoErr);
            ASSERT_EQ(bq ? zorsIIRInitAlloc32s_BiQuad_16s32f(&b, ft.data(), n, nullptr)
                         : zorsIIRInitAlloc32s_16s32f(&b, ft.data(), n, nullptr), zorStsNoErr);
            ASSERT_EQ(bq ? zorsIIRInitAlloc32sc_BiQuad_16sc(&c, ct.data(), n, tf, nullptr)
                         : zorsIIRInitAlloc32sc_16sc(&c, ct.data(), n, tf, nullptr), zorStsNoErr);
            ASSERT_EQ(bq ? zorsIIRInitAlloc32sc_BiQuad_16sc32fc(&d, cft.data(), n, nullptr)
                         : zorsIIRInitAlloc32sc_16sc32fc(&d, cft.data(), n, nullptr), zorStsNoErr);
            std::vector<Zor16s> x(700);
            std::vector<Zor16sc> cx(700);
            for (auto& v : x) v = static_cast<Zor16s>(u(g));
            for (auto& v : cx) v = Zor16sc{static_cast<Zor16s>(u(g)), static_cast<Zor16s>(u(g))};
            std::vector<Zor16s> ya(700), yb(700);
            std::vector<Zor16sc> yc(700), yd(700);
            ASSERT_EQ(zorsIIR32s_16s_Sfs(x.data(), ya.data(), 700, a, 2), zorStsNoErr);
            ASSERT_EQ(zorsIIR32s_16s_Sfs(x.data(), yb.data(), 700, b, 2), zorStsNoErr);
            ASSERT_EQ(zorsIIR32sc_16sc_Sfs(cx.data(), yc.data(), 700, c, 2), zorStsNoErr);
            ASSERT_EQ(zorsIIR32sc_16sc_Sfs(cx.data(), yd.data(), 700, d, 2), zorStsNoErr);
            EXPECT_EQ(0, std::memcmp(ya.data(), yb.data(), sizeof(ya[0]) * 700));
            EXPECT_EQ(0, std::memcmp(yc.data(), yd.data(), sizeof(yc[0]) * 700));
            // SetTaps with integer taps rebuilds the same taps.
            ASSERT_EQ(zorsIIRSetTaps32s_16s(it.data(), b, tf), zorStsNoErr);
            ASSERT_EQ(zorsIIRSetTaps32sc_16sc(ct.data(), d, tf), zorStsNoErr);
            ASSERT_EQ(zorsIIRSetDlyLine32s_16s(a, nullptr), zorStsNoErr);
            ASSERT_EQ(zorsIIRSetDlyLine32s_16s(b, nullptr), zorStsNoErr);
            ASSERT_EQ(zorsIIR32s_16s_Sfs(x.data(), ya.data(), 700, a, 2), zorStsNoErr);
            ASSERT_EQ(zorsIIR32s_16s_Sfs(x.data(), yb.data(), 700, b, 2), zorStsNoErr);
            EXPECT_EQ(0, std::memcmp(ya.data(), yb.data(), sizeof(ya[0]) * 700));
            EXPECT_EQ(zorsIIRFree32s_16s(a), zorStsNoErr);
            EXPECT_EQ(zorsIIRFree32s_16s(b), zorStsNoErr);
            EXPECT_EQ(zorsIIRFree32sc_16sc(c), zorStsNoErr);
            EXPECT_EQ(zorsIIRFree32sc_16sc(d), zorStsNoErr);
        }
    }
    ZorsIIRState32s_16s* st = nullptr;
    Zor32s t[4] = {1, 0, 1, 0};
    Zor8u buf[16];
    EXPECT_EQ(zorsIIRInitAlloc32s_16s(&st, nullptr, 1, 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsIIRInit32s_16s(&st, t, 1, 0, nullptr, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsIIRInit32s_16s(&st, t, -1, 0, nullptr, buf), zorStsIIROrderErr);
    EXPECT_EQ(zorsIIRInitAlloc32s_BiQuad_16s(&st, t, 0, 0, nullptr), zorStsIIROrderErr);
    EXPECT_EQ(zorsIIRSetTaps32s_16s(t, nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(st, nullptr);
}

// Saturated outputs leave the recursion alone: after an overload the filter
// goes on exactly as an unbounded one would.
TEST(IirSaturation, OverloadRecoversLikeAnUnboundedFilter) {
    // y[n] = 4 x[n] + 0.5 y[n-1]
    const std::vector<CL> taps{CL(4), CL(0), CL(1), CL(-0.5)};
    std::vector<Zor16s> x(200, 0);
    for (int i = 0; i < 20; ++i) x[i] = 30000;
    for (int i = 20; i < 200; i += 3) x[i] = static_cast<Zor16s>(-100 * (i % 7));
    std::vector<CL> xl;
    for (Zor16s v : x) xl.push_back(CL(v));
    const auto ref = zref::iir_direct(taps, 1, std::vector<CL>(1), xl);
    Owned<R32f16s> a(taps, 1, false);
    Owned<R64f16s> b(taps, 1, false);
    std::vector<Zor16s> ya(200), yb(200);
    ASSERT_EQ(zorsIIR32f_16s_Sfs(x.data(), ya.data(), 200, a.st, 0), zorStsNoErr);
    ASSERT_EQ(zorsIIR64f_16s_Sfs(x.data(), yb.data(), 200, b.st, 0), zorStsNoErr);
    for (int i = 0; i < 200; ++i) {
        const LD e = std::nearbyint(ref.y[i].real());
        const Zor16s want = static_cast<Zor16s>(std::clamp<LD>(e, -32768, 32767));
        ASSERT_EQ(yb[i], want) << i;
        ASSERT_LE(std::abs(ya[i] - want), 1) << i;
    }
    EXPECT_EQ(ya[5], 32767);
    // 32-bit data saturate at the 32-bit bounds.
    Owned<R64f32s> c(taps, 1, false);
    Zor32s big[3] = {2000000000, -2000000000, 0}, out[3];
    ASSERT_EQ(zorsIIR64f_32s_Sfs(big, out, 3, c.st, 0), zorStsNoErr);
    EXPECT_EQ(out[0], INT32_MAX);
    EXPECT_EQ(out[1], INT32_MIN);
    EXPECT_EQ(out[2], -2000000000);  // 0.5 * (-4e9): back in range
}

}  // namespace
