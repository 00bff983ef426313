#include "world/Barrel.h"

#include "core/Log.h"
#include "world/ObjectType.h"

Barrel::Barrel() : RiverObject("Barrel", ObjectType::kBarrel) {}

bool Barrel::attach(const Lane& newLane, bool randomX) {
    RiverObject::attach(newLane, randomX);
    loadLooks("barrel");
    fixedSeat = 1;
    return true;
}

std::string Barrel::spriteLabel() const {
    if (state == kStateSwimming)
        return "BARREL_SWIMMING";
    Log("Invalid state for Barrel detected.\n");
    return "INVISIBLE_OBJECT";
}
