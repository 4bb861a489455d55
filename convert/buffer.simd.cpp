// Wide bodies of the buffer primitives, compiled once per dispatch level.
// The loops are written so that the compiler turns them into packed moves,
// shuffles and sign operations of the level it compiles for; heads and tails
// are handled by the same loops.
#include "frame/isa.h"

#include "convert/buffer.h"

namespace zors::ZORS_ISA {
namespace {

template <class T>
void fill(T v, T* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) d[i] = v;
}

void fill128(Bytes16 v, Bytes16* d, std::size_t n) {
    auto* __restrict w = reinterpret_cast<std::uint64_t*>(d);
    for (std::size_t i = 0; i < n; ++i) {
        w[2 * i] = v.lo;
        w[2 * i + 1] = v.hi;
    }
}

template <class T>
void flip(const T* __restrict s, T* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) d[i] = s[n - 1 - i];
}

template <class T>
void flip_inplace(T* p, std::size_t n) {
    T* __restrict lo = p;
    T* __restrict hi = p + n / 2 + n % 2;  // upper half, read backwards
    const std::size_t h = n / 2;
    for (std::size_t i = 0; i < h; ++i) {
        const T a = lo[i];
        lo[i] = hi[h - 1 - i];
        hi[h - 1 - i] = a;
    }
}

template <class T, bool Re, bool Im>
void split_parts(const T* __restrict s, T* __restrict re, T* __restrict im, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if constexpr (Re) re[i] = s[2 * i];
        if constexpr (Im) im[i] = s[2 * i + 1];
    }
}

template <class T>
void split(const T* s, T* re, T* im, std::size_t n) {
    if (re && im) split_parts<T, true, true>(s, re, im, n);
    else if (re) split_parts<T, true, false>(s, re, im, n);
    else if (im) split_parts<T, false, true>(s, re, im, n);
}

template <class T, bool Re, bool Im>
void merge_parts(const T* __restrict re, const T* __restrict im, T* __restrict d, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        d[2 * i] = Re ? re[i] : T{0};
        d[2 * i + 1] = Im ? im[i] : T{0};
    }
}

template <class T>
void merge(const T* re, const T* im, T* d, std::size_t n) {
    if (re && im) merge_parts<T, true, true>(re, im, d, n);
    else if (re) merge_parts<T, true, false>(re, im, d, n);
    else merge_parts<T, false, true>(re, im, d, n);
}

// Saturating negation: -(-32768) is 32767.
inline std::int16_t neg_sat(std::int16_t v) {
    return static_cast<std::int16_t>(v == INT16_MIN ? INT16_MAX : -v);
}

// Conjugation. The float forms flip the sign bit of the imaginary part; on a
// 32fc element seen as one 64-bit word that is its top bit. Reversed forms
// read from the end. In-place calls pass s == d, so no restrict here.
template <bool Reverse>
void conj16sc(const Zor16sc* s, Zor16sc* d, std::size_t n) {
    const auto* in = reinterpret_cast<const std::int16_t*>(s);
    auto* out = reinterpret_cast<std::int16_t*>(d);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = Reverse ? n - 1 - i : i;
        const std::int16_t re = in[2 * k], im = in[2 * k + 1];
        out[2 * i] = re;
        out[2 * i + 1] = neg_sat(im);
    }
}

template <bool Reverse>
void conj32fc(const Zor32fc* s, Zor32fc* d, std::size_t n) {
    const auto* in = reinterpret_cast<const std::uint64_t*>(s);
    auto* out = reinterpret_cast<std::uint64_t*>(d);
    for (std::size_t i = 0; i < n; ++i) out[i] = in[Reverse ? n - 1 - i : i] ^ (std::uint64_t{1} << 63);
}

template <bool Reverse>
void conj64fc(const Zor64fc* s, Zor64fc* d, std::size_t n) {
    const auto* in = reinterpret_cast<const std::uint64_t*>(s);
    auto* out = reinterpret_cast<std::uint64_t*>(d);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = Reverse ? n - 1 - i : i;
        const std::uint64_t re = in[2 * k], im = in[2 * k + 1];
        out[2 * i] = re;
        out[2 * i + 1] = im ^ (std::uint64_t{1} << 63);
    }
}

// The conjugating copies do not alias (the reversed ones never run in place).
template <class C, void (*F)(const C*, C*, std::size_t)>
void no_alias(const C* __restrict s, C* __restrict d, std::size_t n) {
    F(s, d, n);
}

}  // namespace

extern const BufferKernels buffer_kernels = {
    fill<std::uint8_t>, fill<std::uint16_t>, fill<std::uint32_t>, fill<std::uint64_t>, fill128,
    flip<std::uint8_t>, flip<std::uint16_t>, flip<std::uint32_t>, flip<std::uint64_t>,
    flip_inplace<std::uint8_t>, flip_inplace<std::uint16_t>, flip_inplace<std::uint32_t>,
    flip_inplace<std::uint64_t>,
    split<std::uint16_t>, split<std::uint32_t>, split<std::uint64_t>,
    merge<std::uint16_t>, merge<std::uint32_t>, merge<std::uint64_t>,
    conj16sc<false>, conj32fc<false>, conj64fc<false>,
    no_alias<Zor16sc, conj16sc<true>>, no_alias<Zor32fc, conj32fc<true>>, no_alias<Zor64fc, conj64fc<true>>,
};

}  // namespace zors::ZORS_ISA
