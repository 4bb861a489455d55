// The nine FFT kinds as test descriptors with one calling convention, so that
// the tests are written once for all kinds. run(op, p, spec, buf, sf): op 0
// forward, 1 inverse for the complex kinds; 2·layout + inverse for the real
// kinds (layout 0 Pack, 1 Perm, 2 CCS); p = {src, srcIm, dst, dstIm} (the
// imaginary pointers only for the split kinds); sf only for the 16-bit kinds.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "tests/common.h"
#include "tests/ref/dft_ref.h"
#include "zors.h"

namespace fk {

#define FK_COMMON(K, T, Id, Real, Split)                                                                     \
    using Spec = ZorsFFTSpec_##K;                                                                            \
    using Elem = T;                                                                                          \
    static constexpr const char* name = #K;                                                                  \
    static constexpr std::uint32_t id = Id;                                                                  \
    static constexpr bool real = Real, split = Split, fixed = Id <= 3;                                       \
    static constexpr int nops = Real ? 6 : 2;                                                                \
    static ZorStatus init(Spec** p, int o, int f, ZorHintAlgorithm h = zorAlgHintNone) { return zorsFFTInitAlloc_##K(p, o, f, h); } \
    static ZorStatus release(Spec* p) { return zorsFFTFree_##K(p); }                                        \
    static ZorStatus bufsize(const Spec* p, int* s) { return zorsFFTGetBufSize_##K(p, s); }

#define FK_INTERLEAVED(K, T, C, Id, SUF, ...)                                                                \
    struct K {                                                                                               \
        FK_COMMON(K, T, Id, false, false)                                                                    \
        static ZorStatus run(int op, T* const* p, const Spec* s, Zor8u* b, [[maybe_unused]] int sf = 0) {    \
            auto* x = reinterpret_cast<const Zor##C*>(p[0]);                                                 \
            auto* y = reinterpret_cast<Zor##C*>(p[2]);                                                       \
            return op ? zorsFFTInv_CToC_##C##SUF(x, y, s, __VA_ARGS__ b) : zorsFFTFwd_CToC_##C##SUF(x, y, s, __VA_ARGS__ b); \
        }                                                                                                    \
    };

#define FK_SPLIT(K, T, C, Id, SUF, ...)                                                                      \
    struct K {                                                                                               \
        FK_COMMON(K, T, Id, false, true)                                                                     \
        static ZorStatus run(int op, T* const* p, const Spec* s, Zor8u* b, [[maybe_unused]] int sf = 0) {    \
            return op ? zorsFFTInv_CToC_##C##SUF(p[0], p[1], p[2], p[3], s, __VA_ARGS__ b)                   \
                      : zorsFFTFwd_CToC_##C##SUF(p[0], p[1], p[2], p[3], s, __VA_ARGS__ b);                  \
        }                                                                                                    \
    };

#define FK_REAL(K, T, C, Id, SUF, ...)                                                                       \
    struct K {                                                                                               \
        FK_COMMON(K, T, Id, true, false)                                                                     \
        static ZorStatus run(int op, T* const* p, const Spec* s, Zor8u* b, [[maybe_unused]] int sf = 0) {    \
            switch (op) {                                                                                    \
            case 0: return zorsFFTFwd_RToPack_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 1: return zorsFFTInv_PackToR_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 2: return zorsFFTFwd_RToPerm_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 3: return zorsFFTInv_PermToR_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            case 4: return zorsFFTFwd_RToCCS_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                         \
            default: return zorsFFTInv_CCSToR_##C##SUF(p[0], p[2], s, __VA_ARGS__ b);                        \
            }                                                                                                \
        }                                                                                                    \
    };

FK_INTERLEAVED(C_16sc, Zor16s, 16sc, 1, _Sfs, sf,)
FK_SPLIT(C_16s, Zor16s, 16s, 2, _Sfs, sf,)
FK_REAL(R_16s, Zor16s, 16s, 3, _Sfs, sf,)
FK_INTERLEAVED(C_32fc, float, 32fc, 4, )
FK_SPLIT(C_32f, float, 32f, 5, )
FK_REAL(R_32f, float, 32f, 6, )
FK_INTERLEAVED(C_64fc, double, 64fc, 7, )
FK_SPLIT(C_64f, double, 64f, 8, )
FK_REAL(R_64f, double, 64f, 9, )

// Runs f.template operator()<K>() for every kind.
template <class F>
void for_each_kind(F&& f) {
    f.template operator()<C_16sc>(), f.template operator()<C_16s>(), f.template operator()<R_16s>();
    f.template operator()<C_32fc>(), f.template operator()<C_32f>(), f.template operator()<R_32f>();
    f.template operator()<C_64fc>(), f.template operator()<C_64f>(), f.template operator()<R_64f>();
}

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
        for (std::size_t k = 0; k <= n / 2; ++k) v.insert(v.end(), {x[k].real(), k == 0 || 2 * k == n ? 0.0L : x[k].imag()});
        return v;
    }
    v.push_back(x[0].real());
    if (n == 1) return v;
    if (lay == 1) v.push_back(x[n / 2].real());
    for (std::size_t k = 1; k < n / 2; ++k) v.insert(v.end(), {x[k].real(), x[k].imag()});
    if (lay == 0) v.push_back(x[n / 2].real());
    return v;
}

// A complex vector of n points as kind K stores it (interleaved or split),
// at the given misalignments, with guards.
template <class K>
struct Store {
    using T = typename K::Elem;
    std::size_t n;
    zt::Guarded<T> re, im;
    Store(std::size_t n_, int off) : n(n_), re(static_cast<int>(K::split ? n_ : 2 * n_), off * sizeof(T)), im(static_cast<int>(n_), 3 * off * sizeof(T)) {}
    void put(const std::vector<zref::cld>& v) {
        for (std::size_t i = 0; i < n; ++i) {
            T* p = K::split ? &im[static_cast<int>(i)] : &re[static_cast<int>(2 * i + 1)];
            re[static_cast<int>(K::split ? i : 2 * i)] = static_cast<T>(v[i].real());
            *p = static_cast<T>(v[i].imag());
        }
    }
    std::vector<zref::cld> get() const {
        std::vector<zref::cld> v(n);
        for (std::size_t i = 0; i < n; ++i)
            v[i] = K::split ? zref::cld(re.data()[i], im.data()[i]) : zref::cld(re.data()[2 * i], re.data()[2 * i + 1]);
        return v;
    }
    bool intact() const { return re.guards_intact() && (!K::split || im.guards_intact()); }
};

// The kind's pointer array for a transform from s to d.
template <class K>
std::vector<typename K::Elem*> ptrs(Store<K>& s, Store<K>& d) { return {s.re.data(), s.im.data(), d.re.data(), d.im.data()}; }

}  // namespace fk
