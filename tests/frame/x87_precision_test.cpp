// Functions that compute in long double (transform tables, Goertzel
// coefficients, the extended integer forms of the elementary functions and
// of the 64-bit root, the phase at fine scales) give the same bits whatever
// precision and rounding the caller's x87 control word selects, and hand the
// caller's word back unchanged.
#include <cstring>
#include <vector>

#include "frame/fpenv.h"
#include "tests/common.h"

namespace {

using Bytes = std::vector<unsigned char>;

template <class T>
void append(Bytes& out, const T* p, int n) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    out.insert(out.end(), b, b + sizeof(T) * static_cast<std::size_t>(n));
}

template <class T>
std::vector<T> random_vector(int n, std::uint32_t seed, double scale) {
    zt::Rng rng(seed);
    std::vector<T> v(n);
    for (auto& x : v) x = static_cast<T>(static_cast<double>(static_cast<std::int32_t>(rng.bits())) * scale);
    return v;
}

// A spec-based forward transform of n elements of T: create, transform
// random data, release; the result bytes, with the status codes, are what
// the control word must not change.
template <class T, class Spec, class Create>
Bytes transform(Create create, ZorStatus (*fwd)(const T*, T*, const Spec*, Zor8u*), ZorStatus (*release)(Spec*), int n) {
    Bytes out;
    Spec* spec = nullptr;
    const ZorStatus st = create(&spec);
    append(out, &st, 1);
    if (st != zorStsNoErr) return out;
    const std::vector<T> src = random_vector<T>(n, 7, 0x1p-31);
    std::vector<T> dst(n);
    const ZorStatus run = fwd(src.data(), dst.data(), spec, nullptr);
    append(out, &run, 1);
    append(out, dst.data(), n);
    release(spec);
    return out;
}

template <class T>
std::vector<T> complex_input(int n) {
    const auto parts = random_vector<decltype(T::re)>(2 * n, 11, 0x1p-31);
    std::vector<T> v(n);
    std::memcpy(v.data(), parts.data(), sizeof(T) * static_cast<std::size_t>(n));
    return v;
}

template <class T, class Spec, class Create>
Bytes complex_transform(Create create, ZorStatus (*fwd)(const T*, T*, const Spec*, Zor8u*), ZorStatus (*release)(Spec*),
                        int n) {
    Bytes out;
    Spec* spec = nullptr;
    const ZorStatus st = create(&spec);
    append(out, &st, 1);
    if (st != zorStsNoErr) return out;
    const std::vector<T> src = complex_input<T>(n);
    std::vector<T> dst(n);
    const ZorStatus run = fwd(src.data(), dst.data(), spec, nullptr);
    append(out, &run, 1);
    append(out, dst.data(), n);
    release(spec);
    return out;
}

// An element-wise integer function over src at several scale factors.
template <class S, class D>
Bytes scaled_map(ZorStatus (*f)(const S*, D*, int, int), const std::vector<S>& src, std::initializer_list<int> sfs) {
    Bytes out;
    for (int sf : sfs) {
        std::vector<D> dst(src.size());
        const ZorStatus st = f(src.data(), dst.data(), static_cast<int>(src.size()), sf);
        append(out, &st, 1);
        append(out, dst.data(), static_cast<int>(dst.size()));
    }
    return out;
}

// Positive 32-bit values spread over every magnitude.
std::vector<Zor32s> magnitudes() {
    zt::Rng rng(3);
    std::vector<Zor32s> v;
    for (int i = 0; i < 512; ++i) v.push_back(static_cast<Zor32s>((rng.bits() >> (34 + i % 30)) + 1));
    return v;
}

// 64-bit values whose roots lie just below a half-way point (k² + k for
// odd k) at every magnitude, where a root short of 64 bits rounds the wrong
// way, and random ones.
std::vector<Zor64s> squares_and_halves() {
    std::vector<Zor64s> v;
    for (std::int64_t k = 3; k < (std::int64_t{1} << 31); k = k * 5 / 3 | 1) v.push_back(k * k + k);
    zt::Rng rng(5);
    for (int i = 0; i < 256; ++i) v.push_back(static_cast<Zor64s>(rng.bits() >> (1 + i % 40)));
    return v;
}

struct Case {
    const char* name;
    Bytes (*run)();
};

