// FIR states with integer taps and 16-bit data: 32s_16s and 32sc_16sc, with
// their single-precision taps entries (32s_16s32f, 32sc_16sc32fc).
//
// The stored taps are normalised to 16 bits with an effective factor (tap
// value = stored * 2^factor):
// - 32-bit taps: the largest magnitude (over both parts of complex taps) is
//   halved until it is 32766 or less; every tap is shifted right
//   arithmetically that many times and the factor grows by as much.
// - floating taps: the largest magnitude m is halved while above 32767, or
//   doubled (2m, 4m, ...) while below 32767, and the taps scaled by the same
//   power of two, rounded to nearest with ties away from zero; taps that are
//   all zero or not finite store zeros with factor 0.
// Filtering sums tap * sample in a 32-bit accumulator with wrap-around, then
// scales by 2^(factor - scaleFactor) with the integer rule (round to nearest,
// ties to even, saturate). Integer-tap states have no transform path and run
// on the calling thread.
#include <cmath>

#include "filter/fir_impl.h"
#include "frame/scale.h"

namespace zors::fir {
namespace {

template <class D>
struct IntState {
    static constexpr bool cplx = is_complex_v<D>;
    using Tap = std::conditional_t<cplx, Zor32sc, Zor32s>;
    using FTap = std::conditional_t<cplx, Zor32fc, Zor32f>;
    using Acc = fir_acc_t<D>;
    static constexpr std::uint32_t kSr = kind_word(kFirTag, FirIntType<D>::sr_kind);
    static constexpr std::uint32_t kMr = kind_word(kFirTag, FirIntType<D>::mr_kind);
    static constexpr int kScratch = 16384;
    static constexpr int kChunk = 4096;
    static_assert(kChunk * sizeof(D) <= kScratch);

    static std::uint64_t documented_size(std::uint64_t l) {
        if constexpr (cplx) return 80 + 16 * l + align16(8 * l) + align16(12 * l + 16) + 16384 + 16;
        else return 80 + align16(4 * l) + align16(2 * (3 * l + 4)) + align16(8 * l) + 16384 + 16;
    }

    struct Base {
        StateLayout lay;
        std::uint32_t taps, taps16, dly, scratch;
        explicit Base(int len) {
            const auto l = static_cast<std::uint64_t>(len);
            lay.add(sizeof(FirIntRec));
            taps = lay.add(l * sizeof(Tap));
            taps16 = lay.add(l * sizeof(D));
            dly = lay.add((3 * l + 4) * sizeof(D));
            scratch = lay.add(kScratch);
        }
    };

    static int state_size(int len) { return size_or_fail(documented_size(static_cast<std::uint64_t>(len))); }
    // (Evaluated with the other checks: a null state is the pointer check's.)
    static ZorStatus kind(const void* s, bool multi_rate_too) {
        if (s == nullptr) return zorStsNullPtrErr;
        const std::uint32_t id = object_id(s);
        return id == kSr || (multi_rate_too && id == kMr) ? zorStsNoErr : zorStsContextMatchErr;
    }
    static Tap* taps(FirIntRec* r) { return piece<Tap>(r, r->taps); }
    static D* taps16(FirIntRec* r) { return piece<D>(r, r->taps16); }
    static D* dly(FirIntRec* r) { return piece<D>(r, r->dly); }

    // Parts of a complex or real value as an array.
    template <class T>
    static auto* parts(T* v) {
        if constexpr (is_complex_v<std::remove_const_t<T>>) {
            using P = part_t<std::remove_const_t<T>>;
            return reinterpret_cast<std::conditional_t<std::is_const_v<T>, const P*, P*>>(v);
        } else {
            return v;
        }
    }
    static constexpr int kParts = cplx ? 2 : 1;

    static std::int32_t clamp32(std::int64_t v) {
        return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(v);
    }

