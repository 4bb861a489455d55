// Buffer primitives: Copy, Move, Set, Zero, Flip, Real, Imag, CplxToReal,
// RealToCplx, Conj, ConjFlip and Join_32f16s_D2L.
//
// Checks: null pointers (-8), then len < 1 (-6). RealToCplx tests pDst, then
// len, then fails with -8 only when both part pointers are null (a null part
// means zeros). Join tests pDst, then the counts, then the channel pointers.
//
// Copy, Move and Zero go through the C library's block moves, which already
// pick the fastest strategy for the size and processor; the other members
// use the dispatched wide bodies of buffer.simd.cpp.
#include <cmath>
#include <cstring>
#include <emmintrin.h>

#include "convert/buffer.h"
#include "frame/check.h"
#include "frame/dispatch.h"
#include "frame/fpenv.h"
#include "frame/types.h"

namespace zors {

ZORS_ISA_TABLE(BufferKernels, buffer_kernels)

namespace {

// The unsigned word of the same size as T.
template <std::size_t N> struct word;
template <> struct word<1> { using type = std::uint8_t; };
template <> struct word<2> { using type = std::uint16_t; };
template <> struct word<4> { using type = std::uint32_t; };
template <> struct word<8> { using type = std::uint64_t; };
template <class T> using word_t = typename word<sizeof(T)>::type;

template <class T>
ZorStatus copy(const T* src, T* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    std::memcpy(dst, src, sizeof(T) * static_cast<std::size_t>(len));
    return zorStsNoErr;
}

template <class T>
ZorStatus move(const T* src, T* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    std::memmove(dst, src, sizeof(T) * static_cast<std::size_t>(len));
    return zorStsNoErr;
}

template <class T>
ZorStatus zero(T* dst, int len) {
    ZORS_CHECK(nonnull(dst), positive(len));
    std::memset(dst, 0, sizeof(T) * static_cast<std::size_t>(len));
    return zorStsNoErr;
}

template <class T>
ZorStatus set(T val, T* dst, int len) {
    ZORS_CHECK(nonnull(dst), positive(len));
    const auto n = static_cast<std::size_t>(len);
    const BufferKernels& k = buffer_kernels();
    if constexpr (sizeof(T) == 16) {
        Bytes16 v;
        std::memcpy(&v, &val, 16);
        k.fill128(v, dst, n);
    } else {
        word_t<T> v;
        std::memcpy(&v, &val, sizeof(T));
        if constexpr (sizeof(T) == 1) k.fill8(v, dst, n);
        if constexpr (sizeof(T) == 2) k.fill16(v, dst, n);
        if constexpr (sizeof(T) == 4) k.fill32(v, dst, n);
        if constexpr (sizeof(T) == 8) k.fill64(v, dst, n);
    }
    return zorStsNoErr;
}

template <class T>
ZorStatus flip(const T* src, T* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    buffer_kernels().flip[size_index(sizeof(T))](src, dst, static_cast<std::size_t>(len));
    return zorStsNoErr;
}

template <class T>
ZorStatus flip_i(T* srcdst, int len) {
    ZORS_CHECK(nonnull(srcdst), positive(len));
    buffer_kernels().flip_i[size_index(sizeof(T))](srcdst, static_cast<std::size_t>(len));
    return zorStsNoErr;
}

// Components to parts (either part may be null inside; the exports check).
template <class P>
void split(const P* src, P* re, P* im, int len) {
    buffer_kernels().split[size_index(sizeof(P)) - 1](src, re, im, static_cast<std::size_t>(len));
}

template <class C, class P = part_t<C>>
ZorStatus real(const C* src, P* re, int len) {
    ZORS_CHECK(nonnull(src, re), positive(len));
    split(reinterpret_cast<const P*>(src), re, static_cast<P*>(nullptr), len);
    return zorStsNoErr;
}

template <class C, class P = part_t<C>>
ZorStatus imag(const C* src, P* im, int len) {
    ZORS_CHECK(nonnull(src, im), positive(len));
    split(reinterpret_cast<const P*>(src), static_cast<P*>(nullptr), im, len);
    return zorStsNoErr;
}

template <class C, class P = part_t<C>>
ZorStatus cplx_to_real(const C* src, P* re, P* im, int len) {
    ZORS_CHECK(nonnull(src, re, im), positive(len));
    split(reinterpret_cast<const P*>(src), re, im, len);
    return zorStsNoErr;
}

template <class P, class C = complex_t<P>>
ZorStatus real_to_cplx(const P* re, const P* im, C* dst, int len) {
    ZORS_CHECK(nonnull(dst), positive(len), not_both_null(re, im));
    buffer_kernels().merge[size_index(sizeof(P)) - 1](re, im, dst, static_cast<std::size_t>(len));
    return zorStsNoErr;
}

template <class C>
void conj_kernel(const C* src, C* dst, int len, bool reverse) {
    const BufferKernels& k = buffer_kernels();
    const auto n = static_cast<std::size_t>(len);
    if constexpr (std::is_same_v<C, Zor16sc>) (reverse ? k.conjflip16sc : k.conj16sc)(src, dst, n);
    if constexpr (std::is_same_v<C, Zor32fc>) (reverse ? k.conjflip32fc : k.conj32fc)(src, dst, n);
    if constexpr (std::is_same_v<C, Zor64fc>) (reverse ? k.conjflip64fc : k.conj64fc)(src, dst, n);
}

template <class C>
ZorStatus conj(const C* src, C* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    conj_kernel(src, dst, len, false);
    return zorStsNoErr;
}

template <class C>
ZorStatus conj_i(C* srcdst, int len) {
    ZORS_CHECK(nonnull(srcdst), positive(len));
    conj_kernel(srcdst, srcdst, len, false);
    return zorStsNoErr;
}

template <class C>
ZorStatus conj_flip(const C* src, C* dst, int len) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    conj_kernel(src, dst, len, true);
    return zorStsNoErr;
}

// One sample of Join: limited to 32767.0 from above (NaN included), converted
// in the current rounding mode (the caller's guard sets nearest), and
// saturated to -32768 from below (the conversion's out-of-range value is the
// most negative integer, so it saturates there too).
inline Zor16s join_sample(float v) {
    if (!(v <= 32767.0f)) return 32767;
    const int i = _mm_cvtss_si32(_mm_set_ss(v));
    return static_cast<Zor16s>(i < -32768 ? -32768 : i);
}

ZorStatus join_32f16s(const Zor32f** channels, int nch, int chan_len, Zor16s* dst) {
    ZORS_CHECK(nonnull(dst), positive(nch), positive(chan_len), nonnull(channels));
    for (int c = 0; c < nch; ++c)
        if (channels[c] == nullptr) return zorStsNullPtrErr;
    MxcsrGuard guard;
    guard.set_rounding(MxcsrGuard::kRoundNearest);
    Zor16s* out = dst;
    for (int k = 0; k < chan_len; ++k)
        for (int c = 0; c < nch; ++c) *out++ = join_sample(channels[c][k]);
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsCopy_8u(const Zor8u* pSrc, Zor8u* pDst, int len) { return copy(pSrc, pDst, len); }
ZorStatus zorsCopy_16s(const Zor16s* pSrc, Zor16s* pDst, int len) { return copy(pSrc, pDst, len); }
ZorStatus zorsCopy_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return copy(pSrc, pDst, len); }
ZorStatus zorsCopy_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return copy(pSrc, pDst, len); }
ZorStatus zorsCopy_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len) { return copy(pSrc, pDst, len); }
ZorStatus zorsCopy_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len) { return copy(pSrc, pDst, len); }
ZorStatus zorsCopy_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len) { return copy(pSrc, pDst, len); }

