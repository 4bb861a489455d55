// SortAscend, SortDescend, FindNearestOne and FindNearest.
//
// Checks: a null pointer (-8), then the lengths (-6). FindNearestOne tests
// pOutVal, pOutIndex and pTable, then tblLen; FindNearest its four pointers,
// then len and tblLen.
//
// Sorting maps every element to an unsigned key whose order is the
// element's order (the sign bit flipped for signed integers; for floating
// types all bits flipped when negative, else the sign bit set), so -0 sorts
// before +0, NaN with the sign bit clear after +infinity and NaN with it set
// before -infinity. Descending order sorts the complemented keys. Longer
// vectors are sorted by a least-significant-digit radix sort on bytes
// through a scratch buffer from the library allocator, skipping the bytes
// that every key shares; short vectors, and any call whose buffer cannot be
// allocated, use an in-place comparison sort on the same keys.
//
// FindNearest: an ascending table is searched by bisection for
// pTable[i] <= v < pTable[i+1]; i + 1 is taken only when it is strictly
// nearer. Values not above the first entry give index 0, values not below
// the last entry the last index.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "frame/check.h"
#include "frame/memory.h"

namespace zors {
namespace {

template <std::size_t N> struct key_word;
template <> struct key_word<1> { using type = std::uint8_t; };
template <> struct key_word<2> { using type = std::uint16_t; };
template <> struct key_word<4> { using type = std::uint32_t; };
template <> struct key_word<8> { using type = std::uint64_t; };

template <class T> using key_t = typename key_word<sizeof(T)>::type;

template <class T>
constexpr key_t<T> kSign = static_cast<key_t<T>>(key_t<T>{1} << (8 * sizeof(T) - 1));

// Element bits to key and back (in place, on the element's own bytes).
template <class T, bool Descend>
inline key_t<T> to_key(key_t<T> b) {
    using K = key_t<T>;
    K k = b;
    if constexpr (std::is_floating_point_v<T>) k = (b & kSign<T>) ? static_cast<K>(~b) : static_cast<K>(b | kSign<T>);
    else if constexpr (std::is_signed_v<T>) k = static_cast<K>(b ^ kSign<T>);
    return Descend ? static_cast<K>(~k) : k;
}

template <class T, bool Descend>
inline key_t<T> from_key(key_t<T> k) {
    using K = key_t<T>;
    if constexpr (Descend) k = static_cast<K>(~k);
    if constexpr (std::is_floating_point_v<T>) return (k & kSign<T>) ? static_cast<K>(k & ~kSign<T>) : static_cast<K>(~k);
    else if constexpr (std::is_signed_v<T>) return static_cast<K>(k ^ kSign<T>);
    else return k;
}

// Sorts keys with byte digits, least significant first; `tmp` holds n keys.
// The result ends in `keys`.
template <class K>
void radix_sort(K* keys, K* tmp, std::size_t n) {
    constexpr int kDigits = sizeof(K);
    std::uint32_t count[kDigits][256] = {};
    for (std::size_t i = 0; i < n; ++i) {
        const K k = keys[i];
        for (int d = 0; d < kDigits; ++d) ++count[d][(k >> (8 * d)) & 0xFF];
    }
    K* from = keys;
    K* to = tmp;
    for (int d = 0; d < kDigits; ++d) {
        std::uint32_t* c = count[d];
        if (c[(from[0] >> (8 * d)) & 0xFF] == n) continue;  // every key shares this byte
        std::uint32_t pos = 0;
        for (int b = 0; b < 256; ++b) {
            const std::uint32_t cb = c[b];
            c[b] = pos;
            pos += cb;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const K k = from[i];
            to[c[(k >> (8 * d)) & 0xFF]++] = k;
        }
        std::swap(from, to);
    }
    if (from != keys) std::memcpy(keys, from, n * sizeof(K));
}

// Below this length the comparison sort is as fast and needs no buffer.
constexpr int kRadixMin = 256;

template <class T, bool Descend>
ZorStatus sort(T* data, int len) {
    ZORS_CHECK(nonnull(data), positive(len));
    using K = key_t<T>;
    const auto n = static_cast<std::size_t>(len);
    K* keys = reinterpret_cast<K*>(data);
    for (std::size_t i = 0; i < n; ++i) keys[i] = to_key<T, Descend>(keys[i]);
    K* tmp = len >= kRadixMin ? static_cast<K*>(aligned_alloc_bytes(std::uint64_t{n} * sizeof(K))) : nullptr;
    if (tmp) {
        radix_sort(keys, tmp, n);
        aligned_free(tmp);
    } else {
        std::sort(keys, keys + n);
    }
    for (std::size_t i = 0; i < n; ++i) keys[i] = from_key<T, Descend>(keys[i]);
    return zorStsNoErr;
}

// The index of the table entry nearest to v.
int nearest(Zor16u v, const Zor16u* table, int len) {
    if (len == 1 || v <= table[0]) return 0;
    if (v >= table[len - 1]) return len - 1;
    int lo = 0, hi = len - 1;  // table[lo] < v < table[hi]
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (table[mid] <= v) lo = mid;
        else hi = mid;
    }
    return v - table[lo] > table[hi] - v ? hi : lo;
}

ZorStatus find_nearest_one(Zor16u v, Zor16u* out, int* index, const Zor16u* table, int len) {
    ZORS_CHECK(nonnull(out, index, table), positive(len));
    const int i = nearest(v, table, len);
    *out = table[i];
    *index = i;
    return zorStsNoErr;
}

ZorStatus find_nearest(const Zor16u* vals, Zor16u* out, int* index, int len, const Zor16u* table, int tbl_len) {
    ZORS_CHECK(nonnull(vals, out, index, table), positive(len), positive(tbl_len));
    for (int k = 0; k < len; ++k) {
        const int i = nearest(vals[k], table, tbl_len);
        out[k] = table[i];
        index[k] = i;
    }
    return zorStsNoErr;
}

}  // namespace
}  // namespace zors

