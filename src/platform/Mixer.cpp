#include "platform/Mixer.h"

#include "platform/AudioGuard.h"
#include "platform/MixBuffer.h"

#include <algorithm>
#include <new>

namespace platform {

namespace {

constexpr int kMinRate = 100;
constexpr int kMaxRate = 200000;
constexpr int kMinBytes = 4;
constexpr int kMaxBytes = 0x0FFFFFFF;

bool IsPlayable(const AudioFormat& format) {
    const int bits = format.bitsPerSample;
    return (bits == 8 || bits == 16 || bits == 32) &&
           (format.channels == 1 || format.channels == 2) && format.sampleRate >= kMinRate &&
           format.sampleRate <= kMaxRate;
}

int16_t ToSample(float level) {
    return static_cast<int16_t>(std::clamp(level, -32768.0f, 32767.0f));
}

} // namespace

Mixer::Mixer(AudioGuard& guard) : guard(guard) {}

Mixer::~Mixer() {
    for (MixBuffer* buffer : buffers)
        buffer->detach();
}

AudioResult Mixer::createBuffer(const AudioFormat& format, int bytes, unsigned caps,
                                std::unique_ptr<AudioBuffer>& out) {
    if (!IsPlayable(format))
        return AudioError::BadFormat;
    if (bytes < kMinBytes || bytes > kMaxBytes || bytes < format.blockAlign())
        return AudioError::InvalidParam;
    std::unique_ptr<MixBuffer> buffer;
    try {
        buffer = std::make_unique<MixBuffer>(format, bytes, caps, *this, guard);
    } catch (const std::bad_alloc&) {
        return AudioError::OutOfMemory;
    }
    {
        AudioGuard::Scope scope(guard);
        buffers.push_back(buffer.get());
    }
    out = std::move(buffer);
    return AudioError::None;
}

void Mixer::prepare(int rate, int framesPerPass) {
    outputRate = rate;
    sums.assign(static_cast<std::size_t>(std::max(framesPerPass, 1)) * 2, 0.0f);
}

void Mixer::mix(int16_t* stereoOut, int frames) {
    const int passFrames = static_cast<int>(sums.size() / 2);
    if (passFrames == 0) {
        std::fill(stereoOut, stereoOut + 2 * frames, int16_t{0});
        return;
    }
    while (frames > 0) {
        const int count = std::min(frames, passFrames);
        std::fill(sums.begin(), sums.begin() + 2 * count, 0.0f);
        for (MixBuffer* buffer : buffers)
            buffer->mixInto(sums.data(), count, outputRate);
        for (int i = 0; i < 2 * count; ++i)
            stereoOut[i] = ToSample(sums[static_cast<std::size_t>(i)]);
        stereoOut += 2 * count;
        frames -= count;
    }
}

void Mixer::advance(uint32_t milliseconds) {
    for (MixBuffer* buffer : buffers)
        buffer->advance(milliseconds);
}

void Mixer::remove(MixBuffer* buffer) {
    buffers.erase(std::remove(buffers.begin(), buffers.end(), buffer), buffers.end());
}

} // namespace platform
