// Wide bodies of the reductions, compiled once per dispatch level.
//
// Each kernel is a plain loop over a fixed number of independent partial
// sums (see lanes_of); the compiler maps the partial sums onto the vector
// registers of the level it compiles for. Because the partial sums and their
// order are fixed, the results do not depend on the level.
#include "frame/isa.h"

#include <cstddef>
#include <cstdint>
#include <immintrin.h>

#include "frame/types.h"
#include "stats/reduce.h"

namespace zors::ZORS_ISA {
namespace {

// The type a difference of two elements is formed in: exact for 16-bit
// integers, the element's own precision for floating types.
template <class T> struct work { using type = T; };
template <> struct work<Zor16s> { using type = std::int32_t; };

template <class T, bool Diff>
inline auto value(const T* a, const T* b, std::size_t i) {
    if constexpr (is_complex_v<T>) {
        if constexpr (Diff) {
            T d;
            d.re = a[i].re - b[i].re;
            d.im = a[i].im - b[i].im;
            return d;
        } else {
            return a[i];
        }
    } else {
        using W = typename work<T>::type;
        if constexpr (Diff) return static_cast<W>(static_cast<W>(a[i]) - static_cast<W>(b[i]));
        else return static_cast<W>(a[i]);
    }
}

template <class Acc, class V>
inline Acc square(V v) {
    if constexpr (is_complex_v<V>) {
        const Acc r = static_cast<Acc>(v.re), m = static_cast<Acc>(v.im);
        return r * r + m * m;
    } else {
        const Acc x = static_cast<Acc>(v);
        return x * x;
    }
}

template <class Acc>
inline Acc root(Acc v) {
    if constexpr (std::is_same_v<Acc, float>) return __builtin_sqrtf(v);
    else return __builtin_sqrt(v);
}

template <class Acc, class V>
inline Acc magnitude(V v) {
    if constexpr (is_complex_v<V>) {
        return root<Acc>(square<Acc>(v));
    } else {
        const Acc x = static_cast<Acc>(v);
        if constexpr (std::is_same_v<Acc, float>) return __builtin_fabsf(x);
        else if constexpr (std::is_same_v<Acc, double>) return __builtin_fabs(x);
        else return x < 0 ? static_cast<Acc>(-x) : x;
    }
}

enum class Kind { Inf, L1, L2 };

template <Kind K, class Acc, class V>
inline Acc norm_step(Acc s, V v) {
    if constexpr (K == Kind::Inf) {
        const Acc m = magnitude<Acc>(v);
        return m > s ? m : s;
    } else if constexpr (K == Kind::L1) {
        return s + magnitude<Acc>(v);
    } else {
        return s + square<Acc>(v);
    }
}

// Element i goes to partial sum i % L; `step` folds one element into one
// partial sum.
template <class Acc, class Step>
inline void lanes(std::size_t n, Acc* acc, Step step) {
    constexpr int L = lanes_of<Acc>;
    Acc a[L];
    for (int j = 0; j < L; ++j) a[j] = Acc{};
    std::size_t i = 0;
    for (; i + L <= n; i += L)
        for (int j = 0; j < L; ++j) a[j] = step(a[j], i + j);
    for (int j = 0; i < n; ++i, ++j) a[j] = step(a[j], i);
    for (int j = 0; j < L; ++j) acc[j] = a[j];
}

// The same with a real and an imaginary partial sum per lane.
template <class Acc, class Step>
inline void lanes2(std::size_t n, Acc* re, Acc* im, Step step) {
    constexpr int L = lanes_of<Acc>;
    Acc r[L], m[L];
    for (int j = 0; j < L; ++j) { r[j] = Acc{}; m[j] = Acc{}; }
    std::size_t i = 0;
    for (; i + L <= n; i += L)
        for (int j = 0; j < L; ++j) step(r[j], m[j], i + j);
    for (int j = 0; i < n; ++i, ++j) step(r[j], m[j], i);
    for (int j = 0; j < L; ++j) { re[j] = r[j]; im[j] = m[j]; }
}

template <class T, class Acc>
void sum(const T* __restrict x, std::size_t n, Acc* acc) {
    lanes(n, acc, [x](Acc s, std::size_t i) { return s + static_cast<Acc>(x[i]); });
}

// The double sum of single-precision elements: element i goes to partial
// sum i % 8, each a chain of rounded additions, so the chain's latency sets
// the pace. A block whose additions are all exact has the same result in
// any order, so such a block runs as four independent groups of the eight
// sums, added into them at its end. The test is conservative: every partial
// sum of a lane over the block is a multiple of 2^q (q: the unit in the last
// place of the block's smallest non-zero magnitude, or the lowest set bit of
// a lane's running sum) and below 2^(q+53) in magnitude when the lane's sum
// plus its share of elements times the largest magnitude stays below that.
// Other blocks (and any block with an infinity or NaN) take the chains.
constexpr std::size_t kExactBlock = 2048;

// The exponent of the lowest set bit of a finite non-zero double.
inline int low_bit(double a) {
    std::uint64_t b;
    __builtin_memcpy(&b, &a, sizeof b);
    const int e = static_cast<int>((b >> 52) & 0x7ff);
    std::uint64_t m = b & ((std::uint64_t{1} << 52) - 1);
    if (e != 0) m |= std::uint64_t{1} << 52;
    return (e == 0 ? 1 : e) - 1075 + __builtin_ctzll(m);
}

// t with |a| < 2^(t + 1) for a finite double; 2047 for infinities and NaNs.
inline int top_bit(double a) {
    std::uint64_t b;
    __builtin_memcpy(&b, &a, sizeof b);
    const int e = static_cast<int>((b >> 52) & 0x7ff);
    return e == 0x7ff ? 2047 : (e == 0 ? -1022 : e - 1023);
}

// Bit patterns in one register of the level: wider generic vectors would be
// assembled lane by lane.
using vu = std::uint32_t __attribute__((vector_size(kVectorBytes)));
inline constexpr int kVu = static_cast<int>(kVectorBytes / sizeof(std::uint32_t));

// Thirty-two double sums held in the widest registers of the level: sum j
// takes the elements 32t + j, widened from single precision.
struct Groups32 {
#if defined(__AVX512F__)
// GCC 12 reports the intrinsics' internal undefined pass-through operands as
// maybe-uninitialised; they are not read.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
    __m512d g[4] = {_mm512_setzero_pd(), _mm512_setzero_pd(), _mm512_setzero_pd(), _mm512_setzero_pd()};
    void add(const float* p) {
        for (int j = 0; j < 4; ++j) g[j] = _mm512_add_pd(g[j], _mm512_cvtps_pd(_mm256_loadu_ps(p + 8 * j)));
    }
    void store(double* d) const {
        for (int j = 0; j < 4; ++j) _mm512_storeu_pd(d + 8 * j, g[j]);
    }
#elif defined(__AVX__)
    __m256d g[8];
    Groups32() { for (auto& v : g) v = _mm256_setzero_pd(); }
    void add(const float* p) {
        for (int j = 0; j < 8; ++j) g[j] = _mm256_add_pd(g[j], _mm256_cvtps_pd(_mm_loadu_ps(p + 4 * j)));
    }
    void store(double* d) const {
        for (int j = 0; j < 8; ++j) _mm256_storeu_pd(d + 4 * j, g[j]);
    }
#else
    __m128d g[16];
    Groups32() { for (auto& v : g) v = _mm_setzero_pd(); }
    void add(const float* p) {
        for (int j = 0; j < 16; ++j)
            g[j] = _mm_add_pd(g[j], _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + 2 * j)))));
    }
    void store(double* d) const {
        for (int j = 0; j < 16; ++j) _mm_storeu_pd(d + 2 * j, g[j]);
    }
