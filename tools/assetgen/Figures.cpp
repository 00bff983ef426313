#include "Figures.h"

#include "Paint.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Figures {
namespace {

void Eye(cairo_t* cr, double x, double y, double r) {
    Paint::Ellipse(cr, x, y, r, r);
    Paint::ShadedOutlined(cr, 0xFFFFF4, r * 0.22);
    Paint::Ellipse(cr, x + r * 0.15, y - r * 0.1, r * 0.5, r * 0.55);
    Paint::Colour(cr, 0x2A2238);
    cairo_fill(cr);
    Paint::Ellipse(cr, x - r * 0.05, y - r * 0.3, r * 0.18, r * 0.18);
    Paint::Colour(cr, 0xFFFFFF);
    cairo_fill(cr);
}

void Leg(cairo_t* cr, double x1, double y1, double x2, double y2, double x3, double y3,
         double width, std::uint32_t skin) {
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_line_to(cr, x3, y3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, width + 3);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, Paint::Darker(skin, 0.1));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    Paint::Ellipse(cr, x3, y3, width * 0.75, width * 0.75);
    Paint::FlatOutlined(cr, Paint::Lighter(skin, 0.15), 1.5);
}

} // namespace

void Frog(cairo_t* cr, double cx, double cy, double size, std::uint32_t skin) {
    const double s = size / 100.0;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    // Hind legs folded at the sides, front legs forward.
    for (int side : {-1, 1}) {
        Leg(cr, side * 18, 18, side * 44, 30, side * 36, 44, 11, skin);
        Leg(cr, side * 16, -8, side * 34, -18, side * 38, -32, 8, skin);
    }
    Paint::Ellipse(cr, 0, 8, 30, 36);
    Paint::ShadedOutlined(cr, skin, 4);
    // Back spots and the pale belly edge.
    for (const auto& spot : {std::array<double, 3>{-10, 14, 6}, {12, 22, 5}, {4, 2, 4}}) {
        Paint::Ellipse(cr, spot[0], spot[1], spot[2], spot[2] * 0.8);
        Paint::Colour(cr, Paint::Darker(skin, 0.25), 0.8);
        cairo_fill(cr);
    }
    Paint::Ellipse(cr, 0, -18, 26, 20);
    Paint::ShadedOutlined(cr, skin, 4);
    Eye(cr, -14, -30, 10);
    Eye(cr, 14, -30, 10);
    cairo_move_to(cr, -12, -10);
    cairo_curve_to(cr, -4, -4, 4, -4, 12, -10);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void FrogHead(cairo_t* cr, double cx, double cy, double size, std::uint32_t skin) {
    const double s = size / 100.0;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    Paint::Ellipse(cr, 0, 12, 44, 32);
    Paint::ShadedOutlined(cr, skin, 6);
    Eye(cr, -22, -14, 18);
    Eye(cr, 22, -14, 18);
    cairo_move_to(cr, -22, 22);
    cairo_curve_to(cr, -8, 34, 8, 34, 22, 22);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    for (double x : {-28.0, 28.0}) {
        Paint::Ellipse(cr, x, 18, 7, 4);
        Paint::Colour(cr, 0xFF8FA0, 0.7);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void Star(cairo_t* cr, double cx, double cy, double size, std::uint32_t fill) {
    const double outer = size / 2;
    const double inner = outer * 0.48;
    cairo_move_to(cr, cx, cy - outer);
    for (int i = 1; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 ? inner : outer;
        cairo_line_to(cr, cx + std::cos(angle) * r, cy + std::sin(angle) * r);
    }
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, fill, std::max(1.5, size / 16));
    Paint::Ellipse(cr, cx - outer * 0.18, cy - outer * 0.25, outer * 0.16, outer * 0.1);
    Paint::Colour(cr, 0xFFFFFF, 0.85);
    cairo_fill(cr);
}

void WaterLily(cairo_t* cr, double cx, double cy, double size, bool flower) {
    const double r = size / 2;
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, -M_PI / 2 + 0.35, 3 * M_PI / 2 - 0.05);
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, 0x4DB548, std::max(1.5, size / 28), 0x1F4A26);
    Paint::Colour(cr, 0x2E7D32, 0.7);
    cairo_set_line_width(cr, std::max(1.0, size / 60));
    for (int i = 0; i < 7; ++i) {
        const double angle = -M_PI / 2 + 0.6 + i * 0.8;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(angle) * r * 0.85, cy + std::sin(angle) * r * 0.85);
    }
    cairo_stroke(cr);
    if (!flower)
        return;
    for (int ring = 0; ring < 2; ++ring)
        for (int i = 0; i < 8; ++i) {
            const double angle = i * M_PI / 4 + ring * M_PI / 8;
            const double length = r * (ring ? 0.28 : 0.4);
            cairo_save(cr);
            cairo_translate(cr, cx + std::cos(angle) * length * 0.6,
                            cy + std::sin(angle) * length * 0.6);
            cairo_rotate(cr, angle);
            Paint::Ellipse(cr, 0, 0, length * 0.6, length * 0.26);
            cairo_restore(cr);
            Paint::ShadedOutlined(cr, ring ? 0xFFF1F6 : 0xFF9CC4, std::max(1.0, size / 60),
                                  0xB0507A);
        }
    Paint::Ellipse(cr, cx, cy, r * 0.1, r * 0.1);
    Paint::ShadedOutlined(cr, 0xFFD23A, 1);
}