    // Stores normalised 32-bit taps (forward order in h) with their factor.
    static void store_int(FirIntRec* r, const Tap* h, int factor) {
        const int n = r->len * kParts;
        const Zor32s* hp = parts(h);
        std::int64_t m = 0;
        for (int i = 0; i < n; ++i) {
            const std::int64_t a = hp[i] < 0 ? -std::int64_t{hp[i]} : hp[i];
            m = a > m ? a : m;
        }
        int shift = 0;
        for (; m > 32766; m >>= 1) ++shift;
        Zor32s* t = parts(taps(r));
        Zor16s* t16 = parts(taps16(r));
        for (int i = 0; i < r->len; ++i)
            for (int c = 0; c < kParts; ++c) {
                const Zor32s v = hp[(r->len - 1 - i) * kParts + c] >> shift;
                t[i * kParts + c] = v;
                t16[i * kParts + c] = static_cast<Zor16s>(v);
            }
        r->taps_factor = clamp32(std::int64_t{factor} + shift);
        mr_store(r);
    }

    // Stores floating taps, scaled to 16 bits.
    static void store_float(FirIntRec* r, const FTap* h) {
        const int n = r->len * kParts;
        const Zor32f* hp = parts(h);
        float m = 0;
        for (int i = 0; i < n; ++i) m = std::fabs(hp[i]) > m ? std::fabs(hp[i]) : m;
        int factor = 0;
        double scale = 1.0;
        const bool usable = std::isfinite(m) && m > 0;
        if (usable && m > 32767) {
            for (; m > 32767; m /= 2, scale /= 2) ++factor;
        } else if (usable) {
            for (float m2 = 2 * m; m2 < 32767; m2 *= 2, scale *= 2) --factor;
        }
        Zor32s* t = parts(taps(r));
        Zor16s* t16 = parts(taps16(r));
        for (int i = 0; i < r->len; ++i)
            for (int c = 0; c < kParts; ++c) {
                const double v = usable ? hp[(r->len - 1 - i) * kParts + c] * scale : 0.0;
                const Zor32s q = round_scaled<Zor32s>(v, 0, Tie::away);
                t[i * kParts + c] = q;
                t16[i * kParts + c] = static_cast<Zor16s>(q);
            }
        r->taps_factor = factor;
        mr_store(r);
    }

    // The plan's copy of the 16-bit taps (multi-rate states).
    static void mr_store(FirIntRec* r) {
        if (r->id != kMr) return;
        const D* t16 = taps16(r);
        const int len = r->len;
        mr_taps<D>(plan(r), [t16, len](int i) { return t16[len - 1 - i]; });
    }

    // The window is dly[0 .. dly_len - 1], newest last.
    static void store_dly(FirIntRec* r, const D* line) {
        const int len = r->dly_len;
        D* d = dly(r);
        const std::size_t n = r->id == kMr ? static_cast<std::size_t>(len) : 3 * static_cast<std::size_t>(len) + 4;
        std::memset(static_cast<void*>(d), 0, sizeof(D) * n);
        if (line != nullptr)
            for (int j = 0; j < len; ++j) d[len - 1 - j] = line[j];
        r->dly_index = 0;
    }

    template <class Store>
    static ZorStatus build(void** pp, int len, const D* line, Zor8u* buffer, Store store) {
        const Base b(len);
        auto* r = reinterpret_cast<FirIntRec*>(state_memory(buffer, b.lay.total()));
        if (r == nullptr) return zorStsMemAllocErr;
        r->id = kSr;
        r->taps = b.taps;
        r->taps16 = b.taps16;
        r->dly = b.dly;
        r->scratch = b.scratch;
        r->len = len;
        r->dly_len = len;
        r->short_limit = roundup4(len) + 1;
        r->up_factor = r->down_factor = 1;
        r->owns = buffer == nullptr ? 1 : 0;
        store(r);
        store_dly(r, line);
        *pp = r;
        return zorStsNoErr;
    }

    // ---- exports ----------------------------------------------------------

