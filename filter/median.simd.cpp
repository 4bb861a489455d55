// Median filter kernels of one dispatch level: the network's compare-exchange
// steps over whole rows, which the compiler turns into vector min/max.
#include "frame/isa.h"

#include "filter/median.h"

namespace zors::ZORS_ISA {
namespace {

template <class T>
void rows(T* r, const std::int16_t* net, int pairs) {
    constexpr int n = kMedianLanes;
    for (int c = 0; c < pairs; ++c) {
        T* __restrict a = r + net[2 * c] * n;
        T* __restrict b = r + net[2 * c + 1] * n;
        for (int j = 0; j < n; ++j) {
            const T x = a[j], y = b[j];
            a[j] = y < x ? y : x;
            b[j] = y < x ? x : y;
        }
    }
}

}  // namespace

extern const MedianKernels median_kernels = {rows<Zor32f>, rows<Zor64f>, rows<Zor16s>, rows<Zor8u>, rows<Zor32s>};

}  // namespace zors::ZORS_ISA
