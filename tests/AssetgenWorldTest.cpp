#include "core/FileLoader.h"
#include "core/SettingsManager.h"
#include "core/StringUtil.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "gfx/SpriteLabel.h"
#include "support/GeneratedData.h"
#include "support/HeadlessScreen.h"
#include "support/ScratchFolder.h"
#include "world/LevelSettings.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int kCellWidth = 50;
constexpr int kCellHeight = 75;
constexpr int kRowsPerFile = 6; // the obstacle files' fixed step between areas
constexpr int kRiver = 2;

struct Obstacle {
    int type;
    int column;
    int row;
    int width;
    int height;
};

// The world of the build's data, read back as the game reads it: the configuration, the
// world picture and the obstacle files, from the packed container.
class AssetgenWorldTest : public ::testing::Test {
  protected:
    AssetgenWorldTest() { level.load(); }

    static SettingsManager& Config() { return Singleton<SettingsManager>::Instance(); }

    // The level with counter `n` (levels of one group share a size), as advance() steps to it.
    LevelSettings LevelAt(int n) {
        LevelSettings settings = level;
        for (int i = 0; i < n; ++i)
            settings.advance();
        return settings;
    }

    // The lines of one obstacle file, as "%d, %d, %d, %d, %d" reads them.
    static std::vector<Obstacle> ObstacleFile(int area) {
        std::vector<Obstacle> obstacles;
        std::istringstream lines(
            GeneratedData::ReadLoose(StringUtil::Format("ArbitraryObjects_00_%02d.txt", area)));
        for (std::string line; std::getline(lines, line);) {
            Obstacle o{};
            if (line.empty() || line[0] == '#' ||
                std::sscanf(line.c_str(), "%d, %d, %d, %d, %d", &o.type, &o.column, &o.row,
                            &o.width, &o.height) != 5)
                continue;
            obstacles.push_back(o);
        }
        return obstacles;
    }

    // Every obstacle and water cell a level reads, in its own rows.
    static std::vector<Obstacle> LevelObstacles(const LevelSettings& settings) {
        std::vector<Obstacle> all;
        for (int i = 0; i <= settings.visibleAreas - 3; ++i)
            for (Obstacle o : ObstacleFile(settings.levelInWorld + i)) {
                o.row += kRowsPerFile * i;
                all.push_back(o);
            }
        return all;
    }

    static bool IsRiverRow(const LevelSettings& settings, int row) {
        for (int j = 0; j < settings.visibleAreas; ++j) {
            const int first = settings.firstRowOfArea(j);
            if (row >= first && row < first + settings.tracksPerArea)
                return settings.areaType(settings.levelInWorld + j) == kRiver;
        }
        return false;
    }

    // Dry and free of obstacles in the level.
    static bool IsFreeLand(const LevelSettings& settings, int column, int row) {
        if (IsRiverRow(settings, row))
            return false;
        for (const Obstacle& o : LevelObstacles(settings))
            if (o.column == column && o.row == row)
                return false;
        return true;
    }

    ScratchFolder folder;
    HeadlessScreen screen{16};
    GeneratedData data{folder};
    LevelSettings level;
};

// The levels of one group: (levelInWorld, visible areas) of every level counter up to 14.
std::vector<int> LevelCounters() {
    return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
}

TEST_F(AssetgenWorldTest, TheConfiguredGeometryIsTheOneThePictureIsDrawnFor) {
    EXPECT_EQ(level.startStripCells, 1);
    EXPECT_EQ(level.grassStripCells, 1);
    EXPECT_EQ(level.tracksPerArea, 5);
    EXPECT_EQ(level.cellsPerTrack, 1);
    EXPECT_EQ(level.cellsPerArea * kCellHeight, 450);
    EXPECT_EQ(Config().GetInt("gridWidthUnits") / Config().GetInt("numLatCells"), kCellWidth);
    ASSERT_EQ(level.areaTypes.size(), 7u);
    for (std::size_t area = 1; area < level.areaTypes.size(); ++area)
        EXPECT_NE(level.areaTypes[area] == kRiver, level.areaTypes[area - 1] == kRiver)
            << "areas alternate";
    EXPECT_EQ(std::set<int>(level.areaTypes.begin(), level.areaTypes.end()),
              (std::set<int>{0, 1, 2}));
}

TEST_F(AssetgenWorldTest, ThePictureHoldsTheWindowOfEveryLevelAndOfTheShowdown) {
    const auto picture = Singleton<PictureLoader>::Instance().Load("backgroundworld00", true);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetWidth(), 800);
    const int height = picture->GetHeight();
    EXPECT_GE(height, 4200);
    for (int n : LevelCounters()) {
        const LevelSettings settings = LevelAt(n);
        const int top = height - settings.backgroundHeight() -
                        settings.levelInWorld * settings.cellsPerArea * kCellHeight;
        EXPECT_GE(top, 0) << "level " << n;
    }
    LevelSettings showdown = level;
    showdown.visibleAreas = 3;
    showdown.levelInWorld = 6;
    EXPECT_EQ(height - showdown.backgroundHeight() - 6 * 450, 0)
        << "the showdown shows the picture's top";
}

