#pragma once

#include "core/Singleton.h"

#include <memory>
#include <string>

class Image;

// The game's pictures as the data files hold them, wherever the file loader finds those.
class PictureLoader {
  public:
    // The picture `name` (relative to data\, without extension): name.bmp, else name.jpg with
    // the optional 1-bit name_Mask.bmp. With `toScreenFormat` it comes in the screen's format,
    // the mask burnt in as black. None found is fatal: a log line and a quit request.
    std::unique_ptr<Image> Load(const std::string& name, bool toScreenFormat) const;
    // The optional alpha map of sprite `name` (nameAlpha.bmp or .jpg) as 8-bit grey, masked
    // pixels at 0; nullptr when there is none.
    std::unique_ptr<Image> LoadAlpha(const std::string& name) const;

  private:
    friend class Singleton<PictureLoader>;
    PictureLoader() = default;
};
