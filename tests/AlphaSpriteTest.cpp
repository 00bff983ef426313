#include "gfx/AlphaSprite.h"

#include "support/SpriteScreen.h"

namespace {

class AlphaSpriteTest : public SpriteScreen {
protected:
    std::unique_ptr<AlphaSprite> Make(std::uint32_t colour, std::uint8_t alpha, int width = 4,
                                      int height = 4) {
        auto sprite = std::make_unique<AlphaSprite>();
        EXPECT_TRUE(sprite->Create(Picture(width, height, [colour](int, int) { return colour; }),
                                   AlphaMap(width, height, [alpha](int, int) { return alpha; }),
                                   width, height, 0, 0, false));
        return sprite;
    }

    // The channels of a screen pixel at their own width: 5 bits on 16-bit screens (green's top
    // five of six), 8 on 32-bit ones.
    std::array<int, 3> Channels(int x, int y) {
        const std::uint32_t pixel = Back().pixelAt(x, y);
        if (Depth() == 16)
            return {int(pixel >> 11 & 31), int(pixel >> 6 & 31), int(pixel & 31)};
        return {int(pixel >> 16 & 255), int(pixel >> 8 & 255), int(pixel & 255)};
    }
};

TEST_P(AlphaSpriteTest, HalfAlphaWhiteOverBlackGivesHalfOfTheTopChannelValue) {
    auto sprite = Make(kWhite, 128);
    sprite->Draw(10, 10);
    const int half = Depth() == 16 ? 15 : 127;
    EXPECT_EQ(Channels(10, 10), (std::array<int, 3>{half, half, half}));
    EXPECT_EQ(Channels(13, 13), (std::array<int, 3>{half, half, half}));
    EXPECT_EQ(Back().pixelAt(14, 10), 0u);
}

TEST_P(AlphaSpriteTest, NoAlphaKeepsTheTargetAndFullAlphaTakesThePicture) {
    FillBack(0x4080C0);
    auto sprite = std::make_unique<AlphaSprite>();
    ASSERT_TRUE(sprite->Create(Picture(2, 2, [](int, int) { return 0x102030u; }),
                               AlphaMap(2, 2, [](int x, int) { return x ? 255 : 0; }), 2, 2, 0, 0,
                               false));
    sprite->Draw(0, 0);
    EXPECT_EQ(Back().pixelAt(0, 0), ScreenValue(0x4080C0));
    EXPECT_EQ(Back().pixelAt(1, 0), ScreenValue(0x102030));
}

TEST_P(AlphaSpriteTest, BlendingTowardsADarkerSourceRoundsDown) {
    FillBack(kWhite);
    auto sprite = Make(0x000000, 64);
    sprite->Draw(0, 0);
    // d + ((s - d) * a >> 8) with s = 0: 31 - 7.75 rounds to 23 (16-bit), 255 - 63.75 to 191.
    const int expected = Depth() == 16 ? 23 : 191;
    EXPECT_EQ(Channels(0, 0), (std::array<int, 3>{expected, expected, expected}));
}

TEST_P(AlphaSpriteTest, ClippedDrawsBlendOnlyTheVisiblePart) {
    auto sprite = std::make_unique<AlphaSprite>();
    ASSERT_TRUE(sprite->Create(Picture(20, 20, Tag), AlphaMap(20, 20, [](int, int) { return 255; }),
                               20, 20, 0, 0, false));
    const auto picture = Picture(20, 20, Tag);
    sprite->Draw(-5, 590);
    EXPECT_EQ(Back().pixelAt(0, 590), Raw(*picture, 5, 0));
    EXPECT_EQ(Back().pixelAt(14, 599), Raw(*picture, 19, 9));
    sprite->Draw(790, -15);
    EXPECT_EQ(Back().pixelAt(799, 0), Raw(*picture, 9, 15));
    sprite->DrawPart({-4, -4, 40, 2}, 300, 300);
    EXPECT_EQ(Back().pixelAt(304, 304), Raw(*picture, 0, 0));
    EXPECT_EQ(Back().pixelAt(323, 306), Raw(*picture, 19, 2));
    EXPECT_EQ(Back().pixelAt(324, 306), 0u);
}

TEST_P(AlphaSpriteTest, CroppingKeepsTheUnionOfPictureAndAlphaBoxes) {
    auto sprite = std::make_unique<AlphaSprite>();
    ASSERT_TRUE(
        sprite->Create(Picture(20, 20, [](int x, int y) { return x == 3 && y == 4 ? kWhite : 0; }),
                       AlphaMap(20, 20, [](int x, int y) { return x == 9 && y == 12 ? 255 : 0; }),
                       20, 20, 0, 0, true));
    EXPECT_EQ(sprite->GetOffsetX(), 3);
    EXPECT_EQ(sprite->GetOffsetY(), 4);
    EXPECT_EQ(sprite->GetWidth(), 7);
    EXPECT_EQ(sprite->GetHeight(), 9);
}

TEST_P(AlphaSpriteTest, AnAlphaMapOfAnotherSizeEndsTheProgram) {
    AlphaSprite sprite;
    EXPECT_FALSE(sprite.Create(Picture(4, 4, Tag), AlphaMap(4, 3, [](int, int) { return 255; }), 4,
                               4, 0, 0, false));
    EXPECT_EQ(Count(Log(), "image and alpha map sizes do not match.\n"), 1);
    EXPECT_EQ(Quits(), std::vector<int>{-1});
    sprite.Draw(0, 0);
    EXPECT_EQ(Back().pixelAt(0, 0), 0u);
}

TEST_P(AlphaSpriteTest, AScaledDrawEndsTheProgram) {
    auto sprite = Make(kWhite, 255);
    sprite->DrawScaled(0, 0, 8, 8);
    EXPECT_EQ(Count(Log(), "Scaled blit not supported by alpha sprites.\n"), 1);
    EXPECT_EQ(Quits(), std::vector<int>{-1});
    EXPECT_EQ(Back().pixelAt(0, 0), 0u);
}

TEST_P(AlphaSpriteTest, ALostTargetIsHandedToTheSpriteManager) {
    auto sprite = Make(kWhite, 255);
    LoseSurfaces();
    sprite->Draw(0, 0);
    EXPECT_TRUE(Singleton<SpriteManager>::Instance().HasLostSurfaces());
    EXPECT_EQ(Count(Log(), "DirectX Error"), 0);
    EXPECT_TRUE(Quits().empty());
}

TEST_P(AlphaSpriteTest, ALockedTargetIsLoggedAndNothingIsDrawn) {
    auto sprite = Make(kWhite, 255);
    platform::SurfaceDescription locked;
    ASSERT_EQ(Back().lock(nullptr, locked), platform::dd::Ok);
    sprite->Draw(0, 0);
    Back().unlock();
    EXPECT_EQ(Count(Log(), "DirectX Error (887601ae) in file .\\AlphaSprite"), 1);
    EXPECT_EQ(Back().pixelAt(0, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Depths, AlphaSpriteTest, ::testing::Values(16, 32));

} // namespace
