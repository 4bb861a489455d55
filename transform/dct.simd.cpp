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

}  // namespace

extern const DctKernels dct_kernels = {{&split<float>, &merge<float>}, {&split<double>, &merge<double>}};

}  // namespace zors::ZORS_ISA