    static ZorStatus get_state_size(int len, int* size) {
        ZORS_CHECK(nonnull(size), require(len >= 1, zorStsFIRLenErr));
        const int s = state_size(len);
        ZORS_CHECK(require(s > 0, zorStsFIRLenErr));
        *size = s;
        return zorStsNoErr;
    }
    static ZorStatus init_alloc(void** pp, const Tap* h, int len, int factor, const D* line) {
        ZORS_CHECK(nonnull(pp, h), require(len >= 1, zorStsFIRLenErr), require(state_size(len) > 0, zorStsMemAllocErr));
        return build(pp, len, line, nullptr, [&](FirIntRec* r) { store_int(r, h, factor); });
    }
    static ZorStatus init(void** pp, const Tap* h, int len, int factor, const D* line, Zor8u* buffer) {
        ZORS_CHECK(nonnull(pp, h, buffer), require(len >= 1, zorStsFIRLenErr), require(state_size(len) > 0, zorStsFIRLenErr));
        return build(pp, len, line, buffer, [&](FirIntRec* r) { store_int(r, h, factor); });
    }
    static ZorStatus init_alloc_f(void** pp, const FTap* h, int len, const D* line) {
        ZORS_CHECK(nonnull(pp, h), require(len >= 1, zorStsFIRLenErr), require(state_size(len) > 0, zorStsMemAllocErr));
        return build(pp, len, line, nullptr, [&](FirIntRec* r) { store_float(r, h); });
    }
    static ZorStatus init_f(void** pp, const FTap* h, int len, const D* line, Zor8u* buffer) {
        ZORS_CHECK(nonnull(pp, h, buffer), require(len >= 1, zorStsFIRLenErr), require(state_size(len) > 0, zorStsFIRLenErr));
        return build(pp, len, line, buffer, [&](FirIntRec* r) { store_float(r, h); });
    }
    static ZorStatus set_taps(const Tap* h, void* s, int factor) {
        ZORS_CHECK(nonnull(h, s), kind(s, true));
        store_int(static_cast<FirIntRec*>(s), h, factor);
        return zorStsNoErr;
    }
    static ZorStatus set_taps_f(const FTap* h, void* s) {
        ZORS_CHECK(nonnull(h, s), kind(s, true));
        store_float(static_cast<FirIntRec*>(s), h);
        return zorStsNoErr;
    }
    static ZorStatus get_taps(const void* s, Tap* h, int* factor) {
        ZORS_CHECK(nonnull(s, h, factor), kind(s, true));
        auto* r = const_cast<FirIntRec*>(static_cast<const FirIntRec*>(s));
        const Tap* t = taps(r);
        for (int i = 0; i < r->len; ++i) h[i] = t[r->len - 1 - i];
        *factor = r->taps_factor;
        return zorStsNoErr;
    }
    static ZorStatus get_taps_f(const void* s, FTap* h) {
        ZORS_CHECK(nonnull(s, h), kind(s, true));
        auto* r = const_cast<FirIntRec*>(static_cast<const FirIntRec*>(s));
        const Zor32s* t = parts(taps(r));
        Zor32f* hp = parts(h);
        for (int i = 0; i < r->len; ++i)
            for (int c = 0; c < kParts; ++c)
                hp[i * kParts + c] = static_cast<Zor32f>(std::ldexp(static_cast<double>(t[(r->len - 1 - i) * kParts + c]), r->taps_factor));
        return zorStsNoErr;
    }
    static ZorStatus set_dly(void* s, const D* line) {
        ZORS_CHECK(nonnull(s), kind(s, true));
        store_dly(static_cast<FirIntRec*>(s), line);
        return zorStsNoErr;
    }
    static ZorStatus get_dly(const void* s, D* line) {
        ZORS_CHECK(nonnull(s, line), kind(s, true));
        auto* r = const_cast<FirIntRec*>(static_cast<const FirIntRec*>(s));
        const D* w = dly(r) + r->dly_index;
        for (int j = 0; j < r->dly_len; ++j) line[j] = w[r->dly_len - 1 - j];
        return zorStsNoErr;
    }
    static ZorStatus release(void* s) {
        ZORS_CHECK(nonnull(s), kind(s, true));
        auto* r = static_cast<FirIntRec*>(s);
        if (r->owns != 1) return zorStsNoErr;
        r->id = 0;
        aligned_free(r);
        return zorStsNoErr;
    }

