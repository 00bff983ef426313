#include "RoadTrucks.h"

#include "FrogPainter.h"
#include "Paint.h"
#include "RoadVehicles.h"

#include <cmath>

namespace RoadTrucks {
namespace {

using FrogPainter::Smooth;
using FrogPainter::Span;
using RoadRiverStrips::Frame;

constexpr double kCy = kPictureHeight / 2.0;
constexpr double kCentre = kPictureWidth / 2.0;
// Edges in the picture, x growing towards the front.
constexpr double kRear = kPictureRear;
constexpr double kPlatformFront = kCentre - 2;
constexpr double kLoadRear = kCentre + 1;
constexpr double kLoadFront = kCentre + 50;
constexpr double kCabRear = kCentre + 52;
constexpr double kFront = kPictureFront;
constexpr double kHalf = 24;
constexpr double kSeatX = kCentre - kSeatBehindCentre;

void Base(cairo_t* cr, double phase) {
    for (double x : {kRear + 20, kRear + 46, kCabRear + 16})
        for (int side : {-1, 1})
            RoadVehicles::Wheel(cr, x, kCy + side * (kHalf - 0.5), 22, phase);
    RoadVehicles::Lights(cr, kFront, kRear, kCy, kHalf, phase);
    // The platform: planks between two steel rails, a step at the back.
    Paint::RoundedRect(cr, kRear, kCy - kHalf, kPlatformFront - kRear, 2 * kHalf, 3);
    Paint::ShadedOutlined(cr, 0xB98A55, 2);
    Paint::Colour(cr, 0x7C5632, 0.7);
    cairo_set_line_width(cr, 1);
    for (double y = kCy - kHalf + 8; y < kCy + kHalf - 4; y += 8) {
        cairo_move_to(cr, kRear + 3, y);
        cairo_line_to(cr, kPlatformFront - 3, y);
    }
    cairo_stroke(cr);
    for (int side : {-1, 1}) {
        Paint::RoundedRect(cr, kRear, kCy + side * kHalf - 2.5, kPlatformFront - kRear, 5, 2);
        Paint::ShadedOutlined(cr, 0x9CA0AA, 1.2);
    }
    Paint::Colour(cr, 0xF2C230);
    for (int stripe = 0; stripe < 4; ++stripe) {
        cairo_rectangle(cr, kRear + 1, kCy - 18 + stripe * 10, 3, 5);
    }
    cairo_fill(cr);
}

void Cab(cairo_t* cr, std::uint32_t colour, bool beaconOn) {
    const double half = kHalf - 2;
    const double roofFront = kCabRear + 19;
    const double glassFront = roofFront + 7;
    // Mirrors on arms at the windscreen.
    for (int side : {-1, 1}) {
        Paint::RoundedRect(cr, roofFront + 1, kCy + side * (half + 1) - 2.5, 4, 5, 1.5);
        Paint::FlatOutlined(cr, 0x3A3646, 1);
    }
    Paint::RoundedRect(cr, kCabRear, kCy - half, kFront - kCabRear, 2 * half, 7);
    Paint::ShadedOutlined(cr, colour, 2.5);
    // The bonnet ahead of the windscreen, with its grille at the front.
    Paint::RoundedRect(cr, glassFront, kCy - half + 4, kFront - glassFront - 2, 2 * half - 8, 4);
    Paint::ShadedOutlined(cr, Paint::Darker(colour, 0.12), 1.5);
    Paint::Colour(cr, Paint::kOutline, 0.7);
    cairo_set_line_width(cr, 1.2);
    for (double y = kCy - 9; y <= kCy + 9; y += 4.5) {
        cairo_move_to(cr, kFront - 5, y);
        cairo_line_to(cr, kFront - 2, y);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, roofFront, kCy - half + 3);
    cairo_line_to(cr, glassFront, kCy - half + 5);
    cairo_line_to(cr, glassFront, kCy + half - 5);
    cairo_line_to(cr, roofFront, kCy + half - 3);
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, 0x8FD3F2, 1.5);
    Paint::RoundedRect(cr, kCabRear + 3, kCy - half + 3, roofFront - kCabRear - 3, 2 * half - 6, 5);
    Paint::ShadedOutlined(cr, Paint::Lighter(colour, 0.25), 1.5);
    // A bar of amber lights on the roof, lit in turn.
    for (int lamp = -1; lamp <= 1; lamp += 2) {
        Paint::RoundedRect(cr, kCabRear + 8, kCy + lamp * 8 - 3, 5, 6, 2);
        Paint::FlatOutlined(cr, beaconOn == (lamp < 0) ? 0xFFB020 : 0xA86A20, 1);
    }
}

// A box of the load between the platform and the cab.
void LoadBox(cairo_t* cr, std::uint32_t colour, double radius) {
    Paint::RoundedRect(cr, kLoadRear, kCy - kHalf, kLoadFront - kLoadRear, 2 * kHalf, radius);
    Paint::ShadedOutlined(cr, colour, 2.5);
}

FrogPainter::Pose Rider() {
    FrogPainter::Pose pose;
    pose.x = kSeatX;
    pose.y = kCy;
    pose.heading = M_PI / 2;
    pose.scale = 0.9;
    return pose;
}

// ---- Garbage truck: its compactor jaw sweeps back over the platform.

void GarbageLoad(cairo_t* cr) {
    LoadBox(cr, 0x4F9A3A, 5);
    Paint::Colour(cr, 0x2F6A24, 0.9);
    cairo_set_line_width(cr, 2);
    for (double x = kLoadRear + 8; x < kLoadFront - 4; x += 8) {
        cairo_move_to(cr, x, kCy - kHalf + 4);
        cairo_line_to(cr, x, kCy + kHalf - 4);
    }
    cairo_stroke(cr);
}

void Jaw(cairo_t* cr, double reach) {
    const double tip = kLoadRear - reach * (kLoadRear - kRear - 6);
    Paint::RoundedRect(cr, tip, kCy - kHalf + 3, kLoadRear + 6 - tip, 2 * kHalf - 6, 4);
    Paint::ShadedOutlined(cr, 0x3E7F30, 2.5);
    // Ribs across the jaw and the two rams pushing it.
    Paint::Colour(cr, 0x2F6A24, 0.9);
    cairo_set_line_width(cr, 2);
    for (double x = tip + 8; x < kLoadRear; x += 8) {
        cairo_move_to(cr, x, kCy - kHalf + 6);
        cairo_line_to(cr, x, kCy + kHalf - 6);
    }
    cairo_stroke(cr);
    for (int side : {-1, 1}) {
        Paint::RoundedRect(cr, tip + 4, kCy + side * 10 - 2.5, kLoadRear - tip, 5, 2);
        Paint::ShadedOutlined(cr, 0xC9CCD3, 1.2);
    }
    Paint::Colour(cr, 0x2A2238);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, tip + 2, kCy - kHalf + 6);
    cairo_line_to(cr, tip + 2, kCy + kHalf - 6);
    cairo_stroke(cr);
    // Teeth along the jaw's edge.
    for (double y = kCy - kHalf + 7; y < kCy + kHalf - 7; y += 8) {
        cairo_move_to(cr, tip, y);
        cairo_line_to(cr, tip - 5, y + 3);
        cairo_line_to(cr, tip, y + 6);
    }
    Paint::FlatOutlined(cr, 0xD8DAE0, 1);
}

