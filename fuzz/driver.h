// Differential fuzz driver: one family's exports at every dispatch level.
//
// An input picks a member of the family (kEntries, generated from the
// header), a length, a misalignment, the density of special values in the
// data (signed zeros, subnormals, infinities, NaNs, integer extremes) and
// the scalar arguments. The member runs once per dispatch level this machine
// has, each time on fresh copies of the same buffers, with objects it needs
// (specifications, states) built anew at that level by one of their
// constructors. Every level must return the same status and leave the same
// bytes in every output; source buffers stay untouched, bytes around each
// vector stay untouched (they are poisoned for the address sanitizer as
// well), and an error status leaves every output as it was.
//
// The call is generic: each argument is decoded from its C type (element
// vector, scalar, enumeration, object) and its parameter name (`len`,
// `scaleFactor`, `order`, `pSrcDst`, ...), so one template serves every
// signature and the tables carry no per-function code.
#pragma once

#include <sanitizer/asan_interface.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "frame/dispatch.h"
#include "zors.h"

namespace zf {

constexpr std::uint32_t hash(std::string_view s) {
    std::uint32_t h = 2166136261u;
    for (char c : s) h = (h ^ static_cast<std::uint8_t>(c)) * 16777619u;
    return h;
}

inline std::uint32_t mix(std::uint32_t x) {
    x ^= x >> 16; x *= 0x7feb352d; x ^= x >> 15; x *= 0x846ca68b; x ^= x >> 16;
    return x;
}

// ---------------------------------------------------------------------------
// Input: the first kControl bytes decide the call, the rest is sample data.
// Every decoded value depends only on the input and on a name, never on the
// order in which the arguments happen to be evaluated.
class Input {
public:
    static constexpr std::size_t kControl = 32;
    Input(const std::uint8_t* d, std::size_t n) : d_(d), n_(n) {}
    std::uint8_t byte(std::size_t i) const { return i < n_ ? d_[i] : 0; }
    std::uint32_t word(std::uint32_t key) const {
        const std::size_t at = 8 + key % (kControl - 12);
        std::uint32_t w = 0;
        for (int k = 0; k < 4; ++k) w |= std::uint32_t{byte(at + k)} << (8 * k);
        return mix(w ^ key);
    }
    // Sample bytes: the data part of the input, repeated; a hash stream when
    // the input has none.
    std::uint8_t sample(std::uint64_t i) const {
        if (n_ <= kControl) return static_cast<std::uint8_t>(mix(static_cast<std::uint32_t>(i) * 2654435761u));
        return d_[kControl + i % (n_ - kControl)];
    }

private:
    const std::uint8_t* d_;
    std::size_t n_;
};

// Ranges of the named integer arguments: `lo..hi` (hi may be bounded by the
// value of another argument), and which hostile values may be drawn instead:
// any 32-bit value for a checked range, only non-positive ones for sizes (a
// size beyond the caller's buffers is the caller's error, which no library
// can detect), none for an unchecked offset into a caller's table.
enum Hostile { Any, NonPositive, Never };
struct IntRange {
    std::string_view name;
    int lo, hi;
    Hostile hostile;
    std::string_view below = {};  // hi is this argument's value - 1
};
inline constexpr IntRange kInts[] = {
    {"scaleFactor", -20, 40, Any},
    {"hint", 0, 2, Any},
    {"rndMode", 0, 1, Any},
    {"relOp", 0, 4, Any},
    {"flag", 0, 3, Any},  // index into 1, 2, 4, 8
    {"winType", 0, 4, Any},
    {"doNormal", 0, 1, Any},
    // An IIR order is a length (taps and delay line follow it), so a hostile
    // one is non-positive like the other sizes, not any integer.
    {"order", 0, 12, NonPositive},
    {"tapsLen", 1, 160, NonPositive},
    {"numIters", 0, 2200, NonPositive},
    {"upFactor", 1, 7, NonPositive},
    {"downFactor", 1, 7, NonPositive},
    {"upPhase", 0, 0, Any, "upFactor"},
    {"downPhase", 0, 0, Any, "downFactor"},
    {"tapsFactor", -4, 20, Any},
    {"numBq", 1, 6, NonPositive},
    {"maskSize", 1, 40, NonPositive},
    {"dlyIndex", 0, 0, Any, "tapsLen"},
    {"dlyLineIndex", 0, 0, Any, "tapsLen"},
    {"dlyStep", 1, 4, NonPositive},
    {"updateDly", 0, 1, NonPositive},
    {"index", 0, 0, Any, "tapsLen"},
    {"factor", 1, 7, NonPositive},
    {"phase", 0, 0, Any, "factor"},
    {"srcLen", 1, 3000, NonPositive},
    {"dstLen", 1, 600, NonPositive},
    {"len1", 1, 1200, NonPositive},
    {"len2", 1, 1200, NonPositive},
    {"lowLag", -8, 40, Any},
    {"lenLow", 1, 12, NonPositive},
    {"lenHigh", 1, 12, NonPositive},
    {"offsLow", -1, 0, NonPositive, "lenLow"},
    {"offsHigh", -1, 0, NonPositive, "lenHigh"},
    {"numStates", 1, 64, NonPositive},
    {"subsetXor", 0, 15, Any},
    {"survivorOffset", 0, 8, Never},
    {"srcShiftRight", 0, 31, Any},
    {"tblLen", 1, 64, NonPositive},
    {"alphaQ15", -40000, 40000, Any},
    {"muQ15", 0, 32767, Any},
    {"val", -70000, 70000, Any},
    {"vDiv", -5, 5000, Any},
    {"value", -5, 5, Any},
};

// Values every floating element type has trouble with.
template <class F>
F special_float(std::uint32_t k) {
    using L = std::numeric_limits<F>;
    const F v[] = {F(0), -F(0), L::denorm_min(), -L::denorm_min(), L::min() - L::denorm_min(), L::min(), -L::min(),
                   L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(), L::signaling_NaN(), L::max(),
                   -L::max(), F(1), F(-1), F(0.5), L::epsilon(), F(65535.5), F(-32768.5), F(2147483648.0)};
    return v[k % (sizeof v / sizeof v[0])];
}
template <class I>
I special_int(std::uint32_t k) {
    using L = std::numeric_limits<I>;
    const I v[] = {I(0), I(1), L::max(), L::min(), I(L::max() - 1), I(L::min() + 1), I(-1), I(L::max() / 2 + 1)};
    return v[k % (sizeof v / sizeof v[0])];
}

// Component type of an element: the type itself, or a complex type's part.
template <class T, class = void> struct part { using type = T; };
template <class T> struct part<T, std::void_t<decltype(T::re)>> { using type = decltype(T::re); };
template <class T> using part_t = typename part<T>::type;

// ---------------------------------------------------------------------------
// Everything one input decides, shared by the calls at every level.
class Ctx {
public:
    explicit Ctx(Input in) : in_(in) {
        static constexpr int kMax[] = {16, 70, 300, 3000};
        const int cls = in.byte(2) & 3;
        len_ = static_cast<int>((in.byte(3) | in.byte(4) << 8) % (kMax[cls] + 1));
        skew_ = in.byte(5) & 7;
        density_ = in.byte(6);
        wild_ = (in.byte(7) & 3) == 0;
    }
    const Input& in() const { return in_; }
    int skew() const { return skew_; }

