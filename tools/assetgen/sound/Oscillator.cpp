#include "sound/Oscillator.h"

#include <cmath>
#include <numbers>

namespace {

// Smooths the step of a discontinuity that falls within one sample of `t`.
float PolyBlep(float t, float dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

float Pulse(float phase, float dt, float duty) {
    float value = phase < duty ? 1.0f : -1.0f;
    value += PolyBlep(phase, dt);
    float shifted = phase + (1.0f - duty);
    shifted -= std::floor(shifted);
    value -= PolyBlep(shifted, dt);
    return value;
}

} // namespace

float Oscillator::next(float hertz) {
    const float dt = std::fabs(hertz) / rate;
    float value = 0.0f;
    switch (shape) {
    case Waveform::Sine:
        value = std::sin(2.0f * std::numbers::pi_v<float> * phase);
        break;
    case Waveform::Triangle:
        value = phase < 0.5f ? 4.0f * phase - 1.0f : 3.0f - 4.0f * phase;
        break;
    case Waveform::Saw:
        value = 2.0f * phase - 1.0f - PolyBlep(phase, dt);
        break;
    case Waveform::Square:
        value = Pulse(phase, dt, 0.5f);
        break;
    case Waveform::Pulse25:
        value = Pulse(phase, dt, 0.25f);
        break;
    }
    phase += dt;
    phase -= std::floor(phase);
    return value;
}
