// Inline helpers shared by generic code and wide bodies live in a namespace
// named after the level they are compiled for: `zors::generic` in generic
// code, `zors::avx2` (etc.) in a wide body. Callers name them as zors::f; the
// inline namespace makes each level's copy a distinct symbol, so the linker
// can never hand a baseline caller a copy compiled for a wider level.
// Types stay in namespace zors itself: they carry no code.
#pragma once

#if defined(ZORS_ISA)
#define ZORS_LEVEL_BEGIN inline namespace ZORS_ISA {
#else
#define ZORS_LEVEL_BEGIN inline namespace generic {
#endif
#define ZORS_LEVEL_END }
