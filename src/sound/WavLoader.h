#pragma once

#include "sound/SfxLoader.h"

// RIFF WAVE files with PCM samples.
class WavLoader final : public SfxLoader {
  public:
    bool canLoad(const std::string& fileName) const override;
    bool load(const std::string& fileName, PcmDescription& out) override;
};

// Registered as "WavLoader"; the sound engine refers to it so that this file stays linked.
extern const bool kWavLoaderRegistered;
