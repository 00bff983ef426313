#include "platform/headless/VirtualTimeline.h"

#include "platform/Clock.h"
#include "platform/Mixer.h"
#include "platform/headless/HeadlessPeriodicTimer.h"

#include <algorithm>

namespace platform {

VirtualTimeline::VirtualTimeline(const Clock& clock) : clock(clock), seen(clock.milliseconds()) {}

VirtualTimeline::~VirtualTimeline() {
    for (HeadlessPeriodicTimer* timer : timers)
        timer->detach();
}

void VirtualTimeline::catchUp() {
    // A tick uses buffers, and they ask for the time again.
    if (catchingUp)
        return;
    catchingUp = true;
    const uint32_t now = clock.milliseconds();
    while (seen != now) {
        const uint32_t step = nextStep(now - seen);
        if (mixer)
            mixer->advance(step);
        seen += step;
        // A tick may stop timers; each of those still listed gets its share of time.
        const std::vector<HeadlessPeriodicTimer*> running = timers;
        for (HeadlessPeriodicTimer* timer : running)
            if (std::find(timers.begin(), timers.end(), timer) != timers.end())
                timer->elapse(step);
    }
    catchingUp = false;
}

void VirtualTimeline::follow(Mixer* buffers) {
    catchUp();
    mixer = buffers;
}

void VirtualTimeline::add(HeadlessPeriodicTimer& timer) {
    catchUp();
    timers.push_back(&timer);
}

void VirtualTimeline::remove(HeadlessPeriodicTimer& timer) {
    catchUp();
    timers.erase(std::remove(timers.begin(), timers.end(), &timer), timers.end());
}

uint32_t VirtualTimeline::nextStep(uint32_t remaining) const {
    uint32_t step = remaining;
    for (const HeadlessPeriodicTimer* timer : timers)
        step = std::min(step, timer->untilDue());
    return step;
}

} // namespace platform
