#pragma once

#include "world/TrackObject.h"

#include <string>

// A piranha: it comes in at the downstream edge of a river lane and swims against the current;
// its lane decides the bite.
class Piranha : public TrackObject {
  public:
    static constexpr int kStateSwimming = 2;
    static constexpr int kStateBitten = 3;
    // Not one of the objects a lane lets in, so it has a number past theirs.
    static constexpr int kObjectType = 15;
    static constexpr int kSize = 32;
    // After a bite it jumps this far each update, so that its lane drops it at once.
    static constexpr float kLeapAfterBite = 1200.0f;

    Piranha();

    bool attach(const Lane& lane, bool randomX) override;
    void update(float dt) override;
    std::string spriteLabel() const override;
};
