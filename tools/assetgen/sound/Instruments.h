#pragma once

#include "sound/Track.h"

#include <cstdint>
#include <vector>

// The band that plays the theme and the jingles. Notes are MIDI numbers (60 is middle C).
namespace Instruments {

using Voice = Track (*)(int rate, int midi, float seconds);

Track Lead(int rate, int midi, float seconds);
Track Chip(int rate, int midi, float seconds);
Track Bell(int rate, int midi, float seconds);
Track Brass(int rate, int midi, float seconds);
Track Bass(int rate, int midi, float seconds);
Track Stab(int rate, int midi, float seconds);
Track Kick(int rate);
Track Snare(int rate, uint32_t seed);
Track HiHat(int rate, uint32_t seed, bool open);

struct Note {
    float beat;
    float beats;
    int midi;
    float velocity = 1.0f;
};

// The notes played one after another by `voice`; a note's length in beats sets how long it
// sounds, minus a little air so that repeated notes stay apart.
Track Play(int rate, float beatsPerMinute, const std::vector<Note>& notes, Voice voice);

} // namespace Instruments
