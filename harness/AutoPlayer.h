#pragma once

#include "RoutePlanner.h"

#include <optional>

class Game;

namespace platform {
class HeadlessWindow;
}

// A player for scripted runs: whenever the frog stands idle it looks at the lanes as they are
// and will be, and presses the key a careful player would, through the same key messages as
// the keyboard: it eats the insects within reach when it can afford to stand still, and
// otherwise hops, rides or waits. It reads the world and never changes it.
class AutoPlayer {
  public:
    explicit AutoPlayer(platform::HeadlessWindow& window) : window(window) {}

    // Called once a turn, after the script's own messages; presses at most one key.
    void Play();

  private:
    int ChooseKey(const Game& game);
    // An insect the tongue would eat is within its reach; the attackers are left alone.
    bool InsectInReach(const Game& game) const;
    // A plan to wait holds for one waiting step of the planner: looking again sooner only
    // finds the same.
    bool WaitingOn(float clock) const;
    void Press(int key);

    platform::HeadlessWindow& window;
    // Read from the game's catalogue at the first look: the catalogue is loaded by then.
    std::optional<RoutePlanner::Timing> timing;
    float tongueReach = 0.0f;
    // The level clock when the planner last chose to wait, if it did.
    std::optional<float> waitedAt;
};
