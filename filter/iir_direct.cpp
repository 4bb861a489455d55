// Stateless integer IIR filters: 16-bit taps in Q format and a 32-bit delay
// line owned by the caller.
//
// Taps: b0..bN, S, a1..aN (arbitrary order) or b0, b1, b2, S, a1, a2 per
// section, where the a0 slot holds the shift S >= 0 and every coefficient is
// its value divided by 2^S. The delay line (N values, or two per section)
// holds the transposed-form partial sums at the accumulator's scale.
//
// One-sample forms: wrapping 32-bit integer arithmetic; the accumulator is
// divided by 2^S rounding to nearest, ties to even (order 0: half upward),
// the delay line takes the unsaturated value and the output saturates.
// Block forms: a temporary single-precision state with the taps and delay
// line times 2^-S, filtered as 16-bit data with scale factor 0; the delay
// line is written back times 2^S (arbitrary order: rounded to nearest and
// saturated; cascade: truncated toward zero and saturated).
//
// Checks, block arbitrary order: order (-25), nulls (-8), S (-13), len (-6),
// memory (-9); block cascade: numBq (-25), nulls (-8), len (-6), memory
// (-9), then each section's S (-13); one-sample forms: order (-25), nulls
// (-8), S (-13), the cascade checking each S as it reaches the section.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "filter/iir.h"
#include "frame/check.h"
#include "frame/memory.h"
#include "frame/types.h"

