// Convolution and correlation: linear convolution, fixed cyclic
// convolutions, autocorrelation (plain, divided by the length, divided by the
// overlap) and cross-correlation over a range of lags.
//
// Convolution, with the longer input first (the operation is symmetric):
// - direct when the result is shorter than 256 or the shorter input shorter
//   than 32: one sum for a longer input below 4096 samples, otherwise the
//   longer input in chunks of 4096 added into the result (overlap-add);
// - one real transform of N >= len1 + len2 - 1 when the longer input is below
//   three times the shorter;
// - otherwise overlap-save blocks of N = 2^(k+1) (2^k >= 2 * shorter) with a
//   step of N + 1 - shorter, spread over a thread team above 4096 samples.
// Autocorrelation and cross-correlation pick a transform by fixed size rules
// (see the kernels). Transforms are built per call (inverse divided by N).
// 16-bit forms compute in single precision and round to nearest, ties to
// even, after the scale factor, saturating.
//
// Checks, in order: null pointers (-8), then lengths (-6); working memory
// that cannot be had gives -9 before anything is written; a failing
// transform step returns its status. The cyclic forms check nothing.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "frame/check.h"
#include "frame/memory.h"
#include "frame/parallel.h"
#include "frame/scale.h"
#include "frame/types.h"
#include "transform/fft.h"

