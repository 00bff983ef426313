#include "world/WaterLily.h"

#include "ObjectLane.h"

#include <gtest/gtest.h>

namespace {

class WaterLilyTest : public ::testing::Test {
  protected:
    WaterLilyTest() : world("hippoWaitBeforeDiveInterval 3\nwaterLilyObjectWidth 70\n") {
        ObjectLane::SetDuration("WATER_LILY_DIVING", 0.4f);
        lily.attach(world.Lane(track, ObjectLane::kRiver, 8, 50.0f, false), false);
    }

    ObjectLane world;
    ObjectTrack track;
    WaterLily lily;
};

TEST_F(WaterLilyTest, ItHoldsTheFrogOnOneSpotAndWaitsWhileNobodyRidesIt) {
    EXPECT_TRUE(lily.hasFixedSeat());
    EXPECT_EQ(lily.getWidth(), 70);
    lily.update(10.0f);
    EXPECT_EQ(lily.getState(), RiverObject::kStateSwimming);
    EXPECT_FLOAT_EQ(lily.getAboardTime(), 0.0f);
    EXPECT_EQ(lily.spriteLabel(), "WATER_LILY_SWIMMING");
}

TEST_F(WaterLilyTest, TheTimeAboardAddsUpOverTwoRides) {
    world.frog.attachTo(&lily);
    lily.update(1.5f);
    world.frog.attachTo(nullptr);
    lily.update(5.0f);
    EXPECT_FLOAT_EQ(lily.getAboardTime(), 1.5f);
    world.frog.attachTo(&lily);
    lily.update(1.0f);
    EXPECT_EQ(lily.getState(), RiverObject::kStateSwimming);
    lily.update(0.5f);
    EXPECT_EQ(lily.getState(), RiverObject::kStateDiving);
    EXPECT_EQ(lily.spriteLabel(), "WATER_LILY_DIVING");
    lily.update(0.5f);
    EXPECT_EQ(lily.getState(), RiverObject::kStateSubmerged);
    EXPECT_EQ(lily.spriteLabel(), "INVISIBLE_OBJECT");
    // Once down it counts no more.
    EXPECT_FLOAT_EQ(lily.getAboardTime(), 3.0f);
}

} // namespace
