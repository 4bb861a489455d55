// Wide bodies of the DFT plan, compiled once per dispatch level: the
// mixed-radix self-sorting stages, the in-place passes (decimation in time,
// and the transposed out-of-order passes) with their innermost DFTs, the
// direct sum, the straight-line lengths and the Bluestein steps around the
// FFT.
//
// The radix kernels are written once over a complex "value" type: one
// complex number (Cx) or a pack of W consecutive interleaved complex numbers
// in a vector register (Pk). The packs move several values at a time
// through the same arithmetic, so every level computes the same bits.
#include "frame/isa.h"

// The compiler's straight-line vectoriser fuses the complex products of the
// scalar tails into multiply-add-subtract instructions despite
// -ffp-contract=off, which would make a value's last bits depend on whether
// it went through a pack or a tail. The packs are explicit, so automatic
// vectorisation is off.
#pragma GCC optimize("no-tree-vectorize")

#include <cstring>
#include <type_traits>
#include <utility>

#include "frame/lanes.h"
#include "transform/dft.h"

namespace zors::ZORS_ISA {
namespace {

template <class T> CView<T> view(Cx<T>* p) { return {&p->re, &p->im, 2}; }

template <class T> Cx<T> add(Cx<T> a, Cx<T> b) { return {a.re + b.re, a.im + b.im}; }
template <class T> Cx<T> sub(Cx<T> a, Cx<T> b) { return {a.re - b.re, a.im - b.im}; }
template <class T> Cx<T> scal(Cx<T> a, T s) { return {a.re * s, a.im * s}; }
// a·w, or a·conj(w) for the inverse
template <bool Inv, class T> Cx<T> mul(Cx<T> a, Cx<T> w) {
    if constexpr (Inv) return {a.re * w.re + a.im * w.im, a.im * w.re - a.re * w.im};
    else return {a.re * w.re - a.im * w.im, a.re * w.im + a.im * w.re};
}
// -i·a forward, +i·a inverse
template <bool Inv, class T> Cx<T> rot(Cx<T> a) {
    if constexpr (Inv) return {-a.im, a.re};
    else return {a.im, -a.re};
}

// A pack of W consecutive interleaved complex values in one vector register,
// with the same operations as a single value. The kernels below are written
// once for both forms; the packs only change how many values move at a time,
// not the arithmetic of each value.
template <class T>
inline constexpr std::size_t kNarrow = (kVectorBytes > 32 ? 32 : kVectorBytes) / (2 * sizeof(T));
// The widest pack of the level.
template <class T>
inline constexpr std::size_t kWide = kVectorBytes / (2 * sizeof(T));

template <class T, std::size_t W = kNarrow<T>>
struct PackOf {
    static constexpr std::size_t bytes = W * 2 * sizeof(T);
    static constexpr std::size_t lanes = bytes / sizeof(T), n = W;
    typedef T V __attribute__((vector_size(bytes)));
    template <std::size_t... I> static V re_(V v, std::index_sequence<I...>) { return __builtin_shufflevector(v, v, (I & ~std::size_t{1})...); }
    template <std::size_t... I> static V im_(V v, std::index_sequence<I...>) { return __builtin_shufflevector(v, v, (I | 1)...); }
    template <std::size_t... I> static V sign_(T re, T im, std::index_sequence<I...>) { return V{(I % 2 ? im : re)...}; }
    static V swap(V v) { return lane::swap_pairs(v); }
    static V dup_re(V v) { return re_(v, std::make_index_sequence<lanes>{}); }
    static V dup_im(V v) { return im_(v, std::make_index_sequence<lanes>{}); }
    static V sign(T re, T im) { return sign_(re, im, std::make_index_sequence<lanes>{}); }
};

template <class T, std::size_t W = kNarrow<T>>
struct Pk {
    using P = PackOf<T, W>;
    typename P::V v;
};
template <class T> Pk<T> load(const Cx<T>* p) {
    Pk<T> r;
    std::memcpy(&r.v, p, sizeof r.v);
    return r;
}
template <class T, std::size_t W> void store(Cx<T>* p, Pk<T, W> a) { std::memcpy(static_cast<void*>(p), &a.v, sizeof a.v); }

// The pack of the values at(0) .. at(n - 1), built in registers (single
// precision: each value one 64-bit lane); filling a stack array and loading
// it as a vector would stall on the partial stores.
template <class T, std::size_t... J>
typename PackOf<T>::V parts_of(const Cx<T>* c, std::index_sequence<J...>) {
    return typename PackOf<T>::V{(J % 2 ? c[J / 2].im : c[J / 2].re)...};
}
template <class T, class At, std::size_t... I>
Pk<T> pack_at(At&& at, std::index_sequence<I...>) {
    using P = PackOf<T>;
    Pk<T> r;
    if constexpr (sizeof(Cx<T>) == 8) {
        typedef std::uint64_t U __attribute__((vector_size(P::bytes)));
        const auto bits = [](const Cx<T>& c) {
            std::uint64_t u;
            std::memcpy(&u, &c, 8);
            return u;
        };
        const U u{bits(at(I))...};
        std::memcpy(&r.v, &u, sizeof u);
    } else {
        const Cx<T> c[] = {at(I)...};
        r.v = parts_of<T>(c, std::make_index_sequence<P::lanes>{});
    }
    return r;
}
template <class T, std::size_t W> Pk<T, W> add(Pk<T, W> a, Pk<T, W> b) { return {a.v + b.v}; }
template <class T, std::size_t W> Pk<T, W> sub(Pk<T, W> a, Pk<T, W> b) { return {a.v - b.v}; }
template <class T, std::size_t W> Pk<T, W> scal(Pk<T, W> a, T s) { return {a.v * s}; }
template <bool Inv, class T, std::size_t W> Pk<T, W> mul(Pk<T, W> a, Pk<T, W> w) {
    using P = PackOf<T, W>;
    return {a.v * P::dup_re(w.v) + lane::flip_signs<!Inv, Inv>(P::swap(a.v) * P::dup_im(w.v))};
}
template <bool Inv, class T, std::size_t W> Pk<T, W> rot(Pk<T, W> a) {
    using P = PackOf<T, W>;
    return {lane::flip_signs<Inv, !Inv>(P::swap(a.v))};
}

// The dedicated f-point DFTs (f = 2, 3, 4, 5, 7) of a into b, for single
// values (Cx) or packs (Pk).
template <int F, bool Inv, class T, class C>
[[gnu::always_inline]] inline void fixed_dft(const C* a, C* b) {
    if constexpr (F == 2) {
        b[0] = add(a[0], a[1]);
        b[1] = sub(a[0], a[1]);
    } else if constexpr (F == 3) {
        const T h = T(0.5), s3 = static_cast<T>(0.866025403784438646763723170752936183L);
        const C t = add(a[1], a[2]), d = rot<Inv>(scal(sub(a[1], a[2]), s3));
        const C m = sub(a[0], scal(t, h));
        b[0] = add(a[0], t);
        b[1] = add(m, d);
        b[2] = sub(m, d);
    } else if constexpr (F == 4) {
        const C s0 = add(a[0], a[2]), d0 = sub(a[0], a[2]), s1 = add(a[1], a[3]), d1 = rot<Inv>(sub(a[1], a[3]));
        b[0] = add(s0, s1);
        b[2] = sub(s0, s1);
        b[1] = add(d0, d1);
        b[3] = sub(d0, d1);
    } else if constexpr (F == 7) {
        const T c1 = static_cast<T>(0.623489801858733530525004884004239810L), c2 = static_cast<T>(-0.222520933956314404288902564496794759L);
        const T c3 = static_cast<T>(-0.900968867902419126236102319507445051L);
        const T s1 = static_cast<T>(0.781831482468029808708444526674057750L), s2 = static_cast<T>(0.974927912181823607018131682993931217L);
        const T s3 = static_cast<T>(0.433883739117558120475768332848358754L);
        const C t1 = add(a[1], a[6]), t2 = add(a[2], a[5]), t3 = add(a[3], a[4]);
        const C d1 = sub(a[1], a[6]), d2 = sub(a[2], a[5]), d3 = sub(a[3], a[4]);
        const C r1 = add(a[0], add(add(scal(t1, c1), scal(t2, c2)), scal(t3, c3)));
        const C r2 = add(a[0], add(add(scal(t1, c2), scal(t2, c3)), scal(t3, c1)));
        const C r3 = add(a[0], add(add(scal(t1, c3), scal(t2, c1)), scal(t3, c2)));
        const C i1 = rot<Inv>(add(add(scal(d1, s1), scal(d2, s2)), scal(d3, s3)));
        const C i2 = rot<Inv>(sub(sub(scal(d1, s2), scal(d2, s3)), scal(d3, s1)));
        const C i3 = rot<Inv>(add(sub(scal(d1, s3), scal(d2, s1)), scal(d3, s2)));
        b[0] = add(add(add(a[0], t1), t2), t3);
        b[1] = add(r1, i1);
        b[6] = sub(r1, i1);
        b[2] = add(r2, i2);
        b[5] = sub(r2, i2);
        b[3] = add(r3, i3);
        b[4] = sub(r3, i3);
    } else {
        static_assert(F == 5);
        const T c1 = static_cast<T>(0.309016994374947424102293417182819059L), c2 = static_cast<T>(-0.809016994374947424102293417182819059L);
        const T s1 = static_cast<T>(0.951056516295153572116439333379382143L), s2 = static_cast<T>(0.587785252292473129168705954639072769L);
        const C t1 = add(a[1], a[4]), t2 = add(a[2], a[3]), d1 = sub(a[1], a[4]), d2 = sub(a[2], a[3]);
        const C r1 = add(a[0], add(scal(t1, c1), scal(t2, c2)));
        const C r2 = add(a[0], add(scal(t1, c2), scal(t2, c1)));
        const C i1 = rot<Inv>(add(scal(d1, s1), scal(d2, s2)));
        const C i2 = rot<Inv>(sub(scal(d1, s2), scal(d2, s1)));
        b[0] = add(a[0], add(t1, t2));
        b[1] = add(r1, i1);
        b[4] = sub(r1, i1);
        b[2] = add(r2, i2);
        b[3] = sub(r2, i2);
    }
}

constexpr int kMaxSmall = 151;  // radices and innermost lengths are at most 150

// w in every value of a C (a single value or a pack).
template <class C, class T> C splat(Cx<T> w) {
    if constexpr (std::is_same_v<C, Cx<T>>) return w;
    else return {C::P::sign(w.re, w.im)};
}

// f-point DFT of a into b (distinct arrays, single values or packs); other
// radices sum directly with the roots of the plan length at stride rs = n / f.
template <int F, bool Inv, class T, class C, int N = kMaxSmall>
inline void small_dft(const C* a, C* b, int f, const Cx<T>* roots, std::size_t rs) {
    if constexpr (F != 0) {
        fixed_dft<F, Inv, T>(a, b);
    } else if (f % 2) {
        // Odd f: pairs j, f - j share cos and sin, so
        // b[q] = a0 + Σ cos·(a_j + a_{f-j}) ∓ i·Σ sin·(a_j - a_{f-j}) and
        // b[f - q] takes the other sign.
        const int h = f / 2;
        C t[N / 2 + 1], d[N / 2 + 1];
        C sum = a[0];
        for (int j = 1; j <= h; ++j) {
            t[j] = add(a[j], a[f - j]);
            d[j] = sub(a[j], a[f - j]);
            sum = add(sum, t[j]);
        }
        b[0] = sum;
        for (int q = 1; q <= h; ++q) {
            C re = a[0], im{};
            std::size_t idx = 0;
            for (int j = 1; j <= h; ++j) {
                idx += static_cast<std::size_t>(q);
                if (idx >= static_cast<std::size_t>(f)) idx -= static_cast<std::size_t>(f);
                const Cx<T> w = roots[idx * rs];  // (cos, -sin)
                re = add(re, scal(t[j], w.re));
                im = add(im, scal(d[j], w.im));
            }
            // -sin·d times i: the forward transform adds i·(-sin)·d
            const C r = Inv ? rot<false>(im) : rot<true>(im);
            b[q] = add(re, r);
            b[f - q] = sub(re, r);
        }
    } else {
        for (int q = 0; q < f; ++q) {
            C acc = a[0];
            std::size_t idx = 0;
            for (int j = 1; j < f; ++j) {
                idx += static_cast<std::size_t>(q);
                if (idx >= static_cast<std::size_t>(f)) idx -= static_cast<std::size_t>(f);
                acc = add(acc, mul<Inv>(a[j], splat<C>(roots[idx * rs])));
            }
            b[q] = acc;
        }
    }
}

// Calls fn with the radix as a compile-time constant for the dedicated
// radices 2, 3, 4, 5 and 7, and with 0 (the general kernel) for any other.
template <class Fn>
inline void with_radix(int f, Fn&& fn) {
    switch (f) {
    case 2: fn(std::integral_constant<int, 2>{}); break;
    case 3: fn(std::integral_constant<int, 3>{}); break;
    case 4: fn(std::integral_constant<int, 4>{}); break;
    case 5: fn(std::integral_constant<int, 5>{}); break;
    case 7: fn(std::integral_constant<int, 7>{}); break;
    default: fn(std::integral_constant<int, 0>{}); break;
    }
}

template <bool Inv, class T>
void small_dft_any(const Cx<T>* a, Cx<T>* b, int f, const Cx<T>* roots, std::size_t rs) {
    if (f == 1) b[0] = a[0];
    else with_radix(f, [&](auto F) { small_dft<F.value, Inv>(a, b, f, roots, rs); });
}


// One decimation-in-time pass of level L over the sub-transform at `off` of
// w, written to out (w itself, or the destination view at level 0); the
// factors of row j sit at tw[(j - 1)·m + k]. Dedicated radices writing an
// interleaved array move packs of values.
template <int F, bool Inv, class T, class Out>
void dit_pass(const DftPlan<T>& p, const DftLevel<T>& L, const Cx<T>* w, std::size_t off, Out out, Cx<T>* out_array) {
    const int f = F ? F : L.f;
    const std::size_t m = static_cast<std::size_t>(L.m), rs = static_cast<std::size_t>(p.n / f);
    std::size_t k = 0;
    if constexpr (F != 0) {
        if (out_array != nullptr) {
            constexpr std::size_t P = PackOf<T>::n;
            Pk<T> a[F], b[F];
            for (; k + P <= m; k += P) {
                a[0] = load(w + off + k);
                for (int j = 1; j < F; ++j)
                    a[j] = mul<Inv>(load(w + off + static_cast<std::size_t>(j) * m + k), load(L.tw + static_cast<std::size_t>(j - 1) * m + k));
                fixed_dft<F, Inv, T>(a, b);
                for (int j = 0; j < F; ++j) store(out_array + off + static_cast<std::size_t>(j) * m + k, b[j]);
            }
        }
    }
    Cx<T> a[F ? F : kMaxSmall], b[F ? F : kMaxSmall];
    for (; k < m; ++k) {
        a[0] = w[off + k];
        for (int j = 1; j < f; ++j) a[j] = mul<Inv>(w[off + static_cast<std::size_t>(j) * m + k], L.tw[static_cast<std::size_t>(j - 1) * m + k]);
        small_dft<F, Inv>(a, b, f, p.roots, rs);
        for (int j = 0; j < f; ++j) out(off + static_cast<std::size_t>(j) * m + k, b[j]);
    }
}

template <bool Inv, class T, class Out>
void dit_pass_any(const DftPlan<T>& p, int level, const Cx<T>* w, std::size_t off, Out out, Cx<T>* out_array) {
    const DftLevel<T>& L = p.lev[level];
    with_radix(L.f, [&](auto F) { dit_pass<F.value, Inv>(p, L, w, off, out, out_array); });
}

// The transposed pass: f-point DFTs first, then the factors.
template <int F, bool Inv, class T>
void dif_pass(const DftPlan<T>& p, const DftLevel<T>& L, Cx<T>* d, std::size_t off) {
    const int f = F ? F : L.f;
    const std::size_t m = static_cast<std::size_t>(L.m), rs = static_cast<std::size_t>(p.n / f);
    std::size_t k = 0;
    if constexpr (F != 0) {
        constexpr std::size_t P = PackOf<T>::n;
        Pk<T> a[F], b[F];
        for (; k + P <= m; k += P) {
            for (int j = 0; j < F; ++j) a[j] = load(d + off + static_cast<std::size_t>(j) * m + k);
            fixed_dft<F, Inv, T>(a, b);
            store(d + off + k, b[0]);
            for (int j = 1; j < F; ++j)
                store(d + off + static_cast<std::size_t>(j) * m + k, mul<Inv>(b[j], load(L.tw + static_cast<std::size_t>(j - 1) * m + k)));
        }
    }
    Cx<T> a[F ? F : kMaxSmall], b[F ? F : kMaxSmall];
    for (; k < m; ++k) {
        for (int j = 0; j < f; ++j) a[j] = d[off + static_cast<std::size_t>(j) * m + k];
        small_dft<F, Inv>(a, b, f, p.roots, rs);
        d[off + k] = b[0];
        for (int j = 1; j < f; ++j) d[off + static_cast<std::size_t>(j) * m + k] = mul<Inv>(b[j], L.tw[static_cast<std::size_t>(j - 1) * m + k]);
    }
}

template <bool Inv, class T>
void dif_pass_any(const DftPlan<T>& p, int level, Cx<T>* d, std::size_t off) {
    const DftLevel<T>& L = p.lev[level];
    with_radix(L.f, [&](auto F) { dif_pass<F.value, Inv>(p, L, d, off); });
}

constexpr std::size_t kBreadthLimit = 2000;

// Decimation in time over the sub-transform of `level` at `off` of w. The
// innermost blocks read `src` through the digit table (permuted == false: the
// block itself, already in digit-reversed order).
template <bool Inv, class T>
struct Dit {
    const DftPlan<T>& p;
    CView<T> src;
    Cx<T>* w;
    CView<T> dst;
    bool permuted;

