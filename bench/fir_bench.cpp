// FIR block filters: zorsFIR_32f and zorsFIR_32fc with 16, 64, 256 and 1024
// taps on 4096- and 262144-sample blocks, one and two threads, side by side
// with a plain direct-form loop, an FFTW overlap-save filter (r2c/c2r or
// complex plans made outside the timing, transform length 4x the taps rounded
// up to a power of two) when FFTW is installed, and liquid-dsp's firfilt
// when it is installed. The direct path alone (a state made in caller memory
// has no transform path) is reported as multiply-adds per second next to the
// machine's register-only multiply-add peak. A 3/2 rate change is measured
// against filtering the up-sampled signal and decimating.
#include <benchmark/benchmark.h>
#include <omp.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <vector>
#include <immintrin.h>

#include "zors.h"
#ifdef ZORS_BENCH_FFTW
#include <fftw3.h>
#endif
#ifdef ZORS_BENCH_LIQUID
#include <liquid/liquid.h>
#endif

namespace {

template <class T>
std::vector<T> signal(std::size_t n, unsigned seed) {
    std::vector<T> v(n);
    auto* f = reinterpret_cast<float*>(v.data());
    for (std::size_t i = 0; i < n * sizeof(T) / sizeof(float); ++i) f[i] = static_cast<float>((i * 7919 + seed) % 1000) / 1000.0f - 0.5f;
    return v;
}

void rate(benchmark::State& s, std::size_t n, std::size_t taps) {
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations() * n));
    s.counters["MAC/s"] = benchmark::Counter(static_cast<double>(s.iterations() * n * taps), benchmark::Counter::kIsRate);
}

// Runs f with `threads` threads allowed (the state is made with the
// machine's count, so both settings share one state size).
template <class F>
void with_threads(int threads, F f) {
    const int saved = omp_get_max_threads();
    omp_set_num_threads(threads);
    f();
    omp_set_num_threads(saved);
}

template <class T, class S, class Alloc, class Init, class Size, class Run, class Free>
void zors_fir(benchmark::State& s, Alloc alloc, Init init, Size size, Run run, Free fr, bool direct_only) {
    const int taps = static_cast<int>(s.range(0)), n = static_cast<int>(s.range(1)), threads = static_cast<int>(s.range(2));
    auto h = signal<T>(taps, 1), x = signal<T>(n, 2), y = signal<T>(n, 3);
    S* st = nullptr;
    std::vector<Zor8u> mem;
    if (direct_only) {
        int bytes = 0;
        size(taps, &bytes);
        mem.resize(bytes);
        init(&st, h.data(), taps, nullptr, mem.data());
    } else {
        alloc(&st, h.data(), taps, nullptr);
    }
    with_threads(threads, [&] {
        for (auto _ : s) {
            run(x.data(), y.data(), n, st);
            benchmark::ClobberMemory();
        }
    });
    rate(s, static_cast<std::size_t>(n), static_cast<std::size_t>(taps));
    if (!direct_only) fr(st);
}

void BM_zors_32f(benchmark::State& s) {
    zors_fir<Zor32f, ZorsFIRState_32f>(s, zorsFIRInitAlloc_32f, zorsFIRInit_32f, zorsFIRGetStateSize_32f, zorsFIR_32f, zorsFIRFree_32f, false);
}
void BM_zors_32fc(benchmark::State& s) {
    zors_fir<Zor32fc, ZorsFIRState_32fc>(s, zorsFIRInitAlloc_32fc, zorsFIRInit_32fc, zorsFIRGetStateSize_32fc, zorsFIR_32fc, zorsFIRFree_32fc, false);
}
void BM_zors_32f_direct(benchmark::State& s) {
    zors_fir<Zor32f, ZorsFIRState_32f>(s, zorsFIRInitAlloc_32f, zorsFIRInit_32f, zorsFIRGetStateSize_32f, zorsFIR_32f, zorsFIRFree_32f, true);
}

