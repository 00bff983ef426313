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
constexpr int F12 = 0x7B;
// Windows' own codes for a game pad's buttons. The controller's d-pad and A send these, so that
// they can steer the menus while the keyboard's arrows and Space keep their meaning.
constexpr int PadA = 0xC3;
constexpr int PadUp = 0xCB;
constexpr int PadDown = 0xCC;
constexpr int PadLeft = 0xCD;
constexpr int PadRight = 0xCE;
constexpr int PadStart = 0xCF;
// The left stick hops the frog as the d-pad does, but leaves the menus' highlight alone.
constexpr int StickUp = 0xD3;
constexpr int StickDown = 0xD4;
constexpr int StickRight = 0xD5;
constexpr int StickLeft = 0xD6;
} // namespace platform::vk
