#pragma once

#include "support/ScratchFolder.h"

#include <cstdint>

// A font picture for the text-drawing tests: its only glyph, "1", is a red block of 10 x 16
// pixels; the picture is registered as the sprite "FONT" and its definition is data\font.fnt.
namespace GlyphFont {

inline constexpr std::uint32_t kRed = 0xF80000;
inline constexpr int kGlyphWidth = 10;
inline constexpr int kGlyphHeight = 16;

// Writes it and loads it into both game fonts.
void LoadGameFonts(const ScratchFolder& folder);

} // namespace GlyphFont