// The plain direct form: y[n] = sum of h[k] x[n - k] over a history.
template <class T>
void BM_plain(benchmark::State& s) {
    const int taps = static_cast<int>(s.range(0)), n = static_cast<int>(s.range(1));
    auto h = signal<T>(taps, 1), x = signal<T>(n + taps, 2), y = signal<T>(n, 3);
    for (auto _ : s) {
        for (int i = 0; i < n; ++i) {
            if constexpr (std::is_same_v<T, float>) {
                float acc = 0;
                for (int k = 0; k < taps; ++k) acc += h[k] * x[i + taps - 1 - k];
                y[i] = acc;
            } else {  // written out: no library call per product
                float re = 0, im = 0;
                for (int k = 0; k < taps; ++k) {
                    const T a = h[k], b = x[i + taps - 1 - k];
                    re += a.real() * b.real() - a.imag() * b.imag();
                    im += a.real() * b.imag() + a.imag() * b.real();
                }
                y[i] = T(re, im);
            }
        }
        benchmark::ClobberMemory();
    }
    rate(s, static_cast<std::size_t>(n), static_cast<std::size_t>(taps));
}

// The register-only multiply-add peak of one core: twelve independent
// chains of 16-lane single-precision multiply-adds (8-lane without AVX-512),
// kept in registers.
#define ZB_CHAINS(OP, V)                                                                         \
    V a0 = c, a1 = c, a2 = c, a3 = c, a4 = c, a5 = c, a6 = c, a7 = c, a8 = c, a9 = c, a10 = c, a11 = c; \
    for (long i = 0; i < iters; ++i) {                                                           \
        a0 = OP(a0, m, c); a1 = OP(a1, m, c); a2 = OP(a2, m, c); a3 = OP(a3, m, c);               \
        a4 = OP(a4, m, c); a5 = OP(a5, m, c); a6 = OP(a6, m, c); a7 = OP(a7, m, c);               \
        a8 = OP(a8, m, c); a9 = OP(a9, m, c); a10 = OP(a10, m, c); a11 = OP(a11, m, c);           \
        __asm__ volatile("" : "+v"(a0), "+v"(a1), "+v"(a2), "+v"(a3), "+v"(a4), "+v"(a5));        \
    }                                                                                            \
    V t = a0 + a1 + a2 + a3 + a4 + a5 + a6 + a7 + a8 + a9 + a10 + a11;                          \
    return t[0];
__attribute__((target("avx512f,fma"))) double peak512(long iters) {
    const __m512 m = _mm512_set1_ps(0.9999f), c = _mm512_set1_ps(1e-4f);
    ZB_CHAINS(_mm512_fmadd_ps, __m512)
}
__attribute__((target("avx2,fma"))) double peak256(long iters) {
    const __m256 m = _mm256_set1_ps(0.9999f), c = _mm256_set1_ps(1e-4f);
    ZB_CHAINS(_mm256_fmadd_ps, __m256)
}
void BM_peak_fma(benchmark::State& s) {
    const bool wide = __builtin_cpu_supports("avx512f");
    const long iters = 1 << 16;
    for (auto _ : s) benchmark::DoNotOptimize(wide ? peak512(iters) : peak256(iters));
    s.counters["MAC/s"] = benchmark::Counter(static_cast<double>(s.iterations()) * iters * 12 * (wide ? 16 : 8), benchmark::Counter::kIsRate);
}