    // The value of a named integer argument.
    int int_named(std::string_view name) const {
        const std::uint32_t w = in_.word(hash(name));
        bool hostile = (w & 31) == 0;
        if (name == "len") {
            if (hostile) return -static_cast<int>(w >> 28);
            return len_;
        }
        for (const IntRange& r : kInts) {
            if (r.name != name) continue;
            if (hostile && r.hostile == NonPositive) return -static_cast<int>((w >> 8) & 3);
            if (hostile && r.hostile == Any) return static_cast<int>(mix(w));
            int hi = r.hi;
            if (!r.below.empty()) hi = std::max(r.lo, int_named(r.below) - 1);
            const int v = r.lo + static_cast<int>((w >> 5) % static_cast<std::uint32_t>(hi - r.lo + 1));
            return name == "flag" ? 1 << v : v;
        }
        return static_cast<int>((w >> 5) % 17);
    }
    // The same value, as a non-negative count for sizing buffers.
    long count(std::string_view name) const {
        const int v = int_named(name);
        return v > 0 ? (v < (1 << 20) ? v : 1 << 20) : 0;
    }

    // A scalar argument of element type T.
    template <class T>
    T scalar(std::string_view name) const {
        T v{};
        if constexpr (std::is_class_v<T>) {
            v.re = component<part_t<T>>(hash(name), 0, name);
            v.im = component<part_t<T>>(hash(name), 1, name);
        } else {
            v = component<T>(hash(name), 0, name);
        }
        return v;
    }

