// Power-of-two FFT: the specification object and the kernel table.
//
// A specification is built once by InitAlloc and read-only afterwards, so one
// object serves any number of concurrent transforms.
//
// The complex transform is a decimation-in-time FFT: the input is permuted
// into bit-reversed order, a first pass computes the DFTs of neighbouring
// points without twiddle factors (length 4 or 8; out of place on interleaved
// data the permutation is fused with it, and it also covers the first
// radix-4 pass: length 16 for even orders, 32 for odd single-precision ones),
// and radix-4 passes of lengths 16, 64, ... (or 32, 128, ...) with the
// precomputed factors complete the transform in the destination. Passes that
// fit in a cache-sized block run block by block before the longer passes
// sweep the whole vector, two radix-4 passes at a time where two remain.
// Out of place on interleaved data, longer transforms keep their points
// between the first and the last pass in blocks of one vector of real parts
// and one of imaginary parts, starting at the first vector boundary of the
// destination (the one vector that does not fit waits beside it); on
// 32-byte vectors in the order perm_point, with factor tables to match.
// Interleaved transforms of 8 to 512 points take a shorter route without
// any permutation: lane-wise DFTs across vectors of complex units, factors
// per lane and transposes of units (fft.simd.cpp). In place, the first pass
// exchanges pairs of tiles that the bit reversal maps onto each other,
// through registers (below kTileMinOrder it gathers from a short stack
// copy); separate arrays are permuted pairwise. A real inverse merges its
// spectrum straight from the packed layout (at 16 and 32 points into one
// straight-line kernel) before its complex transform. The floating-point
// transforms need no scratch memory, so they never touch the caller's work
// buffer; the 16-bit floating path keeps its converted data there. On the
// levels with fused multiply-add the complex products round once (a second
// build of the wide body), so results may differ between levels in the last
// place; specifications made for integer results keep the plain kernels
// (ExactFftScope), which give the same bits on every level.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "zors.h"

