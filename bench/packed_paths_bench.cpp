// The index forms of the extrema, the standard deviation and the scaled
// integer narrowings of Convert against plain scalar loops on the same data,
// in the same process. The scalar loops are compiled with the
// auto-vectoriser switched off for them (optimize("no-tree-vectorize")):
// one element per step, what a straightforward baseline build gives.
// Bytes processed are the bytes read from the source.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "zors.h"

namespace {

#define SCALAR __attribute__((noinline, optimize("no-tree-vectorize")))

SCALAR int scalar_max_indx(const float* x, int n, float* mx) {
    float m = x[0];
    int at = 0;
    for (int i = 1; i < n; ++i)
        if (x[i] > m) {
            m = x[i];
            at = i;
        }
    *mx = m;
    return at;
}

SCALAR int scalar_min_indx_16s(const Zor16s* x, int n, Zor16s* mn) {
    Zor16s m = x[0];
    int at = 0;
    for (int i = 1; i < n; ++i)
        if (x[i] < m) {
            m = x[i];
            at = i;
        }
    *mn = m;
    return at;
}

SCALAR float scalar_std_dev(const float* x, int n) {
    double s1 = 0, s2 = 0;
    for (int i = 0; i < n; ++i) {
        const double v = x[i];
        s1 += v;
        s2 += v * v;
    }
    const double v = (n * s2 - s1 * s1) / (double(n) * (n - 1));
    return static_cast<float>(v < 0 ? 0 : std::sqrt(v));
}

// r * 2^-sf rounded to nearest, ties to even, then saturated (sf > 0).
SCALAR void scalar_32s16s(const Zor32s* s, Zor16s* d, int n, int sf) {
    for (int i = 0; i < n; ++i) {
        const std::int64_t r = s[i];
        const std::int64_t q = r >> sf, rem = r & ((std::int64_t{1} << sf) - 1), half = std::int64_t{1} << (sf - 1);
        std::int64_t v = q + ((rem > half || (rem == half && (q & 1))) ? 1 : 0);
        v = v > 32767 ? 32767 : (v < -32768 ? -32768 : v);
        d[i] = static_cast<Zor16s>(v);
    }
}

SCALAR void scalar_32s24s(const Zor32s* s, Zor8u* d, int n, int sf) {
    for (int i = 0; i < n; ++i) {
        const std::int64_t r = s[i];
        const std::int64_t q = r >> sf, rem = r & ((std::int64_t{1} << sf) - 1), half = std::int64_t{1} << (sf - 1);
        std::int64_t v = q + ((rem > half || (rem == half && (q & 1))) ? 1 : 0);
        v = v > 8388607 ? 8388607 : (v < -8388608 ? -8388608 : v);
        const auto u = static_cast<std::uint32_t>(v);
        d[3 * i] = static_cast<Zor8u>(u);
        d[3 * i + 1] = static_cast<Zor8u>(u >> 8);
        d[3 * i + 2] = static_cast<Zor8u>(u >> 16);
    }
}

struct Data {
    explicit Data(int n) : len(n) {
        f = zorsMalloc_32f(n);
        s16 = zorsMalloc_16s(n);
        s32 = zorsMalloc_32s(n);
        out = zorsMalloc_8u(4 * n);
        std::mt19937 gen(3);
        std::uniform_real_distribution<float> u(-1.0f, 1.0f);
        for (int i = 0; i < n; ++i) {
            f[i] = u(gen);
            s16[i] = static_cast<Zor16s>(gen() | 1);  // never -32768 but at the extreme below
            s32[i] = static_cast<Zor32s>(gen());
        }
        // The extremes near the end, so that the index pass scans the vector.
        f[n - n / 16] = 2.0f;
        s16[n - n / 16] = -32768;
    }
    ~Data() {
        zorsFree(f);
        zorsFree(s16);
        zorsFree(s32);
        zorsFree(out);
    }
    int len;
    Zor32f* f;
    Zor16s* s16;
    Zor32s* s32;
    Zor8u* out;
};

template <class F>
void run(benchmark::State& state, int bytes_per_element, F&& f) {
    Data d(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f(d);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(d.len) * bytes_per_element);
}

void BM_MaxIndx_32f(benchmark::State& s) {
    run(s, 4, [](Data& d) {
        int i;
        zorsMaxIndx_32f(d.f, d.len, reinterpret_cast<Zor32f*>(d.out), &i);
        benchmark::DoNotOptimize(i);
    });
}
void BM_scalar_max_indx_32f(benchmark::State& s) {
    run(s, 4, [](Data& d) { benchmark::DoNotOptimize(scalar_max_indx(d.f, d.len, reinterpret_cast<Zor32f*>(d.out))); });
}
void BM_MinIndx_16s(benchmark::State& s) {
    run(s, 2, [](Data& d) {
        int i;
        zorsMinIndx_16s(d.s16, d.len, reinterpret_cast<Zor16s*>(d.out), &i);
        benchmark::DoNotOptimize(i);
    });
}
void BM_scalar_min_indx_16s(benchmark::State& s) {
    run(s, 2, [](Data& d) { benchmark::DoNotOptimize(scalar_min_indx_16s(d.s16, d.len, reinterpret_cast<Zor16s*>(d.out))); });
}
void BM_StdDev_32f(benchmark::State& s) {
    run(s, 4, [](Data& d) { zorsStdDev_32f(d.f, d.len, reinterpret_cast<Zor32f*>(d.out), zorAlgHintNone); });
}
void BM_scalar_std_dev_32f(benchmark::State& s) {
    run(s, 4, [](Data& d) { benchmark::DoNotOptimize(scalar_std_dev(d.f, d.len)); });
}
void BM_Convert_32s16s_Sfs(benchmark::State& s) {
    run(s, 4, [](Data& d) { zorsConvert_32s16s_Sfs(d.s32, reinterpret_cast<Zor16s*>(d.out), d.len, 12); });
}
void BM_scalar_32s16s(benchmark::State& s) {
    run(s, 4, [](Data& d) { scalar_32s16s(d.s32, reinterpret_cast<Zor16s*>(d.out), d.len, 12); });
}
void BM_Convert_32s24s_Sfs(benchmark::State& s) {
    run(s, 4, [](Data& d) { zorsConvert_32s24s_Sfs(d.s32, d.out, d.len, 4); });
}
void BM_scalar_32s24s(benchmark::State& s) {
    run(s, 4, [](Data& d) { scalar_32s24s(d.s32, d.out, d.len, 4); });
}

}  // namespace

#define SIZES ->Arg(4096)->Arg(1 << 20)
BENCHMARK(BM_MaxIndx_32f) SIZES;
BENCHMARK(BM_scalar_max_indx_32f) SIZES;
BENCHMARK(BM_MinIndx_16s) SIZES;
BENCHMARK(BM_scalar_min_indx_16s) SIZES;
BENCHMARK(BM_StdDev_32f) SIZES;
BENCHMARK(BM_scalar_std_dev_32f) SIZES;
BENCHMARK(BM_Convert_32s16s_Sfs) SIZES;
BENCHMARK(BM_scalar_32s16s) SIZES;
BENCHMARK(BM_Convert_32s24s_Sfs) SIZES;
BENCHMARK(BM_scalar_32s24s) SIZES;

BENCHMARK_MAIN();
