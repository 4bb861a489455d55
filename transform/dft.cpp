// DFT of any length: DFTInitAlloc, DFTFree, DFTGetBufSize of the nine kinds
// (C_16sc, C_16s, R_16s, C_32fc, C_32f, R_32f, C_64fc, C_64f, R_64f) and of
// the out-of-order kinds (C_32fc, C_64fc); the complex transforms
// DFTFwd_CToC / DFTInv_CToC, the real RToPack, RToPerm, RToCCS, PackToR,
// PermToR, CCSToR, the out-of-order DFTOutOrdFwd_CToC / DFTOutOrdInv_CToC.
//
// Checks. InitAlloc: ppSpec null (-8), len < 1 (-6), the object (-9), the
// flag (-16; the 16-bit kinds leave it to their embedded creation, so a
// 16-bit length 1 takes any flag), then tables and embedded specifications
// (-9 or their status), releasing everything on failure; *ppSpec is written
// only on success. Free, GetBufSize: null (-8), identifier word (-17).
// Transforms: pSpec null (-8), identifier (-17), data pointers (-8), then the
// work buffer when one is needed and pBuffer is null (-9).
//
// Real kinds. A power of two runs the real FFT. An even length runs the
// complex plan of len/2 points on the pairs (x[2j], x[2j+1]) in the
// destination and splits the result into the spectrum in place (Perm order)
// with X[k] = ½(P + Q) - ½·i·W^k·(P - Q), P = Z[k], Q = conj(Z[len/2 - k]);
// the inverse merges the spectrum back and runs the inverse plan. An odd
// length runs the complex plan of len points on (x[j], 0) in the work
// buffer, or, for a length of at most 180 that does not factorise, sums the
// half spectrum directly.
//
// 16-bit kinds: convert to Zor32f into the aligned buffer, transform there
// with the embedded single-precision specification (hint 1), convert back
// rounding to nearest with the scale factor; length 1 applies the scale-
// factor rule to the value.
#include <cmath>
#include <cstring>

#include "frame/check.h"
#include "frame/fpenv.h"
#include "frame/memory.h"
#include "frame/scale.h"
#include "frame/types.h"
#include "transform/dft.h"
#include "transform/fft.h"

