#pragma once

#include "world/Grid2D.h"
#include "world/WorldCell.h"

// The level's world grid: columns from the settings, rows from the level's height.
class WorldCellGrid : public Grid2D<int, WorldCell> {
  public:
    static constexpr int kCellHeight = 75;

    // Rebuilds the grid with `rows` rows and every cell 0; on failure the previous grid stays.
    bool build(int rows);
};
