// 16-bit FFTs: both paths against the long-double DFT scaled by the flag and
// the scale factor, sizes, saturation, the scale-factor rule at order 0,
// buffers, identifiers and check order.
#include <cmath>

#include "tests/common.h"
#include "tests/transform/fft_kinds.h"
#include "transform/fft.h"

namespace {

using zref::cld;
constexpr int kFlags[] = {1, 2, 4, 8};

struct Fft16Kind {
    int kind;  // 1 C_16sc, 2 C_16s, 3 R_16s
    void* spec = nullptr;
    ZorStatus init(int order, int flag, ZorHintAlgorithm hint) {
        switch (kind) {
        case 1: return zorsFFTInitAlloc_C_16sc(reinterpret_cast<ZorsFFTSpec_C_16sc**>(&spec), order, flag, hint);
        case 2: return zorsFFTInitAlloc_C_16s(reinterpret_cast<ZorsFFTSpec_C_16s**>(&spec), order, flag, hint);
        default: return zorsFFTInitAlloc_R_16s(reinterpret_cast<ZorsFFTSpec_R_16s**>(&spec), order, flag, hint);
        }
    }
    int bufsize() const {
        int s = -1;
        if (kind == 1) zorsFFTGetBufSize_C_16sc(static_cast<ZorsFFTSpec_C_16sc*>(spec), &s);
        if (kind == 2) zorsFFTGetBufSize_C_16s(static_cast<ZorsFFTSpec_C_16s*>(spec), &s);
        if (kind == 3) zorsFFTGetBufSize_R_16s(static_cast<ZorsFFTSpec_R_16s*>(spec), &s);
        return s;
    }
    ZorStatus release() {
        if (kind == 1) return zorsFFTFree_C_16sc(static_cast<ZorsFFTSpec_C_16sc*>(spec));
        if (kind == 2) return zorsFFTFree_C_16s(static_cast<ZorsFFTSpec_C_16s*>(spec));
        return zorsFFTFree_R_16s(static_cast<ZorsFFTSpec_R_16s*>(spec));
    }
    // Complex kinds: x of n complex values in, n out.
    ZorStatus complex(bool inv, const std::vector<Zor16sc>& x, std::vector<Zor16sc>& y, int sf, Zor8u* buf) const {
        if (kind == 1) {
            auto* s = static_cast<ZorsFFTSpec_C_16sc*>(spec);
            return inv ? zorsFFTInv_CToC_16sc_Sfs(x.data(), y.data(), s, sf, buf) : zorsFFTFwd_CToC_16sc_Sfs(x.data(), y.data(), s, sf, buf);
        }
        const std::size_t n = x.size();
        std::vector<Zor16s> xr(n), xi(n), yr(n), yi(n);
        for (std::size_t i = 0; i < n; ++i) { xr[i] = x[i].re; xi[i] = x[i].im; }
        auto* s = static_cast<ZorsFFTSpec_C_16s*>(spec);
        const ZorStatus st = inv ? zorsFFTInv_CToC_16s_Sfs(xr.data(), xi.data(), yr.data(), yi.data(), s, sf, buf)
                                 : zorsFFTFwd_CToC_16s_Sfs(xr.data(), xi.data(), yr.data(), yi.data(), s, sf, buf);
        for (std::size_t i = 0; i < n; ++i) y[i] = {yr[i], yi[i]};
        return st;
    }
    ZorStatus real(bool inv, int lay, const Zor16s* x, Zor16s* y, int sf, Zor8u* buf) const {
        auto* s = static_cast<ZorsFFTSpec_R_16s*>(spec);
        if (!inv) return lay == 0 ? zorsFFTFwd_RToPack_16s_Sfs(x, y, s, sf, buf) : lay == 1 ? zorsFFTFwd_RToPerm_16s_Sfs(x, y, s, sf, buf) : zorsFFTFwd_RToCCS_16s_Sfs(x, y, s, sf, buf);
        return lay == 0 ? zorsFFTInv_PackToR_16s_Sfs(x, y, s, sf, buf) : lay == 1 ? zorsFFTInv_PermToR_16s_Sfs(x, y, s, sf, buf) : zorsFFTInv_CCSToR_16s_Sfs(x, y, s, sf, buf);
    }
};

long double sat(long double v) { return v > 32767 ? 32767 : v < -32768 ? -32768 : v; }

// Tolerance in units: one unit of rounding plus the twiddle quantisation of
// the integer path (Q14) or the single-precision error of the floating path.
long double tolerance(bool int_path, long double l1, long double scale) {
    return 1.0L + l1 * scale * (int_path ? 4.0L / 16384 : 1e-6L);
}

TEST(Fft16, ComplexAgainstReference) {
    zt::Rng rng(9);
    zt::for_each_isa([&](zors::Isa) {
    for (int kind : {1, 2})
        for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintAccurate})
            for (int order = 0; order <= 9; ++order) {
                const std::size_t n = std::size_t{1} << order;
                std::vector<Zor16sc> x(n), y(n);
                std::vector<cld> xc(n);
                long double l1 = 0;
                for (std::size_t i = 0; i < n; ++i) {
                    x[i] = {static_cast<Zor16s>(rng.bits() % 20001 - 10000), static_cast<Zor16s>(rng.bits() % 20001 - 10000)};
                    xc[i] = cld(x[i].re, x[i].im);
                    l1 += std::abs(xc[i]);
                }
                const bool int_path = order >= 1 && order <= 5 && hint != zorAlgHintAccurate;
                for (int flag : kFlags) {
                    Fft16Kind r{kind};
                    ASSERT_EQ(r.init(order, flag, hint), zorStsNoErr);
                    for (bool inv : {false, true}) {
                        const auto ref = zref::dft(xc, inv);
                        for (int sf : {-2, 0, 3, 40}) {
                            ASSERT_EQ(r.complex(inv, x, y, sf, nullptr), zorStsNoErr);
                            const long double sc = (order == 0 ? 1.0L : fk::norm_factor(flag, n, inv)) * std::ldexp(1.0L, -sf);
                            for (std::size_t k = 0; k < n; ++k) {
                                const long double tol = tolerance(int_path, l1, sc);
                                ASSERT_LE(std::fabs(y[k].re - sat(ref[k].real() * sc)), tol) << "kind " << kind << " hint " << hint << " order " << order << " flag " << flag << " inv " << inv << " sf " << sf << " k " << k;
                                ASSERT_LE(std::fabs(y[k].im - sat(ref[k].imag() * sc)), tol) << "kind " << kind << " order " << order << " k " << k;
                            }
                        }
                    }
                    ASSERT_EQ(r.release(), zorStsNoErr);
                }
            }
    });
}

