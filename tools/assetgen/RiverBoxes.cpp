#include "RiverBoxes.h"

#include "FrogPainter.h"
#include "Paint.h"
#include "RiverObjects.h"

#include <cmath>

namespace RiverBoxes {
namespace {

using FrogPainter::Smooth;
using FrogPainter::Span;
using RoadRiverStrips::Frame;

// The crate's box in world units, and its picture with room for what comes out of it.
constexpr int kSize = 54;
constexpr int kPicture = 100;
constexpr double kMid = kPicture / 2.0;
constexpr double kHalf = kSize / 2.0 - 1;

// Up and down a fraction `t` of the way through a run: rises over `up`, falls back over `down`.
double Bump(double t, double upFrom, double upTo, double downFrom, double downTo) {
    return Smooth(Span(t, upFrom, upTo)) * (1 - Smooth(Span(t, downFrom, downTo)));
}

// The crate seen from above; `open` lifts its lid from the bottom edge, hinged at the top, to
// show the dark inside.
void Crate(cairo_t* cr, double cx, double cy, double tilt, double open) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tilt);
    cairo_rectangle(cr, -kHalf, -kHalf, 2 * kHalf, 2 * kHalf);
    Paint::ShadedOutlined(cr, 0xC8924A, 2.5, 0x4A2E18);
    if (open > 0) {
        cairo_rectangle(cr, -kHalf + 4, -kHalf + 4, 2 * kHalf - 8, 2 * kHalf - 8);
        Paint::Colour(cr, 0x2E1E12);
        cairo_fill(cr);
    }
    // The lid folds up towards the top edge and shows less of itself as it opens.
    const double lid = (2 * kHalf - 8) * (1 - open * 0.85);
    cairo_rectangle(cr, -kHalf + 4, -kHalf + 4, 2 * kHalf - 8, lid);
    Paint::ShadedOutlined(cr, open > 0 ? 0xD9A45A : 0xC8924A, 1.5, 0x4A2E18);
    if (open < 0.3) {
        Paint::Colour(cr, 0x8A5E2A);
        cairo_set_line_width(cr, 4);
        cairo_move_to(cr, -kHalf + 5, -kHalf + 5);
        cairo_line_to(cr, kHalf - 5, kHalf - 5);
        cairo_move_to(cr, kHalf - 5, -kHalf + 5);
        cairo_line_to(cr, -kHalf + 5, kHalf - 5);
        cairo_stroke(cr);
        Paint::Text(cr, "?", 0, 8, 22, 0xFFD23A, Paint::Align::Centre, true, 3, 0x4A2E18);
    }
    cairo_restore(cr);
}

double Rock(const Frame& frame) {
    return std::sin(frame.phase * 2 * M_PI) * 0.05;
}

void Swim(cairo_t* cr, const Frame& frame) {
    RiverObjects::Ripple(cr, kMid, kMid, kHalf + 8, kHalf + 8, frame.phase);
    Crate(cr, kMid, kMid + std::sin(frame.phase * 2 * M_PI) * 1.2, Rock(frame), 0);
}

// Goes under with the frog aboard and comes up again.
void Drown(cairo_t* cr, const Frame& frame) {
    const double sink = Bump(frame.t, 0.0, 0.45, 0.65, 1.0);
    if (sink < 0.97) {
        cairo_save(cr);
        Paint::Ellipse(cr, kMid, kMid, (kHalf + 6) * (1 - sink), (kHalf + 6) * (1 - sink));
        cairo_clip(cr);
        Crate(cr, kMid, kMid, sink * 0.5, 0);
        cairo_restore(cr);
    }
    for (int ring = 0; ring < 3; ++ring) {
        const double grow = std::fmod(frame.t * 2 + ring / 3.0, 1.0);
        Paint::Ellipse(cr, kMid, kMid, (kHalf + 2) * (0.5 + grow * 0.7),
                       (kHalf + 2) * (0.5 + grow * 0.7));
        Paint::Colour(cr, 0xD8F0FF);
        cairo_set_line_width(cr, 1.5 + 2 * (1 - grow));
        if (sink > 0.2)
            cairo_stroke(cr);
        cairo_new_path(cr);
    }
    for (int bubble = 0; sink > 0.5 && bubble < 6; ++bubble) {
        const double x = kMid + (Paint::Noise(bubble, frame.index, 21) - 0.5) * kSize;
        const double y = kMid + (Paint::Noise(bubble, frame.index, 22) - 0.5) * kSize;
        Paint::Ellipse(cr, x, y, 2 + bubble % 3, 2 + bubble % 3);
        Paint::FlatOutlined(cr, 0xA8DDF7, 1, 0xEAF7FF);
    }
}

