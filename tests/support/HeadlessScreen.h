#pragma once

#include "platform/headless/HeadlessPlatform.h"

// The headless platform installed for one test, with the display opened full screen at
// 800 x 600 and the given depth, so that the screen format is the one the game would find.
class HeadlessScreen {
  public:
    explicit HeadlessScreen(int depth);
    ~HeadlessScreen();
    HeadlessScreen(const HeadlessScreen&) = delete;
    HeadlessScreen& operator=(const HeadlessScreen&) = delete;

    platform::HeadlessWindow& Window() { return headless.window(); }
    platform::VirtualClock& Clock() { return headless.clock(); }
    platform::HeadlessDisplayDevice& Device() { return headless.display(); }

  private:
    platform::HeadlessPlatform headless;
};
