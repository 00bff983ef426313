#pragma once

#include <cairo.h>
#include <cstdint>

// The game's characters and objects as small vector drawings, for icons, the help screen and
// the showdown stage. Each is drawn centred on (cx, cy) and `size` pixels across, seen from
// above with the light from the upper left.
namespace Figures {

// The frog, facing up the screen; `skin` tints it (the player's frog is green).
void Frog(cairo_t* cr, double cx, double cy, double size, std::uint32_t skin = 0x5BC236);
// Just the head, for the lives counter.
void FrogHead(cairo_t* cr, double cx, double cy, double size, std::uint32_t skin = 0x5BC236);
void Star(cairo_t* cr, double cx, double cy, double size, std::uint32_t fill = 0xFFD23A);
void WaterLily(cairo_t* cr, double cx, double cy, double size, bool flower);
void Car(cairo_t* cr, double cx, double cy, double size, std::uint32_t body);
void Truck(cairo_t* cr, double cx, double cy, double size, std::uint32_t body);
void Trunk(cairo_t* cr, double cx, double cy, double size);
void Hippo(cairo_t* cr, double cx, double cy, double size);
void Piranha(cairo_t* cr, double cx, double cy, double size);
void Bug(cairo_t* cr, double cx, double cy, double size);
void Crate(cairo_t* cr, double cx, double cy, double size);
void Barrel(cairo_t* cr, double cx, double cy, double size);

} // namespace Figures
