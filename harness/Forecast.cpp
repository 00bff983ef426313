#include "Forecast.h"

#include "core/Rounding.h"
#include "world/Box.h"
#include "world/Hippo.h"
#include "world/Level.h"
#include "world/ObjectType.h"
#include "world/Piranha.h"
#include "world/RoadObject.h"
#include "world/Truck.h"
#include "world/WaterLily.h"

#include <algorithm>
#include <cmath>

namespace Forecast {

namespace {

// A frame and a little: how far the game's clock may run ahead of ours.
constexpr float kTimeSlack = 0.04f;
// Room kept from a box's centre or a piranha's edge beyond what the game checks.
constexpr float kBoxReach = 6.0f;
constexpr float kPiranhaReach = 16.0f + 10.0f;
// A ride's clock is left before it runs out: the frog needs a frame to be off.
constexpr float kRideSlack = 0.15f;

// Cars and trucks come first in the numbering of what travels the lanes.
bool IsVehicle(int type) {
    return type >= ObjectType::kRagtopOpen && type <= ObjectType::kTruckCementMixer;
}

// Whether two things moving along one line pass each other, or come within `reach`, between
// t0 and t1: their distance changes linearly.
bool Meet(float gapAtT0, float closing, float t0, float t1, float reach) {
    const float gapAtT1 = gapAtT0 + closing * (t1 - t0);
    return (gapAtT0 <= reach && gapAtT1 >= -reach) || (gapAtT0 >= -reach && gapAtT1 <= reach);
}

} // namespace

std::vector<const ObjectTrack*> LanesByRow(const Level& level) {
    std::vector<const ObjectTrack*> lanes(
        static_cast<std::size_t>(std::max(level.grid.longCells(), 0)), nullptr);
    for (const auto& area : level.getAreas())
        for (const ObjectTrack& track : area->getTracks())
            if (track.getRow() >= 0 && track.getRow() < static_cast<int>(lanes.size()))
                lanes[static_cast<std::size_t>(track.getRow())] = &track;
    return lanes;
}

bool IsWater(const Level& level, int x, int y) {
    return !level.grid.isOutside(x, y) && (level.grid.cellAt(x, y) & CELL_WATER) != 0;
}

bool RunOver(const ObjectTrack* road, int x, int y, float t) {
    if (!road)
        return false;
    for (const auto& object : road->getObjects()) {
        if (!IsVehicle(object->getObjectType()))
            continue;
        const auto& vehicle = static_cast<const RoadObject&>(*object);
        if (vehicle.blocksPointAfter(x, y, t) || vehicle.blocksPointAfter(x, y, t - kTimeSlack) ||
            vehicle.blocksPointAfter(x, y, t + kTimeSlack))
            return true;
    }
    return false;
}

bool BoxCatches(const ObjectTrack* above, float x0, float speed, float t0, float t1) {
    if (!above)
        return false;
    for (const auto& object : above->getObjects()) {
        if (!ObjectType::IsBox(object->getObjectType()))
            continue;
        const float gap = object->getX() + above->getSpeed() * t0 - (x0 + speed * t0);
        if (Meet(gap, above->getSpeed() - speed, t0, t1, kBoxReach))
            return true;
    }
    return false;
}

bool PiranhaBites(const ObjectTrack* lane, float x0, float speed, float t0, float t1) {
    const Piranha* piranha = lane ? lane->getPiranha() : nullptr;
    if (!piranha || piranha->getState() != Piranha::kStateSwimming)
        return false;
    const float gap = piranha->getX() + lane->getPiranhaSpeed() * t0 - (x0 + speed * t0);
    return Meet(gap, lane->getPiranhaSpeed() - speed, t0, t1, kPiranhaReach);
}

float SecondsAboardAfterBoarding(const TrackObject& ride) {
    const int type = ride.getObjectType();
    const int state = ride.getState();
    if (ObjectType::IsTruck(type)) {
        const auto& truck = static_cast<const Truck&>(ride);
        return state == RoadObject::kStateDriving
                   ? truck.getKillInterval() - truck.getAboardTime() - kRideSlack
                   : 0.0f;
    }
    const bool swimming = state == RiverObject::kStateSwimming;
    if (ObjectType::IsBox(type))
        return swimming ? static_cast<const Box&>(ride).getWaitBeforeKill() - kRideSlack : 0.0f;
    if (type == ObjectType::kHippo) {
        // Boarding an angry hippo angers it afresh.
        const bool afloat = swimming || state == Hippo::kStateAngry;
        return afloat ? static_cast<const Hippo&>(ride).getWaitBeforeDive() - kRideSlack : 0.0f;
    }
    if (type == ObjectType::kWaterLily) {
        const auto& lily = static_cast<const WaterLily&>(ride);
        return swimming ? lily.getWaitBeforeDive() - lily.getAboardTime() - kRideSlack : 0.0f;
    }
    return swimming ? kForever : 0.0f;
}

float SecondsAboardLeft(const TrackObject& ride) {
    const int type = ride.getObjectType();
    if (ObjectType::IsBox(type)) {
        const auto& box = static_cast<const Box&>(ride);
        return ride.getState() == RiverObject::kStateSwimming
                   ? box.getWaitBeforeKill() - box.getAboardTime() - kRideSlack
                   : 0.0f;
    }
    if (type == ObjectType::kHippo) {
        const auto& hippo = static_cast<const Hippo&>(ride);
        if (ride.getState() == Hippo::kStateAngry)
            return hippo.getWaitBeforeDive() - hippo.getAngryTime() - kRideSlack;
        return ride.getState() == RiverObject::kStateSwimming ? kForever : 0.0f;
    }
    // A lily's and a truck's clocks count only while the frog is aboard, as they do now.
    return SecondsAboardAfterBoarding(ride);
}

} // namespace Forecast
