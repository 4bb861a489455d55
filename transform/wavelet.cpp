// Two-band wavelet filter banks: WTFwdInitAlloc, WTFwd, WTFwdGetDlyLine,
// WTFwdSetDlyLine, WTFwdFree and the same for WTInv, for the 32f kinds and
// the integer-input (forward) and integer-output (inverse) kinds.
//
// Forward, per band with taps h[0..L-1] and offset d >= -1: over the whole
// stream since creation (or the last SetDlyLine), y[m] = sum_k h[k] x[2m - d
// - k], with x[n < 0] from the delay line. Inverse, per band: the band's
// values v enter an offset line of D = d/2 values (truncated), the m-th value
// leaving it sits at upsampled position 2m + p (p = d & 1, so 1 for d = -1)
// with zeros between, and the result is that signal filtered by the taps;
// the low band's result is written and the high band's added.
//
// Either way, everything a band carries from one call to the next is the
// most recent stretch of its input: the filter history (forward: L - 1 - p
// samples, inverse: (L + p - 1)/2 values) followed by the offset line
// (forward: max(d, 0) samples, inverse: D values). The state keeps exactly
// that stretch, oldest first, which is also the layout of GetDlyLine and
// SetDlyLine, so calls on consecutive blocks give the outputs of one call on
// the whole signal, bit for bit. Every output is a dot product accumulated
// in double precision and rounded once to single precision.
//
// Integer forward kinds convert their input exactly to single precision in
// blocks of 1024 samples through the state's conversion buffer; integer
// inverse kinds compute blocks of 1024 outputs there and convert them with
// rounding to nearest and saturation (scale factor 0).
//
// Checks. InitAlloc: ppState, pTapsLow (-8), lenLow (-6), pTapsHigh (-8),
// lenHigh (-6), offsets below -1 (-35), memory (-9, state pointer set to
// null). The others: pState (-8), its identifier word and consistency (-17),
// then the data pointers (-8) and the length (-6); WTInv tests pSrcLow and
// pSrcHigh, then srcLen, then pDst.
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "frame/check.h"
#include "frame/memory.h"
#include "frame/state.h"

