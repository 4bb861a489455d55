// Type conversions against the reference models of tests/ref/convert_ref.h.
//
// Every member is described once in a table (how to call it, its reference
// per element, how to draw source elements); the sweeps below run the whole
// table at every dispatch level, over lengths 1..70 and longer, misaligned
// pointers, every rounding mode value class and scale factors from -40 to 70
// plus the extremes.
#include <cfenv>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>
#include <xmmintrin.h>

#include "frame/fpenv.h"
#include "tests/common.h"
#include "tests/ref/convert_ref.h"

namespace {

using zt::Guarded;

// A packed 24-bit element.
struct B3 {
    std::uint8_t b[3];
};
B3 pack24(std::int64_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return B3{{static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16)}};
}

// ---- source values ----------------------------------------------------------

// Floats that sit on the rules' edges: saturation limits and their halves,
// the 32-bit threshold, binary16 limits, signed zeros, infinities, NaNs.
const std::vector<float>& float_edges() {
    static const std::vector<float> v = [] {
        std::vector<float> e = {0.0f, -0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 2.5f, -2.5f, 3.5f, 0.49999997f,
                                127.0f, 127.5f, 128.0f, -128.5f, -129.0f, 255.0f, 255.5f, 256.0f, -0.7f,
                                32767.0f, 32767.5f, 32768.0f, -32768.0f, -32768.5f, -32769.0f,
                                65535.0f, 65535.5f, 65536.0f, 65504.0f, 65519.0f, 65520.0f, 65535.9f,
                                6.1035156e-05f, 6.0975552e-05f, 5.9604645e-08f, 2.9802322e-08f, 8.9406967e-08f,
                                8388607.0f, 8388607.5f, 8388608.0f, -8388608.0f, -8388608.5f, 16777215.0f,
                                16777216.0f, 2147483520.0f, 2147483648.0f, -2147483648.0f, -2147483904.0f,
                                3e9f, -3e9f, 1e10f, -1e10f, 1e-45f, -1e-45f, 1.1754944e-38f,
                                std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                                INFINITY, -INFINITY, std::numeric_limits<float>::quiet_NaN(),
                                -std::numeric_limits<float>::quiet_NaN()};
        float snan;
        const std::uint32_t b = 0x7F800001u;
        std::memcpy(&snan, &b, 4);
        e.push_back(snan);
        return e;
    }();
    return v;
}

template <class S> S draw(zt::Rng& rng);

template <class S>
S draw_int(zt::Rng& rng) {
    using L = std::numeric_limits<S>;
    switch (rng.bits() % 4) {
    case 0: return L::min() + static_cast<S>(rng.bits() % 3);
    case 1: return static_cast<S>(L::max() - static_cast<S>(rng.bits() % 3));
    case 2: return static_cast<S>(static_cast<std::int64_t>(rng.bits() % 201) - 100);
    default: return rng.any<S>();
    }
}
template <> Zor8s draw(zt::Rng& r) { return draw_int<Zor8s>(r); }
template <> Zor8u draw(zt::Rng& r) { return draw_int<Zor8u>(r); }
template <> Zor16s draw(zt::Rng& r) { return draw_int<Zor16s>(r); }
template <> Zor16u draw(zt::Rng& r) { return draw_int<Zor16u>(r); }
template <> Zor32s draw(zt::Rng& r) { return draw_int<Zor32s>(r); }
template <> Zor32u draw(zt::Rng& r) { return draw_int<Zor32u>(r); }
template <> B3 draw(zt::Rng& r) { return r.any<B3>(); }

// Halfway and near-halfway values at many magnitudes, edges, and raw bits.
template <class F>
F draw_float(zt::Rng& rng) {
    const auto& edges = float_edges();
    switch (rng.bits() % 5) {
    case 0: return static_cast<F>(edges[rng.bits() % edges.size()]);
    case 1: {
        const auto k = static_cast<std::int64_t>(rng.bits() % 200001) - 100000;
        return std::ldexp(static_cast<F>(k) + F(0.5), -static_cast<int>(rng.bits() % 12));
    }
    case 2: {
        const auto k = static_cast<std::int64_t>(rng.bits() & 0xFFFFFF) - 0x800000;
        return std::ldexp(static_cast<F>(k), static_cast<int>(rng.bits() % 40) - 24);
    }
    case 3: return static_cast<F>((static_cast<double>(rng.bits() % 2000001) - 1000000.0) * 0.037);
    default: return rng.any<F>();
    }
}
template <> Zor32f draw(zt::Rng& r) { return draw_float<Zor32f>(r); }
template <> Zor64f draw(zt::Rng& r) { return draw_float<Zor64f>(r); }

// ---- the members --------------------------------------------------------------

