#pragma once

#include "gfx/Image.h"
#include "gfx/Sprite.h"
#include "platform/DisplayResult.h"
#include "platform/Rect.h"

#include <memory>

// A picture blended over the drawing target through an 8-bit alpha map, in software.
class AlphaSprite : public Sprite {
  public:
    // `alpha` must have the picture's size. With `crop` both are cut to the union of their
    // non-black pixels and the cut-off offset is added to every draw position.
    bool Create(std::unique_ptr<Image> image, std::unique_ptr<Image> alpha, int width, int height,
                int x, int y, bool crop);

    int GetNumFrames() const override { return 1; }
    void Render(const RenderParams& params) override;
    int GetWidth() const override { return width; }
    int GetHeight() const override { return height; }

    // The vector instructions a blend may use. The widest the processor has are used, unless
    // limited; the answer is the width now in use.
    enum class Vectors { Narrow, Wide256, Wide512 };
    static Vectors LimitVectors(Vectors widest);

    int GetOffsetX() const { return offsetX; }
    int GetOffsetY() const { return offsetY; }

  private:
    void Blend(int x, int y, const InclusiveRect& source);
    void RenderScaled(const RenderParams& params);
    // Locks `area` of the drawing target, has `mix(pixel, locked)` write it at the target's
    // depth (`pixel` is a value of the pixel type), unlocks and reports the draw.
    template <typename Mix>
    void DrawInto(const platform::Rect& area, const InclusiveRect& source, Mix mix);
    // A lost target is restored at the next main-loop turn; another failure drops the sprite.
    bool Answer(platform::DisplayResult result, int line);

    std::unique_ptr<Image> image;
    std::unique_ptr<Image> alpha;
    int imageX = 0;
    int imageY = 0;
    int offsetX = 0;
    int offsetY = 0;
    int width = 0;
    int height = 0;
};
