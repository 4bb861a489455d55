#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <xmmintrin.h>

#include "frame/types.h"
#include "tests/arg_checks.h"
#include "tests/common.h"

namespace {

using zt::Guarded;

// Element offsets (in elements) that misalign the vectors against every
// register width.
constexpr int kOffsets[] = {0, 1, 3};

template <class T> Zor16s sat_neg(T v) { return v == -32768 ? 32767 : static_cast<Zor16s>(-v); }

// Element-wise reference models, written from the definitions.
Zor16sc conj_ref(Zor16sc v) { return {v.re, sat_neg(v.im)}; }
Zor32fc conj_ref(Zor32fc v) { return {v.re, -v.im}; }
Zor64fc conj_ref(Zor64fc v) { return {v.re, -v.im}; }

// src -> dst of the same length; want(src, len, i) is the reference.
template <class S, class D, class Want>
void check_map(ZorStatus (*f)(const S*, D*, int), Want want) {
    zt::Rng rng;
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths())
            for (int off : kOffsets) {
                Guarded<S> src(len, off * sizeof(S));
                Guarded<D> dst(len, off * sizeof(D) + (off & 1) * sizeof(zors::part_t<D>));
                rng.fill(src.data(), len);
                ASSERT_EQ(f(src.data(), dst.data(), len), zorStsNoErr);
                for (int i = 0; i < len; ++i)
                    ASSERT_TRUE(zt::same_bits(dst[i], want(src.data(), len, i).v)) << "len " << len << " i " << i;
                ASSERT_TRUE(dst.guards_intact()) << "len " << len;
            }
    });
}

// In place; want as for check_map, applied to the original contents.
template <class T, class Want>
void check_inplace(ZorStatus (*f)(T*, int), Want want) {
    zt::Rng rng;
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths())
            for (int off : kOffsets) {
                Guarded<T> buf(len, off * sizeof(T));
                rng.fill(buf.data(), len);
                std::vector<T> orig(buf.data(), buf.data() + len);
                ASSERT_EQ(f(buf.data(), len), zorStsNoErr);
                for (int i = 0; i < len; ++i)
                    ASSERT_TRUE(zt::same_bits(buf[i], want(orig.data(), len, i).v)) << "len " << len << " i " << i;
                ASSERT_TRUE(buf.guards_intact());
            }
    });
}

template <class T>
void check_fill(ZorStatus (*f)(T, T*, int)) {
    zt::Rng rng;
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths())
            for (int off : kOffsets) {
                const T v = rng.any<T>();
                Guarded<T> dst(len, off * sizeof(T));
                ASSERT_EQ(f(v, dst.data(), len), zorStsNoErr);
                for (int i = 0; i < len; ++i) ASSERT_TRUE(zt::same_bits(dst[i], v)) << "len " << len << " i " << i;
                ASSERT_TRUE(dst.guards_intact());
            }
    });
}

template <class T>
void check_zero(ZorStatus (*f)(T*, int)) {
    for (int len : zt::test_lengths()) {
        Guarded<T> dst(len, sizeof(T));
        ASSERT_EQ(f(dst.data(), len), zorStsNoErr);
        const T z{};
        for (int i = 0; i < len; ++i) ASSERT_TRUE(zt::same_bits(dst[i], z));
        ASSERT_TRUE(dst.guards_intact());
    }
}

// The references hand their element back inside a struct: a float or double
// returned by value travels through the x87 stack on 32-bit x86, which turns
// a signalling NaN quiet on the way.
template <class T> struct Ref { T v; };
template <class T> Ref<T> identity(const T* s, int, int i) { return {s[i]}; }
template <class T> Ref<T> reversed(const T* s, int n, int i) { return {s[n - 1 - i]}; }
template <class C> Ref<C> conjugated(const C* s, int, int i) { return {conj_ref(s[i])}; }
template <class C> Ref<C> conj_reversed(const C* s, int n, int i) { return {conj_ref(s[n - 1 - i])}; }
template <class C> Ref<zors::part_t<C>> real_part(const C* s, int, int i) { return {s[i].re}; }
template <class C> Ref<zors::part_t<C>> imag_part(const C* s, int, int i) { return {s[i].im}; }

