// Thresholds: Threshold (generic, by relOp), Threshold_LT, _GT, _LTVal,
// _GTVal, _LTValGTVal and _LTInv, each with its in-place form _I.
//
// Checks: pSrc and pDst (or pSrcDst) null (-8), len < 1 (-6), then a
// negative level for the complex forms and LTInv (-19), and levelGT <
// levelLT for LTValGTVal (-18).
//
// Real elements are compared by value: LT gives level where x <= level, GT
// where x >= level (the generic form is GT for relOp 4 and LT otherwise);
// LTVal gives value where x < level, GTVal where x > level. A NaN element
// fails every comparison and is copied.
//
// Complex elements are compared by m^2 = re^2 + im^2 against level^2, in
// the component precision (64-bit integers for 16sc). Clamping scales the
// element by sqrt(level^2 / m^2), which keeps its phase; a zero element
// clamped from below becomes (level, 0). 16sc results are rounded to
// nearest, ties to even, and saturated.
//
// LTInv: level 0 gives 1/x everywhere, an infinity for a zero element and
// the warning zorStsInvZero after the whole vector is written. A positive
// level gives +-1/level where |x| <= level (the sign of x, +1/level for
// zeros) and 1/x elsewhere. Complex elements get conj(z)/m^2; those with
// m <= level get the reciprocal's direction with magnitude 1/level (a zero
// element (1/level, 0)), and with level 0 a zero element gives (+inf, 0).
#include <cmath>
#include <cstdint>
#include <limits>

#include "frame/check.h"
#include "frame/round.h"
#include "frame/types.h"

