#pragma once

#include <deque>

#include "platform/Window.h"

struct SDL_Window;
union SDL_Event;

namespace platform {

// The desktop window. SDL's events are turned into the game's messages: keys into virtual-key
// codes, typed text into Latin-1 characters, pointer positions into client pixels.
class SdlWindow final : public Window {
public:
    SdlWindow() = default;
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool create(const std::string& title, int clientWidth, int clientHeight) override;
    bool peekMessage(Message& out) override;
    void waitMessage(int timeoutMs) override;
    void postQuit(int exitCode) override;
    void showMessageBox(const std::string& title, const std::string& text) override;
    Point cursorPosition() const override;
    bool leftButtonDown() const override;

    SDL_Window* handle() const { return window; }

private:
    void pumpEvents();
    void translate(const SDL_Event& event);
    void translateKey(int sdlKey);
    void translateText(const char* utf8);

    SDL_Window* window = nullptr;
    bool videoStarted = false;
    std::deque<Message> queue;
};

} // namespace platform
