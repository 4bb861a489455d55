// Element-wise arithmetic: Add, Sub, Mul, AddC, SubC, SubCRev, MulC, Sqr,
// Abs, AddProduct.
//
// Integer members compute the exact result and apply the scale rule (round
// to nearest, ties to even, saturate); members without a scale factor use
// factor 0. Sub takes the subtrahend first (Sub(a, b) is b - a), and the
// in-place forms combine pSrcDst with pSrc in that order (pSrcDst - pSrc).
//
// Checks: null pointers (-8), then len < 1 (-6); the complex integer vector
// sums and differences (Add, Sub on 16sc and 32sc) test the length first.
//
// Shortcuts taken after the checks: AddC and SubC with a zero constant and
// factor 0 copy the source (8u, 16s; for 32f and 64f a NaN constant counts
// as zero), and the in-place forms then write nothing. MulC on 16s writes
// zeros for a zero constant and copies for 1 with factor 0; on 32f and 64f
// it copies for a constant equal to 1 or NaN and writes zeros for 0.
//
// The kernels are the dispatched wide bodies of arith.simd.cpp, except the
// 32sc products (sums of two 64-bit products, 65 bits) and AddProduct_32s
// (up to 2^62 + 2^31, beyond the packed rounding step at factor 63); these
// use the frame's scale rule element by element.
#include <cmath>

#include "arith/arith.h"
#include "arith/call.h"
#include "frame/dispatch.h"
#include "frame/scale.h"

