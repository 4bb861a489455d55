// Reference discrete Fourier transform in long double: the naive sum for
// short lengths, a recursive radix-2 transform for longer powers of two.
// Every factor e^{∓2πi·k/N} is computed from the exact integer k·n mod N, so
// the reference error stays near the long-double epsilon (about 1e-19).
#pragma once

#include <cmath>
#include <complex>
#include <cstddef>
#include <vector>

namespace zref {

using cld = std::complex<long double>;

inline cld unit_root(std::size_t k, std::size_t n, bool inverse) {
    const long double a = 6.283185307179586476925286766559005768L * static_cast<long double>(k % n) /
                          static_cast<long double>(n);
    return {std::cos(a), inverse ? std::sin(a) : -std::sin(a)};
}

// X[k] = Σ x[j]·e^{∓2πi·jk/N}, unnormalised.
inline std::vector<cld> dft_naive(const std::vector<cld>& x, bool inverse) {
    const std::size_t n = x.size();
    std::vector<cld> y(n);
    for (std::size_t k = 0; k < n; ++k) {
        cld s = 0;
        for (std::size_t j = 0; j < n; ++j) s += x[j] * unit_root(j * k, n, inverse);
        y[k] = s;
    }
    return y;
}

// w[k] = e^{∓2πi·k/ntop}, k < ntop.
inline void fft_rec(const cld* x, std::size_t stride, cld* y, std::size_t n, std::size_t ntop, const cld* w) {
    if (n <= 16) {
        for (std::size_t k = 0; k < n; ++k) {
            cld s = 0;
            for (std::size_t j = 0; j < n; ++j) s += x[j * stride] * w[(j * k) % n * (ntop / n)];
            y[k] = s;
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

// Unnormalised DFT of any length (radix-2 recursion for powers of two).
inline std::vector<cld> dft(const std::vector<cld>& x, bool inverse) {
    const std::size_t n = x.size();
    if (n <= 64 || (n & (n - 1)) != 0) return dft_naive(x, inverse);
    std::vector<cld> w(n), y(n);
    for (std::size_t k = 0; k < n; ++k) w[k] = unit_root(k, n, inverse);
    fft_rec(x.data(), 1, y.data(), n, n, w.data());
    return y;
}

// sqrt(Σ|a - b|² / Σ|b|²); 0 when both are zero.
inline long double rel_rms(const std::vector<cld>& a, const std::vector<cld>& b) {
    long double num = 0, den = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        num += std::norm(a[i] - b[i]);
        den += std::norm(b[i]);
    }
    return den == 0 ? std::sqrt(num) : std::sqrt(num / den);
}

}  // namespace zref
