// G.711 companding: ALawToLin, MuLawToLin (to 16s and 32f), LinToALaw,
// LinToMuLaw (from 16s and 32f), ALawToMuLaw and MuLawToALaw.
//
// Codes are the bytes as transmitted: A-law with its even bits inverted,
// mu-law fully inverted. Decoding and code conversion are lookups in four
// constant 256-entry tables; encoding is computed. Every member checks pSrc
// and pDst (-8), then len < 1 (-6).
//
// - A-law encoder: m = x >> 3 (13 bits); a negative m becomes -m - 1 with
//   sign mask 0x55 (else 0xD5); the segment s is the first whose end
//   (31, 63, ..., 4095) is not below m; the code is
//   ((s << 4) | ((m >> max(s, 1)) & 15)) ^ mask.
// - mu-law encoder: m = (|x| rounded down to 14 bits, with -1 - x for
//   negative x) + 33, limited to 8191; s = 0 below 64, else one above the
//   top bit of m >> 6; the code is 0x7F - ((s << 4) | ((m >> (s + 1)) & 15)),
//   plus 0x80 for x >= 0.
// - From single precision: v = x * 32768, saturated to the 16-bit range,
//   rounded half away from zero (NaN gives 0), then the 16-bit encoder.
// - To single precision: the 16-bit decoded value times 2^-15.
//
// The encoders are dispatched wide bodies (companding.simd.cpp).
#include <array>
#include <cstdint>

#include "convert/companding.h"
#include "frame/check.h"
#include "frame/dispatch.h"

namespace zors {

ZORS_ISA_TABLE(CompandKernels, compand_kernels)

namespace {

// Decoded 16-bit value of a transmitted A-law code.
constexpr Zor16s alaw_decode(unsigned code) {
    const unsigned v = code ^ 0x55u;
    const int seg = static_cast<int>((v & 0x7F) >> 4);
    int mag = static_cast<int>(v & 0x0F);
    if (seg > 0) mag += 16;
    mag = (mag << 4) + 8;
    if (seg > 1) mag <<= seg - 1;
    return static_cast<Zor16s>((v & 0x80) ? mag : -mag);
}

// Decoded 16-bit value of a transmitted mu-law code.
constexpr Zor16s mulaw_decode(unsigned code) {
    const unsigned v = ~code & 0xFF;
    const int seg = static_cast<int>((v >> 4) & 7);
    const int q = static_cast<int>(v & 0x0F);
    const int mag = (((q << 3) + 0x84) << seg) - 0x84;
    return static_cast<Zor16s>((v & 0x80) ? -mag : mag);
}

template <class F>
constexpr std::array<Zor16s, 256> decode_table(F decode) {
    std::array<Zor16s, 256> t{};
    for (unsigned c = 0; c < 256; ++c) t[c] = decode(c);
    return t;
}

constexpr auto kALawToLin = decode_table(alaw_decode);
constexpr auto kMuLawToLin = decode_table(mulaw_decode);

// The conversion tables of G.711 between the two laws, by magnitude number
// (0 for the smallest magnitude of each sign). A-law number i converts to
// mu-law number kALawToMuLawMag[i] (mu-law number 0 is the zero level, which
// no A-law code decodes to); mu-law number i converts to A-law number
// kMuLawToALawMag[i] - 1. Both keep the sign and the order of magnitudes.
constexpr std::uint8_t kALawToMuLawMag[128] = {
    1,   3,   5,   7,   9,   11,  13,  15,  16,  17,  18,  19,  20,  21,  22,  23,
    24,  25,  26,  27,  28,  29,  30,  31,  32,  32,  33,  33,  34,  34,  35,  35,
    36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,  48,  48,  49,  49,
    50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  62,  63,  64,  64,
    65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  77,  78,  79,  80,
    80,  81,  82,  83,  84,  85,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95,
    96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111,
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127};
constexpr std::uint8_t kMuLawToALawMag[128] = {
    1,   1,   2,   2,   3,   3,   4,   4,   5,   5,   6,   6,   7,   7,   8,   8,
    9,   10,  11,  12,  13,  14,  15,  16,  17,  18,  19,  20,  21,  22,  23,  24,
    25,  27,  29,  31,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,
    46,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  62,
    64,  65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  77,  78,  79,
    80,  82,  83,  84,  85,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95,  96,
    97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112,
    113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128};

// Transmitted codes: A-law magnitude number n (0..127) is n ^ 0xD5 for the
// positive and n ^ 0x55 for the negative half; mu-law n is n ^ 0xFF and
// n ^ 0x7F.
constexpr std::array<Zor8u, 256> alaw_to_mulaw_table() {
    std::array<Zor8u, 256> t{};
    for (unsigned c = 0; c < 256; ++c) {
        const bool pos = (c & 0x80) != 0;
        const unsigned n = c ^ (pos ? 0xD5u : 0x55u);
        t[c] = static_cast<Zor8u>(kALawToMuLawMag[n] ^ (pos ? 0xFFu : 0x7Fu));
    }
    return t;
}
constexpr std::array<Zor8u, 256> mulaw_to_alaw_table() {
    std::array<Zor8u, 256> t{};
    for (unsigned c = 0; c < 256; ++c) {
        const bool pos = (c & 0x80) != 0;
        const unsigned n = c ^ (pos ? 0xFFu : 0x7Fu);
        t[c] = static_cast<Zor8u>((kMuLawToALawMag[n] - 1u) ^ (pos ? 0xD5u : 0x55u));
    }
    return t;
}

constexpr auto kALawToMuLaw = alaw_to_mulaw_table();
constexpr auto kMuLawToALaw = mulaw_to_alaw_table();

template <class S>
ZorStatus encode(const S* src, Zor8u* dst, int len, void (*kernel)(const S*, Zor8u*, std::size_t)) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    kernel(src, dst, static_cast<std::size_t>(len));
    return zorStsNoErr;
}

template <class S, class D, class F>
ZorStatus map(const S* src, D* dst, int len, F f) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    for (int i = 0; i < len; ++i) dst[i] = f(src[i]);
    return zorStsNoErr;
}

