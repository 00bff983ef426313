#pragma once

#include "core/Singleton.h"

#include <cstdint>

// The one generator behind every random draw of the game, so that one seed replays a whole game.
class Randomizer {
  public:
    void seed(std::uint32_t value) { state = value; }
    // 0 ... 32767.
    int next();
    // a ... b; a when the range is empty.
    int range(int a, int b);

  private:
    friend class Singleton<Randomizer>;
    Randomizer();

    std::uint32_t state;
};
