// Wide bodies of division, square root, normalisation and the scaled
// float-to-16s products, compiled once per dispatch level. Conversions to
// integers use the current rounding mode (the exports set nearest where the
// result is defined as rounded to nearest) through the packed conversion,
// whose scalar form finishes the tail with the same values.
#include "frame/isa.h"

#include <cmath>
#include <complex>
#include <immintrin.h>

#include "arith/divide.h"
#include "arith/ops.h"
#include "frame/simd_convert.h"

namespace zors::ZORS_ISA {
namespace {

// F to a 32-bit integer in the current rounding mode; out of range and NaN
// give the integer indefinite value -2^31.
inline std::int32_t to_int(float v) { return _mm_cvtss_si32(_mm_set_ss(v)); }
inline std::int32_t to_int(double v) { return _mm_cvtsd_si32(_mm_set_sd(v)); }

template <class T> constexpr T max_of = std::numeric_limits<T>::max();
template <class T> constexpr T min_of = std::numeric_limits<T>::min();

// v limited to the range of T (NaN to 0), then rounded.
template <class T, class F>
inline T round_to(F v) {
    constexpr F hi = static_cast<F>(max_of<T>), lo = static_cast<F>(min_of<T>);
    v = v > hi ? hi : (v < lo ? lo : v);
    v = v == v ? v : F(0);
    return static_cast<T>(to_int(v));
}

// The quotient of a zero divisor: the destination's extreme by the sign of
// the dividend, 0 for a zero dividend.
template <class T>
inline T by_sign(T dividend) {
    return dividend > 0 ? max_of<T> : (dividend < 0 ? min_of<T> : T(0));
}

// 2^e in F for the scale factors: +inf beyond the format, and a factor of
// 2^64 stands for every larger one where it multiplies a quotient of 32-bit
// integers (any nonzero such quotient then saturates).
template <class F>
inline F pow2_up(std::int32_t sf) {
    return sf >= std::numeric_limits<F>::max_exponent ? F(INFINITY) : std::ldexp(F(1), sf);
}
template <class F>
inline F pow2_down(std::int32_t sf) {
    const std::int64_t e = -static_cast<std::int64_t>(sf);
    return std::ldexp(F(1), static_cast<int>(e > 64 ? 64 : e));
}

// Integer quotient dividend / (divisor * 2^sf) for sf > 0, (dividend /
// divisor) * 2^-sf otherwise, in precision F, rounded and saturated.
template <class T, class F>
struct IntDiv {
    F p;
    bool up;
    T operator()(T dividend, T divisor) const {
        const F a = static_cast<F>(dividend), b = static_cast<F>(divisor);
        const F q = up ? a / (b * p) : (a / b) * p;
        const T r = round_to<T>(q);
        return divisor == T(0) ? by_sign(dividend) : r;
    }
};

template <class T, class Zero>
inline bool any_of(const T* p, std::size_t n, Zero zero) {
    int hit = 0;
    for (std::size_t i = 0; i < n; ++i) hit |= zero(p[i]) ? 1 : 0;
    return hit != 0;
}

// The divisor operand of a shape: the second vector, or the constant.
template <Shape S, class T, class Zero>
inline bool divisor_hits(const ElemArgs& x, Zero zero) {
    if constexpr (S == Shape::vv) return any_of(static_cast<const T*>(x.b), x.n, zero);
    else return zero(constant<T>(x.c));
}

template <class T, class F, Shape S>
int int_div(const ElemArgs& x) {
    const bool warn = divisor_hits<S, T>(x, [](T v) { return v == T(0); });
    const bool up = x.sf > 0;
    map<S, T, T, T>(x, IntDiv<T, F>{up ? pow2_up<F>(x.sf) : pow2_down<F>(x.sf), up});
    return warn ? zorStsDivByZero : 0;
}

// 16sc quotient: dividend * conj(divisor) / |divisor|^2 * 2^-sf in double,
// each part rounded and saturated; a zero divisor saturates each part by
// the sign of the dividend's part.
struct CplxIntDiv {
    double p;
    bool up;
    double part(double v, double d) const { return up ? v / (d * p) : (v / d) * p; }
    Zor16sc operator()(Zor16sc a, Zor16sc b) const {
        const double br = b.re, bi = b.im, ar = a.re, ai = a.im;
        const double d = br * br + bi * bi;
        if (d == 0) return Zor16sc{by_sign(a.re), by_sign(a.im)};
        return Zor16sc{round_to<Zor16s>(part(ar * br + ai * bi, d)), round_to<Zor16s>(part(ai * br - ar * bi, d))};
    }
};

template <Shape S>
int cplx_int_div(const ElemArgs& x) {
    const bool warn = divisor_hits<S, Zor16sc>(x, [](Zor16sc v) { return v.re == 0 && v.im == 0; });
    const bool up = x.sf > 0;
    map<S, Zor16sc, Zor16sc, Zor16sc>(x, CplxIntDiv{up ? pow2_up<double>(x.sf) : pow2_down<double>(x.sf), up});
    return warn ? zorStsDivByZero : 0;
}

// val / src for 16u in single precision; a zero element gives 65535.
int rev_div_16u(const ElemArgs& x) {
    const Zor16u val = constant<Zor16u>(x.c);
    const bool warn = any_of(static_cast<const Zor16u*>(x.a), x.n, [](Zor16u v) { return v == 0; });
    map1<Zor16u, Zor16u>(x, [val](Zor16u v) {
        const Zor16u q = static_cast<Zor16u>(to_int(static_cast<float>(val) / static_cast<float>(v)));
        return v == 0 ? Zor16u{65535} : q;
    });
    return warn ? zorStsDivByZero : 0;
}

// Floating quotients. A zero (or NaN) divisor gives, by the dividend: +inf
// for a positive one, -inf for a negative one, the negative quiet NaN for
// zero or NaN. Complex: d = |divisor|^2 in double, then the products with
// 1/d; a zero d gives those values per part of the dividend.
template <class T>
inline T special(T dividend) {
    using U = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
    constexpr U nan_bits = sizeof(T) == 4 ? U(0xFFC00000u) : U(0xFFF8000000000000ull);
    T nan;
    std::memcpy(&nan, &nan_bits, sizeof(T));
    return dividend > 0 ? T(INFINITY) : (dividend < 0 ? T(-INFINITY) : nan);
}

// A divisor that compares equal to zero, a NaN counting as equal.
template <class T>
inline bool zero_or_nan(T v) {
    return !(v < 0 || v > 0);
}

template <class T>
struct FloatDiv {
    T operator()(T a, T b) const {
        const T q = a / b;
        return zero_or_nan(b) ? special(a) : q;
    }
};

// The complex quotients element by element: some auto-vectorisers fuse the
// products of a * conj(b) into multiply-adds, which changes the last bit.
template <class T, Shape S>
[[gnu::optimize("no-tree-vectorize")]] void complex_quotients(const ElemArgs& x) {
    using P = part_t<T>;
    const T* a = static_cast<const T*>(x.a);
    const T* b = static_cast<const T*>(x.b);
    T* d = static_cast<T*>(x.d);
    const T c = constant<T>(x.c);
    for (std::size_t i = 0; i < x.n; ++i) {
        const T u = a[i], v = S == Shape::vc ? c : b[i];
        const double br = v.re, bi = v.im, ar = u.re, ai = u.im;
        const double m = br * br + bi * bi;
        if (m == 0) {
            d[i] = T{special(u.re), special(u.im)};
        } else {
            const double r = 1.0 / m;
            const double re = ar * br + ai * bi, im = ai * br - ar * bi;
            d[i] = T{static_cast<P>(re * r), static_cast<P>(im * r)};
        }
    }
}

template <class T, Shape S>
int float_div(const ElemArgs& x) {
    bool warn;
    if constexpr (is_complex_v<T>) {
        warn = divisor_hits<S, T>(x, [](T v) { return double(v.re) * v.re + double(v.im) * v.im == 0; });
        complex_quotients<T, S>(x);
    } else {
        warn = divisor_hits<S, T>(x, [](T v) { return zero_or_nan(v); });
        map<S, T, T, T>(x, FloatDiv<T>{});
    }
    return warn ? zorStsDivByZero : 0;
}

int rev_div_float(const ElemArgs& x) {
    const Zor32f val = constant<Zor32f>(x.c);
    map1<Zor32f, Zor32f>(x, [val](Zor32f v) { return val / v; });
    return 0;
}

// Integer square roots: the nearest integer to sqrt(x) * 2^-sf, saturated,
// 0 for x <= 0. The root is computed in double (extended for 64s), where
// it is close enough to decide every rounding exactly.
template <class T>
int int_sqrt(const ElemArgs& x) {
    using F = std::conditional_t<std::is_same_v<T, Zor64s>, long double, double>;
    const bool warn = (std::is_same_v<T, Zor16s> || std::is_same_v<T, Zor64s>) &&
                      any_of(static_cast<const T*>(x.a), x.n, [](T v) { return v < 0; });
    const std::int32_t sf = x.sf;
    const F p = std::ldexp(F(1), sf > 200 ? -200 : (sf < -200 ? 200 : -sf));
    if constexpr (std::is_same_v<T, Zor64s>) {
        constexpr F hi = F(max_of<Zor64s>);
        map1<T, T>(x, [p](T v) {
            if (v <= 0) return T(0);
            const F r = std::sqrt(static_cast<F>(v)) * p;
            if (r >= hi) return max_of<T>;
            F n = std::floor(r);
            const F f = r - n;
            if (f > F(0.5) || (f == F(0.5) && std::fmod(n, F(2)) != 0)) n += 1;
            return static_cast<T>(n);
        });
    } else {
        map1<T, T>(x, [p](T v) {
            const T r = round_to<T>(std::sqrt(static_cast<F>(v > 0 ? v : 0)) * p);
            return v > 0 ? r : T(0);
        });
    }
    return warn ? zorStsSqrtNegArg : 0;
}

// Principal root of a 16sc element in double: w = sqrt((|z| + |re|) / 2),
// then (w, im / 2w) for re >= 0 and (|im| / 2w, +-w) otherwise.
int cplx_int_sqrt(const ElemArgs& x) {
    const std::int32_t sf = x.sf;
    const double p = std::ldexp(1.0, sf > 200 ? -200 : (sf < -200 ? 200 : -sf));
    map1<Zor16sc, Zor16sc>(x, [p](Zor16sc z) {
        const double re = z.re, im = z.im;
        const double m = std::sqrt(re * re + im * im);
        const double w = std::sqrt((m + std::fabs(re)) * 0.5);
        double r = 0, i = 0;
        if (w != 0) {
            if (re >= 0) { r = w; i = im / (2 * w); }
            else { r = std::fabs(im) / (2 * w); i = im < 0 ? -w : w; }
        }
        return Zor16sc{round_to<Zor16s>(r * p), round_to<Zor16s>(i * p)};
    });
    return 0;
}

// Correctly rounded roots. 32f warns for any set sign bit (-0 included),
// 64f for elements below zero.
template <class T>
int float_sqrt(const ElemArgs& x) {
    const T* a = static_cast<const T*>(x.a);
    bool warn;
    if constexpr (sizeof(T) == 4) warn = any_of(a, x.n, [](T v) { return std::signbit(v); });
    else warn = any_of(a, x.n, [](T v) { return v < 0; });
    map1<T, T>(x, [](T v) { return std::sqrt(v); });
    return warn ? zorStsSqrtNegArg : 0;
}

template <class T>
int cplx_sqrt(const ElemArgs& x) {
    using P = part_t<T>;
    map1<T, T>(x, [](T z) {
        const std::complex<double> w = std::sqrt(std::complex<double>(z.re, z.im));
        return T{static_cast<P>(w.real()), static_cast<P>(w.imag())};
    });
    return 0;
}

// (src - c) * c2. Floating: c is the subtrahend (complex for complex data),
// c2 the reciprocal of the divisor. Integer: the difference is saturated to
// 16 bits, multiplied by the single-precision factor c2, rounded, saturated.
template <class T, class R>
int normalize(const ElemArgs& x) {
    const T sub = constant<T>(x.c);
    const R r = constant<R>(x.c2);
    using P = part_t<T>;
    auto one = [r](P v, P s) {
        if constexpr (std::is_integral_v<P>) {
            const P diff = clamp_to<P>(static_cast<std::int32_t>(v) - s);
            return round_to<P>(static_cast<R>(diff) * r);
        } else {
            return static_cast<P>((v - s) * r);
        }
    };
    map1<T, T>(x, [sub, one](T v) {
        if constexpr (is_complex_v<T>) return T{one(v.re, sub.re), one(v.im, sub.im)};
        else return one(v, sub);
    });
    return 0;
}

// Float times constant to 16s. Scaled: the product is limited to
// -32768..32767 (NaN to 32767) and rounded in the current mode. Low: the
// product is converted as it is (2^31 and beyond, and NaN, give -2^31)
// and the integer saturated.
// Scaled runs in vectors: the minimum takes its second operand for NaN, so
// min(p, 32767) then max(., -32768) is the scalar limit, and the packed
// conversion rounds in the current mode like the scalar one.
template <bool Scaled>
int mulc_to_16s(const ElemArgs& x) {
    const float val = constant<float>(x.c);
    const auto one = [val](float v) {
        float p = v * val;
        if constexpr (Scaled) {
            p = !(p <= 32767.0f) ? 32767.0f : (p < -32768.0f ? -32768.0f : p);
            return static_cast<Zor16s>(to_int(p));
        } else {
            return clamp_to<Zor16s>(to_int(p));
        }
    };
    if constexpr (Scaled) {
        const float* a = static_cast<const float*>(x.a);
        write_through(static_cast<Zor16s*>(x.d), x.n, [a, val, one](std::size_t i0, std::size_t i1, Zor16s* out) {
            using namespace vcvt;
            const VF v = set1f(val), hi = set1f(32767.0f), lo = set1f(-32768.0f);
            std::size_t i = i0;
            for (; i + kLanes <= i1; i += kLanes) store_fit(out + (i - i0), cvtf(maxf(minf(mulf(loadf(a + i), v), hi), lo)));
            for (; i < i1; ++i) out[i - i0] = one(a[i]);
        });
    } else {
        map1<float, Zor16s>(x, one);
    }
    return 0;
}

}  // namespace

extern const DivideKernels divide_kernels = {{
#define ZORS_DIVIDE_ENTRY(id, ...) __VA_ARGS__,
    ZORS_DIVIDE_KERNELS(ZORS_DIVIDE_ENTRY)
#undef ZORS_DIVIDE_ENTRY
}};

}  // namespace zors::ZORS_ISA