struct Member {
    std::string name;
    std::size_t src_size, dst_size;
    bool has_mode, has_sf, float_dst;
    std::function<ZorStatus(const void*, void*, int, int, int)> call;
    std::function<void(const void*, void*, int, int)> ref;  // one element
    std::function<void(zt::Rng&, void*)> draw;               // one element
    bool guarded;  // sets the rounding field for the call
};

template <class S, class D, class Call, class Ref>
Member make(const char* name, Call call, Ref ref, bool has_mode, bool has_sf, bool guarded = false) {
    Member m;
    m.name = name;
    m.src_size = sizeof(S);
    m.dst_size = sizeof(D);
    m.has_mode = has_mode;
    m.has_sf = has_sf;
    m.float_dst = std::is_floating_point_v<D>;
    m.guarded = guarded;
    m.call = [call](const void* s, void* d, int len, int mode, int sf) {
        return call(static_cast<const S*>(s), static_cast<D*>(d), len, mode, sf);
    };
    m.ref = [ref](const void* s, void* d, int mode, int sf) {
        S x;
        std::memcpy(&x, s, sizeof(S));
        const D y = ref(x, mode, sf);
        std::memcpy(d, &y, sizeof(D));
    };
    m.draw = [](zt::Rng& rng, void* p) {
        const S x = draw<S>(rng);
        std::memcpy(p, &x, sizeof(S));
    };
    return m;
}

#define PLAIN(f) [](auto s, auto d, int len, int, int) { return f(s, d, len); }
#define SCALED(f) [](auto s, auto d, int len, int, int sf) { return f(s, d, len, sf); }
#define ROUNDED(f) [](auto s, auto d, int len, int mode, int) { return f(s, d, len, static_cast<ZorRoundMode>(mode)); }
#define ROUNDED_SCALED(f) \
    [](auto s, auto d, int len, int mode, int sf) { return f(s, d, len, static_cast<ZorRoundMode>(mode), sf); }
#define U8(p) reinterpret_cast<const Zor8u*>(p)
#define W8(p) reinterpret_cast<Zor8u*>(p)

using zref::ld;

// Rounding in the default mode for the members that use the caller's mode
// (the sweeps run in the default mode).
template <class D> D nearest(ld v) { return static_cast<D>(v); }

