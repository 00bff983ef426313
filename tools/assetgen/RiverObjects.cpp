#include "RiverObjects.h"

#include "Figures.h"
#include "FrogPainter.h"
#include "Paint.h"

#include <cmath>

namespace RiverObjects {
namespace {

using FrogPainter::Smooth;
using FrogPainter::Span;
using RoadRiverStrips::Frame;

struct Size {
    const char* prefix;
    // The box the frog may stand on, in world units.
    int width;
    int height;
    // The picture around it, with room for ripples.
    int pictureWidth;
    int pictureHeight;
};

constexpr Size kTrunk = {"trunk", 170, 44, 196, 66};
constexpr Size kBarrel = {"barrel", 52, 56, 76, 70};
constexpr Size kHippo = {"hippo", 136, 52, 168, 70};
constexpr Size kLily = {"waterLily", 58, 58, 76, 72};
constexpr Size kPiranha = {"piranha", 32, 32, 52, 40};

double Bob(const Frame& frame, double amount) {
    return std::sin(frame.phase * 2 * M_PI) * amount;
}

// ---- Trunk: bark, rings at the cut ends, a twig with a leaf that sways.

void Trunk(cairo_t* cr, const Frame& frame) {
    const double cx = kTrunk.pictureWidth / 2.0;
    const double cy = kTrunk.pictureHeight / 2.0 + Bob(frame, 1.2);
    const double half = kTrunk.width / 2.0 + 3;
    const double r = kTrunk.height / 2.0;
    Ripple(cr, cx - half + 4, cy, 10, r + 4, frame.phase);
    Ripple(cr, cx + half - 4, cy, 10, r + 4, std::fmod(frame.phase + 0.5, 1.0));
    Paint::RoundedRect(cr, cx - half, cy - r, 2 * half, 2 * r, r * 0.5);
    Paint::ShadedOutlined(cr, 0x8B5E34, 2.5, 0x3A2418);
    Paint::Colour(cr, 0x5E3C1E, 0.8);
    cairo_set_line_width(cr, 1.8);
    for (int groove = 0; groove < 9; ++groove) {
        const double y = cy - r + 6 + groove * (2 * r - 12) / 8;
        const double x = cx - half + 14 + Paint::Noise(groove, 1, 31) * 30;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 40 + Paint::Noise(groove, 2, 31) * 60,
                      y + (Paint::Noise(groove, 3, 31) - 0.5) * 3);
    }
    cairo_stroke(cr);
    // Knots.
    for (int knot = 0; knot < 3; ++knot) {
        Paint::Ellipse(cr, cx - 50 + knot * 46, cy + (knot % 2 ? 8 : -9), 5, 3);
        Paint::FlatOutlined(cr, 0x6E4A2A, 1.5, 0x3A2418);
    }
    // The cut end at the right shows its rings.
    Paint::Ellipse(cr, cx + half - 7, cy, 8, r - 2);
    Paint::ShadedOutlined(cr, 0xE0B878, 2, 0x3A2418);
    Paint::Colour(cr, 0xA87A44);
    cairo_set_line_width(cr, 1);
    for (double ring : {0.35, 0.65})
        Paint::Ellipse(cr, cx + half - 7, cy, 8 * ring, (r - 2) * ring);
    cairo_stroke(cr);
    // A twig with a leaf.
    const double sway = Bob(frame, 0.25);
    cairo_move_to(cr, cx - 30, cy - r + 8);
    cairo_line_to(cr, cx - 38, cy - r - 2);
    Paint::Colour(cr, 0x3A2418);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx - 38, cy - r - 2);
    cairo_rotate(cr, -0.6 + sway);
    Paint::Ellipse(cr, -7, 0, 7, 3.5);
    Paint::ShadedOutlined(cr, 0x5DBB4C, 1.2, 0x245A2A);
    cairo_restore(cr);
}

// ---- Barrel: it rolls along the water, the staves running round its side.

