// The library's aligned allocator, also used for every object the library
// creates.
#pragma once

#include <cstdint>

namespace zors {

// A 32-byte aligned block of `bytes` bytes, or null. The request is formed as
// a 32-bit byte count: anything that does not fit fails.
void* aligned_alloc_bytes(std::uint64_t bytes) noexcept;
void aligned_free(void* p) noexcept;
// A 32-byte aligned block whose byte `offset` starts a 64-byte cache line
// when the offset is a multiple of 32; released by aligned_free. Threads
// that each write their own part of one block, parts starting on lines, then
// never write to a line another thread writes.
void* aligned_alloc_at(std::uint64_t bytes, std::uint64_t offset) noexcept;

}  // namespace zors
