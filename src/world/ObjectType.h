#pragma once

#include <array>
#include <string_view>

// The numbers of the things that travel along the lanes: cars, trucks, then river objects.
namespace ObjectType {

inline constexpr int kRagtopOpen = 0;
inline constexpr int kRagtopClosed = 1;
inline constexpr int kSmallCar = 2;
inline constexpr int kTruckGarbage = 3;
inline constexpr int kTruckChezFred = 4;
inline constexpr int kTruckElectric = 5;
inline constexpr int kTruckAquarium = 6;
inline constexpr int kTruckCementMixer = 7;
inline constexpr int kTrunk = 8;
inline constexpr int kBarrel = 9;
inline constexpr int kHippo = 10;
inline constexpr int kWaterLily = 11;
inline constexpr int kBoxHammer = 12;
inline constexpr int kBoxRedButton = 13;
inline constexpr int kBoxBomb = 14;
inline constexpr int kCount = 15;

inline constexpr std::array<std::string_view, kCount> kObjectNames = {
    "RagtopOpen", "RagtopClosed", "SmallCar",  "Truck",        "Truck",
    "Truck",      "Truck",        "Truck",     "Trunk",        "Barrel",
    "Hippo",      "WaterLily",    "BoxHammer", "BoxRedButton", "BoxBomb",
};

inline constexpr bool IsTruck(int type) {
    return type >= kTruckGarbage && type <= kTruckCementMixer;
}
inline constexpr bool IsBox(int type) {
    return type >= kBoxHammer && type <= kBoxBomb;
}

} // namespace ObjectType
