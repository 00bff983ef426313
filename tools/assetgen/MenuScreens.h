#pragma once

#include "Canvas.h"

// The full-screen pictures outside a level, with their buttons at the fixed rectangles: title
// menu, help, high scores, credits and the credits' mask, and the preload screen with its
// progress bar.
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

void TitleMenu(Canvas& canvas);
void Help(Canvas& canvas);
void HighScore(Canvas& canvas);
void Credits(Canvas& canvas);
void CreditsMask(Canvas& canvas);
void Preload(Canvas& canvas);
void ProgressBar(Canvas& canvas);

} // namespace MenuScreens