void Barrel(cairo_t* cr, const Frame& frame) {
    const double cx = kBarrel.pictureWidth / 2.0;
    const double cy = kBarrel.pictureHeight / 2.0;
    const double halfWide = kBarrel.width / 2.0;
    const double halfTall = kBarrel.height / 2.0;
    Ripple(cr, cx, cy, halfWide + 6, halfTall - 4, frame.phase);
    Paint::RoundedRect(cr, cx - halfWide, cy - halfTall, 2 * halfWide, 2 * halfTall, 8);
    Paint::ShadedOutlined(cr, 0xB0703A, 2.5, 0x3A2418);
    cairo_save(cr);
    Paint::RoundedRect(cr, cx - halfWide, cy - halfTall, 2 * halfWide, 2 * halfTall, 8);
    cairo_clip(cr);
    // Staves on the round side seen from above: bunched at the edges, wide in the middle.
    Paint::Colour(cr, 0x6E4422, 0.9);
    cairo_set_line_width(cr, 1.5);
    constexpr int kStaves = 12;
    for (int stave = 0; stave < kStaves; ++stave) {
        const double angle = (stave + frame.phase) * 2 * M_PI / kStaves;
        if (std::sin(angle) < 0)
            continue;
        const double x = cx - std::cos(angle) * halfWide;
        cairo_move_to(cr, x, cy - halfTall);
        cairo_line_to(cr, x, cy + halfTall);
    }
    cairo_stroke(cr);
    // Light on the top of the roll.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(cx - halfWide, 0, cx + halfWide, 0);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 0, 0, 0, 0.25);
    cairo_pattern_add_color_stop_rgba(sheen, 0.4, 1, 1, 0.9, 0.18);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 0, 0, 0, 0.3);
    cairo_set_source(cr, sheen);
    cairo_paint(cr);
    cairo_pattern_destroy(sheen);
    cairo_restore(cr);
    for (double y : {-0.62, 0.62}) {
        cairo_rectangle(cr, cx - halfWide, cy + y * halfTall - 3, 2 * halfWide, 6);
        Paint::ShadedOutlined(cr, 0x8F98A3, 1.2, 0x3A3646);
    }
}

// ---- Hippo: swims with its ears flicking and nostrils breathing, dives with a swirl.