namespace zors::conv {
namespace {

// ---------------------------------------------------------------------------
// Working memory: one block from the library allocator, carved in order into
// 64-byte aligned pieces, released on every return path.
class Scratch {
public:
    Scratch() = default;
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() { aligned_free(base_); }
    // Reserves n elements of T; returns the piece's offset.
    template <class T>
    std::uint64_t reserve(std::uint64_t n) {
        const std::uint64_t at = size_;
        size_ += (n * sizeof(T) + 63) & ~std::uint64_t{63};
        return at;
    }
    bool allocate() {
        base_ = static_cast<unsigned char*>(aligned_alloc_at(size_ == 0 ? 64 : size_, 0));
        return base_ != nullptr;
    }
    template <class T>
    T* at(std::uint64_t offset) const { return reinterpret_cast<T*>(base_ + offset); }

private:
    unsigned char* base_ = nullptr;
    std::uint64_t size_ = 0;
};

// ---------------------------------------------------------------------------
// Transforms by element type: real (Perm and Pack layouts) and complex.
template <class T>
struct Fft;
#define ZORS_CONV_REAL_FFT(T, S)                                                                   \
    template <>                                                                                    \
    struct Fft<T> {                                                                                \
        using Spec = ZorsFFTSpec_R_##S;                                                            \
        static ZorStatus init(Spec** s, int order) {                                               \
            return zorsFFTInitAlloc_R_##S(s, order, ZOR_FFT_DIV_INV_BY_N, zorAlgHintNone);         \
        }                                                                                          \
        static ZorStatus buf_size(const Spec* s, int* n) { return zorsFFTGetBufSize_R_##S(s, n); } \
        static void release(Spec* s) { zorsFFTFree_R_##S(s); }                                     \
        static ZorStatus fwd_perm(T* x, const Spec* s, Zor8u* b) { return zorsFFTFwd_RToPerm_##S(x, x, s, b); } \
        static ZorStatus inv_perm(T* x, const Spec* s, Zor8u* b) { return zorsFFTInv_PermToR_##S(x, x, s, b); } \
        static ZorStatus fwd_perm(const T* x, T* y, const Spec* s, Zor8u* b) { return zorsFFTFwd_RToPerm_##S(x, y, s, b); } \
        static ZorStatus inv_perm(const T* x, T* y, const Spec* s, Zor8u* b) { return zorsFFTInv_PermToR_##S(x, y, s, b); } \
        static ZorStatus fwd(T* x, const Spec* s, Zor8u* b) { return zorsFFTFwd_RToPack_##S(x, x, s, b); } \
        static ZorStatus inv(T* x, const Spec* s, Zor8u* b) { return zorsFFTInv_PackToR_##S(x, x, s, b); } \
        static ZorStatus mul_perm(const T* h, T* x, int n) { return zorsMulPerm_##S##_I(h, x, n); } \
        /* x <- y * conj(x) */                                                                     \
        static ZorStatus mul_conj(const T* y, T* x, int n) { return zorsMulPackConj_##S##_I(y, x, n); } \
    };
ZORS_CONV_REAL_FFT(float, 32f)
ZORS_CONV_REAL_FFT(double, 64f)
#undef ZORS_CONV_REAL_FFT

template <class C>
inline void mul_conj_cplx(const C* y, C* x, int n) {
    for (int i = 0; i < n; ++i) {
        const auto a = x[i].re, b = x[i].im, c = y[i].re, d = y[i].im;
        x[i].re = c * a + d * b;
        x[i].im = d * a - c * b;
    }
}
#define ZORS_CONV_CPLX_FFT(T, S)                                                                   \
    template <>                                                                                    \
    struct Fft<T> {                                                                                \
        using Spec = ZorsFFTSpec_C_##S;                                                            \
        static ZorStatus init(Spec** s, int order) {                                               \
            return zorsFFTInitAlloc_C_##S(s, order, ZOR_FFT_DIV_INV_BY_N, zorAlgHintNone);         \
        }                                                                                          \
        static ZorStatus buf_size(const Spec* s, int* n) { return zorsFFTGetBufSize_C_##S(s, n); } \
        static void release(Spec* s) { zorsFFTFree_C_##S(s); }                                     \
        static ZorStatus fwd(T* x, const Spec* s, Zor8u* b) { return zorsFFTFwd_CToC_##S(x, x, s, b); } \
        static ZorStatus inv(T* x, const Spec* s, Zor8u* b) { return zorsFFTInv_CToC_##S(x, x, s, b); } \
        static ZorStatus mul_conj(const T* y, T* x, int n) { mul_conj_cplx(y, x, n); return zorStsNoErr; } \
    };
ZORS_CONV_CPLX_FFT(Zor32fc, 32fc)
ZORS_CONV_CPLX_FFT(Zor64fc, 64fc)
#undef ZORS_CONV_CPLX_FFT

// A transform specification built for one call and its work-buffer size.
template <class T>
struct Plan {
    using F = Fft<T>;
    typename F::Spec* spec = nullptr;
    int buf = 0;
    ZorStatus make(int order) {
        ZorStatus st = F::init(&spec, order);
        if (st == zorStsNoErr) st = F::buf_size(spec, &buf);
        return st;
    }
    Plan() = default;
    Plan(const Plan&) = delete;
    Plan& operator=(const Plan&) = delete;
    ~Plan() {
        if (spec != nullptr) F::release(spec);
    }
};

// The exponent of the smallest power of two >= n (n >= 1), at least `lo`.
inline int order_of(std::int64_t n, int lo) {
    int k = lo;
    while ((std::int64_t{1} << k) < n) ++k;
    return k;
}

template <class T>
inline void zero(T* p, std::int64_t n) {
    if (n > 0) std::memset(static_cast<void*>(p), 0, sizeof(T) * static_cast<std::size_t>(n));
}
template <class T>
inline void copy(const T* s, T* d, std::int64_t n) {
    if (n > 0) std::memcpy(static_cast<void*>(d), s, sizeof(T) * static_cast<std::size_t>(n));
}

// ---------------------------------------------------------------------------
// Linear convolution of real data.

constexpr int kConvChunk = 4096;

// y[0 .. n+m-2] += x * h, one tap at a time (the inner loop is a vector
// multiply-add over the block).
template <class T>
void add_conv(const T* __restrict x, int n, const T* __restrict h, int m, T* __restrict y) {
    for (int j = 0; j < m; ++j) {
        const T c = h[j];
        T* __restrict yj = y + j;
        for (int i = 0; i < n; ++i) yj[i] += c * x[i];
    }
}

template <class T>
void conv_direct(const T* a, int la, const T* b, int lb, T* y) {
    if (la < kConvChunk) {
        zero(y, std::int64_t{la} + lb - 1);
        add_conv(a, la, b, lb, y);
        return;
    }
    zero(y, lb - 1);
    for (std::int64_t c = 0; c < la; c += kConvChunk) {
        const int n = la - c < kConvChunk ? static_cast<int>(la - c) : kConvChunk;
        zero(y + c + lb - 1, n);
        add_conv(a + c, n, b, lb, y + c);
    }
}

template <class T>
ZorStatus conv_one_fft(const T* a, int la, const T* b, int lb, T* y) {
    using F = Fft<T>;
    const std::int64_t dst = std::int64_t{la} + lb - 1;
    const int order = order_of(dst, 2);
    Plan<T> plan;
    if (const ZorStatus st = plan.make(order)) return st;
    const std::int64_t n = std::int64_t{1} << order;
    Scratch s;
    const auto oa = s.reserve<T>(n), ob = s.reserve<T>(n), ow = s.reserve<Zor8u>(plan.buf);
    if (!s.allocate()) return zorStsMemAllocErr;
    T *xa = s.at<T>(oa), *xb = s.at<T>(ob);
    Zor8u* w = s.at<Zor8u>(ow);
    copy(a, xa, la);
    zero(xa + la, n - la);
    copy(b, xb, lb);
    zero(xb + lb, n - lb);
    ZorStatus st = F::fwd_perm(xa, plan.spec, w);
    if (st == zorStsNoErr) st = F::fwd_perm(xb, plan.spec, w);
    if (st == zorStsNoErr) st = F::mul_perm(xb, xa, static_cast<int>(n));
    if (st == zorStsNoErr) st = F::inv_perm(xa, plan.spec, w);
    if (st == zorStsNoErr) copy(xa, y, dst);
    return st;
}

// Overlap-save: the shorter input's spectrum once, then independent blocks of
// M outputs, each from N input samples (the first block without history).
template <class T>
ZorStatus conv_blocks(const T* a, int la, const T* b, int lb, T* y) {
    using F = Fft<T>;
    const std::int64_t dst = std::int64_t{la} + lb - 1;
    const int k = order_of(2 * std::int64_t{lb}, 1);
    Plan<T> plan;
    if (const ZorStatus st = plan.make(k + 1)) return st;
    const int n = 1 << (k + 1);
    const int m = n + 1 - lb;
    const std::int64_t blocks = (dst + m - 1) / m;
    const bool team = la > kConvChunk;
    int slots = team ? par::max_team_size() : 1;
    if (slots < 1) slots = 1;
    if (slots > blocks) slots = static_cast<int>(blocks);

    Scratch s;
    const auto oh = s.reserve<T>(n), ost = s.reserve<ZorStatus>(static_cast<std::uint64_t>(slots));
    // Per thread a lane: its block, the block transformed back, then its
    // transform work buffer. Full blocks transform straight from the input,
    // and the inverse runs out of place: both then read in the order the
    // first pass wants, with no permutation pass of their own.
    const std::uint64_t half = (static_cast<std::uint64_t>(n) * sizeof(T) + 63) & ~std::uint64_t{63}, wat = 2 * half;
    const std::uint64_t lane = par::lane_stride(wat + static_cast<std::uint64_t>(plan.buf));
    const auto olane = s.reserve<Zor8u>(par::lanes_bytes(lane, slots));
    if (!s.allocate()) return zorStsMemAllocErr;
    T* h = s.at<T>(oh);
    ZorStatus* sts = s.at<ZorStatus>(ost);
    copy(b, h, lb);
    zero(h + lb, n - lb);
    if (const ZorStatus st = F::fwd_perm(h, plan.spec, s.at<Zor8u>(olane) + par::lane_at(lane, 0) + wat)) return st;
    for (int t = 0; t < slots; ++t) sts[t] = zorStsNoErr;

    par::run_capped(team, slots, [&](const par::Team& tm) {
        Zor8u* mine = s.at<Zor8u>(olane) + par::lane_at(lane, tm.index());
        T* buf = reinterpret_cast<T*>(mine);
        T* back = reinterpret_cast<T*>(mine + half);
        Zor8u* w = mine + wat;
        ZorStatus st = zorStsNoErr;
        for (std::int64_t j = tm.index(); j < blocks && st == zorStsNoErr; j += tm.size()) {
            const std::int64_t out = j * m;
            const std::int64_t from = j == 0 ? 0 : out - (lb - 1);
            std::int64_t cnt = la - from;
            const std::int64_t cap = j == 0 ? m : n;
            if (cnt > cap) cnt = cap;
            if (cnt == n) {
                st = F::fwd_perm(a + from, buf, plan.spec, w);
            } else {
                copy(a + from, buf, cnt);
                zero(buf + cnt, n - cnt);
                st = F::fwd_perm(buf, plan.spec, w);
            }
            if (st == zorStsNoErr) st = F::mul_perm(h, buf, n);
            if (st == zorStsNoErr) st = F::inv_perm(buf, back, plan.spec, w);
            if (st == zorStsNoErr) {
                const std::int64_t left = dst - out;
                copy(back + (j == 0 ? 0 : lb - 1), y + out, left < m ? left : m);
            }
        }
        sts[tm.index()] = st;
    });
    ZorStatus st = zorStsNoErr;
    for (int t = 0; t < slots; ++t)
        if (sts[t] < st) st = sts[t];
    return st;
}

template <class T>
ZorStatus conv(const T* a, int la, const T* b, int lb, T* y) {
    if (la < lb) {
        const T* t = a;
        a = b;
        b = t;
        const int l = la;
        la = lb;
        lb = l;
    }
    const std::int64_t dst = std::int64_t{la} + lb - 1;
    if (dst < 256 || lb < 32) {
        conv_direct(a, la, b, lb, y);
        return zorStsNoErr;
    }
    if (la < 3 * std::int64_t{lb}) return conv_one_fft(a, la, b, lb, y);
    return conv_blocks(a, la, b, lb, y);
}

ZorStatus conv_16s(const Zor16s* a, int la, const Zor16s* b, int lb, Zor16s* y, int sf) {
    const std::int64_t dst = std::int64_t{la} + lb - 1;
    Scratch s;
    const auto oa = s.reserve<float>(la), ob = s.reserve<float>(lb), oy = s.reserve<float>(dst);
    if (!s.allocate()) return zorStsMemAllocErr;
    float *fa = s.at<float>(oa), *fb = s.at<float>(ob), *fy = s.at<float>(oy);
    zorsConvert_16s32f(a, fa, la);
    zorsConvert_16s32f(b, fb, lb);
    const ExactFftScope exact;  // integer results
    if (const ZorStatus st = conv(fa, la, fb, lb, fy)) return st;
    return zorsConvert_32f16s_Sfs(fy, y, static_cast<int>(dst), zorRndNear, sf);
}

// ---------------------------------------------------------------------------
// Correlation helpers.

template <class T>
inline T conj_of(T v) {
    if constexpr (is_complex_v<T>) return T{v.re, -v.im};
    else return v;
}

// Double-precision accumulator of conj(u) * v sums for real and complex data.
template <class T>
struct Acc {
    double re = 0, im = 0;
    void add(T u, T v) {
        if constexpr (is_complex_v<T>) {
            const double ur = u.re, ui = u.im, vr = v.re, vi = v.im;
            re += ur * vr + ui * vi;
            im += ur * vi - ui * vr;
        } else {
            re += static_cast<double>(u) * static_cast<double>(v);
        }
    }
    T get() const {
        if constexpr (is_complex_v<T>) return T{static_cast<part_t<T>>(re), static_cast<part_t<T>>(im)};
        else return static_cast<T>(re);
    }
};

template <class T>
inline T scaled(T v, part_t<T> f) {
    if constexpr (is_complex_v<T>) return T{v.re * f, v.im * f};
    else return v * f;
}
template <class T>
inline T divided(T v, part_t<T> d) {
    if constexpr (is_complex_v<T>) return T{v.re / d, v.im / d};
    else return v / d;
}

enum class Norm { none, a, b };

// ---------------------------------------------------------------------------
// Autocorrelation. The transform path is taken from `fft_min` lags on.
template <class T, Norm N>
ZorStatus auto_corr(const T* x, int len, T* y, int dst_len, int fft_min) {
    using P = part_t<T>;
    const int n = len < dst_len ? len : dst_len;
    if (n >= fft_min) {
        using F = Fft<T>;
        const int order = order_of(2 * std::int64_t{len}, 1);
        Plan<T> plan;
        if (const ZorStatus st = plan.make(order)) return st;
        const std::int64_t nn = std::int64_t{1} << order;
        Scratch s;
        const auto ob = s.reserve<T>(nn), ow = s.reserve<Zor8u>(plan.buf);
        if (!s.allocate()) return zorStsMemAllocErr;
        T* b = s.at<T>(ob);
        Zor8u* w = s.at<Zor8u>(ow);
        copy(x, b, len);
        zero(b + len, nn - len);
        ZorStatus st = F::fwd(b, plan.spec, w);
        if (st == zorStsNoErr) st = F::mul_conj(b, b, static_cast<int>(nn));
        if (st == zorStsNoErr) st = F::inv(b, plan.spec, w);
        if (st != zorStsNoErr) return st;
        copy(b, y, n);
    } else {
        for (int k = 0; k < n; ++k) {
            Acc<T> acc;
            for (int i = 0; i + k < len; ++i) acc.add(x[i], x[i + k]);
            y[k] = acc.get();
        }
    }
    if constexpr (N == Norm::a) {
        const P f = P(1) / static_cast<P>(len);
        for (int k = 0; k < n; ++k) y[k] = scaled(y[k], f);
    } else if constexpr (N == Norm::b) {
        for (int k = 0; k < n; ++k) y[k] = divided(y[k], static_cast<P>(len - k));
    }
    zero(y + n, dst_len - n);
    return zorStsNoErr;
}

template <Norm N>
ZorStatus auto_corr_16s(const Zor16s* x, int len, Zor16s* y, int dst_len, int sf) {
    Scratch s;
    const auto ox = s.reserve<float>(len), oy = s.reserve<float>(dst_len);
    if (!s.allocate()) return zorStsMemAllocErr;
    float *fx = s.at<float>(ox), *fy = s.at<float>(oy);
    zorsConvert_16s32f(x, fx, len);
    const ExactFftScope exact;  // integer results
    if (const ZorStatus st = auto_corr<float, N>(fx, len, fy, dst_len, 700)) return st;
    return zorsConvert_32f16s_Sfs(fy, y, dst_len, zorRndNear, sf);
}

// ---------------------------------------------------------------------------
// Cross-correlation r(m) = sum of conj(x1[n]) * x2[n + m], m = low .. low +
// dst_len - 1; lags outside -(len1 - 1) .. len2 - 1 are zero. The transform
// path is taken when floor(K * min / max) over the K remaining lags, in single
// precision, exceeds `fft_above`.
template <class T>
ZorStatus cross_corr(const T* x1, int len1, const T* x2, int len2, T* y, int dst_len, int low, int fft_above) {
    const std::int64_t lo = low;
    std::int64_t i0 = -(std::int64_t{len1} - 1) - lo;
    std::int64_t i1 = std::int64_t{len2} - lo;  // one past the last nonzero lag
    if (i0 < 0) i0 = 0;
    if (i1 > dst_len) i1 = dst_len;
    if (i1 <= i0) {
        zero(y, dst_len);
        return zorStsNoErr;
    }
    const int mn = len1 < len2 ? len1 : len2, mx = len1 < len2 ? len2 : len1;
    volatile float prod = static_cast<float>(i1 - i0) * static_cast<float>(mn);
    const float ratio = prod / static_cast<float>(mx);
    if (std::floor(ratio) > static_cast<float>(fft_above)) {
        using F = Fft<T>;
        const int order = order_of(std::int64_t{len1} + len2 - 1, 1);
        Plan<T> plan;
        if (const ZorStatus st = plan.make(order)) return st;
        const std::int64_t nn = std::int64_t{1} << order;
        Scratch s;
        const auto oa = s.reserve<T>(nn), ob = s.reserve<T>(nn), ow = s.reserve<Zor8u>(plan.buf);
        if (!s.allocate()) return zorStsMemAllocErr;
        T *a = s.at<T>(oa), *b = s.at<T>(ob);
        Zor8u* w = s.at<Zor8u>(ow);
        copy(x1, a, len1);
        zero(a + len1, nn - len1);
        zero(b, len1 - 1);
        copy(x2, b + len1 - 1, len2);
        zero(b + len1 - 1 + len2, nn - (len1 - 1 + len2));
        ZorStatus st = F::fwd(a, plan.spec, w);
        if (st == zorStsNoErr) st = F::fwd(b, plan.spec, w);
        if (st == zorStsNoErr) st = F::mul_conj(b, a, static_cast<int>(nn));
        if (st == zorStsNoErr) st = F::inv(a, plan.spec, w);
        if (st != zorStsNoErr) return st;
        zero(y, i0);
        copy(a + (lo + i0 + len1 - 1), y + i0, i1 - i0);
    } else {
        zero(y, i0);
        for (std::int64_t i = i0; i < i1; ++i) {
            const std::int64_t m = lo + i;
            std::int64_t n0 = m < 0 ? -m : 0, n1 = std::int64_t{len2} - m;
            if (n1 > len1) n1 = len1;
            Acc<T> acc;
            for (std::int64_t k = n0; k < n1; ++k) acc.add(x1[k], x2[k + m]);
            y[i] = acc.get();
        }
    }
    zero(y + i1, dst_len - i1);
    return zorStsNoErr;
}

ZorStatus cross_corr_16s(const Zor16s* x1, int len1, const Zor16s* x2, int len2, Zor16s* y, int dst_len, int low, int sf) {
    Scratch s;
    const auto oa = s.reserve<float>(len1), ob = s.reserve<float>(len2), oy = s.reserve<float>(dst_len);
    if (!s.allocate()) return zorStsMemAllocErr;
    float *fa = s.at<float>(oa), *fb = s.at<float>(ob), *fy = s.at<float>(oy);
    zorsConvert_16s32f(x1, fa, len1);
    zorsConvert_16s32f(x2, fb, len2);
    const ExactFftScope exact;  // integer results
    if (const ZorStatus st = cross_corr(fa, len1, fb, len2, fy, dst_len, low, 383)) return st;
    return zorsConvert_32f16s_Sfs(fy, y, dst_len, zorRndNear, sf);
}

// ---------------------------------------------------------------------------
// Cyclic convolution of length L: y[k] = sum of x1[j] * x2[(k - j) mod L],
// in double precision (exact integers for 16-bit data).
template <int L, class A, class B, class Y, class Out>
void cyclic(const A* x1, const B* x2, Y* y, Out out) {
    for (int k = 0; k < L; ++k) {
        if constexpr (is_complex_v<B>) {
            double re = 0, im = 0;
            for (int j = 0; j < L; ++j) {
                re += static_cast<double>(x1[j]) * static_cast<double>(x2[(k - j) & (L - 1)].re);
                im += static_cast<double>(x1[j]) * static_cast<double>(x2[(k - j) & (L - 1)].im);
            }
            y[k] = Y{static_cast<float>(re), static_cast<float>(im)};
        } else {
            double s = 0;
            for (int j = 0; j < L; ++j) s += static_cast<double>(x1[j]) * static_cast<double>(x2[(k - j) & (L - 1)]);
            y[k] = out(s);
        }
    }
}

}  // namespace
}  // namespace zors::conv

using namespace zors;
using conv::Norm;

#define CONV_CHECK() ZORS_CHECK(nonnull(pSrc1, pSrc2, pDst), positive(len1), positive(len2))
#define AUTO_CHECK() ZORS_CHECK(nonnull(pSrc, pDst), positive(srcLen), positive(dstLen))
#define CROSS_CHECK() \
    ZORS_CHECK(nonnull(pSrc1, pSrc2, pDst), positive(len1), positive(len2), positive(dstLen))

ZorStatus zorsConv_32f(const Zor32f* pSrc1, int len1, const Zor32f* pSrc2, int len2, Zor32f* pDst) { CONV_CHECK(); return conv::conv(pSrc1, len1, pSrc2, len2, pDst); }
ZorStatus zorsConv_64f(const Zor64f* pSrc1, int len1, const Zor64f* pSrc2, int len2, Zor64f* pDst) { CONV_CHECK(); return conv::conv(pSrc1, len1, pSrc2, len2, pDst); }
ZorStatus zorsConv_16s_Sfs(const Zor16s* pSrc1, int len1, const Zor16s* pSrc2, int len2, Zor16s* pDst, int scaleFactor) { CONV_CHECK(); return conv::conv_16s(pSrc1, len1, pSrc2, len2, pDst, scaleFactor); }

ZorStatus zorsConvCyclic8x8_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst) {
    conv::cyclic<8>(pSrc1, pSrc2, pDst, [](double s) { return static_cast<float>(s); });
    return zorStsNoErr;
}
ZorStatus zorsConvCyclic8x8_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int scaleFactor) {
    conv::cyclic<8>(pSrc1, pSrc2, pDst, [scaleFactor](double s) { return scale_sat<Zor16s>(static_cast<std::int64_t>(s), scaleFactor); });
    return zorStsNoErr;
}
ZorStatus zorsConvCyclic4x4_32f32fc(const Zor32f* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst) {
    conv::cyclic<4>(pSrc1, pSrc2, pDst, [](double s) { return s; });
    return zorStsNoErr;
}

ZorStatus zorsAutoCorr_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor32f, Norm::none>(pSrc, srcLen, pDst, dstLen, 700); }
ZorStatus zorsAutoCorr_NormA_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor32f, Norm::a>(pSrc, srcLen, pDst, dstLen, 700); }
ZorStatus zorsAutoCorr_NormB_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor32f, Norm::b>(pSrc, srcLen, pDst, dstLen, 700); }
ZorStatus zorsAutoCorr_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor64f, Norm::none>(pSrc, srcLen, pDst, dstLen, 700); }
ZorStatus zorsAutoCorr_NormA_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor64f, Norm::a>(pSrc, srcLen, pDst, dstLen, 700); }
ZorStatus zorsAutoCorr_NormB_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor64f, Norm::b>(pSrc, srcLen, pDst, dstLen, 700); }
ZorStatus zorsAutoCorr_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor32fc, Norm::none>(pSrc, srcLen, pDst, dstLen, 176); }
ZorStatus zorsAutoCorr_NormA_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor32fc, Norm::a>(pSrc, srcLen, pDst, dstLen, 176); }
ZorStatus zorsAutoCorr_NormB_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor32fc, Norm::b>(pSrc, srcLen, pDst, dstLen, 176); }
ZorStatus zorsAutoCorr_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor64fc, Norm::none>(pSrc, srcLen, pDst, dstLen, 96); }
ZorStatus zorsAutoCorr_NormA_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor64fc, Norm::a>(pSrc, srcLen, pDst, dstLen, 96); }
ZorStatus zorsAutoCorr_NormB_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int dstLen) { AUTO_CHECK(); return conv::auto_corr<Zor64fc, Norm::b>(pSrc, srcLen, pDst, dstLen, 96); }
ZorStatus zorsAutoCorr_16s_Sfs(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int dstLen, int scaleFactor) { AUTO_CHECK(); return conv::auto_corr_16s<Norm::none>(pSrc, srcLen, pDst, dstLen, scaleFactor); }
ZorStatus zorsAutoCorr_NormA_16s_Sfs(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int dstLen, int scaleFactor) { AUTO_CHECK(); return conv::auto_corr_16s<Norm::a>(pSrc, srcLen, pDst, dstLen, scaleFactor); }
ZorStatus zorsAutoCorr_NormB_16s_Sfs(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int dstLen, int scaleFactor) { AUTO_CHECK(); return conv::auto_corr_16s<Norm::b>(pSrc, srcLen, pDst, dstLen, scaleFactor); }

