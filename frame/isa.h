// Included first by every wide body (*.simd.cpp). The build compiles each wide
// body once per level with that level's flags and defines ZORS_ISA as the
// level's namespace name (sse2, avx2, avx512). All code of a wide body,
// templates and inline helpers included, must live in zors::ZORS_ISA so that
// no instance compiled for a wider level can be picked for a narrower one.
#pragma once

#ifndef ZORS_ISA
#error "wide bodies are compiled once per level with ZORS_ISA defined"
#endif

#include <cstddef>
#include <cstdint>

// The level's namespace is inline in zors (see frame/level.h), declared so
// here, before any other header can open it.
namespace zors {
inline namespace ZORS_ISA {}
}  // namespace zors

namespace zors::ZORS_ISA {

// Bytes in one vector register of this level.
#if defined(__AVX512F__)
inline constexpr std::size_t kVectorBytes = 64;
#elif defined(__AVX2__)
inline constexpr std::size_t kVectorBytes = 32;
#else
inline constexpr std::size_t kVectorBytes = 16;
#endif

}  // namespace zors::ZORS_ISA
