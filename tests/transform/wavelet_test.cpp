// Wavelet filter banks against a naive filter-bank reference (long double
// sums over the whole stream), block continuation (chained calls equal one
// long call bit for bit), delay-line save and restore, perfect
// reconstruction with an orthogonal filter pair, the argument and state
// checks; Haar transforms against exact integer references.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/common.h"
#include "tests/ref/scale_ref.h"

namespace {

// One forward kind: its input type and members, through type-erased calls.
template <class T, class S>
struct FwdKind {
    const char* name;
    ZorStatus (*init)(S**, const Zor32f*, int, int, const Zor32f*, int, int);
    ZorStatus (*free)(S*);
    ZorStatus (*run)(const T*, Zor32f*, Zor32f*, int, S*);
    ZorStatus (*get)(const S*, Zor32f*, Zor32f*);
    ZorStatus (*set)(S*, const Zor32f*, const Zor32f*);
};

template <class T, class S>
struct InvKind {
    const char* name;
    ZorStatus (*init)(S**, const Zor32f*, int, int, const Zor32f*, int, int);
    ZorStatus (*free)(S*);
    ZorStatus (*run)(const Zor32f*, const Zor32f*, int, T*, S*);
    ZorStatus (*get)(const S*, Zor32f*, Zor32f*);
    ZorStatus (*set)(S*, const Zor32f*, const Zor32f*);
};

#define ZT_FWD(sfx, T) FwdKind<T, ZorsWTFwdState_##sfx>{#sfx, zorsWTFwdInitAlloc_##sfx, zorsWTFwdFree_##sfx, zorsWTFwd_##sfx, zorsWTFwdGetDlyLine_##sfx, zorsWTFwdSetDlyLine_##sfx}
#define ZT_INV(sfx, T) InvKind<T, ZorsWTInvState_##sfx>{#sfx, zorsWTInvInitAlloc_##sfx, zorsWTInvFree_##sfx, zorsWTInv_##sfx, zorsWTInvGetDlyLine_##sfx, zorsWTInvSetDlyLine_##sfx}

template <class T>
std::vector<T> signal(zt::Rng& rng, int n) {
    std::vector<T> v(n);
    for (auto& x : v) {
        if constexpr (std::is_floating_point_v<T>) x = static_cast<T>((static_cast<int>(rng.bits() % 20001) - 10000) / 1000.0);
        else x = rng.any<T>();
    }
    return v;
}

std::vector<float> taps(zt::Rng& rng, int n) {
    std::vector<float> h(n);
    for (auto& v : h) v = static_cast<float>((static_cast<int>(rng.bits() % 2001) - 1000) / 1000.0);
    return h;
}

// Naive forward band: y[m] = sum_k h[k] x[2m - d - k], x before 0 taken
// from `past` (newest last) and zero beyond it.
template <class T>
std::vector<long double> fwd_ref(const std::vector<T>& x, const std::vector<float>& h, int d, const std::vector<float>& past = {}) {
    const int outs = static_cast<int>(x.size()) / 2;
    std::vector<long double> y(outs);
    for (int m = 0; m < outs; ++m) {
        long double acc = 0;
        for (int k = 0; k < static_cast<int>(h.size()); ++k) {
            const long n = 2L * m - d - k;
            long double v = 0;
            if (n >= 0) v = x[n];
            else if (-n <= static_cast<long>(past.size())) v = past[past.size() + n];
            acc += static_cast<long double>(h[k]) * v;
        }
        y[m] = acc;
    }
    return y;
}

// Naive inverse band: the m-th value leaving the offset line, v[m - d/2],
// sits at 2m + (d & 1); z[n] = sum_k h[k] w[n - k].
std::vector<long double> inv_ref(const std::vector<float>& v, const std::vector<float>& h, int d) {
    const int n_out = 2 * static_cast<int>(v.size());
    const int D = d / 2, p = d & 1;
    std::vector<long double> w(n_out + 2, 0);
    for (int m = 0; 2 * m + p < n_out; ++m) w[2 * m + p] = (m - D >= 0 && m - D < static_cast<int>(v.size())) ? v[m - D] : 0.0f;
    std::vector<long double> z(n_out);
    for (int n = 0; n < n_out; ++n) {
        long double acc = 0;
        for (int k = 0; k < static_cast<int>(h.size()) && k <= n; ++k) acc += static_cast<long double>(h[k]) * w[n - k];
        z[n] = acc;
    }
    return z;
}

// |got - exact| within one float ulp of the sum of absolute terms.
bool near(float got, long double exact, long double scale) {
    return std::fabs(got - exact) <= (scale + 1e-30L) * 0x1p-23L;
}

const int kOffsets[] = {-1, 0, 1, 2, 5};
const int kLens[] = {1, 2, 3, 4, 7, 12};

template <class T, class S>
void check_forward(const FwdKind<T, S>& k) {
    SCOPED_TRACE(k.name);
    zt::Rng rng(61);
    for (int L : kLens) {
        for (int d : kOffsets) {
            SCOPED_TRACE(testing::Message() << "taps " << L << " offset " << d);
            const auto hl = taps(rng, L), hh = taps(rng, L + 1);
            const int outs = 1300;  // crosses the integer kinds' conversion blocks
            const auto x = signal<T>(rng, 2 * outs);
            S* st = nullptr;
            ASSERT_EQ(k.init(&st, hl.data(), L, d, hh.data(), L + 1, -1), zorStsNoErr);
            std::vector<Zor32f> lo(outs), hi(outs);
            ASSERT_EQ(k.run(x.data(), lo.data(), hi.data(), outs, st), zorStsNoErr);
            const auto rl = fwd_ref(x, hl, d), rh = fwd_ref(x, hh, -1);
            std::vector<long double> abs_x(x.begin(), x.end());
            for (auto& v : abs_x) v = std::fabs(v);
            std::vector<float> hla(hl), hha(hh);
            for (auto& v : hla) v = std::fabs(v);
            for (auto& v : hha) v = std::fabs(v);
            const auto sl = fwd_ref(abs_x, hla, d), sh = fwd_ref(abs_x, hha, -1);
            for (int m = 0; m < outs; ++m) {
                ASSERT_TRUE(near(lo[m], rl[m], sl[m])) << "low " << m << ": " << lo[m] << " vs " << rl[m];
                ASSERT_TRUE(near(hi[m], rh[m], sh[m])) << "high " << m << ": " << hi[m] << " vs " << rh[m];
            }
            // Chained calls on blocks of varied sizes give the same values.
            S* st2 = nullptr;
            ASSERT_EQ(k.init(&st2, hl.data(), L, d, hh.data(), L + 1, -1), zorStsNoErr);
            std::vector<Zor32f> lo2(outs), hi2(outs);
            int done = 0, step = 1;
            while (done < outs) {
                const int n = std::min(step, outs - done);
                ASSERT_EQ(k.run(x.data() + 2 * done, lo2.data() + done, hi2.data() + done, n, st2), zorStsNoErr);
                done += n;
                step = step * 3 % 700 + 1;
            }
            EXPECT_EQ(std::memcmp(lo.data(), lo2.data(), sizeof(Zor32f) * outs), 0);
            EXPECT_EQ(std::memcmp(hi.data(), hi2.data(), sizeof(Zor32f) * outs), 0);
            // The delay line is the latest input stretch, oldest first:
            // L - 1 - p history samples, then max(d, 0) offset samples.
            const int pl = (L - 1 - (d == -1 ? 1 : 0) > 0 ? L - 1 - (d == -1 ? 1 : 0) : 0) + (d > 0 ? d : 0);
            const int ph = L - 1;  // high band: L + 1 taps, offset -1
            std::vector<Zor32f> dl(pl + 1, -7.0f), dh(ph + 1, -7.0f);
            ASSERT_EQ(k.get(st, dl.data(), dh.data()), zorStsNoErr);
            for (int i = 0; i < pl; ++i) ASSERT_EQ(dl[i], static_cast<float>(x[x.size() - pl + i])) << i;
            for (int i = 0; i < ph; ++i) ASSERT_EQ(dh[i], static_cast<float>(x[x.size() - ph + i])) << i;
            EXPECT_EQ(dl[pl], -7.0f);
            EXPECT_EQ(dh[ph], -7.0f);
            // Restoring it into a fresh state continues the stream.
            const auto y = signal<T>(rng, 40);
            S* st3 = nullptr;
            ASSERT_EQ(k.init(&st3, hl.data(), L, d, hh.data(), L + 1, -1), zorStsNoErr);
            ASSERT_EQ(k.set(st3, dl.data(), dh.data()), zorStsNoErr);
            std::vector<Zor32f> a(20), b(20), c(20), e(20);
            ASSERT_EQ(k.run(y.data(), a.data(), b.data(), 20, st), zorStsNoErr);
            ASSERT_EQ(k.run(y.data(), c.data(), e.data(), 20, st3), zorStsNoErr);
            EXPECT_EQ(std::memcmp(a.data(), c.data(), sizeof a[0] * 20), 0);
            EXPECT_EQ(std::memcmp(b.data(), e.data(), sizeof b[0] * 20), 0);
            for (S* s : {st, st2, st3}) ASSERT_EQ(k.free(s), zorStsNoErr);
        }
    }
}

TEST(Wavelet, ForwardBanksMatchTheNaiveFilterBank) {
    check_forward(ZT_FWD(32f, Zor32f));
    check_forward(ZT_FWD(8u32f, Zor8u));
    check_forward(ZT_FWD(8s32f, Zor8s));
    check_forward(ZT_FWD(16u32f, Zor16u));
    check_forward(ZT_FWD(16s32f, Zor16s));
}

TEST(Wavelet, UnitTapsPickSamplesByOffset) {
    const float one = 1.0f;
    const std::vector<float> x = {10, 11, 12, 13, 14, 15};
    struct Case { int offs; float want[3]; };
    for (const Case& c : {Case{0, {10, 12, 14}}, Case{-1, {11, 13, 15}}, Case{1, {0, 11, 13}}}) {
        ZorsWTFwdState_32f* st;
        ASSERT_EQ(zorsWTFwdInitAlloc_32f(&st, &one, 1, c.offs, &one, 1, c.offs), zorStsNoErr);
        float lo[3], hi[3];
        ASSERT_EQ(zorsWTFwd_32f(x.data(), lo, hi, 3, st), zorStsNoErr);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(lo[i], c.want[i]) << "offset " << c.offs;
            EXPECT_EQ(hi[i], c.want[i]) << "offset " << c.offs;
        }
        zorsWTFwdFree_32f(st);
    }
}

