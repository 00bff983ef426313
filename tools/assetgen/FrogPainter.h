#pragma once

#include <cairo.h>
#include <cstdint>

// The player's frog in any pose, seen from above with the light from the upper left: the
// frames of its animations are drawn from these poses.
namespace FrogPainter {

constexpr std::uint32_t kSkin = 0x5BC236;
// Across the folded frog at scale 1, in pixels; its body box is a little smaller.
constexpr double kSize = 46;

enum class Eyes { Open, Closed, Wide, Crossed, Dizzy, Happy };
enum class Mouth { Smile, Open, Flat, Grin };

struct Pose {
    double x = 0;
    double y = 0;
    // Radians clockwise from facing up the screen.
    double heading = 0;
    double scale = 1;
    // Hind legs from folded (0) to stretched out behind (1).
    double leap = 0;
    // Front legs from folded (0) to reaching forward (1).
    double reach = 0;
    // Flattened wide (> 0) or stretched long (< 0).
    double squash = 0;
    // Lying flat with every leg splayed, 0 to 1.
    double flat = 0;
    double breath = 0;
    // Height above the ground in pixels: moves the shadow away.
    double lift = 0;
    // Shadow strength; 0 for a frog in water.
    double shadow = 0.45;
    Eyes eyes = Eyes::Open;
    // Closes open eyes part of the way, 0 to 1.
    double lids = 0;
    Mouth mouth = Mouth::Smile;
    // Pixels of tongue out of the mouth, straight ahead.
    double tongue = 0;
    // One front leg raised and waving, -1 to 1 (0 folded).
    double wave = 0;
    std::uint32_t skin = kSkin;
    // The skin pulled towards this colour by `tintAmount`.
    std::uint32_t tint = 0x2A2A2A;
    double tintAmount = 0;
    // Whole-frog opacity.
    double opacity = 1;
};

void Draw(cairo_t* cr, const Pose& pose);

// Eases in and out over 0..1.
double Smooth(double t);
// `t` from `from` to `to` mapped onto 0..1 and clamped.
double Span(double t, double from, double to);

} // namespace FrogPainter
