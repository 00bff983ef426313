#pragma once

#include "app/GameState.h"
#include "app/MenuScreens.h"
#include "platform/Message.h"

#include <random>
#include <span>
#include <vector>

// A careless player for scripted runs, drawn from the script's seed: keys, typed characters,
// pointer moves, clicks (often on the buttons of the screen shown) and the window losing focus
// for a while. It never ends the program, so a long run stays a long run.
class RandomInput {
  public:
    // Focus stays away for at most this many turns.
    static constexpr int kMaxTurnsWithoutFocus = 100;

    RandomInput(unsigned seed, std::span<const MenuScreens::Button> buttons)
        : generator(seed), buttons(buttons) {}

    // One turn's messages on the screen of `state`: mostly none, otherwise one action, a click
    // being its press and its release.
    std::vector<platform::Message> Turn(GameState state);
    // The focus back if it is away, as when the script stops the random input.
    std::vector<platform::Message> GiveBackFocus();

  private:
    enum class Action {
        Arrow,
        Space,
        Pause,
        Escape,
        Return,
        Letter,
        PadKey,
        Character,
        Move,
        Click,
        ButtonClick,
        LoseFocus
    };

    Action PickAction();
    std::vector<platform::Message> Perform(Action action, GameState state);
    static std::vector<platform::Message> ClickAt(int x, int y);
    std::vector<platform::Message> ClickOnButton(GameState state);
    std::vector<platform::Message> LoseFocus();
    bool EndsProgram(GameState state, const platform::Message& message) const;
    int Below(int bound) { return static_cast<int>(generator() % static_cast<unsigned>(bound)); }

    std::mt19937 generator;
    std::span<const MenuScreens::Button> buttons;
    int turnsWithoutFocus = 0;
};
