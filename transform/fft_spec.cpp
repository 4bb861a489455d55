// FFT specifications: InitAlloc, Free and GetBufSize of all nine kinds
// (C_16sc, C_16s, R_16s, C_32fc, C_32f, R_32f, C_64fc, C_64f, R_64f).
//
// InitAlloc checks ppSpec (-8), the order 0..30 (-15), allocates the object
// (-9), decodes the flag (-16, after releasing the object), then builds the
// tables (-9 after releasing everything). *ppSpec is written only on success.
// Free and GetBufSize check their pointers (-8) and the identifier word (-17);
// Free clears the word before releasing the memory.
//
// Every trigonometric value comes from one quarter-wave sine table computed
// in long double (at full precision whatever the caller's x87 control word),
// each entry at most 7 rotation steps from an anchor computed directly from
// an argument of at most π/4, and rounded to the element precision once.
#include <cmath>
#include <cstring>

#include "frame/check.h"
#include "frame/fpenv.h"
#include "frame/memory.h"
#include "transform/fft.h"

namespace zors {

namespace {

// Exponents of the four-step split, by order (single from order 11, double
// from order 10). They fix the reported work-buffer sizes.
constexpr int kSplit32[20] = {0, 0, 5, 6, 7, 8, 8, 8, 10, 10, 10, 10, 8, 8, 10, 10, 10, 10, 10, 10};
constexpr int kSplit64[21] = {0, 0, 4, 5, 6, 7, 7, 8, 9, 9, 9, 8, 8, 9, 9, 9, 9, 9, 9, 9, 9};

// The largest exponent met while descending the split chain of `order`.
int largest_split(int order, bool dbl) {
    const int block = dbl ? 9 : 10;
    int m = 0;
    for (int o = order; o > block;) {
        const int k = dbl ? kSplit64[o - 10] : kSplit32[o - 11];
        if (k == 0) break;
        m = k > m ? k : m;
        o -= k;
    }
    return m;
}

// sin(2πm/N) for m = 0 .. N/4 in long double: sin(θm) and cos(θm) for
// m <= N/8 (θ = 2π/N) fill t[m] and t[N/4 - m]. Runs of 8 angles start from
// an anchor computed directly and rotate by θ in long double, which keeps
// every value within a few units of the 64-bit mantissa's last place (far
// below the precision of the tables made from it) at a fraction of the
// library calls.
long double* quarter_table(int order) {
    const std::uint64_t n = std::uint64_t{1} << order;
    const std::uint64_t q = n / 4;
    auto* t = static_cast<long double*>(aligned_alloc_bytes((q + 1) * sizeof(long double)));
    if (t == nullptr) return nullptr;
    const long double two_pi = 6.283185307179586476925286766559005768L;
    const long double theta = two_pi / static_cast<long double>(n);
    const long double cr = std::cos(theta), sr = std::sin(theta);
    constexpr std::uint64_t kRun = 8;
    long double c = 1, sn = 0;
    for (std::uint64_t m = 0; 8 * m <= n && m <= q; ++m) {
        if (m % kRun == 0) {
            const long double a = theta * static_cast<long double>(m);
            c = std::cos(a);
            sn = std::sin(a);
        } else {
            const long double c2 = c * cr - sn * sr;
            sn = sn * cr + c * sr;
            c = c2;
        }
        t[m] = sn;
        t[q - m] = c;
    }
    if (n < 4) t[0] = 0;  // orders 0 and 1 have no quarter wave
    return t;
}

// cos and sin of 2πa/N for 0 <= a < N by quadrant symmetry.
struct CosSin {
    long double c, s;
};
CosSin angle(const long double* t, std::uint64_t n, std::uint64_t a) {
    const std::uint64_t q = n / 4;
    const std::uint64_t quad = a / q, b = a % q;
    switch (quad) {
    case 0: return {t[q - b], t[b]};
    case 1: return {-t[b], t[q - b]};
    case 2: return {-t[q - b], -t[b]};
    default: return {t[b], -t[q - b]};
    }
}

template <class T>
void free_tables(FftSpecF<T>* s) {
    aligned_free(s->rev);
    aligned_free(s->twiddle);
    aligned_free(s->split);
    aligned_free(s->merge);
    aligned_free(s->small_tw);
}

template <class T>
void free_spec_any(void* p) {
    auto* s = static_cast<FftSpecF<T>*>(p);
    s->id = 0;
    free_tables(s);
    aligned_free(s);
}

// Tables of the complex transform of `order` points taken from the sine table
// `t` of 2^torder points; for real kinds also the split and merge tables.
// Factors of the short transforms (see fft.simd.cpp), each W = c - i·s
// stored as the pair of vectors (c, c, ...), (s, -s, ...) over the U lanes.
// Up to order 6 (N = U lanes x M vectors): W_N^(l·k) for k < M, lane l.
// Above (N = N1 x N2): W_N^(n1·k2) for the blocks of U columns n1 and k2 < N2.
// Then the chains of the lane-wise transforms (M; or N2, then N1).
template <class T>
bool build_small(FftSpecF<T>* s, int order, const long double* t, std::uint64_t tn) {
    const std::size_t u = static_cast<std::size_t>(small_lanes<T>(order)), n = std::size_t{1} << order;
    s->small_tw = static_cast<T*>(aligned_alloc_bytes(small_table_size<T>(order) * sizeof(T)));
    if (s->small_tw == nullptr) return false;
    T* w = s->small_tw;
    const auto put = [&](std::size_t lane, std::uint64_t a) {
        const CosSin cs = angle(t, tn, a % tn);
        w[2 * lane] = w[2 * lane + 1] = static_cast<T>(cs.c);
        w[2 * u + 2 * lane] = static_cast<T>(cs.s);
        w[2 * u + 2 * lane + 1] = static_cast<T>(-cs.s);
    };
    const auto chain = [&](std::size_t m) {
        for (std::size_t q = m; q >= 16; q /= 4)
            for (std::size_t j = 0; j < q; ++j, w += 4 * u)
                for (std::size_t l = 0; l < u; ++l) put(l, j * (tn / q));
    };
    if (order <= kOnePassMaxOrder) {
        for (std::size_t k = 0; k < n / u; ++k, w += 4 * u)
            for (std::size_t l = 0; l < u; ++l) put(l, l * k * (tn / n));
        chain(n / u);
    } else {
        const std::size_t n1 = mid_n1(order), n2 = n / n1;
        for (std::size_t b = 0; b < n1; b += u)
            for (std::size_t k = 0; k < n2; ++k, w += 4 * u)
                for (std::size_t l = 0; l < u; ++l) put(l, (b + l) * k * (tn / n));
        chain(n2);
        chain(n1);
    }
    s->plan.small = s->small_tw;
    return true;
}

// Specifications made inside an ExactFftScope on this thread.
thread_local int exact_scopes = 0;

template <class T>
bool build_tables(FftSpecF<T>* s, int order, int torder, bool real, bool inter, const long double* t) {
    FftPlan<T>& pl = s->plan;
    pl.order = order;
    // Interleaved data runs in blocks of 16 KiB, half a first-level cache of
    // 32 KiB, which leaves room for the factors: against 64 KiB blocks,
    // 2^11 to 2^17 points take 4-10% less time (32 KiB blocks gain half as
    // much). Separate arrays keep 64 KiB: where the two lie a multiple of
    // 4 KiB apart, as two large blocks from the heap do, a single pass of
    // the short blocks' pass order has its eight streams in one set of the
    // first-level cache, which the pairs of the long blocks avoid (2^12
    // single-precision points: twice the time).
    pl.block = static_cast<std::int32_t>((inter ? 16384 : 65536) / (2 * sizeof(T)));
    if (real && torder >= 3) {
        const std::uint64_t n = std::uint64_t{1} << torder, q = n / 4;
        s->split = static_cast<T*>(aligned_alloc_bytes(2 * (q + 1) * sizeof(T)));
        s->merge = static_cast<T*>(aligned_alloc_bytes(2 * (q + 1) * sizeof(T)));
        if (s->split == nullptr || s->merge == nullptr) return false;
        for (std::uint64_t k = 0; k <= q; ++k) {
            const CosSin cs = angle(t, n, k);
            s->split[k] = static_cast<T>(cs.c / 2);
            s->split[q + 1 + k] = static_cast<T>((1 - cs.s) / 2);
            s->merge[k] = static_cast<T>(cs.c);
            s->merge[q + 1 + k] = static_cast<T>(cs.s);
        }
    }
    if (order < 2) return true;
    if (inter && order >= kSmallMinOrder && order <= small_max_order<T>() && !build_small(s, order, t, std::uint64_t{1} << torder)) return false;
    pl.revbits = (order + 1) / 2;
    const std::uint32_t rn = 1u << pl.revbits;
    s->rev = static_cast<std::uint32_t*>(aligned_alloc_bytes(rn * sizeof(std::uint32_t)));
    if (s->rev == nullptr) return false;
    for (std::uint32_t i = 0; i < rn; ++i) {
        std::uint32_t r = 0;
        for (int b = 0; b < pl.revbits; ++b) r |= ((i >> b) & 1u) << (pl.revbits - 1 - b);
        s->rev[i] = r;
    }
    pl.rev = s->rev;
    const std::uint64_t n = std::uint64_t{1} << order, tn = std::uint64_t{1} << torder;
    std::uint64_t total = 0;
    int np = 0;
    for (std::uint64_t q = order % 2 ? 8 : 4; 4 * q <= n; q *= 4, ++np) total += 6 * q;
    pl.npass = np;
    if (np == 0) return true;
    // Interleaved kinds also get the runs of kPermBytes in the order of the
    // permuted blocks.
    constexpr std::uint64_t pw = kPermBytes / sizeof(T);
    s->twiddle = static_cast<T*>(aligned_alloc_bytes((inter ? 2 * total : total) * sizeof(T)));
    if (s->twiddle == nullptr) return false;
    T* w = s->twiddle;
    T* wp = s->twiddle + total;
    np = 0;
    for (std::uint64_t q = order % 2 ? 8 : 4; 4 * q <= n; q *= 4, ++np) {
        const std::uint64_t stride = tn / (4 * q);
        for (int m = 1; m <= 3; ++m) {
            for (std::uint64_t k = 0; k < q; ++k) {
                const CosSin cs = angle(t, tn, (m * k * stride) % tn);
                w[(2 * m - 2) * q + k] = static_cast<T>(cs.c);
                w[(2 * m - 1) * q + k] = static_cast<T>(cs.s);
            }
        }
        pl.pass[np] = {w, w, static_cast<std::int32_t>(q)};
        if (inter && q >= pw) {
            for (std::uint64_t i = 0; i < 6 * q; ++i) wp[i] = w[i - i % pw + perm_point<T>(i % pw)];
            pl.pass[np].twp = wp;
            wp += 6 * q;
        }
        w += 6 * q;
    }
    return true;
}

template <class T>
ZorStatus init_alloc(FftSpecF<T>** pp, int order, int flag, int hint, FftKind id) {
    ZORS_CHECK(nonnull(pp), require(order >= 0 && order <= 30, zorStsFftOrderErr));
    auto* s = static_cast<FftSpecF<T>*>(aligned_alloc_bytes(sizeof(FftSpecF<T>)));
    if (s == nullptr) return zorStsMemAllocErr;
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->id = id;
    s->order = order;
    s->hint = hint;
    s->plan.exact = exact_scopes > 0;
    const double n = std::ldexp(1.0, order);
    switch (flag) {
    case ZOR_FFT_DIV_FWD_BY_N: s->fwd_scaled = 1; s->scale = static_cast<T>(T(1) / static_cast<T>(n)); break;
    case ZOR_FFT_DIV_INV_BY_N: s->inv_scaled = 1; s->scale = static_cast<T>(T(1) / static_cast<T>(n)); break;
    case ZOR_FFT_DIV_BY_SQRTN: s->fwd_scaled = s->inv_scaled = 1; s->scale = static_cast<T>(1.0 / std::sqrt(n)); break;
    case ZOR_FFT_NO_DIV: break;
    default: aligned_free(s); return zorStsFftFlagErr;
    }
    const bool real = id == kFftR32f || id == kFftR64f;
    s->buf_size = fft_buf_size(id, order);
    const int corder = real ? (order > 0 ? order - 1 : 0) : order;
    ExtendedPrecision x87;
    long double* t = quarter_table(order);
    const bool inter = id != kFftC32f && id != kFftC64f;
    bool ok = t != nullptr && build_tables(s, corder, order, real, inter, t);
    aligned_free(t);
    if (!ok) {
        free_tables(s);
        aligned_free(s);
        return zorStsMemAllocErr;
    }
    *pp = s;
    return zorStsNoErr;
}

// Q14 rotation of 2πk/N for k < N: ⌊16384·t + 0.5⌋ of the quarter-wave
// values, with the signs and swaps of the quadrants.
Zor16s* q14_table(const long double* t, std::uint64_t n) {
    auto* w = static_cast<Zor16s*>(aligned_alloc_bytes(4 * n * sizeof(Zor16s)));
    if (w == nullptr) return nullptr;
    for (std::uint64_t k = 0; k < n; ++k) {
        Zor16s c = 16384, sn = 0;
        if (n >= 4) {
            const std::uint64_t q = n / 4, quad = k / q, b = k % q;
            const auto qv = [&](std::uint64_t m) { return static_cast<Zor16s>(std::floor(16384 * t[m] + 0.5L)); };
            switch (quad) {
            case 0: c = qv(q - b); sn = qv(b); break;
            case 1: c = static_cast<Zor16s>(-qv(b)); sn = qv(q - b); break;
            case 2: c = static_cast<Zor16s>(-qv(q - b)); sn = static_cast<Zor16s>(-qv(b)); break;
            default: c = qv(b); sn = static_cast<Zor16s>(-qv(q - b)); break;
            }
        } else if (n == 2 && k == 1) {
            c = -16384;
        }
        w[4 * k] = c;
        w[4 * k + 1] = sn;
        w[4 * k + 2] = static_cast<Zor16s>(-sn);
        w[4 * k + 3] = c;
    }
    return w;
}

void free_spec16(FftSpec16* s) {
    aligned_free(s->rev);
    aligned_free(s->twiddle);
    aligned_free(s->split);
    if (s->fspec != nullptr) {
        if (fft_id(s->fspec) == kFftC32fc || fft_id(s->fspec) == kFftC32f || fft_id(s->fspec) == kFftR32f)
            free_spec_any<float>(s->fspec);
    }
    aligned_free(s);
}

ZorStatus init_alloc16(FftSpec16** pp, int order, int flag, int hint, FftKind id) {
    ZORS_CHECK(nonnull(pp), require(order >= 0 && order <= 30, zorStsFftOrderErr));
    auto* s = static_cast<FftSpec16*>(aligned_alloc_bytes(sizeof(FftSpec16)));
    if (s == nullptr) return zorStsMemAllocErr;
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->id = id;
    s->order = order;
    s->hint = hint;
    switch (flag) {
    case ZOR_FFT_DIV_FWD_BY_N: s->fwd_shift = order; break;
    case ZOR_FFT_DIV_INV_BY_N: s->inv_shift = order; break;
    case ZOR_FFT_DIV_BY_SQRTN: s->fwd_shift = s->inv_shift = order / 2; s->sqrt2 = order % 2; break;
    case ZOR_FFT_NO_DIV: break;
    default: aligned_free(s); return zorStsFftFlagErr;
    }
    const bool real = id == kFftR16s;
    const std::int64_t n = std::int64_t{1} << order;
    ExtendedPrecision x87;
    const int base = real ? static_cast<int>(4 * n + 24) : static_cast<int>(8 * n + 16);
    bool ok = true;
    if (order == 0) {
        s->buf_size = 0;
    } else if ((hint == zorAlgHintNone || hint == zorAlgHintFast) && order <= 5) {
        s->int_path = 1;
        s->buf_size = real ? base : static_cast<int>(12 * n + 16);
        long double* t = quarter_table(order);
        ok = t != nullptr;
        if (ok) {
            // The complex transform has order - 1 points for the real kind
            // and reads the same table with stride 2.
            s->twiddle = q14_table(t, static_cast<std::uint64_t>(n));
            ok = s->twiddle != nullptr;
            const int corder = real ? order - 1 : order;
            const std::uint32_t cn = 1u << corder;
            s->rev = static_cast<std::uint32_t*>(aligned_alloc_bytes(cn * sizeof(std::uint32_t)));
            ok = ok && s->rev != nullptr;
            for (std::uint32_t i = 0; ok && i < cn; ++i) {
                std::uint32_t r = 0;
                for (int b = 0; b < corder; ++b) r |= ((i >> b) & 1u) << (corder - 1 - b);
                s->rev[i] = r;
            }
            if (ok && real) {
                s->split = q14_table(t, static_cast<std::uint64_t>(n));
                ok = s->split != nullptr;
            }
        }
        aligned_free(t);
    } else {
        const FftKind fk = id == kFftC16sc ? kFftC32fc : id == kFftC16s ? kFftC32f : kFftR32f;
        FftSpecF<float>* f = nullptr;
        const ExactFftScope exact;  // integer results
        const ZorStatus st = init_alloc<float>(&f, order, flag, zorAlgHintNone, fk);
        ok = st == zorStsNoErr;
        s->fspec = f;
        if (ok) s->buf_size = base + f->buf_size;
    }
    if (!ok) {
        free_spec16(s);
        return zorStsMemAllocErr;
    }
    *pp = s;
    return zorStsNoErr;
}

ZorStatus free16(void* p, FftKind id) {
    ZORS_CHECK(spec_status(p, id));
    auto* s = static_cast<FftSpec16*>(p);
    s->id = 0;
    free_spec16(s);
    return zorStsNoErr;
}

ZorStatus get_buf_size16(const void* p, int* size, FftKind id) {
    ZORS_CHECK(nonnull(p, size), spec_status(p, id));
    *size = static_cast<const FftSpec16*>(p)->buf_size;
    return zorStsNoErr;
}

template <class S>
ZorStatus init16(S** pp, int order, int flag, ZorHintAlgorithm hint, FftKind id) {
    return init_alloc16(reinterpret_cast<FftSpec16**>(pp), order, flag, static_cast<int>(hint), id);
}

template <class T>
ZorStatus free_spec(void* p, FftKind id) {
    ZORS_CHECK(spec_status(p, id));
    free_spec_any<T>(p);
    return zorStsNoErr;
}

template <class T>
ZorStatus get_buf_size(const void* p, int* size, FftKind id) {
    ZORS_CHECK(nonnull(p, size), spec_status(p, id));
    *size = static_cast<const FftSpecF<T>*>(p)->buf_size;
    return zorStsNoErr;
}

template <class T, class S>
ZorStatus init(S** pp, int order, int flag, ZorHintAlgorithm hint, FftKind id) {
    return init_alloc(reinterpret_cast<FftSpecF<T>**>(pp), order, flag, static_cast<int>(hint), id);
}

}  // namespace

ExactFftScope::ExactFftScope(bool on_) noexcept : on(on_) { exact_scopes += on; }
ExactFftScope::~ExactFftScope() { exact_scopes -= on; }

int fft_buf_size(std::uint32_t id, int order) {
    const std::int64_t n = std::int64_t{1} << order;
    switch (id) {
    case kFftC32fc: case kFftC32f:
        if (order < 4) return 0;
        if (order <= 10) return static_cast<int>(8 * n + 16);
        {
        const int m = largest_split(order, false);
        return 8208 + (m > 0 ? 32 << m : 0);
    }
    case kFftC64fc: case kFftC64f:
        if (order < 10) return 0;
        {
        const int m = largest_split(order, true);
        return 16 + (m > 0 ? 64 << m : 0);
    }
    case kFftR32f:
        if (order < 4) return 0;
        if (order <= 11) return static_cast<int>(4 * n + 16);
        return fft_buf_size(kFftC32fc, order - 1);
    case kFftR64f:
        if (order <= 10) return 0;
        return fft_buf_size(kFftC64fc, order - 1);
    default: return 0;
    }
}

}  // namespace zors

