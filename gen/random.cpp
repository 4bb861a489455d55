// Random numbers and test vectors: uniform and Gaussian generators, direct
// (seed in, seed out) and with a state that continues the sequence across
// calls; the linear ramp and the Jaehne chirp.
//
// Every random member draws from one combined integer generator: a linear
// congruential part x = 69069*x + 1013904243 and a subtract-with-borrow part
// t = s2 - s3 + c (c = 0 or -1; a negative t sets the borrow and loses 18),
// with output r = t + x read as a signed 32-bit integer. Seeding sets
// x = 1131199209, s1 = seed, s2 and s3 from the congruential map, c = -1.
// The direct forms seed a fresh generator and return the last s1 as the
// next seed.
//
// Uniform: r*(high - low)*2.3283064365387e-10 + (low + high)/2 in double,
// rounded for 32f, truncated toward zero for integers. Gaussian: Marsaglia's
// polar method on pairs of outputs scaled by 4.656612873077e-10; the second
// deviate of a pair is kept for the next output (in a state across calls).
// Integer deviates are rounded to nearest, ties to even, and saturated.
//
// Ramp: offset + slope*n in single precision; Jaehne: magn*sin(pi/2*n^2/len)
// in double; integer outputs rounded half away from zero and saturated.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "arith/elementary.h"
#include "frame/check.h"
#include "frame/memory.h"
#include "gen/gen.h"

namespace zors::gen {

// The combined generator's five words.
struct Words {
    std::uint32_t x, s1, s2, s3, c;
};

}  // namespace zors::gen

// The bounds (or mean and deviation) of a state in its data type, in one
// eight-byte slot so that the layout is the same on every target.
template <class T>
union ZorsRandPair {
    T v[2];
    std::uint32_t raw[2];
};

