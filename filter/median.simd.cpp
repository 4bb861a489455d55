// Median filter kernels of one dispatch level: the network's compare-exchange
// steps over whole rows, which the compiler turns into vector min/max.
#include "frame/isa.h"

#include <immintrin.h>

#include <cstring>
#include <type_traits>

#include "filter/median.h"

namespace zors::ZORS_ISA {
namespace {

// The vector minimum min(p, q) takes p where p < q and q otherwise, exactly
// the rule above with p = b and q = a; the maximum max(q, p) takes q where
// q > p, else p.
template <class V, class T, class Min, class Max>
inline void rows_wide(T* r, const std::int16_t* net, int pairs, Min vmin, Max vmax) {
    constexpr int n = kMedianLanes, w = static_cast<int>(sizeof(V) / sizeof(T));
    for (int c = 0; c < pairs; ++c) {
        T* a = r + net[2 * c] * n;
        T* b = r + net[2 * c + 1] * n;
        for (int j = 0; j < n; j += w) {
            V x, y;
            std::memcpy(&x, a + j, sizeof(V));
            std::memcpy(&y, b + j, sizeof(V));
            const V lo = vmin(y, x), hi = vmax(x, y);
            std::memcpy(a + j, &lo, sizeof(V));
            std::memcpy(b + j, &hi, sizeof(V));
        }
    }
}

template <class T>
void rows(T* r, const std::int16_t* net, int pairs) {
#if defined(__AVX512F__)
    if constexpr (std::is_same_v<T, float>)
        return rows_wide<__m512>(r, net, pairs, [](__m512 p, __m512 q) { return _mm512_min_ps(p, q); },
                                 [](__m512 q, __m512 p) { return _mm512_max_ps(q, p); });
    if constexpr (std::is_same_v<T, double>)
        return rows_wide<__m512d>(r, net, pairs, [](__m512d p, __m512d q) { return _mm512_min_pd(p, q); },
                                  [](__m512d q, __m512d p) { return _mm512_max_pd(q, p); });
#elif defined(__AVX2__)
    if constexpr (std::is_same_v<T, float>)
        return rows_wide<__m256>(r, net, pairs, [](__m256 p, __m256 q) { return _mm256_min_ps(p, q); },
                                 [](__m256 q, __m256 p) { return _mm256_max_ps(q, p); });
    if constexpr (std::is_same_v<T, double>)
        return rows_wide<__m256d>(r, net, pairs, [](__m256d p, __m256d q) { return _mm256_min_pd(p, q); },
                                  [](__m256d q, __m256d p) { return _mm256_max_pd(q, p); });
#endif
    constexpr int n = kMedianLanes;
    for (int c = 0; c < pairs; ++c) {
        T* __restrict a = r + net[2 * c] * n;
        T* __restrict b = r + net[2 * c + 1] * n;
        for (int j = 0; j < n; ++j) {
            const T x = a[j], y = b[j];
            a[j] = y < x ? y : x;
            b[j] = y < x ? x : y;
        }
    }
}

}  // namespace

extern const MedianKernels median_kernels = {rows<Zor32f>, rows<Zor64f>, rows<Zor16s>, rows<Zor8u>, rows<Zor32s>};

}  // namespace zors::ZORS_ISA
