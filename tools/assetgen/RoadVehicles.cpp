#include "RoadVehicles.h"

#include "ContactSheet.h"
#include "DataFolder.h"
#include "Figures.h"
#include "Paint.h"
#include "PictureExport.h"
#include "PictureFiles.h"
#include "RoadTrucks.h"
#include "gfx/SpriteLabel.h"

#include <cmath>

namespace RoadVehicles {
namespace {

using RoadRiverStrips::Frame;

struct Body {
    // Object box in world units; the picture has a small margin for lights and wheels.
    int length;
    int width;
    std::uint32_t colour;
};

constexpr Body kSmallCar = {76, 46, 0xE8583C};
constexpr Body kRagtopOpen = {104, 50, 0x3BB3A6};
constexpr Body kRagtopClosed = {104, 50, 0x8A5BC7};
constexpr int kMargin = 10;
// Light from the upper left throws the shadow down and right on the screen.
constexpr int kShadowShiftX = 5;
constexpr int kShadowShiftY = 6;

int PictureWidth(const Body& body) {
    return body.length + 2 * kMargin;
}
int PictureHeight(const Body& body) {
    return body.width + kMargin;
}

// A bounce of one pixel every other frame keeps the engine running.
double Bounce(const Frame& frame) {
    return frame.index % 2 ? 0.6 : 0.0;
}

void Chassis(cairo_t* cr, const Body& body, double cx, double cy, double phase) {
    const double half = body.length / 2.0;
    for (double x : {-0.28, 0.3})
        for (int side : {-1, 1})
            Wheel(cr, cx + x * body.length, cy + side * (body.width / 2.0 - 0.5), body.length * 0.2,
                  phase);
    Lights(cr, cx + half, cx - half, cy, body.width / 2.0, phase);
    Paint::RoundedRect(cr, cx - half, cy - body.width / 2.0, body.length, body.width,
                       body.width * 0.36);
    Paint::ShadedOutlined(cr, body.colour, 2.5);
    // The bonnet's crease and the bumpers.
    Paint::Colour(cr, Paint::Darker(body.colour, 0.25), 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, cx + half * 0.55, cy - body.width * 0.3);
    cairo_curve_to(cr, cx + half * 0.8, cy - body.width * 0.1, cx + half * 0.8,
                   cy + body.width * 0.1, cx + half * 0.55, cy + body.width * 0.3);
    cairo_stroke(cr);
    for (int side : {-1, 1}) {
        Paint::RoundedRect(cr, cx + side * half - (side > 0 ? 4 : 0), cy - body.width * 0.3, 4,
                           body.width * 0.6, 2);
        Paint::FlatOutlined(cr, 0x8F98A3, 1);
    }
}

void Glass(cairo_t* cr, double x1, double x2, double cy, double halfNear, double halfFar) {
    cairo_move_to(cr, x1, cy - halfNear);
    cairo_line_to(cr, x2, cy - halfFar);
    cairo_line_to(cr, x2, cy + halfFar);
    cairo_line_to(cr, x1, cy + halfNear);
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, 0x8FD3F2, 1.5);
    Paint::Colour(cr, 0xFFFFFF, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, x1 + (x2 - x1) * 0.3, cy - halfNear * 0.6);
    cairo_line_to(cr, x1 + (x2 - x1) * 0.6, cy - halfNear * 0.2);
    cairo_stroke(cr);
}

void SmallCar(cairo_t* cr, const Frame& frame) {
    const Body& b = kSmallCar;
    const double cx = PictureWidth(b) / 2.0;
    const double cy = PictureHeight(b) / 2.0 + Bounce(frame);
    Chassis(cr, b, cx, cy, frame.phase);
    Glass(cr, cx + 10, cx + 20, cy, b.width * 0.36, b.width * 0.3);
    Glass(cr, cx - 22, cx - 27, cy, b.width * 0.34, b.width * 0.3);
    Paint::RoundedRect(cr, cx - 22, cy - b.width * 0.36, 32, b.width * 0.72, 7);
    Paint::ShadedOutlined(cr, Paint::Lighter(b.colour, 0.25), 2);
    // A racing stripe over the roof and a little aerial wagging.
    Paint::Colour(cr, 0xFFF6D8, 0.9);
    cairo_rectangle(cr, cx - 20, cy - 3, 28, 6);
    cairo_fill(cr);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, cx - 18, cy + b.width * 0.3);
    cairo_line_to(cr, cx - 30, cy + b.width * 0.3 + (frame.index - 1) * 2.0);
    cairo_stroke(cr);
}

void Seat(cairo_t* cr, double x, double y) {
    Paint::RoundedRect(cr, x - 7, y - 8, 14, 16, 4);
    Paint::ShadedOutlined(cr, 0xE9D8B4, 1.5);
}