// In place gives the bits of out of place, on both paths and for every
// layout; an unknown hint is kept and selects the floating path.
TEST(Fft16, InPlace) {
    zt::Rng rng(29);
    for (ZorHintAlgorithm hint : {zorAlgHintNone, static_cast<ZorHintAlgorithm>(3)})
        for (int order : {1, 2, 3, 4, 5, 6, 9}) {
            const int n = 1 << order;
            Fft16Kind c{1}, sp{2}, re{3};
            ASSERT_EQ(c.init(order, ZOR_FFT_DIV_BY_SQRTN, hint), zorStsNoErr);
            ASSERT_EQ(sp.init(order, ZOR_FFT_DIV_BY_SQRTN, hint), zorStsNoErr);
            ASSERT_EQ(re.init(order, ZOR_FFT_DIV_BY_SQRTN, hint), zorStsNoErr);
            const bool int_path = hint == zorAlgHintNone && order <= 5;
            EXPECT_EQ(c.bufsize(), int_path ? 12 * n + 16 : 8 * n + 16 + zors::fft_buf_size(4, order));
            std::vector<Zor16sc> x(n), y(n);
            for (auto& v : x) v = {static_cast<Zor16s>(rng.bits()), static_cast<Zor16s>(rng.bits())};
            for (bool inv : {false, true}) {
                auto* cs = static_cast<ZorsFFTSpec_C_16sc*>(c.spec);
                ASSERT_EQ(c.complex(inv, x, y, 2, nullptr), zorStsNoErr);
                std::vector<Zor16sc> ip = x;
                ASSERT_EQ(inv ? zorsFFTInv_CToC_16sc_Sfs(ip.data(), ip.data(), cs, 2, nullptr) : zorsFFTFwd_CToC_16sc_Sfs(ip.data(), ip.data(), cs, 2, nullptr), zorStsNoErr);
                EXPECT_EQ(std::memcmp(ip.data(), y.data(), n * sizeof(Zor16sc)), 0) << "16sc order " << order;
                std::vector<Zor16s> r(n), i(n), yr(n), yi(n);
                for (int k = 0; k < n; ++k) { r[k] = x[k].re; i[k] = x[k].im; }
                auto* ss = static_cast<ZorsFFTSpec_C_16s*>(sp.spec);
                ASSERT_EQ(inv ? zorsFFTInv_CToC_16s_Sfs(r.data(), i.data(), r.data(), yi.data(), ss, 2, nullptr) : zorsFFTFwd_CToC_16s_Sfs(r.data(), i.data(), r.data(), yi.data(), ss, 2, nullptr), zorStsNoErr);
                for (int k = 0; k < n; ++k) {
                    EXPECT_EQ(r[k], y[k].re) << "16s order " << order << " k " << k;
                    EXPECT_EQ(yi[k], y[k].im) << "16s order " << order << " k " << k;
                }
                for (int lay = 0; lay < 3; ++lay) {
                    std::vector<Zor16s> src(n + 2), out(n + 2), io(n + 2);
                    for (int k = 0; k < n; ++k) src[k] = x[k].re;
                    if (inv && lay == 2) { src[1] = 0; src[n + 1] = 0; }
                    ASSERT_EQ(re.real(inv, lay, src.data(), out.data(), 1, nullptr), zorStsNoErr);
                    io = src;
                    ASSERT_EQ(re.real(inv, lay, io.data(), io.data(), 1, nullptr), zorStsNoErr);
                    const int len = inv ? n : (lay == 2 ? n + 2 : n);
                    for (int k = 0; k < len; ++k) EXPECT_EQ(io[k], out[k]) << "R_16s order " << order << " layout " << lay << " inv " << inv << " k " << k;
                }
            }
            c.release();
            sp.release();
            re.release();
        }
}

