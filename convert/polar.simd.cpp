// Wide bodies of the floating magnitudes and phases, compiled once per
// dispatch level.
//
// Phases and double-precision magnitudes are computed in double precision
// lanes; single-precision sources are widened exactly and the result
// rounded once at the end.
//
// Magnitude, single precision: sqrt(re * re + im * im) in single precision
// (below 1.5 ulp), with the double-precision sum for elements near the ends
// of the range.
// Double precision: sqrt(re^2 + im^2), with hypot for sums near the ends of
// the range (tiny but not zero, huge, infinite or NaN).
//
// Phase: atan2(im, re) from mn = min(|re|, |im|) and mx = max. Single
// results: t = mn/mx, above tan(pi/8) the argument (mn - mx)/(mn + mx) with
// pi/4 added, and an odd polynomial u + u^3 P(u^2) of degree 5 in u^2
// (relative error 2^-35), all in double precision, so the single result is
// within one ulp. Double results: three intervals reduced without rounding
// the numerator and the constants kept as exact two-term sums (see
// atan2_double), within two ulps. Then pi/2 - a when |im| > |re|, pi - a for
// a negative (or -0) re, pi/2 + a for both, and the sign of im. Lanes with
// an infinite or NaN component (or, for double sources, one above 2^1000)
// are computed with the C library's atan2.
//
// Tails are run through the same vector steps on a zero-padded copy, so an
// element's value never depends on where it falls.
#include "frame/isa.h"
#include "frame/lanes.h"
#include "frame/simd.h"

#include <cmath>
#include <cstring>
#include <immintrin.h>

#include "convert/polar.h"

