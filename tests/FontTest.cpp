#include "gfx/Font.h"

#include "WorldConfig.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/ScoreFont.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"
#include "support/BmpWriter.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kRed = 0xF80000;
constexpr std::uint32_t kGreen = 0x00F800;
constexpr std::uint32_t kMagenta = 0xFF00FF;

class TestFont : public Font {
  public:
    TestFont() = default;
};

// A font picture 64 x 32 with lines of 16: "1" red in columns 0-9 and "2" green in columns
// 10-19 of the bottom row, everything else transparent.
class FontTest : public ::testing::Test {
  protected:
    FontTest() {
        LoadWorldConfig(folder, "smallFontSizeFactor 0.5\n");
        std::vector<std::uint32_t> pixels(64 * 32, kMagenta);
        for (int y = 16; y < 32; ++y)
            for (int x = 0; x < 20; ++x)
                pixels[y * 64 + x] = x < 10 ? kRed : kGreen;
        folder.Write("data/font.bmp", BmpWriter(64, 32, 24, pixels).Bytes());
        SpriteInfo info;
        info.name = "FONT";
        Singleton<SpriteManager>::Instance().SetSpriteInfo(info);
    }

    // The definition lines after the header, with W 64, H 32 and L 16.
    bool LoadGlyphs(const std::string& glyphLines, int count) {
        folder.Write("data/test.fnt",
                     "0 1\n64 32\n0 16\n" + std::to_string(count) + "\n0 0\n" + glyphLines);
        return font.Load("data\\test.fnt", "font");
    }
    bool LoadDigits() { return LoadGlyphs("31 0 0 0 9 0\n32 0 10 0 19 0\n", 2); }

    std::uint32_t At(int x, int y) const {
        return Singleton<DirectDraw>::Instance().GetBackBuffer()->pixelAt(x, y);
    }
    std::string Log() const { return folder.Read("debug.txt"); }

    ScratchFolder folder;
    HeadlessScreen screen{32};
    TestFont font;
};

TEST_F(FontTest, GlyphRowsCountFromTheBottomAndTheTopRowMovesFourPixelsRight) {
    folder.Write("data/big.fnt",
                 "0 1\n256 64\n0 16\n3\n0 0\n41 0 10 48 19 0\n42 0 10 0 19 0\n43 1 300 16 310 0\n");
    ASSERT_TRUE(font.Load("data\\big.fnt", "font"));
    EXPECT_EQ(font.ImageWidth(), 256);
    EXPECT_EQ(font.ImageHeight(), 64);
    EXPECT_EQ(font.LineHeight(), 16);
    EXPECT_EQ(font.GlyphCount(), 3);
    EXPECT_EQ(font.Glyph('A'), (InclusiveRect{14, 0, 23, 15}));
    EXPECT_EQ(font.Glyph('B'), (InclusiveRect{10, 48, 19, 63}));
    // Code 0x143 is no byte; columns wrap at the picture's width.
    EXPECT_EQ(font.Glyph('C'), InclusiveRect{});
    EXPECT_EQ(font.Glyph('Z'), InclusiveRect{});
}

TEST_F(FontTest, ALaterLineForTheSameCharacterReplacesTheGlyph) {
    ASSERT_TRUE(LoadGlyphs("31 0 0 0 9 0\n31 0 20 0 29 0\n", 2));
    EXPECT_EQ(font.Glyph('1'), (InclusiveRect{20, 16, 29, 31}));
}

TEST_F(FontTest, WidthsCountGlyphsSpacesAndStopAtACarriageReturn) {
    ASSERT_TRUE(LoadDigits());
    EXPECT_EQ(font.GetTextWidth("1 1"), 10 + 8 + 10);
    EXPECT_EQ(font.GetTextWidth("12\r2222"), 20);
    EXPECT_EQ(font.GetTextWidth("1x"), 11) << "a character without glyph advances by the spacing";
    EXPECT_EQ(font.GetTextWidthScaled("1 1"), 14);
}

TEST_F(FontTest, RightAlignedTextEndsJustLeftOfItsX) {
    ASSERT_TRUE(LoadDigits());
    ASSERT_TRUE(font.DrawText(100, 50, "12", true));
    for (int x = 80; x < 90; ++x)
        EXPECT_EQ(At(x, 50), kRed) << x;
    for (int x = 90; x < 100; ++x)
        EXPECT_EQ(At(x, 50), kGreen) << x;
    EXPECT_EQ(At(79, 50), 0u);
    EXPECT_EQ(At(100, 50), 0u);
}

TEST_F(FontTest, NaturalTextDrawsPastACarriageReturnAndScaledTextStopsThere) {
    ASSERT_TRUE(LoadDigits());
    ASSERT_TRUE(font.DrawText(0, 100, "1\r2", false));
    EXPECT_EQ(At(9, 100), kRed);
    EXPECT_EQ(At(10, 100), 0u) << "the carriage return draws nothing and advances one pixel";
    EXPECT_EQ(At(11, 100), kGreen);
    EXPECT_EQ(At(20, 100), kGreen);
    ASSERT_TRUE(font.DrawTextScaled(0, 200, "1\r2", false));
    EXPECT_EQ(At(1, 201), kRed);
    EXPECT_EQ(At(4, 201), kRed) << "a glyph 9 wide at half size spans 5 columns";
    for (int x = 5; x < 40; ++x)
        EXPECT_EQ(At(x, 201), 0u) << x;
}

TEST_F(FontTest, AMissingDefinitionFileIsFatal) {
    EXPECT_FALSE(font.Load("data\\none.fnt", "font"));
    EXPECT_NE(Log().find("Failed to open font definition file data\\none.fnt.\n"),
              std::string::npos);
    EXPECT_EQ(TakeQuitCodes(screen.Window()), std::vector<int>{-1});
}

TEST_F(FontTest, ADefinitionWithoutPictureWidthGivesNoGlyphsInsteadOfDividingByZero) {
    folder.Write("data/bad.fnt", "0 1\n0 32\n0 16\n1\n0 0\n31 0 0 0 9 0\n");
    EXPECT_FALSE(font.Load("data\\bad.fnt", "font"));
    EXPECT_EQ(font.Glyph('1'), InclusiveRect{});
    EXPECT_EQ(font.GetTextWidth("1"), 1);
}

TEST_F(FontTest, GlyphsOutsideThePictureDrawNothingOutsideIt) {
    ASSERT_TRUE(LoadGlyphs("33 0 -50 500 9000 0\n34 0 60 -40 70 0\n", 2));
    EXPECT_TRUE(font.DrawText(10, 10, "34", false));
    EXPECT_TRUE(font.DrawText(300, 10, "34", true));
    EXPECT_TRUE(font.DrawTextScaled(10, 300, "34", false));
    EXPECT_TRUE(font.DrawTextScaled(300, 300, "34", true));
}

TEST_F(FontTest, WithoutItsSpriteNothingIsDrawn) {
    ASSERT_TRUE(LoadDigits());
    std::filesystem::remove("data/font.bmp");
    EXPECT_FALSE(font.DrawText(0, 0, "1", false));
    EXPECT_FALSE(font.DrawTextScaled(0, 0, "1", false));
    EXPECT_EQ(At(0, 0), 0u);
}

TEST_F(FontTest, TheTwoFontsAreSeparateSingletons) {
    Font& hud = Singleton<HUDFont>::Instance();
    Font& score = Singleton<ScoreFont>::Instance();
    EXPECT_NE(&hud, &score);
}

} // namespace
