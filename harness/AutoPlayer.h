#pragma once

#include "RoutePlanner.h"

#include <optional>

class Game;

namespace platform {
class HeadlessWindow;
}

// A player for scripted runs: whenever the frog stands idle it looks at the lanes as they are
// and will be, and presses the key a careful player would, through the same key messages as
// the keyboard. It reads the world and never changes it.
class AutoPlayer {
public:
    explicit AutoPlayer(platform::HeadlessWindow& window) : window(window) {}

    // Called once a turn, after the script's own messages; presses at most one key.
    void Play();

private:
    int ChooseKey(const Game& game);
    // A plan to wait holds for one waiting step of the planner: looking again sooner only
    // finds the same.
    bool WaitingOn(float clock) const;
    void Press(int key);

    platform::HeadlessWindow& window;
    // Read from the game's catalogue at the first look: the catalogue is loaded by then.
    std::optional<RoutePlanner::Timing> timing;
    // The level clock when the planner last chose to wait, if it did.
    std::optional<float> waitedAt;
};
