#include "Forecast.h"

#include "FrogWorld.h"
#include "world/ObjectTrack.h"

#include <gtest/gtest.h>

namespace {

const ObjectTrack& LaneOf(const FrogWorld& w, int row) {
    return *Forecast::LanesByRow(w.level)[static_cast<std::size_t>(row)];
}

TEST(ForecastTest, LanesAreFoundByTheirRowsAndTheGrassHasNone) {
    FrogWorld w;
    const std::vector<const ObjectTrack*> lanes = Forecast::LanesByRow(w.level);
    ASSERT_GT(lanes.size(), static_cast<std::size_t>(FrogWorld::kCarRoadRow));
    EXPECT_EQ(lanes[0], nullptr);
    EXPECT_EQ(lanes[6], nullptr);
    EXPECT_EQ(lanes[FrogWorld::kRiverRow]->getRow(), FrogWorld::kRiverRow);
    EXPECT_TRUE(Forecast::IsWater(w.level, 400, FrogWorld::CentreY(FrogWorld::kRiverRow)));
    EXPECT_FALSE(Forecast::IsWater(w.level, 400, FrogWorld::CentreY(6)));
}

TEST(ForecastTest, ATrunkCarriesForGoodAndATruckUntilItsDriverActs) {
    FrogWorld w;
    const TrackObject* trunk = nullptr;
    for (int row = FrogWorld::kRiverRow - 2; row <= FrogWorld::kRiverRow + 2; ++row)
        for (const auto& object : LaneOf(w, row).getObjects())
            if (object->getObjectType() == ObjectType::kTrunk)
                trunk = object.get();
    ASSERT_NE(trunk, nullptr);
    EXPECT_EQ(Forecast::SecondsAboardAfterBoarding(*trunk), Forecast::kForever);
    EXPECT_EQ(Forecast::SecondsAboardLeft(*trunk), Forecast::kForever);
    // The world's drivers put up with a frog for 100 seconds.
    const TrackObject& truck = w.ObjectInRow(FrogWorld::kTruckRoadRow);
    ASSERT_TRUE(ObjectType::IsTruck(truck.getObjectType()));
    EXPECT_LT(Forecast::SecondsAboardAfterBoarding(truck), 100.0f);
    EXPECT_GT(Forecast::SecondsAboardAfterBoarding(truck), 99.5f);
}

} // namespace
