#include "app/WindowProcedure.h"

#include "app/Game.h"
#include "app/Screenshot.h"
#include "core/Log.h"
#include "core/Quit.h"
#include "platform/Platform.h"
#include "platform/VirtualKey.h"
#include "score/HighScore.h"

using platform::Message;

namespace {

bool IsInput(Message::Type type) {
    return type == Message::Type::KeyDown || type == Message::Type::Char ||
           type == Message::Type::MouseMove || type == Message::Type::LeftDown ||
           type == Message::Type::LeftUp;
}

} // namespace

void WindowProcedure::Handle(const Message& message) {
    Singleton<Game>::Instance().recorder.Heard(message);
    if (IsInput(message.type))
        ++inputs;
    switch (message.type) {
    case Message::Type::FocusGained:
        hasFocus = true;
        break;
    case Message::Type::FocusLost:
        hasFocus = false;
        PauseOnFocusLoss();
        break;
    case Message::Type::ViewChanged:
        Singleton<Game>::Instance().options.ViewChanged(message.value != 0, message.x, message.y);
        break;
    case Message::Type::KeyDown:
        OnKeyDown(message.value);
        break;
    case Message::Type::Destroy:
        PostQuit(ExitCode::Success);
        break;
    // As if the player had closed the window: the game ends in order and saves what it holds.
    case Message::Type::DisplayLost:
        Log("The display is gone; the game shuts down.\n");
        PostQuit(ExitCode::Success);
        break;
    case Message::Type::Char:
        // Only a name being entered takes characters; typeChar ignores them otherwise.
        Singleton<HighScore>::Instance().typeChar(static_cast<char>(message.value));
        break;
    case Message::Type::LeftDown:
        OnMouse(message, true);
        break;
    case Message::Type::LeftUp:
        OnMouse(message, false);
        break;
    // The pointer is read when it is drawn; moving it takes the highlight back from the pad.
    case Message::Type::MouseMove:
        Singleton<Game>::Instance().menus.DropPadFocus();
        break;
    case Message::Type::Quit:
        break;
    }
}

void WindowProcedure::OnMouse(const Message& message, bool down) {
    Game& game = Singleton<Game>::Instance();
    if (game.State() == GameState::Options) {
        if (!down)
            game.optionsScreen.OnMouseUp(message.x, message.y);
        return;
    }
    if (!down && game.State() == GameState::HighScores &&
        game.highScoreReplays.OnClick(message.x, message.y))
        return;
    if (down)
        game.menus.OnMouseDown(game.State(), message.x, message.y);
    else
        game.menus.OnMouseUp(game.State(), message.x, message.y);
}

namespace {

using Action = PlayerSettings::Action;

// Outside the menus the controller's d-pad, stick, A and Start are the hops, the tongue and the
// pause, wherever the player put them on the keyboard.
std::optional<Action> PadActionOf(int key) {
    switch (key) {
    case platform::vk::PadLeft:
    case platform::vk::StickLeft:
        return Action::Left;
    case platform::vk::PadRight:
    case platform::vk::StickRight:
        return Action::Right;
    case platform::vk::PadUp:
    case platform::vk::StickUp:
        return Action::Up;
    case platform::vk::PadDown:
    case platform::vk::StickDown:
        return Action::Down;
    case platform::vk::PadA:
        return Action::Tongue;
    case platform::vk::PadStart:
        return Action::Pause;
    default:
        return std::nullopt;
    }
}

bool InLevel(GameState state) {
    return state == GameState::Playing || state == GameState::FrogDying ||
           state == GameState::LifeLost;
}

} // namespace

void WindowProcedure::PauseOnFocusLoss() {
    Game& game = Singleton<Game>::Instance();
    if (game.options.Current().pauseOnFocusLoss && InLevel(game.State()))
        game.Pause();
}

