// FIR direct forms: no state; the caller keeps the delay array d of
// 2 * tapsLen samples and the index i. Per input sample x: d[i] and
// d[i + tapsLen] take x, i advances by one modulo tapsLen, and the output is
// the sum over j < tapsLen of h[tapsLen - 1 - j] * d[i + j]. A block call is
// that step for every sample in order, so in place is safe.
//
// Accumulation and output:
// - single-precision data with single or double taps: double sums, narrowed;
//   double data: double sums;
// - floating taps with integer data: sums in the taps' precision, scaled by
//   2^-scaleFactor, rounded to nearest with ties away from zero, saturated;
// - Q15 taps: 32-bit wrap-around sums scaled by 2^-(scaleFactor + 15);
// - 32-bit taps: 32-bit wrap-around sums of wrapped products, scaled by
//   2^(tapsFactor - scaleFactor) with that exponent clamped to [-31, 31];
//   integer results round to nearest with ties to even and saturate.
//
// Checks: the source and destination pointers (-8), numIters < 1 (-6), the
// taps (-8), tapsLen < 1 (-26), the delay array and index pointers (-8), then
// an index outside [0, tapsLen) (-24). The Q15 block forms check all five
// pointers first.
#include <cstring>

#include "filter/fir_impl.h"
#include "frame/scale.h"

namespace zors::fir {
namespace {

// Accumulator of the sums: double, float, or 32-bit wrap-around (uint32).
template <class A, class T, class X>
inline void mac(A& re, A& im, T h, X x) {
    if constexpr (std::is_same_v<A, std::uint32_t>) {
        if constexpr (is_complex_v<X>) {
            re += static_cast<std::uint32_t>(h.re) * static_cast<std::uint32_t>(x.re) -
                  static_cast<std::uint32_t>(h.im) * static_cast<std::uint32_t>(x.im);
            im += static_cast<std::uint32_t>(h.re) * static_cast<std::uint32_t>(x.im) +
                  static_cast<std::uint32_t>(h.im) * static_cast<std::uint32_t>(x.re);
        } else {
            re += static_cast<std::uint32_t>(h) * static_cast<std::uint32_t>(x);
        }
    } else if constexpr (is_complex_v<X>) {
        re += static_cast<A>(h.re) * static_cast<A>(x.re) - static_cast<A>(h.im) * static_cast<A>(x.im);
        im += static_cast<A>(h.re) * static_cast<A>(x.im) + static_cast<A>(h.im) * static_cast<A>(x.re);
    } else {
        re += static_cast<A>(h) * static_cast<A>(x);
    }
}

// How a sum becomes an output.
enum class Out { narrow, away, shift };

template <class A, Out O, class T, class D>
struct Direct {
    static constexpr bool cplx = is_complex_v<D>;

    // One step on the caller's array; `e` is the output exponent (2^-e).
    static D step(D x, const T* h, int len, D* d, int& i, int e) {
        d[i] = d[i + len] = x;
        i = i + 1 == len ? 0 : i + 1;
        A re{}, im{};
        const D* w = d + i;
        for (int j = 0; j < len; ++j) mac(re, im, h[len - 1 - j], w[j]);
        return result(re, im, e);
    }

    static D result(A re, A im, int e) {
        if constexpr (cplx) return D{finish<part_t<D>>(re, e), finish<part_t<D>>(im, e)};
        else return finish<D>(re, e);
    }

    template <class P>
    static P finish(A v, int e) {
        if constexpr (O == Out::narrow) return static_cast<P>(v);
        else if constexpr (O == Out::away) return round_scaled<P>(static_cast<double>(v), e, Tie::away);
        else return scale_sat<P>(std::int64_t{static_cast<std::int32_t>(v)}, e);
    }

    static ZorStatus index_ok(const int* idx, int len) {
        return idx == nullptr ? zorStsNullPtrErr : *idx < 0 || *idx >= len ? zorStsDlyLineIndexErr : zorStsNoErr;
    }

