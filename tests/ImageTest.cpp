#include "gfx/Image.h"

#include "support/Pictures.h"
#include "support/ScratchFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace pictures;

TEST(Image, CreateSizesTheBufferByDepthAndRefusesWhatNoPictureIs) {
    ScratchFolder folder;
    Image image;
    ASSERT_TRUE(image.Create(13, 3, 1));
    EXPECT_EQ(image.GetDataSize(), (13u * 3u + 7u) / 8u);
    ASSERT_TRUE(image.Create(13, 3, kXrgb));
    EXPECT_EQ(image.GetDataSize(), 13u * 3u * 4u);
    ASSERT_TRUE(image.Create(13, 3, 8));
    EXPECT_EQ(image.GetDataSize(), 13u * 3u);
    const std::uint8_t* ramp = image.GetPalette();
    for (int entry = 0; entry < Image::kPaletteEntries; ++entry) {
        const auto level = static_cast<std::uint8_t>(entry);
        EXPECT_EQ(std::vector<std::uint8_t>(ramp + entry * 4, ramp + entry * 4 + 4),
                  (std::vector<std::uint8_t>{level, level, level, 0}));
    }
    EXPECT_EQ(Bytes(image), std::vector<std::uint8_t>(13 * 3, 0));

    EXPECT_FALSE(image.Create(-1, 4, 24));
    EXPECT_EQ(image.GetData(), nullptr);
    EXPECT_EQ(image.GetPalette(), nullptr);
    EXPECT_FALSE(image.Create(4, Image::kMaxSide + 1, 24));
    EXPECT_FALSE(image.Create(4, 4, 4));
    EXPECT_NE(
        folder.Read("debug.txt").find("Image::Create: no picture is 4 x 4 pixels of 4 bits\n"),
        std::string::npos);
    EXPECT_TRUE(image.Create(0, 0, 24));
}

TEST(Image, SixteenBitPixelsKeepTheTopFiveBitsOfEachChannel) {
    Image image;
    ASSERT_TRUE(image.Create(3, 2, k565));
    image.SetPixel(1, 1, 255, 255, 255);
    EXPECT_EQ(Word16(image, 1, 1), 0xFFDFu);
    EXPECT_EQ(image.GetPixel(1, 1), 0xF8F8F8u);
    image.SetPixel(0, 0, 0, 0, 255);
    EXPECT_EQ(Word16(image, 0, 0), 0xF800u);
    image.SetPixel(0, 1, 0x47, 0x86, 0x13);
    EXPECT_EQ(image.GetPixel(0, 1), 0x108040u);
    EXPECT_EQ(Word16(image, 1, 0), 0u);

    ASSERT_TRUE(image.Create(1, 1, k555));
    image.SetPixel(0, 0, 255, 255, 255);
    EXPECT_EQ(Word16(image, 0, 0), 0x7FFFu);
}

TEST(Image, ThirtyTwoBitPixelsSitAtTheirByteIndices) {
    for (const PixelFormat& format : {kXrgb, kXbgr}) {
        Image image;
        ASSERT_TRUE(image.Create(2, 1, format));
        image.SetPixel(1, 0, 0x11, 0x22, 0x33);
        const std::uint8_t* pixel = image.GetData() + 4;
        EXPECT_EQ(pixel[format.blueIndex], 0x11);
        EXPECT_EQ(pixel[format.greenIndex], 0x22);
        EXPECT_EQ(pixel[format.redIndex], 0x33);
        EXPECT_EQ(pixel[format.padIndex], 0);
        EXPECT_EQ(image.GetPixel(1, 0), 0x332211u);
    }
}

TEST(Image, OneBitPixelsRunOnAcrossRowsMostSignificantBitFirst) {
    Image image;
    ASSERT_TRUE(image.Create(5, 3, 1));
    image.SetPixel(4, 0, 0, 0, 0);
    image.SetPixel(0, 1, 255, 0, 255);
    image.SetPixel(4, 2, 0, 0, 0);
    EXPECT_EQ(Bytes(image), (std::vector<std::uint8_t>{0x0C, 0x02}));
    EXPECT_EQ(image.GetPixel(0, 1), 0u);
    EXPECT_EQ(image.GetPixel(1, 1), 0xFFFFFFu);
    image.SetPixel(4, 0, 1, 1, 1);
    EXPECT_EQ(image.GetData()[0], 0x04);
}

TEST(Image, EightBitPixelsTakeTheFirstExactPaletteEntry) {
    Image image;
    ASSERT_TRUE(image.Create(2, 1, 8));
    for (const int entry : {7, 9})
        std::copy_n("\x0A\x14\x1E", 3, image.GetPalette() + entry * 4);
    image.GetPalette()[7 * 4 + 3] = 0x40;
    image.SetPixel(0, 0, 10, 20, 30);
    EXPECT_EQ(image.GetData()[0], 7);
    EXPECT_EQ(image.GetPixel(0, 0), 0x401E140Au);
    image.SetPixel(1, 0, 1, 2, 3);
    EXPECT_EQ(image.GetData()[1], 0);
}

TEST(Image, UnreadableDepthsAndPlacesLogAndChangeNothing) {
    ScratchFolder folder;
    Image image;
    ASSERT_TRUE(image.Create(2, 2, 24));
    image.GetData()[0] = 0x55;
    EXPECT_EQ(image.GetPixel(0, 0), 0u);
    image.SetPixel(0, 0, 1, 2, 3);
    EXPECT_EQ(image.GetData()[0], 0x55);
    EXPECT_NE(folder.Read("debug.txt").find("Unsuported image depth. GetPixel() failed.\n"),
              std::string::npos);

    ASSERT_TRUE(image.Create(3, 2, kXrgb));
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {3, 0}, {0, 2}, {0, -1}}) {
        image.SetPixel(x, y, 255, 255, 255);
        EXPECT_EQ(image.GetPixel(x, y), 0u);
    }
    EXPECT_EQ(Bytes(image), std::vector<std::uint8_t>(image.GetDataSize(), 0));
}

TEST(Image, MirrorFlipsEveryDepthLeftToRight) {
    for (const int depth : {1, 8, 16, 24, 32}) {
        for (const int width : {1, 4, 5, 9, 17}) {
            SCOPED_TRACE("depth " + std::to_string(depth) + ", width " + std::to_string(width));
            Image image;
            ASSERT_TRUE(depth == 16   ? image.Create(width, 3, k565)
                        : depth == 32 ? image.Create(width, 3, kXrgb)
                                      : image.Create(width, 3, depth));
            for (std::size_t byte = 0; byte < image.GetDataSize(); ++byte)
                image.GetData()[byte] = static_cast<std::uint8_t>(byte * 37 + 11);
            const std::vector<std::uint8_t> original = Bytes(image);
            const auto pixel = [&](const std::uint8_t* data, int x, int y) {
                const int index = x + y * width;
                if (depth == 1)
                    return std::vector<std::uint8_t>{
                        static_cast<std::uint8_t>(data[index / 8] >> (7 - index % 8) & 1)};
                return std::vector<std::uint8_t>(data + index * depth / 8,
                                                 data + (index + 1) * depth / 8);
            };
            image.Mirror();
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x)
                    EXPECT_EQ(pixel(image.GetData(), x, y),
                              pixel(original.data(), width - 1 - x, y));
            image.Mirror();
            EXPECT_EQ(Bytes(image), original);
        }
    }
}

} // namespace
