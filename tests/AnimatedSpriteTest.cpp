#include "gfx/AnimatedSprite.h"

#include "support/SpriteScreen.h"

namespace {

// Three frames of 6 x 4 stacked in one picture, each a flat colour of its own.
constexpr std::uint32_t kFrameColours[] = {0xFF0000, 0x00FF00, 0x0000FF};

std::uint32_t FrameColour(int, int y) {
    return kFrameColours[y / 4];
}

class AnimatedSpriteTest : public SpriteScreen {};

TEST_P(AnimatedSpriteTest, TheFrameAtTheSpritesTimeIsDrawn) {
    AnimatedSprite sprite;
    ASSERT_TRUE(sprite.Create(*Picture(6, 12, FrameColour), nullptr, 3, 3.0f, false, true));
    EXPECT_EQ(sprite.GetNumFrames(), 3);
    for (int frame = 0; frame < 3; ++frame) {
        sprite.time = frame + 0.5f;
        sprite.Draw(10 * frame, 0);
        EXPECT_EQ(Back().pixelAt(10 * frame + 5, 3), ScreenValue(kFrameColours[frame])) << frame;
    }
    EXPECT_EQ(sprite.GetWidth(), 6);
    EXPECT_EQ(sprite.GetHeight(), 4);
}

TEST_P(AnimatedSpriteTest, AFrameListPicksTheFramesOfItsSteps) {
    AnimatedSprite sprite;
    ASSERT_TRUE(sprite.Create(*Picture(6, 12, FrameColour), nullptr, 3, 1.0f, false, false));
    sprite.SetFrameList({2, 0, 7}, "test");
    sprite.time = 0.1f;
    sprite.Draw(0, 0);
    EXPECT_EQ(Back().pixelAt(0, 0), ScreenValue(kFrameColours[2]));
    // Past the end of a sequence that does not loop: its last step, frame 0.
    sprite.time = 5.0f;
    sprite.Draw(0, 0);
    EXPECT_EQ(Back().pixelAt(0, 0), ScreenValue(kFrameColours[0]));
}

TEST_P(AnimatedSpriteTest, CroppedFramesKeepTheirOwnOffsets) {
    AnimatedSprite sprite;
    ASSERT_TRUE(sprite.Create(*Picture(6, 8,
                                       [](int x, int y) {
                                           return (y < 4 ? x == 1 || x == 2 : x == 4 || x == 5)
                                                      ? kWhite
                                                      : 0;
                                       }),
                              nullptr, 2, 2.0f, true, true));
    sprite.time = 0.0f;
    sprite.Draw(0, 0);
    sprite.time = 1.0f;
    sprite.Draw(0, 10);
    EXPECT_EQ(Back().pixelAt(1, 0), ScreenValue(kWhite));
    EXPECT_EQ(Back().pixelAt(4, 10), ScreenValue(kWhite));
    EXPECT_EQ(Back().pixelAt(4, 0), 0u);
}

TEST_P(AnimatedSpriteTest, FramesWithAnAlphaMapAreBlended) {
    AnimatedSprite sprite;
    const auto alpha = AlphaMap(6, 12, [](int, int y) { return y < 4 ? 255 : 0; });
    ASSERT_TRUE(sprite.Create(*Picture(6, 12, FrameColour), alpha.get(), 3, 3.0f, false, true));
    FillBack(0x808080);
    sprite.time = 0.0f;
    sprite.Draw(0, 0);
    sprite.time = 1.0f;
    sprite.Draw(10, 0);
    EXPECT_EQ(Back().pixelAt(0, 0), ScreenValue(kFrameColours[0]));
    EXPECT_EQ(Back().pixelAt(10, 0), ScreenValue(0x808080));
    sprite.time = 0.0f;
    sprite.DrawScaled(20, 0, 12, 8);
    EXPECT_EQ(Back().pixelAt(20, 0), ScreenValue(kFrameColours[0]));
    EXPECT_TRUE(Quits().empty());
}

TEST_P(AnimatedSpriteTest, FrameCountsThePictureCannotHoldAreRefused) {
    const auto picture = Picture(6, 12, FrameColour);
    for (const int frames : {13, 0, -2}) {
        AnimatedSprite sprite;
        EXPECT_FALSE(sprite.Create(*picture, nullptr, frames, 1.0f, false, true)) << frames;
        sprite.Draw(0, 0);
        EXPECT_EQ(sprite.GetWidth(), 0);
    }
    EXPECT_EQ(Count(Log(), "Animation of 13 frames does not fit a picture of 6 x 12 pixels.\n"), 1);
}

TEST_P(AnimatedSpriteTest, AnAlphaMapOfAnotherSizeEndsTheProgram) {
    AnimatedSprite sprite;
    const auto alpha = AlphaMap(6, 11, [](int, int) { return 255; });
    EXPECT_FALSE(sprite.Create(*Picture(6, 12, FrameColour), alpha.get(), 3, 1.0f, false, true));
    EXPECT_EQ(Count(Log(), "image and alpha map sizes do not match.\n"), 1);
    EXPECT_EQ(Quits(), std::vector<int>{-1});
}

TEST_P(AnimatedSpriteTest, RestoringRefillsEveryFrame) {
    AnimatedSprite sprite;
    ASSERT_TRUE(sprite.Create(*Picture(6, 12, FrameColour), nullptr, 3, 3.0f, false, true));
    LoseSurfaces();
    Display().RestoreSurfaces();
    sprite.Restore();
    for (int frame = 0; frame < 3; ++frame) {
        sprite.time = static_cast<float>(frame);
        sprite.Draw(10 * frame, 0);
        EXPECT_EQ(Back().pixelAt(10 * frame, 0), ScreenValue(kFrameColours[frame]));
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, AnimatedSpriteTest, ::testing::Values(16, 32));

} // namespace
