#pragma once

#include "core/ExitCode.h"

#include <string>

// Asks the main loop to end with `code` once the current message is handled.
void PostQuit(ExitCode code);

// The one way an error ends the game: the log line, then the quit request with the fatal code.
// printf-style, like Log.
void QuitFatally(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The log line of the first fatal error, without its line end; empty while there was none.
const std::string& FirstFatalError();
