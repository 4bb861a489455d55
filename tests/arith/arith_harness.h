// Sweeps shared by the arith tests: every dispatch level, lengths that cover
// head, body and tail, misaligned pointers, scale factors, edge-heavy data.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

#include "tests/common.h"
#include "tests/ref/arith_ref.h"

// Call wrappers: run(a, b, d, n, sf) and run_i(a, sd, n, sf) for two
// vectors, run(a, v, d, n, sf) and run_i(v, sd, n, sf) with a constant,
// ONE* for one-vector members (the second vector of the harness unused; the
// in-place form works on a copy of the first).
#define VV_S(f) [](auto* a, auto* b, auto* d, int n, int sf) { return f(a, b, d, n, sf); }
#define VV(f) [](auto* a, auto* b, auto* d, int n, int) { return f(a, b, d, n); }
#define VI_S(f) [](auto* a, auto* sd, int n, int sf) { return f(a, sd, n, sf); }
#define VI(f) [](auto* a, auto* sd, int n, int) { return f(a, sd, n); }
#define VC_S(f) [](auto* a, auto v, auto* d, int n, int sf) { return f(a, v, d, n, sf); }
#define VC(f) [](auto* a, auto v, auto* d, int n, int) { return f(a, v, d, n); }
#define CI_S(f) [](auto v, auto* sd, int n, int sf) { return f(v, sd, n, sf); }
#define CI(f) [](auto v, auto* sd, int n, int) { return f(v, sd, n); }
#define ONE_S(f) [](auto* a, auto*, auto* d, int n, int sf) { return f(a, d, n, sf); }
#define ONE_IS(f) [](auto* a, auto* sd, int n, int sf) { std::copy(a, a + n, sd); return f(sd, n, sf); }
#define ONE(f) [](auto* a, auto*, auto* d, int n, int) { return f(a, d, n); }
#define ONE_I(f) [](auto* a, auto* sd, int n, int) { std::copy(a, a + n, sd); return f(sd, n); }
// A reference of two operands (or the same reversed) without a factor.
#define W2(fn) [](auto a, auto b, int) { return fn(a, b); }
#define W2REV(fn) [](auto a, auto b, int) { return fn(b, a); }

