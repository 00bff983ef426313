#include "world/LevelObjects.h"

#include "WorldConfig.h"
#include "core/Singleton.h"
#include "support/Probes.h"
#include "world/BlockInfo.h"
#include "world/Camera.h"
#include "world/LevelSettings.h"
#include "world/Randomizer.h"
#include "world/WorldCellGrid.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr const char* kObstacleLine = "1, 3, 4, 100, 40\n";
constexpr const char* kRandomGoal = "GoalCellLat_00_00 -1\nGoalCellLong_00_00 -1\n";

// Cells of 50 x 75 units, 16 columns.
class LevelObjectsTest : public ::testing::Test {
  protected:
    LevelObjectsTest() { Configure(""); }

    // Settings keep the first value a key was given, so each test adds keys of its own.
    void Configure(const std::string& extra) {
        LoadWorldConfig(folder, "gridWidthUnits 800\nnumLatCells 16\ninGoalDistance 30\n" + extra);
        grid.build(50);
    }

    void Level(int visibleAreas, int levelInWorld, int level = 0) {
        settings.visibleAreas = visibleAreas;
        settings.levelInWorld = levelInWorld;
        settings.level = level;
        settings.world = 0;
    }

    void File(int area, const std::string& text) {
        folder.Write("data/ArbitraryObjects_00_0" + std::to_string(area) + ".txt", text);
    }

    bool Water(int col, int row) const {
        return (grid.cellAt(grid.centreX(col), grid.centreY(row)) & CELL_WATER) != 0;
    }

    // The goal's cell as (column, row).
    std::pair<int, int> GoalCell() const {
        const WaterLilyGoal* goal = objects.getGoal();
        EXPECT_NE(goal, nullptr);
        if (goal == nullptr)
            return {-1, -1};
        return {static_cast<int>(goal->getX()) / 50, static_cast<int>(goal->getY()) / 75};
    }

    int LogCount(const std::string& line) const { return CountOf(folder.Read("debug.txt"), line); }

    ScratchFolder folder;
    WorldCellGrid grid;
    LevelSettings settings;
    Camera camera;
    LevelObjects objects;
};

TEST_F(LevelObjectsTest, AnObstacleLineMakesABlockerCentredOnItsCell) {
    Level(3, 0);
    File(0, kObstacleLine);
    objects.create(settings, grid, camera);
    ASSERT_EQ(objects.getObstacles().size(), 1u);
    const InvisibleBlockObject& obstacle = *objects.getObstacles().front();
    EXPECT_EQ(obstacle.getName(), "ArbitraryObject");
    EXPECT_EQ(obstacle.getX(), 175);
    EXPECT_EQ(obstacle.getY(), 337);
    const BlockInfo& blockers = Singleton<BlockInfo>::Instance();
    EXPECT_TRUE(blockers.isBlocked(125, 337));
    EXPECT_TRUE(blockers.isBlocked(225, 357));
    EXPECT_TRUE(blockers.isBlocked(175, 317));
    EXPECT_FALSE(blockers.isBlocked(124, 337));
    EXPECT_FALSE(blockers.isBlocked(226, 337));
    EXPECT_FALSE(blockers.isBlocked(175, 358));
    EXPECT_TRUE(blockers.isBlockedAfter(225, 357, 10.0f));
    objects.clear();
    EXPECT_FALSE(blockers.isBlocked(175, 337));
}

TEST_F(LevelObjectsTest, AWaterLineWetsItsCellAndCommentsAndMalformedLinesAreSkipped) {
    Level(3, 0);
    File(0, "2, 0, 5, 0, 0\n#1, 3, 4, 100, 40\n1 3 4\n1, 3,4,100\n1 , 3, 4, 100, 40\n"
            "junk\n\n7, 1, 1, 1, 1\n");
    objects.create(settings, grid, camera);
    EXPECT_TRUE(Water(0, 5));
    EXPECT_FALSE(Water(1, 5));
    EXPECT_FALSE(Water(0, 4));
    EXPECT_TRUE(objects.getObstacles().empty());
    EXPECT_EQ(LogCount(" Invalid arbitrary object type 7.\n"), 1);
}

