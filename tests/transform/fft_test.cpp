// Power-of-two FFT against the long-double reference: accuracy per kind,
// order, flag, direction (and scale factor and path for the 16-bit kinds) at
// every dispatch level, in place and out of place, work buffers, packed
// layouts, sizes, identifiers, check order and creation failures.
#include <algorithm>
#include <functional>
#include <map>
#include <tuple>
#include <thread>

#include "tests/transform/fft_kinds.h"
#include "transform/fft.h"

namespace {

using zref::cld;
constexpr int kFlags[] = {1, 2, 4, 8};

template <class T> long double eps() { return sizeof(T) == 4 ? 1.19e-7L : 2.22e-16L; }
// The accuracy bound of an order: ε·(1 + √log2 N).
template <class T> long double bound(int order) { return eps<T>() * (1 + std::sqrt(static_cast<long double>(order))); }

// Signals of 2^order points and their reference transforms, computed once:
// floats in ±0.5 (amp 0) or integers in ±amp, complex or real. For the real
// case also a Hermitian spectrum y (amplitude amp / 20) and its inverse.
struct Case {
    std::vector<cld> x, fwd, inv, y, yinv;
    long double l1 = 0, yl1 = 0;  // Σ|x|, Σ|y|
};
const Case& ref_case(int order, bool real, int amp) {
    static std::map<std::tuple<int, bool, int>, Case> cache;
    auto [it, fresh] = cache.try_emplace({order, real, amp});
    Case& c = it->second;
    if (!fresh) return c;
    const std::size_t n = std::size_t{1} << order;
    std::mt19937 g(7 + order);
    std::uniform_real_distribution<double> u(-0.5, 0.5);
    auto draw = [&](int a) { return a ? static_cast<long double>(static_cast<int>(g() % (2 * a + 1)) - a) : static_cast<long double>(static_cast<float>(u(g))); };
    c.x.resize(n);
    for (auto& v : c.x) v = {draw(amp), real ? 0.0L : draw(amp)}, c.l1 += std::abs(v);
    c.fwd = zref::dft(c.x, false);
    c.inv = real ? c.inv : zref::dft(c.x, true);
    if (real) {
        c.y.resize(n);
        for (std::size_t k = 0; k <= n / 2; ++k) c.y[k] = {draw(amp / 20), k == 0 || 2 * k == n ? 0.0L : draw(amp / 20)};
        for (std::size_t k = 1; k < n / 2; ++k) c.y[n - k] = std::conj(c.y[k]);
        for (auto& v : c.y) c.yl1 += std::abs(v);
        c.yinv = zref::dft(c.y, true);
    }
    return c;
}

long double sat16(long double v) { return v > 32767 ? 32767 : v < -32768 ? -32768 : v; }

// got against want·sc. Float kinds: the relative rms error within the bound
// of the order. 16-bit kinds, element by element against the saturated
// reference: one unit of rounding plus the twiddle quantisation of the
// integer path (Q14) or the single-precision error of the floating path,
// times the l1 norm of the input.
template <class K>
testing::AssertionResult near_ref(const std::vector<cld>& got, std::vector<cld> want, long double sc, int order, long double l1, bool int_path) {
    for (auto& w : want) w *= sc;
    if constexpr (K::fixed) {
        const long double tol = 1.0L + l1 * sc * (int_path ? 4.0L / 16384 : 1e-6L);
        for (std::size_t i = 0; i < got.size(); ++i)
            if (std::fabs(got[i].real() - sat16(want[i].real())) > tol || std::fabs(got[i].imag() - sat16(want[i].imag())) > tol)
                return testing::AssertionFailure() << "element " << i << ": " << got[i] << " for " << want[i];
        return testing::AssertionSuccess();
    } else {
        const long double e = zref::rel_rms(got, want);
        if (e <= bound<typename K::Elem>(order)) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "relative error " << e;
    }
}

// The 16-bit integer path: orders 1..5 with hint None or Fast (any other
// hint takes the floating path).
bool int_path(int order, ZorHintAlgorithm hint) { return order >= 1 && order <= 5 && (hint == zorAlgHintNone || hint == zorAlgHintFast); }
// The 16-bit kinds scale by the flag from order 1, and all by 2^-sf.
template <class K> long double scale(int flag, int order, bool inv, int sf) {
    return (K::fixed && order == 0 ? 1.0L : fk::norm_factor(flag, std::size_t{1} << order, inv)) * std::ldexp(1.0L, -sf);
}
template <class K> std::vector<int> factors() { return K::fixed ? std::vector<int>{-2, 0, 3, 40} : std::vector<int>{0}; }

// One complex kind for orders lo..hi, the given flags, both directions (and
// scale factors), out of place with the internal buffer; with `extras`, also
// in place with a misaligned caller buffer (the same bits) and, for the split
// kinds, one of the two arrays in place.
template <class K>
void complex_accuracy(int lo, int hi, std::vector<int> flags, bool extras, ZorHintAlgorithm hint = zorAlgHintNone) {
    using T = typename K::Elem;
    for (int order = lo; order <= hi; ++order) {
        const std::size_t n = std::size_t{1} << order, ne = extras ? n : 1;
        const Case& c = ref_case(order, false, K::fixed ? 10000 : 0);
        for (int flag : flags) {
            typename K::Spec* spec = nullptr;
            ASSERT_EQ(K::init(&spec, order, flag, hint), zorStsNoErr);
            int size = -1;
            ASSERT_EQ(K::bufsize(spec, &size), zorStsNoErr);
            zt::Guarded<Zor8u> buf(size + 15, 5);
            for (int inv : {0, 1})
                for (int sf : factors<K>()) {
                    SCOPED_TRACE(testing::Message() << K::name << " hint " << hint << " order " << order << " flag " << flag << " inv " << inv << " sf " << sf);
                    fk::Store<K> s(n, 1), d(n, 1), ip(ne, 2), h(ne, 0), o(ne, 1);
                    s.put(c.x);
                    ASSERT_EQ(K::run(inv, fk::ptrs(s, d).data(), spec, nullptr, sf), zorStsNoErr);
                    EXPECT_TRUE(near_ref<K>(d.get(), inv ? c.inv : c.fwd, scale<K>(flag, order, inv, sf), order, c.l1, int_path(order, hint)));
                    EXPECT_TRUE(d.intact());
                    EXPECT_EQ(s.get(), c.x) << "source modified";
                    if (!extras) continue;
                    ip.put(c.x);
                    ASSERT_EQ(K::run(inv, fk::ptrs(ip, ip).data(), spec, buf.data(), sf), zorStsNoErr);
                    ASSERT_EQ(ip.get(), d.get()) << "in place";
                    EXPECT_TRUE(buf.guards_intact());
                    if constexpr (K::split)
                        for (int half = 0; half < 2; ++half) {  // only the real, only the imaginary array in place
                            h.put(c.x);
                            T* p[4] = {h.re.data(), h.im.data(), half ? o.re.data() : h.re.data(), half ? h.im.data() : o.im.data()};
                            ASSERT_EQ(K::run(inv, p, spec, nullptr, sf), zorStsNoErr);
                            for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(p[2][i] == d.re[i] && p[3][i] == d.im[i]) << half << " " << i;
                        }
                }
            ASSERT_EQ(K::release(spec), zorStsNoErr);
        }
    }
}

TEST(FftComplex, AccuracyInPlaceAndBuffersEveryLevel) {
    zt::for_each_isa([&](zors::Isa) {
        complex_accuracy<fk::C_32fc>(0, 13, {1, 2, 4, 8}, true);
        complex_accuracy<fk::C_32f>(0, 13, {1, 2, 4, 8}, true);
        complex_accuracy<fk::C_64fc>(0, 13, {1, 2, 4, 8}, true);
        complex_accuracy<fk::C_64f>(0, 13, {1, 2, 4, 8}, true);
        for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintAccurate}) {
            complex_accuracy<fk::C_16sc>(0, 9, {1, 2, 4, 8}, true, hint);
            complex_accuracy<fk::C_16s>(0, 9, {1, 2, 4, 8}, true, hint);
        }
    });
}