template <class T, class S>
void check_inverse(const InvKind<T, S>& k) {
    SCOPED_TRACE(k.name);
    zt::Rng rng(71);
    for (int L : kLens) {
        for (int d : kOffsets) {
            SCOPED_TRACE(testing::Message() << "taps " << L << " offset " << d);
            const auto hl = taps(rng, L), hh = taps(rng, L + 2);
            const int n = 700;  // 1400 outputs cross the conversion blocks
            std::vector<float> vl(n), vh(n);
            for (int i = 0; i < n; ++i) {
                vl[i] = static_cast<float>((static_cast<int>(rng.bits() % 2001) - 1000) / 10.0);
                vh[i] = static_cast<float>((static_cast<int>(rng.bits() % 2001) - 1000) / 10.0);
            }
            S* st = nullptr;
            ZorsWTInvState_32f* sf = nullptr;
            ASSERT_EQ(k.init(&st, hl.data(), L, d, hh.data(), L + 2, d + 1), zorStsNoErr);
            ASSERT_EQ(zorsWTInvInitAlloc_32f(&sf, hl.data(), L, d, hh.data(), L + 2, d + 1), zorStsNoErr);
            std::vector<T> out(2 * n);
            std::vector<float> f(2 * n);
            ASSERT_EQ(k.run(vl.data(), vh.data(), n, out.data(), st), zorStsNoErr);
            ASSERT_EQ(zorsWTInv_32f(vl.data(), vh.data(), n, f.data(), sf), zorStsNoErr);
            const auto zl = inv_ref(vl, hl, d), zh = inv_ref(vh, hh, d + 1);
            for (int i = 0; i < 2 * n; ++i) {
                ASSERT_NEAR(f[i], static_cast<double>(zl[i] + zh[i]), 2e-4) << "output " << i;
                if constexpr (!std::is_same_v<T, float>) {
                    // The integer kinds round the floating result to nearest and saturate.
                    const long double r = std::nearbyint(static_cast<long double>(f[i]));
                    const long double lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
                    ASSERT_EQ(out[i], static_cast<T>(r < lo ? lo : (r > hi ? hi : r))) << "output " << i;
                } else {
                    ASSERT_EQ(out[i], f[i]);
                }
            }
            // Chained calls equal the single call; the delay line restores.
            S* st2 = nullptr;
            ASSERT_EQ(k.init(&st2, hl.data(), L, d, hh.data(), L + 2, d + 1), zorStsNoErr);
            std::vector<T> out2(2 * n);
            int done = 0, step = 2;
            while (done < n) {
                const int m = std::min(step, n - done);
                ASSERT_EQ(k.run(vl.data() + done, vh.data() + done, m, out2.data() + 2 * done, st2), zorStsNoErr);
                done += m;
                step = step * 5 % 600 + 1;
            }
            EXPECT_EQ(std::memcmp(out.data(), out2.data(), sizeof(T) * 2 * n), 0);
            std::vector<Zor32f> dl(64, 0), dh(64, 0);
            ASSERT_EQ(k.get(st, dl.data(), dh.data()), zorStsNoErr);
            const int ql = (L + (d & 1) - 1) / 2 + d / 2;
            for (int i = 0; i < ql; ++i) EXPECT_EQ(dl[i], vl[n - ql + i]) << i;
            S* st3 = nullptr;
            ASSERT_EQ(k.init(&st3, hl.data(), L, d, hh.data(), L + 2, d + 1), zorStsNoErr);
            ASSERT_EQ(k.set(st3, dl.data(), dh.data()), zorStsNoErr);
            std::vector<T> a(20), b(20);
            ASSERT_EQ(k.run(vh.data(), vl.data(), 10, a.data(), st), zorStsNoErr);
            ASSERT_EQ(k.run(vh.data(), vl.data(), 10, b.data(), st3), zorStsNoErr);
            EXPECT_EQ(std::memcmp(a.data(), b.data(), sizeof(T) * 20), 0);
            for (S* s : {st, st2, st3}) ASSERT_EQ(k.free(s), zorStsNoErr);
            ASSERT_EQ(zorsWTInvFree_32f(sf), zorStsNoErr);
        }
    }
}

