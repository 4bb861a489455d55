// Reference models of the element-wise arithmetic, written from the
// definitions: exact results in long double (every integer below 2^64 is
// exact there), then the scale rule of scale_ref.h per component.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "tests/ref/scale_ref.h"
#include "zors.h"

namespace zref {

using ld = long double;

template <class T> struct is_cplx : std::false_type {};
template <> struct is_cplx<Zor16sc> : std::true_type {};
template <> struct is_cplx<Zor32sc> : std::true_type {};
template <> struct is_cplx<Zor32fc> : std::true_type {};
template <> struct is_cplx<Zor64fc> : std::true_type {};

template <class C> using part_of = std::remove_reference_t<decltype(C{}.re)>;

// Exact sum, difference and product of two integer or complex operands,
// scaled and saturated into D.
enum class Op { add, sub, mul };

template <class D, class A, class B>
D scaled(Op op, A a, B b, std::int32_t sf) {
    if constexpr (!is_cplx<A>::value && !is_cplx<B>::value) {
        const ld x = a, y = b;
        const ld r = op == Op::add ? x + y : (op == Op::sub ? x - y : x * y);
        return scale_sat<D>(r, sf);
    } else if constexpr (!is_cplx<A>::value) {  // real times complex
        using P = part_of<D>;
        return D{scale_sat<P>(ld(a) * b.re, sf), scale_sat<P>(ld(a) * b.im, sf)};
    } else {
        using P = part_of<D>;
        if (op == Op::mul)
            return D{scale_sat<P>(ld(a.re) * b.re - ld(a.im) * b.im, sf),
                     scale_sat<P>(ld(a.re) * b.im + ld(a.im) * b.re, sf)};
        const ld s = op == Op::add ? 1 : -1;
        return D{scale_sat<P>(ld(a.re) + s * b.re, sf), scale_sat<P>(ld(a.im) + s * b.im, sf)};
    }
}

// Integer quotient as the library defines it: q in floating point of
// precision F (float for 16s), dividend / (divisor * 2^sf) for sf > 0 and
// (dividend / divisor) * 2^-sf otherwise, rounded to nearest even and
// saturated; a zero divisor gives the extreme by the sign of the dividend
// (255 for every nonzero 8u dividend).
template <class D, class F>
D divided(ld dividend, ld divisor, std::int32_t sf) {
    using L = std::numeric_limits<D>;
    if (divisor == 0) return dividend > 0 ? L::max() : (dividend < 0 ? L::min() : D{0});
    F q;
    if (sf > 0) q = F(dividend) / (sf > 2000 ? F(INFINITY) : std::ldexp(F(divisor), sf));
    else q = F(std::ldexp(F(F(dividend) / F(divisor)), sf < -2000 ? 2000 : -sf));
    const ld v = std::nearbyint(ld(q));
    if (v >= ld(L::max())) return L::max();
    if (v <= ld(L::min())) return L::min();
    return D(v);
}

// Nearest integer to sqrt(x) * 2^-sf, ties to even, saturated; 0 for x <= 0.
template <class D>
D sqrt_scaled(ld x, std::int32_t sf) {
    if (x <= 0) return D{0};
    const int e = sf > 200 ? -200 : (sf < -200 ? 200 : -sf);
    const ld v = std::nearbyint(std::ldexp(std::sqrt(x), e));
    return v >= ld(std::numeric_limits<D>::max()) ? std::numeric_limits<D>::max() : D(v);
}

}  // namespace zref
