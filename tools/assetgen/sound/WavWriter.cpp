#include "sound/WavWriter.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cstdint>

namespace {

void Put16(std::string& out, int value) {
    const auto bits = static_cast<uint16_t>(value);
    out += static_cast<char>(bits & 0xFF);
    out += static_cast<char>(bits >> 8);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>(value >> 16));
}

int ToSample(float value) {
    return RoundToInt(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
}

} // namespace

std::string WavWriter::Encode(const SoundClip& clip) {
    const int channels = clip.channels();
    const int blockAlign = channels * 2;
    const auto dataBytes =
        static_cast<uint32_t>(clip.frames() * static_cast<std::size_t>(blockAlign));
    std::string out = "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, channels);
    Put32(out, static_cast<uint32_t>(clip.sampleRate));
    Put32(out, static_cast<uint32_t>(clip.sampleRate * blockAlign));
    Put16(out, blockAlign);
    Put16(out, 16);
    out += "data";
    Put32(out, dataBytes);
    out.reserve(out.size() + dataBytes);
    for (std::size_t i = 0; i < clip.frames(); ++i) {
        Put16(out, ToSample(clip.left[i]));
        if (channels == 2)
            Put16(out, ToSample(clip.right[i]));
    }
    return out;
}