namespace zors {
namespace {

using Layout = PackedLayout;

template <class T> constexpr int c_kind(bool split) { return sizeof(T) == 4 ? (split ? 5 : 4) : (split ? 8 : 7); }
template <class T> constexpr int r_kind() { return sizeof(T) == 4 ? 6 : 9; }

constexpr bool is_real(std::uint32_t id) { return id == kDftR32f || id == kDftR64f; }
constexpr bool is_split(std::uint32_t id) { return id == kDftC32f || id == kDftC64f; }
constexpr bool is_outord(std::uint32_t id) { return id == kDftOutOrd32fc || id == kDftOutOrd64fc; }

int round16(std::int64_t v) { return static_cast<int>((v + 15) & ~std::int64_t{15}); }

template <class T>
void release(DftSpecF<T>* s) {
    dft_plan_free(s->plan);
    aligned_free(s->roots);
    aligned_free(s);
}

// The plan and tables of a real kind.
template <class T>
ZorStatus build_real(DftSpecF<T>* s, int len, int flag, int hint) {
    const int eb = 2 * static_cast<int>(sizeof(T));
    if (len <= 4) return dft_plan_init(s->plan, len, 0, flag, hint);
    if ((len & (len - 1)) == 0) {
        s->pow2 = 1;
        const ZorStatus st = dft_plan_init(s->plan, len, r_kind<T>(), flag, hint);
        if (st == zorStsNoErr) s->buf_size = s->plan.work;
        return st;
    }
    if (len % 2 == 0) {
        s->real_mode = 1;
        const ZorStatus st = dft_plan_init(s->plan, len / 2, c_kind<T>(false), ZOR_FFT_NO_DIV, hint);
        if (st != zorStsNoErr) return st;
        const std::uint64_t q = static_cast<std::uint64_t>(len) / 4 + 1;
        s->roots = static_cast<Cx<T>*>(aligned_alloc_bytes((q + 1) * sizeof(Cx<T>)));
        if (s->roots == nullptr) return zorStsMemAllocErr;
        for (std::uint64_t k = 0; k <= q; ++k) {
            long double c, sn;
            unit_root(k, static_cast<std::uint64_t>(len), c, sn);
            s->roots[k] = {static_cast<T>(c), static_cast<T>(sn)};
        }
        s->buf_size = s->plan.work;
        return zorStsNoErr;
    }
    // Odd: the complex plan when len factorises or exceeds 180, else the
    // direct sum of the half spectrum.
    const ZorStatus st = dft_plan_init(s->plan, len, c_kind<T>(false), ZOR_FFT_NO_DIV, hint, true, 180);
    if (st != zorStsNoErr) return st;
    if (s->plan.alg != DftAlg::direct) {
        s->real_mode = 2;
        const std::int64_t b = static_cast<std::int64_t>(round16(static_cast<std::int64_t>(eb) * len)) + s->plan.work;
        if (b > 0x7fffffff) return zorStsMemAllocErr;
        s->buf_size = static_cast<int>(b);
        return zorStsNoErr;
    }
    s->real_mode = 3;
    s->roots = s->plan.roots;  // the plan's table of len roots
    s->plan.roots = nullptr;
    s->buf_size = static_cast<int>(sizeof(T)) * len + 16;
    return zorStsNoErr;
}

template <class T>
ZorStatus init_f(DftSpecF<T>** pp, int len, int flag, int hint, DftKind id) {
    ZORS_CHECK(nonnull(pp), positive(len));
    ExtendedPrecision x87;  // the tables are computed in long double
    auto* s = static_cast<DftSpecF<T>*>(aligned_alloc_bytes(sizeof(DftSpecF<T>)));
    if (s == nullptr) return zorStsMemAllocErr;
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->id = id;
    s->len = len;
    s->hint = hint;
    switch (flag) {
    case ZOR_FFT_DIV_FWD_BY_N: s->fwd_scaled = 1; s->scale = T(1) / static_cast<T>(len); break;
    case ZOR_FFT_DIV_INV_BY_N: s->inv_scaled = 1; s->scale = T(1) / static_cast<T>(len); break;
    case ZOR_FFT_DIV_BY_SQRTN: s->fwd_scaled = s->inv_scaled = 1; s->scale = static_cast<T>(1.0 / std::sqrt(static_cast<double>(len))); break;
    case ZOR_FFT_NO_DIV: break;
    default: aligned_free(s); return zorStsFftFlagErr;
    }
    ZorStatus st;
    if (is_real(id)) {
        st = build_real(s, len, flag, hint);
    } else {
        st = dft_plan_init(s->plan, len, c_kind<T>(is_split(id)), flag, hint);
        s->pow2 = s->plan.alg == DftAlg::pow2;
        s->buf_size = s->plan.work;
        s->out_of_order = is_outord(id) && s->plan.alg == DftAlg::mixed && len >= 2001;
    }
    if (st != zorStsNoErr) {
        release(s);
        return st;
    }
    *pp = s;
    return zorStsNoErr;
}

template <class T>
ZorStatus free_f(void* p, DftKind id) {
    ZORS_CHECK(spec_status(p, id));
    auto* s = static_cast<DftSpecF<T>*>(p);
    s->id = 0;
    release(s);
    return zorStsNoErr;
}

template <class T>
ZorStatus size_f(const void* p, int* size, DftKind id) {
    ZORS_CHECK(nonnull(p, size), spec_status(p, id));
    *size = static_cast<const DftSpecF<T>*>(p)->buf_size;
    return zorStsNoErr;
}

template <class T>
T dir_scale(const DftSpecF<T>* s, bool inv) { return (inv ? s->inv_scaled : s->fwd_scaled) ? s->scale : T(0); }

template <class T>
void scale_view(CView<T> v, std::size_t n, T sc) {
    if (sc == T(0)) return;
    for (std::size_t i = 0; i < n; ++i) {
        v.re[i * v.step] *= sc;
        v.im[i * v.step] *= sc;
    }
}

template <class T>
void scale_real(T* d, std::size_t n, T sc) {
    if (sc != T(0))
        for (std::size_t i = 0; i < n; ++i) d[i] *= sc;
}

// ---- complex ----

template <class T>
ZorStatus complex_run(const DftSpecF<T>* s, CView<T> src, CView<T> dst, Zor8u* buffer, bool inv) {
    const DftPlan<T>& p = s->plan;
    if (p.alg == DftAlg::pow2) return dft_plan_run(p, src, dst, buffer, inv);  // the FFT handles the buffer
    DftWork w;
    if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    const ZorStatus st = dft_plan_run(p, src, dst, w.at, inv);
    if (st != zorStsNoErr) return st;
    scale_view(dst, static_cast<std::size_t>(s->len), dir_scale(s, inv));
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus cdft(const T* src, T* dst, const S* spec, DftKind id, Zor8u* buffer, bool inv) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    const auto* s = static_cast<const DftSpecF<T>*>(static_cast<const void*>(spec));
    const DftPlan<T>& p = s->plan;
    if (p.alg == DftAlg::mixed) {
        DftWork w;
        if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
        dft_plan_run_sorted(p, reinterpret_cast<const Cx<T>*>(src), reinterpret_cast<Cx<T>*>(dst), static_cast<Cx<T>*>(w.at), inv);
        scale_real(dst, 2 * static_cast<std::size_t>(p.n), dir_scale(s, inv));
        return zorStsNoErr;
    }
    T* sm = const_cast<T*>(src);
    return complex_run(s, CView<T>{sm, sm + 1, 2}, CView<T>{dst, dst + 1, 2}, buffer, inv);
}

template <class T, class S>
ZorStatus cdft_split(const T* sr, const T* si, T* dr, T* di, const S* spec, DftKind id, Zor8u* buffer, bool inv) {
    ZORS_CHECK(spec_status(spec, id), nonnull(sr, si, dr, di));
    const auto* s = static_cast<const DftSpecF<T>*>(static_cast<const void*>(spec));
    return complex_run(s, CView<T>{const_cast<T*>(sr), const_cast<T*>(si), 1}, CView<T>{dr, di, 1}, buffer, inv);
}

template <class T, class S>
ZorStatus outord(const T* src, T* dst, const S* spec, DftKind id, Zor8u* buffer, bool inv) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    const auto* s = static_cast<const DftSpecF<T>*>(static_cast<const void*>(spec));
    if (!s->out_of_order) {
        T* sm = const_cast<T*>(src);
        return complex_run(s, CView<T>{sm, sm + 1, 2}, CView<T>{dst, dst + 1, 2}, buffer, inv);
    }
    const std::size_t n = static_cast<std::size_t>(s->len);
    if (src != dst) std::memmove(dst, src, 2 * n * sizeof(T));
    dft_plan_run_outord(s->plan, reinterpret_cast<Cx<T>*>(dst), inv);
    scale_view(CView<T>{dst, dst + 1, 2}, n, dir_scale(s, inv));
    return zorStsNoErr;
}

// ---- real ----

constexpr std::size_t layout_len(Layout lay, std::size_t n) {
    return lay == Layout::ccs ? (n % 2 ? n + 1 : n + 2) : n;
}

// Position of A_k (B_k follows) for 1 <= k < n/2.
constexpr std::size_t pos_a(Layout lay, std::size_t n, std::size_t k) {
    return lay == Layout::ccs || (lay == Layout::perm && n % 2 == 0) ? 2 * k : 2 * k - 1;
}

// X[k], 0 <= k <= n/2, from a stored layout.
template <class T>
Cx<T> read_bin(const T* v, std::size_t n, Layout lay, std::size_t k) {
    if (k == 0) return {v[0], T(0)};
    if (2 * k == n) return {v[nyquist_pos(lay, n)], T(0)};
    const std::size_t p = pos_a(lay, n, k);
    return {v[p], v[p + 1]};
}

// Writes X[0 .. n/2] (times sc when sc != 0) in a layout.
template <class T, class Get>
void write_layout(T* d, std::size_t n, Layout lay, T sc, Get bin) {
    const T f = sc != T(0) ? sc : T(1);
    for (std::size_t k = 0; 2 * k <= n; ++k) {
        const Cx<T> x = bin(k);
        const T a = sc != T(0) ? x.re * f : x.re, b = sc != T(0) ? x.im * f : x.im;
        if (k == 0) {
            d[0] = a;
            if (lay == Layout::ccs) d[1] = 0;
        } else if (2 * k == n) {
            d[nyquist_pos(lay, n)] = a;
            if (lay == Layout::ccs) d[n + 1] = 0;
        } else {
            const std::size_t p = pos_a(lay, n, k);
            d[p] = a;
            d[p + 1] = b;
        }
    }
}

// In place on the Perm vector d of n (even) values: the complex spectrum Z of
// the n/2 pairs becomes the real spectrum (split) or back (merge, times 2).
template <class T>
void split_merge(T* d, std::size_t n, const Cx<T>* w, bool merge) {
    const std::size_t m = n / 2;
    auto z = [d](std::size_t k) { return Cx<T>{d[2 * k], d[2 * k + 1]}; };
    auto put = [d](std::size_t k, Cx<T> v) { d[2 * k] = v.re, d[2 * k + 1] = v.im; };
    // one bin from P = Z[k] (or X[k]) and G = conj of the mirror, with W^k
    auto one = [merge](Cx<T> p, Cx<T> g, Cx<T> wk) -> Cx<T> {
        const T dr = p.re - g.re, di = p.im - g.im;
        if (!merge) {
            const T wr = wk.re * dr - wk.im * di, wi = wk.re * di + wk.im * dr;  // W·(P - Q)
            return {T(0.5) * (p.re + g.re) + T(0.5) * wi, T(0.5) * (p.im + g.im) - T(0.5) * wr};
        }
        const T vr = wk.re * dr + wk.im * di, vi = wk.re * di - wk.im * dr;  // conj(W)·(F - G)
        return {p.re + g.re - vi, p.im + g.im + vr};
    };
    const T a = d[0], b = d[1];
    d[0] = a + b;
    d[1] = a - b;
    for (std::size_t k = 1; 2 * k <= m; ++k) {
        const Cx<T> zk = z(k), zm = z(m - k);
        const Cx<T> wk = w[k], wm = {-w[k].re, w[k].im};  // W^{m-k} = -conj(W^k)
        const Cx<T> xk = one(zk, {zm.re, -zm.im}, wk);
        if (2 * k == m) {
            put(k, xk);
        } else {
            put(m - k, one(zm, {zk.re, -zk.im}, wm));
            put(k, xk);
        }
    }
}

template <class T>
CView<T> cview(Cx<T>* p) { return {&p->re, &p->im, 2}; }

template <class T>
ZorStatus rdft_fwd(const DftSpecF<T>* s, const T* src, T* dst, Zor8u* buffer, Layout lay) {
    const std::size_t n = static_cast<std::size_t>(s->len);
    const T sc = dir_scale(s, false);
    if (s->pow2) {
        if constexpr (sizeof(T) == 4) {
            const auto* sp = static_cast<const ZorsFFTSpec_R_32f*>(s->plan.fft);
            return lay == Layout::pack ? zorsFFTFwd_RToPack_32f(src, dst, sp, buffer)
                 : lay == Layout::perm ? zorsFFTFwd_RToPerm_32f(src, dst, sp, buffer)
                                       : zorsFFTFwd_RToCCS_32f(src, dst, sp, buffer);
        } else {
            const auto* sd = static_cast<const ZorsFFTSpec_R_64f*>(s->plan.fft);
            return lay == Layout::pack ? zorsFFTFwd_RToPack_64f(src, dst, sd, buffer)
                 : lay == Layout::perm ? zorsFFTFwd_RToPerm_64f(src, dst, sd, buffer)
                                       : zorsFFTFwd_RToCCS_64f(src, dst, sd, buffer);
        }
    }
    if (n <= 4) {
        Cx<T> x[4], y[4];
        for (std::size_t j = 0; j < n; ++j) x[j] = {src[j], T(0)};
        dft_plan_run(s->plan, cview(x), cview(y), nullptr, false);
        write_layout(dst, n, lay, sc, [&](std::size_t k) { return y[k]; });
        return zorStsNoErr;
    }
    DftWork w;
    if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    if (s->real_mode == 1) {
        T* sm = const_cast<T*>(src);
        const ZorStatus st = dft_plan_run(s->plan, CView<T>{sm, sm + 1, 2}, CView<T>{dst, dst + 1, 2}, w.at, false);
        if (st != zorStsNoErr) return st;
        split_merge(dst, n, s->roots, false);
        scale_real(dst, n, sc);
        perm_to_layout(dst, n, lay);
        return zorStsNoErr;
    }
    if (s->real_mode == 2) {
        auto* c = static_cast<Cx<T>*>(w.at);
        for (std::size_t j = 0; j < n; ++j) c[j] = {src[j], T(0)};
        void* rest = reinterpret_cast<Zor8u*>(c) + round16(static_cast<std::int64_t>(n * sizeof(Cx<T>)));
        const ZorStatus st = dft_plan_run(s->plan, cview(c), cview(c), rest, false);
        if (st != zorStsNoErr) return st;
        write_layout(dst, n, lay, sc, [&](std::size_t k) { return c[k]; });
        return zorStsNoErr;
    }
    // Odd direct: A_k, B_k for k <= (n - 1)/2, summed in double precision.
    T* v = static_cast<T*>(w.at);
    for (std::size_t k = 0; 2 * k < n; ++k) {
        double re = 0, im = 0;
        std::size_t idx = 0;
        for (std::size_t j = 0; j < n; ++j) {
            re += static_cast<double>(src[j]) * s->roots[idx].re;
            im += static_cast<double>(src[j]) * s->roots[idx].im;
            idx += k;
            if (idx >= n) idx -= n;
        }
        v[k == 0 ? 0 : 2 * k - 1] = static_cast<T>(re);
        if (k > 0) v[2 * k] = static_cast<T>(im);
    }
    write_layout(dst, n, lay, sc, [&](std::size_t k) { return read_bin(v, n, Layout::pack, k); });
    return zorStsNoErr;
}

template <class T>
ZorStatus rdft_inv(const DftSpecF<T>* s, const T* src, T* dst, Zor8u* buffer, Layout lay) {
    const std::size_t n = static_cast<std::size_t>(s->len);
    const T sc = dir_scale(s, true);
    if (s->pow2) {
        if constexpr (sizeof(T) == 4) {
            const auto* sp = static_cast<const ZorsFFTSpec_R_32f*>(s->plan.fft);
            return lay == Layout::pack ? zorsFFTInv_PackToR_32f(src, dst, sp, buffer)
                 : lay == Layout::perm ? zorsFFTInv_PermToR_32f(src, dst, sp, buffer)
                                       : zorsFFTInv_CCSToR_32f(src, dst, sp, buffer);
        } else {
            const auto* sd = static_cast<const ZorsFFTSpec_R_64f*>(s->plan.fft);
            return lay == Layout::pack ? zorsFFTInv_PackToR_64f(src, dst, sd, buffer)
                 : lay == Layout::perm ? zorsFFTInv_PermToR_64f(src, dst, sd, buffer)
                                       : zorsFFTInv_CCSToR_64f(src, dst, sd, buffer);
        }
    }
    // The full conjugate-symmetric spectrum, bin by bin.
    auto full = [&](std::size_t k) {
        if (2 * k <= n) return read_bin(src, n, lay, k);
        const Cx<T> x = read_bin(src, n, lay, n - k);
        return Cx<T>{x.re, -x.im};
    };
    if (n <= 4) {
        Cx<T> x[4], y[4];
        for (std::size_t k = 0; k < n; ++k) x[k] = full(k);
        dft_plan_run(s->plan, cview(x), cview(y), nullptr, true);
        for (std::size_t j = 0; j < n; ++j) dst[j] = sc != T(0) ? y[j].re * sc : y[j].re;
        return zorStsNoErr;
    }
    DftWork w;
    if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    if (s->real_mode == 1) {
        const T a0 = src[0], an = src[nyquist_pos(lay, n)];
        if (lay == Layout::pack) std::memmove(dst + 2, src + 1, (n - 2) * sizeof(T));
        else if (dst != src) std::memmove(dst + 2, src + 2, (n - 2) * sizeof(T));
        dst[0] = a0;
        dst[1] = an;
        split_merge(dst, n, s->roots, true);
        const ZorStatus st = dft_plan_run(s->plan, CView<T>{dst, dst + 1, 2}, CView<T>{dst, dst + 1, 2}, w.at, true);
        if (st != zorStsNoErr) return st;
        scale_real(dst, n, sc);
        return zorStsNoErr;
    }
    if (s->real_mode == 2) {
        auto* c = static_cast<Cx<T>*>(w.at);
        for (std::size_t k = 0; k < n; ++k) c[k] = full(k);
        void* rest = reinterpret_cast<Zor8u*>(c) + round16(static_cast<std::int64_t>(n * sizeof(Cx<T>)));
        const ZorStatus st = dft_plan_run(s->plan, cview(c), cview(c), rest, true);
        if (st != zorStsNoErr) return st;
        for (std::size_t j = 0; j < n; ++j) dst[j] = sc != T(0) ? c[j].re * sc : c[j].re;
        return zorStsNoErr;
    }
    // Odd direct: x[j] = A_0 + 2·Σ (A_k·cos - B_k·sin)(2π·jk/n).
    T* v = static_cast<T*>(w.at);
    const std::size_t h = (n - 1) / 2;
    for (std::size_t j = 0; j < n; ++j) {
        double acc = 0;
        std::size_t idx = j;
        for (std::size_t k = 1; k <= h; ++k) {
            const Cx<T> x = read_bin(src, n, lay, k);
            acc += static_cast<double>(x.re) * s->roots[idx].re + static_cast<double>(x.im) * s->roots[idx].im;
            idx += j;
            if (idx >= n) idx -= n;
        }
        v[j] = static_cast<T>(static_cast<double>(src[0]) + 2 * acc);
    }
    for (std::size_t j = 0; j < n; ++j) dst[j] = sc != T(0) ? v[j] * sc : v[j];
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus rdft(const T* src, T* dst, const S* spec, DftKind id, Zor8u* buffer, Layout lay, bool inv) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    const auto* s = static_cast<const DftSpecF<T>*>(static_cast<const void*>(spec));
    return inv ? rdft_inv(s, src, dst, buffer, lay) : rdft_fwd(s, src, dst, buffer, lay);
}

// ---- 16-bit ----

void release16(DftSpec16* s) {
    if (s->fspec != nullptr) {
        auto* f = static_cast<DftSpecF<float>*>(s->fspec);
        f->id = 0;
        release(f);
    }
    aligned_free(s);
}

ZorStatus init16(DftSpec16** pp, int len, int flag, DftKind id) {
    ZORS_CHECK(nonnull(pp), positive(len));
    auto* s = static_cast<DftSpec16*>(aligned_alloc_bytes(sizeof(DftSpec16)));
    if (s == nullptr) return zorStsMemAllocErr;
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->id = id;
    s->len = len;
    if (len > 1) {
        const DftKind fk = id == kDftC16sc ? kDftC32fc : id == kDftC16s ? kDftC32f : kDftR32f;
        DftSpecF<float>* f = nullptr;
        const ExactFftScope exact;  // integer results
        const ZorStatus st = init_f<float>(&f, len, flag, zorAlgHintFast, fk);
        if (st != zorStsNoErr) {
            release16(s);
            return st;
        }
        s->fspec = f;
        const std::int64_t base = id == kDftR16s ? 4 * static_cast<std::int64_t>(len) + 24 : 8 * static_cast<std::int64_t>(len) + 16;
        if (base + f->buf_size > 0x7fffffff) {
            release16(s);
            return zorStsMemAllocErr;
        }
        s->buf_size = static_cast<int>(base + f->buf_size);
    }
    *pp = s;
    return zorStsNoErr;
}

ZorStatus free16(void* p, DftKind id) {
    ZORS_CHECK(spec_status(p, id));
    auto* s = static_cast<DftSpec16*>(p);
    s->id = 0;
    release16(s);
    return zorStsNoErr;
}

ZorStatus size16(const void* p, int* size, DftKind id) {
    ZORS_CHECK(nonnull(p, size), spec_status(p, id));
    *size = static_cast<const DftSpec16*>(p)->buf_size;
    return zorStsNoErr;
}

// A 16-bit complex vector: interleaved (im null: re holds the pairs) or split.
ZorStatus cdft16(const Zor16s* sr, const Zor16s* si, Zor16s* dr, Zor16s* di, const DftSpec16* s, int sf, Zor8u* buffer, bool inv) {
    const int n = s->len;
    if (n == 1) {
        const Zor16s a = sr[0], b = si != nullptr ? si[0] : sr[1];
        dr[0] = scale_sat<Zor16s>(a, sf);
        (di != nullptr ? di[0] : dr[1]) = scale_sat<Zor16s>(b, sf);
        return zorStsNoErr;
    }
    DftWork w;
    if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    auto* f = static_cast<float*>(w.at);
    auto* rest = reinterpret_cast<Zor8u*>(f + 2 * n);
    ZorStatus st;
    if (si == nullptr) {
        zorsConvert_16s32f(sr, f, 2 * n);
        auto* c = reinterpret_cast<Zor32fc*>(f);
        const auto* sp = static_cast<const ZorsDFTSpec_C_32fc*>(s->fspec);
        st = inv ? zorsDFTInv_CToC_32fc(c, c, sp, rest) : zorsDFTFwd_CToC_32fc(c, c, sp, rest);
        if (st == zorStsNoErr) zorsConvert_32f16s_Sfs(f, dr, 2 * n, zorRndNear, sf);
    } else {
        zorsConvert_16s32f(sr, f, n);
        zorsConvert_16s32f(si, f + n, n);
        const auto* sp = static_cast<const ZorsDFTSpec_C_32f*>(s->fspec);
        st = inv ? zorsDFTInv_CToC_32f(f, f + n, f, f + n, sp, rest) : zorsDFTFwd_CToC_32f(f, f + n, f, f + n, sp, rest);
        if (st == zorStsNoErr) {
            zorsConvert_32f16s_Sfs(f, dr, n, zorRndNear, sf);
            zorsConvert_32f16s_Sfs(f + n, di, n, zorRndNear, sf);
        }
    }
    return st;
}

template <class S>
ZorStatus cdft16_i(const Zor16sc* src, Zor16sc* dst, const S* spec, int sf, Zor8u* buf, bool inv) {
    ZORS_CHECK(spec_status(spec, kDftC16sc), nonnull(src, dst));
    return cdft16(&src->re, nullptr, &dst->re, nullptr, static_cast<const DftSpec16*>(static_cast<const void*>(spec)), sf, buf, inv);
}

template <class S>
ZorStatus cdft16_s(const Zor16s* sr, const Zor16s* si, Zor16s* dr, Zor16s* di, const S* spec, int sf, Zor8u* buf, bool inv) {
    ZORS_CHECK(spec_status(spec, kDftC16s), nonnull(sr, si, dr, di));
    return cdft16(sr, si, dr, di, static_cast<const DftSpec16*>(static_cast<const void*>(spec)), sf, buf, inv);
}

template <class S>
ZorStatus rdft16(const Zor16s* src, Zor16s* dst, const S* spec, int sf, Zor8u* buffer, Layout lay, bool inv) {
    ZORS_CHECK(spec_status(spec, kDftR16s), nonnull(src, dst));
    const auto* s = static_cast<const DftSpec16*>(static_cast<const void*>(spec));
    const std::size_t n = static_cast<std::size_t>(s->len), packed = layout_len(lay, n);
    if (n == 1) {
        dst[0] = scale_sat<Zor16s>(src[0], sf);
        if (!inv && lay == Layout::ccs) dst[1] = 0;
        return zorStsNoErr;
    }
    DftWork w;
    if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    auto* f = static_cast<float*>(w.at);
    auto* rest = reinterpret_cast<Zor8u*>(f + n + 2);
    const auto* sp = static_cast<const ZorsDFTSpec_R_32f*>(s->fspec);
    ZorStatus st;
    if (!inv) {
        zorsConvert_16s32f(src, f, static_cast<int>(n));
        st = lay == Layout::pack ? zorsDFTFwd_RToPack_32f(f, f, sp, rest)
           : lay == Layout::perm ? zorsDFTFwd_RToPerm_32f(f, f, sp, rest)
                                 : zorsDFTFwd_RToCCS_32f(f, f, sp, rest);
    } else {
        zorsConvert_16s32f(src, f, static_cast<int>(packed));
        st = lay == Layout::pack ? zorsDFTInv_PackToR_32f(f, f, sp, rest)
           : lay == Layout::perm ? zorsDFTInv_PermToR_32f(f, f, sp, rest)
                                 : zorsDFTInv_CCSToR_32f(f, f, sp, rest);
    }
    if (st == zorStsNoErr) zorsConvert_32f16s_Sfs(f, dst, static_cast<int>(inv ? n : packed), zorRndNear, sf);
    return st;
}

template <class T, class S>
ZorStatus init(S** pp, int len, int flag, ZorHintAlgorithm hint, DftKind id) {
    return init_f(reinterpret_cast<DftSpecF<T>**>(pp), len, flag, static_cast<int>(hint), id);
}

template <class S>
ZorStatus init_16(S** pp, int len, int flag, ZorHintAlgorithm hint, DftKind id) {
    const ZorStatus st = init16(reinterpret_cast<DftSpec16**>(pp), len, flag, id);
    if (st == zorStsNoErr) (*reinterpret_cast<DftSpec16**>(pp))->hint = static_cast<int>(hint);
    return st;
}

}  // namespace
}  // namespace zors