namespace zors::ZORS_ISA {
namespace {

using std::size_t;
using vd = vec<double>;
using vf = vec<float>;
using vi = vec<std::int64_t>;
// N doubles per step; single-precision sources load N floats at a time.
constexpr size_t N = lanes<double>;
typedef float vfh __attribute__((vector_size(kVectorBytes / 2)));

inline bool any(vi m) {
#if defined(__AVX512F__)
    __m512i x;
    std::memcpy(&x, &m, sizeof x);
    return _mm512_test_epi64_mask(x, x) != 0;
#elif defined(__AVX2__)
    __m256i x;
    std::memcpy(&x, &m, sizeof x);
    return !_mm256_testz_si256(x, x);
#else
    __m128i x;
    std::memcpy(&x, &m, sizeof x);
    return _mm_movemask_epi8(x) != 0;
#endif
}

inline vd vsqrt(vd v) {
#if defined(__AVX512F__)
    return (vd)_mm512_maskz_sqrt_pd(0xFF, (__m512d)v);
#elif defined(__AVX2__)
    return (vd)_mm256_sqrt_pd((__m256d)v);
#else
    return (vd)_mm_sqrt_pd((__m128d)v);
#endif
}

inline vf vsqrt(vf v) {
#if defined(__AVX512F__)
    return (vf)_mm512_maskz_sqrt_ps(0xFFFF, (__m512)v);
#elif defined(__AVX2__)
    return (vf)_mm256_sqrt_ps((__m256)v);
#else
    return (vf)_mm_sqrt_ps((__m128)v);
#endif
}

inline vd to_vd(const float* p) {
    vfh h;
    std::memcpy(&h, p, sizeof h);
    return __builtin_convertvector(h, vd);
}
inline vd to_vd(const double* p) { return load(p); }

inline void put(float* p, vd v, size_t m) {
    const vfh h = __builtin_convertvector(v, vfh);
    std::memcpy(p, &h, sizeof(float) * m);
}
inline void put(double* p, vd v, size_t m) { std::memcpy(p, &v, sizeof(double) * m); }

// Sources: N elements starting at element i as two vectors of parts;
// `partial` loads m < N elements through a zero-padded copy.
template <class P>
struct Interleaved {
    const P* p;  // 2n components re, im, re, im, ...
    void get(size_t i, vd& re, vd& im) const {
        const vd a = to_vd(p + 2 * i), b = to_vd(p + 2 * i + N);
        re = shuffle(a, b, lane_mask<vd>([](size_t j) { return 2 * j; }));
        im = shuffle(a, b, lane_mask<vd>([](size_t j) { return 2 * j + 1; }));
    }
    void partial(size_t i, size_t m, vd& re, vd& im) const {
        P buf[2 * N] = {};
        std::memcpy(buf, p + 2 * i, sizeof(P) * 2 * m);
        Interleaved<P>{buf}.get(0, re, im);
    }
};

template <class P>
struct Split {
    const P* re;
    const P* im;
    void get(size_t i, vd& r, vd& m) const {
        r = to_vd(re + i);
        m = to_vd(im + i);
    }
    void partial(size_t i, size_t m, vd& r, vd& q) const {
        P br[N] = {}, bi[N] = {};
        std::memcpy(br, re + i, sizeof(P) * m);
        std::memcpy(bi, im + i, sizeof(P) * m);
        Split<P>{br, bi}.get(0, r, q);
    }
};

// Runs op over n elements: op(re, im, exceptional) gives N results and
// marks the lanes that scalar(re, im) must compute instead.
template <class D, class Src, class Op, class Scalar>
void drive(const Src& src, D* dst, size_t n, Op op, Scalar scalar) {
    auto step = [&](size_t i, size_t m, bool whole) {
        vd re, im;
        if (whole) src.get(i, re, im);
        else src.partial(i, m, re, im);
        vi exceptional;
        vd r = op(re, im, exceptional);
        if (any(exceptional)) {
            for (size_t j = 0; j < N; ++j)
                if (exceptional[j]) r[j] = scalar(re[j], im[j]);
        }
        put(dst + i, r, m);
    };
    size_t i = 0;
    for (; i + N <= n; i += N) step(i, N, true);
    if (i < n) step(i, n - i, false);
}

// ---- phase ---------------------------------------------------------------

constexpr double kTanPi8 = 0.41421356237309504880;
constexpr double kPi4 = 0.78539816339744830962;
constexpr double kPi2Hi = 1.5707963267948966, kPi2Lo = 6.123233995736766e-17;
constexpr double kPiHi = 3.141592653589793, kPiLo = 1.2246467991473532e-16;

// atan(u) = u + u^3 P(u^2) on |u| <= tan(pi/8).
constexpr double kAtanSingle[] = {-0.33333332468496680951, 0.19999901780728751243, -0.14281956632120139465,
                                  0.11044137123174368548, -0.084734841815799196558, 0.047387768098139491505};
// atan(x) = x + x^3 P(x^2) on |x| <= 7/16, for the double-precision phase.
constexpr double kAtanDouble[] = {-0.33333333333333312854, 0.19999999999992752543,  -0.14285714284813300928,
                                  0.1111111105468160593,   -0.090909070115454563802, 0.076922586956494203141,
                                  -0.066658924272080155314, 0.058739367176998696899,  -0.051996629490602595925,
                                  0.044315314223990571173,  -0.031887822338227463728, 0.013668265809863730406};
constexpr double kAtanHalfHi = 0.4636476090008061, kAtanHalfLo = 2.2698777452961687e-17;
constexpr double kPi4Hi = 0.7853981633974483, kPi4Lo = 3.061616997868383e-17;

template <size_t K>
vd atan2_lanes(vd y, vd x, const double (&c)[K], double limit, vi& exceptional) {
    const vi sign = vi{} + static_cast<std::int64_t>(0x8000000000000000ull);  // the sign bits
    const vd ax = (vd)((vi)x & ~sign), ay = (vd)((vi)y & ~sign);
    exceptional = ~((ax <= limit) & (ay <= limit));
    const vi swap = ay > ax;
    const vd mn = swap ? ax : ay, mx = swap ? ay : ax;
    const vi big = mn > mx * kTanPi8;
    const vd num = big ? mn - mx : mn;
    vd den = big ? mn + mx : mx;
    den = den == 0.0 ? vd{} + 1.0 : den;  // atan2(0, 0): the quotient 0
    const vd u = num / den, s = u * u;
    vd p = vd{} + c[K - 1];
    for (size_t k = K - 1; k-- > 0;) p = p * s + c[k];
    vd a = u + u * (s * p);
    a = big ? a + kPi4 : a;
    // pi/2 - a for |y| > |x|, pi - a for a negative x, pi/2 + a for both,
    // each with its constant in two parts.
    const vi neg = (vi)x < 0;
    const vd zero{};
    const vd off_hi = swap ? zero + kPi2Hi : (neg ? zero + kPiHi : zero);
    const vd off_lo = swap ? zero + kPi2Lo : (neg ? zero + kPiLo : zero);
    a = (off_hi + ((swap ^ neg) ? -a : a)) + off_lo;
    return (vd)(((vi)a & ~sign) | ((vi)y & sign));
}

// The double-precision phase: three intervals of t = mn/mx, each reduced
// without rounding the numerator (the subtractions are exact there):
// [0, 7/16) x = mn/mx; [7/16, 11/16) x = (2mn - mx)/(2mx + mn) about
// atan(1/2); [11/16, 1] x = (mn - mx)/(mn + mx) about pi/4. The constant
// part (quadrant offset plus or minus the interval's base) is formed as an
// exact two-term sum, so only the small polynomial part and one final
// addition round.
vd atan2_double(vd y, vd x, vi& exceptional) {
    const vi sign = vi{} + static_cast<std::int64_t>(0x8000000000000000ull);
    const vd ax = (vd)((vi)x & ~sign), ay = (vd)((vi)y & ~sign);
    exceptional = ~((ax <= 0x1p1000) & (ay <= 0x1p1000));
    const vi swap = ay > ax;
    const vd mn = swap ? ax : ay, mx = swap ? ay : ax;
    const vd zero{};
    const vi nonzero = mn != 0.0;  // zeros stay in the first interval
    const vi mid = (mn * 16.0 >= mx * 7.0) & nonzero, high = (mn * 16.0 >= mx * 11.0) & nonzero;
    const vd num = high ? mn - mx : (mid ? (mn + mn) - mx : mn);
    vd den = high ? mn + mx : (mid ? (mx + mx) + mn : mx);
    den = den == 0.0 ? zero + 1.0 : den;  // atan2(0, 0): the quotient 0
    const vd u = num / den, s = u * u;
    constexpr size_t K = sizeof kAtanDouble / sizeof kAtanDouble[0];
    vd p = zero + kAtanDouble[K - 1];
    for (size_t k = K - 1; k-- > 0;) p = p * s + kAtanDouble[k];
    const vd q = u + u * (s * p);
    const vd base_hi = high ? zero + kPi4Hi : (mid ? zero + kAtanHalfHi : zero);
    const vd base_lo = high ? zero + kPi4Lo : (mid ? zero + kAtanHalfLo : zero);
    // pi/2 - r for |y| > |x|, pi - r for a negative x, pi/2 + r for both.
    const vi neg = (vi)x < 0, minus = swap ^ neg;
    const vd off_hi = swap ? zero + kPi2Hi : (neg ? zero + kPiHi : zero);
    const vd off_lo = swap ? zero + kPi2Lo : (neg ? zero + kPiLo : zero);
    const vd b = minus ? -base_hi : base_hi, bl = minus ? -base_lo : base_lo, r = minus ? -q : q;
    const vd c = off_hi + b, bb = c - off_hi, e = (off_hi - (c - bb)) + (b - bb);  // c + e = off_hi + b
    const vd a = c + (r + ((e + bl) + off_lo));
    return (vd)(((vi)a & ~sign) | ((vi)y & sign));
}

template <class D, class Src>
void phase(const Src& src, D* dst, size_t n) {
    constexpr bool single = sizeof(D) == 4;
    constexpr double limit = 1e300;  // every finite single-precision source
    drive(src, dst, n,
          [](vd re, vd im, vi& exc) {
              if constexpr (single) return atan2_lanes(im, re, kAtanSingle, limit, exc);
              else return atan2_double(im, re, exc);
          },
          [](double re, double im) { return std::atan2(im, re); });
}

void phase_32fc(const Zor32fc* s, Zor32f* d, size_t n) { phase(Interleaved<float>{&s->re}, d, n); }
void phase_32f(const Zor32f* re, const Zor32f* im, Zor32f* d, size_t n) { phase(Split<float>{re, im}, d, n); }
void phase_64fc(const Zor64fc* s, Zor64f* d, size_t n) { phase(Interleaved<double>{&s->re}, d, n); }
void phase_64f(const Zor64f* re, const Zor64f* im, Zor64f* d, size_t n) { phase(Split<double>{re, im}, d, n); }

// ---- magnitude -----------------------------------------------------------

// Single precision: sqrt(re * re + im * im) in single precision, which the
// hardware's square root bounds (below 1.5 ulp: the sum is within 2^-23 of
// re^2 + im^2 relatively, the root halves that, and the root's rounding adds
// half an ulp). Elements whose sum leaves [2^-100, 2^100] (zeros aside) are
// summed in double precision instead, so no square overflows or underflows.
inline bool fast_range(float m2) { return m2 >= 0x1p-100f && m2 <= 0x1p100f; }

inline float mag_single(float re, float im) {
    const float m2 = re * re + im * im;
    if (fast_range(m2) || (re == 0 && im == 0)) return std::sqrt(m2);
    return static_cast<float>(std::sqrt(static_cast<double>(re) * re + static_cast<double>(im) * im));
}

// The sums of squares of 2N elements, and their parts. Interleaved pairs
// are taken apart within 16-byte lanes (one shuffle per part instead of a
// lane-crossing pair). With 32-byte vectors the 16-byte halves are loaded
// crosswise so that this leaves the elements in order; with 64-byte ones
// element at(j) lands in lane j and in_order puts the results back.
struct InLanes {
    static constexpr size_t at(size_t j) { return lane::in_lane_source<0, sizeof(float)>(j, 2 * N) / 2; }
    static constexpr size_t lane_of(size_t c) {
        size_t j = 0;
        while (at(j) != c) ++j;
        return j;
    }
    template <size_t... C>
    static vf gather(vf v, std::index_sequence<C...>) { return __builtin_shufflevector(v, v, lane_of(C)...); }
    static vf in_order(vf v) { return gather(v, std::make_index_sequence<2 * N>{}); }
};
struct InOrder {
    static constexpr size_t at(size_t j) { return j; }
    static vf in_order(vf v) { return v; }
};
using InterOrder = std::conditional_t<kVectorBytes == 64, InLanes, InOrder>;
inline InterOrder sum_squares(const Interleaved<float>& s, size_t i, vf& m2, vf& re, vf& im) {
    const float* p = s.p + 2 * i;
#if defined(__AVX2__) && !defined(__AVX512F__)
    const vf a = (vf)_mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(p)), _mm_loadu_ps(p + 8), 1);
    const vf b = (vf)_mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(p + 4)), _mm_loadu_ps(p + 12), 1);
