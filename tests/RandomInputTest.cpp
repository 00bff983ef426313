#include "RandomInput.h"

#include "app/HarnessScript.h"
#include "core/ScreenSize.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using platform::Message;
using Type = Message::Type;

constexpr int kManyTurns = 30000;

std::vector<Message> Play(unsigned seed, GameState state, int turns) {
    RandomInput input(seed, MenuScreens::Buttons());
    std::vector<Message> all;
    for (int turn = 0; turn < turns; ++turn)
        for (const Message& message : input.Turn(state))
            all.push_back(message);
    return all;
}

bool Same(const Message& a, const Message& b) {
    return a.type == b.type && a.value == b.value && a.x == b.x && a.y == b.y;
}

bool SameMessages(const std::vector<Message>& a, const std::vector<Message>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), Same);
}

std::multiset<int> KeysOf(const std::vector<Message>& messages) {
    std::multiset<int> keys;
    for (const Message& message : messages)
        if (message.type == Type::KeyDown)
            keys.insert(message.value);
    return keys;
}

std::vector<Message> ClicksOf(const std::vector<Message>& messages) {
    std::vector<Message> clicks;
    std::copy_if(messages.begin(), messages.end(), std::back_inserter(clicks),
                 [](const Message& message) { return message.type == Type::LeftUp; });
    return clicks;
}

const MenuScreens::Button* ButtonUnder(GameState state, const Message& click) {
    for (const MenuScreens::Button& button : MenuScreens::Buttons())
        if (button.screen == state && button.contains(click.x, click.y))
            return &button;
    return nullptr;
}

TEST(RandomInputTest, TheSeedFixesEveryMessage) {
    const std::vector<Message> first = Play(7, GameState::Playing, kManyTurns);
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(SameMessages(first, Play(7, GameState::Playing, kManyTurns)));
    EXPECT_FALSE(SameMessages(first, Play(8, GameState::Playing, kManyTurns)));
}

TEST(RandomInputTest, MixesKeysCharactersPointerAndFocus) {
    const std::vector<Message> messages = Play(3, GameState::Playing, kManyTurns);
    std::map<Type, int> byType;
    for (const Message& message : messages)
        ++byType[message.type];
    for (Type type : {Type::KeyDown, Type::Char, Type::MouseMove, Type::LeftDown, Type::LeftUp,
                      Type::FocusLost, Type::FocusGained})
        EXPECT_GT(byType[type], 0) << static_cast<int>(type);
    EXPECT_EQ(byType[Type::Quit] + byType[Type::Destroy], 0);

    const std::multiset<int> keys = KeysOf(messages);
    for (int key : {platform::vk::Left, platform::vk::Right, platform::vk::Up, platform::vk::Down,
                    platform::vk::Space, platform::vk::Escape, platform::vk::Return, int{'P'},
                    int{'S'}, platform::vk::PadA, platform::vk::PadUp})
        EXPECT_GT(keys.count(key), 0u) << key;
    // Arrows are the commonest keys, the frog's own.
    EXPECT_GT(keys.count(platform::vk::Up), keys.count(platform::vk::Escape));
    // A player's pace: most turns bring nothing.
    EXPECT_LT(messages.size(), static_cast<size_t>(kManyTurns) / 3);
}

TEST(RandomInputTest, ClicksPressAndReleaseOnOnePointOfTheScreen) {
    const std::vector<Message> messages = Play(5, GameState::Help, kManyTurns);
    size_t clicks = 0;
    for (size_t i = 0; i < messages.size(); ++i) {
        const Message& message = messages[i];
        if (message.type == Type::MouseMove || message.type == Type::LeftDown ||
            message.type == Type::LeftUp) {
            EXPECT_GE(message.x, 0);
            EXPECT_LT(message.x, ScreenSize::kWidth);
            EXPECT_GE(message.y, 0);
            EXPECT_LT(message.y, ScreenSize::kHeight);
        }
        if (message.type != Type::LeftDown)
            continue;
        ++clicks;
        ASSERT_LT(i + 1, messages.size());
        EXPECT_EQ(messages[i + 1].type, Type::LeftUp);
        EXPECT_EQ(messages[i + 1].x, message.x);
        EXPECT_EQ(messages[i + 1].y, message.y);
        ASSERT_GT(i, 0u);
        EXPECT_TRUE(messages[i - 1].type == Type::MouseMove && messages[i - 1].x == message.x);
    }
    EXPECT_EQ(clicks, ClicksOf(messages).size());
}