TEST(Buffer, CopyAndMoveEveryType) {
    check_map<Zor8u, Zor8u>(zorsCopy_8u, identity<Zor8u>);
    check_map<Zor16s, Zor16s>(zorsCopy_16s, identity<Zor16s>);
    check_map<Zor32f, Zor32f>(zorsCopy_32f, identity<Zor32f>);
    check_map<Zor64f, Zor64f>(zorsCopy_64f, identity<Zor64f>);
    check_map<Zor16sc, Zor16sc>(zorsCopy_16sc, identity<Zor16sc>);
    check_map<Zor32fc, Zor32fc>(zorsCopy_32fc, identity<Zor32fc>);
    check_map<Zor64fc, Zor64fc>(zorsCopy_64fc, identity<Zor64fc>);
    check_map<Zor8u, Zor8u>(zorsMove_8u, identity<Zor8u>);
    check_map<Zor16s, Zor16s>(zorsMove_16s, identity<Zor16s>);
    check_map<Zor32f, Zor32f>(zorsMove_32f, identity<Zor32f>);
    check_map<Zor64f, Zor64f>(zorsMove_64f, identity<Zor64f>);
    check_map<Zor16sc, Zor16sc>(zorsMove_16sc, identity<Zor16sc>);
    check_map<Zor32fc, Zor32fc>(zorsMove_32fc, identity<Zor32fc>);
    check_map<Zor64fc, Zor64fc>(zorsMove_64fc, identity<Zor64fc>);
}

TEST(Buffer, MoveOverlapsBothWays) {
    for (int len : {3, 17, 100, 5000})
        for (int shift : {1, 2, 7, -1, -5}) {
            std::vector<Zor32f> buf(len + 16);
            for (int i = 0; i < len + 16; ++i) buf[i] = static_cast<float>(i);
            const int from = 8, to = 8 + shift;
            std::vector<Zor32f> want = buf;
            for (int i = 0; i < len; ++i) want[to + i] = buf[from + i];
            ASSERT_EQ(zorsMove_32f(buf.data() + from, buf.data() + to, len), zorStsNoErr);
            EXPECT_EQ(buf, want) << "len " << len << " shift " << shift;
        }
    Zor32f v[4] = {1, 2, 3, 4};
    ASSERT_EQ(zorsMove_32f(v, v + 1, 3), zorStsNoErr);
    EXPECT_EQ(v[1], 1);
    EXPECT_EQ(v[2], 2);
    EXPECT_EQ(v[3], 3);
}

TEST(Buffer, SetAndZeroEveryType) {
    check_fill<Zor8u>(zorsSet_8u);
    check_fill<Zor16s>(zorsSet_16s);
    check_fill<Zor32s>(zorsSet_32s);
    check_fill<Zor64s>(zorsSet_64s);
    check_fill<Zor32f>(zorsSet_32f);
    check_fill<Zor64f>(zorsSet_64f);
    check_fill<Zor16sc>(zorsSet_16sc);
    check_fill<Zor32sc>(zorsSet_32sc);
    check_fill<Zor64sc>(zorsSet_64sc);
    check_fill<Zor32fc>(zorsSet_32fc);
    check_fill<Zor64fc>(zorsSet_64fc);
    check_zero<Zor8u>(zorsZero_8u);
    check_zero<Zor16s>(zorsZero_16s);
    check_zero<Zor32f>(zorsZero_32f);
    check_zero<Zor64f>(zorsZero_64f);
    check_zero<Zor16sc>(zorsZero_16sc);
    check_zero<Zor32fc>(zorsZero_32fc);
    check_zero<Zor64fc>(zorsZero_64fc);
}

