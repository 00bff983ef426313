#include "support/SoundFixtures.h"

#include "sound/OggVorbisWriter.h"

#include <cmath>

namespace SoundFixtures {

namespace {

constexpr double kPi = 3.14159265358979323846;

} // namespace

std::string Le16(int value) {
    const auto bits = static_cast<uint16_t>(value);
    return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

std::string Le32(uint32_t value) {
    return Le16(static_cast<int>(value & 0xFFFF)) + Le16(static_cast<int>(value >> 16));
}

std::string Chunk(const std::string& id, const std::string& bytes) {
    return id + Le32(static_cast<uint32_t>(bytes.size())) + bytes;
}

std::string FormatFields(int channels, int rate, int bits) {
    const int blockAlign = channels * bits / 8;
    return Le16(1) + Le16(channels) + Le32(static_cast<uint32_t>(rate)) +
           Le32(static_cast<uint32_t>(rate * blockAlign)) + Le16(blockAlign) + Le16(bits);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

std::string Wav(int channels, int rate, int bits, const std::string& samples) {
    return Riff(Chunk("fmt ", FormatFields(channels, rate, bits)) + Chunk("data", samples));
}

std::string Samples16(const std::vector<int16_t>& samples) {
    std::string bytes;
    for (const int16_t sample : samples)
        bytes += Le16(sample);
    return bytes;
}

std::string Tone16(int frames, int channels, int rate, double hertz, int amplitude) {
    std::vector<int16_t> samples;
    for (int frame = 0; frame < frames; ++frame) {
        const double level = amplitude * std::sin(2 * kPi * hertz * frame / rate);
        for (int channel = 0; channel < channels; ++channel)
            samples.push_back(static_cast<int16_t>(std::lround(level)));
    }
    return Samples16(samples);
}

std::string OggTone(int frames, int channels, int rate, double hertz, float amplitude) {
    SoundClip clip;
    clip.sampleRate = rate;
    for (int i = 0; i < frames; ++i)
        clip.left.push_back(amplitude * static_cast<float>(std::sin(2 * kPi * hertz * i / rate)));
    if (channels == 2)
        clip.right = clip.left;
    return OggVorbisWriter::Encode(clip, 0.4f);
}

} // namespace SoundFixtures
