// Integer-factor resampling without filtering, pre-emphasis and the running
// updates of a 32-bit accumulator.
//
// SampleDown keeps x[p], x[p + factor], ... below srcLen and returns the
// phase at which the next call continues the same decimation (first index
// past the end minus srcLen). SampleUp writes x[i] at i * factor + p and zeros
// elsewhere; its phase is an input only. Factor 1 copies.
// Checks: pointers (-8), srcLen < 1 (-6), factor < 1 (-31), phase outside
// [0, factor) (-30); an up-sampled length beyond the int range gives -6.
//
// Preemphasize: y[0] = x[0] - val * 0, y[n] = x[n] - val * x[n-1] with input
// values, in single precision; 16-bit results saturate to [-32768, 32767],
// then truncate toward zero (NaN gives 0).
//
// UpdateLinear / UpdatePower: in double precision, a <- alpha * a +
// (1 - alpha) * v per sample, v = x >> s (s clamped to [0, 15]) or
// (x * x) >> s in 32-bit integers (s clamped to [0, 31]); the final a is
// stored truncated toward zero and saturated (NaN gives 0). Every hint runs
// the same recurrence.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "frame/check.h"
#include "frame/types.h"

namespace zors::resample {
namespace {

template <class T>
ZorStatus down(const T* x, int len, T* y, int* out_len, int factor, int* phase) {
    if (factor == 1) {
        std::memcpy(static_cast<void*>(y), x, sizeof(T) * static_cast<std::size_t>(len));
        *out_len = len;
        return zorStsNoErr;
    }
    const int p = *phase;
    const std::int64_t count = p < len ? (std::int64_t{len} - 1 - p) / factor + 1 : 0;
    for (std::int64_t i = 0; i < count; ++i) y[i] = x[p + i * factor];
    *out_len = static_cast<int>(count);
    *phase = static_cast<int>(p + count * factor - len);
    return zorStsNoErr;
}

template <class T>
ZorStatus up(const T* x, int len, T* y, int* out_len, int factor, const int* phase) {
    const std::int64_t n = std::int64_t{len} * factor;
    if (n > 0x7FFFFFFF) return zorStsSizeErr;
    if (factor == 1) {
        std::memcpy(static_cast<void*>(y), x, sizeof(T) * static_cast<std::size_t>(len));
    } else {
        const int p = *phase;
        std::memset(static_cast<void*>(y), 0, sizeof(T) * static_cast<std::size_t>(n));
        for (std::int64_t i = 0; i < len; ++i) y[i * factor + p] = x[i];
    }
    *out_len = static_cast<int>(n);
    return zorStsNoErr;
}

inline float emphasized(float cur, float prev, float val) { return cur - val * prev; }

inline Zor16s to_16s(float v) {
    if (!(v == v)) return 0;
    if (v > 32767.0f) return 32767;
    if (v < -32768.0f) return -32768;
    return static_cast<Zor16s>(v);  // truncates toward zero
}

// Backwards, so that every x[n-1] read is still an input value.
template <class T>
void preemphasize(T* x, int len, float val) {
    for (int n = len - 1; n >= 1; --n) {
        const float r = emphasized(static_cast<float>(x[n]), static_cast<float>(x[n - 1]), val);
        if constexpr (std::is_same_v<T, float>) x[n] = r;
        else x[n] = to_16s(r);
    }
    const float r0 = emphasized(static_cast<float>(x[0]), 0.0f, val);
    if constexpr (std::is_same_v<T, float>) x[0] = r0;
    else x[0] = to_16s(r0);
}

template <bool Power>
void update(const Zor16s* x, int len, Zor32s* acc, int shift, Zor16s alpha) {
    const int hi = Power ? 31 : 15;
    const int s = shift < 0 ? 0 : shift > hi ? hi : shift;
    const double al = alpha, be = 1.0 - al;
    double a = *acc;
    for (int n = 0; n < len; ++n) {
        const std::int32_t v = Power ? (std::int32_t{x[n]} * std::int32_t{x[n]}) >> s : std::int32_t{x[n]} >> s;
        a = al * a + be * static_cast<double>(v);
    }
    Zor32s r;
    if (!(a == a)) r = 0;
    else if (a >= 2147483647.0) r = 2147483647;
    else if (a <= -2147483648.0) r = -2147483647 - 1;
    else r = static_cast<Zor32s>(a);
    *acc = r;
}

}  // namespace
}  // namespace zors::resample

using namespace zors;

#define SAMPLE_CHECK()                                                                       \
    ZORS_CHECK(nonnull(pSrc, pDst, pDstLen, pPhase), positive(srcLen),                       \
               require(factor >= 1, zorStsSampleFactorErr));                                  \
    ZORS_CHECK(require(*pPhase >= 0 && *pPhase < factor, zorStsSamplePhaseErr))
#define SAMPLE(S, T)                                                                                           \
    ZorStatus zorsSampleDown_##S(const T* pSrc, int srcLen, T* pDst, int* pDstLen, int factor, int* pPhase) { \
        SAMPLE_CHECK();                                                                                        \
        return resample::down(pSrc, srcLen, pDst, pDstLen, factor, pPhase);                                   \
    }                                                                                                          \
    ZorStatus zorsSampleUp_##S(const T* pSrc, int srcLen, T* pDst, int* pDstLen, int factor, int* pPhase) {   \
        SAMPLE_CHECK();                                                                                        \
        return resample::up(pSrc, srcLen, pDst, pDstLen, factor, pPhase);                                     \
    }
SAMPLE(32f, Zor32f)
SAMPLE(32fc, Zor32fc)
SAMPLE(64f, Zor64f)
SAMPLE(64fc, Zor64fc)
SAMPLE(16s, Zor16s)
SAMPLE(16sc, Zor16sc)
#undef SAMPLE

ZorStatus zorsPreemphasize_32f(Zor32f* pSrcDst, int len, Zor32f val) {
    ZORS_CHECK(nonnull(pSrcDst), positive(len));
    resample::preemphasize(pSrcDst, len, val);
    return zorStsNoErr;
}
ZorStatus zorsPreemphasize_16s(Zor16s* pSrcDst, int len, Zor32f val) {
    ZORS_CHECK(nonnull(pSrcDst), positive(len));
    resample::preemphasize(pSrcDst, len, val);
    return zorStsNoErr;
}

ZorStatus zorsUpdateLinear_16s32s_I(const Zor16s* pSrc, int len, Zor32s* pSrcDst, int srcShiftRight, Zor16s alpha, ZorHintAlgorithm) {
    ZORS_CHECK(nonnull(pSrc, pSrcDst), positive(len));
    resample::update<false>(pSrc, len, pSrcDst, srcShiftRight, alpha);
    return zorStsNoErr;
}
ZorStatus zorsUpdatePower_16s32s_I(const Zor16s* pSrc, int len, Zor32s* pSrcDst, int srcShiftRight, Zor16s alpha, ZorHintAlgorithm) {
    ZORS_CHECK(nonnull(pSrc, pSrcDst), positive(len));
    resample::update<true>(pSrc, len, pSrcDst, srcShiftRight, alpha);
    return zorStsNoErr;
}