void GarbageDrive(cairo_t* cr, const Frame& frame) {
    Base(cr, frame.phase);
    GarbageLoad(cr);
    Cab(cr, 0x4F9A3A, frame.index == 1);
}

void GarbageKill(cairo_t* cr, const Frame& frame) {
    Base(cr, 0);
    GarbageLoad(cr);
    const double reach =
        frame.t < 0.5 ? Smooth(Span(frame.t, 0, 0.4)) : 1 - Smooth(Span(frame.t, 0.6, 1));
    // Bits of rubbish squeezed out at the sides.
    for (int bit = 0; bit < 5 && reach > 0.6; ++bit) {
        Paint::RoundedRect(cr, kRear + 14 + bit * 15, kCy + (bit % 2 ? -kHalf : kHalf - 6), 7, 6,
                           1.5);
        Paint::FlatOutlined(cr, bit % 2 ? 0xE8E2C8 : 0xA8C85A, 1);
    }
    Jaw(cr, reach);
    Cab(cr, 0x4F9A3A, frame.index % 2 == 0);
}

// ---- Chez Fred: a food truck whose serving hatch slams down on the platform.

void FredLoad(cairo_t* cr, double steam) {
    LoadBox(cr, 0xF4EFE6, 4);
    // The awning, red and white.
    for (int stripe = 0; stripe < 6; ++stripe) {
        cairo_rectangle(cr, kLoadRear + 3 + stripe * 7.5, kCy - kHalf + 3, 7.5, 12);
        Paint::Colour(cr, stripe % 2 ? 0xF4EFE6 : 0xE8413C);
        cairo_fill(cr);
    }
    // A burger on the roof: no lettering, as the picture is mirrored on leftward lanes.
    const double bx = (kLoadRear + kLoadFront) / 2;
    Paint::Ellipse(cr, bx, kCy + 8, 11, 7);
    Paint::ShadedOutlined(cr, 0xE8A84A, 1.5);
    Paint::RoundedRect(cr, bx - 12, kCy + 5, 24, 4, 2);
    Paint::FlatOutlined(cr, 0x7A3E1E, 1.2);
    Paint::RoundedRect(cr, bx - 12, kCy + 3, 24, 3, 1.5);
    Paint::FlatOutlined(cr, 0x5DBB4C, 1);
    Paint::Ellipse(cr, bx, kCy + 1, 11, 5);
    Paint::ShadedOutlined(cr, 0xF2B860, 1.5);
    Paint::Ellipse(cr, kLoadFront - 9, kCy + kHalf - 9, 4, 4);
    Paint::FlatOutlined(cr, 0x7C7E88, 1.5);
    for (int puff = 0; puff < 3; ++puff) {
        const double age = std::fmod(steam + puff / 3.0, 1.0);
        Paint::Ellipse(cr, kLoadFront - 9 - age * 22, kCy + kHalf - 11 - age * 6, 3 + age * 5,
                       3 + age * 5);
        Paint::Colour(cr, 0xFFFFFF, 0.45 * (1 - age));
        cairo_fill(cr);
    }
}

