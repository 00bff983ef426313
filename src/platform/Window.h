#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
};

// The main window and its message queue.
class Window {
  public:
    virtual ~Window() = default;

    // How opening the window went; no display at all is told apart, as the player can mend it.
    enum class Opening { Opened, NoDisplay, Failed };

    // Opens the window with the given client area.
    virtual Opening create(const std::string& title, int clientWidth, int clientHeight) = 0;

    // Takes the oldest queued message; false when the queue is empty.
    virtual bool peekMessage(Message& out) = 0;

    // Returns when a message is queued or `timeoutMs` have passed; a negative timeout waits
    // for the next message however long it takes.
    virtual void waitMessage(int timeoutMs) = 0;

    // Queues a quit message, which ends the main loop with `exitCode`.
    virtual void postQuit(int exitCode) = 0;

    // A modal message box with one OK button; returns once it is closed.
    virtual void showMessageBox(const std::string& title, const std::string& text) = 0;
    // The picture the desktop shows for the window: rows from the top, 0xAARRGGBB pixels.
    virtual void setIcon(int width, int height, const std::vector<uint32_t>& pixels) = 0;

    // The pointer in client pixels, and whether the left button is held.
    virtual Point cursorPosition() const = 0;
    virtual bool leftButtonDown() const = 0;
};

} // namespace platform
