#pragma once

#include "world/RiverObject.h"

#include <string>

// A trunk: the frog may sit anywhere along it, and it never dives.
class Trunk : public RiverObject {
  public:
    Trunk();

    bool attach(const Lane& lane, bool randomX) override;
    std::string spriteLabel() const override;
};
