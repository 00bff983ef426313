#pragma once

#include "score/GameScore.h"
#include "world/LevelSettings.h"

#include <array>
#include <vector>

// Two players at one game, taking turns as arcade cabinets do: each has their own level record
// (level, lives, bonus-life allowance, frogs home, level clock) and score, and the one waiting
// keeps theirs here. The turn passes after a life is lost and after a level is done, to the other
// player while they have lives left. A one-player game never touches any of this.
class PlayerTurns {
  public:
    static constexpr int kMaxPlayers = 2;

    struct Record {
        LevelSettings settings;
        GameScore::Standing standing;
    };

    // A new game of `players`; each starts from the level record of a new game.
    void Start(int players, const LevelSettings& newGame);
    bool TwoPlayers() const { return players == kMaxPlayers; }
    // 1 or 2.
    int Current() const { return current + 1; }

    // The player at the screen leaves it with their record; returns the record of the player
    // who takes over, or nothing when the same player plays on (the other has no lives left).
    const Record* Pass(const Record& leaving);
    // The waiting player's record, for the HUD, the trace and the high-score table.
    const Record& Waiting() const { return records[1 - current]; }

    // At the end of a game: the scores of both players, highest first.
    std::vector<int> FinalScores(int currentScore) const;

  private:
    int players = 1;
    int current = 0;
    std::array<Record, kMaxPlayers> records;
};
