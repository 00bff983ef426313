#include "sound/EffectRecipes.h"
#include "sound/Foley.h"
#include "sound/Synth.h"

namespace EffectRecipes {

namespace {

constexpr float kWoodRatios[] = {1.0f, 2.31f, 3.89f, 5.1f};

} // namespace

Track Dive(int rate) {
    Track bloop = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 320.0f,
               .toHz = 75.0f,
               .seconds = 0.45f,
               .envelope = {.attack = 0.01f, .decay = 0.2f, .sustain = 0.3f, .release = 0.08f}});
    bloop.mix(Foley::Splash(rate, 0.5f, 201), 0.05f, 0.5f);
    return bloop.mix(Foley::Bubbles(rate, 0.8f, 10, 202, 200.0f, 600.0f), 0.25f, 0.6f);
}

Track HippoAngry(int rate) {
    Track growl = Synth::Fm(
        rate, {.fromHz = 78.0f,
               .toHz = 62.0f,
               .ratio = 0.5f,
               .fromIndex = 2.0f,
               .toIndex = 3.5f,
               .seconds = 0.9f,
               .envelope = {.attack = 0.12f, .decay = 0.5f, .sustain = 0.7f, .release = 0.15f}});
    growl = Synth::Tremolo(Synth::Filtered(growl, Biquad::Kind::LowPass, 800.0f), 9.0f, 0.5f);
    const Track rumble = Synth::Tone(
        rate, {.wave = Waveform::Saw,
               .fromHz = 70.0f,
               .toHz = 60.0f,
               .seconds = 0.9f,
               .envelope = {.attack = 0.12f, .decay = 0.5f, .sustain = 0.7f, .release = 0.15f},
               .lowPassHz = 500.0f});
    const Track snort = Synth::Noise(
        rate, {.seconds = 0.25f,
               .envelope = {.attack = 0.02f, .decay = 0.08f, .sustain = 0.2f, .release = 0.05f},
               .filter = Biquad::Kind::BandPass,
               .fromHz = 600.0f,
               .toHz = 350.0f,
               .q = 1.5f,
               .seed = 211});
    return growl.mix(rumble, 0.0f, 0.6f).mix(snort, 0.85f, 0.9f);
}

Track FrogKillBoxDrown(int rate) {
    const Track creak = Synth::Tremolo(
        Synth::Filtered(
            Synth::Tone(
                rate,
                {.wave = Waveform::Saw,
                 .fromHz = 95.0f,
                 .toHz = 70.0f,
                 .seconds = 0.5f,
                 .envelope = {.attack = 0.05f, .decay = 0.3f, .sustain = 0.5f, .release = 0.08f}}),
            Biquad::Kind::BandPass, 1100.0f, 2.5f),
        23.0f, 0.8f);
    Track out(rate, 0.0f);
    out.mix(creak, 0.0f, 2.0f).mix(Foley::Splash(rate, 0.6f, 221), 0.4f);
    out.mix(Foley::Bubbles(rate, 1.1f, 18, 222, 180.0f, 650.0f), 0.6f, 0.7f);
    return out;
}

Track FrogKillBoxHammer(int rate) {
    Track swing = Synth::Noise(
        rate, {.seconds = 0.28f,
               .envelope = {.attack = 0.15f, .decay = 0.1f, .sustain = 0.3f, .release = 0.05f},
               .filter = Biquad::Kind::BandPass,
               .fromHz = 300.0f,
               .toHz = 1600.0f,
               .q = 2.0f,
               .seed = 231});
    const Track bonk = Synth::Strike(
        rate,
        {.baseHz = 330.0f, .ratios = kWoodRatios, .partials = 4, .seconds = 0.5f, .decay = 0.12f});
    swing.scale(1.5f);
    swing.mix(bonk, 0.28f, 1.0f).mix(Foley::Thud(rate, 85.0f, 0.25f), 0.28f, 1.2f);
    const Track wobble = Synth::Tone(
        rate, {.wave = Waveform::Triangle,
               .fromHz = 600.0f,
               .toHz = 520.0f,
               .seconds = 0.5f,
               .envelope = {.attack = 0.01f, .decay = 0.3f, .sustain = 0.0f, .release = 0.08f},
               .vibratoHz = 8.0f,
               .vibratoSemitones = 1.0f});
    return swing.mix(wobble, 0.4f, 0.25f);
}