TEST(FftComplex, AccuracyLongOrders) {
    complex_accuracy<fk::C_32fc>(14, 16, {1, 2, 4, 8}, false);
    complex_accuracy<fk::C_32f>(14, 16, {1, 2, 4, 8}, false);
    complex_accuracy<fk::C_64fc>(14, 16, {1, 2, 4, 8}, false);
    complex_accuracy<fk::C_64f>(14, 16, {1, 2, 4, 8}, false);
    complex_accuracy<fk::C_32fc>(20, 20, {4}, false);
    complex_accuracy<fk::C_64fc>(18, 18, {8}, false);
}

// Real kinds, every layout, flag (and scale factor): forward against the
// reference (the CCS zeros exactly), the inverse of a reference spectrum, in
// place giving the same bits both ways, and for the float kinds the inverse
// of the computed spectrum.
template <class K>
void real_accuracy(int lo, int hi, ZorHintAlgorithm hint = zorAlgHintNone) {
    using T = typename K::Elem;
    for (int order = lo; order <= hi; ++order) {
        const std::size_t n = std::size_t{1} << order;
        const Case& c = ref_case(order, true, K::fixed ? 20000 : 0);
        const bool ip16 = int_path(order, hint);
        for (int flag : kFlags) {
            typename K::Spec* spec = nullptr;
            ASSERT_EQ(K::init(&spec, order, flag, hint), zorStsNoErr);
            int size = -1;
            ASSERT_EQ(K::bufsize(spec, &size), zorStsNoErr);
            zt::Guarded<Zor8u> buf(size + 15, 5);
            const long double total = fk::norm_factor(flag, n, false) * fk::norm_factor(flag, n, true) * n;
            for (int sf : K::fixed ? std::vector<int>{-1, 0, 2} : std::vector<int>{0})
                for (int lay = 0; lay < 3; ++lay) {
                    SCOPED_TRACE(testing::Message() << K::name << " hint " << hint << " order " << order << " flag " << flag << " sf " << sf << " layout " << lay);
                    const auto want = fk::layout_of(c.fwd, lay), yl = fk::layout_of(c.y, lay);
                    const int len = static_cast<int>(want.size());
                    zt::Guarded<T> src(static_cast<int>(n), sizeof(T)), dst(len, 3 * sizeof(T)), back(static_cast<int>(n), 5 * sizeof(T)), ip(len, 0), y(len, 0), yb(static_cast<int>(n), 0);
                    for (std::size_t i = 0; i < n; ++i) src[i] = ip[i] = static_cast<T>(c.x[i].real());
                    for (int i = 0; i < len; ++i) y[i] = static_cast<T>(yl[i]);
                    T* fwd[4] = {src.data(), nullptr, dst.data(), nullptr};
                    T* inv[4] = {dst.data(), nullptr, back.data(), nullptr};
                    T* inp[4] = {ip.data(), nullptr, ip.data(), nullptr};
                    T* yi[4] = {y.data(), nullptr, yb.data(), nullptr};
                    ASSERT_EQ(K::run(2 * lay, fwd, spec, nullptr, sf), zorStsNoErr);
                    std::vector<cld> got(len), wc(want.begin(), want.end()), xr(n), xw(n), yr(n);
                    for (int i = 0; i < len; ++i) got[i] = dst[i];
                    if (lay == 2) ASSERT_TRUE(dst[1] == T(0) && dst[len - 1] == T(0)) << "CCS zeros";
                    EXPECT_TRUE(near_ref<K>(got, wc, scale<K>(flag, order, false, sf), order, c.l1, ip16));
                    ASSERT_EQ(K::run(2 * lay + 1, yi, spec, nullptr, sf), zorStsNoErr);
                    for (std::size_t i = 0; i < n; ++i) yr[i] = yb[i];
                    EXPECT_TRUE(near_ref<K>(yr, c.yinv, scale<K>(flag, order, true, sf), order, c.yl1, ip16)) << "inverse of a reference spectrum";
                    ASSERT_EQ(K::run(2 * lay + 1, inv, spec, nullptr, sf), zorStsNoErr);
                    for (std::size_t i = 0; i < n; ++i) xr[i] = back[i], xw[i] = c.x[i] * total;
                    if (!K::fixed) EXPECT_LE(zref::rel_rms(xr, xw), sizeof(T) == 4 ? 1e-6L : 2e-15L) << "round trip";
                    EXPECT_TRUE(dst.guards_intact() && back.guards_intact() && yb.guards_intact());
                    ASSERT_EQ(K::run(2 * lay, inp, spec, nullptr, sf), zorStsNoErr);
                    for (int i = 0; i < len; ++i) ASSERT_EQ(ip[i], dst[i]) << "in place fwd " << i;
                    ASSERT_EQ(K::run(2 * lay + 1, inp, spec, nullptr, sf), zorStsNoErr);
                    for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(ip[i], back[i]) << "in place inv " << i;
                    // A caller's (misaligned) work buffer: the same bits, out of place and in place.
                    zt::Guarded<T> bb(static_cast<int>(n), 7 * sizeof(T));
                    T* invb[4] = {dst.data(), nullptr, bb.data(), nullptr};
                    ASSERT_EQ(K::run(2 * lay + 1, invb, spec, buf.data(), sf), zorStsNoErr);
                    for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(bb[i], back[i]) << "inv with buffer " << i;
                    for (int i = 0; i < len; ++i) ip[i] = dst[i];
                    ASSERT_EQ(K::run(2 * lay + 1, inp, spec, buf.data(), sf), zorStsNoErr);
                    for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(ip[i], back[i]) << "in place inv with buffer " << i;
                    EXPECT_TRUE(bb.guards_intact() && buf.guards_intact());
                }
            ASSERT_EQ(K::release(spec), zorStsNoErr);
        }
    }
}

