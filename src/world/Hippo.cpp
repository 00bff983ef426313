#include "world/Hippo.h"

#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "world/ObjectMedia.h"
#include "world/ObjectType.h"

Hippo::Hippo() : RiverObject("Hippo", ObjectType::kHippo) {}

bool Hippo::attach(const Lane& newLane, bool randomX) {
    RiverObject::attach(newLane, randomX);
    waitBeforeDive = Singleton<SettingsManager>::Instance().GetFloat("hippoWaitBeforeDiveInterval");
    loadLooks("hippo");
    return true;
}

// A hippo already going down stays down: a frog landing on it must not bring it back up.
void Hippo::frogBoards() {
    RiverObject::frogBoards();
    if (state != kStateSwimming && state != kStateAngry)
        return;
    angryTime = 0.0f;
    ObjectMedia::PlaySound("SOUND_HIPPO_ANGRY");
    setState(kStateAngry);
}

void Hippo::update(float dt) {
    RiverObject::update(dt);
    if (state != kStateAngry)
        return;
    angryTime += dt;
    if (angryTime >= waitBeforeDive) {
        ObjectMedia::PlaySound("SOUND_DIVE");
        setState(kStateDiving);
    }
}

std::string Hippo::spriteLabel() const {
    switch (state) {
    case kStateSwimming:
    case kStateAngry:
        return "HIPPO_SWIMMING";
    case kStateDiving:
        return "HIPPO_DIVING";
    case kStateSubmerged:
        return "INVISIBLE_OBJECT";
    default:
        Log("Invalid state for Hippo detected.\n");
        return "INVISIBLE_OBJECT";
    }
}
