#pragma once

#include <cstdarg>

// The game's diagnostic log, debug.txt in the working folder. Every message opens, appends to
// and closes the file, so that the log survives a crash; each is copied to stderr, which plays
// the part of the debugger output.

inline constexpr const char* kLogFileName = "debug.txt";

// Empties debug.txt; false when it cannot be created.
bool ResetLog();

// printf-style; a message longer than 2047 bytes is cut there.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same for callers that take a format and arguments of their own.
void LogArgs(const char* format, va_list args) __attribute__((format(printf, 1, 0)));
