// Packed real spectra: ConjPack/Perm/Ccs against an expansion written from
// the layout definitions, MulPack/Perm/PackConj against complex products in
// long double or exact integers, and the cyclic-convolution property the FFT
// callers rely on.
#include <cmath>

#include "tests/common.h"
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
    const bool perm_even = lay == 1 && len % 2 == 0;
    for (int k = 1; k <= (len - 1) / 2; ++k) {
        const int p = perm_even ? 2 * k : 2 * k - 1;
        x[k] = {v[p], v[p + 1]};
    }
    if (len % 2 == 0 && len > 1) x[len / 2] = {v[lay == 0 ? len - 1 : 1], T(0)};
    return x;
}

int layout_len(int len, int lay) { return lay == 2 ? 2 * (len / 2 + 1) : len; }

template <class T> T neg_sat(T v) { return -v; }
template <> Zor16s neg_sat<Zor16s>(Zor16s v) { return v == -32768 ? 32767 : static_cast<Zor16s>(-v); }

template <class T, class C>
void check_conj(ZorStatus (*f)(const T*, C*, int), ZorStatus (*fi)(C*, int), int lay) {
    zt::Rng rng(21);
    for (int len = 1; len <= 70; ++len) {
        const int ll = layout_len(len, lay);
        zt::Guarded<T> src(ll, sizeof(T));
        for (int i = 0; i < ll; ++i) src[i] = static_cast<T>(static_cast<int>(rng.bits() % 65536) - 32768);
        src[ll - 1] = static_cast<T>(-32768);  // saturating negation where it is a B value
        zt::Guarded<C> dst(len, 8);
        ASSERT_EQ(f(src.data(), dst.data(), len), zorStsNoErr);
        const auto x = read_layout(src.data(), len, lay);
        for (int k = 0; k < len; ++k) {
            const int kk = k <= len / 2 ? k : len - k;
            const T re = x[kk].first, im = k > len / 2 ? neg_sat(x[kk].second) : x[kk].second;
            ASSERT_EQ(dst[k].re, re) << "len " << len << " k " << k << " layout " << lay;
            ASSERT_EQ(dst[k].im, im) << "len " << len << " k " << k << " layout " << lay;
        }
        ASSERT_TRUE(dst.guards_intact());
        // In place: the layout at the start of the complex array.
        zt::Guarded<C> ip(len, 0);
        std::memcpy(ip.data(), src.data(), ll * sizeof(T));
        ASSERT_EQ(fi(ip.data(), len), zorStsNoErr);
        ASSERT_EQ(std::memcmp(ip.data(), dst.data(), len * sizeof(C)), 0) << "in place len " << len;
        ASSERT_TRUE(ip.guards_intact());
    }
    zt::Guarded<C> d(4);
    EXPECT_EQ(f(nullptr, d.data(), 4), zorStsNullPtrErr);
    EXPECT_EQ(f(reinterpret_cast<const T*>(d.data()), nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(f(reinterpret_cast<const T*>(d.data()), d.data(), 0), zorStsSizeErr);
    EXPECT_EQ(fi(nullptr, -1), zorStsNullPtrErr);
    EXPECT_EQ(fi(d.data(), 0), zorStsSizeErr);
    EXPECT_TRUE(d.untouched());
}

TEST(Packed, ConjExpansions) {
    check_conj(zorsConjPack_32fc, zorsConjPack_32fc_I, 0);
    check_conj(zorsConjPerm_32fc, zorsConjPerm_32fc_I, 1);
    check_conj(zorsConjCcs_32fc, zorsConjCcs_32fc_I, 2);
    check_conj(zorsConjPack_64fc, zorsConjPack_64fc_I, 0);
    check_conj(zorsConjPerm_64fc, zorsConjPerm_64fc_I, 1);
    check_conj(zorsConjCcs_64fc, zorsConjCcs_64fc_I, 2);
    check_conj(zorsConjPack_16sc, zorsConjPack_16sc_I, 0);
    check_conj(zorsConjPerm_16sc, zorsConjPerm_16sc_I, 1);
    check_conj(zorsConjCcs_16sc, zorsConjCcs_16sc_I, 2);
}

// Products of two layouts element by element from the definition: the real
// positions as reals, every pair as a complex product (conjugating the second
// operand for MulPackConj).
template <class T>
void check_mul_float(ZorStatus (*f)(const T*, const T*, T*, int), ZorStatus (*fi)(const T*, T*, int), int lay, bool conj) {
    zt::Rng rng(33);
    for (int len = 1; len <= 70; ++len) {
        zt::Guarded<T> a(len, sizeof(T)), b(len, 2 * sizeof(T)), d(len, 3 * sizeof(T));
        for (int i = 0; i < len; ++i) {
            a[i] = static_cast<T>(static_cast<int>(rng.bits() % 2001) - 1000) / 64;
            b[i] = static_cast<T>(static_cast<int>(rng.bits() % 2001) - 1000) / 32;
        }
        const auto xa = read_layout(a.data(), len, lay), xb = read_layout(b.data(), len, lay);
        if (f) {
            ASSERT_EQ(f(a.data(), b.data(), d.data(), len), zorStsNoErr);
        } else {
            for (int i = 0; i < len; ++i) d[i] = b[i];
            ASSERT_EQ(fi(a.data(), d.data(), len), zorStsNoErr);
        }
        const auto xd = read_layout(d.data(), len, lay);
        for (int k = 0; k <= len / 2; ++k) {
            const bool real_pos = k == 0 || 2 * k == len;
            const cld p = cld(xa[k].first, xa[k].second), q = cld(xb[k].first, xb[k].second);
            const cld want = real_pos ? cld(p.real() * q.real(), 0) : conj ? p * std::conj(q) : p * q;
            ASSERT_EQ(xd[k].first, static_cast<T>(want.real())) << "len " << len << " k " << k;
            ASSERT_EQ(xd[k].second, static_cast<T>(want.imag())) << "len " << len << " k " << k;
        }
        ASSERT_TRUE(d.guards_intact());
    }
}

TEST(Packed, MulFloat) {
    check_mul_float<float>(zorsMulPack_32f, nullptr, 0, false);
    check_mul_float<float>(nullptr, zorsMulPack_32f_I, 0, false);
    check_mul_float<float>(zorsMulPerm_32f, nullptr, 1, false);
    check_mul_float<float>(nullptr, zorsMulPerm_32f_I, 1, false);
    check_mul_float<double>(zorsMulPack_64f, nullptr, 0, false);
    check_mul_float<double>(nullptr, zorsMulPack_64f_I, 0, false);
    check_mul_float<double>(zorsMulPerm_64f, nullptr, 1, false);
    check_mul_float<double>(nullptr, zorsMulPerm_64f_I, 1, false);
    check_mul_float<float>(nullptr, zorsMulPackConj_32f_I, 0, true);
    check_mul_float<double>(nullptr, zorsMulPackConj_64f_I, 0, true);
    float x[2] = {1, 2};
    EXPECT_EQ(zorsMulPack_32f(x, nullptr, x, 2), zorStsNullPtrErr);
    EXPECT_EQ(zorsMulPerm_64f_I(nullptr, nullptr, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsMulPackConj_32f_I(x, x, 0), zorStsSizeErr);
    EXPECT_EQ(x[0], 1.0f);
}

// 16-bit: exact products, arithmetic shift right (floor) or left, saturation;
// the real positions saturate before a left shift.
Zor16s sat16(long double v) { return v < -32768 ? -32768 : v > 32767 ? 32767 : static_cast<Zor16s>(v); }
Zor16s scale16(long double v, int sf, bool real) {
    if (sf >= 0) return sat16(std::floor(std::ldexp(v, -sf)));
    if (real) v = sat16(v);
    return sat16(std::ldexp(v, -sf));
}

void check_mul_16s(ZorStatus (*f)(const Zor16s*, const Zor16s*, Zor16s*, int, int), ZorStatus (*fi)(const Zor16s*, Zor16s*, int, int), int lay) {
    zt::Rng rng(44);
    for (int sf : {-40, -17, -3, -1, 0, 1, 5, 15, 16, 31, 32, 45}) {
        for (int len : {1, 2, 3, 4, 7, 16, 33, 64}) {
            zt::Guarded<Zor16s> a(len, 2), b(len, 4), d(len, 6);
            for (int i = 0; i < len; ++i) {
                a[i] = static_cast<Zor16s>(rng.bits());
                b[i] = i % 5 == 0 ? -32768 : static_cast<Zor16s>(rng.bits() >> (rng.bits() % 16));
            }
            a[0] = -32768;
            if (f) {
                ASSERT_EQ(f(a.data(), b.data(), d.data(), len, sf), zorStsNoErr);
            } else {
                for (int i = 0; i < len; ++i) d[i] = b[i];
                ASSERT_EQ(fi(a.data(), d.data(), len, sf), zorStsNoErr);
            }
            const auto xa = read_layout(a.data(), len, lay), xb = read_layout(b.data(), len, lay), xd = read_layout(d.data(), len, lay);
            for (int k = 0; k <= len / 2; ++k) {
                const long double ar = xa[k].first, ai = xa[k].second, br = xb[k].first, bi = xb[k].second;
                if (k == 0 || 2 * k == len) {
                    ASSERT_EQ(xd[k].first, scale16(ar * br, sf, true)) << "sf " << sf << " len " << len << " k " << k;
                } else {
                    ASSERT_EQ(xd[k].first, scale16(ar * br - ai * bi, sf, false)) << "sf " << sf << " len " << len << " k " << k;
                    ASSERT_EQ(xd[k].second, scale16(ar * bi + ai * br, sf, false)) << "sf " << sf << " len " << len << " k " << k;
                }
            }
            ASSERT_TRUE(d.guards_intact());
        }
    }
    Zor16s x[2] = {1, 2};
    EXPECT_EQ(f ? f(x, x, nullptr, 2, 0) : fi(nullptr, x, 2, 0), zorStsNullPtrErr);
    EXPECT_EQ(f ? f(x, x, x, 0, 0) : fi(x, x, 0, 0), zorStsSizeErr);
    EXPECT_EQ(x[0], 1);
}

TEST(Packed, Mul16s) {
    check_mul_16s(zorsMulPack_16s_Sfs, nullptr, 0);
    check_mul_16s(nullptr, zorsMulPack_16s_ISfs, 0);
    check_mul_16s(zorsMulPerm_16s_Sfs, nullptr, 1);
    check_mul_16s(nullptr, zorsMulPerm_16s_ISfs, 1);
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
        for (int i = 0; i < n; ++i) {
            x[i] = static_cast<T>((i * 7) % 11 - 5);
            h[i] = static_cast<T>((i * 3) % 5 - 2);
        }
        ASSERT_EQ(K::fwd(lay, x.data(), fx.data(), spec, nullptr), zorStsNoErr);
        ASSERT_EQ(K::fwd(lay, h.data(), fh.data(), spec, nullptr), zorStsNoErr);
        if constexpr (sizeof(T) == 4) (lay == 0 ? zorsMulPack_32f_I : zorsMulPerm_32f_I)(fh.data(), fx.data(), n);
        else (lay == 0 ? zorsMulPack_64f_I : zorsMulPerm_64f_I)(fh.data(), fx.data(), n);
        ASSERT_EQ(K::inv(lay, fx.data(), y.data(), spec, nullptr), zorStsNoErr);
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
