#include "app/Game.h"

#include "actors/HazardCheck.h"
#include "app/AssetCatalogue.h"
#include "app/CommandLine.h"
#include "app/SoundMix.h"
#include "core/FileLoader.h"
#include "core/Log.h"
#include "core/Quit.h"
#include "core/SettingsManager.h"
#include "core/Truncation.h"
#include "gfx/DirectDraw.h"
#include "gfx/HUDFont.h"
#include "gfx/ScoreFont.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "platform/Platform.h"
#include "score/GameScore.h"
#include "score/HighScore.h"
#include "score/ScreenMessage.h"
#include "sound/SoundEngine.h"
#include "world/BlockInfo.h"
#include "world/Randomizer.h"
#include "world/TrackObjectFactory.h"
#include "world/WaterLilyGoal.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMinFrameMilliseconds = 20;
// Smooth motion never runs a frame in which no time passed.
constexpr int kMinSmoothFrameMilliseconds = 1;
constexpr float kMaxFadeStepSeconds = 0.1f;
// A new game's camera settles on the start before the first frame shows it.
constexpr float kCameraSettleSeconds = 5.0f;
constexpr float kGameOverSeconds = 2.0f;
constexpr float kShowdownSeconds = 15.0f;
// A group of levels completed leaves at least this many lives for the next.
constexpr int kLivesAfterShowdown = 3;
// The showdown stage lies above the group's last level.
constexpr int kShowdownLevelInWorld = 6;
constexpr int kShowdownVisibleAreas = 3;
// The countdown sounds for each of the last ten seconds.
constexpr int kCountDownFrom = 10;

const std::string& ThemeLabel() {
    static const std::string label = NormalizeLabel("SOUND_THEME");
    return label;
}

const std::string& HighScoreLabel() {
    static const std::string label = NormalizeLabel("SOUND_HIGHSCORE");
    return label;
}

// The music is looped directly, which the by-label helpers do not offer, so the enabled flag
// is checked here.
SoundFx* Theme() {
    SoundEngine& sound = Singleton<SoundEngine>::Instance();
    return sound.soundEnabled() ? sound.find(ThemeLabel()) : nullptr;
}

// The screens that open with a transition when they are entered.
bool OpensWithTransition(GameState from, GameState to) {
    switch (to) {
    case GameState::TitleMenu:
    case GameState::Help:
    case GameState::HighScores:
    case GameState::Credits:
    case GameState::Options:
        return true;
    case GameState::Playing:
        return from == GameState::TitleMenu;
    default:
        return false;
    }
}

void StopFrogIdle() {
    static const std::string label = NormalizeLabel("SOUND_FROG_IDLE");
    Singleton<SoundEngine>::Instance().stopSound(label);
}

void PlayOnce(const char* label) {
    Singleton<SoundEngine>::Instance().playSound(NormalizeLabel(label));
}

} // namespace

bool Game::Init() {
    const std::string base = Singleton<FileLoader>::Instance().GetBasePath();
    // Without a configuration every setting reads as zero; each later query logs its key.
    Singleton<SettingsManager>::Instance().LoadSettings(base + "config.txt");
    Singleton<GameScore>::Instance().init(level);
    Singleton<HighScore>::Instance().init();
    Singleton<ScreenMessage>::Instance().init();
    if (!Singleton<HUDFont>::Instance().Load(base + "HUDFont.fnt", "HUD_FONT") ||
        !Singleton<ScoreFont>::Instance().Load(base + "ScoreFont.fnt", "SCORE_FONT")) {
        QuitFatally("Failed to initialize game.\n");
        return false;
    }
    AssetCatalogue::RegisterAssets();
    level.frog = &frog;
    level.inhabitants = &insects;
    level.events = &scoreKeeper;
    frog.setWorld({&level, &scoreKeeper, &insects.all()});
    insects.setWorld({&frog, &level, &scoreKeeper});
    SettingsManager& config = Singleton<SettingsManager>::Instance();
    waitAfterFrogDeath = config.GetFloat("waitAfterFrogDeathInterval");
    waitBeforeScrollUp = config.GetFloat("waitBeforeScrollUpEndLevel");
    level.camera.acceleration = config.GetFloat("scrollAccelerationPPS");
    inGoalDistance = config.GetFloat("inGoalDistance");
    themeVolumeDb = config.GetFloat("inGameSoundThemeVolumedB");
    showdownIntroTimer = showdownTimer = 0.0f;
    level.camera.velocityX = level.camera.velocityY = 0.0f;
    options.ApplyAtStart(config.GetBool("crispScaling"));
    musicOn = options.Current().music;
    shadowsOn = options.Current().shadows;
    menus.LoadCredits();
    return true;
}