using namespace zors;

ZorStatus zorsFFTInitAlloc_C_32fc(ZorsFFTSpec_C_32fc** pp, int order, int flag, ZorHintAlgorithm hint) { return init<float>(pp, order, flag, hint, kFftC32fc); }
ZorStatus zorsFFTInitAlloc_C_32f(ZorsFFTSpec_C_32f** pp, int order, int flag, ZorHintAlgorithm hint) { return init<float>(pp, order, flag, hint, kFftC32f); }
ZorStatus zorsFFTInitAlloc_R_32f(ZorsFFTSpec_R_32f** pp, int order, int flag, ZorHintAlgorithm hint) { return init<float>(pp, order, flag, hint, kFftR32f); }
ZorStatus zorsFFTInitAlloc_C_64fc(ZorsFFTSpec_C_64fc** pp, int order, int flag, ZorHintAlgorithm hint) { return init<double>(pp, order, flag, hint, kFftC64fc); }
ZorStatus zorsFFTInitAlloc_C_64f(ZorsFFTSpec_C_64f** pp, int order, int flag, ZorHintAlgorithm hint) { return init<double>(pp, order, flag, hint, kFftC64f); }
ZorStatus zorsFFTInitAlloc_R_64f(ZorsFFTSpec_R_64f** pp, int order, int flag, ZorHintAlgorithm hint) { return init<double>(pp, order, flag, hint, kFftR64f); }

