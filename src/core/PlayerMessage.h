#pragma once

#include <string>

// The texts a player reads when the game cannot start or go on, in the player's language (UTF-8,
// for stderr and the message box). Each is built here alone; the English source texts are the
// catalogue's keys (po/quagleaper.pot).
class PlayerMessage {
  public:
    static std::string NoDisplay();
    static std::string LogNotWritable(const std::string& file);
    static std::string DataMissing(const std::string& folder);
    // A fatal error after the start, `reason` being its log line.
    static std::string Stopped(const std::string& reason);
    static std::string ReplayRefused(const std::string& reason);
};
