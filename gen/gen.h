// Helpers shared by the generators, the windows and the FIR design (generic
// code only): rounding of floating values to integer elements, element
// access of real and complex types, and the identifier words of the states.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "frame/types.h"
#include "zors.h"

namespace zors::gen {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;

// v rounded to nearest, ties to even, independent of the rounding mode.
inline double round_even(double v) {
    const double f = std::floor(v);
    const double d = v - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

// v rounded half away from zero (add +-0.5, truncate).
inline double round_away(double v) { return std::trunc(v > 0 ? v + 0.5 : v - 0.5); }

// An already rounded value limited to the range of the integer type I (NaN
// gives 0).
template <class I>
inline I clamp_int(double v) {
    constexpr double lo = static_cast<double>(std::numeric_limits<I>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<I>::max());
    if (!(v == v)) return I(0);
    if (v <= lo) return std::numeric_limits<I>::min();
    if (v >= hi) return std::numeric_limits<I>::max();
    return static_cast<I>(v);
}

enum class Rounding { even, away };

// A value of the real type P formed from the double v: floating types round
// to their precision, integers by the rule and saturate.
template <class P>
inline P to_part(double v, Rounding r) {
    if constexpr (std::is_floating_point_v<P>) return static_cast<P>(v);
    else return clamp_int<P>(r == Rounding::even ? round_even(v) : round_away(v));
}

// Component access for real and complex elements alike.
template <class T>
inline constexpr int parts_v = is_complex_v<T> ? 2 : 1;
template <class T>
inline part_t<T>* parts(T* p) { return reinterpret_cast<part_t<T>*>(p); }
template <class T>
inline const part_t<T>* parts(const T* p) { return reinterpret_cast<const part_t<T>*>(p); }

// Four characters as an identifier word, first character in the lowest byte.
constexpr std::uint32_t fourcc(char a, char b, char c, char d) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(d)) << 24;
}

}  // namespace zors::gen