TEST(RandomInputTest, ClicksFindEveryButtonOfTheScreen) {
    for (GameState state :
         {GameState::Help, GameState::HighScores, GameState::Credits, GameState::TitleMenu}) {
        const std::vector<Message> clicks = ClicksOf(Play(11, state, kManyTurns));
        std::set<const MenuScreens::Button*> hit;
        for (const Message& click : clicks)
            if (const MenuScreens::Button* button = ButtonUnder(state, click))
                hit.insert(button);
        for (const MenuScreens::Button& button : MenuScreens::Buttons()) {
            if (button.screen == state && button.action != MenuScreens::Action::Exit) {
                EXPECT_EQ(hit.count(&button), 1u) << button.highlight;
            }
        }
        // Far more often than the buttons' share of the screen would give.
        const auto onButtons =
            std::count_if(clicks.begin(), clicks.end(),
                          [state](const Message& click) { return ButtonUnder(state, click); });
        EXPECT_GT(onButtons, static_cast<long>(clicks.size()) / 2) << static_cast<int>(state);
    }
}

TEST(RandomInputTest, NothingOnTheTitleMenuEndsTheProgram) {
    const std::vector<Message> messages = Play(13, GameState::TitleMenu, kManyTurns);
    const std::multiset<int> keys = KeysOf(messages);
    EXPECT_EQ(keys.count(platform::vk::Escape), 0u);
    EXPECT_EQ(keys.count('E'), 0u);
    EXPECT_EQ(keys.count(platform::vk::PadA), 0u);
    EXPECT_GT(keys.count('S'), 0u);
    for (const Message& click : ClicksOf(messages)) {
        const MenuScreens::Button* button = ButtonUnder(GameState::TitleMenu, click);
        EXPECT_FALSE(button && button->action == MenuScreens::Action::Exit)
            << click.x << "," << click.y;
    }
    // Elsewhere Escape and E are plain keys and come.
    const std::multiset<int> inGame = KeysOf(Play(13, GameState::Playing, kManyTurns));
    EXPECT_GT(inGame.count(platform::vk::Escape), 0u);
    EXPECT_GT(inGame.count('E'), 0u);
}

TEST(RandomInputTest, FocusComesBackAndNothingArrivesWhileItIsAway) {
    RandomInput input(17, MenuScreens::Buttons());
    int losses = 0;
    int awayFor = -1;
    for (int turn = 0; turn < kManyTurns; ++turn) {
        const std::vector<Message> messages = input.Turn(GameState::Playing);
        if (awayFor >= 0) {
            ++awayFor;
            ASSERT_LE(awayFor, RandomInput::kMaxTurnsWithoutFocus);
            if (messages.empty())
                continue;
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].type, Type::FocusGained);
            awayFor = -1;
        } else if (!messages.empty() && messages[0].type == Type::FocusLost) {
            ++losses;
            awayFor = 0;
        }
    }
    EXPECT_GT(losses, 3);
}

TEST(RandomInputTest, GivesBackTheFocusOnlyWhenItTookIt) {
    RandomInput input(19, MenuScreens::Buttons());
    EXPECT_TRUE(input.GiveBackFocus().empty());
    std::vector<Message> messages;
    while (messages.empty() || messages[0].type != Type::FocusLost)
        messages = input.Turn(GameState::Playing);
    const std::vector<Message> back = input.GiveBackFocus();
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].type, Type::FocusGained);
    EXPECT_TRUE(input.GiveBackFocus().empty());
}

TEST(RandomInputTest, TheScriptSwitchesItOnAndOff) {
    std::string error;
    const auto script =
        HarnessScript::Parse("random-input on\nautoplay on\nrandom-input off\n", error);
    ASSERT_TRUE(script) << error;
    const auto& commands = script->Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].op, HarnessScript::Op::RandomInput);
    EXPECT_EQ(commands[0].a, 1);
    EXPECT_EQ(commands[2].a, 0);
    EXPECT_FALSE(HarnessScript::Parse("random-input maybe\n", error));
    EXPECT_NE(error.find("line 1"), std::string::npos);
}

} // namespace
