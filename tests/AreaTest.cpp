#include "world/Area.h"

#include "WorldConfig.h"
#include "world/LevelSettings.h"
#include "world/Randomizer.h"
#include "world/WorldCellGrid.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr const char* kConfig =
    "gridWidthUnits 800\nnumLatCells 8\nsmallCarObjectWidth 100\nsmallCarObjectHeight 60\n"
    "ragTopOpenObjectWidth 100\nragTopOpenObjectHeight 60\n"
    "ragTopClosedObjectWidth 100\nragTopClosedObjectHeight 60\n"
    "trunkObjectWidth 100\nbarrelObjectWidth 100\nhippoObjectWidth 100\nwaterLilyObjectWidth 100\n"
    "trunkObjectHeight 60\nbarrelObjectHeight 60\nhippoObjectHeight 60\nwaterLilyObjectHeight 60\n"
    "direction_12_00 0\ndirection_12_01 1\ndirection_12_02 0\n"
    "trackSpeed_12_00 50\ntrackSpeed_12_01 60\ntrackSpeed_12_02 70\n"
    "MinSpawnInterval_12_00 2\nMaxSpawnInterval_12_00 4\n"
    "MinSpawnInterval_12_01 1\nMaxSpawnInterval_12_01 3\n"
    "MinSpawnInterval_12_02 0\nMaxSpawnInterval_12_02 0.25\n"
    "direction_13_00 1\ntrackSpeed_13_00 40\n"
    "MinSpawnInterval_13_00 2\nMaxSpawnInterval_13_00 4\n";

class AreaTest : public ::testing::Test {
  protected:
    // Loads the configuration with the given object count and builds the grid.
    void Load(const std::string& maxObjects = "4.9") {
        LoadWorldConfig(folder,
                        std::string(kConfig) + "MaxNumObjectsPerTrack " + maxObjects + "\n");
        Singleton<Randomizer>::Instance().seed(99);
        grid.build(40);
        level.areaTypes.assign(14, 0);
        level.areaTypes[12] = 1;
        level.areaTypes[13] = 2;
        level.levelInWorld = 11;
        level.startStripCells = 2;
        level.cellsPerArea = 4;
        level.tracksPerArea = 3;
    }

    ObjectTrack::World World() { return {&grid, nullptr, nullptr}; }

    ScratchFolder folder;
    WorldCellGrid grid;
    LevelSettings level;
    Area area;
};

TEST_F(AreaTest, SetUpPlacesTheAreaAndItsLanesInTheLevel) {
    Load();
    ASSERT_TRUE(area.init(12, level, World()));
    EXPECT_EQ(area.getIndex(), 12);
    EXPECT_EQ(area.getType(), 1);
    EXPECT_EQ(area.getFirstRow(), 2 + 4);
    EXPECT_EQ(area.getLastRow(), 2 + 4 + 2);
    ASSERT_EQ(area.getTracks().size(), 3u);
    for (int t = 0; t < 3; ++t) {
        const ObjectTrack& track = area.getTracks()[t];
        EXPECT_EQ(track.getTrackIndex(), t);
        EXPECT_EQ(track.getRow(), 6 + t);
        EXPECT_EQ(track.getMaxObjects(), 4);
    }
    EXPECT_EQ(area.getName(), "Area");
}

TEST_F(AreaTest, EachLaneReadsItsOwnTwoDigitKeys) {
    Load();
    ASSERT_TRUE(area.init(12, level, World()));
    const std::vector<ObjectTrack>& tracks = area.getTracks();
    EXPECT_EQ(tracks[0].getFromLeft(), 1);
    EXPECT_EQ(tracks[1].getFromLeft(), 0);
    EXPECT_FLOAT_EQ(tracks[0].getSpeed(), 50.0f);
    EXPECT_FLOAT_EQ(tracks[1].getSpeed(), -60.0f);
    EXPECT_FLOAT_EQ(tracks[2].getSpeed(), 70.0f);
    EXPECT_FLOAT_EQ(tracks[1].getMinInterval(), 1.0f);
    EXPECT_FLOAT_EQ(tracks[1].getMaxInterval(), 3.0f);
    EXPECT_FLOAT_EQ(tracks[2].getMaxInterval(), 0.25f);
}

