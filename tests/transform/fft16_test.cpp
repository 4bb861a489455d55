// 16-bit FFTs: both paths against the long-double DFT scaled by the flag and
// the scale factor, in place against out of place, the scale-factor rule at
// order 0, buffer sizes and caller buffers. (Identifiers, check order and
// creation failures are tested with the other kinds in fft_test.cpp.)
#include "tests/transform/fft_kinds.h"
#include "tests/ref/scale_ref.h"
#include "transform/fft.h"

namespace {

using zref::cld;
constexpr int kFlags[] = {1, 2, 4, 8};

long double sat(long double v) { return v > 32767 ? 32767 : v < -32768 ? -32768 : v; }
// The integer path: orders 1..5 with hint None or Fast (any other hint takes the floating path).
bool int_path(int order, ZorHintAlgorithm hint) { return order >= 1 && order <= 5 && (hint == zorAlgHintNone || hint == zorAlgHintFast); }

// Tolerance in units: one unit of rounding plus the twiddle quantisation of
// the integer path (Q14) or the single-precision error of the floating path.
long double tolerance(bool ip, long double l1, long double scale) { return 1.0L + l1 * scale * (ip ? 4.0L / 16384 : 1e-6L); }

// Complex kinds: every order to 9, flag, direction and a range of factors;
// in place gives the out-of-place bits (for the split kind with only the
// real pair in place).
template <class K>
void complex_against_reference(ZorHintAlgorithm hint, zt::Rng& rng) {
    for (int order = 0; order <= 9; ++order) {
        const std::size_t n = std::size_t{1} << order;
        std::vector<cld> x(n);
        long double l1 = 0;
        for (auto& c : x) {
            c = cld(static_cast<int>(rng.bits() % 20001) - 10000, static_cast<int>(rng.bits() % 20001) - 10000);
            l1 += std::abs(c);
        }
        const std::vector<cld> ref[2] = {zref::dft(x, false), zref::dft(x, true)};
        for (int flag : kFlags) {
            typename K::Spec* spec = nullptr;
            ASSERT_EQ(K::init(&spec, order, flag, hint), zorStsNoErr);
            for (int inv : {0, 1})
                for (int sf : {-2, 0, 3, 40}) {
                    SCOPED_TRACE(testing::Message() << K::name << " hint " << hint << " order " << order << " flag " << flag << " inv " << inv << " sf " << sf);
                    fk::Store<K> s(n, 1), d(n, 0), h(n, 2), o(n, 3);
                    s.put(x);
                    h.put(x);
                    ASSERT_EQ(K::run(inv, fk::ptrs(s, d).data(), spec, nullptr, sf), zorStsNoErr);
                    const long double sc = (order == 0 ? 1.0L : fk::norm_factor(flag, n, inv)) * std::ldexp(1.0L, -sf);
                    const auto y = d.get();
                    for (std::size_t k = 0; k < n; ++k) {
                        ASSERT_LE(std::fabs(y[k].real() - sat(ref[inv][k].real() * sc)), tolerance(int_path(order, hint), l1, sc)) << k;
                        ASSERT_LE(std::fabs(y[k].imag() - sat(ref[inv][k].imag() * sc)), tolerance(int_path(order, hint), l1, sc)) << k;
                    }
                    Zor16s* p[4] = {h.re.data(), h.im.data(), h.re.data(), o.im.data()};
                    ASSERT_EQ(K::run(inv, p, spec, nullptr, sf), zorStsNoErr);
                    for (std::size_t k = 0; k < n; ++k)
                        ASSERT_EQ(K::split ? cld(h.re[k], o.im[k]) : cld(h.re[2 * k], h.re[2 * k + 1]), y[k]) << "in place " << k;
                }
            ASSERT_EQ(K::release(spec), zorStsNoErr);
        }
    }
}

TEST(Fft16, ComplexAgainstReference) {
    zt::Rng rng(9);
    zt::for_each_isa([&](zors::Isa) {
        for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintAccurate}) {
            complex_against_reference<fk::C_16sc>(hint, rng);
            complex_against_reference<fk::C_16s>(hint, rng);
        }
    });
}