#endif
};

void sum_32f_64(const float* __restrict x, std::size_t n, double* acc) {
    constexpr int L = 8;
    double a[L] = {};
    for (std::size_t i = 0; i < n; i += kExactBlock) {
        const std::size_t m = n - i < kExactBlock ? n - i : kExactBlock;
        const float* p = x + i;
        // Four groups of the eight sums; the largest magnitude's bits and the
        // smallest magnitude's bits (zero included: a block holding a zero
        // looks again for its smallest non-zero magnitude).
        Groups32 grp;
        const vu mask = vu{} + 0x7fffffffu;
        vu hi = {}, lo = mask;
        std::size_t k = 0;
        for (; k + 32 <= m; k += 32) {
            for (int c = 0; c < 32; c += kVu) {
                vu b;
                __builtin_memcpy(&b, p + k + c, sizeof b);
                b &= mask;
                hi = b > hi ? b : hi;
                lo = b < lo ? b : lo;
            }
            grp.add(p + k);
        }
        double g[32];
        grp.store(g);
        std::uint32_t top = 0, low = 0x7fffffffu;
        for (int j = 0; j < kVu; ++j) {
            top = hi[j] > top ? hi[j] : top;
            low = lo[j] < low ? lo[j] : low;
        }
        for (; k < m; ++k) {
            std::uint32_t v;
            __builtin_memcpy(&v, p + k, sizeof v);
            v &= 0x7fffffffu;
            top = v > top ? v : top;
            low = v < low ? v : low;
            g[k % 32] += static_cast<double>(p[k]);
        }
        if (low == 0 && top != 0) {
            low = 0x7fffffffu;
            for (k = 0; k < m; ++k) {
                std::uint32_t v;
                __builtin_memcpy(&v, p + k, sizeof v);
                v &= 0x7fffffffu;
                low = v != 0 && v < low ? v : low;
            }
        }
        bool exact = top < 0x7f800000u;  // finite elements only
        if (exact && top != 0) {
            const int xtop = static_cast<int>(top >> 23) - 127;
            const int lofield = static_cast<int>(low >> 23);
            int q = (lofield == 0 ? 1 : lofield) - 150;
            int atop = -1100;
            for (int j = 0; j < L; ++j)
                if (a[j] != 0.0) {
                    const int t = top_bit(a[j]);
                    atop = t > atop ? t : atop;
                    if (t != 2047) {
                        const int lb = low_bit(a[j]);
                        q = lb < q ? lb : q;
                    }
                }
            // A lane takes at most 256 = 2^8 elements of the block.
            const int bound = (xtop + 9 > atop + 1 ? xtop + 9 : atop + 1) + 1;
            exact = atop != 2047 && bound <= q + 53;
        }
        if (exact) {
            for (int j = 0; j < L; ++j) a[j] += (g[j] + g[j + L]) + (g[j + 2 * L] + g[j + 3 * L]);
        } else {
            for (k = 0; k < m; ++k) a[k % L] += static_cast<double>(p[k]);
        }
    }
    for (int j = 0; j < L; ++j) acc[j] = a[j];
}

