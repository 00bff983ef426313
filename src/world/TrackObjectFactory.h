#pragma once

#include "core/Singleton.h"
#include "world/TrackObject.h"

#include <memory>
#include <vector>

// Decides which object a lane lets in next, by area and by how many frogs are already home.
class TrackObjectFactory {
  public:
    // More areas or frogs than any level uses; bounds what a wrong setting can make us read.
    static constexpr int kMaxAreas = 100;
    static constexpr int kMaxFrogsToGoal = 100;

    // Reads the truck and box percentages of every area and frog count.
    bool load();

    std::unique_ptr<TrackObject> createRoadObject(int areaIndex, int frogsHome) const;
    // The first lane of an area (trackIndex 0) never gets a box.
    std::unique_ptr<TrackObject> createRiverObject(int areaIndex, int trackIndex,
                                                   int frogsHome) const;

    int truckPercent(int areaIndex, int frogsHome) const;
    int boxPercent(int areaIndex, int frogsHome) const;

  private:
    friend class Singleton<TrackObjectFactory>;
    TrackObjectFactory() = default;

    using Table = std::vector<std::vector<int>>;
    int percentIn(const Table& table, int areaIndex, int frogsHome) const;

    Table truckPercents;
    Table boxPercents;
};
