// Elementary functions, windows and tones against baselines in the same run,
// all on 4096 elements:
//  - zorsExp/Ln/Arctan (32f, 64f) against a scalar loop of the C library's
//    functions (kept scalar with no-tree-vectorize) and, when SLEEF is
//    installed, its vectorised 1-ulp functions of the widest level this
//    processor runs (AVX-512, else AVX2). Each zors benchmark also reports
//    its maximum error in ulps over the benchmark's inputs (max_ulp),
//    measured against long double.
//  - zorsWinHann_32f and zorsTone_Direct_32f against a loop that calls cosf
//    for every element.
// Figures are elements per second; compare ratios within one run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "zors.h"

#if defined(ZORS_BENCH_SLEEF)
#include <immintrin.h>
#include <sleef.h>
// The header declares a level's functions only when compiled for it; these
// are called from functions compiled for their level.
extern "C" {
__m512 Sleef_expf16_u10avx512f(__m512);
__m512 Sleef_logf16_u10avx512f(__m512);
__m512 Sleef_atanf16_u10avx512f(__m512);
__m512d Sleef_expd8_u10avx512f(__m512d);
__m512d Sleef_logd8_u10avx512f(__m512d);
__m256 Sleef_expf8_u10avx2(__m256);
__m256 Sleef_logf8_u10avx2(__m256);
__m256 Sleef_atanf8_u10avx2(__m256);
__m256d Sleef_expd4_u10avx2(__m256d);
__m256d Sleef_logd4_u10avx2(__m256d);
}
#endif