TEST_F(AreaTest, RiverIntervalsAreShortenedAndItsRowsAreWater) {
    Load();
    level.tracksPerArea = 1;
    ASSERT_TRUE(area.init(13, level, World()));
    ASSERT_TRUE(area.isRiver());
    const ObjectTrack& track = area.getTracks()[0];
    EXPECT_FLOAT_EQ(track.getMinInterval(), 2.0f * 0.85f);
    EXPECT_FLOAT_EQ(track.getMaxInterval(), 4.0f * 0.85f);
    EXPECT_EQ(grid.cellAt(50, grid.centreY(track.getRow())), CELL_WATER);
    EXPECT_EQ(grid.cellAt(50, grid.centreY(track.getRow() - 1)), 0u);
}

TEST_F(AreaTest, TheLaneFromTheLeftLetsObjectsInAtTheLeftEdge) {
    Load();
    ASSERT_TRUE(area.init(12, level, World()));
    for (int i = 0; i < 100; ++i)
        area.update(0.1f, true);
    const ObjectTrack& right = area.getTracks()[2];
    const ObjectTrack& left = area.getTracks()[1];
    ASSERT_FALSE(right.getObjects().empty());
    ASSERT_FALSE(left.getObjects().empty());
    EXPECT_LT(right.getObjects().back()->getX(), 400.0f);
    EXPECT_GT(left.getObjects().back()->getX(), 400.0f);
    EXPECT_FLOAT_EQ(area.getStateTime(), area.getTracks()[0].getStateTime());
}

TEST_F(AreaTest, QueriesGoToTheLaneOfTheRow) {
    Load();
    ASSERT_TRUE(area.init(12, level, World()));
    EXPECT_EQ(area.nearestObjectDistance(0.0f, 0.0f), std::sqrt(std::numeric_limits<float>::max()));
    for (int i = 0; i < 30; ++i)
        area.update(0.1f, true);
    const ObjectTrack& quick = area.getTracks()[2];
    ASSERT_FALSE(quick.getObjects().empty());
    TrackObject& object = *quick.getObjects().front();
    const int x = static_cast<int>(object.getX());
    const int y = quick.getCentreY();
    EXPECT_EQ(area.objectAt(x, y), &object);
    EXPECT_EQ(area.objectAt(x, y - 75), nullptr);
    EXPECT_EQ(area.objectAtAfter(x + 70, y, 1.0f), &object);
    EXPECT_EQ(area.objectAt(x, -5), nullptr);
    EXPECT_EQ(area.objectAt(x, 75 * 40), nullptr);
    EXPECT_FLOAT_EQ(area.nearestObjectDistance(object.getX(), static_cast<float>(y)), 0.0f);
}

TEST_F(AreaTest, AnAreaWithoutLanesAnswersTheLargestDistance) {
    Load();
    level.tracksPerArea = 0;
    ASSERT_TRUE(area.init(12, level, World()));
    EXPECT_TRUE(area.getTracks().empty());
    EXPECT_EQ(area.nearestObjectDistance(10.0f, 10.0f), std::numeric_limits<float>::max());
    area.update(0.5f, true);
    EXPECT_EQ(area.objectAt(0, 0), nullptr);
}

TEST_F(AreaTest, BadLevelValuesFailOrAreBounded) {
    Load();
    EXPECT_FALSE(area.init(14, level, World()));
    EXPECT_FALSE(area.init(-1, level, World()));
    level.tracksPerArea = 1'000'000;
    ASSERT_TRUE(area.init(12, level, World()));
    EXPECT_EQ(static_cast<int>(area.getTracks().size()), LevelSettings::kMaxCellsPerPart);
    EXPECT_EQ(area.getLastRow() - area.getFirstRow() + 1, LevelSettings::kMaxCellsPerPart);
}

TEST_F(AreaTest, AnAbsurdObjectCountIsBounded) {
    Load("1e30");
    ASSERT_TRUE(area.init(12, level, World()));
    EXPECT_EQ(area.getTracks()[0].getMaxObjects(), ObjectTrack::kMaxObjectsLimit);
}

} // namespace
