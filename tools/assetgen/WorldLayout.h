#pragma once

#include <string>
#include <vector>

// What stands on the grass strips of the world picture, cell by cell, in global rows (see
// WorldGeometry). The picture, the obstacle files and the goal and start cells all come from
// this one table, so a bush the player sees is a bush the frog bumps into.
namespace WorldLayout {

enum class Kind { Bush, Rock, Pond, Tree, Pillar, Pylon, Flowers };

struct Feature {
    Kind kind;
    int column;
    int row;
    int span; // columns covered, from `column` rightward
};

struct Cell {
    int column;
    int row;
};

const std::vector<Feature>& Features();
bool IsSolid(Kind kind);
// Size of the blocking box of one cell of a solid feature, in world units.
int BlockWidth(Kind kind);
int BlockHeight(Kind kind);

bool IsWater(Cell cell);
bool IsBlocked(Cell cell);

// The goal of the levels whose goal settings carry index k (0 to 4): on the grass strip of
// area k + 2, which is the top of every level that uses k.
Cell GoalCell(int keyIndex);
constexpr int kGoalKeys = 5;
// The frog's start cell for start index k (0 to 4, and 6): on the start strip of the level
// with levelInWorld k, or 1 for index 6 (level 6 starts one area up).
Cell StartCell(int startIndex);
const std::vector<int>& StartIndices();

// The text of "ArbitraryObjects_00_%02d.txt" for area index `area`: the features of the rows
// a level reads from it (its start strip and three areas), rows counted from its start strip.
std::string ObstacleFile(int area);
constexpr int kObstacleFiles = 5;

} // namespace WorldLayout