#else
    const vf a = load(p), b = load(p + 2 * N);
#endif
    re = lane::evens_in_lanes(a, b);
    im = lane::odds_in_lanes(a, b);
    m2 = re * re + im * im;
    return {};
}
inline InOrder sum_squares(const Split<float>& s, size_t i, vf& m2, vf& re, vf& im) {
    re = load(s.re + i);
    im = load(s.im + i);
    m2 = re * re + im * im;
    return {};
}

template <class Src>
void mag_f32(const Src& src, Zor32f* dst, size_t n) {
    size_t i = 0;
    for (; i + 2 * N <= n; i += 2 * N) {
        vf m2, re, im;
        const auto lanes_at = sum_squares(src, i, m2, re, im);
        // outside [2^-100, 2^100] or NaN: the bits of m2 (never negative)
        // from those of 2^-100 on, as unsigned numbers, beyond the span
        vec<std::uint32_t> bits;
        std::memcpy(&bits, &m2, sizeof bits);
        constexpr std::uint32_t lo = 0x0D800000, span = 0x71800000 - lo;  // 2^-100, 2^100
        const vec<std::int32_t> out = (bits - lo) > span;
        vi w;
        std::memcpy(&w, &out, sizeof w);
        if (any(w)) {
            for (size_t j = 0; j < 2 * N; ++j) dst[i + lanes_at.at(j)] = mag_single(re[j], im[j]);
            continue;
        }
        store(dst + i, lanes_at.in_order(vsqrt(m2)));
    }
    for (; i < n; ++i) {
        vd r, m;
        src.partial(i, 1, r, m);
        dst[i] = mag_single(static_cast<float>(r[0]), static_cast<float>(m[0]));
    }
}

