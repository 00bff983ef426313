#include "FrogDeaths.h"

#include "Figures.h"
#include "FrogPainter.h"
#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace FrogDeaths {
namespace {

using FrogAnimations::Animation;
using FrogAnimations::Frame;
using FrogPainter::Eyes;
using FrogPainter::Mouth;
using FrogPainter::Pose;
using FrogPainter::Smooth;
using FrogPainter::Span;

constexpr std::uint32_t kWater = 0x2E6E96;
constexpr std::uint32_t kSoot = 0x221C1C;
// The share of the hammer's run at which it strikes; the frog flattens in the same instant.
constexpr double kHammerStrikes = 0.25;
// Where the mallet's handle turns, in the hammer's frame.
constexpr double kPivotX = 120;
constexpr double kPivotY = 124;

// A shake that flips side every frame.
double Jitter(const Frame& frame, double amount) {
    return frame.index % 2 ? amount : -amount;
}

void Ring(cairo_t* cr, double x, double y, double r, double alpha) {
    Paint::Ellipse(cr, x, y, r, r * 0.72);
    Paint::Colour(cr, 0xE8F6FF, alpha);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// Rings spreading on the water, one starting every `every` of the run.
void Ripples(cairo_t* cr, double x, double y, double t, double first, double every) {
    for (int ring = 0; ring < 3; ++ring) {
        const double grow = Span(t, first + ring * every, first + ring * every + 0.5);
        if (grow > 0 && grow < 1)
            Ring(cr, x, y, 14 + 30 * grow, 0.85 * (1 - grow));
    }
}

void Bubbles(cairo_t* cr, double x, double y, double t, double from) {
    const double offsets[][2] = {{-8, 0}, {6, -4}, {12, 6}, {-3, 8}};
    for (int i = 0; i < 4; ++i) {
        const double rise = Span(t, from + i * 0.1, from + i * 0.1 + 0.3);
        if (rise <= 0 || rise >= 1)
            continue;
        Paint::Ellipse(cr, x + offsets[i][0], y + offsets[i][1] - 16 * rise, 2.5 + i % 2,
                       2.5 + i % 2);
        Paint::Colour(cr, 0xF4FBFF, 0.9 * (1 - rise));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void Drops(cairo_t* cr, double x, double y, double spread, double alpha, std::uint32_t colour) {
    if (alpha <= 0)
        return;
    for (int i = 0; i < 7; ++i) {
        const double angle = i * 2 * M_PI / 7 + 0.4;
        Paint::Ellipse(cr, x + std::cos(angle) * spread, y + std::sin(angle) * spread * 0.8, 2.6,
                       2.6);
        Paint::Colour(cr, colour, alpha);
        cairo_fill(cr);
    }
}

// Short strokes flying off a point, for hits and flinches.
void Burst(cairo_t* cr, double x, double y, double inner, double outer, std::uint32_t colour,
           double alpha) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 8; ++i) {
        const double angle = i * M_PI / 4 + 0.2;
        cairo_move_to(cr, x + std::cos(angle) * inner, y + std::sin(angle) * inner);
        cairo_line_to(cr, x + std::cos(angle) * outer, y + std::sin(angle) * outer);
    }
    Paint::Colour(cr, Paint::kOutline, alpha);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, colour, alpha);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// Stars circling the head of a dazed frog.
void DizzyStars(cairo_t* cr, double x, double y, double turn) {
    for (int star = 0; star < 3; ++star) {
        const double angle = turn * 2 * M_PI + star * 2 * M_PI / 3;
        Figures::Star(cr, x + std::cos(angle) * 22, y + std::sin(angle) * 8, 11);
    }
}

void Smoke(cairo_t* cr, double x, double y, double t, double from, std::uint32_t colour) {
    for (int puff = 0; puff < 3; ++puff) {
        const double rise = Span(t, from + puff * 0.12, from + puff * 0.12 + 0.4);
        if (rise <= 0 || rise >= 1)
            continue;
        Paint::Ellipse(cr, x + (puff - 1) * 8 + 4 * rise, y - 8 - 26 * rise, 4 + 5 * rise,
                       4 + 5 * rise);
        Paint::Colour(cr, colour, 0.7 * (1 - rise));
        cairo_fill(cr);
    }
}

// A jagged stroke of lightning from `from` outwards.
void Bolt(cairo_t* cr, double x, double y, double angle, double length) {
    const double along[] = {0, 0.3, 0.5, 0.75, 1};
    const double aside[] = {0, 5, -4, 5, 0};
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (int i = 0; i < 5; ++i) {
        const double px = x + c * along[i] * length - s * aside[i];
        const double py = y + s * along[i] * length + c * aside[i];
        if (i == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Paint::Colour(cr, 0x3A3060, 0.8);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, 0xFFF27A);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// Going under: smaller, bluer and fainter, from `from` of the run on.
void Sink(Pose& pose, double t, double from) {
    const double sink = Smooth(Span(t, from, from + 0.6));
    pose.shadow = 0;
    pose.scale *= 1 - 0.45 * sink;
    pose.tint = kWater;
    pose.tintAmount = 0.75 * sink;
    pose.opacity = 1 - Smooth(Span(t, from + 0.2, from + 0.7));
}

void Mallet(cairo_t* cr, double angle, double handle, double grow) {
    cairo_save(cr);
    cairo_rotate(cr, angle);
    Paint::RoundedRect(cr, 0, -4, handle, 8, 4);
    Paint::ShadedOutlined(cr, 0xC8924A, 3, 0x3A2418);
    cairo_translate(cr, handle, 0);
    cairo_scale(cr, grow, grow);
    Paint::RoundedRect(cr, -14, -24, 28, 48, 7);
    Paint::ShadedOutlined(cr, 0xA8683A, 3.5, 0x3A2418);
    for (double band : {-17.0, 17.0}) {
        cairo_rectangle(cr, -14, band - 3, 28, 6);
        Paint::ShadedOutlined(cr, 0xB8C0CC, 2, 0x3A3048);
    }
    cairo_restore(cr);
}

void Fireball(cairo_t* cr, double x, double y, double r, double alpha) {
    cairo_new_path(cr);
    for (int i = 0; i < 24; ++i) {
        const double angle = i * M_PI / 12;
        const double radius = r * (i % 2 ? 0.78 : 1.0) * (1 + 0.08 * std::sin(i * 2.3));
        cairo_line_to(cr, x + std::cos(angle) * radius, y + std::sin(angle) * radius);
    }
    cairo_close_path(cr);
    cairo_pattern_t* heat = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(heat, 0, 1, 1, 0.9, alpha);
    cairo_pattern_add_color_stop_rgba(heat, 0.35, 1, 0.88, 0.3, alpha);
    cairo_pattern_add_color_stop_rgba(heat, 0.75, 1, 0.5, 0.12, alpha);
    cairo_pattern_add_color_stop_rgba(heat, 1, 0.85, 0.2, 0.1, alpha);
    cairo_set_source(cr, heat);
    cairo_fill(cr);
    cairo_pattern_destroy(heat);
}

} // namespace

void Pierced(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double shake = Span(t, 0.06, 0.5);
    const double slump = Smooth(Span(t, 0.5, 0.75));
    Pose pose = FrogAnimations::Standing(animation);
    if (t > 0) {
        pose.eyes = slump > 0.3 ? Eyes::Crossed : Eyes::Wide;
        pose.mouth = slump > 0.3 ? Mouth::Flat : Mouth::Open;
    }
    if (shake > 0 && shake < 1)
        pose.x += Jitter(frame, 2);
    pose.scale = 1 + 0.12 * std::sin(M_PI * Span(t, 0, 0.14));
    pose.tint = 0xA040E0;
    pose.tintAmount = 0.65 * Smooth(shake);
    pose.flat = 0.75 * slump;
    pose.squash = 0.2 * slump;
    FrogPainter::Draw(cr, pose);
    // The sting's swelling on the back.
    const double swell = Smooth(Span(t, 0, 0.35));
    if (swell > 0) {
        Paint::Ellipse(cr, pose.x + 7, pose.y + 9, 1.5 + 3 * swell, 1.5 + 2.6 * swell);
        Paint::ShadedOutlined(cr, 0xE8485A, 1.5);
    }
    const double flinch = Span(t, 0.02, 0.4);
    if (flinch > 0 && flinch < 1)
        Burst(cr, pose.x, pose.y, 30, 38 + Jitter(frame, 3), 0xFFF27A, 1 - flinch * 0.6);
}

void KnockedOver(cairo_t* cr, const Animation& animation, const Frame& frame) {
    Pose pose = FrogAnimations::Standing(animation);
    const double blow = (frame.index + 1.0) / frame.count;
    pose.flat = blow;
    pose.squash = 0.45 * blow;
    pose.eyes = frame.index == 0 ? Eyes::Wide : Eyes::Crossed;
    pose.mouth = frame.index == 0 ? Mouth::Open : Mouth::Flat;
    pose.tint = 0xD8E8B0;
    pose.tintAmount = 0.25 * blow;
    FrogPainter::Draw(cr, pose);
    if (frame.index > 0)
        DizzyStars(cr, pose.x, pose.y - 22, frame.index * 0.18);
}

void Drown(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    Ripples(cr, animation.restX, animation.restY, t, 0.02, 0.18);
    Pose pose = FrogAnimations::Standing(animation);
    pose.eyes = Eyes::Wide;
    pose.mouth = Mouth::Open;
    const double flail = 1 - Span(t, 0.2, 0.45);
    pose.reach = flail * (0.5 + 0.5 * std::sin(2 * M_PI * 4 * t));
    pose.leap = flail * (0.5 - 0.5 * std::cos(2 * M_PI * 4 * t));
    pose.x += flail * Jitter(frame, 1.5);
    Sink(pose, t, 0.15);
    FrogPainter::Draw(cr, pose);
    Drops(cr, animation.restX, animation.restY, 20 + 60 * Span(t, 0, 0.25), 1 - Span(t, 0.05, 0.25),
          0xDDF2FF);
    Bubbles(cr, animation.restX, animation.restY, t, 0.45);
}

void KillTruck(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double side = animation.moveX > 0 ? 1 : -1;
    const double hit = Smooth(Span(t, 0, 0.18));
    const double fly = Span(t, 0.18, 0.82);
    Pose pose = FrogAnimations::Standing(animation);
    pose.x += animation.moveX * (1 - (1 - fly) * (1 - fly));
    pose.heading = side * (M_PI / 2 + 2.2 * M_PI * Smooth(fly));
    pose.flat = 0.85 * hit;
    pose.squash = 0.3 * hit;
    pose.eyes = hit > 0.3 ? Eyes::Crossed : Eyes::Wide;
    pose.mouth = Mouth::Open;
    pose.scale = 1 + 0.25 * std::sin(M_PI * fly);
    pose.lift = 18 * std::sin(M_PI * fly);
    pose.opacity = 1 - Smooth(Span(t, 0.7, 1));
    FrogPainter::Draw(cr, pose);
    // The truck comes from behind the way it drives.
    const double impact = Span(t, 0, 0.3);
    if (impact > 0 && impact < 1)
        Burst(cr, animation.restX - side * 26, animation.restY, 6 + 10 * impact, 16 + 14 * impact,
              0xFFFFF0, 1 - impact);
}

void BoxDrown(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    Ripples(cr, animation.restX, animation.restY, t, 0.25, 0.16);
    Pose pose = FrogAnimations::Standing(animation);
    pose.eyes = Eyes::Wide;
    pose.mouth = t > 0.3 ? Mouth::Open : Mouth::Flat;
    const double clinging = 1 - Span(t, 0.3, 0.4);
    pose.squash = 0.2 * clinging * Smooth(Span(t, 0, 0.1));
    pose.x += clinging * Jitter(frame, 1);
    pose.reach = 1 - clinging;
    Sink(pose, t, 0.3);
    FrogPainter::Draw(cr, pose);
    Bubbles(cr, animation.restX, animation.restY, t, 0.55);
}

void BoxHammer(cairo_t* cr, const Animation& animation, const Frame& frame) {
    Pose pose = FrogAnimations::Standing(animation);
    if (frame.start < kHammerStrikes) {
        // Looking up at what is coming.
        pose.eyes = Eyes::Wide;
        pose.mouth = Mouth::Open;
        pose.squash = -0.1 * Span(frame.start, 0, kHammerStrikes);
        FrogPainter::Draw(cr, pose);
        return;
    }
    const double after = Span(frame.start, kHammerStrikes, 1);
    pose.flat = 1;
    pose.squash = 0.55 - 0.15 * Smooth(Span(after, 0, 0.2));
    pose.eyes = Eyes::Dizzy;
    pose.mouth = Mouth::Flat;
    FrogPainter::Draw(cr, pose);
    if (after > 0.2)
        DizzyStars(cr, pose.x, pose.y - 24, after * 1.6);
}

void RedButton(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double zap = Span(t, 0.08, 0.6);
    const double charred = Smooth(Span(t, 0.5, 0.7));
    Pose pose = FrogAnimations::Standing(animation);
    if (t > 0) {
        pose.eyes = charred > 0.5 ? Eyes::Crossed : Eyes::Wide;
        pose.mouth = charred > 0.5 ? Mouth::Flat : Mouth::Open;
    }
    const bool zapping = zap > 0 && zap < 1;
    if (zapping) {
        const bool bright = frame.index % 2 == 0;
        pose.tint = bright ? 0xFFF6A0 : 0x3A3450;
        pose.tintAmount = bright ? 0.65 : 0.5;
        pose.flat = bright ? 0.5 : 0.3;
        pose.x += Jitter(frame, 2);
    } else if (charred > 0) {
        pose.tint = kSoot;
        pose.tintAmount = 0.8 * charred;
        pose.flat = 0.4;
    }
    FrogPainter::Draw(cr, pose);
    if (zapping)
        for (int bolt = 0; bolt < 4; ++bolt)
            Bolt(cr, pose.x, pose.y, bolt * M_PI / 2 + frame.index * 0.9, 40);
    Smoke(cr, pose.x, pose.y, t, 0.62, 0x6A6470);
}

void Bomb(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double crumble = Smooth(Span(t, 0.6, 1));
    Pose pose = FrogAnimations::Standing(animation);
    pose.eyes = Eyes::Wide;
    pose.mouth = Mouth::Flat;
    if (frame.index > 0) {
        pose.tint = kSoot;
        pose.tintAmount = 0.85;
        pose.squash = 0.12;
        if (frame.index == frame.count / 2)
            pose.eyes = Eyes::Closed;
    }
    pose.scale = 1 - 0.15 * crumble;
    pose.opacity = 1 - crumble;
    FrogPainter::Draw(cr, pose);
    Smoke(cr, pose.x, pose.y, t, 0.2, 0x5A5458);
    Smoke(cr, pose.x + 6, pose.y - 4, t, 0.5, 0x7A7478);
}

void Piranha(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double bite = Span(t, 0, 0.25);
    Ripples(cr, animation.restX, animation.restY + 8, t, 0.1, 0.2);
    Pose pose = FrogAnimations::Standing(animation);
    pose.eyes = Eyes::Wide;
    pose.mouth = Mouth::Open;
    pose.x += 5 * std::sin(2 * M_PI * 3 * bite) * (1 - bite);
    pose.y += 10 * Smooth(Span(t, 0.2, 0.9));
    pose.leap = std::sin(M_PI * bite);
    Sink(pose, t, 0.2);
    FrogPainter::Draw(cr, pose);
    Drops(cr, animation.restX, animation.restY + 10, 16 + 40 * bite, 1 - Span(t, 0.1, 0.35),
          0xFFFFFF);
    if (bite > 0 && bite < 1)
        Burst(cr, animation.restX, animation.restY + 18, 6, 14, 0xFF7A7A, 1 - bite);
    Bubbles(cr, animation.restX, animation.restY + 6, t, 0.5);
}

void HammerDown(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double s = frame.start;
    const double handle = std::hypot(animation.restX - kPivotX, animation.restY - kPivotY);
    const double down = std::atan2(animation.restY - kPivotY, animation.restX - kPivotX);
    const double raised = -M_PI * 0.58;
    const double swing = Span(s, 0.1, kHammerStrikes);
    double angle = raised + (down - raised) * swing * swing;
    if (s >= kHammerStrikes)
        angle = down + (raised - down) * Smooth(Span(s, 0.62, 1));
    // Raised, the head is nearer the eye and looks bigger.
    const double grow = 1.35 - 0.35 * (angle - raised) / (down - raised);
    cairo_save(cr);
    cairo_translate(cr, kPivotX, kPivotY);
    Mallet(cr, angle, handle, grow);
    cairo_restore(cr);
    const double bonk = Span(s, kHammerStrikes, 0.45);
    if (bonk > 0 && bonk < 1)
        Burst(cr, animation.restX, animation.restY, 28 + 6 * bonk, 40 + 8 * bonk, 0xFFF27A, 1);
}

void Explosion(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double x = animation.restX;
    const double y = animation.restY;
    const double blast = Smooth(Span(t, 0, 0.3));
    const double smoke = Smooth(Span(t, 0.15, 0.8));
    const double clear = 1 - Span(t, 0.55, 1);
    for (int puff = 0; puff < 8; ++puff) {
        const double angle = puff * M_PI / 4 + 0.3;
        const double distance = 10 + 34 * smoke;
        Paint::Ellipse(cr, x + std::cos(angle) * distance,
                       y + std::sin(angle) * distance - 8 * smoke, 9 + 9 * smoke, 9 + 9 * smoke);
        Paint::Colour(cr, Paint::Mix(0x4A4448, 0x9A949A, smoke), 0.85 * clear * Span(t, 0.1, 0.25));
        cairo_fill(cr);
    }
    Fireball(cr, x, y, 18 + 34 * blast, 1 - Span(t, 0.25, 0.6));
    for (int chunk = 0; chunk < 9; ++chunk) {
        const double angle = chunk * 2 * M_PI / 9 + 0.15;
        const double distance = 16 + 44 * Span(t, 0.05, 0.7);
        cairo_save(cr);
        cairo_translate(cr, x + std::cos(angle) * distance, y + std::sin(angle) * distance);
        cairo_rotate(cr, angle + t * 9);
        cairo_rectangle(cr, -3, -2, 6, 4);
        cairo_restore(cr);
        Paint::Colour(cr, 0x6A4A2A, 1 - Span(t, 0.4, 0.75));
        cairo_fill(cr);
    }
    if (frame.index == 0)
        Burst(cr, x, y, 20, 44, 0xFFFFF0, 1);
}

} // namespace FrogDeaths
