#include "sound/PcmConverter.h"

#include "core/Log.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kHighestRate = 22050;

template <typename Sample> void MixFrame(const uint8_t* in, uint8_t* out) {
    Sample left;
    Sample right;
    std::memcpy(&left, in, sizeof left);
    std::memcpy(&right, in + sizeof left, sizeof right);
    const Sample mixed = static_cast<Sample>(left / 2 + right / 2);
    std::memcpy(out, &mixed, sizeof mixed);
}

void MixToMono(const uint8_t* in, uint8_t* out, int bits) {
    switch (bits) {
    case 8:
        return MixFrame<uint8_t>(in, out);
    case 16:
        return MixFrame<int16_t>(in, out);
    default:
        return MixFrame<int32_t>(in, out);
    }
}

} // namespace

namespace PcmConverter {

PcmDescription ForDeviceBuffer(const PcmDescription& source, bool mono) {
    const bool halve = source.sampleRate > kHighestRate;
    const bool mixDown = mono && source.channels == 2;
    PcmDescription out;
    out.sampleRate = halve ? source.sampleRate / 2 : source.sampleRate;
    out.bitsPerSample = source.bitsPerSample;
    out.channels = mixDown ? 1 : source.channels;
    out.frameCount = halve ? source.frameCount / 2 : source.frameCount;

    const int bits = source.bitsPerSample;
    if (bits != 8 && bits != 16 && bits != 32) {
        Log("Unsupported num bits per Sample.\n");
        return out;
    }
    if (source.channels < 1 || source.frameCount < 1)
        return out;

    const std::size_t sampleBytes = static_cast<std::size_t>(bits / 8);
    const std::size_t outFrameBytes = sampleBytes * static_cast<std::size_t>(out.channels);
    const std::size_t outBytes = outFrameBytes * static_cast<std::size_t>(out.frameCount);
    if (!halve && !mixDown) {
        out.data.assign(source.data.begin(),
                        source.data.begin() + std::min(outBytes, source.data.size()));
        return out;
    }
    out.data.assign(outBytes, 0);
    const std::size_t inFrameBytes = sampleBytes * static_cast<std::size_t>(source.channels);
    const std::size_t framesPresent = source.data.size() / inFrameBytes;
    const std::size_t stride = halve ? 2 : 1;
    for (std::size_t frame = 0; frame < static_cast<std::size_t>(out.frameCount); ++frame) {
        const std::size_t from = frame * stride;
        if (from >= framesPresent)
            break;
        const uint8_t* in = source.data.data() + from * inFrameBytes;
        uint8_t* to = out.data.data() + frame * outFrameBytes;
        if (mixDown)
            MixToMono(in, to, bits);
        else
            std::memcpy(to, in, outFrameBytes);
    }
    return out;
}

} // namespace PcmConverter
