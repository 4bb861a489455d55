// Adaptive LMS filters: the floating state (32f or 16s data, 32f taps), the
// one-sample direct forms and the caller-driven integer multi-rate state.
//
// One floating step on the delay array d (2 * len, mirrored) with index i:
// d[i] = d[i + len] = x, i advances modulo len; y = sum of taps[k] * d[i + k]
// (taps in window order: the last one meets the newest sample), in double
// for fewer than 4 taps, otherwise in single precision with four partial
// sums; 16-bit outputs are rounded to nearest (ties to even) and saturated,
// and the error uses y clamped to the 16-bit range; g = 2 * mu * e and
// taps[k] += g * d[i + k] over the same window. State functions keep taps in
// window order and take and give them in the caller's order (h[0] for the
// newest sample).
//
// Q15 step: s = sum of taps[k] * d[i + k], E = sum of d[i + k]^2 in double;
// y = s / 32768 clamped to 16 bits and output rounded to nearest; unless
// E = 0, taps[k] = round(step * d[i + k] + taps[k]) with
// step = (ref - y) * mu / E (taps saturate to 32 bits).
//
// Multi-rate integer state (delay array of 2 * dlyLen, dlyLen = len * step +
// updateDly): outputs are the 32-bit wrap-around sums of (tap >> 16) times
// the window d[i + updateDly + step - 1 + k * step]; an update with error e
// adds g * u_k (complex: g * conj(u_k)) to every tap, g = (mu * e + 2^14) >> 15,
// over the window updateDly samples older, all in 32-bit wrap-around
// arithmetic.
//
// Checks precede every change: null pointers (-8), lengths (-6), delay
// indices (-24 for the floating forms, -6 when creating a multi-rate state),
// the identifier word (-17), memory (-9). Indices given to SetDlyLine are
// checked too (-24), so that no later call can read outside the state.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "frame/check.h"
#include "frame/memory.h"
#include "frame/scale.h"
#include "frame/state.h"
#include "frame/types.h"

