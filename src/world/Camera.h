#pragma once

#include "core/ScreenSize.h"

// The view onto the world: the world position shown at the bottom-left corner of the screen,
// and the scrolling that follows the frog up and down.
class Camera {
  public:
    // Screen pixel of a world position; both sides are rounded before subtracting.
    int screenX(float worldX) const;
    int screenY(float worldY) const;

    // Where the camera may go: 0 up to backgroundHeight - screen height.
    void setBackgroundHeight(int backgroundHeight);
    int upperLimit() const;

    // frogDrawnY: the frog's drawn y (its position plus the progress of a running jump).
    void aimCamera(float frogDrawnY);
    // The caller scrolls the background to the rounded position afterwards.
    void updateCamera(float dt);
    bool isFrogOnScreen(float frogY) const;

    int roundedX() const;
    int roundedY() const;

    float x = 0.0f;
    float y = 0.0f;
    int targetX = 0;
    int targetY = 0;
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    float acceleration = 0.0f;

  private:
    void stopAtTarget();

    int backgroundHeight = ScreenSize::kHeight;
};
