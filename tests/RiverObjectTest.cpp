#include "world/RiverObject.h"

#include "ObjectLane.h"
#include "world/Barrel.h"
#include "world/Trunk.h"

#include <gtest/gtest.h>

namespace {

class RiverObjectTest : public ::testing::Test {
  protected:
    RiverObjectTest()
        : world("trunkObjectWidth 220\ntrunkObjectHeight 60\ntrunkOffsetX 2\n"
                "barrelObjectWidth 60\nbarrelOffsetY -3\n") {}

    TrackObject::Lane Lane() { return world.Lane(track, ObjectLane::kRiver, 8, 50.0f, false); }

    ObjectLane world;
    ObjectTrack track;
};

TEST_F(RiverObjectTest, TrunksAndBarrelsSwimAndNeverDive) {
    Trunk trunk;
    Barrel barrel;
    EXPECT_EQ(trunk.getState(), 0);
    trunk.attach(Lane(), false);
    barrel.attach(Lane(), false);
    EXPECT_EQ(trunk.getName(), "Trunk");
    EXPECT_EQ(barrel.getName(), "Barrel");
    EXPECT_EQ(trunk.getWidth(), 220);
    EXPECT_EQ(trunk.getOffsetX(), 2);
    EXPECT_EQ(barrel.getWidth(), 60);
    EXPECT_EQ(barrel.getOffsetY(), -3);
    EXPECT_FALSE(trunk.hasFixedSeat());
    EXPECT_TRUE(barrel.hasFixedSeat());
    world.frog.attachTo(&trunk);
    trunk.update(100.0f);
    barrel.update(100.0f);
    EXPECT_EQ(trunk.getState(), RiverObject::kStateSwimming);
    EXPECT_EQ(barrel.getState(), RiverObject::kStateSwimming);
    EXPECT_EQ(trunk.spriteLabel(), "TRUNK_SWIMMING");
    EXPECT_EQ(barrel.spriteLabel(), "BARREL_SWIMMING");
    EXPECT_FLOAT_EQ(trunk.getSpeed(), -50.0f);
}

TEST_F(RiverObjectTest, AStateWithoutASpriteIsLoggedAndInvisible) {
    Trunk trunk;
    Barrel barrel;
    trunk.attach(Lane(), false);
    barrel.attach(Lane(), false);
    trunk.setState(3);
    barrel.setState(5);
    EXPECT_EQ(trunk.spriteLabel(), "INVISIBLE_OBJECT");
    EXPECT_EQ(barrel.spriteLabel(), "INVISIBLE_OBJECT");
    EXPECT_EQ(world.LogCount("Invalid state for Trunk detected.\n"), 1);
    EXPECT_EQ(world.LogCount("Invalid state for Barrel detected.\n"), 1);
}

} // namespace
