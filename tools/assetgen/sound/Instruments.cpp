#include "sound/Instruments.h"

#include "sound/Synth.h"

#include <algorithm>

namespace Instruments {

using Synth::NoteHz;

Track Lead(int rate, int midi, float seconds) {
    Track body = Synth::Tone(
        rate, {.wave = Waveform::Pulse25,
               .fromHz = NoteHz(midi),
               .seconds = seconds,
               .envelope = {.attack = 0.006f, .decay = 0.25f, .sustain = 0.55f, .release = 0.04f},
               .vibratoHz = 5.5f,
               .vibratoSemitones = 0.08f,
               .lowPassHz = 3800.0f});
    const Track octave = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 2.0f * NoteHz(midi),
               .seconds = seconds,
               .envelope = {.attack = 0.004f, .decay = 0.08f, .sustain = 0.1f, .release = 0.04f}});
    return body.mix(octave, 0.0f, 0.35f);
}

Track Chip(int rate, int midi, float seconds) {
    return Synth::Tone(
        rate, {.wave = Waveform::Square,
               .fromHz = NoteHz(midi),
               .seconds = seconds,
               .envelope = {.attack = 0.003f, .decay = 0.12f, .sustain = 0.6f, .release = 0.02f},
               .lowPassHz = 5000.0f});
}

Track Bell(int rate, int midi, float seconds) {
    const float tail = std::max(seconds, 0.6f);
    return Synth::Fm(
        rate, {.fromHz = NoteHz(midi),
               .ratio = 3.5f,
               .fromIndex = 2.2f,
               .toIndex = 0.2f,
               .seconds = tail,
               .envelope = {.attack = 0.002f, .decay = 0.35f, .sustain = 0.0f, .release = 0.05f}});
}

Track Brass(int rate, int midi, float seconds) {
    Track tone = Synth::Tone(
        rate, {.wave = Waveform::Saw,
               .fromHz = NoteHz(midi),
               .seconds = seconds,
               .envelope = {.attack = 0.03f, .decay = 0.4f, .sustain = 0.75f, .release = 0.06f},
               .vibratoHz = 5.0f,
               .vibratoSemitones = 0.1f,
               .lowPassHz = 2200.0f});
    const Track fifth = Synth::Tone(
        rate, {.wave = Waveform::Saw,
               .fromHz = NoteHz(midi) * 1.003f,
               .seconds = seconds,
               .envelope = {.attack = 0.04f, .decay = 0.4f, .sustain = 0.75f, .release = 0.06f},
               .lowPassHz = 1600.0f});
    return tone.mix(fifth, 0.0f, 0.6f);
}

Track Bass(int rate, int midi, float seconds) {
    Track body = Synth::Tone(
        rate, {.wave = Waveform::Square,
               .fromHz = NoteHz(midi),
               .seconds = seconds,
               .envelope = {.attack = 0.004f, .decay = 0.15f, .sustain = 0.5f, .release = 0.03f},
               .lowPassHz = 700.0f});
    const Track sub = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = NoteHz(midi),
               .seconds = seconds,
               .envelope = {.attack = 0.004f, .decay = 0.3f, .sustain = 0.7f, .release = 0.03f}});
    return body.mix(sub, 0.0f, 0.8f);
}

Track Stab(int rate, int midi, float seconds) {
    return Synth::Tone(
        rate, {.wave = Waveform::Triangle,
               .fromHz = NoteHz(midi),
               .seconds = seconds,
               .envelope = {.attack = 0.003f, .decay = 0.06f, .sustain = 0.2f, .release = 0.03f}});
}

Track Kick(int rate) {
    Track thump = Synth::Tone(
        rate, {.wave = Waveform::Sine,
               .fromHz = 160.0f,
               .toHz = 45.0f,
               .seconds = 0.28f,
               .envelope = {.attack = 0.001f, .decay = 0.12f, .sustain = 0.0f, .release = 0.03f}});
    const Track click = Synth::Noise(
        rate, {.seconds = 0.015f,
               .envelope = {.attack = 0.0005f, .decay = 0.004f, .sustain = 0.0f, .release = 0.005f},
               .fromHz = 3000.0f,
               .seed = 7});
    return thump.mix(click, 0.0f, 0.4f);
}

Track Snare(int rate, uint32_t seed) {
    Track rattle = Synth::Noise(
        rate, {.seconds = 0.18f,
               .envelope = {.attack = 0.001f, .decay = 0.05f, .sustain = 0.0f, .release = 0.03f},
               .filter = Biquad::Kind::BandPass,
               .fromHz = 3500.0f,
               .q = 0.6f,
               .seed = seed});
    const Track body = Synth::Tone(
        rate, {.wave = Waveform::Triangle,
               .fromHz = 220.0f,
               .toHz = 160.0f,
               .seconds = 0.1f,
               .envelope = {.attack = 0.001f, .decay = 0.03f, .sustain = 0.0f, .release = 0.02f}});
    return rattle.scale(1.6f).mix(body, 0.0f, 0.6f);
}

Track HiHat(int rate, uint32_t seed, bool open) {
    return Synth::Noise(rate, {.seconds = open ? 0.25f : 0.05f,
                               .envelope = {.attack = 0.0005f,
                                            .decay = open ? 0.08f : 0.015f,
                                            .sustain = 0.0f,
                                            .release = 0.01f},
                               .filter = Biquad::Kind::HighPass,
                               .fromHz = 7000.0f,
                               .seed = seed});
}

Track Play(int rate, float beatsPerMinute, const std::vector<Note>& notes, Voice voice) {
    const float beatSeconds = 60.0f / beatsPerMinute;
    Track out(rate, 0.0f);
    for (const Note& note : notes) {
        const float length = note.beats * beatSeconds * 0.92f;
        out.mix(voice(rate, note.midi, length), note.beat * beatSeconds, note.velocity);
    }
    return out;
}

} // namespace Instruments
