#include "actors/Frog.h"

#include "ObjectLane.h"
#include "world/Box.h"
#include "world/Trunk.h"
#include "world/Truck.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class FrogTest : public ::testing::Test {
protected:
    FrogTest() : world("") {}

    ObjectLane world;
    ObjectTrack track;
};

TEST_F(FrogTest, ANewCommandReplacesThePendingOne) {
    Frog frog;
    frog.queueCommand(FS_MOVE_UP);
    frog.queueCommand(FS_KILL_BOX_DROWN);
    ASSERT_EQ(frog.getCommandQueue().size(), 1u);
    EXPECT_EQ(frog.getCommandQueue().front(), FS_KILL_BOX_DROWN);
}

TEST_F(FrogTest, BoardingTellsTheNewRideAndLeavingTheOld) {
    Trunk first;
    Trunk second;
    world.frog.attachTo(&first);
    EXPECT_TRUE(first.isFrogAboard());
    EXPECT_EQ(world.frog.getRide(), &first);
    world.frog.attachTo(&second);
    EXPECT_FALSE(first.isFrogAboard());
    EXPECT_TRUE(second.isFrogAboard());
    world.frog.attachTo(nullptr);
    EXPECT_FALSE(second.isFrogAboard());
    EXPECT_EQ(world.frog.getRide(), nullptr);
}

TEST_F(FrogTest, ItsPositionIsRoundedHalvesUp) {
    Frog frog;
    frog.setPosition(10.5f, -3.5f);
    frog.rememberRoundedPosition();
    EXPECT_EQ(frog.getRoundedPosition(), std::make_pair(11, -3));
}

TEST_F(FrogTest, TheTruckDeathsFaceTheWayTheTruckDrives) {
    Truck left(3);
    left.attach(world.Lane(track, ObjectLane::kRoad, 3, 100.0f, false), false);
    world.frog.setState(FS_KILL_GARBAGE);
    EXPECT_EQ(world.frog.spriteLabel(), "INVISIBLE_OBJECT");
    world.frog.attachTo(&left);
    EXPECT_EQ(world.frog.spriteLabel(), "FROG_KILL_TRUCK_LEFT");
    ObjectTrack rightTrack;
    Truck right(7);
    right.attach(world.Lane(rightTrack, ObjectLane::kRoad, 4, 100.0f, true), false);
    world.frog.attachTo(&right);
    world.frog.setState(FS_KILL_CEMENT_MIXER);
    EXPECT_EQ(world.frog.spriteLabel(), "FROG_KILL_TRUCK_RIGHT");
    world.frog.setState(FS_KILL_ELECTRIC);
    EXPECT_EQ(world.frog.spriteLabel(), "INVISIBLE_OBJECT");
    world.frog.setState(FS_MOVE_UP_TRUCK_UP);
    EXPECT_EQ(world.frog.spriteLabel(), "FROG_MOVE_UP_TRUCK_UP");
    world.frog.setState(FS_SHOW_DOWN_DONE);
    EXPECT_EQ(world.frog.spriteLabel(), "FROG_FINISH");
    world.frog.setState(29);
    EXPECT_EQ(world.frog.spriteLabel(), "INVISIBLE_OBJECT");
    EXPECT_EQ(world.LogCount("No sprite label available for frog state.\n"), 1);
}

TEST_F(FrogTest, AFrogThatEndsFirstLeavesNothingPointingAtIt) {
    Trunk trunk;
    Box box(12);
    {
        Frog frog;
        TrackObject::Lane lane = world.Lane(track, ObjectLane::kRiver, 8, 50.0f, true);
        lane.frog = &frog;
        trunk.attach(lane, false);
        box.attach(lane, false);
        frog.attachTo(&trunk);
        box.setState(Box::kStateCatching);
        frog.setKillerBox(&box);
    }
    EXPECT_FALSE(trunk.isFrogAboard());
    // Both end without reaching for the frog (the sanitizer would tell).
}

} // namespace
