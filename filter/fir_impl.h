// The floating-tap FIR states, written once for every pair of taps type and
// data type; the state sources instantiate it with one line per export.
//
// Checks, in order: null pointers (-8), then lengths (tapsLen < 1: -26,
// numIters < 1: -6), then the identifier word (-17). Nothing is written
// before all checks pass.
//
// Block filters take the overlap-save path when the state has one and its
// transform length is below the block length, the direct path otherwise.
// Direct path: the first outputs come from the delay buffer, the rest
// straight from the input (states whose data type is the taps' type) or
// from converted chunks (the others). Overlap-save: blocks of N samples,
// N - tapsLen + 1 outputs each, transformed forward, multiplied by the taps'
// spectrum and transformed back. Above 1600 outputs (800 complex) the work is
// spread over a thread team: contiguous output ranges on the direct path,
// blocks dealt round-robin on the overlap-save path.
//
// Integer data: outputs are scaled by 2^-scaleFactor, rounded to nearest and
// saturated. Ties go to even on the block filters (through the library's
// conversions) except for double taps with 16-bit data, which round them
// away from zero; the one-sample filters of double taps round ties away from
// zero, those of single taps to even.
#pragma once

#include <cmath>
#include <cstring>
#include <limits>

#include "filter/fir.h"
#include "filter/fir_mr.h"
#include "frame/dispatch.h"
#include "frame/check.h"
#include "frame/memory.h"
#include "frame/parallel.h"
#include "transform/fft.h"

namespace zors {

ZORS_ISA_TABLE(FirKernels, fir_kernels)

template <class T>
inline FirDotFn<T> fir_dot(bool fused) noexcept {
    const FirKernels& k = fir_kernels();
    if constexpr (std::is_same_v<T, float>) return k.dot_32f[fused];
    else if constexpr (std::is_same_v<T, double>) return k.dot_64f[fused];
    else if constexpr (std::is_same_v<T, Zor32fc>) return k.dot_32fc[fused];
    else return k.dot_64fc[fused];
}

template <class T>
inline FirInterleaveFn<T> fir_interleave() noexcept {
    if constexpr (std::is_same_v<T, float>) return fir_kernels().interleave_32f;
    else return fir_kernels().interleave_64f;
}

// The gather kernels of the real types; null for complex ones.
template <class T>
inline FirGatherFn<T> fir_gather(bool fused) noexcept {
    const FirKernels& k = fir_kernels();
    if constexpr (std::is_same_v<T, float>) return k.gather_32f[fused];
    else if constexpr (std::is_same_v<T, double>) return k.gather_64f[fused];
    else return nullptr;
}


}  // namespace zors

