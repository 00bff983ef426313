#pragma once

#include "platform/Platform.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/VirtualClock.h"

#include <cstdint>

// What a replay's game runs on while it plays: the desktop's display, sound and timers, but the
// recorded clock and messages. The real window's own messages go to the replay's controls.
class ReplayPlatform final : public platform::Platform {
  public:
    // The clock starts where the game's last frame was, as the recording's first turn counts.
    ReplayPlatform(platform::Platform& real, std::uint32_t start)
        : real(real), replayClock(start) {}

    platform::HeadlessWindow& window() override { return replayWindow; }
    platform::VirtualClock& clock() override { return replayClock; }
    platform::DisplayDevice& display() override { return real.display(); }
    platform::AudioDevice& audio() override { return real.audio(); }
    std::unique_ptr<platform::PeriodicTimer> createPeriodicTimer() override {
        return real.createPeriodicTimer();
    }

  private:
    platform::Platform& real;
    platform::HeadlessWindow replayWindow;
    platform::VirtualClock replayClock;
};