const std::vector<Member>& members() {
    static const std::vector<Member> t = [] {
        std::vector<Member> v;
        v.push_back(make<Zor8s, Zor16s>("8s16s", PLAIN(zorsConvert_8s16s), [](Zor8s x, int, int) { return Zor16s(x); }, false, false));
        v.push_back(make<Zor16s, Zor32s>("16s32s", PLAIN(zorsConvert_16s32s), [](Zor16s x, int, int) { return Zor32s(x); }, false, false));
        v.push_back(make<Zor8s, Zor32f>("8s32f", PLAIN(zorsConvert_8s32f), [](Zor8s x, int, int) { return Zor32f(x); }, false, false));
        v.push_back(make<Zor8u, Zor32f>("8u32f", PLAIN(zorsConvert_8u32f), [](Zor8u x, int, int) { return Zor32f(x); }, false, false));
        v.push_back(make<Zor16s, Zor32f>("16s32f", PLAIN(zorsConvert_16s32f), [](Zor16s x, int, int) { return Zor32f(x); }, false, false));
        v.push_back(make<Zor16u, Zor32f>("16u32f", PLAIN(zorsConvert_16u32f), [](Zor16u x, int, int) { return Zor32f(x); }, false, false));
        v.push_back(make<Zor32s, Zor64f>("32s64f", PLAIN(zorsConvert_32s64f), [](Zor32s x, int, int) { return Zor64f(x); }, false, false));
        v.push_back(make<Zor32f, Zor64f>("32f64f", PLAIN(zorsConvert_32f64f), [](Zor32f x, int, int) { return Zor64f(x); }, false, false));
        v.push_back(make<B3, Zor32s>("24s32s", [](const B3* s, Zor32s* d, int len, int, int) { return zorsConvert_24s32s(U8(s), d, len); },
                                     [](B3 x, int, int) { return zref::get24s(x.b); }, false, false));
        v.push_back(make<B3, Zor32u>("24u32u", [](const B3* s, Zor32u* d, int len, int, int) { return zorsConvert_24u32u(U8(s), d, len); },
                                     [](B3 x, int, int) { return zref::get24u(x.b); }, false, false));
        v.push_back(make<B3, Zor32f>("24s32f", [](const B3* s, Zor32f* d, int len, int, int) { return zorsConvert_24s32f(U8(s), d, len); },
                                     [](B3 x, int, int) { return Zor32f(zref::get24s(x.b)); }, false, false));
        v.push_back(make<B3, Zor32f>("24u32f", [](const B3* s, Zor32f* d, int len, int, int) { return zorsConvert_24u32f(U8(s), d, len); },
                                     [](B3 x, int, int) { return Zor32f(zref::get24u(x.b)); }, false, false));
        v.push_back(make<Zor32s, Zor32f>("32s32f", PLAIN(zorsConvert_32s32f), [](Zor32s x, int, int) { return nearest<Zor32f>(x); }, false, false));
        v.push_back(make<Zor64f, Zor32f>("64f32f", PLAIN(zorsConvert_64f32f), [](Zor64f x, int, int) { return nearest<Zor32f>(x); }, false, false));
        v.push_back(make<Zor32s, Zor16s>("32s16s", PLAIN(zorsConvert_32s16s), [](Zor32s x, int, int) { return zref::sat<Zor16s>(x); }, false, false));
        v.push_back(make<Zor32s, Zor16s>("32s16s_Sfs", SCALED(zorsConvert_32s16s_Sfs),
                                         [](Zor32s x, int, int sf) { return Zor16s(zref::int_scaled(x, sf, -15, 31, INT16_MIN, INT16_MAX)); }, false, true));
        v.push_back(make<Zor32s, B3>("32s24s_Sfs", [](const Zor32s* s, B3* d, int len, int, int sf) { return zorsConvert_32s24s_Sfs(s, W8(d), len, sf); },
                                     [](Zor32s x, int, int sf) { return pack24(zref::int_scaled(x, sf, -31, 31, -8388608, 8388607)); }, false, true));
        v.push_back(make<Zor32u, B3>("32u24u_Sfs", [](const Zor32u* s, B3* d, int len, int, int sf) { return zorsConvert_32u24u_Sfs(s, W8(d), len, sf); },
                                     [](Zor32u x, int, int sf) { return pack24(zref::int_scaled(x, sf, -31, 31, 0, 16777215)); }, false, true));
        v.push_back(make<Zor16s, Zor32f>("16s32f_Sfs", SCALED(zorsConvert_16s32f_Sfs),
                                         [](Zor16s x, int, int sf) { return zref::int_to_float_scaled<Zor32f>(x, sf, -112, 126); }, false, true));
        v.push_back(make<Zor32s, Zor32f>("32s32f_Sfs", SCALED(zorsConvert_32s32f_Sfs),
                                         [](Zor32s x, int, int sf) { return zref::int_to_float_scaled<Zor32f>(x, sf, -127, 126); }, false, true));
        v.push_back(make<Zor16s, Zor64f>("16s64f_Sfs", SCALED(zorsConvert_16s64f_Sfs),
                                         [](Zor16s x, int, int sf) { return zref::int_to_float_scaled<Zor64f>(x, sf, -1023, 1022); }, false, true));
        v.push_back(make<Zor32s, Zor64f>("32s64f_Sfs", SCALED(zorsConvert_32s64f_Sfs),
                                         [](Zor32s x, int, int sf) { return zref::int_to_float_scaled<Zor64f>(x, sf, -1023, 1022); }, false, true));
        v.push_back(make<Zor32f, Zor8s>("32f8s_Sfs", ROUNDED_SCALED(zorsConvert_32f8s_Sfs),
                                        [](Zor32f x, int m, int sf) { return zref::f32_to_small<Zor8s>(x, m, sf); }, true, true, true));
        v.push_back(make<Zor32f, Zor8u>("32f8u_Sfs", ROUNDED_SCALED(zorsConvert_32f8u_Sfs),
                                        [](Zor32f x, int m, int sf) { return zref::f32_to_small<Zor8u>(x, m, sf); }, true, true, true));
        v.push_back(make<Zor32f, Zor16s>("32f16s_Sfs", ROUNDED_SCALED(zorsConvert_32f16s_Sfs),
                                         [](Zor32f x, int m, int sf) { return zref::f32_to_small<Zor16s>(x, m, sf); }, true, true, true));
        v.push_back(make<Zor32f, Zor16u>("32f16u_Sfs", ROUNDED_SCALED(zorsConvert_32f16u_Sfs),
                                         [](Zor32f x, int m, int sf) { return zref::f32_to_small<Zor16u>(x, m, sf); }, true, true, true));
        v.push_back(make<Zor32f, Zor32s>("32f32s_Sfs", ROUNDED_SCALED(zorsConvert_32f32s_Sfs),
                                         [](Zor32f x, int m, int sf) { return zref::f32_to_s32(x, m, sf); }, true, true, true));
        v.push_back(make<Zor64f, Zor32s>("64f32s_Sfs", ROUNDED_SCALED(zorsConvert_64f32s_Sfs),
                                         [](Zor64f x, int m, int sf) { return zref::f64_to_s32(x, m, sf); }, true, true, true));
        v.push_back(make<Zor32f, B3>("32f24s_Sfs", [](const Zor32f* s, B3* d, int len, int, int sf) { return zorsConvert_32f24s_Sfs(s, W8(d), len, sf); },
                                     [](Zor32f x, int, int sf) { return pack24(zref::f32_to_24(x, true, sf)); }, false, true));
        v.push_back(make<Zor32f, B3>("32f24u_Sfs", [](const Zor32f* s, B3* d, int len, int, int sf) { return zorsConvert_32f24u_Sfs(s, W8(d), len, sf); },
                                     [](Zor32f x, int, int sf) { return pack24(zref::f32_to_24(x, false, sf)); }, false, true));
        v.push_back(make<Zor16s, Zor32f>("16f32f", PLAIN(zorsConvert_16f32f), [](Zor16s x, int, int) {
            const std::uint32_t b = zref::f16_to_f32_bits(static_cast<std::uint16_t>(x));
            Zor32f f;
            std::memcpy(&f, &b, 4);
            return f;
        }, false, false));
        v.push_back(make<Zor32f, Zor16s>("32f16f", ROUNDED(zorsConvert_32f16f), [](Zor32f x, int m, int) {
            if (std::isnan(x)) {
                // A quiet NaN with the top ten fraction bits and the sign.
                std::uint32_t b;
                std::memcpy(&b, &x, 4);
                return static_cast<Zor16s>(((b >> 16) & 0x8000) | 0x7E00 | ((b >> 13) & 0x3FF));
            }
            return static_cast<Zor16s>(zref::f16_encode(x, m == 1));
        }, true, false));
        v.push_back(make<Zor16s, Zor16s>("16s16f", ROUNDED(zorsConvert_16s16f),
                                         [](Zor16s x, int m, int) { return static_cast<Zor16s>(zref::f16_encode(x, m == 1)); }, true, false));
        v.push_back(make<Zor16s, Zor16s>("16f16s_Sfs", ROUNDED_SCALED(zorsConvert_16f16s_Sfs),
                                         [](Zor16s x, int m, int sf) { return zref::f16_to_s16(static_cast<std::uint16_t>(x), m, sf); }, true, true));
        return v;
    }();
    return t;
}