constexpr double kSafeLo = 0x1p-1000, kSafeHi = 0x1p1000;

template <class Src>
void mag_f64(const Src& src, Zor64f* dst, size_t n) {
    drive(src, dst, n,
          [](vd re, vd im, vi& exc) {
              const vd m2 = re * re + im * im;
              exc = ~((m2 >= kSafeLo) & (m2 <= kSafeHi)) & ((re != 0.0) | (im != 0.0));
              return vsqrt(m2);
          },
          [](double re, double im) {
              const double m2 = re * re + im * im;
              return (m2 >= kSafeLo && m2 <= kSafeHi) || (re == 0 && im == 0) ? std::sqrt(m2) : std::hypot(re, im);
          });
}

void mag_32fc(const Zor32fc* s, Zor32f* d, size_t n) { mag_f32(Interleaved<float>{&s->re}, d, n); }
void mag_32f(const Zor32f* re, const Zor32f* im, Zor32f* d, size_t n) { mag_f32(Split<float>{re, im}, d, n); }
void mag_64fc(const Zor64fc* s, Zor64f* d, size_t n) { mag_f64(Interleaved<double>{&s->re}, d, n); }
void mag_64f(const Zor64f* re, const Zor64f* im, Zor64f* d, size_t n) { mag_f64(Split<double>{re, im}, d, n); }

