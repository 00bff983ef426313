#pragma once

#include "platform/Platform.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/VirtualClock.h"

namespace platform {

// The platform of scripted runs and tests: nothing is shown or heard, time moves on request.
class HeadlessPlatform final : public Platform {
public:
    HeadlessWindow& window() override { return headlessWindow; }
    VirtualClock& clock() override { return virtualClock; }

private:
    HeadlessWindow headlessWindow;
    VirtualClock virtualClock;
};

} // namespace platform
