#pragma once

#include <string>

// The texts a player reads when the game cannot start, in the player's language (UTF-8, for
// stderr and the message box). Each is built here alone; the English source texts are the
// catalogue's keys (po/quagleaper.pot).
class PlayerMessage {
  public:
    static std::string NoDisplay();
    static std::string LogNotWritable(const std::string& file);
    static std::string DataMissing(const std::string& folder);
};
