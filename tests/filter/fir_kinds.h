// The fourteen FIR state types as test descriptors with one calling
// convention (scale factors ignored by floating data), so that every test is
// written once for all of them.
#pragma once

#include <complex>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "zors.h"

namespace firk {

template <class T> struct is_cplx : std::false_type {};
template <> struct is_cplx<Zor16sc> : std::true_type {};
template <> struct is_cplx<Zor32sc> : std::true_type {};
template <> struct is_cplx<Zor32fc> : std::true_type {};
template <> struct is_cplx<Zor64fc> : std::true_type {};

#define FIR_KIND_COMMON(K, N, S, T, D, KIND)                                                              \
    using State = S;                                                                                       \
    using Tap = T;                                                                                         \
    using Data = D;                                                                                        \
    static constexpr const char* name = #K;                                                                \
    static constexpr int kind = KIND;                                                                      \
    static ZorStatus size(int l, int* s) { return zorsFIRGetStateSize##N(l, s); }                          \
    static ZorStatus set_dly(S* s, const D* d) { return zorsFIRSetDlyLine##N(s, d); }                      \
    static ZorStatus get_dly(const S* s, D* d) { return zorsFIRGetDlyLine##N(s, d); }                      \
    static ZorStatus release(S* s) { return zorsFIRFree##N(s); }

// Floating taps: taps are given and read back in the taps' type.
#define FIR_KIND_TAPS(N, S, T, D)                                                                          \
    static ZorStatus init_alloc(S** p, const T* h, int l, const D* d) { return zorsFIRInitAlloc##N(p, h, l, d); } \
    static ZorStatus init(S** p, const T* h, int l, const D* d, Zor8u* b) { return zorsFIRInit##N(p, h, l, d, b); } \
    static ZorStatus set_taps(const T* h, S* s) { return zorsFIRSetTaps##N(h, s); }                       \
    static ZorStatus get_taps(const S* s, T* h) { return zorsFIRGetTaps##N(s, h); }                       \
    static ZorStatus mr_size(int l, int u, int d, int* s) { return zorsFIRMRGetStateSize##N(l, u, d, s); }  \
    static ZorStatus mr_init_alloc(S** p, const T* h, int l, int u, int up, int d, int dp, const D* dl) { \
        return zorsFIRMRInitAlloc##N(p, h, l, u, up, d, dp, dl);                                           \
    }                                                                                                      \
    static ZorStatus mr_init(S** p, const T* h, int l, int u, int up, int d, int dp, const D* dl, Zor8u* b) { \
        return zorsFIRMRInit##N(p, h, l, u, up, d, dp, dl, b);                                             \
    }

// The multi-rate direct forms (DN: their name part), floating data.
#define FIR_MR_DIRECT_F(DN, T, D)                                                                          \
    static ZorStatus mr_direct(const D* x, D* y, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, int) { \
        return zorsFIRMR##DN(x, y, n, h, l, u, up, d, dp, dl);                                            \
    }                                                                                                      \
    static ZorStatus mr_direct_i(D* p, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, int) { \
        return zorsFIRMR##DN##_I(p, n, h, l, u, up, d, dp, dl);                                           \
    }
#define FIR_MR_DIRECT_S(DN, T, D)                                                                          \
    static ZorStatus mr_direct(const D* x, D* y, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, int sf) { \
        return zorsFIRMR##DN##_Sfs(x, y, n, h, l, u, up, d, dp, dl, sf);                                  \
    }                                                                                                      \
    static ZorStatus mr_direct_i(D* p, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, int sf) { \
        return zorsFIRMR##DN##_ISfs(p, n, h, l, u, up, d, dp, dl, sf);                                    \
    }
// Integer taps: the tests' taps are integers held in the floating type,
// passed with tapsFactor 0.
#define FIR_MR_DIRECT_I(DN, IT, T, D)                                                                      \
    static ZorStatus mr_direct(const D* x, D* y, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, int sf) { \
        const auto t = int_taps_of<IT>(h, l);                                                              \
        return zorsFIRMR##DN##_Sfs(x, y, n, h ? t.data() : nullptr, l, 0, u, up, d, dp, dl, sf);         \
    }                                                                                                      \
    static ZorStatus mr_direct_i(D* p, int n, const T* h, int l, int u, int up, int d, int dp, D* dl, int sf) { \
        const auto t = int_taps_of<IT>(h, l);                                                              \
        return zorsFIRMR##DN##_ISfs(p, n, h ? t.data() : nullptr, l, 0, u, up, d, dp, dl, sf);           \
    }

template <class IT, class T>
std::vector<IT> int_taps_of(const T* h, int len) {
    std::vector<IT> t(h == nullptr ? 0 : len > 0 ? len : 1);
    for (std::size_t i = 0; i < t.size() && static_cast<int>(i) < len; ++i) {
        if constexpr (std::is_same_v<T, Zor32fc>) t[i] = IT{static_cast<Zor32s>(h[i].re), static_cast<Zor32s>(h[i].im)};
        else t[i] = static_cast<IT>(h[i]);
    }
    return t;
}

#define FIR_FLOAT(K, N, DN, S, T, D, KIND)                                                                 \
    struct K {                                                                                             \
        FIR_KIND_COMMON(K, N, S, T, D, KIND)                                                               \
        FIR_KIND_TAPS(N, S, T, D)                                                                          \
        FIR_MR_DIRECT_F(DN, T, D)                                                                          \
        static constexpr bool int_taps = false;                                                            \
        static ZorStatus block(const D* x, D* y, int n, S* s, int) { return zorsFIR##N(x, y, n, s); }      \
        static ZorStatus inplace(D* p, int n, S* s, int) { return zorsFIR##N##_I(p, n, s); }              \
        static ZorStatus one(D x, D* y, S* s, int) { return zorsFIROne##N(x, y, s); }                      \
    };

#define FIR_SCALED_BODY(N, S, D)                                                                           \
    static ZorStatus block(const D* x, D* y, int n, S* s, int sf) { return zorsFIR##N##_Sfs(x, y, n, s, sf); } \
    static ZorStatus inplace(D* p, int n, S* s, int sf) { return zorsFIR##N##_ISfs(p, n, s, sf); }        \
    static ZorStatus one(D x, D* y, S* s, int sf) { return zorsFIROne##N##_Sfs(x, y, s, sf); }

#define FIR_SCALED(K, N, DN, S, T, D, KIND)                                                                \
    struct K {                                                                                             \
        FIR_KIND_COMMON(K, N, S, T, D, KIND)                                                               \
        FIR_KIND_TAPS(N, S, T, D)                                                                          \
        FIR_MR_DIRECT_S(DN, T, D)                                                                          \
        static constexpr bool int_taps = false;                                                            \
        FIR_SCALED_BODY(N, S, D)                                                                           \
    };

// Integer taps: the tests give and read floating taps through the
// floating-tap entries (the stored taps are exactly representable).
#define FIR_INT(K, N, FN, DN, IT, S, T, D, KIND)                                                           \
    struct K {                                                                                             \
        FIR_KIND_COMMON(K, N, S, T, D, KIND)                                                               \
        FIR_KIND_TAPS(FN, S, T, D)                                                                         \
        FIR_MR_DIRECT_I(DN, IT, T, D)                                                                      \
        static constexpr bool int_taps = true;                                                             \
        FIR_SCALED_BODY(N, S, D)                                                                           \
    };

FIR_FLOAT(F32, _32f, _Direct_32f, ZorsFIRState_32f, Zor32f, Zor32f, 1)
FIR_FLOAT(F32c, _32fc, _Direct_32fc, ZorsFIRState_32fc, Zor32fc, Zor32fc, 2)
FIR_SCALED(F32_16s, 32f_16s, 32f_Direct_16s, ZorsFIRState32f_16s, Zor32f, Zor16s, 5)
FIR_SCALED(F32c_16sc, 32fc_16sc, 32fc_Direct_16sc, ZorsFIRState32fc_16sc, Zor32fc, Zor16sc, 6)
FIR_INT(I32_16s, 32s_16s, 32s_16s32f, 32s_Direct_16s, Zor32s, ZorsFIRState32s_16s, Zor32f, Zor16s, 9)
FIR_INT(I32c_16sc, 32sc_16sc, 32sc_16sc32fc, 32sc_Direct_16sc, Zor32sc, ZorsFIRState32sc_16sc, Zor32fc, Zor16sc, 10)
FIR_FLOAT(F64, _64f, _Direct_64f, ZorsFIRState_64f, Zor64f, Zor64f, 13)
FIR_FLOAT(F64c, _64fc, _Direct_64fc, ZorsFIRState_64fc, Zor64fc, Zor64fc, 14)
FIR_FLOAT(F64_32f, 64f_32f, 64f_Direct_32f, ZorsFIRState64f_32f, Zor64f, Zor32f, 17)
FIR_FLOAT(F64c_32fc, 64fc_32fc, 64fc_Direct_32fc, ZorsFIRState64fc_32fc, Zor64fc, Zor32fc, 18)
FIR_SCALED(F64_32s, 64f_32s, 64f_Direct_32s, ZorsFIRState64f_32s, Zor64f, Zor32s, 21)
FIR_SCALED(F64c_32sc, 64fc_32sc, 64fc_Direct_32sc, ZorsFIRState64fc_32sc, Zor64fc, Zor32sc, 22)
FIR_SCALED(F64_16s, 64f_16s, 64f_Direct_16s, ZorsFIRState64f_16s, Zor64f, Zor16s, 25)
FIR_SCALED(F64c_16sc, 64fc_16sc, 64fc_Direct_16sc, ZorsFIRState64fc_16sc, Zor64fc, Zor16sc, 26)

// The component type of an element type.
template <class T> struct part_of { using type = T; };
template <> struct part_of<Zor16sc> { using type = Zor16s; };
template <> struct part_of<Zor32sc> { using type = Zor32s; };
template <> struct part_of<Zor32fc> { using type = Zor32f; };
template <> struct part_of<Zor64fc> { using type = Zor64f; };
template <class T> using part_t = typename part_of<T>::type;

// Test names from the descriptors.
struct KindName {
    template <class K> static std::string GetName(int) { return K::name; }
};

// Element access as long double complex values.
template <class T>
std::complex<long double> cl(const T& v) {
    if constexpr (is_cplx<T>::value) return {static_cast<long double>(v.re), static_cast<long double>(v.im)};
    else return {static_cast<long double>(v), 0.0L};
}
template <class T>
T from_cl(std::complex<long double> v) {
    if constexpr (is_cplx<T>::value) {
        using P = decltype(T{}.re);
        return T{static_cast<P>(v.real()), static_cast<P>(v.imag())};
    } else {
        return static_cast<T>(v.real());
    }
}

}  // namespace firk
