#include "gfx/FrameSignature.h"

#include "gfx/Image.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using platform::BlitKey;
using platform::DisplaySurface;
using platform::Rect;

DisplaySurface Surface(int width, int height) {
    return DisplaySurface(width, height, platform::SurfaceFormat::ForDepth(16), nullptr);
}

// Counts what it hears.
class Listener final : public DrawRecorder {
  public:
    void Copy(const DisplaySurface&, const DisplaySurface&, const Rect& from, const Rect& to,
              BlitKey) override {
        copies.push_back({from, to});
    }
    void Blend(const DisplaySurface&, const Image&, const Image&, int, int, const Rect&) override {
        ++blends;
    }
    void Darken(const DisplaySurface&, const Image&, int, int, const Rect&) override { ++darkens; }

    std::vector<std::pair<Rect, Rect>> copies;
    int blends = 0;
    int darkens = 0;
};

class FrameSignatureTest : public ::testing::Test {
  protected:
    // The frame of a sprite at `x` over the whole background.
    void DrawFrame(int x) {
        signature.Copy(screen, background, {0, 0, 8, 8}, {0, 0, 8, 8}, BlitKey::Opaque);
        signature.Copy(screen, sprite, {0, 0, 2, 2}, {x, 1, x + 2, 3}, BlitKey::SourceColorKey);
        signature.Blend(screen, picture, alpha, 0, 0, {x, 4, x + 2, 6});
        signature.Darken(screen, mask, 0, 0, {x, 6, x + 2, 8});
    }

    FrameSignature signature;
    DisplaySurface screen = Surface(8, 8);
    DisplaySurface background = Surface(8, 8);
    DisplaySurface sprite = Surface(2, 2);
    Image picture;
    Image alpha;
    Image mask;
};

TEST_F(FrameSignatureTest, TheSameDrawsAgainMakeAnUnchangedFrame) {
    DrawFrame(1);
    EXPECT_TRUE(signature.EndFrame()) << "nothing was shown before the first frame";
    DrawFrame(1);
    EXPECT_FALSE(signature.EndFrame());
    EXPECT_TRUE(signature.EndFrame()) << "a frame without draws after one with them";
    EXPECT_FALSE(signature.EndFrame()) << "a frame without draws after one without draws";
}

TEST_F(FrameSignatureTest, AnythingMovedOrRedrawnChangesTheFrame) {
    DrawFrame(1);
    signature.EndFrame();
    DrawFrame(2);
    EXPECT_TRUE(signature.EndFrame()) << "the sprite moved";

    DrawFrame(2);
    signature.EndFrame();
    platform::SurfaceDescription locked;
    ASSERT_EQ(sprite.lock(nullptr, locked), platform::dd::Ok);
    ASSERT_EQ(sprite.unlock(), platform::dd::Ok);
    DrawFrame(2);
    EXPECT_TRUE(signature.EndFrame()) << "the sprite's surface shows another animation frame";

    DrawFrame(2);
    signature.EndFrame();
    signature.Copy(screen, background, {0, 0, 8, 8}, {0, 0, 8, 8}, BlitKey::Opaque);
    EXPECT_TRUE(signature.EndFrame()) << "fewer draws";

    DrawFrame(2);
    signature.EndFrame();
    DisplaySurface fade = Surface(8, 8);
    signature.Copy(fade, background, {0, 0, 8, 8}, {0, 0, 8, 8}, BlitKey::Opaque);
    signature.Copy(screen, sprite, {0, 0, 2, 2}, {2, 1, 4, 3}, BlitKey::SourceColorKey);
    signature.Blend(screen, picture, alpha, 0, 0, {2, 4, 4, 6});
    signature.Darken(screen, mask, 0, 0, {2, 6, 4, 8});
    EXPECT_TRUE(signature.EndFrame()) << "the same draws into another surface";
}

TEST_F(FrameSignatureTest, EveryDrawReachesTheListenerWhileOneIsSet) {
    Listener listener;
    signature.SetListener(&listener);
    DrawFrame(3);
    ASSERT_EQ(listener.copies.size(), 2u);
    EXPECT_EQ(listener.copies[1].second.left, 3);
    EXPECT_EQ(listener.blends, 1);
    EXPECT_EQ(listener.darkens, 1);
    signature.SetListener(nullptr);
    DrawFrame(3);
    EXPECT_EQ(listener.copies.size(), 2u);
}

} // namespace
