#pragma once

#include "world/BlockingObject.h"
#include "world/GameObject.h"

// Something solid that the background picture shows, standing still where a level's obstacle
// file puts it; never drawn.
class InvisibleBlockObject : public GameObject, public BlockingObject {
  public:
    InvisibleBlockObject() : GameObject("ArbitraryObject") {}

    // Stores the box and registers it as a blocker.
    void init(int centreX, int centreY, int boxWidth, int boxHeight);
    bool blocksPoint(int px, int py) const override;
    // It never moves.
    bool blocksPointAfter(int px, int py, float t) const override;

    int getX() const { return x; }
    int getY() const { return y; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }

  private:
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
