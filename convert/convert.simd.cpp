// Wide bodies of the type conversions, compiled once per dispatch level.
//
// The widenings and the integer-to-float forms are plain loops that the
// compiler turns into the level's packed conversions. The float-to-integer
// forms clamp in floating point before converting (so the converter never
// sees an out-of-range value except where a rule asks for its overflow
// result) and are written once against the vocabulary of
// frame/simd_convert.h, with a one-lane copy of the same steps for the tail.
// The binary16 forms are integer bit manipulation.
#include "frame/isa.h"
#include "frame/simd_convert.h"

#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/convert.h"

namespace zors::ZORS_ISA {
namespace {

// ---- widening and same-size conversions --------------------------------

template <class S, class D>
void cast(const S* __restrict s, D* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) d[i] = static_cast<D>(s[i]);
}

template <class S, class D>
void cast_scaled(const S* __restrict s, D* __restrict d, std::size_t n, D factor) {
    for (std::size_t i = 0; i < n; ++i) d[i] = static_cast<D>(s[i]) * factor;
}

// ---- packed 24-bit integers --------------------------------------------

inline std::uint32_t load24(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
}

inline void store24(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
}

template <bool Signed, class D>
void from24(const std::uint8_t* __restrict s, D* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t u = load24(s + 3 * i);
        if constexpr (Signed) d[i] = static_cast<D>(static_cast<std::int32_t>(u << 8) >> 8);
        else d[i] = static_cast<D>(u);
    }
}

// ---- single precision to integer ---------------------------------------

// Clamp bounds in floating point. They are integers of the destination, so
// clamping before the conversion gives the same value as converting and then
// saturating; a NaN takes the upper bound, except for 16u where it is 0.
template <class D> struct Bounds {
    static constexpr float lo = static_cast<float>(std::numeric_limits<D>::min());
    static constexpr float hi = static_cast<float>(std::numeric_limits<D>::max());
};

// Largest single below 2^31: a product above it (or a NaN with a clear sign
// bit) gives the 32-bit maximum. Seen as integers, the bit patterns above
// this one are exactly those values and the positive NaNs.
constexpr std::int32_t kBitsBelow2p31 = 0x4EFFFFFF;

template <class D>
D f32_to_int1(float x, float factor) {
    const float y = x * factor;
    if constexpr (std::is_same_v<D, std::int32_t>) {
        std::int32_t b;
        std::memcpy(&b, &y, 4);
        if (b > kBitsBelow2p31) return std::numeric_limits<std::int32_t>::max();
        return vcvt::cvt1(y);  // overflow and negative NaNs give the minimum
    } else if constexpr (std::is_same_v<D, std::uint16_t>) {
        return static_cast<D>(vcvt::cvt1(vcvt::min1(vcvt::max1(y, 0.0f), Bounds<D>::hi)));
    } else {
        return static_cast<D>(vcvt::cvt1(vcvt::max1(vcvt::min1(y, Bounds<D>::hi), Bounds<D>::lo)));
    }
}

template <class D>
vcvt::VI f32_to_int_block(vcvt::VF x, vcvt::VF factor) {
    using namespace vcvt;
    const VF y = mulf(x, factor);
    if constexpr (std::is_same_v<D, std::int32_t>) {
        // The flagged lanes converted to 0x80000000; flipping every bit gives
        // 0x7FFFFFFF.
        return xori(cvtf(y), gti(bitsf(y), set1i(kBitsBelow2p31)));
    } else if constexpr (std::is_same_v<D, std::uint16_t>) {
        return cvtf(minf(maxf(y, set1f(0.0f)), set1f(Bounds<D>::hi)));
    } else {
        return cvtf(maxf(minf(y, set1f(Bounds<D>::hi)), set1f(Bounds<D>::lo)));
    }
}

template <class D>
void f32_to_int(const float* __restrict s, D* __restrict d, std::size_t n, float factor) {
    using namespace vcvt;
    const VF f = set1f(factor);
    std::size_t i = 0;
    for (; i + kLanes <= n; i += kLanes) store_fit(d + i, f32_to_int_block<D>(loadf(s + i), f));
    for (; i < n; ++i) d[i] = f32_to_int1<D>(s[i], factor);
}

void f64_to_s32(const double* __restrict s, std::int32_t* __restrict d, std::size_t n, double f1, double f2) {
    for (std::size_t i = 0; i < n; ++i) {
        double y = s[i] * f1 * f2;
        y = y > -2147483648.0 ? y : -2147483648.0;  // NaN takes the minimum
        y = y < 2147483647.0 ? y : 2147483647.0;
        d[i] = vcvt::cvt1(y);
    }
}

// Rounds to nearest, ties to even, without the rounding field: add or
// subtract one half, truncate, and step back to the even neighbour when the
// value was exactly halfway. |y| < 2^24, so y +- 0.5 is exact where it
// matters.
inline std::int32_t round_half_even(double y) {
    if (y >= 0) {
        std::int32_t t = static_cast<std::int32_t>(y + 0.5);
        if ((t & 1) && static_cast<double>(t) - y == 0.5) --t;
        return t;
    }
    std::int32_t t = static_cast<std::int32_t>(y - 0.5);
    if ((t & 1) && y - static_cast<double>(t) == 0.5) ++t;
    return t;
}

