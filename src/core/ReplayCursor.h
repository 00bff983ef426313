#pragma once

#include "core/Replay.h"

#include <cstddef>
#include <cstdint>

// Walks a replay's turns in the order they were played, one main-loop turn at a time, unrolling
// the turns kept once with a repeat count.
class ReplayCursor {
  public:
    explicit ReplayCursor(const Replay& replay) : replay(replay) {}

    bool AtEnd() const { return played >= replay.turnCount || entry >= replay.turns.size(); }
    // The turn to play now, and the cursor past it; only while not AtEnd.
    const Replay::Turn& Next();
    // The turn Next would return; only while not AtEnd.
    const Replay::Turn& Peek() const { return replay.turns[entry]; }
    std::uint32_t Played() const { return played; }

  private:
    const Replay& replay;
    std::size_t entry = 0;
    std::uint32_t repeatsDone = 0;
    std::uint32_t played = 0;
};
