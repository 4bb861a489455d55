// Kernel table of the G.711 encoders: n linear samples to n codes.
#pragma once

#include <cstddef>

#include "zors.h"

namespace zors {

struct CompandKernels {
    void (*lin_to_alaw)(const Zor16s*, Zor8u*, std::size_t);
    void (*lin_to_mulaw)(const Zor16s*, Zor8u*, std::size_t);
    void (*f32_to_alaw)(const Zor32f*, Zor8u*, std::size_t);
    void (*f32_to_mulaw)(const Zor32f*, Zor8u*, std::size_t);
};

}  // namespace zors