// Bytes equal; floating-point destinations also accept NaN for NaN (the
// 16f32f NaN bits are checked exhaustively below).
bool same_element(const Member& m, const void* a, const void* b) {
    if (std::memcmp(a, b, m.dst_size) == 0) return true;
    if (!m.float_dst) return false;
    if (m.dst_size == 4) {
        float x, y;
        std::memcpy(&x, a, 4);
        std::memcpy(&y, b, 4);
        return std::isnan(x) && std::isnan(y);
    }
    double x, y;
    std::memcpy(&x, a, 8);
    std::memcpy(&y, b, 8);
    return std::isnan(x) && std::isnan(y);
}

// Runs one member on `len` drawn elements at the given offsets (in elements,
// so every pointer keeps its type's alignment but not the vectors') and
// compares every element and the guards.
void check_member(const Member& m, zt::Rng& rng, int len, int src_off, int dst_off, int mode, int sf) {
    Guarded<std::uint8_t> src(len * static_cast<int>(m.src_size), src_off * static_cast<int>(m.src_size));
    Guarded<std::uint8_t> dst(len * static_cast<int>(m.dst_size), dst_off * static_cast<int>(m.dst_size));
    for (int i = 0; i < len; ++i) m.draw(rng, src.data() + i * m.src_size);
    ASSERT_EQ(m.call(src.data(), dst.data(), len, mode, sf), zorStsNoErr);
    std::uint8_t want[8];
    for (int i = 0; i < len; ++i) {
        m.ref(src.data() + i * m.src_size, want, mode, sf);
        const std::uint8_t* got = dst.data() + i * m.dst_size;
        if (!same_element(m, got, want)) {
            std::string s = "bytes src";
            for (std::size_t b = 0; b < m.src_size; ++b) s += " " + std::to_string(src.data()[i * m.src_size + b]);
            s += " got";
            for (std::size_t b = 0; b < m.dst_size; ++b) s += " " + std::to_string(got[b]);
            s += " want";
            for (std::size_t b = 0; b < m.dst_size; ++b) s += " " + std::to_string(want[b]);
            FAIL() << m.name << " len " << len << " i " << i << " mode " << mode << " sf " << sf << ": " << s
                   << " (seed " << rng.seed() << ")";
        }
    }
    ASSERT_TRUE(dst.guards_intact()) << m.name << " len " << len;
}

TEST(Convert, EveryMemberEveryLengthAndOffset) {
    zt::Rng rng(101);
    zt::for_each_isa([&](zors::Isa) {
        for (const Member& m : members())
            for (int len : zt::test_lengths())
                for (int off : {0, 1, 3}) {
                    const int mode = len % 2;  // both rounding modes along the sweep
                    const int sf = m.has_sf ? (len % 7) - 3 : 0;
                    check_member(m, rng, len, off, 2 * off, mode, sf);
                    if (HasFatalFailure()) return;
                }
    });
}

