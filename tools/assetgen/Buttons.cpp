#include "Buttons.h"

#include "Paint.h"
#include "Wording.h"

#include <algorithm>

namespace Buttons {
namespace {

std::vector<Button> Build() {
    return {
        {Screen::Title, "BUTTON_MUSIC_HIGH_LIGHT", "Musik", "Music", 636, 107, 786, 157, true},
        {Screen::Title, "BUTTON_SHADOW_HIGH_LIGHT", "Schatten", "Shadows", 623, 156, 786, 237,
         true},
        {Screen::Title, "BUTTON_START_HIGH_LIGHT", "Start", "Start", 71, 512, 204, 571, false},
        {Screen::Title, "BUTTON_HELP_HIGH_LIGHT", "Hilfe", "Help", 228, 512, 340, 571, false},
        {Screen::Title, "BUTTON_HIGH_SCORE_HIGH_LIGHT", "Bestenliste", "High Scores", 373, 512, 579,
         589, false},
        {Screen::Title, "BUTTON_EXIT_HIGH_LIGHT", "Ende", "Quit", 610, 512, 726, 573, false},
        {Screen::Title, "BUTTON_OPTIONS_HIGH_LIGHT", "Optionen", "Options", 628, 258, 786, 312,
         false},
        {Screen::Title, "BUTTON_TWO_PLAYERS_HIGH_LIGHT", "2 Spieler", "2 Players", 628, 322, 786,
         376, false},
        {Screen::Help, "BUTTON_BACK_HELP_HIGH_LIGHT", "Zurück", "Back", 416, 522, 497, 560, false},
        {Screen::Help, "BUTTON_CREDITS_HIGH_LIGHT", "Credits", "Credits", 281, 522, 378, 560,
         false},
        {Screen::HighScore, "BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT", "Zurück", "Back", 359, 523, 440,
         561, false},
        {Screen::Credits, "BUTTON_BACK_CREDITS_HIGH_LIGHT", "Zurück", "Back", 359, 523, 440, 561,
         false},
    };
}

void CheckBox(cairo_t* cr, const Button& button, double x, double y, bool lit, Language language) {
    const double w = button.Width();
    const double h = button.Height();
    Paint::RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 12);
    Paint::ShadedOutlined(cr, lit ? 0xFFE070 : 0xF6F0DA, 3);
    // The box sits where the game draws the mark; its label fills the space to its left.
    const bool music = button.highlight == "BUTTON_MUSIC_HIGH_LIGHT";
    const Point box = music ? kMusicBox : kShadowBox;
    const double boxX = box.x - button.left + x;
    const double boxY = box.y - button.top + y;
    Paint::RoundedRect(cr, boxX, boxY, kBoxSize, kBoxSize, 5);
    Paint::FlatOutlined(cr, 0xFFFFFF, 2.5);
    const std::uint32_t ink = lit ? 0xD93A2A : 0x2F6FD0;
    Paint::Text(cr, button.Text(language), boxX - 10, boxY + kBoxSize / 2.0 + 7, 19, ink,
                Paint::Align::Right, true, 0);
    if (!music)
        Paint::Text(cr, Say(language, "Schatten der Autos", "cast by the cars"), x + w / 2,
                    y + h - 16, 12, 0x6A6478, Paint::Align::Centre, true, 0);
}

} // namespace

const std::vector<Button>& All() {
    static const std::vector<Button> buttons = Build();
    return buttons;
}

void Draw(cairo_t* cr, const Button& button, double x, double y, bool lit, Language language) {
    if (button.checkBox) {
        CheckBox(cr, button, x, y, lit, language);
        return;
    }
    const double w = button.Width();
    const double h = button.Height();
    const std::uint32_t face = lit ? 0xFFC83A : 0x58B83A;
    Paint::RoundedRect(cr, x + 2, y + 4, w - 4, h - 6, h * 0.3);
    Paint::Colour(cr, Paint::Darker(face, 0.45));
    cairo_fill(cr);
    Paint::RoundedRect(cr, x + 2, y + 1.5, w - 4, h - 8, h * 0.3);
    Paint::ShadedOutlined(cr, face, 3);
    Paint::RoundedRect(cr, x + 10, y + 6, w - 20, (h - 8) * 0.32, h * 0.15);
    Paint::Colour(cr, 0xFFFFFF, 0.35);
    cairo_fill(cr);
    const double size = std::min(h * 0.46, 26.0);
    Paint::Text(cr, button.Text(language), x + w / 2, y + (h - 6) / 2 + size * 0.36, size,
                lit ? 0xFFFFFF : 0xFFFBE8, Paint::Align::Centre, true, 3.5);
}

void DrawScreen(cairo_t* cr, Screen screen, Language language) {
    for (const Button& button : All())
        if (button.screen == screen)
            Draw(cr, button, button.left, button.top, false, language);
}

} // namespace Buttons
