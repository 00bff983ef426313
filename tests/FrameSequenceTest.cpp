#include "gfx/FrameSequence.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

std::vector<int> FramesOver(const FrameSequence& sequence, std::initializer_list<float> times) {
    std::vector<int> shown;
    for (const float time : times)
        shown.push_back(sequence.FrameAt(time));
    return shown;
}

} // namespace

TEST(FrameSequenceTest, WithoutListTheFramesPlayInOrderEachForAnEqualShare) {
    const FrameSequence sequence(4, 2.0f, false);
    EXPECT_EQ(sequence.StepCount(), 4);
    EXPECT_EQ(FramesOver(sequence, {0.0f, 0.49f, 0.5f, 1.0f, 1.49f, 1.5f, 1.99f}),
              (std::vector<int>{0, 0, 1, 2, 2, 3, 3}));
}

TEST(FrameSequenceTest, NonLoopingHoldsTheLastStepFromThreeQuartersAndTheFirstBeforeZero) {
    const FrameSequence sequence(4, 1.0f, false);
    EXPECT_EQ(FramesOver(sequence, {0.75f, 0.99f, 1.0f, 7.3f, 1e30f}),
              (std::vector<int>{3, 3, 3, 3, 3}));
    EXPECT_EQ(FramesOver(sequence, {-0.01f, -0.5f, -1e30f}), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(sequence.StepAt(0.74f), 2);
}

TEST(FrameSequenceTest, LoopingWrapsAroundTheCycle) {
    const FrameSequence sequence(4, 1.0f, true);
    EXPECT_EQ(sequence.StepAt(2.5f), 2);
    EXPECT_EQ(FramesOver(sequence, {1.0f, 1.25f, 3.99f}), (std::vector<int>{0, 1, 3}));
    // The remainder keeps the sign of the time, and negative steps are raised to the first.
    EXPECT_EQ(FramesOver(sequence, {-0.3f, -2.6f}), (std::vector<int>{0, 0}));
}

TEST(FrameSequenceTest, TheListGivesTheFrameOfEachStep) {
    ScratchFolder folder;
    FrameSequence sequence(3, 1.0f, true);
    sequence.SetFrameList({0, 1, 2, 1}, "hop");
    EXPECT_EQ(sequence.StepCount(), 4);
    EXPECT_EQ(FramesOver(sequence, {0.0f, 0.25f, 0.5f, 0.75f, 1.0f}),
              (std::vector<int>{0, 1, 2, 1, 0}));
}

TEST(FrameSequenceTest, ListEntriesOutsideTheFramesAreDroppedWithALogLine) {
    ScratchFolder folder;
    FrameSequence sequence(3, 1.0f, false);
    sequence.SetFrameList({2, 7, -1, 0, 3}, "hop");
    EXPECT_EQ(sequence.GetFrameList(), (std::vector<int>{2, 0}));
    EXPECT_EQ(FramesOver(sequence, {0.0f, 0.6f, 9.0f}), (std::vector<int>{2, 0, 0}));
    const std::string log = folder.Read("debug.txt");
    EXPECT_NE(log.find("frame 7 of hopFrames.txt"), std::string::npos) << log;
    EXPECT_NE(log.find("frame -1 of hopFrames.txt"), std::string::npos) << log;
    EXPECT_NE(log.find("frame 3 of hopFrames.txt"), std::string::npos) << log;
}

TEST(FrameSequenceTest, AListWithNoUsableEntryKeepsTheFramesInOrder) {
    ScratchFolder folder;
    FrameSequence sequence(2, 1.0f, false);
    sequence.SetFrameList({5, 6}, "hop");
    EXPECT_EQ(sequence.StepCount(), 2);
    EXPECT_EQ(FramesOver(sequence, {0.0f, 0.5f}), (std::vector<int>{0, 1}));
}

TEST(FrameSequenceTest, ZeroDurationOrUnboundedTimesStillPickAFrame) {
    const FrameSequence looping(4, 0.0f, true);
    const FrameSequence once(4, 0.0f, false);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const float time : {0.0f, 0.5f, -0.5f, nan, inf, -inf}) {
        EXPECT_GE(looping.FrameAt(time), 0);
        EXPECT_LE(looping.FrameAt(time), 3);
    }
    EXPECT_EQ(once.FrameAt(0.5f), 3);
    EXPECT_EQ(once.FrameAt(-0.5f), 0);
    EXPECT_EQ(FrameSequence(4, 1.0f, true).FrameAt(inf), 0);
}

TEST(FrameSequenceTest, ASingleFrameAlwaysShowsIt) {
    const FrameSequence sequence(1, 1.0f, true);
    EXPECT_EQ(FramesOver(sequence, {-3.0f, 0.0f, 0.9f, 123.0f}), (std::vector<int>{0, 0, 0, 0}));
}
