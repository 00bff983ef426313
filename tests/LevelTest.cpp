#include "world/Level.h"

#include "WorldConfig.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "gfx/SurfaceSprite.h"
#include "support/HeadlessScreen.h"
#include "support/Probes.h"
#include "world/BlockInfo.h"
#include "world/ObjectTrack.h"
#include "world/Randomizer.h"
#include "world/TrackObject.h"
#include "world/TrackObjectFactory.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

// Three areas of five one-row lanes under a grass row, on a one-row start strip; area 1 is
// river. Every lane moves 100 units a second and spawns at once.
std::string Config(const std::string& extra) {
    std::string config =
        "gridWidthUnits 800\nnumLatCells 16\nnumAreas 7\nnumVisibleAreas 3\n"
        "numTracksPerArea 5\nnumCellsStartStrip 1\nnumCellsPerGrassStrip 1\nnumCellsPerTrack 1\n"
        "numFrogsToGoal 3\nfrogSpeedFactor00 1\nfrogSpeedFactor01 1.5\nfrogSpeedFactor02 2\n"
        "MaxNumObjectsPerTrack 4\nsmallCarObjectWidth 100\nsmallCarObjectHeight 60\n"
        "trunkObjectWidth 100\nbarrelObjectWidth 100\nhippoObjectWidth 100\n"
        "waterLilyObjectWidth 100\nboxObjectWidth 100\nragTopOpenObjectWidth 100\n"
        "ragTopClosedObjectWidth 100\ntruckObjectWidth 100\n";
    for (int a = 0; a < 7; ++a) {
        config += "areaType0" + std::to_string(a) + (a % 2 ? " 2\n" : " 1\n");
        for (int t = 0; t < 5; ++t) {
            const std::string lane = "_0" + std::to_string(a) + "_0" + std::to_string(t);
            config += "trackSpeed" + lane + " 100\nMinSpawnInterval" + lane +
                      " 0\nMaxSpawnInterval" + lane + " 0.5\n";
        }
    }
    return config + extra;
}

const char* const kObjectLabels[] = {
    "RAGTOP_OPEN_DRIVE",    "RAGTOP_CLOSED_DRIVE",      "SMALL_CAR_DRIVE",
    "TRUCK_GARBAGE_DRIVE",  "TRUCK_CHEZ_FRED_DRIVE",    "TRUCK_ELECTRIC_DRIVE",
    "TRUCK_AQUARIUM_DRIVE", "TRUCK_CEMENT_MIXER_DRIVE", "TRUNK_SWIMMING",
    "BARREL_SWIMMING",      "HIPPO_SWIMMING",           "WATER_LILY_SWIMMING",
    "BOX_SWIMMING"};

class LevelTest : public ::testing::Test {
  protected:
    LevelTest() : screen(32) {
        // The lanes draw their objects; a plain slab stands in for each picture.
        for (const char* label : kObjectLabels)
            for (bool mirrored : {false, true}) {
                auto slab = std::make_unique<SurfaceSprite>();
                auto picture = std::make_unique<Image>();
                picture->Create(100, 60, PixelFormat::Screen());
                slab->Create(std::move(picture), 100, 60, 0, 0, false);
                Singleton<SpriteManager>::Instance().AddSprite(std::move(slab), label, mirrored);
            }
        Singleton<Randomizer>::Instance().seed(11);
    }

    void Start(const std::string& extra = "") {
        LoadWorldConfig(folder, Config(extra));
        Singleton<TrackObjectFactory>::Instance().load();
        level.settings.load();
        level.setUpLevel();
    }

    std::string Log() const { return folder.Read("debug.txt"); }

    HeadlessScreen screen;
    ScratchFolder folder;
    Level level;
};

} // namespace

TEST_F(LevelTest, TheFirstLevelHasThreeAreasOverNineteenRows) {
    Start();
    EXPECT_EQ(level.grid.longCells(), 19);
    EXPECT_EQ(level.grid.latCells(), 16);
    ASSERT_EQ(level.getAreas().size(), 3u);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(level.getAreas()[j]->getIndex(), j);
        EXPECT_EQ(level.getAreas()[j]->getFirstRow(), 1 + 6 * j);
    }
    // Twenty rows of background less a screen.
    EXPECT_EQ(level.camera.upperLimit(), 20 * 75 - 600);
    EXPECT_EQ(level.areaOfY(6 * 75 + 10), level.getAreas()[0].get()) << "the grass row";
    EXPECT_EQ(level.areaOfY(7 * 75), level.getAreas()[1].get());
    EXPECT_EQ(level.areaOfY(74), nullptr) << "the start strip";
    EXPECT_EQ(level.areaOfY(19 * 75), nullptr);
    EXPECT_EQ(level.areaOfY(-1), nullptr);
}

TEST_F(LevelTest, ALaterLevelOfTheGroupStartsItsAreasAtItsIndexInTheGroup) {
    LoadWorldConfig(folder, Config(""));
    level.settings.load();
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(level.settings.advance());
    level.setUpLevel();
    ASSERT_EQ(level.getAreas().size(), 3u);
    EXPECT_EQ(level.getAreas()[0]->getIndex(), 4);
    EXPECT_EQ(level.getAreas()[2]->getIndex(), 6);
    EXPECT_EQ(level.getAreas()[0]->getFirstRow(), 1);
}

TEST_F(LevelTest, AnAreaIndexWithoutATypeIsReportedAndLeftOut) {
    std::string config = Config("");
    config.replace(config.find("numAreas 7"), 10, "numAreas 2");
    LoadWorldConfig(folder, config);
    level.settings.load();
    level.setUpLevel();
    EXPECT_EQ(level.getAreas().size(), 2u);
    EXPECT_NE(Log().find("area index 2 has no area type"), std::string::npos) << Log();
}