const Case kCases[] = {
    {"FFT R_64f order 11",
     [] {
         return transform<Zor64f, ZorsFFTSpec_R_64f>(
             [](ZorsFFTSpec_R_64f** p) { return zorsFFTInitAlloc_R_64f(p, 11, ZOR_FFT_NO_DIV, zorAlgHintNone); },
             zorsFFTFwd_RToPerm_64f, zorsFFTFree_R_64f, 2048);
     }},
    {"FFT C_64fc order 13",
     [] {
         return complex_transform<Zor64fc, ZorsFFTSpec_C_64fc>(
             [](ZorsFFTSpec_C_64fc** p) { return zorsFFTInitAlloc_C_64fc(p, 13, ZOR_FFT_NO_DIV, zorAlgHintNone); },
             zorsFFTFwd_CToC_64fc, zorsFFTFree_C_64fc, 8192);
     }},
    {"DFT C_64fc length 360 (mixed radix)",
     [] {
         return complex_transform<Zor64fc, ZorsDFTSpec_C_64fc>(
             [](ZorsDFTSpec_C_64fc** p) { return zorsDFTInitAlloc_C_64fc(p, 360, ZOR_FFT_NO_DIV, zorAlgHintNone); },
             zorsDFTFwd_CToC_64fc, zorsDFTFree_C_64fc, 360);
     }},
    {"DFT C_64fc length 1031 (chirp)",
     [] {
         return complex_transform<Zor64fc, ZorsDFTSpec_C_64fc>(
             [](ZorsDFTSpec_C_64fc** p) { return zorsDFTInitAlloc_C_64fc(p, 1031, ZOR_FFT_NO_DIV, zorAlgHintNone); },
             zorsDFTFwd_CToC_64fc, zorsDFTFree_C_64fc, 1031);
     }},
    {"DFT R_64f length 90",
     [] {
         return transform<Zor64f, ZorsDFTSpec_R_64f>(
             [](ZorsDFTSpec_R_64f** p) { return zorsDFTInitAlloc_R_64f(p, 90, ZOR_FFT_NO_DIV, zorAlgHintNone); },
             zorsDFTFwd_RToPerm_64f, zorsDFTFree_R_64f, 90);
     }},
    {"DCT 64f, every algorithm",
     [] {
         Bytes out;
         // small, direct, chirp, fast and FFT-based tables
         for (int len : {8, 30, 150, 256, 1024}) {
             const ZorHintAlgorithm hint = len == 1024 ? zorAlgHintAccurate : zorAlgHintNone;
             const Bytes b = transform<Zor64f, ZorsDCTFwdSpec_64f>(
                 [&](ZorsDCTFwdSpec_64f** p) { return zorsDCTFwdInitAlloc_64f(p, len, hint); }, zorsDCTFwd_64f,
                 zorsDCTFwdFree_64f, len);
             out.insert(out.end(), b.begin(), b.end());
         }
         return out;
     }},
    {"Goertz_64fc",
     [] {
         Bytes out;
         const std::vector<Zor64fc> src = complex_input<Zor64fc>(300);
         for (int k = 0; k < 32; ++k) {
             Zor64fc val{};
             const ZorStatus st = zorsGoertz_64fc(src.data(), 300, &val, (k * 37 % 300) / 300.0 + 1e-4);
             append(out, &st, 1);
             append(out, &val, 1);
         }
         return out;
     }},
    {"Exp_32s_Sfs", [] { return scaled_map<Zor32s, Zor32s>(zorsExp_32s_Sfs, random_vector<Zor32s>(512, 17, 0x1p-27), {-10, 0}); }},
    {"Ln_32s_Sfs", [] { return scaled_map<Zor32s, Zor32s>(zorsLn_32s_Sfs, magnitudes(), {-26, -10}); }},
    {"10Log10_32s_Sfs", [] { return scaled_map<Zor32s, Zor32s>(zors10Log10_32s_Sfs, magnitudes(), {-24, -8}); }},
    {"Cubrt_32s16s_Sfs", [] { return scaled_map<Zor32s, Zor16s>(zorsCubrt_32s16s_Sfs, magnitudes(), {-4, 0}); }},
    {"Sqrt_64s_Sfs", [] { return scaled_map<Zor64s, Zor64s>(zorsSqrt_64s_Sfs, squares_and_halves(), {0, -8, 3}); }},
    {"Phase_16sc_Sfs at fine scales",
     [] {
         std::vector<Zor16sc> z;
         for (int re = 16384; re < 32768; re += 17) z.push_back({static_cast<Zor16s>(re), static_cast<Zor16s>(re % 5 - 2)});
         Bytes out;
         for (int sf : {-29, -30}) {
             std::vector<Zor16s> d(z.size());
             const ZorStatus st = zorsPhase_16sc_Sfs(z.data(), d.data(), static_cast<int>(z.size()), sf);
             append(out, &st, 1);
             append(out, d.data(), static_cast<int>(d.size()));
         }
         return out;
     }},
};

// x87 control words: every exception masked; 24- and 53-bit precision with
// nearest rounding, full precision rounding toward zero and upward.
constexpr std::uint16_t kDefaultWord = 0x037F;
constexpr std::uint16_t kOddWords[] = {0x007F, 0x027F, 0x0F7F, 0x0B7F};

std::size_t first_difference(const Bytes& a, const Bytes& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

TEST(X87Precision, LongDoubleResultsIgnoreTheCallersControlWord) {
    const std::uint16_t saved = zors::X87Guard::read();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        zors::X87Guard::write(kDefaultWord);
        const Bytes want = c.run();
        for (std::uint16_t cw : kOddWords) {
            zors::X87Guard::write(cw);
            const Bytes got = c.run();
            const std::uint16_t after = zors::X87Guard::read();
            zors::X87Guard::write(kDefaultWord);
            EXPECT_EQ(after, cw) << std::hex << "control word " << cw << " came back as " << after;
            EXPECT_TRUE(got == want) << "results differ under control word " << std::hex << cw << std::dec
                                     << " from byte " << first_difference(got, want) << " of " << want.size();
        }
    }
    zors::X87Guard::write(saved);
}

// The guard itself: full precision and nearest rounding inside, the caller's
// word (whatever its other fields) outside.
TEST(X87Precision, ExtendedPrecisionGuard) {
    const std::uint16_t saved = zors::X87Guard::read();
    for (std::uint16_t cw : kOddWords) {
        zors::X87Guard::write(cw);
        {
            zors::ExtendedPrecision g;
            EXPECT_EQ(zors::X87Guard::read(), (cw & ~0x0F00) | 0x0300) << std::hex << cw;
            volatile long double one = 1, tiny = 0x1p-63L;
            EXPECT_NE(one + tiny, one) << std::hex << cw;  // a 64-bit significand
        }
        EXPECT_EQ(zors::X87Guard::read(), cw);
        zors::X87Guard::write(kDefaultWord);
    }
    zors::X87Guard::write(saved);
}

}  // namespace