TEST(FftReal, AccuracyLayoutsEveryLevel) {
    zt::for_each_isa([&](zors::Isa) {
        real_accuracy<fk::R_32f>(0, 12);
        real_accuracy<fk::R_64f>(0, 12);
    });
    for (ZorHintAlgorithm hint : {zorAlgHintFast, zorAlgHintAccurate}) real_accuracy<fk::R_16s>(0, 9, hint);
}

TEST(FftReal, AccuracyLongOrders) {
    real_accuracy<fk::R_32f>(13, 16);
    real_accuracy<fk::R_64f>(15, 16);
}

// N = 1, 2, 4 with small integers: every layout exactly, forward and inverse,
// nothing written past the layout.
template <class K>
void small_layouts() {
    using T = typename K::Elem;
    for (int order = 0; order <= 2; ++order)
        for (int flag : {1, 8}) {
            const std::size_t n = std::size_t{1} << order;
            std::vector<cld> x(n);
            for (std::size_t i = 0; i < n; ++i) x[i] = static_cast<long double>(3 * i * i + 2 * i % 5) - 4.5L;
            const auto X = zref::dft(x, false);
            typename K::Spec* spec = nullptr;
            ASSERT_EQ(K::init(&spec, order, flag), zorStsNoErr);
            for (int lay = 0; lay < 3; ++lay) {
                const auto want = fk::layout_of(X, lay);
                const int len = static_cast<int>(want.size());
                zt::Guarded<T> src(static_cast<int>(n)), dst(len), back(static_cast<int>(n));
                for (std::size_t i = 0; i < n; ++i) src[i] = static_cast<T>(x[i].real());
                T* p[4] = {src.data(), nullptr, dst.data(), nullptr};
                T* q[4] = {dst.data(), nullptr, back.data(), nullptr};
                ASSERT_EQ(K::run(2 * lay, p, spec, nullptr), zorStsNoErr);
                ASSERT_EQ(K::run(2 * lay + 1, q, spec, nullptr), zorStsNoErr);
                for (int i = 0; i < len; ++i)
                    EXPECT_EQ(dst[i], static_cast<T>(std::round(want[i] * fk::norm_factor(flag, n, false) * 64) / 64)) << K::name << " N " << n << " layout " << lay << " i " << i;
                for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(back[i], static_cast<T>(x[i].real() * (flag == 8 ? n : 1))) << K::name << " N " << n << " layout " << lay;
                EXPECT_TRUE(dst.guards_intact() && back.guards_intact());
            }
            K::release(spec);
        }
}

