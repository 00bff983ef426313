#include "world/Truck.h"

#include "ObjectLane.h"
#include "core/Singleton.h"
#include "score/GameScore.h"
#include "world/BlockInfo.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kConfig =
    "truckObjectWidth 200\ntruckObjectHeight 60\ntruckFrontEndNonBlockAreaWidth 40\n"
    "truckKillTimerInterval 2\ntruckVerticalOffsetStar 12.7\ntruckGarbageFrogOffsetX 30\n"
    "truckCementMixerFrogOffsetX 25\ntruckAquariumOffsetX 4\ntruckAquariumOffsetY -3\n"
    "truckShadowOffsetX 6\ntruckShadowOffsetY 8\n";

class TruckTest : public ::testing::Test {
  protected:
    TruckTest() : world(kConfig) {}

    // The truck on a lane of row 3, centred at x 400.
    void Put(Truck& truck, float speed, bool fromLeft = true) {
        truck.attach(world.Lane(track, ObjectLane::kRoad, 3, speed, fromLeft), false);
        truck.setX(400.0f);
    }

    int y() const { return track.getCentreY(); }

    ObjectLane world;
    ObjectTrack track;
};

TEST_F(TruckTest, MovingRightItBlocksItsFrontHalfLessTheStripAndHoldsItsRearHalf) {
    Truck truck(3);
    Put(truck, 100.0f);
    // Blocks from the centre to 80 ahead, not the 20 in front of those, nothing behind.
    EXPECT_TRUE(truck.blocksPoint(400, y()));
    EXPECT_TRUE(truck.blocksPoint(480, y()));
    EXPECT_FALSE(truck.blocksPoint(481, y()));
    EXPECT_FALSE(truck.blocksPoint(500, y()));
    EXPECT_FALSE(truck.blocksPoint(399, y()));
    EXPECT_FALSE(truck.blocksPoint(300, y()));
    EXPECT_FALSE(truck.blocksPoint(440, y() + 31));
    // Contains from 100 behind to 80 ahead.
    EXPECT_TRUE(truck.containsPoint(300, y()));
    EXPECT_FALSE(truck.containsPoint(299, y()));
    EXPECT_TRUE(truck.containsPoint(480, y()));
    EXPECT_FALSE(truck.containsPoint(481, y()));
}

TEST_F(TruckTest, MovingLeftItsFrontIsOnTheLeft) {
    Truck truck(3);
    Put(truck, 100.0f, false);
    EXPECT_TRUE(truck.blocksPoint(320, y()));
    EXPECT_FALSE(truck.blocksPoint(319, y()));
    EXPECT_FALSE(truck.blocksPoint(401, y()));
    EXPECT_TRUE(truck.containsPoint(500, y()));
    // Where it will be: 1 s at 100 units a second to the left.
    EXPECT_TRUE(truck.blocksPointAfter(220, y(), 1.0f));
    EXPECT_FALSE(truck.blocksPointAfter(320, y(), 1.0f));
}

TEST_F(TruckTest, AttachReadsItsKindsSettingsAndRegistersUntilItIsGone) {
    {
        Truck truck(6);
        Put(truck, 100.0f, false);
        EXPECT_EQ(truck.getName(), "Truck");
        EXPECT_EQ(truck.getState(), RoadObject::kStateDriving);
        EXPECT_EQ(truck.getWidth(), 200);
        EXPECT_EQ(truck.getOffsetX(), 4);
        EXPECT_EQ(truck.getOffsetY(), -3);
        EXPECT_EQ(truck.getShadowOffsetX(), 6);
        EXPECT_EQ(truck.getShadowOffsetY(), 8);
        EXPECT_FLOAT_EQ(truck.getKillInterval(), 2.0f);
        EXPECT_TRUE(truck.hasFixedSeat());
        EXPECT_EQ(truck.spriteLabel(), "TRUCK_AQUARIUM_DRIVE");
        EXPECT_TRUE(Singleton<BlockInfo>::Instance().isBlocked(380, y()));
    }
    EXPECT_FALSE(Singleton<BlockInfo>::Instance().isBlocked(380, y()));
}