    static ZorStatus block(const D* src, D* dst, int n, const T* h, int len, D* d, int* idx, int e) {
        ZORS_CHECK(nonnull(src, dst), positive(n), nonnull(h), require(len >= 1, zorStsFIRLenErr),
                   nonnull(d, idx), index_ok(idx, len));
        int i = *idx;
        for (int k = 0; k < n; ++k) dst[k] = step(src[k], h, len, d, i, e);
        *idx = i;
        return zorStsNoErr;
    }
    // The Q15 block form: every pointer first.
    static ZorStatus block_q15(const D* src, D* dst, int n, const T* h, int len, D* d, int* idx, int e) {
        ZORS_CHECK(nonnull(src, dst, h, d, idx), positive(n), require(len >= 1, zorStsFIRLenErr), index_ok(idx, len));
        return block(src, dst, n, h, len, d, idx, e);
    }
    static ZorStatus one(D x, D* y, const T* h, int len, D* d, int* idx, int e) {
        ZORS_CHECK(nonnull(y, h), require(len >= 1, zorStsFIRLenErr), nonnull(d, idx), index_ok(idx, len));
        int i = *idx;
        *y = step(x, h, len, d, i, e);
        *idx = i;
        return zorStsNoErr;
    }
    static ZorStatus one_inplace(D* p, const T* h, int len, D* d, int* idx, int e) {
        ZORS_CHECK(nonnull(p));
        return one(*p, p, h, len, d, idx, e);
    }

    // Multi-rate: output l reads branch p = t mod U, t = l*D + downPhase -
    // upPhase, against the inputs up to k = floor(t/U), summed in branch
    // order; samples before the call come from the caller's line (newest
    // first), which then takes the newest inputs.
    static void mr(const D* src, D* dst, int n, const T* h, int len, int u, int up, int d, int dp, D* line, int e) {
        const std::int64_t total = std::int64_t{n} * d, outs = std::int64_t{n} * u;
        const int hist = (len - 1) / u + 1;
        for (std::int64_t l = 0; l < outs; ++l) {
            const std::int64_t t = l * d + dp - up;
            const std::int64_t k = floor_div(t, u);
            A re{}, im{};
            std::int64_t m = k;
            for (auto tap = static_cast<int>(t - k * u); tap < len; tap += u, --m)
                mac(re, im, h[tap], m >= 0 ? src[m] : line[-m - 1]);
            dst[l] = result(re, im, e);
        }
        for (int i = hist - 1; i >= 0; --i) line[i] = total - 1 - i >= 0 ? src[total - 1 - i] : line[i - total];
    }
    static ZorStatus mr_block(const D* src, D* dst, int n, const T* h, int len, int u, int up, int d, int dp, D* line,
                              int e) {
        ZORS_CHECK(nonnull(src, dst), positive(n), nonnull(h), mr_check(len, u, up, d, dp), nonnull(line));
        mr(src, dst, n, h, len, u, up, d, dp, line, e);
        return zorStsNoErr;
    }
    // In place: from a copy of the n * D input samples.
    static ZorStatus mr_inplace(D* p, int n, const T* h, int len, int u, int up, int d, int dp, D* line, int e) {
        ZORS_CHECK(nonnull(p), positive(n), nonnull(h), mr_check(len, u, up, d, dp), nonnull(line));
        return mr_from_copy(p, n, d, [&](const D* x, D* y, int k) { mr(x, y, k, h, len, u, up, d, dp, line, e); });
    }
};

// Exponents: Q15 taps scale by 2^-(sf + 15); 32-bit taps by 2^(tf - sf),
// the exponent clamped to [-31, 31].
int q15_exp(int sf) { return sf > 1000 ? 1000 : sf < -1000 ? -1000 : sf + 15; }
int taps_exp(int tf, int sf) {
    const std::int64_t s = std::int64_t{tf} - sf;
    return -static_cast<int>(s > 31 ? 31 : s < -31 ? -31 : s);
}

}  // namespace
}  // namespace zors::fir

using zors::fir::Direct;
using zors::fir::Out;

// Floating data, no scale factor.
#define ZORS_FIR_DIRECT_F(BLK, ONE, A, T, D)                                                          \
    ZorStatus BLK(const D* x, D* y, int n, const T* h, int l, D* d, int* i) {                          \
        return Direct<A, Out::narrow, T, D>::block(x, y, n, h, l, d, i, 0);                            \
    }                                                                                                  \
    ZorStatus BLK##_I(D* p, int n, const T* h, int l, D* d, int* i) {                                  \
        return Direct<A, Out::narrow, T, D>::block(p, p, n, h, l, d, i, 0);                            \
    }                                                                                                  \
    ZorStatus ONE(D x, D* y, const T* h, int l, D* d, int* i) {                                        \
        return Direct<A, Out::narrow, T, D>::one(x, y, h, l, d, i, 0);                                 \
    }                                                                                                  \
    ZorStatus ONE##_I(D* p, const T* h, int l, D* d, int* i) {                                         \
        return Direct<A, Out::narrow, T, D>::one_inplace(p, h, l, d, i, 0);                            \
    }
