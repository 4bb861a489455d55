// SIMD dispatch. One ISA list drives the build and the code: every wide body
// (a family's *.simd.cpp) is compiled once per level, in a namespace named
// after it (zors::sse2, zors::avx2, zors::avx512), and defines that level's
// kernel table. The level is chosen once at load from the identification
// instruction and the operating system's register-state support.
#pragma once

#include <atomic>

namespace zors {

enum class Isa : int { sse2 = 0, avx2 = 1, avx512 = 2 };
inline constexpr int kIsaCount = 3;

// The best level this processor and operating system support.
Isa machine_isa() noexcept;
// The level the exports use now (the machine's, unless a test forced another):
// read inline by every export, so a call costs one load.
extern std::atomic<int> g_active_isa;
inline Isa active_isa() noexcept { return static_cast<Isa>(g_active_isa.load(std::memory_order_relaxed)); }
const char* isa_name(Isa isa) noexcept;

// Internal hook for the tests: makes the exports use `isa`. Returns false,
// changing nothing, when the machine does not support it.
bool force_isa(Isa isa) noexcept;

// The table of the active level among one table per level.
template <class T>
inline const T& select_isa(const T& sse2, const T& avx2, const T& avx512) noexcept {
    switch (active_isa()) {
    case Isa::avx512: return avx512;
    case Isa::avx2: return avx2;
    default: return sse2;
    }
}

}  // namespace zors

// Declares one kernel table per level and an accessor `name()` that returns
// the active one. Use it in the family's generic source, never in a wide body.
#define ZORS_ISA_TABLE(Type, name)                                         \
    namespace sse2 { extern const Type name; }                             \
    namespace avx2 { extern const Type name; }                             \
    namespace avx512 { extern const Type name; }                           \
    inline const Type& name() noexcept {                                   \
        return ::zors::select_isa(sse2::name, avx2::name, avx512::name);   \
    }
// The same for a body built once more with fused multiply-add (`name`_fused
// on the levels that have it): accessor `name`(plain), the plain table or
// the fused one of the active level (one load, short enough to inline).
#define ZORS_ISA_TABLE_FUSED(Type, name)                                   \
    namespace sse2 { extern const Type name; }                             \
    namespace avx2 { extern const Type name, name##_fused; }               \
    namespace avx512 { extern const Type name, name##_fused; }             \
    inline const Type& name(bool plain) noexcept {                         \
        static const Type* const t[2][::zors::kIsaCount] = {               \
            {&sse2::name, &avx2::name##_fused, &avx512::name##_fused},     \
            {&sse2::name, &avx2::name, &avx512::name}};                    \
        return *t[plain][::zors::g_active_isa.load(std::memory_order_relaxed)]; \
    }
