// Logical operations, shifts and byte swaps: And, Or, Xor, AndC, OrC, XorC,
// Not, LShiftC, RShiftC, SwapBytes.
//
// Bit patterns only: nothing scales or saturates. Not is XorC with the
// all-ones constant of the type, checks included. Shifts by a count from 0
// to the width - 1 shift each element (right shifts are logical for 8u and
// 16u, arithmetic for 16s and 32s; LShiftC_16s is the 16u shift); a count
// of the width or more gives 0 through the zero fill, except for the signed
// right shifts, which then give the sign of each element (-1 or 0).
//
// Checks: null pointers (-8), then len < 1 (-6), then a negative shift
// count (-32).
#include "arith/call.h"
#include "arith/logic.h"
#include "frame/dispatch.h"

namespace zors {

ZORS_ISA_TABLE(LogicKernels, logic_kernels)

namespace {

int kernel(LogicId id, const ElemArgs& x) { return logic_kernels().fn[id](x); }

template <LogicId K, class T>
ZorStatus vv(const T* a, const T* b, T* d, int len) {
    ZORS_CHECK(nonnull(a, b, d), positive(len));
    return kernel(K, elem_args(a, b, d, sizeof(T) * count(len), 0));
}

template <LogicId K, class T>
ZorStatus vc(const T* a, T val, T* d, int len) {
    ZORS_CHECK(nonnull(a, d), positive(len));
    ElemArgs x = elem_args(a, nullptr, d, count(len), 0);
    put_constant(x.c, val);
    return kernel(K, x);
}

template <LogicId K, class T>
ZorStatus complement(const T* a, T* d, int len) {
    return vc<K>(a, static_cast<T>(~T{0}), d, len);
}

template <LogicId K, class T>
ZorStatus shift(const T* a, int count_bits, T* d, int len) {
    ZORS_CHECK(nonnull(a, d), positive(len), require(count_bits >= 0, zorStsShiftErr));
    constexpr int width = 8 * sizeof(T);
    if (count_bits >= width) {
        if constexpr (std::is_unsigned_v<T>) return zero_fill(d, len);
        count_bits = width - 1;  // the sign fill
    }
    return kernel(K, elem_args(a, nullptr, d, count(len), count_bits));
}

template <LogicId K, class T>
ZorStatus swap(const T* a, T* d, int len) {
    ZORS_CHECK(nonnull(a, d), positive(len));
    return kernel(K, elem_args(a, nullptr, d, count(len), 0));
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsAnd_8u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len) { return vv<k_and_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAnd_8u_I(const Zor8u* pSrc, Zor8u* pSrcDst, int len) { return vv<k_and_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsAnd_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len) { return vv<k_and_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAnd_16u_I(const Zor16u* pSrc, Zor16u* pSrcDst, int len) { return vv<k_and_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsAnd_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len) { return vv<k_and_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAnd_32u_I(const Zor32u* pSrc, Zor32u* pSrcDst, int len) { return vv<k_and_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsAndC_8u(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len) { return vc<k_andc_8u>(pSrc, val, pDst, len); }
ZorStatus zorsAndC_8u_I(Zor8u val, Zor8u* pSrcDst, int len) { return vc<k_andc_8u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsAndC_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len) { return vc<k_andc_16u>(pSrc, val, pDst, len); }
ZorStatus zorsAndC_16u_I(Zor16u val, Zor16u* pSrcDst, int len) { return vc<k_andc_16u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsAndC_32u(const Zor32u* pSrc, Zor32u val, Zor32u* pDst, int len) { return vc<k_andc_32u>(pSrc, val, pDst, len); }
ZorStatus zorsAndC_32u_I(Zor32u val, Zor32u* pSrcDst, int len) { return vc<k_andc_32u>(pSrcDst, val, pSrcDst, len); }

ZorStatus zorsOr_8u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len) { return vv<k_or_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsOr_8u_I(const Zor8u* pSrc, Zor8u* pSrcDst, int len) { return vv<k_or_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsOr_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len) { return vv<k_or_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsOr_16u_I(const Zor16u* pSrc, Zor16u* pSrcDst, int len) { return vv<k_or_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsOr_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len) { return vv<k_or_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsOr_32u_I(const Zor32u* pSrc, Zor32u* pSrcDst, int len) { return vv<k_or_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsOrC_8u(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len) { return vc<k_orc_8u>(pSrc, val, pDst, len); }
ZorStatus zorsOrC_8u_I(Zor8u val, Zor8u* pSrcDst, int len) { return vc<k_orc_8u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsOrC_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len) { return vc<k_orc_16u>(pSrc, val, pDst, len); }
ZorStatus zorsOrC_16u_I(Zor16u val, Zor16u* pSrcDst, int len) { return vc<k_orc_16u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsOrC_32u(const Zor32u* pSrc, Zor32u val, Zor32u* pDst, int len) { return vc<k_orc_32u>(pSrc, val, pDst, len); }
ZorStatus zorsOrC_32u_I(Zor32u val, Zor32u* pSrcDst, int len) { return vc<k_orc_32u>(pSrcDst, val, pSrcDst, len); }

ZorStatus zorsXor_8u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len) { return vv<k_xor_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsXor_8u_I(const Zor8u* pSrc, Zor8u* pSrcDst, int len) { return vv<k_xor_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsXor_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len) { return vv<k_xor_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsXor_16u_I(const Zor16u* pSrc, Zor16u* pSrcDst, int len) { return vv<k_xor_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsXor_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len) { return vv<k_xor_bytes>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsXor_32u_I(const Zor32u* pSrc, Zor32u* pSrcDst, int len) { return vv<k_xor_bytes>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsXorC_8u(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len) { return vc<k_xorc_8u>(pSrc, val, pDst, len); }
ZorStatus zorsXorC_8u_I(Zor8u val, Zor8u* pSrcDst, int len) { return vc<k_xorc_8u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsXorC_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len) { return vc<k_xorc_16u>(pSrc, val, pDst, len); }
ZorStatus zorsXorC_16u_I(Zor16u val, Zor16u* pSrcDst, int len) { return vc<k_xorc_16u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsXorC_32u(const Zor32u* pSrc, Zor32u val, Zor32u* pDst, int len) { return vc<k_xorc_32u>(pSrc, val, pDst, len); }
ZorStatus zorsXorC_32u_I(Zor32u val, Zor32u* pSrcDst, int len) { return vc<k_xorc_32u>(pSrcDst, val, pSrcDst, len); }

ZorStatus zorsNot_8u(const Zor8u* pSrc, Zor8u* pDst, int len) { return complement<k_xorc_8u>(pSrc, pDst, len); }
ZorStatus zorsNot_8u_I(Zor8u* pSrcDst, int len) { return complement<k_xorc_8u>(pSrcDst, pSrcDst, len); }
ZorStatus zorsNot_16u(const Zor16u* pSrc, Zor16u* pDst, int len) { return complement<k_xorc_16u>(pSrc, pDst, len); }
ZorStatus zorsNot_16u_I(Zor16u* pSrcDst, int len) { return complement<k_xorc_16u>(pSrcDst, pSrcDst, len); }
ZorStatus zorsNot_32u(const Zor32u* pSrc, Zor32u* pDst, int len) { return complement<k_xorc_32u>(pSrc, pDst, len); }
ZorStatus zorsNot_32u_I(Zor32u* pSrcDst, int len) { return complement<k_xorc_32u>(pSrcDst, pSrcDst, len); }

ZorStatus zorsLShiftC_8u(const Zor8u* pSrc, int val, Zor8u* pDst, int len) { return shift<k_lshift_8u>(pSrc, val, pDst, len); }
ZorStatus zorsLShiftC_8u_I(int val, Zor8u* pSrcDst, int len) { return shift<k_lshift_8u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsLShiftC_16u(const Zor16u* pSrc, int val, Zor16u* pDst, int len) { return shift<k_lshift_16u>(pSrc, val, pDst, len); }
ZorStatus zorsLShiftC_16u_I(int val, Zor16u* pSrcDst, int len) { return shift<k_lshift_16u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsLShiftC_16s(const Zor16s* pSrc, int val, Zor16s* pDst, int len) { return shift<k_lshift_16u>(reinterpret_cast<const Zor16u*>(pSrc), val, reinterpret_cast<Zor16u*>(pDst), len); }
ZorStatus zorsLShiftC_16s_I(int val, Zor16s* pSrcDst, int len) { return shift<k_lshift_16u>(reinterpret_cast<const Zor16u*>(pSrcDst), val, reinterpret_cast<Zor16u*>(pSrcDst), len); }
ZorStatus zorsLShiftC_32s(const Zor32s* pSrc, int val, Zor32s* pDst, int len) { return shift<k_lshift_32u>(reinterpret_cast<const Zor32u*>(pSrc), val, reinterpret_cast<Zor32u*>(pDst), len); }
ZorStatus zorsLShiftC_32s_I(int val, Zor32s* pSrcDst, int len) { return shift<k_lshift_32u>(reinterpret_cast<const Zor32u*>(pSrcDst), val, reinterpret_cast<Zor32u*>(pSrcDst), len); }

ZorStatus zorsRShiftC_8u(const Zor8u* pSrc, int val, Zor8u* pDst, int len) { return shift<k_rshift_8u>(pSrc, val, pDst, len); }
ZorStatus zorsRShiftC_8u_I(int val, Zor8u* pSrcDst, int len) { return shift<k_rshift_8u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsRShiftC_16u(const Zor16u* pSrc, int val, Zor16u* pDst, int len) { return shift<k_rshift_16u>(pSrc, val, pDst, len); }
ZorStatus zorsRShiftC_16u_I(int val, Zor16u* pSrcDst, int len) { return shift<k_rshift_16u>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsRShiftC_16s(const Zor16s* pSrc, int val, Zor16s* pDst, int len) { return shift<k_rshift_16s>(pSrc, val, pDst, len); }
ZorStatus zorsRShiftC_16s_I(int val, Zor16s* pSrcDst, int len) { return shift<k_rshift_16s>(pSrcDst, val, pSrcDst, len); }
ZorStatus zorsRShiftC_32s(const Zor32s* pSrc, int val, Zor32s* pDst, int len) { return shift<k_rshift_32s>(pSrc, val, pDst, len); }
ZorStatus zorsRShiftC_32s_I(int val, Zor32s* pSrcDst, int len) { return shift<k_rshift_32s>(pSrcDst, val, pSrcDst, len); }

ZorStatus zorsSwapBytes_16u(const Zor16u* pSrc, Zor16u* pDst, int len) { return swap<k_swap_16u>(pSrc, pDst, len); }
ZorStatus zorsSwapBytes_16u_I(Zor16u* pSrcDst, int len) { return swap<k_swap_16u>(pSrcDst, pSrcDst, len); }
ZorStatus zorsSwapBytes_24u(const Zor8u* pSrc, Zor8u* pDst, int len) { return swap<k_swap_24u>(pSrc, pDst, len); }
ZorStatus zorsSwapBytes_24u_I(Zor8u* pSrcDst, int len) { return swap<k_swap_24u>(pSrcDst, pSrcDst, len); }
ZorStatus zorsSwapBytes_32u(const Zor32u* pSrc, Zor32u* pDst, int len) { return swap<k_swap_32u>(pSrc, pDst, len); }
ZorStatus zorsSwapBytes_32u_I(Zor32u* pSrcDst, int len) { return swap<k_swap_32u>(pSrcDst, pSrcDst, len); }