// Real kind, every layout: forward against the reference, the inverse of a
// reference spectrum given in the layout, in place both ways.
TEST(Fft16, RealAgainstReference) {
    zt::Rng rng(19);
    for (ZorHintAlgorithm hint : {zorAlgHintFast, zorAlgHintAccurate})
        for (int order = 0; order <= 9; ++order) {
            const std::size_t n = std::size_t{1} << order;
            std::vector<cld> x(n), y(n);
            long double l1 = 0, yl1 = 0;
            for (auto& c : x) l1 += std::fabs((c = static_cast<int>(rng.bits() % 40001) - 20000).real());
            for (std::size_t k = 0; k <= n / 2; ++k) y[k] = cld(static_cast<int>(rng.bits() % 2001) - 1000, k == 0 || 2 * k == n ? 0 : static_cast<int>(rng.bits() % 2001) - 1000);
            for (std::size_t k = 1; k < n / 2; ++k) y[n - k] = std::conj(y[k]);
            for (auto& c : y) yl1 += std::abs(c);
            const auto X = zref::dft(x, false), yi = zref::dft(y, true);
            for (int flag : kFlags) {
                fk::R_16s::Spec* spec = nullptr;
                ASSERT_EQ(fk::R_16s::init(&spec, order, flag, hint), zorStsNoErr);
                for (int sf : {-1, 0, 2})
                    for (int lay = 0; lay < 3; ++lay) {
                        SCOPED_TRACE(testing::Message() << "hint " << hint << " order " << order << " flag " << flag << " sf " << sf << " layout " << lay);
                        const auto want = fk::layout_of(X, lay), yl = fk::layout_of(y, lay);
                        const int len = static_cast<int>(want.size());
                        const long double scf = (order == 0 ? 1.0L : fk::norm_factor(flag, n, false)) * std::ldexp(1.0L, -sf);
                        const long double sci = (order == 0 ? 1.0L : fk::norm_factor(flag, n, true)) * std::ldexp(1.0L, -sf);
                        zt::Guarded<Zor16s> src(static_cast<int>(n), 2), out(len, 2), in(len, 4), back(static_cast<int>(n), 0), io(len, 0);
                        for (std::size_t i = 0; i < n; ++i) src[i] = io[i] = static_cast<Zor16s>(x[i].real());
                        for (int i = 0; i < len; ++i) in[i] = static_cast<Zor16s>(yl[i]);
                        Zor16s* f[4] = {src.data(), nullptr, out.data(), nullptr};
                        Zor16s* b[4] = {in.data(), nullptr, back.data(), nullptr};
                        Zor16s* p[4] = {io.data(), nullptr, io.data(), nullptr};
                        ASSERT_EQ(fk::R_16s::run(2 * lay, f, spec, nullptr, sf), zorStsNoErr);
                        for (int i = 0; i < len; ++i) ASSERT_LE(std::fabs(out[i] - sat(want[i] * scf)), tolerance(int_path(order, hint), l1, scf)) << i;
                        ASSERT_EQ(fk::R_16s::run(2 * lay + 1, b, spec, nullptr, sf), zorStsNoErr);
                        for (std::size_t i = 0; i < n; ++i) ASSERT_LE(std::fabs(back[i] - sat(yi[i].real() * sci)), tolerance(int_path(order, hint), yl1, sci)) << "inverse " << i;
                        ASSERT_TRUE(out.guards_intact() && back.guards_intact());
                        ASSERT_EQ(fk::R_16s::run(2 * lay, p, spec, nullptr, sf), zorStsNoErr);
                        for (int i = 0; i < len; ++i) ASSERT_EQ(io[i], out[i]) << "in place fwd " << i;
                        for (int i = 0; i < len; ++i) io[i] = in[i];
                        ASSERT_EQ(fk::R_16s::run(2 * lay + 1, p, spec, nullptr, sf), zorStsNoErr);
                        for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(io[i], back[i]) << "in place inv " << i;
                    }
                ASSERT_EQ(fk::R_16s::release(spec), zorStsNoErr);
            }
        }
}

