#pragma once

#include "score/HighScore.h"

#include <array>

// The high-score screen's rows that have a replay: a mark before each, one of them chosen by
// the arrows or the controller, and Return, A or a click on a row to watch it. Nothing is
// chosen while a name is typed.
class HighScoreReplays {
  public:
    // True when the key moved the choice or started the chosen row's replay.
    bool OnKey(int key);
    // True when the click was on a row with a replay.
    bool OnClick(int x, int y);
    void Draw() const;
    // The screen is entered, or the table took a new entry: nothing chosen, and the rows with a
    // replay looked up once rather than at every frame.
    void Reset();

  private:
    static constexpr int kNone = -1;

    void Step(int direction);
    static void Watch(int place);
    bool HasReplay(int place) const { return playable[static_cast<std::size_t>(place)]; }

    int chosen = kNone;
    std::array<bool, HighScore::kEntries> playable{};
};