constexpr float kInv32768 = 3.0517578125e-05f;

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsALawToLin_8u16s(const Zor8u* pSrc, Zor16s* pDst, int len) { return map(pSrc, pDst, len, [](Zor8u c) { return kALawToLin[c]; }); }
ZorStatus zorsMuLawToLin_8u16s(const Zor8u* pSrc, Zor16s* pDst, int len) { return map(pSrc, pDst, len, [](Zor8u c) { return kMuLawToLin[c]; }); }
ZorStatus zorsALawToLin_8u32f(const Zor8u* pSrc, Zor32f* pDst, int len) { return map(pSrc, pDst, len, [](Zor8u c) { return kALawToLin[c] * kInv32768; }); }
ZorStatus zorsMuLawToLin_8u32f(const Zor8u* pSrc, Zor32f* pDst, int len) { return map(pSrc, pDst, len, [](Zor8u c) { return kMuLawToLin[c] * kInv32768; }); }
ZorStatus zorsALawToMuLaw_8u(const Zor8u* pSrc, Zor8u* pDst, int len) { return map(pSrc, pDst, len, [](Zor8u c) { return kALawToMuLaw[c]; }); }
ZorStatus zorsMuLawToALaw_8u(const Zor8u* pSrc, Zor8u* pDst, int len) { return map(pSrc, pDst, len, [](Zor8u c) { return kMuLawToALaw[c]; }); }
ZorStatus zorsLinToALaw_16s8u(const Zor16s* pSrc, Zor8u* pDst, int len) { return encode(pSrc, pDst, len, compand_kernels().lin_to_alaw); }
ZorStatus zorsLinToMuLaw_16s8u(const Zor16s* pSrc, Zor8u* pDst, int len) { return encode(pSrc, pDst, len, compand_kernels().lin_to_mulaw); }
ZorStatus zorsLinToALaw_32f8u(const Zor32f* pSrc, Zor8u* pDst, int len) { return encode(pSrc, pDst, len, compand_kernels().f32_to_alaw); }
ZorStatus zorsLinToMuLaw_32f8u(const Zor32f* pSrc, Zor8u* pDst, int len) { return encode(pSrc, pDst, len, compand_kernels().f32_to_mulaw); }
