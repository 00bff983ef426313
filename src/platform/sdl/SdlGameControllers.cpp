#include "platform/sdl/SdlGameControllers.h"

#include "platform/VirtualKey.h"

#include <SDL.h>
#include <cstdlib>

namespace platform {

namespace {

int keyOfButton(int button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return vk::PadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return vk::PadRight;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return vk::PadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return vk::PadDown;
    case SDL_CONTROLLER_BUTTON_A:
        return vk::PadA;
    case SDL_CONTROLLER_BUTTON_START:
        return vk::PadStart;
    case SDL_CONTROLLER_BUTTON_BACK:
        return vk::Escape;
    default:
        return 0;
    }
}

} // namespace

SdlGameControllers::~SdlGameControllers() {
    for (const auto& [id, controller] : controllers)
        SDL_GameControllerClose(controller);
    if (started)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGameControllers::start() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        SDL_Log("SDL could not start game controllers: %s", SDL_GetError());
        return false;
    }
    started = true;
    // Controllers present at start arrive as added events like those plugged in later.
    return true;
}

bool SdlGameControllers::translate(const SDL_Event& event, std::deque<Message>& queue) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        close(event.cdevice.which);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
        if (const int key = keyOfButton(event.cbutton.button))
            queue.push_back({Message::Type::KeyDown, key});
        return true;
    case SDL_CONTROLLERAXISMOTION:
        translateAxis(event.caxis.which, event.caxis.axis, event.caxis.value, queue);
        return true;
    case SDL_CONTROLLERBUTTONUP:
        return true;
    default:
        return false;
    }
}

void SdlGameControllers::open(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) {
        SDL_Log("SDL could not open game controller %d: %s", deviceIndex, SDL_GetError());
        return;
    }
    const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    // The same device can be announced twice at start; one handle is enough.
    if (controllers.count(id)) {
        SDL_GameControllerClose(controller);
        return;
    }
    controllers[id] = controller;
}

void SdlGameControllers::close(int instanceId) {
    const auto found = controllers.find(instanceId);
    if (found == controllers.end())
        return;
    SDL_GameControllerClose(found->second);
    controllers.erase(found);
    stickKeys.erase(instanceId);
}

// One arrow at a time: a diagonal push gives the arrow of the axis that crossed first, and the
// stick must come back toward the centre on that axis before it presses again.
void SdlGameControllers::translateAxis(int instanceId, int axis, int value,
                                       std::deque<Message>& queue) {
    if (axis != SDL_CONTROLLER_AXIS_LEFTX && axis != SDL_CONTROLLER_AXIS_LEFTY)
        return;
    const bool horizontal = axis == SDL_CONTROLLER_AXIS_LEFTX;
    const int negativeKey = horizontal ? vk::StickLeft : vk::StickUp;
    const int positiveKey = horizontal ? vk::StickRight : vk::StickDown;
    int& held = stickKeys[instanceId];
    if (held == negativeKey || held == positiveKey) {
        if (std::abs(value) < kReleaseAt)
            held = 0;
        return;
    }
    if (held != 0 || std::abs(value) < kPressAt)
        return;
    held = value < 0 ? negativeKey : positiveKey;
    queue.push_back({Message::Type::KeyDown, held});
}

} // namespace platform
