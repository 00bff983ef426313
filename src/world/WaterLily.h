#pragma once

#include "world/RiverObject.h"

#include <string>

// A water lily: it sinks once it has carried the frog long enough, counted over every ride.
class WaterLily : public RiverObject {
  public:
    WaterLily();

    bool attach(const Lane& lane, bool randomX) override;
    void update(float dt) override;
    std::string spriteLabel() const override;

    float getAboardTime() const { return aboardTime; }
    // How long the lily carries a frog before it sinks.
    float getWaitBeforeDive() const { return waitBeforeDive; }

  private:
    float aboardTime = 0.0f;
    float waitBeforeDive = 0.0f;
};
