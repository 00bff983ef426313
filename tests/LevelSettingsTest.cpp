#include "world/LevelSettings.h"

#include "core/FileLoader.h"
#include "core/SettingsManager.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The example level: one start row, five one-row tracks and a grass row per area.
const std::string kExampleConfig =
    "numWorlds 5\nnumAreas 7\nnumVisibleAreas 3\nnumTracksPerArea 5\nnumCellsStartStrip 1\n"
    "numCellsPerGrassStrip 1\nnumCellsPerTrack 1\nnumFrogsToGoal 3\nnumFrogLifes 4\n"
    "maxNumBonusLifes 9\nstarScoreBonus 200\nlevelTimeSeconds 90\n"
    "areaType00 0\nareaType01 1\nareaType02 2\nareaType03 0\nareaType04 2\nareaType05 1\n"
    "areaType06 2\nfrogSpeedFactor00 1.0\nfrogSpeedFactor01 1.2\nfrogSpeedFactor02 1.5\n";

class LevelSettingsTest : public ::testing::Test {
  protected:
    LevelSettings Load(const std::string& config) {
        folder.Write("data/config.txt", config);
        Singleton<SettingsManager>::Instance().LoadSettings(
            Singleton<FileLoader>::Instance().GetBasePath() + "config.txt");
        LevelSettings settings;
        settings.load();
        return settings;
    }

    // Plays levels up to `level` the way the game does after every group of levels.
    static void AdvanceTo(LevelSettings& settings, int level) {
        while (settings.level < level)
            settings.advance();
    }

    std::string Log() const { return folder.Read("debug.txt"); }

    ScratchFolder folder;
};

TEST_F(LevelSettingsTest, LoadReadsTheRecordAndStartsAtTheFirstLevel) {
    LevelSettings settings = Load(kExampleConfig);
    EXPECT_EQ(settings.level, 0);
    EXPECT_EQ(settings.levelInWorld, 0);
    EXPECT_EQ(settings.world, 0);
    EXPECT_EQ(settings.numWorlds, 5);
    EXPECT_EQ(settings.visibleAreas, 3);
    EXPECT_EQ(settings.cellsPerArea, 6);
    EXPECT_EQ(settings.frogsRemaining, 3);
    EXPECT_EQ(settings.lives, 4);
    EXPECT_FLOAT_EQ(settings.levelTime, 90.0f);
    EXPECT_EQ(settings.areaTypes, (std::vector<int>{0, 1, 2, 0, 2, 1, 2}));
    EXPECT_EQ(settings.speedFactors, (std::vector<float>{1.0f, 1.2f, 1.5f}));
}

TEST_F(LevelSettingsTest, TheBonusLifeAllowanceIsFiveWhateverTheSettingSays) {
    LevelSettings settings = Load(kExampleConfig);
    EXPECT_EQ(settings.maxBonusLives, 5);
    EXPECT_EQ(settings.bonusLivesLeft, 5);
    for (int star = 0; star < 5; ++star)
        EXPECT_TRUE(settings.grantBonusLife());
    EXPECT_EQ(settings.lives, 9);
    EXPECT_EQ(settings.bonusLivesLeft, 0);
    EXPECT_FALSE(settings.grantBonusLife());
    EXPECT_EQ(settings.lives, 9);
}

TEST_F(LevelSettingsTest, TheExampleLevelHasNineteenRowsAndItsSecondAreaStartsAtRowSeven) {
    LevelSettings settings = Load(kExampleConfig);
    settings.updateVisibleAreas();
    EXPECT_EQ(settings.worldRows(), 19);
    EXPECT_EQ(settings.firstRowOfArea(1), 7);
    EXPECT_EQ(settings.backgroundHeight(), 20 * 75);
}

TEST_F(LevelSettingsTest, TheFirstFiveLevelsHaveThreeAreasAndTheConfiguredTime) {
    LevelSettings settings = Load(kExampleConfig);
    for (int level = 0; level < 5; ++level) {
        AdvanceTo(settings, level);
        settings.updateVisibleAreas();
        EXPECT_EQ(settings.visibleAreas, 3) << level;
        EXPECT_EQ(settings.levelInWorld, level);
        EXPECT_FLOAT_EQ(settings.levelTime, 90.0f);
    }
}

TEST_F(LevelSettingsTest, AdvancingFromLevelFourEndsTheGroup) {
    LevelSettings settings = Load(kExampleConfig);
    AdvanceTo(settings, 4);
    settings.frogsRemaining = 0;
    EXPECT_FALSE(settings.advance());
    EXPECT_EQ(settings.level, 5);
    EXPECT_EQ(settings.levelInWorld, 0);
    EXPECT_EQ(settings.visibleAreas, 4);
    EXPECT_FLOAT_EQ(settings.levelTime, 135.0f);
    EXPECT_EQ(settings.frogsRemaining, 3);
}

TEST_F(LevelSettingsTest, EveryLevelBeforeTheGroupIsFullAdvancesWithinIt) {
    LevelSettings settings = Load(kExampleConfig);
    settings.updateVisibleAreas();
    for (int level = 0; level < 4; ++level)
        EXPECT_TRUE(settings.advance()) << level;
}