// ---- polar to Cartesian -------------------------------------------------------

// (m cos p, m sin p) in double precision lanes: p is reduced by the nearest
// multiple k of pi/2 (Cody-Waite, pi/2 in three parts whose products with k
// are exact for |k| < 2^20), sine and cosine of the rest (|r| <= pi/4) by
// their Taylor polynomials (to r^11 and r^12 for single results, error
// below 2^-37, rounded once; to r^17 and r^18 for double results), and the
// quadrant k mod 4 picks and signs them. Phases above 2^20 in magnitude,
// infinities and NaNs take the C library's sine and cosine.
constexpr double kPio2_1 = 1.57079632673412561417e+00, kPio2_2 = 6.07710050630396597660e-11,
                 kPio2_3 = 2.02226624879595063154e-21, kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kRoundMagic = 6755399441055744.0;  // 1.5 * 2^52

// Sine and cosine of p for |p| <= 2^20; Wide selects the Taylor
// polynomials to r^17 and r^18 (error below 2^-60, for double results).
template <bool Wide>
inline void sincos_lanes(vd p, vd& sn, vd& cs) {
    const vd t = p * kTwoOverPi + kRoundMagic;  // k in the low mantissa bits
    const vd kd = t - kRoundMagic;
    const vd r = ((p - kd * kPio2_1) - kd * kPio2_2) - kd * kPio2_3;
    const vd z = r * r;
    vd sp, cp;
    if constexpr (Wide) {
        sp = r + r * z * (-1.0 / 6 + z * (1.0 / 120 + z * (-1.0 / 5040 + z * (1.0 / 362880 + z * (-1.0 / 39916800 + z * (1.0 / 6227020800 + z * (-1.0 / 1307674368000 + z * (1.0 / 355687428096000))))))));
        cp = 1.0 - z * 0.5 + z * z * (1.0 / 24 + z * (-1.0 / 720 + z * (1.0 / 40320 + z * (-1.0 / 3628800 + z * (1.0 / 479001600 + z * (-1.0 / 87178291200 + z * (1.0 / 20922789888000 + z * (-1.0 / 6402373705728000))))))));
    } else {
        sp = r + r * z * (-1.0 / 6 + z * (1.0 / 120 + z * (-1.0 / 5040 + z * (1.0 / 362880 + z * (-1.0 / 39916800)))));
        cp = 1.0 - z * 0.5 + z * z * (1.0 / 24 + z * (-1.0 / 720 + z * (1.0 / 40320 + z * (-1.0 / 3628800 + z * (1.0 / 479001600)))));
    }
    const vi q = (vi)t & 3;
    const vi odd = (q & 1) != 0, sin_neg = (q & 2) != 0, cos_neg = ((q + 1) & 2) != 0;
    const vd s0 = odd ? cp : sp, c0 = odd ? sp : cp;
    sn = sin_neg ? -s0 : s0;
    cs = cos_neg ? -c0 : c0;
}

