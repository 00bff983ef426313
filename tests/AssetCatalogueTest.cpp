#include "app/AssetCatalogue.h"

#include "WorldConfig.h"
#include "gfx/SpriteManager.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

SpriteManager& Sprites() { return Singleton<SpriteManager>::Instance(); }

} // namespace

TEST(AssetCatalogue, RegistersEveryPictureUnderItsNormalisedLabel) {
    ScratchFolder folder;
    LoadWorldConfig(folder, "");
    ASSERT_TRUE(AssetCatalogue::RegisterAssets());

    std::vector<std::string> labels;
    Sprites().GetAllSpriteLabels(labels);
    EXPECT_EQ(labels.size(), 106u);
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
