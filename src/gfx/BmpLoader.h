#pragma once

#include "core/Singleton.h"
#include "gfx/Image.h"

#include <memory>
#include <string>

// Reads uncompressed BMP pictures of 1, 8 and 24 bits into images of the same depth. Every size
// the headers give is checked against the file before anything is allocated or read.
class BmpLoader {
  public:
    // A picture the game cannot read ends the process with exit code 1, as the game cannot go on
    // without its art. nullptr only when the memory for the picture cannot be had.
    std::unique_ptr<Image> Load(const std::string& path);
    // The same reading for callers that go on without the picture: nullptr, with the log line
    // that Load writes before it ends the process.
    std::unique_ptr<Image> Decode(const std::string& path);

  private:
    friend class Singleton<BmpLoader>;
    BmpLoader() = default;

    // nullptr with `unreadable` set when the file is at fault, left clear when the memory is.
    std::unique_ptr<Image> Read(const std::string& path, bool& unreadable);
};
