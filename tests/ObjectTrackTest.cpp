#include "world/ObjectTrack.h"

#include "ObjectLane.h"
#include "WorldConfig.h"
#include "actors/Frog.h"
#include "support/Probes.h"
#include "world/Area.h"
#include "world/LevelSettings.h"
#include "world/ObjectType.h"
#include "world/Randomizer.h"
#include "world/TrackObjectFactory.h"
#include "world/WorldCellGrid.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int kWidth = 100;
constexpr int kWorldWidth = 800;

// Area 0 is road, area 1 river with boxes only, area 2 of an unknown type.
constexpr const char* kConfig =
    "gridWidthUnits 800\nnumLatCells 8\n"
    "ragTopOpenObjectWidth 100\nragTopClosedObjectWidth 100\nsmallCarObjectWidth 100\n"
    "truckObjectWidth 100\ntrunkObjectWidth 100\nbarrelObjectWidth 100\nhippoObjectWidth 100\n"
    "waterLilyObjectWidth 100\nboxObjectWidth 100\n"
    "ragTopOpenObjectHeight 60\nragTopClosedObjectHeight 60\nsmallCarObjectHeight 60\n"
    "truckObjectHeight 60\ntrunkObjectHeight 60\nbarrelObjectHeight 60\nhippoObjectHeight 60\n"
    "waterLilyObjectHeight 60\nboxObjectHeight 60\n"
    "piranhaSpeed 30\nspawnPiranhaChancePerMill 7\nMaxNumObjectsPerTrack 3\n"
    "numAreas 3\nnumFrogsToGoal 1\nrelFrequBoxPerCent_A01_F00 100\n";

constexpr int kRoad = 0;
constexpr int kRiver = 1;
constexpr int kUnknown = 2;

struct Lane {
    int fromLeft = 1;
    float speed = 100.0f;
    int maxObjects = 3;
    float sinceSpawn = 0.0f;
    float sinceCheck = 0.0f;
    float minInterval = 2.0f;
    float maxInterval = 4.0f;
    float checkInterval = 2.0f;
};

class ObjectTrackTest : public ::testing::Test {
  protected:
    ObjectTrackTest() {
        LoadWorldConfig(folder, kConfig);
        Singleton<TrackObjectFactory>::Instance().load();
        Singleton<Randomizer>::Instance().seed(4242);
        grid.build(12);
        level.areaTypes = {0, 2, 7};
        level.tracksPerArea = 0;
        for (int a = 0; a < 3; ++a)
            areas[a].init(a, level, World());
    }

    ObjectTrack::World World() { return {&grid, nullptr, nullptr}; }

    bool Init(ObjectTrack& track, const Lane& lane, int area = kRoad, int row = 3,
              int trackIndex = 1) {
        return track.init(trackIndex, &areas[area], row, lane.fromLeft, lane.speed, lane.maxObjects,
                          lane.sinceSpawn, lane.sinceCheck, lane.minInterval, lane.maxInterval,
                          lane.checkInterval, World());
    }

    // Frames of dt until the lane holds `count` objects; false if that takes longer than `most`.
    static bool RunUntilCount(ObjectTrack& track, std::size_t count, float dt, int most) {
        for (int i = 0; i < most && track.getObjects().size() < count; ++i)
            track.update(dt, true);
        return track.getObjects().size() >= count;
    }

    static TrackObject& Newest(const ObjectTrack& track) { return *track.getObjects().back(); }
    static TrackObject& Oldest(const ObjectTrack& track) { return *track.getObjects().front(); }

    int LogCount(const std::string& line) const { return CountOf(folder.Read("debug.txt"), line); }

    ScratchFolder folder;
    WorldCellGrid grid;
    LevelSettings level;
    Area areas[3];
};

TEST_F(ObjectTrackTest, SetUpFollowsTheDirection) {
    ObjectTrack right;
    ObjectTrack left;
    ASSERT_TRUE(Init(right, {.fromLeft = 1, .speed = 120.0f}, kRoad, 5));
    ASSERT_TRUE(Init(left, {.fromLeft = 0, .speed = 120.0f}, kRoad, 5));
    EXPECT_FLOAT_EQ(right.getSpeed(), 120.0f);
    EXPECT_FLOAT_EQ(left.getSpeed(), -120.0f);
    EXPECT_FLOAT_EQ(right.getPiranhaSpeed(), -30.0f);
    EXPECT_FLOAT_EQ(left.getPiranhaSpeed(), 30.0f);
    EXPECT_EQ(right.getCentreY(), 5 * 75 + 37);
    EXPECT_EQ(right.getPiranhaChance(), 7);
}

