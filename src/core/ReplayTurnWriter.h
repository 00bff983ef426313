#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <span>
#include <string>

// Packs the turns of a game as they come, into bytes kept in memory until the game ends: a turn
// like the one before (same clock step and focus, no messages) only counts up a repeat.
class ReplayTurnWriter {
  public:
    // Keeps the bytes of the last game's capacity, so a new game does not grow them again.
    void Clear();
    void Add(std::uint32_t elapsedMs, bool focus, std::span<const platform::Message> messages);
    // The bytes with the last run of turns written out; Add may follow.
    const std::string& Finish();
    std::uint32_t Count() const { return count; }

  private:
    void WriteTag(std::uint32_t elapsedMs, bool focus, int kind);
    void FlushRun();

    std::string bytes;
    std::uint32_t count = 0;
    std::uint32_t lastElapsed = 0;
    std::uint32_t runElapsed = 0;
    bool runFocus = false;
    std::uint32_t runLength = 0;
};
