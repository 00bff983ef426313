#include "actors/InsectFactory.h"

#include "InsectWorld.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

InsectFactory& Factory() {
    return Singleton<InsectFactory>::Instance();
}

// Runs `frames` game steps of `dt` and returns the insect count after each.
std::vector<std::size_t> CountsWhileStepping(InsectWorld& world, int frames, float dt) {
    std::vector<std::size_t> counts;
    for (int i = 0; i < frames; ++i) {
        Factory().stepInsects(dt, world.insects(), world.World());
        counts.push_back(world.insects().size());
    }
    return counts;
}

TEST(InsectFactoryTest, BelowTheMinimumOneInsectComesPerIntervalWhateverTheChance) {
    InsectWorld world("minNumInsects 3\n");
    Factory().setUpInsects(world.insects(), world.World());
    ASSERT_TRUE(world.insects().empty());
    EXPECT_EQ(CountsWhileStepping(world, 10, 0.5f),
              (std::vector<std::size_t>{0, 1, 1, 2, 2, 3, 3, 3, 3, 3}));
}

TEST(InsectFactoryTest, AboveTheMinimumTheChanceLetsInsectsInUpToTheMaximum) {
    InsectWorld world("maxNumInsects 2\ninsectSpawnChancePerCent 100\n");
    Factory().setUpInsects(world.insects(), world.World());
    EXPECT_EQ(CountsWhileStepping(world, 4, 1.0f), (std::vector<std::size_t>{1, 2, 2, 2}));
}

TEST(InsectFactoryTest, InsectsEnterAtTheCentreOfAnEdgeCellFlyingInward) {
    InsectWorld world("numInitialInsects 300\n");
    Factory().setUpInsects(world.insects(), world.World());
    ASSERT_EQ(world.insects().size(), 300u);
    std::map<int, int> bySide;
    std::set<int> rows;
    std::set<int> types;
    for (const auto& insect : world.insects()) {
        // 16 columns of 50 units, rows of 75.
        if (insect->getState() == Insect::kStateFlyRight)
            EXPECT_FLOAT_EQ(insect->getX(), 25.0f);
        else if (insect->getState() == Insect::kStateFlyLeft)
            EXPECT_FLOAT_EQ(insect->getX(), 775.0f);
        else
            ADD_FAILURE() << "state " << insect->getState();
        ++bySide[insect->getState()];
        const int y = static_cast<int>(insect->getY());
        EXPECT_EQ(y % 75, 37);
        rows.insert(y / 75);
        types.insert(insect->getType());
        EXPECT_FLOAT_EQ(insect->getSpeed(), 100.0f);
    }
    EXPECT_GT(bySide[Insect::kStateFlyRight], 100);
    EXPECT_GT(bySide[Insect::kStateFlyLeft], 100);
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(world.level().grid.longCells()));
    EXPECT_EQ(*rows.rbegin(), world.level().grid.longCells() - 1);
    EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(InsectFactoryTest, TheTypeIsDrawnByTheRelativeFrequencies) {
    InsectWorld world("relFrequencyBigBug 0\nrelFrequencyBusinessBug 1\nrelFrequencyButterfly 0\n"
                      "relFrequencyNewsBug 3\nrelFrequencyTaxiBug 0\nrelFrequencyToolBug 0\n"
                      "relFrequencyVoyagerBug 0\n");
    std::map<int, int> counts;
    for (int i = 0; i < 4000; ++i) {
        const std::optional<int> type = Factory().chooseInsectType();
        ASSERT_TRUE(type.has_value());
        ++counts[*type];
    }
    EXPECT_EQ(counts.size(), 2u);
    EXPECT_NEAR(counts[Insect::kNewsBug] / 4000.0, 0.75, 0.04);
    EXPECT_NEAR(counts[Insect::kBusinessBug] / 4000.0, 0.25, 0.04);
}

TEST(InsectFactoryTest, FrequenciesAddingUpToNothingMakeAQuietLevelWithoutInsects) {
    InsectWorld world("relFrequencyBigBug 0\nrelFrequencyBusinessBug 0\nrelFrequencyButterfly 0\n"
                      "relFrequencyNewsBug 0\nrelFrequencyTaxiBug 0\nrelFrequencyToolBug 0\n"
                      "relFrequencyVoyagerBug 0\nnumInitialInsects 5\nminNumInsects 3\n");
    EXPECT_FALSE(Factory().chooseInsectType().has_value());
    // The level's own set-up has set up its insects.
    EXPECT_EQ(CountsWhileStepping(world, 3, 1.0f), (std::vector<std::size_t>{0, 0, 0}));
    EXPECT_EQ(world.LogCount("Failed to compute insect type.\n"), 1);
    EXPECT_TRUE(world.Quits().empty());
    // The next level says it once more.
    Factory().setUpInsects(world.insects(), world.World());
    EXPECT_EQ(world.LogCount("Failed to compute insect type.\n"), 2);
}