TEST_F(LevelObjectsTest, ThreeAreasReadTheOneFileOfTheLevelInItsWorld) {
    Level(3, 2);
    File(1, "2, 1, 1, 0, 0\n");
    File(2, "2, 2, 2, 0, 0\n");
    File(3, "2, 3, 3, 0, 0\n");
    objects.create(settings, grid, camera);
    EXPECT_FALSE(Water(1, 1));
    EXPECT_TRUE(Water(2, 2));
    EXPECT_FALSE(Water(3, 3));
    EXPECT_FALSE(Water(3, 9));
}

TEST_F(LevelObjectsTest, SevenAreasReadFiveFilesEachShiftedBySixRowsPerArea) {
    Level(7, 0);
    for (int area = 0; area < 6; ++area)
        File(area, "2, " + std::to_string(area) + ", 1, 0, 0\n");
    objects.create(settings, grid, camera);
    for (int area = 0; area < 5; ++area)
        EXPECT_TRUE(Water(area, 1 + 6 * area)) << area;
    EXPECT_TRUE(Water(4, 25));
    EXPECT_FALSE(Water(5, 31));
    EXPECT_FALSE(Water(4, 1));
}

TEST_F(LevelObjectsTest, CellsOutsideTheGridAreRejectedWithALogLine) {
    Level(3, 0);
    File(0, "2, -1, 5, 0, 0\n2, 16, 5, 0, 0\n2, 0, 50, 0, 0\n2, 0, -3, 0, 0\n"
            "1, 2147483647, 2147483647, 2147483647, 2147483647\n"
            "1, 99999999999999999999, -99999999999999999999, 5, 5\n"
            "1, 2, 3, -40, 99999999999\n");
    objects.create(settings, grid, camera);
    EXPECT_EQ(LogCount("lies outside the world grid; line skipped.\n"), 6);
    ASSERT_EQ(objects.getObstacles().size(), 1u);
    // A negative size covers nothing; a huge one is held at the largest int.
    EXPECT_FALSE(Singleton<BlockInfo>::Instance().isBlocked(125, 262));
}

TEST_F(LevelObjectsTest, AnOverlongLineKeepsItsStartAndLosesItsRest) {
    Level(3, 0);
    // The rest of the long line would read as a water line if it were taken as a line of its own.
    const std::string tail = "2, 9, 9, 0, 0";
    const std::string filler(LevelObjects::kMaxLineLength - 13, ' ');
    File(0, "2, 1, 1, 0, 0" + filler + tail + "\n2, 2, 2, 0, 0\n");
    objects.create(settings, grid, camera);
    EXPECT_TRUE(Water(1, 1));
    EXPECT_FALSE(Water(9, 9));
    EXPECT_TRUE(Water(2, 2));
}

TEST_F(LevelObjectsTest, BinaryJunkAndAFolderInPlaceOfTheFileDoNoHarm) {
    Level(4, 0);
    std::string junk;
    for (int i = 0; i < 5000; ++i)
        junk += static_cast<char>((i * 37) % 256);
    File(0, junk + "\n2, 4, 4, 0, 0\n");
    folder.Write("data/ArbitraryObjects_00_01.txt/inside", "");
    objects.create(settings, grid, camera);
    EXPECT_TRUE(Water(4, 4));
    EXPECT_NE(objects.getGoal(), nullptr);
}

TEST_F(LevelObjectsTest, AFileIsReadOnlyUpToItsBound) {
    Level(3, 0);
    const std::string comment = "# " + std::string(60, 'x') + "\n";
    std::string text;
    while (text.size() < LevelObjects::kMaxFileBytes)
        text += comment;
    File(0, "2, 1, 1, 0, 0\n" + text + "2, 2, 2, 0, 0\n");
    objects.create(settings, grid, camera);
    EXPECT_TRUE(Water(1, 1));
    EXPECT_FALSE(Water(2, 2));
    EXPECT_EQ(LogCount("bytes; the rest is ignored.\n"), 1);
}

