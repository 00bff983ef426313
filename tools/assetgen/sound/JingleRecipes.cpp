#include "sound/EffectRecipes.h"
#include "sound/Instruments.h"
#include "sound/LoopMixer.h"
#include "sound/Synth.h"

#include <vector>

namespace EffectRecipes {

namespace {

using Instruments::Note;

constexpr float kWoodRatios[] = {1.0f, 2.76f, 5.4f};

// Triads for the off-beat stabs, root first; MIDI numbers.
std::vector<int> Triad(int root, bool minor) {
    return {root, root + (minor ? 3 : 4), root + 7};
}

} // namespace

Track LevelFinished(int rate) {
    Track out = Instruments::Play(
        rate, 600.0f, {{0, 1, 72}, {1, 1, 76}, {2, 1, 79}, {3, 1, 84}, {4, 1, 79}, {5, 6, 84}},
        Instruments::Chip);
    out.scale(0.6f);
    out.mix(Instruments::Play(rate, 600.0f, {{5, 6, 88}, {5, 6, 91}}, Instruments::Bell), 0.0f,
            0.35f);
    out.mix(Instruments::Play(rate, 600.0f, {{0, 4, 48}, {5, 6, 48}}, Instruments::Bass), 0.0f,
            0.5f);
    return Synth::WithRoom(out, 0.4f, 0.4f, 0.2f, 0.4f);
}

Track LevelFinishedFullLevel(int rate) {
    constexpr float kBpm = 160.0f;
    Track out = Instruments::Play(rate, kBpm,
                                  {{0, 0.5f, 67},
                                   {0.5f, 0.5f, 72},
                                   {1, 0.5f, 76},
                                   {1.5f, 1, 79},
                                   {2.5f, 0.5f, 76},
                                   {3, 0.5f, 79},
                                   {3.5f, 0.5f, 81},
                                   {4, 0.5f, 83},
                                   {4.5f, 3, 84}},
                                  Instruments::Brass);
    out.scale(0.7f);
    out.mix(Instruments::Play(rate, kBpm, {{4.5f, 3, 76}, {4.5f, 3, 79}}, Instruments::Chip), 0.0f,
            0.2f);
    out.mix(Instruments::Play(
                rate, kBpm,
                {{0, 1.5f, 48}, {1.5f, 1, 43}, {2.5f, 1, 45}, {3.5f, 1, 43}, {4.5f, 3, 36}},
                Instruments::Bass),
            0.0f, 0.55f);
    const float beat = 60.0f / kBpm;
    for (const float at : {0.0f, 1.5f, 4.5f})
        out.mix(Instruments::Kick(rate), at * beat, 0.6f);
    for (int roll = 0; roll < 4; ++roll)
        out.mix(Instruments::Snare(rate, 300 + static_cast<uint32_t>(roll)),
                (3.5f + 0.25f * static_cast<float>(roll)) * beat,
                0.2f + 0.08f * static_cast<float>(roll));
    out.mix(Instruments::HiHat(rate, 310, true), 4.5f * beat, 0.35f);
    return Synth::WithRoom(out, 0.55f, 0.4f, 0.22f, 0.6f);
}

Track BonusLife(int rate) {
    Track out = Instruments::Play(
        rate, 900.0f, {{0, 1, 76}, {1, 1, 79}, {2, 1, 84}, {3, 1, 88}, {4, 1, 91}, {5, 5, 96}},
        Instruments::Chip);
    out.scale(0.6f).mix(Instruments::Bell(rate, 96, 0.8f), 5.0f / 15.0f, 0.4f);
    return Synth::WithEcho(out, 0.12f, 0.3f, 2);
}

Track LoseLife(int rate) {
    Track out = Instruments::Play(rate, 400.0f, {{0, 1, 79}, {1, 1, 74}, {2, 1, 71}, {3, 3, 67}},
                                  Instruments::Chip);
    out.scale(0.5f);
    const Track sink = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 880.0f,
               .toHz = 200.0f,
               .seconds = 1.1f,
               .envelope = {.attack = 0.02f, .decay = 0.6f, .sustain = 0.4f, .release = 0.2f},
               .vibratoHz = 7.0f,
               .vibratoSemitones = 0.6f});
    return out.mix(sink, 0.1f, 0.5f);
}

Track GameOver(int rate) {
    constexpr float kBpm = 120.0f;
    Track out = Instruments::Play(rate, kBpm, {{0, 1, 67}, {1, 1, 66}, {2, 1, 65}, {3, 4, 64}},
                                  Instruments::Brass);
    const Track low = Instruments::Play(
        rate, kBpm, {{0, 1, 55}, {1, 1, 54}, {2, 1, 53}, {3, 4, 52}}, Instruments::Brass);
    out.mix(low, 0.0f, 0.6f);
    // The last note wobbles as a sad trombone does.
    const Track wobble = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = Synth::NoteHz(40),
               .seconds = 1.8f,
               .envelope = {.attack = 0.1f, .decay = 1.0f, .sustain = 0.5f, .release = 0.3f},
               .vibratoHz = 5.0f,
               .vibratoSemitones = 0.4f});
    out.mix(wobble, 1.5f, 0.5f);
    return Synth::WithRoom(out, 0.5f, 0.5f, 0.2f, 0.5f);
}

