#pragma once

#include "platform/Message.h"

// Turns the window's messages into game actions: focus, the keyboard map, typed characters and
// the mouse buttons.
class WindowProcedure {
  public:
    void Handle(const platform::Message& message);

    bool HasFocus() const { return hasFocus; }

  private:
    void OnKeyDown(int key);
    // The controller's d-pad and A on a screen with buttons; false for every other key.
    static bool SteerMenu(int key);
    void OnMouse(const platform::Message& message, bool down);

    bool hasFocus = false;
};
