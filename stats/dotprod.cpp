// DotProd: the sum of pSrc1[n] * pSrc2[n], without conjugation (complex:
// re = sum(ar*br - ai*bi), im = sum(ai*br + ar*bi)); a real operand
// multiplies both parts of a complex one.
//
// Checks: a null pointer (-8), then len < 1 (-6). No warnings.
//
// Accumulation: 32f, 32fc, 32f32fc in single-precision products and lanes;
// forms with a 64f/64fc result and 64f sources in double; 16-bit sources
// exactly in 64 bits (stored as is for 64s, converted for 32f, scaled for
// the _Sfs forms); 32-bit integer sources as double sums of double products.
//
// Scaling: 16s results limit the factor to 31 and round by the general rule
// (factors below -15 saturate any non-zero sum either way); 16s32s results
// follow the general rule; 32-bit sources scale the double sum by 2^-sf with
// sf limited to -31..93, clamp to the 32-bit range and round to nearest even.
#include <cmath>

#include "frame/check.h"
#include "frame/scale.h"
#include "stats/finish.h"

namespace zors {
namespace {

template <class A, class B, class Acc>
auto dot_fn(const ReduceKernels& k) {
    if constexpr (std::is_same_v<Acc, float>) {
        if constexpr (std::is_same_v<A, Zor32fc>) return k.dot_32fc;
        else if constexpr (std::is_same_v<B, Zor32fc>) return k.dot_32f32fc;
        else return k.dot_32f;
    } else if constexpr (std::is_same_v<Acc, Zor64s>) {
        if constexpr (std::is_same_v<A, Zor16sc>) return k.dot_16sc;
        else if constexpr (std::is_same_v<B, Zor16sc>) return k.dot_16s16sc;
        else return k.dot_16s;
    } else if constexpr (std::is_same_v<part_t<A>, float>) {
        if constexpr (std::is_same_v<A, Zor32fc>) return k.dot_32fc64fc;
        else if constexpr (std::is_same_v<B, Zor32fc>) return k.dot_32f32fc64fc;
        else return k.dot_32f64f;
    } else if constexpr (std::is_same_v<part_t<A>, double>) {
        if constexpr (std::is_same_v<A, Zor64fc>) return k.dot_64fc;
        else if constexpr (std::is_same_v<B, Zor64fc>) return k.dot_64f64fc;
        else return k.dot_64f;
    } else {
        if constexpr (std::is_same_v<A, Zor32sc>) return k.dot_32sc;
        else if constexpr (std::is_same_v<B, Zor32sc>) return k.dot_32s32sc;
        else if constexpr (std::is_same_v<A, Zor16s>) return k.dot_16s32s;
        else return k.dot_32s;
    }
}

template <class Acc, class A, class B>
Total<Acc> dot_total(const A* a, const B* b, int len) {
    constexpr int L = lanes_of<Acc>;
    Acc re[L], im[L];
    dot_fn<A, B, Acc>(reduce_kernels())(a, b, static_cast<std::size_t>(len), re, im);
    if constexpr (is_complex_v<A> || is_complex_v<B>) return {fold(re, L), fold(im, L)};
    else return {fold(re, L), Acc{}};
}

// Floating results and the unscaled integer ones.
template <class Acc, class A, class B, class D>
ZorStatus dot(const A* a, const B* b, int len, D* dst) {
    ZORS_CHECK(nonnull(a, b, dst), positive(len));
    store(dst, dot_total<Acc>(a, b, len));
    return zorStsNoErr;
}

// The scaled forms: `scale` maps one part of the accumulated sum to one
// part of the result.
template <class Acc, class A, class B, class D, class Scale>
ZorStatus dot_scaled(const A* a, const B* b, int len, D* dst, Scale scale) {
    ZORS_CHECK(nonnull(a, b, dst), positive(len));
    const Total<Acc> t = dot_total<Acc>(a, b, len);
    store(dst, Total<part_t<D>>{scale(t.re), scale(t.im)});
    return zorStsNoErr;
}

// Exact 16-bit sums to 16-bit results.
template <class A, class B, class D>
ZorStatus dot_16(const A* a, const B* b, int len, D* dst, int sf) {
    const int s = sf > 31 ? 31 : sf;
    return dot_scaled<Zor64s>(a, b, len, dst, [s](Zor64s v) { return scale_sat<Zor16s>(v, s); });
}

// Exact 16-bit sums to 32-bit results.
template <class A, class B, class D>
ZorStatus dot_32(const A* a, const B* b, int len, D* dst, int sf) {
    return dot_scaled<Zor64s>(a, b, len, dst, [sf](Zor64s v) { return scale_sat<Zor32s>(v, sf); });
}

// Double sums of 32-bit integer products.
template <class A, class B, class D>
ZorStatus dot_32s(const A* a, const B* b, int len, D* dst, int sf) {
    const int s = sf < -31 ? -31 : (sf > 93 ? 93 : sf);
    return dot_scaled<double>(a, b, len, dst, [s](double v) { return round_sat<Zor32s>(std::ldexp(v, -s)); });
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsDotProd_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pDp) { return dot<float>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor32fc* pDp) { return dot<float>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_32f32fc(const Zor32f* pSrc1, const Zor32fc* pSrc2, int len, Zor32fc* pDp) { return dot<float>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_32f64f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor64f* pDp) { return dot<double>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_32fc64fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor64fc* pDp) { return dot<double>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_32f32fc64fc(const Zor32f* pSrc1, const Zor32fc* pSrc2, int len, Zor64fc* pDp) { return dot<double>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pDp) { return dot<double>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64fc* pDp) { return dot<double>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_64f64fc(const Zor64f* pSrc1, const Zor64fc* pSrc2, int len, Zor64fc* pDp) { return dot<double>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_16s64s(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor64s* pDp) { return dot<Zor64s>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_16sc64sc(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor64sc* pDp) { return dot<Zor64s>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_16s16sc64sc(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor64sc* pDp) { return dot<Zor64s>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pDp) { return dot<Zor64s>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_16sc32fc(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor32fc* pDp) { return dot<Zor64s>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_16s16sc32fc(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor32fc* pDp) { return dot<Zor64s>(pSrc1, pSrc2, len, pDp); }
ZorStatus zorsDotProd_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor16s* pDp, int scaleFactor) { return dot_16(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor16sc* pDp, int scaleFactor) { return dot_16(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_16s16sc_Sfs(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor16sc* pDp, int scaleFactor) { return dot_16(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pDp, int scaleFactor) { return dot_32(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_16sc32sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor) { return dot_32(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_16s16sc32sc_Sfs(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor) { return dot_32(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, int len, Zor32s* pDp, int scaleFactor) { return dot_32s(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor) { return dot_32s(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_32s32sc_Sfs(const Zor32s* pSrc1, const Zor32sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor) { return dot_32s(pSrc1, pSrc2, len, pDp, scaleFactor); }
ZorStatus zorsDotProd_16s32s32s_Sfs(const Zor16s* pSrc1, const Zor32s* pSrc2, int len, Zor32s* pDp, int scaleFactor) { return dot_32s(pSrc1, pSrc2, len, pDp, scaleFactor); }
