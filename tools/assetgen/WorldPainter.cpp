#include "WorldPainter.h"

#include "Decorations.h"
#include "Paint.h"
#include "StagePainter.h"
#include "WorldGeometry.h"
#include "WorldLayout.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace WorldGeometry;

constexpr std::uint32_t kGrass = 0x6CBF4A;
constexpr std::uint32_t kGrassDark = 0x58A63C;
constexpr std::uint32_t kAsphalt = 0x5C606C;
constexpr std::uint32_t kMotorway = 0x4B4F5C;
constexpr std::uint32_t kWaterDeep = 0x1F6CB4;

int LanesTop(int area) {
    return RowTop(TrackRow(area, kTracksPerArea - 1));
}
int LanesBottom(int area) {
    return RowTop(TrackRow(area, 0)) + kCellHeight;
}
double CellCentreX(int column) {
    return column * kCellWidth + kCellWidth / 2.0;
}
double CellCentreY(int row) {
    return RowTop(row) + kCellHeight / 2.0;
}

} // namespace

WorldPainter::WorldPainter(Canvas& canvas) : canvas(canvas), cr(canvas.Context()) {}

void WorldPainter::Paint() const {
    Grass(0, kPictureHeight, 1);
    for (int area = 0; area < kAreas; ++area) {
        if (kAreaTypes[area] == kRiver)
            River(area);
        else
            Road(area, kAreaTypes[area] == kRoadWithRoof);
    }
    DecorationShadows();
    Features();
    StagePainter(cr).Paint();
    Grain();
}

void WorldPainter::Grass(int top, int bottom, int seed) const {
    cairo_rectangle(cr, 0, top, kPictureWidth, bottom - top);
    Paint::Colour(cr, kGrass);
    cairo_fill(cr);
    // Mowing stripes, then blades and small flowers.
    for (int x = 0; x < kPictureWidth; x += 100) {
        cairo_rectangle(cr, x, top, 50, bottom - top);
        Paint::Colour(cr, kGrassDark, 0.25);
        cairo_fill(cr);
    }
    const int blades = (bottom - top) * kPictureWidth / 180;
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < blades; ++i) {
        const double x = Paint::Noise(i, seed, 11) * kPictureWidth;
        const double y = top + Paint::Noise(i, seed, 12) * (bottom - top);
        const double lean = (Paint::Noise(i, seed, 13) - 0.5) * 4;
        Paint::Colour(cr, Paint::Noise(i, seed, 14) > 0.5 ? 0x86D65E : 0x4E9A36, 0.8);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + lean, y - 5);
        cairo_stroke(cr);
    }
    for (int i = 0; i < blades / 40; ++i) {
        const double x = Paint::Noise(i, seed, 21) * kPictureWidth;
        const double y = top + Paint::Noise(i, seed, 22) * (bottom - top);
        Paint::Ellipse(cr, x, y, 2, 2);
        Paint::Colour(cr, Paint::Noise(i, seed, 23) > 0.5 ? 0xFFF6A0 : 0xFFFFFF, 0.9);
        cairo_fill(cr);
    }
}

