#include "platform/MixBuffer.h"

#include "platform/AudioGuard.h"
#include "platform/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

constexpr int kFractionBits = 16;
constexpr uint64_t kFractionMask = (uint64_t{1} << kFractionBits) - 1;
constexpr int kSilentVolume = -10000;
constexpr int kMinFrequency = 100;
constexpr int kMaxFrequency = 200000;

// Samples are read as 16-bit levels, whatever their width.
struct Unsigned8 {
    static constexpr int kBytes = 1;
    static float level(const uint8_t* at) { return static_cast<float>(at[0] - 128) * 256.0f; }
};

struct Signed16 {
    static constexpr int kBytes = 2;
    static float level(const uint8_t* at) {
        int16_t value;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
};

struct Signed32 {
    static constexpr int kBytes = 4;
    static float level(const uint8_t* at) {
        int32_t value;
        std::memcpy(&value, at, sizeof value);
        return static_cast<float>(value) * (1.0f / 65536.0f);
    }
};

uint8_t silenceByte(const AudioFormat& format) {
    return format.bitsPerSample == 8 ? 0x80 : 0;
}

} // namespace

MixBuffer::MixBuffer(const AudioFormat& format, int size, unsigned caps, Mixer& mixer,
                     AudioGuard& guard)
    : pcmFormat(format), caps(caps), bytes(static_cast<std::size_t>(size), silenceByte(format)),
      mixer(&mixer), guard(&guard) {}

MixBuffer::~MixBuffer() {
    if (!guard)
        return;
    AudioGuard::Scope scope(*guard);
    mixer->remove(this);
}

AudioResult MixBuffer::lock(int offset, int count, LockedRegions& out) {
    if (!guard)
        return AudioError::NoDevice;
    const int total = size();
    if (offset < 0 || offset >= total || count <= 0 || count > total)
        return AudioError::InvalidParam;
    guard->enter();
    if (locked) {
        guard->leave();
        return AudioError::InvalidCall;
    }
    locked = true;
    const int first = std::min(count, total - offset);
    out.first = bytes.data() + offset;
    out.firstBytes = first;
    out.second = count > first ? bytes.data() : nullptr;
    out.secondBytes = count - first;
    return AudioError::None;
}

AudioResult MixBuffer::unlock(const LockedRegions& regions) {
    if (!guard)
        return AudioError::NoDevice;
    AudioGuard::Scope scope(*guard);
    if (!locked || !regions.first)
        return AudioError::InvalidCall;
    locked = false;
    // The lock's own hold on the guard.
    guard->leave();
    return AudioError::None;
}

AudioResult MixBuffer::play(bool loop) {
    if (!guard)
        return AudioError::NoDevice;
    AudioGuard::Scope scope(*guard);
    playing = true;
    looping = loop;
    return AudioError::None;
}

AudioResult MixBuffer::stop() {
    if (!guard)
        return AudioError::NoDevice;
    AudioGuard::Scope scope(*guard);
    playing = false;
    looping = false;
    return AudioError::None;
}

AudioResult MixBuffer::setPlayPosition(int offset) {
    if (!guard)
        return AudioError::NoDevice;
    if (offset < 0 || offset >= size())
        return AudioError::InvalidParam;
    AudioGuard::Scope scope(*guard);
    cursor = static_cast<uint64_t>(offset / pcmFormat.blockAlign()) << kFractionBits;
    return AudioError::None;
}

AudioResult MixBuffer::positions(int& play, int& write) const {
    if (!guard)
        return AudioError::NoDevice;
    AudioGuard::Scope scope(*guard);
    const uint64_t frame = cursor >> kFractionBits;
    const uint64_t frames = endCursor() >> kFractionBits;
    play = static_cast<int>(frame * static_cast<uint64_t>(pcmFormat.blockAlign()));
    write = static_cast<int>((frame + 1) % frames * static_cast<uint64_t>(pcmFormat.blockAlign()));
    return AudioError::None;
}

BufferStatus MixBuffer::status() const {
    if (!guard)
        return {};
    AudioGuard::Scope scope(*guard);
    return {playing, looping};
}

AudioResult MixBuffer::setVolume(int hundredthsOfDecibel) {
    if (!guard)
        return AudioError::NoDevice;
    if (!(caps & AudioCaps::Volume))
        return AudioError::ControlUnavailable;
    if (hundredthsOfDecibel < kSilentVolume || hundredthsOfDecibel > 0)
        return AudioError::InvalidParam;
    AudioGuard::Scope scope(*guard);
    attenuation = hundredthsOfDecibel;
    updateGain();
    return AudioError::None;
}

