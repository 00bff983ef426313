#include "platform/headless/HeadlessWindow.h"

#include <cstdio>

namespace platform {

Window::Opening HeadlessWindow::create(const std::string&, int, int) {
    created = true;
    return Opening::Opened;
}

bool HeadlessWindow::peekMessage(Message& out) {
    if (queue.empty())
        return false;
    out = queue.front();
    queue.pop_front();
    return true;
}

// Nothing arrives by itself here: the driver fills the queue between turns.
void HeadlessWindow::waitMessage(int) {}

void HeadlessWindow::postQuit(int exitCode) {
    push({Message::Type::Quit, exitCode});
}

// Nobody is there to press OK: the text goes to stderr and is kept for the tests.
void HeadlessWindow::showMessageBox(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "[%s] %s\n", title.c_str(), text.c_str());
    shownMessageBoxes.push_back(title + ": " + text);
}

void HeadlessWindow::push(const Message& message) {
    switch (message.type) {
    case Message::Type::MouseMove:
        cursor = {message.x, message.y};
        break;
    case Message::Type::LeftDown:
        cursor = {message.x, message.y};
        buttonHeld = true;
        break;
    case Message::Type::LeftUp:
        cursor = {message.x, message.y};
        buttonHeld = false;
        break;
    default:
        break;
    }
    queue.push_back(message);
}

} // namespace platform
