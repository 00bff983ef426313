#pragma once

#include "sound/SfxLoader.h"

// Ogg Vorbis files, decoded whole to 16-bit samples.
class OggLoader final : public SfxLoader {
  public:
    bool canLoad(const std::string& fileName) const override;
    bool load(const std::string& fileName, PcmDescription& out) override;
};

// Registered as "OggLoader"; the sound engine refers to it so that this file stays linked.
extern const bool kOggLoaderRegistered;
