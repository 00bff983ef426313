#include "FontAtlas.h"

#include "Paint.h"
#include "core/StringUtil.h"

#include <cmath>

namespace {

constexpr int kTopRowShift = 4;
constexpr int kGap = 2;

std::string Utf8(unsigned char latin1) {
    if (latin1 < 0x80)
        return std::string(1, static_cast<char>(latin1));
    return {static_cast<char>(0xC0 | latin1 >> 6), static_cast<char>(0x80 | (latin1 & 0x3F))};
}

void SelectFont(cairo_t* cr, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}

struct Metrics {
    int left;  // ink start relative to the pen, outline included
    int width; // cell width
};

// Cells hug the outlined ink, with one column to breathe on the right.
Metrics Measure(cairo_t* cr, const std::string& text, double outline) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const double half = outline / 2;
    const int left = static_cast<int>(std::floor(extents.x_bearing - half));
    const int right = static_cast<int>(std::ceil(extents.x_bearing + extents.width + half)) + 1;
    return {left, right - left};
}

} // namespace

const std::vector<unsigned char>& FontAtlas::Characters() {
    static const std::vector<unsigned char> characters = [] {
        std::vector<unsigned char> list;
        for (int c = '!'; c <= '~'; ++c)
            list.push_back(static_cast<unsigned char>(c));
        for (unsigned char c : {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF})
            list.push_back(c);
        return list;
    }();
    return characters;
}

FontAtlas::FontAtlas(const Style& style) {
    // Measure first, with a scratch surface, to know how many rows the picture needs.
    Canvas scratch(1, 1);
    SelectFont(scratch.Context(), style.size);
    cairo_font_extents_t font;
    cairo_font_extents(scratch.Context(), &font);
    const double pad = style.outline / 2 + 1;
    lineHeight = static_cast<int>(std::ceil(font.ascent + font.descent + 2 * pad));
    const int baseline = static_cast<int>(std::ceil(font.ascent + pad));
    std::vector<Metrics> metrics;
    int x = kTopRowShift;
    int top = 0;
    for (unsigned char code : Characters()) {
        const Metrics m = Measure(scratch.Context(), Utf8(code), style.outline);
        if (x + m.width > kPictureWidth) {
            x = 0;
            top += lineHeight;
        }
        metrics.push_back(m);
        glyphs.push_back({code, x, top, m.width});
        x += m.width + kGap;
    }
    picture = std::make_unique<Canvas>(kPictureWidth, top + lineHeight);
    cairo_t* cr = picture->Context();
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& glyph = glyphs[i];
        cairo_save(cr);
        cairo_rectangle(cr, glyph.x, glyph.top, glyph.width, lineHeight);
        cairo_clip(cr);
        SelectFont(cr, style.size);
        cairo_move_to(cr, glyph.x - metrics[i].left, glyph.top + baseline);
        cairo_text_path(cr, Utf8(glyph.code).c_str());
        Paint::Colour(cr, Paint::kOutline);
        cairo_set_line_width(cr, style.outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_pattern_t* shade =
            cairo_pattern_create_linear(0, glyph.top, 0, glyph.top + lineHeight);
        const std::uint32_t light = Paint::Lighter(style.fill, 0.45);
        cairo_pattern_add_color_stop_rgb(shade, 0.2, (light >> 16) / 255.0,
                                         (light >> 8 & 0xFF) / 255.0, (light & 0xFF) / 255.0);
        cairo_pattern_add_color_stop_rgb(shade, 0.8, (style.fill >> 16) / 255.0,
                                         (style.fill >> 8 & 0xFF) / 255.0,
                                         (style.fill & 0xFF) / 255.0);
        cairo_set_source(cr, shade);
        cairo_fill(cr);
        cairo_pattern_destroy(shade);
        cairo_restore(cr);
    }
}

std::string FontAtlas::Definition() const {
    const int height = picture->Height();
    std::string text = StringUtil::Format("0 1\n%d %d\n0 %d\n%zu\n0 0\n", kPictureWidth, height,
                                          lineHeight, glyphs.size());
    for (const Glyph& glyph : glyphs) {
        const int y = height - lineHeight - glyph.top;
        const int shift = glyph.top == 0 ? kTopRowShift : 0;
        const int x1 = glyph.x - shift;
        const int x2 = glyph.x + glyph.width - 1 - shift;
        text += StringUtil::Format("%x %x %d %d %d 0\n", glyph.code, 0, x1, y, x2);
    }
    return text;
}