// A scissor arm reaching down the screen towards the frog, `reach` 0 to 1.
void ScissorArm(cairo_t* cr, double reach) {
    const double top = kMid + 6;
    const double bottom = top + 6 + reach * (kPicture - top - 8);
    constexpr int kLinks = 3;
    const double step = (bottom - top) / kLinks;
    const double spread = 10 * (1 - reach * 0.6) + 3;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const std::uint32_t colour : {Paint::kOutline, std::uint32_t{0xB8BCC6}}) {
        for (int link = 0; link < kLinks; ++link) {
            cairo_move_to(cr, kMid - spread, top + link * step);
            cairo_line_to(cr, kMid + spread, top + (link + 1) * step);
            cairo_move_to(cr, kMid + spread, top + link * step);
            cairo_line_to(cr, kMid - spread, top + (link + 1) * step);
        }
        Paint::Colour(cr, colour);
        cairo_set_line_width(cr, colour == Paint::kOutline ? 5 : 2.5);
        cairo_stroke(cr);
    }
    Paint::Ellipse(cr, kMid, bottom, 5, 5);
    Paint::ShadedOutlined(cr, 0xE8413C, 1.5);
}

void Hammer(cairo_t* cr, const Frame& frame) {
    const double open = Bump(frame.t, 0.0, 0.18, 0.85, 1.0);
    const double reach = Bump(frame.t, 0.18, 0.42, 0.62, 0.84);
    RiverObjects::Ripple(cr, kMid, kMid, kHalf + 8, kHalf + 8, std::fmod(frame.t * 3, 1.0));
    Crate(cr, kMid, kMid, 0, open);
    if (reach > 0.02)
        ScissorArm(cr, reach);
}

void Lamp(cairo_t* cr, double x, double y, bool lit) {
    if (lit) {
        Paint::Ellipse(cr, x, y, 12, 12);
        Paint::Colour(cr, 0xFFD060, 0.45);
        cairo_fill(cr);
    }
    Paint::Ellipse(cr, x, y, 5, 5);
    Paint::ShadedOutlined(cr, lit ? 0xFFD23A : 0x8A7A40, 1.5);
}

void RedButton(cairo_t* cr, const Frame& frame) {
    const double open = Bump(frame.t, 0.0, 0.12, 0.88, 1.0);
    const double rise = Bump(frame.t, 0.1, 0.25, 0.78, 0.9);
    const bool pressed = frame.t > 0.55 && frame.t < 0.75;
    RiverObjects::Ripple(cr, kMid, kMid, kHalf + 8, kHalf + 8, std::fmod(frame.t * 3, 1.0));
    Crate(cr, kMid, kMid, 0, open);
    if (rise < 0.05)
        return;
    // The button on its panel: waiting, blinking, then pushed with a flash.
    const double size = 10 + 6 * rise;
    Paint::RoundedRect(cr, kMid - size - 3, kMid - size, 2 * size + 6, 2 * size + 6, 4);
    Paint::ShadedOutlined(cr, 0x8F98A3, 1.5);
    Lamp(cr, kMid - size + 2, kMid - size + 4, frame.index % 3 == 0 && !pressed);
    Lamp(cr, kMid + size - 2, kMid - size + 4, frame.index % 3 == 1 && !pressed);
    Paint::Ellipse(cr, kMid, kMid + 4, size * 0.7, size * (pressed ? 0.45 : 0.7));
    Paint::ShadedOutlined(cr, pressed ? 0xB02A26 : 0xE8413C, 2);
    if (pressed) {
        const double flash = Span(frame.t, 0.55, 0.75);
        Paint::Ellipse(cr, kMid, kMid + 4, 14 + flash * 30, 14 + flash * 30);
        Paint::Colour(cr, 0xFFF6A0);
        cairo_set_line_width(cr, 3 * (1 - flash) + 1);
        cairo_stroke(cr);
    }
}

