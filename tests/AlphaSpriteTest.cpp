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

    // Runs `check` with each width of vector instructions that this processor has, then
    // leaves the widest in use.
    template <typename Check> void ForEachVectorWidth(Check check) {
        using Vectors = AlphaSprite::Vectors;
        for (const Vectors vectors : {Vectors::Narrow, Vectors::Wide256, Vectors::Wide512}) {
            if (AlphaSprite::LimitVectors(vectors) != vectors)
                continue;
            SCOPED_TRACE("vector width " + std::to_string(static_cast<int>(vectors)));
            check();
        }
        AlphaSprite::LimitVectors(Vectors::Wide512);
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

// Long rows mix clear and opaque stretches with soft edges, as real pictures do; every pixel
// must still follow d + ((s - d) * a >> 8) in each channel.
TEST_P(AlphaSpriteTest, LongRowsOfClearOpaqueAndSoftPixelsBlendPixelByPixel) {
    ForEachVectorWidth([&] {
        constexpr int kWidth = 53;
        const auto weight = [](int x, int y) -> std::uint8_t {
            const int run = (x + y) / 9 % 3;
            return run == 0 ? 0 : run == 1 ? 255 : static_cast<std::uint8_t>(x * 37 + y * 11);
        };
        const auto picture = [](int x, int y) { return Tag(x, y) ^ 0x3F00A5u; };
        Back().fill(nullptr, 0);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 60; ++x) {
                const platform::Rect pixel{x, y, x + 1, y + 1};
                Back().fill(&pixel, ScreenValue(Tag(x + 7, y + 3)));
            }
        std::array<std::array<std::array<int, 3>, 60>, 3> before{};
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 60; ++x)
                before[y][x] = Channels(x, y);
        auto sprite = std::make_unique<AlphaSprite>();
        ASSERT_TRUE(sprite->Create(Picture(kWidth, 3, picture), AlphaMap(kWidth, 3, weight), kWidth,
                                   3, 0, 0, false));
        const auto source = Picture(kWidth, 3, picture);
        sprite->Draw(3, 0);
        for (int y = 0; y < 3; ++y)
            for (int x = 3; x < 3 + kWidth; ++x) {
                const int a = weight(x - 3, y);
                const std::uint32_t raw = Raw(*source, x - 3, y);
                const std::array<int, 3> s =
                    Depth() == 16
                        ? std::array<int, 3>{int(raw >> 11 & 31), int(raw >> 6 & 31), int(raw & 31)}
                        : std::array<int, 3>{int(raw >> 16 & 255), int(raw >> 8 & 255),
                                             int(raw & 255)};
                std::array<int, 3> expected = before[y][x];
                for (int c = 0; c < 3 && a != 0; ++c)
                    expected[c] =
                        a == 255 ? s[c] : before[y][x][c] + (((s[c] - before[y][x][c]) * a) >> 8);
                EXPECT_EQ(Channels(x, y), expected) << x << "," << y << " alpha " << a;
            }
    });
}