namespace zors {

ZORS_ISA_TABLE(ArithKernels, arith_kernels)

namespace {

int kernel(ArithId id, const ElemArgs& x) { return arith_kernels().fn[id](x); }

// d = a op b.
template <ArithId K, class A, class B, class D>
ZorStatus vv(const A* a, const B* b, D* d, int len, int sf = 0) {
    ZORS_CHECK(nonnull(a, b, d), positive(len));
    return finish(kernel(K, elem_args(a, b, d, count(len), sf)), d, len);
}

// Complex integer sums and differences: the real kernel over the 2 * len
// components; the length is tested before the pointers.
template <ArithId K, class C>
ZorStatus vv_parts(const C* a, const C* b, C* d, int len, int sf) {
    ZORS_CHECK(positive(len), nonnull(a, b, d));
    return finish(kernel(K, elem_args(a, b, d, 2 * count(len), sf)), d, len);
}

// d = a op val, or val op a for the reversed kernels.
template <ArithId K, class A, class C, class D>
ZorStatus vc(const A* a, C val, D* d, int len, int sf = 0) {
    ZORS_CHECK(nonnull(a, d), positive(len));
    ElemArgs x = elem_args(a, nullptr, d, count(len), sf);
    put_constant(x.c, val);
    return finish(kernel(K, x), d, len);
}

template <ArithId K, class T, class C>
ZorStatus vc_i(C val, T* sd, int len, int sf = 0) {
    return vc<K>(sd, val, sd, len, sf);
}

// d = f(a).
template <ArithId K, class T>
ZorStatus unary(const T* a, T* d, int len) {
    ZORS_CHECK(nonnull(a, d), positive(len));
    return finish(kernel(K, elem_args(a, nullptr, d, count(len), 0)), d, len);
}

// Whether AddC/SubC with this constant and factor is the identity.
template <class T>
bool adds_nothing(T val, int sf) {
    if constexpr (std::is_same_v<T, Zor8u> || std::is_same_v<T, Zor16s>) return val == 0 && sf == 0;
    else if constexpr (std::is_floating_point_v<T>) return !(val < 0 || val > 0);  // unordered counts as equal
    else return false;
}

template <ArithId K, class T>
ZorStatus addsub_c(const T* a, T val, T* d, int len, int sf = 0) {
    ZORS_CHECK(nonnull(a, d), positive(len));
    if constexpr (has_copy_v<T>)
        if (adds_nothing(val, sf)) return copy_of(a, d, len);
    return vc<K>(a, val, d, len, sf);
}

template <ArithId K, class T>
ZorStatus addsub_c_i(T val, T* sd, int len, int sf = 0) {
    ZORS_CHECK(nonnull(sd), positive(len));
    if (adds_nothing(val, sf)) return zorStsNoErr;
    return vc<K>(sd, val, sd, len, sf);
}

enum class Shortcut { none, copy, zero };

// MulC: 16s writes zeros for 0 and copies for 1 with factor 0; 32f and 64f
// copy for 1 or NaN (unordered counts as equal) and write zeros for 0.
template <class T>
Shortcut mul_shortcut(T val, int sf) {
    if constexpr (std::is_same_v<T, Zor16s>)
        return val == 0 ? Shortcut::zero : (val == 1 && sf == 0 ? Shortcut::copy : Shortcut::none);
    else if constexpr (std::is_floating_point_v<T>)
        return !(val < 1 || val > 1) ? Shortcut::copy : (val == 0 ? Shortcut::zero : Shortcut::none);
    else
        return Shortcut::none;
}

template <ArithId K, class T>
ZorStatus mul_c(const T* a, T val, T* d, int len, int sf = 0) {
    ZORS_CHECK(nonnull(a, d), positive(len));
    switch (mul_shortcut(val, sf)) {
    case Shortcut::copy:
        if constexpr (has_copy_v<T>) return copy_of(a, d, len);
        break;
    case Shortcut::zero: return zero_fill(d, len);
    default: break;
    }
    return vc<K>(a, val, d, len, sf);
}

template <ArithId K, class T>
ZorStatus mul_c_i(T val, T* sd, int len, int sf = 0) {
    ZORS_CHECK(nonnull(sd), positive(len));
    switch (mul_shortcut(val, sf)) {
    case Shortcut::copy: return zorStsNoErr;
    case Shortcut::zero: return zero_fill(sd, len);
    default: return vc<K>(sd, val, sd, len, sf);
    }
}

// The 32sc product: each part is a sum of two 64-bit products (65 bits).
Zor32sc cmul_32sc(Zor32sc a, Zor32sc b, int sf) {
    const std::int64_t rr = std::int64_t{a.re} * b.re, ii = std::int64_t{a.im} * b.im;
    const std::int64_t ri = std::int64_t{a.re} * b.im, ir = std::int64_t{a.im} * b.re;
    return Zor32sc{scale_sat<Zor32s>(wide_sub(rr, ii), sf), scale_sat<Zor32s>(wide_add(ri, ir), sf)};
}

ZorStatus mul_32sc(const Zor32sc* a, const Zor32sc* b, Zor32sc* d, int len, int sf) {
    ZORS_CHECK(nonnull(a, b, d), positive(len));
    for (int i = 0; i < len; ++i) d[i] = cmul_32sc(a[i], b[i], sf);
    return zorStsNoErr;
}

ZorStatus mulc_32sc(const Zor32sc* a, Zor32sc val, Zor32sc* d, int len, int sf) {
    ZORS_CHECK(nonnull(a, d), positive(len));
    for (int i = 0; i < len; ++i) d[i] = cmul_32sc(a[i], val, sf);
    return zorStsNoErr;
}

// pSrcDst + pSrc1 * pSrc2 for 32s: up to 2^62 + 2^31, exact in 64 bits but
// beyond the fast rounding step near factor 63.
ZorStatus addproduct_32s(const Zor32s* a, const Zor32s* b, Zor32s* d, int len, int sf) {
    ZORS_CHECK(nonnull(a, b, d), positive(len));
    for (int i = 0; i < len; ++i) d[i] = scale_sat<Zor32s>(std::int64_t{d[i]} + std::int64_t{a[i]} * b[i], sf);
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsAdd_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor) { return vv<k_add_8u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsAdd_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor) { return vv<k_add_8u>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsAdd_8u16u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor16u* pDst, int len) { return vv<k_add_8u16u>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len) { return vv<k_add_16u>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_16s(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len) { return vv<k_add_16s>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len) { return vv<k_add_16s>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsAdd_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor) { return vv<k_add_16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsAdd_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor) { return vv<k_add_16s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsAdd_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32f* pDst, int len) { return vv<k_add_16s32f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor) { return vv_parts<k_add_16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsAdd_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor) { return vv_parts<k_add_16s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsAdd_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len) { return vv<k_add_32u>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor) { return vv<k_add_32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsAdd_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor) { return vv<k_add_32s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsAdd_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor) { return vv_parts<k_add_32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsAdd_32sc_ISfs(const Zor32sc* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor) { return vv_parts<k_add_32s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsAdd_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len) { return vv<k_add_32f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return vv<k_add_32f>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsAdd_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len) { return vv<k_add_32fc>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len) { return vv<k_add_32fc>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsAdd_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len) { return vv<k_add_64f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len) { return vv<k_add_64f>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsAdd_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len) { return vv<k_add_64fc>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsAdd_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len) { return vv<k_add_64fc>(pSrcDst, pSrc, pSrcDst, len); }

ZorStatus zorsSub_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor) { return vv<k_sub_8u>(pSrc2, pSrc1, pDst, len, scaleFactor); }
ZorStatus zorsSub_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor) { return vv<k_sub_8u>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsSub_16s(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len) { return vv<k_sub_16s>(pSrc2, pSrc1, pDst, len); }
ZorStatus zorsSub_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len) { return vv<k_sub_16s>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsSub_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor) { return vv<k_sub_16s>(pSrc2, pSrc1, pDst, len, scaleFactor); }
ZorStatus zorsSub_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor) { return vv<k_sub_16s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsSub_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32f* pDst, int len) { return vv<k_sub_16s32f>(pSrc2, pSrc1, pDst, len); }
ZorStatus zorsSub_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor) { return vv_parts<k_sub_16s>(pSrc2, pSrc1, pDst, len, scaleFactor); }
ZorStatus zorsSub_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor) { return vv_parts<k_sub_16s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsSub_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor) { return vv<k_sub_32s>(pSrc2, pSrc1, pDst, len, scaleFactor); }
ZorStatus zorsSub_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor) { return vv<k_sub_32s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsSub_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor) { return vv_parts<k_sub_32s>(pSrc2, pSrc1, pDst, len, scaleFactor); }
ZorStatus zorsSub_32sc_ISfs(const Zor32sc* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor) { return vv_parts<k_sub_32s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsSub_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len) { return vv<k_sub_32f>(pSrc2, pSrc1, pDst, len); }
ZorStatus zorsSub_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return vv<k_sub_32f>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsSub_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len) { return vv<k_sub_32fc>(pSrc2, pSrc1, pDst, len); }
ZorStatus zorsSub_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len) { return vv<k_sub_32fc>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsSub_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len) { return vv<k_sub_64f>(pSrc2, pSrc1, pDst, len); }
ZorStatus zorsSub_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len) { return vv<k_sub_64f>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsSub_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len) { return vv<k_sub_64fc>(pSrc2, pSrc1, pDst, len); }
ZorStatus zorsSub_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len) { return vv<k_sub_64fc>(pSrcDst, pSrc, pSrcDst, len); }

