#pragma once

#include "Canvas.h"

#include <cstdint>
#include <vector>

// Turns a drawn canvas into the pixels the game's image pipeline reads: magenta where nothing
// is drawn (the pipeline's transparent colour), never black, never exact magenta in the art.
namespace PictureExport {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// Soft edges: every drawn pixel in its own (unpremultiplied) colour, the coverage going to the
// alpha map; transparent pixels magenta.
std::vector<std::uint32_t> SoftColour(const Canvas& canvas);
// Grey levels 0x00AAAAAA of the coverage, for an "Alpha" map.
std::vector<std::uint32_t> AlphaGrey(const Canvas& canvas);
// True when some pixel is partly covered, so the picture needs an alpha map to look right.
bool HasSoftEdges(const Canvas& canvas);
// Hard edges for colour-keyed sprites: at least half covered is drawn, the rest transparent.
std::vector<std::uint32_t> HardColour(const Canvas& canvas);
// Pixels of a hard-edged picture that are transparent, for a JPEG's mask.
std::vector<bool> HardTransparency(const Canvas& canvas);
// Opaque pictures (JPEG): the colours as drawn, over a neutral dark grey where uncovered.
std::vector<std::uint32_t> Opaque(const Canvas& canvas);

} // namespace PictureExport
