// The calling convention of the element-wise arithmetic and logic kernels.
//
// Every kernel of the arith folder has the same signature: it takes one
// ElemArgs record (operand pointers, element count, scale factor and up to
// two constants as raw bytes) and returns 0, a warning code, or kAllZero.
// A family lists its kernels once in an X-macro; the list gives both the
// kernel ids (here, for the exports) and the table entries (in the family's
// wide body, compiled once per dispatch level).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "zors.h"

namespace zors {

struct ElemArgs {
    const void* a;  // first vector operand (the only one for unary and constant shapes)
    const void* b;  // second vector operand
    void* d;        // destination (may equal a or b for the in-place forms)
    std::size_t n;  // element count
    std::int32_t sf;
    alignas(16) unsigned char c[16];   // constant operand, bytes of its type
    alignas(16) unsigned char c2[16];  // second constant (Normalize)
};

// Returned by a scaled kernel that wrote nothing because the scale factor
// leaves every output 0; the export then writes zeros with the zero fill.
inline constexpr int kAllZero = -1;

using ElemKernel = int (*)(const ElemArgs&);

template <int N>
struct ElemTable {
    ElemKernel fn[N];
};

template <class T>
inline void put_constant(unsigned char (&slot)[16], const T& v) noexcept {
    static_assert(sizeof(T) <= 16);
    std::memcpy(slot, &v, sizeof(T));
}

}  // namespace zors
