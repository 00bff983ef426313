#include "gfx/PngWriter.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <png.h>

namespace {

// Reads a PNG back through libpng's simplified interface, independent of the writer's calls.
std::vector<uint32_t> ReadRgb(const std::string& path, png_uint_32& width, png_uint_32& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr))
        return {};
    width = image.width;
    height = image.height;
    std::vector<uint32_t> pixels(bytes.size() / 3);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] =
            uint32_t{bytes[3 * i]} << 16 | uint32_t{bytes[3 * i + 1]} << 8 | bytes[3 * i + 2];
    return pixels;
}

TEST(PngWriterTest, APictureReadsBackPixelForPixel) {
    ScratchFolder folder;
    const int width = 5;
    const int height = 3;
    std::vector<uint32_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(static_cast<uint32_t>(i * 0x111111) ^ 0xA05F30);
    ASSERT_TRUE(PngWriter::Write("shot.png", width, height, pixels));
    png_uint_32 readWidth = 0;
    png_uint_32 readHeight = 0;
    EXPECT_EQ(ReadRgb("shot.png", readWidth, readHeight), pixels);
    EXPECT_EQ(readWidth, 5u);
    EXPECT_EQ(readHeight, 3u);
}

TEST(PngWriterTest, TheUnusedTopByteIsIgnored) {
    ScratchFolder folder;
    ASSERT_TRUE(PngWriter::Write("shot.png", 1, 1, {0xFF00FF00}));
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    EXPECT_EQ(ReadRgb("shot.png", width, height), std::vector<uint32_t>{0x00FF00});
}

TEST(PngWriterTest, ImpossiblePicturesAndPathsAreRefusedWithALogLine) {
    ScratchFolder folder;
    EXPECT_FALSE(PngWriter::Write("a.png", 2, 2, {1, 2, 3}));
    EXPECT_FALSE(PngWriter::Write("b.png", 0, 0, {}));
    EXPECT_FALSE(PngWriter::Write("no/such/folder/c.png", 1, 1, {0}));
    const std::string log = folder.Read("debug.txt");
    EXPECT_NE(log.find("PngWriter: 3 pixels do not make a 2 x 2 picture\n"), std::string::npos);
    EXPECT_NE(log.find("PngWriter: could not write no/such/folder/c.png\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("a.png"));
}

} // namespace
