#pragma once

#include "platform/DisplayResult.h"
#include "platform/DisplaySurface.h"

#include <memory>

namespace platform {

// The calls a backend may refuse before doing anything, as a display driver can.
enum class DisplayCall {
    Open,
    CooperativeLevel,
    DisplayMode,
    CreatePrimary,
    AttachedSurface,
    CreateSurface,
    Flip,
    Present
};

// The display of the main window. Surfaces are memory in the screen's format; the backend only
// shows the primary surface, whole, whenever it is flipped or presented. Full-screen mode makes
// the primary a flipping chain with one back buffer; the windowed mode gives a single primary
// surface that the caller draws onto.
class DisplayDevice {
  public:
    DisplayDevice();
    virtual ~DisplayDevice();
    DisplayDevice(const DisplayDevice&) = delete;
    DisplayDevice& operator=(const DisplayDevice&) = delete;

    // Bits per pixel of the desktop.
    virtual int desktopDepth() const = 0;

    DisplayResult open();
    DisplayResult setCooperativeLevel(bool fullscreen);
    DisplayResult setDisplayMode(int width, int height, int depth);
    // A flipping chain needs full-screen mode; its back buffer is then taken with
    // `getAttachedSurface`.
    DisplayResult createPrimary(int width, int height, bool flipping,
                                std::unique_ptr<DisplaySurface>& out);
    DisplayResult getAttachedSurface(std::unique_ptr<DisplaySurface>& out);
    DisplayResult createSurface(int width, int height, std::unique_ptr<DisplaySurface>& out);
    // Swaps the chain's two buffers and shows the new front.
    DisplayResult flip(DisplaySurface& primary, DisplaySurface& backBuffer);
    // Shows a windowed primary after drawing onto it.
    DisplayResult present(const DisplaySurface& primary);
    void close();

    // Every surface made so far is lost until it is restored, as after a device reset.
    void loseSurfaces() { ++losses->count; }

    bool isOpen() const { return opened; }
    // Whether the next frame shown differs from the one shown before; a backend may leave an
    // unchanged one out.
    void setFrameChanged(bool changed) { frameChanged = changed; }
    // Whole-number scaling with sharp pixels wherever the output is large enough, instead of
    // smooth scaling to fill it. Only a real window has a say.
    virtual void setCrispScaling(bool) {}
    // How the player wants the game shown: full screen, or a window of the given size (0 keeps
    // the picture's size). Before the output opens it is how it opens; after, it applies at once.
    virtual void chooseView(bool /*fullscreen*/, int /*windowWidth*/, int /*windowHeight*/) {}
    // Frames shown in step with the display's refresh; false when the output cannot do that.
    virtual bool setVsync(bool on) { return on; }
    // Bits per pixel of the surfaces made now: the display mode's in full screen, else the
    // desktop's.
    int surfaceDepth() const { return exclusive ? modeDepth : desktopDepth(); }

  protected:
    // Dd::Ok lets the call go on; anything else is its answer.
    virtual DisplayResult refusal(DisplayCall) { return dd::Ok; }
    virtual DisplayResult openOutput() = 0;
    virtual void showFullscreen(bool fullscreen) = 0;
    // The primary is about to be made with this size.
    virtual DisplayResult prepareOutput(int width, int height) = 0;
    virtual void show(const DisplaySurface& primary) = 0;
    // A flip is about to swap the shown picture's pixels away for the next one's.
    virtual void replacingShown() {}
    virtual void closeOutput() = 0;
    bool isFrameChanged() const { return frameChanged; }

  private:
    DisplayResult makeSurface(int width, int height, std::unique_ptr<DisplaySurface>& out) const;

    std::shared_ptr<SurfaceLosses> losses;
    bool opened = false;
    bool exclusive = false;
    bool frameChanged = true;
    int modeDepth = 0;
    std::unique_ptr<DisplaySurface> attachedBackBuffer;
    // Compared only, never followed: the chain's buffers belong to the caller.
    const DisplaySurface* chainFront = nullptr;
    const DisplaySurface* chainBack = nullptr;
};

} // namespace platform
