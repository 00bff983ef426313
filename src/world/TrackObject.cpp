#include "world/TrackObject.h"

#include "core/ScreenSize.h"
#include "core/Singleton.h"
#include "world/LaneFrog.h"
#include "world/ObjectTrack.h"
#include "world/Randomizer.h"

#include <utility>

TrackObject::TrackObject(std::string name, int objectType)
    : GameObject(std::move(name)), objectType(objectType) {}

TrackObject::~TrackObject() {
    if ((frogAboard || frogLanding) && lane.frog)
        lane.frog->objectGone(this);
}

bool TrackObject::attach(const Lane& newLane, bool randomX) {
    lane = newLane;
    if (randomX)
        setPosition(
            static_cast<float>(Singleton<Randomizer>::Instance().next() % (ScreenSize::kWidth + 1)),
            static_cast<float>(lane.centreY));
    else
        setPosition(lane.fromLeft ? 0.0f : static_cast<float>(ScreenSize::kWidth),
                    static_cast<float>(lane.centreY));
    return true;
}

void TrackObject::frogBoards() {
    frogAboard = true;
}

void TrackObject::frogLeaves() {
    frogAboard = false;
}

void TrackObject::frogGone() {
    lane.frog = nullptr;
    frogAboard = false;
    frogLanding = false;
}

float TrackObject::getSpeed() const {
    return lane.track ? lane.track->getSpeed() : 0.0f;
}

void TrackObject::update(float dt) {
    GameObject::update(dt);
    if (lane.camera == nullptr)
        return;
    draw(*lane.camera, stateTime, drawnMirrored());
    afterDraw();
}
