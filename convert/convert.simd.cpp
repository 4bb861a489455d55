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
#include "frame/simd.h"
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

// The product limited to the 32-bit range (a NaN takes the minimum).
constexpr double kMin32 = -2147483648.0, kMax32 = 2147483647.0;

void f64_to_s32(const double* __restrict s, std::int32_t* __restrict d, std::size_t n, double f1, double f2) {
    using namespace vcvt;
    const VD v1 = set1d(f1), v2 = set1d(f2), lo = set1d(kMin32), hi = set1d(kMax32);
    std::size_t i = 0;
    for (; i + kLanesD <= n; i += kLanesD) cvt_store(d + i, mind(maxd(muld(muld(loadd(s + i), v1), v2), lo), hi));
    for (; i < n; ++i) d[i] = cvt1(min1(max1(s[i] * f1 * f2, kMin32), kMax32));
}

// The product saturated (a NaN takes the lower limit) and rounded to nearest
// with ties to even without the rounding field: add or subtract one half,
// truncate, and step back to the even neighbour when the value was exactly
// halfway. |c| <= 2^24, so c +- 0.5 is exact wherever it matters. Written
// without branches for the vectoriser.
template <bool Signed>
void f32_to_24(const float* __restrict s, std::uint8_t* __restrict d, std::size_t n, double factor) {
    constexpr double hi = Signed ? 8388607.0 : 16777215.0;
    constexpr double lo = Signed ? -8388608.0 : 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double c = vcvt::min1(vcvt::max1(static_cast<double>(s[i]) * factor, lo), hi);
        const double half = c >= 0 ? 0.5 : -0.5;
        std::int32_t t = static_cast<std::int32_t>(c + half);
        const std::int32_t fix = static_cast<std::int32_t>(static_cast<double>(t) - c == half) & t & 1;
        t -= c >= 0 ? fix : -fix;
        store24(d + 3 * i, static_cast<std::uint32_t>(t));
    }
}

// ---- integer narrowings by the scale rule ------------------------------

// Destination range of a narrowing: 16 or 24 bits, signed or not.
template <bool Signed, int Bits>
struct Range {
    static constexpr std::int32_t hi = Signed ? (1 << (Bits - 1)) - 1 : (1 << Bits) - 1;
    static constexpr std::int32_t lo = Signed ? -(1 << (Bits - 1)) : 0;
};

using VS = vec<std::int32_t>;
using VU = vec<std::uint32_t>;
constexpr std::size_t kLanes32 = lanes<std::int32_t>;

inline VS splat(std::int32_t v) { return VS{} + v; }

// One register of 32-bit sources r to 32-bit lanes holding r * 2^-s, in
// the destination range for 24 bits and within 32 bits for 16 bits, whose
// store saturates. Round (1 <= s <= 31): the floor quotient q plus one when
// the remainder exceeds one half less the low bit of q (above one half, or
// exactly one half with q odd). Otherwise n = -s (0..31): the source
// limited to the destination range (which changes no saturated outcome),
// then shifted; for 24 bits the extreme is taken where the shifted value
// leaves the range. With n capped at the destination's width less one (at
// its width when unsigned) every value of a larger n already saturates,
// -1 included.
template <class S, class R, bool Round>
inline VS narrow_block(vec<S> r, std::int32_t s) {
    constexpr bool Signed = std::is_signed_v<S>, Wide = R::hi > 65535;
    auto limit = [](VS v) { return v < R::lo ? splat(R::lo) : (v > R::hi ? splat(R::hi) : v); };
    if constexpr (Round) {
        VS q = (VS)(r >> s);  // arithmetic for signed sources
        if constexpr (!Signed) q = q > R::hi ? splat(R::hi) : q;  // saturates either way; q + 1 stays in range
        const VS rem = (VS)((VU)r & ((std::uint32_t{1} << s) - 1));  // below 2^31
        const VS v = q - (rem > (std::int32_t{1} << (s - 1)) - (q & 1));
        if constexpr (Wide) return limit(v);
        else return v;
    } else {
        constexpr int cap = Signed ? (Wide ? 23 : 15) : 24;
        const int n = -s < cap ? -s : cap;
        VS v;
        if constexpr (Signed) v = limit(r);
        else v = (VS)(r > static_cast<std::uint32_t>(R::hi) ? (VU)splat(R::hi) : r);
        const VS up = (VS)((VU)v << n);
        if constexpr (Wide) return v > (R::hi >> n) ? splat(R::hi) : (v < (R::lo >> n) ? splat(R::lo) : up);
        else return up;  // |up| < 2^30
    }
}

