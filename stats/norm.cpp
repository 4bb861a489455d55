// Norm and NormDiff in the kinds Inf (largest magnitude), L1 (sum of
// magnitudes) and L2 (square root of the sum of squares); NormDiff takes them
// of pSrc1[n] - pSrc2[n], formed exactly for 16-bit sources and in the
// source precision otherwise. Complex magnitudes are sqrt(re^2 + im^2).
//
// Checks: a null pointer (-8), then len < 1 (-6). No warnings.
//
// Accumulation: 32f in single-precision lanes (L2 takes the root of that sum
// in double); 64f and the complex forms with a 64f result in double lanes;
// Inf_32fc32f compares single-precision magnitudes; 16s exactly (64 bits),
// converted to single precision for the 32f results.
//
// The 16s32s_Sfs forms truncate instead of rounding: Inf shifts the maximum
// (up to 65535) right by sf, or left by at most 31 with saturation; L1 shifts
// the exact sum right (0 beyond 63) or left by at most 32 with saturation;
// L2 scales sqrt(sum) by 2^-sf in double, saturates at 2147483647 and
// truncates toward zero.
#include <cmath>
#include <cstdint>

#include "frame/check.h"
#include "stats/finish.h"

namespace zors {
namespace {

enum class Kind { Inf, L1, L2 };

template <class T>
const auto& set_of(const ReduceKernels& k) {
    if constexpr (std::is_same_v<T, float>) return k.norm_32f;
    else if constexpr (std::is_same_v<T, double>) return k.norm_64f;
    else if constexpr (std::is_same_v<T, Zor16s>) return k.norm_16s;
    else if constexpr (std::is_same_v<T, Zor32fc>) return k.norm_32fc;
    else return k.norm_64fc;
}

template <Kind K, class S>
const auto& pair_of(const S& s) {
    if constexpr (K == Kind::Inf) return s.inf;
    else if constexpr (K == Kind::L1) return s.l1;
    else return s.l2;
}

// The accumulated norm (before the root of L2); b null for the plain norm.
template <Kind K, class T, class Acc>
Acc run(const NormPair<T, Acc>& p, const T* a, const T* b, int len) {
    constexpr int L = lanes_of<Acc>;
    Acc lanes[L];
    const auto n = static_cast<std::size_t>(len);
    if (b) p.diff(a, b, n, lanes);
    else p.one(a, n, lanes);
    if constexpr (K == Kind::Inf) {
        Acc r{};
        for (int j = 0; j < L; ++j) r = lanes[j] > r ? lanes[j] : r;
        return r;
    } else {
        return fold(lanes, L);
    }
}

template <Kind K, class T>
auto accumulate(const T* a, const T* b, int len) {
    return run<K>(pair_of<K>(set_of<T>(reduce_kernels())), a, b, len);
}

// Floating results: L2 takes the root in double, then rounds to R.
template <Kind K, class T, class R>
void finish(const T* a, const T* b, int len, R* dst) {
    const auto acc = accumulate<K>(a, b, len);
    if constexpr (K == Kind::L2) *dst = static_cast<R>(std::sqrt(static_cast<double>(acc)));
    else *dst = static_cast<R>(acc);
}

// Truncating scale of the 16-bit integer norms.
template <Kind K>
Zor32s truncate_scaled(std::int64_t acc, int sf) {
    constexpr std::int64_t kMax = INT32_MAX;
    if constexpr (K == Kind::Inf) {
        if (sf == 0) return static_cast<Zor32s>(acc);
        if (sf > 0) return sf >= 32 ? 0 : static_cast<Zor32s>(acc >> sf);
        const int n = sf < -31 ? 31 : -sf;
        const std::int64_t v = acc << n;
        return static_cast<Zor32s>(v > kMax ? kMax : v);
    } else if constexpr (K == Kind::L1) {
        if (sf > 63) return 0;
        if (sf >= 0) {
            const std::int64_t v = acc >> sf;
            return static_cast<Zor32s>(v > kMax ? kMax : v);
        }
        if (acc > kMax) return INT32_MAX;
        const int n = sf < -32 ? 32 : -sf;
        const std::int64_t v = acc << n;
        return static_cast<Zor32s>(v > kMax ? kMax : v);
    } else {
        const double r = scale_pow2(std::sqrt(static_cast<double>(acc)), sf);
        if (!(r < 2147483647.0)) return INT32_MAX;
        return static_cast<Zor32s>(r);
    }
}

template <Kind K, class T, class R>
ZorStatus norm(const T* src, int len, R* dst) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    finish<K>(src, static_cast<const T*>(nullptr), len, dst);
    return zorStsNoErr;
}

template <Kind K, class T, class R>
ZorStatus norm_diff(const T* src1, const T* src2, int len, R* dst) {
    ZORS_CHECK(nonnull(src1, src2, dst), positive(len));
    finish<K>(src1, src2, len, dst);
    return zorStsNoErr;
}

template <Kind K>
ZorStatus norm_sfs(const Zor16s* src, int len, Zor32s* dst, int sf) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    *dst = truncate_scaled<K>(accumulate<K>(src, static_cast<const Zor16s*>(nullptr), len), sf);
    return zorStsNoErr;
}