TEST(Wavelet, InverseBanksMatchTheNaiveFilterBank) {
    check_inverse(ZT_INV(32f, Zor32f));
    check_inverse(ZT_INV(32f8u, Zor8u));
    check_inverse(ZT_INV(32f8s, Zor8s));
    check_inverse(ZT_INV(32f16u, Zor16u));
    check_inverse(ZT_INV(32f16s, Zor16s));
}

TEST(Wavelet, OrthogonalPairReconstructsTheSignal) {
    // Daubechies 4-tap analysis filters; synthesis filters time-reversed.
    const double s3 = std::sqrt(3.0), den = 4 * std::sqrt(2.0);
    const float h[4] = {static_cast<float>((1 + s3) / den), static_cast<float>((3 + s3) / den),
                        static_cast<float>((3 - s3) / den), static_cast<float>((1 - s3) / den)};
    const float g[4] = {h[3], -h[2], h[1], -h[0]};
    const float hr[4] = {h[3], h[2], h[1], h[0]}, gr[4] = {g[3], g[2], g[1], g[0]};
    zt::Rng rng(3);
    const auto x = signal<float>(rng, 512);
    ZorsWTFwdState_32f* fs;
    ZorsWTInvState_32f* is;
    ASSERT_EQ(zorsWTFwdInitAlloc_32f(&fs, h, 4, 0, g, 4, 0), zorStsNoErr);
    ASSERT_EQ(zorsWTInvInitAlloc_32f(&is, hr, 4, 0, gr, 4, 0), zorStsNoErr);
    std::vector<float> lo(256), hi(256), y(512);
    ASSERT_EQ(zorsWTFwd_32f(x.data(), lo.data(), hi.data(), 256, fs), zorStsNoErr);
    ASSERT_EQ(zorsWTInv_32f(lo.data(), hi.data(), 256, y.data(), is), zorStsNoErr);
    // The bank delays the signal by L - 1 = 3 samples.
    for (int n = 3; n < 512; ++n) ASSERT_NEAR(y[n], x[n - 3], 1e-4) << n;
    zorsWTFwdFree_32f(fs);
    zorsWTInvFree_32f(is);
}

