#include "sound/ThemeMusic.h"

#include "sound/Instruments.h"
#include "sound/LoopMixer.h"

#include <utility>
#include <vector>

namespace {

using Instruments::Note;

constexpr int kRest = 0;
constexpr float kBeatsPerBar = 4.0f;

// A tune written as (note, beats) one after another; kRest is a pause.
using Line = std::vector<std::pair<int, float>>;

const Line kMainTune = {{67, .5f}, {72, .5f}, {76, .5f}, {79, 1},   {76, .5f}, {79, 1},
                        {81, 1},   {79, .5f}, {76, .5f}, {72, 1},   {76, 1},   {77, .5f},
                        {77, .5f}, {81, 1},   {79, .5f}, {77, .5f}, {76, .5f}, {74, .5f},
                        {74, .5f}, {76, .5f}, {77, 1},   {79, 2},   {67, .5f}, {72, .5f},
                        {76, .5f}, {79, 1},   {76, .5f}, {79, 1},   {81, 1},   {84, .5f},
                        {83, .5f}, {81, 1},   {76, 1},   {77, .5f}, {81, .5f}, {84, 1},
                        {83, .5f}, {81, .5f}, {79, .5f}, {74, .5f}, {72, 2},   {kRest, 2}};

const Line kBridge = {{81, 1.5f}, {79, .5f}, {77, 1},    {81, 1},   {79, 1.5f}, {77, .5f},
                      {76, 1},    {79, 1},   {77, 1},    {76, .5f}, {74, .5f},  {76, 1},
                      {77, 1},    {79, 3},   {kRest, 1}, {81, 1},   {81, .5f},  {84, .5f},
                      {81, 1},    {77, 1},   {79, 1},    {79, .5f}, {83, .5f},  {79, 1},
                      {76, 1},    {77, .5f}, {76, .5f},  {74, .5f}, {76, .5f},  {77, 1},
                      {81, 1},    {79, 1},   {77, .5f},  {76, .5f}, {74, 1},    {71, 1}};

const Line kTurnaround = {{84, 1}, {79, 1}, {76, 1}, {79, 1}, {81, 1}, {76, 1}, {72, 1},
                          {76, 1}, {77, 1}, {81, 1}, {84, 1}, {81, 1}, {79, 2}, {kRest, 2}};

struct Chord {
    int root; // bass note, MIDI
    bool minor;
};

constexpr Chord C{48, false}, Am{45, true}, F{41, false}, G{43, false}, Em{40, true}, Dm{38, true};

// One chord per half bar, for the whole piece.
const std::vector<Chord> kChords = {
    C, C, Am, Am, F,  F,  G, G, C, C, Am, Am, F,  G,  C, C, // main tune
    C, C, Am, Am, F,  F,  G, G, C, C, Am, Am, F,  G,  C, C, // with the bells
    F, F, Em, Em, Dm, Dm, G, G, F, F, Em, Em, Dm, Dm, G, G, // bridge
    C, C, Am, Am, F,  F,  G, G, C, C, Am, Am, F,  G,  C, C, // in octaves
    C, C, Am, Am, F,  F,  G, G};                            // turnaround

std::vector<Note> ToNotes(const Line& line, float startBeat, int transpose) {
    std::vector<Note> notes;
    float beat = startBeat;
    for (const auto& [midi, beats] : line) {
        if (midi != kRest)
            notes.push_back({beat, beats, midi + transpose});
        beat += beats;
    }
    return notes;
}

std::vector<int> ChordTones(const Chord& chord, int octaveUp) {
    const int root = chord.root + 12 * octaveUp;
    return {root, root + (chord.minor ? 3 : 4), root + 7};
}

float At(float beat) {
    return beat * 60.0f / ThemeMusic::kBeatsPerMinute;
}

void AddTune(LoopMixer& mix, const Line& line, float startBar, Instruments::Voice voice, float gain,
             float pan = 0.0f, int transpose = 0) {
    mix.add(Instruments::Play(mix.rate(), ThemeMusic::kBeatsPerMinute,
                              ToNotes(line, startBar * kBeatsPerBar, transpose), voice),
            0.0f, gain, pan);
}

// Bouncing eighths: the root, then its octave.
void AddBass(LoopMixer& mix) {
    std::vector<Note> notes;
    for (std::size_t half = 0; half < kChords.size(); ++half)
        for (int step = 0; step < 4; ++step)
            notes.push_back({static_cast<float>(half) * 2.0f + 0.5f * static_cast<float>(step),
                             0.5f, kChords[half].root + (step % 2 == 1 ? 12 : 0)});
    mix.add(Instruments::Play(mix.rate(), ThemeMusic::kBeatsPerMinute, notes, Instruments::Bass),
            0.0f, 0.32f);
}

// Chords on the off-beats, the bounce of the tune.
void AddStabs(LoopMixer& mix) {
    for (std::size_t half = 0; half < kChords.size(); ++half)
        for (int step = 0; step < 2; ++step) {
            const float beat = static_cast<float>(half) * 2.0f + static_cast<float>(step) + 0.5f;
            for (const int tone : ChordTones(kChords[half], 1))
                mix.add(Instruments::Stab(mix.rate(), tone, At(0.3f)), At(beat), 0.06f, -0.35f);
        }
}

// The bells' counter-melody: the chord broken upward in eighths.
void AddBells(LoopMixer& mix, int startBar, int bars) {
    for (int half = 0; half < bars * 2; ++half) {
        const std::vector<int> tones =
            ChordTones(kChords[static_cast<std::size_t>(startBar * 2 + half)], 2);
        for (int step = 0; step < 4; ++step) {
            const float beat = static_cast<float>(startBar) * kBeatsPerBar +
                               static_cast<float>(half) * 2.0f + 0.5f * static_cast<float>(step);
            mix.add(
                Instruments::Bell(mix.rate(), tones[static_cast<std::size_t>(step % 3)], At(0.5f)),
                At(beat), 0.07f, 0.45f);
        }
    }
}

// Kick on one and three, snare on two and four, hats on every eighth; each fourth bar pushes
// into the next with an extra kick and an open hat, and the last bar rolls back to the top.
void AddDrums(LoopMixer& mix) {
    const int rate = mix.rate();
    const int bars = static_cast<int>(kChords.size()) / 2;
    uint32_t seed = 1000;
    for (int bar = 0; bar < bars; ++bar) {
        const float first = static_cast<float>(bar) * kBeatsPerBar;
        const bool fill = bar == bars - 1;
        for (int beat = 0; beat < 4; ++beat) {
            const float time = first + static_cast<float>(beat);
            if (beat % 2 == 0 || (bar % 4 == 3 && beat == 3))
                mix.add(Instruments::Kick(rate), At(time), 0.42f);
            if (beat % 2 == 1 && !(fill && beat == 3))
                mix.add(Instruments::Snare(rate, ++seed), At(time), 0.22f);
            mix.add(Instruments::HiHat(rate, ++seed, false), At(time), 0.07f, 0.3f);
            mix.add(Instruments::HiHat(rate, ++seed, bar % 4 == 3 && beat == 3), At(time + 0.5f),
                    0.05f, 0.3f);
        }
        if (fill)
            for (int step = 0; step < 4; ++step)
                mix.add(Instruments::Snare(rate, ++seed),
                        At(first + 3.0f + 0.25f * static_cast<float>(step)),
                        0.1f + 0.05f * static_cast<float>(step));
    }
    // A cymbal opens each part of the tune.
    for (const float bar : {0.0f, 8.0f, 16.0f, 24.0f})
        mix.add(Instruments::HiHat(rate, ++seed, true), At(bar * kBeatsPerBar), 0.12f, -0.2f);
}

} // namespace

