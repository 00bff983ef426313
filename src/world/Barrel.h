#pragma once

#include "world/RiverObject.h"

#include <string>

// A barrel: it carries the frog on one spot, and it never dives.
class Barrel : public RiverObject {
  public:
    Barrel();

    bool attach(const Lane& lane, bool randomX) override;
    std::string spriteLabel() const override;
};
