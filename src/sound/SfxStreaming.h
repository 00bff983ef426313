#pragma once

#include "sound/PcmDescription.h"

#include <string>

// Decodes a sound file piece by piece, for music that is never held whole. After `open`, only
// the refill thread reads from it, until it is closed or deleted.
class SfxStreaming {
  public:
    virtual ~SfxStreaming() = default;
    virtual bool canStream(const std::string& fileName) const = 0;
    // Fills rate, bits and channels of `format`.
    virtual bool open(const std::string& fileName, PcmDescription& format) = 0;
    virtual bool close() = 0;
    // Up to `bytes` bytes of whole frames; 0 when nothing came, also at the end of the piece,
    // after which the piece starts over.
    virtual int read(void* buffer, int bytes) = 0;
};