TEST(FftReal, SmallLayoutsExactly) {
    small_layouts<fk::R_32f>();
    small_layouts<fk::R_64f>();
}

// ---- sizes, identifiers, check order ----

TEST(FftSpec, BufferSizeTables) {
    // Sizes for order 11..30 (single) and 10..30 (double).
    const int c32[] = {8208, 8208, 9232, 10256, 12304, 16400, 16400, 16400, 40976, 40976,
                       40976, 40976, 16400, 16400, 40976, 40976, 40976, 40976, 40976, 40976};
    const int c64[] = {16, 16, 1040, 2064, 4112, 8208, 8208, 16400, 32784, 32784, 32784,
                       16400, 16400, 32784, 32784, 32784, 32784, 32784, 32784, 32784, 32784};
    for (int o = 0; o <= 30; ++o) {
        const int n = 1 << std::min(o, 29);
        const int e32 = o < 4 ? 0 : o <= 10 ? 8 * n + 16 : c32[o - 11], e64 = o < 10 ? 0 : c64[o - 10];
        const int r32 = o < 4 ? 0 : o <= 11 ? 4 * n + 16 : c32[o - 12], r64 = o <= 10 ? 0 : c64[o - 11];
        const int want[] = {e32, e32, r32, e64, e64, r64};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(zors::fft_buf_size(4 + k, o), want[k]) << "kind " << 4 + k << " order " << o;
    }
    // What the objects report, for every flag.
    fk::for_each_kind([]<class K>() {
        if constexpr (!K::fixed)
            for (int o = 0; o <= (K::split ? 14 : 17); ++o)
                for (int flag : kFlags) {
                    typename K::Spec* s = nullptr;
                    ASSERT_EQ(K::init(&s, o, flag), zorStsNoErr);
                    int size = -1;
                    ASSERT_EQ(K::bufsize(s, &size), zorStsNoErr);
                    EXPECT_EQ(size, zors::fft_buf_size(K::id, o)) << K::name << " order " << o;
                    ASSERT_EQ(K::release(s), zorStsNoErr);
                }
    });
}

