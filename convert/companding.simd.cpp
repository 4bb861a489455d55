// Wide bodies of the G.711 encoders, compiled once per dispatch level.
//
// The segment number is the exponent of the 13- or 14-bit magnitude
// converted to single precision (exact for these magnitudes), so the
// encoders need neither branches nor tables and the compiler runs them
// across whole vectors (the mantissa shift varies per element, which the
// wider levels do in one instruction).
#include "frame/isa.h"

#include <bit>
#include <cstdint>

#include "convert/companding.h"

namespace zors::ZORS_ISA {
namespace {

// floor(log2(m)) for 1 <= m < 2^24, from the exponent of its single value.
inline std::int32_t top_bit(std::int32_t m) {
    return static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(static_cast<float>(m)) >> 23) - 127;
}

inline Zor8u alaw_encode(std::int32_t x) {
    std::int32_t m = x >> 3;
    const std::int32_t neg = m >> 31;  // all ones for negative samples
    m ^= neg;                          // -m - 1
    const std::int32_t s = top_bit(m | 31) - 4;
    const std::int32_t shift = s < 2 ? 1 : s;
    const std::int32_t code = (s << 4) | ((m >> shift) & 15);
    return static_cast<Zor8u>(code ^ (0xD5 ^ (neg & 0x80)));
}

inline Zor8u mulaw_encode(std::int32_t x) {
    const std::int32_t neg = x >> 31;
    std::int32_t m = ((x ^ neg) >> 2) + 33;  // -x - 1 for negative samples
    m = m > 8191 ? 8191 : m;
    const std::int32_t s = top_bit(m | 63) - 5;
    const std::int32_t code = (s << 4) | ((m >> (s + 1)) & 15);
    return static_cast<Zor8u>(code ^ (0xFF ^ (neg & 0x80)));
}

// Single precision to the 16-bit range, rounded half away from zero. The
// sum with one half is exact in double precision for every value in range.
inline std::int32_t f32_to_lin(float x) {
    const double v = static_cast<double>(x) * 32768.0;
    if (v > 32767.0) return 32767;
    if (v < -32768.0) return -32768;
    if (!(v == v)) return 0;
    return static_cast<std::int32_t>(v < 0 ? v - 0.5 : v + 0.5);
}

template <class S, class E>
void encode(const S* __restrict s, Zor8u* __restrict d, std::size_t n, E enc) {
    for (std::size_t i = 0; i < n; ++i) d[i] = enc(s[i]);
}

void lin_to_alaw(const Zor16s* s, Zor8u* d, std::size_t n) { encode(s, d, n, [](Zor16s x) { return alaw_encode(x); }); }
void lin_to_mulaw(const Zor16s* s, Zor8u* d, std::size_t n) { encode(s, d, n, [](Zor16s x) { return mulaw_encode(x); }); }
void f32_to_alaw(const Zor32f* s, Zor8u* d, std::size_t n) { encode(s, d, n, [](Zor32f x) { return alaw_encode(f32_to_lin(x)); }); }
void f32_to_mulaw(const Zor32f* s, Zor8u* d, std::size_t n) { encode(s, d, n, [](Zor32f x) { return mulaw_encode(f32_to_lin(x)); }); }

}  // namespace

extern const CompandKernels compand_kernels = {lin_to_alaw, lin_to_mulaw, f32_to_alaw, f32_to_mulaw};

}  // namespace zors::ZORS_ISA