TEST(Fft16, RealAgainstReference) {
    zt::Rng rng(19);
    for (ZorHintAlgorithm hint : {zorAlgHintFast, zorAlgHintAccurate})
        for (int order = 0; order <= 9; ++order) {
            const std::size_t n = std::size_t{1} << order;
            std::vector<Zor16s> x(n);
            std::vector<cld> xc(n);
            long double l1 = 0;
            for (std::size_t i = 0; i < n; ++i) {
                x[i] = static_cast<Zor16s>(rng.bits() % 40001 - 20000);
                xc[i] = x[i];
                l1 += std::fabs(static_cast<long double>(x[i]));
            }
            const bool int_path = order >= 1 && order <= 5 && hint != zorAlgHintAccurate;
            const auto spec_ref = zref::dft(xc, false);
            for (int flag : kFlags) {
                Fft16Kind r{3};
                ASSERT_EQ(r.init(order, flag, hint), zorStsNoErr);
                for (int sf : {-1, 0, 2}) {
                    const long double scf = (order == 0 ? 1.0L : fk::norm_factor(flag, n, false)) * std::ldexp(1.0L, -sf);
                    for (int lay = 0; lay < 3; ++lay) {
                        const auto want = fk::layout_of(spec_ref, lay);
                        zt::Guarded<Zor16s> out(static_cast<int>(want.size()), 2);
                        ASSERT_EQ(r.real(false, lay, x.data(), out.data(), sf, nullptr), zorStsNoErr);
                        for (std::size_t i = 0; i < want.size(); ++i)
                            ASSERT_LE(std::fabs(out[i] - sat(want[i] * scf)), tolerance(int_path, l1, scf))
                                << "hint " << hint << " order " << order << " flag " << flag << " sf " << sf << " layout " << lay << " i " << i;
                        ASSERT_TRUE(out.guards_intact());
                        // Inverse of a spectrum in the layout against the reference.
                        std::vector<Zor16s> in(want.size()), back(n);
                        std::vector<cld> full(n);
                        for (std::size_t i = 0; i < want.size(); ++i) in[i] = static_cast<Zor16s>(rng.bits() % 2001 - 1000);
                        if (lay == 2) { in[1] = 0; in[want.size() - 1] = 0; }
                        // The spectrum the layout stands for.
                        std::vector<cld> spec(n);
                        {
                            std::vector<long double> l(in.begin(), in.end());
                            spec[0] = l[0];
                            std::size_t p = lay == 1 && n % 2 == 0 && n > 1 ? 2 : lay == 2 ? 2 : 1;
                            for (std::size_t k = 1; k < (n + 1) / 2; ++k, p += 2) spec[k] = cld(l[p], l[p + 1]), spec[n - k] = cld(l[p], -l[p + 1]);
                            if (n % 2 == 0 && n > 1) spec[n / 2] = l[lay == 0 ? n - 1 : lay == 1 ? 1 : n];
                        }
                        const auto xr = zref::dft(spec, true);
                        long double sl1 = 0;
                        for (auto& c : spec) sl1 += std::abs(c);
                        const long double sci = (order == 0 ? 1.0L : fk::norm_factor(flag, n, true)) * std::ldexp(1.0L, -sf);
                        ASSERT_EQ(r.real(true, lay, in.data(), back.data(), sf, nullptr), zorStsNoErr);
                        for (std::size_t i = 0; i < n; ++i)
                            ASSERT_LE(std::fabs(back[i] - sat(xr[i].real() * sci)), tolerance(int_path, sl1, sci))
                                << "inverse hint " << hint << " order " << order << " flag " << flag << " sf " << sf << " layout " << lay << " i " << i;
                    }
                }
                ASSERT_EQ(r.release(), zorStsNoErr);
            }
        }
}

