#include "actors/Insect.h"

#include "InsectWorld.h"
#include "core/Rounding.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

// The frog's start cell in its small level.
constexpr float kFrogX = 425.0f;
constexpr float kFrogY = 37.0f;

bool IsFlight(int state) {
    return state >= Insect::kStateFlyLeft && state <= Insect::kStateFlyDown;
}

TEST(InsectTest, EachFlightMovesAlongItsAxisAtTheInsectsSpeedAndTracksItsCell) {
    InsectWorld world;
    // Cells are 50 wide and 75 high, 16 to a row.
    for (const auto& [state, x, y, cell] :
         {std::tuple{Insect::kStateFlyLeft, 185.0f, 290.0f, 3 * 16 + 3},
          std::tuple{Insect::kStateFlyRight, 235.0f, 290.0f, 3 * 16 + 4},
          std::tuple{Insect::kStateFlyUp, 210.0f, 315.0f, 4 * 16 + 4},
          std::tuple{Insect::kStateFlyDown, 210.0f, 265.0f, 3 * 16 + 4}}) {
        auto insect = world.Make(Insect::kButterfly, 210.0f, 290.0f, state);
        ASSERT_FLOAT_EQ(insect->getSpeed(), 100.0f);
        insect->update(0.25f);
        EXPECT_FLOAT_EQ(insect->getX(), x) << "state " << state;
        EXPECT_FLOAT_EQ(insect->getY(), y) << "state " << state;
        EXPECT_EQ(insect->getCellIndex(), cell) << "state " << state;
        EXPECT_EQ(insect->getState(), state);
    }
}

TEST(InsectTest, TheSpeedIsDrawnBetweenTheConfiguredLimits) {
    InsectWorld world("InsectMoveMinSpeed 50\nInsectMoveMaxSpeed 150\n");
    float slowest = 1000.0f;
    float fastest = 0.0f;
    for (int i = 0; i < 500; ++i) {
        const float speed = world.Make(Insect::kNewsBug, 0.0f, 0.0f, 1)->getSpeed();
        slowest = std::min(slowest, speed);
        fastest = std::max(fastest, speed);
    }
    EXPECT_GE(slowest, 50.0f);
    EXPECT_LT(slowest, 55.0f);
    EXPECT_LE(fastest, 150.0f);
    EXPECT_GT(fastest, 145.0f);
}

TEST(InsectTest, ANewInsectSetsOffEvenWithoutAChanceToTurnAndThenKeepsItsCourse) {
    InsectWorld world;
    std::set<int> directions;
    for (int i = 0; i < 100; ++i) {
        auto insect = world.Make(Insect::kToolBug, 400.0f, 700.0f, Insect::kStateInitial);
        insect->update(0.0f);
        const int first = insect->getState();
        ASSERT_TRUE(IsFlight(first)) << first;
        directions.insert(first);
        for (int frame = 0; frame < 3; ++frame)
            insect->update(0.5f);
        EXPECT_EQ(insect->getState(), first);
    }
    EXPECT_EQ(directions.size(), 4u);
    EXPECT_EQ(world.LogCount("Invalid Insect state detected.\n"), 0);
    EXPECT_TRUE(world.Quits().empty());
}

TEST(InsectTest, AFlyingInsectMayTurnOnlyOnceMoreThanASecondHasPassed) {
    InsectWorld world("perCentChanceToChangeDirVert 100\n");
    std::vector<std::unique_ptr<Insect>> insects;
    for (int i = 0; i < 60; ++i)
        insects.push_back(world.Make(Insect::kButterfly, 400.0f, 700.0f, Insect::kStateFlyRight));
    for (auto& insect : insects) {
        insect->update(0.5f);
        insect->update(0.5f);
        EXPECT_EQ(insect->getState(), Insect::kStateFlyRight)
            << "a second is not more than a second";
    }
    int turned = 0;
    for (auto& insect : insects) {
        insect->update(0.125f);
        EXPECT_TRUE(IsFlight(insect->getState()));
        turned += insect->getState() != Insect::kStateFlyRight;
    }
    EXPECT_GT(turned, 30);
}

