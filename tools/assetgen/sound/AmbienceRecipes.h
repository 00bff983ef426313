#pragma once

#include "sound/SoundClip.h"

// The four ambient loops the game fades in and out by the frog's surroundings. Each is built on
// a LoopMixer, so it joins end to start without a seam.
namespace AmbienceRecipes {

SoundClip River(int rate);           // flowing water, babbling bubbles, waves at the bank
SoundClip Road(int rate);            // a rumbling street with cars passing both ways
SoundClip RoadUnderground(int rate); // the same traffic, dark and booming in a tunnel
SoundClip Insects(int rate);         // flies and a mosquito circling about

} // namespace AmbienceRecipes
