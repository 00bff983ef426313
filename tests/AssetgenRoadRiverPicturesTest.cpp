#include "app/AssetCatalogue.h"
#include "core/FileLoader.h"
#include "gfx/Image.h"
#include "gfx/PictureLoader.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "support/GeneratedData.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const char* const kAnimations[] = {
    "RAGTOP_OPEN_DRIVE",
    "RAGTOP_CLOSED_DRIVE",
    "SMALL_CAR_DRIVE",
    "TRUCK_GARBAGE_DRIVE",
    "TRUCK_GARBAGE_KILL",
    "TRUCK_CHEZ_FRED_DRIVE",
    "TRUCK_CHEZ_FRED_KILL",
    "TRUCK_ELECTRIC_DRIVE",
    "TRUCK_ELECTRIC_KILL",
    "TRUCK_AQUARIUM_DRIVE",
    "TRUCK_AQUARIUM_KILL",
    "TRUCK_CEMENT_MIXER_DRIVE",
    "TRUCK_CEMENT_MIXER_KILL",
    "FROG_LEG",
    "STAR_TRUCK",
    "TRUNK_SWIMMING",
    "BARREL_SWIMMING",
    "HIPPO_SWIMMING",
    "HIPPO_DIVING",
    "WATER_LILY_SWIMMING",
    "WATER_LILY_DIVING",
    "BOX_SWIMMING",
    "BOX_DROWN_KILL",
    "BOX_HAMMER_KILL",
    "BOX_RED_BUTTON_KILL",
    "BOX_BOMB_KILL",
    "PIRANHA_SWIMMING",
    "INSECT_BIG_BUG_FLY_LEFT",
    "INSECT_BUSINESS_BUG_FLY_LEFT",
    "INSECT_BUTTERFLY_FLY_LEFT",
    "INSECT_NEWS_BUG_FLY_LEFT",
    "INSECT_TAXI_BUG_FLY_LEFT",
    "INSECT_TOOL_BUG_FLY_LEFT",
    "INSECT_VOYAGER_BUG_FLY_LEFT",
    "INSECT_BIG_BUG_PIERCING",
    "INSECT_TAXI_BUG_PIERCING",
};

const char* const kShadows[] = {"SHADOW_SMALL_CAR", "SHADOW_RAGTOP", "SHADOW_TRUCK"};

// The objects' pictures from the build's packed data, loaded as the game loads them.
class AssetgenRoadRiverPicturesTest : public ::testing::Test {
  protected:
    void SetUp() override { AssetCatalogue::RegisterAssets(); }

    std::string Log() const { return folder.Read("debug.txt"); }
    static const SpriteInfo& Info(const std::string& label) {
        return *Singleton<SpriteManager>::Instance().GetSpriteInfo(label);
    }

    ScratchFolder folder;
    HeadlessScreen screen{16};
    GeneratedData data{folder};
};

TEST_F(AssetgenRoadRiverPicturesTest, EveryAnimationStacksWholeFramesOfItsCatalogueCountAndLoads) {
    const FileLoader& files = Singleton<FileLoader>::Instance();
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    for (const char* label : kAnimations) {
        const std::string name = NormalizeLabel(label);
        const std::unique_ptr<Image> picture =
            Singleton<PictureLoader>::Instance().Load(name, true);
        ASSERT_NE(picture, nullptr) << label;
        const SpriteInfo& info = Info(label);
        EXPECT_EQ(picture->GetHeight() % info.numFrames, 0) << label;
        EXPECT_GT(info.duration, 0.0f) << label;
        // Colour-keyed kills have hard edges; only blended sprites read an alpha map.
        if (info.type != SpriteTypeAnimated) {
            EXPECT_FALSE(files.Exists(name + "Alpha", ".bmp")) << label;
        }
        EXPECT_NE(sprites.GetSprite(label, false), nullptr) << label;
        if (info.mirrored) {
            EXPECT_NE(sprites.GetSprite(label, true), nullptr) << label;
        }
    }
    EXPECT_EQ(CountOf(Log(), "Fail"), 0) << Log();
    EXPECT_TRUE(TakeQuitCodes(screen.Window()).empty());
}

TEST_F(AssetgenRoadRiverPicturesTest, ShadowsAreOneBitMasksWithTheVehicleInsideAndClearEdges) {
    for (const char* label : kShadows) {
        // As the game reads a shadow: unconverted, in the file's own depth.
        const std::unique_ptr<Image> mask =
            Singleton<PictureLoader>::Instance().Load(NormalizeLabel(label), false);
        ASSERT_NE(mask, nullptr) << label;
        EXPECT_EQ(mask->GetDepth(), 1) << label;
        // The game darkens under the non-black pixels: the middle, never the corners.
        const int w = mask->GetWidth();
        const int h = mask->GetHeight();
        EXPECT_NE(mask->GetPixel(w / 2, h / 2), 0u) << label;
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(mask->GetPixel(x, y), 0u) << label << " at " << x << "," << y;
        EXPECT_NE(Singleton<SpriteManager>::Instance().GetSprite(label, true), nullptr) << label;
    }
    EXPECT_EQ(CountOf(Log(), "Fail"), 0) << Log();
    EXPECT_EQ(CountOf(Log(), "cannot"), 0) << Log();
}

} // namespace