ZorStatus zorsFFTFree_C_32fc(ZorsFFTSpec_C_32fc* p) { return free_spec<float>(p, kFftC32fc); }
ZorStatus zorsFFTFree_C_32f(ZorsFFTSpec_C_32f* p) { return free_spec<float>(p, kFftC32f); }
ZorStatus zorsFFTFree_R_32f(ZorsFFTSpec_R_32f* p) { return free_spec<float>(p, kFftR32f); }
ZorStatus zorsFFTFree_C_64fc(ZorsFFTSpec_C_64fc* p) { return free_spec<double>(p, kFftC64fc); }
ZorStatus zorsFFTFree_C_64f(ZorsFFTSpec_C_64f* p) { return free_spec<double>(p, kFftC64f); }
ZorStatus zorsFFTFree_R_64f(ZorsFFTSpec_R_64f* p) { return free_spec<double>(p, kFftR64f); }

ZorStatus zorsFFTGetBufSize_C_32fc(const ZorsFFTSpec_C_32fc* p, int* pSize) { return get_buf_size<float>(p, pSize, kFftC32fc); }
ZorStatus zorsFFTGetBufSize_C_32f(const ZorsFFTSpec_C_32f* p, int* pSize) { return get_buf_size<float>(p, pSize, kFftC32f); }
ZorStatus zorsFFTGetBufSize_R_32f(const ZorsFFTSpec_R_32f* p, int* pSize) { return get_buf_size<float>(p, pSize, kFftR32f); }
ZorStatus zorsFFTGetBufSize_C_64fc(const ZorsFFTSpec_C_64fc* p, int* pSize) { return get_buf_size<double>(p, pSize, kFftC64fc); }
ZorStatus zorsFFTGetBufSize_C_64f(const ZorsFFTSpec_C_64f* p, int* pSize) { return get_buf_size<double>(p, pSize, kFftC64f); }
ZorStatus zorsFFTGetBufSize_R_64f(const ZorsFFTSpec_R_64f* p, int* pSize) { return get_buf_size<double>(p, pSize, kFftR64f); }

