#pragma once

#include "gfx/SpriteInfo.h"

#include <string>
#include <vector>

// The sprite definitions of the still pictures this generator draws, as the game registers
// them: the type decides how a picture's edges are written (alpha map or hard colour key).
namespace PictureCatalogue {

const std::vector<SpriteInfo>& StillPictures();
// The definition of `label` (either spelling); nullptr when the label is not a still picture.
const SpriteInfo* Find(const std::string& label);

} // namespace PictureCatalogue
