#pragma once

#include "gfx/InclusiveRect.h"
#include "gfx/RenderParams.h"
#include "platform/DisplayResult.h"
#include "platform/DisplaySurface.h"

#include <memory>

class Image;

// One off-screen display surface with black as its source colour key.
class Surface {
  public:
    Surface() = default;
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    bool Create(int width, int height);
    // Copies the surface's size of pixels from `image`, starting at (x, y) there. False when
    // nothing was copied.
    bool SetPixels(const Image& image, int x, int y);
    // Refreshes the surface rows rect.top to rect.bottom only; rect.left counts bytes.
    bool SetPixelsRect(const Image& image, int x, int y, const InclusiveRect& rect);
    // Decodes the run-length stream of `image` into the surface.
    bool SetPixelsRLE(const Image& image);
    platform::DisplayResult Restore();

    // Draws the surface into the display's drawing target as `params` asks, the crop offset
    // added to the position. A lost surface is handed to the sprite manager, any other failure
    // logged; the display's answer is returned.
    platform::DisplayResult Draw(const RenderParams& params, int offsetX, int offsetY) const;

    // Null until created.
    platform::DisplaySurface* Get() const { return surface.get(); }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

  private:
    void Release();
    bool Lock(platform::SurfaceDescription& locked, const char* failure);
    bool Unlock(const char* failure);
    static bool AnswerSetPixels(platform::DisplayResult result, const char* failure);
    platform::DisplayResult DrawStretched(platform::DisplaySurface& target,
                                          const RenderParams& params, int offsetX, int offsetY,
                                          platform::BlitKey key) const;
    platform::DisplayResult DrawAt(platform::DisplaySurface& target, const RenderParams& params,
                                   int offsetX, int offsetY, platform::BlitKey key) const;
    void Record(platform::DisplayResult result, const platform::DisplaySurface& target,
                const platform::Rect& from, const platform::Rect& to, platform::BlitKey key) const;
    static void LogInvalidRect(const InclusiveRect& source);
    static void LogRect(const InclusiveRect& rect);
    static platform::DisplayResult Answer(platform::DisplayResult result);

    std::unique_ptr<platform::DisplaySurface> surface;
    int width = 0;
    int height = 0;
};