ZorStatus zorsMul_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor) { return vv<k_mul_8u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor) { return vv<k_mul_8u>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsMul_8u16u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor16u* pDst, int len) { return vv<k_mul_8u16u>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsMul_16s(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len) { return vv<k_mul_16s>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsMul_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len) { return vv<k_mul_16s>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsMul_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor) { return vv<k_mul_16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor) { return vv<k_mul_16s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsMul_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32f* pDst, int len) { return vv<k_mul_16s32f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsMul_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32s* pDst, int len, int scaleFactor) { return vv<k_mul_16s32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_16u16s_Sfs(const Zor16u* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor) { return vv<k_mul_16u16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor) { return vv<k_mul_16sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor) { return vv<k_mul_16sc>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsMul_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor) { return vv<k_mul_32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor) { return vv<k_mul_32s>(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsMul_32s32sc_Sfs(const Zor32s* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor) { return vv<k_mul_32s32sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_32s32sc_ISfs(const Zor32s* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor) { return vv<k_mul_32s32sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsMul_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor) { return mul_32sc(pSrc1, pSrc2, pDst, len, scaleFactor); }
ZorStatus zorsMul_32sc_ISfs(const Zor32sc* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor) { return mul_32sc(pSrcDst, pSrc, pSrcDst, len, scaleFactor); }
ZorStatus zorsMul_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len) { return vv<k_mul_32f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsMul_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return vv<k_mul_32f>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsMul_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len) { return vv<k_mul_32fc>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsMul_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len) { return vv<k_mul_32fc>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsMul_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len) { return vv<k_mul_64f>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsMul_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len) { return vv<k_mul_64f>(pSrcDst, pSrc, pSrcDst, len); }
ZorStatus zorsMul_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len) { return vv<k_mul_64fc>(pSrc1, pSrc2, pDst, len); }
ZorStatus zorsMul_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len) { return vv<k_mul_64fc>(pSrcDst, pSrc, pSrcDst, len); }

ZorStatus zorsAddC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor) { return addsub_c<k_addc_8u>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsAddC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_addc_8u>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddC_16s_I(Zor16s val, Zor16s* pSrcDst, int len) { return addsub_c_i<k_addc_16s>(val, pSrcDst, len); }
ZorStatus zorsAddC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor) { return addsub_c<k_addc_16s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsAddC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_addc_16s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor) { return addsub_c<k_addc_16sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsAddC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_addc_16sc>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddC_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor) { return addsub_c<k_addc_32s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsAddC_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_addc_32s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddC_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor) { return addsub_c<k_addc_32sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsAddC_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_addc_32sc>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len) { return addsub_c<k_addc_32f>(pSrc, val, pDst, len); }
ZorStatus zorsAddC_32f_I(Zor32f val, Zor32f* pSrcDst, int len) { return addsub_c_i<k_addc_32f>(val, pSrcDst, len); }
ZorStatus zorsAddC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len) { return addsub_c<k_addc_32fc>(pSrc, val, pDst, len); }
ZorStatus zorsAddC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len) { return addsub_c_i<k_addc_32fc>(val, pSrcDst, len); }
ZorStatus zorsAddC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len) { return addsub_c<k_addc_64f>(pSrc, val, pDst, len); }
ZorStatus zorsAddC_64f_I(Zor64f val, Zor64f* pSrcDst, int len) { return addsub_c_i<k_addc_64f>(val, pSrcDst, len); }
ZorStatus zorsAddC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len) { return addsub_c<k_addc_64fc>(pSrc, val, pDst, len); }
ZorStatus zorsAddC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len) { return addsub_c_i<k_addc_64fc>(val, pSrcDst, len); }

