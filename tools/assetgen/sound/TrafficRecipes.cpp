#include "sound/EffectRecipes.h"
#include "sound/Foley.h"
#include "sound/Instruments.h"
#include "sound/Synth.h"

namespace EffectRecipes {

Track RagtopOpenCrash(int rate) {
    Track out = Foley::Crunch(rate, 0.7f, 101, 1.1f);
    const Track honk = Foley::Horn(rate, 330.0f, 0.16f);
    return out.mix(honk, 0.3f, 0.5f).mix(honk, 0.52f, 0.5f);
}

Track RagtopClosedCrash(int rate) {
    Track out = Foley::Crunch(rate, 0.8f, 111, 0.9f);
    out.mix(Foley::Thud(rate, 75.0f, 0.3f), 0.0f, 0.8f);
    return out.mix(Foley::Horn(rate, 300.0f, 0.45f), 0.32f, 0.45f);
}

Track SmallCarCrash(int rate) {
    Track out = Foley::Crunch(rate, 0.55f, 121, 1.5f);
    const Track meep = Foley::Horn(rate, 520.0f, 0.1f);
    return out.mix(meep, 0.28f, 0.45f).mix(meep, 0.42f, 0.45f);
}

Track TruckCrash(int rate) {
    Track out = Foley::Crunch(rate, 1.1f, 131, 0.55f);
    out.mix(Foley::Thud(rate, 55.0f, 0.5f), 0.0f, 1.2f);
    const Track airHorn =
        Synth::Filtered(Foley::Horn(rate, 140.0f, 0.7f), Biquad::Kind::LowPass, 1400.0f);
    return out.mix(airHorn, 0.35f, 0.6f);
}

Track TruckBreak(int rate) {
    Track squeal = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 2500.0f,
               .toHz = 2150.0f,
               .seconds = 0.75f,
               .envelope = {.attack = 0.04f, .decay = 0.5f, .sustain = 0.6f, .release = 0.1f},
               .vibratoHz = 17.0f,
               .vibratoSemitones = 0.35f});
    const Track scrape = Synth::Noise(
        rate, {.seconds = 0.75f,
               .envelope = {.attack = 0.03f, .decay = 0.4f, .sustain = 0.4f, .release = 0.1f},
               .filter = Biquad::Kind::BandPass,
               .fromHz = 2300.0f,
               .q = 4.0f,
               .seed = 141});
    const Track hiss = Synth::Noise(
        rate, {.seconds = 0.45f,
               .envelope = {.attack = 0.01f, .decay = 0.15f, .sustain = 0.0f, .release = 0.08f},
               .filter = Biquad::Kind::HighPass,
               .fromHz = 3500.0f,
               .seed = 142});
    return squeal.scale(0.6f).mix(scrape, 0.0f, 1.5f).mix(hiss, 0.72f, 0.5f);
}

Track FrogKillGarbage(int rate) {
    Track whine = Synth::Tone(
        rate, {.wave = Waveform::Saw,
               .fromHz = 110.0f,
               .toHz = 230.0f,
               .seconds = 1.0f,
               .envelope = {.attack = 0.1f, .decay = 1.0f, .sustain = 0.8f, .release = 0.1f},
               .lowPassHz = 900.0f});
    whine = Synth::Tremolo(whine, 6.0f, 0.2f);
    const Track crush = Foley::Crunch(rate, 0.8f, 151, 0.8f);
    const Track clank = Foley::Crunch(rate, 0.3f, 152, 1.3f);
    return whine.scale(0.5f).mix(crush, 0.55f).mix(clank, 1.05f, 0.6f);
}

Track FrogKillChezFred(int rate) {
    const Track chop = Foley::Thud(rate, 160.0f, 0.08f)
                           .mix(Synth::Noise(rate, {.seconds = 0.03f,
                                                    .envelope = {.attack = 0.0005f,
                                                                 .decay = 0.006f,
                                                                 .sustain = 0.0f,
                                                                 .release = 0.01f},
                                                    .filter = Biquad::Kind::HighPass,
                                                    .fromHz = 2500.0f,
                                                    .seed = 161}),
                                0.0f, 0.8f);
    const Track sizzle = Synth::Noise(
        rate, {.seconds = 1.1f,
               .envelope = {.attack = 0.05f, .decay = 0.8f, .sustain = 0.5f, .release = 0.2f},
               .filter = Biquad::Kind::HighPass,
               .fromHz = 2500.0f,
               .seed = 162,
               .holdHz = 9000.0f});
    Track out(rate, 0.0f);
    out.mix(chop, 0.0f).mix(chop, 0.18f);
    out.mix(Synth::Tremolo(sizzle, 7.0f, 0.4f), 0.3f, 0.4f)
        .mix(Foley::Crackle(rate, 1.0f, 45.0f, 163), 0.3f, 0.5f);
    return out.mix(Instruments::Bell(rate, 96, 0.8f), 1.2f, 0.5f);
}

