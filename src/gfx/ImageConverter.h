#pragma once

#include "core/Singleton.h"
#include "gfx/Image.h"
#include "gfx/PixelFormat.h"

#include <cstdint>
#include <memory>

// Brings pictures into the screen's pixel format and reduces alpha maps to 8-bit grey. A
// converted picture is a new image and the one passed in is gone; a picture that cannot be
// converted comes back unchanged after an error box.
class ImageConverter {
  public:
    // Into the format the display found at start-up.
    std::unique_ptr<Image> ConvertTo16Bit(std::unique_ptr<Image> image);
    // Into `screen`: 16 bits with error diffusion from 24-bit pictures, or 32 bits.
    std::unique_ptr<Image> ConvertTo16Bit(std::unique_ptr<Image> image, const PixelFormat& screen);
    // Grey level (red + green + blue) / 3 of each pixel; the grey ramp palette makes index = alpha.
    std::unique_ptr<Image> ConvertTo8BitAlpha(std::unique_ptr<Image> image);

  private:
    friend class Singleton<ImageConverter>;
    ImageConverter() = default;

    std::unique_ptr<Image> To16(const Image& source, const PixelFormat& screen);
    std::unique_ptr<Image> To32(const Image& source, const PixelFormat& screen) const;
    void Diffuse24RowTo16(const std::uint8_t* source, std::uint8_t* target, int width,
                          const PixelFormat& screen);
    std::uint32_t StepState();

    // The diffusion goes on from one picture to the next, so that the same pictures converted
    // in the same order come out the same on every run.
    std::uint32_t state = 12345;
};