void WorldPainter::Road(int area, bool motorway) const {
    const int top = LanesTop(area);
    const int bottom = LanesBottom(area);
    const std::uint32_t asphalt = motorway ? kMotorway : kAsphalt;
    cairo_rectangle(cr, 0, top, kPictureWidth, bottom - top);
    Paint::Colour(cr, asphalt);
    cairo_fill(cr);
    // Patches and tyre tracks give the asphalt some wear.
    for (int i = 0; i < 60; ++i) {
        const double x = Paint::Noise(i, area, 41) * kPictureWidth;
        const double y = top + 8 + Paint::Noise(i, area, 42) * (bottom - top - 16);
        Paint::Ellipse(cr, x, y, 10 + 30 * Paint::Noise(i, area, 43),
                       4 + 8 * Paint::Noise(i, area, 44));
        Paint::Colour(cr,
                      Paint::Noise(i, area, 45) > 0.5 ? Paint::Lighter(asphalt, 0.08)
                                                      : Paint::Darker(asphalt, 0.12),
                      0.6);
        cairo_fill(cr);
    }
    for (int lane = 0; lane < kTracksPerArea; ++lane) {
        const double centre = RowTop(TrackRow(area, lane)) + kCellHeight / 2.0;
        for (double offset : {-17.0, 17.0}) {
            cairo_rectangle(cr, 0, centre + offset - 5, kPictureWidth, 10);
            Paint::Colour(cr, Paint::Darker(asphalt, 0.18), 0.35);
            cairo_fill(cr);
        }
    }
    // Kerbs: a light stone edge and a thin shadow on the road below the upper one.
    for (int y : {top - 6, bottom - 4}) {
        cairo_rectangle(cr, 0, y, kPictureWidth, 10);
        Paint::Colour(cr, 0xCFCBC2);
        cairo_fill(cr);
        for (int x = 0; x < kPictureWidth; x += 24) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + 10);
        }
        Paint::Colour(cr, 0x9C978C);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, 0, top + 4, kPictureWidth, 6);
    Paint::Colour(cr, 0x2A2238, 0.25);
    cairo_fill(cr);
    // Lane markings: solid edge lines, dashes between lanes.
    const std::uint32_t edge = motorway ? 0xF4C430 : 0xF2F2EA;
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (double y : {top + 12.0, bottom - 12.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kPictureWidth, y);
    }
    Paint::Colour(cr, edge);
    cairo_stroke(cr);
    for (int lane = 1; lane < kTracksPerArea; ++lane) {
        const double y = RowTop(TrackRow(area, lane)) + kCellHeight;
        for (int x = 10 + lane * 13 % 40; x < kPictureWidth; x += 60) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + 32, y);
        }
        Paint::Colour(cr, 0xEDEDE4, 0.92);
        cairo_stroke(cr);
    }
    // Manhole covers and drains for detail.
    for (int i = 0; i < 3; ++i) {
        const double x = 120 + 260 * i + 40 * Paint::Noise(i, area, 51);
        const double y =
            RowTop(TrackRow(area, (i * 2 + area) % kTracksPerArea)) + kCellHeight / 2.0;
        Paint::Ellipse(cr, x, y, 9, 9);
        Paint::FlatOutlined(cr, Paint::Darker(asphalt, 0.25), 1.5, Paint::Lighter(asphalt, 0.2));
    }
}

