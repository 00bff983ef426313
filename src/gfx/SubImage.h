#pragma once

#include "gfx/Image.h"

#include <memory>

// A band of another image, read and written in place; the parent must outlive it. Rows are
// addressed with the band's own width, so a band that is to show whole rows spans the parent's
// full width.
class SubImage : public Image {
  public:
    // nullptr, with a log line, when the band does not lie inside the parent's pixels or the
    // parent holds a run-length stream.
    static std::unique_ptr<SubImage> Of(Image& parent, int offsetX, int offsetY, int width,
                                        int height);

    std::uint8_t* GetData() override;
    const std::uint8_t* GetData() const override;
    std::uint8_t* GetPalette() override;
    const std::uint8_t* GetPalette() const override;

    int GetOffsetX() const { return offsetX; }
    int GetOffsetY() const { return offsetY; }

  private:
    SubImage(Image& parent, int offsetX, int offsetY, int width, int height);

    std::size_t FirstByte() const;

    int offsetX;
    int offsetY;
    Image* parent;
};
