#include "sound/Mastering.h"

#include "sound/Biquad.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>
#include <vector>

namespace Mastering {

namespace {

constexpr float kLoudnessWindowSeconds = 0.3f;
constexpr float kLimiterWindowSeconds = 0.0015f;
constexpr float kSilenceDb = -120.0f;

float ToDb(float amplitude) {
    return amplitude > 0.0f ? 20.0f * std::log10(amplitude) : kSilenceDb;
}

float FromDb(float db) {
    return std::pow(10.0f, db / 20.0f);
}

void ForEachChannel(SoundClip& clip, auto&& action) {
    action(clip.left);
    if (!clip.right.empty())
        action(clip.right);
}

void RunFilter(std::vector<float>& samples, Biquad filter, bool loop) {
    if (loop)
        for (const float sample : samples)
            filter.process(sample);
    for (float& sample : samples)
        sample = filter.process(sample);
}

void Scale(SoundClip& clip, float gain) {
    ForEachChannel(clip, [gain](std::vector<float>& samples) {
        for (float& sample : samples)
            sample *= gain;
    });
}

// The gain each frame needs to stay under `ceiling`, spread so that it changes smoothly: the
// minimum over a window, then its average over the same window, which never exceeds the need
// of any frame the window covers.
std::vector<float> LimiterGain(const SoundClip& clip, float ceiling) {
    const std::size_t frames = clip.frames();
    std::vector<float> need(frames, 1.0f);
    for (std::size_t i = 0; i < frames; ++i) {
        float peak = std::fabs(clip.left[i]);
        if (!clip.right.empty())
            peak = std::max(peak, std::fabs(clip.right[i]));
        if (peak > ceiling)
            need[i] = ceiling / peak;
    }
    const auto window =
        static_cast<std::size_t>(kLimiterWindowSeconds * static_cast<float>(clip.sampleRate));
    // Sliding minimum over [i - window, i + window]: candidates kept in rising order of need.
    std::vector<float> least(frames, 1.0f);
    std::deque<std::size_t> candidates;
    for (std::size_t ahead = 0; ahead < frames + window; ++ahead) {
        if (ahead < frames) {
            while (!candidates.empty() && need[candidates.back()] >= need[ahead])
                candidates.pop_back();
            candidates.push_back(ahead);
        }
        if (ahead < window)
            continue;
        const std::size_t i = ahead - window;
        while (candidates.front() + window < i)
            candidates.pop_front();
        least[i] = need[candidates.front()];
    }
    // Running average of the minimum over the same window.
    std::vector<double> prefix(frames + 1, 0.0);
    for (std::size_t i = 0; i < frames; ++i)
        prefix[i + 1] = prefix[i] + least[i];
    std::vector<float> gain(frames, 1.0f);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::size_t from = i > window ? i - window : 0;
        const std::size_t to = std::min(frames, i + window + 1);
        gain[i] = static_cast<float>((prefix[to] - prefix[from]) / static_cast<double>(to - from));
    }
    return gain;
}

} // namespace

float LoudnessDb(const SoundClip& clip) {
    const std::size_t frames = clip.frames();
    if (frames == 0)
        return kSilenceDb;
    const std::size_t window =
        std::min(frames, static_cast<std::size_t>(kLoudnessWindowSeconds *
                                                  static_cast<float>(clip.sampleRate)));
    double sum = 0.0;
    double loudest = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double sample = clip.monoAt(i);
        sum += sample * sample;
        if (i >= window) {
            const double leaving = clip.monoAt(i - window);
            sum -= leaving * leaving;
        }
        if (i + 1 >= window)
            loudest = std::max(loudest, sum);
    }
    return ToDb(
        static_cast<float>(std::sqrt(std::max(loudest, 0.0) / static_cast<double>(window))));
}

float PeakDb(const SoundClip& clip) {
    float peak = 0.0f;
    for (std::size_t i = 0; i < clip.frames(); ++i) {
        peak = std::max(peak, std::fabs(clip.left[i]));
        if (!clip.right.empty())
            peak = std::max(peak, std::fabs(clip.right[i]));
    }
    return ToDb(peak);
}

void RemoveDc(SoundClip& clip, bool loop) {
    ForEachChannel(clip, [&](std::vector<float>& samples) {
        RunFilter(samples, Biquad(Biquad::Kind::HighPass, clip.sampleRate, 25.0f), loop);
    });
}

void BandLimit(SoundClip& clip, float hertz, bool loop) {
    // Two stages make a steep fourth-order slope.
    ForEachChannel(clip, [&](std::vector<float>& samples) {
        RunFilter(samples, Biquad(Biquad::Kind::LowPass, clip.sampleRate, hertz, 0.54f), loop);
        RunFilter(samples, Biquad(Biquad::Kind::LowPass, clip.sampleRate, hertz, 1.31f), loop);
    });
}

void NormaliseEffect(SoundClip& clip, float loudnessDb, float ceilingDb) {
    // Limiting takes some loudness away with the peaks, so gain and limiter take a few turns.
    constexpr int kPasses = 3;
    for (int pass = 0; pass < kPasses; ++pass) {
        Scale(clip, FromDb(loudnessDb - LoudnessDb(clip)));
        // The limiter aims a little under the ceiling; the final scale below keeps the promise.
        const std::vector<float> gain = LimiterGain(clip, FromDb(ceilingDb - 0.2f));
        for (std::size_t i = 0; i < clip.frames(); ++i) {
            clip.left[i] *= gain[i];
            if (!clip.right.empty())
                clip.right[i] *= gain[i];
        }
    }
    const float over = PeakDb(clip) - (ceilingDb - 0.1f);
    if (over > 0.0f)
        Scale(clip, FromDb(-over));
}

void NormaliseLoop(SoundClip& clip, float rmsDb, float ceilingDb) {
    double sum = 0.0;
    for (std::size_t i = 0; i < clip.frames(); ++i)
        sum += static_cast<double>(clip.monoAt(i)) * clip.monoAt(i);
    const float rms = ToDb(static_cast<float>(
        std::sqrt(sum / static_cast<double>(std::max<std::size_t>(clip.frames(), 1)))));
    const float gainDb = std::min(rmsDb - rms, (ceilingDb - 0.1f) - PeakDb(clip));
    Scale(clip, FromDb(gainDb));
}

void FadeEnds(SoundClip& clip, float inSeconds, float outSeconds) {
    const std::size_t frames = clip.frames();
    const auto fadeIn =
        std::min(frames, static_cast<std::size_t>(inSeconds * static_cast<float>(clip.sampleRate)));
    const auto fadeOut = std::min(
        frames, static_cast<std::size_t>(outSeconds * static_cast<float>(clip.sampleRate)));
    const auto ramp = [](std::size_t step, std::size_t steps) {
        return 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * static_cast<float>(step) /
                                      static_cast<float>(steps));
    };
    ForEachChannel(clip, [&](std::vector<float>& samples) {
        for (std::size_t i = 0; i < fadeIn; ++i)
            samples[i] *= ramp(i, fadeIn);
        for (std::size_t i = 0; i < fadeOut; ++i)
            samples[frames - 1 - i] *= ramp(i, fadeOut);
    });
}

} // namespace Mastering
