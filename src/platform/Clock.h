#pragma once

#include <cstdint>

namespace platform {

// The millisecond clock of frames and blinking; it wraps after 49 days like the game expects.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual uint32_t milliseconds() const = 0;
};

} // namespace platform
