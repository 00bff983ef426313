#pragma once

#include "platform/AudioBuffer.h"

#include <cstdint>
#include <vector>

namespace platform {

class AudioGuard;
class Mixer;

// A device buffer of the mixer. Every call from the game's threads goes through the guard; the
// mixer's own calls come with the guard already held.
class MixBuffer final : public AudioBuffer {
  public:
    MixBuffer(const AudioFormat& format, int bytes, unsigned caps, Mixer& mixer, AudioGuard& guard);
    ~MixBuffer() override;
    MixBuffer(const MixBuffer&) = delete;
    MixBuffer& operator=(const MixBuffer&) = delete;

    int size() const override { return static_cast<int>(bytes.size()); }
    AudioFormat format() const override { return pcmFormat; }
    AudioResult lock(int offset, int count, LockedRegions& out) override;
    AudioResult unlock(const LockedRegions& regions) override;
    AudioResult play(bool loop) override;
    AudioResult stop() override;
    AudioResult setPlayPosition(int offset) override;
    AudioResult positions(int& play, int& write) const override;
    BufferStatus status() const override;
    AudioResult setVolume(int hundredthsOfDecibel) override;
    int volume() const override;
    void setPlayerVolume(int hundredthsOfDecibel) override;
    AudioResult setFrequency(int hertz) override;
    int frequency() const override;

    // The mixer's side, guard held: adds this buffer's next `frames` output frames, resampled to
    // `outputRate`, to the interleaved stereo sums in `out`.
    void mixInto(float* out, int frames, int outputRate);
    // The mixer's side, guard held: plays on silently for `milliseconds`.
    void advance(uint32_t milliseconds);
    // The mixer is gone: from now on every call fails.
    void detach();

  private:
    template <typename Sample, int Channels> void mixFrames(float* out, int frames, uint64_t step);
    uint64_t endCursor() const;
    // Moves the cursor on, wrapping or stopping at the end; false once stopped.
    bool moveCursor(uint64_t distance);
    void finish();
    void updateGain();
    int playbackRate() const { return playFrequency ? playFrequency : pcmFormat.sampleRate; }

    const AudioFormat pcmFormat;
    const unsigned caps;
    std::vector<uint8_t> bytes;
    Mixer* mixer;
    AudioGuard* guard;
    // Frames from the start, 16 bits of them fraction.
    uint64_t cursor = 0;
    bool playing = false;
    bool looping = false;
    bool locked = false;
    int attenuation = 0;
    int playerAttenuation = 0;
    // Of both attenuations together.
    float gain = 1.0f;
    int playFrequency = 0;
};

} // namespace platform
