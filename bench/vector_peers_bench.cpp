// Short and medium vectors against VOLK (when installed): zorsAdd_32f,
// zorsMul_32fc, zorsDotProd_32f and zorsSum_32f (fast and default hints) at
// 1024 and 16384 elements, in L1 and L2. The per-element rate of the two
// sizes shows the per-call overhead. Without VOLK only the zors side runs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>

#include "zors.h"
#if defined(ZORS_BENCH_VOLK)
#include <volk/volk.h>
#endif

namespace {

// The three vectors come from one block at fixed places: each starts on a
// page plus 0, 1 or 2 KB, so that a[i], b[i] and dst[i] never share their
// address bits below 4 KB (loads that seem to hit a pending store slow down
// whichever library runs), and every benchmark sees the same addresses.
struct Data {
    explicit Data(int n) : len(n) {
        const std::size_t span = (sizeof(float) * 2 * std::size_t(n) + 4095) / 4096 * 4096 + 4096;
        block = zorsMalloc_8u(static_cast<int>(3 * span + 4096));
        auto* page = reinterpret_cast<unsigned char*>((reinterpret_cast<std::uintptr_t>(block) + 4095) / 4096 * 4096);
        a = reinterpret_cast<Zor32f*>(page);
        b = reinterpret_cast<Zor32f*>(page + span + 1024);
        dst = reinterpret_cast<Zor32f*>(page + 2 * span + 2048);
        std::mt19937 gen(1);
        std::uniform_real_distribution<float> u(-1.0f, 1.0f);
        for (int i = 0; i < 2 * n; ++i) {
            a[i] = u(gen);
            b[i] = u(gen);
        }
        std::memset(dst, 0, sizeof(float) * 2 * std::size_t(n));
    }
    ~Data() { zorsFree(block); }
    int len;
    Zor8u* block;
    Zor32f* a;
    Zor32f* b;
    Zor32f* dst;
};

template <class F>
void run(benchmark::State& state, F&& f) {
    Data d(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f(d);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(d.len));
}

const Zor32fc* cplx(const float* p) { return reinterpret_cast<const Zor32fc*>(p); }

void BM_Add_32f(benchmark::State& s) { run(s, [](Data& d) { zorsAdd_32f(d.a, d.b, d.dst, d.len); }); }
void BM_Mul_32fc(benchmark::State& s) {
    run(s, [](Data& d) { zorsMul_32fc(cplx(d.a), cplx(d.b), reinterpret_cast<Zor32fc*>(d.dst), d.len); });
}
void BM_DotProd_32f(benchmark::State& s) {
    run(s, [](Data& d) {
        Zor32f r;
        zorsDotProd_32f(d.a, d.b, d.len, &r);
        benchmark::DoNotOptimize(r);
    });
}
void BM_Sum_32f_fast(benchmark::State& s) {
    run(s, [](Data& d) {
        Zor32f r;
        zorsSum_32f(d.a, d.len, &r, zorAlgHintFast);
        benchmark::DoNotOptimize(r);
    });
}
void BM_Sum_32f_default(benchmark::State& s) {
    run(s, [](Data& d) {
        Zor32f r;
        zorsSum_32f(d.a, d.len, &r, zorAlgHintNone);
        benchmark::DoNotOptimize(r);
    });
}

#if defined(ZORS_BENCH_VOLK)
void BM_Add_32f_volk(benchmark::State& s) { run(s, [](Data& d) { volk_32f_x2_add_32f(d.dst, d.a, d.b, d.len); }); }
void BM_Mul_32fc_volk(benchmark::State& s) {
    run(s, [](Data& d) {
        volk_32fc_x2_multiply_32fc(reinterpret_cast<lv_32fc_t*>(d.dst), reinterpret_cast<const lv_32fc_t*>(d.a),
                                   reinterpret_cast<const lv_32fc_t*>(d.b), d.len);
    });
}
void BM_DotProd_32f_volk(benchmark::State& s) {
    run(s, [](Data& d) {
        float r;
        volk_32f_x2_dot_prod_32f(&r, d.a, d.b, d.len);
        benchmark::DoNotOptimize(r);
    });
}
void BM_Sum_32f_volk(benchmark::State& s) {
    run(s, [](Data& d) {
        float r;
        volk_32f_accumulator_s32f(&r, d.a, d.len);
        benchmark::DoNotOptimize(r);
    });
}
#endif

}  // namespace

#define SIZES ->Arg(1024)->Arg(16384)
BENCHMARK(BM_Add_32f) SIZES;
BENCHMARK(BM_Mul_32fc) SIZES;
BENCHMARK(BM_DotProd_32f) SIZES;
BENCHMARK(BM_Sum_32f_fast) SIZES;
BENCHMARK(BM_Sum_32f_default) SIZES;
#if defined(ZORS_BENCH_VOLK)
BENCHMARK(BM_Add_32f_volk) SIZES;
BENCHMARK(BM_Mul_32fc_volk) SIZES;
BENCHMARK(BM_DotProd_32f_volk) SIZES;
BENCHMARK(BM_Sum_32f_volk) SIZES;
#endif

BENCHMARK_MAIN();
