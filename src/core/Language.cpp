#include "core/Language.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

} // namespace

Language LanguageFromEnvironment() {
    for (const char* name : kLocaleVariables) {
        const char* value = std::getenv(name);
        if (!value || *value == '\0')
            continue;
        // LANGUAGE lists fallbacks after colons; the first is the one the player wants.
        const std::string_view first = std::string_view(value).substr(0, std::strcspn(value, ":"));
        return first.starts_with("de") ? Language::German : Language::English;
    }
    return Language::English;
}

const char* LanguageCode(Language language) {
    return language == Language::German ? "de" : "en";
}

std::optional<Language> LanguageFromCode(std::string_view code) {
    for (const Language language : {Language::German, Language::English})
        if (code == LanguageCode(language))
            return language;
    return std::nullopt;
}

std::string LanguageVariant(const std::string& base, Language language) {
    return language == Language::German ? base : base + "_" + LanguageCode(language);
}
