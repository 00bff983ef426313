#include "world/Car.h"

#include "ObjectLane.h"
#include "core/Singleton.h"
#include "gfx/DirectDraw.h"
#include "gfx/SurfaceSprite.h"
#include "platform/DisplaySurface.h"
#include "support/HeadlessScreen.h"
#include "world/BlockInfo.h"
#include "world/Camera.h"

#include <gtest/gtest.h>

namespace {

// The size keys spell the ragtop with a capital T, the offset keys without; one shadow for both.
constexpr const char* kConfig =
    "ragTopOpenObjectWidth 110\nragTopOpenObjectHeight 50\nragtopOpenOffsetX 3\n"
    "ragtopOpenOffsetY 2\nragtopShadowOffsetX 20\nragtopShadowOffsetY -4\n"
    "ragTopClosedObjectWidth 108\nragtopClosedOffsetX 5\n"
    "smallCarObjectWidth 90\nsmallCarObjectHeight 40\nsmallCarOffsetX -1\n"
    "smallCarShadowOffsetX 30\nsmallCarShadowOffsetY 0\n";

class CarTest : public ::testing::Test {
  protected:
    CarTest() : world(kConfig) {}

    void Put(Car& car, bool fromLeft = true) {
        car.attach(world.Lane(track, ObjectLane::kRoad, 3, 100.0f, fromLeft), false);
        car.setX(400.0f);
    }

    // A solid 8 x 8 square of `blue` under `label`.
    static void AddSquare(const std::string& label, std::uint8_t blue) {
        auto picture = std::make_unique<Image>();
        picture->Create(8, 8, PixelFormat::Screen());
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                picture->SetPixel(x, y, blue, 10, 10);
        auto sprite = std::make_unique<SurfaceSprite>();
        sprite->Create(std::move(picture), 8, 8, 0, 0, false);
        Singleton<SpriteManager>::Instance().AddSprite(std::move(sprite), label, false);
    }

    static std::uint32_t PixelAt(int x, int y) {
        return Singleton<DirectDraw>::Instance().GetBackBuffer()->pixelAt(x, y);
    }

    ObjectLane world;
    ObjectTrack track;
};

TEST_F(CarTest, EachKindReadsItsOwnSpellingOfTheKeys) {
    Car open(0);
    Car closed(1);
    Car small(2);
    Put(open);
    Put(closed);
    Put(small);
    EXPECT_EQ(open.getName(), "RagtopOpen");
    EXPECT_EQ(closed.getName(), "RagtopClosed");
    EXPECT_EQ(small.getName(), "SmallCar");
    EXPECT_EQ(open.getWidth(), 110);
    EXPECT_EQ(open.getHeight(), 50);
    EXPECT_EQ(open.getOffsetX(), 3);
    EXPECT_EQ(open.getOffsetY(), 2);
    EXPECT_EQ(open.getShadowOffsetX(), 20);
    EXPECT_EQ(open.getShadowOffsetY(), -4);
    EXPECT_EQ(closed.getWidth(), 108);
    EXPECT_EQ(closed.getOffsetX(), 5);
    EXPECT_EQ(closed.getShadowOffsetX(), 20);
    EXPECT_EQ(small.getWidth(), 90);
    EXPECT_EQ(small.getOffsetX(), -1);
    EXPECT_EQ(small.getShadowOffsetX(), 30);
    EXPECT_EQ(open.spriteLabel(), "RAGTOP_OPEN_DRIVE");
    EXPECT_EQ(closed.spriteLabel(), "RAGTOP_CLOSED_DRIVE");
    EXPECT_EQ(small.spriteLabel(), "SMALL_CAR_DRIVE");
    small.setState(0);
    EXPECT_EQ(small.spriteLabel(), "INVISIBLE_OBJECT");
}

TEST_F(CarTest, ACarBlocksItsWholeBoxNowAndWhereItWillBe) {
    Car car(2);
    Put(car);
    const int y = track.getCentreY();
    EXPECT_EQ(car.getState(), RoadObject::kStateDriving);
    for (int x : {355, 400, 445})
        EXPECT_TRUE(car.blocksPoint(x, y)) << x;
    EXPECT_TRUE(car.blocksPoint(400, y + 20));
    EXPECT_FALSE(car.blocksPoint(354, y));
    EXPECT_FALSE(car.blocksPoint(446, y));
    EXPECT_FALSE(car.blocksPoint(400, y + 21));
    // Half a second at 100 units a second to the right.
    EXPECT_TRUE(car.blocksPointAfter(495, y, 0.5f));
    EXPECT_FALSE(car.blocksPointAfter(496, y, 0.5f));
    EXPECT_TRUE(Singleton<BlockInfo>::Instance().isBlocked(355, y));
}

TEST_F(CarTest, AnUnattachedCarIsNoBlocker) {
    { Car car(0); }
    EXPECT_EQ(Singleton<BlockInfo>::Instance().size(), 0u);
    Car car(0);
    EXPECT_EQ(Singleton<BlockInfo>::Instance().size(), 0u);
}

TEST_F(CarTest, TheShadowIsDrawnFirstAndOnlyWhileShadowsAreOn) {
    HeadlessScreen screen(32);
    AddSquare("SMALL_CAR_DRIVE", 200);
    AddSquare("SHADOW_SMALL_CAR", 90);
    Car car(2);
    Put(car);
    Camera camera;
    // Centre at screen (400, 600 - 262 = 338); the shadow 30 to the right.
    car.draw(camera, 0.0f, false);
    const std::uint32_t carPixel = PixelAt(400, 338);
    const std::uint32_t shadowPixel = PixelAt(430, 338);
    EXPECT_NE(carPixel, 0u);
    EXPECT_NE(shadowPixel, 0u);
    EXPECT_NE(carPixel, shadowPixel);

    Singleton<DirectDraw>::Instance().GetBackBuffer()->fill(nullptr, 0);
    world.shadowsOn = false;
    car.draw(camera, 0.0f, false);
    EXPECT_EQ(PixelAt(400, 338), carPixel);
    EXPECT_EQ(PixelAt(430, 338), 0u);
}

TEST_F(CarTest, EachKindCrashesWithItsOwnSound) {
    EXPECT_EQ(RoadObject::crashSound(0), "SOUND_RAGTOP_OPEN_CRASH");
    EXPECT_EQ(RoadObject::crashSound(1), "SOUND_RAGTOP_CLOSED_CRASH");
    EXPECT_EQ(RoadObject::crashSound(2), "SOUND_SMALL_CAR_CRASH");
    for (int type = 3; type <= 7; ++type)
        EXPECT_EQ(RoadObject::crashSound(type), "SOUND_TRUCK_CRASH");
    EXPECT_EQ(RoadObject::crashSound(8), "");
}

} // namespace
