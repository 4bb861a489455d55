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
void rows_of(T* r, const std::int16_t* net, int pairs) {
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

// The extras of a group's output t sorted by a fixed network (b < a
// decides, as in the rows).
constexpr std::int16_t kSort3[] = {0, 1, 1, 2, 0, 1};
constexpr std::int16_t kSort7[] = {0, 6, 2, 3, 4, 5, 0, 2, 1, 4, 3, 6, 0, 1, 2, 5, 3, 4, 1, 2, 4, 6, 2, 3, 4, 5, 1, 2, 3, 4, 5, 6};

template <class T> inline T lo(T a, T b) { return b < a ? b : a; }
template <class T> inline T hi(T a, T b) { return b < a ? a : b; }

// Group g of a block holds the outputs i + B·g + t (t < B); their windows
// share the inputs at offsets B·g + B - 1 .. B·g + 2h of w (m - B + 1 of
// them), and output t has B - 1 more: offsets B·g + t .. B·g + B - 2 and
// B·g + 2h + 1 .. B·g + 2h + t. With S the shared values sorted and E the
// extras sorted, the median is max(S[h-B+1], max over i of min(S[h-B+1+i],
// E[B-1-i])): the shared values below S[h-B+1] and above S[h] are below and
// above the median whatever E holds. The inputs are split into B phases so
// that each row of the network (one shared value for every group) and each
// extra is a contiguous run.
template <class T, int B>
void group(const T* w, int h, const std::int16_t* net, int pairs, T* ph, T* rows, T* out, int count) {
    constexpr int L = kMedianLanes;
    const int P = L + h + 1, c = 2 * h - B + 2, total = B * L + 2 * h;
    for (int r = 0; r < B; ++r)
        for (int j = 0; B * j + r < total; ++j) ph[r * P + j] = w[B * j + r];
    const auto run = [&](int o) { return ph + (o % B) * P + o / B; };
    for (int k = 0; k < c; ++k) std::memcpy(rows + k * L, run(B - 1 + k), sizeof(T) * L);
    rows_of(rows, net, pairs);
    const T* __restrict s = rows + (h - B + 1) * L;
    alignas(64) T med[B * L];
    for (int t = 0; t < B; ++t) {
        const T* __restrict e[B - 1];
        for (int q = 0; q < B - 1; ++q) e[q] = run(q < B - 1 - t ? t + q : 2 * h + 1 + q - (B - 1 - t));
        T* __restrict y = med + t * L;
        if constexpr (B == 2) {  // no extras to sort
            const T* __restrict e0 = e[0];
            for (int j = 0; j < L; ++j) y[j] = hi(s[j], lo(s[L + j], e0[j]));
            continue;
        }
        for (int j = 0; j < L; ++j) {
            T v[B - 1];
            for (int q = 0; q < B - 1; ++q) v[q] = e[q][j];
            constexpr const std::int16_t* sn = B == 4 ? kSort3 : kSort7;
            for (int q = 0; q < (B == 4 ? 3 : 16); ++q) {
                const T a = v[sn[2 * q]], b = v[sn[2 * q + 1]];
                v[sn[2 * q]] = lo(a, b);
                v[sn[2 * q + 1]] = hi(a, b);
            }
            T r = s[j];
            for (int i = 1; i < B; ++i) r = hi(r, lo(s[i * L + j], v[B - 1 - i]));
            y[j] = r;
        }
    }
    if (count == B * L) {
        for (int j = 0; j < L; ++j)
            for (int t = 0; t < B; ++t) out[B * j + t] = med[t * L + j];
    } else {
        for (int k = 0; k < count; ++k) out[k] = med[(k % B) * L + k / B];
    }
}

}  // namespace

template <class T>
constexpr MedianFns<T> fns = {group<T, 2>, group<T, 4>, group<T, 8>};

extern const MedianKernels median_kernels = {fns<Zor32f>, fns<Zor64f>, fns<Zor16s>, fns<Zor8u>, fns<Zor32s>};

}  // namespace zors::ZORS_ISA
