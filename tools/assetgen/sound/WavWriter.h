#pragma once

#include "sound/SoundClip.h"

#include <string>

// 16-bit PCM RIFF WAVE, the plainest file the game's WAV loader reads.
class WavWriter {
  public:
    static std::string Encode(const SoundClip& clip);
};
