#include "platform/SurfaceFormat.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using platform::SurfaceFormat;

TEST(SurfaceFormatTest, TheScreenDepthsHaveTheirUsualChannels) {
    const SurfaceFormat rgb565 = SurfaceFormat::ForDepth(16);
    EXPECT_EQ(rgb565.redMask, 0xF800u);
    EXPECT_EQ(rgb565.greenMask, 0x07E0u);
    EXPECT_EQ(rgb565.blueMask, 0x001Fu);
    const SurfaceFormat x8r8g8b8 = SurfaceFormat::ForDepth(32);
    EXPECT_EQ(x8r8g8b8.redMask, 0xFF0000u);
    EXPECT_EQ(x8r8g8b8.greenMask, 0xFF00u);
    EXPECT_EQ(x8r8g8b8.blueMask, 0xFFu);
    EXPECT_EQ(x8r8g8b8.bytesPerPixel(), 4);
    EXPECT_EQ(SurfaceFormat::ForDepth(24).bytesPerPixel(), 3);
    for (const int unsupported : {0, 1, 8, 15, 64})
        EXPECT_TRUE(SurfaceFormat::ForDepth(unsupported).isEmpty()) << unsupported;
}

TEST(SurfaceFormatTest, FiveAndSixBitChannelsWidenToTheFullRange) {
    const SurfaceFormat format = SurfaceFormat::ForDepth(16);
    EXPECT_EQ(format.toXrgb(0xFFFF), 0xFFFFFFu);
    EXPECT_EQ(format.toXrgb(0x0000), 0x000000u);
    EXPECT_EQ(format.toXrgb(0xF800), 0xFF0000u);
    EXPECT_EQ(format.toXrgb(0x07E0), 0x00FF00u);
    EXPECT_EQ(format.toXrgb(0x001F), 0x0000FFu);
    // 16 of 31 is 132 of 255, 32 of 63 is 130.
    EXPECT_EQ(format.toXrgb(0x8410), 0x848284u);
}

TEST(SurfaceFormatTest, ThePadByteOfThirtyTwoBitPixelsIsDropped) {
    const SurfaceFormat format = SurfaceFormat::ForDepth(32);
    EXPECT_EQ(format.toXrgb(0xAB123456), 0x123456u);
    const uint8_t bytes[] = {0x56, 0x34, 0x12, 0xAB};
    uint32_t converted = 0;
    format.rowToXrgb(bytes, &converted, 1);
    EXPECT_EQ(converted, 0x123456u);
}

TEST(SurfaceFormatTest, PixelsAreReadAndWrittenLittleEndian) {
    const SurfaceFormat format = SurfaceFormat::ForDepth(24);
    uint8_t bytes[4] = {0, 0, 0, 0x77};
    format.write(bytes, 0x123456);
    EXPECT_EQ(bytes[0], 0x56);
    EXPECT_EQ(bytes[2], 0x12);
    EXPECT_EQ(bytes[3], 0x77) << "a 24-bit pixel is three bytes";
    EXPECT_EQ(format.read(bytes), 0x123456u);
}

// Rows take the fast paths; they must agree with the pixel-by-pixel rule for every pixel.
TEST(SurfaceFormatTest, RowConversionAgreesWithThePixelRuleForEverySixteenBitValue) {
    const SurfaceFormat format = SurfaceFormat::ForDepth(16);
    std::vector<uint8_t> row(65536 * 2);
    for (uint32_t value = 0; value < 65536; ++value)
        format.write(&row[value * 2], value);
    std::vector<uint32_t> converted(65536);
    format.rowToXrgb(row.data(), converted.data(), 65536);
    for (uint32_t value = 0; value < 65536; ++value)
        ASSERT_EQ(converted[value], format.toXrgb(value)) << std::hex << value;
}

TEST(SurfaceFormatTest, RowsOfUnusualMasksConvertThroughTheMasks) {
    const SurfaceFormat bgr{32, 0xFF, 0xFF00, 0xFF0000};
    const uint8_t bytes[] = {0x11, 0x22, 0x33, 0x00, 0xAA, 0xBB, 0xCC, 0x00};
    uint32_t converted[2] = {};
    bgr.rowToXrgb(bytes, converted, 2);
    EXPECT_EQ(converted[0], 0x112233u);
    EXPECT_EQ(converted[1], 0xAABBCCu);
    const SurfaceFormat rgb555{16, 0x7C00, 0x03E0, 0x001F};
    EXPECT_EQ(rgb555.toXrgb(0x7FFF), 0xFFFFFFu);
    EXPECT_EQ(rgb555.toXrgb(0x03E0), 0x00FF00u);
}

} // namespace
