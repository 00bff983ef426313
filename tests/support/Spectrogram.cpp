#include "support/Spectrogram.h"

#include "gfx/PngWriter.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>

namespace Spectrogram {

namespace {

constexpr std::size_t kWindow = 1024;
constexpr float kFloorDb = -90.0f;

void Fft(std::vector<std::complex<float>>& data) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(data[i], data[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const float angle = -2.0f * std::numbers::pi_v<float> / static_cast<float>(length);
        const std::complex<float> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += length) {
            std::complex<float> w(1.0f, 0.0f);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<float> even = data[i + k];
                const std::complex<float> odd = data[i + k + length / 2] * w;
                data[i + k] = even + odd;
                data[i + k + length / 2] = even - odd;
                w *= step;
            }
        }
    }
}

uint32_t Colour(float db) {
    const float t = std::clamp((db - kFloorDb) / -kFloorDb, 0.0f, 1.0f);
    // Black, blue, red, yellow, white at even steps.
    constexpr float kStops[5][3] = {
        {0, 0, 0}, {0, 0, 160}, {200, 0, 60}, {255, 200, 0}, {255, 255, 255}};
    const float position = t * 4.0f;
    const int index = std::min(3, static_cast<int>(position));
    const float blend = position - static_cast<float>(index);
    uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c) {
        const float value = kStops[index][c] + (kStops[index + 1][c] - kStops[index][c]) * blend;
        rgb = (rgb << 8) | static_cast<uint32_t>(std::clamp(value, 0.0f, 255.0f));
    }
    return rgb;
}

} // namespace

std::vector<float> SpectrumDb(const std::vector<float>& samples, std::size_t start,
                              std::size_t size) {
    std::vector<std::complex<float>> data(size);
    for (std::size_t i = 0; i < size; ++i) {
        const float hann = 0.5f - 0.5f * std::cos(2.0f * std::numbers::pi_v<float> *
                                                  static_cast<float>(i) / static_cast<float>(size));
        const float sample = start + i < samples.size() ? samples[start + i] : 0.0f;
        data[i] = sample * hann;
    }
    Fft(data);
    std::vector<float> db(size / 2);
    // A full-scale sine through a Hann window peaks at size / 4.
    const float reference = static_cast<float>(size) / 4.0f;
    for (std::size_t k = 0; k < db.size(); ++k)
        db[k] = 20.0f * std::log10(std::max(std::abs(data[k]) / reference, 1e-6f));
    return db;
}

bool WritePng(const std::string& path, const std::vector<float>& samples, int sampleRate, int width,
              int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) *
                                 static_cast<std::size_t>(height));
    for (int x = 0; x < width; ++x) {
        const std::size_t centre =
            samples.size() * static_cast<std::size_t>(x) / static_cast<std::size_t>(width);
        const std::size_t start = centre > kWindow / 2 ? centre - kWindow / 2 : 0;
        const std::vector<float> db = SpectrumDb(samples, start, kWindow);
        for (int y = 0; y < height; ++y) {
            const std::size_t bin = db.size() * static_cast<std::size_t>(height - 1 - y) /
                                    static_cast<std::size_t>(height);
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)] = Colour(db[bin]);
        }
    }
    // A white tick on the left edge at every kHz.
    const float nyquist = static_cast<float>(sampleRate) / 2.0f;
    for (int khz = 1; static_cast<float>(khz) * 1000.0f < nyquist; ++khz) {
        const int y = height - 1 -
                      static_cast<int>(static_cast<float>(khz) * 1000.0f / nyquist *
                                       static_cast<float>(height));
        for (int x = 0; x < (khz % 5 == 0 ? 14 : 7); ++x)
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)] = 0xFFFFFF;
    }
    return PngWriter::Write(path, width, height, pixels);
}

} // namespace Spectrogram
