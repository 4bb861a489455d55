// FFT transforms of the floating-point kinds: FFTFwd_CToC / FFTInv_CToC
// (32fc, 32f, 64fc, 64f) and the real transforms RToPack, RToPerm, RToCCS,
// PackToR, PermToR, CCSToR (32f, 64f).
//
// Checks: pSpec null (-8), identifier word (-17), then the data pointers
// (-8). Every transform runs in the destination without scratch memory, so
// the work buffer, supplied or null, is never touched.
//
// Forward: the dispatched passes, whose first pass gathers the input in
// bit-reversed order (in place: from a short stack copy, or by exchanging
// tile pairs in registers); the normalisation factor is applied in the first
// pass. Real transforms of N points run the complex
// transform of N/2 points on the pairs (x[2j], x[2j+1]) and split its result
// into the spectrum with the precomputed ½cos, ½(1 - sin) factors; the inverse
// merges the spectrum back into N/2 complex values and runs the inverse
// complex transform.
#include <cstring>

#include "frame/check.h"
#include "frame/dispatch.h"
#include "frame/state.h"
#include "transform/fft.h"

namespace zors {

ZORS_ISA_TABLE_FUSED(FftKernels, fft_kernels)
ZORS_ISA_TABLE_FUSED(FftRealKernels, fft_real_kernels)

namespace {

template <class T>
const FftKernelsT<T>& kernels(const FftPlan<T>& pl) {
    const FftKernels& k = fft_kernels(pl.exact != 0);
    if constexpr (sizeof(T) == 4) return k.f32;
    else return k.f64;
}
template <class T>
const FftRealKernelsT<T>& real_kernels(const FftPlan<T>& pl) {
    const FftRealKernels& k = fft_real_kernels(pl.exact != 0);
    if constexpr (sizeof(T) == 4) return k.f32;
    else return k.f64;
}

// Bit-reversal permutation of 2^order units: a gather into dst, or pairwise
// exchanges when src == dst. An index is (a, m, c) with k-bit a and c; its
// reversal is (rev c, rev m, rev a), so the 2^k x 2^k tile of a middle part m
// maps onto the tile of rev m. Working tile by tile keeps the few cache lines
// of both tiles in use instead of sweeping the vector with large strides.
template <class U, class T>
void permute(const FftPlan<T>& pl, const U* src, U* dst) {
    const int order = pl.order;
    const int k = order >= 6 ? 3 : order / 2, mbits = order - 2 * k;
    const std::size_t nk = std::size_t{1} << k, nm = std::size_t{1} << mbits;
    std::size_t rk[8];
    for (std::size_t x = 0; x < nk; ++x) {
        std::size_t r = 0;
        for (int b = 0; b < k; ++b) r |= ((x >> b) & 1) << (k - 1 - b);
        rk[x] = r;
    }
    const int top = order - k;
    for (std::size_t m = 0; m < nm; ++m) {
        const std::size_t rm = reverse_bits(pl, m, mbits);
        if (src == dst && rm < m) continue;  // exchanged from the other tile
        for (std::size_t a = 0; a < nk; ++a)
            for (std::size_t c = 0; c < nk; ++c) {
                const std::size_t i = (a << top) | (m << k) | c, r = (rk[c] << top) | (rm << k) | rk[a];
                if (src != dst) {
                    dst[i] = src[r];
                } else {
                    // Branch-free: inside a self-reversed tile each pair is
                    // swapped from its lower index only.
                    const bool sw = rm != m || i < r;
                    const U x = dst[i], y = dst[r];
                    dst[i] = sw ? y : x;
                    dst[r] = sw ? x : y;
                }
            }
    }
}

// Orders 0 and 1: copy or one butterfly, scaled when sc != 0.
template <class T>
void tiny(int order, const T* sr, const T* si, T* dr, T* di, std::size_t step, T sc) {
    const T f = sc != T(0) ? sc : T(1);
    if (order == 0) {
        const T a = sr[0], b = si[0];
        dr[0] = sc != T(0) ? a * f : a;
        di[0] = sc != T(0) ? b * f : b;
        return;
    }
    const T ar = sr[0], ai = si[0], br = sr[step], bi = si[step];
    dr[0] = sc != T(0) ? (ar + br) * f : ar + br;
    di[0] = sc != T(0) ? (ai + bi) * f : ai + bi;
    dr[step] = sc != T(0) ? (ar - br) * f : ar - br;
    di[step] = sc != T(0) ? (ai - bi) * f : ai - bi;
}

// Order 2: one length-4 DFT straight from the source (dst may be src),
// scaled when sc != 0.
template <class T>
void dft4_direct(const T* sr, const T* si, T* dr, T* di, std::size_t step, bool inv, T sc) {
    T xr[4], xi[4];
    for (std::size_t j = 0; j < 4; ++j) xr[j] = sr[j * step], xi[j] = si[j * step];
    const T ar = xr[0] + xr[2], ai = xi[0] + xi[2], br = xr[0] - xr[2], bi = xi[0] - xi[2];
    const T cr = xr[1] + xr[3], ci = xi[1] + xi[3], er = xr[1] - xr[3], ei = xi[1] - xi[3];
    const T o[8] = {ar + cr, ai + ci, inv ? br - ei : br + ei, inv ? bi + er : bi - er,
                    ar - cr, ai - ci, inv ? br + ei : br - ei, inv ? bi - er : bi + er};
    for (std::size_t k = 0; k < 4; ++k) {
        dr[k * step] = sc != T(0) ? o[2 * k] * sc : o[2 * k];
        di[k * step] = sc != T(0) ? o[2 * k + 1] * sc : o[2 * k + 1];
    }
}

// In place on interleaved data below kTileMinOrder: a copy of the source on
// the stack (at most 2 KiB) lets the first pass gather from it in
// bit-reversed order. Longer transforms permute tile pairs in registers.
// Both routes give the same bits as the gather out of place.
template <class T>
__attribute__((noinline)) void passes_via_copy(const FftPlan<T>& pl, T* d, bool inv, T sc) {
    alignas(64) T tmp[std::size_t{2} << (kTileMinOrder - 1)];
    std::memcpy(tmp, d, (std::size_t{2} << pl.order) * sizeof(T));
    kernels(pl).passes(pl, tmp, d, nullptr, inv, sc);
}

// The complex transform of plan.order points; si == nullptr means
// interleaved data at sr / dr.
template <class T>
void complex_fft(const FftPlan<T>& pl, const T* sr, const T* si, T* dr, T* di, bool inv, T sc) {
    if (pl.order < 2) {
        if (si == nullptr) tiny(pl.order, sr, sr + 1, dr, dr + 1, 2, sc);
        else tiny(pl.order, sr, si, dr, di, 1, sc);
        return;
    }
    if (pl.order == 2) {
        if (si == nullptr) dft4_direct(sr, sr + 1, dr, dr + 1, 2, inv, sc);
        else dft4_direct(sr, si, dr, di, 1, inv, sc);
        return;
    }
    if (si == nullptr) {
        if (pl.small != nullptr) {
            kernels(pl).small(pl, sr, dr, inv, sc);
            return;
        }
        if (sr != dr) {
            kernels(pl).passes(pl, sr, dr, nullptr, inv, sc);
            return;
        }
        if (pl.order >= kTileMinOrder) kernels(pl).tiles(pl, sr, nullptr, dr, nullptr, inv, sc);
        else passes_via_copy(pl, dr, inv, sc);
        return;
    } else {
        if (pl.order >= kTileMinOrder) {
            kernels(pl).tiles(pl, sr, si, dr, di, inv, sc);
            return;
        }
        permute(pl, sr, dr);
        permute(pl, si, di);
    }
    kernels(pl).passes(pl, nullptr, dr, di, inv, sc);
}

template <class T>
const FftSpecF<T>* spec_as(const void* p) { return static_cast<const FftSpecF<T>*>(p); }

template <class T>
T dir_scale(const FftSpecF<T>* s, bool inv) { return (inv ? s->inv_scaled : s->fwd_scaled) ? s->scale : T(0); }

template <class T, class S>
ZorStatus cfft(const T* src, T* dst, const S* spec, FftKind id, bool inv) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    const auto* s = spec_as<T>(spec);
    complex_fft(s->plan, src, static_cast<const T*>(nullptr), dst, static_cast<T*>(nullptr), inv, dir_scale(s, inv));
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus cfft_split(const T* sr, const T* si, T* dr, T* di, const S* spec, FftKind id, bool inv) {
    ZORS_CHECK(spec_status(spec, id), nonnull(sr, si, dr, di));
    const auto* s = spec_as<T>(spec);
    complex_fft(s->plan, sr, si, dr, di, inv, dir_scale(s, inv));
    return zorStsNoErr;
}

using Layout = PackedLayout;

// Turns the complex spectrum Z of N/2 points in d into the real spectrum in
// Perm order.
template <class T>
void split_step(const FftSpecF<T>* s, T* d, std::size_t n) {
    const std::size_t m = n / 2, q = n / 4;
    const T a = d[0], b = d[1];
    d[0] = a + b;
    d[1] = a - b;
    if (m < 2) return;
    d[m + 1] = -d[m + 1];  // X[M/2] = conj(Z[M/2])
    if (m < 4) return;     // no pairs left, and no table for them
    kernels(s->plan).split_merge(d, m, s->split, s->split + q + 1, false);
}

template <class T, class S>
ZorStatus rfft_fwd(const T* src, T* dst, const S* spec, FftKind id, Layout lay) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    const auto* s = spec_as<T>(spec);
    const std::size_t n = std::size_t{1} << s->order;
    const T sc = dir_scale(s, false);
    if (n == 1) {
        dst[0] = sc != T(0) ? src[0] * sc : src[0];
    } else if (s->plan.small != nullptr && s->plan.order <= 4) {
        real_kernels(s->plan).fwd_short(s->plan, src, dst, s->split, s->split + n / 4 + 1, sc);
    } else {
        complex_fft(s->plan, src, static_cast<const T*>(nullptr), dst, static_cast<T*>(nullptr), false, sc);
        split_step(s, dst, n);
    }
    perm_to_layout(dst, n, lay);
    return zorStsNoErr;
}

// The inverse: the spectrum is merged (the inverse of split_step, times 2)
// straight from the layout into the destination, then the inverse complex
// transform runs there in place; or, when the complex transform takes the
// passes and the caller's work buffer holds the N/2 merged values, into the
// buffer, and the complex transform runs from there to the destination out
// of place (the same bits by the faster route; the short transforms in
// registers gain nothing). N = 16 and 32 take one straight-line kernel from
// the layout to the signal.
template <class T, class S>
ZorStatus rfft_inv(const T* src, T* dst, const S* spec, FftKind id, Layout lay, Zor8u* buffer) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    const auto* s = spec_as<T>(spec);
    const std::size_t n = std::size_t{1} << s->order, q = n / 4;
    const T sc = dir_scale(s, true);
    if (n == 1) {
        dst[0] = sc != T(0) ? src[0] * sc : src[0];
        return zorStsNoErr;
    }
    const FftRealKernelsT<T>& rk = real_kernels(s->plan);
    const T* mc = s->merge;                             // null below 8 points
    const T* ms = mc != nullptr ? mc + q + 1 : nullptr;
    if (s->plan.small != nullptr && s->plan.order <= 4) {
        rk.inv_short(s->plan, src, dst, mc, ms, lay, sc);
        return zorStsNoErr;
    }
    // The buffer is used from its first 16-byte boundary; the reported size
    // includes 16 bytes for that.
    if (buffer != nullptr && s->plan.small == nullptr && static_cast<std::size_t>(s->buf_size) >= n * sizeof(T) + 16) {
        T* m = reinterpret_cast<T*>(place16(buffer));
        rk.merge(src, m, n / 2, mc, ms, lay);
        complex_fft(s->plan, m, static_cast<const T*>(nullptr), dst, static_cast<T*>(nullptr), true, sc);
        return zorStsNoErr;
    }
    if (lay == Layout::pack && src == dst) {
        // In place the Pack values move up into the Perm positions first.
        const T an = src[n - 1];
        std::memmove(dst + 2, dst + 1, (n - 2) * sizeof(T));
        dst[1] = an;
        lay = Layout::perm;
    }
    rk.merge(src, dst, n / 2, mc, ms, lay);
    complex_fft(s->plan, dst, static_cast<const T*>(nullptr), dst, static_cast<T*>(nullptr), true, sc);  // in place
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsFFTFwd_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsFFTSpec_C_32fc* pSpec, Zor8u*) { return cfft(reinterpret_cast<const float*>(pSrc), reinterpret_cast<float*>(pDst), pSpec, kFftC32fc, false); }
ZorStatus zorsFFTInv_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsFFTSpec_C_32fc* pSpec, Zor8u*) { return cfft(reinterpret_cast<const float*>(pSrc), reinterpret_cast<float*>(pDst), pSpec, kFftC32fc, true); }
ZorStatus zorsFFTFwd_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsFFTSpec_C_64fc* pSpec, Zor8u*) { return cfft(reinterpret_cast<const double*>(pSrc), reinterpret_cast<double*>(pDst), pSpec, kFftC64fc, false); }
ZorStatus zorsFFTInv_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsFFTSpec_C_64fc* pSpec, Zor8u*) { return cfft(reinterpret_cast<const double*>(pSrc), reinterpret_cast<double*>(pDst), pSpec, kFftC64fc, true); }
ZorStatus zorsFFTFwd_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsFFTSpec_C_32f* pSpec, Zor8u*) { return cfft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kFftC32f, false); }
ZorStatus zorsFFTInv_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsFFTSpec_C_32f* pSpec, Zor8u*) { return cfft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kFftC32f, true); }
ZorStatus zorsFFTFwd_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsFFTSpec_C_64f* pSpec, Zor8u*) { return cfft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kFftC64f, false); }
ZorStatus zorsFFTInv_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsFFTSpec_C_64f* pSpec, Zor8u*) { return cfft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kFftC64f, true); }

