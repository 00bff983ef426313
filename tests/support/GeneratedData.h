#pragma once

#include "support/ScratchFolder.h"

#include <string>

// The data the build generated, as one test's game finds it: the packed container linked into
// the scratch folder's data/, its directory read, config.txt loaded from it and the still
// pictures registered with the sprite manager.
class GeneratedData {
  public:
    // Call after the folder exists and before anything touches the FileLoader.
    explicit GeneratedData(const ScratchFolder& folder);

    // The loose folder quagleaper-assetgen wrote at build time.
    static std::string LooseFolder();
    static std::string ReadLoose(const std::string& fileName);
};
