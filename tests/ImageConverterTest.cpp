#include "gfx/ImageConverter.h"

#include "support/HeadlessScreen.h"
#include "support/Pictures.h"
#include "support/ScratchFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace pictures;

ImageConverter& Converter() {
    return Singleton<ImageConverter>::Instance();
}

std::unique_ptr<Image> PalettePicture(int width, int height) {
    auto image = std::make_unique<Image>();
    image->Create(width, height, 8);
    for (int entry = 0; entry < Image::kPaletteEntries; ++entry) {
        image->GetPalette()[entry * 4] = static_cast<std::uint8_t>(entry * 3 + 1);
        image->GetPalette()[entry * 4 + 1] = static_cast<std::uint8_t>(255 - entry);
        image->GetPalette()[entry * 4 + 2] = static_cast<std::uint8_t>(entry * 7 + 5);
    }
    for (std::size_t index = 0; index < image->GetDataSize(); ++index)
        image->GetData()[index] = static_cast<std::uint8_t>(index * 11);
    return image;
}

std::unique_ptr<Image> Uniform(std::uint32_t colour) {
    return TrueColour(64, 6, [colour](int, int) { return colour; });
}

// The five-bit value of one channel of a 5-6-5 pixel.
int Channel565(std::uint32_t pixel, int shift) {
    return static_cast<int>(pixel >> shift & 0x1F);
}

TEST(ImageConverter, FullChannelsNeverCarryIntoTheirNeighbours) {
    const auto white = Converter().ConvertTo16Bit(Uniform(0xFFFFFF), k565);
    ASSERT_EQ(white->GetDepth(), 16);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 64; ++x)
            EXPECT_EQ(Word16(*white, x, y), 0xFFDFu);
    const auto alone = Converter().ConvertTo16Bit(
        TrueColour(3, 2, [](int x, int) { return 0xFFu << (16 - 8 * x); }), k565);
    EXPECT_EQ(Word16(*alone, 0, 1), 0xF800u);
    EXPECT_EQ(Word16(*alone, 1, 1), 0x07C0u);
    EXPECT_EQ(Word16(*alone, 2, 1), 0x001Fu);
    EXPECT_EQ(Bytes(*Converter().ConvertTo16Bit(Uniform(0), k555)),
              std::vector<std::uint8_t>(64 * 6 * 2, 0));
    EXPECT_EQ(Word16(*Converter().ConvertTo16Bit(Uniform(0xFFFFFF), k555), 7, 2), 0x7FFFu);
}

TEST(ImageConverter, DiffusionSpreadsTheDroppedBitsAlongEachRow) {
    // Low bits 4, 3 and 1 out of 8: over 64 pixels a row rounds up 32, 24 and 8 times.
    const auto converted = Converter().ConvertTo16Bit(Uniform(0x448321), k565);
    for (int y = 0; y < 6; ++y) {
        int roundedUp[3] = {};
        for (int x = 0; x < 64; ++x) {
            const std::uint32_t pixel = Word16(*converted, x, y);
            const int extra[3] = {Channel565(pixel, 11) - (0x44 >> 3),
                                  Channel565(pixel, 6) - (0x83 >> 3),
                                  Channel565(pixel, 0) - (0x21 >> 3)};
            for (int channel = 0; channel < 3; ++channel) {
                EXPECT_TRUE(extra[channel] == 0 || extra[channel] == 1);
                roundedUp[channel] += extra[channel];
            }
        }
        EXPECT_EQ(roundedUp[0], 32) << "row " << y;
        EXPECT_EQ(roundedUp[1], 24) << "row " << y;
        EXPECT_EQ(roundedUp[2], 8) << "row " << y;
    }
}

TEST(ImageConverter, TheDiffusionGoesOnFromOnePictureToTheNext) {
    const auto first = Converter().ConvertTo16Bit(Uniform(0x444444), k565);
    const auto second = Converter().ConvertTo16Bit(Uniform(0x444444), k565);
    EXPECT_NE(Bytes(*first), Bytes(*second));
}

TEST(ImageConverter, TheDiffusionIsTheSameOnEveryRunFromProgramStart) {
    ScratchFolder folder;
    const auto picture = [] {
        return TrueColour(16, 16, [](int x, int y) { return 0x030507u * (x + y + 1); });
    };
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const auto converted = Converter().ConvertTo16Bit(picture(), k565);
        std::ofstream(folder.Path() / "child.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(converted->GetData()),
                   static_cast<std::streamsize>(converted->GetDataSize()));
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string childBytes = folder.Read("child.bin");
    EXPECT_EQ(std::vector<std::uint8_t>(childBytes.begin(), childBytes.end()),
              Bytes(*Converter().ConvertTo16Bit(picture(), k565)));
}

TEST(ImageConverter, PalettePicturesGoThroughOneColourTable) {
    const auto original = PalettePicture(9, 5);
    Image expected;
    ASSERT_TRUE(expected.Create(9, 5, k565));
    for (int index = 0; index < 9 * 5; ++index) {
        const std::uint8_t* entry = original->GetPalette() + original->GetData()[index] * 4;
        expected.SetPixel(index % 9, index / 9, entry[0], entry[1], entry[2]);
    }
    EXPECT_EQ(Bytes(*Converter().ConvertTo16Bit(PalettePicture(9, 5), k565)), Bytes(expected));
}

