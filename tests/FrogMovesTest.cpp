#include "FrogWorld.h"
#include "actors/HazardCheck.h"
#include "core/Singleton.h"
#include "score/GameScore.h"
#include "score/ScreenMessage.h"
#include "world/BlockInfo.h"
#include "world/InvisibleBlockObject.h"
#include "world/Truck.h"

#include <gtest/gtest.h>

namespace {

class FrogMovesTest : public ::testing::Test {
  protected:
    // Puts the frog idle on the centre of `row` at x, riding nothing.
    void PlaceFrog(float x, int row) {
        w.frog.reset();
        w.frog.setPosition(x, static_cast<float>(FrogWorld::CentreY(row)));
    }

    // Puts the frog on the rear platform of the truck in `row`, riding it.
    TrackObject& BoardTruck(int row) {
        TrackObject& truck = w.ObjectInRow(row);
        truck.setPosition(400.0f, static_cast<float>(FrogWorld::CentreY(row)));
        PlaceFrog(truck.getX() + truck.getSeatOffsetX(), row);
        w.frog.attachTo(&truck);
        return truck;
    }

    // Runs frames of `dt` until the frog is idle again, at most a few seconds' worth.
    void FinishMove(float dt = 0.02f) {
        for (int i = 0; i < 300 && w.frog.getState() != FS_IDLE; ++i)
            w.Step(dt);
    }