namespace zors::fir {

// ---------------------------------------------------------------------------
// Transforms of the overlap-save path, by computation type.
template <class CT>
struct Fft;
#define ZORS_FIR_FFT(CT, KIND, FWD, INV, MUL)                                                  \
    template <>                                                                               \
    struct Fft<CT> {                                                                          \
        using Spec = ZorsFFTSpec_##KIND;                                                      \
        static ZorStatus init(Spec** s, int order) {                                          \
            return zorsFFTInitAlloc_##KIND(s, order, ZOR_FFT_DIV_INV_BY_N, zorAlgHintNone);   \
        }                                                                                     \
        static ZorStatus buf_size(const Spec* s, int* n) { return zorsFFTGetBufSize_##KIND(s, n); } \
        static ZorStatus fwd(const CT* x, CT* y, const void* s, Zor8u* b) {                   \
            return zorsFFTFwd_##FWD(x, y, static_cast<const Spec*>(s), b);                     \
        }                                                                                     \
        static ZorStatus inv(const CT* x, CT* y, const void* s, Zor8u* b) {                   \
            return zorsFFTInv_##INV(x, y, static_cast<const Spec*>(s), b);                     \
        }                                                                                     \
        static ZorStatus mul(const CT* h, CT* y, int n) { return zors##MUL(h, y, n); }        \
        static void release(void* s) { zorsFFTFree_##KIND(static_cast<Spec*>(s)); }          \
    };
ZORS_FIR_FFT(float, R_32f, RToPerm_32f, PermToR_32f, MulPerm_32f_I)
ZORS_FIR_FFT(double, R_64f, RToPerm_64f, PermToR_64f, MulPerm_64f_I)
ZORS_FIR_FFT(Zor32fc, C_32fc, CToC_32fc, CToC_32fc, Mul_32fc_I)
ZORS_FIR_FFT(Zor64fc, C_64fc, CToC_64fc, CToC_64fc, Mul_64fc_I)
#undef ZORS_FIR_FFT

// ---------------------------------------------------------------------------
// Element conversions.

// Data sample to the computation type (exact widening).
template <class CT, class D>
inline CT widen(D v) noexcept {
    if constexpr (is_complex_v<CT>) return CT{static_cast<part_t<CT>>(v.re), static_cast<part_t<CT>>(v.im)};
    else return static_cast<CT>(v);
}

template <class CT, class D>
inline void widen_n(const D* x, CT* y, int n) noexcept {
    if constexpr (std::is_same_v<CT, D>) std::memcpy(y, x, sizeof(CT) * static_cast<std::size_t>(n));
    else for (int i = 0; i < n; ++i) y[i] = widen<CT>(x[i]);
}

// v * 2^-sf rounded to an integer of type I (ties by `tie`), saturated; NaN
// gives 0.
template <class I>
inline I round_scaled(double v, int sf, Tie tie) noexcept {
    const int e = sf > 2000 ? 2000 : sf < -2000 ? -2000 : sf;
    const double x = std::ldexp(v, -e);
    if (!(x == x)) return I{0};
    double r;
    if (tie == Tie::away) {
        r = std::trunc(x);
        if (std::fabs(x - r) >= 0.5) r += x < 0 ? -1.0 : 1.0;
    } else {
        r = std::floor(x);
        const double d = x - r;
        if (d > 0.5 || (d == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    }
    using L = std::numeric_limits<I>;
    if (r <= static_cast<double>(L::min())) return L::min();
    if (r >= static_cast<double>(L::max())) return L::max();
    return static_cast<I>(r);
}

// A computation-type value to the data type: floating data by narrowing,
// integer data by the scale rule.
template <class D, class CT>
inline D narrow(CT v, int sf, Tie tie) noexcept {
    if constexpr (is_complex_v<D>) {
        using P = part_t<D>;
        return D{narrow<P>(v.re, sf, tie), narrow<P>(v.im, sf, tie)};
    } else if constexpr (std::is_floating_point_v<D>) {
        return static_cast<D>(v);
    } else {
        return round_scaled<D>(static_cast<double>(v), sf, tie);
    }
}

// Delay-line values back to the data type: exact (they came from data).
template <class D, class CT>
inline D restore(CT v) noexcept {
    if constexpr (is_complex_v<D>) return D{static_cast<part_t<D>>(v.re), static_cast<part_t<D>>(v.im)};
    else return static_cast<D>(v);
}

// n block outputs to the data type.
template <class Ty, class D, class CT>
inline void emit(const CT* y, D* dst, int n, int sf) noexcept {
    using P = part_t<D>;
    constexpr int k = is_complex_v<D> ? 2 : 1;
    const auto* yp = reinterpret_cast<const part_t<CT>*>(y);
    auto* dp = reinterpret_cast<P*>(dst);
    if constexpr (std::is_same_v<CT, D>) {
        std::memcpy(dst, y, sizeof(D) * static_cast<std::size_t>(n));
    } else if constexpr (std::is_same_v<P, float>) {
        zorsConvert_64f32f(yp, dp, k * n);
    } else if constexpr (Ty::block_tie == Tie::even && std::is_same_v<P, Zor16s>) {
        zorsConvert_32f16s_Sfs(yp, dp, k * n, zorRndNear, sf);
    } else if constexpr (Ty::block_tie == Tie::even && std::is_same_v<P, Zor32s>) {
        zorsConvert_64f32s_Sfs(yp, dp, k * n, zorRndNear, sf);
    } else {
        for (int i = 0; i < k * n; ++i) dp[i] = round_scaled<P>(yp[i], sf, Ty::block_tie);
    }
}

// The direct path over a delay buffer d (window d[w .. w + len - 1]) and an
// input of the buffer's type: produce(x, begin, count) computes the outputs
// begin .. begin + count - 1, the first of which has its window at x. Blocks
// up to `lim` samples are filtered wholly inside d; longer ones take their
// first roundup4(len) outputs from d and the rest straight from src, on a
// team when `team` is set. Leaves the new window at d[0 .. len - 1].
template <class E, class Produce>
void window_direct(E* d, int w, int len, int lim, const E* src, int n, bool team, Produce&& produce) {
    const std::size_t bytes = sizeof(E);
    if (n <= lim) {
        std::memcpy(d + w + len, src, bytes * static_cast<std::size_t>(n));
        produce(d + w + 1, 0, n);
        std::memmove(d, d + w + n, bytes * static_cast<std::size_t>(len));
        return;
    }
    const int head = roundup4(len);
    std::memcpy(d + w + len, src, bytes * static_cast<std::size_t>(lim));
    produce(d + w + 1, 0, head);
    std::memcpy(d, src + n - len, bytes * static_cast<std::size_t>(len));
    const E* x = src + head - len + 1;
    par::for_slices(team, n - head, [&](par::Slice s, const par::Team&) {
        if (s.count > 0) produce(x + s.begin, head + s.begin, s.count);
    });
}

// ---------------------------------------------------------------------------
// The state of taps Tap and data Data.
template <class Tap, class Data>
struct State {
    using Ty = FirType<Tap, Data>;
    using CT = Tap;
    using F = Fft<CT>;
    static constexpr std::uint32_t kSr = kind_word(kFirTag, Ty::sr_kind);
    static constexpr std::uint32_t kMr = kind_word(kFirTag, Ty::mr_kind);
    static constexpr bool kFused = !Ty::int_data;
    static constexpr int kInPlaceChunk = 4096;
    static constexpr int kInPlaceFftChunk = Ty::same ? 4096 : 8192;
    static_assert(kInPlaceChunk * sizeof(CT) <= Ty::scratch_bytes);
    static_assert(kInPlaceFftChunk * sizeof(Data) <= Ty::scratch_bytes);
    static constexpr int kRunOutputs = 4096;           // outputs per run of blocks dealt to a thread

    // The documented size of a state (Init's buffer, slack included).
    static std::uint64_t documented_size(std::uint64_t l, std::uint64_t t) {
        if constexpr (Ty::single && !Ty::cplx)
            return 112 + align16(4 * l) + align16(12 * l + 16) + 4 * align16(4 * l) + 16 * t + 16368 + 16;
        else if constexpr (Ty::single)
            return 112 + align16(8 * l) + align16(24 * l + 32) + 12 * align16(8 * l) + 96 + 16 * t + 32752 + 16;
        else if constexpr (!Ty::cplx)
            return 112 + align16(8 * l) + align16(24 * l + 32) + 16 * t + 32752 + 15;
        else
            return 112 + 16 * l + align16(48 * l + 64) + 65536;
    }

    // The pieces every state has.
    struct Base {
        StateLayout lay;
        std::uint32_t taps, dly, quad, scratch;
        explicit Base(int len) {
            const auto l = static_cast<std::uint64_t>(len);
            lay.add(sizeof(FirRec));
            taps = lay.add(l * sizeof(CT));
            dly = lay.add((3 * l + 4) * sizeof(CT));
            quad = Ty::has_quad ? lay.add(16 * l) : 0;
            scratch = lay.add(Ty::scratch_bytes);
        }
    };

    static int team_size() noexcept {
        const int t = par::max_team_size();
        return t < 1 ? 1 : t;
    }

    static int state_size(int len) {
        return size_or_fail(documented_size(static_cast<std::uint64_t>(len), static_cast<std::uint64_t>(team_size())));
    }

    static CT* taps(FirRec* r) { return piece<CT>(r, r->taps); }
    static CT* dly(FirRec* r) { return piece<CT>(r, r->dly); }

    // (Evaluated with the other checks: a null state is the pointer check's.)
    static ZorStatus kind(const void* s, bool multi_rate_too) {
        if (s == nullptr) return zorStsNullPtrErr;
        const std::uint32_t id = object_id(s);
        return id == kSr || (multi_rate_too && id == kMr) ? zorStsNoErr : zorStsContextMatchErr;
    }

    // ---- construction -----------------------------------------------------

    static ZorStatus get_state_size(int len, int* size) {
        ZORS_CHECK(nonnull(size), require(len >= 1, zorStsFIRLenErr));
        const int s = state_size(len);
        ZORS_CHECK(require(s > 0, zorStsFIRLenErr));
        *size = s;
        return zorStsNoErr;
    }

    static void fill(FirRec* r, const Base& b, int len, const Tap* h, const Data* dly_line) {
        r->id = kSr;
        r->taps = b.taps;
        r->dly = b.dly;
        r->len = len;
        r->up_factor = r->down_factor = 1;
        r->short_limit = roundup4(len) + (Ty::cplx ? 0 : 1);
        r->quad = b.quad;
        r->dly_len = len;
        r->scratch = b.scratch;
        r->team = 1;
        if (r->fft == nullptr) r->fft_len = -1;
        store_taps(r, h);
        store_dly(r, dly_line);
    }

    static ZorStatus init(void** pp, const Tap* h, int len, const Data* dly_line, Zor8u* buffer) {
        ZORS_CHECK(nonnull(pp, h, buffer), require(len >= 1, zorStsFIRLenErr), require(state_size(len) > 0, zorStsFIRLenErr));
        const Base b(len);
        auto* r = reinterpret_cast<FirRec*>(state_memory(buffer, b.lay.total()));
        fill(r, b, len, h, dly_line);
        r->owns = 0;
        *pp = r;
        return zorStsNoErr;
    }

    static ZorStatus init_alloc(void** pp, const Tap* h, int len, const Data* dly_line) {
        ZORS_CHECK(nonnull(pp, h), require(len >= 1, zorStsFIRLenErr), require(state_size(len) > 0, zorStsMemAllocErr));
        Base b(len);
        void* spec = nullptr;
        int n = -1, work = 0;
        const int team = team_size();
        if (len >= Ty::fft_min && len < (1 << 28)) {
            int k = 2;
            while ((std::int64_t{1} << k) <= len) ++k;
            typename F::Spec* s = nullptr;
            const ExactFftScope exact(Ty::int_data);  // integer results
            if (F::init(&s, k + 1) == zorStsNoErr && F::buf_size(s, &work) == zorStsNoErr) {
                spec = s;
                n = 1 << (k + 1);
            } else if (s != nullptr) {
                F::release(s);
            }
        }
        // Each thread's block and work buffer start on cache lines, in its
        // own lane (frame/parallel.h).
        std::uint32_t spectrum = 0, blocks = 0, status = 0;
        std::uint64_t lane = 0;
        if (spec != nullptr) {
            const auto nn = static_cast<std::uint64_t>(n), t = static_cast<std::uint64_t>(team);
            spectrum = b.lay.add(nn * sizeof(CT));
            lane = par::lane_stride(align64(nn * sizeof(CT)) + static_cast<std::uint64_t>(work));
            blocks = b.lay.add(par::lanes_bytes(lane, team));
            status = b.lay.add(16 * t);
        }
        auto* r = reinterpret_cast<FirRec*>(state_memory(nullptr, b.lay.total(), blocks));
        if (r == nullptr) {
            if (spec != nullptr) F::release(spec);
            return zorStsMemAllocErr;
        }
        r->fft = spec;
        r->fft_len = n;
        r->spectrum = spectrum;
        r->blocks = blocks;
        r->lane = static_cast<std::uint32_t>(lane);
        r->work_size = static_cast<std::int32_t>(work);
        r->status = status;
        fill(r, b, len, h, dly_line);
        r->team = team;
        r->owns = 1;
        *pp = r;
        return zorStsNoErr;
    }

    static ZorStatus release(void* s) {
        ZORS_CHECK(nonnull(s), kind(s, true));
        auto* r = static_cast<FirRec*>(s);
        if (r->owns != 1) return zorStsNoErr;
        if (r->fft != nullptr) Fft<CT>::release(r->fft);
        r->id = 0;
        aligned_free(r);
        return zorStsNoErr;
    }

    // ---- taps and delay line ----------------------------------------------

    // A work buffer for the transforms (never null).
    static CT* block_buf(FirRec* r, int t) {
        return reinterpret_cast<CT*>(piece<Zor8u>(r, r->blocks) + par::lane_at(r->lane, t));
    }
    static Zor8u* work_buf(FirRec* r, int t) {
        return reinterpret_cast<Zor8u*>(block_buf(r, t)) + align64(sizeof(CT) * static_cast<std::uint64_t>(r->fft_len));
    }

    static ZorStatus store_taps(FirRec* r, const Tap* h) {
        const int len = r->len;
        CT* t = taps(r);
        for (int i = 0; i < len; ++i) t[i] = h[len - 1 - i];
        if (r->id == kMr) {
            mr_taps<CT>(plan(r), [h](int i) { return h[i]; });
            return zorStsNoErr;
        }
        if constexpr (Ty::has_quad) {
            float* q = piece<float>(r, r->quad);
            for (int i = 0; i < len; ++i) q[4 * i] = q[4 * i + 1] = q[4 * i + 2] = q[4 * i + 3] = h[i];
        }
        if (r->fft == nullptr || r->fft_len < 0) return zorStsNoErr;
        CT* spec = piece<CT>(r, r->spectrum);
        std::memcpy(spec, h, sizeof(CT) * static_cast<std::size_t>(len));
        std::memset(static_cast<void*>(spec + len), 0, sizeof(CT) * static_cast<std::size_t>(r->fft_len - len));
        const ZorStatus st = F::fwd(spec, spec, r->fft, work_buf(r, 0));
        if (st != zorStsNoErr) r->fft_len = -1;  // no overlap-save path from now on
        return st;
    }

    // The window is dly[0 .. dly_len - 1], newest last (the whole buffer is
    // cleared for single-rate states).
    static void store_dly(FirRec* r, const Data* line) {
        const int len = r->dly_len;
        CT* d = dly(r);
        const std::size_t n = r->id == kMr ? static_cast<std::size_t>(len) : 3 * static_cast<std::size_t>(len) + 4;
        std::memset(static_cast<void*>(d), 0, sizeof(CT) * n);
        if (line != nullptr)
            for (int j = 0; j < len; ++j) d[len - 1 - j] = widen<CT>(line[j]);
        r->dly_index = 0;
    }

    static ZorStatus set_taps(const Tap* h, void* s) {
        ZORS_CHECK(nonnull(h, s), kind(s, true));
        return store_taps(static_cast<FirRec*>(s), h);
    }

    static ZorStatus get_taps(const void* s, Tap* h) {
        ZORS_CHECK(nonnull(s, h), kind(s, true));
        auto* r = const_cast<FirRec*>(static_cast<const FirRec*>(s));
        const CT* t = taps(r);
        for (int i = 0; i < r->len; ++i) h[i] = t[r->len - 1 - i];
        return zorStsNoErr;
    }

    static ZorStatus set_dly(void* s, const Data* line) {
        ZORS_CHECK(nonnull(s), kind(s, true));
        store_dly(static_cast<FirRec*>(s), line);
        return zorStsNoErr;
    }

    static ZorStatus get_dly(const void* s, Data* line) {
        ZORS_CHECK(nonnull(s, line), kind(s, true));
        auto* r = const_cast<FirRec*>(static_cast<const FirRec*>(s));
        const CT* w = dly(r) + r->dly_index;
        for (int j = 0; j < r->dly_len; ++j) line[j] = restore<Data>(w[r->dly_len - 1 - j]);
        return zorStsNoErr;
    }

    // ---- filtering --------------------------------------------------------

    // Direct path, data of the taps' type: read the input in place.
    static void direct_same(FirRec* r, const CT* src, CT* dst, int n) {
        const FirDotFn<CT> dot = fir_dot<CT>(kFused);
        const CT* t = taps(r);
        const int len = r->len;
        window_direct(dly(r), r->dly_index, len, r->short_limit, src, n, n > Ty::par_threshold,
                      [&](const CT* x, int begin, int count) { dot(x, t, len, dst + begin, count); });
        r->dly_index = 0;
    }

    // Direct path, other data types: converted chunks after the window, in
    // a buffer on the stack (or in the delay buffer for long filters).
    static void direct_mixed(FirRec* r, const Data* src, Data* dst, int n, int sf) {
        constexpr int kExt = 8192 / sizeof(CT), kTile = 256;
        alignas(64) CT ext_stack[kExt];
        alignas(64) CT y[kTile];
        const int len = r->len;
        const FirDotFn<CT> dot = fir_dot<CT>(kFused);
        const CT* t = taps(r);
        CT* d = dly(r);
        const std::size_t bytes = sizeof(CT);
        const bool on_stack = len + kTile <= kExt;
        CT* e = on_stack ? ext_stack : d;
        const int cap = on_stack ? kExt : 3 * len + 4;
        std::memmove(e, d + r->dly_index, bytes * static_cast<std::size_t>(len));
        for (int pos = 0; pos < n;) {
            const int k = n - pos < cap - len ? n - pos : cap - len;
            widen_n(src + pos, e + len, k);
            for (int j = 0; j < k; j += kTile) {
                const int c = k - j < kTile ? k - j : kTile;
                dot(e + 1 + j, t, len, y, c);
                emit<Ty>(y, dst + pos + j, c, sf);
            }
            std::memmove(e, e + k, bytes * static_cast<std::size_t>(len));
            pos += k;
        }
        if (on_stack) std::memcpy(d, e, bytes * static_cast<std::size_t>(len));
        r->dly_index = 0;
    }

    // One overlap-save block b into buffer `buf`, outputs to dst.
    static ZorStatus fft_block(FirRec* r, const Data* src, Data* dst, int n, int b, int thread, int sf) {
        const int len = r->len, nn = r->fft_len, m = nn - len + 1;
        CT* buf = block_buf(r, thread);
        Zor8u* work = work_buf(r, thread);
        const std::size_t bytes = sizeof(CT);
        const int out0 = b * m, cnt = n - out0 < m ? n - out0 : m;
        ZorStatus st;
        if (b == 0) {
            CT* d = dly(r);
            std::memcpy(buf, d + r->dly_index + 1, bytes * static_cast<std::size_t>(len - 1));
            const int take = n < m ? n : m;
            widen_n(src, buf + len - 1, take);
            std::memset(static_cast<void*>(buf + len - 1 + take), 0, bytes * static_cast<std::size_t>(m - take));
            // The new history, before any later block is computed.
            if (n >= len) {
                widen_n(src + n - len, d, len);
            } else {
                std::memmove(d, d + r->dly_index + n, bytes * static_cast<std::size_t>(len - n));
                widen_n(src, d + len - n, n);
            }
            r->dly_index = 0;
            st = F::fwd(buf, buf, r->fft, work);
        } else {
            const int start = out0 - (len - 1);
            if (Ty::same && start + nn <= n) {
                st = F::fwd(reinterpret_cast<const CT*>(src) + start, buf, r->fft, work);
            } else {
                const int avail = n - start < nn ? n - start : nn;
                widen_n(src + start, buf, avail);
                std::memset(static_cast<void*>(buf + avail), 0, bytes * static_cast<std::size_t>(nn - avail));
                st = F::fwd(buf, buf, r->fft, work);
            }
        }
        if (st == zorStsNoErr) st = F::mul(piece<CT>(r, r->spectrum), buf, nn);
        if (st == zorStsNoErr) st = F::inv(buf, buf, r->fft, work);
        if (st == zorStsNoErr) emit<Ty>(buf + len - 1, dst + out0, cnt, sf);
        return st;
    }

    static ZorStatus fft_path(FirRec* r, const Data* src, Data* dst, int n, int sf) {
        const int m = r->fft_len - r->len + 1;
        const int nblocks = static_cast<int>((static_cast<std::int64_t>(n) + m - 1) / m);
        if (n <= Ty::par_threshold) {
            for (int b = 0; b < nblocks; ++b)
                if (const ZorStatus st = fft_block(r, src, dst, n, b, 0, sf)) return st;
            return zorStsNoErr;
        }
        auto* slots = piece<ZorStatus>(r, r->status);
        int team_size = 1;
        par::run_capped(true, r->team, [&](const par::Team& team) {
            if (team.master()) team_size = team.size();
            ZorStatus worst = zorStsNoErr;
            // Runs of blocks covering at least kRunOutputs outputs (or an
            // equal share when there are fewer) are dealt round-robin: with
            // single short blocks, every block boundary put a cache line of
            // the output in both threads' hands.
            const int per_thread = (nblocks + team.size() - 1) / team.size();
            const int want = (kRunOutputs + m - 1) / m;
            const int run = want < per_thread ? want : per_thread, step = run * team.size();
            for (int b0 = team.index() * run; b0 < nblocks; b0 += step) {
                for (int b = b0; b < b0 + run && b < nblocks; ++b) {
                    const ZorStatus st = fft_block(r, src, dst, n, b, team.index(), sf);
                    if (st < worst) worst = st;
                }
            }
            slots[4 * team.index()] = worst;
        });
        ZorStatus worst = zorStsNoErr;
        for (int t = 0; t < team_size; ++t) worst = slots[4 * t] < worst ? slots[4 * t] : worst;
        return worst;
    }

    static bool takes_fft(const FirRec* r, int n) { return r->fft_len > 0 && r->fft_len < n; }

    static ZorStatus run(FirRec* r, const Data* src, Data* dst, int n, int sf) {
        if (takes_fft(r, n)) return fft_path(r, src, dst, n, sf);
        if constexpr (Ty::same) direct_same(r, src, dst, n);
        else direct_mixed(r, src, dst, n, sf);
        return zorStsNoErr;
    }

    static ZorStatus block(const Data* src, Data* dst, int n, void* s, int sf) {
        ZORS_CHECK(nonnull(s, src, dst), positive(n), kind(s, true));
        auto* r = static_cast<FirRec*>(s);
        if (r->id == kMr) {
            mr_run(r, src, dst, n, sf);
            return zorStsNoErr;
        }
        return run(r, src, dst, n, sf);
    }

    // In place: results through the scratch area, chunk by chunk.
    static ZorStatus block_inplace(Data* p, int n, void* s, int sf) {
        ZORS_CHECK(nonnull(s, p), positive(n), kind(s, true));
        auto* r = static_cast<FirRec*>(s);
        if (r->id == kMr) {
            const MrPlan* pl = plan(r);
            return mr_inplace(pl->up, pl->down, p, n, piece<Data>(r, r->scratch),
                              Ty::scratch_bytes / static_cast<int>(sizeof(Data)),
                              [&](const Data* x, Data* y, int k) { mr_run(r, x, y, k, sf); });
        }
        auto* scratch = piece<Data>(r, r->scratch);
        const bool fft = !Ty::same && takes_fft(r, n);
        const int chunk = fft ? kInPlaceFftChunk : kInPlaceChunk;
        for (int pos = 0; pos < n; pos += chunk) {
            const int c = n - pos < chunk ? n - pos : chunk;
            const std::size_t bytes = sizeof(Data) * static_cast<std::size_t>(c);
            ZorStatus st;
            if constexpr (Ty::same) {
                st = run(r, p + pos, scratch, c, sf);
                if (st == zorStsNoErr) std::memcpy(p + pos, scratch, bytes);
            } else if (fft) {
                st = fft_path(r, p + pos, scratch, c, sf);
                if (st == zorStsNoErr) std::memcpy(p + pos, scratch, bytes);
            } else {
                std::memcpy(scratch, p + pos, bytes);
                direct_mixed(r, scratch, p + pos, c, sf);
                st = zorStsNoErr;
            }
            if (st != zorStsNoErr) return st;
        }
        return zorStsNoErr;
    }

    // ---- multi-rate -------------------------------------------------------
    // Layout: record, reversed taps, history (dly_len samples), the plan
    // with the phase-ordered taps, one tile buffer per thread, scratch.
    // Real types take factors 1 and 1 as a single-rate state.

    static std::int32_t mr_strategy_for(int len, int up, int down) {
        if constexpr (std::is_same_v<typename Ty::part, float>) return mr_strategy<float>(len, up, down);
        else return mr_strategy<double>(len, up, down);
    }
    static bool mr_single_rate(int up, int down) { return !Ty::cplx && up == 1 && down == 1; }

    struct MrBase {
        StateLayout lay;
        MrShape shape;
        std::uint32_t taps = 0, dly = 0, plan = 0, bufs = 0, scratch = 0;
        std::uint64_t size = 0;  // with the placement slack; 0 when too large
        MrBase(int len, int up, int down, int team) : shape(mr_shape<CT, CT, CT>(len, up, down, mr_strategy_for(len, up, down))) {
            if (!shape.ok) return;
            lay.add(sizeof(FirRec));
            taps = lay.add(static_cast<std::uint64_t>(len) * sizeof(CT));
            dly = lay.add(static_cast<std::uint64_t>(shape.hist) * sizeof(CT));
            plan = lay.add(shape.plan_bytes);
            bufs = lay.add(static_cast<std::uint64_t>(team) * shape.buf_bytes);
            scratch = lay.add(Ty::scratch_bytes);
            if (lay.total() + 16 <= 0x7FFFFFFFull) size = lay.total() + 16;
        }
    };

    static MrPlan* plan(FirRec* r) { return piece<MrPlan>(r, static_cast<std::uint32_t>(r->mr_index)); }

    static ZorStatus mr_state_size(int len, int up, int down, int* size) {
        ZORS_CHECK(nonnull(size), require(len >= 1, zorStsFIRLenErr), require(up >= 1 && down >= 1, zorStsFIRMRFactorErr));
        if (mr_single_rate(up, down)) return get_state_size(len, size);
        const MrBase b(len, up, down, team_size());
        ZORS_CHECK(require(b.size > 0, zorStsFIRMRFactorErr));
        *size = static_cast<int>(b.size);
        return zorStsNoErr;
    }

    // Init (buffer set) or InitAlloc (buffer null).
    static ZorStatus mr_init(void** pp, const Tap* h, int len, int up, int up_phase, int down, int down_phase,
                             const Data* dly_line, Zor8u* buffer, bool alloc) {
        if (alloc) {
            ZORS_CHECK(nonnull(pp, h), mr_check(len, up, up_phase, down, down_phase));
            if (mr_single_rate(up, down)) return init_alloc(pp, h, len, dly_line);
        } else {
            ZORS_CHECK(nonnull(pp, h, buffer), mr_check(len, up, up_phase, down, down_phase));
            if (mr_single_rate(up, down)) return init(pp, h, len, dly_line, buffer);
        }
        const int team = team_size();
        const MrBase b(len, up, down, team);
        if (b.size == 0) return alloc ? zorStsMemAllocErr : zorStsFIRMRFactorErr;
        auto* r = reinterpret_cast<FirRec*>(state_memory(buffer, b.lay.total()));
        if (r == nullptr) return zorStsMemAllocErr;
        r->id = kMr;
        r->taps = b.taps;
        r->dly = b.dly;
        r->len = len;
        r->up_factor = up;
        r->up_phase = up_phase;
        r->down_factor = down;
        r->down_phase = down_phase;
        r->fft_len = -1;
        r->mr_index = static_cast<std::int32_t>(b.plan);
        r->dly_len = b.shape.hist;
        r->scratch = b.scratch;
        r->team = team;
        r->owns = alloc ? 1 : 0;
        mr_plan(plan(r), b.shape, len, up, up_phase, down, down_phase, team, b.bufs - b.plan);
        store_taps(r, h);
        store_dly(r, dly_line);
        *pp = r;
        return zorStsNoErr;
    }

    static void mr_run(FirRec* r, const Data* src, Data* dst, int n, int sf) {
        MrPlan* pl = plan(r);
        mr_block<CT, CT, CT>(
            pl, fir_dot<CT>(kFused), fir_gather<CT>(kFused), mr_at<std::uint8_t>(pl, pl->bufs), dly(r), src, n, n > Ty::par_threshold,
            [](const Data* x, CT* y, int k) { widen_n(x, y, k); },
            [dst, sf](std::int64_t l, const CT& a) { dst[l] = narrow<Data>(a, sf, Ty::block_tie); }, [dst] {
                if constexpr (std::is_same_v<Data, CT> && !Ty::cplx) {
                    return [dst](std::int64_t l, const CT* rows, int stride, int up, int g) {
                        fir_interleave<CT>()(rows, stride, up, g, dst + l);
                    };
                } else {
                    return nullptr;
                }
            }());
    }

    static ZorStatus one(Data x, Data* y, void* s, int sf) {
        ZORS_CHECK(nonnull(s, y), kind(s, false));
        auto* r = static_cast<FirRec*>(s);
        const int len = r->len;
        CT* d = dly(r);
        int w = r->dly_index;
        d[w] = d[w + len] = widen<CT>(x);
        w = w + 1 == len ? 0 : w + 1;
        r->dly_index = w;
        CT acc;
        fir_dot<CT>(kFused)(d + w, taps(r), len, &acc, 1);
        *y = narrow<Data>(acc, sf, Ty::one_tie);
        return zorStsNoErr;
    }
};

}  // namespace zors::fir

// One line per export. N: the name part (_32f or 32f_16s); S: the state type.
#define ZORS_FIR_STATE_COMMON(N, S, TAP, DATA)                                                          \
    ZorStatus zorsFIRInitAlloc##N(S** pp, const TAP* h, int len, const DATA* d) {                       \
        return zors::fir::State<TAP, DATA>::init_alloc(reinterpret_cast<void**>(pp), h, len, d);         \
    }                                                                                                   \
    ZorStatus zorsFIRInit##N(S** pp, const TAP* h, int len, const DATA* d, Zor8u* b) {                  \
        return zors::fir::State<TAP, DATA>::init(reinterpret_cast<void**>(pp), h, len, d, b);            \
    }                                                                                                   \
    ZorStatus zorsFIRSetTaps##N(const TAP* h, S* s) { return zors::fir::State<TAP, DATA>::set_taps(h, s); } \
    ZorStatus zorsFIRGetTaps##N(const S* s, TAP* h) { return zors::fir::State<TAP, DATA>::get_taps(s, h); } \
    ZorStatus zorsFIRSetDlyLine##N(S* s, const DATA* d) { return zors::fir::State<TAP, DATA>::set_dly(s, d); } \
    ZorStatus zorsFIRGetDlyLine##N(const S* s, DATA* d) { return zors::fir::State<TAP, DATA>::get_dly(s, d); } \
    ZorStatus zorsFIRFree##N(S* s) { return zors::fir::State<TAP, DATA>::release(s); }             \
    ZORS_FIR_MR(N, S, TAP, DATA)

// Floating data: no scale factor.
#define ZORS_FIR_STATE_FLOAT(N, S, TAP, DATA)                                                           \
    ZORS_FIR_STATE_COMMON(N, S, TAP, DATA)                                                              \
    ZorStatus zorsFIR##N(const DATA* x, DATA* y, int n, S* s) { return zors::fir::State<TAP, DATA>::block(x, y, n, s, 0); } \
    ZorStatus zorsFIR##N##_I(DATA* p, int n, S* s) { return zors::fir::State<TAP, DATA>::block_inplace(p, n, s, 0); } \
    ZorStatus zorsFIROne##N(DATA x, DATA* y, S* s) { return zors::fir::State<TAP, DATA>::one(x, y, s, 0); }

// Integer data: scaled.
#define ZORS_FIR_STATE_SCALED(N, S, TAP, DATA)                                                          \
    ZORS_FIR_STATE_COMMON(N, S, TAP, DATA)                                                              \
    ZorStatus zorsFIR##N##_Sfs(const DATA* x, DATA* y, int n, S* s, int sf) {                           \
        return zors::fir::State<TAP, DATA>::block(x, y, n, s, sf);                                      \
    }                                                                                                   \
    ZorStatus zorsFIR##N##_ISfs(DATA* p, int n, S* s, int sf) {                                         \
        return zors::fir::State<TAP, DATA>::block_inplace(p, n, s, sf);                                 \
    }                                                                                                   \
    ZorStatus zorsFIROne##N##_Sfs(DATA x, DATA* y, S* s, int sf) { return zors::fir::State<TAP, DATA>::one(x, y, s, sf); }

#define ZORS_FIR_SIZE(N, TAP, DATA)                                                                     \
    ZorStatus zorsFIRGetStateSize##N(int len, int* size) { return zors::fir::State<TAP, DATA>::get_state_size(len, size); } \
    ZorStatus zorsFIRMRGetStateSize##N(int len, int up, int down, int* size) {                          \
        return zors::fir::State<TAP, DATA>::mr_state_size(len, up, down, size);                         \
    }

// Multi-rate construction.
#define ZORS_FIR_MR(N, S, TAP, DATA)                                                                    \
    ZorStatus zorsFIRMRInitAlloc##N(S** pp, const TAP* h, int len, int u, int up, int d, int dp, const DATA* dl) { \
        return zors::fir::State<TAP, DATA>::mr_init(reinterpret_cast<void**>(pp), h, len, u, up, d, dp, dl, nullptr, true); \
    }                                                                                                   \
    ZorStatus zorsFIRMRInit##N(S** pp, const TAP* h, int len, int u, int up, int d, int dp, const DATA* dl, Zor8u* b) { \
        return zors::fir::State<TAP, DATA>::mr_init(reinterpret_cast<void**>(pp), h, len, u, up, d, dp, dl, b, false); \
    }
