#pragma once

#include "world/RoadObject.h"

#include <string>

// One of the five trucks: its front half runs the frog over, its rear half carries it, it may
// bring a star, and a frog that stays aboard too long is killed the way of its kind.
class Truck : public RoadObject {
  public:
    // `objectType` is 3 to 7.
    explicit Truck(int objectType);

    bool attach(const Lane& lane, bool randomX) override;
    // The front half is narrower by the non-blocking strip at the very front.
    bool containsPoint(int px, int py) const override;
    // Only the front half blocks; the rear half is the platform.
    bool blocksPoint(int px, int py) const override;
    // The first boarding collects the star.
    void frogBoards() override;
    void update(float dt) override;
    void draw(const Camera& camera, float time, bool mirrored) override;
    std::string spriteLabel() const override;

    // The frog command that this kind's kill is.
    int killCommand() const;
    bool hasStar() const { return star; }
    float getAboardTime() const { return aboardTime; }
    float getKillInterval() const { return killInterval; }
    float getFrontNonBlockWidth() const { return frontNonBlockWidth; }

  private:
    // In the front half: ahead of the centre in the direction of travel.
    bool inFrontHalf(int px) const;
    void drawStar(const Camera& camera) const;
    void drawFrogLeg(const Camera& camera, float time, bool mirrored) const;

    bool star = true;
    float aboardTime = 0.0f;
    float killInterval = 0.0f;
    float frontNonBlockWidth = 0.0f;
    int starOffsetY = 0;
};
