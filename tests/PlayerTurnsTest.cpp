#include "app/PlayerTurns.h"

#include <gtest/gtest.h>

namespace {

PlayerTurns::Record WithLives(int lives, int score) {
    PlayerTurns::Record record;
    record.settings.lives = lives;
    record.standing.score = score;
    return record;
}

} // namespace

// The turn goes to the other player while they have lives, with their own record; the one who
// leaves is kept as they left. A game of one never passes, and the scores end highest first.
TEST(PlayerTurnsTest, TheTurnPassesToWhoeverHasLivesLeft) {
    LevelSettings newGame;
    newGame.lives = 3;
    PlayerTurns one;
    one.Start(1, newGame);
    EXPECT_EQ(one.Pass(WithLives(2, 50)), nullptr);
    EXPECT_EQ(one.FinalScores(70), std::vector<int>{70});

    PlayerTurns two;
    two.Start(2, newGame);
    ASSERT_TRUE(two.TwoPlayers());
    const PlayerTurns::Record* second = two.Pass(WithLives(2, 120));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(two.Current(), 2);
    EXPECT_EQ(second->settings.lives, 3);
    EXPECT_EQ(second->standing.score, 0);
    EXPECT_EQ(two.Waiting().standing.score, 120);

    // Player 1 has no lives left after their next turn: player 2 plays on alone.
    ASSERT_NE(two.Pass(WithLives(1, 40)), nullptr);
    ASSERT_NE(two.Pass(WithLives(0, 130)), nullptr);
    EXPECT_EQ(two.Current(), 2);
    EXPECT_EQ(two.Pass(WithLives(0, 60)), nullptr) << "nobody to take over";
    EXPECT_EQ(two.FinalScores(60), (std::vector<int>{130, 60}));
}