ZorStatus zorsSubC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor) { return addsub_c<k_subc_8u>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_subc_8u>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubC_16s_I(Zor16s val, Zor16s* pSrcDst, int len) { return addsub_c_i<k_subc_16s>(val, pSrcDst, len); }
ZorStatus zorsSubC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor) { return addsub_c<k_subc_16s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_subc_16s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor) { return addsub_c<k_subc_16sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_subc_16sc>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubC_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor) { return addsub_c<k_subc_32s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubC_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_subc_32s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubC_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor) { return addsub_c<k_subc_32sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubC_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor) { return addsub_c_i<k_subc_32sc>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len) { return addsub_c<k_subc_32f>(pSrc, val, pDst, len); }
ZorStatus zorsSubC_32f_I(Zor32f val, Zor32f* pSrcDst, int len) { return addsub_c_i<k_subc_32f>(val, pSrcDst, len); }
ZorStatus zorsSubC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len) { return addsub_c<k_subc_32fc>(pSrc, val, pDst, len); }
ZorStatus zorsSubC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len) { return addsub_c_i<k_subc_32fc>(val, pSrcDst, len); }
ZorStatus zorsSubC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len) { return addsub_c<k_subc_64f>(pSrc, val, pDst, len); }
ZorStatus zorsSubC_64f_I(Zor64f val, Zor64f* pSrcDst, int len) { return addsub_c_i<k_subc_64f>(val, pSrcDst, len); }
ZorStatus zorsSubC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len) { return addsub_c<k_subc_64fc>(pSrc, val, pDst, len); }
ZorStatus zorsSubC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len) { return addsub_c_i<k_subc_64fc>(val, pSrcDst, len); }