namespace zors {
namespace {

using std::size_t;

// The component precision in which complex magnitudes are compared.
template <class P> struct wide_of { using type = P; };
template <> struct wide_of<Zor16s> { using type = std::int64_t; };
template <class P> using wide_t = typename wide_of<P>::type;

template <class C>
wide_t<part_t<C>> mag2(const C& z) {
    using W = wide_t<part_t<C>>;
    return static_cast<W>(z.re) * static_cast<W>(z.re) + static_cast<W>(z.im) * static_cast<W>(z.im);
}

// The component rescaled by factor f (16sc: rounded and saturated).
template <class P>
P rescale(P v, double f) {
    if constexpr (std::is_integral_v<P>) return saturate<P>(static_cast<std::int64_t>(round_half_even(static_cast<double>(v) * f)));
    else return static_cast<P>(v * f);
}

// |z| without overflow or underflow: double precision for single-precision
// components, hypot for double precision.
template <class C>
double magnitude(const C& z) {
    if constexpr (sizeof(part_t<C>) == 4) {
        const double re = z.re, im = z.im;
        return std::sqrt(re * re + im * im);
    } else {
        return std::hypot(static_cast<double>(z.re), static_cast<double>(z.im));
    }
}

// z scaled to magnitude level: by sqrt(level^2 / m^2) for 16sc (exact
// squares, double-precision factor), by level / |z| for floating data.
template <class C, class L>
C scaled(const C& z, L level, wide_t<part_t<C>> level2, wide_t<part_t<C>> m2) {
    double f;
    if constexpr (std::is_integral_v<part_t<C>>) f = std::sqrt(static_cast<double>(level2) / static_cast<double>(m2));
    else f = static_cast<double>(level) / magnitude(z);
    return C{rescale(z.re, f), rescale(z.im, f)};
}

// 1/z = conj(z) / |z|^2 for a nonzero z, without overflow or underflow in
// the squares (double precision for single-precision data, scaled by the
// larger component for double precision).
template <class C>
C reciprocal(const C& z) {
    using P = part_t<C>;
    if constexpr (sizeof(P) == 4) {
        const double re = z.re, im = z.im, d = re * re + im * im;
        return C{static_cast<P>(re / d), static_cast<P>(-im / d)};
    } else {
        const double s = std::fmax(std::fabs(z.re), std::fabs(z.im));
        const double re = z.re / s, im = z.im / s, d = (re * re + im * im) * s;
        return C{re / d, -im / d};
    }
}

// Element rules. Each takes one element and returns its result.
template <class T, class L>
T clamp_lt(const T& x, L level) {
    if constexpr (is_complex_v<T>) {
        using P = part_t<T>;
        using W = wide_t<P>;
        const W l2 = static_cast<W>(level) * static_cast<W>(level), m2 = mag2(x);
        if (m2 >= l2) return x;
        if (m2 == 0) return T{static_cast<P>(level), P{0}};
        return scaled(x, level, l2, m2);
    } else {
        return x <= level ? static_cast<T>(level) : x;
    }
}

template <class T, class L>
T clamp_gt(const T& x, L level) {
    if constexpr (is_complex_v<T>) {
        using W = wide_t<part_t<T>>;
        const W l2 = static_cast<W>(level) * static_cast<W>(level), m2 = mag2(x);
        return m2 > l2 ? scaled(x, level, l2, m2) : x;
    } else {
        return x >= level ? static_cast<T>(level) : x;
    }
}

template <class T, class L>
bool below(const T& x, L level) {
    if constexpr (is_complex_v<T>) {
        using W = wide_t<part_t<T>>;
        return mag2(x) < static_cast<W>(level) * static_cast<W>(level);
    } else {
        return x < level;
    }
}

template <class T, class L>
bool above(const T& x, L level) {
    if constexpr (is_complex_v<T>) {
        using W = wide_t<part_t<T>>;
        return mag2(x) > static_cast<W>(level) * static_cast<W>(level);
    } else {
        return x > level;
    }
}

// The level of complex data and of LTInv must not be negative.
template <class T, class L>
ZorStatus level_check(L level) {
    if constexpr (is_complex_v<T>) return require(!(level < 0), zorStsThreshNegLevelErr);
    else return zorStsNoErr;
}

template <class T, class F>
void apply(const T* src, T* dst, int len, F f) {
    for (int i = 0; i < len; ++i) dst[i] = f(src[i]);
}

template <class T, class L>
ZorStatus lt(const T* src, T* dst, int len, L level) {
    ZORS_CHECK(nonnull(src, dst), positive(len), level_check<T>(level));
    apply(src, dst, len, [level](const T& x) { return clamp_lt(x, level); });
    return zorStsNoErr;
}

template <class T, class L>
ZorStatus gt(const T* src, T* dst, int len, L level) {
    ZORS_CHECK(nonnull(src, dst), positive(len), level_check<T>(level));
    apply(src, dst, len, [level](const T& x) { return clamp_gt(x, level); });
    return zorStsNoErr;
}

template <class T, class L>
ZorStatus by_op(const T* src, T* dst, int len, L level, ZorCmpOp op) {
    return op == zorCmpGreater ? gt(src, dst, len, level) : lt(src, dst, len, level);
}

template <class T, class L>
ZorStatus lt_val(const T* src, T* dst, int len, L level, T value) {
    ZORS_CHECK(nonnull(src, dst), positive(len), level_check<T>(level));
    apply(src, dst, len, [level, value](const T& x) { return below(x, level) ? value : x; });
    return zorStsNoErr;
}

template <class T, class L>
ZorStatus gt_val(const T* src, T* dst, int len, L level, T value) {
    ZORS_CHECK(nonnull(src, dst), positive(len), level_check<T>(level));
    apply(src, dst, len, [level, value](const T& x) { return above(x, level) ? value : x; });
    return zorStsNoErr;
}

template <class T>
ZorStatus lt_val_gt_val(const T* src, T* dst, int len, T level_lt, T value_lt, T level_gt, T value_gt) {
    ZORS_CHECK(nonnull(src, dst), positive(len), require(!(level_gt < level_lt), zorStsThreshBoundsErr));
    apply(src, dst, len, [=](T x) { return x < level_lt ? value_lt : (x > level_gt ? value_gt : x); });
    return zorStsNoErr;
}

template <class T, class L>
ZorStatus lt_inv(const T* src, T* dst, int len, L level) {
    ZORS_CHECK(nonnull(src, dst), positive(len), require(!(level < 0), zorStsThreshNegLevelErr));
    constexpr L inf = std::numeric_limits<L>::infinity();
    bool zero_met = false;
    if constexpr (is_complex_v<T>) {
        const L l2 = level * level;
        for (int i = 0; i < len; ++i) {
            const T z = src[i];
            const bool zero = z.re == 0 && z.im == 0;
            if (level == 0 && zero) {
                zero_met = true;
                dst[i] = T{inf, L{0}};
            } else if (level > 0 && z.re * z.re + z.im * z.im <= l2) {
                // Magnitude 1/level in the reciprocal's direction.
                if (zero) {
                    dst[i] = T{L{1} / level, L{0}};
                } else {
                    const double f = 1.0 / (static_cast<double>(level) * magnitude(z));
                    dst[i] = T{static_cast<L>(z.re * f), static_cast<L>(-z.im * f)};
                }
            } else {
                dst[i] = reciprocal(z);
            }
        }
    } else {
        if (level == 0) {
            for (int i = 0; i < len; ++i) {
                zero_met |= src[i] == 0;
                dst[i] = L{1} / src[i];
            }
        } else {
            const L inv_level = L{1} / level;
            for (int i = 0; i < len; ++i) {
                const T x = src[i];
                dst[i] = std::fabs(x) <= level ? (x < 0 ? -inv_level : inv_level) : L{1} / x;
            }
        }
    }
    return zero_met ? zorStsInvZero : zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsThreshold_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level, ZorCmpOp relOp) { return by_op(pSrc, pDst, len, level, relOp); }
ZorStatus zorsThreshold_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level, ZorCmpOp relOp) { return by_op(pSrc, pDst, len, level, relOp); }
ZorStatus zorsThreshold_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level, ZorCmpOp relOp) { return by_op(pSrc, pDst, len, level, relOp); }
ZorStatus zorsThreshold_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level, ZorCmpOp relOp) { return by_op(pSrc, pDst, len, level, relOp); }
ZorStatus zorsThreshold_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level, ZorCmpOp relOp) { return by_op(pSrc, pDst, len, level, relOp); }
ZorStatus zorsThreshold_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level, ZorCmpOp relOp) { return by_op(pSrc, pDst, len, level, relOp); }
ZorStatus zorsThreshold_16s_I(Zor16s* pSrcDst, int len, Zor16s level, ZorCmpOp relOp) { return by_op(pSrcDst, pSrcDst, len, level, relOp); }
ZorStatus zorsThreshold_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level, ZorCmpOp relOp) { return by_op(pSrcDst, pSrcDst, len, level, relOp); }
ZorStatus zorsThreshold_32f_I(Zor32f* pSrcDst, int len, Zor32f level, ZorCmpOp relOp) { return by_op(pSrcDst, pSrcDst, len, level, relOp); }
ZorStatus zorsThreshold_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level, ZorCmpOp relOp) { return by_op(pSrcDst, pSrcDst, len, level, relOp); }
ZorStatus zorsThreshold_64f_I(Zor64f* pSrcDst, int len, Zor64f level, ZorCmpOp relOp) { return by_op(pSrcDst, pSrcDst, len, level, relOp); }
ZorStatus zorsThreshold_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level, ZorCmpOp relOp) { return by_op(pSrcDst, pSrcDst, len, level, relOp); }

