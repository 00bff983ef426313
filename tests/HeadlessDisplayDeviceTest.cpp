#include "platform/headless/HeadlessDisplayDevice.h"

#include <gtest/gtest.h>

namespace {

using platform::DisplayCall;
using platform::DisplaySurface;
namespace dd = platform::dd;

class HeadlessDisplayDeviceTest : public ::testing::Test {
  protected:
    void OpenFullscreen(int depth) {
        ASSERT_EQ(device.open(), dd::Ok);
        ASSERT_EQ(device.setCooperativeLevel(true), dd::Ok);
        ASSERT_EQ(device.setDisplayMode(8, 6, depth), dd::Ok);
        ASSERT_EQ(device.createPrimary(8, 6, true, primary), dd::Ok);
        ASSERT_EQ(device.getAttachedSurface(back), dd::Ok);
    }

    platform::HeadlessDisplayDevice device;
    std::unique_ptr<DisplaySurface> primary;
    std::unique_ptr<DisplaySurface> back;
};

TEST_F(HeadlessDisplayDeviceTest, NothingIsMadeBeforeTheDeviceIsOpen) {
    std::unique_ptr<DisplaySurface> surface;
    EXPECT_EQ(device.setCooperativeLevel(false), dd::NotInitialized);
    EXPECT_EQ(device.setDisplayMode(800, 600, 16), dd::NotInitialized);
    EXPECT_EQ(device.createPrimary(800, 600, false, surface), dd::NotInitialized);
    EXPECT_EQ(device.createSurface(8, 8, surface), dd::NotInitialized);
    EXPECT_EQ(surface, nullptr);
}

TEST_F(HeadlessDisplayDeviceTest, TheDesktopIsThirtyTwoBitsUnlessTheRunSaysOtherwise) {
    EXPECT_EQ(device.desktopDepth(), 32);
    device.setDesktopDepth(16);
    ASSERT_EQ(device.open(), dd::Ok);
    ASSERT_EQ(device.setCooperativeLevel(false), dd::Ok);
    std::unique_ptr<DisplaySurface> surface;
    ASSERT_EQ(device.createSurface(3, 3, surface), dd::Ok);
    EXPECT_EQ(surface->format().bitsPerPixel, 16);
}

TEST_F(HeadlessDisplayDeviceTest, FullScreenSurfacesTakeTheDisplayModesDepth) {
    OpenFullscreen(16);
    EXPECT_EQ(primary->format().bitsPerPixel, 16);
    EXPECT_EQ(back->format().bitsPerPixel, 16);
    std::unique_ptr<DisplaySurface> surface;
    ASSERT_EQ(device.createSurface(3, 3, surface), dd::Ok);
    EXPECT_EQ(surface->format().bitsPerPixel, 16);
}

TEST_F(HeadlessDisplayDeviceTest, ModesAndSurfacesOfImpossibleSizesOrDepthsAreRefused) {
    ASSERT_EQ(device.open(), dd::Ok);
    std::unique_ptr<DisplaySurface> surface;
    ASSERT_EQ(device.setCooperativeLevel(false), dd::Ok);
    EXPECT_EQ(device.setDisplayMode(800, 600, 16), dd::NoExclusiveMode);
    EXPECT_EQ(device.createPrimary(800, 600, true, surface), dd::NoExclusiveMode);
    ASSERT_EQ(device.setCooperativeLevel(true), dd::Ok);
    EXPECT_EQ(device.setDisplayMode(800, 600, 8), dd::InvalidMode);
    EXPECT_EQ(device.setDisplayMode(0, 600, 16), dd::InvalidMode);
    EXPECT_EQ(device.createSurface(0, 5, surface), dd::InvalidParams);
    EXPECT_EQ(device.createSurface(5, -1, surface), dd::InvalidParams);
    EXPECT_EQ(device.createSurface(16385, 1, surface), dd::InvalidParams);
    EXPECT_EQ(surface, nullptr);
    device.setDesktopDepth(8);
    ASSERT_EQ(device.setCooperativeLevel(false), dd::Ok);
    EXPECT_EQ(device.createSurface(5, 5, surface), dd::InvalidPixelFormat);
}

TEST_F(HeadlessDisplayDeviceTest, TheChainsBackBufferIsHandedOutOnce) {
    OpenFullscreen(32);
    std::unique_ptr<DisplaySurface> again;
    EXPECT_EQ(device.getAttachedSurface(again), dd::NotFound);
    EXPECT_EQ(again, nullptr);
}

TEST_F(HeadlessDisplayDeviceTest, AFlipSwapsTheBuffersAndShowsTheNewFront) {
    OpenFullscreen(16);
    primary->fill(nullptr, 0x1111);
    back->fill(nullptr, 0x2222);
    EXPECT_EQ(device.lastFrame(), nullptr);
    ASSERT_EQ(device.flip(*primary, *back), dd::Ok);
    EXPECT_EQ(primary->pixelAt(7, 5), 0x2222u);
    EXPECT_EQ(back->pixelAt(0, 0), 0x1111u);
    ASSERT_NE(device.lastFrame(), nullptr);
    EXPECT_EQ(device.lastFrame()->pixelAt(3, 3), 0x2222u);
    EXPECT_EQ(device.framesShown(), 1);
    back->fill(nullptr, 0x3333);
    EXPECT_EQ(device.lastFrame()->pixelAt(3, 3), 0x2222u) << "the kept frame is a copy";
}

// Every way the primary's pixels can change after a flip, and its end, leave the frame as shown.
TEST_F(HeadlessDisplayDeviceTest, TheShownFrameStaysAsShownWhateverHappensToThePrimaryAfterwards) {
    OpenFullscreen(32);
    back->fill(nullptr, 0x222222);
    ASSERT_EQ(device.flip(*primary, *back), dd::Ok);
    const platform::Rect corner{0, 0, 2, 2};
    ASSERT_EQ(primary->fill(&corner, 0x333333), dd::Ok);
    EXPECT_EQ(device.lastFrame()->pixelAt(0, 0), 0x222222u);
    EXPECT_EQ(primary->pixelAt(0, 0), 0x333333u);

    back->fill(nullptr, 0x444444);
    ASSERT_EQ(device.flip(*primary, *back), dd::Ok);
    EXPECT_EQ(device.lastFrame()->pixelAt(0, 0), 0x444444u) << "a flip shows the new front";
    ASSERT_EQ(primary->blit(&corner, *back, &corner, platform::BlitKey::Opaque), dd::Ok);
    EXPECT_EQ(device.lastFrame()->pixelAt(1, 1), 0x444444u);

    back->fill(nullptr, 0x555555);
    ASSERT_EQ(device.flip(*primary, *back), dd::Ok);
    platform::SurfaceDescription locked;
    ASSERT_EQ(primary->lock(nullptr, locked), dd::Ok);
    locked.bits[0] = 0x66;
    ASSERT_EQ(primary->unlock(), dd::Ok);
    EXPECT_EQ(device.lastFrame()->pixelAt(0, 0), 0x555555u);

    back->fill(nullptr, 0x777777);
    ASSERT_EQ(device.flip(*primary, *back), dd::Ok);
    primary.reset();
    ASSERT_NE(device.lastFrame(), nullptr);
    EXPECT_EQ(device.lastFrame()->pixelAt(7, 5), 0x777777u);
    EXPECT_EQ(device.framesShown(), 4);
}

TEST_F(HeadlessDisplayDeviceTest, OnlyTheChainFlipsAndOnlyWhileItIsWhole) {
    OpenFullscreen(16);
    std::unique_ptr<DisplaySurface> stranger;
    ASSERT_EQ(device.createSurface(8, 6, stranger), dd::Ok);
    EXPECT_EQ(device.flip(*primary, *stranger), dd::NotFlippable);
    EXPECT_EQ(device.flip(*back, *primary), dd::NotFlippable);
    platform::SurfaceDescription locked;
    ASSERT_EQ(back->lock(nullptr, locked), dd::Ok);
    EXPECT_EQ(device.flip(*primary, *back), dd::SurfaceBusy);
    ASSERT_EQ(back->unlock(), dd::Ok);
    device.loseSurfaces();
    EXPECT_EQ(device.flip(*primary, *back), dd::SurfaceLost);
    EXPECT_EQ(device.framesShown(), 0);
    primary->restore();
    back->restore();
    EXPECT_EQ(device.flip(*primary, *back), dd::Ok);
}

TEST_F(HeadlessDisplayDeviceTest, AWindowedPrimaryIsShownWhenPresented) {
    ASSERT_EQ(device.open(), dd::Ok);
    ASSERT_EQ(device.setCooperativeLevel(false), dd::Ok);
    ASSERT_EQ(device.createPrimary(4, 4, false, primary), dd::Ok);
    EXPECT_EQ(device.getAttachedSurface(back), dd::NotFound);
    primary->fill(nullptr, 0x00ABCDEF);
    ASSERT_EQ(device.present(*primary), dd::Ok);
    EXPECT_EQ(device.lastFrame()->pixelAt(1, 1), 0x00ABCDEFu);
    primary->fill(nullptr, 0x00123456);
    EXPECT_EQ(device.lastFrame()->pixelAt(1, 1), 0x00ABCDEFu) << "drawn, not yet presented";
    device.loseSurfaces();
    EXPECT_EQ(device.present(*primary), dd::SurfaceLost);
    EXPECT_EQ(device.framesShown(), 1);
    ASSERT_EQ(primary->restore(), dd::Ok);
    EXPECT_EQ(device.lastFrame()->pixelAt(1, 1), 0x00ABCDEFu);
    ASSERT_EQ(device.present(*primary), dd::Ok);
    EXPECT_EQ(device.lastFrame()->pixelAt(1, 1), 0u) << "a restored surface is black";
}

TEST_F(HeadlessDisplayDeviceTest, ARefusalAnswersTheNextCallOnly) {
    device.refuseNext(DisplayCall::Open, dd::Generic);
    EXPECT_EQ(device.open(), dd::Generic);
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(device.open(), dd::Ok);
    EXPECT_TRUE(device.isOpen());
    device.refuseNext(DisplayCall::CreateSurface, dd::OutOfVideoMemory);
    ASSERT_EQ(device.setCooperativeLevel(false), dd::Ok);
    std::unique_ptr<DisplaySurface> surface;
    EXPECT_EQ(device.createSurface(4, 4, surface), dd::OutOfVideoMemory);
    EXPECT_EQ(device.createSurface(4, 4, surface), dd::Ok);
}

TEST_F(HeadlessDisplayDeviceTest, ClosingEndsTheChainAndTheDevice) {
    OpenFullscreen(16);
    device.close();
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(device.flip(*primary, *back), dd::NotFlippable);
    std::unique_ptr<DisplaySurface> surface;
    EXPECT_EQ(device.createSurface(4, 4, surface), dd::NotInitialized);
}

} // namespace