void WorldPainter::River(int area) const {
    const int top = LanesTop(area);
    const int bottom = LanesBottom(area);
    cairo_pattern_t* depth = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(depth, 0, 0.32, 0.66, 0.88);
    cairo_pattern_add_color_stop_rgb(depth, 0.5, (kWaterDeep >> 16) / 255.0,
                                     (kWaterDeep >> 8 & 0xFF) / 255.0, (kWaterDeep & 0xFF) / 255.0);
    cairo_pattern_add_color_stop_rgb(depth, 1, 0.32, 0.66, 0.88);
    cairo_rectangle(cr, 0, top, kPictureWidth, bottom - top);
    cairo_set_source(cr, depth);
    cairo_fill(cr);
    cairo_pattern_destroy(depth);
    // Current ripples: short light arcs, more of them near the banks.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 260; ++i) {
        const double x = Paint::Noise(i, area, 61) * kPictureWidth;
        const double y = top + 6 + Paint::Noise(i, area, 62) * (bottom - top - 12);
        const double length = 8 + 16 * Paint::Noise(i, area, 63);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + length / 3, y - 3, x + 2 * length / 3, y - 3, x + length, y);
        Paint::Colour(cr, Paint::Noise(i, area, 64) > 0.3 ? 0xA8DDF7 : 0x1A5C9E, 0.55);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Banks: sand and mud sloping into the water, reeds on the grass side.
    for (int side = 0; side < 2; ++side) {
        const double edge = side == 0 ? top : bottom;
        const double dir = side == 0 ? 1 : -1;
        cairo_move_to(cr, 0, edge - dir * 4);
        for (int x = 0; x <= kPictureWidth; x += 20)
            cairo_line_to(cr, x, edge + dir * (8 + 5 * Paint::Noise(x, side, 71 + area)));
        cairo_line_to(cr, kPictureWidth, edge - dir * 4);
        cairo_close_path(cr);
        Paint::FlatOutlined(cr, 0xD9BE7E, 0);
        cairo_move_to(cr, 0, edge + dir * 8);
        for (int x = 0; x <= kPictureWidth; x += 20)
            cairo_line_to(cr, x, edge + dir * (8 + 5 * Paint::Noise(x, side, 71 + area)));
        Paint::Colour(cr, 0xEAF7FF, 0.7);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (int i = 0; i < 40; ++i) {
            const double x = Paint::Noise(i, side, 81 + area) * kPictureWidth;
            for (int blade = -1; blade <= 1; ++blade) {
                cairo_move_to(cr, x + blade * 3, edge - dir * 2);
                cairo_line_to(cr, x + blade * 6, edge - dir * 12);
            }
            Paint::Colour(cr, 0x3F8A34);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
}

void WorldPainter::Features() const {
    for (const WorldLayout::Feature& feature : WorldLayout::Features()) {
        const double cx = CellCentreX(feature.column);
        const double cy = CellCentreY(feature.row);
        const int seed = feature.column * 31 + feature.row;
        switch (feature.kind) {
        case WorldLayout::Kind::Bush:
            Bush(cx, cy, seed);
            break;
        case WorldLayout::Kind::Rock:
            Rock(cx, cy, seed);
            break;
        case WorldLayout::Kind::Pond:
            Pond(feature.column * kCellWidth, cy, feature.span);
            break;
        case WorldLayout::Kind::Tree:
            TreeTrunk(cx, cy);
            break;
        case WorldLayout::Kind::Pillar:
            Pillar(feature.column * kCellWidth, cy, feature.span);
            break;
        case WorldLayout::Kind::Pylon:
            Pylon(cx, cy);
            break;
        case WorldLayout::Kind::Flowers:
            Flowers(cx, cy, seed);
            break;
        }
    }
}

void WorldPainter::Bush(double cx, double cy, int seed) const {
    Paint::DropShadow(cr, cx + 4, cy + 6, 28, 24, 0.5);
    static constexpr double kLeaves[][3] = {
        {-10, 6, 14}, {10, 6, 14}, {-6, -8, 14}, {8, -6, 13}, {0, 0, 15}};
    for (const auto& leaf : kLeaves) {
        Paint::Ellipse(cr, cx + leaf[0], cy + leaf[1], leaf[2], leaf[2] * 0.92);
        Paint::ShadedOutlined(cr, 0x3E9A3A, 2.2, 0x1F4A26);
    }
    for (int i = 0; i < 5; ++i) {
        const double angle = i * 1.3 + seed;
        Paint::Ellipse(cr, cx + std::cos(angle) * 9, cy + std::sin(angle) * 8, 3, 3);
        Paint::ShadedOutlined(cr, seed % 2 ? 0xE8413C : 0xF5E14A, 1, 0x6A2A2A);
    }
}

void WorldPainter::Rock(double cx, double cy, int seed) const {
    Paint::DropShadow(cr, cx + 3, cy + 6, 24, 18, 0.55);
    cairo_move_to(cr, cx - 20, cy + 10);
    for (int i = 0; i < 9; ++i) {
        const double angle = M_PI + i * M_PI / 4.5;
        const double radius = 17 + 5 * Paint::Noise(i, seed, 91);
        cairo_line_to(cr, cx + std::cos(angle) * radius * 1.2,
                      cy + std::sin(angle) * radius * 0.95);
    }
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, 0x9FA2A8, 2.5, 0x3A3646);
    cairo_move_to(cr, cx - 8, cy - 8);
    cairo_line_to(cr, cx + 2, cy - 2);
    cairo_line_to(cr, cx + 10, cy - 9);
    Paint::Colour(cr, 0x6D6E78);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Paint::Ellipse(cr, cx - 7, cy + 8, 6, 3);
    Paint::Colour(cr, 0x6FAE4A, 0.8);
    cairo_fill(cr);
}

void WorldPainter::Pond(double x, double cy, int columns) const {
    const double width = columns * kCellWidth;
    const double cx = x + width / 2;
    Paint::Ellipse(cr, cx, cy, width / 2 - 1, 33);
    Paint::FlatOutlined(cr, 0xB7A982, 0);
    Paint::Ellipse(cr, cx, cy, width / 2 - 5, 28);
    cairo_pattern_t* water =
        cairo_pattern_create_radial(cx - width / 6, cy - 10, 2, cx, cy, width / 2);
    cairo_pattern_add_color_stop_rgb(water, 0, 0.55, 0.82, 0.96);
    cairo_pattern_add_color_stop_rgb(water, 1, 0.14, 0.45, 0.72);
    cairo_set_source(cr, water);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(water);
    Paint::Colour(cr, 0x2A5A6E);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < columns * 2; ++i) {
        const double px = x + 14 + i * (width - 28) / std::max(1, columns * 2 - 1);
        const double py = cy + (i % 2 ? 9 : -8);
        cairo_move_to(cr, px, py);
        cairo_arc(cr, px, py, 7, 0.4, 2 * M_PI - 0.1);
        cairo_close_path(cr);
        Paint::ShadedOutlined(cr, 0x5DBB4C, 1.5, 0x245A2A);
    }
    for (int i = 0; i < columns * 4; ++i) {
        const double angle = i * 2 * M_PI / (columns * 4);
        Paint::Ellipse(cr, cx + std::cos(angle) * (width / 2 - 3), cy + std::sin(angle) * 31, 4, 3);
        Paint::ShadedOutlined(cr, 0xA4A6AC, 1, 0x4A4656);
    }
}

