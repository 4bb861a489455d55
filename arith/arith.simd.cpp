// Wide bodies of the element-wise arithmetic, compiled once per dispatch
// level. The kernels themselves are the templates of ops.h; this file only
// adds the absolute value and lists the table.
#include "frame/isa.h"

#include "arith/arith.h"
#include "arith/ops.h"

namespace zors::ZORS_ISA {
namespace {

// |x|: the integer forms saturate (-32768 gives 32767), the floating forms
// clear the sign bit.
template <class T>
int absolute(const ElemArgs& x) {
    if constexpr (std::is_integral_v<T>) {
        map1<T, T>(x, [](T v) { return v == std::numeric_limits<T>::min() ? std::numeric_limits<T>::max() : static_cast<T>(v < 0 ? -v : v); });
    } else {
        using U = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        constexpr U mask = ~(U{1} << (8 * sizeof(T) - 1));
        map1<U, U>(x, [](U v) { return static_cast<U>(v & mask); });
    }
    return 0;
}

}  // namespace

extern const ArithKernels arith_kernels = {{
#define ZORS_ARITH_ENTRY(id, ...) __VA_ARGS__,
    ZORS_ARITH_KERNELS(ZORS_ARITH_ENTRY)
#undef ZORS_ARITH_ENTRY
}};

}  // namespace zors::ZORS_ISA