using namespace zors;

namespace {
// The components of a complex vector, without touching it (it may be null).
template <class C> const part_t<C>* parts(const C* p) { return reinterpret_cast<const part_t<C>*>(p); }
template <class C> part_t<C>* parts(C* p) { return reinterpret_cast<part_t<C>*>(p); }
}  // namespace

#define ZORS_DFT_OBJECT(K, T, Id)                                                                                                                          \
    ZorStatus zorsDFTInitAlloc_##K(ZorsDFTSpec_##K** pp, int len, int flag, ZorHintAlgorithm hint) { return init<T>(pp, len, flag, hint, Id); } \
    ZorStatus zorsDFTFree_##K(ZorsDFTSpec_##K* p) { return free_f<T>(p, Id); }                                                                           \
    ZorStatus zorsDFTGetBufSize_##K(const ZorsDFTSpec_##K* p, int* pSize) { return size_f<T>(p, pSize, Id); }
ZORS_DFT_OBJECT(C_32fc, float, kDftC32fc)
ZORS_DFT_OBJECT(C_32f, float, kDftC32f)
ZORS_DFT_OBJECT(R_32f, float, kDftR32f)
ZORS_DFT_OBJECT(C_64fc, double, kDftC64fc)
ZORS_DFT_OBJECT(C_64f, double, kDftC64f)
ZORS_DFT_OBJECT(R_64f, double, kDftR64f)
#undef ZORS_DFT_OBJECT