TEST(ImageConverter, ThirtyTwoBitScreensGetTheChannelBytesAtTheirIndices) {
    const auto colour = [](int x, int y) {
        return static_cast<std::uint32_t>(x * 0x112233 + y * 0x030201) & 0xFFFFFF;
    };
    for (const PixelFormat& format : {kXrgb, kXbgr}) {
        const auto converted = Converter().ConvertTo16Bit(TrueColour(5, 3, colour), format);
        ASSERT_EQ(converted->GetDepth(), 32);
        for (int index = 0; index < 15; ++index) {
            const std::uint8_t* pixel = converted->GetData() + index * 4;
            const std::uint32_t expected = colour(index % 5, index / 5);
            EXPECT_EQ(pixel[format.redIndex], expected >> 16);
            EXPECT_EQ(pixel[format.greenIndex], expected >> 8 & 0xFF);
            EXPECT_EQ(pixel[format.blueIndex], expected & 0xFF);
            EXPECT_EQ(pixel[format.padIndex], 0);
        }
        const auto fromPalette = Converter().ConvertTo16Bit(PalettePicture(4, 2), format);
        const auto original = PalettePicture(4, 2);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(fromPalette->GetPixel(x, 1), original->GetPixel(x, 1) & 0xFFFFFF);
    }
}

TEST(ImageConverter, PicturesInTheScreenFormatOrUnconvertibleComeBackAsTheyAre) {
    ScratchFolder folder;
    platform::HeadlessPlatform headless;
    platform::Platform::install(&headless);
    const auto comesBack = [](const PixelFormat& layout, const PixelFormat& screen,
                              bool toAlpha = false) {
        auto image = std::make_unique<Image>();
        EXPECT_TRUE(layout.depth == 16 || layout.depth == 32 ? image->Create(3, 3, layout)
                                                             : image->Create(3, 3, layout.depth));
        const Image* before = image.get();
        auto result = toAlpha ? Converter().ConvertTo8BitAlpha(std::move(image))
                              : Converter().ConvertTo16Bit(std::move(image), screen);
        return result.get() == before;
    };
    EXPECT_TRUE(comesBack(k565, k565));
    EXPECT_TRUE(comesBack(kXrgb, kXrgb));
    EXPECT_TRUE(headless.window().messageBoxes().empty());

    PixelFormat oneBit, twentyFour = kXrgb;
    oneBit.depth = 1;
    twentyFour.depth = 24;
    EXPECT_TRUE(comesBack(oneBit, k565));
    EXPECT_TRUE(comesBack(k565, kXrgb));
    EXPECT_TRUE(comesBack(twentyFour, twentyFour));
    EXPECT_TRUE(comesBack(k565, k565, true));
    const std::vector<std::string> boxes = {
        "ERROR: ImageConverter::ConvertTo16Bit: illegal source image",
        "ERROR: ImageConverter::ConvertTo16Bit: illegal source image",
        "ERROR: not supported screen depth",
        "ERROR: ImageConverter::ConvertTo8BitAlpha: illegal source image"};
    EXPECT_EQ(headless.window().messageBoxes(), boxes);
    EXPECT_NE(folder.Read("debug.txt").find("not supported screen depth\n"), std::string::npos);
    platform::Platform::install(nullptr);
}

TEST(ImageConverter, AlphaMapsAreTheGreyLevelOfEachPixel) {
    const auto colour = [](int x, int y) {
        return static_cast<std::uint32_t>(0x0A1421 * (x + 1) + 0x3F0000 * y);
    };
    const auto alpha = Converter().ConvertTo8BitAlpha(TrueColour(4, 3, colour));
    ASSERT_EQ(alpha->GetDepth(), 8);
    for (int index = 0; index < 12; ++index) {
        const std::uint32_t value = colour(index % 4, index / 4);
        const std::uint32_t grey =
            ((value >> 16 & 0xFF) + (value >> 8 & 0xFF) + (value & 0xFF)) / 3;
        EXPECT_EQ(alpha->GetData()[index], grey);
        // The grey ramp makes the index its own colour.
        EXPECT_EQ(alpha->GetPixel(index % 4, index / 4), grey * 0x010101u);
    }
    EXPECT_EQ(Converter().ConvertTo8BitAlpha(Uniform(0xFFFFFF))->GetData()[0], 255);

    const auto fromPalette = Converter().ConvertTo8BitAlpha(PalettePicture(3, 2));
    const auto original = PalettePicture(3, 2);
    for (int index = 0; index < 6; ++index) {
        const std::uint8_t* entry = original->GetPalette() + original->GetData()[index] * 4;
        EXPECT_EQ(fromPalette->GetData()[index], (entry[0] + entry[1] + entry[2]) / 3);
    }
}

TEST(ImageConverter, ConvertsIntoTheFormatTheDisplayFound) {
    ScratchFolder folder;
    HeadlessScreen screen(32);
    const auto converted =
        Converter().ConvertTo16Bit(TrueColour(3, 2, [](int x, int) { return 0x123456u * x; }));
    ASSERT_EQ(converted->GetDepth(), 32);
    EXPECT_EQ(converted->GetPixel(2, 1), 0x2468ACu);
}

} // namespace
