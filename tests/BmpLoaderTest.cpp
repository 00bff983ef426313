#include "gfx/BmpLoader.h"

#include "DataFolderFixture.h"
#include "support/BmpWriter.h"
#include "support/Pictures.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class BmpLoaderTest : public DataFolderTest {
  protected:
    static std::unique_ptr<Image> Load(const std::string& path) {
        return Singleton<BmpLoader>::Instance().Load(path);
    }
    static std::unique_ptr<Image> Decode(const std::string& path) {
        return Singleton<BmpLoader>::Instance().Decode(path);
    }

    // Decode gives nothing and writes the line; Load writes the same line and ends the process
    // as the game does (its log line is left in the shared folder).
    static void ExpectFatal(const std::string& bytes, const std::string& logLine) {
        WriteFile("data/bad.bmp", bytes);
        EXPECT_EQ(Decode("data\\bad.bmp"), nullptr);
        EXPECT_EQ(LogText(), logLine);
        std::filesystem::remove("debug.txt");
        EXPECT_EXIT(Load("data\\bad.bmp"), ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(LogText(), logLine);
        std::filesystem::remove("debug.txt");
    }
};

std::uint32_t Colour(int x, int y) {
    return static_cast<std::uint32_t>((x * 53 + y * 19) % 256) << 16 |
           static_cast<std::uint32_t>((x * 7 + 101) % 256) << 8 |
           static_cast<std::uint32_t>((y * 31 + x + 5) % 256);
}

std::vector<std::uint32_t> Picture(int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(Colour(x, y));
    return pixels;
}

// Indices that differ from pixel to pixel and from row to row.
std::vector<std::uint32_t> Indices(int width, int height, int modulo) {
    std::vector<std::uint32_t> indices;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            indices.push_back(static_cast<std::uint32_t>((x * 3 + y * 5 + x * y) % modulo));
    return indices;
}

std::vector<std::uint32_t> Palette(int entries) {
    std::vector<std::uint32_t> palette;
    for (int entry = 0; entry < entries; ++entry)
        palette.push_back(Colour(entry, entry * 3 + 1));
    return palette;
}

using pictures::BgrAt;

void ExpectColours(const Image& image, int width, int height) {
    ASSERT_EQ(image.GetWidth(), width);
    ASSERT_EQ(image.GetHeight(), height);
    ASSERT_EQ(image.GetDepth(), 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(BgrAt(image, x, y), Colour(x, y)) << x << "," << y;
}

std::string ColourBmp(int width, int height) {
    return BmpWriter(width, height, 24, Picture(width, height)).Bytes();
}

TEST_F(BmpLoaderTest, ReadsTrueColourPicturesOfEveryRowPaddingEitherWayUp) {
    for (int width = 1; width <= 8; ++width) {
        SCOPED_TRACE("width " + std::to_string(width));
        WriteFile("data/colour.bmp", ColourBmp(width, 3));
        ExpectColours(*Load("data\\colour.bmp"), width, 3);
    }
    WriteFile("data/top.bmp", BmpWriter(5, 4, 24, Picture(5, 4)).TopDown().Bytes());
    ExpectColours(*Load("data\\top.bmp"), 5, 4);
    // A palette named by a true-colour picture is passed over.
    WriteFile("data/extra.bmp",
              BmpWriter(3, 2, 24, Picture(3, 2), Palette(4)).ColoursUsed(4).Bytes());
    ExpectColours(*Load("data\\extra.bmp"), 3, 2);
}

TEST_F(BmpLoaderTest, ReadsPalettePicturesOfAnyWidthWithoutTheirRowPadding) {
    const std::vector<std::uint32_t> palette = Palette(256);
    for (const int width : {1, 3, 4, 5, 13}) {
        SCOPED_TRACE("width " + std::to_string(width));
        const std::vector<std::uint32_t> indices = Indices(width, 4, 256);
        WriteFile("data/palette.bmp", BmpWriter(width, 4, 8, indices, palette).Bytes());
        const auto image = Load("data\\palette.bmp");
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetDepth(), 8);
        EXPECT_EQ(image->GetDataSize(), static_cast<std::size_t>(width) * 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(image->GetPixel(x, y),
                          palette[indices[static_cast<std::size_t>(y * width + x)]]);
    }
}

TEST_F(BmpLoaderTest, LongerInformationHeadersAndAGapBeforeThePixelsAreHonoured) {
    WriteFile("data/v5.bmp",
              BmpWriter(5, 3, 24, Picture(5, 3)).InfoHeaderSize(124).GapBeforePixels(6).Bytes());
    ExpectColours(*Load("data\\v5.bmp"), 5, 3);
    const std::vector<std::uint32_t> palette = Palette(256);
    const std::vector<std::uint32_t> indices = Indices(3, 2, 256);
    WriteFile("data/v4.bmp",
              BmpWriter(3, 2, 8, indices, palette).InfoHeaderSize(108).GapBeforePixels(2).Bytes());
    const auto image = Load("data\\v4.bmp");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixel(2, 1), palette[indices[5]]);
}

