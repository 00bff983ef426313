#pragma once

#include "world/RoadObject.h"

#include <string>

// The open and the closed ragtop and the small car: solid over their whole box.
class Car : public RoadObject {
  public:
    // `objectType` is 0, 1 or 2.
    explicit Car(int objectType);

    bool attach(const Lane& lane, bool randomX) override;
    bool blocksPoint(int x, int y) const override;
    void draw(const Camera& camera, float time, bool mirrored) override;
    std::string spriteLabel() const override;
};
