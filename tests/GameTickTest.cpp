#include "app/Game.h"
#include "gfx/DirectDraw.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

// The frame clock alone: a reserved state number never gets a handler, so every frame that
// runs leaves one "Invalid GameState" line, and the transition clock shows the frame's dt.
class GameTickTest : public ::testing::Test {
  protected:
    GameTickTest() {
        platform::Platform::install(&headless);
        game.CutToState(static_cast<GameState>(3));
    }

    void TickAfter(uint32_t ms, bool focus = true) {
        headless.clock().advance(ms);
        game.Tick(focus);
    }

    int Frames() const { return CountOf(folder.Read("debug.txt"), "Invalid GameState 3\n"); }
    float FadeTime() const { return Singleton<DirectDraw>::Instance().fadeTime; }

    ScratchFolder folder;
    platform::HeadlessPlatform headless;
    Game& game = Singleton<Game>::Instance();
};

TEST_F(GameTickTest, WithoutFocusNoFrameRunsHoweverLongItWaits) {
    for (int i = 0; i < 10; ++i)
        TickAfter(1000, false);
    EXPECT_EQ(Frames(), 0);
    EXPECT_EQ(FadeTime(), 0.0f);
}

TEST_F(GameTickTest, TicksUnderTwentyMillisecondsAccumulateIntoOneFrame) {
    TickAfter(0);
    TickAfter(15);
    EXPECT_EQ(Frames(), 0);
    TickAfter(20);
    EXPECT_EQ(Frames(), 1);
    EXPECT_FLOAT_EQ(FadeTime(), 0.035f);
}

TEST_F(GameTickTest, ExactlyTwentyMillisecondsMakeAFrame) {
    TickAfter(0);
    TickAfter(20);
    TickAfter(20);
    EXPECT_EQ(Frames(), 2);
}

TEST_F(GameTickTest, TransitionClockAdvancesAtMostATenthOfASecondPerFrame) {
    TickAfter(0);
    TickAfter(500);
    EXPECT_EQ(Frames(), 1);
    EXPECT_FLOAT_EQ(FadeTime(), 0.1f);
}

TEST_F(GameTickTest, TimeWithoutFocusIsDroppedUpToTheLastUnfocusedReading) {
    TickAfter(0);
    TickAfter(10000, false);
    TickAfter(5, false);
    TickAfter(30);
    EXPECT_EQ(Frames(), 1);
    EXPECT_FLOAT_EQ(FadeTime(), 0.030f);
}

TEST_F(GameTickTest, ClockWrapAroundStillGivesTheElapsedTime) {
    headless.clock().advance(0xFFFFFFF0u);
    game.Tick(true);
    TickAfter(40);
    EXPECT_EQ(Frames(), 1);
    EXPECT_FLOAT_EQ(FadeTime(), 0.040f);
}

TEST_F(GameTickTest, WaitUntilTheNextFrameFollowsTheGate) {
    EXPECT_EQ(game.MillisecondsUntilNextFrame(false), -1);
    EXPECT_EQ(game.MillisecondsUntilNextFrame(true), 0);
    TickAfter(0);
    headless.clock().advance(12);
    EXPECT_EQ(game.MillisecondsUntilNextFrame(true), 8);
    headless.clock().advance(30);
    EXPECT_EQ(game.MillisecondsUntilNextFrame(true), 0);
}

} // namespace
