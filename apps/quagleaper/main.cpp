// quagleaper: the game in a desktop window.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "platform/sdl/SdlPlatform.h"

int main(int argc, char** argv) {
    // Help and version need no window, so they are answered before SDL starts.
    if (const auto exitCode = CommandLine(argc, argv).Answer(stdout, stderr))
        return *exitCode;
    platform::SdlPlatform desktop;
    platform::Platform::install(&desktop);
    return Application().Run();
}
