// The complex DFT plan of any length: creation (algorithm choice, tables);
// the transforms run in the dispatched wide bodies (dft_plan.simd.cpp).
//
// Mixed radix is a decimation-in-time transform, from the innermost DFTs out
// to level 0, each level combining f sub-transforms of m points with the
// factors W_{f·m}^{j·k} and an f-point DFT (dedicated code for f = 2, 3, 4,
// 5 and 7, the direct sum from the root table otherwise). Interleaved data
// runs it as self-sorting stages: natural order in, natural order out, one
// pass per level between the destination and the work area, the short
// shapes as straight-line code. Separate arrays run it in place in one
// array: the innermost DFTs read the input through the digit-reversal
// table, then one pass per level; sub-transforms of at most 2000 points run
// breadth-first (level after level), longer ones recurse into their f parts
// first so that the data of a sub-transform stays in cache. The out-of-order
// variant runs the transposed (decimation-in-frequency) passes in place and
// skips the permutation.
//
// Bluestein: X[k] = c[k]·Σ x[j]·c[j]·conj(c[k - j]) with the chirp
// c[j] = e^{-iπ·j²/n}; the cyclic convolution of length M (a power of two
// >= 2n - 1) runs through the FFT, with the spectrum of the conjugate chirp
// computed once at creation in double precision.
#include <cmath>
#include <cstring>

#include "frame/memory.h"
#include "frame/dispatch.h"
#include "frame/fpenv.h"
#include "transform/dft.h"

