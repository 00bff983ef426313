#pragma once

// The game's diagnostic log, debug.txt in the working folder. Every message opens, appends to
// and closes the file, so that the log survives a crash; each is copied to stderr, which plays
// the part of the debugger output.

// Empties debug.txt; false when it cannot be created.
bool ResetLog();

// printf-style; a message longer than 2047 bytes is cut there.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