TEST_F(ObjectTrackTest, OnlyARiverLaneTurnsItsRowToWater) {
    ObjectTrack road;
    ObjectTrack river;
    ASSERT_TRUE(Init(road, {}, kRoad, 2));
    ASSERT_TRUE(Init(river, {}, kRiver, 4));
    for (int col = 0; col < grid.latCells(); ++col) {
        EXPECT_EQ(grid.cellAt(grid.centreX(col), grid.centreY(2)), 0u);
        EXPECT_EQ(grid.cellAt(grid.centreX(col), grid.centreY(4)), CELL_WATER);
        EXPECT_EQ(grid.cellAt(grid.centreX(col), grid.centreY(5)), 0u);
    }
}

TEST_F(ObjectTrackTest, TheFirstDrawWaitsForTheLeastIntervalAndTheCheckInterval) {
    ObjectTrack track;
    // Past the least interval but not past the check interval: the chance never gets its turn.
    ASSERT_TRUE(Init(track, {.minInterval = 0.0f, .maxInterval = 0.25f}));
    for (int i = 0; i < 19; ++i)
        track.update(0.1f, true);
    EXPECT_TRUE(track.getObjects().empty());
    track.update(0.2f, true);
    // Far past the largest interval, so the draw cannot fail.
    EXPECT_EQ(track.getObjects().size(), 1u);
}

TEST_F(ObjectTrackTest, TheSpawnChanceRisesFromTheLeastToTheLargestInterval) {
    // One draw per lane, sinceSpawn at 3, 4 and 5 of the interval 2 ... 4.
    auto spawnRate = [this](float sinceSpawn) {
        constexpr int kTrials = 3000;
        int spawned = 0;
        for (int i = 0; i < kTrials; ++i) {
            ObjectTrack track;
            Init(track, {.sinceSpawn = sinceSpawn, .sinceCheck = 3.0f});
            track.update(0.0f, true);
            spawned += static_cast<int>(track.getObjects().size());
        }
        return static_cast<double>(spawned) / kTrials;
    };
    EXPECT_NEAR(spawnRate(3.0f), 50.0 / 101.0, 0.03);
    EXPECT_NEAR(spawnRate(4.0f), 100.0 / 101.0, 0.01);
    EXPECT_LT(spawnRate(4.0f), 1.0);
    EXPECT_EQ(spawnRate(5.0f), 1.0);
    EXPECT_EQ(spawnRate(2.0f), 0.0);
}

TEST_F(ObjectTrackTest, ANewObjectEntersJustOutsideTheUpstreamEdge) {
    ObjectTrack right;
    ObjectTrack left;
    ASSERT_TRUE(Init(right, {.fromLeft = 1, .sinceSpawn = 9.0f, .sinceCheck = 9.0f}));
    ASSERT_TRUE(Init(left, {.fromLeft = 0, .sinceSpawn = 9.0f, .sinceCheck = 9.0f}));
    // It moves in the frame it enters: 0.01 s at 100 units per second.
    right.update(0.01f, true);
    left.update(0.01f, true);
    ASSERT_EQ(right.getObjects().size(), 1u);
    ASSERT_EQ(left.getObjects().size(), 1u);
    EXPECT_FLOAT_EQ(Newest(right).getX(), -kWidth + 1.0f);
    EXPECT_FLOAT_EQ(Newest(left).getX(), 800 + kWidth - 1.0f);
    EXPECT_FLOAT_EQ(Newest(right).getY(), right.getCentreY());
    EXPECT_EQ(Newest(right).getTrack(), &right);
}

TEST_F(ObjectTrackTest, ANewObjectWaitsUntilTheNewestIsWhollyOnTheScreen) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.minInterval = 0.0f, .maxInterval = 0.0f, .checkInterval = 0.0f}));
    track.update(0.01f, true);
    ASSERT_EQ(track.getObjects().size(), 1u);
    while (Newest(track).getX() <= kWidth / 2) {
        track.update(0.01f, true);
        ASSERT_EQ(track.getObjects().size(), 1u);
    }
    track.update(0.01f, true);
    EXPECT_EQ(track.getObjects().size(), 2u);
}

TEST_F(ObjectTrackTest, AFullLaneWaitsForItsOldestToLeaveAtTheFarEdge) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.speed = 400.0f,
                             .maxObjects = 2,
                             .minInterval = 0.0f,
                             .maxInterval = 0.0f,
                             .checkInterval = 0.0f}));
    ASSERT_TRUE(RunUntilCount(track, 2, 0.01f, 1000));
    const TrackObject* oldest = &Oldest(track);
    while (track.getObjects().size() == 2 && &Oldest(track) == oldest) {
        track.update(0.01f, true);
        ASSERT_LE(track.getObjects().size(), 2u);
    }
    // It left only once past the world width plus its own width.
    EXPECT_EQ(track.getObjects().size(), 1u);
    track.update(0.01f, true);
    EXPECT_EQ(track.getObjects().size(), 2u);
}

