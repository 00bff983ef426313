#include "SpriteScene.h"
#include "gfx/AlphaSprite.h"
#include "gfx/AnimatedRLESprite.h"
#include "gfx/AnimatedSprite.h"
#include "gfx/ShadowSprite.h"
#include "gfx/SurfaceSprite.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class SpriteManagerTest : public ::testing::Test {
  protected:
    SpriteManagerTest() { scene::Register(); }

    std::vector<int> QueuedQuits() { return TakeQuitCodes(screen.Window()); }

    std::string LogText() const { return folder.Read("debug.txt"); }
    bool Logged(const std::string& line) const { return LogText().find(line) != std::string::npos; }

    ScratchFolder folder;
    HeadlessScreen screen{16};
    SpriteManager& manager = Singleton<SpriteManager>::Instance();
};

TEST_F(SpriteManagerTest, ALabelIsBuiltOnceAndItsMirroredCopySeparately) {
    Sprite* first = manager.GetSprite("BOX");
    ASSERT_NE(first, nullptr);
    std::filesystem::remove_all("data");
    EXPECT_EQ(manager.GetSprite("BOX"), first);
    EXPECT_FALSE(Logged("Failed"));
    // The mirrored copy is built from the files too, which are gone now.
    EXPECT_EQ(manager.GetSprite("BOX", true), nullptr);
    EXPECT_TRUE(Logged("Failed to load sprite box.\n"));
}

TEST_F(SpriteManagerTest, BothSpellingsOfALabelAddressOneDefinitionAndOneSprite) {
    const SpriteInfo* info = manager.GetSpriteInfo("TRUCK_GARBAGE");
    EXPECT_EQ(info, nullptr);
    EXPECT_TRUE(Logged("Can't access SpriteInfo for label TRUCK_GARBAGE.\n"));
    ASSERT_NE(manager.GetSpriteInfo("BOX"), nullptr);
    EXPECT_EQ(manager.GetSpriteInfo("B_O_X"), manager.GetSpriteInfo("box"));
    EXPECT_EQ(manager.GetSpriteInfo("BOX")->name, "box");
    EXPECT_EQ(manager.GetSprite("BOX"), manager.GetSprite("box"));
    EXPECT_EQ(manager.GetSprite("ARROW", true), manager.GetSprite("arrow", true));
    EXPECT_NE(manager.GetSprite("ARROW", true), manager.GetSprite("ARROW"));
}

TEST_F(SpriteManagerTest, SettingADefinitionAgainReplacesEveryField) {
    SpriteInfo info;
    info.name = "Blink";
    info.crop = true;
    info.type = SpriteTypeAnimatedRle;
    info.numFrames = 4;
    info.duration = 2.5f;
    info.mirrored = true;
    info.loop = false;
    manager.SetSpriteInfo(info);
    const SpriteInfo* stored = manager.GetSpriteInfo("BLINK");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->name, "blink");
    EXPECT_TRUE(stored->crop);
    EXPECT_EQ(stored->type, SpriteTypeAnimatedRle);
    EXPECT_EQ(stored->numFrames, 4);
    EXPECT_EQ(stored->duration, 2.5f);
    EXPECT_TRUE(stored->mirrored);
    EXPECT_FALSE(stored->loop);
}

TEST_F(SpriteManagerTest, ANewDefinitionStartsFromTheDefaults) {
    const SpriteInfo defaults;
    EXPECT_EQ(defaults.name, "default");
    EXPECT_FALSE(defaults.crop);
    EXPECT_EQ(defaults.type, 0);
    EXPECT_EQ(defaults.numFrames, 1);
    EXPECT_EQ(defaults.duration, 0.0f);
    EXPECT_FALSE(defaults.mirrored);
    EXPECT_TRUE(defaults.loop);
}

TEST_F(SpriteManagerTest, AllLabelsComeInKeyOrderAfterWhatTheListHeld) {
    std::vector<std::string> labels{"first"};
    manager.GetAllSpriteLabels(labels);
    EXPECT_EQ(labels, (std::vector<std::string>{"first", "arrow", "blink", "box", "glow", "shade",
                                                "wave"}));
}