using namespace zors;

ZorStatus zorsSortAscend_8u_I(Zor8u* pSrcDst, int len) { return sort<Zor8u, false>(pSrcDst, len); }
ZorStatus zorsSortAscend_16s_I(Zor16s* pSrcDst, int len) { return sort<Zor16s, false>(pSrcDst, len); }
ZorStatus zorsSortAscend_32s_I(Zor32s* pSrcDst, int len) { return sort<Zor32s, false>(pSrcDst, len); }
ZorStatus zorsSortAscend_32f_I(Zor32f* pSrcDst, int len) { return sort<Zor32f, false>(pSrcDst, len); }
ZorStatus zorsSortAscend_64f_I(Zor64f* pSrcDst, int len) { return sort<Zor64f, false>(pSrcDst, len); }
ZorStatus zorsSortDescend_8u_I(Zor8u* pSrcDst, int len) { return sort<Zor8u, true>(pSrcDst, len); }
ZorStatus zorsSortDescend_16s_I(Zor16s* pSrcDst, int len) { return sort<Zor16s, true>(pSrcDst, len); }
ZorStatus zorsSortDescend_32s_I(Zor32s* pSrcDst, int len) { return sort<Zor32s, true>(pSrcDst, len); }
ZorStatus zorsSortDescend_32f_I(Zor32f* pSrcDst, int len) { return sort<Zor32f, true>(pSrcDst, len); }
ZorStatus zorsSortDescend_64f_I(Zor64f* pSrcDst, int len) { return sort<Zor64f, true>(pSrcDst, len); }

ZorStatus zorsFindNearestOne_16u(Zor16u inpVal, Zor16u* pOutVal, int* pOutIndex, const Zor16u* pTable, int tblLen) { return find_nearest_one(inpVal, pOutVal, pOutIndex, pTable, tblLen); }
ZorStatus zorsFindNearest_16u(const Zor16u* pVals, Zor16u* pOutVals, int* pOutIndexes, int len, const Zor16u* pTable, int tblLen) { return find_nearest(pVals, pOutVals, pOutIndexes, len, pTable, tblLen); }
