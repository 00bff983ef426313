// quagleaper: the game in a desktop window.
#include "app/Application.h"
#include "platform/sdl/SdlPlatform.h"

int main(int, char**) {
    platform::SdlPlatform desktop;
    platform::Platform::install(&desktop);
    return Application().Run();
}
