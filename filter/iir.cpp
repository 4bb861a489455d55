// IIR filters: fourteen state types, each with an arbitrary-order kind and a
// biquad-cascade kind.
//
// A state type pairs a tap precision (single or double, real or complex)
// with a data type. Taps b0..bN, a0..aN (or b0, b1, b2, a0, a1, a2 per
// section) are stored divided by a0 (one reciprocal, then products in the
// tap precision). The delay line holds the partial sums of the transposed
// direct form II, d[0..N-1] (two per section).
//
// Filtering: double-precision taps run the per-sample recursion (two samples
// per step for orders from 2 up). Single-precision taps cut a block into
// chunks of at most 1024 samples and run the four-outputs-per-step block
// schemes of filter/iir.simd.cpp, falling back to the per-sample recursion
// for chunks no longer than four times the order (or section count).
// Integer data are converted exactly to the tap precision; outputs are
// multiplied by 2^-scaleFactor, rounded to nearest (ties to even) and
// saturated, while the delay line keeps the unsaturated values.
//
// Checks, in order: size query pBufferSize (-8), order < 0 or numBq < 1
// (-25); initialisers pTaps, ppState, pBuffer (-8), order (-25), memory (-9),
// then the normalisation (-10 on a zero or NaN a0, or a zero b0 in a cascade;
// the state is built all the same); every other function nulls (-8), length
// (-6), then the identifier (-17).
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#include "filter/iir.h"
#include "frame/check.h"
#include "frame/dispatch.h"
#include "frame/memory.h"

