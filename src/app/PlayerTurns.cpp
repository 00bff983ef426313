#include "app/PlayerTurns.h"

#include <algorithm>
#include <functional>

void PlayerTurns::Start(int count, const LevelSettings& newGame) {
    players = std::clamp(count, 1, kMaxPlayers);
    current = 0;
    for (Record& record : records)
        record = {newGame, {}};
}

const PlayerTurns::Record* PlayerTurns::Pass(const Record& leaving) {
    if (!TwoPlayers() || Waiting().settings.lives <= 0)
        return nullptr;
    records[current] = leaving;
    current = 1 - current;
    return &records[current];
}

std::vector<int> PlayerTurns::FinalScores(int currentScore) const {
    std::vector<int> scores{currentScore};
    if (TwoPlayers())
        scores.push_back(Waiting().standing.score);
    std::sort(scores.begin(), scores.end(), std::greater<>());
    return scores;
}