// Sums and sums of squares in moment_lanes_of<Acc> partial sums; element i
// goes to partial sum i % lanes.
template <class T, class Acc>
void moments(const T* __restrict x, std::size_t n, Acc* s1, Acc* s2) {
    constexpr int L = moment_lanes_of<Acc>;
    if constexpr (std::is_same_v<Acc, double>) {
        // Two double partial sums of each: the two lanes of one 16-byte
        // register on every level, so each step converts, adds and squares
        // two elements at once (the add chain sets the pace: its order is
        // the result's definition).
        static_assert(L == 2);
        auto pair = [x](std::size_t i) {
            if constexpr (std::is_same_v<T, float>)
                return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(x + i))));
            else
                return _mm_loadu_pd(x + i);
        };
        __m128d a = _mm_setzero_pd(), b = _mm_setzero_pd();
        std::size_t i = 0;
        for (; i + 4 <= n; i += 4) {
            const __m128d v = pair(i), w = pair(i + 2);
            a = _mm_add_pd(a, v);
            b = _mm_add_pd(b, _mm_mul_pd(v, v));
            a = _mm_add_pd(a, w);
            b = _mm_add_pd(b, _mm_mul_pd(w, w));
        }
        if (i + 2 <= n) {
            const __m128d v = pair(i);
            a = _mm_add_pd(a, v);
            b = _mm_add_pd(b, _mm_mul_pd(v, v));
            i += 2;
        }
        _mm_storeu_pd(s1, a);
        _mm_storeu_pd(s2, b);
        if (i < n) {
            const double v = static_cast<double>(x[i]);
            s1[0] += v;
            s2[0] += v * v;
        }
    } else {
        Acc a[L], b[L];
        for (int j = 0; j < L; ++j) { a[j] = Acc{}; b[j] = Acc{}; }
        std::size_t i = 0;
        for (; i + L <= n; i += L)
            for (int j = 0; j < L; ++j) {
                const Acc v = static_cast<Acc>(x[i + j]);
                a[j] += v;
                b[j] += v * v;
            }
        for (int j = 0; i < n; ++i, ++j) {
            const Acc v = static_cast<Acc>(x[i]);
            a[j] += v;
            b[j] += v * v;
        }
        for (int j = 0; j < L; ++j) { s1[j] = a[j]; s2[j] = b[j]; }
    }
}

// The fast single-precision sums: each stretch in single-precision lanes,
// carried into double lanes at its end.
void sum_32f_fast(const float* __restrict x, std::size_t n, std::size_t stretch, double* total) {
    constexpr int L = lanes_of<float>;
    double t[L] = {};
    for (std::size_t s = 0; s < n; s += stretch) {
        float part[L];
        sum<float, float>(x + s, n - s < stretch ? n - s : stretch, part);
        for (int j = 0; j < L; ++j) t[j] += static_cast<double>(part[j]);
    }
    for (int j = 0; j < L; ++j) total[j] = t[j];
}

