// Type conversions against the reference models of tests/ref/convert_ref.h.
// Every member is one row of a table (call, reference per element, argument
// checks); the sweeps run the table at every dispatch level over lengths
// 1..70 and longer, misaligned pointers, rounding modes and scale factors.
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>
#include <xmmintrin.h>

#include "frame/fpenv.h"
#include "tests/arg_checks.h"
#include "tests/common.h"
#include "tests/ref/convert_ref.h"

namespace {

using zref::ld;
struct B3 { std::uint8_t b[3]; };  // a packed 24-bit element
B3 pack24(std::int64_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return B3{{static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16)}};
}

// Floats on the rules' edges: saturation limits and their halves, the 32-bit
// threshold, binary16 limits, signed zeros, infinities, NaNs.
const float kEdges[] = {0.0f, -0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 2.5f, -2.5f, 3.5f, 0.49999997f, 127.0f, 127.5f,
                        128.0f, -128.5f, -129.0f, 255.0f, 255.5f, 256.0f, -0.7f, 32767.0f, 32767.5f, 32768.0f,
                        -32768.0f, -32768.5f, -32769.0f, 65535.0f, 65535.5f, 65536.0f, 65504.0f, 65519.0f, 65520.0f,
                        65535.9f, 6.1035156e-05f, 6.0975552e-05f, 5.9604645e-08f, 2.9802322e-08f, 8.9406967e-08f,
                        8388607.0f, 8388607.5f, 8388608.0f, -8388608.0f, -8388608.5f, 16777215.0f, 16777216.0f,
                        2147483520.0f, 2147483648.0f, -2147483648.0f, -2147483904.0f, 3e9f, -3e9f, 1e10f, -1e10f,
                        1e-45f, -1e-45f, 1.1754944e-38f, std::numeric_limits<float>::max(),
                        -std::numeric_limits<float>::max(), INFINITY, -INFINITY, NAN, -NAN,
                        std::bit_cast<float>(0x7F800001u)};

// Integers near both limits and zero, or raw bits; floats from the edges,
// halfway values at many magnitudes, 24-bit integers scaled, or raw bits.
template <class S>
S draw(zt::Rng& rng) {
    const std::uint64_t r = rng.bits(), k = rng.bits();
    if constexpr (std::is_same_v<S, B3>) {
        return rng.any<B3>();
    } else if constexpr (std::is_integral_v<S>) {
        using L = std::numeric_limits<S>;
        switch (r % 4) {
        case 0: return static_cast<S>(L::min() + static_cast<S>(k % 3));
        case 1: return static_cast<S>(L::max() - static_cast<S>(k % 3));
        case 2: return static_cast<S>(static_cast<std::int64_t>(k % 201) - 100);
        default: return rng.any<S>();
        }
    } else {
        switch (r % 5) {
        case 0: return static_cast<S>(kEdges[k % std::size(kEdges)]);
        case 1: return std::ldexp(static_cast<S>(static_cast<std::int64_t>(k % 200001) - 100000) + S(0.5), -static_cast<int>(r / 5 % 12));
        case 2: return std::ldexp(static_cast<S>(static_cast<std::int64_t>(k & 0xFFFFFF) - 0x800000), static_cast<int>(r / 5 % 40) - 24);
        case 3: return static_cast<S>((static_cast<double>(k % 2000001) - 1000000.0) * 0.037);
        default: return rng.any<S>();
        }
    }
}

enum { kMode = 1, kSf = 2, kGuarded = 4 };  // takes rndMode / scaleFactor; sets the rounding field

struct Member {
    std::string name;
    std::size_t src_size, dst_size;
    int flags;
    bool float_dst;
    std::function<ZorStatus(const void*, void*, int, int, int)> call;
    std::function<void(const void*, void*, int, int)> ref;  // one element
    std::function<void(zt::Rng&, void*)> draw;               // one element
    std::function<void()> checks;                             // the argument checks
};

