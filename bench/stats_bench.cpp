// Reductions, extrema and sorting against two baselines measured in the same
// run: memcpy of the same number of bytes read (the streaming limit), and a
// plain scalar loop. The scalar loops are compiled without the vectorisers
// (optimize("no-tree-vectorize") below), so they are what a straightforward
// baseline build of the loop gives: one element per step, one dependency
// chain. The sort runs on the same 1M random floats as std::sort.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "zors.h"

namespace {

struct Data {
    explicit Data(int n) : len(n), a(zorsMalloc_32f(n)), b(zorsMalloc_32f(n)), dst(zorsMalloc_32f(2 * n)) {
        std::mt19937 gen(1);
        std::uniform_real_distribution<float> u(-1.0f, 1.0f);
        for (int i = 0; i < n; ++i) { a[i] = u(gen); b[i] = u(gen); }
        std::memset(dst, 0, sizeof(float) * 2 * std::size_t(n));
    }
    ~Data() { zorsFree(a); zorsFree(b); zorsFree(dst); }
    int len;
    Zor32f* a;
    Zor32f* b;
    Zor32f* dst;
};

// Runs f on a vector of state.range(0) floats and reports the bytes read
// per second (`inputs` vectors of len floats).
template <class F>
void run(benchmark::State& state, int inputs, F&& f) {
    Data d(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f(d);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(d.len) * 4 * inputs);
}

__attribute__((noinline, optimize("no-tree-vectorize"))) float scalar_sum(const float* x, int n) {
    float s = 0;
    for (int i = 0; i < n; ++i) s += x[i];
    return s;
}

__attribute__((noinline, optimize("no-tree-vectorize"))) float scalar_dot(const float* x, const float* y, int n) {
    float s = 0;
    for (int i = 0; i < n; ++i) s += x[i] * y[i];
    return s;
}

__attribute__((noinline, optimize("no-tree-vectorize"))) void scalar_minmax(const float* x, int n, float* mn, float* mx) {
    float lo = x[0], hi = x[0];
    for (int i = 1; i < n; ++i) {
        if (x[i] < lo) lo = x[i];
        if (x[i] > hi) hi = x[i];
    }
    *mn = lo;
    *mx = hi;
}

void BM_memcpy_1x(benchmark::State& s) {
    run(s, 1, [](Data& d) { std::memcpy(d.dst, d.a, 4 * std::size_t(d.len)); });
}
void BM_memcpy_2x(benchmark::State& s) {
    run(s, 2, [](Data& d) {
        std::memcpy(d.dst, d.a, 4 * std::size_t(d.len));
        std::memcpy(d.dst + d.len, d.b, 4 * std::size_t(d.len));
    });
}
void BM_Sum_32f_hint_none(benchmark::State& s) {
    run(s, 1, [](Data& d) { zorsSum_32f(d.a, d.len, d.dst, zorAlgHintNone); });
}
void BM_Sum_32f_hint_fast(benchmark::State& s) {
    run(s, 1, [](Data& d) { zorsSum_32f(d.a, d.len, d.dst, zorAlgHintFast); });
}
void BM_scalar_sum(benchmark::State& s) {
    run(s, 1, [](Data& d) { benchmark::DoNotOptimize(scalar_sum(d.a, d.len)); });
}
void BM_DotProd_32f(benchmark::State& s) {
    run(s, 2, [](Data& d) { zorsDotProd_32f(d.a, d.b, d.len, d.dst); });
}
void BM_scalar_dot(benchmark::State& s) {
    run(s, 2, [](Data& d) { benchmark::DoNotOptimize(scalar_dot(d.a, d.b, d.len)); });
}
void BM_MinMax_32f(benchmark::State& s) {
    run(s, 1, [](Data& d) { zorsMinMax_32f(d.a, d.len, d.dst, d.dst + 1); });
}
void BM_scalar_minmax(benchmark::State& s) {
    run(s, 1, [](Data& d) { scalar_minmax(d.a, d.len, d.dst, d.dst + 1); });
}

// Both sorts get a fresh copy of the same random data each iteration; the
// copy is outside the timed region.
template <class F>
void run_sort(benchmark::State& state, F&& sort) {
    const int n = static_cast<int>(state.range(0));
    std::vector<float> data(n), work(n);
    std::mt19937 gen(7);
    std::uniform_real_distribution<float> u(-1e6f, 1e6f);
    for (float& v : data) v = u(gen);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(data.begin(), data.end(), work.begin());
        state.ResumeTiming();
        sort(work.data(), n);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(n));
}
void BM_SortAscend_32f_I(benchmark::State& s) {
    run_sort(s, [](float* p, int n) { zorsSortAscend_32f_I(p, n); });
}
void BM_std_sort(benchmark::State& s) {
    run_sort(s, [](float* p, int n) { std::sort(p, p + n); });
}

}  // namespace

#define STREAM(fn) BENCHMARK(fn)->Arg(4096)->Arg(4 << 20)
STREAM(BM_memcpy_1x);
STREAM(BM_memcpy_2x);
STREAM(BM_Sum_32f_hint_none);
STREAM(BM_Sum_32f_hint_fast);
STREAM(BM_scalar_sum);
STREAM(BM_DotProd_32f);
STREAM(BM_scalar_dot);
STREAM(BM_MinMax_32f);
STREAM(BM_scalar_minmax);
BENCHMARK(BM_SortAscend_32f_I)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_sort)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
