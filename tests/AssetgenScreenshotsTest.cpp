#include "Buttons.h"
#include "core/FileLoader.h"
#include "core/StringUtil.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "gfx/PngWriter.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"
#include "support/GeneratedData.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"
#include "world/Background.h"
#include "world/Camera.h"
#include "world/LevelSettings.h"
#include "world/TopLayer.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The screens and the world as the game composes them from the build's data, through its own
// sprites, fonts, background and top layers. With QUAGLEAPER_SHOTS set, each frame is kept there
// as a PNG to look at.
class AssetgenScreenshotsTest : public ::testing::Test {
  protected:
    AssetgenScreenshotsTest() {
        Singleton<HUDFont>::Instance().Load(
            Singleton<FileLoader>::Instance().GetBasePath() + "HUDFont.fnt", "HUD_FONT");
        level.load();
    }

    platform::DisplaySurface& Back() { return *Singleton<DirectDraw>::Instance().GetBackBuffer(); }
    void Draw(const std::string& label, int x, int y) {
        Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label);
        ASSERT_NE(sprite, nullptr) << label;
        sprite->Draw(x, y);
    }
    void Pointer(int x, int y) { Draw("CURSOR", x - 10, y); }

    // Keeps the frame and counts its black pixels: the colour key must never show on a screen.
    int Keep(const std::string& name) {
        const std::vector<std::uint32_t> pixels = Back().toXrgb();
        const char* shots = std::getenv("QUAGLEAPER_SHOTS");
        const std::string path = (shots ? std::string(shots) + "/" : std::string()) + name;
        EXPECT_TRUE(PngWriter::Write(path, 800, 600, pixels)) << path;
        int black = 0;
        for (std::uint32_t pixel : pixels)
            black += (pixel & 0xFFFFFF) == 0;
        return black;
    }

    // The world window of a level at camera height `cameraY`.
    void World(const LevelSettings& settings, int cameraY) {
        Background background;
        ASSERT_TRUE(background.init(settings));
        background.scrollTo(0, cameraY);
        background.update(0.0f);
    }
    // The decorations over it.
    void TopLayers(const LevelSettings& settings, int cameraY) {
        Camera camera;
        camera.setBackgroundHeight(settings.backgroundHeight());
        camera.y = static_cast<float>(cameraY);
        for (TopLayer layer : {TopLayer::Road(), TopLayer::Top()}) {
            layer.load(settings.levelInWorld);
            layer.draw(camera);
        }
    }

    // The screen row of the window's picture row `row` must show that row of the picture.
    void ExpectPictureRowAt(int pictureRow, int screenRow) {
        const auto picture = Singleton<PictureLoader>::Instance().Load("backgroundworld00", true);
        ASSERT_NE(picture, nullptr);
        for (int x = 3; x < 800; x += 97)
            EXPECT_EQ(Back().pixelAt(x, screenRow) & 0xFFFFFF, picture->GetPixel(x, pictureRow))
                << x;
    }

    ScratchFolder folder;
    HeadlessScreen screen{32};
    GeneratedData data{folder};
    LevelSettings level;
};

TEST_F(AssetgenScreenshotsTest, TheTitleMenuLightsTheButtonUnderThePointer) {
    Draw("TITLE_MENU", 0, 0);
    const std::uint32_t plain = Back().pixelAt(137, 545);
    Draw("CHECK_MUSIC", 738, 113);
    Draw("CHECK_SHADOW", 738, 151);
    Draw("BUTTON_START_HIGH_LIGHT", 71, 512);
    EXPECT_NE(Back().pixelAt(137, 545), plain);
    Pointer(140, 548);
    EXPECT_EQ(Keep("title-menu.png"), 0);
}

TEST_F(AssetgenScreenshotsTest, TheHelpScreen) {
    Draw("HELP", 0, 0);
    Draw("BUTTON_CREDITS_HIGH_LIGHT", 281, 522);
    Pointer(330, 545);
    EXPECT_EQ(Keep("help.png"), 0);
}

TEST_F(AssetgenScreenshotsTest, TheHighScoreTableFitsItsRows) {
    Draw("HIGH_SCORE", 0, 0);
    HUDFont& font = Singleton<HUDFont>::Instance();
    const char* names[] = {"Quaki", "Hüpfer", "Lilly", "Frosch", "Kröte",
                           "Grün",  "Teich",  "Sumpf", "Moos",   "Unke"};
    for (int row = 0; row < 10; ++row) {
        const int y = 120 + 35 * row;
        EXPECT_TRUE(font.DrawText(200, y, StringUtil::Utf8ToLatin1(names[row]), false));
        EXPECT_TRUE(font.DrawText(600, y, std::to_string(50000 - 4321 * row), true));
        EXPECT_LE(font.LineHeight(), 35) << "rows must not overlap";
    }
    Draw("BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT", 359, 523);
    EXPECT_EQ(Keep("high-score.png"), 0);
}

TEST_F(AssetgenScreenshotsTest, TheCreditsScrollInsideTheirWindow) {
    Draw("CREDITS", 0, 0);
    HUDFont& font = Singleton<HUDFont>::Instance();
    std::istringstream lines(GeneratedData::ReadLoose("credits.txt"));
    const int offset = -260;
    int y = offset + 500;
    int widest = 0;
    for (std::string line; std::getline(lines, line) && y <= 600; y += 30) {
        widest = std::max(widest, font.GetTextWidthScaled(line));
        if (y > 0)
            font.DrawTextScaled((800 - font.GetTextWidthScaled(line)) / 2, y, line, false);
    }
    EXPECT_LE(widest, 600) << "every line fits the window";
    Draw("LOGO_OSTREL", 200, offset + 1650);
    Draw("LOGO_BRIMVALE", 400, offset + 1650);
    Draw("CREDITS_MASK", 0, 0);
    EXPECT_EQ(Keep("credits.png"), 0);
}

TEST_F(AssetgenScreenshotsTest, TheFirstLevelStartsAtThePicturesBottom) {
    World(level, 0);
    ExpectPictureRowAt(4199, 599);
    TopLayers(level, 0);
    EXPECT_EQ(Keep("world-level0.png"), 0);
}

TEST_F(AssetgenScreenshotsTest, LevelFourShowsTheWindowFourAreasUp) {
    for (int i = 0; i < 4; ++i)
        level.advance();
    ASSERT_EQ(level.levelInWorld, 4);
    World(level, 0);
    ExpectPictureRowAt(4199 - 4 * 450, 599);
    TopLayers(level, 0);
    EXPECT_EQ(Keep("world-level4.png"), 0);
}

TEST_F(AssetgenScreenshotsTest, TheShowdownShowsTheTopOfThePicture) {
    level.visibleAreas = 3;
    level.levelInWorld = 6;
    World(level, level.backgroundHeight() - 600);
    ExpectPictureRowAt(0, 0);
    ExpectPictureRowAt(599, 599);
    TopLayers(level, level.backgroundHeight() - 600);
    EXPECT_EQ(Keep("world-showdown.png"), 0);
}

} // namespace
