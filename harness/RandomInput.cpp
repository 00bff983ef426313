#include "RandomInput.h"

#include "core/ScreenSize.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <iterator>

using platform::Message;

namespace {

// A turn in this many carries an action: a few a second at the game's frame rate.
constexpr int kTurnsPerAction = 12;

// How often each action comes, against the others. Escape is rare enough for a game to last
// until its game over now and then.
struct Weight {
    int arrow = 16, space = 6, pause = 4, escape = 2, enter = 3, letter = 8, padKey = 4,
        character = 10, move = 20, click = 6, buttonClick = 12, loseFocus = 1;
};

constexpr int kArrows[] = {platform::vk::Left, platform::vk::Right, platform::vk::Up,
                           platform::vk::Down};
constexpr int kPadKeys[] = {platform::vk::PadLeft, platform::vk::PadRight, platform::vk::PadUp,
                            platform::vk::PadDown, platform::vk::PadA};
// The letters the game's screens answer to come up more often than the others.
constexpr char kMeaningfulLetters[] = "CEGHMPSTU";
// Name characters, and the Return and Backspace bytes that end and mend a name.
constexpr char kTypedCharacters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .-\r\b";

bool IsExitButton(const MenuScreens::Button& button) {
    return button.action == MenuScreens::Action::Exit;
}

} // namespace

std::vector<Message> RandomInput::Turn(GameState state) {
    if (turnsWithoutFocus > 0)
        return --turnsWithoutFocus == 0 ? std::vector<Message>{{Message::Type::FocusGained}}
                                        : std::vector<Message>{};
    if (Below(kTurnsPerAction) != 0)
        return {};
    std::vector<Message> messages = Perform(PickAction(), state);
    const bool ends =
        std::any_of(messages.begin(), messages.end(),
                    [this, state](const Message& message) { return EndsProgram(state, message); });
    return ends ? std::vector<Message>{} : messages;
}

std::vector<Message> RandomInput::GiveBackFocus() {
    if (turnsWithoutFocus == 0)
        return {};
    turnsWithoutFocus = 0;
    return {{Message::Type::FocusGained}};
}

RandomInput::Action RandomInput::PickAction() {
    constexpr Weight w;
    const std::pair<int, Action> table[] = {
        {w.arrow, Action::Arrow},
        {w.space, Action::Space},
        {w.pause, Action::Pause},
        {w.escape, Action::Escape},
        {w.enter, Action::Return},
        {w.letter, Action::Letter},
        {w.padKey, Action::PadKey},
        {w.character, Action::Character},
        {w.move, Action::Move},
        {w.click, Action::Click},
        {w.buttonClick, Action::ButtonClick},
        {w.loseFocus, Action::LoseFocus},
    };
    int total = 0;
    for (const auto& [weight, action] : table)
        total += weight;
    int pick = Below(total);
    for (const auto& [weight, action] : table) {
        if (pick < weight)
            return action;
        pick -= weight;
    }
    return Action::Move;
}

std::vector<Message> RandomInput::Perform(Action action, GameState state) {
    const auto key = [](int code) { return std::vector<Message>{{Message::Type::KeyDown, code}}; };
    switch (action) {
    case Action::Arrow:
        return key(kArrows[Below(std::size(kArrows))]);
    case Action::Space:
        return key(platform::vk::Space);
    case Action::Pause:
        return key('P');
    case Action::Escape:
        return key(platform::vk::Escape);
    case Action::Return:
        return key(platform::vk::Return);
    case Action::Letter: {
        // Half the letters from those the screens answer to, half from the whole alphabet.
        const int meaningful = static_cast<int>(std::size(kMeaningfulLetters)) - 1;
        return key(Below(2) == 0 ? kMeaningfulLetters[Below(meaningful)] : 'A' + Below(26));
    }
    case Action::PadKey:
        return key(kPadKeys[Below(std::size(kPadKeys))]);
    case Action::Character: {
        const int count = static_cast<int>(std::size(kTypedCharacters)) - 1;
        return {{Message::Type::Char, static_cast<unsigned char>(kTypedCharacters[Below(count)])}};
    }
    case Action::Move:
        return {
            {Message::Type::MouseMove, 0, Below(ScreenSize::kWidth), Below(ScreenSize::kHeight)}};
    case Action::Click:
        return ClickAt(Below(ScreenSize::kWidth), Below(ScreenSize::kHeight));
    case Action::ButtonClick:
        return ClickOnButton(state);
    case Action::LoseFocus:
        return LoseFocus();
    }
    return {};
}

std::vector<Message> RandomInput::ClickAt(int x, int y) {
    return {{Message::Type::MouseMove, 0, x, y},
            {Message::Type::LeftDown, 0, x, y},
            {Message::Type::LeftUp, 0, x, y}};
}

// Somewhere inside one of the screen's buttons; a screen without buttons gets a click anywhere.
std::vector<Message> RandomInput::ClickOnButton(GameState state) {
    std::vector<const MenuScreens::Button*> onScreen;
    for (const MenuScreens::Button& button : buttons)
        if (button.screen == state)
            onScreen.push_back(&button);
    if (onScreen.empty())
        return ClickAt(Below(ScreenSize::kWidth), Below(ScreenSize::kHeight));
    const MenuScreens::Button& button =
        *onScreen[static_cast<size_t>(Below(static_cast<int>(onScreen.size())))];
    const int x = button.left + 1 + Below(button.right - button.left - 1);
    const int y = button.top + 1 + Below(button.bottom - button.top - 1);
    return ClickAt(x, y);
}

std::vector<Message> RandomInput::LoseFocus() {
    turnsWithoutFocus = 1 + Below(kMaxTurnsWithoutFocus);
    return {{Message::Type::FocusLost}};
}

// Escape and E on the title menu, its exit button, and the pad's A there, which may sit on
// the exit button, close the program.
bool RandomInput::EndsProgram(GameState state, const Message& message) const {
    if (state != GameState::TitleMenu && state != GameState::Startup)
        return false;
    switch (message.type) {
    case Message::Type::KeyDown:
        return message.value == platform::vk::Escape || message.value == 'E' ||
               message.value == platform::vk::PadA;
    case Message::Type::LeftUp:
        return std::any_of(buttons.begin(), buttons.end(), [&](const MenuScreens::Button& button) {
            return button.screen == state && IsExitButton(button) &&
                   button.contains(message.x, message.y);
        });
    default:
        return false;
    }
}
