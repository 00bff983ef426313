#pragma once

#include <vector>

// A small room: parallel damped combs into series all-passes (the classic Schroeder-Moorer
// layout). `spread` offsets the delay lengths so that a second instance sounds like the other
// ear.
class Reverb {
  public:
    Reverb(int sampleRate, float roomSize, float damping, int spread = 0);

    // The wet signal only.
    float process(float x);

  private:
    struct Comb {
        std::vector<float> line;
        std::size_t position = 0;
        float filtered = 0.0f;
    };
    struct AllPass {
        std::vector<float> line;
        std::size_t position = 0;
    };

    std::vector<Comb> combs;
    std::vector<AllPass> allPasses;
    float feedback;
    float damping;
};
