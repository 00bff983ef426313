#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Packs the turns of a game as they come, into bytes kept in memory until the game ends: a turn
// like the one before (same clock step and focus, no messages) only counts up a repeat, and a
// stretch whose steps jitter by a millisecond, as a desktop's clock does, costs a bit a turn.
class ReplayTurnWriter {
  public:
    // Keeps the bytes of the last game's capacity, so a new game does not grow them again.
    void Clear();
    void Add(std::uint32_t elapsedMs, bool focus, std::span<const platform::Message> messages);
    // The bytes with the last run of turns written out; Add may follow.
    const std::string& Finish();
    std::uint32_t Count() const { return count; }

  private:
    // Whether a turn without messages can join the stretch kept back.
    bool Joins(std::uint32_t elapsedMs, bool focus) const;
    void WriteTag(std::uint32_t elapsedMs, bool focus, int kind);
    void FlushRun();

    std::string bytes;
    std::uint32_t count = 0;
    std::uint32_t lastElapsed = 0;
    // The turns without messages not yet written: their focus, their steps, and the least and
    // greatest of these, never more than a millisecond apart.
    bool runFocus = false;
    std::vector<std::uint32_t> runSteps;
    std::uint32_t runLow = 0;
    std::uint32_t runHigh = 0;
};
