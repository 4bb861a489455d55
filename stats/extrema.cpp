// Max, Min, MinMax, MaxIndx, MinIndx, MinMaxIndx, MaxEvery, MinEvery and
// MaxOrder.
//
// Checks: a null pointer (-8), then len < 1 (-6), with these departures:
// MaxIndx and MinIndx accept a null pIndx (they then act as Max and Min);
// MaxOrder tests len before its pointers.
//
// Extremes: integer types exactly; floating types by ordered comparison, as
// a scan from the first element that takes an element only when it compares
// strictly greater (smaller). Equal zeros of either sign therefore give the
// first one, and a NaN counts only as the first element. The index forms
// report the first occurrence.
//
// MaxOrder: integer types give the bit length of the largest magnitude
// (16 for -32768 in 16s); floating types give the exponent field of the
// largest finite magnitude minus 126 (32f) or 1022 (64f), and return warning
// 9 (zorStsNanArg) after writing when any element is infinite or NaN.
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "frame/check.h"
#include "frame/dispatch.h"
#include "stats/extrema.h"
#include "stats/finish.h"

namespace zors {

ZORS_ISA_TABLE(ExtremaKernels, extrema_kernels)

namespace {

template <class T>
const ScanOps<T>& ops() {
    const ExtremaKernels& k = extrema_kernels();
    if constexpr (std::is_same_v<T, Zor8u>) return k.u8;
    else if constexpr (std::is_same_v<T, Zor16s>) return k.s16;
    else if constexpr (std::is_same_v<T, Zor16u>) return k.u16;
    else if constexpr (std::is_same_v<T, Zor32s>) return k.s32;
    else if constexpr (std::is_same_v<T, Zor32u>) return k.u32;
    else if constexpr (std::is_same_v<T, float>) return k.f32;
    else return k.f64;
}

// The index of the first occurrence of an extreme v. A NaN extreme can only
// come from the first element.
template <class T>
int first_index(const T* x, int len, T v) {
    if (v != v) return 0;
    return static_cast<int>(ops<T>().find(x, static_cast<std::size_t>(len), v));
}

// The element that a sequential scan keeps: for floating types the first of
// equal zeros (the lanes may have met them in another order).
template <class T>
T first_of_equal(const T* x, int len, T v) {
    if constexpr (std::is_floating_point_v<T>) {
        if (v == 0) return x[first_index(x, len, v)];
    }
    (void)x;
    (void)len;
    return v;
}

template <bool IsMax, class T>
T extreme(const T* x, int len) {
    T v;
    if constexpr (IsMax) ops<T>().max(x, static_cast<std::size_t>(len), &v);
    else ops<T>().min(x, static_cast<std::size_t>(len), &v);
    return v;
}

template <bool IsMax, class T>
ZorStatus max_or_min(const T* src, int len, T* dst) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    *dst = first_of_equal(src, len, extreme<IsMax>(src, len));
    return zorStsNoErr;
}

template <class T>
ZorStatus min_max(const T* src, int len, T* mn, T* mx) {
    ZORS_CHECK(nonnull(src, mn, mx), positive(len));
    T lo, hi;
    ops<T>().min_max(src, static_cast<std::size_t>(len), &lo, &hi);
    *mn = first_of_equal(src, len, lo);
    *mx = first_of_equal(src, len, hi);
    return zorStsNoErr;
}

template <bool IsMax, class T>
ZorStatus indexed(const T* src, int len, T* dst, int* index) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    const T v = extreme<IsMax>(src, len);
    const int i = first_index(src, len, v);
    *dst = src[i];
    if (index) *index = i;
    return zorStsNoErr;
}

template <class T>
ZorStatus min_max_indexed(const T* src, int len, T* mn, int* mn_index, T* mx, int* mx_index) {
    ZORS_CHECK(nonnull(src, mn, mn_index, mx, mx_index), positive(len));
    T lo, hi;
    ops<T>().min_max(src, static_cast<std::size_t>(len), &lo, &hi);
    const int i = first_index(src, len, lo), j = first_index(src, len, hi);
    *mn = src[i];
    *mn_index = i;
    *mx = src[j];
    *mx_index = j;
    return zorStsNoErr;
}