// The hatch hinged at the load's rear edge, seen end on while upright and flat when down.
void Hatch(cairo_t* cr, double down) {
    const double length = (kLoadRear - kRear - 10) * down;
    if (length < 3)
        return;
    Paint::RoundedRect(cr, kLoadRear - length, kCy - kHalf + 4, length, 2 * kHalf - 8, 3);
    Paint::ShadedOutlined(cr, 0xE8413C, 2.5);
    Paint::Colour(cr, 0xFFFFFF, 0.7);
    cairo_set_line_width(cr, 2);
    for (double x = kLoadRear - length + 8; x < kLoadRear - 4; x += 10) {
        cairo_move_to(cr, x, kCy - kHalf + 8);
        cairo_line_to(cr, x, kCy + kHalf - 8);
    }
    cairo_stroke(cr);
}

void FredDrive(cairo_t* cr, const Frame& frame) {
    Base(cr, frame.phase);
    FredLoad(cr, frame.phase);
    Cab(cr, 0xE8413C, false);
}

void FredKill(cairo_t* cr, const Frame& frame) {
    Base(cr, 0);
    const double down =
        frame.t < 0.45 ? Smooth(Span(frame.t, 0, 0.3)) : 1 - Smooth(Span(frame.t, 0.55, 1));
    // A puff of flour where the hatch lands.
    if (frame.t > 0.25 && frame.t < 0.7) {
        const double puff = Span(frame.t, 0.25, 0.7);
        for (int side : {-1, 1}) {
            Paint::Ellipse(cr, kSeatX + side * 12 * puff, kCy + side * (kHalf + 2), 10 + 10 * puff,
                           6 + 4 * puff);
            Paint::Colour(cr, 0xFFFFFF, 0.7 * (1 - puff));
            cairo_fill(cr);
        }
    }
    FredLoad(cr, frame.t * 3);
    Hatch(cr, down);
    Cab(cr, 0xE8413C, false);
}