namespace zors {
namespace {

constexpr int kConvBlock = 1024;

struct Band {
    std::uint32_t taps;   // offset of L floats, in order h[0..L-1]
    std::uint32_t memory; // offset of the kept input stretch
    std::int32_t len;     // L
    std::int32_t offset;  // d
    std::int32_t phase;   // p
    std::int32_t history; // filter history values
    std::int32_t delay;   // offset-line values
};

struct WTState {
    std::uint32_t id;
    std::uint32_t bytes;  // block size, for the consistency check
    Band band[2];         // low, high
    std::uint32_t conv;   // offset of the conversion buffer, or 0
    std::int32_t conv_len;
};

enum class Dir { fwd, inv };

template <Dir dir> constexpr std::int32_t phase_of(int d) { return dir == Dir::fwd ? (d == -1 ? 1 : 0) : (d & 1); }

template <Dir dir>
std::int64_t history_of(int len, int phase) {
    if constexpr (dir == Dir::fwd) return len - 1 - phase < 0 ? 0 : len - 1 - phase;
    else return (static_cast<std::int64_t>(len) + phase - 1) / 2;
}

template <Dir dir> std::int64_t delay_of(int d) { return dir == Dir::fwd ? (d > 0 ? d : 0) : d / 2; }

int memory_len(const Band& b) { return b.history + b.delay; }

float* taps(WTState* s, const Band& b) { return piece<float>(s, b.taps); }
float* memory(WTState* s, const Band& b) { return piece<float>(s, b.memory); }
const float* memory(const WTState* s, const Band& b) { return piece<float>(s, b.memory); }

template <Dir dir>
bool band_ok(const WTState* s, const Band& b) {
    if (b.len < 1 || b.offset < -1 || b.phase != phase_of<dir>(b.offset)) return false;
    if (b.history != history_of<dir>(b.len, b.phase) || b.delay != delay_of<dir>(b.offset)) return false;
    const std::uint64_t end_taps = std::uint64_t{b.taps} + 4ull * static_cast<std::uint64_t>(b.len);
    const std::uint64_t end_mem = std::uint64_t{b.memory} + 4ull * static_cast<std::uint64_t>(memory_len(b));
    return b.taps >= sizeof(WTState) && b.memory >= sizeof(WTState) && end_taps <= s->bytes && end_mem <= s->bytes;
}

// The identifier and the consistency of a state of identifier `id`.
template <Dir dir>
ZorStatus state_check(const WTState* s, std::uint32_t id, bool integer) {
    if (object_id(s) != id) return zorStsContextMatchErr;
    const bool conv_ok = integer ? (s->conv_len == kConvBlock && s->conv >= sizeof(WTState) &&
                                    std::uint64_t{s->conv} + 4ull * kConvBlock <= s->bytes)
                                 : (s->conv_len == 0 && s->conv == 0);
    return (conv_ok && band_ok<dir>(s, s->band[0]) && band_ok<dir>(s, s->band[1])) ? zorStsNoErr : zorStsContextMatchErr;
}

template <Dir dir>
ZorStatus init_alloc(void** pp, std::uint32_t id, bool integer, const float* taps_low, int len_low, int offs_low,
                     const float* taps_high, int len_high, int offs_high) {
    ZORS_CHECK(nonnull(pp, taps_low), positive(len_low), nonnull(taps_high), positive(len_high),
               require(offs_low >= -1 && offs_high >= -1, zorStsWtOffsetErr));
    StateLayout layout;
    layout.add(sizeof(WTState));
    Band bands[2];
    const float* src[2] = {taps_low, taps_high};
    const int lens[2] = {len_low, len_high}, offs[2] = {offs_low, offs_high};
    std::uint64_t need = 0;
    for (int i = 0; i < 2; ++i) {
        const std::int32_t phase = phase_of<dir>(offs[i]);
        const std::int64_t history = history_of<dir>(lens[i], phase), delay = delay_of<dir>(offs[i]);
        bands[i] = Band{layout.add(4ull * static_cast<std::uint64_t>(lens[i])),
                        layout.add(4ull * static_cast<std::uint64_t>(history + delay)), lens[i], offs[i], phase,
                        static_cast<std::int32_t>(history), static_cast<std::int32_t>(delay)};
        need += history + delay;
    }
    const std::uint32_t conv = integer ? layout.add(4ull * kConvBlock) : 0;
    // Offsets of the record are 32-bit; a state that does not fit in them
    // cannot be had.
    if (layout.total() > 0x7FFFFFF0ull || need > 0x7FFFFFFull) {
        *pp = nullptr;
        return zorStsMemAllocErr;
    }
    std::uint8_t* block = state_memory(nullptr, layout.total());
    if (block == nullptr) {
        *pp = nullptr;
        return zorStsMemAllocErr;
    }
    auto* s = reinterpret_cast<WTState*>(block);
    s->id = id;
    s->bytes = static_cast<std::uint32_t>(layout.total());
    s->conv = conv;
    s->conv_len = integer ? kConvBlock : 0;
    for (int i = 0; i < 2; ++i) {
        s->band[i] = bands[i];
        std::memcpy(taps(s, bands[i]), src[i], 4ull * static_cast<std::size_t>(lens[i]));
    }
    *pp = s;
    return zorStsNoErr;
}

// ---- filtering -------------------------------------------------------------

// Keeps the last `keep` values of memory followed by `n` new values.
void remember(float* mem, int keep, const float* in, int n) {
    if (keep == 0) return;
    if (n >= keep) {
        std::memcpy(mem, in + (n - keep), sizeof(float) * static_cast<std::size_t>(keep));
    } else {
        std::memmove(mem, mem + n, sizeof(float) * static_cast<std::size_t>(keep - n));
        std::memcpy(mem + (keep - n), in, sizeof(float) * static_cast<std::size_t>(n));
    }
}

// One forward band over 2 * outs input samples: e = memory then input, and
// y[m] = sum_k h[k] e[P + 2m - d - k].
void forward_band(WTState* s, const Band& b, const float* in, float* out, int outs) {
    const float* h = taps(s, b);
    float* mem = memory(s, b);
    const int P = memory_len(b), L = b.len;
    auto at = [&](std::int64_t j) { return j < P ? mem[j] : in[j - P]; };
    for (int m = 0; m < outs; ++m) {
        const std::int64_t top = P + 2ll * m - b.offset;  // e index of h[0]'s sample
        double acc = 0;
        if (top - (L - 1) >= P) {
            const float* x = in + (top - P);
            for (int k = 0; k < L; ++k) acc += static_cast<double>(h[k]) * x[-k];
        } else {
            for (int k = 0; k < L; ++k) acc += static_cast<double>(h[k]) * at(top - k);
        }
        out[m] = static_cast<float>(acc);
    }
    remember(mem, P, in, 2 * outs);
}

// One inverse band over `n` values: w holds value e[j] at position
// 2 (j - history) + p (relative to this call's first output), and
// z[i] = sum_k h[k] w[i - k]. With add, z is added to out.
void inverse_band(WTState* s, const Band& b, const float* in, float* out, int n, bool add) {
    const float* h = taps(s, b);
    float* mem = memory(s, b);
    const int Q = memory_len(b), L = b.len, H = b.history, p = b.phase;
    auto at = [&](std::int64_t j) { return j < Q ? mem[j] : in[j - Q]; };
    for (int i = 0; i < 2 * n; ++i) {
        double acc = 0;
        // Taps k with i - k - p even: e index (i - k - p)/2 + H.
        for (int k = (i - p) & 1; k < L; k += 2) {
            const std::int64_t j = (static_cast<std::int64_t>(i) - k - p) / 2 + H;
            acc += static_cast<double>(h[k]) * at(j);
        }
        out[i] = add ? static_cast<float>(out[i] + static_cast<float>(acc)) : static_cast<float>(acc);
    }
    remember(mem, Q, in, n);
}

// ---- kinds -------------------------------------------------------------------

template <class T> ZorStatus to_float(const T* s, float* d, int n);
template <> ZorStatus to_float<Zor8u>(const Zor8u* s, float* d, int n) { return zorsConvert_8u32f(s, d, n); }
template <> ZorStatus to_float<Zor8s>(const Zor8s* s, float* d, int n) { return zorsConvert_8s32f(s, d, n); }
template <> ZorStatus to_float<Zor16u>(const Zor16u* s, float* d, int n) { return zorsConvert_16u32f(s, d, n); }
template <> ZorStatus to_float<Zor16s>(const Zor16s* s, float* d, int n) { return zorsConvert_16s32f(s, d, n); }

template <class T> ZorStatus from_float(const float* s, T* d, int n);
template <> ZorStatus from_float<Zor8u>(const float* s, Zor8u* d, int n) { return zorsConvert_32f8u_Sfs(s, d, n, zorRndNear, 0); }
template <> ZorStatus from_float<Zor8s>(const float* s, Zor8s* d, int n) { return zorsConvert_32f8s_Sfs(s, d, n, zorRndNear, 0); }
template <> ZorStatus from_float<Zor16u>(const float* s, Zor16u* d, int n) { return zorsConvert_32f16u_Sfs(s, d, n, zorRndNear, 0); }
template <> ZorStatus from_float<Zor16s>(const float* s, Zor16s* d, int n) { return zorsConvert_32f16s_Sfs(s, d, n, zorRndNear, 0); }

template <class T> constexpr bool is_float = std::is_same_v<T, float>;

template <class T>
ZorStatus forward(const T* src, float* low, float* high, int len, void* state, std::uint32_t id) {
    ZORS_CHECK(nonnull(state));
    auto* s = static_cast<WTState*>(state);
    ZORS_CHECK(state_check<Dir::fwd>(s, id, !is_float<T>), nonnull(src, low, high), positive(len));
    if constexpr (is_float<T>) {
        forward_band(s, s->band[0], src, low, len);
        forward_band(s, s->band[1], src, high, len);
    } else {
        float* buf = piece<float>(s, s->conv);
        for (int m0 = 0; m0 < len; m0 += kConvBlock / 2) {
            const int outs = len - m0 < kConvBlock / 2 ? len - m0 : kConvBlock / 2;
            to_float(src + 2ll * m0, buf, 2 * outs);
            forward_band(s, s->band[0], buf, low + m0, outs);
            forward_band(s, s->band[1], buf, high + m0, outs);
        }
    }
    return zorStsNoErr;
}

template <class T>
ZorStatus inverse(const float* low, const float* high, int len, T* dst, void* state, std::uint32_t id) {
    ZORS_CHECK(nonnull(state));
    auto* s = static_cast<WTState*>(state);
    ZORS_CHECK(state_check<Dir::inv>(s, id, !is_float<T>), nonnull(low, high), positive(len), nonnull(dst));
    if constexpr (is_float<T>) {
        inverse_band(s, s->band[0], low, dst, len, false);
        inverse_band(s, s->band[1], high, dst, len, true);
    } else {
        float* buf = piece<float>(s, s->conv);
        for (int v0 = 0; v0 < len; v0 += kConvBlock / 2) {
            const int n = len - v0 < kConvBlock / 2 ? len - v0 : kConvBlock / 2;
            inverse_band(s, s->band[0], low + v0, buf, n, false);
            inverse_band(s, s->band[1], high + v0, buf, n, true);
            from_float(buf, dst + 2ll * v0, 2 * n);
        }
    }
    return zorStsNoErr;
}

template <Dir dir>
ZorStatus free_state(void* state, std::uint32_t id, bool integer) {
    ZORS_CHECK(nonnull(state));
    auto* s = static_cast<WTState*>(state);
    ZORS_CHECK(state_check<dir>(s, id, integer));
    s->id = 0;
    aligned_free(s);
    return zorStsNoErr;
}

template <Dir dir>
ZorStatus get_dly(const void* state, float* low, float* high, std::uint32_t id, bool integer) {
    ZORS_CHECK(nonnull(state));
    const auto* s = static_cast<const WTState*>(state);
    ZORS_CHECK(state_check<dir>(s, id, integer), nonnull(low, high));
    float* out[2] = {low, high};
    for (int i = 0; i < 2; ++i)
        std::memcpy(out[i], memory(s, s->band[i]), sizeof(float) * static_cast<std::size_t>(memory_len(s->band[i])));
    return zorStsNoErr;
}

template <Dir dir>
ZorStatus set_dly(void* state, const float* low, const float* high, std::uint32_t id, bool integer) {
    ZORS_CHECK(nonnull(state));
    auto* s = static_cast<WTState*>(state);
    ZORS_CHECK(state_check<dir>(s, id, integer), nonnull(low, high));
    const float* in[2] = {low, high};
    for (int i = 0; i < 2; ++i)
        std::memcpy(memory(s, s->band[i]), in[i], sizeof(float) * static_cast<std::size_t>(memory_len(s->band[i])));
    return zorStsNoErr;
}

// Identifier words of the kinds.
enum : std::uint32_t {
    kFwd32f = 41, kFwd8u = 42, kFwd8s = 43, kFwd16u = 44, kFwd16s = 45,
    kInv32f = 50, kInv8u = 51, kInv8s = 52, kInv16u = 53, kInv16s = 54,
};

}  // namespace
}  // namespace zors