template <bool IsMax, class T>
ZorStatus every(const T* src, T* srcdst, int len) {
    ZORS_CHECK(nonnull(src, srcdst), positive(len));
    const ScanOps<T>& k = ops<T>();
    (IsMax ? k.max_every : k.min_every)(src, srcdst, static_cast<std::size_t>(len));
    return zorStsNoErr;
}

// The number of significant bits of m.
template <class U>
int bit_length(U m) {
    int n = 0;
    while (m != 0) {
        ++n;
        m >>= 1;
    }
    return n;
}

template <class T>
ZorStatus max_order(const T* src, int len, int* order) {
    ZORS_CHECK(positive(len), nonnull(src, order));
    const auto n = static_cast<std::size_t>(len);
    if constexpr (std::is_same_v<T, Zor16s>) {
        Zor32s lanes[lanes_of<Zor32s>] = {};
        reduce_kernels().norm_16s.inf.one(src, n, lanes);
        Zor32s m = 0;
        for (Zor32s v : lanes) m = v > m ? v : m;
        *order = bit_length(static_cast<std::uint32_t>(m));
    } else if constexpr (std::is_same_v<T, Zor32s>) {
        *order = bit_length(extrema_kernels().max_abs_32s(src, n));
    } else {
        bool nonfinite = false;
        if constexpr (std::is_same_v<T, float>) {
            const std::uint32_t m =
                extrema_kernels().max_finite_32f(reinterpret_cast<const std::uint32_t*>(src), n, &nonfinite);
            *order = static_cast<int>(m >> 23) - 126;
        } else {
            const std::uint64_t m =
                extrema_kernels().max_finite_64f(reinterpret_cast<const std::uint64_t*>(src), n, &nonfinite);
            *order = static_cast<int>(m >> 52) - 1022;
        }
        if (nonfinite) return zorStsNanArg;
    }
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsMax_16s(const Zor16s* pSrc, int len, Zor16s* pMax) { return max_or_min<true>(pSrc, len, pMax); }
ZorStatus zorsMax_32f(const Zor32f* pSrc, int len, Zor32f* pMax) { return max_or_min<true>(pSrc, len, pMax); }
ZorStatus zorsMax_64f(const Zor64f* pSrc, int len, Zor64f* pMax) { return max_or_min<true>(pSrc, len, pMax); }
ZorStatus zorsMin_16s(const Zor16s* pSrc, int len, Zor16s* pMin) { return max_or_min<false>(pSrc, len, pMin); }
ZorStatus zorsMin_32f(const Zor32f* pSrc, int len, Zor32f* pMin) { return max_or_min<false>(pSrc, len, pMin); }
ZorStatus zorsMin_64f(const Zor64f* pSrc, int len, Zor64f* pMin) { return max_or_min<false>(pSrc, len, pMin); }

ZorStatus zorsMinMax_8u(const Zor8u* pSrc, int len, Zor8u* pMin, Zor8u* pMax) { return min_max(pSrc, len, pMin, pMax); }
ZorStatus zorsMinMax_16s(const Zor16s* pSrc, int len, Zor16s* pMin, Zor16s* pMax) { return min_max(pSrc, len, pMin, pMax); }
ZorStatus zorsMinMax_16u(const Zor16u* pSrc, int len, Zor16u* pMin, Zor16u* pMax) { return min_max(pSrc, len, pMin, pMax); }
ZorStatus zorsMinMax_32s(const Zor32s* pSrc, int len, Zor32s* pMin, Zor32s* pMax) { return min_max(pSrc, len, pMin, pMax); }
ZorStatus zorsMinMax_32u(const Zor32u* pSrc, int len, Zor32u* pMin, Zor32u* pMax) { return min_max(pSrc, len, pMin, pMax); }
ZorStatus zorsMinMax_32f(const Zor32f* pSrc, int len, Zor32f* pMin, Zor32f* pMax) { return min_max(pSrc, len, pMin, pMax); }
ZorStatus zorsMinMax_64f(const Zor64f* pSrc, int len, Zor64f* pMin, Zor64f* pMax) { return min_max(pSrc, len, pMin, pMax); }

ZorStatus zorsMaxIndx_16s(const Zor16s* pSrc, int len, Zor16s* pMax, int* pIndx) { return indexed<true>(pSrc, len, pMax, pIndx); }
ZorStatus zorsMaxIndx_32f(const Zor32f* pSrc, int len, Zor32f* pMax, int* pIndx) { return indexed<true>(pSrc, len, pMax, pIndx); }
ZorStatus zorsMaxIndx_64f(const Zor64f* pSrc, int len, Zor64f* pMax, int* pIndx) { return indexed<true>(pSrc, len, pMax, pIndx); }
ZorStatus zorsMinIndx_16s(const Zor16s* pSrc, int len, Zor16s* pMin, int* pIndx) { return indexed<false>(pSrc, len, pMin, pIndx); }
ZorStatus zorsMinIndx_32f(const Zor32f* pSrc, int len, Zor32f* pMin, int* pIndx) { return indexed<false>(pSrc, len, pMin, pIndx); }
ZorStatus zorsMinIndx_64f(const Zor64f* pSrc, int len, Zor64f* pMin, int* pIndx) { return indexed<false>(pSrc, len, pMin, pIndx); }

ZorStatus zorsMinMaxIndx_8u(const Zor8u* pSrc, int len, Zor8u* pMin, int* pMinIndx, Zor8u* pMax, int* pMaxIndx) { return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx); }
ZorStatus zorsMinMaxIndx_16s(const Zor16s* pSrc, int len, Zor16s* pMin, int* pMinIndx, Zor16s* pMax, int* pMaxIndx) { return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx); }
ZorStatus zorsMinMaxIndx_16u(const Zor16u* pSrc, int len, Zor16u* pMin, int* pMinIndx, Zor16u* pMax, int* pMaxIndx) { return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx); }
ZorStatus zorsMinMaxIndx_32s(const Zor32s* pSrc, int len, Zor32s* pMin, int* pMinIndx, Zor32s* pMax, int* pMaxIndx) { return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx); }
ZorStatus zorsMinMaxIndx_32u(const Zor32u* pSrc, int len, Zor32u* pMin, int* pMinIndx, Zor32u* pMax, int* pMaxIndx) { return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx); }
ZorStatus zorsMinMaxIndx_32f(const Zor32f* pSrc, int len, Zor32f* pMin, int* pMinIndx, Zor32f* pMax, int* pMaxIndx) { return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx); }
ZorStatus zorsMinMaxIndx_64f(const Zor64f* pSrc, int len, Zor64f* pMin, int* pMinIndx, Zor64f* pMax, int* pMaxIndx) { return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx); }

