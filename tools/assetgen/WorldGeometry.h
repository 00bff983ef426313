#pragma once

#include "core/ScreenSize.h"

// How the world picture maps to the levels. A level with levelInWorld L shows the picture
// window whose bottom lies 450 × L rows above the picture's bottom, so every area keeps its
// picture rows whatever the level. Rows here are "global rows": counted in cells from the
// picture's bottom, row 0 being the first level's start strip; a level with levelInWorld L
// sees its row r at global row r + 6 × L.
namespace WorldGeometry {

// The camera only ever scrolls up and down.
constexpr int kPictureWidth = ScreenSize::kWidth;
constexpr int kCellWidth = 50;
constexpr int kCellHeight = 75;
constexpr int kLatCells = kPictureWidth / kCellWidth;
constexpr int kStartStripCells = 1;
constexpr int kGrassStripCells = 1;
constexpr int kTracksPerArea = 5;
constexpr int kCellsPerTrack = 1;
constexpr int kCellsPerArea = kGrassStripCells + kTracksPerArea * kCellsPerTrack;
constexpr int kAreaUnits = kCellsPerArea * kCellHeight; // the fixed 450 of the top layers
constexpr int kAreas = 7;
constexpr int kShowdownLevelInWorld = 6;
constexpr int kShowdownAreas = 3;
// The showdown window (levelInWorld 6, three areas) must fit: its top is the picture's top.
constexpr int kPictureHeight =
    kCellHeight * (kShowdownAreas * kCellsPerArea + kStartStripCells + 1) +
    kShowdownLevelInWorld * kAreaUnits;

enum AreaType { kRoad = 0, kRoadWithRoof = 1, kRiver = 2 };
constexpr int kAreaTypes[kAreas] = {kRoad, kRiver, kRoadWithRoof, kRiver,
                                    kRoad, kRiver, kRoadWithRoof};

// Picture row of the top edge of global row `row`.
constexpr int RowTop(int row) {
    return kPictureHeight - kCellHeight * (row + 1);
}
// The global row of track `track` (0 at the bottom) of area `area`, and of its grass strip.
constexpr int TrackRow(int area, int track) {
    return kStartStripCells + area * kCellsPerArea + track;
}
constexpr int GrassRow(int area) {
    return TrackRow(area, kTracksPerArea);
}
// Global rows of the grass strips, the first being the first level's start strip.
constexpr int kGrassRows[] = {0,           GrassRow(0), GrassRow(1), GrassRow(2),
                              GrassRow(3), GrassRow(4), GrassRow(5), GrassRow(6)};
// Picture rows above the last area: the showdown stage and its approach.
constexpr int kStageBottom = RowTop(GrassRow(kAreas - 1));
// World y (in the first level's frame) of a picture row, as the top-layer settings count it.
constexpr int WorldY(int pictureRow) {
    return kPictureHeight - pictureRow;
}
// World y in the showdown scene of a picture row.
constexpr int ShowdownWorldY(int pictureRow) {
    return WorldY(pictureRow) - kShowdownLevelInWorld * kAreaUnits;
}
// The picture row at which a level's window starts and its height (three areas or more).
constexpr int WindowHeight(int visibleAreas) {
    return kCellHeight * (visibleAreas * kCellsPerArea + kStartStripCells + 1);
}
constexpr int WindowTop(int levelInWorld, int visibleAreas) {
    return kPictureHeight - WindowHeight(visibleAreas) - levelInWorld * kAreaUnits;
}

static_assert(kPictureHeight == 4200);
static_assert(RowTop(GrassRow(kAreas - 1)) == 975);
static_assert(kStartStripCells == 1 && kGrassStripCells == 1,
              "a level's start strip is the grass row below it");

} // namespace WorldGeometry
