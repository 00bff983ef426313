#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Compresses pictures with libjpeg's own compressor, at full chroma resolution so that colours
// survive closely enough to compare.
class JpegWriter {
  public:
    // `pixels` 0x00RRGGBB row by row from the top.
    static std::string Colour(int width, int height, const std::vector<std::uint32_t>& pixels,
                              int quality = 95);
    // One grey level per pixel.
    static std::string Grey(int width, int height, const std::vector<std::uint8_t>& levels,
                            int quality = 95);
};
