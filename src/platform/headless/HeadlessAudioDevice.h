#pragma once

#include "platform/AudioDevice.h"
#include "platform/AudioGuard.h"
#include "platform/Mixer.h"

namespace platform {

class VirtualTimeline;

// The sound card of scripted runs: the same buffers as on the desktop, playing silently along
// with the virtual clock, so that a sound stops once it has run its length.
class HeadlessAudioDevice final : public AudioDevice, private AudioGuard {
  public:
    explicit HeadlessAudioDevice(VirtualTimeline& timeline);
    ~HeadlessAudioDevice() override;
    HeadlessAudioDevice(const HeadlessAudioDevice&) = delete;
    HeadlessAudioDevice& operator=(const HeadlessAudioDevice&) = delete;

    // A machine without a sound card: every later open fails.
    void unplug() { plugged = false; }

    bool open() override;
    void close() override;
    AudioResult createBuffer(const AudioFormat& format, int bytes, unsigned caps,
                             std::unique_ptr<AudioBuffer>& out) override;

  private:
    void enter() override;
    void leave() override {}

    VirtualTimeline& timeline;
    Mixer mixer;
    bool isOpen = false;
    bool plugged = true;
};

} // namespace platform