void Bomb(cairo_t* cr, double x, double y, double size, int spark) {
    Paint::Ellipse(cr, x, y, size, size);
    Paint::ShadedOutlined(cr, 0x3A3648, 2, 0x1E1A28);
    Paint::Ellipse(cr, x - size * 0.35, y - size * 0.35, size * 0.25, size * 0.18);
    Paint::Colour(cr, 0xFFFFFF, 0.6);
    cairo_fill(cr);
    cairo_move_to(cr, x + size * 0.6, y - size * 0.6);
    cairo_curve_to(cr, x + size, y - size * 1.2, x + size * 1.4, y - size, x + size * 1.5,
                   y - size * 1.4);
    Paint::Colour(cr, 0xC8A878);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int ray = 0; ray < 6; ++ray) {
        const double angle = ray * M_PI / 3 + spark * 0.5;
        cairo_move_to(cr, x + size * 1.5, y - size * 1.4);
        cairo_line_to(cr, x + size * 1.5 + std::cos(angle) * 5,
                      y - size * 1.4 + std::sin(angle) * 5);
    }
    Paint::Colour(cr, spark % 2 ? 0xFFD23A : 0xFF7A2A);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

// The bomb comes up lit, is thrown down towards the frog, and the crate sinks away.
void BombKill(cairo_t* cr, const Frame& frame) {
    const double open = Smooth(Span(frame.t, 0.0, 0.2));
    const double rise = Smooth(Span(frame.t, 0.15, 0.35));
    const double throwing = Smooth(Span(frame.t, 0.45, 0.75));
    const double sink = Smooth(Span(frame.t, 0.7, 1.0));
    RiverObjects::Ripple(cr, kMid, kMid, kHalf + 8, kHalf + 8, std::fmod(frame.t * 3, 1.0));
    if (sink < 0.97) {
        cairo_save(cr);
        Paint::Ellipse(cr, kMid, kMid, (kHalf + 6) * (1 - sink), (kHalf + 6) * (1 - sink));
        cairo_clip(cr);
        Crate(cr, kMid, kMid, std::sin(frame.t * 20) * 0.06 * (1 - sink), open);
        cairo_restore(cr);
    }
    if (rise > 0.05 && throwing < 1)
        Bomb(cr, kMid, kMid + throwing * (kPicture - kMid - 14), 6 + 6 * rise - 3 * throwing,
             frame.index);
}

const std::vector<RoadRiverStrips::Strip> kStrips = {
    {"BOX_SWIMMING", kPicture, kPicture, 1.2, RiverObjects::kWater, Swim},
    {"BOX_DROWN_KILL", kPicture, kPicture, 1.5, RiverObjects::kWater, Drown},
    // In step with the frog's hammer death and the hammer drawn over it.
    {"BOX_HAMMER_KILL", kPicture, kPicture, 1.5, RiverObjects::kWater, Hammer},
    {"BOX_RED_BUTTON_KILL", kPicture, kPicture, 1.7, RiverObjects::kWater, RedButton},
    {"BOX_BOMB_KILL", kPicture, kPicture, 1.3, RiverObjects::kWater, BombKill},
};

} // namespace

const std::vector<RoadRiverStrips::Strip>& Strips() {
    return kStrips;
}

std::string ConfigText() {
    using RoadRiverStrips::Line;
    std::string text = "\n# The crate, centred on its box whether afloat or sinking.\n";
    Line(text, "boxObjectWidth", kSize);
    Line(text, "boxObjectHeight", kSize);
    for (const char* key :
         {"boxOffsetX", "boxOffsetY", "boxKillDrownOffsetX", "boxKillDrownOffsetY"})
        Line(text, key, 0);
    return text + RoadRiverStrips::IntervalLines(kStrips);
}

} // namespace RiverBoxes
