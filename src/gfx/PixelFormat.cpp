#include "gfx/PixelFormat.h"

#include "gfx/DirectDraw.h"

#include <optional>

namespace {

constexpr std::uint32_t kTop16 = 31;
constexpr std::uint32_t kTop32 = 255;
constexpr int kPadIndex = 3;

std::optional<int> ShiftToTop(std::uint32_t mask, std::uint32_t top) {
    int shift = 0;
    while (mask != top && mask >= 2) {
        mask >>= 1;
        ++shift;
    }
    if (mask != top)
        return std::nullopt;
    return shift;
}

} // namespace

PixelFormat PixelFormat::FromMasks(int depth, std::uint32_t red, std::uint32_t green,
                                   std::uint32_t blue) {
    PixelFormat format;
    format.depth = depth;
    format.redMask = red;
    format.greenMask = green;
    format.blueMask = blue;
    const std::uint32_t top = depth == 16 ? kTop16 : kTop32;
    const std::uint32_t masks[] = {red, green, blue};
    int* shifts[] = {&format.redShift, &format.greenShift, &format.blueShift};
    for (int channel = 0; channel < 3; ++channel) {
        const std::optional<int> shift = ShiftToTop(masks[channel], top);
        if (!shift)
            break;
        *shifts[channel] = *shift;
    }
    if (depth != 16) {
        format.redIndex = format.redShift / 8;
        format.greenIndex = format.greenShift / 8;
        format.blueIndex = format.blueShift / 8;
        format.padIndex = kPadIndex;
    }
    return format;
}

PixelFormat PixelFormat::Screen() {
    const DirectDraw& display = Singleton<DirectDraw>::Instance();
    PixelFormat format;
    format.depth = display.GetDepth();
    format.redMask = display.GetRedMask();
    format.greenMask = display.GetGreenMask();
    format.blueMask = display.GetBlueMask();
    format.redShift = display.GetRedShift();
    format.greenShift = display.GetGreenShift();
    format.blueShift = display.GetBlueShift();
    format.redIndex = display.GetRedIndex();
    format.greenIndex = display.GetGreenIndex();
    format.blueIndex = display.GetBlueIndex();
    format.padIndex = display.GetPadIndex();
    return format;
}
