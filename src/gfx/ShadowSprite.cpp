#include "gfx/ShadowSprite.h"

#include "core/Log.h"
#include "core/Quit.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char* kSourceFile = ".\\ShadowSprite";

using platform::DisplayResult;

// The channel bits without each channel's lowest bit, nor the bits below the channel's shift
// (green's sixth bit on 5-6-5): shifted right by one it keeps every channel's top bit clear, so
// halving never moves a bit into the neighbouring channel.
std::uint32_t HalvingKeep() {
    const DirectDraw& display = Singleton<DirectDraw>::Instance();
    const std::uint32_t masks[] = {display.GetRedMask(), display.GetGreenMask(),
                                   display.GetBlueMask()};
    const int shifts[] = {display.GetRedShift(), display.GetGreenShift(), display.GetBlueShift()};
    std::uint32_t keep = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const std::uint32_t lowBits = (std::uint32_t{2} << shifts[channel]) - 1;
        keep |= masks[channel] & ~lowBits;
    }
    return keep;
}

// The eight mask bits from `bit` on, the first in the top bit; all eight lie in the mask.
inline std::uint32_t EightBits(const std::uint8_t* maskBits, std::size_t bit) {
    const std::size_t byte = bit >> 3;
    const unsigned offset = bit & 7;
    if (offset == 0)
        return maskBits[byte];
    return ((std::uint32_t{maskBits[byte]} << 8 | maskBits[byte + 1]) >> (8 - offset)) & 0xFF;
}

template <typename Pixel> Pixel Halved(Pixel pixel, Pixel halfKeep) {
    return static_cast<Pixel>((pixel >> 1) & halfKeep);
}

// Darkens the row's pixels whose mask bit is clear; the mask's bits run on across rows, so a
// row rarely starts on a byte. Eight bits at a time, wherever they start: all set, outside the
// shape, is skipped, all clear, inside it, halves eight pixels without a test.
template <typename Pixel>
void DarkenRow(const std::uint8_t* maskBits, std::size_t firstBit, Pixel* target, int count,
               std::uint32_t keep) {
    const auto halfKeep = static_cast<Pixel>(keep >> 1);
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const std::uint32_t bits = EightBits(maskBits, firstBit + i);
        if (bits == 0xFF)
            continue;
        Pixel* eight = target + i;
        if (bits == 0) {
            for (int j = 0; j < 8; ++j)
                eight[j] = Halved(eight[j], halfKeep);
            continue;
        }
        for (int j = 0; j < 8; ++j)
            if (!(bits & (0x80u >> j)))
                eight[j] = Halved(eight[j], halfKeep);
    }
    for (; i < count; ++i) {
        const std::size_t bit = firstBit + i;
        if (!(maskBits[bit >> 3] & (0x80u >> (bit & 7))))
            target[i] = Halved(target[i], halfKeep);
    }
}

template <typename Pixel>
void DarkenRows(const Image& mask, std::size_t firstBit, const platform::SurfaceDescription& locked,
                int columns, int rows) {
    const std::uint32_t keep = HalvingKeep();
    const std::size_t stride = static_cast<std::size_t>(mask.GetWidth());
    for (int row = 0; row < rows; ++row) {
        Pixel* target =
            reinterpret_cast<Pixel*>(locked.bits + static_cast<std::size_t>(row) * locked.pitch);
        DarkenRow<Pixel>(mask.GetData(), firstBit + row * stride, target, columns, keep);
    }
}

} // namespace

bool ShadowSprite::Create(const Image& image, int pictureWidth, int pictureHeight, bool) {
    const ImageUtil& util = Singleton<ImageUtil>::Instance();
    const InclusiveRect box = util.BoundingBox(image);
    auto bits = std::make_unique<Image>();
    if (!bits->Create(box.Width(), box.Height(), 1) || !util.CopyRect(image, *bits, box, 0, 0))
        return false;
    mask = std::move(bits);
    offsetX = box.left;
    offsetY = box.top;
    width = pictureWidth;
    height = pictureHeight;
    return true;
}

void ShadowSprite::Render(const RenderParams& params) {
    if (params.flags & RP_DST_SIZE) {
        QuitFatally("Scaled blit not supported by shadow sprites.\n");
        return;
    }
    if (!mask)
        return;
    InclusiveRect source;
    int x = 0;
    int y = 0;
    if (PlaceUnscaled(params, width, height, offsetX, offsetY, x, y, source))
        Darken(x, y, source);
}

void ShadowSprite::Darken(int x, int y, const InclusiveRect& source) {
    const int columns = std::min(source.Width(), mask->GetWidth() - source.left);
    const int rows = std::min(source.Height(), mask->GetHeight() - source.top);
    if (columns < 1 || rows < 1)
        return;
    DirectDraw& display = Singleton<DirectDraw>::Instance();
    platform::DisplaySurface* target = display.GetDrawTarget();
    if (!target)
        return;
    const platform::Rect area{x, y, x + columns, y + rows};
    platform::SurfaceDescription locked;
    const DisplayResult locking = target->lock(&area, locked);
    if (locking == platform::dd::SurfaceLost) {
        Singleton<SpriteManager>::Instance().SetLostSurfaces();
        return;
    }
    if (display.LogIfFailed(locking, kSourceFile, __LINE__))
        return;
    const std::size_t firstBit =
        static_cast<std::size_t>(source.top) * mask->GetWidth() + source.left;
    if (locked.format.bitsPerPixel == 16)
        DarkenRows<std::uint16_t>(*mask, firstBit, locked, columns, rows);
    else if (locked.format.bitsPerPixel == 32)
        DarkenRows<std::uint32_t>(*mask, firstBit, locked, columns, rows);
    else
        QuitFatally("Invalid screen directDraw screendepth.\n");
    const DisplayResult unlocking = target->unlock();
    if (unlocking == platform::dd::SurfaceLost)
        Singleton<SpriteManager>::Instance().SetLostSurfaces();
    else if (unlocking != platform::dd::Ok)
        QuitFatally("Failed to unlock backbuffer.\n");
    else
        display.Draws().Darken(*target, *mask, source.left, source.top, area);
}