#ifdef ZORS_BENCH_FFTW
// Overlap-save with FFTW: N = 4 * taps rounded up to a power of two, blocks
// of N - taps + 1 outputs; the taps' spectrum and the plans are made once.
template <bool Cplx>
void BM_fftw(benchmark::State& s) {
    using T = std::conditional_t<Cplx, std::complex<float>, float>;
    const int taps = static_cast<int>(s.range(0)), n = static_cast<int>(s.range(1));
    int nfft = 1;
    while (nfft < 4 * taps) nfft *= 2;
    const int m = nfft - taps + 1, bins = Cplx ? nfft : nfft / 2 + 1;
    auto h = signal<T>(taps, 1), x = signal<T>(n + taps - 1, 2), y = signal<T>(n, 3);
    T* buf = static_cast<T*>(fftwf_malloc(sizeof(T) * nfft));
    auto* spec = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * bins));
    auto* hs = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * bins));
    fftwf_plan fwd, inv;
    if constexpr (Cplx) {
        auto* b = reinterpret_cast<fftwf_complex*>(buf);
        fwd = fftwf_plan_dft_1d(nfft, b, spec, FFTW_FORWARD, FFTW_MEASURE);
        inv = fftwf_plan_dft_1d(nfft, spec, b, FFTW_BACKWARD, FFTW_MEASURE);
    } else {
        fwd = fftwf_plan_dft_r2c_1d(nfft, buf, spec, FFTW_MEASURE);
        inv = fftwf_plan_dft_c2r_1d(nfft, spec, buf, FFTW_MEASURE);
    }
    std::memset(static_cast<void*>(buf), 0, sizeof(T) * nfft);
    std::memcpy(static_cast<void*>(buf), h.data(), sizeof(T) * taps);
    if constexpr (Cplx) fftwf_execute_dft(fwd, reinterpret_cast<fftwf_complex*>(buf), hs);
    else fftwf_execute_dft_r2c(fwd, buf, hs);
    const float scale = 1.0f / nfft;
    for (int k = 0; k < bins; ++k) hs[k][0] *= scale, hs[k][1] *= scale;
    for (auto _ : s) {
        for (int o = 0; o < n; o += m) {
            const int cnt = n - o < m ? n - o : m;
            std::memcpy(static_cast<void*>(buf), x.data() + o, sizeof(T) * (cnt + taps - 1));
            if (cnt + taps - 1 < nfft) std::memset(static_cast<void*>(buf + cnt + taps - 1), 0, sizeof(T) * (nfft - cnt - taps + 1));
            fftwf_execute(fwd);
            for (int k = 0; k < bins; ++k) {
                const float re = spec[k][0] * hs[k][0] - spec[k][1] * hs[k][1];
                const float im = spec[k][0] * hs[k][1] + spec[k][1] * hs[k][0];
                spec[k][0] = re, spec[k][1] = im;
            }
            fftwf_execute(inv);
            std::memcpy(static_cast<void*>(y.data() + o), buf + taps - 1, sizeof(T) * cnt);
        }
        benchmark::ClobberMemory();
    }
    rate(s, static_cast<std::size_t>(n), static_cast<std::size_t>(taps));
    fftwf_destroy_plan(fwd);
    fftwf_destroy_plan(inv);
    fftwf_free(buf);
    fftwf_free(spec);
    fftwf_free(hs);
}
#endif

#ifdef ZORS_BENCH_LIQUID
void BM_liquid_32f(benchmark::State& s) {
    const int taps = static_cast<int>(s.range(0)), n = static_cast<int>(s.range(1));
    auto h = signal<float>(taps, 1), x = signal<float>(n, 2), y = signal<float>(n, 3);
    firfilt_rrrf q = firfilt_rrrf_create(h.data(), static_cast<unsigned>(taps));
    for (auto _ : s) {
        firfilt_rrrf_execute_block(q, x.data(), static_cast<unsigned>(n), y.data());
        benchmark::ClobberMemory();
    }
    rate(s, static_cast<std::size_t>(n), static_cast<std::size_t>(taps));
    firfilt_rrrf_destroy(q);
}
void BM_liquid_32fc(benchmark::State& s) {
    const int taps = static_cast<int>(s.range(0)), n = static_cast<int>(s.range(1));
    auto h = signal<std::complex<float>>(taps, 1), x = signal<std::complex<float>>(n, 2), y = signal<std::complex<float>>(n, 3);
    firfilt_cccf q = firfilt_cccf_create(reinterpret_cast<liquid_float_complex*>(h.data()), static_cast<unsigned>(taps));
    for (auto _ : s) {
        firfilt_cccf_execute_block(q, reinterpret_cast<liquid_float_complex*>(x.data()), static_cast<unsigned>(n),
                                   reinterpret_cast<liquid_float_complex*>(y.data()));
        benchmark::ClobberMemory();
    }
    rate(s, static_cast<std::size_t>(n), static_cast<std::size_t>(taps));
    firfilt_cccf_destroy(q);
}
#endif

