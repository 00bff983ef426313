#pragma once

#include "platform/Window.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

// A window without a screen: its queue holds exactly what the driver pushes, in that order.
class HeadlessWindow final : public Window {
  public:
    Opening create(const std::string& title, int clientWidth, int clientHeight) override;
    bool peekMessage(Message& out) override;
    void waitMessage(int timeoutMs) override;
    void postQuit(int exitCode) override;
    void showMessageBox(const std::string& title, const std::string& text) override;
    void setIcon(int width, int height, const std::vector<uint32_t>& pixels) override {
        iconWidth = width;
        iconHeight = height;
        iconPixels = pixels;
    }
    Point cursorPosition() const override { return cursor; }
    bool leftButtonDown() const override { return buttonHeld; }

    // Queues a message as the desktop would deliver it; pointer messages also move the
    // pointer and press or release the button.
    void push(const Message& message);

    bool isCreated() const { return created; }
    const std::vector<std::string>& messageBoxes() const { return shownMessageBoxes; }
    int iconWidthShown() const { return iconWidth; }
    int iconHeightShown() const { return iconHeight; }
    const std::vector<uint32_t>& iconShown() const { return iconPixels; }

  private:
    std::deque<Message> queue;
    Point cursor;
    bool buttonHeld = false;
    bool created = false;
    std::vector<std::string> shownMessageBoxes;
    int iconWidth = 0;
    int iconHeight = 0;
    std::vector<uint32_t> iconPixels;
};

} // namespace platform
