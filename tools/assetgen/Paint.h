#pragma once

#include <cairo.h>
#include <cstdint>
#include <string>

// Drawing helpers shared by every picture: the house colours, shapes with dark outlines and
// soft shading lit from the upper left, and outlined text in DejaVu.
namespace Paint {

// Outlines are dark but never black: black is the game's colour key.
constexpr std::uint32_t kOutline = 0x2A2238;

void Colour(cairo_t* cr, std::uint32_t rgb, double alpha = 1.0);
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t);
std::uint32_t Lighter(std::uint32_t rgb, double amount);
std::uint32_t Darker(std::uint32_t rgb, double amount);

void RoundedRect(cairo_t* cr, double x, double y, double width, double height, double radius);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Fills the current path with `rgb` shaded from light (upper left) to dark (lower right) over
// the path's extents, then strokes it with the outline colour; the path is consumed.
void ShadedOutlined(cairo_t* cr, std::uint32_t rgb, double outlineWidth,
                    std::uint32_t outline = kOutline);
// A flat fill and outline.
void FlatOutlined(cairo_t* cr, std::uint32_t rgb, double outlineWidth,
                  std::uint32_t outline = kOutline);
// A soft dark blot below and right of a shape, as cast by light from the upper left.
void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double strength);

enum class Align { Left, Centre, Right };
// Text in DejaVu Sans (Bold when `bold`) with its baseline at y, with a dark outline.
void Text(cairo_t* cr, const std::string& utf8, double x, double y, double size, std::uint32_t fill,
          Align align = Align::Left, bool bold = true, double outlineWidth = 3.0,
          std::uint32_t outline = kOutline);
double TextWidth(cairo_t* cr, const std::string& utf8, double size, bool bold = true);

// Frees the font caches of Cairo, so that a leak checker sees a clean exit.
void ReleaseFonts();

// Deterministic noise in [0, 1) from integer coordinates and a seed, for texture.
double Noise(int x, int y, int seed);

} // namespace Paint