TEST(Fft16, ConstantAndOrderZero) {
    for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintAccurate}) {
        Fft16Kind r{1};
        ASSERT_EQ(r.init(5, ZOR_FFT_DIV_FWD_BY_N, hint), zorStsNoErr);
        std::vector<Zor16sc> x(32, Zor16sc{1000, 0}), y(32);
        ASSERT_EQ(r.complex(false, x, y, 0, nullptr), zorStsNoErr);
        EXPECT_EQ(y[0].re, 1000);
        for (int k = 0; k < 32; ++k) {
            if (k) EXPECT_EQ(y[k].re, 0) << k;
            EXPECT_EQ(y[k].im, 0) << k;
        }
        r.release();
    }
    // Order 0: the scale-factor rule, ties to even, saturation.
    Fft16Kind r{1};
    ASSERT_EQ(r.init(0, ZOR_FFT_DIV_BY_SQRTN, zorAlgHintNone), zorStsNoErr);
    EXPECT_EQ(r.bufsize(), 0);
    struct { Zor16s in; int sf; Zor16s out; } cases[] = {{5, 1, 2}, {7, 1, 4}, {-5, 1, -2}, {-32768, -1, -32768}, {20000, -1, 32767}, {3, 0, 3}, {-3, 70, 0}};
    for (auto c : cases) {
        std::vector<Zor16sc> x(1, Zor16sc{c.in, c.in}), y(1);
        ASSERT_EQ(r.complex(true, x, y, c.sf, nullptr), zorStsNoErr);
        EXPECT_EQ(y[0].re, c.out) << c.in << " sf " << c.sf;
        EXPECT_EQ(y[0].im, c.out);
    }
    r.release();
    // Saturation of large spectra.
    Fft16Kind s{2};
    ASSERT_EQ(s.init(4, ZOR_FFT_NO_DIV, zorAlgHintNone), zorStsNoErr);
    std::vector<Zor16sc> big(16, Zor16sc{30000, -30000}), out(16);
    ASSERT_EQ(s.complex(false, big, out, 0, nullptr), zorStsNoErr);
    EXPECT_EQ(out[0].re, 32767);
    EXPECT_EQ(out[0].im, -32768);
    s.release();
}

