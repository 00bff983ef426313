#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>

namespace Paint {
namespace {

double Part(std::uint32_t rgb, int shift) {
    return (rgb >> shift & 0xFF) / 255.0;
}

std::uint32_t Pack(double r, double g, double b) {
    auto byte = [](double v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return byte(r) << 16 | byte(g) << 8 | byte(b);
}

void SelectFont(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

} // namespace

void Colour(cairo_t* cr, std::uint32_t rgb, double alpha) {
    cairo_set_source_rgba(cr, Part(rgb, 16), Part(rgb, 8), Part(rgb, 0), alpha);
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t) {
    auto channel = [&](int shift) { return Part(a, shift) * (1 - t) + Part(b, shift) * t; };
    return Pack(channel(16), channel(8), channel(0));
}

std::uint32_t Lighter(std::uint32_t rgb, double amount) {
    return Mix(rgb, 0xFFFFF0, amount);
}
std::uint32_t Darker(std::uint32_t rgb, double amount) {
    return Mix(rgb, 0x1A1430, amount);
}

void RoundedRect(cairo_t* cr, double x, double y, double width, double height, double radius) {
    const double r = std::min({radius, width / 2, height / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + height - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void ShadedOutlined(cairo_t* cr, std::uint32_t rgb, double outlineWidth, std::uint32_t outline) {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_pattern_t* shade = cairo_pattern_create_radial(
        x1 + (x2 - x1) * 0.3, y1 + (y2 - y1) * 0.25, 0, x1 + (x2 - x1) * 0.3, y1 + (y2 - y1) * 0.25,
        std::max(x2 - x1, y2 - y1) * 1.05);
    const std::uint32_t light = Lighter(rgb, 0.35);
    const std::uint32_t dark = Darker(rgb, 0.3);
    cairo_pattern_add_color_stop_rgb(shade, 0, Part(light, 16), Part(light, 8), Part(light, 0));
    cairo_pattern_add_color_stop_rgb(shade, 0.45, Part(rgb, 16), Part(rgb, 8), Part(rgb, 0));
    cairo_pattern_add_color_stop_rgb(shade, 1, Part(dark, 16), Part(dark, 8), Part(dark, 0));
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    if (outlineWidth > 0) {
        Colour(cr, outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

void FlatOutlined(cairo_t* cr, std::uint32_t rgb, double outlineWidth, std::uint32_t outline) {
    Colour(cr, rgb);
    cairo_fill_preserve(cr);
    if (outlineWidth > 0) {
        Colour(cr, outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double strength) {
    cairo_save(cr);
    cairo_translate(cr, cx + rx * 0.12, cy + ry * 0.18);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* blot = cairo_pattern_create_radial(0, 0, 0.55, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(blot, 0, 0.08, 0.06, 0.15, strength);
    cairo_pattern_add_color_stop_rgba(blot, 1, 0.08, 0.06, 0.15, 0);
    cairo_set_source(cr, blot);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(blot);
    cairo_restore(cr);
}

void Text(cairo_t* cr, const std::string& utf8, double x, double y, double size, std::uint32_t fill,
          Align align, bool bold, double outlineWidth, std::uint32_t outline) {
    SelectFont(cr, size, bold);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8.c_str(), &extents);
    double left = x;
    if (align == Align::Centre)
        left = x - extents.x_advance / 2;
    else if (align == Align::Right)
        left = x - extents.x_advance;
    cairo_new_path(cr);
    cairo_move_to(cr, left, y);
    cairo_text_path(cr, utf8.c_str());
    if (outlineWidth > 0) {
        Colour(cr, outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    Colour(cr, fill);
    cairo_fill(cr);
}

double TextWidth(cairo_t* cr, const std::string& utf8, double size, bool bold) {
    SelectFont(cr, size, bold);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8.c_str(), &extents);
    return extents.x_advance;
}

void ReleaseFonts() {
    cairo_debug_reset_static_data();
    FcFini();
}

double Noise(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

} // namespace Paint