TEST(Buffer, SetComplexStoresRealThenImaginary) {
    Zor16s d16[4];
    ASSERT_EQ(zorsSet_16sc(Zor16sc{7, -9}, reinterpret_cast<Zor16sc*>(d16), 2), zorStsNoErr);
    EXPECT_EQ(d16[0], 7);
    EXPECT_EQ(d16[1], -9);
    EXPECT_EQ(d16[3], -9);
    Zor64f d64[4];
    ASSERT_EQ(zorsSet_64fc(Zor64fc{1.5, -0.0}, reinterpret_cast<Zor64fc*>(d64), 2), zorStsNoErr);
    EXPECT_EQ(d64[2], 1.5);
    EXPECT_TRUE(std::signbit(d64[3]));
}

TEST(Buffer, SetAndZeroLargeBlocks) {
    // Sizes past the large-block switch of every element size.
    for (int len : {10239, 10240, 10241, 100003, 1 << 20}) {
        std::vector<Zor16s> d16(len + 1, 3);
        ASSERT_EQ(zorsSet_16s(-2, d16.data(), len), zorStsNoErr);
        EXPECT_EQ(std::count(d16.begin(), d16.end() - 1, -2), len);
        EXPECT_EQ(d16[len], 3);
        std::vector<Zor32f> d32(len + 1, 3.f);
        ASSERT_EQ(zorsSet_32f(0.25f, d32.data(), len), zorStsNoErr);
        EXPECT_EQ(std::count(d32.begin(), d32.end() - 1, 0.25f), len);
        ASSERT_EQ(zorsZero_32f(d32.data() + 1, len), zorStsNoErr);
        EXPECT_EQ(d32[0], 0.25f);
        EXPECT_EQ(std::count(d32.begin() + 1, d32.end(), 0.f), len);
    }
}

TEST(Buffer, FlipEveryType) {
    check_map<Zor8u, Zor8u>(zorsFlip_8u, reversed<Zor8u>);
    check_map<Zor16u, Zor16u>(zorsFlip_16u, reversed<Zor16u>);
    check_map<Zor32f, Zor32f>(zorsFlip_32f, reversed<Zor32f>);
    check_map<Zor64f, Zor64f>(zorsFlip_64f, reversed<Zor64f>);
    check_inplace<Zor8u>(zorsFlip_8u_I, reversed<Zor8u>);
    check_inplace<Zor16u>(zorsFlip_16u_I, reversed<Zor16u>);
    check_inplace<Zor32f>(zorsFlip_32f_I, reversed<Zor32f>);
    check_inplace<Zor64f>(zorsFlip_64f_I, reversed<Zor64f>);
    Zor8u v[3] = {1, 2, 3};
    ASSERT_EQ(zorsFlip_8u_I(v, 3), zorStsNoErr);
    EXPECT_EQ(v[0], 3);
    EXPECT_EQ(v[2], 1);
}

TEST(Buffer, ComplexParts) {
    check_map<Zor16sc, Zor16s>(zorsReal_16sc, real_part<Zor16sc>);
    check_map<Zor32fc, Zor32f>(zorsReal_32fc, real_part<Zor32fc>);
    check_map<Zor64fc, Zor64f>(zorsReal_64fc, real_part<Zor64fc>);
    check_map<Zor16sc, Zor16s>(zorsImag_16sc, imag_part<Zor16sc>);
    check_map<Zor32fc, Zor32f>(zorsImag_32fc, imag_part<Zor32fc>);
    check_map<Zor64fc, Zor64f>(zorsImag_64fc, imag_part<Zor64fc>);
}

template <class C, class P = zors::part_t<C>>
void check_cplx_to_real(ZorStatus (*f)(const C*, P*, P*, int)) {
    zt::Rng rng;
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths()) {
            Guarded<C> src(len, sizeof(P));
            Guarded<P> re(len, sizeof(P)), im(len, 3 * sizeof(P));
            rng.fill(src.data(), len);
            ASSERT_EQ(f(src.data(), re.data(), im.data(), len), zorStsNoErr);
            for (int i = 0; i < len; ++i) {
                ASSERT_TRUE(zt::same_bits(re[i], src[i].re));
                ASSERT_TRUE(zt::same_bits(im[i], src[i].im));
            }
            ASSERT_TRUE(re.guards_intact() && im.guards_intact());
        }
    });
}

