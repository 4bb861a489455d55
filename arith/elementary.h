// Kernel list of the elementary functions (see arith.h for the form of the
// list), and the scalar logarithm and exponential that other families use.
#pragma once

#include "arith/kernel.h"

#define ZORS_ELEMENTARY_KERNELS(X)                                          \
    X(exp_32f, exp_kernel<Zor32f, Zor32f>)                                  \
    X(exp_64f, exp_kernel<Zor64f, Zor64f>)                                  \
    X(exp_32f64f, exp_kernel<Zor32f, Zor64f>)                               \
    X(ln_32f, ln_kernel<Zor32f, Zor32f>)                                    \
    X(ln_64f, ln_kernel<Zor64f, Zor64f>)                                    \
    X(ln_64f32f, ln_kernel<Zor64f, Zor32f>)                                 \
    X(atan_32f, atan_kernel<Zor32f>)                                        \
    X(atan_64f, atan_kernel<Zor64f>)                                        \
    X(cbrt_32f, cbrt_kernel)

namespace zors {

enum ElementaryId : int {
#define ZORS_ELEMENTARY_ID(id, ...) k_##id,
    ZORS_ELEMENTARY_KERNELS(ZORS_ELEMENTARY_ID)
#undef ZORS_ELEMENTARY_ID
    kElementaryCount
};

using ElementaryKernels = ElemTable<kElementaryCount>;

// The kernels' results: 0, or the logarithms' warnings (7 zero, 8 negative).
namespace elem {

// ln x and e^x of one double by the library's kernels (the logarithm of a
// zero or negative value is -inf or NaN).
double ln(double x) noexcept;
double exp(double x) noexcept;

}  // namespace elem
}  // namespace zors
