#include "world/Piranha.h"

#include "ObjectLane.h"

#include <gtest/gtest.h>

namespace {

class PiranhaTest : public ::testing::Test {
  protected:
    PiranhaTest() : world("piranhaOffsetX 3\npiranhaOffsetY -2\n") {}

    ObjectLane world;
    ObjectTrack track;
    Piranha piranha;
};

TEST_F(PiranhaTest, ItStartsAtTheDownstreamEdgeWithItsFixedSize) {
    piranha.attach(world.Lane(track, ObjectLane::kRiver, 8, 60.0f, true), false);
    EXPECT_FLOAT_EQ(piranha.getX(), 800.0f);
    EXPECT_FLOAT_EQ(piranha.getY(), static_cast<float>(track.getCentreY()));
    EXPECT_EQ(piranha.getState(), Piranha::kStateSwimming);
    EXPECT_EQ(piranha.getName(), "Piranha");
    EXPECT_EQ(piranha.getWidth(), 32);
    EXPECT_EQ(piranha.getHeight(), 32);
    EXPECT_EQ(piranha.getOffsetX(), 3);
    EXPECT_EQ(piranha.getOffsetY(), -2);
    EXPECT_EQ(piranha.spriteLabel(), "PIRANHA_SWIMMING");

    ObjectTrack left;
    piranha.attach(world.Lane(left, ObjectLane::kRiver, 9, 60.0f, false), false);
    EXPECT_FLOAT_EQ(piranha.getX(), 0.0f);
}

TEST_F(PiranhaTest, AfterItsBiteItLeapsOutOfTheWorld) {
    piranha.attach(world.Lane(track, ObjectLane::kRiver, 8, 60.0f, false), false);
    piranha.update(0.1f);
    EXPECT_FLOAT_EQ(piranha.getX(), 0.0f);
    piranha.setState(Piranha::kStateBitten);
    piranha.update(0.1f);
    EXPECT_FLOAT_EQ(piranha.getX(), 1200.0f);
    EXPECT_EQ(piranha.spriteLabel(), "INVISIBLE_OBJECT");
}

TEST_F(PiranhaTest, AnUnknownStateIsLoggedWithoutANewline) {
    piranha.setState(5);
    EXPECT_EQ(piranha.spriteLabel(), "INVISIBLE_OBJECT");
    EXPECT_EQ(world.LogCount("Invalid piranha state detected"), 1);
}

} // namespace