    // Sums of `count` outputs whose windows start at x, scaled into y.
    static void produce(FirIntRec* r, const D* x, D* y, int count, int sf) {
        constexpr int kTile = 256;
        Acc acc[kTile];
        const auto dot = [] {
            if constexpr (cplx) return fir_kernels().dot_16sc;
            else return fir_kernels().dot_16s;
        }();
        const std::int32_t e = clamp32(std::int64_t{sf} - r->taps_factor);
        const int sfe = e > 200 ? 200 : e < -200 ? -200 : e;
        for (int j = 0; j < count; j += kTile) {
            const int c = count - j < kTile ? count - j : kTile;
            dot(x + j, taps16(r), r->len, acc, c);
            const Zor32s* a = parts(acc);
            Zor16s* out = parts(y + j);
            for (int k = 0; k < c * kParts; ++k) out[k] = scale_sat<Zor16s>(std::int64_t{a[k]}, sfe);
        }
    }

    static void run(FirIntRec* r, const D* src, D* dst, int n, int sf) {
        window_direct(dly(r), r->dly_index, r->len, r->short_limit, src, n, false,
                      [&](const D* x, int begin, int count) { produce(r, x, dst + begin, count, sf); });
        r->dly_index = 0;
    }
    static ZorStatus block(const D* src, D* dst, int n, void* s, int sf) {
        ZORS_CHECK(nonnull(s, src, dst), positive(n), kind(s, true));
        auto* r = static_cast<FirIntRec*>(s);
        if (r->id == kMr) mr_run(r, src, dst, n, sf);
        else run(r, src, dst, n, sf);
        return zorStsNoErr;
    }
    static ZorStatus block_inplace(D* p, int n, void* s, int sf) {
        ZORS_CHECK(nonnull(s, p), positive(n), kind(s, true));
        auto* r = static_cast<FirIntRec*>(s);
        D* scratch = piece<D>(r, r->scratch);
        if (r->id == kMr)
            return mr_inplace(plan(r)->up, plan(r)->down, p, n, scratch, kScratch / static_cast<int>(sizeof(D)),
                              [&](const D* x, D* y, int k) { mr_run(r, x, y, k, sf); });
        for (int pos = 0; pos < n; pos += kChunk) {
            const int c = n - pos < kChunk ? n - pos : kChunk;
            run(r, p + pos, scratch, c, sf);
            std::memcpy(p + pos, scratch, sizeof(D) * static_cast<std::size_t>(c));
        }
        return zorStsNoErr;
    }
    // ---- multi-rate -------------------------------------------------------
    // Layout: record, taps, 16-bit taps, history (dly_len samples), the plan
    // with the phase-ordered 16-bit taps, one tile buffer, scratch. Factors 1
    // and 1 make a multi-rate state too; the calling thread does the work.

    struct MrBase {
        StateLayout lay;
        MrShape shape;
        std::uint32_t taps = 0, taps16 = 0, dly = 0, plan = 0, bufs = 0, scratch = 0;
        std::uint64_t size = 0;  // with the placement slack; 0 when too large
        MrBase(int len, int up, int down) : shape(mr_shape<D, D, Acc>(len, up, down, mr_strategy<double>(len, up, down))) {
            if (!shape.ok) return;
            const auto l = static_cast<std::uint64_t>(len);
            lay.add(sizeof(FirIntRec));
            taps = lay.add(l * sizeof(Tap));
            taps16 = lay.add(l * sizeof(D));
            dly = lay.add(static_cast<std::uint64_t>(shape.hist) * sizeof(D));
            plan = lay.add(shape.plan_bytes);
            bufs = lay.add(shape.buf_bytes);
            scratch = lay.add(kScratch);
            if (lay.total() + 16 <= 0x7FFFFFFFull) size = lay.total() + 16;
        }
    };
    static MrPlan* plan(FirIntRec* r) { return piece<MrPlan>(r, static_cast<std::uint32_t>(r->mr_index)); }

    static ZorStatus mr_state_size(int len, int up, int down, int* size) {
        ZORS_CHECK(nonnull(size), require(len >= 1, zorStsFIRLenErr), require(up >= 1 && down >= 1, zorStsFIRMRFactorErr));
        const MrBase b(len, up, down);
        ZORS_CHECK(require(b.size > 0, zorStsFIRMRFactorErr));
        *size = static_cast<int>(b.size);
        return zorStsNoErr;
    }