TEST(Convert, ScaleFactorsAndRoundingModes) {
    std::vector<int> factors;
    for (int sf = -40; sf <= 70; ++sf) factors.push_back(sf);
    for (int sf : {-2147483647 - 1, -100000, -2045, -2044, -1100, -1024, -1023, -200, -150, -149, -128, -127, -113,
                   -112, 100, 112, 125, 126, 127, 128, 140, 149, 150, 151, 1022, 1023, 1100, 2044, 2045, 100000,
                   2147483647})
        factors.push_back(sf);
    zt::Rng rng(202);
    zt::for_each_isa([&](zors::Isa) {
        for (const Member& m : members()) {
            if (!m.has_sf && !m.has_mode) continue;
            for (int mode : m.has_mode ? std::vector<int>{0, 1, 7, -1} : std::vector<int>{0})
                for (int sf : m.has_sf ? factors : std::vector<int>{0}) {
                    check_member(m, rng, 37, 1, 1, mode, sf);
                    if (HasFatalFailure()) return;
                }
        }
    });
}

// Every member: null pointers first (-8, even with a bad length), then the
// length (-6); nothing is written on either error.
TEST(Convert, CheckOrderAndUntouchedOutputs) {
    for (const Member& m : members()) {
        SCOPED_TRACE(m.name);
        Guarded<std::uint8_t> src(8 * static_cast<int>(m.src_size));
        Guarded<std::uint8_t> dst(8 * static_cast<int>(m.dst_size));
        EXPECT_EQ(m.call(nullptr, dst.data(), 8, 1, 0), zorStsNullPtrErr);
        EXPECT_EQ(m.call(src.data(), nullptr, 8, 1, 0), zorStsNullPtrErr);
        EXPECT_EQ(m.call(src.data(), nullptr, 0, 1, 0), zorStsNullPtrErr);
        EXPECT_EQ(m.call(nullptr, nullptr, -1, 1, 0), zorStsNullPtrErr);
        EXPECT_EQ(m.call(src.data(), dst.data(), 0, 1, 0), zorStsSizeErr);
        EXPECT_EQ(m.call(src.data(), dst.data(), -5, 7, 99), zorStsSizeErr);
        EXPECT_EQ(m.call(src.data(), dst.data(), std::numeric_limits<int>::min(), 1, 0), zorStsSizeErr);
        EXPECT_TRUE(dst.untouched());
        EXPECT_TRUE(src.untouched());
    }
}

// ---- the processor's control registers -------------------------------------

// The caller's SIMD control register (rounding field, masks and flags) and
// x87 control word are the same after every call, whatever they were.
TEST(Convert, CallerControlRegistersRestored) {
    const std::uint32_t saved_csr = _mm_getcsr();
    const std::uint16_t saved_cw = zors::X87Guard::read();
    zt::Rng rng(303);
    for (std::uint32_t round : {zors::MxcsrGuard::kRoundZero, zors::MxcsrGuard::kRoundDown, zors::MxcsrGuard::kRoundUp})
        for (std::uint32_t flags : {0u, 0x3Fu}) {
            for (const Member& m : members()) {
                SCOPED_TRACE(m.name);
                const std::uint32_t csr = (saved_csr & ~(zors::MxcsrGuard::kRoundMask | 0x3Fu)) | round | flags;
                const std::uint16_t cw = static_cast<std::uint16_t>((saved_cw & ~0x0F00) | 0x0C00 | 0x0200);
                std::vector<std::uint8_t> src(40 * m.src_size), dst(40 * m.dst_size);
                for (int i = 0; i < 40; ++i) m.draw(rng, src.data() + i * m.src_size);
                for (int mode : {0, 1}) {
                    zors::X87Guard::write(cw);
                    _mm_setcsr(csr);
                    const ZorStatus st = m.call(src.data(), dst.data(), 40, mode, 3);
                    const std::uint32_t after = _mm_getcsr();
                    const std::uint16_t after_cw = zors::X87Guard::read();
                    _mm_setcsr(saved_csr);
                    zors::X87Guard::write(saved_cw);
                    EXPECT_EQ(st, zorStsNoErr);
                    EXPECT_EQ(after_cw, cw);
                    // Members that set the rounding field give back the caller's
                    // register exactly; the others leave the control bits alone
                    // (their own arithmetic may raise flags).
                    if (m.guarded) EXPECT_EQ(after, csr) << std::hex << after << " " << csr;
                    else EXPECT_EQ(after & ~0x3Fu, csr & ~0x3Fu) << std::hex << after << " " << csr;
                }
            }
        }
}

