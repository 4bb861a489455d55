// The FFT kinds as test descriptors: one struct per specification kind with
// its creation, release, size query and transforms, so that the tests are
// written once for all kinds.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/ref/dft_ref.h"
#include "zors.h"

namespace fk {

#define FK_SPEC_FNS(K)                                                                                      \
    using Spec = ZorsFFTSpec_##K;                                                                            \
    static constexpr const char* name = #K;                                                                  \
    static ZorStatus init(Spec** p, int o, int f, ZorHintAlgorithm h = zorAlgHintNone) { return zorsFFTInitAlloc_##K(p, o, f, h); } \
    static ZorStatus release(Spec* p) { return zorsFFTFree_##K(p); }                                        \
    static ZorStatus bufsize(const Spec* p, int* s) { return zorsFFTGetBufSize_##K(p, s); }

// Interleaved complex kinds: re/im pointers address the interleaved array
// (the imaginary pointer is ignored).
#define FK_INTERLEAVED(K, T, C, Id)                                                                          \
    struct K {                                                                                               \
        using Elem = T;                                                                                      \
        static constexpr std::uint32_t id = Id;                                                              \
        static constexpr bool split = false, real = false;                                                   \
        FK_SPEC_FNS(K)                                                                                       \
        static ZorStatus fwd(const T* sr, const T*, T* dr, T*, const Spec* s, Zor8u* b) {                   \
            return zorsFFTFwd_CToC_##C(reinterpret_cast<const Zor##C*>(sr), reinterpret_cast<Zor##C*>(dr), s, b); \
        }                                                                                                    \
        static ZorStatus inv(const T* sr, const T*, T* dr, T*, const Spec* s, Zor8u* b) {                   \
            return zorsFFTInv_CToC_##C(reinterpret_cast<const Zor##C*>(sr), reinterpret_cast<Zor##C*>(dr), s, b); \
        }                                                                                                    \
    };

#define FK_SPLIT(K, T, C, Id)                                                                                \
    struct K {                                                                                               \
        using Elem = T;                                                                                      \
        static constexpr std::uint32_t id = Id;                                                              \
        static constexpr bool split = true, real = false;                                                    \
        FK_SPEC_FNS(K)                                                                                       \
        static ZorStatus fwd(const T* sr, const T* si, T* dr, T* di, const Spec* s, Zor8u* b) {             \
            return zorsFFTFwd_CToC_##C(sr, si, dr, di, s, b);                                                \
        }                                                                                                    \
        static ZorStatus inv(const T* sr, const T* si, T* dr, T* di, const Spec* s, Zor8u* b) {             \
            return zorsFFTInv_CToC_##C(sr, si, dr, di, s, b);                                                \
        }                                                                                                    \
    };

// Real kinds: fwd/inv take the layout (0 Pack, 1 Perm, 2 CCS).
#define FK_REAL(K, T, C, Id)                                                                                 \
    struct K {                                                                                               \
        using Elem = T;                                                                                      \
        static constexpr std::uint32_t id = Id;                                                              \
        static constexpr bool split = false, real = true;                                                    \
        FK_SPEC_FNS(K)                                                                                       \
        static ZorStatus fwd(int lay, const T* s, T* d, const Spec* sp, Zor8u* b) {                         \
            return lay == 0 ? zorsFFTFwd_RToPack_##C(s, d, sp, b)                                            \
                 : lay == 1 ? zorsFFTFwd_RToPerm_##C(s, d, sp, b) : zorsFFTFwd_RToCCS_##C(s, d, sp, b);     \
        }                                                                                                    \
        static ZorStatus inv(int lay, const T* s, T* d, const Spec* sp, Zor8u* b) {                         \
            return lay == 0 ? zorsFFTInv_PackToR_##C(s, d, sp, b)                                            \
                 : lay == 1 ? zorsFFTInv_PermToR_##C(s, d, sp, b) : zorsFFTInv_CCSToR_##C(s, d, sp, b);     \
        }                                                                                                    \
    };

FK_INTERLEAVED(C_32fc, float, 32fc, 4)
FK_SPLIT(C_32f, float, 32f, 5)
FK_REAL(R_32f, float, 32f, 6)
FK_INTERLEAVED(C_64fc, double, 64fc, 7)
FK_SPLIT(C_64f, double, 64f, 8)
FK_REAL(R_64f, double, 64f, 9)

// Normalisation factor of a flag for length n in one direction.
inline long double norm_factor(int flag, std::size_t n, bool inverse) {
    switch (flag) {
    case 1: return inverse ? 1.0L : 1.0L / n;
    case 2: return inverse ? 1.0L / n : 1.0L;
    case 4: return 1.0L / std::sqrt(static_cast<long double>(n));
    default: return 1.0L;
    }
}

// The packed layout (0 Pack, 1 Perm, 2 CCS) of the spectrum X of a real
// signal of even or unit length, written from the definition.
inline std::vector<long double> layout_of(const std::vector<zref::cld>& x, int lay) {
    const std::size_t n = x.size();
    std::vector<long double> v;
    if (lay == 2) {
        for (std::size_t k = 0; k <= n / 2; ++k) {
            v.push_back(x[k].real());
            v.push_back(k == 0 || 2 * k == n ? 0.0L : x[k].imag());
        }
        return v;
    }
    v.push_back(x[0].real());
    if (n == 1) return v;
    if (lay == 1) v.push_back(x[n / 2].real());
    for (std::size_t k = 1; k < n / 2; ++k) {
        v.push_back(x[k].real());
        v.push_back(x[k].imag());
    }
    if (lay == 0) v.push_back(x[n / 2].real());
    return v;
}

}  // namespace fk