ZORS_FIR_DIRECT_F(zorsFIR_Direct_32f, zorsFIROne_Direct_32f, double, Zor32f, Zor32f)
ZORS_FIR_DIRECT_F(zorsFIR_Direct_32fc, zorsFIROne_Direct_32fc, double, Zor32fc, Zor32fc)
ZORS_FIR_DIRECT_F(zorsFIR_Direct_64f, zorsFIROne_Direct_64f, double, Zor64f, Zor64f)
ZORS_FIR_DIRECT_F(zorsFIR_Direct_64fc, zorsFIROne_Direct_64fc, double, Zor64fc, Zor64fc)
ZORS_FIR_DIRECT_F(zorsFIR64f_Direct_32f, zorsFIROne64f_Direct_32f, double, Zor64f, Zor32f)
ZORS_FIR_DIRECT_F(zorsFIR64fc_Direct_32fc, zorsFIROne64fc_Direct_32fc, double, Zor64fc, Zor32fc)

// Integer data: E(sf) is the output exponent; BQ the block form's check order.
#define ZORS_FIR_DIRECT_S(N, A, O, T, D, E, BQ)                                                        \
    ZorStatus zorsFIR##N##_Sfs(const D* x, D* y, int n, const T* h, int l, D* d, int* i, int sf) {      \
        return Direct<A, O, T, D>::BQ(x, y, n, h, l, d, i, E);                                         \
    }                                                                                                  \
    ZorStatus zorsFIR##N##_ISfs(D* p, int n, const T* h, int l, D* d, int* i, int sf) {                \
        return Direct<A, O, T, D>::BQ(p, p, n, h, l, d, i, E);                                         \
    }                                                                                                  \
    ZorStatus zorsFIROne##N##_Sfs(D x, D* y, const T* h, int l, D* d, int* i, int sf) {                \
        return Direct<A, O, T, D>::one(x, y, h, l, d, i, E);                                           \
    }                                                                                                  \
    ZorStatus zorsFIROne##N##_ISfs(D* p, const T* h, int l, D* d, int* i, int sf) {                    \
        return Direct<A, O, T, D>::one_inplace(p, h, l, d, i, E);                                      \
    }
ZORS_FIR_DIRECT_S(_Direct_16s, std::uint32_t, Out::shift, Zor16s, Zor16s, zors::fir::q15_exp(sf), block_q15)
ZORS_FIR_DIRECT_S(32f_Direct_16s, float, Out::away, Zor32f, Zor16s, sf, block)
ZORS_FIR_DIRECT_S(32fc_Direct_16sc, float, Out::away, Zor32fc, Zor16sc, sf, block)
ZORS_FIR_DIRECT_S(64f_Direct_16s, double, Out::away, Zor64f, Zor16s, sf, block)
ZORS_FIR_DIRECT_S(64fc_Direct_16sc, double, Out::away, Zor64fc, Zor16sc, sf, block)
ZORS_FIR_DIRECT_S(64f_Direct_32s, double, Out::away, Zor64f, Zor32s, sf, block)
ZORS_FIR_DIRECT_S(64fc_Direct_32sc, double, Out::away, Zor64fc, Zor32sc, sf, block)

// 32-bit taps with their factor.
#define ZORS_FIR_DIRECT_I(N, T, D)                                                                     \
    ZorStatus zorsFIR##N##_Sfs(const D* x, D* y, int n, const T* h, int l, int tf, D* d, int* i, int sf) { \
        return Direct<std::uint32_t, Out::shift, T, D>::block(x, y, n, h, l, d, i, zors::fir::taps_exp(tf, sf)); \
    }                                                                                                  \
    ZorStatus zorsFIR##N##_ISfs(D* p, int n, const T* h, int l, int tf, D* d, int* i, int sf) {        \
        return Direct<std::uint32_t, Out::shift, T, D>::block(p, p, n, h, l, d, i, zors::fir::taps_exp(tf, sf)); \
    }                                                                                                  \
    ZorStatus zorsFIROne##N##_Sfs(D x, D* y, const T* h, int l, int tf, D* d, int* i, int sf) {        \
        return Direct<std::uint32_t, Out::shift, T, D>::one(x, y, h, l, d, i, zors::fir::taps_exp(tf, sf)); \
    }                                                                                                  \
    ZorStatus zorsFIROne##N##_ISfs(D* p, const T* h, int l, int tf, D* d, int* i, int sf) {            \
        return Direct<std::uint32_t, Out::shift, T, D>::one_inplace(p, h, l, d, i, zors::fir::taps_exp(tf, sf)); \
    }
