#pragma once

#include <string>
#include <vector>

// Pictures of sound for people to look at: time to the right, frequency upward (linear, up to
// half the sample rate), loudness as colour from black through blue, red and yellow to white
// over 90 dB.
namespace Spectrogram {

// The magnitude spectrum (in dB, 0 for a full-scale sine) of `size` samples from `start`, with
// a Hann window; `size` a power of two. Bin k is k × rate / size Hz.
std::vector<float> SpectrumDb(const std::vector<float>& samples, std::size_t start,
                              std::size_t size);

// Writes a PNG of `width` columns, with a tick on the left edge at every kHz; false when the
// file cannot be written.
bool WritePng(const std::string& path, const std::vector<float>& samples, int sampleRate, int width,
              int height);

} // namespace Spectrogram
