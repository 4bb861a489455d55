// Per-level vectors for the statistics kernels, as GCC vector extensions:
// the compiler lowers each operation to the registers of the level the wide
// body is compiled for. Include only from wide bodies (after frame/isa.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <immintrin.h>

#include "frame/isa.h"

// The helpers pass vectors wider than the baseline's registers by value;
// they are inline and never cross an ABI boundary.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace zors::ZORS_ISA {

// One register of T. (Wider vector types are lowered element by element for
// comparisons, so kernels keep two of these for two dependency chains.)
template <class T>
struct reg_vec {
    typedef T type __attribute__((vector_size(kVectorBytes)));
};
template <class T> using reg_t = typename reg_vec<T>::type;
template <class T> inline constexpr int reg_lanes = static_cast<int>(kVectorBytes / sizeof(T));

template <class V, class T>
inline V load(const T* p) {
    V v;
    std::memcpy(&v, p, sizeof(V));
    return v;
}

template <class V, class T>
inline V broadcast(T x) {
    V v;
    for (std::size_t j = 0; j < sizeof(V) / sizeof(T); ++j) v[j] = x;
    return v;
}

// Ordered selection: b unless a compares strictly greater (smaller), so a
// NaN in a never replaces b.
template <class V> inline V select_greater(V a, V b) { return a > b ? a : b; }
template <class V> inline V select_smaller(V a, V b) { return a < b ? a : b; }

// The top bit of each byte of a one-register vector (a comparison result),
// byte 0 in bit 0.
template <class V>
inline std::uint64_t byte_signs(V v) {
    static_assert(sizeof(V) == kVectorBytes);
#if defined(__AVX512BW__)
    __m512i w;
    std::memcpy(&w, &v, sizeof w);
    return _mm512_movepi8_mask(w);
#elif defined(__AVX2__)
    __m256i w;
    std::memcpy(&w, &v, sizeof w);
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(w));
#else
    __m128i w;
    std::memcpy(&w, &v, sizeof w);
    return static_cast<std::uint32_t>(_mm_movemask_epi8(w));
#endif
}

}  // namespace zors::ZORS_ISA