void Car(cairo_t* cr, double cx, double cy, double size, std::uint32_t body) {
    const double w = size;
    const double h = size * 0.5;
    Paint::DropShadow(cr, cx + 3, cy + 3, w * 0.52, h * 0.6, 0.5);
    for (double x : {-0.3, 0.3})
        for (double y : {-0.5, 0.5}) {
            Paint::RoundedRect(cr, cx + x * w - w * 0.09, cy + y * h - h * 0.14, w * 0.18, h * 0.28,
                               2);
            Paint::FlatOutlined(cr, 0x3A3648, 1);
        }
    Paint::RoundedRect(cr, cx - w / 2, cy - h / 2, w, h, h * 0.35);
    Paint::ShadedOutlined(cr, body, 2.5);
    Paint::RoundedRect(cr, cx - w * 0.18, cy - h * 0.36, w * 0.38, h * 0.72, h * 0.2);
    Paint::ShadedOutlined(cr, 0x9ED8F5, 2);
    Paint::RoundedRect(cr, cx - w * 0.08, cy - h * 0.3, w * 0.2, h * 0.6, h * 0.15);
    Paint::ShadedOutlined(cr, Paint::Lighter(body, 0.2), 1.5);
    for (double y : {-0.32, 0.32}) {
        Paint::Ellipse(cr, cx + w * 0.44, cy + y * h, w * 0.04, h * 0.1);
        Paint::FlatOutlined(cr, 0xFFF4B0, 1);
    }
}

void Truck(cairo_t* cr, double cx, double cy, double size, std::uint32_t body) {
    const double w = size;
    const double h = size * 0.36;
    Paint::DropShadow(cr, cx + 3, cy + 3, w * 0.52, h * 0.62, 0.5);
    Paint::RoundedRect(cr, cx - w / 2, cy - h / 2, w * 0.7, h, 3);
    Paint::ShadedOutlined(cr, body, 2.5);
    Paint::Colour(cr, Paint::Darker(body, 0.2));
    cairo_set_line_width(cr, 1.5);
    for (double x = cx - w / 2 + 8; x < cx + w * 0.18; x += 8) {
        cairo_move_to(cr, x, cy - h / 2 + 3);
        cairo_line_to(cr, x, cy + h / 2 - 3);
    }
    cairo_stroke(cr);
    Paint::RoundedRect(cr, cx + w * 0.22, cy - h / 2 + 1, w * 0.28, h - 2, h * 0.25);
    Paint::ShadedOutlined(cr, 0xE8E4DA, 2.5);
    Paint::RoundedRect(cr, cx + w * 0.34, cy - h * 0.38, w * 0.1, h * 0.76, 3);
    Paint::ShadedOutlined(cr, 0x9ED8F5, 1.5);
}

void Trunk(cairo_t* cr, double cx, double cy, double size) {
    const double w = size;
    const double h = size * 0.3;
    Paint::RoundedRect(cr, cx - w / 2, cy - h / 2, w, h, h / 2);
    Paint::ShadedOutlined(cr, 0x9A6A3A, 2.5, 0x3A2418);
    Paint::Colour(cr, 0x6E4A2A);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 4; ++i) {
        const double y = cy - h * 0.3 + i * h * 0.2;
        cairo_move_to(cr, cx - w * 0.38, y);
        cairo_line_to(cr, cx + w * 0.3 - i * 5, y);
    }
    cairo_stroke(cr);
    Paint::Ellipse(cr, cx + w / 2 - h * 0.35, cy, h * 0.32, h * 0.45);
    Paint::ShadedOutlined(cr, 0xE0B77A, 2, 0x3A2418);
}