using namespace zors;

#define ZORS_WT_INIT(Dir_, Kind, Id, Int) \
    { return init_alloc<Dir::Dir_>(reinterpret_cast<void**>(ppState), Id, Int, pTapsLow, lenLow, offsLow, pTapsHigh, lenHigh, offsHigh); }
#define ZORS_WT_INIT_ARGS const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh

ZorStatus zorsWTFwdInitAlloc_32f(ZorsWTFwdState_32f** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(fwd, 32f, kFwd32f, false)
ZorStatus zorsWTFwdInitAlloc_8u32f(ZorsWTFwdState_8u32f** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(fwd, 8u32f, kFwd8u, true)
ZorStatus zorsWTFwdInitAlloc_8s32f(ZorsWTFwdState_8s32f** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(fwd, 8s32f, kFwd8s, true)
ZorStatus zorsWTFwdInitAlloc_16u32f(ZorsWTFwdState_16u32f** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(fwd, 16u32f, kFwd16u, true)
ZorStatus zorsWTFwdInitAlloc_16s32f(ZorsWTFwdState_16s32f** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(fwd, 16s32f, kFwd16s, true)
ZorStatus zorsWTInvInitAlloc_32f(ZorsWTInvState_32f** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(inv, 32f, kInv32f, false)
ZorStatus zorsWTInvInitAlloc_32f8u(ZorsWTInvState_32f8u** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(inv, 32f8u, kInv8u, true)
ZorStatus zorsWTInvInitAlloc_32f8s(ZorsWTInvState_32f8s** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(inv, 32f8s, kInv8s, true)
ZorStatus zorsWTInvInitAlloc_32f16u(ZorsWTInvState_32f16u** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(inv, 32f16u, kInv16u, true)
ZorStatus zorsWTInvInitAlloc_32f16s(ZorsWTInvState_32f16s** ppState, ZORS_WT_INIT_ARGS) ZORS_WT_INIT(inv, 32f16s, kInv16s, true)

ZorStatus zorsWTFwdFree_32f(ZorsWTFwdState_32f* pState) { return free_state<Dir::fwd>(pState, kFwd32f, false); }
ZorStatus zorsWTFwdFree_8u32f(ZorsWTFwdState_8u32f* pState) { return free_state<Dir::fwd>(pState, kFwd8u, true); }
ZorStatus zorsWTFwdFree_8s32f(ZorsWTFwdState_8s32f* pState) { return free_state<Dir::fwd>(pState, kFwd8s, true); }
ZorStatus zorsWTFwdFree_16u32f(ZorsWTFwdState_16u32f* pState) { return free_state<Dir::fwd>(pState, kFwd16u, true); }
ZorStatus zorsWTFwdFree_16s32f(ZorsWTFwdState_16s32f* pState) { return free_state<Dir::fwd>(pState, kFwd16s, true); }
ZorStatus zorsWTInvFree_32f(ZorsWTInvState_32f* pState) { return free_state<Dir::inv>(pState, kInv32f, false); }
ZorStatus zorsWTInvFree_32f8u(ZorsWTInvState_32f8u* pState) { return free_state<Dir::inv>(pState, kInv8u, true); }
ZorStatus zorsWTInvFree_32f8s(ZorsWTInvState_32f8s* pState) { return free_state<Dir::inv>(pState, kInv8s, true); }
ZorStatus zorsWTInvFree_32f16u(ZorsWTInvState_32f16u* pState) { return free_state<Dir::inv>(pState, kInv16u, true); }
ZorStatus zorsWTInvFree_32f16s(ZorsWTInvState_32f16s* pState) { return free_state<Dir::inv>(pState, kInv16s, true); }

ZorStatus zorsWTFwd_32f(const Zor32f* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_32f* pState) { return forward(pSrc, pDstLow, pDstHigh, dstLen, pState, kFwd32f); }
ZorStatus zorsWTFwd_8u32f(const Zor8u* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_8u32f* pState) { return forward(pSrc, pDstLow, pDstHigh, dstLen, pState, kFwd8u); }
ZorStatus zorsWTFwd_8s32f(const Zor8s* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_8s32f* pState) { return forward(pSrc, pDstLow, pDstHigh, dstLen, pState, kFwd8s); }
ZorStatus zorsWTFwd_16u32f(const Zor16u* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_16u32f* pState) { return forward(pSrc, pDstLow, pDstHigh, dstLen, pState, kFwd16u); }
ZorStatus zorsWTFwd_16s32f(const Zor16s* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_16s32f* pState) { return forward(pSrc, pDstLow, pDstHigh, dstLen, pState, kFwd16s); }
ZorStatus zorsWTInv_32f(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor32f* pDst, ZorsWTInvState_32f* pState) { return inverse(pSrcLow, pSrcHigh, srcLen, pDst, pState, kInv32f); }
ZorStatus zorsWTInv_32f8u(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor8u* pDst, ZorsWTInvState_32f8u* pState) { return inverse(pSrcLow, pSrcHigh, srcLen, pDst, pState, kInv8u); }
ZorStatus zorsWTInv_32f8s(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor8s* pDst, ZorsWTInvState_32f8s* pState) { return inverse(pSrcLow, pSrcHigh, srcLen, pDst, pState, kInv8s); }
ZorStatus zorsWTInv_32f16u(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor16u* pDst, ZorsWTInvState_32f16u* pState) { return inverse(pSrcLow, pSrcHigh, srcLen, pDst, pState, kInv16u); }
ZorStatus zorsWTInv_32f16s(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor16s* pDst, ZorsWTInvState_32f16s* pState) { return inverse(pSrcLow, pSrcHigh, srcLen, pDst, pState, kInv16s); }

ZorStatus zorsWTFwdGetDlyLine_32f(const ZorsWTFwdState_32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd32f, false); }
ZorStatus zorsWTFwdGetDlyLine_8u32f(const ZorsWTFwdState_8u32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd8u, true); }
ZorStatus zorsWTFwdGetDlyLine_8s32f(const ZorsWTFwdState_8s32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd8s, true); }
ZorStatus zorsWTFwdGetDlyLine_16u32f(const ZorsWTFwdState_16u32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd16u, true); }
ZorStatus zorsWTFwdGetDlyLine_16s32f(const ZorsWTFwdState_16s32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd16s, true); }
ZorStatus zorsWTInvGetDlyLine_32f(const ZorsWTInvState_32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv32f, false); }
ZorStatus zorsWTInvGetDlyLine_32f8u(const ZorsWTInvState_32f8u* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv8u, true); }
ZorStatus zorsWTInvGetDlyLine_32f8s(const ZorsWTInvState_32f8s* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv8s, true); }
ZorStatus zorsWTInvGetDlyLine_32f16u(const ZorsWTInvState_32f16u* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv16u, true); }
ZorStatus zorsWTInvGetDlyLine_32f16s(const ZorsWTInvState_32f16s* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh) { return get_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv16s, true); }

