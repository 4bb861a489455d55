// Haar transforms: WTHaarFwd and WTHaarInv for 32f, 64f, 8s, 16s, 32s, 64s
// and the scaled integer forms _Sfs.
//
// Forward, per pair a = x[2i], b = x[2i+1]: floating point high = (b - a) *
// 0.5 and low = a + high; integers low = (a + b)/2 and high = (b - a)/2
// formed exactly and rounded to nearest, ties to even, saturated; _Sfs
// divides by 2^(scaleFactor + 1) instead by the scale-factor rule, and for
// an odd length the last sample becomes the last low value (times
// 2^-scaleFactor). For 32s without scaling, a pair whose halves (b >> 1) -
// (a >> 1) reach 2147483647 gives low = 0 and high = 2147483647.
//
// Inverse: x[2i] = low - high, x[2i+1] = low + high (integers saturated;
// _Sfs times 2^-scaleFactor); an odd length ends with the last low value.
//
// Checks: a null pointer (-8), then len < 1 (-6).
#include <cstdint>
#include <type_traits>

#include "frame/check.h"
#include "frame/scale.h"

namespace zors {
namespace {

template <class T>
ZorStatus haar_fwd(const T* src, int len, T* low, T* high, int sf) {
    ZORS_CHECK(nonnull(src, low, high), positive(len));
    const int pairs = len / 2;
    if constexpr (std::is_floating_point_v<T>) {
        for (int i = 0; i < pairs; ++i) {
            const T a = src[2 * i], b = src[2 * i + 1];
            high[i] = (b - a) * T(0.5);
            low[i] = a + high[i];
        }
        if (len & 1) low[pairs] = src[len - 1];
    } else {
        // Factors beyond the width of the sums give zeros either way.
        const std::int32_t s = sf > 200 ? 200 : sf;
        for (int i = 0; i < pairs; ++i) {
            const std::int64_t a = src[2 * i], b = src[2 * i + 1];
            if constexpr (std::is_same_v<T, Zor32s>) {
                if (s == 0 && (b >> 1) - (a >> 1) == 2147483647) {
                    low[i] = 0;
                    high[i] = 2147483647;
                    continue;
                }
            }
            low[i] = scale_sat<T>(wide_add(a, b), s + 1);
            high[i] = scale_sat<T>(wide_sub(b, a), s + 1);
        }
        if (len & 1) low[pairs] = scale_sat<T>(static_cast<std::int64_t>(src[len - 1]), s);
    }
    return zorStsNoErr;
}

template <class T>
ZorStatus haar_inv(const T* low, const T* high, T* dst, int len, int sf) {
    ZORS_CHECK(nonnull(low, high, dst), positive(len));
    const int pairs = len / 2;
    if constexpr (std::is_floating_point_v<T>) {
        for (int i = 0; i < pairs; ++i) {
            dst[2 * i] = low[i] - high[i];
            dst[2 * i + 1] = low[i] + high[i];
        }
        if (len & 1) dst[len - 1] = low[pairs];
    } else {
        for (int i = 0; i < pairs; ++i) {
            const std::int64_t l = low[i], h = high[i];
            dst[2 * i] = scale_sat<T>(wide_sub(l, h), sf);
            dst[2 * i + 1] = scale_sat<T>(wide_add(l, h), sf);
        }
        if (len & 1) dst[len - 1] = scale_sat<T>(static_cast<std::int64_t>(low[pairs]), sf);
    }
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsWTHaarFwd_32f(const Zor32f* pSrc, int len, Zor32f* pDstLow, Zor32f* pDstHigh) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, 0); }
ZorStatus zorsWTHaarFwd_64f(const Zor64f* pSrc, int len, Zor64f* pDstLow, Zor64f* pDstHigh) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, 0); }
ZorStatus zorsWTHaarFwd_8s(const Zor8s* pSrc, int len, Zor8s* pDstLow, Zor8s* pDstHigh) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, 0); }
ZorStatus zorsWTHaarFwd_16s(const Zor16s* pSrc, int len, Zor16s* pDstLow, Zor16s* pDstHigh) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, 0); }
ZorStatus zorsWTHaarFwd_32s(const Zor32s* pSrc, int len, Zor32s* pDstLow, Zor32s* pDstHigh) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, 0); }
ZorStatus zorsWTHaarFwd_64s(const Zor64s* pSrc, int len, Zor64s* pDstLow, Zor64s* pDstHigh) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, 0); }
ZorStatus zorsWTHaarFwd_8s_Sfs(const Zor8s* pSrc, int len, Zor8s* pDstLow, Zor8s* pDstHigh, int scaleFactor) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, scaleFactor); }
ZorStatus zorsWTHaarFwd_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pDstLow, Zor16s* pDstHigh, int scaleFactor) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, scaleFactor); }
ZorStatus zorsWTHaarFwd_32s_Sfs(const Zor32s* pSrc, int len, Zor32s* pDstLow, Zor32s* pDstHigh, int scaleFactor) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, scaleFactor); }
ZorStatus zorsWTHaarFwd_64s_Sfs(const Zor64s* pSrc, int len, Zor64s* pDstLow, Zor64s* pDstHigh, int scaleFactor) { return haar_fwd(pSrc, len, pDstLow, pDstHigh, scaleFactor); }
ZorStatus zorsWTHaarInv_32f(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, Zor32f* pDst, int len) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, 0); }
ZorStatus zorsWTHaarInv_64f(const Zor64f* pSrcLow, const Zor64f* pSrcHigh, Zor64f* pDst, int len) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, 0); }
ZorStatus zorsWTHaarInv_8s(const Zor8s* pSrcLow, const Zor8s* pSrcHigh, Zor8s* pDst, int len) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, 0); }
ZorStatus zorsWTHaarInv_16s(const Zor16s* pSrcLow, const Zor16s* pSrcHigh, Zor16s* pDst, int len) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, 0); }
ZorStatus zorsWTHaarInv_32s(const Zor32s* pSrcLow, const Zor32s* pSrcHigh, Zor32s* pDst, int len) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, 0); }
ZorStatus zorsWTHaarInv_64s(const Zor64s* pSrcLow, const Zor64s* pSrcHigh, Zor64s* pDst, int len) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, 0); }
ZorStatus zorsWTHaarInv_8s_Sfs(const Zor8s* pSrcLow, const Zor8s* pSrcHigh, Zor8s* pDst, int len, int scaleFactor) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, scaleFactor); }
ZorStatus zorsWTHaarInv_16s_Sfs(const Zor16s* pSrcLow, const Zor16s* pSrcHigh, Zor16s* pDst, int len, int scaleFactor) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, scaleFactor); }
ZorStatus zorsWTHaarInv_32s_Sfs(const Zor32s* pSrcLow, const Zor32s* pSrcHigh, Zor32s* pDst, int len, int scaleFactor) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, scaleFactor); }
ZorStatus zorsWTHaarInv_64s_Sfs(const Zor64s* pSrcLow, const Zor64s* pSrcHigh, Zor64s* pDst, int len, int scaleFactor) { return haar_inv(pSrcLow, pSrcHigh, pDst, len, scaleFactor); }