namespace zors::lms {
namespace {

// ---------------------------------------------------------------------------
// Floating step.

// Nearest integer, ties to even, whatever the caller's rounding mode.
inline double round_even(double v) {
    const double f = std::floor(v), d = v - f;
    return d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0) ? f + 1 : f;
}

inline Zor16s round16(float y) {
    const double r = round_even(static_cast<double>(y));
    if (!(r == r)) return 0;
    if (r >= 32767.0) return 32767;
    if (r <= -32768.0) return -32768;
    return static_cast<Zor16s>(r);
}

// One step; D is Zor32f or Zor16s. Returns the output.
template <class D>
D step(D x, D ref, float* taps, int len, float mu, D* d, int& i) {
    d[i] = d[i + len] = x;
    i = i + 1 == len ? 0 : i + 1;
    const D* w = d + i;
    float y;
    if (len < 4) {
        double s = 0;
        for (int k = 0; k < len; ++k) s += static_cast<double>(taps[k]) * static_cast<double>(w[k]);
        y = static_cast<float>(s);
    } else {
        float p[4] = {0, 0, 0, 0};
        int k = 0;
        for (; k + 4 <= len; k += 4)
            for (int j = 0; j < 4; ++j) p[j] += taps[k + j] * static_cast<float>(w[k + j]);
        for (; k < len; ++k) p[k & 3] += taps[k] * static_cast<float>(w[k]);
        y = (p[0] + p[1]) + (p[2] + p[3]);
    }
    D out;
    float e;
    if constexpr (std::is_same_v<D, Zor16s>) {
        out = round16(y);
        const float c = y > 32767.0f ? 32767.0f : y < -32768.0f ? -32768.0f : y;
        e = static_cast<float>(ref) - c;
    } else {
        out = y;
        e = ref - y;
    }
    const float g = 2.0f * mu * e;
    for (int k = 0; k < len; ++k) taps[k] = taps[k] + g * static_cast<float>(w[k]);
    return out;
}

// ---------------------------------------------------------------------------
// Floating state: record, taps (window order), delay array (2 * len).
struct Rec {
    std::uint32_t id;
    std::uint32_t taps;
    std::uint32_t dly;
    std::int32_t index;
    std::int32_t len;
    std::uint32_t stride;  // bytes per delay copy (one copy is kept)
};

template <class D> constexpr std::uint32_t kId = std::is_same_v<D, Zor16s> ? 0x004C4D53u : 0x4C4D5331u;

template <class D>
ZorStatus init_alloc(void** pp, const float* h, int len, const D* dly, int index) {
    ZORS_CHECK(nonnull(pp), positive(len), require(index >= 0 && index < len, zorStsDlyLineIndexErr));
    StateLayout lay;
    lay.add(sizeof(Rec));
    const std::uint32_t ot = lay.add(sizeof(float) * static_cast<std::uint64_t>(len));
    const std::uint32_t od = lay.add(2 * sizeof(D) * static_cast<std::uint64_t>(len));
    auto* mem = state_memory(nullptr, lay.total());
    if (mem == nullptr) return zorStsMemAllocErr;
    Rec* r = reinterpret_cast<Rec*>(mem);
    r->taps = ot;
    r->dly = od;
    r->index = index;
    r->len = len;
    r->stride = static_cast<std::uint32_t>(align16(8 * static_cast<std::uint64_t>(len) + 12) + 4);
    float* t = piece<float>(r, ot);
    for (int k = 0; k < len; ++k) t[k] = h ? h[len - 1 - k] : 0.0f;
    D* d = piece<D>(r, od);
    for (int k = 0; k < len; ++k) d[k] = d[k + len] = dly ? dly[k] : D{};
    r->id = kId<D>;
    *pp = r;
    return zorStsNoErr;
}

template <class D>
inline ZorStatus check_id(const void* s) {
    return require(object_id(s) == kId<D>, zorStsContextMatchErr);
}

template <class D>
ZorStatus filter(const D* x, const D* ref, D* y, int n, float mu, void* s) {
    ZORS_CHECK(nonnull(s, x, ref, y), positive(n));
    ZORS_CHECK(check_id<D>(s));
    Rec* r = static_cast<Rec*>(s);
    float* t = piece<float>(r, r->taps);
    D* d = piece<D>(r, r->dly);
    int i = r->index;
    for (int k = 0; k < n; ++k) y[k] = step<D>(x[k], ref[k], t, r->len, mu, d, i);
    r->index = i;
    return zorStsNoErr;
}

template <class D>
ZorStatus get_taps(const void* s, float* h) {
    ZORS_CHECK(nonnull(s, h));
    ZORS_CHECK(check_id<D>(s));
    const Rec* r = static_cast<const Rec*>(s);
    const float* t = piece<float>(r, r->taps);
    for (int k = 0; k < r->len; ++k) h[k] = t[r->len - 1 - k];
    return zorStsNoErr;
}

template <class D>
ZorStatus set_dly(void* s, const D* dly, int index) {
    ZORS_CHECK(nonnull(s));
    ZORS_CHECK(check_id<D>(s));
    Rec* r = static_cast<Rec*>(s);
    ZORS_CHECK(require(index >= 0 && index < r->len, zorStsDlyLineIndexErr));
    D* d = piece<D>(r, r->dly);
    for (int k = 0; k < r->len; ++k) d[k] = d[k + r->len] = dly ? dly[k] : D{};
    r->index = index;
    return zorStsNoErr;
}

template <class D>
ZorStatus get_dly(const void* s, D* dly, int* index) {
    ZORS_CHECK(nonnull(s, dly, index));
    ZORS_CHECK(check_id<D>(s));
    const Rec* r = static_cast<const Rec*>(s);
    std::memcpy(static_cast<void*>(dly), piece<D>(r, r->dly), sizeof(D) * static_cast<std::size_t>(r->len));
    *index = r->index;
    return zorStsNoErr;
}

ZorStatus release(void* s) {
    if (s != nullptr) {
        std::memset(s, 0, sizeof(std::uint32_t));
        aligned_free(s);
    }
    return zorStsNoErr;
}

template <class D>
ZorStatus one_direct(D x, D ref, D* y, float* taps, int len, float mu, D* d, int* index) {
    ZORS_CHECK(nonnull(taps, d, index, y), positive(len));
    ZORS_CHECK(require(*index >= 0 && *index < len, zorStsDlyLineIndexErr));
    int i = *index;
    *y = step<D>(x, ref, taps, len, mu, d, i);
    *index = i;
    return zorStsNoErr;
}

ZorStatus one_q15(Zor16s x, Zor16s ref, Zor16s* y, Zor32s* taps, int len, int mu, Zor16s* d, int* index) {
    ZORS_CHECK(nonnull(taps, d, index, y), positive(len));
    ZORS_CHECK(require(*index >= 0 && *index < len, zorStsDlyLineIndexErr));
    int i = *index;
    d[i] = d[i + len] = x;
    i = i + 1 == len ? 0 : i + 1;
    const Zor16s* w = d + i;
    double s = 0, e = 0;
    for (int k = 0; k < len; ++k) {
        s += static_cast<double>(taps[k]) * w[k];
        e += static_cast<double>(w[k]) * w[k];
    }
    double v = s / 32768.0;
    v = v > 32767.0 ? 32767.0 : v < -32768.0 ? -32768.0 : v;
    *y = static_cast<Zor16s>(round_even(v));
    if (e != 0) {
        const double st = (static_cast<double>(ref) - v) * mu / e;
        for (int k = 0; k < len; ++k) {
            const double t = round_even(st * w[k] + taps[k]);
            taps[k] = t >= 2147483647.0 ? 2147483647 : t <= -2147483648.0 ? -2147483647 - 1 : static_cast<Zor32s>(t);
        }
    }
    *index = i;
    return zorStsNoErr;
}

// ---------------------------------------------------------------------------
// Multi-rate integer state. C: Zor16s or Zor16sc samples; taps Zor32s or
// Zor32sc.
struct MrRec {
    std::uint32_t id;
    std::uint32_t taps;
    std::uint32_t dly;
    std::int32_t len;
    std::int32_t step;
    std::int32_t dly_len;
    std::int32_t update_dly;
    std::int32_t index;
    std::int32_t mu;
    std::int32_t exponent;
};

template <class C> constexpr bool kCplx = std::is_same_v<C, Zor16sc>;
template <class C> using Tap = std::conditional_t<kCplx<C>, Zor32sc, Zor32s>;
template <class C> constexpr std::uint32_t kMrId = kCplx<C> ? 0x4C4D5343u : 0x4C4D5352u;

inline std::int32_t wrap_add(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t wrap_mul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
inline std::int32_t wrap_sub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
// (mu * e + 2^14) >> 15 in 32-bit arithmetic, the shift arithmetic.
inline std::int32_t gain(std::int32_t mu, std::int32_t e) { return wrap_add(wrap_mul(mu, e), 16384) >> 15; }

template <class C>
inline ZorStatus mr_id(const void* s) { return require(object_id(s) == kMrId<C>, zorStsContextMatchErr); }

template <class C>
void mr_load(MrRec* r, const Tap<C>* h, const C* dly) {
    Tap<C>* t = piece<Tap<C>>(r, r->taps);
    for (int k = 0; k < r->len; ++k) t[k] = h ? h[r->len - 1 - k] : Tap<C>{};
    C* d = piece<C>(r, r->dly);
    for (int k = 0; k < r->dly_len; ++k) d[k] = d[k + r->dly_len] = dly ? dly[k] : C{};
}

template <class C>
ZorStatus mr_init(void** pp, const Tap<C>* h, int len, const C* dly, int index, int step, int update, Zor32s mu) {
    ZORS_CHECK(nonnull(pp), positive(len), positive(step), require(update >= 0, zorStsSizeErr));
    const std::int64_t dly_len = std::int64_t{len} * step + update;
    ZORS_CHECK(require(index >= 0 && index < dly_len, zorStsSizeErr));
    if (dly_len > 0x3FFFFFFF) return zorStsMemAllocErr;
    StateLayout lay;
    lay.add(sizeof(MrRec));
    const std::uint32_t ot = lay.add(sizeof(Tap<C>) * static_cast<std::uint64_t>(len));
    const std::uint32_t od = lay.add(2 * sizeof(C) * static_cast<std::uint64_t>(dly_len));
    auto* mem = state_memory(nullptr, lay.total());
    if (mem == nullptr) return zorStsMemAllocErr;
    MrRec* r = reinterpret_cast<MrRec*>(mem);
    r->taps = ot;
    r->dly = od;
    r->len = len;
    r->step = step;
    r->dly_len = static_cast<std::int32_t>(dly_len);
    r->update_dly = update;
    r->index = index;
    r->mu = mu;
    r->exponent = 0;
    mr_load<C>(r, h, dly);
    r->id = kMrId<C>;
    *pp = r;
    return zorStsNoErr;
}

template <class C>
void mr_put(MrRec* r, C v) {
    C* d = piece<C>(r, r->dly);
    d[r->index] = d[r->index + r->dly_len] = v;
    r->index = r->index + 1 == r->dly_len ? 0 : r->index + 1;
}

template <class C>
Tap<C> mr_out(const MrRec* r) {
    const Tap<C>* t = piece<Tap<C>>(r, r->taps);
    const C* w = piece<C>(r, r->dly) + r->index + r->update_dly + r->step - 1;
    std::int32_t re = 0, im = 0;
    for (int k = 0; k < r->len; ++k) {
        const C v = w[static_cast<std::ptrdiff_t>(k) * r->step];
        if constexpr (kCplx<C>) {
            const std::int32_t a = t[k].re >> 16, b = t[k].im >> 16;
            re = wrap_add(re, wrap_sub(wrap_mul(a, v.re), wrap_mul(b, v.im)));
            im = wrap_add(im, wrap_add(wrap_mul(a, v.im), wrap_mul(b, v.re)));
        } else {
            re = wrap_add(re, wrap_mul(t[k] >> 16, v));
        }
    }
    if constexpr (kCplx<C>) return Zor32sc{re, im};
    else return re;
}

template <class C>
ZorStatus mr_update(MrRec* r, Tap<C> err) {
    Tap<C>* t = piece<Tap<C>>(r, r->taps);
    const C* u = piece<C>(r, r->dly) + r->index + r->step - 1;
    for (int k = 0; k < r->len; ++k) {
        const C v = u[static_cast<std::ptrdiff_t>(k) * r->step];
        if constexpr (kCplx<C>) {
            const std::int32_t gr = gain(r->mu, err.re), gi = gain(r->mu, err.im);
            t[k].re = wrap_add(t[k].re, wrap_add(wrap_mul(v.re, gr), wrap_mul(v.im, gi)));
            t[k].im = wrap_add(t[k].im, wrap_sub(wrap_mul(v.re, gi), wrap_mul(v.im, gr)));
        } else {
            t[k] = wrap_add(t[k], wrap_mul(gain(r->mu, err), v));
        }
    }
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors::lms

using namespace zors;
namespace L = zors::lms;

// Floating state and direct forms.
#define LMS_FLOAT(N, S, D)                                                                                         \
    ZorStatus zorsFIRLMSInitAlloc##N(S** pp, const Zor32f* pTaps, int tapsLen, const D* pDlyLine, int dlyIndex) { \
        return L::init_alloc<D>(reinterpret_cast<void**>(pp), pTaps, tapsLen, pDlyLine, dlyIndex);                 \
    }                                                                                                              \
    ZorStatus zorsFIRLMS##N(const D* pSrc, const D* pRef, D* pDst, int len, Zor32f mu, S* pState) {              \
        return L::filter<D>(pSrc, pRef, pDst, len, mu, pState);                                                   \
    }                                                                                                              \
    ZorStatus zorsFIRLMSGetTaps##N(const S* pState, Zor32f* pTaps) { return L::get_taps<D>(pState, pTaps); }     \
    ZorStatus zorsFIRLMSSetDlyLine##N(S* pState, const D* pDlyLine, int dlyIndex) {                               \
        return L::set_dly<D>(pState, pDlyLine, dlyIndex);                                                        \
    }                                                                                                              \
    ZorStatus zorsFIRLMSGetDlyLine##N(const S* pState, D* pDlyLine, int* pDlyLineIndex) {                         \
        return L::get_dly<D>(pState, pDlyLine, pDlyLineIndex);                                                   \
    }                                                                                                              \
    ZorStatus zorsFIRLMSFree##N(S* pState) { return L::release(pState); }
