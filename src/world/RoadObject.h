#pragma once

#include "world/BlockingObject.h"
#include "world/TrackObject.h"

#include <string>

// A car or a truck: solid, registered as a blocker while it is on its lane, with a shadow.
class RoadObject : public TrackObject, public BlockingObject {
  public:
    static constexpr int kStateDriving = 2;
    static constexpr int kStateKilling = 4;

    using TrackObject::TrackObject;

    bool attach(const Lane& lane, bool randomX) override;
    // Where the blocking shape will be after t seconds at the lane's speed.
    bool blocksPointAfter(int x, int y, float t) const override;
    // The crash the frog hears when this kind runs it over.
    static std::string crashSound(int objectType);

    int getShadowOffsetX() const { return shadowOffsetX; }
    int getShadowOffsetY() const { return shadowOffsetY; }

  protected:
    // Reads prefix + "ShadowOffsetX" and prefix + "ShadowOffsetY".
    void loadShadowOffsets(const std::string& prefix);
    // Drawn before the object when the game shows shadows.
    void drawShadow(const Camera& camera, const std::string& label, bool mirrored) const;

    int shadowOffsetX = 0;
    int shadowOffsetY = 0;
};
