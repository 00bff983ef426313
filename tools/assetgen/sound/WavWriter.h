#pragma once

#include <string>

#include "sound/SoundClip.h"

// 16-bit PCM RIFF WAVE, the plainest file the game's WAV loader reads.
class WavWriter {
public:
    static std::string Encode(const SoundClip& clip);
};