TEST(Fft16, SizesBuffersAndChecks) {
    for (int kind : {1, 2, 3})
        for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintFast, zorAlgHintAccurate})
            for (int order = 0; order <= 12; ++order) {
                Fft16Kind r{kind};
                ASSERT_EQ(r.init(order, ZOR_FFT_DIV_INV_BY_N, hint), zorStsNoErr);
                const int n = 1 << order;
                const bool int_path = order >= 1 && order <= 5 && hint != zorAlgHintAccurate;
                int want = 0;
                if (order > 0) {
                    if (kind == 3) want = 4 * n + 24 + (int_path ? 0 : zors::fft_buf_size(6, order));
                    else want = int_path ? 12 * n + 16 : 8 * n + 16 + zors::fft_buf_size(kind == 1 ? 4 : 5, order);
                }
                EXPECT_EQ(r.bufsize(), want) << "kind " << kind << " hint " << hint << " order " << order;
                // A misaligned caller buffer of the reported size plus 15
                // bytes gives the result of the internal one.
                if (kind != 3) {
                    std::vector<Zor16sc> x(n), a(n), b(n);
                    for (int i = 0; i < n; ++i) x[i] = {static_cast<Zor16s>(i * 37 % 200), static_cast<Zor16s>(i * 11 % 90 - 45)};
                    zt::Guarded<Zor8u> buf(r.bufsize() + 15, 7);
                    ASSERT_EQ(r.complex(false, x, a, 1, nullptr), zorStsNoErr);
                    ASSERT_EQ(r.complex(false, x, b, 1, buf.data()), zorStsNoErr);
                    EXPECT_EQ(std::memcmp(a.data(), b.data(), n * sizeof(Zor16sc)), 0);
                    EXPECT_TRUE(buf.guards_intact());
                }
                r.release();
            }
    // Identifier words: every other kind is rejected, before the data pointers.
    Fft16Kind c{1}, s{2}, re{3};
    ASSERT_EQ(c.init(3, 1, zorAlgHintNone), zorStsNoErr);
    ASSERT_EQ(s.init(7, 1, zorAlgHintNone), zorStsNoErr);
    ASSERT_EQ(re.init(6, 2, zorAlgHintNone), zorStsNoErr);
    ZorsFFTSpec_C_32fc* f = nullptr;
    ASSERT_EQ(zorsFFTInitAlloc_C_32fc(&f, 3, 1, zorAlgHintNone), zorStsNoErr);
    Zor16s d[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(zorsFFTFwd_CToC_16sc_Sfs(nullptr, nullptr, static_cast<ZorsFFTSpec_C_16sc*>(s.spec), 0, nullptr), zorStsContextMatchErr);
    EXPECT_EQ(zorsFFTFwd_CToC_16sc_Sfs(nullptr, nullptr, reinterpret_cast<ZorsFFTSpec_C_16sc*>(f), 0, nullptr), zorStsContextMatchErr);
    EXPECT_EQ(zorsFFTInv_CToC_16s_Sfs(d, d, d, nullptr, static_cast<ZorsFFTSpec_C_16s*>(c.spec), 0, nullptr), zorStsContextMatchErr);
    EXPECT_EQ(zorsFFTFwd_RToCCS_16s_Sfs(nullptr, d, static_cast<ZorsFFTSpec_R_16s*>(s.spec), 0, nullptr), zorStsContextMatchErr);
    EXPECT_EQ(zorsFFTInv_PermToR_16s_Sfs(d, d, nullptr, 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsFFTInv_PermToR_16s_Sfs(nullptr, d, static_cast<ZorsFFTSpec_R_16s*>(re.spec), 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsFFTInv_CToC_16s_Sfs(d, d, d, nullptr, static_cast<ZorsFFTSpec_C_16s*>(s.spec), 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsFFTFree_C_16s(static_cast<ZorsFFTSpec_C_16s*>(c.spec)), zorStsContextMatchErr);
    EXPECT_EQ(zorsFFTFree_C_32fc(reinterpret_cast<ZorsFFTSpec_C_32fc*>(c.spec)), zorStsContextMatchErr);
    int size = 0;
    EXPECT_EQ(zorsFFTGetBufSize_R_16s(static_cast<ZorsFFTSpec_R_16s*>(c.spec), &size), zorStsContextMatchErr);
    EXPECT_EQ(zorsFFTGetBufSize_R_16s(nullptr, &size), zorStsNullPtrErr);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(d[i], i + 1);
    Fft16Kind bad{3};
    EXPECT_EQ(bad.init(31, 1, zorAlgHintNone), zorStsFftOrderErr);
    EXPECT_EQ(bad.init(4, 0, zorAlgHintNone), zorStsFftFlagErr);
    EXPECT_EQ(bad.spec, nullptr);
    EXPECT_EQ(zorsFFTInitAlloc_C_16s(nullptr, 3, 1, zorAlgHintNone), zorStsNullPtrErr);
    zorsFFTFree_C_32fc(f);
    c.release();
    s.release();
    re.release();
}

}  // namespace