template <Kind K>
ZorStatus norm_diff_sfs(const Zor16s* src1, const Zor16s* src2, int len, Zor32s* dst, int sf) {
    ZORS_CHECK(nonnull(src1, src2, dst), positive(len));
    *dst = truncate_scaled<K>(accumulate<K>(src1, src2, len), sf);
    return zorStsNoErr;
}

constexpr Kind Inf = Kind::Inf, L1 = Kind::L1, L2 = Kind::L2;

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsNorm_Inf_32f(const Zor32f* pSrc, int len, Zor32f* pNorm) { return norm<Inf>(pSrc, len, pNorm); }
ZorStatus zorsNorm_Inf_64f(const Zor64f* pSrc, int len, Zor64f* pNorm) { return norm<Inf>(pSrc, len, pNorm); }
ZorStatus zorsNorm_Inf_16s32f(const Zor16s* pSrc, int len, Zor32f* pNorm) { return norm<Inf>(pSrc, len, pNorm); }
ZorStatus zorsNorm_Inf_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pNorm, int scaleFactor) { return norm_sfs<Inf>(pSrc, len, pNorm, scaleFactor); }
ZorStatus zorsNorm_Inf_32fc32f(const Zor32fc* pSrc, int len, Zor32f* pNorm) { return norm<Inf>(pSrc, len, pNorm); }
ZorStatus zorsNorm_Inf_64fc64f(const Zor64fc* pSrc, int len, Zor64f* pNorm) { return norm<Inf>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L1_32f(const Zor32f* pSrc, int len, Zor32f* pNorm) { return norm<L1>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L1_64f(const Zor64f* pSrc, int len, Zor64f* pNorm) { return norm<L1>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L1_16s32f(const Zor16s* pSrc, int len, Zor32f* pNorm) { return norm<L1>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L1_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pNorm, int scaleFactor) { return norm_sfs<L1>(pSrc, len, pNorm, scaleFactor); }
ZorStatus zorsNorm_L1_32fc64f(const Zor32fc* pSrc, int len, Zor64f* pNorm) { return norm<L1>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L1_64fc64f(const Zor64fc* pSrc, int len, Zor64f* pNorm) { return norm<L1>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L2_32f(const Zor32f* pSrc, int len, Zor32f* pNorm) { return norm<L2>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L2_64f(const Zor64f* pSrc, int len, Zor64f* pNorm) { return norm<L2>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L2_16s32f(const Zor16s* pSrc, int len, Zor32f* pNorm) { return norm<L2>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L2_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pNorm, int scaleFactor) { return norm_sfs<L2>(pSrc, len, pNorm, scaleFactor); }
ZorStatus zorsNorm_L2_32fc64f(const Zor32fc* pSrc, int len, Zor64f* pNorm) { return norm<L2>(pSrc, len, pNorm); }
ZorStatus zorsNorm_L2_64fc64f(const Zor64fc* pSrc, int len, Zor64f* pNorm) { return norm<L2>(pSrc, len, pNorm); }

ZorStatus zorsNormDiff_Inf_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pNorm) { return norm_diff<Inf>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_Inf_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pNorm) { return norm_diff<Inf>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_Inf_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pNorm) { return norm_diff<Inf>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_Inf_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pNorm, int scaleFactor) { return norm_diff_sfs<Inf>(pSrc1, pSrc2, len, pNorm, scaleFactor); }
ZorStatus zorsNormDiff_Inf_32fc32f(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor32f* pNorm) { return norm_diff<Inf>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_Inf_64fc64f(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64f* pNorm) { return norm_diff<Inf>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L1_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pNorm) { return norm_diff<L1>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L1_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pNorm) { return norm_diff<L1>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L1_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pNorm) { return norm_diff<L1>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L1_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pNorm, int scaleFactor) { return norm_diff_sfs<L1>(pSrc1, pSrc2, len, pNorm, scaleFactor); }
ZorStatus zorsNormDiff_L1_32fc64f(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor64f* pNorm) { return norm_diff<L1>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L1_64fc64f(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64f* pNorm) { return norm_diff<L1>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L2_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pNorm) { return norm_diff<L2>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L2_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pNorm) { return norm_diff<L2>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L2_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pNorm) { return norm_diff<L2>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L2_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pNorm, int scaleFactor) { return norm_diff_sfs<L2>(pSrc1, pSrc2, len, pNorm, scaleFactor); }
ZorStatus zorsNormDiff_L2_32fc64f(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor64f* pNorm) { return norm_diff<L2>(pSrc1, pSrc2, len, pNorm); }
ZorStatus zorsNormDiff_L2_64fc64f(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64f* pNorm) { return norm_diff<L2>(pSrc1, pSrc2, len, pNorm); }
