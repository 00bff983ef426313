#pragma once

#include "platform/AudioBuffer.h"

#include <memory>

namespace platform {

// The sound card: it mixes every playing buffer into one output.
class AudioDevice {
  public:
    virtual ~AudioDevice() = default;

    // False when there is no device to play on; then no buffer can be created.
    virtual bool open() = 0;
    virtual void close() = 0;

    // A silent buffer of `bytes` bytes; `caps` from AudioCaps.
    virtual AudioResult createBuffer(const AudioFormat& format, int bytes, unsigned caps,
                                     std::unique_ptr<AudioBuffer>& out) = 0;
};

} // namespace platform
