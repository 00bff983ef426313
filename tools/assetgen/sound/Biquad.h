#pragma once

// A second-order filter after the well-known audio-cookbook formulas. Coefficients can be changed
// while running, which is how sweeps are made.
class Biquad {
  public:
    enum class Kind { LowPass, HighPass, BandPass };

    Biquad(Kind kind, int sampleRate, float cutoffHz, float q = 0.7071f);

    void setCutoff(float cutoffHz);
    float process(float x) {
        const float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

  private:
    Kind kind;
    int rate;
    float q;
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};
