// Wide bodies of the buffer primitives, compiled once per dispatch level.
// The loops are written so that the compiler turns them into packed moves,
// shuffles and sign operations of the level it compiles for; heads and tails
// are handled by the same loops.
#include "frame/isa.h"

#include <cstring>

#include "convert/buffer.h"

namespace zors::ZORS_ISA {
namespace {

using Byte = unsigned char;

template <class W> inline W ld(const Byte* p) {
    W w;
    std::memcpy(&w, p, sizeof(W));
    return w;
}
template <class W> inline void st(Byte* p, W w) { std::memcpy(p, &w, sizeof(W)); }

template <class W>
void fill(W v, void* dst, std::size_t n) {
    Byte* __restrict d = static_cast<Byte*>(dst);
#pragma GCC unroll 4
    for (std::size_t i = 0; i < n; ++i) st<W>(d + i * sizeof(W), v);
}

void fill128(Bytes16 v, void* dst, std::size_t n) {
    Byte* __restrict d = static_cast<Byte*>(dst);
    for (std::size_t i = 0; i < n; ++i) {
        st<std::uint64_t>(d + 16 * i, v.lo);
        st<std::uint64_t>(d + 16 * i + 8, v.hi);
    }
}

template <class W>
void flip(const void* src, void* dst, std::size_t n) {
    const Byte* __restrict s = static_cast<const Byte*>(src);
    Byte* __restrict d = static_cast<Byte*>(dst);
    for (std::size_t i = 0; i < n; ++i) st<W>(d + i * sizeof(W), ld<W>(s + (n - 1 - i) * sizeof(W)));
}

template <class W>
void flip_inplace(void* p, std::size_t n) {
    const std::size_t h = n / 2;
    Byte* __restrict lo = static_cast<Byte*>(p);
    Byte* __restrict hi = lo + (n - h) * sizeof(W);  // upper half, read backwards
    for (std::size_t i = 0; i < h; ++i) {
        const W a = ld<W>(lo + i * sizeof(W));
        st<W>(lo + i * sizeof(W), ld<W>(hi + (h - 1 - i) * sizeof(W)));
        st<W>(hi + (h - 1 - i) * sizeof(W), a);
    }
}

template <class W, bool Re, bool Im>
void split_parts(const Byte* __restrict s, Byte* __restrict re, Byte* __restrict im, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if constexpr (Re) st<W>(re + i * sizeof(W), ld<W>(s + 2 * i * sizeof(W)));
        if constexpr (Im) st<W>(im + i * sizeof(W), ld<W>(s + (2 * i + 1) * sizeof(W)));
    }
}

template <class W>
void split(const void* src, void* re, void* im, std::size_t n) {
    auto s = static_cast<const Byte*>(src);
    auto r = static_cast<Byte*>(re);
    auto m = static_cast<Byte*>(im);
    if (r && m) split_parts<W, true, true>(s, r, m, n);
    else if (r) split_parts<W, true, false>(s, r, m, n);
    else if (m) split_parts<W, false, true>(s, r, m, n);
}

template <class W, bool Re, bool Im>
void merge_parts(const Byte* __restrict re, const Byte* __restrict im, Byte* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        st<W>(d + 2 * i * sizeof(W), Re ? ld<W>(re + i * sizeof(W)) : W{0});
        st<W>(d + (2 * i + 1) * sizeof(W), Im ? ld<W>(im + i * sizeof(W)) : W{0});
    }
}

template <class W>
void merge(const void* re, const void* im, void* dst, std::size_t n) {
    auto r = static_cast<const Byte*>(re);
    auto m = static_cast<const Byte*>(im);
    auto d = static_cast<Byte*>(dst);
    if (r && m) merge_parts<W, true, true>(r, m, d, n);
    else if (r) merge_parts<W, true, false>(r, m, d, n);
    else merge_parts<W, false, true>(r, m, d, n);
}

// Saturating negation: -(-32768) is 32767.
inline std::int16_t neg_sat(std::int16_t v) {
    return static_cast<std::int16_t>(v == INT16_MIN ? INT16_MAX : -v);
}

constexpr std::uint64_t kSign64 = std::uint64_t{1} << 63;

// Conjugation. The float forms flip the sign bit of the imaginary part; on a
// 32fc element seen as one 64-bit word that is its top bit. Reversed forms
// read from the end and never run in place; the others may (s == d).
template <bool Reverse>
void conj16sc(const void* src, void* dst, std::size_t n) {
    const Byte* s = static_cast<const Byte*>(src);
    Byte* d = static_cast<Byte*>(dst);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = Reverse ? n - 1 - i : i;
        const auto re = ld<std::int16_t>(s + 4 * k), im = ld<std::int16_t>(s + 4 * k + 2);
        st<std::int16_t>(d + 4 * i, re);
        st<std::int16_t>(d + 4 * i + 2, neg_sat(im));
    }
}

template <bool Reverse>
void conj32fc(const void* src, void* dst, std::size_t n) {
    const Byte* s = static_cast<const Byte*>(src);
    Byte* d = static_cast<Byte*>(dst);
    for (std::size_t i = 0; i < n; ++i)
        st<std::uint64_t>(d + 8 * i, ld<std::uint64_t>(s + 8 * (Reverse ? n - 1 - i : i)) ^ kSign64);
}

template <bool Reverse>
void conj64fc(const void* src, void* dst, std::size_t n) {
    const Byte* s = static_cast<const Byte*>(src);
    Byte* d = static_cast<Byte*>(dst);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = Reverse ? n - 1 - i : i;
        const auto re = ld<std::uint64_t>(s + 16 * k), im = ld<std::uint64_t>(s + 16 * k + 8);
        st<std::uint64_t>(d + 16 * i, re);
        st<std::uint64_t>(d + 16 * i + 8, im ^ kSign64);
    }
}

}  // namespace

extern const BufferKernels buffer_kernels = {
    fill<std::uint8_t>, fill<std::uint16_t>, fill<std::uint32_t>, fill<std::uint64_t>, fill128,
    {flip<std::uint8_t>, flip<std::uint16_t>, flip<std::uint32_t>, flip<std::uint64_t>},
    {flip_inplace<std::uint8_t>, flip_inplace<std::uint16_t>, flip_inplace<std::uint32_t>,
     flip_inplace<std::uint64_t>},
    {split<std::uint16_t>, split<std::uint32_t>, split<std::uint64_t>},
    {merge<std::uint16_t>, merge<std::uint32_t>, merge<std::uint64_t>},
    conj16sc<false>, conj32fc<false>, conj64fc<false>,
    conj16sc<true>, conj32fc<true>, conj64fc<true>,
};

}  // namespace zors::ZORS_ISA
