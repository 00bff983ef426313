#pragma once

#include "world/WorldCellGrid.h"

#include <optional>
#include <vector>

// The level record: the current level's place in its group, its dimensions and its counters,
// and the rules by which they grow from level to level.
class LevelSettings {
  public:
    static constexpr int kCellHeight = WorldCellGrid::kCellHeight;
    // The tallest level; a group of levels ends when its next level would need more areas.
    static constexpr int kMaxVisibleAreas = 7;
    // Bounds for counts read from the configuration, so that an absurd value cannot make the
    // game read thousands of keys or build a world of millions of rows.
    static constexpr int kMaxListEntries = 100;
    static constexpr int kMaxCellsPerPart = 20;

    // Reads the settings and starts at the first level; called when a new game starts.
    void load();
    void updateVisibleAreas();
    int worldRows() const;
    void updateLevelTime();
    // False when the group of levels of equal size is complete.
    bool advance();

    // World units from the bottom of the level to the top of its background picture.
    int backgroundHeight() const;
    // Row of the first track of area j of the level.
    int firstRowOfArea(int j) const;
    // The type of an area index; none, with a log line, when the configuration has no type for it.
    std::optional<int> areaType(int areaIndex) const;
    int frogsHome() const { return frogsToGoal - frogsRemaining; }
    // Lane speed-up for the frogs already home, with the extra for levels above 14.
    float currentSpeedFactor() const;
    // A star's reward: a life while the allowance lasts; false when it is used up, and the
    // star is worth starScoreBonus points instead.
    bool grantBonusLife();

    int level = 0;
    int world = 0;
    int levelInWorld = 0;
    int numWorlds = 0;
    int numAreas = 0;
    int visibleAreas = 0;
    int tracksPerArea = 0;
    int startStripCells = 0;
    int grassStripCells = 0;
    int cellsPerTrack = 0;
    int cellsPerArea = 0;
    float levelTime = 0.0f;
    int frogsToGoal = 0;
    int frogsRemaining = 0;
    int lives = 0;
    int bonusLivesLeft = 0;
    int maxBonusLives = 0;
    int starScoreBonus = 0;
    std::vector<int> areaTypes;
    std::vector<float> speedFactors;

  private:
    void readAreaTypes();
    void readSpeedFactors();
};
