#include "actors/Frog.h"

#include "app/Log.h"
#include "core/Rounding.h"
#include "world/Box.h"
#include "world/ObjectType.h"
#include "world/TrackObject.h"

#include <array>
#include <string_view>

namespace {

constexpr std::string_view kInvisible = "INVISIBLE_OBJECT";
constexpr std::string_view kKillTruck = "";

// By state number minus 1; the truck deaths that show the frog pick their side from the ride.
constexpr std::array<std::string_view, 28> kStateLabels = {
    "FROG_IDLE",           "FROG_MOVE_LEFT",        "FROG_MOVE_RIGHT",
    "FROG_MOVE_UP",        "FROG_MOVE_DOWN",        "FROG_MOVE_DOWN_TRUCK_DOWN",
    "FROG_MOVE_UP_TRUCK_UP", "FROG_MOVE_UP_TRUCK_DOWN", "FROG_ROCKET_JUMP",
    "FROG_ROCKET_JUMP_BOARDING", "FROG_CATCH_INSECT", "FROG_PIERCED",
    "FROG_KNOCKED_OVER",   "FROG_DROWN",            "FROG_FINISH",
    "FROG_IN_GOAL",        kInvisible,              kKillTruck,
    kKillTruck,            kInvisible,              kKillTruck,
    "FROG_KILL_BOX_DROWN", "FROG_KILL_BOX_BOMB",    "FROG_KILL_BOX_HAMMER",
    "FROG_KILL_BOX_RED_BUTTON", "FROG_KILL_PIRANHA", "FROG_SHOW_DOWN_WAIT",
    "FROG_FINISH",
};

} // namespace

Frog::~Frog() {
    if (ride)
        ride->frogGone();
    if (killerBox)
        killerBox->frogGone();
}

void Frog::queueCommand(int command) {
    commandQueue.clear();
    commandQueue.push_back(command);
}

void Frog::attachTo(TrackObject* object) {
    if (object && object != ride)
        object->frogBoards();
    if (ride && ride != object)
        ride->frogLeaves();
    ride = object;
    if (ride)
        ride->setFrogAboard(true);
}

void Frog::objectGone(const TrackObject* object) {
    if (ride == object)
        ride = nullptr;
    if (killerBox == object)
        killerBox = nullptr;
}

void Frog::rememberRoundedPosition() {
    roundedPosition = {RoundToInt(x), RoundToInt(y)};
}

std::string Frog::spriteLabel() const {
    if (state < 1 || state > static_cast<int>(kStateLabels.size())) {
        Log("No sprite label available for frog state.\n");
        return std::string(kInvisible);
    }
    const std::string_view label = kStateLabels[static_cast<std::size_t>(state - 1)];
    if (label != kKillTruck)
        return std::string(label);
    if (!ride || !ObjectType::IsTruck(ride->getObjectType()))
        return std::string(kInvisible);
    return ride->getSpeed() < 0.0f ? "FROG_KILL_TRUCK_LEFT" : "FROG_KILL_TRUCK_RIGHT";
}
