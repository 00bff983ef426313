#include "app/WindowProcedure.h"

#include "app/Game.h"
#include "app/Screenshot.h"
#include "core/Log.h"
#include "core/Quit.h"
#include "platform/Platform.h"
#include "platform/VirtualKey.h"
#include "score/HighScore.h"

using platform::Message;

void WindowProcedure::Handle(const Message& message) {
    switch (message.type) {
    case Message::Type::FocusGained:
        hasFocus = true;
        break;
    case Message::Type::FocusLost:
        hasFocus = false;
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
    if (down)
        game.menus.OnMouseDown(game.State(), message.x, message.y);
    else
        game.menus.OnMouseUp(game.State(), message.x, message.y);
}

namespace {

// Outside the menus the pad's d-pad and A are the arrows and Space.
int KeyboardKeyOf(int key) {
    switch (key) {
    case platform::vk::PadLeft:
        return platform::vk::Left;
    case platform::vk::PadRight:
        return platform::vk::Right;
    case platform::vk::PadUp:
        return platform::vk::Up;
    case platform::vk::PadDown:
        return platform::vk::Down;
    case platform::vk::PadA:
        return platform::vk::Space;
    default:
        return key;
    }
}

} // namespace

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
    if (SteerMenu(key))
        return;
    Game& game = Singleton<Game>::Instance();
    const GameState state = game.State();
    const bool onTitle = state == GameState::TitleMenu;
    auto quit = [] { PostQuit(ExitCode::Success); };

    switch (KeyboardKeyOf(key)) {
    case platform::vk::Escape:
        if (onTitle || state == GameState::Startup)
            quit();
        else if (state == GameState::HighScores)
            game.LeaveHighScores();
        else
            game.FadeToState(GameState::TitleMenu);
        break;
    case platform::vk::F12:
        Screenshot::Take();
        break;
    case 'C':
        if (state == GameState::Help)
            game.FadeToState(GameState::Credits);
        break;
    case 'E':
        if (onTitle)
            quit();
        break;
    case 'G':
        if (onTitle)
            game.FadeToState(GameState::HighScores);
        break;
    case 'H':
        if (onTitle)
            game.FadeToState(GameState::Help);
        break;
    case 'M':
        if (state == GameState::Help || state == GameState::Credits)
            game.FadeToState(GameState::TitleMenu);
        // While a name is typed, M is one of its letters.
        else if (state == GameState::HighScores &&
                 Singleton<HighScore>::Instance().editingIndex() < 0)
            game.LeaveHighScores();
        break;
    case 'P':
        if (state == GameState::Playing || state == GameState::FrogDying ||
            state == GameState::LifeLost) {
            game.Pause();
        } else if (state == GameState::Paused) {
            game.Resume();
        }
        break;
    case 'S':
        if (onTitle) {
            game.NewGame();
            game.FadeToState(GameState::Playing);
        }
        break;
    case 'T':
        if (onTitle)
            game.shadowsOn = !game.shadowsOn;
        break;
    case 'U':
        if (onTitle || state == GameState::Startup)
            game.ToggleMusic();
        break;
    // The arrows and Space go to the frog in every state; it acts on them only while it plays.
    case platform::vk::Left:
        game.frog.keyLeft();
        break;
    case platform::vk::Right:
        game.frog.keyRight();
        break;
    case platform::vk::Up:
        game.frog.keyUp();
        break;
    case platform::vk::Down:
        game.frog.keyDown();
        break;
    case platform::vk::Space:
        game.frog.keySpace();
        break;
    default:
        break;
    }
}
