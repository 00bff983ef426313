#include "world/Hippo.h"

#include "ObjectLane.h"

#include <gtest/gtest.h>

namespace {

class HippoTest : public ::testing::Test {
  protected:
    HippoTest() : world("hippoWaitBeforeDiveInterval 2\nhippoObjectWidth 150\nhippoOffsetY 5\n") {
        ObjectLane::SetDuration("HIPPO_DIVING", 0.5f);
        hippo.attach(world.Lane(track, ObjectLane::kRiver, 8, 50.0f, true), false);
    }

    ObjectLane world;
    ObjectTrack track;
    Hippo hippo;
};

TEST_F(HippoTest, ItSwimsWithItsLooksUntilBoarded) {
    EXPECT_EQ(hippo.getState(), RiverObject::kStateSwimming);
    EXPECT_EQ(hippo.getWidth(), 150);
    EXPECT_EQ(hippo.getOffsetY(), 5);
    EXPECT_FALSE(hippo.hasFixedSeat());
    hippo.update(10.0f);
    EXPECT_EQ(hippo.getState(), RiverObject::kStateSwimming);
    EXPECT_EQ(hippo.spriteLabel(), "HIPPO_SWIMMING");
}

TEST_F(HippoTest, ItDivesAfterItsWaitEvenWhenTheFrogHasLeft) {
    world.frog.attachTo(&hippo);
    EXPECT_EQ(hippo.getState(), Hippo::kStateAngry);
    EXPECT_EQ(hippo.spriteLabel(), "HIPPO_SWIMMING");
    hippo.update(0.5f);
    world.frog.attachTo(nullptr);
    EXPECT_FALSE(hippo.isFrogAboard());
    hippo.update(1.0f);
    EXPECT_EQ(hippo.getState(), Hippo::kStateAngry);
    hippo.update(0.5f);
    EXPECT_EQ(hippo.getState(), RiverObject::kStateDiving);
    EXPECT_EQ(hippo.spriteLabel(), "HIPPO_DIVING");
    hippo.update(0.25f);
    hippo.update(0.2f);
    EXPECT_EQ(hippo.getState(), RiverObject::kStateDiving);
    hippo.update(0.05f);
    EXPECT_EQ(hippo.getState(), RiverObject::kStateSubmerged);
    EXPECT_EQ(hippo.spriteLabel(), "INVISIBLE_OBJECT");
}

TEST_F(HippoTest, BoardingAgainWhileAngryRestartsTheWait) {
    world.frog.attachTo(&hippo);
    hippo.update(1.5f);
    world.frog.attachTo(nullptr);
    world.frog.attachTo(&hippo);
    EXPECT_FLOAT_EQ(hippo.getAngryTime(), 0.0f);
    hippo.update(1.5f);
    EXPECT_EQ(hippo.getState(), Hippo::kStateAngry);
}

TEST_F(HippoTest, AFrogLandingOnASubmergedHippoDoesNotBringItUp) {
    world.frog.attachTo(&hippo);
    hippo.update(2.0f);
    hippo.update(1.0f);
    ASSERT_EQ(hippo.getState(), RiverObject::kStateSubmerged);
    world.frog.attachTo(nullptr);
    world.frog.attachTo(&hippo);
    EXPECT_EQ(hippo.getState(), RiverObject::kStateSubmerged);
    EXPECT_TRUE(hippo.isFrogAboard());
    EXPECT_EQ(world.frog.getRide(), &hippo);
}

TEST_F(HippoTest, AnUnknownStateIsLoggedAndInvisible) {
    hippo.setState(9);
    EXPECT_EQ(hippo.spriteLabel(), "INVISIBLE_OBJECT");
    EXPECT_EQ(world.LogCount("Invalid state for Hippo detected.\n"), 1);
}

} // namespace
