#include "world/GameObject.h"

#include <gtest/gtest.h>

namespace {

TEST(GameObjectTest, TheStateClockRestartsOnlyWhenTheStateChanges) {
    GameObject object("Area");
    EXPECT_EQ(object.getName(), "Area");
    object.update(0.5f);
    object.update(0.25f);
    EXPECT_FLOAT_EQ(object.getStateTime(), 0.75f);
    object.setState(0);
    EXPECT_FLOAT_EQ(object.getStateTime(), 0.75f);
    object.setState(3);
    EXPECT_EQ(object.getState(), 3);
    EXPECT_FLOAT_EQ(object.getStateTime(), 0.0f);
    object.update(0.1f);
    object.setState(3);
    EXPECT_FLOAT_EQ(object.getStateTime(), 0.1f);
    object.resetStateTime();
    EXPECT_FLOAT_EQ(object.getStateTime(), 0.0f);
    EXPECT_EQ(object.getState(), 3);
}

} // namespace
