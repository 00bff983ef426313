#include "world/WorldCellGrid.h"

#include "WorldConfig.h"

#include <gtest/gtest.h>

namespace {

// Settings are read once per process, so each test starts from a grid built by hand and loads
// one configuration.
class WorldCellGridTest : public ::testing::Test {
  protected:
    WorldCellGridTest() {
        EXPECT_TRUE(grid.init(16, 19, 50, 75));
        grid.cellAt(60, 80) = CELL_WATER;
    }

    void Load(const std::string& lines) { LoadWorldConfig(folder, lines); }
    bool Logged(const std::string& line) const {
        return folder.Read("debug.txt").find(line) != std::string::npos;
    }

    void ExpectOldGrid() const {
        EXPECT_EQ(grid.latCells(), 16);
        EXPECT_EQ(grid.longCells(), 19);
        EXPECT_EQ(grid.widthUnits(), 800);
        EXPECT_EQ(grid.cellAt(60, 80), CELL_WATER);
    }

    ScratchFolder folder;
    WorldCellGrid grid;
};

TEST_F(WorldCellGridTest, SixteenColumnsOverEightHundredUnitsAreFiftyWideAndRowsAre75High) {
    Load("gridWidthUnits 800\nnumLatCells 16\n");
    ASSERT_TRUE(grid.build(23));
    EXPECT_EQ(grid.latCells(), 16);
    EXPECT_EQ(grid.cellWidth(), 50);
    EXPECT_EQ(grid.longCells(), 23);
    EXPECT_EQ(grid.cellHeight(), 75);
    EXPECT_EQ(grid.heightUnits(), 23 * 75);
    EXPECT_EQ(grid.cellAt(60, 80), 0u);
}

TEST_F(WorldCellGridTest, MisalignedColumnsAreReportedWithTheRemainderAndTheOldGridStays) {
    Load("gridWidthUnits 800\nnumLatCells 15\n");
    EXPECT_FALSE(grid.build(23));
    EXPECT_TRUE(Logged("The lateral world cells are not aligned to world units. Ramainder 5 "));
    EXPECT_FALSE(Logged("Ramainder 5 \n"));
    ExpectOldGrid();
}

TEST_F(WorldCellGridTest, NoColumnsNeverDivideByZeroAndKeepTheOldGrid) {
    Load("gridWidthUnits 800\nnumLatCells 0\n");
    EXPECT_FALSE(grid.build(23));
    EXPECT_TRUE(Logged("The lateral world cells count 0 is not positive.\n"));
    ExpectOldGrid();
}

TEST_F(WorldCellGridTest, NegativeColumnsKeepTheOldGrid) {
    Load("gridWidthUnits 800\nnumLatCells -4\n");
    EXPECT_FALSE(grid.build(23));
    ExpectOldGrid();
}

TEST_F(WorldCellGridTest, NoWidthOrNoRowsKeepTheOldGrid) {
    Load("gridWidthUnits 0\nnumLatCells 16\n");
    EXPECT_FALSE(grid.build(23));
    ExpectOldGrid();
    EXPECT_FALSE(grid.build(0));
    ExpectOldGrid();
}

} // namespace
