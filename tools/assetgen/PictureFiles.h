#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The file formats the game reads its pictures from: uncompressed BMP (24-bit colour, 1-bit
// masks) and baseline JPEG. Pixels are 0x00RRGGBB, row after row from the top.
namespace PictureFiles {

bool WriteBmp24(const std::string& path, int width, int height,
                const std::vector<std::uint32_t>& pixels);
// A set bit marks a transparent pixel, as the game's mask reader expects.
bool WriteBmpMask(const std::string& path, int width, int height,
                  const std::vector<bool>& transparent);
bool WriteJpeg(const std::string& path, int width, int height,
               const std::vector<std::uint32_t>& pixels, int quality);

} // namespace PictureFiles