Track CountDown(int rate) {
    Track tick = Synth::Strike(rate, {.baseHz = 1250.0f,
                                      .ratios = kWoodRatios,
                                      .partials = 3,
                                      .seconds = 0.12f,
                                      .decay = 0.03f});
    const Track beep = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 1760.0f,
               .seconds = 0.06f,
               .envelope = {.attack = 0.002f, .decay = 0.03f, .sustain = 0.0f, .release = 0.015f}});
    return tick.mix(beep, 0.0f, 0.3f);
}

Track MenuButtonClick(int rate) {
    Track blip = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 1900.0f,
               .toHz = 1300.0f,
               .seconds = 0.05f,
               .envelope = {.attack = 0.001f, .decay = 0.015f, .sustain = 0.0f, .release = 0.01f}});
    const Track tick = Synth::Noise(
        rate, {.seconds = 0.015f,
               .envelope = {.attack = 0.0005f, .decay = 0.003f, .sustain = 0.0f, .release = 0.005f},
               .filter = Biquad::Kind::HighPass,
               .fromHz = 3000.0f,
               .seed = 401});
    return blip.mix(tick, 0.0f, 0.4f);
}

SoundClip Highscore(int rate) {
    constexpr float kBpm = 140.0f;
    constexpr int kBars = 8;
    const float beat = 60.0f / kBpm;
    LoopMixer mix(rate,
                  static_cast<std::size_t>(rate) * 60 * 4 * kBars / static_cast<std::size_t>(kBpm));
    const Track melody = Instruments::Play(
        rate, kBpm,
        {{0, 0.5f, 67}, {0.5f, 0.5f, 72}, {1, 1, 76},        {2, 0.5f, 76},  {2.5f, 0.5f, 74},
         {3, 1, 76},    {4, 1.5f, 77},    {5.5f, 0.5f, 76},  {6, 1, 74},     {7, 1, 72},
         {8, 0.5f, 71}, {8.5f, 0.5f, 72}, {9, 1, 74},        {10, 1, 79},    {11, 1, 74},
         {12, 3, 76},   {15, 0.5f, 72},   {15.5f, 0.5f, 74}, {16, 1.5f, 76}, {17.5f, 0.5f, 72},
         {18, 1, 69},   {19, 1, 72},      {20, 1, 77},       {21, 1, 81},    {22, 1, 79},
         {23, 1, 77},   {24, 1, 76},      {25, 1, 74},       {26, 1, 79},    {27, 1, 83},
         {28, 3, 84},   {31, 1, 79}},
        Instruments::Brass);
    mix.add(melody, 0.0f, 0.5f, 0.1f);
    const int roots[kBars] = {48, 41, 43, 48, 45, 41, 43, 48};
    const bool minor[kBars] = {false, false, false, false, true, false, false, false};
    for (int bar = 0; bar < kBars; ++bar) {
        const float start = static_cast<float>(bar * 4);
        mix.add(Instruments::Play(rate, kBpm,
                                  {{start, 1, roots[bar]},
                                   {start + 1, 1, roots[bar] + 7},
                                   {start + 2, 1, roots[bar]},
                                   {start + 3, 1, roots[bar] + 7}},
                                  Instruments::Bass),
                0.0f, 0.4f);
        for (int offbeat = 0; offbeat < 4; ++offbeat)
            for (const int tone : Triad(roots[bar] + 12, minor[bar]))
                mix.add(Instruments::Stab(rate, tone + 12, beat * 0.3f),
                        (start + static_cast<float>(offbeat) + 0.5f) * beat, 0.1f, -0.3f);
        for (int step = 0; step < 4; ++step) {
            const float at = (start + static_cast<float>(step)) * beat;
            if (step % 2 == 0)
                mix.add(Instruments::Kick(rate), at, 0.45f);
            else
                mix.add(Instruments::Snare(rate, 500 + static_cast<uint32_t>(bar * 4 + step)), at,
                        0.3f);
            mix.add(
                Instruments::HiHat(rate, 600 + static_cast<uint32_t>(bar * 8 + step * 2), false),
                at, 0.15f, 0.4f);
            mix.add(
                Instruments::HiHat(rate, 601 + static_cast<uint32_t>(bar * 8 + step * 2), false),
                at + 0.5f * beat, 0.1f, 0.4f);
        }
    }
    mix.addRoom(0.55f, 0.4f, 0.25f);
    return mix.clip(true);
}

} // namespace EffectRecipes