void moments_32f_fast(const float* __restrict x, std::size_t n, std::size_t stretch, double* s1, double* s2) {
    constexpr int L = moment_lanes_of<float>;
    double t1[L] = {}, t2[L] = {};
    for (std::size_t s = 0; s < n; s += stretch) {
        float a[L], b[L];
        moments<float, float>(x + s, n - s < stretch ? n - s : stretch, a, b);
        for (int j = 0; j < L; ++j) {
            t1[j] += static_cast<double>(a[j]);
            t2[j] += static_cast<double>(b[j]);
        }
    }
    for (int j = 0; j < L; ++j) { s1[j] = t1[j]; s2[j] = t2[j]; }
}

template <Kind K, class T, class Acc>
void norm_one(const T* __restrict a, std::size_t n, Acc* acc) {
    lanes(n, acc, [a](Acc s, std::size_t i) { return norm_step<K>(s, value<T, false>(a, a, i)); });
}

template <Kind K, class T, class Acc>
void norm_diff(const T* __restrict a, const T* __restrict b, std::size_t n, Acc* acc) {
    lanes(n, acc, [a, b](Acc s, std::size_t i) { return norm_step<K>(s, value<T, true>(a, b, i)); });
}

template <class T, class AI, class A1, class A2>
constexpr NormSet<T, AI, A1, A2> norm_set() {
    return {{norm_one<Kind::Inf, T, AI>, norm_diff<Kind::Inf, T, AI>},
            {norm_one<Kind::L1, T, A1>, norm_diff<Kind::L1, T, A1>},
            {norm_one<Kind::L2, T, A2>, norm_diff<Kind::L2, T, A2>}};
}

// One product in the accumulator's arithmetic; 16-bit products are exact in
// 32 bits and widened afterwards.
template <class Acc, class X, class Y>
inline Acc product(X x, Y y) {
    if constexpr (std::is_integral_v<Acc> && sizeof(X) <= 2 && sizeof(Y) <= 2)
        return static_cast<Acc>(static_cast<std::int32_t>(x) * static_cast<std::int32_t>(y));
    else
        return static_cast<Acc>(x) * static_cast<Acc>(y);
}

template <class Acc, class A, class B>
void dot(const A* __restrict a, const B* __restrict b, std::size_t n, Acc* re, Acc* im) {
    if constexpr (!is_complex_v<A> && !is_complex_v<B>) {
        (void)im;
        lanes(n, re, [a, b](Acc s, std::size_t i) { return s + product<Acc>(a[i], b[i]); });
    } else if constexpr (!is_complex_v<A>) {
        lanes2(n, re, im, [a, b](Acc& r, Acc& m, std::size_t i) {
            r += product<Acc>(a[i], b[i].re);
            m += product<Acc>(a[i], b[i].im);
        });
    } else {
        // The real and imaginary sums run as two passes: interleaved in one
        // loop, the vectoriser recognises a complex multiply-add and fuses
        // it into multiply-add instructions even with contraction off, which
        // would make the result depend on the dispatch level.
        lanes(n, re, [a, b](Acc s, std::size_t i) {
            return s + (product<Acc>(a[i].re, b[i].re) - product<Acc>(a[i].im, b[i].im));
        });
        lanes(n, im, [a, b](Acc s, std::size_t i) {
            return s + (product<Acc>(a[i].im, b[i].re) + product<Acc>(a[i].re, b[i].im));
        });
    }
}

}  // namespace

extern const ReduceKernels reduce_kernels = {
    sum_32f_fast, sum_32f_64, sum<double, double>, sum<Zor16s, Zor64s>, sum<Zor32s, Zor64s>,
    moments_32f_fast, moments<float, double>, moments<double, double>,
    norm_set<float, float, float, float>(),
    norm_set<double, double, double, double>(),
    norm_set<Zor16s, Zor32s, Zor64s, Zor64s>(),
    norm_set<Zor32fc, float, double, double>(),
    norm_set<Zor64fc, double, double, double>(),
    dot<float, float, float>, dot<float, Zor32fc, Zor32fc>, dot<float, float, Zor32fc>,
    dot<double, float, float>, dot<double, Zor32fc, Zor32fc>, dot<double, float, Zor32fc>,
    dot<double, double, double>, dot<double, Zor64fc, Zor64fc>, dot<double, double, Zor64fc>,
    dot<Zor64s, Zor16s, Zor16s>, dot<Zor64s, Zor16sc, Zor16sc>, dot<Zor64s, Zor16s, Zor16sc>,
    dot<double, Zor32s, Zor32s>, dot<double, Zor32sc, Zor32sc>, dot<double, Zor32s, Zor32sc>,
    dot<double, Zor16s, Zor32s>,
};

}  // namespace zors::ZORS_ISA