// The rounding modes of the float-to-integer members do not depend on the
// caller's rounding field.
TEST(Convert, RoundingModeIndependentOfCaller) {
    const std::uint32_t saved = _mm_getcsr();
    zt::Rng rng(404);
    for (const Member& m : members()) {
        if (!m.has_mode && m.name.rfind("32f24", 0) != 0) continue;
        SCOPED_TRACE(m.name);
        std::vector<std::uint8_t> src(64 * m.src_size), want(64 * m.dst_size), got(64 * m.dst_size);
        for (int i = 0; i < 64; ++i) m.draw(rng, src.data() + i * m.src_size);
        for (int mode : {0, 1}) {
            for (int i = 0; i < 64; ++i) m.ref(src.data() + i * m.src_size, want.data() + i * m.dst_size, mode, -1);
            for (std::uint32_t round : {zors::MxcsrGuard::kRoundDown, zors::MxcsrGuard::kRoundUp, zors::MxcsrGuard::kRoundZero}) {
                _mm_setcsr((saved & ~zors::MxcsrGuard::kRoundMask) | round);
                m.call(src.data(), got.data(), 64, mode, -1);
                _mm_setcsr(saved);
                for (int i = 0; i < 64; ++i)
                    EXPECT_TRUE(same_element(m, got.data() + i * m.dst_size, want.data() + i * m.dst_size)) << "i " << i;
            }
        }
    }
}

// 32s32f, 64f32f and the integer rounding of 32s32f_Sfs follow the caller's
// rounding field. The reference picks the neighbour the mode asks for.
template <class S>
float in_mode(S x, std::uint32_t round) {
    const auto v = static_cast<ld>(x);
    float lo = static_cast<float>(x);  // nearest (default mode here)
    if (static_cast<ld>(lo) > v) lo = std::nextafter(lo, -INFINITY);
    const float hi = static_cast<ld>(lo) == v ? lo : std::nextafter(lo, INFINITY);
    if (round == zors::MxcsrGuard::kRoundDown) return lo;
    if (round == zors::MxcsrGuard::kRoundUp) return hi;
    return v < 0 ? hi : lo;  // toward zero
}

TEST(Convert, CallerRoundingModeFollowed) {
    const std::uint32_t saved = _mm_getcsr();
    zt::Rng rng(505);
    std::vector<Zor32s> si(64);
    std::vector<Zor64f> sd(64);
    for (int i = 0; i < 64; ++i) {
        si[i] = static_cast<Zor32s>(rng.bits() | 1);  // mostly inexact in single precision
        sd[i] = static_cast<double>(si[i]) * 1.000000123;
    }
    si[0] = 16777217;
    si[1] = -16777219;
    std::vector<Zor32f> d(64);
    zt::for_each_isa([&](zors::Isa) {
        for (std::uint32_t round : {zors::MxcsrGuard::kRoundDown, zors::MxcsrGuard::kRoundUp, zors::MxcsrGuard::kRoundZero}) {
            _mm_setcsr((saved & ~zors::MxcsrGuard::kRoundMask) | round);
            zorsConvert_32s32f(si.data(), d.data(), 64);
            _mm_setcsr(saved);
            for (int i = 0; i < 64; ++i) EXPECT_EQ(d[i], in_mode(si[i], round)) << "32s32f " << si[i];
            _mm_setcsr((saved & ~zors::MxcsrGuard::kRoundMask) | round);
            zorsConvert_64f32f(sd.data(), d.data(), 64);
            _mm_setcsr(saved);
            for (int i = 0; i < 64; ++i) EXPECT_EQ(d[i], in_mode(sd[i], round)) << "64f32f " << sd[i];
            _mm_setcsr((saved & ~zors::MxcsrGuard::kRoundMask) | round);
            zorsConvert_32s32f_Sfs(si.data(), d.data(), 64, 4);
            _mm_setcsr(saved);
            for (int i = 0; i < 64; ++i) EXPECT_EQ(d[i], std::ldexp(in_mode(si[i], round), -4)) << "32s32f_Sfs " << si[i];
        }
    });
}

// ---- the documented cases ------------------------------------------------------