ZorStatus zorsSubCRev_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor) { return vc<k_subcrev_8u>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubCRev_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor) { return vc_i<k_subcrev_8u>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubCRev_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor) { return vc<k_subcrev_16s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubCRev_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor) { return vc_i<k_subcrev_16s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubCRev_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor) { return vc<k_subcrev_16sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubCRev_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor) { return vc_i<k_subcrev_16sc>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubCRev_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor) { return vc<k_subcrev_32s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubCRev_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor) { return vc_i<k_subcrev_32s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubCRev_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor) { return vc<k_subcrev_32sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsSubCRev_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor) { return vc_i<k_subcrev_32sc>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsSubCRev_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len) { return vc<k_subcrev_32f>(pSrc, val, pDst, len); }
ZorStatus zorsSubCRev_32f_I(Zor32f val, Zor32f* pSrcDst, int len) { return vc_i<k_subcrev_32f>(val, pSrcDst, len); }
ZorStatus zorsSubCRev_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len) { return vc<k_subcrev_32fc>(pSrc, val, pDst, len); }
ZorStatus zorsSubCRev_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len) { return vc_i<k_subcrev_32fc>(val, pSrcDst, len); }
ZorStatus zorsSubCRev_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len) { return vc<k_subcrev_64f>(pSrc, val, pDst, len); }
ZorStatus zorsSubCRev_64f_I(Zor64f val, Zor64f* pSrcDst, int len) { return vc_i<k_subcrev_64f>(val, pSrcDst, len); }
ZorStatus zorsSubCRev_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len) { return vc<k_subcrev_64fc>(pSrc, val, pDst, len); }
ZorStatus zorsSubCRev_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len) { return vc_i<k_subcrev_64fc>(val, pSrcDst, len); }

ZorStatus zorsMulC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor) { return mul_c<k_mulc_8u>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsMulC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor) { return mul_c_i<k_mulc_8u>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsMulC_16s_I(Zor16s val, Zor16s* pSrcDst, int len) { return mul_c_i<k_mulc_16s>(val, pSrcDst, len); }
ZorStatus zorsMulC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor) { return mul_c<k_mulc_16s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsMulC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor) { return mul_c_i<k_mulc_16s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsMulC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor) { return mul_c<k_mulc_16sc>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsMulC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor) { return mul_c_i<k_mulc_16sc>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsMulC_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor) { return mul_c<k_mulc_32s>(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsMulC_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor) { return mul_c_i<k_mulc_32s>(val, pSrcDst, len, scaleFactor); }
ZorStatus zorsMulC_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor) { return mulc_32sc(pSrc, val, pDst, len, scaleFactor); }
ZorStatus zorsMulC_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor) { return mulc_32sc(pSrcDst, val, pSrcDst, len, scaleFactor); }
ZorStatus zorsMulC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len) { return mul_c<k_mulc_32f>(pSrc, val, pDst, len); }
ZorStatus zorsMulC_32f_I(Zor32f val, Zor32f* pSrcDst, int len) { return mul_c_i<k_mulc_32f>(val, pSrcDst, len); }
ZorStatus zorsMulC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len) { return mul_c<k_mulc_32fc>(pSrc, val, pDst, len); }
ZorStatus zorsMulC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len) { return mul_c_i<k_mulc_32fc>(val, pSrcDst, len); }
ZorStatus zorsMulC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len) { return mul_c<k_mulc_64f>(pSrc, val, pDst, len); }
ZorStatus zorsMulC_64f_I(Zor64f val, Zor64f* pSrcDst, int len) { return mul_c_i<k_mulc_64f>(val, pSrcDst, len); }
ZorStatus zorsMulC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len) { return mul_c<k_mulc_64fc>(pSrc, val, pDst, len); }
ZorStatus zorsMulC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len) { return mul_c_i<k_mulc_64fc>(val, pSrcDst, len); }

