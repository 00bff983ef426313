#include "sound/Reverb.h"

#include <algorithm>

namespace {

// Mutually prime lengths at 44100 Hz, so that the echoes do not pile up into a tone.
constexpr int kCombLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllPassLengths[] = {556, 441, 341, 225};

std::size_t Scaled(int length, int sampleRate, int spread) {
    return static_cast<std::size_t>(std::max(1, (length + spread) * sampleRate / 44100));
}

} // namespace

Reverb::Reverb(int sampleRate, float roomSize, float damping, int spread)
    : feedback(0.7f + 0.28f * std::clamp(roomSize, 0.0f, 1.0f)),
      damping(std::clamp(damping, 0.0f, 1.0f)) {
    for (const int length : kCombLengths)
        combs.push_back({std::vector<float>(Scaled(length, sampleRate, spread), 0.0f)});
    for (const int length : kAllPassLengths)
        allPasses.push_back({std::vector<float>(Scaled(length, sampleRate, spread), 0.0f)});
}

float Reverb::process(float x) {
    const float input = x * 0.015f;
    float out = 0.0f;
    for (Comb& comb : combs) {
        const float delayed = comb.line[comb.position];
        comb.filtered = delayed * (1.0f - damping) + comb.filtered * damping;
        comb.line[comb.position] = input + comb.filtered * feedback;
        if (++comb.position == comb.line.size())
            comb.position = 0;
        out += delayed;
    }
    for (AllPass& pass : allPasses) {
        const float delayed = pass.line[pass.position];
        pass.line[pass.position] = out + delayed * 0.5f;
        if (++pass.position == pass.line.size())
            pass.position = 0;
        out = delayed - out;
    }
    return out * 4.0f;
}
