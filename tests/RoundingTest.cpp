#include "core/Rounding.h"

#include <gtest/gtest.h>
#include <limits>

TEST(RoundingTest, HalvesGoUpOnBothSidesOfZero) {
    EXPECT_EQ(RoundToInt(0.5f), 1);
    EXPECT_EQ(RoundToInt(-0.5f), 0);
    EXPECT_EQ(RoundToInt(-1.5f), -1);
    EXPECT_EQ(RoundToInt(-1.51f), -2);
    EXPECT_EQ(RoundToInt(2.49f), 2);
}

TEST(RoundingTest, RunawayValuesLandOnDefinedAnswers) {
    EXPECT_EQ(RoundToInt(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(RoundToInt(1e20f), 2147483520);
    EXPECT_EQ(RoundToInt(-1e20f), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundToInt(std::numeric_limits<float>::infinity()), 2147483520);
}