void HippoBody(cairo_t* cr, double cx, double cy, const Frame& frame) {
    const std::uint32_t skin = 0x8C7FA8;
    // Body, then the big head in front.
    Paint::Ellipse(cr, cx - 14, cy, 54, kHippo.height / 2.0);
    Paint::ShadedOutlined(cr, skin, 2.5);
    Paint::Ellipse(cr, cx + 42, cy, 28, 21);
    Paint::ShadedOutlined(cr, skin, 2.5);
    Paint::Ellipse(cr, cx + 60, cy, 13, 17);
    Paint::ShadedOutlined(cr, 0xB3A4CC, 2);
    // The wide mouth curling round the snout, a few bristles.
    cairo_move_to(cr, cx + 52, cy - 16);
    cairo_curve_to(cr, cx + 47, cy - 6, cx + 47, cy + 6, cx + 52, cy + 16);
    Paint::Colour(cr, Paint::kOutline, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int bristle = 0; bristle < 4; ++bristle) {
        Paint::Ellipse(cr, cx + 56 + (bristle % 2) * 4, cy - 9 + bristle * 6, 0.9, 0.9);
        cairo_fill(cr);
    }
    const double breath = 1 + 0.25 * std::sin(frame.phase * 2 * M_PI);
    for (int side : {-1, 1}) {
        Paint::Ellipse(cr, cx + 64, cy + side * 7, 2.2 * breath, 3 * breath);
        Paint::Colour(cr, 0x3A2E4E);
        cairo_fill(cr);
        // Eyes, and ears that flick one after the other.
        Paint::Ellipse(cr, cx + 36, cy + side * 13, 5, 5);
        Paint::ShadedOutlined(cr, 0xFFFFF4, 1.5);
        Paint::Ellipse(cr, cx + 37.5, cy + side * 13, 2.2, 2.6);
        Paint::Colour(cr, Paint::kOutline);
        cairo_fill(cr);
        const bool flick = (frame.index + (side > 0 ? 4 : 0)) % 8 < 2;
        Paint::Ellipse(cr, cx + 24, cy + side * (21 + (flick ? 3 : 0)), 5, 4);
        Paint::ShadedOutlined(cr, 0xC9A0B8, 1.5);
    }
    // Back spots and a tail wagging.
    for (int spot = 0; spot < 3; ++spot) {
        Paint::Ellipse(cr, cx - 40 + spot * 18, cy - 10 + spot * 8, 4, 3);
        Paint::Colour(cr, Paint::Darker(skin, 0.2), 0.6);
        cairo_fill(cr);
    }
    cairo_move_to(cr, cx - 66, cy);
    cairo_line_to(cr, cx - 74, cy + Bob(frame, 4));
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void HippoSwim(cairo_t* cr, const Frame& frame) {
    const double cx = kHippo.pictureWidth / 2.0;
    const double cy = kHippo.pictureHeight / 2.0 + Bob(frame, 0.8);
    Ripple(cr, cx + 62, cy, 18, 24, frame.phase);
    Ripple(cr, cx - 20, cy, 62, 33, std::fmod(frame.phase + 0.5, 1.0));
    HippoBody(cr, cx, cy, frame);
}

// Going under: the water closes over it from the edges, a swirl and bubbles stay.
void Submerging(cairo_t* cr, double cx, double cy, double rx, double ry, double sink, double t) {
    for (int ring = 0; ring < 3; ++ring) {
        const double grow = Span(t, ring * 0.15, 0.6 + ring * 0.15);
        if (grow > 0 && grow < 1) {
            Paint::Ellipse(cr, cx, cy, rx * (1.0 + grow * 0.14), ry * (1.0 + grow * 0.16));
            Paint::Colour(cr, 0xD8F0FF);
            cairo_set_line_width(cr, 2.5 * (1 - grow) + 1);
            cairo_stroke(cr);
        }
    }
    for (int bubble = 0; sink > 0.5 && bubble < 5; ++bubble) {
        const double x = cx + (Paint::Noise(bubble, 1, 17) - 0.5) * rx * 1.2;
        const double y = cy + (Paint::Noise(bubble, 2, 17) - 0.5) * ry;
        Paint::Ellipse(cr, x, y, 2.5 + bubble % 3, 2.5 + bubble % 3);
        Paint::FlatOutlined(cr, 0xA8DDF7, 1, 0xEAF7FF);
    }
}

void HippoDive(cairo_t* cr, const Frame& frame) {
    const double cx = kHippo.pictureWidth / 2.0;
    const double cy = kHippo.pictureHeight / 2.0;
    const double sink = Smooth(Span(frame.t, 0.05, 0.85));
    // The head goes first: the visible part shrinks towards the back.
    const double waterX = cx - 14 - sink * 30;
    const double waterRx = 90 * (1 - sink);
    const double waterRy = 36 * (1 - sink * 0.8);
    cairo_save(cr);
    Paint::Ellipse(cr, waterX, cy, waterRx, waterRy);
    cairo_clip(cr);
    HippoBody(cr, cx, cy + sink * 2, frame);
    cairo_restore(cr);
    // Foam where the water line cuts across it.
    if (sink > 0.02 && sink < 0.98) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, 0, kHippo.pictureWidth, kHippo.pictureHeight);
        cairo_clip(cr);
        Paint::Ellipse(cr, waterX, cy, waterRx, waterRy);
        cairo_clip(cr);
        Paint::Ellipse(cr, waterX, cy, waterRx, waterRy);
        Paint::Colour(cr, 0xD8F0FF, 0.9);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    Submerging(cr, cx - 10, cy, 72, 29, sink, frame.t);
}

// ---- Water lily: one still picture afloat; diving, it curls and sinks.

void LilySwim(cairo_t* cr, const Frame&) {
    const double cx = kLily.pictureWidth / 2.0;
    const double cy = kLily.pictureHeight / 2.0;
    Ripple(cr, cx, cy, 34, 33, 0.3);
    Figures::WaterLily(cr, cx, cy, kLily.width + 2, true);
}

void LilyDive(cairo_t* cr, const Frame& frame) {
    const double cx = kLily.pictureWidth / 2.0;
    const double cy = kLily.pictureHeight / 2.0;
    const double sink = Smooth(Span(frame.t, 0.0, 0.85));
    const double size = (kLily.width + 2) * (1 - sink * 0.75);
    if (sink < 0.95) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, sink * 1.2);
        Figures::WaterLily(cr, 0, 0, size, sink < 0.4);
        // Darker as it goes down.
        Paint::Ellipse(cr, 0, 0, size / 2, size / 2);
        Paint::Colour(cr, 0x123E66, 0.7 * sink);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    Submerging(cr, cx, cy, 30, 30, sink, frame.t);
}

// ---- Piranha: swims against the current, tail beating, jaws snapping.

