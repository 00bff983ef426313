#pragma once

#include "core/ScreenSize.h"
#include "gfx/ImageUtil.h"
#include "gfx/InclusiveRect.h"
#include "gfx/RenderParams.h"

#include <memory>

// Something that draws itself into the display's current drawing target. Rectangles are
// inclusive.
class Sprite {
  public:
    static constexpr int kScreenRight = ScreenSize::kWidth - 1;
    static constexpr int kScreenBottom = ScreenSize::kHeight - 1;

    Sprite() = default;
    virtual ~Sprite() = default;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    virtual int GetNumFrames() const = 0;
    virtual void Render(const RenderParams& params) = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    // Brings the sprite's display surface back after a loss.
    virtual void Restore() {}

    void Draw(int x, int y);
    void DrawCentered(int x, int y);
    void DrawScaled(int x, int y, int w, int h);
    void DrawPart(const InclusiveRect& source, int x, int y);
    void DrawPartScaled(const InclusiveRect& source, const InclusiveRect& destination);

    // Cuts `source` so that drawing it at (x, y) stays on the part of the screen that the next
    // present shows; false when nothing wider or taller than one pixel is left.
    static bool ClipToScreen(int& x, int& y, InclusiveRect& source);
    // Cuts `destination` to the screen and `source` in proportion; false when no source is left.
    static bool ClipScaled(InclusiveRect& destination, InclusiveRect& source);

    // Used by the animated kinds only; the drawing object sets `time` before each draw.
    float duration = 0.0f;
    float time = 0.0f;

    // Cuts `source` to the sprite's own width x height pixels, moving (x, y) along; false when
    // nothing is left. Software draws read their pictures directly and must not leave them.
    static bool ClipToSprite(int& x, int& y, InclusiveRect& source, int width, int height);
    // A copy of the `part` of `image` (16-, 32- or 8-bit); null, with a log line, when it cannot
    // be made.
    static std::unique_ptr<Image> CopyPart(const Image& image, const InclusiveRect& part);

    // The part of a `width` x `height` sprite that `params` asks for.
    static InclusiveRect SourceRect(const RenderParams& params, int width, int height);
    // The top-left corner the request puts a `width` x `height` sprite at, before cropping.
    static void Position(const RenderParams& params, int width, int height, int& x, int& y);
    // Where an unscaled software draw lands: the requested part of the sprite and its screen
    // corner after the crop offset, cut to the sprite and to the screen; false when nothing is
    // left.
    static bool PlaceUnscaled(const RenderParams& params, int width, int height, int offsetX,
                              int offsetY, int& x, int& y, InclusiveRect& source);
};