TEST_F(SpriteManagerTest, EachTypeBuildsItsSpriteClass) {
    EXPECT_NE(dynamic_cast<SurfaceSprite*>(manager.GetSprite("BOX")), nullptr);
    EXPECT_NE(dynamic_cast<AlphaSprite*>(manager.GetSprite("GLOW")), nullptr);
    EXPECT_NE(dynamic_cast<ShadowSprite*>(manager.GetSprite("SHADE")), nullptr);
    const auto* blink = dynamic_cast<AnimatedSprite*>(manager.GetSprite("BLINK"));
    ASSERT_NE(blink, nullptr);
    EXPECT_EQ(blink->GetNumFrames(), 2);
    EXPECT_EQ(blink->GetSequence().GetFrameList(), (std::vector<int>{1, 0}));
    const auto* wave = dynamic_cast<AnimatedRLESprite*>(manager.GetSprite("WAVE"));
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(wave->GetNumFrames(), 3);
    EXPECT_FALSE(wave->IsLooping());
    EXPECT_TRUE(QueuedQuits().empty());
}

TEST_F(SpriteManagerTest, AFrameListWithJunkAndFramesOutsideKeepsItsGoodLines) {
    scene::WriteData("blinkFrames.txt", "1\nhop\n\n7\n-1\n0\n1\n");
    const auto* blink = dynamic_cast<AnimatedSprite*>(manager.GetSprite("BLINK"));
    ASSERT_NE(blink, nullptr);
    EXPECT_EQ(blink->GetSequence().GetFrameList(), (std::vector<int>{1, 0, 1}));
    EXPECT_TRUE(Logged("frame 7 of blinkFrames.txt"));
    EXPECT_TRUE(Logged("frame -1 of blinkFrames.txt"));
    EXPECT_TRUE(QueuedQuits().empty());
}

TEST_F(SpriteManagerTest, WithoutAFrameListTheFramesPlayInOrder) {
    std::filesystem::remove("data/blinkFrames.txt");
    const auto* blink = dynamic_cast<AnimatedSprite*>(manager.GetSprite("BLINK"));
    ASSERT_NE(blink, nullptr);
    EXPECT_TRUE(blink->GetSequence().GetFrameList().empty());
    EXPECT_EQ(blink->GetSequence().FrameAt(0.0f), 0);
    EXPECT_EQ(blink->GetSequence().FrameAt(0.6f), 1);
}

TEST_F(SpriteManagerTest, TypeFiveEndsTheProgramWithItsMessage) {
    manager.SetSpriteInfo(scene::Info("ODD", 5));
    scene::WritePicture("odd.bmp", 2, 2, {scene::kRed, scene::kRed, scene::kRed, scene::kRed});
    EXPECT_EQ(manager.GetSprite("ODD"), nullptr);
    EXPECT_TRUE(
        Logged("invalid sprite type supplied in sprite info.\nFailed to load sprite odd.\n"))
        << LogText();
    EXPECT_EQ(QueuedQuits(), std::vector<int>{-1});
}

TEST_F(SpriteManagerTest, ALabelWithoutDefinitionIsFatal) {
    EXPECT_EQ(manager.GetSprite("NO_SUCH"), nullptr);
    EXPECT_TRUE(Logged("Failed to access SpriteInfo for label NO_SUCH.\n"));
    EXPECT_EQ(QueuedQuits(), std::vector<int>{-1});
}

TEST_F(SpriteManagerTest, AMissingPictureIsFatalForEveryType) {
    std::filesystem::remove_all("data");
    for (const char* label : {"BOX", "SHADE", "BLINK", "WAVE"})
        EXPECT_EQ(manager.GetSprite(label), nullptr) << label;
    EXPECT_TRUE(Logged("Failed to load sprite wave.\n"));
    const std::vector<int> quits = QueuedQuits();
    EXPECT_FALSE(quits.empty());
    EXPECT_EQ(std::count(quits.begin(), quits.end(), -1), static_cast<long>(quits.size()));
}

TEST_F(SpriteManagerTest, ASpriteThatFailsToBuildIsNotKept) {
    // More frames than the picture has rows.
    manager.SetSpriteInfo(scene::Info("BLINK", SpriteTypeAnimated, 9, 1.0f));
    EXPECT_EQ(manager.GetSprite("BLINK"), nullptr);
    EXPECT_TRUE(Logged("Failed to load sprite blink.\n"));
}

