#pragma once

#include "actors/Frog.h"
#include "actors/Swarm.h"
#include "app/GameState.h"
#include "app/HighScoreReplays.h"
#include "app/Hud.h"
#include "app/MenuScreens.h"
#include "app/Options.h"
#include "app/OptionsScreen.h"
#include "app/PlayerTurns.h"
#include "app/ReplayRecorder.h"
#include "core/Singleton.h"
#include "score/ScoreKeeper.h"
#include "world/Level.h"

#include <cstdint>
#include <optional>
#include <string>

// The state machine of the whole program: every frame goes to the handler of the current state.
class Game {
  public:
    bool Init();

    GameState State() const { return state; }
    // Every change of state goes through one of these two. The fade: the screen's transition
    // where the pair of states has one (the menus, the start of play), and the credits rolled
    // from their top. The cut: the new state from the next frame on, nothing else.
    void FadeToState(GameState newState);
    void CutToState(GameState newState) { state = newState; }
    // A level in play, a death or a lost life waits under the pause word; the resume returns to
    // it.
    void Pause();
    void Resume();

    // A new game of one player, or two taking turns.
    void NewGame(int players = 1);
    // The player's start, by key or button: a new game, faded in, and its replay begun.
    void StartGame(int players = 1);
    // What a replay restores before it starts its game: the player's keys and choices of motion
    // and pause, and the waits a game inherits from the last.
    void ApplyReplayStart(const Replay& replay);
    // The game as a replay's checkpoints and end record see it.
    ReplayRecorder::Snapshot ReplayMoment() const;
    // The clock of the last frame, from which a replay's first turn counts; none before the
    // first turn.
    std::optional<uint32_t> LastFrameTime() const { return lastTickTime; }
    // After a replay, whose clock ran at its own pace: the next turn starts the frame clock.
    void RestartFrameClock() { lastTickTime.reset(); }
    // The title's two check boxes, U and T; the player's settings remember them.
    void ToggleMusic();
    void ToggleShadows();
    void Shutdown();

    // One pass of the frame clock: frames run only with focus, at most every 20 ms; in smooth
    // motion one for every turn of the loop that the display's refresh paces.
    void Tick(bool hasFocus);

    // How long the main loop may wait for messages before the next frame is due; negative
    // when no frame can come before a message does (the window has no focus).
    int MillisecondsUntilNextFrame(bool hasFocus) const;

    // The frog's arrival at the goal: true while it is near enough to count.
    bool CheckGoal();
    // The scene after the last level of a group: no lanes, the frog waiting on its stage.
    void SetUpShowdown();

    // Escape, M or the back button on the high-score screen.
    void LeaveHighScores();

    bool soundDeviceOk = false;
    bool musicOn = true;
    bool shadowsOn = true;
    // The title turns into a demo after a while without input.
    bool demosOnTitle = true;
    // Over every frame while a replay plays: what it is and how fast.
    std::string replayMark;
    // A replay chosen on the high-score screen, for the main loop to play.
    struct ReplayWish {
        std::string path;
        std::string name;
    };
    std::optional<ReplayWish> replayWanted;
    float waitAfterFrogDeath = 0.0f;
    float waitBeforeScrollUp = 0.0f;
    float inGoalDistance = 0.0f;
    float themeVolumeDb = 0.0f;
    float lifeLostTimer = 0.0f;
    float showdownIntroTimer = 0.0f;
    float showdownTimer = 0.0f;
    float gameOverTimer = 0.0f;
    // Declared before the level, so that the lanes that point at the frog go first.
    Frog frog;
    Level level;
    Swarm insects;
    MenuScreens menus;
    Hud hud;
    Options options;
    OptionsScreen optionsScreen;
    HighScoreReplays highScoreReplays;
    PlayerTurns turns;
    ReplayRecorder recorder;

  private:
    friend class Singleton<Game>;
    Game() = default;

    void TickAt(uint32_t now, bool hasFocus);
    void RunStateFrame(float dt);
    void RunLevelFrame(float dt);
    void RunFrogDyingFrame(float dt);
    void RunLifeLostFrame(float dt);
    void RunGameOverFrame(float dt);
    void RunSubmitScoreFrame();
    void RunPausedFrame();
    void RunShowdownIntroFrame(float dt);
    void RunShowdownFrame(float dt);
    void UpdateLevelSoundMix() const;
    void UpdateLevelTime(float dt);
    // The camera follows the frog; the frog is updated before the lanes when it is below them.
    void UpdateWorld(float dt, float backgroundDt, bool frogBelow, bool lanesRun);
    void RememberToggles();
    // After a lost life or a level done; true when the other player took over.
    bool PassTurn();
    // The next score of the game just over that enters the high-score table, once no name is
    // being typed; the first is offered the last name typed, as in a game of one.
    void EnterNextScore(bool offerLastName);
    int MinFrameMilliseconds() const;

    GameState state = GameState::TitleMenu;
    GameState stateBeforePause = GameState::TitleMenu;
    // A deadly command reaches the frog inside a frame; the death plays out from the next.
    ScoreKeeper scoreKeeper{[this] { CutToState(GameState::FrogDying); }};
    std::optional<uint32_t> lastTickTime;
    // The scores of the game just over still to enter the high-score table, highest first.
    std::vector<int> scoresToEnter;
};
