#include "world/VisualObject.h"

#include "WorldConfig.h"
#include "gfx/SurfaceSprite.h"
#include "support/SpriteScreen.h"
#include "world/Camera.h"
#include "world/Trunk.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBlue = 0x2040F0;
constexpr std::uint32_t kRed = 0xF02020;

class VisualObjectTest : public SpriteScreen {
  protected:
    // A solid 10 x 6 sprite under the trunk's label.
    void AddTrunkSprite(std::uint32_t colour, bool mirrored) {
        auto sprite = std::make_unique<SurfaceSprite>();
        ASSERT_TRUE(sprite->Create(Picture(10, 6, [colour](int, int) { return colour; }), 10, 6, 0,
                                   0, false));
        Singleton<SpriteManager>::Instance().AddSprite(std::move(sprite), "TRUNK_SWIMMING",
                                                       mirrored);
    }

    // The 10 x 6 block whose top-left is (left, top) has `colour` and nothing around it does.
    void ExpectBlockAt(int left, int top, std::uint32_t colour) {
        const std::uint32_t value = ScreenValue(colour);
        EXPECT_EQ(Back().pixelAt(left, top), value);
        EXPECT_EQ(Back().pixelAt(left + 9, top + 5), value);
        EXPECT_EQ(Back().pixelAt(left - 1, top), 0u);
        EXPECT_EQ(Back().pixelAt(left + 10, top), 0u);
        EXPECT_EQ(Back().pixelAt(left, top - 1), 0u);
        EXPECT_EQ(Back().pixelAt(left, top + 6), 0u);
    }

    // The trunk reads its settings when it is put on a lane.
    VisualObjectTest() {
        LoadWorldConfig(
            folder, "trunkObjectWidth 120\ntrunkObjectHeight 40\ntrunkOffsetX 3\ntrunkOffsetY 4\n");
        trunk.attach({}, false);
    }

    Trunk trunk;
    Camera camera;
};

TEST_P(VisualObjectTest, SizeAndOffsetsComeFromThePrefixedSettings) {
    EXPECT_EQ(trunk.getWidth(), 120);
    EXPECT_EQ(trunk.getHeight(), 40);
    EXPECT_EQ(trunk.getOffsetX(), 3);
    EXPECT_EQ(trunk.getOffsetY(), 4);
}

TEST_P(VisualObjectTest, ContainsPointIsInclusiveAtHalfTheSize) {
    trunk.setPosition(200.0f, 300.0f);
    EXPECT_TRUE(trunk.containsPoint(260, 320));
    EXPECT_TRUE(trunk.containsPoint(140, 280));
    EXPECT_FALSE(trunk.containsPoint(261, 300));
    EXPECT_FALSE(trunk.containsPoint(200, 321));
    trunk.setPosition(200.5f, 300.0f);
    EXPECT_FALSE(trunk.containsPoint(140, 300));
    EXPECT_TRUE(trunk.containsPoint(141, 300));
}

TEST_P(VisualObjectTest, DrawCentresTheSpriteOnTheRoundedScreenPositionPlusOffsets) {
    AddTrunkSprite(kBlue, false);
    camera.x = 10.4f;
    camera.y = 100.5f;
    trunk.setPosition(200.5f, 300.4f);
    trunk.draw(camera, 0.0f, false);
    // x: 201 + 3 - 10 = 194; y: 600 + 101 - 4 - 300 = 397; the 10 x 6 sprite is centred there.
    ExpectBlockAt(189, 394, kBlue);
}

TEST_P(VisualObjectTest, TheMirroredDrawUsesTheMirroredSprite) {
    AddTrunkSprite(kBlue, false);
    AddTrunkSprite(kRed, true);
    trunk.setPosition(400.0f, 300.0f);
    trunk.draw(camera, 0.0f, true);
    // Centre (400 + 3, 600 - 300 - 4).
    ExpectBlockAt(398, 293, kRed);
}

INSTANTIATE_TEST_SUITE_P(Depths, VisualObjectTest, ::testing::Values(16, 32));

} // namespace