ZorStatus zorsMove_8u(const Zor8u* pSrc, Zor8u* pDst, int len) { return move(pSrc, pDst, len); }
ZorStatus zorsMove_16s(const Zor16s* pSrc, Zor16s* pDst, int len) { return move(pSrc, pDst, len); }
ZorStatus zorsMove_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return move(pSrc, pDst, len); }
ZorStatus zorsMove_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return move(pSrc, pDst, len); }
ZorStatus zorsMove_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len) { return move(pSrc, pDst, len); }
ZorStatus zorsMove_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len) { return move(pSrc, pDst, len); }
ZorStatus zorsMove_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len) { return move(pSrc, pDst, len); }

ZorStatus zorsSet_8u(Zor8u val, Zor8u* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_16s(Zor16s val, Zor16s* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_32s(Zor32s val, Zor32s* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_64s(Zor64s val, Zor64s* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_32f(Zor32f val, Zor32f* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_64f(Zor64f val, Zor64f* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_16sc(Zor16sc val, Zor16sc* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_32sc(Zor32sc val, Zor32sc* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_64sc(Zor64sc val, Zor64sc* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_32fc(Zor32fc val, Zor32fc* pDst, int len) { return set(val, pDst, len); }
ZorStatus zorsSet_64fc(Zor64fc val, Zor64fc* pDst, int len) { return set(val, pDst, len); }

ZorStatus zorsZero_8u(Zor8u* pDst, int len) { return zero(pDst, len); }
ZorStatus zorsZero_16s(Zor16s* pDst, int len) { return zero(pDst, len); }
ZorStatus zorsZero_32f(Zor32f* pDst, int len) { return zero(pDst, len); }
ZorStatus zorsZero_64f(Zor64f* pDst, int len) { return zero(pDst, len); }
ZorStatus zorsZero_16sc(Zor16sc* pDst, int len) { return zero(pDst, len); }
ZorStatus zorsZero_32fc(Zor32fc* pDst, int len) { return zero(pDst, len); }
ZorStatus zorsZero_64fc(Zor64fc* pDst, int len) { return zero(pDst, len); }

ZorStatus zorsFlip_8u(const Zor8u* pSrc, Zor8u* pDst, int len) { return flip(pSrc, pDst, len); }
ZorStatus zorsFlip_16u(const Zor16u* pSrc, Zor16u* pDst, int len) { return flip(pSrc, pDst, len); }
ZorStatus zorsFlip_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return flip(pSrc, pDst, len); }
ZorStatus zorsFlip_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return flip(pSrc, pDst, len); }
ZorStatus zorsFlip_8u_I(Zor8u* pSrcDst, int len) { return flip_i(pSrcDst, len); }
ZorStatus zorsFlip_16u_I(Zor16u* pSrcDst, int len) { return flip_i(pSrcDst, len); }
ZorStatus zorsFlip_32f_I(Zor32f* pSrcDst, int len) { return flip_i(pSrcDst, len); }
ZorStatus zorsFlip_64f_I(Zor64f* pSrcDst, int len) { return flip_i(pSrcDst, len); }

ZorStatus zorsReal_16sc(const Zor16sc* pSrc, Zor16s* pDstRe, int len) { return real(pSrc, pDstRe, len); }
ZorStatus zorsReal_32fc(const Zor32fc* pSrc, Zor32f* pDstRe, int len) { return real(pSrc, pDstRe, len); }
ZorStatus zorsReal_64fc(const Zor64fc* pSrc, Zor64f* pDstRe, int len) { return real(pSrc, pDstRe, len); }
ZorStatus zorsImag_16sc(const Zor16sc* pSrc, Zor16s* pDstIm, int len) { return imag(pSrc, pDstIm, len); }
ZorStatus zorsImag_32fc(const Zor32fc* pSrc, Zor32f* pDstIm, int len) { return imag(pSrc, pDstIm, len); }
ZorStatus zorsImag_64fc(const Zor64fc* pSrc, Zor64f* pDstIm, int len) { return imag(pSrc, pDstIm, len); }
ZorStatus zorsCplxToReal_16sc(const Zor16sc* pSrc, Zor16s* pDstRe, Zor16s* pDstIm, int len) { return cplx_to_real(pSrc, pDstRe, pDstIm, len); }
ZorStatus zorsCplxToReal_32fc(const Zor32fc* pSrc, Zor32f* pDstRe, Zor32f* pDstIm, int len) { return cplx_to_real(pSrc, pDstRe, pDstIm, len); }
ZorStatus zorsCplxToReal_64fc(const Zor64fc* pSrc, Zor64f* pDstRe, Zor64f* pDstIm, int len) { return cplx_to_real(pSrc, pDstRe, pDstIm, len); }

ZorStatus zorsRealToCplx_16s(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16sc* pDst, int len) { return real_to_cplx(pSrcRe, pSrcIm, pDst, len); }
ZorStatus zorsRealToCplx_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32fc* pDst, int len) { return real_to_cplx(pSrcRe, pSrcIm, pDst, len); }
ZorStatus zorsRealToCplx_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64fc* pDst, int len) { return real_to_cplx(pSrcRe, pSrcIm, pDst, len); }

ZorStatus zorsConj_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len) { return conj(pSrc, pDst, len); }
ZorStatus zorsConj_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len) { return conj(pSrc, pDst, len); }
ZorStatus zorsConj_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len) { return conj(pSrc, pDst, len); }
ZorStatus zorsConj_16sc_I(Zor16sc* pSrcDst, int len) { return conj_i(pSrcDst, len); }
ZorStatus zorsConj_32fc_I(Zor32fc* pSrcDst, int len) { return conj_i(pSrcDst, len); }
ZorStatus zorsConj_64fc_I(Zor64fc* pSrcDst, int len) { return conj_i(pSrcDst, len); }
ZorStatus zorsConjFlip_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len) { return conj_flip(pSrc, pDst, len); }
ZorStatus zorsConjFlip_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len) { return conj_flip(pSrc, pDst, len); }
ZorStatus zorsConjFlip_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len) { return conj_flip(pSrc, pDst, len); }

ZorStatus zorsJoin_32f16s_D2L(const Zor32f** ppSrc, int nChannels, int chanLen, Zor16s* pDst) { return join_32f16s(ppSrc, nChannels, chanLen, pDst); }
