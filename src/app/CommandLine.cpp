#include "app/CommandLine.h"

#include "core/ExitCode.h"

#include <filesystem>
#include <system_error>

namespace {
constexpr std::string_view kDataOption = "--data";
constexpr std::string_view kReplayOption = "--replay";

std::optional<std::string> ValueAfter(const std::vector<std::string>& arguments,
                                      std::size_t& next) {
    return next < arguments.size() ? std::optional(arguments[next++]) : std::nullopt;
}
} // namespace

CommandLine::CommandLine(const std::vector<std::string>& arguments) {
    for (std::size_t next = 0; next < arguments.size() && asked != Request::Invalid;)
        Read(arguments, next);
}

CommandLine::CommandLine(int argc, const char* const* argv)
    : CommandLine(
          std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0))) {}

void CommandLine::Read(const std::vector<std::string>& arguments, std::size_t& next) {
    const std::string& argument = arguments[next++];
    // The first request wins, as "--help --version" would surprise either way.
    if (argument == "-h" || argument == "--help") {
        if (asked == Request::Play)
            asked = Request::Help;
    } else if (argument == "-v" || argument == "--version") {
        if (asked == Request::Play)
            asked = Request::Version;
    } else if (argument == "--window" || argument == "--fullscreen") {
        // The last of the two wins, so that an alias can be overridden.
        startFullscreen = argument == "--fullscreen";
    } else if (argument == "--no-sound") {
        soundWanted = false;
    } else if (argument == kDataOption) {
        ReadDataFolder(ValueAfter(arguments, next));
    } else if (argument.starts_with(std::string(kDataOption) + "=")) {
        ReadDataFolder(argument.substr(kDataOption.size() + 1));
    } else if (argument == kReplayOption) {
        ReadReplay(ValueAfter(arguments, next));
    } else if (argument.starts_with(std::string(kReplayOption) + "=")) {
        ReadReplay(argument.substr(kReplayOption.size() + 1));
    } else {
        Refuse(argument.starts_with("-") ? "unknown option " + argument
                                         : "unexpected argument " + argument);
    }
}

void CommandLine::ReadDataFolder(const std::optional<std::string>& folder) {
    if (!folder || folder->empty()) {
        Refuse("--data needs a folder DIR");
        return;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(*folder, error)) {
        Refuse("--data DIR: " + *folder + " is not a folder");
        return;
    }
    dataRoot = folder->ends_with('/') ? *folder : *folder + "/";
}

// Only named here; the game reads it once its data is there to compare it with.
void CommandLine::ReadReplay(const std::optional<std::string>& file) {
    if (!file || file->empty())
        Refuse("--replay needs a replay FILE");
    else
        replayFile = *file;
}

void CommandLine::Refuse(const std::string& reason) {
    asked = Request::Invalid;
    why = reason;
}

std::optional<int> CommandLine::Answer(std::FILE* out, std::FILE* err) const {
    switch (asked) {
    case Request::Help:
        std::fputs(Usage().c_str(), out);
        return ToInt(ExitCode::Success);
    case Request::Version:
        std::fprintf(out, "%s\n", Version().c_str());
        return ToInt(ExitCode::Success);
    case Request::Invalid:
        std::fprintf(err, "quagleaper: %s\n%s", why.c_str(), Usage().c_str());
        return ToInt(ExitCode::Usage);
    case Request::Play:
        break;
    }
    return std::nullopt;
}

std::string CommandLine::Usage() {
    return "Usage: quagleaper [OPTION]...\n"
           "Hop a frog across road and river lanes and bring it home.\n"
           "\n"
           "  -h, --help        print this help and exit\n"
           "  -v, --version     print the version and exit\n"
           "      --window      start in a window this time\n"
           "      --fullscreen  start full screen this time; without either, the game\n"
           "                    starts as it was left, full screen the first time\n"
           "      --no-sound    play without opening a sound device\n"
           "      --data DIR    read the game's data from DIR/data instead of ./data;\n"
           "                    the log debug.txt and data/HighScore.txt stay in the\n"
           "                    working folder\n"
           "      --replay FILE play a recorded game (data/replays/*.qlr) and exit;\n"
           "                    Space pauses, Right speeds up, Left slows down,\n"
           "                    Escape ends it\n"
           "\n"
           "Without an option the game starts full screen. See quagleaper(6).\n";
}

std::string CommandLine::Version() {
    return std::string("quagleaper ") + QUAGLEAPER_VERSION;
}
