#pragma once

#include <string>
#include <vector>

class ContactSheet;

// Everything that moves in the frog's world besides the frog: vehicles, river objects, insects.
namespace RoadRiverPictures {

// Every label drawn here, shadows included.
std::vector<std::string> Labels();
// Writes every strip and shadow into `outDir`; `sheet` (may be null) gets each frame.
bool WriteAll(const std::string& outDir, ContactSheet* sheet);
// The settings these pictures decide: sizes, offsets, the truck's seats, every interval.
std::string ConfigText();

} // namespace RoadRiverPictures
