// DFT of any length against the long-double definition: every length 1..300
// and long smooth, prime and Bluestein lengths, for every kind and direction
// (every packed layout for the real kinds, odd and even), round trips with
// every flag in place and out of place, the out-of-order spectra (round trip
// and cyclic convolution), buffer sizes, identifiers and check order.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <thread>

#include "tests/transform/dft_kinds.h"
#include "transform/fft.h"

namespace {

using zref::cld;

template <class T> long double eps() { return sizeof(T) == 4 ? 1.19e-7L : 2.22e-16L; }

bool smooth7(std::size_t n) {
    for (std::size_t f : {2, 3, 5, 7})
        while (n % f == 0) n /= f;
    return n == 1;
}

// The accuracy bound of a length: ε·(1 + √log2 N), four times that when N
// has a prime factor above 7.
template <class T> long double bound(std::size_t n) {
    return (smooth7(n) ? 1 : 4) * eps<T>() * (1 + std::sqrt(std::log2(static_cast<long double>(n))));
}

// The worst error relative to the bound, per precision and length class;
// printed when the program ends.
struct Worst {
    std::map<std::string, std::pair<long double, std::size_t>> v;
    void note(const std::string& k, long double e, std::size_t n) {
        auto& w = v[k];
        if (e >= w.first) w = {e, n};
    }
    ~Worst() {
        for (const auto& [k, w] : v) std::printf("[dft accuracy] %-28s worst %.3Lg x eps at length %zu\n", k.c_str(), w.first, w.second);
    }
};
Worst& worst() {
    static Worst w;
    return w;
}
template <class T> void note(std::size_t n, long double e) {
    const char* cls = smooth7(n) ? "7-smooth" : "other";
    worst().note(std::string(sizeof(T) == 4 ? "single " : "double ") + cls, e / eps<T>(), n);
}

// Signals of n points and their reference transforms, computed once:
// floats in ±0.5 (amp 0) or integers in ±amp; for real signals also a
// Hermitian spectrum y and its (real) inverse.
struct Case {
    std::vector<cld> x, fwd, inv, y, yinv;
    long double l1 = 0, yl1 = 0;
};
const Case& ref_case(std::size_t n, bool real, int amp) {
    static std::map<std::tuple<std::size_t, bool, int>, Case> cache;
    auto [it, fresh] = cache.try_emplace({n, real, amp});
    Case& c = it->second;
    if (!fresh) return c;
    std::mt19937 g(static_cast<unsigned>(11 + n));
    std::uniform_real_distribution<double> u(-0.5, 0.5);
    auto draw = [&](int a) { return a ? static_cast<long double>(static_cast<int>(g() % (2 * a + 1)) - a) : static_cast<long double>(static_cast<float>(u(g))); };
    c.x.resize(n);
    for (auto& v : c.x) v = {draw(amp), real ? 0.0L : draw(amp)}, c.l1 += std::abs(v);
    c.fwd = zref::dft_any(c.x, false);
    if (!real) c.inv = zref::dft_any(c.x, true);
    if (real) {
        c.y.resize(n);
        for (std::size_t k = 0; 2 * k <= n; ++k) c.y[k] = {draw(amp), k == 0 || 2 * k == n ? 0.0L : draw(amp)};
        for (std::size_t k = 1; 2 * k < n; ++k) c.y[n - k] = std::conj(c.y[k]);
        for (auto& v : c.y) c.yl1 += std::abs(v);
        c.yinv = zref::dft_any(c.y, true);
    }
    return c;
}

long double sat16(long double v) { return v > 32767 ? 32767 : v < -32768 ? -32768 : v; }

// got against want·sc: relative rms error within the bound for the floating
// kinds; element by element within rounding plus the single-precision error
// (relative to the l1 norm of the input) for the 16-bit kinds.
template <class K>
testing::AssertionResult near(const std::vector<cld>& got, std::vector<cld> want, long double sc, std::size_t n, long double l1) {
    for (auto& w : want) w *= sc;
    if constexpr (K::fixed) {
        const long double tol = 1.0L + l1 * sc * 4e-6L;
        for (std::size_t i = 0; i < got.size(); ++i)
            if (std::fabs(got[i].real() - sat16(want[i].real())) > tol || std::fabs(got[i].imag() - sat16(want[i].imag())) > tol)
                return testing::AssertionFailure() << "element " << i << ": " << got[i] << " for " << want[i];
        return testing::AssertionSuccess();
    } else {
        const long double e = zref::rel_rms(got, want);
        note<typename K::Elem>(n, e);
        if (e <= bound<typename K::Elem>(n)) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "relative error " << e / eps<typename K::Elem>() << " eps, bound " << bound<typename K::Elem>(n) / eps<typename K::Elem>();
    }
}

std::vector<cld> as_cld(const std::vector<long double>& v) { return {v.begin(), v.end()}; }
template <class T> std::vector<cld> as_cld(const T* p, std::size_t n) {
    std::vector<cld> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<long double>(p[i]);
    return v;
}
std::size_t packed_len(std::size_t n, int lay) { return lay == 2 ? n / 2 * 2 + 2 : n; }

template <class K>
struct Spec {
    typename K::Spec* p = nullptr;
    int size = -1;
    Spec(std::size_t n, int flag, ZorHintAlgorithm hint = zorAlgHintNone) {
        EXPECT_EQ(K::init(&p, static_cast<int>(n), flag, hint), zorStsNoErr);
        if (p != nullptr) EXPECT_EQ(K::bufsize(p, &size), zorStsNoErr);
    }
    ~Spec() {
        if (p != nullptr) EXPECT_EQ(K::release(p), zorStsNoErr);
    }
};

template <class K> long double scale(int flag, std::size_t n, bool inv, int sf) {
    return (K::fixed && n == 1 ? 1.0L : fk::norm_factor(flag, n, inv)) * std::ldexp(1.0L, -sf);
}

// One kind at one length and flag: every direction (every layout), out of
// place with the internal buffer and in place with a misaligned caller
// buffer, which must give the same bits.
template <class K>
void check_length(std::size_t n, int flag, int sf = 0) {
    using T = typename K::Elem;
    SCOPED_TRACE(testing::Message() << K::name << " length " << n << " flag " << flag << " sf " << sf);
    const Case& c = ref_case(n, K::real, K::fixed ? 1000 : 0);
    Spec<K> s(n, flag);
    ASSERT_NE(s.p, nullptr);
    zt::Guarded<Zor8u> buf(s.size + 15, 3);
    for (int op = 0; op < K::nops; ++op) {
        const bool inv = op % 2;
        const long double sc = scale<K>(flag, n, inv, sf);
        if constexpr (K::real) {
            const int lay = op / 2;
            const std::size_t pl = packed_len(n, lay), in = inv ? pl : n, out = inv ? n : pl;
            zt::Guarded<T> x(static_cast<int>(in), sizeof(T)), y(static_cast<int>(out), 2 * sizeof(T)), z(static_cast<int>(std::max(in, out)), sizeof(T));
            const std::vector<long double> src = inv ? dk::layout_of(c.y, lay) : [&] {
                std::vector<long double> v(n);
                for (std::size_t i = 0; i < n; ++i) v[i] = c.x[i].real();
                return v;
            }();
            for (std::size_t i = 0; i < in; ++i) x[static_cast<int>(i)] = z[static_cast<int>(i)] = static_cast<T>(src[i]);
            T* p[4] = {x.data(), nullptr, y.data(), nullptr};
            ASSERT_EQ(K::run(op, p, s.p, nullptr, sf), zorStsNoErr);
            const std::vector<cld> want = inv ? c.yinv : as_cld(dk::layout_of(c.fwd, lay));
            EXPECT_TRUE(near<K>(as_cld(y.data(), out), want, sc, n, inv ? c.yl1 : c.l1)) << "layout " << lay << " inverse " << inv;
            EXPECT_TRUE(y.guards_intact());
            for (std::size_t i = 0; i < in; ++i) ASSERT_EQ(x[static_cast<int>(i)], static_cast<T>(src[i])) << "source modified";
            T* q[4] = {z.data(), nullptr, z.data(), nullptr};
            ASSERT_EQ(K::run(op, q, s.p, buf.data(), sf), zorStsNoErr);
            for (std::size_t i = 0; i < out; ++i) ASSERT_EQ(z[static_cast<int>(i)], y[static_cast<int>(i)]) << "in place, element " << i;
            EXPECT_TRUE(buf.guards_intact());
        } else {
            fk::Store<K> a(n, 1), b(n, 1), ip(n, 2);
            a.put(c.x);
            ip.put(c.x);
            ASSERT_EQ(K::run(op, fk::ptrs(a, b).data(), s.p, nullptr, sf), zorStsNoErr);
            EXPECT_TRUE(near<K>(b.get(), inv ? c.inv : c.fwd, sc, n, c.l1)) << "inverse " << inv;
            EXPECT_TRUE(b.intact());
            EXPECT_EQ(a.get(), c.x) << "source modified";
            ASSERT_EQ(K::run(op, fk::ptrs(ip, ip).data(), s.p, buf.data(), sf), zorStsNoErr);
            EXPECT_EQ(ip.get(), b.get()) << "in place";
            EXPECT_TRUE(buf.guards_intact());
        }
    }
}

struct FloatKinds {
    template <class F> void operator()(F&& f) const {
        f.template operator()<dk::C_32fc>(), f.template operator()<dk::C_32f>(), f.template operator()<dk::R_32f>();
        f.template operator()<dk::C_64fc>(), f.template operator()<dk::C_64f>(), f.template operator()<dk::R_64f>();
    }
};

TEST(Dft, EveryLengthTo300EveryKindEveryLevel) {
    zt::for_each_isa([](zors::Isa) {
        FloatKinds{}([]<class K>() {
            for (std::size_t n = 1; n <= 300; ++n) check_length<K>(n, ZOR_FFT_NO_DIV);
        });
    });
}

TEST(Dft, FlagsAndSixteenBit) {
    const std::size_t lens[] = {1, 2, 3, 4, 5, 6, 8, 12, 15, 31, 60, 97, 150, 151, 179, 181, 302, 1024};
    FloatKinds{}([&]<class K>() {
        for (std::size_t n : lens)
            for (int flag : {1, 2, 4}) check_length<K>(n, flag);
    });
    dk::for_each_kind([&]<class K>() {
        if constexpr (K::fixed)
            for (std::size_t n : lens)
                for (int sf : {-1, 0, 4}) check_length<K>(n, 4, sf);
    });
}

// Made for integer results (as the 16-bit kinds make theirs), a
// specification runs the same operations in the same order on every
// dispatch level, so the output bytes agree with the first level's: every
// stage form (packs over residues or over consecutive positions, their
// narrower tails, dedicated and general radices, the straight-line shapes),
// Bluestein, and the separate-array and real kinds on the same plans. Some
// inputs are -0.
TEST(Dft, SameBytesAtEveryLevel) {
    const std::size_t lens[] = {6, 12, 18, 60, 98, 150, 297, 302, 596, 1000, 1536, 2310, 4097, 30030};
    FloatKinds{}([&]<class K>() {
        using T = typename K::Elem;
        for (std::size_t n : lens) {
            SCOPED_TRACE(testing::Message() << K::name << " length " << n);
            std::mt19937 g(static_cast<unsigned>(n));
            std::uniform_real_distribution<double> u(-1, 1);
            std::vector<T> x(2 * n + 2);
            for (std::size_t i = 0; i < x.size(); ++i) x[i] = i % 13 == 5 ? T(-0.0) : static_cast<T>(u(g));
            const Spec<K> s = [&] {
                const zors::ExactFftScope exact;
                return Spec<K>(n, ZOR_FFT_DIV_BY_SQRTN);
            }();
            ASSERT_NE(s.p, nullptr);
            for (int op : {0, 1}) {
                std::vector<std::vector<T>> outs;
                zt::for_each_isa([&](zors::Isa) {
                    std::vector<T> y(2 * n + 2, T(7));
                    // complex: {re, im} halves for the separate arrays, pairs otherwise
                    T* p[4] = {x.data(), x.data() + n, y.data(), y.data() + n};
                    ASSERT_EQ(K::run(op, p, s.p, nullptr), zorStsNoErr);
                    outs.push_back(y);
                });
                for (std::size_t l = 1; l < outs.size(); ++l)
                    EXPECT_EQ(std::memcmp(outs[l].data(), outs[0].data(), outs[0].size() * sizeof(T)), 0) << "level " << l << " op " << op;
            }
        }
    });
}

// Bins of long lengths (mixed radix with depth-first levels, primes through
// Bluestein) against the definition, 61 bins each.
template <class K>
void check_long(std::size_t n) {
    using T = typename K::Elem;
    SCOPED_TRACE(testing::Message() << K::name << " length " << n);
    const Case& c = [&]() -> const Case& {
        static std::map<std::pair<std::size_t, bool>, Case> cache;
        auto [it, fresh] = cache.try_emplace({n, K::real});
        if (fresh) {
            std::mt19937 g(static_cast<unsigned>(n));
            std::uniform_real_distribution<double> u(-0.5, 0.5);
            it->second.x.resize(n);
            for (auto& v : it->second.x) v = {static_cast<float>(u(g)), K::real ? 0.0f : static_cast<float>(u(g))};
        }
        return it->second;
    }();
    std::vector<std::size_t> bins;
    for (std::size_t k = 0; k < n; k += n / 61 + 1) bins.push_back(K::real ? k / 2 : k);
    bins.push_back(K::real ? n / 2 : n - 1);
    Spec<K> s(n, ZOR_FFT_NO_DIV);
    ASSERT_NE(s.p, nullptr);
    for (int inv : {0, 1}) {
        if (K::real && inv) continue;  // the round-trip test covers it
        const std::vector<cld> w = zref::roots(n, inv);
        std::vector<cld> got, want;
        if constexpr (K::real) {
            std::vector<T> x(n), y(n + 2);
            for (std::size_t i = 0; i < n; ++i) x[i] = static_cast<T>(c.x[i].real());
            T* p[4] = {x.data(), nullptr, y.data(), nullptr};
            ASSERT_EQ(K::run(4, p, s.p, nullptr), zorStsNoErr);  // CCS
            for (std::size_t k : bins) got.emplace_back(y[2 * k], y[2 * k + 1]);
        } else {
            fk::Store<K> a(n, 0), b(n, 0);
            a.put(c.x);
            ASSERT_EQ(K::run(inv, fk::ptrs(a, b).data(), s.p, nullptr), zorStsNoErr);
            const std::vector<cld> all = b.get();
            for (std::size_t k : bins) got.push_back(all[k]);
        }
        for (std::size_t k : bins) want.push_back(zref::dft_bin(c.x, w, k));
        EXPECT_TRUE(near<K>(got, want, 1, n, 0)) << "inverse " << inv;
    }
}

TEST(Dft, LongLengths) {
    const std::size_t lens[] = {453, 1000, 1536, 1920, 2310, 4097, 10007, 30030, 65521, 8194, 16200};
    FloatKinds{}([&]<class K>() {
        for (std::size_t n : lens) check_long<K>(n);
    });
}

// Forward then inverse returns the input (flags 1, 2, 4) or len times it (8).
TEST(Dft, RoundTripEveryAlgorithm) {
    const std::size_t lens[] = {1, 2, 3, 4, 5, 7, 9, 12, 16, 49, 60, 97, 149, 151, 179, 181, 302, 1000, 2310, 4097, 6006};
    FloatKinds{}([&]<class K>() {
        using T = typename K::Elem;
        for (std::size_t n : lens)
            for (int flag : {1, 2, 4, 8}) {
                SCOPED_TRACE(testing::Message() << K::name << " length " << n << " flag " << flag);
                Case c;
                std::mt19937 g(static_cast<unsigned>(n));
                std::uniform_real_distribution<double> u(-0.5, 0.5);
                for (std::size_t i = 0; i < n; ++i) c.x.emplace_back(static_cast<float>(u(g)), K::real ? 0.0f : static_cast<float>(u(g)));
                Spec<K> s(n, flag);
                ASSERT_NE(s.p, nullptr);
                const long double f = flag == 8 ? static_cast<long double>(n) : 1.0L;
                std::vector<cld> want(c.x);
                for (auto& v : want) v *= f;
                const long double tol = 8 * bound<T>(n);
                if constexpr (K::real) {
                    for (int lay = 0; lay < 3; ++lay) {
                        std::vector<T> x(n + 2), y(n + 2);
                        for (std::size_t i = 0; i < n; ++i) x[i] = static_cast<T>(c.x[i].real());
                        T* p[4] = {x.data(), nullptr, y.data(), nullptr};
                        T* q[4] = {y.data(), nullptr, y.data(), nullptr};
                        ASSERT_EQ(K::run(2 * lay, p, s.p, nullptr), zorStsNoErr);
                        ASSERT_EQ(K::run(2 * lay + 1, q, s.p, nullptr), zorStsNoErr);
                        EXPECT_LE(zref::rel_rms(as_cld(y.data(), n), want), tol) << "layout " << lay;
                    }
                } else {
                    fk::Store<K> a(n, 0);
                    a.put(c.x);
                    ASSERT_EQ(K::run(0, fk::ptrs(a, a).data(), s.p, nullptr), zorStsNoErr);
                    ASSERT_EQ(K::run(1, fk::ptrs(a, a).data(), s.p, nullptr), zorStsNoErr);
                    EXPECT_LE(zref::rel_rms(a.get(), want), tol);
                }
            }
    });
}

// A power-of-two length gives exactly the FFT's results.
TEST(Dft, PowerOfTwoIsTheFft) {
    for (int order = 3; order <= 12; ++order) {
        const int n = 1 << order;
        const Case& c = ref_case(static_cast<std::size_t>(n), false, 0);
        std::vector<Zor32fc> x(n), a(n), b(n);
        for (int i = 0; i < n; ++i) x[i] = {static_cast<float>(c.x[i].real()), static_cast<float>(c.x[i].imag())};
        ZorsDFTSpec_C_32fc* d = nullptr;
        ZorsFFTSpec_C_32fc* f = nullptr;
        ASSERT_EQ(zorsDFTInitAlloc_C_32fc(&d, n, 2, zorAlgHintNone), zorStsNoErr);
        ASSERT_EQ(zorsFFTInitAlloc_C_32fc(&f, order, 2, zorAlgHintNone), zorStsNoErr);
        int ds = 0, fs = 0;
        zorsDFTGetBufSize_C_32fc(d, &ds);
        zorsFFTGetBufSize_C_32fc(f, &fs);
        EXPECT_EQ(ds, fs);
        for (int inv : {0, 1}) {
            ASSERT_EQ(inv ? zorsDFTInv_CToC_32fc(x.data(), a.data(), d, nullptr) : zorsDFTFwd_CToC_32fc(x.data(), a.data(), d, nullptr), zorStsNoErr);
            ASSERT_EQ(inv ? zorsFFTInv_CToC_32fc(x.data(), b.data(), f, nullptr) : zorsFFTFwd_CToC_32fc(x.data(), b.data(), f, nullptr), zorStsNoErr);
            EXPECT_EQ(std::memcmp(a.data(), b.data(), sizeof(Zor32fc) * n), 0) << "order " << order;
        }
        zorsDFTFree_C_32fc(d);
        zorsFFTFree_C_32fc(f);
    }
}

// Out-of-order spectra: the inverse returns the input, and the product of two
// spectra transforms back to the cyclic convolution. Lengths that stay in
// natural order give the DFT itself.
template <class T, class S, class C>
void outord_case(std::size_t n, bool natural) {
    SCOPED_TRACE(testing::Message() << (sizeof(T) == 4 ? "32fc" : "64fc") << " length " << n);
    constexpr bool dbl = sizeof(T) == 8;
    S* s = nullptr;
    const auto init = [&](int flag) {
        if constexpr (dbl) return zorsDFTOutOrdInitAlloc_C_64fc(&s, static_cast<int>(n), flag, zorAlgHintNone);
        else return zorsDFTOutOrdInitAlloc_C_32fc(&s, static_cast<int>(n), flag, zorAlgHintNone);
    };
    const auto run = [&](const C* x, C* y, bool inv, Zor8u* b) {
        if constexpr (dbl) return inv ? zorsDFTOutOrdInv_CToC_64fc(x, y, s, b) : zorsDFTOutOrdFwd_CToC_64fc(x, y, s, b);
        else return inv ? zorsDFTOutOrdInv_CToC_32fc(x, y, s, b) : zorsDFTOutOrdFwd_CToC_32fc(x, y, s, b);
    };
    ASSERT_EQ(init(ZOR_FFT_DIV_INV_BY_N), zorStsNoErr);
    int size = 0;
    if constexpr (dbl) zorsDFTOutOrdGetBufSize_C_64fc(s, &size);
    else zorsDFTOutOrdGetBufSize_C_32fc(s, &size);
    std::vector<Zor8u> buf(static_cast<std::size_t>(size) + 15);
    std::mt19937 g(static_cast<unsigned>(n));
    std::uniform_real_distribution<double> u(-0.5, 0.5);
    std::vector<C> a(n), b(n), fa(n), fb(n), r(n);
    std::vector<cld> la(n), lb(n);
    for (std::size_t i = 0; i < n; ++i) {
        a[i] = {static_cast<T>(u(g)), static_cast<T>(u(g))};
        b[i] = {static_cast<T>(u(g)), static_cast<T>(u(g))};
        la[i] = {a[i].re, a[i].im};
        lb[i] = {b[i].re, b[i].im};
    }
    ASSERT_EQ(run(a.data(), fa.data(), false, nullptr), zorStsNoErr);
    fb = b;
    ASSERT_EQ(run(fb.data(), fb.data(), false, buf.data() + 1), zorStsNoErr);  // in place
    if (natural) {
        std::vector<cld> got, want;
        const std::vector<cld> w = zref::roots(n, false);
        for (std::size_t k = 0; k < n; k += n / 61 + 1) {
            got.emplace_back(fa[k].re, fa[k].im);
            want.push_back(zref::dft_bin(la, w, k));
        }
        EXPECT_LE(zref::rel_rms(got, want), 4 * bound<T>(n));
    }
    ASSERT_EQ(run(fa.data(), r.data(), true, nullptr), zorStsNoErr);
    std::vector<cld> back(n);
    for (std::size_t i = 0; i < n; ++i) back[i] = {r[i].re, r[i].im};
    EXPECT_LE(zref::rel_rms(back, la), 8 * bound<T>(n)) << "round trip";
    for (std::size_t i = 0; i < n; ++i)
        fa[i] = {fa[i].re * fb[i].re - fa[i].im * fb[i].im, fa[i].re * fb[i].im + fa[i].im * fb[i].re};
    ASSERT_EQ(run(fa.data(), r.data(), true, buf.data()), zorStsNoErr);
    std::vector<cld> got, want;
    for (std::size_t i = 0; i < n; i += n / 97 + 1) {
        cld acc = 0;
        for (std::size_t j = 0; j < n; ++j) acc += la[j] * lb[(i + n - j) % n];
        want.push_back(acc);
        got.emplace_back(r[i].re, r[i].im);
    }
    EXPECT_LE(zref::rel_rms(got, want), 16 * bound<T>(n)) << "cyclic convolution";
    if constexpr (dbl) EXPECT_EQ(zorsDFTOutOrdFree_C_64fc(s), zorStsNoErr);
    else EXPECT_EQ(zorsDFTOutOrdFree_C_32fc(s), zorStsNoErr);
}

TEST(Dft, OutOfOrderEveryLevel) {
    zt::for_each_isa([](zors::Isa) {
    for (auto [n, natural] : {std::pair<std::size_t, bool>{5, true}, {1000, true}, {2000, true}, {4096, true}, {10007, true},
                              {2001, false}, {2310, false}, {6000, false}, {30030, false}, {65536 + 8192, false}}) {
        outord_case<float, ZorsDFTOutOrdSpec_C_32fc, Zor32fc>(n, natural);
        outord_case<double, ZorsDFTOutOrdSpec_C_64fc, Zor64fc>(n, natural);
    }
    });
}

// Work-buffer sizes where the algorithm fixes them.
TEST(Dft, BufferSizes) {
    struct Row {
        int n, c32, c64, r32;
    };
    // n 1..4: none; 5: direct (8·5 + 16); 150 = 2·3·5·5: mixed radix,
    // 8·150 + 8·75 + 16; 151: Bluestein with M = 512 (+ the FFT's 4112);
    // 179: odd, direct real (4·179 + 16); 1024: the FFT's.
    const Row rows[] = {{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 0, 0, 0}, {4, 0, 0, 0}, {5, 56, 96, 36},
                        {150, 1816, 3616, -1}, {151, 8 * 512 + 16 + 4112, 16 * 512 + 16 + 0, -1}, {179, -1, -1, 732}, {1024, 8208, 16, 4112}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.n);
        Spec<dk::C_32fc> a(static_cast<std::size_t>(r.n), 8);
        Spec<dk::C_64fc> b(static_cast<std::size_t>(r.n), 8);
        Spec<dk::R_32f> c(static_cast<std::size_t>(r.n), 8);
        Spec<dk::C_32f> d(static_cast<std::size_t>(r.n), 8);
        if (r.c32 >= 0) EXPECT_EQ(a.size, r.c32);
        if (r.c32 >= 0) EXPECT_EQ(d.size, r.c32);
        if (r.c64 >= 0) EXPECT_EQ(b.size, r.c64);
        if (r.r32 >= 0) EXPECT_EQ(c.size, r.r32);
    }
    // 16-bit: the conversion area plus the embedded specification's size.
    Spec<dk::C_16sc> e(5, 8);
    EXPECT_EQ(e.size, 8 * 5 + 16 + 56);
    Spec<dk::R_16s> f(5, 8);
    EXPECT_EQ(f.size, 4 * 5 + 24 + 36);
    Spec<dk::C_16s> g(1, 3);  // any flag at length 1
    EXPECT_EQ(g.size, 0);
}