    // Element `i` (component index) of a data vector salted by its name.
    template <class P>
    P component(std::uint32_t salt, std::uint64_t i, std::string_view name = {}) const {
        const std::uint32_t h = mix(salt ^ mix(static_cast<std::uint32_t>(i) + 0x9e37u));
        const bool special = (h & 255) < density_ || (!name.empty() && (in_.word(salt) & 7) == 0);
        if constexpr (std::is_floating_point_v<P>) {
            if (special) return special_float<P>(h >> 8);
            std::uint64_t bits = 0;
            for (std::size_t k = 0; k < sizeof(P); ++k) bits |= std::uint64_t{in_.sample(salt + i * sizeof(P) + k)} << (8 * k);
            if (wild_) {
                P v;
                std::memcpy(&v, &bits, sizeof v);
                return v;
            }
            // Mostly moderate values; a scalar named like a frequency stays
            // in its usual range.
            const double u = static_cast<double>(static_cast<std::int16_t>(bits)) / 32768.0;
            if (name.find("Freq") != std::string_view::npos) return static_cast<P>(std::fabs(u) * 0.5);
            if (name == "magn" || name == "stdDev" || name == "mu") return static_cast<P>(std::fabs(u) * 2 + 0.001);
            return static_cast<P>(u * 8.0);
        } else {
            if (special) return special_int<P>(h >> 8);
            std::uint64_t bits = 0;
            for (std::size_t k = 0; k < sizeof(P); ++k) bits |= std::uint64_t{in_.sample(salt + i * sizeof(P) + k)} << (8 * k);
            P v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
    }

private:
    Input in_;
    int len_ = 0, skew_ = 0, density_ = 0;
    bool wild_ = false;
};

// ---------------------------------------------------------------------------
// One argument buffer of a call.
struct Slot {
    enum Kind { None, Source, InOut, Output, Scratch } kind = None;
    std::string_view name;
    std::vector<std::uint8_t> store;  // guard, data, guard
    std::size_t off = 0, bytes = 0;
    std::vector<std::uint8_t> before;  // data bytes at the call
    int part_size = 0;
    bool part_float = false, part_signed = false;
    std::uint8_t* data() { return store.data() + off; }
};
constexpr std::size_t kGuard = 64;
constexpr std::uint8_t kSentinel = 0xA5;

struct Call;
using Invoke = ZorStatus (*)(Call&);
struct Fn {
    const char* name;
    const char* roles;
    Invoke run;
};
struct Entry {
    const char* name;
    const char* roles;
    const char* sizing;  // names of every argument that can size a buffer
    bool exact;          // every vector holds exactly `len` elements
    Invoke run;
};

// How an object type is made and released (specialised by the tables).
template <class S> struct Obj { static constexpr bool known = false; };

inline std::vector<std::string_view> words(const char* s) {
    std::vector<std::string_view> v;
    std::string_view all(s);
    while (!all.empty()) {
        const std::size_t sp = all.find(' ');
        std::string_view w = all.substr(0, sp);
        if (!w.empty()) v.push_back(w);
        if (sp == std::string_view::npos) break;
        all.remove_prefix(sp + 1);
    }
    return v;
}

// One call at one level: its argument buffers and the objects it made.
struct Call {
    const Ctx& ctx;
    std::vector<std::string_view> roles;
    long room;   // elements of a vector whose length the call does not state by `len` alone
    bool exact;
    int depth;
    std::vector<Slot> slots;
    void* made = nullptr;  // a constructor's result
    std::vector<std::pair<void*, void (*)(void*)>> objects;
    std::vector<ZorStatus> made_status;