ZorStatus zorsFFTInitAlloc_C_16sc(ZorsFFTSpec_C_16sc** pp, int order, int flag, ZorHintAlgorithm hint) { return init16(pp, order, flag, hint, kFftC16sc); }
ZorStatus zorsFFTInitAlloc_C_16s(ZorsFFTSpec_C_16s** pp, int order, int flag, ZorHintAlgorithm hint) { return init16(pp, order, flag, hint, kFftC16s); }
ZorStatus zorsFFTInitAlloc_R_16s(ZorsFFTSpec_R_16s** pp, int order, int flag, ZorHintAlgorithm hint) { return init16(pp, order, flag, hint, kFftR16s); }
ZorStatus zorsFFTFree_C_16sc(ZorsFFTSpec_C_16sc* p) { return free16(p, kFftC16sc); }
ZorStatus zorsFFTFree_C_16s(ZorsFFTSpec_C_16s* p) { return free16(p, kFftC16s); }
ZorStatus zorsFFTFree_R_16s(ZorsFFTSpec_R_16s* p) { return free16(p, kFftR16s); }
ZorStatus zorsFFTGetBufSize_C_16sc(const ZorsFFTSpec_C_16sc* p, int* pSize) { return get_buf_size16(p, pSize, kFftC16sc); }
ZorStatus zorsFFTGetBufSize_C_16s(const ZorsFFTSpec_C_16s* p, int* pSize) { return get_buf_size16(p, pSize, kFftC16s); }
ZorStatus zorsFFTGetBufSize_R_16s(const ZorsFFTSpec_R_16s* p, int* pSize) { return get_buf_size16(p, pSize, kFftR16s); }
