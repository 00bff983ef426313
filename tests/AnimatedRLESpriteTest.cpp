#include "gfx/AnimatedRLESprite.h"

#include "support/SpriteScreen.h"

namespace {

class AnimatedRLESpriteTest : public SpriteScreen {
  protected:
    // Two frames of 40 x 10: long runs and tagged literals, so both kinds of packet are decoded.
    static std::uint32_t Frames(int x, int y) {
        if (y >= 10)
            return x < 20 ? 0x00FF00 : Tag(x, y);
        return x % 8 < 5 ? 0xFF0000 : Tag(x, y);
    }

    void SetUp() override {
        ASSERT_TRUE(sprite.Create(*Picture(40, 20, Frames), 2, 2.0f, false, true));
        picture = Picture(40, 20, Frames);
    }

    void ExpectFrameAt(int frame, int screenX, int screenY) {
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(Back().pixelAt(screenX + x, screenY + y),
                          Raw(*picture, x, frame * 10 + y))
                    << "(" << x << ", " << y << ")";
    }

    // Paints one pixel straight into the decoded frame's surface.
    void Mark(std::uint32_t value) {
        platform::SurfaceDescription locked;
        ASSERT_EQ(sprite.GetSurface().Get()->lock(nullptr, locked), platform::dd::Ok);
        locked.format.write(locked.bits, value);
        sprite.GetSurface().Get()->unlock();
    }

    AnimatedRLESprite sprite;
    std::unique_ptr<Image> picture;
};

TEST_P(AnimatedRLESpriteTest, EachFrameIsDecodedWhenItsStepComes) {
    EXPECT_EQ(sprite.GetShownFrame(), -1);
    sprite.time = 0.5f;
    sprite.Draw(0, 0);
    ExpectFrameAt(0, 0, 0);
    sprite.time = 1.5f;
    sprite.Draw(0, 100);
    ExpectFrameAt(1, 0, 100);
    EXPECT_EQ(sprite.GetShownFrame(), 1);
}

TEST_P(AnimatedRLESpriteTest, DrawingTwiceAtOneStepDecodesOnce) {
    sprite.time = 0.0f;
    sprite.Draw(0, 0);
    const std::uint32_t marker = ScreenValue(0x0000FF);
    Mark(marker);
    sprite.time = 0.9f;
    sprite.Draw(0, 0);
    EXPECT_EQ(Back().pixelAt(0, 0), marker);

    sprite.time = 1.0f;
    sprite.Draw(0, 0);
    sprite.time = 0.0f;
    sprite.Draw(0, 0);
    ExpectFrameAt(0, 0, 0);
}

TEST_P(AnimatedRLESpriteTest, CroppedFramesAreDrawnAtTheirOffsets) {
    AnimatedRLESprite cropped;
    // Frame 0 has a dot at (2, 3), frame 1 a 3 x 2 bar at (5, 6).
    ASSERT_TRUE(cropped.Create(*Picture(10, 20,
                                        [](int x, int y) {
                                            if (y < 10)
                                                return x == 2 && y == 3 ? kWhite : 0u;
                                            return x >= 5 && x < 8 && y >= 16 && y < 18 ? kWhite
                                                                                        : 0u;
                                        }),
                               2, 2.0f, true, true));
    cropped.time = 1.0f;
    EXPECT_EQ(cropped.GetWidth(), 3);
    EXPECT_EQ(cropped.GetHeight(), 2);
    cropped.Draw(100, 100);
    EXPECT_EQ(Back().pixelAt(105, 106), ScreenValue(kWhite));
    EXPECT_EQ(Back().pixelAt(107, 107), ScreenValue(kWhite));
    EXPECT_EQ(Back().pixelAt(104, 106), 0u);
    cropped.DrawCentered(300, 300);
    EXPECT_EQ(Back().pixelAt(300 - 1 + 5, 300 - 1 + 6), ScreenValue(kWhite));
}

TEST_P(AnimatedRLESpriteTest, ScaledAndOpaqueDrawsWorkLikeAnySurface) {
    sprite.time = 0.0f;
    sprite.DrawScaled(0, 0, 80, 20);
    EXPECT_EQ(Back().pixelAt(0, 0), Raw(*picture, 0, 0));
    EXPECT_EQ(Back().pixelAt(79, 19), Raw(*picture, 39, 9));
    EXPECT_EQ(sprite.GetNumFrames(), 2);
}

TEST_P(AnimatedRLESpriteTest, ALostSurfaceIsDecodedAgainAfterRestoring) {
    sprite.time = 0.0f;
    sprite.Draw(0, 0);
    LoseSurfaces();
    sprite.Draw(0, 0);
    EXPECT_TRUE(Singleton<SpriteManager>::Instance().HasLostSurfaces());
    EXPECT_TRUE(Quits().empty());
    Display().RestoreSurfaces();
    sprite.Restore();
    EXPECT_EQ(sprite.GetShownFrame(), -1);
    sprite.Draw(200, 0);
    ExpectFrameAt(0, 200, 0);
}

TEST_P(AnimatedRLESpriteTest, FrameCountsThePictureCannotHoldAreRefused) {
    AnimatedRLESprite tooMany;
    EXPECT_FALSE(tooMany.Create(*picture, 21, 1.0f, false, true));
    tooMany.Draw(0, 0);
    EXPECT_EQ(tooMany.GetWidth(), 0);
    EXPECT_EQ(tooMany.GetNumFrames(), 0);
}

INSTANTIATE_TEST_SUITE_P(Depths, AnimatedRLESpriteTest, ::testing::Values(16, 32));

} // namespace