ZorStatus zorsFFTFwd_RToPack_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u*) { return rfft_fwd(pSrc, pDst, pSpec, kFftR32f, Layout::pack); }
ZorStatus zorsFFTFwd_RToPerm_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u*) { return rfft_fwd(pSrc, pDst, pSpec, kFftR32f, Layout::perm); }
ZorStatus zorsFFTFwd_RToCCS_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u*) { return rfft_fwd(pSrc, pDst, pSpec, kFftR32f, Layout::ccs); }
ZorStatus zorsFFTInv_PackToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer) { return rfft_inv(pSrc, pDst, pSpec, kFftR32f, Layout::pack, pBuffer); }
ZorStatus zorsFFTInv_PermToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer) { return rfft_inv(pSrc, pDst, pSpec, kFftR32f, Layout::perm, pBuffer); }
ZorStatus zorsFFTInv_CCSToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer) { return rfft_inv(pSrc, pDst, pSpec, kFftR32f, Layout::ccs, pBuffer); }
ZorStatus zorsFFTFwd_RToPack_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u*) { return rfft_fwd(pSrc, pDst, pSpec, kFftR64f, Layout::pack); }
ZorStatus zorsFFTFwd_RToPerm_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u*) { return rfft_fwd(pSrc, pDst, pSpec, kFftR64f, Layout::perm); }
ZorStatus zorsFFTFwd_RToCCS_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u*) { return rfft_fwd(pSrc, pDst, pSpec, kFftR64f, Layout::ccs); }
ZorStatus zorsFFTInv_PackToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer) { return rfft_inv(pSrc, pDst, pSpec, kFftR64f, Layout::pack, pBuffer); }
ZorStatus zorsFFTInv_PermToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer) { return rfft_inv(pSrc, pDst, pSpec, kFftR64f, Layout::perm, pBuffer); }
ZorStatus zorsFFTInv_CCSToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer) { return rfft_inv(pSrc, pDst, pSpec, kFftR64f, Layout::ccs, pBuffer); }
