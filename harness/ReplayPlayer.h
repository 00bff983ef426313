#pragma once

#include "app/LoopDriver.h"
#include "core/Replay.h"
#include "core/ReplayCursor.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {
class HeadlessPlatform;
}

// Plays a replay back into the headless game as fast as it runs: brings the game to its title,
// restores what the recording started from, starts the game as the player did, then feeds the
// recorded clock steps and messages turn by turn and compares each checkpoint and the end.
class ReplayPlayer final : public LoopDriver {
  public:
    enum class Verdict { Unfinished, Verified, Diverged, OtherData };

    ReplayPlayer(const Replay& replay, platform::HeadlessPlatform& platform)
        : replay(replay), platform(platform), cursor(replay) {}

    void AwaitTurn() override;
    void TurnDone() override;

    Verdict Result() const { return verdict; }
    // What the verdict found, as one line.
    const std::string& Report() const { return report; }

  private:
    // The turns before the start: focus, and a frame from which the first turn's clock counts.
    static constexpr int kBootTurns = 2;
    static constexpr std::uint32_t kBootStepMs = 20;

    void Boot();
    bool SameData();
    void FeedTurn();
    void Check();
    void End(Verdict result, std::string why);

    const Replay& replay;
    platform::HeadlessPlatform& platform;
    int bootTurn = 0;
    ReplayCursor cursor;
    std::uint32_t lastAgreed = 0;
    std::size_t nextCheckpoint = 0;
    bool fedThisTurn = false;
    Verdict verdict = Verdict::Unfinished;
    std::string report;
};