template <class S, class D, class Call, class Ref>
Member make(const char* name, int flags, Call call, Ref ref, std::function<void()> checks) {
    return Member{name, sizeof(S), sizeof(D), flags, std::is_floating_point_v<D>, call,
                  [ref](const void* s, void* d, int mode, int sf) {
                      S x;
                      std::memcpy(&x, s, sizeof(S));
                      const D y = ref(x, mode, sf);
                      std::memcpy(d, &y, sizeof(D));
                  },
                  [](zt::Rng& rng, void* p) { const S x = draw<S>(rng); std::memcpy(p, &x, sizeof(S)); }, checks};
}

template <class F> struct Sig;
template <class S, class D, class... A> struct Sig<ZorStatus (*)(S, D, A...)> { using Src = S; using Dst = D; };
// The arguments after the two pointers, by the flags of the row.
#define ARGS_0 len
#define ARGS_2 len, sf
#define ARGS_1 len, static_cast<ZorRoundMode>(mode)
#define ARGS_3 len, static_cast<ZorRoundMode>(mode), sf
#define ARGS_7 ARGS_3
// One member: element types, export, flags, and the reference of x (mode m, factor sf).
#define ROW(S, D, f, fl, ...)                                                                                    \
    v.push_back(make<S, D>(#f, fl, [](const void* s, void* d, int len, [[maybe_unused]] int mode, [[maybe_unused]] int sf) { \
        using G = Sig<decltype(&f)>;                                                                             \
        return f(static_cast<G::Src>(s), static_cast<G::Dst>(d), ARGS_##fl); },                                  \
        []([[maybe_unused]] S x, [[maybe_unused]] int m, [[maybe_unused]] int sf) { return __VA_ARGS__; },        \
        [] { ZT_CHECKS(f, 1); }))

Zor16s f32_to_f16_ref(Zor32f x, int m) {
    const std::uint32_t b = std::bit_cast<std::uint32_t>(x);  // a NaN stays quiet with its top fraction bits
    if (std::isnan(x)) return static_cast<Zor16s>(((b >> 16) & 0x8000) | 0x7E00 | ((b >> 13) & 0x3FF));
    return static_cast<Zor16s>(zref::f16_encode(x, m == 1));
}

const std::vector<Member>& members() {
    static const std::vector<Member> t = [] {
        using namespace zref;
        std::vector<Member> v;
        ROW(Zor8s, Zor16s, zorsConvert_8s16s, 0, Zor16s(x));
        ROW(Zor16s, Zor32s, zorsConvert_16s32s, 0, Zor32s(x));
        ROW(Zor8s, Zor32f, zorsConvert_8s32f, 0, Zor32f(x));
        ROW(Zor8u, Zor32f, zorsConvert_8u32f, 0, Zor32f(x));
        ROW(Zor16s, Zor32f, zorsConvert_16s32f, 0, Zor32f(x));
        ROW(Zor16u, Zor32f, zorsConvert_16u32f, 0, Zor32f(x));
        ROW(Zor32s, Zor64f, zorsConvert_32s64f, 0, Zor64f(x));
        ROW(Zor32f, Zor64f, zorsConvert_32f64f, 0, Zor64f(x));
        ROW(B3, Zor32s, zorsConvert_24s32s, 0, get24s(x.b));
        ROW(B3, Zor32u, zorsConvert_24u32u, 0, get24u(x.b));
        ROW(B3, Zor32f, zorsConvert_24s32f, 0, Zor32f(get24s(x.b)));
        ROW(B3, Zor32f, zorsConvert_24u32f, 0, Zor32f(get24u(x.b)));
        // Rounded in the caller's mode: the sweeps run in the default mode.
        ROW(Zor32s, Zor32f, zorsConvert_32s32f, 0, static_cast<Zor32f>(x));
        ROW(Zor64f, Zor32f, zorsConvert_64f32f, 0, static_cast<Zor32f>(x));
        ROW(Zor32s, Zor16s, zorsConvert_32s16s, 0, sat<Zor16s>(x));
        ROW(Zor32s, Zor16s, zorsConvert_32s16s_Sfs, 2, Zor16s(int_scaled(x, sf, -15, 31, INT16_MIN, INT16_MAX)));
        ROW(Zor32s, B3, zorsConvert_32s24s_Sfs, 2, pack24(int_scaled(x, sf, -31, 31, -8388608, 8388607)));
        ROW(Zor32u, B3, zorsConvert_32u24u_Sfs, 2, pack24(int_scaled(x, sf, -31, 31, 0, 16777215)));
        ROW(Zor16s, Zor32f, zorsConvert_16s32f_Sfs, 2, int_to_float_scaled<Zor32f>(x, sf, -112, 126));
        ROW(Zor32s, Zor32f, zorsConvert_32s32f_Sfs, 2, int_to_float_scaled<Zor32f>(x, sf, -127, 126));
        ROW(Zor16s, Zor64f, zorsConvert_16s64f_Sfs, 2, int_to_float_scaled<Zor64f>(x, sf, -1023, 1022));
        ROW(Zor32s, Zor64f, zorsConvert_32s64f_Sfs, 2, int_to_float_scaled<Zor64f>(x, sf, -1023, 1022));
        ROW(Zor32f, Zor8s, zorsConvert_32f8s_Sfs, 7, f32_to_small<Zor8s>(x, m, sf));
        ROW(Zor32f, Zor8u, zorsConvert_32f8u_Sfs, 7, f32_to_small<Zor8u>(x, m, sf));
        ROW(Zor32f, Zor16s, zorsConvert_32f16s_Sfs, 7, f32_to_small<Zor16s>(x, m, sf));
        ROW(Zor32f, Zor16u, zorsConvert_32f16u_Sfs, 7, f32_to_small<Zor16u>(x, m, sf));
        ROW(Zor32f, Zor32s, zorsConvert_32f32s_Sfs, 7, f32_to_s32(x, m, sf));
        ROW(Zor64f, Zor32s, zorsConvert_64f32s_Sfs, 7, f64_to_s32(x, m, sf));
        ROW(Zor32f, B3, zorsConvert_32f24s_Sfs, 2, pack24(f32_to_24(x, true, sf)));
        ROW(Zor32f, B3, zorsConvert_32f24u_Sfs, 2, pack24(f32_to_24(x, false, sf)));
        ROW(Zor16s, Zor32f, zorsConvert_16f32f, 0, std::bit_cast<Zor32f>(f16_to_f32_bits(static_cast<std::uint16_t>(x))));
        ROW(Zor32f, Zor16s, zorsConvert_32f16f, 1, f32_to_f16_ref(x, m));
        ROW(Zor16s, Zor16s, zorsConvert_16s16f, 1, static_cast<Zor16s>(f16_encode(x, m == 1)));
        ROW(Zor16s, Zor16s, zorsConvert_16f16s_Sfs, 3, f16_to_s16(static_cast<std::uint16_t>(x), m, sf));
        return v;
    }();
    return t;
}

// Bytes equal; floating-point destinations also accept NaN for NaN (the
// 16f32f NaN bits are checked exhaustively below).
bool same_element(const Member& m, const void* a, const void* b) {
    if (std::memcmp(a, b, m.dst_size) == 0) return true;
    if (!m.float_dst) return false;
    if (m.dst_size == 4) return std::isnan(*static_cast<const float*>(a)) && std::isnan(*static_cast<const float*>(b));
    return std::isnan(*static_cast<const double*>(a)) && std::isnan(*static_cast<const double*>(b));
}

// One member on `len` drawn elements at the given element offsets: every
// element against the reference, and the guards.
void check_member(const Member& m, zt::Rng& rng, int len, int src_off, int dst_off, int mode, int sf) {
    zt::Guarded<std::uint8_t> src(len * static_cast<int>(m.src_size), src_off * static_cast<int>(m.src_size));
    zt::Guarded<std::uint8_t> dst(len * static_cast<int>(m.dst_size), dst_off * static_cast<int>(m.dst_size));
    for (int i = 0; i < len; ++i) m.draw(rng, src.data() + i * m.src_size);
    ASSERT_EQ(m.call(src.data(), dst.data(), len, mode, sf), zorStsNoErr);
    std::uint8_t want[8];
    for (int i = 0; i < len; ++i) {
        m.ref(src.data() + i * m.src_size, want, mode, sf);
        if (same_element(m, dst.data() + i * m.dst_size, want)) continue;
        std::string s;
        for (std::size_t b = 0; b < m.src_size; ++b) s += " " + std::to_string(src.data()[i * m.src_size + b]);
        FAIL() << m.name << " len " << len << " i " << i << " mode " << mode << " sf " << sf << " src bytes" << s;
    }
    ASSERT_TRUE(dst.guards_intact()) << m.name << " len " << len;
}

TEST(Convert, EveryMemberLengthsOffsetsFactorsAndModes) {
    std::vector<int> factors;
    for (int sf = -40; sf <= 70; ++sf) factors.push_back(sf);
    for (int sf : {-2147483647 - 1, -100000, -2045, -2044, -1100, -1024, -1023, -200, -150, -149, -128, -127, -113,
                   -112, 100, 112, 125, 126, 127, 128, 140, 149, 150, 151, 1022, 1023, 1100, 2044, 2045, 100000, 2147483647})
        factors.push_back(sf);
    zt::Rng rng(101);
    zt::for_each_isa([&](zors::Isa) {
        for (const Member& m : members()) {
            for (int len : zt::test_lengths())
                for (int off : {0, 1, 3}) {
                    check_member(m, rng, len, off, 2 * off, len % 2, m.flags & kSf ? (len % 7) - 3 : 0);
                    if (HasFatalFailure()) return;
                }
            for (int mode : m.flags & kMode ? std::vector<int>{0, 1, 7, -1} : std::vector<int>{0})
                for (int sf : m.flags & kSf ? factors : std::vector<int>{0}) {
                    if (m.flags & (kMode | kSf)) check_member(m, rng, 37, 1, 1, mode, sf);
                    if (HasFatalFailure()) return;
                }
        }
    });
}

// The integer narrowings on the values where the scale rule turns: powers
// of two and their neighbours, exact halves at every factor (3 * 2^k), the
// limits; every factor, at an odd offset, against the reference model and
// with the same bytes on every level.
TEST(Convert, NarrowingsAtRoundingEdgesSameOnEveryLevel) {
    std::vector<std::int64_t> edges = {0, INT32_MIN, INT32_MAX, std::int64_t{UINT32_MAX}, std::int64_t{UINT32_MAX} - 1};
    for (int k = 0; k < 32; ++k)
        for (std::int64_t d : {-1, 0, 1}) {
            const std::int64_t p = (std::int64_t{1} << k) + d, t = 3 * (std::int64_t{1} << k) + d;
            for (std::int64_t v : {p, -p, t, -t}) edges.push_back(v);
        }
    std::vector<int> factors = {INT32_MIN, -1000, 1000, INT32_MAX};
    for (int sf = -40; sf <= 70; ++sf) factors.push_back(sf);
    int seen = 0;
    for (const Member& m : members()) {
        const bool from_unsigned = m.name == "zorsConvert_32u24u_Sfs";
        if (m.name != "zorsConvert_32s16s" && m.name != "zorsConvert_32s16s_Sfs" && m.name != "zorsConvert_32s24s_Sfs" &&
            !from_unsigned)
            continue;
        ++seen;
        SCOPED_TRACE(m.name);
        std::vector<std::uint32_t> vals;
        for (std::int64_t v : edges)
            if (from_unsigned ? (v >= 0 && v <= std::int64_t{UINT32_MAX}) : (v >= INT32_MIN && v <= INT32_MAX))
                vals.push_back(static_cast<std::uint32_t>(v));
        const int len = static_cast<int>(vals.size());
        zt::Guarded<std::uint8_t> src(len * 4, 1);
        std::memcpy(src.data(), vals.data(), 4 * vals.size());
        for (int sf : factors) {
            std::vector<std::vector<std::uint8_t>> out;
            zt::for_each_isa([&](zors::Isa) {
                zt::Guarded<std::uint8_t> dst(len * static_cast<int>(m.dst_size), 3);
                ASSERT_EQ(m.call(src.data(), dst.data(), len, 0, sf), zorStsNoErr);
                ASSERT_TRUE(dst.guards_intact());
                std::uint8_t want[8];
                for (int i = 0; i < len; ++i) {
                    m.ref(src.data() + 4 * i, want, 0, sf);
                    ASSERT_EQ(std::memcmp(dst.data() + i * m.dst_size, want, m.dst_size), 0)
                        << "source " << (from_unsigned ? std::int64_t{vals[i]} : std::int64_t{static_cast<std::int32_t>(vals[i])}) << " sf " << sf;
                }
                out.emplace_back(dst.data(), dst.data() + len * m.dst_size);
            });
            for (std::size_t k = 1; k < out.size(); ++k) ASSERT_EQ(out[k], out[0]) << "level " << k << " sf " << sf;
        }
    }
    EXPECT_EQ(seen, 4);
}

// Null pointers first (-8, whatever the length), then the length (-6);
// nothing is written on either error.
TEST(Convert, ArgumentChecks) {
    for (const Member& m : members()) m.checks();
}

// The caller's SIMD control register (rounding field, masks and flags) and
// x87 control word are the same after every call, whatever they were; the
// members with their own rounding rule give the reference result whatever
// the caller's rounding field.
TEST(Convert, CallerRegistersRestoredAndIgnored) {
    const std::uint32_t saved_csr = _mm_getcsr();
    const std::uint16_t saved_cw = zors::X87Guard::read();
    const std::uint16_t cw = static_cast<std::uint16_t>((saved_cw & ~0x0F00) | 0x0C00 | 0x0200);
    zt::Rng rng(303);
    for (std::uint32_t round : {zors::MxcsrGuard::kRoundZero, zors::MxcsrGuard::kRoundDown, zors::MxcsrGuard::kRoundUp})
        for (std::uint32_t flags : {0u, 0x3Fu})
            for (const Member& m : members()) {
                SCOPED_TRACE(m.name);
                const std::uint32_t csr = (saved_csr & ~(zors::MxcsrGuard::kRoundMask | 0x3Fu)) | round | flags;
                const bool own_rule = (m.flags & kMode) || m.name.find("32f24") != std::string::npos;
                std::vector<std::uint8_t> src(40 * m.src_size), dst(40 * m.dst_size), want(m.dst_size);
                for (int i = 0; i < 40; ++i) m.draw(rng, src.data() + i * m.src_size);
                for (int mode : {0, 1}) {
                    zors::X87Guard::write(cw);
                    _mm_setcsr(csr);
                    const ZorStatus st = m.call(src.data(), dst.data(), 40, mode, -1);
                    const std::uint32_t after = _mm_getcsr();
                    const std::uint16_t after_cw = zors::X87Guard::read();
                    _mm_setcsr(saved_csr);
                    zors::X87Guard::write(saved_cw);
                    EXPECT_EQ(st, zorStsNoErr);
                    EXPECT_EQ(after_cw, cw);
                    // Members that set the rounding field give back the caller's
                    // register exactly; the others may raise flags.
                    if (m.flags & kGuarded) EXPECT_EQ(after, csr) << std::hex << after << " " << csr;
                    else EXPECT_EQ(after & ~0x3Fu, csr & ~0x3Fu) << std::hex << after << " " << csr;
                    for (int i = 0; own_rule && i < 40; ++i) {
                        m.ref(src.data() + i * m.src_size, want.data(), mode, -1);
                        EXPECT_TRUE(same_element(m, dst.data() + i * m.dst_size, want.data())) << "mode " << mode << " i " << i;
                    }
                }
            }
}

// 32s32f, 64f32f and the integer rounding of 32s32f_Sfs follow the caller's
// rounding field: the neighbour the mode asks for.
template <class S>
float in_mode(S x, std::uint32_t round) {
    const auto v = static_cast<ld>(x);
    float lo = static_cast<float>(x);  // nearest (default mode here)
    if (static_cast<ld>(lo) > v) lo = std::nextafter(lo, -INFINITY);
    const float hi = static_cast<ld>(lo) == v ? lo : std::nextafter(lo, INFINITY);
    return round == zors::MxcsrGuard::kRoundDown ? lo : round == zors::MxcsrGuard::kRoundUp ? hi : v < 0 ? hi : lo;
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
        for (std::uint32_t round : {zors::MxcsrGuard::kRoundDown, zors::MxcsrGuard::kRoundUp, zors::MxcsrGuard::kRoundZero})
            for (int fn = 0; fn < 3; ++fn) {
                _mm_setcsr((saved & ~zors::MxcsrGuard::kRoundMask) | round);
                fn == 0 ? zorsConvert_32s32f(si.data(), d.data(), 64) : fn == 1 ? zorsConvert_64f32f(sd.data(), d.data(), 64)
                                                                              : zorsConvert_32s32f_Sfs(si.data(), d.data(), 64, 4);
                _mm_setcsr(saved);
                for (int i = 0; i < 64; ++i)
                    EXPECT_EQ(d[i], fn == 1 ? in_mode(sd[i], round) : std::ldexp(in_mode(si[i], round), fn == 2 ? -4 : 0)) << "fn " << fn << " i " << i;
            }
    });
}

