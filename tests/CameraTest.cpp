#include "world/Camera.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float kStep = 0.02f;

// A camera over a level whose background is 1500 units high, so it can rise to 900.
Camera LevelCamera(float acceleration = 1000.0f) {
    Camera camera;
    camera.setBackgroundHeight(1500);
    camera.acceleration = acceleration;
    return camera;
}

TEST(CameraTest, WorldPositionsAreRoundedBeforeTheCameraIsSubtracted) {
    Camera camera = LevelCamera();
    camera.x = 10.4f;
    camera.y = 100.6f;
    EXPECT_EQ(camera.screenX(50.5f), 51 - 10);
    EXPECT_EQ(camera.screenY(200.5f), 600 - (201 - 101));
    EXPECT_EQ(camera.screenX(-0.5f), 0 - 10);
}

TEST(CameraTest, TheAimKeepsTheFrogTwoRowsAboveTheScreenBottomWithinTheLimits) {
    Camera camera = LevelCamera();
    camera.aimCamera(500.4f);
    EXPECT_EQ(camera.targetY, 500 - 150);
    EXPECT_EQ(camera.targetX, 0);
    camera.aimCamera(100.0f);
    EXPECT_EQ(camera.targetY, 0);
    camera.aimCamera(1400.0f);
    EXPECT_EQ(camera.targetY, 900);
}

TEST(CameraTest, TheCameraStaysBetweenTheGroundAndTheTopOfTheBackgroundWhateverTheTarget) {
    Camera camera = LevelCamera(50000.0f);
    camera.targetY = 5000;
    for (int frame = 0; frame < 200; ++frame) {
        camera.updateCamera(kStep);
        ASSERT_LE(camera.y, 900.0f);
    }
    camera.targetY = -3000;
    for (int frame = 0; frame < 200; ++frame) {
        camera.updateCamera(kStep);
        ASSERT_GE(camera.y, 0.0f);
    }
    EXPECT_EQ(camera.y, 0.0f);
}

TEST(CameraTest, ABackgroundLowerThanTheScreenLeavesTheCameraAtTheGround) {
    Camera camera = LevelCamera();
    camera.setBackgroundHeight(300);
    camera.targetY = 200;
    for (int frame = 0; frame < 50; ++frame)
        camera.updateCamera(kStep);
    EXPECT_EQ(camera.y, 0.0f);
    camera.aimCamera(700.0f);
    EXPECT_EQ(camera.targetY, 0);
}

TEST(CameraTest, ACameraWithinOneUnitOfItsTargetSnapsOntoItAndStops) {
    for (const float start : {99.2f, 99.6f, 100.9f}) {
        Camera camera = LevelCamera();
        camera.y = start;
        camera.velocityY = 40.0f;
        camera.targetY = 100;
        camera.updateCamera(kStep);
        EXPECT_EQ(camera.y, 100.0f) << start;
        EXPECT_EQ(camera.velocityY, 0.0f) << start;
    }
}

TEST(CameraTest, ACameraTwoUnitsAwayDoesNotSnap) {
    Camera camera = LevelCamera();
    camera.y = 98.0f;
    camera.targetY = 100;
    camera.updateCamera(kStep);
    EXPECT_NE(camera.y, 100.0f);
    EXPECT_GT(camera.velocityY, 0.0f);
}

TEST(CameraTest, AtRestOrMovingAwayTheCameraAcceleratesTowardTheTarget) {
    Camera camera = LevelCamera();
    camera.targetY = 300;
    camera.updateCamera(kStep);
    EXPECT_FLOAT_EQ(camera.velocityY, 20.0f);
    EXPECT_FLOAT_EQ(camera.y, 20.0f * kStep);

    Camera away = LevelCamera();
    away.y = 100.0f;
    away.velocityY = -100.0f;
    away.targetY = 300;
    away.updateCamera(kStep);
    EXPECT_FLOAT_EQ(away.velocityY, -80.0f);
}

TEST(CameraTest, FarFromTheTargetTheCameraKeepsAccelerating) {
    Camera camera = LevelCamera();
    camera.velocityY = 200.0f;
    camera.targetY = 100;
    camera.updateCamera(kStep);
    EXPECT_FLOAT_EQ(camera.velocityY, 220.0f);
}

TEST(CameraTest, InTheBrakingZoneTheCameraSlowsAtHalfTheAcceleration) {
    Camera camera = LevelCamera();
    camera.velocityY = 800.0f;
    camera.targetY = 100;
    camera.updateCamera(kStep);
    EXPECT_FLOAT_EQ(camera.velocityY, 790.0f);
    EXPECT_FLOAT_EQ(camera.y, 790.0f * kStep);
}

TEST(CameraTest, ATargetReachedWithinTheStepIsTakenAtOnce) {
    Camera camera = LevelCamera();
    camera.velocityY = 10000.0f;
    camera.targetY = 100;
    camera.updateCamera(kStep);
    EXPECT_EQ(camera.y, 100.0f);
    EXPECT_EQ(camera.velocityY, 0.0f);
}

TEST(CameraTest, AFollowingCameraArrivesAndComesToRest) {
    Camera camera = LevelCamera();
    camera.targetY = 600;
    int frames = 0;
    while ((camera.y != 600.0f || camera.velocityY != 0.0f) && frames < 1000) {
        camera.updateCamera(kStep);
        ASSERT_LE(camera.y, 900.0f);
        ++frames;
    }
    EXPECT_LT(frames, 1000);
    EXPECT_EQ(camera.y, 600.0f);
}

TEST(CameraTest, WithoutAccelerationTheCameraStaysAndNothingBecomesNaN) {
    Camera camera = LevelCamera(0.0f);
    camera.targetY = 400;
    camera.updateCamera(kStep);
    EXPECT_EQ(camera.y, 0.0f);
    EXPECT_FALSE(std::isnan(camera.velocityY));
}

TEST(CameraTest, TheFrogIsOnScreenFromOneToFiveHundredNinetyNineUnitsAboveTheCamera) {
    Camera camera = LevelCamera();
    camera.y = 99.6f;
    EXPECT_FALSE(camera.isFrogOnScreen(100.4f));
    EXPECT_TRUE(camera.isFrogOnScreen(100.5f));
    EXPECT_TRUE(camera.isFrogOnScreen(699.0f));
    EXPECT_FALSE(camera.isFrogOnScreen(699.5f));
    EXPECT_FALSE(camera.isFrogOnScreen(-50.0f));
}

} // namespace