// Order 0 is the scale-factor rule exactly (nearest, ties to even,
// saturating) for every kind, operation and flag.
TEST(Fft16, OrderZeroScaleRule) {
    zt::Rng rng(39);
    fk::for_each_kind([&]<class K>() {
        if constexpr (K::fixed)
            for (int flag : kFlags) {
                typename K::Spec* spec = nullptr;
                ASSERT_EQ(K::init(&spec, 0, flag), zorStsNoErr);
                for (int op = 0; op < K::nops; ++op)
                    for (int sf : {-2147483647 - 1, -17, -2, -1, 0, 1, 2, 3, 14, 15, 16, 40, 2147483647}) {
                        const std::uint64_t r = rng.bits();
                        Zor16s v[4] = {static_cast<Zor16s>(r % 4 ? r >> 8 : r % 8 ? 32767 : -32768), static_cast<Zor16s>(static_cast<int>(r >> 40) % 9 - 4)}, w[4] = {};
                        Zor16s* p[4] = {v, K::split ? v + 1 : v, w, K::split ? w + 1 : w};
                        ASSERT_EQ(K::run(op, p, spec, nullptr, sf), zorStsNoErr);
                        EXPECT_EQ(w[0], zref::scale_sat<Zor16s>(v[0], sf)) << K::name << " op " << op << " sf " << sf << " x " << v[0];
                        if (!K::real) EXPECT_EQ(w[1], zref::scale_sat<Zor16s>(v[1], sf)) << K::name << " op " << op << " sf " << sf << " x " << v[1];
                    }
                K::release(spec);
            }
    });
}

// Work-buffer sizes for every kind, hint and order to 12; a misaligned caller
// buffer of the reported size gives the bits of the internal one.
TEST(Fft16, SizesAndBuffers) {
    fk::for_each_kind([]<class K>() {
        if constexpr (K::fixed)
            for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintFast, zorAlgHintAccurate, static_cast<ZorHintAlgorithm>(3)})
                for (int order = 0; order <= 12; ++order) {
                    typename K::Spec* spec = nullptr;
                    ASSERT_EQ(K::init(&spec, order, ZOR_FFT_DIV_INV_BY_N, hint), zorStsNoErr);
                    const int n = 1 << order;
                    const bool ip = int_path(order, hint);
                    int want = 0, size = -1;
                    if (order > 0 && K::real) want = 4 * n + 24 + (ip ? 0 : zors::fft_buf_size(6, order));
                    else if (order > 0) want = ip ? 12 * n + 16 : 8 * n + 16 + zors::fft_buf_size(K::split ? 5 : 4, order);
                    ASSERT_EQ(K::bufsize(spec, &size), zorStsNoErr);
                    EXPECT_EQ(size, want) << K::name << " hint " << hint << " order " << order;
                    std::vector<cld> x(n);
                    for (int i = 0; i < n; ++i) x[i] = cld(i * 37 % 200, i * 11 % 90 - 45);
                    fk::Store<K> s(n, 0), a(n + 2, 0), b(n + 2, 0);  // n + 2: room for CCS
                    zt::Guarded<Zor8u> buf(size + 15, 7);
                    s.put(x);
                    for (int op = 0; op < K::nops; ++op) {
                        ASSERT_EQ(K::run(op, fk::ptrs(s, a).data(), spec, nullptr, 1), zorStsNoErr);
                        ASSERT_EQ(K::run(op, fk::ptrs(s, b).data(), spec, buf.data(), 1), zorStsNoErr);
                        EXPECT_EQ(a.get(), b.get()) << K::name << " op " << op;
                    }
                    EXPECT_TRUE(buf.guards_intact());
                    K::release(spec);
                }
    });
}

}  // namespace
