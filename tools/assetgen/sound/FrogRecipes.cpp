#include "sound/EffectRecipes.h"
#include "sound/Foley.h"
#include "sound/Instruments.h"
#include "sound/Synth.h"

namespace EffectRecipes {

namespace {

// One syllable of the croak: a buzzing glottis through two mouth resonances.
Track Croak(int rate, float fromHz, float toHz, float seconds, float lowFormant,
            float highFormant) {
    const Track buzz = Synth::Tone(
        rate, {.wave = Waveform::Saw,
               .fromHz = fromHz,
               .toHz = toHz,
               .seconds = seconds,
               .envelope = {
                   .attack = 0.015f, .decay = seconds * 0.6f, .sustain = 0.3f, .release = 0.03f}});
    Track voice = Synth::Filtered(buzz, Biquad::Kind::BandPass, lowFormant, 3.0f).scale(2.5f);
    voice.mix(Synth::Filtered(buzz, Biquad::Kind::BandPass, highFormant, 4.0f), 0.0f, 1.5f);
    // The rasp of a frog's throat is a fast flutter.
    return Synth::Tremolo(voice, 28.0f, 0.7f);
}

} // namespace

Track FrogMove(int rate) {
    Track hop = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 240.0f,
               .toHz = 720.0f,
               .seconds = 0.12f,
               .envelope = {.attack = 0.003f, .decay = 0.05f, .sustain = 0.35f, .release = 0.03f}});
    const Track edge = Synth::Tone(
        rate, {.wave = Waveform::Triangle,
               .fromHz = 480.0f,
               .toHz = 1440.0f,
               .seconds = 0.1f,
               .envelope = {.attack = 0.003f, .decay = 0.03f, .sustain = 0.0f, .release = 0.02f}});
    return hop.mix(edge, 0.0f, 0.3f).mix(Foley::Thud(rate, 110.0f, 0.06f), 0.0f, 0.3f);
}

Track FrogJump(int rate) {
    Track whoosh = Synth::Noise(
        rate, {.seconds = 0.6f,
               .envelope = {.attack = 0.08f, .decay = 0.4f, .sustain = 0.2f, .release = 0.15f},
               .filter = Biquad::Kind::BandPass,
               .fromHz = 350.0f,
               .toHz = 4200.0f,
               .q = 2.0f,
               .seed = 11});
    const Track zip = Synth::Tone(
        rate, {.wave = Waveform::Square,
               .fromHz = 160.0f,
               .toHz = 1300.0f,
               .seconds = 0.55f,
               .envelope = {.attack = 0.01f, .decay = 0.3f, .sustain = 0.4f, .release = 0.12f},
               .vibratoHz = 14.0f,
               .vibratoSemitones = 0.4f,
               .lowPassHz = 2600.0f});
    const Track launch = Foley::Thud(rate, 80.0f, 0.18f);
    return whoosh.scale(2.0f).mix(zip, 0.0f, 0.6f).mix(launch, 0.0f, 0.8f);
}

Track FrogBlockedMove(int rate) {
    const Track buzz = Synth::Tone(
        rate, {.wave = Waveform::Square,
               .fromHz = 150.0f,
               .toHz = 130.0f,
               .seconds = 0.075f,
               .envelope = {.attack = 0.003f, .decay = 0.05f, .sustain = 0.6f, .release = 0.015f},
               .lowPassHz = 1100.0f});
    Track out(rate, 0.22f);
    return out.mix(buzz, 0.0f).mix(buzz, 0.11f).mix(Foley::Thud(rate, 70.0f, 0.1f), 0.0f, 0.6f);
}

Track FrogKnockedOver(int rate) {
    Track out = Foley::Thud(rate, 100.0f, 0.25f);
    const Track fall = Synth::Tone(
        rate, {.wave = Waveform::Triangle,
               .fromHz = 760.0f,
               .toHz = 170.0f,
               .seconds = 0.5f,
               .envelope = {.attack = 0.01f, .decay = 0.4f, .sustain = 0.3f, .release = 0.08f},
               .vibratoHz = 9.0f,
               .vibratoSemitones = 0.6f});
    const Track squeak = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 1400.0f,
               .toHz = 900.0f,
               .seconds = 0.08f,
               .envelope = {.attack = 0.003f, .decay = 0.04f, .sustain = 0.0f, .release = 0.02f}});
    return out.mix(squeak, 0.01f, 0.4f).mix(fall, 0.06f, 0.7f);
}

