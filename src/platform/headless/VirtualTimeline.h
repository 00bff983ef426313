#pragma once

#include <cstdint>
#include <vector>

namespace platform {

class Clock;
class HeadlessPeriodicTimer;
class Mixer;

// What would run by itself on a real machine — the sound buffers and the periodic timers —
// follows the virtual clock. Nothing can be heard here, so time is caught up whenever a buffer
// or a timer is used: first the buffers move on to each tick that fell due, then the tick runs,
// in the order a real machine would have run them.
class VirtualTimeline {
  public:
    explicit VirtualTimeline(const Clock& clock);
    ~VirtualTimeline();
    VirtualTimeline(const VirtualTimeline&) = delete;
    VirtualTimeline& operator=(const VirtualTimeline&) = delete;

    void catchUp();

    // The mixer whose buffers play along; none when null.
    void follow(Mixer* buffers);
    void add(HeadlessPeriodicTimer& timer);
    void remove(HeadlessPeriodicTimer& timer);

  private:
    uint32_t nextStep(uint32_t remaining) const;

    const Clock& clock;
    uint32_t seen;
    Mixer* mixer = nullptr;
    std::vector<HeadlessPeriodicTimer*> timers;
    bool catchingUp = false;
};

} // namespace platform