ZorStatus zorsWTFwdSetDlyLine_32f(ZorsWTFwdState_32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd32f, false); }
ZorStatus zorsWTFwdSetDlyLine_8u32f(ZorsWTFwdState_8u32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd8u, true); }
ZorStatus zorsWTFwdSetDlyLine_8s32f(ZorsWTFwdState_8s32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd8s, true); }
ZorStatus zorsWTFwdSetDlyLine_16u32f(ZorsWTFwdState_16u32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd16u, true); }
ZorStatus zorsWTFwdSetDlyLine_16s32f(ZorsWTFwdState_16s32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::fwd>(pState, pDlyLow, pDlyHigh, kFwd16s, true); }
ZorStatus zorsWTInvSetDlyLine_32f(ZorsWTInvState_32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv32f, false); }
ZorStatus zorsWTInvSetDlyLine_32f8u(ZorsWTInvState_32f8u* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv8u, true); }
ZorStatus zorsWTInvSetDlyLine_32f8s(ZorsWTInvState_32f8s* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv8s, true); }
ZorStatus zorsWTInvSetDlyLine_32f16u(ZorsWTInvState_32f16u* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv16u, true); }
ZorStatus zorsWTInvSetDlyLine_32f16s(ZorsWTInvState_32f16s* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh) { return set_dly<Dir::inv>(pState, pDlyLow, pDlyHigh, kInv16s, true); }
