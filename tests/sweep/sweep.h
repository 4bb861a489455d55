// The hostile-argument sweep: every function of the header, called through a
// table generated from the header's declarations (sweep_table.inc), with one
// bad argument at a time. This file turns a C function of any signature into
// a uniform record: the kind of each parameter, taken from its C++ type, and
// a caller that takes the arguments as an array of slots.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "zors.h"

namespace sweep {

// One argument value, whatever its type.
struct Slot {
    void* p = nullptr;
    long long i = 0;
    double re = 0, im = 0;
};

// The class of a parameter as its C++ type tells it.
enum class Kind { Pointer, Integer, Floating, Complex };

// What a pointer points at: element class and component size, or an opaque
// object (an incomplete struct), or another pointer.
enum class Elem { None, Signed, Unsigned, Float, Object, Pointer };

struct ParamType {
    Kind kind = Kind::Integer;
    Elem elem = Elem::None;  // pointers only
    int size = 0;            // pointers: component size; scalars: value size
    bool is_const = false;   // pointer to const
    bool complex = false;    // pointer to a complex element
};

struct Result {
    long long status = 0;     // functions returning a status or an integer
    const void* ptr = nullptr;  // functions returning a pointer
};

enum class Returns { Status, Pointer, Other };

template <class T, class = void>
struct is_complete : std::false_type {};
template <class T>
struct is_complete<T, std::void_t<decltype(sizeof(T))>> : std::true_type {};

template <class T>
constexpr bool is_cplx() {
    if constexpr (std::is_class_v<T> && is_complete<T>::value) return requires(T t) { t.re; t.im; };
    else return false;
}

template <class A>
constexpr ParamType param_type() {
    ParamType t;
    if constexpr (std::is_pointer_v<A>) {
        using E = std::remove_pointer_t<A>;
        using U = std::remove_cv_t<E>;
        t.kind = Kind::Pointer;
        t.is_const = std::is_const_v<E>;
        if constexpr (std::is_void_v<U>) {
            t.elem = Elem::None;
        } else if constexpr (std::is_pointer_v<U>) {
            t.elem = Elem::Pointer;
            t.size = sizeof(U);
        } else if constexpr (!is_complete<U>::value) {
            t.elem = Elem::Object;
        } else if constexpr (is_cplx<U>()) {
            using C = decltype(U{}.re);
            t.complex = true;
            t.size = sizeof(C);
            t.elem = std::is_floating_point_v<C> ? Elem::Float : Elem::Signed;
        } else {
            t.size = sizeof(U);
            t.elem = std::is_floating_point_v<U> ? Elem::Float
                     : std::is_signed_v<U>       ? Elem::Signed
                                                 : Elem::Unsigned;
        }
    } else if constexpr (std::is_floating_point_v<A>) {
        t.kind = Kind::Floating;
        t.size = sizeof(A);
    } else if constexpr (is_cplx<A>()) {
        t.kind = Kind::Complex;
        t.size = sizeof(A);
    } else {
        static_assert(std::is_integral_v<A> || std::is_enum_v<A>, "unexpected parameter type");
        t.kind = Kind::Integer;
        t.size = sizeof(A);
    }
    return t;
}

template <class A>
A from_slot(const Slot& s) {
    if constexpr (std::is_pointer_v<A>) {
        return static_cast<A>(s.p);
    } else if constexpr (std::is_floating_point_v<A>) {
        return static_cast<A>(s.re);
    } else if constexpr (is_cplx<A>()) {
        A a{};
        a.re = static_cast<decltype(a.re)>(s.re);
        a.im = static_cast<decltype(a.im)>(s.im);
        return a;
    } else {
        return static_cast<A>(s.i);
    }
}

using AnyFn = void (*)();
constexpr int kMaxParams = 16;

struct Function {
    const char* name;
    const char* decl;  // the parameter list as declared
    int n;
    ParamType types[kMaxParams];
    Returns returns;
    AnyFn fn;
    Result (*invoke)(AnyFn, const Slot*);
};

template <class R, class... A>
Result invoke(AnyFn g, const Slot* s) {
    auto f = reinterpret_cast<R (*)(A...)>(g);
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        Result r;
        if constexpr (std::is_void_v<R>) {
            f(from_slot<A>(s[I])...);
        } else if constexpr (std::is_pointer_v<R>) {
            r.ptr = f(from_slot<A>(s[I])...);
        } else {
            r.status = static_cast<long long>(f(from_slot<A>(s[I])...));
        }
        return r;
    }(std::index_sequence_for<A...>{});
}

template <class R, class... A>
Function make_function(const char* name, const char* decl, R (*f)(A...)) {
    static_assert(sizeof...(A) <= kMaxParams);
    Function fn{name, decl, static_cast<int>(sizeof...(A)), {}, Returns::Other,
                reinterpret_cast<AnyFn>(f), &invoke<R, A...>};
    const ParamType types[] = {param_type<A>()..., ParamType{}};
    for (int i = 0; i < fn.n; ++i) fn.types[i] = types[i];
    if constexpr (std::is_same_v<R, ZorStatus>) fn.returns = Returns::Status;
    else if constexpr (std::is_pointer_v<R>) fn.returns = Returns::Pointer;
    return fn;
}

}  // namespace sweep
