#include "support/SoundMeasures.h"

#include "support/Spectrogram.h"

#include <algorithm>
#include <cmath>

namespace SoundMeasures {

namespace {

constexpr std::size_t kSpectrumSize = 2048;

float ToDb(double value) {
    return static_cast<float>(20.0 * std::log10(std::max(value, 1e-9)));
}

} // namespace

std::vector<float> Samples16(const uint8_t* bytes, std::size_t count) {
    std::vector<float> out(count / 2);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8))) /
                 32768.0f;
    return out;
}

std::vector<float> Samples16(const PcmDescription& pcm) {
    return Samples16(pcm.data.data(), pcm.data.size());
}

float PeakDb(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (const float sample : samples)
        peak = std::max(peak, std::fabs(sample));
    return ToDb(peak);
}

float RmsDb(const std::vector<float>& samples) {
    double sum = 0.0;
    for (const float sample : samples)
        sum += static_cast<double>(sample) * sample;
    return ToDb(std::sqrt(sum / static_cast<double>(std::max<std::size_t>(samples.size(), 1))));
}

float LoudnessDb(const std::vector<float>& mono, int sampleRate) {
    const std::size_t window = std::min(mono.size(), static_cast<std::size_t>(sampleRate) * 3 / 10);
    float loudest = -200.0f;
    // Windows a tenth of their length apart are fine enough for a level.
    const std::size_t stride = std::max<std::size_t>(window / 10, 1);
    for (std::size_t start = 0; start + window <= mono.size(); start += stride)
        loudest = std::max(
            loudest,
            RmsDb(std::vector<float>(mono.begin() + static_cast<std::ptrdiff_t>(start),
                                     mono.begin() + static_cast<std::ptrdiff_t>(start + window))));
    return loudest;
}

float StepPercentile(const std::vector<float>& mono, float share) {
    if (mono.size() < 2)
        return 0.0f;
    std::vector<float> steps(mono.size() - 1);
    for (std::size_t i = 0; i + 1 < mono.size(); ++i)
        steps[i] = std::fabs(mono[i + 1] - mono[i]);
    const auto index = static_cast<std::size_t>(share * static_cast<float>(steps.size() - 1));
    std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(index),
                     steps.end());
    return steps[index];
}

float DominantHz(const std::vector<float>& mono, int sampleRate, std::size_t start) {
    const std::vector<float> db = Spectrogram::SpectrumDb(mono, start, kSpectrumSize);
    // Bin 0 and 1 hold what is left of DC.
    const auto loudest = std::max_element(db.begin() + 2, db.end());
    return static_cast<float>(loudest - db.begin()) * static_cast<float>(sampleRate) /
           static_cast<float>(kSpectrumSize);
}

float ShareBelow(const std::vector<float>& mono, int sampleRate, float hertz) {
    double below = 0.0;
    double total = 0.0;
    for (std::size_t start = 0; start < mono.size(); start += kSpectrumSize / 2) {
        const std::vector<float> db = Spectrogram::SpectrumDb(mono, start, kSpectrumSize);
        for (std::size_t bin = 1; bin < db.size(); ++bin) {
            const double energy = std::pow(10.0, db[bin] / 10.0);
            total += energy;
            if (static_cast<float>(bin) * static_cast<float>(sampleRate) /
                    static_cast<float>(kSpectrumSize) <
                hertz)
                below += energy;
        }
    }
    return total > 0.0 ? static_cast<float>(below / total) : 0.0f;
}

} // namespace SoundMeasures
