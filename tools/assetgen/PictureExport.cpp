#include "PictureExport.h"

#include <algorithm>

namespace PictureExport {
namespace {

constexpr std::uint32_t kCoverageHalf = 128;
// Darker than this the 16-bit screen would store black, which is the colour key.
constexpr std::uint32_t kDarkest = 12;

std::uint32_t Coverage(std::uint32_t pixel) {
    return pixel >> 24;
}

std::uint32_t Channel(std::uint32_t pixel, int shift, std::uint32_t alpha) {
    const std::uint32_t value = pixel >> shift & 0xFF;
    return std::min<std::uint32_t>(255, (value * 255 + alpha / 2) / alpha);
}

// Keeps art colours apart from the two colours the pipeline treats as transparent.
std::uint32_t SafeArt(std::uint32_t colour) {
    std::uint32_t r = colour >> 16 & 0xFF;
    std::uint32_t g = colour >> 8 & 0xFF;
    std::uint32_t b = colour & 0xFF;
    if (r < kDarkest && g < kDarkest && b < kDarkest)
        r = g = b = kDarkest;
    if (r == 255 && g == 0 && b == 255)
        g = 1;
    return r << 16 | g << 8 | b;
}

std::uint32_t Unpremultiplied(std::uint32_t pixel) {
    const std::uint32_t alpha = Coverage(pixel);
    return SafeArt(Channel(pixel, 16, alpha) << 16 | Channel(pixel, 8, alpha) << 8 |
                   Channel(pixel, 0, alpha));
}

template <typename Value, typename Convert>
std::vector<Value> EachPixel(const Canvas& canvas, Convert convert) {
    canvas.Flush();
    std::vector<Value> out;
    out.reserve(static_cast<std::size_t>(canvas.Width()) * canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            out.push_back(convert(canvas.Pixel(x, y)));
    return out;
}

} // namespace

std::vector<std::uint32_t> SoftColour(const Canvas& canvas) {
    return EachPixel<std::uint32_t>(canvas, [](std::uint32_t pixel) {
        return Coverage(pixel) == 0 ? kMagenta : Unpremultiplied(pixel);
    });
}

std::vector<std::uint32_t> AlphaGrey(const Canvas& canvas) {
    return EachPixel<std::uint32_t>(canvas, [](std::uint32_t pixel) {
        const std::uint32_t alpha = Coverage(pixel);
        return alpha << 16 | alpha << 8 | alpha;
    });
}

bool HasSoftEdges(const Canvas& canvas) {
    canvas.Flush();
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const std::uint32_t alpha = Coverage(canvas.Pixel(x, y));
            if (alpha != 0 && alpha != 255)
                return true;
        }
    return false;
}

std::vector<std::uint32_t> HardColour(const Canvas& canvas) {
    return EachPixel<std::uint32_t>(canvas, [](std::uint32_t pixel) {
        return Coverage(pixel) < kCoverageHalf ? kMagenta : Unpremultiplied(pixel);
    });
}

std::vector<bool> HardTransparency(const Canvas& canvas) {
    return EachPixel<bool>(canvas,
                           [](std::uint32_t pixel) { return Coverage(pixel) < kCoverageHalf; });
}

std::vector<std::uint32_t> Opaque(const Canvas& canvas) {
    return EachPixel<std::uint32_t>(canvas, [](std::uint32_t pixel) {
        constexpr std::uint32_t kGround = 0x303030;
        const std::uint32_t alpha = Coverage(pixel);
        auto mix = [&](int shift) {
            return (pixel >> shift & 0xFF) +
                   ((kGround >> shift & 0xFF) * (255 - alpha) + 127) / 255;
        };
        return SafeArt(std::min<std::uint32_t>(255, mix(16)) << 16 |
                       std::min<std::uint32_t>(255, mix(8)) << 8 |
                       std::min<std::uint32_t>(255, mix(0)));
    });
}

} // namespace PictureExport