namespace zors {

enum FftKind : std::uint32_t {
    kFftC16sc = 1, kFftC16s = 2, kFftR16s = 3,
    kFftC32fc = 4, kFftC32f = 5, kFftR32f = 6,
    kFftC64fc = 7, kFftC64f = 8, kFftR64f = 9,
};

// The twiddle factors of one radix-4 pass of length 4q: for k < q the runs
// cos(2πk/L), sin(2πk/L), then the same for 2k and 3k (six runs of q values,
// forward factor W^k = cos - i·sin).
template <class T>
struct FftPass {
    const T* tw;
    // The same runs with each kPermBytes of values in the order of the
    // permuted blocks (perm_point); tw where no transform reads them.
    const T* twp;
    std::int32_t q;
};

// The order in which the parts of w interleaved points come out when taken
// apart within 16-byte lanes (and go back together with no exchange across
// those lanes): position p holds point perm_point(p, w). Interleaved
// transforms on 32-byte vectors keep their points between the first and the
// last pass in permuted blocks of kPermBytes of real parts (and as many
// imaginary parts) in this order.
inline constexpr std::size_t kPermBytes = 32;
template <class T>
constexpr std::size_t perm_point(std::size_t p, std::size_t w = kPermBytes / sizeof(T)) {
    constexpr std::size_t h = 16 / sizeof(T), half = h / 2;
    return p % h < half ? p / h * half + p % h : w / 2 + p / h * half + p % h - half;
}

// Tables of the complex transform of `order` points (shared by the complex
// kinds and, at order - 1, by the real kinds).
template <class T>
struct FftPlan {
    std::int32_t order;       // of the complex transform
    std::int32_t npass;       // radix-4 passes after the first pass
    std::int32_t block;       // passes with 4q <= block run block by block
    const std::uint32_t* rev; // bit reversal of `revbits` bits
    std::int32_t revbits;
    FftPass<T> pass[16];
    // Short interleaved transforms held in registers (null otherwise): the
    // factors of the final radix step across lanes, then of the inner
    // lane-wise transforms; see fft.simd.cpp.
    const T* small;
    // Non-zero: the plain kernels, whose products round separately, so that
    // every level gives the same bits (see ExactFftScope); otherwise the
    // kernels with fused multiply-add where the level has it.
    std::int32_t exact;
};

// While one of these lives on a thread, the transform specifications it
// creates (the FFT's own and those inside DFT, DCT and other
// specifications) run the plain kernels: for families whose results are
// integers, which must not depend on the level.
struct ExactFftScope {
    explicit ExactFftScope(bool on = true) noexcept;
    ~ExactFftScope();
    bool on;
    ExactFftScope(const ExactFftScope&) = delete;
    ExactFftScope& operator=(const ExactFftScope&) = delete;
};

// The reversal of i < 2^bits over `bits` bits (bits <= order), from the
// plan's table over revbits bits.
inline std::size_t reverse_bits(const std::uint32_t* rev, int lo, int order, std::size_t i, int bits) {
    const int hi = order - lo;
    const std::size_t full = (std::size_t{rev[i & ((std::size_t{1} << lo) - 1)]} << hi) | (rev[i >> lo] >> (lo - hi));
    return full >> (order - bits);
}
template <class T>
inline std::size_t reverse_bits(const FftPlan<T>& pl, std::size_t i, int bits) { return reverse_bits(pl.rev, pl.revbits, pl.order, i, bits); }

// The floating-point specification (kinds 4 to 9).
template <class T>
struct FftSpecF {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwd_scaled;
    std::int32_t inv_scaled;
    T scale;
    std::int32_t hint;
    std::int32_t buf_size;
    std::uint32_t* rev;        // owned
    T* twiddle;                // owned: all pass tables
    T* split;                  // owned (real kinds): ½cos θk, ½(1 - sin θk), k = 1 .. N/4
    T* merge;                  // owned (real kinds): cos θk, sin θk, k = 1 .. N/4
    T* small_tw;               // owned (interleaved and real kinds, short orders)
    FftPlan<T> plan;
};

// The 16-bit specification (kinds 1 to 3). The integer path (hint 0 or 1,
// order 1..5) uses the Q14 tables; the floating path the embedded
// single-precision specification of the same order and flag.
struct FftSpec16 {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwd_shift;
    std::int32_t inv_shift;
    std::int32_t sqrt2;
    std::int32_t hint;
    std::int32_t buf_size;
    std::int32_t int_path;
    std::uint32_t* rev;   // owned (integer path): bit reversal of the complex order
    Zor16s* twiddle;      // owned (integer path): cos, sin, -sin, cos of 2πk/N, k < N
    Zor16s* split;        // owned (kind 3, integer path): the same for the real split
    void* fspec;          // owned (floating path): kind 4, 5 or 6
};

// From this order on, in place on interleaved data and on separate arrays,
// the bit reversal moves 16 x 16 tiles (8 x 8 for odd orders) through
// registers, fused with the first pass.
inline constexpr int kTileMinOrder = 8;

// Wide kernels of one dispatch level.
template <class T>
struct FftKernelsT {
    // Complex transform into re/im: interleaved (im == nullptr, re holds
    // re/im pairs) or separate arrays. With src != nullptr (interleaved only)
    // the bit-reversal gather from src is part of the first pass; otherwise
    // re/im already hold the bit-reversed vector. A non-zero `scale`
    // multiplies every output.
    void (*passes)(const FftPlan<T>&, const T* src, T* re, T* im, bool inverse, T scale);
    // The transform of order >= kTileMinOrder with the bit reversal and the
    // first pass in one sweep over tiles, then the passes: interleaved in
    // place (im == nullptr), or separate arrays in or out of place.
    void (*tiles)(const FftPlan<T>&, const T* sre, const T* sim, T* re, T* im, bool inverse, T scale);
    // The whole transform of a plan with `small` tables, interleaved src to
    // dst (which may be the same array), scaled as `passes`.
    void (*small)(const FftPlan<T>&, const T* src, T* dst, bool inverse, T scale);
    // Real transforms: the pairs (k, M - k), 1 <= k < M/2, of the M complex
    // values in d, split into the spectrum (c = ½cos, s = ½(1 - sin)) or
    // merged back (c = cos, s = sin).
    void (*split_merge)(T* d, std::size_t m, const T* c, const T* s, bool merge);
};

struct FftKernels {
    FftKernelsT<float> f32;
    FftKernelsT<double> f64;
};

enum class PackedLayout;

// Wide kernels of the inverse real transforms of one dispatch level.
template <class T>
struct FftRealKernelsT {
    // The packed spectrum of N = 2m reals at x in layout `lay` merged into
    // the m complex values whose inverse transform is the signal, written
    // to d (d may be x, except for Pack); c = cos, s = sin of the merge table.
    void (*merge)(const T* x, T* d, std::size_t m, const T* c, const T* s, PackedLayout lay);
    // The whole inverse of 16 or 32 reals (plans of order 3 or 4 with
    // `small` tables), x to d (which may be x), scaled as `passes`.
    void (*inv_short)(const FftPlan<T>&, const T* x, T* d, const T* c, const T* s, PackedLayout lay, T scale);
    // The whole forward transform of 16 or 32 reals into the Perm spectrum,
    // x to d (which may be x); c, s of the split table.
    void (*fwd_short)(const FftPlan<T>&, const T* x, T* d, const T* c, const T* s, T scale);
};

struct FftRealKernels {
    FftRealKernelsT<float> f32;
    FftRealKernelsT<double> f64;
};

// The identifier word at the start of any object.
inline std::uint32_t fft_id(const void* p) noexcept {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The first checks of every function taking a specification: null (-8),
// then the identifier word (-17).
inline ZorStatus spec_status(const void* spec, std::uint32_t id) noexcept {
    return spec == nullptr ? zorStsNullPtrErr : fft_id(spec) != id ? zorStsContextMatchErr : zorStsNoErr;
}

// The packed real spectra. Perm is what the split step produces; the others
// are reorderings of it.
enum class PackedLayout { pack, perm, ccs };

// Turns the Perm spectrum of n values in v into `lay`, in place (CCS takes
// n + 2 values, 2 for n = 1).
template <class T>
void perm_to_layout(T* v, std::size_t n, PackedLayout lay) {
    if (n == 1) {
        if (lay == PackedLayout::ccs) v[1] = 0;
        return;
    }
    const T nyq = v[1];
    if (lay == PackedLayout::pack) {
        std::memmove(v + 1, v + 2, (n - 2) * sizeof(T));
        v[n - 1] = nyq;
    } else if (lay == PackedLayout::ccs) {
        v[n] = nyq;
        v[n + 1] = 0;
        v[1] = 0;
    }
}

// Position of A_{N/2} in a layout of an even length n.
constexpr std::size_t nyquist_pos(PackedLayout lay, std::size_t n) {
    return lay == PackedLayout::perm ? 1 : lay == PackedLayout::pack ? n - 1 : n;
}

// Short interleaved complex transforms, orders 3 .. small_max_order (see
// fft.simd.cpp): vectors of `lanes` complex units; up to order 6 the whole
// transform stays in registers, above it runs as two passes over the
// N1 x N2 matrix of the points, N1 = mid_n1(order): the square root, the
// larger half for odd orders, except 8 x 16 at order 7 (on 16 registers
// the second pass does best with the shorter transforms).
inline constexpr int kSmallMinOrder = 3, kOnePassMaxOrder = 6;
template <class T> constexpr int small_max_order() { return 9; }
template <class T> constexpr int small_lanes(int order) { return order == 3 ? 2 : order <= kOnePassMaxOrder || sizeof(T) == 8 ? 4 : 8; }
constexpr std::size_t mid_n1(int order) { return std::size_t{1} << (order == 7 ? 3 : (order + 1) / 2); }
// Factors of the lane-wise transforms of m vectors: W_q^j, j < q, for
// q = m, m/4, ... down to 16.
constexpr std::size_t lane_chain(std::size_t m) {
    std::size_t e = 0;
    for (std::size_t q = m; q >= 16; q /= 4) e += q;
    return e;
}
// Values in the table of an order (each factor: 2·lanes cosines, then
// 2·lanes sines with alternating signs).
template <class T>
constexpr std::size_t small_table_size(int order) {
    const std::size_t u = static_cast<std::size_t>(small_lanes<T>(order)), n = std::size_t{1} << order;
    if (order <= kOnePassMaxOrder) return (n / u + lane_chain(n / u)) * 4 * u;
    const std::size_t n1 = mid_n1(order), n2 = n / n1;
    return (n / u + lane_chain(n2) + lane_chain(n1)) * 4 * u;
}

// The work-buffer size in bytes reported for a kind and order.
int fft_buf_size(std::uint32_t id, int order);

}  // namespace zors
