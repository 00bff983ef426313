#pragma once

#include "platform/PeriodicTimer.h"

namespace platform {

class VirtualTimeline;

// Ticks on the main thread, whenever the virtual clock has passed its next tick.
class HeadlessPeriodicTimer final : public PeriodicTimer {
  public:
    explicit HeadlessPeriodicTimer(VirtualTimeline& timeline);
    ~HeadlessPeriodicTimer() override;
    HeadlessPeriodicTimer(const HeadlessPeriodicTimer&) = delete;
    HeadlessPeriodicTimer& operator=(const HeadlessPeriodicTimer&) = delete;

    bool start(uint32_t periodMs, std::function<void()> tick) override;
    void stop() override;

    // The timeline's side.
    uint32_t untilDue() const { return period - sinceTick; }
    void elapse(uint32_t milliseconds);
    void detach() { timeline = nullptr; }

  private:
    VirtualTimeline* timeline;
    std::function<void()> onTick;
    uint32_t period = 0;
    uint32_t sinceTick = 0;
    bool running = false;
};

} // namespace platform