namespace zors {

ZORS_ISA_TABLE(DftKernels, dft_kernels)

void unit_root(std::uint64_t m, std::uint64_t n, long double& c, long double& s) {
    // θ = 2π·m/n: quadrant from 4m/n, then the octant by complement, so the
    // library sine sees arguments of at most π/4.
    m %= n;
    const std::uint64_t q = (4 * m) / n, r = 4 * m - q * n;  // θ = qπ/2 + 2π·r/(4n)
    const long double two_pi = 6.283185307179586476925286766559005768L;
    long double cc, ss;
    if (2 * r <= n) {
        const long double a = two_pi * static_cast<long double>(r) / static_cast<long double>(4 * n);
        cc = std::cos(a);
        ss = std::sin(a);
    } else {
        const long double a = two_pi * static_cast<long double>(n - r) / static_cast<long double>(4 * n);
        cc = std::sin(a);
        ss = std::cos(a);
    }
    long double cq, sq;  // cos, sin of θ
    switch (q) {
    case 0: cq = cc; sq = ss; break;
    case 1: cq = -ss; sq = cc; break;
    case 2: cq = -cc; sq = -ss; break;
    default: cq = ss; sq = -cc; break;
    }
    c = cq;
    s = -sq;
}

// The complex FFT of an interleaved (kinds 4, 7) or split (5, 8) specification.
ZorStatus fft_complex(int kind, const void* s, CView<float> x, CView<float> y, void* buf, bool inv) {
    auto* b = static_cast<Zor8u*>(buf);
    if (kind == 4) {
        const auto* sp = static_cast<const ZorsFFTSpec_C_32fc*>(s);
        auto* src = reinterpret_cast<const Zor32fc*>(x.re);
        auto* dst = reinterpret_cast<Zor32fc*>(y.re);
        return inv ? zorsFFTInv_CToC_32fc(src, dst, sp, b) : zorsFFTFwd_CToC_32fc(src, dst, sp, b);
    }
    const auto* sp = static_cast<const ZorsFFTSpec_C_32f*>(s);
    return inv ? zorsFFTInv_CToC_32f(x.re, x.im, y.re, y.im, sp, b) : zorsFFTFwd_CToC_32f(x.re, x.im, y.re, y.im, sp, b);
}
ZorStatus fft_complex(int kind, const void* s, CView<double> x, CView<double> y, void* buf, bool inv) {
    auto* b = static_cast<Zor8u*>(buf);
    if (kind == 7) {
        const auto* sp = static_cast<const ZorsFFTSpec_C_64fc*>(s);
        auto* src = reinterpret_cast<const Zor64fc*>(x.re);
        auto* dst = reinterpret_cast<Zor64fc*>(y.re);
        return inv ? zorsFFTInv_CToC_64fc(src, dst, sp, b) : zorsFFTFwd_CToC_64fc(src, dst, sp, b);
    }
    const auto* sp = static_cast<const ZorsFFTSpec_C_64f*>(s);
    return inv ? zorsFFTInv_CToC_64f(x.re, x.im, y.re, y.im, sp, b) : zorsFFTFwd_CToC_64f(x.re, x.im, y.re, y.im, sp, b);
}


void DftWork::release() { aligned_free(owned); }

bool DftWork::get_owned(int size) {
    owned = aligned_alloc_bytes(static_cast<std::uint64_t>(size));
    if (owned == nullptr) return false;
    at = reinterpret_cast<void*>((reinterpret_cast<std::uintptr_t>(owned) + 15) & ~std::uintptr_t{15});
    return true;
}

namespace {

// ---- the embedded power-of-two FFT ----

template <class T>
ZorStatus fft_create(int kind, int order, int flag, int hint, void** out) {
    const auto h = static_cast<ZorHintAlgorithm>(hint);
    switch (kind) {
    case 4: return zorsFFTInitAlloc_C_32fc(reinterpret_cast<ZorsFFTSpec_C_32fc**>(out), order, flag, h);
    case 5: return zorsFFTInitAlloc_C_32f(reinterpret_cast<ZorsFFTSpec_C_32f**>(out), order, flag, h);
    case 6: return zorsFFTInitAlloc_R_32f(reinterpret_cast<ZorsFFTSpec_R_32f**>(out), order, flag, h);
    case 7: return zorsFFTInitAlloc_C_64fc(reinterpret_cast<ZorsFFTSpec_C_64fc**>(out), order, flag, h);
    case 8: return zorsFFTInitAlloc_C_64f(reinterpret_cast<ZorsFFTSpec_C_64f**>(out), order, flag, h);
    default: return zorsFFTInitAlloc_R_64f(reinterpret_cast<ZorsFFTSpec_R_64f**>(out), order, flag, h);
    }
}

void fft_release(int kind, void* s) {
    switch (kind) {
    case 4: zorsFFTFree_C_32fc(static_cast<ZorsFFTSpec_C_32fc*>(s)); break;
    case 5: zorsFFTFree_C_32f(static_cast<ZorsFFTSpec_C_32f*>(s)); break;
    case 6: zorsFFTFree_R_32f(static_cast<ZorsFFTSpec_R_32f*>(s)); break;
    case 7: zorsFFTFree_C_64fc(static_cast<ZorsFFTSpec_C_64fc*>(s)); break;
    case 8: zorsFFTFree_C_64f(static_cast<ZorsFFTSpec_C_64f*>(s)); break;
    default: zorsFFTFree_R_64f(static_cast<ZorsFFTSpec_R_64f*>(s)); break;
    }
}

int fft_size(int kind, const void* s) {
    int v = 0;
    switch (kind) {
    case 4: zorsFFTGetBufSize_C_32fc(static_cast<const ZorsFFTSpec_C_32fc*>(s), &v); break;
    case 5: zorsFFTGetBufSize_C_32f(static_cast<const ZorsFFTSpec_C_32f*>(s), &v); break;
    case 6: zorsFFTGetBufSize_R_32f(static_cast<const ZorsFFTSpec_R_32f*>(s), &v); break;
    case 7: zorsFFTGetBufSize_C_64fc(static_cast<const ZorsFFTSpec_C_64fc*>(s), &v); break;
    case 8: zorsFFTGetBufSize_C_64f(static_cast<const ZorsFFTSpec_C_64f*>(s), &v); break;
    default: zorsFFTGetBufSize_R_64f(static_cast<const ZorsFFTSpec_R_64f*>(s), &v); break;
    }
    return v;
}

template <class T> constexpr int interleaved_kind() { return sizeof(T) == 4 ? 4 : 7; }


// ---- factorisation ----

// Radix 4 while possible, a leading radix 2 for a remaining factor 2, then
// odd factors from 3 up while the remainder is at least their square. The
// remainder (1 or a prime of at most 150) is the innermost length.
bool factorise(int n, int* radix, int& nlev, int& inner) {
    int r = n, k = 0, f4 = 0;
    while (r % 4 == 0) r /= 4, ++f4;
    const bool two = r % 2 == 0;
    if (two) r /= 2;
    if (f4 + (two ? 1 : 0) > 20) return false;
    if (two) radix[k++] = 2;
    for (int i = 0; i < f4; ++i) radix[k++] = 4;
    if (r >= 9) {
        for (int f = 3; r >= f * f;) {
            if (r % f == 0) {
                if (k == 20) return false;
                radix[k++] = f;
                r /= f;
            } else if ((f += 2) > 150) {
                return false;
            }
        }
    }
    nlev = k;
    inner = r;
    return k > 0 && r <= 150;
}

template <class T>
Cx<T>* alloc_cx(std::uint64_t count) {
    return static_cast<Cx<T>*>(aligned_alloc_bytes(count * sizeof(Cx<T>)));
}

template <class T>
Cx<T>* root_table(std::uint64_t n) {
    Cx<T>* r = alloc_cx<T>(n);
    if (r == nullptr) return nullptr;
    for (std::uint64_t j = 0; j < n; ++j) {
        long double c, s;
        unit_root(j, n, c, s);
        r[j] = {static_cast<T>(c), static_cast<T>(s)};
    }
    return r;
}

template <class T>
ZorStatus build_mixed(DftPlan<T>& p, const int* radix, int nlev, int inner) {
    const std::uint64_t n = static_cast<std::uint64_t>(p.n);
    p.alg = DftAlg::mixed;
    p.nlev = nlev;
    p.inner = inner;
    std::uint64_t m = n, s = 1, twn = 0;
    int largest = inner;
    for (int i = 0; i < nlev; ++i) {
        m /= static_cast<std::uint64_t>(radix[i]);
        p.lev[i] = {radix[i], static_cast<std::int32_t>(m), static_cast<std::int32_t>(s), static_cast<std::int32_t>(n / (m * static_cast<std::uint64_t>(radix[i]))), nullptr, nullptr};
        twn += static_cast<std::uint64_t>(radix[i] - 1) * m;
        s *= static_cast<std::uint64_t>(radix[i]);
        largest = radix[i] > largest ? radix[i] : largest;
        largest = static_cast<int>(m) > largest ? static_cast<int>(m) : largest;
    }
    p.largest = largest;
    for (int k = 0; k < kDftShapeCount; ++k) {
        const DftShape& sh = kDftShapes[k];
        bool same = sh.count == nlev + 1 && sh.radix[nlev] == inner;
        for (int i = 0; same && i < nlev; ++i) same = sh.radix[i] == radix[i];
        if (same) p.shape = k + 1;
    }
    p.roots = root_table<T>(n);
    p.twiddles = alloc_cx<T>(twn);
    const std::uint64_t blocks = n / static_cast<std::uint64_t>(inner);
    p.digits = static_cast<std::uint32_t*>(aligned_alloc_bytes(blocks * sizeof(std::uint32_t)));
    if (p.roots == nullptr || p.twiddles == nullptr || p.digits == nullptr) return zorStsMemAllocErr;
    Cx<T>* t = p.twiddles;
    for (int i = 0; i < nlev; ++i) {
        DftLevel<T>& L = p.lev[i];
        const std::uint64_t size = static_cast<std::uint64_t>(L.f) * static_cast<std::uint64_t>(L.m), step = n / size;
        L.tw = t;
        for (std::uint64_t j = 1; j < static_cast<std::uint64_t>(L.f); ++j)
            for (std::uint64_t k = 0; k < static_cast<std::uint64_t>(L.m); ++k) *t++ = p.roots[(j * k * step) % n];
    }
    // the level tables repeated per residue, for the levels of stride 2 and 4
    std::uint64_t twx = 0;
    for (int i = 0; i < nlev; ++i)
        if (p.lev[i].s == 2 || p.lev[i].s == 4) twx += static_cast<std::uint64_t>(p.lev[i].f - 1) * static_cast<std::uint64_t>(p.lev[i].m) * static_cast<std::uint64_t>(p.lev[i].s);
    if (twx > 0 && (p.lane_twiddles = alloc_cx<T>(twx)) == nullptr) return zorStsMemAllocErr;
    t = p.lane_twiddles;
    for (int i = 0; i < nlev; ++i) {
        DftLevel<T>& L = p.lev[i];
        if (L.s == 1) L.twx = L.tw;
        if (L.s != 2 && L.s != 4) continue;
        L.twx = t;
        const std::uint64_t rows = static_cast<std::uint64_t>(L.f - 1) * static_cast<std::uint64_t>(L.m);
        for (std::uint64_t j = 0; j < rows; ++j)
            for (std::int32_t r = 0; r < L.s; ++r) *t++ = L.tw[j];
    }
    for (std::uint64_t b = 0; b < blocks; ++b) {
        std::uint64_t off = b * static_cast<std::uint64_t>(inner), start = 0;
        for (int i = 0; i < nlev; ++i) {
            const std::uint64_t mi = static_cast<std::uint64_t>(p.lev[i].m);
            start += (off / mi) * static_cast<std::uint64_t>(p.lev[i].s);
            off %= mi;
        }
        p.digits[b] = static_cast<std::uint32_t>(start);
    }
    const std::int64_t eb = 2 * static_cast<std::int64_t>(sizeof(T));
    const std::int64_t w = eb * static_cast<std::int64_t>(n) + eb * largest + 16;
    if (w > 0x7fffffff) return zorStsMemAllocErr;
    p.work = static_cast<std::int32_t>(w);
    return zorStsNoErr;
}

template <class T>
ZorStatus build_bluestein(DftPlan<T>& p) {
    const std::uint64_t n = static_cast<std::uint64_t>(p.n);
    int order = 0;
    while ((std::uint64_t{1} << order) < 2 * n - 1) ++order;
    if (order > 30) return zorStsMemAllocErr;
    const std::uint64_t M = std::uint64_t{1} << order;
    p.alg = DftAlg::bluestein;
    p.padded = static_cast<std::int32_t>(M);
    p.chirp = alloc_cx<T>(n);
    p.kernel = alloc_cx<T>(M);
    if (p.chirp == nullptr || p.kernel == nullptr) return zorStsMemAllocErr;
    // chirp from the roots of length 2n at index j² mod 2n
    std::uint64_t idx = 0;
    for (std::uint64_t j = 0; j < n; ++j) {
        if (j > 0) idx = (idx + 2 * j - 1) % (2 * n);
        long double c, s;
        unit_root(idx, 2 * n, c, s);
        p.chirp[j] = {static_cast<T>(c), static_cast<T>(s)};
    }
    // the conjugate chirp, wrapped, and its spectrum in double precision
    ZorsFFTSpec_C_64fc* f64 = nullptr;
    ZorStatus st = zorsFFTInitAlloc_C_64fc(&f64, order, ZOR_FFT_NO_DIV, zorAlgHintNone);
    if (st != zorStsNoErr) return st;
    auto* b = static_cast<Zor64fc*>(aligned_alloc_bytes(M * sizeof(Zor64fc)));
    if (b == nullptr) {
        zorsFFTFree_C_64fc(f64);
        return zorStsMemAllocErr;
    }
    std::memset(static_cast<void*>(b), 0, M * sizeof(Zor64fc));
    idx = 0;
    for (std::uint64_t j = 0; j < n; ++j) {
        if (j > 0) idx = (idx + 2 * j - 1) % (2 * n);
        long double c, s;
        unit_root(idx, 2 * n, c, s);
        b[j] = {static_cast<double>(c), static_cast<double>(-s)};
        if (j > 0) b[M - j] = b[j];
    }
    st = zorsFFTFwd_CToC_64fc(b, b, f64, nullptr);
    zorsFFTFree_C_64fc(f64);
    if (st == zorStsNoErr) {
        const double inv = 1.0 / static_cast<double>(M);
        for (std::uint64_t j = 0; j < M; ++j) p.kernel[j] = {static_cast<T>(b[j].re * inv), static_cast<T>(b[j].im * inv)};
    }
    aligned_free(b);
    if (st != zorStsNoErr) return st;
    p.fft_kind = interleaved_kind<T>();
    st = fft_create<T>(p.fft_kind, order, ZOR_FFT_NO_DIV, zorAlgHintNone, &p.fft);
    if (st != zorStsNoErr) return st;
    const int fs = fft_size(p.fft_kind, p.fft);
    p.apart = static_cast<std::uint64_t>(fs) >= M * sizeof(Cx<T>) + 16;
    const std::int64_t w = 2 * static_cast<std::int64_t>(sizeof(T)) * static_cast<std::int64_t>(M) + 16 + fs;
    if (w > 0x7fffffff) return zorStsMemAllocErr;
    p.work = static_cast<std::int32_t>(w);
    return zorStsNoErr;
}

}  // namespace

template <class T>
void dft_plan_free(DftPlan<T>& p) {
    aligned_free(p.digits);
    aligned_free(p.roots);
    aligned_free(p.twiddles);
    aligned_free(p.lane_twiddles);
    aligned_free(p.chirp);
    aligned_free(p.kernel);
    if (p.fft != nullptr) fft_release(p.fft_kind, p.fft);
    p.digits = nullptr;
    p.roots = p.twiddles = p.lane_twiddles = p.chirp = p.kernel = nullptr;
    p.fft = nullptr;
}

template <class T>
ZorStatus dft_plan_init(DftPlan<T>& p, int n, int fft_kind, int flag, int hint, bool allow_mixed, int direct_limit) {
    ExtendedPrecision x87;  // the tables are computed in long double
    std::memset(static_cast<void*>(&p), 0, sizeof p);
    p.n = n;
    ZorStatus st = zorStsNoErr;
    int radix[20], nlev = 0, inner = 0;
    if (n <= 4) {
        p.alg = DftAlg::tiny;
    } else if ((n & (n - 1)) == 0) {
        int order = 0;
        while ((1 << order) < n) ++order;
        p.alg = DftAlg::pow2;
        p.fft_kind = fft_kind;
        st = fft_create<T>(fft_kind, order, flag, hint, &p.fft);
        if (st == zorStsNoErr) p.work = fft_size(fft_kind, p.fft);
    } else if (allow_mixed && factorise(n, radix, nlev, inner)) {
        st = build_mixed(p, radix, nlev, inner);
    } else if (n > direct_limit) {
        st = build_bluestein(p);
    } else {
        p.alg = DftAlg::direct;
        p.roots = root_table<T>(static_cast<std::uint64_t>(n));
        if (p.roots == nullptr) st = zorStsMemAllocErr;
        p.work = 2 * static_cast<std::int32_t>(sizeof(T)) * n + 16;
    }
    if (st != zorStsNoErr) dft_plan_free(p);
    return st;
}

template ZorStatus dft_plan_init<float>(DftPlan<float>&, int, int, int, int, bool, int);
template ZorStatus dft_plan_init<double>(DftPlan<double>&, int, int, int, int, bool, int);
template void dft_plan_free<float>(DftPlan<float>&);
template void dft_plan_free<double>(DftPlan<double>&);
template <class T> const DftKernelsT<T>& kernels();
template <> const DftKernelsT<float>& kernels<float>() { return dft_kernels().f32; }
template <> const DftKernelsT<double>& kernels<double>() { return dft_kernels().f64; }

template <class T>
ZorStatus dft_plan_run(const DftPlan<T>& p, CView<T> src, CView<T> dst, void* work, bool inv) {
    return kernels<T>().run(p, src, dst, work, inv);
}
template <class T>
void dft_plan_run_outord(const DftPlan<T>& p, Cx<T>* d, bool inv) {
    kernels<T>().outord(p, d, inv);
}
template <class T>
void dft_plan_run_sorted(const DftPlan<T>& p, const Cx<T>* src, Cx<T>* dst, Cx<T>* work, bool inv) {
    kernels<T>().sorted(p, src, dst, work, inv);
}

template ZorStatus dft_plan_run<float>(const DftPlan<float>&, CView<float>, CView<float>, void*, bool);
template ZorStatus dft_plan_run<double>(const DftPlan<double>&, CView<double>, CView<double>, void*, bool);
template void dft_plan_run_outord<float>(const DftPlan<float>&, Cx<float>*, bool);
template void dft_plan_run_outord<double>(const DftPlan<double>&, Cx<double>*, bool);
template void dft_plan_run_sorted<float>(const DftPlan<float>&, const Cx<float>*, Cx<float>*, Cx<float>*, bool);
template void dft_plan_run_sorted<double>(const DftPlan<double>&, const Cx<double>*, Cx<double>*, Cx<double>*, bool);

}  // namespace zors