template <class P, class C = zors::complex_t<P>>
void check_real_to_cplx(ZorStatus (*f)(const P*, const P*, C*, int)) {
    zt::Rng rng;
    zt::for_each_isa([&](zors::Isa) {
        for (int len : zt::test_lengths())
            for (int parts = 1; parts <= 3; ++parts) {  // re only, im only, both
                Guarded<P> re(len, sizeof(P)), im(len, 0);
                Guarded<C> dst(len, 3 * sizeof(P));
                rng.fill(re.data(), len);
                rng.fill(im.data(), len);
                const P* pr = (parts & 1) ? re.data() : nullptr;
                const P* pi = (parts & 2) ? im.data() : nullptr;
                ASSERT_EQ(f(pr, pi, dst.data(), len), zorStsNoErr);
                const P zero{};
                for (int i = 0; i < len; ++i) {
                    ASSERT_TRUE(zt::same_bits(dst[i].re, pr ? re[i] : zero)) << i;
                    ASSERT_TRUE(zt::same_bits(dst[i].im, pi ? im[i] : zero)) << i;
                }
                ASSERT_TRUE(dst.guards_intact());
            }
    });
}

TEST(Buffer, SplitAndMergeComplex) {
    check_cplx_to_real<Zor16sc>(zorsCplxToReal_16sc);
    check_cplx_to_real<Zor32fc>(zorsCplxToReal_32fc);
    check_cplx_to_real<Zor64fc>(zorsCplxToReal_64fc);
    check_real_to_cplx<Zor16s>(zorsRealToCplx_16s);
    check_real_to_cplx<Zor32f>(zorsRealToCplx_32f);
    check_real_to_cplx<Zor64f>(zorsRealToCplx_64f);
}

TEST(Buffer, ConjugationEveryForm) {
    check_map<Zor16sc, Zor16sc>(zorsConj_16sc, conjugated<Zor16sc>);
    check_map<Zor32fc, Zor32fc>(zorsConj_32fc, conjugated<Zor32fc>);
    check_map<Zor64fc, Zor64fc>(zorsConj_64fc, conjugated<Zor64fc>);
    check_inplace<Zor16sc>(zorsConj_16sc_I, conjugated<Zor16sc>);
    check_inplace<Zor32fc>(zorsConj_32fc_I, conjugated<Zor32fc>);
    check_inplace<Zor64fc>(zorsConj_64fc_I, conjugated<Zor64fc>);
    check_map<Zor16sc, Zor16sc>(zorsConjFlip_16sc, conj_reversed<Zor16sc>);
    check_map<Zor32fc, Zor32fc>(zorsConjFlip_32fc, conj_reversed<Zor32fc>);
    check_map<Zor64fc, Zor64fc>(zorsConjFlip_64fc, conj_reversed<Zor64fc>);
}

TEST(Buffer, ConjSaturatesAndFlipsSignBits) {
    zt::for_each_isa([](zors::Isa) {
        std::vector<Zor16sc> s(37, Zor16sc{5, -32768}), d(37);
        s[36] = {-32768, 32767};
        ASSERT_EQ(zorsConj_16sc(s.data(), d.data(), 37), zorStsNoErr);
        for (int i = 0; i < 36; ++i) ASSERT_TRUE(d[i].re == 5 && d[i].im == 32767) << i;
        EXPECT_TRUE(d[36].re == -32768 && d[36].im == -32767);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        std::vector<Zor32fc> f(19, Zor32fc{1.f, 0.f}), g(19);
        f[3].im = -0.f;
        f[4].im = nan;
        f[5].im = -INFINITY;
        ASSERT_EQ(zorsConj_32fc(f.data(), g.data(), 19), zorStsNoErr);
        EXPECT_TRUE(std::signbit(g[0].im));
        EXPECT_FALSE(std::signbit(g[3].im));
        EXPECT_TRUE(std::isnan(g[4].im) && std::signbit(g[4].im));
        EXPECT_EQ(g[5].im, INFINITY);
    });
}

