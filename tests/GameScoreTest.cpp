#include "score/GameScore.h"

#include "WorldConfig.h"
#include "score/ScreenMessage.h"
#include "support/ScratchFolder.h"
#include "world/Level.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr const char* kConfig =
    "piercingScore -50\nbusinessBugScore 40\nbutterflyScore 30\nnewsBugScore 20\n"
    "toolBugScore 60\nvoyagerBugScore 70\nstarScore 25\ntruckToTruckTravelScore 100\n"
    "scoreCountSpeed 100\nnumStarsForBonusLife 5.9\nareaDoneScore 200\nscorePerSecLeft 10\n"
    "numFrogLifes 3\nstarScoreBonus 200\nnumFrogsToGoal 1\n";

class GameScoreTest : public ::testing::Test {
  protected:
    void Start(const std::string& config = kConfig) {
        LoadWorldConfig(folder, config);
        level.settings.load();
        Score().init(level);
    }

    static GameScore& Score() { return Singleton<GameScore>::Instance(); }
    static ScreenMessage& Messages() { return Singleton<ScreenMessage>::Instance(); }

    ScratchFolder folder;
    Level level;
};

} // namespace

TEST_F(GameScoreTest, APiercingNeverTakesTheScoreBelowZeroButShowsItsAmount) {
    Start();
    Score().addInsectEaten(3, 0, 0);
    ASSERT_EQ(Score().getScore(), 30);
    Score().addPiercing(10, 20);
    EXPECT_EQ(Score().getScore(), 0);
    EXPECT_EQ(Messages().popups().back().value, -50);
}

TEST_F(GameScoreTest, EachInsectScoresByItsTypeAndAnUnexpectedOneTen) {
    Start();
    const int expected[] = {10, 10, 40, 30, 20, 10, 60, 70, 10};
    for (int type = 0; type < 9; ++type) {
        const int before = Score().getScore();
        Score().addInsectEaten(type, 0, 0);
        EXPECT_EQ(Score().getScore() - before, expected[type]) << "type " << type;
    }
}

TEST_F(GameScoreTest, APopupShowsWhereTheEventWasSeenOnScreen) {
    Start();
    level.camera.x = 0.4f;
    level.camera.y = 100.6f;
    Score().addStar(300.4f, 500.5f);
    const ScreenMessage::Popup& popup = Messages().popups().back();
    EXPECT_EQ(popup.x, 300.0f);
    EXPECT_EQ(popup.y, 501.0f - 101.0f) << "from the bottom edge";
    EXPECT_EQ(popup.value, 25);
}

TEST_F(GameScoreTest, EveryFifthStarGrantsALifeUntilTheAllowanceIsUsedThenPoints) {
    Start();
    for (int star = 1; star <= 25; ++star)
        Score().addStar(0, 0);
    EXPECT_EQ(level.settings.lives, 3 + 5);
    EXPECT_EQ(level.settings.bonusLivesLeft, 0);
    EXPECT_EQ(Score().getStarsCollected(), 0);
    EXPECT_EQ(Messages().line1(), "Bonus life!");
    const int before = Score().getScore();
    for (int star = 1; star <= 5; ++star)
        Score().addStar(0, 0);
    EXPECT_EQ(level.settings.lives, 8);
    EXPECT_EQ(Score().getScore() - before, 5 * 25 + 200);
    EXPECT_EQ(Messages().line1(), "Star bonus!");
}

TEST_F(GameScoreTest, TheDisplayedScoreCountsUpAtItsSpeedWithoutOvershooting) {
    Start();
    Score().addAreaDone();
    Score().addInsectEaten(3, 0, 0);
    Score().addInsectEaten(9, 0, 0);
    Score().addInsectEaten(9, 0, 0);
    Score().addInsectEaten(9, 0, 0);
    ASSERT_EQ(Score().getScore(), 260);
    for (int frame = 0; frame < 26; ++frame) {
        Score().update(0.1f);
        EXPECT_LE(Score().getDisplayedScore(), 260.0f);
    }
    EXPECT_EQ(Score().getDisplayedScore(), 260.0f);
    Score().addPiercing(0, 0);
    Score().update(10.0f);
    EXPECT_EQ(Score().getDisplayedScore(), 210.0f) << "and down again";
}

TEST_F(GameScoreTest, TheTimeBonusTruncatesTheSecondsLeftTimesTheRate) {
    Start();
    level.settings.levelTime = 12.39f;
    Score().addTimeBonus(0, 0);
    EXPECT_EQ(Score().getScore(), 123);
}

TEST_F(GameScoreTest, TheScoreStopsAtTheLimitsOfItsType) {
    Start("truckToTruckTravelScore 1000000\n");
    for (int ride = 0; ride < 2200; ++ride)
        Score().addTruckToTruck();
    EXPECT_EQ(Score().getScore(), INT_MAX);
}

TEST_F(GameScoreTest, ANonPositiveStarCountNeverGrantsALife) {
    Start("numStarsForBonusLife 0\nnumFrogLifes 3\n");
    for (int star = 0; star < 10; ++star)
        Score().addStar(0, 0);
    EXPECT_EQ(level.settings.lives, 3);
}