// taps x block, then threads for the library.
void sizes(benchmark::internal::Benchmark* b, bool threads) {
    for (int n : {4096, 262144})
        for (int taps : {16, 64, 256, 1024}) {
            b->Args({taps, n, 1});
            if (threads) b->Args({taps, n, 2});
        }
}
void lib_sizes(benchmark::internal::Benchmark* b) { sizes(b, true); }
void peer_sizes(benchmark::internal::Benchmark* b) { sizes(b, false); }

// Rate change by 3/2 with 48 taps: the multi-rate state (n input samples,
// n/2 steps, 3n/2 outputs) against the single-rate filter of the
// zero-stuffed signal (made outside the timing) followed by keeping every
// second output.
constexpr int kMrTaps = 48;
void BM_mr_32f(benchmark::State& s) {
    const int n = static_cast<int>(s.range(0)), threads = static_cast<int>(s.range(1));
    auto h = signal<float>(kMrTaps, 1), x = signal<float>(n, 2), y = signal<float>(n / 2 * 3, 3);
    ZorsFIRState_32f* st = nullptr;
    zorsFIRMRInitAlloc_32f(&st, h.data(), kMrTaps, 3, 0, 2, 0, nullptr);
    with_threads(threads, [&] {
        for (auto _ : s) {
            zorsFIR_32f(x.data(), y.data(), n / 2, st);
            benchmark::ClobberMemory();
        }
    });
    rate(s, static_cast<std::size_t>(n), kMrTaps);
    zorsFIRFree_32f(st);
}
void BM_mr_baseline(benchmark::State& s) {
    const int n = static_cast<int>(s.range(0)), threads = static_cast<int>(s.range(1));
    auto h = signal<float>(kMrTaps, 1), x = signal<float>(n, 2);
    std::vector<float> up(3 * static_cast<std::size_t>(n)), hi(up.size()), y(up.size() / 2);
    for (int i = 0; i < n; ++i) up[3 * static_cast<std::size_t>(i)] = x[static_cast<std::size_t>(i)];
    ZorsFIRState_32f* st = nullptr;
    zorsFIRInitAlloc_32f(&st, h.data(), kMrTaps, nullptr);
    with_threads(threads, [&] {
        for (auto _ : s) {
            zorsFIR_32f(up.data(), hi.data(), 3 * n, st);
            for (std::size_t i = 0; i < y.size(); ++i) y[i] = hi[2 * i];
            benchmark::ClobberMemory();
        }
    });
    rate(s, static_cast<std::size_t>(n), kMrTaps);
    zorsFIRFree_32f(st);
}
void mr_sizes(benchmark::internal::Benchmark* b) {
    for (int n : {4096, 262144}) b->Args({n, 1});
    b->Args({262144, 2});
}

}  // namespace

BENCHMARK(BM_mr_32f)->Apply(mr_sizes);
BENCHMARK(BM_mr_baseline)->Apply(mr_sizes);
BENCHMARK(BM_peak_fma);
BENCHMARK(BM_zors_32f_direct)->Args({64, 4096, 1})->Args({64, 262144, 1});
BENCHMARK(BM_zors_32f)->Apply(lib_sizes);
#ifdef ZORS_BENCH_FFTW
BENCHMARK(BM_fftw<false>)->Apply(peer_sizes);
#endif
#ifdef ZORS_BENCH_LIQUID
BENCHMARK(BM_liquid_32f)->Apply(peer_sizes);
#endif
BENCHMARK(BM_plain<float>)->Apply(peer_sizes);
BENCHMARK(BM_zors_32fc)->Apply(lib_sizes);
#ifdef ZORS_BENCH_FFTW
BENCHMARK(BM_fftw<true>)->Apply(peer_sizes);
#endif
#ifdef ZORS_BENCH_LIQUID
BENCHMARK(BM_liquid_32fc)->Apply(peer_sizes);
#endif
BENCHMARK(BM_plain<std::complex<float>>)->Apply(peer_sizes);
BENCHMARK_MAIN();
