#include "gfx/DirectDraw.h"

#include "core/Log.h"
#include "core/Quit.h"
#include "core/ShowError.h"
#include "core/StringUtil.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplayDevice.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr const char* kSourceFile = ".\\DirectDraw";
constexpr float kFadeSeconds = 0.5f;
constexpr int kFadeEffects = 3;
// A flip that keeps failing is given up for this frame instead of holding the game.
constexpr int kFlipAttempts = 3;

using platform::BlitKey;
using platform::DisplayResult;
using platform::Rect;

// Counts the right shifts that turn `mask` into `target`; false, leaving `shift` alone, when the
// mask runs out first.
bool ShiftToTarget(uint32_t mask, uint32_t target, int& shift) {
    int shifts = 0;
    for (; mask != target; mask >>= 1, ++shifts)
        if (mask < 2)
            return false;
    shift = shifts;
    return true;
}

} // namespace

DirectDraw::DirectDraw() = default;
DirectDraw::~DirectDraw() = default;

bool DirectDraw::Init(platform::Window& mainWindow, int screenWidth, int screenHeight,
                      int screenDepth, bool fullscreenMode) {
    window = &mainWindow;
    width = screenWidth;
    height = screenHeight;
    depth = screenDepth;
    fullscreen = fullscreenMode;
    platform::DisplayDevice& device = platform::Platform::current().display();
    desktopDepth = device.desktopDepth();
    if (!fullscreen)
        depth = desktopDepth;

    if (const DisplayResult result = device.open())
        return Fail(result, __LINE__, "DirectDrawCreate FAILED");
    display = &device;
    if (const DisplayResult result = device.setCooperativeLevel(fullscreen))
        return Fail(result, __LINE__, "SetCooperativeLevel FAILED");
    if (!(fullscreen ? CreateFlippingChain() : CreateWindowedBuffers()))
        return false;
    if (const DisplayResult result = device.createSurface(width, height, fadeBuffer))
        return Fail(result, __LINE__, "CreateSurface (fadeBackbuffer) FAILED");

    for (platform::DisplaySurface* surface : {primary.get(), backBuffer.get(), fadeBuffer.get()})
        LogIfFailed(surface->fill(nullptr, 0), kSourceFile, __LINE__);
    AnalysePixelFormat();
    initialised = true;
    return true;
}

bool DirectDraw::Fail(DisplayResult result, int line, const char* messageBoxText) {
    LogIfFailed(result, kSourceFile, line);
    ShowError(messageBoxText);
    return false;
}

bool DirectDraw::CreateFlippingChain() {
    if (const DisplayResult result = display->setDisplayMode(width, height, depth))
        return Fail(result, __LINE__, "SetDisplayMode FAILED");
    if (const DisplayResult result = display->createPrimary(width, height, true, primary))
        return Fail(result, __LINE__, "CreateSurface (primary) FAILED");
    if (const DisplayResult result = display->getAttachedSurface(backBuffer))
        return Fail(result, __LINE__, "GetAttachedSurface FAILED");
    return true;
}

// The primary is the window's own picture, so no clipper is needed to keep blits inside it.
bool DirectDraw::CreateWindowedBuffers() {
    if (const DisplayResult result = display->createPrimary(width, height, false, primary))
        return Fail(result, __LINE__, "CreateSurface (primary) FAILED");
    if (const DisplayResult result = display->createSurface(width, height, backBuffer))
        return Fail(result, __LINE__, "CreateSurface (backbuffer) FAILED");
    return true;
}

void DirectDraw::AnalysePixelFormat() {
    platform::SurfaceDescription description;
    if (backBuffer->lock(nullptr, description) != platform::dd::Ok ||
        backBuffer->unlock() != platform::dd::Ok) {
        Log("Failed to compute Color Masks.\n");
        PostQuit(ExitCode::Aborted);
        return;
    }
    redMask = description.format.redMask;
    greenMask = description.format.greenMask;
    blueMask = description.format.blueMask;
    const uint32_t target = depth == 16 ? 31 : 255;
    if (!ShiftToTarget(redMask, target, redShift) ||
        !ShiftToTarget(greenMask, target, greenShift) ||
        !ShiftToTarget(blueMask, target, blueShift))
        return;
    const bool sixteenBit = depth == 16;
    redIndex = sixteenBit ? 0 : redShift / 8;
    greenIndex = sixteenBit ? 0 : greenShift / 8;
    blueIndex = sixteenBit ? 0 : blueShift / 8;
    padIndex = sixteenBit ? 0 : 3;
    Log("color shift: %d %d %d\n", redShift, greenShift, blueShift);
    Log("color indices: %d %d %d %d\n", redIndex, greenIndex, blueIndex, padIndex);
}

void DirectDraw::Present() {
    fadeTime += comingFadeStep;
    comingFadeStep = 0.0f;
    if (!initialised)
        return;
    const bool transition = fading;
    if (fading) {
        const float progress = fadeTime / fadeDuration;
        if (progress > 1.0f)
            fading = false;
        ComposeFade(progress);
    }
    // A still screen, such as the title menu, need not be shown again each frame.
    display->setFrameChanged(signature.EndFrame() || transition);
    if (fullscreen)
        Flip();
    else
        ShowWindowed();
}

