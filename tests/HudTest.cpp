#include "app/Hud.h"

#include "WorldConfig.h"
#include "score/GameScore.h"
#include "score/ScreenMessage.h"
#include "support/GlyphFont.h"
#include "support/SpriteScreen.h"
#include "world/Level.h"

namespace {

constexpr std::uint32_t kHead = 0x20A040;
constexpr std::uint32_t kHome = 0x2040C0;
constexpr std::uint32_t kLeft = 0xC0C040;
constexpr std::uint32_t kStar = 0xF0E020;

// Icons of 40 x 30; the fonts draw only "1", as a red block.
class HudTest : public SpriteScreen {
  protected:
    HudTest() {
        LoadWorldConfig(
            folder, "numFrogLifes 3\nnumFrogsToGoal 3\nscoreDisplayTime 5\nscoreCountSpeed 100\n");
        GlyphFont::LoadGameFonts(folder);
        AddSprite("FROG_HEAD", 40, 30, kHead);
        AddSprite("FROG_TO_GOAL", 40, 30, kHome);
        AddSprite("FROG_TO_GOAL_LEFT", 40, 30, kLeft);
        AddSprite("STAR", 40, 30, kStar);
        level.settings.load();
        Singleton<GameScore>::Instance().init(level);
        Singleton<ScreenMessage>::Instance().init();
    }

    void DrawAt(unsigned milliseconds, bool paused, bool blinkLives, bool blinkGoals) {
        screen.Clock().advance(milliseconds - screen.Clock().milliseconds());
        FillBack(kWhite);
        hud.DrawHud(level.settings, paused, 0.0f, blinkLives, blinkGoals);
    }
    bool Shows(int x, int y, std::uint32_t colour) {
        return Back().pixelAt(x, y) == ScreenValue(colour);
    }
    int HeadsShown() {
        int count = 0;
        for (int x = 10; x < 800; x += 50)
            count += Shows(x + 5, 600 - 11 - 15, kHead);
        return count;
    }

    Level level;
    Hud hud;
};

} // namespace

TEST(HudClock, ShowsMinutesAndSecondsOfWholeSecondsLeftAndNeverBelowZero) {
    EXPECT_EQ(Hud::ClockText(125.9f), "2:05");
    EXPECT_EQ(Hud::ClockText(-0.5f), "0:00");
    EXPECT_EQ(Hud::ClockText(600.0f), "10:00");
}

TEST_P(HudTest, ALifeBlinksAwayEveryOtherHalfSecond) {
    DrawAt(400, false, true, false);
    EXPECT_EQ(HeadsShown(), 3);
    DrawAt(600, false, true, false);
    EXPECT_EQ(HeadsShown(), 2);
    DrawAt(600, false, false, false);
    EXPECT_EQ(HeadsShown(), 3) << "no blinking asked";
}

TEST_P(HudTest, TheFrogsOfTheLevelBlinkOneMoreHomeIcon) {
    level.settings.frogsRemaining = 2;
    const int y = 600 - 11 - 15;
    DrawAt(400, false, false, true);
    EXPECT_TRUE(Shows(555, y, kHome));
    EXPECT_TRUE(Shows(605, y, kHome));
    EXPECT_TRUE(Shows(655, y, kLeft));
    DrawAt(600, false, false, true);
    EXPECT_TRUE(Shows(655, y, kHome));
}

TEST_P(HudTest, TheScoreEndsElevenPixelsFromTheRightAndTheStarSitsInTheCorner) {
    Singleton<GameScore>::Instance().addInsectEaten(9, 0, 0);
    Singleton<GameScore>::Instance().update(100.0f);
    DrawAt(0, false, false, false);
    // "10": only the "1" has a glyph, ten pixels left of the zero's spacing.
    EXPECT_TRUE(Shows(800 - 11 - 1 - 1, 15, GlyphFont::kRed));
    EXPECT_FALSE(Shows(800 - 11, 15, GlyphFont::kRed));
    EXPECT_TRUE(Shows(800 - 15 - 1, 600 - 15 - 1, kStar));
    EXPECT_FALSE(Shows(800 - 15, 600 - 15 - 1, kStar));
}

TEST_P(HudTest, WhilePausedTheMessagesShowInOneOfThreePeriods) {
    Singleton<ScreenMessage>::Instance().showScore(100, 300, 1);
    DrawAt(400, true, false, false);
    EXPECT_FALSE(Shows(100, 300, GlyphFont::kRed)) << "the pause word hides the popup";
    DrawAt(1000, true, false, false);
    EXPECT_TRUE(Shows(100, 300, GlyphFont::kRed));
}

INSTANTIATE_TEST_SUITE_P(Depths, HudTest, ::testing::Values(16, 32));