TEST(Wavelet, ChecksInTheirOrder) {
    const float t[3] = {1, 2, 3};
    ZorsWTFwdState_32f* st = reinterpret_cast<ZorsWTFwdState_32f*>(std::uintptr_t{0x1234});
    ZorsWTFwdState_32f* const sentinel = st;
    EXPECT_EQ(zorsWTFwdInitAlloc_32f(nullptr, t, 3, 0, t, 3, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwdInitAlloc_32f(&st, nullptr, 0, -5, t, 3, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwdInitAlloc_32f(&st, t, 0, -5, nullptr, 3, 0), zorStsSizeErr);
    EXPECT_EQ(zorsWTFwdInitAlloc_32f(&st, t, 3, -5, nullptr, 0, 0), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwdInitAlloc_32f(&st, t, 3, -5, t, 0, 0), zorStsSizeErr);
    EXPECT_EQ(zorsWTFwdInitAlloc_32f(&st, t, 3, -2, t, 3, 0), zorStsWtOffsetErr);
    EXPECT_EQ(zorsWTInvInitAlloc_32f8u(nullptr, t, 3, 0, t, 3, 0), zorStsNullPtrErr);
    EXPECT_EQ(reinterpret_cast<ZorsWTInvState_32f8u*>(st), reinterpret_cast<ZorsWTInvState_32f8u*>(sentinel));
    EXPECT_EQ(zorsWTInvInitAlloc_32f(reinterpret_cast<ZorsWTInvState_32f**>(&st), t, 3, 0, t, 3, -2), zorStsWtOffsetErr);
    EXPECT_EQ(st, sentinel);
    EXPECT_EQ(zorsWTFwdInitAlloc_32f(&st, t, 3, 0, t, 2, 2147483647), zorStsMemAllocErr);
    EXPECT_EQ(st, nullptr);

    ZorsWTFwdState_32f* f;
    ZorsWTInvState_32f* inv;
    ZorsWTFwdState_16s32f* f16;
    ASSERT_EQ(zorsWTFwdInitAlloc_32f(&f, t, 3, -1, t, 2, 1), zorStsNoErr);
    ASSERT_EQ(zorsWTInvInitAlloc_32f(&inv, t, 3, 3, t, 1, -1), zorStsNoErr);
    ASSERT_EQ(zorsWTFwdInitAlloc_16s32f(&f16, t, 3, 0, t, 3, 0), zorStsNoErr);
    float src[8] = {}, lo[4], hi[4];
    std::memset(lo, 0x5A, sizeof lo);
    std::memset(hi, 0x5A, sizeof hi);
    float lo0[4];
    std::memcpy(lo0, lo, sizeof lo);
    // State first: null -8, wrong kind -17, then the data.
    EXPECT_EQ(zorsWTFwd_32f(nullptr, lo, hi, 0, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwd_32f(nullptr, lo, hi, 0, reinterpret_cast<ZorsWTFwdState_32f*>(inv)), zorStsContextMatchErr);
    EXPECT_EQ(zorsWTFwd_32f(src, lo, hi, 2, reinterpret_cast<ZorsWTFwdState_32f*>(f16)), zorStsContextMatchErr);
    EXPECT_EQ(zorsWTFwd_32f(nullptr, lo, hi, 0, f), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwd_32f(src, lo, nullptr, 0, f), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwd_32f(src, lo, hi, 0, f), zorStsSizeErr);
    EXPECT_EQ(zorsWTInv_32f(nullptr, hi, 0, nullptr, inv), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTInv_32f(lo, hi, 0, nullptr, inv), zorStsSizeErr);
    EXPECT_EQ(zorsWTInv_32f(lo, hi, 2, nullptr, inv), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTInv_32f(lo, hi, 2, src, reinterpret_cast<ZorsWTInvState_32f*>(f)), zorStsContextMatchErr);
    EXPECT_EQ(zorsWTFwdGetDlyLine_32f(nullptr, lo, hi), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwdGetDlyLine_32f(f, lo, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTFwdSetDlyLine_32f(f, nullptr, hi), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTInvGetDlyLine_32f(reinterpret_cast<ZorsWTInvState_32f*>(f), lo, hi), zorStsContextMatchErr);
    EXPECT_EQ(zorsWTFwdFree_16u32f(reinterpret_cast<ZorsWTFwdState_16u32f*>(f16)), zorStsContextMatchErr);
    EXPECT_EQ(zorsWTFwdFree_32f(nullptr), zorStsNullPtrErr);
    EXPECT_EQ(std::memcmp(lo, lo0, sizeof lo), 0);
    EXPECT_EQ(std::memcmp(hi, lo0, sizeof hi), 0);
    // An inconsistent state (a corrupted field) is rejected like a wrong kind.
    std::uint32_t words[4];
    std::memcpy(words, f, sizeof words);
    const std::uint32_t saved = words[2];
    words[2] = 0xFFFFFFF0u;  // the low band's taps beyond the block
    std::memcpy(f, words, sizeof words);
    EXPECT_EQ(zorsWTFwd_32f(src, lo, hi, 2, f), zorStsContextMatchErr);
    words[2] = saved;
    std::memcpy(f, words, sizeof words);
    EXPECT_EQ(zorsWTFwd_32f(src, lo, hi, 2, f), zorStsNoErr);
    EXPECT_EQ(zorsWTFwdFree_32f(f), zorStsNoErr);
    EXPECT_EQ(zorsWTInvFree_32f(inv), zorStsNoErr);
    EXPECT_EQ(zorsWTFwdFree_16s32f(f16), zorStsNoErr);
}

// ---- Haar --------------------------------------------------------------------

template <class T>
struct HaarKind {
    const char* name;
    ZorStatus (*fwd)(const T*, int, T*, T*);
    ZorStatus (*fwd_sfs)(const T*, int, T*, T*, int);
    ZorStatus (*inv)(const T*, const T*, T*, int);
    ZorStatus (*inv_sfs)(const T*, const T*, T*, int, int);
};

template <class T>
void check_haar(const HaarKind<T>& k) {
    SCOPED_TRACE(k.name);
    zt::Rng rng(13);
    using L = std::numeric_limits<T>;
    for (int len : {1, 2, 3, 8, 33, 200}) {
        std::vector<T> x(len);
        for (int i = 0; i < len; ++i) {
            const int kind = static_cast<int>(rng.bits() % 4);
            x[i] = kind == 0 ? L::max() : (kind == 1 ? L::min() : rng.any<T>());
        }
        const int half = (len + 1) / 2, pairs = len / 2;
        for (int sf : {0, 1, 2, 5, -1, -3, 17, 40, 70, -70}) {
            SCOPED_TRACE(testing::Message() << "len " << len << " sf " << sf);
            std::vector<T> lo(half + 1, T(7)), hi(pairs + 1, T(7));
            if (sf == 0) ASSERT_EQ(k.fwd(x.data(), len, lo.data(), hi.data()), zorStsNoErr);
            else ASSERT_EQ(k.fwd_sfs(x.data(), len, lo.data(), hi.data(), sf), zorStsNoErr);
            for (int i = 0; i < pairs; ++i) {
                const long double a = x[2 * i], b = x[2 * i + 1];
                T wl = zref::scale_sat<T>(a + b, sf + 1), wh = zref::scale_sat<T>(b - a, sf + 1);
                if (std::is_same_v<T, Zor32s> && sf == 0 && (static_cast<std::int64_t>(x[2 * i + 1]) >> 1) - (static_cast<std::int64_t>(x[2 * i]) >> 1) == 2147483647) {
                    wl = 0;
                    wh = static_cast<T>(2147483647);
                }
                ASSERT_EQ(lo[i], wl) << "pair " << i;
                ASSERT_EQ(hi[i], wh) << "pair " << i;
            }
            if (len & 1) ASSERT_EQ(lo[pairs], zref::scale_sat<T>(x[len - 1], sf));
            EXPECT_EQ(lo[half], T(7));
            EXPECT_EQ(hi[pairs], T(7));
            std::vector<T> y(len + 1, T(7));
            if (sf == 0) ASSERT_EQ(k.inv(lo.data(), hi.data(), y.data(), len), zorStsNoErr);
            else ASSERT_EQ(k.inv_sfs(lo.data(), hi.data(), y.data(), len, sf), zorStsNoErr);
            for (int i = 0; i < pairs; ++i) {
                const long double l = lo[i], h = hi[i];
                ASSERT_EQ(y[2 * i], zref::scale_sat<T>(l - h, sf));
                ASSERT_EQ(y[2 * i + 1], zref::scale_sat<T>(l + h, sf));
            }
            if (len & 1) ASSERT_EQ(y[len - 1], zref::scale_sat<T>(lo[pairs], sf));
            EXPECT_EQ(y[len], T(7));
        }
    }
}

TEST(Haar, IntegerFormsRoundExactly) {
    check_haar(HaarKind<Zor8s>{"8s", zorsWTHaarFwd_8s, zorsWTHaarFwd_8s_Sfs, zorsWTHaarInv_8s, zorsWTHaarInv_8s_Sfs});
    check_haar(HaarKind<Zor16s>{"16s", zorsWTHaarFwd_16s, zorsWTHaarFwd_16s_Sfs, zorsWTHaarInv_16s, zorsWTHaarInv_16s_Sfs});
    check_haar(HaarKind<Zor32s>{"32s", zorsWTHaarFwd_32s, zorsWTHaarFwd_32s_Sfs, zorsWTHaarInv_32s, zorsWTHaarInv_32s_Sfs});
    check_haar(HaarKind<Zor64s>{"64s", zorsWTHaarFwd_64s, zorsWTHaarFwd_64s_Sfs, zorsWTHaarInv_64s, zorsWTHaarInv_64s_Sfs});
    // Documented pairs.
    const Zor16s p1[2] = {1, 2}, p2[2] = {1, 4};
    Zor16s l, h;
    ASSERT_EQ(zorsWTHaarFwd_16s(p1, 2, &l, &h), zorStsNoErr);
    EXPECT_EQ(l, 2);
    EXPECT_EQ(h, 0);
    ASSERT_EQ(zorsWTHaarFwd_16s(p2, 2, &l, &h), zorStsNoErr);
    EXPECT_EQ(l, 2);
    EXPECT_EQ(h, 2);
    const Zor32s lo = 2147483647, hi = 1;
    Zor32s y[2];
    ASSERT_EQ(zorsWTHaarInv_32s(&lo, &hi, y, 2), zorStsNoErr);
    EXPECT_EQ(y[0], 2147483646);
    EXPECT_EQ(y[1], 2147483647);
    const Zor32s q[2] = {-2147483647 - 1, 2147483646};
    ASSERT_EQ(zorsWTHaarFwd_32s(q, 2, y, y + 1), zorStsNoErr);
    EXPECT_EQ(y[0], 0);
    EXPECT_EQ(y[1], 2147483647);
}

template <class T>
void check_haar_float(ZorStatus (*fwd)(const T*, int, T*, T*), ZorStatus (*inv)(const T*, const T*, T*, int)) {
    zt::Rng rng(2);
    for (int len : {1, 2, 3, 7, 64, 101}) {
        std::vector<T> x(len);
        for (auto& v : x) v = static_cast<T>(static_cast<int>(rng.bits() % 4001) - 2000);
        const int pairs = len / 2;
        std::vector<T> lo((len + 1) / 2), hi(pairs + 1), y(len);
        ASSERT_EQ(fwd(x.data(), len, lo.data(), hi.data()), zorStsNoErr);
        for (int i = 0; i < pairs; ++i) {
            EXPECT_EQ(hi[i], (x[2 * i + 1] - x[2 * i]) * T(0.5));
            EXPECT_EQ(lo[i], (x[2 * i] + x[2 * i + 1]) * T(0.5));  // exact for these integers
        }
        if (len & 1) EXPECT_EQ(lo[pairs], x[len - 1]);
        ASSERT_EQ(inv(lo.data(), hi.data(), y.data(), len), zorStsNoErr);
        EXPECT_EQ(y, x);  // exact round trip for small integers
    }
    const T x3[3] = {1, 3, 7};
    T l[2], h[1];
    ASSERT_EQ(fwd(x3, 3, l, h), zorStsNoErr);
    EXPECT_EQ(l[0], 2);
    EXPECT_EQ(l[1], 7);
    EXPECT_EQ(h[0], 1);
}

TEST(Haar, FloatingFormsAndChecks) {
    check_haar_float(zorsWTHaarFwd_32f, zorsWTHaarInv_32f);
    check_haar_float(zorsWTHaarFwd_64f, zorsWTHaarInv_64f);
    float a[4] = {1, 2, 3, 4}, b[2] = {9, 9}, c[2] = {9, 9};
    EXPECT_EQ(zorsWTHaarFwd_32f(nullptr, 4, b, c), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTHaarFwd_32f(a, 4, b, nullptr), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTHaarFwd_32f(a, 0, b, c), zorStsSizeErr);
    EXPECT_EQ(zorsWTHaarInv_32f(b, c, nullptr, 4), zorStsNullPtrErr);
    EXPECT_EQ(zorsWTHaarInv_32f(b, c, a, -1), zorStsSizeErr);
    Zor16s s[2] = {1, 2}, d[2] = {5, 5};
    EXPECT_EQ(zorsWTHaarFwd_16s_Sfs(s, 0, d, d + 1, 3), zorStsSizeErr);
    EXPECT_EQ(zorsWTHaarInv_64s_Sfs(nullptr, nullptr, nullptr, 0, 1), zorStsNullPtrErr);
    EXPECT_EQ(b[0], 9);
    EXPECT_EQ(d[0], 5);
}

}  // namespace
