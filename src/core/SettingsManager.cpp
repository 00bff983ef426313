#include "core/SettingsManager.h"

#include "core/Log.h"
#include "core/SettingLimits.h"
#include "core/Tokenizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr const char* kDelimiters = " \t";

// Reads like %d; strtoll rather than sscanf, which leaves overflow undefined.
std::int32_t ParseInt(const std::string& token) {
    const long long value = std::strtoll(token.c_str(), nullptr, 10);
    constexpr long long lowest = std::numeric_limits<std::int32_t>::min();
    constexpr long long highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lowest, highest));
}

// A value the file states is held inside its key's range; NaN and the infinities lie outside
// every range. A missing key keeps its zero: its absence is logged already. Every key of the
// shipped config.txt has a range, which a test makes sure of.
double Limit(std::string_view key, const std::string& token, double value) {
    const std::optional<SettingLimits::Range> range = SettingLimits::Of(key);
    if (token.empty() || !range || (value >= range->low && value <= range->high))
        return value;
    const std::string keyText(key);
    const double kept = value > range->high ? range->high : range->low;
    Log("SettingsManager: %s %s is outside [%g, %g], using %g\n", keyText.c_str(), token.c_str(),
        range->low, range->high, kept);
    return kept;
}

std::int32_t ToInt(std::string_view key, const std::string& token) {
    return static_cast<std::int32_t>(Limit(key, token, ParseInt(token)));
}

// Game code turns floats into sizes and pixel positions, where infinity or NaN would be
// undefined, so only finite values leave here, even for a key the table does not know.
float ToFloat(std::string_view key, const std::string& token) {
    const double value = Limit(key, token, std::strtof(token.c_str(), nullptr));
    if (std::isnan(value))
        return 0.0f;
    constexpr double highest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -highest, highest));
}

bool ToBool(std::string_view, const std::string& token) {
    return ParseInt(token) != 0;
}

} // namespace

bool SettingsManager::LoadSettings(const std::string& fileName) {
    Settings settings;
    if (!settings.Load(fileName)) {
        Log("SettingsManager::LoadSettings: could not load settings <%s>\n", fileName.c_str());
        return false;
    }
    files.push_back(std::move(settings));
    return true;
}

std::optional<std::string> SettingsManager::FindSetting(std::string_view key,
                                                        std::string_view section) const {
    for (const Settings& settings : files)
        if (auto line = settings.FindLine(key, section))
            return line;
    const std::string keyText(key);
    const std::string sectionText = section.empty() ? "(null)" : std::string(section);
    Log("SettingsManager: Could not find setting <%s> in section <%s>\n", keyText.c_str(),
        sectionText.c_str());
    return std::nullopt;
}

std::int32_t SettingsManager::GetInt(std::string_view key, std::string_view section) {
    return Lookup(CacheFor(section).ints, key, section, &ToInt);
}

float SettingsManager::GetFloat(std::string_view key, std::string_view section) {
    return Lookup(CacheFor(section).floats, key, section, &ToFloat);
}

bool SettingsManager::GetBool(std::string_view key, std::string_view section) {
    return Lookup(CacheFor(section).bools, key, section, &ToBool);
}

template <typename T>
T SettingsManager::Lookup(KeyMap<T>& values, std::string_view key, std::string_view section,
                          T (*convert)(std::string_view, const std::string&)) {
    if (const auto hit = values.find(key); hit != values.end())
        return hit->second;
    const T value = convert(key, ValueToken(key, section));
    values.emplace(key, value);
    return value;
}

SettingsManager::SectionCache& SettingsManager::CacheFor(std::string_view section) {
    if (const auto hit = cache.find(section); hit != cache.end())
        return hit->second;
    return cache.emplace(section, SectionCache{}).first->second;
}

// Empty when the key is missing or its line has no value; that converts to zero.
std::string SettingsManager::ValueToken(std::string_view key, std::string_view section) const {
    const std::optional<std::string> line = FindSetting(key, section);
    if (!line)
        return {};
    Tokenizer tokens(*line, kDelimiters);
    tokens.NextToken();
    return tokens.NextToken();
}