ZorStatus zorsDFTOutOrdInitAlloc_C_32fc(ZorsDFTOutOrdSpec_C_32fc** pp, int len, int flag, ZorHintAlgorithm hint) { return init<float>(pp, len, flag, hint, kDftOutOrd32fc); }
ZorStatus zorsDFTOutOrdInitAlloc_C_64fc(ZorsDFTOutOrdSpec_C_64fc** pp, int len, int flag, ZorHintAlgorithm hint) { return init<double>(pp, len, flag, hint, kDftOutOrd64fc); }
ZorStatus zorsDFTOutOrdFree_C_32fc(ZorsDFTOutOrdSpec_C_32fc* p) { return free_f<float>(p, kDftOutOrd32fc); }
ZorStatus zorsDFTOutOrdFree_C_64fc(ZorsDFTOutOrdSpec_C_64fc* p) { return free_f<double>(p, kDftOutOrd64fc); }
ZorStatus zorsDFTOutOrdGetBufSize_C_32fc(const ZorsDFTOutOrdSpec_C_32fc* p, int* pSize) { return size_f<float>(p, pSize, kDftOutOrd32fc); }
ZorStatus zorsDFTOutOrdGetBufSize_C_64fc(const ZorsDFTOutOrdSpec_C_64fc* p, int* pSize) { return size_f<double>(p, pSize, kDftOutOrd64fc); }

