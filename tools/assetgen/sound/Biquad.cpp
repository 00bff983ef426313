#include "sound/Biquad.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Biquad::Biquad(Kind kind, int sampleRate, float cutoffHz, float q)
    : kind(kind), rate(sampleRate), q(q) {
    setCutoff(cutoffHz);
}

void Biquad::setCutoff(float cutoffHz) {
    // Just below Nyquist the formulas turn unstable.
    const float hz = std::clamp(cutoffHz, 10.0f, 0.45f * static_cast<float>(rate));
    const double w = 2.0 * std::numbers::pi * hz / rate;
    const double cosw = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    double n0 = 1, n1 = 0, n2 = 0;
    const double d0 = 1 + alpha, d1 = -2 * cosw, d2 = 1 - alpha;
    switch (kind) {
    case Kind::LowPass:
        n0 = (1 - cosw) / 2;
        n1 = 1 - cosw;
        n2 = n0;
        break;
    case Kind::HighPass:
        n0 = (1 + cosw) / 2;
        n1 = -(1 + cosw);
        n2 = n0;
        break;
    case Kind::BandPass:
        n0 = alpha;
        n1 = 0;
        n2 = -alpha;
        break;
    }
    b0 = static_cast<float>(n0 / d0);
    b1 = static_cast<float>(n1 / d0);
    b2 = static_cast<float>(n2 / d0);
    a1 = static_cast<float>(d1 / d0);
    a2 = static_cast<float>(d2 / d0);
}
