#include "platform/DisplayDevice.h"

namespace platform {

namespace {
// The largest side a surface may have; bigger requests come from broken input.
constexpr int kMaxSide = 16384;

bool IsSurfaceSize(int width, int height) {
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide;
}
} // namespace

DisplayDevice::DisplayDevice() : losses(std::make_shared<SurfaceLosses>()) {}

DisplayDevice::~DisplayDevice() = default;

DisplayResult DisplayDevice::open() {
    if (const DisplayResult refused = refusal(DisplayCall::Open))
        return refused;
    if (opened)
        return dd::Ok;
    if (const DisplayResult result = openOutput())
        return result;
    opened = true;
    return dd::Ok;
}

DisplayResult DisplayDevice::setCooperativeLevel(bool fullscreen) {
    if (!opened)
        return dd::NotInitialized;
    if (const DisplayResult refused = refusal(DisplayCall::CooperativeLevel))
        return refused;
    exclusive = fullscreen;
    modeDepth = desktopDepth();
    showFullscreen(fullscreen);
    return dd::Ok;
}

DisplayResult DisplayDevice::setDisplayMode(int width, int height, int depth) {
    if (!opened)
        return dd::NotInitialized;
    if (const DisplayResult refused = refusal(DisplayCall::DisplayMode))
        return refused;
    if (!exclusive)
        return dd::NoExclusiveMode;
    if (!IsSurfaceSize(width, height) || SurfaceFormat::ForDepth(depth).isEmpty())
        return dd::InvalidMode;
    modeDepth = depth;
    return dd::Ok;
}

DisplayResult DisplayDevice::createPrimary(int width, int height, bool flipping,
                                           std::unique_ptr<DisplaySurface>& out) {
    if (!opened)
        return dd::NotInitialized;
    if (const DisplayResult refused = refusal(DisplayCall::CreatePrimary))
        return refused;
    if (flipping && !exclusive)
        return dd::NoExclusiveMode;
    std::unique_ptr<DisplaySurface> front;
    std::unique_ptr<DisplaySurface> back;
    if (const DisplayResult result = makeSurface(width, height, front))
        return result;
    if (flipping)
        if (const DisplayResult result = makeSurface(width, height, back))
            return result;
    if (const DisplayResult result = prepareOutput(width, height))
        return result;
    chainFront = flipping ? front.get() : nullptr;
    chainBack = back.get();
    attachedBackBuffer = std::move(back);
    out = std::move(front);
    return dd::Ok;
}

DisplayResult DisplayDevice::getAttachedSurface(std::unique_ptr<DisplaySurface>& out) {
    if (const DisplayResult refused = refusal(DisplayCall::AttachedSurface))
        return refused;
    if (!attachedBackBuffer)
        return dd::NotFound;
    out = std::move(attachedBackBuffer);
    return dd::Ok;
}

DisplayResult DisplayDevice::createSurface(int width, int height,
                                           std::unique_ptr<DisplaySurface>& out) {
    if (!opened)
        return dd::NotInitialized;
    if (const DisplayResult refused = refusal(DisplayCall::CreateSurface))
        return refused;
    return makeSurface(width, height, out);
}

DisplayResult DisplayDevice::flip(DisplaySurface& primary, DisplaySurface& backBuffer) {
    if (const DisplayResult refused = refusal(DisplayCall::Flip))
        return refused;
    if (&primary != chainFront || &backBuffer != chainBack)
        return dd::NotFlippable;
    if (primary.isLost() || backBuffer.isLost())
        return dd::SurfaceLost;
    if (primary.isLocked() || backBuffer.isLocked())
        return dd::SurfaceBusy;
    replacingShown();
    primary.swapPixels(backBuffer);
    show(primary);
    return dd::Ok;
}

DisplayResult DisplayDevice::present(const DisplaySurface& primary) {
    if (!opened)
        return dd::NotInitialized;
    if (const DisplayResult refused = refusal(DisplayCall::Present))
        return refused;
    if (primary.isLost())
        return dd::SurfaceLost;
    show(primary);
    return dd::Ok;
}

void DisplayDevice::close() {
    if (opened)
        closeOutput();
    opened = false;
    exclusive = false;
    attachedBackBuffer.reset();
    chainFront = nullptr;
    chainBack = nullptr;
}

DisplayResult DisplayDevice::makeSurface(int width, int height,
                                         std::unique_ptr<DisplaySurface>& out) const {
    if (!IsSurfaceSize(width, height))
        return dd::InvalidParams;
    const SurfaceFormat format = SurfaceFormat::ForDepth(surfaceDepth());
    if (format.isEmpty())
        return dd::InvalidPixelFormat;
    out = std::make_unique<DisplaySurface>(width, height, format, losses);
    return dd::Ok;
}

} // namespace platform