LMS_FLOAT(_32f, ZorsFIRLMSState_32f, Zor32f)
LMS_FLOAT(32f_16s, ZorsFIRLMSState32f_16s, Zor16s)
#undef LMS_FLOAT

ZorStatus zorsFIRLMSOne_Direct_32f(Zor32f src, Zor32f refVal, Zor32f* pDstVal, Zor32f* pTaps, int tapsLen, Zor32f mu, Zor32f* pDlyLine, int* pDlyLineIndex) {
    return L::one_direct<Zor32f>(src, refVal, pDstVal, pTaps, tapsLen, mu, pDlyLine, pDlyLineIndex);
}
ZorStatus zorsFIRLMSOne_Direct32f_16s(Zor16s src, Zor16s refVal, Zor16s* pDstVal, Zor32f* pTaps, int tapsLen, Zor32f mu, Zor16s* pDlyLine, int* pDlyLineIndex) {
    return L::one_direct<Zor16s>(src, refVal, pDstVal, pTaps, tapsLen, mu, pDlyLine, pDlyLineIndex);
}
ZorStatus zorsFIRLMSOne_DirectQ15_16s(Zor16s src, Zor16s refVal, Zor16s* pDstVal, Zor32s* pTapsQ15, int tapsLen, int muQ15, Zor16s* pDlyLine, int* pDlyLineIndex) {
    return L::one_q15(src, refVal, pDstVal, pTapsQ15, tapsLen, muQ15, pDlyLine, pDlyLineIndex);
}

