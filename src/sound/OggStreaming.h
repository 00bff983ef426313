#pragma once

#include "sound/SfxStreaming.h"

#include <memory>
#include <vector>

struct OggVorbis_File;

// Ogg Vorbis music, decoded a piece at a time from the compressed file held in memory; at the
// end it starts over.
class OggStreaming final : public SfxStreaming {
  public:
    OggStreaming();
    ~OggStreaming() override;
    OggStreaming(const OggStreaming&) = delete;
    OggStreaming& operator=(const OggStreaming&) = delete;

    bool canStream(const std::string& fileName) const override;
    bool open(const std::string& fileName, PcmDescription& format) override;
    bool close() override;
    int read(void* buffer, int bytes) override;

  private:
    bool openDecoder();
    void closeDecoder();

    std::vector<uint8_t> compressed;
    std::unique_ptr<OggVorbis_File> decoder;
    bool decoderOpen = false;
};

// Registered as "OggStreaming"; the sound engine refers to it so that this file stays linked.
extern const bool kOggStreamingRegistered;
