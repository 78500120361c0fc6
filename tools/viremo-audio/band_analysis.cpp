#include "band_analysis.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace viremo::audio {

namespace {

constexpr size_t kFftSize = 512;
constexpr float kLowestFrequency = 20;
constexpr float kFloorDecibels = -60;

// In-place radix-2 transform of kFftSize points.
void transform(std::vector<std::complex<float>>& x) {
    for (size_t i = 1, j = 0; i < x.size(); ++i) {
        size_t bit = x.size() >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(x[i], x[j]);
    }
    for (size_t length = 2; length <= x.size(); length <<= 1) {
        const float angle = -2 * std::numbers::pi_v<float> / float(length);
        const std::complex<float> unit(std::cos(angle), std::sin(angle));
        for (size_t start = 0; start < x.size(); start += length) {
            std::complex<float> w(1);
            for (size_t k = 0; k < length / 2; ++k, w *= unit) {
                const auto even = x[start + k];
                const auto odd = x[start + k + length / 2] * w;
                x[start + k] = even + odd;
                x[start + k + length / 2] = even - odd;
            }
        }
    }
}

int32_t bandValue(float amplitude) {
    if (amplitude <= 0) return 0;
    const float decibels = 20 * std::log10(amplitude);
    return int32_t(std::lround(std::clamp((decibels - kFloorDecibels) / -kFloorDecibels, 0.0f, 1.0f) * 255));
}

}  // namespace

companion::BandBlock bandValues(std::span<const float> samples, int sampleRate) {
    const size_t n = std::min(samples.size(), kFftSize);
    std::vector<std::complex<float>> spectrum(kFftSize);
    for (size_t i = 0; i < n; ++i) {
        const float hann = 0.5f - 0.5f * std::cos(2 * std::numbers::pi_v<float> * float(i) / float(n - 1));
        spectrum[i] = samples[i] * hann;
    }
    transform(spectrum);

    // A sine of amplitude A peaks at A * n / 4 under the Hann window.
    const float scale = n ? 4.0f / float(n) : 0;
    const float binWidth = float(sampleRate) / float(kFftSize);
    companion::BandBlock bands{};
    float low = kLowestFrequency;
    for (size_t band = 0; band < bands.size(); ++band) {
        float peak = 0;
        for (size_t k = 1; k < kFftSize / 2; ++k) {
            const float frequency = float(k) * binWidth;
            if (frequency >= low && frequency < kBandEdges[band]) peak = std::max(peak, std::abs(spectrum[k]) * scale);
        }
        bands[band] = bandValue(peak);
        low = kBandEdges[band];
    }
    return bands;
}

}  // namespace viremo::audio
