#pragma once

#include "core/Singleton.h"

#include <cstdint>

// The one generator behind every random draw of the game, so that one seed replays a whole game.
class Randomizer {
  public:
    void seed(std::uint32_t value) { state = value; }
    // What seed() would restore the generator to, as a replay keeps it.
    std::uint32_t current() const { return state; }
    // 0 ... 32767.
    int next();
    // a ... b; a when the range is empty.
    int range(int a, int b);

  private:
    friend class Singleton<Randomizer>;
    Randomizer();

    std::uint32_t state;
};
