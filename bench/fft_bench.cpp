// FFTs: complex 32fc and 64fc and real 32f (to Perm and back), forward and
// inverse, orders 4..20, out of place with a caller buffer (and the 32fc
// forward transform in place), side by side
// with FFTW (FFTW_MEASURE, same alignment, out of place) when it is
// installed.
#include <benchmark/benchmark.h>

#include <cstring>
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

template <class C, class Spec, class Init, class Size, class Fwd, class Free>
void zors_fft(benchmark::State& s, Init init, Size size, Fwd fwd, Free fr, std::size_t elems, bool in_place = false) {
    const int order = static_cast<int>(s.range(0));
    const std::size_t n = std::size_t{1} << order;
    Spec* spec = nullptr;
    init(&spec, order, ZOR_FFT_NO_DIV, zorAlgHintNone);
    int bytes = 0;
    size(spec, &bytes);
    Zor8u* buf = zorsMalloc_8u(bytes > 0 ? bytes : 1);
    Vec<C> x(n * elems + 2), y(n * elems + 2);
    for (auto _ : s) {
        fwd(x.p, in_place ? x.p : y.p, spec, buf);
        benchmark::ClobberMemory();
    }
    set_rate(s, n);
    zorsFree(buf);
    fr(spec);
}

void BM_zors_32fc(benchmark::State& s) { zors_fft<Zor32fc, ZorsFFTSpec_C_32fc>(s, zorsFFTInitAlloc_C_32fc, zorsFFTGetBufSize_C_32fc, zorsFFTFwd_CToC_32fc, zorsFFTFree_C_32fc, 1); }
void BM_zors_64fc(benchmark::State& s) { zors_fft<Zor64fc, ZorsFFTSpec_C_64fc>(s, zorsFFTInitAlloc_C_64fc, zorsFFTGetBufSize_C_64fc, zorsFFTFwd_CToC_64fc, zorsFFTFree_C_64fc, 1); }
void BM_zors_r32f(benchmark::State& s) { zors_fft<Zor32f, ZorsFFTSpec_R_32f>(s, zorsFFTInitAlloc_R_32f, zorsFFTGetBufSize_R_32f, zorsFFTFwd_RToPerm_32f, zorsFFTFree_R_32f, 1); }
void BM_zors_32fc_inv(benchmark::State& s) { zors_fft<Zor32fc, ZorsFFTSpec_C_32fc>(s, zorsFFTInitAlloc_C_32fc, zorsFFTGetBufSize_C_32fc, zorsFFTInv_CToC_32fc, zorsFFTFree_C_32fc, 1); }
void BM_zors_64fc_inv(benchmark::State& s) { zors_fft<Zor64fc, ZorsFFTSpec_C_64fc>(s, zorsFFTInitAlloc_C_64fc, zorsFFTGetBufSize_C_64fc, zorsFFTInv_CToC_64fc, zorsFFTFree_C_64fc, 1); }
void BM_zors_32fc_ip(benchmark::State& s) { zors_fft<Zor32fc, ZorsFFTSpec_C_32fc>(s, zorsFFTInitAlloc_C_32fc, zorsFFTGetBufSize_C_32fc, zorsFFTFwd_CToC_32fc, zorsFFTFree_C_32fc, 1, true); }
void BM_zors_r32f_inv(benchmark::State& s) { zors_fft<Zor32f, ZorsFFTSpec_R_32f>(s, zorsFFTInitAlloc_R_32f, zorsFFTGetBufSize_R_32f, zorsFFTInv_PermToR_32f, zorsFFTFree_R_32f, 1); }


#ifdef ZORS_BENCH_FFTW
template <class C, class D = C, class Make, class Exec, class Destroy>
void fftw_fft(benchmark::State& s, Make make, Exec exec, Destroy destroy, std::size_t out_extra, std::size_t in_extra = 0) {
    const int order = static_cast<int>(s.range(0));
    const std::size_t n = std::size_t{1} << order;
    Vec<C> x(n + in_extra);
    Vec<D> y(n + out_extra);
    auto plan = make(static_cast<int>(n), x.p, y.p);
    Vec<C> fresh(n + in_extra);  // MEASURE overwrites the arrays while planning
    std::memcpy(x.p, fresh.p, (n + in_extra) * sizeof(C));
    for (auto _ : s) {
        exec(plan);
        benchmark::ClobberMemory();
    }
    set_rate(s, n);
    destroy(plan);
}

