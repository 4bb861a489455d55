// Table-driven argument checks for any export of the usual check order: every pointer
// argument in turn is made null, then the length is made too small, and each
// time the status must be the family's code and no output byte may change.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "zors.h"

namespace zchk {

// Storage for one argument: pointers get a small buffer filled with a
// sentinel byte; integers and enumerations a value.
template <class A>
struct Arg {
    A value{};
    A get(int, bool) const { return value; }
    bool unchanged() const { return true; }
};

template <class T>
struct Arg<T*> {
    using E = std::remove_const_t<T>;
    std::vector<unsigned char> bytes = std::vector<unsigned char>(sizeof(E) * 8, 0x5A);
    T* get(int, bool null) { return null ? nullptr : reinterpret_cast<T*>(bytes.data()); }
    bool unchanged() const {
        for (unsigned char b : bytes) if (b != 0x5A) return false;
        return true;
    }
};

// Which argument is the length: the first `int` after the first pointer.
template <class... A>
constexpr int length_index() {
    constexpr bool is_int[] = {std::is_same_v<A, int>...};
    constexpr bool is_ptr[] = {std::is_pointer_v<A>...};
    bool seen_ptr = false;
    for (int i = 0; i < static_cast<int>(sizeof...(A)); ++i) {
        if (is_ptr[i]) seen_ptr = true;
        else if (is_int[i] && seen_ptr) return i;
    }
    return -1;
}

template <class... A, std::size_t... I>
ZorStatus call(ZorStatus (*f)(A...), std::tuple<Arg<A>...>& args, int null_at, int len,
               std::index_sequence<I...>) {
    constexpr int li = length_index<A...>();
    auto pick = [&](auto& arg, int i) {
        using V = decltype(arg.get(0, false));
        if constexpr (std::is_pointer_v<V>) return arg.get(0, i == null_at);
        else if constexpr (std::is_same_v<V, int>) return i == li ? len : arg.value;
        else return arg.value;
    };
    return f(pick(std::get<I>(args), static_cast<int>(I))...);
}

// Runs the checks of the usual order (pointers, then len >= min_len) on f.
template <class... A>
void expect_checks(const char* name, ZorStatus (*f)(A...), int min_len) {
    SCOPED_TRACE(name);
    constexpr int n = sizeof...(A);
    constexpr bool is_ptr[] = {std::is_pointer_v<A>...};
    std::tuple<Arg<A>...> args;
    auto untouched = [&] { return std::apply([](auto&... a) { return (a.unchanged() && ...); }, args); };
    for (int p = 0; p < n; ++p) {
        if (!is_ptr[p]) continue;
        for (int len : {0, min_len, 5}) {
            EXPECT_EQ(call(f, args, p, len, std::index_sequence_for<A...>{}), zorStsNullPtrErr)
                << "null argument " << p << " with len " << len;
        }
    }
    for (int len : {min_len - 1, 0, -1, -2147483647 - 1}) {
        if (len >= min_len) continue;
        EXPECT_EQ(call(f, args, -1, len, std::index_sequence_for<A...>{}), zorStsSizeErr) << "len " << len;
    }
    EXPECT_TRUE(untouched());
}

}  // namespace zchk

#define ZT_CHECKS(f, min_len) ::zchk::expect_checks(#f, &f, min_len)
