#pragma once

#include "app/WindowProcedure.h"
#include "core/ExitCode.h"
#include "core/Language.h"
#include "core/Replay.h"

#include <optional>
#include <string>

class LoopDriver;
namespace platform {
class Window;
}

// The program's spine: start-up in its fixed order, the main loop, and the orderly shutdown.
// The same code runs on the desktop and under the harness; only the platform that the entry
// installed and the loop driver differ.
class Application {
  public:
    // Without a driver the loop waits on the window, as on a desktop. The game's screen is
    // 16 bits; the frame benchmark also asks for 32.
    explicit Application(LoopDriver* driver = nullptr, int screenDepth = 16)
        : driver(driver), screenDepth(screenDepth) {}

    // The whole life of the program; returns the process exit code.
    int Run();

    // The folder that holds data/, with its trailing slash; the working folder when empty.
    void ReadDataFrom(const std::string& folder) { dataFolder = folder; }
    // The language the game starts in, texts and worded pictures alike, and in which a start
    // that fails tells the player why. German unless the program's entry chooses.
    void StartIn(Language language) { startLanguage = language; }
    // The player's settings file; without one the game plays on its defaults and keeps nothing.
    void KeepSettingsIn(const std::string& file) { settingsFile = file; }
    // The command line's --window or --fullscreen, for this run only.
    void OverrideFullscreen(std::optional<bool> fullscreen) { fullscreenOverride = fullscreen; }

    // The command line's --replay FILE: the recorded game instead of the title, and the program
    // ends with it.
    void PlayReplay(const std::string& file) { replayFile = file; }

    const WindowProcedure& Procedure() const { return procedure; }

  private:
    void ReadSettings();
    // Start-up, main loop and shutdown; the exit code.
    int RunGame();
    // The exit code of a start that failed; nothing once the game is under way.
    std::optional<ExitCode> StartUp();
    void ReadTexts() const;
    static void ShowWindowIcon(platform::Window& window);
    int EnterMainLoop();
    static int ExitCodeAfterPreload();
    std::optional<ExitCode> OpenReplay();
    int RunMainLoop();
    void ShutDown();

    LoopDriver* driver;
    int screenDepth;
    std::string dataFolder;
    Language startLanguage = Language::German;
    std::string settingsFile;
    std::optional<bool> fullscreenOverride;
    std::string replayFile;
    std::optional<Replay> replay;
    WindowProcedure procedure;
};
