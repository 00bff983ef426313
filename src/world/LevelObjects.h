#pragma once

#include "world/InvisibleBlockObject.h"
#include "world/WaterLilyGoal.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Camera;
class LevelSettings;
class WorldCellGrid;

// A level's fixed features: the obstacles and water cells of its obstacle files, and its goal.
class LevelObjects {
  public:
    // Rows per area that the obstacle files and goal cells count with, whatever the level record.
    static constexpr int kRowsPerArea = 6;
    // The goal's random row is the world's top row when the start strip has two rows.
    static constexpr int kGoalRowBase = 19;
    static constexpr int kFirstGoalColumn = 2;
    static constexpr int kGoalColumns = 16;
    // Random goal cells tried before the row is searched in order.
    static constexpr int kMaxGoalDraws = 100;
    // One line of an obstacle file holds at most this many characters; the rest is skipped.
    static constexpr int kMaxLineLength = 2047;
    // Far more than any level needs; bounds what a wrong file can make us read.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    // Replaces the previous level's objects with those of the level of `settings`: the files'
    // obstacles and water cells on `grid`, then the goal, drawn through `camera`.
    void create(const LevelSettings& settings, WorldCellGrid& grid, const Camera& camera);
    // Once a frame: the obstacles, then the goal.
    void update(float dt);
    void clear();

    // The file of area `areaOffset` of the level; its rows are shifted by six per area.
    void loadFile(const std::string& path, int areaOffset, WorldCellGrid& grid);
    // The goal cell of the configuration, else a dry, unblocked cell of the goal row.
    void placeGoal(const LevelSettings& settings, const WorldCellGrid& grid, const Camera& camera);

    const std::vector<std::unique_ptr<InvisibleBlockObject>>& getObstacles() const {
        return obstacles;
    }
    const WaterLilyGoal* getGoal() const { return goal.get(); }

  private:
    void applyLine(const char* line, int areaOffset, WorldCellGrid& grid);
    std::optional<long long> configuredGoalCell(int world, int keyIndex, int shift,
                                                const WorldCellGrid& grid) const;
    long long randomGoalCell(int shift, const WorldCellGrid& grid) const;

    std::vector<std::unique_ptr<InvisibleBlockObject>> obstacles;
    std::unique_ptr<WaterLilyGoal> goal;
};