// ---- Electric truck: its battery shocks the frog riding on the platform.

void Bolt(cairo_t* cr, double x, double y, double size, std::uint32_t colour) {
    cairo_move_to(cr, x + size * 0.2, y - size * 0.5);
    cairo_line_to(cr, x - size * 0.3, y + size * 0.05);
    cairo_line_to(cr, x, y + size * 0.05);
    cairo_line_to(cr, x - size * 0.2, y + size * 0.5);
    cairo_line_to(cr, x + size * 0.3, y - size * 0.08);
    cairo_line_to(cr, x, y - size * 0.08);
    cairo_close_path(cr);
    Paint::FlatOutlined(cr, colour, 1.5);
}

void BatteryLoad(cairo_t* cr) {
    LoadBox(cr, 0x3A7BD5, 6);
    Bolt(cr, (kLoadRear + kLoadFront) / 2, kCy, 30, 0xFFD23A);
    for (int side : {-1, 1}) {
        Paint::RoundedRect(cr, kLoadRear + 2, kCy + side * 15 - 4, 8, 8, 2);
        Paint::ShadedOutlined(cr, side < 0 ? 0xE8413C : 0x9CA0AA, 1.2);
    }
}

// A jagged arc from (x1, y1) to (x2, y2); `seed` picks its zigzag.
void Arc(cairo_t* cr, double x1, double y1, double x2, double y2, int seed, double alpha) {
    cairo_move_to(cr, x1, y1);
    for (int step = 1; step < 6; ++step) {
        const double s = step / 6.0;
        cairo_line_to(cr, x1 + (x2 - x1) * s + (Paint::Noise(step, seed, 3) - 0.5) * 8,
                      y1 + (y2 - y1) * s + (Paint::Noise(step, seed, 7) - 0.5) * 12);
    }
    cairo_line_to(cr, x2, y2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Paint::Colour(cr, 0x7FD8FF, alpha);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, 0xFFFFFF, alpha);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void ElectricDrive(cairo_t* cr, const Frame& frame) {
    Base(cr, frame.phase);
    BatteryLoad(cr);
    if (frame.index == 2)
        Arc(cr, kLoadRear + 6, kCy - 15, kLoadRear + 6, kCy + 15, 5, 0.9);
    Cab(cr, 0x2F5FA8, false);
}

void ElectricKill(cairo_t* cr, const Frame& frame) {
    Base(cr, 0);
    BatteryLoad(cr);
    FrogPainter::Pose frog = Rider();
    const double zap = Span(frame.t, 0.1, 0.65);
    const bool flash = zap > 0 && zap < 1 && frame.index % 2 == 0;
    frog.eyes = zap > 0 ? FrogPainter::Eyes::Wide : FrogPainter::Eyes::Open;
    frog.mouth = zap > 0 ? FrogPainter::Mouth::Open : FrogPainter::Mouth::Smile;
    frog.squash = flash ? 0.25 : 0;
    frog.tint = flash ? 0xFFFFD0 : 0x2A2A2A;
    frog.tintAmount = flash ? 0.7 : 0.85 * Span(frame.t, 0.5, 0.7);
    frog.eyes = frame.t > 0.65 ? FrogPainter::Eyes::Dizzy : frog.eyes;
    // Charred, it crumbles to ash that blows away.
    frog.opacity = 1 - Span(frame.t, 0.75, 0.95);
    if (frog.opacity > 0)
        FrogPainter::Draw(cr, frog);
    if (zap > 0 && zap < 1)
        for (int side : {-1, 1})
            Arc(cr, kLoadRear + 6, kCy + side * 15, kSeatX + 8, kCy + side * 6,
                frame.index * 2 + side, 0.95);
    const double ash = Span(frame.t, 0.75, 1);
    for (int grain = 0; ash > 0 && grain < 14; ++grain) {
        const double gx = kSeatX - 12 + Paint::Noise(grain, 1, 11) * 24 - ash * (10 + grain * 3);
        const double gy = kCy - 12 + Paint::Noise(grain, 2, 11) * 24;
        Paint::Ellipse(cr, gx, gy, 2.2, 2.2);
        Paint::Colour(cr, 0x4A4656, 1 - ash);
        cairo_fill(cr);
    }
    Cab(cr, 0x2F5FA8, flash);
}

// ---- Aquarium: the tank floods the platform, cracks and breaks.

constexpr std::uint32_t kWater = 0x3FA9E0;

void Fish(cairo_t* cr, double x, double y, double size, bool right, std::uint32_t colour) {
    const double d = right ? 1 : -1;
    cairo_move_to(cr, x - d * size * 0.4, y);
    cairo_line_to(cr, x - d * size * 0.8, y - size * 0.3);
    cairo_line_to(cr, x - d * size * 0.8, y + size * 0.3);
    cairo_close_path(cr);
    Paint::FlatOutlined(cr, Paint::Darker(colour, 0.15), 1);
    Paint::Ellipse(cr, x, y, size * 0.5, size * 0.3);
    Paint::ShadedOutlined(cr, colour, 1);
    Paint::Ellipse(cr, x + d * size * 0.25, y - size * 0.06, 1.3, 1.3);
    Paint::Colour(cr, Paint::kOutline);
    cairo_fill(cr);
}

void Tank(cairo_t* cr, double phase, double cracks, bool broken) {
    Paint::RoundedRect(cr, kLoadRear, kCy - kHalf, kLoadFront - kLoadRear, 2 * kHalf, 4);
    Paint::ShadedOutlined(cr, broken ? 0x8FA8B8 : kWater, 2.5, 0x2A4A6E);
    if (!broken) {
        const double swim = phase * 2 * M_PI;
        Fish(cr, kLoadRear + 25 + std::sin(swim) * 12, kCy - 10, 14, std::cos(swim) > 0, 0xFF9A3C);
        Fish(cr, kLoadRear + 25 - std::sin(swim) * 10, kCy + 10, 11, std::cos(swim) < 0, 0xFFD23A);
        for (int bubble = 0; bubble < 3; ++bubble) {
            const double rise = std::fmod(phase + bubble / 3.0, 1.0);
            Paint::Ellipse(cr, kLoadFront - 8 - bubble * 4, kCy + 18 - rise * 36, 1.8, 1.8);
            Paint::Colour(cr, 0xEAF7FF, 0.9);
            cairo_fill(cr);
        }
    }
    Paint::Colour(cr, 0xFFFFFF, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, kLoadRear + 6, kCy - kHalf + 10);
    cairo_line_to(cr, kLoadRear + 14, kCy - kHalf + 4);
    cairo_stroke(cr);
    Paint::Colour(cr, 0xFFFFFF, 0.9);
    cairo_set_line_width(cr, 1.2);
    for (int crack = 0; crack < 4 && cracks > 0; ++crack) {
        const double angle = crack * 1.7 + 0.4;
        cairo_move_to(cr, kLoadRear + 6, kCy);
        cairo_line_to(cr, kLoadRear + 6 + std::cos(angle) * 28 * cracks,
                      kCy + std::sin(angle) * 22 * cracks);
    }
    cairo_stroke(cr);
}

void AquariumDrive(cairo_t* cr, const Frame& frame) {
    Base(cr, frame.phase);
    Tank(cr, frame.phase, 0, false);
    Cab(cr, 0xF28C28, false);
}

void AquariumKill(cairo_t* cr, const Frame& frame) {
    Base(cr, 0);
    const double flood = Smooth(Span(frame.t, 0.0, 0.3));
    const double cracks = Span(frame.t, 0.3, 0.6);
    const bool broken = frame.t > 0.62;
    const double drain = Span(frame.t, 0.62, 0.95);
    // The water spills back over the platform and the frog swims in it, then is washed away.
    const double spread = flood * (1 - drain) * (kLoadRear - kRear - 4);
    FrogPainter::Pose frog = Rider();
    frog.shadow = 0;
    frog.eyes = frame.t > 0.6 ? FrogPainter::Eyes::Dizzy : FrogPainter::Eyes::Wide;
    frog.mouth = FrogPainter::Mouth::Open;
    frog.leap = 0.5 + 0.5 * std::sin(frame.t * 30);
    frog.x -= 60 * drain;
    frog.heading += drain * 4;
    frog.opacity = 1 - Span(frame.t, 0.8, 0.95);
    if (spread > 2) {
        Paint::RoundedRect(cr, kLoadRear - spread, kCy - kHalf + 2, spread + 4, 2 * kHalf - 4, 8);
        Paint::Colour(cr, kWater, 0.85);
        cairo_fill(cr);
    }
    if (frog.opacity > 0)
        FrogPainter::Draw(cr, frog);
    if (spread > 2) {
        Paint::RoundedRect(cr, kLoadRear - spread, kCy - kHalf + 2, spread + 4, 2 * kHalf - 4, 8);
        Paint::Colour(cr, kWater, 0.35);
        cairo_fill(cr);
    }
    Tank(cr, frame.t * 4, cracks, broken);
    // Shards and splashes flying off the broken tank.
    for (int shard = 0; broken && shard < 10; ++shard) {
        const double fly = Span(frame.t, 0.62, 0.9);
        const double angle = Paint::Noise(shard, 4, 9) * 2 * M_PI;
        const double x = kLoadRear + 24 + std::cos(angle) * (10 + fly * 30);
        const double y = kCy + std::sin(angle) * (8 + fly * 18);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 5, y + 2);
        cairo_line_to(cr, x + 1, y + 6);
        cairo_close_path(cr);
        Paint::FlatOutlined(cr, shard % 2 ? 0xDFF4FF : kWater, 1, 0x2A4A6E);
    }
    if (broken && frame.t < 0.9)
        Fish(cr, kLoadRear + 12 - 40 * drain, kCy + 18, 12, false, 0xFF9A3C);
    Cab(cr, 0xF28C28, false);
}