ZorStatus zorsDFTInitAlloc_C_16sc(ZorsDFTSpec_C_16sc** pp, int len, int flag, ZorHintAlgorithm hint) { return init_16(pp, len, flag, hint, kDftC16sc); }
ZorStatus zorsDFTInitAlloc_C_16s(ZorsDFTSpec_C_16s** pp, int len, int flag, ZorHintAlgorithm hint) { return init_16(pp, len, flag, hint, kDftC16s); }
ZorStatus zorsDFTInitAlloc_R_16s(ZorsDFTSpec_R_16s** pp, int len, int flag, ZorHintAlgorithm hint) { return init_16(pp, len, flag, hint, kDftR16s); }
ZorStatus zorsDFTFree_C_16sc(ZorsDFTSpec_C_16sc* p) { return free16(p, kDftC16sc); }
ZorStatus zorsDFTFree_C_16s(ZorsDFTSpec_C_16s* p) { return free16(p, kDftC16s); }
ZorStatus zorsDFTFree_R_16s(ZorsDFTSpec_R_16s* p) { return free16(p, kDftR16s); }
ZorStatus zorsDFTGetBufSize_C_16sc(const ZorsDFTSpec_C_16sc* p, int* pSize) { return size16(p, pSize, kDftC16sc); }
ZorStatus zorsDFTGetBufSize_C_16s(const ZorsDFTSpec_C_16s* p, int* pSize) { return size16(p, pSize, kDftC16s); }
ZorStatus zorsDFTGetBufSize_R_16s(const ZorsDFTSpec_R_16s* p, int* pSize) { return size16(p, pSize, kDftR16s); }

