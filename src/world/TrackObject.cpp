#include "world/TrackObject.h"

#include "core/Singleton.h"
#include "world/Randomizer.h"

#include <utility>

TrackObject::TrackObject(std::string name, int objectType)
    : GameObject(std::move(name)), objectType(objectType) {}

bool TrackObject::attach(const Lane& newLane, bool randomX) {
    lane = newLane;
    if (randomX)
        setPosition(
            static_cast<float>(Singleton<Randomizer>::Instance().next() % (kScreenWidth + 1)),
            static_cast<float>(lane.centreY));
    else
        setPosition(lane.fromLeft ? 0.0f : static_cast<float>(kScreenWidth),
                    static_cast<float>(lane.centreY));
    return true;
}

void TrackObject::frogBoards() {
    frogAboard = true;
}

void TrackObject::frogLeaves() {
    frogAboard = false;
}

void TrackObject::update(float dt) {
    GameObject::update(dt);
    if (lane.camera == nullptr)
        return;
    draw(*lane.camera, stateTime, !lane.fromLeft);
    afterDraw();
}
