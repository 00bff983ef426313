#include "gfx/SubImage.h"

#include "gfx/ImageUtil.h"
#include "support/Pictures.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace pictures;

void FillWithPattern(Image& image) {
    for (std::size_t byte = 0; byte < image.GetDataSize(); ++byte)
        image.GetData()[byte] = static_cast<std::uint8_t>(byte * 7 + 3);
}

TEST(SubImage, ABandReadsAndWritesItsParentsRows) {
    Image parent;
    ASSERT_TRUE(parent.Create(4, 6, k565));
    FillWithPattern(parent);
    const auto band = SubImage::Of(parent, 0, 2, 4, 3);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->GetHeight(), 3);
    EXPECT_EQ(band->GetDepth(), 16);
    EXPECT_EQ(band->GetData(), parent.GetData() + 2 * 4 * 2);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(band->GetPixel(x, y), parent.GetPixel(x, y + 2));
    band->SetPixel(3, 2, 255, 255, 255);
    band->Mirror();
    EXPECT_EQ(parent.GetPixel(0, 4), 0xF8F8F8u);

    Image palette;
    ASSERT_TRUE(palette.Create(3, 3, 8));
    palette.GetData()[3 + 1] = 5;
    const auto paletteBand = SubImage::Of(palette, 0, 1, 3, 1);
    EXPECT_EQ(paletteBand->GetPalette(), palette.GetPalette());
    EXPECT_EQ(paletteBand->GetPixel(1, 0), 0x050505u);
}

TEST(SubImage, RefusesBandsOutsideItsParentsPixels) {
    ScratchFolder folder;
    Image parent;
    ASSERT_TRUE(parent.Create(4, 6, 24));
    EXPECT_EQ(SubImage::Of(parent, 0, 4, 4, 3), nullptr);
    EXPECT_EQ(SubImage::Of(parent, 0, -1, 4, 2), nullptr);
    EXPECT_EQ(SubImage::Of(parent, 1, 0, 4, 2), nullptr);
    EXPECT_EQ(SubImage::Of(parent, 0, 0, 4, -1), nullptr);
    EXPECT_NE(SubImage::Of(parent, 0, 3, 4, 3), nullptr);
    EXPECT_NE(folder.Read("debug.txt")
                  .find("SubImage::Of: no band 4 x 3 at (0, 4) in a 4 x 6 image of 24 bits\n"),
              std::string::npos);

    Image bits;
    ASSERT_TRUE(bits.Create(16, 2, 1));
    EXPECT_EQ(SubImage::Of(bits, 0, 1, 16, 1), nullptr);
    Image encoded;
    ASSERT_TRUE(encoded.Create(4, 6, k565));
    ASSERT_TRUE(Singleton<ImageUtil>::Instance().RleEncode(encoded));
    EXPECT_EQ(SubImage::Of(encoded, 0, 0, 4, 1), nullptr);
}

TEST(SubImage, EncodingABandLeavesTheParentAlone) {
    Image parent;
    ASSERT_TRUE(parent.Create(4, 6, k565));
    FillWithPattern(parent);
    const std::vector<std::uint8_t> before = Bytes(parent);
    const auto band = SubImage::Of(parent, 0, 2, 4, 2);
    ASSERT_TRUE(Singleton<ImageUtil>::Instance().RleEncode(*band));
    EXPECT_EQ(Bytes(parent), before);
    // Eight different pixels: one literal packet of all of them.
    ASSERT_EQ(band->GetDataSize(), 1u + 8u * 2u);
    EXPECT_EQ(static_cast<std::int8_t>(band->GetData()[0]), -8);
    EXPECT_TRUE(std::equal(band->GetData() + 1, band->GetData() + 17, before.begin() + 2 * 4 * 2));
}

} // namespace
