#pragma once

#include <string>

// The text of credits.txt: the team by role and the free libraries and fonts the game is made
// with, and their licences. Latin-1, as the game's fonts index glyphs by byte.
namespace CreditsText {

std::string Latin1();
// Latin-1 bytes of UTF-8 text whose characters all lie in Latin-1.
std::string ToLatin1(const std::string& utf8);

} // namespace CreditsText