ZORS_FIR_DIRECT_I(32s_Direct_16s, Zor32s, Zor16s)
ZORS_FIR_DIRECT_I(32sc_Direct_16sc, Zor32sc, Zor16sc)

// Multi-rate direct forms: floating data, scaled data with floating taps,
// 32-bit taps with their factor.
#define ZORS_FIR_MR_DIRECT_F(N, T, D)                                                                          \
    ZorStatus zorsFIRMR##N(const D* x, D* y, int n, const T* h, int l, int u, int up, int d, int dp, D* dl) {     \
        return Direct<double, Out::narrow, T, D>::mr_block(x, y, n, h, l, u, up, d, dp, dl, 0);                 \
    }                                                                                                          \
    ZorStatus zorsFIRMR##N##_I(D* p, int n, const T* h, int l, int u, int up, int d, int dp, D* dl) {            \
        return Direct<double, Out::narrow, T, D>::mr_inplace(p, n, h, l, u, up, d, dp, dl, 0);                  \
    }
ZORS_FIR_MR_DIRECT_F(_Direct_32f, Zor32f, Zor32f)
ZORS_FIR_MR_DIRECT_F(_Direct_32fc, Zor32fc, Zor32fc)
ZORS_FIR_MR_DIRECT_F(_Direct_64f, Zor64f, Zor64f)
ZORS_FIR_MR_DIRECT_F(_Direct_64fc, Zor64fc, Zor64fc)
ZORS_FIR_MR_DIRECT_F(64f_Direct_32f, Zor64f, Zor32f)
ZORS_FIR_MR_DIRECT_F(64fc_Direct_32fc, Zor64fc, Zor32fc)

#define ZORS_FIR_MR_DIRECT_S(N, A, T, D)                                                                       \
    ZorStatus zorsFIRMR##N##_Sfs(const D* x, D* y, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, \
                                 int sf) {                                                                     \
        return Direct<A, Out::away, T, D>::mr_block(x, y, n, h, l, u, up, d, dp, dl, sf);                       \
    }                                                                                                          \
    ZorStatus zorsFIRMR##N##_ISfs(D* p, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, int sf) { \
        return Direct<A, Out::away, T, D>::mr_inplace(p, n, h, l, u, up, d, dp, dl, sf);                        \
    }
ZORS_FIR_MR_DIRECT_S(32f_Direct_16s, float, Zor32f, Zor16s)
ZORS_FIR_MR_DIRECT_S(32fc_Direct_16sc, float, Zor32fc, Zor16sc)
ZORS_FIR_MR_DIRECT_S(64f_Direct_16s, double, Zor64f, Zor16s)
ZORS_FIR_MR_DIRECT_S(64fc_Direct_16sc, double, Zor64fc, Zor16sc)
ZORS_FIR_MR_DIRECT_S(64f_Direct_32s, double, Zor64f, Zor32s)
ZORS_FIR_MR_DIRECT_S(64fc_Direct_32sc, double, Zor64fc, Zor32sc)

#define ZORS_FIR_MR_DIRECT_I(N, T, D)                                                                          \
    ZorStatus zorsFIRMR##N##_Sfs(const D* x, D* y, int n, const T* h, int l, int tf, int u, int up, int d, int dp, \
                                 D* dl, int sf) {                                                              \
        using M = Direct<std::uint32_t, Out::shift, T, D>;                                                     \
        return M::mr_block(x, y, n, h, l, u, up, d, dp, dl, zors::fir::taps_exp(tf, sf));                      \
    }                                                                                                          \
    ZorStatus zorsFIRMR##N##_ISfs(D* p, int n, const T* h, int l, int tf, int u, int up, int d, int dp, D* dl,   \
                                  int sf) {                                                                    \
        using M = Direct<std::uint32_t, Out::shift, T, D>;                                                     \
        return M::mr_inplace(p, n, h, l, u, up, d, dp, dl, zors::fir::taps_exp(tf, sf));                       \
    }
ZORS_FIR_MR_DIRECT_I(32s_Direct_16s, Zor32s, Zor16s)
ZORS_FIR_MR_DIRECT_I(32sc_Direct_16sc, Zor32sc, Zor16sc)