ZorStatus zorsSqr_8u_Sfs(const Zor8u* pSrc, Zor8u* pDst, int len, int scaleFactor) { return vv<k_mul_8u>(pSrc, pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqr_8u_ISfs(Zor8u* pSrcDst, int len, int scaleFactor) { return vv<k_mul_8u>(pSrcDst, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqr_16u_Sfs(const Zor16u* pSrc, Zor16u* pDst, int len, int scaleFactor) { return vv<k_mul_16u>(pSrc, pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqr_16u_ISfs(Zor16u* pSrcDst, int len, int scaleFactor) { return vv<k_mul_16u>(pSrcDst, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqr_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor) { return vv<k_mul_16s>(pSrc, pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqr_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor) { return vv<k_mul_16s>(pSrcDst, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqr_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, int scaleFactor) { return vv<k_mul_16sc>(pSrc, pSrc, pDst, len, scaleFactor); }
ZorStatus zorsSqr_16sc_ISfs(Zor16sc* pSrcDst, int len, int scaleFactor) { return vv<k_mul_16sc>(pSrcDst, pSrcDst, pSrcDst, len, scaleFactor); }
ZorStatus zorsSqr_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return vv<k_mul_32f>(pSrc, pSrc, pDst, len); }
ZorStatus zorsSqr_32f_I(Zor32f* pSrcDst, int len) { return vv<k_mul_32f>(pSrcDst, pSrcDst, pSrcDst, len); }
ZorStatus zorsSqr_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len) { return vv<k_mul_32fc>(pSrc, pSrc, pDst, len); }
ZorStatus zorsSqr_32fc_I(Zor32fc* pSrcDst, int len) { return vv<k_mul_32fc>(pSrcDst, pSrcDst, pSrcDst, len); }
ZorStatus zorsSqr_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return vv<k_mul_64f>(pSrc, pSrc, pDst, len); }
ZorStatus zorsSqr_64f_I(Zor64f* pSrcDst, int len) { return vv<k_mul_64f>(pSrcDst, pSrcDst, pSrcDst, len); }
ZorStatus zorsSqr_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len) { return vv<k_mul_64fc>(pSrc, pSrc, pDst, len); }
ZorStatus zorsSqr_64fc_I(Zor64fc* pSrcDst, int len) { return vv<k_mul_64fc>(pSrcDst, pSrcDst, pSrcDst, len); }

ZorStatus zorsAbs_16s(const Zor16s* pSrc, Zor16s* pDst, int len) { return unary<k_abs_16s>(pSrc, pDst, len); }
ZorStatus zorsAbs_16s_I(Zor16s* pSrcDst, int len) { return unary<k_abs_16s>(pSrcDst, pSrcDst, len); }
ZorStatus zorsAbs_32s(const Zor32s* pSrc, Zor32s* pDst, int len) { return unary<k_abs_32s>(pSrc, pDst, len); }
ZorStatus zorsAbs_32s_I(Zor32s* pSrcDst, int len) { return unary<k_abs_32s>(pSrcDst, pSrcDst, len); }
ZorStatus zorsAbs_32f(const Zor32f* pSrc, Zor32f* pDst, int len) { return unary<k_abs_32f>(pSrc, pDst, len); }
ZorStatus zorsAbs_32f_I(Zor32f* pSrcDst, int len) { return unary<k_abs_32f>(pSrcDst, pSrcDst, len); }
ZorStatus zorsAbs_64f(const Zor64f* pSrc, Zor64f* pDst, int len) { return unary<k_abs_64f>(pSrc, pDst, len); }
ZorStatus zorsAbs_64f_I(Zor64f* pSrcDst, int len) { return unary<k_abs_64f>(pSrcDst, pSrcDst, len); }

ZorStatus zorsAddProduct_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pSrcDst, int len, int scaleFactor) { return vv<k_addproduct_16s>(pSrc1, pSrc2, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddProduct_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32s* pSrcDst, int len, int scaleFactor) { return vv<k_addproduct_16s32s>(pSrc1, pSrc2, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddProduct_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pSrcDst, int len, int scaleFactor) { return addproduct_32s(pSrc1, pSrc2, pSrcDst, len, scaleFactor); }
ZorStatus zorsAddProduct_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pSrcDst, int len) { return vv<k_addproduct_32f>(pSrc1, pSrc2, pSrcDst, len); }
ZorStatus zorsAddProduct_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pSrcDst, int len) { return vv<k_addproduct_32fc>(pSrc1, pSrc2, pSrcDst, len); }
ZorStatus zorsAddProduct_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pSrcDst, int len) { return vv<k_addproduct_64f>(pSrc1, pSrc2, pSrcDst, len); }
ZorStatus zorsAddProduct_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pSrcDst, int len) { return vv<k_addproduct_64fc>(pSrc1, pSrc2, pSrcDst, len); }
