// IIR filtering: zorsIIR_32f and zorsIIR_64f on a cascade of four biquads
// and on one order-8 filter (the same transfer function), against a plain
// transposed-direct-form-II loop measured in the same run, and against
// liquid-dsp's iirfilt_rrrf when it was found at build time.
//
// Each benchmark filters the same block again and again through a state
// that carries its delay line from call to call, as a stream would. Report
// ratios from the minimum of several repetitions: the machines are shared.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "zors.h"

#if defined(ZORS_BENCH_LIQUID)
#include <complex.h>
#include <liquid/liquid.h>
#endif

namespace {

constexpr int kSections = 4;
constexpr int kOrder = 2 * kSections;

// Four stable sections b0, b1, b2, a0, a1, a2 (a low-pass shape).
const double kBiquads[kSections][6] = {
    {0.0201, 0.0402, 0.0201, 1.0, -1.5610, 0.6414},
    {0.0300, 0.0600, 0.0300, 1.0, -1.4590, 0.5790},
    {0.0450, 0.0900, 0.0450, 1.0, -1.3490, 0.5290},
    {0.0600, 0.1200, 0.0600, 1.0, -1.2970, 0.4990},
};

// The order-8 filter: the product of the four sections.
void order8(std::vector<double>& b, std::vector<double>& a) {
    b.assign(1, 1.0);
    a.assign(1, 1.0);
    for (const auto& s : kBiquads) {
        std::vector<double> nb(b.size() + 2, 0.0), na(a.size() + 2, 0.0);
        for (std::size_t i = 0; i < b.size(); ++i)
            for (int k = 0; k < 3; ++k) {
                nb[i + k] += b[i] * s[k];
                na[i + k] += a[i] * s[3 + k];
            }
        b = nb;
        a = na;
    }
}

template <class T>
std::vector<T> input(int n) {
    std::mt19937 g(7);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<T> x(n);
    for (auto& v : x) v = static_cast<T>(u(g));
    return x;
}

// The plain loops: one sample after another, the delay line in a local array.
template <class T>
__attribute__((noinline)) void plain_cascade(const T* c, T* dly, int nbq, const T* x, T* y, int n) {
    T d[2 * kSections];
    std::memcpy(d, dly, sizeof(T) * 2 * nbq);
    for (int i = 0; i < n; ++i) {
        T v = x[i];
        for (int s = 0; s < nbq; ++s) {
            const T* q = c + 5 * s;
            const T o = q[0] * v + d[2 * s];
            d[2 * s] = q[1] * v + d[2 * s + 1] - q[3] * o;
            d[2 * s + 1] = q[2] * v - q[4] * o;
            v = o;
        }
        y[i] = v;
    }
    std::memcpy(dly, d, sizeof(T) * 2 * nbq);
}

template <class T>
__attribute__((noinline)) void plain_direct(const T* b, const T* a, T* dly, int N, const T* x, T* y, int n) {
    T d[kOrder + 1];
    std::memcpy(d, dly, sizeof(T) * N);
    for (int i = 0; i < n; ++i) {
        const T v = x[i];
        const T o = b[0] * v + d[0];
        for (int k = 1; k < N; ++k) d[k - 1] = b[k] * v - a[k] * o + d[k];
        d[N - 1] = b[N] * v - a[N] * o;
        y[i] = o;
    }
    std::memcpy(dly, d, sizeof(T) * N);
}

void report(benchmark::State& state, int n) {
    state.SetItemsProcessed(state.iterations() * std::int64_t(n));
}

// zors ----------------------------------------------------------------------

template <class T, class S, class Init, class Filter, class Free>
void zors_biquad(benchmark::State& state, Init init, Filter filter, Free release) {
    const int n = static_cast<int>(state.range(0));
    std::vector<T> taps;
    for (const auto& s : kBiquads) taps.insert(taps.end(), s, s + 6);
    S* st = nullptr;
    init(&st, taps.data(), kSections, nullptr);
    auto x = input<T>(n);
    std::vector<T> y(n);
    for (auto _ : state) {
        filter(x.data(), y.data(), n, st);
        benchmark::DoNotOptimize(y.data());
    }
    release(st);
    report(state, n);
}
void zors_biquad_32f(benchmark::State& s) {
    zors_biquad<Zor32f, ZorsIIRState_32f>(s, zorsIIRInitAlloc_BiQuad_32f, zorsIIR_32f, zorsIIRFree_32f);
}
void zors_biquad_64f(benchmark::State& s) {
    zors_biquad<Zor64f, ZorsIIRState_64f>(s, zorsIIRInitAlloc_BiQuad_64f, zorsIIR_64f, zorsIIRFree_64f);
}

template <class T, class S, class Init, class Filter, class Free>
void zors_order8(benchmark::State& state, Init init, Filter filter, Free release) {
    const int n = static_cast<int>(state.range(0));
    std::vector<double> b, a;
    order8(b, a);
    std::vector<T> taps(b.begin(), b.end());
    taps.insert(taps.end(), a.begin(), a.end());
    S* st = nullptr;
    init(&st, taps.data(), kOrder, nullptr);
    auto x = input<T>(n);
    std::vector<T> y(n);
    for (auto _ : state) {
        filter(x.data(), y.data(), n, st);
        benchmark::DoNotOptimize(y.data());
    }
    release(st);
    report(state, n);
}
void zors_order8_32f(benchmark::State& s) {
    zors_order8<Zor32f, ZorsIIRState_32f>(s, zorsIIRInitAlloc_32f, zorsIIR_32f, zorsIIRFree_32f);
}
void zors_order8_64f(benchmark::State& s) {
    zors_order8<Zor64f, ZorsIIRState_64f>(s, zorsIIRInitAlloc_64f, zorsIIR_64f, zorsIIRFree_64f);
}

// Plain loops ---------------------------------------------------------------

template <class T>
void plain_biquad(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<T> c;
    for (const auto& s : kBiquads) {
        const T q[5] = {T(s[0] / s[3]), T(s[1] / s[3]), T(s[2] / s[3]), T(s[4] / s[3]), T(s[5] / s[3])};
        c.insert(c.end(), q, q + 5);
    }
    std::vector<T> d(2 * kSections, T(0));
    auto x = input<T>(n);
    std::vector<T> y(n);
    for (auto _ : state) {
        plain_cascade(c.data(), d.data(), kSections, x.data(), y.data(), n);
        benchmark::DoNotOptimize(y.data());
    }
    report(state, n);
}

template <class T>
void plain_order8(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<double> bd, ad;
    order8(bd, ad);
    std::vector<T> b(bd.begin(), bd.end()), a(ad.begin(), ad.end()), d(kOrder, T(0));
    auto x = input<T>(n);
    std::vector<T> y(n);
    for (auto _ : state) {
        plain_direct(b.data(), a.data(), d.data(), kOrder, x.data(), y.data(), n);
        benchmark::DoNotOptimize(y.data());
    }
    report(state, n);
}

// liquid-dsp ----------------------------------------------------------------

#if defined(ZORS_BENCH_LIQUID)
void liquid_biquad(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    float B[3 * kSections], A[3 * kSections];
    for (int s = 0; s < kSections; ++s)
        for (int k = 0; k < 3; ++k) {
            B[3 * s + k] = static_cast<float>(kBiquads[s][k]);
            A[3 * s + k] = static_cast<float>(kBiquads[s][3 + k]);
        }
    iirfilt_rrrf q = iirfilt_rrrf_create_sos(B, A, kSections);
    auto x = input<float>(n);
    std::vector<float> y(n);
    for (auto _ : state) {
        iirfilt_rrrf_execute_block(q, x.data(), static_cast<unsigned>(n), y.data());
        benchmark::DoNotOptimize(y.data());
    }
    iirfilt_rrrf_destroy(q);
    report(state, n);
}

void liquid_order8(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<double> bd, ad;
    order8(bd, ad);
    std::vector<float> b(bd.begin(), bd.end()), a(ad.begin(), ad.end());
    iirfilt_rrrf q = iirfilt_rrrf_create(b.data(), kOrder + 1, a.data(), kOrder + 1);
    auto x = input<float>(n);
    std::vector<float> y(n);
    for (auto _ : state) {
        iirfilt_rrrf_execute_block(q, x.data(), static_cast<unsigned>(n), y.data());
        benchmark::DoNotOptimize(y.data());
    }
    iirfilt_rrrf_destroy(q);
    report(state, n);
}
#endif

// Each zors benchmark is followed by its baselines, so that the compared
// runs are close in time.
#define SIZES ->Arg(4096)->Arg(65536)
BENCHMARK(zors_biquad_32f) SIZES;
BENCHMARK(plain_biquad<float>) SIZES;
#if defined(ZORS_BENCH_LIQUID)
BENCHMARK(liquid_biquad) SIZES;
#endif
BENCHMARK(zors_order8_32f) SIZES;
BENCHMARK(plain_order8<float>) SIZES;
#if defined(ZORS_BENCH_LIQUID)
BENCHMARK(liquid_order8) SIZES;
#endif
BENCHMARK(zors_biquad_64f) SIZES;
BENCHMARK(plain_biquad<double>) SIZES;
BENCHMARK(zors_order8_64f) SIZES;
BENCHMARK(plain_order8<double>) SIZES;

}  // namespace

BENCHMARK_MAIN();
