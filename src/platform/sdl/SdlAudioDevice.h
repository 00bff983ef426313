#pragma once

#include "platform/AudioDevice.h"
#include "platform/AudioGuard.h"
#include "platform/Mixer.h"

#include <cstdint>

namespace platform {

// The sound card through SDL: the mixer runs in SDL's audio callback, and every change from
// another thread holds SDL's lock of the device.
class SdlAudioDevice final : public AudioDevice, private AudioGuard {
  public:
    // An unwanted device is never opened, as if the system had none.
    explicit SdlAudioDevice(bool wanted = true);
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool open() override;
    void close() override;
    AudioResult createBuffer(const AudioFormat& format, int bytes, unsigned caps,
                             std::unique_ptr<AudioBuffer>& out) override;

  private:
    void enter() override;
    void leave() override;
    static void fill(void* self, uint8_t* stream, int length);

    Mixer mixer;
    uint32_t device = 0;
    bool wanted;
};

} // namespace platform
