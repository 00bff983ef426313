#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

// The string helpers every subsystem shares. Case changes go byte by byte through the C
// library, as the game's file names and setting keys are plain ASCII.
namespace StringUtil {

std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

// Removes every occurrence of any character in `characters`.
std::string RemoveChars(std::string_view text, std::string_view characters);

// Latin-1 bytes of UTF-8 text, as the game's fonts index their glyphs by byte; a character
// outside Latin-1 and a broken sequence become '?'.
std::string Utf8ToLatin1(std::string_view utf8);

// printf-style formatting into a string of any length.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);

} // namespace StringUtil
