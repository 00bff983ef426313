#include "gfx/Surface.h"

#include "gfx/ImageUtil.h"
#include "support/SpriteScreen.h"

namespace {

class SurfaceTest : public SpriteScreen {
  protected:
    std::uint32_t At(const Surface& surface, int x, int y) const {
        return surface.Get()->pixelAt(x, y);
    }
};

TEST_P(SurfaceTest, RunsAndLiteralsAreDecodedAcrossRows) {
    // Runs that wrap from one row into the next, between rows of single pixels.
    const auto colour = [](int x, int y) { return (y == 1 || y == 2) ? 0x336699u : Tag(x, y); };
    auto encoded = Picture(7, 4, colour);
    ASSERT_TRUE(Singleton<ImageUtil>::Instance().RleEncode(*encoded));
    Surface surface;
    ASSERT_TRUE(surface.Create(7, 4));
    ASSERT_TRUE(surface.SetPixelsRLE(*encoded));
    const auto plain = Picture(7, 4, colour);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(At(surface, x, y), Raw(*plain, x, y)) << x << ", " << y;
}

TEST_P(SurfaceTest, ADamagedStreamStopsWithinTheSurface) {
    auto encoded = Picture(4, 2, Tag);
    ASSERT_TRUE(Singleton<ImageUtil>::Instance().RleEncode(*encoded));
    // A stream longer than its surface, one whose literal packet is cut short, and a zero packet.
    const std::size_t bytes = encoded->GetDataSize();
    Surface small;
    ASSERT_TRUE(small.Create(2, 2));
    EXPECT_TRUE(small.SetPixelsRLE(*encoded));
    std::unique_ptr<std::uint8_t[]> cut(new std::uint8_t[bytes - 1]);
    std::memcpy(cut.get(), encoded->GetData(), bytes - 1);
    encoded->SetRleData(std::move(cut), bytes - 1);
    Surface whole;
    ASSERT_TRUE(whole.Create(4, 2));
    EXPECT_TRUE(whole.SetPixelsRLE(*encoded));
    EXPECT_EQ(At(whole, 3, 1), 0u);
    std::unique_ptr<std::uint8_t[]> zero(new std::uint8_t[1]{0});
    encoded->SetRleData(std::move(zero), 1);
    EXPECT_TRUE(whole.SetPixelsRLE(*encoded));
}

TEST_P(SurfaceTest, BlackIsTheSourceColourKey) {
    Surface surface;
    ASSERT_TRUE(surface.Create(2, 1));
    ASSERT_TRUE(surface.SetPixels(*Picture(2, 1, [](int x, int) { return x ? kWhite : 0; }), 0, 0));
    FillBack(0x808080);
    ASSERT_EQ(Back().blitFast(0, 0, *surface.Get(), nullptr, platform::BlitKey::SourceColorKey),
              platform::dd::Ok);
    EXPECT_EQ(Back().pixelAt(0, 0), ScreenValue(0x808080));
    EXPECT_EQ(Back().pixelAt(1, 0), ScreenValue(kWhite));
}

TEST_P(SurfaceTest, ALockThatFailsForAnotherReasonEndsTheProgram) {
    Surface surface;
    ASSERT_TRUE(surface.Create(4, 2));
    platform::SurfaceDescription locked;
    ASSERT_EQ(surface.Get()->lock(nullptr, locked), platform::dd::Ok);
    EXPECT_FALSE(surface.SetPixels(*Picture(4, 2, Tag), 0, 0));
    auto encoded = Picture(4, 2, Tag);
    ASSERT_TRUE(Singleton<ImageUtil>::Instance().RleEncode(*encoded));
    EXPECT_FALSE(surface.SetPixelsRLE(*encoded));
    EXPECT_EQ(
        Count(Log(), "Failed to set pixels for surface.\nFailed to set pixels RLE for surface.\n"),
        1);
    EXPECT_EQ(Quits(), (std::vector<int>{-1, -1}));
}

TEST_P(SurfaceTest, ALostSurfaceIsHandedToTheSpriteManagerAndNothingElse) {
    Surface surface;
    ASSERT_TRUE(surface.Create(4, 2));
    LoseSurfaces();
    EXPECT_FALSE(surface.SetPixels(*Picture(4, 2, Tag), 0, 0));
    EXPECT_TRUE(Singleton<SpriteManager>::Instance().HasLostSurfaces());
    EXPECT_TRUE(Quits().empty());
    EXPECT_EQ(surface.Restore(), platform::dd::Ok);
    EXPECT_TRUE(surface.SetPixels(*Picture(4, 2, Tag), 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Depths, SurfaceTest, ::testing::Values(16, 32));

} // namespace
