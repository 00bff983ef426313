#pragma once

#include <string>

class LevelSettings;

// The heads-up display over the world: level clock, score, stars, lives and the frogs of the
// level, blinking where the game wants attention, and the screen messages or, while paused,
// the blinking word "Pause".
class Hud {
  public:
    void DrawHud(const LevelSettings& level, bool paused, float dt, bool blinkLives,
                 bool blinkGoals);

    // A word centred at the top, over the picture: a replay's mark.
    static void DrawMark(const std::string& text);

    static std::string ClockText(float levelTime);

    // Whose turn it is in a game of two, 1 or 2; 0 in a game of one.
    int player = 0;

  private:
    void DrawCounters(const LevelSettings& level) const;
    void DrawLives(int lives, bool blink, unsigned milliseconds) const;
    void DrawFrogsOfLevel(const LevelSettings& level, bool blink, unsigned milliseconds) const;
    static void DrawPauseOrMessages(bool paused, float dt, unsigned milliseconds);
};