ZorStatus zorsDFTFwd_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTSpec_C_32fc* pSpec, Zor8u* pBuffer) { return cdft(parts(pSrc), parts(pDst), pSpec, kDftC32fc, pBuffer, false); }
ZorStatus zorsDFTInv_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTSpec_C_32fc* pSpec, Zor8u* pBuffer) { return cdft(parts(pSrc), parts(pDst), pSpec, kDftC32fc, pBuffer, true); }
ZorStatus zorsDFTFwd_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTSpec_C_64fc* pSpec, Zor8u* pBuffer) { return cdft(parts(pSrc), parts(pDst), pSpec, kDftC64fc, pBuffer, false); }
ZorStatus zorsDFTInv_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTSpec_C_64fc* pSpec, Zor8u* pBuffer) { return cdft(parts(pSrc), parts(pDst), pSpec, kDftC64fc, pBuffer, true); }
ZorStatus zorsDFTFwd_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsDFTSpec_C_32f* pSpec, Zor8u* pBuffer) { return cdft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kDftC32f, pBuffer, false); }
ZorStatus zorsDFTInv_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsDFTSpec_C_32f* pSpec, Zor8u* pBuffer) { return cdft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kDftC32f, pBuffer, true); }
ZorStatus zorsDFTFwd_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsDFTSpec_C_64f* pSpec, Zor8u* pBuffer) { return cdft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kDftC64f, pBuffer, false); }
ZorStatus zorsDFTInv_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsDFTSpec_C_64f* pSpec, Zor8u* pBuffer) { return cdft_split(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, kDftC64f, pBuffer, true); }

