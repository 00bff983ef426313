#pragma once

#include "core/PlayerSettings.h"
#include "platform/Message.h"

// Turns the window's messages into game actions: focus, the keyboard map with the keys the
// player chose, typed characters, the mouse buttons and the player's changes to the view.
class WindowProcedure {
  public:
    void Handle(const platform::Message& message);

    bool HasFocus() const { return hasFocus; }
    // Keys, characters and mouse messages handled so far: a change tells that someone is there.
    unsigned InputsHandled() const { return inputs; }

  private:
    void OnKeyDown(int key);
    bool OnMenuKey(int key);
    static void Perform(PlayerSettings::Action action);
    static void PauseOnFocusLoss();
    // The controller's d-pad and A on a screen with buttons; false for every other key.
    static bool SteerMenu(int key);
    void OnMouse(const platform::Message& message, bool down);

    bool hasFocus = false;
    unsigned inputs = 0;
};
