#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class HeadlessPeriodicTimerTest : public ::testing::Test {
  protected:
    // Lets the timeline catch up as any use of a buffer would.
    void Touch() { probe->status(); }

    HeadlessPeriodicTimerTest() {
        headless.audio().open();
        headless.audio().createBuffer({8000, 8, 1}, 8000, 0, probe);
    }

    HeadlessPlatform headless;
    std::unique_ptr<AudioBuffer> probe;
    std::vector<uint32_t> ticks;
};

TEST_F(HeadlessPeriodicTimerTest, TicksWhenTheVirtualClockPassesEachPeriod) {
    const auto timer = headless.createPeriodicTimer();
    ASSERT_TRUE(timer->start(100, [&] { ticks.push_back(headless.clock().milliseconds()); }));
    headless.clock().advance(99);
    Touch();
    EXPECT_TRUE(ticks.empty());
    headless.clock().advance(251);
    Touch();
    EXPECT_EQ(ticks, (std::vector<uint32_t>{350, 350, 350}))
        << "the ticks of 100, 200 and 300 ms were due";
    headless.clock().advance(50);
    Touch();
    EXPECT_EQ(ticks.size(), 4u);
}

TEST_F(HeadlessPeriodicTimerTest, ATickSeesTheBuffersAsTheyWereAtItsTime) {
    std::vector<int> positions;
    probe->play(true);
    const auto timer = headless.createPeriodicTimer();
    timer->start(100, [&] {
        int play = 0;
        int write = 0;
        probe->positions(play, write);
        positions.push_back(play);
    });
    headless.clock().advance(300);
    Touch();
    EXPECT_EQ(positions, (std::vector<int>{800, 1600, 2400}));
}

TEST_F(HeadlessPeriodicTimerTest, AStoppedOrDestroyedTimerTicksNoMore) {
    auto timer = headless.createPeriodicTimer();
    timer->start(100, [&] { ticks.push_back(0); });
    headless.clock().advance(150);
    timer->stop();
    EXPECT_EQ(ticks.size(), 1u) << "ticks due before the stop still ran";
    headless.clock().advance(500);
    Touch();
    EXPECT_EQ(ticks.size(), 1u);

    ASSERT_TRUE(timer->start(100, [&] { ticks.push_back(1); }));
    timer.reset();
    headless.clock().advance(500);
    Touch();
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(HeadlessPeriodicTimerTest, StartNeedsAPeriodAndAFunction) {
    const auto timer = headless.createPeriodicTimer();
    EXPECT_FALSE(timer->start(0, [] {}));
    EXPECT_FALSE(timer->start(100, nullptr));
    EXPECT_TRUE(timer->start(100, [] {}));
    EXPECT_FALSE(timer->start(100, [] {})) << "already running";
}

} // namespace
