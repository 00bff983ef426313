#include "ContactSheet.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kColumns = 6;
constexpr int kCellWidth = 220;
constexpr int kCellHeight = 200;
constexpr int kThumbWidth = 200;
constexpr int kThumbHeight = 150;

void Checkerboard(cairo_t* cr, int x, int y, int width, int height) {
    constexpr int kSquare = 8;
    for (int row = 0; row * kSquare < height; ++row)
        for (int column = 0; column * kSquare < width; ++column) {
            const double grey = (row + column) % 2 ? 0.78 : 0.9;
            cairo_set_source_rgb(cr, grey, grey, grey);
            cairo_rectangle(cr, x + column * kSquare, y + row * kSquare,
                            std::min(kSquare, width - column * kSquare),
                            std::min(kSquare, height - row * kSquare));
            cairo_fill(cr);
        }
}

} // namespace

void ContactSheet::Add(const std::string& label, const Canvas& picture) {
    const double scale = std::min({1.0, static_cast<double>(kThumbWidth) / picture.Width(),
                                   static_cast<double>(kThumbHeight) / picture.Height()});
    const int width = std::max(1, static_cast<int>(picture.Width() * scale));
    const int height = std::max(1, static_cast<int>(picture.Height() * scale));
    auto thumbnail = std::make_unique<Canvas>(width, height);
    cairo_t* cr = thumbnail->Context();
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, picture.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    entries.push_back({label, picture.Width(), picture.Height(), std::move(thumbnail)});
}

bool ContactSheet::Write(const std::string& pngPath) const {
    const int rows = (static_cast<int>(entries.size()) + kColumns - 1) / kColumns;
    Canvas sheet(kColumns * kCellWidth, std::max(1, rows) * kCellHeight);
    cairo_t* cr = sheet.Context();
    cairo_set_source_rgb(cr, 0.2, 0.22, 0.26);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const Entry& entry = entries[index];
        const int x = static_cast<int>(index % kColumns) * kCellWidth + 10;
        const int y = static_cast<int>(index / kColumns) * kCellHeight + 8;
        const int thumbX = x + (kThumbWidth - entry.thumbnail->Width()) / 2;
        const int thumbY = y + (kThumbHeight - entry.thumbnail->Height()) / 2;
        Checkerboard(cr, thumbX, thumbY, entry.thumbnail->Width(), entry.thumbnail->Height());
        cairo_set_source_surface(cr, entry.thumbnail->Surface(), thumbX, thumbY);
        cairo_paint(cr);
        char size[40];
        std::snprintf(size, sizeof size, "%d x %d", entry.width, entry.height);
        cairo_set_source_rgb(cr, 0.95, 0.95, 0.9);
        cairo_move_to(cr, x, y + kThumbHeight + 16);
        cairo_show_text(cr, entry.label.c_str());
        cairo_move_to(cr, x, y + kThumbHeight + 30);
        cairo_show_text(cr, size);
    }
    sheet.Flush();
    return cairo_surface_write_to_png(sheet.Surface(), pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
}