void Hippo(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 100.0;
    Paint::Ellipse(cr, cx, cy, 50 * s, 30 * s);
    Paint::Colour(cr, 0x7FC6F0, 0.6);
    cairo_fill(cr);
    Paint::Ellipse(cr, cx - 8 * s, cy, 40 * s, 24 * s);
    Paint::ShadedOutlined(cr, 0x9A86B8, 2.5);
    Paint::Ellipse(cr, cx + 32 * s, cy, 18 * s, 20 * s);
    Paint::ShadedOutlined(cr, 0xAE9BCB, 2.5);
    for (double y : {-8.0, 8.0}) {
        Paint::Ellipse(cr, cx + 40 * s, cy + y * s, 3 * s, 3 * s);
        Paint::Colour(cr, 0x3A3048);
        cairo_fill(cr);
        Paint::Ellipse(cr, cx + 24 * s, cy + y * 1.6 * s, 5 * s, 5 * s);
        Paint::ShadedOutlined(cr, 0xFFFFF4, 1.2);
    }
}

void Piranha(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 100.0;
    cairo_move_to(cr, cx - 46 * s, cy - 18 * s);
    cairo_line_to(cr, cx - 30 * s, cy);
    cairo_line_to(cr, cx - 46 * s, cy + 18 * s);
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, 0xD94A3A, 2);
    Paint::Ellipse(cr, cx, cy, 36 * s, 22 * s);
    Paint::ShadedOutlined(cr, 0xE8584A, 2.5);
    cairo_move_to(cr, cx + 14 * s, cy + 8 * s);
    for (int i = 0; i < 4; ++i) {
        cairo_line_to(cr, cx + (18 + i * 4) * s, cy + 13 * s);
        cairo_line_to(cr, cx + (20 + i * 4) * s, cy + 8 * s);
    }
    Paint::Colour(cr, 0xFFFFFF);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Paint::Ellipse(cr, cx + 18 * s, cy - 6 * s, 5 * s, 5 * s);
    Paint::ShadedOutlined(cr, 0xFFF27A, 1.5);
}

void Bug(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 100.0;
    for (int side : {-1, 1}) {
        Paint::Ellipse(cr, cx + side * 26 * s, cy - 8 * s, 26 * s, 16 * s);
        Paint::Colour(cr, 0xDDF4FF, 0.8);
        cairo_fill_preserve(cr);
        Paint::Colour(cr, 0x5A7A9A);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    Paint::Ellipse(cr, cx, cy + 6 * s, 14 * s, 26 * s);
    Paint::ShadedOutlined(cr, 0xF29C1F, 2.5);
    Paint::Colour(cr, 0x4A3020);
    cairo_set_line_width(cr, 3 * s);
    for (double y : {0.0, 10.0, 20.0}) {
        cairo_move_to(cr, cx - 12 * s, cy + y * s);
        cairo_line_to(cr, cx + 12 * s, cy + y * s);
    }
    cairo_stroke(cr);
    Paint::Ellipse(cr, cx, cy - 22 * s, 11 * s, 10 * s);
    Paint::ShadedOutlined(cr, 0x4A3A5A, 2);
}

void Crate(cairo_t* cr, double cx, double cy, double size) {
    const double h = size / 2;
    cairo_rectangle(cr, cx - h, cy - h, size, size);
    Paint::ShadedOutlined(cr, 0xC8924A, 2.5, 0x4A2E18);
    Paint::Colour(cr, 0x8A5E2A);
    cairo_set_line_width(cr, size / 10);
    cairo_move_to(cr, cx - h, cy - h);
    cairo_line_to(cr, cx + h, cy + h);
    cairo_move_to(cr, cx + h, cy - h);
    cairo_line_to(cr, cx - h, cy + h);
    cairo_stroke(cr);
    cairo_rectangle(cr, cx - h + size * 0.08, cy - h + size * 0.08, size * 0.84, size * 0.84);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Barrel(cairo_t* cr, double cx, double cy, double size) {
    const double w = size * 0.8;
    const double h = size * 0.5;
    Paint::RoundedRect(cr, cx - w / 2, cy - h / 2, w, h, h * 0.3);
    Paint::ShadedOutlined(cr, 0x3F7FC4, 2.5);
    Paint::Colour(cr, 0xB8C4D0);
    cairo_set_line_width(cr, size / 14);
    for (double x : {-0.25, 0.25}) {
        cairo_move_to(cr, cx + x * w, cy - h / 2 + 2);
        cairo_line_to(cr, cx + x * w, cy + h / 2 - 2);
    }
    cairo_stroke(cr);
}

} // namespace Figures