void Game::FadeToState(GameState newState) {
    if (newState != state && OpensWithTransition(state, newState))
        Singleton<DirectDraw>::Instance().StartFade(false);
    if (newState == GameState::Credits)
        menus.ResetCredits();
    if (newState == GameState::Options && state != GameState::Options)
        optionsScreen.Open();
    if (newState == GameState::HighScores && state != GameState::HighScores)
        highScoreReplays.Reset();
    state = newState;
}

void Game::Pause() {
    stateBeforePause = state;
    FadeToState(GameState::Paused);
}

void Game::Resume() {
    FadeToState(stateBeforePause);
}

void Game::NewGame(int players) {
    Singleton<BlockInfo>::Instance().clear();
    level.settings.load();
    Singleton<GameScore>::Instance().init(level);
    Singleton<TrackObjectFactory>::Instance().load();
    level.setUpLevel();
    level.camera.targetX = 0;
    level.camera.targetY = 0;
    level.updateCamera(kCameraSettleSeconds);
    Singleton<ScreenMessage>::Instance().clear();
    // The death and game-over waits are left as they were, so a game abandoned during one
    // shortens the next.
    showdownIntroTimer = showdownTimer = 0.0f;
    turns.Start(players, level.settings);
    hud.player = turns.TwoPlayers() ? turns.Current() : 0;
}

void Game::StartGame(int players) {
    Replay start;
    start.twoPlayers = players == PlayerTurns::kMaxPlayers;
    start.gameVersion = CommandLine::Version();
    start.randomState = Singleton<Randomizer>::Instance().current();
    start.keys = options.Current().keys;
    start.smoothMotion = options.Current().smoothMotion;
    start.pauseOnFocusLoss = options.Current().pauseOnFocusLoss;
    start.lifeLostTimer = lifeLostTimer;
    start.gameOverTimer = gameOverTimer;
    recorder.Begin(std::move(start));
    NewGame(players);
    FadeToState(GameState::Playing);
}

void Game::ApplyReplayStart(const Replay& replay) {
    PlayerSettings wanted = options.Current();
    wanted.keys = replay.keys;
    wanted.smoothMotion = replay.smoothMotion;
    wanted.pauseOnFocusLoss = replay.pauseOnFocusLoss;
    options.Borrow(wanted);
    lifeLostTimer = replay.lifeLostTimer;
    gameOverTimer = replay.gameOverTimer;
    Singleton<Randomizer>::Instance().seed(replay.randomState);
}

void Game::ToggleMusic() {
    musicOn = !musicOn;
    if (SoundFx* theme = Theme())
        musicOn ? theme->playLooping() : theme->stop();
    RememberToggles();
}

void Game::ToggleShadows() {
    shadowsOn = !shadowsOn;
    RememberToggles();
}

void Game::RememberToggles() {
    PlayerSettings wanted = options.Current();
    wanted.music = musicOn;
    wanted.shadows = shadowsOn;
    options.Update(wanted);
}

void Game::Shutdown() {
    recorder.Quit(ReplayMoment());
    // A game closed during name entry keeps its new entry.
    Singleton<HighScore>::Instance().saveIfChanged();
    // The lanes and obstacles go while the registries they sign out of still exist.
    insects.leave();
    level.destroyAreas();
    level.destroyLevelObjects();
    Singleton<SpriteManager>::Instance().ReleaseAll();
}

void Game::LeaveHighScores() {
    Singleton<HighScore>::Instance().save();
    // A second player who had not yet entered a name leaves the table with the first.
    scoresToEnter.clear();
    FadeToState(GameState::TitleMenu);
    Singleton<SoundEngine>::Instance().stopSound(HighScoreLabel());
    SoundFx* theme = Theme();
    if (theme && !theme->isPlaying() && musicOn)
        theme->playLooping();
}

