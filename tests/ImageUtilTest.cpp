#include "gfx/ImageUtil.h"

#include "platform/headless/HeadlessPlatform.h"
#include "support/Pictures.h"
#include "support/ScratchFolder.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace pictures;

ImageUtil& Util() {
    return Singleton<ImageUtil>::Instance();
}

using Rect = InclusiveRect;

std::uint32_t Bgr(const std::uint8_t* pixel) {
    return std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
}

// Unpacks a run-length stream the way a reader of the format would.
std::vector<std::uint8_t> Decode(const Image& image) {
    const std::size_t pixelBytes = static_cast<std::size_t>(image.BytesPerPixel());
    const std::uint8_t* stream = image.GetData();
    const std::uint8_t* end = stream + image.GetDataSize();
    std::vector<std::uint8_t> pixels;
    while (stream < end) {
        const auto control = static_cast<std::int8_t>(*stream++);
        if (control < 0) {
            const std::size_t bytes = static_cast<std::size_t>(-control) * pixelBytes;
            pixels.insert(pixels.end(), stream, stream + bytes);
            stream += bytes;
        } else {
            for (int repeat = 0; repeat < control; ++repeat)
                pixels.insert(pixels.end(), stream, stream + pixelBytes);
            stream += pixelBytes;
        }
    }
    return pixels;
}

// The control bytes of a run-length stream, in order.
std::vector<int> Controls(const Image& image) {
    const std::size_t pixelBytes = static_cast<std::size_t>(image.BytesPerPixel());
    std::vector<int> controls;
    for (std::size_t at = 0; at < image.GetDataSize();) {
        const auto control = static_cast<std::int8_t>(image.GetData()[at]);
        controls.push_back(control);
        at += 1 + (control < 0 ? static_cast<std::size_t>(-control) : 1) * pixelBytes;
    }
    return controls;
}

TEST(ImageUtil, RemapTurnsBlackIntoNearBlackAndMagentaIntoBlack) {
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> cases = {
        {0xFF00FF, 0x000000}, {0x000000, 0x080808}, {0x070707, 0x080808}, {0xF007F0, 0x000000},
        {0xEF00FF, 0xEF00FF}, {0xFF08FF, 0xFF08FF}, {0x080000, 0x080000}, {0x123456, 0x123456}};
    Image image;
    ASSERT_TRUE(image.Create(static_cast<int>(cases.size()), 1, 24));
    for (std::size_t index = 0; index < cases.size(); ++index)
        SetBgr(image, static_cast<int>(index), 0, cases[index].first);
    ASSERT_TRUE(Util().RemapTransparentColor(image));
    for (std::size_t index = 0; index < cases.size(); ++index)
        EXPECT_EQ(Bgr(image.GetData() + index * 3), cases[index].second)
            << std::hex << cases[index].first;

    Image palette;
    ASSERT_TRUE(palette.Create(2, 1, 8));
    palette.GetPalette()[200 * 4] = 255;
    palette.GetPalette()[200 * 4 + 1] = 0;
    palette.GetPalette()[200 * 4 + 2] = 255;
    ASSERT_TRUE(Util().RemapTransparentColor(palette));
    for (int entry = 0; entry < Image::kPaletteEntries; ++entry) {
        const std::uint32_t expected = entry < 8      ? 0x080808u
                                       : entry == 200 ? 0u
                                                      : entry * 0x010101u;
        EXPECT_EQ(Bgr(palette.GetPalette() + entry * 4), expected) << entry;
    }
}

TEST(ImageUtil, RemapRefusesPicturesWithoutColourBytes) {
    ScratchFolder folder;
    platform::HeadlessPlatform headless;
    platform::Platform::install(&headless);
    Image image;
    ASSERT_TRUE(image.Create(2, 2, k565));
    EXPECT_FALSE(Util().RemapTransparentColor(image));
    EXPECT_EQ(
        headless.window().messageBoxes(),
        std::vector<std::string>{"ERROR: ImageUtil::RemapTransparentColor: unsupported depth"});
    platform::Platform::install(nullptr);
}

TEST(ImageUtil, MaskBitsTurnTheirPixelsBlack) {
    Image image;
    ASSERT_TRUE(image.Create(7, 3, k565));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            image.SetPixel(x, y, 200, 100, 50);
    Image mask;
    ASSERT_TRUE(mask.Create(7, 3, 1));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            mask.SetPixel(x, y, (x + y) % 3 == 0 ? 0 : 255, 255, 255);

    ASSERT_TRUE(Util().ApplyMask(image, mask));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(image.GetPixel(x, y) == 0, (x + y) % 3 == 0) << x << "," << y;
}

