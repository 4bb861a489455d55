// Per-level vocabulary for the float-to-integer conversions: a vector of
// single-precision lanes and the 32-bit integer vector of the same lane count.
// Include only from wide bodies (*.simd.cpp): everything here lives in
// zors::ZORS_ISA and is compiled with that level's flags.
#pragma once

#include "frame/isa.h"

#include <cstring>
#include <immintrin.h>

namespace zors::ZORS_ISA::vcvt {

#if defined(__AVX512F__)

// GCC 12 reports the intrinsics' internal undefined pass-through operands as
// maybe-uninitialised; they are not read.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

inline constexpr std::size_t kLanes = 16;
using VF = __m512;
using VI = __m512i;
inline VF loadf(const float* p) { return _mm512_loadu_ps(p); }
inline VF set1f(float v) { return _mm512_set1_ps(v); }
inline VF mulf(VF a, VF b) { return _mm512_mul_ps(a, b); }
inline VF minf(VF a, VF b) { return _mm512_min_ps(a, b); }  // b when either is NaN
inline VF maxf(VF a, VF b) { return _mm512_max_ps(a, b); }  // b when either is NaN
inline VI cvtf(VF a) { return _mm512_cvtps_epi32(a); }      // current rounding field
inline VI bitsf(VF a) { return _mm512_castps_si512(a); }
inline VI set1i(int v) { return _mm512_set1_epi32(v); }
inline VI gti(VI a, VI b) { return _mm512_movm_epi32(_mm512_cmpgt_epi32_mask(a, b)); }
inline VI xori(VI a, VI b) { return _mm512_xor_si512(a, b); }
// Stores of lanes whose values already fit the destination.
inline void store_fit(std::int32_t* d, VI v) { _mm512_storeu_si512(d, v); }

// Double-precision lanes; cvt_store converts them with the current rounding
// field and stores the 32-bit results (values already in range).
inline constexpr std::size_t kLanesD = 8;
using VD = __m512d;
inline VD loadd(const double* p) { return _mm512_loadu_pd(p); }
inline VD set1d(double v) { return _mm512_set1_pd(v); }
inline VD muld(VD a, VD b) { return _mm512_mul_pd(a, b); }
inline VD mind(VD a, VD b) { return _mm512_min_pd(a, b); }
inline VD maxd(VD a, VD b) { return _mm512_max_pd(a, b); }
inline void cvt_store(std::int32_t* d, VD v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm512_cvtpd_epi32(v)); }
inline void store_fit(std::int16_t* d, VI v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm512_cvtepi32_epi16(v)); }
inline void store_fit(std::uint16_t* d, VI v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm512_cvtepi32_epi16(v)); }
inline void store_fit(std::int8_t* d, VI v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm512_cvtepi32_epi8(v)); }
inline void store_fit(std::uint8_t* d, VI v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm512_cvtepi32_epi8(v)); }

#elif defined(__AVX2__)

inline constexpr std::size_t kLanes = 8;
using VF = __m256;
using VI = __m256i;
inline VF loadf(const float* p) { return _mm256_loadu_ps(p); }
inline VF set1f(float v) { return _mm256_set1_ps(v); }
inline VF mulf(VF a, VF b) { return _mm256_mul_ps(a, b); }
inline VF minf(VF a, VF b) { return _mm256_min_ps(a, b); }
inline VF maxf(VF a, VF b) { return _mm256_max_ps(a, b); }
inline VI cvtf(VF a) { return _mm256_cvtps_epi32(a); }
inline VI bitsf(VF a) { return _mm256_castps_si256(a); }
inline VI set1i(int v) { return _mm256_set1_epi32(v); }
inline VI gti(VI a, VI b) { return _mm256_cmpgt_epi32(a, b); }
inline VI xori(VI a, VI b) { return _mm256_xor_si256(a, b); }
inline __m128i lo128(VI v) { return _mm256_castsi256_si128(v); }
inline __m128i hi128(VI v) { return _mm256_extracti128_si256(v, 1); }
inline void store_fit(std::int32_t* d, VI v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), v); }

