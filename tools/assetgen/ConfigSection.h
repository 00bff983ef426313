#pragma once

#include <string>

// The settings that the pictures fix, appended to the hand-written config.txt: the world's
// geometry, the area types, the decorations' places, the goal and start cells and the
// showdown stage.
namespace ConfigSection {

std::string Text();

} // namespace ConfigSection
