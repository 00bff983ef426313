#pragma once

#include "core/Singleton.h"
#include "gfx/Image.h"

#include <memory>
#include <string>

// Reads JPEG pictures through libjpeg into 24-bit images (blue, green, red).
class JpegLoader {
  public:
    // nullptr, with a log line, when the file is missing or cannot be decoded.
    std::unique_ptr<Image> Load(const std::string& path);

  private:
    friend class Singleton<JpegLoader>;
    JpegLoader() = default;
};