TEST(InsectFactoryTest, CountsOutOfRangeAreBoundedWithALogLine) {
    InsectWorld world("numInitialInsects 2000000000\nminNumInsects -4\nmaxNumInsects -1\n");
    EXPECT_EQ(world.insects().size(), static_cast<std::size_t>(InsectFactory::kMaxInsects));
    EXPECT_EQ(
        world.LogCount(
            "SettingsManager: numInitialInsects 2000000000 is outside [0, 1000], using 1000\n"),
        1);
    EXPECT_EQ(world.LogCount("SettingsManager: minNumInsects -4 is outside [0, 1000], using 0\n"),
              1);
    EXPECT_EQ(world.LogCount("SettingsManager: maxNumInsects -1 is outside [0, 1000], using 0\n"),
              1);
}

TEST(InsectFactoryTest, ASpawnIntervalThatIsNotPositiveBecomesOneSecond) {
    InsectWorld world("insectSpawnInterval 0\nminNumInsects 5\n");
    EXPECT_EQ(CountsWhileStepping(world, 4, 0.5f), (std::vector<std::size_t>{0, 1, 1, 2}));
    EXPECT_EQ(world.LogCount("InsectFactory: insectSpawnInterval 0 is not positive, using 1\n"), 1);
}

TEST(InsectFactoryTest, SettingUpALevelReplacesTheInsectsOfTheLastOne) {
    InsectWorld world("numInitialInsects 4\nminNumInsects 5\n");
    for (int i = 0; i < 3; ++i)
        world.insects().push_back(
            world.Make(Insect::kButterfly, 400.0f, 300.0f, Insect::kStateFlyUp));
    // Half a second is on the spawn clock of the last level.
    Factory().stepInsects(0.5f, world.insects(), world.World());
    Factory().setUpInsects(world.insects(), world.World());
    ASSERT_EQ(world.insects().size(), 4u);
    for (const auto& insect : world.insects())
        EXPECT_NE(insect->getState(), Insect::kStateFlyUp);
    EXPECT_EQ(CountsWhileStepping(world, 2, 0.5f), (std::vector<std::size_t>{4, 5}))
        << "the spawn clock starts again with the level";
}

TEST(InsectFactoryTest, AStepRemovesWhatLeftTheWorldOrWasEatenUpInTheSameFrame) {
    InsectWorld world;
    InsectList& insects = world.insects();
    insects.push_back(world.Make(Insect::kButterfly, 10.0f, 300.0f, Insect::kStateFlyLeft));
    insects.push_back(world.Make(Insect::kNewsBug, 400.0f, 300.0f, Insect::kStateFlyRight));
    insects.push_back(world.Make(Insect::kBusinessBug, 500.0f, 300.0f, Insect::kStateFlyRight));
    insects.push_back(world.Make(Insect::kToolBug, 600.0f, 5.0f, Insect::kStateFlyDown));
    Insect* flying = insects[1].get();
    Insect* eaten = insects[2].get();
    eaten->caught();
    Factory().stepInsects(0.2f, insects, world.World());
    ASSERT_EQ(insects.size(), 2u);
    EXPECT_EQ(insects[0].get(), flying);
    EXPECT_EQ(insects[1].get(), eaten) << "still shrinking";
    EXPECT_FLOAT_EQ(flying->getX(), 420.0f);
    Factory().stepInsects(0.4f, insects, world.World());
    ASSERT_EQ(insects.size(), 1u);
    EXPECT_EQ(insects[0].get(), flying);
}

TEST(InsectFactoryTest, ALevelWithoutRowsGetsNoInsects) {
    InsectWorld world("numInitialInsects 3\n");
    Level empty;
    InsectList insects;
    Factory().setUpInsects(insects, {&world.frog(), &empty});
    EXPECT_TRUE(insects.empty());
    EXPECT_EQ(world.LogCount("InsectFactory: the level has no rows for insects\n"), 1);
    EXPECT_TRUE(world.Quits().empty());
}

} // namespace
