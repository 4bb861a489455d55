// Lane shuffles by a mask vector, for wide bodies: lane i of the result is
// lane m[i] of v (of a then b for the two-vector form, indices taken modulo
// the lane count, or twice it). GCC has a builtin for this; other compilers
// get the same lanes one at a time, which their optimiser turns back into a
// shuffle when the mask is a constant.
#pragma once

#include "frame/isa.h"

#include <cstddef>

namespace zors::ZORS_ISA {

#if defined(__clang__)
template <class V, class M>
inline V shuffle(V v, M m) {
    constexpr std::size_t n = sizeof(V) / sizeof(v[0]);
    V r;
    for (std::size_t i = 0; i < n; ++i) r[i] = v[static_cast<std::size_t>(m[i]) % n];
    return r;
}
template <class V, class M>
inline V shuffle(V a, V b, M m) {
    constexpr std::size_t n = sizeof(V) / sizeof(a[0]);
    V r;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = static_cast<std::size_t>(m[i]) % (2 * n);
        r[i] = k < n ? a[k] : b[k - n];
    }
    return r;
}
#else
template <class V, class M>
inline V shuffle(V v, M m) { return __builtin_shuffle(v, m); }
template <class V, class M>
inline V shuffle(V a, V b, M m) { return __builtin_shuffle(a, b, m); }
#endif

}  // namespace zors::ZORS_ISA
