// Element traits and saturation shared by every kernel.
#pragma once

#include <cstdint>
#include <limits>
#include <type_traits>

#include "frame/level.h"
#include "zors.h"

namespace zors {

// Complex element types and their component type.
template <class T> struct complex_traits { static constexpr bool is_complex = false; using part = T; };
#define ZORS_COMPLEX(C, P) \
    template <> struct complex_traits<C> { static constexpr bool is_complex = true; using part = P; };
ZORS_COMPLEX(Zor8sc, Zor8s)
ZORS_COMPLEX(Zor16sc, Zor16s)
ZORS_COMPLEX(Zor32sc, Zor32s)
ZORS_COMPLEX(Zor64sc, Zor64s)
ZORS_COMPLEX(Zor32fc, Zor32f)
ZORS_COMPLEX(Zor64fc, Zor64f)
#undef ZORS_COMPLEX

// The complex type whose components are P.
template <class P> struct complex_of;
template <> struct complex_of<Zor8s> { using type = Zor8sc; };
template <> struct complex_of<Zor16s> { using type = Zor16sc; };
template <> struct complex_of<Zor32s> { using type = Zor32sc; };
template <> struct complex_of<Zor64s> { using type = Zor64sc; };
template <> struct complex_of<Zor32f> { using type = Zor32fc; };
template <> struct complex_of<Zor64f> { using type = Zor64fc; };
template <class P> using complex_t = typename complex_of<P>::type;

template <class T> inline constexpr bool is_complex_v = complex_traits<T>::is_complex;
template <class T> using part_t = typename complex_traits<T>::part;

// A complex element is exactly two components, real first, no padding.
static_assert(sizeof(Zor16sc) == 4 && sizeof(Zor32sc) == 8 && sizeof(Zor64sc) == 16);
static_assert(sizeof(Zor32fc) == 8 && sizeof(Zor64fc) == 16 && sizeof(Zor8sc) == 2);

ZORS_LEVEL_BEGIN

// Saturates an integer value of any width to the integer type D.
template <class D, class S>
constexpr D saturate(S v) noexcept {
    static_assert(std::is_integral_v<D> && std::is_integral_v<S>);
    using DL = std::numeric_limits<D>;
    if constexpr (std::is_signed_v<S>) {
        if constexpr (std::is_signed_v<D>) {
            if (v < static_cast<std::intmax_t>(DL::min())) return DL::min();
            if (v > static_cast<std::intmax_t>(DL::max())) return DL::max();
        } else {
            if (v < 0) return 0;
            if (static_cast<std::uintmax_t>(v) > static_cast<std::uintmax_t>(DL::max())) return DL::max();
        }
    } else {
        if (v > static_cast<std::uintmax_t>(DL::max())) return DL::max();
    }
    return static_cast<D>(v);
}

ZORS_LEVEL_END

}  // namespace zors
