#include "app/CommandLine.h"

#include "core/ExitCode.h"

CommandLine::CommandLine(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        Read(argument);
        if (asked == Request::Invalid)
            return;
    }
}

CommandLine::CommandLine(int argc, const char* const* argv)
    : CommandLine(
          std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0))) {}

void CommandLine::Read(const std::string& argument) {
    // The first request wins, as "--help --version" would surprise either way.
    if (argument == "-h" || argument == "--help") {
        if (asked == Request::Play)
            asked = Request::Help;
    } else if (argument == "-v" || argument == "--version") {
        if (asked == Request::Play)
            asked = Request::Version;
    } else {
        asked = Request::Invalid;
        why = argument.starts_with("-") ? "unknown option " + argument
                                        : "unexpected argument " + argument;
    }
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
    return "Usage: quagleaper [OPTION]\n"
           "Hop a frog across road and river lanes and bring it home.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "  -v, --version  print the version and exit\n"
           "\n"
           "Without an option the game starts in a window. See quagleaper(6).\n";
}

std::string CommandLine::Version() {
    return std::string("quagleaper ") + QUAGLEAPER_VERSION;
}
