#pragma once

#include <cstdint>

namespace platform {

// Codes of failed device calls; their values are the DirectSound ones, so that a logged code
// reads the same as it always did.
using AudioResult = uint32_t;
namespace AudioError {
constexpr AudioResult None = 0;
constexpr AudioResult InvalidParam = 0x80070057;
constexpr AudioResult OutOfMemory = 0x8007000E;
constexpr AudioResult ControlUnavailable = 0x8878001E;
constexpr AudioResult InvalidCall = 0x88780032;
constexpr AudioResult BadFormat = 0x88780064;
constexpr AudioResult NoDevice = 0x88780078;
} // namespace AudioError

// Capabilities a buffer is created with; volume and frequency changes fail without them.
namespace AudioCaps {
constexpr unsigned Volume = 1;
constexpr unsigned Frequency = 2;
} // namespace AudioCaps

// Linear PCM: 8-bit samples unsigned, 16- and 32-bit signed little-endian, channels interleaved.
struct AudioFormat {
    int sampleRate = 0;
    int bitsPerSample = 0;
    int channels = 0;

    int blockAlign() const { return channels * bitsPerSample / 8; }
};

// The bytes a lock hands out: the second region is used only when the lock wraps around the end.
struct LockedRegions {
    uint8_t* first = nullptr;
    int firstBytes = 0;
    uint8_t* second = nullptr;
    int secondBytes = 0;
};

struct BufferStatus {
    bool playing = false;
    bool looping = false;
};

// One sound of the device: a ring of PCM bytes with a play position, played once or looping.
// Volumes are hundredths of a decibel, from -10000 (silent) to 0 (as recorded). Positions and
// sizes are in bytes.
class AudioBuffer {
  public:
    virtual ~AudioBuffer() = default;

    virtual int size() const = 0;
    virtual AudioFormat format() const = 0;

    // `bytes` from `offset` on, in two regions when they wrap. Until the matching unlock the
    // mixer waits, so write and unlock at once; one lock at a time per buffer.
    virtual AudioResult lock(int offset, int bytes, LockedRegions& out) = 0;
    virtual AudioResult unlock(const LockedRegions& regions) = 0;

    // Plays from the play position; a buffer played once stops at its end and rewinds.
    virtual AudioResult play(bool looping) = 0;
    virtual AudioResult stop() = 0;
    virtual AudioResult setPlayPosition(int offset) = 0;
    // The write position is the first byte the mixer has not yet begun to read.
    virtual AudioResult positions(int& play, int& write) const = 0;
    virtual BufferStatus status() const = 0;

    virtual AudioResult setVolume(int hundredthsOfDecibel) = 0;
    virtual int volume() const = 0;
    // The player's volume for the buffer's group (music, effects), in the same hundredths; it
    // adds to the buffer's own volume, needs no capability and leaves volume() as it was.
    virtual void setPlayerVolume(int hundredthsOfDecibel) = 0;
    // 0 plays at the rate of the format.
    virtual AudioResult setFrequency(int hertz) = 0;
    virtual int frequency() const = 0;
};

} // namespace platform
