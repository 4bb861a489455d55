// Filter and transform states: one block of memory laid out as pieces.
//
// A state is a record followed by its pieces (taps, delay buffer, tables,
// scratch), each starting on a 16-byte boundary, all in one block. The record
// keeps 32-bit byte offsets from its own start rather than pointers, so a
// record has the same size on 32- and 64-bit targets and the documented
// state sizes hold on both.
//
// Life cycle, shared by every family:
//   GetStateSize  the layout's total plus 16 bytes of slack for placement;
//   Init          the record at the caller's buffer rounded up to 16 bytes,
//                 owns_memory = 0;
//   InitAlloc     a library block of the layout's total, owns_memory = 1;
//   Free          releases the block only when InitAlloc made it.
// The first word of every record is the identifier, checked before anything
// else of the state is read.
#pragma once

#include <cstdint>
#include <cstring>

#include "frame/memory.h"
#include "zors.h"

namespace zors {

// v rounded up to a multiple of 16.
constexpr std::uint64_t align16(std::uint64_t v) noexcept { return (v + 15) & ~std::uint64_t{15}; }
constexpr std::uint64_t align64(std::uint64_t v) noexcept { return (v + 63) & ~std::uint64_t{63}; }

// Pieces placed one after another at 16-byte boundaries. Offsets are from
// the block's start (where the record is).
class StateLayout {
public:
    // Reserves `bytes` at the next boundary and returns the piece's offset.
    std::uint32_t add(std::uint64_t bytes) noexcept {
        const std::uint64_t at = align16(total_);
        total_ = at + bytes;
        return static_cast<std::uint32_t>(at);
    }
    // Bytes from the block's start to the end of the last piece, rounded up.
    std::uint64_t total() const noexcept { return align16(total_); }

private:
    std::uint64_t total_ = 0;
};

// The identifier word of a family with a two-letter tag and a two-digit
// decimal kind: (tag << 16) | ASCII tens digit << 8 | ASCII units digit.
constexpr std::uint32_t kind_word(std::uint32_t tag, int kind) noexcept {
    return (tag << 16) | (static_cast<std::uint32_t>('0' + kind / 10) << 8) |
           static_cast<std::uint32_t>('0' + kind % 10);
}

// The first word of an object (callers have checked it is not null).
inline std::uint32_t object_id(const void* p) noexcept {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The caller's buffer rounded up to the next 16-byte boundary.
inline std::uint8_t* place16(void* buffer) noexcept {
    const auto a = reinterpret_cast<std::uintptr_t>(buffer);
    return reinterpret_cast<std::uint8_t*>((a + 15) & ~std::uintptr_t{15});
}

// The piece at byte offset `off` of the state whose record is `rec`.
template <class T, class R>
inline T* piece(R* rec, std::uint32_t off) noexcept {
    return reinterpret_cast<T*>(reinterpret_cast<std::uint8_t*>(rec) + off);
}
template <class T, class R>
inline const T* piece(const R* rec, std::uint32_t off) noexcept {
    return reinterpret_cast<const T*>(reinterpret_cast<const std::uint8_t*>(rec) + off);
}

// A state size as the reporting int, or -1 when it does not fit.
constexpr int size_or_fail(std::uint64_t bytes) noexcept {
    return bytes > 0x7FFFFFFFull ? -1 : static_cast<int>(bytes);
}

// Memory for a state: the caller's (placed at 16) or a new zeroed library
// block, whose byte `line_at` starts a cache line (the per-thread buffers of
// the state). Returns null when the library block cannot be had.
inline std::uint8_t* state_memory(void* caller_buffer, std::uint64_t bytes, std::uint64_t line_at = 0) noexcept {
    if (caller_buffer != nullptr) {
        std::uint8_t* p = place16(caller_buffer);
        std::memset(p, 0, static_cast<std::size_t>(bytes));
        return p;
    }
    if (bytes > 0x7FFFFFFFull) return nullptr;
    auto* p = static_cast<std::uint8_t*>(aligned_alloc_at(bytes, line_at));
    if (p != nullptr) std::memset(p, 0, static_cast<std::size_t>(bytes));
    return p;
}

}  // namespace zors
