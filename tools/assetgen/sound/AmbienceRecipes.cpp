#include "sound/AmbienceRecipes.h"

#include "sound/Foley.h"
#include "sound/LoopMixer.h"
#include "sound/NoiseGenerator.h"
#include "sound/Oscillator.h"
#include "sound/Synth.h"

#include <cmath>
#include <numbers>

namespace AmbienceRecipes {

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
// How much longer than the loop a bed is rendered, to fade its end into its start.
constexpr float kBedOverlapSeconds = 2.0f;

std::size_t FramesOf(int rate, int seconds) {
    return static_cast<std::size_t>(rate) * static_cast<std::size_t>(seconds);
}

Track Bed(int rate, float seconds, Biquad::Kind filter, float hertz, float q, uint32_t seed) {
    return Synth::Noise(
        rate, {.seconds = seconds + kBedOverlapSeconds,
               .envelope = {.attack = 0.0f, .decay = 0.0f, .sustain = 1.0f, .release = 0.0f},
               .filter = filter,
               .fromHz = hertz,
               .q = q,
               .seed = seed});
}

// One vehicle going by: engine and tyres swell and fade while the pitch drops (Doppler).
Track PassBy(int rate, float engineHz, float seconds, uint32_t seed, float darkness) {
    const Envelope swell{
        .attack = seconds * 0.5f, .decay = 0.0f, .sustain = 1.0f, .release = seconds * 0.5f};
    Track engine = Synth::Tone(rate, {.wave = Waveform::Saw,
                                      .fromHz = engineHz * 1.07f,
                                      .toHz = engineHz * 0.93f,
                                      .seconds = seconds,
                                      .envelope = swell,
                                      .lowPassHz = 500.0f * darkness});
    const Track tyres = Synth::Noise(rate, {.seconds = seconds,
                                            .envelope = swell,
                                            .filter = Biquad::Kind::BandPass,
                                            .fromHz = 1100.0f * darkness,
                                            .toHz = 800.0f * darkness,
                                            .q = 0.6f,
                                            .seed = seed});
    return engine.scale(0.5f).mix(tyres, 0.0f, 1.6f);
}

void Traffic(LoopMixer& mix, uint32_t seed, float darkness) {
    NoiseGenerator chance(seed);
    for (int car = 0; car < 9; ++car) {
        const float at =
            static_cast<float>(car) * mix.seconds() / 9.0f + chance.between(0.0f, 0.8f);
        const bool truck = car % 4 == 3;
        const float length = chance.between(2.5f, 4.0f);
        const float toRight = car % 2 == 0 ? 1.0f : -1.0f;
        const Track pass =
            PassBy(mix.rate(), truck ? chance.between(40.0f, 50.0f) : chance.between(70.0f, 110.0f),
                   length, seed + 100 + static_cast<uint32_t>(car), darkness);
        mix.addMoving(pass, at, chance.between(0.5f, 1.0f), -0.8f * toRight, 0.8f * toRight);
    }
}

// A buzzing insect: a wing buzz whose pitch and loudness wander as it circles, for the whole
// loop and a bed's overlap.
Track Buzz(int rate, float seconds, float hertz, float wander, uint32_t seed) {
    Track out(rate, seconds + kBedOverlapSeconds);
    Oscillator wings(Waveform::Saw, rate);
    NoiseGenerator chance(seed);
    const float pitchRate = chance.between(0.2f, 0.5f);
    const float loudRate = chance.between(0.1f, 0.3f);
    const float phase = chance.between(0.0f, kTwoPi);
    Biquad body(Biquad::Kind::BandPass, rate, hertz * 4.0f, 1.2f);
    const float step = 1.0f / static_cast<float>(rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float time = static_cast<float>(i) * step;
        const float hz = hertz * (1.0f + wander * std::sin(kTwoPi * pitchRate * time + phase) +
                                  0.02f * std::sin(kTwoPi * 7.0f * time));
        const float near = 0.55f + 0.45f * std::sin(kTwoPi * loudRate * time + 2.0f * phase);
        out[i] = body.process(wings.next(hz)) * near * near;
    }
    return out;
}

} // namespace

