#pragma once
// Spectra of sample files, for the tools that measure the key sounds and for
// their tests.

#include <cmath>
#include <complex>
#include <numbers>
#include <utility>
#include <vector>

namespace tocko::spectrum {

// In-place radix-2 FFT; the size is a power of two.
inline void fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2.0 * std::numbers::pi / double(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (size_t k = 0; k < len / 2; ++k, wk *= w) {
                const auto u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// Hann-windowed power spectrum (n/2 bins) of x[start, start+n), zero outside x.
template <class Sample>
std::vector<double> hannPower(const std::vector<Sample>& x, long start, size_t n) {
    std::vector<std::complex<double>> a(n);
    for (size_t k = 0; k < n; ++k) {
        const long i = start + long(k);
        const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(k) / double(n));
        if (i >= 0 && i < long(x.size())) a[k] = double(x[size_t(i)]) * hann;
    }
    fft(a);
    std::vector<double> p(n / 2);
    for (size_t k = 0; k < p.size(); ++k) p[k] = std::norm(a[k]);
    return p;
}

}  // namespace tocko::spectrum
