#include "world/Car.h"

#include "world/ObjectType.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct Kind {
    std::string_view sizePrefix;
    std::string_view offsetPrefix;
    std::string_view shadowPrefix;
    std::string_view driveSprite;
    std::string_view shadowSprite;
};

// The settings spell the ragtop's size prefix with a capital T and its other prefixes without.
constexpr std::array<Kind, 3> kKinds = {{
    {"ragTopOpen", "ragtopOpen", "ragtop", "RAGTOP_OPEN_DRIVE", "SHADOW_RAGTOP"},
    {"ragTopClosed", "ragtopClosed", "ragtop", "RAGTOP_CLOSED_DRIVE", "SHADOW_RAGTOP"},
    {"smallCar", "smallCar", "smallCar", "SMALL_CAR_DRIVE", "SHADOW_SMALL_CAR"},
}};

const Kind& KindOf(int objectType) {
    return kKinds[static_cast<std::size_t>(std::clamp(objectType, 0, 2))];
}

} // namespace

Car::Car(int objectType)
    : RoadObject(
          std::string(
              ObjectType::kObjectNames[static_cast<std::size_t>(std::clamp(objectType, 0, 2))]),
          std::clamp(objectType, 0, 2)) {}

bool Car::attach(const Lane& newLane, bool randomX) {
    RoadObject::attach(newLane, randomX);
    const Kind& kind = KindOf(objectType);
    loadSize(std::string(kind.sizePrefix));
    loadShadowOffsets(std::string(kind.shadowPrefix));
    loadOffsets(std::string(kind.offsetPrefix));
    return true;
}

bool Car::blocksPoint(int px, int py) const {
    return containsPoint(px, py);
}

void Car::draw(const Camera& camera, float time, bool mirrored) {
    drawShadow(camera, std::string(KindOf(objectType).shadowSprite), mirrored);
    RoadObject::draw(camera, time, mirrored);
}

std::string Car::spriteLabel() const {
    return std::string(state == kStateDriving ? KindOf(objectType).driveSprite
                                              : std::string_view("INVISIBLE_OBJECT"));
}
