#pragma once

#include "RoadRiverStrips.h"

#include <string>
#include <vector>

class ContactSheet;

// The cars of the road, their shadows and the star a truck brings, all facing right: the game
// mirrors them on leftward lanes.
namespace RoadVehicles {

constexpr std::uint32_t kAsphalt = 0x5C606C;

// Wheels seen from above at (x, y) for each side of a body `width` across, turning with `phase`.
void Wheel(cairo_t* cr, double x, double y, double length, double phase);
// Headlights at the front edge `front` with a soft beam ahead, tail lights at `rear`.
void Lights(cairo_t* cr, double front, double rear, double cy, double halfWidth, double flicker);

const std::vector<RoadRiverStrips::Strip>& Strips();
// The shadows are 1-bit masks: the game darkens the screen under their set pixels.
bool WriteShadows(const std::string& outDir, ContactSheet* sheet);
std::vector<std::string> ShadowLabels();
std::string ConfigText();

} // namespace RoadVehicles