Track FrogKillCementMixer(int rate) {
    Track rumble = Synth::Noise(
        rate, {.seconds = 1.8f,
               .envelope = {.attack = 0.15f, .decay = 2.0f, .sustain = 0.7f, .release = 0.3f},
               .fromHz = 260.0f,
               .seed = 171});
    rumble = Synth::Tremolo(rumble.scale(3.0f), 2.2f, 0.6f);
    const Track motor = Synth::Tone(
        rate, {.wave = Waveform::Saw,
               .fromHz = 48.0f,
               .seconds = 1.8f,
               .envelope = {.attack = 0.1f, .decay = 2.0f, .sustain = 0.7f, .release = 0.3f},
               .lowPassHz = 400.0f});
    const Track gravel = Synth::Tremolo(
        Synth::Noise(rate,
                     {.seconds = 1.6f,
                      .envelope = {.attack = 0.1f, .decay = 1.0f, .sustain = 0.5f, .release = 0.3f},
                      .filter = Biquad::Kind::BandPass,
                      .fromHz = 1800.0f,
                      .q = 1.2f,
                      .seed = 172,
                      .holdHz = 3000.0f}),
        4.4f, 0.8f);
    const Track gloop = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 260.0f,
               .toHz = 85.0f,
               .seconds = 0.3f,
               .envelope = {.attack = 0.01f, .decay = 0.12f, .sustain = 0.2f, .release = 0.05f}});
    return rumble.mix(motor, 0.0f, 0.4f)
        .mix(gravel, 0.1f, 0.5f)
        .mix(gloop, 0.25f, 0.8f)
        .mix(gloop, 0.7f, 0.6f);
}

Track FrogKillAquarium(int rate) {
    Track out = Foley::Shatter(rate, 1.0f, 181);
    const Track gush = Synth::Noise(
        rate, {.seconds = 1.4f,
               .envelope = {.attack = 0.08f, .decay = 0.6f, .sustain = 0.2f, .release = 0.3f},
               .filter = Biquad::Kind::BandPass,
               .fromHz = 1200.0f,
               .toHz = 450.0f,
               .q = 0.8f,
               .seed = 182});
    out.mix(gush, 0.1f, 1.6f).mix(Foley::Bubbles(rate, 1.2f, 18, 183, 350.0f, 1100.0f), 0.4f, 0.5f);
    return Synth::WithRoom(out, 0.4f, 0.5f, 0.2f, 0.3f);
}

Track FrogKillElectric(int rate) {
    Track buzz = Synth::Tone(
        rate, {.wave = Waveform::Saw,
               .fromHz = 100.0f,
               .seconds = 1.0f,
               .envelope = {.attack = 0.005f, .decay = 0.6f, .sustain = 0.5f, .release = 0.15f},
               .vibratoHz = 50.0f,
               .vibratoSemitones = 0.7f,
               .lowPassHz = 3000.0f});
    buzz = Synth::Saturated(buzz, 2.5f);
    const Track zap = Synth::Noise(
        rate, {.seconds = 0.12f,
               .envelope = {.attack = 0.001f, .decay = 0.03f, .sustain = 0.0f, .release = 0.02f},
               .filter = Biquad::Kind::HighPass,
               .fromHz = 1500.0f,
               .seed = 191});
    const Track whine = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 1800.0f,
               .toHz = 900.0f,
               .seconds = 0.9f,
               .envelope = {.attack = 0.01f, .decay = 0.4f, .sustain = 0.2f, .release = 0.1f}});
    return buzz.scale(0.5f)
        .mix(zap, 0.0f, 1.2f)
        .mix(Foley::Crackle(rate, 0.9f, 70.0f, 192), 0.03f, 0.8f)
        .mix(whine, 0.0f, 0.15f);
}

} // namespace EffectRecipes
