#pragma once

struct SDL_Window;

namespace platform {

// Notices when the window's X connection breaks (the X server ends, the session logs out, the
// window is killed from outside). Xlib would end the process on the spot with exit(1), in the
// middle of a frame; instead it only marks the loss, and the window reports it as a message, so
// that the game shuts down in order and keeps what the player saved.
class DisplayConnectionWatch {
  public:
    // Does nothing on video drivers other than X11.
    static void Watch(SDL_Window* window);
    // True once after the connection broke.
    static bool TakeLoss();
    static bool Lost();

    DisplayConnectionWatch() = delete;
};

} // namespace platform
