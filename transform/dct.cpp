// DCT: DCTFwdInitAlloc / DCTInvInitAlloc, Free, GetBufSize (32f, 64f, 16s)
// and DCTFwd / DCTInv (32f, 64f, 16s_Sfs): the orthonormal type-II DCT and
// its inverse, the type-III DCT, of any length.
//
// Checks. InitAlloc: ppSpec null (-8), len < 1 (-6), then the object, tables
// and embedded specifications (-9 or their status, everything released).
// Free, GetBufSize: null (-8), identifier (-17). Transforms: pSpec null (-8),
// identifier (-17), pSrc or pDst null (-8), the work buffer (-9).
//
// Algorithms, chosen at creation:
//   len 1, 2, 4, 8             the definition with the constants folded in;
//   powers of two from 16       the recursive split into the sums and the
//     (below 513 any hint,      scaled differences (factors ½/cos(π(2j+1)/2L)),
//     else hints 0 and 1)       down to length 8, outputs recombined by
//                               adding neighbours; its transpose for the inverse;
//   powers of two from 513,     a real FFT of 2·len points of the zero-padded
//     hint 2                    input, weighted by c(k)·e^{-iπk/2len};
//   other lengths above 100     the same through a complex DFT of len points
//                               (Bluestein) and the real split step;
//   other lengths up to 100     the sum over a cosine table.
// c(0) = 1/√len; c(k) = c(0)·√2 with √2 rounded to single precision for the
// single-precision kinds. The 16-bit forms convert to Zor32f, transform with
// an embedded single-precision specification (hint 1) and convert back,
// rounding to nearest with the scale factor.
#include <cmath>
#include <cstring>

#include "frame/check.h"
#include "frame/dispatch.h"
#include "frame/fpenv.h"
#include "frame/memory.h"
#include "frame/scale.h"
#include "transform/dct.h"
#include "transform/dft.h"
#include "transform/fft.h"

