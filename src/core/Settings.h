#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One loaded configuration file: its lines as read, without line ends.
class Settings {
public:
    // Replaces the lines with those of `name`, read through the data layer, so the file may
    // come from the container. Lines longer than MaxLineLength are stored in several pieces.
    bool Load(const std::string& name);

    // The first line whose key matches `key` case-insensitively; with a section, only lines
    // inside a SECTION of that name count. An empty section means none.
    std::optional<std::string> FindLine(std::string_view key, std::string_view section = {}) const;

    static constexpr std::size_t MaxLineLength = 998;

    std::string fileName;
    std::vector<std::string> lines;
};
