#include "world/WaterLilyGoal.h"

#include "core/SettingsManager.h"
#include "core/Singleton.h"

#include <cmath>

void WaterLilyGoal::place(float centreX, float centreY) {
    setPosition(centreX, centreY);
    loadOffsets("waterLilyGoal");
}

void WaterLilyGoal::update(float dt) {
    GameObject::update(dt);
    if (camera)
        draw(*camera, 0.0f, false);
}

bool WaterLilyGoal::reachedBy(float frogX, float frogY) const {
    const float reach = Singleton<SettingsManager>::Instance().GetFloat("inGoalDistance");
    return std::hypot(frogX - x, frogY - y) <= reach;
}
