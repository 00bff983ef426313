#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// The game's command line: what it asks for, and the answers that need no window.
class CommandLine {
  public:
    enum class Request { Play, Help, Version, Invalid };

    explicit CommandLine(const std::vector<std::string>& arguments);
    CommandLine(int argc, const char* const* argv);

    Request request() const { return asked; }
    // Why the command line is invalid; empty otherwise.
    const std::string& problem() const { return why; }

    // Full screen or a window when the player chose; the game's own choice otherwise.
    std::optional<bool> fullscreen() const { return startFullscreen; }
    bool sound() const { return soundWanted; }
    // The folder that holds data/, with its trailing slash; empty for the working folder.
    const std::string& dataFolder() const { return dataRoot; }
    // A replay to play instead of a game; empty when none.
    const std::string& replay() const { return replayFile; }

    // Prints the help, the version or the complaint and returns the exit code; nothing for a
    // command line that asks to play.
    std::optional<int> Answer(std::FILE* out, std::FILE* err) const;

    static std::string Usage();
    static std::string Version();

  private:
    // Reads the option at `next`, and its value after it, and moves `next` past both.
    void Read(const std::vector<std::string>& arguments, std::size_t& next);
    void ReadDataFolder(const std::optional<std::string>& folder);
    void ReadReplay(const std::optional<std::string>& file);
    void Refuse(const std::string& reason);

    Request asked = Request::Play;
    std::string why;
    std::optional<bool> startFullscreen;
    bool soundWanted = true;
    std::string dataRoot;
    std::string replayFile;
};
