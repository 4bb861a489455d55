// Kernel table of the buffer primitives. The operations only move bits, so
// they are generic over the element's byte size: Set_32f, Set_32s and
// Set_16sc share the 4-byte fill, Conj_32fc is a sign flip of every second
// 4-byte word, and so on.
#pragma once

#include <cstddef>
#include <cstdint>

#include "zors.h"

namespace zors {

struct Bytes16 {
    std::uint64_t lo, hi;
};

struct BufferKernels {
    void (*fill8)(std::uint8_t, std::uint8_t*, std::size_t);
    void (*fill16)(std::uint16_t, std::uint16_t*, std::size_t);
    void (*fill32)(std::uint32_t, std::uint32_t*, std::size_t);
    void (*fill64)(std::uint64_t, std::uint64_t*, std::size_t);
    void (*fill128)(Bytes16, Bytes16*, std::size_t);

    void (*flip8)(const std::uint8_t*, std::uint8_t*, std::size_t);
    void (*flip16)(const std::uint16_t*, std::uint16_t*, std::size_t);
    void (*flip32)(const std::uint32_t*, std::uint32_t*, std::size_t);
    void (*flip64)(const std::uint64_t*, std::uint64_t*, std::size_t);
    void (*flip8_i)(std::uint8_t*, std::size_t);
    void (*flip16_i)(std::uint16_t*, std::size_t);
    void (*flip32_i)(std::uint32_t*, std::size_t);
    void (*flip64_i)(std::uint64_t*, std::size_t);

    // Complex to parts: either part pointer may be null (not written).
    void (*split16)(const std::uint16_t*, std::uint16_t*, std::uint16_t*, std::size_t);
    void (*split32)(const std::uint32_t*, std::uint32_t*, std::uint32_t*, std::size_t);
    void (*split64)(const std::uint64_t*, std::uint64_t*, std::uint64_t*, std::size_t);
    // Parts to complex: a null part gives zeros.
    void (*merge16)(const std::uint16_t*, const std::uint16_t*, std::uint16_t*, std::size_t);
    void (*merge32)(const std::uint32_t*, const std::uint32_t*, std::uint32_t*, std::size_t);
    void (*merge64)(const std::uint64_t*, const std::uint64_t*, std::uint64_t*, std::size_t);

    // Conjugation of n complex elements; `flip` also reverses the order.
    // src == dst is allowed for the unreversed forms.
    void (*conj16sc)(const Zor16sc*, Zor16sc*, std::size_t);
    void (*conj32fc)(const Zor32fc*, Zor32fc*, std::size_t);
    void (*conj64fc)(const Zor64fc*, Zor64fc*, std::size_t);
    void (*conjflip16sc)(const Zor16sc*, Zor16sc*, std::size_t);
    void (*conjflip32fc)(const Zor32fc*, Zor32fc*, std::size_t);
    void (*conjflip64fc)(const Zor64fc*, Zor64fc*, std::size_t);
};

}  // namespace zors