void Driver(cairo_t* cr, double x, double y, double phase) {
    // The scarf streams behind and flutters.
    cairo_move_to(cr, x - 3, y + 2);
    const double flap = std::sin(phase * 2 * M_PI) * 3;
    cairo_curve_to(cr, x - 10, y + 4 + flap, x - 16, y - 2 - flap, x - 24, y + 3 + flap);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, 0xF2C230);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Paint::Ellipse(cr, x, y, 7, 7);
    Paint::ShadedOutlined(cr, 0x8B5E34, 1.5);
    // Goggles on the forehead, looking where it goes.
    Paint::RoundedRect(cr, x + 2, y - 5, 4, 10, 2);
    Paint::FlatOutlined(cr, 0x9ED8F5, 1);
}

void RagtopOpen(cairo_t* cr, const Frame& frame) {
    const Body& b = kRagtopOpen;
    const double cx = PictureWidth(b) / 2.0;
    const double cy = PictureHeight(b) / 2.0 + Bounce(frame);
    Chassis(cr, b, cx, cy, frame.phase);
    Glass(cr, cx + 14, cx + 20, cy, b.width * 0.38, b.width * 0.34);
    // The open tub: seats, a driver and the folded top behind them.
    Paint::RoundedRect(cr, cx - 30, cy - b.width * 0.38, 44, b.width * 0.76, 8);
    Paint::FlatOutlined(cr, 0x6E3B2A, 1.5);
    Seat(cr, cx - 16, cy + 9);
    Seat(cr, cx + 2, cy + 9);
    Seat(cr, cx - 16, cy - 9);
    Driver(cr, cx + 2, cy - 9, frame.phase);
    Paint::RoundedRect(cr, cx - 40, cy - b.width * 0.36, 10, b.width * 0.72, 4);
    Paint::ShadedOutlined(cr, 0x4A4656, 1.5);
}

void RagtopClosed(cairo_t* cr, const Frame& frame) {
    const Body& b = kRagtopClosed;
    const double cx = PictureWidth(b) / 2.0;
    const double cy = PictureHeight(b) / 2.0 + Bounce(frame);
    Chassis(cr, b, cx, cy, frame.phase);
    Glass(cr, cx + 14, cx + 22, cy, b.width * 0.38, b.width * 0.32);
    // The soft top with its ribs.
    Paint::RoundedRect(cr, cx - 34, cy - b.width * 0.4, 48, b.width * 0.8, 9);
    Paint::ShadedOutlined(cr, 0x4A4656, 2);
    Paint::Colour(cr, 0x2E2A3A, 0.8);
    cairo_set_line_width(cr, 1.5);
    for (int rib = 1; rib < 4; ++rib) {
        cairo_move_to(cr, cx - 34 + rib * 12, cy - b.width * 0.38);
        cairo_line_to(cr, cx - 34 + rib * 12, cy + b.width * 0.38);
    }
    cairo_stroke(cr);
}

void StarSpin(cairo_t* cr, const Frame& frame) {
    constexpr double kSize = 34;
    const double turn = frame.phase * 2 * M_PI;
    cairo_translate(cr, 21, 21);
    // A halo pulsing twice a turn.
    const double glow = 0.25 + 0.15 * std::sin(2 * turn);
    cairo_pattern_t* halo = cairo_pattern_create_radial(0, 0, 4, 0, 0, 21);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.95, 0.6, glow);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.95, 0.6, 0);
    cairo_set_source(cr, halo);
    cairo_paint(cr);
    cairo_pattern_destroy(halo);
    // Spinning about its upright axis: the star narrows, then shows its darker back.
    const double facing = std::cos(turn);
    cairo_scale(cr, std::max(0.12, std::fabs(facing)), 1);
    Figures::Star(cr, 0, 0, kSize, facing >= 0 ? 0xFFD23A : 0xE0A020);
}

const std::vector<RoadRiverStrips::Strip> kStrips = {
    {"SMALL_CAR_DRIVE", PictureWidth(kSmallCar), PictureHeight(kSmallCar), 0.30, kAsphalt,
     SmallCar},
    {"RAGTOP_OPEN_DRIVE", PictureWidth(kRagtopOpen), PictureHeight(kRagtopOpen), 0.48, kAsphalt,
     RagtopOpen},
    {"RAGTOP_CLOSED_DRIVE", PictureWidth(kRagtopClosed), PictureHeight(kRagtopClosed), 0.33,
     kAsphalt, RagtopClosed},
    {"STAR_TRUCK", 42, 42, 1.5, kAsphalt, StarSpin},
};

struct Shadow {
    const char* label;
    int width;
    int height;
    int left;
    int right;
    int bodyWidth;
};

// The picture is as big as the vehicle's; the offsets move it down and right.
const Shadow kShadows[] = {
    {"SHADOW_SMALL_CAR", PictureWidth(kSmallCar), PictureHeight(kSmallCar), kMargin,
     kMargin + kSmallCar.length, kSmallCar.width},
    {"SHADOW_RAGTOP", PictureWidth(kRagtopOpen), PictureHeight(kRagtopOpen), kMargin,
     kMargin + kRagtopOpen.length, kRagtopOpen.width},
    {"SHADOW_TRUCK", RoadTrucks::kPictureWidth, RoadTrucks::kPictureHeight,
     RoadTrucks::kPictureRear, RoadTrucks::kPictureFront, RoadTrucks::kBodyWidth - 4},
};

