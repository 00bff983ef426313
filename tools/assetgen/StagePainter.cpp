#include "StagePainter.h"

#include "Figures.h"
#include "Paint.h"
#include "WorldGeometry.h"

#include <cmath>

namespace {

using WorldGeometry::kPictureWidth;
using WorldGeometry::kStageBottom;

constexpr double kPondX = 400;
constexpr double kPondY = 345;
constexpr double kPondRx = 330;
constexpr double kPondRy = 195;

} // namespace

void StagePainter::Paint() const {
    Garden();
    Path();
    FestivalPond();
    Podium();
    Audience();
    Lanterns();
    Banner();
    Sparkles();
}

void StagePainter::Garden() const {
    // Hedges along both sides of the way up, flower beds between.
    for (double x : {0.0, kPictureWidth - 70.0}) {
        for (double y = 590; y < kStageBottom - 20; y += 46) {
            Paint::Ellipse(cr, x + 35, y, 36, 28);
            Paint::ShadedOutlined(cr, 0x3A8F36, 2.2, 0x1F4A26);
        }
    }
    static constexpr std::uint32_t kBlooms[] = {0xFF5C8A, 0xFFD23A, 0xB57CFF, 0xFF8A3A};
    for (int bed = 0; bed < 4; ++bed) {
        const double x = bed < 2 ? 110 + bed * 120 : 450 + (bed - 2) * 120;
        Paint::RoundedRect(cr, x, 700, 100, 200, 30);
        Paint::ShadedOutlined(cr, 0x8A5A3A, 2.5, 0x3A2418);
        for (int i = 0; i < 40; ++i) {
            const double fx = x + 12 + 76 * Paint::Noise(i, bed, 201);
            const double fy = 712 + 176 * Paint::Noise(i, bed, 202);
            Paint::Ellipse(cr, fx, fy, 6, 6);
            Paint::ShadedOutlined(cr, kBlooms[(i + bed) % 4], 1.2, 0x5A2A3A);
        }
    }
}

void StagePainter::Path() const {
    // Stepping stones from the last grass strip up to the pond.
    for (double y = kStageBottom - 30; y > kPondY + kPondRy; y -= 44) {
        const double wobble = 10 * std::sin(y / 60);
        Paint::Ellipse(cr, 400 + wobble, y, 34, 16);
        Paint::ShadedOutlined(cr, 0xD7CDB8, 2.5, 0x4A4656);
    }
}

void StagePainter::FestivalPond() const {
    Paint::Ellipse(cr, kPondX, kPondY, kPondRx + 14, kPondRy + 14);
    Paint::ShadedOutlined(cr, 0xC9BC96, 3);
    Paint::Ellipse(cr, kPondX, kPondY, kPondRx, kPondRy);
    cairo_pattern_t* water =
        cairo_pattern_create_radial(kPondX - 80, kPondY - 70, 20, kPondX, kPondY, kPondRx);
    cairo_pattern_add_color_stop_rgb(water, 0, 0.45, 0.8, 0.97);
    cairo_pattern_add_color_stop_rgb(water, 1, 0.1, 0.42, 0.72);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);
    for (int i = 0; i < 70; ++i) {
        const double angle = Paint::Noise(i, 1, 211) * 2 * M_PI;
        const double radius = 0.3 + 0.65 * Paint::Noise(i, 2, 211);
        const double x = kPondX + std::cos(angle) * kPondRx * radius;
        const double y = kPondY + std::sin(angle) * kPondRy * radius;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 5, y - 3, x + 10, y - 3, x + 15, y);
        Paint::Colour(cr, 0xBFE8FA, 0.7);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Lily pads around the stage, some in bloom.
    for (int i = 0; i < 16; ++i) {
        const double angle = i * 2 * M_PI / 16 + 0.2;
        const double x = kPondX + std::cos(angle) * kPondRx * 0.78;
        const double y = kPondY + std::sin(angle) * kPondRy * 0.74;
        Figures::WaterLily(cr, x, y, 40 + 10 * Paint::Noise(i, 3, 211), i % 3 == 0);
    }
    // Stones of the rim.
    for (int i = 0; i < 48; ++i) {
        const double angle = i * 2 * M_PI / 48;
        Paint::Ellipse(cr, kPondX + std::cos(angle) * (kPondRx + 8),
                       kPondY + std::sin(angle) * (kPondRy + 8), 11, 8);
        Paint::ShadedOutlined(cr, 0xB2B0B8, 1.5, 0x4A4656);
    }
}

