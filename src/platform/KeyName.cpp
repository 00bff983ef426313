#include "platform/KeyName.h"

#include "platform/VirtualKey.h"

#include <utility>

namespace platform {

namespace {

constexpr std::pair<std::string_view, int> kNamed[] = {
    {"ESC", vk::Escape},
    {"LEFT", vk::Left},
    {"RIGHT", vk::Right},
    {"UP", vk::Up},
    {"DOWN", vk::Down},
    {"SPACE", vk::Space},
    {"RETURN", vk::Return},
    {"BACK", vk::Back},
    {"F12", vk::F12},
    // A game controller's d-pad and A button, as the desktop hands them on.
    {"PADLEFT", vk::PadLeft},
    {"PADRIGHT", vk::PadRight},
    {"PADUP", vk::PadUp},
    {"PADDOWN", vk::PadDown},
    {"PADA", vk::PadA},
    {"PADSTART", vk::PadStart},
    {"STICKLEFT", vk::StickLeft},
    {"STICKRIGHT", vk::StickRight},
    {"STICKUP", vk::StickUp},
    {"STICKDOWN", vk::StickDown},
};

bool IsLetterOrDigit(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
}

} // namespace

std::optional<int> KeyCodeNamed(std::string_view name) {
    for (const auto& [keyName, code] : kNamed)
        if (name == keyName)
            return code;
    if (name.size() == 1 && IsLetterOrDigit(name[0]))
        return name[0];
    return std::nullopt;
}

std::string KeyNameOf(int code) {
    for (const auto& [keyName, named] : kNamed)
        if (code == named)
            return std::string(keyName);
    return IsLetterOrDigit(code) ? std::string(1, static_cast<char>(code)) : std::string();
}

} // namespace platform
