// Wide bodies of the DCT, compiled once per dispatch level: the steps around
// the complex DFT of the Bluestein path (the real split with the output
// weights, and its inverse, the merge of the weighted coefficients). Each
// output takes the same operations in the same order in a vector lane as in
// the scalar tail, so every level computes the same bits.
#include "frame/isa.h"

// The straight-line vectoriser would fuse the tails' complex products into
// multiply-add instructions despite -ffp-contract=off; the packs below are
// explicit.
#pragma GCC optimize("no-tree-vectorize")

#include <cstring>

#include "frame/lanes.h"
#include "transform/dct.h"

namespace zors::ZORS_ISA {
namespace {

// W values of T in one register of the level; loads and stores of the parts
// of W interleaved complex values.
template <class T>
struct Lanes {
    static constexpr std::size_t W = kVectorBytes / sizeof(T);
    typedef T V __attribute__((vector_size(kVectorBytes)));
    static V load(const T* p) {
        V v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    // The parts of the W complex values from p on.
    static void parts(const Cx<T>* p, V& re, V& im) {
        const T* q = &p->re;
        const V a = load(q), b = load(q + W);
        re = lane::evens(a, b);
        im = lane::odds(a, b);
    }
    static void store_parts(Cx<T>* p, V re, V im) {
        const V a = lane::zip_lo(re, im), b = lane::zip_hi(re, im);
        std::memcpy(&p->re, &a, sizeof a);
        std::memcpy(&p->re + W, &b, sizeof b);
    }
};

// y[k] = (½(P + Q) - ½·i·s_k·(P - Q)) · w_k (real part of the product with
// conj(w_k)), P = a[k], Q = conj(a[n - k]), for k = 1 .. n - 1.
template <class T>
void split(const Cx<T>* a, std::size_t n, const Cx<T>* sp, const Cx<T>* wt, T* dst) {
    const T h = T(0.5);
    auto one = [&](std::size_t k) {
        const Cx<T> p = a[k], q = {a[n - k].re, -a[n - k].im}, s = sp[k];
        const T dr = p.re - q.re, di = p.im - q.im;
        const T wr = s.re * dr - s.im * di, wi = s.re * di + s.im * dr;
        const T xr = h * (p.re + q.re) + h * wi, xi = h * (p.im + q.im) - h * wr;
        dst[k] = xr * wt[k].re + xi * wt[k].im;
    };
    using L = Lanes<T>;
    using V = typename L::V;
    constexpr std::size_t W = L::W;
    std::size_t k = 1;
    for (; k + W <= n; k += W) {
        V pr, pi, qr, qi, sr, si, wr_, wi_;
        L::parts(a + k, pr, pi);
        L::parts(a + (n - k - W + 1), qr, qi);
        qr = lane::reversed(qr);
        qi = -lane::reversed(qi);
        L::parts(sp + k, sr, si);
        L::parts(wt + k, wr_, wi_);
        const V dr = pr - qr, di = pi - qi;
        const V wr = sr * dr - si * di, wi = sr * di + si * dr;
        const V xr = h * (pr + qr) + h * wi, xi = h * (pi + qi) - h * wr;
        const V y = xr * wr_ + xi * wi_;
        std::memcpy(dst + k, &y, sizeof y);
    }
    for (; k < n; ++k) one(k);
}

// The inverse: F = V(k), G = conj(V(n - k)) with V(j) = y[j]·w_j, and
// a[k] = F + G + i·conj(s_k)·(F - G), for k = 1 .. n - 1.
template <class T>
void merge(const T* y, std::size_t n, const Cx<T>* sp, const Cx<T>* wt, Cx<T>* a) {
    auto one = [&](std::size_t k) {
        const Cx<T> f = {y[k] * wt[k].re, y[k] * wt[k].im};
        const Cx<T> g = {y[n - k] * wt[n - k].re, -(y[n - k] * wt[n - k].im)}, s = sp[k];
        const T er = f.re - g.re, ei = f.im - g.im;
        const T vr = s.re * er + s.im * ei, vi = s.re * ei - s.im * er;
        a[k] = {f.re + g.re - vi, f.im + g.im + vr};
    };
    using L = Lanes<T>;
    using V = typename L::V;
    constexpr std::size_t W = L::W;
    std::size_t k = 1;
    for (; k + W <= n; k += W) {
        V wr_, wi_, gwr, gwi, sr, si;
        const V yk = L::load(y + k);
        const V yg = lane::reversed(L::load(y + (n - k - W + 1)));
        L::parts(wt + k, wr_, wi_);
        L::parts(wt + (n - k - W + 1), gwr, gwi);
        gwr = lane::reversed(gwr);
        gwi = lane::reversed(gwi);
        L::parts(sp + k, sr, si);
        const V fr = yk * wr_, fi = yk * wi_;
        const V gr = yg * gwr, gi = -(yg * gwi);
        const V er = fr - gr, ei = fi - gi;
        const V vr = sr * er + si * ei, vi = sr * ei - si * er;
        L::store_parts(a + k, fr + gr - vi, fi + gi + vr);
    }
    for (; k < n; ++k) one(k);
}

// ---- The fast recursive algorithm of the power-of-two lengths, breadth
// first: every block of a level splits (or merges) in one sweep of the
// level, and the length-8 leaves run W at a time, one leaf per lane. Each
// value takes the operations of the recursive formulation in the same
// order, so every level computes the same bits. At depth d the data of
// the blocks of length n >> d lives in x (d even) or t (d odd).
template <class T>
struct Fast {
    using L = Lanes<T>;
    using V = typename L::V;
    static constexpr std::size_t W = L::W;
    static void st(T* p, V v) { std::memcpy(p, &v, sizeof v); }
    static V splat(T c) { return V{} + c; }

