// The scale-factor rule for integer results.
//
// An exact integer result r is multiplied by 2^-sf: for sf > 0 it is divided
// and rounded to nearest, ties to even; for sf < 0 it is shifted left; then it
// is saturated to the destination type. Every 32-bit factor is accepted.
//
// Two exact-result widths are covered: anything that fits in 64 bits (16-bit
// sums and products, 32-bit sums and products), and the 65-bit sums of two
// 64-bit products that complex 32-bit multiplication forms (Wide). Neither
// needs a 128-bit integer type, so the rule is the same on 32-bit targets.
#pragma once

#include <cstdint>
#include <limits>

#include "frame/level.h"
#include "frame/types.h"

namespace zors {

// A 128-bit two's complement value hi * 2^64 + lo, wide enough for the sum or
// difference of two 64-bit products.
struct Wide {
    std::uint64_t lo;
    std::int64_t hi;
};

ZORS_LEVEL_BEGIN

// r / 2^sf rounded to nearest, ties to even, for 1 <= sf <= 63.
constexpr std::int64_t round_shift(std::int64_t r, int sf) noexcept {
    const std::int64_t q = r >> sf;  // floor
    const std::uint64_t rem = static_cast<std::uint64_t>(r) & ((std::uint64_t{1} << sf) - 1);
    const std::uint64_t half = std::uint64_t{1} << (sf - 1);
    return q + ((rem > half || (rem == half && (q & 1))) ? 1 : 0);
}

// The rule for an exact result that fits in 64 bits.
template <class D>
constexpr D scale_sat(std::int64_t r, std::int32_t sf) noexcept {
    using DL = std::numeric_limits<D>;
    if (sf == 0) return saturate<D>(r);
    if (sf > 0) {
        // |r| <= 2^63, so from 64 on the quotient is at most one half: 0.
        if (sf >= 64) return D{0};
        return saturate<D>(round_shift(r, sf));
    }
    if (r == 0) return D{0};
    // sf < 0: shift left where that cannot overflow, otherwise saturate by sign.
    const std::int64_t n = -static_cast<std::int64_t>(sf);
    if (n >= 63) return r > 0 ? DL::max() : DL::min();
    if (r > (std::numeric_limits<std::int64_t>::max() >> n)) return DL::max();
    if (r < (std::numeric_limits<std::int64_t>::min() >> n)) return DL::min();
    return saturate<D>(static_cast<std::int64_t>(static_cast<std::uint64_t>(r) << n));
}

constexpr Wide widen(std::int64_t v) noexcept {
    return Wide{static_cast<std::uint64_t>(v), v < 0 ? -1 : 0};
}

constexpr Wide wide_add(std::int64_t a, std::int64_t b) noexcept {
    const Wide x = widen(a), y = widen(b);
    const std::uint64_t lo = x.lo + y.lo;
    const std::uint64_t carry = lo < x.lo ? 1 : 0;
    return Wide{lo, static_cast<std::int64_t>(static_cast<std::uint64_t>(x.hi) +
                                              static_cast<std::uint64_t>(y.hi) + carry)};
}

constexpr Wide wide_sub(std::int64_t a, std::int64_t b) noexcept {
    const Wide x = widen(a), y = widen(b);
    const std::uint64_t lo = x.lo - y.lo;
    const std::uint64_t borrow = x.lo < y.lo ? 1 : 0;
    return Wide{lo, static_cast<std::int64_t>(static_cast<std::uint64_t>(x.hi) -
                                              static_cast<std::uint64_t>(y.hi) - borrow)};
}

constexpr bool fits_int64(Wide v) noexcept {
    return v.hi == (static_cast<std::int64_t>(v.lo) < 0 ? -1 : 0);
}

// The rule for a wide exact result.
template <class D>
constexpr D scale_sat(Wide r, std::int32_t sf) noexcept {
    using DL = std::numeric_limits<D>;
    if (sf <= 0 || sf >= 128) {
        if (sf >= 128) return D{0};  // |r| < 2^127
        if (fits_int64(r)) return scale_sat<D>(static_cast<std::int64_t>(r.lo), sf);
        return r.hi < 0 ? DL::min() : DL::max();  // |r| >= 2^63 exceeds every destination
    }
    // Floor quotient q = r >> sf and remainder bits below sf.
    std::uint64_t qlo, rem_lo, rem_hi, half_lo = 0, half_hi = 0;
    std::int64_t qhi;
    if (sf < 64) {
        qlo = (r.lo >> sf) | (static_cast<std::uint64_t>(r.hi) << (64 - sf));
        qhi = r.hi >> sf;
        rem_lo = r.lo & ((std::uint64_t{1} << sf) - 1);
        rem_hi = 0;
        half_lo = std::uint64_t{1} << (sf - 1);
    } else {
        const int s = sf - 64;
        qlo = static_cast<std::uint64_t>(r.hi >> s);
        qhi = r.hi < 0 ? -1 : 0;
        rem_lo = r.lo;
        rem_hi = s == 0 ? 0 : static_cast<std::uint64_t>(r.hi) & ((std::uint64_t{1} << s) - 1);
        if (s == 0) half_lo = std::uint64_t{1} << 63;
        else half_hi = std::uint64_t{1} << (s - 1);
    }
    const bool above = rem_hi > half_hi || (rem_hi == half_hi && rem_lo > half_lo);
    const bool tie = rem_hi == half_hi && rem_lo == half_lo;
    if (above || (tie && (qlo & 1))) {
        ++qlo;
        if (qlo == 0) ++qhi;
    }
    const Wide q{qlo, qhi};
    if (fits_int64(q)) return saturate<D>(static_cast<std::int64_t>(q.lo));
    return q.hi < 0 ? DL::min() : DL::max();
}

ZORS_LEVEL_END

}  // namespace zors
