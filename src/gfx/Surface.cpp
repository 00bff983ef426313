#include "gfx/Surface.h"

#include "core/Log.h"
#include "core/Quit.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplayDevice.h"
#include "platform/DisplaySurface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr const char* kSourceFile = ".\\Surface";
constexpr const char* kSetPixelsFailed = "Failed to set pixels for surface.\n";
constexpr const char* kSetPixelsRleFailed = "Failed to set pixels RLE for surface.\n";

using platform::DisplayResult;

// Where a decoded picture goes: `height` rows of `width` pixels, `pitch` bytes apart.
struct LockedRows {
    std::uint8_t* bits;
    std::size_t pitch;
    int width;
    int height;
};

bool SameBytesPerPixel(const Image& image, const platform::DisplaySurface& surface) {
    return !image.IsRle() && image.BytesPerPixel() == surface.format().bytesPerPixel();
}

// The pixels from (x, y) on that `rows` rows of `columns` pixels need all lie in `image`.
bool ImageHolds(const Image& image, int x, int y, int columns, int rows) {
    return x >= 0 && y >= 0 && columns <= image.GetWidth() - x && rows <= image.GetHeight() - y;
}

template <typename Pixel> void FillPixels(std::uint8_t* at, const std::uint8_t* value, int count) {
    Pixel pixel;
    std::memcpy(&pixel, value, sizeof(Pixel));
    Pixel* out = reinterpret_cast<Pixel*>(at);
    for (int i = 0; i < count; ++i)
        out[i] = pixel;
}

// Packets of a signed control byte, then -c literal pixels or one pixel repeated c times; runs
// go on across rows. A stream that ends early or runs past the surface stops where it is.
template <typename Pixel>
void DecodeRle(const std::uint8_t* stream, std::size_t size, const LockedRows& rows) {
    constexpr std::size_t kBytes = sizeof(Pixel);
    std::size_t read = 0;
    int x = 0;
    int y = 0;
    while (read < size && y < rows.height) {
        const int control = static_cast<std::int8_t>(stream[read++]);
        const bool literal = control < 0;
        int count = literal ? -control : control;
        const std::size_t packetBytes = literal ? count * kBytes : kBytes;
        if (count == 0 || packetBytes > size - read)
            break;
        const std::uint8_t* pixels = stream + read;
        read += packetBytes;
        while (count > 0 && y < rows.height) {
            const int span = std::min(count, rows.width - x);
            std::uint8_t* at = rows.bits + y * rows.pitch + x * kBytes;
            if (literal) {
                std::memcpy(at, pixels, span * kBytes);
                pixels += span * kBytes;
            } else {
                FillPixels<Pixel>(at, pixels, span);
            }
            count -= span;
            x += span;
            if (x == rows.width) {
                x = 0;
                ++y;
            }
        }
    }
}

} // namespace

Surface::~Surface() = default;

void Surface::Release() {
    surface.reset();
    width = 0;
    height = 0;
}

bool Surface::Create(int newWidth, int newHeight) {
    Release();
    platform::DisplayDevice* display = Singleton<DirectDraw>::Instance().GetDisplay();
    if (!display || display->createSurface(newWidth, newHeight, surface) != platform::dd::Ok ||
        !surface) {
        surface.reset();
        // Kept as written: logs and their readers rely on this exact line.
        Log("Surface::Create Could create surface.\n");
        return false;
    }
    if (surface->setColorKey(0, 0) != platform::dd::Ok) {
        Log("Surface::Create Could not SetColorKey");
        Release();
        return false;
    }
    width = newWidth;
    height = newHeight;
    return true;
}

bool Surface::SetPixels(const Image& image, int x, int y) {
    if (!surface)
        return false;
    if (!SameBytesPerPixel(image, *surface) || !ImageHolds(image, x, y, width, height)) {
        Log("Invalid image offset supplied.\n");
        return false;
    }
    platform::SurfaceDescription locked;
    if (!Lock(locked, kSetPixelsFailed))
        return false;
    const std::size_t pixelBytes = static_cast<std::size_t>(image.BytesPerPixel());
    const std::size_t imagePitch = static_cast<std::size_t>(image.GetWidth()) * pixelBytes;
    const std::uint8_t* from =
        image.GetData() + static_cast<std::size_t>(y) * imagePitch + x * pixelBytes;
    for (int row = 0; row < height; ++row)
        std::memcpy(locked.bits + static_cast<std::size_t>(row) * locked.pitch,
                    from + row * imagePitch, width * pixelBytes);
    Unlock(kSetPixelsFailed);
    return true;
}

bool Surface::SetPixelsRect(const Image& image, int x, int y, const InclusiveRect& rect) {
    if (!surface)
        return false;
    const int pixelBytes = image.BytesPerPixel();
    const int rowBytes = rect.Width() * pixelBytes;
    // The rows y + rect.top .. y + rect.bottom and the bytes rect.left .. rowBytes after column x.
    if (!SameBytesPerPixel(image, *surface) || rect.left < 0 || rect.top < 0 ||
        rect.left >= rowBytes || !ImageHolds(image, x, y + rect.top, rect.Width(), rect.Height())) {
        Log("Invalid image offset supplied.\n");
        return false;
    }
    platform::SurfaceDescription locked;
    if (!Lock(locked, kSetPixelsFailed))
        return false;
    if (rect.right >= width || rect.bottom >= height) {
        Log("destination rect does not fit to dest surface.\n");
        Unlock(kSetPixelsFailed);
        return false;
    }
    const std::size_t imagePitch = static_cast<std::size_t>(image.GetWidth()) * pixelBytes;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        const std::uint8_t* from = image.GetData() +
                                   static_cast<std::size_t>(y + row) * imagePitch +
                                   static_cast<std::size_t>(x) * pixelBytes;
        std::memcpy(locked.bits + static_cast<std::size_t>(row) * locked.pitch + rect.left,
                    from + rect.left, rowBytes - rect.left);
    }
    Unlock(kSetPixelsFailed);
    return true;
}