    template <class Store>
    static ZorStatus mr_build(void** pp, int len, int up, int up_phase, int down, int down_phase, const D* line,
                              Zor8u* buffer, Store store) {
        const MrBase b(len, up, down);
        if (b.size == 0) return buffer == nullptr ? zorStsMemAllocErr : zorStsFIRMRFactorErr;
        auto* r = reinterpret_cast<FirIntRec*>(state_memory(buffer, b.lay.total()));
        if (r == nullptr) return zorStsMemAllocErr;
        r->id = kMr;
        r->taps = b.taps;
        r->taps16 = b.taps16;
        r->dly = b.dly;
        r->scratch = b.scratch;
        r->len = len;
        r->dly_len = b.shape.hist;
        r->up_factor = up;
        r->up_phase = up_phase;
        r->down_factor = down;
        r->down_phase = down_phase;
        r->mr_index = static_cast<std::int32_t>(b.plan);
        r->owns = buffer == nullptr ? 1 : 0;
        mr_plan(plan(r), b.shape, len, up, up_phase, down, down_phase, 1, b.bufs - b.plan);
        store(r);
        store_dly(r, line);
        *pp = r;
        return zorStsNoErr;
    }
    static ZorStatus mr_init(void** pp, const Tap* h, int len, int factor, int u, int up, int d, int dp, const D* line,
                             Zor8u* buffer, bool alloc) {
        ZORS_CHECK(nonnull(pp, h), require(alloc || buffer != nullptr, zorStsNullPtrErr), mr_check(len, u, up, d, dp));
        return mr_build(pp, len, u, up, d, dp, line, alloc ? nullptr : buffer,
                        [&](FirIntRec* r) { store_int(r, h, factor); });
    }
    static ZorStatus mr_init_f(void** pp, const FTap* h, int len, int u, int up, int d, int dp, const D* line,
                               Zor8u* buffer, bool alloc) {
        ZORS_CHECK(nonnull(pp, h), require(alloc || buffer != nullptr, zorStsNullPtrErr), mr_check(len, u, up, d, dp));
        return mr_build(pp, len, u, up, d, dp, line, alloc ? nullptr : buffer, [&](FirIntRec* r) { store_float(r, h); });
    }

    static void mr_run(FirIntRec* r, const D* src, D* dst, int n, int sf) {
        MrPlan* pl = plan(r);
        const std::int32_t e = clamp32(std::int64_t{sf} - r->taps_factor);
        const int sfe = e > 200 ? 200 : e < -200 ? -200 : e;
        const auto dot = [] {
            if constexpr (cplx) return fir_kernels().dot_16sc;
            else return fir_kernels().dot_16s;
        }();
        mr_block<D, D, Acc>(
            pl, dot, nullptr, mr_at<std::uint8_t>(pl, pl->bufs), dly(r), src, n, false,
            [](const D* x, D* y, int k) { std::memcpy(y, x, sizeof(D) * static_cast<std::size_t>(k)); },
            [dst, sfe](std::int64_t l, const Acc& a) {
                const Zor32s* ap = parts(&a);
                Zor16s* out = parts(dst + l);
                for (int k = 0; k < kParts; ++k) out[k] = scale_sat<Zor16s>(std::int64_t{ap[k]}, sfe);
            });
    }

    static ZorStatus one(D x, D* y, void* s, int sf) {
        ZORS_CHECK(nonnull(s, y), kind(s, false));
        auto* r = static_cast<FirIntRec*>(s);
        D* d = dly(r);
        int w = r->dly_index;
        d[w] = d[w + r->len] = x;
        w = w + 1 == r->len ? 0 : w + 1;
        r->dly_index = w;
        produce(r, d + w, y, 1, sf);
        return zorStsNoErr;
    }
};

using S16 = IntState<Zor16s>;
using S16c = IntState<Zor16sc>;

}  // namespace
}  // namespace zors::fir

