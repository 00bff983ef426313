#include "FontAtlas.h"
#include "core/FileLoader.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "gfx/ScoreFont.h"
#include "platform/DisplaySurface.h"
#include "support/GeneratedData.h"
#include "support/HeadlessScreen.h"
#include "support/ScratchFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// The two generated fonts, read by the game's font reader from the packed container.
class AssetgenFontTest : public ::testing::Test {
  protected:
    AssetgenFontTest() {
        const std::string base = Singleton<FileLoader>::Instance().GetBasePath();
        hud.Load(base + "HUDFont.fnt", "HUD_FONT");
        score.Load(base + "ScoreFont.fnt", "SCORE_FONT");
    }

    static std::unique_ptr<Image> Picture(const char* name) {
        return Singleton<PictureLoader>::Instance().Load(name, true);
    }

    // Each glyph lies inside the picture, holds ink, and has empty columns beside it, so the
    // reader's rectangle is exactly the glyph's cell.
    static void ExpectExactGlyphs(const Font& font, const Image& picture) {
        EXPECT_EQ(font.ImageWidth(), picture.GetWidth());
        EXPECT_EQ(font.ImageHeight(), picture.GetHeight());
        for (unsigned char code : FontAtlas::Characters()) {
            const InclusiveRect glyph = font.Glyph(code);
            ASSERT_GT(glyph.right, glyph.left) << static_cast<int>(code);
            ASSERT_GE(glyph.left, 0);
            ASSERT_LT(glyph.right, picture.GetWidth());
            ASSERT_GE(glyph.top, 0);
            ASSERT_LT(glyph.bottom, picture.GetHeight());
            EXPECT_EQ(glyph.bottom - glyph.top + 1, font.LineHeight());
            int ink = 0;
            for (int y = glyph.top; y <= glyph.bottom; ++y)
                for (int x = glyph.left; x <= glyph.right; ++x)
                    ink += picture.GetPixel(x, y) != 0;
            EXPECT_GT(ink, 4) << static_cast<int>(code);
            for (int y = glyph.top; y <= glyph.bottom; ++y) {
                if (glyph.left > 0) {
                    ASSERT_EQ(picture.GetPixel(glyph.left - 1, y), 0u) << static_cast<int>(code);
                }
                if (glyph.right + 1 < picture.GetWidth()) {
                    ASSERT_EQ(picture.GetPixel(glyph.right + 1, y), 0u) << static_cast<int>(code);
                }
            }
        }
    }

    ScratchFolder folder;
    HeadlessScreen screen{32};
    GeneratedData data{folder};
    HUDFont& hud = Singleton<HUDFont>::Instance();
    ScoreFont& score = Singleton<ScoreFont>::Instance();
};

TEST_F(AssetgenFontTest, TheReaderFindsEveryGlyphOfTheHudFontExactly) {
    const auto picture = Picture("hudfont");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(hud.GlyphCount(), static_cast<int>(FontAtlas::Characters().size()));
    ExpectExactGlyphs(hud, *picture);
}

TEST_F(AssetgenFontTest, TheScoreFontIsSmallerAndAsExact) {
    const auto picture = Picture("scorefont");
    ASSERT_NE(picture, nullptr);
    ExpectExactGlyphs(score, *picture);
    EXPECT_LT(score.LineHeight(), hud.LineHeight());
    EXPECT_LT(score.GetTextWidth("1234"), hud.GetTextWidth("1234"));
}

TEST_F(AssetgenFontTest, TheWidthOfPauseIsTheWidthItIsDrawnWith) {
    const int width = hud.GetTextWidth("Pause");
    ASSERT_TRUE(hud.DrawText(100, 200, "Pause", false));
    const platform::DisplaySurface& back = *Singleton<DirectDraw>::Instance().GetBackBuffer();
    int first = 800;
    int last = -1;
    for (int y = 200; y < 200 + hud.LineHeight(); ++y)
        for (int x = 0; x < 800; ++x)
            if ((back.pixelAt(x, y) & 0xFFFFFF) != 0) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    // The ink spans the measured width, up to the glyphs' own margins.
    EXPECT_GE(first, 100);
    EXPECT_LE(first, 104);
    EXPECT_LE(last, 100 + width - 1);
    EXPECT_GE(last, 100 + width - 5);
    EXPECT_GT(width, 5 * 8) << "five letters of a 24-pixel font";
}

} // namespace
