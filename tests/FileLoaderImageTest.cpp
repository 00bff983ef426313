#include "DataFolderFixture.h"
#include "core/FileLoader.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "support/BmpWriter.h"
#include "support/HeadlessScreen.h"
#include "support/JpegWriter.h"
#include "support/Pictures.h"
#include "support/Probes.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class FileLoaderImageTest : public DataFolderTest {
  protected:
    std::vector<int> QueuedQuits() { return TakeQuitCodes(screen.Window()); }

    HeadlessScreen screen{16};
};

constexpr int kWidth = 9;
constexpr int kHeight = 4;

std::vector<std::uint32_t> Uniform(std::uint32_t colour) {
    return std::vector<std::uint32_t>(kWidth * kHeight, colour);
}

// Pixels on the diagonals are masked.
bool Masked(int x, int y) {
    return (x + y) % 4 == 0;
}

std::string Mask() {
    std::vector<std::uint32_t> bits;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            bits.push_back(Masked(x, y) ? 1 : 0);
    return BmpWriter(kWidth, kHeight, 1, bits, {0x000000, 0xFFFFFF}).Bytes();
}

using pictures::BgrAt;
using pictures::Word16;

TEST_F(FileLoaderImageTest, ABitmapComesBeforeAJpeg) {
    WriteFile("data/frog.bmp", BmpWriter(kWidth, kHeight, 24, Uniform(0x336699)).Bytes());
    WriteFile("data/frog.jpg", JpegWriter::Colour(kWidth, kHeight, Uniform(0xCC9933)));
    const auto image = Singleton<PictureLoader>::Instance().Load("frog", false);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetDepth(), 24);
    EXPECT_EQ(BgrAt(*image, 4, 2), 0x336699u);
}

TEST_F(FileLoaderImageTest, AJpegTakesItsMaskOnlyInTheScreenFormat) {
    WriteFile("data/leaf.jpg", JpegWriter::Colour(kWidth, kHeight, Uniform(0x40C080)));
    WriteFile("data/leaf_Mask.bmp", Mask());

    const auto plain = Singleton<PictureLoader>::Instance().Load("leaf", false);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetDepth(), 24);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            EXPECT_NE(BgrAt(*plain, x, y), 0u);

    const auto screenReady = Singleton<PictureLoader>::Instance().Load("leaf", true);
    ASSERT_NE(screenReady, nullptr);
    EXPECT_EQ(screenReady->GetDepth(), 16);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            EXPECT_EQ(Word16(*screenReady, x, y) == 0, Masked(x, y)) << x << "," << y;
    EXPECT_TRUE(QueuedQuits().empty());
}

TEST_F(FileLoaderImageTest, TheScreenFormatKeepsBlackVisibleAndMakesMagentaTransparent) {
    std::vector<std::uint32_t> pixels = Uniform(0x000000);
    pixels[3] = 0xFF00FF;
    WriteFile("data/road.bmp", BmpWriter(kWidth, kHeight, 24, pixels).Bytes());
    const auto image = Singleton<PictureLoader>::Instance().Load("road", true);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->GetDepth(), 16);
    EXPECT_EQ(Word16(*image, 3, 0), 0u);
    EXPECT_EQ(image->GetPixel(0, 0), 0x080808u);
    EXPECT_EQ(image->GetPixel(8, 3), 0x080808u);
}

TEST_F(FileLoaderImageTest, APictureFoundNowhereAsksTheGameToQuit) {
    EXPECT_EQ(Singleton<PictureLoader>::Instance().Load("nothing", true), nullptr);
    EXPECT_NE(LogText().find("Failed to load image nothing from bmp or jpeg.\n"),
              std::string::npos);
    EXPECT_EQ(QueuedQuits(), std::vector<int>{-1});

    WriteFile("data/broken.jpg", "no picture in here");
    EXPECT_EQ(Singleton<PictureLoader>::Instance().Load("broken", false), nullptr);
    EXPECT_NE(LogText().find("Failed to load image broken from bmp or jpeg.\n"), std::string::npos);
    EXPECT_EQ(QueuedQuits(), std::vector<int>{-1});
}

TEST_F(FileLoaderImageTest, PicturesComeFromTheContainerWhenThereIsOne) {
    WriteFile("data/lily.bmp", BmpWriter(kWidth, kHeight, 24, Uniform(0xFFFFFF)).Bytes());
    SaveContainer(
        RawContainer()
            .Header()
            .Put(1, "data\\lily.jpg", JpegWriter::Colour(kWidth, kHeight, Uniform(0x2060A0)))
            .Put(2, "data\\lily_mask.bmp", Mask()));
    ASSERT_TRUE(Loader().ReadDirectory());
    const auto image = Singleton<PictureLoader>::Instance().Load("Lily", true);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetDepth(), 16);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            EXPECT_EQ(Word16(*image, x, y) == 0, Masked(x, y)) << x << "," << y;
}

TEST_F(FileLoaderImageTest, AlphaMapsAreOptional) {
    const std::string before = LogText();
    EXPECT_EQ(Singleton<PictureLoader>::Instance().LoadAlpha("frog"), nullptr);
    EXPECT_EQ(LogText(), before);
    EXPECT_TRUE(QueuedQuits().empty());
}

TEST_F(FileLoaderImageTest, AnAlphaBitmapBecomesGreyLevelsWithoutTheMask) {
    std::vector<std::uint32_t> pixels;
    for (int index = 0; index < kWidth * kHeight; ++index)
        pixels.push_back(static_cast<std::uint32_t>(index * 7) * 0x010101u);
    WriteFile("data/frogAlpha.bmp", BmpWriter(kWidth, kHeight, 24, pixels).Bytes());
    WriteFile("data/frog_Mask.bmp", Mask());
    const auto alpha = Singleton<PictureLoader>::Instance().LoadAlpha("frog");
    ASSERT_NE(alpha, nullptr);
    ASSERT_EQ(alpha->GetDepth(), 8);
    for (int index = 0; index < kWidth * kHeight; ++index)
        EXPECT_EQ(alpha->GetData()[index], index * 7);
}

TEST_F(FileLoaderImageTest, AnAlphaJpegTakesTheColourPicturesMask) {
    WriteFile("data/frogAlpha.jpg", JpegWriter::Colour(kWidth, kHeight, Uniform(0xC0C0C0)));
    WriteFile("data/frog_Mask.bmp", Mask());
    const auto alpha = Singleton<PictureLoader>::Instance().LoadAlpha("frog");
    ASSERT_NE(alpha, nullptr);
    ASSERT_EQ(alpha->GetDepth(), 8);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int level = alpha->GetData()[x + y * kWidth];
            if (Masked(x, y))
                EXPECT_EQ(level, 0) << x << "," << y;
            else
                EXPECT_NEAR(level, 0xC0, 4) << x << "," << y;
        }
    }
}

} // namespace
