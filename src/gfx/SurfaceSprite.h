#pragma once

#include "gfx/Image.h"
#include "gfx/Sprite.h"
#include "gfx/Surface.h"

#include <memory>

// A picture in a display surface of its own, drawn by the display's blitter, colour-keyed on
// black unless drawn opaque. The picture is kept to refill the surface after a loss.
class SurfaceSprite : public Sprite {
  public:
    // Shows the width x height part of `image` from (x, y); with `crop` the picture is cut to
    // its non-black pixels instead and the cut-off offset is added to every draw position.
    bool Create(std::unique_ptr<Image> image, int width, int height, int x, int y, bool crop);

    int GetNumFrames() const override { return 1; }
    void Render(const RenderParams& params) override;
    int GetWidth() const override { return width; }
    int GetHeight() const override { return height; }
    void Restore() override;

    // Show another part of a larger picture in the same surface.
    virtual void SetPixelsRect(int x, int y, const InclusiveRect& rect);
    virtual void SetPixels(int x, int y);

    int GetOffsetX() const { return offsetX; }
    int GetOffsetY() const { return offsetY; }

  private:
    Surface surface;
    std::unique_ptr<Image> image;
    int imageX = 0;
    int imageY = 0;
    int offsetX = 0;
    int offsetY = 0;
    int width = 0;
    int height = 0;
};
