#include "app/AssetCatalogue.h"

#include "WorldConfig.h"
#include "app/Game.h"
#include "app/WindowProcedure.h"
#include "core/Translation.h"
#include "gfx/SpriteManager.h"
#include "support/GeneratedData.h"
#include "support/ScratchFolder.h"
#include "support/SpriteScreen.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

SpriteManager& Sprites() {
    return Singleton<SpriteManager>::Instance();
}

} // namespace

TEST(AssetCatalogue, RegistersEveryPictureUnderItsNormalisedLabel) {
    ScratchFolder folder;
    LoadWorldConfig(folder, "");
    ASSERT_TRUE(AssetCatalogue::RegisterAssets());

    std::vector<std::string> labels;
    Sprites().GetAllSpriteLabels(labels);
    EXPECT_EQ(labels.size(), 110u);
    const SpriteInfo* aquarium = Sprites().GetSpriteInfo("TRUCK_AQUARIUM_KILL");
    ASSERT_NE(aquarium, nullptr);
    EXPECT_EQ(aquarium->name, "truckaquariumkill");
    EXPECT_EQ(aquarium->type, SpriteTypeAnimatedRle);
    EXPECT_EQ(aquarium->numFrames, 45);
    EXPECT_TRUE(aquarium->crop);
    EXPECT_TRUE(aquarium->mirrored);
    EXPECT_FALSE(aquarium->loop);
    const SpriteInfo* shadow = Sprites().GetSpriteInfo("SHADOW_TRUCK");
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->type, SpriteTypeShadow);
}

TEST(AssetCatalogue, TimedAnimationsTakeTheirCycleFromTheSettingNamedAfterTheLabel) {
    ScratchFolder folder;
    LoadWorldConfig(folder, "frogidleInterval 1.25\ntruckcementmixerkillInterval 2.5\n");
    AssetCatalogue::RegisterAssets();

    EXPECT_FLOAT_EQ(Sprites().GetSpriteInfo("FROG_IDLE")->duration, 1.25f);
    EXPECT_FLOAT_EQ(Sprites().GetSpriteInfo("TRUCK_CEMENT_MIXER_KILL")->duration, 2.5f);
    // A still picture has a cycle of 1 whatever the configuration holds; a missing setting
    // reads as 0.
    EXPECT_FLOAT_EQ(Sprites().GetSpriteInfo("TITLE_MENU")->duration, 1.0f);
    EXPECT_FLOAT_EQ(Sprites().GetSpriteInfo("FROG_DROWN")->duration, 0.0f);
}

namespace {

constexpr std::uint32_t kBackdrop = 0x2060A0;

// A preload screen and a bar 20 wide and 202 high whose rows tell where they came from.
class ShowProgressTest : public SpriteScreen {
  protected:
    ShowProgressTest() {
        LoadWorldConfig(folder, "");
        AddSprite("PRELOAD", 800, 600, kBackdrop);
        auto bar = std::make_unique<SurfaceSprite>();
        EXPECT_TRUE(bar->Create(Picture(20, 202, [](int x, int y) { return Tag(x, y); }), 20, 202,
                                0, 0, false));
        Singleton<SpriteManager>::Instance().AddSprite(std::move(bar), "PROGRESS_BAR", false);
    }

    std::uint32_t Shown(int x, int y) { return screen.Device().lastFrame()->pixelAt(x, y); }

    WindowProcedure procedure;
};

} // namespace

TEST_P(ShowProgressTest, HalfWayShowsTheLowerHalfOfTheBarFromRow211) {
    ASSERT_TRUE(AssetCatalogue::ShowProgress(0.5f, procedure));
    EXPECT_EQ(Shown(5, 210), ScreenValue(kBackdrop));
    EXPECT_EQ(Shown(5, 211), ScreenValue(Tag(5, 100)));
    EXPECT_EQ(Shown(5, 312), ScreenValue(Tag(5, 201)));
    EXPECT_EQ(Shown(5, 313), ScreenValue(kBackdrop));
    EXPECT_NE(folder.Read("debug.txt").find("RelProg: 0.50\n"), std::string::npos);
}

TEST_P(ShowProgressTest, AtZeroOnlyTheBottomTwoRowsShow) {
    ASSERT_TRUE(AssetCatalogue::ShowProgress(0.0f, procedure));
    EXPECT_EQ(Shown(5, 310), ScreenValue(kBackdrop));
    EXPECT_EQ(Shown(5, 311), ScreenValue(Tag(5, 200)));
    EXPECT_EQ(Shown(5, 312), ScreenValue(Tag(5, 201)));
}

TEST_P(ShowProgressTest, AQuitWhileLoadingEndsThePreload) {
    screen.Window().push({platform::Message::Type::KeyDown, 'U'});
    screen.Window().postQuit(0);
    EXPECT_FALSE(AssetCatalogue::ShowProgress(0.3f, procedure));
    EXPECT_NE(folder.Read("debug.txt").find("Received WM_QUI.\n"), std::string::npos);
    EXPECT_FALSE(Singleton<Game>::Instance().musicOn) << "the key before the quit was handled";
}

INSTANTIATE_TEST_SUITE_P(Depths, ShowProgressTest, ::testing::Values(16, 32));

TEST(AssetCatalogue, UseLanguageSwitchesTextsWordedPicturesAndCredits) {
    ScratchFolder folder;
    GeneratedData data(folder);
    ASSERT_TRUE(Singleton<Translation>::Instance().Load(Language::German));
    AssetCatalogue::RegisterAssets();
    const MenuScreens& menus = Singleton<Game>::Instance().menus;
    ASSERT_NE(Sprites().GetSprite("HELP"), nullptr);
    EXPECT_EQ(Sprites().GetSpriteInfo("HELP")->FileName(), "help");

    ASSERT_TRUE(AssetCatalogue::UseLanguage(Language::English));
    EXPECT_EQ(Tr("Your time is up!"), "Your time is up!");
    EXPECT_EQ(Sprites().GetSpriteInfo("HELP")->FileName(), "help_en");
    EXPECT_EQ(Sprites().GetSpriteInfo("BUTTON_EXIT_HIGH_LIGHT")->FileName(),
              "buttonexithighlight_en");
    EXPECT_EQ(Sprites().GetSpriteInfo("STAR")->FileName(), "star") << "a picture without words";
    ASSERT_FALSE(menus.CreditsLines().empty());
    EXPECT_EQ(menus.CreditsLines()[2], "A game by the Quagleaper team\n");
    EXPECT_NE(Sprites().GetSprite("HELP"), nullptr) << "built again from the English file";

    ASSERT_TRUE(AssetCatalogue::UseLanguage(Language::German));
    EXPECT_EQ(Tr("Your time is up!"), "Deine Zeit ist abgelaufen!");
    EXPECT_EQ(Sprites().GetSpriteInfo("HELP")->FileName(), "help");
    EXPECT_EQ(menus.CreditsLines()[2], "Ein Spiel vom Quagleaper-Team\n");
}
