#include "platform/VirtualKey.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <vector>

using platform::Message;
namespace vk = platform::vk;

namespace {

// A window on SDL's dummy video driver with one virtual game controller plugged in.
class SdlGameControllersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The dummy window never has the focus, without which SDL drops controller events.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(window.create("Quagleaper", 800, 600), platform::Window::Opening::Opened);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        const int index =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(index, 0) << SDL_GetError();
        pad = SDL_JoystickOpen(index);
        ASSERT_NE(pad, nullptr);
        Keys();
    }

    void TearDown() override {
        if (pad)
            SDL_JoystickClose(pad);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    // The key codes of every message waiting, in order.
    std::vector<int> Keys() {
        SDL_JoystickUpdate();
        std::vector<int> keys;
        Message message;
        while (window.peekMessage(message))
            if (message.type == Message::Type::KeyDown)
                keys.push_back(message.value);
        return keys;
    }

    std::vector<int> Press(SDL_GameControllerButton button) {
        SDL_JoystickSetVirtualButton(pad, button, SDL_PRESSED);
        SDL_JoystickUpdate();
        SDL_JoystickSetVirtualButton(pad, button, SDL_RELEASED);
        return Keys();
    }

    std::vector<int> Stick(SDL_GameControllerAxis axis, int value) {
        SDL_JoystickSetVirtualAxis(pad, axis, static_cast<Sint16>(value));
        return Keys();
    }

    platform::SdlWindow window;
    SDL_Joystick* pad = nullptr;
};

} // namespace

// The d-pad and A send the pad's own codes, which the menus tell apart from the keyboard's.
TEST_F(SdlGameControllersTest, ButtonsPlayTheKeysOfTheGame) {
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_DPAD_UP), std::vector<int>{vk::PadUp});
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN), std::vector<int>{vk::PadDown});
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT), std::vector<int>{vk::PadLeft});
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), std::vector<int>{vk::PadRight});
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_A), std::vector<int>{vk::PadA});
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_START), std::vector<int>{vk::PadStart});
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_BACK), std::vector<int>{vk::Escape});
    EXPECT_TRUE(Press(SDL_CONTROLLER_BUTTON_Y).empty());
}

TEST_F(SdlGameControllersTest, OnePushOfTheStickIsOneArrowHoweverItTrembles) {
    EXPECT_TRUE(Stick(SDL_CONTROLLER_AXIS_LEFTX, 15000).empty()) << "inside the dead zone";
    EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_LEFTX, 30000), std::vector<int>{vk::StickRight});
    EXPECT_TRUE(Stick(SDL_CONTROLLER_AXIS_LEFTX, 15000).empty()) << "not yet let go";
    EXPECT_TRUE(Stick(SDL_CONTROLLER_AXIS_LEFTX, 32000).empty());
    EXPECT_TRUE(Stick(SDL_CONTROLLER_AXIS_LEFTY, -32000).empty()) << "one arrow at a time";
    EXPECT_TRUE(Stick(SDL_CONTROLLER_AXIS_LEFTX, 0).empty());
    EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_LEFTY, -31000), std::vector<int>{vk::StickUp});
    EXPECT_TRUE(Stick(SDL_CONTROLLER_AXIS_LEFTY, 0).empty());
    EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_LEFTX, -32768), std::vector<int>{vk::StickLeft});
}

TEST_F(SdlGameControllersTest, AControllerPluggedOutAndInAgainStillPlays) {
    SDL_JoystickClose(pad);
    pad = nullptr;
    ASSERT_EQ(SDL_JoystickDetachVirtual(0), 0);
    Keys();
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    pad = SDL_JoystickOpen(index);
    Keys();
    EXPECT_EQ(Press(SDL_CONTROLLER_BUTTON_A), std::vector<int>{vk::PadA});
}