TEST(Buffer, JoinRoundsAndSaturates) {
    const float a[] = {1.5f, 2.5f, 0.5f, -0.5f, 32767.4f, NAN, -32768.6f, -1e20f};
    const float b[] = {-1.5f, 40000.0f, -2.5f, 3.49999f, INFINITY, -INFINITY, 32766.5f, 1e20f};
    const Zor32f* ch[] = {a, b};
    const Zor16s want[] = {2, -2, 2, 32767, 0, -2, 0, 3, 32767, 32767, 32767, -32768,
                           -32768, 32766, -32768, 32767};
    const unsigned saved = _mm_getcsr();
    _mm_setcsr((saved & ~0x6000u) | 0x2000u);  // caller rounds down
    Zor16s d[17];
    d[16] = 77;
    ASSERT_EQ(zorsJoin_32f16s_D2L(ch, 2, 8, d), zorStsNoErr);
    EXPECT_EQ(_mm_getcsr(), (saved & ~0x6000u) | 0x2000u);
    _mm_setcsr(saved);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(d[i], want[i]) << i;
    EXPECT_EQ(d[16], 77);
    // Three channels of one sample each, one channel of three samples.
    const float c[] = {7.f, 8.f, 9.f};
    const Zor32f* three[] = {c, c + 1, c + 2};
    ASSERT_EQ(zorsJoin_32f16s_D2L(three, 3, 1, d), zorStsNoErr);
    EXPECT_TRUE(d[0] == 7 && d[1] == 8 && d[2] == 9);
    ASSERT_EQ(zorsJoin_32f16s_D2L(three, 1, 3, d), zorStsNoErr);
    EXPECT_TRUE(d[0] == 7 && d[1] == 8 && d[2] == 9);
}

// --- argument checks ----------------------------------------------------------

// Every member of the usual order: each pointer null in turn, then lengths
// below 1; outputs untouched.
TEST(Buffer, UsualCheckOrderEveryMember) {
    ZT_CHECKS(zorsConjFlip_16sc, 1); ZT_CHECKS(zorsConjFlip_32fc, 1); ZT_CHECKS(zorsConjFlip_64fc, 1); ZT_CHECKS(zorsConj_16sc, 1);
    ZT_CHECKS(zorsConj_16sc_I, 1); ZT_CHECKS(zorsConj_32fc, 1); ZT_CHECKS(zorsConj_32fc_I, 1); ZT_CHECKS(zorsConj_64fc, 1);
    ZT_CHECKS(zorsConj_64fc_I, 1); ZT_CHECKS(zorsCopy_16s, 1); ZT_CHECKS(zorsCopy_16sc, 1); ZT_CHECKS(zorsCopy_32f, 1);
    ZT_CHECKS(zorsCopy_32fc, 1); ZT_CHECKS(zorsCopy_64f, 1); ZT_CHECKS(zorsCopy_64fc, 1); ZT_CHECKS(zorsCopy_8u, 1);
    ZT_CHECKS(zorsCplxToReal_16sc, 1); ZT_CHECKS(zorsCplxToReal_32fc, 1); ZT_CHECKS(zorsCplxToReal_64fc, 1); ZT_CHECKS(zorsFlip_16u, 1);
    ZT_CHECKS(zorsFlip_16u_I, 1); ZT_CHECKS(zorsFlip_32f, 1); ZT_CHECKS(zorsFlip_32f_I, 1); ZT_CHECKS(zorsFlip_64f, 1);
    ZT_CHECKS(zorsFlip_64f_I, 1); ZT_CHECKS(zorsFlip_8u, 1); ZT_CHECKS(zorsFlip_8u_I, 1); ZT_CHECKS(zorsImag_16sc, 1);
    ZT_CHECKS(zorsImag_32fc, 1); ZT_CHECKS(zorsImag_64fc, 1); ZT_CHECKS(zorsMove_16s, 1); ZT_CHECKS(zorsMove_16sc, 1);
    ZT_CHECKS(zorsMove_32f, 1); ZT_CHECKS(zorsMove_32fc, 1); ZT_CHECKS(zorsMove_64f, 1); ZT_CHECKS(zorsMove_64fc, 1);
    ZT_CHECKS(zorsMove_8u, 1); ZT_CHECKS(zorsReal_16sc, 1); ZT_CHECKS(zorsReal_32fc, 1); ZT_CHECKS(zorsReal_64fc, 1);
    ZT_CHECKS(zorsSet_16s, 1); ZT_CHECKS(zorsSet_16sc, 1); ZT_CHECKS(zorsSet_32f, 1); ZT_CHECKS(zorsSet_32fc, 1);
    ZT_CHECKS(zorsSet_32s, 1); ZT_CHECKS(zorsSet_32sc, 1); ZT_CHECKS(zorsSet_64f, 1); ZT_CHECKS(zorsSet_64fc, 1);
    ZT_CHECKS(zorsSet_64s, 1); ZT_CHECKS(zorsSet_64sc, 1); ZT_CHECKS(zorsSet_8u, 1); ZT_CHECKS(zorsZero_16s, 1);
    ZT_CHECKS(zorsZero_16sc, 1); ZT_CHECKS(zorsZero_32f, 1); ZT_CHECKS(zorsZero_32fc, 1); ZT_CHECKS(zorsZero_64f, 1);
    ZT_CHECKS(zorsZero_64fc, 1); ZT_CHECKS(zorsZero_8u, 1);
}

