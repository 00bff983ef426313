#pragma once

// How the process ends. The values are what the shell, the launcher and the tests see, so they
// never change: -1 reads as 255.
enum class ExitCode : int {
    Success = 0,
    // An error the log names: data missing or damaged, the game could not start.
    Fatal = -1,
    // Nothing to go on with: no log can be written, the screen's pixels cannot be read, a
    // bitmap cannot be read at all.
    Aborted = 1,
    // A command line or a harness script that cannot be used.
    Usage = 2,
    // A replay made with other game data or another config.txt.
    OtherData = 3,
};

constexpr int ToInt(ExitCode code) {
    return static_cast<int>(code);
}
