#include "Buttons.h"
#include "Icons.h"
#include "MenuScreens.h"
#include "PictureCatalogue.h"
#include "core/FileLoader.h"
#include "core/ScreenSize.h"
#include "gfx/AlphaSprite.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "gfx/SurfaceSprite.h"
#include "support/GeneratedData.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// The still pictures of the build's data, loaded through the game's own loaders and sprite
// manager from the packed container, on a 16-bit screen as the game asks for.
class AssetgenPicturesTest : public ::testing::Test {
  protected:
    std::string Log() const { return folder.Read("debug.txt"); }
    Sprite* Get(const std::string& label) {
        return Singleton<SpriteManager>::Instance().GetSprite(label);
    }
    std::unique_ptr<Image> Picture(const std::string& label) {
        return Singleton<PictureLoader>::Instance().Load(NormalizeLabel(label), true);
    }
    static bool Transparent(const Image& image, int x, int y) { return image.GetPixel(x, y) == 0; }
    // Equal up to the dithering of the 16-bit screen.
    static bool Alike(std::uint32_t a, std::uint32_t b) {
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>(a >> shift & 0xFF) -
                         static_cast<int>(b >> shift & 0xFF)) > 12)
                return false;
        return true;
    }

    ScratchFolder folder;
    HeadlessScreen screen{16};
    GeneratedData data{folder};
};

TEST_F(AssetgenPicturesTest, EveryStillPictureBuildsItsSpriteWithoutAFailure) {
    for (const SpriteInfo& info : PictureCatalogue::StillPictures()) {
        EXPECT_NE(Get(info.name), nullptr) << info.name;
        if (info.mirrored) {
            EXPECT_NE(Singleton<SpriteManager>::Instance().GetSprite(info.name, true), nullptr)
                << info.name;
        }
    }
    EXPECT_EQ(CountOf(Log(), "Fail"), 0) << Log();
    EXPECT_TRUE(TakeQuitCodes(screen.Window()).empty());
}

TEST_F(AssetgenPicturesTest, EachHighlightHasTheSizeOfItsButtonRectangle) {
    for (const Buttons::Button& button : Buttons::All()) {
        Sprite* highlight = Get(button.highlight);
        ASSERT_NE(highlight, nullptr) << button.highlight;
        EXPECT_EQ(highlight->GetWidth(), button.right - button.left) << button.highlight;
        EXPECT_EQ(highlight->GetHeight(), button.bottom - button.top) << button.highlight;
    }
}

TEST_F(AssetgenPicturesTest, SoftEdgedPicturesBlendAndStretchedOnesAreColourKeyed) {
    // The pointer and the HUD icons are drawn unscaled and get alpha maps; the progress bar and
    // the fonts are stretched by the game, which alpha sprites refuse.
    for (const char* label : {"CURSOR", "CURSOR_DOWN", "STAR", "FROG_HEAD", "WATER_LILY_GOAL"})
        EXPECT_NE(dynamic_cast<AlphaSprite*>(Get(label)), nullptr) << label;
    for (const char* label : {"PROGRESS_BAR", "HUD_FONT", "SCORE_FONT"})
        EXPECT_NE(dynamic_cast<SurfaceSprite*>(Get(label)), nullptr) << label;
    const FileLoader& files = Singleton<FileLoader>::Instance();
    for (const SpriteInfo& info : PictureCatalogue::StillPictures())
        if (info.type == SpriteTypeAnimatedRle) {
            EXPECT_FALSE(files.Exists(info.name + "Alpha", ".bmp")) << info.name;
        }
}

TEST_F(AssetgenPicturesTest, ScreensAreOpaqueAndTheCreditsMaskOpensItsWindow) {
    for (const char* label : {"TITLE_MENU", "HELP", "HIGH_SCORE", "CREDITS", "PRELOAD"}) {
        const auto picture = Picture(label);
        ASSERT_NE(picture, nullptr) << label;
        ASSERT_EQ(picture->GetWidth(), ScreenSize::kWidth);
        ASSERT_EQ(picture->GetHeight(), ScreenSize::kHeight);
        int holes = 0;
        for (int y = 0; y < picture->GetHeight(); ++y)
            for (int x = 0; x < picture->GetWidth(); ++x)
                holes += Transparent(*picture, x, y);
        EXPECT_EQ(holes, 0) << label;
    }
    const auto mask = Picture("CREDITS_MASK");
    ASSERT_NE(mask, nullptr);
    for (int y = MenuScreens::kCreditsTop; y < MenuScreens::kCreditsBottom; y += 7)
        for (int x = MenuScreens::kCreditsLeft; x < MenuScreens::kCreditsRight; x += 7)
            ASSERT_TRUE(Transparent(*mask, x, y)) << x << "," << y;
    for (const auto& [x, y] : {std::pair{5, 5},
                               {400, MenuScreens::kCreditsTop - 2},
                               {400, 540},
                               {MenuScreens::kCreditsLeft - 2, 300},
                               {MenuScreens::kCreditsRight + 1, 300}})
        EXPECT_FALSE(Transparent(*mask, x, y)) << x << "," << y;
}

TEST_F(AssetgenPicturesTest, ThePointersTipIsTenPixelsFromItsLeftEdge) {
    for (const char* label : {"CURSOR", "CURSOR_DOWN"}) {
        const auto picture = Picture(label);
        ASSERT_NE(picture, nullptr);
        int tipRow = -1;
        for (int y = 0; y < picture->GetHeight() && tipRow < 0; ++y)
            for (int x = 0; x < picture->GetWidth(); ++x)
                if (!Transparent(*picture, x, y))
                    tipRow = y;
        ASSERT_GE(tipRow, 0);
        EXPECT_LE(tipRow, 2) << label;
        // The tip's row is opaque around column 10 only.
        EXPECT_FALSE(Transparent(*picture, Icons::kPointerHotSpotX, tipRow + 1)) << label;
        EXPECT_TRUE(Transparent(*picture, 0, tipRow + 1)) << label;
        EXPECT_TRUE(Transparent(*picture, 2 * Icons::kPointerHotSpotX, tipRow + 1)) << label;
    }
}

TEST_F(AssetgenPicturesTest, TheProgressBarFitsTheGrooveFromRow111) {
    Sprite* bar = Get("PROGRESS_BAR");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetWidth(), MenuScreens::kBarWidth);
    EXPECT_EQ(bar->GetHeight(), MenuScreens::kBarHeight);
    // The preload screen frames the groove: dark inside, frame around.
    const auto preload = Picture("PRELOAD");
    ASSERT_NE(preload, nullptr);
    const std::uint32_t groove =
        preload->GetPixel(MenuScreens::kBarWidth / 2, MenuScreens::kBarTop + 100);
    EXPECT_TRUE(Alike(preload->GetPixel(MenuScreens::kBarWidth / 2,
                                        MenuScreens::kBarTop + MenuScreens::kBarHeight - 1),
                      groove));
    EXPECT_FALSE(
        Alike(preload->GetPixel(MenuScreens::kBarWidth / 2, MenuScreens::kBarTop - 4), groove));
    EXPECT_FALSE(Alike(preload->GetPixel(MenuScreens::kBarWidth / 2,
                                         MenuScreens::kBarTop + MenuScreens::kBarHeight + 4),
                       groove));
}

} // namespace
