// Guards for the processor's floating-point control state. A guard saves the
// caller's register on construction and restores it on every return path.
#pragma once

#include <cstdint>
#include <xmmintrin.h>
#include "frame/level.h"

namespace zors {

ZORS_LEVEL_BEGIN

// The SIMD control and status register.
class MxcsrGuard {
public:
    static constexpr std::uint32_t kRoundMask = 0x6000;
    static constexpr std::uint32_t kRoundNearest = 0x0000;
    static constexpr std::uint32_t kRoundDown = 0x2000;
    static constexpr std::uint32_t kRoundUp = 0x4000;
    static constexpr std::uint32_t kRoundZero = 0x6000;
    static constexpr std::uint32_t kMaskAll = 0x1F80;      // exception masks
    static constexpr std::uint32_t kFlagInvalid = 0x0001;  // invalid-operation flag
    static constexpr std::uint32_t kMaskInvalid = 0x0080;

    MxcsrGuard() noexcept : saved_(_mm_getcsr()) {}
    ~MxcsrGuard() { _mm_setcsr(saved_ & ~clear_on_restore_); }
    MxcsrGuard(const MxcsrGuard&) = delete;
    MxcsrGuard& operator=(const MxcsrGuard&) = delete;

    void set_rounding(std::uint32_t mode) noexcept {
        _mm_setcsr((_mm_getcsr() & ~kRoundMask) | (mode & kRoundMask));
    }
    void mask(std::uint32_t masks) noexcept { _mm_setcsr(_mm_getcsr() | masks); }
    void clear_flags(std::uint32_t flags) noexcept { _mm_setcsr(_mm_getcsr() & ~flags); }
    // Flags to clear in the caller's value when it is restored.
    void clear_on_restore(std::uint32_t flags) noexcept { clear_on_restore_ |= flags; }
    std::uint32_t saved() const noexcept { return saved_; }

private:
    std::uint32_t saved_;
    std::uint32_t clear_on_restore_ = 0;
};

// The x87 control word.
class X87Guard {
public:
    static constexpr std::uint16_t kRoundMask = 0x0C00;
    static constexpr std::uint16_t kRoundNearest = 0x0000;
    static constexpr std::uint16_t kRoundZero = 0x0C00;
    static constexpr std::uint16_t kPrecisionMask = 0x0300;
    static constexpr std::uint16_t kPrecision64 = 0x0300;  // 64-bit significand

    X87Guard() noexcept : saved_(read()) {}
    ~X87Guard() { write(saved_); }
    X87Guard(const X87Guard&) = delete;
    X87Guard& operator=(const X87Guard&) = delete;

    void set(std::uint16_t mask, std::uint16_t bits) noexcept {
        write(static_cast<std::uint16_t>((read() & ~mask) | (bits & mask)));
    }
    std::uint16_t saved() const noexcept { return saved_; }

    static std::uint16_t read() noexcept {
        std::uint16_t cw;
        __asm__ __volatile__("fnstcw %0" : "=m"(cw));
        return cw;
    }
    static void write(std::uint16_t cw) noexcept { __asm__ __volatile__("fldcw %0" : : "m"(cw)); }

private:
    std::uint16_t saved_;
};

// Long double arithmetic at its full 64-bit significand, rounding to nearest,
// whatever the caller's x87 control word selects (programs built by some
// toolchains run with the precision control at 53 bits); the caller's word
// comes back on every return path.
class ExtendedPrecision {
public:
    ExtendedPrecision() noexcept {
        guard_.set(X87Guard::kPrecisionMask | X87Guard::kRoundMask, X87Guard::kPrecision64 | X87Guard::kRoundNearest);
    }

private:
    X87Guard guard_;
};

ZORS_LEVEL_END

}  // namespace zors
