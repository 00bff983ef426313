#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Calls a function every period on a thread of its own (the headless one follows the virtual
// clock instead).
class PeriodicTimer {
  public:
    // Implementations stop the timer when they are destroyed.
    virtual ~PeriodicTimer() = default;

    // False when the timer cannot be started.
    virtual bool start(uint32_t periodMs, std::function<void()> tick) = 0;
    // Returns only once no tick runs or will run any more.
    virtual void stop() = 0;
};

} // namespace platform