TEST_F(ObjectTrackTest, RemovalAtTheFarEdgeDependsOnDirectionAndTakesOneObjectPerFrame) {
    ObjectTrack right;
    ObjectTrack left;
    ASSERT_TRUE(Init(right, {.speed = 0.0f, .sinceSpawn = 9.0f, .sinceCheck = 9.0f}));
    ASSERT_TRUE(Init(left, {.fromLeft = 0, .speed = 0.0f, .sinceSpawn = 9.0f, .sinceCheck = 9.0f}));
    right.update(0.0f, true);
    left.update(0.0f, true);
    Newest(right).setX(static_cast<float>(kWorldWidth + kWidth) - 0.6f);
    right.update(0.0f, true);
    EXPECT_EQ(right.getObjects().size(), 1u);
    Newest(right).setX(static_cast<float>(kWorldWidth + kWidth) - 0.5f);
    Newest(left).setX(-kWidth);
    right.update(0.0f, true);
    left.update(0.0f, true);
    EXPECT_TRUE(right.getObjects().empty());
    EXPECT_EQ(left.getObjects().size(), 1u);
    Newest(left).setX(-kWidth - 0.6f);
    left.update(0.0f, true);
    EXPECT_TRUE(left.getObjects().empty());
}

TEST_F(ObjectTrackTest, TheLaneUnderTheFrogStandsStillWhileADeathIsShown) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.sinceSpawn = 9.0f, .sinceCheck = 9.0f}, kRoad, 3));
    track.update(0.0f, true);
    TrackObject& object = Newest(track);
    const float start = object.getX();
    track.update(0.5f, false, {.row = 3, .anchorRow = 6});
    EXPECT_FLOAT_EQ(object.getX(), start);
    track.update(0.5f, false, {.row = 6, .anchorRow = 3});
    EXPECT_FLOAT_EQ(object.getX(), start);
    // Still animating while it stands.
    EXPECT_FLOAT_EQ(object.getStateTime(), 1.0f);
    track.update(0.5f, false, {.row = 6, .anchorRow = 6});
    EXPECT_FLOAT_EQ(object.getX(), start + 50.0f);
    track.update(0.5f, true, {.row = 3, .anchorRow = 3});
    EXPECT_FLOAT_EQ(object.getX(), start + 100.0f);
}

TEST_F(ObjectTrackTest, AFinishedBoxLeavesTheLane) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.sinceSpawn = 9.0f, .sinceCheck = 9.0f}, kRiver, 5, 1));
    track.update(0.0f, true);
    ASSERT_EQ(track.getObjects().size(), 1u);
    ASSERT_TRUE(ObjectType::IsBox(Newest(track).getObjectType()));
    for (const char* label : {"BOX_HAMMER_KILL", "BOX_RED_BUTTON_KILL", "BOX_BOMB_KILL"})
        ObjectLane::SetDuration(label, 5.0f);
    Newest(track).setState(6);
    track.update(0.1f, true);
    ASSERT_EQ(track.getObjects().size(), 1u);
    Newest(track).setState(7);
    track.update(0.1f, true);
    EXPECT_TRUE(track.getObjects().empty());
}

TEST_F(ObjectTrackTest, ScaleSpeedSpeedsUpTheLaneAndShortensItsIntervals) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.fromLeft = 0, .speed = 100.0f}));
    track.scaleSpeed(2.0f);
    EXPECT_FLOAT_EQ(track.getSpeed(), -200.0f);
    EXPECT_FLOAT_EQ(track.getMinInterval(), 1.0f);
    EXPECT_FLOAT_EQ(track.getMaxInterval(), 2.0f);
    track.scaleSpeed(0.0f);
    track.scaleSpeed(-1.0f);
    track.scaleSpeed(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(track.getSpeed(), -200.0f);
    EXPECT_FLOAT_EQ(track.getMaxInterval(), 2.0f);
    EXPECT_EQ(LogCount("speed factor"), 3);
}

