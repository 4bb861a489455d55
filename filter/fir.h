// FIR filters: the state record, the per-type traits and the kernel table.
//
// A state is one block (frame/state.h): the record, the reversed taps, the
// delay buffer of 3*tapsLen + 4 samples of the computation type (the taps'
// type), the Zor32f states' tapsQuad, and a scratch area for the in-place
// filters; InitAlloc appends the overlap-save pieces (taps spectrum, one
// block buffer and its transform work buffer per thread, one status slot
// per thread) when the tap count reaches the type's threshold. The FFT specification
// is the only separate allocation.
//
// The delay buffer keeps the last tapsLen inputs as the window
// dly[idx .. idx + tapsLen - 1], oldest first. One-sample calls move the
// window round a circle of tapsLen positions and write every sample twice
// (at j and j + tapsLen) so that it never wraps; block calls leave it at
// dly[0 .. tapsLen - 1] with idx = 0.
#pragma once

#include <cstdint>
#include <type_traits>

#include "frame/state.h"
#include "frame/types.h"
#include "zors.h"

namespace zors {

inline constexpr std::uint32_t kFirTag = 0x4649;  // "FI"

// The record of a floating-tap state: 32-bit offsets into its own block,
// the transform specification the only pointer. At most 96 bytes on every
// target, so the documented sizes hold.
struct FirRec {
    std::uint32_t id;
    std::uint32_t taps;        // reversed taps: taps[i] = h[len - 1 - i]
    std::uint32_t dly;         // 3 * len + 4 samples
    std::int32_t len;
    std::int32_t up_factor;    // multi-rate fields (1, 0 in single-rate states)
    std::int32_t up_phase;
    std::int32_t short_limit;  // longest block filtered wholly inside dly
    std::int32_t down_factor;
    std::int32_t down_phase;
    std::int32_t fft_len;      // N of the overlap-save path, -1 without one
    std::int32_t dly_index;
    std::int32_t mr_index;
    std::uint32_t quad;        // Zor32f taps: every tap four times, forward order
    std::int32_t dly_len;
    std::uint32_t spectrum;    // transform of the zero-padded taps (Perm for real taps)
    std::uint32_t blocks;      // per thread: a block of fft_len samples, its work buffer
    std::uint32_t lane;        // bytes from one thread's block to the next one's
    std::int32_t work_size;    // bytes of one work buffer
    std::uint32_t scratch;
    std::uint32_t status;      // team status slots, 16 bytes apart
    std::int32_t team;         // threads the team buffers were made for
    std::uint32_t owns;        // 1: InitAlloc's block
    void* fft;
};
static_assert(sizeof(FirRec) <= 96, "the documented state sizes leave 96 bytes for the record");

// The record of an integer-tap state.
struct FirIntRec {
    std::uint32_t id;
    std::uint32_t taps;        // normalised, reversed, Zor32s / Zor32sc
    std::uint32_t dly;         // 3 * len + 4 Zor16s / Zor16sc samples
    std::int32_t len;
    std::int32_t short_limit;
    std::int32_t taps_factor;  // effective: tap value = stored * 2^taps_factor
    std::uint32_t taps16;      // the same taps as 16-bit values, reversed
    std::int32_t dly_index;
    std::uint32_t scratch;
    std::uint32_t owns;
    std::int32_t dly_len;
    std::int32_t up_factor, up_phase, down_factor, down_phase, mr_index;
};
static_assert(sizeof(FirIntRec) <= 80, "the documented state sizes leave 80 bytes for the record");

// roundup4(v): v + 3 rounded down to a multiple of 4.
constexpr int roundup4(int v) noexcept { return (v + 3) & ~3; }

enum class Tie { even, away };

// Per state type: kinds, thresholds, scratch and rounding rules.
template <class Tap, class Data>
struct FirType {
    using CT = Tap;  // computation type
    using part = part_t<Tap>;
    static constexpr bool cplx = is_complex_v<Tap>;
    static constexpr bool same = std::is_same_v<Tap, Data>;
    static constexpr bool int_data = !std::is_floating_point_v<part_t<Data>>;
    static constexpr bool single = std::is_same_v<part, float>;
    // Identifier kinds, single-rate and multi-rate.
    static constexpr int data_rank =
        same ? 0 : std::is_same_v<part_t<Data>, float> ? 1 : std::is_same_v<part_t<Data>, Zor32s> ? 2 : 3;
    static constexpr int sr_kind = single ? (same ? 1 : 5) + (cplx ? 1 : 0)
                                          : (data_rank == 0 ? 13 : 13 + 4 * data_rank) + (cplx ? 1 : 0);
    static constexpr int mr_kind = sr_kind + 2;
    static constexpr int fft_min = cplx ? 16 : single ? 64 : 32;
    static constexpr int scratch_bytes = single && !cplx ? 16384 : cplx && !single ? 65536 : 32768;
    static constexpr int par_threshold = cplx ? 800 : 1600;
    // Output rounding of integer data: block filter and one-sample filter.
    static constexpr Tie block_tie = single || std::is_same_v<part_t<Data>, Zor32s> ? Tie::even : Tie::away;
    static constexpr Tie one_tie = single ? Tie::even : Tie::away;
    static constexpr bool has_quad = single && !cplx;
};

template <class Data>
struct FirIntType {
    static constexpr bool cplx = is_complex_v<Data>;
    static constexpr int sr_kind = cplx ? 10 : 9;
    static constexpr int mr_kind = sr_kind + 2;
};

// Kernels: y[j] = sum over i < len of t[i] * x[j + i], for j < n, summed in
// tap order per output. The fused forms use multiply-add where the level
// has it; the plain forms give the same bits on every level.
template <class T>
using FirDotFn = void (*)(const T* x, const T* t, int len, T* y, int n);
// 32-bit wrap-around sums of 16-bit samples times 16-bit taps.
template <class D>
using fir_acc_t = std::conditional_t<is_complex_v<D>, Zor32sc, Zor32s>;
template <class D>
using FirIntDotFn = void (*)(const D* x, const D* t, int len, fir_acc_t<D>* y, int n);

// y[j] = sum over q < len of t[q] * base[off[q] + j], for j < n, summed in
// tap order: one output's taps read from anywhere in `base` (the multi-rate
// branches over the residue classes of a tile).
template <class T>
using FirGatherFn = void (*)(const T* base, const std::int32_t* off, const T* t, int len, T* y, int n);

// dst[i * up + c] = rows[c * stride + i], i < g, c < up: the rows of a
// multi-rate tile's outputs into output order.
template <class T>
using FirInterleaveFn = void (*)(const T* rows, int stride, int up, int g, T* dst);

struct FirKernels {
    FirDotFn<float> dot_32f[2];  // [fused]
    FirDotFn<double> dot_64f[2];
    FirGatherFn<float> gather_32f[2];
    FirGatherFn<double> gather_64f[2];
    FirInterleaveFn<float> interleave_32f;
    FirInterleaveFn<double> interleave_64f;
    FirDotFn<Zor32fc> dot_32fc[2];
    FirDotFn<Zor64fc> dot_64fc[2];
    FirIntDotFn<Zor16s> dot_16s;
    FirIntDotFn<Zor16sc> dot_16sc;
};

}  // namespace zors
