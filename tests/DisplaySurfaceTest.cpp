#include "platform/DisplaySurface.h"

#include <gtest/gtest.h>

namespace {

using platform::BlitKey;
using platform::DisplaySurface;
using platform::Rect;
using platform::SurfaceDescription;
using platform::SurfaceFormat;
namespace dd = platform::dd;

// Each pixel names its own place (within 255 columns and rows), never black, and fits 16 bits,
// so a test can tell where every copied pixel came from.
uint32_t Tag(int x, int y) {
    return static_cast<uint32_t>(x % 255 + 1) << 8 | static_cast<uint32_t>(y % 255 + 1);
}

class DisplaySurfaceTest : public ::testing::TestWithParam<int> {
  protected:
    DisplaySurface Make(int width, int height) const {
        return DisplaySurface(width, height, SurfaceFormat::ForDepth(GetParam()), losses);
    }

    static DisplaySurface Tagged(DisplaySurface surface) {
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                const Rect pixel{x, y, x + 1, y + 1};
                surface.fill(&pixel, Tag(x, y));
            }
        return surface;
    }

    std::shared_ptr<platform::SurfaceLosses> losses = std::make_shared<platform::SurfaceLosses>();
};

TEST_P(DisplaySurfaceTest, LockedRowsArePitchApartAndLandWhereTheSurfaceReadsThem) {
    for (const int width : {1, 5, 6, 7, 800}) {
        DisplaySurface surface = Make(width, 3);
        const int bytes = GetParam() / 8;
        SurfaceDescription locked;
        ASSERT_EQ(surface.lock(nullptr, locked), dd::Ok);
        EXPECT_GE(locked.pitch, width * bytes);
        EXPECT_EQ(locked.width, width);
        EXPECT_EQ(locked.height, 3);
        EXPECT_EQ(locked.format.bitsPerPixel, GetParam());
        for (int y = 0; y < 3; ++y)
            locked.format.write(locked.bits + y * locked.pitch + (width - 1) * bytes,
                                Tag(width - 1, y));
        ASSERT_EQ(surface.unlock(), dd::Ok);
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(surface.pixelAt(width - 1, y), Tag(width - 1, y)) << "width " << width;
    }
}

TEST_P(DisplaySurfaceTest, ALockedAreaStartsAtItsTopLeftPixel) {
    DisplaySurface surface = Tagged(Make(10, 8));
    const Rect area{3, 2, 6, 5};
    SurfaceDescription locked;
    ASSERT_EQ(surface.lock(&area, locked), dd::Ok);
    EXPECT_EQ(locked.format.read(locked.bits), Tag(3, 2));
    EXPECT_EQ(locked.format.read(locked.bits + locked.pitch), Tag(3, 3));
    EXPECT_EQ(surface.unlock(), dd::Ok);
}

TEST_P(DisplaySurfaceTest, LockingAndBlittingAreRefusedInTheWaysOfTheDisplay) {
    DisplaySurface surface = Make(10, 8);
    DisplaySurface other = Make(10, 8);
    SurfaceDescription locked;
    const Rect outside{5, 5, 11, 8};
    const Rect empty{4, 4, 4, 6};
    EXPECT_EQ(surface.lock(&outside, locked), dd::InvalidRect);
    EXPECT_EQ(surface.lock(&empty, locked), dd::InvalidRect);
    EXPECT_EQ(surface.unlock(), dd::NotLocked);
    ASSERT_EQ(surface.lock(nullptr, locked), dd::Ok);
    EXPECT_EQ(surface.lock(nullptr, locked), dd::SurfaceBusy);
    EXPECT_EQ(other.blit(nullptr, surface, nullptr, BlitKey::Opaque), dd::SurfaceBusy);
    EXPECT_EQ(surface.fill(nullptr, 0), dd::SurfaceBusy);
    EXPECT_EQ(surface.unlock(), dd::Ok);
    EXPECT_EQ(other.blit(&outside, surface, nullptr, BlitKey::Opaque), dd::InvalidRect);
    EXPECT_EQ(other.blitFast(1, 0, surface, nullptr, BlitKey::Opaque), dd::InvalidRect);
    EXPECT_EQ(other.blitFast(-1, 0, surface, &empty, BlitKey::Opaque), dd::InvalidRect);
    EXPECT_EQ(other.blit(nullptr, surface, nullptr, BlitKey::SourceColorKey), dd::NoColorKey);
    const DisplaySurface otherDepth(10, 8, SurfaceFormat::ForDepth(GetParam() == 16 ? 32 : 16),
                                    losses);
    EXPECT_EQ(other.blit(nullptr, otherDepth, nullptr, BlitKey::Opaque), dd::InvalidPixelFormat);
    EXPECT_EQ(surface.setColorKey(2, 1), dd::InvalidParams);
}