// Multi-rate integer states.
#define LMS_MR(N, S, C, T)                                                                                              \
    ZorStatus zorsFIRLMSMRInitAlloc##N(S** pp, const T* pTaps, int tapsLen, const C* pDlyLine, int dlyIndex, int dlyStep, \
                                       int updateDly, Zor32s mu) {                                                       \
        return L::mr_init<C>(reinterpret_cast<void**>(pp), pTaps, tapsLen, pDlyLine, dlyIndex, dlyStep, updateDly, mu); \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRFree##N(S* pState) { return L::release(pState); }                                           \
    ZorStatus zorsFIRLMSMRPutVal##N(C val, S* pState) {                                                                 \
        ZORS_CHECK(nonnull(pState));                                                                                    \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        L::mr_put<C>(reinterpret_cast<L::MrRec*>(pState), val);                                                         \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMROne##N(T* pDstVal, S* pState) {                                                               \
        ZORS_CHECK(nonnull(pDstVal, pState));                                                                           \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        *pDstVal = L::mr_out<C>(reinterpret_cast<const L::MrRec*>(pState));                                             \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMROneVal##N(C val, T* pDstVal, S* pState) {                                                     \
        ZORS_CHECK(nonnull(pDstVal, pState));                                                                           \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        L::mr_put<C>(reinterpret_cast<L::MrRec*>(pState), val);                                                         \
        *pDstVal = L::mr_out<C>(reinterpret_cast<const L::MrRec*>(pState));                                             \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRUpdateTaps##N(T errVal, S* pState) {                                                          \
        ZORS_CHECK(nonnull(pState));                                                                                    \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        return L::mr_update<C>(reinterpret_cast<L::MrRec*>(pState), errVal);                                           \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRGetDlyVal##N(const S* pState, C* pDstVal, int index) {                                        \
        ZORS_CHECK(nonnull(pState, pDstVal));                                                                           \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        const auto* r = reinterpret_cast<const L::MrRec*>(pState);                                                      \
        ZORS_CHECK(require(index >= 0 && index <= r->dly_len, zorStsBadArgErr));                                        \
        const std::int64_t at = std::int64_t{r->index} + r->update_dly + r->step + index - 1;                           \
        *pDstVal = piece<C>(r, r->dly)[at % r->dly_len];                                                                \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRSetTaps##N(S* pState, const T* pInTaps) {                                                     \
        ZORS_CHECK(nonnull(pState));                                                                                    \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        auto* r = reinterpret_cast<L::MrRec*>(pState);                                                                  \
        T* t = piece<T>(r, r->taps);                                                                                    \
        for (int k = 0; k < r->len; ++k) t[k] = pInTaps ? pInTaps[r->len - 1 - k] : T{};                              \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRGetTaps##N(const S* pState, T* pOutTaps) {                                                    \
        ZORS_CHECK(nonnull(pState, pOutTaps));                                                                          \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        const auto* r = reinterpret_cast<const L::MrRec*>(pState);                                                      \
        const T* t = piece<T>(r, r->taps);                                                                              \
        for (int k = 0; k < r->len; ++k) pOutTaps[k] = t[r->len - 1 - k];                                               \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRSetDlyLine##N(S* pState, const C* pInDlyLine, int dlyLineIndex) {                             \
        ZORS_CHECK(nonnull(pState));                                                                                    \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        auto* r = reinterpret_cast<L::MrRec*>(pState);                                                                  \
        ZORS_CHECK(require(dlyLineIndex >= 0 && dlyLineIndex < r->dly_len, zorStsDlyLineIndexErr));                     \
        C* d = piece<C>(r, r->dly);                                                                                     \
        for (int k = 0; k < r->dly_len; ++k) d[k] = d[k + r->dly_len] = pInDlyLine ? pInDlyLine[k] : C{};              \
        r->index = dlyLineIndex;                                                                                        \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRGetDlyLine##N(const S* pState, C* pOutDlyLine, int* pOutDlyLineIndex) {                       \
        ZORS_CHECK(nonnull(pState, pOutDlyLine, pOutDlyLineIndex));                                                     \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        const auto* r = reinterpret_cast<const L::MrRec*>(pState);                                                      \
        std::memcpy(static_cast<void*>(pOutDlyLine), piece<C>(r, r->dly), sizeof(C) * static_cast<std::size_t>(r->dly_len)); \
        *pOutDlyLineIndex = r->index;                                                                                   \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRSetMu##N(S* pState, Zor32s mu) {                                                              \
        ZORS_CHECK(nonnull(pState));                                                                                    \
        ZORS_CHECK(L::mr_id<C>(pState));                                                                                \
        reinterpret_cast<L::MrRec*>(pState)->mu = mu;                                                                   \
        return zorStsNoErr;                                                                                             \
    }                                                                                                                   \
    ZorStatus zorsFIRLMSMRGetTapsPointer##N(S* pState, T** ppTaps) {                                                    \
        ZORS_CHECK(nonnull(pState, ppTaps));                                                                            \
        auto* r = reinterpret_cast<L::MrRec*>(pState);                                                                  \
        *ppTaps = piece<T>(r, r->taps);                                                                                 \
        return zorStsNoErr;                                                                                             \
    }
LMS_MR(32s_16s, ZorsFIRLMSMRState32s_16s, Zor16s, Zor32s)
LMS_MR(32sc_16sc, ZorsFIRLMSMRState32sc_16sc, Zor16sc, Zor32sc)
#undef LMS_MR
