#include "Canvas.h"
#include "PictureExport.h"
#include "PictureFiles.h"
#include "core/FileLoader.h"
#include "gfx/BmpLoader.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "support/HeadlessScreen.h"
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A canvas 8 x 2: column 0 empty, column 1 half covered, columns 2-7 fully covered, all red
// (0xC04020) apart from column 7, which is drawn in a colour too dark for a 16-bit screen.
std::unique_ptr<Canvas> Sample() {
    auto canvas = std::make_unique<Canvas>(8, 2);
    cairo_t* cr = canvas->Context();
    cairo_set_source_rgba(cr, 0xC0 / 255.0, 0x40 / 255.0, 0x20 / 255.0, 0.5);
    cairo_rectangle(cr, 1, 0, 1, 2);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0xC0 / 255.0, 0x40 / 255.0, 0x20 / 255.0);
    cairo_rectangle(cr, 2, 0, 5, 2);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 2 / 255.0, 2 / 255.0, 2 / 255.0);
    cairo_rectangle(cr, 7, 0, 1, 2);
    cairo_fill(cr);
    return canvas;
}

bool Near(std::uint32_t a, std::uint32_t b) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) > 2)
            return false;
    return true;
}

TEST(AssetgenPictureFilesTest, SoftEdgesKeepTheirColourAndGiveTheCoverageToTheAlphaMap) {
    const auto canvas = Sample();
    ASSERT_TRUE(PictureExport::HasSoftEdges(*canvas));
    const std::vector<std::uint32_t> colour = PictureExport::SoftColour(*canvas);
    const std::vector<std::uint32_t> alpha = PictureExport::AlphaGrey(*canvas);
    EXPECT_EQ(colour[0], PictureExport::kMagenta);
    EXPECT_TRUE(Near(colour[1], 0xC04020))
        << std::hex << colour[1] << " must not be darkened by the edge";
    EXPECT_TRUE(Near(alpha[1], 0x808080)) << std::hex << alpha[1];
    EXPECT_EQ(alpha[0], 0u);
    EXPECT_EQ(alpha[3], 0xFFFFFFu);
}

TEST(AssetgenPictureFilesTest, HardEdgesDrawHalfCoveredPixelsAndNeverBlackOrMagentaArt) {
    const auto canvas = Sample();
    const std::vector<std::uint32_t> hard = PictureExport::HardColour(*canvas);
    EXPECT_EQ(hard[0], PictureExport::kMagenta);
    EXPECT_TRUE(Near(hard[1], 0xC04020));
    const std::uint32_t dark = hard[7];
    EXPECT_GE(dark >> 16 & 0xFF, 8u) << "a 16-bit screen would store this as the colour key";
    EXPECT_EQ(PictureExport::HardTransparency(*canvas)[0], true);
    EXPECT_EQ(PictureExport::HardTransparency(*canvas)[2], false);
    Canvas opaque(1, 1);
    cairo_set_source_rgb(opaque.Context(), 1, 0, 1);
    cairo_paint(opaque.Context());
    EXPECT_NE(PictureExport::HardColour(opaque)[0], PictureExport::kMagenta)
        << "art is never transparent";
}

TEST(AssetgenPictureFilesTest, TheGamesReadersGetBackWhatWasWritten) {
    ScratchFolder folder;
    HeadlessScreen screen{32};
    std::filesystem::create_directory("data");
    const std::vector<std::uint32_t> pixels = {0x102030, 0x405060, 0x708090,
                                               0xA0B0C0, 0xD0E0F0, 0x123456};
    ASSERT_TRUE(PictureFiles::WriteBmp24("data/tile.bmp", 3, 2, pixels));
    const auto bmp = Singleton<BmpLoader>::Instance().Load("data\\tile.bmp");
    ASSERT_NE(bmp, nullptr);
    ASSERT_EQ(bmp->GetWidth(), 3);
    ASSERT_EQ(bmp->GetHeight(), 2);
    const auto converted = Singleton<PictureLoader>::Instance().Load("tile", true);
    ASSERT_NE(converted, nullptr);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(converted->GetPixel(x, y), pixels[y * 3 + x]) << x << "," << y;

    // A JPEG takes its mask: set bits are transparent.
    const std::vector<std::uint32_t> grey(16 * 16, 0x80A0C0);
    std::vector<bool> transparent(16 * 16, false);
    for (int i = 0; i < 16; ++i)
        transparent[i * 16 + i] = true;
    ASSERT_TRUE(PictureFiles::WriteJpeg("data/leaf.jpg", 16, 16, grey, 90));
    ASSERT_TRUE(PictureFiles::WriteBmpMask("data/leaf_Mask.bmp", 16, 16, transparent));
    const auto leaf = Singleton<PictureLoader>::Instance().Load("leaf", true);
    ASSERT_NE(leaf, nullptr);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(leaf->GetPixel(x, y) == 0, x == y) << x << "," << y;
}

} // namespace
