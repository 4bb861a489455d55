// Element-wise arithmetic and logic against baselines in the same run. An
// operation's byte count is its sources read plus its destination written.
//  - memcpy of that many bytes (BM_x_memcpy);
//  - memcpy of half that many bytes (BM_x_memcpy_traffic), which reads and
//    writes exactly as many bytes as the operation: the stricter bound of
//    what memory delivers at 4M elements;
//  - the same operation as a plain scalar loop compiled for the baseline
//    (SSE2 scalar instructions), kept scalar with
//    __attribute__((optimize("no-tree-vectorize"))), at 4K elements, which
//    shows the wide paths at work.
// Every figure is bytes per second over the same byte count.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <emmintrin.h>

#include "zors.h"

namespace {

constexpr int kSizes[] = {4096, 4 << 20};

// Three buffers of n elements of up to 24 bytes each (the largest memcpy), with values that keep
// every path (no shortcut) busy.
struct Buffers {
    explicit Buffers(int n) : len(n), a(zorsMalloc_8u(24 * n)), b(zorsMalloc_8u(24 * n)), d(zorsMalloc_8u(24 * n)) {
        for (int i = 0; i < 24 * n; ++i) {
            a[i] = static_cast<Zor8u>(i * 7 + 3);
            b[i] = static_cast<Zor8u>(i * 13 + 1);
        }
        // Moderate finite floats in the float views.
        auto* fa = reinterpret_cast<float*>(a);
        auto* fb = reinterpret_cast<float*>(b);
        for (int i = 0; i < 2 * n; ++i) {
            fa[i] = static_cast<float>(i % 1000) * 0.25f - 100.0f;
            fb[i] = static_cast<float>(i % 777) * 0.5f + 1.0f;
        }
        std::memset(d, 0, 24 * static_cast<std::size_t>(n));
    }
    ~Buffers() {
        zorsFree(a);
        zorsFree(b);
        zorsFree(d);
    }
    template <class T> const T* src1() const { return reinterpret_cast<const T*>(a); }
    template <class T> const T* src2() const { return reinterpret_cast<const T*>(b); }
    template <class T> T* dst() const { return reinterpret_cast<T*>(d); }
    int len;
    Zor8u *a, *b, *d;
};

// bytes: bytes read plus bytes written per element.
template <class F>
void run(benchmark::State& state, std::size_t bytes, F&& f) {
    Buffers buf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f(buf);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * buf.len * static_cast<std::int64_t>(bytes));
}

// memcpy of `halves` / 2 bytes per element, counted as `bytes` per element.
void memcpy_bytes(benchmark::State& s, std::size_t bytes, std::size_t halves) {
    run(s, bytes, [halves](Buffers& b) { std::memcpy(b.d, b.a, halves * static_cast<std::size_t>(b.len) / 2); });
}

// The scalar loops of the baseline.
#define SCALAR __attribute__((noinline, optimize("no-tree-vectorize")))

SCALAR void scalar_add_32f(const float* a, const float* b, float* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = a[i] + b[i];
}
SCALAR void scalar_mul_32fc(const Zor32fc* a, const Zor32fc* b, Zor32fc* d, int n) {
    for (int i = 0; i < n; ++i)
        d[i] = Zor32fc{a[i].re * b[i].re - a[i].im * b[i].im, a[i].re * b[i].im + a[i].im * b[i].re};
}
SCALAR void scalar_add_16s_sfs1(const Zor16s* a, const Zor16s* b, Zor16s* d, int n) {
    for (int i = 0; i < n; ++i) {
        const int r = a[i] + b[i];
        d[i] = static_cast<Zor16s>((r + ((r >> 1) & 1)) >> 1);
    }
}
SCALAR void scalar_mulc_32f16s(const float* a, float v, Zor16s* d, int n) {
    for (int i = 0; i < n; ++i) {
        float p = a[i] * v;
        p = !(p <= 32767.0f) ? 32767.0f : (p < -32768.0f ? -32768.0f : p);
        d[i] = static_cast<Zor16s>(_mm_cvtss_si32(_mm_set_ss(p)));
    }
}
SCALAR void scalar_and_8u(const Zor8u* a, const Zor8u* b, Zor8u* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = static_cast<Zor8u>(a[i] & b[i]);
}

// Add_32f: 4 + 4 read, 4 written.
void BM_Add_32f(benchmark::State& s) { run(s, 12, [](Buffers& b) { zorsAdd_32f(b.src1<float>(), b.src2<float>(), b.dst<float>(), b.len); }); }
void BM_Add_32f_scalar(benchmark::State& s) { run(s, 12, [](Buffers& b) { scalar_add_32f(b.src1<float>(), b.src2<float>(), b.dst<float>(), b.len); }); }
void BM_Add_32f_memcpy(benchmark::State& s) { memcpy_bytes(s, 12, 24); }
void BM_Add_32f_memcpy_traffic(benchmark::State& s) { memcpy_bytes(s, 12, 12); }

