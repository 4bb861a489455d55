// Reference convolution, correlation and median by their definitions, in
// long double (sums) and by sorting (medians).
#pragma once

#include <algorithm>
#include <complex>
#include <cstdint>
#include <vector>

namespace zref {

using cl = std::complex<long double>;

// A sum together with the sum of its terms' magnitudes (for error bounds).
struct Sum {
    cl v;
    long double mag = 0;
    void add(cl t) {
        v += t;
        mag += std::abs(t);
    }
};

// y[n] = sum of a[k] * b[n - k], n = 0 .. la + lb - 2.
inline std::vector<Sum> conv(const std::vector<cl>& a, const std::vector<cl>& b) {
    std::vector<Sum> y(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j) y[i + j].add(a[i] * b[j]);
    return y;
}

// r(m) = sum of conj(a[n]) * b[n + m] over the n where both exist.
inline Sum xcorr(const std::vector<cl>& a, const std::vector<cl>& b, std::int64_t m) {
    Sum s;
    for (std::int64_t n = 0; n < static_cast<std::int64_t>(a.size()); ++n) {
        const std::int64_t k = n + m;
        if (k >= 0 && k < static_cast<std::int64_t>(b.size())) s.add(std::conj(a[n]) * b[k]);
    }
    return s;
}

// Sliding median of an odd mask with the end samples repeated outwards.
template <class T>
std::vector<T> median(const std::vector<T>& x, int mask) {
    const int n = static_cast<int>(x.size()), h = (mask - 1) / 2;
    std::vector<T> y(x);
    if (mask <= 1 || n < 3) return y;
    std::vector<T> w(mask);
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < mask; ++k) w[k] = x[std::clamp(i - h + k, 0, n - 1)];
        std::sort(w.begin(), w.end());
        y[i] = w[h];
    }
    return y;
}

}  // namespace zref