TEST(ImageUtil, MasksMustBeBitsOfTheSameSize) {
    ScratchFolder folder;
    Image image;
    ASSERT_TRUE(image.Create(7, 3, k565));
    image.SetPixel(0, 0, 255, 255, 255);
    Image tall;
    ASSERT_TRUE(tall.Create(7, 4, 1));
    EXPECT_FALSE(Util().ApplyMask(image, tall));
    EXPECT_NE(folder.Read("debug.txt").find("Mask size must fit image size.\n"), std::string::npos);
    Image notBits;
    ASSERT_TRUE(notBits.Create(7, 3, 8));
    EXPECT_FALSE(Util().ApplyMask(image, notBits));
    EXPECT_NE(image.GetPixel(0, 0), 0u);
}

TEST(ImageUtil, BoundingBoxHoldsEveryPixelThatIsNotBlack) {
    Image image;
    ASSERT_TRUE(image.Create(10, 6, kXrgb));
    EXPECT_EQ(Util().BoundingBox(image), (Rect{5, 3, 5, 3}));
    image.SetPixel(2, 4, 0, 0, 1);
    EXPECT_EQ(Util().BoundingBox(image), (Rect{2, 4, 2, 4}));
    image.SetPixel(8, 1, 0, 1, 0);
    image.SetPixel(4, 5, 1, 0, 0);
    EXPECT_EQ(Util().BoundingBox(image), (Rect{2, 1, 8, 5}));

    Image odd;
    ASSERT_TRUE(odd.Create(7, 5, 1));
    // 1-bit pictures: a set bit is black.
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            odd.SetPixel(x, y, 0, 0, 0);
    EXPECT_EQ(Util().BoundingBox(odd), (Rect{3, 2, 3, 2}));
    odd.SetPixel(6, 0, 255, 255, 255);
    EXPECT_EQ(Util().BoundingBox(odd), (Rect{6, 0, 6, 0}));
}

TEST(ImageUtil, CopyRectCopiesRowsOfEqualDepth) {
    Image source;
    ASSERT_TRUE(source.Create(6, 5, 24));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            SetBgr(source, x, y, static_cast<std::uint32_t>(0x010203 * (x + 10 * y + 1)));
    Image destination;
    ASSERT_TRUE(destination.Create(4, 4, 24));
    ASSERT_TRUE(Util().CopyRect(source, destination, Rect{2, 1, 4, 3}, 1, 0));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool copied = x >= 1 && y <= 2;
            const std::uint32_t expected =
                copied ? Bgr(source.GetData() + ((x + 1) + (y + 1) * 6) * 3) : 0;
            EXPECT_EQ(Bgr(destination.GetData() + (x + y * 4) * 3), expected) << x << "," << y;
        }
    }
}

