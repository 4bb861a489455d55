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

void* aligned_alloc_bytes(std::uint64_t bytes) noexcept {
    constexpr std::uint64_t kSlack = 36;
    if (bytes > UINT32_MAX - kSlack) return nullptr;
    void* raw = std::malloc(static_cast<std::size_t>(bytes + kSlack));
    if (raw == nullptr) return nullptr;
    const std::uintptr_t aligned = (reinterpret_cast<std::uintptr_t>(raw) + 35) & ~std::uintptr_t{31};
    std::memcpy(reinterpret_cast<void*>(aligned - sizeof(void*)), &raw, sizeof(void*));
    return reinterpret_cast<void*>(aligned);
}

void* aligned_alloc_at(std::uint64_t bytes, std::uint64_t offset) noexcept {
    constexpr std::uint64_t kSlack = 64 + sizeof(void*);
    if (bytes > UINT32_MAX - kSlack) return nullptr;
    void* raw = std::malloc(static_cast<std::size_t>(bytes + kSlack));
    if (raw == nullptr) return nullptr;
    // The first address after the raw pointer's slot with (p + offset) on a line.
    const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(raw) + sizeof(void*);
    const std::uintptr_t want = static_cast<std::uintptr_t>(64 - offset % 64) % 64;
    const std::uintptr_t aligned = first + ((want - first % 64) % 64 + 64) % 64;
    std::memcpy(reinterpret_cast<void*>(aligned - sizeof(void*)), &raw, sizeof(void*));
    return reinterpret_cast<void*>(aligned);
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