TEST(InsectTest, TheLabelNamesTheTypeAndWhetherItFliesOrPierces) {
    const std::pair<int, std::string> stems[] = {
        {1, "INSECT_BIG_BUG"},    {2, "INSECT_BUSINESS_BUG"}, {3, "INSECT_BUTTERFLY"},
        {4, "INSECT_NEWS_BUG"},   {5, "INSECT_TAXI_BUG"},     {6, "INSECT_TOOL_BUG"},
        {7, "INSECT_VOYAGER_BUG"}};
    for (const auto& [type, stem] : stems) {
        Insect insect(type);
        for (int state = Insect::kStateFlyLeft; state <= Insect::kStateApproach; ++state) {
            insect.setState(state);
            EXPECT_EQ(insect.spriteLabel(), stem + "_FLY_LEFT");
        }
        insect.setState(Insect::kStatePiercing);
        EXPECT_EQ(insect.spriteLabel(), stem + "_PIERCING");
        for (int state : {Insect::kStateInitial, 7, -1}) {
            insect.setState(state);
            EXPECT_EQ(insect.spriteLabel(), "INVISIBLE_OBJECT");
        }
    }
}

TEST(InsectTest, AnUnknownTypeShowsNothingLogsAndAsksToQuit) {
    InsectWorld world;
    for (int type : {0, 8}) {
        Insect insect(type);
        insect.setState(Insect::kStateFlyLeft);
        EXPECT_EQ(insect.spriteLabel(), "INVISIBLE_OBJECT");
    }
    EXPECT_EQ(world.LogCount("Invalid insect type and state detected.\n"), 2);
    EXPECT_EQ(world.Quits(), (std::vector<int>{-1, -1}));
}

TEST(InsectTest, AnUnknownStateLogsAndAsksToQuit) {
    InsectWorld world;
    auto insect = world.Make(Insect::kButterfly, 400.0f, 300.0f, 9);
    insect->update(0.1f);
    EXPECT_EQ(world.LogCount("Invalid Insect state detected.\n"), 1);
    EXPECT_EQ(world.Quits(), std::vector<int>{-1});
}

TEST(InsectTest, FlightsToTheRightAndDownwardAreMirrored) {
    Insect insect(Insect::kNewsBug);
    for (const auto& [state, mirrored] :
         {std::pair{Insect::kStateInitial, false}, std::pair{Insect::kStateFlyLeft, false},
          std::pair{Insect::kStateFlyRight, true}, std::pair{Insect::kStateFlyUp, false},
          std::pair{Insect::kStateFlyDown, true}, std::pair{Insect::kStatePiercing, false}}) {
        insect.setState(state);
        EXPECT_EQ(insect.isMirrored(), mirrored) << "state " << state;
    }
}

TEST(InsectTest, AnApproachingInsectStepsInWholeUnitsAndFacesItsLastStep) {
    InsectWorld world;
    // 100 units a second, half as fast again: 15 units in a tenth of a second.
    for (const auto& [dx, dy, stepX, stepY, mirrored] :
         {std::tuple{-100, 0, 15, 0, true}, std::tuple{100, 0, -15, 0, false},
          std::tuple{0, 100, 0, -15, true}, std::tuple{0, 30, 0, -15, true},
          std::tuple{0, -30, 0, 15, false}, std::tuple{-40, -40, 15, 15, false},
          std::tuple{-10, 40, 10, -15, true}}) {
        const float x = kFrogX + static_cast<float>(dx);
        const float y = kFrogY + 100.0f + static_cast<float>(dy);
        world.frog().setPosition(kFrogX, kFrogY + 100.0f);
        auto insect = world.Make(Insect::kTaxiBug, x, y, Insect::kStateApproach);
        insect->update(0.1f);
        EXPECT_EQ(insect->getState(), Insect::kStateApproach);
        EXPECT_FLOAT_EQ(insect->getX(), x + static_cast<float>(stepX)) << dx << "," << dy;
        EXPECT_FLOAT_EQ(insect->getY(), y + static_cast<float>(stepY)) << dx << "," << dy;
        EXPECT_EQ(insect->isMirrored(), mirrored) << dx << "," << dy;
    }
}

