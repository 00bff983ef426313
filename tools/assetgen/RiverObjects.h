#pragma once

#include "RoadRiverStrips.h"

#include <string>
#include <vector>

// What the frog rides across the water: trunks, barrels, hippos, lilies and crates, and the
// piranha. Seen from above, the picture centred on the object's box.
namespace RiverObjects {

constexpr std::uint32_t kWater = 0x1F6CB4;

// A ring of ripple around (cx, cy), `grow` from 0 (tight) to 1 (wide and faded).
void Ripple(cairo_t* cr, double cx, double cy, double rx, double ry, double grow);

const std::vector<RoadRiverStrips::Strip>& Strips();
std::string ConfigText();

} // namespace RiverObjects
