#include "platform/sdl/SdlPeriodicTimer.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

TEST(SdlPeriodicTimerTest, TicksOnAThreadOfItsOwnUntilStopped) {
    const auto timer = platform::SdlPeriodicTimer::Create();
    ASSERT_NE(timer, nullptr);
    std::atomic<int> ticks{0};
    std::atomic<bool> elsewhere{true};
    const std::thread::id main = std::this_thread::get_id();
    ASSERT_TRUE(timer->start(50, [&] {
        elsewhere = elsewhere && std::this_thread::get_id() != main;
        ++ticks;
    }));
    std::this_thread::sleep_for(520ms);
    timer->stop();
    const int counted = ticks;
    EXPECT_GE(counted, 4);
    EXPECT_LE(counted, 11);
    EXPECT_TRUE(elsewhere);
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(ticks, counted);
}

TEST(SdlPeriodicTimerTest, StopWaitsForATickInProgress) {
    const auto timer = platform::SdlPeriodicTimer::Create();
    ASSERT_NE(timer, nullptr);
    std::atomic<bool> started{false};
    std::atomic<bool> finished{false};
    timer->start(10, [&] {
        if (started.exchange(true))
            return;
        std::this_thread::sleep_for(200ms);
        finished = true;
    });
    while (!started)
        std::this_thread::sleep_for(1ms);
    timer->stop();
    EXPECT_TRUE(finished);
}

} // namespace
