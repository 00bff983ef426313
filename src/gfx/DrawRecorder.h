#pragma once

#include "platform/DisplaySurface.h"
#include "platform/Rect.h"

class Image;

// Hears every draw into the display's surfaces once it is done, so that a benchmark can play
// the same frame through another blitter. The game itself never sets one.
class DrawRecorder {
  public:
    virtual ~DrawRecorder() = default;

    // `from` of `source` copied onto `to` of `target`, stretched when the sizes differ.
    virtual void Copy(const platform::DisplaySurface& target,
                      const platform::DisplaySurface& source, const platform::Rect& from,
                      const platform::Rect& to, platform::BlitKey key) = 0;
    // `picture` blended through `alpha` onto `to`, from the pictures' pixel (pictureX, pictureY);
    // a scaled blend names only the rectangle it covers.
    virtual void Blend(const platform::DisplaySurface& target, const Image& picture,
                       const Image& alpha, int pictureX, int pictureY,
                       const platform::Rect& to) = 0;
    // `to` halved in brightness under the clear bits of `mask` from its pixel (maskX, maskY) on.
    virtual void Darken(const platform::DisplaySurface& target, const Image& mask, int maskX,
                        int maskY, const platform::Rect& to) = 0;
};
