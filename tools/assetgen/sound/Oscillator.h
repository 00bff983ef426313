#pragma once

#include "sound/Waveform.h"

// A phase accumulator. Saw and pulse shapes are band-limited (polyBLEP), so high notes do not
// alias into whistles at 22050 Hz.
class Oscillator {
  public:
    Oscillator(Waveform shape, int sampleRate)
        : shape(shape), rate(static_cast<float>(sampleRate)) {}

    // The next sample at `hertz`, in [-1, 1].
    float next(float hertz);

  private:
    Waveform shape;
    float rate;
    float phase = 0.0f;
};