// The scale-factor rule at length 1 of the 16-bit kinds.
TEST(Dft, SixteenBitLengthOne) {
    ZorsDFTSpec_C_16sc* s = nullptr;
    ASSERT_EQ(zorsDFTInitAlloc_C_16sc(&s, 1, 0, zorAlgHintNone), zorStsNoErr);
    struct {
        Zor16s in;
        int sf;
        Zor16s out;
    } rows[] = {{1001, 1, 500}, {1003, 1, 502}, {-1001, 1, -500}, {7, 0, 7}, {20000, -1, 32767}, {-20000, -1, -32768}, {5, 40, 0}};
    for (auto r : rows) {
        Zor16sc x = {r.in, static_cast<Zor16s>(-r.in)}, y = {};
        ASSERT_EQ(zorsDFTFwd_CToC_16sc_Sfs(&x, &y, s, r.sf, nullptr), zorStsNoErr);
        EXPECT_EQ(y.re, r.out) << r.in << " sf " << r.sf;
    }
    zorsDFTFree_C_16sc(s);
    ZorsDFTSpec_R_16s* rs = nullptr;
    ASSERT_EQ(zorsDFTInitAlloc_R_16s(&rs, 1, 8, zorAlgHintNone), zorStsNoErr);
    Zor16s x = 99, y[3] = {1, 1, 1};
    ASSERT_EQ(zorsDFTFwd_RToCCS_16s_Sfs(&x, y, rs, 0, nullptr), zorStsNoErr);
    EXPECT_EQ(y[0], 99);
    EXPECT_EQ(y[1], 0);
    EXPECT_EQ(y[2], 1);
    zorsDFTFree_R_16s(rs);
}

