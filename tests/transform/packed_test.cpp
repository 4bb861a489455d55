// Packed real spectra: ConjPack/Perm/Ccs against an expansion written from
// the layout definitions, MulPack/Perm/PackConj against complex products in
// long double or exact integers, and the cyclic-convolution property the FFT
// callers rely on.
#include <algorithm>

#include "tests/arg_checks.h"
#include "tests/transform/fft_kinds.h"

namespace {

using zref::cld;

// The spectrum (A_k, B_k) for k = 0 .. len/2 read from a layout by the
// definition; B_0 and the even-length B_{len/2} are the stored values for CCS
// and 0 otherwise.
template <class T>
std::vector<std::pair<T, T>> read_layout(const T* v, int len, int lay) {
    std::vector<std::pair<T, T>> x(len / 2 + 1);
    if (lay == 2) {
        for (int k = 0; k <= len / 2; ++k) x[k] = {v[2 * k], v[2 * k + 1]};
        return x;
    }
    x[0] = {v[0], T(0)};
    for (int k = 1; k <= (len - 1) / 2; ++k) {
        const int p = lay == 1 && len % 2 == 0 ? 2 * k : 2 * k - 1;
        x[k] = {v[p], v[p + 1]};
    }
    if (len % 2 == 0 && len > 1) x[len / 2] = {v[lay == 0 ? len - 1 : 1], T(0)};
    return x;
}

// Every length to 70, out of place and in place (the layout at the start of
// the complex array); 16sc negation saturates.
template <class T, class C>
void check_conj(ZorStatus (*f)(const T*, C*, int), ZorStatus (*fi)(C*, int), int lay) {
    zt::Rng rng(21);
    for (int len = 1; len <= 70; ++len) {
        const int ll = lay == 2 ? 2 * (len / 2 + 1) : len;
        zt::Guarded<T> src(ll, sizeof(T));
        for (int i = 0; i < ll; ++i) src[i] = static_cast<T>(static_cast<int>(rng.bits() % 65536) - 32768);
        src[ll - 1] = static_cast<T>(-32768);  // saturating negation where it is a B value
        zt::Guarded<C> dst(len, 8), ip(len, 0);
        ASSERT_EQ(f(src.data(), dst.data(), len), zorStsNoErr);
        const auto x = read_layout(src.data(), len, lay);
        for (int k = 0; k < len; ++k) {
            const int kk = k <= len / 2 ? k : len - k;
            const T im = k <= len / 2 ? x[kk].second : x[kk].second == T(-32768) && sizeof(T) == 2 ? T(32767) : T(-x[kk].second);
            ASSERT_TRUE(dst[k].re == x[kk].first && dst[k].im == im) << "len " << len << " k " << k << " layout " << lay;
        }
        std::memcpy(ip.data(), src.data(), ll * sizeof(T));
        ASSERT_EQ(fi(ip.data(), len), zorStsNoErr);
        ASSERT_EQ(std::memcmp(ip.data(), dst.data(), len * sizeof(C)), 0) << "in place len " << len;
        ASSERT_TRUE(dst.guards_intact() && ip.guards_intact());
    }
}

#define CONJ(L, C, lay) check_conj(zorsConj##L##_##C, zorsConj##L##_##C##_I, lay), ZT_CHECKS(zorsConj##L##_##C, 1), ZT_CHECKS(zorsConj##L##_##C##_I, 1)

TEST(Packed, ConjExpansions) {
    CONJ(Pack, 32fc, 0), CONJ(Perm, 32fc, 1), CONJ(Ccs, 32fc, 2);
    CONJ(Pack, 64fc, 0), CONJ(Perm, 64fc, 1), CONJ(Ccs, 64fc, 2);
    CONJ(Pack, 16sc, 0), CONJ(Perm, 16sc, 1), CONJ(Ccs, 16sc, 2);
}

// 16-bit: exact products, arithmetic shift right (floor) or left, saturation;
// the real positions saturate before a left shift.
Zor16s sat16(long double v) { return v < -32768 ? -32768 : v > 32767 ? 32767 : static_cast<Zor16s>(v); }
Zor16s scale16(long double v, int sf, bool real) { return sf >= 0 ? sat16(std::floor(std::ldexp(v, -sf))) : sat16(std::ldexp(real ? sat16(v) : v, -sf)); }

// Products of two layouts element by element from the definition: the real
// positions as reals, every pair as a complex product (conjugating the second
// operand for MulPackConj). f(a, b, d, len, sf) computes d = a·b.
template <class T, class F>
void check_mul(F f, int lay, bool conj = false) {
    constexpr bool fixed = sizeof(T) == 2;
    zt::Rng rng(33);
    for (int sf : fixed ? std::vector<int>{-40, -17, -3, -1, 0, 1, 5, 15, 16, 31, 32, 45} : std::vector<int>{0})
        for (int len = 1; len <= 70; ++len) {
            zt::Guarded<T> a(len, sizeof(T)), b(len, 2 * sizeof(T)), d(len, 3 * sizeof(T));
            for (int i = 0; i < len; ++i) {
                a[i] = fixed ? static_cast<T>(rng.bits()) : static_cast<T>(static_cast<int>(rng.bits() % 2001) - 1000) / 64;
                b[i] = fixed ? static_cast<T>(i % 5 == 0 ? -32768 : static_cast<Zor16s>(rng.bits() >> (rng.bits() % 16)))
                             : static_cast<T>(static_cast<int>(rng.bits() % 2001) - 1000) / 32;
            }
            if (fixed) a[0] = static_cast<T>(-32768);
            ASSERT_EQ(f(a.data(), b.data(), d.data(), len, sf), zorStsNoErr);
            const auto xa = read_layout(a.data(), len, lay), xb = read_layout(b.data(), len, lay), xd = read_layout(d.data(), len, lay);
            for (int k = 0; k <= len / 2; ++k) {
                const bool real_pos = k == 0 || 2 * k == len;
                const cld p(xa[k].first, xa[k].second), q(xb[k].first, xb[k].second);
                const cld w = real_pos ? cld(p.real() * q.real(), 0) : conj ? p * std::conj(q) : p * q;
                const T re = fixed ? static_cast<T>(scale16(w.real(), sf, real_pos)) : static_cast<T>(w.real());
                const T im = fixed ? (real_pos ? T(0) : static_cast<T>(scale16(w.imag(), sf, false))) : static_cast<T>(w.imag());
                ASSERT_TRUE(xd[k].first == re && xd[k].second == im) << "sf " << sf << " len " << len << " k " << k;
            }
            ASSERT_TRUE(d.guards_intact());
        }
}

// Out of place (d = a·b) and in place (d = b, then d = a·d) forms.
#define MUL2(T, f, lay, ...) check_mul<T>([](auto a, auto b, auto d, int len, [[maybe_unused]] int sf) { return f(a, b, d, len __VA_ARGS__); }, lay), ZT_CHECKS(f, 1)
#define MUL_I(T, f, lay, conj, ...) check_mul<T>([](auto a, auto b, auto d, int len, [[maybe_unused]] int sf) { \
    std::copy(b, b + len, d); return f(a, d, len __VA_ARGS__); }, lay, conj), ZT_CHECKS(f, 1)

