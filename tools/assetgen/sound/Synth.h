#pragma once

#include "sound/Biquad.h"
#include "sound/Envelope.h"
#include "sound/Track.h"
#include "sound/Waveform.h"

#include <cstdint>

// The building blocks of every recipe. Pitches glide exponentially from `fromHz` to `toHz`
// (0 keeps the pitch), filter sweeps likewise, as the ear hears pitch.
namespace Synth {

struct ToneSettings {
    Waveform wave = Waveform::Sine;
    float fromHz = 440.0f;
    float toHz = 0.0f;
    float seconds = 0.2f;
    Envelope envelope;
    float vibratoHz = 0.0f;
    float vibratoSemitones = 0.0f;
    // Low-pass on the tone, 0 for none; a warmer square or saw.
    float lowPassHz = 0.0f;
};
Track Tone(int rate, const ToneSettings& settings);

struct NoiseSettings {
    float seconds = 0.2f;
    Envelope envelope;
    Biquad::Kind filter = Biquad::Kind::LowPass;
    float fromHz = 8000.0f;
    float toHz = 0.0f;
    float q = 0.7071f;
    uint32_t seed = 1;
    // Sample-and-hold rate for crackle and grit, 0 for plain white noise.
    float holdHz = 0.0f;
};
Track Noise(int rate, const NoiseSettings& settings);

// Two-operator FM: bells at non-integer ratios, brass and growls at integer ones. The index
// glides from `fromIndex` to `toIndex`, which makes the tone brighter or duller over time.
struct FmSettings {
    float fromHz = 440.0f;
    float toHz = 0.0f;
    float ratio = 1.0f;
    float fromIndex = 1.0f;
    float toIndex = 1.0f;
    float seconds = 0.3f;
    Envelope envelope;
};
Track Fm(int rate, const FmSettings& settings);

// Inharmonic partials that ring and fade: struck metal, glass, wood.
struct StrikeSettings {
    float baseHz = 400.0f;
    const float* ratios = nullptr;
    int partials = 0;
    float seconds = 0.5f;
    float decay = 0.2f;
};
Track Strike(int rate, const StrikeSettings& settings);

Track Filtered(const Track& in, Biquad::Kind kind, float hz, float q = 0.7071f);
// Adds a room of `seconds` tail behind the sound; `wet` is the room's share.
Track WithRoom(const Track& in, float roomSize, float damping, float wet, float tailSeconds);
Track WithEcho(const Track& in, float delaySeconds, float feedback, int repeats);
// Soft saturation for grit; `drive` 1 is gentle.
Track Saturated(const Track& in, float drive);
// Amplitude times (1 - depth + depth * |sin|) at `hertz`: flutter, wings, tremolo.
Track Tremolo(const Track& in, float hertz, float depth);

float NoteHz(int midiNote);

} // namespace Synth
