// Helpers of the arith exports (generic code only): the zero fill and copy
// of the buffer primitives by element type, and the call of a table kernel.
#pragma once

#include <cstddef>
#include <type_traits>

#include "arith/kernel.h"
#include "frame/check.h"
#include "frame/types.h"

namespace zors {

// The shortcuts write through the exported Zero and Copy, whose checks then
// apply; types without their own member use the one of the same size.
inline ZorStatus zero_fill(Zor8u* d, int n) { return zorsZero_8u(d, n); }
inline ZorStatus zero_fill(Zor16s* d, int n) { return zorsZero_16s(d, n); }
inline ZorStatus zero_fill(Zor16u* d, int n) { return zorsZero_16s(reinterpret_cast<Zor16s*>(d), n); }
inline ZorStatus zero_fill(Zor32s* d, int n) { return zorsZero_32f(reinterpret_cast<Zor32f*>(d), n); }
inline ZorStatus zero_fill(Zor32u* d, int n) { return zorsZero_32f(reinterpret_cast<Zor32f*>(d), n); }
inline ZorStatus zero_fill(Zor32f* d, int n) { return zorsZero_32f(d, n); }
inline ZorStatus zero_fill(Zor64f* d, int n) { return zorsZero_64f(d, n); }
inline ZorStatus zero_fill(Zor16sc* d, int n) { return zorsZero_16sc(d, n); }
inline ZorStatus zero_fill(Zor32sc* d, int n) { return zorsZero_32fc(reinterpret_cast<Zor32fc*>(d), n); }
inline ZorStatus zero_fill(Zor32fc* d, int n) { return zorsZero_32fc(d, n); }
inline ZorStatus zero_fill(Zor64fc* d, int n) { return zorsZero_64fc(d, n); }

template <class T>
inline constexpr bool has_copy_v = std::is_same_v<T, Zor8u> || std::is_same_v<T, Zor16s> ||
                                   std::is_same_v<T, Zor32f> || std::is_same_v<T, Zor64f>;
inline ZorStatus copy_of(const Zor8u* s, Zor8u* d, int n) { return zorsCopy_8u(s, d, n); }
inline ZorStatus copy_of(const Zor16s* s, Zor16s* d, int n) { return zorsCopy_16s(s, d, n); }
inline ZorStatus copy_of(const Zor32f* s, Zor32f* d, int n) { return zorsCopy_32f(s, d, n); }
inline ZorStatus copy_of(const Zor64f* s, Zor64f* d, int n) { return zorsCopy_64f(s, d, n); }

// A kernel's result as the export's status: kAllZero becomes the zero fill
// of the destination, anything else (0 or a warning) is returned as it is.
template <class D>
inline ZorStatus finish(int r, D* d, int len) {
    return r == kAllZero ? zero_fill(d, len) : r;
}

inline ElemArgs elem_args(const void* a, const void* b, void* d, std::size_t n, std::int32_t sf) {
    ElemArgs x{a, b, d, n, sf, {}, {}};
    return x;
}

inline std::size_t count(int len) { return static_cast<std::size_t>(len); }

}  // namespace zors
