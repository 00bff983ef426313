#include "gfx/Sprite.h"

#include <gtest/gtest.h>

namespace {

using Rect = InclusiveRect;

TEST(SpriteTest, ClipToScreenCutsWhatLiesLeftOrAboveTheScreen) {
    int x = -10;
    int y = -3;
    Rect source{0, 0, 31, 15};
    ASSERT_TRUE(Sprite::ClipToScreen(x, y, source));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(source, (Rect{10, 3, 31, 15}));
}

TEST(SpriteTest, ClipToScreenCutsAfterTheLastColumnAndRow) {
    int x = 790;
    int y = 590;
    Rect source{0, 0, 19, 19};
    ASSERT_TRUE(Sprite::ClipToScreen(x, y, source));
    EXPECT_EQ(x, 790);
    EXPECT_EQ(y, 590);
    EXPECT_EQ(source, (Rect{0, 0, 9, 9}));
}

TEST(SpriteTest, ClipToScreenRefusesWhatLiesOffTheScreenOrIsOnePixelWide) {
    for (const auto& [startX, startY] : {std::pair{800, 0}, {0, 600}, {-40, 0}, {0, -40}}) {
        int x = startX;
        int y = startY;
        Rect source{0, 0, 19, 19};
        EXPECT_FALSE(Sprite::ClipToScreen(x, y, source)) << startX << ", " << startY;
    }
    int x = 799;
    int y = 0;
    Rect source{0, 0, 19, 19};
    EXPECT_FALSE(Sprite::ClipToScreen(x, y, source));
}

TEST(SpriteTest, ClipScaledMovesTheSourceByTheClippedAmountTimesTheScale) {
    // Twice as large on screen: 20 clipped screen columns are 10 source columns.
    Rect destination{-20, 580, 179, 679};
    Rect source{0, 0, 99, 49};
    ASSERT_TRUE(Sprite::ClipScaled(destination, source));
    EXPECT_EQ(destination, (Rect{0, 580, 179, 599}));
    EXPECT_EQ(source, (Rect{10, 0, 99, 9}));
}

TEST(SpriteTest, ClipScaledMovesTheSourceOfAShrunkenDrawToo) {
    // Half as large: 10 clipped screen columns on the right are 20 source columns.
    Rect destination{750, -5, 809, 44};
    Rect source{0, 0, 119, 99};
    ASSERT_TRUE(Sprite::ClipScaled(destination, source));
    EXPECT_EQ(destination, (Rect{750, 0, 799, 44}));
    EXPECT_EQ(source, (Rect{0, 10, 99, 99}));
}

TEST(SpriteTest, ClipScaledRefusesEmptyOrNegativeSources) {
    Rect offScreen{900, 0, 999, 99};
    Rect source{0, 0, 9, 9};
    EXPECT_FALSE(Sprite::ClipScaled(offScreen, source));
    Rect destination{0, 0, 9, 9};
    Rect negative{-1, 0, 9, 9};
    EXPECT_FALSE(Sprite::ClipScaled(destination, negative));
    Rect again{0, 0, 9, 9};
    Rect empty{10, 10, 9, 9};
    EXPECT_FALSE(Sprite::ClipScaled(again, empty));
}

TEST(SpriteTest, ClipToSpriteKeepsAPartWithinTheSprite) {
    int x = 100;
    int y = 100;
    Rect source{-5, -2, 40, 12};
    ASSERT_TRUE(Sprite::ClipToSprite(x, y, source, 32, 10));
    EXPECT_EQ(x, 105);
    EXPECT_EQ(y, 102);
    EXPECT_EQ(source, (Rect{0, 0, 31, 9}));
    Rect outside{40, 0, 50, 5};
    EXPECT_FALSE(Sprite::ClipToSprite(x, y, outside, 32, 10));
}

} // namespace