TEST(Packed, MulProducts) {
    MUL2(float, zorsMulPack_32f, 0), MUL_I(float, zorsMulPack_32f_I, 0, false), MUL2(float, zorsMulPerm_32f, 1), MUL_I(float, zorsMulPerm_32f_I, 1, false);
    MUL2(double, zorsMulPack_64f, 0), MUL_I(double, zorsMulPack_64f_I, 0, false), MUL2(double, zorsMulPerm_64f, 1), MUL_I(double, zorsMulPerm_64f_I, 1, false);
    MUL_I(float, zorsMulPackConj_32f_I, 0, true), MUL_I(double, zorsMulPackConj_64f_I, 0, true);
    MUL2(Zor16s, zorsMulPack_16s_Sfs, 0, , sf), MUL_I(Zor16s, zorsMulPack_16s_ISfs, 0, false, , sf);
    MUL2(Zor16s, zorsMulPerm_16s_Sfs, 1, , sf), MUL_I(Zor16s, zorsMulPerm_16s_ISfs, 1, false, , sf);
}

// Forward real FFT, product in the packed domain, inverse: the cyclic
// convolution times N·s_f²·s_i (1/N for flag 1, 1 for flag 2).
template <class K>
void check_convolution(int lay) {
    using T = typename K::Elem;
    for (int order : {0, 1, 2, 3, 5, 8}) {
        const int n = 1 << order;
        typename K::Spec* spec = nullptr;
        ASSERT_EQ(K::init(&spec, order, lay == 0 ? 1 : 2), zorStsNoErr);
        std::vector<T> x(n), h(n), fx(n), fh(n), y(n);
        for (int i = 0; i < n; ++i) x[i] = static_cast<T>((i * 7) % 11 - 5), h[i] = static_cast<T>((i * 3) % 5 - 2);
        T* px[4] = {x.data(), nullptr, fx.data(), nullptr};
        T* ph[4] = {h.data(), nullptr, fh.data(), nullptr};
        T* py[4] = {fx.data(), nullptr, y.data(), nullptr};
        ASSERT_EQ(K::run(2 * lay, px, spec, nullptr), zorStsNoErr);
        ASSERT_EQ(K::run(2 * lay, ph, spec, nullptr), zorStsNoErr);
        if constexpr (sizeof(T) == 4) (lay == 0 ? zorsMulPack_32f_I : zorsMulPerm_32f_I)(fh.data(), fx.data(), n);
        else (lay == 0 ? zorsMulPack_64f_I : zorsMulPerm_64f_I)(fh.data(), fx.data(), n);
        ASSERT_EQ(K::run(2 * lay + 1, py, spec, nullptr), zorStsNoErr);
        for (int i = 0; i < n; ++i) {
            long double want = 0;
            for (int j = 0; j < n; ++j) want += static_cast<long double>(x[j]) * h[(i - j + n) % n];
            EXPECT_NEAR(y[i], lay == 0 ? want / n : want, (sizeof(T) == 4 ? 1e-6 : 1e-14) * (1 + 4 * n)) << K::name << " order " << order << " i " << i;
        }
        K::release(spec);
    }
}

TEST(Packed, CyclicConvolutionThroughFft) {
    check_convolution<fk::R_32f>(0);
    check_convolution<fk::R_32f>(1);
    check_convolution<fk::R_64f>(0);
    check_convolution<fk::R_64f>(1);
}

}  // namespace