Track FrogKillBoxBomb(int rate) {
    const Track fuse = Synth::Noise(
        rate, {.seconds = 0.45f,
               .envelope = {.attack = 0.02f, .decay = 1.0f, .sustain = 1.0f, .release = 0.02f},
               .filter = Biquad::Kind::HighPass,
               .fromHz = 4000.0f,
               .seed = 241,
               .holdHz = 8000.0f});
    const Track blast = Synth::Noise(
        rate, {.seconds = 1.5f,
               .envelope = {.attack = 0.003f, .decay = 0.35f, .sustain = 0.0f, .release = 0.2f},
               .fromHz = 3000.0f,
               .toHz = 150.0f,
               .seed = 242});
    const Track boom = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 90.0f,
               .toHz = 32.0f,
               .seconds = 1.2f,
               .envelope = {.attack = 0.004f, .decay = 0.4f, .sustain = 0.0f, .release = 0.2f}});
    Track out(rate, 0.0f);
    out.mix(fuse, 0.0f, 0.25f).mix(Foley::Crackle(rate, 0.4f, 40.0f, 243), 0.0f, 0.3f);
    out.mix(Synth::Saturated(Track(blast).scale(3.0f), 1.5f), 0.45f).mix(boom, 0.45f, 1.2f);
    out.mix(Foley::Crackle(rate, 1.0f, 30.0f, 244), 0.6f, 0.4f);
    return Synth::WithRoom(out, 0.6f, 0.5f, 0.2f, 0.4f);
}

Track FrogKillBoxRedButton(int rate) {
    const Track click = Synth::Strike(rate, {.baseHz = 1800.0f,
                                             .ratios = kWoodRatios,
                                             .partials = 3,
                                             .seconds = 0.05f,
                                             .decay = 0.012f});
    Track out(rate, 0.0f);
    out.mix(click, 0.0f);
    for (int beep = 0; beep < 4; ++beep) {
        const Track alarm = Synth::Tone(
            rate,
            {.wave = Waveform::Square,
             .fromHz = beep % 2 == 0 ? 880.0f : 660.0f,
             .seconds = 0.11f,
             .envelope = {.attack = 0.004f, .decay = 0.1f, .sustain = 0.8f, .release = 0.015f},
             .lowPassHz = 3000.0f});
        out.mix(alarm, 0.1f + 0.13f * static_cast<float>(beep), 0.5f);
    }
    const Track spring = Synth::Fm(
        rate, {.fromHz = 180.0f,
               .toHz = 260.0f,
               .ratio = 0.09f,
               .fromIndex = 8.0f,
               .toIndex = 0.5f,
               .seconds = 0.6f,
               .envelope = {.attack = 0.003f, .decay = 0.25f, .sustain = 0.0f, .release = 0.1f}});
    return out.mix(spring, 0.65f, 0.9f).mix(Foley::Thud(rate, 120.0f, 0.15f), 0.65f, 0.8f);
}

Track FrogKillPiranha(int rate) {
    const Track snap = Foley::Thud(rate, 140.0f, 0.07f)
                           .mix(Synth::Noise(rate, {.seconds = 0.04f,
                                                    .envelope = {.attack = 0.0005f,
                                                                 .decay = 0.008f,
                                                                 .sustain = 0.0f,
                                                                 .release = 0.01f},
                                                    .filter = Biquad::Kind::BandPass,
                                                    .fromHz = 2800.0f,
                                                    .q = 1.2f,
                                                    .seed = 251,
                                                    .holdHz = 6000.0f}),
                                0.0f, 1.5f);
    Track out(rate, 0.0f);
    out.mix(snap, 0.0f).mix(snap, 0.15f, 0.9f).mix(snap, 0.27f, 0.7f);
    return out.mix(Foley::Splash(rate, 0.35f, 252), 0.32f, 0.45f);
}

} // namespace EffectRecipes