#define ZORS_RAND_STATES(S, T)                                                 \
    struct ZorsRandUniState_##S {                                              \
        std::int32_t id;                                                       \
        std::uint32_t seed;                                                    \
        ZorsRandPair<T> bounds;                                                \
        double mean, scale;                                                    \
        zors::gen::Words g;                                                    \
        std::uint32_t reserved;                                                \
    };                                                                         \
    struct ZorsRandGaussState_##S {                                            \
        std::int32_t id;                                                       \
        std::uint32_t seed;                                                    \
        ZorsRandPair<T> params;                                                \
        zors::gen::Words g;                                                    \
        std::int32_t empty;                                                    \
        double spare, u, f;                                                    \
        std::uint32_t reserved[2];                                             \
    };                                                                         \
    static_assert(sizeof(ZorsRandUniState_##S) == 56 && offsetof(ZorsRandUniState_##S, g) == 32); \
    static_assert(sizeof(ZorsRandGaussState_##S) == 72 && offsetof(ZorsRandGaussState_##S, spare) == 40);
ZORS_RAND_STATES(8u, Zor8u)
ZORS_RAND_STATES(16s, Zor16s)
ZORS_RAND_STATES(32f, Zor32f)
#undef ZORS_RAND_STATES

namespace zors {
namespace {

using gen::Rounding;
using gen::Words;

Words seeded(std::uint32_t seed) {
    const std::uint32_t s2 = 69069u * seed + 1013904243u;
    return Words{1131199209u, seed, s2, 69069u * s2 + 1013904243u, 0xFFFFFFFFu};
}

// One step of the combined generator.
inline std::int32_t step(Words& g) {
    g.x = 69069u * g.x + 1013904243u;
    std::uint32_t t = g.s2 - g.s3 + g.c;  // c is 0 or 2^32 - 1 (that is, -1)
    if (t & 0x80000000u) {
        g.c = 0xFFFFFFFFu;
        t -= 18;
    } else {
        g.c = 0;
    }
    g.s3 = g.s2;
    g.s2 = g.s1;
    g.s1 = t;
    return static_cast<std::int32_t>(t + g.x);
}

// The element of type T for a uniform value.
template <class T>
inline T uniform_out(double v) {
    if constexpr (std::is_floating_point_v<T>) return static_cast<T>(v);
    else return gen::clamp_int<T>(std::trunc(v));
}

template <class T>
void uniform_fill(T* dst, int len, double mean, double scale, Words& g) {
    for (int n = 0; n < len; ++n) dst[n] = uniform_out<T>(step(g) * scale + mean);
}

constexpr double kUniScale = 2.3283064365387e-10;
constexpr double kGaussScale = 4.656612873077e-10;

// The polar method's carry between outputs: the second deviate v*f of the
// last pair while `held`.
struct Spare {
    bool held = false;
    double v = 0, f = 0;
};

template <class T>
void gauss_fill(T* dst, int len, double mean, double sd, Words& g, Spare& spare) {
    for (int n = 0; n < len; ++n) {
        double z;
        if (spare.held) {
            z = spare.v * spare.f;
            spare.held = false;
        } else {
            double u, v, s;
            do {
                u = step(g) * kGaussScale;
                v = step(g) * kGaussScale;
                s = u * u + v * v;
            } while (s >= 1 || s == 0);
            const double f = std::sqrt(-2 * elem::ln(s) / s);
            z = u * f;
            spare = Spare{true, v, f};
        }
        dst[n] = gen::to_part<T>(z * sd + mean, Rounding::even);
    }
}

template <class T, class P>
ZorStatus uniform_direct(T* dst, int len, P low, P high, unsigned int* pseed) {
    ZORS_CHECK(nonnull(dst, pseed), positive(len));
    Words g = seeded(*pseed);
    const double lo = low, hi = high;
    uniform_fill(dst, len, (lo + hi) * 0.5, (hi - lo) * kUniScale, g);
    *pseed = g.s1;
    return zorStsNoErr;
}

template <class T, class P>
ZorStatus gauss_direct(T* dst, int len, P mean, P sd, unsigned int* pseed) {
    ZORS_CHECK(nonnull(dst, pseed), positive(len));
    Words g = seeded(*pseed);
    Spare spare;
    gauss_fill(dst, len, static_cast<double>(mean), static_cast<double>(sd), g, spare);
    *pseed = g.s1;
    return zorStsNoErr;
}

// Identifiers of the states: uniform 35..37, Gaussian 38..40 (8u, 16s, 32f).
template <class T> constexpr std::int32_t kind_offset = std::is_same_v<T, Zor8u> ? 0 : (std::is_same_v<T, Zor16s> ? 1 : 2);
template <class T> constexpr std::int32_t kUniId = 35 + kind_offset<T>;
template <class T> constexpr std::int32_t kGaussId = 38 + kind_offset<T>;

template <class T, class S>
void uniform_init(S* s, T low, T high, unsigned int seed) {
    *s = S{};
    s->id = kUniId<T>;
    s->seed = seed;
    s->bounds.v[0] = low;
    s->bounds.v[1] = high;
    const double lo = low, hi = high;
    s->mean = (lo + hi) * 0.5;
    s->scale = (hi - lo) * kUniScale;
    s->g = seeded(seed);
}

template <class T, class S>
void gauss_init(S* s, T mean, T sd, unsigned int seed) {
    *s = S{};
    s->id = kGaussId<T>;
    s->seed = seed;
    s->params.v[0] = mean;
    s->params.v[1] = sd;
    s->g = seeded(seed);
    s->empty = 1;
}

// A state in library memory built by init(state, a, b, seed).
template <class T, class S>
ZorStatus state_alloc(S** pp, T a, T b, unsigned int seed, void (*init)(S*, T, T, unsigned int)) {
    ZORS_CHECK(nonnull(pp));
    auto* s = static_cast<S*>(aligned_alloc_bytes(sizeof(S)));
    if (s == nullptr) return zorStsMemAllocErr;
    init(s, a, b, seed);
    *pp = s;
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus uniform_state(T* dst, int len, S* s) {
    ZORS_CHECK(nonnull(dst, s), positive(len));
    ZORS_CHECK(require(s->id == kUniId<T>, zorStsContextMatchErr));
    uniform_fill(dst, len, s->mean, s->scale, s->g);
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus gauss_state(T* dst, int len, S* s) {
    ZORS_CHECK(nonnull(dst, s), positive(len));
    ZORS_CHECK(require(s->id == kGaussId<T>, zorStsContextMatchErr));
    Spare spare{s->empty == 0, s->u, s->f};
    gauss_fill(dst, len, static_cast<double>(s->params.v[0]), static_cast<double>(s->params.v[1]), s->g, spare);
    s->empty = spare.held ? 0 : 1;
    s->u = spare.v;
    s->f = spare.f;
    s->spare = spare.v * spare.f;
    return zorStsNoErr;
}

template <class S>
ZorStatus state_free(S* s, std::int32_t id) {
    ZORS_CHECK(nonnull(s));
    ZORS_CHECK(require(s->id == id, zorStsContextMatchErr));
    s->id = 0;
    aligned_free(s);
    return zorStsNoErr;
}

template <class T>
ZorStatus ramp(T* dst, int len, float offset, float slope) {
    ZORS_CHECK(nonnull(dst), positive(len));
    for (int n = 0; n < len; ++n) {
        const float v = static_cast<float>(n) * slope + offset;
        if constexpr (std::is_floating_point_v<T>) dst[n] = static_cast<T>(v);
        else dst[n] = gen::clamp_int<T>(gen::round_away(v));
    }
    return zorStsNoErr;
}

template <class T>
ZorStatus jaehne(T* dst, int len, T magn) {
    bool negative = false;
    if constexpr (std::is_signed_v<T>) negative = magn < 0;
    ZORS_CHECK(nonnull(dst), positive(len), require(!negative, zorStsMagnNegErr));
    const double m = static_cast<double>(magn);
    for (int n = 0; n < len; ++n) {
        const double dn = n;
        const double v = m * std::sin(1.5707963267948966 * (dn * dn) / len);
        if constexpr (std::is_floating_point_v<T>) dst[n] = static_cast<T>(v);
        else dst[n] = gen::clamp_int<T>(gen::round_away(v));
    }
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsRandUniform_Direct_32f(Zor32f* pDst, int len, float low, float high, unsigned int* pSeed) { return uniform_direct(pDst, len, low, high, pSeed); }
ZorStatus zorsRandUniform_Direct_64f(Zor64f* pDst, int len, double low, double high, unsigned int* pSeed) { return uniform_direct(pDst, len, low, high, pSeed); }
ZorStatus zorsRandUniform_Direct_16s(Zor16s* pDst, int len, Zor16s low, Zor16s high, unsigned int* pSeed) { return uniform_direct(pDst, len, low, high, pSeed); }
ZorStatus zorsRandGauss_Direct_32f(Zor32f* pDst, int len, float mean, float stdDev, unsigned int* pSeed) { return gauss_direct(pDst, len, mean, stdDev, pSeed); }
ZorStatus zorsRandGauss_Direct_64f(Zor64f* pDst, int len, double mean, double stdDev, unsigned int* pSeed) { return gauss_direct(pDst, len, mean, stdDev, pSeed); }
ZorStatus zorsRandGauss_Direct_16s(Zor16s* pDst, int len, Zor16s mean, Zor16s stdDev, unsigned int* pSeed) { return gauss_direct(pDst, len, mean, stdDev, pSeed); }

#define ZORS_RAND_EXPORTS(S, T)                                                                                              \
    ZorStatus zorsRandUniformInitAlloc_##S(ZorsRandUniState_##S** ppState, T low, T high, unsigned int seed) { return state_alloc<T>(ppState, low, high, seed, uniform_init<T>); } \
    ZorStatus zorsRandUniform_##S(T* pDst, int len, ZorsRandUniState_##S* pState) { return uniform_state(pDst, len, pState); } \
    ZorStatus zorsRandUniformFree_##S(ZorsRandUniState_##S* pState) { return state_free(pState, kUniId<T>); }                \
    ZorStatus zorsRandGaussInitAlloc_##S(ZorsRandGaussState_##S** ppState, T mean, T stdDev, unsigned int seed) { return state_alloc<T>(ppState, mean, stdDev, seed, gauss_init<T>); } \
    ZorStatus zorsRandGauss_##S(T* pDst, int len, ZorsRandGaussState_##S* pState) { return gauss_state(pDst, len, pState); } \
    ZorStatus zorsRandGaussFree_##S(ZorsRandGaussState_##S* pState) { return state_free(pState, kGaussId<T>); }
ZORS_RAND_EXPORTS(8u, Zor8u)
ZORS_RAND_EXPORTS(16s, Zor16s)
ZORS_RAND_EXPORTS(32f, Zor32f)

ZorStatus zorsRandUniformInit_16s(ZorsRandUniState_16s* pState, Zor16s low, Zor16s high, unsigned int seed) {
    ZORS_CHECK(nonnull(pState));
    uniform_init<Zor16s>(pState, low, high, seed);
    return zorStsNoErr;
}
ZorStatus zorsRandGaussInit_16s(ZorsRandGaussState_16s* pState, Zor16s mean, Zor16s stdDev, unsigned int seed) {
    ZORS_CHECK(nonnull(pState));
    gauss_init<Zor16s>(pState, mean, stdDev, seed);
    return zorStsNoErr;
}
ZorStatus zorsRandUniformGetSize_16s(int* pSize) {
    ZORS_CHECK(nonnull(pSize));
    *pSize = static_cast<int>(sizeof(ZorsRandUniState_16s));
    return zorStsNoErr;
}
ZorStatus zorsRandGaussGetSize_16s(int* pSize) {
    ZORS_CHECK(nonnull(pSize));
    *pSize = static_cast<int>(sizeof(ZorsRandGaussState_16s));
    return zorStsNoErr;
}

#define ZORS_VECTOR_EXPORTS(S, T)                                                                                       \
    ZorStatus zorsVectorRamp_##S(T* pDst, int len, float offset, float slope) { return ramp(pDst, len, offset, slope); } \
    ZorStatus zorsVectorJaehne_##S(T* pDst, int len, T magn) { return jaehne(pDst, len, magn); }
ZORS_VECTOR_EXPORTS(8u, Zor8u)
ZORS_VECTOR_EXPORTS(8s, Zor8s)
ZORS_VECTOR_EXPORTS(16u, Zor16u)
ZORS_VECTOR_EXPORTS(16s, Zor16s)
ZORS_VECTOR_EXPORTS(32u, Zor32u)
ZORS_VECTOR_EXPORTS(32s, Zor32s)
ZORS_VECTOR_EXPORTS(32f, Zor32f)
ZORS_VECTOR_EXPORTS(64f, Zor64f)
