#include "sound/Foley.h"

#include "sound/NoiseGenerator.h"
#include "sound/Synth.h"

#include <algorithm>
#include <cmath>

namespace Foley {

namespace {

// Partials of a bent steel panel, inharmonic on purpose.
constexpr float kMetalRatios[] = {1.0f, 1.47f, 2.09f, 2.56f, 3.39f, 4.17f};
constexpr float kGlassRatios[] = {1.0f, 2.32f, 4.25f};

} // namespace

Track Splash(int rate, float seconds, uint32_t seed) {
    Track body = Synth::Noise(rate, {.seconds = seconds,
                                     .envelope = {.attack = 0.006f,
                                                  .decay = seconds * 0.22f,
                                                  .sustain = 0.0f,
                                                  .release = 0.05f},
                                     .filter = Biquad::Kind::BandPass,
                                     .fromHz = 2600.0f,
                                     .toHz = 500.0f,
                                     .q = 0.9f,
                                     .seed = seed});
    const Track spray = Synth::Noise(
        rate,
        {.seconds = seconds * 0.6f,
         .envelope = {.attack = 0.01f, .decay = seconds * 0.12f, .sustain = 0.0f, .release = 0.05f},
         .filter = Biquad::Kind::HighPass,
         .fromHz = 4000.0f,
         .seed = seed + 1});
    const Track plunge = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 260.0f,
               .toHz = 90.0f,
               .seconds = 0.18f,
               .envelope = {.attack = 0.004f, .decay = 0.06f, .sustain = 0.0f, .release = 0.03f}});
    return body.scale(2.5f).mix(spray, 0.0f, 0.5f).mix(plunge, 0.0f, 0.6f);
}

Track Bubbles(int rate, float seconds, int count, uint32_t seed, float lowHz, float highHz) {
    Track out(rate, seconds);
    NoiseGenerator chance(seed);
    for (int i = 0; i < count; ++i) {
        const float at = chance.between(0.0f, seconds - 0.08f);
        const float hz = chance.between(lowHz, highHz);
        const float length = chance.between(0.03f, 0.07f);
        const Track bubble = Synth::Tone(
            rate,
            {.wave = Waveform::Sine,
             .fromHz = hz,
             .toHz = hz * 1.9f,
             .seconds = length,
             .envelope = {
                 .attack = 0.002f, .decay = length * 0.35f, .sustain = 0.0f, .release = 0.01f}});
        out.mix(bubble, at, chance.between(0.3f, 0.8f));
    }
    return out;
}

Track Crunch(int rate, float seconds, uint32_t seed, float pitch) {
    Track grit = Synth::Noise(
        rate,
        {.seconds = seconds,
         .envelope = {.attack = 0.002f, .decay = seconds * 0.2f, .sustain = 0.0f, .release = 0.05f},
         .filter = Biquad::Kind::BandPass,
         .fromHz = 2400.0f * pitch,
         .toHz = 900.0f * pitch,
         .q = 0.7f,
         .seed = seed,
         .holdHz = 5000.0f * pitch});
    const Track clang = Synth::Strike(rate, {.baseHz = 380.0f * pitch,
                                             .ratios = kMetalRatios,
                                             .partials = 6,
                                             .seconds = seconds,
                                             .decay = seconds * 0.35f});
    const Track crackle = Crackle(rate, seconds * 0.7f, 60.0f, seed + 3);
    return grit.scale(2.0f)
        .mix(clang, 0.0f, 0.45f)
        .mix(crackle, 0.05f, 0.5f)
        .mix(Thud(rate, 90.0f * pitch, 0.3f), 0.0f, 1.0f);
}

Track Thud(int rate, float hertz, float seconds) {
    return Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = hertz * 1.8f,
               .toHz = hertz * 0.6f,
               .seconds = seconds,
               .envelope = {
                   .attack = 0.002f, .decay = seconds * 0.3f, .sustain = 0.0f, .release = 0.03f}});
}

Track Shatter(int rate, float seconds, uint32_t seed) {
    Track out = Synth::Noise(
        rate, {.seconds = 0.25f,
               .envelope = {.attack = 0.001f, .decay = 0.04f, .sustain = 0.0f, .release = 0.03f},
               .filter = Biquad::Kind::HighPass,
               .fromHz = 2500.0f,
               .seed = seed});
    out.scale(1.5f);
    NoiseGenerator chance(seed + 1);
    for (int i = 0; i < 70; ++i) {
        // Most shards fall early, a few tinkle on.
        const float spread = chance.between(0.0f, 1.0f);
        const float at = spread * spread * (seconds - 0.2f);
        const Track shard = Synth::Strike(rate, {.baseHz = chance.between(2200.0f, 5200.0f),
                                                 .ratios = kGlassRatios,
                                                 .partials = 3,
                                                 .seconds = 0.15f,
                                                 .decay = chance.between(0.015f, 0.05f)});
        out.mix(shard, at, chance.between(0.1f, 0.45f) * (1.0f - 0.6f * spread));
    }
    return out;
}

Track Horn(int rate, float hertz, float seconds) {
    const Envelope press{.attack = 0.01f, .decay = 0.5f, .sustain = 0.85f, .release = 0.04f};
    Track low = Synth::Tone(rate, {.wave = Waveform::Saw,
                                   .fromHz = hertz,
                                   .seconds = seconds,
                                   .envelope = press,
                                   .lowPassHz = 1800.0f});
    const Track high = Synth::Tone(rate, {.wave = Waveform::Saw,
                                          .fromHz = hertz * 1.26f,
                                          .seconds = seconds,
                                          .envelope = press,
                                          .lowPassHz = 1800.0f});
    low.mix(high, 0.0f, 0.8f);
    return Synth::Filtered(low, Biquad::Kind::BandPass, hertz * 3.0f, 0.8f).scale(2.0f);
}

Track Crackle(int rate, float seconds, float perSecond, uint32_t seed) {
    Track out(rate, seconds);
    NoiseGenerator chance(seed);
    const int count = std::max(1, static_cast<int>(perSecond * seconds));
    for (int i = 0; i < count; ++i) {
        const float at = chance.between(0.0f, std::max(0.0f, seconds - 0.02f));
        const Track tick = Synth::Noise(
            rate,
            {.seconds = 0.012f,
             .envelope = {.attack = 0.0003f, .decay = 0.002f, .sustain = 0.0f, .release = 0.003f},
             .filter = Biquad::Kind::HighPass,
             .fromHz = chance.between(1500.0f, 5000.0f),
             .seed = seed + 10 + static_cast<uint32_t>(i)});
        out.mix(tick, at, chance.between(0.3f, 1.0f));
    }
    return out;
}

} // namespace Foley