TEST_F(ObjectTrackTest, ObjectsAreFoundWhereTheyAreAndWhereTheyWillBe) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.speed = 0.0f, .sinceSpawn = 9.0f, .sinceCheck = 9.0f}));
    EXPECT_FLOAT_EQ(track.nearestObjectDistance(0.0f, 0.0f),
                    std::sqrt(std::numeric_limits<float>::max()));
    track.update(0.0f, true);
    TrackObject& object = Newest(track);
    object.setX(400.0f);
    const int y = track.getCentreY();
    EXPECT_EQ(track.objectAt(450, y), &object);
    EXPECT_EQ(track.objectAt(451, y), nullptr);
    EXPECT_FLOAT_EQ(track.nearestObjectDistance(403.0f, static_cast<float>(y) + 4.0f), 5.0f);
}

TEST_F(ObjectTrackTest, ObjectAtAfterLooksUpstreamByTheDistanceTravelled) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.speed = 100.0f, .sinceSpawn = 9.0f, .sinceCheck = 9.0f}));
    track.update(0.0f, true);
    TrackObject& object = Newest(track);
    object.setX(300.0f);
    const int y = track.getCentreY();
    // After 1.5 s the object covers 400 ... 500.
    EXPECT_EQ(track.objectAtAfter(500, y, 1.5f), &object);
    EXPECT_EQ(track.objectAtAfter(501, y, 1.5f), nullptr);
    EXPECT_EQ(track.objectAtAfter(399, y, 1.5f), nullptr);
    EXPECT_EQ(track.objectAtAfter(400, y, 1.5f), &object);
    // 351 - 0.4 is truncated to 350, inside; rounded it would be 351, outside.
    EXPECT_EQ(track.objectAtAfter(351, y, 0.004f), &object);
    // An absurd look-ahead finds nothing rather than wrapping around.
    EXPECT_EQ(track.objectAtAfter(300, y, 1e30f), nullptr);
    EXPECT_EQ(track.objectAtAfter(300, y, -1e30f), nullptr);
}

TEST_F(ObjectTrackTest, AtMostOneObjectLeavesPerFrame) {
    ObjectTrack track;
    ASSERT_TRUE(Init(
        track, {.speed = 0.0f, .minInterval = 0.0f, .maxInterval = 0.0f, .checkInterval = 0.0f}));
    track.update(0.01f, true);
    Newest(track).setX(400.0f);
    track.update(0.01f, true);
    ASSERT_EQ(track.getObjects().size(), 2u);
    for (const auto& object : track.getObjects())
        object->setX(2000.0f);
    track.update(0.01f, true);
    EXPECT_EQ(track.getObjects().size(), 1u);
    track.update(0.01f, true);
    EXPECT_TRUE(track.getObjects().empty());
}

TEST_F(ObjectTrackTest, BadLaneSettingsAreLoggedAndKeptSane) {
    ObjectTrack still;
    ASSERT_TRUE(Init(
        still, {.speed = 0.0f, .minInterval = 0.0f, .maxInterval = 0.0f, .checkInterval = 0.0f}));
    EXPECT_EQ(LogCount("has speed 0"), 1);
    EXPECT_EQ(LogCount("spawns as soon as the least interval has passed"), 1);
    for (int i = 0; i < 500; ++i)
        still.update(0.1f, true);
    // Its object never gets wholly on the screen, so the lane cannot fill up with more.
    EXPECT_EQ(still.getObjects().size(), 1u);

    ObjectTrack none;
    ASSERT_TRUE(Init(none, {.maxObjects = 0, .minInterval = 0.0f, .checkInterval = 0.0f}));
    for (int i = 0; i < 500; ++i)
        none.update(0.1f, true);
    EXPECT_TRUE(none.getObjects().empty());

    ObjectTrack crowded;
    ASSERT_TRUE(Init(crowded, {.maxObjects = 1'000'000'000}));
    EXPECT_EQ(crowded.getMaxObjects(), ObjectTrack::kMaxObjectsLimit);
    ObjectTrack negative;
    ASSERT_TRUE(Init(negative, {.maxObjects = -5}));
    EXPECT_EQ(negative.getMaxObjects(), 0);
    EXPECT_EQ(LogCount("objects; using"), 3);

    ObjectTrack lost;
    EXPECT_FALSE(lost.init(0, nullptr, 3, 1, 100.0f, 3, 0, 0, 2, 4, 2, World()));
}

TEST_F(ObjectTrackTest, ReversedIntervalsSpawnOnceTheLeastHasPassed) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.minInterval = 3.0f, .maxInterval = 1.0f, .checkInterval = 0.0f}));
    for (int i = 0; i < 30; ++i)
        track.update(0.1f, true);
    EXPECT_TRUE(track.getObjects().empty());
    track.update(0.11f, true);
    EXPECT_EQ(track.getObjects().size(), 1u);
}