platform::Rect DirectDraw::FadeSource(float progress) const {
    const int w = width;
    const int h = height;
    switch (fadeEffect) {
    case FadeZoom: {
        const float remaining = 1.0f - progress;
        const int dx = std::clamp(static_cast<int>(remaining * w * 0.5), 0, w / 2 - 1);
        const int dy = std::clamp(static_cast<int>(remaining * h * 0.5), 0, h / 2 - 1);
        return {dx, dy, w - dx, h - dy};
    }
    case FadeSlideFromRight: {
        const int shown = static_cast<int>(std::clamp(std::sqrt(progress) * w, 1.0f, float(w)));
        return {0, 0, shown, h};
    }
    default: {
        const float shown = std::clamp(std::sqrt(progress) * w, 1.0f, float(w));
        const int hidden = static_cast<int>(w - shown);
        return {hidden, 0, w, h};
    }
    }
}

Rect DirectDraw::ShownArea() const {
    if (!fading)
        return {0, 0, width, height};
    return FadeSource((fadeTime + comingFadeStep) / fadeDuration);
}

void DirectDraw::ComposeFade(float progress) {
    const int w = width;
    const int h = height;
    const Rect source = FadeSource(progress);
    // The zoom stretches its part over the screen; a slide moves its part in from one side.
    Rect destination{0, 0, w, h};
    if (fadeEffect == FadeSlideFromRight)
        destination = {w - source.width(), 0, w, h};
    else if (fadeEffect != FadeZoom)
        destination = {0, 0, source.width(), h};
    const DisplayResult result = CopyBuffer(*backBuffer, &destination, *fadeBuffer, &source);
    // A lost buffer shows up again at the flip, which hands it on.
    if (result != platform::dd::SurfaceLost)
        LogIfFailed(result, kSourceFile, __LINE__);
}

void DirectDraw::Flip() {
    for (int attempt = 0; attempt < kFlipAttempts; ++attempt) {
        const DisplayResult result = display->flip(*primary, *backBuffer);
        if (result == platform::dd::SurfaceLost) {
            OnSurfacesLost();
            return;
        }
        if (!LogIfFailed(result, kSourceFile, __LINE__))
            return;
    }
}

void DirectDraw::ShowWindowed() {
    const Rect client{0, 0, primary->width(), primary->height()};
    const Rect whole{0, 0, width, height};
    DisplayResult result = CopyBuffer(*primary, &client, *backBuffer, &whole);
    if (result == platform::dd::Ok)
        result = display->present(*primary);
    if (result == platform::dd::SurfaceLost)
        OnSurfacesLost();
    else
        LogIfFailed(result, kSourceFile, __LINE__);
}

DisplayResult DirectDraw::CopyBuffer(platform::DisplaySurface& target, const Rect* to,
                                     const platform::DisplaySurface& source, const Rect* from) {
    const DisplayResult result = target.blit(to, source, from, BlitKey::Opaque);
    if (result == platform::dd::Ok)
        signature.Copy(target, source, from ? *from : Rect{0, 0, source.width(), source.height()},
                       to ? *to : Rect{0, 0, target.width(), target.height()}, BlitKey::Opaque);
    return result;
}

// The buffers come back with every sprite's surface at the next main-loop turn.
void DirectDraw::OnSurfacesLost() {
    Singleton<SpriteManager>::Instance().SetLostSurfaces();
}

bool DirectDraw::StartFade(bool zoomOnly) {
    fading = true;
    fadeEffect = zoomOnly ? FadeZoom : std::rand() % kFadeEffects;
    fadeTime = 0.0f;
    fadeDuration = kFadeSeconds;
    if (!fullscreen || !primary || !backBuffer)
        return false;
    return LogIfFailed(CopyBuffer(*primary, nullptr, *backBuffer, nullptr), kSourceFile, __LINE__);
}

void DirectDraw::RestoreSurfaces() {
    for (platform::DisplaySurface* surface : {primary.get(), backBuffer.get(), fadeBuffer.get()})
        if (surface)
            LogIfFailed(surface->restore(), kSourceFile, __LINE__);
}

void DirectDraw::Shutdown() {
    initialised = false;
    Log("Releasing FadeBuffer.\n");
    fadeBuffer.reset();
    Log("Releasing BackBuffer.\n");
    backBuffer.reset();
    Log("Releasing Primary.\n");
    primary.reset();
    // The stand-in display has a single interface; the line stays for the log's readers.
    Log("Releasing DD2.\n");
    Log("Releasing DD.\n");
    if (display)
        display->close();
    display = nullptr;
}

bool DirectDraw::LogIfFailed(DisplayResult result, const char* sourceFile, int line) const {
    if (result == platform::dd::Ok)
        return false;
    const char* name = platform::DisplayResultName(result);
    const std::string text = name ? name : StringUtil::Format("Unknown error (%x)", result);
    Log("DirectX Error (%x) in file %s in line %d: \"%s\"\n", result, sourceFile, line,
        text.c_str());
    return true;
}

platform::DisplaySurface* DirectDraw::GetDrawTarget() const {
    return fading ? fadeBuffer.get() : backBuffer.get();
}