namespace zors {

ZORS_ISA_TABLE(DctKernels, dct_kernels)

namespace {

template <class T>
const DctKernelsT<T>& dct_steps() {
    if constexpr (sizeof(T) == 4) return dct_kernels().f32;
    else return dct_kernels().f64;
}

enum DctKind : std::uint32_t { kDctFwd16s = 19, kDctInv16s = 20, kDctFwd32f = 21, kDctInv32f = 22, kDctFwd64f = 23, kDctInv64f = 24 };
enum class DctAlg : std::int32_t { small, fast, fft, bluestein, direct };

template <class T>
struct DctSpec {
    std::uint32_t id;
    std::int32_t len;
    std::int32_t hint;
    std::int32_t buf_size;
    T c0, ck;
    DctAlg alg;
    T* cosines;       // owned: the cosine table of the direct and small lengths
    T* fast;          // owned: ½/cos(π(2j+1)/(2L)) per level L = len .. 16, then the 8-point matrix
    Cx<T>* weights;   // owned: c(k)·(cos, sin)(πk/(2len)), k < len (FFT paths)
    Cx<T>* split;     // owned: e^{-iπk/len}, k < len (Bluestein path)
    void* fft;        // owned: real FFT of 2·len points (kind 6 or 9)
    DftPlan<T> plan;  // Bluestein plan of len points
};

struct DctSpec16 {
    std::uint32_t id;
    std::int32_t len;
    std::int32_t hint;
    std::int32_t buf_size;
    void* fspec;
};

constexpr long double kPi = 3.141592653589793238462643383279502884L;

template <class T>
void release(DctSpec<T>* s) {
    aligned_free(s->cosines);
    aligned_free(s->fast);
    aligned_free(s->weights);
    aligned_free(s->split);
    if (s->fft != nullptr) {
        if constexpr (sizeof(T) == 4) zorsFFTFree_R_32f(static_cast<ZorsFFTSpec_R_32f*>(s->fft));
        else zorsFFTFree_R_64f(static_cast<ZorsFFTSpec_R_64f*>(s->fft));
    }
    dft_plan_free(s->plan);
    aligned_free(s);
}

template <class T> T* alloc_t(std::uint64_t n) { return static_cast<T*>(aligned_alloc_bytes(n * sizeof(T))); }

template <class T>
ZorStatus build(DctSpec<T>* s, int hint) {
    ExtendedPrecision x87;  // the tables are computed in long double
    const std::uint64_t n = static_cast<std::uint64_t>(s->len);
    const bool pow2 = (n & (n - 1)) == 0;
    const std::int64_t eb = static_cast<std::int64_t>(sizeof(T));
    std::int64_t size = 0;
    if (pow2 && n <= 8) {
        s->alg = DctAlg::small;
    } else if (pow2 && (hint != zorAlgHintAccurate || n < 513)) {
        s->alg = DctAlg::fast;
        size = eb * static_cast<std::int64_t>(n) + 16;
    } else if (pow2) {
        s->alg = DctAlg::fft;
    } else if (n > 100) {
        s->alg = DctAlg::bluestein;
    } else {
        s->alg = DctAlg::direct;
        size = eb * static_cast<std::int64_t>(n) + 16;
    }
    if (s->alg == DctAlg::small) {
        // The straight-line lengths (1, 2, 4, 8): row i of an 8 x 8 table
        // holds what term i adds to every output, normalisation included
        // (c(k) in double times the cosine in long double, rounded once);
        // rows and columns past the length are zero.
        const bool inv = s->id % 2 == 0;
        const double c0 = 1.0 / std::sqrt(static_cast<double>(n));
        const double ck = c0 * (sizeof(T) == 4 ? static_cast<double>(1.41421356f) : 1.4142135623730951);
        s->cosines = alloc_t<T>(64);
        if (s->cosines == nullptr) return zorStsMemAllocErr;
        for (std::uint64_t i = 0; i < 8; ++i)
            for (std::uint64_t o = 0; o < 8; ++o) {
                long double c = 0, sn;
                if (i < n && o < n) unit_root(inv ? (2 * o + 1) * i : (2 * i + 1) * o, 4 * n, c, sn);
                const long double k = (inv ? i : o) == 0 ? c0 : ck;
                s->cosines[i * 8 + o] = static_cast<T>(k * c);
            }
    } else if (s->alg == DctAlg::direct) {
        // Row m of the table holds what input or coefficient m multiplies,
        // for every output in order: the forward kinds keep the matrix
        // transposed, the inverse kinds as it stands.
        const bool inv = s->id % 2 == 0;
        s->cosines = alloc_t<T>(n * n);
        if (s->cosines == nullptr) return zorStsMemAllocErr;
        for (std::uint64_t k = 0; k < n; ++k)
            for (std::uint64_t i = 0; i < n; ++i) {
                long double c, sn;
                unit_root((2 * i + 1) * k, 4 * n, c, sn);
                s->cosines[inv ? k * n + i : i * n + k] = static_cast<T>(c);
            }
    } else if (s->alg == DctAlg::fast) {
        s->fast = alloc_t<T>(n + 64);
        if (s->fast == nullptr) return zorStsMemAllocErr;
        T* t = s->fast;
        for (std::uint64_t L = n; L >= 16; L /= 2)
            for (std::uint64_t j = 0; j < L / 2; ++j) {
                long double c, sn;
                unit_root(2 * j + 1, 4 * L, c, sn);
                *t++ = static_cast<T>(0.5L / c);
            }
        for (std::uint64_t k = 0; k < 8; ++k)
            for (std::uint64_t j = 0; j < 8; ++j) {
                long double c, sn;
                unit_root((2 * j + 1) * k, 32, c, sn);
                *t++ = static_cast<T>(c);
            }
    } else {
        // weights c(k)·e^{iπk/(2len)} with the double √2
        s->weights = static_cast<Cx<T>*>(aligned_alloc_bytes(n * sizeof(Cx<T>)));
        if (s->weights == nullptr) return zorStsMemAllocErr;
        const long double c0 = 1.0 / std::sqrt(static_cast<double>(n)), ck = static_cast<double>(c0) * 1.4142135623730951;
        s->weights[0] = {static_cast<T>(c0), T(0)};
        for (std::uint64_t k = 1; k < n; ++k) {
            long double c, sn;
            unit_root(k, 4 * n, c, sn);
            s->weights[k] = {static_cast<T>(ck * c), static_cast<T>(-ck * sn)};
        }
        if (s->alg == DctAlg::fft) {
            int order = 1;
            while ((std::uint64_t{1} << order) < 2 * n) ++order;
            ZorStatus st;
            int fs = 0;
            if constexpr (sizeof(T) == 4) {
                auto** pp = reinterpret_cast<ZorsFFTSpec_R_32f**>(&s->fft);
                st = zorsFFTInitAlloc_R_32f(pp, order, ZOR_FFT_NO_DIV, zorAlgHintNone);
                if (st == zorStsNoErr) zorsFFTGetBufSize_R_32f(*pp, &fs);
            } else {
                auto** pp = reinterpret_cast<ZorsFFTSpec_R_64f**>(&s->fft);
                st = zorsFFTInitAlloc_R_64f(pp, order, ZOR_FFT_NO_DIV, zorAlgHintNone);
                if (st == zorStsNoErr) zorsFFTGetBufSize_R_64f(*pp, &fs);
            }
            if (st != zorStsNoErr) return st;
            size = 2 * eb * static_cast<std::int64_t>(n) + 16 + fs;
        } else {
            const ZorStatus st = dft_plan_init(s->plan, static_cast<int>(n), 0, ZOR_FFT_NO_DIV, zorAlgHintNone, false, 0);
            if (st != zorStsNoErr) return st;
            s->split = static_cast<Cx<T>*>(aligned_alloc_bytes(n * sizeof(Cx<T>)));
            if (s->split == nullptr) return zorStsMemAllocErr;
            for (std::uint64_t k = 0; k < n; ++k) {
                long double c, sn;
                unit_root(k, 2 * n, c, sn);
                s->split[k] = {static_cast<T>(c), static_cast<T>(sn)};
            }
            size = s->plan.work;
        }
    }
    if (size > 0x7fffffff) return zorStsMemAllocErr;
    s->buf_size = static_cast<std::int32_t>(size);
    return zorStsNoErr;
}

template <class T>
ZorStatus init_f(DctSpec<T>** pp, int len, int hint, DctKind id) {
    ZORS_CHECK(nonnull(pp), positive(len));
    auto* s = static_cast<DctSpec<T>*>(aligned_alloc_bytes(sizeof(DctSpec<T>)));
    if (s == nullptr) return zorStsMemAllocErr;
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->id = id;
    s->len = len;
    s->hint = hint;
    const double c0 = 1.0 / std::sqrt(static_cast<double>(len));
    const double sqrt2 = sizeof(T) == 4 ? static_cast<double>(1.41421356f) : 1.4142135623730951;
    s->c0 = static_cast<T>(c0);
    s->ck = static_cast<T>(c0 * sqrt2);
    const ZorStatus st = build(s, hint);
    if (st != zorStsNoErr) {
        release(s);
        return st;
    }
    *pp = s;
    return zorStsNoErr;
}

// ---- transforms ----

// Eight doubles, and eight table values widened to them.
typedef double D8 __attribute__((vector_size(64)));
template <class T>
inline void widen8(const T* p, D8& out) {
    typedef T V __attribute__((vector_size(8 * sizeof(T))));
    V v;
    std::memcpy(&v, p, sizeof v);
    out = __builtin_convertvector(v, D8);
}

template <class T>
ZorStatus dct_run(const DctSpec<T>* s, const T* src, T* dst, Zor8u* buffer, bool inv) {
    const std::size_t n = static_cast<std::size_t>(s->len);
    const T c0 = s->c0, ck = s->ck;
    if (s->alg == DctAlg::small) {  // eight outputs in one vector, terms in order
        typedef T V __attribute__((vector_size(8 * sizeof(T))));
        const T* tb = s->cosines;
        const auto run = [&](std::size_t len) {
            V row, acc;
            std::memcpy(&row, tb, sizeof row);
            acc = src[0] * row;
            for (std::size_t i = 1; i < len; ++i) {
                std::memcpy(&row, tb + 8 * i, sizeof row);
                acc += src[i] * row;
            }
            if (len == 8) std::memcpy(dst, &acc, sizeof acc);
            else for (std::size_t o = 0; o < len; ++o) dst[o] = acc[o];
        };
        if (n == 8) run(8);  // the common length with its loops unrolled
        else run(n);
        return zorStsNoErr;
    }
    DftWork w;
    if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    switch (s->alg) {
    case DctAlg::small:  // above
    case DctAlg::direct: {
        T* v = static_cast<T*>(w.at);
        // forward: y[o] = Σ_i x[i]·cos(π(2i+1)o/2n);
        // inverse: x[o] = Σ_i c(i)·y[i]·cos(π(2o+1)i/2n);
        // row i of the table holds the factors of term i for every o, so
        // eight outputs at a time take each term with one vector step (each
        // output still sums its terms in order, in double precision).
        const T* cm = s->cosines;
        const auto term = [&](std::size_t i) {
            return inv ? static_cast<double>(src[i] * (i == 0 ? c0 : ck)) : static_cast<double>(src[i]);
        };
        std::size_t o = 0;
        for (; o + 8 <= n; o += 8) {
            D8 row;
            widen8(cm + o, row);
            D8 acc = inv ? term(0) * row : D8{} + term(0) * row;  // the forward sum starts from +0
            for (std::size_t i = 1; i < n; ++i) {
                widen8(cm + i * n + o, row);
                acc += term(i) * row;
            }
            for (std::size_t l = 0; l < 8; ++l) v[o + l] = static_cast<T>(acc[l]);
        }
        for (; o < n; ++o) {
            double acc = inv ? term(0) * static_cast<double>(cm[o]) : 0 + term(0) * static_cast<double>(cm[o]);
            for (std::size_t i = 1; i < n; ++i) acc += term(i) * static_cast<double>(cm[i * n + o]);
            v[o] = static_cast<T>(acc);
        }
        if (!inv)
            for (o = 0; o < n; ++o) v[o] *= o == 0 ? c0 : ck;
        std::memcpy(dst, v, n * sizeof(T));
        return zorStsNoErr;
    }
    case DctAlg::fast: {
        const T* m8 = s->fast + (n - 8);
        if (inv) {
            dst[0] = src[0] * c0;
            for (std::size_t i = 1; i < n; ++i) dst[i] = src[i] * ck;
            dct_steps<T>().fast(dst, static_cast<T*>(w.at), n, s->fast, m8, true);
        } else {
            if (dst != src) std::memcpy(dst, src, n * sizeof(T));
            dct_steps<T>().fast(dst, static_cast<T*>(w.at), n, s->fast, m8, false);
            dst[0] *= c0;
            for (std::size_t i = 1; i < n; ++i) dst[i] *= ck;
        }
        return zorStsNoErr;
    }
    case DctAlg::fft: {
        T* v = static_cast<T*>(w.at);
        auto* rest = reinterpret_cast<Zor8u*>(v + 2 * n);
        ZorStatus st;
        if (!inv) {
            std::memcpy(v, src, n * sizeof(T));
            std::memset(static_cast<void*>(v + n), 0, n * sizeof(T));
            if constexpr (sizeof(T) == 4) st = zorsFFTFwd_RToPerm_32f(v, v, static_cast<const ZorsFFTSpec_R_32f*>(s->fft), rest);
            else st = zorsFFTFwd_RToPerm_64f(v, v, static_cast<const ZorsFFTSpec_R_64f*>(s->fft), rest);
            if (st != zorStsNoErr) return st;
            dst[0] = v[0] * s->weights[0].re;
            for (std::size_t k = 1; k < n; ++k) dst[k] = v[2 * k] * s->weights[k].re + v[2 * k + 1] * s->weights[k].im;
            return zorStsNoErr;
        }
        // The spectrum V[k] = y[k]·w[k] (V[0] doubled, V[len] = 0) of 2·len
        // real points; half its inverse is the signal.
        v[0] = 2 * src[0] * s->weights[0].re;
        v[1] = 0;
        for (std::size_t k = 1; k < n; ++k) {
            v[2 * k] = src[k] * s->weights[k].re;
            v[2 * k + 1] = src[k] * s->weights[k].im;
        }
        if constexpr (sizeof(T) == 4) st = zorsFFTInv_PermToR_32f(v, v, static_cast<const ZorsFFTSpec_R_32f*>(s->fft), rest);
        else st = zorsFFTInv_PermToR_64f(v, v, static_cast<const ZorsFFTSpec_R_64f*>(s->fft), rest);
        if (st != zorStsNoErr) return st;
        for (std::size_t j = 0; j < n; ++j) dst[j] = v[j] * T(0.5);
        return zorStsNoErr;
    }
    case DctAlg::bluestein: {
        auto* a = static_cast<Cx<T>*>(w.at);
        const CView<T> av = {&a->re, &a->im, 2};
        if (!inv) {
            // The 2·len zero-padded input as len complex pairs.
            std::memcpy(static_cast<void*>(a), src, n * sizeof(T));
            std::memset(static_cast<void*>(&a->re + n), 0, n * sizeof(T));
            const ZorStatus st = dft_plan_run(s->plan, av, av, a, false);
            if (st != zorStsNoErr) return st;
            // X[k] = ½(P + Q) - ½·i·W^k·(P - Q), P = Z[k], Q = conj(Z[len - k]), weighted.
            dst[0] = (a[0].re + a[0].im) * s->weights[0].re;
            dct_steps<T>().split(a, n, s->split, s->weights, dst);
            return zorStsNoErr;
        }
        // Merge V (V[0] doubled, V[len] = 0) into len complex values, invert,
        // and halve.
        {
            const Cx<T> f = {2 * src[0] * s->weights[0].re, T(0)}, g = {T(0), -T(0)}, wk = s->split[0];
            const T er = f.re - g.re, ei = f.im - g.im;
            const T vr = wk.re * er + wk.im * ei, vi = wk.re * ei - wk.im * er;  // conj(W^0)·(F - G)
            a[0] = {f.re + g.re - vi, f.im + g.im + vr};
        }
        dct_steps<T>().merge(src, n, s->split, s->weights, a);
        const ZorStatus st = dft_plan_run(s->plan, av, av, a, true);
        if (st != zorStsNoErr) return st;
        const T* h = &a->re;
        for (std::size_t j = 0; j < n; ++j) dst[j] = h[j] * T(0.5);
        return zorStsNoErr;
    }
    }
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus dct(const T* src, T* dst, const S* spec, DctKind id, Zor8u* buffer) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    return dct_run(static_cast<const DctSpec<T>*>(static_cast<const void*>(spec)), src, dst, buffer, id % 2 == 0);
}

template <class T>
ZorStatus free_f(void* p, DctKind id) {
    ZORS_CHECK(spec_status(p, id));
    auto* s = static_cast<DctSpec<T>*>(p);
    s->id = 0;
    release(s);
    return zorStsNoErr;
}

template <class T>
ZorStatus size_f(const void* p, int* size, DctKind id) {
    ZORS_CHECK(nonnull(p, size), spec_status(p, id));
    *size = static_cast<const DctSpec<T>*>(p)->buf_size;
    return zorStsNoErr;
}

// ---- 16-bit ----

void release16(DctSpec16* s) {
    if (s->fspec != nullptr) {
        auto* f = static_cast<DctSpec<float>*>(s->fspec);
        f->id = 0;
        release(f);
    }
    aligned_free(s);
}

ZorStatus init16(DctSpec16** pp, int len, int hint, DctKind id) {
    ZORS_CHECK(nonnull(pp), positive(len));
    auto* s = static_cast<DctSpec16*>(aligned_alloc_bytes(sizeof(DctSpec16)));
    if (s == nullptr) return zorStsMemAllocErr;
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->id = id;
    s->len = len;
    s->hint = hint;
    DctSpec<float>* f = nullptr;
    const ExactFftScope exact;  // integer results
    const ZorStatus st = init_f<float>(&f, len, zorAlgHintFast, id == kDctFwd16s ? kDctFwd32f : kDctInv32f);
    if (st != zorStsNoErr) {
        release16(s);
        return st;
    }
    s->fspec = f;
    const std::int64_t size = len == 1 ? 0 : 4 * static_cast<std::int64_t>(len) + 16 + f->buf_size;
    if (size > 0x7fffffff) {
        release16(s);
        return zorStsMemAllocErr;
    }
    s->buf_size = static_cast<int>(size);
    *pp = s;
    return zorStsNoErr;
}

template <class S>
ZorStatus dct16(const Zor16s* src, Zor16s* dst, const S* spec, int sf, Zor8u* buffer, DctKind id) {
    ZORS_CHECK(spec_status(spec, id), nonnull(src, dst));
    const auto* s = static_cast<const DctSpec16*>(static_cast<const void*>(spec));
    const int n = s->len;
    if (n == 1) {
        dst[0] = scale_sat<Zor16s>(src[0], sf);
        return zorStsNoErr;
    }
    DftWork w;
    if (!w.get(buffer, s->buf_size)) return zorStsMemAllocErr;
    auto* f = static_cast<float*>(w.at);
    zorsConvert_16s32f(src, f, n);
    const ZorStatus st = dct_run(static_cast<const DctSpec<float>*>(s->fspec), f, f, reinterpret_cast<Zor8u*>(f + n), id == kDctInv16s);
    if (st == zorStsNoErr) zorsConvert_32f16s_Sfs(f, dst, n, zorRndNear, sf);
    return st;
}

ZorStatus free16(void* p, DctKind id) {
    ZORS_CHECK(spec_status(p, id));
    auto* s = static_cast<DctSpec16*>(p);
    s->id = 0;
    release16(s);
    return zorStsNoErr;
}

ZorStatus size16(const void* p, int* size, DctKind id) {
    ZORS_CHECK(nonnull(p, size), spec_status(p, id));
    *size = static_cast<const DctSpec16*>(p)->buf_size;
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus init(S** pp, int len, ZorHintAlgorithm hint, DctKind id) {
    return init_f(reinterpret_cast<DctSpec<T>**>(pp), len, static_cast<int>(hint), id);
}
template <class S>
ZorStatus init_16(S** pp, int len, ZorHintAlgorithm hint, DctKind id) {
    return init16(reinterpret_cast<DctSpec16**>(pp), len, static_cast<int>(hint), id);
}

}  // namespace
}  // namespace zors

using namespace zors;

#define ZORS_DCT(Dir, T, Suffix, Id)                                                                                                                      \
    ZorStatus zorsDCT##Dir##InitAlloc_##Suffix(ZorsDCT##Dir##Spec_##Suffix** pp, int len, ZorHintAlgorithm hint) { return init<T>(pp, len, hint, Id); } \
    ZorStatus zorsDCT##Dir##Free_##Suffix(ZorsDCT##Dir##Spec_##Suffix* p) { return free_f<T>(p, Id); }                                                 \
    ZorStatus zorsDCT##Dir##GetBufSize_##Suffix(const ZorsDCT##Dir##Spec_##Suffix* p, int* pSize) { return size_f<T>(p, pSize, Id); }                  \
    ZorStatus zorsDCT##Dir##_##Suffix(const T* pSrc, T* pDst, const ZorsDCT##Dir##Spec_##Suffix* pSpec, Zor8u* pBuffer) { return dct(pSrc, pDst, pSpec, Id, pBuffer); }
ZORS_DCT(Fwd, Zor32f, 32f, kDctFwd32f)
ZORS_DCT(Inv, Zor32f, 32f, kDctInv32f)
ZORS_DCT(Fwd, Zor64f, 64f, kDctFwd64f)
ZORS_DCT(Inv, Zor64f, 64f, kDctInv64f)
#undef ZORS_DCT

#define ZORS_DCT16(Dir, Id)                                                                                                                                \
    ZorStatus zorsDCT##Dir##InitAlloc_16s(ZorsDCT##Dir##Spec_16s** pp, int len, ZorHintAlgorithm hint) { return init_16(pp, len, hint, Id); }            \
    ZorStatus zorsDCT##Dir##Free_16s(ZorsDCT##Dir##Spec_16s* p) { return free16(p, Id); }                                                                 \
    ZorStatus zorsDCT##Dir##GetBufSize_16s(const ZorsDCT##Dir##Spec_16s* p, int* pSize) { return size16(p, pSize, Id); }                                  \
    ZorStatus zorsDCT##Dir##_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDCT##Dir##Spec_16s* pSpec, int scaleFactor, Zor8u* pBuffer) { return dct16(pSrc, pDst, pSpec, scaleFactor, pBuffer, Id); }
ZORS_DCT16(Fwd, kDctFwd16s)
ZORS_DCT16(Inv, kDctInv16s)
#undef ZORS_DCT16
