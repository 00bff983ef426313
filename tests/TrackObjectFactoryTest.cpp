#include "world/TrackObjectFactory.h"

#include "WorldConfig.h"
#include "world/ObjectType.h"
#include "world/Randomizer.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// Three areas, two frogs to bring home.
constexpr const char* kTables =
    "numAreas 3\nnumFrogsToGoal 2\n"
    "relFrequTruckPerCent_A00_F00 50.9\nrelFrequTruckPerCent_A00_F01 50\n"
    "relFrequTruckPerCent_A01_F00 100\nrelFrequTruckPerCent_A01_F01 100\n"
    "relFrequTruckPerCent_A02_F00 100\nrelFrequTruckPerCent_A02_F01 0\n"
    "relFrequBoxPerCent_A00_F00 0\nrelFrequBoxPerCent_A00_F01 0\n"
    "relFrequBoxPerCent_A01_F00 100\nrelFrequBoxPerCent_A01_F01 100\n"
    "relFrequBoxPerCent_A02_F00 30\nrelFrequBoxPerCent_A02_F01 30\n";

constexpr int kDraws = 4000;

class TrackObjectFactoryTest : public ::testing::Test {
  protected:
    void Load(const std::string& lines) {
        LoadWorldConfig(folder, lines);
        loaded = factory.load();
        Singleton<Randomizer>::Instance().seed(20261208);
    }

    // How often each object type comes out of kDraws draws.
    std::map<int, int> RoadMix(int area, int frogsHome) {
        std::map<int, int> mix;
        for (int i = 0; i < kDraws; ++i)
            ++mix[factory.createRoadObject(area, frogsHome)->getObjectType()];
        return mix;
    }
    std::map<int, int> RiverMix(int area, int track, int frogsHome) {
        std::map<int, int> mix;
        for (int i = 0; i < kDraws; ++i)
            ++mix[factory.createRiverObject(area, track, frogsHome)->getObjectType()];
        return mix;
    }
    static int CountIf(const std::map<int, int>& mix, bool (*kind)(int)) {
        int count = 0;
        for (const auto& [type, n] : mix)
            count += kind(type) ? n : 0;
        return count;
    }
    static std::set<int> Types(const std::map<int, int>& mix) {
        std::set<int> types;
        for (const auto& entry : mix)
            types.insert(entry.first);
        return types;
    }
    bool Logged(const std::string& line) const {
        return folder.Read("debug.txt").find(line) != std::string::npos;
    }

    ScratchFolder folder;
    TrackObjectFactory& factory = Singleton<TrackObjectFactory>::Instance();
    bool loaded = false;
};

TEST_F(TrackObjectFactoryTest, PercentagesAreReadPerAreaAndFrogAndTruncated) {
    Load(kTables);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(factory.truckPercent(0, 0), 50);
    EXPECT_EQ(factory.truckPercent(2, 1), 0);
    EXPECT_EQ(factory.boxPercent(2, 0), 30);
}

TEST_F(TrackObjectFactoryTest, AreaZeroMixesCarsAndOnlyGarbageTrucks) {
    Load(kTables);
    const std::map<int, int> mix = RoadMix(0, 0);
    EXPECT_EQ(Types(mix), (std::set<int>{0, 1, 2, 3}));
    EXPECT_NEAR(mix.at(3), kDraws / 2, kDraws / 20);
    EXPECT_EQ(CountIf(mix, ObjectType::IsTruck) + mix.at(0) + mix.at(1) + mix.at(2), kDraws);
}

TEST_F(TrackObjectFactoryTest, AreaOneHasTheFirstThreeTruckKindsAndLaterAreasAllFive) {
    Load(kTables);
    EXPECT_EQ(Types(RoadMix(1, 0)), (std::set<int>{3, 4, 5}));
    EXPECT_EQ(Types(RoadMix(2, 0)), (std::set<int>{3, 4, 5, 6, 7}));
}