void StagePainter::Podium() const {
    // A giant golden lily, its pad the stage, the frog's place marked by a glowing ring.
    const double cx = kFrogX;
    const double cy = kFrogRow;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 40, cx, cy, 150);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.55, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.55, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, cx, cy, 150, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    for (int i = 0; i < 12; ++i) {
        const double angle = i * M_PI / 6;
        cairo_save(cr);
        cairo_translate(cr, cx + std::cos(angle) * 82, cy + std::sin(angle) * 70);
        cairo_rotate(cr, angle);
        Paint::Ellipse(cr, 0, 0, 40, 17);
        cairo_restore(cr);
        Paint::ShadedOutlined(cr, i % 2 ? 0xFFE9F2 : 0xFF8FBF, 2.5, 0xA04070);
    }
    Paint::Ellipse(cr, cx, cy, 88, 74);
    Paint::ShadedOutlined(cr, 0xF2C230, 4, 0x7A5410);
    Paint::Ellipse(cr, cx, cy, 70, 58);
    Paint::ShadedOutlined(cr, 0xFFD84A, 2, 0xB08018);
    Paint::Ellipse(cr, cx, cy + 6, 44, 36);
    Paint::Colour(cr, 0xFFF6C0, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double angle = i * M_PI / 4 + M_PI / 8;
        Figures::Star(cr, cx + std::cos(angle) * 58, cy + std::sin(angle) * 48, 14, 0xFFF3A0);
    }
}

void StagePainter::Audience() const {
    // Frogs of every colour cheering on the rim.
    static constexpr std::uint32_t kSkins[] = {0x5BC236, 0x3FB8A8, 0xE0C030,
                                               0xE07A3A, 0x8A6AD0, 0x4A9AE0};
    for (int i = 0; i < 12; ++i) {
        const double angle = M_PI * (0.12 + 0.76 * i / 11.0);
        const double x = kPondX + std::cos(angle) * (kPondRx + 30);
        const double y = kPondY + std::sin(angle) * (kPondRy + 28);
        Figures::Frog(cr, x, y, 44, kSkins[i % 6]);
    }
}

void StagePainter::Lanterns() const {
    // Two strings of lanterns across the top of the scene.
    static constexpr std::uint32_t kColours[] = {0xFF5C5C, 0xFFD23A, 0x5CD6FF, 0x9CFF5C, 0xFF8AE0};
    for (int string = 0; string < 2; ++string) {
        const double y = 40 + string * 28;
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, 260, y + 40, 540, y + 40, kPictureWidth, y);
        Paint::Colour(cr, 0x3A3448);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (int i = 1; i < 16; ++i) {
            const double t = i / 16.0;
            const double x = t * kPictureWidth;
            const double sag = 3 * t * (1 - t) * 40;
            Paint::Ellipse(cr, x, y + sag + 2, 8, 10);
            Paint::ShadedOutlined(cr, kColours[(i + string) % 5], 1.5);
        }
    }
}

void StagePainter::Banner() const {
    Paint::RoundedRect(cr, 220, 86, 360, 54, 14);
    Paint::ShadedOutlined(cr, 0xD93A4A, 3.5);
    Paint::Text(cr, "Großes Froschfest!", 400, 123, 30, 0xFFF3C0, Paint::Align::Centre, true, 4);
}

void StagePainter::Sparkles() const {
    for (int i = 0; i < 24; ++i) {
        const double x = 30 + Paint::Noise(i, 5, 221) * (kPictureWidth - 60);
        const double y = 90 + Paint::Noise(i, 6, 221) * 60;
        if (std::abs(x - kPondX) < 200)
            continue;
        Figures::Star(cr, x, y, 10 + 10 * Paint::Noise(i, 7, 221), i % 2 ? 0xFFF3A0 : 0xFFB0E0);
    }
}