using zors::fir::S16;
using zors::fir::S16c;
#define ZORS_FIR_INT_STATE(N, FN, S, I, TAP, FTAP, D)                                                          \
    ZorStatus zorsFIRGetStateSize##N(int len, int* size) { return I::get_state_size(len, size); }              \
    ZorStatus zorsFIRGetStateSize##FN(int len, int* size) { return I::get_state_size(len, size); }             \
    ZorStatus zorsFIRInitAlloc##N(S** pp, const TAP* h, int len, int f, const D* d) {                          \
        return I::init_alloc(reinterpret_cast<void**>(pp), h, len, f, d);                                      \
    }                                                                                                          \
    ZorStatus zorsFIRInit##N(S** pp, const TAP* h, int len, int f, const D* d, Zor8u* b) {                     \
        return I::init(reinterpret_cast<void**>(pp), h, len, f, d, b);                                         \
    }                                                                                                          \
    ZorStatus zorsFIRInitAlloc##FN(S** pp, const FTAP* h, int len, const D* d) {                               \
        return I::init_alloc_f(reinterpret_cast<void**>(pp), h, len, d);                                       \
    }                                                                                                          \
    ZorStatus zorsFIRInit##FN(S** pp, const FTAP* h, int len, const D* d, Zor8u* b) {                          \
        return I::init_f(reinterpret_cast<void**>(pp), h, len, d, b);                                          \
    }                                                                                                          \
    ZorStatus zorsFIRSetTaps##N(const TAP* h, S* s, int f) { return I::set_taps(h, s, f); }                    \
    ZorStatus zorsFIRGetTaps##N(const S* s, TAP* h, int* f) { return I::get_taps(s, h, f); }                   \
    ZorStatus zorsFIRSetTaps##FN(const FTAP* h, S* s) { return I::set_taps_f(h, s); }                          \
    ZorStatus zorsFIRGetTaps##FN(const S* s, FTAP* h) { return I::get_taps_f(s, h); }                          \
    ZorStatus zorsFIRSetDlyLine##N(S* s, const D* d) { return I::set_dly(s, d); }                              \
    ZorStatus zorsFIRGetDlyLine##N(const S* s, D* d) { return I::get_dly(s, d); }                              \
    ZorStatus zorsFIR##N##_Sfs(const D* x, D* y, int n, S* s, int sf) { return I::block(x, y, n, s, sf); }     \
    ZorStatus zorsFIR##N##_ISfs(D* p, int n, S* s, int sf) { return I::block_inplace(p, n, s, sf); }           \
    ZorStatus zorsFIROne##N##_Sfs(D x, D* y, S* s, int sf) { return I::one(x, y, s, sf); }                     \
    ZorStatus zorsFIRFree##N(S* s) { return I::release(s); }                                                   \
    ZorStatus zorsFIRMRGetStateSize##N(int len, int u, int d, int* size) { return I::mr_state_size(len, u, d, size); } \
    ZorStatus zorsFIRMRGetStateSize##FN(int len, int u, int d, int* size) { return I::mr_state_size(len, u, d, size); } \
    ZorStatus zorsFIRMRInitAlloc##N(S** pp, const TAP* h, int len, int f, int u, int up, int d, int dp, const D* dl) { \
        return I::mr_init(reinterpret_cast<void**>(pp), h, len, f, u, up, d, dp, dl, nullptr, true);           \
    }                                                                                                          \
    ZorStatus zorsFIRMRInit##N(S** pp, const TAP* h, int len, int f, int u, int up, int d, int dp, const D* dl, Zor8u* b) { \
        return I::mr_init(reinterpret_cast<void**>(pp), h, len, f, u, up, d, dp, dl, b, false);                \
    }                                                                                                          \
    ZorStatus zorsFIRMRInitAlloc##FN(S** pp, const FTAP* h, int len, int u, int up, int d, int dp, const D* dl) { \
        return I::mr_init_f(reinterpret_cast<void**>(pp), h, len, u, up, d, dp, dl, nullptr, true);            \
    }                                                                                                          \
    ZorStatus zorsFIRMRInit##FN(S** pp, const FTAP* h, int len, int u, int up, int d, int dp, const D* dl, Zor8u* b) { \
        return I::mr_init_f(reinterpret_cast<void**>(pp), h, len, u, up, d, dp, dl, b, false);                 \
    }

ZORS_FIR_INT_STATE(32s_16s, 32s_16s32f, ZorsFIRState32s_16s, S16, Zor32s, Zor32f, Zor16s)
ZORS_FIR_INT_STATE(32sc_16sc, 32sc_16sc32fc, ZorsFIRState32sc_16sc, S16c, Zor32sc, Zor32fc, Zor16sc)
