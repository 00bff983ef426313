#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <utility>

namespace {

// The desktop window on SDL's dummy video driver, whose desktop is larger than the window.
class SdlWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(window.create("Quagleaper", 800, 600), platform::Window::Opening::Opened);
    }

    std::pair<int, int> Size() const {
        std::pair<int, int> size;
        SDL_GetWindowSize(window.handle(), &size.first, &size.second);
        return size;
    }

    platform::SdlWindow window;
};

} // namespace

TEST_F(SdlWindowTest, LeavingFullScreenGivesBackTheSizeThePlayerChose) {
    window.setFullscreen(true);
    EXPECT_TRUE(window.isFullscreen());
    window.setFullscreen(false);
    EXPECT_EQ(Size(), (std::pair{800, 600})) << "the window's first size";

    SDL_SetWindowSize(window.handle(), 640, 480);
    window.setFullscreen(true);
    EXPECT_NE(Size(), (std::pair{640, 480}));
    // Asked again while full screen, it must not take the desktop's size for the window's.
    window.setFullscreen(true);
    window.setFullscreen(false);
    EXPECT_FALSE(window.isFullscreen());
    EXPECT_EQ(Size(), (std::pair{640, 480}));
}
