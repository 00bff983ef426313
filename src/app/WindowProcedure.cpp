#include "app/WindowProcedure.h"

#include "app/Game.h"
#include "platform/Platform.h"
#include "platform/VirtualKey.h"

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
        platform::Platform::current().window().postQuit(0);
        break;
    // Characters feed the high-score name entry and the buttons the menus; both arrive with
    // their screens. The pointer is read when it is drawn.
    case Message::Type::Char:
    case Message::Type::LeftDown:
    case Message::Type::LeftUp:
    case Message::Type::MouseMove:
    case Message::Type::Quit:
        break;
    }
}

void WindowProcedure::OnKeyDown(int key) {
    Game& game = Singleton<Game>::Instance();
    const GameState state = game.state;
    const bool onTitle = state == GameState::TitleMenu;
    auto quit = [] { platform::Platform::current().window().postQuit(0); };

    switch (key) {
    case platform::vk::Escape:
        if (onTitle || state == GameState::Startup)
            quit();
        else if (state == GameState::HighScores)
            game.LeaveHighScores();
        else
            game.SetState(GameState::TitleMenu);
        break;
    case 'C':
        if (state == GameState::Help)
            game.SetState(GameState::Credits);
        break;
    case 'E':
        if (onTitle)
            quit();
        break;
    case 'G':
        if (onTitle)
            game.SetState(GameState::HighScores);
        break;
    case 'H':
        if (onTitle)
            game.SetState(GameState::Help);
        break;
    case 'M':
        if (state == GameState::Help || state == GameState::Credits)
            game.SetState(GameState::TitleMenu);
        else if (state == GameState::HighScores)
            game.LeaveHighScores();
        break;
    case 'P':
        if (state == GameState::Playing || state == GameState::FrogDying ||
            state == GameState::LifeLost) {
            game.stateBeforePause = state;
            game.SetState(GameState::Paused);
        } else if (state == GameState::Paused) {
            game.SetState(game.stateBeforePause);
        }
        break;
    case 'S':
        if (onTitle) {
            game.NewGame();
            game.SetState(GameState::Playing);
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
    default:
        // The arrows and Space go to the frog's command queue in every state.
        break;
    }
}
