#pragma once

#include "RoadRiverStrips.h"

#include <string>
#include <vector>

// The crate afloat and its four tricks: sinking under a frog that stays aboard, and the hammer,
// the red button and the bomb it springs on a frog in the lane below.
namespace RiverBoxes {

const std::vector<RoadRiverStrips::Strip>& Strips();
std::string ConfigText();

} // namespace RiverBoxes
