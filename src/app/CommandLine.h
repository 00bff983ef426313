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

    // Prints the help, the version or the complaint and returns the exit code; nothing for a
    // command line that asks to play.
    std::optional<int> Answer(std::FILE* out, std::FILE* err) const;

    static std::string Usage();
    static std::string Version();

  private:
    void Read(const std::string& argument);

    Request asked = Request::Play;
    std::string why;
};
