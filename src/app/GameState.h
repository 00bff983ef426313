#pragma once

// The states of the game's state machine; 3 and 14 are reserved and never entered.
enum class GameState : int {
    Startup = 0,
    Playing = 1,
    ShowdownIntro = 2,
    FrogDying = 4,
    LifeLost = 5,
    Help = 6,
    Paused = 7,
    HighScores = 8,
    SubmitScore = 9,
    GameOver = 10,
    TitleMenu = 11,
    Showdown = 12,
    Credits = 13,
    Options = 15,
};