TEST(Convert, DocumentedCases) {
    struct Case {
        float x;
        int mode, sf;
        Zor16s want;
    };
    for (const Case& c : {Case{2.5f, 1, 0, 2}, Case{2.5f, 0, 0, 2}, Case{-2.5f, 0, 0, -2}, Case{3.5f, 1, 1, 2},
                          Case{NAN, 1, 0, 32767}, Case{-1e10f, 1, 0, -32768}, Case{2.5f, 7, 0, 2}, Case{-3.5f, 1, 0, -4}}) {
        Zor16s d = 99;
        EXPECT_EQ(zorsConvert_32f16s_Sfs(&c.x, &d, 1, static_cast<ZorRoundMode>(c.mode), c.sf), zorStsNoErr);
        EXPECT_EQ(d, c.want) << c.x << " mode " << c.mode << " sf " << c.sf;
    }
    const float m3 = -3.0f;
    Zor8u u8 = 7;
    zorsConvert_32f8u_Sfs(&m3, &u8, 1, zorRndNear, 0);
    EXPECT_EQ(u8, 0);
    const float big[2] = {3e9f, -3e9f};
    Zor32s s32[2];
    zorsConvert_32f32s_Sfs(big, s32, 2, zorRndNear, 0);
    EXPECT_EQ(s32[0], INT32_MAX);
    EXPECT_EQ(s32[1], INT32_MIN);
    const Zor32s imax = INT32_MAX;
    Zor16s s16 = 0;
    zorsConvert_32s16s_Sfs(&imax, &s16, 1, 40);
    EXPECT_EQ(s16, 1);
    const Zor8u b24[6] = {0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x80};
    zorsConvert_24s32s(b24, s32, 2);
    EXPECT_EQ(s32[0], 8388607);
    EXPECT_EQ(s32[1], -8388608);
    const Zor16s h[2] = {0x0001, 0x7C00};
    float f[2];
    zorsConvert_16f32f(h, f, 2);
    EXPECT_EQ(f[0], std::ldexp(1.0f, -24));
    EXPECT_EQ(f[1], INFINITY);
}

// ---- binary16 exhaustively ---------------------------------------------------------

std::vector<Zor16s> all_patterns() {
    std::vector<Zor16s> v(65536);
    for (int i = 0; i < 65536; ++i) v[i] = static_cast<Zor16s>(static_cast<std::uint16_t>(i));
    return v;
}

TEST(Float16, EveryPatternTo32fAndBack) {
    const std::vector<Zor16s> h = all_patterns();
    zt::for_each_isa([&](zors::Isa) {
        std::vector<Zor32f> f(65536);
        ASSERT_EQ(zorsConvert_16f32f(h.data(), f.data(), 65536), zorStsNoErr);
        for (int i = 0; i < 65536; ++i) {
            std::uint32_t b;
            std::memcpy(&b, &f[i], 4);
            ASSERT_EQ(b, zref::f16_to_f32_bits(static_cast<std::uint16_t>(i))) << std::hex << i;
        }
        // Every value is exact, so it converts back to itself in both modes;
        // NaNs stay NaNs with the top of their fraction and their sign.
        for (int mode : {0, 1}) {
            std::vector<Zor16s> back(65536);
            ASSERT_EQ(zorsConvert_32f16f(f.data(), back.data(), 65536, static_cast<ZorRoundMode>(mode)), zorStsNoErr);
            for (int i = 0; i < 65536; ++i) {
                const auto u = static_cast<std::uint16_t>(i), g = static_cast<std::uint16_t>(back[i]);
                if ((u & 0x7C00) == 0x7C00 && (u & 0x3FF)) {
                    EXPECT_EQ(g & 0x7C00, 0x7C00) << std::hex << i;
                    EXPECT_NE(g & 0x3FF, 0) << std::hex << i;
                    EXPECT_EQ(g & 0x81FF, u & 0x81FF) << std::hex << i;
                } else {
                    ASSERT_EQ(g, u) << std::hex << i << " mode " << mode;
                }
            }
        }
    });
}

TEST(Float16, Every16sValue) {
    std::vector<Zor16s> x(65536);
    for (int i = 0; i < 65536; ++i) x[i] = static_cast<Zor16s>(i - 32768);
    zt::for_each_isa([&](zors::Isa) {
        for (int mode : {0, 1, 5}) {
            std::vector<Zor16s> h(65536), back(65536);
            std::vector<Zor32f> f(65536);
            ASSERT_EQ(zorsConvert_16s16f(x.data(), h.data(), 65536, static_cast<ZorRoundMode>(mode)), zorStsNoErr);
            ASSERT_EQ(zorsConvert_16f32f(h.data(), f.data(), 65536), zorStsNoErr);
            ASSERT_EQ(zorsConvert_16f16s_Sfs(h.data(), back.data(), 65536, static_cast<ZorRoundMode>(mode), 0), zorStsNoErr);
            for (int i = 0; i < 65536; ++i) {
                const std::uint16_t want = zref::f16_encode(x[i], mode == 1);
                ASSERT_EQ(static_cast<std::uint16_t>(h[i]), want) << x[i] << " mode " << mode;
                // Round trip: the binary16 value, exactly, and back to the
                // same integer (every binary16 value of a 16-bit integer is
                // an integer, 32768 saturating to 32767).
                ASSERT_EQ(static_cast<ld>(f[i]), zref::f16_value(want));
                ASSERT_EQ(back[i], zref::sat<Zor16s>(zref::f16_value(want)));
                // The rounding error is within the binary16 step at x.
                const ld err = std::fabs(static_cast<ld>(f[i]) - x[i]);
                const ld step = std::fabs(static_cast<ld>(x[i])) >= 2048 ? std::ldexp(1.0L, std::ilogb(static_cast<double>(x[i])) - 10) : 0;
                ASSERT_LE(err, mode == 1 ? step / 2 : step) << x[i];
            }
        }
    });
}