TEST_P(DisplaySurfaceTest, AFastBlitCopiesItsAreaToThePosition) {
    const DisplaySurface source = Tagged(Make(6, 5));
    DisplaySurface target = Make(10, 8);
    const Rect area{1, 2, 4, 5};
    ASSERT_EQ(target.blitFast(6, 1, source, &area, BlitKey::Opaque), dd::Ok);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 6 && x < 9 && y >= 1 && y < 4;
            EXPECT_EQ(target.pixelAt(x, y), inside ? Tag(x - 5, y + 1) : 0u) << x << "," << y;
        }
}

// Whole rows, as the background draws them, go over in one block: only the rows asked for.
TEST_P(DisplaySurfaceTest, AFastBlitOfWholeRowsCopiesThoseRowsOnly) {
    const DisplaySurface source = Tagged(Make(7, 6));
    DisplaySurface target = Make(7, 8);
    target.fill(nullptr, 0x0101);
    const Rect rows{0, 2, 7, 5};
    ASSERT_EQ(target.blitFast(0, 4, source, &rows, BlitKey::Opaque), dd::Ok);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool inside = y >= 4 && y < 7;
            EXPECT_EQ(target.pixelAt(x, y), inside ? Tag(x, y - 2) : 0x0101u) << x << "," << y;
        }
    DisplaySurface narrower = Make(6, 8);
    const Rect part{0, 0, 6, 6};
    ASSERT_EQ(narrower.blitFast(0, 1, source, &part, BlitKey::Opaque), dd::Ok);
    EXPECT_EQ(narrower.pixelAt(5, 6), Tag(5, 5));
    EXPECT_EQ(narrower.pixelAt(0, 0), 0u);
}

TEST_P(DisplaySurfaceTest, KeyedBlitsLeaveOutBlackSourcePixelsAndOpaqueOnesDoNot) {
    DisplaySurface source = Tagged(Make(4, 4));
    const Rect hole{1, 1, 3, 3};
    source.fill(&hole, 0);
    ASSERT_EQ(source.setColorKey(0, 0), dd::Ok);
    const uint32_t backdrop = 0x1F;

    DisplaySurface keyed = Make(4, 4);
    keyed.fill(nullptr, backdrop);
    ASSERT_EQ(keyed.blitFast(0, 0, source, nullptr, BlitKey::SourceColorKey), dd::Ok);
    DisplaySurface opaque = Make(4, 4);
    opaque.fill(nullptr, backdrop);
    ASSERT_EQ(opaque.blitFast(0, 0, source, nullptr, BlitKey::Opaque), dd::Ok);

    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool inHole = x >= 1 && x < 3 && y >= 1 && y < 3;
            EXPECT_EQ(keyed.pixelAt(x, y), inHole ? backdrop : Tag(x, y));
            EXPECT_EQ(opaque.pixelAt(x, y), inHole ? 0u : Tag(x, y));
        }

    DisplaySurface stretched = Make(8, 8);
    stretched.fill(nullptr, backdrop);
    ASSERT_EQ(stretched.blit(nullptr, source, nullptr, BlitKey::SourceColorKey), dd::Ok);
    EXPECT_EQ(stretched.pixelAt(3, 3), backdrop);
    EXPECT_EQ(stretched.pixelAt(7, 7), Tag(3, 3));
}

