#pragma once

#include <cstdint>

inline constexpr std::uint32_t RP_SRC_POS = 0x01;
inline constexpr std::uint32_t RP_SRC_SIZE = 0x02;
// Every draw helper sets it: the position is always used.
inline constexpr std::uint32_t RP_DST_POS = 0x04;
inline constexpr std::uint32_t RP_DST_SIZE = 0x08;
// Black is drawn instead of being left out.
inline constexpr std::uint32_t RP_OPAQUE = 0x10;
// The position is the sprite's centre.
inline constexpr std::uint32_t RP_CENTER = 0x20;

// One draw request. The source part defaults to the whole sprite when its flags are clear.
struct RenderParams {
    std::uint32_t flags = 0;
    int srcX = 0;
    int srcY = 0;
    int srcW = 0;
    int srcH = 0;
    int dstX = 0;
    int dstY = 0;
    int dstW = 0;
    int dstH = 0;
};
