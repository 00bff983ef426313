#pragma once

#include <cstddef>
#include <vector>

// One channel of sound being built by a recipe: a sample buffer that knows its rate and grows
// when something is mixed in past its end.
class Track {
  public:
    Track(int sampleRate, float seconds);
    static Track OfFrames(int sampleRate, std::size_t frames);

    int rate() const { return sampleRate; }
    std::size_t size() const { return samples.size(); }
    float seconds() const {
        return static_cast<float>(samples.size()) / static_cast<float>(sampleRate);
    }
    float& operator[](std::size_t index) { return samples[index]; }
    float operator[](std::size_t index) const { return samples[index]; }
    const std::vector<float>& data() const { return samples; }

    // Adds `other` times `gain`, starting `atSeconds` in.
    Track& mix(const Track& other, float atSeconds, float gain = 1.0f);
    Track& scale(float gain);
    // Silence added at the end, for tails of echoes and rooms.
    Track& extend(float seconds);
    std::size_t indexAt(float atSeconds) const;

  private:
    int sampleRate;
    std::vector<float> samples;
};