// Parts and screen edges cut the runs of clear, opaque and soft pixels anywhere, also within a
// blend step; each drawn pixel must still follow the same rule, and nothing beside it change.
TEST_P(AlphaSpriteTest, DrawsThatCutRunsOfClearOpaqueAndSoftPixelsBlendPixelByPixel) {
    ForEachVectorWidth([&] {
        constexpr int kWidth = 70;
        constexpr int kHeight = 4;
        // Runs of 5, 8, 11 and 14 pixels on the four rows.
        const auto weight = [](int x, int y) -> std::uint8_t {
            const int run = (x + 3 * y) / (5 + 3 * y) % 3;
            const auto soft = static_cast<std::uint8_t>(1 + (x * 37 + y * 11) % 254);
            return run == 0 ? 0 : run == 1 ? 255 : soft;
        };
        const auto colour = [](int x, int y) { return Tag(x, y) ^ 0x5A3C96u; };
        auto sprite = std::make_unique<AlphaSprite>();
        ASSERT_TRUE(sprite->Create(Picture(kWidth, kHeight, colour),
                                   AlphaMap(kWidth, kHeight, weight), kWidth, kHeight, 0, 0,
                                   false));
        const auto source = Picture(kWidth, kHeight, colour);
        const auto split = [this](std::uint32_t raw) {
            return Depth() == 16
                       ? std::array<int, 3>{int(raw >> 11 & 31), int(raw >> 6 & 31), int(raw & 31)}
                       : std::array<int, 3>{int(raw >> 16 & 255), int(raw >> 8 & 255),
                                            int(raw & 255)};
        };
        struct Cut {
            InclusiveRect part;
            int x;
            int y;
        };
        const Cut cuts[] = {{{0, 0, kWidth - 1, kHeight - 1}, -13, 10},
                            {{0, 0, kWidth - 1, kHeight - 1}, 800 - 29, 20},
                            {{9, 1, 52, 3}, 200, 30},
                            {{17, 0, 18, kHeight - 1}, 300, 40}};
        for (const Cut& cut : cuts) {
            for (int y = cut.y - 1; y <= cut.y + kHeight; ++y)
                for (int x = std::max(0, cut.x - 2); x < std::min(800, cut.x + kWidth + 2); ++x) {
                    const platform::Rect pixel{x, y, x + 1, y + 1};
                    Back().fill(&pixel, ScreenValue(Tag(x + 5, y + 1)));
                }
            const platform::Rect area{0, cut.y - 1, 800, cut.y + kHeight + 1};
            const platform::DisplaySurface before = Back();
            sprite->DrawPart(cut.part, cut.x, cut.y);
            for (int y = area.top; y < area.bottom; ++y)
                for (int x = 0; x < 800; ++x) {
                    const int column = cut.part.left + x - cut.x;
                    const int row = cut.part.top + y - cut.y;
                    const bool drawn = column >= cut.part.left && column <= cut.part.right &&
                                       row >= cut.part.top && row <= cut.part.bottom;
                    const std::array<int, 3> under = split(before.pixelAt(x, y));
                    std::array<int, 3> expected = under;
                    const int a = drawn ? weight(column, row) : 0;
                    const std::array<int, 3> s = drawn ? split(Raw(*source, column, row)) : under;
                    for (int c = 0; c < 3 && a != 0; ++c)
                        expected[c] = a == 255 ? s[c] : under[c] + (((s[c] - under[c]) * a) >> 8);
                    ASSERT_EQ(split(Back().pixelAt(x, y)), expected)
                        << "cut at " << cut.x << "," << cut.y << ": " << x << "," << y;
                }
        }
    });
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

// An eaten insect shrinks through scaled draws: the game goes on, each screen pixel taking the
// nearest picture pixel with its weight, clipped at the screen's edge.
TEST_P(AlphaSpriteTest, ScaledDrawsBlendTheNearestPictureAndGoOn) {
    auto sprite = std::make_unique<AlphaSprite>();
    ASSERT_TRUE(sprite->Create(Picture(8, 8, Tag),
                               AlphaMap(8, 8, [](int x, int) { return x < 4 ? 255 : 0; }), 8, 8, 0,
                               0, false));
    const auto picture = Picture(8, 8, Tag);
    sprite->DrawScaled(100, 100, 4, 2);
    EXPECT_TRUE(Quits().empty());
    EXPECT_EQ(Back().pixelAt(100, 100), Raw(*picture, 0, 0));
    EXPECT_EQ(Back().pixelAt(101, 101), Raw(*picture, 2, 4));
    EXPECT_EQ(Back().pixelAt(102, 100), 0u) << "the clear half stays clear";
    EXPECT_EQ(Back().pixelAt(100, 102), 0u);
    sprite->DrawScaled(-2, 598, 16, 16);
    EXPECT_EQ(Back().pixelAt(0, 598), Raw(*picture, 1, 0));
    EXPECT_EQ(Back().pixelAt(5, 599), Raw(*picture, 3, 0));
    EXPECT_EQ(Log().find("Scaled blit"), std::string::npos);
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
