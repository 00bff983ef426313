#include "actors/HazardCheck.h"

#include "actors/Frog.h"
#include "core/Singleton.h"
#include "world/BlockInfo.h"
#include "world/Level.h"
#include "world/ObjectMedia.h"
#include "world/PlayEvents.h"
#include "world/RiverObject.h"
#include "world/RoadObject.h"

bool HazardCheck::Run(Frog& frog, const Level& level, PlayEvents& events) {
    if (level.settings.levelTime < 0.0f) {
        frog.freezeMoveOffset();
        frog.setState(FS_KNOCKED_OVER);
        events.timeRanOut();
        return true;
    }
    const auto [px, py] = frog.displayPosition();
    const int state = frog.getState();
    const bool flying = state == FS_ROCKET_JUMP || state == FS_ROCKET_JUMP_BOARDING;
    if (!flying && Singleton<BlockInfo>::Instance().isBlocked(px, py) && !frog.getRide() &&
        !frog.getLandingTarget())
        return RunOver(frog, level, px, py);

    const auto [rx, ry] = frog.getRoundedPosition();
    const WorldCellGrid& grid = level.grid;
    if (grid.isOutside(rx, ry)) {
        frog.setState(FS_KNOCKED_OVER);
        return true;
    }
    if (grid.isOutside(px, py) || (grid.cellAt(px, py) & CELL_WATER) == 0 || state != FS_IDLE)
        return false;
    // A frog on something that floats is safe until it goes under.
    const TrackObject* ride = frog.getRide();
    if (ride && ride->getState() != RiverObject::kStateSubmerged)
        return false;
    frog.setState(FS_DROWN);
    return true;
}

// A blocker covers the frog, which neither flies nor rides: the car that hit it sounds its crash.
bool HazardCheck::RunOver(Frog& frog, const Level& level, int px, int py) {
    frog.freezeMoveOffset();
    if (const TrackObject* object = level.objectAt(px, py)) {
        const std::string crash = RoadObject::crashSound(object->getObjectType());
        if (!crash.empty())
            ObjectMedia::PlaySound(crash);
    }
    frog.setState(FS_KNOCKED_OVER);
    return true;
}
