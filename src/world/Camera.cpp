#include "world/Camera.h"

#include "core/Rounding.h"
#include "world/LevelSettings.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kSnapDistance = 1.0f;
constexpr int kFrogRowsAboveScreenBottom = 2;
constexpr int kLowestFrogScreenY = 1;
constexpr int kHighestFrogScreenY = ScreenSize::kHeight - 1;

} // namespace

int Camera::screenX(float worldX) const {
    return RoundToInt(worldX) - RoundToInt(x);
}

int Camera::screenY(float worldY) const {
    return ScreenSize::kHeight - (RoundToInt(worldY) - RoundToInt(y));
}

void Camera::setBackgroundHeight(int height) {
    backgroundHeight = height;
}

// A background lower than the screen leaves no room to scroll at all.
int Camera::upperLimit() const {
    return std::max(0, backgroundHeight - ScreenSize::kHeight);
}

int Camera::roundedX() const {
    return RoundToInt(x);
}

int Camera::roundedY() const {
    return RoundToInt(y);
}

void Camera::aimCamera(float frogDrawnY) {
    targetX = 0;
    const int aim =
        RoundToInt(frogDrawnY) - kFrogRowsAboveScreenBottom * LevelSettings::kCellHeight;
    targetY = std::clamp(aim, 0, upperLimit());
}

void Camera::updateCamera(float dt) {
    const float dx = static_cast<float>(targetX) - static_cast<float>(roundedX());
    const float dy = static_cast<float>(targetY) - static_cast<float>(roundedY());
    const float distance = std::sqrt(dx * dx + dy * dy);
    if (distance <= kSnapDistance) {
        stopAtTarget();
        return;
    }
    const float unitX = dx / distance;
    const float unitY = dy / distance;
    const bool movingToTarget = dx * velocityX + dy * velocityY > 0.0f;
    if (movingToTarget) {
        const float speed = std::sqrt(velocityX * velocityX + velocityY * velocityY);
        const float timeToTarget = distance / speed;
        if (timeToTarget < dt) {
            stopAtTarget();
            return;
        }
        // Brake with half the acceleration once the remaining way is short for this speed.
        const float change = speed - timeToTarget * acceleration >= 0.0f ? -0.5f * dt * acceleration
                                                                         : dt * acceleration;
        velocityX += unitX * change;
        velocityY += unitY * change;
    } else {
        velocityX += unitX * dt * acceleration;
        velocityY += unitY * dt * acceleration;
    }
    x += velocityX * dt;
    y += velocityY * dt;
    y = std::clamp(y, 0.0f, static_cast<float>(upperLimit()));
}

void Camera::stopAtTarget() {
    x = static_cast<float>(targetX);
    y = static_cast<float>(targetY);
    velocityX = 0.0f;
    velocityY = 0.0f;
}

bool Camera::isFrogOnScreen(float frogY) const {
    const int frogScreenHeight = RoundToInt(frogY - static_cast<float>(roundedY()));
    return frogScreenHeight >= kLowestFrogScreenY && frogScreenHeight <= kHighestFrogScreenY;
}
