#pragma once

#include "platform/Window.h"
#include "platform/sdl/SdlGameControllers.h"

#include <deque>

struct SDL_Window;
struct SDL_Keysym;
union SDL_Event;

namespace platform {

// The desktop window. SDL's events are turned into the game's messages: keys into virtual-key
// codes, typed text into Latin-1 characters, pointer positions into the picture's pixels, game
// controllers into keys. Alt+Return and F11 switch between full screen and a window; the game
// never hears them.
class SdlWindow final : public Window {
  public:
    SdlWindow() = default;
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    Opening create(const std::string& title, int clientWidth, int clientHeight) override;
    bool peekMessage(Message& out) override;
    void waitMessage(int timeoutMs) override;
    void postQuit(int exitCode) override;
    void showMessageBox(const std::string& title, const std::string& text) override;
    void setIcon(int width, int height, const std::vector<uint32_t>& pixels) override;
    Point cursorPosition() const override;
    bool leftButtonDown() const override;

    SDL_Window* handle() const { return window; }
    void setFullscreen(bool fullscreen);
    bool isFullscreen() const;
    // The size the window takes when it leaves full screen; 0 keeps the one it has.
    void setRestoredSize(int width, int height);

  private:
    // SDL runs without a display on its offscreen or dummy driver unless asked for one.
    static bool fellBackToInvisibleDriver();
    void pumpEvents();
    void translate(const SDL_Event& event);
    void translateKey(const SDL_Keysym& key);
    // The system pointer shows over the borders around the picture, never over the picture,
    // where the game draws its own.
    void showPointerOutsidePicture();
    void translateText(const char* utf8);
    // Tells the game how the player now sees it, so that the next start looks the same.
    void reportView();

    SDL_Window* window = nullptr;
    bool videoStarted = false;
    SdlGameControllers controllers;
    // The size of the game's picture, also the window's first size.
    int windowedWidth = 0;
    int windowedHeight = 0;
    // The window's size before it last went full screen.
    int restoredWidth = 0;
    int restoredHeight = 0;
    std::deque<Message> queue;
};

} // namespace platform
