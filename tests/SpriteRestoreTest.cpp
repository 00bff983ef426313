#include "SpriteScene.h"
#include "app/Game.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

platform::HeadlessDisplayDevice& Device() {
    return static_cast<platform::HeadlessDisplayDevice&>(platform::Platform::current().display());
}

// The end of a main-loop turn as the frame clock runs it: invalid sprites and lost surfaces
// first, then the frame is presented.
void FinishTurn() {
    Singleton<SpriteManager>::Instance().ProcessInvalidSprites();
    Singleton<DirectDraw>::Instance().Present();
}

class SpriteRestoreTest : public ::testing::TestWithParam<int> {
  protected:
    ScratchFolder folder;
    HeadlessScreen screen{GetParam()};
};

TEST_P(SpriteRestoreTest, AfterALossEverySpriteDrawsAgainWithoutReadingItsFiles) {
    scene::Register();
    scene::Draw();
    FinishTurn();
    ASSERT_EQ(Device().framesShown(), 1);
    std::filesystem::remove_all("data");

    Device().loseSurfaces();
    // This turn's draws and its flip meet lost surfaces; nothing comes back before the next turn.
    scene::Draw();
    Singleton<DirectDraw>::Instance().Present();
    EXPECT_EQ(Device().framesShown(), 1);
    EXPECT_EQ(CountOf(folder.Read("debug.txt"), "Restoring surfaces"), 0);

    scene::Draw();
    FinishTurn();
    scene::Draw();
    FinishTurn();
    ASSERT_GE(Device().framesShown(), 2);
    scene::Check(*Device().lastFrame(), GetParam());

    const std::string log = folder.Read("debug.txt");
    EXPECT_GE(CountOf(log, "Lost surfaces detected. Restoring in next loop.\n"), 1);
    EXPECT_EQ(CountOf(log, "Restoring surfaces.\n"), 1) << log;
    EXPECT_EQ(CountOf(log, "Restoring surfaces done.\n"), 1) << log;
    EXPECT_EQ(log.find("Failed"), std::string::npos) << log;
    EXPECT_EQ(log.find("DirectX Error"), std::string::npos) << log;
    EXPECT_TRUE(screen.Window().messageBoxes().empty());
}

// The frame clock itself restores: a loss met by the flip of one frame is over at the next.
TEST_P(SpriteRestoreTest, TheFrameClockRestoresAtTheNextTurn) {
    Game& game = Singleton<Game>::Instance();
    game.CutToState(static_cast<GameState>(3));
    auto& clock = static_cast<platform::VirtualClock&>(platform::Platform::current().clock());
    game.Tick(true);
    clock.advance(20);
    game.Tick(true);
    Device().loseSurfaces();
    clock.advance(20);
    game.Tick(true);
    EXPECT_TRUE(Singleton<SpriteManager>::Instance().HasLostSurfaces());
    clock.advance(20);
    game.Tick(true);
    EXPECT_FALSE(Singleton<SpriteManager>::Instance().HasLostSurfaces());
    EXPECT_FALSE(Singleton<DirectDraw>::Instance().GetBackBuffer()->isLost());
    const std::string log = folder.Read("debug.txt");
    EXPECT_NE(log.find("Lost surfaces detected. Restoring in next loop.\n"
                       "Invalid GameState 3\n"
                       "Restoring surfaces.\n"
                       "Restoring surfaces done.\n"),
              std::string::npos)
        << log;
}

INSTANTIATE_TEST_SUITE_P(Depths, SpriteRestoreTest, ::testing::Values(16, 32));

} // namespace