// Null pointer (-8) before the order (-15) before the flag (-16); nothing
// written on failure. Order 30 is accepted as an order.
TEST(FftSpec, InitAllocFailures) {
    fk::for_each_kind([]<class K>() {
        auto* const sentinel = reinterpret_cast<typename K::Spec*>(std::uintptr_t{0x1234});
        typename K::Spec* p = sentinel;
        EXPECT_EQ(K::init(nullptr, 40, 0), zorStsNullPtrErr) << K::name;
        for (int o : {-1, 31, 1 << 30}) EXPECT_EQ(K::init(&p, o, 0), zorStsFftOrderErr) << K::name;
        for (int f : {0, 3, 5, 16, -1})
            for (int o : {0, 5, 12}) EXPECT_EQ(K::init(&p, o, f, zorAlgHintFast), zorStsFftFlagErr) << K::name;
        EXPECT_EQ(p, sentinel);
    });
    ZorsFFTSpec_C_64fc* p = nullptr;
    const ZorStatus st = zorsFFTInitAlloc_C_64fc(&p, 30, 8, zorAlgHintNone);
    EXPECT_TRUE(st == zorStsMemAllocErr || st == zorStsNoErr);
    if (st == zorStsNoErr) zorsFFTFree_C_64fc(p);
    else EXPECT_EQ(p, nullptr);
}

// Every function of every kind rejects the objects of all other kinds and
// foreign words with -17, before looking at the data pointers; with its own
// object a null specification and then each data pointer give -8. Nothing
// is written on failure.
TEST(FftSpec, IdentifierAndCheckOrder) {
    std::vector<void*> objs;
    fk::for_each_kind([&]<class K>() {
        typename K::Spec* s = nullptr;
        ASSERT_EQ(K::init(&s, 5, 1), zorStsNoErr);
        objs.push_back(s);
    });
    std::uint32_t foreign[3][16] = {{10}, {19}, {0}};  // other identifier words (DFT, DCT, zero)
    for (auto& f : foreign) objs.push_back(f);
    fk::for_each_kind([&]<class K>() {
        using T = typename K::Elem;
        SCOPED_TRACE(K::name);
        zt::Guarded<T> a(80), b(80), c(80), d(80);
        T* const p[4] = {a.data(), b.data(), c.data(), d.data()};
        T* const none[4] = {};
        int size = -7;
        for (void* o : objs) {
            auto* s = static_cast<typename K::Spec*>(o);
            if (zors::fft_id(o) == K::id) continue;
            EXPECT_EQ(K::bufsize(s, &size), zorStsContextMatchErr) << "id " << zors::fft_id(o);
            for (int op = 0; op < K::nops; ++op) EXPECT_EQ(K::run(op, none, s, nullptr), zorStsContextMatchErr) << "op " << op;
            EXPECT_EQ(K::release(s), zorStsContextMatchErr);
        }
        auto* own = static_cast<typename K::Spec*>(objs[K::id - 1]);
        for (int op = 0; op < K::nops; ++op) {
            EXPECT_EQ(K::run(op, none, nullptr, nullptr), zorStsNullPtrErr);
            for (int i = 0; i < 4; ++i) {
                if (!K::split && i % 2) continue;
                T* q[4] = {p[0], p[1], p[2], p[3]};
                q[i] = nullptr;
                EXPECT_EQ(K::run(op, q, own, nullptr), zorStsNullPtrErr) << "op " << op << " pointer " << i;
            }
        }
        EXPECT_EQ(K::bufsize(own, nullptr), zorStsNullPtrErr);
        EXPECT_EQ(K::bufsize(nullptr, &size), zorStsNullPtrErr);
        EXPECT_EQ(K::release(nullptr), zorStsNullPtrErr);
        EXPECT_EQ(size, -7);
        EXPECT_TRUE(a.untouched() && b.untouched() && c.untouched() && d.untouched());
        EXPECT_EQ(K::bufsize(own, &size), zorStsNoErr);
    });
    fk::for_each_kind([&]<class K>() { EXPECT_EQ(K::release(static_cast<typename K::Spec*>(objs[K::id - 1])), zorStsNoErr); });
}

