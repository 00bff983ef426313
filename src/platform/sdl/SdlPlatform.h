#pragma once

#include "platform/Platform.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

// The desktop: a real window, the system clock.
class SdlPlatform final : public Platform {
public:
    SdlWindow& window() override { return sdlWindow; }
    SdlClock& clock() override { return sdlClock; }

private:
    SdlWindow sdlWindow;
    SdlClock sdlClock;
};

} // namespace platform
