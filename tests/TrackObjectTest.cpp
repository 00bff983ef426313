#include "world/TrackObject.h"

#include "gfx/SurfaceSprite.h"
#include "support/SpriteScreen.h"
#include "world/Camera.h"
#include "world/PlainTrackObject.h"
#include "world/Randomizer.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr std::uint32_t kBlue = 0x2040F0;
constexpr std::uint32_t kRed = 0xF02020;

class TrackObjectTest : public SpriteScreen {
protected:
    TrackObjectTest() {
        AddBarrelSprite(kBlue, false);
        AddBarrelSprite(kRed, true);
    }

    void AddBarrelSprite(std::uint32_t colour, bool mirrored) {
        auto sprite = std::make_unique<SurfaceSprite>();
        ASSERT_TRUE(sprite->Create(Picture(4, 4, [colour](int, int) { return colour; }), 4, 4, 0, 0,
                                   false));
        Singleton<SpriteManager>::Instance().AddSprite(std::move(sprite), "BARREL_SWIMMING",
                                                       mirrored);
    }

    TrackObject::Lane Lane(bool fromLeft) { return {nullptr, fromLeft, 337, &camera}; }

    PlainTrackObject barrel{9};
    Camera camera;
};

TEST_P(TrackObjectTest, AttachPutsTheObjectAtTheUpstreamEdgeOfItsLane) {
    ASSERT_TRUE(barrel.attach(Lane(true), false));
    EXPECT_FLOAT_EQ(barrel.getX(), 0.0f);
    EXPECT_FLOAT_EQ(barrel.getY(), 337.0f);
    ASSERT_TRUE(barrel.attach(Lane(false), false));
    EXPECT_FLOAT_EQ(barrel.getX(), 800.0f);
    EXPECT_FLOAT_EQ(barrel.getY(), 337.0f);
}

TEST_P(TrackObjectTest, ARandomAttachSpreadsOverTheWholeScreenWidthAndReplaysWithTheSeed) {
    Singleton<Randomizer>::Instance().seed(77);
    std::vector<float> xs;
    for (int i = 0; i < 2000; ++i) {
        barrel.attach(Lane(true), true);
        xs.push_back(barrel.getX());
        EXPECT_FLOAT_EQ(barrel.getY(), 337.0f);
    }
    EXPECT_EQ(*std::min_element(xs.begin(), xs.end()), 0.0f);
    EXPECT_EQ(*std::max_element(xs.begin(), xs.end()), 800.0f);
    Singleton<Randomizer>::Instance().seed(77);
    barrel.attach(Lane(true), true);
    EXPECT_EQ(barrel.getX(), xs.front());
}

TEST_P(TrackObjectTest, UpdateAdvancesTheClockAndDrawsMirroredOnlyOnLeftwardLanes) {
    barrel.attach(Lane(true), false);
    barrel.setX(100.0f);
    barrel.update(0.5f);
    EXPECT_FLOAT_EQ(barrel.getStateTime(), 0.5f);
    // Centre (100, 600 - 337 = 263); a 4 x 4 sprite starts 2 to the left and above.
    EXPECT_EQ(Back().pixelAt(98, 261), ScreenValue(kBlue));

    barrel.attach(Lane(false), false);
    barrel.setX(300.0f);
    barrel.update(0.25f);
    EXPECT_FLOAT_EQ(barrel.getStateTime(), 0.75f);
    EXPECT_EQ(Back().pixelAt(298, 261), ScreenValue(kRed));
}

TEST_P(TrackObjectTest, BeforeItIsAttachedAnUpdateOnlyAdvancesTheClock) {
    barrel.setPosition(100.0f, 337.0f);
    barrel.update(0.5f);
    EXPECT_FLOAT_EQ(barrel.getStateTime(), 0.5f);
    EXPECT_EQ(Back().pixelAt(98, 261), 0u);
}

TEST_P(TrackObjectTest, TheFrogBoardsAndLeaves) {
    EXPECT_FALSE(barrel.isFrogAboard());
    barrel.frogBoards();
    EXPECT_TRUE(barrel.isFrogAboard());
    barrel.frogLeaves();
    EXPECT_FALSE(barrel.isFrogAboard());
}

INSTANTIATE_TEST_SUITE_P(Depths, TrackObjectTest, ::testing::Values(16, 32));

} // namespace
