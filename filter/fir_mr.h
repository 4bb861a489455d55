// Multi-rate FIR evaluation, shared by the floating-tap and integer-tap
// states.
//
// Conceptually the input is zero-stuffed to upFactor (U) times its rate
// (sample k at high-rate time k*U + upPhase), filtered there, and every
// downFactor-th (D) result kept (output l at high-rate time l*D + downPhase).
// Output l needs only polyphase branch p = T mod U of the taps,
// T = l*D + downPhase - upPhase, against the inputs up to k = floor(T/U):
//     y[l] = sum over i < n_p of h[p + i*U] * x[k - i],
// n_p = floor(len/U) + (p < len mod U). Outputs l and l + U use the same
// branch with the input D samples later, so one period of U outputs
// describes a whole call, and a call of numIters steps (D inputs and U
// outputs each) leaves the next call where this one started.
//
// The inputs are seen as one sequence E: the H = ceil(len/U) history
// samples (oldest first) followed by the call's input. Output c + j*U has
// its window at E[s_c + j*D .. s_c + j*D + n_c - 1] and is that window's
// dot product with its branch in reversed order.
//
// Work goes in tiles of G steps, copied from E into a per-thread buffer, by
// one of two engines chosen at construction:
// - by output (short filters relative to D): one dot product per output, its
//   branch and window offset read from the period's table, so the loop does
//   no division. With U = 1 the table has one entry: every D-th output of
//   the single-rate filter.
// - by lanes (long filters): the tile is split into its D residue classes,
//   in which the windows of outputs c, c + U, c + 2U, ... advance by one
//   sample; each branch is split the same way into D phase-ordered
//   sub-filters, so the outputs of one c are at most D single-rate kernel
//   runs (outputs in vector lanes) over the classes, added. Real types run
//   all sub-filters of an output in one pass instead (each tap with the
//   offset of its sample in the split tile), and with U <= 4 keep the U
//   rows of outputs side by side to write them out in output order at once.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "filter/fir.h"
#include "frame/memory.h"
#include "frame/parallel.h"
#include "frame/state.h"
#include "frame/types.h"

