#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the sound loaders share about their files.
namespace SoundFile {

// Only the last three characters count, in any case: "a.Wav" is a WAV file, "a.wave" is not.
bool HasExtension(const std::string& fileName, std::string_view upperCaseExtension);

// The whole file through the data layer (container or data folder); false when it is missing or
// empty. `outOfMemoryLine` is logged when it does not fit in memory.
bool ReadWhole(const std::string& fileName, std::vector<uint8_t>& bytes,
               const char* outOfMemoryLine);

} // namespace SoundFile
