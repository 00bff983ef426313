#pragma once

#include "core/ScreenSize.h"
#include "core/Singleton.h"
#include "gfx/FrameSignature.h"
#include "platform/DisplayResult.h"
#include "platform/Rect.h"

#include <cstdint>
#include <memory>

namespace platform {
class DisplayDevice;
class DisplaySurface;
class Window;
} // namespace platform

// The display: the three buffers (the visible primary, the back buffer every frame is drawn
// into, the fade buffer that collects the next screen during a transition), the screen's pixel
// format for the image converters, presentation and the screen transitions.
class DirectDraw {
  public:
    enum FadeEffect { FadeZoom = 0, FadeSlideFromRight = 1, FadeSlideFromLeft = 2 };

    bool Init(platform::Window& window, int width, int height, int depth, bool fullscreen);
    // The transition moves on by `seconds` at this frame's present. Told before the frame is
    // drawn, so that the draws know what that present will show.
    void SetComingFadeStep(float seconds) { comingFadeStep = seconds; }
    // Adds the coming step to `fadeTime`, composes a running transition and shows the frame.
    void Present();
    // True only when the full-screen copy of the back buffer onto the primary failed.
    bool StartFade(bool zoomOnly);
    void RestoreSurfaces();
    void Shutdown();

    // True for a failure, which it logs with `sourceFile` and `line`; false for success.
    bool LogIfFailed(platform::DisplayResult result, const char* sourceFile, int line) const;

    bool IsInitialised() const { return initialised; }
    bool IsFullscreen() const { return fullscreen; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetDepth() const { return depth; }
    int GetDesktopDepth() const { return desktopDepth; }

    uint32_t GetRedMask() const { return redMask; }
    uint32_t GetGreenMask() const { return greenMask; }
    uint32_t GetBlueMask() const { return blueMask; }
    int GetRedShift() const { return redShift; }
    int GetGreenShift() const { return greenShift; }
    int GetBlueShift() const { return blueShift; }
    int GetRedIndex() const { return redIndex; }
    int GetGreenIndex() const { return greenIndex; }
    int GetBlueIndex() const { return blueIndex; }
    int GetPadIndex() const { return padIndex; }

    bool IsFading() const { return fading; }
    // The part of the draw target that this frame's present shows: all of it, except during a
    // transition, which shows only part of the new screen. Draws leave out the rest.
    platform::Rect ShownArea() const;
    int GetFadeEffect() const { return fadeEffect; }
    float GetFadeDuration() const { return fadeDuration; }

    // Where sprites draw: the fade buffer while a transition runs, else the back buffer.
    // Null before `Init`.
    platform::DisplaySurface* GetDrawTarget() const;
    platform::DisplaySurface* GetPrimary() const { return primary.get(); }
    platform::DisplaySurface* GetBackBuffer() const { return backBuffer.get(); }
    platform::DisplaySurface* GetFadeBuffer() const { return fadeBuffer.get(); }
    // The device that makes the sprites' surfaces; null before `Init` and after `Shutdown`.
    platform::DisplayDevice* GetDisplay() const { return display; }

    // Every draw into a surface reports here once it is done.
    DrawRecorder& Draws() { return signature; }
    // Null, as in the game, or a benchmark's listener that hears every draw as well.
    void SetDrawRecorder(DrawRecorder* listener) { signature.SetListener(listener); }

    float fadeTime = 0.0f;

  private:
    friend class Singleton<DirectDraw>;
    DirectDraw();
    ~DirectDraw();

    bool Fail(platform::DisplayResult result, int line, const char* messageBoxText);
    bool CreateFlippingChain();
    bool CreateWindowedBuffers();
    void AnalysePixelFormat();
    // The part of the new screen that a transition shows at `progress`.
    platform::Rect FadeSource(float progress) const;
    void ComposeFade(float progress);
    void Flip();
    void ShowWindowed();
    void OnSurfacesLost();
    // A whole-buffer copy or a transition's stretch; null areas are whole surfaces.
    platform::DisplayResult CopyBuffer(platform::DisplaySurface& target, const platform::Rect* to,
                                       const platform::DisplaySurface& source,
                                       const platform::Rect* from);

    bool initialised = false;
    int redShift = 0;
    int greenShift = 0;
    int blueShift = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    int redIndex = 0;
    int greenIndex = 0;
    int blueIndex = 0;
    int padIndex = 0;
    platform::Window* window = nullptr;
    bool fullscreen = false;
    int width = ScreenSize::kWidth;
    int height = ScreenSize::kHeight;
    int depth = 16;
    int desktopDepth = 0;
    platform::DisplayDevice* display = nullptr;
    std::unique_ptr<platform::DisplaySurface> primary;
    std::unique_ptr<platform::DisplaySurface> backBuffer;
    std::unique_ptr<platform::DisplaySurface> fadeBuffer;
    bool fading = false;
    int fadeEffect = FadeSlideFromLeft;
    float fadeDuration = 1.0f;
    float comingFadeStep = 0.0f;
    FrameSignature signature;
};