TEST_F(AssetgenWorldTest, EachAreaLiesAtTheSamePictureRowsAndLooksLikeItsType) {
    const auto picture = Singleton<PictureLoader>::Instance().Load("backgroundworld00", true);
    ASSERT_NE(picture, nullptr);
    const int height = picture->GetHeight();
    for (int area = 0; area < 7; ++area) {
        // Rows height - 450 a - 525 to height - 450 a - 75: its tracks from the bottom, grass on
        // top.
        const int top = height - 450 * area - 525;
        for (int track = 0; track < 5; ++track) {
            const int row = height - 450 * area - 75 - kCellHeight * track - kCellHeight / 2;
            int blue = 0;
            int green = 0;
            for (int x = 5; x < 800; x += 10) {
                const std::uint32_t c = picture->GetPixel(x, row);
                const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
                blue += b > r + 40 && b > g;
                green += g > r + 30 && g > b + 30;
            }
            if (level.areaTypes[area] == kRiver)
                EXPECT_GT(blue, 60) << "area " << area << " track " << track;
            else
                EXPECT_LT(blue + green, 25) << "area " << area << " track " << track;
        }
        int grass = 0;
        for (int x = 5; x < 800; x += 10) {
            const std::uint32_t c = picture->GetPixel(x, top + kCellHeight / 2);
            grass += (c >> 8 & 0xFF) > (c >> 16 & 0xFF) + 30;
        }
        EXPECT_GT(grass, 40) << "grass strip of area " << area;
    }
}

TEST_F(AssetgenWorldTest, EveryObstacleAndWaterCellOfEveryLevelLiesInsideItsGrid) {
    for (int n : LevelCounters()) {
        const LevelSettings settings = LevelAt(n);
        const std::vector<Obstacle> obstacles = LevelObstacles(settings);
        EXPECT_FALSE(obstacles.empty()) << "level " << n;
        for (const Obstacle& o : obstacles) {
            EXPECT_TRUE(o.type == 1 || o.type == 2);
            EXPECT_GE(o.column, 0);
            EXPECT_LT(o.column, 16);
            EXPECT_GE(o.row, 0);
            EXPECT_LT(o.row, settings.worldRows()) << "level " << n;
            EXPECT_FALSE(IsRiverRow(settings, o.row)) << "obstacles stand on land, level " << n;
            if (o.type == 1) {
                EXPECT_GT(o.width, 0);
                EXPECT_LE(o.width, kCellWidth);
                EXPECT_GT(o.height, 0);
                EXPECT_LE(o.height, kCellHeight);
            }
        }
    }
}

TEST_F(AssetgenWorldTest, EveryGoalStandsOnDryFreeLandOfTheLevelsTopGrassStrip) {
    static constexpr int kKey[15] = {0, 1, 2, 3, 4, 1, 2, 3, 4, 2, 3, 4, 3, 4, 4};
    static constexpr int kShift[15] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 4};
    for (int n : LevelCounters()) {
        const LevelSettings settings = LevelAt(n);
        const int lat = Config().GetInt(StringUtil::Format("GoalCellLat_00_%02d", kKey[n]));
        const int row =
            Config().GetInt(StringUtil::Format("GoalCellLong_00_%02d", kKey[n])) + 6 * kShift[n];
        EXPECT_GE(lat, 0);
        EXPECT_LT(lat, 16);
        EXPECT_EQ(row, settings.worldRows() - 1) << "level " << n;
        EXPECT_TRUE(IsFreeLand(settings, lat, row)) << "level " << n;
    }
}

TEST_F(AssetgenWorldTest, EveryStartCellIsOnDryFreeLandOfItsStartStrip) {
    // Start index by level counter; 6 stands for itself.
    static constexpr int kStart[15] = {0, 1, 2, 3, 4, 0, 6, 2, 3, 0, 1, 2, 0, 1, 0};
    for (int n : LevelCounters()) {
        const LevelSettings settings = LevelAt(n);
        const int lat = Config().GetInt(StringUtil::Format("frogStartCellLat_0_%d", kStart[n]));
        const int row = Config().GetInt(StringUtil::Format("frogStartCellLong_0_%d", kStart[n]));
        EXPECT_EQ(row, 0) << "level " << n;
        EXPECT_GE(lat, 0);
        EXPECT_LT(lat, 16);
        EXPECT_TRUE(IsFreeLand(settings, lat, row)) << "level " << n;
    }
}

TEST_F(AssetgenWorldTest, DecorationsLieInsideThePictureOverTheirLanes) {
    const auto picture = Singleton<PictureLoader>::Instance().Load("backgroundworld00", true);
    ASSERT_NE(picture, nullptr);
    for (const auto& [count, stem, label] :
         {std::tuple{"numSpritesInTopLayer", "topLayerOffset", "TOP_LAYER_%02d"},
          {"numSpritesInRoadTopLayer", "roadTopLayerOffset", "ROAD_TOP_LAYER_%02d"}}) {
        const int entries = Config().GetInt(count);
        EXPECT_GT(entries, 0);
        for (int i = 0; i < entries; ++i) {
            const int x = Config().GetInt(StringUtil::Format("%sX%02d", stem, i));
            const int bottom = Config().GetInt(StringUtil::Format("%sY%02d", stem, i));
            const auto sprite = Singleton<PictureLoader>::Instance().Load(
                NormalizeLabel(StringUtil::Format(label, i)), false);
            ASSERT_NE(sprite, nullptr);
            EXPECT_GE(x, 0);
            EXPECT_LE(x + sprite->GetWidth(), picture->GetWidth());
            EXPECT_GE(bottom, 0);
            EXPECT_LE(bottom + sprite->GetHeight(), picture->GetHeight() - 975)
                << "below the showdown stage";
        }
    }
}

} // namespace
