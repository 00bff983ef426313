#pragma once

#include <string>

// Every sound of the game, synthesised: the effects as 16-bit WAV, the music and the ambiences
// as Ogg Vorbis, each named by its normalised label. The output is the same byte for byte on
// every run.
class SoundLibrary {
  public:
    // Writes all 39 files into `outDir`, which must exist. False (with a log line) when a file
    // cannot be written.
    static bool WriteAll(const std::string& outDir);
};