TEST_F(TrackObjectFactoryTest, NoTrucksAtZeroPercent) {
    Load(kTables);
    EXPECT_EQ(Types(RoadMix(2, 1)), (std::set<int>{0, 1, 2}));
}

TEST_F(TrackObjectFactoryTest, WithEveryFrogHomeTheLastFrogsMixStays) {
    Load(kTables);
    EXPECT_EQ(CountIf(RoadMix(2, 2), ObjectType::IsTruck), 0);
    EXPECT_EQ(CountIf(RoadMix(1, 2), ObjectType::IsTruck), kDraws);
    EXPECT_FALSE(Logged("no percentages"));
}

TEST_F(TrackObjectFactoryTest, AnAreaWithoutPercentagesGetsNoTrucksOrBoxesAndIsReported) {
    Load(kTables);
    EXPECT_EQ(CountIf(RoadMix(3, 0), ObjectType::IsTruck), 0);
    EXPECT_EQ(CountIf(RiverMix(-1, 2, 0), ObjectType::IsBox), 0);
    EXPECT_TRUE(Logged("TrackObjectFactory has no percentages for area 3\n"));
    EXPECT_TRUE(Logged("TrackObjectFactory has no percentages for area -1\n"));
}

TEST_F(TrackObjectFactoryTest, TheFirstRiverLaneNeverGetsABox) {
    Load(kTables);
    const std::map<int, int> first = RiverMix(1, 0, 0);
    EXPECT_EQ(CountIf(first, ObjectType::IsBox), 0);
    EXPECT_EQ(Types(first), (std::set<int>{8, 9, 10, 11}));
    EXPECT_EQ(Types(RiverMix(1, 1, 0)), (std::set<int>{12, 13, 14}));
    EXPECT_NEAR(CountIf(RiverMix(2, 4, 1), ObjectType::IsBox), kDraws * 3 / 10, kDraws / 25);
}

TEST_F(TrackObjectFactoryTest, TrunksComeMoreOftenThanTheOtherRiverObjects) {
    Load(kTables);
    const std::map<int, int> mix = RiverMix(0, 3, 0);
    // 0.05 + 0.95 x 0.25 trunks, 0.95 x 0.25 of each other kind.
    EXPECT_NEAR(mix.at(8), kDraws * 0.2875, kDraws * 0.025);
    for (int type : {9, 10, 11})
        EXPECT_NEAR(mix.at(type), kDraws * 0.2375, kDraws * 0.025);
}

TEST_F(TrackObjectFactoryTest, TheSameSeedGivesTheSameObjects) {
    Load(kTables);
    const std::map<int, int> first = RiverMix(2, 1, 0);
    Singleton<Randomizer>::Instance().seed(20261208);
    EXPECT_EQ(RiverMix(2, 1, 0), first);
}

TEST_F(TrackObjectFactoryTest, ThousandsOfAreasAreCappedAndReported) {
    Load("numAreas 5000\nnumFrogsToGoal 2\n");
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(Logged("SettingsManager: numAreas 5000 is outside [1, 100], using 100\n"));
    EXPECT_EQ(factory.truckPercent(99, 0), 0);
    EXPECT_EQ(CountIf(RoadMix(150, 0), ObjectType::IsTruck), 0);
}

TEST_F(TrackObjectFactoryTest, NoFrogsToGoalLeavesEmptyTablesThatAreNeverRead) {
    Load("numAreas 3\n");
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(Logged("TrackObjectFactory::load has no areas or frogs to fill its tables\n"));
    EXPECT_EQ(CountIf(RoadMix(0, 0), ObjectType::IsTruck), 0);
    EXPECT_EQ(CountIf(RiverMix(0, 1, 0), ObjectType::IsBox), 0);
}

TEST_F(TrackObjectFactoryTest, NegativeCountsAreReportedAndReadAsOne) {
    Load("numAreas -3\nnumFrogsToGoal -1\n");
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(Logged("SettingsManager: numAreas -3 is outside [1, 100], using 1\n"));
    EXPECT_EQ(CountIf(RoadMix(0, 0), ObjectType::IsTruck), 0);
}

} // namespace
