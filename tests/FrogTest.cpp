#include "actors/Frog.h"

#include "FrogWorld.h"
#include "ObjectLane.h"
#include "world/Box.h"
#include "world/Truck.h"
#include "world/Trunk.h"

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

namespace {

class FrogStateTest : public ::testing::Test {
  protected:
    FrogStateTest()
        : w("frogDefaultOffsetX 3\nfrogmoveupOffsetX 2\nfrogDefaultOffsetY -1\n"
            "frogStartCellLat_0_6 2\nfrogStartCellLong_0_6 1\n"
            "frogStartCellLat_0_2 5\nfrogStartCellLong_0_2 0\n") {}

    FrogWorld w;
};

TEST_F(FrogStateTest, SettingTheSameStateAgainKeepsItsClockRunning) {
    w.frog.setState(FS_CATCH_INSECT);
    w.Step(0.2f);
    w.frog.setState(FS_CATCH_INSECT);
    EXPECT_FLOAT_EQ(w.frog.getStateTime(), 0.2f);
    w.frog.setState(FS_PIERCED);
    EXPECT_FLOAT_EQ(w.frog.getStateTime(), 0.0f);
}

TEST_F(FrogStateTest, EachStateIsDrawnWithTheDefaultOffsetPlusItsOwn) {
    w.frog.reset();
    w.Step(0.0f);
    EXPECT_EQ(w.frog.getOffsetX(), 3);
    EXPECT_EQ(w.frog.getOffsetY(), -1);
    w.frog.setState(FS_MOVE_UP);
    w.Step(0.0f);
    EXPECT_EQ(w.frog.getOffsetX(), 5);
    EXPECT_EQ(Frog::OffsetKey(FS_MOVE_UP, 'X'), "frogmoveupOffsetX");
    EXPECT_EQ(Frog::OffsetKey(FS_KILL_BOX_RED_BUTTON, 'Y'), "frogkillboxredbuttonOffsetY");
    EXPECT_EQ(Frog::OffsetKey(FS_KILL_GARBAGE, 'X'), "");
}

TEST_F(FrogStateTest, TheStartCellFollowsTheLevelCounter) {
    EXPECT_EQ(Frog::StartIndex(6), 6);
    EXPECT_EQ(Frog::StartIndex(7), 2);
    EXPECT_EQ(Frog::StartIndex(13), 1);
    EXPECT_EQ(Frog::StartIndex(40), 0);
    w.level.settings.level = 6;
    w.frog.reset();
    EXPECT_FLOAT_EQ(w.frog.getX(), 2 * 50 + 25);
    EXPECT_FLOAT_EQ(w.frog.getY(), 75 + 37);
    w.level.settings.level = 7;
    w.frog.reset();
    EXPECT_FLOAT_EQ(w.frog.getX(), 5 * 50 + 25);
    EXPECT_FLOAT_EQ(w.frog.getY(), 37);
}

TEST_F(FrogStateTest, AResetStartsALifeWithTheLevelsWholeTime) {
    w.level.settings.levelTime = 3.0f;
    w.frog.queueCommand(FS_MOVE_UP);
    w.frog.setState(FS_DROWN);
    w.Step(1.0f);
    ASSERT_TRUE(w.frog.isFinished());
    w.frog.reset();
    EXPECT_EQ(w.frog.getState(), FS_IDLE);
    EXPECT_FALSE(w.frog.isFinished());
    EXPECT_TRUE(w.frog.getCommandQueue().empty());
    EXPECT_FLOAT_EQ(w.level.settings.levelTime, 60.0f);
    EXPECT_EQ(w.frog.getWidth(), 40);
}

TEST_F(FrogStateTest, AHammerBoxHoldsTheFrogUntilItLetsGo) {
    Box box(ObjectType::kBoxHammer);
    w.frog.setKillerBox(&box);
    w.frog.processCommand(FS_KILL_BOX_HAMMER);
    EXPECT_EQ(w.gameState, GameState::FrogDying);
    w.Step(5.0f);
    EXPECT_FALSE(w.frog.isFinished());
    w.frog.setKillerBox(nullptr);
    w.Step(0.0f);
    EXPECT_TRUE(w.frog.isFinished());
}

TEST_F(FrogStateTest, TheEndOfEachAnimationLeadsOn) {
    w.frog.setState(FS_FINISH);
    w.Step(0.5f);
    EXPECT_EQ(w.frog.getState(), FS_IN_GOAL);
    w.frog.setState(FS_SHOW_DOWN_WAIT);
    w.Step(0.5f);
    EXPECT_EQ(w.frog.getState(), FS_SHOW_DOWN_DONE);
    w.frog.setState(FS_PIERCED);
    w.Step(0.49f);
    EXPECT_EQ(w.frog.getState(), FS_PIERCED);
    w.Step(0.01f);
    EXPECT_EQ(w.frog.getState(), FS_IDLE);
}

TEST_F(FrogStateTest, AKnockedOverFrogLiesWhereItWasHit) {
    w.frog.reset();
    w.frog.setState(FS_MOVE_RIGHT);
    w.Step(0.2f); // half of the move
    w.frog.freezeMoveOffset();
    w.frog.setState(FS_KNOCKED_OVER);
    w.Step(0.0f);
    EXPECT_EQ(w.frog.getOffsetX(), 3 + 20);
}

TEST_F(FrogStateTest, ABrokenStateOrCommandEndsTheGameWithALogLine) {
    w.frog.setState(40);
    w.Step(0.1f);
    w.frog.setState(FS_IDLE);
    w.frog.processCommand(99);
    EXPECT_EQ(w.LogCount("Invalid frog state detected.\n"), 1);
    EXPECT_EQ(w.LogCount("Invalid command detected.\n"), 1);
    EXPECT_EQ(TakeQuitCodes(w.screen.Window()), (std::vector<int>{-1, -1}));
}

} // namespace
