#pragma once

#include <optional>
#include <string_view>

// The range a playable game allows for every number the game reads from config.txt: one table,
// applied where a value is read, so that no setting can hang, freeze or overflow the game. Keys
// built at run time are matched by patterns, '*' standing for any text, case ignored as in
// config.txt; the first row that matches a key gives its range.
class SettingLimits {
  public:
    struct Range {
        double low;
        double high;
    };

    // None for a key the table does not know.
    static std::optional<Range> Of(std::string_view key);

    SettingLimits() = delete;
};