ZorStatus zorsCrossCorr_32f(const Zor32f* pSrc1, int len1, const Zor32f* pSrc2, int len2, Zor32f* pDst, int dstLen, int lowLag) { CROSS_CHECK(); return conv::cross_corr(pSrc1, len1, pSrc2, len2, pDst, dstLen, lowLag, 383); }
ZorStatus zorsCrossCorr_64f(const Zor64f* pSrc1, int len1, const Zor64f* pSrc2, int len2, Zor64f* pDst, int dstLen, int lowLag) { CROSS_CHECK(); return conv::cross_corr(pSrc1, len1, pSrc2, len2, pDst, dstLen, lowLag, 511); }
ZorStatus zorsCrossCorr_32fc(const Zor32fc* pSrc1, int len1, const Zor32fc* pSrc2, int len2, Zor32fc* pDst, int dstLen, int lowLag) { CROSS_CHECK(); return conv::cross_corr(pSrc1, len1, pSrc2, len2, pDst, dstLen, lowLag, 255); }
ZorStatus zorsCrossCorr_64fc(const Zor64fc* pSrc1, int len1, const Zor64fc* pSrc2, int len2, Zor64fc* pDst, int dstLen, int lowLag) { CROSS_CHECK(); return conv::cross_corr(pSrc1, len1, pSrc2, len2, pDst, dstLen, lowLag, 511); }
ZorStatus zorsCrossCorr_16s_Sfs(const Zor16s* pSrc1, int len1, const Zor16s* pSrc2, int len2, Zor16s* pDst, int dstLen, int lowLag, int scaleFactor) { CROSS_CHECK(); return conv::cross_corr_16s(pSrc1, len1, pSrc2, len2, pDst, dstLen, lowLag, scaleFactor); }
