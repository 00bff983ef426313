#include "WorldLayout.h"

#include "WorldGeometry.h"
#include "core/StringUtil.h"

namespace WorldLayout {
namespace {

using WorldGeometry::GrassRow;

constexpr int kFileRows = 3 * WorldGeometry::kCellsPerArea; // a file's frame: start strip + 3 areas
constexpr int kObstacleType = 1;
constexpr int kWaterType = 2;

std::vector<Feature> Build() {
    const int start = 0;
    return {
        // The first start strip: the edges of a meadow.
        {Kind::Rock, 0, start, 1},
        {Kind::Bush, 2, start, 1},
        {Kind::Flowers, 5, start, 1},
        {Kind::Flowers, 11, start, 1},
        {Kind::Bush, 14, start, 1},
        {Kind::Rock, 15, start, 1},
        // Area 0, a road.
        {Kind::Bush, 1, GrassRow(0), 1},
        {Kind::Pond, 4, GrassRow(0), 2},
        {Kind::Rock, 10, GrassRow(0), 1},
        {Kind::Tree, 13, GrassRow(0), 1},
        {Kind::Flowers, 6, GrassRow(0), 1},
        {Kind::Pylon, 0, GrassRow(0), 1},
        // Area 1, a river.
        {Kind::Pylon, 0, GrassRow(1), 1},
        {Kind::Rock, 2, GrassRow(1), 1},
        {Kind::Bush, 5, GrassRow(1), 1},
        {Kind::Pillar, 11, GrassRow(1), 3},
        {Kind::Pond, 15, GrassRow(1), 1},
        // Area 2, a road under the overpass.
        {Kind::Bush, 0, GrassRow(2), 1},
        {Kind::Rock, 4, GrassRow(2), 1},
        {Kind::Flowers, 8, GrassRow(2), 1},
        {Kind::Pillar, 11, GrassRow(2), 3},
        {Kind::Pond, 14, GrassRow(2), 2},
        // Area 3, a river.
        {Kind::Tree, 2, GrassRow(3), 1},
        {Kind::Rock, 6, GrassRow(3), 1},
        {Kind::Pond, 12, GrassRow(3), 2},
        {Kind::Bush, 15, GrassRow(3), 1},
        // Area 4, a road.
        {Kind::Bush, 1, GrassRow(4), 1},
        {Kind::Pond, 7, GrassRow(4), 2},
        {Kind::Rock, 11, GrassRow(4), 1},
        {Kind::Flowers, 13, GrassRow(4), 1},
        {Kind::Bush, 15, GrassRow(4), 1},
        // Area 5, a river.
        {Kind::Pond, 0, GrassRow(5), 2},
        {Kind::Rock, 4, GrassRow(5), 1},
        {Kind::Bush, 9, GrassRow(5), 1},
        {Kind::Tree, 13, GrassRow(5), 1},
        // Area 6, the road with the tunnel, and above it the way to the showdown.
        {Kind::Rock, 0, GrassRow(6), 1},
        {Kind::Bush, 3, GrassRow(6), 1},
        {Kind::Flowers, 6, GrassRow(6), 1},
        {Kind::Pond, 11, GrassRow(6), 1},
        {Kind::Bush, 15, GrassRow(6), 1},
    };
}

bool Covers(const Feature& feature, Cell cell) {
    return feature.row == cell.row && cell.column >= feature.column &&
           cell.column < feature.column + feature.span;
}

template <typename Predicate> bool AnyAt(Cell cell, Predicate predicate) {
    for (const Feature& feature : Features())
        if (Covers(feature, cell) && predicate(feature.kind))
            return true;
    return false;
}

} // namespace

const std::vector<Feature>& Features() {
    static const std::vector<Feature> features = Build();
    return features;
}

bool IsSolid(Kind kind) {
    return kind == Kind::Bush || kind == Kind::Rock || kind == Kind::Tree || kind == Kind::Pillar ||
           kind == Kind::Pylon;
}

int BlockWidth(Kind kind) {
    switch (kind) {
    case Kind::Bush:
        return 46;
    case Kind::Rock:
        return 40;
    case Kind::Tree:
        return 34;
    case Kind::Pylon:
        return 36;
    default:
        return WorldGeometry::kCellWidth;
    }
}

int BlockHeight(Kind kind) {
    switch (kind) {
    case Kind::Bush:
        return 56;
    case Kind::Rock:
        return 44;
    case Kind::Tree:
        return 40;
    default:
        return 60;
    }
}

bool IsWater(Cell cell) {
    return AnyAt(cell, [](Kind kind) { return kind == Kind::Pond; });
}

bool IsBlocked(Cell cell) {
    return AnyAt(cell, IsSolid);
}

Cell GoalCell(int keyIndex) {
    static constexpr int kColumns[kGoalKeys] = {7, 9, 5, 7, 8};
    return {kColumns[keyIndex], GrassRow(keyIndex + 2)};
}

Cell StartCell(int startIndex) {
    static constexpr int kColumns[] = {8, 8, 8, 7, 8, 0, 8};
    const int levelInWorld = startIndex == 6 ? 1 : startIndex;
    return {kColumns[startIndex], levelInWorld * WorldGeometry::kCellsPerArea};
}

const std::vector<int>& StartIndices() {
    static const std::vector<int> indices = {0, 1, 2, 3, 4, 6};
    return indices;
}

std::string ObstacleFile(int area) {
    const int firstRow = area * WorldGeometry::kCellsPerArea;
    std::string text = StringUtil::Format(
        "# Obstacles of the grass strips from area %d up, written by quagleaper-assetgen to fit "
        "the\n"
        "# world picture. Type (1 obstacle, 2 water), column, row from the level's start strip,\n"
        "# width and height of the blocking box in world units.\n",
        area);
    for (const Feature& feature : Features()) {
        const int row = feature.row - firstRow;
        if (row < 0 || row > kFileRows)
            continue;
        for (int column = feature.column; column < feature.column + feature.span; ++column) {
            if (IsSolid(feature.kind))
                text += StringUtil::Format("%d, %d, %d, %d, %d\n", kObstacleType, column, row,
                                           BlockWidth(feature.kind), BlockHeight(feature.kind));
            else if (feature.kind == Kind::Pond)
                text += StringUtil::Format("%d, %d, %d, 0, 0\n", kWaterType, column, row);
        }
    }
    return text;
}

} // namespace WorldLayout