// Keyed blits remember where a picture's opaque runs lie; they must follow every change of the
// pixels or of the key, and a part of the picture must take only its part of each run.
TEST_P(DisplaySurfaceTest, KeyedBlitsFollowTheSourceWhenItsPixelsOrItsKeyChange) {
    if (GetParam() == 24)
        GTEST_SKIP() << "keyed blits of 24-bit surfaces take the stretching path";
    DisplaySurface source = Tagged(Make(9, 3));
    const Rect gap{3, 0, 5, 3};
    source.fill(&gap, 0);
    ASSERT_EQ(source.setColorKey(0, 0), dd::Ok);
    const uint32_t backdrop = 0x1F;
    const Rect part{1, 0, 8, 3};
    const auto blitPart = [&] {
        DisplaySurface target = Make(12, 5);
        target.fill(nullptr, backdrop);
        EXPECT_EQ(target.blitFast(2, 1, source, &part, BlitKey::SourceColorKey), dd::Ok);
        return target;
    };
    // What the target shows at (x, y) when the source pixel there is `pixel` and keyed
    // within `low` to `high`.
    const auto expectPart = [&](const DisplaySurface& target, uint32_t low, uint32_t high,
                                const char* when) {
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 12; ++x) {
                const int sourceX = x - 2 + part.left;
                const int sourceY = y - 1;
                const bool inPart =
                    sourceX >= part.left && sourceX < part.right && sourceY >= 0 && sourceY < 3;
                const uint32_t pixel = inPart ? source.pixelAt(sourceX, sourceY) : 0;
                const bool shown = inPart && (pixel < low || pixel > high);
                EXPECT_EQ(target.pixelAt(x, y), shown ? pixel : backdrop)
                    << when << " at " << x << "," << y;
            }
    };
    expectPart(blitPart(), 0, 0, "first blit");

    platform::SurfaceDescription locked;
    ASSERT_EQ(source.lock(nullptr, locked), dd::Ok);
    locked.format.write(locked.bits + 2 * locked.pitch + 4 * locked.format.bytesPerPixel(),
                        Tag(4, 2));
    locked.format.write(locked.bits + 6 * locked.format.bytesPerPixel(), 0);
    ASSERT_EQ(source.unlock(), dd::Ok);
    expectPart(blitPart(), 0, 0, "after the pixels changed");

    const Rect corner{7, 1, 8, 2};
    ASSERT_EQ(source.fill(&corner, 0), dd::Ok);
    expectPart(blitPart(), 0, 0, "after a fill");

    ASSERT_EQ(source.setColorKey(0, Tag(2, 3)), dd::Ok);
    expectPart(blitPart(), 0, Tag(2, 3), "with a wider key");
}

TEST_P(DisplaySurfaceTest, StretchingTakesTheSourcePixelUnderEachDestinationPixel) {
    const DisplaySurface source = Tagged(Make(4, 3));
    DisplaySurface doubled = Make(8, 6);
    ASSERT_EQ(doubled.blit(nullptr, source, nullptr, BlitKey::Opaque), dd::Ok);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(doubled.pixelAt(x, y), Tag(x / 2, y / 2));

    const DisplaySurface big = Tagged(Make(8, 6));
    DisplaySurface halved = Make(4, 3);
    ASSERT_EQ(halved.blit(nullptr, big, nullptr, BlitKey::Opaque), dd::Ok);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(halved.pixelAt(x, y), Tag(2 * x + 1, 2 * y + 1));

    const Rect band{2, 0, 4, 3};
    const Rect wide{0, 0, 8, 3};
    DisplaySurface widened = Make(8, 3);
    ASSERT_EQ(widened.blit(&wide, source, &band, BlitKey::Opaque), dd::Ok);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(widened.pixelAt(x, 1), Tag(2 + x / 4, 1));
}

// Stretched rows are written several pixels at a time; rows of any width, starting anywhere,
// must still end on their last pixel.
TEST_P(DisplaySurfaceTest, StretchedRowsOfAnyWidthLeaveThePixelsBesideThemAlone) {
    const DisplaySurface source = Tagged(Make(5, 3));
    const uint32_t backdrop = 0x0101;
    for (int width = 1; width <= 13; ++width) {
        DisplaySurface target = Make(20, 6);
        target.fill(nullptr, backdrop);
        const Rect area{3, 1, 3 + width, 5};
        ASSERT_EQ(target.blit(&area, source, nullptr, BlitKey::Opaque), dd::Ok);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside =
                    x >= area.left && x < area.right && y >= area.top && y < area.bottom;
                const int column = (2 * (x - area.left) + 1) * 5 / (2 * width);
                const int row = (2 * (y - area.top) + 1) * 3 / 8;
                ASSERT_EQ(target.pixelAt(x, y), inside ? Tag(column, row) : backdrop)
                    << "width " << width << " at " << x << "," << y;
            }
    }
}

