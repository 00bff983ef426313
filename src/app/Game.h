#pragma once

#include "actors/Frog.h"
#include "app/GameState.h"
#include "app/Hud.h"
#include "app/MenuScreens.h"
#include "core/Singleton.h"
#include "world/Level.h"

#include <cstdint>
#include <optional>

// The state machine of the whole program: every frame goes to the handler of the current state.
class Game {
  public:
    bool Init();
    void SetState(GameState newState);
    void NewGame();
    void ToggleMusic();
    void Shutdown();

    // One pass of the frame clock: frames run only with focus, at most every 20 ms.
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

    GameState state = GameState::TitleMenu;
    GameState stateBeforePause = GameState::TitleMenu;
    bool soundDeviceOk = false;
    bool musicOn = true;
    bool shadowsOn = true;
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
    MenuScreens menus;
    Hud hud;

  private:
    friend class Singleton<Game>;
    Game() = default;

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

    std::optional<uint32_t> lastTickTime;
};
