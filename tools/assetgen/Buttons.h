#pragma once

#include "core/Language.h"

#include <cairo.h>
#include <string>
#include <vector>

// The menu buttons at their fixed screen rectangles, drawn into the screen pictures and, lit
// up, as their highlight sprites, which the game draws at the rectangle's top-left corner.
namespace Buttons {

enum class Screen { Title, Help, HighScore, Credits };

struct Button {
    Screen screen;
    std::string highlight; // label of the highlight sprite
    std::string german;
    std::string english;
    int left;
    int top;
    int right;
    int bottom;
    bool checkBox;

    // The rectangle's size, counted as the game's rectangles are: right and bottom exclusive.
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    const std::string& Text(Language language) const {
        return language == Language::German ? german : english;
    }
};

const std::vector<Button>& All();

// Draws `button` with its top-left corner at (x, y); `lit` is the highlight under the pointer.
void Draw(cairo_t* cr, const Button& button, double x, double y, bool lit, Language language);
// Draws every button of `screen` at its place.
void DrawScreen(cairo_t* cr, Screen screen, Language language);

// Where the game draws the check marks, and the screen position of the box each one ticks.
struct Point {
    int x;
    int y;
};
constexpr Point kCheckMusic{738, 113};
constexpr Point kCheckShadow{738, 151};
constexpr Point kMusicBox{742, 117};
constexpr Point kShadowBox{742, 162};
constexpr int kBoxSize = 30;

} // namespace Buttons
