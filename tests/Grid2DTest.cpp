#include "world/Grid2D.h"

#include "support/ScratchFolder.h"
#include "world/WorldCell.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using Grid = Grid2D<int, WorldCell>;

class Grid2DTest : public ::testing::Test {
  protected:
    Grid2DTest() { EXPECT_TRUE(grid.init(16, 19, 50, 75)); }

    ScratchFolder folder;
    Grid grid;
};

TEST_F(Grid2DTest, InitMeasuresTheGridAndClearsEveryCell) {
    grid.cellAt(120, 300) = CELL_WATER;
    ASSERT_TRUE(grid.init(16, 19, 50, 75));
    EXPECT_EQ(grid.widthUnits(), 800);
    EXPECT_EQ(grid.heightUnits(), 19 * 75);
    for (int row = 0; row < 19; ++row)
        for (int col = 0; col < 16; ++col)
            EXPECT_EQ(grid.cellAt(grid.centreX(col), grid.centreY(row)), 0u);
}

TEST_F(Grid2DTest, CellOfTruncatesAndClampsToTheEdgeCells) {
    EXPECT_EQ(grid.cellOf(49, 74), (Grid::CellCoord{0, 0}));
    EXPECT_EQ(grid.cellOf(50, 75), (Grid::CellCoord{1, 1}));
    EXPECT_EQ(grid.cellOf(-10, -10), (Grid::CellCoord{0, 0}));
    EXPECT_EQ(grid.cellOf(grid.widthUnits() + 100, grid.heightUnits() + 100),
              (Grid::CellCoord{15, 18}));
}

TEST_F(Grid2DTest, IsOutsideIsTrueFromTheFirstUnitPastEachEdge) {
    EXPECT_TRUE(grid.isOutside(grid.widthUnits(), 0));
    EXPECT_FALSE(grid.isOutside(grid.widthUnits() - 1, 0));
    EXPECT_TRUE(grid.isOutside(0, grid.heightUnits()));
    EXPECT_FALSE(grid.isOutside(0, grid.heightUnits() - 1));
    EXPECT_TRUE(grid.isOutside(-1, 0));
    EXPECT_TRUE(grid.isOutside(0, -1));
}

TEST_F(Grid2DTest, CellsAreSeparateAndFoundFromAnyPointInside) {
    grid.cellAt(grid.centreX(3), grid.centreY(7)) |= CELL_WATER;
    EXPECT_EQ(grid.cellAt(150, 525), CELL_WATER);
    EXPECT_EQ(grid.cellAt(199, 599), CELL_WATER);
    EXPECT_EQ(grid.cellAt(200, 525), 0u);
    EXPECT_EQ(grid.cellAt(150, 600), 0u);
    EXPECT_EQ(grid.centreX(3), 175);
    EXPECT_EQ(grid.centreY(7), 562);
    EXPECT_EQ(grid.rowOf(599), 7);
}

TEST_F(Grid2DTest, TheDrowningIndexIsMinusOneOutsideAndTheCellOfInside) {
    EXPECT_EQ(grid.cellIndex(-1, 10), -1);
    EXPECT_EQ(grid.cellIndex(800, 10), -1);
    const Grid::CellCoord cell = grid.cellOf(175, 562);
    EXPECT_EQ(grid.cellIndex(175, 562), cell.row * 16 + cell.col);
}

TEST_F(Grid2DTest, AnAbsurdSizeIsRefusedAndTheOldGridStays) {
    grid.cellAt(10, 10) = CELL_WATER;
    for (const auto& [lat, lon, w, h] : {std::tuple{0, 19, 50, 75},
                                         {16, -3, 50, 75},
                                         {16, 19, 0, 75},
                                         {16, 19, 50, -75},
                                         {100000, 100000, 50, 75},
                                         {2, 2, 2000000000, 75}}) {
        EXPECT_FALSE(grid.init(lat, lon, w, h)) << lat << " " << lon << " " << w << " " << h;
        EXPECT_EQ(grid.latCells(), 16);
        EXPECT_EQ(grid.cellAt(10, 10), CELL_WATER);
    }
    EXPECT_NE(folder.Read("debug.txt").find("Grid2D::init rejects 0 x 19 cells of 50 x 75 units\n"),
              std::string::npos);
}

TEST(Grid2DEmptyTest, AGridWithoutCellsAnswersWithoutReachingPastIt) {
    ScratchFolder folder;
    Grid grid;
    EXPECT_TRUE(grid.isEmpty());
    EXPECT_TRUE(grid.isOutside(0, 0));
    EXPECT_EQ(grid.cellOf(500, 500), (Grid::CellCoord{0, 0}));
    grid.cellAt(5, 5) = CELL_WATER;
    EXPECT_EQ(grid.cellAt(5, 5), 0u);
}

} // namespace
