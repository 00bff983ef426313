#pragma once

#include "sound/SoundClip.h"

// The last steps before a sound is written: levels, band limits and clean ends. Measures are
// taken on the mono mix, as the game mixes every sound down to one channel.
namespace Mastering {

// RMS of the loudest 300 ms (or of the whole sound when shorter), in dBFS: how loud a short
// effect sounds, whatever silence or tail follows it.
float LoudnessDb(const SoundClip& clip);
float PeakDb(const SoundClip& clip);

// Every filter below runs over a loop twice and keeps the second pass, so that the filter's state
// at the start is the one it had at the end and the join stays seamless.
void RemoveDc(SoundClip& clip, bool loop);
// A 44100 Hz file is halved by the game by dropping every second frame; what lies above the new
// Nyquist frequency would fold back as hiss and whistles.
void BandLimit(SoundClip& clip, float hertz, bool loop);

// Gain to `loudnessDb`, then peaks held under `ceilingDb` by a look-ahead limiter.
void NormaliseEffect(SoundClip& clip, float loudnessDb, float ceilingDb);
// Gain to `rmsDb` over the whole loop, lowered further if a peak would pass `ceilingDb`.
void NormaliseLoop(SoundClip& clip, float rmsDb, float ceilingDb);

// Raised-cosine ramps at both ends, so that a one-shot neither starts nor stops with a step.
void FadeEnds(SoundClip& clip, float inSeconds, float outSeconds);

} // namespace Mastering
