#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The working folder of a fuzz target: a fresh temporary folder with data/ inside, entered once
// per process, so that the game's relative paths and its log land there and nowhere else.
class FuzzFolder {
  public:
    FuzzFolder();

    // Writes the input as the file `path` and starts the log afresh, so that it never grows.
    void Write(const std::string& path, const std::uint8_t* data, std::size_t size) const;
};