// The hops and the tongue go to the frog in every state; it acts on them only while it plays.
void WindowProcedure::Perform(Action action) {
    Game& game = Singleton<Game>::Instance();
    switch (action) {
    case Action::Left:
        game.frog.keyLeft();
        break;
    case Action::Right:
        game.frog.keyRight();
        break;
    case Action::Up:
        game.frog.keyUp();
        break;
    case Action::Down:
        game.frog.keyDown();
        break;
    case Action::Tongue:
        game.frog.keySpace();
        break;
    case Action::Pause:
        if (InLevel(game.State()))
            game.Pause();
        else if (game.State() == GameState::Paused)
            game.Resume();
        break;
    }
}

bool WindowProcedure::SteerMenu(int key) {
    Game& game = Singleton<Game>::Instance();
    if (!MenuScreens::HasButtons(game.State()))
        return false;
    using Direction = MenuScreens::Direction;
    switch (key) {
    case platform::vk::PadLeft:
        game.menus.MovePadFocus(game.State(), Direction::Left);
        return true;
    case platform::vk::PadRight:
        game.menus.MovePadFocus(game.State(), Direction::Right);
        return true;
    case platform::vk::PadUp:
        game.menus.MovePadFocus(game.State(), Direction::Up);
        return true;
    case platform::vk::PadDown:
        game.menus.MovePadFocus(game.State(), Direction::Down);
        return true;
    case platform::vk::PadA:
        game.menus.PressPadFocus(game.State());
        return true;
    default:
        return false;
    }
}

void WindowProcedure::OnKeyDown(int key) {
    Game& game = Singleton<Game>::Instance();
    if (game.State() == GameState::HighScores && game.highScoreReplays.OnKey(key))
        return;
    if (SteerMenu(key))
        return;
    if (game.State() == GameState::Options) {
        game.optionsScreen.OnKey(key);
        return;
    }
    if (const std::optional<Action> padAction = PadActionOf(key)) {
        Perform(*padAction);
        return;
    }
    if (OnMenuKey(key))
        return;
    if (const std::optional<Action> action = game.options.Current().ActionOn(key))
        Perform(*action);
}

// The screens' letters, before the keys of the frog's actions: a letter the player gave an
// action as well does what the screen says there, and the action elsewhere. True when the key
// did something here.
bool WindowProcedure::OnMenuKey(int key) {
    Game& game = Singleton<Game>::Instance();
    const GameState state = game.State();
    const bool onTitle = state == GameState::TitleMenu;
    auto fadeTo = [&game](GameState next) {
        game.FadeToState(next);
        return true;
    };
    auto quit = [] {
        PostQuit(ExitCode::Success);
        return true;
    };
    switch (key) {
    case platform::vk::Escape:
        if (onTitle || state == GameState::Startup)
            return quit();
        if (state != GameState::HighScores)
            return fadeTo(GameState::TitleMenu);
        game.LeaveHighScores();
        return true;
    case platform::vk::F12:
        Screenshot::Take();
        return true;
    case 'C':
        return state == GameState::Help && fadeTo(GameState::Credits);
    case 'E':
        return onTitle && quit();
    case 'G':
        return onTitle && fadeTo(GameState::HighScores);
    case 'H':
        return onTitle && fadeTo(GameState::Help);
    case 'M':
        if (state == GameState::Help || state == GameState::Credits)
            return fadeTo(GameState::TitleMenu);
        // While a name is typed, M is one of its letters.
        if (state != GameState::HighScores || Singleton<HighScore>::Instance().editingIndex() >= 0)
            return false;
        game.LeaveHighScores();
        return true;
    case 'O':
        return onTitle && fadeTo(GameState::Options);
    case 'S':
    case '2':
        if (!onTitle)
            return false;
        game.StartGame(key == '2' ? PlayerTurns::kMaxPlayers : 1);
        return true;
    case 'T':
        if (!onTitle)
            return false;
        game.ToggleShadows();
        return true;
    case 'U':
        if (!onTitle && state != GameState::Startup)
            return false;
        game.ToggleMusic();
        return true;
    default:
        return false;
    }
}
