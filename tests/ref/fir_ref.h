// Reference FIR filter in long double: y[n] = sum of h[k] * x[n - k], with
// the samples before the first input taken from a history (newest first,
// as the state functions' delay-line arrays hold it).
#pragma once

#include <complex>
#include <vector>

namespace zref {

using cl = std::complex<long double>;

// Outputs for `x` after `hist` (hist[0] the newest earlier sample), and the
// sum of |h[k]| * |x[n - k]| per output for error bounds.
struct FirOut {
    std::vector<cl> y;
    std::vector<long double> mag;
};

inline FirOut fir(const std::vector<cl>& h, const std::vector<cl>& hist, const std::vector<cl>& x) {
    const std::size_t l = h.size();
    FirOut o{std::vector<cl>(x.size()), std::vector<long double>(x.size())};
    for (std::size_t n = 0; n < x.size(); ++n) {
        for (std::size_t k = 0; k < l; ++k) {
            const cl v = n >= k ? x[n - k] : (k - n - 1 < hist.size() ? hist[k - n - 1] : cl{});
            o.y[n] += h[k] * v;
            o.mag[n] += std::abs(h[k]) * std::abs(v);
        }
    }
    return o;
}

}  // namespace zref