TEST_F(BmpLoaderTest, ASixteenColourPaletteLeavesTheOtherEntriesMagenta) {
    const std::vector<std::uint32_t> palette = Palette(16);
    const std::vector<std::uint32_t> indices = Indices(7, 3, 16);
    WriteFile("data/sixteen.bmp", BmpWriter(7, 3, 8, indices, palette).ColoursUsed(16).Bytes());
    const auto image = Load("data\\sixteen.bmp");
    ASSERT_NE(image, nullptr);
    const std::uint8_t* entries = image->GetPalette();
    for (int entry = 0; entry < 256; ++entry) {
        const std::uint32_t colour =
            entries[entry * 4] | entries[entry * 4 + 1] << 8 | entries[entry * 4 + 2] << 16;
        EXPECT_EQ(colour, entry < 16 ? palette[static_cast<std::size_t>(entry)] : 0xFF00FFu)
            << entry;
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(image->GetPixel(x, y), palette[indices[static_cast<std::size_t>(y * 7 + x)]]);
}

TEST_F(BmpLoaderTest, ReadsOneBitPicturesOfAnyWidthAsOneRunOfBits) {
    for (const int width : {1, 7, 8, 9, 31, 33, 45}) {
        SCOPED_TRACE("width " + std::to_string(width));
        const std::vector<std::uint32_t> bits = Indices(width, 5, 2);
        WriteFile("data/mask.bmp", BmpWriter(width, 5, 1, bits, {0x000000, 0xFFFFFF}).Bytes());
        const auto image = Load("data\\mask.bmp");
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetDepth(), 1);
        EXPECT_EQ(image->GetDataSize(), (static_cast<std::size_t>(width) * 5 + 7) / 8);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(image->GetPixel(x, y),
                          bits[static_cast<std::size_t>(y * width + x)] ? 0u : 0xFFFFFFu);
    }
}

TEST_F(BmpLoaderTest, ReadsContainerEntriesNoFurtherThanTheirEnd) {
    const std::string picture = ColourBmp(5, 3);
    const std::string gap =
        BmpWriter(5, 3, 24, Picture(5, 3)).InfoHeaderSize(124).GapBeforePixels(6).Bytes();
    SaveContainer(RawContainer()
                      .Header()
                      .Put(1, "data\\frog.bmp", picture)
                      .Put(2, "data\\cut.bmp", picture.substr(0, picture.size() - 2))
                      .Put(3, "data\\next.txt", std::string(64, 'x'))
                      .Put(4, "data\\gap.bmp", gap));
    ASSERT_TRUE(Loader().ReadDirectory());
    ExpectColours(*Load("DATA\\Frog.bmp"), 5, 3);
    ExpectColours(*Load("data\\gap.bmp"), 5, 3);

    EXPECT_EXIT(Load("data\\cut.bmp"), ::testing::ExitedWithCode(1), "reach past the end");
}

TEST_F(BmpLoaderTest, AMissingPictureEndsTheProgram) {
    EXPECT_EQ(Decode("data\\missing.bmp"), nullptr);
    EXPECT_EQ(LogText(), "could not open data\\missing.bmp!\n");
    EXPECT_EXIT(Load("data\\missing.bmp"), ::testing::ExitedWithCode(1), "could not open");
}

