#include "ConfigSection.h"

#include "Decorations.h"
#include "FrogAnimations.h"
#include "RoadRiverPictures.h"
#include "StagePainter.h"
#include "WorldGeometry.h"
#include "WorldLayout.h"
#include "core/StringUtil.h"

namespace ConfigSection {
namespace {

using namespace WorldGeometry;

void Line(std::string& text, const std::string& key, int value) {
    text += key + " " + std::to_string(value) + "\n";
}

void Geometry(std::string& text) {
    text += "\n# The world picture: 16 columns of 50 units, areas of five one-row tracks and a "
            "grass row,\n"
            "# a start strip of one row, seven area types alternating road and river.\n";
    Line(text, "numWorlds", 1);
    Line(text, "numAreas", kAreas);
    Line(text, "numVisibleAreas", 3);
    Line(text, "numCellsStartStrip", kStartStripCells);
    Line(text, "numCellsPerGrassStrip", kGrassStripCells);
    Line(text, "numCellsPerTrack", kCellsPerTrack);
    Line(text, "numTracksPerArea", kTracksPerArea);
    Line(text, "gridWidthUnits", kPictureWidth);
    Line(text, "numLatCells", kLatCells);
    for (int area = 0; area < kAreas; ++area)
        Line(text, StringUtil::Format("areaType%02d", area), kAreaTypes[area]);
}

void TopLayers(std::string& text) {
    text += "\n# Decorations: left and bottom edges in the world of the first level of a group.\n";
    for (bool road : {false, true}) {
        int count = 0;
        std::string entries;
        for (const Decorations::Placement& placement : Decorations::All()) {
            if (placement.road != road)
                continue;
            const char* stem = road ? "roadTopLayerOffset" : "topLayerOffset";
            Line(entries, StringUtil::Format("%sX%02d", stem, count), placement.x);
            Line(entries, StringUtil::Format("%sY%02d", stem, count),
                 WorldY(placement.top + placement.height));
            ++count;
        }
        Line(text, road ? "numSpritesInRoadTopLayer" : "numSpritesInTopLayer", count);
        text += entries;
    }
}

void Cells(std::string& text) {
    text += "\n# Goals on the top grass strip of each level, frog starts on its start strip.\n";
    for (int key = 0; key < WorldLayout::kGoalKeys; ++key) {
        const WorldLayout::Cell goal = WorldLayout::GoalCell(key);
        const int levelRow = goal.row - key * kCellsPerArea;
        Line(text, StringUtil::Format("GoalCellLat_00_%02d", key), goal.column);
        Line(text, StringUtil::Format("GoalCellLong_00_%02d", key), levelRow);
    }
    for (int index : WorldLayout::StartIndices()) {
        const WorldLayout::Cell start = WorldLayout::StartCell(index);
        Line(text, StringUtil::Format("frogStartCellLat_0_%d", index), start.column);
        Line(text, StringUtil::Format("frogStartCellLong_0_%d", index), start.row % kCellsPerArea);
    }
}

void Showdown(std::string& text) {
    text += "\n# The showdown: the frog on the golden lily of the festival pond.\n";
    Line(text, "frogPosShowDownPixX", StagePainter::kFrogX);
    Line(text, "frogPosShowDownPixY", ShowdownWorldY(StagePainter::kFrogRow));
    text += "waterLilyGoalOffsetX 0\nwaterLilyGoalOffsetY 0\n";
    text += "invisibleobjectInterval 1.0\n";
    text += "\n# The credits draw the HUD font at this scale.\nsmallFontSizeFactor 0.75\n";
}

} // namespace

std::string Text() {
    std::string text =
        "\n# "
        "---------------------------------------------------------------------------------------\n"
        "# Written by quagleaper-assetgen to fit the pictures it draws; change them together.\n"
        "SECTION Pictures\n";
    Geometry(text);
    TopLayers(text);
    Cells(text);
    Showdown(text);
    text += FrogAnimations::ConfigText();
    text += RoadRiverPictures::ConfigText();
    text += "ENDSECTION\n";
    return text;
}

} // namespace ConfigSection
