// Hilbert transform: HilbertInitAlloc, HilbertFree and Hilbert of the kinds
// 32f32fc, 16s32fc and 16s16sc (scale factor). The analytic signal of len
// reals: real part the input, imaginary part its Hilbert transform.
//
// Checks. InitAlloc: ppSpec null (-8), len < 1 (-6), the object (-9), then
// the two DFT specifications (their status, everything released). Free:
// null (-8), identifier (-17). Hilbert: pSrc, pDst, pSpec null (-8),
// identifier (-17), the work area (-9).
//
// For len >= 3: the real DFT into CCS order in the complex output, X[1] ..
// X[h] doubled (h = ceil(len/2) - 1), the h bins above len/2 cleared, and
// the complex inverse DFT divided by len. All kinds compute in single
// precision; the 16-bit forms convert at the ends. Work areas of up to
// 16384 bytes live on the stack.
#include <cmath>
#include <cstring>
#include <type_traits>

#include "frame/check.h"
#include "frame/memory.h"
#include "frame/types.h"
#include "transform/fft.h"

namespace zors {
namespace {

enum HilbertKind : std::uint32_t { kH32f32fc = 0x4C4D5357, kH16s32fc = 0x4C4D5358, kH16s16sc = 0x4C4D5359 };

struct HilbertSpec {
    std::uint32_t id;
    std::int32_t len;
    std::int32_t buf_size;
    std::int32_t hint;
    ZorsDFTSpec_C_32fc* cspec;
    ZorsDFTSpec_R_32f* rspec;
};

std::uint32_t id_of(const void* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void release(HilbertSpec* s) {
    if (s->cspec != nullptr) zorsDFTFree_C_32fc(s->cspec);
    if (s->rspec != nullptr) zorsDFTFree_R_32f(s->rspec);
    aligned_free(s);
}

template <class S>
ZorStatus init(S** pp, int len, ZorHintAlgorithm hint, HilbertKind id) {
    ZORS_CHECK(nonnull(pp), positive(len));
    auto* s = static_cast<HilbertSpec*>(aligned_alloc_bytes(sizeof(HilbertSpec)));
    if (s == nullptr) return zorStsMemAllocErr;
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->id = id;
    s->len = len;
    s->hint = static_cast<int>(hint);
    int cs = 0, rs = 0;
    const ExactFftScope exact(id == kH16s16sc);  // integer results
    ZorStatus st = zorsDFTInitAlloc_C_32fc(&s->cspec, len, ZOR_FFT_DIV_INV_BY_N, hint);
    if (st == zorStsNoErr) st = zorsDFTInitAlloc_R_32f(&s->rspec, len, ZOR_FFT_DIV_INV_BY_N, hint);
    if (st == zorStsNoErr) st = zorsDFTGetBufSize_C_32fc(s->cspec, &cs);
    if (st == zorStsNoErr) st = zorsDFTGetBufSize_R_32f(s->rspec, &rs);
    if (st != zorStsNoErr) {
        release(s);
        return st;
    }
    s->buf_size = cs > rs ? cs : rs;
    *pp = reinterpret_cast<S*>(s);
    return zorStsNoErr;
}

template <class S>
ZorStatus free_spec(S* p, HilbertKind id) {
    ZORS_CHECK(nonnull(p), require(p == nullptr || id_of(p) == id, zorStsContextMatchErr));
    auto* s = reinterpret_cast<HilbertSpec*>(p);
    s->id = 0;
    release(s);
    return zorStsNoErr;
}

constexpr std::size_t round16(std::size_t v) { return (v + 15) & ~std::size_t{15}; }

// Input and output forms.
inline float to_f(Zor32f v) { return v; }
inline float to_f(Zor16s v) { return static_cast<float>(v); }

template <class In, class Out, class S>
ZorStatus hilbert(const In* src, Out* dst, const S* spec, HilbertKind id, int sf = 0) {
    ZORS_CHECK(nonnull(src, dst, spec), require(spec == nullptr || id_of(spec) == id, zorStsContextMatchErr));
    const auto* s = reinterpret_cast<const HilbertSpec*>(spec);
    const std::size_t n = static_cast<std::size_t>(s->len);
    constexpr bool in16 = std::is_same_v<In, Zor16s>, out16 = std::is_same_v<Out, Zor16sc>;
    if (n <= 2) {
        for (std::size_t k = 0; k < n; ++k) {
            if constexpr (out16) {
                const float v = static_cast<float>(src[k]) * (sf > 0 ? 1.0f / std::ldexp(1.0f, sf) : std::ldexp(1.0f, -sf));
                const float t = std::trunc(v);
                dst[k] = {static_cast<Zor16s>(std::isnan(t) ? 0 : t >= 32767 ? 32767 : t <= -32768 ? -32768 : t), 0};
            } else {
                dst[k] = {to_f(src[k]), 0.0f};
            }
        }
        return zorStsNoErr;
    }
    const std::size_t in_bytes = in16 ? round16(4 * n) : 0, out_bytes = out16 ? round16(8 * n) : 0;
    const std::size_t total = in_bytes + out_bytes + static_cast<std::size_t>(s->buf_size) + 16;
    alignas(16) Zor8u stack[16384];
    Zor8u* owned = nullptr;
    Zor8u* base = stack;
    if (total > sizeof stack) {
        base = owned = static_cast<Zor8u*>(aligned_alloc_bytes(total));
        if (owned == nullptr) return zorStsMemAllocErr;
    }
    const float* x;
    if constexpr (in16) {
        zorsConvert_16s32f(src, reinterpret_cast<float*>(base), static_cast<int>(n));
        x = reinterpret_cast<const float*>(base);
    } else {
        x = src;
    }
    Zor32fc* c;
    if constexpr (out16) c = reinterpret_cast<Zor32fc*>(base + in_bytes);
    else c = dst;
    Zor8u* buf = base + in_bytes + out_bytes;
    ZorStatus st = zorsDFTFwd_RToCCS_32f(x, reinterpret_cast<float*>(c), s->rspec, buf);
    if (st == zorStsNoErr) {
        const std::size_t h = (n + 1) / 2 - 1;
        for (std::size_t k = 1; k <= h; ++k) c[k] = {c[k].re + c[k].re, c[k].im + c[k].im};
        for (std::size_t k = n / 2 + 1; k < n; ++k) c[k] = {0.0f, 0.0f};
        st = zorsDFTInv_CToC_32fc(c, c, s->cspec, buf);
    }
    if constexpr (out16) {
        if (st == zorStsNoErr) zorsConvert_32f16s_Sfs(&c->re, &dst->re, static_cast<int>(2 * n), zorRndNear, sf);
    }
    aligned_free(owned);
    return st;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsHilbertInitAlloc_32f32fc(ZorsHilbertSpec_32f32fc** pp, int len, ZorHintAlgorithm hint) { return init(pp, len, hint, kH32f32fc); }
ZorStatus zorsHilbertInitAlloc_16s32fc(ZorsHilbertSpec_16s32fc** pp, int len, ZorHintAlgorithm hint) { return init(pp, len, hint, kH16s32fc); }
ZorStatus zorsHilbertInitAlloc_16s16sc(ZorsHilbertSpec_16s16sc** pp, int len, ZorHintAlgorithm hint) { return init(pp, len, hint, kH16s16sc); }
ZorStatus zorsHilbertFree_32f32fc(ZorsHilbertSpec_32f32fc* p) { return free_spec(p, kH32f32fc); }
ZorStatus zorsHilbertFree_16s32fc(ZorsHilbertSpec_16s32fc* p) { return free_spec(p, kH16s32fc); }
ZorStatus zorsHilbertFree_16s16sc(ZorsHilbertSpec_16s16sc* p) { return free_spec(p, kH16s16sc); }
ZorStatus zorsHilbert_32f32fc(const Zor32f* pSrc, Zor32fc* pDst, const ZorsHilbertSpec_32f32fc* pSpec) { return hilbert(pSrc, pDst, pSpec, kH32f32fc); }
ZorStatus zorsHilbert_16s32fc(const Zor16s* pSrc, Zor32fc* pDst, const ZorsHilbertSpec_16s32fc* pSpec) { return hilbert(pSrc, pDst, pSpec, kH16s32fc); }
ZorStatus zorsHilbert_16s16sc_Sfs(const Zor16s* pSrc, Zor16sc* pDst, const ZorsHilbertSpec_16s16sc* pSpec, int scaleFactor) { return hilbert(pSrc, pDst, pSpec, kH16s16sc, scaleFactor); }
