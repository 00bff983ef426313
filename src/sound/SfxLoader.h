#pragma once

#include "sound/PcmDescription.h"

#include <string>

// Decodes a whole sound file of one kind; chosen by the file name's extension.
class SfxLoader {
  public:
    virtual ~SfxLoader() = default;
    virtual bool canLoad(const std::string& fileName) const = 0;
    virtual bool load(const std::string& fileName, PcmDescription& out) = 0;
};
