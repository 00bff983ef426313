#include "sound/Track.h"

#include "core/Rounding.h"

#include <algorithm>

Track::Track(int sampleRate, float seconds)
    : sampleRate(sampleRate), samples(static_cast<std::size_t>(std::max(
                                          0, RoundToInt(seconds * static_cast<float>(sampleRate)))),
                                      0.0f) {}

Track Track::OfFrames(int sampleRate, std::size_t frames) {
    Track out(sampleRate, 0.0f);
    out.samples.resize(frames, 0.0f);
    return out;
}

std::size_t Track::indexAt(float atSeconds) const {
    return static_cast<std::size_t>(
        std::max(0, RoundToInt(atSeconds * static_cast<float>(sampleRate))));
}

Track& Track::mix(const Track& other, float atSeconds, float gain) {
    const std::size_t start = indexAt(atSeconds);
    if (samples.size() < start + other.size())
        samples.resize(start + other.size(), 0.0f);
    for (std::size_t i = 0; i < other.size(); ++i)
        samples[start + i] += gain * other[i];
    return *this;
}

Track& Track::scale(float gain) {
    for (float& sample : samples)
        sample *= gain;
    return *this;
}

Track& Track::extend(float seconds) {
    samples.resize(samples.size() + indexAt(seconds), 0.0f);
    return *this;
}