TEST(ImageUtil, CopyRectIntoBitsMarksTheBlackPixels) {
    Image source;
    ASSERT_TRUE(source.Create(5, 3, k565));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            if ((x * y) % 2 == 1)
                source.SetPixel(x, y, 8, 8, 8);
    Image mask;
    ASSERT_TRUE(mask.Create(3, 2, 1));
    ASSERT_TRUE(Util().CopyRect(source, mask, Rect{1, 1, 3, 2}, 0, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(mask.GetPixel(x, y) == 0, source.GetPixel(x + 1, y + 1) == 0)
                << x << "," << y;
}

TEST(ImageUtil, CopyRectRefusesWhatDoesNotFit) {
    ScratchFolder folder;
    Image source;
    ASSERT_TRUE(source.Create(6, 5, 24));
    Image other;
    ASSERT_TRUE(other.Create(6, 5, 8));
    EXPECT_FALSE(Util().CopyRect(source, other, Rect{0, 0, 1, 1}, 0, 0));
    EXPECT_NE(folder.Read("debug.txt").find("Image depths are different. Cant copy.\n"),
              std::string::npos);

    Image small;
    ASSERT_TRUE(small.Create(3, 3, 24));
    EXPECT_FALSE(Util().CopyRect(source, small, Rect{0, 0, 3, 1}, 0, 0));
    EXPECT_FALSE(Util().CopyRect(source, small, Rect{0, 0, 1, 1}, 2, 0));
    EXPECT_FALSE(Util().CopyRect(source, small, Rect{0, 0, 1, 1}, -1, 0));
    EXPECT_NE(
        folder.Read("debug.txt").find("Src image rect dimensions do not fit to destination.\n"),
        std::string::npos);

    // Rectangles reaching outside the source would read past its pixels.
    EXPECT_FALSE(Util().CopyRect(source, small, Rect{5, 4, 6, 5}, 0, 0));
    EXPECT_FALSE(Util().CopyRect(source, small, Rect{-1, 0, 0, 0}, 0, 0));
    EXPECT_FALSE(Util().CopyRect(source, small, Rect{2, 0, 1, 0}, 0, 0));
    EXPECT_EQ(Bytes(small), std::vector<std::uint8_t>(small.GetDataSize(), 0));
}

TEST(ImageUtil, FindRunFindsFourEqualColoursAcrossRows) {
    Image image;
    ASSERT_TRUE(image.Create(5, 3, kXrgb));
    // Row 0: a b a a a, row 1 begins with a: the run starts at index 2 and goes on into row 1.
    const std::vector<std::uint8_t> reds = {1, 2, 1, 1, 1, 1, 3, 4, 5, 6, 7, 7, 7, 8, 8};
    for (int index = 0; index < 15; ++index)
        image.SetPixel(index % 5, index / 5, 0, 0, reds[static_cast<std::size_t>(index)]);
    EXPECT_EQ(Util().FindRun(image, 0), 2u);
    EXPECT_EQ(Util().FindRun(image, 2), 2u);
    EXPECT_EQ(Util().FindRun(image, 3), 15u);
    EXPECT_EQ(Util().FindRun(image, 15), 15u);

    // The pad byte is no colour.
    image.GetData()[10 * 4 + 3] = 0x99;
    image.SetPixel(3, 2, 0, 0, 7);
    EXPECT_EQ(Util().FindRun(image, 3), 10u);
}

TEST(ImageUtil, RleEncodePacketsHoldAtMost127Pixels) {
    const auto encode = [](int width, const std::function<std::uint32_t(int)>& colour) {
        Image image;
        EXPECT_TRUE(image.Create(width, 1, k565));
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, 0, static_cast<std::uint8_t>(colour(x)),
                           static_cast<std::uint8_t>(colour(x) >> 8), 64);
        const std::vector<std::uint8_t> pixels = Bytes(image);
        EXPECT_TRUE(Util().RleEncode(image));
        EXPECT_TRUE(image.IsRle());
        EXPECT_EQ(Decode(image), pixels);
        return Controls(image);
    };
    EXPECT_EQ(encode(200, [](int) { return 0x2010u; }), (std::vector<int>{127, 73}));
    EXPECT_EQ(encode(5, [](int x) { return x * 8u; }), std::vector<int>{-5});
    // Blue and green step through 200 different 5-bit pairs.
    EXPECT_EQ(encode(200, [](int x) { return (x / 32u * 8u) << 8 | (x % 32u * 8u); }),
              (std::vector<int>{-127, -73}));
}

TEST(ImageUtil, RleEncodeRoundTripsMixedPictures) {
    Image image;
    ASSERT_TRUE(image.Create(37, 23, k565));
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            image.SetPixel(x, y, static_cast<std::uint8_t>((x / 6) * 40),
                           static_cast<std::uint8_t>(y % 3 ? 0 : x * 9),
                           static_cast<std::uint8_t>(x > 30 ? 255 : 0));
    // A few pixels that differ only where the colour read drops the bit.
    image.GetData()[2 * 100] ^= 0x20;
    const std::vector<std::uint8_t> pixels = Bytes(image);
    ASSERT_TRUE(Util().RleEncode(image));
    EXPECT_LT(image.GetDataSize(), pixels.size());
    EXPECT_EQ(Decode(image), pixels);

    // Encoding again leaves the stream alone, and its pixels can no longer be set.
    const std::vector<std::uint8_t> stream = Bytes(image);
    EXPECT_TRUE(Util().RleEncode(image));
    image.SetPixel(0, 0, 255, 255, 255);
    image.Mirror();
    EXPECT_EQ(Bytes(image), stream);
}

TEST(ImageUtil, RleEncodeNeedsWholeBytePixelsItCanRead) {
    ScratchFolder folder;
    Image bits;
    ASSERT_TRUE(bits.Create(16, 2, 1));
    EXPECT_FALSE(Util().RleEncode(bits));
    EXPECT_FALSE(bits.IsRle());
    Image colour;
    ASSERT_TRUE(colour.Create(4, 2, 24));
    EXPECT_FALSE(Util().RleEncode(colour));
    EXPECT_NE(folder.Read("debug.txt").find("ImageUtil::RleEncode: cannot encode a 24-bit image\n"),
              std::string::npos);
}

} // namespace