TEST_F(ObjectTrackTest, AnUnknownAreaTypeLogsAtEachSuccessfulDrawAndStaysEmpty) {
    ObjectTrack track;
    ASSERT_TRUE(
        Init(track, {.minInterval = 0.0f, .maxInterval = 0.0f, .checkInterval = 1.0f}, kUnknown));
    for (int i = 0; i < 35; ++i)
        track.update(0.1f, true);
    EXPECT_TRUE(track.getObjects().empty());
    EXPECT_EQ(LogCount("Invalid area type specified for trackobject creation.\n"), 3);
}

// Rivers of areas past the fourth may get a piranha swimming against the current.
class ObjectTrackPiranhaTest : public ObjectTrackTest {
  protected:
    ObjectTrackPiranhaTest() {
        level.areaTypes = {0, 2, 7, 2, 2};
        riverFour.init(4, level, World());
        riverThree.init(3, level, World());
    }

    ObjectTrack::World WorldWithFrog() { return {&grid, nullptr, nullptr, &frog, nullptr}; }

    // A lane that lets no object in, so that only the piranha draw runs, every frame.
    bool InitRiver(ObjectTrack& track, Area& area, int fromLeft, float speed = 100.0f) {
        return track.init(1, &area, 5, fromLeft, speed, 0, 0.0f, 9.0f, 2.0f, 4.0f, 2.0f,
                          WorldWithFrog());
    }

    static bool RunUntilPiranha(ObjectTrack& track, int most) {
        for (int i = 0; i < most && track.getPiranha() == nullptr; ++i)
            track.update(0.0f, true);
        return track.getPiranha() != nullptr;
    }

    Area riverFour;
    Area riverThree;
    Frog frog;
};

TEST_F(ObjectTrackPiranhaTest, APiranhaStartsBeyondTheDownstreamEdgeAndSwimsAgainstTheCurrent) {
    ObjectTrack right;
    ObjectTrack left;
    ASSERT_TRUE(InitRiver(right, riverFour, 1));
    ASSERT_TRUE(InitRiver(left, riverFour, 0));
    ASSERT_TRUE(RunUntilPiranha(right, 20000));
    ASSERT_TRUE(RunUntilPiranha(left, 20000));
    EXPECT_FLOAT_EQ(right.getPiranha()->getX(), 1000.0f);
    EXPECT_FLOAT_EQ(left.getPiranha()->getX(), -200.0f);
    right.update(0.5f, true);
    left.update(0.5f, true);
    EXPECT_FLOAT_EQ(right.getPiranha()->getX(), 985.0f);
    EXPECT_FLOAT_EQ(left.getPiranha()->getX(), -185.0f);
}

TEST_F(ObjectTrackPiranhaTest, NoPiranhaComesToTheFirstFourAreas) {
    ObjectTrack track;
    ASSERT_TRUE(InitRiver(track, riverThree, 1));
    EXPECT_FALSE(RunUntilPiranha(track, 20000));
}

TEST_F(ObjectTrackPiranhaTest, ItBitesAnIdleFrogInItsRowAndLeavesTheWorld) {
    ObjectTrack track;
    ASSERT_TRUE(InitRiver(track, riverFour, 0));
    ASSERT_TRUE(RunUntilPiranha(track, 20000));
    frog.setPosition(-160.0f, static_cast<float>(track.getCentreY()));
    frog.setState(FS_MOVE_UP);
    // 30 units a second to the right: it reaches the frog at 1 s, but the frog is jumping.
    for (int i = 0; i < 10; ++i)
        track.update(0.1f, true);
    ASSERT_NE(track.getPiranha(), nullptr);
    EXPECT_EQ(track.getPiranha()->getState(), Piranha::kStateSwimming);
    frog.setState(FS_IDLE);
    track.update(0.1f, true);
    ASSERT_NE(track.getPiranha(), nullptr);
    EXPECT_EQ(track.getPiranha()->getState(), Piranha::kStateBitten);
    ASSERT_EQ(frog.getCommandQueue().size(), 1u);
    EXPECT_EQ(frog.getCommandQueue().front(), FS_KILL_PIRANHA);
    track.update(0.1f, true);
    EXPECT_EQ(track.getPiranha(), nullptr);
}

TEST_F(ObjectTrackPiranhaTest, AMovedLaneTakesItsObjectsAlong) {
    ObjectTrack track;
    ASSERT_TRUE(Init(track, {.sinceSpawn = 9.0f, .sinceCheck = 9.0f}));
    track.update(0.0f, true);
    ObjectTrack moved(std::move(track));
    EXPECT_EQ(moved.getObjects().front()->getTrack(), &moved);
    EXPECT_FLOAT_EQ(moved.getObjects().front()->getSpeed(), 100.0f);
}

} // namespace