// Two input arrays of len values for a kind (integers in +-2000, divided
// by 1009 and 997 for the floating kinds), from the seed.
template <class K>
std::pair<std::vector<typename K::Elem>, std::vector<typename K::Elem>> bit_test_input(std::size_t len, std::uint32_t seed) {
    using T = typename K::Elem;
    zt::Rng rng(seed);
    std::vector<T> x(len), xi(len);
    for (std::size_t i = 0; i < len; ++i) {
        x[i] = static_cast<T>(static_cast<int>(rng.bits() % 4001) - 2000);
        xi[i] = static_cast<T>(static_cast<int>(rng.bits() % 4001) - 2000);
        if constexpr (!K::fixed) x[i] /= 1009, xi[i] /= 997;
    }
    return {x, xi};
}

template <class T>
bool same_bytes(const std::vector<T>& a, const std::vector<T>& b, std::size_t len) { return std::memcmp(a.data(), b.data(), len * sizeof(T)) == 0; }

// Every kind, order and direction, scaled (flag 2 inverse) or not: in place
// gives the bytes of out of place at every dispatch level (the in-place
// routes, the stack copy and the tile pairs above 32 KiB, do the operations
// of the gather), and every level gives the same bytes for a specification
// made for integer results, and for the 16-bit kinds. Orders to 15 take
// every route of both parities, the first passes that prefetch their far
// inputs included.
TEST(FftSpec, SameBitsAtEveryLevel) {
    fk::for_each_kind([]<class K>() {
        using T = typename K::Elem;
        for (int order = 0; order <= 15; ++order) {
            const std::size_t n = std::size_t{1} << order, len = K::split ? n : 2 * n + 2;
            auto in = bit_test_input<K>(len, static_cast<std::uint32_t>(order + 1));
            std::vector<T>& x = in.first;
            std::vector<T>& xi = in.second;
            for (bool exact : {false, true}) {
                typename K::Spec* spec = nullptr;
                {
                    const zors::ExactFftScope scope(exact);
                    ASSERT_EQ(K::init(&spec, order, ZOR_FFT_DIV_INV_BY_N), zorStsNoErr);
                }
                for (int op = 0; op < K::nops; ++op) {
                    SCOPED_TRACE(testing::Message() << K::name << " order " << order << " op " << op << " exact " << exact);
                    std::vector<T> first, first_im;
                    zt::for_each_isa([&](zors::Isa) {
                        // out of place into copies of the input (so that the
                        // values past the output agree too), then in place
                        std::vector<T> y(x), yi(xi), z(x), zi(xi);
                        T* p[4] = {x.data(), xi.data(), y.data(), yi.data()};
                        T* q[4] = {z.data(), zi.data(), z.data(), zi.data()};
                        ASSERT_EQ(K::run(op, p, spec, nullptr, 0), zorStsNoErr);
                        ASSERT_EQ(K::run(op, q, spec, nullptr, 0), zorStsNoErr);
                        const auto same = [&](const std::vector<T>& a, const std::vector<T>& b) { return same_bytes(a, b, len); };
                        EXPECT_TRUE(same(z, y) && same(zi, yi)) << "in place";
                        if (!exact && !K::fixed) return;
                        if (first.empty()) first = y, first_im = yi;
                        EXPECT_TRUE(same(y, first) && same(yi, first_im)) << "levels";
                    });
                }
                ASSERT_EQ(K::release(spec), zorStsNoErr);
            }
        }
    });
}

