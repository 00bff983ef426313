#pragma once

#include "core/Language.h"

#include <string>

// The text of credits.txt: the team by role and the free libraries and fonts the game is made
// with, and their licences. Latin-1, as the game's fonts index glyphs by byte.
namespace CreditsText {

// The credits in `language`: credits.txt for German, LanguageVariant's name for the others.
std::string Latin1(Language language);

} // namespace CreditsText
