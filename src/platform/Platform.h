#pragma once

#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/DisplayDevice.h"
#include "platform/PeriodicTimer.h"
#include "platform/Window.h"

#include <memory>

namespace platform {

// The operating-system services the game runs on: a real desktop through SDL, or the headless
// stand-ins that a script drives. The program's entry installs one for the whole run.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual Window& window() = 0;
    virtual Clock& clock() = 0;
    virtual DisplayDevice& display() = 0;
    virtual AudioDevice& audio() = 0;
    // Null when the system offers no periodic timers.
    virtual std::unique_ptr<PeriodicTimer> createPeriodicTimer() = 0;

    // The installed platform. Installing does not transfer ownership: the entry keeps the
    // platform alive for as long as the game runs.
    static Platform& current();
    static void install(Platform* platform);
};

} // namespace platform
