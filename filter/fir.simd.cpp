// FIR kernels of one dispatch level: y[j] = sum over i < len of t[i] * x[j + i].
//
// Outputs lie in the vector lanes: a tile of outputs keeps one accumulator
// per vector, and every tap is broadcast once per tile and multiplied with
// the input shifted by that tap. Each output is therefore summed in tap
// order whatever the tile, the vector width or the tail, so the plain forms
// give the same bits on every level and the fused forms differ only by the
// rounding the multiply-add saves.
#include "frame/isa.h"
#include "frame/simd.h"

#include <cmath>

#include "filter/fir.h"

namespace zors::ZORS_ISA {
namespace {

template <class V>
inline V madd(V a, V b, V c, std::true_type) {
#if defined(__FMA__)
    using T = elem_t<V>;
    if constexpr (sizeof(V) == 64 && std::is_same_v<T, float>)
        return reinterpret_cast<V>(_mm512_fmadd_ps(reinterpret_cast<__m512>(a), reinterpret_cast<__m512>(b), reinterpret_cast<__m512>(c)));
    else if constexpr (sizeof(V) == 64)
        return reinterpret_cast<V>(_mm512_fmadd_pd(reinterpret_cast<__m512d>(a), reinterpret_cast<__m512d>(b), reinterpret_cast<__m512d>(c)));
    else if constexpr (std::is_same_v<T, float>)
        return reinterpret_cast<V>(_mm256_fmadd_ps(reinterpret_cast<__m256>(a), reinterpret_cast<__m256>(b), reinterpret_cast<__m256>(c)));
    else
        return reinterpret_cast<V>(_mm256_fmadd_pd(reinterpret_cast<__m256d>(a), reinterpret_cast<__m256d>(b), reinterpret_cast<__m256d>(c)));
#else
    return a * b + c;
#endif
}
template <class V>
inline V madd(V a, V b, V c, std::false_type) { return a * b + c; }

template <class T>
inline T madd1(T a, T b, T c, std::true_type) {
#if defined(__FMA__)
    return std::fma(a, b, c);
#else
    return a * b + c;
#endif
}
template <class T>
inline T madd1(T a, T b, T c, std::false_type) { return a * b + c; }

// All lanes v (v - 0 is v for every v, the sign of zero included; the
// compiler makes it one broadcast, where a lane-by-lane fill would be
// sixteen inserts).
template <class V>
inline V splat(elem_t<V> v) {
    return v - V{};
}

#if defined(__AVX512F__)
// The window of x shifted by R lanes: lanes R.. of lo followed by hi.
template <int R, class V>
inline V shifted(V lo, V hi) {
    if constexpr (R == 0) {
        return lo;
    } else {
        const __m512i a = reinterpret_cast<__m512i>(hi), b = reinterpret_cast<__m512i>(lo);
        if constexpr (sizeof(elem_t<V>) == 4) return reinterpret_cast<V>(_mm512_alignr_epi32(a, b, R));
        else return reinterpret_cast<V>(_mm512_maskz_alignr_epi64(0xFF, a, b, R));
    }
}

// The vector at p without its last lane, which the windows never use: that
// element may lie past the end of the input.
template <class T>
inline vec<T> load_head(const T* p) {
    if constexpr (sizeof(T) == 4) return reinterpret_cast<vec<T>>(_mm512_maskz_loadu_ps(0x7FFF, p));
    else return reinterpret_cast<vec<T>>(_mm512_maskz_loadu_pd(0x7F, p));
}

// One group of n taps for K output vectors: the K + 1 input vectors are
// loaded once and every tap's window is shifted out of them in registers.
template <int K, class Fused, class V, int... R>
inline void tap_group(const elem_t<V>* x, const elem_t<V>* t, V (&acc)[K], std::integer_sequence<int, R...>) {
    constexpr int n = static_cast<int>(lanes<elem_t<V>>);
    V w[K + 1];
    for (int k = 0; k < K; ++k) w[k] = load(x + k * n);
    w[K] = load_head(x + K * n);
    const auto step = [&](auto r) {
        constexpr int q = decltype(r)::value;
        const V h = splat<V>(t[q]);
        for (int k = 0; k < K; ++k) acc[k] = madd(h, shifted<q>(w[k], w[k + 1]), acc[k], Fused{});
    };
    (step(std::integral_constant<int, R>{}), ...);
}

// Two groups of n taps (i0 .. i0 + 2n - 1): the window shifted out of
// w[u], w[u + 1] serves output vector u with tap i0 + r and output vector
// u - 1 with tap i0 + n + r.
template <int K, class Fused, class V, int... R>
inline void tap_pair(const elem_t<V>* x, const elem_t<V>* t, V (&acc)[K], std::integer_sequence<int, R...>) {
    constexpr int n = static_cast<int>(lanes<elem_t<V>>);
    V w[K + 2];
    for (int k = 0; k <= K; ++k) w[k] = load(x + k * n);
    w[K + 1] = load_head(x + (K + 1) * n);
    const auto step = [&](auto r) {
        constexpr int q = decltype(r)::value;
        const V h0 = splat<V>(t[q]), h1 = splat<V>(t[n + q]);
        for (int u = 0; u <= K; ++u) {
            const V win = shifted<q>(w[u], w[u + 1]);
            if (u < K) acc[u] = madd(h0, win, acc[u], Fused{});
            if (u > 0) acc[u - 1] = madd(h1, win, acc[u - 1], Fused{});
        }
    };
    (step(std::integral_constant<int, R>{}), ...);
}
#endif

// Zeroes K accumulators one statement each: a loop here is turned into a
// memset of a stack copy, which then keeps the accumulators in memory at the
// start and end of every tile.
template <class V, int K, std::size_t... I>
inline void zero_acc(V (&acc)[K], std::index_sequence<I...>) {
    ((acc[I] = V{}), ...);
}
template <class T, class V, int K, std::size_t... I>
inline void store_acc(T* y, const V (&acc)[K], std::index_sequence<I...>) {
    (store(y + I * lanes<T>, acc[I]), ...);
}

// Real data: K vectors of outputs per tile, each output summed in tap order.
template <int K, class T, class Fused>
inline void tile_real(const T* x, const T* t, int len, T* y) {
    using V = vec<T>;
    constexpr int n = static_cast<int>(lanes<T>);
    V acc[K];
    zero_acc(acc, std::make_index_sequence<K>{});
    int i = 0;
#if defined(__AVX512F__)
    if constexpr (Fused::value)  // two groups share every shifted window (taps summed in pairs of groups)
        for (; i + 2 * n <= len; i += 2 * n) tap_pair<K, Fused>(x + i, t + i, acc, std::make_integer_sequence<int, n>{});
    for (; i + n <= len; i += n) tap_group<K, Fused>(x + i, t + i, acc, std::make_integer_sequence<int, n>{});
#endif
    for (; i < len; ++i) {
        const V h = splat<V>(t[i]);
        for (int k = 0; k < K; ++k) acc[k] = madd(h, load(x + i + k * n), acc[k], Fused{});
    }
    store_acc(y, acc, std::make_index_sequence<K>{});
}

// Output vectors per tile: as many accumulators as the registers hold, so
// that the multiply-add latency is covered.
inline constexpr int kWideTile = kVectorBytes == 64 ? 12 : 8;

template <class T, bool F>
void dot_real(const T* x, const T* t, int len, T* y, int cnt) {
    using Fused = std::bool_constant<F>;
    constexpr int n = static_cast<int>(lanes<T>);
    int j = 0;
    for (; j + kWideTile * n <= cnt; j += kWideTile * n) tile_real<kWideTile, T, Fused>(x + j, t, len, y + j);
    for (; j + 4 * n <= cnt; j += 4 * n) tile_real<4, T, Fused>(x + j, t, len, y + j);
    for (; j + n <= cnt; j += n) tile_real<1, T, Fused>(x + j, t, len, y + j);
    for (; j < cnt; ++j) {
        T s = 0;
        for (int i = 0; i < len; ++i) s = madd1(t[i], x[j + i], s, Fused{});
        y[j] = s;
    }
}

// Real data, taps at offsets: K vectors of outputs per tile.
template <int K, class T, class Fused>
inline void gather_tile(const T* base, const std::int32_t* off, const T* t, int len, T* y) {
    using V = vec<T>;
    constexpr int n = static_cast<int>(lanes<T>);
    V acc[K];
    zero_acc(acc, std::make_index_sequence<K>{});
    for (int q = 0; q < len; ++q) {
        const V h = splat<V>(t[q]);
        const T* x = base + off[q];
        for (int k = 0; k < K; ++k) acc[k] = madd(h, load(x + k * n), acc[k], Fused{});
    }
    store_acc(y, acc, std::make_index_sequence<K>{});
}

template <class T, bool F>
void gather_real(const T* base, const std::int32_t* off, const T* t, int len, T* y, int cnt) {
    using Fused = std::bool_constant<F>;
    constexpr int n = static_cast<int>(lanes<T>);
    int j = 0;
    for (; j + kWideTile * n <= cnt; j += kWideTile * n) gather_tile<kWideTile, T, Fused>(base + j, off, t, len, y + j);
    for (; j + 4 * n <= cnt; j += 4 * n) gather_tile<4, T, Fused>(base + j, off, t, len, y + j);
    for (; j + n <= cnt; j += n) gather_tile<1, T, Fused>(base + j, off, t, len, y + j);
    for (; j < cnt; ++j) {
        T s = 0;
        for (int q = 0; q < len; ++q) s = madd1(t[q], base[off[q] + j], s, Fused{});
        y[j] = s;
    }
}

// dst[i * U + c] = rows[c * stride + i] for i < g, c < U: U row vectors
// become U output vectors through two-source lane permutations (rows 0 and 1
// into one, rows 2 and 3 into another, then the two merged).
template <class T, int U, int V0>
inline vec<T> interleaved(const vec<T> (&r)[4]) {
    using V = vec<T>;
    constexpr std::size_t n = lanes<T>;
    const auto from01 = lane_mask<V>([](std::size_t l) {
        const std::size_t p = V0 * n + l;
        return (p % U & 1) * n + p / U;
    });
    const V t01 = shuffle(r[0], r[1], from01);
    if constexpr (U <= 2) {
        return t01;
    } else {
        const V t23 = shuffle(r[2], r[3], from01);
        const auto pick = lane_mask<V>([](std::size_t l) { return (V0 * n + l) % U >= 2 ? n + l : l; });
        return shuffle(t01, t23, pick);
    }
}

template <class T, int U, int... W>
void interleave_rows(const T* rows, int stride, int g, T* dst, std::integer_sequence<int, W...>) {
    using V = vec<T>;
    constexpr int n = static_cast<int>(lanes<T>);
    int i = 0;
    for (; i + n <= g; i += n) {
        V r[4];
        for (int c = 0; c < 4; ++c) r[c] = load(rows + (c < U ? c : 0) * stride + i);
        (store(dst + i * U + W * n, interleaved<T, U, W>(r)), ...);
    }
    for (; i < g; ++i)
        for (int c = 0; c < U; ++c) dst[i * U + c] = rows[c * stride + i];
}

template <class T>
void interleave_real(const T* rows, int stride, int up, int g, T* dst) {
    switch (up) {
        case 2: interleave_rows<T, 2>(rows, stride, g, dst, std::make_integer_sequence<int, 2>{}); return;
        case 3: interleave_rows<T, 3>(rows, stride, g, dst, std::make_integer_sequence<int, 3>{}); return;
        case 4: interleave_rows<T, 4>(rows, stride, g, dst, std::make_integer_sequence<int, 4>{}); return;
        default:
            for (int i = 0; i < g; ++i)
                for (int c = 0; c < up; ++c) dst[static_cast<std::ptrdiff_t>(i) * up + c] = rows[static_cast<std::ptrdiff_t>(c) * stride + i];
    }
}

// Complex data, interleaved: the real and imaginary parts of the taps are
// accumulated apart (a = sum tr*x, b = sum ti*x) and combined at the end:
// y.re = a.re - b.im, y.im = a.im + b.re.
template <int K, class P, class Fused>
inline void tile_cplx(const P* x, const P* t, int len, P* y) {
    using V = vec<P>;
    constexpr int n = static_cast<int>(lanes<P>);
    V a[K], b[K];
    for (int k = 0; k < K; ++k) a[k] = b[k] = V{};
    for (int i = 0; i < len; ++i) {
        const V hr = splat<V>(t[2 * i]), hi = splat<V>(t[2 * i + 1]);
        for (int k = 0; k < K; ++k) {
            const V v = load(x + 2 * i + k * n);
            a[k] = madd(hr, v, a[k], Fused{});
            b[k] = madd(hi, v, b[k], Fused{});
        }
    }
    for (int k = 0; k < K; ++k) {
        const V s = swap_pairs(b[k]);  // b.im, b.re
        store(y + k * n, even_odd(a[k] - s, a[k] + s));
    }
}

template <class C, bool F>
void dot_cplx(const C* xc, const C* tc, int len, C* yc, int cnt) {
    using P = part_t<C>;
    using Fused = std::bool_constant<F>;
    constexpr int n = static_cast<int>(lanes<P>) / 2;  // complex outputs per vector
    const auto* x = reinterpret_cast<const P*>(xc);
    const auto* t = reinterpret_cast<const P*>(tc);
    auto* y = reinterpret_cast<P*>(yc);
    int j = 0;
    if constexpr (n >= 1) {
        for (; j + 4 * n <= cnt; j += 4 * n) tile_cplx<4, P, Fused>(x + 2 * j, t, len, y + 2 * j);
        for (; j + n <= cnt; j += n) tile_cplx<1, P, Fused>(x + 2 * j, t, len, y + 2 * j);
    }
    for (; j < cnt; ++j) {
        P ar = 0, ai = 0, br = 0, bi = 0;
        for (int i = 0; i < len; ++i) {
            const P xr = x[2 * (j + i)], xi = x[2 * (j + i) + 1];
            ar = madd1(t[2 * i], xr, ar, Fused{});
            ai = madd1(t[2 * i], xi, ai, Fused{});
            br = madd1(t[2 * i + 1], xr, br, Fused{});
            bi = madd1(t[2 * i + 1], xi, bi, Fused{});
        }
        y[2 * j] = ar - bi;
        y[2 * j + 1] = ai + br;
    }
}

// 16-bit samples and taps, 32-bit wrap-around sums (order is immaterial).
void dot_16s(const Zor16s* x, const Zor16s* t, int len, Zor32s* y, int cnt) {
    using V = vec<std::uint32_t>;
    constexpr int n = static_cast<int>(lanes<std::uint32_t>);
    int j = 0;
    for (; j + n <= cnt; j += n) {
        V acc = V{};
        for (int i = 0; i < len; ++i) {
            V v;
            for (int k = 0; k < n; ++k) v[k] = static_cast<std::uint32_t>(std::int32_t{x[j + i + k]});
            acc += v * static_cast<std::uint32_t>(std::int32_t{t[i]});
        }
        for (int k = 0; k < n; ++k) y[j + k] = static_cast<std::int32_t>(acc[k]);
    }
    for (; j < cnt; ++j) {
        std::uint32_t s = 0;
        for (int i = 0; i < len; ++i) s += static_cast<std::uint32_t>(std::int32_t{t[i]} * x[j + i]);
        y[j] = static_cast<std::int32_t>(s);
    }
}

void dot_16sc(const Zor16sc* x, const Zor16sc* t, int len, Zor32sc* y, int cnt) {
    for (int j = 0; j < cnt; ++j) {
        std::uint32_t re = 0, im = 0;
        for (int i = 0; i < len; ++i) {
            const std::int32_t tr = t[i].re, ti = t[i].im, xr = x[j + i].re, xi = x[j + i].im;
            re += static_cast<std::uint32_t>(tr * xr) - static_cast<std::uint32_t>(ti * xi);
            im += static_cast<std::uint32_t>(tr * xi) + static_cast<std::uint32_t>(ti * xr);
        }
        y[j] = Zor32sc{static_cast<std::int32_t>(re), static_cast<std::int32_t>(im)};
    }
}

}  // namespace

extern const FirKernels fir_kernels = {
    {dot_real<float, false>, dot_real<float, true>},
    {dot_real<double, false>, dot_real<double, true>},
    {gather_real<float, false>, gather_real<float, true>},
    {gather_real<double, false>, gather_real<double, true>},
    interleave_real<float>,
    interleave_real<double>,
    {dot_cplx<Zor32fc, false>, dot_cplx<Zor32fc, true>},
    {dot_cplx<Zor64fc, false>, dot_cplx<Zor64fc, true>},
    dot_16s,
    dot_16sc,
};

}  // namespace zors::ZORS_ISA
