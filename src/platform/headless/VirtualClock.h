#pragma once

#include "platform/Clock.h"

namespace platform {

// A clock that moves only when told to, so a scripted run sees the same times every time.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(uint32_t start = 0) : now(start) {}

    uint32_t milliseconds() const override { return now; }
    void advance(uint32_t ms) { now += ms; }

  private:
    uint32_t now;
};

} // namespace platform
