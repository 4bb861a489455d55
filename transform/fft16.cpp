// 16-bit FFTs with a scale factor: FFTFwd_CToC / FFTInv_CToC (16sc, 16s)
// and the real RToPack, RToPerm, RToCCS, PackToR, PermToR, CCSToR (16s).
//
// Checks: pSpec null (-8), identifier word (-17), the data pointers (-8),
// then, on the floating path without a caller buffer, the allocation of one
// (-9).
//
// Order 0 applies the integer scale-factor rule (nearest, ties to even,
// saturating). Otherwise the specification chose the path:
// - floating path: convert to Zor32f in the aligned work buffer, transform
//   there with the embedded single-precision specification (which does the
//   normalisation), convert back: x·2^-scaleFactor, nearest with ties to even,
//   saturating (a NaN gives 32767);
// - integer path (orders 1..5): a radix-4 decimation-in-frequency transform
//   (radix 2 first for odd orders) with the Q14 twiddles, the 1/√2 factor
//   23170/32768 for odd orders with flag 4, bit reversal, then narrowing by
//   the shift (normalisation shift + scaleFactor + 16 - order, at most 31),
//   halves rounding upward, saturating. The butterflies are evaluated without
//   intermediate rounding, so the result is that of the fixed-point algorithm
//   done exactly. The inverse reverses elements 1 .. N-1 and runs the forward
//   kernel.
#include <cmath>
#include <cstring>

#include "frame/assert.h"
#include "frame/check.h"
#include "frame/memory.h"
#include "frame/scale.h"
#include "frame/types.h"
#include "transform/fft.h"