template <bool Signed>
void f32_to_24(const float* __restrict s, std::uint8_t* __restrict d, std::size_t n, double factor) {
    constexpr double hi = Signed ? 8388607.0 : 16777215.0;
    constexpr double lo = Signed ? -8388608.0 : 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double y = static_cast<double>(s[i]) * factor;
        std::int32_t v;
        if (y >= hi) v = static_cast<std::int32_t>(hi);
        else if (!(y > lo)) v = static_cast<std::int32_t>(lo);  // NaN too
        else v = round_half_even(y);
        store24(d + 3 * i, static_cast<std::uint32_t>(v));
    }
}

// ---- binary16 ------------------------------------------------------------

void f16_to_f32(const std::uint16_t* __restrict s, float* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t h = s[i];
        const std::uint32_t sign = (h & 0x8000u) << 16;
        const std::uint32_t e = (h >> 10) & 0x1F, m = h & 0x3FF;
        std::uint32_t b;
        if (e == 0) {
            // Zero and subnormals: m * 2^-24, exact in single precision.
            const float v = static_cast<float>(static_cast<int>(m)) * 0x1p-24f;
            std::memcpy(&b, &v, 4);
        } else if (e == 0x1F) {
            b = 0x7F800000u | (m << 13);
        } else {
            b = ((e + 112) << 23) | (m << 13);
        }
        b |= sign;
        std::memcpy(d + i, &b, 4);
    }
}

// Drops the low `shift` bits of v, rounding to nearest with ties to even or
// toward zero. 1 <= shift <= 31.
inline std::uint32_t drop_bits(std::uint32_t v, unsigned shift, bool nearest) {
    const std::uint32_t q = v >> shift;
    if (!nearest) return q;
    const std::uint32_t rem = v & ((1u << shift) - 1), half = 1u << (shift - 1);
    return q + ((rem > half || (rem == half && (q & 1))) ? 1 : 0);
}

// binary16 of a single-precision value. Magnitudes of 65536 and above give
// infinity in both directions; a NaN stays a (quiet) NaN with the top bits
// of its fraction. Below that the value is rounded to 11 significant bits
// (fewer in the binary16 subnormal range); a carry out of the fraction
// steps the exponent, up to infinity.
inline std::uint16_t f32_to_f16_1(float x, bool nearest) {
    std::uint32_t b;
    std::memcpy(&b, &x, 4);
    const std::uint32_t sign = (b >> 16) & 0x8000u;
    const std::uint32_t a = b & 0x7FFFFFFFu;
    std::uint32_t h;
    if (a > 0x7F800000u) h = 0x7E00u | ((a >> 13) & 0x3FF);
    else if (a >= 0x47800000u) h = 0x7C00u;  // 65536
    else {
        const std::uint32_t e = a >> 23, m = a & 0x7FFFFF;
        if (e >= 113) {
            // Normal binary16: re-bias the exponent, keep 10 fraction bits.
            h = drop_bits(((e - 112) << 23) | m, 13, nearest);
        } else {
            // Subnormal binary16 (units of 2^-24): the significand is shifted
            // right by 126 - e (125 for single subnormals, whose exponent
            // field is 0 but which scale like 1).
            const std::uint32_t sig = e ? (m | 0x800000u) : m;
            const unsigned shift = e ? 126 - e : 125;
            h = shift > 25 ? 0 : drop_bits(sig, shift, nearest);
        }
    }
    return static_cast<std::uint16_t>(h | sign);
}

void f32_to_f16(const float* __restrict s, std::uint16_t* __restrict d, std::size_t n, bool nearest) {
    for (std::size_t i = 0; i < n; ++i) d[i] = f32_to_f16_1(s[i], nearest);
}

// Integers are exact in single precision; the pattern is then shortened to
// 11 significant bits (nearest: add 0x0FFF plus bit 13 first) and re-biased.
// Every 16-bit integer is a normal binary16 (or 0).
void s16_to_f16(const std::int16_t* __restrict s, std::uint16_t* __restrict d, std::size_t n, bool nearest) {
    for (std::size_t i = 0; i < n; ++i) {
        const float v = static_cast<float>(s[i]);
        std::uint32_t b;
        std::memcpy(&b, &v, 4);
        const std::uint32_t sign = (b >> 16) & 0x8000u;
        std::uint32_t a = b & 0x7FFFFFFFu;
        const bool zero = a == 0;
        if (nearest) a += 0x0FFFu + ((a >> 13) & 1);
        d[i] = static_cast<std::uint16_t>(zero ? 0 : (((a - 0x38000000u) >> 13) & 0x7FFF) | sign);
    }
}

}  // namespace

extern const ConvertKernels convert_kernels = {
    cast<Zor8s, Zor16s>, cast<Zor16s, Zor32s>, cast<Zor8s, Zor32f>, cast<Zor8u, Zor32f>,
    cast<Zor16s, Zor32f>, cast<Zor16u, Zor32f>, cast<Zor32s, Zor64f>, cast<Zor32f, Zor64f>,
    cast<Zor32s, Zor32f>, cast<Zor64f, Zor32f>,
    from24<true, Zor32s>, from24<false, Zor32u>, from24<true, Zor32f>, from24<false, Zor32f>,
    cast_scaled<Zor16s, Zor32f>, cast_scaled<Zor32s, Zor32f>, cast_scaled<Zor16s, Zor64f>,
    cast_scaled<Zor32s, Zor64f>,
    f32_to_int<Zor8s>, f32_to_int<Zor8u>, f32_to_int<Zor16s>, f32_to_int<Zor16u>, f32_to_int<Zor32s>,
    f64_to_s32,
    f32_to_24<true>, f32_to_24<false>,
    f16_to_f32, f32_to_f16, s16_to_f16,
};

}  // namespace zors::ZORS_ISA