TEST_F(LevelObjectsTest, TheConfiguredGoalOfLevelSixStandsOneAreaHigher) {
    Configure("GoalCellLat_00_02 7\nGoalCellLong_00_02 18\n");
    Level(4, 1, 6);
    objects.create(settings, grid, camera);
    EXPECT_EQ(GoalCell(), std::make_pair(7, 24));
    EXPECT_FLOAT_EQ(objects.getGoal()->getX(), 375.0f);
    EXPECT_FLOAT_EQ(objects.getGoal()->getY(), 24 * 75 + 37.0f);
    EXPECT_EQ(objects.getGoal()->getName(), "Goal");
    EXPECT_EQ(objects.getGoal()->spriteLabel(), "WATER_LILY_GOAL");
}

TEST_F(LevelObjectsTest, AConfiguredGoalOutsideTheGridIsPlacedAtRandomInstead) {
    Configure("GoalCellLat_00_00 3\nGoalCellLong_00_00 60\n");
    Level(3, 0, 0);
    objects.create(settings, grid, camera);
    EXPECT_EQ(LogCount("Goal cell (3, 60) lies outside the world grid"), 1);
    EXPECT_EQ(GoalCell().second, 19);
}

TEST_F(LevelObjectsTest, TheRandomGoalLandsOnADryUnblockedCellOfItsRow) {
    Configure("GoalCellLat_00_03 -1\nGoalCellLong_00_03 4\n");
    Level(3, 0, 12);
    const int row = 6 * 3 + 19;
    // Only columns 9 and 14 of the row are dry and free.
    File(0, "");
    for (int seed = 0; seed < 40; ++seed) {
        Singleton<Randomizer>::Instance().seed(static_cast<std::uint32_t>(seed));
        grid.build(50);
        for (int c = 0; c < 16; ++c)
            if (c != 9 && c != 14 && c != 5)
                grid.cellAt(grid.centreX(c), grid.centreY(row)) |= CELL_WATER;
        InvisibleBlockObject blocker;
        blocker.init(grid.centreX(5), grid.centreY(row), 10, 10);
        objects.create(settings, grid, camera);
        const auto [col, goalRow] = GoalCell();
        EXPECT_EQ(goalRow, row);
        EXPECT_TRUE(col == 9 || col == 14) << col;
    }
}

TEST_F(LevelObjectsTest, ARowWithoutAFreeCellStillEndsTheSearch) {
    Configure(kRandomGoal);
    Level(3, 0, 0);
    for (int c = 0; c < 16; ++c)
        grid.cellAt(grid.centreX(c), grid.centreY(19)) |= CELL_WATER;
    objects.create(settings, grid, camera);
    EXPECT_EQ(GoalCell(), std::make_pair(2, 19));
    EXPECT_EQ(LogCount("Goal row 19 has no dry and unblocked cell; the goal stands on column 2.\n"),
              1);
}

TEST_F(LevelObjectsTest, AGoalRowAboveTheWorldFallsBackToTheTopRow) {
    Configure(kRandomGoal);
    grid.build(10);
    Level(3, 0, 0);
    objects.create(settings, grid, camera);
    EXPECT_EQ(GoalCell().second, 9);
    EXPECT_EQ(LogCount("Goal row 19 lies outside the world grid; using row 9.\n"), 1);
}

TEST_F(LevelObjectsTest, TheGoalIsReachedWithinTheGoalDistance) {
    Level(3, 0, 0);
    objects.create(settings, grid, camera);
    const WaterLilyGoal& goal = *objects.getGoal();
    EXPECT_TRUE(goal.reachedBy(goal.getX() + 18.0f, goal.getY() + 24.0f));
    EXPECT_FALSE(goal.reachedBy(goal.getX() + 18.0f, goal.getY() + 24.1f));
}

TEST_F(LevelObjectsTest, ANewLevelReplacesTheObstaclesOfThePrevious) {
    Level(3, 0);
    File(0, kObstacleLine);
    objects.create(settings, grid, camera);
    objects.create(settings, grid, camera);
    EXPECT_EQ(objects.getObstacles().size(), 1u);
    EXPECT_EQ(Singleton<BlockInfo>::Instance().size(), 1u);
}

} // namespace
