#include "SpriteScene.h"

#include "platform/headless/HeadlessPlatform.h"
#include "support/HeadlessScreen.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

platform::HeadlessDisplayDevice& Device() {
    return static_cast<platform::HeadlessDisplayDevice&>(platform::Platform::current().display());
}

class SpriteSceneTest : public ::testing::TestWithParam<int> {
  protected:
    ScratchFolder folder;
    HeadlessScreen screen{GetParam()};
};

// Every kind of sprite, built from its files by the catalogue, drawn into one frame and
// presented: the frame shows each as its pixels and the screen format say.
TEST_P(SpriteSceneTest, APresentedFrameShowsEverySpriteKind) {
    scene::Register();
    scene::Draw();
    Singleton<DirectDraw>::Instance().Present();
    ASSERT_NE(Device().lastFrame(), nullptr);
    scene::Check(*Device().lastFrame(), GetParam());
    EXPECT_TRUE(screen.Window().messageBoxes().empty());
}

TEST_P(SpriteSceneTest, ASecondFrameUsesTheSpritesBuiltForTheFirst) {
    scene::Register();
    scene::Draw();
    Singleton<DirectDraw>::Instance().Present();
    std::filesystem::remove_all("data");
    scene::Draw();
    Singleton<DirectDraw>::Instance().Present();
    scene::Check(*Device().lastFrame(), GetParam());
    EXPECT_EQ(folder.Read("debug.txt").find("Failed to load"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Depths, SpriteSceneTest, ::testing::Values(16, 32));

} // namespace