// Creation checks, in order, and nothing written on failure.
TEST(Dft, CreationChecks) {
    dk::for_each_kind([]<class K>() {
        SCOPED_TRACE(K::name);
        typename K::Spec* s = reinterpret_cast<typename K::Spec*>(&s);
        const auto keep = s;
        EXPECT_EQ(K::init(nullptr, 0, 0), zorStsNullPtrErr);
        for (int n : {0, -1, -2147483647 - 1}) EXPECT_EQ(K::init(&s, n, 0), zorStsSizeErr);
        for (int n : {1, 5, 16, 302})
            for (int flag : {0, 3, 16, -1}) {
                const ZorStatus want = K::fixed && n == 1 ? zorStsNoErr : zorStsFftFlagErr;
                ASSERT_EQ(K::init(&s, n, flag), want) << n << " flag " << flag;
                if (want == zorStsNoErr) {
                    EXPECT_EQ(K::release(s), zorStsNoErr);
                    s = keep;
                }
            }
        // Bluestein would need a 2^32-point FFT: no memory, nothing kept.
        EXPECT_EQ(K::init(&s, 2147483647, 8), zorStsMemAllocErr);
        EXPECT_EQ(s, keep);
    });
}

// Every function taking a specification rejects any other kind's object,
// DFT or FFT, with -17; null objects give -8 first; data pointers are
// checked after the identifier; outputs stay untouched.
TEST(Dft, IdentifiersAndTransformChecks) {
    std::vector<std::pair<std::uint32_t, void*>> objs;
    dk::for_each_kind([&]<class K>() {
        typename K::Spec* s = nullptr;
        ASSERT_EQ(K::init(&s, 12, 8), zorStsNoErr);
        objs.emplace_back(K::id, s);
    });
    fk::for_each_kind([&]<class K>() {
        typename K::Spec* s = nullptr;
        ASSERT_EQ(K::init(&s, 4, 8), zorStsNoErr);
        objs.emplace_back(K::id, s);
    });
    ZorsDFTOutOrdSpec_C_32fc* o = nullptr;
    ASSERT_EQ(zorsDFTOutOrdInitAlloc_C_32fc(&o, 12, 8, zorAlgHintNone), zorStsNoErr);
    objs.emplace_back(0x4C4D535C, o);
    dk::for_each_kind([&]<class K>() {
        using T = typename K::Elem;
        SCOPED_TRACE(K::name);
        std::vector<T> in(64, T(1)), out(64, T(7));
        int size = -5;
        for (auto [id, obj] : objs) {
            const auto* spec = static_cast<const typename K::Spec*>(obj);
            for (int op = 0; op < K::nops; ++op) {
                T* p[4] = {in.data(), in.data() + 32, out.data(), out.data() + 32};
                T* nul[4] = {nullptr, nullptr, nullptr, nullptr};
                if (id == K::id) {
                    EXPECT_EQ(K::run(op, nul, spec, nullptr), zorStsNullPtrErr);
                    continue;
                }
                EXPECT_EQ(K::run(op, p, spec, nullptr), zorStsContextMatchErr) << "object " << id;
                EXPECT_EQ(K::run(op, nul, spec, nullptr), zorStsContextMatchErr) << "object " << id;
            }
            if (id != K::id) {
                EXPECT_EQ(K::bufsize(spec, &size), zorStsContextMatchErr);
                EXPECT_EQ(K::release(const_cast<typename K::Spec*>(spec)), zorStsContextMatchErr);
            }
        }
        T* p[4] = {in.data(), in.data() + 32, out.data(), out.data() + 32};
        for (int op = 0; op < K::nops; ++op) EXPECT_EQ(K::run(op, p, nullptr, nullptr), zorStsNullPtrErr);
        EXPECT_EQ(K::bufsize(nullptr, &size), zorStsNullPtrErr);
        EXPECT_EQ(K::release(nullptr), zorStsNullPtrErr);
        EXPECT_EQ(size, -5);
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](T v) { return v == T(7); }));
    });
    // The FFT functions reject DFT objects, the out-of-order functions the
    // natural-order ones.
    for (auto [id, obj] : objs) {
        Zor32fc x[16] = {}, y[16] = {};
        if (id != 4) EXPECT_EQ(zorsFFTFwd_CToC_32fc(x, y, static_cast<const ZorsFFTSpec_C_32fc*>(obj), nullptr), zorStsContextMatchErr);
        if (id != 0x4C4D535C) EXPECT_EQ(zorsDFTOutOrdFwd_CToC_32fc(x, y, static_cast<const ZorsDFTOutOrdSpec_C_32fc*>(obj), nullptr), zorStsContextMatchErr);
    }
    std::size_t i = 0;
    dk::for_each_kind([&]<class K>() { EXPECT_EQ(K::release(static_cast<typename K::Spec*>(objs[i++].second)), zorStsNoErr); });
    fk::for_each_kind([&]<class K>() { EXPECT_EQ(K::release(static_cast<typename K::Spec*>(objs[i++].second)), zorStsNoErr); });
    EXPECT_EQ(zorsDFTOutOrdFree_C_32fc(o), zorStsNoErr);
}

// One specification serves concurrent transforms (each with its own or no
// buffer) with identical results.
TEST(Dft, ConcurrentUse) {
    for (int n : {2310, 4097, 1000}) {
        Spec<dk::C_32fc> s(static_cast<std::size_t>(n), 1);
        std::vector<Zor32fc> x(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) x[static_cast<std::size_t>(i)] = {static_cast<float>(i % 17), static_cast<float>(i % 5)};
        std::vector<Zor32fc> want(x.size());
        zorsDFTFwd_CToC_32fc(x.data(), want.data(), s.p, nullptr);
        bool ok[2] = {true, true};
        auto work = [&](int t) {
            std::vector<Zor32fc> y(x.size());
            for (int r = 0; r < 20; ++r) {
                zorsDFTFwd_CToC_32fc(x.data(), y.data(), s.p, nullptr);
                ok[t] = ok[t] && std::memcmp(y.data(), want.data(), y.size() * sizeof(Zor32fc)) == 0;
            }
        };
        std::thread a(work, 0), b(work, 1);
        a.join();
        b.join();
        EXPECT_TRUE(ok[0] && ok[1]) << n;
    }
}

}  // namespace
