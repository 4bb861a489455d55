// The library's aligned allocator, also used for every object the library
// creates.
#pragma once

#include <cstdint>

namespace zors {

// A 32-byte aligned block of `bytes` bytes, or null. The request is formed as
// a 32-bit byte count: anything that does not fit fails.
void* aligned_alloc_bytes(std::uint64_t bytes) noexcept;
void aligned_free(void* p) noexcept;

}  // namespace zors
