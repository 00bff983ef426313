#include "InsectAnimations.h"

#include "Paint.h"

#include <cmath>

namespace InsectAnimations {
namespace {

using RoadRiverStrips::Frame;

constexpr int kPicture = 48;
constexpr double kMid = kPicture / 2.0;
constexpr std::uint32_t kAir = 0x6CBF4A;

enum class Kind { Big, Business, Butterfly, News, Taxi, Tool, Voyager };

struct Look {
    std::uint32_t body;
    std::uint32_t wing;
    // Half the body's length in pixels.
    double length;
};

Look LookOf(Kind kind) {
    switch (kind) {
    case Kind::Big:
        return {0x3E8A6A, 0xD8F0FF, 14};
    case Kind::Business:
        return {0x5A5E8A, 0xE4ECF8, 11};
    case Kind::Butterfly:
        return {0x4A3A5E, 0xF28C28, 8};
    case Kind::News:
        return {0x8A5BC7, 0xE8F4FF, 11};
    case Kind::Taxi:
        return {0xF2C230, 0xE8F4FF, 12};
    case Kind::Tool:
        return {0xD8663A, 0xE8F4FF, 11};
    case Kind::Voyager:
        return {0x3A9AB3, 0xE8F4FF, 11};
    }
    return {0x3E8A6A, 0xD8F0FF, 12};
}

// Wings seen from above: spread across the body, shortened as they sweep up and down.
void Wings(cairo_t* cr, const Look& look, bool butterfly, double beat) {
    const double spread = 0.3 + 0.7 * std::fabs(std::cos(beat * M_PI));
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_scale(cr, 1, side * spread);
        if (butterfly) {
            for (const double x : {-4.0, 5.0}) {
                Paint::Ellipse(cr, x, 10, x < 0 ? 8 : 6.5, x < 0 ? 11 : 8);
                Paint::ShadedOutlined(cr, x < 0 ? look.wing : 0xF2C230, 1.5);
            }
            Paint::Ellipse(cr, -4, 12, 3, 3);
            Paint::Colour(cr, 0x4A3A5E);
            cairo_fill(cr);
        } else {
            Paint::Ellipse(cr, 2, 11, 6, 11);
            cairo_set_source_rgba(cr, 0.9, 0.96, 1.0, 0.5);
            cairo_fill_preserve(cr);
            Paint::Colour(cr, 0x4A5A7A, 0.9);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
}

// What each kind carries or wears, drawn over its back.
void Gear(cairo_t* cr, Kind kind, const Look& look) {
    switch (kind) {
    case Kind::Business:
        // A tie down its front and the briefcase hanging below.
        cairo_move_to(cr, -5, 0);
        cairo_line_to(cr, 3, -2);
        cairo_line_to(cr, 3, 2);
        Paint::FlatOutlined(cr, 0xE8413C, 1);
        Paint::RoundedRect(cr, -4, 8, 12, 9, 1.5);
        Paint::ShadedOutlined(cr, 0x8B5E34, 1.5, 0x3A2418);
        Paint::RoundedRect(cr, 0, 6, 4, 3, 1);
        Paint::FlatOutlined(cr, 0xC8A060, 1);
        break;
    case Kind::News:
        Paint::RoundedRect(cr, -3, 6, 14, 9, 1);
        Paint::FlatOutlined(cr, 0xF4EFE6, 1.2);
        Paint::Colour(cr, 0x6A6678);
        cairo_set_line_width(cr, 1);
        for (double y : {8.5, 10.5, 12.5}) {
            cairo_move_to(cr, -1, y);
            cairo_line_to(cr, 9, y);
        }
        cairo_stroke(cr);
        break;
    case Kind::Taxi:
        // The roof sign, lit; no letters, as the game mirrors the picture.
        Paint::RoundedRect(cr, -2, -4, 9, 8, 1.5);
        Paint::ShadedOutlined(cr, 0xFFF6A0, 1.2);
        for (int square = 0; square < 4; ++square) {
            cairo_rectangle(cr, -10 + square * 4, square % 2 ? 4 : 5, 2, 2);
        }
        Paint::Colour(cr, Paint::kOutline);
        cairo_fill(cr);
        break;
    case Kind::Tool:
        // A hard hat and a wrench.
        Paint::Ellipse(cr, -look.length + 3, 0, 5, 6);
        Paint::ShadedOutlined(cr, 0xFFD23A, 1.2);
        cairo_move_to(cr, 0, 8);
        cairo_line_to(cr, 10, 14);
        Paint::Colour(cr, Paint::kOutline);
        cairo_set_line_width(cr, 4);
        cairo_stroke_preserve(cr);
        Paint::Colour(cr, 0xB8BCC6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        Paint::Ellipse(cr, 10, 14, 3, 3);
        Paint::FlatOutlined(cr, 0xB8BCC6, 1.2);
        break;
    case Kind::Voyager:
        // A rucksack and a bedroll on its back.
        Paint::RoundedRect(cr, 0, -5, 9, 10, 2.5);
        Paint::ShadedOutlined(cr, 0xB0703A, 1.2, 0x3A2418);
        Paint::RoundedRect(cr, 8, -6, 3, 12, 1.5);
        Paint::FlatOutlined(cr, 0xE8413C, 1);
        break;
    case Kind::Big:
        // The shell's split and spots.
        cairo_move_to(cr, -4, 0);
        cairo_line_to(cr, look.length, 0);
        Paint::Colour(cr, Paint::kOutline);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        for (const double x : {0.0, 6.0})
            for (int side : {-1, 1}) {
                Paint::Ellipse(cr, x, side * 4, 1.8, 1.8);
                Paint::Colour(cr, 0xFFD23A);
                cairo_fill(cr);
            }
        break;
    case Kind::Butterfly:
        break;
    }
}

// The bug facing left at the origin.
void Bug(cairo_t* cr, Kind kind, double beat, double sting) {
    const Look look = LookOf(kind);
    const double half = look.length;
    // Legs tucked under, the stinger at the back.
    if (sting > 0) {
        cairo_move_to(cr, half - 1, 0);
        cairo_line_to(cr, half + 4 + sting * 8, 0);
        Paint::Colour(cr, Paint::kOutline);
        cairo_set_line_width(cr, 3);
        cairo_stroke_preserve(cr);
        Paint::Colour(cr, 0xF4EFE6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    Paint::Ellipse(cr, 3, 0, half, half * 0.55);
    Paint::ShadedOutlined(cr, look.body, 1.8);
    Paint::Ellipse(cr, -half + 2, 0, half * 0.42, half * 0.42);
    Paint::ShadedOutlined(cr, Paint::Darker(look.body, 0.15), 1.8);
    for (int side : {-1, 1}) {
        Paint::Ellipse(cr, -half + 1, side * half * 0.25, 2.6, 2.6);
        Paint::ShadedOutlined(cr, 0xFFFFF4, 1);
        Paint::Ellipse(cr, -half, side * half * 0.25, 1.2, 1.2);
        Paint::Colour(cr, Paint::kOutline);
        cairo_fill(cr);
        cairo_move_to(cr, -half - 2, side * 2);
        cairo_curve_to(cr, -half - 6, side * 3, -half - 7, side * 6, -half - 8, side * 8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    // Wings over the back, what it carries over them so that it shows.
    Wings(cr, look, kind == Kind::Butterfly, beat);
    Gear(cr, kind, look);
}

template <Kind kind> void Fly(cairo_t* cr, const Frame& frame) {
    // Two beats a loop, bobbing with them.
    const double beat = frame.phase * 2;
    cairo_translate(cr, kMid, kMid + std::sin(beat * 2 * M_PI) * 1.2);
    Bug(cr, kind, beat, 0);
}

// Turned tail down to dive at the frog below, the stinger jabbing and pulling back.
template <Kind kind> void Pierce(cairo_t* cr, const Frame& frame) {
    const double jab = std::sin(frame.t * M_PI);
    cairo_translate(cr, kMid, kMid - 4 + jab * 4);
    cairo_rotate(cr, M_PI / 2);
    Bug(cr, kind, frame.phase * 3, jab);
}

const std::vector<RoadRiverStrips::Strip> kStrips = {
    {"INSECT_BIG_BUG_FLY_LEFT", kPicture, kPicture, 0.5, kAir, Fly<Kind::Big>},
    {"INSECT_BUSINESS_BUG_FLY_LEFT", kPicture, kPicture, 0.5, kAir, Fly<Kind::Business>},
    {"INSECT_BUTTERFLY_FLY_LEFT", kPicture, kPicture, 0.7, kAir, Fly<Kind::Butterfly>},
    {"INSECT_NEWS_BUG_FLY_LEFT", kPicture, kPicture, 0.5, kAir, Fly<Kind::News>},
    {"INSECT_TAXI_BUG_FLY_LEFT", kPicture, kPicture, 0.45, kAir, Fly<Kind::Taxi>},
    {"INSECT_TOOL_BUG_FLY_LEFT", kPicture, kPicture, 0.5, kAir, Fly<Kind::Tool>},
    {"INSECT_VOYAGER_BUG_FLY_LEFT", kPicture, kPicture, 0.5, kAir, Fly<Kind::Voyager>},
    {"INSECT_BIG_BUG_PIERCING", kPicture, kPicture, 0.6, kAir, Pierce<Kind::Big>},
    {"INSECT_TAXI_BUG_PIERCING", kPicture, kPicture, 0.6, kAir, Pierce<Kind::Taxi>},
};

} // namespace

const std::vector<RoadRiverStrips::Strip>& Strips() {
    return kStrips;
}

std::string ConfigText() {
    std::string text = "\n# Insects, centred on where they fly.\n";
    RoadRiverStrips::Line(text, "InsectMoveOffsetGlobalX", 0);
    RoadRiverStrips::Line(text, "InsectMoveOffsetGlobalY", 0);
    return text + RoadRiverStrips::IntervalLines(kStrips);
}

} // namespace InsectAnimations