ZorStatus zorsDFTOutOrdFwd_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTOutOrdSpec_C_32fc* pSpec, Zor8u* pBuffer) { return outord(parts(pSrc), parts(pDst), pSpec, kDftOutOrd32fc, pBuffer, false); }
ZorStatus zorsDFTOutOrdInv_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTOutOrdSpec_C_32fc* pSpec, Zor8u* pBuffer) { return outord(parts(pSrc), parts(pDst), pSpec, kDftOutOrd32fc, pBuffer, true); }
ZorStatus zorsDFTOutOrdFwd_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTOutOrdSpec_C_64fc* pSpec, Zor8u* pBuffer) { return outord(parts(pSrc), parts(pDst), pSpec, kDftOutOrd64fc, pBuffer, false); }
ZorStatus zorsDFTOutOrdInv_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTOutOrdSpec_C_64fc* pSpec, Zor8u* pBuffer) { return outord(parts(pSrc), parts(pDst), pSpec, kDftOutOrd64fc, pBuffer, true); }

ZorStatus zorsDFTFwd_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsDFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer) { return cdft16_i(pSrc, pDst, pSpec, scaleFactor, pBuffer, false); }
ZorStatus zorsDFTInv_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsDFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer) { return cdft16_i(pSrc, pDst, pSpec, scaleFactor, pBuffer, true); }
ZorStatus zorsDFTFwd_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsDFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return cdft16_s(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer, false); }
ZorStatus zorsDFTInv_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsDFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return cdft16_s(pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer, true); }