void Game::Tick(bool hasFocus) {
    const uint32_t now = platform::Platform::current().clock().milliseconds();
    recorder.TurnStarted(now, lastTickTime, hasFocus);
    TickAt(now, hasFocus);
    recorder.TurnEnded(ReplayMoment());
}

ReplayRecorder::Snapshot Game::ReplayMoment() const {
    return {state, Singleton<GameScore>::Instance().getScore(), level.settings.level, frog.getX(),
            frog.getY()};
}

void Game::TickAt(uint32_t now, bool hasFocus) {
    if (!lastTickTime)
        lastTickTime = now;
    if (!hasFocus) {
        // Time spent without focus is dropped, so the game does not leap ahead on return.
        lastTickTime = now;
        return;
    }
    const uint32_t elapsed = now - *lastTickTime;
    if (elapsed < static_cast<uint32_t>(MinFrameMilliseconds()))
        return;
    const float dt = static_cast<float>(elapsed * 0.001);
    lastTickTime = now;

    DirectDraw& display = Singleton<DirectDraw>::Instance();
    display.SetComingFadeStep(std::min(dt, kMaxFadeStepSeconds));
    RunStateFrame(dt);
    Singleton<SpriteManager>::Instance().ProcessInvalidSprites();
    if (!replayMark.empty())
        hud.DrawMark(replayMark);
    display.Present();
}

int Game::MillisecondsUntilNextFrame(bool hasFocus) const {
    if (!hasFocus)
        return -1;
    if (!lastTickTime)
        return 0;
    const uint32_t elapsed = platform::Platform::current().clock().milliseconds() - *lastTickTime;
    const int least = MinFrameMilliseconds();
    return elapsed >= static_cast<uint32_t>(least) ? 0 : least - static_cast<int>(elapsed);
}

int Game::MinFrameMilliseconds() const {
    return options.SmoothMotion() ? kMinSmoothFrameMilliseconds : kMinFrameMilliseconds;
}

void Game::RunStateFrame(float dt) {
    switch (state) {
    case GameState::Playing:
        RunLevelFrame(dt);
        break;
    case GameState::FrogDying:
        RunFrogDyingFrame(dt);
        break;
    case GameState::LifeLost:
        RunLifeLostFrame(dt);
        break;
    case GameState::GameOver:
        RunGameOverFrame(dt);
        break;
    case GameState::SubmitScore:
        RunSubmitScoreFrame();
        break;
    case GameState::Paused:
        RunPausedFrame();
        break;
    case GameState::ShowdownIntro:
        RunShowdownIntroFrame(dt);
        break;
    case GameState::Showdown:
        RunShowdownFrame(dt);
        break;
    case GameState::TitleMenu:
    case GameState::Help:
    case GameState::HighScores:
    case GameState::Credits:
        if (state == GameState::HighScores)
            EnterNextScore(false);
        menus.RunFrame(state, dt);
        SoundMix::UpdateMenu(false, themeVolumeDb);
        break;
    case GameState::Options:
        optionsScreen.RunFrame(dt);
        SoundMix::UpdateMenu(false, themeVolumeDb);
        break;
    default:
        Log("Invalid GameState %i\n", static_cast<int>(state));
        break;
    }
}

// The in-level frame as far as the game has it: the clock, the world and the frog, the hazards,
// the score and the HUD.
void Game::RunLevelFrame(float dt) {
    const bool below = level.frogBelow();
    UpdateLevelTime(dt);
    if (level.settings.lives == 0) {
        CutToState(GameState::GameOver);
        return;
    }
    UpdateWorld(dt, dt, below, true);
    if (HazardCheck::Run(frog, level, scoreKeeper)) {
        CutToState(GameState::FrogDying);
        return;
    }
    level.drawTopLayer();
    const bool atGoal = CheckGoal();
    insects.step(dt);
    Singleton<GameScore>::Instance().update(dt);
    hud.DrawHud(level.settings, false, dt, false, atGoal);
    UpdateLevelSoundMix();
}