// Stores kLanes32 results as 16-bit integers, saturated, or as 3 bytes each
// (the results already in range).
template <class D>
inline void store_narrow(D* d, VS v) {
    if constexpr (sizeof(D) == 2) {
#if defined(__AVX512F__)
        __m512i w;
        static_assert(sizeof w == sizeof v);
        std::memcpy(&w, &v, sizeof w);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm512_cvtsepi32_epi16(w));
#elif defined(__AVX2__)
        __m256i w;
        static_assert(sizeof w == sizeof v);
        std::memcpy(&w, &v, sizeof w);
        const __m256i p = _mm256_permute4x64_epi64(_mm256_packs_epi32(w, w), 0x08);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm256_castsi256_si128(p));
#else
        __m128i w;
        static_assert(sizeof w == sizeof v);
        std::memcpy(&w, &v, sizeof w);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_packs_epi32(w, w));
#endif
    } else {
        // The low three bytes of each 32-bit lane, packed together.
        auto* out = reinterpret_cast<std::uint8_t*>(d);
#if defined(__AVX512BW__)
        // Per 16 bytes the twelve wanted ones to the front, then the twelve
        // leading dwords of the four quarters together; a masked store
        // writes the 48 bytes.
        __m512i w;
        static_assert(sizeof w == sizeof v);
        std::memcpy(&w, &v, sizeof w);
        const __m512i front = _mm512_shuffle_epi8(
            w, _mm512_broadcast_i32x4(_mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1)));
        const __m512i packed = _mm512_permutexvar_epi32(_mm512_setr_epi32(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 0, 0, 0, 0), front);
        _mm512_mask_storeu_epi32(out, 0x0FFF, packed);
#elif defined(__AVX2__)
        __m256i w;
        static_assert(sizeof w == sizeof v);
        std::memcpy(&w, &v, sizeof w);
        const __m256i front = _mm256_shuffle_epi8(
            w, _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1));
        const __m256i packed = _mm256_permutevar8x32_epi32(front, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 0, 0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(packed));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16), _mm256_extracti128_si256(packed, 1));
#else
        // The 24-bit values joined into six bytes per 64-bit half, then the
        // upper half's six bytes moved down next to the lower half's.
        __m128i w;
        static_assert(sizeof w == sizeof v);
        std::memcpy(&w, &v, sizeof w);
        const __m128i six = _mm_or_si128(_mm_and_si128(w, _mm_set1_epi64x(0xFFFFFF)),
                                         _mm_and_si128(_mm_srli_epi64(w, 8), _mm_set1_epi64x(0xFFFFFF000000)));
        const __m128i low_half = _mm_set_epi64x(0, -1);
        const __m128i packed = _mm_or_si128(_mm_and_si128(six, low_half), _mm_srli_si128(_mm_andnot_si128(low_half, six), 2));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), packed);
        const std::int32_t last = _mm_cvtsi128_si32(_mm_srli_si128(packed, 8));
        std::memcpy(out + 8, &last, 4);
#endif
    }
}

// The tail goes through one register's worth of local storage, so that every
// element gets the same steps wherever it falls.
template <class S, class D, class R, bool Round>
void narrow_run(const S* __restrict s, D* __restrict d, std::size_t n, std::int32_t sf) {
    constexpr std::size_t per = sizeof(D) == 2 ? 1 : 3;  // destination units per element
    std::size_t i = 0;
    for (; i + kLanes32 <= n; i += kLanes32) store_narrow(d + per * i, narrow_block<S, R, Round>(load(s + i), sf));
    if (i == n) return;
    S src[kLanes32] = {};
    D dst[per * kLanes32];
    std::memcpy(src, s + i, (n - i) * sizeof(S));
    store_narrow(dst, narrow_block<S, R, Round>(load(src), sf));
    std::memcpy(d + per * i, dst, per * (n - i) * sizeof(D));
}

template <class S, class D, class R>
void narrow(const S* s, D* d, std::size_t n, std::int32_t sf) {
    if (sf > 0) narrow_run<S, D, R, true>(s, d, n, sf);
    else narrow_run<S, D, R, false>(s, d, n, sf);
}

