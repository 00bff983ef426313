#include "sound/SoundEngine.h"

bool SoundEngine::init(platform::Window&) {
    return false;
}

void SoundEngine::shutdown() {}
