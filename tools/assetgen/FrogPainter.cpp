#include "FrogPainter.h"

#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace FrogPainter {
namespace {

struct Point {
    double x;
    double y;
};

struct Limb {
    Point hip;
    Point knee;
    Point foot;
};

Point Lerp(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

Limb Lerp(const Limb& a, const Limb& b, double t) {
    return {Lerp(a.hip, b.hip, t), Lerp(a.knee, b.knee, t), Lerp(a.foot, b.foot, t)};
}

// The right-hand limbs in frog units (100 across), facing up; the left mirror them.
constexpr Limb kHindFolded{{18, 18}, {44, 30}, {36, 44}};
constexpr Limb kHindStretched{{16, 26}, {32, 54}, {28, 82}};
constexpr Limb kHindFlat{{20, 22}, {50, 44}, {62, 70}};
constexpr Limb kFrontFolded{{16, -8}, {34, -18}, {38, -32}};
constexpr Limb kFrontReaching{{14, -10}, {26, -38}, {20, -60}};
constexpr Limb kFrontFlat{{18, -8}, {48, -22}, {62, -44}};

Limb Mirrored(Limb limb, int side) {
    limb.hip.x *= side;
    limb.knee.x *= side;
    limb.foot.x *= side;
    return limb;
}

Limb HindLeg(const Pose& pose, int side) {
    return Mirrored(Lerp(Lerp(kHindFolded, kHindStretched, pose.leap), kHindFlat, pose.flat), side);
}

// A waving leg swings its hand up and round over the head.
Limb FrontLeg(const Pose& pose, int side) {
    Limb limb = Lerp(Lerp(kFrontFolded, kFrontReaching, pose.reach), kFrontFlat, pose.flat);
    if (side > 0 && pose.wave != 0) {
        const double angle = -1.1 + pose.wave * 0.45;
        limb.knee = {40, -30};
        limb.foot = {40 + std::cos(angle) * 30, -30 + std::sin(angle) * 30};
    }
    return Mirrored(limb, side);
}

void Limbs(cairo_t* cr, const Limb& limb, double width, std::uint32_t skin) {
    cairo_move_to(cr, limb.hip.x, limb.hip.y);
    cairo_line_to(cr, limb.knee.x, limb.knee.y);
    cairo_line_to(cr, limb.foot.x, limb.foot.y);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, width + 4);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, Paint::Darker(skin, 0.12));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    // Webbed toes fanned along the shin.
    const double angle = std::atan2(limb.foot.y - limb.knee.y, limb.foot.x - limb.knee.x);
    for (int toe = -1; toe <= 1; ++toe) {
        const double a = angle + toe * 0.55;
        Paint::Ellipse(cr, limb.foot.x + std::cos(a) * width * 0.7,
                       limb.foot.y + std::sin(a) * width * 0.7, width * 0.42, width * 0.42);
        Paint::FlatOutlined(cr, Paint::Lighter(skin, 0.2), 1.8);
    }
}

void OpenEye(cairo_t* cr, double x, double y, double r, double lids, std::uint32_t skin) {
    Paint::Ellipse(cr, x, y, r, r);
    Paint::ShadedOutlined(cr, 0xFFFFF4, r * 0.24);
    Paint::Ellipse(cr, x + r * 0.12, y - r * 0.12, r * 0.5, r * 0.56);
    Paint::Colour(cr, Paint::kOutline);
    cairo_fill(cr);
    Paint::Ellipse(cr, x - r * 0.05, y - r * 0.32, r * 0.2, r * 0.2);
    Paint::Colour(cr, 0xFFFFFF);
    cairo_fill(cr);
    if (lids <= 0)
        return;
    // The lid comes down from the top of the ball.
    cairo_save(cr);
    Paint::Ellipse(cr, x, y, r, r);
    cairo_clip(cr);
    cairo_rectangle(cr, x - r, y - r, 2 * r, 2 * r * std::min(1.0, lids));
    Paint::Colour(cr, Paint::Lighter(skin, 0.1));
    cairo_fill(cr);
    cairo_restore(cr);
    Paint::Ellipse(cr, x, y, r, r);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, r * 0.24);
    cairo_stroke(cr);
}

