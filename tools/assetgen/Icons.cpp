#include "Icons.h"

#include "Buttons.h"
#include "Figures.h"
#include "Paint.h"

#include <cmath>

namespace Icons {
namespace {

std::unique_ptr<Canvas> Pointer(bool down) {
    // An arrow pointing up, its tip on the hot spot.
    auto canvas = std::make_unique<Canvas>(2 * kPointerHotSpotX + 2, 32);
    cairo_t* cr = canvas->Context();
    const double tip = kPointerHotSpotX + 0.5;
    cairo_move_to(cr, tip, 1.5);
    cairo_line_to(cr, tip + 9, 14);
    cairo_line_to(cr, tip + 3.5, 14);
    cairo_line_to(cr, tip + 3.5, 29);
    cairo_line_to(cr, tip - 3.5, 29);
    cairo_line_to(cr, tip - 3.5, 14);
    cairo_line_to(cr, tip - 9, 14);
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, down ? 0xFFC83A : 0x7EE04A, 2.2);
    return canvas;
}

std::unique_ptr<Canvas> CheckMark(Buttons::Point mark, Buttons::Point box) {
    auto canvas = std::make_unique<Canvas>(Buttons::kBoxSize + 12, Buttons::kBoxSize + 16);
    cairo_t* cr = canvas->Context();
    const double x = box.x - mark.x;
    const double y = box.y - mark.y;
    const double s = Buttons::kBoxSize;
    cairo_move_to(cr, x + s * 0.15, y + s * 0.5);
    cairo_line_to(cr, x + s * 0.42, y + s * 0.8);
    cairo_line_to(cr, x + s * 1.1, y - s * 0.05);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 10);
    cairo_stroke_preserve(cr);
    Paint::Colour(cr, 0x3FBF3A);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke(cr);
    return canvas;
}

std::unique_ptr<Canvas> Square(int size) {
    return std::make_unique<Canvas>(size, size);
}

std::unique_ptr<Canvas> StarIcon() {
    auto canvas = Square(36);
    Figures::Star(canvas->Context(), 18, 18.5, 33);
    return canvas;
}

std::unique_ptr<Canvas> FrogHeadIcon() {
    auto canvas = std::make_unique<Canvas>(42, 36);
    Figures::FrogHead(canvas->Context(), 21, 18, 44);
    return canvas;
}

std::unique_ptr<Canvas> FrogToGoal() {
    auto canvas = Square(40);
    Figures::Frog(canvas->Context(), 20, 20, 38);
    return canvas;
}

std::unique_ptr<Canvas> FrogHome() {
    // A frog already home: its lily, ticked off.
    auto canvas = Square(40);
    cairo_t* cr = canvas->Context();
    Figures::WaterLily(cr, 20, 20, 34, false);
    cairo_move_to(cr, 11, 21);
    cairo_line_to(cr, 18, 28);
    cairo_line_to(cr, 30, 12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Paint::Colour(cr, 0xFFFBE8);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    return canvas;
}

// The goal: a lily in bloom on a small patch of open water, with a little flag.
void GoalLily(cairo_t* cr, double size) {
    const double c = size / 2;
    Paint::Ellipse(cr, c, c + 3, c - 2, c * 0.78);
    cairo_pattern_t* water = cairo_pattern_create_radial(c - 10, c - 6, 2, c, c, c);
    cairo_pattern_add_color_stop_rgba(water, 0, 0.55, 0.85, 0.98, 1);
    cairo_pattern_add_color_stop_rgba(water, 0.75, 0.2, 0.55, 0.85, 1);
    cairo_pattern_add_color_stop_rgba(water, 1, 0.2, 0.55, 0.85, 0);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);
    Figures::WaterLily(cr, c, c + 3, size * 0.62, true);
}

std::unique_ptr<Canvas> WaterLilyGoal() {
    auto canvas = Square(72);
    cairo_t* cr = canvas->Context();
    GoalLily(cr, 72);
    cairo_move_to(cr, 52, 36);
    cairo_line_to(cr, 52, 6);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 52, 6);
    cairo_line_to(cr, 68, 11);
    cairo_line_to(cr, 52, 16);
    cairo_close_path(cr);
    Paint::ShadedOutlined(cr, 0xE8463A, 1.5);
    return canvas;
}

std::unique_ptr<Canvas> FrogInGoal() {
    auto canvas = Square(72);
    cairo_t* cr = canvas->Context();
    GoalLily(cr, 72);
    Figures::Frog(cr, 36, 36, 44);
    Figures::Star(cr, 58, 14, 14);
    return canvas;
}