ZorStatus zorsMaxEvery_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len) { return every<true>(pSrc, pSrcDst, len); }
ZorStatus zorsMaxEvery_32s_I(const Zor32s* pSrc, Zor32s* pSrcDst, int len) { return every<true>(pSrc, pSrcDst, len); }
ZorStatus zorsMaxEvery_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return every<true>(pSrc, pSrcDst, len); }
ZorStatus zorsMinEvery_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len) { return every<false>(pSrc, pSrcDst, len); }
ZorStatus zorsMinEvery_32s_I(const Zor32s* pSrc, Zor32s* pSrcDst, int len) { return every<false>(pSrc, pSrcDst, len); }
ZorStatus zorsMinEvery_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return every<false>(pSrc, pSrcDst, len); }

ZorStatus zorsMaxOrder_16s(const Zor16s* pSrc, int len, int* pOrder) { return max_order(pSrc, len, pOrder); }
ZorStatus zorsMaxOrder_32s(const Zor32s* pSrc, int len, int* pOrder) { return max_order(pSrc, len, pOrder); }
ZorStatus zorsMaxOrder_32f(const Zor32f* pSrc, int len, int* pOrder) { return max_order(pSrc, len, pOrder); }
ZorStatus zorsMaxOrder_64f(const Zor64f* pSrc, int len, int* pOrder) { return max_order(pSrc, len, pOrder); }
