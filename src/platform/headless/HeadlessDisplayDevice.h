#pragma once

#include "platform/DisplayDevice.h"
#include "platform/ShownFrame.h"

#include <map>
#include <memory>

namespace platform {

// A display without a screen: the last picture shown is kept for screenshots, the desktop
// depth is whatever the run asks for, and any call can be made to fail once.
class HeadlessDisplayDevice final : public DisplayDevice {
  public:
    static constexpr int kDefaultDesktopDepth = 32;

    int desktopDepth() const override { return desktop; }
    void setDesktopDepth(int depth) { desktop = depth; }

    // The next `times` calls of `call` answer `result` instead of doing their work.
    void refuseNext(DisplayCall call, DisplayResult result, int times = 1) {
        refusals[call] = {result, times};
    }

    // The primary as last shown, or null before the first picture.
    const DisplaySurface* lastFrame() const { return shown ? shown->picture() : nullptr; }
    int framesShown() const { return shownCount; }

  protected:
    DisplayResult refusal(DisplayCall call) override;
    DisplayResult openOutput() override { return dd::Ok; }
    void showFullscreen(bool) override {}
    DisplayResult prepareOutput(int, int) override { return dd::Ok; }
    void show(const DisplaySurface& primary) override;
    void replacingShown() override;
    void closeOutput() override {}

  private:
    int desktop = kDefaultDesktopDepth;
    struct Refusal {
        DisplayResult result;
        int remaining;
    };
    std::map<DisplayCall, Refusal> refusals;
    std::shared_ptr<ShownFrame> shown;
    int shownCount = 0;
};

} // namespace platform