TEST_F(SpriteManagerTest, AnAddedSpriteReplacesTheOneUnderItsKey) {
    Sprite* built = manager.GetSprite("BOX");
    ASSERT_NE(built, nullptr);
    auto band = std::make_unique<ShadowSprite>();
    Sprite* added = band.get();
    manager.AddSprite(std::move(band), "BOX", false);
    EXPECT_EQ(manager.GetSprite("box"), added);
}

TEST_F(SpriteManagerTest, ReleaseAllKeepsTheDefinitions) {
    ASSERT_NE(manager.GetSprite("BOX"), nullptr);
    manager.ReleaseAll();
    std::filesystem::remove_all("data");
    EXPECT_EQ(manager.GetSprite("BOX"), nullptr);
    EXPECT_TRUE(Logged("Failed to load sprite box.\n"));
    EXPECT_NE(manager.GetSpriteInfo("BOX"), nullptr);
}

TEST_F(SpriteManagerTest, AReportedSpriteIsDroppedWithAMessageBoxAndBuiltAnewOnItsNextRequest) {
    auto stand_in = std::make_unique<ShadowSprite>();
    Sprite* broken = stand_in.get();
    manager.AddSprite(std::move(stand_in), "BOX", false);
    manager.ReportInvalidSprite(broken);
    manager.ReportInvalidSprite(broken);
    manager.ProcessInvalidSprites();
    EXPECT_EQ(screen.Window().messageBoxes(),
              (std::vector<std::string>{"invalid sprite: invalid sprite",
                                        "invalid sprite: invalid sprite"}));
    EXPECT_NE(dynamic_cast<SurfaceSprite*>(manager.GetSprite("BOX")), nullptr);
    manager.ProcessInvalidSprites();
    EXPECT_EQ(screen.Window().messageBoxes().size(), 2u);
}

// Draws ask by label every frame; what they are answered must follow every sprite that is
// replaced, dropped or released, in either spelling and either direction.
TEST_F(SpriteManagerTest, AskingAgainByLabelFollowsReplacedDroppedAndReleasedSprites) {
    Sprite* built = manager.GetSprite("B_O_X");
    Sprite* mirrored = manager.GetSprite("B_O_X", true);
    ASSERT_NE(built, nullptr);
    ASSERT_NE(mirrored, nullptr);
    EXPECT_EQ(manager.GetSprite("B_O_X"), built);
    EXPECT_EQ(manager.GetSprite("B_O_X", true), mirrored);
    auto stand_in = std::make_unique<ShadowSprite>();
    Sprite* added = stand_in.get();
    manager.AddSprite(std::move(stand_in), "box", false);
    EXPECT_EQ(manager.GetSprite("B_O_X"), added);
    manager.ReportInvalidSprite(added);
    manager.ProcessInvalidSprites();
    Sprite* rebuilt = manager.GetSprite("B_O_X");
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(dynamic_cast<SurfaceSprite*>(rebuilt), nullptr);
    manager.ReleaseAll();
    std::filesystem::remove_all("data");
    EXPECT_EQ(manager.GetSprite("B_O_X"), nullptr);
    EXPECT_EQ(manager.GetSprite("B_O_X", true), nullptr);
    EXPECT_TRUE(Logged("Failed to load sprite box.\n"));
}

TEST_F(SpriteManagerTest, SurfacesAreRestoredOnlyAfterALossAndOnce) {
    manager.RestoreSurfaces();
    EXPECT_FALSE(Logged("Restoring"));
    manager.SetLostSurfaces();
    EXPECT_TRUE(manager.HasLostSurfaces());
    EXPECT_TRUE(Logged("Lost surfaces detected. Restoring in next loop.\n"));
    manager.ProcessInvalidSprites();
    manager.ProcessInvalidSprites();
    EXPECT_FALSE(manager.HasLostSurfaces());
    const std::string log = LogText();
    EXPECT_NE(log.find("Restoring surfaces.\nRestoring surfaces done.\n"), std::string::npos)
        << log;
    EXPECT_EQ(log.find("Restoring surfaces.\n"), log.rfind("Restoring surfaces.\n"));
}

} // namespace