bool Surface::SetPixelsRLE(const Image& image) {
    if (!surface)
        return false;
    if (!image.IsRle() || image.BytesPerPixel() != surface->format().bytesPerPixel()) {
        Log("Surface::SetPixelsRLE: a %d-bit picture cannot fill a %d-bit surface\n",
            image.GetDepth(), surface->format().bitsPerPixel);
        return false;
    }
    platform::SurfaceDescription locked;
    if (!Lock(locked, kSetPixelsRleFailed))
        return false;
    const LockedRows rows{locked.bits, static_cast<std::size_t>(locked.pitch), width, height};
    if (image.BytesPerPixel() == 2)
        DecodeRle<std::uint16_t>(image.GetData(), image.GetDataSize(), rows);
    else
        DecodeRle<std::uint32_t>(image.GetData(), image.GetDataSize(), rows);
    Unlock(kSetPixelsRleFailed);
    return true;
}

bool Surface::Lock(platform::SurfaceDescription& locked, const char* failure) {
    return AnswerSetPixels(surface->lock(nullptr, locked), failure);
}

bool Surface::Unlock(const char* failure) {
    return AnswerSetPixels(surface->unlock(), failure);
}

// A lost surface is brought back at the next main-loop turn; anything else is fatal.
bool Surface::AnswerSetPixels(DisplayResult result, const char* failure) {
    if (result == platform::dd::SurfaceLost)
        Singleton<SpriteManager>::Instance().SetLostSurfaces();
    else if (result != platform::dd::Ok)
        QuitFatally("%s", failure);
    return result == platform::dd::Ok;
}

DisplayResult Surface::Restore() {
    return surface ? surface->restore() : platform::dd::Ok;
}

DisplayResult Surface::Draw(const RenderParams& params, int offsetX, int offsetY) const {
    platform::DisplaySurface* target = Singleton<DirectDraw>::Instance().GetDrawTarget();
    // Nothing to draw with or into yet is no failure of the sprite's.
    if (!surface || !target)
        return platform::dd::Ok;
    const platform::BlitKey key =
        (params.flags & RP_OPAQUE) ? platform::BlitKey::Opaque : platform::BlitKey::SourceColorKey;
    return (params.flags & RP_DST_SIZE) ? DrawStretched(*target, params, offsetX, offsetY, key)
                                        : DrawAt(*target, params, offsetX, offsetY, key);
}

DisplayResult Surface::DrawStretched(platform::DisplaySurface& target, const RenderParams& params,
                                     int offsetX, int offsetY, platform::BlitKey key) const {
    InclusiveRect source = Sprite::SourceRect(params, width, height);
    const int left = params.dstX + offsetX;
    const int top = params.dstY + offsetY;
    InclusiveRect destination{left, top, left + params.dstW - 1, top + params.dstH - 1};
    if (!Sprite::ClipScaled(destination, source))
        return platform::dd::Ok;
    const platform::Rect to = destination.ToExclusive();
    const platform::Rect from = source.ToExclusive();
    const DisplayResult result = target.blit(&to, *surface, &from, key);
    Record(result, target, from, to, key);
    if (result == platform::dd::InvalidRect) {
        LogInvalidRect(source);
        LogRect(destination);
        return result;
    }
    return Answer(result);
}

DisplayResult Surface::DrawAt(platform::DisplaySurface& target, const RenderParams& params,
                              int offsetX, int offsetY, platform::BlitKey key) const {
    InclusiveRect source = Sprite::SourceRect(params, width, height);
    int x = 0;
    int y = 0;
    Sprite::Position(params, width, height, x, y);
    x += offsetX;
    y += offsetY;
    if (!Sprite::ClipToScreen(x, y, source))
        return platform::dd::Ok;
    const platform::Rect from = source.ToExclusive();
    const DisplayResult result = target.blitFast(x, y, *surface, &from, key);
    Record(result, target, from, {x, y, x + from.width(), y + from.height()}, key);
    if (result == platform::dd::InvalidRect) {
        LogInvalidRect(source);
        Log("Dest (x %f, y %f )\n", double(x), double(y));
        return result;
    }
    return Answer(result);
}

void Surface::Record(DisplayResult result, const platform::DisplaySurface& target,
                     const platform::Rect& from, const platform::Rect& to,
                     platform::BlitKey key) const {
    if (result == platform::dd::Ok)
        Singleton<DirectDraw>::Instance().Draws().Copy(target, *surface, from, to, key);
}

void Surface::LogInvalidRect(const InclusiveRect& source) {
    Log("Invalid Rect while rendering surface Sprite.\n");
    LogRect(source);
}

void Surface::LogRect(const InclusiveRect& rect) {
    Log("Src (left %f, right %f, top %f, bottom %f )\n", double(rect.left), double(rect.right),
        double(rect.top), double(rect.bottom));
}

// A lost surface is restored at the next main-loop turn; other failures are logged.
DisplayResult Surface::Answer(DisplayResult result) {
    if (result == platform::dd::SurfaceLost)
        Singleton<SpriteManager>::Instance().SetLostSurfaces();
    else
        Singleton<DirectDraw>::Instance().LogIfFailed(result, kSourceFile, __LINE__);
    return result;
}
