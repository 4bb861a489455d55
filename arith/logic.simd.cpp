// Wide bodies of the logical operations, shifts and byte swaps, compiled
// once per dispatch level. Plain element loops; the wide level packs them.
#include "frame/isa.h"

#include "arith/logic.h"
#include "arith/ops.h"

namespace zors::ZORS_ISA {
namespace {

struct And { template <class T> static T on(T x, T y) { return x & y; } };
struct Or { template <class T> static T on(T x, T y) { return x | y; } };
struct Xor { template <class T> static T on(T x, T y) { return x ^ y; } };

template <class Op, Shape S, class T>
int bitwise(const ElemArgs& x) {
    if constexpr (S == Shape::vv) {
        // Bytes of two vectors: large destinations are written whole
        // vectors at a time with streaming stores, straight from registers.
        if (x.n >= kStreamBytes) {
            const Zor8u* a = static_cast<const Zor8u*>(x.a);
            const Zor8u* b = static_cast<const Zor8u*>(x.b);
            Zor8u* d = static_cast<Zor8u*>(x.d);
            std::size_t i = 0;
            const std::size_t head = (kVectorBytes - reinterpret_cast<std::uintptr_t>(d) % kVectorBytes) % kVectorBytes;
            for (; i < head; ++i) d[i] = Op::on(a[i], b[i]);
            for (; i + kVectorBytes <= x.n; i += kVectorBytes) {
                const vec<std::int64_t> v = Op::on(load(reinterpret_cast<const std::int64_t*>(a + i)),
                                                   load(reinterpret_cast<const std::int64_t*>(b + i)));
                stream(d + i, v);
            }
            _mm_sfence();
            for (; i < x.n; ++i) d[i] = Op::on(a[i], b[i]);
            return 0;
        }
    }
    map<S, T, T, T>(x, [](T a, T b) { return static_cast<T>(Op::on(a, b)); });
    return 0;
}

// The count (in sf) is below the width here; the exports handle the rest.
template <class T>
int shift_left(const ElemArgs& x) {
    const int s = x.sf;
    map1<T, T>(x, [s](T v) { return static_cast<T>(v << s); });
    return 0;
}

// Logical for unsigned types, arithmetic for signed ones.
template <class T>
int shift_right(const ElemArgs& x) {
    const int s = x.sf;
    map1<T, T>(x, [s](T v) { return static_cast<T>(v >> s); });
    return 0;
}

template <class T>
int swap_bytes(const ElemArgs& x) {
    if constexpr (sizeof(T) == 2) map1<T, T>(x, [](T v) { return __builtin_bswap16(v); });
    else map1<T, T>(x, [](T v) { return __builtin_bswap32(v); });
    return 0;
}

// 3-byte elements: the first and third byte exchanged, the middle kept.
int swap_bytes_24(const ElemArgs& x) {
    const Zor8u* s = static_cast<const Zor8u*>(x.a);
    Zor8u* d = static_cast<Zor8u*>(x.d);
#pragma GCC ivdep
    for (std::size_t i = 0; i < x.n; ++i) {
        const Zor8u b0 = s[3 * i], b1 = s[3 * i + 1], b2 = s[3 * i + 2];
        d[3 * i] = b2;
        d[3 * i + 1] = b1;
        d[3 * i + 2] = b0;
    }
    return 0;
}

}  // namespace

extern const LogicKernels logic_kernels = {{
#define ZORS_LOGIC_ENTRY(id, ...) __VA_ARGS__,
    ZORS_LOGIC_KERNELS(ZORS_LOGIC_ENTRY)
#undef ZORS_LOGIC_ENTRY
}};

}  // namespace zors::ZORS_ISA
