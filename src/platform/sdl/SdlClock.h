#pragma once

#include "platform/Clock.h"

namespace platform {

class SdlClock final : public Clock {
  public:
    uint32_t milliseconds() const override;
};

} // namespace platform
