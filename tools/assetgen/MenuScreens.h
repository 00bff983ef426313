#pragma once

#include "Canvas.h"
#include "core/Language.h"

// The full-screen pictures outside a level, with their buttons at the fixed rectangles: title
// menu, help, high scores, credits and the credits' mask, and the preload screen with its
// progress bar, the options screen. Each is drawn in the given language; German is the game's
// own.
namespace MenuScreens {

// The credits scroll inside this window; the mask covers everything else.
constexpr int kCreditsLeft = 90;
constexpr int kCreditsTop = 104;
constexpr int kCreditsRight = 710;
constexpr int kCreditsBottom = 506;

// The progress bar stands at the left edge from screen row 111.
constexpr int kBarTop = 111;
constexpr int kBarWidth = 34;
constexpr int kBarHeight = 402;

void TitleMenu(Canvas& canvas, Language language);
void Help(Canvas& canvas, Language language);
void HighScore(Canvas& canvas, Language language);
void Credits(Canvas& canvas, Language language);
void CreditsMask(Canvas& canvas, Language language);
void Preload(Canvas& canvas, Language language);
void ProgressBar(Canvas& canvas, Language language);
// The options screen's backdrop with a bar for each row, and the bar of the row chosen.
void Options(Canvas& canvas, Language language);
void OptionsRowHighlight(Canvas& canvas, Language language);

} // namespace MenuScreens