// The death plays out while the lane under the frog stands still.
void Game::RunFrogDyingFrame(float dt) {
    const bool below = level.frogBelow();
    if (frog.isFinished()) {
        PlayOnce(level.settings.lives == 1 ? "SOUND_GAME_OVER" : "SOUND_LOSE_LIFE");
        CutToState(GameState::LifeLost);
        return;
    }
    UpdateWorld(dt, dt, below, false);
    level.drawTopLayer();
    insects.step(dt);
    Singleton<GameScore>::Instance().update(dt);
    hud.DrawHud(level.settings, false, dt, true, false);
    UpdateLevelSoundMix();
}

void Game::RunLifeLostFrame(float dt) {
    const bool below = level.frogBelow();
    lifeLostTimer += dt;
    if (lifeLostTimer > waitAfterFrogDeath) {
        --level.settings.lives;
        CutToState(GameState::Playing);
        frog.reset();
        lifeLostTimer = 0.0f;
        PassTurn();
    }
    UpdateWorld(dt, 0.0f, below, false);
    level.drawTopLayer();
    insects.step(dt);
    Singleton<GameScore>::Instance().update(dt);
    hud.DrawHud(level.settings, false, dt, true, false);
    UpdateLevelSoundMix();
}

void Game::RunGameOverFrame(float dt) {
    StopFrogIdle();
    gameOverTimer += dt;
    if (gameOverTimer > kGameOverSeconds) {
        gameOverTimer = 0.0f;
        CutToState(GameState::SubmitScore);
    }
    level.background.update(dt);
    level.update(dt, true);
    hud.DrawHud(level.settings, false, dt, true, false);
    UpdateLevelSoundMix();
}

void Game::RunSubmitScoreFrame() {
    StopFrogIdle();
    scoresToEnter = turns.FinalScores(Singleton<GameScore>::Instance().getScore());
    EnterNextScore(true);
    SoundEngine& sound = Singleton<SoundEngine>::Instance();
    if (SoundFx* fanfare = sound.soundEnabled() ? sound.find(HighScoreLabel()) : nullptr)
        fanfare->playLooping();
    sound.stopSound(ThemeLabel());
    DirectDraw& display = Singleton<DirectDraw>::Instance();
    display.StartFade(true);
    display.StartFade(false);
    CutToState(GameState::HighScores);
    SoundMix::UpdateMenu(false, themeVolumeDb);
}

// The scene stands still under the blinking pause word.
void Game::RunPausedFrame() {
    StopFrogIdle();
    level.background.update(0.0f);
    level.update(0.0f, true);
    frog.update(0.0f);
    level.drawTopLayer();
    insects.step(0.0f);
    Singleton<GameScore>::Instance().update(0.0f);
    hud.DrawHud(level.settings, true, 0.0f, false, false);
    SoundMix::UpdateMenu(true, themeVolumeDb);
}

void Game::RunShowdownIntroFrame(float dt) {
    StopFrogIdle();
    showdownIntroTimer += dt;
    level.updateCamera(dt);
    level.background.update(dt);
    if (showdownIntroTimer < waitBeforeScrollUp) {
        frog.setState(FS_IDLE);
        frog.update(0.0f);
    } else {
        // The camera climbs to the stage, where the frog already waits.
        level.camera.targetX = 0;
        level.camera.targetY = level.camera.upperLimit();
        SettingsManager& config = Singleton<SettingsManager>::Instance();
        frog.setPosition(static_cast<float>(config.GetInt("frogPosShowDownPixX")),
                         static_cast<float>(config.GetInt("frogPosShowDownPixY")));
        frog.setState(FS_SHOW_DOWN_WAIT);
        CutToState(GameState::Showdown);
    }
    // The bridges and roofs stay over the empty roads the camera climbs past, above the
    // shadows the background gives them.
    level.drawBothTopLayers();
    Singleton<GameScore>::Instance().update(dt);
    hud.DrawHud(level.settings, false, dt, false, false);
    UpdateLevelSoundMix();
}

void Game::RunShowdownFrame(float dt) {
    StopFrogIdle();
    showdownTimer += dt;
    level.updateCamera(dt);
    level.background.update(dt);
    frog.update(dt);
    level.drawBothTopLayers();
    Singleton<GameScore>::Instance().update(dt);
    hud.DrawHud(level.settings, false, dt, false, false);
    if (showdownTimer > kShowdownSeconds) {
        // The next group of levels starts at the bottom of the world picture again.
        CutToState(GameState::Playing);
        level.settings.levelInWorld = 0;
        level.setUpLevel();
        level.applySpeedFactor();
    }
}