// Out of place, the destination may start anywhere a value can: the long
// interleaved transforms keep their vectors aligned whatever its offset
// (blocks from the first boundary, the rest beside; shorter ones work in an
// aligned frame and write the destination last), so every offset must
// give the bytes of an aligned destination and write nothing outside it.
// The same for sources a quarter, half or three quarters of a cache line
// off (from half a line off, the first pass loads whole lines, some of
// them for the groups of the step before). Orders 8 to 13 cover both
// parities and a final pass alone or paired, orders 14 and 15 the first
// pass over data beyond the second-level cache.
TEST(FftSpec, SameBitsAtEverySourceAndDestinationOffset) {
    fk::for_each_kind([]<class K>() {
        if constexpr (!K::fixed) {
            using T = typename K::Elem;
            for (int order : {8, 9, 10, 11, 12, 13, 14, 15}) {
                const std::size_t n = std::size_t{1} << order, len = K::split ? n : 2 * n + 2;
                typename K::Spec* spec = nullptr;
                ASSERT_EQ(K::init(&spec, order, ZOR_FFT_NO_DIV), zorStsNoErr);
                auto in = bit_test_input<K>(len, static_cast<std::uint32_t>(order + 7));
                std::vector<T>& x = in.first;
                std::vector<T>& xi = in.second;
                const int ilen = static_cast<int>(len);
                zt::for_each_isa([&](zors::Isa) {
                    for (int op = 0; op < K::nops; ++op) {
                        std::vector<T> want, want_im;
                        for (int soff : {0, 16, 32, 48}) {
                            zt::Guarded<T> a(ilen, soff), ai(ilen, soff);
                            std::copy(x.begin(), x.end(), a.data());
                            std::copy(xi.begin(), xi.end(), ai.data());
                            for (int off = 0; off < static_cast<int>(64 / sizeof(T)); ++off) {
                                zt::Guarded<T> y(ilen, off * static_cast<int>(sizeof(T))), yi(ilen, off * static_cast<int>(sizeof(T)));
                                T* p[4] = {a.data(), ai.data(), y.data(), yi.data()};
                                ASSERT_EQ(K::run(op, p, spec, nullptr, 0), zorStsNoErr);
                                std::vector<T> got(y.data(), y.data() + len), got_im(yi.data(), yi.data() + len);
                                if (want.empty()) want = got, want_im = got_im;
                                const auto same = [&](const std::vector<T>& u, const std::vector<T>& v) { return same_bytes(u, v, len); };
                                EXPECT_TRUE(same(got, want) && same(got_im, want_im) && y.guards_intact() && yi.guards_intact())
                                    << K::name << " order " << order << " op " << op << " source offset " << soff << " destination offset " << off;
                            }
                        }
                    }
                });
                ASSERT_EQ(K::release(spec), zorStsNoErr);
            }
        }
    });
}

