#include "platform/SurfaceFormat.h"

#include <bit>
#include <cstring>

namespace platform {

namespace {

static_assert(std::endian::native == std::endian::little, "surfaces keep little-endian pixels");

constexpr uint32_t kRed565 = 0xF800;
constexpr uint32_t kGreen565 = 0x07E0;
constexpr uint32_t kBlue565 = 0x001F;

// Widens the channel that `mask` selects to 8 bits.
uint32_t WidenChannel(uint32_t pixel, uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8)
        return value >> (bits - 8);
    uint32_t wide = 0;
    for (int filled = 0; filled < 8; filled += bits)
        wide = (wide << bits) | value;
    const int surplus = ((8 + bits - 1) / bits) * bits - 8;
    return wide >> surplus;
}

bool Is565(const SurfaceFormat& format) {
    return format.bitsPerPixel == 16 && format.redMask == kRed565 &&
           format.greenMask == kGreen565 && format.blueMask == kBlue565;
}

bool IsX8R8G8B8(const SurfaceFormat& format) {
    return format.bitsPerPixel == 32 && format.redMask == 0xFF0000 && format.greenMask == 0xFF00 &&
           format.blueMask == 0xFF;
}

void Row565ToXrgb(const uint8_t* source, uint32_t* destination, int count) {
    for (int i = 0; i < count; ++i) {
        uint16_t word = 0;
        std::memcpy(&word, source + 2 * i, 2);
        const uint32_t pixel = word;
        const uint32_t red = pixel >> 11;
        const uint32_t green = (pixel >> 5) & 0x3F;
        const uint32_t blue = pixel & 0x1F;
        destination[i] = ((red << 3 | red >> 2) << 16) | ((green << 2 | green >> 4) << 8) |
                         (blue << 3 | blue >> 2);
    }
}

void RowX8R8G8B8ToXrgb(const uint8_t* source, uint32_t* destination, int count) {
    std::memcpy(destination, source, static_cast<size_t>(count) * 4);
    for (int i = 0; i < count; ++i)
        destination[i] &= 0xFFFFFF;
}

} // namespace

SurfaceFormat SurfaceFormat::ForDepth(int depth) {
    switch (depth) {
    case 16:
        return {16, kRed565, kGreen565, kBlue565};
    case 24:
        return {24, 0xFF0000, 0xFF00, 0xFF};
    case 32:
        return {32, 0xFF0000, 0xFF00, 0xFF};
    default:
        return {};
    }
}

uint32_t SurfaceFormat::read(const uint8_t* bytes) const {
    uint32_t pixel = 0;
    for (int i = bytesPerPixel() - 1; i >= 0; --i)
        pixel = pixel << 8 | bytes[i];
    return pixel;
}

void SurfaceFormat::write(uint8_t* bytes, uint32_t pixel) const {
    for (int i = 0; i < bytesPerPixel(); ++i)
        bytes[i] = static_cast<uint8_t>(pixel >> (8 * i));
}

uint32_t SurfaceFormat::toXrgb(uint32_t pixel) const {
    return WidenChannel(pixel, redMask) << 16 | WidenChannel(pixel, greenMask) << 8 |
           WidenChannel(pixel, blueMask);
}

void SurfaceFormat::rowToXrgb(const uint8_t* source, uint32_t* destination, int count) const {
    if (Is565(*this))
        return Row565ToXrgb(source, destination, count);
    if (IsX8R8G8B8(*this))
        return RowX8R8G8B8ToXrgb(source, destination, count);
    const int step = bytesPerPixel();
    for (int i = 0; i < count; ++i)
        destination[i] = toXrgb(read(source + i * step));
}

} // namespace platform