TEST_F(LevelTest, NoPreRunWithoutAnInitInterval) {
    Start("initInterval 0\n");
    EXPECT_EQ(level.getAreas()[0]->getStateTime(), 0.0f);
    EXPECT_EQ(level.objectCount(), 0);
}

TEST_F(LevelTest, AQuarterSecondPreRunsThreeTimes) {
    Start("initInterval 0.25\n");
    for (const auto& area : level.getAreas())
        EXPECT_NEAR(area->getStateTime(), 0.3f, 1e-5f);
}

TEST_F(LevelTest, AnAbsurdInitIntervalIsCut) {
    Start("initInterval 1e12\n");
    EXPECT_NEAR(level.getAreas()[0]->getStateTime(), Level::kMaxPreRunSeconds, 1.0f);
    EXPECT_NE(Log().find("initInterval"), std::string::npos);
}

TEST_F(LevelTest, TheSpeedUpAccumulatesAndGrowsBeyondLevelFourteen) {
    Start();
    const ObjectTrack& lane = level.getAreas()[0]->getTracks()[2];
    const float interval = lane.getMaxInterval();
    level.settings.frogsRemaining = 2;
    level.applySpeedFactor();
    EXPECT_FLOAT_EQ(std::fabs(lane.getSpeed()), 150.0f);
    EXPECT_FLOAT_EQ(lane.getMaxInterval(), interval / 1.5f);
    level.applySpeedFactor();
    EXPECT_FLOAT_EQ(std::fabs(lane.getSpeed()), 225.0f);

    level.settings.level = 20;
    level.settings.frogsRemaining = 3;
    level.setUpLevel();
    level.applySpeedFactor();
    EXPECT_FLOAT_EQ(std::fabs(level.getAreas()[0]->getTracks()[2].getSpeed()), 250.0f);
}

TEST_F(LevelTest, ObjectsAreFoundInTheLaneOfTheirRowOnly) {
    Start("initInterval 3\n");
    const ObjectTrack& lane = level.getAreas()[1]->getTracks()[3];
    ASSERT_FALSE(lane.getObjects().empty());
    const TrackObject& object = *lane.getObjects().front();
    const int x = static_cast<int>(object.getX());
    EXPECT_EQ(level.objectAt(x, lane.getCentreY()), &object);
    EXPECT_EQ(level.objectAt(x, 12 * 75 + 37), nullptr) << "the area's grass row";
    EXPECT_EQ(level.objectAt(x, 10), nullptr) << "the start strip";
    // Two seconds on, the object is 200 units downstream.
    const int ahead = x + static_cast<int>(lane.getSpeed() * 2.0f);
    EXPECT_EQ(level.objectAtAfter(ahead, lane.getCentreY(), 2.0f), &object);
}

TEST_F(LevelTest, TheWorldUpdateCarriesTheObjectsAlongTheirLanes) {
    Start("initInterval 3\n");
    const TrackObject& object = *level.getAreas()[2]->getTracks()[0].getObjects().front();
    const float x = object.getX();
    level.update(0.1f, true);
    EXPECT_NEAR(object.getX(), x + 10.0f, 1e-3f);
}

TEST_F(LevelTest, SetUpPlacesTheGoalAndTheObstaclesOfTheLevelAndTheEndRemovesThem) {
    folder.Write("data/ArbitraryObjects_00_00.txt", "1, 3, 0, 40, 40\n2, 5, 0, 0, 0\n");
    Start("GoalCellLat_00_00 12\nGoalCellLong_00_00 0\n");
    const LevelObjects& objects = level.getLevelObjects();
    ASSERT_EQ(objects.getObstacles().size(), 1u);
    EXPECT_EQ(objects.getObstacles().front()->getX(), 175);
    ASSERT_NE(objects.getGoal(), nullptr);
    EXPECT_FLOAT_EQ(objects.getGoal()->getX(), 625.0f);
    EXPECT_NE(level.grid.cellAt(275, 37) & CELL_WATER, 0u);
    EXPECT_TRUE(Singleton<BlockInfo>::Instance().isBlocked(175, 37));
    level.destroyAreas();
    level.destroyLevelObjects();
    EXPECT_EQ(Singleton<BlockInfo>::Instance().size(), 0u);
    EXPECT_EQ(level.getLevelObjects().getGoal(), nullptr);
}

TEST_F(LevelTest, TheShowdownHangsTheTopLayerOfItsOwnPartOfTheWorld) {
    // A crown 1400 units up the world: far above the first level's screen, and 50 units above
    // the foot of a showdown three levels up the group (1400 - 3 * 450).
    Start("numSpritesInTopLayer 1\ntopLayerOffsetX00 100\ntopLayerOffsetY00 1400\n");
    auto crown = std::make_unique<Image>();
    crown->Create(40, 30, PixelFormat::Screen());
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            crown->SetPixel(x, y, 0x20, 0xC0, 0x30);
    auto sprite = std::make_unique<SurfaceSprite>();
    sprite->Create(std::move(crown), 40, 30, 0, 0, false);
    Singleton<SpriteManager>::Instance().AddSprite(std::move(sprite), "TOP_LAYER_00", false);
    platform::DisplaySurface& back = *Singleton<DirectDraw>::Instance().GetBackBuffer();

    level.settings.levelInWorld = 3;
    level.setUpShowdown();
    back.fill(nullptr, 0);
    level.drawBothTopLayers();
    // Bottom edge 50 units up: screen rows 520 to 549.
    EXPECT_NE(back.pixelAt(120, 535), 0u);
    EXPECT_EQ(back.pixelAt(120, 555), 0u);
    EXPECT_EQ(back.pixelAt(120, 515), 0u);
}
