#include "Decorations.h"

#include "Paint.h"
#include "WorldGeometry.h"

#include <cmath>

namespace Decorations {
namespace {

using namespace WorldGeometry;

int LanesTop(int area) {
    return RowTop(TrackRow(area, kTracksPerArea - 1));
}
int LanesBottom(int area) {
    return RowTop(TrackRow(area, 0)) + kCellHeight;
}

Placement Crown(int index, int column, int row) {
    // Wide enough to shade the strip, narrow enough to leave the lanes beside it in sight.
    constexpr int kSize = 116;
    const int cx = column * kCellWidth + kCellWidth / 2;
    const int cy = RowTop(row) + kCellHeight / 2;
    return {"TOP_LAYER_0" + std::to_string(index),
            false,
            cx - kSize / 2,
            cy - kSize / 2 - 4,
            kSize,
            kSize};
}

// Spans an area's lanes from kerb to kerb, `overhang` rows beyond each.
Placement AcrossLanes(int index, int area, int x, int width, int overhang) {
    return {
        "ROAD_TOP_LAYER_0" + std::to_string(index),       true, x, LanesTop(area) - overhang, width,
        LanesBottom(area) - LanesTop(area) + 2 * overhang};
}

std::vector<Placement> Build() {
    const int pylonRowTop = RowTop(GrassRow(1)) + kCellHeight / 2 - 20;
    const int pylonRowBottom = RowTop(GrassRow(0)) + kCellHeight / 2 + 20;
    return {
        Crown(0, 13, GrassRow(0)),
        Crown(1, 2, GrassRow(3)),
        Crown(2, 13, GrassRow(5)),
        AcrossLanes(0, 0, 282, 52, 14),
        AcrossLanes(1, 2, 550, 150, 34),
        AcrossLanes(2, 4, 192, 56, 16),
        AcrossLanes(3, 6, 0, 172, 4),
        AcrossLanes(4, 6, 648, 152, 4),
        {"ROAD_TOP_LAYER_05", true, 0, pylonRowTop, 56, pylonRowBottom - pylonRowTop},
        AcrossLanes(6, 4, 598, 52, 14),
    };
}

// Leaves of a crown: overlapping shaded blobs, darker underneath, lit from the upper left.
void TreeCrown(cairo_t* cr, double w, double h) {
    const double cx = w / 2;
    const double cy = h / 2;
    Paint::Ellipse(cr, cx + 4, cy + 6, w * 0.46, h * 0.44);
    Paint::FlatOutlined(cr, 0x2F6B2A, 3);
    static constexpr double kBlobs[][3] = {{-0.22, -0.18, 0.22}, {0.16, -0.22, 0.21},
                                           {0.24, 0.08, 0.2},    {-0.2, 0.16, 0.22},
                                           {0.02, 0.22, 0.2},    {-0.02, -0.02, 0.24}};
    for (const auto& blob : kBlobs) {
        Paint::Ellipse(cr, cx + blob[0] * w, cy + blob[1] * h, blob[2] * w, blob[2] * h);
        Paint::ShadedOutlined(cr, 0x47A93A, 2.0, 0x24502A);
    }
    for (int i = 0; i < 26; ++i) {
        const double angle = i * 2.4;
        const double radius = (0.1 + 0.3 * Paint::Noise(i, 3, 17)) * w;
        Paint::Ellipse(cr, cx + std::cos(angle) * radius - 4, cy + std::sin(angle) * radius - 4, 5,
                       3.5);
        Paint::Colour(cr, 0x8BDB5E, 0.9);
        cairo_fill(cr);
    }
}

void SignGantry(cairo_t* cr, double w, double h, std::uint32_t sign) {
    // The truss beam spanning the road, posts at both kerbs.
    Paint::RoundedRect(cr, w / 2 - 7, 4, 14, h - 8, 3);
    Paint::ShadedOutlined(cr, 0xB8C0CC, 2);
    Paint::Colour(cr, 0x6A7380);
    cairo_set_line_width(cr, 1.5);
    for (double y = 10; y < h - 12; y += 14) {
        cairo_move_to(cr, w / 2 - 6, y);
        cairo_line_to(cr, w / 2 + 6, y + 7);
        cairo_line_to(cr, w / 2 - 6, y + 14);
    }
    cairo_stroke(cr);
    for (double y : {3.0, h - 17}) {
        Paint::RoundedRect(cr, w / 2 - 12, y, 24, 14, 3);
        Paint::ShadedOutlined(cr, 0x8E97A4, 2);
    }
    // Sign panels over the lanes, seen from above: their top edges and the lamps.
    for (int lane = 0; lane < kTracksPerArea; lane += 2) {
        const double y =
            h - (lane + 0.5) * kCellHeight - 26 - (h - kTracksPerArea * kCellHeight) / 2;
        Paint::RoundedRect(cr, 4, y, w - 8, 20, 4);
        Paint::ShadedOutlined(cr, sign, 2);
        Paint::Colour(cr, 0xF4F1E0);
        cairo_move_to(cr, w / 2 - 10, y + 10);
        cairo_line_to(cr, w / 2 + 6, y + 10);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_move_to(cr, w / 2 + 12, y + 10);
        cairo_line_to(cr, w / 2 + 3, y + 4);
        cairo_line_to(cr, w / 2 + 3, y + 16);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void Overpass(cairo_t* cr, double w, double h) {
    // Concrete deck with a road on it running up the picture, railings on both sides.
    Paint::RoundedRect(cr, 2, 2, w - 4, h - 4, 6);
    Paint::ShadedOutlined(cr, 0xB9B2A6, 3);
    cairo_rectangle(cr, 18, 6, w - 36, h - 12);
    Paint::FlatOutlined(cr, 0x5D606B, 0);
    for (double y = 8; y < h - 8; y += 3)
        for (double x = 18; x < w - 18; x += 3)
            if (Paint::Noise(static_cast<int>(x), static_cast<int>(y), 5) > 0.8) {
                cairo_rectangle(cr, x, y, 2, 2);
                Paint::Colour(cr, 0x6C6F7A);
                cairo_fill(cr);
            }
    Paint::Colour(cr, 0xF2E9C0);
    cairo_set_line_width(cr, 3);
    for (double y = 14; y < h - 30; y += 40) {
        cairo_move_to(cr, w / 2, y);
        cairo_line_to(cr, w / 2, y + 22);
    }
    cairo_stroke(cr);
    Paint::Colour(cr, 0xEFEFEF);
    for (double x : {24.0, w - 24}) {
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x, h - 10);
    }
    cairo_stroke(cr);
    for (double x : {4.0, w - 16}) {
        Paint::RoundedRect(cr, x, 4, 12, h - 8, 3);
        Paint::ShadedOutlined(cr, 0xD8D2C4, 2);
        for (double y = 12; y < h - 12; y += 18) {
            Paint::Ellipse(cr, x + 6, y, 3, 3);
            Paint::FlatOutlined(cr, 0x8A8478, 0);
        }
    }
    // Street lamps on the railings.
    for (double y = 60; y < h - 40; y += 150) {
        Paint::Ellipse(cr, 10, y, 7, 7);
        Paint::ShadedOutlined(cr, 0xFFE27A, 2);
        Paint::Ellipse(cr, w - 10, y + 75, 7, 7);
        Paint::ShadedOutlined(cr, 0xFFE27A, 2);
    }
}

void Footbridge(cairo_t* cr, double w, double h) {
    Paint::RoundedRect(cr, 6, 2, w - 12, h - 4, 5);
    Paint::ShadedOutlined(cr, 0xD9483B, 3);
    Paint::Colour(cr, 0xB8893F);
    for (double y = 10; y < h - 10; y += 9) {
        cairo_rectangle(cr, 12, y, w - 24, 6);
    }
    cairo_fill(cr);
    Paint::Colour(cr, 0x8A5E22);
    cairo_set_line_width(cr, 1);
    for (double y = 10; y < h - 10; y += 9) {
        cairo_rectangle(cr, 12, y, w - 24, 6);
    }
    cairo_stroke(cr);
    for (double x : {8.0, w - 8}) {
        cairo_move_to(cr, x, 4);
        cairo_line_to(cr, x, h - 4);
    }
    Paint::Colour(cr, 0xFFF0D8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void TunnelRoof(cairo_t* cr, double w, double h, bool portalOnRight) {
    // A grassy embankment over the tunnel, its concrete portal facing the open road.
    cairo_rectangle(cr, 0, 0, w, h);
    Paint::Colour(cr, 0x5DAE45);
    cairo_fill(cr);
    for (int i = 0; i < 400; ++i) {
        const double x = Paint::Noise(i, 1, 31) * w;
        const double y = Paint::Noise(i, 2, 31) * h;
        Paint::Colour(cr, Paint::Noise(i, 3, 31) > 0.5 ? 0x79C95A : 0x4A9438, 0.9);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 2, y - 6);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 5; ++i) {
        const double x = 30 + Paint::Noise(i, 7, 3) * (w - 70);
        const double y = 40 + i * (h - 80) / 4;
        Paint::Ellipse(cr, x, y, 18, 14);
        Paint::ShadedOutlined(cr, 0x3E8F35, 2, 0x24502A);
    }
    const double portal = portalOnRight ? w - 26 : 0;
    cairo_rectangle(cr, portal, 0, 26, h);
    Paint::ShadedOutlined(cr, 0xC9C2B4, 3);
    Paint::Colour(cr, 0xF0C419);
    for (double y = 8; y < h - 8; y += 24) {
        cairo_move_to(cr, portal + 4, y);
        cairo_line_to(cr, portal + 22, y + 12);
        cairo_line_to(cr, portal + 22, y + 20);
        cairo_line_to(cr, portal + 4, y + 8);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void PowerLine(cairo_t* cr, double w, double h) {
    // Pylon crossarms at both ends, three sagging wires between, birds on them.
    for (double y : {20.0, h - 20}) {
        Paint::RoundedRect(cr, 4, y - 6, w - 8, 12, 3);
        Paint::ShadedOutlined(cr, 0x9AA3AE, 2);
        Paint::Ellipse(cr, w / 2, y, 9, 9);
        Paint::ShadedOutlined(cr, 0x7C8590, 2);
    }
    for (double x : {12.0, w / 2, w - 12}) {
        cairo_move_to(cr, x, 20);
        cairo_curve_to(cr, x + 6, h * 0.35, x + 6, h * 0.65, x, h - 20);
        Paint::Colour(cr, 0x3A3448);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    for (double y : {h * 0.3, h * 0.62}) {
        Paint::Ellipse(cr, w / 2 + 5, y, 6, 4.5);
        Paint::ShadedOutlined(cr, 0x6B4A2E, 1.5);
        Paint::Ellipse(cr, w / 2 + 9, y - 3, 3, 3);
        Paint::ShadedOutlined(cr, 0x7A583A, 1.2);
    }
}

void TrafficLights(cairo_t* cr, double w, double h) {
    SignGantry(cr, w, h, 0x3A4250);
    for (double y = 30; y < h - 30; y += 75) {
        Paint::Ellipse(cr, w / 2, y, 5, 5);
        Paint::ShadedOutlined(cr, y < h / 2 ? 0xE8463A : 0x4ED65C, 1.5);
    }
}

} // namespace

const std::vector<Placement>& All() {
    static const std::vector<Placement> placements = Build();
    return placements;
}

void Draw(const Placement& placement, Canvas& canvas) {
    cairo_t* cr = canvas.Context();
    const double w = placement.width;
    const double h = placement.height;
    const std::string& label = placement.label;
    if (!placement.road)
        TreeCrown(cr, w, h);
    else if (label == "ROAD_TOP_LAYER_00")
        SignGantry(cr, w, h, 0x2F6FD0);
    else if (label == "ROAD_TOP_LAYER_01")
        Overpass(cr, w, h);
    else if (label == "ROAD_TOP_LAYER_02")
        Footbridge(cr, w, h);
    else if (label == "ROAD_TOP_LAYER_03")
        TunnelRoof(cr, w, h, true);
    else if (label == "ROAD_TOP_LAYER_04")
        TunnelRoof(cr, w, h, false);
    else if (label == "ROAD_TOP_LAYER_05")
        PowerLine(cr, w, h);
    else
        TrafficLights(cr, w, h);
}

} // namespace Decorations
