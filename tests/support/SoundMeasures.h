#pragma once

#include "sound/PcmDescription.h"

#include <cstdint>
#include <vector>

// What a listener would measure on a decoded sound, in floating point full scale ±1.
namespace SoundMeasures {

// 16-bit samples of every channel, interleaved as decoded.
std::vector<float> Samples16(const uint8_t* bytes, std::size_t count);
std::vector<float> Samples16(const PcmDescription& pcm);

float PeakDb(const std::vector<float>& samples);
float RmsDb(const std::vector<float>& samples);
// RMS of the loudest 300 ms of a mono sound (of all of it when shorter).
float LoudnessDb(const std::vector<float>& mono, int sampleRate);
// The step between neighbouring samples that `share` of all steps stay under.
float StepPercentile(const std::vector<float>& mono, float share);
// The frequency with the strongest component in 2048 samples from `start`.
float DominantHz(const std::vector<float>& mono, int sampleRate, std::size_t start);
// The share of the sound's energy that lies below `hertz`.
float ShareBelow(const std::vector<float>& mono, int sampleRate, float hertz);

} // namespace SoundMeasures
