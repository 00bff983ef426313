#pragma once

#include "core/Singleton.h"

namespace platform {
class Window;
}

// Effects by label, volume, looping and the music. Until the audio device is wired in, the
// engine reports that it has no device, and the game runs silently as it would without one.
class SoundEngine {
public:
    bool init(platform::Window& window);
    void shutdown();

private:
    friend class Singleton<SoundEngine>;
    SoundEngine() = default;
};
