#include "gfx/SurfaceSprite.h"

#include "support/SpriteScreen.h"

namespace {

class SurfaceSpriteTest : public SpriteScreen {
  protected:
    // A sprite of tagged pixels, with the sprite's own copy of its picture kept for comparison.
    std::unique_ptr<SurfaceSprite> Tagged(int width, int height) {
        picture = Picture(width, height, Tag);
        auto sprite = std::make_unique<SurfaceSprite>();
        EXPECT_TRUE(sprite->Create(Picture(width, height, Tag), width, height, 0, 0, false));
        return sprite;
    }

    // The picture's pixel (x, y) is on screen at (screenX, screenY).
    void ExpectShown(int x, int y, int screenX, int screenY) {
        EXPECT_EQ(Back().pixelAt(screenX, screenY), Raw(*picture, x, y))
            << "(" << x << ", " << y << ")";
    }

    std::unique_ptr<Image> picture;
};

TEST_P(SurfaceSpriteTest, ADrawOverTheLeftEdgeShowsTheColumnsThatRemain) {
    auto sprite = Tagged(32, 4);
    sprite->Draw(-10, 5);
    for (int column = 10; column < 32; ++column)
        ExpectShown(column, 2, column - 10, 7);
    EXPECT_EQ(Back().pixelAt(22, 7), 0u);
}

TEST_P(SurfaceSpriteTest, ADrawOverTheRightOrBottomEdgeIsCutAfterTheLastColumnOrRow) {
    auto sprite = Tagged(20, 20);
    sprite->Draw(790, 590);
    for (int i = 0; i < 10; ++i) {
        ExpectShown(i, 0, 790 + i, 590);
        ExpectShown(0, i, 790, 590 + i);
    }
    ExpectShown(9, 9, 799, 599);
}

TEST_P(SurfaceSpriteTest, ADrawOverTheTopEdgeShowsTheRowsThatRemain) {
    auto sprite = Tagged(8, 20);
    sprite->Draw(100, -10);
    for (int row = 10; row < 20; ++row)
        ExpectShown(3, row, 103, row - 10);
    EXPECT_EQ(Back().pixelAt(103, 10), 0u);
}

TEST_P(SurfaceSpriteTest, ACroppedSpriteDrawnCentredPutsItsBoxAroundThePoint) {
    // A 30 x 20 box at (5, 7) in a larger black picture.
    auto sprite = std::make_unique<SurfaceSprite>();
    ASSERT_TRUE(sprite->Create(
        Picture(60, 40,
                [](int x, int y) { return x >= 5 && x < 35 && y >= 7 && y < 27 ? Tag(x, y) : 0; }),
        60, 40, 0, 0, true));
    EXPECT_EQ(sprite->GetWidth(), 30);
    EXPECT_EQ(sprite->GetHeight(), 20);
    sprite->DrawCentered(100, 100);
    picture = Picture(60, 40, Tag);
    ExpectShown(5, 7, 90, 97);
    ExpectShown(34, 26, 119, 116);
    EXPECT_EQ(Back().pixelAt(89, 97), 0u);
    EXPECT_EQ(Back().pixelAt(120, 116), 0u);
}

TEST_P(SurfaceSpriteTest, AnOffsetGivenWithCroppingIsWarnedAbout) {
    auto sprite = std::make_unique<SurfaceSprite>();
    EXPECT_TRUE(sprite->Create(Picture(8, 8, Tag), 8, 8, 2, 0, true));
    EXPECT_EQ(Count(Log(), "Image offset supplied for croped sprite. Is that what you want?\n"), 1);
}

TEST_P(SurfaceSpriteTest, BlackIsLeftOutUnlessTheDrawIsOpaque) {
    const std::uint32_t grey = ScreenValue(0x808080);
    FillBack(0x808080);
    auto sprite = std::make_unique<SurfaceSprite>();
    ASSERT_TRUE(sprite->Create(Picture(4, 2, [](int x, int) { return x % 2 ? kWhite : 0; }), 4, 2,
                               0, 0, false));
    sprite->Draw(10, 10);
    EXPECT_EQ(Back().pixelAt(10, 10), grey);
    EXPECT_EQ(Back().pixelAt(11, 10), ScreenValue(kWhite));
    sprite->Render({RP_DST_POS | RP_OPAQUE, 0, 0, 0, 0, 10, 20, 0, 0});
    EXPECT_EQ(Back().pixelAt(10, 20), 0u);
    EXPECT_EQ(Back().pixelAt(11, 20), ScreenValue(kWhite));
}

TEST_P(SurfaceSpriteTest, APartOfTheSpriteCanBeDrawnAndStretched) {
    auto sprite = Tagged(16, 16);
    sprite->DrawPart({4, 2, 7, 5}, 50, 60);
    ExpectShown(4, 2, 50, 60);
    ExpectShown(7, 5, 53, 63);
    EXPECT_EQ(Back().pixelAt(54, 60), 0u);

    sprite->DrawScaled(200, 200, 32, 32);
    ExpectShown(0, 0, 200, 200);
    ExpectShown(0, 0, 201, 201);
    ExpectShown(15, 15, 231, 231);

    sprite->DrawPartScaled({8, 8, 9, 9}, {300, 300, 303, 303});
    ExpectShown(8, 8, 300, 300);
    ExpectShown(9, 9, 303, 303);
}

TEST_P(SurfaceSpriteTest, AScaledDrawOverTheEdgeShowsTheMatchingPartOfTheSource) {
    auto sprite = Tagged(16, 16);
    sprite->DrawScaled(-8, 0, 32, 32);
    ExpectShown(4, 0, 0, 0);
    ExpectShown(15, 15, 23, 31);
}

TEST_P(SurfaceSpriteTest, APartOutsideTheSpriteIsLoggedAsAnInvalidRectangle) {
    auto sprite = Tagged(16, 16);
    sprite->DrawPart({10, 0, 30, 5}, 50, 60);
    EXPECT_EQ(Count(Log(), "Invalid Rect while rendering surface Sprite.\n"
                           "Src (left 10.000000, right 30.000000, top 0.000000, bottom 5.000000 )\n"
                           "Dest (x 50.000000, y 60.000000 )\n"),
              1);
    sprite->DrawPartScaled({10, 0, 30, 5}, {0, 0, 41, 11});
    EXPECT_EQ(Count(Log(),
                    "Src (left 10.000000, right 30.000000, top 0.000000, bottom 5.000000 )\n"
                    "Src (left 0.000000, right 41.000000, top 0.000000, bottom 11.000000 )\n"),
              1);
}

TEST_P(SurfaceSpriteTest, ALostSurfaceIsReportedOnceAndDrawsAgainAfterRestoring) {
    auto sprite = Tagged(8, 8);
    LoseSurfaces();
    sprite->Draw(10, 10);
    EXPECT_TRUE(Singleton<SpriteManager>::Instance().HasLostSurfaces());
    EXPECT_EQ(Count(Log(), "Lost surfaces detected. Restoring in next loop.\n"), 1);
    EXPECT_EQ(Count(Log(), "DirectX Error"), 0);
    EXPECT_TRUE(Quits().empty());

    Display().RestoreSurfaces();
    sprite->Restore();
    sprite->Draw(10, 10);
    ExpectShown(7, 7, 17, 17);
}

TEST_P(SurfaceSpriteTest, AnotherPartOfALargerPictureCanBeShownInTheSameSurface) {
    auto sprite = std::make_unique<SurfaceSprite>();
    picture = Picture(40, 30, Tag);
    ASSERT_TRUE(sprite->Create(Picture(40, 30, Tag), 10, 10, 0, 0, false));
    sprite->SetPixels(20, 15);
    sprite->Draw(0, 0);
    ExpectShown(20, 15, 0, 0);
    ExpectShown(29, 24, 9, 9);

    // Only rows 2 to 4 come from the new place.
    sprite->SetPixelsRect(0, 5, {0, 2, 9, 4});
    sprite->Draw(0, 0);
    ExpectShown(0, 7, 0, 2);
    ExpectShown(9, 9, 9, 4);
    ExpectShown(20, 15, 0, 0);
    ExpectShown(20, 20, 0, 5);
}

TEST_P(SurfaceSpriteTest, PartsOutsideThePictureOrTheSurfaceAreRefused) {
    // A 10 x 10 view of a 40 x 30 picture.
    auto sprite = std::make_unique<SurfaceSprite>();
    picture = Picture(40, 30, Tag);
    ASSERT_TRUE(sprite->Create(Picture(40, 30, Tag), 10, 10, 0, 0, false));
    sprite->SetPixels(31, 0);
    sprite->SetPixelsRect(0, 21, {0, 5, 9, 9});
    sprite->SetPixelsRect(-1, 0, {0, 0, 9, 1});
    EXPECT_EQ(Count(Log(), "Invalid image offset supplied.\n"), 3);
    sprite->SetPixelsRect(0, 0, {0, 0, 9, 10});
    sprite->SetPixelsRect(0, 0, {0, 0, 10, 1});
    EXPECT_EQ(Count(Log(), "destination rect does not fit to dest surface.\n"), 2);
    sprite->Draw(0, 0);
    ExpectShown(9, 9, 9, 9);
}

TEST_P(SurfaceSpriteTest, ASurfaceThatCannotBeMadeFailsTheSprite) {
    static_cast<platform::HeadlessDisplayDevice*>(Display().GetDisplay())
        ->refuseNext(platform::DisplayCall::CreateSurface, platform::dd::OutOfVideoMemory);
    SurfaceSprite sprite;
    EXPECT_FALSE(sprite.Create(Picture(4, 4, Tag), 4, 4, 0, 0, false));
    EXPECT_EQ(
        Count(Log(), "Surface::Create Could create surface.\nFailed to create sprite surface.\n"),
        1);
    sprite.Draw(0, 0);
}

INSTANTIATE_TEST_SUITE_P(Depths, SurfaceSpriteTest, ::testing::Values(16, 32));

} // namespace
