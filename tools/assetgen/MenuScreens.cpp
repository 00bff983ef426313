#include "MenuScreens.h"

#include "Buttons.h"
#include "Figures.h"
#include "Paint.h"
#include "Wording.h"
#include "app/OptionsScreen.h"
#include "core/ScreenSize.h"

#include <cmath>
#include <string>

namespace MenuScreens {

using ScreenSize::kHeight;
using ScreenSize::kWidth;

namespace {

// A summer meadow with a brook and a country road, the game's world in miniature.
void Backdrop(cairo_t* cr, int seed) {
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    Paint::Colour(cr, 0x74C653);
    cairo_fill(cr);
    for (int i = 0; i < 2400; ++i) {
        const double x = Paint::Noise(i, seed, 301) * kWidth;
        const double y = Paint::Noise(i, seed, 302) * kHeight;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 1.5, y - 5);
        Paint::Colour(cr, Paint::Noise(i, seed, 303) > 0.5 ? 0x93DD6C : 0x5AAE40, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // The brook winding across.
    cairo_move_to(cr, -20, 250);
    cairo_curve_to(cr, 200, 190, 420, 330, 820, 250);
    cairo_line_to(cr, 820, 340);
    cairo_curve_to(cr, 420, 420, 200, 280, -20, 340);
    cairo_close_path(cr);
    cairo_pattern_t* water = cairo_pattern_create_linear(0, 200, 0, 400);
    cairo_pattern_add_color_stop_rgb(water, 0, 0.45, 0.8, 0.96);
    cairo_pattern_add_color_stop_rgb(water, 1, 0.14, 0.48, 0.78);
    cairo_set_source(cr, water);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(water);
    Paint::Colour(cr, 0xD9BE7E);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i)
        Figures::WaterLily(cr, 60 + i * 100 + 20 * Paint::Noise(i, seed, 311),
                           290 + 24 * std::sin(i * 1.7), 34, i % 3 == 1);
    Figures::Trunk(cr, 520, 300, 120);
    // The road along the bottom.
    cairo_rectangle(cr, 0, 430, kWidth, kHeight - 430);
    Paint::Colour(cr, 0x5C606C);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 424, kWidth, 8);
    Paint::Colour(cr, 0xCFCBC2);
    cairo_fill(cr);
    for (int x = 10; x < kWidth; x += 60) {
        cairo_rectangle(cr, x, 508, 32, 4);
        Paint::Colour(cr, 0xEDEDE4);
        cairo_fill(cr);
    }
}

// A soft panel to write on, over the backdrop.
void Panel(cairo_t* cr, double x, double y, double w, double h, double alpha = 0.9) {
    Paint::RoundedRect(cr, x + 6, y + 8, w, h, 22);
    Paint::Colour(cr, 0x1E1830, 0.35);
    cairo_fill(cr);
    Paint::RoundedRect(cr, x, y, w, h, 22);
    Paint::Colour(cr, 0xFFF8E6, alpha);
    cairo_fill_preserve(cr);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
}

void Heading(cairo_t* cr, const std::string& text, double y) {
    Paint::Text(cr, text, kWidth / 2.0 + 3, y + 4, 46, 0x1E1830, Paint::Align::Centre, true, 0);
    Paint::Text(cr, text, kWidth / 2.0, y, 46, 0xFFD23A, Paint::Align::Centre, true, 6);
}

void Title(cairo_t* cr, Language language) {
    const std::string name = "Quagleaper";
    Paint::Text(cr, name, 40, 126, 80, 0x1E1830, Paint::Align::Left, true, 0);
    Paint::Text(cr, name, 34, 118, 80, 0x7EE04A, Paint::Align::Left, true, 9, 0x1F3A1A);
    // A highlight over the top half of the letters.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 40, 600, 44);
    cairo_clip(cr);
    Paint::Text(cr, name, 34, 118, 80, 0xC8FF8A, Paint::Align::Left, true, 0);
    cairo_restore(cr);
    Paint::Text(cr, Say(language, "Hüpf über Straße und Fluss!", "Hop across road and river!"), 44,
                170, 26, 0xFFFBE8, Paint::Align::Left, true, 4);
}

void KeyCap(cairo_t* cr, double x, double y, double w, const std::string& text) {
    Paint::RoundedRect(cr, x, y + 3, w, 34, 7);
    Paint::Colour(cr, 0x8A8478);
    cairo_fill(cr);
    Paint::RoundedRect(cr, x, y, w, 32, 7);
    Paint::ShadedOutlined(cr, 0xF4F1E8, 2.5);
    Paint::Text(cr, text, x + w / 2, y + 23, 16, 0x2A2238, Paint::Align::Centre, true, 0);
}

void HelpLine(cairo_t* cr, double x, double y, const std::string& title, const std::string& text) {
    Paint::Text(cr, title, x, y - 6, 15, 0xB0302A, Paint::Align::Left, true, 0);
    Paint::Text(cr, text, x, y + 13, 13, 0x2A2238, Paint::Align::Left, false, 0);
}

void Frame(cairo_t* cr, Language language) {
    // A wooden frame around the credits window, its inner edge exactly the window's edge.
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    cairo_rectangle(cr, kCreditsRight, kCreditsTop, kCreditsLeft - kCreditsRight,
                    kCreditsBottom - kCreditsTop);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* wood = cairo_pattern_create_linear(0, 0, kWidth, kHeight);
    cairo_pattern_add_color_stop_rgb(wood, 0, 0.36, 0.62, 0.3);
    cairo_pattern_add_color_stop_rgb(wood, 1, 0.2, 0.45, 0.22);
    cairo_set_source(cr, wood);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (int i = 0; i < 30; ++i) {
        const double angle = i * 2 * M_PI / 30;
        const double x = kWidth / 2.0 + std::cos(angle) * 370;
        const double y = kHeight / 2.0 + std::sin(angle) * 280;
        if (x > kCreditsLeft - 30 && x < kCreditsRight + 30 && y > kCreditsTop - 30 &&
            y < kCreditsBottom + 30)
            continue;
        Figures::WaterLily(cr, x, y, 44, i % 4 == 0);
    }
    cairo_rectangle(cr, kCreditsLeft - 8, kCreditsTop - 8, kCreditsRight - kCreditsLeft + 16,
                    kCreditsBottom - kCreditsTop + 16);
    cairo_rectangle(cr, kCreditsRight, kCreditsTop, kCreditsLeft - kCreditsRight,
                    kCreditsBottom - kCreditsTop);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Paint::Colour(cr, 0x9A6A3A);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_rectangle(cr, kCreditsLeft - 8, kCreditsTop - 8, kCreditsRight - kCreditsLeft + 16,
                    kCreditsBottom - kCreditsTop + 16);
    Paint::Colour(cr, Paint::kOutline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Figures::Frog(cr, 52, 556, 64, 0x5BC236);
    Figures::Frog(cr, 748, 556, 64, 0x3FB8A8);
    Figures::Bug(cr, 60, 50, 44);
    Figures::Star(cr, 740, 48, 40);
    Heading(cr, "Credits", 78);
    Buttons::DrawScreen(cr, Buttons::Screen::Credits, language);
}

} // namespace

void TitleMenu(Canvas& canvas, Language language) {
    cairo_t* cr = canvas.Context();
    Backdrop(cr, 1);
    Figures::Car(cr, 140, 470, 110, 0xE8463A);
    Figures::Truck(cr, 640, 470, 190, 0x3A7FE0);
    Paint::DropShadow(cr, 330, 350, 120, 60, 0.5);
    Figures::Frog(cr, 320, 300, 230);
    Figures::Bug(cr, 480, 230, 50);
    Figures::Star(cr, 200, 220, 40);
    Title(cr, language);
    // The options panel behind the two check boxes.
    Paint::RoundedRect(cr, 612, 96, 184, 150, 16);
    Paint::Colour(cr, 0x1E1830, 0.3);
    cairo_fill(cr);
    Buttons::DrawScreen(cr, Buttons::Screen::Title, language);
}

void Help(Canvas& canvas, Language language) {
    const auto say = [language](const char* german, const char* english) {
        return Say(language, german, english);
    };
    cairo_t* cr = canvas.Context();
    Backdrop(cr, 2);
    Panel(cr, 24, 80, 752, 430);
    Heading(cr, say("Hilfe", "Help"), 64);
    Paint::Text(cr, say("Tasten", "Keys"), 48, 116, 20, 0x2F6FD0, Paint::Align::Left, true, 0);
    KeyCap(cr, 78, 128, 34, "↑");
    KeyCap(cr, 40, 166, 34, "←");
    KeyCap(cr, 78, 166, 34, "↓");
    KeyCap(cr, 116, 166, 34, "→");
    Paint::Text(cr, say("Frosch hüpfen lassen", "Make the frog hop"), 160, 176, 15, 0x2A2238,
                Paint::Align::Left, true, 0);
    KeyCap(cr, 40, 210, 110, say("Leertaste", "Space"));
    Paint::Text(cr, say("Zunge: Insekt fangen", "Tongue: catch insects"), 160, 232, 15, 0x2A2238,
                Paint::Align::Left, true, 0);
    KeyCap(cr, 40, 250, 34, "P");
    Paint::Text(cr, "Pause", 84, 272, 15, 0x2A2238, Paint::Align::Left, true, 0);
    KeyCap(cr, 180, 250, 50, "Esc");
    Paint::Text(cr, say("zum Menü", "to the menu"), 238, 272, 15, 0x2A2238, Paint::Align::Left,
                true, 0);
    Paint::Text(cr, say("Ziel", "Goal"), 48, 318, 20, 0x2F6FD0, Paint::Align::Left, true, 0);
    Figures::WaterLily(cr, 70, 356, 46, true);
    Paint::Text(cr, say("Bring jeden Frosch zur", "Bring every frog to the"), 104, 346, 14,
                0x2A2238, Paint::Align::Left, false, 0);
    Paint::Text(cr, say("Seerose oben im Level,", "water lily at the top"), 104, 364, 14, 0x2A2238,
                Paint::Align::Left, false, 0);
    Paint::Text(cr, say("bevor die Zeit abläuft.", "before the time runs out."), 104, 382, 14,
                0x2A2238, Paint::Align::Left, false, 0);
    Figures::Star(cr, 70, 424, 34);
    Paint::Text(cr, say("Sterne auf Lastern bringen", "Stars on the trucks bring"), 104, 420, 14,
                0x2A2238, Paint::Align::Left, false, 0);
    Paint::Text(cr, say("Bonusleben.", "bonus lives."), 104, 438, 14, 0x2A2238, Paint::Align::Left,
                false, 0);
    Figures::Bug(cr, 70, 474, 38);
    Paint::Text(cr, say("Insekten fangen gibt Punkte.", "Catching insects scores points."), 104,
                480, 14, 0x2A2238, Paint::Align::Left, false, 0);
    // The objects of the lanes and what they do to a frog.
    Paint::Text(cr, say("Auf Straße und Fluss", "On road and river"), 400, 116, 20, 0x2F6FD0,
                Paint::Align::Left, true, 0);
    Figures::Car(cr, 430, 150, 56, 0xE8463A);
    HelpLine(cr, 474, 152, say("Autos", "Cars"),
             say("überfahren dich: ausweichen!", "run you over: dodge them!"));
    Figures::Truck(cr, 430, 202, 62, 0x3A7FE0);
    HelpLine(cr, 474, 204, say("Laster", "Trucks"),
             say("Aufspringen und mitfahren.", "Hop on and ride along."));
    Figures::Trunk(cr, 430, 252, 60);
    HelpLine(cr, 474, 254, say("Baumstämme", "Tree trunks"),
             say("tragen dich über den Fluss.", "carry you across the river."));
    Figures::WaterLily(cr, 430, 302, 40, false);
    HelpLine(cr, 474, 304, say("Seerosen", "Water lilies"),
             say("tragen dich, tauchen aber ab.", "carry you, but they dive."));
    Figures::Hippo(cr, 430, 352, 56);
    HelpLine(cr, 474, 354, say("Nilpferde", "Hippos"),
             say("tauchen unter, wenn sie wollen.", "dive whenever they like."));
    Figures::Piranha(cr, 430, 402, 50);
    HelpLine(cr, 474, 404, "Piranhas",
             say("beißen. Gar nicht erst nähern!", "bite. Keep well away!"));
    Figures::Crate(cr, 418, 452, 26);
    Figures::Barrel(cr, 446, 452, 30);
    HelpLine(cr, 474, 454, say("Kisten und Fässer", "Crates and barrels"),
             say("schwimmen mit. Vorsicht, Fallen!", "float along. Beware of traps!"));
    Buttons::DrawScreen(cr, Buttons::Screen::Help, language);
}

void HighScore(Canvas& canvas, Language language) {
    cairo_t* cr = canvas.Context();
    Backdrop(cr, 3);
    Panel(cr, 120, 90, 560, 392, 0.82);
    Heading(cr, Say(language, "Bestenliste", "High Scores"), 70);
    // Ten rows, names at x 200, scores ending at x 600, from y 120 every 35 pixels.
    for (int row = 0; row < 10; ++row) {
        const double y = 119 + row * 35;
        Paint::RoundedRect(cr, 146, y, 508, 32, 8);
        Paint::Colour(cr, row % 2 ? 0x5A8AC8 : 0x4A7AB8, 0.55);
        cairo_fill(cr);
        Paint::Text(cr, std::to_string(row + 1) + ".", 190, y + 23, 17,
                    row < 3 ? 0xFFD23A : 0xFFFBE8, Paint::Align::Right, true, 3);
    }
    Figures::Star(cr, 128, 108, 40);
    Figures::Star(cr, 672, 108, 40);
    Buttons::DrawScreen(cr, Buttons::Screen::HighScore, language);
}

void Credits(Canvas& canvas, Language language) {
    cairo_t* cr = canvas.Context();
    cairo_pattern_t* night = cairo_pattern_create_linear(0, kCreditsTop, 0, kCreditsBottom);
    cairo_pattern_add_color_stop_rgb(night, 0, 0.12, 0.2, 0.38);
    cairo_pattern_add_color_stop_rgb(night, 1, 0.08, 0.3, 0.42);
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    cairo_set_source(cr, night);
    cairo_fill(cr);
    cairo_pattern_destroy(night);
    for (int i = 0; i < 60; ++i) {
        const double x = kCreditsLeft + Paint::Noise(i, 1, 321) * (kCreditsRight - kCreditsLeft);
        const double y = kCreditsTop + Paint::Noise(i, 2, 321) * (kCreditsBottom - kCreditsTop);
        Paint::Ellipse(cr, x, y, 1.5, 1.5);
        Paint::Colour(cr, 0xBFE8FA, 0.6);
        cairo_fill(cr);
    }
    Frame(cr, language);
}

void CreditsMask(Canvas& canvas, Language language) {
    Frame(canvas.Context(), language);
}

void Preload(Canvas& canvas, Language language) {
    cairo_t* cr = canvas.Context();
    Backdrop(cr, 4);
    Panel(cr, 150, 130, 560, 290, 0.88);
    Paint::Text(cr, "Quagleaper", 430, 230, 64, 0x7EE04A, Paint::Align::Centre, true, 8, 0x1F3A1A);
    Paint::Text(cr, Say(language, "Einen Moment, die Frösche", "One moment, the frogs"), 430, 290,
                24, 0x2A2238, Paint::Align::Centre, true, 0);
    Paint::Text(cr, Say(language, "wärmen sich auf …", "are warming up …"), 430, 322, 24, 0x2A2238,
                Paint::Align::Centre, true, 0);
    Figures::Frog(cr, 430, 372, 64);
    // The groove the progress bar fills, rows 111 to 512 at the left edge.
    Paint::RoundedRect(cr, -12, kBarTop - 10, kBarWidth + 22, kBarHeight + 20, 12);
    Paint::ShadedOutlined(cr, 0x9A6A3A, 3);
    cairo_rectangle(cr, 0, kBarTop, kBarWidth, kBarHeight);
    Paint::Colour(cr, 0x2E3A4A);
    cairo_fill(cr);
    Paint::Text(cr, Say(language, "Laden", "Loading"), 52, kBarTop + kBarHeight + 28, 16, 0xFFFBE8,
                Paint::Align::Left, true, 3);
}

void Options(Canvas& canvas, Language language) {
    using Rows = OptionsScreen;
    cairo_t* cr = canvas.Context();
    Backdrop(cr, 5);
    const double bottom = Rows::kFirstRowTop + Rows::kRowCount * Rows::kRowStep;
    Panel(cr, Rows::kRowLeft - 20, Rows::kFirstRowTop - 14, Rows::kRowWidth + 40,
          bottom - Rows::kFirstRowTop + 24, 0.86);
    Heading(cr, Say(language, "Optionen", "Options"), 58);
    for (int row = 0; row < Rows::kRowCount; ++row) {
        Paint::RoundedRect(cr, Rows::kRowLeft, Rows::kFirstRowTop + row * Rows::kRowStep,
                           Rows::kRowWidth, Rows::kRowHeight, 8);
        Paint::Colour(cr, row % 2 ? 0x5A8AC8 : 0x4A7AB8, 0.55);
        cairo_fill(cr);
    }
}

void OptionsRowHighlight(Canvas& canvas, Language) {
    cairo_t* cr = canvas.Context();
    Paint::RoundedRect(cr, 1.5, 1.5, OptionsScreen::kRowWidth - 3, OptionsScreen::kRowHeight - 3,
                       8);
    Paint::Colour(cr, 0xE8862A, 0.9);
    cairo_fill_preserve(cr);
    Paint::Colour(cr, 0xFFD23A);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void ProgressBar(Canvas& canvas, Language) {
    // Fully opaque with square corners: the game stretches it, and stretched sprites have no
    // alpha map.
    cairo_t* cr = canvas.Context();
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, kBarHeight);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1.0, 0.86, 0.25);
    cairo_pattern_add_color_stop_rgb(fill, 1, 0.36, 0.76, 0.22);
    cairo_rectangle(cr, 0, 0, kBarWidth, kBarHeight);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_rectangle(cr, 4, 0, 8, kBarHeight);
    Paint::Colour(cr, 0xFFFFFF, 0.35);
    cairo_fill(cr);
    for (int y = 20; y < kBarHeight; y += 40) {
        cairo_rectangle(cr, 0, y, kBarWidth, 2);
        Paint::Colour(cr, 0x2A5A22, 0.35);
        cairo_fill(cr);
    }
}

} // namespace MenuScreens
