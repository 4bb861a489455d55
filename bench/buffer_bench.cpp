// Buffer primitives against the C library's block moves on the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "zors.h"

namespace {

constexpr int kSizes[] = {4096, 4 << 20};

struct Buffers {
    explicit Buffers(int n) : len(n), src(zorsMalloc_32fc(n)), dst(zorsMalloc_32fc(n)) {
        std::memset(src, 1, sizeof(Zor32fc) * n);
        std::memset(dst, 0, sizeof(Zor32fc) * n);
    }
    ~Buffers() { zorsFree(src); zorsFree(dst); }
    int len;
    Zor32fc* src;
    Zor32fc* dst;
};

template <class F>
void run(benchmark::State& state, std::size_t elem_bytes, F&& f) {
    Buffers b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f(b);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * b.len * static_cast<std::int64_t>(elem_bytes));
}

void BM_memcpy_32f(benchmark::State& s) {
    run(s, 4, [](Buffers& b) { std::memcpy(b.dst, b.src, 4 * std::size_t(b.len)); });
}
void BM_Copy_32f(benchmark::State& s) {
    run(s, 4, [](Buffers& b) { zorsCopy_32f(&b.src->re, &b.dst->re, b.len); });
}
void BM_memset_32f(benchmark::State& s) {
    run(s, 4, [](Buffers& b) { std::memset(b.dst, 0x3f, 4 * std::size_t(b.len)); });
}
void BM_Set_32f(benchmark::State& s) {
    run(s, 4, [](Buffers& b) { zorsSet_32f(0.75f, &b.dst->re, b.len); });
}
void BM_Zero_32f(benchmark::State& s) {
    run(s, 4, [](Buffers& b) { zorsZero_32f(&b.dst->re, b.len); });
}
void BM_memcpy_32fc(benchmark::State& s) {
    run(s, 8, [](Buffers& b) { std::memcpy(b.dst, b.src, 8 * std::size_t(b.len)); });
}
void BM_Conj_32fc(benchmark::State& s) {
    run(s, 8, [](Buffers& b) { zorsConj_32fc(b.src, b.dst, b.len); });
}

#define SIZES ->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_memcpy_32f) SIZES;
BENCHMARK(BM_Copy_32f) SIZES;
BENCHMARK(BM_memset_32f) SIZES;
BENCHMARK(BM_Set_32f) SIZES;
BENCHMARK(BM_Zero_32f) SIZES;
BENCHMARK(BM_memcpy_32fc) SIZES;
BENCHMARK(BM_Conj_32fc) SIZES;

}  // namespace

BENCHMARK_MAIN();