struct ErrorCase {
    const char* what;
    std::function<ZorStatus(Zor32f* out)> call;
    ZorStatus want;
};

// The members whose order departs from the usual one.
TEST(Buffer, DepartingCheckOrders) {
    Zor32f src[8] = {};
    const Zor32f* chans[2] = {src, nullptr};
    const Zor32f* good[2] = {src, src};
    auto c32 = [](Zor32f* p) { return reinterpret_cast<Zor32fc*>(p); };
    auto s16 = [](Zor32f* p) { return reinterpret_cast<Zor16s*>(p); };
    const ErrorCase cases[] = {
        {"RealToCplx null dst first", [&](Zor32f*) { return zorsRealToCplx_32f(nullptr, nullptr, nullptr, 0); }, zorStsNullPtrErr},
        {"RealToCplx len before parts", [&](Zor32f* o) { return zorsRealToCplx_32f(nullptr, nullptr, c32(o), 0); }, zorStsSizeErr},
        {"RealToCplx both parts null", [&](Zor32f* o) { return zorsRealToCplx_32f(nullptr, nullptr, c32(o), 2); }, zorStsNullPtrErr},
        {"Join null dst first", [&](Zor32f*) { return zorsJoin_32f16s_D2L(nullptr, 0, 0, nullptr); }, zorStsNullPtrErr},
        {"Join counts before channels", [&](Zor32f* o) { return zorsJoin_32f16s_D2L(nullptr, 0, 2, s16(o)); }, zorStsSizeErr},
        {"Join chanLen 0", [&](Zor32f* o) { return zorsJoin_32f16s_D2L(good, 2, 0, s16(o)); }, zorStsSizeErr},
        {"Join null table", [&](Zor32f* o) { return zorsJoin_32f16s_D2L(nullptr, 2, 2, s16(o)); }, zorStsNullPtrErr},
        {"Join null channel", [&](Zor32f* o) { return zorsJoin_32f16s_D2L(chans, 2, 2, s16(o)); }, zorStsNullPtrErr},
    };
    for (const ErrorCase& c : cases) {
        Guarded<Zor32f> out(8);
        EXPECT_EQ(c.call(out.data()), c.want) << c.what;
        EXPECT_TRUE(out.untouched()) << c.what;
    }
}

}  // namespace
