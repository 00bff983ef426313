#pragma once

#include "core/Settings.h"
#include "core/Singleton.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game's tunable numbers, read by key from the loaded configuration files. Each key is
// converted once per section and type; a missing key is remembered as 0, 0.0 or false, so
// its log line appears only once. A stated number outside the range SettingLimits gives its
// key is held at the range's nearer end, with a log line. An empty section means none.
class SettingsManager {
  public:
    bool LoadSettings(const std::string& fileName);

    // The whole line of the first file that has the key.
    std::optional<std::string> FindSetting(std::string_view key,
                                           std::string_view section = {}) const;

    // Reads like %d; out-of-range values are clamped to the int32 range, then to the key's.
    std::int32_t GetInt(std::string_view key, std::string_view section = {});
    // Reads like %f; held inside the key's range, and always finite (NaN reads 0 for a key
    // without a range).
    float GetFloat(std::string_view key, std::string_view section = {});
    // Any non-zero integer is true.
    bool GetBool(std::string_view key, std::string_view section = {});

  private:
    friend class Singleton<SettingsManager>;
    SettingsManager() = default;

    template <typename T> using KeyMap = std::map<std::string, T, std::less<>>;

    struct SectionCache {
        KeyMap<bool> bools;
        KeyMap<float> floats;
        KeyMap<std::int32_t> ints;
    };

    template <typename T>
    T Lookup(KeyMap<T>& values, std::string_view key, std::string_view section,
             T (*convert)(std::string_view, const std::string&));
    SectionCache& CacheFor(std::string_view section);
    std::string ValueToken(std::string_view key, std::string_view section) const;

    std::vector<Settings> files;
    std::map<std::string, SectionCache, std::less<>> cache;
};
