// Processor identification: the identification words, the class they give,
// and the SIMD level the dispatcher uses.
#pragma once

#include <cstdint>

#include "zors.h"

namespace zors::cpu {

// What the identification instruction reports (leaves 0 and 1).
struct IdWords {
    bool available = false;  // the instruction exists (flags bit 21 toggles)
    char vendor[12] = {};    // EBX, EDX, ECX of leaf 0
    std::uint32_t eax1 = 0, ebx1 = 0, ecx1 = 0, edx1 = 0;
};

// The vendor identification this build targets.
extern const char kTargetVendor[13];

// Classifies the processor from its identification words.
ZorCpuType classify(const IdWords& w, const char* target_vendor) noexcept;

// Reads the words from this processor.
IdWords read_id_words() noexcept;

// Features the dispatcher needs: leaf 1 and 7 bits plus the operating
// system's register-state support read with xgetbv.
struct SimdSupport {
    bool avx2 = false;    // AVX2 + FMA, with YMM state enabled
    bool avx512 = false;  // AVX-512 F, BW, DQ, VL, with ZMM state enabled
};
SimdSupport read_simd_support() noexcept;

}  // namespace zors::cpu
