#pragma once

#include "world/GameObject.h"
#include "world/VisualObject.h"

#include <string>

class Camera;

// The water lily on which the frogs of a level are brought home.
class WaterLilyGoal : public GameObject, public VisualObject {
  public:
    // The goal is drawn through `camera`, which must outlive it; none draws nothing.
    explicit WaterLilyGoal(const Camera* camera) : GameObject("Goal"), camera(camera) {}

    // Centres the goal on (x, y) and reads its drawing offsets.
    void place(float centreX, float centreY);
    // Draws the goal, still and unmirrored.
    void update(float dt) override;
    // Whether a frog at (frogX, frogY) is within `inGoalDistance` of the centre.
    bool reachedBy(float frogX, float frogY) const;
    std::string spriteLabel() const override { return "WATER_LILY_GOAL"; }

  private:
    const Camera* camera;
};
