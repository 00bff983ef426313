#pragma once

#include <cstdint>

// The screen's pixel layout, as the images in screen format store it. A shift turns a channel's
// 5-bit (16-bit screen) or 8-bit (32-bit screen) value into its place in the pixel; the byte
// indices say where each channel sits inside a 32-bit pixel and are all 0 on 16-bit screens.
struct PixelFormat {
    int depth = 0;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
    int redShift = 0;
    int greenShift = 0;
    int blueShift = 0;
    int redIndex = 0;
    int greenIndex = 0;
    int blueIndex = 0;
    int padIndex = 0;

    // Shifts and indices derived from the masks; a mask that never reaches the channel's top
    // value leaves its shift and those of the channels after it at 0.
    static PixelFormat FromMasks(int depth, std::uint32_t red, std::uint32_t green,
                                 std::uint32_t blue);

    // The format the display manager found at start-up.
    static PixelFormat Screen();
};
