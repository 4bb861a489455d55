// Conversions against two baselines on the same data, in the same process:
// - memcpy of the bytes the conversion reads (the streaming limit), and
// - a plain scalar loop compiled for the baseline level with the
//   auto-vectoriser switched off for that function
//   (__attribute__((optimize("no-tree-vectorize")))), doing the same work
//   per element.
// Bytes processed are the bytes read from the source. The widening 16s32f
// writes twice the bytes it reads, so it also runs against memcpy of the
// bytes it writes (BM_16s32f_memcpy_out, reported per byte read as well).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <xmmintrin.h>

#include "zors.h"

namespace {

constexpr int kSizes[] = {4096, 4 << 20};

#define SCALAR __attribute__((noinline, optimize("no-tree-vectorize")))

// Rounds to nearest in the default rounding mode and saturates, as the
// nearest-mode conversion with factor 1 does.
SCALAR void scalar_32f16s(const float* s, Zor16s* d, int n, float factor) {
    for (int i = 0; i < n; ++i) {
        float y = s[i] * factor;
        y = y < 32767.0f ? y : 32767.0f;
        y = y > -32768.0f ? y : -32768.0f;
        d[i] = static_cast<Zor16s>(_mm_cvtss_si32(_mm_set_ss(y)));
    }
}

SCALAR void scalar_16s32f(const Zor16s* s, float* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = static_cast<float>(s[i]);
}

template <class S, class D>
struct Buffers {
    explicit Buffers(int n) : len(n) {
        src = static_cast<S*>(static_cast<void*>(zorsMalloc_8u(static_cast<int>(sizeof(S)) * n)));
        dst = static_cast<D*>(static_cast<void*>(zorsMalloc_8u(static_cast<int>(sizeof(D)) * n)));
        copy = zorsMalloc_8u(static_cast<int>(sizeof(S) > sizeof(D) ? sizeof(S) : sizeof(D)) * n);
        // Values spread over (and a little beyond) the 16-bit range.
        for (int i = 0; i < n; ++i) src[i] = static_cast<S>(static_cast<double>(std::int64_t{i} * 7919 % 70001 - 35000) / 1.3);
        std::memset(dst, 0, sizeof(D) * n);
        std::memset(copy, 0, (sizeof(S) > sizeof(D) ? sizeof(S) : sizeof(D)) * n);
    }
    ~Buffers() {
        zorsFree(src);
        zorsFree(dst);
        zorsFree(copy);
    }
    int len;
    S* src;
    D* dst;
    std::uint8_t* copy;
};

template <class S, class D, class F>
void run(benchmark::State& state, F&& f) {
    Buffers<S, D> b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f(b);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * b.len * static_cast<std::int64_t>(sizeof(S)));
}

using F2S = Buffers<float, Zor16s>;
using S2F = Buffers<Zor16s, float>;

void BM_32f16s_memcpy(benchmark::State& s) {
    run<float, Zor16s>(s, [](F2S& b) { std::memcpy(b.copy, b.src, sizeof(float) * b.len); });
}
void BM_32f16s_scalar(benchmark::State& s) {
    run<float, Zor16s>(s, [](F2S& b) { scalar_32f16s(b.src, b.dst, b.len, 1.0f); });
}
void BM_Convert_32f16s_Sfs(benchmark::State& s) {
    run<float, Zor16s>(s, [](F2S& b) { zorsConvert_32f16s_Sfs(b.src, b.dst, b.len, zorRndNear, 0); });
}

void BM_16s32f_memcpy(benchmark::State& s) {
    run<Zor16s, float>(s, [](S2F& b) { std::memcpy(b.copy, b.src, sizeof(Zor16s) * b.len); });
}
void BM_16s32f_memcpy_out(benchmark::State& s) {
    run<Zor16s, float>(s, [](S2F& b) { std::memcpy(b.copy, b.dst, sizeof(float) * b.len); });
}
void BM_16s32f_scalar(benchmark::State& s) {
    run<Zor16s, float>(s, [](S2F& b) { scalar_16s32f(b.src, b.dst, b.len); });
}
void BM_Convert_16s32f(benchmark::State& s) {
    run<Zor16s, float>(s, [](S2F& b) { zorsConvert_16s32f(b.src, b.dst, b.len); });
}

#define SIZES ->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_32f16s_memcpy) SIZES;
BENCHMARK(BM_32f16s_scalar) SIZES;
BENCHMARK(BM_Convert_32f16s_Sfs) SIZES;
BENCHMARK(BM_16s32f_memcpy) SIZES;
BENCHMARK(BM_16s32f_memcpy_out) SIZES;
BENCHMARK(BM_16s32f_scalar) SIZES;
BENCHMARK(BM_Convert_16s32f) SIZES;

}  // namespace

BENCHMARK_MAIN();
