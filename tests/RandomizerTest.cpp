#include "world/Randomizer.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace {

Randomizer& Generator() {
    return Singleton<Randomizer>::Instance();
}

TEST(RandomizerTest, SeedZeroStartsWith38Then7719) {
    Generator().seed(0);
    EXPECT_EQ(Generator().next(), 38);
    EXPECT_EQ(Generator().next(), 7719);
}

TEST(RandomizerTest, TheSameSeedReplaysTheSameDrawsAndEveryDrawIsFifteenBits) {
    Generator().seed(4242);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i)
        first.push_back(Generator().next());
    Generator().seed(4242);
    for (int value : first) {
        EXPECT_EQ(Generator().next(), value);
        EXPECT_GE(value, 0);
        EXPECT_LE(value, 32767);
    }
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 900u);
}

TEST(RandomizerTest, RangeGivesEveryValueFromAToBAndNothingElse) {
    Generator().seed(1);
    std::set<int> seen;
    for (int i = 0; i < 600; ++i)
        seen.insert(Generator().range(-2, 3));
    EXPECT_EQ(seen, (std::set<int>{-2, -1, 0, 1, 2, 3}));
}

TEST(RandomizerTest, AnEmptyOrHugeRangeNeitherDividesByZeroNorOverflows) {
    EXPECT_EQ(Generator().range(5, 5), 5);
    EXPECT_EQ(Generator().range(9, 3), 9);
    for (int i = 0; i < 100; ++i) {
        const int value = Generator().range(INT_MIN, INT_MAX);
        EXPECT_GE(value, INT_MIN);
        EXPECT_LE(value, INT_MIN + 32767);
    }
}

} // namespace