// A transition's zoom enlarges a part of the screen many bytes at a time; parts of any width
// and place, up to the source's last column and row, must still take the pixel under each
// destination pixel and leave the pixels beside them alone.
TEST_P(DisplaySurfaceTest, EnlargedPartsTakeThePixelUnderEachDestinationPixel) {
    const DisplaySurface source = Tagged(Make(24, 5));
    const uint32_t backdrop = 0x0101;
    for (int left = 0; left < 24; left += 5)
        for (int width = 1; left + width <= 24; width += 3)
            for (int wide = width; wide <= 3 * width + 17; wide += 7) {
                DisplaySurface target = Make(wide + 2, 7);
                target.fill(nullptr, backdrop);
                const Rect from{left, 2, left + width, 5};
                const Rect to{1, 0, 1 + wide, 7};
                ASSERT_EQ(target.blit(&to, source, &from, BlitKey::Opaque), dd::Ok);
                for (int y = 0; y < 7; ++y) {
                    ASSERT_EQ(target.pixelAt(0, y), backdrop);
                    ASSERT_EQ(target.pixelAt(wide + 1, y), backdrop);
                    for (int x = 0; x < wide; ++x)
                        ASSERT_EQ(
                            target.pixelAt(1 + x, y),
                            Tag(left + (2 * x + 1) * width / (2 * wide), 2 + (2 * y + 1) * 3 / 14))
                            << "part " << left << "+" << width << " to " << wide << " at " << x
                            << "," << y;
                }
            }
}

TEST_P(DisplaySurfaceTest, ABlitWithinOneSurfaceReadsThePixelsAsTheyWere) {
    DisplaySurface surface = Tagged(Make(6, 2));
    const Rect from{0, 0, 5, 2};
    ASSERT_EQ(surface.blitFast(1, 0, surface, &from, BlitKey::Opaque), dd::Ok);
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(surface.pixelAt(x, 1), Tag(x - 1, 1));
}

TEST_P(DisplaySurfaceTest, ALostSurfaceRefusesEverythingUntilRestoredAndComesBackBlack) {
    DisplaySurface before = Tagged(Make(4, 4));
    DisplaySurface other = Make(4, 4);
    ++losses->count;
    DisplaySurface after = Tagged(Make(4, 4));
    SurfaceDescription locked;
    EXPECT_TRUE(before.isLost());
    EXPECT_FALSE(after.isLost());
    EXPECT_EQ(before.lock(nullptr, locked), dd::SurfaceLost);
    EXPECT_EQ(before.fill(nullptr, 1), dd::SurfaceLost);
    EXPECT_EQ(before.setColorKey(0, 0), dd::SurfaceLost);
    EXPECT_EQ(after.blit(nullptr, before, nullptr, BlitKey::Opaque), dd::SurfaceLost);
    EXPECT_EQ(before.blit(nullptr, after, nullptr, BlitKey::Opaque), dd::SurfaceLost);

    EXPECT_EQ(before.restore(), dd::Ok);
    EXPECT_FALSE(before.isLost());
    EXPECT_EQ(before.pixelAt(2, 2), 0u);
    EXPECT_EQ(after.restore(), dd::Ok);
    EXPECT_EQ(after.pixelAt(2, 2), Tag(2, 2)) << "restoring a surface that was not lost keeps it";
    EXPECT_EQ(other.restore(), dd::Ok);
    EXPECT_EQ(other.blit(nullptr, before, nullptr, BlitKey::Opaque), dd::Ok);
}

TEST_P(DisplaySurfaceTest, UnlockingALostSurfaceReleasesTheLockAndSaysLost) {
    DisplaySurface surface = Make(4, 4);
    SurfaceDescription locked;
    ASSERT_EQ(surface.lock(nullptr, locked), dd::Ok);
    ++losses->count;
    EXPECT_EQ(surface.unlock(), dd::SurfaceLost);
    EXPECT_FALSE(surface.isLocked());
}

TEST_P(DisplaySurfaceTest, TheWholePictureConvertsRowByRow) {
    DisplaySurface surface = Make(3, 2);
    const Rect corner{2, 1, 3, 2};
    surface.fill(&corner, surface.format().redMask);
    const std::vector<uint32_t> picture = surface.toXrgb();
    ASSERT_EQ(picture.size(), 6u);
    EXPECT_EQ(picture[5], 0xFF0000u);
    EXPECT_EQ(picture[2], 0u);
}

INSTANTIATE_TEST_SUITE_P(Depths, DisplaySurfaceTest, ::testing::Values(16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bit"; });

} // namespace
