// Processor identification, the time-stamp counter and the mode switches.
#include "frame/cpu.h"

#include <cpuid.h>
#include <cstring>
#include <x86intrin.h>

#ifndef ZORS_CPU_VENDOR
#define ZORS_CPU_VENDOR "GenuineIntel"
#endif

namespace zors::cpu {

const char kTargetVendor[13] = ZORS_CPU_VENDOR;
static_assert(sizeof(ZORS_CPU_VENDOR) == 13, "a vendor identification is 12 characters");

ZorCpuType classify(const IdWords& w, const char* target_vendor) noexcept {
    if (!w.available || std::memcmp(w.vendor, target_vendor, 12) != 0) return zorCpuUnknown;
    const std::uint32_t family = (w.eax1 >> 8) & 0xF;
    const bool packed_int = (w.edx1 >> 23) & 1;
    const bool packed_single = (w.edx1 >> 25) & 1;
    const bool packed_double = (w.edx1 >> 26) & 1;
    const bool third_simd = w.ecx1 & 1;
    const bool multi_thread = ((w.edx1 >> 28) & 1) && ((w.ebx1 >> 16) & 0xFF) > 1;
    switch (family) {
    case 7:
        return zorCpuF7;
    case 15:
        if (!packed_double) return zorCpuF15NoPackedDouble;
        if (third_simd) return zorCpuF15ThirdSimd;
        return multi_thread ? zorCpuF15MultiThread : zorCpuF15PackedDouble;
    case 5:
        return packed_int ? zorCpuF5PackedInt : zorCpuF5Base;
    case 6:
        if (packed_double) return zorCpuF6PackedDouble;
        if (packed_single) return zorCpuF6PackedSingle;
        return packed_int ? zorCpuF6PackedInt : zorCpuF6Base;
    default:
        return zorCpuUnknown;
    }
}

namespace {

// Whether bit 21 (ID) of the flags register can be toggled. Every 64-bit
// processor has the identification instruction.
bool id_flag_toggles() noexcept {
#if defined(__x86_64__)
    return true;
#else
    std::uint32_t before, after;
    __asm__ __volatile__(
        "pushfl\n\t"
        "pushfl\n\t"
        "popl %0\n\t"
        "movl %0, %1\n\t"
        "xorl $0x200000, %1\n\t"
        "pushl %1\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %1\n\t"
        "popfl"
        : "=&r"(before), "=&r"(after)
        :
        : "cc");
    return ((before ^ after) & 0x200000) != 0;
#endif
}

}  // namespace

IdWords read_id_words() noexcept {
    IdWords w;
    if (!id_flag_toggles()) return w;
    w.available = true;
    unsigned a, b, c, d;
    __cpuid(0, a, b, c, d);
    std::memcpy(w.vendor, &b, 4);
    std::memcpy(w.vendor + 4, &d, 4);
    std::memcpy(w.vendor + 8, &c, 4);
    if (a >= 1) {
        __cpuid(1, a, b, c, d);
        w.eax1 = a, w.ebx1 = b, w.ecx1 = c, w.edx1 = d;
    }
    return w;
}

SimdSupport read_simd_support() noexcept {
    SimdSupport s;
    if (!id_flag_toggles()) return s;
    unsigned max_leaf, b, c, d;
    __cpuid(0, max_leaf, b, c, d);
    if (max_leaf < 7) return s;
    unsigned a1, b1, c1, d1;
    __cpuid(1, a1, b1, c1, d1);
    const bool osxsave = (c1 >> 27) & 1, avx = (c1 >> 28) & 1, fma = (c1 >> 12) & 1;
    if (!osxsave || !avx) return s;
    std::uint32_t xcr0_lo, xcr0_hi;
    __asm__ __volatile__("xgetbv" : "=a"(xcr0_lo), "=d"(xcr0_hi) : "c"(0));
    const bool ymm_state = (xcr0_lo & 0x6) == 0x6;
    const bool zmm_state = (xcr0_lo & 0xE6) == 0xE6;
    unsigned a7, b7, c7, d7;
    __cpuid_count(7, 0, a7, b7, c7, d7);
    const bool avx2 = (b7 >> 5) & 1;
    const bool f = (b7 >> 16) & 1, dq = (b7 >> 17) & 1, bw = (b7 >> 30) & 1, vl = (b7 >> 31) & 1;
    s.avx2 = ymm_state && avx2 && fma;
    s.avx512 = s.avx2 && zmm_state && f && dq && bw && vl;
    return s;
}

}  // namespace zors::cpu

ZorCpuType zorGetCpuType(void) {
    return zors::cpu::classify(zors::cpu::read_id_words(), zors::cpu::kTargetVendor);
}

uint64_t zorGetCpuClocks(void) { return __rdtsc(); }

// The flush-to-zero and denormals-are-zero switches are not supported by this
// build: they read nothing and change nothing.
ZorStatus zorSetFlushToZero(int, unsigned int*) { return zorStsCpuNotSupportedErr; }
ZorStatus zorSetDenormAreZeros(int) { return zorStsCpuNotSupportedErr; }
