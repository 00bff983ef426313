#include "world/TopLayer.h"

#include "core/FileLoader.h"
#include "core/SettingsManager.h"
#include "gfx/SpriteManager.h"
#include "gfx/SurfaceSprite.h"
#include "support/SpriteScreen.h"
#include "world/Camera.h"

#include <string>

namespace {

constexpr std::uint32_t kLeafColour = 0x30C040;
constexpr std::uint32_t kBridgeColour = 0xC08020;

class TopLayerTest : public SpriteScreen {
  protected:
    void LoadConfig(const std::string& config) {
        folder.Write("data/config.txt", config);
        Singleton<SettingsManager>::Instance().LoadSettings(
            Singleton<FileLoader>::Instance().GetBasePath() + "config.txt");
    }

    bool Shows(int x, int y, std::uint32_t colour) {
        return Back().pixelAt(x, y) == ScreenValue(colour);
    }
};

TEST_P(TopLayerTest, EntriesAreReadOneGroupLevelLowerForEachLevelIntoTheGroup) {
    LoadConfig("numSpritesInTopLayer 2\ntopLayerOffsetX00 100\ntopLayerOffsetY00 900\n"
               "topLayerOffsetX01 -40\ntopLayerOffsetY01 1000\n"
               "numSpritesInRoadTopLayer 1\nroadTopLayerOffsetX00 7\nroadTopLayerOffsetY00 20\n");
    TopLayer top = TopLayer::Top();
    top.load(2);
    ASSERT_EQ(top.positions().size(), 2u);
    EXPECT_EQ(top.positions()[0].x, 100);
    EXPECT_EQ(top.positions()[0].y, 900 - 2 * 450);
    EXPECT_EQ(top.positions()[1].x, -40);
    EXPECT_EQ(top.positions()[1].y, 1000 - 2 * 450);
    TopLayer road = TopLayer::Road();
    road.load(0);
    ASSERT_EQ(road.positions().size(), 1u);
    EXPECT_EQ(road.positions()[0].x, 7);
    EXPECT_EQ(road.positions()[0].y, 20);
}

TEST_P(TopLayerTest, AnEntryIsDrawnWithItsLeftAndBottomEdgesAtItsWorldPosition) {
    LoadConfig("numSpritesInTopLayer 1\ntopLayerOffsetX00 100\ntopLayerOffsetY00 900\n");
    AddSprite("TOP_LAYER_00", 20, 10, kLeafColour);
    TopLayer top = TopLayer::Top();
    top.load(1);
    Camera camera;
    camera.y = 299.6f;
    FillBack(kWhite);
    top.draw(camera);
    // World y 450 is 150 units above the camera: the sprite's bottom row is screen row 449.
    EXPECT_TRUE(Shows(100, 440, kLeafColour));
    EXPECT_TRUE(Shows(119, 449, kLeafColour));
    EXPECT_TRUE(Shows(100, 450, kWhite));
    EXPECT_TRUE(Shows(99, 445, kWhite));
    EXPECT_TRUE(Shows(120, 445, kWhite));
    EXPECT_TRUE(Shows(100, 439, kWhite));
}

TEST_P(TopLayerTest, TheRoadLayerDrawsItsOwnSprites) {
    LoadConfig("numSpritesInRoadTopLayer 2\nroadTopLayerOffsetX00 0\nroadTopLayerOffsetY00 0\n"
               "roadTopLayerOffsetX01 300\nroadTopLayerOffsetY01 100\n");
    AddSprite("ROAD_TOP_LAYER_00", 8, 8, kLeafColour);
    AddSprite("ROAD_TOP_LAYER_01", 8, 8, kBridgeColour);
    TopLayer road = TopLayer::Road();
    road.load(0);
    FillBack(kWhite);
    road.draw(Camera{});
    EXPECT_TRUE(Shows(0, 599, kLeafColour));
    EXPECT_TRUE(Shows(303, 495, kBridgeColour));
}

TEST_P(TopLayerTest, AnEntryWithoutSpriteIsLeftOutAndTheOthersAreDrawn) {
    LoadConfig("numSpritesInTopLayer 2\ntopLayerOffsetX00 50\ntopLayerOffsetY00 0\n"
               "topLayerOffsetX01 200\ntopLayerOffsetY01 0\n");
    AddSprite("TOP_LAYER_01", 8, 8, kBridgeColour);
    TopLayer top = TopLayer::Top();
    top.load(0);
    FillBack(kWhite);
    top.draw(Camera{});
    EXPECT_TRUE(Shows(50, 595, kWhite));
    EXPECT_TRUE(Shows(200, 595, kBridgeColour));
    EXPECT_NE(Log().find("Failed to access SpriteInfo for label TOP_LAYER_00"), std::string::npos);
}

TEST_P(TopLayerTest, AbsurdCountsAndOffsetsAreHeldWithALogLine) {
    LoadConfig("numSpritesInTopLayer 100000\ntopLayerOffsetY00 2000000000\n"
               "numSpritesInRoadTopLayer -5\n");
    TopLayer top = TopLayer::Top();
    top.load(6);
    EXPECT_EQ(top.positions().size(), 100u);
    EXPECT_EQ(top.positions()[0].y, 10000 - 6 * 450);
    EXPECT_NE(Log().find("numSpritesInTopLayer 100000 is outside [0, 100], using 100"),
              std::string::npos);
    EXPECT_NE(Log().find("topLayerOffsetY00 2000000000 is outside [-10000, 10000]"),
              std::string::npos);
    TopLayer road = TopLayer::Road();
    road.load(0);
    EXPECT_TRUE(road.positions().empty());
    EXPECT_NE(Log().find("numSpritesInRoadTopLayer -5 is outside [0, 100], using 0"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Depths, TopLayerTest, ::testing::Values(16, 32));

} // namespace