namespace zors {
namespace {

// ---- integer path, evaluated exactly ----

struct Cd {
    double re, im;
};

// (a + ib)·(c - is) with the Q14 rotation of entry j.
inline Cd rot(Cd a, const Zor16s* tw, std::size_t j, bool conj = false) {
    const double c = tw[4 * j] / 16384.0, s = (conj ? -tw[4 * j + 1] : tw[4 * j + 1]) / 16384.0;
    return {a.re * c + a.im * s, a.im * c - a.re * s};
}

// Forward DIF of 2^order points; entry j·ts of the table is W^j.
void dif(Cd* x, int order, const Zor16s* tw, std::size_t ts) {
    const std::size_t n = std::size_t{1} << order;
    std::size_t len = n;
    if (order % 2) {
        const std::size_t h = n / 2;
        for (std::size_t k = 0; k < h; ++k) {
            const Cd a = x[k], b = x[k + h];
            x[k] = {a.re + b.re, a.im + b.im};
            x[k + h] = rot({a.re - b.re, a.im - b.im}, tw, k * ts);
        }
        len = h;
    }
    for (; len >= 4; len /= 4) {
        const std::size_t q = len / 4, st = (n / len) * ts;
        for (std::size_t base = 0; base < n; base += len)
            for (std::size_t k = 0; k < q; ++k) {
                Cd* p = x + base + k;
                const Cd a0 = p[0], a1 = p[q], a2 = p[2 * q], a3 = p[3 * q];
                const Cd b0 = {a0.re + a2.re, a0.im + a2.im}, b1 = {a0.re - a2.re, a0.im - a2.im};
                const Cd b2 = {a1.re + a3.re, a1.im + a3.im}, b3 = {a1.im - a3.im, a3.re - a1.re};  // -i(a1 - a3)
                p[0] = {b0.re + b2.re, b0.im + b2.im};
                p[q] = rot({b0.re - b2.re, b0.im - b2.im}, tw, 2 * k * st);
                p[2 * q] = rot({b1.re + b3.re, b1.im + b3.im}, tw, k * st);
                p[3 * q] = rot({b1.re - b3.re, b1.im - b3.im}, tw, 3 * k * st);
            }
    }
}

// The complex integer transform of 2^order points in x (natural order out).
void int_complex(const FftSpec16* s, Cd* x, int order, std::size_t ts, bool inv) {
    const std::size_t n = std::size_t{1} << order;
    if (inv)
        for (std::size_t i = 1, j = n - 1; i < j; ++i, --j) std::swap(x[i], x[j]);
    if (order > 0) dif(x, order, s->twiddle, ts);
    for (std::size_t i = 0; i < n; ++i)
        if (i < s->rev[i]) std::swap(x[i], x[s->rev[i]]);
}

// v / 2^(shift + sf + p, at most 31) · 2^p, halves upward, saturated.
Zor16s narrow(double v, const FftSpec16* s, int shift, int sf) {
    if (s->sqrt2) v = v * 23170.0 / 32768.0;
    const int p = 16 - s->order;
    long long e = static_cast<long long>(shift) + sf + p;
    if (e > 31) e = 31;
    e -= p;
    if (e > 200) e = 200;
    if (e < -200) e = -200;
    if (v == 0) return 0;
    const double r = std::floor(std::ldexp(v, static_cast<int>(-e)) + 0.5);
    return r >= 32767 ? 32767 : r <= -32768 ? -32768 : static_cast<Zor16s>(r);
}

// ---- complex forms ----

// A complex 16-bit vector: interleaved (im = re + 1, step 2) or separate.
struct C16 {
    const Zor16s* re;
    const Zor16s* im;
    std::size_t step;
};
struct C16Out {
    Zor16s* re;
    Zor16s* im;
    std::size_t step;
};

struct WorkBuffer {
    Zor8u* owned = nullptr;
    float* at = nullptr;
    ~WorkBuffer() { aligned_free(owned); }
    bool get(Zor8u* caller, int size) {
        Zor8u* b = caller;
        if (b == nullptr) b = owned = static_cast<Zor8u*>(aligned_alloc_bytes(static_cast<std::uint64_t>(size)));
        if (b == nullptr) return false;
        at = reinterpret_cast<float*>((reinterpret_cast<std::uintptr_t>(b) + 15) & ~std::uintptr_t{15});
        return true;
    }
};

ZorStatus cfft16(C16 src, C16Out dst, const FftSpec16* s, int sf, Zor8u* buffer, bool inv) {
    const std::size_t n = std::size_t{1} << s->order;
    if (s->order == 0) {
        const Zor16s a = src.re[0], b = src.im[0];
        dst.re[0] = scale_sat<Zor16s>(a, sf);
        dst.im[0] = scale_sat<Zor16s>(b, sf);
        return zorStsNoErr;
    }
    if (s->int_path) {
        Cd x[32];
        for (std::size_t i = 0; i < n; ++i) x[i] = {static_cast<double>(src.re[i * src.step]), static_cast<double>(src.im[i * src.step])};
        int_complex(s, x, s->order, 1, inv);
        const int shift = inv ? s->inv_shift : s->fwd_shift;
        for (std::size_t i = 0; i < n; ++i) {
            dst.re[i * dst.step] = narrow(x[i].re, s, shift, sf);
            dst.im[i * dst.step] = narrow(x[i].im, s, shift, sf);
        }
        return zorStsNoErr;
    }
    WorkBuffer wb;
    if (!wb.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    float* f = wb.at;
    const bool split = fft_id(s->fspec) == kFftC32f;
    float* fr = f;
    float* fi = split ? f + n : f + 1;
    [[maybe_unused]] const std::size_t fs = split ? 1 : 2;
    // Both ends convert with the library's conversions: the interleaved kind
    // as 2n components in one call, the separate-array kind per array.
    ZORS_ASSERT(src.step == fs && dst.step == fs);
    ZORS_ASSERT(split || (src.im == src.re + 1 && dst.im == dst.re + 1));
    const int len = static_cast<int>(n);
    if (split) {
        zorsConvert_16s32f(src.re, fr, len);
        zorsConvert_16s32f(src.im, fi, len);
    } else {
        zorsConvert_16s32f(src.re, f, 2 * len);
    }
    auto* rest = reinterpret_cast<Zor8u*>(f + 2 * n);
    if (split) {
        const auto* sp = static_cast<const ZorsFFTSpec_C_32f*>(s->fspec);
        inv ? zorsFFTInv_CToC_32f(fr, fi, fr, fi, sp, rest) : zorsFFTFwd_CToC_32f(fr, fi, fr, fi, sp, rest);
    } else {
        const auto* sp = static_cast<const ZorsFFTSpec_C_32fc*>(s->fspec);
        auto* c = reinterpret_cast<Zor32fc*>(f);
        inv ? zorsFFTInv_CToC_32fc(c, c, sp, rest) : zorsFFTFwd_CToC_32fc(c, c, sp, rest);
    }
    if (split) {
        zorsConvert_32f16s_Sfs(fr, dst.re, len, zorRndNear, sf);
        zorsConvert_32f16s_Sfs(fi, dst.im, len, zorRndNear, sf);
    } else {
        zorsConvert_32f16s_Sfs(f, dst.re, 2 * len, zorRndNear, sf);
    }
    return zorStsNoErr;
}

const FftSpec16* spec16(const void* p) { return static_cast<const FftSpec16*>(p); }

template <class S>
ZorStatus cfft16_i(const Zor16sc* src, Zor16sc* dst, const S* spec, int sf, Zor8u* buf, bool inv) {
    ZORS_CHECK(spec_status(spec, kFftC16sc), nonnull(src, dst));
    return cfft16({&src->re, &src->im, 2}, {&dst->re, &dst->im, 2}, spec16(spec), sf, buf, inv);
}

template <class S>
ZorStatus cfft16_s(const Zor16s* sr, const Zor16s* si, Zor16s* dr, Zor16s* di, const S* spec, int sf, Zor8u* buf, bool inv) {
    ZORS_CHECK(spec_status(spec, kFftC16s), nonnull(sr, si, dr, di));
    return cfft16({sr, si, 1}, {dr, di, 1}, spec16(spec), sf, buf, inv);
}

// ---- real forms ----

using Layout = PackedLayout;

std::size_t layout_len(Layout lay, std::size_t n) { return lay == Layout::ccs ? (n == 1 ? 2 : n + 2) : n; }

// The layout in src to Perm order in v (n values).
template <class S, class T>
void to_perm(const S* src, T* v, std::size_t n, Layout lay) {
    if (n == 1) {
        v[0] = src[0];
        return;
    }
    v[0] = src[0];
    v[1] = src[nyquist_pos(lay, n)];
    for (std::size_t i = 2; i < n; ++i) v[i] = src[lay == Layout::pack ? i - 1 : i];
}

ZorStatus rfft16(const Zor16s* src, Zor16s* dst, const FftSpec16* s, int sf, Zor8u* buffer, Layout lay, bool inv) {
    const std::size_t n = std::size_t{1} << s->order, m = n / 2;
    const std::size_t outlen = inv ? n : layout_len(lay, n);
    if (s->order == 0) {
        dst[0] = scale_sat<Zor16s>(src[0], sf);
        if (!inv && lay == Layout::ccs) dst[1] = 0;
        return zorStsNoErr;
    }
    if (s->int_path) {
        Cd z[16];
        double v[34];
        const int shift = inv ? s->inv_shift : s->fwd_shift;
        if (!inv) {
            for (std::size_t j = 0; j < m; ++j) z[j] = {static_cast<double>(src[2 * j]), static_cast<double>(src[2 * j + 1])};
            int_complex(s, z, s->order - 1, 2, false);
            Cd x[16];
            for (std::size_t k = 1; k < m; ++k) {
                // X[k] = ½(P + Q) - ½·i·W^k·(P - Q), P = Z[k], Q = conj(Z[M - k])
                const Cd p = z[k], q = {z[m - k].re, -z[m - k].im};
                const Cd w = rot({p.re - q.re, p.im - q.im}, s->split, k);
                x[k] = {0.5 * (p.re + q.re) + 0.5 * w.im, 0.5 * (p.im + q.im) - 0.5 * w.re};
            }
            v[0] = z[0].re + z[0].im;
            v[1] = z[0].re - z[0].im;
            for (std::size_t k = 1; k < m; ++k) {
                v[2 * k] = x[k].re;
                v[2 * k + 1] = x[k].im;
            }
            for (std::size_t i = 0; i < n; ++i) dst[i] = narrow(v[i], s, shift, sf);
            perm_to_layout(dst, n, lay);
        } else {
            to_perm(src, v, n, lay);
            z[0] = {v[0] + v[1], v[0] - v[1]};
            for (std::size_t k = 1; k < m; ++k) {
                // Z[k] = (F + G) + i·W^-k·(F - G), F = X[k], G = conj(X[M - k])
                const Cd f = {v[2 * k], v[2 * k + 1]}, g = {v[2 * (m - k)], -v[2 * (m - k) + 1]};
                const Cd w = rot({f.re - g.re, f.im - g.im}, s->split, k, true);
                z[k] = {f.re + g.re - w.im, f.im + g.im + w.re};
            }
            int_complex(s, z, s->order - 1, 2, true);
            for (std::size_t j = 0; j < m; ++j) {
                dst[2 * j] = narrow(z[j].re, s, shift, sf);
                dst[2 * j + 1] = narrow(z[j].im, s, shift, sf);
            }
        }
        return zorStsNoErr;
    }
    WorkBuffer wb;
    if (!wb.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    float* f = wb.at;
    auto* rest = reinterpret_cast<Zor8u*>(f + n + 2);
    const auto* sp = static_cast<const ZorsFFTSpec_R_32f*>(s->fspec);
    if (!inv) {
        zorsConvert_16s32f(src, f, static_cast<int>(n));
        if (lay == Layout::pack) zorsFFTFwd_RToPack_32f(f, f, sp, rest);
        else if (lay == Layout::perm) zorsFFTFwd_RToPerm_32f(f, f, sp, rest);
        else zorsFFTFwd_RToCCS_32f(f, f, sp, rest);
    } else {
        zorsConvert_16s32f(src, f, static_cast<int>(layout_len(lay, n)));
        if (lay == Layout::pack) zorsFFTInv_PackToR_32f(f, f, sp, rest);
        else if (lay == Layout::perm) zorsFFTInv_PermToR_32f(f, f, sp, rest);
        else zorsFFTInv_CCSToR_32f(f, f, sp, rest);
    }
    zorsConvert_32f16s_Sfs(f, dst, static_cast<int>(outlen), zorRndNear, sf);
    return zorStsNoErr;
}

template <class S>
ZorStatus rfft16_x(const Zor16s* src, Zor16s* dst, const S* spec, int sf, Zor8u* buf, Layout lay, bool inv) {
    ZORS_CHECK(spec_status(spec, kFftR16s), nonnull(src, dst));
    return rfft16(src, dst, spec16(spec), sf, buf, lay, inv);
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsFFTFwd_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsFFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer) { return cfft16_i(pSrc, pDst, pSpec, scaleFactor, pBuffer, false); }
ZorStatus zorsFFTInv_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsFFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer) { return cfft16_i(pSrc, pDst, pSpec, scaleFactor, pBuffer, true); }
ZorStatus zorsFFTFwd_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsFFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return cfft16_s(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer, false); }
ZorStatus zorsFFTInv_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsFFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return cfft16_s(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer, true); }

ZorStatus zorsFFTFwd_RToPack_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return rfft16_x(pSrc, pDst, pSpec, scaleFactor, pBuffer, Layout::pack, false); }
ZorStatus zorsFFTFwd_RToPerm_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return rfft16_x(pSrc, pDst, pSpec, scaleFactor, pBuffer, Layout::perm, false); }
ZorStatus zorsFFTFwd_RToCCS_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return rfft16_x(pSrc, pDst, pSpec, scaleFactor, pBuffer, Layout::ccs, false); }
ZorStatus zorsFFTInv_PackToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return rfft16_x(pSrc, pDst, pSpec, scaleFactor, pBuffer, Layout::pack, true); }
ZorStatus zorsFFTInv_PermToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return rfft16_x(pSrc, pDst, pSpec, scaleFactor, pBuffer, Layout::perm, true); }
ZorStatus zorsFFTInv_CCSToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return rfft16_x(pSrc, pDst, pSpec, scaleFactor, pBuffer, Layout::ccs, true); }