// The 16-bit results computed through single-precision transforms give the
// same bytes at every level: their specifications keep the plain kernels.
// A few in a thousand of these outputs lie near enough to a rounding
// boundary that the fused kernels would move them, so the thousands below
// catch any such path made without its scope.
TEST(FftSpec, IntegerResultsSameAtEveryLevel) {
    using V = std::vector<Zor16s>;
    zt::Rng rng(11);
    V x(8192);
    for (auto& v : x) v = static_cast<Zor16s>(static_cast<int>(rng.bits() % 60001) - 30000);
    std::vector<Zor32f> taps(100);
    for (auto& t : taps) t = static_cast<Zor32f>(static_cast<int>(rng.bits() % 2001) - 1000) / 10000.0f;
    const auto* xc = reinterpret_cast<const Zor16sc*>(x.data());
    const auto as_sc = [](V& y) { return reinterpret_cast<Zor16sc*>(y.data()); };
    const std::pair<const char*, std::function<V()>> cases[] = {
        {"FFT C_16sc 1024", [&] {
             V y(2048);
             ZorsFFTSpec_C_16sc* s = nullptr;
             EXPECT_EQ(zorsFFTInitAlloc_C_16sc(&s, 10, ZOR_FFT_DIV_INV_BY_N, zorAlgHintAccurate), zorStsNoErr);
             EXPECT_EQ(zorsFFTFwd_CToC_16sc_Sfs(xc, as_sc(y), s, 5, nullptr), zorStsNoErr);
             zorsFFTFree_C_16sc(s);
             return y;
         }},
        {"DFT C_16sc 1024 and 1031", [&] {
             V y(4110);
             for (int len : {1024, 1031}) {
                 ZorsDFTSpec_C_16sc* s = nullptr;
                 EXPECT_EQ(zorsDFTInitAlloc_C_16sc(&s, len, ZOR_FFT_DIV_INV_BY_N, zorAlgHintNone), zorStsNoErr);
                 EXPECT_EQ(zorsDFTFwd_CToC_16sc_Sfs(xc, as_sc(y) + (len % 2 ? 1024 : 0), s, 5, nullptr), zorStsNoErr);
                 zorsDFTFree_C_16sc(s);
             }
             return y;
         }},
        {"DCT 16s 4000", [&] {
             V y(4000);
             ZorsDCTFwdSpec_16s* s = nullptr;
             EXPECT_EQ(zorsDCTFwdInitAlloc_16s(&s, 4000, zorAlgHintNone), zorStsNoErr);
             EXPECT_EQ(zorsDCTFwd_16s_Sfs(x.data(), y.data(), s, 0, nullptr), zorStsNoErr);
             zorsDCTFwdFree_16s(s);
             return y;
         }},
        {"Hilbert 16s16sc 1024", [&] {
             V y(2048);
             ZorsHilbertSpec_16s16sc* s = nullptr;
             EXPECT_EQ(zorsHilbertInitAlloc_16s16sc(&s, 1024, zorAlgHintNone), zorStsNoErr);
             EXPECT_EQ(zorsHilbert_16s16sc_Sfs(x.data(), as_sc(y), s, 1), zorStsNoErr);
             zorsHilbertFree_16s16sc(s);
             return y;
         }},
        {"Conv and AutoCorr 16s", [&] {
             V y(4499);
             EXPECT_EQ(zorsConv_16s_Sfs(x.data(), 2000, x.data() + 2000, 1500, y.data(), 21), zorStsNoErr);
             EXPECT_EQ(zorsAutoCorr_16s_Sfs(x.data(), 3000, y.data() + 3499, 1000, 21), zorStsNoErr);
             return y;
         }},
        {"FIR 32f_16s, 100 taps", [&] {
             V y(4096);
             ZorsFIRState32f_16s* s = nullptr;
             EXPECT_EQ(zorsFIRInitAlloc32f_16s(&s, taps.data(), 100, nullptr), zorStsNoErr);
             EXPECT_EQ(zorsFIR32f_16s_Sfs(x.data(), y.data(), 4096, s, 0), zorStsNoErr);
             zorsFIRFree32f_16s(s);
             return y;
         }},
    };
    for (const auto& c : cases) {
        std::vector<V> outs;
        zt::for_each_isa([&](zors::Isa) { outs.push_back(c.second()); });
        for (std::size_t l = 1; l < outs.size(); ++l) EXPECT_TRUE(outs[l] == outs[0]) << c.first << ", level " << l;
    }
}

// One specification, several threads with their own data: identical results.
TEST(FftSpec, ConcurrentTransforms) {
    const int order = 14;
    const std::size_t n = std::size_t{1} << order;
    ZorsFFTSpec_C_32fc* spec = nullptr;
    ASSERT_EQ(zorsFFTInitAlloc_C_32fc(&spec, order, ZOR_FFT_DIV_BY_SQRTN, zorAlgHintNone), zorStsNoErr);
    int size = 0;
    zorsFFTGetBufSize_C_32fc(spec, &size);
    std::vector<Zor32fc> x(n), want(n);
    zt::Rng rng(5);
    for (auto& c : x) c = {static_cast<float>(rng.bits() % 1000) / 999.0f, static_cast<float>(rng.bits() % 777) / 776.0f};
    ASSERT_EQ(zorsFFTFwd_CToC_32fc(x.data(), want.data(), spec, nullptr), zorStsNoErr);
    std::vector<std::vector<Zor32fc>> out(4, std::vector<Zor32fc>(n));
    std::vector<std::vector<Zor8u>> bufs(4, std::vector<Zor8u>(size + 15));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int rep = 0; rep < 8; ++rep) zorsFFTFwd_CToC_32fc(x.data(), out[t].data(), spec, t % 2 ? bufs[t].data() + t : nullptr);
        });
    for (auto& th : threads) th.join();
    for (int t = 0; t < 4; ++t) EXPECT_EQ(std::memcmp(out[t].data(), want.data(), n * sizeof(Zor32fc)), 0) << "thread " << t;
    zorsFFTFree_C_32fc(spec);
}

}  // namespace