bool Game::CheckGoal() {
    const WaterLilyGoal* goal = level.getLevelObjects().getGoal();
    if (goal == nullptr)
        return false;
    const float distance = std::hypot(frog.getX() - goal->getX(), frog.getY() - goal->getY());
    if (distance > inGoalDistance)
        return false;
    LevelSettings& settings = level.settings;
    if (frog.getState() == FS_IDLE) {
        --settings.frogsRemaining;
        Singleton<GameScore>::Instance().addTimeBonus(frog.getX(), frog.getY());
        if (settings.frogsRemaining == 0) {
            Singleton<GameScore>::Instance().addAreaDone();
            Singleton<ScreenMessage>::Instance().showLevelDone();
        }
        frog.setState(FS_FINISH);
    } else if (frog.getState() == FS_IN_GOAL) {
        if (settings.frogsRemaining > 0) {
            frog.reset();
            level.applySpeedFactor();
            level.camera.targetX = 0;
            level.camera.targetY = 0;
        } else if (settings.advance()) {
            if (!PassTurn()) {
                level.setUpLevel();
                level.applySpeedFactor();
            }
        } else {
            CutToState(GameState::ShowdownIntro);
            settings.levelInWorld = kShowdownLevelInWorld;
            settings.lives = std::max(settings.lives, kLivesAfterShowdown);
            SetUpShowdown();
        }
    }
    return true;
}

// The other player's level is set up again from their record: fresh lanes, their frogs home,
// their clock, lives and score.
bool Game::PassTurn() {
    GameScore& score = Singleton<GameScore>::Instance();
    const PlayerTurns::Record* next = turns.Pass({level.settings, score.standing()});
    if (!next)
        return false;
    level.settings = next->settings;
    score.restore(next->standing);
    level.setUpLevel();
    level.applySpeedFactor();
    level.updateCamera(kCameraSettleSeconds);
    hud.player = turns.Current();
    Singleton<ScreenMessage>::Instance().showPlayer(turns.Current());
    return true;
}

// Two players enter the table one after the other, the higher score first.
void Game::EnterNextScore(bool offerLastName) {
    HighScore& table = Singleton<HighScore>::Instance();
    if (table.editingIndex() >= 0 || scoresToEnter.empty())
        return;
    while (table.editingIndex() < 0 && !scoresToEnter.empty()) {
        const int score = scoresToEnter.front();
        scoresToEnter.erase(scoresToEnter.begin());
        if (!offerLastName)
            table.forgetName();
        if (table.addScore(score))
            recorder.EnteredTable(table.editingIndex(), score);
    }
    // The rows that have a replay change only here, while the table is shown.
    highScoreReplays.Reset();
}

void Game::SetUpShowdown() {
    showdownIntroTimer = showdownTimer = 0.0f;
    level.camera.velocityX = level.camera.velocityY = 0.0f;
    level.settings.visibleAreas = kShowdownVisibleAreas;
    level.setUpShowdown();
    Singleton<DirectDraw>::Instance().StartFade(true);
}

void Game::UpdateLevelSoundMix() const {
    SoundMix::UpdateLevel(level, frog, insects.all(), themeVolumeDb);
}

void Game::UpdateWorld(float dt, float backgroundDt, bool frogBelow, bool lanesRun) {
    level.shadowsOn = shadowsOn;
    level.camera.aimCamera(static_cast<float>(frog.displayPosition().second));
    level.updateCamera(dt);
    level.background.update(backgroundDt);
    if (frogBelow)
        frog.update(dt);
    level.update(dt, lanesRun);
    if (!frogBelow)
        frog.update(dt);
}

// The clock stands while the frog celebrates at the goal; the last ten seconds count down aloud.
void Game::UpdateLevelTime(float dt) {
    float& time = level.settings.levelTime;
    const int before = TruncateToInt(time);
    if (frog.getState() != FS_FINISH && frog.getState() != FS_IN_GOAL)
        time -= dt;
    const int now = TruncateToInt(time);
    if (now < before && now < kCountDownFrom)
        PlayOnce("SOUND_COUNT_DOWN");
}