    bool packed24;  // byte vectors of 3-byte elements (24u, 24s)

    Call(const Ctx& c, std::string_view fn, const char* roles_, long room_, bool exact_, int depth_ = 0)
        : ctx(c), roles(words(roles_)), room(room_), exact(exact_), depth(depth_), slots(roles.size()),
          packed24(fn.find("24u") != std::string_view::npos || fn.find("24s") != std::string_view::npos) {}
    Call(const Call&) = delete;
    ~Call() {
        for (auto it = objects.rbegin(); it != objects.rend(); ++it) it->second(it->first);
        for (Slot& s : slots)
            if (!s.store.empty()) ASAN_UNPOISON_MEMORY_REGION(s.store.data(), s.store.size());
    }

    std::string_view base_name(std::size_t i) const {
        std::string_view n = roles[i];
        return n.substr(0, n.find('['));
    }

    template <class A>
    A arg(std::size_t i);

private:
    template <class U>
    U* buffer(std::size_t i);
    template <class S>
    S* object(std::size_t i);
};

inline bool in_set(std::string_view n, std::initializer_list<std::string_view> set) {
    for (auto s : set)
        if (s == n) return true;
    return false;
}

// Elements of a vector whose length `len` alone does not state: enough for
// any length the sizing arguments among `names` can ask for.
inline long room_for(const Ctx& ctx, const char* names) {
    long room = 64;
    for (std::string_view n : words(names)) {
        if (n == "order") room += ctx.count(n) <= 16 ? 4L << ctx.count(n) : 0;
        else if (n == "numIters") room += ctx.count(n) * (ctx.count("upFactor") + ctx.count("downFactor") + 2);
        else if (n == "tapsLen") room += 2 * ctx.count(n) * (ctx.count("upFactor") + 1) + ctx.count(n) * ctx.count(n) / 16;
        else if (n == "dlyStep") room += ctx.count("tapsLen") * ctx.count(n) + ctx.count("updateDly");
        else if (n == "numStates") room += 16 * ctx.count(n);
        else if (n == "numBq") room += 8 * ctx.count(n);
        else if (n == "factor") room += ctx.count(n) * ctx.count("srcLen");  // up-sampling
        else if (in_set(n, {"len", "srcLen", "dstLen", "len1", "len2", "lenLow", "lenHigh", "maskSize", "tblLen"}))
            room += 2 * ctx.count(n);
    }
    return room;
}

template <class U>
U* Call::buffer(std::size_t i) {
    const std::string_view full = roles[i], name = base_name(i);
    Slot& s = slots[i];
    s.name = name;
    using P = part_t<U>;
    const bool is_const = false;  // decided by the caller through the kind
    (void)is_const;
    long count;
    if (full.size() != name.size()) count = std::atol(full.data() + name.size() + 1);
    else if (in_set(name, {"pMax", "pMin", "pSum", "pMean", "pNorm", "pDp", "pStdDev", "pVal", "pIndx", "pMinIndx",
                           "pMaxIndx", "pOrder", "pSize", "pBufferSize", "pStateSize", "pDstVal", "pSrcDstVal",
                           "pOutVal", "pOutIndex", "pDlyLineIndex", "pOutDlyLineIndex", "pSeed", "pPhase",
                           "pTapsFactor", "pMinMetric", "pMinState", "pDstLen"}))
        count = 1;
    else if (exact) count = ctx.count("len");
    else count = room;
    if (name == "pBuffer") count = room * 64 + 4096;
    if (packed24 && sizeof(U) == 1) count *= 3;

    const std::size_t align = alignof(U) < 8 ? alignof(U) : 8;
    s.off = kGuard + static_cast<std::size_t>(ctx.skew()) * align;
    s.bytes = static_cast<std::size_t>(count) * sizeof(U);
    s.store.assign(s.off + s.bytes + kGuard, kSentinel);
    s.part_size = sizeof(P);
    s.part_float = std::is_floating_point_v<P>;
    s.part_signed = std::is_signed_v<P>;

    const bool pure_out = name.substr(0, 4) == "pDst" || name.substr(0, 4) == "pOut" || name == "pBuffer" ||
                          (count == 1 && !in_set(name, {"pSrcDstVal", "pDlyLineIndex", "pSeed", "pPhase"}));
    U* p = reinterpret_cast<U*>(s.data());
    if (name == "pBuffer") {
        s.kind = Slot::Scratch;
    } else if (pure_out) {
        s.kind = Slot::Output;
    } else {
        s.kind = Slot::InOut;  // the generic argument decides Source for const pointers
        const std::uint32_t salt = hash(name);
        if constexpr (std::is_same_v<U, int>) {
            for (long k = 0; k < count; ++k) p[k] = ctx.int_named(name == "pDlyLineIndex" ? "dlyLineIndex" : "phase");
        } else {
            auto* q = reinterpret_cast<P*>(p);
            const long parts = count * static_cast<long>(sizeof(U) / sizeof(P));
            for (long k = 0; k < parts; ++k) q[k] = ctx.component<P>(salt, static_cast<std::uint64_t>(k));
        }
    }
    s.before.assign(s.data(), s.data() + s.bytes);
    ASAN_POISON_MEMORY_REGION(s.store.data(), s.off);
    ASAN_POISON_MEMORY_REGION(s.data() + s.bytes, s.store.size() - s.off - s.bytes);
    return p;
}

template <class S>
S* Call::object(std::size_t) {
    if (depth > 0) return nullptr;
    constexpr std::size_t n = sizeof(Obj<S>::ctors) / sizeof(Obj<S>::ctors[0]);
    const Fn& f = Obj<S>::ctors[ctx.in().word(hash("ctor")) % n];
    // The constructor's own sizes count too (a delay line of tapsLen·dlyStep
    // values for a state whose calls name no tap count).
    const long ctor_room = room_for(ctx, f.roles);
    Call c(ctx, f.name, f.roles, ctor_room > room ? ctor_room : room, false, depth + 1);
    const ZorStatus st = f.run(c);
    made_status.push_back(st);
    // (A state whose taps could not be normalised is made all the same.)
    S* obj = static_cast<S*>(c.made);
    if (obj != nullptr) objects.push_back({obj, [](void* p) { Obj<S>::release(static_cast<S*>(p)); }});
    return obj;
}

template <class A>
A Call::arg(std::size_t i) {
    const std::string_view name = base_name(i);
    if constexpr (std::is_pointer_v<A>) {
        using P = std::remove_pointer_t<A>;
        using U = std::remove_cv_t<P>;
        if constexpr (std::is_pointer_v<U>) {
            return reinterpret_cast<A>(&made);  // a constructor's S**
        } else if constexpr (Obj<U>::known) {
            return object<U>(i);
        } else {
            U* p = buffer<U>(i);
            if (std::is_const_v<P>) slots[i].kind = Slot::Source;
            return p;
        }
    } else if constexpr (std::is_enum_v<A>) {
        return static_cast<A>(ctx.int_named(name));
    } else if constexpr (std::is_same_v<A, int>) {
        return ctx.int_named(name);
    } else {
        return ctx.scalar<A>(name);
    }
}

template <class F, F f>
struct Erased;
template <class... A, ZorStatus (*f)(A...)>
struct Erased<ZorStatus (*)(A...), f> {
    template <std::size_t... I>
    static ZorStatus go(Call& c, std::index_sequence<I...>) {
        return f(c.template arg<A>(I)...);
    }
    static ZorStatus run(Call& c) { return go(c, std::index_sequence_for<A...>{}); }
};
template <class F, F f>
ZorStatus erased(Call& c) {
    return Erased<F, f>::run(c);
}

}  // namespace zf
