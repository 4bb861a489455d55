// Argument-check helpers. Each export states its check order in one line:
//
//     ZORS_CHECK(nonnull(pSrc, pDst), positive(len));
//
// The checks are evaluated left to right and the first failing one is
// returned, so the order of the arguments is the order callers observe.
#pragma once

#include "frame/level.h"
#include "zors.h"

namespace zors {
ZORS_LEVEL_BEGIN

template <class... P>
constexpr ZorStatus nonnull(const P*... p) noexcept {
    return ((p == nullptr) || ...) ? zorStsNullPtrErr : zorStsNoErr;
}

// Both pointers null (used where one of two optional inputs must be given).
constexpr ZorStatus not_both_null(const void* a, const void* b) noexcept {
    return (a == nullptr && b == nullptr) ? zorStsNullPtrErr : zorStsNoErr;
}

// A length or count below its minimum.
constexpr ZorStatus at_least(int value, int minimum) noexcept {
    return value < minimum ? zorStsSizeErr : zorStsNoErr;
}
constexpr ZorStatus positive(int len) noexcept { return at_least(len, 1); }

// Any other condition with the code it fails with.
constexpr ZorStatus require(bool ok, ZorStatus code) noexcept { return ok ? zorStsNoErr : code; }

constexpr ZorStatus first_failure() noexcept { return zorStsNoErr; }
template <class... R>
constexpr ZorStatus first_failure(ZorStatus s, R... rest) noexcept {
    return s != zorStsNoErr ? s : first_failure(rest...);
}

ZORS_LEVEL_END
}  // namespace zors

// Returns the first failing check from the enclosing export.
#define ZORS_CHECK(...)                                                     \
    do {                                                                    \
        if (const ZorStatus zors_st_ = ::zors::first_failure(__VA_ARGS__)) \
            return zors_st_;                                                \
    } while (0)