void Piranha(cairo_t* cr, const Frame& frame) {
    const double cx = kPiranha.pictureWidth / 2.0;
    const double cy = kPiranha.pictureHeight / 2.0;
    const double beat = std::sin(frame.phase * 2 * M_PI);
    Ripple(cr, cx - 4, cy, 24, 15, frame.phase);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_move_to(cr, -12, 0);
    cairo_line_to(cr, -24, -9 + beat * 4);
    cairo_line_to(cr, -21, 0 + beat * 3);
    cairo_line_to(cr, -24, 9 + beat * 4);
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, 0x5A6E8A, 1.5);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, -2, side * 6);
        cairo_line_to(cr, -8, side * (13 + beat * side));
        cairo_line_to(cr, 4, side * 7);
        Paint::FlatOutlined(cr, 0xC8505A, 1.2);
    }
    Paint::Ellipse(cr, 0, 0, 16, 9);
    Paint::ShadedOutlined(cr, 0x7C92B0, 2);
    // The red belly, and jaws that open every other beat.
    Paint::Ellipse(cr, 4, 3, 9, 4);
    Paint::Colour(cr, 0xE8413C, 0.8);
    cairo_fill(cr);
    const double gape = frame.index % 4 < 2 ? 4 : 1;
    cairo_move_to(cr, 16, -gape);
    cairo_line_to(cr, 8, 0);
    cairo_line_to(cr, 16, gape);
    Paint::FlatOutlined(cr, 0x3A1E2E, 1);
    for (int tooth = 0; tooth < 3; ++tooth)
        for (int side : {-1, 1}) {
            cairo_move_to(cr, 10 + tooth * 2.5, side * (gape * 0.5 + 1));
            cairo_line_to(cr, 11 + tooth * 2.5, side * (gape * 0.5 - 1));
            cairo_line_to(cr, 12 + tooth * 2.5, side * (gape * 0.5 + 1));
        }
    Paint::Colour(cr, 0xFFFFFF);
    cairo_fill(cr);
    for (int side : {-1, 1}) {
        Paint::Ellipse(cr, 8, side * 5, 2.2, 2.2);
        Paint::FlatOutlined(cr, 0xFFD23A, 1);
    }
    cairo_restore(cr);
}

const std::vector<RoadRiverStrips::Strip> kStrips = {
    {"TRUNK_SWIMMING", kTrunk.pictureWidth, kTrunk.pictureHeight, 1.8, kWater, Trunk},
    {"BARREL_SWIMMING", kBarrel.pictureWidth, kBarrel.pictureHeight, 0.8, kWater, Barrel},
    {"HIPPO_SWIMMING", kHippo.pictureWidth, kHippo.pictureHeight, 1.6, kWater, HippoSwim},
    {"HIPPO_DIVING", kHippo.pictureWidth, kHippo.pictureHeight, 1.2, kWater, HippoDive},
    {"WATER_LILY_SWIMMING", kLily.pictureWidth, kLily.pictureHeight, 1.0, kWater, LilySwim},
    {"WATER_LILY_DIVING", kLily.pictureWidth, kLily.pictureHeight, 1.0, kWater, LilyDive},
    {"PIRANHA_SWIMMING", kPiranha.pictureWidth, kPiranha.pictureHeight, 0.5, kWater, Piranha},
};

} // namespace

void Ripple(cairo_t* cr, double cx, double cy, double rx, double ry, double grow) {
    const double fade = 1 - grow;
    Paint::Ellipse(cr, cx, cy, rx * (1 + grow * 0.12), ry * (1 + grow * 0.12));
    Paint::Colour(cr, 0xEAF7FF, 0.55 * fade);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

const std::vector<RoadRiverStrips::Strip>& Strips() {
    return kStrips;
}

std::string ConfigText() {
    using RoadRiverStrips::Line;
    std::string text = "\n# River objects: the frog stands anywhere on their box; the pictures are "
                       "centred on it.\n";
    for (const Size& size : {kTrunk, kBarrel, kHippo, kLily}) {
        Line(text, std::string(size.prefix) + "ObjectWidth", size.width);
        Line(text, std::string(size.prefix) + "ObjectHeight", size.height);
        Line(text, std::string(size.prefix) + "OffsetX", 0);
        Line(text, std::string(size.prefix) + "OffsetY", 0);
    }
    Line(text, std::string(kPiranha.prefix) + "OffsetX", 0);
    Line(text, std::string(kPiranha.prefix) + "OffsetY", 0);
    return text + RoadRiverStrips::IntervalLines(kStrips);
}

} // namespace RiverObjects
