#include "world/Piranha.h"

#include "core/Log.h"
#include "core/ScreenSize.h"

Piranha::Piranha() : TrackObject("Piranha", kObjectType) {}

bool Piranha::attach(const Lane& newLane, bool randomX) {
    TrackObject::attach(newLane, randomX);
    setPosition(lane.fromLeft ? static_cast<float>(ScreenSize::kWidth) : 0.0f,
                static_cast<float>(lane.centreY));
    setState(kStateSwimming);
    width = kSize;
    height = kSize;
    loadOffsets("piranha");
    return true;
}

// It faces against the current.
void Piranha::update(float dt) {
    GameObject::update(dt);
    if (state == kStateBitten)
        moveX(kLeapAfterBite);
    if (lane.camera == nullptr)
        return;
    draw(*lane.camera, stateTime, lane.fromLeft);
    afterDraw();
}

std::string Piranha::spriteLabel() const {
    switch (state) {
    case kStateSwimming:
        return "PIRANHA_SWIMMING";
    case kStateBitten:
        return "INVISIBLE_OBJECT";
    default:
        Log("Invalid piranha state detected");
        return "INVISIBLE_OBJECT";
    }
}
