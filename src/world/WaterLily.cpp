#include "world/WaterLily.h"

#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "world/ObjectMedia.h"
#include "world/ObjectType.h"

WaterLily::WaterLily() : RiverObject("WaterLily", ObjectType::kWaterLily) {}

bool WaterLily::attach(const Lane& newLane, bool randomX) {
    RiverObject::attach(newLane, randomX);
    loadLooks("waterLily");
    // Lilies sink after as long as hippos wait before diving.
    waitBeforeDive = Singleton<SettingsManager>::Instance().GetFloat("hippoWaitBeforeDiveInterval");
    fixedSeat = 1;
    return true;
}

void WaterLily::update(float dt) {
    RiverObject::update(dt);
    if (!frogAboard || state != kStateSwimming)
        return;
    aboardTime += dt;
    if (aboardTime >= waitBeforeDive) {
        ObjectMedia::PlaySound("SOUND_DIVE");
        setState(kStateDiving);
    }
}

std::string WaterLily::spriteLabel() const {
    switch (state) {
    case kStateSwimming:
        return "WATER_LILY_SWIMMING";
    case kStateDiving:
        return "WATER_LILY_DIVING";
    default:
        return "INVISIBLE_OBJECT";
    }
}