#define ZORS_DFT_REAL(T, Suffix, Spec, Run, ...)                                                                                                                  \
    ZorStatus zorsDFTFwd_RToPack_##Suffix(const T* pSrc, T* pDst, const Spec* pSpec, __VA_ARGS__ Zor8u* pBuffer) { return Run(Layout::pack, false); } \
    ZorStatus zorsDFTFwd_RToPerm_##Suffix(const T* pSrc, T* pDst, const Spec* pSpec, __VA_ARGS__ Zor8u* pBuffer) { return Run(Layout::perm, false); } \
    ZorStatus zorsDFTFwd_RToCCS_##Suffix(const T* pSrc, T* pDst, const Spec* pSpec, __VA_ARGS__ Zor8u* pBuffer) { return Run(Layout::ccs, false); }   \
    ZorStatus zorsDFTInv_PackToR_##Suffix(const T* pSrc, T* pDst, const Spec* pSpec, __VA_ARGS__ Zor8u* pBuffer) { return Run(Layout::pack, true); }  \
    ZorStatus zorsDFTInv_PermToR_##Suffix(const T* pSrc, T* pDst, const Spec* pSpec, __VA_ARGS__ Zor8u* pBuffer) { return Run(Layout::perm, true); }  \
    ZorStatus zorsDFTInv_CCSToR_##Suffix(const T* pSrc, T* pDst, const Spec* pSpec, __VA_ARGS__ Zor8u* pBuffer) { return Run(Layout::ccs, true); }
#define ZORS_RUN_32F(lay, inv) rdft(pSrc, pDst, pSpec, kDftR32f, pBuffer, lay, inv)
#define ZORS_RUN_64F(lay, inv) rdft(pSrc, pDst, pSpec, kDftR64f, pBuffer, lay, inv)
#define ZORS_RUN_16S(lay, inv) rdft16(pSrc, pDst, pSpec, scaleFactor, pBuffer, lay, inv)
ZORS_DFT_REAL(Zor32f, 32f, ZorsDFTSpec_R_32f, ZORS_RUN_32F, )
ZORS_DFT_REAL(Zor64f, 64f, ZorsDFTSpec_R_64f, ZORS_RUN_64F, )
ZORS_DFT_REAL(Zor16s, 16s_Sfs, ZorsDFTSpec_R_16s, ZORS_RUN_16S, int scaleFactor,)
#undef ZORS_DFT_REAL
#undef ZORS_RUN_32F
#undef ZORS_RUN_64F
#undef ZORS_RUN_16S
