// LMS filters against reference models of the update rule: the floating
// state and direct forms (32f and 16s data) in long double, chained calls,
// the normalised Q15 step, and the integer multi-rate states (real and
// complex) exactly, with a plain sample history instead of a circular buffer.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/common.h"

namespace {

// ---------------------------------------------------------------------------
// Floating LMS.

#define LMS_KIND(K, N, S, D)                                                                                   \
    struct K {                                                                                                 \
        using State = S;                                                                                       \
        using Data = D;                                                                                        \
        static constexpr const char* name = #K;                                                                \
        static constexpr bool integer = std::is_integral_v<D>;                                                 \
        static ZorStatus init(S** p, const float* h, int l, const D* d, int i) { return zorsFIRLMSInitAlloc##N(p, h, l, d, i); } \
        static ZorStatus run(const D* x, const D* r, D* y, int n, float mu, S* s) { return zorsFIRLMS##N(x, r, y, n, mu, s); } \
        static ZorStatus taps(const S* s, float* h) { return zorsFIRLMSGetTaps##N(s, h); }                     \
        static ZorStatus set_dly(S* s, const D* d, int i) { return zorsFIRLMSSetDlyLine##N(s, d, i); }         \
        static ZorStatus get_dly(const S* s, D* d, int* i) { return zorsFIRLMSGetDlyLine##N(s, d, i); }        \
        static ZorStatus release(S* s) { return zorsFIRLMSFree##N(s); }                                        \
        static ZorStatus one(D x, D r, D* y, float* h, int l, float mu, D* d, int* i) {                        \
            return zorsFIRLMSOne_Direct##N(x, r, y, h, l, mu, d, i);                                           \
        }                                                                                                      \
    };
LMS_KIND(Lms32f, _32f, ZorsFIRLMSState_32f, Zor32f)
LMS_KIND(Lms16s, 32f_16s, ZorsFIRLMSState32f_16s, Zor16s)
#undef LMS_KIND

struct KindName {
    template <class K> static std::string GetName(int) { return K::name; }
};
template <class K> class Lms : public testing::Test {};
using Kinds = testing::Types<Lms32f, Lms16s>;
TYPED_TEST_SUITE(Lms, Kinds, KindName);

long double round_even(long double v) {
    const long double f = std::floor(v), d = v - f;
    return d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0) ? f + 1 : f;
}

// The update rule on a plain history: taps h in the caller's order (h[k]
// meets the sample k steps old).
struct LmsModel {
    std::vector<long double> h, hist;  // hist[0] the newest sample
    bool integer;
    long double step(long double x, long double ref, long double mu) {
        hist.insert(hist.begin(), x);
        hist.pop_back();
        long double y = 0;
        for (std::size_t k = 0; k < h.size(); ++k) y += h[k] * hist[k];
        const long double c = integer ? std::clamp(y, -32768.0L, 32767.0L) : y;
        const long double g = 2 * mu * (ref - c);
        for (std::size_t k = 0; k < h.size(); ++k) h[k] += g * hist[k];
        return integer ? round_even(c) : y;
    }
};

template <class K>
std::vector<typename K::Data> samples(zt::Rng& g, int n) {
    std::vector<typename K::Data> v(n);
    for (auto& x : v) {
        const long double u = static_cast<long double>(g.bits() % 2000001) / 1e6L - 1;
        if constexpr (K::integer) x = static_cast<typename K::Data>(std::lround(u * 3000));
        else x = static_cast<float>(u);
    }
    return v;
}

TYPED_TEST(Lms, FollowsTheUpdateRuleAndChainsExactly) {
    using K = TypeParam;
    using D = typename K::Data;
    zt::Rng g(17);
    for (int len : {1, 2, 3, 4, 5, 8, 16, 33}) {
        SCOPED_TRACE(testing::Message() << "tapsLen " << len);
        const int n = 300;
        const float mu = K::integer ? 2e-9f / len : 0.02f / len;
        std::vector<float> h0(len);
        for (auto& t : h0) t = static_cast<float>(g.bits() % 2001) / 4000.0f - 0.25f;
        const auto x = samples<K>(g, n), ref = samples<K>(g, n);
        typename K::State *a = nullptr, *b = nullptr;
        ASSERT_EQ(K::init(&a, h0.data(), len, nullptr, 0), zorStsNoErr);
        ASSERT_EQ(K::init(&b, h0.data(), len, nullptr, 0), zorStsNoErr);
        std::vector<D> whole(n), parts(n), direct(n);
        ASSERT_EQ(K::run(x.data(), ref.data(), whole.data(), n, mu, a), zorStsNoErr);
        for (int pos = 0; pos < n;) {
            const int c = std::min<int>(n - pos, 1 + static_cast<int>(g.bits() % 40));
            ASSERT_EQ(K::run(x.data() + pos, ref.data() + pos, parts.data() + pos, c, mu, b), zorStsNoErr);
            pos += c;
        }
        // The direct form with the taps in window order does the same steps.
        std::vector<float> hw(h0.rbegin(), h0.rend());
        std::vector<D> dly(2 * len);
        int idx = 0;
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(K::one(x[i], ref[i], &direct[i], hw.data(), len, mu, dly.data(), &idx), zorStsNoErr);
        EXPECT_EQ(std::memcmp(whole.data(), parts.data(), sizeof(D) * n), 0);
        EXPECT_EQ(std::memcmp(whole.data(), direct.data(), sizeof(D) * n), 0);
        std::vector<float> ha(len), hb(len);
        ASSERT_EQ(K::taps(a, ha.data()), zorStsNoErr);
        ASSERT_EQ(K::taps(b, hb.data()), zorStsNoErr);
        for (int k = 0; k < len; ++k) {
            EXPECT_EQ(ha[k], hb[k]);
            EXPECT_EQ(ha[k], hw[len - 1 - k]);
        }
        LmsModel m{std::vector<long double>(h0.begin(), h0.end()), std::vector<long double>(len), K::integer};
        const long double scale = K::integer ? 3000 : 1;
        for (int i = 0; i < n; ++i) {
            const long double want = m.step(x[i], ref[i], mu);
            ASSERT_NEAR(static_cast<long double>(whole[i]), want, K::integer ? 1.0L : 2e-5L * scale * len) << "sample " << i;
        }
        for (int k = 0; k < len; ++k) EXPECT_NEAR(ha[k], m.h[k], 1e-4L) << "tap " << k;
        EXPECT_EQ(K::release(a), zorStsNoErr);
        EXPECT_EQ(K::release(b), zorStsNoErr);
    }
}

TYPED_TEST(Lms, ZeroStepIsAFixedFilterAndDelayLinesRoundTrip) {
    using K = TypeParam;
    using D = typename K::Data;
    const float h[3] = {0.5f, -0.25f, 2.0f};
    const D init[3] = {D(4), D(-2), D(6)};
    typename K::State* s = nullptr;
    ASSERT_EQ(K::init(&s, h, 3, init, 1), zorStsNoErr);
    D back[3];
    int idx = -1;
    ASSERT_EQ(K::get_dly(s, back, &idx), zorStsNoErr);
    EXPECT_EQ(idx, 1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(back[k], init[k]);
    const D raw[3] = {D(10), D(20), D(30)};
    ASSERT_EQ(K::set_dly(s, raw, 2), zorStsNoErr);
    ASSERT_EQ(K::get_dly(s, back, &idx), zorStsNoErr);
    EXPECT_EQ(idx, 2);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(back[k], raw[k]);
    ASSERT_EQ(K::set_dly(s, nullptr, 0), zorStsNoErr);
    const D x[5] = {D(8), D(-4), D(4), D(16), D(0)}, r[5] = {D(100), D(-3), D(7), D(1), D(9)};
    D y[5];
    ASSERT_EQ(K::run(x, r, y, 5, 0.0f, s), zorStsNoErr);
    for (int n = 0; n < 5; ++n) {
        long double want = 0;
        for (int k = 0; k < 3; ++k) want += n >= k ? h[k] * static_cast<long double>(x[n - k]) : 0;
        EXPECT_EQ(static_cast<long double>(y[n]), want) << n;
    }
    float ht[3];
    ASSERT_EQ(K::taps(s, ht), zorStsNoErr);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ht[k], h[k]);
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

TYPED_TEST(Lms, WorkedExampleAndChecks) {
    using K = TypeParam;
    using D = typename K::Data;
    typename K::State* s = nullptr;
    const float zero = 0;
    ASSERT_EQ(K::init(&s, &zero, 1, nullptr, 0), zorStsNoErr);
    const D x[2] = {D(1), D(1)}, r[2] = {D(1), D(1)};
    zt::Guarded<D> y(2);
    ASSERT_EQ(K::run(x, r, y.data(), 2, 0.5f, s), zorStsNoErr);
    EXPECT_EQ(y[0], D(0));
    EXPECT_EQ(y[1], D(1));

    zt::Guarded<D> out(4);
    typename K::State* none = reinterpret_cast<typename K::State*>(&out);
    EXPECT_EQ(K::init(nullptr, &zero, 1, nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(K::init(&none, &zero, 0, nullptr, 0), zorStsSizeErr);
    EXPECT_EQ(K::init(&none, &zero, 3, nullptr, 3), zorStsDlyLineIndexErr);
    EXPECT_EQ(K::run(x, r, out.data(), 2, 0.5f, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(K::run(nullptr, r, out.data(), 2, 0.5f, s), zorStsNullPtrErr);
    EXPECT_EQ(K::run(x, nullptr, out.data(), 2, 0.5f, s), zorStsNullPtrErr);
    EXPECT_EQ(K::run(x, r, nullptr, 0, 0.5f, s), zorStsNullPtrErr);
    EXPECT_EQ(K::run(x, r, out.data(), 0, 0.5f, s), zorStsSizeErr);
    // A state of the other data type, or no state at all, is refused.
    Zor8u junk[64] = {1, 2, 3, 4};
    EXPECT_EQ(K::run(x, r, out.data(), 2, 0.5f, reinterpret_cast<typename K::State*>(junk)), zorStsContextMatchErr);
    float h[1];
    EXPECT_EQ(K::taps(reinterpret_cast<typename K::State*>(junk), h), zorStsContextMatchErr);
    EXPECT_EQ(K::set_dly(s, nullptr, 1), zorStsDlyLineIndexErr);
    int idx;
    EXPECT_EQ(K::get_dly(s, nullptr, &idx), zorStsNullPtrErr);
    EXPECT_TRUE(out.untouched());
    EXPECT_EQ(none, reinterpret_cast<typename K::State*>(&out));
    D dly[2] = {};
    int bad = 1;
    float tap = 0;
    D v = D(5);
    EXPECT_EQ(K::one(x[0], r[0], &v, &tap, 1, 0.5f, dly, &bad), zorStsDlyLineIndexErr);
    EXPECT_EQ(K::one(x[0], r[0], &v, &tap, 0, 0.5f, dly, &bad), zorStsSizeErr);
    EXPECT_EQ(K::one(x[0], r[0], nullptr, &tap, 1, 0.5f, dly, &bad), zorStsNullPtrErr);
    EXPECT_EQ(v, D(5));
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

// ---------------------------------------------------------------------------
// Normalised Q15 step against the definition.
TEST(LmsQ15, AgainstTheDefinition) {
    zt::Rng g(23);
    for (int len : {1, 2, 5, 16, 31}) {
        for (int mu : {0, 1000, 16384, 32767}) {
            std::vector<Zor32s> taps(len), want_taps(len);
            for (auto& t : taps) t = static_cast<Zor32s>(static_cast<int>(g.bits() % 65536) - 32768);
            want_taps = taps;
            std::vector<Zor16s> dly(2 * len);
            std::vector<long double> hist(len);  // hist[0] the newest
            int idx = 0;
            for (int n = 0; n < 60; ++n) {
                const Zor16s x = static_cast<Zor16s>(static_cast<int>(g.bits() % 20001) - 10000);
                const Zor16s r = static_cast<Zor16s>(static_cast<int>(g.bits() % 20001) - 10000);
                hist.insert(hist.begin(), x);
                hist.pop_back();
                long double s = 0, e = 0;
                for (int k = 0; k < len; ++k) {
                    s += want_taps[len - 1 - k] * hist[k];
                    e += hist[k] * hist[k];
                }
                const long double y = std::clamp(s / 32768, -32768.0L, 32767.0L);
                if (e != 0) {
                    const double st = static_cast<double>((r - y) * mu) / static_cast<double>(e);
                    for (int k = 0; k < len; ++k)
                        want_taps[len - 1 - k] = static_cast<Zor32s>(round_even(static_cast<double>(st * hist[k]) + want_taps[len - 1 - k]));
                }
                Zor16s out = 0;
                ASSERT_EQ(zorsFIRLMSOne_DirectQ15_16s(x, r, &out, taps.data(), len, mu, dly.data(), &idx), zorStsNoErr);
                ASSERT_EQ(out, round_even(y)) << "len " << len << " mu " << mu << " n " << n;
                for (int k = 0; k < len; ++k) ASSERT_NEAR(taps[k], want_taps[k], 1) << k;
                taps = want_taps;  // keep both on the same path after a last-bit difference
            }
        }
    }
    // An all-zero window leaves the taps and outputs 0.
    Zor32s t[3] = {5, -7, 9};
    Zor16s d[6] = {};
    Zor16s out = 99;
    int idx = 2;
    ASSERT_EQ(zorsFIRLMSOne_DirectQ15_16s(0, 1000, &out, t, 3, 32767, d, &idx), zorStsNoErr);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(idx, 0);
    EXPECT_EQ(t[0], 5);
    EXPECT_EQ(t[1], -7);
    EXPECT_EQ(t[2], 9);
}

// ---------------------------------------------------------------------------
// Integer multi-rate LMS: exact model with a sample history.

using ci = std::complex<std::int64_t>;
std::int32_t wrap(std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v))); }

template <bool Cplx>
struct MrKind {
    using S = std::conditional_t<Cplx, ZorsFIRLMSMRState32sc_16sc, ZorsFIRLMSMRState32s_16s>;
    using C = std::conditional_t<Cplx, Zor16sc, Zor16s>;
    using T = std::conditional_t<Cplx, Zor32sc, Zor32s>;
    static ci of(C v) { if constexpr (Cplx) return {v.re, v.im}; else return {v, 0}; }
    static ci of_tap(T v) { if constexpr (Cplx) return {v.re, v.im}; else return {v, 0}; }
    static T tap(ci v) { if constexpr (Cplx) return T{wrap(v.real()), wrap(v.imag())}; else return wrap(v.real()); }
    static C sample(zt::Rng& g) {
        auto one = [&] { return static_cast<Zor16s>(static_cast<int>(g.bits() % 65536) - 32768); };
        if constexpr (Cplx) return C{one(), one()}; else return one();
    }
#define MR_CALL(F) [](auto... a) { if constexpr (Cplx) return zorsFIRLMSMR##F##32sc_16sc(a...); else return zorsFIRLMSMR##F##32s_16s(a...); }
    static ZorStatus init(S** p, const T* h, int l, const C* d, int i, int st, int u, Zor32s mu) { return MR_CALL(InitAlloc)(p, h, l, d, i, st, u, mu); }
    static ZorStatus put(C v, S* s) { return MR_CALL(PutVal)(v, s); }
    static ZorStatus one(T* y, S* s) { return MR_CALL(One)(y, s); }
    static ZorStatus one_val(C v, T* y, S* s) { return MR_CALL(OneVal)(v, y, s); }
    static ZorStatus update(T e, S* s) { return MR_CALL(UpdateTaps)(e, s); }
    static ZorStatus dly_val(const S* s, C* v, int i) { return MR_CALL(GetDlyVal)(s, v, i); }
    static ZorStatus get_taps(const S* s, T* h) { return MR_CALL(GetTaps)(s, h); }
    static ZorStatus set_taps(S* s, const T* h) { return MR_CALL(SetTaps)(s, h); }
    static ZorStatus set_mu(S* s, Zor32s mu) { return MR_CALL(SetMu)(s, mu); }
    static ZorStatus taps_ptr(S* s, T** p) { return MR_CALL(GetTapsPointer)(s, p); }
    static ZorStatus release(S* s) { return MR_CALL(Free)(s); }
#undef MR_CALL
};

template <class K> class LmsMr : public testing::Test {};
using MrKinds = testing::Types<MrKind<false>, MrKind<true>>;
TYPED_TEST_SUITE(LmsMr, MrKinds);

std::int32_t gain(std::int32_t mu, std::int64_t e) {
    return wrap(static_cast<std::int64_t>(wrap(static_cast<std::int64_t>(mu) * e)) + 16384) >> 15;
}

TYPED_TEST(LmsMr, MatchesAModelOfTheDelayedUpdate) {
    using K = TypeParam;
    using T = typename K::T;
    using C = typename K::C;
    constexpr bool cplx = std::is_same_v<C, Zor16sc>;
    zt::Rng g(29);
    const int shapes[][3] = {{1, 1, 0}, {4, 1, 0}, {3, 2, 1}, {5, 3, 4}, {8, 1, 7}};
    for (const auto& sh : shapes) {
        const int len = sh[0], step = sh[1], upd = sh[2], dlen = len * step + upd;
        SCOPED_TRACE(testing::Message() << "tapsLen " << len << " step " << step << " updateDly " << upd);
        std::vector<T> h(len);
        std::vector<ci> taps(len);  // model taps in caller order
        for (int k = 0; k < len; ++k) {
            taps[k] = ci(static_cast<std::int64_t>(g.bits() % 4000001) - 2000000, cplx ? static_cast<std::int64_t>(g.bits() % 4000001) - 2000000 : 0);
            h[k] = K::tap(taps[k]);
        }
        Zor32s mu = 3000;
        typename K::S* s = nullptr;
        ASSERT_EQ(K::init(&s, h.data(), len, nullptr, 0, step, upd, mu), zorStsNoErr);
        std::vector<ci> hist(dlen);  // hist.back() the newest
        auto age = [&](int a) { return hist[hist.size() - 1 - a]; };
        for (int n = 0; n < 200; ++n) {
            const int op = static_cast<int>(g.bits() % 5);
            if (op <= 1) {
                const C v = K::sample(g);
                hist.push_back(K::of(v));
                T y;
                if (op == 0) {
                    ASSERT_EQ(K::put(v, s), zorStsNoErr);
                    ASSERT_EQ(K::one(&y, s), zorStsNoErr);
                } else {
                    ASSERT_EQ(K::one_val(v, &y, s), zorStsNoErr);
                }
                // tap k (caller order) meets the sample k * step older than the newest
                std::int64_t re = 0, im = 0;
                for (int k = 0; k < len; ++k) {
                    const ci t(static_cast<std::int32_t>(taps[k].real()) >> 16, static_cast<std::int32_t>(taps[k].imag()) >> 16);
                    const ci w = age(k * step);
                    re += t.real() * w.real() - t.imag() * w.imag();
                    im += t.real() * w.imag() + t.imag() * w.real();
                }
                const ci got = K::of_tap(y);
                ASSERT_EQ(got.real(), wrap(re)) << "step " << n;
                ASSERT_EQ(got.imag(), cplx ? wrap(im) : 0) << "step " << n;
            } else if (op <= 3) {
                const ci e(static_cast<std::int64_t>(g.bits() % 200001) - 100000, cplx ? static_cast<std::int64_t>(g.bits() % 200001) - 100000 : 0);
                ASSERT_EQ(K::update(K::tap(e), s), zorStsNoErr);
                const std::int64_t gr = gain(mu, e.real()), gi = gain(mu, e.imag());
                for (int k = 0; k < len; ++k) {
                    const ci u = age(k * step + upd);
                    taps[k] = ci(wrap(taps[k].real() + u.real() * gr + u.imag() * gi), wrap(taps[k].imag() + u.real() * gi - u.imag() * gr));
                }
            } else {
                mu = static_cast<Zor32s>(g.bits() % 20000);
                ASSERT_EQ(K::set_mu(s, mu), zorStsNoErr);
            }
        }
        std::vector<T> got(len);
        ASSERT_EQ(K::get_taps(s, got.data()), zorStsNoErr);
        T* own = nullptr;
        ASSERT_EQ(K::taps_ptr(s, &own), zorStsNoErr);
        for (int k = 0; k < len; ++k) {
            EXPECT_EQ(K::of_tap(got[k]), ci(wrap(taps[k].real()), wrap(taps[k].imag()))) << k;
            EXPECT_EQ(K::of_tap(own[len - 1 - k]), K::of_tap(got[k])) << k;
        }
        // GetDlyVal: index j is the sample (len - 1) * step - j older than the
        // newest (circularly beyond the newest).
        for (int j = 0; j <= dlen; ++j) {
            C v;
            ASSERT_EQ(K::dly_val(s, &v, j), zorStsNoErr);
            const int a = (((len - 1) * step - j) % dlen + dlen) % dlen;
            EXPECT_EQ(K::of(v), age(a)) << "index " << j;
        }
        C v{};
        EXPECT_EQ(K::dly_val(s, &v, dlen + 1), zorStsBadArgErr);
        EXPECT_EQ(K::dly_val(s, &v, -1), zorStsBadArgErr);
        ASSERT_EQ(K::set_taps(s, nullptr), zorStsNoErr);
        ASSERT_EQ(K::get_taps(s, got.data()), zorStsNoErr);
        for (int k = 0; k < len; ++k) EXPECT_EQ(K::of_tap(got[k]), ci(0, 0));
        EXPECT_EQ(K::release(s), zorStsNoErr);
    }
}

TYPED_TEST(LmsMr, ChecksInOrder) {
    using K = TypeParam;
    using T = typename K::T;
    using C = typename K::C;
    typename K::S* s = nullptr;
    EXPECT_EQ(K::init(nullptr, nullptr, 1, nullptr, 0, 1, 0, 1), zorStsNullPtrErr);
    EXPECT_EQ(K::init(&s, nullptr, 0, nullptr, 0, 1, 0, 1), zorStsSizeErr);
    EXPECT_EQ(K::init(&s, nullptr, 2, nullptr, 0, 0, 0, 1), zorStsSizeErr);
    EXPECT_EQ(K::init(&s, nullptr, 2, nullptr, 5, 2, 1, 1), zorStsSizeErr);  // dlyLen 5
    EXPECT_EQ(K::init(&s, nullptr, 2, nullptr, -1, 2, 1, 1), zorStsSizeErr);
    EXPECT_EQ(s, nullptr);
    ASSERT_EQ(K::init(&s, nullptr, 2, nullptr, 4, 2, 1, 1), zorStsNoErr);
    T y{};
    EXPECT_EQ(K::one(nullptr, s), zorStsNullPtrErr);
    EXPECT_EQ(K::put(C{}, nullptr), zorStsNullPtrErr);
    Zor8u junk[64] = {7};
    auto* other = reinterpret_cast<typename K::S*>(junk);
    EXPECT_EQ(K::one(&y, other), zorStsContextMatchErr);
    EXPECT_EQ(K::update(T{}, other), zorStsContextMatchErr);
    EXPECT_EQ(K::set_mu(other, 5), zorStsContextMatchErr);
    EXPECT_EQ(K::release(s), zorStsNoErr);
}

}  // namespace
