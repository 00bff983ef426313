#include "world/Area.h"

#include "core/Log.h"
#include "core/SettingsManager.h"
#include "core/Singleton.h"
#include "core/StringUtil.h"
#include "world/LevelSettings.h"
#include "world/WorldCellGrid.h"

#include <algorithm>
#include <limits>
#include <optional>

bool Area::init(int areaIndex, const LevelSettings& level, const ObjectTrack::World& world) {
    const std::optional<int> areaType = level.areaType(areaIndex);
    if (!areaType)
        return false;
    index = areaIndex;
    type = *areaType;
    firstRow = level.startStripCells + (areaIndex - level.levelInWorld) * level.cellsPerArea;
    const int count = std::clamp(level.tracksPerArea, 0, LevelSettings::kMaxCellsPerPart);
    lastRow = firstRow + count - 1;
    const int maxObjects = static_cast<int>(
        std::clamp(Singleton<SettingsManager>::Instance().GetFloat("MaxNumObjectsPerTrack"), -1.0f,
                   static_cast<float>(ObjectTrack::kMaxObjectsLimit + 1)));
    tracks.clear();
    // Built whole before any track is set up, so that the lane pointers the objects keep stay put.
    tracks.resize(static_cast<std::size_t>(count));
    for (int t = 0; t < count; ++t)
        if (!initTrack(t, maxObjects, world))
            return false;
    return true;
}

bool Area::initTrack(int t, int maxObjects, const ObjectTrack::World& world) {
    SettingsManager& settings = Singleton<SettingsManager>::Instance();
    const bool leftward = settings.GetBool(StringUtil::Format("direction_%02d_%02d", index, t));
    const float baseSpeed = settings.GetFloat(StringUtil::Format("trackSpeed_%02d_%02d", index, t));
    float minInterval =
        settings.GetFloat(StringUtil::Format("MinSpawnInterval_%02d_%02d", index, t));
    float maxInterval =
        settings.GetFloat(StringUtil::Format("MaxSpawnInterval_%02d_%02d", index, t));
    if (isRiver()) {
        minInterval *= kRiverIntervalFactor;
        maxInterval *= kRiverIntervalFactor;
    }
    return tracks[static_cast<std::size_t>(t)].init(
        t, this, firstRow + t, leftward ? 0 : 1, baseSpeed, maxObjects, 0.0f, 0.0f, minInterval,
        maxInterval, ObjectTrack::kCheckInterval, world);
}

void Area::update(float dt, bool lanesRun) {
    update(dt, lanesRun, ObjectTrack::FrogRows{});
}

void Area::update(float dt, bool lanesRun, const ObjectTrack::FrogRows& frog) {
    GameObject::update(dt);
    for (auto it = tracks.rbegin(); it != tracks.rend(); ++it)
        it->update(dt, lanesRun, frog);
}

const ObjectTrack* Area::trackOfY(int py) const {
    const int t = py / WorldCellGrid::kCellHeight - firstRow;
    if (py < 0 || t < 0 || t >= static_cast<int>(tracks.size()))
        return nullptr;
    return &tracks[static_cast<std::size_t>(t)];
}

TrackObject* Area::objectAt(int px, int py) const {
    const ObjectTrack* track = trackOfY(py);
    return track ? track->objectAt(px, py) : nullptr;
}

TrackObject* Area::objectAtAfter(int px, int py, float t) const {
    const ObjectTrack* track = trackOfY(py);
    return track ? track->objectAtAfter(px, py, t) : nullptr;
}

float Area::nearestObjectDistance(float px, float py) const {
    float nearest = std::numeric_limits<float>::max();
    for (const ObjectTrack& track : tracks)
        nearest = std::min(nearest, track.nearestObjectDistance(px, py));
    return nearest;
}
