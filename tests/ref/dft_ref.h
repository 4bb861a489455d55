// Reference discrete Fourier transform in long double: a recursive radix-2
// transform down to naive sums of at most 16 points. Every factor
// e^{∓2πi·k/N} is computed from the exact integer k mod N, so the reference
// error stays near the long-double epsilon (about 1e-19).
#pragma once

#include <cmath>
#include <complex>
#include <cstddef>
#include <vector>

namespace zref {

using cld = std::complex<long double>;

// w[k] = e^{∓2πi·k/ntop}, k < ntop; y = DFT of the n points x[0], x[stride], ...
inline void fft_rec(const cld* x, std::size_t stride, cld* y, std::size_t n, std::size_t ntop, const cld* w) {
    if (n <= 16) {
        for (std::size_t k = 0; k < n; ++k) {
            y[k] = 0;
            for (std::size_t j = 0; j < n; ++j) y[k] += x[j * stride] * w[(j * k) % n * (ntop / n)];
        }
        return;
    }
    const std::size_t h = n / 2;
    fft_rec(x, 2 * stride, y, h, ntop, w);
    fft_rec(x + stride, 2 * stride, y + h, h, ntop, w);
    for (std::size_t k = 0; k < h; ++k) {
        const cld e = y[k], o = y[k + h] * w[k * (ntop / n)];
        y[k] = e + o;
        y[k + h] = e - o;
    }
}

// X[k] = Σ x[j]·e^{∓2πi·jk/N}, unnormalised, N a power of two.
inline std::vector<cld> dft(const std::vector<cld>& x, bool inverse) {
    const std::size_t n = x.size();
    std::vector<cld> w(n), y(n);
    for (std::size_t k = 0; k < n; ++k) {
        const long double a = 6.283185307179586476925286766559005768L * static_cast<long double>(k) / static_cast<long double>(n);
        w[k] = {std::cos(a), inverse ? std::sin(a) : -std::sin(a)};
    }
    fft_rec(x.data(), 1, y.data(), n, n, w.data());
    return y;
}

// The roots e^{∓2πi·m/n}, m < n, from the exact integer m.
inline std::vector<cld> roots(std::size_t n, bool inverse) {
    std::vector<cld> w(n);
    for (std::size_t m = 0; m < n; ++m) {
        const long double a = 6.283185307179586476925286766559005768L * static_cast<long double>(m) / static_cast<long double>(n);
        w[m] = {std::cos(a), inverse ? std::sin(a) : -std::sin(a)};
    }
    return w;
}

// Bin k of the DFT of any length from the definition (index j·k mod n).
inline cld dft_bin(const std::vector<cld>& x, const std::vector<cld>& w, std::size_t k) {
    const std::size_t n = x.size();
    cld acc = 0;
    std::size_t idx = 0;
    for (std::size_t j = 0; j < n; ++j, idx = (idx + k) % n) acc += x[j] * w[idx];
    return acc;
}

// The whole DFT of any length from the definition, O(n²).
inline std::vector<cld> dft_any(const std::vector<cld>& x, bool inverse) {
    const std::vector<cld> w = roots(x.size(), inverse);
    std::vector<cld> y(x.size());
    for (std::size_t k = 0; k < x.size(); ++k) y[k] = dft_bin(x, w, k);
    return y;
}

// sqrt(Σ|a - b|² / Σ|b|²); the absolute error when b is zero.
inline long double rel_rms(const std::vector<cld>& a, const std::vector<cld>& b) {
    long double num = 0, den = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        num += std::norm(a[i] - b[i]);
        den += std::norm(b[i]);
    }
    return den == 0 ? std::sqrt(num) : std::sqrt(num / den);
}

}  // namespace zref
