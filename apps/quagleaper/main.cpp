// quagleaper: the game in a desktop window.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "core/Language.h"
#include "core/PlayerSettings.h"
#include "platform/sdl/SdlPlatform.h"

int main(int argc, char** argv) {
    const CommandLine line(argc, argv);
    // Help and version need no window, so they are answered before SDL starts.
    if (const auto exitCode = line.Answer(stdout, stderr))
        return *exitCode;
    platform::SdlPlatform desktop(line.sound());
    platform::Platform::install(&desktop);
    Application game;
    game.ReadDataFrom(line.dataFolder());
    // The desktop's language, unless the player chose one in the settings.
    game.StartIn(LanguageFromEnvironment());
    game.KeepSettingsIn(PlayerSettings::PathFromEnvironment());
    game.OverrideFullscreen(line.fullscreen());
    if (!line.replay().empty())
        game.PlayReplay(line.replay());
    return game.Run();
}