ZorStatus zorsThreshold_LT_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level) { return lt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LT_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level) { return lt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LT_32s(const Zor32s* pSrc, Zor32s* pDst, int len, Zor32s level) { return lt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LT_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level) { return lt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LT_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level) { return lt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LT_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level) { return lt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LT_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level) { return lt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LT_16s_I(Zor16s* pSrcDst, int len, Zor16s level) { return lt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LT_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level) { return lt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LT_32s_I(Zor32s* pSrcDst, int len, Zor32s level) { return lt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LT_32f_I(Zor32f* pSrcDst, int len, Zor32f level) { return lt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LT_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level) { return lt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LT_64f_I(Zor64f* pSrcDst, int len, Zor64f level) { return lt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LT_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level) { return lt(pSrcDst, pSrcDst, len, level); }

ZorStatus zorsThreshold_GT_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level) { return gt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_GT_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level) { return gt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_GT_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level) { return gt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_GT_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level) { return gt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_GT_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level) { return gt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_GT_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level) { return gt(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_GT_16s_I(Zor16s* pSrcDst, int len, Zor16s level) { return gt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_GT_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level) { return gt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_GT_32f_I(Zor32f* pSrcDst, int len, Zor32f level) { return gt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_GT_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level) { return gt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_GT_64f_I(Zor64f* pSrcDst, int len, Zor64f level) { return gt(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_GT_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level) { return gt(pSrcDst, pSrcDst, len, level); }

ZorStatus zorsThreshold_LTVal_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level, Zor16s value) { return lt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level, Zor16sc value) { return lt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level, Zor32f value) { return lt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level, Zor32fc value) { return lt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level, Zor64f value) { return lt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level, Zor64fc value) { return lt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_16s_I(Zor16s* pSrcDst, int len, Zor16s level, Zor16s value) { return lt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level, Zor16sc value) { return lt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_32f_I(Zor32f* pSrcDst, int len, Zor32f level, Zor32f value) { return lt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level, Zor32fc value) { return lt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_64f_I(Zor64f* pSrcDst, int len, Zor64f level, Zor64f value) { return lt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_LTVal_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level, Zor64fc value) { return lt_val(pSrcDst, pSrcDst, len, level, value); }

ZorStatus zorsThreshold_GTVal_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level, Zor16s value) { return gt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level, Zor16sc value) { return gt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level, Zor32f value) { return gt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level, Zor32fc value) { return gt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level, Zor64f value) { return gt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level, Zor64fc value) { return gt_val(pSrc, pDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_16s_I(Zor16s* pSrcDst, int len, Zor16s level, Zor16s value) { return gt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level, Zor16sc value) { return gt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_32f_I(Zor32f* pSrcDst, int len, Zor32f level, Zor32f value) { return gt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level, Zor32fc value) { return gt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_64f_I(Zor64f* pSrcDst, int len, Zor64f level, Zor64f value) { return gt_val(pSrcDst, pSrcDst, len, level, value); }
ZorStatus zorsThreshold_GTVal_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level, Zor64fc value) { return gt_val(pSrcDst, pSrcDst, len, level, value); }

ZorStatus zorsThreshold_LTValGTVal_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s levelLT, Zor16s valueLT, Zor16s levelGT, Zor16s valueGT) { return lt_val_gt_val(pSrc, pDst, len, levelLT, valueLT, levelGT, valueGT); }
ZorStatus zorsThreshold_LTValGTVal_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f levelLT, Zor32f valueLT, Zor32f levelGT, Zor32f valueGT) { return lt_val_gt_val(pSrc, pDst, len, levelLT, valueLT, levelGT, valueGT); }
ZorStatus zorsThreshold_LTValGTVal_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f levelLT, Zor64f valueLT, Zor64f levelGT, Zor64f valueGT) { return lt_val_gt_val(pSrc, pDst, len, levelLT, valueLT, levelGT, valueGT); }
ZorStatus zorsThreshold_LTValGTVal_16s_I(Zor16s* pSrcDst, int len, Zor16s levelLT, Zor16s valueLT, Zor16s levelGT, Zor16s valueGT) { return lt_val_gt_val(pSrcDst, pSrcDst, len, levelLT, valueLT, levelGT, valueGT); }
ZorStatus zorsThreshold_LTValGTVal_32f_I(Zor32f* pSrcDst, int len, Zor32f levelLT, Zor32f valueLT, Zor32f levelGT, Zor32f valueGT) { return lt_val_gt_val(pSrcDst, pSrcDst, len, levelLT, valueLT, levelGT, valueGT); }
ZorStatus zorsThreshold_LTValGTVal_64f_I(Zor64f* pSrcDst, int len, Zor64f levelLT, Zor64f valueLT, Zor64f levelGT, Zor64f valueGT) { return lt_val_gt_val(pSrcDst, pSrcDst, len, levelLT, valueLT, levelGT, valueGT); }

ZorStatus zorsThreshold_LTInv_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level) { return lt_inv(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LTInv_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level) { return lt_inv(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LTInv_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level) { return lt_inv(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LTInv_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level) { return lt_inv(pSrc, pDst, len, level); }
ZorStatus zorsThreshold_LTInv_32f_I(Zor32f* pSrcDst, int len, Zor32f level) { return lt_inv(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LTInv_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level) { return lt_inv(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LTInv_64f_I(Zor64f* pSrcDst, int len, Zor64f level) { return lt_inv(pSrcDst, pSrcDst, len, level); }
ZorStatus zorsThreshold_LTInv_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level) { return lt_inv(pSrcDst, pSrcDst, len, level); }