void Silhouette(cairo_t* cr, const Shadow& shadow) {
    const double top = shadow.height / 2.0 - shadow.bodyWidth / 2.0;
    Paint::RoundedRect(cr, shadow.left, top, shadow.right - shadow.left, shadow.bodyWidth,
                       shadow.bodyWidth * 0.3);
    Paint::Colour(cr, 0x202020);
    cairo_fill(cr);
}

} // namespace

void Wheel(cairo_t* cr, double x, double y, double length, double phase) {
    const double w = 8;
    Paint::RoundedRect(cr, x - length / 2, y - w / 2, length, w, 3);
    Paint::FlatOutlined(cr, 0x34303E, 1.2);
    // Tread bars running backwards as the wheel turns.
    Paint::Colour(cr, 0x6A6678);
    cairo_set_line_width(cr, 1.5);
    const double step = length / 3;
    for (int bar = 0; bar < 4; ++bar) {
        const double bx = x - length / 2 + std::fmod(bar * step + (1 - phase) * step, length);
        if (bx > x - length / 2 + 1 && bx < x + length / 2 - 1) {
            cairo_move_to(cr, bx, y - w / 2 + 1.5);
            cairo_line_to(cr, bx, y + w / 2 - 1.5);
        }
    }
    cairo_stroke(cr);
}

void Lights(cairo_t* cr, double front, double rear, double cy, double halfWidth, double flicker) {
    for (int side : {-1, 1}) {
        const double y = cy + side * halfWidth * 0.62;
        cairo_pattern_t* beam = cairo_pattern_create_radial(front, y, 2, front, y, 11);
        // Under half covered everywhere, so the beam never counts as the vehicle's body.
        const double a = 0.3 + 0.1 * std::sin(flicker * 2 * M_PI);
        cairo_pattern_add_color_stop_rgba(beam, 0, 1, 0.97, 0.7, a);
        cairo_pattern_add_color_stop_rgba(beam, 1, 1, 0.97, 0.7, 0);
        cairo_set_source(cr, beam);
        cairo_rectangle(cr, front, y - 11, 11, 22);
        cairo_fill(cr);
        cairo_pattern_destroy(beam);
        Paint::Ellipse(cr, front - 2, y, 3, 4.5);
        Paint::FlatOutlined(cr, 0xFFF4B0, 1);
        Paint::Ellipse(cr, rear + 2, y, 2.5, 4);
        Paint::FlatOutlined(cr, 0xE8413C, 1);
    }
}

const std::vector<RoadRiverStrips::Strip>& Strips() {
    return kStrips;
}

std::vector<std::string> ShadowLabels() {
    std::vector<std::string> labels;
    for (const Shadow& shadow : kShadows)
        labels.emplace_back(shadow.label);
    return labels;
}

bool WriteShadows(const std::string& outDir, ContactSheet* sheet) {
    const DataFolder folder(outDir, nullptr);
    for (const Shadow& shadow : kShadows) {
        Canvas canvas(shadow.width, shadow.height);
        Silhouette(canvas.Context(), shadow);
        canvas.Flush();
        const std::string path = folder.PathOf(NormalizeLabel(shadow.label) + ".bmp");
        if (!PictureFiles::WriteBmpMask(path, shadow.width, shadow.height,
                                        PictureExport::HardTransparency(canvas)))
            return false;
        if (sheet)
            sheet->Add(shadow.label, canvas);
    }
    return true;
}

std::string ConfigText() {
    using RoadRiverStrips::Line;
    std::string text =
        "\n# Cars: the box that runs the frog over is the body with its wheels and lights; the\n"
        "# pictures are centred on it, so a mirrored car needs no other offset.\n";
    const std::pair<const char*, const Body*> sizes[] = {
        {"smallCar", &kSmallCar}, {"ragTopOpen", &kRagtopOpen}, {"ragTopClosed", &kRagtopClosed}};
    // Wheels, bumpers and headlights stick out of the body a little.
    for (const auto& [prefix, body] : sizes) {
        Line(text, std::string(prefix) + "ObjectWidth", body->length + 4);
        Line(text, std::string(prefix) + "ObjectHeight", body->width + 8);
    }
    for (const char* prefix : {"smallCar", "ragtopOpen", "ragtopClosed"}) {
        Line(text, std::string(prefix) + "OffsetX", 0);
        Line(text, std::string(prefix) + "OffsetY", 0);
    }
    for (const char* prefix : {"smallCar", "ragtop", "truck"}) {
        Line(text, std::string(prefix) + "ShadowOffsetX", kShadowShiftX);
        Line(text, std::string(prefix) + "ShadowOffsetY", -kShadowShiftY);
    }
    return text + RoadRiverStrips::IntervalLines(kStrips);
}

} // namespace RoadVehicles
