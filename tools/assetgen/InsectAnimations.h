#pragma once

#include "RoadRiverStrips.h"

#include <string>
#include <vector>

// The insects the frog eats, flying left with their wings beating (the game mirrors them), and
// the two that sting, diving down the screen at the frog.
namespace InsectAnimations {

const std::vector<RoadRiverStrips::Strip>& Strips();
std::string ConfigText();

} // namespace InsectAnimations
