// Shared test helpers: dispatch levels, guarded buffers, random data.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "frame/dispatch.h"
#include "zors.h"

namespace zt {

// The dispatch levels this machine supports.
inline std::vector<zors::Isa> available_isas() {
    std::vector<zors::Isa> v;
    for (int i = 0; i <= static_cast<int>(zors::machine_isa()); ++i) v.push_back(static_cast<zors::Isa>(i));
    return v;
}

// Runs f once per supported level with that level forced, then restores the
// machine's level.
template <class F>
void for_each_isa(F&& f) {
    for (zors::Isa isa : available_isas()) {
        ASSERT_TRUE(zors::force_isa(isa));
        SCOPED_TRACE(testing::Message() << "dispatch level " << zors::isa_name(isa));
        f(isa);
    }
    zors::force_isa(zors::machine_isa());
}

// Lengths that cover the scalar head and tail alone, the wide body alone and
// all three together, plus long vectors.
inline std::vector<int> test_lengths() {
    std::vector<int> v;
    for (int n = 1; n <= 70; ++n) v.push_back(n);
    for (int n : {127, 128, 129, 1000, 4099}) v.push_back(n);
    return v;
}

// A buffer of T with `offset` bytes of misalignment and guard elements on
// both sides, all filled with a sentinel byte pattern.
template <class T>
class Guarded {
public:
    static constexpr int kGuard = 16;
    Guarded(int len, int offset = 0, std::uint8_t fill = 0xA5)
        : len_(len), offset_(offset), fill_(fill),
          raw_(sizeof(T) * (len + 2 * kGuard) + 64 + offset, fill) {}
    T* data() { return reinterpret_cast<T*>(base() + kGuard * sizeof(T)); }
    const T* data() const { return reinterpret_cast<const T*>(base() + kGuard * sizeof(T)); }
    T& operator[](int i) { return data()[i]; }
    int size() const { return len_; }
    // Every byte outside [data, data + len) still holds the sentinel.
    bool guards_intact() const {
        const std::uint8_t* b = base();
        const std::size_t lo = kGuard * sizeof(T), hi = lo + len_ * sizeof(T);
        for (std::size_t i = 0; i < lo; ++i) if (b[i] != fill_) return false;
        for (std::size_t i = hi; i < hi + kGuard * sizeof(T); ++i) if (b[i] != fill_) return false;
        return true;
    }
    // Every byte, inside included, still holds the sentinel.
    bool untouched() const {
        const std::uint8_t* b = base();
        for (std::size_t i = 0; i < (len_ + 2 * kGuard) * sizeof(T); ++i) if (b[i] != fill_) return false;
        return true;
    }

private:
    std::uint8_t* base() { return aligned() + offset_; }
    const std::uint8_t* base() const { return const_cast<Guarded*>(this)->aligned() + offset_; }
    std::uint8_t* aligned() {
        auto p = reinterpret_cast<std::uintptr_t>(raw_.data());
        return reinterpret_cast<std::uint8_t*>((p + 63) & ~std::uintptr_t{63});
    }
    int len_;
    int offset_;
    std::uint8_t fill_;
    std::vector<std::uint8_t> raw_;
};

// A seeded generator; the seed is printed with any failure in its scope.
class Rng {
public:
    explicit Rng(std::uint32_t seed = 12345) : seed_(seed), gen_(seed) {}
    std::uint32_t seed() const { return seed_; }
    std::uint64_t bits() { return (std::uint64_t{gen_()} << 32) | gen_(); }
    template <class T> T any() {
        T v;
        std::uint64_t b[2] = {bits(), bits()};
        static_assert(sizeof(T) <= sizeof(b));
        std::memcpy(&v, b, sizeof(T));
        return v;
    }
    template <class T> void fill(T* p, int n) { for (int i = 0; i < n; ++i) p[i] = any<T>(); }

private:
    std::uint32_t seed_;
    std::mt19937 gen_;
};

template <class T> bool same_bits(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }

}  // namespace zt
