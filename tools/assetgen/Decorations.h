#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

// The decoration sprites laid over the world: tree crowns over everything ("TOP_LAYER_%02d")
// and the overpass, tunnel roofs, gantries and power line over the vehicles
// ("ROAD_TOP_LAYER_%02d"). Each sits at a fixed place of the world picture.
namespace Decorations {

struct Placement {
    std::string label;
    bool road; // a road top layer rather than a top layer
    int x;     // left edge, picture column
    int top;   // top edge, picture row
    int width;
    int height;
};

// Top layers first, then road top layers, each in index order.
const std::vector<Placement>& All();
// Draws the sprite of `placement` into a canvas of its size.
void Draw(const Placement& placement, Canvas& canvas);

} // namespace Decorations
