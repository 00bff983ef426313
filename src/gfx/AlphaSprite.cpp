#include "gfx/AlphaSprite.h"

#include "app/Log.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char* kSourceFile = ".\\AlphaSprite";

using platform::DisplayResult;

struct Channels {
    std::uint32_t redMask, greenMask, blueMask;
    int redShift, greenShift, blueShift;
};

Channels ScreenChannels() {
    const DirectDraw& display = Singleton<DirectDraw>::Instance();
    return {display.GetRedMask(),  display.GetGreenMask(),  display.GetBlueMask(),
            display.GetRedShift(), display.GetGreenShift(), display.GetBlueShift()};
}

ImageUtil::Rect Union(const ImageUtil::Rect& a, const ImageUtil::Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// d + ((s - d) * a >> 8) for one channel; the shift is arithmetic, so negative steps round down.
inline std::uint32_t BlendChannel(std::uint32_t source, std::uint32_t target, std::uint32_t mask,
                                  int shift, int alpha) {
    const int s = static_cast<int>((source & mask) >> shift);
    const int d = static_cast<int>((target & mask) >> shift);
    return static_cast<std::uint32_t>(d + (((s - d) * alpha) >> 8)) << shift;
}

// One row: `alpha` 0 keeps the target, 255 takes the picture's pixel, anything between mixes.
template <typename Pixel>
void BlendRow(const Pixel* source, const std::uint8_t* alpha, Pixel* target, int count,
              const Channels& c) {
    for (int i = 0; i < count; ++i) {
        const int a = alpha[i];
        if (a == 0)
            continue;
        if (a == 255) {
            target[i] = source[i];
            continue;
        }
        const std::uint32_t s = source[i];
        const std::uint32_t d = target[i];
        target[i] = static_cast<Pixel>(BlendChannel(s, d, c.redMask, c.redShift, a) |
                                       BlendChannel(s, d, c.greenMask, c.greenShift, a) |
                                       BlendChannel(s, d, c.blueMask, c.blueShift, a));
    }
}

template <typename Pixel>
void BlendRows(const Image& image, const Image& alpha, std::size_t firstIndex,
               const platform::SurfaceDescription& locked, int columns, int rows) {
    const Pixel* pixels = reinterpret_cast<const Pixel*>(image.GetData());
    const std::uint8_t* weights = alpha.GetData();
    const std::size_t stride = static_cast<std::size_t>(image.GetWidth());
    const Channels channels = ScreenChannels();
    for (int row = 0; row < rows; ++row) {
        const std::size_t index = firstIndex + row * stride;
        Pixel* target =
            reinterpret_cast<Pixel*>(locked.bits + static_cast<std::size_t>(row) * locked.pitch);
        BlendRow<Pixel>(pixels + index, weights + index, target, columns, channels);
    }
}

} // namespace

bool AlphaSprite::Create(std::unique_ptr<Image> picture, std::unique_ptr<Image> alphaMap,
                         int pictureWidth, int pictureHeight, int x, int y, bool crop) {
    if (!picture || !alphaMap)
        return false;
    if (picture->GetWidth() != alphaMap->GetWidth() ||
        picture->GetHeight() != alphaMap->GetHeight()) {
        EndProgram("image and alpha map sizes do not match.\n");
        return false;
    }
    if (picture->BytesPerPixel() != 2 && picture->BytesPerPixel() != 4) {
        Log("AlphaSprite::Create: a %d-bit picture is not in a screen format\n",
            picture->GetDepth());
        return false;
    }
    if (alphaMap->GetDepth() != 8 || picture->IsRle() || alphaMap->IsRle()) {
        Log("AlphaSprite::Create: the alpha map must be an 8-bit picture\n");
        return false;
    }
    if (crop) {
        if (x != 0 || y != 0)
            Log("Image offset supplied for croped sprite. Is that what you want?\n");
        const ImageUtil& util = Singleton<ImageUtil>::Instance();
        const Rect box = Union(util.BoundingBox(*picture), util.BoundingBox(*alphaMap));
        picture = CopyPart(*picture, box);
        alphaMap = CopyPart(*alphaMap, box);
        if (!picture || !alphaMap)
            return false;
        offsetX = box.left;
        offsetY = box.top;
        pictureWidth = box.Width();
        pictureHeight = box.Height();
        x = 0;
        y = 0;
    }
    if (x < 0 || y < 0 || pictureWidth < 1 || pictureHeight < 1 ||
        pictureWidth > picture->GetWidth() - x || pictureHeight > picture->GetHeight() - y) {
        Log("Invalid image offset supplied.\n");
        return false;
    }
    image = std::move(picture);
    alpha = std::move(alphaMap);
    imageX = x;
    imageY = y;
    width = pictureWidth;
    height = pictureHeight;
    return true;
}

void AlphaSprite::Render(const RenderParams& params) {
    if (params.flags & RP_DST_SIZE) {
        EndProgram("Scaled blit not supported by alpha sprites.\n");
        return;
    }
    if (!image)
        return;
    Rect source;
    int x = 0;
    int y = 0;
    if (PlaceUnscaled(params, width, height, offsetX, offsetY, x, y, source))
        Blend(x, y, source);
}

void AlphaSprite::Blend(int x, int y, const Rect& source) {
    if (image->GetWidth() != alpha->GetWidth() || image->GetHeight() != alpha->GetHeight()) {
        Log("diffuse and alpha image sizes do not match.\n Skipping rendering.\n");
        return;
    }
    const DirectDraw& display = Singleton<DirectDraw>::Instance();
    platform::DisplaySurface* target = display.GetDrawTarget();
    if (!target)
        return;
    const int columns = source.Width();
    const int rows = source.Height();
    const platform::Rect area{x, y, x + columns, y + rows};
    platform::SurfaceDescription locked;
    if (!Answer(target->lock(&area, locked), __LINE__))
        return;
    const std::size_t firstIndex =
        static_cast<std::size_t>(imageY + source.top) * image->GetWidth() +
        static_cast<std::size_t>(imageX + source.left);
    const int depth = locked.format.bitsPerPixel;
    if (depth == 16 && image->GetDepth() == 16)
        BlendRows<std::uint16_t>(*image, *alpha, firstIndex, locked, columns, rows);
    else if (depth == 32 && image->GetDepth() == 32)
        BlendRows<std::uint32_t>(*image, *alpha, firstIndex, locked, columns, rows);
    else
        EndProgram("Invalid screen directDraw screendepth.\n");
    Answer(target->unlock(), __LINE__);
}

bool AlphaSprite::Answer(DisplayResult result, int line) {
    if (result == platform::dd::SurfaceLost) {
        Singleton<SpriteManager>::Instance().SetLostSurfaces();
    } else if (result != platform::dd::Ok) {
        Singleton<DirectDraw>::Instance().CheckResult(result, kSourceFile, line);
        Singleton<SpriteManager>::Instance().ReportInvalidSprite(this);
    }
    return result == platform::dd::Ok;
}