TEST_F(LevelSettingsTest, GroupsShrinkAsTheLevelsGrowTaller) {
    LevelSettings settings = Load(kExampleConfig);
    settings.updateVisibleAreas();
    std::vector<int> groupEnds;
    while (settings.level < 20)
        if (!settings.advance())
            groupEnds.push_back(settings.level);
    // 3 areas: 5 levels, 4 areas: 4, 5 areas: 3, 6 areas: 2, 7 areas: one each.
    EXPECT_EQ(groupEnds, (std::vector<int>{5, 9, 12, 14, 15, 16, 17, 18, 19, 20}));
}

TEST_F(LevelSettingsTest, LevelTwentyHasSevenAreasTheLongestTimeAndTwoAndAHalfTimesTheSpeedUp) {
    LevelSettings settings = Load(kExampleConfig);
    AdvanceTo(settings, 20);
    EXPECT_EQ(settings.visibleAreas, 7);
    EXPECT_FLOAT_EQ(settings.levelTime, 270.0f);
    settings.frogsRemaining = 3;
    EXPECT_FLOAT_EQ(settings.currentSpeedFactor(), 1.0f * 2.5f);
    // The lanes already run 2.5 times faster: the next frogs add their own factor alone.
    settings.frogsRemaining = 2;
    EXPECT_FLOAT_EQ(settings.currentSpeedFactor(), 1.2f);
}

TEST_F(LevelSettingsTest, UpToLevelFourteenTheSpeedUpIsTheFrogsFactorAlone) {
    LevelSettings settings = Load(kExampleConfig);
    AdvanceTo(settings, 14);
    settings.frogsRemaining = 1;
    EXPECT_FLOAT_EQ(settings.currentSpeedFactor(), 1.5f);
}

TEST_F(LevelSettingsTest, TheTableTimesHoldFromTheirFirstLevelOn) {
    LevelSettings settings = Load(kExampleConfig);
    const std::pair<int, float> expected[] = {{8, 135.0f},  {9, 180.0f},  {11, 180.0f},
                                              {12, 225.0f}, {13, 225.0f}, {14, 270.0f}};
    for (const auto& [level, time] : expected) {
        AdvanceTo(settings, level);
        EXPECT_FLOAT_EQ(settings.levelTime, time) << level;
    }
}

TEST_F(LevelSettingsTest, AnAreaIndexBeyondTheTypesIsReportedNotRead) {
    LevelSettings settings = Load("numAreas 2\n" + kExampleConfig);
    EXPECT_EQ(settings.areaType(1), 1);
    EXPECT_EQ(settings.areaType(2), std::nullopt);
    EXPECT_EQ(settings.areaType(-1), std::nullopt);
    EXPECT_NE(Log().find("area index 2 has no area type"), std::string::npos);
}

TEST_F(LevelSettingsTest, AbsurdCountsAreHeldToSaneValuesWithALogLine) {
    const std::string absurd =
        "numAreas 5000\nnumTracksPerArea -3\nnumCellsStartStrip 0\nnumCellsPerGrassStrip 100000\n"
        "numCellsPerTrack -1\nnumFrogsToGoal 0\nnumVisibleAreas 900\n";
    LevelSettings settings = Load(absurd + kExampleConfig);
    EXPECT_EQ(settings.numAreas, LevelSettings::kMaxListEntries);
    EXPECT_EQ(settings.areaTypes.size(), static_cast<std::size_t>(LevelSettings::kMaxListEntries));
    EXPECT_EQ(settings.tracksPerArea, 0);
    EXPECT_EQ(settings.grassStripCells, LevelSettings::kMaxCellsPerPart);
    EXPECT_EQ(settings.frogsToGoal, 1);
    EXPECT_EQ(settings.visibleAreas, LevelSettings::kMaxVisibleAreas);
    EXPECT_GE(settings.worldRows(), 0);
    EXPECT_GT(settings.backgroundHeight(), 0);
    EXPECT_NE(Log().find("numAreas 5000 is outside [1, 100], using 100"), std::string::npos);
    EXPECT_NE(Log().find("numTracksPerArea -3 is outside [0, 20], using 0"), std::string::npos);
    EXPECT_FLOAT_EQ(settings.currentSpeedFactor(), 1.0f);
}

TEST_F(LevelSettingsTest, TooFewAreaTypesForAGroupAreReportedAtLoad) {
    Load("numAreas 4\n" + kExampleConfig);
    EXPECT_NE(Log().find("4 area types cannot serve the 7 areas"), std::string::npos);
}

TEST_F(LevelSettingsTest, ASpeedFactorForMoreFrogsThanTheLevelHasFallsBackToOne) {
    LevelSettings settings = Load(kExampleConfig);
    settings.frogsRemaining = -4;
    EXPECT_FLOAT_EQ(settings.currentSpeedFactor(), 1.0f);
    EXPECT_NE(Log().find("no speed factor for 7 frogs home"), std::string::npos);
}

} // namespace
