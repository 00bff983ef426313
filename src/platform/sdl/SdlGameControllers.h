#pragma once

#include "platform/Message.h"

#include <deque>
#include <map>

union SDL_Event;
struct _SDL_GameController;

namespace platform {

// Game controllers, plugged in and out at any time, played as the keyboard: the left stick is
// the arrow keys, Start is P and Back is Escape. The d-pad and A send the pad's own key codes,
// which hop and flick the tongue in a game and steer the highlight over a menu's buttons.
class SdlGameControllers {
  public:
    // The stick counts as pushed beyond kPressAt and as let go again below kReleaseAt, so that
    // one push is one key press however the stick trembles.
    static constexpr int kPressAt = 20000;
    static constexpr int kReleaseAt = 12000;

    SdlGameControllers() = default;
    ~SdlGameControllers();
    SdlGameControllers(const SdlGameControllers&) = delete;
    SdlGameControllers& operator=(const SdlGameControllers&) = delete;

    // False when the controller subsystem cannot start; the keyboard works regardless.
    bool start();
    // Turns a controller event into key messages; false for events of other devices.
    bool translate(const SDL_Event& event, std::deque<Message>& queue);

  private:
    void open(int deviceIndex);
    void close(int instanceId);
    void translateAxis(int instanceId, int axis, int value, std::deque<Message>& queue);

    bool started = false;
    std::map<int, _SDL_GameController*> controllers;
    std::map<int, int> stickKeys; // by instance id: the arrow the left stick holds down
};

} // namespace platform
