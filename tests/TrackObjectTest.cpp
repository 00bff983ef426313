#include "world/TrackObject.h"

#include "gfx/SurfaceSprite.h"
#include "support/SpriteScreen.h"
#include "world/Camera.h"
#include "world/Hippo.h"
#include "world/Randomizer.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr std::uint32_t kBlue = 0x2040F0;
constexpr std::uint32_t kRed = 0xF02020;

class TrackObjectTest : public SpriteScreen {
  protected:
    TrackObjectTest() {
        AddHippoSprite(kBlue, false);
        AddHippoSprite(kRed, true);
    }

    void AddHippoSprite(std::uint32_t colour, bool mirrored) {
        auto sprite = std::make_unique<SurfaceSprite>();
        ASSERT_TRUE(sprite->Create(Picture(4, 4, [colour](int, int) { return colour; }), 4, 4, 0, 0,
                                   false));
        Singleton<SpriteManager>::Instance().AddSprite(std::move(sprite), "HIPPO_SWIMMING",
                                                       mirrored);
    }

    TrackObject::Lane Lane(bool fromLeft) { return {nullptr, fromLeft, 337, &camera}; }

    Hippo hippo;
    Camera camera;
};

TEST_P(TrackObjectTest, AttachPutsTheObjectAtTheUpstreamEdgeOfItsLane) {
    ASSERT_TRUE(hippo.attach(Lane(true), false));
    EXPECT_FLOAT_EQ(hippo.getX(), 0.0f);
    EXPECT_FLOAT_EQ(hippo.getY(), 337.0f);
    ASSERT_TRUE(hippo.attach(Lane(false), false));
    EXPECT_FLOAT_EQ(hippo.getX(), 800.0f);
    EXPECT_FLOAT_EQ(hippo.getY(), 337.0f);
}

TEST_P(TrackObjectTest, ARandomAttachSpreadsOverTheWholeScreenWidthAndReplaysWithTheSeed) {
    Singleton<Randomizer>::Instance().seed(77);
    std::vector<float> xs;
    for (int i = 0; i < 2000; ++i) {
        hippo.attach(Lane(true), true);
        xs.push_back(hippo.getX());
        EXPECT_FLOAT_EQ(hippo.getY(), 337.0f);
    }
    EXPECT_EQ(*std::min_element(xs.begin(), xs.end()), 0.0f);
    EXPECT_EQ(*std::max_element(xs.begin(), xs.end()), 800.0f);
    Singleton<Randomizer>::Instance().seed(77);
    hippo.attach(Lane(true), true);
    EXPECT_EQ(hippo.getX(), xs.front());
}

TEST_P(TrackObjectTest, UpdateAdvancesTheClockAndDrawsMirroredOnlyOnLeftwardLanes) {
    hippo.attach(Lane(true), false);
    hippo.setX(100.0f);
    hippo.update(0.5f);
    EXPECT_FLOAT_EQ(hippo.getStateTime(), 0.5f);
    // Centre (100, 600 - 337 = 263); a 4 x 4 sprite starts 2 to the left and above.
    EXPECT_EQ(Back().pixelAt(98, 261), ScreenValue(kBlue));

    hippo.attach(Lane(false), false);
    hippo.setX(300.0f);
    hippo.update(0.25f);
    EXPECT_FLOAT_EQ(hippo.getStateTime(), 0.75f);
    EXPECT_EQ(Back().pixelAt(298, 261), ScreenValue(kRed));
}

TEST_P(TrackObjectTest, BeforeItIsAttachedAnUpdateOnlyAdvancesTheClock) {
    hippo.setPosition(100.0f, 337.0f);
    hippo.update(0.5f);
    EXPECT_FLOAT_EQ(hippo.getStateTime(), 0.5f);
    EXPECT_EQ(Back().pixelAt(98, 261), 0u);
}

TEST_P(TrackObjectTest, TheFrogBoardsAndLeaves) {
    EXPECT_FALSE(hippo.isFrogAboard());
    hippo.frogBoards();
    EXPECT_TRUE(hippo.isFrogAboard());
    hippo.frogLeaves();
    EXPECT_FALSE(hippo.isFrogAboard());
}

INSTANTIATE_TEST_SUITE_P(Depths, TrackObjectTest, ::testing::Values(16, 32));

} // namespace