namespace zors {

ZORS_ISA_TABLE(iir::IirKernels, iir_kernels)

ZORS_LEVEL_BEGIN
namespace iirk {

using iir::Record;

template <class P> inline constexpr bool kCx = std::is_same_v<P, Zor32fc> || std::is_same_v<P, Zor64fc>;
template <class P> inline constexpr bool kSingle = std::is_same_v<P, float> || std::is_same_v<P, Zor32fc>;
template <class P> using part = std::conditional_t<kSingle<P>, float, double>;
// The double-precision counterpart used to build the tables.
template <class P> using wide = std::conditional_t<kCx<P>, Zor64fc, double>;

// A state type: tap element P, data element D, kind of its arbitrary-order
// form (the biquad form is the next kind).
template <class P_, class D_, int Arb>
struct Ty {
    using P = P_;
    using D = D_;
    static constexpr int arb = Arb;
    static constexpr bool integer = !std::is_floating_point_v<part_t<D>>;
};

inline bool is_kind(const void* s, int kind) { return object_id(s) == kind_word(iir::kTag, kind); }
inline bool of_type(const void* s, int arb) { return is_kind(s, arb) || is_kind(s, arb + 1); }

template <class T>
inline std::uint64_t state_size(bool bq, int n) {
    using P = typename T::P;
    return iir::documented_size(!kSingle<P>, kCx<P>, T::integer ? 2 : 1, bq, n);
}

// ---------------------------------------------------------------------------
// Element helpers.

template <class P> inline bool zero_or_nan(P v) {
    if constexpr (kCx<P>) return (v.re == 0 && v.im == 0) || v.re != v.re || v.im != v.im;
    else return v == 0 || v != v;
}
template <class P> inline bool is_zero(P v) {
    if constexpr (kCx<P>) return v.re == 0 && v.im == 0;
    else return v == 0;
}
template <class P> inline P reciprocal(P v) {
    if constexpr (kCx<P>) {
        const part<P> m = v.re * v.re + v.im * v.im;
        return P{v.re / m, -v.im / m};
    } else {
        return P(1) / v;
    }
}
template <class P> inline wide<P> widen(P v) {
    if constexpr (kCx<P>) return wide<P>{v.re, v.im};
    else return v;
}
template <class P> inline P narrow(wide<P> v) {
    if constexpr (kCx<P>) return P{static_cast<part<P>>(v.re), static_cast<part<P>>(v.im)};
    else return static_cast<P>(v);
}
template <class P> inline P one() {
    if constexpr (kCx<P>) return P{1, 0};
    else return P(1);
}

// Data to taps precision (exact for every pairing but 64f data, which no
// single-precision state takes).
template <class P, class D> inline P to_tap(D v) {
    if constexpr (kCx<P>) return P{static_cast<part<P>>(v.re), static_cast<part<P>>(v.im)};
    else return static_cast<P>(v);
}

// One part of an output: floating data rounded to their precision, integers
// scaled, rounded to nearest even and saturated (NaN gives 0).
template <class D, class R> inline D out_part(R v, R scale) {
    if constexpr (std::is_floating_point_v<D>) {
        (void)scale;
        return static_cast<D>(v);
    } else {
        const R r = std::nearbyint(v * scale);
        if (r != r) return D{0};
        if (r >= static_cast<R>(std::numeric_limits<D>::max())) return std::numeric_limits<D>::max();
        if (r <= static_cast<R>(std::numeric_limits<D>::min())) return std::numeric_limits<D>::min();
        return static_cast<D>(r);
    }
}
template <class D, class P> inline D from_tap(P y, part<P> scale) {
    if constexpr (is_complex_v<D>) {
        D r;
        r.re = out_part<part_t<D>>(y.re, scale);
        r.im = out_part<part_t<D>>(y.im, scale);
        return r;
    } else {
        return out_part<D>(y, scale);
    }
}

// 2^-sf in the tap precision (factors beyond the exponent range give 0 or
// infinity).
template <class P> inline part<P> scale_of(int sf) {
    const int e = sf < -2000 ? 2000 : (sf > 2000 ? -2000 : -sf);
    return std::ldexp(part<P>(1), e);
}

// ---------------------------------------------------------------------------
// Normalisation and the single-precision tables.

// The weights of previous outputs in four consecutive outputs and the first
// responses of 1/A(z), a[1..n] the normalised feedback taps.
template <class P>
void recursion_table(const P* a, int n, P* br) {
    using W = wide<P>;
    auto A = [&](int m) { return m <= n ? widen(a[m]) : W{}; };
    W h[4] = {one<W>(), W{}, W{}, W{}};
    for (int j = 1; j < 4; ++j)
        for (int i = 1; i <= j && i <= n; ++i) h[j] = h[j] - A(i) * h[j - i];
    const W m[12] = {W{}, h[1], h[2], h[3], W{}, W{}, h[1], h[2], W{}, W{}, W{}, h[1]};
    for (int i = 0; i < 12; ++i) br[i] = narrow<P>(m[i]);
    for (int k = 1; k <= n; ++k) {
        W c[4];
        for (int j = 0; j < 4; ++j) {
            c[j] = -A(j + k);
            for (int i = 1; i <= j; ++i) c[j] = c[j] - A(i) * c[j - i];
        }
        for (int j = 0; j < 4; ++j) br[12 + 4 * (k - 1) + j] = narrow<P>(c[j]);
    }
}

template <class P>
void rebuild_tables(Record* r) {
    const P* t = piece<P>(r, r->taps);
    P* ff = piece<P>(r, r->ff);
    P* br = piece<P>(r, r->br);
    if (r->num_bq == 0) {
        const int N = r->dly_len;
        for (int k = 0; k <= N; ++k)
            for (int j = 0; j < 4; ++j) ff[4 * k + j] = t[k];
        recursion_table(t + N, N, br);
        return;
    }
    for (int s = 0; s < r->num_bq; ++s) {
        const P* q = t + 5 * s;
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 4; ++j) ff[12 * s + 4 * k + j] = q[k];
        const P a[3] = {P{}, q[3], q[4]};
        P tab[20];
        recursion_table(a, 2, tab);
        std::memcpy(br + 20 * s, tab, sizeof tab);
    }
}

template <class P>
ZorStatus set_taps(Record* r, const P* src) {
    P* t = piece<P>(r, r->taps);
    ZorStatus st = zorStsNoErr;
    if (r->num_bq == 0) {
        const int N = r->dly_len;
        if (zero_or_nan(src[N + 1])) return zorStsDivByZeroErr;
        const P rc = reciprocal(src[N + 1]);
        for (int k = 0; k <= N; ++k) t[k] = src[k] * rc;
        for (int k = 1; k <= N; ++k) t[N + k] = src[N + 1 + k] * rc;
    } else {
        for (int s = 0; s < r->num_bq; ++s) {
            const P* q = src + 6 * s;
            if (zero_or_nan(q[3]) || is_zero(q[0])) {
                st = zorStsDivByZeroErr;
                break;
            }
            const P rc = reciprocal(q[3]);
            P* o = t + 5 * s;
            o[0] = q[0] * rc;
            o[1] = q[1] * rc;
            o[2] = q[2] * rc;
            o[3] = q[4] * rc;
            o[4] = q[5] * rc;
        }
    }
    if constexpr (kSingle<P>) rebuild_tables<P>(r);
    return st;
}

template <class P>
void set_dly(Record* r, const P* src) {
    P* d = piece<P>(r, r->dly);
    const std::size_t bytes = sizeof(P) * static_cast<std::size_t>(r->dly_len);
    if (src != nullptr) std::memcpy(d, src, bytes);
    else std::memset(d, 0, bytes);
}

// ---------------------------------------------------------------------------
// Life cycle.

template <class T>
ZorStatus get_size(bool bq, int n, int* pSize) {
    ZORS_CHECK(nonnull(pSize), require(n >= (bq ? 1 : 0), zorStsIIROrderErr));
    const int size = size_or_fail(state_size<T>(bq, n));
    ZORS_CHECK(require(size > 0, zorStsIIROrderErr));
    *pSize = size;
    return zorStsNoErr;
}

// Builds the state in `mem` (zeroed, of the state size less the slack).
template <class T>
ZorStatus build(std::uint8_t* mem, bool bq, int n, const typename T::P* taps, const typename T::P* dly,
                bool allocated, void** pp) {
    using P = typename T::P;
    const iir::Pieces pc = iir::layout(sizeof(P), kSingle<P>, T::integer, bq, n);
    auto* r = reinterpret_cast<Record*>(mem);
    r->id = kind_word(iir::kTag, bq ? T::arb + 1 : T::arb);
    r->taps = pc.taps;
    r->dly = pc.dly;
    r->dly_len = bq ? 2 * n : n;
    r->ff = pc.ff;
    r->br = pc.br;
    r->num_bq = bq ? n : 0;
    r->work = pc.work;
    r->conv = pc.conv;
    r->allocated = allocated ? 1u : 0u;
    set_dly<P>(r, dly);
    *pp = r;
    return set_taps<P>(r, taps);
}

template <class T, class S>
ZorStatus init(S** pp, const typename T::P* taps, int n, bool bq, const typename T::P* dly, Zor8u* buf) {
    ZORS_CHECK(nonnull(taps, pp, buf), require(n >= (bq ? 1 : 0), zorStsIIROrderErr));
    const std::uint64_t size = state_size<T>(bq, n);
    ZORS_CHECK(require(size_or_fail(size) > 0, zorStsIIROrderErr));
    void* s = nullptr;
    const ZorStatus st = build<T>(state_memory(buf, size - 16), bq, n, taps, dly, false, &s);
    *pp = static_cast<S*>(s);
    return st;
}

template <class T, class S>
ZorStatus init_alloc(S** pp, const typename T::P* taps, int n, bool bq, const typename T::P* dly) {
    ZORS_CHECK(nonnull(taps, pp), require(n >= (bq ? 1 : 0), zorStsIIROrderErr));
    std::uint8_t* mem = state_memory(nullptr, state_size<T>(bq, n));
    ZORS_CHECK(require(mem != nullptr, zorStsMemAllocErr));
    void* s = nullptr;
    const ZorStatus st = build<T>(mem, bq, n, taps, dly, true, &s);
    *pp = static_cast<S*>(s);
    return st;
}

// Integer taps v stand for v * 2^-tapsFactor: converted once to single
// precision into a temporary copy, then the single-precision initialiser.
template <class I, class P, class Fn>
ZorStatus with_float_taps(const I* taps, std::uint64_t count, int tapsFactor, Fn fn) {
    const std::uint64_t scalars = count * (kCx<P> ? 2 : 1);
    auto* tmp = static_cast<float*>(aligned_alloc_bytes(scalars * sizeof(float)));
    ZORS_CHECK(require(tmp != nullptr, zorStsMemAllocErr));
    zorsConvert_32s32f_Sfs(reinterpret_cast<const Zor32s*>(taps), tmp, static_cast<int>(scalars), tapsFactor);
    const ZorStatus st = fn(reinterpret_cast<const P*>(tmp));
    aligned_free(tmp);
    return st;
}

template <class T, class S, class I>
ZorStatus init_int(S** pp, const I* taps, int n, bool bq, int tapsFactor, const typename T::P* dly, Zor8u* buf,
                   bool alloc) {
    using P = typename T::P;
    ZORS_CHECK(nonnull(taps, pp), require(alloc || buf != nullptr, zorStsNullPtrErr),
               require(n >= (bq ? 1 : 0), zorStsIIROrderErr),
               require(size_or_fail(state_size<T>(bq, n)) > 0, zorStsIIROrderErr));
    const std::uint64_t count = bq ? 6 * static_cast<std::uint64_t>(n) : 2 * static_cast<std::uint64_t>(n) + 2;
    return with_float_taps<I, P>(taps, count, tapsFactor, [&](const P* ft) {
        return alloc ? init_alloc<T>(pp, ft, n, bq, dly) : init<T>(pp, ft, n, bq, dly, buf);
    });
}

template <class T, class S>
ZorStatus set_taps_checked(const typename T::P* taps, S* s, int extra_arb = 0) {
    ZORS_CHECK(nonnull(s, taps));
    ZORS_CHECK(require(of_type(s, T::arb) || (extra_arb != 0 && of_type(s, extra_arb)), zorStsContextMatchErr));
    return set_taps<typename T::P>(reinterpret_cast<Record*>(s), taps);
}

template <class T, class S, class I>
ZorStatus set_taps_int(const I* taps, S* s, int tapsFactor, int extra_arb) {
    using P = typename T::P;
    ZORS_CHECK(nonnull(s, taps));
    // The identifier comes before any other field is read: the sizes of the
    // temporary copy are the state's own, and an object of another kind may
    // be smaller than a state.
    ZORS_CHECK(require(of_type(s, T::arb) || (extra_arb != 0 && of_type(s, extra_arb)), zorStsContextMatchErr));
    const auto* r = reinterpret_cast<const Record*>(s);
    const std::uint64_t L = static_cast<std::uint32_t>(r->dly_len), B = static_cast<std::uint32_t>(r->num_bq);
    const std::uint64_t count = 2 * L + 2 > 6 * B ? 2 * L + 2 : 6 * B;
    const std::uint64_t scalars = count * (kCx<P> ? 2 : 1);
    auto* tmp = static_cast<float*>(aligned_alloc_bytes(scalars * sizeof(float)));
    ZORS_CHECK(require(tmp != nullptr, zorStsMemAllocErr));
    const std::uint64_t used = r->num_bq ? 6 * B : 2 * L + 2;
    zorsConvert_32s32f_Sfs(reinterpret_cast<const Zor32s*>(taps), tmp, static_cast<int>(used * (kCx<P> ? 2 : 1)),
                           tapsFactor);
    const ZorStatus st = set_taps<P>(reinterpret_cast<Record*>(s), reinterpret_cast<const P*>(tmp));
    aligned_free(tmp);
    return st;
}

template <class T, class S>
ZorStatus get_dly(const S* s, typename T::P* out) {
    ZORS_CHECK(nonnull(s, out));
    ZORS_CHECK(require(of_type(s, T::arb), zorStsContextMatchErr));
    const auto* r = reinterpret_cast<const Record*>(s);
    std::memcpy(out, piece<typename T::P>(r, r->dly), sizeof(typename T::P) * static_cast<std::size_t>(r->dly_len));
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus put_dly(S* s, const typename T::P* in) {
    ZORS_CHECK(nonnull(s));
    ZORS_CHECK(require(of_type(s, T::arb), zorStsContextMatchErr));
    set_dly<typename T::P>(reinterpret_cast<Record*>(s), in);
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus release(S* s) {
    ZORS_CHECK(nonnull(s));
    ZORS_CHECK(require(of_type(s, T::arb), zorStsContextMatchErr));
    auto* r = reinterpret_cast<Record*>(s);
    if (r->allocated == 1) {
        r->id = 0;
        aligned_free(r);
    }
    return zorStsNoErr;
}

// ---------------------------------------------------------------------------
// Filtering.

// Double-precision taps, arbitrary order: two samples per step from order 2.
template <class P, class D>
void arb_block_double(const P* t, P* d, int N, const D* src, D* dst, int len, part<P> sc) {
    int i = 0;
    if (N >= 2) {
        const P* a = t + N;
        for (; i + 1 < len; i += 2) {
            const P x0 = to_tap<P>(src[i]), x1 = to_tap<P>(src[i + 1]);
            const P y0 = t[0] * x0 + d[0];
            const P y1 = t[0] * x1 + ((t[1] * x0 + d[1]) - a[1] * y0);
            const P n0 = -y0, n1 = -y1;
            for (int k = 0; k + 2 < N; ++k) d[k] = (t[k + 1] * x1 + a[k + 1] * n1) + ((t[k + 2] * x0 + a[k + 2] * n0) + d[k + 2]);
            d[N - 2] = (t[N - 1] * x1 + a[N - 1] * n1) + (t[N] * x0 - a[N] * y0);
            d[N - 1] = t[N] * x1 - a[N] * y1;
            dst[i] = from_tap<D>(y0, sc);
            dst[i + 1] = from_tap<D>(y1, sc);
        }
    }
    for (; i < len; ++i) dst[i] = from_tap<D>(arb_step(t, d, N, to_tap<P>(src[i])), sc);
}

template <class P>
const iir::ChunkFn<P>& chunk_fn(bool bq) {
    const iir::IirKernels& k = iir_kernels();
    if constexpr (kCx<P>) return bq ? k.bq_c : k.arb_c;
    else return bq ? k.bq_r : k.arb_r;
}

template <class T>
void run(Record* r, const typename T::D* src, typename T::D* dst, int len, int sf) {
    using P = typename T::P;
    using D = typename T::D;
    const part<P> sc = scale_of<P>(sf);
    P* t = piece<P>(r, r->taps);
    P* d = piece<P>(r, r->dly);
    const bool bq = r->num_bq > 0;
    if constexpr (kSingle<P>) {
        const iir::ChunkArgs<P> A{t, d, piece<P>(r, r->ff), piece<P>(r, r->br), piece<P>(r, r->work),
                                  bq ? r->num_bq : r->dly_len};
        const iir::ChunkFn<P> fn = chunk_fn<P>(bq);
        for (int off = 0; off < len; off += iir::kChunk) {
            const int L = len - off < iir::kChunk ? len - off : iir::kChunk;
            if constexpr (std::is_same_v<D, P>) {
                fn(A, src + off, dst + off, L);
            } else {
                P* c = piece<P>(r, r->conv);
                for (int i = 0; i < L; ++i) c[i] = to_tap<P>(src[off + i]);
                fn(A, c, c, L);
                for (int i = 0; i < L; ++i) dst[off + i] = from_tap<D>(c[i], sc);
            }
        }
    } else if (bq) {
        for (int i = 0; i < len; ++i) dst[i] = from_tap<D>(cascade_step(t, d, r->num_bq, to_tap<P>(src[i])), sc);
    } else {
        arb_block_double(t, d, r->dly_len, src, dst, len, sc);
    }
}

template <class T, class S>
ZorStatus filter(const typename T::D* src, typename T::D* dst, int len, S* s, int sf = 0) {
    ZORS_CHECK(nonnull(s, src, dst), positive(len));
    ZORS_CHECK(require(of_type(s, T::arb), zorStsContextMatchErr));
    run<T>(reinterpret_cast<Record*>(s), src, dst, len, sf);
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus filter_one(typename T::D src, typename T::D* dst, S* s, int sf = 0) {
    ZORS_CHECK(nonnull(s, dst));
    ZORS_CHECK(require(of_type(s, T::arb), zorStsContextMatchErr));
    using P = typename T::P;
    auto* r = reinterpret_cast<Record*>(s);
    P* t = piece<P>(r, r->taps);
    P* d = piece<P>(r, r->dly);
    const P x = to_tap<P>(src);
    const P y = r->num_bq > 0 ? cascade_step(t, d, r->num_bq, x) : arb_step(t, d, r->dly_len, x);
    *dst = from_tap<typename T::D>(y, scale_of<P>(sf));
    return zorStsNoErr;
}

// The fourteen types.
using T32f = Ty<float, Zor32f, 1>;
using T32fc = Ty<Zor32fc, Zor32fc, 3>;
using T32f16s = Ty<float, Zor16s, 5>;
using T32fc16sc = Ty<Zor32fc, Zor16sc, 7>;
using T32s16s = Ty<float, Zor16s, 9>;
using T32sc16sc = Ty<Zor32fc, Zor16sc, 11>;
using T64f = Ty<double, Zor64f, 13>;
using T64fc = Ty<Zor64fc, Zor64fc, 15>;
using T64f32f = Ty<double, Zor32f, 17>;
using T64fc32fc = Ty<Zor64fc, Zor32fc, 19>;
using T64f32s = Ty<double, Zor32s, 21>;
using T64fc32sc = Ty<Zor64fc, Zor32sc, 23>;
using T64f16s = Ty<double, Zor16s, 25>;
using T64fc16sc = Ty<Zor64fc, Zor16sc, 27>;

}  // namespace iirk
ZORS_LEVEL_END

// Internal: the state builder for the stateless integer block filters.
ZorStatus iir_init_32f16s(ZorsIIRState32f_16s** pp, const Zor32f* taps, int n, bool bq, const Zor32f* dly) {
    return iirk::init_alloc<iirk::T32f16s>(pp, taps, n, bq, dly);
}

}  // namespace zors

using namespace zors::iirk;

ZorStatus zorsIIRGetStateSize_32f(int order, int* pBufferSize) { return get_size<T32f>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize_BiQuad_32f(int numBq, int* pBufferSize) { return get_size<T32f>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize_32fc(int order, int* pBufferSize) { return get_size<T32fc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize_BiQuad_32fc(int numBq, int* pBufferSize) { return get_size<T32fc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize32f_16s(int order, int* pBufferSize) { return get_size<T32f16s>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize32f_BiQuad_16s(int numBq, int* pBufferSize) { return get_size<T32f16s>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize32fc_16sc(int order, int* pBufferSize) { return get_size<T32fc16sc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize32fc_BiQuad_16sc(int numBq, int* pBufferSize) { return get_size<T32fc16sc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize32s_16s(int order, int* pBufferSize) { return get_size<T32s16s>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize32s_16s32f(int order, int* pBufferSize) { return get_size<T32s16s>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize32s_BiQuad_16s(int numBq, int* pBufferSize) { return get_size<T32s16s>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize32s_BiQuad_16s32f(int numBq, int* pBufferSize) { return get_size<T32s16s>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize32sc_16sc(int order, int* pBufferSize) { return get_size<T32sc16sc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize32sc_16sc32fc(int order, int* pBufferSize) { return get_size<T32sc16sc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize32sc_BiQuad_16sc(int numBq, int* pBufferSize) { return get_size<T32sc16sc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize32sc_BiQuad_16sc32fc(int numBq, int* pBufferSize) { return get_size<T32sc16sc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize_64f(int order, int* pBufferSize) { return get_size<T64f>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize_BiQuad_64f(int numBq, int* pBufferSize) { return get_size<T64f>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize_64fc(int order, int* pBufferSize) { return get_size<T64fc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize_BiQuad_64fc(int numBq, int* pBufferSize) { return get_size<T64fc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize64f_32f(int order, int* pBufferSize) { return get_size<T64f32f>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize64f_BiQuad_32f(int numBq, int* pBufferSize) { return get_size<T64f32f>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize64fc_32fc(int order, int* pBufferSize) { return get_size<T64fc32fc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize64fc_BiQuad_32fc(int numBq, int* pBufferSize) { return get_size<T64fc32fc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize64f_32s(int order, int* pBufferSize) { return get_size<T64f32s>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize64f_BiQuad_32s(int numBq, int* pBufferSize) { return get_size<T64f32s>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize64fc_32sc(int order, int* pBufferSize) { return get_size<T64fc32sc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize64fc_BiQuad_32sc(int numBq, int* pBufferSize) { return get_size<T64fc32sc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize64f_16s(int order, int* pBufferSize) { return get_size<T64f16s>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize64f_BiQuad_16s(int numBq, int* pBufferSize) { return get_size<T64f16s>(true, numBq, pBufferSize); }
ZorStatus zorsIIRGetStateSize64fc_16sc(int order, int* pBufferSize) { return get_size<T64fc16sc>(false, order, pBufferSize); }
ZorStatus zorsIIRGetStateSize64fc_BiQuad_16sc(int numBq, int* pBufferSize) { return get_size<T64fc16sc>(true, numBq, pBufferSize); }
ZorStatus zorsIIRInitAlloc_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine) { return init_alloc<T32f>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc_BiQuad_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine) { return init_alloc<T32f>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine) { return init_alloc<T32fc>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc_BiQuad_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine) { return init_alloc<T32fc>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc32f_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine) { return init_alloc<T32f16s>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc32f_BiQuad_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine) { return init_alloc<T32f16s>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc32fc_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine) { return init_alloc<T32fc16sc>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc32fc_BiQuad_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine) { return init_alloc<T32fc16sc>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc32s_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int order, int tapsFactor, const Zor32f* pDlyLine) { return init_int<T32s16s>(ppState, pTaps, order, false, tapsFactor, pDlyLine, nullptr, true); }
ZorStatus zorsIIRInitAlloc32s_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine) { return init_alloc<T32s16s>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc32s_BiQuad_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int numBq, int tapsFactor, const Zor32f* pDlyLine) { return init_int<T32s16s>(ppState, pTaps, numBq, true, tapsFactor, pDlyLine, nullptr, true); }
ZorStatus zorsIIRInitAlloc32s_BiQuad_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine) { return init_alloc<T32s16s>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc32sc_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int order, int tapsFactor, const Zor32fc* pDlyLine) { return init_int<T32sc16sc>(ppState, pTaps, order, false, tapsFactor, pDlyLine, nullptr, true); }
ZorStatus zorsIIRInitAlloc32sc_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine) { return init_alloc<T32sc16sc>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc32sc_BiQuad_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int numBq, int tapsFactor, const Zor32fc* pDlyLine) { return init_int<T32sc16sc>(ppState, pTaps, numBq, true, tapsFactor, pDlyLine, nullptr, true); }
ZorStatus zorsIIRInitAlloc32sc_BiQuad_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine) { return init_alloc<T32sc16sc>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine) { return init_alloc<T64f>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc_BiQuad_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine) { return init_alloc<T64f>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine) { return init_alloc<T64fc>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc_BiQuad_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine) { return init_alloc<T64fc>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc64f_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine) { return init_alloc<T64f32f>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc64f_BiQuad_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine) { return init_alloc<T64f32f>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc64fc_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine) { return init_alloc<T64fc32fc>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc64fc_BiQuad_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine) { return init_alloc<T64fc32fc>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc64f_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine) { return init_alloc<T64f32s>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc64f_BiQuad_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine) { return init_alloc<T64f32s>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc64fc_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine) { return init_alloc<T64fc32sc>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc64fc_BiQuad_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine) { return init_alloc<T64fc32sc>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc64f_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine) { return init_alloc<T64f16s>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc64f_BiQuad_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine) { return init_alloc<T64f16s>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInitAlloc64fc_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine) { return init_alloc<T64fc16sc>(ppState, pTaps, order, false, pDlyLine); }
ZorStatus zorsIIRInitAlloc64fc_BiQuad_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine) { return init_alloc<T64fc16sc>(ppState, pTaps, numBq, true, pDlyLine); }
ZorStatus zorsIIRInit_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init<T32f>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit_BiQuad_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init<T32f>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init<T32fc>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit_BiQuad_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init<T32fc>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32f_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init<T32f16s>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32f_BiQuad_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init<T32f16s>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32fc_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init<T32fc16sc>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32fc_BiQuad_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init<T32fc16sc>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32s_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int order, int tapsFactor, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init_int<T32s16s>(ppState, pTaps, order, false, tapsFactor, pDlyLine, pBuffer, false); }
ZorStatus zorsIIRInit32s_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init<T32s16s>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32s_BiQuad_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int numBq, int tapsFactor, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init_int<T32s16s>(ppState, pTaps, numBq, true, tapsFactor, pDlyLine, pBuffer, false); }
ZorStatus zorsIIRInit32s_BiQuad_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine, Zor8u* pBuffer) { return init<T32s16s>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32sc_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int order, int tapsFactor, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init_int<T32sc16sc>(ppState, pTaps, order, false, tapsFactor, pDlyLine, pBuffer, false); }
ZorStatus zorsIIRInit32sc_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init<T32sc16sc>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit32sc_BiQuad_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int numBq, int tapsFactor, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init_int<T32sc16sc>(ppState, pTaps, numBq, true, tapsFactor, pDlyLine, pBuffer, false); }
ZorStatus zorsIIRInit32sc_BiQuad_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine, Zor8u* pBuffer) { return init<T32sc16sc>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit_BiQuad_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit_BiQuad_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64f_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f32f>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64f_BiQuad_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f32f>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64fc_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc32fc>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64fc_BiQuad_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc32fc>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64f_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f32s>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64f_BiQuad_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f32s>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64fc_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc32sc>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64fc_BiQuad_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc32sc>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64f_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f16s>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64f_BiQuad_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer) { return init<T64f16s>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64fc_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc16sc>(ppState, pTaps, order, false, pDlyLine, pBuffer); }
ZorStatus zorsIIRInit64fc_BiQuad_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer) { return init<T64fc16sc>(ppState, pTaps, numBq, true, pDlyLine, pBuffer); }
ZorStatus zorsIIRSetTaps_32f(const Zor32f* pTaps, ZorsIIRState_32f* pState) { return set_taps_checked<T32f>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps_32fc(const Zor32fc* pTaps, ZorsIIRState_32fc* pState) { return set_taps_checked<T32fc>(pTaps, pState, 11); }
ZorStatus zorsIIRSetTaps32f_16s(const Zor32f* pTaps, ZorsIIRState32f_16s* pState) { return set_taps_checked<T32f16s>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps32fc_16sc(const Zor32fc* pTaps, ZorsIIRState32fc_16sc* pState) { return set_taps_checked<T32fc16sc>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps32s_16s(const Zor32s* pTaps, ZorsIIRState32s_16s* pState, int tapsFactor) { return set_taps_int<T32s16s>(pTaps, pState, tapsFactor, 0); }
ZorStatus zorsIIRSetTaps32s_16s32f(const Zor32f* pTaps, ZorsIIRState32s_16s* pState) { return set_taps_checked<T32s16s>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps32sc_16sc(const Zor32sc* pTaps, ZorsIIRState32sc_16sc* pState, int tapsFactor) { return set_taps_int<T32sc16sc>(pTaps, pState, tapsFactor, 3); }
ZorStatus zorsIIRSetTaps32sc_16sc32fc(const Zor32fc* pTaps, ZorsIIRState32sc_16sc* pState) { return set_taps_checked<T32sc16sc>(pTaps, pState, 3); }
ZorStatus zorsIIRSetTaps_64f(const Zor64f* pTaps, ZorsIIRState_64f* pState) { return set_taps_checked<T64f>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps_64fc(const Zor64fc* pTaps, ZorsIIRState_64fc* pState) { return set_taps_checked<T64fc>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps64f_32f(const Zor64f* pTaps, ZorsIIRState64f_32f* pState) { return set_taps_checked<T64f32f>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps64fc_32fc(const Zor64fc* pTaps, ZorsIIRState64fc_32fc* pState) { return set_taps_checked<T64fc32fc>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps64f_32s(const Zor64f* pTaps, ZorsIIRState64f_32s* pState) { return set_taps_checked<T64f32s>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps64fc_32sc(const Zor64fc* pTaps, ZorsIIRState64fc_32sc* pState) { return set_taps_checked<T64fc32sc>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps64f_16s(const Zor64f* pTaps, ZorsIIRState64f_16s* pState) { return set_taps_checked<T64f16s>(pTaps, pState, 0); }
ZorStatus zorsIIRSetTaps64fc_16sc(const Zor64fc* pTaps, ZorsIIRState64fc_16sc* pState) { return set_taps_checked<T64fc16sc>(pTaps, pState, 0); }
ZorStatus zorsIIRGetDlyLine_32f(const ZorsIIRState_32f* pState, Zor32f* pDlyLine) { return get_dly<T32f>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine_32fc(const ZorsIIRState_32fc* pState, Zor32fc* pDlyLine) { return get_dly<T32fc>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine32f_16s(const ZorsIIRState32f_16s* pState, Zor32f* pDlyLine) { return get_dly<T32f16s>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine32fc_16sc(const ZorsIIRState32fc_16sc* pState, Zor32fc* pDlyLine) { return get_dly<T32fc16sc>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine32s_16s(const ZorsIIRState32s_16s* pState, Zor32f* pDlyLine) { return get_dly<T32s16s>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine32sc_16sc(const ZorsIIRState32sc_16sc* pState, Zor32fc* pDlyLine) { return get_dly<T32sc16sc>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine_64f(const ZorsIIRState_64f* pState, Zor64f* pDlyLine) { return get_dly<T64f>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine_64fc(const ZorsIIRState_64fc* pState, Zor64fc* pDlyLine) { return get_dly<T64fc>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine64f_32f(const ZorsIIRState64f_32f* pState, Zor64f* pDlyLine) { return get_dly<T64f32f>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine64fc_32fc(const ZorsIIRState64fc_32fc* pState, Zor64fc* pDlyLine) { return get_dly<T64fc32fc>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine64f_32s(const ZorsIIRState64f_32s* pState, Zor64f* pDlyLine) { return get_dly<T64f32s>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine64fc_32sc(const ZorsIIRState64fc_32sc* pState, Zor64fc* pDlyLine) { return get_dly<T64fc32sc>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine64f_16s(const ZorsIIRState64f_16s* pState, Zor64f* pDlyLine) { return get_dly<T64f16s>(pState, pDlyLine); }
ZorStatus zorsIIRGetDlyLine64fc_16sc(const ZorsIIRState64fc_16sc* pState, Zor64fc* pDlyLine) { return get_dly<T64fc16sc>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine_32f(ZorsIIRState_32f* pState, const Zor32f* pDlyLine) { return put_dly<T32f>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine_32fc(ZorsIIRState_32fc* pState, const Zor32fc* pDlyLine) { return put_dly<T32fc>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine32f_16s(ZorsIIRState32f_16s* pState, const Zor32f* pDlyLine) { return put_dly<T32f16s>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine32fc_16sc(ZorsIIRState32fc_16sc* pState, const Zor32fc* pDlyLine) { return put_dly<T32fc16sc>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine32s_16s(ZorsIIRState32s_16s* pState, const Zor32f* pDlyLine) { return put_dly<T32s16s>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine32sc_16sc(ZorsIIRState32sc_16sc* pState, const Zor32fc* pDlyLine) { return put_dly<T32sc16sc>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine_64f(ZorsIIRState_64f* pState, const Zor64f* pDlyLine) { return put_dly<T64f>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine_64fc(ZorsIIRState_64fc* pState, const Zor64fc* pDlyLine) { return put_dly<T64fc>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine64f_32f(ZorsIIRState64f_32f* pState, const Zor64f* pDlyLine) { return put_dly<T64f32f>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine64fc_32fc(ZorsIIRState64fc_32fc* pState, const Zor64fc* pDlyLine) { return put_dly<T64fc32fc>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine64f_32s(ZorsIIRState64f_32s* pState, const Zor64f* pDlyLine) { return put_dly<T64f32s>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine64fc_32sc(ZorsIIRState64fc_32sc* pState, const Zor64fc* pDlyLine) { return put_dly<T64fc32sc>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine64f_16s(ZorsIIRState64f_16s* pState, const Zor64f* pDlyLine) { return put_dly<T64f16s>(pState, pDlyLine); }
ZorStatus zorsIIRSetDlyLine64fc_16sc(ZorsIIRState64fc_16sc* pState, const Zor64fc* pDlyLine) { return put_dly<T64fc16sc>(pState, pDlyLine); }
ZorStatus zorsIIR_32f(const Zor32f* pSrc, Zor32f* pDst, int len, ZorsIIRState_32f* pState) { return filter<T32f>(pSrc, pDst, len, pState); }
ZorStatus zorsIIR_32f_I(Zor32f* pSrcDst, int len, ZorsIIRState_32f* pState) { return filter<T32f>(pSrcDst, pSrcDst, len, pState); }
ZorStatus zorsIIR_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, ZorsIIRState_32fc* pState) { return filter<T32fc>(pSrc, pDst, len, pState); }
ZorStatus zorsIIR_32fc_I(Zor32fc* pSrcDst, int len, ZorsIIRState_32fc* pState) { return filter<T32fc>(pSrcDst, pSrcDst, len, pState); }
ZorStatus zorsIIR32f_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorsIIRState32f_16s* pState, int scaleFactor) { return filter<T32f16s>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR32f_16s_ISfs(Zor16s* pSrcDst, int len, ZorsIIRState32f_16s* pState, int scaleFactor) { return filter<T32f16s>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIR32fc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, ZorsIIRState32fc_16sc* pState, int scaleFactor) { return filter<T32fc16sc>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR32fc_16sc_ISfs(Zor16sc* pSrcDst, int len, ZorsIIRState32fc_16sc* pState, int scaleFactor) { return filter<T32fc16sc>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIR32s_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorsIIRState32s_16s* pState, int scaleFactor) { return filter<T32s16s>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR32s_16s_ISfs(Zor16s* pSrcDst, int len, ZorsIIRState32s_16s* pState, int scaleFactor) { return filter<T32s16s>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIR32sc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, ZorsIIRState32sc_16sc* pState, int scaleFactor) { return filter<T32sc16sc>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR32sc_16sc_ISfs(Zor16sc* pSrcDst, int len, ZorsIIRState32sc_16sc* pState, int scaleFactor) { return filter<T32sc16sc>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIR_64f(const Zor64f* pSrc, Zor64f* pDst, int len, ZorsIIRState_64f* pState) { return filter<T64f>(pSrc, pDst, len, pState); }
ZorStatus zorsIIR_64f_I(Zor64f* pSrcDst, int len, ZorsIIRState_64f* pState) { return filter<T64f>(pSrcDst, pSrcDst, len, pState); }
ZorStatus zorsIIR_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, ZorsIIRState_64fc* pState) { return filter<T64fc>(pSrc, pDst, len, pState); }
ZorStatus zorsIIR_64fc_I(Zor64fc* pSrcDst, int len, ZorsIIRState_64fc* pState) { return filter<T64fc>(pSrcDst, pSrcDst, len, pState); }
ZorStatus zorsIIR64f_32f(const Zor32f* pSrc, Zor32f* pDst, int len, ZorsIIRState64f_32f* pState) { return filter<T64f32f>(pSrc, pDst, len, pState); }
ZorStatus zorsIIR64f_32f_I(Zor32f* pSrcDst, int len, ZorsIIRState64f_32f* pState) { return filter<T64f32f>(pSrcDst, pSrcDst, len, pState); }
ZorStatus zorsIIR64fc_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, ZorsIIRState64fc_32fc* pState) { return filter<T64fc32fc>(pSrc, pDst, len, pState); }
ZorStatus zorsIIR64fc_32fc_I(Zor32fc* pSrcDst, int len, ZorsIIRState64fc_32fc* pState) { return filter<T64fc32fc>(pSrcDst, pSrcDst, len, pState); }
ZorStatus zorsIIR64f_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, ZorsIIRState64f_32s* pState, int scaleFactor) { return filter<T64f32s>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR64f_32s_ISfs(Zor32s* pSrcDst, int len, ZorsIIRState64f_32s* pState, int scaleFactor) { return filter<T64f32s>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIR64fc_32sc_Sfs(const Zor32sc* pSrc, Zor32sc* pDst, int len, ZorsIIRState64fc_32sc* pState, int scaleFactor) { return filter<T64fc32sc>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR64fc_32sc_ISfs(Zor32sc* pSrcDst, int len, ZorsIIRState64fc_32sc* pState, int scaleFactor) { return filter<T64fc32sc>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIR64f_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorsIIRState64f_16s* pState, int scaleFactor) { return filter<T64f16s>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR64f_16s_ISfs(Zor16s* pSrcDst, int len, ZorsIIRState64f_16s* pState, int scaleFactor) { return filter<T64f16s>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIR64fc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, ZorsIIRState64fc_16sc* pState, int scaleFactor) { return filter<T64fc16sc>(pSrc, pDst, len, pState, scaleFactor); }
ZorStatus zorsIIR64fc_16sc_ISfs(Zor16sc* pSrcDst, int len, ZorsIIRState64fc_16sc* pState, int scaleFactor) { return filter<T64fc16sc>(pSrcDst, pSrcDst, len, pState, scaleFactor); }
ZorStatus zorsIIROne_32f(Zor32f src, Zor32f* pDstVal, ZorsIIRState_32f* pState) { return filter_one<T32f>(src, pDstVal, pState); }
ZorStatus zorsIIROne_32fc(Zor32fc src, Zor32fc* pDstVal, ZorsIIRState_32fc* pState) { return filter_one<T32fc>(src, pDstVal, pState); }
ZorStatus zorsIIROne32f_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsIIRState32f_16s* pState, int scaleFactor) { return filter_one<T32f16s>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIROne32fc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsIIRState32fc_16sc* pState, int scaleFactor) { return filter_one<T32fc16sc>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIROne32s_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsIIRState32s_16s* pState, int scaleFactor) { return filter_one<T32s16s>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIROne32sc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsIIRState32sc_16sc* pState, int scaleFactor) { return filter_one<T32sc16sc>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIROne_64f(Zor64f src, Zor64f* pDstVal, ZorsIIRState_64f* pState) { return filter_one<T64f>(src, pDstVal, pState); }
ZorStatus zorsIIROne_64fc(Zor64fc src, Zor64fc* pDstVal, ZorsIIRState_64fc* pState) { return filter_one<T64fc>(src, pDstVal, pState); }
ZorStatus zorsIIROne64f_32f(Zor32f src, Zor32f* pDstVal, ZorsIIRState64f_32f* pState) { return filter_one<T64f32f>(src, pDstVal, pState); }
ZorStatus zorsIIROne64fc_32fc(Zor32fc src, Zor32fc* pDstVal, ZorsIIRState64fc_32fc* pState) { return filter_one<T64fc32fc>(src, pDstVal, pState); }
ZorStatus zorsIIROne64f_32s_Sfs(Zor32s src, Zor32s* pDstVal, ZorsIIRState64f_32s* pState, int scaleFactor) { return filter_one<T64f32s>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIROne64fc_32sc_Sfs(Zor32sc src, Zor32sc* pDstVal, ZorsIIRState64fc_32sc* pState, int scaleFactor) { return filter_one<T64fc32sc>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIROne64f_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsIIRState64f_16s* pState, int scaleFactor) { return filter_one<T64f16s>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIROne64fc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsIIRState64fc_16sc* pState, int scaleFactor) { return filter_one<T64fc16sc>(src, pDstVal, pState, scaleFactor); }
ZorStatus zorsIIRFree_32f(ZorsIIRState_32f* pState) { return release<T32f>(pState); }
ZorStatus zorsIIRFree_32fc(ZorsIIRState_32fc* pState) { return release<T32fc>(pState); }
ZorStatus zorsIIRFree32f_16s(ZorsIIRState32f_16s* pState) { return release<T32f16s>(pState); }
ZorStatus zorsIIRFree32fc_16sc(ZorsIIRState32fc_16sc* pState) { return release<T32fc16sc>(pState); }
ZorStatus zorsIIRFree32s_16s(ZorsIIRState32s_16s* pState) { return release<T32s16s>(pState); }
ZorStatus zorsIIRFree32sc_16sc(ZorsIIRState32sc_16sc* pState) { return release<T32sc16sc>(pState); }
ZorStatus zorsIIRFree_64f(ZorsIIRState_64f* pState) { return release<T64f>(pState); }
ZorStatus zorsIIRFree_64fc(ZorsIIRState_64fc* pState) { return release<T64fc>(pState); }
ZorStatus zorsIIRFree64f_32f(ZorsIIRState64f_32f* pState) { return release<T64f32f>(pState); }
ZorStatus zorsIIRFree64fc_32fc(ZorsIIRState64fc_32fc* pState) { return release<T64fc32fc>(pState); }
ZorStatus zorsIIRFree64f_32s(ZorsIIRState64f_32s* pState) { return release<T64f32s>(pState); }
ZorStatus zorsIIRFree64fc_32sc(ZorsIIRState64fc_32sc* pState) { return release<T64fc32sc>(pState); }
ZorStatus zorsIIRFree64f_16s(ZorsIIRState64f_16s* pState) { return release<T64f16s>(pState); }
ZorStatus zorsIIRFree64fc_16sc(ZorsIIRState64fc_16sc* pState) { return release<T64fc16sc>(pState); }