namespace zors::fir {

// Strategies: long filters by lanes; short ones by output, without (U = 1)
// or with (U > 1) the period's index table.
enum : std::int32_t { kMrDir = 1, kMrDec = 2, kMrIdx = 3 };

// One output of the period: window start (from the tile's first sample),
// branch length, branch taps, and its sub-filters.
struct MrOut {
    std::int32_t start, n, off, first, count;
};
// A sub-filter: where its class starts in the split tile, its taps, length.
struct MrPiece {
    std::int32_t at, off, m;
};

// The plan, at the head of its piece of the state; offsets from the plan.
struct MrPlan {
    std::int32_t strategy, up, down, up_phase, down_phase, len, hist;
    std::int32_t width;  // samples spanned by one period's windows
    std::int32_t smin;   // first sample of E that the period reads
    std::int32_t tile;   // steps per tile
    std::int32_t lanes;  // samples per residue class of a tile
    std::int32_t team;
    std::int32_t rows, row_stride;  // output rows of a tile (1 or U), their stride in accumulators
    std::uint32_t outs, pieces, ptaps, offs, bufs, buf_bytes;
    std::uint32_t lin_off, comp_off, acc_off, tmp_off;  // inside a thread buffer
};

// Strategy by r = len / (len + 3D) in precision R.
template <class R>
inline std::int32_t mr_strategy(int len, int up, int down) noexcept {
    const R r = static_cast<R>(len) / (static_cast<R>(len) + static_cast<R>(3) * static_cast<R>(down));
    if (up == 1) return r > static_cast<R>(0.5) ? kMrDir : kMrDec;
    return r > static_cast<R>(0.3) ? kMrDir : kMrIdx;
}

// Checks of the construction arguments after the pointers: length, factors,
// phases.
inline ZorStatus mr_check(int len, int up, int up_phase, int down, int down_phase) noexcept {
    if (len < 1) return zorStsFIRLenErr;
    if (up < 1 || down < 1) return zorStsFIRMRFactorErr;
    if (up_phase < 0 || up_phase >= up || down_phase < 0 || down_phase >= down) return zorStsFIRMRPhaseErr;
    return zorStsNoErr;
}

constexpr std::uint64_t align64(std::uint64_t v) noexcept { return (v + 63) & ~std::uint64_t{63}; }

// Sizes of a plan and of one thread buffer, for any phases. E: the buffer's
// sample type, T: the taps' type, A: the accumulator's.
struct MrShape {
    std::int32_t strategy = 0, hist = 0, tile = 0, lanes = 0, rows = 1, row_stride = 0;
    std::uint64_t plan_bytes = 0, buf_bytes = 0;
    std::uint32_t outs = 0, pieces = 0, ptaps = 0, offs = 0;
    std::uint32_t lin_off = 0, comp_off = 0, acc_off = 0, tmp_off = 0;
    bool ok = false;
};

template <class E, class T, class A>
inline MrShape mr_shape(int len, int up, int down, std::int32_t strategy) noexcept {
    MrShape s;
    s.strategy = strategy;
    s.hist = (len - 1) / up + 1;
    const std::int64_t d = down, u = up, h = s.hist;
    const std::int64_t wmax = d + h + 1;  // bounds the width for every pair of phases
    const std::int64_t target = wmax * 2 > 8192 ? wmax * 2 : 8192;
    std::int64_t g = (target - wmax) / d + 1;
    g = g < 1 ? 1 : g > 4096 ? 4096 : g;
    const std::int64_t span = (g - 1) * d + wmax;
    const std::int64_t lanes = (span + d - 1) / d;
    const bool by_lanes = strategy == kMrDir;
    const std::uint64_t npieces = by_lanes ? static_cast<std::uint64_t>(u * (d < h ? d : h)) : 0;
    const std::uint64_t nptaps = static_cast<std::uint64_t>(u * h);
    StateLayout plan;
    plan.add(sizeof(MrPlan));
    const std::uint64_t outs = plan.add(static_cast<std::uint64_t>(u) * sizeof(MrOut));
    const std::uint64_t pieces = plan.add(npieces * sizeof(MrPiece));
    const std::uint64_t ptaps = plan.add(nptaps * sizeof(T));
    const std::uint64_t offs = by_lanes ? plan.add(nptaps * sizeof(std::int32_t)) : 0;
    const std::uint64_t lin = align64(static_cast<std::uint64_t>(span) * sizeof(E));
    const std::uint64_t comp = by_lanes && d > 1 ? align64(static_cast<std::uint64_t>(d * lanes) * sizeof(E)) : 0;
    const std::uint64_t acc = by_lanes ? align64(static_cast<std::uint64_t>(g) * sizeof(A)) : 0;
    // Real accumulators keep the U outputs of a tile side by side for U <= 4
    // (written out in output order in one pass).
    const std::int64_t rows = by_lanes && std::is_floating_point_v<A> && u <= 4 ? u : 1;
    constexpr std::uint64_t kLimit = 0x40000000;
    if (plan.total() > kLimit || lin + comp + static_cast<std::uint64_t>(rows + 1) * acc > kLimit) return s;
    s.tile = static_cast<std::int32_t>(g);
    s.lanes = static_cast<std::int32_t>(lanes);
    s.plan_bytes = plan.total();
    s.outs = static_cast<std::uint32_t>(outs);
    s.pieces = static_cast<std::uint32_t>(pieces);
    s.ptaps = static_cast<std::uint32_t>(ptaps);
    s.offs = static_cast<std::uint32_t>(offs);
    s.lin_off = 0;
    s.comp_off = static_cast<std::uint32_t>(lin);
    s.acc_off = static_cast<std::uint32_t>(lin + comp);
    s.rows = static_cast<std::int32_t>(rows);
    s.row_stride = static_cast<std::int32_t>(acc / sizeof(A));
    s.tmp_off = static_cast<std::uint32_t>(lin + comp + static_cast<std::uint64_t>(rows) * acc);
    s.buf_bytes = lin + comp + static_cast<std::uint64_t>(rows + 1) * acc;
    s.ok = true;
    return s;
}

template <class T>
inline T* mr_at(MrPlan* plan, std::uint32_t off) noexcept {
    return reinterpret_cast<T*>(reinterpret_cast<std::uint8_t*>(plan) + off);
}
template <class T>
inline const T* mr_at(const MrPlan* plan, std::uint32_t off) noexcept {
    return reinterpret_cast<const T*>(reinterpret_cast<const std::uint8_t*>(plan) + off);
}

inline std::int64_t floor_div(std::int64_t a, std::int64_t b) noexcept {
    const std::int64_t q = a / b;
    return q * b > a ? q - 1 : q;
}

// Writes the plan for the phases: the period's windows and sub-filters.
// `bufs` is the thread buffers' offset from the plan.
inline void mr_plan(MrPlan* p, const MrShape& s, int len, int up, int up_phase, int down, int down_phase, int team,
                    std::uint32_t bufs) noexcept {
    p->strategy = s.strategy;
    p->up = up;
    p->down = down;
    p->up_phase = up_phase;
    p->down_phase = down_phase;
    p->len = len;
    p->hist = s.hist;
    p->tile = s.tile;
    p->lanes = s.lanes;
    p->team = team;
    p->rows = s.rows;
    p->row_stride = s.row_stride;
    p->outs = s.outs;
    p->pieces = s.pieces;
    p->ptaps = s.ptaps;
    p->offs = s.offs;
    p->bufs = bufs;
    p->buf_bytes = static_cast<std::uint32_t>(s.buf_bytes);
    p->lin_off = s.lin_off;
    p->comp_off = s.comp_off;
    p->acc_off = s.acc_off;
    p->tmp_off = s.tmp_off;
    MrOut* outs = mr_at<MrOut>(p, p->outs);
    MrPiece* pieces = mr_at<MrPiece>(p, p->pieces);
    std::int32_t* offs = mr_at<std::int32_t>(p, p->offs);
    // Window starts in E, then relative to the earliest.
    std::int64_t smin = INT64_MAX, emax = 0;
    for (int c = 0; c < up; ++c) {
        const std::int64_t t = std::int64_t{c} * down + down_phase - up_phase;
        const std::int64_t k = floor_div(t, up);
        const auto branch = static_cast<int>(t - k * up);
        const int n = len / up + (branch < len % up ? 1 : 0);
        const std::int64_t start = k + s.hist - n + 1;
        outs[c].start = static_cast<std::int32_t>(start);  // absolute for now
        outs[c].n = n;
        if (n == 0) continue;  // an empty branch: the output is zero
        smin = start < smin ? start : smin;
        emax = start + n > emax ? start + n : emax;
    }
    if (smin == INT64_MAX) smin = 0, emax = 1;  // every used branch empty
    p->smin = static_cast<std::int32_t>(smin);
    p->width = static_cast<std::int32_t>(emax - smin);
    std::int32_t off = 0, piece = 0;
    for (int c = 0; c < up; ++c) {
        MrOut& o = outs[c];
        o.start = o.n > 0 ? o.start - p->smin : 0;
        o.off = off;
        o.first = piece;
        o.count = 0;
        if (s.strategy == kMrDir) {
            std::int32_t sub = off;
            for (int r = 0; r < down && r < o.n; ++r) {
                const int e = o.start + r;
                MrPiece& pc = pieces[piece++];
                pc.at = (e % down) * p->lanes + e / down;
                pc.off = sub;
                pc.m = (o.n - r + down - 1) / down;
                for (int q = 0; q < pc.m; ++q) offs[sub + q] = pc.at + q;
                sub += pc.m;
                ++o.count;
            }
        }
        off += o.n;
    }
}

// Stores the taps as the plan orders them; tap(i) gives h[i], forward.
// Output c's branch in reversed order: b[i] = h[p + (n - 1 - i) * U]; split
// into sub-filters, sub-filter r holds b[r], b[r + D], b[r + 2D], ...
template <class T, class Tap>
void mr_taps(MrPlan* p, Tap&& tap) noexcept {
    const MrOut* outs = mr_at<MrOut>(p, p->outs);
    const MrPiece* pieces = mr_at<MrPiece>(p, p->pieces);
    T* taps = mr_at<T>(p, p->ptaps);
    const int up = p->up, down = p->down;
    for (int c = 0; c < up; ++c) {
        const MrOut& o = outs[c];
        const std::int64_t t = std::int64_t{c} * down + p->down_phase - p->up_phase;
        const auto branch = static_cast<int>(t - floor_div(t, up) * up);
        const auto b = [&](int i) { return tap(branch + (o.n - 1 - i) * up); };
        if (p->strategy == kMrDir) {
            for (int k = 0; k < o.count; ++k) {
                const MrPiece& pc = pieces[o.first + k];
                for (int q = 0; q < pc.m; ++q) taps[pc.off + q] = b(k + q * down);
            }
        } else {
            for (int i = 0; i < o.n; ++i) taps[o.off + i] = b(i);
        }
    }
}

// Multiply-add of one tap and one sample into an accumulator: floating, or
// 32-bit with wrap-around for integer accumulators.
template <class A, class T, class E>
inline void mr_mac(A& a, const T& t, const E& x) noexcept {
    if constexpr (is_complex_v<A>) {
        using P = part_t<A>;
        if constexpr (std::is_floating_point_v<P>) {
            a.re += static_cast<P>(t.re) * static_cast<P>(x.re) - static_cast<P>(t.im) * static_cast<P>(x.im);
            a.im += static_cast<P>(t.re) * static_cast<P>(x.im) + static_cast<P>(t.im) * static_cast<P>(x.re);
        } else {
            using U = std::uint32_t;
            a.re = static_cast<P>(static_cast<U>(a.re) + static_cast<U>(t.re) * static_cast<U>(x.re) -
                                  static_cast<U>(t.im) * static_cast<U>(x.im));
            a.im = static_cast<P>(static_cast<U>(a.im) + static_cast<U>(t.re) * static_cast<U>(x.im) +
                                  static_cast<U>(t.im) * static_cast<U>(x.re));
        }
    } else if constexpr (std::is_floating_point_v<A>) {
        a += static_cast<A>(t) * static_cast<A>(x);
    } else {
        using U = std::uint32_t;
        a = static_cast<A>(static_cast<U>(a) + static_cast<U>(t) * static_cast<U>(x));
    }
}

template <class A>
inline void mr_add(A* a, const A* b, int n) noexcept {
    for (int i = 0; i < n; ++i) {
        if constexpr (is_complex_v<A>) {
            using P = part_t<A>;
            if constexpr (std::is_floating_point_v<P>) {
                a[i].re += b[i].re;
                a[i].im += b[i].im;
            } else {
                a[i].re = static_cast<P>(static_cast<std::uint32_t>(a[i].re) + static_cast<std::uint32_t>(b[i].re));
                a[i].im = static_cast<P>(static_cast<std::uint32_t>(a[i].im) + static_cast<std::uint32_t>(b[i].im));
            }
        } else if constexpr (std::is_floating_point_v<A>) {
            a[i] += b[i];
        } else {
            a[i] = static_cast<A>(static_cast<std::uint32_t>(a[i]) + static_cast<std::uint32_t>(b[i]));
        }
    }
}

// Splits x[0 .. span) into its `down` residue classes, class r at
// y + r * lanes (the stride a constant for the common small factors).
template <int K, class E>
inline void mr_split(const E* __restrict x, E* __restrict y, int down, int lanes, int span) noexcept {
    const int d = K > 0 ? K : down;
    for (int r = 0; r < d; ++r) {
        E* __restrict yr = y + static_cast<std::ptrdiff_t>(r) * lanes;
        const E* __restrict xr = x + r;
        const int n = (span - r + d - 1) / d;
        for (int m = 0; m < n; ++m) yr[m] = xr[static_cast<std::ptrdiff_t>(m) * d];
    }
}

// The single-rate kernel: y[j] = sum over i < len of t[i] * x[j + i], j < n.
template <class E, class T, class A>
using MrDot = void (*)(const E* x, const T* t, int len, A* y, int n);
// The same over taps at offsets (all sub-filters of an output in one pass);
// null where the types have none.
template <class E, class T, class A>
using MrGather = void (*)(const E* base, const std::int32_t* off, const T* t, int len, A* y, int n);

// Block steps [j0, j0 + count) of a call: fetch(e, n, dst) copies E[e ..
// e + n) into dst, emit(l, a) writes output l; put(l, rows, stride, U, g),
// where the types have one, writes the outputs l .. l + g * U - 1 of a tile
// from its U rows.
template <class E, class T, class A, class Fetch, class Emit, class Put>
void mr_steps(const MrPlan* p, MrDot<E, T, A> dot, MrGather<E, T, A> gather, std::uint8_t* buf, std::int64_t j0,
              std::int64_t count, Fetch& fetch, Emit& emit, Put& put) {
    const int up = p->up, down = p->down;
    const MrOut* outs = mr_at<MrOut>(p, p->outs);
    const MrPiece* pieces = mr_at<MrPiece>(p, p->pieces);
    const T* taps = mr_at<T>(p, p->ptaps);
    E* lin = reinterpret_cast<E*>(buf + p->lin_off);
    for (std::int64_t j = j0; j < j0 + count; j += p->tile) {
        const int g = static_cast<int>(j0 + count - j < p->tile ? j0 + count - j : p->tile);
        const int span = (g - 1) * down + p->width;
        fetch(j * down + p->smin, span, lin);
        if (p->strategy != kMrDir) {
            for (int i = 0; i < g; ++i) {
                const E* w = lin + static_cast<std::ptrdiff_t>(i) * down;
                for (int c = 0; c < up; ++c) {
                    const MrOut& o = outs[c];
                    A a{};
                    const E* x = w + o.start;
                    const T* t = taps + o.off;
                    for (int q = 0; q < o.n; ++q) mr_mac(a, t[q], x[q]);
                    emit((j + i) * up + c, a);
                }
            }
            continue;
        }
        E* comp = lin;
        if (down > 1) {
            comp = reinterpret_cast<E*>(buf + p->comp_off);
            switch (down) {
                case 2: mr_split<2>(lin, comp, 2, p->lanes, span); break;
                case 3: mr_split<3>(lin, comp, 3, p->lanes, span); break;
                case 4: mr_split<4>(lin, comp, 4, p->lanes, span); break;
                default: mr_split<0>(lin, comp, down, p->lanes, span); break;
            }
        }
        A* acc = reinterpret_cast<A*>(buf + p->acc_off);
        A* tmp = reinterpret_cast<A*>(buf + p->tmp_off);
        if (gather != nullptr) {
            const std::int32_t* offs = mr_at<std::int32_t>(p, p->offs);
            if constexpr (!std::is_same_v<Put, std::nullptr_t>) {
                if (p->rows == up) {
                    for (int c = 0; c < up; ++c) {
                        const MrOut& o = outs[c];
                        gather(comp, offs + o.off, taps + o.off, o.n, acc + static_cast<std::ptrdiff_t>(c) * p->row_stride, g);
                    }
                    put(j * up, acc, p->row_stride, up, g);
                    continue;
                }
            }
            for (int c = 0; c < up; ++c) {
                const MrOut& o = outs[c];
                gather(comp, offs + o.off, taps + o.off, o.n, acc, g);
                for (int i = 0; i < g; ++i) emit((j + i) * up + c, acc[i]);
            }
            continue;
        }
        for (int c = 0; c < up; ++c) {
            const MrOut& o = outs[c];
            if (o.count == 0) std::memset(static_cast<void*>(acc), 0, sizeof(A) * static_cast<std::size_t>(g));
            for (int k = 0; k < o.count; ++k) {
                const MrPiece& pc = pieces[o.first + k];
                dot(comp + pc.at, taps + pc.off, pc.m, k == 0 ? acc : tmp, g);
                if (k > 0 && k + 1 < o.count) mr_add(acc, tmp, g);
            }
            if (o.count > 1) {
                A* __restrict a = acc;
                const A* __restrict b = tmp;
                for (int i = 0; i < g; ++i) {
                    A v = a[i];
                    mr_add(&v, b + i, 1);
                    emit((j + i) * up + c, v);
                }
            } else {
                for (int i = 0; i < g; ++i) emit((j + i) * up + c, acc[i]);
            }
        }
    }
}

// A whole block call: n steps over the history `hist` (H samples, oldest
// first) and src (n * D samples), on a team when `team` is set; then the
// last H samples become the history. widen(s, d, k) converts k samples.
template <class E, class T, class A, class Data, class Widen, class Emit, class Put = std::nullptr_t>
void mr_block(const MrPlan* p, MrDot<E, T, A> dot, MrGather<E, T, A> gather, std::uint8_t* bufs, E* hist, const Data* src,
              int n, bool team, Widen&& widen, Emit&& emit, Put put = nullptr) {
    const std::int64_t h = p->hist;
    auto fetch = [&](std::int64_t e, int k, E* out) {
        std::int64_t done = 0;
        if (e < h) {
            done = h - e < k ? h - e : k;
            std::memcpy(out, hist + e, sizeof(E) * static_cast<std::size_t>(done));
        }
        if (done < k) widen(src + (e + done - h), out + done, static_cast<int>(k - done));
    };
    par::run_capped(team, p->team, [&](const par::Team& t) {
        const par::Slice s = par::split(n, t.size(), t.index());
        if (s.count > 0)
            mr_steps<E, T, A>(p, dot, gather, bufs + static_cast<std::size_t>(t.index()) * p->buf_bytes, s.begin, s.count,
                              fetch, emit, put);
    });
    const std::int64_t total = std::int64_t{n} * p->down;
    if (total >= h) {
        widen(src + (total - h), hist, static_cast<int>(h));
    } else {
        std::memmove(hist, hist + total, sizeof(E) * static_cast<std::size_t>(h - total));
        widen(src, hist + (h - total), static_cast<int>(total));
    }
}

// run(copy, p, n) on a copy of the n * D input samples at p (-9 when the
// copy cannot be had, before anything is written).
template <class Data, class Run>
ZorStatus mr_from_copy(Data* p, int n, int down, Run&& run) {
    const std::uint64_t in = static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(down);
    auto* copy = static_cast<Data*>(aligned_alloc_bytes(in * sizeof(Data)));
    if (copy == nullptr) return zorStsMemAllocErr;
    std::memcpy(copy, p, static_cast<std::size_t>(in * sizeof(Data)));
    run(static_cast<const Data*>(copy), p, n);
    aligned_free(copy);
    return zorStsNoErr;
}

// In place: n * D samples read from p, n * U written. With U = 1 in chunks
// through `scratch` (outputs of a chunk never reach the inputs of the
// next); otherwise from a copy of the input.
template <class Data, class Run>
ZorStatus mr_inplace(int up, int down, Data* p, int n, Data* scratch, int scratch_samples, Run&& run) {
    if (up == 1) {
        for (int pos = 0; pos < n; pos += scratch_samples) {
            const int c = n - pos < scratch_samples ? n - pos : scratch_samples;
            run(p + static_cast<std::ptrdiff_t>(pos) * down, scratch, c);
            std::memcpy(p + pos, scratch, sizeof(Data) * static_cast<std::size_t>(c));
        }
        return zorStsNoErr;
    }
    return mr_from_copy(p, n, down, run);
}

}  // namespace zors::fir