void MixBuffer::setPlayerVolume(int hundredthsOfDecibel) {
    if (!guard)
        return;
    AudioGuard::Scope scope(*guard);
    playerAttenuation = std::clamp(hundredthsOfDecibel, kSilentVolume, 0);
    updateGain();
}

// Guard held. A player who turned a group all the way down hears nothing of it.
void MixBuffer::updateGain() {
    const int total = attenuation + playerAttenuation;
    gain = playerAttenuation <= kSilentVolume
               ? 0.0f
               : std::pow(10.0f, static_cast<float>(total) / 2000.0f);
}

int MixBuffer::volume() const {
    if (!guard)
        return 0;
    AudioGuard::Scope scope(*guard);
    return attenuation;
}

AudioResult MixBuffer::setFrequency(int hertz) {
    if (!guard)
        return AudioError::NoDevice;
    if (!(caps & AudioCaps::Frequency))
        return AudioError::ControlUnavailable;
    if (hertz != 0 && (hertz < kMinFrequency || hertz > kMaxFrequency))
        return AudioError::InvalidParam;
    AudioGuard::Scope scope(*guard);
    playFrequency = hertz;
    return AudioError::None;
}

int MixBuffer::frequency() const {
    if (!guard)
        return 0;
    AudioGuard::Scope scope(*guard);
    return playbackRate();
}

void MixBuffer::mixInto(float* out, int frames, int outputRate) {
    if (!playing || outputRate <= 0)
        return;
    const uint64_t step = (static_cast<uint64_t>(playbackRate()) << kFractionBits) /
                          static_cast<uint64_t>(outputRate);
    const bool stereo = pcmFormat.channels == 2;
    switch (pcmFormat.bitsPerSample) {
    case 8:
        return stereo ? mixFrames<Unsigned8, 2>(out, frames, step)
                      : mixFrames<Unsigned8, 1>(out, frames, step);
    case 16:
        return stereo ? mixFrames<Signed16, 2>(out, frames, step)
                      : mixFrames<Signed16, 1>(out, frames, step);
    default:
        return stereo ? mixFrames<Signed32, 2>(out, frames, step)
                      : mixFrames<Signed32, 1>(out, frames, step);
    }
}

// Linear interpolation between neighbouring frames; the last frame of a looping buffer leads
// into its first.
template <typename Sample, int Channels>
void MixBuffer::mixFrames(float* out, int frames, uint64_t step) {
    constexpr int kFrameBytes = Sample::kBytes * Channels;
    const uint64_t count = endCursor() >> kFractionBits;
    const uint8_t* data = bytes.data();
    for (int i = 0; i < frames; ++i) {
        const uint64_t index = cursor >> kFractionBits;
        const uint64_t next = index + 1 < count ? index + 1 : looping ? 0 : index;
        const float fraction = static_cast<float>(cursor & kFractionMask) * (1.0f / 65536.0f);
        const uint8_t* here = data + index * kFrameBytes;
        const uint8_t* there = data + next * kFrameBytes;
        float levels[2];
        for (int channel = 0; channel < Channels; ++channel) {
            const float a = Sample::level(here + channel * Sample::kBytes);
            const float b = Sample::level(there + channel * Sample::kBytes);
            levels[channel] = a + (b - a) * fraction;
        }
        out[2 * i] += levels[0] * gain;
        out[2 * i + 1] += levels[Channels - 1] * gain;
        if (!moveCursor(step))
            return;
    }
}

void MixBuffer::advance(uint32_t milliseconds) {
    if (!playing)
        return;
    const uint64_t played =
        static_cast<uint64_t>(milliseconds) * static_cast<uint64_t>(playbackRate());
    const uint64_t wholeFrames = played / 1000;
    const uint64_t fraction = ((played % 1000) << kFractionBits) / 1000;
    moveCursor((wholeFrames << kFractionBits) + fraction);
}

void MixBuffer::detach() {
    mixer = nullptr;
    guard = nullptr;
}

uint64_t MixBuffer::endCursor() const {
    return static_cast<uint64_t>(bytes.size() / static_cast<std::size_t>(pcmFormat.blockAlign()))
           << kFractionBits;
}

bool MixBuffer::moveCursor(uint64_t distance) {
    cursor += distance;
    const uint64_t end = endCursor();
    if (cursor < end)
        return true;
    if (looping) {
        cursor %= end;
        return true;
    }
    finish();
    return false;
}

void MixBuffer::finish() {
    playing = false;
    looping = false;
    cursor = 0;
}

} // namespace platform
