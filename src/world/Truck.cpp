#include "world/Truck.h"

#include "core/Rounding.h"
#include "core/ScreenSize.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/Camera.h"
#include "world/LaneFrog.h"
#include "world/ObjectMedia.h"
#include "world/ObjectType.h"
#include "world/PlayEvents.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace {

struct Kind {
    std::string_view prefix;
    std::string_view driveSprite;
    std::string_view killSprite;
    int killCommand;
};

constexpr std::array<Kind, 5> kKinds = {{
    {"truckGarbage", "TRUCK_GARBAGE_DRIVE", "TRUCK_GARBAGE_KILL", FS_KILL_GARBAGE},
    {"truckChezFred", "TRUCK_CHEZ_FRED_DRIVE", "TRUCK_CHEZ_FRED_KILL", FS_KILL_CHEZ_FRED},
    {"truckElectric", "TRUCK_ELECTRIC_DRIVE", "TRUCK_ELECTRIC_KILL", FS_KILL_ELECTRIC},
    {"truckAquarium", "TRUCK_AQUARIUM_DRIVE", "TRUCK_AQUARIUM_KILL", FS_KILL_AQUARIUM},
    {"truckCementMixer", "TRUCK_CEMENT_MIXER_DRIVE", "TRUCK_CEMENT_MIXER_KILL",
     FS_KILL_CEMENT_MIXER},
}};

int SaneType(int objectType) {
    return std::clamp(objectType, ObjectType::kTruckGarbage, ObjectType::kTruckCementMixer);
}

const Kind& KindOf(int objectType) {
    return kKinds[static_cast<std::size_t>(objectType - ObjectType::kTruckGarbage)];
}

} // namespace

Truck::Truck(int objectType) : RoadObject("Truck", SaneType(objectType)) {}

bool Truck::attach(const Lane& newLane, bool randomX) {
    RoadObject::attach(newLane, randomX);
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    const std::string prefix(KindOf(objectType).prefix);
    const int seat = settings.GetInt(prefix + "FrogOffsetX");
    fixedSeat = 1;
    seatOffsetX = static_cast<float>(lane.fromLeft ? -seat : seat);
    loadSize("truck");
    loadShadowOffsets("truck");
    loadOffsets(prefix);
    killInterval = settings.GetFloat("truckKillTimerInterval");
    starOffsetY = static_cast<int>(settings.GetFloat("truckVerticalOffsetStar"));
    frontNonBlockWidth = settings.GetFloat("truckFrontEndNonBlockAreaWidth");
    return true;
}

bool Truck::inFrontHalf(int px) const {
    const float p = static_cast<float>(px);
    return getSpeed() >= 0.0f ? p > x : p < x;
}

bool Truck::containsPoint(int px, int py) const {
    float w = static_cast<float>(width);
    if (inFrontHalf(px))
        w -= frontNonBlockWidth;
    return 2.0f * std::fabs(static_cast<float>(px) - x) <= w &&
           2.0f * std::fabs(static_cast<float>(py) - y) <= static_cast<float>(height);
}

bool Truck::blocksPoint(int px, int py) const {
    const float p = static_cast<float>(px);
    const bool rear = getSpeed() >= 0.0f ? p < x : p > x;
    return !rear && containsPoint(px, py);
}

void Truck::frogBoards() {
    RoadObject::frogBoards();
    if (!star)
        return;
    star = false;
    if (lane.events)
        lane.events->starCollected(x, y);
    ObjectMedia::PlaySound("SOUND_FROG_PICK_STAR");
}

int Truck::killCommand() const {
    return KindOf(objectType).killCommand;
}

void Truck::update(float dt) {
    if (state == kStateKilling) {
        if (stateTime >= ObjectMedia::AnimationDuration(spriteLabel()))
            setState(kStateDriving);
    } else if (frogAboard) {
        aboardTime += dt;
        if (aboardTime >= killInterval) {
            if (lane.frog)
                lane.frog->queueCommand(killCommand());
            aboardTime = 0.0f;
        }
    }
    RoadObject::update(dt);
}

void Truck::draw(const Camera& camera, float time, bool mirrored) {
    drawShadow(camera, "SHADOW_TRUCK", mirrored);
    RoadObject::draw(camera, time, mirrored);
    if (star)
        drawStar(camera);
    if (objectType == ObjectType::kTruckCementMixer && state == kStateKilling)
        drawFrogLeg(camera, time, mirrored);
}

// Where the frog will sit, so that boarding looks like picking the star up.
void Truck::drawStar(const Camera& camera) const {
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite("STAR_TRUCK");
    if (sprite == nullptr)
        return;
    sprite->time = stateTime;
    sprite->DrawCentered(RoundToInt(x) + static_cast<int>(seatOffsetX) - camera.roundedX(),
                         ScreenSize::kHeight + camera.roundedY() - RoundToInt(y) - starOffsetY);
}

// The mixer's kill shows a frog leg sticking out of the drum, facing the way the truck does.
void Truck::drawFrogLeg(const Camera& camera, float time, bool mirrored) const {
    Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite("FROG_LEG", mirrored);
    if (sprite == nullptr)
        return;
    sprite->time = time;
    sprite->DrawCentered(camera.screenX(x) + offsetX, camera.screenY(y) - offsetY);
}

std::string Truck::spriteLabel() const {
    const Kind& kind = KindOf(objectType);
    switch (state) {
    case kStateDriving:
        return std::string(kind.driveSprite);
    case kStateKilling:
        return std::string(kind.killSprite);
    default:
        return "INVISIBLE_OBJECT";
    }
}
