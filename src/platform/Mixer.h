#pragma once

#include "platform/AudioBuffer.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class AudioGuard;
class MixBuffer;

// Sums every playing buffer into one 16-bit stereo stream. `mix` runs on the audio thread with
// the guard held; it never allocates.
class Mixer {
  public:
    explicit Mixer(AudioGuard& guard);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    AudioResult createBuffer(const AudioFormat& format, int bytes, unsigned caps,
                             std::unique_ptr<AudioBuffer>& out);

    // The output rate, and the most frames one `mix` call works on at a time. Call before the
    // audio thread starts.
    void prepare(int outputRate, int framesPerPass);
    void mix(int16_t* stereoOut, int frames);
    // Without an output: every playing buffer moves on by `milliseconds`.
    void advance(uint32_t milliseconds);

    // Called by a buffer as it goes, guard held.
    void remove(MixBuffer* buffer);

  private:
    AudioGuard& guard;
    std::vector<MixBuffer*> buffers;
    std::vector<float> sums;
    int outputRate = 0;
};

} // namespace platform