inline constexpr std::size_t kLanesD = 4;
using VD = __m256d;
inline VD loadd(const double* p) { return _mm256_loadu_pd(p); }
inline VD set1d(double v) { return _mm256_set1_pd(v); }
inline VD muld(VD a, VD b) { return _mm256_mul_pd(a, b); }
inline VD mind(VD a, VD b) { return _mm256_min_pd(a, b); }
inline VD maxd(VD a, VD b) { return _mm256_max_pd(a, b); }
inline void cvt_store(std::int32_t* d, VD v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm256_cvtpd_epi32(v)); }
inline void store_fit(std::int16_t* d, VI v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_packs_epi32(lo128(v), hi128(v))); }
inline void store_fit(std::uint16_t* d, VI v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_packus_epi32(lo128(v), hi128(v))); }
inline void store_fit(std::int8_t* d, VI v) {
    const __m128i w = _mm_packs_epi32(lo128(v), hi128(v));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_packs_epi16(w, w));
}
inline void store_fit(std::uint8_t* d, VI v) {
    const __m128i w = _mm_packs_epi32(lo128(v), hi128(v));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_packus_epi16(w, w));
}

#else

inline constexpr std::size_t kLanes = 4;
using VF = __m128;
using VI = __m128i;
inline VF loadf(const float* p) { return _mm_loadu_ps(p); }
inline VF set1f(float v) { return _mm_set1_ps(v); }
inline VF mulf(VF a, VF b) { return _mm_mul_ps(a, b); }
inline VF minf(VF a, VF b) { return _mm_min_ps(a, b); }
inline VF maxf(VF a, VF b) { return _mm_max_ps(a, b); }
inline VI cvtf(VF a) { return _mm_cvtps_epi32(a); }
inline VI bitsf(VF a) { return _mm_castps_si128(a); }
inline VI set1i(int v) { return _mm_set1_epi32(v); }
inline VI gti(VI a, VI b) { return _mm_cmpgt_epi32(a, b); }
inline VI xori(VI a, VI b) { return _mm_xor_si128(a, b); }
inline void store_fit(std::int32_t* d, VI v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), v); }

inline constexpr std::size_t kLanesD = 2;
using VD = __m128d;
inline VD loadd(const double* p) { return _mm_loadu_pd(p); }
inline VD set1d(double v) { return _mm_set1_pd(v); }
inline VD muld(VD a, VD b) { return _mm_mul_pd(a, b); }
inline VD mind(VD a, VD b) { return _mm_min_pd(a, b); }
inline VD maxd(VD a, VD b) { return _mm_max_pd(a, b); }
inline void cvt_store(std::int32_t* d, VD v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_cvtpd_epi32(v)); }
inline void store_fit(std::int16_t* d, VI v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_packs_epi32(v, v)); }
// 0..65535 does not fit the signed pack: sign-extend the low halves first,
// which the pack then keeps bit for bit.
inline void store_fit(std::uint16_t* d, VI v) {
    const __m128i s = _mm_srai_epi32(_mm_slli_epi32(v, 16), 16);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_packs_epi32(s, s));
}
inline void store_fit(std::int8_t* d, VI v) {
    const __m128i w = _mm_packs_epi32(v, v);
    const int b = _mm_cvtsi128_si32(_mm_packs_epi16(w, w));
    std::memcpy(d, &b, 4);
}
inline void store_fit(std::uint8_t* d, VI v) {
    const __m128i w = _mm_packs_epi32(v, v);
    const int b = _mm_cvtsi128_si32(_mm_packus_epi16(w, w));
    std::memcpy(d, &b, 4);
}

#endif

// One lane of the same operations, for heads and tails.
template <class T> T min1(T a, T b) { return a < b ? a : b; }  // b when either is NaN
template <class T> T max1(T a, T b) { return a > b ? a : b; }
inline int cvt1(float a) { return _mm_cvtss_si32(_mm_set_ss(a)); }  // current rounding field
inline int cvt1(double a) { return _mm_cvtsd_si32(_mm_set_sd(a)); }

}  // namespace zors::ZORS_ISA::vcvt