namespace {

constexpr int kLen = 4096;

template <class T>
std::vector<T> inputs(int kind) {
    std::vector<T> v(kLen);
    for (int i = 0; i < kLen; ++i) {
        const double u = (i * 0.6180339887498949) - std::floor(i * 0.6180339887498949);  // spread over [0, 1)
        switch (kind) {
        case 0: v[i] = static_cast<T>(sizeof(T) == 4 ? -87 + 175 * u : -700 + 1400 * u); break;   // exp
        case 1: v[i] = static_cast<T>(std::ldexp(1 + u, static_cast<int>(i % 200) - 100)); break;  // ln
        default: v[i] = static_cast<T>(-10 + 20 * u); break;                                      // atan
        }
    }
    return v;
}

template <class T>
double ulp_of(T got, long double ref) {
    const int e = std::ilogb(static_cast<T>(ref));
    const long double u = std::ldexp(1.0L, e - (sizeof(T) == 4 ? 23 : 52));
    return static_cast<double>(std::fabs(static_cast<long double>(got) - ref) / u);
}

long double ref_of(int kind, long double x) { return kind == 0 ? std::exp(x) : (kind == 1 ? std::log(x) : std::atan(x)); }

template <class T>
void zors_fn(benchmark::State& state, ZorStatus (*f)(const T*, T*, int), int kind) {
    const std::vector<T> x = inputs<T>(kind);
    std::vector<T> y(kLen);
    f(x.data(), y.data(), kLen);
    double worst = 0;
    for (int i = 0; i < kLen; ++i) worst = std::fmax(worst, ulp_of(y[i], ref_of(kind, x[i])));
    for (auto _ : state) {
        f(x.data(), y.data(), kLen);
        benchmark::ClobberMemory();
    }
    state.counters["max_ulp"] = worst;
    state.SetItemsProcessed(state.iterations() * kLen);
}

template <class T, class F>
__attribute__((optimize("no-tree-vectorize"))) void scalar_loop(benchmark::State& state, F f, int kind) {
    const std::vector<T> x = inputs<T>(kind);
    std::vector<T> y(kLen);
    for (auto _ : state) {
        for (int i = 0; i < kLen; ++i) y[i] = f(x[i]);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}

#define ZORS_BENCH(name, T, fn, kind)                                                                       \
    void BM_##name##_zors(benchmark::State& s) { zors_fn<T>(s, fn, kind); }                               \
    void BM_##name##_libm(benchmark::State& s) { scalar_loop<T>(s, [](T v) { return libm_##name(v); }, kind); } \
    BENCHMARK(BM_##name##_zors);                                                                          \
    BENCHMARK(BM_##name##_libm);

float libm_Exp_32f(float v) { return expf(v); }
float libm_Ln_32f(float v) { return logf(v); }
float libm_Arctan_32f(float v) { return atanf(v); }
double libm_Exp_64f(double v) { return exp(v); }
double libm_Ln_64f(double v) { return log(v); }

ZORS_BENCH(Exp_32f, float, zorsExp_32f, 0)
ZORS_BENCH(Ln_32f, float, zorsLn_32f, 1)
ZORS_BENCH(Arctan_32f, float, zorsArctan_32f, 2)
ZORS_BENCH(Exp_64f, double, zorsExp_64f, 0)
ZORS_BENCH(Ln_64f, double, zorsLn_64f, 1)

#if defined(ZORS_BENCH_SLEEF)
// The widest SLEEF level: whole vectors of the 4096 elements.
template <class T, int W, class F>
void sleef_loop(benchmark::State& state, F f, int kind) {
    const std::vector<T> x = inputs<T>(kind);
    std::vector<T> y(kLen);
    for (auto _ : state) {
        for (int i = 0; i < kLen; i += W) f(x.data() + i, y.data() + i);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}

#define SLEEF_512(name, T, W, fn, kind, load, store)                                                              \
    __attribute__((target("avx512f"))) void sleef512_##name(const T* a, T* b) { store(b, fn(load(a))); }       \
    void BM_##name##_sleef512(benchmark::State& s) { sleef_loop<T, W>(s, sleef512_##name, kind); }
#define SLEEF_256(name, T, W, fn, kind, load, store)                                                              \
    __attribute__((target("avx2,fma"))) void sleef256_##name(const T* a, T* b) { store(b, fn(load(a))); }      \
    void BM_##name##_sleef256(benchmark::State& s) { sleef_loop<T, W>(s, sleef256_##name, kind); }

SLEEF_512(Exp_32f, float, 16, Sleef_expf16_u10avx512f, 0, _mm512_loadu_ps, _mm512_storeu_ps)
SLEEF_512(Ln_32f, float, 16, Sleef_logf16_u10avx512f, 1, _mm512_loadu_ps, _mm512_storeu_ps)
SLEEF_512(Arctan_32f, float, 16, Sleef_atanf16_u10avx512f, 2, _mm512_loadu_ps, _mm512_storeu_ps)
SLEEF_512(Exp_64f, double, 8, Sleef_expd8_u10avx512f, 0, _mm512_loadu_pd, _mm512_storeu_pd)
SLEEF_512(Ln_64f, double, 8, Sleef_logd8_u10avx512f, 1, _mm512_loadu_pd, _mm512_storeu_pd)
SLEEF_256(Exp_32f, float, 8, Sleef_expf8_u10avx2, 0, _mm256_loadu_ps, _mm256_storeu_ps)
SLEEF_256(Ln_32f, float, 8, Sleef_logf8_u10avx2, 1, _mm256_loadu_ps, _mm256_storeu_ps)
SLEEF_256(Arctan_32f, float, 8, Sleef_atanf8_u10avx2, 2, _mm256_loadu_ps, _mm256_storeu_ps)
SLEEF_256(Exp_64f, double, 4, Sleef_expd4_u10avx2, 0, _mm256_loadu_pd, _mm256_storeu_pd)
SLEEF_256(Ln_64f, double, 4, Sleef_logd4_u10avx2, 1, _mm256_loadu_pd, _mm256_storeu_pd)

// Registers the SLEEF benchmarks of the widest level the processor runs.
const bool sleef_registered = [] {
    const bool w512 = __builtin_cpu_supports("avx512f");
    if (!w512 && !__builtin_cpu_supports("avx2")) return false;
#define REG(name) benchmark::RegisterBenchmark(w512 ? "BM_" #name "_sleef512" : "BM_" #name "_sleef256", w512 ? BM_##name##_sleef512 : BM_##name##_sleef256)
    REG(Exp_32f); REG(Ln_32f); REG(Arctan_32f); REG(Exp_64f); REG(Ln_64f);
#undef REG
    return true;
}();
#endif

// Windows and tones against cosf per element.
void BM_WinHann_32f_zors(benchmark::State& state) {
    std::vector<float> x(kLen, 1.5f), y(kLen);
    for (auto _ : state) {
        zorsWinHann_32f(x.data(), y.data(), kLen);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}
__attribute__((optimize("no-tree-vectorize"))) void BM_WinHann_32f_cosf(benchmark::State& state) {
    std::vector<float> x(kLen, 1.5f), y(kLen);
    const float step = 6.2831855f / (kLen - 1);
    for (auto _ : state) {
        for (int n = 0; n < kLen; ++n) y[n] = x[n] * (0.5f - 0.5f * cosf(step * static_cast<float>(n)));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}
void tone_32f(benchmark::State& state, ZorHintAlgorithm hint) {
    std::vector<float> y(kLen);
    for (auto _ : state) {
        float phase = 0.5f;
        zorsTone_Direct_32f(y.data(), kLen, 1.0f, 0.0123f, &phase, hint);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}
void BM_Tone_32f_zors(benchmark::State& state) { tone_32f(state, zorAlgHintNone); }
void BM_Tone_32f_zors_fast(benchmark::State& state) { tone_32f(state, zorAlgHintFast); }
__attribute__((optimize("no-tree-vectorize"))) void BM_Tone_32f_cosf(benchmark::State& state) {
    std::vector<float> y(kLen);
    const float w = 6.2831855f * 0.0123f;
    for (auto _ : state) {
        for (int n = 0; n < kLen; ++n) y[n] = cosf(w * static_cast<float>(n) + 0.5f);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kLen);
}
BENCHMARK(BM_WinHann_32f_zors);
BENCHMARK(BM_WinHann_32f_cosf);
BENCHMARK(BM_Tone_32f_zors);
BENCHMARK(BM_Tone_32f_zors_fast);
BENCHMARK(BM_Tone_32f_cosf);

}  // namespace

BENCHMARK_MAIN();