void WorldPainter::TreeTrunk(double cx, double cy) const {
    Paint::DropShadow(cr, cx + 10, cy + 10, 44, 34, 0.45);
    for (int i = 0; i < 5; ++i) {
        const double angle = 0.3 + i * 1.25;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(angle) * 22, cy + std::sin(angle) * 18);
    }
    Paint::Colour(cr, 0x6E4A2A);
    cairo_set_line_width(cr, 6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    Paint::Ellipse(cr, cx, cy, 14, 13);
    Paint::ShadedOutlined(cr, 0x8B5E34, 2.5, 0x3A2418);
}

void WorldPainter::Pillar(double x, double cy, int columns) const {
    const double width = columns * kCellWidth;
    Paint::DropShadow(cr, x + width / 2 + 6, cy + 6, width / 2 + 6, 34, 0.5);
    Paint::RoundedRect(cr, x + 4, cy - 30, width - 8, 60, 5);
    Paint::ShadedOutlined(cr, 0xC4BDB0, 3);
    Paint::Colour(cr, 0xF0C419);
    for (double px = x + 10; px < x + width - 24; px += 28) {
        cairo_move_to(cr, px, cy + 24);
        cairo_line_to(cr, px + 12, cy + 24);
        cairo_line_to(cr, px + 22, cy + 14);
        cairo_line_to(cr, px + 10, cy + 14);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void WorldPainter::Pylon(double cx, double cy) const {
    Paint::DropShadow(cr, cx + 6, cy + 6, 24, 24, 0.5);
    cairo_rectangle(cr, cx - 16, cy - 16, 32, 32);
    Paint::ShadedOutlined(cr, 0x8F98A3, 2.5);
    cairo_move_to(cr, cx - 16, cy - 16);
    cairo_line_to(cr, cx + 16, cy + 16);
    cairo_move_to(cr, cx + 16, cy - 16);
    cairo_line_to(cr, cx - 16, cy + 16);
    Paint::Colour(cr, 0x5A6270);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void WorldPainter::Flowers(double cx, double cy, int seed) const {
    static constexpr std::uint32_t kPetals[] = {0xFF6FA8, 0xFFD43B, 0xB07CFF, 0xFFFFFF};
    for (int i = 0; i < 7; ++i) {
        const double x = cx - 18 + 36 * Paint::Noise(i, seed, 101);
        const double y = cy - 22 + 44 * Paint::Noise(i, seed, 102);
        for (int petal = 0; petal < 5; ++petal) {
            const double angle = petal * 2 * M_PI / 5;
            Paint::Ellipse(cr, x + std::cos(angle) * 3.2, y + std::sin(angle) * 3.2, 2.6, 2.6);
            Paint::Colour(cr, kPetals[(i + seed) % 4]);
            cairo_fill(cr);
        }
        Paint::Ellipse(cr, x, y, 1.8, 1.8);
        Paint::Colour(cr, 0xF59E1B);
        cairo_fill(cr);
    }
}

// The road top layers cast their shadows on the road: their own outline, offset right and
// down, as the light falls from the upper left. A wire throws a thin shadow, a roof a wide one.
void WorldPainter::DecorationShadows() const {
    for (const Decorations::Placement& placement : Decorations::All()) {
        if (!placement.road)
            continue;
        Canvas silhouette(placement.width, placement.height);
        Decorations::Draw(placement, silhouette);
        silhouette.Flush();
        Paint::Colour(cr, 0x1E1830, 0.35);
        cairo_mask_surface(cr, silhouette.Surface(), placement.x + 10, placement.top + 8);
    }
}

void WorldPainter::Grain() const {
    canvas.Flush();
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < canvas.Height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<long>(y) * stride);
        for (int x = 0; x < canvas.Width(); ++x) {
            const double factor = 0.95 + 0.1 * Paint::Noise(x, y, 7);
            std::uint32_t pixel = row[x];
            std::uint32_t out = pixel & 0xFF000000u;
            for (int shift : {16, 8, 0}) {
                const double value = std::min(255.0, (pixel >> shift & 0xFF) * factor);
                out |= static_cast<std::uint32_t>(std::min<double>(value, pixel >> 24)) << shift;
            }
            row[x] = out;
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
}
