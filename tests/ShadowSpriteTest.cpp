#include "gfx/ShadowSprite.h"

#include "support/SpriteScreen.h"

namespace {

class ShadowSpriteTest : public SpriteScreen {
  protected:
    // A shadow over the picture's non-black pixels.
    std::unique_ptr<ShadowSprite> Make(int width, int height,
                                       const std::function<std::uint32_t(int, int)>& colour) {
        auto sprite = std::make_unique<ShadowSprite>();
        EXPECT_TRUE(sprite->Create(*Picture(width, height, colour), width, height, false));
        return sprite;
    }
};

TEST_P(ShadowSpriteTest, WhiteIsHalvedInEveryChannel) {
    FillBack(kWhite);
    auto sprite = Make(2, 2, [](int, int) { return kWhite; });
    sprite->Draw(5, 5);
    const std::uint32_t pixel = Back().pixelAt(5, 5);
    if (Depth() == 16) {
        EXPECT_EQ(pixel >> 11, 15u);
        EXPECT_EQ(pixel >> 5 & 63, 30u);
        EXPECT_EQ(pixel & 31, 15u);
    } else {
        EXPECT_EQ(pixel & 0xFFFFFF, 0x7F7F7Fu);
    }
    EXPECT_EQ(Back().pixelAt(7, 5), ScreenValue(kWhite));
}

TEST_P(ShadowSpriteTest, NoBitMovesIntoTheNeighbouringChannel) {
    // Every channel's lowest bit set, green's sixth bit too on 5-6-5.
    const std::uint32_t lowBits = Depth() == 16 ? 0x0861 : 0x010101;
    Back().fill(nullptr, lowBits);
    auto sprite = Make(2, 2, [](int, int) { return kWhite; });
    sprite->Draw(0, 0);
    EXPECT_EQ(Back().pixelAt(0, 0), 0u);
}

TEST_P(ShadowSpriteTest, OnlyTheNonBlackPixelsCastTheShadow) {
    FillBack(kWhite);
    const std::uint32_t white = ScreenValue(kWhite);
    // A 3 x 2 box at (4, 5) of a 10 x 10 picture.
    auto sprite = Make(10, 10, [](int x, int y) {
        return x >= 4 && x < 7 && y >= 5 && y < 7 && x != 5 ? kWhite : 0;
    });
    EXPECT_EQ(sprite->GetWidth(), 10);
    sprite->Draw(100, 100);
    EXPECT_NE(Back().pixelAt(104, 105), white);
    EXPECT_EQ(Back().pixelAt(105, 105), white);
    EXPECT_NE(Back().pixelAt(106, 106), white);
    EXPECT_EQ(Back().pixelAt(103, 105), white);
    EXPECT_EQ(Back().pixelAt(104, 107), white);

    sprite->DrawCentered(200, 200);
    EXPECT_NE(Back().pixelAt(199, 200), white);
    EXPECT_EQ(Back().pixelAt(198, 200), white);
}

// Rows of a shape whose mask bits start anywhere within a byte: every pixel under a non-black
// one is halved, every other is left alone.
TEST_P(ShadowSpriteTest, LongRowsStartingAnywhereInTheMaskDarkenExactlyTheShape) {
    FillBack(kWhite);
    const std::uint32_t white = ScreenValue(kWhite);
    const auto casts = [](int x, int y) { return (x * 7 + y * 3) % 23 < 14 || (x > 20 && x < 33); };
    // 45 columns: no row after the first starts on a whole byte of the mask.
    auto sprite = Make(45, 6, [&](int x, int y) { return casts(x, y) ? kWhite : 0u; });
    sprite->Draw(10, 10);
    const std::uint32_t halved = Back().pixelAt(10 + 21, 10);
    EXPECT_NE(halved, white);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 45; ++x)
            EXPECT_EQ(Back().pixelAt(10 + x, 10 + y), casts(x, y) ? halved : white)
                << x << "," << y;
}

TEST_P(ShadowSpriteTest, APaletteFileCastsTheSameShadow) {
    // As read from an 8-bit picture file: palette indices, 0 black.
    Image picture;
    ASSERT_TRUE(picture.Create(6, 4, 8));
    for (int x = 2; x < 5; ++x)
        picture.GetData()[1 * 6 + x] = picture.GetData()[2 * 6 + x] = 200;
    ShadowSprite sprite;
    ASSERT_TRUE(sprite.Create(picture, 6, 4, true));
    FillBack(kWhite);
    sprite.Draw(0, 0);
    const std::uint32_t white = ScreenValue(kWhite);
    EXPECT_NE(Back().pixelAt(2, 1), white);
    EXPECT_NE(Back().pixelAt(4, 2), white);
    EXPECT_EQ(Back().pixelAt(1, 1), white);
    EXPECT_EQ(Back().pixelAt(5, 2), white);
    EXPECT_EQ(Back().pixelAt(2, 3), white);
}

TEST_P(ShadowSpriteTest, ShadowsAreClippedAtEveryEdge) {
    FillBack(kWhite);
    const std::uint32_t white = ScreenValue(kWhite);
    auto sprite = Make(20, 20, [](int, int) { return kWhite; });
    sprite->Draw(-10, -10);
    sprite->Draw(790, 590);
    EXPECT_NE(Back().pixelAt(0, 0), white);
    EXPECT_NE(Back().pixelAt(9, 9), white);
    EXPECT_EQ(Back().pixelAt(10, 10), white);
    EXPECT_NE(Back().pixelAt(799, 599), white);
    EXPECT_EQ(Back().pixelAt(789, 599), white);
}

TEST_P(ShadowSpriteTest, AScaledDrawEndsTheProgram) {
    auto sprite = Make(2, 2, [](int, int) { return kWhite; });
    sprite->DrawScaled(0, 0, 4, 4);
    EXPECT_EQ(Count(Log(), "Scaled blit not supported by shadow sprites.\n"), 1);
    EXPECT_EQ(Quits(), std::vector<int>{-1});
}

TEST_P(ShadowSpriteTest, ALostTargetIsHandedToTheSpriteManager) {
    auto sprite = Make(2, 2, [](int, int) { return kWhite; });
    LoseSurfaces();
    sprite->Draw(0, 0);
    EXPECT_TRUE(Singleton<SpriteManager>::Instance().HasLostSurfaces());
    EXPECT_TRUE(Quits().empty());
}

INSTANTIATE_TEST_SUITE_P(Depths, ShadowSpriteTest, ::testing::Values(16, 32));

} // namespace
