#pragma once

#include <cstddef>
#include <vector>

// Finished sound in floating point, full scale ±1, before it is written to a file. Mono when
// `right` is empty.
struct SoundClip {
    int sampleRate = 22050;
    std::vector<float> left;
    std::vector<float> right;

    int channels() const { return right.empty() ? 1 : 2; }
    std::size_t frames() const { return left.size(); }
    // What the game hears: it mixes every sound down to one channel.
    float monoAt(std::size_t frame) const {
        return right.empty() ? left[frame] : 0.5f * (left[frame] + right[frame]);
    }
};
