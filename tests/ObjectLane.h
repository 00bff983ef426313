#pragma once

#include "WorldConfig.h"
#include "actors/Frog.h"
#include "gfx/SpriteInfo.h"
#include "gfx/SpriteManager.h"
#include "score/ScoreKeeper.h"
#include "support/Probes.h"
#include "world/Area.h"
#include "world/LevelSettings.h"
#include "world/ObjectTrack.h"
#include "world/WorldCellGrid.h"

#include <string>

// One road or river lane of a small world, for driving objects directly: the objects learn its
// speed, direction and the frog from it. Area 0 is road, area 1 river.
class ObjectLane {
  public:
    static constexpr int kRoad = 0;
    static constexpr int kRiver = 1;

    // `config` is added to a 16-column world of 800 units.
    explicit ObjectLane(const std::string& config) {
        LoadWorldConfig(folder, "gridWidthUnits 800\nnumLatCells 16\n" + config);
        grid.build(20);
        level.areaTypes = {0, 2};
        level.tracksPerArea = 0;
        for (int a = 0; a < 2; ++a)
            areas[a].init(a, level, World());
    }

    ObjectTrack::World World() { return {&grid, nullptr, nullptr, &frog, &shadowsOn, &events}; }

    // The lane of `row` in `area`, moving at `speed` to the right, or to the left if not fromLeft.
    TrackObject::Lane Lane(ObjectTrack& track, int area, int row, float speed, bool fromLeft) {
        track.init(1, &areas[area], row, fromLeft ? 1 : 0, speed, 3, 0, 0, 2, 4, 2, World());
        return {&track, fromLeft, track.getCentreY(), nullptr, &frog, &shadowsOn, &events};
    }

    // Gives `label` an animation of `seconds`.
    static void SetDuration(const std::string& label, float seconds) {
        SpriteInfo info;
        info.name = label;
        info.duration = seconds;
        Singleton<SpriteManager>::Instance().SetSpriteInfo(info);
    }

    int LogCount(const std::string& line) const { return CountOf(folder.Read("debug.txt"), line); }

    ScratchFolder folder;
    WorldCellGrid grid;
    LevelSettings level;
    // Scores as the game does; the frog dies without a game to hear of it.
    ScoreKeeper events{[] {}};
    Area areas[2];
    Frog frog;
    bool shadowsOn = true;
};