SoundClip ThemeMusic::Render(int sampleRate) {
    const auto frames = static_cast<std::size_t>(sampleRate) * 60 * 4 * kBars /
                        static_cast<std::size_t>(kBeatsPerMinute);
    LoopMixer mix(sampleRate, frames);
    AddTune(mix, kMainTune, 0.0f, Instruments::Lead, 0.36f);
    AddTune(mix, kMainTune, 8.0f, Instruments::Lead, 0.34f);
    AddBells(mix, 8, 8);
    AddTune(mix, kBridge, 16.0f, Instruments::Chip, 0.22f, -0.1f);
    AddTune(mix, kBridge, 16.0f, Instruments::Bell, 0.08f, 0.3f, 12);
    AddTune(mix, kMainTune, 24.0f, Instruments::Lead, 0.34f);
    AddTune(mix, kMainTune, 24.0f, Instruments::Chip, 0.1f, 0.25f, -12);
    AddTune(mix, kTurnaround, 32.0f, Instruments::Bell, 0.3f);
    AddTune(mix, kTurnaround, 32.0f, Instruments::Lead, 0.16f, -0.2f, -12);
    AddBass(mix);
    AddStabs(mix);
    AddDrums(mix);
    mix.addRoom(0.5f, 0.45f, 0.18f);
    return mix.clip(true);
}