// Every pattern through 16f16s_Sfs at the factors that move the binary point
// across the whole binary16 range, in both modes.
TEST(Float16, EveryPatternTo16sScaled) {
    const std::vector<Zor16s> h = all_patterns();
    std::vector<Zor16s> d(65536);
    zt::for_each_isa([&](zors::Isa) {
        for (int mode : {0, 1})
            for (int sf : {-2147483647 - 1, -70, -20, -16, -1, 0, 1, 5, 10, 24, 25, 70, 2147483647}) {
                ASSERT_EQ(zorsConvert_16f16s_Sfs(h.data(), d.data(), 65536, static_cast<ZorRoundMode>(mode), sf), zorStsNoErr);
                for (int i = 0; i < 65536; ++i)
                    ASSERT_EQ(d[i], zref::f16_to_s16(static_cast<std::uint16_t>(i), mode, sf))
                        << std::hex << i << std::dec << " mode " << mode << " sf " << sf;
            }
    });
}

// Single-precision values around every binary16 rounding boundary: the
// midpoints between neighbouring patterns and one single-precision step on
// either side, in both modes.
TEST(Float16, RoundingBoundaries) {
    std::vector<Zor32f> x;
    for (int u = 0; u < 0x7C00; ++u) {
        const ld a = zref::f16_value(static_cast<std::uint16_t>(u));
        const ld b = u + 1 < 0x7C00 ? zref::f16_value(static_cast<std::uint16_t>(u + 1)) : 65536.0L;
        const float mid = static_cast<float>((a + b) / 2);  // exact: 12 bits
        for (float v : {mid, std::nextafter(mid, 0.0f), std::nextafter(mid, INFINITY)}) {
            x.push_back(v);
            x.push_back(-v);
        }
    }
    std::vector<Zor16s> h(x.size());
    zt::for_each_isa([&](zors::Isa) {
        for (int mode : {0, 1}) {
            ASSERT_EQ(zorsConvert_32f16f(x.data(), h.data(), static_cast<int>(x.size()), static_cast<ZorRoundMode>(mode)), zorStsNoErr);
            for (std::size_t i = 0; i < x.size(); ++i)
                ASSERT_EQ(static_cast<std::uint16_t>(h[i]), zref::f16_encode(x[i], mode == 1)) << x[i] << " mode " << mode;
        }
    });
}

// ---- 24-bit round trips ----------------------------------------------------------------

TEST(Packed24, RoundTrips) {
    zt::Rng rng(606);
    const int n = 4099;
    std::vector<Zor32s> s(n), back(n);
    std::vector<Zor32u> u(n), ub(n);
    std::vector<Zor32f> f(n), fb(n);
    for (int i = 0; i < n; ++i) {
        s[i] = static_cast<Zor32s>(rng.bits() % 16777216) - 8388608;
        u[i] = static_cast<Zor32u>(rng.bits() % 16777216);
    }
    s[0] = -8388608;
    s[1] = 8388607;
    u[0] = 16777215;
    for (int i = 0; i < n; ++i) f[i] = static_cast<Zor32f>(s[i]);
    std::vector<Zor8u> p(3 * n);
    zt::for_each_isa([&](zors::Isa) {
        ASSERT_EQ(zorsConvert_32s24s_Sfs(s.data(), p.data(), n, 0), zorStsNoErr);
        ASSERT_EQ(zorsConvert_24s32s(p.data(), back.data(), n), zorStsNoErr);
        EXPECT_EQ(back, s);
        ASSERT_EQ(zorsConvert_24s32f(p.data(), fb.data(), n), zorStsNoErr);
        EXPECT_EQ(fb, f);
        ASSERT_EQ(zorsConvert_32f24s_Sfs(fb.data(), p.data(), n, 0), zorStsNoErr);
        ASSERT_EQ(zorsConvert_24s32s(p.data(), back.data(), n), zorStsNoErr);
        EXPECT_EQ(back, s);
        ASSERT_EQ(zorsConvert_32u24u_Sfs(u.data(), p.data(), n, 0), zorStsNoErr);
        ASSERT_EQ(zorsConvert_24u32u(p.data(), ub.data(), n), zorStsNoErr);
        EXPECT_EQ(ub, u);
        ASSERT_EQ(zorsConvert_24u32f(p.data(), fb.data(), n), zorStsNoErr);
        ASSERT_EQ(zorsConvert_32f24u_Sfs(fb.data(), p.data(), n, 0), zorStsNoErr);
        ASSERT_EQ(zorsConvert_24u32u(p.data(), ub.data(), n), zorStsNoErr);
        EXPECT_EQ(ub, u);
    });
}

}  // namespace