    // t[j] = a + b, t[h + j] = (a - b)·f[j] for a = x[j], b = x[m - 1 - j].
    static void split_fwd(const T* x, T* t, std::size_t m, const T* f) {
        const std::size_t h = m / 2;
        std::size_t j = 0;
        for (; j + W <= h; j += W) {
            const V a = L::load(x + j), b = lane::reversed(L::load(x + m - j - W));
            st(t + j, a + b);
            st(t + h + j, (a - b) * L::load(f + j));
        }
        for (; j < h; ++j) {
            const T a = x[j], b = x[m - 1 - j];
            t[j] = a + b;
            t[h + j] = (a - b) * f[j];
        }
    }
    // Lanes 1 .. W-1 of a, then its last lane again; the lanes of s with
    // the last one from a.
    template <std::size_t... I>
    static V next_lanes(V a, std::index_sequence<I...>) { return __builtin_shufflevector(a, a, (I + 1 < W ? I + 1 : I)...); }
    template <std::size_t... I>
    static V last_from(V s, V a, std::index_sequence<I...>) { return __builtin_shufflevector(s, a, (I + 1 < W ? I : W + I)...); }
    // x[2k] = t[k], x[2k + 1] = t[h + k] + t[h + k + 1] (the last one alone).
    static void merge_fwd(const T* t, T* x, std::size_t m) {
        const std::size_t h = m / 2;
        std::size_t k = 0;
        const auto put = [&](V e, V o) {
            st(x + 2 * k, lane::zip_lo(e, o));
            st(x + 2 * k + W, lane::zip_hi(e, o));
        };
        for (; k + W < h; k += W) put(L::load(t + k), L::load(t + h + k) + L::load(t + h + k + 1));
        if (k + W == h) {  // the last vector: its last odd output is t[m - 1] alone
            constexpr auto seq = std::make_index_sequence<W>{};
            const V a = L::load(t + h + k);
            put(L::load(t + k), last_from(a + next_lanes(a, seq), a, seq));
            k = h;
        }
        for (; k < h; ++k) {
            x[2 * k] = t[k];
            x[2 * k + 1] = k + 1 < h ? t[h + k] + t[h + k + 1] : t[h + k];
        }
    }
    // The inverse: t[k] = y[2k], t[h + k] = y[2k + 1] + y[2k - 1] (y[1] for k = 0).
    static void split_inv(const T* y, T* t, std::size_t m) {
        const std::size_t h = m / 2;
        t[0] = y[0];
        t[h] = y[1];
        std::size_t k = 1;
        const auto step = [&](std::size_t k) {
            const V a = L::load(y + 2 * k), b = L::load(y + 2 * k + W);
            const V c = L::load(y + 2 * k - 1), d = L::load(y + 2 * k - 1 + W);
            st(t + k, lane::evens(a, b));
            st(t + h + k, lane::odds(a, b) + lane::evens(c, d));
        };
        for (; k + W <= h; k += W) step(k);
        if (k < h && h > W) {  // the rest as one vector that overlaps the last (same values)
            step(h - W);
            k = h;
        }
        for (; k < h; ++k) {
            t[k] = y[2 * k];
            t[h + k] = y[2 * k + 1] + y[2 * k - 1];
        }
    }
    // y[j] = a + b, y[m - 1 - j] = a - b for a = t[j], b = t[h + j]·f[j].
    static void merge_inv(const T* t, T* y, std::size_t m, const T* f) {
        const std::size_t h = m / 2;
        std::size_t j = 0;
        for (; j + W <= h; j += W) {
            const V a = L::load(t + j), b = L::load(t + h + j) * L::load(f + j);
            st(y + j, a + b);
            st(y + m - j - W, lane::reversed(a - b));
        }
        for (; j < h; ++j) {
            const T a = t[j], b = t[h + j] * f[j];
            y[j] = a + b;
            y[m - 1 - j] = a - b;
        }
    }
    // The length-8 leaves in place: out[r] = Σ_c in[c]·M[r][c], the terms
    // added in order from zero, M[r][c] = m8[8r + c] (forward) or
    // m8[8c + r] (inverse).
    static void leaves(T* x, std::size_t n, const T* m8, bool inv) {
        const auto coef = [&](int r, int c) { return inv ? m8[8 * c + r] : m8[8 * r + c]; };
        std::size_t i = 0;
        for (; i + 8 * W <= n; i += 8 * W) {
            V in[8], e[4], o[4], v[8];
            for (int q = 0; q < 8; ++q) in[q] = L::load(x + i + q * W);
            // deal the eight residues mod 8 into vectors: v[c] lane l = leaf l's value c
            for (int q = 0; q < 4; ++q) e[q] = lane::evens(in[2 * q], in[2 * q + 1]), o[q] = lane::odds(in[2 * q], in[2 * q + 1]);
            const V ee0 = lane::evens(e[0], e[1]), ee1 = lane::evens(e[2], e[3]), eo0 = lane::odds(e[0], e[1]), eo1 = lane::odds(e[2], e[3]);
            const V oe0 = lane::evens(o[0], o[1]), oe1 = lane::evens(o[2], o[3]), oo0 = lane::odds(o[0], o[1]), oo1 = lane::odds(o[2], o[3]);
            v[0] = lane::evens(ee0, ee1), v[4] = lane::odds(ee0, ee1);
            v[2] = lane::evens(eo0, eo1), v[6] = lane::odds(eo0, eo1);
            v[1] = lane::evens(oe0, oe1), v[5] = lane::odds(oe0, oe1);
            v[3] = lane::evens(oo0, oo1), v[7] = lane::odds(oo0, oo1);
            V y[8];
            for (int r = 0; r < 8; ++r) {
                V acc = V{};
                for (int c = 0; c < 8; ++c) acc += v[c] * splat(coef(r, c));
                y[r] = acc;
            }
            // and back: the residues mod 4, mod 2, then the sequence
            const V c0a = lane::zip_lo(y[0], y[4]), c0b = lane::zip_hi(y[0], y[4]), c2a = lane::zip_lo(y[2], y[6]), c2b = lane::zip_hi(y[2], y[6]);
            const V c1a = lane::zip_lo(y[1], y[5]), c1b = lane::zip_hi(y[1], y[5]), c3a = lane::zip_lo(y[3], y[7]), c3b = lane::zip_hi(y[3], y[7]);
            const V ev[4] = {lane::zip_lo(c0a, c2a), lane::zip_hi(c0a, c2a), lane::zip_lo(c0b, c2b), lane::zip_hi(c0b, c2b)};
            const V od[4] = {lane::zip_lo(c1a, c3a), lane::zip_hi(c1a, c3a), lane::zip_lo(c1b, c3b), lane::zip_hi(c1b, c3b)};
            for (int q = 0; q < 4; ++q) {
                st(x + i + 2 * q * W, lane::zip_lo(ev[q], od[q]));
                st(x + i + (2 * q + 1) * W, lane::zip_hi(ev[q], od[q]));
            }
        }
        for (; i < n; i += 8) {
            T y[8];
            for (int r = 0; r < 8; ++r) {
                T acc = 0;
                for (int c = 0; c < 8; ++c) acc += x[i + c] * coef(r, c);
                y[r] = acc;
            }
            std::memcpy(x + i, y, sizeof y);
        }
    }
};

// The unnormalised transform of n = 2^k >= 16 values in x (t: n values of
// scratch); f holds the factors of every level, m8 the leaves' matrix.
template <class T>
void fast(T* x, T* t, std::size_t n, const T* f, const T* m8, bool inv) {
    using F = Fast<T>;
    int depth = 0;
    while ((n >> depth) > 8) ++depth;
    const auto at = [&](int d) { return d % 2 ? t : x; };
    const auto table = [&](int d) {
        std::size_t off = 0;
        for (int i = 0; i < d; ++i) off += (n >> i) / 2;
        return f + off;
    };
    for (int d = 0; d < depth; ++d) {
        const std::size_t m = n >> d;
        const T* fd = table(d);
        for (std::size_t o = 0; o < n; o += m) {
            if (inv) F::split_inv(at(d) + o, at(d + 1) + o, m);
            else F::split_fwd(at(d) + o, at(d + 1) + o, m, fd);
        }
    }
    F::leaves(at(depth), n, m8, inv);
    for (int d = depth - 1; d >= 0; --d) {
        const std::size_t m = n >> d;
        const T* fd = table(d);
        for (std::size_t o = 0; o < n; o += m) {
            if (inv) F::merge_inv(at(d + 1) + o, at(d) + o, m, fd);
            else F::merge_fwd(at(d + 1) + o, at(d) + o, m);
        }
    }
}

}  // namespace

extern const DctKernels dct_kernels = {{&split<float>, &merge<float>, &fast<float>}, {&split<double>, &merge<double>, &fast<double>}};

}  // namespace zors::ZORS_ISA