TEST(InsectTest, AFlyingInsectIsDrawnWhereTheCameraSeesItMirroredWhenHeadingRight) {
    InsectWorld world("InsectMoveOffsetGlobalX -10\nInsectMoveOffsetGlobalY 8\n");
    world.level().camera.x = 0.0f;
    world.level().camera.y = 75.0f;
    const std::uint32_t red = InsectWorld::ScreenValue(InsectWorld::kRed);
    const std::uint32_t blue = InsectWorld::ScreenValue(InsectWorld::kBlue);
    auto insect = world.Make(Insect::kButterfly, 300.4f, 400.6f, Insect::kStateFlyRight);
    insect->update(0.0f);
    // x: -10 + 300; y: 600 - 8 - 401 + 75.
    EXPECT_EQ(InsectWorld::PixelAt(290, 266), red);
    EXPECT_EQ(InsectWorld::PixelAt(309, 281), red);
    EXPECT_EQ(InsectWorld::PixelAt(289, 266), 0u);
    EXPECT_EQ(InsectWorld::PixelAt(310, 266), 0u);
    EXPECT_EQ(InsectWorld::PixelAt(290, 265), 0u);
    EXPECT_EQ(InsectWorld::PixelAt(290, 282), 0u);

    InsectWorld::ClearScreen();
    insect->setState(Insect::kStateFlyLeft);
    insect->update(0.0f);
    EXPECT_EQ(InsectWorld::PixelAt(290, 266), blue);
}

TEST(InsectTest, TheAnimationClockRunsOnAcrossCyclesAndDrivesTheSprite) {
    InsectWorld world;
    auto insect = world.Make(Insect::kVoyagerBug, 400.0f, 300.0f, Insect::kStateFlyLeft);
    insect->update(0.75f);
    EXPECT_FLOAT_EQ(insect->getAnimationTime(), 0.75f);
    insect->update(0.75f);
    EXPECT_FLOAT_EQ(insect->getAnimationTime(), 0.5f) << "one cycle of a second is taken off";
    EXPECT_FLOAT_EQ(
        Singleton<SpriteManager>::Instance().GetSprite("INSECT_VOYAGER_BUG_FLY_LEFT")->time, 0.5f);
    EXPECT_FLOAT_EQ(insect->getStateTime(), 1.5f);
}

TEST(InsectTest, AnEatenBusinessBugScoresOnceShrinksIntoTheFrogsMouthAndIsThenRemoved) {
    InsectWorld world;
    const std::uint32_t blue = InsectWorld::ScreenValue(InsectWorld::kBlue);
    auto insect = world.Make(Insect::kBusinessBug, 445.0f, 67.0f, Insect::kStateFlyLeft);
    insect->caught();
    EXPECT_TRUE(insect->isCaught());
    EXPECT_EQ(world.Score(), 100);
    insect->caught();
    EXPECT_EQ(world.Score(), 100) << "an insect being eaten is not eaten again";

    // Half the shrink time: half the way toward 10 units above the frog, drawn at half size in
    // the middle of where the whole sprite would be.
    insect->update(0.25f);
    EXPECT_FLOAT_EQ(insect->getX(), 435.0f);
    EXPECT_FLOAT_EQ(insect->getY(), 57.0f);
    EXPECT_EQ(InsectWorld::PixelAt(440, 547), blue);
    EXPECT_EQ(InsectWorld::PixelAt(449, 554), blue);
    EXPECT_EQ(InsectWorld::PixelAt(439, 547), 0u);
    EXPECT_EQ(InsectWorld::PixelAt(450, 547), 0u);
    EXPECT_EQ(InsectWorld::PixelAt(440, 546), 0u);
    EXPECT_EQ(InsectWorld::PixelAt(440, 555), 0u);

    insect->update(0.2f);
    EXPECT_FALSE(insect->isRemoved());
    EXPECT_NEAR(insect->getX(), kFrogX, 1.5f);
    EXPECT_NEAR(insect->getY(), kFrogY + 10.0f, 1.5f);

    InsectWorld::ClearScreen();
    insect->update(0.1f);
    EXPECT_TRUE(insect->isRemoved());
    for (int y = 500; y < 600; ++y)
        for (int x = 380; x < 480; ++x)
            ASSERT_EQ(InsectWorld::PixelAt(x, y), 0u)
                << "nothing is left to draw at " << x << "," << y;
    EXPECT_EQ(world.Score(), 100);
}

TEST(InsectTest, AnEatenInsectWithoutShrinkTimeIsRemovedAtItsNextUpdate) {
    InsectWorld world("shrinkInterval 0\n");
    auto insect = world.Make(Insect::kToolBug, 445.0f, 67.0f, Insect::kStateFlyLeft);
    insect->caught();
    insect->update(0.0f);
    EXPECT_TRUE(insect->isRemoved());
    EXPECT_FALSE(std::isnan(insect->getX()));
    EXPECT_FALSE(std::isnan(insect->getY()));
}

