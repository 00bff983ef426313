#include "world/Trunk.h"

#include "core/Log.h"
#include "world/ObjectType.h"

Trunk::Trunk() : RiverObject("Trunk", ObjectType::kTrunk) {}

bool Trunk::attach(const Lane& newLane, bool randomX) {
    RiverObject::attach(newLane, randomX);
    loadLooks("trunk");
    return true;
}

std::string Trunk::spriteLabel() const {
    if (state == kStateSwimming)
        return "TRUNK_SWIMMING";
    Log("Invalid state for Trunk detected.\n");
    return "INVISIBLE_OBJECT";
}
