#pragma once

#include "gfx/Image.h"
#include "gfx/Sprite.h"

#include <memory>

// Halves the brightness of the drawing target under the non-black pixels of a picture.
class ShadowSprite : public Sprite {
  public:
    // Keeps only a 1-bit mask of the picture's non-black box; `crop` is not needed, shadows are
    // always cut to their box. `width` and `height` are the picture's full size.
    bool Create(const Image& image, int width, int height, bool crop);

    int GetNumFrames() const override { return 1; }
    // A scaled request is fatal.
    void Render(const RenderParams& params) override;
    int GetWidth() const override { return width; }
    int GetHeight() const override { return height; }

  private:
    void Darken(int x, int y, const InclusiveRect& source);

    // Bit clear = shadow, bit set = untouched.
    std::unique_ptr<Image> mask;
    int offsetX = 0;
    int offsetY = 0;
    int width = 0;
    int height = 0;
};
