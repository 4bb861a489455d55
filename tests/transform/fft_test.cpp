// Power-of-two FFT of the floating-point kinds against the long-double
// reference: accuracy per order and flag, round trips, in place and out of
// place, work buffers, packed layouts, sizes, identifiers and check order.
#include <algorithm>
#include <cmath>
#include <thread>

#include "tests/common.h"
#include "tests/transform/fft_kinds.h"
#include "transform/fft.h"

namespace {

using zref::cld;
constexpr int kFlags[] = {1, 2, 4, 8};

template <class T> long double eps() { return sizeof(T) == 4 ? 1.19e-7L : 2.22e-16L; }
// The accuracy bound of an order: ε·(1 + √log2 N).
template <class T> long double bound(int order) { return eps<T>() * (1 + std::sqrt(static_cast<long double>(order))); }

std::vector<cld> random_cplx(std::size_t n, zt::Rng& rng) {
    std::uniform_real_distribution<double> u(-0.5, 0.5);
    std::mt19937 g(rng.seed() + static_cast<std::uint32_t>(n));
    std::vector<cld> v(n);
    for (auto& c : v) c = {static_cast<long double>(static_cast<float>(u(g))), static_cast<long double>(static_cast<float>(u(g)))};
    return v;
}

// A complex vector stored as the kind expects it, with odd offsets.
template <class K>
struct Store {
    using T = typename K::Elem;
    std::size_t n;
    zt::Guarded<T> re, im;
    Store(std::size_t n_, int off) : n(n_), re(static_cast<int>(K::split ? n_ : 2 * n_), off * sizeof(T)), im(static_cast<int>(n_), 3 * off * sizeof(T)) {}
    void put(const std::vector<cld>& v) {
        for (std::size_t i = 0; i < n; ++i) {
            if (K::split) { re[i] = static_cast<T>(v[i].real()); im[i] = static_cast<T>(v[i].imag()); }
            else { re[2 * i] = static_cast<T>(v[i].real()); re[2 * i + 1] = static_cast<T>(v[i].imag()); }
        }
    }
    std::vector<cld> get() const {
        std::vector<cld> v(n);
        for (std::size_t i = 0; i < n; ++i)
            v[i] = K::split ? cld(re.data()[i], im.data()[i]) : cld(re.data()[2 * i], re.data()[2 * i + 1]);
        return v;
    }
    bool intact() const { return re.guards_intact() && (!K::split || im.guards_intact()); }
};

template <class K>
ZorStatus transform(bool inv, Store<K>& s, Store<K>& d, const typename K::Spec* spec, Zor8u* buf) {
    auto* f = inv ? &K::inv : &K::fwd;
    return f(s.re.data(), s.im.data(), d.re.data(), d.im.data(), spec, buf);
}

// Accuracy of one complex kind for orders lo..hi, every flag and direction,
// out of place, at the active dispatch level; returns the worst error.
template <class K>
void complex_accuracy(int lo, int hi, const std::vector<int>& flags) {
    using T = typename K::Elem;
    zt::Rng rng(7);
    for (int order = lo; order <= hi; ++order) {
        const std::size_t n = std::size_t{1} << order;
        const auto x = random_cplx(n, rng);
        const std::vector<cld> ref[2] = {zref::dft(x, false), zref::dft(x, true)};
        for (int flag : flags) {
            typename K::Spec* spec = nullptr;
            ASSERT_EQ(K::init(&spec, order, flag), zorStsNoErr);
            for (bool inv : {false, true}) {
                Store<K> s(n, 1), d(n, 1);
                s.put(x);
                ASSERT_EQ(transform<K>(inv, s, d, spec, nullptr), zorStsNoErr);
                auto want = ref[inv];
                for (auto& c : want) c *= fk::norm_factor(flag, n, inv);
                const long double err = zref::rel_rms(d.get(), want);
                EXPECT_LE(err, bound<T>(order)) << K::name << " order " << order << " flag " << flag << " inv " << inv;
                EXPECT_TRUE(d.intact());
                EXPECT_EQ(s.get(), x) << "source modified";
            }
            ASSERT_EQ(K::release(spec), zorStsNoErr);
        }
    }
}

template <class K>
void complex_roundtrip_inplace(int hi) {
    using T = typename K::Elem;
    zt::Rng rng(11);
    for (int order = 0; order <= hi; ++order) {
        const std::size_t n = std::size_t{1} << order;
        const auto x = random_cplx(n, rng);
        for (int flag : kFlags) {
            typename K::Spec* spec = nullptr;
            ASSERT_EQ(K::init(&spec, order, flag), zorStsNoErr);
            int size = -1;
            ASSERT_EQ(K::bufsize(spec, &size), zorStsNoErr);
            zt::Guarded<Zor8u> buf(size + 15, 5);
            // Out of place with a null buffer: the reference result.
            Store<K> s(n, 0), d(n, 1), ip(n, 2);
            s.put(x);
            ASSERT_EQ(transform<K>(false, s, d, spec, nullptr), zorStsNoErr);
            // In place, misaligned caller buffer: same bits.
            ip.put(x);
            ASSERT_EQ(transform<K>(false, ip, ip, spec, buf.data()), zorStsNoErr);
            ASSERT_EQ(ip.get(), d.get()) << K::name << " in place, order " << order;
            EXPECT_TRUE(buf.guards_intact());
            if constexpr (K::split) {
                // Only one of the two pairs in place.
                Store<K> h(n, 0), o(n, 1);
                h.put(x);
                ASSERT_EQ(K::fwd(h.re.data(), h.im.data(), h.re.data(), o.im.data(), spec, nullptr), zorStsNoErr);
                for (std::size_t i = 0; i < n; ++i) {
                    ASSERT_EQ(h.re[i], d.re[i]);
                    ASSERT_EQ(o.im[i], d.im[i]);
                }
            }
            // Back again, in place.
            ASSERT_EQ(transform<K>(true, ip, ip, spec, buf.data()), zorStsNoErr);
            auto want = x;
            if (flag == 8) for (auto& c : want) c *= static_cast<long double>(n);
            EXPECT_LE(zref::rel_rms(ip.get(), want), sizeof(T) == 4 ? 1e-6L : 2e-15L) << K::name << " order " << order << " flag " << flag;
            ASSERT_EQ(K::release(spec), zorStsNoErr);
        }
    }
}

TEST(FftComplex, AccuracyEveryLevel) {
    zt::for_each_isa([&](zors::Isa) {
        complex_accuracy<fk::C_32fc>(0, 13, {1, 2, 4, 8});
        complex_accuracy<fk::C_32f>(0, 13, {1, 2, 4, 8});
        complex_accuracy<fk::C_64fc>(0, 13, {1, 2, 4, 8});
        complex_accuracy<fk::C_64f>(0, 13, {1, 2, 4, 8});
    });
}

TEST(FftComplex, AccuracyLongOrders) {
    complex_accuracy<fk::C_32fc>(14, 16, {1, 2, 4, 8});
    complex_accuracy<fk::C_32f>(14, 16, {1, 2, 4, 8});
    complex_accuracy<fk::C_64fc>(14, 16, {1, 2, 4, 8});
    complex_accuracy<fk::C_64f>(14, 16, {1, 2, 4, 8});
    complex_accuracy<fk::C_32fc>(20, 20, {4});
    complex_accuracy<fk::C_64fc>(18, 18, {8});
}

TEST(FftComplex, RoundTripInPlaceAndBuffers) {
    zt::for_each_isa([&](zors::Isa) {
        complex_roundtrip_inplace<fk::C_32fc>(12);
        complex_roundtrip_inplace<fk::C_32f>(12);
        complex_roundtrip_inplace<fk::C_64fc>(12);
        complex_roundtrip_inplace<fk::C_64f>(12);
    });
}

// Every level gives the same result as the baseline within rounding, and the
// impulse at 0 transforms to a constant.
TEST(FftComplex, ImpulseAndConstant) {
    for (int order = 0; order <= 10; ++order) {
        const std::size_t n = std::size_t{1} << order;
        fk::C_32fc::Spec* spec = nullptr;
        ASSERT_EQ(fk::C_32fc::init(&spec, order, 1), zorStsNoErr);
        std::vector<Zor32fc> x(n, Zor32fc{0, 0}), y(n);
        x[0] = {1, 0};
        ASSERT_EQ(zorsFFTFwd_CToC_32fc(x.data(), y.data(), spec, nullptr), zorStsNoErr);
        for (std::size_t i = 0; i < n; ++i) {
            ASSERT_EQ(y[i].re, 1.0f / n);
            ASSERT_EQ(y[i].im, 0.0f);
        }
        fk::C_32fc::release(spec);
    }
}

// ---- real transforms ----

template <class K>
void real_accuracy(int lo, int hi) {
    using T = typename K::Elem;
    zt::Rng rng(3);
    for (int order = lo; order <= hi; ++order) {
        const std::size_t n = std::size_t{1} << order;
        auto x = random_cplx(n, rng);
        for (auto& c : x) c = {c.real(), 0};
        const auto spec_ref = zref::dft(x, false);
        for (int flag : kFlags) {
            typename K::Spec* spec = nullptr;
            ASSERT_EQ(K::init(&spec, order, flag), zorStsNoErr);
            for (int lay = 0; lay < 3; ++lay) {
                auto want = fk::layout_of(spec_ref, lay);
                const std::size_t len = want.size();
                for (auto& w : want) w *= fk::norm_factor(flag, n, false);
                zt::Guarded<T> src(static_cast<int>(n), sizeof(T)), dst(static_cast<int>(len), 3 * sizeof(T));
                for (std::size_t i = 0; i < n; ++i) src[i] = static_cast<T>(x[i].real());
                ASSERT_EQ(K::fwd(lay, src.data(), dst.data(), spec, nullptr), zorStsNoErr);
                std::vector<cld> got(len), wc(len);
                for (std::size_t i = 0; i < len; ++i) {
                    got[i] = dst[i];
                    wc[i] = want[i];
                    if (lay == 2 && (i == 1 || i == len - 1)) ASSERT_EQ(dst[i], T(0)) << "CCS zero at " << i;
                }
                EXPECT_LE(zref::rel_rms(got, wc), bound<T>(order)) << K::name << " order " << order << " flag " << flag << " layout " << lay;
                EXPECT_TRUE(dst.guards_intact());
                // Inverse from the same layout (the spectrum as computed).
                zt::Guarded<T> back(static_cast<int>(n), 5 * sizeof(T));
                ASSERT_EQ(K::inv(lay, dst.data(), back.data(), spec, nullptr), zorStsNoErr);
                std::vector<cld> xr(n), xw(n);
                const long double total = fk::norm_factor(flag, n, false) * fk::norm_factor(flag, n, true) * n;
                for (std::size_t i = 0; i < n; ++i) { xr[i] = back[i]; xw[i] = x[i] * total; }
                EXPECT_LE(zref::rel_rms(xr, xw), sizeof(T) == 4 ? 1e-6L : 2e-15L) << K::name << " order " << order << " flag " << flag << " layout " << lay;
                EXPECT_TRUE(back.guards_intact());
                // In place gives the same bits both ways.
                zt::Guarded<T> ip(static_cast<int>(len), 0);
                for (std::size_t i = 0; i < n; ++i) ip[i] = src[i];
                ASSERT_EQ(K::fwd(lay, ip.data(), ip.data(), spec, nullptr), zorStsNoErr);
                for (std::size_t i = 0; i < len; ++i) ASSERT_EQ(ip[i], dst[i]) << "in place fwd, layout " << lay << " i " << i;
                ASSERT_EQ(K::inv(lay, ip.data(), ip.data(), spec, nullptr), zorStsNoErr);
                for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(ip[i], back[i]) << "in place inv, layout " << lay;
            }
            // The inverse against the reference: a random layout as input.
            {
                auto y = random_cplx(n, rng);
                y[0] = {y[0].real(), 0};
                if (n > 1) y[n / 2] = {y[n / 2].real(), 0};
                for (std::size_t k = 1; k < n / 2; ++k) y[n - k] = std::conj(y[k]);
                const auto xi = zref::dft(y, true);
                for (int lay = 0; lay < 3; ++lay) {
                    const auto l = fk::layout_of(y, lay);
                    std::vector<T> in(l.begin(), l.end()), out(n);
                    ASSERT_EQ(K::inv(lay, in.data(), out.data(), spec, nullptr), zorStsNoErr);
                    std::vector<cld> got(n), want(n);
                    for (std::size_t i = 0; i < n; ++i) { got[i] = out[i]; want[i] = xi[i].real() * fk::norm_factor(flag, n, true); }
                    EXPECT_LE(zref::rel_rms(got, want), bound<T>(order)) << K::name << " inverse order " << order << " flag " << flag << " layout " << lay;
                }
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
}

TEST(FftReal, AccuracyLongOrders) {
    real_accuracy<fk::R_32f>(13, 16);
    real_accuracy<fk::R_64f>(15, 16);
}

TEST(FftReal, SmallLayoutsExactly) {
    fk::R_32f::Spec* s1 = nullptr;
    fk::R_32f::Spec* s2 = nullptr;
    ASSERT_EQ(zorsFFTInitAlloc_R_32f(&s1, 0, ZOR_FFT_DIV_FWD_BY_N, zorAlgHintNone), zorStsNoErr);
    ASSERT_EQ(zorsFFTInitAlloc_R_32f(&s2, 1, ZOR_FFT_NO_DIV, zorAlgHintNone), zorStsNoErr);
    const float x1[1] = {2.5f}, x2[2] = {3.0f, 5.0f};
    float d[4] = {9, 9, 9, 9};
    ASSERT_EQ(zorsFFTFwd_RToCCS_32f(x1, d, s1, nullptr), zorStsNoErr);
    EXPECT_EQ(d[0], 2.5f); EXPECT_EQ(d[1], 0.0f); EXPECT_EQ(d[2], 9.0f);
    for (int lay = 0; lay < 2; ++lay) {
        std::fill(d, d + 4, 9.0f);
        ASSERT_EQ(fk::R_32f::fwd(lay, x2, d, s2, nullptr), zorStsNoErr);
        EXPECT_EQ(d[0], 8.0f); EXPECT_EQ(d[1], -2.0f); EXPECT_EQ(d[2], 9.0f);
    }
    ASSERT_EQ(zorsFFTFwd_RToCCS_32f(x2, d, s2, nullptr), zorStsNoErr);
    EXPECT_EQ(d[0], 8.0f); EXPECT_EQ(d[1], 0.0f); EXPECT_EQ(d[2], -2.0f); EXPECT_EQ(d[3], 0.0f);
    // Constant 16-point signal: only A_0 is non-zero, in every layout.
    fk::R_32f::Spec* s4 = nullptr;
    ASSERT_EQ(zorsFFTInitAlloc_R_32f(&s4, 4, ZOR_FFT_NO_DIV, zorAlgHintNone), zorStsNoErr);
    std::vector<float> c(16, 0.75f), o(18);
    for (int lay = 0; lay < 3; ++lay) {
        ASSERT_EQ(fk::R_32f::fwd(lay, c.data(), o.data(), s4, nullptr), zorStsNoErr);
        EXPECT_EQ(o[0], 12.0f);
        for (int i = 1; i < (lay == 2 ? 18 : 16); ++i) EXPECT_EQ(o[i], 0.0f) << "layout " << lay << " i " << i;
    }
    zorsFFTFree_R_32f(s1);
    zorsFFTFree_R_32f(s2);
    zorsFFTFree_R_32f(s4);
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
        const int e32 = o < 4 ? 0 : o <= 10 ? 8 * n + 16 : c32[o - 11];
        const int e64 = o < 10 ? 0 : c64[o - 10];
        const int r32 = o < 4 ? 0 : o <= 11 ? 4 * n + 16 : c32[o - 1 - 11];
        const int r64 = o <= 10 ? 0 : c64[o - 1 - 10];
        EXPECT_EQ(zors::fft_buf_size(4, o), e32) << o;
        EXPECT_EQ(zors::fft_buf_size(5, o), e32) << o;
        EXPECT_EQ(zors::fft_buf_size(7, o), e64) << o;
        EXPECT_EQ(zors::fft_buf_size(8, o), e64) << o;
        EXPECT_EQ(zors::fft_buf_size(6, o), r32) << o;
        EXPECT_EQ(zors::fft_buf_size(9, o), r64) << o;
    }
}

template <class K>
void reported_sizes(int hi) {
    for (int o = 0; o <= hi; ++o)
        for (int flag : kFlags) {
            typename K::Spec* s = nullptr;
            ASSERT_EQ(K::init(&s, o, flag), zorStsNoErr);
            int size = -1;
            ASSERT_EQ(K::bufsize(s, &size), zorStsNoErr);
            EXPECT_EQ(size, zors::fft_buf_size(K::id, o)) << K::name << " order " << o;
            ASSERT_EQ(K::release(s), zorStsNoErr);
        }
}

TEST(FftSpec, ReportedSizes) {
    reported_sizes<fk::C_32fc>(17);
    reported_sizes<fk::C_32f>(14);
    reported_sizes<fk::R_32f>(17);
    reported_sizes<fk::C_64fc>(17);
    reported_sizes<fk::C_64f>(14);
    reported_sizes<fk::R_64f>(17);
}

TEST(FftSpec, InitAllocFailures) {
    ZorsFFTSpec_C_32fc* sentinel = reinterpret_cast<ZorsFFTSpec_C_32fc*>(std::uintptr_t{0x1234});
    ZorsFFTSpec_C_32fc* p = sentinel;
    EXPECT_EQ(zorsFFTInitAlloc_C_32fc(nullptr, 40, 0, zorAlgHintNone), zorStsNullPtrErr);
    for (int o : {-1, 31, 1 << 30}) {
        EXPECT_EQ(zorsFFTInitAlloc_C_32fc(&p, o, 0, zorAlgHintNone), zorStsFftOrderErr);
        EXPECT_EQ(zorsFFTInitAlloc_R_64f(reinterpret_cast<ZorsFFTSpec_R_64f**>(&p), o, 1, zorAlgHintNone), zorStsFftOrderErr);
    }
    for (int f : {0, 3, 5, 16, -1})
        for (int o : {0, 5, 12}) {
            EXPECT_EQ(zorsFFTInitAlloc_C_32fc(&p, o, f, zorAlgHintNone), zorStsFftFlagErr);
            EXPECT_EQ(zorsFFTInitAlloc_C_64f(reinterpret_cast<ZorsFFTSpec_C_64f**>(&p), o, f, zorAlgHintFast), zorStsFftFlagErr);
        }
    EXPECT_EQ(p, sentinel);
    // Order 30 is accepted as an order: either built or out of memory.
    const ZorStatus st = zorsFFTInitAlloc_C_64fc(reinterpret_cast<ZorsFFTSpec_C_64fc**>(&p), 30, 8, zorAlgHintNone);
    EXPECT_TRUE(st == zorStsMemAllocErr || st == zorStsNoErr);
    if (st == zorStsNoErr) zorsFFTFree_C_64fc(reinterpret_cast<ZorsFFTSpec_C_64fc*>(p));
    else EXPECT_EQ(p, sentinel);
}

// Every function rejects every other kind's object with -17, checks the
// specification before the data pointers, and writes nothing on failure.
TEST(FftSpec, IdentifierAndCheckOrder) {
    void* specs[10] = {};
    ASSERT_EQ(fk::C_32fc::init(reinterpret_cast<ZorsFFTSpec_C_32fc**>(&specs[4]), 5, 1), zorStsNoErr);
    ASSERT_EQ(fk::C_32f::init(reinterpret_cast<ZorsFFTSpec_C_32f**>(&specs[5]), 5, 1), zorStsNoErr);
    ASSERT_EQ(fk::R_32f::init(reinterpret_cast<ZorsFFTSpec_R_32f**>(&specs[6]), 5, 1), zorStsNoErr);
    ASSERT_EQ(fk::C_64fc::init(reinterpret_cast<ZorsFFTSpec_C_64fc**>(&specs[7]), 5, 1), zorStsNoErr);
    ASSERT_EQ(fk::C_64f::init(reinterpret_cast<ZorsFFTSpec_C_64f**>(&specs[8]), 5, 1), zorStsNoErr);
    ASSERT_EQ(fk::R_64f::init(reinterpret_cast<ZorsFFTSpec_R_64f**>(&specs[9]), 5, 1), zorStsNoErr);
    // Foreign objects: other identifier words (16-bit kinds, DFT, DCT, zero).
    std::uint32_t foreign[6][16] = {{1}, {2}, {3}, {10}, {19}, {0}};
    std::vector<void*> objs;
    for (int i = 4; i <= 9; ++i) objs.push_back(specs[i]);
    for (auto& f : foreign) objs.push_back(f);

    zt::Guarded<double> a(80, 0), b(80, 0), c(80, 0), d(80, 0);
    auto try_all = [&](std::uint32_t want_id, auto&& call) {
        for (void* o : objs) {
            const ZorStatus st = call(o);
            if (zors::fft_id(o) == want_id) EXPECT_EQ(st, zorStsNoErr);
            else EXPECT_EQ(st, zorStsContextMatchErr) << "id " << zors::fft_id(o) << " passed for " << want_id;
        }
    };
    int size = -7;
    try_all(4, [&](void* o) { return zorsFFTGetBufSize_C_32fc(static_cast<ZorsFFTSpec_C_32fc*>(o), &size); });
    try_all(9, [&](void* o) { return zorsFFTGetBufSize_R_64f(static_cast<ZorsFFTSpec_R_64f*>(o), &size); });
    // Wrong kind beats null data pointers: -17, not -8.
    auto* fa = reinterpret_cast<float*>(a.data());
    for (void* o : objs) {
        if (zors::fft_id(o) != 4) EXPECT_EQ(zorsFFTFwd_CToC_32fc(nullptr, nullptr, static_cast<ZorsFFTSpec_C_32fc*>(o), nullptr), zorStsContextMatchErr);
        if (zors::fft_id(o) != 5) EXPECT_EQ(zorsFFTInv_CToC_32f(nullptr, fa, fa, nullptr, static_cast<ZorsFFTSpec_C_32f*>(o), nullptr), zorStsContextMatchErr);
        if (zors::fft_id(o) != 6) EXPECT_EQ(zorsFFTFwd_RToCCS_32f(nullptr, nullptr, static_cast<ZorsFFTSpec_R_32f*>(o), nullptr), zorStsContextMatchErr);
        if (zors::fft_id(o) != 7) EXPECT_EQ(zorsFFTInv_CToC_64fc(nullptr, nullptr, static_cast<ZorsFFTSpec_C_64fc*>(o), nullptr), zorStsContextMatchErr);
        if (zors::fft_id(o) != 8) EXPECT_EQ(zorsFFTFwd_CToC_64f(a.data(), b.data(), c.data(), nullptr, static_cast<ZorsFFTSpec_C_64f*>(o), nullptr), zorStsContextMatchErr);
        if (zors::fft_id(o) != 9) EXPECT_EQ(zorsFFTInv_PackToR_64f(nullptr, nullptr, static_cast<ZorsFFTSpec_R_64f*>(o), nullptr), zorStsContextMatchErr);
        if (zors::fft_id(o) != 6) EXPECT_EQ(zorsFFTFree_R_32f(static_cast<ZorsFFTSpec_R_32f*>(o)), zorStsContextMatchErr);
        if (zors::fft_id(o) != 7) EXPECT_EQ(zorsFFTFree_C_64fc(static_cast<ZorsFFTSpec_C_64fc*>(o)), zorStsContextMatchErr);
    }
    EXPECT_EQ(size, 0);  // the last successful query (order 5 R_64f)
    // Null specification first, then data pointers one at a time.
    EXPECT_EQ(zorsFFTFwd_CToC_64f(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), zorStsNullPtrErr);
    auto* s8 = static_cast<ZorsFFTSpec_C_64f*>(specs[8]);
    double* p[4] = {a.data(), b.data(), c.data(), d.data()};
    for (int i = 0; i < 4; ++i) {
        double* q[4] = {p[0], p[1], p[2], p[3]};
        q[i] = nullptr;
        EXPECT_EQ(zorsFFTFwd_CToC_64f(q[0], q[1], q[2], q[3], s8, nullptr), zorStsNullPtrErr) << i;
    }
    EXPECT_TRUE(a.untouched() && b.untouched() && c.untouched() && d.untouched());
    EXPECT_EQ(zorsFFTFwd_RToPerm_32f(fa, nullptr, static_cast<ZorsFFTSpec_R_32f*>(specs[6]), nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsFFTGetBufSize_C_32f(static_cast<ZorsFFTSpec_C_32f*>(specs[5]), nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsFFTGetBufSize_C_32f(nullptr, &size), zorStsNullPtrErr);
    EXPECT_EQ(zorsFFTFree_C_32f(nullptr), zorStsNullPtrErr);
    EXPECT_TRUE(a.untouched());

    EXPECT_EQ(zorsFFTFree_C_32fc(static_cast<ZorsFFTSpec_C_32fc*>(specs[4])), zorStsNoErr);
    EXPECT_EQ(zorsFFTFree_C_32f(static_cast<ZorsFFTSpec_C_32f*>(specs[5])), zorStsNoErr);
    EXPECT_EQ(zorsFFTFree_R_32f(static_cast<ZorsFFTSpec_R_32f*>(specs[6])), zorStsNoErr);
    EXPECT_EQ(zorsFFTFree_C_64fc(static_cast<ZorsFFTSpec_C_64fc*>(specs[7])), zorStsNoErr);
    EXPECT_EQ(zorsFFTFree_C_64f(static_cast<ZorsFFTSpec_C_64f*>(specs[8])), zorStsNoErr);
    EXPECT_EQ(zorsFFTFree_R_64f(static_cast<ZorsFFTSpec_R_64f*>(specs[9])), zorStsNoErr);
}

// One specification, several threads with their own data: identical results.
TEST(FftSpec, ConcurrentTransforms) {
    const int order = 14;
    const std::size_t n = std::size_t{1} << order;
    ZorsFFTSpec_C_32fc* spec = nullptr;
    ASSERT_EQ(zorsFFTInitAlloc_C_32fc(&spec, order, ZOR_FFT_DIV_BY_SQRTN, zorAlgHintNone), zorStsNoErr);
    int size = 0;
    zorsFFTGetBufSize_C_32fc(spec, &size);
    std::vector<Zor32fc> x(n);
    zt::Rng rng(5);
    for (auto& c : x) c = {static_cast<float>(rng.bits() % 1000) / 999.0f, static_cast<float>(rng.bits() % 777) / 776.0f};
    std::vector<Zor32fc> want(n);
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