TEST(InsectTest, ABigBugCaughtByTheFrogIsNotEatenButFliesAtIt) {
    InsectWorld world;
    world.insects().push_back(
        world.Make(Insect::kBigBug, kFrogX + 30.0f, kFrogY, Insect::kStateFlyRight));
    Insect& bug = *world.insects().back();
    world.frog().keySpace();
    world.w.Step(0.0f);
    ASSERT_EQ(world.frog().getState(), FS_CATCH_INSECT);
    EXPECT_FALSE(bug.isCaught());
    EXPECT_EQ(bug.getState(), Insect::kStateApproach);
    EXPECT_EQ(world.Score(), 0);
    bug.update(0.1f);
    EXPECT_FLOAT_EQ(bug.getX(), kFrogX + 15.0f);
    EXPECT_FALSE(bug.isMirrored()) << "it faces left, toward the frog";
}

TEST(InsectTest, ATaxiBugReachingAnIdleFrogPiercesItAndSitsOnItUntilItsWholeAnimationHasRun) {
    InsectWorld world;
    Singleton<GameScore>::Instance().addInsectEaten(Insect::kBusinessBug, 0.0f, 0.0f);
    ASSERT_EQ(world.Score(), 100);
    auto taxi = world.Make(Insect::kTaxiBug, kFrogX + 10.0f, kFrogY, Insect::kStateApproach);
    taxi->update(0.2f);
    EXPECT_FLOAT_EQ(taxi->getX(), kFrogX) << "the last step is only what was left";
    EXPECT_EQ(taxi->getState(), Insect::kStateApproach);
    EXPECT_TRUE(world.frog().getCommandQueue().empty());

    // 0.45 s of flight are on its clock; the piercing still plays from its start.
    taxi->update(0.25f);
    ASSERT_EQ(taxi->getState(), Insect::kStatePiercing);
    EXPECT_EQ(taxi->spriteLabel(), "INSECT_TAXI_BUG_PIERCING");
    EXPECT_EQ(world.frog().getCommandQueue(), std::deque<int>{FS_PIERCED});
    world.w.Step(0.0f);
    EXPECT_EQ(world.frog().getState(), FS_PIERCED);

    world.frog().setPosition(kFrogX + 5.0f, kFrogY + 2.0f);
    for (int frame = 0; frame < 3; ++frame) {
        taxi->update(0.125f);
        EXPECT_EQ(taxi->getState(), Insect::kStatePiercing) << "frame " << frame;
        EXPECT_FLOAT_EQ(taxi->getX(), kFrogX + 5.0f);
        EXPECT_FLOAT_EQ(taxi->getY(), kFrogY + 2.0f);
    }
    EXPECT_EQ(world.Score(), 100);
    taxi->update(0.125f);
    EXPECT_TRUE(IsFlight(taxi->getState()));
    EXPECT_EQ(world.Score(), 50);

    // The next attack gets its whole time, however long the last one took; the frog is still
    // being pierced, so the taxi waits on it.
    taxi->setState(Insect::kStateApproach);
    taxi->update(2.75f);
    EXPECT_EQ(taxi->getState(), Insect::kStateApproach);
}

TEST(InsectTest, AnAttackerOnABusyFrogWaitsForItToBeIdle) {
    InsectWorld world;
    world.frog().setState(FS_CATCH_INSECT);
    auto bug = world.Make(Insect::kBigBug, kFrogX, kFrogY, Insect::kStateApproach);
    bug->update(0.1f);
    EXPECT_EQ(bug->getState(), Insect::kStateApproach);
    EXPECT_TRUE(world.frog().getCommandQueue().empty());
    world.frog().setState(FS_IDLE);
    bug->update(0.1f);
    EXPECT_EQ(bug->getState(), Insect::kStatePiercing);
}

TEST(InsectTest, APiercingEndsWithoutScoreWhenTheFrogDies) {
    InsectWorld world;
    Singleton<GameScore>::Instance().addInsectEaten(Insect::kBusinessBug, 0.0f, 0.0f);
    auto bug = world.Make(Insect::kBigBug, kFrogX, kFrogY, Insect::kStateApproach);
    bug->update(0.1f);
    ASSERT_EQ(bug->getState(), Insect::kStatePiercing);
    world.frog().setState(FS_DROWN);
    world.w.Step(1.0f);
    ASSERT_TRUE(world.frog().isFinished());
    bug->update(0.1f);
    EXPECT_TRUE(IsFlight(bug->getState()));
    bug->update(1.0f);
    EXPECT_EQ(world.Score(), 100);
}

