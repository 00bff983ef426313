#include "platform/headless/HeadlessPeriodicTimer.h"

#include "platform/headless/VirtualTimeline.h"

namespace platform {

HeadlessPeriodicTimer::HeadlessPeriodicTimer(VirtualTimeline& timeline) : timeline(&timeline) {}

HeadlessPeriodicTimer::~HeadlessPeriodicTimer() {
    stop();
}

bool HeadlessPeriodicTimer::start(uint32_t periodMs, std::function<void()> tick) {
    if (!timeline || running || periodMs == 0 || !tick)
        return false;
    onTick = std::move(tick);
    period = periodMs;
    sinceTick = 0;
    timeline->add(*this);
    running = true;
    return true;
}

void HeadlessPeriodicTimer::stop() {
    if (!running)
        return;
    running = false;
    if (timeline)
        timeline->remove(*this);
}

void HeadlessPeriodicTimer::elapse(uint32_t milliseconds) {
    sinceTick += milliseconds;
    if (sinceTick < period)
        return;
    sinceTick = 0;
    onTick();
}

} // namespace platform
