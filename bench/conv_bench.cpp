// Convolution and median filter: zorsConv_32f at 4096x64, 65536x1024 and
// 1048576x4096 (one and two threads) next to an FFTW overlap-add (r2c/c2r
// plans made outside the timing, transform length 4x the shorter input
// rounded up to a power of two) when FFTW is installed, and a plain direct
// loop at 4096x64; zorsFilterMedian_32f with masks 3, 9 and 31 on 1048576
// samples next to a per-output std::nth_element loop.
#include <benchmark/benchmark.h>
#include <omp.h>

#include <algorithm>
#include <complex>
#include <cstring>
#include <vector>

#include "zors.h"
#ifdef ZORS_BENCH_FFTW
#include <fftw3.h>
#endif

namespace {

std::vector<float> signal(std::size_t n, unsigned seed) {
    std::vector<float> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<float>((i * 7919 + seed * 104729) % 1000) / 1000.0f - 0.5f;
    return v;
}

void BM_zorsConv(benchmark::State& s) {
    const int la = static_cast<int>(s.range(0)), lb = static_cast<int>(s.range(1)), threads = static_cast<int>(s.range(2));
    auto a = signal(la, 1), b = signal(lb, 2);
    std::vector<float> y(la + lb - 1);
    const int saved = omp_get_max_threads();
    omp_set_num_threads(threads);
    for (auto _ : s) {
        zorsConv_32f(a.data(), la, b.data(), lb, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    omp_set_num_threads(saved);
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * (la + lb - 1));
}
// This machine's own ceiling for two threads: two independent one-thread
// convolutions at once, each on its own data (items count both). Two
// threads sharing one convolution cannot run faster than this rate.
void BM_zorsConvPair(benchmark::State& s) {
    const int la = static_cast<int>(s.range(0)), lb = static_cast<int>(s.range(1));
    std::vector<float> a[2] = {signal(la, 1), signal(la, 3)}, b[2] = {signal(lb, 2), signal(lb, 4)};
    std::vector<float> y[2] = {std::vector<float>(la + lb - 1), std::vector<float>(la + lb - 1)};
    for (auto _ : s) {
#pragma omp parallel num_threads(2)
        {
            const int t = omp_get_thread_num();
            zorsConv_32f(a[t].data(), la, b[t].data(), lb, y[t].data());  // nested: one thread each
        }
        benchmark::DoNotOptimize(y[0].data());
        benchmark::DoNotOptimize(y[1].data());
    }
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * 2 * (la + lb - 1));
}

BENCHMARK(BM_zorsConv)->Args({4096, 64, 1})->Args({65536, 1024, 1})->Args({1048576, 4096, 1})->Args({1048576, 4096, 2})->Unit(benchmark::kMicrosecond);

void BM_directConv(benchmark::State& s) {
    const int la = static_cast<int>(s.range(0)), lb = static_cast<int>(s.range(1));
    auto a = signal(la, 1), b = signal(lb, 2);
    std::vector<float> y(la + lb - 1);
    for (auto _ : s) {
        std::fill(y.begin(), y.end(), 0.0f);
        for (int i = 0; i < la; ++i)
            for (int j = 0; j < lb; ++j) y[i + j] += a[i] * b[j];
        benchmark::DoNotOptimize(y.data());
    }
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * (la + lb - 1));
}
BENCHMARK(BM_zorsConvPair)->Args({1048576, 4096})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_directConv)->Args({4096, 64})->Unit(benchmark::kMicrosecond);

#ifdef ZORS_BENCH_FFTW
void BM_fftwOverlapAdd(benchmark::State& s) {
    const int la = static_cast<int>(s.range(0)), lb = static_cast<int>(s.range(1));
    int n = 1;
    while (n < 4 * lb) n *= 2;
    const int step = n - lb + 1;
    auto a = signal(la, 1), b = signal(lb, 2);
    std::vector<float> y(la + lb - 1);
    float* buf = fftwf_alloc_real(n);
    fftwf_complex* spec = fftwf_alloc_complex(n / 2 + 1);
    fftwf_complex* hs = fftwf_alloc_complex(n / 2 + 1);
    fftwf_plan fwd = fftwf_plan_dft_r2c_1d(n, buf, spec, FFTW_MEASURE);
    fftwf_plan inv = fftwf_plan_dft_c2r_1d(n, spec, buf, FFTW_MEASURE);
    std::fill(buf, buf + n, 0.0f);
    std::copy(b.begin(), b.end(), buf);
    fftwf_execute(fwd);
    for (int k = 0; k <= n / 2; ++k) {
        hs[k][0] = spec[k][0] / n;
        hs[k][1] = spec[k][1] / n;
    }
    const int total = la + lb - 1;
    for (auto _ : s) {
        std::fill(y.begin(), y.end(), 0.0f);
        for (int pos = 0; pos < la; pos += step) {
            const int cnt = std::min(step, la - pos);
            std::copy(a.begin() + pos, a.begin() + pos + cnt, buf);
            std::fill(buf + cnt, buf + n, 0.0f);
            fftwf_execute(fwd);
            for (int k = 0; k <= n / 2; ++k) {
                const float re = spec[k][0] * hs[k][0] - spec[k][1] * hs[k][1];
                const float im = spec[k][0] * hs[k][1] + spec[k][1] * hs[k][0];
                spec[k][0] = re;
                spec[k][1] = im;
            }
            fftwf_execute(inv);
            const int out = std::min(n, total - pos);
            for (int i = 0; i < out; ++i) y[pos + i] += buf[i];
        }
        benchmark::DoNotOptimize(y.data());
    }
    fftwf_destroy_plan(fwd);
    fftwf_destroy_plan(inv);
    fftwf_free(buf);
    fftwf_free(spec);
    fftwf_free(hs);
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * total);
}
BENCHMARK(BM_fftwOverlapAdd)->Args({4096, 64})->Args({65536, 1024})->Args({1048576, 4096})->Unit(benchmark::kMicrosecond);
#endif

constexpr int kMedianLen = 1 << 20;

void BM_zorsMedian(benchmark::State& s) {
    const int mask = static_cast<int>(s.range(0));
    auto x = signal(kMedianLen, 3);
    std::vector<float> y(kMedianLen);
    for (auto _ : s) {
        zorsFilterMedian_32f(x.data(), y.data(), kMedianLen, mask);
        benchmark::DoNotOptimize(y.data());
    }
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * kMedianLen);
}
BENCHMARK(BM_zorsMedian)->Arg(3)->Arg(9)->Arg(31)->Unit(benchmark::kMicrosecond);

void BM_nthElementMedian(benchmark::State& s) {
    const int mask = static_cast<int>(s.range(0)), h = mask / 2;
    auto x = signal(kMedianLen, 3);
    std::vector<float> y(kMedianLen), w(mask);
    for (auto _ : s) {
        for (int i = 0; i < kMedianLen; ++i) {
            for (int k = 0; k < mask; ++k) w[k] = x[std::clamp(i - h + k, 0, kMedianLen - 1)];
            std::nth_element(w.begin(), w.begin() + h, w.end());
            y[i] = w[h];
        }
        benchmark::DoNotOptimize(y.data());
    }
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * kMedianLen);
}
BENCHMARK(BM_nthElementMedian)->Arg(3)->Arg(9)->Arg(31)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
