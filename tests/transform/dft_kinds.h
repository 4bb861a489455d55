// The nine DFT kinds as test descriptors with one calling convention:
// run(op, p, spec, buf, sf) with op 0 forward, 1 inverse for the complex
// kinds and 2·layout + inverse for the real kinds (layout 0 Pack, 1 Perm,
// 2 CCS); p = {src, srcIm, dst, dstIm}. The descriptors fit fk::Store.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "tests/transform/fft_kinds.h"

namespace dk {

#define DK_COMMON(K, T, Id, Real, Split)                                                                     \
    using Spec = ZorsDFTSpec_##K;                                                                            \
    using Elem = T;                                                                                          \
    static constexpr const char* name = #K;                                                                  \
    static constexpr std::uint32_t id = Id;                                                                  \
    static constexpr bool real = Real, split = Split, fixed = Id <= 12;                                      \
    static constexpr int nops = Real ? 6 : 2;                                                                \
    static ZorStatus init(Spec** p, int n, int f, ZorHintAlgorithm h = zorAlgHintNone) { return zorsDFTInitAlloc_##K(p, n, f, h); } \
    static ZorStatus release(Spec* p) { return zorsDFTFree_##K(p); }                                        \
    static ZorStatus bufsize(const Spec* p, int* s) { return zorsDFTGetBufSize_##K(p, s); }

#define DK_INTERLEAVED(K, T, C, Id, SUF, ...)                                                                \
    struct K {                                                                                               \
        DK_COMMON(K, T, Id, false, false)                                                                    \
        static ZorStatus run(int op, T* const* p, const Spec* s, Zor8u* b, [[maybe_unused]] int sf = 0) {    \
            auto* x = reinterpret_cast<const Zor##C*>(p[0]);                                                 \
            auto* y = reinterpret_cast<Zor##C*>(p[2]);                                                       \
            return op ? zorsDFTInv_CToC_##C##SUF(x, y, s, __VA_ARGS__ b) : zorsDFTFwd_CToC_##C##SUF(x, y, s, __VA_ARGS__ b); \
        }                                                                                                    \
    };

#define DK_SPLIT(K, T, C, Id, SUF, ...)                                                                      \
    struct K {                                                                                               \
        DK_COMMON(K, T, Id, false, true)                                                                     \
        static ZorStatus run(int op, T* const* p, const Spec* s, Zor8u* b, [[maybe_unused]] int sf = 0) {    \
            return op ? zorsDFTInv_CToC_##C##SUF(p[0], p[1], p[2], p[3], s, __VA_ARGS__ b)                   \
                      : zorsDFTFwd_CToC_##C##SUF(p[0], p[1], p[2], p[3], s, __VA_ARGS__ b);                  \
        }                                                                                                    \
    };

#define DK_REAL(K, T, C, Id, SUF, ...)                                                                       \
    struct K {                                                                                               \
        DK_COMMON(K, T, Id, true, false)                                                                     \
        static ZorStatus run(int op, T* const* p, const Spec* s, Zor8u* b, [[maybe_unused]] int sf = 0) {    \
            switch (op) {                                                                                    \
            case 0: return zorsDFTFwd_RToPack_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 1: return zorsDFTInv_PackToR_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 2: return zorsDFTFwd_RToPerm_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 3: return zorsDFTInv_PermToR_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 4: return zorsDFTFwd_RToCCS_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                         \
            default: return zorsDFTInv_CCSToR_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            }                                                                                                \
        }                                                                                                    \
    };

DK_INTERLEAVED(C_16sc, Zor16s, 16sc, 10, _Sfs, sf,)
DK_SPLIT(C_16s, Zor16s, 16s, 11, _Sfs, sf,)
DK_REAL(R_16s, Zor16s, 16s, 12, _Sfs, sf,)
DK_INTERLEAVED(C_32fc, float, 32fc, 13, )
DK_SPLIT(C_32f, float, 32f, 14, )
DK_REAL(R_32f, float, 32f, 15, )
DK_INTERLEAVED(C_64fc, double, 64fc, 16, )
DK_SPLIT(C_64f, double, 64f, 17, )
DK_REAL(R_64f, double, 64f, 18, )

#undef DK_COMMON
#undef DK_INTERLEAVED
#undef DK_SPLIT
#undef DK_REAL

// Runs f.template operator()<K>() for every kind.
template <class F>
void for_each_kind(F&& f) {
    f.template operator()<C_16sc>(), f.template operator()<C_16s>(), f.template operator()<R_16s>();
    f.template operator()<C_32fc>(), f.template operator()<C_32f>(), f.template operator()<R_32f>();
    f.template operator()<C_64fc>(), f.template operator()<C_64f>(), f.template operator()<R_64f>();
}

// The packed layout (0 Pack, 1 Perm, 2 CCS) of the spectrum X of a real
// signal of any length, written from the definition of the layouts.
inline std::vector<long double> layout_of(const std::vector<zref::cld>& x, int lay) {
    const std::size_t n = x.size();
    std::vector<long double> v;
    if (lay == 2) {
        for (std::size_t k = 0; 2 * k <= n; ++k) v.insert(v.end(), {x[k].real(), k == 0 || 2 * k == n ? 0.0L : x[k].imag()});
        return v;
    }
    v.push_back(x[0].real());
    if (n % 2 == 0 && n > 1 && lay == 1) v.push_back(x[n / 2].real());
    for (std::size_t k = 1; 2 * k < n; ++k) v.insert(v.end(), {x[k].real(), x[k].imag()});
    if (n % 2 == 0 && n > 1 && lay == 0) v.push_back(x[n / 2].real());
    return v;
}

}  // namespace dk
