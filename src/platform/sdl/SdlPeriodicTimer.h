#pragma once

#include "platform/PeriodicTimer.h"

#include <memory>

namespace platform {

// A timer on SDL's timer thread.
class SdlPeriodicTimer final : public PeriodicTimer {
  public:
    // Null when SDL offers no timers.
    static std::unique_ptr<SdlPeriodicTimer> Create();

    ~SdlPeriodicTimer() override;
    SdlPeriodicTimer(const SdlPeriodicTimer&) = delete;
    SdlPeriodicTimer& operator=(const SdlPeriodicTimer&) = delete;

    bool start(uint32_t periodMs, std::function<void()> tick) override;
    void stop() override;

  private:
    SdlPeriodicTimer() = default;
    static uint32_t onTimer(uint32_t interval, void* key);

    std::function<void()> onTick;
    int sdlTimer = 0;
    // Identifies this timer to SDL's thread, which may still call in after the timer is gone.
    uintptr_t key = 0;
};

} // namespace platform
