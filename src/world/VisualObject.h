#pragma once

#include <string>

class Camera;

// Something drawn in the world: its centre, its box, drawing offsets and the sprite of its state.
class VisualObject {
  public:
    virtual ~VisualObject() = default;

    virtual void setPosition(float newX, float newY);
    virtual void setX(float newX);
    virtual void setY(float newY);
    virtual void moveBy(float dx, float dy);
    virtual void moveX(float dx);
    virtual void moveY(float dy);
    // Draws the sprite of spriteLabel() centred on the object's screen position.
    virtual void draw(const Camera& camera, float time, bool mirrored);
    virtual void afterDraw() {}
    // Inclusive: a point half a width from the centre is inside.
    virtual bool containsPoint(int px, int py) const;
    virtual std::string spriteLabel() const = 0;

    // Reads prefix + "ObjectWidth" and prefix + "ObjectHeight".
    void loadSize(const std::string& prefix);
    // Reads prefix + "OffsetX" and prefix + "OffsetY".
    void loadOffsets(const std::string& prefix);

    float getX() const { return x; }
    float getY() const { return y; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getOffsetX() const { return offsetX; }
    int getOffsetY() const { return offsetY; }

  protected:
    int offsetX = 0;
    int offsetY = 0;
    float x = 0.0f;
    float y = 0.0f;
    int width = 1;
    int height = 1;
};
