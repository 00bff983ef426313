#include "app/MenuScreens.h"

#include "app/Game.h"
#include "core/File.h"
#include "core/FileLoader.h"
#include "core/Quit.h"
#include "core/ScreenSize.h"
#include "core/Translation.h"
#include "core/Truncation.h"
#include "gfx/HUDFont.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteLabel.h"
#include "gfx/SpriteManager.h"
#include "platform/Platform.h"
#include "score/HighScore.h"
#include "sound/SoundEngine.h"

#include <cstdlib>
#include <iterator>

namespace {

using Action = MenuScreens::Action;

constexpr MenuScreens::Button kButtons[] = {
    {GameState::TitleMenu, 636, 107, 786, 157, "BUTTON_MUSIC_HIGH_LIGHT", Action::ToggleMusic},
    {GameState::TitleMenu, 623, 156, 786, 237, "BUTTON_SHADOW_HIGH_LIGHT", Action::ToggleShadows},
    {GameState::TitleMenu, 71, 512, 204, 571, "BUTTON_START_HIGH_LIGHT", Action::Start},
    {GameState::TitleMenu, 228, 512, 340, 571, "BUTTON_HELP_HIGH_LIGHT", Action::Help},
    {GameState::TitleMenu, 373, 512, 579, 589, "BUTTON_HIGH_SCORE_HIGH_LIGHT", Action::HighScores},
    {GameState::TitleMenu, 610, 512, 726, 573, "BUTTON_EXIT_HIGH_LIGHT", Action::Exit},
    {GameState::TitleMenu, 628, 258, 786, 312, "BUTTON_OPTIONS_HIGH_LIGHT", Action::Options},
    {GameState::TitleMenu, 628, 322, 786, 376, "BUTTON_TWO_PLAYERS_HIGH_LIGHT",
     Action::StartTwoPlayers},
    {GameState::Help, 416, 522, 497, 560, "BUTTON_BACK_HELP_HIGH_LIGHT", Action::Title},
    {GameState::Help, 281, 522, 378, 560, "BUTTON_CREDITS_HIGH_LIGHT", Action::Credits},
    {GameState::HighScores, 359, 523, 440, 561, "BUTTON_BACK_HIGH_SCORE_HIGH_LIGHT",
     Action::LeaveHighScores},
    {GameState::Credits, 359, 523, 440, 561, "BUTTON_BACK_CREDITS_HIGH_LIGHT", Action::Title},
};

// The credits scroll up at this many pixels a second and start over after 80 seconds.
constexpr float kCreditsSpeed = 25.0f;
constexpr float kCreditsRestartOffset = -2000.0f;
constexpr int kCreditsFirstLineY = 500;
constexpr int kCreditsLineStep = 30;
constexpr int kCreditsLogosY = 1650;
constexpr int kPointerHotSpotX = 10;
constexpr int kCreditsLineSize = 1024;
// Far more lines than one pass of the scroll can show.
constexpr std::size_t kMaxCreditsLines = 1000;

void DrawSprite(const char* label, int x, int y) {
    if (Sprite* sprite = Singleton<SpriteManager>::Instance().GetSprite(label))
        sprite->Draw(x, y);
}

constexpr int kButtonCount = static_cast<int>(std::size(kButtons));

void DrawHighlight(const MenuScreens::Button& button) {
    DrawSprite(button.highlight, button.left, button.top);
}

// Start on the title menu, the back button elsewhere.
int HomeButton(GameState state) {
    for (int i = 0; i < kButtonCount; ++i) {
        const Action action = kButtons[i].action;
        if (kButtons[i].screen == state && (action == Action::Start || action == Action::Title ||
                                            action == Action::LeaveHighScores))
            return i;
    }
    return -1;
}

// The button a push of the d-pad leads to from button `from`: of those within 45 degrees of the
// push, the nearest, where a step off to the side counts double. `from` when there is none.
int NearestButtonToward(int from, MenuScreens::Direction direction) {
    using Direction = MenuScreens::Direction;
    const MenuScreens::Button& origin = kButtons[from];
    int nearest = from;
    int nearestDistance = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        const MenuScreens::Button& button = kButtons[i];
        if (i == from || button.screen != origin.screen)
            continue;
        // Twice the distance between the centres, which keeps their halves whole.
        const int dx = (button.left + button.right) - (origin.left + origin.right);
        const int dy = (button.top + button.bottom) - (origin.top + origin.bottom);
        const bool horizontal = direction == Direction::Left || direction == Direction::Right;
        const int along = direction == Direction::Left    ? -dx
                          : direction == Direction::Right ? dx
                          : direction == Direction::Up    ? -dy
                                                          : dy;
        const int aside = std::abs(horizontal ? dy : dx);
        if (along <= 0 || aside > along)
            continue;
        const int distance = along + 2 * aside;
        if (nearest == from || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace

void MenuScreens::RunFrame(GameState state, float dt) {
    static const std::string idle = NormalizeLabel("SOUND_FROG_IDLE");
    Singleton<SoundEngine>::Instance().stopSound(idle);
    DrawContent(state, dt);
    DrawButtonHighlights(state);
    DrawPointer();
}

void MenuScreens::DrawContent(GameState state, float dt) {
    const Game& game = Singleton<Game>::Instance();
    switch (state) {
    case GameState::TitleMenu:
        DrawSprite("TITLE_MENU", 0, 0);
        if (game.musicOn)
            DrawSprite("CHECK_MUSIC", 738, 113);
        if (game.shadowsOn)
            DrawSprite("CHECK_SHADOW", 738, 151);
        break;
    case GameState::Help:
        DrawSprite("HELP", 0, 0);
        break;
    case GameState::HighScores:
        DrawSprite("HIGH_SCORE", 0, 0);
        Singleton<HighScore>::Instance().draw();
        game.highScoreReplays.Draw();
        break;
    case GameState::Credits:
        DrawCredits(dt);
        break;
    default:
        break;
    }
}

void MenuScreens::DrawCredits(float dt) {
    DrawSprite("CREDITS", 0, 0);
    creditsOffset -= kCreditsSpeed * dt;
    HUDFont& font = Singleton<HUDFont>::Instance();
    int y = TruncateToInt(creditsOffset + kCreditsFirstLineY);
    for (const std::string& line : creditsLines) {
        if (y > 0) {
            const float left =
                (static_cast<float>(ScreenSize::kWidth) - font.GetTextWidthScaled(line)) / 2.0f;
            font.DrawTextScaled(TruncateToInt(left), y, line, false);
        }
        y += kCreditsLineStep;
        if (y > ScreenSize::kHeight)
            break;
    }
    SpriteManager& sprites = Singleton<SpriteManager>::Instance();
    Sprite* ostrel = sprites.GetSprite("LOGO_OSTREL");
    Sprite* brimvale = sprites.GetSprite("LOGO_BRIMVALE");
    if (ostrel && brimvale) {
        const int logosY = TruncateToInt(creditsOffset + kCreditsLogosY);
        ostrel->Draw(200, logosY);
        brimvale->Draw(400, logosY);
    }
    DrawSprite("CREDITS_MASK", 0, 0);
    if (creditsOffset < kCreditsRestartOffset)
        creditsOffset = 0.0f;
}

void MenuScreens::DrawButtonHighlights(GameState state) const {
    // The pad's highlight alone, so that a pointer resting on another button does not confuse.
    if (HasPadFocus(state)) {
        DrawHighlight(kButtons[padFocus]);
        return;
    }
    const platform::Point at = platform::Platform::current().window().cursorPosition();
    for (const Button& button : kButtons)
        if (button.screen == state && button.contains(at.x, at.y))
            DrawHighlight(button);
}

void MenuScreens::DrawPointer() const {
    const platform::Window& window = platform::Platform::current().window();
    const platform::Point at = window.cursorPosition();
    DrawSprite(window.leftButtonDown() ? "CURSOR_DOWN" : "CURSOR", at.x - kPointerHotSpotX, at.y);
}

void MenuScreens::OnMouseDown(GameState state, int x, int y) const {
    for (const Button& button : kButtons)
        if (button.screen == state && button.contains(x, y)) {
            PlayClick();
            return;
        }
}

void MenuScreens::OnMouseUp(GameState state, int x, int y) const {
    for (const Button& button : kButtons)
        if (button.screen == state && button.contains(x, y)) {
            Perform(button.action);
            return;
        }
}

bool MenuScreens::HasButtons(GameState state) {
    return HomeButton(state) >= 0;
}

std::span<const MenuScreens::Button> MenuScreens::Buttons() {
    return kButtons;
}

bool MenuScreens::HasPadFocus(GameState state) const {
    return padFocus != kNoFocus && kButtons[padFocus].screen == state;
}

void MenuScreens::MovePadFocus(GameState state, Direction direction) {
    padFocus = HasPadFocus(state) ? NearestButtonToward(padFocus, direction) : HomeButton(state);
}

void MenuScreens::PressPadFocus(GameState state) {
    if (!HasPadFocus(state)) {
        padFocus = HomeButton(state);
        return;
    }
    PlayClick();
    Perform(kButtons[padFocus].action);
}

void MenuScreens::PlayClick() {
    static const std::string click = NormalizeLabel("SOUND_MENU_BUTTON_CLICK");
    Singleton<SoundEngine>::Instance().playSound(click);
}

void MenuScreens::Perform(Action action) {
    Game& game = Singleton<Game>::Instance();
    switch (action) {
    case Action::ToggleMusic:
        game.ToggleMusic();
        break;
    case Action::ToggleShadows:
        game.ToggleShadows();
        break;
    case Action::Start:
        game.StartGame();
        break;
    case Action::StartTwoPlayers:
        game.StartGame(PlayerTurns::kMaxPlayers);
        break;
    case Action::Help:
        game.FadeToState(GameState::Help);
        break;
    case Action::HighScores:
        game.FadeToState(GameState::HighScores);
        break;
    case Action::Exit:
        PostQuit(ExitCode::Success);
        break;
    case Action::Title:
        game.FadeToState(GameState::TitleMenu);
        break;
    case Action::Credits:
        game.FadeToState(GameState::Credits);
        break;
    case Action::LeaveHighScores:
        game.LeaveHighScores();
        break;
    case Action::Options:
        game.FadeToState(GameState::Options);
        break;
    }
}

void MenuScreens::LoadCredits() {
    creditsLines.clear();
    const FileLoader& files = Singleton<FileLoader>::Instance();
    const Language language = Singleton<Translation>::Instance().Active();
    std::string path = files.GetBasePath() + LanguageVariant("credits", language) + ".txt";
    // A data folder without the language's credits rolls the German ones.
    if (!files.Exists(path))
        path = files.GetBasePath() + "credits.txt";
    File file;
    // Credits are a nicety: without the file the scroll is empty, and nothing is said.
    if (!files.Exists(path) || !file.Open(path, "r"))
        return;
    char line[kCreditsLineSize];
    while (creditsLines.size() < kMaxCreditsLines && file.GetLine(line, kCreditsLineSize))
        creditsLines.emplace_back(line);
}