TEST_F(TruckTest, TheSeatIsBehindTheCentreWhicheverWayItGoes) {
    Truck right(3);
    Truck left(7);
    Put(right, 100.0f, true);
    Put(left, 100.0f, false);
    EXPECT_FLOAT_EQ(right.getSeatOffsetX(), -30.0f);
    EXPECT_FLOAT_EQ(left.getSeatOffsetX(), 25.0f);
}

TEST_F(TruckTest, TheStarIsCollectedOnce) {
    Truck truck(4);
    Put(truck, 100.0f);
    EXPECT_TRUE(truck.hasStar());
    world.frog.attachTo(&truck);
    EXPECT_FALSE(truck.hasStar());
    EXPECT_TRUE(truck.isFrogAboard());
    EXPECT_EQ(Singleton<GameScore>::Instance().getStarsCollected(), 1);
    world.frog.attachTo(nullptr);
    EXPECT_FALSE(truck.isFrogAboard());
    world.frog.attachTo(&truck);
    EXPECT_FALSE(truck.hasStar());
    EXPECT_EQ(Singleton<GameScore>::Instance().getStarsCollected(), 1);
}

TEST_F(TruckTest, AFrogAboardForTheKillIntervalGetsTheCommandOfTheKind) {
    const int commands[] = {FS_KILL_GARBAGE, FS_KILL_CHEZ_FRED, FS_KILL_ELECTRIC, FS_KILL_AQUARIUM,
                            FS_KILL_CEMENT_MIXER};
    for (int type = 3; type <= 7; ++type) {
        Truck truck(type);
        Put(truck, 100.0f);
        world.frog.queueCommand(FS_MOVE_UP);
        world.frog.attachTo(&truck);
        for (int i = 0; i < 7; ++i)
            truck.update(0.25f);
        // 1.75 s aboard: not yet.
        EXPECT_EQ(world.frog.getCommandQueue().front(), FS_MOVE_UP) << type;
        truck.update(0.25f);
        ASSERT_EQ(world.frog.getCommandQueue().size(), 1u);
        EXPECT_EQ(world.frog.getCommandQueue().front(), commands[type - 3]) << type;
        EXPECT_FLOAT_EQ(truck.getAboardTime(), 0.0f);
        world.frog.attachTo(nullptr);
    }
}

TEST_F(TruckTest, TheTimeAboardAddsUpOverRidesAndStopsWhileItKills) {
    Truck truck(5);
    Put(truck, 100.0f);
    world.frog.attachTo(&truck);
    truck.update(1.5f);
    world.frog.attachTo(nullptr);
    truck.update(5.0f);
    EXPECT_FLOAT_EQ(truck.getAboardTime(), 1.5f);
    world.frog.attachTo(&truck);
    truck.setState(RoadObject::kStateKilling);
    truck.update(1.0f);
    EXPECT_FLOAT_EQ(truck.getAboardTime(), 1.5f);
    EXPECT_TRUE(world.frog.getCommandQueue().empty());
}

TEST_F(TruckTest, TheKillAnimationPlaysOnceThenItDrivesOn) {
    ObjectLane::SetDuration("TRUCK_ELECTRIC_KILL", 0.5f);
    Truck truck(5);
    Put(truck, 100.0f);
    truck.setState(RoadObject::kStateKilling);
    EXPECT_EQ(truck.spriteLabel(), "TRUCK_ELECTRIC_KILL");
    truck.update(0.3f);
    truck.update(0.3f);
    EXPECT_EQ(truck.getState(), RoadObject::kStateKilling);
    truck.update(0.1f);
    EXPECT_EQ(truck.getState(), RoadObject::kStateDriving);
    truck.setState(0);
    EXPECT_EQ(truck.spriteLabel(), "INVISIBLE_OBJECT");
}

TEST_F(TruckTest, ADestroyedTruckSetsItsFrogDown) {
    auto truck = std::make_unique<Truck>(3);
    Put(*truck, 100.0f);
    world.frog.attachTo(truck.get());
    truck.reset();
    EXPECT_EQ(world.frog.getRide(), nullptr);
}

} // namespace
