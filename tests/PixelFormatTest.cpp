#include "gfx/PixelFormat.h"

#include "support/HeadlessScreen.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

void ExpectLayout(const PixelFormat& format, int redShift, int greenShift, int blueShift,
                  int redIndex, int greenIndex, int blueIndex, int padIndex) {
    EXPECT_EQ(format.redShift, redShift);
    EXPECT_EQ(format.greenShift, greenShift);
    EXPECT_EQ(format.blueShift, blueShift);
    EXPECT_EQ(format.redIndex, redIndex);
    EXPECT_EQ(format.greenIndex, greenIndex);
    EXPECT_EQ(format.blueIndex, blueIndex);
    EXPECT_EQ(format.padIndex, padIndex);
}

TEST(PixelFormat, ShiftsTurnEachMaskIntoTheChannelsTopValue) {
    ExpectLayout(PixelFormat::FromMasks(16, 0xF800, 0x07E0, 0x001F), 11, 6, 0, 0, 0, 0, 0);
    ExpectLayout(PixelFormat::FromMasks(16, 0x7C00, 0x03E0, 0x001F), 10, 5, 0, 0, 0, 0, 0);
    ExpectLayout(PixelFormat::FromMasks(32, 0xFF0000, 0x00FF00, 0x0000FF), 16, 8, 0, 2, 1, 0, 3);
    ExpectLayout(PixelFormat::FromMasks(32, 0x0000FF, 0x00FF00, 0xFF0000), 0, 8, 16, 0, 1, 2, 3);

    const PixelFormat format = PixelFormat::FromMasks(16, 0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(format.depth, 16);
    EXPECT_EQ(format.redMask, 0xF800u);
    EXPECT_EQ(format.greenMask, 0x07E0u);
    EXPECT_EQ(format.blueMask, 0x001Fu);
}

TEST(PixelFormat, AMaskThatNeverReachesTheTopValueStopsTheAnalysis) {
    // Green has a gap, so neither green nor blue gets a shift.
    ExpectLayout(PixelFormat::FromMasks(16, 0xF800, 0x0660, 0x001F), 11, 0, 0, 0, 0, 0, 0);
    ExpectLayout(PixelFormat::FromMasks(32, 0, 0x00FF00, 0x0000FF), 0, 0, 0, 0, 0, 0, 3);
}

TEST(PixelFormat, ScreenIsWhatTheDisplayFoundAt16Bits) {
    ScratchFolder folder;
    HeadlessScreen screen(16);
    const PixelFormat format = PixelFormat::Screen();
    EXPECT_EQ(format.depth, 16);
    EXPECT_EQ(format.redMask, 0xF800u);
    ExpectLayout(format, 11, 6, 0, 0, 0, 0, 0);
}

TEST(PixelFormat, ScreenIsWhatTheDisplayFoundAt32Bits) {
    ScratchFolder folder;
    HeadlessScreen screen(32);
    const PixelFormat format = PixelFormat::Screen();
    EXPECT_EQ(format.depth, 32);
    EXPECT_EQ(format.greenMask, 0x00FF00u);
    ExpectLayout(format, 16, 8, 0, 2, 1, 0, 3);
}

} // namespace
