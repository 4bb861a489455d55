// Element operations and loops shared by the arith wide bodies. Included only
// by *.simd.cpp files, so everything here lives in the level's namespace.
//
// The loops are plain element loops written for the auto-vectoriser: the
// wide level packs them, and the same loop finishes the tail, so an element
// gets the same value wherever it falls. In-place calls pass the same pointer
// as source and destination; an element is only ever read before it is
// written at the same index, so the loops carry no dependence (ivdep).
#pragma once

#include "frame/isa.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "arith/kernel.h"
#include "frame/simd.h"
#include "frame/types.h"

namespace zors::ZORS_ISA {

template <class T>
inline T constant(const unsigned char (&slot)[16]) {
    T v;
    std::memcpy(&v, slot, sizeof(T));
    return v;
}

// Operand shapes: two vectors, vector and constant, constant and vector
// (reversed forms), and the multiply-accumulate d = f(a, b, d).
enum class Shape { vv, vc, cv, acc };

// The element loops below run two vectors a trip: a loop of one vector is
// short enough for its place across instruction-cache lines to change its
// speed by a third (zorsAdd_32f of 1024 elements: 75 or 106 ns as the code
// around it moved; 62 ns unrolled).
template <Shape S, class A, class B, class D, class F>
inline void map(const ElemArgs& x, F f) {
    const std::size_t n = x.n;
    D* d = static_cast<D*>(x.d);
    if constexpr (S == Shape::vv) {
        const A* a = static_cast<const A*>(x.a);
        const B* b = static_cast<const B*>(x.b);
        write_through(d, n, [=](std::size_t i0, std::size_t i1, D* out) {
#pragma GCC ivdep
#pragma GCC unroll 2
            for (std::size_t i = i0; i < i1; ++i) out[i - i0] = f(a[i], b[i]);
        });
    } else if constexpr (S == Shape::vc) {
        const A* a = static_cast<const A*>(x.a);
        const B c = constant<B>(x.c);
        write_through(d, n, [=](std::size_t i0, std::size_t i1, D* out) {
#pragma GCC ivdep
#pragma GCC unroll 2
            for (std::size_t i = i0; i < i1; ++i) out[i - i0] = f(a[i], c);
        });
    } else if constexpr (S == Shape::cv) {
        const A c = constant<A>(x.c);
        const B* b = static_cast<const B*>(x.a);
        write_through(d, n, [=](std::size_t i0, std::size_t i1, D* out) {
#pragma GCC ivdep
#pragma GCC unroll 2
            for (std::size_t i = i0; i < i1; ++i) out[i - i0] = f(c, b[i]);
        });
    } else {
        // The accumulating destination may overlap a source at an offset:
        // no ivdep and no buffering here, so the compiler's own overlap test
        // keeps the element-by-element order in that case.
        const A* a = static_cast<const A*>(x.a);
        const B* b = static_cast<const B*>(x.b);
        for (std::size_t i = 0; i < n; ++i) d[i] = f(a[i], b[i], d[i]);
    }
}

// One-operand loop: d[i] = f(a[i]).
template <class A, class D, class F>
inline void map1(const ElemArgs& x, F f) {
    const A* a = static_cast<const A*>(x.a);
    write_through(static_cast<D*>(x.d), x.n, [a, f](std::size_t i0, std::size_t i1, D* out) {
#pragma GCC ivdep
#pragma GCC unroll 2
        for (std::size_t i = i0; i < i1; ++i) out[i - i0] = f(a[i]);
    });
}

// ---------------------------------------------------------------------------
// The scale-factor rule, split by the range of the factor so that each loop
// is branch-free. W is a signed width that holds the exact result r, and the
// kernel's RBits bound it: |r| <= 2^RBits.
//   sf > RBits          every output is 0 (the caller writes zeros)
//   sf == 0             saturation
//   0 < sf <= RBits     (r + 2^(sf-1) - 1 + ((r >> sf) & 1)) >> sf, saturated
//   0 < -sf < width(D)  r saturated, shifted left in W, saturated again
//   -sf >= width(D)     the destination's extreme by the sign of r
// These give exactly r * 2^-sf rounded to nearest, ties to even, saturated.
// ---------------------------------------------------------------------------
enum class Mode { sat, round, shl, sign };

template <class D, class W>
inline D clamp_to(W r) {
    constexpr W lo = static_cast<W>(std::numeric_limits<D>::min());
    constexpr W hi = static_cast<W>(std::numeric_limits<D>::max());
    return static_cast<D>(r < lo ? lo : (r > hi ? hi : r));
}

// Halve: the rounding step for a result that uses every bit of W (the 16sc
// product in 32 bits), halving first so that nothing overflows:
// ((r >> 1) + (((r & 1) + 2^(sf-1) - 1 + ((r >> sf) & 1)) >> 1)) >> (sf - 1).
template <class D, class W, Mode M, bool Halve>
struct Scale {
    int s;  // sf for round, -sf for shl
    D operator()(W r) const {
        if constexpr (M == Mode::sat) {
            return clamp_to<D>(r);
        } else if constexpr (M == Mode::round) {
            const W bias = (W{1} << (s - 1)) - 1;
            if constexpr (Halve)
                return clamp_to<D>(((r >> 1) + (((r & 1) + bias + ((r >> s) & 1)) >> 1)) >> (s - 1));
            else
                return clamp_to<D>((r + bias + ((r >> s) & 1)) >> s);
        } else if constexpr (M == Mode::shl) {
            using U = std::make_unsigned_t<W>;
            const W v = clamp_to<D>(r);
            return clamp_to<D>(static_cast<W>(static_cast<U>(v) << s));
        } else {
            return r > 0 ? std::numeric_limits<D>::max() : (r < 0 ? std::numeric_limits<D>::min() : D{0});
        }
    }
};

// Exact integer operations on the widened operands.
struct Add { template <class W> static W on(W x, W y) { return x + y; } };
struct Sub { template <class W> static W on(W x, W y) { return x - y; } };
struct Mul { template <class W> static W on(W x, W y) { return x * y; } };

// a.re*b.im + a.im*b.re for 16-bit parts in 32 bits: the one sum that
// reaches 2^31 (all four parts -32768) is taken as 2^31 - 1, which scales,
// rounds and saturates to the same outputs; no sum reaches -2^31.
template <class W>
inline W add_products(W p, W q) {
    if constexpr (sizeof(W) == 4) {
        const W s = static_cast<W>(static_cast<std::uint32_t>(p) + static_cast<std::uint32_t>(q));
        return s == std::numeric_limits<W>::min() ? std::numeric_limits<W>::max() : s;
    } else {
        return p + q;
    }
}

// One element of a scaled operation: the exact result in W, then Fin.
// Complex operands: Add and Sub work per component, Mul is the complex
// product with each part formed exactly; a real first operand times a
// complex second one scales both parts.
template <class Op, class A, class B, class D, class W, class Fin>
struct ScaledElem {
    Fin fin;
    D operator()(A a, B b) const {
        if constexpr (!is_complex_v<A> && !is_complex_v<B>) {
            return fin(Op::on(static_cast<W>(a), static_cast<W>(b)));
        } else if constexpr (!is_complex_v<A>) {
            return D{fin(Op::on(static_cast<W>(a), static_cast<W>(b.re))),
                     fin(Op::on(static_cast<W>(a), static_cast<W>(b.im)))};
        } else if constexpr (std::is_same_v<Op, Mul>) {
            const W re = static_cast<W>(a.re) * b.re - static_cast<W>(a.im) * b.im;
            const W im = add_products(static_cast<W>(static_cast<W>(a.re) * b.im), static_cast<W>(static_cast<W>(a.im) * b.re));
            return D{fin(re), fin(im)};
        } else {
            return D{fin(Op::on(static_cast<W>(a.re), static_cast<W>(b.re))),
                     fin(Op::on(static_cast<W>(a.im), static_cast<W>(b.im)))};
        }
    }
    // Multiply-accumulate: d + a * b, exact.
    D operator()(A a, B b, D d) const { return fin(static_cast<W>(d) + static_cast<W>(a) * static_cast<W>(b)); }
};

template <Shape S, class Op, class A, class B, class D, class W, bool Halve, Mode M>
inline void run_scaled(const ElemArgs& x, int s) {
    using P = part_t<D>;
    map<S, A, B, D>(x, ScaledElem<Op, A, B, D, W, Scale<P, W, M, Halve>>{{s}});
}

// Factor 1 for 16-bit sums and differences, in 16-bit lanes: with
// h = floor(r / 2) formed from the halves of the operands, the result is
// h + 1 exactly when r is odd and h is odd (ties to even). For sums nothing
// overflows: h is in range, and h = 32767 with r odd would need r = 65535.
struct HalfSum16 {
    template <class T>
    T operator()(T a, T b) const {
        const T h = static_cast<T>((a >> 1) + (b >> 1) + (a & b & 1));
        return static_cast<T>(h + ((a ^ b) & h & 1));
    }
};
// Differences reach 65535 = 2 * 32767 + 1, whose rounded half saturates.
struct HalfDiff16 {
    template <class T>
    T operator()(T a, T b) const {
        const T h = static_cast<T>((a >> 1) - (b >> 1) - (~a & b & 1));
        return h == std::numeric_limits<T>::max() ? h : static_cast<T>(h + ((a ^ b) & h & 1));
    }
};

template <class Op, class T>
struct PerPart {
    T operator()(T a, T b) const { return Op{}(a, b); }
    template <class C, class = std::enable_if_t<is_complex_v<C>>>
    C operator()(C a, C b) const { return C{Op{}(a.re, b.re), Op{}(a.im, b.im)}; }
};

template <class Op, Shape S, class A, class B, class D, class W, int RBits, bool Halve = false>
int scaled(const ElemArgs& x) {
    using P = part_t<D>;
    const std::int32_t sf = x.sf;
    if (sf > RBits) return kAllZero;
    if constexpr (std::is_same_v<part_t<A>, Zor16s> && std::is_same_v<part_t<B>, Zor16s> && std::is_same_v<P, Zor16s> &&
                  !std::is_same_v<Op, Mul> && S != Shape::acc) {
        if (sf == 1) {
            using H = std::conditional_t<std::is_same_v<Op, Add>, HalfSum16, HalfDiff16>;
            map<S, A, B, D>(x, PerPart<H, Zor16s>{});
            return 0;
        }
    }
    if (sf == 0) run_scaled<S, Op, A, B, D, W, Halve, Mode::sat>(x, 0);
    else if (sf > 0) run_scaled<S, Op, A, B, D, W, Halve, Mode::round>(x, sf);
    else if (sf > -static_cast<std::int32_t>(8 * sizeof(P))) run_scaled<S, Op, A, B, D, W, Halve, Mode::shl>(x, -sf);
    else run_scaled<S, Op, A, B, D, W, Halve, Mode::sign>(x, 0);
    return 0;
}

// ---------------------------------------------------------------------------
// Floating point: IEEE operations in the element precision, no contraction.
// The complex product is (a.re*b.re - a.im*b.im, a.re*b.im + a.im*b.re).
// ---------------------------------------------------------------------------
template <class Op, class A, class B, class D>
struct FloatElem {
    template <class T>
    static T on(T x, T y) {
        if constexpr (std::is_same_v<Op, Add>) return x + y;
        else if constexpr (std::is_same_v<Op, Sub>) return x - y;
        else return x * y;
    }
    D operator()(A a, B b) const {
        if constexpr (!is_complex_v<D>) {
            return on<D>(static_cast<D>(a), static_cast<D>(b));
        } else if constexpr (std::is_same_v<Op, Mul>) {
            return D{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
        } else {
            return D{on(a.re, b.re), on(a.im, b.im)};
        }
    }
    // Multiply-accumulate: d + a * b (product rounded, then the sum).
    D operator()(A a, B b, D d) const {
        if constexpr (!is_complex_v<D>) {
            return d + a * b;
        } else {
            return D{d.re + (a.re * b.re - a.im * b.im), d.im + (a.re * b.im + a.im * b.re)};
        }
    }
};

// Complex floating products (Mul, MulC, Sqr, AddProduct) in explicit vector
// code: the auto-vectoriser of some compilers fuses the complex product's
// multiply and add on its own, which changes the last bit. Whole vectors
// first, then the tail through one zero-padded vector, so the tail gets the
// same operations. An accumulating destination that overlaps a source at an
// offset is processed one element at a time, in order.
template <Shape S, class C>
void complex_products(const ElemArgs& x) {
    using P = part_t<C>;
    constexpr std::size_t per = lanes<P> / 2;  // complex elements per vector
    const P* a = static_cast<const P*>(x.a);
    const P* b = static_cast<const P*>(x.b);
    P* d = static_cast<P*>(x.d);
    const std::size_t n = x.n;
    vec<P> cb{};
    if constexpr (S == Shape::vc) {
        const C c = constant<C>(x.c);
        for (std::size_t k = 0; k < lanes<P>; k += 2) { cb[k] = c.re; cb[k + 1] = c.im; }
    }
    auto block = [&](const P* pa, const P* pb, const P* pd) {
        // One load of each operand: folded into each of its shuffles, the
        // loads would outnumber what the processor issues per cycle.
        vec<P> va = load(pa), vb = S == Shape::vc ? cb : load(pb);
        asm("" : "+v"(va), "+v"(vb));
        const vec<P> r = cmul(va, vb);
        if constexpr (S == Shape::acc) return load(pd) + r;
        else return r;
    };
    // m < per elements from i, written to out.
    auto partial = [&](std::size_t i, std::size_t m, P* out) {
        P ta[lanes<P>] = {}, tb[lanes<P>] = {}, td[lanes<P>] = {};
        std::memcpy(ta, a + 2 * i, m * sizeof(C));
        if constexpr (S != Shape::vc) std::memcpy(tb, b + 2 * i, m * sizeof(C));
        if constexpr (S == Shape::acc) std::memcpy(td, d + 2 * i, m * sizeof(C));
        store(td, block(ta, tb, td));
        std::memcpy(out, td, m * sizeof(C));
    };
    if constexpr (S == Shape::acc) {
        auto overlaps = [&](const P* p) { return p < d + 2 * n && d < p + 2 * n && p != d; };
        if (overlaps(a) || overlaps(b)) {
            for (std::size_t i = 0; i < n; ++i) partial(i, 1, d + 2 * i);
            return;
        }
        std::size_t i = 0;
        for (; i + per <= n; i += per) store(d + 2 * i, block(a + 2 * i, b + 2 * i, d + 2 * i));  // acc: b is a vector
        if (i < n) partial(i, n - i, d + 2 * i);
    } else {
        write_through(reinterpret_cast<C*>(d), n, [&](std::size_t i0, std::size_t i1, C* out) {
            P* o = reinterpret_cast<P*>(out);
            std::size_t i = i0;
#pragma GCC unroll 4
            for (; i + per <= i1; i += per) store(o + 2 * (i - i0), block(a + 2 * i, S == Shape::vv ? b + 2 * i : nullptr, nullptr));
            if (i < i1) partial(i, i1 - i, o + 2 * (i - i0));
        });
    }
}

template <class Op, Shape S, class A, class B, class D>
int floating(const ElemArgs& x) {
    if constexpr (is_complex_v<D> && std::is_same_v<Op, Mul>) complex_products<S, D>(x);
    else map<S, A, B, D>(x, FloatElem<Op, A, B, D>{});
    return 0;
}

}  // namespace zors::ZORS_ISA