TEST_F(BmpLoaderTest, DecodeReadsWhatLoadReadsAndGoesOnAfterADamagedPicture) {
    const std::string whole = ColourBmp(6, 3);
    WriteFile("data/cut.bmp", whole.substr(0, whole.size() - 3));
    WriteFile("data/colour.bmp", whole);
    EXPECT_EQ(Decode("data\\cut.bmp"), nullptr);
    ExpectColours(*Decode("data\\colour.bmp"), 6, 3);
    const auto loaded = Load("data\\colour.bmp");
    const auto decoded = Decode("data\\colour.bmp");
    ASSERT_EQ(loaded->GetDataSize(), decoded->GetDataSize());
    EXPECT_TRUE(std::equal(loaded->GetData(), loaded->GetData() + loaded->GetDataSize(),
                           decoded->GetData()));
    EXPECT_EQ(LogText(),
              "Bitmap data\\cut.bmp is damaged: its pixels reach past the end of the file\n");
}

TEST_F(BmpLoaderTest, PicturesOfOtherKindsEndTheProgram) {
    const std::string unsupported = "Bitmap has to be 8 Bit or 24 Bit uncompressed\n";
    std::string runLength = BmpWriter(4, 2, 8, Indices(4, 2, 256), Palette(256)).Bytes();
    BmpWriter::Put32(runLength, BmpWriter::kCompressionOffset, 1);
    ExpectFatal(runLength, unsupported);
    for (const std::uint16_t bits : {4, 16, 32}) {
        std::string other = ColourBmp(4, 2);
        BmpWriter::Put16(other, BmpWriter::kBitCountOffset, bits);
        ExpectFatal(other, unsupported);
    }
}

TEST_F(BmpLoaderTest, HeadersThatDoNotFitTheFileEndTheProgram) {
    ExpectFatal(ColourBmp(4, 2).substr(0, 30),
                "Bitmap data\\bad.bmp is damaged: its headers are cut short\n");
    ExpectFatal("", "Bitmap data\\bad.bmp is damaged: its headers are cut short\n");

    const std::string outOfRange = "Bitmap data\\bad.bmp is damaged: its size is out of range\n";
    const std::vector<std::pair<std::size_t, std::uint32_t>> sizes = {
        {BmpWriter::kWidthOffset, 0},           {BmpWriter::kWidthOffset, 0xFFFFFFFC},
        {BmpWriter::kWidthOffset, 16385},       {BmpWriter::kHeightOffset, 0},
        {BmpWriter::kHeightOffset, 0xFFFFBFFF}, {BmpWriter::kHeightOffset, 0x80000000}};
    for (const auto& [offset, value] : sizes) {
        std::string bytes = ColourBmp(4, 2);
        BmpWriter::Put32(bytes, offset, value);
        ExpectFatal(bytes, outOfRange);
    }

    std::string palette = BmpWriter(4, 2, 8, Indices(4, 2, 256), Palette(256)).Bytes();
    BmpWriter::Put32(palette, BmpWriter::kColoursUsedOffset, 257);
    ExpectFatal(palette,
                "Bitmap data\\bad.bmp is damaged: its palette has more than 256 colours\n");

    const std::string pastTheEnd =
        "Bitmap data\\bad.bmp is damaged: its pixels reach past the end of the file\n";
    const std::string whole = ColourBmp(5, 3);
    ExpectFatal(whole.substr(0, whole.size() - 1), pastTheEnd);
    std::string tall = ColourBmp(5, 3);
    BmpWriter::Put32(tall, BmpWriter::kHeightOffset, 16384);
    ExpectFatal(tall, pastTheEnd);
    std::string paletteCut =
        BmpWriter(4, 2, 8, Indices(4, 2, 16), Palette(16)).ColoursUsed(16).Bytes();
    BmpWriter::Put32(paletteCut, BmpWriter::kColoursUsedOffset, 256);
    ExpectFatal(paletteCut, pastTheEnd);
    std::string hugeHeader = ColourBmp(5, 3);
    BmpWriter::Put32(hugeHeader, 14, 0xFFFFFF00);
    ExpectFatal(hugeHeader, pastTheEnd);
    std::string farPixels = ColourBmp(5, 3);
    BmpWriter::Put32(farPixels, 10, 0xFFFFFFF0);
    ExpectFatal(farPixels, pastTheEnd);

    std::string shortHeader = ColourBmp(4, 2);
    BmpWriter::Put32(shortHeader, 14, 12);
    ExpectFatal(shortHeader,
                "Bitmap data\\bad.bmp is damaged: its information header is too short\n");
}

} // namespace
