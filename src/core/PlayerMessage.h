#pragma once

#include <string>

// The texts a player reads when the game cannot start. Each is built here alone, in plain
// English, so that a translation wraps it in one place.
class PlayerMessage {
  public:
    static std::string NoDisplay();
    static std::string LogNotWritable(const std::string& file);
    static std::string DataMissing(const std::string& folder);
};
