#include "platform/sdl/DisplayConnectionWatch.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <atomic>

namespace platform {

namespace {

std::atomic<bool> lost{false};
std::atomic<bool> reported{false};

// Xlib's own handler says on stderr that the connection broke; this says it in SDL's log.
int NoteLoss(Display*) {
    lost = true;
    SDL_Log("The connection to the X server is lost.");
    return 0;
}

// Returning, instead of exiting as Xlib's default does, leaves the display dead but harmless:
// every later Xlib call on it returns at once.
void KeepRunning(Display*, void*) {
    lost = true;
}

} // namespace

void DisplayConnectionWatch::Watch(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    XSetIOErrorHandler(&NoteLoss);
    XSetIOErrorExitHandler(info.info.x11.display, &KeepRunning, nullptr);
}

bool DisplayConnectionWatch::TakeLoss() {
    return lost && !reported.exchange(true);
}

bool DisplayConnectionWatch::Lost() {
    return lost;
}

} // namespace platform
