#pragma once

#include "gfx/Image.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Screen formats and pixel access for the image tests, written against the layouts themselves
// rather than through the game's pixel code.
namespace pictures {

inline const PixelFormat k565 = PixelFormat::FromMasks(16, 0xF800, 0x07E0, 0x001F);
inline const PixelFormat k555 = PixelFormat::FromMasks(16, 0x7C00, 0x03E0, 0x001F);
inline const PixelFormat kXrgb = PixelFormat::FromMasks(32, 0xFF0000, 0x00FF00, 0x0000FF);
inline const PixelFormat kXbgr = PixelFormat::FromMasks(32, 0x0000FF, 0x00FF00, 0xFF0000);

inline std::vector<std::uint8_t> Bytes(const Image& image) {
    return {image.GetData(), image.GetData() + image.GetDataSize()};
}

inline std::uint32_t Word16(const Image& image, int x, int y) {
    const std::uint8_t* pixel = image.GetData() + (x + y * image.GetWidth()) * 2;
    return pixel[0] | pixel[1] << 8;
}

// 0x00RRGGBB of a 24-bit pixel.
inline std::uint32_t BgrAt(const Image& image, int x, int y) {
    const std::uint8_t* pixel = image.GetData() + (x + y * image.GetWidth()) * 3;
    return std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
}

inline void SetBgr(Image& image, int x, int y, std::uint32_t colour) {
    std::uint8_t* pixel = image.GetData() + (x + y * image.GetWidth()) * 3;
    pixel[0] = static_cast<std::uint8_t>(colour);
    pixel[1] = static_cast<std::uint8_t>(colour >> 8);
    pixel[2] = static_cast<std::uint8_t>(colour >> 16);
}

inline std::unique_ptr<Image> TrueColour(int width, int height,
                                         const std::function<std::uint32_t(int, int)>& colour) {
    auto image = std::make_unique<Image>();
    image->Create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetBgr(*image, x, y, colour(x, y));
    return image;
}

} // namespace pictures
