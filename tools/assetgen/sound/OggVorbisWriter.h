#pragma once

#include "sound/SoundClip.h"

#include <string>

// Ogg Vorbis through libvorbisenc. The stream serial is fixed, so the same clip always gives
// the same bytes.
class OggVorbisWriter {
  public:
    // `quality` as libvorbisenc's VBR scale, -0.1 to 1. Empty, with a log line, when the
    // encoder refuses the quality or the format.
    static std::string Encode(const SoundClip& clip, float quality);
};
