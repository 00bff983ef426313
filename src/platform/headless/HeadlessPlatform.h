#pragma once

#include "platform/Platform.h"
#include "platform/headless/HeadlessAudioDevice.h"
#include "platform/headless/HeadlessDisplayDevice.h"
#include "platform/headless/HeadlessPeriodicTimer.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/VirtualClock.h"
#include "platform/headless/VirtualTimeline.h"

namespace platform {

// The platform of scripted runs and tests: nothing is shown or heard, time moves on request.
class HeadlessPlatform final : public Platform {
  public:
    HeadlessWindow& window() override { return headlessWindow; }
    VirtualClock& clock() override { return virtualClock; }
    HeadlessDisplayDevice& display() override { return headlessDisplay; }
    HeadlessAudioDevice& audio() override { return headlessAudio; }
    std::unique_ptr<PeriodicTimer> createPeriodicTimer() override {
        return std::make_unique<HeadlessPeriodicTimer>(timeline);
    }

  private:
    HeadlessWindow headlessWindow;
    VirtualClock virtualClock;
    HeadlessDisplayDevice headlessDisplay;
    // After the clock, which they follow.
    VirtualTimeline timeline{virtualClock};
    HeadlessAudioDevice headlessAudio{timeline};
};

} // namespace platform
