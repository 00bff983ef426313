#pragma once

#include "platform/headless/HeadlessWindow.h"

#include <string>
#include <vector>

// Small readings the tests take of the game's output.

// How often `needle` stands in `text`, overlaps included.
inline int CountOf(const std::string& text, const std::string& needle) {
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

// Takes every message waiting in the window's queue and returns the exit codes of the quit
// requests among them, in order.
inline std::vector<int> TakeQuitCodes(platform::HeadlessWindow& window) {
    std::vector<int> codes;
    platform::Message message;
    while (window.peekMessage(message))
        if (message.type == platform::Message::Type::Quit)
            codes.push_back(message.value);
    return codes;
}