SoundClip River(int rate) {
    constexpr int kSeconds = 12;
    LoopMixer mix(rate, FramesOf(rate, kSeconds));
    mix.addBed(Bed(rate, kSeconds, Biquad::Kind::LowPass, 450.0f, 0.7071f, 301), 0.6f, -0.2f);
    mix.addBed(Bed(rate, kSeconds, Biquad::Kind::LowPass, 450.0f, 0.7071f, 302), 0.6f, 0.2f);
    mix.addBed(Bed(rate, kSeconds, Biquad::Kind::BandPass, 1400.0f, 0.8f, 303), 0.25f);
    const float pans[] = {-0.6f, 0.0f, 0.6f};
    for (uint32_t group = 0; group < 3; ++group)
        mix.add(Foley::Bubbles(rate, kSeconds, 90, 310 + group, 350.0f, 1400.0f), 0.0f, 0.4f,
                pans[group]);
    NoiseGenerator chance(320);
    for (int wave = 0; wave < 8; ++wave) {
        const Track lap = Synth::Noise(
            rate, {.seconds = 1.2f,
                   .envelope = {.attack = 0.4f, .decay = 0.3f, .sustain = 0.2f, .release = 0.5f},
                   .filter = Biquad::Kind::BandPass,
                   .fromHz = 700.0f,
                   .toHz = 350.0f,
                   .q = 0.8f,
                   .seed = 330 + static_cast<uint32_t>(wave)});
        mix.add(lap, static_cast<float>(wave) * 1.5f + chance.between(0.0f, 0.4f), 0.5f,
                chance.between(-0.7f, 0.7f));
    }
    mix.addRoom(0.3f, 0.6f, 0.15f);
    return mix.clip(true);
}

SoundClip Road(int rate) {
    constexpr int kSeconds = 16;
    LoopMixer mix(rate, FramesOf(rate, kSeconds));
    mix.addBed(Bed(rate, kSeconds, Biquad::Kind::LowPass, 160.0f, 0.7071f, 401), 1.6f);
    mix.addBed(Bed(rate, kSeconds, Biquad::Kind::BandPass, 900.0f, 0.7f, 402), 0.12f);
    Traffic(mix, 410, 1.0f);
    mix.add(Foley::Horn(rate, 340.0f, 0.3f), 9.3f, 0.08f, 0.6f);
    mix.addRoom(0.4f, 0.5f, 0.12f);
    return mix.clip(true);
}

SoundClip RoadUnderground(int rate) {
    constexpr int kSeconds = 16;
    LoopMixer mix(rate, FramesOf(rate, kSeconds));
    mix.addBed(Bed(rate, kSeconds, Biquad::Kind::LowPass, 120.0f, 0.7071f, 501), 1.8f);
    const Track hum = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 55.0f,
               .seconds = kSeconds + kBedOverlapSeconds,
               .envelope = {.attack = 0.0f, .decay = 0.0f, .sustain = 1.0f, .release = 0.0f}});
    mix.addBed(hum, 0.05f);
    Traffic(mix, 510, 0.45f);
    mix.addRoom(0.95f, 0.3f, 0.55f);
    return mix.clip(true);
}

SoundClip Insects(int rate) {
    constexpr int kSeconds = 10;
    LoopMixer mix(rate, FramesOf(rate, kSeconds));
    mix.addBed(Buzz(rate, kSeconds, 170.0f, 0.08f, 601), 0.5f, -0.5f);
    mix.addBed(Buzz(rate, kSeconds, 215.0f, 0.1f, 602), 0.4f, 0.4f);
    mix.addBed(Buzz(rate, kSeconds, 250.0f, 0.06f, 603), 0.3f, 0.0f);
    mix.addBed(Buzz(rate, kSeconds, 620.0f, 0.04f, 604), 0.08f, 0.7f);
    return mix.clip(true);
}

} // namespace AmbienceRecipes
