// DFT of any length: the complex plan shared by every DFT kind, and the
// specification objects built on it.
//
// A plan of n complex points picks one algorithm once, at creation:
//   n <= 4           straight-line routines, no tables;
//   n a power of two the power-of-two FFT (an embedded FFT specification);
//   n factorises     mixed radix (levels of radix 2 first, then 4s, then odd
//                    factors; the remaining prime of at most 150 is the
//                    innermost length);
//   n > 150          Bluestein's algorithm through a power-of-two FFT;
//   otherwise        the direct sum with a table of the n roots of unity.
// Plans are read-only after creation; a transform needs only the caller's
// scratch area, so one plan serves concurrent calls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "zors.h"

namespace zors {

enum DftKind : std::uint32_t {
    kDftC16sc = 10, kDftC16s = 11, kDftR16s = 12,
    kDftC32fc = 13, kDftC32f = 14, kDftR32f = 15,
    kDftC64fc = 16, kDftC64f = 17, kDftR64f = 18,
    kDftOutOrd32fc = 0x4C4D535C, kDftOutOrd64fc = 0x4C4D535D,
};

enum class DftAlg : std::int32_t { tiny, pow2, mixed, bluestein, direct };

template <class T>
struct Cx {
    T re, im;
};

// One mixed-radix level: sub-transforms of f·m points (count of them) whose
// inputs sit s apart in the original sequence; tw holds W_{f·m}^{j·k} for
// j = 1 .. f - 1, k < m (row j, m values); for s = 1, 2 and 4, twx holds
// row j with each value repeated s times (tw itself for s = 1), else null.
template <class T>
struct DftLevel {
    std::int32_t f, m, s, count;
    const Cx<T>* tw;
    const Cx<T>* twx;
};

// Mixed-radix plans short enough to run as straight-line code: the radices
// from level 0 out and the innermost length last.
struct DftShape {
    std::int32_t count;
    std::int32_t radix[4];
};
inline constexpr DftShape kDftShapes[] = {
    {2, {2, 3}}, {2, {2, 5}}, {2, {2, 7}}, {2, {4, 3}}, {2, {4, 5}}, {2, {4, 7}}, {2, {3, 3}}, {2, {3, 5}},
    {3, {2, 3, 3}}, {3, {2, 3, 5}}, {3, {2, 4, 3}}, {3, {2, 4, 5}}, {3, {4, 3, 3}}, {3, {4, 3, 5}},
    {3, {4, 4, 3}}, {3, {4, 5, 5}},
};
inline constexpr int kDftShapeCount = static_cast<int>(sizeof kDftShapes / sizeof kDftShapes[0]);

// A complex DFT of n points in one of the five algorithms.
template <class T>
struct DftPlan {
    std::int32_t n;
    DftAlg alg;
    std::int32_t shape;         // mixed radix: 1 + index in kDftShapes, or 0
    std::int32_t work;          // scratch bytes a transform needs (16 of slack included), 0 if none
    // mixed radix
    std::int32_t nlev, inner, largest;  // levels, innermost length, largest radix or remaining length
    DftLevel<T> lev[20];
    std::uint32_t* digits;      // owned: input start of each innermost block (n / inner entries)
    Cx<T>* roots;               // owned: e^{-2πi·j/n}, j < n (mixed radix and direct)
    Cx<T>* twiddles;            // owned: the level tables, one block
    Cx<T>* lane_twiddles;       // owned: the repeated level tables (twx), one block, or null
    // Bluestein
    std::int32_t padded;        // M, a power of two >= 2n - 1
    std::int32_t apart;         // the FFT's share of the work area holds M more values: the FFTs run out of place
    Cx<T>* chirp;               // owned: e^{-iπ·j²/n}, j < n
    Cx<T>* kernel;              // owned: spectrum of the conjugate chirp, times 1/M
    // power of two (the plan's kind) or Bluestein (interleaved kind)
    void* fft;                  // owned
    std::int32_t fft_kind;      // FFT identifier of `fft`
};

// A complex vector: interleaved (im = re + 1, step 2) or separate arrays (step 1).
template <class T>
struct CView {
    T* re;
    T* im;
    std::ptrdiff_t step;
    Cx<T> get(std::size_t i) const { return {re[i * step], im[i * step]}; }
    void set(std::size_t i, Cx<T> v) const { re[i * step] = v.re; im[i * step] = v.im; }
};

// Builds a plan of n points (the power-of-two FFT of kind fft_kind with the
// flag and hint when n is a power of two above 4; a plain unnormalised plan
// otherwise). Returns 0 or the failing status; on failure nothing stays
// allocated.
template <class T>
ZorStatus dft_plan_init(DftPlan<T>& p, int n, int fft_kind, int flag, int hint, bool allow_mixed = true, int direct_limit = 150);
template <class T>
void dft_plan_free(DftPlan<T>& p);

// The transform of the plan from src to dst (may be the same vectors),
// unnormalised except for the power-of-two FFT, which applies its own flag.
// `work` is 16-byte aligned with at least p.work bytes. Returns the FFT's
// status for the power-of-two algorithm, else 0.
template <class T>
ZorStatus dft_plan_run(const DftPlan<T>& p, CView<T> src, CView<T> dst, void* work, bool inverse);

// A mixed-radix plan from src to dst (interleaved, may be the same array)
// with n values of work; unnormalised.
template <class T>
void dft_plan_run_sorted(const DftPlan<T>& p, const Cx<T>* src, Cx<T>* dst, Cx<T>* work, bool inverse);

// The out-of-order passes of a mixed-radix plan on dst (n points, in place):
// forward leaves the spectrum in digit-reversed order, the inverse reads that
// order and returns natural order.
template <class T>
void dft_plan_run_outord(const DftPlan<T>& p, Cx<T>* d, bool inverse);

// The transforms of a plan, one table per dispatch level.
template <class T>
struct DftKernelsT {
    ZorStatus (*run)(const DftPlan<T>&, CView<T> src, CView<T> dst, void* work, bool inverse);
    void (*outord)(const DftPlan<T>&, Cx<T>* d, bool inverse);
    void (*sorted)(const DftPlan<T>&, const Cx<T>* src, Cx<T>* dst, Cx<T>* work, bool inverse);
};
struct DftKernels {
    DftKernelsT<float> f32;
    DftKernelsT<double> f64;
};

// The complex power-of-two FFT of an interleaved (kinds 4, 7) or split (5, 8)
// FFT specification, through the exported transforms.
ZorStatus fft_complex(int kind, const void* spec, CView<float> x, CView<float> y, void* buf, bool inverse);
ZorStatus fft_complex(int kind, const void* spec, CView<double> x, CView<double> y, void* buf, bool inverse);

// e^{-2πi·m/n} in long double, from an argument of at most π/4.
void unit_root(std::uint64_t m, std::uint64_t n, long double& c, long double& s);

// The work buffer of a transform: the caller's, rounded up to 16 bytes, or
// one allocated for the call.
struct DftWork {
    void* owned = nullptr;
    void* at = nullptr;
    ~DftWork() {
        if (owned != nullptr) release();
    }
    bool get(Zor8u* caller, int size) {
        if (size <= 0) return true;
        if (caller == nullptr) return get_owned(size);
        at = reinterpret_cast<void*>((reinterpret_cast<std::uintptr_t>(caller) + 15) & ~std::uintptr_t{15});
        return true;
    }
    void release();
    bool get_owned(int size);
};

// The floating-point DFT specification (kinds 13 to 18 and the out-of-order kinds).
template <class T>
struct DftSpecF {
    std::uint32_t id;
    std::int32_t len;
    std::int32_t fwd_scaled;
    std::int32_t inv_scaled;
    T scale;
    std::int32_t hint;
    std::int32_t buf_size;
    std::int32_t pow2;
    std::int32_t out_of_order;
    std::int32_t real_mode;    // real kinds: 0 tiny/pow2, 1 even (half-length plan + split), 2 odd via complex, 3 odd direct
    Cx<T>* roots;              // owned (real kinds): e^{-2πi·j/len} for j <= len/4 + 1 (even len, the
                               // split factors) or j < len (odd len, direct sum)
    DftPlan<T> plan;
};

// The 16-bit DFT specification (kinds 10 to 12): the embedded single-precision
// specification of the same length and flag, created with hint 1.
struct DftSpec16 {
    std::uint32_t id;
    std::int32_t len;
    std::int32_t hint;
    std::int32_t buf_size;
    void* fspec;
};

}  // namespace zors