    // Innermost DFTs of blocks b0 .. b1 - 1, written to w.
    template <int F>
    void inner_blocks(std::size_t b0, std::size_t b1) const {
        const int f = F ? F : p.inner;
        const std::size_t m = static_cast<std::size_t>(f), stride = static_cast<std::size_t>(p.n) / m;
        std::size_t b = b0;
        if constexpr (F > 1) {
            // P blocks at once, block l of the group in lane l of the packs.
            constexpr std::size_t P = PackOf<T>::n;
            Pk<T> x[F], y[F];
            Cx<T> lanes[P];
            for (; b + P <= b1; b += P) {
                for (std::size_t t = 0; t < m; ++t) {
                    if (permuted)
                        x[t] = pack_at<T>([&](std::size_t l) { return src.get(p.digits[b + l] + t * stride); }, std::make_index_sequence<P>{});
                    else
                        x[t] = pack_at<T>([&](std::size_t l) { return w[(b + l) * m + t]; }, std::make_index_sequence<P>{});
                }
                fixed_dft<F, Inv, T>(x, y);
                for (std::size_t q = 0; q < m; ++q) {
                    store(lanes, y[q]);
                    for (std::size_t l = 0; l < P; ++l) w[(b + l) * m + q] = lanes[l];
                }
            }
        }
        Cx<T> a[F ? F : kMaxSmall];
        for (; b < b1; ++b) {
            if (permuted) {
                const std::size_t start = p.digits[b];
                for (std::size_t t = 0; t < m; ++t) a[t] = src.get(start + t * stride);
            } else {
                for (std::size_t t = 0; t < m; ++t) a[t] = w[b * m + t];
            }
            if constexpr (F == 1) w[b] = a[0];
            else small_dft<F, Inv>(a, w + b * m, f, p.roots, stride);
        }
    }
    void inner(std::size_t b0, std::size_t b1) const {
        if (p.inner == 1) inner_blocks<1>(b0, b1);
        else with_radix(p.inner, [&](auto F) { inner_blocks<F.value>(b0, b1); });
    }
    void pass(int level, std::size_t off) const {
        if (level == 0 && (dst.step != 2 || reinterpret_cast<Cx<T>*>(dst.re) != w)) {
            Cx<T>* arr = dst.step == 2 ? reinterpret_cast<Cx<T>*>(dst.re) : nullptr;
            dit_pass_any<Inv>(p, level, w, off, [this](std::size_t i, Cx<T> v) { dst.set(i, v); }, arr);
        } else {
            dit_pass_any<Inv>(p, level, w, off, [this](std::size_t i, Cx<T> v) { w[i] = v; }, w);
        }
    }
    void run(int level, std::size_t off) const {
        const std::size_t size = level == 0 ? static_cast<std::size_t>(p.n)
                                            : static_cast<std::size_t>(p.lev[level - 1].m);
        if (size <= kBreadthLimit) {
            const std::size_t m = static_cast<std::size_t>(p.inner);
            inner(off / m, (off + size) / m);
            for (int l = p.nlev - 1; l >= level; --l) {
                const std::size_t sub = static_cast<std::size_t>(p.lev[l].f) * static_cast<std::size_t>(p.lev[l].m);
                for (std::size_t o = off; o < off + size; o += sub) pass(l, o);
            }
            return;
        }
        const DftLevel<T>& L = p.lev[level];
        for (int j = 0; j < L.f; ++j) run(level + 1, off + static_cast<std::size_t>(j) * static_cast<std::size_t>(L.m));
        pass(level, off);
    }
};

template <bool Inv, class T>
void dif_run(const DftPlan<T>& p, Cx<T>* d, int level, std::size_t off) {
    const std::size_t size = level == 0 ? static_cast<std::size_t>(p.n) : static_cast<std::size_t>(p.lev[level - 1].m);
    const std::size_t m = static_cast<std::size_t>(p.inner), stride = static_cast<std::size_t>(p.n) / m;
    if (size <= kBreadthLimit) {
        for (int l = level; l < p.nlev; ++l) {
            const std::size_t sub = static_cast<std::size_t>(p.lev[l].f) * static_cast<std::size_t>(p.lev[l].m);
            for (std::size_t o = off; o < off + size; o += sub) dif_pass_any<Inv>(p, l, d, o);
        }
        Cx<T> y[kMaxSmall];
        for (std::size_t o = off; o < off + size; o += m) {
            small_dft_any<Inv>(d + o, y, p.inner, p.roots, stride);
            for (std::size_t t = 0; t < m; ++t) d[o + t] = y[t];
        }
        return;
    }
    dif_pass_any<Inv>(p, level, d, off);
    const DftLevel<T>& L = p.lev[level];
    for (int j = 0; j < L.f; ++j) dif_run<Inv>(p, d, level + 1, off + static_cast<std::size_t>(j) * static_cast<std::size_t>(L.m));
}


// ---- self-sorting passes ----
//
// The same decimation in time without the digit-reversal table: a stage of
// radix p turns the DFTs of `len` points of the s·p residue classes of the
// input (X[r][k] at in[k·s·p + r]) into DFTs of len·p points of the s
// classes (Y[r][k] at out[k·s + r]):
//   Y[r][k + len·t] = Σ_q W_p^{q·t}·(W_{len·p}^{q·k}·X[r + s·q][k]),
// the same products and butterflies as the passes above, value by value.
// The first stage (len 1, the innermost DFTs) reads the input in natural
// order and the last (s = 1) writes the spectrum in natural order; the
// stages alternate between the destination and the work area.
//
// With s at least a pack, packs run over the residues r with one twiddle
// per k. With fewer residues than a pack, a pack covers consecutive k (and
// r) instead: its outputs are consecutive, its inputs come from p
// consecutive packs, regrouped in registers, and its twiddles from the
// per-lane table of the level.

// W values: a pack, or a single value where the pack would be narrower
// than 16 bytes.
template <class T, std::size_t W>
using Val = std::conditional_t<(W * 2 * sizeof(T) < 16), Cx<T>, Pk<T, W>>;

template <class T, std::size_t W>
Val<T, W> ld(const Cx<T>* p) {
    if constexpr (std::is_same_v<Val<T, W>, Cx<T>>) {
        return *p;
    } else {
        Val<T, W> r;
        std::memcpy(&r.v, p, sizeof r.v);
        return r;
    }
}
template <class T> void store(Cx<T>* p, Cx<T> a) { *p = a; }

template <class T>
struct Stage {
    int p;                // radix
    std::size_t len, s;   // points per transform before the stage, residue classes after it
    const Cx<T>* tw;      // W_{len·p}^{q·k} at tw[(q - 1)·len + k]; null for the first stage
    const Cx<T>* twx;     // the same per lane, at twx[(q - 1)·len·s + k·s + r] (s < 8), else null
};

// Residues r .. s - 1 of position k, W at a time, then narrower packs, with
// the twiddles wk[q] (Tw) or none (the first stage). The general radices
// (F = 0) are at most N.
template <int F, int N, bool Inv, bool Tw, std::size_t W, class T>
inline void residues(const DftPlan<T>& pl, const Stage<T>& g, const Cx<T>* src, Cx<T>* dst, std::size_t r, const Cx<T>* wk) {
    using C = Val<T, W>;
    const int f = F ? F : g.p;
    const std::size_t s = g.s, ls = g.len * s, rs = static_cast<std::size_t>(pl.n / f);
    if (r + W <= s) {
        C w[F ? F : 1];
        if constexpr (F != 0 && Tw)
            for (int q = 1; q < F; ++q) w[q] = splat<C>(wk[q]);
        C a[F ? F : N], b[F ? F : N];
        for (; r + W <= s; r += W) {
            a[0] = ld<T, W>(src + r);
            for (int q = 1; q < f; ++q) {
                a[q] = ld<T, W>(src + static_cast<std::size_t>(q) * s + r);
                if constexpr (Tw && F != 0) a[q] = mul<Inv>(a[q], w[q]);
                else if constexpr (Tw) a[q] = mul<Inv>(a[q], splat<C>(wk[q]));
            }
            small_dft<F, Inv, T, C, N>(a, b, f, pl.roots, rs);
            for (int t = 0; t < f; ++t) store(dst + static_cast<std::size_t>(t) * ls + r, b[t]);
        }
    }
    if constexpr (W > 1)
        if (r < s) residues<F, N, Inv, Tw, W / 2>(pl, g, src, dst, r, wk);
}

// Positions k0 .. k1 - 1, packs over the residues (at most 16 bytes for
// the long general radices, whose values fill arrays on the stack).
template <int F, int N, bool Inv, class T>
void by_residue(const DftPlan<T>& pl, const Stage<T>& g, const Cx<T>* in, Cx<T>* out, std::size_t k0, std::size_t k1) {
    constexpr std::size_t W = N > 17 ? 16 / (2 * sizeof(T)) : kWide<T>;
    const int f = F ? F : g.p;
    const std::size_t s = g.s, ps = static_cast<std::size_t>(f) * s;
    if (g.tw == nullptr) {
        for (std::size_t k = k0; k < k1; ++k) residues<F, N, Inv, false, W>(pl, g, in + k * ps, out + k * s, 0, static_cast<const Cx<T>*>(nullptr));
        return;
    }
    Cx<T> wk[F ? F : N];
    for (std::size_t k = k0; k < k1; ++k) {
        for (int q = 1; q < f; ++q) wk[q] = g.tw[static_cast<std::size_t>(q - 1) * g.len + k];
        residues<F, N, Inv, true, W>(pl, g, in + k * ps, out + k * s, 0, wk);
    }
}

// Lane l of pack q of the regrouped packs: the element of the F·W loaded
// ones at position k·F·S + q·S + r for l = k·S + r.
constexpr std::size_t regroup_at(std::size_t l, std::size_t q, std::size_t F, std::size_t S) { return (l / S) * F * S + q * S + l % S; }
template <std::size_t W, std::size_t F, std::size_t S, std::size_t Q>
constexpr bool regroup_uses(std::size_t v) {
    for (std::size_t l = 0; l < W; ++l)
        if (regroup_at(l, Q, F, S) / W == v) return true;
    return false;
}
template <std::size_t W, std::size_t F, std::size_t S, std::size_t Q>
constexpr std::size_t regroup_first() {
    std::size_t v = 0;
    while (!regroup_uses<W, F, S, Q>(v)) ++v;
    return v;
}
// Scalar lane i of the merge of loaded pack Vi into the pack being built.
template <std::size_t W, std::size_t F, std::size_t S, std::size_t Q, std::size_t Vi>
constexpr int regroup_lane(std::size_t i) {
    const std::size_t e = regroup_at(i / 2, Q, F, S);
    return static_cast<int>(e / W == Vi ? 2 * W + 2 * (e % W) + i % 2 : i);
}
template <class T, std::size_t W, std::size_t F, std::size_t S, std::size_t Q, std::size_t Vi, std::size_t... I>
typename PackOf<T, W>::V regroup_merge(typename PackOf<T, W>::V acc, typename PackOf<T, W>::V v, std::index_sequence<I...>) {
    return __builtin_shufflevector(acc, v, regroup_lane<W, F, S, Q, Vi>(I)...);
}
template <class T, std::size_t W, std::size_t F, std::size_t S, std::size_t Q, std::size_t Vi = 0>
void regroup_one(typename PackOf<T, W>::V& acc, const typename PackOf<T, W>::V* raw) {
    if constexpr (Vi < F) {
        if constexpr (regroup_uses<W, F, S, Q>(Vi)) acc = regroup_merge<T, W, F, S, Q, Vi>(acc, raw[Vi], std::make_index_sequence<2 * W>{});
        regroup_one<T, W, F, S, Q, Vi + 1>(acc, raw);
    }
}
template <class T, std::size_t W, std::size_t F, std::size_t S, std::size_t... Q>
void regroup(const typename PackOf<T, W>::V* raw, Pk<T, W>* a, std::index_sequence<Q...>) {
    ((a[Q].v = raw[regroup_first<W, F, S, Q>()], regroup_one<T, W, F, S, Q>(a[Q].v, raw)), ...);
}

// Lanes idx .. (consecutive k·S + r) W at a time, then narrower packs while
// they hold whole positions; returns the first lane left.
template <int F, bool Inv, std::size_t W, std::size_t S, class T>
std::size_t by_lane(const Stage<T>& g, const Cx<T>* in, Cx<T>* out, std::size_t idx) {
    const std::size_t ls = g.len * S;
    if constexpr (W >= S && W * 2 * sizeof(T) >= 16) {
        using C = Pk<T, W>;
        typename C::P::V raw[F];
        C a[F], b[F];
        for (; idx + W <= ls; idx += W) {
            const Cx<T>* base = in + (idx / S) * F * S;
            // Each pack loaded into a register as a whole: copied into the
            // array, the halves' stores would stall the whole-pack loads.
            for (int j = 0; j < F; ++j) {
                typename C::P::V v;
                std::memcpy(&v, base + static_cast<std::size_t>(j) * W, sizeof v);
                raw[j] = v;
            }
            regroup<T, W, F, S>(raw, a, std::make_index_sequence<F>{});
            for (int q = 1; q < F; ++q) a[q] = mul<Inv>(a[q], ld<T, W>(g.twx + static_cast<std::size_t>(q - 1) * ls + idx));
            fixed_dft<F, Inv, T>(a, b);
            for (int t = 0; t < F; ++t) store(out + static_cast<std::size_t>(t) * ls + idx, b[t]);
        }
        if constexpr (W / 2 >= S) return by_lane<F, Inv, W / 2, S>(g, in, out, idx);
    }
    return idx;
}

template <int F, bool Inv, class T, int N = F>
void stage(const DftPlan<T>& pl, const Stage<T>& g, const Cx<T>* in, Cx<T>* out) {
    constexpr std::size_t W = kWide<T>;
    std::size_t k = 0;
    if constexpr (F != 0 && W > 1) {
        if (g.twx != nullptr && g.s < W && W % g.s == 0) {
            switch (g.s) {
            case 1: k = by_lane<F, Inv, W, 1>(g, in, out, 0); break;
            case 2: k = by_lane<F, Inv, W, 2>(g, in, out, 0) / 2; break;
            case 4: k = by_lane<F, Inv, W, 4>(g, in, out, 0) / 4; break;
            default: break;
            }
        }
    }
    by_residue<F, N, Inv>(pl, g, in, out, k, g.len);
}

template <bool Inv, class T>
void stage_any(const DftPlan<T>& pl, const Stage<T>& g, const Cx<T>* in, Cx<T>* out) {
    with_radix(g.p, [&](auto F) {
        if constexpr (F.value != 0) stage<F.value, Inv>(pl, g, in, out);
        else if (g.p <= 17) stage<0, Inv, T, 17>(pl, g, in, out);
        else stage<0, Inv, T, kMaxSmall>(pl, g, in, out);
    });
}

// The whole transform from src to dst (interleaved, may be the same array)
// through work (n values). The first stage works in place, so it writes
// whichever array makes the last one land in dst.
template <bool Inv, class T>
void self_sorting(const DftPlan<T>& p, const Cx<T>* src, Cx<T>* dst, Cx<T>* work) {
    const int stages = p.nlev + 1;
    const std::size_t n = static_cast<std::size_t>(p.n);
    const Cx<T>* in = src;
    for (int j = 0; j < stages; ++j) {
        Cx<T>* out = (stages - 1 - j) % 2 ? work : dst;
        Stage<T> g;
        if (j == 0) {
            g = {p.inner, 1, n / static_cast<std::size_t>(p.inner), nullptr, nullptr};
        } else {
            const DftLevel<T>& L = p.lev[p.nlev - j];
            g = {L.f, static_cast<std::size_t>(L.m), static_cast<std::size_t>(L.s), L.tw, L.twx};
        }
        stage_any<Inv>(p, g, in, out);
        in = out;
    }
}

// The stages of a plan of shape R (radices from level 0 out, innermost
// length last) with every size known here, so that the loops unroll into
// straight-line code.
// Radix i of shape R and the product of the radices before it.
template <int... R>
constexpr int shape_radix(int i) {
    constexpr int r[] = {R...};
    return r[i];
}
template <int... R>
constexpr std::size_t shape_stride(int i) {
    constexpr int r[] = {R...};
    std::size_t v = 1;
    for (int l = 0; l < i; ++l) v *= static_cast<std::size_t>(r[l]);
    return v;
}

template <bool Inv, class T, int... R>
struct ShapeRun {
    static constexpr int levels = sizeof...(R) - 1;
    static constexpr std::size_t n = (static_cast<std::size_t>(R) * ...);
    const DftPlan<T>& p;
    Cx<T>* dst;
    Cx<T>* work;
    // Stage J (0: the innermost DFTs, then level levels - J) from in.
    template <int J>
    const Cx<T>* stage_at(const Cx<T>* in) const {
        Cx<T>* out = (levels - J) % 2 ? work : dst;
        if constexpr (J == 0) {
            constexpr int f = shape_radix<R...>(levels);
            stage<f, Inv>(p, Stage<T>{f, 1, n / f, nullptr, nullptr}, in, out);
        } else {
            constexpr int i = levels - J, f = shape_radix<R...>(i);
            constexpr std::size_t s = shape_stride<R...>(i), m = n / (s * static_cast<std::size_t>(f));
            stage<f, Inv>(p, Stage<T>{f, m, s, p.lev[i].tw, p.lev[i].twx}, in, out);
        }
        return out;
    }
    template <std::size_t... J>
    [[gnu::flatten]] void run(const Cx<T>* src, std::index_sequence<J...>) const {
        const Cx<T>* in = src;
        ((in = stage_at<static_cast<int>(J)>(in)), ...);
    }
};

template <bool Inv, class T, std::size_t K, std::size_t... I>
void sorted_shape_at(const DftPlan<T>& p, const Cx<T>* src, Cx<T>* dst, Cx<T>* work, std::index_sequence<I...>) {
    ShapeRun<Inv, T, kDftShapes[K].radix[I]...>{p, dst, work}.run(src, std::make_index_sequence<sizeof...(I)>{});
}

template <bool Inv, class T, std::size_t... K>
void sorted_by_shape(const DftPlan<T>& p, const Cx<T>* src, Cx<T>* dst, Cx<T>* work, std::index_sequence<K...>) {
    ((p.shape == static_cast<int>(K) + 1 ? sorted_shape_at<Inv, T, K>(p, src, dst, work, std::make_index_sequence<kDftShapes[K].count>{}) : void()), ...);
}

template <class T>
void sorted(const DftPlan<T>& p, const Cx<T>* src, Cx<T>* dst, Cx<T>* work, bool inv) {
    constexpr auto shapes = std::make_index_sequence<kDftShapeCount>{};
    if (p.shape != 0) inv ? sorted_by_shape<true>(p, src, dst, work, shapes) : sorted_by_shape<false>(p, src, dst, work, shapes);
    else inv ? self_sorting<true>(p, src, dst, work) : self_sorting<false>(p, src, dst, work);
}

template <bool Inv, class T>
void run_tiny(const DftPlan<T>& p, CView<T> src, CView<T> dst) {
    Cx<T> a[7] = {}, b[7] = {};  // sized for every dedicated radix
    for (int i = 0; i < p.n; ++i) a[i] = src.get(static_cast<std::size_t>(i));
    small_dft_any<Inv>(a, b, p.n, static_cast<const Cx<T>*>(nullptr), 0);
    for (int i = 0; i < p.n; ++i) dst.set(static_cast<std::size_t>(i), b[i]);
}

// The direct sum, accumulated in double precision (long double for double
// data would cost much for little: the table rounding dominates).
template <bool Inv, class T>
void run_direct(const DftPlan<T>& p, CView<T> src, CView<T> dst, void* work) {
    const std::size_t n = static_cast<std::size_t>(p.n);
    auto* x = static_cast<Cx<T>*>(work);
    for (std::size_t j = 0; j < n; ++j) x[j] = src.get(j);
    for (std::size_t k = 0; k < n; ++k) {
        double re = 0, im = 0;
        std::size_t idx = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const Cx<T> w = p.roots[idx];
            const double wr = w.re, wi = Inv ? -w.im : w.im;
            re += x[j].re * wr - x[j].im * wi;
            im += x[j].re * wi + x[j].im * wr;
            idx += k;
            if (idx >= n) idx -= n;
        }
        dst.set(k, {static_cast<T>(re), static_cast<T>(im)});
    }
}

template <class T> bool interleaved(CView<T> v) { return v.step == 2 && v.im == v.re + 1; }

// z[j] = x[j]·y[j] (x[j]·conj(y[j]) for the inverse) from j to n, W values
// at a time, then narrower packs.
template <bool Inv, class T, std::size_t W = kWide<T>>
void mul_rows(const Cx<T>* x, const Cx<T>* y, Cx<T>* z, std::size_t j, std::size_t n) {
    for (; j + W <= n; j += W) store(z + j, mul<Inv>(ld<T, W>(x + j), ld<T, W>(y + j)));
    if constexpr (W > 1) mul_rows<Inv, T, W / 2>(x, y, z, j, n);
}

template <bool Inv, class T>
ZorStatus run_bluestein(const DftPlan<T>& p, CView<T> src, CView<T> dst, void* work) {
    const std::size_t n = static_cast<std::size_t>(p.n), M = static_cast<std::size_t>(p.padded);
    constexpr std::size_t P = PackOf<T>::n;
    constexpr auto lanes = std::make_index_sequence<P>{};
    auto* a = static_cast<Cx<T>*>(work);
    std::size_t j = 0;
    if (interleaved(src)) {
        mul_rows<Inv>(reinterpret_cast<const Cx<T>*>(src.re), p.chirp, a, 0, n);
    } else {
        for (; j + P <= n; j += P)
            store(a + j, mul<Inv>(pack_at<T>([&](std::size_t l) { return src.get(j + l); }, lanes), load(p.chirp + j)));
        for (; j < n; ++j) a[j] = mul<Inv>(src.get(j), p.chirp[j]);
    }
    std::memset(static_cast<void*>(a + n), 0, (M - n) * sizeof(Cx<T>));
    void* rest = a + M;
    if (p.apart) {
        // Out of place through the FFT's share of the work area, which
        // spares the FFTs their separate permutation passes.
        auto* b = reinterpret_cast<Cx<T>*>((reinterpret_cast<std::uintptr_t>(rest) + 15) & ~std::uintptr_t{15});
        ZorStatus st = fft_complex(p.fft_kind, p.fft, view(a), view(b), nullptr, false);
        if (st != zorStsNoErr) return st;
        mul_rows<Inv>(b, p.kernel, b, 0, M);
        st = fft_complex(p.fft_kind, p.fft, view(b), view(a), nullptr, true);
        if (st != zorStsNoErr) return st;
    } else {
        ZorStatus st = fft_complex(p.fft_kind, p.fft, view(a), view(a), rest, false);
        if (st != zorStsNoErr) return st;
        mul_rows<Inv>(a, p.kernel, a, 0, M);
        st = fft_complex(p.fft_kind, p.fft, view(a), view(a), rest, true);
        if (st != zorStsNoErr) return st;
    }
    // The inverse sign conjugates the chirp on both ends and the kernel
    // spectrum (the kernel is even, so its spectrum conjugates with it).
    if (interleaved(dst)) {
        mul_rows<Inv>(a, p.chirp, reinterpret_cast<Cx<T>*>(dst.re), 0, n);
    } else {
        for (j = 0; j < n; ++j) dst.set(j, mul<Inv>(a[j], p.chirp[j]));
    }
    return zorStsNoErr;
}


template <class T>
ZorStatus run(const DftPlan<T>& p, CView<T> src, CView<T> dst, void* work, bool inv) {
    switch (p.alg) {
    case DftAlg::tiny:
        inv ? run_tiny<true>(p, src, dst) : run_tiny<false>(p, src, dst);
        return zorStsNoErr;
    case DftAlg::pow2:
        return fft_complex(p.fft_kind, p.fft, src, dst, work, inv);
    case DftAlg::direct:
        inv ? run_direct<true>(p, src, dst, work) : run_direct<false>(p, src, dst, work);
        return zorStsNoErr;
    case DftAlg::bluestein:
        return inv ? run_bluestein<true>(p, src, dst, work) : run_bluestein<false>(p, src, dst, work);
    case DftAlg::mixed: {
        // Interleaved data runs the self-sorting stages. Otherwise the
        // passes run in the destination when it is an interleaved vector
        // distinct from the source, else in the work area with the last
        // pass writing the destination.
        Cx<T>* w = static_cast<Cx<T>*>(work);
        if (interleaved(src) && interleaved(dst)) {
            sorted(p, reinterpret_cast<const Cx<T>*>(src.re), reinterpret_cast<Cx<T>*>(dst.re), w, inv);
            return zorStsNoErr;
        }
        if (dst.step == 2 && dst.re != src.re) w = reinterpret_cast<Cx<T>*>(dst.re);
        if (inv) Dit<true, T>{p, src, w, dst, true}.run(0, 0);
        else Dit<false, T>{p, src, w, dst, true}.run(0, 0);
        return zorStsNoErr;
    }
    }
    return zorStsNoErr;
}


template <class T>
void outord(const DftPlan<T>& p, Cx<T>* d, bool inv) {
    if (inv) Dit<true, T>{p, view(d), d, view(d), false}.run(0, 0);
    else dif_run<false>(p, d, 0, 0);
}

}  // namespace

extern const DftKernels dft_kernels = {{&run<float>, &outord<float>, &sorted<float>}, {&run<double>, &outord<double>, &sorted<double>}};

}  // namespace zors::ZORS_ISA