// Mul_32fc: 8 + 8 read, 8 written.
void BM_Mul_32fc(benchmark::State& s) { run(s, 24, [](Buffers& b) { zorsMul_32fc(b.src1<Zor32fc>(), b.src2<Zor32fc>(), b.dst<Zor32fc>(), b.len); }); }
void BM_Mul_32fc_scalar(benchmark::State& s) { run(s, 24, [](Buffers& b) { scalar_mul_32fc(b.src1<Zor32fc>(), b.src2<Zor32fc>(), b.dst<Zor32fc>(), b.len); }); }
void BM_Mul_32fc_memcpy(benchmark::State& s) { memcpy_bytes(s, 24, 48); }
void BM_Mul_32fc_memcpy_traffic(benchmark::State& s) { memcpy_bytes(s, 24, 24); }

// Add_16s_Sfs, factor 1: 2 + 2 read, 2 written.
void BM_Add_16s_Sfs1(benchmark::State& s) { run(s, 6, [](Buffers& b) { zorsAdd_16s_Sfs(b.src1<Zor16s>(), b.src2<Zor16s>(), b.dst<Zor16s>(), b.len, 1); }); }
void BM_Add_16s_Sfs1_scalar(benchmark::State& s) { run(s, 6, [](Buffers& b) { scalar_add_16s_sfs1(b.src1<Zor16s>(), b.src2<Zor16s>(), b.dst<Zor16s>(), b.len); }); }
void BM_Add_16s_Sfs1_memcpy(benchmark::State& s) { memcpy_bytes(s, 6, 12); }
void BM_Add_16s_Sfs1_memcpy_traffic(benchmark::State& s) { memcpy_bytes(s, 6, 6); }

// MulC_32f16s_Sfs: 4 read, 2 written.
void BM_MulC_32f16s_Sfs(benchmark::State& s) { run(s, 6, [](Buffers& b) { zorsMulC_32f16s_Sfs(b.src1<float>(), 3.5f, b.dst<Zor16s>(), b.len, 2); }); }
void BM_MulC_32f16s_Sfs_scalar(benchmark::State& s) { run(s, 6, [](Buffers& b) { scalar_mulc_32f16s(b.src1<float>(), 3.5f / 4, b.dst<Zor16s>(), b.len); }); }
void BM_MulC_32f16s_Sfs_memcpy(benchmark::State& s) { memcpy_bytes(s, 6, 12); }
void BM_MulC_32f16s_Sfs_memcpy_traffic(benchmark::State& s) { memcpy_bytes(s, 6, 6); }

// And_8u: 1 + 1 read, 1 written.
void BM_And_8u(benchmark::State& s) { run(s, 3, [](Buffers& b) { zorsAnd_8u(b.src1<Zor8u>(), b.src2<Zor8u>(), b.dst<Zor8u>(), b.len); }); }
void BM_And_8u_scalar(benchmark::State& s) { run(s, 3, [](Buffers& b) { scalar_and_8u(b.src1<Zor8u>(), b.src2<Zor8u>(), b.dst<Zor8u>(), b.len); }); }
void BM_And_8u_memcpy(benchmark::State& s) { memcpy_bytes(s, 3, 6); }
void BM_And_8u_memcpy_traffic(benchmark::State& s) { memcpy_bytes(s, 3, 3); }

#define SIZES ->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_Add_32f) SIZES;
BENCHMARK(BM_Add_32f_scalar) SIZES;
BENCHMARK(BM_Add_32f_memcpy) SIZES;
BENCHMARK(BM_Add_32f_memcpy_traffic) SIZES;
BENCHMARK(BM_Mul_32fc) SIZES;
BENCHMARK(BM_Mul_32fc_scalar) SIZES;
BENCHMARK(BM_Mul_32fc_memcpy) SIZES;
BENCHMARK(BM_Mul_32fc_memcpy_traffic) SIZES;
BENCHMARK(BM_Add_16s_Sfs1) SIZES;
BENCHMARK(BM_Add_16s_Sfs1_scalar) SIZES;
BENCHMARK(BM_Add_16s_Sfs1_memcpy) SIZES;
BENCHMARK(BM_Add_16s_Sfs1_memcpy_traffic) SIZES;
BENCHMARK(BM_MulC_32f16s_Sfs) SIZES;
BENCHMARK(BM_MulC_32f16s_Sfs_scalar) SIZES;
BENCHMARK(BM_MulC_32f16s_Sfs_memcpy) SIZES;
BENCHMARK(BM_MulC_32f16s_Sfs_memcpy_traffic) SIZES;
BENCHMARK(BM_And_8u) SIZES;
BENCHMARK(BM_And_8u_scalar) SIZES;
BENCHMARK(BM_And_8u_memcpy) SIZES;
BENCHMARK(BM_And_8u_memcpy_traffic) SIZES;

}  // namespace

BENCHMARK_MAIN();
