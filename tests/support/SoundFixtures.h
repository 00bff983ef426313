#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sound files made in the test: WAV byte by byte, so that broken ones can be made too, and Ogg
// Vorbis through libvorbisenc.
namespace SoundFixtures {

std::string Le16(int value);
std::string Le32(uint32_t value);

// A chunk: its id, its length field and its bytes.
std::string Chunk(const std::string& id, const std::string& bytes);
// The 16 format bytes of a PCM fmt chunk.
std::string FormatFields(int channels, int rate, int bits);
// "RIFF", the length, "WAVE", then `chunks` as they are.
std::string Riff(const std::string& chunks);
// A plain PCM WAV file.
std::string Wav(int channels, int rate, int bits, const std::string& samples);

// Interleaved 16-bit samples of a sine tone, the same on every channel.
std::string Tone16(int frames, int channels, int rate, double hertz, int amplitude);
// Interleaved 16-bit samples, as bytes.
std::string Samples16(const std::vector<int16_t>& samples);

// An Ogg Vorbis file of a sine tone, `frames` frames long.
std::string OggTone(int frames, int channels, int rate, double hertz, float amplitude);

} // namespace SoundFixtures
