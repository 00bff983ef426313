#include "app/Game.h"

#include <algorithm>

#include "app/AssetCatalogue.h"
#include "app/Log.h"
#include "core/FileLoader.h"
#include "core/SettingsManager.h"
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
#include "world/TrackObjectFactory.h"

namespace {

constexpr float kMinFrameSeconds = 0.02f;
constexpr int kMinFrameMilliseconds = 20;
constexpr float kMaxFadeStepSeconds = 0.1f;
// A new game's camera settles on the start before the first frame shows it.
constexpr float kCameraSettleSeconds = 5.0f;
constexpr int kInitFailedQuitCode = -1;

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
        return true;
    case GameState::Playing:
        return from == GameState::TitleMenu;
    default:
        return false;
    }
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
        Log("Failed to initialize game.\n");
        platform::Platform::current().window().postQuit(kInitFailedQuitCode);
        return false;
    }
    AssetCatalogue::RegisterAssets();
    level.camera.acceleration = Singleton<SettingsManager>::Instance().GetFloat("scrollAccelerationPPS");
    level.camera.velocityX = level.camera.velocityY = 0.0f;
    platform::Platform::current().display().setCrispScaling(
        Singleton<SettingsManager>::Instance().GetBool("crispScaling"));
    menus.LoadCredits();
    return true;
}

void Game::SetState(GameState newState) {
    if (newState != state && OpensWithTransition(state, newState))
        Singleton<DirectDraw>::Instance().StartFade(false);
    if (newState == GameState::Credits)
        menus.ResetCredits();
    state = newState;
}

void Game::NewGame() {
    Singleton<BlockInfo>::Instance().clear();
    level.settings.load();
    Singleton<GameScore>::Instance().init(level);
    Singleton<TrackObjectFactory>::Instance().load();
    level.setUpLevel();
    level.camera.targetX = 0;
    level.camera.targetY = 0;
    level.updateCamera(kCameraSettleSeconds);
    Singleton<ScreenMessage>::Instance().clear();
}

void Game::ToggleMusic() {
    musicOn = !musicOn;
    if (SoundFx* theme = Theme())
        musicOn ? theme->playLooping() : theme->stop();
}

void Game::Shutdown() {
    // The lanes and obstacles go while the registries they sign out of still exist.
    level.destroyAreas();
    level.destroyLevelObjects();
    Singleton<SpriteManager>::Instance().ReleaseAll();
}

void Game::LeaveHighScores() {
    Singleton<HighScore>::Instance().save();
    SetState(GameState::TitleMenu);
    Singleton<SoundEngine>::Instance().stopSound(HighScoreLabel());
    SoundFx* theme = Theme();
    if (theme && !theme->isPlaying() && musicOn)
        theme->playLooping();
}

void Game::Tick(bool hasFocus) {
    const uint32_t now = platform::Platform::current().clock().milliseconds();
    if (!lastTickTime)
        lastTickTime = now;
    if (!hasFocus) {
        // Time spent without focus is dropped, so the game does not leap ahead on return.
        lastTickTime = now;
        return;
    }
    const float dt = static_cast<float>((now - *lastTickTime) * 0.001);
    if (dt < kMinFrameSeconds)
        return;
    lastTickTime = now;

    RunStateFrame(dt);
    Singleton<SpriteManager>::Instance().ProcessInvalidSprites();

    DirectDraw& display = Singleton<DirectDraw>::Instance();
    display.fadeTime += std::min(dt, kMaxFadeStepSeconds);
    display.Present();
}

int Game::MillisecondsUntilNextFrame(bool hasFocus) const {
    if (!hasFocus)
        return -1;
    if (!lastTickTime)
        return 0;
    const uint32_t elapsed = platform::Platform::current().clock().milliseconds() - *lastTickTime;
    return elapsed >= kMinFrameMilliseconds ? 0 : kMinFrameMilliseconds - static_cast<int>(elapsed);
}

void Game::RunStateFrame(float dt) {
    switch (state) {
    case GameState::Playing:
        RunLevelFrame(dt);
        break;
    case GameState::TitleMenu:
    case GameState::Help:
    case GameState::HighScores:
    case GameState::Credits:
        menus.RunFrame(state, dt);
        break;
    default:
        Log("Invalid GameState %i\n", static_cast<int>(state));
        break;
    }
}

// The in-level frame as far as the game has it: camera, background, lanes, decorations,
// score and HUD.
void Game::RunLevelFrame(float dt) {
    level.shadowsOn = shadowsOn;
    level.updateCamera(dt);
    level.background.update(dt);
    level.update(dt, true);
    level.drawTopLayer();
    Singleton<GameScore>::Instance().update(dt);
    hud.DrawHud(level.settings, false, dt, false, false);
}