// Forward (FFTW_FORWARD) or inverse (FFTW_BACKWARD) complex transforms.
template <int Sign>
void BM_fftw_32fc_dir(benchmark::State& s) {
    fftw_fft<Zor32fc>(s, [](int n, Zor32fc* x, Zor32fc* y) { return fftwf_plan_dft_1d(n, reinterpret_cast<fftwf_complex*>(x), reinterpret_cast<fftwf_complex*>(y), Sign, FFTW_MEASURE); },
                      fftwf_execute, fftwf_destroy_plan, 0);
}
template <int Sign>
void BM_fftw_64fc_dir(benchmark::State& s) {
    fftw_fft<Zor64fc>(s, [](int n, Zor64fc* x, Zor64fc* y) { return fftw_plan_dft_1d(n, reinterpret_cast<fftw_complex*>(x), reinterpret_cast<fftw_complex*>(y), Sign, FFTW_MEASURE); },
                      fftw_execute, fftw_destroy_plan, 0);
}
void BM_fftw_32fc_ip(benchmark::State& s) {
    fftw_fft<Zor32fc>(s, [](int n, Zor32fc* x, Zor32fc*) { return fftwf_plan_dft_1d(n, reinterpret_cast<fftwf_complex*>(x), reinterpret_cast<fftwf_complex*>(x), FFTW_FORWARD, FFTW_MEASURE); },
                      fftwf_execute, fftwf_destroy_plan, 0);
}
void BM_fftw_r32f(benchmark::State& s) {
    fftw_fft<Zor32f>(s, [](int n, Zor32f* x, Zor32f* y) { return fftwf_plan_dft_r2c_1d(n, x, reinterpret_cast<fftwf_complex*>(y), FFTW_MEASURE); },
                     fftwf_execute, fftwf_destroy_plan, 2);
}
void BM_fftw_r32f_inv(benchmark::State& s) {
    fftw_fft<Zor32f>(s, [](int n, Zor32f* x, Zor32f* y) { return fftwf_plan_dft_c2r_1d(n, reinterpret_cast<fftwf_complex*>(x), y, FFTW_MEASURE); },
                     fftwf_execute, fftwf_destroy_plan, 0, 2);
}

#endif

}  // namespace

// Each order runs zors and its peer back to back, so that the two figures of
// a ratio see the same machine load.
int main(int argc, char** argv) {
    using Fn = void (*)(benchmark::State&);
    struct Pair { const char* name; Fn zors; Fn peer; };
    const Pair pairs[] = {
#ifdef ZORS_BENCH_FFTW
        {"32fc", BM_zors_32fc, BM_fftw_32fc_dir<FFTW_FORWARD>}, {"64fc", BM_zors_64fc, BM_fftw_64fc_dir<FFTW_FORWARD>}, {"r32f", BM_zors_r32f, BM_fftw_r32f},
        {"32fc_inv", BM_zors_32fc_inv, BM_fftw_32fc_dir<FFTW_BACKWARD>}, {"64fc_inv", BM_zors_64fc_inv, BM_fftw_64fc_dir<FFTW_BACKWARD>}, {"r32f_inv", BM_zors_r32f_inv, BM_fftw_r32f_inv},
        {"32fc_ip", BM_zors_32fc_ip, BM_fftw_32fc_ip},
#else
        {"32fc", BM_zors_32fc, nullptr}, {"64fc", BM_zors_64fc, nullptr}, {"r32f", BM_zors_r32f, nullptr},
        {"32fc_inv", BM_zors_32fc_inv, nullptr}, {"64fc_inv", BM_zors_64fc_inv, nullptr}, {"r32f_inv", BM_zors_r32f_inv, nullptr},
        {"32fc_ip", BM_zors_32fc_ip, nullptr},
#endif
    };
    for (const Pair& p : pairs)
        for (int order = 4; order <= 20; ++order) {
            benchmark::RegisterBenchmark((std::string("zors_") + p.name).c_str(), p.zors)->Arg(order);
            if (p.peer) benchmark::RegisterBenchmark((std::string("fftw_") + p.name).c_str(), p.peer)->Arg(order);
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
