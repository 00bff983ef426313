#include "world/RoadObject.h"

#include "core/Rounding.h"
#include "core/ScreenSize.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/Truncation.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/BlockInfo.h"
#include "world/Camera.h"
#include "world/ObjectType.h"

bool RoadObject::attach(const Lane& newLane, bool randomX) {
    TrackObject::attach(newLane, randomX);
    Singleton<BlockInfo>::Instance().add(this);
    setState(kStateDriving);
    return true;
}

bool RoadObject::blocksPointAfter(int px, int py, float t) const {
    return blocksPoint(TruncateToInt(static_cast<float>(px) - t * getSpeed()), py);
}

std::string RoadObject::crashSound(int type) {
    switch (type) {
    case ObjectType::kRagtopOpen:
        return "SOUND_RAGTOP_OPEN_CRASH";
    case ObjectType::kRagtopClosed:
        return "SOUND_RAGTOP_CLOSED_CRASH";
    case ObjectType::kSmallCar:
        return "SOUND_SMALL_CAR_CRASH";
    default:
        return ObjectType::IsTruck(type) ? "SOUND_TRUCK_CRASH" : "";
    }
}

void RoadObject::loadShadowOffsets(const std::string& prefix) {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    shadowOffsetX = settings.GetInt(prefix + "ShadowOffsetX");
    shadowOffsetY = settings.GetInt(prefix + "ShadowOffsetY");
}

void RoadObject::drawShadow(const Camera& camera, const std::string& label, bool mirrored) const {
    if (lane.shadowsOn && !*lane.shadowsOn)
        return;
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label, mirrored);
    if (sprite == nullptr)
        return;
    sprite->DrawCentered(RoundToInt(x - camera.x) + shadowOffsetX,
                         ScreenSize::kHeight - shadowOffsetY - RoundToInt(y - camera.y));
}
