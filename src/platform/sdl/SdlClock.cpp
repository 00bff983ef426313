#include "platform/sdl/SdlClock.h"

#include <SDL.h>

namespace platform {

uint32_t SdlClock::milliseconds() const {
    return SDL_GetTicks();
}

} // namespace platform