namespace zors {

ZorStatus iir_init_32f16s(ZorsIIRState32f_16s** pp, const Zor32f* taps, int n, bool bq, const Zor32f* dly);

ZORS_LEVEL_BEGIN
namespace iirk {
namespace {

inline std::int32_t wrap_mul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
inline std::int32_t wrap_add(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t wrap_sub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// acc / 2^S rounded to nearest, ties to even, in wrapping 32-bit arithmetic.
inline std::int32_t round_even(std::int32_t acc, int S) {
    if (S == 0) return acc;
    if (S > 31) return acc < 0 ? -1 : 0;  // the shift leaves the sign only
    const std::int32_t bias = static_cast<std::int32_t>((std::uint32_t{1} << (S - 1)) - 1);
    const std::int32_t odd = (acc >> S) & 1;
    return wrap_add(wrap_add(acc, bias), odd) >> S;
}
// Order 0: half upward.
inline std::int32_t round_up(std::int32_t acc, int S) {
    if (S == 0) return acc;
    if (S > 31) return acc < 0 ? -1 : 0;
    return wrap_add(acc, static_cast<std::int32_t>(std::uint32_t{1} << (S - 1))) >> S;
}

inline ZorStatus one_arb(Zor16s src, Zor16s* dst, const Zor16s* t, int N, Zor32s* d) {
    ZORS_CHECK(require(N >= 0, zorStsIIROrderErr), nonnull(dst, t, d));
    ZORS_CHECK(require(t[N + 1] >= 0, zorStsScaleRangeErr));
    const int S = t[N + 1];
    const std::int32_t x = src;
    if (N == 0) {
        *dst = saturate<Zor16s>(round_up(wrap_mul(t[0], x), S));
        return zorStsNoErr;
    }
    const Zor16s* a = t + N + 1;  // a[k] = a_k
    const std::int32_t y = round_even(wrap_add(wrap_mul(t[0], x), d[0]), S);
    for (int k = 1; k < N; ++k) d[k - 1] = wrap_add(wrap_sub(wrap_mul(t[k], x), wrap_mul(a[k], y)), d[k]);
    d[N - 1] = wrap_sub(wrap_mul(t[N], x), wrap_mul(a[N], y));
    *dst = saturate<Zor16s>(y);
    return zorStsNoErr;
}

inline ZorStatus one_bq(Zor16s src, Zor16s* dst, const Zor16s* t, int nbq, Zor32s* d) {
    ZORS_CHECK(require(nbq >= 1, zorStsIIROrderErr), nonnull(dst, t, d));
    std::int32_t x = src;
    for (int s = 0; s < nbq; ++s) {
        const Zor16s* q = t + 6 * s;
        Zor32s* e = d + 2 * s;
        ZORS_CHECK(require(q[3] >= 0, zorStsScaleRangeErr));
        const std::int32_t y = round_even(wrap_add(wrap_mul(q[0], x), e[0]), q[3]);
        e[0] = wrap_sub(wrap_add(wrap_mul(q[1], x), e[1]), wrap_mul(q[4], y));
        e[1] = wrap_sub(wrap_mul(q[2], x), wrap_mul(q[5], y));
        x = y;
    }
    *dst = saturate<Zor16s>(x);
    return zorStsNoErr;
}

// The temporary state's taps and delay line: every 16-bit tap and 32-bit
// delay value times 2^-S (per group of `group` taps with its own S at
// `s_at`), a0 = 1. Returns false when some S is negative.
inline bool scaled(const Zor16s* taps, const Zor32s* dly, int groups, int group, int s_at, int dly_per,
                   float* ft, float* fd) {
    for (int g = 0; g < groups; ++g) {
        const int S = taps[g * group + s_at];
        if (S < 0) return false;
        const float k = std::ldexp(1.0f, -S);
        for (int i = 0; i < group; ++i) ft[g * group + i] = i == s_at ? 1.0f : static_cast<float>(taps[g * group + i]) * k;
        if (dly_per > 0) zorsConvert_32s32f_Sfs(dly + g * dly_per, fd + g * dly_per, dly_per, S);
    }
    return true;
}

inline ZorStatus block(const Zor16s* src, Zor16s* dst, int len, const Zor16s* t, int n, Zor32s* d, bool bq) {
    if (bq) {
        ZORS_CHECK(require(n >= 1, zorStsIIROrderErr), nonnull(src, dst, t, d), positive(len));
    } else {
        ZORS_CHECK(require(n >= 0, zorStsIIROrderErr), nonnull(src, dst, t, d));
        ZORS_CHECK(require(t[n + 1] >= 0, zorStsScaleRangeErr), positive(len));
    }
    const std::int64_t ntaps = bq ? 6 * static_cast<std::int64_t>(n) : 2 * static_cast<std::int64_t>(n) + 2;
    const std::int64_t ndly = bq ? 2 * static_cast<std::int64_t>(n) : n;
    auto* ft = static_cast<float*>(aligned_alloc_bytes(static_cast<std::uint64_t>(ntaps + ndly + 1) * sizeof(float)));
    ZORS_CHECK(require(ft != nullptr, zorStsMemAllocErr));
    float* fd = ft + ntaps;
    const bool ok = bq ? scaled(t, d, n, 6, 3, 2, ft, fd) : scaled(t, d, 1, 2 * n + 2, n + 1, n, ft, fd);
    if (!ok) {
        aligned_free(ft);
        return zorStsScaleRangeErr;
    }
    ZorsIIRState32f_16s* st = nullptr;
    const ZorStatus init = iir_init_32f16s(&st, ft, n, bq, fd);
    if (st == nullptr || init != zorStsNoErr) {
        if (st != nullptr) zorsIIRFree32f_16s(st);
        aligned_free(ft);
        return init;
    }
    zorsIIR32f_16s_Sfs(src, dst, len, st, 0);
    if (ndly > 0) zorsIIRGetDlyLine32f_16s(st, fd);
    if (!bq) {
        if (n > 0) zorsConvert_32f32s_Sfs(fd, d, n, zorRndNear, -t[n + 1]);
    } else {
        for (int s = 0; s < n; ++s) {
            const double k = std::ldexp(1.0, t[6 * s + 3]);
            for (int i = 0; i < 2; ++i) {
                const double v = std::trunc(static_cast<double>(fd[2 * s + i]) * k);
                d[2 * s + i] = v != v ? 0 : (v >= 2147483647.0 ? INT32_MAX : (v <= -2147483648.0 ? INT32_MIN : static_cast<Zor32s>(v)));
            }
        }
    }
    zorsIIRFree32f_16s(st);
    aligned_free(ft);
    return zorStsNoErr;
}

}  // namespace
}  // namespace iirk
ZORS_LEVEL_END
}  // namespace zors

using namespace zors::iirk;

ZorStatus zorsIIR_Direct_16s(const Zor16s* pSrc, Zor16s* pDst, int len, const Zor16s* pTaps, int order, Zor32s* pDlyLine) { return block(pSrc, pDst, len, pTaps, order, pDlyLine, false); }
ZorStatus zorsIIR_Direct_16s_I(Zor16s* pSrcDst, int len, const Zor16s* pTaps, int order, Zor32s* pDlyLine) { return block(pSrcDst, pSrcDst, len, pTaps, order, pDlyLine, false); }
ZorStatus zorsIIROne_Direct_16s(Zor16s src, Zor16s* pDstVal, const Zor16s* pTaps, int order, Zor32s* pDlyLine) { return one_arb(src, pDstVal, pTaps, order, pDlyLine); }
ZorStatus zorsIIROne_Direct_16s_I(Zor16s* pSrcDstVal, const Zor16s* pTaps, int order, Zor32s* pDlyLine) { return pSrcDstVal == nullptr ? zorStsNullPtrErr : one_arb(*pSrcDstVal, pSrcDstVal, pTaps, order, pDlyLine); }
ZorStatus zorsIIR_BiQuadDirect_16s(const Zor16s* pSrc, Zor16s* pDst, int len, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine) { return block(pSrc, pDst, len, pTaps, numBq, pDlyLine, true); }
ZorStatus zorsIIR_BiQuadDirect_16s_I(Zor16s* pSrcDst, int len, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine) { return block(pSrcDst, pSrcDst, len, pTaps, numBq, pDlyLine, true); }
ZorStatus zorsIIROne_BiQuadDirect_16s(Zor16s src, Zor16s* pDstVal, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine) { return one_bq(src, pDstVal, pTaps, numBq, pDlyLine); }
ZorStatus zorsIIROne_BiQuadDirect_16s_I(Zor16s* pSrcDstVal, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine) { return pSrcDstVal == nullptr ? zorStsNullPtrErr : one_bq(*pSrcDstVal, pSrcDstVal, pTaps, numBq, pDlyLine); }
