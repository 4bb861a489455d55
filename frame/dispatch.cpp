// The dispatch level: detected once at load, read-only afterwards (tests may
// force a supported level through force_isa).
#include "frame/dispatch.h"

#include <atomic>

#include "frame/cpu.h"

namespace zors {
namespace {

Isa detect() noexcept {
    const cpu::SimdSupport s = cpu::read_simd_support();
    if (s.avx512) return Isa::avx512;
    if (s.avx2) return Isa::avx2;
    return Isa::sse2;
}

const Isa g_machine = detect();

}  // namespace

std::atomic<int> g_active_isa{static_cast<int>(g_machine)};

Isa machine_isa() noexcept { return g_machine; }

const char* isa_name(Isa isa) noexcept {
    switch (isa) {
    case Isa::avx512: return "avx512";
    case Isa::avx2: return "avx2";
    default: return "sse2";
    }
}

bool force_isa(Isa isa) noexcept {
    if (static_cast<int>(isa) < 0 || static_cast<int>(isa) > static_cast<int>(g_machine)) return false;
    g_active_isa.store(static_cast<int>(isa), std::memory_order_relaxed);
    return true;
}

}  // namespace zors
