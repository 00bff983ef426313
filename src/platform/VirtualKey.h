#pragma once

// The key codes of the game's keyboard map; letters are their upper-case ASCII codes.
namespace platform::vk {
constexpr int Back = 8;
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
} // namespace platform::vk