// ---- Cement mixer: the drum turns; on a kill it spins hard and spits cement.

constexpr double kDrumX = (kLoadRear + kLoadFront) / 2;

void Drum(cairo_t* cr, double turn) {
    Paint::Ellipse(cr, kDrumX, kCy, 27, kHalf - 1);
    Paint::ShadedOutlined(cr, 0xD8D4CC, 2.5);
    cairo_save(cr);
    Paint::Ellipse(cr, kDrumX, kCy, 27, kHalf - 1);
    cairo_clip(cr);
    // Spiral stripes running along the drum as it turns.
    Paint::Colour(cr, 0xF28C28);
    cairo_set_line_width(cr, 5);
    for (int stripe = -2; stripe < 4; ++stripe) {
        const double x = kDrumX - 30 + std::fmod(stripe * 16 + turn * 16 + 64, 64.0);
        cairo_move_to(cr, x, kCy - kHalf);
        cairo_line_to(cr, x + 14, kCy + kHalf);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The drum's mouth faces the platform.
    Paint::Ellipse(cr, kDrumX - 24, kCy, 4, 10);
    Paint::FlatOutlined(cr, 0x4A4656, 1.5);
}

void MixerDrive(cairo_t* cr, const Frame& frame) {
    Base(cr, frame.phase);
    Drum(cr, frame.phase);
    Cab(cr, 0xF2C230, false);
}

void MixerKill(cairo_t* cr, const Frame& frame) {
    Base(cr, 0);
    // Cement slops out over the platform while the drum spins fast.
    const double slop = std::sin(Span(frame.t, 0.1, 0.9) * M_PI);
    for (int blob = 0; blob < 5 && slop > 0.05; ++blob) {
        const double bx = kLoadRear - 10 - blob * 14 * slop;
        const double by = kCy + (Paint::Noise(blob, 3, 5) - 0.5) * 30;
        Paint::Ellipse(cr, bx, by, 6 + 5 * slop, 5 + 3 * slop);
        Paint::ShadedOutlined(cr, 0xA8A49A, 1.5, 0x5A5650);
    }
    Drum(cr, frame.t * 6);
    Cab(cr, 0xF2C230, frame.index % 2 == 1);
}

// The frog's leg kicking out of the drum's mouth, turning with it and pulled in.
void FrogLeg(cairo_t* cr, const Frame& frame) {
    const double out = 1 - Smooth(Span(frame.t, 0.55, 1));
    if (out < 0.05)
        return;
    const double swing = std::sin(frame.t * 6 * M_PI) * 0.6;
    cairo_translate(cr, kDrumX - 24, kCy);
    cairo_rotate(cr, M_PI + swing);
    cairo_scale(cr, out, out);
    const std::uint32_t skin = FrogPainter::kSkin;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 14, -4);
    cairo_line_to(cr, 24, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, skin);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // Webbed toes spread.
    for (double toe : {-0.6, 0.0, 0.6}) {
        cairo_move_to(cr, 24, 4);
        cairo_line_to(cr, 24 + 9 * std::cos(toe + 0.4), 4 + 9 * std::sin(toe + 0.4));
    }
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, Paint::Lighter(skin, 0.2));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

