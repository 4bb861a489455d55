// Wide bodies of the single-precision IIR block schemes, compiled once per
// dispatch level.
//
// Four consecutive outputs are formed per step: the feed-forward sums of the
// four inputs, mixed through the first responses h1..h3 of the feedback, plus
// the weights of the previous outputs (the block-recursion table). The
// vectors are always four lanes wide (16 bytes) and every operation is
// written out (no contraction), so all levels give the same results; complex
// data run the same code on split real and imaginary lanes.
//
// Cascades filter groups of up to four sections in one pass, skewed by one
// block per section: at each step section s works on the block that section
// s - 1 finished in the step before, so the sections' recursions are
// independent chains that the processor overlaps.
#include "frame/isa.h"
#include "frame/shuffle.h"

#include <cstring>

#include "filter/iir.h"

namespace zors::ZORS_ISA::iirk {
namespace {

typedef float v4 __attribute__((vector_size(16)));
typedef int i4 __attribute__((vector_size(16)));

// Four complex values, real and imaginary parts in separate lanes.
struct vc {
    v4 re, im;
};
using iirk::operator+;
using iirk::operator-;
using iirk::operator*;
inline vc operator+(vc a, vc b) { return {a.re + b.re, a.im + b.im}; }
inline vc operator-(vc a, vc b) { return {a.re - b.re, a.im - b.im}; }
inline vc operator*(vc a, vc b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

template <int L>
inline v4 lane(v4 v) { return shuffle(v, i4{L, L, L, L}); }
template <int L>
inline vc lane(vc v) { return {lane<L>(v.re), lane<L>(v.im)}; }

// (p3, c0, c1, c2) and (p2, p3, c0, c1): the inputs one and two steps back.
inline v4 back1(v4 p, v4 c) { return shuffle(p, c, i4{3, 4, 5, 6}); }
inline v4 back2(v4 p, v4 c) { return shuffle(p, c, i4{2, 3, 4, 5}); }
inline vc back1(vc p, vc c) { return {back1(p.re, c.re), back1(p.im, c.im)}; }
inline vc back2(vc p, vc c) { return {back2(p.re, c.re), back2(p.im, c.im)}; }

inline v4 load4(const float* p) {
    v4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void store4(float* p, v4 v) { std::memcpy(p, &v, sizeof v); }
inline vc load4(const Zor32fc* p) {
    const v4 a = load4(&p[0].re), b = load4(&p[2].re);
    return {shuffle(a, b, i4{0, 2, 4, 6}), shuffle(a, b, i4{1, 3, 5, 7})};
}
inline void store4(Zor32fc* p, vc v) {
    store4(&p[0].re, shuffle(v.re, v.im, i4{0, 4, 1, 5}));
    store4(&p[2].re, shuffle(v.re, v.im, i4{2, 6, 3, 7}));
}

inline v4 splat(float s) { return v4{s, s, s, s}; }
inline vc splat(Zor32fc s) { return {splat(s.re), splat(s.im)}; }

// (0, 0, a, b).
inline v4 last2(float a, float b) { return v4{0.0f, 0.0f, a, b}; }
inline vc last2(Zor32fc a, Zor32fc b) { return {last2(a.re, b.re), last2(a.im, b.im)}; }

inline float get(v4 v, int i) { return v[i]; }
inline Zor32fc get(vc v, int i) { return {v.re[i], v.im[i]}; }

template <class P> struct vec_for { using type = v4; };
template <> struct vec_for<Zor32fc> { using type = vc; };

// Four feed-forward sums mixed through h1..h3.
template <class V>
inline V mix(V w, const V& m1, const V& m2, const V& m3) {
    return ((w + m1 * lane<0>(w)) + m2 * lane<1>(w)) + m3 * lane<2>(w);
}

// ---------------------------------------------------------------------------
// Arbitrary order N >= 1.
template <class P>
void arb_chunk(const iir::ChunkArgs<P>& A, const P* x, P* y, int L) {
    using V = typename vec_for<P>::type;
    const int N = A.n;
    const P* t = A.taps;
    P* d = A.dly;
    if (N == 0) {
        for (int i = 0; i < L; ++i) y[i] = t[0] * x[i];
        return;
    }
    if (L <= 4 * N) {
        for (int i = 0; i < L; ++i) y[i] = arb_step(t, d, N, x[i]);
        return;
    }
    // Outputs 0..p-1 by the per-sample recursion, the rest in whole steps.
    const int p = N + ((L - N) & 3);
    const P* a = t + N;
    P* w = A.work;
    const V m1 = load4(A.br), m2 = load4(A.br + 4), m3 = load4(A.br + 8);
    const P* c = A.br + 12;  // c + 4(k-1): weights of y[n-k]

    for (int n = p; n < L; n += 4) {
        V s = load4(A.ff) * load4(x + n);
        for (int k = 1; k <= N; ++k) s = s + load4(A.ff + 4 * k) * load4(x + n - k);
        store4(w + n, mix(s, m1, m2, m3));
    }
    for (int n = 0; n < p; ++n) y[n] = arb_step(t, d, N, x[n]);
    // The outgoing delay line, inputs' part (read before the outputs overwrite
    // an in-place chunk).
    for (int k = 0; k < N; ++k) {
        P acc = t[N] * x[L - N + k];
        for (int m = N - k - 1; m >= 1; --m) acc = acc + t[k + m] * x[L - m];
        d[k] = acc;
    }

    P h[8];
    for (int i = 0; i < 8; ++i) h[i] = p - 8 + i >= 0 ? y[p - 8 + i] : P{};
    V y2 = load4(h), y1 = load4(h + 4);  // y[n-8..n-5], y[n-4..n-1]
    const V c1 = load4(c), c2 = load4(c + 4), c3 = load4(c + 8), c4 = load4(c + 12);
    for (int n = p; n < L; n += 4) {
        V acc = load4(w + n);
        for (int k = N; k > 8; --k) acc = acc + load4(c + 4 * (k - 1)) * splat(y[n - k]);
        if (N > 4) {
            V u = load4(c + 16) * lane<3>(y2);
            if (N > 5) u = u + load4(c + 20) * lane<2>(y2);
            if (N > 6) u = u + load4(c + 24) * lane<1>(y2);
            if (N > 7) u = u + load4(c + 28) * lane<0>(y2);
            acc = acc + u;
        }
        V u = c1 * lane<3>(y1);
        if (N > 1) u = u + c2 * lane<2>(y1);
        if (N > 2) {
            V v = c3 * lane<1>(y1);
            if (N > 3) v = v + c4 * lane<0>(y1);
            u = u + v;
        }
        const V out = acc + u;
        store4(y + n, out);
        y2 = y1;
        y1 = out;
    }
    // The outputs' part of the delay line.
    for (int k = 0; k < N; ++k)
        for (int m = N - k; m >= 1; --m) d[k] = d[k] - a[k + m] * y[L - m];
}

// ---------------------------------------------------------------------------
// Cascades: G sections (1..4) starting at section s0 over one chunk of L > 4G
// samples, reading `in` (the chunk's input or the previous group's output,
// possibly y itself) and writing y.
template <int G, class P>
void bq_group(const iir::ChunkArgs<P>& A, int s0, const P* in, P* y, int L, int p) {
    using V = typename vec_for<P>::type;
    const P* t = A.taps + 5 * s0;
    P* d = A.dly + 2 * s0;
    const P* ff = A.ff + 12 * s0;
    const P* br = A.br + 20 * s0;

    // Outputs 0..p-1 per sample, keeping each section's last two inputs and
    // outputs for the block steps.
    P hx[G][2], hy[G][2];
    for (int i = 0; i < p; ++i) {
        P v = in[i];
        for (int s = 0; s < G; ++s) {
            if (i >= p - 2) hx[s][i - (p - 2)] = v;
            v = bq_step(t + 5 * s, d + 2 * s, v);
            if (i >= p - 2) hy[s][i - (p - 2)] = v;
        }
        y[i] = v;
    }
    V xp[G], yp[G];
    for (int s = 0; s < G; ++s) {
        xp[s] = last2(hx[s][0], hx[s][1]);
        yp[s] = last2(hy[s][0], hy[s][1]);
    }

    const int nb = (L - p) / 4;
    auto section = [&](int s, V X) {
        const P* f = ff + 12 * s;
        const P* r = br + 20 * s;
        const V w = (load4(f) * X + load4(f + 4) * back1(xp[s], X)) + load4(f + 8) * back2(xp[s], X);
        const V m = mix(w, load4(r), load4(r + 4), load4(r + 8));
        const V out = m + (load4(r + 12) * lane<3>(yp[s]) + load4(r + 16) * lane<2>(yp[s]));
        xp[s] = X;
        yp[s] = out;
    };
    // Step k: section s filters block k - s; the last section stores it.
    auto step = [&](int k, bool edge) {
#pragma GCC unroll 4
        for (int s = G - 1; s >= 0; --s) {
            const int j = k - s;
            if (edge && (j < 0 || j >= nb)) continue;
            section(s, s == 0 ? load4(in + p + 4 * j) : yp[s - 1]);
            if (s == G - 1) store4(y + p + 4 * j, yp[s]);
        }
    };
    int k = 0;
    for (; k < G - 1 && k < nb + G - 1; ++k) step(k, true);
    for (; k < nb; ++k) step(k, false);
    for (; k < nb + G - 1; ++k) step(k, true);

    // The outgoing delay pairs from each section's last two inputs and outputs.
    for (int s = 0; s < G; ++s) {
        const P* q = t + 5 * s;
        const P x2 = get(xp[s], 2), x1 = get(xp[s], 3), y2 = get(yp[s], 2), y1 = get(yp[s], 3);
        P d0 = q[2] * x2 + q[1] * x1;
        P d1 = q[2] * x1;
        d0 = (d0 - q[4] * y2) - q[3] * y1;
        d1 = d1 - q[4] * y1;
        d[2 * s] = d0;
        d[2 * s + 1] = d1;
    }
}

template <class P>
void bq_chunk(const iir::ChunkArgs<P>& A, const P* x, P* y, int L) {
    const int S = A.n;
    const int p = 2 + ((L - 2) & 3);
    if (L <= 4 * S || p >= L) {
        for (int i = 0; i < L; ++i) y[i] = cascade_step(A.taps, A.dly, S, x[i]);
        return;
    }
    for (int s0 = 0; s0 < S; s0 += 4) {
        const P* in = s0 == 0 ? x : y;
        switch (S - s0 >= 4 ? 4 : S - s0) {
        case 1: bq_group<1>(A, s0, in, y, L, p); break;
        case 2: bq_group<2>(A, s0, in, y, L, p); break;
        case 3: bq_group<3>(A, s0, in, y, L, p); break;
        default: bq_group<4>(A, s0, in, y, L, p); break;
        }
    }
}

}  // namespace
}  // namespace zors::ZORS_ISA::iirk

namespace zors::ZORS_ISA {
extern const iir::IirKernels iir_kernels = {
    iirk::arb_chunk<float>,
    iirk::arb_chunk<Zor32fc>,
    iirk::bq_chunk<float>,
    iirk::bq_chunk<Zor32fc>,
};
}  // namespace zors::ZORS_ISA
