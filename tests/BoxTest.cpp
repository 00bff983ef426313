#include "world/Box.h"

#include "ObjectLane.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int kBoxRow = 8;

class BoxTest : public ::testing::Test {
  protected:
    BoxTest()
        : world("boxWaitBeforeKillInterval 3\nboxObjectWidth 60\nboxObjectHeight 60\n"
                "boxOffsetX 2.9\nboxOffsetY 1\nboxKillDrownOffsetX -7.5\nboxKillDrownOffsetY 4\n") {
        ObjectLane::SetDuration("BOX_DROWN_KILL", 0.5f);
        ObjectLane::SetDuration("BOX_HAMMER_KILL", 0.8f);
        world.frog.setState(FS_IDLE);
    }

    // A box of `type` on the lane of kBoxRow, moving right, centred at x.
    std::unique_ptr<Box> Make(int type, float x) {
        auto box = std::make_unique<Box>(type);
        box->attach(world.Lane(track, ObjectLane::kRiver, kBoxRow, 100.0f, true), false);
        box->setX(x);
        box->moveX(0.0f);
        return box;
    }

    // The frog standing still at x in `row`.
    void FrogAt(float x, int row) {
        world.frog.setPosition(x, static_cast<float>(row * 75 + 37));
        world.frog.rememberRoundedPosition();
    }

    ObjectLane world;
    ObjectTrack track;
};

TEST_F(BoxTest, ItRemembersWhereItWasBeforeEachMoveButNotBeforeASet) {
    auto box = Make(12, 100.0f);
    box->moveX(10.4f);
    EXPECT_EQ(box->getPreviousX(), 100);
    box->moveBy(5.0f, 0.0f);
    EXPECT_EQ(box->getPreviousX(), 110);
    box->setX(300.0f);
    EXPECT_EQ(box->getPreviousX(), 110);
    box->setPosition(50.0f, 10.0f);
    EXPECT_EQ(box->getPreviousX(), 300);
    EXPECT_EQ(box->getPreviousY(), kBoxRow * 75 + 37);
    EXPECT_TRUE(box->hasFixedSeat());
}

TEST_F(BoxTest, AFrogAboardForTheWaitIsDrownedAndReboardingStartsTheCountAgain) {
    auto box = Make(13, 400.0f);
    world.frog.setState(FS_MOVE_UP);
    world.frog.attachTo(box.get());
    box->update(2.0f);
    world.frog.attachTo(nullptr);
    world.frog.attachTo(box.get());
    EXPECT_FLOAT_EQ(box->getAboardTime(), 0.0f);
    box->update(2.0f);
    EXPECT_TRUE(world.frog.getCommandQueue().empty());
    box->update(1.0f);
    ASSERT_EQ(world.frog.getCommandQueue().size(), 1u);
    EXPECT_EQ(world.frog.getCommandQueue().front(), FS_KILL_BOX_DROWN);
    EXPECT_FLOAT_EQ(box->getAboardTime(), 0.0f);
}

TEST_F(BoxTest, ADrowningPlaysOnceThenTheBoxSwimsOn) {
    auto box = Make(14, 400.0f);
    box->setState(Box::kStateDrowning);
    EXPECT_EQ(box->spriteLabel(), "BOX_DROWN_KILL");
    box->update(0.3f);
    EXPECT_EQ(box->getState(), Box::kStateDrowning);
    box->update(0.3f);
    EXPECT_EQ(box->getState(), RiverObject::kStateSwimming);
}

TEST_F(BoxTest, ItCatchesTheFrogInTheLaneBelowTheFrameItPassesIt) {
    auto box = Make(12, 290.0f);
    FrogAt(300.0f, kBoxRow - 1);
    box->moveX(5.0f);
    box->update(0.05f);
    EXPECT_EQ(box->getState(), RiverObject::kStateSwimming);
    box->moveX(10.0f);
    box->update(0.1f);
    EXPECT_EQ(box->getState(), Box::kStateCatching);
    EXPECT_EQ(box->spriteLabel(), "BOX_HAMMER_KILL");
    ASSERT_EQ(world.frog.getCommandQueue().size(), 1u);
    EXPECT_EQ(world.frog.getCommandQueue().front(), FS_KILL_BOX_HAMMER);
    EXPECT_EQ(world.frog.getKillerBox(), box.get());
}

TEST_F(BoxTest, TheCatchTakesEachKindsCommandAndOnlyAWaitingFrogJustBelow) {
    const int commands[] = {FS_KILL_BOX_HAMMER, FS_KILL_BOX_RED_BUTTON, FS_KILL_BOX_BOMB};
    for (int type = 12; type <= 14; ++type) {
        auto box = Make(type, 300.0f);
        FrogAt(310.0f, kBoxRow - 1);
        world.frog.setState(FS_CATCH_INSECT);
        box->moveX(20.0f);
        box->update(0.1f);
        ASSERT_EQ(box->getState(), Box::kStateCatching) << type;
        EXPECT_EQ(world.frog.getCommandQueue().front(), commands[type - 12]);
        world.frog.setKillerBox(nullptr);
        world.frog.setState(FS_IDLE);
    }
    struct Miss {
        int row;
        int frogState;
    };
    for (const Miss miss :
         {Miss{kBoxRow - 2, FS_IDLE}, Miss{kBoxRow, FS_IDLE}, Miss{kBoxRow - 1, FS_MOVE_UP}}) {
        auto box = Make(12, 300.0f);
        FrogAt(310.0f, miss.row);
        world.frog.setState(miss.frogState);
        box->moveX(20.0f);
        box->update(0.1f);
        EXPECT_EQ(box->getState(), RiverObject::kStateSwimming) << miss.row;
    }
}

TEST_F(BoxTest, AFrogThatHasJustMovedIsCaughtWhereItStoodAtTheStartOfItsUpdate) {
    auto box = Make(13, 300.0f);
    FrogAt(310.0f, kBoxRow - 1);
    world.frog.setX(500.0f);
    box->moveX(20.0f);
    box->update(0.1f);
    EXPECT_EQ(box->getState(), Box::kStateCatching);
}

TEST_F(BoxTest, AfterTheCatchTheFrogIsReleasedAndTheBoxIsFinished) {
    auto box = Make(12, 300.0f);
    FrogAt(310.0f, kBoxRow - 1);
    box->moveX(20.0f);
    box->update(0.1f);
    world.frog.setState(FS_KILL_BOX_HAMMER);
    box->update(0.5f);
    EXPECT_EQ(world.frog.getKillerBox(), box.get());
    box->update(0.3f);
    EXPECT_EQ(world.frog.getKillerBox(), nullptr);
    EXPECT_EQ(box->getState(), Box::kStateFinished);
    EXPECT_EQ(box->spriteLabel(), "INVISIBLE_OBJECT");
}

TEST_F(BoxTest, ABoxDestroyedWhileCatchingReleasesTheFrog) {
    auto box = Make(14, 300.0f);
    FrogAt(310.0f, kBoxRow - 1);
    box->moveX(20.0f);
    box->update(0.1f);
    ASSERT_EQ(world.frog.getKillerBox(), box.get());
    box.reset();
    EXPECT_EQ(world.frog.getKillerBox(), nullptr);
}

TEST_F(BoxTest, AnUnknownStateIsLoggedAndInvisible) {
    auto box = Make(12, 300.0f);
    box->setState(3);
    EXPECT_EQ(box->spriteLabel(), "INVISIBLE_OBJECT");
    EXPECT_EQ(world.LogCount("Invalid state for Box detected.\n"), 1);
}

} // namespace
