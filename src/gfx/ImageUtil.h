#pragma once

#include "core/Singleton.h"
#include "gfx/Image.h"
#include "gfx/InclusiveRect.h"

#include <cstddef>

// The steps between a picture on disk and a sprite: the transparent colour, masks, cropping,
// cutting and run-length encoding.
class ImageUtil {
  public:
    // Black is the game's transparent colour: real black becomes (8, 8, 8) and the artwork's
    // magenta becomes black. 8-bit pictures change their palette, 24-bit ones their pixels.
    bool RemapTransparentColor(Image& image) const;
    // Every pixel whose bit is set in the 1-bit `mask` becomes black.
    bool ApplyMask(Image& image, const Image& mask) const;
    // The pixels that are not black; the centre of the image when there are none.
    InclusiveRect BoundingBox(const Image& image) const;
    // A 1-bit destination takes any readable source: black sets its bit, other colours clear it.
    bool CopyRect(const Image& source, Image& destination, const InclusiveRect& rect, int x,
                  int y) const;
    // The first pixel index at or after `start` where 4 pixels of equal colour follow each
    // other, rows running on into the next; the pixel count when there is none.
    std::size_t FindRun(const Image& image, std::size_t start) const;
    // Replaces the pixels by packets: a signed control byte, then -c literal pixels or one pixel
    // repeated c times.
    bool RleEncode(Image& image) const;

  private:
    friend class Singleton<ImageUtil>;
    ImageUtil() = default;
};
