// A small per-level vocabulary of packed operations, written with the
// compiler's vector extensions so that one source serves every level: a
// vector is kVectorBytes wide (16, 32 or 64 bytes by the level compiled
// for). Include only from wide bodies (*.simd.cpp); everything lives in the
// level's namespace.
//
// Explicit vector code is also how a family keeps exact control of its
// arithmetic where the auto-vectoriser would fuse operations on its own:
// only the operations written here are emitted.
#pragma once

#include "frame/isa.h"
#include "frame/shuffle.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <immintrin.h>
#include <type_traits>

namespace zors::ZORS_ISA {

// The vector of T for this level. (An alias with the attribute, wrapped in
// a struct member type so that it stays valid for dependent T.)
template <class T>
struct vec_of {
    typedef T type __attribute__((vector_size(kVectorBytes)));
};
template <class T>
using vec = typename vec_of<T>::type;

template <class T>
inline constexpr std::size_t lanes = kVectorBytes / sizeof(T);

// Element type of a vector type.
template <class V>
using elem_t = std::remove_cv_t<std::remove_reference_t<decltype(V{}[0])>>;

// The integer lane type of the same width, for shuffle masks.
template <class T>
using lane_int_t = std::conditional_t<sizeof(T) == 4, std::int32_t, std::int64_t>;

template <class T>
inline vec<T> load(const T* p) {
    vec<T> v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class T, class V>
inline void store(T* p, V v) {
    static_assert(sizeof(V) == kVectorBytes && std::is_same_v<elem_t<V>, T>);
    std::memcpy(p, &v, sizeof v);
}

// Lane permutations of pairs (re, im): even lanes doubled, odd lanes
// doubled, pairs swapped; and the merge taking x in even and y in odd lanes.
template <class V, class F>
inline vec<lane_int_t<elem_t<V>>> lane_mask(F f) {
    using I = lane_int_t<elem_t<V>>;
    vec<I> m;
    for (std::size_t i = 0; i < lanes<elem_t<V>>; ++i) m[i] = static_cast<I>(f(i));
    return m;
}

template <class V>
inline V dup_even(V v) { return shuffle(v, lane_mask<V>([](std::size_t i) { return i & ~std::size_t{1}; })); }
template <class V>
inline V dup_odd(V v) { return shuffle(v, lane_mask<V>([](std::size_t i) { return i | 1; })); }
template <class V>
inline V swap_pairs(V v) { return shuffle(v, lane_mask<V>([](std::size_t i) { return i ^ 1; })); }
template <class V>
inline V even_odd(V x, V y) {
    constexpr std::size_t n = lanes<elem_t<V>>;
    return shuffle(x, y, lane_mask<V>([](std::size_t i) { return (i & 1) ? i + n : i; }));
}

// Complex products of interleaved pairs: (a.re*b.re - a.im*b.im,
// a.re*b.im + a.im*b.re), each product rounded, then the sum.
template <class V>
inline V cmul(V a, V b) {
    const V t1 = dup_even(a) * b;             // a.re*b.re, a.re*b.im
    const V t2 = dup_odd(a) * swap_pairs(b);  // a.im*b.im, a.im*b.re
    return even_odd(t1 - t2, t1 + t2);
}

// Streaming (non-temporal) stores for destinations far larger than the
// caches: the written lines bypass the caches and need not be read first.
// The stream is finished with a store fence.
inline constexpr std::size_t kStreamBytes = std::size_t{2} << 20;

// Stores one vector to the kVectorBytes-aligned p with a streaming store.
template <class V>
inline void stream(void* p, V v) {
    static_assert(sizeof(V) == kVectorBytes);
#if defined(__AVX512F__)
    __m512i w;
    std::memcpy(&w, &v, sizeof w);
    _mm512_stream_si512(static_cast<__m512i*>(p), w);
#elif defined(__AVX2__)
    __m256i w;
    std::memcpy(&w, &v, sizeof w);
    _mm256_stream_si256(static_cast<__m256i*>(p), w);
#else
    __m128i w;
    std::memcpy(&w, &v, sizeof w);
    _mm_stream_si128(static_cast<__m128i*>(p), w);
#endif
}

// Copies `bytes` (a multiple of kVectorBytes) from src to the
// kVectorBytes-aligned dst with streaming stores.
inline void stream_copy(void* dst, const void* src, std::size_t bytes) {
    auto* d = static_cast<unsigned char*>(dst);
    const auto* s = static_cast<const unsigned char*>(src);
    for (std::size_t i = 0; i < bytes; i += kVectorBytes) {
#if defined(__AVX512F__)
        _mm512_stream_si512(reinterpret_cast<__m512i*>(d + i), _mm512_loadu_si512(s + i));
#elif defined(__AVX2__)
        _mm256_stream_si256(reinterpret_cast<__m256i*>(d + i), _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i)));
#else
        _mm_stream_si128(reinterpret_cast<__m128i*>(d + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
#endif
    }
}

// The streaming half of write_through, out of line so that the direct path
// keeps a small frame (no 4 KiB buffer, no stack realignment).
template <class D, class Body>
[[gnu::noinline]] void write_streamed(D* d, std::size_t n, Body body) {
    const auto addr = reinterpret_cast<std::uintptr_t>(d);
    constexpr std::size_t chunk = 4096 / sizeof(D);
    alignas(64) D buf[chunk];
    std::size_t i = ((kVectorBytes - addr % kVectorBytes) % kVectorBytes) / sizeof(D);
    body(std::size_t{0}, i, d);
    for (; i + chunk <= n; i += chunk) {
        body(i, i + chunk, buf);
        stream_copy(d + i, buf, sizeof buf);
    }
    body(i, n, d + i);
    _mm_sfence();
}

// Runs body(i0, i1, out), which computes elements [i0, i1) into out[0..),
// over n elements of d. Large destinations get the elements through a small
// buffer and streaming stores; everything else is written directly. Each
// element is computed by the same body either way.
template <class D, class Body>
inline void write_through(D* d, std::size_t n, Body body) {
    if (n * sizeof(D) < kStreamBytes || reinterpret_cast<std::uintptr_t>(d) % sizeof(D) != 0) [[likely]] {
        body(std::size_t{0}, n, d);
        return;
    }
    write_streamed(d, n, body);
}

}  // namespace zors::ZORS_ISA
