#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes pictures as 8-bit RGB PNG files, for screenshots.
class PngWriter {
  public:
    // `pixels` holds width × height words 0x00RRGGBB, row after row from the top. False, with a
    // log line, when the file cannot be written.
    static bool Write(const std::string& path, int width, int height,
                      const std::vector<uint32_t>& pixels);
};
