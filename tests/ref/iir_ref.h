// Reference IIR filters in long double, straight from the unnormalised taps:
// y[n] = (sum b_k x[n-k] - sum_{k>=1} a_k y[n-k]) / a0, plus the initial
// transposed-form delay values, which stand for the contributions of the
// samples before the block. Real filters use zero imaginary parts.
#pragma once

#include <complex>
#include <cstdint>
#include <vector>

namespace zref {

using CL = std::complex<long double>;

struct IirResult {
    std::vector<CL> y;    // outputs
    std::vector<CL> dly;  // delay line after the block (transposed form)
};

// Arbitrary order N: taps b0..bN, a0..aN; d0 holds N initial delay values.
inline IirResult iir_direct(const std::vector<CL>& taps, int N, const std::vector<CL>& d0,
                            const std::vector<CL>& x) {
    const CL* b = taps.data();
    const CL* a = taps.data() + N + 1;
    const int L = static_cast<int>(x.size());
    IirResult r;
    r.y.resize(L);
    for (int n = 0; n < L; ++n) {
        CL acc = 0;
        for (int k = 0; k <= N && k <= n; ++k) acc += b[k] * x[n - k];
        for (int k = 1; k <= N && k <= n; ++k) acc -= a[k] * r.y[n - k];
        r.y[n] = acc / a[0] + (n < N ? d0[n] : CL(0));
    }
    r.dly.resize(N);
    for (int j = 0; j < N; ++j) {
        CL acc = 0;
        for (int m = j + 1; m <= N; ++m) {
            const int i = L + j - m;
            if (i >= 0) acc += b[m] * x[i] - a[m] * r.y[i];
        }
        r.dly[j] = acc / a[0] + (j + L < N ? d0[j + L] : CL(0));
    }
    return r;
}

// A cascade of sections b0, b1, b2, a0, a1, a2; d0 holds two values per
// section.
inline IirResult iir_cascade(const std::vector<CL>& taps, int nbq, const std::vector<CL>& d0,
                             std::vector<CL> x) {
    IirResult r;
    for (int s = 0; s < nbq; ++s) {
        const std::vector<CL> t(taps.begin() + 6 * s, taps.begin() + 6 * s + 6);
        const std::vector<CL> d(d0.begin() + 2 * s, d0.begin() + 2 * s + 2);
        IirResult q = iir_direct(t, 2, d, x);
        x = q.y;
        r.dly.insert(r.dly.end(), q.dly.begin(), q.dly.end());
    }
    r.y = x;
    return r;
}

// The 16-bit stateless filters' one-sample rule, in exact integers with
// explicit 32-bit wrap-around.
inline std::int32_t wrap32(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}
// acc / 2^S rounded to nearest with ties to even (ties_up: half upward),
// computed on the exact value; `wrapped` reproduces the 32-bit wrap of the
// rounding addition.
inline std::int32_t div_pow2(std::int32_t acc, int S, bool ties_up) {
    if (S == 0) return acc;
    const std::int64_t q = static_cast<std::int64_t>(acc) >> S;  // floor
    const std::int64_t rem = static_cast<std::int64_t>(acc) - (q << S);
    const std::int64_t half = std::int64_t{1} << (S - 1);
    std::int64_t r = q;
    if (rem > half || (rem == half && (ties_up || (q & 1)))) ++r;
    return static_cast<std::int32_t>(r);
}
inline std::int16_t sat16(std::int64_t v) {
    return static_cast<std::int16_t>(v > 32767 ? 32767 : (v < -32768 ? -32768 : v));
}

// One sample, arbitrary order: taps b0..bN, S, a1..aN.
inline std::int16_t direct_one(std::int16_t x, const std::int16_t* t, int N, std::int32_t* d) {
    const int S = t[N + 1];
    if (N == 0) return sat16(div_pow2(wrap32(std::int64_t{t[0]} * x), S, true));
    const std::int32_t y = div_pow2(wrap32(std::int64_t{t[0]} * x + d[0]), S, false);
    for (int k = 1; k <= N; ++k) {
        const std::int64_t next = k < N ? d[k] : 0;
        d[k - 1] = wrap32(std::int64_t{t[k]} * x - std::int64_t{t[N + 1 + k]} * y + next);
    }
    return sat16(y);
}

// One sample through a cascade of sections b0, b1, b2, S, a1, a2.
inline std::int16_t biquad_one(std::int16_t x16, const std::int16_t* t, int nbq, std::int32_t* d) {
    std::int32_t x = x16;
    for (int s = 0; s < nbq; ++s) {
        const std::int16_t* q = t + 6 * s;
        std::int32_t* e = d + 2 * s;
        const std::int32_t y = div_pow2(wrap32(std::int64_t{q[0]} * x + e[0]), q[3], false);
        e[0] = wrap32(std::int64_t{q[1]} * x + e[1] - std::int64_t{q[4]} * y);
        e[1] = wrap32(std::int64_t{q[2]} * x - std::int64_t{q[5]} * y);
        x = y;
    }
    return sat16(x);
}

}  // namespace zref
