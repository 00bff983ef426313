#include "world/PlainTrackObject.h"

#include "world/ObjectType.h"

#include <array>
#include <string_view>

namespace {

struct Look {
    std::string_view sizePrefix;
    std::string_view offsetPrefix;
    std::string_view sprite;
};

constexpr std::array<Look, ObjectType::kCount> kLooks = {{
    {"ragTopOpen", "ragtopOpen", "RAGTOP_OPEN_DRIVE"},
    {"ragTopClosed", "ragtopClosed", "RAGTOP_CLOSED_DRIVE"},
    {"smallCar", "smallCar", "SMALL_CAR_DRIVE"},
    {"truck", "truckGarbage", "TRUCK_GARBAGE_DRIVE"},
    {"truck", "truckChezFred", "TRUCK_CHEZ_FRED_DRIVE"},
    {"truck", "truckElectric", "TRUCK_ELECTRIC_DRIVE"},
    {"truck", "truckAquarium", "TRUCK_AQUARIUM_DRIVE"},
    {"truck", "truckCementMixer", "TRUCK_CEMENT_MIXER_DRIVE"},
    {"trunk", "trunk", "TRUNK_SWIMMING"},
    {"barrel", "barrel", "BARREL_SWIMMING"},
    {"hippo", "hippo", "HIPPO_SWIMMING"},
    {"waterLily", "waterLily", "WATER_LILY_SWIMMING"},
    {"box", "box", "BOX_SWIMMING"},
    {"box", "box", "BOX_SWIMMING"},
    {"box", "box", "BOX_SWIMMING"},
}};

} // namespace

PlainTrackObject::PlainTrackObject(int objectType)
    : TrackObject(std::string(ObjectType::kObjectNames[objectType]), objectType) {
    const Look& look = kLooks[objectType];
    loadSize(std::string(look.sizePrefix));
    loadOffsets(std::string(look.offsetPrefix));
}

std::string PlainTrackObject::spriteLabel() const {
    return std::string(kLooks[objectType].sprite);
}
