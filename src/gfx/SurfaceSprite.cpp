#include "gfx/SurfaceSprite.h"

#include "core/Log.h"
#include "gfx/DirectDraw.h"
#include "gfx/SpriteManager.h"
#include "platform/DisplaySurface.h"

namespace {

constexpr const char* kSourceFile = ".\\SurfaceSprite";

} // namespace

bool SurfaceSprite::Create(std::unique_ptr<Image> picture, int pictureWidth, int pictureHeight,
                           int x, int y, bool crop) {
    if (!picture)
        return false;
    if (crop) {
        if (x != 0 || y != 0)
            // Kept as written: logs and their readers rely on this exact line.
            Log("Image offset supplied for croped sprite. Is that what you want?\n");
        const InclusiveRect box = Singleton<ImageUtil>::Instance().BoundingBox(*picture);
        picture = CopyPart(*picture, box);
        if (!picture)
            return false;
        offsetX = box.left;
        offsetY = box.top;
        pictureWidth = box.Width();
        pictureHeight = box.Height();
        x = 0;
        y = 0;
    }
    image = std::move(picture);
    imageX = x;
    imageY = y;
    width = pictureWidth;
    height = pictureHeight;
    if (!surface.Create(width, height)) {
        Log("Failed to create sprite surface.\n");
        return false;
    }
    // A surface lost meanwhile is filled again when it is restored.
    return surface.SetPixels(*image, imageX, imageY) || surface.Get()->isLost();
}

void SurfaceSprite::Render(const RenderParams& params) {
    surface.Draw(params, offsetX, offsetY);
}

void SurfaceSprite::Restore() {
    const platform::DisplayResult result = surface.Restore();
    if (result == platform::dd::Ok) {
        SetPixels(imageX, imageY);
        return;
    }
    Singleton<DirectDraw>::Instance().LogIfFailed(result, kSourceFile, __LINE__);
    Singleton<SpriteManager>::Instance().ReportInvalidSprite(this);
}

void SurfaceSprite::SetPixelsRect(int x, int y, const InclusiveRect& rect) {
    if (image)
        surface.SetPixelsRect(*image, x, y, rect);
}

void SurfaceSprite::SetPixels(int x, int y) {
    if (image)
        surface.SetPixels(*image, x, y);
}
