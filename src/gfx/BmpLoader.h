#pragma once

#include "core/Singleton.h"
#include "gfx/Image.h"

#include <memory>
#include <string>

// Reads uncompressed BMP pictures of 1, 8 and 24 bits into images of the same depth. The pixels
// are taken to follow the palette directly, whatever the file header says. A picture the game
// cannot read ends the process with exit code 1, as the game cannot go on without its art.
class BmpLoader {
public:
    // nullptr only when the memory for the picture cannot be had.
    std::unique_ptr<Image> Load(const std::string& path);

private:
    friend class Singleton<BmpLoader>;
    BmpLoader() = default;
};
