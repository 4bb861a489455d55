// Aligned vectors. The heap block holds count + 36 bytes; the aligned pointer
// is (raw + 35) rounded down to a multiple of 32, and the raw pointer is kept
// in the pointer-sized slot just before it (4 to 35 bytes after raw; the heap
// aligns raw to at least the pointer size, so the slot always fits).
#include "frame/memory.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "zors.h"

namespace zors {

static_assert(alignof(std::max_align_t) >= sizeof(void*), "the raw pointer slot must fit");

namespace {

// A heap block of bytes + slack whose aligned pointer is the first address
// after the raw pointer's slot that is `residue` past a multiple of `align`;
// the raw pointer is kept in the slot just before it.
void* carve(std::uint64_t bytes, std::uint64_t slack, std::uintptr_t align, std::uintptr_t residue) noexcept {
    if (bytes > UINT32_MAX - slack) return nullptr;
    void* raw = std::malloc(static_cast<std::size_t>(bytes + slack));
    if (raw == nullptr) return nullptr;
    const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(raw) + sizeof(void*);
    const std::uintptr_t aligned = first + (residue + align - first % align) % align;
    std::memcpy(reinterpret_cast<void*>(aligned - sizeof(void*)), &raw, sizeof(void*));
    return reinterpret_cast<void*>(aligned);
}

}  // namespace

// The first 32-byte boundary at least the pointer slot past raw: for a heap
// block aligned to the slot size that is (raw + 35) rounded down to 32.
void* aligned_alloc_bytes(std::uint64_t bytes) noexcept { return carve(bytes, 36, 32, 0); }

// Still a 32-byte boundary like every library block; the line falls on byte
// `offset` when that is a multiple of 32 (otherwise 16 bytes before it).
void* aligned_alloc_at(std::uint64_t bytes, std::uint64_t offset) noexcept {
    const std::uintptr_t residue = static_cast<std::uintptr_t>((64 - offset % 64) % 64) & ~std::uintptr_t{31};
    return carve(bytes, 64 + sizeof(void*), 64, residue);
}

void aligned_free(void* p) noexcept {
    if (p == nullptr) return;
    void* raw;
    std::memcpy(&raw, static_cast<char*>(p) - sizeof(void*), sizeof(void*));
    std::free(raw);
}

namespace {
template <class T>
T* malloc_n(int len) noexcept {
    if (len < 1) return nullptr;
    return static_cast<T*>(aligned_alloc_bytes(static_cast<std::uint64_t>(len) * sizeof(T)));
}
}  // namespace

}  // namespace zors

Zor8u* zorsMalloc_8u(int len) { return zors::malloc_n<Zor8u>(len); }
Zor8s* zorsMalloc_8s(int len) { return zors::malloc_n<Zor8s>(len); }
Zor16u* zorsMalloc_16u(int len) { return zors::malloc_n<Zor16u>(len); }
Zor16s* zorsMalloc_16s(int len) { return zors::malloc_n<Zor16s>(len); }
Zor8sc* zorsMalloc_8sc(int len) { return zors::malloc_n<Zor8sc>(len); }
Zor32u* zorsMalloc_32u(int len) { return zors::malloc_n<Zor32u>(len); }
Zor32s* zorsMalloc_32s(int len) { return zors::malloc_n<Zor32s>(len); }
Zor32f* zorsMalloc_32f(int len) { return zors::malloc_n<Zor32f>(len); }
Zor16sc* zorsMalloc_16sc(int len) { return zors::malloc_n<Zor16sc>(len); }
Zor64s* zorsMalloc_64s(int len) { return zors::malloc_n<Zor64s>(len); }
Zor64f* zorsMalloc_64f(int len) { return zors::malloc_n<Zor64f>(len); }
Zor32sc* zorsMalloc_32sc(int len) { return zors::malloc_n<Zor32sc>(len); }
Zor32fc* zorsMalloc_32fc(int len) { return zors::malloc_n<Zor32fc>(len); }
Zor64sc* zorsMalloc_64sc(int len) { return zors::malloc_n<Zor64sc>(len); }
Zor64fc* zorsMalloc_64fc(int len) { return zors::malloc_n<Zor64fc>(len); }
void zorsFree(void* ptr) { zors::aligned_free(ptr); }
