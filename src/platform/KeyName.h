#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The written names of the game's key codes, shared by harness scripts and the player's settings
// file: ESC, LEFT, RIGHT, UP, DOWN, SPACE, RETURN, BACK, F12, the pad's PADLEFT … PADA, and the
// letters and digits as themselves.
std::optional<int> KeyCodeNamed(std::string_view name);
// Empty for a code without a name.
std::string KeyNameOf(int code);

} // namespace platform
