#include "app/HarnessScript.h"

#include <charconv>
#include <sstream>

#include "core/StringUtil.h"
#include "platform/VirtualKey.h"

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

std::optional<int> KeyCode(const std::string& name) {
    static const std::pair<const char*, int> named[] = {
        {"ESC", platform::vk::Escape}, {"LEFT", platform::vk::Left},
        {"RIGHT", platform::vk::Right}, {"UP", platform::vk::Up},
        {"DOWN", platform::vk::Down},   {"SPACE", platform::vk::Space},
        {"RETURN", platform::vk::Return}, {"BACK", platform::vk::Back},
    };
    for (const auto& [keyName, code] : named)
        if (name == keyName)
            return code;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z')
        return name[0];
    return std::nullopt;
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

    auto expect = [&](size_t count) {
        if (args.size() == count)
            return true;
        error = StringUtil::Format("'%s' takes %zu argument(s)", name.c_str(), count);
        return false;
    };
    auto add = [&](Op op, int a = 0, int b = 0, std::string text = {}) {
        commands.push_back({op, a, b, std::move(text), lineNumber});
        return true;
    };
    auto number = [&](const std::string& word, long long min, long long max, int& out) {
        if (ParseNumber(word, min, max, out))
            return true;
        error = StringUtil::Format("'%s' is not a number from %lld to %lld", word.c_str(), min, max);
        return false;
    };

    int a = 0;
    int b = 0;
    if (name == "seed") {
        if (!expect(1) || !number(args[0], 0, 4294967295LL, a))
            return false;
        seed = static_cast<unsigned>(std::stoull(args[0]));
        return true;
    }
    if (name == "step" || name == "run") {
        if (!expect(1) || !number(args[0], 0, 1000000000, a))
            return false;
        return add(name == "step" ? Op::Step : Op::Run, a);
    }
    if (name == "focus") {
        if (!expect(1))
            return false;
        if (args[0] != "on" && args[0] != "off") {
            error = "focus is 'on' or 'off'";
            return false;
        }
        return add(Op::Focus, args[0] == "on");
    }
    if (name == "key") {
        if (!expect(1))
            return false;
        const std::optional<int> code = KeyCode(args[0]);
        if (!code) {
            error = "unknown key '" + args[0] + "'";
            return false;
        }
        return add(Op::Key, *code);
    }
    if (name == "char") {
        if (!expect(1))
            return false;
        const std::optional<int> byte = CharByte(args[0]);
        if (!byte) {
            error = "not a character or a byte from 0 to 255";
            return false;
        }
        return add(Op::Char, *byte);
    }
    if (name == "type") {
        const size_t start = line.find("type") + 5;
        if (start > line.size()) {
            error = "'type' needs text";
            return false;
        }
        for (char c : line.substr(start))
            add(Op::Char, static_cast<unsigned char>(c));
        return true;
    }
    if (name == "mouse" || name == "down" || name == "up" || name == "click") {
        if (!expect(2) || !number(args[0], 0, 65535, a) || !number(args[1], 0, 65535, b))
            return false;
        const Op op = name == "mouse" ? Op::Mouse : name == "down" ? Op::Down
                    : name == "up"    ? Op::Up
                                      : Op::Click;
        return add(op, a, b);
    }
    if (name == "close")
        return expect(0) && add(Op::Close);
    if (name == "trace")
        return expect(1) && add(Op::Trace, 0, 0, args[0]);
    if (name == "screenshot")
        return expect(1) && add(Op::Screenshot, 0, 0, args[0]);
    if (name == "lose-surfaces")
        return expect(0) && add(Op::LoseSurfaces);

    error = "unknown command '" + name + "'";
    return false;
}
