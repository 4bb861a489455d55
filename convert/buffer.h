// Kernel table of the buffer primitives. The operations only move bits, so
// they are generic over the element's byte size: Set_32f, Set_32s and
// Set_16sc share the 4-byte fill, Conj_32fc is a sign flip of the top bit of
// every 8-byte element, and so on. The kernels take untyped pointers and move
// words with memcpy, so no element type is aliased and no alignment beyond
// the element's own is assumed (a Zor32fc is only 4-byte aligned).
#pragma once

#include <cstddef>
#include <cstdint>

#include "zors.h"

namespace zors {

struct Bytes16 {
    std::uint64_t lo, hi;
};

struct BufferKernels {
    void (*fill8)(std::uint8_t, void*, std::size_t);
    void (*fill16)(std::uint16_t, void*, std::size_t);
    void (*fill32)(std::uint32_t, void*, std::size_t);
    void (*fill64)(std::uint64_t, void*, std::size_t);
    void (*fill128)(Bytes16, void*, std::size_t);

    // Reversal of n elements of 1, 2, 4 or 8 bytes, out of place and in place.
    void (*flip[4])(const void*, void*, std::size_t);
    void (*flip_i[4])(void*, std::size_t);

    // Complex to parts of 2, 4 or 8 bytes: either part may be null (not written).
    void (*split[3])(const void*, void*, void*, std::size_t);
    // Parts to complex: a null part gives zeros.
    void (*merge[3])(const void*, const void*, void*, std::size_t);

    // Conjugation of n complex elements; `flip` also reverses the order.
    // src == dst is allowed for the unreversed forms.
    void (*conj16sc)(const void*, void*, std::size_t);
    void (*conj32fc)(const void*, void*, std::size_t);
    void (*conj64fc)(const void*, void*, std::size_t);
    void (*conjflip16sc)(const void*, void*, std::size_t);
    void (*conjflip32fc)(const void*, void*, std::size_t);
    void (*conjflip64fc)(const void*, void*, std::size_t);
};

// Index of a 1, 2, 4 or 8-byte size in the tables above (split/merge: 2, 4, 8).
constexpr int size_index(std::size_t bytes) { return bytes == 1 ? 0 : bytes == 2 ? 1 : bytes == 4 ? 2 : 3; }

}  // namespace zors