Track FrogDrown(int rate) {
    Track out = Foley::Splash(rate, 0.6f, 21);
    const Track gurgle = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 520.0f,
               .toHz = 140.0f,
               .seconds = 0.5f,
               .envelope = {.attack = 0.02f, .decay = 0.3f, .sustain = 0.3f, .release = 0.1f}});
    out.mix(Synth::Tremolo(gurgle, 13.0f, 0.9f), 0.15f, 0.5f);
    return out.mix(Foley::Bubbles(rate, 1.0f, 14, 22, 300.0f, 900.0f), 0.25f, 0.6f);
}

Track FrogEat(int rate) {
    Track flick = Synth::Noise(
        rate, {.seconds = 0.05f,
               .envelope = {.attack = 0.002f, .decay = 0.015f, .sustain = 0.0f, .release = 0.01f},
               .filter = Biquad::Kind::BandPass,
               .fromHz = 2000.0f,
               .toHz = 6000.0f,
               .q = 1.5f,
               .seed = 31});
    const Track gulp = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 340.0f,
               .toHz = 110.0f,
               .seconds = 0.14f,
               .envelope = {.attack = 0.008f, .decay = 0.06f, .sustain = 0.3f, .release = 0.03f}});
    const Track swallow = Synth::Tone(
        rate, {.wave = Waveform::Triangle,
               .fromHz = 200.0f,
               .toHz = 150.0f,
               .seconds = 0.1f,
               .envelope = {.attack = 0.01f, .decay = 0.05f, .sustain = 0.2f, .release = 0.03f}});
    return flick.scale(2.0f).mix(gulp, 0.06f).mix(swallow, 0.21f, 0.6f);
}

Track FrogPickStar(int rate) {
    const Track bells = Instruments::Play(
        rate, 600.0f, {{0, 1, 83}, {1, 1, 88}, {2, 1, 92}, {3, 2, 95}, {5, 3, 100, 0.6f}},
        Instruments::Bell);
    const Track shimmer = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 3520.0f,
               .seconds = 0.7f,
               .envelope = {.attack = 0.05f, .decay = 0.2f, .sustain = 0.0f, .release = 0.1f}});
    Track out = bells;
    out.mix(Synth::Tremolo(shimmer, 18.0f, 1.0f), 0.1f, 0.15f);
    return Synth::WithRoom(out, 0.5f, 0.4f, 0.25f, 0.3f);
}

Track FrogPierced(int rate) {
    Track sting = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 3400.0f,
               .toHz = 1900.0f,
               .seconds = 0.1f,
               .envelope = {.attack = 0.001f, .decay = 0.04f, .sustain = 0.0f, .release = 0.02f}});
    const Track prick = Synth::Noise(
        rate, {.seconds = 0.03f,
               .envelope = {.attack = 0.0005f, .decay = 0.008f, .sustain = 0.0f, .release = 0.01f},
               .filter = Biquad::Kind::HighPass,
               .fromHz = 3000.0f,
               .seed = 41});
    const Track yelp = Synth::Tone(
        rate, {.wave = Waveform::Square,
               .fromHz = 950.0f,
               .toHz = 420.0f,
               .seconds = 0.32f,
               .envelope = {.attack = 0.01f, .decay = 0.2f, .sustain = 0.4f, .release = 0.06f},
               .vibratoHz = 11.0f,
               .vibratoSemitones = 0.8f,
               .lowPassHz = 2200.0f});
    return sting.mix(prick, 0.0f, 0.8f).mix(yelp, 0.07f, 0.45f);
}

Track FrogIdle(int rate) {
    Track out(rate, 1.2f);
    out.mix(Croak(rate, 105.0f, 92.0f, 0.13f, 480.0f, 1250.0f), 0.02f);
    return out.mix(Croak(rate, 118.0f, 100.0f, 0.1f, 650.0f, 1600.0f), 0.21f, 0.9f);
}

} // namespace EffectRecipes