    FrogWorld w;
};

TEST_F(FrogMovesTest, AHopUpLandsAWholeRowHigherWhenItsAnimationEnds) {
    PlaceFrog(400.0f, 0);
    w.frog.keyUp();
    w.Step(0.0f);
    ASSERT_EQ(w.frog.getState(), FS_MOVE_UP);
    // Half a second of animation is 0.4 s of play.
    w.Step(0.39f);
    EXPECT_EQ(w.frog.getState(), FS_MOVE_UP);
    EXPECT_FLOAT_EQ(w.frog.getY(), 37.0f) << "the position stays until the move ends";
    EXPECT_EQ(w.frog.displayPosition().second, 37 + 73);
    w.Step(0.02f);
    EXPECT_EQ(w.frog.getState(), FS_IDLE);
    EXPECT_FLOAT_EQ(w.frog.getY(), 112.0f);
}

TEST_F(FrogMovesTest, ASecondUpCountsOnlyOnceTheFirstMoveIsMoreThanFortyPercentDone) {
    PlaceFrog(400.0f, 0);
    w.frog.keyUp();
    w.Step(0.0f);
    w.Step(0.16f); // 0.2 s of the 0.5 s animation
    w.frog.keyUp();
    EXPECT_TRUE(w.frog.getCommandQueue().empty());
    w.Step(0.08f); // 0.3 s: more than 40 %
    w.frog.keyUp();
    ASSERT_EQ(w.frog.getCommandQueue().size(), 1u);
    FinishMove();
    w.Step(0.0f);
    EXPECT_EQ(w.frog.getState(), FS_MOVE_UP) << "the second hop follows right after the first";
    FinishMove();
    EXPECT_FLOAT_EQ(w.frog.getY(), 37.0f + 150.0f);
}

TEST_F(FrogMovesTest, ADirectionKeyReplacesAPendingDeath) {
    PlaceFrog(400.0f, 0);
    w.frog.queueCommand(FS_KILL_BOX_DROWN);
    w.frog.keyLeft();
    w.Step(0.0f);
    EXPECT_EQ(w.frog.getState(), FS_MOVE_LEFT);
    EXPECT_EQ(w.gameState, GameState::Playing);
}

TEST_F(FrogMovesTest, AMoveOffTheWorldOrIntoABlockerIsRefused) {
    PlaceFrog(400.0f, 0);
    w.frog.processCommand(FS_MOVE_DOWN);
    EXPECT_EQ(w.frog.getState(), FS_IDLE);
    InvisibleBlockObject stone;
    stone.init(440, 37, 40, 40);
    w.frog.processCommand(FS_MOVE_RIGHT);
    EXPECT_EQ(w.frog.getState(), FS_IDLE);
    w.frog.processCommand(FS_MOVE_LEFT);
    EXPECT_EQ(w.frog.getState(), FS_MOVE_LEFT);
}

TEST_F(FrogMovesTest, OnAFixedSeatTheFrogCannotStepSideways) {
    TrackObject& truck = BoardTruck(FrogWorld::kTruckRoadRow);
    ASSERT_TRUE(truck.hasFixedSeat());
    w.frog.processCommand(FS_MOVE_LEFT);
    w.frog.processCommand(FS_MOVE_RIGHT);
    EXPECT_EQ(w.frog.getState(), FS_IDLE);
    EXPECT_EQ(w.frog.getRide(), &truck);
}

TEST_F(FrogMovesTest, ATruckIsBoardedFromBelowOntoItsRearSeat) {
    TrackObject& truck = w.ObjectInRow(FrogWorld::kTruckRoadRow);
    truck.setPosition(400.0f, static_cast<float>(FrogWorld::CentreY(FrogWorld::kTruckRoadRow)));
    PlaceFrog(380.0f, FrogWorld::kTruckRoadRow - 1);
    w.frog.processCommand(FS_MOVE_UP);
    ASSERT_EQ(w.frog.getState(), FS_MOVE_UP_TRUCK_UP);
    EXPECT_EQ(w.frog.getLandingTarget(), &truck);
    FinishMove();
    EXPECT_EQ(w.frog.getRide(), &truck);
    EXPECT_TRUE(truck.isFrogAboard());
    // Steered onto the seat, which drifted along with the truck.
    EXPECT_NEAR(w.frog.getX(), truck.getX() + truck.getSeatOffsetX(), 1.0f);
    EXPECT_NEAR(w.frog.getY(), FrogWorld::CentreY(FrogWorld::kTruckRoadRow) + 10.0f, 0.01f);
}

TEST_F(FrogMovesTest, JumpingDownOntoAnotherTruckScoresOnceAndSaysSo) {
    Singleton<GameScore>::Instance().init(w.level);
    const int row = FrogWorld::kTruckRoadRow;
    BoardTruck(row);
    TrackObject& lower = w.ObjectInRow(row - 1);
    // The lower truck's rear platform lies under the frog.
    lower.setPosition(w.frog.getX() + 60.0f, static_cast<float>(FrogWorld::CentreY(row - 1)));
    w.frog.processCommand(FS_MOVE_DOWN);
    EXPECT_EQ(w.frog.getState(), FS_MOVE_DOWN);
    EXPECT_EQ(w.frog.spriteLabel(), "FROG_MOVE_DOWN");
    EXPECT_EQ(Singleton<GameScore>::Instance().getScore(), 250);
    EXPECT_TRUE(Singleton<ScreenMessage>::Instance().isActive());
    FinishMove();
    EXPECT_EQ(Singleton<GameScore>::Instance().getScore(), 250);
}

TEST_F(FrogMovesTest, ARocketJumpIntoTheRiverBecomesTheShortHop) {
    // The top road lane: 140 units up is the river's first lane.
    BoardTruck(5);
    w.frog.processCommand(FS_MOVE_UP);
    EXPECT_EQ(w.frog.getState(), FS_MOVE_UP_TRUCK_DOWN);
    EXPECT_EQ(w.frog.getRide(), nullptr) << "a jump leaves the truck at once";
    FinishMove();
    EXPECT_FLOAT_EQ(w.frog.getY(), FrogWorld::CentreY(5) + 65.0f);
}

TEST_F(FrogMovesTest, ARocketJumpOnDryLandGoesTheWholeWay) {
    BoardTruck(2);
    const float y = w.frog.getY();
    w.frog.processCommand(FS_MOVE_UP);
    ASSERT_EQ(w.frog.getState(), FS_ROCKET_JUMP);
    // Flying over the traffic of the lane between is safe.
    InvisibleBlockObject car;
    const auto [px, py] = w.frog.displayPosition();
    car.init(px, py, 40, 40);
    EXPECT_FALSE(HazardCheck::Run(w.frog, w.level, w.events));
    FinishMove();
    EXPECT_FLOAT_EQ(w.frog.getY(), y + 140.0f);
}

TEST_F(FrogMovesTest, ATruckThatKillsTheFrogPlaysItsOwnDeath) {
    TrackObject& truck = BoardTruck(FrogWorld::kTruckRoadRow);
    const int command = dynamic_cast<Truck&>(truck).killCommand();
    w.frog.queueCommand(command);
    w.Step(0.0f);
    EXPECT_EQ(w.frog.getState(), command);
    EXPECT_EQ(w.gameState, GameState::FrogDying);
    EXPECT_EQ(truck.getState(), RoadObject::kStateKilling);
    w.Step(10.0f);
    EXPECT_FALSE(w.frog.isFinished()) << "the truck's animation decides";
    truck.setState(RoadObject::kStateDriving);
    w.Step(0.0f);
    EXPECT_TRUE(w.frog.isFinished());
}

TEST_F(FrogMovesTest, TheClockRunningOutKnocksOverEvenARidingFrog) {
    BoardTruck(FrogWorld::kTruckRoadRow);
    w.level.settings.levelTime = -0.1f;
    EXPECT_TRUE(HazardCheck::Run(w.frog, w.level, w.events));
    EXPECT_EQ(w.frog.getState(), FS_KNOCKED_OVER);
    EXPECT_TRUE(Singleton<ScreenMessage>::Instance().isActive());
}

TEST_F(FrogMovesTest, TrafficKnocksOverAFrogOnFootAndTheWaterDrownsIt) {
    PlaceFrog(400.0f, FrogWorld::kCarRoadRow);
    EXPECT_FALSE(HazardCheck::Run(w.frog, w.level, w.events));
    InvisibleBlockObject car;
    car.init(400, FrogWorld::CentreY(FrogWorld::kCarRoadRow), 60, 60);
    EXPECT_TRUE(HazardCheck::Run(w.frog, w.level, w.events));
    EXPECT_EQ(w.frog.getState(), FS_KNOCKED_OVER);

    PlaceFrog(400.0f, 12);
    EXPECT_FALSE(HazardCheck::Run(w.frog, w.level, w.events))
        << "the grass between the river and the road";
    PlaceFrog(790.0f, FrogWorld::kRiverRow);
    w.frog.rememberRoundedPosition();
    ASSERT_EQ(w.level.objectAt(790, FrogWorld::CentreY(FrogWorld::kRiverRow)), nullptr);
    EXPECT_TRUE(HazardCheck::Run(w.frog, w.level, w.events));
    EXPECT_EQ(w.frog.getState(), FS_DROWN);
}

TEST_F(FrogMovesTest, AFrogRidingSomethingThatFloatsIsSafeOnTheWater) {
    TrackObject& trunk = w.ObjectInRow(FrogWorld::kRiverRow);
    PlaceFrog(trunk.getX(), FrogWorld::kRiverRow);
    w.frog.attachTo(&trunk);
    w.frog.rememberRoundedPosition();
    EXPECT_FALSE(HazardCheck::Run(w.frog, w.level, w.events));
    // It drifts with its ride.
    const float x = w.frog.getX();
    w.Step(1.0f);
    EXPECT_NEAR(w.frog.getX(), x + 10.0f, 0.01f);
}

TEST_F(FrogMovesTest, TheFrogNeverTouchesALandingTargetItsLaneHasDestroyed) {
    TrackObject& truck = w.ObjectInRow(FrogWorld::kTruckRoadRow);
    truck.setPosition(400.0f, static_cast<float>(FrogWorld::CentreY(FrogWorld::kTruckRoadRow)));
    PlaceFrog(380.0f, FrogWorld::kTruckRoadRow - 1);
    w.frog.processCommand(FS_MOVE_UP);
    ASSERT_EQ(w.frog.getLandingTarget(), &truck);
    w.Step(0.1f);
    // The level ends under the jumping frog; its steering must not reach for the truck.
    w.level.destroyAreas();
    EXPECT_EQ(w.frog.getLandingTarget(), nullptr);
    FinishMove();
    EXPECT_EQ(w.frog.getRide(), nullptr);
    EXPECT_FALSE(HazardCheck::Run(w.frog, w.level, w.events));
}

TEST_F(FrogMovesTest, TheCatchReachesInsectsStrictlyWithinItsDistance) {
    PlaceFrog(400.0f, 0);
    for (const auto& [dx, dy] : {std::pair{30, 40}, std::pair{30, 39}, std::pair{-49, 0}}) {
        w.insects.all().push_back(std::make_unique<Insect>(2));
        w.insects.all().back()->setPosition(400.0f + dx, 37.0f + dy);
    }
    w.frog.keySpace();
    w.Step(0.0f);
    EXPECT_EQ(w.frog.getState(), FS_CATCH_INSECT);
    EXPECT_FALSE(w.insects.all()[0]->isCaught()) << "exactly at the distance";
    EXPECT_TRUE(w.insects.all()[1]->isCaught());
    EXPECT_TRUE(w.insects.all()[2]->isCaught());
}

TEST_F(FrogMovesTest, AnInsectCaughtTwiceIsEatenOnce) {
    Singleton<GameScore>::Instance().init(w.level);
    PlaceFrog(400.0f, 0);
    w.insects.all().push_back(std::make_unique<Insect>(3));
    w.insects.all().back()->setPosition(400.0f, 50.0f);
    w.frog.catchInsects();
    const int score = Singleton<GameScore>::Instance().getScore();
    w.frog.catchInsects();
    EXPECT_EQ(Singleton<GameScore>::Instance().getScore(), score);
    // The attacking kinds are not eaten; they turn on the frog.
    w.insects.all().push_back(std::make_unique<Insect>(Insect::kTaxiBug));
    w.insects.all().back()->setPosition(400.0f, 50.0f);
    w.frog.catchInsects();
    EXPECT_FALSE(w.insects.all().back()->isCaught());
    EXPECT_EQ(w.insects.all().back()->getState(), Insect::kStateApproach);
}

TEST_F(FrogMovesTest, TheLaneUnderADyingFrogStandsStill) {
    TrackObject& truck = BoardTruck(FrogWorld::kTruckRoadRow);
    TrackObject& other = w.ObjectInRow(FrogWorld::kCarRoadRow);
    const float truckX = truck.getX();
    const float otherX = other.getX();
    w.level.update(1.0f, false);
    EXPECT_FLOAT_EQ(truck.getX(), truckX);
    EXPECT_NEAR(other.getX(), otherX + 10.0f, 0.01f);
}

} // namespace
