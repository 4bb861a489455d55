// Fixed lane patterns of GCC/Clang vectors for wide bodies: splitting
// interleaved pairs into their parts, joining them again, reversing and
// swapping neighbours. Each is one shuffle with constant indices, so the
// compiler picks the level's best instruction for it.
#pragma once

#include "frame/isa.h"

#include <cstddef>
#include <utility>

// The patterns are inline and never cross an ABI boundary, so vectors wider
// than the baseline's registers may pass by value.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace zors::ZORS_ISA::lane {

template <class V>
inline constexpr std::size_t count = sizeof(V) / sizeof(std::declval<V>()[0]);

namespace detail {
template <class V, std::size_t... I>
inline V evens(V a, V b, std::index_sequence<I...>) { return __builtin_shufflevector(a, b, (2 * I)...); }
template <class V, std::size_t... I>
inline V odds(V a, V b, std::index_sequence<I...>) { return __builtin_shufflevector(a, b, (2 * I + 1)...); }
template <std::size_t First, class V, std::size_t... I>
inline V zip(V a, V b, std::index_sequence<I...>) {
    return __builtin_shufflevector(a, b, (First + I / 2 + (I % 2) * sizeof...(I))...);
}
template <class V, std::size_t... I>
inline V reversed(V v, std::index_sequence<I...>) { return __builtin_shufflevector(v, v, (sizeof...(I) - 1 - I)...); }
template <class V, std::size_t... I>
inline V swap_pairs(V v, std::index_sequence<I...>) { return __builtin_shufflevector(v, v, (I ^ 1)...); }
template <std::size_t Off, class V, std::size_t... I>
inline auto take(V v, std::index_sequence<I...>) { return __builtin_shufflevector(v, v, (2 * I + Off)...); }
template <class H, std::size_t... I>
inline auto join(H a, H b, std::index_sequence<I...>) { return __builtin_shufflevector(a, b, (I / 2 + (I % 2) * (sizeof...(I) / 2))...); }
}  // namespace detail

// a0 a2 ... b0 b2 ... and a1 a3 ... b1 b3 ...: the parts of interleaved pairs.
template <class V> inline V evens(V a, V b) { return detail::evens(a, b, std::make_index_sequence<count<V>>{}); }
template <class V> inline V odds(V a, V b) { return detail::odds(a, b, std::make_index_sequence<count<V>>{}); }
// a0 b0 a1 b1 ... from the first halves of a and b, and from the second.
template <class V> inline V zip_lo(V a, V b) { return detail::zip<0>(a, b, std::make_index_sequence<count<V>>{}); }
template <class V> inline V zip_hi(V a, V b) { return detail::zip<count<V> / 2>(a, b, std::make_index_sequence<count<V>>{}); }
// The lanes in reverse order.
template <class V> inline V reversed(V v) { return detail::reversed(v, std::make_index_sequence<count<V>>{}); }
// Lanes 1 0 3 2 ...: the parts of each pair exchanged.
template <class V> inline V swap_pairs(V v) { return detail::swap_pairs(v, std::make_index_sequence<count<V>>{}); }
// Half-width vectors of the even and of the odd lanes of v.
template <class V> inline auto take_evens(V v) { return detail::take<0>(v, std::make_index_sequence<count<V> / 2>{}); }
template <class V> inline auto take_odds(V v) { return detail::take<1>(v, std::make_index_sequence<count<V> / 2>{}); }
// The double-width vector a0 b0 a1 b1 ...
template <class H> inline auto join(H a, H b) { return detail::join(a, b, std::make_index_sequence<2 * count<H>>{}); }

}  // namespace zors::ZORS_ISA::lane

#pragma GCC diagnostic pop
