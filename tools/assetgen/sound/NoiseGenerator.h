#pragma once

#include <cstdint>

// White noise from a fixed seed, so that every run synthesises the same bytes. A xorshift
// generator: the C library's rand differs between platforms.
class NoiseGenerator {
  public:
    explicit NoiseGenerator(uint32_t seed) : state(seed == 0 ? 0x9E3779B9u : seed) {}

    // Uniform in [-1, 1).
    float next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state >> 8) * (2.0f / 16777216.0f) - 1.0f;
    }

    // Uniform in [low, high).
    float between(float low, float high) { return low + (next() + 1.0f) * 0.5f * (high - low); }

  private:
    uint32_t state;
};
