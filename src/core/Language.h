#pragma once

#include <optional>
#include <string>
#include <string_view>

// The languages the game speaks. German is the game's first language: its texts and pictures
// are the data as it always was; every other language adds its own catalogue and pictures.
enum class Language { German, English };

// The language the environment asks for: the first non-empty of LANGUAGE (a colon list, whose
// first entry counts), LC_ALL, LC_MESSAGES and LANG; German for a value starting "de", English
// for any other and when none is set.
Language LanguageFromEnvironment();

// The two-letter code a settings file or a harness script names a language by ("de", "en").
const char* LanguageCode(Language language);
std::optional<Language> LanguageFromCode(std::string_view code);

// The base name of a worded file in `language`: German keeps `base`, the name the data has
// always used; another language adds "_" and its code ("help" becomes "help_en").
std::string LanguageVariant(const std::string& base, Language language);
