// Forward DFT of any length (complex 32fc) and forward DCT (32f), out of
// place with a caller buffer, side by side with FFTW (complex DFT and
// REDFT10, FFTW_MEASURE, plans made outside the timing) when installed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>
#include <string>

#include "zors.h"
#ifdef ZORS_BENCH_FFTW
#include <fftw3.h>
#endif

namespace {

template <class T>
struct Vec {
    explicit Vec(std::size_t n) : p(static_cast<T*>(static_cast<void*>(zorsMalloc_8u(static_cast<int>(n * sizeof(T)))))) {
        for (std::size_t i = 0; i < n * sizeof(T) / sizeof(float); ++i) reinterpret_cast<float*>(p)[i] = static_cast<float>((i * 7919) % 1000) / 1000.0f - 0.5f;
    }
    ~Vec() { zorsFree(p); }
    T* p;
};

void set_rate(benchmark::State& s, std::size_t n) {
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * static_cast<std::int64_t>(n));
}

void BM_zors_dft(benchmark::State& s) {
    const int n = static_cast<int>(s.range(0));
    ZorsDFTSpec_C_32fc* spec = nullptr;
    zorsDFTInitAlloc_C_32fc(&spec, n, ZOR_FFT_NO_DIV, zorAlgHintNone);
    int bytes = 0;
    zorsDFTGetBufSize_C_32fc(spec, &bytes);
    Zor8u* buf = zorsMalloc_8u(bytes > 0 ? bytes : 1);
    Vec<Zor32fc> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
    for (auto _ : s) {
        zorsDFTFwd_CToC_32fc(x.p, y.p, spec, buf);
        benchmark::ClobberMemory();
    }
    set_rate(s, static_cast<std::size_t>(n));
    zorsFree(buf);
    zorsDFTFree_C_32fc(spec);
}

void BM_zors_dct(benchmark::State& s) {
    const int n = static_cast<int>(s.range(0));
    ZorsDCTFwdSpec_32f* spec = nullptr;
    zorsDCTFwdInitAlloc_32f(&spec, n, zorAlgHintNone);
    int bytes = 0;
    zorsDCTFwdGetBufSize_32f(spec, &bytes);
    Zor8u* buf = zorsMalloc_8u(bytes > 0 ? bytes : 1);
    Vec<Zor32f> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
    for (auto _ : s) {
        zorsDCTFwd_32f(x.p, y.p, spec, buf);
        benchmark::ClobberMemory();
    }
    set_rate(s, static_cast<std::size_t>(n));
    zorsFree(buf);
    zorsDCTFwdFree_32f(spec);
}

#ifdef ZORS_BENCH_FFTW
template <class C, class Make>
void fftw_run(benchmark::State& s, Make make) {
    const std::size_t n = static_cast<std::size_t>(s.range(0));
    Vec<C> x(n), y(n);
    fftwf_plan plan = make(static_cast<int>(n), x.p, y.p);
    Vec<C> fresh(n);  // MEASURE overwrites the arrays while planning
    std::memcpy(x.p, fresh.p, n * sizeof(C));
    for (auto _ : s) {
        fftwf_execute(plan);
        benchmark::ClobberMemory();
    }
    set_rate(s, n);
    fftwf_destroy_plan(plan);
}

void BM_fftw_dft(benchmark::State& s) {
    fftw_run<Zor32fc>(s, [](int n, Zor32fc* x, Zor32fc* y) {
        return fftwf_plan_dft_1d(n, reinterpret_cast<fftwf_complex*>(x), reinterpret_cast<fftwf_complex*>(y), FFTW_FORWARD, FFTW_MEASURE);
    });
}
void BM_fftw_dct(benchmark::State& s) {
    fftw_run<Zor32f>(s, [](int n, Zor32f* x, Zor32f* y) { return fftwf_plan_r2r_1d(n, x, y, FFTW_REDFT10, FFTW_MEASURE); });
}
#endif

}  // namespace

// Each length runs zors and its peer back to back, so that the two figures
// of a ratio see the same machine load.
int main(int argc, char** argv) {
    using Fn = void (*)(benchmark::State&);
    struct Set { const char* name; Fn zors; Fn peer; std::vector<int> lens; };
    const Set sets[] = {
#ifdef ZORS_BENCH_FFTW
        {"dft_32fc", BM_zors_dft, BM_fftw_dft, {12, 60, 100, 1000, 1536, 1920, 2310, 4097, 10007, 65521}},
        {"dct_32f", BM_zors_dct, BM_fftw_dct, {8, 64, 1000, 1024, 4096}},
#else
        {"dft_32fc", BM_zors_dft, nullptr, {12, 60, 100, 1000, 1536, 1920, 2310, 4097, 10007, 65521}},
        {"dct_32f", BM_zors_dct, nullptr, {8, 64, 1000, 1024, 4096}},
#endif
    };
    // The minimum over repetitions (--benchmark_repetitions) is the figure
    // least disturbed by other work on a shared machine.
    const auto least = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    for (const Set& p : sets)
        for (int n : p.lens) {
            benchmark::RegisterBenchmark((std::string("zors_") + p.name).c_str(), p.zors)->Arg(n)->ComputeStatistics("min", least);
            if (p.peer) benchmark::RegisterBenchmark((std::string("fftw_") + p.name).c_str(), p.peer)->Arg(n)->ComputeStatistics("min", least);
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
