// Packed real spectra: ConjPack, ConjPerm, ConjCcs (32fc, 64fc, 16sc, and the
// _I forms) expand a stored spectrum of a real signal of len points into its
// full complex spectrum; MulPack, MulPerm and MulPackConj multiply spectra in
// the stored layout.
//
// Layouts for X[k] = A_k + i·B_k of a real signal of length N:
//   Pack  A0, A1, B1, ..., [A_{N/2} last for even N]
//   Perm  A0, [A_{N/2} for even N], A1, B1, ...   (odd N: as Pack)
//   CCS   A0, B0, A1, B1, ..., [A_{N/2}, B_{N/2} for even N]
//
// Checks: null pointers (-8), then len < 1 (-6). The 16-bit products are
// formed exactly, shifted right by scaleFactor with truncation (or left for a
// negative scale factor) and saturated; 16sc conjugation saturates
// -(-32768) to 32767.
#include <cstdint>

#include "frame/check.h"
#include "frame/types.h"

namespace zors {
namespace {

enum class Layout { pack, perm, ccs };

// Positions of A_k (B_k follows) for 1 <= k <= (len - 1) / 2, and of the
// Nyquist value A_{len/2} for even len.
constexpr std::size_t pos_a(Layout lay, std::size_t len, std::size_t k) {
    return lay == Layout::ccs || (lay == Layout::perm && len % 2 == 0) ? 2 * k : 2 * k - 1;
}
constexpr std::size_t pos_nyq(Layout lay, std::size_t len) {
    return lay == Layout::pack ? len - 1 : lay == Layout::perm ? 1 : len;
}

template <class T> T negate(T v) { return -v; }
template <> Zor16s negate<Zor16s>(Zor16s v) { return saturate<Zor16s>(-static_cast<std::int32_t>(v)); }

// Works from the highest k down so that the in-place form reads every value
// before it is overwritten.
template <class T>
void conj_expand(const T* s, complex_t<T>* d, std::size_t len, Layout lay) {
    using C = complex_t<T>;
    const C first = {s[0], lay == Layout::ccs ? s[1] : T(0)};
    C nyq = {T(0), T(0)};
    if (len % 2 == 0) nyq = {s[pos_nyq(lay, len)], lay == Layout::ccs ? s[len + 1] : T(0)};
    for (std::size_t k = (len - 1) / 2; k >= 1; --k) {
        const std::size_t p = pos_a(lay, len, k);
        const T a = s[p], b = s[p + 1];
        d[len - k] = C{a, negate(b)};
        d[k] = C{a, b};
    }
    d[0] = first;
    if (len % 2 == 0) d[len / 2] = nyq;
}

template <class T>
ZorStatus conj_packed(const T* src, complex_t<T>* dst, int len, Layout lay) {
    ZORS_CHECK(nonnull(src, dst), positive(len));
    conj_expand(src, dst, static_cast<std::size_t>(len), lay);
    return zorStsNoErr;
}

template <class C>
ZorStatus conj_packed_i(C* srcdst, int len, Layout lay) {
    ZORS_CHECK(nonnull(srcdst), positive(len));
    conj_expand(reinterpret_cast<const part_t<C>*>(srcdst), srcdst, static_cast<std::size_t>(len), lay);
    return zorStsNoErr;
}

// Products of the real positions and of the pairs, by element type.
struct FloatMul {
    template <class T> T real(T a, T b) const { return a * b; }
    template <class T> void pair(T a1, T b1, T a2, T b2, T& re, T& im, bool conj) const {
        re = conj ? a1 * a2 + b1 * b2 : a1 * a2 - b1 * b2;
        im = conj ? b1 * a2 - a1 * b2 : a1 * b2 + b1 * a2;
    }
};

struct Int16Mul {
    int sf;
    Zor16s shift(std::int64_t v) const {
        if (sf >= 0) return saturate<Zor16s>(v >> (sf > 62 ? 62 : sf));
        const int l = -sf > 32 ? 32 : -sf;
        return saturate<Zor16s>(v * (std::int64_t{1} << l));
    }
    Zor16s real(Zor16s a, Zor16s b) const {
        const std::int64_t v = std::int64_t{a} * b;
        return sf >= 0 ? shift(v) : shift(saturate<Zor16s>(v));
    }
    void pair(Zor16s a1, Zor16s b1, Zor16s a2, Zor16s b2, Zor16s& re, Zor16s& im, bool) const {
        re = shift(std::int64_t{a1} * a2 - std::int64_t{b1} * b2);
        im = shift(std::int64_t{a1} * b2 + std::int64_t{b1} * a2);
    }
};

template <class T, class M>
void mul_packed(const T* s1, const T* s2, T* d, std::size_t len, Layout lay, bool conj, const M& mul) {
    d[0] = mul.real(s1[0], s2[0]);
    if (len % 2 == 0 && len > 1) {
        const std::size_t p = pos_nyq(lay, len);
        d[p] = mul.real(s1[p], s2[p]);
    }
    for (std::size_t k = 1; k <= (len - 1) / 2; ++k) {
        const std::size_t p = pos_a(lay, len, k);
        T re, im;
        mul.pair(s1[p], s1[p + 1], s2[p], s2[p + 1], re, im, conj);
        d[p] = re;
        d[p + 1] = im;
    }
}

template <class T>
ZorStatus mul_f(const T* s1, const T* s2, T* d, int len, Layout lay, bool conj = false) {
    ZORS_CHECK(nonnull(s1, s2, d), positive(len));
    mul_packed(s1, s2, d, static_cast<std::size_t>(len), lay, conj, FloatMul{});
    return zorStsNoErr;
}

ZorStatus mul_16s(const Zor16s* s1, const Zor16s* s2, Zor16s* d, int len, int sf, Layout lay) {
    ZORS_CHECK(nonnull(s1, s2, d), positive(len));
    mul_packed(s1, s2, d, static_cast<std::size_t>(len), lay, false, Int16Mul{sf});
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsConjPack_32fc(const Zor32f* pSrc, Zor32fc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::pack); }
ZorStatus zorsConjPack_64fc(const Zor64f* pSrc, Zor64fc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::pack); }
ZorStatus zorsConjPack_16sc(const Zor16s* pSrc, Zor16sc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::pack); }
ZorStatus zorsConjPerm_32fc(const Zor32f* pSrc, Zor32fc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::perm); }
ZorStatus zorsConjPerm_64fc(const Zor64f* pSrc, Zor64fc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::perm); }
ZorStatus zorsConjPerm_16sc(const Zor16s* pSrc, Zor16sc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::perm); }
ZorStatus zorsConjCcs_32fc(const Zor32f* pSrc, Zor32fc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::ccs); }
ZorStatus zorsConjCcs_64fc(const Zor64f* pSrc, Zor64fc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::ccs); }
ZorStatus zorsConjCcs_16sc(const Zor16s* pSrc, Zor16sc* pDst, int len) { return conj_packed(pSrc, pDst, len, Layout::ccs); }
ZorStatus zorsConjPack_32fc_I(Zor32fc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::pack); }
ZorStatus zorsConjPack_64fc_I(Zor64fc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::pack); }
ZorStatus zorsConjPack_16sc_I(Zor16sc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::pack); }
ZorStatus zorsConjPerm_32fc_I(Zor32fc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::perm); }
ZorStatus zorsConjPerm_64fc_I(Zor64fc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::perm); }
ZorStatus zorsConjPerm_16sc_I(Zor16sc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::perm); }
ZorStatus zorsConjCcs_32fc_I(Zor32fc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::ccs); }
ZorStatus zorsConjCcs_64fc_I(Zor64fc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::ccs); }
ZorStatus zorsConjCcs_16sc_I(Zor16sc* pSrcDst, int len) { return conj_packed_i(pSrcDst, len, Layout::ccs); }

