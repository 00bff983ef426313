#pragma once

#include "platform/Platform.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlDisplayDevice.h"
#include "platform/sdl/SdlPeriodicTimer.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

// The desktop: a real window, the system clock.
class SdlPlatform final : public Platform {
  public:
    SdlPlatform() = default;
    // Without sound the game runs silent even where a sound card is.
    explicit SdlPlatform(bool sound) : sdlAudio(sound) {}

    SdlWindow& window() override { return sdlWindow; }
    SdlClock& clock() override { return sdlClock; }
    SdlDisplayDevice& display() override { return sdlDisplay; }
    SdlAudioDevice& audio() override { return sdlAudio; }
    std::unique_ptr<PeriodicTimer> createPeriodicTimer() override {
        return SdlPeriodicTimer::Create();
    }

  private:
    SdlWindow sdlWindow;
    SdlClock sdlClock;
    // After the window, so that it goes before the window does.
    SdlDisplayDevice sdlDisplay{sdlWindow};
    SdlAudioDevice sdlAudio;
};

} // namespace platform
