// IIR filter states: the record, the kinds, the piece layout, the scalar
// recursions and the kernel table of the single-precision block schemes.
//
// Every state is one block: a 48-byte record (32-bit offsets, so the block
// has the same size on 32- and 64-bit targets), then the normalised taps
// (48 bytes after the record), the delay line with its trailing zero, and for
// single-precision taps the four-fold numerator table, the block-recursion
// table, a work buffer of 1024 elements and, for integer data, a conversion
// buffer of the same size.
#pragma once

#include <cstdint>
#include <type_traits>

#include "frame/level.h"
#include "frame/state.h"
#include "frame/types.h"
#include "zors.h"

namespace zors::iir {

// Identifier tag: the characters I, I.
inline constexpr std::uint32_t kTag = 0x4949;

struct Record {
    std::uint32_t id;
    std::uint32_t taps;     // offset of the normalised taps
    std::uint32_t dly;      // offset of the delay line (plus one trailing zero)
    std::int32_t dly_len;   // N, or 2 * numBq
    std::uint32_t ff;       // single precision: numerator taps, each four times
    std::uint32_t br;       // single precision: block-recursion table
    std::int32_t num_bq;    // sections, 0 for arbitrary order
    std::uint32_t br2;      // unused: the complex tables fit in one piece
    std::uint32_t work;     // single precision: 1024-element work buffer
    std::uint32_t conv;     // integer data: 1024-element conversion buffer
    std::uint32_t allocated;
    std::uint32_t reserved;
};
static_assert(sizeof(Record) == 48, "the taps start 48 bytes after the record");

// Elements per chunk of the single-precision block scheme.
inline constexpr int kChunk = 1024;

// Block-recursion table entries (in tap elements): four-lane vectors.
// Arbitrary order: M1, M2, M3 (the first responses h1..h3 that mix four
// feed-forward sums), then C_1..C_N (the four outputs' weights of y[n-k]).
// Cascade: per section M1, M2, M3, C1, C2.
constexpr std::uint64_t br_elems(bool biquad, std::int64_t n) {
    return biquad ? 20 * static_cast<std::uint64_t>(n) : 4 * static_cast<std::uint64_t>(n) + 12;
}

struct Pieces {
    std::uint32_t taps, dly, ff, br, work, conv;
    std::uint64_t end;
};

// The pieces of a state with element size `elem` (taps, delay, tables),
// single-precision tables and buffers when `single`, a conversion buffer
// when `conv`. n is the order or the section count.
inline Pieces layout(std::uint64_t elem, bool single, bool conv, bool biquad, std::int64_t n) {
    const std::uint64_t un = static_cast<std::uint64_t>(n);
    StateLayout l;
    l.add(sizeof(Record));
    Pieces p{};
    p.taps = l.add(elem * (biquad ? 5 * un : 2 * un + 1));
    p.dly = l.add(elem * (biquad ? 2 * un : un + 1));
    if (single) {
        p.ff = l.add(elem * 4 * (biquad ? 3 * un : un + 1));
        p.br = l.add(elem * br_elems(biquad, n));
        p.work = l.add(elem * kChunk);
        if (conv) p.conv = l.add(elem * kChunk);
    }
    p.end = l.total();
    return p;
}

// The documented state size (r16: low four bits cleared).
constexpr std::uint64_t r16(std::uint64_t v) { return v & ~std::uint64_t{15}; }
inline std::uint64_t documented_size(bool is_double, bool complex, int w_elems_conv, bool biquad,
                                     std::int64_t n) {
    const std::uint64_t N = static_cast<std::uint64_t>(n);
    if (is_double) {
        if (!complex) return biquad ? 16 * N + r16(40 * N + 15) + 64 : r16(8 * N + 23) + r16(16 * N + 23) + 64;
        return biquad ? 112 * N + 64 : 48 * N + 96;
    }
    // Single precision: W is one work buffer, or two with integer data.
    const std::uint64_t W = (complex ? 8192u : 4096u) * static_cast<std::uint64_t>(w_elems_conv);
    if (!complex) return biquad ? W + 160 * N + 104 + r16(20 * N + 15) + r16(8 * N + 15)
                                : W + 32 * N + 168 + r16(8 * N + 19) + r16(4 * N + 19);
    return biquad ? W + 736 * N + 64 + r16(40 * N + 15) + r16(16 * N + 15)
                  : W + 128 * N + 432 + r16(16 * N + 23) + r16(8 * N + 23);
}

}  // namespace zors::iir