namespace at {

using zt::Guarded;

template <class T>
T pick(zt::Rng& rng) {
    if constexpr (zref::is_cplx<T>::value) {
        using P = zref::part_of<T>;
        return T{pick<P>(rng), pick<P>(rng)};
    } else if constexpr (std::is_integral_v<T>) {
        using L = std::numeric_limits<T>;
        switch (rng.bits() % 10) {
        case 0: return L::min();
        case 1: return L::max();
        case 2: return T(0);
        case 3: return T(1);
        case 4: return L::is_signed ? T(-1) : T(L::max() - 1);
        case 5: return L::is_signed ? T(L::min() + 1) : T(2);
        case 6: return T(rng.any<T>() % 8);
        default: return rng.any<T>();
        }
    } else {
        // Special values now and then, otherwise finite values of moderate
        // range with exact halves among them.
        using L = std::numeric_limits<T>;
        switch (rng.bits() % 24) {
        case 0: return L::quiet_NaN();
        case 1: return L::infinity();
        case 2: return -L::infinity();
        case 3: return T(-0.0);
        case 4: return T(0);
        case 5: return L::denorm_min() * T(3);
        case 6: return L::max();
        default: break;
        }
        const auto k = static_cast<std::int64_t>(rng.bits() % 2001) - 1000;
        return static_cast<T>(static_cast<double>(k) / 8.0 * (rng.bits() % 4 == 0 ? 1e6 : 1.0));
    }
}

// Finite values only (for the members whose tests need them).
template <class T>
T pick_finite(zt::Rng& rng) {
    for (;;) {
        const T v = pick<T>(rng);
        if constexpr (std::is_floating_point_v<T>) {
            if (std::isfinite(v)) return v;
        } else {
            return v;
        }
    }
}

template <class T>
void fill(T* p, int n, zt::Rng& rng) {
    for (int i = 0; i < n; ++i) p[i] = pick<T>(rng);
}

// Equal bits, except that any two NaNs count as equal (the payload of a
// propagated NaN may depend on the order of commuted operands).
template <class T>
bool same(const T& a, const T& b) {
    if constexpr (std::is_floating_point_v<T>) return (std::isnan(a) && std::isnan(b)) || zt::same_bits(a, b);
    else if constexpr (std::is_same_v<T, Zor32fc> || std::is_same_v<T, Zor64fc>) return same(a.re, b.re) && same(a.im, b.im);
    else return zt::same_bits(a, b);
}

// No element warns.
struct NoWarn {
    template <class A, class B> bool operator()(const A&, const B&) const { return false; }
};

// Every factor from -40 to 70 and the 32-bit extremes.
inline std::vector<int> all_factors() {
    std::vector<int> v;
    for (int s = -40; s <= 70; ++s) v.push_back(s);
    for (int s : {INT_MIN, INT_MIN + 1, -1000, 1000, INT_MAX}) v.push_back(s);
    return v;
}

// Factors for the long vectors: each mode of the scale rule once.
inline std::vector<int> mode_factors() { return {0, 1, 5, 31, -1, -40, INT_MAX}; }

inline std::vector<int> short_lengths() { return {1, 2, 3, 5, 8, 15, 17, 32, 33, 64, 70}; }

// In-place forms ride along: run_i(a, sd, len, sf) on a copy of the second
// operand (or val, sd, len, sf on a copy of the vector) must give the same
// status and output; pass nullptr for members without one.
#define ZT_SAME_INPLACE(call, src, ref, st)                                                   \
    if constexpr (!std::is_same_v<RunI, std::nullptr_t>) {                                    \
        using SD = std::remove_reference_t<decltype(*src)>;                                   \
        Guarded<SD> sd(len, ((len + 1) % 4) * alignof(SD));                                   \
        std::copy(src, src + len, sd.data());                                                 \
        ASSERT_EQ(call, st) << "in place, sf " << sf << " len " << len;                     \
        for (int i = 0; i < len; ++i) ASSERT_TRUE(same(sd[i], ref[i])) << "in place, sf " << sf << " i " << i; \
        ASSERT_TRUE(sd.guards_intact());                                                      \
    }

// Short lengths run at every factor, all lengths at one factor per mode.
template <class Pass>
void sweep(bool scaled, Pass pass) {
    zt::for_each_isa([&](zors::Isa) {
        for (int sf : scaled ? all_factors() : std::vector<int>{0})
            for (int len : short_lengths()) pass(sf, len);
        for (int sf : scaled ? mode_factors() : std::vector<int>{0})
            for (int len : zt::test_lengths()) pass(sf, len);
    });
}

// A two-vector member: run(a, b, d, len, sf) writes want(a[i], b[i], sf).
template <class A, class B, class D, class Run, class RunI, class Want, class Warn = NoWarn>
void check_vv(Run run, RunI run_i, Want want, bool scaled = true, Warn warn = {}, ZorStatus code = zorStsNoErr) {
    zt::Rng rng(101);
    sweep(scaled, [&](int sf, int len) {
        const int off = len % 3;
        Guarded<A> a(len, (off + (len & 1)) * alignof(A));
        Guarded<B> b(len, (len % 2) * alignof(B));
        Guarded<D> d(len, off * alignof(D));
        fill(a.data(), len, rng);
        fill(b.data(), len, rng);
        bool warned = false;
        for (int i = 0; i < len; ++i) warned = warned || warn(a[i], b[i]);
        const ZorStatus st = warned ? code : zorStsNoErr;
        ASSERT_EQ(run(a.data(), b.data(), d.data(), len, sf), st) << "sf " << sf << " len " << len;
        for (int i = 0; i < len; ++i) {
            const D w = want(a[i], b[i], sf);
            ASSERT_TRUE(same(d[i], w)) << "sf " << sf << " len " << len << " i " << i << " got " << testing::PrintToString(d[i]) << " want " << testing::PrintToString(w) << " from " << testing::PrintToString(a[i]) << ", " << testing::PrintToString(b[i]);
        }
        ASSERT_TRUE(d.guards_intact());
        ZT_SAME_INPLACE(run_i(a.data(), sd.data(), len, sf), b.data(), d, st)
    });
}

// A vector-and-constant member: run(a, val, d, len, sf) writes want(a[i], val, sf).
struct AnyConstant {
    template <class C> bool operator()(const C&) const { return true; }
};

template <class A, class C, class D, class Run, class RunI, class Want, class Accept = AnyConstant>
void check_vc(Run run, RunI run_i, Want want, bool scaled = true, Accept accept = {}) {
    zt::Rng rng(303);
    sweep(scaled, [&](int sf, int len) {
        Guarded<A> a(len, (len % 3) * alignof(A));
        Guarded<D> d(len, (len % 5) * alignof(D));
        fill(a.data(), len, rng);
        C val = pick<C>(rng);
        while (!accept(val)) val = pick<C>(rng);
        const ZorStatus st = run(a.data(), val, d.data(), len, sf);
        ASSERT_GE(st, 0) << "sf " << sf << " len " << len;
        for (int i = 0; i < len; ++i)
            ASSERT_TRUE(same(d[i], want(a[i], val, sf))) << "sf " << sf << " len " << len << " i " << i;
        ASSERT_TRUE(d.guards_intact());
        ZT_SAME_INPLACE(run_i(val, sd.data(), len, sf), a.data(), d, st)
    });
}

// Multiply-accumulate: run(a, b, d, len, sf) leaves want(a[i], b[i], d[i], sf).
template <class S, class D, class Run, class Want>
void check_acc(Run run, Want want, bool scaled) {
    zt::Rng rng(55);
    sweep(scaled, [&](int sf, int len) {
        Guarded<S> a(len, 1 * alignof(S)), b(len, 2 * alignof(S));
        Guarded<D> d(len, 3 * alignof(D));
        fill(a.data(), len, rng);
        fill(b.data(), len, rng);
        fill(d.data(), len, rng);
        std::vector<D> w(d.data(), d.data() + len);
        for (int i = 0; i < len; ++i) w[i] = want(a[i], b[i], w[i], sf);
        ASSERT_EQ(run(a.data(), b.data(), d.data(), len, sf), zorStsNoErr);
        for (int i = 0; i < len; ++i) ASSERT_TRUE(same(d[i], w[i])) << "sf " << sf << " len " << len << " i " << i;
        ASSERT_TRUE(d.guards_intact());
    });
}

}  // namespace at
