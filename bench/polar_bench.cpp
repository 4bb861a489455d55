// Magnitude, phase, polar form and thresholding on 4096 elements against
// VOLK (when installed) and a plain loop, and the G.711 encoders against a
// plain table-driven loop, all in one process on the same data.
//
// The plain loops are what a caller would write without the library:
// sqrtf / atan2f per element, a compare per element, and for the encoders a
// lookup in a table of codes indexed by the bits the law looks at (8192
// entries for A-law, 16384 for mu-law), built once outside the timing.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

#include "zors.h"

#if defined(ZORS_BENCH_VOLK)
#include <volk/volk.h>
#endif

namespace {

constexpr int kLen = 4096;

#define PLAIN __attribute__((noinline))

struct Data {
    std::vector<Zor32fc> z;
    std::vector<Zor32f> re, im, out, out2;
    std::vector<Zor16s> lin;
    std::vector<Zor8u> codes;
    Data() : z(kLen), re(kLen), im(kLen), out(kLen), out2(kLen), lin(kLen), codes(kLen) {
        std::uint32_t s = 12345;
        auto next = [&s] { s = s * 1664525u + 1013904223u; return static_cast<float>(s >> 8) / 16777216.0f * 2 - 1; };
        for (int i = 0; i < kLen; ++i) {
            z[i] = {next() * 1000, next() * 1000};
            re[i] = z[i].re;
            im[i] = z[i].im;
            lin[i] = static_cast<Zor16s>(next() * 32767);
        }
    }
};

Data& data() {
    static Data d;
    return d;
}

void set_items(benchmark::State& st) { st.SetItemsProcessed(st.iterations() * kLen); }

// ---- magnitude -------------------------------------------------------------

PLAIN void plain_magnitude(const Zor32fc* z, float* out, int n) {
    for (int i = 0; i < n; ++i) out[i] = std::sqrt(z[i].re * z[i].re + z[i].im * z[i].im);
}

void BM_Magnitude_32fc_zors(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        zorsMagnitude_32fc(d.z.data(), d.out.data(), kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}
void BM_Magnitude_32fc_plain(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        plain_magnitude(d.z.data(), d.out.data(), kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}

// ---- phase -------------------------------------------------------------------

PLAIN void plain_phase(const Zor32fc* z, float* out, int n) {
    for (int i = 0; i < n; ++i) out[i] = std::atan2(z[i].im, z[i].re);
}

void BM_Phase_32fc_zors(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        zorsPhase_32fc(d.z.data(), d.out.data(), kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}
void BM_Phase_32fc_plain(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        plain_phase(d.z.data(), d.out.data(), kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}

void BM_CartToPolar_32fc_zors(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        zorsCartToPolar_32fc(d.z.data(), d.out.data(), d.out2.data(), kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}
void BM_CartToPolar_32fc_plain(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        plain_magnitude(d.z.data(), d.out.data(), kLen);
        plain_phase(d.z.data(), d.out2.data(), kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}

#if defined(ZORS_BENCH_VOLK)
const lv_32fc_t* as_volk(const Zor32fc* z) { return reinterpret_cast<const lv_32fc_t*>(z); }

void BM_Magnitude_32fc_volk(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        volk_32fc_magnitude_32f(d.out.data(), as_volk(d.z.data()), kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}
void BM_Phase_32fc_volk(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        volk_32fc_s32f_atan2_32f(d.out.data(), as_volk(d.z.data()), 1.0f, kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}
void BM_CartToPolar_32fc_volk(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        volk_32fc_magnitude_32f(d.out.data(), as_volk(d.z.data()), kLen);
        volk_32fc_s32f_atan2_32f(d.out2.data(), as_volk(d.z.data()), 1.0f, kLen);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}
#endif

// ---- threshold -----------------------------------------------------------------

PLAIN void plain_threshold_lt(const float* s, float* d, int n, float level) {
    for (int i = 0; i < n; ++i) d[i] = s[i] <= level ? level : s[i];
}

void BM_Threshold_LT_32f_zors(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        zorsThreshold_LT_32f(d.re.data(), d.out.data(), kLen, 100.0f);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}
void BM_Threshold_LT_32f_plain(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        plain_threshold_lt(d.re.data(), d.out.data(), kLen, 100.0f);
        benchmark::DoNotOptimize(d.out.data());
    }
    set_items(st);
}

// ---- G.711 encoders --------------------------------------------------------------

struct Tables {
    std::vector<Zor8u> alaw, mulaw;  // indexed by x >> 3 + 4096 and x >> 2 + 8192
    Tables() : alaw(8192), mulaw(16384) {
        for (int i = 0; i < 8192; ++i) {
            const Zor16s x = static_cast<Zor16s>((i - 4096) * 8);
            zorsLinToALaw_16s8u(&x, &alaw[i], 1);
        }
        for (int i = 0; i < 16384; ++i) {
            const Zor16s x = static_cast<Zor16s>((i - 8192) * 4);
            zorsLinToMuLaw_16s8u(&x, &mulaw[i], 1);
        }
    }
};

const Tables& tables() {
    static Tables t;
    return t;
}

PLAIN void plain_encode(const Zor16s* x, Zor8u* c, int n, const Zor8u* table, int shift, int bias) {
    for (int i = 0; i < n; ++i) c[i] = table[(x[i] >> shift) + bias];
}

void BM_LinToALaw_16s8u_zors(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        zorsLinToALaw_16s8u(d.lin.data(), d.codes.data(), kLen);
        benchmark::DoNotOptimize(d.codes.data());
    }
    set_items(st);
}
void BM_LinToALaw_16s8u_table(benchmark::State& st) {
    Data& d = data();
    const Zor8u* t = tables().alaw.data();
    for (auto _ : st) {
        plain_encode(d.lin.data(), d.codes.data(), kLen, t, 3, 4096);
        benchmark::DoNotOptimize(d.codes.data());
    }
    set_items(st);
}
void BM_LinToMuLaw_16s8u_zors(benchmark::State& st) {
    Data& d = data();
    for (auto _ : st) {
        zorsLinToMuLaw_16s8u(d.lin.data(), d.codes.data(), kLen);
        benchmark::DoNotOptimize(d.codes.data());
    }
    set_items(st);
}
void BM_LinToMuLaw_16s8u_table(benchmark::State& st) {
    Data& d = data();
    const Zor8u* t = tables().mulaw.data();
    for (auto _ : st) {
        plain_encode(d.lin.data(), d.codes.data(), kLen, t, 2, 8192);
        benchmark::DoNotOptimize(d.codes.data());
    }
    set_items(st);
}

}  // namespace

// Each zors benchmark sits next to its peers so that they run back to back.
BENCHMARK(BM_Magnitude_32fc_zors);
#if defined(ZORS_BENCH_VOLK)
BENCHMARK(BM_Magnitude_32fc_volk);
#endif
BENCHMARK(BM_Magnitude_32fc_plain);
BENCHMARK(BM_Phase_32fc_zors);
#if defined(ZORS_BENCH_VOLK)
BENCHMARK(BM_Phase_32fc_volk);
#endif
BENCHMARK(BM_Phase_32fc_plain);
BENCHMARK(BM_CartToPolar_32fc_zors);
#if defined(ZORS_BENCH_VOLK)
BENCHMARK(BM_CartToPolar_32fc_volk);
#endif
BENCHMARK(BM_CartToPolar_32fc_plain);
BENCHMARK(BM_Threshold_LT_32f_zors);
BENCHMARK(BM_Threshold_LT_32f_plain);
BENCHMARK(BM_LinToALaw_16s8u_zors);
BENCHMARK(BM_LinToALaw_16s8u_table);
BENCHMARK(BM_LinToMuLaw_16s8u_zors);
BENCHMARK(BM_LinToMuLaw_16s8u_table);

BENCHMARK_MAIN();
