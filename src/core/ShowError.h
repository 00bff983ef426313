#pragma once

#include <string>

// A modal "ERROR" box over the main window; returns once the player has closed it. The text
// also goes to the log, which is all a headless run has of it.
void ShowError(const std::string& text);
