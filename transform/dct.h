// Kernel table of the DCT's Bluestein path: the steps around its complex DFT
// (dct.simd.cpp), one table per dispatch level.
#pragma once

#include <cstddef>

#include "transform/dft.h"

namespace zors {

template <class T>
struct DctKernelsT {
    // y[k], k = 1 .. n - 1, from the complex DFT a of the n input pairs: the
    // real split with the split factors sp and the output weights wt.
    void (*split)(const Cx<T>* a, std::size_t n, const Cx<T>* sp, const Cx<T>* wt, T* y);
    // a[k], k = 1 .. n - 1: the weighted coefficients merged for the inverse
    // complex DFT.
    void (*merge)(const T* y, std::size_t n, const Cx<T>* sp, const Cx<T>* wt, Cx<T>* a);
    // The fast recursive algorithm's unnormalised transform of n = 2^k >= 16
    // values in x, forward or inverse (t: n values of scratch; f the
    // factors of every level, m8 the length-8 matrix).
    void (*fast)(T* x, T* t, std::size_t n, const T* f, const T* m8, bool inv);
};
struct DctKernels {
    DctKernelsT<float> f32;
    DctKernelsT<double> f64;
};

}  // namespace zors