// Code shared by generic sources and wide bodies lives in the level's
// namespace (see frame/level.h).
namespace zors {
ZORS_LEVEL_BEGIN
namespace iirk {

// A product kept as it is: the vectoriser may otherwise pair a complex
// product's subtraction and addition into one fused multiply-add-subtract
// on the levels that have it, and the levels would round differently.
template <class F>
inline F rounded(F v) {
    asm("" : "+x"(v));
    return v;
}

// Complex arithmetic on the library's pairs (real part first); each product
// rounded, then the sum.
template <class C>
inline C cx_mul(C a, C b) {
    return {rounded(a.re * b.re) - rounded(a.im * b.im), rounded(a.re * b.im) + rounded(a.im * b.re)};
}
inline Zor32fc operator+(Zor32fc a, Zor32fc b) { return {a.re + b.re, a.im + b.im}; }
inline Zor32fc operator-(Zor32fc a, Zor32fc b) { return {a.re - b.re, a.im - b.im}; }
inline Zor32fc operator-(Zor32fc a) { return {-a.re, -a.im}; }
inline Zor32fc operator*(Zor32fc a, Zor32fc b) { return cx_mul(a, b); }
inline Zor64fc operator+(Zor64fc a, Zor64fc b) { return {a.re + b.re, a.im + b.im}; }
inline Zor64fc operator-(Zor64fc a, Zor64fc b) { return {a.re - b.re, a.im - b.im}; }
inline Zor64fc operator-(Zor64fc a) { return {-a.re, -a.im}; }
inline Zor64fc operator*(Zor64fc a, Zor64fc b) { return cx_mul(a, b); }

// One sample through an arbitrary-order filter in transposed direct form II.
// t: b0..bN, a1..aN; d: N values (d[N] = 0 is implied).
template <class P>
inline P arb_step(const P* t, P* d, int N, P x) {
    if (N == 0) return t[0] * x;
    const P* a = t + N;  // a[k] = a_k
    const P y = t[0] * x + d[0];
    const P ny = -y;
    for (int k = 1; k < N; ++k) d[k - 1] = (t[k] * x + a[k] * ny) + d[k];
    d[N - 1] = t[N] * x - a[N] * y;
    return y;
}

// One sample through one section: t = b0, b1, b2, a1, a2; d = d0, d1.
template <class P>
inline P bq_step(const P* t, P* d, P x) {
    const P y = t[0] * x + d[0];
    d[0] = (t[1] * x + d[1]) - t[3] * y;
    d[1] = t[2] * x - t[4] * y;
    return y;
}

// One sample through a cascade.
template <class P>
inline P cascade_step(const P* t, P* d, int nbq, P x) {
    for (int s = 0; s < nbq; ++s) x = bq_step(t + 5 * s, d + 2 * s, x);
    return x;
}

}  // namespace iirk
ZORS_LEVEL_END
}  // namespace zors

namespace zors::iir {

// The single-precision block schemes over one chunk (len <= kChunk): x and y
// may be the same array; work holds kChunk elements.
template <class P>
struct ChunkArgs {
    const P* taps;
    P* dly;
    const P* ff;
    const P* br;
    P* work;
    int n;  // order, or section count
};
template <class P>
using ChunkFn = void (*)(const ChunkArgs<P>&, const P* x, P* y, int len);

struct IirKernels {
    ChunkFn<float> arb_r;
    ChunkFn<Zor32fc> arb_c;
    ChunkFn<float> bq_r;
    ChunkFn<Zor32fc> bq_c;
};

}  // namespace zors::iir
