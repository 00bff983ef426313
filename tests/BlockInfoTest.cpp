#include "world/BlockInfo.h"

#include "world/BlockingObject.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A square that moves right at `speed` units a second and counts the questions it gets.
class MovingSquare : public BlockingObject {
  public:
    MovingSquare(int x, int y, int half, float speed) : x(x), y(y), half(half), speed(speed) {
        Singleton<BlockInfo>::Instance().add(this);
    }

    bool blocksPoint(int px, int py) const override {
        ++questions;
        return std::abs(px - x) <= half && std::abs(py - y) <= half;
    }
    bool blocksPointAfter(int px, int py, float t) const override {
        ++questions;
        return std::abs(px - (x + static_cast<int>(speed * t))) <= half && std::abs(py - y) <= half;
    }

    mutable int questions = 0;

  private:
    int x, y, half;
    float speed;
};

BlockInfo& Registry() {
    return Singleton<BlockInfo>::Instance();
}

TEST(BlockInfoTest, WithNothingRegisteredNothingIsBlocked) {
    EXPECT_FALSE(Registry().isBlocked(0, 0));
    EXPECT_FALSE(Registry().isBlockedAfter(0, 0, 1.0f));
}

TEST(BlockInfoTest, APointIsBlockedNowOrLaterOnlyWhereAnObjectWillBe) {
    MovingSquare car(100, 100, 10, 50.0f);
    MovingSquare truck(400, 300, 20, -100.0f);
    EXPECT_TRUE(Registry().isBlocked(110, 90));
    EXPECT_TRUE(Registry().isBlocked(420, 320));
    EXPECT_FALSE(Registry().isBlocked(111, 100));
    EXPECT_FALSE(Registry().isBlocked(200, 100));
    EXPECT_TRUE(Registry().isBlockedAfter(200, 100, 2.0f));
    EXPECT_TRUE(Registry().isBlockedAfter(200, 300, 2.0f));
    EXPECT_FALSE(Registry().isBlockedAfter(100, 100, 2.0f));
}

TEST(BlockInfoTest, ADestroyedObjectIsNeverAskedAgain) {
    MovingSquare stays(100, 100, 10, 0.0f);
    auto goes = std::make_unique<MovingSquare>(500, 500, 10, 0.0f);
    EXPECT_EQ(Registry().size(), 2u);
    goes.reset();
    EXPECT_EQ(Registry().size(), 1u);
    // ASan reports a use after free if the registry still asks the destroyed square.
    EXPECT_FALSE(Registry().isBlocked(500, 500));
    EXPECT_FALSE(Registry().isBlockedAfter(500, 500, 0.0f));
    EXPECT_EQ(stays.questions, 2);
}

TEST(BlockInfoTest, ClearForgetsObjectsWithoutDestroyingThem) {
    MovingSquare square(100, 100, 10, 0.0f);
    Registry().clear();
    EXPECT_FALSE(Registry().isBlocked(100, 100));
    EXPECT_EQ(square.questions, 0);
    EXPECT_TRUE(square.blocksPoint(100, 100));
    Registry().add(&square);
    Registry().add(&square);
    EXPECT_EQ(Registry().size(), 1u);
    EXPECT_TRUE(Registry().isBlocked(100, 100));
}

TEST(BlockInfoTest, TheSearchStopsAtTheFirstObjectThatBlocks) {
    MovingSquare first(100, 100, 10, 0.0f);
    MovingSquare second(100, 100, 10, 0.0f);
    EXPECT_TRUE(Registry().isBlocked(100, 100));
    EXPECT_EQ(first.questions + second.questions, 1);
}

} // namespace