ZorStatus zorsMulPack_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len) { return mul_f(pSrc1, pSrc2, pDst, len, Layout::pack); }
ZorStatus zorsMulPack_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len) { return mul_f(pSrc1, pSrc2, pDst, len, Layout::pack); }
ZorStatus zorsMulPack_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return mul_f(pSrc, static_cast<const Zor32f*>(pSrcDst), pSrcDst, len, Layout::pack); }
ZorStatus zorsMulPack_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len) { return mul_f(pSrc, static_cast<const Zor64f*>(pSrcDst), pSrcDst, len, Layout::pack); }
ZorStatus zorsMulPack_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor) { return mul_16s(pSrc1, pSrc2, pDst, len, scaleFactor, Layout::pack); }
ZorStatus zorsMulPack_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor) { return mul_16s(pSrc, pSrcDst, pSrcDst, len, scaleFactor, Layout::pack); }
ZorStatus zorsMulPerm_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len) { return mul_f(pSrc1, pSrc2, pDst, len, Layout::perm); }
ZorStatus zorsMulPerm_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len) { return mul_f(pSrc1, pSrc2, pDst, len, Layout::perm); }
ZorStatus zorsMulPerm_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return mul_f(pSrc, static_cast<const Zor32f*>(pSrcDst), pSrcDst, len, Layout::perm); }
ZorStatus zorsMulPerm_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len) { return mul_f(pSrc, static_cast<const Zor64f*>(pSrcDst), pSrcDst, len, Layout::perm); }
ZorStatus zorsMulPerm_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor) { return mul_16s(pSrc1, pSrc2, pDst, len, scaleFactor, Layout::perm); }
ZorStatus zorsMulPerm_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor) { return mul_16s(pSrc, pSrcDst, pSrcDst, len, scaleFactor, Layout::perm); }
ZorStatus zorsMulPackConj_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len) { return mul_f(pSrc, static_cast<const Zor32f*>(pSrcDst), pSrcDst, len, Layout::pack, true); }
ZorStatus zorsMulPackConj_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len) { return mul_f(pSrc, static_cast<const Zor64f*>(pSrcDst), pSrcDst, len, Layout::pack, true); }