// n elements from magnitudes and phases; out(i, re, im) stores element i.
template <class P, class Out>
void polar(const P* magn, const P* phase, size_t n, Out out) {
    auto step = [&](size_t i, size_t m) {
        P bm[N] = {}, bp[N] = {};
        std::memcpy(bm, magn + i, sizeof(P) * m);
        std::memcpy(bp, phase + i, sizeof(P) * m);
        const vd mv = to_vd(bm), pv = to_vd(bp);
        vd sn, cs;
        sincos_lanes<sizeof(P) == 8>(pv, sn, cs);
        vd re = mv * cs, im = mv * sn;
        const vi big = ~(((vd)((vi)pv & ~(vi{} + static_cast<std::int64_t>(0x8000000000000000ull)))) <= 0x1p20);
        if (any(big)) {
            for (size_t j = 0; j < N; ++j) {
                if (!big[j]) continue;
                re[j] = mv[j] * std::cos(pv[j]);
                im[j] = mv[j] * std::sin(pv[j]);
            }
        }
        for (size_t j = 0; j < m; ++j) out(i + j, static_cast<P>(re[j]), static_cast<P>(im[j]));
    };
    size_t i = 0;
    for (; i + N <= n; i += N) step(i, N);
    if (i < n) step(i, n - i);
}

void polar_32fc(const Zor32f* magn, const Zor32f* phase, Zor32fc* dst, size_t n) {
    polar(magn, phase, n, [dst](size_t i, float re, float im) { dst[i] = Zor32fc{re, im}; });
}
void polar_32f(const Zor32f* magn, const Zor32f* phase, Zor32f* re, Zor32f* im, size_t n) {
    polar(magn, phase, n, [re, im](size_t i, float a, float b) { re[i] = a; im[i] = b; });
}
void polar_64fc(const Zor64f* magn, const Zor64f* phase, Zor64fc* dst, size_t n) {
    polar(magn, phase, n, [dst](size_t i, double re, double im) { dst[i] = Zor64fc{re, im}; });
}
void polar_64f(const Zor64f* magn, const Zor64f* phase, Zor64f* re, Zor64f* im, size_t n) {
    polar(magn, phase, n, [re, im](size_t i, double a, double b) { re[i] = a; im[i] = b; });
}

}  // namespace

extern const PolarKernels polar_kernels = {
    mag_32fc, mag_32f, mag_64fc, mag_64f, phase_32fc, phase_32f, phase_64fc, phase_64f,
    polar_32fc, polar_32f, polar_64fc, polar_64f,
};

}  // namespace zors::ZORS_ISA
