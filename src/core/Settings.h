#pragma once

#include <cstddef>
#include <functional>
#include <map>
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
    // A configuration is some tens of kilobytes; a file of this size is read still, quickly.
    static constexpr std::size_t MaxFileBytes = 64 << 20;

    std::string fileName;
    std::vector<std::string> lines;

  private:
    // Where a scan for the key would stop, and how many nameless SECTION lines it would pass.
    struct KeyLine {
        std::size_t line = 0;
        int namelessSectionsBefore = 0;
    };

    // Lookups without a section go through this index instead of scanning every line, so that
    // a huge file costs one pass at load, not one per key.
    void IndexKeys();
    static void ReportNamelessSections(int count);

    std::map<std::string, KeyLine, std::less<>> firstLineOfKey;
    int namelessSections = 0;
};
