#pragma once

#include "core/Language.h"

#include <optional>
#include <string>
#include <vector>

// A harness script, read whole before the program starts: one command a line, '#' starts a
// comment line. Parsing checks every line, so a bad script never half-runs.
class HarnessScript {
  public:
    enum class Op {
        Step,
        Run,
        Focus,
        Key,
        Char,
        Mouse,
        Down,
        Up,
        Click,
        Close,
        Trace,
        Dump,
        Screenshot,
        LoseSurfaces,
        Level,
        Autoplay,
        RandomInput,
        Record,
        Attract
    };

    // The `level` argument that stands for the showdown after the first group of levels.
    static constexpr int kShowdownLevel = -1;

    struct Command {
        Op op = Op::Run;
        // Step and run counts, focus, autoplay, random-input, record, attract on/off, key
        // code, character byte, x, level.
        int a = 0;
        int b = 0; // y
        // The characters of `type` are single Char commands; this is a path.
        std::string text;
        int line = 0;
    };

    // The script, or none with `error` naming the offending line.
    static std::optional<HarnessScript> Parse(const std::string& source, std::string& error);

    const std::vector<Command>& Commands() const { return commands; }
    std::optional<unsigned> Seed() const { return seed; }
    // The `language` command's, applied before start-up; the harness speaks German without one,
    // whatever the environment says.
    Language StartLanguage() const { return language; }

  private:
    bool ParseLine(const std::string& line, int lineNumber, std::string& error);

    std::vector<Command> commands;
    std::optional<unsigned> seed;
    Language language = Language::German;
};