TEST(InsectTest, AnApproachingInsectGivesUpAfterItsMaxApproachTimeAndFliesOff) {
    InsectWorld world("InsectMoveMinSpeed 10\nInsectMoveMaxSpeed 10\n");
    auto taxi = world.Make(Insect::kTaxiBug, kFrogX - 150.0f, kFrogY, Insect::kStateApproach);
    for (int frame = 0; frame < 5; ++frame) {
        taxi->update(0.5f);
        EXPECT_EQ(taxi->getState(), Insect::kStateApproach)
            << "after " << (frame + 1) * 0.5f << " s";
    }
    // Seven whole units a step.
    EXPECT_FLOAT_EQ(taxi->getX(), kFrogX - 150.0f + 35.0f);
    taxi->update(0.5f);
    EXPECT_TRUE(IsFlight(taxi->getState()));
    EXPECT_FLOAT_EQ(taxi->getX(), kFrogX - 115.0f) << "the turn takes the frame";

    // The next attack gets the whole time again.
    taxi->setState(Insect::kStateApproach);
    for (int frame = 0; frame < 5; ++frame)
        taxi->update(0.5f);
    EXPECT_EQ(taxi->getState(), Insect::kStateApproach);
}

TEST(InsectTest, AnApproachingInsectGivesUpOnAFrogOutOfReachOffScreenOrDead) {
    InsectWorld world;
    auto far = world.Make(Insect::kTaxiBug, kFrogX + 250.0f, kFrogY, Insect::kStateApproach);
    far->update(0.1f);
    EXPECT_TRUE(IsFlight(far->getState())) << "beyond the pierce distance";

    world.level().camera.y = 300.0f;
    auto near = world.Make(Insect::kTaxiBug, kFrogX + 50.0f, kFrogY, Insect::kStateApproach);
    near->update(0.1f);
    EXPECT_TRUE(IsFlight(near->getState())) << "the frog is below the screen";
    world.level().camera.y = 0.0f;

    near->setState(Insect::kStateApproach);
    near->update(0.1f);
    ASSERT_EQ(near->getState(), Insect::kStateApproach);
    world.frog().setState(FS_KNOCKED_OVER);
    world.w.Step(1.0f);
    ASSERT_TRUE(world.frog().isFinished());
    near->update(0.1f);
    EXPECT_TRUE(IsFlight(near->getState())) << "the frog's death has played out";
}

TEST(InsectTest, OnlyTheAttackersSetOffForANearbyFrog) {
    InsectWorld world("perCentChancePierce 100\n");
    for (int type = 1; type <= Insect::kTypeCount; ++type) {
        auto near = world.Make(type, kFrogX + 100.0f, kFrogY, Insect::kStateInitial);
        near->update(0.0f);
        const bool attacker = type == Insect::kBigBug || type == Insect::kTaxiBug;
        EXPECT_EQ(near->getState() == Insect::kStateApproach, attacker) << "type " << type;
        auto far = world.Make(type, kFrogX + 300.0f, kFrogY, Insect::kStateInitial);
        far->update(0.0f);
        EXPECT_TRUE(IsFlight(far->getState())) << "type " << type;
    }
    // A flying attacker decides again once its second is over.
    auto bug = world.Make(Insect::kBigBug, kFrogX + 100.0f, kFrogY + 150.0f, Insect::kStateFlyLeft);
    bug->update(0.5f);
    bug->update(0.5f);
    EXPECT_EQ(bug->getState(), Insect::kStateFlyLeft);
    bug->update(0.125f);
    EXPECT_EQ(bug->getState(), Insect::kStateApproach);
}

TEST(InsectTest, APierceDistanceBelowZeroReachesNothing) {
    InsectWorld world("perCentChancePierce 100\nmaxPierceDist -300\n");
    auto bug = world.Make(Insect::kBigBug, kFrogX + 10.0f, kFrogY, Insect::kStateInitial);
    bug->update(0.0f);
    EXPECT_TRUE(IsFlight(bug->getState()));
}

TEST(InsectTest, AnInsectWithoutAWorldIsOutsideAtItsFirstUpdate) {
    Insect insect(Insect::kButterfly);
    insect.setPosition(400.0f, 300.0f);
    insect.setState(Insect::kStateFlyLeft);
    insect.update(0.1f);
    EXPECT_EQ(insect.getCellIndex(), -1);
}

} // namespace
