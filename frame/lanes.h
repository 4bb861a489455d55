// Fixed lane patterns of GCC/Clang vectors for wide bodies: splitting
// interleaved pairs into their parts, joining them again, reversing and
// swapping neighbours. Each is one shuffle with constant indices, so the
// compiler picks the level's best instruction for it.
#pragma once

#include "frame/isa.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

// The patterns are inline and never cross an ABI boundary, so vectors wider
// than the baseline's registers may pass by value.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace zors::ZORS_ISA::lane {

template <class V>
inline constexpr std::size_t count = sizeof(V) / sizeof(std::declval<V>()[0]);

// Where lane i of evens_in_lanes (Odd = 0) or odds_in_lanes (Odd = 1) of
// two vectors of n values of E bytes comes from: an index into a, then b.
template <std::size_t Odd, std::size_t E>
constexpr std::size_t in_lane_source(std::size_t i, std::size_t n) {
    constexpr std::size_t h = 16 / E, q = h / 2;
    return i % h < q ? i / h * h + 2 * (i % h) + Odd : n + i / h * h + 2 * (i % h - q) + Odd;
}

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
template <bool NegEven, bool NegOdd, class V, std::size_t... I>
inline V flip_signs(V v, std::index_sequence<I...>) {
    using E = std::remove_cvref_t<decltype(v[0])>;
    using B = std::conditional_t<sizeof(E) == 4, std::uint32_t, std::uint64_t>;
    typedef B BV __attribute__((vector_size(sizeof(V))));
    constexpr B top = B{1} << (8 * sizeof(E) - 1);
    const BV m = {((I % 2 ? NegOdd : NegEven) ? top : B{0})...};
    return reinterpret_cast<V>(reinterpret_cast<BV>(v) ^ m);
}
template <class H, std::size_t... I>
inline auto join(H a, H b, std::index_sequence<I...>) { return __builtin_shufflevector(a, b, (I / 2 + (I % 2) * (sizeof...(I) / 2))...); }

// 32-byte vectors on a level of 32-byte registers, whose shuffles mostly stay
// within 16-byte lanes: the patterns that cross them are built from one
// exchange of whole 16-byte lanes (the first or the second lane of a and
// of b) and one in-lane shuffle, both single-cycle instructions, where the
// compiler's own choice for the whole pattern takes two lane-crossing
// permutes.
template <class V>
inline constexpr bool kLanePairs = sizeof(V) == 32 && kVectorBytes == 32;
template <std::size_t Half, class V, std::size_t... I>
inline V halves(V a, V b, std::index_sequence<I...>) {  // (a's half, b's half)
    constexpr std::size_t h = sizeof...(I) / 2;
    return __builtin_shufflevector(a, b, (I < h ? Half * h + I : sizeof...(I) + Half * h + I - h)...);
}
template <std::size_t Odd, class V, std::size_t... I>
inline V in_lane_parts(V a, V b, std::index_sequence<I...>) {  // per 16-byte lane: a's parts, then b's
    return __builtin_shufflevector(a, b, in_lane_source<Odd, sizeof(a[0])>(I, sizeof...(I))...);
}
template <std::size_t Hi, class V, std::size_t... I>
inline V in_lane_zip(V a, V b, std::index_sequence<I...>) {  // per 16-byte lane: a, b alternating
    constexpr std::size_t h = 16 / sizeof(a[0]), q = h / 2;
    return __builtin_shufflevector(a, b, (I / h * h + Hi * q + (I % h) / 2 + (I % 2) * sizeof...(I))...);
}
template <std::size_t Odd, class V>
inline V parts(V a, V b) {
    constexpr auto seq = std::make_index_sequence<sizeof(V) / sizeof(a[0])>{};
    if constexpr (kLanePairs<V>) return in_lane_parts<Odd>(halves<0>(a, b, seq), halves<1>(a, b, seq), seq);
    else if constexpr (Odd) return odds(a, b, seq);
    else return evens(a, b, seq);
}
template <std::size_t Hi, class V>
inline V zipped(V a, V b) {
    constexpr auto seq = std::make_index_sequence<sizeof(V) / sizeof(a[0])>{};
    if constexpr (kLanePairs<V>) return halves<Hi>(in_lane_zip<0>(a, b, seq), in_lane_zip<1>(a, b, seq), seq);
    else return zip<Hi * (sizeof(V) / sizeof(a[0]) / 2)>(a, b, seq);
}
}  // namespace detail

// a0 a2 ... b0 b2 ... and a1 a3 ... b1 b3 ...: the parts of interleaved pairs.
template <class V> inline V evens(V a, V b) { return detail::parts<0>(a, b); }
template <class V> inline V odds(V a, V b) { return detail::parts<1>(a, b); }
// The same parts taken within each 16-byte lane: lane L holds the parts of
// a's pairs in lane L, then those of b's (one in-lane shuffle).
template <class V> inline V evens_in_lanes(V a, V b) { return detail::in_lane_parts<0>(a, b, std::make_index_sequence<count<V>>{}); }
template <class V> inline V odds_in_lanes(V a, V b) { return detail::in_lane_parts<1>(a, b, std::make_index_sequence<count<V>>{}); }
// a0 b0 a1 b1 ... from the first halves of a and b, and from the second.
template <class V> inline V zip_lo(V a, V b) { return detail::zipped<0>(a, b); }
template <class V> inline V zip_hi(V a, V b) { return detail::zipped<1>(a, b); }
// The same within each 16-byte lane: lane L of zip_in_lanes_lo holds the
// pairs of the first halves of lane L of a and b, of _hi the second.
template <class V> inline V zip_in_lanes_lo(V a, V b) { return detail::in_lane_zip<0>(a, b, std::make_index_sequence<count<V>>{}); }
template <class V> inline V zip_in_lanes_hi(V a, V b) { return detail::in_lane_zip<1>(a, b, std::make_index_sequence<count<V>>{}); }
// The lanes in reverse order.
template <class V> inline V reversed(V v) { return detail::reversed(v, std::make_index_sequence<count<V>>{}); }
// Lanes 1 0 3 2 ...: the parts of each pair exchanged.
template <class V> inline V swap_pairs(V v) { return detail::swap_pairs(v, std::make_index_sequence<count<V>>{}); }
// v with the signs of its even lanes (NegEven) and of its odd lanes
// (NegOdd) flipped: one exclusive or, where a product by ±1 would take a
// multiplier.
template <bool NegEven, bool NegOdd, class V> inline V flip_signs(V v) { return detail::flip_signs<NegEven, NegOdd>(v, std::make_index_sequence<count<V>>{}); }
// Half-width vectors of the even and of the odd lanes of v.
template <class V> inline auto take_evens(V v) { return detail::take<0>(v, std::make_index_sequence<count<V> / 2>{}); }
template <class V> inline auto take_odds(V v) { return detail::take<1>(v, std::make_index_sequence<count<V> / 2>{}); }
// The double-width vector a0 b0 a1 b1 ...
template <class H> inline auto join(H a, H b) { return detail::join(a, b, std::make_index_sequence<2 * count<H>>{}); }

}  // namespace zors::ZORS_ISA::lane

#pragma GCC diagnostic pop