std::unique_ptr<Canvas> InvisibleObject() {
    // Never shown in play; a dashed cell outline in case it is drawn for debugging.
    auto canvas = std::make_unique<Canvas>(50, 75);
    cairo_t* cr = canvas->Context();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const double dashes[] = {4, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_rectangle(cr, 1, 1, 48, 73);
    Paint::Colour(cr, 0xE0E0F0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    return canvas;
}

std::unique_ptr<Canvas> Logo(bool ostrel) {
    auto canvas = std::make_unique<Canvas>(190, 110);
    cairo_t* cr = canvas->Context();
    Paint::RoundedRect(cr, 3, 3, 184, 104, 18);
    Paint::ShadedOutlined(cr, ostrel ? 0x2F6FD0 : 0x3A9A4A, 3.5);
    if (ostrel) {
        // A bird in flight over a rising sun.
        Paint::Ellipse(cr, 95, 52, 26, 26);
        Paint::ShadedOutlined(cr, 0xFFB83A, 2.5);
        cairo_move_to(cr, 60, 48);
        cairo_curve_to(cr, 78, 30, 90, 38, 95, 50);
        cairo_curve_to(cr, 100, 38, 112, 30, 130, 48);
        cairo_curve_to(cr, 112, 42, 102, 50, 95, 60);
        cairo_curve_to(cr, 88, 50, 78, 42, 60, 48);
        cairo_close_path(cr);
        Paint::FlatOutlined(cr, 0xFFFBE8, 2);
        Paint::Text(cr, "OSTREL", 95, 98, 22, 0xFFFBE8, Paint::Align::Centre, true, 3);
    } else {
        // Green hills under a bright sky.
        cairo_move_to(cr, 20, 74);
        cairo_curve_to(cr, 50, 30, 80, 34, 100, 60);
        cairo_curve_to(cr, 120, 36, 150, 34, 170, 74);
        cairo_close_path(cr);
        Paint::ShadedOutlined(cr, 0x8FE060, 2.5);
        Figures::Star(cr, 150, 28, 22, 0xFFF3A0);
        Paint::Text(cr, "BRIMVALE", 95, 98, 21, 0xFFFBE8, Paint::Align::Centre, true, 3);
    }
    return canvas;
}

std::unique_ptr<Canvas> Highlight(const std::string& label, Language language) {
    for (const Buttons::Button& button : Buttons::All())
        if (button.highlight == label) {
            auto canvas = std::make_unique<Canvas>(button.Width(), button.Height());
            Buttons::Draw(canvas->Context(), button, 0, 0, true, language);
            return canvas;
        }
    return nullptr;
}

} // namespace

void DrawApplicationIcon(cairo_t* cr) {
    Paint::RoundedRect(cr, 2, 2, 60, 60, 14);
    Paint::ShadedOutlined(cr, 0x3FA8E0, 3);
    Figures::FrogHead(cr, 32, 34, 60);
}

std::unique_ptr<Canvas> ApplicationIcon() {
    auto canvas = Square(kApplicationIconSize);
    DrawApplicationIcon(canvas->Context());
    return canvas;
}

const std::vector<std::string>& Labels() {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> list = {"CURSOR",
                                         "CURSOR_DOWN",
                                         "CHECK_MUSIC",
                                         "CHECK_SHADOW",
                                         "STAR",
                                         "FROG_HEAD",
                                         "FROG_TO_GOAL",
                                         "FROG_TO_GOAL_LEFT",
                                         "WATER_LILY_GOAL",
                                         "FROG_IN_GOAL",
                                         "INVISIBLE_OBJECT",
                                         "LOGO_OSTREL",
                                         "LOGO_BRIMVALE"};
        for (const Buttons::Button& button : Buttons::All())
            list.push_back(button.highlight);
        return list;
    }();
    return labels;
}

std::unique_ptr<Canvas> Draw(const std::string& label, Language language) {
    if (label == "CURSOR" || label == "CURSOR_DOWN")
        return Pointer(label == "CURSOR_DOWN");
    if (label == "CHECK_MUSIC")
        return CheckMark(Buttons::kCheckMusic, Buttons::kMusicBox);
    if (label == "CHECK_SHADOW")
        return CheckMark(Buttons::kCheckShadow, Buttons::kShadowBox);
    if (label == "STAR")
        return StarIcon();
    if (label == "FROG_HEAD")
        return FrogHeadIcon();
    if (label == "FROG_TO_GOAL")
        return FrogToGoal();
    if (label == "FROG_TO_GOAL_LEFT")
        return FrogHome();
    if (label == "WATER_LILY_GOAL")
        return WaterLilyGoal();
    if (label == "FROG_IN_GOAL")
        return FrogInGoal();
    if (label == "INVISIBLE_OBJECT")
        return InvisibleObject();
    if (label == "LOGO_OSTREL" || label == "LOGO_BRIMVALE")
        return Logo(label == "LOGO_OSTREL");
    return Highlight(label, language);
}

} // namespace Icons