// ---- binary16 ------------------------------------------------------------

// Written without branches so that the compiler vectorises it: all three
// encodings are formed and the exponent field picks one.
void f16_to_f32(const std::uint16_t* __restrict s, float* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t h = s[i];
        const std::uint32_t sign = (h & 0x8000u) << 16;
        const std::uint32_t e = (h >> 10) & 0x1F, m = h & 0x3FF;
        // Zero and subnormals: m * 2^-24, the exact single m with 24
        // subtracted from its exponent (m = 0 stays 0).
        const float fm = static_cast<float>(static_cast<int>(m));
        std::uint32_t fm_bits;
        std::memcpy(&fm_bits, &fm, 4);
        const std::uint32_t sub = (fm_bits - (24u << 23)) & (0u - static_cast<std::uint32_t>(m != 0));
        const std::uint32_t special = 0x7F800000u | (m << 13);  // infinity or NaN
        const std::uint32_t normal = ((e + 112) << 23) | (m << 13);
        const std::uint32_t is_sub = 0u - static_cast<std::uint32_t>(e == 0);
        const std::uint32_t is_special = 0u - static_cast<std::uint32_t>(e == 0x1F);
        const std::uint32_t b = sign | (sub & is_sub) | (special & is_special) | (normal & ~(is_sub | is_special));
        std::memcpy(d + i, &b, 4);
    }
}

// Drops the low `shift` bits of v, rounding to nearest with ties to even or
// toward zero. 1 <= shift <= 31.
inline std::uint32_t drop_bits(std::uint32_t v, unsigned shift, bool nearest) {
    const std::uint32_t q = v >> shift;
    if (!nearest) return q;
    const std::uint32_t rem = v & ((1u << shift) - 1), half = 1u << (shift - 1);
    const std::uint32_t up = static_cast<std::uint32_t>(rem > half) | (static_cast<std::uint32_t>(rem == half) & q);
    return q + (up & 1);
}

// binary16 of a single-precision value. Magnitudes of 65536 and above give
// infinity in both directions; a NaN stays a (quiet) NaN with the top bits
// of its fraction. Below that the value is rounded to 11 significant bits
// (fewer in the binary16 subnormal range); a carry out of the fraction
// steps the exponent, up to infinity.
template <bool Nearest>
inline std::uint16_t f32_to_f16_1(float x) {
    std::uint32_t b;
    std::memcpy(&b, &x, 4);
    const std::uint32_t sign = (b >> 16) & 0x8000u;
    const std::uint32_t a = b & 0x7FFFFFFFu;
    const std::uint32_t e = a >> 23, m = a & 0x7FFFFF;
    // Normal binary16 (e >= 113): the exponent re-biased, 13 bits dropped.
    // Subnormal binary16 (units of 2^-24): the significand shifted right by
    // 126 - e (125 for single subnormals, whose exponent field is 0 but which
    // scale like 1); from 25 on nothing is left, so 31 serves for all.
    const bool normal = e >= 113;
    const std::uint32_t sub_shift = e ? 126 - e : 125;
    const std::uint32_t v = normal ? (((e - 112) << 23) | m) : (e ? (m | 0x800000u) : m);
    const unsigned shift = normal ? 13 : (sub_shift < 31 ? sub_shift : 31);
    std::uint32_t h = drop_bits(v, shift, Nearest);
    h = a >= 0x47800000u ? 0x7C00u : h;                       // 65536 and beyond
    h = a > 0x7F800000u ? (0x7E00u | ((a >> 13) & 0x3FF)) : h;  // NaN
    return static_cast<std::uint16_t>(h | sign);
}

template <bool Nearest>
void f32_to_f16_mode(const float* __restrict s, std::uint16_t* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) d[i] = f32_to_f16_1<Nearest>(s[i]);
}

void f32_to_f16(const float* s, std::uint16_t* d, std::size_t n, bool nearest) {
    if (nearest) f32_to_f16_mode<true>(s, d, n);
    else f32_to_f16_mode<false>(s, d, n);
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
    narrow<Zor32s, Zor16s, Range<true, 16>>, narrow<Zor32s, Zor8u, Range<true, 24>>,
    narrow<Zor32u, Zor8u, Range<false, 24>>,
    f16_to_f32, f32_to_f16, s16_to_f16,
};

}  // namespace zors::ZORS_ISA
