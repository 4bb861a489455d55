// Wide bodies of the power-of-two FFT, compiled once per dispatch level.
//
// The butterflies are written once on "split" complex vectors (a vector of
// real parts and a vector of imaginary parts). Interleaved data is split on
// load and interleaved again on store; separate arrays load directly. The
// vector width follows the level and narrows for the short passes.
#include "frame/isa.h"

#include <array>
#include <bit>
#include <cstring>
#include <immintrin.h>
#include <type_traits>
#include <utility>

#include "frame/lanes.h"
#include "transform/fft.h"

// The short transforms pass vectors wider than the baseline's registers by
// value; the helpers are inline and never cross an ABI boundary.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace zors::ZORS_ISA {
namespace {

template <class T, int W>
struct VecOf {
    typedef T type __attribute__((vector_size(W * sizeof(T))));
};
template <class T, int W> using vec = typename VecOf<T, W>::type;

template <class T, int W>
struct Cv {
    vec<T, W> re, im;
};

template <class T, int W>
inline vec<T, W> loadv(const T* p) {
    vec<T, W> v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <class T, int W>
inline void storev(T* p, vec<T, W> v) {
    std::memcpy(p, &v, sizeof v);
}
// A store that bypasses the caches (the vector's natural alignment); the
// split first pass, its only user, runs on 16- and 32-byte vectors.
template <class T, class V>
inline void stream_nt(T* p, V v) {
    static_assert(sizeof(V) == 16 || sizeof(V) == 32);
#ifdef __AVX__
    if constexpr (sizeof(V) == 32 && sizeof(T) == 8) _mm256_stream_pd(p, (__m256d)v);
    if constexpr (sizeof(V) == 32 && sizeof(T) == 4) _mm256_stream_ps(p, (__m256)v);
#endif
    if constexpr (sizeof(V) == 16 && sizeof(T) == 8) _mm_stream_pd(p, (__m128d)v);
    if constexpr (sizeof(V) == 16 && sizeof(T) == 4) _mm_stream_ps(p, (__m128)v);
}

// Interleaved complex data: element j at p[2j], p[2j + 1].
template <class T>
struct Inter {
    T* p;
    template <int W>
    Cv<T, W> ld(std::size_t j) const {
        const auto a = loadv<T, W>(p + 2 * j), b = loadv<T, W>(p + 2 * j + W);
        return {lane::evens(a, b), lane::odds(a, b)};
    }
    template <int W>
    void st(std::size_t j, const Cv<T, W>& c) const {
        storev<T, W>(p + 2 * j, lane::zip_lo(c.re, c.im));
        storev<T, W>(p + 2 * j + W, lane::zip_hi(c.re, c.im));
    }
    T& r(std::size_t j) const { return p[2 * j]; }
    T& i(std::size_t j) const { return p[2 * j + 1]; }
    Inter at(std::size_t j) const { return {p + 2 * j}; }
};

// Interleaved data read from one place and written to another.
template <class T>
struct InterTo {
    Inter<T> in, out;
    template <int W>
    Cv<T, W> ld(std::size_t j) const { return in.template ld<W>(j); }
    template <int W>
    void st(std::size_t j, const Cv<T, W>& c) const { out.template st<W>(j, c); }
    InterTo at(std::size_t j) const { return {in.at(j), out.at(j)}; }
};

// Separate real and imaginary arrays.
template <class T>
struct Split {
    T* re;
    T* im;
    template <int W>
    Cv<T, W> ld(std::size_t j) const { return {loadv<T, W>(re + j), loadv<T, W>(im + j)}; }
    template <int W>
    void st(std::size_t j, const Cv<T, W>& c) const {
        storev<T, W>(re + j, c.re);
        storev<T, W>(im + j, c.im);
    }
    T& r(std::size_t j) const { return re[j]; }
    T& i(std::size_t j) const { return im[j]; }
    Split at(std::size_t j) const { return {re + j, im + j}; }
};

// On 32-byte vectors the blocked layouts below hold the points of each block
// in the order perm_point (fft.h): the first pass puts them there at no
// cost, the passes read their factors from the tables in that order, and
// the last pass interleaves the parts within 16-byte lanes only.
inline constexpr bool kPermBlocks = kVectorBytes == kPermBytes;
template <class T>
constexpr std::size_t blk_point(std::size_t p) { return kPermBlocks ? perm_point<T>(p) : p; }
// That order is the one of the level's shuffle that takes the parts apart.
template <class T>
constexpr bool parts_in_perm_order() {
    constexpr std::size_t w = kVectorBytes / sizeof(T);
    for (std::size_t p = 0; p < w; ++p)
        if (perm_point<T>(p, w) != lane::in_lane_source<0, sizeof(T)>(p, w) / 2) return false;
    return true;
}
static_assert(parts_in_perm_order<float>() && parts_in_perm_order<double>());
template <class L>
constexpr bool permuted() {
    if constexpr (requires { L::permuted; }) return L::permuted;
    else return false;
}

// Interleaved transforms between their first and last pass: blocks of W
// points (W = the level's vector width), the W real parts and then the W
// imaginary parts, so that the passes load and store whole vectors without
// taking pairs apart and putting them back together. Offsets passed to at()
// are multiples of W.
template <class T>
struct Blocked {
    static constexpr std::size_t W = kVectorBytes / sizeof(T);
    static constexpr bool permuted = kPermBlocks;
    T* p;
    // A whole block (V = W values) starts at a multiple of W.
    template <int V = 1>
    static std::size_t off(std::size_t j) { return V == static_cast<int>(W) ? 2 * j : 2 * (j & ~(W - 1)) + (j & (W - 1)); }
    template <int V>
    Cv<T, V> ld(std::size_t j) const {
        static_assert(!permuted || V == static_cast<int>(W));
        const T* q = p + off<V>(j);
        return {loadv<T, V>(q), loadv<T, V>(q + W)};
    }
    template <int V>
    void st(std::size_t j, const Cv<T, V>& c) const {
        static_assert(!permuted || V == static_cast<int>(W));
        T* q = p + off<V>(j);
        storev<T, V>(q, c.re);
        storev<T, V>(q + W, c.im);
    }
    Blocked at(std::size_t j) const { return {p + 2 * j}; }
};

// The interleaved values of a block of W points at q (see Blocked).
template <class T, int V>
inline void put_block(T* q, const Cv<T, V>& c) {
    if constexpr (kPermBlocks) {
        storev<T, V>(q, lane::zip_in_lanes_lo(c.re, c.im));
        storev<T, V>(q + V, lane::zip_in_lanes_hi(c.re, c.im));
    } else {
        Inter<T>{q}.template st<V>(0, c);
    }
}

// The last pass: blocked in, interleaved out, in place.
template <class T>
struct Unblock {
    static constexpr bool permuted = kPermBlocks;
    Blocked<T> in;
    Inter<T> out;
    template <int V>
    Cv<T, V> ld(std::size_t j) const { return in.template ld<V>(j); }
    template <int V>
    void st(std::size_t j, const Cv<T, V>& c) const { put_block<T, V>(out.p + 2 * j, c); }
    Unblock at(std::size_t j) const { return {in.at(j), out.at(j)}; }
};

// Blocked data in a destination that does not start on a vector boundary:
// the blocks start at the first boundary in it, p = dst + sh (sh < W
// values), so that every pass loads and stores whole aligned vectors. The
// last vector of the blocked data (the imaginary parts of the last block,
// at `wrap`) would run sh values past the end: it lives in `tail` instead.
// Its address is chosen, not branched on, so the passes' loops keep their
// registers.
template <class T>
struct Ring {
    static constexpr std::size_t W = Blocked<T>::W;
    static constexpr bool wide_only = true;
    static constexpr bool permuted = kPermBlocks;
    T* p;
    T* wrap;
    T* tail;
    T* im_at(T* q) const { return q + W == wrap ? tail : q + W; }
    template <int V>
    Cv<T, V> ld(std::size_t j) const {
        T* q = p + Blocked<T>::template off<V>(j);
        return {loadv<T, V>(q), loadv<T, V>(im_at(q))};
    }
    template <int V>
    void st(std::size_t j, const Cv<T, V>& c) const {
        T* q = p + Blocked<T>::template off<V>(j);
        storev<T, V>(q, c.re);
        storev<T, V>(im_at(q), c.im);
    }
    Ring at(std::size_t j) const { return {p + 2 * j, wrap, tail}; }
    Blocked<T> bulk() const { return {p}; }
};

// The last pass out of a Ring: the interleaved values land sh values before
// the blocks they come from, so each store also covers the last sh values
// of the vector before it. Within a row that vector has been read already
// (the pass runs upwards); the vectors that end the rows (just before rows
// 1 .. R-1, R·q = N) are copied to `saved` before the pass and read from
// there, as is the tail (row R).
template <class T>
struct RingOut {
    static constexpr std::size_t W = Blocked<T>::W;
    static constexpr bool wide_only = true;
    static constexpr bool permuted = kPermBlocks;
    Ring<T> in;
    Inter<T> out;
    T* saved;         // (R + 1) x W values: row r's end at saved + r·W
    std::size_t row;  // 2q: values from one row start to the next
    const T* p0;      // start of the blocks
    void before_pass(std::size_t q, int rows) {
        row = 2 * q;
        for (int r = 1; r < rows; ++r) std::memcpy(saved + static_cast<std::size_t>(r) * W, p0 + r * row - W, W * sizeof(T));
        std::memcpy(saved + static_cast<std::size_t>(rows) * W, in.tail, W * sizeof(T));
    }
    template <int V>
    Cv<T, V> ld(std::size_t j) const {
        const T* q = in.p + Blocked<T>::template off<V>(j);
        const std::size_t end = static_cast<std::size_t>(q + 2 * W - p0);
        const T* im = (end & (row - 1)) == 0 ? saved + (end / row) * W : q + W;
        return {loadv<T, V>(q), loadv<T, V>(im)};
    }
    template <int V>
    void st(std::size_t j, const Cv<T, V>& c) const { put_block<T, V>(out.p + 2 * j, c); }
    RingOut at(std::size_t j) const { return {in.at(j), out.at(j), saved, row, p0}; }
    Unblock<T> bulk() const { return {{in.p}, out}; }
};


// The floating-point transforms' build of the levels with fused
// multiply-add uses it in the complex products (one rounding instead of
// two); the plain build serves the specifications made for integer results,
// which must give the same bits on every level.
#if defined(ZORS_FUSED) && defined(__FMA__)
inline constexpr bool kFused = true;
#else
inline constexpr bool kFused = false;
#endif
// a·b + c, fused in the fused build.
template <class V>
inline V mul_add(V a, V b, V c) {
    if constexpr (kFused) {
        constexpr bool d = sizeof(a[0]) == 8;
        if constexpr (sizeof(V) == 64 && d) return (V)_mm512_fmadd_pd((__m512d)a, (__m512d)b, (__m512d)c);
        else if constexpr (sizeof(V) == 64) return (V)_mm512_fmadd_ps((__m512)a, (__m512)b, (__m512)c);
        else if constexpr (sizeof(V) == 32 && d) return (V)_mm256_fmadd_pd((__m256d)a, (__m256d)b, (__m256d)c);
        else if constexpr (sizeof(V) == 32) return (V)_mm256_fmadd_ps((__m256)a, (__m256)b, (__m256)c);
        else if constexpr (sizeof(V) == 16 && d) return (V)_mm_fmadd_pd((__m128d)a, (__m128d)b, (__m128d)c);
        else if constexpr (sizeof(V) == 16) return (V)_mm_fmadd_ps((__m128)a, (__m128)b, (__m128)c);
        else {  // two singles, through the 16-byte form
            static_assert(sizeof(V) == 8);
            __m128 x[3] = {};
            std::memcpy(&x[0], &a, 8), std::memcpy(&x[1], &b, 8), std::memcpy(&x[2], &c, 8);
            const __m128 r = _mm_fmadd_ps(x[0], x[1], x[2]);
            V v;
            std::memcpy(&v, &r, 8);
            return v;
        }
    }
    return a * b + c;
}
// a·b - c, the same way.
template <class V>
inline V mul_sub(V a, V b, V c) {
    if constexpr (kFused) return mul_add(a, b, -c);
    return a * b - c;
}

// a · (c ∓ i·s): the forward factor is c - i·s, the inverse its conjugate.
template <bool Inv, class V>
inline void twiddle(V& ar, V& ai, V c, V s) {
    const V r = Inv ? mul_sub(ar, c, ai * s) : mul_add(ar, c, ai * s);
    const V i = Inv ? mul_add(ai, c, ar * s) : mul_sub(ai, c, ar * s);
    ar = r;
    ai = i;
}

// One radix-4 butterfly of a pass of length 4q at offset k: s[0..3] hold
// the sub-transforms of the residues 0, 2, 1, 3 (their memory order) and
// receive X_k, X_{k+q}, X_{k+2q}, X_{k+3q}.
// Always inline: out of line, the calls and the spilled vectors cost a
// third of a pass.
template <class T, int W, bool Inv>
[[gnu::always_inline]] inline void bfly4(Cv<T, W>* s, const T* tw, std::size_t q, std::size_t k) {
    using V = vec<T, W>;
    Cv<T, W> a0 = s[0], a2 = s[1], a1 = s[2], a3 = s[3];
    twiddle<Inv, V>(a1.re, a1.im, loadv<T, W>(tw + k), loadv<T, W>(tw + q + k));
    twiddle<Inv, V>(a2.re, a2.im, loadv<T, W>(tw + 2 * q + k), loadv<T, W>(tw + 3 * q + k));
    twiddle<Inv, V>(a3.re, a3.im, loadv<T, W>(tw + 4 * q + k), loadv<T, W>(tw + 5 * q + k));
    const V s02r = a0.re + a2.re, s02i = a0.im + a2.im;
    const V d02r = a0.re - a2.re, d02i = a0.im - a2.im;
    const V s13r = a1.re + a3.re, s13i = a1.im + a3.im;
    const V d13r = a1.re - a3.re, d13i = a1.im - a3.im;
    s[0] = {s02r + s13r, s02i + s13i};
    s[2] = {s02r - s13r, s02i - s13i};
    if (Inv) {
        s[1] = {d02r - d13i, d02i + d13r};
        s[3] = {d02r + d13i, d02i - d13r};
    } else {
        s[1] = {d02r + d13i, d02i - d13r};
        s[3] = {d02r - d13i, d02i + d13r};
    }
}

// The k steps of a group. A layout with a plain form (bulk()) takes that
// form everywhere except in the last step of the last group, where the ends
// of its rows and the vector kept beside the data lie (a pass that needs
// its row ends has a single group).
template <int W, class L, class Step>
[[gnu::always_inline]] inline void group_steps(const L& g, std::size_t q, Step step, bool last_group) {
    if constexpr (requires { g.bulk(); }) {
        const auto gb = g.bulk();
        for (std::size_t k = 0; k + W < q; k += W) step(gb, k);
        if (last_group) step(g, q - W);
        else step(gb, q - W);
    } else {
        for (std::size_t k = 0; k < q; k += W) step(g, k);
    }
}

// One radix-4 pass of length 4q over n points.
template <class T, int W, bool Inv, class L>
void radix4(L d, std::size_t n, const T* tw, std::size_t q) {
    const auto step = [&](const auto& g, std::size_t k) __attribute__((always_inline)) {
        Cv<T, W> c[4];
        for (int j = 0; j < 4; ++j) c[j] = g.template ld<W>(j * q + k);
        bfly4<T, W, Inv>(c, tw, q, k);
        for (int j = 0; j < 4; ++j) g.template st<W>(j * q + k, c[j]);
    };
    for (std::size_t base = 0; base < n; base += 4 * q) group_steps<W>(d.at(base), q, step, base + 4 * q >= n);
}

// Two consecutive radix-4 passes, of lengths 4q and 16q, as one sweep: the
// 16 points k + j·q (j < 16) of a group of 16q pass through both butterfly
// stages in registers. The operations and their order are those of the two
// separate passes, so the results are the same bits; only the stores and
// loads between the passes are gone.
template <class T, int W, bool Inv, class L>
void radix16(L d, std::size_t n, const T* tw1, const T* tw2, std::size_t q) {
    const auto step = [&](const auto& g, std::size_t k) __attribute__((always_inline)) {
        Cv<T, W> c[16];
        for (int m = 0; m < 4; ++m) {
            for (int j = 0; j < 4; ++j) c[4 * m + j] = g.template ld<W>((4 * m + j) * q + k);
            bfly4<T, W, Inv>(c + 4 * m, tw1, q, k);
        }
        for (int i = 0; i < 4; ++i) {
            Cv<T, W> s[4] = {c[i], c[4 + i], c[8 + i], c[12 + i]};
            bfly4<T, W, Inv>(s, tw2, 4 * q, k + i * q);
            for (int j = 0; j < 4; ++j) g.template st<W>((4 * j + i) * q + k, s[j]);
        }
    };
    for (std::size_t base = 0; base < n; base += 16 * q) group_steps<W>(d.at(base), q, step, base + 16 * q >= n);
}

// One radix-4 pass of length 4q, or with `next` the pair of passes 4q and
// 16q, over n points.
template <class T, bool Inv, class L>
void radix4_pass(L d, std::size_t n, const FftPass<T>& p, const FftPass<T>* next = nullptr) {
    constexpr int Wn = static_cast<int>(kVectorBytes / sizeof(T));
    constexpr int W2 = Wn / 2 >= 2 ? Wn / 2 : 2;
    constexpr int W4 = Wn / 4 >= 2 ? Wn / 4 : 2;
    const std::size_t q = static_cast<std::size_t>(p.q);
    // Permuted blocks read the factors in their order.
    constexpr bool perm = permuted<L>();
    const auto go = [&]<int W>() {
        if (next != nullptr) radix16<T, W, Inv>(d, n, perm ? p.twp : p.tw, perm ? next->twp : next->tw, q);
        else radix4<T, W, Inv>(d, n, perm ? p.twp : p.tw, q);
    };
    // Short transforms still sit in the store buffer of the first pass, whose
    // stores are at most 32 bytes wide: loads of the same width forward.
    // Blocked layouts only occur where every pass after the first has
    // q >= Wn.
    if constexpr (requires { L::wide_only; } || perm) go.template operator()<Wn>();
    else if (q >= static_cast<std::size_t>(Wn) && (Wn * sizeof(T) <= 32 || n > 64)) go.template operator()<Wn>();
    else if (q >= static_cast<std::size_t>(W2)) go.template operator()<W2>();
    else go.template operator()<W4>();
}

// Two passes as one sweep hold 16 complex vectors. With fewer than 32
// registers the spills cost the blocked layouts more than the loads and
// stores they save; the interleaved and separate layouts, which take pairs
// apart on every load, still gain.
template <class L>
constexpr bool pair_passes() {
    return kVectorBytes >= 64 || !requires { L::W; };
}

// The passes from p on whose length stays within `len`, over n points, in
// pairs where two remain; returns the first pass left. The last pass of the
// plan (or the pair that ends with it) runs on `last`, the others on d. A
// pair keeps its 16 points in at most 2 KiB steps: at 4 KiB they would all
// fall into one set of the first-level cache and evict each other.
template <class T, bool Inv, class L, class LF>
int radix4_passes(const FftPlan<T>& plan, L d, LF last, std::size_t n, int p, std::size_t len) {
    const auto fits = [&](int i) { return i < plan.npass && 4 * static_cast<std::size_t>(plan.pass[i].q) <= len; };
    while (fits(p)) {
        const bool two = pair_passes<L>() && fits(p + 1) && static_cast<std::size_t>(plan.pass[p].q) * 2 * sizeof(T) <= 2048;
        const FftPass<T>* next = two ? &plan.pass[p + 1] : nullptr;
        const int e = p + (two ? 2 : 1);
        if (e == plan.npass) {
            if constexpr (requires { last.before_pass(std::size_t{0}, 0); })
                last.before_pass(static_cast<std::size_t>(plan.pass[p].q), two ? 16 : 4);
            radix4_pass<T, Inv>(last, n, plan.pass[p], next);
        } else {
            radix4_pass<T, Inv>(d, n, plan.pass[p], next);
        }
        p = e;
    }
    return p;
}

// Length-4 DFTs of neighbouring points in bit-reversed order (u0 .. u3 hold
// x0, x2, x1, x3), optionally scaled.
template <class T, bool Inv, bool Scaled, class L>
inline void dft4(L g, T sc) {
    const T ar = g.r(0) + g.r(1), ai = g.i(0) + g.i(1);  // x0 + x2
    const T br = g.r(0) - g.r(1), bi = g.i(0) - g.i(1);  // x0 - x2
    const T cr = g.r(2) + g.r(3), ci = g.i(2) + g.i(3);  // x1 + x3
    const T dr = g.r(2) - g.r(3), di = g.i(2) - g.i(3);  // x1 - x3
    T o[8] = {ar + cr, ai + ci, Inv ? br - di : br + di, Inv ? bi + dr : bi - dr,
              ar - cr, ai - ci, Inv ? br + di : br - di, Inv ? bi - dr : bi + dr};
    for (int m = 0; m < 4; ++m) {
        g.r(m) = Scaled ? o[2 * m] * sc : o[2 * m];
        g.i(m) = Scaled ? o[2 * m + 1] * sc : o[2 * m + 1];
    }
}

// Length-8 DFTs: two length-4 DFTs and one radix-2 step with W8^k.
template <class T, bool Inv, bool Scaled, class L>
inline void dft8(L g, T sc) {
    constexpr T h = static_cast<T>(0.707106781186547524400844362104849039L);
    dft4<T, Inv, false>(g, sc);
    dft4<T, Inv, false>(g.at(4), sc);
    for (int k = 0; k < 4; ++k) {
        T orr = g.r(4 + k), oi = g.i(4 + k), tr, ti;
        // W8^k (forward) or its conjugate applied to the odd half.
        switch (k) {
        case 0: tr = orr; ti = oi; break;
        case 1: tr = Inv ? (orr - oi) * h : (orr + oi) * h; ti = Inv ? (oi + orr) * h : (oi - orr) * h; break;
        case 2: tr = Inv ? -oi : oi; ti = Inv ? orr : -orr; break;
        default: tr = Inv ? (-orr - oi) * h : (oi - orr) * h; ti = Inv ? (orr - oi) * h : (-oi - orr) * h; break;
        }
        const T er = g.r(k), ei = g.i(k);
        g.r(k) = Scaled ? (er + tr) * sc : er + tr;
        g.i(k) = Scaled ? (ei + ti) * sc : ei + ti;
        g.r(4 + k) = Scaled ? (er - tr) * sc : er - tr;
        g.i(4 + k) = Scaled ? (ei - ti) * sc : ei - ti;
    }
}

template <class T, bool Inv, bool Scaled, class L>
void first_pass(L d, std::size_t n, int order, T sc) {
    if (order % 2 == 0) {
        for (std::size_t g = 0; g < n; g += 4) dft4<T, Inv, Scaled>(d.at(g), sc);
    } else {
        for (std::size_t g = 0; g < n; g += 8) dft8<T, Inv, Scaled>(d.at(g), sc);
    }
}

// ---- Out of place, interleaved: bit-reversal gather fused with the first
// pass. The inputs of U neighbouring groups are contiguous in the source
// (x_t of group rev(r) is src[r + t·N/R]), so they load as vectors; the R
// outputs of each group are contiguous in the destination, so a transpose of
// complex units turns the R result vectors into U stores.

// U complex units of T in one vector.
template <class T, int U>
struct Units {
    using V = vec<T, 2 * U>;
    // one in-lane swap and one exclusive or (the compiler's own form of the
    // whole pattern takes four instructions on 32-byte levels)
    static V mul_mi(V v) { return lane::flip_signs<false, true>(lane::swap_pairs(v)); }  // (re, im) -> (im, -re)
    static V mul_pi(V v) { return lane::flip_signs<true, false>(lane::swap_pairs(v)); }  // (re, im) -> (-im, re)
    template <bool Inv> static V rot(V v) { return Inv ? mul_pi(v) : mul_mi(v); }  // ∓i·v
};

// Stage S of a transpose of values (S counted in values): rows r and r + S
// exchange the values whose column has bit S clear in row r + S with those
// that have it set in row r.
template <std::size_t S, class V, std::size_t... I>
inline V mix_lo(V a, V b, std::index_sequence<I...>) {
    return __builtin_shufflevector(a, b, ((I & S) == 0 ? I : sizeof...(I) + I - S)...);
}
template <std::size_t S, class V, std::size_t... I>
inline V mix_hi(V a, V b, std::index_sequence<I...>) {
    return __builtin_shufflevector(a, b, ((I & S) == 0 ? I + S : sizeof...(I) + I)...);
}

// The two-stage transposes of the 4 x 4 blocks of 4-byte values within each
// 16-byte lane: neighbouring values of rows r and r + 1 interleaved
// (Hi: the upper pairs), then pairs of rows r and r + 2 (Hi: the upper
// halves of the lanes). Each is one in-lane shuffle on every level.
template <bool Hi, class V, std::size_t... I>
inline V unpack4(V a, V b, std::index_sequence<I...>) {
    return __builtin_shufflevector(a, b, (I / 4 * 4 + (Hi ? 2 : 0) + I % 4 / 2 + (I % 2) * sizeof...(I))...);
}
template <bool Hi, class V, std::size_t... I>
inline V halves4(V a, V b, std::index_sequence<I...>) {
    return __builtin_shufflevector(a, b, (I / 4 * 4 + (Hi ? 2 : 0) + I % 2 + (I % 4 / 2) * sizeof...(I))...);
}

// Transposes N rows of N units of E values each in place. The stages swap
// one bit of the row with the same bit of the column each, so their order
// does not matter: for 4-byte values the two lowest run together as in-lane
// transposes of 4 x 4 blocks (the mix of single values would take two
// shuffles per row), first or (LanesLast) last; which order schedules
// better depends on the code around it.
template <int N, int E, bool LanesLast = false, class V>
inline void transpose_vals(V* u) {
    constexpr auto seq = std::make_index_sequence<lane::count<V>>{};
    const auto stage = [&]<std::size_t S>() {
        for (int r = 0; r < N; ++r)
            if ((r & static_cast<int>(S)) == 0) {
                const V a = mix_lo<S * E>(u[r], u[r + S], seq), b = mix_hi<S * E>(u[r], u[r + S], seq);
                u[r] = a;
                u[r + S] = b;
            }
    };
    constexpr bool in_lanes = E == 1 && sizeof(u[0][0]) == 4 && N >= 4;
    const auto lanes = [&] {
        if constexpr (in_lanes) {
            for (int g = 0; g < N; g += 4) {
                const V t0 = unpack4<false>(u[g], u[g + 1], seq), t1 = unpack4<true>(u[g], u[g + 1], seq);
                const V t2 = unpack4<false>(u[g + 2], u[g + 3], seq), t3 = unpack4<true>(u[g + 2], u[g + 3], seq);
                u[g] = halves4<false>(t0, t2, seq);
                u[g + 1] = halves4<true>(t0, t2, seq);
                u[g + 2] = halves4<false>(t1, t3, seq);
                u[g + 3] = halves4<true>(t1, t3, seq);
            }
        }
    };
    if constexpr (in_lanes && !LanesLast) lanes();
    constexpr int low = in_lanes ? 2 : 0;  // stages of the in-lane transposes
    [&]<std::size_t... B>(std::index_sequence<B...>) { (stage.template operator()<(N >> 1 >> B)>(), ...); }(std::make_index_sequence<std::bit_width(static_cast<unsigned>(N)) - 1 - low>{});
    if constexpr (in_lanes && LanesLast) lanes();
}

// Transposes a U x U block of complex units (two lanes each) in place.
template <class T, int U>
inline void transpose_units(vec<T, 2 * U>* u) {
    using V = vec<T, 2 * U>;
    if constexpr (U == 8) {
        transpose_vals<8, 2>(u);
    } else if constexpr (U == 2) {
        const V a = __builtin_shufflevector(u[0], u[1], 0, 1, 4, 5), b = __builtin_shufflevector(u[0], u[1], 2, 3, 6, 7);
        u[0] = a;
        u[1] = b;
    } else if constexpr (U == 4) {
        const V t0 = __builtin_shufflevector(u[0], u[1], 0, 1, 8, 9, 4, 5, 12, 13);
        const V t1 = __builtin_shufflevector(u[0], u[1], 2, 3, 10, 11, 6, 7, 14, 15);
        const V t2 = __builtin_shufflevector(u[2], u[3], 0, 1, 8, 9, 4, 5, 12, 13);
        const V t3 = __builtin_shufflevector(u[2], u[3], 2, 3, 10, 11, 6, 7, 14, 15);
        u[0] = __builtin_shufflevector(t0, t2, 0, 1, 2, 3, 8, 9, 10, 11);
        u[1] = __builtin_shufflevector(t1, t3, 0, 1, 2, 3, 8, 9, 10, 11);
        u[2] = __builtin_shufflevector(t0, t2, 4, 5, 6, 7, 12, 13, 14, 15);
        u[3] = __builtin_shufflevector(t1, t3, 4, 5, 6, 7, 12, 13, 14, 15);
    }
}

// Element k of group j (R contiguous units at out[j]) from lane j of x[k];
// with Blk in the blocked layout (blocks of 2U points, R a multiple of 2U).
template <class T, int U, int R, bool Blk = false>
inline void store_groups(const vec<T, 2 * U>* x, T* const* out, const Ring<T>* ring = nullptr) {
    using V = vec<T, 2 * U>;
    if constexpr (Blk) {
        static_assert(R % (2 * U) == 0);
        // Below 64 bytes the units go to u and w so that the parts taken
        // within 16-byte lanes come out in point order (one in-lane shuffle
        // each): H units per 16-byte lane, unit i of u (lane i / H) is point
        // 2H·(i / H) + i % H of the block, of w the H points after it.
        constexpr bool in_lanes = sizeof(V) < 64;
        // the rows of u and w: position i of the block is taken from unit
        // m of u or w, and holds point blk_point(i)
        constexpr auto rows = [] {
            std::array<int, 2 * U> r{};  // u's, then w's
            for (std::size_t i = 0; i < 2 * U; ++i) {
                const std::size_t src = in_lanes ? lane::in_lane_source<0, sizeof(T)>(i, 2 * U) : 2 * i;
                r[src / 2] = static_cast<int>(blk_point<T>(i));
            }
            return r;
        }();
        for (int k0 = 0; k0 < R; k0 += 2 * U) {
            V u[U], w[U];
            for (int j = 0; j < U; ++j) u[j] = x[k0 + rows[j]], w[j] = x[k0 + rows[U + j]];
            transpose_units<T, U>(u);
            transpose_units<T, U>(w);
            for (int j = 0; j < U; ++j) {
                const V re = in_lanes ? lane::evens_in_lanes(u[j], w[j]) : lane::evens(u[j], w[j]);
                const V im = in_lanes ? lane::odds_in_lanes(u[j], w[j]) : lane::odds(u[j], w[j]);
                storev<T, 2 * U>(out[j] + 2 * k0, re);
                T* ip = out[j] + 2 * k0 + 2 * U;
                storev<T, 2 * U>(ring != nullptr ? ring->im_at(ip - 2 * U) : ip, im);
            }
        }
    } else {
        for (int k0 = 0; k0 < R; k0 += U) {
            V u[U];
            for (int j = 0; j < U; ++j) u[j] = x[k0 + j];
            transpose_units<T, U>(u);
            for (int j = 0; j < U; ++j) storev<T, 2 * U>(out[j] + 2 * k0, u[j]);
        }
    }
}

// The DFTs below are written once for two forms of complex vectors: U
// interleaved units in one vector (Units), and split vectors of real and
// imaginary parts (SplitOps). Both do the same operations on every point, so
// they give the same bits.
template <class T, int U>
struct UnitOps : Units<T, U> {
    using C = vec<T, 2 * U>;
};

// The real parts of several points, then their imaginary parts.
template <class V>
struct Sc {
    V re, im;
    friend Sc operator+(Sc a, Sc b) { return {a.re + b.re, a.im + b.im}; }
    friend Sc operator-(Sc a, Sc b) { return {a.re - b.re, a.im - b.im}; }
    template <class S> friend Sc operator*(Sc a, S s) { return {a.re * s, a.im * s}; }
};
// v·s + t and t - v·s for a scalar s, on either form (fused as mul_add).
template <class V, class T>
inline V scale_add(V v, T s, V t) {
    if constexpr (requires { v.re; }) return {scale_add(v.re, s, t.re), scale_add(v.im, s, t.im)};
    else return mul_add(v, V{} + s, t);
}
template <class V, class T>
inline V scale_sub_from(V t, V v, T s) {
    if constexpr (requires { v.re; }) return {scale_sub_from(t.re, v.re, s), scale_sub_from(t.im, v.im, s)};
    else if constexpr (kFused) return mul_add(-v, V{} + s, t);
    else return t - v * s;
}
template <class V>
struct SplitOps {
    using C = Sc<V>;
    template <bool Inv> static C rot(C v) { return Inv ? C{-v.im, v.re} : C{v.im, -v.re}; }  // ∓i·v
};

template <bool Inv, class Ops, class C = typename Ops::C>
[[gnu::always_inline]] inline void dft4c(C* x) {  // x[0..3] natural order in, X[0..3] out
    const C a = x[0] + x[2], b = x[0] - x[2], c = x[1] + x[3], d = Ops::template rot<Inv>(x[1] - x[3]);
    x[0] = a + c;
    x[2] = a - c;
    x[1] = b + d;
    x[3] = b - d;
}
template <class T, int U, bool Inv>
[[gnu::always_inline]] inline void dft4v(vec<T, 2 * U>* x) { dft4c<Inv, UnitOps<T, U>>(x); }

// Length-8 DFT: two length-4 DFTs and the factors W8^k. (These short
// DFTs always inline: as calls, the unit's growth once cost the
// register-held transform of 32 points two thirds of its speed.)
template <class T, bool Inv, class Ops, class C = typename Ops::C>
[[gnu::always_inline]] inline void dft8c(C* x) {
    const T h = static_cast<T>(0.707106781186547524400844362104849039L);
    C e[4] = {x[0], x[2], x[4], x[6]}, o[4] = {x[1], x[3], x[5], x[7]};
    dft4c<Inv, Ops>(e);
    dft4c<Inv, Ops>(o);
    // W8 and W8^3 as (1 ∓ i)·h and (∓i - 1)·h: the product by h fused
    // with the sums that take it
    const C w1 = o[1] + Ops::template rot<Inv>(o[1]);
    const C w2 = Ops::template rot<Inv>(o[2]);
    const C w3 = Ops::template rot<Inv>(o[3]) - o[3];
    x[0] = e[0] + o[0];
    x[4] = e[0] - o[0];
    x[2] = e[2] + w2;
    x[6] = e[2] - w2;
    x[1] = scale_add(w1, h, e[1]);
    x[5] = scale_sub_from(e[1], w1, h);
    x[3] = scale_add(w3, h, e[3]);
    x[7] = scale_sub_from(e[3], w3, h);
}
template <class T, int U, bool Inv>
[[gnu::always_inline]] inline void dft8v(vec<T, 2 * U>* x) { dft8c<T, Inv, UnitOps<T, U>>(x); }

// Length-16 DFT as 4 x 4: DFTs of the four residue classes, the factors
// W16^(n2·k1), DFTs across the classes.
// The scale factor is applied after the first DFTs, where the in-place path
// (length-4 first pass) applies it, so that both paths agree bit for bit.
//
// The first half: the length-4 DFT of t = x[n2], x[n2 + 4], x[n2 + 8],
// x[n2 + 12], scaled, times the factors: t[k1] becomes y[k1][n2].
template <class T, bool Inv, bool Scaled, class Ops, class C = typename Ops::C>
[[gnu::always_inline]] inline void dft16_half(C* t, int n2, T sc) {
    constexpr long double c1 = 0.923879532511286756128183189396788933L, s1 = 0.382683432365089771728459984030398866L;
    constexpr long double h = 0.707106781186547524400844362104849039L;
    // cos and sin of 2πm/16 for the products n2·k1 that occur
    const auto mul = [](C v, long double c, long double sn) {
        return scale_add(v, static_cast<T>(c), Ops::template rot<Inv>(v) * static_cast<T>(sn));
    };
    dft4c<Inv, Ops>(t);
    if constexpr (Scaled) for (int k1 = 0; k1 < 4; ++k1) t[k1] = t[k1] * sc;
    switch (n2) {
    case 1: t[1] = mul(t[1], c1, s1), t[2] = mul(t[2], h, h), t[3] = mul(t[3], s1, c1); break;
    case 2: t[1] = mul(t[1], h, h), t[2] = Ops::template rot<Inv>(t[2]), t[3] = mul(t[3], -h, h); break;
    case 3: t[1] = mul(t[1], s1, c1), t[2] = mul(t[2], -h, h), t[3] = mul(t[3], -c1, -s1); break;
    default: break;
    }
}
template <class T, bool Inv, bool Scaled, class Ops, class C = typename Ops::C>
[[gnu::always_inline]] inline void dft16c(C* x, T sc) {
    C y[4][4];
    for (int n2 = 0; n2 < 4; ++n2) {
        C t[4] = {x[n2], x[n2 + 4], x[n2 + 8], x[n2 + 12]};
        dft16_half<T, Inv, Scaled, Ops>(t, n2, sc);
        for (int k1 = 0; k1 < 4; ++k1) y[k1][n2] = t[k1];
    }
    for (int k1 = 0; k1 < 4; ++k1) {
        dft4c<Inv, Ops>(y[k1]);
        for (int k2 = 0; k2 < 4; ++k2) x[k1 + 4 * k2] = y[k1][k2];
    }
}
template <class T, int U, bool Inv, bool Scaled>
[[gnu::always_inline]] inline void dft16v(vec<T, 2 * U>* x, T sc) { dft16c<T, Inv, Scaled, UnitOps<T, U>>(x, sc); }

// Length-32 DFT as 4 x 8: the length-8 DFTs of the residue classes mod 4,
// each scaled, then the radix-4 step with the factors of the pass of length
// 32 (tw, q = 8). These are the operations of a length-8 first pass and the
// radix-4 pass after it, in their order, so both routes give the same bits.
template <class T, int U, bool Inv, bool Scaled>
[[gnu::always_inline]] inline void dft32v(vec<T, 2 * U>* x, T sc, const T* tw) {
    using V = vec<T, 2 * U>;
    constexpr int q = 8;
    V alt;  // 1, -1, 1, ...
    for (int l = 0; l < 2 * U; ++l) alt[l] = l % 2 ? T(-1) : T(1);
    V y[4][8];
    for (int n2 = 0; n2 < 4; ++n2) {
        for (int t = 0; t < 8; ++t) y[n2][t] = x[n2 + 4 * t];
        dft8v<T, U, Inv>(y[n2]);
        if constexpr (Scaled) for (int t = 0; t < 8; ++t) y[n2][t] = y[n2][t] * sc;
    }
    for (int k = 0; k < q; ++k) {
        V t[4] = {y[0][k], y[1][k], y[2][k], y[3][k]};
        for (int m = 1; m < 4; ++m) {
            // t · (c ∓ i·s) with the sign of s on alternate lanes, as cmul
            const T c = tw[(2 * m - 2) * q + k], s = tw[(2 * m - 1) * q + k];
            const V p = lane::swap_pairs(t[m]) * (alt * s);
            t[m] = Inv ? mul_sub(t[m], V{} + c, p) : mul_add(t[m], V{} + c, p);
        }
        dft4v<T, U, Inv>(t);
        for (int m = 0; m < 4; ++m) x[k + q * m] = t[m];
    }
}

inline constexpr int kFuseSpanBits = 3;
// Beyond the second-level cache (from kFarBytes of data on) the inputs come
// from further out in R·span streams of one cache line an iteration, more
// than the processor's prefetchers follow: there ("far") the walk prefetches
// every line kPrefetchPoints points ahead and spans 4 groups instead of 8
// (half the streams, for runs of stores half as long). Whole transforms,
// double: 2^19 points 4.8 -> 3.5 ms, 2^18 1.40 -> 1.20 ms, 2^15 and 2^16
// 5%; single: 2^19 and 2^20 a quarter less. Nearer in the prefetches only
// cost (even a branch around them slows the short first passes, which are
// laid out for their registers), hence an instance of its own.
inline constexpr std::size_t kFarBytes = std::size_t{1} << 18, kPrefetchPoints = 16;
inline constexpr int kFarSpanBits = 2;
// From kStreamBytes of data on, source and destination together outgrow
// the last-level cache (16 MiB here) and the first pass's stores bypass it:
// they would only evict the source. 2^19 and 2^20 points, double: 7% and
// 12% less time; single 2^20: 10%.
inline constexpr std::size_t kStreamBytes = std::size_t{1} << 23;
template <class T>
std::size_t data_bytes(const FftPlan<T>& p) { return (std::size_t{2} << p.order) * sizeof(T); }
template <class T>
bool far_first(const FftPlan<T>& p) { return data_bytes(p) >= kFarBytes; }
// Lanes Off .. Off + n - 1 of a followed by b (n the lanes of a); lanes
// before a's first (Off < 0) are left as a's first.
template <int Off, class V, std::size_t... I>
inline V slide(V a, V b, std::index_sequence<I...>) {
    return __builtin_shufflevector(a, b, (static_cast<int>(I) + Off < 0 ? 0 : static_cast<int>(I) + Off)...);
}
template <int Off, class V>
inline V slide(V a, V b) { return slide<Off>(a, b, std::make_index_sequence<lane::count<V>>{}); }
// a then b, as one vector of twice the lanes.
template <class V, std::size_t... I>
inline auto cat(V a, V b, std::index_sequence<I...>) { return __builtin_shufflevector(a, b, I...); }
template <class V>
inline auto cat(V a, V b) { return cat(a, b, std::make_index_sequence<2 * lane::count<V>>{}); }
// The first (H = 0) or second half of v's lanes.
template <int H, class V, std::size_t... I>
inline auto half_of(V v, std::index_sequence<I...>) { return __builtin_shufflevector(v, v, (H * sizeof...(I) + I)...); }
template <int H, class V>
inline auto half_of(V v) { return half_of<H>(v, std::make_index_sequence<lane::count<V> / 2>{}); }

// A load of the first pass, far: with a prefetch of the line to come.
// Halves: as two vectors of half the width.
template <class T, int W, bool Far, bool Halves = false>
[[gnu::always_inline]] inline vec<T, W> load_first(const T* p) {
    if constexpr (Far) __builtin_prefetch(p + 2 * kPrefetchPoints);
    if constexpr (Halves) return cat(loadv<T, W / 2>(p), loadv<T, W / 2>(p + W / 2));
    return loadv<T, W>(p);
}

// The groups of a first pass of R points, U neighbours (in the source) at
// a time: the group of input r is rb(r), the bit reversal over the group
// bits. Groups gap apart land next to each other in the destination:
// visiting them together writes whole cache lines.
template <class T, int R, int U, bool Far>
struct FirstGroups {
    const std::uint32_t* rev;  // the plan's fields, held here for the loops
    int lo, order, bits;
    std::size_t groups;
    explicit FirstGroups(const FftPlan<T>& p)
        : rev(p.rev), lo(p.revbits), order(p.order), bits(p.order - std::bit_width(static_cast<unsigned>(R)) + 1),
          groups((std::size_t{1} << p.order) / R) {}
    std::size_t rb(std::size_t i) const { return reverse_bits(rev, lo, order, i, bits); }
    // f(r, rb(r)) for the first input r of every U groups; rb(r) of
    // r = r1 + a·gap is rb(r1) + rb(a·gap) (the bits do not overlap).
    template <class F>
    [[gnu::always_inline]] void each(F f) const {
        constexpr int ubits = std::bit_width(static_cast<unsigned>(U)) - 1, cap = Far ? kFarSpanBits : kFuseSpanBits;
        const int sbits = bits - ubits < cap ? bits - ubits : cap;
        const std::size_t span = std::size_t{1} << sbits, gap = groups >> sbits;
        std::size_t rb_a[std::size_t{1} << cap];
        for (std::size_t a = 0; a < span; ++a) rb_a[a] = rb(a * gap);
        for (std::size_t r1 = 0; r1 < gap; r1 += U) {
            const std::size_t g1 = rb(r1);
            for (std::size_t a = 0; a < span; ++a) f(r1 + a * gap, g1 + rb_a[a]);
        }
    }
};

// Far: see kFarBytes. Rg: the destination may have a ring; without, the
// stores' addresses are fixed (an instance of each: left to the compiler's
// cloning, the near first passes lost their ring-free copy).
template <class T, int U, bool Inv, bool Scaled, int R, bool Blk, bool Far = false, bool Rg = false, bool Halves = false>
[[gnu::noinline]] void fused_first(const FftPlan<T>& plan, const T* src, T* dst, T sc, const Ring<T>* ring) {
    using V = vec<T, 2 * U>;
    const Ring<T>* rg = Rg ? ring : nullptr;
    const FirstGroups<T, R, U, Far> fg(plan);
    const std::size_t stride = fg.groups;
    std::size_t lane_off[U];
    for (int j = 0; j < U; ++j) lane_off[j] = fg.rb(static_cast<std::size_t>(j));
    fg.each([&](std::size_t r0, std::size_t) __attribute__((always_inline)) {
        V x[R];
        for (int t = 0; t < R; ++t) x[t] = load_first<T, 2 * U, Far, Halves>(src + 2 * (r0 + t * stride));
        if constexpr (R == 4) {
            dft4v<T, U, Inv>(x);
        } else if constexpr (R == 16) {
            dft16v<T, U, Inv, Scaled>(x, sc);
        } else if constexpr (R == 32) {
            dft32v<T, U, Inv, Scaled>(x, sc, plan.pass[0].tw);
        } else {
            dft8v<T, U, Inv>(x);
        }
        if constexpr (Scaled && R < 16) for (int k = 0; k < R; ++k) x[k] = x[k] * sc;
        // (the group from r0 here: held through the DFT, it costs spills)
        const std::size_t g0 = fg.rb(r0);
        T* out[U];
        for (int j = 0; j < U; ++j) out[j] = dst + 2 * R * (g0 | lane_off[j]);
        store_groups<T, U, R, Blk>(x, out, rg);
    });
}

// The same first pass into the blocked layout, on split vectors of W
// groups (W = the layout's block): the input t of W neighbouring groups is W
// contiguous points, taken apart within 16-byte lanes into one vector of
// real parts and one of imaginary parts, so lane l holds group perm[l] of
// them. The DFTs then run on whole vectors (no units to swap), and
// transposes of W x W values turn the R outputs of each lane into the R/W
// blocks of its group. Same operations per point as fused_first, same bits.
template <class T, bool Inv, bool Scaled, int R, bool Far, bool Rg, bool Half = false>
[[gnu::noinline]] void fused_split(const FftPlan<T>& plan, const T* src, T* dst, T sc, const Ring<T>* ring) {
    const Ring<T>* rg = Rg ? ring : nullptr;
    constexpr int W = static_cast<int>(Blocked<T>::W);
    static_assert(R % W == 0 && (R == 8 || R == 16));
    using V = vec<T, W>;
    using C = Sc<V>;
    const FirstGroups<T, R, W, Far> fg(plan);
    const std::size_t stride = fg.groups;
    const bool nt = Far && data_bytes(plan) >= kStreamBytes;
    // Half: the source lies half a line (W values) off a line boundary, and
    // the loads start hs = W/2 points earlier, on the boundaries (see
    // fused_r). Lane l holds point s = perm(l) of the W loaded, which is
    // point s' = (s - hs) mod W of the W groups from r0 on, or for s < hs of
    // the W groups before (for r0 = 0, the last W points of the stride,
    // whose first halves come from one stride on). Its group is rb(base +
    // s') = rb(base) + rb(s' & 1) + rb(s' & ~1) (the bits do not overlap):
    // its blocks are addressed from one or two bases plus one of W/2
    // offsets for the pair s' / 2 and the offset of odd s', all in
    // registers.
    constexpr std::size_t back = Half ? W : 0;
    constexpr int hs = Half ? W / 2 : 0;
    const auto perm = [](int l) { return static_cast<int>(perm_point<T>(static_cast<std::size_t>(l), W)); };
    std::size_t pair_off[W / 2];
    for (int h = 0; h < W / 2; ++h) pair_off[h] = 2 * R * fg.rb(static_cast<std::size_t>((2 * h + W - hs) % W));
    const std::size_t odd_off = 2 * R * fg.rb(1);
    fg.each([&](std::size_t r0, std::size_t g0) __attribute__((always_inline)) {
        // where the first half of a load lies from the point r0 + t·stride
        const std::ptrdiff_t first = Half ? (r0 == 0 ? 2 * static_cast<std::ptrdiff_t>(stride) : 0) - W : 0;
        const auto load = [&](int t) {
            const T* p = src + 2 * (r0 + t * stride);
            const V u = load_first<T, W, Far>(p + first), v = loadv<T, W>(p + W - back);
            return C{lane::evens_in_lanes(u, v), lane::odds_in_lanes(u, v)};
        };
        // The outputs' parts, row k = output k of every lane.
        V xr[R], xi[R];
        if constexpr (R == 16) {
            // The halves one after the other, on arrays of vectors (copies
            // of the pairs would go through integer registers).
            V yr[R], yi[R];
#pragma GCC unroll 4
            for (int n2 = 0; n2 < 4; ++n2) {
                C t[4] = {load(n2), load(n2 + 4), load(n2 + 8), load(n2 + 12)};
                dft16_half<T, Inv, Scaled, SplitOps<V>>(t, n2, sc);
                for (int k1 = 0; k1 < 4; ++k1) yr[4 * k1 + n2] = t[k1].re, yi[4 * k1 + n2] = t[k1].im;
            }
#pragma GCC unroll 4
            for (int k1 = 0; k1 < 4; ++k1) {
                C u[4];
                for (int k2 = 0; k2 < 4; ++k2) u[k2] = {yr[4 * k1 + k2], yi[4 * k1 + k2]};
                dft4c<Inv, SplitOps<V>>(u);
                for (int k2 = 0; k2 < 4; ++k2) xr[k1 + 4 * k2] = u[k2].re, xi[k1 + 4 * k2] = u[k2].im;
            }
        } else {
            C x[R];
            for (int t = 0; t < R; ++t) x[t] = load(t);
            dft8c<T, Inv, SplitOps<V>>(x);
            if constexpr (Scaled) for (int k = 0; k < R; ++k) x[k] = x[k] * sc;
            for (int k = 0; k < R; ++k) xr[k] = x[k].re, xi[k] = x[k].im;
        }
        T* even = dst + 2 * R * g0;
        T* odd = even + odd_off;
        asm("" : "+r"(even), "+r"(odd));  // addresses, not packed into vectors
        T* before = even;
        if constexpr (Half) {
            before = dst + 2 * R * fg.rb((r0 != 0 ? r0 : stride) - W);
            asm("" : "+r"(before));
        }
        // point s of the W loaded, block b
        const auto at = [&](int s, int b) {
            if (Half && s < hs) return before + (s % 2 ? odd_off : 0) + pair_off[s / 2] + 2 * b * W;
            return (s % 2 ? odd : even) + pair_off[s / 2] + 2 * b * W;
        };
        for (int b = 0; b < R / W; ++b) {
            V re[W], im[W];
            for (int k = 0; k < W; ++k) {
                const int pt = b * W + static_cast<int>(blk_point<T>(static_cast<std::size_t>(k)));
                re[k] = xr[pt], im[k] = xi[pt];
            }
            // (the in-lane stages schedule best last after the length-8
            // DFT, first after the length-16 one: 3% either way)
            transpose_vals<W, 1, R == 8>(re);
            transpose_vals<W, 1, R == 8>(im);
#pragma GCC unroll 8
            for (int l = 0; l < W; ++l) {
                T* q = at(perm(l), b);
                T* qi = rg != nullptr ? rg->im_at(q) : q + W;
                if (nt) {
                    stream_nt(q, re[l]);
                    stream_nt(qi, im[l]);
                } else {
                    storev<T, W>(q, re[l]);
                    storev<T, W>(qi, im[l]);
                }
            }
        }
    });
    if (nt) _mm_sfence();
}

// Complex units in one full vector of the level (at most 8).
template <class T>
constexpr int full_units() {
    constexpr int u = static_cast<int>(kVectorBytes / (2 * sizeof(T)));
    return u >= 8 ? 8 : u;
}

// ---- The bit reversal fused with the first pass, tile by tile. With K-bit
// a and c, an index is (a, m, c) and its reversal (rev c, rev m, rev a), so
// the 2^K x 2^K tile of a middle part m (rows a) maps onto the tile of
// rev m. Row j of tile m loaded as vectors holds, lane by lane, input j of
// the length-2^K DFTs whose outputs form the rows rev(lane) of tile rev m:
// the DFTs run across the row vectors, and transposes of units turn their
// results into those rows. In place, the two tiles of a pair are both
// computed before either is stored. The length-16 DFT of the even orders
// covers the first radix-4 pass, as in the gather out of place: the same
// operations, the same bits. Separate arrays are interleaved on load and
// split again on store.
template <int K>
constexpr int rev_bits(int x) {
    int r = 0;
    for (int b = 0; b < K; ++b) r |= ((x >> b) & 1) << (K - 1 - b);
    return r;
}

// U complex units from unit i on, as one interleaved vector.
template <class T, int U>
struct InterUnits {
    T* p;
    vec<T, 2 * U> ld(std::size_t i) const { return loadv<T, 2 * U>(p + 2 * i); }
    void st(std::size_t i, vec<T, 2 * U> v) const { storev<T, 2 * U>(p + 2 * i, v); }
};
template <class T, int U>
struct SplitUnits {
    T* re;
    T* im;
    vec<T, 2 * U> ld(std::size_t i) const { return lane::join(loadv<T, U>(re + i), loadv<T, U>(im + i)); }
    void st(std::size_t i, vec<T, 2 * U> v) const {
        storev<T, U>(re + i, lane::take_evens(v));
        storev<T, U>(im + i, lane::take_odds(v));
    }
};

// Interleaved units in, blocked (see Blocked) out: two vectors of U units
// make the block of 2U points that starts at unit i.
template <class T, int U>
struct BlockedUnits {
    T* p;
    vec<T, 2 * U> ld(std::size_t i) const { return loadv<T, 2 * U>(p + 2 * i); }
    void st2(std::size_t i, vec<T, 2 * U> a, vec<T, 2 * U> b) const {
        static_assert(2 * U == Blocked<T>::W);
        if constexpr (kPermBlocks) {  // the parts within 16-byte lanes come out in block order
            storev<T, 2 * U>(p + 2 * i, lane::evens_in_lanes(a, b));
            storev<T, 2 * U>(p + 2 * i + 2 * U, lane::odds_in_lanes(a, b));
        } else {
            storev<T, 2 * U>(p + 2 * i, lane::evens(a, b));
            storev<T, 2 * U>(p + 2 * i + 2 * U, lane::odds(a, b));
        }
    }
};

template <class T, int U, bool Inv, bool Scaled, int K, class L, class LD>
void first_tiles(const FftPlan<T>& plan, L src, LD dst, bool in_place, T sc) {
    using V = vec<T, 2 * U>;
    constexpr int R = 1 << K, B = R / U;  // units and vectors per row
    const int order = plan.order, top = order - K, mbits = order - 2 * K;
    const std::size_t nm = std::size_t{1} << mbits;
    const auto unit = [&](std::size_t a, std::size_t m, int b) { return (a << top) | (m << K) | static_cast<std::size_t>(U * b); };
    // The output tile (rows in memory order) of the input tile m.
    const auto tile = [&](std::size_t m, V (*out)[B]) {
        for (int b = 0; b < B; ++b) {
            V z[R];
            for (int j = 0; j < R; ++j) z[j] = src.ld(unit(static_cast<std::size_t>(j), m, b));
            if constexpr (K == 3) {
                dft8v<T, U, Inv>(z);
                if constexpr (Scaled) for (int k = 0; k < R; ++k) z[k] = z[k] * sc;
            } else {
                dft16v<T, U, Inv, Scaled>(z, sc);
            }
            for (int k0 = 0; k0 < R; k0 += U) {
                V u[U];
                for (int l = 0; l < U; ++l) u[l] = z[k0 + l];
                transpose_units<T, U>(u);
                for (int l = 0; l < U; ++l) out[rev_bits<K>(U * b + l)][k0 / U] = u[l];
            }
        }
    };
    const auto store = [&](std::size_t m, const V (*t)[B]) {
        for (std::size_t a = 0; a < R; ++a) {
            if constexpr (requires { dst.st2(std::size_t{0}, t[0][0], t[0][0]); }) {
                for (int b = 0; b < B; b += 2) dst.st2(unit(a, m, b), t[a][b], t[a][b + 1]);
            } else {
                for (int b = 0; b < B; ++b) dst.st(unit(a, m, b), t[a][b]);
            }
        }
    };
    for (std::size_t m = 0; m < nm; ++m) {
        const std::size_t rm = reverse_bits(plan, m, mbits);
        if (in_place && rm < m) continue;  // done with its partner
        V ta[R][B], tb[R][B];
        tile(m, ta);
        if (in_place && rm != m) {
            tile(rm, tb);
            store(m, tb);
        }
        store(rm, ta);
    }
}

// From this order on, the out-of-place interleaved transform keeps its data
// blocked (see Blocked) from the first pass to the last: every plan of such
// an order has R >= 2U, groups >= U and at least one pass after the first.
// With 64-byte vectors the blocked store costs the first pass about what it
// saves the later passes of 1024 single-precision points, so those start one
// order later there.
template <class T>
constexpr int blocked_min_order() { return sizeof(T) == 4 && kVectorBytes >= 64 ? 11 : sizeof(T) == 4 ? 10 : 8; }

// The largest order whose interleaved passes may run in a frame of 8 KiB on
// the stack.
template <class T>
inline constexpr int kScratchMaxOrder = std::bit_width(8192 / (2 * sizeof(T))) - 1;

template <class T, bool Inv, bool Scaled, int R, bool Blk>
void fused_r(const FftPlan<T>& plan, const T* src, T* dst, T sc, const Ring<T>* ring) {
    constexpr int Un = full_units<T>() < R ? full_units<T>() : R;  // R groups of U units: U <= R
    constexpr int U2 = Un >= 2 ? 2 : 1;
    const std::size_t groups = (std::size_t{1} << plan.order) / R;
    // The blocked first passes come in one instance for far data (see
    // kFarBytes, any destination) and two for near data, with a ring and
    // without.
    const auto blocked_pass = [&](auto go) {
        if (far_first(plan)) go(std::true_type{}, std::true_type{});
        else if (ring != nullptr) go(std::false_type{}, std::true_type{});
        else go(std::false_type{}, std::false_type{});
    };
    // Doubles' units hold the length-16 DFT in fewer registers, which pays
    // while the data stays in the second-level cache.
    if constexpr (Blk && kVectorBytes < 64 && (R == 8 || R == 16)) {
        // The W points of a split load are two halves of cache lines when
        // the source lies half a line off a line boundary (32-byte aligned
        // blocks may, the heap's large ones always do). The R = 16 streams
        // fall into one set of the first-level cache, whose other halves
        // have left it before the next step needs them: every line came in
        // twice. There the loads of doubles start half a line earlier (2^14
        // and 2^16 points: 10% less time). Eight streams lose nothing, and
        // the singles' 16 streams, shorter, little (where their loads move,
        // 1024 points take a tenth longer).
        const bool half = R == 16 && kVectorBytes == 32 && sizeof(T) == 8 && plan.order >= 12 && reinterpret_cast<std::uintptr_t>(src) % (2 * kVectorBytes) == kVectorBytes;
        if (half)
            blocked_pass([&](auto far, auto rg) { fused_split<T, Inv, Scaled, R, far(), rg(), R == 16>(plan, src, dst, sc, ring); });
        else if (R == 8 || sizeof(T) == 4 || plan.order >= 12)
            blocked_pass([&](auto far, auto rg) { fused_split<T, Inv, Scaled, R, far(), rg()>(plan, src, dst, sc, ring); });
        else
            blocked_pass([&](auto far, auto rg) { fused_first<T, Un, Inv, Scaled, R, true, far(), rg()>(plan, src, dst, sc, ring); });
    } else if constexpr (Blk) {
        static_assert(Blocked<T>::W == 2 * full_units<T>());
        // Vectors of a whole cache line from a source half a line off a
        // line boundary (as the heap's large blocks lie) would each span
        // two lines; singles load them as two halves instead (2^12 points
        // a tenth faster, 2^15 to 2^17 a twentieth). Doubles gained nothing
        // measurable and keep whole loads (and half the instances).
        constexpr bool line_vectors = kVectorBytes == 64 && sizeof(T) == 4;
        if (line_vectors && reinterpret_cast<std::uintptr_t>(src) % 64 == 32)
            blocked_pass([&](auto far, auto rg) { fused_first<T, Un, Inv, Scaled, R, true, far(), rg(), line_vectors>(plan, src, dst, sc, ring); });
        else
            blocked_pass([&](auto far, auto rg) { fused_first<T, Un, Inv, Scaled, R, true, far(), rg()>(plan, src, dst, sc, ring); });
    } else if (groups >= static_cast<std::size_t>(Un)) {
        fused_first<T, Un, Inv, Scaled, R, false>(plan, src, dst, sc, nullptr);
    } else if (groups >= static_cast<std::size_t>(U2)) {
        fused_first<T, U2, Inv, Scaled, R, false>(plan, src, dst, sc, nullptr);
    } else {
        fused_first<T, 1, Inv, Scaled, R, false>(plan, src, dst, sc, nullptr);
    }
}

// Returns the number of radix-4 passes the first pass also covered.
template <class T, bool Inv, bool Scaled, bool Blk>
int fused_first_any(const FftPlan<T>& plan, const T* src, T* dst, T sc, const Ring<T>* ring = nullptr) {
    if (plan.order % 2) {
        // Doubles are faster with the shorter first pass, and so are blocked
        // singles where 32 vectors of 16 points would not fit the registers.
        if constexpr (sizeof(T) == 4 && !(Blk && kVectorBytes < 64)) {
            if (Blk || plan.order >= 5) {
                fused_r<T, Inv, Scaled, 32, Blk>(plan, src, dst, sc, ring);
                return 1;
            }
            fused_r<T, Inv, Scaled, 8, false>(plan, src, dst, sc, nullptr);
        } else {
            fused_r<T, Inv, Scaled, 8, Blk>(plan, src, dst, sc, ring);
        }
        return 0;
    }
    if (Blk || plan.order >= 4) {
        fused_r<T, Inv, Scaled, 16, Blk>(plan, src, dst, sc, ring);
        return 1;
    }
    fused_r<T, Inv, Scaled, 4, false>(plan, src, dst, sc, nullptr);
    return 0;
}

// src != nullptr: out of place on interleaved data, the gather is fused with
// the first pass; otherwise the data is already in bit-reversed order, or
// with done >= 0 already through the first pass, which covered `done`
// radix-4 passes.
template <class T, bool Inv, bool Scaled, class L>
void run(const FftPlan<T>& plan, L d, T sc, const T* src, int done = -1, bool blocked = false) {
    const std::size_t n = std::size_t{1} << plan.order;
    const std::size_t block = n < static_cast<std::size_t>(plan.block) ? n : static_cast<std::size_t>(plan.block);
    // The passes after the first: block by block while they fit, then over
    // the whole vector; dl is the layout of the last one.
    const auto rest = [&](auto dd, auto dl, int covered, bool first) {
        int p = covered;
        for (std::size_t b = 0; b < n; b += block) {
            if constexpr (std::is_same_v<decltype(dd), L>)
                if (first) first_pass<T, Inv, Scaled>(dd.at(b), block, plan.order, sc);
            p = radix4_passes<T, Inv>(plan, dd.at(b), dl.at(b), block, covered, block);
        }
        radix4_passes<T, Inv>(plan, dd, dl, n, p, n);
    };
    if constexpr (std::is_same_v<L, Inter<T>>) {
        if (src != nullptr) {
            constexpr std::size_t W = Blocked<T>::W;
            const std::size_t mis = reinterpret_cast<std::uintptr_t>(d.p) % (W * sizeof(T));
            if (plan.order >= blocked_min_order<T>()) {
                if (mis == 0 || mis % sizeof(T) != 0) {
                    const int covered = fused_first_any<T, Inv, Scaled, true>(plan, src, d.p, sc);
                    rest(Blocked<T>{d.p}, Unblock<T>{{d.p}, d}, covered, false);
                } else {
                    // A destination off the vector boundary: the blocks
                    // start at the boundary (see Ring).
                    const std::size_t sh = W - mis / sizeof(T);
                    alignas(64) T tail[W];
                    alignas(64) T saved[17 * W];
                    T* p = d.p + sh;
                    const Ring<T> ring{p, p + 2 * n - W, tail};
                    const int covered = fused_first_any<T, Inv, Scaled, true>(plan, src, p, sc, &ring);
                    rest(ring, RingOut<T>{ring, d, saved, 0, p}, covered, false);
                }
            } else if (mis != 0 && plan.order <= kScratchMaxOrder<T>) {
                // A destination off the vector boundary: every load and
                // store of the passes would span two cache lines. They run
                // in an aligned frame instead; the last pass reads it and
                // writes the destination.
                alignas(64) T tmp[std::size_t{2} << kScratchMaxOrder<T>];
                const Inter<T> t{tmp};
                rest(t, InterTo<T>{t, d}, fused_first_any<T, Inv, Scaled, false>(plan, src, tmp, sc), false);
            } else {
                rest(d, d, fused_first_any<T, Inv, Scaled, false>(plan, src, d.p, sc), false);
            }
            return;
        }
    }
    if constexpr (std::is_same_v<L, Inter<T>>) {
        if (blocked) {
            rest(Blocked<T>{d.p}, Unblock<T>{{d.p}, d}, done, false);
            return;
        }
    }
    rest(d, d, done > 0 ? done : 0, done < 0);
}

template <class T, bool Inv, class L>
void run_scaled(const FftPlan<T>& plan, L d, T sc, const T* src) {
    if (sc != T(0)) run<T, Inv, true>(plan, d, sc, src);
    else run<T, Inv, false>(plan, d, sc, src);
}

template <class T>
void passes(const FftPlan<T>& plan, const T* src, T* re, T* im, bool inverse, T sc) {
    if (im == nullptr) {
        if (inverse) run_scaled<T, true>(plan, Inter<T>{re}, sc, src);
        else run_scaled<T, false>(plan, Inter<T>{re}, sc, src);
    } else {
        if (inverse) run_scaled<T, true>(plan, Split<T>{re, im}, sc, nullptr);
        else run_scaled<T, false>(plan, Split<T>{re, im}, sc, nullptr);
    }
}

// The whole transform through the tile pass (order >= kTileMinOrder):
// interleaved in place (si == nullptr), or separate arrays.
template <class T, bool Inv, bool Scaled>
void tiles_run(const FftPlan<T>& plan, T* sr, T* si, T* dr, T* di, T sc) {
    constexpr int Un = full_units<T>();
    const bool in_place = sr == dr || (si != nullptr && si == di);  // either array
    // blocked: the tile pass stores the blocked layout and the passes after
    // it keep it (see Blocked).
    const auto go = [&]<class L, class LU, class LD>(L d, LU s, LD t, bool blocked) {
        if (plan.order % 2) {
            first_tiles<T, Un, Inv, Scaled, 3>(plan, s, t, in_place, sc);
            run<T, Inv, Scaled>(plan, d, sc, nullptr, 0, blocked);
        } else {
            first_tiles<T, Un, Inv, Scaled, 4>(plan, s, t, in_place, sc);
            run<T, Inv, Scaled>(plan, d, sc, nullptr, 1, blocked);
        }
    };
    // Interleaved in place with vectors narrower than 64 bytes: blocked,
    // where the vectors fall on their boundaries.
    if constexpr (kVectorBytes < 64) {
        if (si == nullptr && reinterpret_cast<std::uintptr_t>(dr) % kVectorBytes == 0) {
            go(Inter<T>{dr}, InterUnits<T, Un>{sr}, BlockedUnits<T, Un>{dr}, true);
            return;
        }
    }
    if (si == nullptr) go(Inter<T>{dr}, InterUnits<T, Un>{sr}, InterUnits<T, Un>{dr}, false);
    else go(Split<T>{dr, di}, SplitUnits<T, Un>{sr, si}, SplitUnits<T, Un>{dr, di}, false);
}

template <class T>
void tiles(const FftPlan<T>& plan, const T* sr, const T* si, T* dr, T* di, bool inverse, T sc) {
    T* s = const_cast<T*>(sr);  // written only when it is dr
    T* t = const_cast<T*>(si);
    if (inverse) {
        if (sc != T(0)) tiles_run<T, true, true>(plan, s, t, dr, di, sc);
        else tiles_run<T, true, false>(plan, s, t, dr, di, sc);
    } else {
        if (sc != T(0)) tiles_run<T, false, true>(plan, s, t, dr, di, sc);
        else tiles_run<T, false, false>(plan, s, t, dr, di, sc);
    }
}

// ---- Short interleaved transforms held in registers (orders 3 to 8).
// N = U·M points as M vectors of U complex units, x[j] = points U·j ..
// U·j + U - 1. With n = U·j + l and k = k1 + M·k2:
//   X[k1 + M·k2] = Σ_l W_U^(l·k2) · W_N^(l·k1) · Σ_j x[U·j + l] · W_M^(j·k1),
// so the length-M DFTs run lane-wise across the vectors, the factors
// W_N^(l·k1) multiply lane by lane, and after a transpose of U x U units the
// length-U DFTs run across vectors again and leave the outputs of each
// vector contiguous: no permutation at all. Every load happens before the
// first store, so the transform works in place. Each lane sees the same
// operations whatever the vector width of the level.

// v · W (forward) or v · conj(W), W = c - i·s stored as (c, c, ...), (s, -s, ...)
// over the TU lanes of the table; v covers U <= TU of them, from w on.
template <class T, int U, bool Inv, int TU = U>
inline vec<T, 2 * U> cmul(vec<T, 2 * U> v, const T* w) {
    using V = vec<T, 2 * U>;
    const V c = loadv<T, 2 * U>(w), sn = loadv<T, 2 * U>(w + 2 * TU);
    const V t = lane::swap_pairs(v) * sn;
    return Inv ? mul_sub(v, c, t) : mul_add(v, c, t);
}

// Lane-wise DFT of M vectors: input j from ld(j), output k to put(k, X_k),
// every input read before the first output is put; tw holds W_M^m for
// m < M (M >= 16), followed by the factors of the inner lengths; TU as in
// cmul.
template <class T, int U, bool Inv, int M, int TU = U, class Ld, class Put>
inline void dft_lanes_io(Ld ld, Put put, const T* tw) {
    using V = vec<T, 2 * U>;
    if constexpr (M <= 8) {
        V x[M];
        for (int j = 0; j < M; ++j) x[j] = ld(j);
        if constexpr (M == 2) {
            const V a = x[0] + x[1], b = x[0] - x[1];
            x[0] = a;
            x[1] = b;
        } else if constexpr (M == 4) {
            dft4v<T, U, Inv>(x);
        } else {
            dft8v<T, U, Inv>(x);
        }
        for (int k = 0; k < M; ++k) put(k, x[k]);
    } else {
        constexpr int Q = M / 4;
        V y[M];  // y[k1·Q + n2]
#pragma GCC unroll 8
        for (int n2 = 0; n2 < Q; ++n2) {
            V t[4] = {ld(n2), ld(Q + n2), ld(2 * Q + n2), ld(3 * Q + n2)};
            dft4v<T, U, Inv>(t);
            y[n2] = t[0];
            for (int k1 = 1; k1 < 4; ++k1) y[k1 * Q + n2] = n2 == 0 ? t[k1] : cmul<T, U, Inv, TU>(t[k1], tw + 4 * TU * n2 * k1);
        }
#pragma GCC unroll 4
        for (int k1 = 0; k1 < 4; ++k1)
            dft_lanes_io<T, U, Inv, Q, TU>([&](int j) { return y[k1 * Q + j]; }, [&](int k2, V v) { put(k1 + 4 * k2, v); }, tw + 4 * TU * M);
    }
}

// The same on M vectors in place, natural order in and out.
template <class T, int U, bool Inv, int M, int TU = U>
inline void dft_lanes(vec<T, 2 * U>* x, const T* tw) {
    using V = vec<T, 2 * U>;
    dft_lanes_io<T, U, Inv, M, TU>([&](int j) { return x[j]; }, [&](int k, V v) { x[k] = v; }, tw);
}

// The transform of small_fft in registers: x[j] holds the inputs U·j ..
// U·j + U - 1; x[a + k2] (a a multiple of U, k2 < U) receives the outputs
// M·k2 + a .. M·k2 + a + U - 1.
template <class T, int U, bool Inv, int M>
inline void small_regs(vec<T, 2 * U>* x, const T* tw, T sc) {
    using V = vec<T, 2 * U>;
    dft_lanes<T, U, Inv, M>(x, tw + 4 * U * M);
    for (int k1 = 1; k1 < M; ++k1) x[k1] = cmul<T, U, Inv>(x[k1], tw + 4 * U * k1);
    for (int a = 0; a < M; a += U) {
        V u[U];
        for (int l = 0; l < U; ++l) u[l] = x[a + l];
        transpose_units<T, U>(u);
        dft_lanes<T, U, Inv, U>(u, nullptr);
        for (int k2 = 0; k2 < U; ++k2) x[a + k2] = sc != T(0) ? u[k2] * sc : u[k2];
    }
}

template <class T, int U, int M>
inline void small_store(const vec<T, 2 * U>* x, T* dst) {
    for (int a = 0; a < M; a += U)
        for (int k2 = 0; k2 < U; ++k2) storev<T, 2 * U>(dst + 2 * (M * k2 + a), x[a + k2]);
}

template <class T, int U, bool Inv, int M>
void small_fft(const T* src, T* dst, const T* tw, T sc) {
    vec<T, 2 * U> x[M];
    for (int j = 0; j < M; ++j) x[j] = loadv<T, 2 * U>(src + 2 * U * j);
    small_regs<T, U, Inv, M>(x, tw, sc);
    small_store<T, U, M>(x, dst);
}

// Orders 7 and up, N = N1·N2, n = n1 + N1·n2, k = k2 + N2·k1. Pass 1, per
// block of U columns n1: the lane-wise DFTs of length N2 down the columns
// (stride N1), the factors W_N^(n1·k2), and transposes of U x U units that
// store the results as rows, tmp[n1·N2 + k2]. Pass 2, per block of U
// values k2: the lane-wise DFTs of length N1 down tmp, whose outputs
// X[k2 + N2·k1] are contiguous. Pass 2 writes back exactly the positions it
// has read, so tmp may be dst; tmp is never src. The table has TU lanes
// (blocks of TU columns); the vectors may hold fewer, U, where the level's
// registers are narrower: each element still sees the same operations.
template <class T, int U, bool Inv, int N1, int N2, int TU = U>
void mid_fft(const T* src, T* tmp, T* dst, const T* tw, T sc) {
    using V = vec<T, 2 * U>;
    static_assert(TU % U == 0);
    const T* tw2 = tw + 4 * TU * (N1 / TU) * N2;
    const T* tw1 = tw2 + 4 * TU * lane_chain(N2);
    for (int b = 0; b < N1; b += U) {
        V v[N2];
        for (int n2 = 0; n2 < N2; ++n2) v[n2] = loadv<T, 2 * U>(src + 2 * (b + N1 * n2));
        dft_lanes<T, U, Inv, N2, TU>(v, tw2);
        const T* w = tw + 4 * TU * (b / TU) * N2 + 2 * (b % TU);
        for (int k2 = 1; k2 < N2; ++k2) v[k2] = cmul<T, U, Inv, TU>(v[k2], w + 4 * TU * k2);
        for (int g = 0; g < N2; g += U) {
            V u[U];
            for (int i = 0; i < U; ++i) u[i] = v[g + i];
            transpose_units<T, U>(u);
            for (int i = 0; i < U; ++i) storev<T, 2 * U>(tmp + 2 * ((b + i) * N2 + g), u[i]);
        }
    }
    for (int g = 0; g < N2; g += U)
        dft_lanes_io<T, U, Inv, N1, TU>([&](int n1) { return loadv<T, 2 * U>(tmp + 2 * (n1 * N2 + g)); },
                                        [&](int k1, V v) { storev<T, 2 * U>(dst + 2 * (g + N2 * k1), sc != T(0) ? v * sc : v); }, tw1);
}

// Pass 1 into a frame of at most 8 KiB: in place it needs somewhere else
// to write, and off the vector boundary the destination would take every
// load and store of both passes across two cache lines.
template <class T, int U, bool Inv, int N1, int N2, int TU>
__attribute__((noinline)) void mid_fft_framed(const T* s, T* d, const T* tw, T sc) {
    alignas(64) T tmp[2 * N1 * N2];
    mid_fft<T, U, Inv, N1, N2, TU>(s, tmp, d, tw, sc);
}

// Complex units in one register of the level, at most u.
template <class T>
constexpr int reg_units(int u) {
    constexpr int r = static_cast<int>(kVectorBytes / (2 * sizeof(T)));
    return r < u ? r : u;
}

// The two-pass transform of a table of TU lanes, in vectors no wider than
// the level's registers: wider generic vectors would be taken apart lane by
// lane.
template <class T, int TU, bool Inv, int N1, int N2>
void mid(const T* src, T* dst, const T* tw, T sc) {
    constexpr int U = reg_units<T>(TU);
    if (src == dst || (reinterpret_cast<std::uintptr_t>(dst) % kVectorBytes != 0)) mid_fft_framed<T, U, Inv, N1, N2, TU>(src, dst, tw, sc);
    else mid_fft<T, U, Inv, N1, N2, TU>(src, dst, dst, tw, sc);
}

// small_fft of a table of U lanes; where those lanes do not fit a register,
// the same transform as two passes (N1 = U, N2 = M) in narrower vectors.
template <class T, int U, bool Inv, int M>
void small_any(const T* src, T* dst, const T* tw, T sc) {
    if constexpr (reg_units<T>(U) == U) small_fft<T, U, Inv, M>(src, dst, tw, sc);
    else mid<T, U, Inv, U, M>(src, dst, tw, sc);
}

template <class T, bool Inv>
void small_dir(const FftPlan<T>& plan, const T* src, T* dst, T sc) {
    constexpr int ML = small_lanes<T>(kOnePassMaxOrder + 1);
    const T* tw = plan.small;
    switch (plan.order) {
    case 3: small_any<T, 2, Inv, 4>(src, dst, tw, sc); break;
    case 4: small_any<T, 4, Inv, 4>(src, dst, tw, sc); break;
    case 5: small_any<T, 4, Inv, 8>(src, dst, tw, sc); break;
    case 6: small_any<T, 4, Inv, 16>(src, dst, tw, sc); break;
    case 7: mid<T, ML, Inv, 8, 16>(src, dst, tw, sc); break;
    case 8: mid<T, ML, Inv, 16, 16>(src, dst, tw, sc); break;
    default: mid<T, ML, Inv, 32, 16>(src, dst, tw, sc); break;
    }
}

template <class T>
void small(const FftPlan<T>& plan, const T* src, T* dst, bool inverse, T sc) {
    if (inverse) small_dir<T, true>(plan, src, dst, sc);
    else small_dir<T, false>(plan, src, dst, sc);
}

// ---- real transforms: the split of the half-length spectrum into the Perm
// spectrum and its inverse merge, pairs (k, M - k) for 1 <= k < M/2. The
// upper partners are loaded as vectors and reversed, so a vector step
// handles W pairs; the scalar steps use the same operations in the same
// order.

// A product the compiler must round on its own. The one-pair tail is
// scalar code that the wider levels' vectorisers would otherwise pair into
// fused multiply-add-subtract instructions, which round once instead of
// twice and change the bits.
template <class V>
inline V product(V a, V b) {
    V p = a * b;
    if constexpr (std::is_floating_point_v<V>) asm("" : "+m"(p));
    return p;
}

template <class V, bool Merge>
inline void pair_step(V& pr, V& pi, V& rr, V& ri, V c, V sn) {
    if (Merge) {
        const V sr = pr + rr, si = pi - ri, dr = pr - rr, di = pi + ri;
        const V u = product(sn, dr) + product(c, di), v = product(c, dr) - product(sn, di);
        pr = sr - u;
        pi = si + v;
        rr = sr + u;
        ri = v - si;
    } else {
        const V dd = pr - rr, e = pi + ri;
        const V ce = product(c, e) + product(sn, dd), se = product(sn, e) - product(c, dd);
        const V npr = rr + ce, npi = se - ri;
        rr = pr - ce;
        ri = se - pi;
        pr = npr;
        pi = npi;
    }
}

// The split (forward) or merge (inverse) of the pairs k, M - k: the values
// X[k], 1 <= k < M, read from x[2k - Off] (Off = 1 for Pack, 0 for Perm,
// CCS and the split in place), the results written to d[2k]. x may be d when
// Off is 0: each step reads both ends of its pairs before writing them.
// W pairs per step from k on while they fit below M/2, then halves down to
// pairs of lanes; returns the next k.
template <class T, int W, bool Merge, int Off>
std::size_t pairs_w(const T* x, T* d, std::size_t m, const T* c, const T* sn, std::size_t k) {
    using V = vec<T, W>;
    const Inter<T> z{d};
    const auto ld = [&](std::size_t j) {
        const auto a = loadv<T, W>(x + 2 * j - Off), b = loadv<T, W>(x + 2 * j + W - Off);
        return Cv<T, W>{lane::evens(a, b), lane::odds(a, b)};
    };
    for (; 2 * k + 2 * W <= m; k += W) {
        Cv<T, W> p = ld(k), r = ld(m - k - W + 1);
        r.re = lane::reversed(r.re);
        r.im = lane::reversed(r.im);
        pair_step<V, Merge>(p.re, p.im, r.re, r.im, loadv<T, W>(c + k), loadv<T, W>(sn + k));
        r.re = lane::reversed(r.re);
        r.im = lane::reversed(r.im);
        z.template st<W>(k, p);
        z.template st<W>(m - k - W + 1, r);
    }
    if constexpr (W > 2) k = pairs_w<T, W / 2, Merge, Off>(x, d, m, c, sn, k);
    return k;
}

// Full vectors first, then narrower ones, then single pairs: every pair gets
// the same operations whatever the width.
template <class T, bool Merge, int Off>
void pairs_t(const T* x, T* d, std::size_t m, const T* c, const T* sn) {
    std::size_t k = pairs_w<T, static_cast<int>(kVectorBytes / sizeof(T)), Merge, Off>(x, d, m, c, sn, 1);
    for (; k < m / 2; ++k) {
        T pr = x[2 * k - Off], pi = x[2 * k + 1 - Off], rr = x[2 * (m - k) - Off], ri = x[2 * (m - k) + 1 - Off];
        pair_step<T, Merge>(pr, pi, rr, ri, c[k], sn[k]);
        d[2 * k] = pr;
        d[2 * k + 1] = pi;
        d[2 * (m - k)] = rr;
        d[2 * (m - k) + 1] = ri;
    }
}

template <class T>
void split_merge(T* d, std::size_t m, const T* c, const T* sn, bool merge) {
    if (merge) pairs_t<T, true, 0>(d, d, m, c, sn);
    else pairs_t<T, false, 0>(d, d, m, c, sn);
}

// The whole inverse merge of the N = 2m reals of a layout into the m complex
// values Z in d (d may be x for Perm and CCS, not for Pack).
template <class T>
void merge_layout(const T* x, T* d, std::size_t m, const T* c, const T* sn, PackedLayout lay) {
    const std::size_t n = 2 * m, off = lay == PackedLayout::pack ? 1 : 0;
    const T a0 = x[0], an = x[nyquist_pos(lay, n)];
    if (m >= 2) {
        const T hr = x[m - off], hi = x[m + 1 - off];  // X[M/2]
        if (m >= 4) {
            if (off) pairs_t<T, true, 1>(x, d, m, c, sn);
            else pairs_t<T, true, 0>(x, d, m, c, sn);
        }
        d[m] = 2 * hr;
        d[m + 1] = -2 * hi;
    }
    d[0] = a0 + an;
    d[1] = a0 - an;
}

// Inverse real transforms of 16 and 32 points (M = 8 or 16 complex values),
// whose complex half runs in registers: the pairs k = 1 .. M/2 - 1 merge as
// one vector (its last lane, the middle value, is replaced), and the merged
// values become the transform's input vectors in registers (or, where the
// level's registers are narrower, go through memory).
template <class T, int M, int U>
inline void inv_short_m(const FftPlan<T>& plan, const T* x, T* d, const T* c, const T* sn, PackedLayout lay, T sc) {
    constexpr int W = M / 2;
    using H = vec<T, W>;
    const std::size_t off = lay == PackedLayout::pack ? 1 : 0;
    const T a0 = x[0], an = x[nyquist_pos(lay, 2 * M)], hr = x[M - off], hi = x[M + 1 - off];
    const auto lo = loadv<T, 2 * W>(x + 2 - off), up = loadv<T, 2 * W>(x + M - off);  // X[1 .. W], X[W .. M - 1]
    H pr = lane::take_evens(lo), pi = lane::take_odds(lo);
    H rr = lane::reversed(lane::take_evens(up)), ri = lane::reversed(lane::take_odds(up));  // X[M - 1 .. W]
    pair_step<H, true>(pr, pi, rr, ri, loadv<T, W>(c + 1), loadv<T, W>(sn + 1));
    if constexpr (reg_units<T>(U) == U && M == 4 * U) {
        // Units 0 .. W - 1 and W .. M - 1 of the merged values as two
        // vectors, each the inputs of two vectors of the transform.
        using C = vec<T, 2 * W>;
        const C p = lane::join(pr, pi);
        C z0 = slide<-2>(p, p), z1 = lane::join(lane::reversed(rr), lane::reversed(ri));
        z0[0] = a0 + an;
        z0[1] = a0 - an;
        z1[0] = 2 * hr;
        z1[1] = -2 * hi;
        vec<T, 2 * U> v[4] = {half_of<0>(z0), half_of<1>(z0), half_of<0>(z1), half_of<1>(z1)};
        small_regs<T, U, true, 4>(v, plan.small, sc);
        small_store<T, U, 4>(v, d);
    } else {
        T v[2 * M];
        v[0] = a0 + an;
        v[1] = a0 - an;
        v[M] = 2 * hr;
        v[M + 1] = -2 * hi;
        for (int k = 1; k < W; ++k) {
            v[2 * k] = pr[k - 1];
            v[2 * k + 1] = pi[k - 1];
            v[2 * (M - k)] = rr[k - 1];
            v[2 * (M - k) + 1] = ri[k - 1];
        }
        // The merged values go to memory as whole vectors of the width the
        // transform loads, so that its loads take them straight from the
        // stores.
        alignas(64) T z[2 * M];
        for (int j = 0; j < 2 * M; j += 2 * U) {
            vec<T, 2 * U> w;
            for (int l = 0; l < 2 * U; ++l) w[l] = v[j + l];
            storev<T, 2 * U>(z + j, w);
        }
        small_any<T, U, true, M / U>(z, d, plan.small, sc);
    }
}

template <class T>
void inv_short(const FftPlan<T>& plan, const T* x, T* d, const T* c, const T* sn, PackedLayout lay, T sc) {
    if (plan.order == 3) inv_short_m<T, 8, small_lanes<T>(3)>(plan, x, d, c, sn, lay, sc);
    else inv_short_m<T, 16, small_lanes<T>(4)>(plan, x, d, c, sn, lay, sc);
}

// Forward real transforms of 16 and 32 points: the complex half in
// registers, then the split of the pairs k = 1 .. M/2 - 1 as one vector
// (its last lane, the middle pair, is dropped), stored in Perm order. The
// operations of the complex transform and of split_step, in their order:
// the same bits.
template <class T, int M, int U>
inline void fwd_short_m(const FftPlan<T>& plan, const T* x, T* d, const T* c, const T* sn, T sc) {
    constexpr int W = M / 2;
    using H = vec<T, W>;
    using C = vec<T, 2 * W>;
    C lo, up;  // Z[1 .. W], Z[W .. M - 1]
    T z0r, z0i;
    if constexpr (reg_units<T>(U) == U && M == 4 * U) {
        using V = vec<T, 2 * U>;
        V z[4];
        for (int j = 0; j < 4; ++j) z[j] = loadv<T, 2 * U>(x + 2 * U * j);
        small_regs<T, U, false, 4>(z, plan.small, sc);
        // Z[U·i] .. Z[U·i + U - 1] are in z[blk(i)] (see small_regs).
        constexpr auto blk = [](int i) { return U * i % 4 / U * U + U * i / 4; };
        const V b0 = z[blk(0)], b1 = z[blk(1)], b2 = z[blk(2)], b3 = z[blk(3)];
        lo = cat(slide<2>(b0, b1), slide<2>(b1, b2));
        up = cat(b2, b3);
        z0r = b0[0];
        z0i = b0[1];
    } else {
        alignas(64) T z[2 * M];
        small_any<T, U, false, M / U>(x, z, plan.small, sc);
        lo = loadv<T, 2 * W>(z + 2);
        up = loadv<T, 2 * W>(z + M);
        z0r = z[0];
        z0i = z[1];
    }
    H pr = lane::take_evens(lo), pi = lane::take_odds(lo);
    H rr = lane::reversed(lane::take_evens(up)), ri = lane::reversed(lane::take_odds(up));
    pair_step<H, false>(pr, pi, rr, ri, loadv<T, W>(c + 1), loadv<T, W>(sn + 1));
    // Unit 0, then units 1 .. W - 1; unit W, then M - k for k = W - 1 .. 1.
    const C p = lane::join(pr, pi);
    C o0 = slide<-2>(p, p), o1 = lane::join(lane::reversed(rr), lane::reversed(ri));
    o0[0] = z0r + z0i;
    o0[1] = z0r - z0i;
    o1[0] = up[0];
    o1[1] = -up[1];
    storev<T, 2 * W>(d, o0);
    storev<T, 2 * W>(d + 2 * W, o1);
}

template <class T>
void fwd_short(const FftPlan<T>& plan, const T* x, T* d, const T* c, const T* sn, T sc) {
    if (plan.order == 3) fwd_short_m<T, 8, small_lanes<T>(3)>(plan, x, d, c, sn, sc);
    else fwd_short_m<T, 16, small_lanes<T>(4)>(plan, x, d, c, sn, sc);
}

}  // namespace

#ifdef ZORS_FUSED
#define ZORS_FFT_TABLE(name) name##_fused
#else
#define ZORS_FFT_TABLE(name) name
#endif
extern const FftKernels ZORS_FFT_TABLE(fft_kernels) = {{&passes<float>, &tiles<float>, &small<float>, &split_merge<float>},
                                                      {&passes<double>, &tiles<double>, &small<double>, &split_merge<double>}};
extern const FftRealKernels ZORS_FFT_TABLE(fft_real_kernels) = {{&merge_layout<float>, &inv_short<float>, &fwd_short<float>},
                                                               {&merge_layout<double>, &inv_short<double>, &fwd_short<double>}};
#undef ZORS_FFT_TABLE

}  // namespace zors::ZORS_ISA
