#include "world/RiverObject.h"

#include "world/ObjectMedia.h"

bool RiverObject::attach(const Lane& newLane, bool randomX) {
    TrackObject::attach(newLane, randomX);
    setState(kStateSwimming);
    return true;
}

void RiverObject::update(float dt) {
    TrackObject::update(dt);
    if (state == kStateDiving && stateTime >= ObjectMedia::AnimationDuration(spriteLabel()))
        setState(kStateSubmerged);
}

void RiverObject::loadLooks(const std::string& prefix) {
    loadSize(prefix);
    loadOffsets(prefix);
}