void Ball(cairo_t* cr, double x, double y, double r, std::uint32_t fill) {
    Paint::Ellipse(cr, x, y, r, r);
    Paint::ShadedOutlined(cr, fill, r * 0.24);
}

void Stroke(cairo_t* cr, double width, std::uint32_t colour = Paint::kOutline) {
    Paint::Colour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Eye(cairo_t* cr, const Pose& pose, double x, double y, double r, std::uint32_t skin) {
    switch (pose.eyes) {
    case Eyes::Open:
        OpenEye(cr, x, y, r, pose.lids, skin);
        break;
    case Eyes::Wide:
        Ball(cr, x, y, r * 1.2, 0xFFFFF4);
        Paint::Ellipse(cr, x, y, r * 0.22, r * 0.22);
        Paint::Colour(cr, Paint::kOutline);
        cairo_fill(cr);
        break;
    case Eyes::Closed:
        Ball(cr, x, y, r, Paint::Lighter(skin, 0.1));
        cairo_move_to(cr, x - r * 0.7, y);
        cairo_curve_to(cr, x - r * 0.3, y + r * 0.45, x + r * 0.3, y + r * 0.45, x + r * 0.7, y);
        Stroke(cr, r * 0.28);
        break;
    case Eyes::Happy:
        Ball(cr, x, y, r, Paint::Lighter(skin, 0.1));
        cairo_move_to(cr, x - r * 0.65, y + r * 0.2);
        cairo_curve_to(cr, x - r * 0.3, y - r * 0.5, x + r * 0.3, y - r * 0.5, x + r * 0.65,
                       y + r * 0.2);
        Stroke(cr, r * 0.3);
        break;
    case Eyes::Crossed:
        Ball(cr, x, y, r, 0xFFFFF4);
        cairo_move_to(cr, x - r * 0.5, y - r * 0.5);
        cairo_line_to(cr, x + r * 0.5, y + r * 0.5);
        cairo_move_to(cr, x + r * 0.5, y - r * 0.5);
        cairo_line_to(cr, x - r * 0.5, y + r * 0.5);
        Stroke(cr, r * 0.3);
        break;
    case Eyes::Dizzy:
        Ball(cr, x, y, r, 0xFFFFF4);
        for (double a = 0; a < 4 * M_PI; a += 0.3) {
            const double radius = r * 0.08 + a * r * 0.055;
            const double px = x + std::cos(a) * radius;
            const double py = y + std::sin(a) * radius;
            if (a == 0)
                cairo_move_to(cr, px, py);
            else
                cairo_line_to(cr, px, py);
        }
        Stroke(cr, r * 0.18);
        break;
    }
}

void Mouth(cairo_t* cr, const Pose& pose) {
    switch (pose.mouth) {
    case Mouth::Smile:
        cairo_move_to(cr, -12, -10);
        cairo_curve_to(cr, -4, -4, 4, -4, 12, -10);
        Stroke(cr, 3);
        break;
    case Mouth::Grin:
        cairo_move_to(cr, -15, -12);
        cairo_curve_to(cr, -6, 0, 6, 0, 15, -12);
        cairo_close_path(cr);
        Paint::FlatOutlined(cr, 0xC2384E, 2.5);
        break;
    case Mouth::Open:
        Paint::Ellipse(cr, 0, -9, 7, 5);
        Paint::FlatOutlined(cr, 0x8A2030, 2.5);
        break;
    case Mouth::Flat:
        cairo_move_to(cr, -10, -8);
        cairo_line_to(cr, 10, -8);
        Stroke(cr, 3);
        break;
    }
}

void Tongue(cairo_t* cr, double length) {
    if (length <= 0)
        return;
    cairo_move_to(cr, 0, -9);
    cairo_line_to(cr, 0, -34 - length);
    Stroke(cr, 12, 0x8A2030);
    cairo_move_to(cr, 0, -9);
    cairo_line_to(cr, 0, -34 - length);
    Stroke(cr, 8, 0xF0708A);
    Paint::Ellipse(cr, 0, -37 - length, 9, 8);
    Paint::ShadedOutlined(cr, 0xF0708A, 2.5, 0x8A2030);
}

void Body(cairo_t* cr, const Pose& pose, std::uint32_t skin, double unit) {
    for (int side : {-1, 1})
        Limbs(cr, HindLeg(pose, side), 11, skin);
    for (int side : {-1, 1})
        Limbs(cr, FrontLeg(pose, side), 8, skin);
    const double wide = 1 + pose.squash * 0.45 + pose.flat * 0.3 + pose.breath * 0.06;
    const double longish = 1 - pose.squash * 0.3 - pose.flat * 0.12 + pose.breath * 0.03;
    Paint::Ellipse(cr, 0, 8, 30 * wide, 36 * longish);
    Paint::ShadedOutlined(cr, skin, 4);
    // The back's spots and a pale stripe down the spine.
    cairo_move_to(cr, 0, -2);
    cairo_line_to(cr, 0, 8 + 30 * longish);
    Stroke(cr, 3, Paint::Lighter(skin, 0.35));
    for (const Point spot : {Point{-12, 14}, Point{13, 24}, Point{8, 4}, Point{-8, 32}}) {
        Paint::Ellipse(cr, spot.x * wide, 8 + (spot.y - 8) * longish, 5.5, 4.5);
        Paint::Colour(cr, Paint::Darker(skin, 0.3), 0.75);
        cairo_fill(cr);
    }
    Paint::Ellipse(cr, 0, -18, 26 * (1 + pose.squash * 0.3 + pose.flat * 0.2),
                   20 * (1 - pose.squash * 0.2));
    Paint::ShadedOutlined(cr, skin, 4);
    // A swelling throat shows the breath at the sides of the head.
    if (pose.breath > 0)
        for (int side : {-1, 1}) {
            Paint::Ellipse(cr, side * 24, -10, 6 * pose.breath, 5 * pose.breath);
            Paint::ShadedOutlined(cr, Paint::Lighter(skin, 0.45), 1.5);
        }
    Mouth(cr, pose);
    for (int side : {-1, 1})
        Eye(cr, pose, side * 14, -30, 10, skin);
    Tongue(cr, pose.tongue / unit);
}

void Shadow(cairo_t* cr, const Pose& pose) {
    if (pose.shadow <= 0)
        return;
    const double r = kSize * 0.42 * pose.scale;
    const double strength = pose.shadow * std::clamp(1 - pose.lift / 50, 0.25, 1.0);
    Paint::DropShadow(cr, pose.x + pose.lift * 0.3, pose.y + pose.lift * 0.55,
                      r * (1 + pose.flat * 0.3), r * 0.9, strength);
}

} // namespace

void Draw(cairo_t* cr, const Pose& pose) {
    if (pose.opacity <= 0)
        return;
    cairo_save(cr);
    cairo_push_group(cr);
    Shadow(cr, pose);
    cairo_translate(cr, pose.x, pose.y);
    cairo_rotate(cr, pose.heading);
    const double s = kSize / 100 * pose.scale;
    // Squashed flat before a spring and on landing, drawn out long in the air.
    cairo_scale(cr, s * (1 + 0.3 * pose.squash), s * (1 - 0.3 * pose.squash));
    Body(cr, pose, Paint::Mix(pose.skin, pose.tint, pose.tintAmount), s);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, pose.opacity);
    cairo_restore(cr);
}

double Smooth(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double Span(double t, double from, double to) {
    return std::clamp((t - from) / (to - from), 0.0, 1.0);
}

} // namespace FrogPainter
