#include "app/HarnessScript.h"

#include "core/StringUtil.h"
#include "platform/KeyName.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {

bool ParseNumber(const std::string& token, long long min, long long max, int& out) {
    long long value = 0;
    const char* end = token.data() + token.size();
    const auto [rest, error] = std::from_chars(token.data(), end, value);
    if (error != std::errc() || rest != end || value < min || value > max)
        return false;
    out = static_cast<int>(value);
    return true;
}

// "X" is that character; a longer all-digit word is a decimal byte, as in "char 13".
std::optional<int> CharByte(const std::string& word) {
    if (word.size() == 1)
        return static_cast<unsigned char>(word[0]);
    int value = 0;
    if (ParseNumber(word, 0, 255, value))
        return value;
    return std::nullopt;
}

// How each command's words are read.
enum class Args { None, Count, OnOff, Key, Char, Point, Path, Text, Level };

struct Syntax {
    const char* name;
    HarnessScript::Op op;
    Args args;
};

using Op = HarnessScript::Op;
constexpr Syntax kSyntax[] = {
    {"step", Op::Step, Args::Count},
    {"run", Op::Run, Args::Count},
    {"focus", Op::Focus, Args::OnOff},
    {"key", Op::Key, Args::Key},
    {"char", Op::Char, Args::Char},
    {"type", Op::Char, Args::Text},
    {"mouse", Op::Mouse, Args::Point},
    {"down", Op::Down, Args::Point},
    {"up", Op::Up, Args::Point},
    {"click", Op::Click, Args::Point},
    {"close", Op::Close, Args::None},
    {"trace", Op::Trace, Args::Path},
    {"dump", Op::Dump, Args::Path},
    {"autoplay", Op::Autoplay, Args::OnOff},
    {"screenshot", Op::Screenshot, Args::Path},
    {"lose-surfaces", Op::LoseSurfaces, Args::None},
    {"level", Op::Level, Args::Level},
    {"random-input", Op::RandomInput, Args::OnOff},
    {"record", Op::Record, Args::OnOff},
    {"attract", Op::Attract, Args::OnOff},
};

const Syntax* FindSyntax(const std::string& name) {
    for (const Syntax& syntax : kSyntax)
        if (name == syntax.name)
            return &syntax;
    return nullptr;
}

bool ExpectCount(const std::string& name, const std::vector<std::string>& args, size_t count,
                 std::string& error) {
    if (args.size() == count)
        return true;
    error = StringUtil::Format("'%s' takes %zu argument(s)", name.c_str(), count);
    return false;
}

bool Number(const std::string& word, long long min, long long max, int& out, std::string& error) {
    if (ParseNumber(word, min, max, out))
        return true;
    error = StringUtil::Format("'%s' is not a number from %lld to %lld", word.c_str(), min, max);
    return false;
}

size_t ArgumentCount(Args args) {
    switch (args) {
    case Args::None:
        return 0;
    case Args::Point:
        return 2;
    default:
        return 1;
    }
}

bool ParseArguments(const Syntax& syntax, const std::vector<std::string>& args,
                    HarnessScript::Command& command, std::string& error) {
    if (!ExpectCount(syntax.name, args, ArgumentCount(syntax.args), error))
        return false;
    switch (syntax.args) {
    case Args::None:
    case Args::Text:
        return true;
    case Args::Count:
        return Number(args[0], 0, 1000000000, command.a, error);
    case Args::OnOff:
        command.a = args[0] == "on";
        if (command.a || args[0] == "off")
            return true;
        error = StringUtil::Format("'%s' takes 'on' or 'off'", syntax.name);
        return false;
    case Args::Key:
        if (const std::optional<int> code = platform::KeyCodeNamed(args[0])) {
            command.a = *code;
            return true;
        }
        error = "unknown key '" + args[0] + "'";
        return false;
    case Args::Char:
        if (const std::optional<int> byte = CharByte(args[0])) {
            command.a = *byte;
            return true;
        }
        error = "not a character or a byte from 0 to 255";
        return false;
    case Args::Point:
        return Number(args[0], 0, 65535, command.a, error) &&
               Number(args[1], 0, 65535, command.b, error);
    case Args::Path:
        command.text = args[0];
        return true;
    case Args::Level:
        if (args[0] != "showdown")
            return Number(args[0], 0, 999, command.a, error);
        command.a = HarnessScript::kShowdownLevel;
        return true;
    }
    return false;
}

} // namespace

std::optional<HarnessScript> HarnessScript::Parse(const std::string& source, std::string& error) {
    HarnessScript script;
    std::istringstream lines(source);
    std::string line;
    for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!script.ParseLine(line, lineNumber, error)) {
            error = StringUtil::Format("line %d: %s: %s", lineNumber, error.c_str(), line.c_str());
            return std::nullopt;
        }
    }
    return script;
}

bool HarnessScript::ParseLine(const std::string& line, int lineNumber, std::string& error) {
    std::istringstream words(line);
    std::string name;
    if (!(words >> name) || name[0] == '#')
        return true;
    std::vector<std::string> args;
    for (std::string word; words >> word;)
        args.push_back(word);

    if (name == "seed") {
        int ignored = 0;
        if (!ExpectCount(name, args, 1, error) || !Number(args[0], 0, 4294967295LL, ignored, error))
            return false;
        seed = static_cast<unsigned>(std::stoull(args[0]));
        return true;
    }
    if (name == "language") {
        if (!ExpectCount(name, args, 1, error))
            return false;
        const std::optional<Language> named = LanguageFromCode(args[0]);
        if (!named) {
            error = "not a language code (de, en)";
            return false;
        }
        language = *named;
        return true;
    }
    const Syntax* syntax = FindSyntax(name);
    if (!syntax) {
        error = "unknown command '" + name + "'";
        return false;
    }
    if (syntax->args == Args::Text) {
        // Every byte after "type " counts, spaces included.
        for (char c : line.substr(std::min(line.size(), line.find(name) + name.size() + 1)))
            commands.push_back({Op::Char, static_cast<unsigned char>(c), 0, {}, lineNumber});
        return true;
    }
    Command command{syntax->op, 0, 0, {}, lineNumber};
    if (!ParseArguments(*syntax, args, command, error))
        return false;
    commands.push_back(command);
    return true;
}
