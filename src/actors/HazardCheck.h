#pragma once

class Frog;
class Level;
class PlayEvents;

// What kills the frog where it stands, checked once a frame while a level is played: the level
// clock running out, the traffic and the other blockers, the world's edge and the water.
class HazardCheck {
  public:
    // True when the frog has just been put into a dying state; `events` hears of the clock
    // running out.
    static bool Run(Frog& frog, const Level& level, PlayEvents& events);

  private:
    static bool RunOver(Frog& frog, const Level& level, int px, int py);
};
