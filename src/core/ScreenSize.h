#pragma once

// The game runs in one fixed window size: its pictures are drawn for it, its layouts and clipping
// assume it, and the world is exactly one screen wide.
namespace ScreenSize {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

} // namespace ScreenSize
