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

// Multi-rate filter from its definition: the input zero-stuffed to `up`
// times its rate (x[k] at high-rate time k*up + upPhase, the history at
// negative k), filtered at that rate, and every down-th result kept from
// downPhase on: y[l] = sum over j of h[j] * u[l*down + downPhase - j].
inline FirOut fir_mr(const std::vector<cl>& h, const std::vector<cl>& hist, const std::vector<cl>& x, int up,
                     int up_phase, int down, int down_phase) {
    const long long outs = static_cast<long long>(x.size()) / down * up;
    FirOut o{std::vector<cl>(outs), std::vector<long double>(outs)};
    for (long long l = 0; l < outs; ++l) {
        for (std::size_t j = 0; j < h.size(); ++j) {
            const long long m = l * down + down_phase - static_cast<long long>(j) - up_phase;
            if (m % up != 0) continue;
            const long long k = m / up;
            const auto back = static_cast<std::size_t>(-k - 1);
            const cl v = k >= 0 ? x[k] : back < hist.size() ? hist[back] : cl{};
            o.y[l] += h[j] * v;
            o.mag[l] += std::abs(h[j]) * std::abs(v);
        }
    }
    return o;
}

}  // namespace zref
