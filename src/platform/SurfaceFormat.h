#pragma once

#include <cstdint>

namespace platform {

// How a surface stores one pixel: its size and the bits of each channel.
struct SurfaceFormat {
    int bitsPerPixel = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;

    // 5-6-5 for 16 bits, R8G8B8 for 24, X8R8G8B8 for 32; an empty format for any other depth.
    static SurfaceFormat ForDepth(int depth);

    bool isEmpty() const { return bitsPerPixel == 0; }
    int bytesPerPixel() const { return bitsPerPixel / 8; }

    // Reads the pixel at `bytes` (little-endian).
    uint32_t read(const uint8_t* bytes) const;
    void write(uint8_t* bytes, uint32_t pixel) const;

    // One pixel as 0x00RRGGBB, each channel widened to 8 bits by repeating its top bits, so
    // that full intensity stays full.
    uint32_t toXrgb(uint32_t pixel) const;

    // `count` pixels from `source` as 0x00RRGGBB words; the hot path of every presented frame.
    void rowToXrgb(const uint8_t* source, uint32_t* destination, int count) const;
};

} // namespace platform