using RoadVehicles::kAsphalt;
constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;

const std::vector<RoadRiverStrips::Strip> kStrips = {
    {"TRUCK_GARBAGE_DRIVE", W, H, 0.36, kAsphalt, GarbageDrive},
    {"TRUCK_GARBAGE_KILL", W, H, 1.2, kAsphalt, GarbageKill},
    {"TRUCK_CHEZ_FRED_DRIVE", W, H, 0.36, kAsphalt, FredDrive},
    {"TRUCK_CHEZ_FRED_KILL", W, H, 1.3, kAsphalt, FredKill},
    {"TRUCK_ELECTRIC_DRIVE", W, H, 0.36, kAsphalt, ElectricDrive},
    {"TRUCK_ELECTRIC_KILL", W, H, 1.6, kAsphalt, ElectricKill},
    {"TRUCK_AQUARIUM_DRIVE", W, H, 0.6, kAsphalt, AquariumDrive},
    {"TRUCK_AQUARIUM_KILL", W, H, 2.0, kAsphalt, AquariumKill},
    {"TRUCK_CEMENT_MIXER_DRIVE", W, H, 0.36, kAsphalt, MixerDrive},
    {"TRUCK_CEMENT_MIXER_KILL", W, H, 1.4, kAsphalt, MixerKill},
    // Drawn over the mixer's kill for as long.
    {"FROG_LEG", W, H, 1.4, kAsphalt, FrogLeg},
};

} // namespace

const std::vector<RoadRiverStrips::Strip>& Strips() {
    return kStrips;
}

std::string ConfigText() {
    using RoadRiverStrips::Line;
    std::string text = "\n# Trucks: the front half less the bumper blocks the frog, the rear half "
                       "is the platform\n"
                       "# it rides in the middle of; the star waits on that seat.\n";
    Line(text, "truckObjectWidth", kBodyLength);
    Line(text, "truckObjectHeight", kBodyWidth);
    Line(text, "truckFrontEndNonBlockAreaWidth", kFrontClearance);
    Line(text, "truckVerticalOffsetStar", 0);
    for (const char* kind : {"Garbage", "ChezFred", "Electric", "Aquarium", "CementMixer"}) {
        Line(text, std::string("truck") + kind + "FrogOffsetX", kSeatBehindCentre);
        Line(text, std::string("truck") + kind + "OffsetX", 0);
        Line(text, std::string("truck") + kind + "OffsetY", 0);
    }
    return text + RoadRiverStrips::IntervalLines(kStrips);
}

} // namespace RoadTrucks
