#pragma once

#include <cstdint>

namespace platform {

// One entry of the window's message queue, shaped after the messages the game handles.
struct Message {
    enum class Type {
        Quit, // `value`: the exit code
        FocusGained,
        FocusLost,
        KeyDown,   // `value`: Windows virtual-key code
        Char,      // `value`: one Latin-1 character byte
        MouseMove, // `x`, `y` in client pixels
        LeftDown,
        LeftUp,
        Destroy,     // the window is being closed
        DisplayLost, // the connection to the display broke; nothing can be shown any more
        ViewChanged, // the player switched full screen or sized the window: `value` 1 in full
                     // screen, `x`, `y` the window's size outside it
    };

    Type type = Type::Quit;
    int value = 0;
    int x = 0;
    int y = 0;
};

} // namespace platform