// ---- binary16 exhaustively ----

// Every pattern (which, read as Zor16s, is also every 16-bit integer): to
// single precision and back (exact, so itself in both modes; a NaN stays a
// NaN with its sign and the top of its fraction), every integer to binary16,
// and every pattern to an integer at factors that move the binary point
// across the whole binary16 range.
TEST(Float16, EveryPattern) {
    std::vector<Zor16s> h(65536), back(65536);
    std::vector<Zor32f> f(65536);
    for (int i = 0; i < 65536; ++i) h[i] = static_cast<Zor16s>(static_cast<std::uint16_t>(i));
    zt::for_each_isa([&](zors::Isa) {
        ASSERT_EQ(zorsConvert_16f32f(h.data(), f.data(), 65536), zorStsNoErr);
        for (int i = 0; i < 65536; ++i) ASSERT_EQ(std::bit_cast<std::uint32_t>(f[i]), zref::f16_to_f32_bits(static_cast<std::uint16_t>(i))) << std::hex << i;
        for (int mode : {0, 1, 5}) {
            ASSERT_EQ(zorsConvert_32f16f(f.data(), back.data(), 65536, static_cast<ZorRoundMode>(mode)), zorStsNoErr);
            for (int i = 0; i < 65536; ++i) {
                const int g = static_cast<std::uint16_t>(back[i]);
                if ((i & 0x7C00) == 0x7C00 && (i & 0x3FF)) ASSERT_TRUE((g & 0x7C00) == 0x7C00 && (g & 0x3FF) && (g & 0x81FF) == (i & 0x81FF)) << std::hex << i;
                else ASSERT_EQ(g, i) << std::hex << i << " mode " << mode;
            }
            ASSERT_EQ(zorsConvert_16s16f(h.data(), back.data(), 65536, static_cast<ZorRoundMode>(mode)), zorStsNoErr);
            for (int i = 0; i < 65536; ++i) ASSERT_EQ(static_cast<std::uint16_t>(back[i]), zref::f16_encode(h[i], mode == 1)) << h[i] << " mode " << mode;
            for (int sf : {-2147483647 - 1, -70, -20, -16, -1, 0, 1, 5, 10, 24, 25, 70, 2147483647}) {
                if (mode == 5) break;  // rounds as mode 0
                ASSERT_EQ(zorsConvert_16f16s_Sfs(h.data(), back.data(), 65536, static_cast<ZorRoundMode>(mode), sf), zorStsNoErr);
                for (int i = 0; i < 65536; ++i)
                    ASSERT_EQ(back[i], zref::f16_to_s16(static_cast<std::uint16_t>(i), mode, sf)) << std::hex << i << std::dec << " mode " << mode << " sf " << sf;
            }
        }
    });
}

// Single-precision values at every binary16 rounding boundary (the midpoints
// between neighbouring patterns) and one step on either side, both modes.
TEST(Float16, RoundingBoundaries) {
    std::vector<Zor32f> x;
    for (int u = 0; u < 0x7C00; ++u) {
        const ld b = u + 1 < 0x7C00 ? zref::f16_value(static_cast<std::uint16_t>(u + 1)) : 65536.0L;
        const float mid = static_cast<float>((zref::f16_value(static_cast<std::uint16_t>(u)) + b) / 2);  // exact: 12 bits
        for (float v : {mid, std::nextafter(mid, 0.0f), std::nextafter(mid, INFINITY)}) x.insert(x.end(), {v, -v});
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

}  // namespace
