#include "platform/sdl/SdlPeriodicTimer.h"

#include <SDL.h>
#include <map>
#include <mutex>

namespace platform {

namespace {

// SDL_RemoveTimer neither waits for a tick in progress nor stops one that is about to begin, so
// SDL's thread finds its timer here by key, and a stopped timer is no longer found. The mutex
// is held through each tick, so that stopping waits for a tick in progress.
std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<uintptr_t, std::function<void()>*>& Registry() {
    static std::map<uintptr_t, std::function<void()>*> timers;
    return timers;
}

uintptr_t nextKey = 0;

} // namespace

std::unique_ptr<SdlPeriodicTimer> SdlPeriodicTimer::Create() {
    if (SDL_InitSubSystem(SDL_INIT_TIMER) != 0) {
        SDL_Log("SDL has no timers: %s", SDL_GetError());
        return nullptr;
    }
    return std::unique_ptr<SdlPeriodicTimer>(new SdlPeriodicTimer());
}

SdlPeriodicTimer::~SdlPeriodicTimer() {
    stop();
    SDL_QuitSubSystem(SDL_INIT_TIMER);
}

bool SdlPeriodicTimer::start(uint32_t periodMs, std::function<void()> tick) {
    if (sdlTimer || periodMs == 0 || !tick)
        return false;
    onTick = std::move(tick);
    {
        const std::lock_guard<std::mutex> hold(RegistryMutex());
        key = ++nextKey;
        Registry()[key] = &onTick;
    }
    sdlTimer = SDL_AddTimer(periodMs, &SdlPeriodicTimer::onTimer, reinterpret_cast<void*>(key));
    if (sdlTimer)
        return true;
    const std::lock_guard<std::mutex> hold(RegistryMutex());
    Registry().erase(key);
    return false;
}

void SdlPeriodicTimer::stop() {
    if (!sdlTimer)
        return;
    SDL_RemoveTimer(sdlTimer);
    sdlTimer = 0;
    const std::lock_guard<std::mutex> hold(RegistryMutex());
    Registry().erase(key);
}

uint32_t SdlPeriodicTimer::onTimer(uint32_t interval, void* key) {
    const std::lock_guard<std::mutex> hold(RegistryMutex());
    const auto found = Registry().find(reinterpret_cast<uintptr_t>(key));
    if (found == Registry().end())
        return 0;
    (*found->second)();
    return interval;
}

} // namespace platform
