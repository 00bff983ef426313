#include "support/HeadlessScreen.h"

#include "gfx/DirectDraw.h"

#include <gtest/gtest.h>

HeadlessScreen::HeadlessScreen(int depth) {
    platform::Platform::install(&headless);
    EXPECT_TRUE(Singleton<DirectDraw>::Instance().Init(headless.window(), 800, 600, depth, true));
}

HeadlessScreen::~HeadlessScreen() {
    Singleton<DirectDraw>::Instance().Shutdown();
    platform::Platform::install(nullptr);
}
