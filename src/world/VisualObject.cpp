#include "world/VisualObject.h"

#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/Camera.h"

#include <cmath>

void VisualObject::setPosition(float newX, float newY) {
    x = newX;
    y = newY;
}

void VisualObject::setX(float newX) {
    x = newX;
}

void VisualObject::setY(float newY) {
    y = newY;
}

void VisualObject::moveBy(float dx, float dy) {
    x += dx;
    y += dy;
}

void VisualObject::moveX(float dx) {
    x += dx;
}

void VisualObject::moveY(float dy) {
    y += dy;
}

void VisualObject::draw(const Camera& camera, float time, bool mirrored) {
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(spriteLabel(), mirrored);
    if (sprite == nullptr)
        return;
    sprite->time = time;
    // Offsets point up the world, which is down the screen.
    sprite->DrawCentered(camera.screenX(x) + offsetX, camera.screenY(y) - offsetY);
}

bool VisualObject::containsPoint(int px, int py) const {
    return 2.0f * std::fabs(static_cast<float>(px) - x) <= static_cast<float>(width) &&
           2.0f * std::fabs(static_cast<float>(py) - y) <= static_cast<float>(height);
}

void VisualObject::loadSize(const std::string& prefix) {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    width = settings.GetInt(prefix + "ObjectWidth");
    height = settings.GetInt(prefix + "ObjectHeight");
}

void VisualObject::loadOffsets(const std::string& prefix) {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    offsetX = settings.GetInt(prefix + "OffsetX");
    offsetY = settings.GetInt(prefix + "OffsetY");
}
